#pragma once

#include <QObject>
#include <QUuid>

// Something placed on a workflow track between two frames, with an identity.
class Helper : public QObject
{
    Q_OBJECT

public:
    // A null uuidText gives a new identity.
    Helper(qint64 begin, qint64 end, const QString &uuidText = QString());

    virtual const QUuid &uuid() const { return m_uuid; }
    virtual qint64 begin() const { return m_begin; }
    virtual qint64 end() const { return m_end; }
    virtual void setBegin(qint64 begin);
    virtual void setEnd(qint64 end);
    virtual qint64 length() const { return m_end - m_begin; }
    virtual void setBoundaries(qint64 begin, qint64 end);

signals:
    void lengthUpdated();
    void destroyed(const QUuid &uuid);

protected:
    qint64 m_begin;
    qint64 m_end;
    QUuid m_uuid;
};
