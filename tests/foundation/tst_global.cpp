#include "foundation/config.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "foundation/platform/platform.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QSettings>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

bool isInside(const QString &path, const QString &folder)
{
    return QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

} // namespace

class TestGlobal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneInstance();
    void dataDirectoryAndStores();
    void userSettings();
    void nothingWrittenOutsideTheEnvironment();
    void videoDevicesFromSysfs();
    void videoFilter();
    void planScaleAndMessageId();
    void translationFile_data();
    void translationFile();
    void tableFont();
    void settingsReachDiskAtQuit();

private:
    TestEnvironment m_env;
    ReporterCapture m_reports;
    Global *m_global = nullptr;
};

void TestGlobal::initTestCase()
{
    // Two devices with one name (the later node wins), a second node of the first camera and
    // an entry that is no video node.
    const QString sysfs = m_env.root() + QStringLiteral("/sysfs");
    writeFile(sysfs + QStringLiteral("/video0/name"), "USB Kamera\n");
    writeFile(sysfs + QStringLiteral("/video0/index"), "0\n");
    writeFile(sysfs + QStringLiteral("/video1/name"), "USB Kamera\n");
    writeFile(sysfs + QStringLiteral("/video1/index"), "1\n");
    writeFile(sysfs + QStringLiteral("/video2/name"), "USB Kamera\n");
    writeFile(sysfs + QStringLiteral("/video2/index"), "0\n");
    writeFile(sysfs + QStringLiteral("/vbi0/name"), "Teletext\n");
    Platform::setVideoSysfsRoot(sysfs);

    m_global = Global::instance();
    QVERIFY(m_global);
}

void TestGlobal::oneInstance()
{
    QCOMPARE(Global::instance(), m_global);
    QCOMPARE(Global::instance()->config().data(), m_global->config().data());
}

void TestGlobal::dataDirectoryAndStores()
{
    const QString dataDirectory = m_global->dataDirectory();
    QCOMPARE(dataDirectory, m_env.root() + QStringLiteral("/data/RivuzAzed/"));
    QVERIFY(!dataDirectory.endsWith(QStringLiteral("//")));
    QVERIFY(QFileInfo(dataDirectory).isDir());

    QVERIFY(m_global->firmStore());
    QCOMPARE(m_global->firmStore()->filePath(), dataDirectory + QStringLiteral("tsfirm.ini"));
    QCOMPARE(m_global->firmStore()->count(), 0);
    QVERIFY(m_global->config());
    QCOMPARE(m_global->config()->filePath(), dataDirectory + QStringLiteral("tsconfig.ini"));
    // The configuration was loaded: its first start chose the project folder and said so.
    const QString projectPath = m_global->config()->projectPath();
    QVERIFY(isInside(projectPath, m_env.home()));
    QVERIFY(QFileInfo(projectPath).isDir());
    QCOMPARE(m_reports.notices().size(), 1);
    QVERIFY(m_reports.notices().first().contains(projectPath));
}

void TestGlobal::userSettings()
{
    const QSharedPointer<QSettings> settings = m_global->settings();
    QVERIFY(settings);
    QCOMPARE(settings->applicationName(), QStringLiteral("ZozoRure"));
    QVERIFY(!settings->organizationName().isEmpty());
    QCOMPARE(settings->format(), QSettings::NativeFormat);
    QCOMPARE(settings->scope(), QSettings::UserScope);
    QVERIFY(!settings->parent());
    QVERIFY(isInside(settings->fileName(), m_env.root() + QStringLiteral("/config")));
}

void TestGlobal::nothingWrittenOutsideTheEnvironment()
{
    // Every place Global writes to lies in the temporary environment.
    m_global->settings()->setValue(QStringLiteral("test/value"), 1);
    m_global->settings()->sync();
    QVERIFY(QFile::exists(m_global->settings()->fileName()));
    QVERIFY(m_global->config()->save());
    QVERIFY(m_global->firmStore()->save());
    const QStringList written = {m_global->settings()->fileName(), m_global->config()->filePath(),
                                 m_global->firmStore()->filePath(), m_global->config()->projectPath(),
                                 m_global->dataDirectory()};
    for (const QString &path : written) {
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QVERIFY2(isInside(path, m_env.root()), qPrintable(path));
    }
}

void TestGlobal::videoDevicesFromSysfs()
{
    const QSharedPointer<VideoDeviceList> devices = m_global->videoDevices();
    QVERIFY(devices);
    QCOMPARE(devices->size(), 1);
    QCOMPARE(devices->value(QStringLiteral("USB Kamera")),
             qMakePair(QStringLiteral("USB Kamera"), QStringLiteral("/dev/video2")));
}

void TestGlobal::videoFilter()
{
    const QString expected = QStringLiteral("*.avi *.mpg *.mp4 *.wmv *.flv *.3g2 *.3gp *.asf *.asx *.m4v *.mov *.swf "
                                            "*.bin *.mkv *.ogm *.ts *.vob");
    QCOMPARE(m_global->videoFilter(), expected);
    QCOMPARE(Global::standardVideoFilter(), expected);
    QCOMPARE(m_global->videoFilter().split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 17);
}

void TestGlobal::planScaleAndMessageId()
{
    QVERIFY(m_global->meterRatio());
    QCOMPARE(m_global->meterRatio()->ratio(), 0.01);
    QVERIFY(!m_global->meterRatio()->parent());

    const unsigned int id = m_global->autoPlayMessage();
    QVERIFY(id >= 0xC000 && id <= 0xFFFF);
    QCOMPARE(Platform::registerMessage(QStringLiteral("QueryCancelAutoPlay")), id);
    QVERIFY(m_global->translator());
    QVERIFY(m_global->translator()->isEmpty());
}

void TestGlobal::translationFile_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");

    QTest::newRow("0 German is built in") << 0 << QString();
    QTest::newRow("1") << 1 << "da";
    QTest::newRow("2") << 2 << "en";
    QTest::newRow("3") << 3 << "es";
    QTest::newRow("4") << 4 << "fi";
    QTest::newRow("5") << 5 << "fr";
    QTest::newRow("6") << 6 << "hr";
    QTest::newRow("7") << 7 << "nb";
    QTest::newRow("8") << 8 << "pl";
    QTest::newRow("9") << 9 << "ru";
    QTest::newRow("10") << 10 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestGlobal::translationFile()
{
    QFETCH(int, language);
    QFETCH(QString, code);
    const QString expected = code.isEmpty() ? QString()
                                            : QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/i18n/zozorure_%1.qm").arg(code);
    // The path is given whether or not the file exists; the caller checks.
    QCOMPARE(Global::translationFile(language), expected);
}

void TestGlobal::tableFont()
{
    const QFont &font = Global::tableFont();
    QCOMPARE(&font, &Global::tableFont());
    QCOMPARE(font.pointSize(), 23);
    QCOMPARE(font.weight(), 75);
    QVERIFY(!font.italic());
    const QFontInfo info(font);
    QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
    QCOMPARE(info.family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(info.bold(), true);
}

void TestGlobal::settingsReachDiskAtQuit()
{
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/global_quit_helper");
    QVERIFY(QFileInfo(helper).isExecutable());
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(helper, QStringList());
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);

    // The helper ran in the same environment, so it used the same settings file.
    QFile file(m_global->settings()->fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll().contains("probe-at-quit"), qPrintable(file.fileName()));
}

QTEST_MAIN(TestGlobal)
#include "tst_global.moc"
