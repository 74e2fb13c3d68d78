#pragma once

#include "foundation/global.h"
#include "video/rendereffectuser.h"

class QWidget;
class VLCRendererEventWatcher;
class VLCSourceRenderer;

// Base of the renderers, each of which drives one libvlc player for the user: the player, its
// events, the play state and the widget the picture goes to. Frame positions are counted from
// the beginning of what the renderer plays.
class GenericRenderer : public RenderEffectUser
{
    Q_OBJECT

public:
    explicit GenericRenderer(QObject *parent = nullptr);
    // Deletes the player (no events afterwards), then the event watcher.
    ~GenericRenderer() override;

    // The picture goes into this widget's native window (none: libvlc's own output).
    void setRenderWidget(QWidget *widget) { m_renderWidget = widget; }
    QWidget *renderWidget() const { return m_renderWidget; }

    bool isRendering() const { return m_isRendering; }
    bool isPaused() const { return m_paused; }

    virtual qint64 getLengthFrame() const = 0;
    virtual qint64 getLengthMs() const = 0;
    virtual qint64 getCurrentFrame() const = 0;
    virtual float getFps() const = 0;

signals:
    void frameChanged(qint64 newFrame, Global::FrameChangedReason reason);

public slots:
    virtual void togglePlayPause() = 0;
    virtual void nextFrame() = 0;
    virtual void previousFrame() = 0;
    virtual void stop() = 0;
    // Moves playback to a frame chosen in the preview.
    virtual void previewWidgetCursorChanged(qint64 newFrame) = 0;

protected:
    // Hands the render widget's window to the source renderer; nothing without a widget or
    // where videos cannot be shown in windows.
    void bindRenderWidget();

    bool m_isRendering = false;
    VLCSourceRenderer *m_sourceRenderer = nullptr;
    VLCRendererEventWatcher *m_eventWatcher;
    bool m_paused = false;
    QWidget *m_renderWidget = nullptr;
};
