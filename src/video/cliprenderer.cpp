#include "video/cliprenderer.h"

#include "video/clip.h"
#include "video/media.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <cmath>

ClipRenderer::ClipRenderer(QObject *parent)
    : GenericRenderer(parent)
{
    // The watcher's signals come from libvlc's threads and run here, queued; connected once,
    // whichever player reports to the watcher.
    connect(m_eventWatcher, &VLCRendererEventWatcher::stopped, this, &ClipRenderer::videoStopped);
    connect(m_eventWatcher, &VLCRendererEventWatcher::paused, this, &ClipRenderer::videoPaused);
    connect(m_eventWatcher, &VLCRendererEventWatcher::playing, this, &ClipRenderer::videoPlaying);
    connect(m_eventWatcher, &VLCRendererEventWatcher::timeChanged, this, &ClipRenderer::timeChanged);
}

ClipRenderer::~ClipRenderer()
{
    // No reports of the stop below to an object on its way out.
    m_eventWatcher->disconnect(this);
    if (m_clipLoaded && m_isRendering)
        m_sourceRenderer->stop();
}

void ClipRenderer::setClip(Clip *clip)
{
    if (!clip || !m_selectedClip || clip->getUuid() != m_selectedClip->getUuid()) {
        stop();
        // A closed video keeps no player, nor the memory of its threads.
        delete m_sourceRenderer;
        m_sourceRenderer = nullptr;
        if (m_selectedClip)
            disconnect(m_selectedClip, &Clip::unloaded, this, &ClipRenderer::clipUnloaded);
        m_clipLoaded = false;
        m_isRendering = false;
        m_paused = false;
        m_selectedClip = nullptr;
    }
    if (!clip)
        return;
    if (clip != m_selectedClip)
        connect(clip, &Clip::unloaded, this, &ClipRenderer::clipUnloaded, Qt::UniqueConnection);
    m_selectedClip = clip;
    if (clip->getLength() == 0)
        return;
    updateInfos(clip);
}

void ClipRenderer::updateInfos(Clip *clip)
{
    m_begin = clip->begin();
    m_end = clip->end();
    if (m_isRendering)
        m_mediaChanged = true;
    else
        m_clipLoaded = false;
}

void ClipRenderer::startPreview()
{
    if (!m_selectedClip || m_selectedClip->getLength() == 0)
        return;
    updateInfos(m_selectedClip);
    VLCSource *source = m_selectedClip->getMedia()->getSource();
    delete m_sourceRenderer;
    m_sourceRenderer = source->createRenderer(m_eventWatcher);
    bindRenderWidget();
    m_sourceRenderer->start();
    // A new player starts at normal speed; the speed chosen stays.
    if (m_rate != 1.0f)
        m_sourceRenderer->setRate(m_rate);
    if (m_begin > 0 && source->getNbFrames() > 0)
        m_sourceRenderer->setPosition(static_cast<float>(m_begin) / source->getNbFrames());
    m_clipLoaded = true;
    m_isRendering = true;
    m_paused = false;
    m_mediaChanged = false;
    m_heldTime = -1;
}

void ClipRenderer::togglePlayPause()
{
    if (!m_clipLoaded) {
        emit frameChanged(0, Global::RendererAdvanced);
        startPreview();
    } else if (!m_isRendering) {
        // A player that ran to the end keeps its finished input and ignores play until stopped.
        m_sourceRenderer->stop();
        m_sourceRenderer->start();
        m_isRendering = true;
        m_heldTime = -1;
    } else {
        m_sourceRenderer->togglePause();
        m_paused = !m_paused;
        m_heldTime = -1;
    }
}

void ClipRenderer::holdFrame(qint64 frame)
{
    // The start of the frame, so that counting it back gives the same frame.
    m_heldTime = std::llround(frame * 1000.0 / countingFps());
    emit frameChanged(frame - m_begin, Global::RendererAdvanced);
}

void ClipRenderer::nextFrame()
{
    if (!m_isRendering)
        return;
    const qint64 frame = getCurrentFrame();
    m_sourceRenderer->nextFrame();
    // libvlc pauses for the step.
    m_paused = true;
    holdFrame(frame + 1);
}

void ClipRenderer::previousFrame()
{
    if (!m_isRendering)
        return;
    if (!m_paused) {
        m_sourceRenderer->setPause(true);
        m_paused = true;
    }
    // Two frames' time back, then one frame on: libvlc steps only forward, and the step shows
    // the picture at the new place.
    const qint64 frame = getCurrentFrame();
    const qint64 back = static_cast<qint64>(std::ceil(2000.0 / countingFps()));
    m_sourceRenderer->setTime(qMax<qint64>(0, currentTime() - back));
    m_sourceRenderer->nextFrame();
    holdFrame(qMax<qint64>(0, frame - 1));
}

qint64 ClipRenderer::currentTime() const
{
    // libvlc 3.0 does not follow single steps: it keeps the time of the picture before a step,
    // and reports 0 after a step that follows a seek.
    if (m_paused && m_heldTime >= 0)
        return m_heldTime;
    return m_sourceRenderer ? m_sourceRenderer->getTime() : 0;
}

void ClipRenderer::stop()
{
    if (!m_clipLoaded || !m_isRendering)
        return;
    m_sourceRenderer->stop();
    // libvlc has stopped when stop() returns; the Stopped event may still be on its way.
    m_isRendering = false;
    m_paused = false;
    m_heldTime = -1;
    if (m_mediaChanged)
        m_clipLoaded = false;
}

qint64 ClipRenderer::getLengthFrame() const
{
    return m_end - m_begin;
}

qint64 ClipRenderer::getLengthMs() const
{
    if (!m_selectedClip)
        return 0;
    return std::llround(m_selectedClip->getLength() / countingFps() * 1000.0);
}

qint64 ClipRenderer::getCurrentFrame() const
{
    if (!m_clipLoaded || !m_isRendering || !m_selectedClip)
        return 0;
    return std::llround(currentTime() / 1000.0 * countingFps());
}

float ClipRenderer::getFps() const
{
    if (!m_selectedClip)
        return 0.0f;
    return m_selectedClip->getMedia()->getSource()->getFps();
}

double ClipRenderer::countingFps() const
{
    return VLCSource::usableFps(getFps());
}

void ClipRenderer::previewWidgetCursorChanged(qint64 newFrame)
{
    if (!m_isRendering)
        return;
    const qint64 wholeSeconds = static_cast<qint64>(newFrame / countingFps());
    m_sourceRenderer->setTime(wholeSeconds * 1000);
    if (!m_paused) {
        m_heldTime = -1;
        return;
    }
    // While paused libvlc 3.0 decodes the picture at the new place but does not always show it
    // (and then has none to snapshot); a step shows the first picture there.
    m_sourceRenderer->nextFrame();
    m_heldTime = wholeSeconds * 1000;
}

void ClipRenderer::setRate(float rate)
{
    m_rate = rate;
    if (m_sourceRenderer)
        m_sourceRenderer->setRate(rate);
}

bool ClipRenderer::takeSnapshot(const QString &path)
{
    return m_sourceRenderer && m_sourceRenderer->takeSnapshot(path);
}

void ClipRenderer::clipUnloaded(const QUuid &uuid)
{
    if (!m_selectedClip || m_selectedClip->getUuid() != uuid)
        return;
    stop();
    m_clipLoaded = false;
    m_selectedClip = nullptr;
    m_isRendering = false;
    m_paused = false;
}

void ClipRenderer::timeChanged(qlonglong time)
{
    // Reports still queued from before a stop or a step would move the position away from
    // where it is.
    if (!m_isRendering || !m_selectedClip || (m_paused && m_heldTime >= 0))
        return;
    const qint64 frame = static_cast<qint64>(countingFps() * time / 1000);
    if (frame < m_end)
        emit frameChanged(frame - m_begin, Global::RendererAdvanced);
}

void ClipRenderer::videoStopped()
{
    m_isRendering = false;
    m_paused = false;
    m_heldTime = -1;
    if (m_mediaChanged)
        m_clipLoaded = false;
    emit frameChanged(0, Global::RendererAdvanced);
    emit stopped();
}

void ClipRenderer::videoPaused()
{
    // The state, not a flip: togglePlayPause has flipped the flag already when it asked for the
    // pause, and a second flip would report a paused player as playing.
    m_paused = true;
}

void ClipRenderer::videoPlaying()
{
    m_isRendering = true;
    m_paused = false;
    m_heldTime = -1;
}
