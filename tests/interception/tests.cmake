# Interception: the hooks, their answers, and the log they write.
quenvar_test(interception_unit_tests
  ${CMAKE_CURRENT_LIST_DIR}/timestamp_test.cpp
)

quenvar_test(interception_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/main_window_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hook_chain_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/log_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/program_driver.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/message_box_answerer.cpp
  ${CMAKE_SOURCE_DIR}/resources/Quenvar.rc
)
target_include_directories(interception_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
target_compile_definitions(interception_window_tests PRIVATE QUENVAR_EXE="$<TARGET_FILE:Quenvar>")

quenvar_test(interception_program_tests
  ${CMAKE_CURRENT_LIST_DIR}/refusal_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/program_driver.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/message_box_answerer.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/real_input.cpp
)
add_dependencies(interception_program_tests Quenvar)
target_include_directories(interception_program_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(interception_program_tests PRIVATE QUENVAR_EXE="$<TARGET_FILE:Quenvar>")
