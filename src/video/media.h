#pragma once

#include <QAtomicInt>
#include <QFileInfo>
#include <QObject>
#include <QString>

class Clip;
class QImage;
class VLCSource;

// One video file known to the program. Its properties are read in the background: the media
// queues itself with the MetaDataManager when it is made, and reports the result with
// metaDataComputed (or the manager's failedToCompute). Both are emitted on the metadata thread.
//
// A caller that waits for the result connects first and then looks at metaDataState(): the
// pre-parse may have ended before the connection existed.
class Media : public QObject
{
    Q_OBJECT

public:
    enum MetaDataState { Pending, Computed, Failed };

    explicit Media(const QString &path);
    // Waits for a pre-parse of this media that is running right now (at most a few seconds);
    // prefer MetaDataManager::discard for a media that may still be in work.
    ~Media() override;

    VLCSource *getSource() const { return m_source; }
    QString getFileName() const { return m_fileName; }
    const QFileInfo &getFileInfo() const { return m_fileInfo; }
    // The file's location as a percent-encoded file URL.
    QString getMrl() const { return m_mrl; }

    // The clip that covers the whole media, set by whoever made it; not owned.
    void setBaseClip(Clip *clip) { m_baseClip = clip; }
    Clip *baseClip() const { return m_baseClip; }

    // The thumbnail (320 x 180) once snapshotAvailable came; null before and without one.
    QImage *getSnapshotImage() const { return m_snapshotImage; }

    MetaDataState metaDataState() const { return static_cast<MetaDataState>(m_state.loadAcquire()); }

    // Called by the metadata thread when the pre-parse ended.
    void emitMetaDataComputed();
    void setFailed();

signals:
    void metaDataComputed();
    void snapshotAvailable();

private:
    VLCSource *m_source = nullptr;
    QString m_fileName;
    QFileInfo m_fileInfo;
    QString m_mrl;
    Clip *m_baseClip = nullptr;
    QImage *m_snapshotImage = nullptr;
    QAtomicInt m_state{Pending};
};
