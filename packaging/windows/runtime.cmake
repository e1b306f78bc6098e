# What a Windows program of this build needs beside it: Qt's DLLs and
# plugins, libcurl, and MinGW's own runtime.
set(quenvel_mingw_runtime)
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(path "${path}" ABSOLUTE)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "MinGW's ${dll} is missing (${path})")
  endif()
  list(APPEND quenvel_mingw_runtime "${path}")
endforeach()
get_target_property(quenvel_qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(quenvel_qt_bin "${quenvel_qt_core_dll}" DIRECTORY)
get_target_property(quenvel_curl_dll CURL::libcurl IMPORTED_LOCATION_RELEASE)
set(quenvel_qt_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
set(quenvel_qt_translations "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
