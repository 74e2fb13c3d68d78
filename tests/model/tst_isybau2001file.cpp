#include "model/isybau2001.h"
#include "support/model/fixedcolumns.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QTextCodec>
#include <QtTest>

#include <unistd.h>

using namespace FixedColumns;
using namespace TestFiles;

namespace {

const QString kFixtures = QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/isybau2001/");

void writeJpeg(const QString &path)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QVERIFY(image.save(path, "JPG"));
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const QByteArray kIsybauHeader = isybauHeader();

InspectionHeader storedHeader(bool atv)
{
    InspectionHeader h;
    h.date = QDate(2023, 11, 2);
    h.town = QStringLiteral("Łódź-Süd"); // not all of it fits Windows-1252; the side file keeps it
    h.inspector = QStringLiteral("Jörg Weiß");
    h.sectionName = atv ? QStringLiteral("Haltung 4711-4712") : QStringLiteral("H4711-4712-AB");
    h.street = QStringLiteral("Straße mit einem sehr langen Namen am Stadtrand");
    h.startNode = atv ? QStringLiteral("SCH4711-ALT") : QStringLiteral("SCHACHT-4711-A");
    h.endNode = QStringLiteral("S4712");
    h.profile = QStringLiteral("3");
    h.height = 1200;
    h.width = 800;
    h.material = QStringLiteral("PEHD");
    h.direction = QStringLiteral("U");
    h.videoReference = QStringLiteral("042");
    h.inspectionLength = atv ? 123.45 : 0.0;
    h.client = QStringLiteral("Stadt\r\nTiefbauamt");
    h.sewerKind = QStringLiteral("7");
    h.sewerKindText = QStringLiteral("Sonder\tsystem");
    h.materialText = QStringLiteral("Glas");
    return h;
}

QVector<ObservationRecord> storedObservations()
{
    QVector<ObservationRecord> list;
    ObservationRecord o;
    o.code = QStringLiteral("HA");
    o.videoTime = QTime(0, 0, 2);
    list << o;

    o.clear();
    o.code = QStringLiteral("KSAO"); // written as the catalogue names it
    o.distance = -0.75;
    o.videoTime = QTime(0, 0, 40);
    o.quantity1 = 2.5;
    o.damageClass = 4;
    o.continuousDefect = QStringLiteral("E");
    o.clockFrom = 12;
    o.clockTo = 3;
    list << o;

    o.clear();
    o.code = QStringLiteral("BAAO");
    o.distance = 12.34;
    o.videoTime = QTime(1, 2, 3);
    o.quantity1 = 1234.56;
    o.quantity2 = 7.5;
    o.damageClass = 2;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 7;
    o.clockFrom = 10;
    o.clockTo = 0;
    // Pieces of both variants that end with blanks (one of them a line break), an umlaut and a
    // leading blank.
    o.remark = QStringLiteral(" Riss über zwei Muff\nen breit, Wurzeln am Rohr, Sohle und Scheitel im Abzweig");
    o.photoFile = QStringLiteral("img_010203_4.jpg");
    list << o;

    o.clear();
    o.code = QStringLiteral("II");
    o.distance = 13;
    o.videoTime = QTime(1, 2, 30);
    o.remark = QStringLiteral("Anmerkung ohne Code");
    list << o;

    o.clear();
    o.code = QStringLiteral("EH");
    o.distance = 99.99;
    o.videoTime = QTime(1, 10, 0);
    list << o;
    return list;
}

void compareHeader(const InspectionHeader &a, const InspectionHeader &b)
{
    QCOMPARE(a.date, b.date);
    QCOMPARE(a.town, b.town);
    QCOMPARE(a.inspector, b.inspector);
    QCOMPARE(a.sectionName, b.sectionName);
    QCOMPARE(a.street, b.street);
    QCOMPARE(a.startNode, b.startNode);
    QCOMPARE(a.endNode, b.endNode);
    QCOMPARE(a.profile, b.profile);
    QCOMPARE(a.height, b.height);
    QCOMPARE(a.width, b.width);
    QCOMPARE(a.material, b.material);
    QCOMPARE(a.direction, b.direction);
    QCOMPARE(a.videoReference, b.videoReference);
    QCOMPARE(a.inspectionLength, b.inspectionLength);
    QCOMPARE(a.client, b.client);
    QCOMPARE(a.sewerKind, b.sewerKind);
    QCOMPARE(a.sewerKindText, b.sewerKindText);
    QCOMPARE(a.materialText, b.materialText);
}

void compareObservation(const ObservationRecord &a, const ObservationRecord &b)
{
    QCOMPARE(a.code, b.code);
    QCOMPARE(a.distance, b.distance);
    QCOMPARE(a.videoTime, b.videoTime);
    QCOMPARE(a.quantity1, b.quantity1);
    QCOMPARE(a.quantity2, b.quantity2);
    QCOMPARE(a.damageClass, b.damageClass);
    QCOMPARE(a.continuousDefect, b.continuousDefect);
    QCOMPARE(a.continuousDefectNumber, b.continuousDefectNumber);
    QCOMPARE(a.clockFrom, b.clockFrom);
    QCOMPARE(a.clockTo, b.clockTo);
    QCOMPARE(a.remark, b.remark);
    QCOMPARE(a.photoFile, b.photoFile);
}

} // namespace

class TestIsybau2001File : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false"));
    }
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

    void atvFixture()
    {
        const QString path = folder + QStringLiteral("H1.h");
        const QByteArray original = readAll(kFixtures + QStringLiteral("atv.h"));
        QVERIFY(!original.isEmpty());
        writeFile(path, original);
        writeFile(folder + QStringLiteral("H1.dat"), readAll(kFixtures + QStringLiteral("atv.dat")));
        writeJpeg(folder + QStringLiteral("img_000317_1.jpg")); // taken two seconds after the observation

        Isybau2001 inv;
        const bool loaded = inv.load(path);
        QVERIFY2(loaded, qPrintable(capture->errors().join('\n')));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(capture->notices().isEmpty());
        const InspectionHeader h = inv.mainData();
        QCOMPARE(h.date, QDate(2024, 3, 15));
        QCOMPARE(h.town, QStringLiteral("Musterstadt"));
        QCOMPARE(h.inspector, QStringLiteral("Jörg Weiß"));
        QCOMPARE(h.sectionName, QStringLiteral("Haltung 100-200"));
        QCOMPARE(h.street, QStringLiteral("Am langen Graben zwischen Nord und Süd"));
        QCOMPARE(h.startNode, QStringLiteral("S100"));
        QCOMPARE(h.endNode, QStringLiteral("S200"));
        QCOMPARE(h.profile, QStringLiteral("1"));
        QCOMPARE(h.height, 400.0);
        QCOMPARE(h.width, 600.0);
        QCOMPARE(h.material, QStringLiteral("STZ"));
        QCOMPARE(h.direction, QStringLiteral("O"));
        QCOMPARE(h.inspectionLength, 42.5);
        QCOMPARE(h.videoReference, QStringLiteral("007"));
        QCOMPARE(h.client, QStringLiteral("Stadtentwässerung Musterstadt"));
        QCOMPARE(h.sewerKind, QStringLiteral("2"));
        QCOMPARE(h.sewerKindText, QString());

        const QVector<ObservationRecord> obs = inv.observations();
        QCOMPARE(obs.size(), 8);
        QStringList codes;
        for (const ObservationRecord &o : obs)
            codes << o.code;
        QCOMPARE(codes, (QStringList{"HA", "BAAO", "KsAO", "II", "RQAU", "C-BO", "W--F", "EH"}));
        QCOMPARE(obs.at(0).videoTime, QTime(0, 0, 5));
        QCOMPARE(obs.at(1).distance, 3.5);
        QCOMPARE(obs.at(1).videoTime, QTime(0, 1, 10));
        QCOMPARE(obs.at(1).quantity1, 12.5);
        QCOMPARE(obs.at(1).quantity2, 3.0);
        QCOMPARE(obs.at(1).damageClass, 3);
        QCOMPARE(obs.at(1).continuousDefect, QStringLiteral("A"));
        QCOMPARE(obs.at(1).continuousDefectNumber, 0);
        QCOMPARE(obs.at(1).clockFrom, 2);
        QCOMPARE(obs.at(1).clockTo, 4);
        // Three pieces of 24, 24 and 1 characters, the blanks at the piece ends kept.
        QCOMPARE(obs.at(1).remark, QStringLiteral("Riss an der Muffe, sehr breit; Wurzeln sichtbar !"));
        QCOMPARE(obs.at(2).damageClass, 2);
        QCOMPARE(obs.at(2).continuousDefect, QStringLiteral("A"));
        QCOMPARE(obs.at(2).quantity1, 4.0);
        QCOMPARE(obs.at(3).distance, 9.0);
        QCOMPARE(obs.at(3).remark, QStringLiteral("Freier Text zum Zustand"));
        QCOMPARE(obs.at(4).clockFrom, 12);
        QCOMPARE(obs.at(4).clockTo, 0);
        QCOMPARE(obs.at(4).photoFile, QStringLiteral("img_000317_1.jpg"));
        QCOMPARE(obs.at(5).quantity1, 21.0);
        QCOMPARE(obs.at(5).quantity2, 21.0);
        QCOMPARE(obs.at(7).distance, 42.5);
        QCOMPARE(obs.at(7).videoTime, QTime(0, 10, 0));

        // Saved again, the file is the same but for the date of writing (the format contract suite
        // compares the rest).
        QVERIFY(inv.save());
        QCOMPARE(readAll(path).mid(62, 10), QDate::currentDate().toString("dd.MM.yyyy").toLatin1());
    }

    void isybauFixture()
    {
        const QString path = folder + QStringLiteral("H1.lh");
        const QByteArray original = readAll(kFixtures + QStringLiteral("isybau.lh"));
        QVERIFY(!original.isEmpty());
        writeFile(path, original);
        writeFile(folder + QStringLiteral("H1.dat"), readAll(kFixtures + QStringLiteral("isybau.dat")));

        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        const InspectionHeader h = inv.mainData();
        QCOMPARE(h.date, QDate(2024, 3, 15));
        QCOMPARE(h.sectionName, QStringLiteral("HALTUNG-12345678"));
        QCOMPARE(h.street, QStringLiteral("Am langen Graben zwischen Nord und Süd"));
        QCOMPARE(h.startNode, QStringLiteral("SCHACHT-100"));
        QCOMPARE(h.endNode, QStringLiteral("SCHACHT-200"));
        QCOMPARE(h.profile, QStringLiteral("1"));
        QCOMPARE(h.height, 400.0);
        QCOMPARE(h.width, 600.0);
        QCOMPARE(h.material, QStringLiteral("SON"));
        QCOMPARE(h.direction, QStringLiteral("U"));
        QCOMPARE(h.videoReference, QStringLiteral("007"));
        QCOMPARE(h.sewerKind, QStringLiteral("7"));
        QCOMPARE(h.sewerKindText, QStringLiteral("Druckleitung Sonderabwasser"));
        QCOMPARE(h.materialText, QStringLiteral("Steinzeug mit Innenbeschichtung"));
        // The variant stores no length; the length shown comes from the observations.
        QCOMPARE(h.inspectionLength, 0.0);
        QCOMPARE(inv.inspectedLength(), 42.5);
        QCOMPARE(inv.mainDataList().at(8), QStringLiteral("Steinzeug mit Innenbeschichtung"));

        const QVector<ObservationRecord> obs = inv.observations();
        QCOMPARE(obs.size(), 8);
        QCOMPARE(obs.at(1).code, QStringLiteral("BAAO"));
        QCOMPARE(obs.at(1).remark, QStringLiteral("Riss an der Muffe im Scheitel, Wurzeln am Stutzen"));
        QCOMPARE(obs.at(2).code, QStringLiteral("KsAO"));
        QCOMPARE(obs.at(3).code, QStringLiteral("II"));
        QCOMPARE(obs.at(3).remark, QStringLiteral("Freier Text zum Zustand"));
        // No photo of that number in the folder: the name is rebuilt from the observation's time.
        QCOMPARE(obs.at(4).photoFile, QStringLiteral("img_000315_1.jpg"));
        QCOMPARE(obs.at(6).code, QStringLiteral("W--F"));
        // Saved again unchanged: see the format contract suite.
    }

    void saveLoadCycle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("ATV M-143-2") << int(NormATV);
        QTest::newRow("ISYBAU 2001") << int(NormIsybau2001);
    }
    void saveLoadCycle()
    {
        QFETCH(int, kind);
        const bool atv = kind == NormATV;
        const QString name = atv ? QStringLiteral("H1.h") : QStringLiteral("H1.lh");
        Isybau2001 out;
        out.setNormKind(kind);
        out.setFolder(folder);
        out.setFileName(name);
        out.setMainData(storedHeader(atv));
        out.mutableObservations() = storedObservations();
        writeJpeg(folder + QStringLiteral("img_010203_4.jpg"));
        QVERIFY(out.save());
        QVERIFY(capture->errors().isEmpty());

        const QList<QByteArray> lines = linesOf(readAll(folder + name));
        for (const QByteArray &line : lines)
            QCOMPARE(line.size(), 81); // 80 characters and "\r"
        // The remark of the third observation: its pieces on lines of their own.
        const int width = atv ? 24 : 21;
        const int remarkLength = storedObservations().at(2).remark.size();
        const int pieces = (remarkLength + width - 1) / width;
        QCOMPARE(lines.size(), 5 + 1 + 1 + 1 + pieces + 1 + 1 + 1);
        QCOMPARE(lines.at(7).mid(atv ? 49 : 52, 7), QByteArray("BAAO2A7"));
        QCOMPARE(lines.at(6).mid(atv ? 49 : 52, 7), QByteArray("KsAO4E "));
        QCOMPARE(lines.at(6).mid(76, 4), QByteArray("12 3"));
        QCOMPARE(lines.at(8).mid(atv ? 49 : 52, 7), QByteArray("II     "));

        Isybau2001 in;
        in.setNormKind(kind);
        QVERIFY(in.load(folder + name));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(capture->notices().isEmpty());
        InspectionHeader expected = storedHeader(atv);
        expected.client = QStringLiteral("Stadt  Tiefbauamt"); // one line of the side file
        compareHeader(in.mainData(), expected);

        QVector<ObservationRecord> expectedObs = storedObservations();
        expectedObs[1].code = QStringLiteral("KsAO");
        expectedObs[2].remark.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QVector<ObservationRecord> obs = in.observations();
        QCOMPARE(obs.size(), expectedObs.size());
        for (int i = 0; i < obs.size(); ++i)
            compareObservation(obs.at(i), expectedObs.at(i));

        // A second cycle changes nothing.
        const QByteArray first = readAll(folder + name);
        QVERIFY(in.save());
        QCOMPARE(readAll(folder + name), first);
    }

    void clockToWithoutClockFromIsNotStored()
    {
        Isybau2001 out;
        out.setFolder(folder);
        out.setFileName(QStringLiteral("H1.h"));
        ObservationRecord o;
        o.code = QStringLiteral("BAAO");
        o.clockTo = 5;
        out.mutableObservations() << o;
        QVERIFY(out.save());
        const QList<QByteArray> lines = linesOf(readAll(folder + QStringLiteral("H1.h")));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(5).mid(76, 4), QByteArray("    "));
    }

    void fileEncodings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("complete");
        const QString umlauts = QStringLiteral("Jörg Weiß");
        QString full(80, QLatin1Char(' '));
        full.replace(0, 4, QStringLiteral("LI 1")).replace(44, umlauts.size(), umlauts);
        const QByteArray head = record({{0, "LH0601"}}) + record({{0, "LH"}});
        const QByteArray rest = record({{0, "LI 2"}, {4, "H1"}}) + record({{0, "LI 3"}, {4, "H1"}});
        QTest::newRow("Windows-1252") << head + cp1252(full) + "\r\n" + rest << true;
        QTest::newRow("UTF-8, full lines") << head + full.toUtf8() + "\r\n" + rest << true;
        QTest::newRow("UTF-8, trailing blanks cut") << head + full.trimmed().toUtf8() + "\n" + rest << true;
        QTest::newRow("not UTF-8 although lines are too long")
            << head + cp1252(full) + "\xe4\xe4\r\n" + rest << false;
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe", 2) + QTextCodec::codecForName("UTF-16LE")->fromUnicode(full) << false;
    }
    void fileEncodings()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, complete);
        const QString path = folder + QStringLiteral("H1.lh");
        writeFile(path, content);
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QCOMPARE(inv.load(path), complete);
        QCOMPARE(capture->errors().isEmpty(), complete);
        if (complete)
            QCOMPARE(inv.mainData().inspector, QStringLiteral("Jörg Weiß"));
    }

    void emptyLinesAndBareLineEnds()
    {
        const QString path = folder + QStringLiteral("H1.lh");
        QByteArray content = kIsybauHeader + isybauObservation("1.00", "000010", "BAAO") + "\r\n\r\n   \r\n"
                             + isybauObservation("2.00", "000020", "RLAO") + "\n" + isybauObservation("3.00", "000030", "EH");
        content.replace("\r\n", "\n");
        writeFile(path, content);
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(inv.load(path));
        QCOMPARE(inv.observations().size(), 3);
        QCOMPARE(inv.observations().at(2).code, QStringLiteral("EH"));
        QCOMPARE(inv.mainData().street, QStringLiteral("Weg"));
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("reported");
        const QByteArray before = isybauObservation("1.00", "000010", "BAAO");
        const QByteArray after = isybauObservation("3.00", "000030", "EH");
        QTest::newRow("line ends before the code")
            << kIsybauHeader + before + isybauObservation("2.00", "000020", QString()).left(40) + "\r\n" + after
            << QStringList{"BAAO", "", "EH"} << QStringLiteral("Zeile 7 ist zu kurz");
        QTest::newRow("distance not a number")
            << kIsybauHeader + before + isybauObservation("2,5", "000020", "RLAO") + after
            << QStringList{"BAAO", "RLAO", "EH"} << QStringLiteral("Zeile 7: Entfernung \"2,5\" ist keine Zahl");
        QTest::newRow("value not a number")
            << kIsybauHeader + before + isybauObservation("2.00", "000020", "RLAO", "ab") + after
            << QStringList{"BAAO", "RLAO", "EH"} << QStringLiteral("Wert 1 \"ab\" ist keine Zahl");
        QTest::newRow("clock not a number")
            << kIsybauHeader + before + isybauObservation("2.00", "000020", "RLAO", QString(), "x3 4") + after
            << QStringList{"BAAO", "RLAO", "EH"} << QStringLiteral("Uhrzeigerposition \"x3\" ist keine Zahl");
        QTest::newRow("time not a time")
            << kIsybauHeader + before + isybauObservation("2.00", "009960", "RLAO") + after
            << QStringList{"BAAO", "RLAO", "EH"} << QStringLiteral("Zeit \"009960\" ist ungültig");
        QTest::newRow("class not a digit")
            << kIsybauHeader + before + isybauObservation("2.00", "000020", "RLAOX") + after
            << QStringList{"BAAO", "RLAO", "EH"} << QStringLiteral("Schadensklasse \"X\" ist ungültig");
        QTest::newRow("unknown record")
            << kIsybauHeader + before + record({{0, "XX 9"}, {4, "fremd"}}) + after
            << QStringList{"BAAO", "EH"} << QStringLiteral("Zeile 7: unbekannte Satzkennung \"XX 9\"");
        QTest::newRow("a second section")
            << kIsybauHeader + before + kIsybauHeader + after << QStringList{"BAAO"}
            << QStringLiteral("Ab Zeile 7 folgt eine weitere Haltung");
        QTest::newRow("header cut short")
            << kIsybauHeader.left(3 * 82) << QStringList() << QStringLiteral("unvollständig (3 von 5 Zeilen)");
        QTest::newRow("other variant") << QByteArray(kIsybauHeader).replace("LI ", "HI ") + before
                                       << QStringList{"BAAO"} << QStringLiteral("Zeile 3: Satzkennung \"HI 1\" statt \"LI 1\"");
        // Numbers beyond the field they are written back into: see the format contract suite.
        QTest::newRow("text beyond the record")
            << kIsybauHeader + before.left(80) + "weiter\r\n" + after << QStringList{"BAAO", "EH"}
            << QStringLiteral("Zeile 6: Text nach Spalte 80");
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, codes);
        QFETCH(QString, reported);
        const QString path = folder + QStringLiteral("H1.lh");
        writeFile(path, content);
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(!inv.load(path));
        QVERIFY(inv.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(reported), qPrintable(capture->errors().first()));
        QStringList read;
        for (const ObservationRecord &o : inv.observations())
            read << o.code;
        QCOMPARE(read, codes);

        // What was read is not saved over the file, nor converted away from it.
        capture->clear();
        QVERIFY(!inv.save());
        QVERIFY(!inv.convert());
        QCOMPARE(capture->errors().size(), 2);
        QVERIFY(capture->errors().first().contains(QStringLiteral("wird nicht überschrieben")));
        QCOMPARE(readAll(path), content);
        QVERIFY(!QFile::exists(folder + QStringLiteral("H1.h")));
        // Saving on purpose is possible.
        inv.allowOverwrite();
        QVERIFY(inv.save());
    }

    // A size that is no number of the field is not taken: it is reported, and saving on purpose
    // writes no number made up by a conversion (the height "1e99" once came back as "-214").
    void sizeOutsideItsFieldIsNotTaken()
    {
        const QString path = folder + QStringLiteral("H1.lh");
        writeFile(path, isybauHeaderWithSize("1e99", " 300") + isybauObservation("1.00", "000010", "BAAO"));
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(!inv.load(path));
        QCOMPARE(inv.loadResult(), Investigation::LoadResult::Partial);
        QCOMPARE(inv.mainData().height, 0.0);
        QCOMPARE(inv.mainData().width, 300.0);
        inv.allowOverwrite();
        QVERIFY(inv.save());
        QCOMPARE(linesOf(readAll(path)).at(4).mid(50, 9), QByteArray("   0  300"));
    }

    void unknownCodesAreKeptAndNamed()
    {
        const QString path = folder + QStringLiteral("H1.lh");
        writeFile(path, kIsybauHeader + isybauObservation("1.00", "000010", "ZZAO") + isybauObservation("2.00", "000020", "BAXO")
                            + isybauObservation("3.00", "000030", "KSAO") + isybauObservation("4.00", "000040", "GEN"));
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        QCOMPARE(capture->notices().size(), 1);
        QVERIFY2(capture->notices().first().contains(QStringLiteral(": ZZAO, BAXO")), qPrintable(capture->notices().first()));
        QCOMPARE(inv.observations().size(), 4);
        QVERIFY(inv.save());
        QVERIFY(inv.load(path));
        QCOMPARE(inv.observations().at(0).code, QStringLiteral("ZZAO"));
        QCOMPARE(inv.observations().at(2).code, QStringLiteral("KsAO"));
    }

    void remarkAndPhotoLinesJoin()
    {
        const QString path = folder + QStringLiteral("H1.lh");
        // Remark pieces of foreign files whose lines stop after the text are joined as they are.
        const QByteArray remarkCut = isybauRemark("1.00", "000010", "Riss ").trimmed() + "\r\n"
                                     + isybauRemark("1.00", "000010", "breit");
        writeFile(path, kIsybauHeader + isybauObservation("1.00", "000010", "RLAO") + remarkCut
                            // a photo line at another time than the line before stays a photo observation
                            + isybauObservation("2.00", "000020", "BAAO") + isybauObservation("2.00", "000025", "FOTO", "4.00")
                            // a free text at the place and time of the observation before becomes its remark
                            + isybauObservation("3.00", "000030", "EH") + isybauRemark("3.00", "000030", "Ende"));
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        QVERIFY(inv.load(path));
        const QVector<ObservationRecord> obs = inv.observations();
        QCOMPARE(obs.size(), 4);
        QCOMPARE(obs.at(0).remark, QStringLiteral("Rissbreit"));
        QCOMPARE(obs.at(1).photoFile, QString());
        QCOMPARE(obs.at(2).code, QStringLiteral("FOTO"));
        QCOMPARE(obs.at(2).photoFile, QStringLiteral("img_000025_5.jpg"));
        QCOMPARE(obs.at(3).code, QStringLiteral("EH"));
        QCOMPARE(obs.at(3).remark, QStringLiteral("Ende"));
    }

    void photosKeepTheirNames()
    {
        // Photos are named after the video time at which they were taken, a few seconds away
        // from their observation's time; the file stores only their number.
        writeJpeg(folder + QStringLiteral("img_000107_3.jpg"));
        writeJpeg(folder + QStringLiteral("img_000900_3.jpg"));
        writeJpeg(folder + QStringLiteral("img_000104_13.jpg"));
        Isybau2001 out;
        out.setNormKind(NormIsybau2001);
        out.setFolder(folder);
        out.setFileName(QStringLiteral("H1.lh"));
        ObservationRecord o;
        o.code = QStringLiteral("BAAO");
        o.distance = 5;
        o.videoTime = QTime(0, 1, 5);
        o.photoFile = QStringLiteral("img_000107_3.jpg");
        out.mutableObservations() << o;
        o.distance = 6;
        o.videoTime = QTime(0, 2, 0);
        o.photoFile = QStringLiteral("img_000200_8.jpg"); // no such file
        out.mutableObservations() << o;
        QVERIFY(out.save());

        Isybau2001 in;
        in.setNormKind(NormIsybau2001);
        QVERIFY(in.load(folder + QStringLiteral("H1.lh")));
        QCOMPARE(in.observations().at(0).photoFile, QStringLiteral("img_000107_3.jpg"));
        QCOMPARE(in.observations().at(1).photoFile, QStringLiteral("img_000200_8.jpg"));
        QCOMPARE(in.photoFiles(), QStringList{folder + QStringLiteral("img_000107_3.jpg")});
    }

    void savingIsAtomicAndFailuresAreReported()
    {
        const QString path = folder + QStringLiteral("H1.h");
        writeFile(path, readAll(kFixtures + QStringLiteral("atv.h")));
        writeFile(folder + QStringLiteral("H1.dat"), readAll(kFixtures + QStringLiteral("atv.dat")));
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder + QStringLiteral("old.h")).constData()) == 0);
        Isybau2001 inv;
        QVERIFY(inv.load(path));
        inv.mutableObservations().clear();
        QVERIFY(inv.save());
        QCOMPARE(readAll(folder + QStringLiteral("old.h")), readAll(kFixtures + QStringLiteral("atv.h")));
        QCOMPARE(linesOf(readAll(path)).size(), 5);

        Isybau2001 lost;
        lost.setFolder(env->root() + QStringLiteral("/does/not/exist/"));
        lost.setFileName(QStringLiteral("H2.h"));
        QVERIFY(!lost.save());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().startsWith(QStringLiteral("Die Datei ")));
        QVERIFY(capture->errors().first().contains(QStringLiteral("konnte nicht zum Schreiben geöffnet werden!\n")));

        // The side file cannot be replaced: reported, the inspection file is written.
        capture->clear();
        QDir(folder).mkdir(QStringLiteral("H3.dat"));
        Isybau2001 side;
        side.setFolder(folder);
        side.setFileName(QStringLiteral("H3.h"));
        QVERIFY(!side.save());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("H3.dat")));
        QVERIFY(QFile::exists(folder + QStringLiteral("H3.h")));
    }

    // A number its column cannot hold is not cut to fit: the save is refused, naming the field
    // and the value, and the file stays as it was.
    void numbersBeyondTheirColumnAreNotSaved_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QStringList>("message");

        for (int kind : {int(NormATV), int(NormIsybau2001)}) {
            const QByteArray name = kind == NormATV ? "ATV " : "ISYBAU 2001 ";
            const auto row = [&](const char *what, const QString &field, double value, const QStringList &message) {
                QTest::newRow(name + what) << kind << field << value << message;
            };
            row("distance with four digits", QStringLiteral("distance"), 1234.56,
                {QStringLiteral("Beobachtung 3 (BAAO)"), QStringLiteral("Entfernung 1234.56"), QStringLiteral("-99.99 bis 999.99")});
            row("distance far before the start", QStringLiteral("distance"), -300, {QStringLiteral("Entfernung -300")});
            row("distance rounding beyond the column", QStringLiteral("distance"), 999.996, {QStringLiteral("Entfernung 999.996")});
            row("value 1", QStringLiteral("quantity1"), 100000, {QStringLiteral("Wert 1 100000"), QStringLiteral("9999.99")});
            row("value 2", QStringLiteral("quantity2"), 10000, {QStringLiteral("Wert 2 10000"), QStringLiteral("9999.9")});
            row("clock", QStringLiteral("clockTo"), 13, {QStringLiteral("Uhrzeigerposition 13")});
            row("damage class", QStringLiteral("damageClass"), 10, {QStringLiteral("Schadensklasse 10")});
            row("height", QStringLiteral("height"), 10000, {QStringLiteral("Profilhöhe 10000"), QStringLiteral("0 bis 9999")});
            row("negative width", QStringLiteral("width"), -5, {QStringLiteral("Profilbreite -5")});
            row("photo number", QStringLiteral("photo"), 20000, {QStringLiteral("img_010203_20000.jpg"), QStringLiteral("Wert 1 19999")});
            if (kind == NormATV)
                row("length", QStringLiteral("length"), 1500, {QStringLiteral("Länge 1500"), QStringLiteral("0.00 bis 999.99")});
        }
    }
    void numbersBeyondTheirColumnAreNotSaved()
    {
        QFETCH(int, kind);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QStringList, message);

        const QString fileName = kind == NormATV ? QStringLiteral("H1.h") : QStringLiteral("H1.lh");
        Isybau2001 inv;
        inv.setNormKind(NormKind(kind));
        inv.setFolder(folder);
        inv.setFileName(fileName);
        InspectionHeader header = storedHeader(kind == NormATV);
        inv.setMainData(header);
        inv.mutableObservations() = storedObservations();
        QVERIFY(inv.save());
        const QByteArray before = readAll(folder + fileName);
        const QByteArray sideBefore = readAll(folder + QStringLiteral("H1.dat"));

        ObservationRecord &o = inv.mutableObservations()[2];
        InspectionHeader &h = inv.mutableMainData();
        if (field == QLatin1String("distance"))
            o.distance = value;
        else if (field == QLatin1String("quantity1"))
            o.quantity1 = value;
        else if (field == QLatin1String("quantity2"))
            o.quantity2 = value;
        else if (field == QLatin1String("clockTo"))
            o.clockTo = int(value);
        else if (field == QLatin1String("damageClass"))
            o.damageClass = int(value);
        else if (field == QLatin1String("photo"))
            o.photoFile = QStringLiteral("img_010203_%1.jpg").arg(int(value));
        else if (field == QLatin1String("height"))
            h.height = value;
        else if (field == QLatin1String("width"))
            h.width = value;
        else if (field == QLatin1String("length"))
            h.inspectionLength = value;
        h.street = QStringLiteral("Neuer Weg");

        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        const QString report = capture->errors().first();
        QVERIFY2(report.contains(fileName), qPrintable(report));
        for (const QString &part : message)
            QVERIFY2(report.contains(part), qPrintable(report));
        QCOMPARE(readAll(folder + fileName), before);
        QCOMPARE(readAll(folder + QStringLiteral("H1.dat")), sideBefore);
        // Nor is a cut number written by converting to the other variant (which has no length).
        if (field == QLatin1String("length"))
            return;
        capture->clear();
        QVERIFY(!inv.convert());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(readAll(folder + fileName), before);
        QCOMPARE(inv.fileName(), fileName);
    }

    void conversion()
    {
        const QString isybauPath = folder + QStringLiteral("H1.lh");
        Isybau2001 inv;
        inv.setNormKind(NormIsybau2001);
        inv.setFolder(folder);
        inv.setFileName(QStringLiteral("H1.lh"));
        InspectionHeader header = storedHeader(false);
        header.inspectionLength = 0;
        inv.setMainData(header);
        inv.mutableObservations() = storedObservations();
        QVERIFY(inv.save());

        // ISYBAU 2001 to ATV M-143-2 and back.
        QVERIFY(inv.convert());
        QCOMPARE(inv.normKind(), NormATV);
        QCOMPARE(inv.fileName(), QStringLiteral("H1.h"));
        QVERIFY(!QFile::exists(isybauPath));
        QVERIFY(readAll(folder + QStringLiteral("H1.h")).startsWith("H 0601"));
        Isybau2001 atv;
        QVERIFY(atv.load(folder + QStringLiteral("H1.h")));
        QCOMPARE(atv.observations().size(), storedObservations().size());
        QCOMPARE(atv.mainData().sectionName, header.sectionName);
        QCOMPARE(atv.observations().at(2).remark, QString(storedObservations().at(2).remark).replace('\n', ' '));

        QVERIFY(atv.convert());
        QCOMPARE(atv.normKind(), NormIsybau2001);
        QCOMPARE(atv.fileName(), QStringLiteral("H1.lh"));
        QVERIFY(!QFile::exists(folder + QStringLiteral("H1.h")));
        QVERIFY(readAll(isybauPath).startsWith("LH0601"));
        Isybau2001 back;
        back.setNormKind(NormIsybau2001);
        QVERIFY(back.load(isybauPath));
        QCOMPARE(back.mainData().startNode, header.startNode);
        QCOMPARE(back.observations().size(), storedObservations().size());
        QVERIFY(capture->errors().isEmpty());

        // When the new file cannot be written, the old one stays and nothing changes.
        QDir(folder).mkdir(QStringLiteral("H1.h"));
        const QByteArray before = readAll(isybauPath);
        QVERIFY(!back.convert());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(back.normKind(), NormIsybau2001);
        QCOMPARE(back.fileName(), QStringLiteral("H1.lh"));
        QCOMPARE(readAll(isybauPath), before);
    }

private:
    QScopedPointer<TestEnvironment> env;
    QScopedPointer<ReporterCapture> capture;
    QString folder;
};

QTEST_MAIN(TestIsybau2001File)
#include "tst_isybau2001file.moc"
