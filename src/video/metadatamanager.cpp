#include "video/metadatamanager.h"

#include "video/media.h"
#include "video/vlcsource.h"

#include <QDebug>

MetaDataManager::MetaDataManager()
{
    // failedToCompute is queued to the GUI thread, also through connections made by name.
    qRegisterMetaType<Media *>("Media*");
}

void MetaDataManager::computeMediaMetadata(Media *media)
{
    QMutexLocker lock(&m_mutex);
    m_queue.append(media);
    if (m_running)
        return;
    m_running = true;
    // A run that has just found its queue empty may not have returned yet; start() would then
    // do nothing and leave this media waiting.
    wait();
    start(QThread::InheritPriority);
}

void MetaDataManager::discard(Media *media)
{
    QMutexLocker lock(&m_mutex);
    if (media == m_current) {
        m_currentDiscarded = true;
        return;
    }
    m_queue.removeAll(media);
    lock.unlock();
    delete media;
}

void MetaDataManager::remove(Media *media)
{
    QMutexLocker lock(&m_mutex);
    m_queue.removeAll(media);
    while (media == m_current)
        m_currentDone.wait(&m_mutex);
}

void MetaDataManager::run()
{
    QMutexLocker lock(&m_mutex);
    while (!m_queue.isEmpty()) {
        Media *media = m_queue.takeFirst();
        m_current = media;
        m_currentDiscarded = false;
        // The queue stays open while a file is read: queuing from the GUI thread never waits.
        lock.unlock();
        const bool parsed = media->getSource()->preparse();
        lock.relock();
        if (!m_currentDiscarded) {
            // While it is the current media, nobody deletes it.
            lock.unlock();
            if (parsed) {
                media->emitMetaDataComputed();
            } else {
                qDebug("preparse failed");
                media->setFailed();
                emit failedToCompute(media);
            }
            lock.relock();
        }
        // Given up before or while its result went out.
        if (m_currentDiscarded)
            media->deleteLater();
        m_current = nullptr;
        m_currentDone.wakeAll();
    }
    m_running = false;
}
