include(${TEST_DIR}/viewerdata.cmake)
# Inspections with observations for the courses.
target_link_libraries(${TEST_TARGET} PRIVATE modeltestsupport)
