#include "video/vlcsourcerenderer.h"

#include "video/vlcbackend.h"
#include "video/vlcmedia.h"
#include "video/vlcmediaplayer.h"
#include "video/vlcmemorysource.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsource.h"

#include <QDebug>

namespace {

// Callback and data pointers travel in option text as decimal numbers of full pointer width;
// libvlc 3.0 reads them back as 64-bit integers.
QString pointerText(const void *pointer)
{
    return QString::number(reinterpret_cast<qintptr>(pointer));
}

template <typename Function>
QString functionText(Function function)
{
    return QString::number(reinterpret_cast<qintptr>(function));
}

// A value inside double quotes of a libvlc option chain: backslash and quote are escaped.
QString quotedChainValue(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

VLCSourceRenderer::VLCSourceRenderer(VLCBackend *backend, VLCSource *source, VLCRendererEventWatcher *watcher)
    : m_backend(backend)
    , m_watcher(watcher)
{
    m_media = new VLCMedia(backend->vlcInstance(), source->getMedia()->mrl());
    initPlayer();
}

VLCSourceRenderer::VLCSourceRenderer(VLCBackend *backend, VLCMemorySource *memorySource,
                                     VLCRendererEventWatcher *watcher)
    : m_backend(backend)
    , m_watcher(watcher)
{
    m_media = new VLCMedia(backend->vlcInstance(),
                           imemLocation(memorySource->getWidth(), memorySource->getHeight(),
                                        memorySource->getAspectRatio(), memorySource->getFps(),
                                        memorySource->getChroma()));
    initPlayer();
}

void VLCSourceRenderer::initPlayer()
{
    m_player = new VLCMediaPlayer(m_backend->vlcInstance());
    m_player->registerEvents(&VLCSourceRenderer::eventCallback, this);
    m_player->disableTitleDisplay();
}

VLCSourceRenderer::~VLCSourceRenderer()
{
    m_player->unregisterEvents(&VLCSourceRenderer::eventCallback, this);
    delete m_media;
    m_player->stop();
    delete m_player;
}

QString VLCSourceRenderer::imemLocation(unsigned width, unsigned height, const QString &aspectRatio, float fps,
                                        const QString &chroma)
{
    return QStringLiteral("imem://width=%1:height=%2:dar=%3:fps=%4/1:cookie=0:codec=%5:cat=2:caching=0")
        .arg(width)
        .arg(height)
        .arg(aspectRatio)
        .arg(QString::number(fps, 'g'))
        .arg(chroma);
}

void VLCSourceRenderer::addLoggedOption(const QString &option)
{
    qDebug() << "option:" << option;
    m_options << option;
    if (m_media)
        m_media->addOption(option);
}

void VLCSourceRenderer::setupImem(void *data, ImemGetCallback getCallback, ImemReleaseCallback releaseCallback)
{
    m_optionFlags |= ImemInput;
    // libvlc takes the first without the colon as well; the order is the one it documents.
    for (const QString &option : {QStringLiteral("imem-get=%1").arg(functionText(getCallback)),
                                  QStringLiteral(":imem-release=%1").arg(functionText(releaseCallback)),
                                  QStringLiteral(":imem-data=%1").arg(pointerText(data))}) {
        m_options << option;
        if (m_media)
            m_media->addOption(option);
    }
}

void VLCSourceRenderer::setupSmem(void *data, SmemPrerenderCallback prerenderCallback,
                                  SmemPostrenderCallback postrenderCallback, bool timeSync)
{
    m_optionFlags |= SmemOutput;
    m_smemOptions = QStringLiteral(":smem{%1,video-data=%2,video-prerender-callback=%3,video-postrender-callback=%4}")
                        .arg(timeSync ? QStringLiteral("time-sync") : QStringLiteral("no-time-sync"),
                             pointerText(data), functionText(prerenderCallback), functionText(postrenderCallback));
    addLoggedOption(QStringLiteral(":no-audio"));
    addLoggedOption(QStringLiteral(":no-sout-audio"));
}

void VLCSourceRenderer::setOutputFile(const QString &path)
{
    m_optionFlags |= FileOutput;
    m_outputFile = path;
}

QString VLCSourceRenderer::soutOption() const
{
    if (m_optionFlags == 0 || m_optionFlags == ImemInput)
        return QString();
    QString option = QStringLiteral(":sout=#transcode{");
    if (m_optionFlags & (SmemOutput | FileOutput)) {
        if (!m_outputVideoCodec.isNull())
            option += QLatin1String(",vcodec=") + m_outputVideoCodec;
        if (m_outputVideoBitrate > 0)
            option += QLatin1String(",vb=") + QString::number(m_outputVideoBitrate);
        if (m_outputFps > 0.1f)
            option += QLatin1String(",fps=") + QString::number(m_outputFps, 'g', 6);
        if (m_outputWidth > 0)
            option += QLatin1String(",width=") + QString::number(m_outputWidth);
        if (m_outputHeight > 0)
            option += QLatin1String(",height=") + QString::number(m_outputHeight);
        if (!m_outputVideoEncoderOptions.isEmpty())
            option += QLatin1String(",venc=avcodec{") + m_outputVideoEncoderOptions + QLatin1Char('}');
    }
    option += QLatin1Char('}');
    if (m_optionFlags & FileOutput)
        option += QLatin1String(":standard{access=file,mux=avi,dst=") + quotedChainValue(m_outputFile) + QLatin1Char('}');
    option += m_smemOptions;
    return option;
}

void VLCSourceRenderer::start()
{
    if (m_media) {
        const QString sout = soutOption();
        if (!sout.isEmpty())
            addLoggedOption(sout);
        m_player->setMedia(m_media);
    }
    m_player->play();
    // The player holds its own reference to the media.
    delete m_media;
    m_media = nullptr;
}

void VLCSourceRenderer::stop()
{
    m_player->stop();
}

void VLCSourceRenderer::togglePause()
{
    m_player->pause();
}

void VLCSourceRenderer::setPause(bool pause)
{
    m_player->setPause(pause);
}

void VLCSourceRenderer::nextFrame()
{
    m_player->nextFrame();
}

void VLCSourceRenderer::setTime(qint64 ms)
{
    m_player->setTime(ms);
}

void VLCSourceRenderer::setPosition(float position)
{
    m_player->setPosition(position);
}

void VLCSourceRenderer::setRate(float rate)
{
    m_player->setRate(rate);
}

qint64 VLCSourceRenderer::getTime()
{
    return m_player->time();
}

void VLCSourceRenderer::setWindow(WId window)
{
    m_player->setWindow(window);
}

bool VLCSourceRenderer::takeSnapshot(const QString &path)
{
    return m_player->takeSnapshot(path, 0, 0);
}

void VLCSourceRenderer::eventCallback(const libvlc_event_t *event, void *renderer)
{
    VLCRendererEventWatcher *watcher = static_cast<VLCSourceRenderer *>(renderer)->m_watcher;
    if (!watcher)
        return;
    switch (event->type) {
    case libvlc_MediaPlayerPlaying:
        emit watcher->playing();
        break;
    case libvlc_MediaPlayerPaused:
        emit watcher->paused();
        break;
    case libvlc_MediaPlayerStopped:
        emit watcher->stopped();
        break;
    case libvlc_MediaPlayerEndReached:
        emit watcher->endReached();
        break;
    case libvlc_MediaPlayerEncounteredError:
        emit watcher->errorEncountered();
        break;
    case libvlc_MediaPlayerTimeChanged:
        emit watcher->timeChanged(event->u.media_player_time_changed.new_time);
        break;
    case libvlc_MediaPlayerPositionChanged:
        emit watcher->positionChanged(event->u.media_player_position_changed.new_position);
        break;
    case libvlc_MediaPlayerLengthChanged:
        emit watcher->lengthChanged(event->u.media_player_length_changed.new_length);
        break;
    default:
        break;
    }
}
