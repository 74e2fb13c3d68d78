#include "video/vlcvmemrenderer.h"

#include "video/vlcmedia.h"
#include "video/vlcmediaplayer.h"

#include <QDeadlineTimer>

#include <cstring>

VLCVmemRenderer::VLCVmemRenderer(VLCBackend *backend, VLCSource *source, VLCRendererEventWatcher *watcher)
    : VLCSourceRenderer(backend, source, watcher)
    , m_image(kWidth, kHeight, QImage::Format_RGB32)
{
    getMedia()->parse();
    // A thumbnail needs no sound; without this the file would be heard for a moment.
    getMedia()->addOption(QStringLiteral(":no-audio"));
    // Without read-ahead the pictures are due at once: otherwise the picture output sleeps
    // until a moment up to the caching delay ahead, and stopping the player waits for it (half
    // a second that every caller of the video's properties would wait).
    getMedia()->addOption(QStringLiteral(":file-caching=0"));
    setName(QStringLiteral("VmemRenderer"));
    m_image.fill(Qt::black);
    getPlayer()->setVideoCallbacks(&VLCVmemRenderer::lockCallback, &VLCVmemRenderer::unlockCallback, nullptr, this);
    getPlayer()->setVideoFormatCallbacks(&VLCVmemRenderer::formatCallback, nullptr);
}

VLCVmemRenderer::~VLCVmemRenderer()
{
    getPlayer()->stop();
}

unsigned VLCVmemRenderer::formatCallback(void **opaque, char *chroma, unsigned *width, unsigned *height,
                                         unsigned *pitches, unsigned *lines)
{
    auto *self = static_cast<VLCVmemRenderer *>(*opaque);
    {
        QMutexLocker lock(&self->m_mutex);
        self->m_decodedWidth = *width;
        self->m_decodedHeight = *height;
    }
    // Whatever comes in, libvlc scales it into the one RGB32 buffer of the thumbnail.
    memcpy(chroma, "RV32", 4);
    *width = kWidth;
    *height = kHeight;
    pitches[0] = static_cast<unsigned>(self->m_image.bytesPerLine());
    lines[0] = kHeight;
    return 1;
}

void VLCVmemRenderer::decodedSize(unsigned *width, unsigned *height)
{
    QMutexLocker lock(&m_mutex);
    *width = m_decodedWidth;
    *height = m_decodedHeight;
}

void *VLCVmemRenderer::lockCallback(void *opaque, void **planes)
{
    auto *self = static_cast<VLCVmemRenderer *>(opaque);
    self->m_bufferFree.acquire();
    planes[0] = self->m_image.bits();
    return nullptr;
}

void VLCVmemRenderer::unlockCallback(void *opaque, void *, void *const *)
{
    auto *self = static_cast<VLCVmemRenderer *>(opaque);
    {
        QMutexLocker lock(&self->m_mutex);
        if (self->m_snapshotRequested) {
            // The only copy, taken while libvlc cannot write the buffer.
            self->m_snapshot = self->m_image.copy();
            self->m_snapshotRequested = false;
            self->m_snapshotReady.wakeAll();
        }
    }
    self->m_bufferFree.release();
}

QImage *VLCVmemRenderer::waitSnapshot()
{
    QMutexLocker lock(&m_mutex);
    m_snapshotRequested = true;
    const QDeadlineTimer deadline(3000);
    while (m_snapshotRequested) {
        if (!m_snapshotReady.wait(&m_mutex, deadline))
            break;
    }
    if (m_snapshotRequested) {
        m_snapshotRequested = false;
        return nullptr;
    }
    QImage *snapshot = new QImage(m_snapshot);
    m_snapshot = QImage();
    return snapshot;
}
