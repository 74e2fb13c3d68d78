#pragma once

#include <QObject>
#include <QVector>

#include <atomic>

class TrackWorkflow;
class VideoFrame;

// The tracks of a main workflow, one per id. The highest track with a frame wins.
class TrackHandler : public QObject
{
    Q_OBJECT

public:
    explicit TrackHandler(quint32 trackCount, QObject *parent = nullptr);
    ~TrackHandler() override;

    // The picture at currentFrame from the highest track that has one; null when none has.
    // When no track has frames left, the end is reached and tracksEndReached emitted.
    VideoFrame *getOutput(qint64 currentFrame, qint64 subFrame, bool paused);
    // Starts the tracks; with nothing to render the end is reached at once.
    void startRender(quint32 width, quint32 height, double fps);
    void renderOneFrame();
    void setFullSpeedRender(bool value);
    void stop();
    void pause();
    void clear();

    qint64 getLength() const { return m_length; }
    bool endIsReached() const { return m_endReached; }
    quint32 getTrackCount() const { return m_trackCount; }
    TrackWorkflow *getTrack(quint32 id) const { return m_tracks.value(int(id)); }

signals:
    void tracksEndReached();
    void lengthChanged(qint64 length);

public slots:
    void lengthUpdated(qint64 newLength);

private:
    QVector<TrackWorkflow *> m_tracks;
    quint32 m_trackCount;
    std::atomic<qint64> m_length{0};
    std::atomic<bool> m_endReached{false};
};
