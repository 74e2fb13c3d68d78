#include "video/trackworkflow.h"

#include "video/clipworkflow.h"
#include "video/cliphelper.h"
#include "video/videoframe.h"

#include <QDebug>

TrackWorkflow::TrackWorkflow(quint32 trackId, QObject *parent)
    : RenderEffectUser(parent)
    , m_trackId(trackId)
{
}

TrackWorkflow::~TrackWorkflow()
{
    m_halted = true;
    QWriteLocker lock(&m_clipsLock);
    for (ClipWorkflow *cw : qAsConst(m_clips))
        stopClip(cw);
    qDeleteAll(m_clips);
    m_clips.clear();
}

void TrackWorkflow::stopClip(ClipWorkflow *cw)
{
    const ClipWorkflow::State state = cw->getState();
    if (state != ClipWorkflow::Stopped && state != ClipWorkflow::Error)
        cw->stop();
}

void TrackWorkflow::addClip(ClipWorkflow *cw, qint64 start)
{
    {
        QWriteLocker lock(&m_clipsLock);
        m_clips.insert(start, cw);
    }
    connect(cw, &ClipWorkflow::error, this, &TrackWorkflow::clipWorkflowFailure);
    connect(cw->getClipHelper(), &Helper::destroyed, this, &TrackWorkflow::clipDestroyed);
    emit clipAdded(this, cw->getClipHelper(), start);
    computeLength();
}

void TrackWorkflow::computeLength()
{
    qint64 length = 0;
    {
        QReadLocker lock(&m_clipsLock);
        if (!m_clips.isEmpty())
            length = m_clips.lastKey() + m_clips.last()->getLengthFromHelper();
    }
    if (length == m_length)
        return;
    m_length = length;
    emit lengthChanged(length);
}

qint64 TrackWorkflow::getClipPosition(const QUuid &uuid) const
{
    QReadLocker lock(&m_clipsLock);
    for (auto it = m_clips.cbegin(); it != m_clips.cend(); ++it) {
        if (it.value()->getClipHelper()->uuid() == uuid)
            return it.key();
    }
    return -1;
}

void TrackWorkflow::clipDestroyed(const QUuid &uuid)
{
    ClipWorkflow *removed = nullptr;
    {
        QWriteLocker lock(&m_clipsLock);
        for (auto it = m_clips.begin(); it != m_clips.end(); ++it) {
            if (it.value()->getClipHelper()->uuid() == uuid) {
                removed = it.value();
                m_clips.erase(it);
                break;
            }
        }
    }
    if (!removed)
        return;
    stopClip(removed);
    computeLength();
    disconnect(removed, nullptr, this, nullptr);
    disconnect(removed->getClipHelper(), nullptr, this, nullptr);
    emit clipRemoved(this, uuid);
    delete removed;
}

void TrackWorkflow::clipWorkflowFailure(ClipWorkflow *cw)
{
    cw->stop();
}

bool TrackWorkflow::hasNoMoreFrameToRender(qint64 currentFrame) const
{
    QReadLocker lock(&m_clipsLock);
    if (m_clips.isEmpty())
        return true;
    const ClipWorkflow *last = m_clips.last();
    if (last->getState() == ClipWorkflow::Error)
        return true;
    if (last->runsToDecoderEnd())
        return currentFrame > m_clips.lastKey() && last->isExhausted();
    return m_clips.lastKey() + last->getLengthFromHelper() < currentFrame;
}

void TrackWorkflow::initRender(quint32 width, quint32 height, double fps)
{
    QReadLocker lock(&m_clipsLock);
    m_fps = fps;
    m_width = width;
    m_height = height;
    m_initialized = true;
    m_lastFrame = 0;
    m_halted = false;
    for (auto it = m_clips.cbegin(); it != m_clips.cend(); ++it) {
        if (it.key() < kLookAhead + 1 && it.value()->getState() == ClipWorkflow::Stopped)
            it.value()->initialize();
    }
    initFilters();
}

void TrackWorkflow::renderOneFrame()
{
    QMutexLocker lock(&m_renderOneFrameMutex);
    m_renderOneFrame = true;
}

void TrackWorkflow::setFullSpeedRender(bool value)
{
    QReadLocker lock(&m_clipsLock);
    for (ClipWorkflow *cw : qAsConst(m_clips))
        cw->setTimeSync(value);
}

void TrackWorkflow::stop()
{
    m_halted = true;
    QReadLocker lock(&m_clipsLock);
    for (ClipWorkflow *cw : qAsConst(m_clips))
        stopClip(cw);
    m_lastFrame = 0;
    m_initialized = false;
}

void TrackWorkflow::pause()
{
    m_halted = true;
    QReadLocker lock(&m_clipsLock);
    for (ClipWorkflow *cw : qAsConst(m_clips)) {
        const ClipWorkflow::State state = cw->getState();
        if (state == ClipWorkflow::Stopped || state == ClipWorkflow::Error)
            break;
        cw->stop();
    }
}

void TrackWorkflow::clear()
{
    QWriteLocker lock(&m_clipsLock);
    for (ClipWorkflow *cw : qAsConst(m_clips))
        stopClip(cw);
    qDeleteAll(m_clips);
    m_clips.clear();
    m_length = 0;
}

qint64 TrackWorkflow::clipTime(qint64 currentFrame, qint64 start, qint64 begin, double deliveredFps, double sourceFps)
{
    return static_cast<qint64>(static_cast<double>(currentFrame - start) / deliveredFps * 1000)
           + static_cast<qint64>(static_cast<double>(begin) / sourceFps * 1000);
}

void TrackWorkflow::adjustClipTime(qint64 currentFrame, qint64 start, ClipWorkflow *cw)
{
    qDebug() << "adjust time" << currentFrame << start;
    const qint64 time = clipTime(currentFrame, start, cw->getClipHelper()->begin(), ClipWorkflow::kOutputFps, cw->sourceFps());
    qDebug() << time;
    cw->setTime(time);
}

VideoFrame *TrackWorkflow::renderClip(ClipWorkflow *cw, qint64 currentFrame, qint64 start, bool needRepositioning,
                                      bool renderOneFrame, bool paused)
{
    const ClipWorkflow::GetMode mode = paused && !renderOneFrame ? ClipWorkflow::Get : ClipWorkflow::Pop;
    switch (cw->getState()) {
    case ClipWorkflow::Ready:
    case ClipWorkflow::Paused:
    case ClipWorkflow::Pausing:
    case ClipWorkflow::Unpausing:
        if (cw->takeResyncRequired() || needRepositioning)
            adjustClipTime(currentFrame, start, cw);
        return cw->getOutput(mode, currentFrame - start);
    case ClipWorkflow::Stopped:
        if (m_halted)
            return nullptr;
        cw->initialize();
        Q_FALLTHROUGH();
    case ClipWorkflow::Initializing:
        if (!cw->waitForCompleteInit(&m_halted))
            return nullptr;
        // A clip started at its very first frame needs no seek.
        if (!(qAbs(currentFrame - start) < 2 && cw->getClipHelper()->begin() == 0))
            adjustClipTime(currentFrame, start, cw);
        return cw->getOutput(mode, currentFrame - start);
    case ClipWorkflow::EndReached:
        // The decoder is through, but the frames it computed before are still to be shown.
        return cw->getOutput(mode, currentFrame - start);
    case ClipWorkflow::Error:
        return nullptr;
    }
    return nullptr;
}

VideoFrame *TrackWorkflow::getOutput(qint64 currentFrame, qint64 subFrame, bool paused)
{
    QReadLocker lock(&m_clipsLock);
    if (m_lastFrame == -1)
        m_lastFrame = currentFrame;
    bool renderOneFrame = false;
    {
        QMutexLocker flagLock(&m_renderOneFrameMutex);
        renderOneFrame = m_renderOneFrame;
        m_renderOneFrame = false;
    }
    bool needRepositioning = true;
    if (!paused || subFrame == m_lastFrame || renderOneFrame)
        needRepositioning = qAbs(subFrame - m_lastFrame) >= 2;
    VideoFrame *frame = nullptr;
    for (auto it = m_clips.cbegin(); it != m_clips.cend(); ++it) {
        const qint64 start = it.key();
        ClipWorkflow *cw = it.value();
        if (currentFrame < start) {
            if (start - currentFrame > kLookAhead)
                stopClip(cw);
            else if (cw->getState() == ClipWorkflow::Stopped && !m_halted)
                cw->initialize();
        } else if (currentFrame > start + cw->getLengthFromHelper() && !cw->runsToDecoderEnd()) {
            stopClip(cw);
        } else if (VideoFrame *clipFrame = renderClip(cw, currentFrame, start, needRepositioning, renderOneFrame, paused)) {
            frame = clipFrame;
        }
    }
    if (frame) {
        if (quint8 *filtered = applyFilters(frame, currentFrame, currentFrame * 1000 / m_fps))
            frame->setBuffer(filtered);
    }
    m_lastFrame = subFrame;
    return frame;
}
