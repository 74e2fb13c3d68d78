#pragma once

#include <QMutex>
#include <QVector>
#include <QWaitCondition>

#include <vlc/vlc.h>

class VLCMediaPlayer;

// Lets a thread block until a player reports one of the awaited events. The end of the media and
// a player error end every wait early, whatever is awaited. Set the awaited types and the
// predicate before starting what should cause the event; destroy the waiter before its player.
//
// Events count from construction on: a wake that comes before wait() is remembered. The waiting
// thread never holds the waiter's lock outside wait(), so libvlc's thread, which calls back
// while it holds the player's event lock, never waits for a thread that may be calling libvlc.
class VLCEventWaiter
{
public:
    enum WaitResult { Success = 0, Timeout = 1 };
    // Decides whether an awaited event counts (for example a length above 0).
    using Predicate = bool (*)(const libvlc_event_t *event);

    explicit VLCEventWaiter(VLCMediaPlayer *player);
    ~VLCEventWaiter();
    VLCEventWaiter(const VLCEventWaiter &) = delete;
    VLCEventWaiter &operator=(const VLCEventWaiter &) = delete;

    void add(int eventType);
    void setValidationCallback(Predicate predicate);

    // Success once an awaited event (or the end, or an error) came, Timeout after timeoutMs.
    WaitResult wait(int timeoutMs);

    // libvlc's callback; runs on libvlc's event thread.
    static void eventCallback(const libvlc_event_t *event, void *waiter);

private:
    VLCMediaPlayer *m_player;
    QVector<int> m_types;
    QWaitCondition m_condition;
    QMutex m_mutex;
    Predicate m_predicate = nullptr;
    bool m_woken = false;
};
