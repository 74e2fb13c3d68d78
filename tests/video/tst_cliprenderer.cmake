include(${TEST_DIR}/llvmpipe-asan.cmake)
