#include "video/mainworkflow.h"

#include "video/trackhandler.h"
#include "video/videoframe.h"

#include <QDebug>

#include <cstring>

MainWorkflow::MainWorkflow(quint32 trackCount, QObject *parent)
    : QObject(parent)
    , m_trackHandler(new TrackHandler(trackCount, this))
{
    qRegisterMetaType<Global::FrameChangedReason>("Global::FrameChangedReason");
    connect(m_trackHandler, &TrackHandler::tracksEndReached, this, &MainWorkflow::tracksEndReached);
    connect(m_trackHandler, &TrackHandler::lengthChanged, this, &MainWorkflow::lengthUpdated);
}

MainWorkflow::~MainWorkflow()
{
    // The tracks stop their clips before the black frame goes.
    delete m_trackHandler;
}

void MainWorkflow::startRender(quint32 width, quint32 height, double fps)
{
    m_width = width;
    m_height = height;
    std::unique_ptr<VideoFrame> black;
    if (m_chroma == QLatin1String("I420")) {
        // Black in YUV: no light, no colour (the colour planes at their middle).
        const quint32 luma = width * height;
        black = std::make_unique<VideoFrame>(width, height, luma + luma / 2);
        std::memset(black->buffer, 16, luma);
        std::memset(black->buffer + luma, 128, luma / 2);
    } else {
        black = std::make_unique<VideoFrame>(width, height);
        std::memset(black->buffer, 0, black->nbBytes);
    }
    m_blackFrame = std::move(black);
    m_renderStarted = true;
    m_trackHandler->startRender(width, height, fps);
    takeLength();
}

void MainWorkflow::takeLength()
{
    const qint64 length = qMax<qint64>(0, m_trackHandler->getLength());
    if (length == m_lengthFrame)
        return;
    m_lengthFrame = length;
    emit lengthChanged(length);
}

VideoFrame *MainWorkflow::getOutput(bool paused)
{
    if (!m_renderStarted)
        return nullptr;
    const qint64 frame = getCurrentFrame();
    VideoFrame *output = m_trackHandler->getOutput(frame, frame, paused);
    return output ? output : m_blackFrame.get();
}

void MainWorkflow::nextFrame()
{
    setCurrentFrame(getCurrentFrame() + 1, Global::RendererAdvanced);
}

void MainWorkflow::previousFrame()
{
    setCurrentFrame(getCurrentFrame() - 1, Global::RendererAdvanced);
}

void MainWorkflow::renderOneFrame()
{
    m_trackHandler->renderOneFrame();
    nextFrame();
}

void MainWorkflow::setCurrentFrame(qint64 frame, Global::FrameChangedReason reason)
{
    {
        QWriteLocker lock(&m_currentFrameLock);
        m_currentFrame = frame;
    }
    // Outside the lock: a receiver on this thread may read the frame.
    emit frameChanged(frame, reason);
}

qint64 MainWorkflow::getCurrentFrame(bool lock) const
{
    if (!lock)
        return m_currentFrame;
    QReadLocker locker(&m_currentFrameLock);
    return m_currentFrame;
}

void MainWorkflow::setFullSpeedRender(bool value)
{
    m_trackHandler->setFullSpeedRender(value);
}

void MainWorkflow::pause()
{
    m_trackHandler->pause();
}

void MainWorkflow::stop()
{
    m_renderStarted = false;
    m_trackHandler->stop();
    {
        QWriteLocker lock(&m_currentFrameLock);
        m_currentFrame = 0;
    }
    emit frameChanged(0, Global::RendererAdvanced);
}

void MainWorkflow::clear()
{
    m_trackHandler->clear();
    emit cleared();
}

TrackWorkflow *MainWorkflow::getTrack(quint32 id) const
{
    return m_trackHandler->getTrack(id);
}

bool MainWorkflow::isEndReached() const
{
    return m_trackHandler->endIsReached();
}

void MainWorkflow::tracksEndReached()
{
    qDebug() << "end reached";
    if (m_trackHandler->endIsReached())
        emit mainWorkflowEndReached();
}

void MainWorkflow::lengthUpdated(qint64)
{
    takeLength();
}
