#pragma once

#include "video/clipworkflow.h"

#include <QList>

#include <cstddef>
#include <cstdint>

// The clip workflow for pictures: 720 x 576 frames (RGB32 unless another chroma is set), at most
// 75 waiting before the decoder is paused. Its buffers are made before decoding starts and
// recycled.
class VideoClipWorkflow : public ClipWorkflow
{
    Q_OBJECT

public:
    static const int kMaxComputedBuffers = 75;
    static const quint32 kWidth = 720;
    static const quint32 kHeight = 576;

    explicit VideoClipWorkflow(ClipHelper *clipHelper);
    // Stops the decoder, then frees the buffers.
    ~VideoClipWorkflow() override;

    VideoFrame *getOutput(GetMode mode, qint64 currentFrame) override;
    // The pixel format frames are decoded into: "RV32" (the default) or "I420", the decoders'
    // own, which spares two conversions and more than half the bytes copied. Taken by the next
    // initialize.
    void setChroma(const QString &chroma) { m_chroma = chroma; }
    int getNbComputedBuffers() const override;
    int getMaxComputedBuffers() const override { return kMaxComputedBuffers; }

    // The memory output's callbacks (libvlc's decoder thread; data is the workflow). The render
    // lock is held from prerender to postrender, so a frame is never handed out half written.
    static void prerender(void *data, uint8_t **buffer, size_t size);
    static void postrender(void *data, uint8_t *buffer, int width, int height, int bitsPerPixel, size_t size,
                           int64_t pts);

protected:
    void initVlcOutput() override;
    void preallocate() override;
    void flushComputedBuffers() override;
    void releasePrealocated() override;

private:
    QList<VideoFrame *> m_computedBuffers;
    QList<VideoFrame *> m_availableBuffers;
    VideoFrame *m_lastReturnedBuffer = nullptr;
    QString m_chroma = QStringLiteral("RV32");
};
