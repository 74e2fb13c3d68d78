#include "app/startup.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/platform/platform.h"
#include "foundation/proxystyle.h"
#include "foundation/reporter.h"
#include "app/mainwindow.h"
#include "video/videoplatform.h"
#include "video/vlcbackend.h"

#include <QApplication>
#include <QDebug>
#include <QDir>

namespace Startup {

namespace {

void showSplashMessage(QSplashScreen &splash, const QString &text)
{
    splash.showMessage(text, int(Qt::AlignBottom | Qt::AlignHCenter), Qt::black);
    QCoreApplication::processEvents();
}

// An exported viewer package starts the program with the projects on its medium.
void takeProjectsRootFromEnvironment()
{
    const QString root = qEnvironmentVariable("ZOZORURE_PROJECTS_ROOT");
    if (!root.isEmpty())
        Global::instance()->config()->setProjectPath(QDir(root).absolutePath());
}

} // namespace

Started start(const std::function<void(MainWindow *)> &beforeInit)
{
    Started started;
    QApplication::setStyle(new ProxyStyle);
    Reporter::hold();

    started.splash.reset(new QSplashScreen(QPixmap(QStringLiteral(":/images/zozorure_splash.png"))));
    started.splash->setWindowFlags(started.splash->windowFlags() | Qt::WindowStaysOnTopHint);
    started.splash->show();
    QCoreApplication::processEvents();

    showSplashMessage(*started.splash, QCoreApplication::translate("Startup", "init environment..."));
    const QString appDir = QCoreApplication::applicationDirPath();
    Platform::appendToSearchPath(appDir);
    QCoreApplication::addLibraryPath(appDir + QStringLiteral("/plugins/"));
    takeProjectsRootFromEnvironment();

    showSplashMessage(*started.splash, QCoreApplication::translate("Startup", "init video..."));
    qRegisterMetaType<Global::FrameChangedReason>("Global::FrameChangedReason");
    VLCBackend::getInstance();

    started.window.reset(new MainWindow);
    QObject::connect(started.window.get(), &MainWindow::message, started.splash.get(), &QSplashScreen::showMessage);
    if (beforeInit)
        beforeInit(started.window.get());
    started.window->init();

    // The window first: finish() waits until the window is exposed, and for a window that is
    // not shown yet that wait could only end at its timeout of a second.
    started.window->show();
    started.splash->finish(started.window.get());
    Reporter::release();
    return started;
}

int exec(const Started &started)
{
    if (!started.window->isVisible())
        return 0;
    return QApplication::exec();
}

int guarded(const std::function<int()> &body)
{
    try {
        return body();
    } catch (...) {
        qDebug("Exception!");
        return 1;
    }
}

int run(int argc, char **argv)
{
    VideoPlatform::initThreads();
    QApplication app(argc, argv);
    return guarded([] {
        const Started started = start();
        return exec(started);
    });
}

} // namespace Startup
