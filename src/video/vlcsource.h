#pragma once

#include <QString>
#include <QtGlobal>

class QImage;
class VLCBackend;
class VLCMedia;
class VLCRendererEventWatcher;
class VLCSourceRenderer;
class VLCVmemRenderer;

// One video file: its libvlc media and what a pre-parse found out about it (length, picture
// size, frame rate, frame count and a 320 x 180 thumbnail). The properties are written by
// preparse() on the metadata thread and read by others once that has reported the end.
class VLCSource
{
public:
    VLCSource(VLCBackend *backend, const QString &path);
    virtual ~VLCSource();
    VLCSource(const VLCSource &) = delete;
    VLCSource &operator=(const VLCSource &) = delete;

    virtual bool hasVideo() const { return m_nbVideoTracks > 0; }
    virtual int getNbVideoTracks() const { return m_nbVideoTracks; }

    // Plays the file for a moment into a small picture and reads its properties: waits up to 3 s
    // for a length, seeks to a third of it, waits up to 3 s for the picture to get there, reads
    // size and rate (a missing rate counts as 25) and keeps the next picture as thumbnail. False
    // when any step fails.
    bool preparse();

    // A new player for this file, reporting to watcher; the caller owns it.
    VLCSourceRenderer *createRenderer(VLCRendererEventWatcher *watcher);

    // Frames of a video: its length times its rate, to the nearest frame.
    static qint64 frameCount(qint64 lengthMs, double fps);
    // The rate to count with: a missing or implausible one (below 0.1) counts as 25.
    static double usableFps(double fps);

    float getFps() const { return static_cast<float>(m_fps); }
    qint64 getLength() const { return m_length; }
    unsigned getWidth() const { return m_width; }
    unsigned getHeight() const { return m_height; }
    // The shape the picture is shown in, as "width/height" in lowest terms ("4/3", "16/9"):
    // the picture size times the pixel shape (square when libvlc reports none). Empty before the
    // size is known.
    QString displayAspectRatio() const;
    qint64 getNbFrames() const { return m_nbFrames; }
    bool isParsed() const { return m_isParsed; }
    // The thumbnail's 320 x 180 RGB32 pixels, or null without video or thumbnail.
    const uchar *getSnapshot() const;

    VLCMedia *getMedia() const { return m_media; }

private:
    bool computeSnapshot(VLCVmemRenderer *renderer);

    VLCBackend *m_backend;
    VLCMedia *m_media;
    unsigned m_width = 0;
    unsigned m_height = 0;
    unsigned m_sarNum = 1;
    unsigned m_sarDen = 1;
    double m_fps = 0.0;
    int m_nbVideoTracks = 0;
    qint64 m_length = 0;
    QImage *m_snapshot = nullptr;
    bool m_isParsed = false;
    qint64 m_nbFrames = 0;
};
