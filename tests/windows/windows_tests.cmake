# The Windows test programs. Cross-built on Linux, they run under Wine
# through run_under_wine.sh, which finds Qt's and MinGW's DLLs for them
# (packaging/windows/runtime.cmake says where).

# Stand-in tools as Windows programs: Wine hands back exit code 0 for every
# Linux program a Windows program starts. Built static, they run anywhere.
foreach(fake fake_tool fake_jdk)
  add_executable(${fake} ${CMAKE_CURRENT_LIST_DIR}/${fake}.cpp)
  target_link_options(${fake} PRIVATE -static -municode)
  set_target_properties(${fake} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fakes)
  add_dependencies(quenvel_test_support ${fake})
endforeach()
target_compile_definitions(quenvel_test_support PUBLIC QUENVEL_FAKES_DIR="${PROJECT_BINARY_DIR}/fakes")
# live_processes.cpp reads other processes' command lines through ntdll.
target_link_libraries(quenvel_test_support PUBLIC ntdll)

if(CMAKE_CROSSCOMPILING)
  set(dll_folders "${quenvel_qt_bin}")
  foreach(dll ${quenvel_mingw_runtime})
    get_filename_component(folder "${dll}" DIRECTORY)
    list(APPEND dll_folders "${folder}")
  endforeach()
  list(REMOVE_DUPLICATES dll_folders)
  set(QUENVEL_WINE_DLL_FOLDERS "${dll_folders}")
  configure_file(${CMAKE_CURRENT_LIST_DIR}/run_under_wine.sh.in ${PROJECT_BINARY_DIR}/run_under_wine.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

# A test program under CTest; widget tests get a platform on their command
# line, where Qt under Wine looks for it.
function(quenvel_windows_test name source)
  file(STRINGS ${source} guiless REGEX "QTEST_(GUILESS|APPLESS)_MAIN")
  set(arguments)
  if(NOT guiless)
    set(arguments -platform offscreen)
  endif()
  if(CMAKE_CROSSCOMPILING)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/run_under_wine.sh)
  endif()
  add_test(NAME ${name} COMMAND ${name} ${arguments})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
