#pragma once

#include "video/workflowrenderer.h"

#include <QTimer>

// Encodes the main workflow into an AVI file (MPEG-4 video at 720 x 576, 25 fps). The render
// ends when libvlc has written the workflow's last frame, when the player fails, or on stop();
// each way emits endReached and renderComplete once.
class WorkflowFileRenderer : public WorkflowRenderer
{
    Q_OBJECT

public:
    WorkflowFileRenderer(VLCBackend *backend, MainWorkflow *mainWorkflow, QObject *parent = nullptr);

    // Starts encoding into outputFile; frames are pulled as fast as the encoder takes them. A
    // widget, when given, shows the picture.
    void run(const QString &outputFile, quint32 width, quint32 height, double fps, quint32 bitrate, bool fullSpeed,
             QWidget *widget = nullptr);
    // Whether the player reported an error during the render.
    bool hasFailed() const { return m_failed; }

signals:
    void imageUpdated(const uchar *image);
    void frameChanged(qint64 frame);
    void renderComplete();
    void endReached();

public slots:
    void __frameChanged(qint64 frame, Global::FrameChangedReason reason);
    void stop() override;

protected:
    // One frame time for every frame: each frame handed out is one frame of the file.
    qint64 frameDuration(const VideoFrame *frame, double fps) const override;

private slots:
    void startEncoding();
    void workflowEnded();
    void playerFailed();

private:
    QTimer m_startTimer;
    bool m_ended = true;
    bool m_failed = false;
};
