include(${TEST_DIR}/viewerdata.cmake)
# Plays, snapshots and encodes real videos in most of its cases: on a busy machine that takes
# longer than ctest's default five minutes.
set_tests_properties(app/${TEST_TARGET} PROPERTIES TIMEOUT 900)
