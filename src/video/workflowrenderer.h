#pragma once

#include "video/genericrenderer.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>

class MainWorkflow;
class VLCBackend;
class VLCMemorySource;

// Plays the main workflow: libvlc pulls its frames through the memory input, and each pull is
// answered with the main workflow's picture at the current frame, which then moves on. The
// output is fixed at 720 x 576, 25 fps, shown at 5/4 unless another display aspect ratio is set.
class WorkflowRenderer : public GenericRenderer
{
    Q_OBJECT

public:
    // The record libvlc's memory input hands back to the callbacks.
    struct EsHandler
    {
        WorkflowRenderer *renderer;
        double fps;
    };

    using LockCallback = int (*)(void *data, const char *cookie, int64_t *dts, int64_t *pts, unsigned *flags,
                                 size_t *bufferSize, void **buffer);
    using UnlockCallback = void (*)(void *data, const char *cookie, size_t bufferSize, void *buffer);

    WorkflowRenderer(VLCBackend *backend, MainWorkflow *mainWorkflow, QObject *parent = nullptr);
    // Stops, then frees the memory input.
    ~WorkflowRenderer() override;

    // Sets up the memory input for frames of width x height at fps and a new player reading it.
    void initializeRenderer(quint32 width, quint32 height, float fps);
    // The shape the frames are shown in, as "width/height" ("4/3"); empty means square pixels
    // (5/4 for 720 x 576). Taken by the next initializeRenderer.
    void setDisplayAspectRatio(const QString &ratio) { m_displayAspectRatio = ratio; }
    // The pixel format the workflow's frames come in ("RV32", the default, or "I420"); taken by
    // the next initializeRenderer.
    void setChroma(const QString &chroma) { m_chroma = chroma; }

    qint64 getLengthFrame() const override;
    qint64 getLengthMs() const override;
    qint64 getCurrentFrame() const override;
    float getFps() const override { return m_outputFps; }

    virtual LockCallback getLockCallback() const;
    virtual UnlockCallback getUnlockCallback() const;
    // The value the memory input hands to the callbacks.
    void *imemData() { return &m_esHandler; }
    quint32 outputWidth() const { return 720; }
    quint32 outputHeight() const { return 576; }
    float outputFps() const { return 25.0f; }
    VLCRendererEventWatcher *eventWatcher() const { return m_eventWatcher; }

public slots:
    // Plays the workflow from its current frame; nothing when it is empty.
    virtual void startPreview();
    void togglePlayPause() override;
    void nextFrame() override;
    void previousFrame() override;
    void stop() override;
    void timelineCursorChanged(qint64 newFrame);
    void rulerCursorChanged(qint64 newFrame);
    void previewWidgetCursorChanged(qint64 newFrame) override;
    void mainWorkflowLenghtChanged(qint64 newLength);

protected:
    // Answers one pull: 0 with the picture in buffer (size 0 and no buffer when there is none),
    // 1 when the stream ends (stopping, or the workflow is through).
    int lockVideo(EsHandler *handler, int64_t *pts, size_t *bufferSize, void **buffer);
    // Stops rendering: the clips first, so a frame wait of the input thread ends, then the player.
    void stopRendering();
    // How far frame's time stamp lies after the previous one, in microseconds: the spacing the
    // decoder measured, or one frame time when it measured none.
    virtual qint64 frameDuration(const VideoFrame *frame, double fps) const;

    MainWorkflow *m_mainWorkflow;
    VLCMemorySource *m_memorySource;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_pausedFlag{false};
    // Whether one more (black) frame follows the workflow's last before the stream ends.
    std::atomic<bool> m_closingFrameDue{false};
    float m_outputFps = 0.0f;
    QString m_aspectRatio;
    QString m_displayAspectRatio;
    QString m_chroma = QStringLiteral("RV32");
    EsHandler m_esHandler;
    int64_t m_pts = 0;
    quint8 *m_effectsBuffer = nullptr;

private:
    static int lock(void *data, const char *cookie, int64_t *dts, int64_t *pts, unsigned *flags, size_t *bufferSize,
                    void **buffer);
    static void unlock(void *data, const char *cookie, size_t bufferSize, void *buffer);
};
