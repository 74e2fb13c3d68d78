#pragma once

#include "video/vlcsourcerenderer.h"

#include <QImage>
#include <QMutex>
#include <QSemaphore>
#include <QWaitCondition>

// A renderer that decodes a file straight into a small picture in memory, for thumbnails.
// libvlc scales every picture to 320 x 180 and writes it into one buffer.
class VLCVmemRenderer : public VLCSourceRenderer
{
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 180;

    VLCVmemRenderer(VLCBackend *backend, VLCSource *source, VLCRendererEventWatcher *watcher);
    // Stops the player before the picture buffer goes.
    ~VLCVmemRenderer() override;

    // A copy of the next picture libvlc completes, or null when none comes within 3 s. The
    // caller owns the copy.
    QImage *waitSnapshot();

    // The size of the decoded pictures (before scaling to the thumbnail), 0 x 0 until the first
    // picture was on its way. May include the codec's padding rows.
    void decodedSize(unsigned *width, unsigned *height);

private:
    static unsigned formatCallback(void **opaque, char *chroma, unsigned *width, unsigned *height,
                                   unsigned *pitches, unsigned *lines);
    static void *lockCallback(void *opaque, void **planes);
    static void unlockCallback(void *opaque, void *picture, void *const *planes);

    QImage m_image;
    // Held while libvlc writes the buffer (its lock and unlock may come on different threads).
    QSemaphore m_bufferFree{1};
    QMutex m_mutex;
    QWaitCondition m_snapshotReady;
    bool m_snapshotRequested = false;
    QImage m_snapshot;
    unsigned m_decodedWidth = 0;
    unsigned m_decodedHeight = 0;
};
