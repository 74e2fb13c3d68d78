# The test loads the program's compiled translations from where the build puts them.
target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_TRANSLATIONS_DIR="${ZZ_APP_DIR}/data")
add_dependencies(${TEST_TARGET} program_translations foundation_translations)
# Descriptions take their fixed words from the program's translation into the catalogue
# language, read from data/ beside the program: the test finds the build's data/ beside itself.
file(MAKE_DIRECTORY ${TEST_BINARY_DIR})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${TEST_BINARY_DIR}/data SYMBOLIC)
