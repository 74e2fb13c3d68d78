#pragma once

#include <QObject>

class VideoFrame;

// Base of everything that hands out frames (renderers, clip workflows): the place where effects
// would run over each frame. The program has no effect kind, so the hooks leave every frame as
// it is; a caller treats a null result of applyFilters as "use the frame's own pixels".
class RenderEffectUser : public QObject
{
    Q_OBJECT

public:
    explicit RenderEffectUser(QObject *parent = nullptr);

    // Prepares the effects for frames of width x height.
    void initFilters();
    // The frame after the effects, in a new buffer the caller frees with delete[]; null when no
    // effect changed it (always, as no effect kind exists).
    quint8 *applyFilters(const VideoFrame *frame, qint64 currentFrame, double currentTimeMs);

    bool isInitialized() const { return m_initialized; }
    quint32 width() const { return m_width; }
    quint32 height() const { return m_height; }

protected:
    bool m_initialized = false;
    quint32 m_width = 0;
    quint32 m_height = 0;
};
