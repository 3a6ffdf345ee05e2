# zorvane_windows_program(<target> <description> <start menu name>): gives a
# Windows program a version resource (the project's version, vendor and
# copyright line, shown by Explorer under Properties, Details) and an entry in
# the installer's Start menu folder (cmake/PackagingWindows.cmake).

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE ZORVANE_RC_COPYRIGHT REGEX "^Copyright" LIMIT_COUNT 1)

function(zorvane_windows_program target description start_menu_name)
  set(ZORVANE_RC_NAME ${target})
  set(ZORVANE_RC_FILE ${target}.exe)
  set(ZORVANE_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(GLOBAL APPEND PROPERTY ZORVANE_START_MENU ${target} "${start_menu_name}")
endfunction()
