#pragma once

#include "video/rendereffectuser.h"

#include <QMap>
#include <QMutex>
#include <QReadWriteLock>
#include <QUuid>

#include <atomic>

class ClipWorkflow;
class Helper;

// One track of the main workflow: clip workflows at start positions counted in delivered frames.
// For each output frame it asks the clip that covers the frame, and starts clips a little ahead
// of their start. Frames are asked for on the render thread; clips are added and removed on the
// thread that owns the track.
class TrackWorkflow : public RenderEffectUser
{
    Q_OBJECT

public:
    // A clip is started this many frames before its start at most.
    static const qint64 kLookAhead = 24;

    explicit TrackWorkflow(quint32 trackId, QObject *parent = nullptr);
    // Stops and deletes its clip workflows.
    ~TrackWorkflow() override;

    // Takes cw over, starting at frame start.
    void addClip(ClipWorkflow *cw, qint64 start);
    qint64 getLength() const { return m_length; }
    // The start of the clip whose helper has uuid, -1 when there is none.
    qint64 getClipPosition(const QUuid &uuid) const;
    // Past the last clip's length; for a last clip that runs to its decoder's end, once that
    // decoder is exhausted.
    bool hasNoMoreFrameToRender(qint64 currentFrame) const;
    // The picture at currentFrame, null when no clip covers it or none delivered in time.
    VideoFrame *getOutput(qint64 currentFrame, qint64 subFrame, bool paused);
    void initRender(quint32 width, quint32 height, double fps);
    void renderOneFrame();
    void setFullSpeedRender(bool value);
    // Both stop the clips and call off any wait for a starting clip until the next initRender.
    void stop();
    void pause();
    void clear();

    // The time to seek a clip to for currentFrame: the frames since the clip's start at the
    // delivered rate, plus the clip's begin at its source's rate, each truncated to ms.
    static qint64 clipTime(qint64 currentFrame, qint64 start, qint64 begin, double deliveredFps, double sourceFps);

signals:
    void lengthChanged(qint64 newLength);
    void clipAdded(TrackWorkflow *track, Helper *helper, qint64 start);
    void clipRemoved(TrackWorkflow *track, const QUuid &uuid);

public slots:
    void clipDestroyed(const QUuid &uuid);
    void clipWorkflowFailure(ClipWorkflow *cw);

private:
    void computeLength();
    VideoFrame *renderClip(ClipWorkflow *cw, qint64 currentFrame, qint64 start, bool needRepositioning,
                           bool renderOneFrame, bool paused);
    void adjustClipTime(qint64 currentFrame, qint64 start, ClipWorkflow *cw);
    static void stopClip(ClipWorkflow *cw);

    quint32 m_trackId;
    QMap<qint64, ClipWorkflow *> m_clips;
    std::atomic<qint64> m_length{0};
    bool m_renderOneFrame = false;
    QMutex m_renderOneFrameMutex;
    mutable QReadWriteLock m_clipsLock;
    qint64 m_lastFrame = 0;
    double m_fps = 25.0;
    std::atomic<bool> m_halted{false};
};
