#pragma once

#include "foundation/global.h"
#include "model/overlaypages.h"

#include <QObject>
#include <QString>

#include <memory>

class BlendingThread;
class Clip;
class ClipWorkflow;
class ClipHelper;
class MainWorkflow;
class WorkflowFileRenderer;

// Writes a finalized copy of an inspection video beside it: "<name>_finalized.avi", MPEG-4
// video at 720 x 576, 25 frames per second, 200 kbit/s, holding every frame the video's decoder
// delivers. A video whose decoder ends well before the length it announces (a file cut off) is
// reported as unreadable.
// finalize() reads the video's properties (running a local event loop meanwhile), starts the
// encode and returns; positionChanged reports the percentage done, and finished comes exactly
// once, always from the event loop, whether the run succeeded or not. The copy is encoded under a
// temporary name and replaces an earlier one only when complete.
class VideoFinalyzer : public QObject
{
    Q_OBJECT

public:
    VideoFinalyzer(const QString &path, const OverlayPages &overlay, QObject *parent = nullptr);
    ~VideoFinalyzer() override;

    // "%1/%2_finalized.avi": the source's absolute folder and its name without the last suffix.
    static QString outputPath(const QString &path);
    // frame as percent of nbFrames (64-bit integer division), within 0 to 100.
    static int progress(qint64 frame, qint64 nbFrames);

    // After finished: whether the finalized file was written, and if not, why (German).
    bool succeeded() const { return m_succeeded; }
    QString errorString() const { return m_errorString; }
    // The encoder of the running or last run (null before); for tests that inject failures.
    WorkflowFileRenderer *renderer() const { return m_renderer.get(); }
    // The decoder of the running or last run (null before); for the same tests.
    ClipWorkflow *clipWorkflow() const { return m_clipWorkflow; }

signals:
    void positionChanged(int pos);
    void finished();

public slots:
    void finalize();
    void renderFrameChanged(qint64 frame, Global::FrameChangedReason reason);

private slots:
    void renderComplete();

private:
    void fail(const QString &reason);
    void finish();
    void release();
    void removeTemporary();

    QString m_path;
    qint64 m_nbFrames = 1;
    int m_lastPosition = -1;
    bool m_running = false;
    bool m_succeeded = false;
    bool m_clipFailed = false;
    QString m_errorString;
    QString m_outputFile;
    QString m_temporaryFile;
    BlendingThread *m_blendingThread;
    ClipWorkflow *m_clipWorkflow = nullptr;
    std::unique_ptr<WorkflowFileRenderer> m_renderer;
    std::unique_ptr<MainWorkflow> m_mainWorkflow;
    std::unique_ptr<ClipHelper> m_clipHelper;
    std::unique_ptr<Clip> m_clip;
};
