#pragma once

// Helpers shared by the burner tests: folders to burn, reading a written image back, and a
// keep-awake stand-in that logs instead of asking the system.

#include "project/burner/discdrive.h"
#include "project/burner/sleepinhibitor.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QStringList>
#include <QtTest>

namespace BurnTest {

using Tree = QMap<QString, QByteArray>; // relative file path -> contents

inline void writeTree(const QString &root, const Tree &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        QCOMPARE(file.write(it.value()), qint64(it.value().size()));
    }
}

// Every file below root (hidden ones included) with its contents.
inline Tree readTree(const QString &root)
{
    Tree tree;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            tree.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return tree;
}

// A file of the given size whose bytes differ from block to block, so that a block written in
// the wrong place shows.
inline QByteArray patterned(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + (i / 2048) * 7 + i % 251);
    return bytes;
}

// Extracts the whole image into target with the reader of the xorriso package.
inline bool extractImage(const QString &image, const QString &target, QString *output = nullptr)
{
    QProcess osirrox;
    osirrox.setProcessChannelMode(QProcess::MergedChannels);
    osirrox.start(QStringLiteral("osirrox"),
                  {QStringLiteral("-indev"), image, QStringLiteral("-extract"), QStringLiteral("/"),
                   target});
    const bool done = osirrox.waitForFinished(60000);
    if (output)
        *output = QString::fromLocal8Bit(osirrox.readAll());
    return done && osirrox.exitStatus() == QProcess::NormalExit && osirrox.exitCode() == 0;
}

// The volume names of an image: the ISO 9660 one (primary descriptor) and the Joliet one (the
// supplementary descriptor with a UCS-2 escape), as a reader of the disc shows them.
struct VolumeNames
{
    QString primary;
    QString joliet;
};

inline VolumeNames volumeNames(const QString &image)
{
    VolumeNames names;
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    for (int sector = 16; sector < 32; ++sector) {
        file.seek(qint64(sector) * 2048);
        const QByteArray descriptor = file.read(2048);
        if (descriptor.size() < 2048 || descriptor.mid(1, 5) != "CD001")
            break;
        const QByteArray id = descriptor.mid(40, 32);
        if (descriptor.at(0) == 1) {
            names.primary = QString::fromLatin1(id).trimmed();
        } else if (descriptor.at(0) == 2 && descriptor.mid(88, 2) == "%/") {
            QString text;
            for (int i = 0; i + 1 < id.size(); i += 2)
                text += QChar(ushort((uchar(id.at(i)) << 8) | uchar(id.at(i + 1))));
            names.joliet = text.trimmed();
        } else if (uchar(descriptor.at(0)) == 255) {
            break;
        }
    }
    return names;
}

// The drives are free again when the list of recorders can be made: libburn refuses to scan
// while a drive of an earlier grab is still held.
inline bool drivesReleased()
{
    Disc::Failure failure;
    Disc::recorders(&failure);
    return !failure.failed();
}

// Takes the place of the keep-awake lock while it lives and logs "take" and "release".
class InhibitorLog
{
public:
    InhibitorLog()
    {
        m_previous = SleepInhibitor::setFactory(
            [this] { return std::unique_ptr<SleepInhibitor>(new StandIn(this)); });
    }
    ~InhibitorLog() { SleepInhibitor::setFactory(m_previous); }
    InhibitorLog(const InhibitorLog &) = delete;
    InhibitorLog &operator=(const InhibitorLog &) = delete;

    QStringList entries() const
    {
        QMutexLocker lock(&m_mutex);
        return m_entries;
    }

private:
    class StandIn : public SleepInhibitor
    {
    public:
        explicit StandIn(InhibitorLog *log)
            : m_log(log)
        {
        }
        void take() override { m_log->add(QStringLiteral("take")); }
        void release() override { m_log->add(QStringLiteral("release")); }

    private:
        InhibitorLog *m_log;
    };

    void add(const QString &entry)
    {
        QMutexLocker lock(&m_mutex);
        m_entries << entry;
    }

    mutable QMutex m_mutex;
    QStringList m_entries;
    SleepInhibitor::Factory m_previous;
};

} // namespace BurnTest
