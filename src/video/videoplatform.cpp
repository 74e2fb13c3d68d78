#include "video/videoplatform.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace VideoPlatform {

void initThreads()
{
    XInitThreads();
}

bool isHeadless()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    return QGuiApplication::platformName() != QLatin1String("xcb");
}

} // namespace VideoPlatform
