#include "video/workflowrenderer.h"

#include "video/mainworkflow.h"
#include "video/videoframe.h"
#include "video/vlcbackend.h"
#include "video/vlcmemorysource.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsourcerenderer.h"

#include <QDebug>

#include <cmath>

WorkflowRenderer::WorkflowRenderer(VLCBackend *backend, MainWorkflow *mainWorkflow, QObject *parent)
    : GenericRenderer(parent)
    , m_mainWorkflow(mainWorkflow)
    , m_memorySource(backend->createMemorySource())
    , m_esHandler{this, 0.0}
{
    connect(mainWorkflow, &MainWorkflow::frameChanged, this, &GenericRenderer::frameChanged);
    connect(mainWorkflow, &MainWorkflow::lengthChanged, this, &WorkflowRenderer::mainWorkflowLenghtChanged);
}

WorkflowRenderer::~WorkflowRenderer()
{
    // What the stop below reports must not reach a subclass that is gone already.
    disconnect(m_mainWorkflow, nullptr, this, nullptr);
    m_eventWatcher->disconnect(this);
    stopRendering();
    // The player goes before the memory input it reads from.
    delete m_sourceRenderer;
    m_sourceRenderer = nullptr;
    delete[] m_effectsBuffer;
    delete m_memorySource;
}

void WorkflowRenderer::initializeRenderer(quint32 width, quint32 height, float fps)
{
    m_memorySource->setWidth(width);
    m_memorySource->setHeight(height);
    m_memorySource->setFps(fps);
    m_memorySource->setAspectRatio(m_displayAspectRatio.isEmpty() ? QStringLiteral("5/4") : m_displayAspectRatio);
    m_memorySource->setChroma(m_chroma);
    m_esHandler.fps = fps;
    delete m_sourceRenderer;
    m_sourceRenderer = m_memorySource->createRenderer(m_eventWatcher);
    m_sourceRenderer->setName(QStringLiteral("WorkflowRenderer"));
    m_sourceRenderer->setupImem(&m_esHandler, getLockCallback(), getUnlockCallback());
    bindRenderWidget();
}

WorkflowRenderer::LockCallback WorkflowRenderer::getLockCallback() const
{
    return &WorkflowRenderer::lock;
}

WorkflowRenderer::UnlockCallback WorkflowRenderer::getUnlockCallback() const
{
    return &WorkflowRenderer::unlock;
}

int WorkflowRenderer::lock(void *data, const char *cookie, int64_t *dts, int64_t *pts, unsigned *flags,
                           size_t *bufferSize, void **buffer)
{
    auto *handler = static_cast<EsHandler *>(data);
    WorkflowRenderer *renderer = handler->renderer;
    const bool paused = renderer->m_pausedFlag;
    *dts = -1;
    *flags = 0;
    if (!cookie || cookie[0] != '0') {
        qDebug() << "Invalid imem input cookie";
        return 1;
    }
    const int result = renderer->lockVideo(handler, pts, bufferSize, buffer);
    if (!paused && result == 0)
        renderer->m_mainWorkflow->nextFrame();
    return result;
}

int WorkflowRenderer::lockVideo(EsHandler *handler, int64_t *pts, size_t *bufferSize, void **buffer)
{
    // Nothing handed out unless a frame is: libvlc copies size bytes from buffer.
    *bufferSize = 0;
    *buffer = nullptr;
    *pts = m_pts;
    if (m_stopping)
        return 1;
    VideoFrame *frame = m_mainWorkflow->getOutput(m_pausedFlag);
    if (!frame) {
        qDebug() << "WorkflowRenderer::lockVideo" << "error";
        return 0;
    }
    // Past the workflow's end the stream ends, rather than going on with black frames until
    // the end has been handled elsewhere; a closing frame, when one is due, goes first.
    if (m_mainWorkflow->isEndReached() && !m_closingFrameDue.exchange(false))
        return 1;
    const qint64 ptsDiff = frameDuration(frame, handler->fps);
    const qint64 current = m_mainWorkflow->getCurrentFrame();
    delete[] m_effectsBuffer;
    m_effectsBuffer = applyFilters(frame, current, current * 1000 / handler->fps);
    m_pts += ptsDiff;
    *pts = m_pts;
    *buffer = m_effectsBuffer ? m_effectsBuffer : frame->buffer;
    *bufferSize = frame->nbBytes;
    return 0;
}

qint64 WorkflowRenderer::frameDuration(const VideoFrame *frame, double fps) const
{
    if (frame->ptsDiff != 0)
        return frame->ptsDiff;
    return static_cast<qint64>(1000000 / fps);
}

void WorkflowRenderer::unlock(void *data, const char *, size_t, void *)
{
    auto *handler = static_cast<EsHandler *>(data);
    delete[] handler->renderer->m_effectsBuffer;
    handler->renderer->m_effectsBuffer = nullptr;
}

void WorkflowRenderer::startPreview()
{
    if (m_mainWorkflow->getLengthFrame() < 1)
        return;
    m_outputFps = outputFps();
    m_aspectRatio = QStringLiteral("5/4");
    m_width = outputWidth();
    m_height = outputHeight();
    initFilters();
    initializeRenderer(m_width, m_height, m_outputFps);
    m_mainWorkflow->setFullSpeedRender(false);
    m_mainWorkflow->startRender(m_width, m_height, m_outputFps);
    m_isRendering = true;
    m_paused = false;
    m_pausedFlag = false;
    m_stopping = false;
    m_pts = 0;
    m_sourceRenderer->start();
}

void WorkflowRenderer::togglePlayPause()
{
    if (!m_isRendering) {
        startPreview();
        return;
    }
    m_paused = !m_paused;
    m_pausedFlag = m_paused;
}

void WorkflowRenderer::nextFrame()
{
    if (m_paused)
        m_mainWorkflow->renderOneFrame();
}

void WorkflowRenderer::previousFrame()
{
    if (m_paused)
        m_mainWorkflow->previousFrame();
}

void WorkflowRenderer::stopRendering()
{
    m_isRendering = false;
    m_paused = false;
    m_pausedFlag = false;
    m_stopping = true;
    m_mainWorkflow->pause();
    if (m_sourceRenderer)
        m_sourceRenderer->stop();
    m_mainWorkflow->stop();
}

void WorkflowRenderer::stop()
{
    stopRendering();
}

qint64 WorkflowRenderer::getCurrentFrame() const
{
    return m_mainWorkflow->getCurrentFrame();
}

qint64 WorkflowRenderer::getLengthMs() const
{
    if (m_outputFps <= 0.0f)
        return 0;
    return static_cast<qint64>(m_mainWorkflow->getLengthFrame() / m_outputFps * 1000);
}

qint64 WorkflowRenderer::getLengthFrame() const
{
    return std::llround(getLengthMs() * m_outputFps / 1000);
}

void WorkflowRenderer::timelineCursorChanged(qint64 newFrame)
{
    m_mainWorkflow->setCurrentFrame(newFrame, Global::TimelineCursor);
}

void WorkflowRenderer::previewWidgetCursorChanged(qint64 newFrame)
{
    m_mainWorkflow->setCurrentFrame(newFrame, Global::PreviewWidgetCursor);
}

void WorkflowRenderer::rulerCursorChanged(qint64 newFrame)
{
    m_mainWorkflow->setCurrentFrame(newFrame, Global::RulerCursor);
}

void WorkflowRenderer::mainWorkflowLenghtChanged(qint64)
{
}
