# The test compares the about text with the version the libvlc library reports.
target_link_libraries(${TEST_TARGET} PRIVATE PkgConfig::LIBVLC)
