# A small program that writes a user setting while quitting; the test checks it reached the disk.
get_target_property(_out ${TEST_TARGET} RUNTIME_OUTPUT_DIRECTORY)
add_executable(global_quit_helper ${TEST_DIR}/global_quit_helper.cpp)
target_link_libraries(global_quit_helper PRIVATE foundation)
set_target_properties(global_quit_helper PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${_out})
add_dependencies(${TEST_TARGET} global_quit_helper)
