# Gives a Windows program of this tree its icon, version information (from
# the project's version) and manifest (per-monitor DPI awareness, the common
# controls of the system's own look, no elevation).
function(quenvel_windows_resources target description)
  set(QUENVEL_RC_NAME ${target})
  set(QUENVEL_RC_FILE ${target}.exe)
  set(QUENVEL_RC_DESCRIPTION "${description}")
  set(QUENVEL_RC_ICON ${PROJECT_SOURCE_DIR}/resources/quenvel.ico)
  set(QUENVEL_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quenvel.manifest.in ${QUENVEL_RC_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/quenvel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY
               OBJECT_DEPENDS ${QUENVEL_RC_ICON} ${QUENVEL_RC_MANIFEST})
endfunction()
