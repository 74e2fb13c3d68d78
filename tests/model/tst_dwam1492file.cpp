#include "model/dwam1492.h"
#include "support/model/observations.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace TestFiles;

namespace {

InspectionHeader fullHeader()
{
    InspectionHeader h;
    h.sectionName = QStringLiteral("H12 <Nord> & Süd");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.street = QStringLiteral("Hauptstraße");
    h.town = QStringLiteral("Musterhausen");
    h.sewerKind = QStringLiteral("K");
    h.pipeType = QStringLiteral("R");
    h.material = QStringLiteral("STZ");
    h.profile = QStringLiteral("EI");
    h.height = 600.9;
    h.width = 400.2;
    h.lining = QStringLiteral("A");
    h.liningMaterial = QStringLiteral("GFK");
    h.inspectionLength = 40.126;
    h.pipeUnitLength = 1.25;
    h.client = QStringLiteral("Stadtwerke");
    h.orderNumber = QStringLiteral("A-17");
    h.reason = QStringLiteral("C");
    h.direction = QStringLiteral("G");
    h.startPosition = QStringLiteral("B");
    h.date = QDate(2025, 5, 6);
    h.time = QTime(9, 30, 15);
    h.cleaning = QStringLiteral("J");
    h.flowControl = QStringLiteral("N");
    h.company = QStringLiteral("Kanal-TV GmbH");
    h.inspector = QStringLiteral("K. Meier");
    h.videoMedium = QStringLiteral("4");
    h.videoReference = QStringLiteral("0042");
    return h;
}

// An inspection with every field the file stores, and values that test the writing rules.
void fill(DWAM1492 &inv)
{
    inv.setMainData(fullHeader());
    QVector<ObservationRecord> &list = inv.mutableObservations();
    ObservationRecord o = observation(0, QStringLiteral("BCD"), QStringLiteral("XP"));
    o.quantity1Text = QStringLiteral("S1"); // not stored in this format
    o.videoTime = QTime(0, 0, 5);
    list << o;
    o = observation(3.456, QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
    o.quantity1 = 1.234;
    o.quantity2 = -0.5;
    o.clockFrom = 3;
    o.clockTo = 9;
    o.remark = QStringLiteral("Riss\x01 bis <Muffe> & \"weiter\"");
    o.photoFile = QStringLiteral("img_1_1.jpg");
    o.videoTime = QTime(0, 1, 2, 500);
    o.joint = 2;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 0;
    o.damageClass = 3;
    list << o;
    o = observation(7.5, QStringLiteral("BAK"), QStringLiteral("D"), QStringLiteral("A"));
    o.clockTo = 3; // without a first position
    o.quantity1 = 5;
    o.continuousDefect = QStringLiteral("B");
    o.continuousDefectNumber = 12;
    o.videoTime = QTime(1, 2, 3);
    list << o;
    o = observation(-1.25, QStringLiteral("BDB"));
    o.remark = QStringLiteral("  vor dem Schacht  ");
    o.videoTime = QTime(); // no video time
    list << o;
    o = observation(40.02, QStringLiteral("BDC"), QStringLiteral("Z"), QStringLiteral("A"));
    o.videoTime = QTime(0, 12, 0);
    list << o;
}

// A small file as other programs write it, with the header around the given records.
QByteArray dwaFile(const QByteArray &records, const QByteArray &header = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DATA><FD><FD001>04-2010</FD001></FD><HG><HG001>H1</HG001>"
           + header + "<HI><HI104>2025-05-06</HI104>" + records + "</HI></HG></DATA>";
}

} // namespace

class TestDWAM1492File : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<ReporterCapture> capture;
    QString path;

private slots:
    void init()
    {
        dir.reset(new QTemporaryDir);
        capture.reset(new ReporterCapture);
        path = dir->path() + QStringLiteral("/H12.xml");
    }
    void cleanup()
    {
        capture.reset();
        dir.reset();
    }

    void writesTheFormat()
    {
        DWAM1492 inv;
        fill(inv);
        inv.setVideoFile(QStringLiteral("/videos/2025/H12 Film.mpg"));
        inv.setFolder(dir->path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());
        QVERIFY(capture->errors().isEmpty());

        QString declaration;
        const Elements written = parse(path, &declaration);
        QCOMPARE(declaration, QStringLiteral("1.0 UTF-8 standalone"));
        const Elements expected{
            {"DATA/FD/FD001", "04-2010"}, {"DATA/FD/FD002", "B"},
            {"DATA/HG/HG001", "H12 <Nord> & Süd"}, {"DATA/HG/HG003", "S1"}, {"DATA/HG/HG004", "S2"}, {"DATA/HG/HG102", "Hauptstraße"},
            {"DATA/HG/HG104", "Musterhausen"}, {"DATA/HG/HG301", "K"}, {"DATA/HG/HG302", "R"}, {"DATA/HG/HG304", "STZ"},
            {"DATA/HG/HG305", "EI"}, {"DATA/HG/HG306", "600"}, {"DATA/HG/HG307", "400"}, {"DATA/HG/HG308", "A"},
            {"DATA/HG/HG309", "GFK"}, {"DATA/HG/HG310", "40.13"}, {"DATA/HG/HG313", "A"}, {"DATA/HG/HG314", "1.250"},
            {"DATA/HG/HG315", "K"}, {"DATA/HG/HG316", "0"}, {"DATA/HG/HG401", "B"}, {"DATA/HG/HG404", "0"}, {"DATA/HG/HG407", "K"},
            {"DATA/HG/HI/HI001", "Stadtwerke"}, {"DATA/HG/HI/HI002", "A-17"}, {"DATA/HG/HI/HI004", "C"},
            {"DATA/HG/HI/HI005", "DWAM149-2:2013"}, {"DATA/HG/HI/HI007", "B"}, {"DATA/HG/HI/HI101", "G"}, {"DATA/HG/HI/HI102", "B"},
            {"DATA/HG/HI/HI103", "KTV"}, {"DATA/HG/HI/HI104", "2025-05-06"}, {"DATA/HG/HI/HI105", "09:30:15"},
            {"DATA/HG/HI/HI107", "J"}, {"DATA/HG/HI/HI109", "N"}, {"DATA/HG/HI/HI111", "Kanal-TV GmbH"},
            {"DATA/HG/HI/HI112", "K. Meier"}, {"DATA/HG/HI/HI114", "4"}, {"DATA/HG/HI/HI115", "0042"},
            {"DATA/HG/HI/HI116", "H12 Film.mpg"}, {"DATA/HG/HI/HI117", "DIGFOTO"},
            // quantifications and clock positions always, the node name never
            {"DATA/HG/HI/HZ/HZ001", "0.0"}, {"DATA/HG/HI/HZ/HZ002", "BCD"}, {"DATA/HG/HI/HZ/HZ014", "XP"},
            {"DATA/HG/HI/HZ/HZ003", "0.00"}, {"DATA/HG/HI/HZ/HZ004", "0.00"}, {"DATA/HG/HI/HZ/HZ006", "0"},
            {"DATA/HG/HI/HZ/HZ007", "0"}, {"DATA/HG/HI/HZ/HZ008", "000005"},
            // a distance with centimetres keeps them; control characters are left out; any joint flag writes "A"
            {"DATA/HG/HI/HZ/HZ001", "3.46"}, {"DATA/HG/HI/HZ/HZ002", "BAB"}, {"DATA/HG/HI/HZ/HZ014", "B"},
            {"DATA/HG/HI/HZ/HZ015", "A"}, {"DATA/HG/HI/HZ/HZ003", "1.23"}, {"DATA/HG/HI/HZ/HZ004", "-0.50"},
            {"DATA/HG/HI/HZ/HZ005", "A1"}, {"DATA/HG/HI/HZ/HZ006", "3"}, {"DATA/HG/HI/HZ/HZ007", "9"},
            {"DATA/HG/HI/HZ/HZ008", "000102"}, {"DATA/HG/HI/HZ/HZ009", "img_1_1.jpg"}, {"DATA/HG/HI/HZ/HZ011", "A"},
            {"DATA/HG/HI/HZ/HZ208", "3"}, {"DATA/HG/HI/HZ/HZ999", "Riss bis <Muffe> & \"weiter\""},
            // the characterisation 2 of BAK stands apart
            {"DATA/HG/HI/HZ/HZ001", "7.5"}, {"DATA/HG/HI/HZ/HZ002", "BAK"}, {"DATA/HG/HI/HZ/HZ014", "D"},
            {"DATA/HG/HI/HZ/HZ003", "5.00"}, {"DATA/HG/HI/HZ/HZ004", "0.00"}, {"DATA/HG/HI/HZ/HZ005", "B13"},
            {"DATA/HG/HI/HZ/HZ006", "0"}, {"DATA/HG/HI/HZ/HZ007", "3"}, {"DATA/HG/HI/HZ/HZ008", "010203"},
            {"DATA/HG/HI/HZ/HZ017", "A"},
            // no video time, no HZ008; the remark as it is
            {"DATA/HG/HI/HZ/HZ001", "-1.25"}, {"DATA/HG/HI/HZ/HZ002", "BDB"}, {"DATA/HG/HI/HZ/HZ003", "0.00"},
            {"DATA/HG/HI/HZ/HZ004", "0.00"}, {"DATA/HG/HI/HZ/HZ006", "0"}, {"DATA/HG/HI/HZ/HZ007", "0"},
            {"DATA/HG/HI/HZ/HZ999", "  vor dem Schacht  "},
            {"DATA/HG/HI/HZ/HZ001", "40.02"}, {"DATA/HG/HI/HZ/HZ002", "BDC"}, {"DATA/HG/HI/HZ/HZ014", "Z"},
            {"DATA/HG/HI/HZ/HZ003", "0.00"}, {"DATA/HG/HI/HZ/HZ004", "0.00"}, {"DATA/HG/HI/HZ/HZ006", "0"},
            {"DATA/HG/HI/HZ/HZ007", "0"}, {"DATA/HG/HI/HZ/HZ008", "001200"}, {"DATA/HG/HI/HZ/HZ017", "A"}};
        QCOMPARE(written, expected);

        // The root declares the schema-instance namespace.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.namespaceDeclarations().size(), 1);
        QCOMPARE(reader.namespaceDeclarations().first().prefix().toString(), QStringLiteral("xsi"));
        QCOMPARE(reader.namespaceDeclarations().first().namespaceUri().toString(),
                 QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));

        // Saving again gives the same file; the side file holds the client.
        const QByteArray first = readAll(path);
        QVERIFY(inv.save());
        QCOMPARE(readAll(path), first);
        QCOMPARE(readAll(dir->path() + QStringLiteral("/H12.dat")), QByteArray("Stadtwerke\r\n"));
    }

    void emptyFieldsAreLeftOut()
    {
        DWAM1492 inv;
        InspectionHeader h;
        h.sectionName = QStringLiteral("H1");
        h.street = QStringLiteral("   ");
        h.liningMaterial = QStringLiteral("GFK"); // without a lining, neither is written
        inv.setMainData(h);
        inv.setFolder(dir->path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());
        const Elements expected{
            {"DATA/FD/FD001", "04-2010"}, {"DATA/FD/FD002", "B"}, {"DATA/HG/HG001", "H1"}, {"DATA/HG/HG306", "0"},
            {"DATA/HG/HG307", "0"}, {"DATA/HG/HG310", "0.00"}, {"DATA/HG/HG313", "A"}, {"DATA/HG/HG314", "0.000"},
            {"DATA/HG/HG315", "K"}, {"DATA/HG/HG316", "0"}, {"DATA/HG/HG401", "B"}, {"DATA/HG/HG404", "0"}, {"DATA/HG/HG407", "K"},
            {"DATA/HG/HI/HI005", "DWAM149-2:2013"}, {"DATA/HG/HI/HI007", "B"}, {"DATA/HG/HI/HI103", "KTV"},
            {"DATA/HG/HI/HI117", "DIGFOTO"}};
        QCOMPARE(parse(path), expected);
    }

    void roundTrip()
    {
        DWAM1492 out;
        fill(out);
        out.setFolder(dir->path());
        out.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(out.save());
        const Elements saved = parse(path);

        DWAM1492 in;
        QVERIFY(in.load(path));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(!in.loadFailed());
        QCOMPARE(in.folder(), dir->path() + QLatin1Char('/'));
        QCOMPARE(in.fileName(), QStringLiteral("H12.xml"));

        const InspectionHeader a = out.mainData();
        const InspectionHeader b = in.mainData();
        for (const auto &field : {&InspectionHeader::sectionName, &InspectionHeader::startNode, &InspectionHeader::endNode,
                                  &InspectionHeader::street, &InspectionHeader::town, &InspectionHeader::sewerKind,
                                  &InspectionHeader::pipeType, &InspectionHeader::material, &InspectionHeader::profile,
                                  &InspectionHeader::lining, &InspectionHeader::liningMaterial, &InspectionHeader::client,
                                  &InspectionHeader::orderNumber, &InspectionHeader::reason, &InspectionHeader::direction,
                                  &InspectionHeader::startPosition, &InspectionHeader::cleaning, &InspectionHeader::flowControl,
                                  &InspectionHeader::company, &InspectionHeader::inspector, &InspectionHeader::videoMedium,
                                  &InspectionHeader::videoReference})
            QCOMPARE(b.*field, a.*field);
        QCOMPARE(b.height, 600.0); // whole millimetres
        QCOMPARE(b.width, 400.0);
        QCOMPARE(b.inspectionLength, 40.13);
        QCOMPARE(b.pipeUnitLength, 1.25);
        QCOMPARE(b.date, a.date);
        QCOMPARE(b.time, a.time);

        const QVector<ObservationRecord> before = out.observations();
        const QVector<ObservationRecord> after = in.observations();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i) {
            const ObservationRecord &x = before.at(i);
            const ObservationRecord &y = after.at(i);
            QCOMPARE(y.code, x.code);
            QCOMPARE(y.character1, x.character1);
            QCOMPARE(y.character2, x.character2);
            QCOMPARE(y.distance, QString::number(x.distance, 'f', 2).toDouble());
            QCOMPARE(y.quantity1, QString::number(x.quantity1, 'f', 2).toDouble());
            QCOMPARE(y.quantity2, QString::number(x.quantity2, 'f', 2).toDouble());
            QCOMPARE(y.quantity1Text, QString()); // not stored
            QCOMPARE(y.remark, QString(x.remark).remove(QChar(1)).trimmed());
            QCOMPARE(y.clockFrom, x.clockFrom);
            QCOMPARE(y.clockTo, x.clockTo);
            QCOMPARE(y.joint, x.joint != 0 ? 1 : 0);
            QCOMPARE(y.continuousDefect, x.continuousDefect);
            QCOMPARE(y.continuousDefectNumber, x.continuousDefectNumber);
            QCOMPARE(y.photoFile, x.photoFile);
            QCOMPARE(y.damageClass, x.damageClass);
            QCOMPARE(y.videoTime, x.videoTime.isValid() ? QTime(x.videoTime.hour(), x.videoTime.minute(), x.videoTime.second()) : QTime(0, 0));
        }

        // A load-save cycle without edits leaves the file's content as it was.
        QVERIFY(in.save());
        Elements expected = saved;
        for (auto &element : expected) {
            if (element.second == QLatin1String("  vor dem Schacht  "))
                element.second = QStringLiteral("vor dem Schacht");
        }
        // A missing video time reads as the start of the video.
        expected.insert(expected.indexOf(qMakePair(QStringLiteral("DATA/HG/HI/HZ/HZ007"), QStringLiteral("0")),
                                         expected.indexOf(qMakePair(QStringLiteral("DATA/HG/HI/HZ/HZ001"), QStringLiteral("-1.25"))))
                            + 1,
                        qMakePair(QStringLiteral("DATA/HG/HI/HZ/HZ008"), QStringLiteral("000000")));
        QCOMPARE(parse(path), expected);
    }

    // The stored length is written back as read, also with an observation before the start;
    // nothing in a file moves when it is loaded and saved again and again.
    void cycleChangesNothing()
    {
        DWAM1492 out;
        InspectionHeader h = fullHeader();
        h.inspectionLength = 30.0;
        out.setMainData(h);
        ObservationRecord o = observation(-1.5, QStringLiteral("BDB"));
        o.remark = QStringLiteral("vor dem Schacht");
        out.mutableObservations() << o << observation(12.34, QStringLiteral("BBA"), QStringLiteral("A")) << observation(35, QStringLiteral("BDC"), QStringLiteral("A"), QStringLiteral("B"));
        out.setFolder(dir->path());
        out.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(out.save());
        const QByteArray first = readAll(path);
        QVERIFY(first.contains("<HG310>30.00</HG310>"));
        QVERIFY(first.contains("<HZ001>12.34</HZ001>"));

        for (int cycle = 0; cycle < 3; ++cycle) {
            DWAM1492 inv;
            QVERIFY(inv.load(path));
            QCOMPARE(inv.mainData().inspectionLength, 30.0);
            QCOMPARE(inv.inspectedLength(), 36.5);
            QCOMPARE(inv.mainDataList().at(15), QStringLiteral("36.50m"));
            QVERIFY(inv.save());
            QCOMPARE(readAll(path), first);
        }
        QVERIFY(capture->errors().isEmpty());
    }

    void circularProfile_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<double>("width");
        QTest::newRow("DN") << "DN" << 300.0;
        QTest::newRow("begins with DN") << "DN300" << 300.0;
        QTest::newRow("egg") << "EI" << 0.0;
        QTest::newRow("lower case") << "dn" << 0.0;
    }
    void circularProfile()
    {
        QFETCH(QString, profile);
        writeFile(path, dwaFile(QByteArray(), "<HG305>" + profile.toUtf8() + "</HG305><HG306>300</HG306><HG307>0</HG307>"));
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().height, 300.0);
        QTEST(inv.mainData().width, "width");
    }

    // The forms of a video time that files of other programs hold; this program writes hhmmss.
    void videoTimeForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QTime>("time");
        QTest::newRow("hhmmss") << QByteArray("010203") << QTime(1, 2, 3);
        QTest::newRow("h:mm:ss") << QByteArray("1:02:03") << QTime(1, 2, 3);
        QTest::newRow("hh:mm:ss") << QByteArray("01:02:03") << QTime(1, 2, 3);
        QTest::newRow("with frames") << QByteArray("01020324") << QTime(1, 2, 3);
        QTest::newRow("empty") << QByteArray("") << QTime(0, 0);
    }
    void videoTimeForms()
    {
        QFETCH(QByteArray, text);
        writeFile(path, dwaFile("<HZ><HZ001>1.0</HZ001><HZ002>BDB</HZ002><HZ008>" + text + "</HZ008></HZ>"));
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QTEST(inv.observations().first().videoTime, "time");
        QVERIFY(inv.save());
        QVERIFY(readAll(path).contains("<HZ008>" + inv.observations().first().videoTime.toString(QStringLiteral("hhmmss")).toLatin1() + "</HZ008>"));
    }

    // Elements this reader does not know, elements missing or empty, markup inside a text, a
    // file without white space, a time without seconds: all is read that can be, without
    // complaint.
    // HZ005 holds the marker and the number the dialog shows ("A1" for "Nr. 1"), at most three
    // characters; files of earlier versions of this program counted from 0 ("A0").
    void continuousDefectNumbers_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QVector<int>>("numbers");
        QTest::addColumn<QByteArray>("resaved");
        const auto record = [](const char *marker) {
            return QByteArray("<HZ><HZ001>1.0</HZ001><HZ002>BAB</HZ002><HZ005>") + marker + "</HZ005></HZ>";
        };
        QTest::newRow("from 1") << record("A1") + record("B1") + record("A99") << QVector<int>{0, 0, 98}
                                << QByteArray("<HZ005>A99</HZ005>");
        QTest::newRow("from 0, earlier versions") << record("A0") + record("B0") + record("R3") << QVector<int>{0, 0, 3}
                                                  << QByteArray("<HZ005>R4</HZ005>");
        QTest::newRow("marker without number") << record("A") + record("B2") << QVector<int>{0, 1}
                                               << QByteArray("<HZ005>B2</HZ005>");
    }
    void continuousDefectNumbers()
    {
        QFETCH(QByteArray, records);
        QFETCH(QVector<int>, numbers);
        QFETCH(QByteArray, resaved);
        writeFile(path, dwaFile(records));
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QVector<int> read;
        for (const ObservationRecord &o : inv.observations())
            read << o.continuousDefectNumber;
        QCOMPARE(read, numbers);
        QVERIFY(inv.save());
        const QByteArray written = readAll(path);
        QVERIFY(!written.contains("0</HZ005>"));
        QVERIFY2(written.contains(resaved), written.constData());
    }

    void toleratesUnknownAndMissingElements()
    {
        writeFile(path,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                  "<DATA xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><Vendor><X>1</X></Vendor><HG>"
                  "<HG001>H<b>7</b></HG001><HG002>egal</HG002><HG306></HG306><HG307/>"
                  "<HI><HI105>09:30</HI105><HI999/><Extra><HZ001>99</HZ001></Extra>"
                  "<HZ><HZ001>2.5</HZ001><HZ002>BAB</HZ002><HZ003/><HZ012>x</HZ012><HZ100><Deep>1</Deep></HZ100><HZ005>R</HZ005></HZ>"
                  "<HZ/>"
                  "<HZ><HZ002>BDB</HZ002><HZ011>ja</HZ011><HZ011>A</HZ011></HZ>"
                  "</HI></HG></DATA>");
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(!inv.loadFailed());
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("H7"));
        QCOMPARE(inv.mainData().height, 0.0);
        QCOMPARE(inv.mainData().time, QTime(9, 30));
        // Read nowhere in the file: today.
        QCOMPARE(inv.mainData().date, QDate::currentDate());
        QCOMPARE(inv.observations().size(), 3);
        QCOMPARE(inv.observations().at(0).distance, 2.5);
        QCOMPARE(inv.observations().at(0).continuousDefect, QStringLiteral("R"));
        QCOMPARE(inv.observations().at(0).continuousDefectNumber, 0);
        QCOMPARE(inv.observations().at(1).code, QString());
        QCOMPARE(inv.observations().at(1).videoTime, QTime(0, 0));
        QCOMPARE(inv.observations().at(2).joint, 1);
    }

    // Markup nested far deeper than any real file, inside a value and around the records,
    // neither exhausts the stack nor hides the records.
    void deepMarkup()
    {
        const int levels = 200000;
        const QByteArray open = QByteArray("<X>").repeated(levels);
        const QByteArray close = QByteArray("</X>").repeated(levels);
        writeFile(path, "<DATA><HG><HG001>" + open + "H1" + close + "</HG001>" + open + close
                            + "<HI><HZ><HZ001>1.0</HZ001><HZ999>" + open + "tief" + close + "</HZ999></HZ></HI></HG></DATA>");
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("H1"));
        QCOMPARE(inv.observations().size(), 1);
        QCOMPARE(inv.observations().first().remark, QStringLiteral("tief"));
    }

    // Files that hold the records side by side instead of nested are read the same way.
    void flatRecords()
    {
        writeFile(path,
                  "<DATA><HG><HG001>H1</HG001></HG><HI><HI112>K. Meier</HI112></HI>"
                  "<HZ><HZ001>1.0</HZ001><HZ002>BAB</HZ002></HZ><HZ><HZ001>2.0</HZ001><HZ002>BBA</HZ002></HZ></DATA>");
        DWAM1492 inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("H1"));
        QCOMPARE(inv.mainData().inspector, QStringLiteral("K. Meier"));
        QCOMPARE(inv.observations().size(), 2);
    }

    // A delivery of several inspections: the first is loaded with its own observations, the
    // rest is reported, and the file is not saved over.
    void severalInspections_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("observations");
        QTest::newRow("two sections") << "dwa/two-sections.xml" << 3;
        QTest::newRow("two inspections of one section") << "dwa/two-inspections.xml" << 2;
        QTest::newRow("side by side") << "dwa/flat-two-sections.xml" << 1;
    }
    void severalInspections()
    {
        QFETCH(QString, fixture);
        const QByteArray content = readAll(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/") + fixture);
        QVERIFY(!content.isEmpty());
        writeFile(path, content);

        DWAM1492 inv;
        QVERIFY(!inv.load(path));
        QVERIFY(inv.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(QStringLiteral("mehr als eine Inspektion")), qPrintable(capture->errors().first()));
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("10001"));
        QCOMPARE(inv.mainData().startNode, QStringLiteral("S10"));
        QTEST(int(inv.observations().size()), "observations");
        for (const ObservationRecord &o : inv.observations())
            QVERIFY2(o.remark.startsWith(QStringLiteral("erste")), qPrintable(o.remark));

        capture->clear();
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(readAll(path), content);
    }

    // A file written by another program: its header and observations as it holds them.
    void foreignFile()
    {
        const QString source = QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/dwa/two-sections.xml");
        writeFile(path, readAll(source));
        DWAM1492 inv;
        inv.load(path);
        const InspectionHeader h = inv.mainData();
        QCOMPARE(h.street, QStringLiteral("Lindenstraße"));
        QCOMPARE(h.profile, QStringLiteral("DN"));
        QCOMPARE(h.width, 300.0);
        QCOMPARE(h.inspectionLength, 42.3);
        QCOMPARE(h.date, QDate(2024, 11, 5));
        QCOMPARE(h.time, QTime(8, 15));
        QCOMPARE(h.inspector, QStringLiteral("Jürgen Groß"));
        const QVector<ObservationRecord> list = inv.observations();
        QCOMPARE(list.at(0).code, QStringLiteral("BCD"));
        QCOMPARE(list.at(0).character1, QStringLiteral("XP"));
        QCOMPARE(list.at(1).distance, 12.37);
        QCOMPARE(list.at(1).videoTime, QTime(0, 3, 12));
        QCOMPARE(list.at(1).character2, QStringLiteral("B"));
        QCOMPARE(list.at(1).damageClass, 3);
        QCOMPARE(inv.observationDescription(list.at(1)),
                 QStringLiteral("Rissbildung, Riss, am Rohrumfang, 2mm, von 2 bis 4Uhr, Schadensklasse B, erste Haltung"));
        QCOMPARE(list.at(2).videoTime, QTime(0, 9, 5));
    }

    void brokenFilesAreReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        // Missing, empty, truncated files and files of other kinds, numbers beyond their range and
        // names leading out of the folder: see the format contract suite.
        QTest::newRow("an EN 13508-2 file") << QByteArray("<DATA><ZA><A2>de</A2></ZA><ZB><AAA>H1</AAA></ZB></DATA>") << "keine Haltung";
        QTest::newRow("height") << dwaFile("", "<HG306>zwölf</HG306>") << "zwölf";
        QTest::newRow("length") << dwaFile("", "<HG310>40,5</HG310>") << "40,5";
        QTest::newRow("date") << dwaFile("<HI104>06.05.2025</HI104>") << "06.05.2025";
        QTest::newRow("time") << dwaFile("<HI105>halb zehn</HI105>") << "halb zehn";
        QTest::newRow("distance") << dwaFile("<HZ><HZ001>1,5</HZ001></HZ>") << "1,5";
        QTest::newRow("quantification") << dwaFile("<HZ><HZ003>viel</HZ003></HZ>") << "viel";
        QTest::newRow("clock") << dwaFile("<HZ><HZ006>drei</HZ006></HZ>") << "drei";
        QTest::newRow("video time") << dwaFile("<HZ><HZ008>12:0:00</HZ008></HZ>") << "12:0:00";
        QTest::newRow("marker number") << dwaFile("<HZ><HZ005>Ax</HZ005></HZ>") << "Ax";
        QTest::newRow("damage class") << dwaFile("<HZ><HZ208>B</HZ208></HZ>") << "\"B\"";
    }
    void brokenFilesAreReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const bool exists = !content.isNull();
        if (exists)
            writeFile(path, content);

        DWAM1492 inv;
        QVERIFY(!inv.load(path));
        QVERIFY(inv.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("H12.xml")));
        QVERIFY2(capture->errors().first().contains(message), qPrintable(capture->errors().first()));

        // Never saved over.
        capture->clear();
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(QFile::exists(path), exists);
        if (exists)
            QCOMPARE(readAll(path), content);
    }
};

QTEST_MAIN(TestDWAM1492File)
#include "tst_dwam1492file.moc"
