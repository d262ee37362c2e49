# The tools: last shutdown time, start with Windows, online version check.

# The real program, its registry and its Script Control.
quenvar_test(tools_shutdown_time_tests
  ui/program_driver.cpp
  tools/registry_value.cpp
  tools/shutdown_time_test.cpp
)
add_dependencies(tools_shutdown_time_tests Quenvar)
target_compile_definitions(tools_shutdown_time_tests PRIVATE QUENVAR_EXE="$<TARGET_FILE:Quenvar>")
target_include_directories(tools_shutdown_time_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
