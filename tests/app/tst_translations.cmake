# The test checks the translation sources, runs the update script on them and loads what the
# build compiled from them.
target_compile_definitions(${TEST_TARGET} PRIVATE
  ZZ_SOURCE_ROOT="${CMAKE_SOURCE_DIR}"
  ZZ_APP_DIR="${ZZ_APP_DIR}"
  ZZ_LUPDATE="$<TARGET_FILE:Qt5::lupdate>")
add_dependencies(${TEST_TARGET} foundation_translations program_translations shell_translations)
