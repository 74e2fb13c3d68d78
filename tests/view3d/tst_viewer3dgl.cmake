# Mesa's software renderer compiles shaders with LLVM, which registers the new code while it
# holds the unwinder's lock; the sanitizers' slow unwinding on every allocation then waits for
# that lock forever. Frame-pointer unwinding does not take it.
if(ZZ_SANITIZE OR ZZ_FUZZ)
  set_property(TEST ${TEST_NAME} APPEND PROPERTY ENVIRONMENT_MODIFICATION
    "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=1")
endif()
# The shaders, the house model and the compass picture are read from data/ beside the program.
file(MAKE_DIRECTORY ${TEST_BINARY_DIR})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${TEST_BINARY_DIR}/data SYMBOLIC)
