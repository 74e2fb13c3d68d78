// Run by tst_global: writes a user setting in the last event of the program, the way the main
// window writes its geometry while closing, and quits. The setting must be on disk afterwards.

#include "foundation/global.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        Global::instance()->settings()->setValue(QStringLiteral("closing/geometry"), QStringLiteral("probe-at-quit"));
        QCoreApplication::quit();
    });
    return app.exec();
}
