# Real inspections of every standard and the header comparison.
target_link_libraries(${TEST_TARGET} PRIVATE modeltestsupport)
