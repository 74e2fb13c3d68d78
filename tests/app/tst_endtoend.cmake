include(${TEST_DIR}/viewerdata.cmake)
