# The test loads the program's compiled translations from where the build puts them, and checks
# the translation sources they are compiled from.
target_compile_definitions(${TEST_TARGET} PRIVATE
  ZZ_TRANSLATIONS_DIR="${ZZ_APP_DIR}/data"
  ZZ_TRANSLATION_SOURCES="${CMAKE_SOURCE_DIR}/translations")
add_dependencies(${TEST_TARGET} program_translations foundation_translations)
