#include "video/clipworkflow.h"

#include "video/clip.h"
#include "video/cliphelper.h"
#include "video/media.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <QDeadlineTimer>

#include <chrono>
#include <climits>
#include <cmath>

namespace {

// How often a wait for the player checks whether it was called off.
const int kCancelPollMs = 20;

} // namespace

ClipWorkflow::ClipWorkflow(ClipHelper *clipHelper)
    : m_clipHelper(clipHelper)
    , m_eventWatcher(new VLCRendererEventWatcher)
{
}

ClipWorkflow::~ClipWorkflow()
{
    // The subclass has stopped the player; deleting it detaches its events from the watcher.
    delete m_renderer;
    delete m_eventWatcher;
}

qint64 ClipWorkflow::nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

VLCSource *ClipWorkflow::source() const
{
    return m_clipHelper->getClip()->getMedia()->getSource();
}

double ClipWorkflow::sourceFps() const
{
    return VLCSource::usableFps(source()->getFps());
}

qint64 ClipWorkflow::beginTimeMs() const
{
    return static_cast<qint64>(static_cast<float>(m_clipHelper->begin()) / sourceFps() * 1000);
}

qint64 ClipWorkflow::getLengthFromHelper() const
{
    // The helper counts source frames; the track counts the frames delivered, at 25 per second.
    VLCSource *src = source();
    const double fps = sourceFps();
    const qint64 endMs = m_clipHelper->end() >= src->getNbFrames()
                             ? src->getLength()
                             : static_cast<qint64>(m_clipHelper->end() / fps * 1000);
    return qMax<qint64>(0, std::llround(static_cast<double>(endMs - beginTimeMs()) * kOutputFps / 1000.0));
}

bool ClipWorkflow::isExhausted() const
{
    const State state = getState();
    if (state == Error)
        return true;
    return state == EndReached && getNbComputedBuffers() == 0;
}

VLCSourceRenderer *ClipWorkflow::createRenderer(VLCRendererEventWatcher *watcher)
{
    return source()->createRenderer(watcher);
}

ClipWorkflow::State ClipWorkflow::getState() const
{
    QReadLocker lock(&m_stateLock);
    return m_state;
}

void ClipWorkflow::setState(State state)
{
    QWriteLocker lock(&m_stateLock);
    m_state = state;
}

bool ClipWorkflow::takeResyncRequired()
{
    return m_resyncRequired.exchange(false);
}

void ClipWorkflow::initialize()
{
    QMutexLocker control(&m_controlLock);
    setState(Initializing);
    const int run = ++m_run;
    m_eventWatcher->disconnect(this);
    // Deleting the previous player stops it; none of its events reach the watcher afterwards.
    delete m_renderer;
    m_renderer = createRenderer(m_eventWatcher);
    preallocate();
    initVlcOutput();
    m_deliveredFrames = 0;
    {
        QMutexLocker lock(&m_renderLock);
        m_previousPts = m_currentPts = -1;
    }
    m_pauseDuration = -1;
    // A report queued by an earlier player must not complete this one.
    m_loadingConnection = connect(
        m_eventWatcher, &VLCRendererEventWatcher::playing, this,
        [this, run] {
            if (run == m_run)
                loadingComplete();
        },
        Qt::QueuedConnection);
    connect(m_eventWatcher, &VLCRendererEventWatcher::endReached, this, &ClipWorkflow::clipEndReached, Qt::DirectConnection);
    connect(m_eventWatcher, &VLCRendererEventWatcher::errorEncountered, this, &ClipWorkflow::errorEncountered);
    m_renderer->start();
}

void ClipWorkflow::loadingComplete()
{
    const qint64 time = beginTimeMs();
    {
        QMutexLocker control(&m_controlLock);
        // A new player is at the beginning already; a seek there would only decode the first
        // frames twice.
        if (time > 0 && m_renderer)
            m_renderer->setTime(time);
    }
    disconnect(m_loadingConnection);
    connect(m_eventWatcher, &VLCRendererEventWatcher::playing, this, &ClipWorkflow::mediaPlayerUnpaused, Qt::DirectConnection);
    connect(m_eventWatcher, &VLCRendererEventWatcher::paused, this, &ClipWorkflow::mediaPlayerPaused, Qt::DirectConnection);
    QWriteLocker lock(&m_stateLock);
    m_initialized = true;
    if (m_state == Initializing)
        m_state = Ready;
    m_initWaitCond.wakeAll();
}

bool ClipWorkflow::waitForCompleteInit(const std::atomic<bool> *cancel)
{
    QReadLocker lock(&m_stateLock);
    while (m_state == Initializing) {
        if (cancel && *cancel)
            return false;
        m_initWaitCond.wait(&m_stateLock, cancel ? kCancelPollMs : ULONG_MAX);
    }
    return m_state != Stopped;
}

void ClipWorkflow::stop()
{
    QMutexLocker control(&m_controlLock);
    if (!m_renderer || getState() == Stopped)
        return;
    ++m_run;
    m_eventWatcher->disconnect(this);
    // Without any lock of ours: libvlc waits here for its decoder, which may be waiting for one.
    m_renderer->stop();
    flushComputedBuffers();
    {
        QWriteLocker lock(&m_stateLock);
        if (m_state != Error)
            m_state = Stopped;
        m_initialized = false;
        m_initWaitCond.wakeAll();
    }
    QMutexLocker lock(&m_renderLock);
    m_renderWaitCond.wakeAll();
}

void ClipWorkflow::setTime(qint64 ms)
{
    {
        QMutexLocker control(&m_controlLock);
        if (m_renderer)
            m_renderer->setTime(ms);
    }
    flushComputedBuffers();
    {
        QMutexLocker lock(&m_renderLock);
        m_previousPts = m_currentPts = -1;
    }
    bool resume = false;
    {
        QWriteLocker lock(&m_stateLock);
        if (m_state == Paused) {
            m_state = Unpausing;
            resume = true;
        }
    }
    if (resume)
        resumeDecoder();
}

void ClipWorkflow::resyncClipWorkflow()
{
    flushComputedBuffers();
    QMutexLocker lock(&m_renderLock);
    m_previousPts = m_currentPts = -1;
}

qint64 ClipWorkflow::frameSpacing(qint64 pts)
{
    const qint64 pause = m_pauseDuration.exchange(-1);
    const bool first = m_currentPts == -1;
    m_previousPts = pause == -1 ? m_currentPts : m_currentPts + pause;
    m_currentPts = qMax(pts, m_previousPts);
    // libvlc stamps frames on its clock, which does not start at 0: the first frame of a run has
    // no previous one to be spaced from.
    return first ? 0 : m_currentPts - m_previousPts;
}

void ClipWorkflow::pauseIfFull(int computed)
{
    if (computed < getMaxComputedBuffers())
        return;
    int run = 0;
    {
        QWriteLocker lock(&m_stateLock);
        if (m_state != Ready)
            return;
        m_state = Pausing;
        run = m_run;
    }
    // libvlc's decoder thread must not call into its own player (a stop waiting for this thread
    // would never end): the thread that owns the workflow asks for the pause.
    QMetaObject::invokeMethod(this, [this, run] { applyPauseRequest(run); }, Qt::QueuedConnection);
}

void ClipWorkflow::applyPauseRequest(int run)
{
    QMutexLocker control(&m_controlLock);
    if (run == m_run && getState() == Pausing && m_renderer)
        m_renderer->setPause(true);
}

bool ClipWorkflow::resumeWanted(int computed)
{
    if (computed >= getMaxComputedBuffers() / 3)
        return false;
    QWriteLocker lock(&m_stateLock);
    if (m_state != Paused)
        return false;
    m_state = Unpausing;
    return true;
}

void ClipWorkflow::resumeDecoder()
{
    QMutexLocker control(&m_controlLock);
    if (m_renderer)
        m_renderer->setPause(false);
}

void ClipWorkflow::mediaPlayerPaused()
{
    QWriteLocker lock(&m_stateLock);
    if (m_state != Pausing)
        return;
    m_state = Paused;
    m_pauseStart = nowUs();
}

void ClipWorkflow::mediaPlayerUnpaused()
{
    QWriteLocker lock(&m_stateLock);
    if (m_state != Unpausing && m_state != Paused)
        return;
    m_state = Ready;
    m_pauseDuration = nowUs() - m_pauseStart;
}

void ClipWorkflow::clipEndReached()
{
    // libvlc reports the end before its decoder has handed over the last picture, which comes
    // while the player winds down: the end counts once the player has stopped, which libvlc's
    // own thread must not ask for.
    const int run = m_run;
    QMetaObject::invokeMethod(this, [this, run] { completeEnd(run); }, Qt::QueuedConnection);
}

void ClipWorkflow::completeEnd(int run)
{
    {
        QMutexLocker control(&m_controlLock);
        if (run != m_run || !m_renderer)
            return;
        m_renderer->stop();
    }
    setState(EndReached);
    // A frame wait ends at once: what is computed is all there will be.
    QMutexLocker lock(&m_renderLock);
    m_renderWaitCond.wakeAll();
}

void ClipWorkflow::errorEncountered()
{
    {
        QWriteLocker lock(&m_stateLock);
        m_state = Error;
        m_initWaitCond.wakeAll();
    }
    {
        QMutexLocker lock(&m_renderLock);
        m_renderWaitCond.wakeAll();
    }
    emit error(this);
}
