# The test starts the real program and the run script as a user does.
add_dependencies(${TEST_TARGET} zozorure)
target_compile_definitions(${TEST_TARGET} PRIVATE
  ZZ_PROGRAM="$<TARGET_FILE:zozorure>" ZZ_SOURCE_ROOT="${CMAKE_SOURCE_DIR}")
