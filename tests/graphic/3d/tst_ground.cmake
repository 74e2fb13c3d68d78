# The house model and the compass picture are read from data/ beside the program: the test finds
# the build's data/ beside itself.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/graphic/3d/${TEST_TARGET})
file(CREATE_LINK ${ZZ_APP_DIR}/data ${CMAKE_CURRENT_BINARY_DIR}/graphic/3d/${TEST_TARGET}/data SYMBOLIC)
