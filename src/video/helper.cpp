#include "video/helper.h"

Helper::Helper(qint64 begin, qint64 end, const QString &uuidText)
    : m_begin(begin)
    , m_end(end)
    , m_uuid(uuidText.isNull() ? QUuid::createUuid() : QUuid(uuidText))
{
}

void Helper::setBegin(qint64 begin)
{
    m_begin = begin;
    emit lengthUpdated();
}

void Helper::setEnd(qint64 end)
{
    m_end = end;
    emit lengthUpdated();
}

void Helper::setBoundaries(qint64 begin, qint64 end)
{
    m_begin = begin;
    m_end = end;
    emit lengthUpdated();
}
