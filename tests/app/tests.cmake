# The tray icon and its menus, ExitWindow and the information pages.

# Stands in for the browser: Wine's browser setting is pointed at it by the
# tests, and it records the addresses it is given in a file of the build tree.
set(QUENVAR_BROWSER_LOG ${CMAKE_CURRENT_BINARY_DIR}/opened-addresses.log)
configure_file(${CMAKE_CURRENT_LIST_DIR}/record_browser.sh.in ${CMAKE_CURRENT_BINARY_DIR}/record_browser.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
               WORLD_READ WORLD_EXECUTE)

function(quenvar_app_test name)
  quenvar_test(${name} app/app_test_support.cpp ui/program_driver.cpp ${ARGN})
  add_dependencies(${name} Quenvar)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  target_compile_definitions(${name} PRIVATE
    QUENVAR_EXE="$<TARGET_FILE:Quenvar>"
    QUENVAR_BROWSER_SCRIPT="${CMAKE_CURRENT_BINARY_DIR}/record_browser.sh"
    QUENVAR_BROWSER_LOG="${QUENVAR_BROWSER_LOG}")
endfunction()

# MainWindow created in the test process: only there can a popup menu's
# entries be read.
quenvar_app_test(app_window_tests
  app/tray_menu_test.cpp
  ${CMAKE_SOURCE_DIR}/resources/Quenvar.rc
)

# The real program, started (from a copy where it writes Config.ini) and
# driven from another process.
quenvar_app_test(app_program_tests
  ui/real_input.cpp
  app/tray_program_test.cpp
  app/exit_window_test.cpp
  app/info_pages_test.cpp
)
