#pragma once

#include "foundation/global.h"

#include <QObject>
#include <QPointer>
#include <QTime>

class Clip;
class ClipRenderer;
class QWidget;

// Plays an inspection video into a widget: loads it on the first play (a busy window shows while
// its properties are read), then play and pause, stop, faster and slower, absolute and relative
// seeks, position and length, and snapshots. Times are QTime values counted from 00:00:00; they
// are invalid while no video is loaded.
class VideoPlayer : public QObject
{
    Q_OBJECT

public:
    // The longest the first play waits for a file's properties before it gives up.
    static const int kLoadLimitMs = 30000;

    VideoPlayer(QWidget *videoWidget, QObject *parent = nullptr);
    ~VideoPlayer() override;

    // The video to play; unloads the current one. A path that does not exist leaves none.
    void setFile(const QString &path);
    QString file() const { return m_filePath; }
    // True once the first play has loaded the file.
    bool isLoaded() const { return m_clip != nullptr; }

    double rate() const { return m_rate; }
    // Jumps to the start of the whole second of time.
    void seek(const QTime &time);
    // Jumps by ms from the current position, not past the beginning or the end, and plays at
    // normal speed again. Reports the new position, also while paused.
    void seekRelative(qint64 ms);
    QTime position() const;
    QTime length() const;
    // Saves the current picture at its own size, in the format the file's suffix names (PNG when
    // it names none Qt writes). False when there is no picture or the file cannot be written;
    // an existing file is replaced only by a complete one.
    bool snapshot(const QString &path);

    ClipRenderer *clipRenderer() const { return m_clipRenderer; }

signals:
    void positionChanged(const QTime &position);
    void lengthChanged(const QTime &length);
    // The first play could not read the file: nothing was loaded.
    void loadFailed(const QString &path);
    // Playback stopped: asked to, or at the end of the video (the next play starts again).
    void stopped();

public slots:
    void updatePosition();
    // Loads on the first call, then plays, pauses or resumes.
    void play();
    void pause();
    void stop();
    // One step up in speed, to at most 16 times.
    void faster();
    // One step down, to normal speed at least.
    void slower();
    void frameChanged(qint64 newFrame, Global::FrameChangedReason reason);

private:
    bool load();
    QTime timeOf(double ms) const;

    double m_rate = 1.0;
    Clip *m_clip = nullptr;
    ClipRenderer *m_clipRenderer;
    QString m_filePath;
    QPointer<QWidget> m_videoWidget;
    bool m_loading = false;
};
