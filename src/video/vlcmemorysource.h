#pragma once

#include <QString>

class VLCBackend;
class VLCRendererEventWatcher;
class VLCSourceRenderer;

// Frames the program produces itself, fed to libvlc through its memory input ("imem"): the
// picture size, rate and aspect ratio the input declares.
class VLCMemorySource
{
public:
    explicit VLCMemorySource(VLCBackend *backend);

    void setWidth(unsigned width) { m_width = width; }
    void setHeight(unsigned height) { m_height = height; }
    void setFps(float fps) { m_fps = fps; }
    // A ratio libvlc reads, such as "5/4".
    void setAspectRatio(const QString &ratio) { m_aspectRatio = ratio; }
    // The pixel format of the frames, a libvlc chroma ("RV32", the default, or "I420").
    void setChroma(const QString &chroma) { m_chroma = chroma; }
    QString getChroma() const { return m_chroma; }
    unsigned getWidth() const { return m_width; }
    unsigned getHeight() const { return m_height; }
    float getFps() const { return m_fps; }
    QString getAspectRatio() const { return m_aspectRatio; }

    // A new renderer reading this input (the caller owns it and sets up its callbacks).
    VLCSourceRenderer *createRenderer(VLCRendererEventWatcher *watcher);

private:
    VLCBackend *m_backend;
    unsigned m_width = 0;
    unsigned m_height = 0;
    float m_fps = 0.0f;
    QString m_aspectRatio;
    QString m_chroma = QStringLiteral("RV32");
};
