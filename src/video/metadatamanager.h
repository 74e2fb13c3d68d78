#pragma once

#include "video/singleton.h"

#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

class Media;

// Reads the properties of videos in the background, one at a time in the order they were
// queued. The thread runs while the queue has entries and starts again with the next one.
// Results go out through the media (metaDataComputed) or failedToCompute, both emitted on this
// thread; every pre-parse ends within a few seconds.
class MetaDataManager : public QThread, public Singleton<MetaDataManager>
{
    Q_OBJECT

public:
    // Queues media (from any thread).
    void computeMediaMetadata(Media *media);

    // Gives media up: it is deleted at once unless its pre-parse is running, then as soon as that
    // ends, and nothing more is reported for it. For callers that stop waiting for a result.
    void discard(Media *media);

    // Takes media out of the queue, waiting while its pre-parse runs; for Media's destructor.
    void remove(Media *media);

signals:
    // The pre-parse of media failed: the file cannot be played.
    void failedToCompute(Media *media);

protected:
    void run() override;

private:
    friend class Singleton<MetaDataManager>;
    MetaDataManager();

    QMutex m_mutex;
    QWaitCondition m_currentDone;
    QList<Media *> m_queue;
    Media *m_current = nullptr;
    bool m_currentDiscarded = false;
    bool m_running = false;
};
