#pragma once

#include "video/rendereffectuser.h"

#include <QMetaObject>
#include <QMutex>
#include <QReadWriteLock>
#include <QWaitCondition>

#include <atomic>

class ClipHelper;
class VLCRendererEventWatcher;
class VLCSourceRenderer;
class VLCSource;

// Decodes one clip ahead of the render position and hands out its frames one at a time. libvlc
// decodes through its memory output into frame buffers the workflow owns; the workflow pauses the
// decoder while enough frames wait and resumes it once they have been taken.
//
// Threads: the render thread calls initialize, getOutput, setTime and stop; libvlc's decoder
// thread fills the buffers; libvlc's event thread reports pause, resume and the end; the thread
// that owns the object runs loadingComplete and the pause requests (its event loop must run).
// No lock of the workflow is held while it calls into libvlc: libvlc's stop waits for the
// decoder and event threads, which take those locks.
class ClipWorkflow : public RenderEffectUser
{
    Q_OBJECT

public:
    enum State { Stopped = 0, Initializing = 1, Ready = 2, EndReached = 3, Unpausing = 4, Pausing = 5, Paused = 6, Error = 7 };
    Q_ENUM(State)
    enum GetMode { Pop = 0, Get = 1 };

    // The rate frames are delivered at, whatever the source's.
    static constexpr double kOutputFps = 25.0;
    // Whether a source at fps is delivered frame for frame, without a rate conversion.
    static bool deliveredAsDecoded(double fps) { return qAbs(fps - kOutputFps) < 0.01; }

    explicit ClipWorkflow(ClipHelper *clipHelper);
    ~ClipWorkflow() override;

    // Starts decoding the clip in a new player (render thread).
    void initialize();
    // Waits until the player plays (or the workflow stops or fails). False when the workflow was
    // stopped meanwhile, or when cancel became true (checked every few milliseconds).
    bool waitForCompleteInit(const std::atomic<bool> *cancel = nullptr);
    // Stops the decoder and gives every computed frame back; an Error stays.
    void stop();

    State getState() const;
    ClipHelper *getClipHelper() const { return m_clipHelper; }
    VLCSource *source() const;
    // The clip source's rate (a missing one counts as 25).
    double sourceFps() const;
    // Where the clip begins in its media, in milliseconds.
    qint64 beginTimeMs() const;
    // Read and cleared by the track.
    bool takeResyncRequired();
    void setTimeSync(bool timeSync) { m_timeSync = timeSync; }
    bool timeSync() const { return m_timeSync; }
    // How long getOutput waits for a frame still being decoded (100 ms; an encode that must not
    // lose frames waits longer).
    void setFrameWaitMs(int ms) { m_frameWaitMs = ms; }

    // The clip's length in delivered frames, to the nearest frame: a clip to the end of its media
    // counts the media's length as libvlc reports it.
    virtual qint64 getLengthFromHelper() const;
    // A clip that runs to its decoder's end goes on past its length while the decoder delivers,
    // and ends where the decoder ends: the length libvlc reports is an estimate, a few frames
    // short or, for a file cut off, far too long.
    void setRunsToDecoderEnd(bool toEnd) { m_runsToDecoderEnd = toEnd; }
    bool runsToDecoderEnd() const { return m_runsToDecoderEnd; }
    // Whether the decoder has reached its end (or failed) and every frame it computed was taken.
    bool isExhausted() const;
    // The frames taken (Pop) since the workflow was last initialized.
    qint64 deliveredFrames() const { return m_deliveredFrames; }
    // The next computed frame (Pop takes it, Get leaves it); null when none comes in time, or
    // when the workflow is stopped, failed or at its end with nothing left. The frame stays
    // valid until the next call.
    virtual VideoFrame *getOutput(GetMode mode, qint64 currentFrame) = 0;
    // Moves the decoder to ms and drops what was computed.
    virtual void setTime(qint64 ms);
    virtual int getNbComputedBuffers() const = 0;
    virtual int getMaxComputedBuffers() const = 0;

signals:
    void error(ClipWorkflow *clipWorkflow);

public slots:
    void loadingComplete();
    void clipEndReached();
    void mediaPlayerPaused();
    void mediaPlayerUnpaused();
    void resyncClipWorkflow();
    void errorEncountered();

protected:
    virtual void initVlcOutput() = 0;
    virtual void preallocate() = 0;
    virtual void flushComputedBuffers() = 0;
    virtual void releasePrealocated() = 0;
    // The player for the clip's source; replaceable to drive the workflow without a decoder.
    virtual VLCSourceRenderer *createRenderer(VLCRendererEventWatcher *watcher);

    // The time since the previous frame for a frame stamped pts (render lock held).
    qint64 frameSpacing(qint64 pts);
    // After a frame was computed (render lock held): from Ready, asks once for a pause when the
    // buffer is full.
    void pauseIfFull(int computed);
    // After a frame was taken (render lock held): from Paused, true once when the buffer has run
    // low; the caller then calls resumeDecoder without the lock.
    bool resumeWanted(int computed);
    void resumeDecoder();
    void setState(State state);

    ClipHelper *m_clipHelper;
    VLCSourceRenderer *m_renderer = nullptr;
    VLCRendererEventWatcher *m_eventWatcher;
    mutable QMutex m_renderLock;
    QWaitCondition m_renderWaitCond;
    int m_frameWaitMs = 100;
    bool m_timeSync = false;
    bool m_runsToDecoderEnd = false;
    std::atomic<qint64> m_deliveredFrames{0};

private:
    void applyPauseRequest(int run);
    void completeEnd(int run);
    static qint64 nowUs();

    QWaitCondition m_initWaitCond;
    mutable QReadWriteLock m_stateLock;
    State m_state = Stopped;
    // Serialises the player's control (start, stop, pause, seek) against its replacement.
    QMutex m_controlLock;
    std::atomic<int> m_run{0};
    QMetaObject::Connection m_loadingConnection;
    std::atomic<bool> m_resyncRequired{false};
    qint64 m_previousPts = -1;
    qint64 m_currentPts = -1;
    std::atomic<qint64> m_pauseStart{0};
    std::atomic<qint64> m_pauseDuration{-1};
};
