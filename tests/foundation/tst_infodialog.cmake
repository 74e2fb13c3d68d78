# The test compares the about text with the version the libvlc library reports.
target_link_libraries(${TEST_TARGET} PRIVATE PkgConfig::LIBVLC)
# The library's translations, as the program reads them.
target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_APP_DIR="${ZZ_APP_DIR}")
add_dependencies(${TEST_TARGET} foundation_translations)
