include(${TEST_DIR}/viewerdata.cmake)
# The window loads the shell's translations from i18n/ beside the program.
add_dependencies(${TEST_TARGET} shell_translations program_translations foundation_translations)
file(CREATE_LINK ${ZZ_APP_DIR}/i18n ${TEST_BINARY_DIR}/i18n SYMBOLIC)
