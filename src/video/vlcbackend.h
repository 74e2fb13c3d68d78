#pragma once

#include "video/singleton.h"

#include <QString>
#include <QStringList>

class VLCInstance;
class VLCMemorySource;
class VLCSource;

// Owner of the one libvlc instance of the process; every source and player is made from it.
// The program's start-up creates it on the GUI thread (getInstance) before any video is opened;
// it is never destroyed.
class VLCBackend : public Singleton<VLCBackend>
{
public:
    // The instance arguments: no frame skipping, no subtitle rendering or subtitle files, no
    // libvlc interface. Headless runs add the dummy video and audio outputs, since libvlc would
    // otherwise fall back to drawing into the terminal.
    static QStringList arguments(bool headless);

    ~VLCBackend() override;

    // A new source for a video file; the caller owns it.
    virtual VLCSource *createSource(const QString &path);
    // A new source for frames the program produces itself (imem input); the caller owns it.
    virtual VLCMemorySource *createMemorySource();

    VLCInstance *vlcInstance() const { return m_vlcInstance; }

private:
    friend class Singleton<VLCBackend>;
    VLCBackend();

    VLCInstance *m_vlcInstance = nullptr;
};
