#pragma once

#include "foundation/global.h"
#include "model/overlaypages.h"

#include <QThread>

// Runs beside a finalize and hears of every rendered frame, to draw the overlay pages into the
// video one day. No drawing exists yet: the slot does nothing.
class BlendingThread : public QThread
{
    Q_OBJECT

public:
    BlendingThread(const OverlayPages &overlay, QObject *parent = nullptr);
    // Ends the thread's event loop and waits for it.
    ~BlendingThread() override;

    const OverlayPages &overlay() const { return m_overlay; }

public slots:
    void renderFrameChanged(qint64 frame, Global::FrameChangedReason reason);

private:
    OverlayPages m_overlay;
};
