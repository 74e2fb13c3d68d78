# Messages carry their file, line and function only when the context is compiled in.
target_compile_definitions(${TEST_TARGET} PRIVATE QT_MESSAGELOGCONTEXT)
