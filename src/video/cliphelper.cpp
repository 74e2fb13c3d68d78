#include "video/cliphelper.h"

#include "video/clip.h"

#include <QDebug>

ClipHelper::ClipHelper(Clip *clip, qint64 begin, qint64 end, const QString &uuidText)
    : Helper(begin == -1 ? clip->begin() : begin, end == -1 ? clip->end() : end, uuidText)
    , m_clip(clip)
{
    connect(clip, &QObject::destroyed, this, &ClipHelper::clipDestroyed);
}

void ClipHelper::setBegin(qint64 begin)
{
    if (!m_clip || begin < m_clip->begin())
        return;
    Helper::setBegin(begin);
}

void ClipHelper::setEnd(qint64 end)
{
    if (!m_clip || end > m_clip->end())
        return;
    Helper::setEnd(end);
}

void ClipHelper::clipDestroyed()
{
    m_clip = nullptr;
    emit destroyed(m_uuid);
    deleteLater();
    qDebug("clip destroyed");
}
