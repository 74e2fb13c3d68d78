#include "video/workflowfilerenderer.h"

#include "video/mainworkflow.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsourcerenderer.h"

namespace {

// The encoder starts pulling frames as soon as this thread's events have run once: it waits for
// each frame that is not decoded yet anyway, and the decoder outruns it, so a head start only
// adds to the time.
const int kPrebufferMs = 0;
// How long libvlc may take to write what it holds once the workflow is through.
const int kDrainMs = 15000;
// Given a bitrate, libvlc lets the quantizer rise to 51, which MPEG-4 cannot express: pictures
// the rate control pushes that far come out damaged, so it stops at MPEG-4's coarsest, 31. Each
// macroblock's coding is chosen the simple way (as ffmpeg does by default), not by trying every
// way out, which costs more than half the encoding time. libvlc also has the rate control
// squish the quantizer into its range, so that it never quite reaches 31: a picture over the
// rate's budget is then coded again and again with a slightly coarser quantizer, which almost
// doubles the time when the video needs more than the rate allows. The quantizer is clipped to
// its range instead, as ffmpeg does by default. Key pictures take the quantizer of the others
// rather than a finer one: with the rate's budget spent, a finer key picture does not fit and is
// coded again step by step up to the coarsest, and below the budget the rate control gives the
// bits to the pictures either way.
const QLatin1String kEncoderOptions("qmax=31,hq=simple,options={qsquish=0,i_qfactor=1}");

} // namespace

WorkflowFileRenderer::WorkflowFileRenderer(VLCBackend *backend, MainWorkflow *mainWorkflow, QObject *parent)
    : WorkflowRenderer(backend, mainWorkflow, parent)
{
    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, &WorkflowFileRenderer::startEncoding);
    // The player's reports arrive queued: its own threads must never stop it.
    connect(m_eventWatcher, &VLCRendererEventWatcher::endReached, this, &WorkflowFileRenderer::stop, Qt::QueuedConnection);
    connect(m_eventWatcher, &VLCRendererEventWatcher::errorEncountered, this, &WorkflowFileRenderer::playerFailed,
            Qt::QueuedConnection);
    connect(this, &WorkflowFileRenderer::endReached, this, &WorkflowFileRenderer::renderComplete);
}

void WorkflowFileRenderer::run(const QString &outputFile, quint32 width, quint32 height, double fps, quint32 bitrate,
                               bool fullSpeed, QWidget *widget)
{
    m_mainWorkflow->setCurrentFrame(0, Global::RendererAdvanced);
    setRenderWidget(widget);
    initializeRenderer(width, height, static_cast<float>(fps));
    m_sourceRenderer->setOutputFile(outputFile);
    m_sourceRenderer->setOutputVideoBitrate(bitrate);
    m_sourceRenderer->setOutputVideoCodec(QStringLiteral("mp4v"));
    m_sourceRenderer->setOutputVideoEncoderOptions(kEncoderOptions);
    m_sourceRenderer->setOutputHeight(576);
    m_sourceRenderer->setOutputWidth(720);
    // No rate here: the memory input declares it, and every frame it hands over is one frame of
    // the output. A rate conversion would go by the time stamps libvlc derives from its clock and
    // repeat the first picture.
    connect(m_mainWorkflow, &MainWorkflow::mainWorkflowEndReached, this, &WorkflowFileRenderer::workflowEnded,
            Qt::UniqueConnection);
    connect(m_mainWorkflow, &MainWorkflow::frameChanged, this, &WorkflowFileRenderer::__frameChanged, Qt::UniqueConnection);
    m_isRendering = true;
    m_stopping = false;
    m_paused = false;
    m_pausedFlag = false;
    m_ended = false;
    m_failed = false;
    m_pts = 0;
    // libvlc's AVI muxer writes a frame only once the next one has come, and drops the one it
    // holds at the end: the closing frame is that one, so the workflow's last frame is written.
    m_closingFrameDue = true;
    m_mainWorkflow->setFullSpeedRender(fullSpeed);
    m_mainWorkflow->startRender(width, height, fps);
    // From the event loop: the clips become ready there, which the encoder's first frame awaits.
    m_startTimer.start(kPrebufferMs);
}

void WorkflowFileRenderer::startEncoding()
{
    if (m_ended)
        return;
    m_sourceRenderer->start();
}

void WorkflowFileRenderer::workflowEnded()
{
    // The memory input has reported the end of the stream; libvlc writes what it still holds
    // and then reports its own end, which stops the render. Should that never come, stop anyway.
    QTimer::singleShot(kDrainMs, this, [this] {
        if (!m_ended)
            stop();
    });
}

void WorkflowFileRenderer::playerFailed()
{
    m_failed = true;
    stop();
}

void WorkflowFileRenderer::stop()
{
    if (m_ended)
        return;
    m_ended = true;
    m_startTimer.stop();
    stopRendering();
    emit endReached();
}

qint64 WorkflowFileRenderer::frameDuration(const VideoFrame *, double fps) const
{
    // The decoder's clock stamps jump around its pauses, which the encoder's rate conversion
    // would answer by dropping or repeating frames.
    return static_cast<qint64>(1000000 / fps);
}

void WorkflowFileRenderer::__frameChanged(qint64 frame, Global::FrameChangedReason)
{
    emit frameChanged(frame);
}
