# The 3D view reads its shaders, house model and compass picture from data/ beside the program.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/print/${TEST_TARGET})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${CMAKE_CURRENT_BINARY_DIR}/print/${TEST_TARGET}/data SYMBOLIC)
if(ZZ_SANITIZE OR ZZ_FUZZ)
  # Mesa compiles its shaders while holding the unwinder's lock; slow unwinding would wait for it.
  set_property(TEST print/${TEST_TARGET} APPEND PROPERTY ENVIRONMENT_MODIFICATION
    "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=1")
endif()
