# The compatibility test runs on videos that ffmpeg generates at test time.
find_program(ZZ_FFMPEG ffmpeg)
if(ZZ_FFMPEG)
  target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_FFMPEG="${ZZ_FFMPEG}")
endif()
