#include "foundation/config.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

#include <unistd.h>

namespace {

QString translated(const char *source)
{
    return QCoreApplication::translate("ZZTest", source);
}

void writeIni(const QString &path, const QList<QPair<QString, QVariant>> &values)
{
    QSettings s(path, QSettings::IniFormat);
    for (const auto &v : values)
        s.setValue(v.first, v.second);
}

void writeColors(const QString &path, int count)
{
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Classify"));
    s.beginWriteArray(QStringLiteral("Colors"));
    for (int i = 0; i < count; ++i) {
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("color"), QColor(10 * i, 20, 30));
    }
    s.endArray();
    s.endGroup();
}

// The notices about the settings file (the first start also announces the project folder).
QStringList aboutTheFile(const QStringList &notices)
{
    return notices.filter(QStringLiteral("tsconfig.ini"));
}

class LanguageChangeCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        dataDir = env->root() + QStringLiteral("/data/RivuzAzed/");
        QDir().mkpath(dataDir);
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void freshDirectoryGivesDefaults()
    {
        Config c(dataDir);
        c.load();
        QCOMPARE(c.language(), 0);
        QCOMPARE(c.textTime(), 4);
        QCOMPARE(c.baseTime(), 3);
        QCOMPARE(c.fotoStyle(), 6);
        QCOMPARE(c.pipelineLayout(), 1);
        QCOMPARE(c.labelFontSize(), 8);
        QCOMPARE(c.jpegText(), true);
        QCOMPARE(c.withInspectionNames(), true);
        for (bool flag : {c.blending(), c.dateFlag(), c.timeFlag(), c.meterFlag(), c.firmFlag(),
                          c.writeNewData(), c.startHA(), c.endEH(), c.makeTextReport(), c.colorDamage(),
                          c.colorProjects(), c.proximateHint(), c.classifyFlag()})
            QCOMPARE(flag, false);
        QCOMPARE(c.firmText(), QString());
        QCOMPARE(c.labelText(), 0);
        QCOMPARE(c.labelStyle(), 0);
        QCOMPARE(c.labelTextCustom(), QString());
        QCOMPARE(c.labelFont(), QString());
        QCOMPARE(c.labelStyleColorText(), 0);
        QCOMPARE(c.labelStyleColorBackground(), 0);
        QCOMPARE(c.labelStyleColorLine(), 0);
        const QVector<QColor> ramp{QColor(0, 0, 0), QColor(51, 0, 0), QColor(102, 0, 0),
                                   QColor(153, 0, 0), QColor(204, 0, 0)};
        QCOMPARE(c.classColors(), ramp);
    }

    void defaultProjectFolderIsCreatedAndAnnouncedOnce()
    {
        const QString expected = env->home() + QStringLiteral("/Documents/ZazudIradezod");
        QVERIFY(!QFileInfo::exists(env->home() + QStringLiteral("/Documents")));
        {
            Config c(dataDir);
            c.load();
            QCOMPARE(c.projectPath(), expected);
        }
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(capture->notices(),
                 QStringList{QStringLiteral("Als Projektverzeichnis wurde %1 voreingestellt.").arg(expected)});

        capture->clear();
        Config again(dataDir);
        again.load();
        QCOMPARE(again.projectPath(), expected);
        QVERIFY(capture->notices().isEmpty());
    }

    void storedProjectPathIsKept()
    {
        writeIni(dataDir + QStringLiteral("tsconfig.ini"), {{QStringLiteral("Config/ProjectPath"), QStringLiteral("/srv/projects")}});
        Config c(dataDir);
        c.load();
        QCOMPARE(c.projectPath(), QStringLiteral("/srv/projects"));
        QVERIFY(capture->notices().isEmpty());
        QVERIFY(!QFileInfo::exists(env->home() + QStringLiteral("/Documents/ZazudIradezod")));
    }

    void saveLoadRoundTripsEveryKey()
    {
        {
            Config c(dataDir);
            c.load();
            c.setProjectPath(QStringLiteral("/data/projekte äöü"));
            c.setBlending(true);
            c.setDateFlag(true);
            c.setTimeFlag(true);
            c.setMeterFlag(true);
            c.setFirmFlag(true);
            c.setFirmText(QStringLiteral("Kanal & Co, Zeile 2"));
            c.setTextTime(9);
            c.setBaseTime(7);
            c.setJpegText(false);
            c.setStartHA(true);
            c.setEndEH(true);
            c.setFotoStyle(3);
            c.setPipelineLayout(0);
            c.setMakeTextReport(true);
            c.setColorDamage(true);
            c.setColorProjects(true);
            c.setProximateHint(true);
            c.setClassifyFlag(true);
            c.setClassColor(2, QColor(1, 2, 3, 4));
            c.setWithInspectionNames(false);
            c.setLabelText(2);
            c.setLabelTextCustom(QStringLiteral("Label %1"));
            c.setLabelFontSize(14);
            c.setLabelFont(QStringLiteral("DejaVu Serif"));
            c.setLabelStyle(1);
            c.setLabelStyleColorText(11);
            c.setLabelStyleColorBackground(12);
            c.setLabelStyleColorLine(13);
            c.setLanguage(5);
            c.setWriteNewData(true);
            QVERIFY(c.save());
        }
        Config c(dataDir);
        c.load();
        QCOMPARE(c.projectPath(), QStringLiteral("/data/projekte äöü"));
        QVERIFY(c.blending() && c.dateFlag() && c.timeFlag() && c.meterFlag() && c.firmFlag());
        QCOMPARE(c.firmText(), QStringLiteral("Kanal & Co, Zeile 2"));
        QCOMPARE(c.textTime(), 9);
        QCOMPARE(c.baseTime(), 7);
        QCOMPARE(c.jpegText(), false);
        QVERIFY(c.startHA() && c.endEH());
        QCOMPARE(c.fotoStyle(), 3);
        QCOMPARE(c.pipelineLayout(), 0);
        QVERIFY(c.makeTextReport() && c.colorDamage() && c.colorProjects() && c.proximateHint() && c.classifyFlag());
        QCOMPARE(c.classColor(2), QColor(1, 2, 3, 4));
        QCOMPARE(c.classColor(4), QColor(204, 0, 0));
        QCOMPARE(c.withInspectionNames(), false);
        QCOMPARE(c.labelText(), 2);
        QCOMPARE(c.labelTextCustom(), QStringLiteral("Label %1"));
        QCOMPARE(c.labelFontSize(), 14);
        QCOMPARE(c.labelFont(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(c.labelStyle(), 1);
        QCOMPARE(c.labelStyleColorText(), 11);
        QCOMPARE(c.labelStyleColorBackground(), 12);
        QCOMPARE(c.labelStyleColorLine(), 13);
        QCOMPARE(c.language(), 5);
        // Held in memory only.
        QCOMPARE(c.writeNewData(), false);

        QSettings raw(dataDir + QStringLiteral("tsconfig.ini"), QSettings::IniFormat);
        QVERIFY(raw.contains(QStringLiteral("Video/MeterPosition")));
        QCOMPARE(raw.value(QStringLiteral("Video/MeterPosition")).toInt(), 0);
    }

    void saveReplacesTheWholeFileAtomically()
    {
        const QString path = dataDir + QStringLiteral("tsconfig.ini");
        writeIni(path, {{QStringLiteral("Config/ProjectPath"), QStringLiteral("/p")},
                        {QStringLiteral("Stale/Key"), 42}});
        // A second name for the old file: a save that wrote in place would change it too.
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(dataDir + QStringLiteral("old.ini")).constData()) == 0);
        QFile oldFile(dataDir + QStringLiteral("old.ini"));
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        const QByteArray before = oldFile.readAll();
        oldFile.close();

        Config c(dataDir);
        c.load();
        c.setTextTime(8);
        QVERIFY(c.save());

        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), before);
        oldFile.close();

        QSettings raw(path, QSettings::IniFormat);
        QVERIFY(!raw.contains(QStringLiteral("Stale/Key")));
        QCOMPARE(raw.value(QStringLiteral("Video/TextTime")).toInt(), 8);
        const QStringList left = QDir(dataDir).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.filter(QStringLiteral("tsconfig.ini")), QStringList{QStringLiteral("tsconfig.ini")});
    }

    void saveFailureLeavesOldFile()
    {
        // The data directory is a plain file: nothing can be created there.
        const QString blocked = env->root() + QStringLiteral("/blocked");
        QFile f(blocked);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        Config c(blocked);
        QVERIFY(!c.save());
    }

    void classColorList_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<bool>("ramp");
        QTest::newRow("none") << 0 << 5 << true;
        QTest::newRow("three") << 3 << 5 << true;
        QTest::newRow("five") << 5 << 5 << false;
        QTest::newRow("seven") << 7 << 7 << false;
    }
    void classColorList()
    {
        QFETCH(int, stored);
        QFETCH(int, expectedCount);
        QFETCH(bool, ramp);
        writeColors(dataDir + QStringLiteral("tsconfig.ini"), stored);
        Config c(dataDir);
        c.load();
        QCOMPARE(c.classColors().size(), expectedCount);
        for (int i = 0; i < expectedCount; ++i)
            QCOMPARE(c.classColors().at(i), ramp ? QColor(51 * i, 0, 0) : QColor(10 * i, 20, 30));

        // Every held colour is written back.
        QVERIFY(c.save());
        Config reread(dataDir);
        reread.load();
        QCOMPARE(reread.classColors(), c.classColors());
    }

    void claimedColorCountIsBounded()
    {
        QFile file(dataDir + QStringLiteral("tsconfig.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Classify]\nColors\\size=2000000000\nColors\\1\\color=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n");
        file.close();
        Config c(dataDir);
        c.load();
        QCOMPARE(c.classColors().size(), 5);
        QCOMPARE(c.classColor(3), QColor(153, 0, 0));
    }

    // QSettings rebuilds a typed value from the bytes it finds; a damaged file must not reach
    // it. What the file holds is passed over as a whole: the defaults apply, and the user is told.
    void damagedFilesGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("colour of no known model")
            << QByteArray("[Classify]\nColors\\size=1\nColors\\1\\color=@Variant(\\0\\0\\0\\x43\\x7f\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n");
        QTest::newRow("colour cut short")
            << QByteArray("[Classify]\nColors\\size=1\nColors\\1\\color=@Variant(\\0\\0\\0\\x43\\x1\\xff)\n");
        QTest::newRow("typed value that is no colour")
            << QByteArray("[Video]\nBaseTime=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\n");
        QTest::newRow("date and time") << QByteArray("[Config]\nProjectPath=@DateTime(\\0\\0\\0\\x1)\n");
    }
    void damagedFilesGiveTheDefaults()
    {
        QFETCH(QByteArray, line);
        const QString path = dataDir + QStringLiteral("tsconfig.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Video]\nTextTime=9\n[Report]\nFotoStyle=2\n" + line);
        file.close();
        Config c(dataDir);
        c.load();
        QCOMPARE(c.textTime(), 4);
        QCOMPARE(c.fotoStyle(), 6);
        QCOMPARE(c.classColors().size(), 5);
        QCOMPARE(c.classColor(3), QColor(153, 0, 0));
        QVERIFY(!c.projectPath().isEmpty());
        QCOMPARE(aboutTheFile(capture->notices()).size(), 1);
    }

    void oversizedFileGivesTheDefaults()
    {
        const QString path = dataDir + QStringLiteral("tsconfig.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Video]\nTextTime=9\n");
        QVERIFY(file.resize(20 * 1024 * 1024 + 1)); // sparse
        file.close();
        Config c(dataDir);
        c.load();
        QCOMPARE(c.textTime(), 4);
        const QStringList notices = aboutTheFile(capture->notices());
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.first().contains(QStringLiteral("20 MB")), qPrintable(notices.first()));
    }

    // Inputs found by fuzzing or made to stand for what fuzzing looks for: names starting "bad-"
    // give the defaults with a notice, the others are read without one and written back as read.
    void fuzzedFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/config"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
    void fuzzedFiles()
    {
        QFETCH(QString, path);
        const bool bad = QFileInfo(path).fileName().startsWith(QLatin1String("bad-"));
        const QString file = dataDir + QStringLiteral("tsconfig.ini");
        QVERIFY(QFile::copy(path, file));
        Config c(dataDir);
        c.load();
        QCOMPARE(aboutTheFile(capture->notices()).size(), bad ? 1 : 0);
        if (bad) {
            QCOMPARE(c.textTime(), 4);
            QCOMPARE(c.baseTime(), 3);
            return;
        }
        QVERIFY(c.save());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        written.close();
        Config again(dataDir);
        again.load();
        QCOMPARE(again.classColors(), c.classColors());
        QVERIFY(again.save());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);
    }

    void classColorIndexes()
    {
        writeColors(dataDir + QStringLiteral("tsconfig.ini"), 7);
        Config c(dataDir);
        c.load();
        QCOMPARE(c.classColor(5), QColor(Qt::black));
        QCOMPARE(c.classColor(-1), QColor(Qt::black));
        c.setClassColor(7, Qt::green);
        QCOMPARE(c.classColors().size(), 5);
        QCOMPARE(c.classColor(4), QColor(40, 20, 30));

        Config fresh(dataDir + QStringLiteral("other/"));
        fresh.setClassColor(-3, Qt::green);
        QCOMPARE(fresh.classColors().size(), 5);
    }

    void fotoStyleImageNames()
    {
        const QStringList names{"1_2.png", "1_3.png", "2_2.png", "2_3.png", "3_2.png", "3_3.png",
                                "1_2_Text.png", "1_3_Text.png"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(Config::fotoStyleImageName(i), names.at(i));
        QCOMPARE(Config::fotoStyleImageName(8), QStringLiteral("1_2.png"));
        QCOMPARE(Config::fotoStyleImageName(-1), QStringLiteral("1_2.png"));
    }

    void translatorsPerLanguage_data()
    {
        // Marker translations exist for qt_de, qt_fi, qt_en, ZOZOrure_en, ZOZOrure_da and
        // ZOZOrureLibrary_en in the test's data/ folder.
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("library");
        QTest::newRow("German: only Qt's") << 0 << "qt-de" << "program" << "library";
        QTest::newRow("Danish: no Qt file, own program file") << 1 << "qt" << "program-da" << "library";
        QTest::newRow("Finnish: Qt fi, program and library fall back to en") << 4 << "qt-fi" << "program-en" << "library-en";
        QTest::newRow("index 8 loads en") << 8 << "qt-en" << "program-en" << "library-en";
        QTest::newRow("index 2 English") << 2 << "qt-en" << "program-en" << "library-en";
        QTest::newRow("out of range is en") << 12 << "qt-en" << "program-en" << "library-en";
    }
    void translatorsPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, qt);
        QFETCH(QString, program);
        QFETCH(QString, library);
        writeIni(dataDir + QStringLiteral("tsconfig.ini"), {{QStringLiteral("Config/Language"), language}});
        {
            Config c(dataDir);
            c.load();
            QCOMPARE(translated("qt"), qt);
            QCOMPARE(translated("program"), program);
            QCOMPARE(translated("library"), library);
        }
        // Gone with their Config.
        QCOMPARE(translated("qt"), QStringLiteral("qt"));
        QCOMPARE(translated("program"), QStringLiteral("program"));
    }

    void languageSwitchReplacesTranslators()
    {
        Config c(dataDir);
        c.load();
        QCOMPARE(translated("qt"), QStringLiteral("qt-de"));
        c.setLanguage(4);
        QCOMPARE(translated("qt"), QStringLiteral("qt-fi"));
        QCOMPARE(translated("program"), QStringLiteral("program-en"));

        LanguageChangeCounter counter;
        qApp->installEventFilter(&counter);
        c.setLanguage(4);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.count, 0);
        QCOMPARE(translated("qt"), QStringLiteral("qt-fi"));

        c.setLanguage(0);
        QCOMPARE(translated("qt"), QStringLiteral("qt-de"));
        QCOMPARE(translated("program"), QStringLiteral("program"));
        QCOMPARE(translated("library"), QStringLiteral("library"));
    }

private:
    QScopedPointer<TestEnvironment> env;
    QScopedPointer<ReporterCapture> capture;
    QString dataDir;
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
