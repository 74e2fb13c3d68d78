target_compile_definitions(${TEST_TARGET} PRIVATE ZZ_APP_DIR="${ZZ_APP_DIR}")
add_dependencies(${TEST_TARGET} zozorure)
