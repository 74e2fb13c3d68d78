#include "video/vlcsource.h"

#include "video/vlcbackend.h"
#include "video/vlceventwaiter.h"
#include "video/vlcmedia.h"
#include "video/vlcmediaplayer.h"
#include "video/vlcvmemrenderer.h"

#include <QImage>
#include <QDebug>
#include <QDeadlineTimer>
#include <QThread>

#include <vlc/vlc.h>

#include <cmath>
#include <memory>
#include <numeric>

namespace {

const int kWaitMs = 3000;
// How long the picture size and rate may take to be known once pictures come out.
const int kSettleMs = 1000;

bool lengthIsPositive(const libvlc_event_t *event)
{
    return event->u.media_player_length_changed.new_length > 0;
}

bool positionPastFifth(const libvlc_event_t *event)
{
    return event->u.media_player_position_changed.new_position > 0.2f;
}

} // namespace

VLCSource::VLCSource(VLCBackend *backend, const QString &path)
    : m_backend(backend)
    , m_media(new VLCMedia(backend->vlcInstance(), VLCMedia::fileLocation(path)))
{
}

VLCSource::~VLCSource()
{
    delete m_snapshot;
    delete m_media;
}

qint64 VLCSource::frameCount(qint64 lengthMs, double fps)
{
    return std::llround(static_cast<double>(lengthMs) * fps / 1000.0);
}

QString VLCSource::displayAspectRatio() const
{
    if (m_width == 0 || m_height == 0)
        return QString();
    const quint64 num = quint64(m_width) * m_sarNum;
    const quint64 den = quint64(m_height) * m_sarDen;
    const quint64 divisor = std::gcd(num, den);
    return QStringLiteral("%1/%2").arg(num / divisor).arg(den / divisor);
}

double VLCSource::usableFps(double fps)
{
    return fps < 0.1 ? 25.0 : fps;
}

const uchar *VLCSource::getSnapshot() const
{
    return hasVideo() && m_snapshot ? m_snapshot->constBits() : nullptr;
}

VLCSourceRenderer *VLCSource::createRenderer(VLCRendererEventWatcher *watcher)
{
    return new VLCSourceRenderer(m_backend, this, watcher);
}

bool VLCSource::preparse()
{
    m_isParsed = true;
    std::unique_ptr<VLCVmemRenderer> renderer(new VLCVmemRenderer(m_backend, this, nullptr));
    {
        // Declared after the renderer, so it detaches from the player before the player goes.
        VLCEventWaiter lengthWait(renderer->getPlayer());
        lengthWait.add(libvlc_MediaPlayerLengthChanged);
        lengthWait.setValidationCallback(&lengthIsPositive);
        renderer->start();
        if (lengthWait.wait(kWaitMs) == VLCEventWaiter::Timeout)
            return false;
    }
    // The end or an error also ends the wait; a file without a length cannot be played.
    const qint64 length = renderer->getPlayer()->length();
    if (length <= 0)
        return false;
    m_media->parse();
    m_length = length;
    return computeSnapshot(renderer.get());
}

bool VLCSource::computeSnapshot(VLCVmemRenderer *renderer)
{
    VLCMediaPlayer *player = renderer->getPlayer();
    {
        VLCEventWaiter positionWait(player);
        positionWait.add(libvlc_MediaPlayerPositionChanged);
        positionWait.setValidationCallback(&positionPastFifth);
        renderer->setTime(m_length / 3);
        if (positionWait.wait(kWaitMs) == VLCEventWaiter::Timeout)
            return false;
    }
    delete m_snapshot;
    m_snapshot = renderer->waitSnapshot();
    if (!m_snapshot)
        return false;
    // libvlc 3.0 learns the picture size and rate from the decoder a moment after the first
    // pictures are out: right after the length, and even at the first picture after the seek, it
    // may still report 0 x 0 and 0 fps (MPEG program streams always do at first). It takes them
    // in only while it hands the decoder more of the file, which a small file may have had in
    // whole already: a seek to the same place makes it read on.
    double fps = 0.0;
    const QDeadlineTimer settled(kSettleMs);
    for (int tries = 1;; ++tries) {
        player->size(&m_width, &m_height);
        fps = player->fps(false);
        if ((m_width > 0 && fps >= 0.1) || settled.hasExpired())
            break;
        if (tries % 20 == 0)
            renderer->setTime(m_length / 3);
        QThread::msleep(10);
    }
    // Still unknown: the size of the pictures decoded, and the usual rate.
    if (m_width == 0 || m_height == 0)
        renderer->decodedSize(&m_width, &m_height);
    qDebug() << "fps:" << fps;
    // The pixel shape: the file's description often leaves it out (MPEG program streams do), the
    // decoder of the playing media knows it.
    if (libvlc_media_t *playing = libvlc_media_player_get_media(player->handle())) {
        unsigned num = 0;
        unsigned den = 0;
        if (VLCMedia::sampleAspectRatio(playing, &num, &den)) {
            m_sarNum = num;
            m_sarDen = den;
        }
        libvlc_media_release(playing);
    }
    m_nbVideoTracks = player->nbVideoTracks();
    m_fps = usableFps(fps);
    m_nbFrames = frameCount(m_length, m_fps);
    return true;
}
