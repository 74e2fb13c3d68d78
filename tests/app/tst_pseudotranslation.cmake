include(${TEST_DIR}/viewerdata.cmake)
# The pseudo translation of every set, made from the translation sources at build time.
zz_pseudo_translations(${TEST_TARGET}_qm ${TEST_BINARY_DIR}/pseudo)
add_dependencies(${TEST_TARGET} ${TEST_TARGET}_qm)
target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_PSEUDO_DIR="${TEST_BINARY_DIR}/pseudo")
# The program's own translations too, where the window and the configuration look for them.
add_dependencies(${TEST_TARGET} shell_translations program_translations foundation_translations qt_translations)
file(CREATE_LINK ${ZZ_APP_DIR}/i18n ${TEST_BINARY_DIR}/i18n SYMBOLIC)
