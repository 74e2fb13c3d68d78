# The 3D view reads its shaders, house model and compass picture from data/ beside the program.
file(MAKE_DIRECTORY ${TEST_BINARY_DIR})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${TEST_BINARY_DIR}/data SYMBOLIC)
if(ZZ_SANITIZE OR ZZ_FUZZ)
  # Mesa compiles its shaders while holding the unwinder's lock; slow unwinding would wait for it.
  set_property(TEST ${TEST_NAME} APPEND PROPERTY ENVIRONMENT_MODIFICATION
    "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=1")
endif()
