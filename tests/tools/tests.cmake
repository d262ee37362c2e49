# The tools: last shutdown time, start with Windows, online version check.

# Like quenvar_test, for tests that start the program and share state of the
# prefix (registry values, the browser setting): PROPERTIES go to every
# discovered test, so that such tests can hold a RESOURCE_LOCK or a fixture.
function(quenvar_tools_test name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;PROPERTIES")
  add_executable(${name} ${ARG_SOURCES})
  add_dependencies(${name} Quenvar)
  target_link_libraries(${name} PRIVATE quenvar_core GTest::gtest_main)
  target_link_options(${name} PRIVATE -static)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
  target_compile_definitions(${name} PRIVATE QUENVAR_EXE="$<TARGET_FILE:Quenvar>")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
endfunction()

# Byte texts, numbers, decisions, and a script result turned into text.
quenvar_test(tools_unit_tests
  tools/variant_text_test.cpp
  tools/byte_text_test.cpp
  tools/text_number_test.cpp
  tools/version_decision_test.cpp
  tools/autorun_command_test.cpp
)

# The real program, its registry and its Script Control.
quenvar_tools_test(tools_shutdown_time_tests
  SOURCES ui/program_driver.cpp tools/registry_value.cpp tools/shutdown_time_test.cpp
  PROPERTIES RESOURCE_LOCK quenvar_shutdown_time_value
)

# The real program on the prefix's Run key and Startup folder, and its boxes.
quenvar_tools_test(tools_autorun_tests
  SOURCES ui/program_driver.cpp ui/message_box_answerer.cpp tools/registry_value.cpp tools/autorun_test.cpp
  PROPERTIES RESOURCE_LOCK quenvar_autorun_entry
)

# The version check against a web server of the tests on 127.0.0.1, which
# ctest starts before and stops after them.
find_program(QUENVAR_PYTHON3 python3 REQUIRED)
set(QUENVAR_TOOLS_HTTP_STATE ${CMAKE_CURRENT_BINARY_DIR}/tools-http)
add_test(NAME tools_http_server_start
         COMMAND ${QUENVAR_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/tools/http_server.py start ${QUENVAR_TOOLS_HTTP_STATE})
add_test(NAME tools_http_server_stop
         COMMAND ${QUENVAR_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/tools/http_server.py stop ${QUENVAR_TOOLS_HTTP_STATE})
set_tests_properties(tools_http_server_start PROPERTIES FIXTURES_SETUP tools_http_server)
set_tests_properties(tools_http_server_stop PROPERTIES FIXTURES_CLEANUP tools_http_server)

# In this process, with MainWindow's labels; the browser setting is shared.
quenvar_tools_test(tools_version_check_tests
  SOURCES ui/program_driver.cpp tools/registry_value.cpp tools/version_check_test.cpp
          ${CMAKE_SOURCE_DIR}/resources/Quenvar.rc
  PROPERTIES FIXTURES_REQUIRED tools_http_server RESOURCE_LOCK quenvar_browser_setting
)
target_compile_definitions(tools_version_check_tests PRIVATE
  QUENVAR_TOOLS_HTTP_STATE="${QUENVAR_TOOLS_HTTP_STATE}"
  QUENVAR_RECORD_BROWSER="${CMAKE_CURRENT_SOURCE_DIR}/tools/record_browser.sh")

# No Internet connection: a network namespace with only loopback and a Wine
# session of its own (its prefix is made on the first run, which takes longer).
set(QUENVAR_TOOLS_OFFLINE_STATE ${CMAKE_CURRENT_BINARY_DIR}/tools-offline)
add_executable(tools_offline_tests
  ui/program_driver.cpp
  tools/offline_test.cpp
  ${CMAKE_SOURCE_DIR}/resources/Quenvar.rc
)
add_dependencies(tools_offline_tests Quenvar)
target_link_libraries(tools_offline_tests PRIVATE quenvar_core GTest::gtest_main)
target_link_options(tools_offline_tests PRIVATE -static)
target_include_directories(tools_offline_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
target_compile_definitions(tools_offline_tests PRIVATE
  QUENVAR_EXE="$<TARGET_FILE:Quenvar>"
  QUENVAR_TOOLS_OFFLINE_STATE="${QUENVAR_TOOLS_OFFLINE_STATE}")
add_test(NAME tools_offline
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/offline_test.sh ${QUENVAR_TOOLS_OFFLINE_STATE}
                 $<TARGET_FILE:tools_offline_tests>)
set_tests_properties(tools_offline PROPERTIES TIMEOUT 300)
