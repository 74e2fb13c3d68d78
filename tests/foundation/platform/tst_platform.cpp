#include "foundation/platform/mediainfo.h"
#include "foundation/platform/platform.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

using Device = QPair<QString, QString>;

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void freeSpace();
    void noVideoDevices();
    void videoDevices();
    void registeredMessages();
    void mediaInfoLibrary();
    void searchPath_data();
    void searchPath();
};

void TestPlatform::freeSpace()
{
    QTemporaryDir dir;
    const qint64 free = Platform::freeSpaceBytes(dir.path());
    QVERIFY(free > 0);
    // The same file system as Qt sees it (allowing for other writers meanwhile).
    QVERIFY(qAbs(free - QStorageInfo(dir.path()).bytesFree()) < 64 * 1024 * 1024);
    QCOMPARE(Platform::freeSpaceBytes(dir.path() + QStringLiteral("/missing/folder")), qint64(-1));
    QCOMPARE(Platform::freeSpaceBytes(QString()), qint64(-1));
}

void TestPlatform::noVideoDevices()
{
    QTemporaryDir dir;
    QVERIFY(Platform::videoInputDevices(dir.path()).isEmpty());
    QVERIFY(Platform::videoInputDevices(dir.path() + QStringLiteral("/missing")).isEmpty());
}

void TestPlatform::videoDevices()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    writeFile(root + QStringLiteral("/video9/name"), "Kamera\n");
    // Later by number, not by spelling: video10 replaces video9.
    writeFile(root + QStringLiteral("/video10/name"), "  Kamera \n");
    writeFile(root + QStringLiteral("/video2/name"), "Grabber");
    // The metadata node of the grabber must not replace its capture node.
    writeFile(root + QStringLiteral("/video3/name"), "Grabber\n");
    writeFile(root + QStringLiteral("/video3/index"), "1\n");
    writeFile(root + QStringLiteral("/video4/name"), "\n"); // no name
    QVERIFY(QDir(root).mkpath(QStringLiteral("video5"))); // no name file
    writeFile(root + QStringLiteral("/radio0/name"), "Radio\n");
    writeFile(root + QStringLiteral("/videoX/name"), "Falsch\n");

    const VideoDeviceList devices = Platform::videoInputDevices(root);
    QCOMPARE(devices.keys(), QStringList({QStringLiteral("Grabber"), QStringLiteral("Kamera")}));
    QCOMPARE(devices.value(QStringLiteral("Kamera")), Device(QStringLiteral("Kamera"), QStringLiteral("/dev/video10")));
    QCOMPARE(devices.value(QStringLiteral("Grabber")), Device(QStringLiteral("Grabber"), QStringLiteral("/dev/video2")));

    // The process-wide root can be pointed at the fake tree and back.
    Platform::setVideoSysfsRoot(root);
    QCOMPARE(Platform::videoInputDevices(), devices);
    Platform::setVideoSysfsRoot(QString());
    QCOMPARE(Platform::videoSysfsRoot(), QStringLiteral("/sys/class/video4linux"));
}

void TestPlatform::registeredMessages()
{
    const unsigned int first = Platform::registerMessage(QStringLiteral("QueryCancelAutoPlay"));
    const unsigned int second = Platform::registerMessage(QStringLiteral("SomethingElse"));
    QVERIFY(first >= 0xC000 && first <= 0xFFFF);
    QVERIFY(second >= 0xC000 && second <= 0xFFFF);
    QVERIFY(first != second);
    QCOMPARE(Platform::registerMessage(QStringLiteral("QueryCancelAutoPlay")), first);
    QCOMPARE(Platform::registerMessage(QStringLiteral("SomethingElse")), second);
}

void TestPlatform::mediaInfoLibrary()
{
    QCOMPARE(Platform::MediaInfo::libraryName(), QStringLiteral("libmediainfo.so.0"));
    QVERIFY(Platform::MediaInfo::libraryAvailable());
    {
        Platform::MediaInfo info;
        QVERIFY(info.isValid());
        QVERIFY(!info.option(QStringLiteral("Info_Version")).isEmpty());
        QVERIFY(!info.open(QStringLiteral("/nonexistent/video.avi")));
        QVERIFY(info.get(Platform::MediaInfo::General, 0, QStringLiteral("Format")).isEmpty());
    }

    // A library that is not there: handles are invalid and answer nothing.
    Platform::MediaInfo::setLibraryName(QStringLiteral("libzz-not-there.so.0"));
    QVERIFY(!Platform::MediaInfo::libraryAvailable());
    {
        Platform::MediaInfo info;
        QVERIFY(!info.isValid());
        QVERIFY(!info.open(QString::fromUtf8(__FILE__)));
        QVERIFY(info.option(QStringLiteral("Info_Version")).isEmpty());
    }
    Platform::MediaInfo::setLibraryName(QString());
    QVERIFY(Platform::MediaInfo().isValid());
}

void TestPlatform::searchPath_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("appended after the list separator")
        << QByteArray("/usr/bin:/bin") << QStringLiteral("/opt/zz app") << QByteArray("/usr/bin:/bin:/opt/zz app");
    // An empty element would put the current folder on the search path.
    QTest::newRow("unset gives the folder alone") << QByteArray() << QStringLiteral("/opt/zz app") << QByteArray("/opt/zz app");
    QTest::newRow("folder in the file-name encoding")
        << QByteArray("/bin") << QStringLiteral("/opt/Über") << QByteArray("/bin:/opt/\xc3\x9c" "ber");
}

void TestPlatform::searchPath()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, folder);
    QFETCH(QByteArray, expected);
    QCOMPARE(Platform::searchPathWith(path, folder), expected);

    const QByteArray saved = qgetenv("PATH");
    if (path.isNull())
        qunsetenv("PATH");
    else
        qputenv("PATH", path);
    Platform::appendToSearchPath(folder);
    const QByteArray after = qgetenv("PATH");
    qputenv("PATH", saved);
    QCOMPARE(after, expected);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
