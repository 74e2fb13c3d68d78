#include "video/videofinalyzer.h"

#include "video/blendingthread.h"
#include "video/clip.h"
#include "video/cliphelper.h"
#include "video/mainworkflow.h"
#include "video/media.h"
#include "video/metadatamanager.h"
#include "video/trackworkflow.h"
#include "video/videoclipworkflow.h"
#include "video/vlcbackend.h"
#include "video/vlcsource.h"
#include "video/workflowfilerenderer.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTime>
#include <QTimer>

#include <cmath>
#include <cstdio>

#include <sys/stat.h>

namespace {

// Reading a video's properties ends within a few seconds; this is only a last resort.
const int kMetadataTimeoutMs = 30000;
// An encode never has to wait for a frame that is merely slow to decode.
const int kFrameWaitMs = 10000;
// How many frames fewer than libvlc's length announces the decoder may deliver: the length it
// reads from an MPEG program stream's time stamps is a few frames off.
const qint64 kMissingFramesTolerated = 25;
// The frames' pixel format from decoder to encoder: MPEG decoders and the MPEG-4 encoder work in it.
const QLatin1String kChroma("I420");

// The process's file creation mask, read without changing it (umask() can only set it, and
// another thread might create a file meanwhile).
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return static_cast<mode_t>(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 022;
}

// frames at the delivered rate as "hh:mm:ss".
QString timeText(qint64 frames)
{
    const qint64 ms = std::llround(static_cast<double>(frames) * 1000.0 / VideoClipWorkflow::kOutputFps);
    return QTime(0, 0).addMSecs(static_cast<int>(ms)).toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

VideoFinalyzer::VideoFinalyzer(const QString &path, const OverlayPages &overlay, QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_blendingThread(new BlendingThread(overlay, this))
{
}

VideoFinalyzer::~VideoFinalyzer()
{
    release();
    removeTemporary();
}

QString VideoFinalyzer::outputPath(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1/%2_finalized.avi").arg(info.absolutePath(), info.completeBaseName());
}

int VideoFinalyzer::progress(qint64 frame, qint64 nbFrames)
{
    if (nbFrames <= 0)
        return 0;
    return static_cast<int>(qBound<qint64>(0, frame * 100 / nbFrames, 100));
}

void VideoFinalyzer::release()
{
    // The encoder stops the clips first; the clip and its media go last.
    m_renderer.reset();
    m_clipWorkflow = nullptr;
    m_mainWorkflow.reset();
    m_clipHelper.reset();
    m_clip.reset();
}

void VideoFinalyzer::removeTemporary()
{
    if (!m_temporaryFile.isEmpty())
        QFile::remove(m_temporaryFile);
    m_temporaryFile.clear();
}

void VideoFinalyzer::fail(const QString &reason)
{
    qDebug() << "finalize failed:" << reason;
    m_succeeded = false;
    m_errorString = reason;
    // An earlier finalized file stays as it was.
    removeTemporary();
    finish();
}

void VideoFinalyzer::finish()
{
    m_running = false;
    // From the event loop: the caller starts waiting for it only after finalize() returns.
    QMetaObject::invokeMethod(this, &VideoFinalyzer::finished, Qt::QueuedConnection);
}

void VideoFinalyzer::finalize()
{
    if (m_running)
        return;
    m_running = true;
    m_succeeded = false;
    m_errorString.clear();
    m_clipFailed = false;
    m_lastPosition = -1;
    release();
    removeTemporary();
    if (m_path.isNull() || !QFileInfo(m_path).isFile()) {
        fail(tr("Die Videodatei wurde nicht gefunden."));
        return;
    }
    m_outputFile = outputPath(m_path);

    // A name of our own beside the target, which also shows that the folder can be written.
    QTemporaryFile temporary(QStringLiteral("%1/.%2.XXXXXX.avi").arg(QFileInfo(m_outputFile).absolutePath(),
                                                                     QFileInfo(m_outputFile).completeBaseName()));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        fail(tr("Im Ordner des Videos kann nicht geschrieben werden."));
        return;
    }
    m_temporaryFile = temporary.fileName();
    temporary.close();

    auto *media = new Media(m_path);
    {
        QEventLoop loop;
        connect(media, &Media::metaDataComputed, &loop, &QEventLoop::quit);
        connect(MetaDataManager::getInstance(), &MetaDataManager::failedToCompute, &loop, [&loop, media](Media *failed) {
            if (failed == media)
                loop.quit();
        });
        QTimer::singleShot(kMetadataTimeoutMs, &loop, &QEventLoop::quit);
        // The result may have come before the connections existed.
        if (media->metaDataState() == Media::Pending)
            loop.exec();
    }
    if (media->metaDataState() != Media::Computed) {
        MetaDataManager::getInstance()->discard(media);
        fail(tr("Die Videodatei kann nicht gelesen werden."));
        return;
    }
    VLCSource *source = media->getSource();
    if (source->getFps() < 0.1f) {
        delete media;
        fail(tr("Die Bildrate der Videodatei ist unbekannt."));
        return;
    }
    m_clip = std::make_unique<Clip>(media, 0, -1);
    media->setBaseClip(m_clip.get());
    // The frames expected at 25 frames per second. Every frame the decoder delivers is encoded,
    // also past that estimate.
    m_nbFrames = VLCSource::frameCount(source->getLength(), VideoClipWorkflow::kOutputFps);
    if (source->getLength() < 1000) {
        fail(tr("Das Video ist kürzer als eine Sekunde."));
        return;
    }

    m_clipHelper = std::make_unique<ClipHelper>(m_clip.get(), -1, -1);
    auto *clipWorkflow = new VideoClipWorkflow(m_clipHelper.get());
    clipWorkflow->setFrameWaitMs(kFrameWaitMs);
    clipWorkflow->setRunsToDecoderEnd(true);
    // No effect is drawn on the frames: they pass in the decoder's own format.
    clipWorkflow->setChroma(kChroma);
    connect(clipWorkflow, &ClipWorkflow::error, this, [this] { m_clipFailed = true; });
    m_clipWorkflow = clipWorkflow;
    m_mainWorkflow = std::make_unique<MainWorkflow>(1);
    m_mainWorkflow->setChroma(kChroma);
    m_mainWorkflow->getTrack(0)->addClip(clipWorkflow, 0);

    m_renderer = std::make_unique<WorkflowFileRenderer>(VLCBackend::getInstance(), m_mainWorkflow.get());
    connect(m_renderer.get(), &WorkflowFileRenderer::renderComplete, this, &VideoFinalyzer::renderComplete);
    connect(m_renderer.get(), &GenericRenderer::frameChanged, this, &VideoFinalyzer::renderFrameChanged);
    connect(m_renderer.get(), &GenericRenderer::frameChanged, m_blendingThread, &BlendingThread::renderFrameChanged);
    if (!m_blendingThread->isRunning())
        m_blendingThread->start(QThread::InheritPriority);
    // The clip workflow delivers 720 x 576 at 25 fps whatever the source's size and rate, so that
    // is what the memory input declares, shown in the source's shape.
    m_renderer->setDisplayAspectRatio(source->displayAspectRatio());
    m_renderer->setChroma(kChroma);
    m_renderer->run(m_temporaryFile, VideoClipWorkflow::kWidth, VideoClipWorkflow::kHeight,
                    VideoClipWorkflow::kOutputFps, 200, false, nullptr);
}

void VideoFinalyzer::renderFrameChanged(qint64 frame, Global::FrameChangedReason)
{
    if (!m_running)
        return;
    // The workflow goes back to frame 0 when it stops: progress only grows.
    const int position = progress(frame, m_nbFrames);
    if (position <= m_lastPosition)
        return;
    m_lastPosition = position;
    emit positionChanged(position);
}

void VideoFinalyzer::renderComplete()
{
    if (!m_running)
        return;
    if (m_clipFailed) {
        fail(tr("Beim Lesen des Videos ist ein Fehler aufgetreten."));
        return;
    }
    // A file cut off (a camera card pulled out while it was written) may still announce its
    // whole length; its decoder ends early.
    const qint64 delivered = m_clipWorkflow->deliveredFrames();
    if (delivered < m_nbFrames - kMissingFramesTolerated) {
        fail(tr("Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.")
                 .arg(timeText(delivered), timeText(m_nbFrames)));
        return;
    }
    if (m_renderer->hasFailed() || QFileInfo(m_temporaryFile).size() <= 0) {
        fail(tr("Beim Schreiben des Videos ist ein Fehler aufgetreten."));
        return;
    }
    // The temporary file is the owner's alone; the finalized one is shared like any new file.
    ::chmod(QFile::encodeName(m_temporaryFile).constData(), 0666 & ~currentUmask());
    // rename() replaces an earlier finalized file in one step.
    if (std::rename(QFile::encodeName(m_temporaryFile).constData(), QFile::encodeName(m_outputFile).constData()) != 0) {
        fail(tr("Das fertige Video kann nicht gespeichert werden."));
        return;
    }
    m_temporaryFile.clear();
    if (m_lastPosition < 100) {
        m_lastPosition = 100;
        emit positionChanged(100);
    }
    m_succeeded = true;
    finish();
}
