# The report takes its texts from the program's translations, which the configured language
# loads from data/ beside the program: the test finds the build's data/ beside itself.
add_dependencies(${TEST_TARGET} program_translations foundation_translations)
file(MAKE_DIRECTORY ${TEST_BINARY_DIR})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${TEST_BINARY_DIR}/data SYMBOLIC)
