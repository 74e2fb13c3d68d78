# The house model and the compass picture are read from data/ beside the program: the test finds
# the build's data/ beside itself.
file(MAKE_DIRECTORY ${TEST_BINARY_DIR})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${TEST_BINARY_DIR}/data SYMBOLIC)
