#include "video/vlcbackend.h"

#include "video/videoplatform.h"
#include "video/vlcinstance.h"
#include "video/vlcmemorysource.h"
#include "video/vlcsource.h"

QStringList VLCBackend::arguments(bool headless)
{
    QStringList args{QStringLiteral("--no-skip-frames"), QStringLiteral("--text-renderer"),
                     QStringLiteral("dummy"), QStringLiteral("--no-sub-autodetect-file"),
                     QStringLiteral("--intf"), QStringLiteral("dummy")};
    if (headless)
        args << QStringLiteral("--vout=dummy") << QStringLiteral("--aout=dummy");
    return args;
}

VLCBackend::VLCBackend()
{
    // Before libvlc starts its first threads.
    VideoPlatform::limitAllocatorArenas();
    m_vlcInstance = new VLCInstance(arguments(VideoPlatform::isHeadless()));
}

VLCBackend::~VLCBackend()
{
    delete m_vlcInstance;
}

VLCSource *VLCBackend::createSource(const QString &path)
{
    return new VLCSource(this, path);
}

VLCMemorySource *VLCBackend::createMemorySource()
{
    return new VLCMemorySource(this);
}
