# The report takes its texts from the program's translations, which the configured language
# loads from data/ beside the program: the test finds the build's data/ beside itself.
add_dependencies(${TEST_TARGET} program_translations foundation_translations)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/print/${TEST_TARGET})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${CMAKE_CURRENT_BINARY_DIR}/print/${TEST_TARGET}/data SYMBOLIC)
