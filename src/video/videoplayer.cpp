#include "video/videoplayer.h"

#include "foundation/atomicfile.h"
#include "foundation/progressdialog.h"
#include "video/clip.h"
#include "video/cliprenderer.h"
#include "video/media.h"
#include "video/metadatamanager.h"

#include <QBuffer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

const double kMaxRate = 16.0;

} // namespace

VideoPlayer::VideoPlayer(QWidget *videoWidget, QObject *parent)
    : QObject(parent)
    , m_clipRenderer(new ClipRenderer)
    , m_videoWidget(videoWidget)
{
    m_clipRenderer->setRenderWidget(videoWidget);
    connect(m_clipRenderer, &ClipRenderer::frameChanged, this, &VideoPlayer::frameChanged);
    connect(m_clipRenderer, &ClipRenderer::stopped, this, &VideoPlayer::stopped);
}

VideoPlayer::~VideoPlayer()
{
    delete m_clipRenderer;
    delete m_clip;
}

void VideoPlayer::setFile(const QString &path)
{
    m_clipRenderer->setClip(nullptr);
    delete m_clip;
    m_clip = nullptr;
    m_filePath.clear();
    if (QFileInfo(path).isFile())
        m_filePath = path;
}

bool VideoPlayer::load()
{
    const QString path = m_filePath;
    QPointer<VideoPlayer> self(this);
    QPointer<ProgressDialog> dialog = new ProgressDialog(m_videoWidget ? m_videoWidget->window() : nullptr);
    dialog->hideFineProgress();
    dialog->setMaximum(0);
    dialog->setText(tr("Video wird geladen..."));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();

    m_loading = true;
    Media *media = new Media(path);
    QEventLoop loop;
    connect(media, &Media::metaDataComputed, &loop, &QEventLoop::quit);
    connect(MetaDataManager::getInstance(), &MetaDataManager::failedToCompute, &loop, [&loop, media](Media *failed) {
        if (failed == media)
            loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kLoadLimitMs);
    // Connected first, then asked: the result may have come before the connections.
    if (media->metaDataState() == Media::Pending)
        loop.exec();

    delete dialog;
    if (!self) {
        MetaDataManager::getInstance()->discard(media);
        return false;
    }
    m_loading = false;
    // Failed, timed out, or another file was chosen meanwhile.
    if (media->metaDataState() != Media::Computed || path != m_filePath || m_clip) {
        MetaDataManager::getInstance()->discard(media);
        return false;
    }
    m_clip = new Clip(media, 0, -1);
    media->setBaseClip(m_clip);
    m_clipRenderer->setClip(m_clip);
    emit lengthChanged(length());
    return true;
}

void VideoPlayer::play()
{
    if (m_loading)
        return;
    if (!m_clip && !m_filePath.isEmpty()) {
        const QString path = m_filePath;
        QPointer<VideoPlayer> self(this);
        const bool loaded = load();
        if (!self)
            return;
        if (!loaded) {
            emit loadFailed(path);
            return;
        }
    }
    if (m_clip)
        m_clipRenderer->togglePlayPause();
}

void VideoPlayer::pause()
{
    if (m_clip)
        m_clipRenderer->togglePlayPause();
}

void VideoPlayer::stop()
{
    if (m_clip)
        m_clipRenderer->stop();
}

void VideoPlayer::faster()
{
    if (!m_clip)
        return;
    m_rate = std::min(m_rate + 1.0, kMaxRate);
    m_clipRenderer->setRate(static_cast<float>(m_rate));
}

void VideoPlayer::slower()
{
    if (!m_clip)
        return;
    m_rate = std::max(m_rate - 1.0, 1.0);
    m_clipRenderer->setRate(static_cast<float>(m_rate));
}

void VideoPlayer::seek(const QTime &time)
{
    if (!m_clip || !time.isValid())
        return;
    const qint64 wholeSeconds = QTime(0, 0).secsTo(time);
    // The first frame of that second: rounded up, so the renderer, which counts the frame back
    // into whole seconds, lands on the same second at rates such as 29.97 too.
    m_clipRenderer->previewWidgetCursorChanged(static_cast<qint64>(std::ceil(wholeSeconds * m_clipRenderer->getFps())));
}

void VideoPlayer::seekRelative(qint64 ms)
{
    if (!m_clip)
        return;
    m_rate = 1.0;
    m_clipRenderer->setRate(1.0f);
    // In milliseconds: a QTime would wrap from before midnight to the end of the day.
    const qint64 current = QTime(0, 0).msecsTo(position());
    const qint64 target = std::clamp<qint64>(current + ms, 0, m_clipRenderer->getLengthMs());
    seek(QTime(0, 0).addMSecs(static_cast<int>(target)));
    // While paused no time reports come, and the label would keep the old position.
    updatePosition();
}

QTime VideoPlayer::timeOf(double ms) const
{
    return QTime(0, 0).addMSecs(static_cast<int>(ms));
}

QTime VideoPlayer::position() const
{
    if (!m_clip)
        return QTime();
    return timeOf(m_clipRenderer->getCurrentFrame() * 1000.0 / m_clipRenderer->getFps());
}

QTime VideoPlayer::length() const
{
    if (!m_clip)
        return QTime();
    return timeOf(m_clipRenderer->getLengthMs());
}

void VideoPlayer::updatePosition()
{
    emit positionChanged(position());
    emit lengthChanged(length());
}

void VideoPlayer::frameChanged(qint64 newFrame, Global::FrameChangedReason)
{
    if (m_clip)
        emit positionChanged(timeOf(newFrame * 1000.0 / m_clipRenderer->getFps()));
}

bool VideoPlayer::snapshot(const QString &path)
{
    if (!m_clip || !QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return false;
    // libvlc writes PNG whatever the name says; the picture is converted from a private copy.
    QTemporaryDir folder;
    const QString png = folder.path() + QStringLiteral("/snapshot.png");
    if (!folder.isValid())
        return false;
    // libvlc gives up when no picture is ready within half a second, as right after a seek on a
    // slow machine, and says so only in its log: the file is then missing. A picture is on its
    // way by then.
    bool taken = false;
    for (int attempt = 0; attempt < 3 && !taken; ++attempt)
        taken = m_clipRenderer->takeSnapshot(png) && QFileInfo::exists(png);
    if (!taken)
        return false;
    const QImage picture(png, "PNG");
    if (picture.isNull())
        return false;
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        return false;
    return AtomicFile::writeFile(path, bytes);
}
