#include "support/model/inspections.h"
#include "support/model/testinvestigation.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <unistd.h>

using namespace TestFiles;

namespace {

ObservationRecord observation(double distance, const QString &code, const QString &photo = QString(), int clockFrom = 0)
{
    ObservationRecord o;
    o.distance = distance;
    o.code = code;
    o.photoFile = photo;
    o.clockFrom = clockFrom;
    o.videoTime = QTime(0, 1, qBound(0, int(distance), 59));
    return o;
}

void writeJpeg(const QString &path, const QColor &color)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    QVERIFY(image.save(path, "JPG"));
}

const QByteArray kValidFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Test>\n <Header>\n  <Street>Hauptstraße</Street>\n"
    "  <Section>H1</Section>\n  <Length>30.00</Length>\n  <Date>2025-05-06</Date>\n </Header>\n"
    " <Obs><Distance>-1.50</Distance><Code>BCD</Code></Obs>\n"
    " <Obs><Distance>12.00</Distance><Code>BAB</Code><Time>000112</Time><Photo>img_1_3.jpg</Photo></Obs>\n"
    "</Test>\n";

} // namespace

class TestInvestigation_ : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        folder = env->root() + QStringLiteral("/H1/");
        QDir().mkpath(folder);
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void saveAndLoadRoundTrip()
    {
        TestInvestigation out;
        out.setFolder(folder);
        out.setFileName(QStringLiteral("H1.xml"));
        InspectionHeader header;
        header.client = QStringLiteral("Stadt Musterhausen\r\nAbteilung Tiefbau");
        header.street = QStringLiteral("Hauptstraße");
        header.sectionName = QStringLiteral("H1");
        header.inspectionLength = 30;
        header.date = QDate(2025, 5, 6);
        out.setMainData(header);
        out.mutableObservations() << observation(-1.5, QStringLiteral("BCD")) << observation(12, QStringLiteral("BAB"), QStringLiteral("img_1_3.jpg"), 3);
        QVERIFY(out.save());
        QVERIFY(capture->errors().isEmpty());
        // The side file is one line, exchanged with Windows installations.
        QCOMPARE(readAll(folder + QStringLiteral("H1.dat")), QByteArray("Stadt Musterhausen  Abteilung Tiefbau\r\n"));

        TestInvestigation in;
        QVERIFY(in.load(folder + QStringLiteral("H1.xml")));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(!in.loadFailed());
        QCOMPARE(in.folder(), folder);
        QCOMPARE(in.fileName(), QStringLiteral("H1.xml"));
        QCOMPARE(in.mainData().client, QStringLiteral("Stadt Musterhausen  Abteilung Tiefbau"));
        QCOMPARE(in.mainData().street, QStringLiteral("Hauptstraße"));
        QCOMPARE(in.mainData().date, QDate(2025, 5, 6));
        QCOMPARE(in.observations().size(), 2);
        QCOMPARE(in.observations().at(1).photoFile, QStringLiteral("img_1_3.jpg"));
        QCOMPARE(in.observations().at(1).clockFrom, 3);
        QCOMPARE(in.observations().at(1).videoTime, QTime(0, 1, 12));
    }

    void negativeOffsetIsCountedOnceAndNeverStored()
    {
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, kValidFile);
        for (int cycle = 0; cycle < 3; ++cycle) {
            TestInvestigation inv;
            QVERIFY(inv.load(path));
            QCOMPARE(inv.mainData().inspectionLength, 30.0);
            QCOMPARE(inv.inspectedLength(), 31.5);
            QVERIFY(inv.save());
        }
        TestInvestigation inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().inspectionLength, 30.0);

        // An observation beyond the stored length stretches the shown length.
        inv.mutableObservations() << observation(40, QStringLiteral("BAB"));
        QCOMPARE(inv.inspectedLength(), 41.5);
        inv.mutableObservations().clear();
        QCOMPARE(inv.inspectedLength(), 30.0);
    }

    void unexpectedElementsAndCompactFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("unknown element with children inside a record")
            << QByteArray("<Test><Header><Street>A</Street><Vendor><X>1</X><Y/></Vendor><Section>H1</Section>"
                          "<Length>30</Length></Header>"
                          "<Obs><Distance>1</Distance><Extra><Deep>z</Deep></Extra><Code>BAB</Code></Obs>"
                          "<Unknown/><Obs><Distance>2</Distance><Code>BAC</Code></Obs></Test>");
        QTest::newRow("markup inside a text element")
            << QByteArray("<Test><Header><Street>A<b>!</b></Street><Section>H1</Section><Length>30</Length></Header>"
                          "<Obs><Distance>1</Distance><Code>BAB</Code></Obs>"
                          "<Obs><Distance>2</Distance><Code>BAC</Code></Obs></Test>");
    }
    void unexpectedElementsAndCompactFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, content);
        TestInvestigation inv;
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(inv.mainData().street.startsWith(QLatin1Char('A')));
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("H1"));
        QCOMPARE(inv.mainData().inspectionLength, 30.0);
        QCOMPARE(inv.observations().size(), 2);
        QCOMPARE(inv.observations().at(0).code, QStringLiteral("BAB"));
        QCOMPARE(inv.observations().at(1).code, QStringLiteral("BAC"));
    }

    void brokenFilesAreReportedAndNeverSavedOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not XML") << QByteArray("Haltung;H1;30\nBAB;12\n") << true;
        QTest::newRow("truncated") << kValidFile.left(kValidFile.indexOf("<Code>BAB")) << true;
        QTest::newRow("bad number") << QByteArray("<Test><Header><Length>dreißig</Length></Header></Test>") << true;
    }
    void brokenFilesAreReportedAndNeverSavedOver()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString path = folder + QStringLiteral("H1.xml");
        if (exists)
            writeFile(path, content);

        TestInvestigation inv;
        QVERIFY(!inv.load(path));
        QVERIFY(inv.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("H1.xml")));
        QCOMPARE(inv.fileName(), QStringLiteral("H1.xml"));

        capture->clear();
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(QFile::exists(path), exists);
        if (exists)
            QCOMPARE(readAll(path), content);

        // Saved on purpose by the user.
        inv.allowOverwrite();
        QVERIFY(inv.save());
        TestInvestigation reread;
        QVERIFY(reread.load(path));
    }

    // The changed mark: set by the editors, cleared only by a load or save that succeeded, for
    // the base class's writer and for the fixed-column writer of its own.
    void changedMarkFollowsLoadAndSave_data()
    {
        QTest::addColumn<int>("normKind");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("xml writer") << -1 << QStringLiteral("H1.xml");
        QTest::newRow("fixed columns") << int(NormIsybau2001) << QStringLiteral("H1.lh");
    }
    void changedMarkFollowsLoadAndSave()
    {
        QFETCH(int, normKind);
        QFETCH(QString, fileName);
        auto make = [normKind]() -> std::unique_ptr<Investigation> {
            if (normKind < 0)
                return std::make_unique<TestInvestigation>();
            return makeInspection(normKind);
        };
        const QString path = folder + fileName;

        auto inv = make();
        QVERIFY(!inv->isChanged());
        inv->setFolder(folder);
        inv->setFileName(fileName);
        inv->mutableMainData().sectionName = QStringLiteral("H1");
        inv->setChanged(true);
        QVERIFY(inv->save());
        QVERIFY(!inv->isChanged());

        // A save that cannot write keeps the mark.
        inv->setChanged(true);
        inv->setFolder(folder + QStringLiteral("fehlt/"));
        QVERIFY(!inv->save());
        QVERIFY(inv->isChanged());
        capture->clear();

        // A failed load keeps it, a load that succeeds clears it.
        QVERIFY(!inv->load(folder + QStringLiteral("fehlt/") + fileName));
        QVERIFY(inv->isChanged());
        capture->clear();
        QVERIFY(inv->load(path));
        QVERIFY(!inv->isChanged());
    }

    void savingAsAnotherFileIsAllowedAfterFailedLoad()
    {
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, "kaputt");
        TestInvestigation inv;
        QVERIFY(!inv.load(path));
        inv.setFileName(QStringLiteral("H1_neu.xml"));
        QVERIFY(inv.save());
        QCOMPARE(readAll(path), QByteArray("kaputt"));
    }

    // The guard of a file that failed to load follows the file: renamed by the inspection, or
    // moved outside it and the inspection pointed at the new place, it is still not saved over.
    void guardFollowsTheFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("renamed") << "renamed";
        QTest::newRow("folder moved") << "folder moved";
        QTest::newRow("file renamed") << "file renamed";
    }
    void guardFollowsTheFile()
    {
        QFETCH(QString, how);
        const QByteArray content("<Test><Header><Length>dreißig</Length></Header></Test>");
        writeFile(folder + QStringLiteral("H1.xml"), content);
        TestInvestigation inv;
        QVERIFY(!inv.load(folder + QStringLiteral("H1.xml")));
        QCOMPARE(inv.loadResult(), Investigation::LoadResult::Partial);

        QString moved;
        if (how == QLatin1String("renamed")) {
            QVERIFY(inv.rename(QStringLiteral("H2")));
            moved = env->root() + QStringLiteral("/H2/H2.xml");
        } else if (how == QLatin1String("folder moved")) {
            QVERIFY(QDir().rename(folder, env->root() + QStringLiteral("/Archiv")));
            inv.setFolder(env->root() + QStringLiteral("/Archiv"));
            moved = env->root() + QStringLiteral("/Archiv/H1.xml");
        } else {
            QVERIFY(QFile::rename(folder + QStringLiteral("H1.xml"), folder + QStringLiteral("H1_alt.xml")));
            inv.setFileName(QStringLiteral("H1_alt.xml"));
            moved = folder + QStringLiteral("H1_alt.xml");
        }
        QCOMPARE(inv.filePath(), moved);
        capture->clear();
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("nicht überschrieben")));
        QCOMPARE(readAll(moved), content);

        inv.allowOverwrite();
        QVERIFY(inv.save());
    }

    // A save killed midway leaves temporary files beside the inspection and its side file; the
    // next save removes them, and nothing else.
    void staleSaveFilesAreRemoved()
    {
        const QStringList stale = leaveStaleSaveFiles(folder + QStringLiteral("H1.xml"))
                                  + leaveStaleSaveFiles(folder + QStringLiteral("H1.dat"));
        QCOMPARE(stale.size(), 6);
        const QStringList kept{folder + QStringLiteral("H1.xml.backup"), folder + QStringLiteral("H2.xml.AbCdEf"),
                               folder + QStringLiteral("img_1_1.jpg")};
        for (const QString &path : kept)
            writeOldFile(path, "eigen");

        TestInvestigation inv;
        inv.setFolder(folder);
        inv.setFileName(QStringLiteral("H1.xml"));
        QVERIFY(inv.save());
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QStringList expected{QStringLiteral("H1.dat"), QStringLiteral("H1.xml")};
        for (const QString &path : kept)
            expected << QFileInfo(path).fileName();
        expected.sort();
        QCOMPARE(left, expected);
    }

    void saveReplacesFilesWhole()
    {
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, kValidFile);
        writeFile(folder + QStringLiteral("H1.dat"), "alt\r\n");
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder + QStringLiteral("old.xml")).constData()) == 0);
        QVERIFY(::link(QFile::encodeName(folder + QStringLiteral("H1.dat")).constData(), QFile::encodeName(folder + QStringLiteral("old.dat")).constData()) == 0);
        TestInvestigation inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().client, QStringLiteral("alt"));
        InspectionHeader h = inv.mainData();
        h.client = QStringLiteral("neu");
        inv.setMainData(h);
        QVERIFY(inv.save());
        // The old files were replaced, not written in place.
        QCOMPARE(readAll(folder + QStringLiteral("old.xml")), kValidFile);
        QCOMPARE(readAll(folder + QStringLiteral("old.dat")), QByteArray("alt\r\n"));
        QCOMPARE(readAll(folder + QStringLiteral("H1.dat")), QByteArray("neu\r\n"));
    }

    void unwritableTargetIsReported()
    {
        TestInvestigation inv;
        inv.setFolder(env->root() + QStringLiteral("/does/not/exist/"));
        inv.setFileName(QStringLiteral("H1.xml"));
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().startsWith(QStringLiteral("Die Datei ")));
        QVERIFY(capture->errors().first().contains(QStringLiteral("konnte nicht zum Schreiben geöffnet werden!\n")));
    }

    void sideFileAcceptsBothLineEnds()
    {
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, kValidFile);
        for (const QByteArray &side : {QByteArray("Kunde A\r\nzweite\r\n"), QByteArray("Kunde A\nzweite\n")}) {
            writeFile(folder + QStringLiteral("H1.dat"), side);
            TestInvestigation inv;
            QVERIFY(inv.load(path));
            QCOMPARE(inv.mainData().client, QStringLiteral("Kunde A"));
        }
        // A file name without a suffix under a dotted folder keeps its side file beside it.
        QDir().mkpath(env->root() + QStringLiteral("/Projekt.2025/H2"));
        TestInvestigation inv;
        inv.setFolder(env->root() + QStringLiteral("/Projekt.2025/H2"));
        inv.setFileName(QStringLiteral("H2"));
        QVERIFY(inv.save());
        QVERIFY(QFile::exists(env->root() + QStringLiteral("/Projekt.2025/H2/H2.dat")));
    }

    // Bytes handed over by a caller pass the same guard as a file read: a document declaring its
    // own entities is refused however it is encoded, and a plain one loads.
    void loadedContentIsGuardedLikeAFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("refused");
        const QByteArray body = "<Test><Header><Street>&e;</Street></Header><Obs><Code>BAB</Code></Obs></Test>";
        const QByteArray type = "<!DOCTYPE Test [<!ENTITY e \"Hauptstra\xc3\x9f" "e\">]>";
        const QByteArray utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
        QTest::newRow("plain") << kValidFile << false;
        QTest::newRow("no declaration") << type + body << true;
        QTest::newRow("UTF-8 declared") << utf8 + type + body << true;
        QTest::newRow("after a comment") << utf8 + "<!-- x -->" + type + body << true;
        QTest::newRow("after an instruction") << utf8 + "\n<?x y?>\n" + type + body << true;
        QTest::newRow("Latin-1 declared")
            << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?>") + type + body << true;
        QTest::newRow("UTF-8 mark") << "\xef\xbb\xbf" + utf8 + type + body << true;
        const QString wide = QString::fromUtf8(type + body);
        QTest::newRow("UTF-16")
            << QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2)
            << true;
    }
    void loadedContentIsGuardedLikeAFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        const QString path = folder + QStringLiteral("H1.xml");
        TestInvestigation inv;
        QCOMPARE(inv.loadContent(path, content), !refused);
        QCOMPARE(capture->errors().size(), refused ? 1 : 0);
        if (refused)
            QVERIFY(capture->errors().first().contains(QStringLiteral("Entitäten")));
        else
            QCOMPARE(inv.mainData().street, QStringLiteral("Hauptstraße"));
    }

    // The client line reads as a UTF-8 text stream in text mode reads a first line.
    void sideFileFirstLine_data()
    {
        QTest::addColumn<QByteArray>("side");
        QTest::newRow("umlauts, CR LF") << QByteArray("Stadtwerke M\xc3\xbcnchen\r\nzweite\r\n");
        QTest::newRow("no line end") << QByteArray("Kunde");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("carriage returns inside") << QByteArray("Kun\rde\r\r\nB\n");
        QTest::newRow("only carriage returns") << QByteArray("Kunde A\rKunde B\r");
        QTest::newRow("not UTF-8") << QByteArray("Gr\xf8n \xe9t\xe9\nB");
        QTest::newRow("UTF-8 mark") << QByteArray("\xef\xbb\xbfKunde\r\n");
        QTest::newRow("UTF-16 mark")
            << QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(u"K\u00fcnde\r\nB"), 18);
        QTest::newRow("NUL inside") << QByteArray("Ku\0nde\n", 7);
        QTest::newRow("carriage return before a mark") << QByteArray("\r\xef\xbb\xbfKunde\r\n");
        QTest::newRow("empty lines only") << QByteArray("\r\n\r\n");
    }
    void sideFileFirstLine()
    {
        QFETCH(QByteArray, side);
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, kValidFile);
        writeFile(folder + QStringLiteral("H1.dat"), side);
        QFile file(folder + QStringLiteral("H1.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        const QString expected = stream.readLine();
        TestInvestigation inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().client, expected);
    }

    void photos()
    {
        TestInvestigation inv;
        inv.setFolder(folder);
        inv.mutableObservations() << observation(1, QStringLiteral("BAB"), QStringLiteral("img_3_12.jpg"))
                                  << observation(2, QStringLiteral("BAC"))
                                  << observation(3, QStringLiteral("BAB"), QStringLiteral("img_3_7.jpg"))
                                  << observation(4, QStringLiteral("BDA"), QStringLiteral("img_3_9.jpg"));
        QCOMPARE(inv.lastPhotoNumber(), 12);
        writeJpeg(folder + QStringLiteral("img_3_12.jpg"), Qt::red);
        writeJpeg(folder + QStringLiteral("img_3_7.jpg"), Qt::blue);
        writeJpeg(folder + QStringLiteral("ximg_3_9.jpg"), Qt::green); // only ends like a photo name
        writeFile(folder + QStringLiteral("img_3_[9].jpg"), "x");       // a pattern in a name is just a name

        QCOMPARE(inv.photoFiles(), (QStringList{folder + "img_3_12.jpg", folder + "img_3_7.jpg"}));

        const QVector<PrintJob> jobs = inv.photoJobs();
        QCOMPARE(jobs.size(), 1);
        const PrintJob &job = jobs.first();
        QCOMPARE(job.type, QStringLiteral("fotoPages"));
        QCOMPARE(job.photos.size(), 2);
        QVERIFY(qRed(job.photos.at(0).pixel(4, 3)) > 200);
        QVERIFY(qBlue(job.photos.at(1).pixel(4, 3)) > 200);
        QCOMPARE(job.photoTexts, (QStringList{"00:01:01", "1.00m", "BAB bei 1.00", "00:01:03", "3.00m", "BAB bei 3.00"}));
    }

    void lastPhotoNumber_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("number");
        QTest::newRow("none") << QStringList{} << 0;
        QTest::newRow("largest wins") << QStringList{"img_3_12.jpg", "img_3_7.jpg"} << 12;
        QTest::newRow("no underscore, not a number") << QStringList{"foto.jpg"} << 0;
        QTest::newRow("no underscore, a number") << QStringList{"17.jpg"} << 17;
    }
    void lastPhotoNumber()
    {
        QFETCH(QStringList, names);
        QFETCH(int, number);
        TestInvestigation inv;
        for (const QString &n : names)
            inv.mutableObservations() << observation(1, QStringLiteral("BAB"), n);
        QCOMPARE(inv.lastPhotoNumber(), number);
    }

    void codesAndCompleter()
    {
        TestInvestigation inv;
        QVERIFY(inv.containsCode(QStringLiteral("BA"), false));
        QVERIFY(!inv.containsCode(QStringLiteral("BA"), true));
        QVERIFY(inv.containsCode(QStringLiteral("BAB"), true));
        QVERIFY(!inv.containsCode(QStringLiteral("bab"), true));
        QVERIFY(inv.completer());
        QCOMPARE(inv.completer()->model()->rowCount(), inv.codes().size());
    }

    void sideFlags_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("side");
        QTest::newRow("no clock") << 0 << 0 << 1;
        for (int c : {10, 11, 12, 1, 2, 3})
            QTest::addRow("%d to %d", c, c) << c << c << 1;
        for (int c = 4; c <= 9; ++c)
            QTest::addRow("%d to %d", c, c) << c << c << 0;
        // A single clock position is drawn on its own half.
        QTest::newRow("2 without second") << 2 << 0 << 1;
        QTest::newRow("3 without second") << 3 << 0 << 1;
        QTest::newRow("6 without second") << 6 << 0 << 0;
        QTest::newRow("12 without second") << 12 << 0 << 1;
        QTest::newRow("5 to 7") << 5 << 7 << 0;
        QTest::newRow("11 to 1") << 11 << 1 << 1;
    }
    void sideFlags()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, side);
        QCOMPARE(Investigation::sideFlag(from, to), side);
    }

    void rowsSortTheInspectionItself()
    {
        TestInvestigation inv;
        inv.mutableObservations() << observation(5, QStringLiteral("BAB")) << observation(1, QStringLiteral("BDA"))
                                  << observation(5, QStringLiteral("BAC"));
        inv.mutableObservations()[0].character1 = QStringLiteral("A");
        inv.mutableObservations()[0].character2 = QStringLiteral("B");
        inv.mutableObservations()[0].damageClass = 3;
        const QVector<ObservationRow> rows = inv.observationRows();
        QCOMPARE(inv.observations().at(0).code, QStringLiteral("BDA"));
        QCOMPARE(inv.observations().at(1).code, QStringLiteral("BAB"));
        QCOMPARE(inv.observations().at(2).code, QStringLiteral("BAC"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(1).label, QStringLiteral("BABAB"));
        QCOMPARE(rows.at(1).text, QStringLiteral("BAB bei 5.00"));
        QCOMPARE(rows.at(1).category, 1);
        QCOMPARE(rows.at(0).category, 4);
        QCOMPARE(rows.at(1).damageClass, 3);
        QVERIFY(!rows.at(1).color.isValid());
    }

    void printJobsAndSummary()
    {
        TestInvestigation inv;
        inv.setFolder(folder);
        InspectionHeader h;
        h.sectionName = QStringLiteral("H1");
        h.street = QStringLiteral("Weg");
        h.startNode = QStringLiteral("S1");
        h.endNode = QStringLiteral("S2");
        h.date = QDate(2025, 2, 3);
        h.height = 300.4;
        h.width = 299.6;
        h.material = QStringLiteral("B");
        h.sewerKind = QStringLiteral("KR");
        h.videoReference = QStringLiteral("7");
        h.inspectionLength = 20;
        inv.setMainData(h);
        inv.mutableObservations() << observation(3, QStringLiteral("BDA"));

        const QVector<PrintJob> all = inv.printJobs();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).type, QStringLiteral("inspectionPages"));
        QCOMPARE(all.at(1).type, QStringLiteral("fotoPages"));
        const PrintJob &job = all.at(0);
        QCOMPARE(job.shortHeader, (QStringList{"TEST", "H1"}));
        QCOMPARE(job.normHeader, (QStringList{"TEST", "H1", "Weg"}));
        QCOMPARE(job.startNode, QStringLiteral("S1"));
        QCOMPARE(job.endNode, QStringLiteral("S2"));
        QCOMPARE(job.sectionName, QStringLiteral("H1"));
        QCOMPARE(job.length, 20.0);
        QCOMPARE(job.rows.size(), 1);

        TocEntry entry = inv.summaryRow();
        QCOMPARE(entry.date, QStringLiteral("03.02.2025"));
        QCOMPARE(entry.height, QStringLiteral("300mm"));
        QCOMPARE(entry.width, QStringLiteral("300mm"));
        QCOMPARE(entry.material, QStringLiteral("Beton"));
        QCOMPARE(entry.sewerText, QStringLiteral("Regenwasser"));
        QCOMPARE(entry.lengthText, QStringLiteral("20.00"));
        QCOMPARE(entry.videoReference, QStringLiteral("7"));
        QCOMPARE(entry.kind, 1);
        QCOMPARE(entry.color, QColor(0, 0, 0, 255));
        inv.mutableObservations() << observation(4, QStringLiteral("BAB"));
        entry = inv.summaryRow();
        QCOMPARE(entry.color, QColor(200, 0, 0, 255));
    }

    void renameMovesFolderFilesAndVideo()
    {
        const QString path = folder + QStringLiteral("H1.xml");
        writeFile(path, kValidFile);
        writeFile(folder + QStringLiteral("H1.dat"), "Kunde\r\n");
        writeFile(folder + QStringLiteral("H1_old.avi"), "v");
        writeFile(folder + QStringLiteral("img_1_3.jpg"), "p");
        TestInvestigation inv;
        QVERIFY(inv.load(path));
        inv.setVideoFile(folder + QStringLiteral("H1_old.avi"));
        QVERIFY(inv.rename(QStringLiteral("H2")));
        const QString moved = env->root() + QStringLiteral("/H2/");
        QCOMPARE(inv.folder(), moved);
        QCOMPARE(inv.fileName(), QStringLiteral("H2.xml"));
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(QDir(moved).entryList(QDir::Files, QDir::Name),
                 (QStringList{"H2.dat", "H2.xml", "H2_old.avi", "img_1_3.jpg"}));
        QCOMPARE(inv.videoFile(), moved + QStringLiteral("H2_old.avi"));
        QVERIFY(inv.save());
    }

    void renameRefusesNamesOutsideTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("separator") << "../H9";
        QTest::newRow("backslash") << "a\\b";
    }
    void renameRefusesNamesOutsideTheFolder()
    {
        QFETCH(QString, name);
        TestInvestigation inv;
        inv.setFolder(folder);
        inv.setFileName(QStringLiteral("H1.xml"));
        QVERIFY(!inv.rename(name));
        QCOMPARE(inv.folder(), folder);
        QCOMPARE(inv.fileName(), QStringLiteral("H1.xml"));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(capture->errors().size(), 1);
    }

    // A name whose folder part is ".." ("...mpg", read from a project file) puts the inspection
    // in the folder above its own; renaming it touches nothing there.
    void renameRefusesAFolderAboveItsOwn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("video") << "...mpg";
        QTest::newRow("fixed columns") << "...h";
        QTest::newRow("XML") << "...xml";
    }
    void renameRefusesAFolderAboveItsOwn()
    {
        QFETCH(QString, name);
        const QString projects = env->root() + QStringLiteral("/Projekte");
        writeFile(projects + QLatin1Char('/') + name, "v");
        writeFile(projects + QStringLiteral("/.../inner.txt"), "i");
        writeFile(projects + QStringLiteral("/P/K1/K1.mpg"), "v");
        const QStringList before = QDir(projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        TestInvestigation inv;
        inv.setFolder(projects + QStringLiteral("/P/../"));
        inv.setFileName(name);
        QVERIFY(!inv.rename(QStringLiteral("X")));
        QCOMPARE(QDir(projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), before);
        QCOMPARE(inv.fileName(), name);
        QVERIFY(QFileInfo::exists(projects + QStringLiteral("/P/K1/K1.mpg")));
    }

    void sortOrders()
    {
        TestInvestigation a;
        TestInvestigation b;
        InspectionHeader ha;
        InspectionHeader hb;
        ha.date = hb.date = QDate(2025, 1, 1);
        ha.time = QTime(9, 0);
        hb.time = QTime(8, 0);
        ha.videoReference = QStringLiteral("10");
        hb.videoReference = QStringLiteral("9");
        a.setMainData(ha);
        b.setMainData(hb);
        QVERIFY(Investigation::lessByDate(&b, &a));
        QVERIFY(!Investigation::lessByDate(&a, &b));
        QVERIFY(Investigation::lessByVideoNumber(&b, &a));
        hb.videoReference = QStringLiteral("Band A");
        b.setMainData(hb);
        QVERIFY(Investigation::lessByVideoNumber(&a, &b));
        QVERIFY(!Investigation::lessByVideoNumber(&b, &a));
        a.setFileName(QStringLiteral("A.xml"));
        b.setFileName(QStringLiteral("B.xml"));
        QVERIFY(Investigation::lessByFileName(&a, &b));
    }

    void overlayPages()
    {
        const int perPage = ModelUtils::TextTable::linesPerPage();
        TestInvestigation inv;
        // Lines: an empty one and perPage - 2 of the first table, then a blank that fills the page
        // and the second table's line: perPage + 1 lines, two pages.
        inv.headerTables = {perPage - 2, 1};
        inv.mutableObservations() << observation(1, QStringLiteral("BAB")) << observation(1, QStringLiteral("BAC"));
        inv.mutableObservations()[0].videoTime = QTime(0, 0, 0); // loses against the first header page
        inv.mutableObservations()[1].videoTime = QTime(0, 0, 30);

        inv.buildOverlayPages(0, 0);
        QVERIFY(inv.overlayPages().isEmpty());

        inv.buildOverlayPages(5, 4);
        const auto &pages = inv.overlayPages().pages();
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages.value(0).lines.size(), perPage);
        QCOMPARE(pages.value(0).lines.at(1), QStringLiteral("Zeile 1"));
        QCOMPARE(pages.value(5000).lines, QStringList{QStringLiteral("Zeile %1").arg(perPage - 1)});
        QCOMPARE(pages.value(5000).duration, 5);
        QCOMPARE(pages.value(30000).lines, (QStringList{QString(), QStringLiteral("BAC bei 1.00")}));
        QCOMPARE(pages.value(30000).duration, 4);
        QCOMPARE(pages.value(30000).kind, 1);

        inv.buildOverlayPages(5, 4);
        QCOMPARE(inv.overlayPages().pages().size(), 3);
    }

private:
    QScopedPointer<TestEnvironment> env;
    QScopedPointer<ReporterCapture> capture;
    QString folder;
};

QTEST_MAIN(TestInvestigation_)
#include "tst_investigation.moc"
