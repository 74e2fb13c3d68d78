#pragma once

#include <QVector>
#include <QWidget>

#include <vlc/vlc.h>

class VLCInstance;
class VLCMedia;

// Owns one libvlc media player. Every call is passed on to libvlc; a player made from an instance
// that did not start does nothing and reports zeros.
class VLCMediaPlayer
{
public:
    // The player events the engine listens to, in the order they are attached and detached.
    static const QVector<int> &eventTypes();

    // libvlc's attach and detach, replaceable so a test can watch the wiring (set them before
    // any player exists; setEventHooks returns the previous pair).
    struct EventHooks
    {
        int (*attach)(libvlc_event_manager_t *, libvlc_event_type_t, libvlc_callback_t, void *);
        void (*detach)(libvlc_event_manager_t *, libvlc_event_type_t, libvlc_callback_t, void *);
    };
    static EventHooks setEventHooks(const EventHooks &hooks);

    explicit VLCMediaPlayer(VLCInstance *instance);
    // Stops playback and releases the player.
    ~VLCMediaPlayer();
    VLCMediaPlayer(const VLCMediaPlayer &) = delete;
    VLCMediaPlayer &operator=(const VLCMediaPlayer &) = delete;

    // No title over the picture when playback starts.
    void disableTitleDisplay();

    // Frame rate of the video being played; 0 until the decoder knows it. Written to the debug
    // output unless log is false.
    float fps(bool log = true);
    qint64 length();
    // Number of video tracks of the media being played (0 until the demuxer knows them).
    int nbVideoTracks();
    // Picture size of the first video output; unchanged when there is no output yet.
    void size(unsigned *width, unsigned *height);
    qint64 time();

    void nextFrame();
    // Pauses while playing and resumes otherwise.
    void pause();
    void setPause(bool pause);
    void play();
    // Waits until playback has ended.
    void stop();
    bool isPlaying();

    // Draws the picture into a native window (an X11 window id).
    void setWindow(WId window);
    void setMedia(VLCMedia *media);
    void setPosition(float position);
    void setRate(float rate);
    void setTime(qint64 ms);
    void setVideoFormat(const char *chroma, unsigned width, unsigned height, unsigned pitch);
    // Lets setup choose the picture format once libvlc knows the video's (it receives the
    // video's chroma and size and answers with those of the buffers).
    void setVideoFormatCallbacks(libvlc_video_format_cb setup, libvlc_video_cleanup_cb cleanup);
    void setVideoCallbacks(libvlc_video_lock_cb lock, libvlc_video_unlock_cb unlock,
                           libvlc_video_display_cb display, void *opaque);
    // Writes the current picture as a PNG file (libvlc writes PNG whatever the name says);
    // width and height 0 keep the picture's own size. False when there is no video output; when
    // no picture is ready within half a second libvlc writes nothing but still reports success.
    bool takeSnapshot(const QString &path, unsigned width, unsigned height);

    void registerEvents(libvlc_callback_t callback, void *userData);
    void unregisterEvents(libvlc_callback_t callback, void *userData);

    libvlc_media_player_t *handle() const { return m_player; }

private:
    libvlc_media_player_t *m_player = nullptr;
    libvlc_event_manager_t *m_events = nullptr;
};
