#pragma once

#include <QObject>
#include <QUuid>

class Media;

// A stretch of a media counted in frames. A clip made before its media's properties are known
// (end 0) takes the whole media once they are.
class Clip : public QObject
{
    Q_OBJECT

public:
    // Takes media over. end -1 means to the end of the media; an empty uuidText gives the clip
    // a new identity.
    Clip(Media *media, qint64 begin, qint64 end, const QString &uuidText = QString());
    // Emits unloaded, then deletes the media.
    ~Clip() override;

    Media *getMedia() const { return m_media; }
    qint64 begin() const { return m_begin; }
    qint64 end() const { return m_end; }
    // In frames.
    qint64 getLength() const { return m_length; }
    // The length in whole seconds, rounded.
    qint64 getLengthSeconds() const { return m_lengthSeconds; }
    const QUuid &getUuid() const { return m_uuid; }

signals:
    void unloaded(const QUuid &uuid);

public slots:
    void mediaMetadataUpdated();

private:
    void computeLength();

    Media *m_media;
    qint64 m_begin;
    qint64 m_end;
    qint64 m_length = 0;
    qint64 m_lengthSeconds = 0;
    QUuid m_uuid;
};
