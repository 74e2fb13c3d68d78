include(${TEST_DIR}/viewerdata.cmake)
# The program's translations, where the window and the configuration look for them: the test
# goes on in English after a restart.
add_dependencies(${TEST_TARGET} shell_translations program_translations foundation_translations qt_translations)
file(CREATE_LINK ${ZZ_APP_DIR}/i18n ${TEST_BINARY_DIR}/i18n SYMBOLIC)
