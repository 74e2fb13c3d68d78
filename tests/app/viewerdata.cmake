# The main window holds the 3D view, which reads its shaders and models from data/ beside the
# program. Mesa's software renderer compiles shaders with LLVM, which registers the new code while
# it holds the unwinder's lock; the sanitizers' slow unwinding on every allocation then waits for
# that lock forever. Frame-pointer unwinding does not take it.
if(ZZ_SANITIZE OR ZZ_FUZZ)
  set_property(TEST app/${TEST_TARGET} APPEND PROPERTY ENVIRONMENT_MODIFICATION
    "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=1")
endif()
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/app/${TEST_TARGET})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${CMAKE_CURRENT_BINARY_DIR}/app/${TEST_TARGET}/data SYMBOLIC)
