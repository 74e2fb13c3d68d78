#include "video/vlcmedia.h"

#include "video/vlcinstance.h"

#include <QFileInfo>
#include <QMutex>
#include <QUrl>
#include <QWaitCondition>

#include <vlc/vlc.h>

namespace {

// Wakes parse() once libvlc reports the end of parsing, however it ended.
struct ParseWait
{
    QMutex mutex;
    QWaitCondition done;
    bool finished = false;

    static void onParsed(const libvlc_event_t *, void *data)
    {
        auto *wait = static_cast<ParseWait *>(data);
        QMutexLocker lock(&wait->mutex);
        wait->finished = true;
        wait->done.wakeAll();
    }
};

} // namespace

VLCMedia::VLCMedia(VLCInstance *instance, const QString &mrl)
{
    if (instance && instance->handle())
        m_media = libvlc_media_new_location(instance->handle(), mrl.toUtf8().constData());
}

VLCMedia::~VLCMedia()
{
    if (m_media)
        libvlc_media_release(m_media);
}

QString VLCMedia::fileLocation(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

void VLCMedia::addOption(const QString &option)
{
    m_options << option;
    if (m_media)
        libvlc_media_add_option_flag(m_media, option.toUtf8().constData(), libvlc_media_option_trusted);
}

QString VLCMedia::mrl()
{
    if (m_mrl.isEmpty() && m_media) {
        if (char *mrl = libvlc_media_get_mrl(m_media)) {
            m_mrl = QString::fromUtf8(mrl);
            libvlc_free(mrl);
        }
    }
    return m_mrl;
}

bool VLCMedia::parse(int timeoutMs)
{
    if (!m_media)
        return false;
    if (libvlc_media_get_parsed_status(m_media) == libvlc_media_parsed_status_done)
        return true;
    ParseWait wait;
    libvlc_event_manager_t *events = libvlc_media_event_manager(m_media);
    libvlc_event_attach(events, libvlc_MediaParsedChanged, &ParseWait::onParsed, &wait);
    bool started = libvlc_media_parse_with_options(m_media, libvlc_media_parse_local, timeoutMs) == 0;
    if (started) {
        QMutexLocker lock(&wait.mutex);
        // libvlc ends the parse itself after timeoutMs; the extra second only guards against a
        // report that never comes.
        if (!wait.finished)
            wait.done.wait(&wait.mutex, timeoutMs + 1000);
    }
    libvlc_event_detach(events, libvlc_MediaParsedChanged, &ParseWait::onParsed, &wait);
    if (!started)
        return false;
    // Still running after the guard time: stop it, so libvlc's parser thread never reports to
    // the waiter that is about to go.
    if (libvlc_media_get_parsed_status(m_media) == 0)
        libvlc_media_parse_stop(m_media);
    return libvlc_media_get_parsed_status(m_media) == libvlc_media_parsed_status_done;
}

bool VLCMedia::sampleAspectRatio(libvlc_media_t *media, unsigned *num, unsigned *den)
{
    libvlc_media_track_t **tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(media, &tracks);
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        const libvlc_media_track_t *track = tracks[i];
        if (track->i_type != libvlc_track_video || !track->video || track->video->i_sar_num == 0
            || track->video->i_sar_den == 0)
            continue;
        *num = track->video->i_sar_num;
        *den = track->video->i_sar_den;
        found = true;
    }
    if (tracks)
        libvlc_media_tracks_release(tracks, count);
    return found;
}
