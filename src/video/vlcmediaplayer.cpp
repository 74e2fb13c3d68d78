#include "video/vlcmediaplayer.h"

#include "video/videoplatform.h"
#include "video/vlcinstance.h"
#include "video/vlcmedia.h"

#include <QDebug>

namespace {

VLCMediaPlayer::EventHooks eventHooks = {&libvlc_event_attach, &libvlc_event_detach};

} // namespace

const QVector<int> &VLCMediaPlayer::eventTypes()
{
    static const QVector<int> types{
        libvlc_MediaPlayerSnapshotTaken,   libvlc_MediaPlayerTimeChanged,     libvlc_MediaPlayerPlaying,
        libvlc_MediaPlayerPaused,          libvlc_MediaPlayerStopped,         libvlc_MediaPlayerEndReached,
        libvlc_MediaPlayerPositionChanged, libvlc_MediaPlayerLengthChanged,   libvlc_MediaPlayerEncounteredError,
        libvlc_MediaPlayerPausableChanged, libvlc_MediaPlayerSeekableChanged, libvlc_MediaPlayerVout};
    return types;
}

VLCMediaPlayer::EventHooks VLCMediaPlayer::setEventHooks(const EventHooks &hooks)
{
    const EventHooks previous = eventHooks;
    eventHooks = hooks;
    return previous;
}

VLCMediaPlayer::VLCMediaPlayer(VLCInstance *instance)
{
    if (!instance || !instance->handle())
        return;
    m_player = libvlc_media_player_new(instance->handle());
    if (!m_player)
        return;
    m_events = libvlc_media_player_event_manager(m_player);
    // Keys and clicks stay with Qt, whichever window libvlc draws into.
    libvlc_video_set_key_input(m_player, 0);
    libvlc_video_set_mouse_input(m_player, 0);
}

VLCMediaPlayer::~VLCMediaPlayer()
{
    if (!m_player)
        return;
    libvlc_media_player_stop(m_player);
    libvlc_media_player_release(m_player);
    // Its decoder and output threads have ended; what they freed would otherwise stay resident.
    VideoPlatform::releaseFreedMemory();
}

void VLCMediaPlayer::disableTitleDisplay()
{
    if (m_player)
        libvlc_media_player_set_video_title_display(m_player, libvlc_position_disable, 0);
}

float VLCMediaPlayer::fps(bool log)
{
    if (!m_player)
        return 0.0f;
    // libvlc 3.0 marks this call deprecated but offers nothing else that reports the rate the
    // decoder found (the media's track list stays at 0 for program streams).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const float fps = libvlc_media_player_get_fps(m_player);
#pragma GCC diagnostic pop
    if (log)
        qDebug() << "fps:" << fps;
    return fps;
}

qint64 VLCMediaPlayer::length()
{
    return m_player ? libvlc_media_player_get_length(m_player) : 0;
}

int VLCMediaPlayer::nbVideoTracks()
{
    if (!m_player)
        return 0;
    // libvlc's own count includes the "Disable" entry; count the real tracks only.
    int count = 0;
    libvlc_track_description_t *tracks = libvlc_video_get_track_description(m_player);
    for (libvlc_track_description_t *track = tracks; track; track = track->p_next) {
        if (track->i_id >= 0)
            ++count;
    }
    if (tracks)
        libvlc_track_description_list_release(tracks);
    return count;
}

void VLCMediaPlayer::size(unsigned *width, unsigned *height)
{
    if (m_player)
        libvlc_video_get_size(m_player, 0, width, height);
}

qint64 VLCMediaPlayer::time()
{
    return m_player ? libvlc_media_player_get_time(m_player) : 0;
}

void VLCMediaPlayer::nextFrame()
{
    if (m_player)
        libvlc_media_player_next_frame(m_player);
}

void VLCMediaPlayer::pause()
{
    if (m_player)
        libvlc_media_player_pause(m_player);
}

void VLCMediaPlayer::setPause(bool pause)
{
    if (m_player)
        libvlc_media_player_set_pause(m_player, pause ? 1 : 0);
}

void VLCMediaPlayer::play()
{
    if (m_player)
        libvlc_media_player_play(m_player);
}

void VLCMediaPlayer::stop()
{
    if (m_player)
        libvlc_media_player_stop(m_player);
}

bool VLCMediaPlayer::isPlaying()
{
    return m_player && libvlc_media_player_is_playing(m_player);
}

void VLCMediaPlayer::setWindow(WId window)
{
    if (m_player)
        libvlc_media_player_set_xwindow(m_player, static_cast<uint32_t>(window));
}

void VLCMediaPlayer::setMedia(VLCMedia *media)
{
    if (m_player)
        libvlc_media_player_set_media(m_player, media ? media->handle() : nullptr);
}

void VLCMediaPlayer::setPosition(float position)
{
    if (m_player)
        libvlc_media_player_set_position(m_player, position);
}

void VLCMediaPlayer::setRate(float rate)
{
    if (m_player)
        libvlc_media_player_set_rate(m_player, rate);
}

void VLCMediaPlayer::setTime(qint64 ms)
{
    if (m_player)
        libvlc_media_player_set_time(m_player, ms);
}

void VLCMediaPlayer::setVideoFormat(const char *chroma, unsigned width, unsigned height, unsigned pitch)
{
    if (m_player)
        libvlc_video_set_format(m_player, chroma, width, height, pitch);
}

void VLCMediaPlayer::setVideoFormatCallbacks(libvlc_video_format_cb setup, libvlc_video_cleanup_cb cleanup)
{
    if (m_player)
        libvlc_video_set_format_callbacks(m_player, setup, cleanup);
}

void VLCMediaPlayer::setVideoCallbacks(libvlc_video_lock_cb lock, libvlc_video_unlock_cb unlock,
                                       libvlc_video_display_cb display, void *opaque)
{
    if (m_player)
        libvlc_video_set_callbacks(m_player, lock, unlock, display, opaque);
}

bool VLCMediaPlayer::takeSnapshot(const QString &path, unsigned width, unsigned height)
{
    return m_player && libvlc_video_take_snapshot(m_player, 0, path.toUtf8().constData(), width, height) == 0;
}

void VLCMediaPlayer::registerEvents(libvlc_callback_t callback, void *userData)
{
    if (!m_events)
        return;
    for (int type : eventTypes())
        eventHooks.attach(m_events, type, callback, userData);
}

void VLCMediaPlayer::unregisterEvents(libvlc_callback_t callback, void *userData)
{
    if (!m_events)
        return;
    for (int type : eventTypes())
        eventHooks.detach(m_events, type, callback, userData);
}
