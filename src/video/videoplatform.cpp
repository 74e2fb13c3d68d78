#include "video/videoplatform.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

#include <atomic>

#include <malloc.h>

namespace VideoPlatform {

namespace {

std::atomic<bool> compaction{true};

} // namespace

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

void limitAllocatorArenas()
{
#ifdef __GLIBC__
    if (compaction)
        mallopt(M_ARENA_MAX, 1);
#endif
}

void releaseFreedMemory()
{
#ifdef __GLIBC__
    if (compaction)
        malloc_trim(0);
#endif
}

void setMemoryCompaction(bool enabled)
{
    compaction = enabled;
}

} // namespace VideoPlatform
