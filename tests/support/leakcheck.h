#pragma once

// Mesa's driver is unloaded with the X connection when the application goes, and what it keeps for
// the life of the process would then show as leaks of an unknown module. Tests that open OpenGL
// windows look for leaks while it is still loaded, before the application object is destroyed.

#if defined(__SANITIZE_ADDRESS__)
#define ZZ_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZZ_LEAK_CHECK 1
#endif
#endif
#ifdef ZZ_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

inline void checkLeaksWhileDriversLoaded()
{
#ifdef ZZ_LEAK_CHECK
    __lsan_do_leak_check();
#endif
}

// QTEST_MAIN for a test that draws with OpenGL on X11.
#define ZZ_GL_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                  \
        TestObject test;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        const int result = QTest::qExec(&test, argc, argv);                                       \
        checkLeaksWhileDriversLoaded();                                                           \
        return result;                                                                            \
    }
