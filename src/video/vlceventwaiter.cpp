#include "video/vlceventwaiter.h"

#include "video/vlcmediaplayer.h"

#include <QDeadlineTimer>

VLCEventWaiter::VLCEventWaiter(VLCMediaPlayer *player)
    : m_player(player)
{
    m_player->registerEvents(&VLCEventWaiter::eventCallback, this);
}

VLCEventWaiter::~VLCEventWaiter()
{
    // libvlc's detach returns only once a callback running on this waiter has ended.
    m_player->unregisterEvents(&VLCEventWaiter::eventCallback, this);
}

void VLCEventWaiter::add(int eventType)
{
    QMutexLocker lock(&m_mutex); // events already come in
    m_types << eventType;
}

void VLCEventWaiter::setValidationCallback(Predicate predicate)
{
    QMutexLocker lock(&m_mutex);
    m_predicate = predicate;
}

VLCEventWaiter::WaitResult VLCEventWaiter::wait(int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_woken) {
        if (!m_condition.wait(&m_mutex, deadline))
            break;
    }
    return m_woken ? Success : Timeout;
}

void VLCEventWaiter::eventCallback(const libvlc_event_t *event, void *waiter)
{
    auto *self = static_cast<VLCEventWaiter *>(waiter);
    QMutexLocker lock(&self->m_mutex);
    bool wake;
    if (self->m_types.contains(event->type))
        wake = !self->m_predicate || self->m_predicate(event);
    else
        wake = event->type == libvlc_MediaPlayerEndReached || event->type == libvlc_MediaPlayerEncounteredError;
    if (wake) {
        self->m_woken = true;
        self->m_condition.wakeAll();
    }
}
