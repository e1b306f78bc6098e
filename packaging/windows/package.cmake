# Quenvel-<version>-win64.zip: the program with everything it needs beside
# it, the console program for the actions without a window, an example
# Tovra.ini and a README.txt, both in Windows-31J with CR LF line ends. The
# zip holds no Tovra.ini, so unzipping a new version over an old folder
# leaves the user's settings alone. Qt takes the folder of its DLLs for its own: the plugins and the
# translation are found below it.
set(quenvel_package_name Quenvel-${PROJECT_VERSION}-win64)
set(quenvel_package_zip ${PROJECT_BINARY_DIR}/${quenvel_package_name}.zip)
set(quenvel_package_files
    "$<TARGET_FILE:quenvel>" "$<TARGET_FILE:quenvel-cli>"
    "${quenvel_qt_bin}/Qt6Core.dll" "${quenvel_qt_bin}/Qt6Gui.dll" "${quenvel_qt_bin}/Qt6Widgets.dll"
    "${quenvel_qt_bin}/Qt6Svg.dll" "${quenvel_curl_dll}" ${quenvel_qrencode_dll} ${quenvel_mingw_runtime})
set(quenvel_package_plugins
    platforms/qwindows.dll styles/qwindowsvistastyle.dll iconengines/qsvgicon.dll
    imageformats/qgif.dll imageformats/qico.dll imageformats/qjpeg.dll imageformats/qsvg.dll)
set(quenvel_package_texts ${CMAKE_CURRENT_LIST_DIR}/README.txt ${CMAKE_CURRENT_LIST_DIR}/Tovra.ini.example)

# Lists go to the script joined by '|'.
foreach(list quenvel_package_files quenvel_package_plugins quenvel_package_texts)
  string(REPLACE ";" "|" ${list}_joined "${${list}}")
endforeach()
add_custom_command(OUTPUT ${quenvel_package_zip}
  COMMAND ${CMAKE_COMMAND}
          "-DNAME=${quenvel_package_name}"
          "-DOUT=${PROJECT_BINARY_DIR}/package"
          "-DFILES=${quenvel_package_files_joined}"
          "-DPLUGINS_DIR=${quenvel_qt_plugins}"
          "-DPLUGINS=${quenvel_package_plugins_joined}"
          "-DTRANSLATION=${quenvel_qt_translations}/qtbase_ja.qm"
          "-DTEXTS=${quenvel_package_texts_joined}"
          "-DSTRIP=${CMAKE_STRIP}"
          -P ${CMAKE_CURRENT_LIST_DIR}/make_package.cmake
  DEPENDS quenvel quenvel-cli ${quenvel_package_texts} ${CMAKE_CURRENT_LIST_DIR}/make_package.cmake
  COMMENT "Windows package ${quenvel_package_name}.zip"
  VERBATIM)
add_custom_target(windows_package ALL DEPENDS ${quenvel_package_zip})
