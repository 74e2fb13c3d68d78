# Marker translations in the test's own data/ folder, where Config looks for translation files.
get_target_property(_out ${TEST_TARGET} RUNTIME_OUTPUT_DIRECTORY)
file(GLOB _fixtures ${TEST_DIR}/fixtures/translations/*.ts)
set(_qms)
foreach(_ts ${_fixtures})
  get_filename_component(_base ${_ts} NAME_WE)
  add_custom_command(OUTPUT ${_out}/data/${_base}.qm
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_out}/data
    COMMAND Qt5::lrelease -silent ${_ts} -qm ${_out}/data/${_base}.qm
    DEPENDS ${_ts} VERBATIM)
  list(APPEND _qms ${_out}/data/${_base}.qm)
endforeach()
add_custom_target(${TEST_TARGET}_fixtures DEPENDS ${_qms})
add_dependencies(${TEST_TARGET} ${TEST_TARGET}_fixtures)
