#include "video/videoclipworkflow.h"

#include "video/cliphelper.h"
#include "video/videoframe.h"
#include "video/vlcsourcerenderer.h"

#include <QDeadlineTimer>
#include <QDebug>

VideoClipWorkflow::VideoClipWorkflow(ClipHelper *clipHelper)
    : ClipWorkflow(clipHelper)
{
}

VideoClipWorkflow::~VideoClipWorkflow()
{
    stop();
    // The player goes before the buffers it may still be writing into.
    delete m_renderer;
    m_renderer = nullptr;
    releasePrealocated();
}

void VideoClipWorkflow::initVlcOutput()
{
    initFilters();
    m_renderer->setName(QStringLiteral("VideoClipWorkflow ") + m_clipHelper->uuid().toString());
    m_renderer->setupSmem(this, &VideoClipWorkflow::prerender, &VideoClipWorkflow::postrender, m_timeSync);
    m_renderer->setOutputWidth(m_width);
    m_renderer->setOutputHeight(m_height);
    // A source at the delivered rate passes unconverted: libvlc's rate conversion repeats the
    // first picture and, going by time stamps that jump where the decoder was paused, drops or
    // repeats pictures there.
    if (!deliveredAsDecoded(sourceFps()))
        m_renderer->setOutputFps(static_cast<float>(kOutputFps));
    m_renderer->setOutputVideoCodec(m_chroma);
}

void VideoClipWorkflow::preallocate()
{
    if (m_width == kWidth && m_height == kHeight)
        return;
    m_width = kWidth;
    m_height = kHeight;
    QMutexLocker lock(&m_renderLock);
    qDeleteAll(m_availableBuffers);
    m_availableBuffers.clear();
    for (int i = 0; i < kMaxComputedBuffers; ++i)
        m_availableBuffers.append(new VideoFrame(m_width, m_height));
}

int VideoClipWorkflow::getNbComputedBuffers() const
{
    QMutexLocker lock(&m_renderLock);
    return m_computedBuffers.size();
}

void VideoClipWorkflow::flushComputedBuffers()
{
    QMutexLocker lock(&m_renderLock);
    m_availableBuffers.append(m_computedBuffers);
    m_computedBuffers.clear();
}

void VideoClipWorkflow::releasePrealocated()
{
    QMutexLocker lock(&m_renderLock);
    qDeleteAll(m_availableBuffers);
    m_availableBuffers.clear();
    qDeleteAll(m_computedBuffers);
    m_computedBuffers.clear();
    delete m_lastReturnedBuffer;
    m_lastReturnedBuffer = nullptr;
}

VideoFrame *VideoClipWorkflow::getOutput(GetMode mode, qint64 currentFrame)
{
    QMutexLocker lock(&m_renderLock);
    if (m_lastReturnedBuffer) {
        m_availableBuffers.append(m_lastReturnedBuffer);
        m_lastReturnedBuffer = nullptr;
    }
    State state = getState();
    if (state == Stopped || state == Error)
        return nullptr;
    // A decoder paused with nothing left to hand out would otherwise never be resumed.
    if (resumeWanted(m_computedBuffers.size())) {
        lock.unlock();
        resumeDecoder();
        lock.relock();
    }
    if (m_computedBuffers.isEmpty()) {
        const QDeadlineTimer deadline(m_frameWaitMs);
        while (m_computedBuffers.isEmpty()) {
            // At its end the decoder computes nothing more.
            if (state == EndReached)
                return nullptr;
            if (!m_renderWaitCond.wait(&m_renderLock, deadline)) {
                qDebug() << "Clip workflow" << m_clipHelper->uuid() << "Timed out while waiting for a frame";
                return nullptr;
            }
            state = getState();
            if (state == Stopped || state == Error)
                return nullptr;
        }
    }
    VideoFrame *frame = m_computedBuffers.first();
    if (mode == Pop) {
        m_computedBuffers.removeFirst();
        m_lastReturnedBuffer = frame;
        ++m_deliveredFrames;
    }
    if (quint8 *filtered = applyFilters(frame, currentFrame, currentFrame * 1000 / kOutputFps))
        frame->setBuffer(filtered);
    const bool resume = resumeWanted(m_computedBuffers.size());
    lock.unlock();
    if (resume)
        resumeDecoder();
    return frame;
}

void VideoClipWorkflow::prerender(void *data, uint8_t **buffer, size_t size)
{
    auto *self = static_cast<VideoClipWorkflow *>(data);
    self->m_renderLock.lock();
    VideoFrame *frame = nullptr;
    const auto bytes = static_cast<quint32>(size);
    if (!self->m_availableBuffers.isEmpty()) {
        frame = self->m_availableBuffers.takeFirst();
        frame->resize(bytes);
    } else if (bytes == VideoFrame::byteSize(self->m_width, self->m_height)) {
        frame = new VideoFrame(self->m_width, self->m_height);
    } else {
        frame = new VideoFrame(self->m_width, self->m_height, bytes);
    }
    self->m_computedBuffers.append(frame);
    *buffer = frame->buffer;
}

void VideoClipWorkflow::postrender(void *data, uint8_t *, int, int, int, size_t, int64_t pts)
{
    auto *self = static_cast<VideoClipWorkflow *>(data);
    self->m_computedBuffers.last()->ptsDiff = self->frameSpacing(pts);
    self->pauseIfFull(self->m_computedBuffers.size());
    self->m_renderWaitCond.wakeAll();
    self->m_renderLock.unlock();
}
