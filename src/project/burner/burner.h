#pragma once

#include "project/burner/disc.h"

#include <QStringList>
#include <QThread>

// Writes a list of folders as one disc: the contents of all folders merged at the disc root,
// under the volume name given, the disc closed afterwards. Runs as its own thread so that the
// user interface stays alive; reports progress through updateData and a failure through error
// (with the text to show the user). The drive is held only while the thread writes, and the
// medium is ejected at the end, whether the write worked or not.
class Burner : public QThread
{
    Q_OBJECT

public:
    explicit Burner(QObject *parent = nullptr);
    ~Burner() override;

    // What to write: once, before start().
    void setup(const QString &recorderId, const QString &name, const QStringList &paths);

signals:
    void error(QString err);
    void updateData(long currentAddress, long cnt, long currentTime, long remainingTime,
                    long totalTime);

protected:
    void run() override;

private:
    bool burn(Disc::Failure *failure);

    QString m_recorderId;
    QStringList m_paths;
    QString m_volumeName;
    bool m_ready = false; // set up and not yet run
};
