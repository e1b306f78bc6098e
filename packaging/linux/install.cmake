# What `cmake --install` puts where on Linux, and the Debian packages CPack
# makes of it. The program lies in a folder of its own, since it reads its
# settings file (Tovra.ini) from the folder that holds it; /usr/bin/quenvel
# is a link to it.
set(quenvel_install_dir lib/quenvel)
install(TARGETS quenvel RUNTIME DESTINATION ${quenvel_install_dir} COMPONENT program)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${quenvel_install_dir}/quenvel \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/quenvel\" SYMBOLIC)
  " COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/index.html DESTINATION share/doc/quenvel/help COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/quenvel COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quenvel.desktop DESTINATION share/applications COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quenvel.svg DESTINATION share/icons/hicolor/scalable/apps COMPONENT program)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quenvel.metainfo.xml DESTINATION share/metainfo COMPONENT program)

# The stand-in JDK and DoJa SDK, for trying the program without the real
# ones. Their scripts name the build tree: installed, they find their
# archives from where they lie.
if(TARGET standins)
  # The build tree's apps/ holds whatever was made there since (scripts/run.sh
  # works in it): the package has the sample project as it comes.
  install(DIRECTORY ${PROJECT_BINARY_DIR}/standin/ DESTINATION ${quenvel_install_dir}/standin
          USE_SOURCE_PERMISSIONS COMPONENT standins
          REGEX "/doja/apps$" EXCLUDE)
  set(sample ${PROJECT_BINARY_DIR}/packaging/Sample)
  configure_file(${PROJECT_SOURCE_DIR}/standin/doja/apps/Sample/src/Sample.java ${sample}/src/Sample.java
                 @ONLY NEWLINE_STYLE CRLF)
  file(MAKE_DIRECTORY ${sample}/bin ${sample}/res)
  install(DIRECTORY ${sample} DESTINATION ${quenvel_install_dir}/standin/doja/apps COMPONENT standins)
  install(CODE "
    file(GLOB scripts \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${quenvel_install_dir}/standin/*/bin/*\")
    foreach(script \${scripts})
      file(READ \${script} text)
      string(REPLACE \"${PROJECT_BINARY_DIR}/standin\" \"\\$(dirname \\\"\\$0\\\")/../..\" text \"\${text}\")
      file(WRITE \${script} \"\${text}\")
    endforeach()
    " COMPONENT standins)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenvel)
set(CPACK_PACKAGE_VENDOR Quenvel)
set(CPACK_PACKAGE_CONTACT "Quenvel <quenvel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program standins)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME quenvel)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time: no library names them.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "small IDE for i-mode Java applications (DoJa)
Quenvel edits the source of one DoJa application and builds, runs and
uploads it with one button each, with the JDK 1.3 and the DoJa SDK.")
set(CPACK_DEBIAN_STANDINS_PACKAGE_NAME quenvel-standins)
set(CPACK_DEBIAN_STANDINS_PACKAGE_DEPENDS "quenvel (= ${PROJECT_VERSION}), default-jdk-headless, ecj")
set(CPACK_DEBIAN_STANDINS_DESCRIPTION "stand-in JDK 1.3 and DoJa SDK for Quenvel
Tools that answer as the JDK 1.3 and the DoJa SDK do, built on the
system's JDK and Eclipse compiler, for trying Quenvel without them.")
include(CPack)
