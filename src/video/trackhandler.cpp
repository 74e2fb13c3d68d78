#include "video/trackhandler.h"

#include "video/trackworkflow.h"

TrackHandler::TrackHandler(quint32 trackCount, QObject *parent)
    : QObject(parent)
    , m_trackCount(trackCount)
{
    for (quint32 id = 0; id < trackCount; ++id) {
        auto *track = new TrackWorkflow(id);
        connect(track, &TrackWorkflow::lengthChanged, this, &TrackHandler::lengthUpdated);
        m_tracks.append(track);
    }
}

TrackHandler::~TrackHandler()
{
    qDeleteAll(m_tracks);
}

VideoFrame *TrackHandler::getOutput(qint64 currentFrame, qint64 subFrame, bool paused)
{
    bool framesLeft = false;
    for (int id = m_tracks.size() - 1; id >= 0; --id) {
        TrackWorkflow *track = m_tracks.at(id);
        if (track->hasNoMoreFrameToRender(currentFrame))
            continue;
        if (VideoFrame *frame = track->getOutput(currentFrame, subFrame, paused))
            return frame;
        // A clip that runs to its decoder's end may have run out while its frame was awaited.
        if (!track->hasNoMoreFrameToRender(currentFrame))
            framesLeft = true;
    }
    if (!framesLeft) {
        m_endReached = true;
        emit tracksEndReached();
    }
    return nullptr;
}

void TrackHandler::lengthUpdated(qint64)
{
    qint64 length = 0;
    for (const TrackWorkflow *track : qAsConst(m_tracks))
        length = qMax(length, track->getLength());
    if (length == m_length)
        return;
    m_length = length;
    emit lengthChanged(length);
}

void TrackHandler::startRender(quint32 width, quint32 height, double fps)
{
    m_endReached = false;
    if (m_length == 0) {
        m_endReached = true;
        return;
    }
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->initRender(width, height, fps);
}

void TrackHandler::renderOneFrame()
{
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->renderOneFrame();
}

void TrackHandler::setFullSpeedRender(bool value)
{
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->setFullSpeedRender(value);
}

void TrackHandler::stop()
{
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->stop();
}

void TrackHandler::pause()
{
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->pause();
}

void TrackHandler::clear()
{
    for (TrackWorkflow *track : qAsConst(m_tracks))
        track->clear();
    m_length = 0;
}
