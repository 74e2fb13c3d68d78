#pragma once

#include "foundation/global.h"

#include <QObject>
#include <QReadWriteLock>
#include <QString>

#include <atomic>
#include <memory>

class TrackHandler;
class TrackWorkflow;
class VideoFrame;

// A timeline of tracks of clips. The renderer asks it for the picture at the current frame and
// moves the frame on; it reports frame changes and the end of what it holds. Frames are asked
// for on the renderer's thread; the current frame is guarded by a lock.
class MainWorkflow : public QObject
{
    Q_OBJECT

public:
    explicit MainWorkflow(quint32 trackCount, QObject *parent = nullptr);
    ~MainWorkflow() override;

    // Starts the tracks for frames of width x height at fps; a new black frame of that size
    // stands for nothing to show.
    void startRender(quint32 width, quint32 height, double fps);
    // The pixel format of the frames ("RV32", the default, or "I420"), for the black frame the
    // next startRender makes.
    void setChroma(const QString &chroma) { m_chroma = chroma; }
    // The picture at the current frame: the black frame where no clip has one; null before
    // startRender and after stop.
    VideoFrame *getOutput(bool paused);
    void nextFrame();
    void previousFrame();
    void renderOneFrame();
    void setCurrentFrame(qint64 frame, Global::FrameChangedReason reason);
    qint64 getCurrentFrame(bool lock = true) const;
    qint64 getLengthFrame() const { return m_lengthFrame; }
    void setFullSpeedRender(bool value);
    void pause();
    void stop();
    TrackWorkflow *getTrack(quint32 id) const;
    // Whether every track ran out of frames at the current frame.
    bool isEndReached() const;

signals:
    void cleared();
    void frameChanged(qint64 newFrame, Global::FrameChangedReason reason);
    void mainWorkflowEndReached();
    void lengthChanged(qint64 length);

public slots:
    void tracksEndReached();
    void clear();
    void lengthUpdated(qint64 newLength);

private:
    void takeLength();

    mutable QReadWriteLock m_currentFrameLock;
    qint64 m_currentFrame = 0;
    qint64 m_lengthFrame = 0;
    std::atomic<bool> m_renderStarted{false};
    TrackHandler *m_trackHandler;
    quint32 m_width = 0;
    quint32 m_height = 0;
    std::unique_ptr<VideoFrame> m_blackFrame;
    QString m_chroma = QStringLiteral("RV32");
};
