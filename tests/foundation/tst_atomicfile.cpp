#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace TestFiles;

namespace {

// Everything in the folder but the files named.
QStringList othersIn(const QString &folder, const QStringList &names)
{
    QStringList others = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        others.removeAll(name);
    return others;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private slots:
    // An existing file keeps its permissions, a new one gets those the process gives new files;
    // a link is followed and stays a link.
    void replacesTheFileAndKeepsWhatSurroundsIt()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("H1.xml"));
        writeFile(kept, "alt");
        QVERIFY(::chmod(QFile::encodeName(kept).constData(), 0640) == 0);
        QVERIFY(AtomicFile::writeFile(kept, "neu"));
        QCOMPARE(readAll(kept), QByteArray("neu"));
        struct stat info;
        QVERIFY(::stat(QFile::encodeName(kept).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 07777), 0640);

        const QString fresh = dir.filePath(QStringLiteral("neu.xml"));
        QVERIFY(AtomicFile::writeFile(fresh, QByteArray()));
        QCOMPARE(QFileInfo(fresh).size(), 0);
        QVERIFY(::stat(QFile::encodeName(fresh).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 07777), int(0666 & ~currentUmask()));

        const QString link = dir.filePath(QStringLiteral("verweis.xml"));
        QVERIFY(QFile::link(kept, link));
        QVERIFY(AtomicFile::writeFile(link, "über den Verweis"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(kept), QByteArray("über den Verweis"));
        QCOMPARE(othersIn(dir.path(), {QStringLiteral("H1.xml"), QStringLiteral("neu.xml"), QStringLiteral("verweis.xml")}),
                 QStringList());
    }

    // A failed write (a full disk, in small), a file that another writer left short, a folder
    // where the file belongs: false with a reason, the old file whole, nothing left beside it.
    void failureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.tkp"));
        writeFile(path, "alt");

        const int written = runWithFileSizeLimit(1000, [&] {
            QString reason;
            const bool ok = AtomicFile::writeFile(path, QByteArray(3000, 'n'), &reason);
            return ok ? 1 : reason.isEmpty() ? 2 : 0;
        });
        QCOMPARE(written, 0);
        QCOMPARE(readAll(path), QByteArray("alt"));

        AtomicFile shortFile(path);
        QVERIFY(shortFile.open());
        QVERIFY(shortFile.write("neu"));
        QVERIFY(!shortFile.commit(5));
        QCOMPARE(shortFile.errorString(), QStringLiteral("Nur 3 von 5 Bytes wurden geschrieben."));
        QCOMPARE(readAll(path), QByteArray("alt"));

        const QString folder = dir.filePath(QStringLiteral("ordner"));
        QVERIFY(QDir().mkpath(folder));
        QString reason;
        QVERIFY(!AtomicFile::writeFile(folder, "x", &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!AtomicFile::writeFile(dir.filePath(QStringLiteral("fehlt/plan.tkp")), "x", &reason));
        QVERIFY(!reason.isEmpty());

        QCOMPARE(othersIn(dir.path(), {QStringLiteral("plan.tkp"), QStringLiteral("ordner")}), QStringList());
    }

    // A read-only file is not replaced, as with Qt's own classes, although its folder would let
    // the rename through. Permission bits do not stop root: the save runs as an ordinary user.
    void readOnlyFileIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        const QString path = dir.filePath(QStringLiteral("tsconfig.ini"));
        writeFile(path, "alt");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const int saved = runWithFileSizeLimit(1 << 20, [&] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 3;
            return AtomicFile::writeFile(path, "neu") ? 1 : 0;
        });
        QCOMPARE(saved, 0);
        QCOMPARE(readAll(path), QByteArray("alt"));
        QCOMPARE(othersIn(dir.path(), {QStringLiteral("tsconfig.ini")}), QStringList());
    }

    // What a save cut short by a crash leaves is what the clean-up before the next save removes.
    void leftTemporaryFileIsCleanedUp()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("project.xml"));
        for (int i = 0; i < 50; ++i) {
            AtomicFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("teilweise"));
            QFile left(file.temporaryPath());
            QVERIFY(left.open(QIODevice::ReadWrite));
            QVERIFY(left.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
            left.close();
            QCOMPARE(FileHelper::removeStaleSaveFiles(path), 1);
            QVERIFY(!QFileInfo::exists(file.temporaryPath()));
        }
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
