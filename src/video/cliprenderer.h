#pragma once

#include "video/genericrenderer.h"

#include <QUuid>

class Clip;

// Plays one clip straight from its file into the render widget: play, pause, stop, single
// frames, seeks and rate. Frames are counted at the clip source's rate; seeks land on whole
// seconds. The play state follows the player's events, which arrive queued on this thread.
class ClipRenderer : public GenericRenderer
{
    Q_OBJECT

public:
    explicit ClipRenderer(QObject *parent = nullptr);
    // Stops the player when it plays.
    ~ClipRenderer() override;

    Clip *selectedClip() const { return m_selectedClip; }
    bool isClipLoaded() const { return m_clipLoaded; }

    qint64 getLengthFrame() const override;
    qint64 getLengthMs() const override;
    qint64 getCurrentFrame() const override;
    float getFps() const override;

    // Playback speed (1 normal); kept for the next player too.
    void setRate(float rate);
    // Writes the current picture as PNG at its own size (see VLCMediaPlayer::takeSnapshot).
    bool takeSnapshot(const QString &path);

signals:
    // The player stopped: asked to, at the end of the media, or for another clip.
    void stopped();

public slots:
    // Selects the clip to play (null: none). Another clip stops what plays; the same clip only
    // takes over its boundaries.
    void setClip(Clip *clip);
    // Plays the selected clip from its beginning in a new player.
    void startPreview();
    // Starts, pauses or resumes.
    void togglePlayPause() override;
    // One frame on; the player pauses for it.
    void nextFrame() override;
    // One frame back: pauses first, goes back two frames' time (rounded up to a millisecond) and
    // steps one frame on.
    void previousFrame() override;
    void stop() override;
    // Moves to the start of the whole second the frame lies in.
    void previewWidgetCursorChanged(qint64 newFrame) override;
    void clipUnloaded(const QUuid &uuid);
    void updateInfos(Clip *clip);

private slots:
    void timeChanged(qlonglong time);
    void videoStopped();
    void videoPaused();
    void videoPlaying();

private:
    // The rate frames are counted with; never 0, also before the source's rate is known.
    double countingFps() const;
    // The player's time in ms, or where single steps have taken it while paused.
    qint64 currentTime() const;
    // Keeps frame as the picture shown (its time, while paused) and reports it.
    void holdFrame(qint64 frame);

    bool m_clipLoaded = false;
    Clip *m_selectedClip = nullptr;
    qint64 m_begin = 0;
    qint64 m_end = -1;
    bool m_mediaChanged = false;
    float m_rate = 1.0f;
    // While paused after a step or a seek: the time of the picture shown; -1 otherwise.
    qint64 m_heldTime = -1;
};
