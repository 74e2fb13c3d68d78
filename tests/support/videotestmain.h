#pragma once

#include "support/leakcheck.h"
#include "video/videoplatform.h"

#include <QApplication>
#include <QtTest>

// main() of a video test that runs on X11 (marked "test-needs: x11"): libvlc draws into the
// test's windows from its own threads, which Xlib allows only when told before the application
// object connects to the display. Leaks are looked for while the display's drivers are loaded.
#define ZZ_VIDEO_X11_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        VideoPlatform::initThreads();                                                             \
        QApplication app(argc, argv);                                                             \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                  \
        TestObject test;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        const int result = QTest::qExec(&test, argc, argv);                                       \
        checkLeaksWhileDriversLoaded();                                                           \
        return result;                                                                            \
    }
