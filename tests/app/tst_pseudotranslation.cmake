include(${TEST_DIR}/viewerdata.cmake)
# The pseudo translation of every set, made from the translation sources at build time.
zz_pseudo_translations(${TEST_TARGET}_qm ${TEST_BINARY_DIR}/pseudo)
add_dependencies(${TEST_TARGET} ${TEST_TARGET}_qm)
target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_PSEUDO_DIR="${TEST_BINARY_DIR}/pseudo")
