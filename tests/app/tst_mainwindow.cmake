include(${TEST_DIR}/viewerdata.cmake)
# Two small shell translations beside the test program, where the window looks for them.
foreach(code en da)
  set(qm ${TEST_BINARY_DIR}/i18n/zozorure_${code}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TEST_BINARY_DIR}/i18n
    COMMAND Qt5::lrelease -silent ${TEST_DIR}/fixtures/zozorure_${code}.ts -qm ${qm}
    DEPENDS ${TEST_DIR}/fixtures/zozorure_${code}.ts VERBATIM)
  target_sources(${TEST_TARGET} PRIVATE ${qm})
endforeach()
