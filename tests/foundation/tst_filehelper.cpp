#include "foundation/filehelper.h"
#include "foundation/platform/mediainfo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray pattern(qint64 size, char seed)
{
    QByteArray data(int(size), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(seed + i * 7 + i / 4099);
    return data;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void makeLink(const QString &target, const QString &link)
{
    QVERIFY2(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0,
             qPrintable(link));
}

QString linkText(const QString &link)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, int(length))) : QString();
}

// Every entry below root (links not followed): "d name", "f name <md5>" or "l name -> text".
QStringList describeTree(const QString &root)
{
    QStringList result;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = QDir(root).relativeFilePath(path);
        if (info.isSymLink())
            result << QStringLiteral("l %1 -> %2").arg(name, linkText(path));
        else if (info.isDir())
            result << QStringLiteral("d ") + name;
        else
            result << QStringLiteral("f %1 %2").arg(
                name, QString::fromLatin1(QCryptographicHash::hash(readFile(path), QCryptographicHash::Md5).toHex()));
    }
    result.sort();
    return result;
}

// Debug lines from any thread, while it lives.
class MessageCapture
{
public:
    MessageCapture() { s_previous = qInstallMessageHandler(&MessageCapture::handler); }
    ~MessageCapture() { qInstallMessageHandler(s_previous); }
    static QStringList lines()
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }
    static void clear()
    {
        QMutexLocker lock(&s_mutex);
        s_lines.clear();
    }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        QMutexLocker lock(&s_mutex);
        s_lines.append(message);
    }
    static QMutex s_mutex;
    static QStringList s_lines;
    static QtMessageHandler s_previous;
};
QMutex MessageCapture::s_mutex;
QStringList MessageCapture::s_lines;
QtMessageHandler MessageCapture::s_previous = nullptr;

// Permission bits do not stop root. While this lives, file access of the calling thread runs
// as an ordinary user (the file-system uid), so an unreadable folder is unreadable here too.
class OrdinaryFileAccess
{
public:
    OrdinaryFileAccess()
    {
        if (geteuid() == 0) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~OrdinaryFileAccess()
    {
        if (geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
    }
};

// A folder that the file-system user of OrdinaryFileAccess may enter and write in.
void openUp(const QString &folder)
{
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
}

} // namespace

class TestFileHelper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void copyFileReportsKilobytes_data();
    void copyFileReportsKilobytes();
    void copyFileProcessesEventsBetweenBlocks();
    void copyFileReplacesTargetOnlyWhenComplete();
    void copyDirectoryTreeWithProgress();
    void copyDirectoryErrors();
    void copyDirectoryUnreadableFolder();
    void folderSize();
    void symlinksAreNeverFollowed();
    void progressCountsBytesAndEntries();
    void failedCopyNamesTheFileAndTheReason();
    void failedDeletionNamesTheFolderAndTheReason();
    void copyWaysGiveTheSameBytes_data();
    void copyWaysGiveTheSameBytes();
    void cancelledCopyLeavesNoPartialFile_data();
    void cancelledCopyLeavesNoPartialFile();

    void removeDirectoryTree();
    void removeDirectoryLeavesLinkTargets();
    void removeDirectoryRemovesHiddenEntries();
    void removeDirectoryPaths_data();
    void removeDirectoryPaths();
    void removeDirectoryUnreadableFolder();

    void strictlyInside_data();
    void strictlyInside();
    void operationsStayInsideTheirFolder();

    void freeSpace();
    void replaceSuffix_data();
    void replaceSuffix();
    void staleSaveFiles_data();
    void staleSaveFiles();
    void staleSaveFilesOfFolderMadeAnew();
    void videoLookup();

    void compatibleFormatRule_data();
    void compatibleFormatRule();
    void compatibleVideo_data();
    void compatibleVideo();
    void compatibleVideoErrors();

private:
    // A short test video made by ffmpeg (once per name); empty when it could not be made.
    QString makeVideo(const QString &fileName, const QString &codec, const QString &size);

    QTemporaryDir m_videos;
    QString m_ffmpeg;
};

void TestFileHelper::initTestCase()
{
#ifdef ZZ_FFMPEG
    m_ffmpeg = QStringLiteral(ZZ_FFMPEG);
#endif
    QVERIFY(m_videos.isValid());
}

QString TestFileHelper::makeVideo(const QString &fileName, const QString &codec, const QString &size)
{
    const QString path = m_videos.filePath(fileName);
    if (QFileInfo::exists(path))
        return path;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(m_ffmpeg, {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                            QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                            QStringLiteral("testsrc=size=%1:rate=25:duration=0.2").arg(size),
                            QStringLiteral("-c:v"), codec, QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), path});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        qWarning("ffmpeg failed: %s", ffmpeg.readAll().constData());
        return QString();
    }
    return path;
}

void TestFileHelper::copyFileReportsKilobytes_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<int>>("reports");

    const int block = FileHelper::kCopyBlockSize;
    const int kb = block / 1024;
    QTest::newRow("empty") << qint64(0) << QList<int>();
    QTest::newRow("under a kilobyte") << qint64(1023) << QList<int>{0};
    QTest::newRow("5000 bytes") << qint64(5000) << QList<int>{4};
    QTest::newRow("one block") << qint64(block) << QList<int>{kb};
    // Remainders under a kilobyte add up across blocks instead of getting lost.
    QTest::newRow("block and a half kilobyte") << qint64(block + 1500) << QList<int>{kb, 1};
    QTest::newRow("odd block then 5000") << qint64(2 * block + 5000) << QList<int>{kb, kb, 4};
}

void TestFileHelper::copyFileReportsKilobytes()
{
    QFETCH(qint64, size);
    QFETCH(QList<int>, reports);

    QTemporaryDir dir;
    const QByteArray content = pattern(size, 'a');
    writeFile(dir.filePath(QStringLiteral("quelle.bin")), content);

    FileHelper helper;
    QSignalSpy spy(&helper, &FileHelper::copiedBytes);
    QVERIFY(helper.copyFile(dir.filePath(QStringLiteral("quelle.bin")), dir.filePath(QStringLiteral("ziel.bin"))));
    QList<int> emitted;
    for (const QList<QVariant> &arguments : spy)
        emitted << arguments.at(0).toInt();
    QCOMPARE(emitted, reports);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("ziel.bin"))), content);

    // The same helper copies again, still reporting once per block.
    spy.clear();
    QVERIFY(helper.copyFile(dir.filePath(QStringLiteral("quelle.bin")), dir.filePath(QStringLiteral("ziel2.bin"))));
    QCOMPARE(spy.count(), reports.size());
}

void TestFileHelper::copyFileProcessesEventsBetweenBlocks()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("gross.bin")), pattern(3 * FileHelper::kCopyBlockSize, 'x'));

    QProgressBar bar;
    bar.setRange(0, 1000000);
    bar.setValue(0);
    FileHelper helper(&bar);
    bool timerFired = false;
    QList<bool> firedAtBlock;
    QList<int> barAtBlock;
    connect(&helper, &FileHelper::copiedBytes, this, [&] {
        firedAtBlock << timerFired;
        barAtBlock << bar.value();
    });
    QTimer::singleShot(0, this, [&] { timerFired = true; });
    QVERIFY(helper.copyFile(dir.filePath(QStringLiteral("gross.bin")), dir.filePath(QStringLiteral("kopie.bin"))));

    // Pending events run after the first block, before the second.
    QCOMPARE(firedAtBlock, (QList<bool>{false, true, true}));
    const int kb = FileHelper::kCopyBlockSize / 1024;
    QCOMPARE(barAtBlock, (QList<int>{0, kb, 2 * kb}));
    QCOMPARE(bar.value(), 3 * kb);
}

void TestFileHelper::copyFileReplacesTargetOnlyWhenComplete()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("neu.bin"));
    const QString target = dir.filePath(QStringLiteral("alt.bin"));
    writeFile(source, pattern(3 * FileHelper::kCopyBlockSize, 'n'));
    writeFile(target, QByteArray("alter Inhalt, der bleiben muss"));
    QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));

    // A full disk, in small: writes beyond 100 KB fail in this process.
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    FileHelper helper;
    const bool copied = helper.copyFile(source, target);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, previousSignal);

    QVERIFY(!copied);
    QCOMPARE(readFile(target), QByteArray("alter Inhalt, der bleiben muss"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("alt.bin"), QStringLiteral("neu.bin")}));

    // With room, the target is replaced whole and takes the source's permissions.
    QVERIFY(helper.copyFile(source, target));
    QCOMPARE(readFile(target), readFile(source));
    QCOMPARE(QFileInfo(target).permissions() & 0x0777, QFileInfo(source).permissions() & 0x0777);

    // A source that cannot be opened.
    QVERIFY(!helper.copyFile(dir.filePath(QStringLiteral("fehlt.bin")), dir.filePath(QStringLiteral("x.bin"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.bin"))));
}

void TestFileHelper::copyDirectoryTreeWithProgress()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("Projekt A"));
    const int block = FileHelper::kCopyBlockSize;
    writeFile(source + QStringLiteral("/Haltung 1 ä.xml"), pattern(1536, '1'));
    writeFile(source + QStringLiteral("/sub/video.avi"), pattern(300000, '2'));
    writeFile(source + QStringLiteral("/sub/deeper/gross.bin"), pattern(2 * block + 5000, '3'));
    writeFile(source + QStringLiteral("/.hidden"), "not copied");
    QVERIFY(QDir(source).mkpath(QStringLiteral("leer")));

    const QString target = dir.filePath(QStringLiteral("neu/tief/Projekt A"));
    QProgressBar bar;
    bar.setRange(0, 5);
    bar.setValue(3);
    QVERIFY(FileHelper::copyDirectory(source, target, dir.path(), &bar));

    QStringList expected = describeTree(source);
    expected.removeAll(expected.filter(QStringLiteral(".hidden")).value(0));
    QCOMPARE(describeTree(target), expected);
    QVERIFY(!QFile::exists(target + QStringLiteral("/.hidden")));

    const qint64 bytes = 1536 + 300000 + 2 * qint64(block) + 5000;
    QCOMPARE(bar.maximum(), int(bytes / 1024));
    // Whole kilobytes per file (1 + 292 + (2 blocks + 4)) add up to less than the folder's size;
    // a finished copy still shows a full bar.
    QVERIFY(1 + 292 + 2 * (block / 1024) + 4 < bar.maximum());
    QCOMPARE(bar.value(), bar.maximum());

    // Copying again over the existing target replaces its files.
    writeFile(target + QStringLiteral("/sub/video.avi"), "changed");
    QVERIFY(FileHelper::copyDirectory(source, target, dir.path()));
    QCOMPARE(describeTree(target), expected);
}

void TestFileHelper::copyDirectoryErrors()
{
    QTemporaryDir dir;
    // Missing source: false, and no target appears.
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("fehlt")), dir.filePath(QStringLiteral("ziel")), dir.path()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ziel"))));

    // A target inside the source would copy itself without end.
    writeFile(dir.filePath(QStringLiteral("p/a.txt")), "a");
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("p")), dir.filePath(QStringLiteral("p/sicherung")), dir.path()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("p/sicherung"))));
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("p")), dir.filePath(QStringLiteral("p")), dir.path()));

    // A target that cannot be created (a file is in the way).
    writeFile(dir.filePath(QStringLiteral("datei")), "x");
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("p")), dir.filePath(QStringLiteral("datei/ziel")), dir.path()));

    // A source given as a file is no folder.
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("datei")), dir.filePath(QStringLiteral("z2")), dir.path()));
}

void TestFileHelper::copyDirectoryUnreadableFolder()
{
    QTemporaryDir dir;
    openUp(dir.path());
    const QString source = dir.filePath(QStringLiteral("quelle"));
    writeFile(source + QStringLiteral("/lesbar.txt"), "lesbar");
    writeFile(source + QStringLiteral("/gesperrt/geheim.txt"), "geheim");
    openUp(source);
    QVERIFY(QFile::setPermissions(source + QStringLiteral("/lesbar.txt"), QFileDevice::Permissions(0x4444)));
    QVERIFY(QFile::setPermissions(source + QStringLiteral("/gesperrt"), QFileDevice::Permissions()));

    bool copied;
    {
        OrdinaryFileAccess ordinary;
        copied = FileHelper::copyDirectory(source, dir.filePath(QStringLiteral("ziel")), dir.path());
    }
    QFile::setPermissions(source + QStringLiteral("/gesperrt"), QFileDevice::Permissions(0x7700));

    QVERIFY(!copied);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("ziel/lesbar.txt"))), QByteArray("lesbar"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ziel/gesperrt/geheim.txt"))));
}

void TestFileHelper::folderSize()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.bin")), pattern(1024, 'a'));
    writeFile(dir.filePath(QStringLiteral("sub/b.bin")), pattern(512, 'b'));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("leer")));
    QCOMPARE(FileHelper::folderSizeKB(dir.path()), 1.5);
    QCOMPARE(FileHelper::folderSizeKB(dir.filePath(QStringLiteral("leer"))), 0.0);
    QCOMPARE(FileHelper::folderSizeKB(dir.filePath(QStringLiteral("fehlt"))), 0.0);
}

void TestFileHelper::symlinksAreNeverFollowed()
{
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("aussen"));
    writeFile(outside + QStringLiteral("/fremd.bin"), pattern(4096, 'f'));
    const QString source = dir.filePath(QStringLiteral("projekt"));
    writeFile(source + QStringLiteral("/eigen.bin"), pattern(2048, 'e'));
    makeLink(QStringLiteral("../aussen"), source + QStringLiteral("/ordnerlink"));
    makeLink(QStringLiteral("../aussen/fremd.bin"), source + QStringLiteral("/dateilink.bin"));
    QVERIFY(QDir(source).mkdir(QStringLiteral("sub")));
    makeLink(QStringLiteral(".."), source + QStringLiteral("/sub/schleife"));
    makeLink(QStringLiteral("nirgends"), source + QStringLiteral("/kaputt"));

    // Links add nothing to the size, and a loop does not recurse.
    QCOMPARE(FileHelper::folderSizeKB(source), 2.0);

    const QString target = dir.filePath(QStringLiteral("kopie"));
    QVERIFY(FileHelper::copyDirectory(source, target, dir.path()));
    // A linked file arrives as content; linked folders arrive as the same links.
    QCOMPARE(readFile(target + QStringLiteral("/dateilink.bin")), pattern(4096, 'f'));
    QVERIFY(!QFileInfo(target + QStringLiteral("/dateilink.bin")).isSymLink());
    QCOMPARE(linkText(target + QStringLiteral("/ordnerlink")), QStringLiteral("../aussen"));
    QCOMPARE(linkText(target + QStringLiteral("/sub/schleife")), QStringLiteral(".."));
    QCOMPARE(readFile(target + QStringLiteral("/eigen.bin")), pattern(2048, 'e'));
    // The dangling link has nothing to copy and is left out.
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("dateilink.bin"), QStringLiteral("eigen.bin"), QStringLiteral("ordnerlink"),
                          QStringLiteral("sub")}));
}

void TestFileHelper::progressCountsBytesAndEntries()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("quelle"));
    const int block = FileHelper::kCopyBlockSize;
    writeFile(source + QStringLiteral("/a.xml"), pattern(1536, 'a'));
    writeFile(source + QStringLiteral("/sub/gross.bin"), pattern(2 * block + 5000, 'g'));
    const qint64 bytes = 1536 + 2 * qint64(block) + 5000;

    FileProgress copy;
    qint64 announced = -1;
    QList<qint64> steps;
    copy.setTotalHandler([&](qint64 total) { announced = total; });
    copy.setAdvanceHandler([&](qint64 amount) { steps << amount; });
    QVERIFY(FileHelper::copyDirectory(source, dir.filePath(QStringLiteral("ziel")), dir.path(), copy));
    QCOMPARE(announced, bytes);
    QCOMPARE(copy.total(), bytes);
    QCOMPARE(copy.done(), bytes);
    std::sort(steps.begin(), steps.end());
    QCOMPARE(steps, (QList<qint64>{1536, 5000, block, block}));
    QVERIFY(!copy.hasFailed());
    QCOMPARE(copy.errorString(), QString());

    // A deletion counts entries: the two files and the subfolder.
    FileProgress removal;
    QVERIFY(FileHelper::removeDirectory(source, dir.path(), removal));
    QCOMPARE(removal.total(), qint64(3));
    QCOMPARE(removal.done(), qint64(3));
    QVERIFY(!removal.hasFailed());
}

void TestFileHelper::failedCopyNamesTheFileAndTheReason()
{
    QTemporaryDir dir;
    openUp(dir.path());

    // A source file that is not there.
    FileProgress missing;
    const QString absent = dir.filePath(QStringLiteral("fehlt.bin"));
    QVERIFY(!FileHelper::copyFile(absent, dir.filePath(QStringLiteral("x.bin")), missing));
    QCOMPARE(missing.failures().size(), 1);
    QCOMPARE(missing.failures().at(0).path, absent);
    QVERIFY2(missing.failures().at(0).reason.contains(qt_error_string(ENOENT)), qPrintable(missing.errorString()));

    // A full disk, in small: writes beyond 100 KB fail in this process. The file that did not
    // fit is named, with the system's reason; the small one is copied all the same.
    const QString source = dir.filePath(QStringLiteral("quelle"));
    writeFile(source + QStringLiteral("/klein.txt"), "klein");
    writeFile(source + QStringLiteral("/gross.bin"), pattern(300 * 1024, 'g'));
    const QString target = dir.filePath(QStringLiteral("ziel"));
    FileProgress full;
    FileHelper helper;
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool copied = FileHelper::copyDirectory(source, target, dir.path(), full);
    const bool helperCopied = helper.copyFile(source + QStringLiteral("/gross.bin"), dir.filePath(QStringLiteral("einzeln.bin")));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, previousSignal);

    QVERIFY(!copied);
    QCOMPARE(full.failures().size(), 1);
    QCOMPARE(full.failures().at(0).path, target + QStringLiteral("/gross.bin"));
    QVERIFY2(full.failures().at(0).reason.contains(qt_error_string(EFBIG)), qPrintable(full.errorString()));
    QCOMPARE(readFile(target + QStringLiteral("/klein.txt")), QByteArray("klein"));
    // The widget form tells the same through the helper.
    QVERIFY(!helperCopied);
    QVERIFY2(helper.errorString().startsWith(dir.filePath(QStringLiteral("einzeln.bin")) + QStringLiteral(": "))
                 && helper.errorString().contains(qt_error_string(EFBIG)),
             qPrintable(helper.errorString()));
    QVERIFY(helper.copyFile(source + QStringLiteral("/klein.txt"), dir.filePath(QStringLiteral("einzeln.bin"))));
    QCOMPARE(helper.errorString(), QString());

    // A folder inside the source that may not be read.
    QVERIFY(QDir(source).mkdir(QStringLiteral("gesperrt")));
    QVERIFY(QFile::remove(source + QStringLiteral("/gross.bin")));
    openUp(source);
    QVERIFY(QFile::setPermissions(source + QStringLiteral("/klein.txt"), QFileDevice::Permissions(0x4444)));
    QVERIFY(QFile::setPermissions(source + QStringLiteral("/gesperrt"), QFileDevice::Permissions()));
    FileProgress locked;
    bool lockedCopied;
    {
        OrdinaryFileAccess ordinary;
        lockedCopied = FileHelper::copyDirectory(source, dir.filePath(QStringLiteral("ziel2")), dir.path(), locked);
    }
    QFile::setPermissions(source + QStringLiteral("/gesperrt"), QFileDevice::Permissions(0x7700));
    QVERIFY(!lockedCopied);
    QCOMPARE(locked.failures().size(), 1);
    QCOMPARE(locked.failures().at(0).path, source + QStringLiteral("/gesperrt"));
    QVERIFY2(locked.failures().at(0).reason.contains(qt_error_string(EACCES)), qPrintable(locked.errorString()));

    // A target inside the source is named as the target.
    FileProgress inside;
    QVERIFY(!FileHelper::copyDirectory(source, source + QStringLiteral("/sicherung"), dir.path(), inside));
    QCOMPARE(inside.failures().size(), 1);
    QCOMPARE(inside.failures().at(0).path, source + QStringLiteral("/sicherung"));
    QVERIFY(!inside.failures().at(0).reason.isEmpty());
}

void TestFileHelper::copyWaysGiveTheSameBytes_data()
{
    QTest::addColumn<bool>("kernel");
    QTest::addColumn<QString>("sourceParent");

    QTest::newRow("kernel copy") << true << QString();
    QTest::newRow("through a buffer") << false << QString();
    // The kernel refuses to copy between file systems of different kinds.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        QTest::newRow("from another file system") << true << QStringLiteral("/dev/shm");
}

void TestFileHelper::copyWaysGiveTheSameBytes()
{
    QFETCH(bool, kernel);
    QFETCH(QString, sourceParent);

    const bool previous = FileHelper::setKernelCopyAllowed(kernel);
    QTemporaryDir dir;
    QTemporaryDir sourceDir(sourceParent.isEmpty() ? QDir::tempPath() + QStringLiteral("/quelle-XXXXXX")
                                                   : sourceParent + QStringLiteral("/quelle-XXXXXX"));
    QVERIFY(dir.isValid() && sourceDir.isValid());
    const QString source = sourceDir.path();
    const int block = FileHelper::kCopyBlockSize;
    writeFile(source + QStringLiteral("/leer.bin"), QByteArray());
    writeFile(source + QStringLiteral("/klein.xml"), pattern(777, 'k'));
    writeFile(source + QStringLiteral("/sub/gross.bin"), pattern(3 * block + 5000, 'g'));
    const qint64 bytes = 777 + 3 * qint64(block) + 5000;
    const QFileDevice::Permissions restricted = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(source + QStringLiteral("/klein.xml"), restricted));

    FileProgress progress;
    QList<qint64> doneAtStep;
    progress.setAdvanceHandler([&](qint64) { doneAtStep << progress.done(); });
    const QString target = dir.filePath(QStringLiteral("ziel"));
    QVERIFY(FileHelper::copyDirectory(source, target, dir.path(), progress));
    QCOMPARE(describeTree(target), describeTree(source));
    QCOMPARE(readFile(target + QStringLiteral("/sub/gross.bin")), pattern(3 * block + 5000, 'g'));
    QCOMPARE(QFileInfo(target + QStringLiteral("/leer.bin")).size(), qint64(0));
    QCOMPARE(QFileInfo(target + QStringLiteral("/klein.xml")).permissions() & 0x7077, restricted);
    // One step per block; the last step reaches the whole.
    QCOMPARE(doneAtStep.size(), 1 + 4);
    QCOMPARE(doneAtStep.last(), bytes);
    QCOMPARE(progress.done(), progress.total());

    // A file of /proc tells no size; its content is copied all the same.
    const QString proc = QStringLiteral("/proc/version");
    if (QFile::exists(proc)) {
        FileProgress single;
        QVERIFY(FileHelper::copyFile(proc, dir.filePath(QStringLiteral("version")), single));
        QVERIFY(!readFile(dir.filePath(QStringLiteral("version"))).isEmpty());
        QCOMPARE(readFile(dir.filePath(QStringLiteral("version"))), readFile(proc));
    }
    FileHelper::setKernelCopyAllowed(previous);
}

void TestFileHelper::cancelledCopyLeavesNoPartialFile_data()
{
    QTest::addColumn<bool>("kernel");
    QTest::newRow("kernel copy") << true;
    QTest::newRow("through a buffer") << false;
}

void TestFileHelper::cancelledCopyLeavesNoPartialFile()
{
    QFETCH(bool, kernel);

    const bool previous = FileHelper::setKernelCopyAllowed(kernel);
    QTemporaryDir dir;
    const int block = FileHelper::kCopyBlockSize;
    const QString source = dir.filePath(QStringLiteral("quelle"));
    writeFile(source + QStringLiteral("/gross.bin"), pattern(3 * block, 'g'));
    writeFile(source + QStringLiteral("/sub/danach.bin"), pattern(1000, 'd'));
    const QString target = dir.filePath(QStringLiteral("ziel"));
    // An older copy of the large file stays as it was.
    writeFile(target + QStringLiteral("/gross.bin"), "alt");

    // Cancelled after the first block of the large file.
    FileProgress progress;
    int steps = 0;
    progress.setAdvanceHandler([&](qint64) {
        ++steps;
        if (progress.currentFile().endsWith(QStringLiteral("gross.bin")))
            progress.cancel();
    });
    QVERIFY(!FileHelper::copyDirectory(source, target, dir.path(), progress));
    QVERIFY(progress.isCancelled());
    QCOMPARE(readFile(target + QStringLiteral("/gross.bin")), QByteArray("alt"));
    // No temporary file is left beside it, and nothing is copied after the cancel.
    QStringList left = QDir(target).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{QStringLiteral("gross.bin")});
    QVERIFY(progress.done() < progress.total());
    QCOMPARE(progress.failures().size(), 1);
    QCOMPARE(progress.failures().at(0).path, target + QStringLiteral("/gross.bin"));
    // The small file may come first; the large one stops after its first block.
    QVERIFY(steps <= 2);
    if (QFile::exists(target + QStringLiteral("/sub/danach.bin")))
        QCOMPARE(readFile(target + QStringLiteral("/sub/danach.bin")), pattern(1000, 'd'));

    // Cancelled before the first file: nothing is copied, and the copy says why.
    QTemporaryDir second;
    FileProgress early;
    early.setTotalHandler([&](qint64) { early.cancel(); });
    const QString secondTarget = second.filePath(QStringLiteral("ziel"));
    QVERIFY(!FileHelper::copyDirectory(source, secondTarget, second.path(), early));
    QCOMPARE(early.done(), qint64(0));
    QCOMPARE(early.failures().size(), 1);
    QCOMPARE(early.failures().at(0).path, secondTarget);
    QCOMPARE(early.failures().at(0).reason, progress.failures().at(0).reason);
    QCOMPARE(QDir(secondTarget).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    FileHelper::setKernelCopyAllowed(previous);
}

void TestFileHelper::failedDeletionNamesTheFolderAndTheReason()
{
    QTemporaryDir dir;
    openUp(dir.path());
    const QString folder = dir.filePath(QStringLiteral("projekt"));
    writeFile(folder + QStringLiteral("/offen.txt"), "weg");
    writeFile(folder + QStringLiteral("/gesperrt/innen.txt"), "bleibt");
    openUp(folder);
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("/gesperrt"), QFileDevice::Permissions()));

    FileProgress progress;
    bool removed;
    {
        MessageCapture capture;
        OrdinaryFileAccess ordinary;
        removed = FileHelper::removeDirectory(folder, dir.path(), progress);
    }
    QFile::setPermissions(folder + QStringLiteral("/gesperrt"), QFileDevice::Permissions(0x7700));
    QVERIFY(!removed);
    // First the folder that could not be read, then what could therefore not be removed.
    const QVector<FileProgress::Failure> failures = progress.failures();
    QVERIFY(!failures.isEmpty());
    QCOMPARE(failures.at(0).path, folder + QStringLiteral("/gesperrt"));
    QVERIFY2(failures.at(0).reason.contains(qt_error_string(EACCES)), qPrintable(progress.errorString()));
    QCOMPARE(failures.last().path, folder);

    // Nothing there: the path is named.
    FileProgress gone;
    QVERIFY(!FileHelper::removeDirectory(dir.filePath(QStringLiteral("fehlt")), dir.path(), gone));
    QCOMPARE(gone.failures().size(), 1);
    QCOMPARE(gone.failures().at(0).path, dir.filePath(QStringLiteral("fehlt")));
}

void TestFileHelper::removeDirectoryTree()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Projekt"));
    for (int i = 0; i < 5; ++i) {
        writeFile(folder + QStringLiteral("/h%1/video.avi").arg(i), pattern(20000, char('a' + i)));
        writeFile(folder + QStringLiteral("/h%1/fotos/img_1_%2.jpg").arg(i).arg(i), pattern(3000, 'j'));
        writeFile(folder + QStringLiteral("/h%1.xml").arg(i), "<x/>");
    }
    QVERIFY(QDir(folder).mkdir(QStringLiteral("leer")));
    writeFile(dir.filePath(QStringLiteral("daneben.txt")), "bleibt");
    // 5 x (folder, video, photo folder, photo, xml) + the empty folder
    const int entries = 5 * 5 + 1;

    QProgressBar bar;
    QVERIFY(FileHelper::removeDirectory(folder, dir.path(), &bar));
    QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), entries - 1);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("daneben.txt"))), QByteArray("bleibt"));

    // Nothing there: nothing removed.
    QVERIFY(!FileHelper::removeDirectory(folder, dir.path()));
    // A relative path is taken from the working folder.
    writeFile(dir.filePath(QStringLiteral("rel/a.txt")), "a");
    const QString working = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const bool removed = FileHelper::removeDirectory(QStringLiteral("rel"), dir.path());
    QDir::setCurrent(working);
    QVERIFY(removed);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("rel"))));
}

void TestFileHelper::removeDirectoryLeavesLinkTargets()
{
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("aussen"));
    writeFile(outside + QStringLiteral("/wichtig.bin"), pattern(5000, 'w'));
    writeFile(outside + QStringLiteral("/tiefer/auch.bin"), pattern(100, 'u'));
    const QString folder = dir.filePath(QStringLiteral("projekt"));
    writeFile(folder + QStringLiteral("/eigen.bin"), "x");
    makeLink(outside, folder + QStringLiteral("/ordnerlink"));
    makeLink(outside + QStringLiteral("/wichtig.bin"), folder + QStringLiteral("/dateilink"));
    makeLink(QStringLiteral("nirgends"), folder + QStringLiteral("/kaputt"));
    QVERIFY(QDir(folder).mkdir(QStringLiteral("sub")));
    makeLink(QStringLiteral("../.."), folder + QStringLiteral("/sub/schleife"));
    const QStringList outsideBefore = describeTree(outside);

    QVERIFY(FileHelper::removeDirectory(folder, dir.path()));
    QVERIFY(!QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink());
    QCOMPARE(describeTree(outside), outsideBefore);

    // Given a link as the folder itself: the link goes, its target stays.
    const QString link = dir.filePath(QStringLiteral("verweis"));
    makeLink(outside, link);
    QVERIFY(FileHelper::removeDirectory(link, dir.path()));
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(describeTree(outside), outsideBefore);
}

void TestFileHelper::removeDirectoryRemovesHiddenEntries()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("projekt"));
    writeFile(folder + QStringLiteral("/sichtbar.txt"), "weg");
    writeFile(folder + QStringLiteral("/.project"), "weg");
    writeFile(folder + QStringLiteral("/versteckt/.hidden"), "weg");
    writeFile(folder + QStringLiteral("/.ordner/innen.txt"), "weg");
    writeFile(dir.filePath(QStringLiteral(".daneben")), "bleibt");

    QProgressBar bar;
    QVERIFY(FileHelper::removeDirectory(folder, dir.path(), &bar));
    QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(bar.maximum(), 6 - 1);
    QCOMPARE(readFile(dir.filePath(QStringLiteral(".daneben"))), QByteArray("bleibt"));
}

void TestFileHelper::removeDirectoryPaths_data()
{
    QTest::addColumn<QString>("given"); // "<dir>" stands for the temporary folder
    QTest::addColumn<bool>("removed");
    // An empty path would stand for the working folder (the temporary folder here).
    QTest::newRow("null") << QString() << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("trailing separator") << "<dir>/projekt/" << true;
    QTest::newRow("two trailing separators") << "<dir>/projekt//" << true;
    QTest::newRow("dot at the end") << "<dir>/projekt/." << true;
    // Never the folder it must stay inside, or one above, however the path is written.
    QTest::newRow("the folder it stays inside") << "<dir>" << false;
    QTest::newRow("dot dot to that folder") << "<dir>/projekt/.." << false;
    QTest::newRow("dot dot above it") << "<dir>/projekt/../.." << false;
}

void TestFileHelper::removeDirectoryPaths()
{
    QFETCH(QString, given);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("projekt"));
    writeFile(folder + QStringLiteral("/a.txt"), "a");
    writeFile(dir.filePath(QStringLiteral("daneben.txt")), "bleibt");
    QStringList before = describeTree(dir.path());
    before.sort();

    const QString working = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder));
    const bool result = FileHelper::removeDirectory(given.isNull() ? given : QString(given).replace(QStringLiteral("<dir>"), dir.path()), dir.path());
    QDir::setCurrent(working);

    QCOMPARE(result, removed);
    if (removed) {
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("daneben.txt"))), QByteArray("bleibt"));
    } else {
        QStringList after = describeTree(dir.path());
        after.sort();
        QCOMPARE(after, before);
    }
}

void TestFileHelper::removeDirectoryUnreadableFolder()
{
    QTemporaryDir dir;
    openUp(dir.path());
    const QString folder = dir.filePath(QStringLiteral("projekt"));
    writeFile(folder + QStringLiteral("/offen.txt"), "weg");
    writeFile(folder + QStringLiteral("/gesperrt/innen.txt"), "bleibt");
    openUp(folder);
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("/gesperrt"), QFileDevice::Permissions()));

    bool removed;
    {
        MessageCapture capture;
        OrdinaryFileAccess ordinary;
        removed = FileHelper::removeDirectory(folder, dir.path());
    }
    QFile::setPermissions(folder + QStringLiteral("/gesperrt"), QFileDevice::Permissions(0x7700));
    QVERIFY(!removed);
    QCOMPARE(readFile(folder + QStringLiteral("/gesperrt/innen.txt")), QByteArray("bleibt"));
}

void TestFileHelper::strictlyInside_data()
{
    QTest::addColumn<QString>("path"); // below the temporary folder
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("inside");
    QTest::newRow("child") << "p/a" << "p" << true;
    QTest::newRow("grandchild, not there yet") << "p/neu/tief" << "p" << true;
    QTest::newRow("back down again") << "p/a/../b" << "p" << true;
    QTest::newRow("the folder itself") << "p" << "p" << false;
    QTest::newRow("the folder with a separator") << "p/" << "p" << false;
    QTest::newRow("the folder with a dot") << "p/." << "p" << false;
    QTest::newRow("its parent") << "p/.." << "p" << false;
    QTest::newRow("above through a child") << "p/a/../.." << "p" << false;
    QTest::newRow("a sibling sharing the start") << "p2/a" << "p" << false;
    QTest::newRow("through a link leading out") << "p/link/x" << "p" << false;
    QTest::newRow("the link itself") << "p/link" << "p" << true;
    QTest::newRow("empty") << "" << "p" << false;
    QTest::newRow("folder missing") << "fehlt/a" << "fehlt" << false;
}

void TestFileHelper::strictlyInside()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, inside);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("p/a/x.txt")), "x");
    writeFile(dir.filePath(QStringLiteral("p2/a/x.txt")), "x");
    writeFile(dir.filePath(QStringLiteral("q/x")), "x");
    makeLink(QStringLiteral("../q"), dir.filePath(QStringLiteral("p/link")));
    QCOMPARE(FileHelper::isStrictlyInside(path.isEmpty() ? path : dir.filePath(path), dir.filePath(folder)), inside);
}

// Copies, renames and deletions whose target is not strictly inside the folder named for it
// touch nothing.
void TestFileHelper::operationsStayInsideTheirFolder()
{
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("P"));
    writeFile(project + QStringLiteral("/K1/K1.xml"), "k1");
    writeFile(dir.filePath(QStringLiteral("Q/Q1/Q1.xml")), "q1");
    writeFile(dir.filePath(QStringLiteral("quelle/a.txt")), "a");
    QStringList before = describeTree(dir.path());
    before.sort();
    const auto unchanged = [&] {
        QStringList after = describeTree(dir.path());
        after.sort();
        return after == before;
    };

    FileProgress removal;
    QVERIFY(!FileHelper::removeDirectory(project + QStringLiteral("/.."), project, removal));
    QCOMPARE(removal.failures().size(), 1);
    QVERIFY(!FileHelper::removeDirectory(project, project));
    QVERIFY(unchanged());

    FileProgress copy;
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("quelle")), project + QStringLiteral("/../Q"), project, copy));
    QCOMPARE(copy.failures().size(), 1);
    QVERIFY(!FileHelper::copyDirectory(dir.filePath(QStringLiteral("quelle")), project, project));
    QVERIFY(unchanged());

    QString error;
    QVERIFY(!FileHelper::renameWithin(project + QStringLiteral("/K1"), dir.filePath(QStringLiteral("K1")), project, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!FileHelper::renameWithin(project + QStringLiteral("/.."), project + QStringLiteral("/X"), project));
    // An existing entry is never replaced.
    writeFile(project + QStringLiteral("/K2/K2.xml"), "k2");
    QVERIFY(!FileHelper::renameWithin(project + QStringLiteral("/K1"), project + QStringLiteral("/K2"), project, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(project + QStringLiteral("/K2/K2.xml")), QByteArray("k2"));
    QVERIFY(FileHelper::renameWithin(project + QStringLiteral("/K1"), project + QStringLiteral("/K3"), project, &error));
    QCOMPARE(error, QString());
    QCOMPARE(readFile(project + QStringLiteral("/K3/K1.xml")), QByteArray("k1"));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("Q/Q1/Q1.xml"))), QByteArray("q1"));
}

void TestFileHelper::freeSpace()
{
    QTemporaryDir dir;
    const double megabytes = FileHelper::freeSpaceMB(dir.path());
    QVERIFY(megabytes > 0.0);
    const double expected = double(QStorageInfo(dir.path()).bytesFree()) / 1024.0 / 1024.0;
    QVERIFY(qAbs(megabytes - expected) < 64.0);
    QCOMPARE(FileHelper::freeSpaceMB(dir.filePath(QStringLiteral("fehlt/ordner"))), 0.0);
}

void TestFileHelper::replaceSuffix_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("suffix") << "/p/a.xml" << "/p/a.dat";
    QTest::newRow("no suffix") << "/p/a" << "/p/a.dat";
    QTest::newRow("two dots") << "/p/a.b.c" << "/p/a.b.dat";
    // The side file stays in the inspection's folder.
    QTest::newRow("dotted folder, no suffix") << "/p.q/a" << "/p.q/a.dat";
    QTest::newRow("dotted folder with suffix") << "/p.q/a.txt" << "/p.q/a.dat";
    QTest::newRow("relative") << "a" << "a.dat";
    QTest::newRow("trailing dot") << "/p/a." << "/p/a.dat";
}

void TestFileHelper::replaceSuffix()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(FileHelper::replaceSuffix(path, QStringLiteral("dat")), expected);
}

void TestFileHelper::staleSaveFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // "file", "folder" or "link" (to a file of that name plus ".ziel")
    QTest::addColumn<bool>("old");     // last changed an hour ago, else just now
    QTest::addColumn<bool>("removed");

    // Of the target "Haltung Ä.xml", as a save cut short leaves them.
    QTest::newRow("temporary file") << "Haltung Ä.xml.AbCdEf" << "file" << true << true;
    QTest::newRow("its lock") << "Haltung Ä.xml.aBcDeF.lock" << "file" << true << true;
    QTest::newRow("temporary of temporary") << "Haltung Ä.xml.AbCdEf.gHiJkL" << "file" << true << true;
    // A save that may still be running.
    QTest::newRow("recent") << "Haltung Ä.xml.AbCdEf" << "file" << false << false;
    // Another file's, and names a person gives.
    QTest::newRow("other target") << "Haltung B.xml.AbCdEf" << "file" << true << false;
    QTest::newRow("target is a prefix") << "xHaltung Ä.xml.AbCdEf" << "file" << true << false;
    QTest::newRow("target without dot") << "Haltung Ä.xmlAbCdEf" << "file" << true << false;
    QTest::newRow("shorter target") << "Haltung Ä.AbCdEf" << "file" << true << false;
    QTest::newRow("backup") << "Haltung Ä.xml.backup" << "file" << true << false;
    QTest::newRow("upper case") << "Haltung Ä.xml.BACKUP" << "file" << true << false;
    QTest::newRow("capitalised") << "Haltung Ä.xml.Kopien" << "file" << true << false;
    QTest::newRow("digit") << "Haltung Ä.xml.AbCdE1" << "file" << true << false;
    QTest::newRow("seven letters") << "Haltung Ä.xml.AbCdEfG" << "file" << true << false;
    QTest::newRow("other second part") << "Haltung Ä.xml.AbCdEf.bak" << "file" << true << false;
    // Entries that are no file of a save.
    QTest::newRow("folder") << "Haltung Ä.xml.AbCdEf" << "folder" << true << false;
    QTest::newRow("link") << "Haltung Ä.xml.AbCdEf" << "link" << true << false;
}

// Only what saves of the one file left long ago goes; every other entry stays as it was.
void TestFileHelper::staleSaveFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, old);
    QFETCH(bool, removed);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Haltung Ä.xml"));
    writeFile(target, "<DATA/>");
    const QString entry = dir.filePath(name);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(entry));
    } else if (kind == QLatin1String("link")) {
        writeFile(entry + QStringLiteral(".ziel"), "Ziel");
        makeLink(entry + QStringLiteral(".ziel"), entry);
    } else {
        writeFile(entry, "halb");
    }
    if (old) {
        const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(entry).constData(), hourAgo, AT_SYMLINK_NOFOLLOW) == 0);
    }
    const QStringList before = describeTree(dir.path());

    QCOMPARE(FileHelper::removeStaleSaveFiles(target), removed ? 1 : 0);
    QStringList expected = before;
    if (removed)
        expected.removeOne(QStringLiteral("f %1 %2").arg(name, QString::fromLatin1(QCryptographicHash::hash("halb", QCryptographicHash::Md5).toHex())));
    QCOMPARE(describeTree(dir.path()), expected);
    QCOMPARE(expected.size(), before.size() - (removed ? 1 : 0));
}

// Each folder is listed once; a folder that took the place of the one listed (a project removed
// and copied back) is listed again.
void TestFileHelper::staleSaveFilesOfFolderMadeAnew()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Projekt"));
    const QString target = folder + QStringLiteral("/H1.xml");
    writeFile(target, "<DATA/>");
    QCOMPARE(FileHelper::removeStaleSaveFiles(target), 0);

    QVERIFY(QDir().rename(folder, dir.filePath(QStringLiteral("alt"))));
    writeFile(target, "<DATA/>");
    const QString stale = target + QStringLiteral(".AbCdEf");
    writeFile(stale, "halb");
    QFile file(stale);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(FileHelper::removeStaleSaveFiles(target), 1);
    QVERIFY(!QFile::exists(stale));
}

void TestFileHelper::videoLookup()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Projekt.2024"));
    writeFile(folder + QStringLiteral("/h1.xml"), "x");
    writeFile(folder + QStringLiteral("/h1.mp4"), "v");
    writeFile(folder + QStringLiteral("/h1.avi"), "v");
    writeFile(folder + QStringLiteral("/h2.xml"), "x");
    writeFile(folder + QStringLiteral("/h3.xml"), "x");
    writeFile(folder + QStringLiteral("/h3.MP4"), "v");
    writeFile(folder + QStringLiteral("/h4"), "x");
    writeFile(folder + QStringLiteral("/h4.vob"), "v");

    // Filter order: ".avi" wins over ".mp4".
    QCOMPARE(FileHelper::findVideoByBaseName(folder + QStringLiteral("/h1")), QStringLiteral(".avi"));
    QCOMPARE(FileHelper::videoFileFor(folder + QStringLiteral("/h1.xml")), folder + QStringLiteral("/h1.avi"));
    QCOMPARE(FileHelper::videoFileFor(folder + QStringLiteral("/h2.xml")), QString());
    QCOMPARE(FileHelper::findVideoByBaseName(folder + QStringLiteral("/h2")), QString());
    // A suffix in other case is found when nothing matches exactly.
    QCOMPARE(FileHelper::videoFileFor(folder + QStringLiteral("/h3.xml")), folder + QStringLiteral("/h3.MP4"));
    // An inspection file without suffix in a dotted folder: the folder name is not cut.
    QCOMPARE(FileHelper::videoFileFor(folder + QStringLiteral("/h4")), folder + QStringLiteral("/h4.vob"));
    QCOMPARE(FileHelper::videoFileFor(dir.filePath(QStringLiteral("fehlt/h1.xml"))), QString());

    // Links count when they lead somewhere; so does a folder of the exact name, as ever.
    writeFile(folder + QStringLiteral("/ziel.bin"), "v");
    makeLink(folder + QStringLiteral("/ziel.bin"), folder + QStringLiteral("/h5.mkv"));
    makeLink(folder + QStringLiteral("/fehlt.bin"), folder + QStringLiteral("/h5.avi"));
    QCOMPARE(FileHelper::findVideoByBaseName(folder + QStringLiteral("/h5")), QStringLiteral(".mkv"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/h6.mpg")));
    QCOMPARE(FileHelper::findVideoByBaseName(folder + QStringLiteral("/h6")), QStringLiteral(".mpg"));
    // Names beginning alike and hidden files of another spelling are no match.
    writeFile(folder + QStringLiteral("/h77.avi"), "v");
    writeFile(folder + QStringLiteral("/.h7.AVI"), "v");
    QCOMPARE(FileHelper::findVideoByBaseName(folder + QStringLiteral("/h7")), QString());
    writeFile(folder + QStringLiteral("/Straße 1.Mov"), "v");
    QCOMPARE(FileHelper::videoFileFor(folder + QStringLiteral("/Straße 1.xml")), folder + QStringLiteral("/Straße 1.Mov"));
}

void TestFileHelper::compatibleFormatRule_data()
{
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<bool>("compatible");

    QTest::newRow("AVI, PAL standard only") << "AVI" << "AVC" << "704" << "480" << "PAL" << true;
    QTest::newRow("AVI, NTSC") << "AVI" << "AVC" << "640" << "480" << "NTSC" << false;
    QTest::newRow("MPEG-4, PAL standard only") << "MPEG-4" << "MPEG-4 Visual" << "1280" << "720" << "PAL" << true;
    QTest::newRow("MPEG-4, other codec") << "MPEG-4" << "HEVC" << "720" << "576" << "PAL" << false;
    QTest::newRow("Windows Media, height only") << "Windows Media" << "MPEG-4 Visual" << "640" << "240" << "" << true;
    QTest::newRow("Windows Media, PAL does not count") << "Windows Media" << "MPEG-4 Visual" << "720" << "576" << "PAL"
                                                       << false;
    QTest::newRow("case matters") << "avi" << "MPEG-4 Visual" << "720" << "576" << "" << false;
    QTest::newRow("nothing known") << "" << "" << "" << "" << "" << false;
}

void TestFileHelper::compatibleFormatRule()
{
    QFETCH(QString, general);
    QFETCH(QString, video);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, standard);
    QFETCH(bool, compatible);
    QCOMPARE(FileHelper::isCompatibleFormat(general, video, width, height, standard), compatible);
}

void TestFileHelper::compatibleVideo_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("compatible");

    // AVI with MPEG-4 Visual or AVC and a PAL width or height.
    QTest::newRow("AVI, MPEG-4 Visual 640x576") << "a.avi" << "mpeg4" << "640x576" << true;
    QTest::newRow("AVI, AVC 720x480") << "b.avi" << "libx264" << "720x480" << true;
    QTest::newRow("AVI, MPEG-4 Visual 640x480") << "c.avi" << "mpeg4" << "640x480" << false;
    // MP4 with the same codecs and sizes.
    QTest::newRow("MP4, AVC 720x480") << "d.mp4" << "libx264" << "720x480" << true;
    QTest::newRow("MP4, AVC 640x480") << "e.mp4" << "libx264" << "640x480" << false;
    // Windows Media with MPEG-4 Visual at 320 wide or 240 high.
    QTest::newRow("ASF, MPEG-4 Visual 320x200") << "f.asf" << "mpeg4" << "320x200" << true;
    QTest::newRow("WMV, MPEG-4 Visual 640x480") << "g.wmv" << "mpeg4" << "640x480" << false;
    QTest::newRow("ASF, AVC 320x240") << "h.asf" << "libx264" << "320x240" << false;
    // Other containers are never accepted.
    QTest::newRow("MKV, MPEG-4 Visual 720x576") << "i.mkv" << "mpeg4" << "720x576" << false;
}

void TestFileHelper::compatibleVideo()
{
    QFETCH(QString, fileName);
    QFETCH(QString, codec);
    QFETCH(QString, size);
    QFETCH(bool, compatible);
    if (m_ffmpeg.isEmpty())
        QSKIP("ffmpeg is not installed");

    const QString path = makeVideo(fileName, codec, size);
    QVERIFY(!path.isEmpty());

    MessageCapture capture; // the test writes its findings to the debug output
    QCOMPARE(FileHelper::isCompatibleVideo(path), compatible);
}

void TestFileHelper::compatibleVideoErrors()
{
    MessageCapture capture;
    QTemporaryDir dir;
    QVERIFY(!FileHelper::isCompatibleVideo(dir.filePath(QStringLiteral("fehlt.avi"))));
    writeFile(dir.filePath(QStringLiteral("text.avi")), "kein Video");
    QVERIFY(!FileHelper::isCompatibleVideo(dir.filePath(QStringLiteral("text.avi"))));

    // Without the library every video counts as incompatible.
    if (m_ffmpeg.isEmpty())
        QSKIP("ffmpeg is not installed");
    const QString accepted = makeVideo(QStringLiteral("pal.avi"), QStringLiteral("mpeg4"), QStringLiteral("720x576"));
    QVERIFY(!accepted.isEmpty());
    QVERIFY(FileHelper::isCompatibleVideo(accepted));
    Platform::MediaInfo::setLibraryName(QStringLiteral("libzz-not-there.so.0"));
    const bool withoutLibrary = FileHelper::isCompatibleVideo(accepted);
    Platform::MediaInfo::setLibraryName(QString());
    QVERIFY(!withoutLibrary);
}

QTEST_MAIN(TestFileHelper)
#include "tst_filehelper.moc"
