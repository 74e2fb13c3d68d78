#pragma once

#include <QSplashScreen>

#include <functional>
#include <memory>

class MainWindow;

// The program's start: main() is run(); tests take the same road through start() on an
// application object of their own.
namespace Startup {

// The splash screen and the main window, shown. The window goes first on the way out.
struct Started
{
    std::unique_ptr<QSplashScreen> splash;
    std::unique_ptr<MainWindow> window;
};

// Everything between the application object and its event loop: style, splash screen, search
// path, video engine, main window. beforeInit sees the window before MainWindow::init runs.
// Messages for the user that come up meanwhile wait until the window is shown, since the
// splash screen stays on top of them.
Started start(const std::function<void(MainWindow *)> &beforeInit = {});

// The event loop of a started program, until its window closes. A window closed while the start
// still ran (the splash screen lets events through while it waits) found no loop to end: then
// this returns at once.
int exec(const Started &started);

// The result of body, or 1 when it throws: the failure is logged and reported as one.
int guarded(const std::function<int()> &body);

// The whole program: start() and the event loop on an application object of the arguments.
int run(int argc, char **argv);

} // namespace Startup
