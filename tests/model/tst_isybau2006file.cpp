#include "model/isybau2006.h"
#include "support/model/observations.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace TestFiles;

namespace {

const QString kRoot = QStringLiteral("Identifikation/Datenkollektive/Zustandsdatenkollektiv/");
const QString kObject = kRoot + QStringLiteral("InspizierteAbwassertechnischeAnlage/");
const QString kInspection = kObject + QStringLiteral("OptischeInspektion/");
const QString kPipe = kInspection + QStringLiteral("Rohrleitung/");
const QString kRecord = kPipe + QStringLiteral("Inspektionsdaten/RZustand/");

// The elements below a path, with the path taken off.
Elements below(const Elements &elements, const QString &prefix)
{
    Elements result;
    for (const auto &element : elements) {
        if (element.first.startsWith(prefix))
            result << qMakePair(element.first.mid(prefix.size()), element.second);
    }
    return result;
}

QStringList values(const Elements &elements, const QString &path)
{
    QStringList result;
    for (const auto &element : elements) {
        if (element.first == path)
            result << element.second;
    }
    return result;
}

InspectionHeader fullHeader()
{
    InspectionHeader h;
    h.sectionName = QStringLiteral("H12 <Nord> & Süd");
    h.installationType = QStringLiteral("1");
    h.street = QStringLiteral("Hauptstraße");
    h.town = QStringLiteral("Musterhausen");
    h.orderNumber = QStringLiteral("A-17");
    h.date = QDate(2025, 5, 6);
    h.inspectionMethod = QStringLiteral("1");
    h.inspector = QStringLiteral("K. Meier");
    h.time = QTime(9, 30, 15);
    h.cleaning = QStringLiteral("1");
    h.flowControl = QStringLiteral("2");
    h.videoReference = QStringLiteral("0042");
    h.videoMedium = QStringLiteral("6");
    h.pipeType = QStringLiteral("1");
    h.direction = QStringLiteral("U");
    h.startPosition = QStringLiteral("2");
    h.inspectionLength = 40.126;
    h.inspectionKind = QStringLiteral("3");
    h.startNode = QStringLiteral("S1");
    h.startNodeType = QStringLiteral("0");
    h.endNode = QStringLiteral("S2");
    h.endNodeType = QStringLiteral("2");
    h.profileSource = QStringLiteral("1");
    h.height = 600.9;
    h.width = 400.2;
    h.profile = QStringLiteral("1");
    h.materialSource = QStringLiteral("2");
    h.material = QStringLiteral("B");
    h.protection = QStringLiteral("EP");
    h.pipeUnitLength = 2.5;
    h.lining = QStringLiteral("3");
    h.sewerKind = QStringLiteral("KS");
    h.client = QStringLiteral("Stadtwerke");
    h.filmEndFrame = 12345;
    return h;
}

// An inspection with every field the file stores, and values that test the writing rules.
void fill(Isybau2006 &inv)
{
    inv.setMainData(fullHeader());
    QVector<ObservationRecord> &list = inv.mutableObservations();
    ObservationRecord o = observation(0, QStringLiteral("BCD"), QStringLiteral("XP"));
    o.quantity1Text = QStringLiteral("S1"); // not stored in this format
    o.videoTime = QTime(0, 0, 5);
    list << o;
    o = observation(3.456, QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
    o.videoTime = QTime(0, 1, 2, 500);
    o.quantity1 = 1.234;
    o.quantity2 = -0.5;
    o.joint = 1;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 2;
    o.clockFrom = 3;
    o.clockTo = 9;
    o.photoFile = QStringLiteral("img_1_1.jpg");
    o.remark = QStringLiteral("Riss\x01 bis <Muffe> & \"weiter\"");
    o.damageClass = 3;
    list << o;
    o = observation(7.5, QStringLiteral("BAK"), QStringLiteral("D"), QStringLiteral("A"));
    o.videoTime = QTime(1, 2, 3);
    o.quantity1 = 5;
    o.continuousDefect = QStringLiteral("R");
    o.continuousDefectNumber = 4;
    o.clockTo = 3; // without a first position
    o.photoFile = QStringLiteral("img_1_2.jpg");
    list << o;
    o = observation(-1.25, QStringLiteral("BALX"), QStringLiteral("A"), QStringLiteral("B"));
    o.videoTime = QTime(0, 0, 40);
    o.quantity2 = 2.5;
    o.remark = QStringLiteral("  vor dem Schacht  ");
    list << o;
    o = observation(40.02, QStringLiteral("BDC"), QStringLiteral("Z"), QStringLiteral("A"));
    o.videoTime = QTime(); // no video time
    o.joint = 2;
    o.clockFrom = 12;
    list << o;
}

// A small file as other programs write it: one inspected pipe with the given records.
QByteArray isybauFile(const QByteArray &records, const QByteArray &grunddaten = QByteArray(), const QByteArray &inspection = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<Identifikation xmlns=\"http://www.ofd-hannover.la/Identifikation\"><Datenkollektive><Zustandsdatenkollektiv>"
           "<InspizierteAbwassertechnischeAnlage><Objektbezeichnung>H1</Objektbezeichnung><OptischeInspektion>"
           + inspection + "<Rohrleitung><RGrunddaten>" + grunddaten + "</RGrunddaten><Inspektionsdaten>" + records
           + "</Inspektionsdaten></Rohrleitung></OptischeInspektion></InspizierteAbwassertechnischeAnlage>"
             "</Zustandsdatenkollektiv></Datenkollektive></Identifikation>";
}

} // namespace

class TestIsybau2006File : public QObject
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
        Isybau2006 inv;
        fill(inv);
        inv.setVideoFile(QStringLiteral("/videos/2025/H12 Film.mpg"));
        inv.setFolder(dir->path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());
        QVERIFY(capture->errors().isEmpty());
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));

        const Elements written = parse(path);
        const Elements expected{
            {"Identifikation/Version", "2006-10"},
            {"Identifikation/Admindaten/Liegenschaft/Liegenschaftsnummer", ""},
            {"Identifikation/Admindaten/Liegenschaft/Liegenschaftsbezeichnung", ""},
            {"Identifikation/Admindaten/Verwaltung/Zustaendigkeit", "4"},
            {"Identifikation/Datenkollektive/Datenstatus", "1"},
            {"Identifikation/Datenkollektive/Erstellungsdatum", today},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Kennung", "ZUS01"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Kollektivart", "2"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Kollektiveigenschaft/Zustandsdaten/Inspektion", "1"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Kollektiveigenschaft/Zustandsdaten/Dichtheit", "0"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Kollektiveigenschaft/Zustandsdaten/Film", "1"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Regelwerk", "2"},
            {"Identifikation/Datenkollektive/Kennungen/Kollektiv/Bearbeitungsstand", today},
            {kRoot + "Kennung", "ZUS01"},
            {kRoot + "Auftraege/Auftrag/Auftragsbezeichnung", "H12 <Nord> & Süd"},
            {kRoot + "Auftraege/Auftrag/Auftragsnummer", "1"},
            {kRoot + "Auftraege/Auftrag/Auftragskennung", "A-17"},
            {kRoot + "Auftraege/Auftrag/Auftragsdatum", "2025-05-06"},
            {kRoot + "Auftraege/Auftrag/Auftragsart", "1"},
            {kRoot + "Auftraege/Auftrag/Kodiersystem", "2"},
            {kRoot + "Auftraege/Auftrag/Auftragnehmer", "Stadtwerke"},
            {kObject + "Objektbezeichnung", "H12 <Nord> & Süd"},
            {kObject + "Anlagentyp", "1"},
            {kObject + "Lage/Strassenname", "Hauptstraße"},
            {kObject + "Lage/Ortsteilname", "Musterhausen"},
            {kInspection + "Auftragskennung", "A-17"},
            {kInspection + "Inspektionsdatum", "2025-05-06"},
            {kInspection + "Inspektionsverfahren", "1"},
            {kInspection + "NameUntersucher", "K. Meier"},
            {kInspection + "Uhrzeit", "09:30:15"},
            {kInspection + "Reinigung", "1"},
            {kInspection + "Wasserhaltung", "2"},
            {kInspection + "VideoSpeichermedium", "6"},
            {kInspection + "Videoablagereferenz", "0042"},
            {kPipe + "Rohrleitungstyp", "1"},
            {kPipe + "Inspektionsrichtung", "U"},
            {kPipe + "BezugspunktLage", "2"},
            {kPipe + "Inspektionslaenge", "40.13"},
            {kPipe + "Inspektionsart", "3"},
            {kPipe + "ArtVideoreferenz", "2"},
            {kPipe + "RGrunddaten/KnotenZulauf", "S1"},
            {kPipe + "RGrunddaten/KnotenZulaufTyp", "0"},
            {kPipe + "RGrunddaten/KnotenAblauf", "S2"},
            {kPipe + "RGrunddaten/KnotenAblaufTyp", "2"},
            {kPipe + "RGrunddaten/HerkunftProfilmasse", "1"},
            {kPipe + "RGrunddaten/Profilhoehe", "600"},
            {kPipe + "RGrunddaten/Profilbreite", "400"},
            {kPipe + "RGrunddaten/Profilart", "1"},
            {kPipe + "RGrunddaten/HerkunftMaterial", "2"},
            {kPipe + "RGrunddaten/Material", "B"},
            {kPipe + "RGrunddaten/Innenschutz", "EP"},
            {kPipe + "RGrunddaten/Regeleinzelrohrlaenge", "2.50"},
            {kPipe + "RGrunddaten/ArtAuskleidung", "3"},
            {kPipe + "RGrunddaten/Kanalart", "KS"},
            // the node name is not stored
            {kRecord + "Station", "0.00"}, {kRecord + "Frame", "125"}, {kRecord + "InspektionsKode", "BCD"},
            {kRecord + "Charakterisierung1", "XP"},
            // the frame of 1:02.5 at 25 per second; photos numbered from 0 in the order of the observations
            {kRecord + "Station", "3.46"}, {kRecord + "Frame", "1562"}, {kRecord + "InspektionsKode", "BAB"},
            {kRecord + "Charakterisierung1", "B"}, {kRecord + "Charakterisierung2", "A"},
            {kRecord + "Verbindung", "1"},
            {kRecord + "Quantifizierung1Numerisch", "1.23"}, {kRecord + "Quantifizierung2Numerisch", "-0.50"},
            {kRecord + "Streckenschaden", "A"}, {kRecord + "StreckenschadenLfdNr", "3"},
            {kRecord + "PositionVon", "3"}, {kRecord + "PositionBis", "9"}, {kRecord + "Fotodatei", "img_1_1.jpg"},
            {kRecord + "FotoSpeichermedium", "WDT"}, {kRecord + "Fotonummer", "0"},
            {kRecord + "Kommentar", "Riss bis <Muffe> & \"weiter\""},
            // the class given stands for the automatic classes, no damage numbers computed
            {kRecord + "Klassifizierung/Betriebssicherheit/SKBvAuto", "3"},
            {kRecord + "Klassifizierung/Betriebssicherheit/SKBvManu", "3"},
            {kRecord + "Klassifizierung/Betriebssicherheit/SZBvAuto", "0"},
            {kRecord + "Klassifizierung/Betriebssicherheit/SZBeAuto", "0"},
            {kRecord + "Klassifizierung/Betriebssicherheit/SKBeAuto", "3"},
            // the lining code's own elements; "R" has no running number
            {kRecord + "Station", "7.50"}, {kRecord + "Frame", "93075"}, {kRecord + "InspektionsKode", "BAK"},
            {kRecord + "Charakterisierung1", "D"}, {kRecord + "Streckenschaden", "R"},
            {kRecord + "BAKZustandSanierung", "A"}, {kRecord + "QZustandSanierung", "5"}, {kRecord + "Fotodatei", "img_1_2.jpg"}, {kRecord + "FotoSpeichermedium", "WDT"},
            {kRecord + "Fotonummer", "1"},
            // a code is cut to three characters
            {kRecord + "Station", "-1.25"}, {kRecord + "Frame", "1000"}, {kRecord + "InspektionsKode", "BAL"},
            {kRecord + "Charakterisierung1", "A"}, {kRecord + "Quantifizierung2Numerisch", "2.50"},
            {kRecord + "BALZustandSanierung", "B"}, {kRecord + "Kommentar", "  vor dem Schacht  "},
            // the reason of an abandoned inspection; no joint element for a flag other than 1
            {kRecord + "Station", "40.02"}, {kRecord + "Frame", "0"}, {kRecord + "InspektionsKode", "BDC"},
            // the reason in the format's own code
            {kRecord + "Charakterisierung1", "Z"}, {kRecord + "Charakterisierung2", "A"},
            {kRecord + "PositionVon", "12"}, {kRecord + "PositionBis", "0"}, {kRecord + "GrundAbbruch", "ZE"},
            {kRoot + "Filme/Film/Filmname", "H12 Film.mpg"},
            {kRoot + "Filme/Film/Auftragskennung", "A-17"},
            {kRoot + "Filme/Film/Videoablagereferenz", "0042"},
            {kRoot + "Filme/Film/Frame/fps", "25"},
            {kRoot + "Filme/Film/Frame/Start", "0"},
            {kRoot + "Filme/Film/Frame/Ende", "12345"},
            {kRoot + "Filme/Film/Offsets/Offset/TcFrameNr", "0"},
            {kRoot + "Filme/Film/Offsets/Offset/MPEGFrameNr", "0"},
            {kRoot + "Filme/Film/FilmObjekte/FilmObjekt/Objektbezeichnung", "H12 <Nord> & Süd"},
            {kRoot + "Filme/Film/FilmObjekte/FilmObjekt/Typ", "1"},
            {kRoot + "Filme/Film/FilmObjekte/FilmObjekt/Inspektionsrichtung", "U"}};
        QCOMPARE(written, expected);

        // The root carries the format's namespace.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.namespaceUri().toString(), QLatin1String(Isybau2006::NamespaceUri));
        file.close();

        // Saving again gives the same file (on the same day); the side file holds the client.
        const QByteArray first = readAll(path);
        QVERIFY(inv.save());
        QCOMPARE(readAll(path), first);
        QCOMPARE(readAll(dir->path() + QStringLiteral("/H12.dat")), QByteArray("Stadtwerke\r\n"));
    }

    void emptyFieldsAreLeftOut()
    {
        Isybau2006 inv;
        InspectionHeader h;
        h.sectionName = QStringLiteral("H1");
        h.lining = QStringLiteral("0");
        h.videoMedium = QStringLiteral("7");
        inv.setMainData(h);
        ObservationRecord o = observation(1, QStringLiteral("BDA"));
        o.photoFile = QStringLiteral("img_1_1.jpg");
        inv.mutableObservations() << o;
        inv.setFolder(dir->path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());

        const Elements written = parse(path);
        // No video: no film record, and the collective says so.
        QCOMPARE(values(written, QStringLiteral("Identifikation/Datenkollektive/Kennungen/Kollektiv/Kollektiveigenschaft/Zustandsdaten/Film")),
                 QStringList{"0"});
        QVERIFY(below(written, kRoot + QStringLiteral("Filme")).isEmpty());
        const Elements object = below(written, kObject);
        QCOMPARE(object,
                 (Elements{{"Objektbezeichnung", "H1"},
                           {"Lage", ""},
                           {"OptischeInspektion/VideoSpeichermedium", "7"},
                           {"OptischeInspektion/Rohrleitung/Inspektionslaenge", "0.00"},
                           {"OptischeInspektion/Rohrleitung/ArtVideoreferenz", "2"},
                           {"OptischeInspektion/Rohrleitung/RGrunddaten/Profilhoehe", "0"},
                           {"OptischeInspektion/Rohrleitung/RGrunddaten/Profilbreite", "0"},
                           {"OptischeInspektion/Rohrleitung/RGrunddaten/Regeleinzelrohrlaenge", "0.00"},
                           {"OptischeInspektion/Rohrleitung/Inspektionsdaten/RZustand/Station", "1.00"},
                           {"OptischeInspektion/Rohrleitung/Inspektionsdaten/RZustand/Frame", "0"},
                           {"OptischeInspektion/Rohrleitung/Inspektionsdaten/RZustand/InspektionsKode", "BDA"},
                           {"OptischeInspektion/Rohrleitung/Inspektionsdaten/RZustand/Fotodatei", "img_1_1.jpg"},
                           {"OptischeInspektion/Rohrleitung/Inspektionsdaten/RZustand/Fotonummer", "0"}}));
    }

    // The photo storage medium follows the video storage medium.
    void photoMedium_data()
    {
        QTest::addColumn<QString>("videoMedium");
        QTest::addColumn<QStringList>("photoMedium");
        for (const char *medium : {"1", "2", "6"})
            QTest::newRow(medium) << medium << QStringList{"WDT"};
        QTest::newRow("3") << "3" << QStringList{"CDR"};
        QTest::newRow("4") << "4" << QStringList{"DVD"};
        QTest::newRow("5") << "5" << QStringList{"MOD"};
        QTest::newRow("7") << "7" << QStringList();
        QTest::newRow("none") << "" << QStringList();
    }
    void photoMedium()
    {
        QFETCH(QString, videoMedium);
        Isybau2006 inv;
        InspectionHeader h;
        h.videoMedium = videoMedium;
        inv.setMainData(h);
        ObservationRecord o = observation(1, QStringLiteral("BDA"));
        o.photoFile = QStringLiteral("img_1_1.jpg");
        inv.mutableObservations() << o << observation(2, QStringLiteral("BDB"));
        inv.setFolder(dir->path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());
        QTEST(values(parse(path), kRecord + QStringLiteral("FotoSpeichermedium")), "photoMedium");
        QCOMPARE(values(parse(path), kRecord + QStringLiteral("Fotonummer")), QStringList{"0"});
    }

    void roundTrip()
    {
        Isybau2006 out;
        fill(out);
        out.setVideoFile(QStringLiteral("/videos/H12.mpg"));
        out.setFolder(dir->path());
        out.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(out.save());
        const Elements saved = parse(path);

        Isybau2006 in;
        QVERIFY(in.load(path));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(!in.loadFailed());
        QCOMPARE(in.fileName(), QStringLiteral("H12.xml"));

        const InspectionHeader a = out.mainData();
        const InspectionHeader b = in.mainData();
        for (const auto &field : {&InspectionHeader::sectionName, &InspectionHeader::installationType, &InspectionHeader::street,
                                  &InspectionHeader::town, &InspectionHeader::orderNumber, &InspectionHeader::inspectionMethod,
                                  &InspectionHeader::inspector, &InspectionHeader::cleaning, &InspectionHeader::flowControl,
                                  &InspectionHeader::videoReference, &InspectionHeader::videoMedium, &InspectionHeader::pipeType,
                                  &InspectionHeader::direction, &InspectionHeader::startPosition, &InspectionHeader::inspectionKind,
                                  &InspectionHeader::startNode, &InspectionHeader::startNodeType, &InspectionHeader::endNode,
                                  &InspectionHeader::endNodeType, &InspectionHeader::profileSource, &InspectionHeader::profile,
                                  &InspectionHeader::materialSource, &InspectionHeader::material, &InspectionHeader::protection,
                                  &InspectionHeader::lining, &InspectionHeader::sewerKind, &InspectionHeader::client})
            QCOMPARE(b.*field, a.*field);
        QCOMPARE(b.videoReferenceKind, QStringLiteral("2"));
        QCOMPARE(b.date, a.date);
        QCOMPARE(b.time, a.time);
        QCOMPARE(b.height, 600.0); // whole millimetres
        QCOMPARE(b.width, 400.0);
        QCOMPARE(b.inspectionLength, 40.13);
        QCOMPARE(b.pipeUnitLength, 2.5);
        QCOMPARE(b.filmEndFrame, 12345);

        const QVector<ObservationRecord> before = out.observations();
        const QVector<ObservationRecord> after = in.observations();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i) {
            const ObservationRecord &x = before.at(i);
            const ObservationRecord &y = after.at(i);
            QCOMPARE(y.code, x.code.left(3));
            QCOMPARE(y.character1, x.character1);
            QCOMPARE(y.character2, x.character2);
            QCOMPARE(y.distance, QString::number(x.distance, 'f', 2).toDouble());
            QCOMPARE(y.quantity1, QString::number(x.quantity1, 'f', 2).toDouble());
            QCOMPARE(y.quantity2, QString::number(x.quantity2, 'f', 2).toDouble());
            QCOMPARE(y.quantity1Text, QString());
            QCOMPARE(y.remark, QString(x.remark).remove(QChar(1)).trimmed());
            QCOMPARE(y.clockFrom, x.clockFrom);
            QCOMPARE(y.clockTo, x.clockFrom > 0 ? x.clockTo : 0);
            QCOMPARE(y.joint, x.joint == 1 ? 1 : 0);
            QCOMPARE(y.continuousDefect, x.continuousDefect);
            QCOMPARE(y.continuousDefectNumber, x.continuousDefect == QLatin1String("R") ? 0 : x.continuousDefectNumber);
            QCOMPARE(y.photoFile, x.photoFile);
            QCOMPARE(y.damageClass, x.damageClass);
            // Video positions are read back in whole seconds.
            QCOMPARE(y.videoTime, QTime(0, 0).addSecs(x.videoTime.isValid() ? x.videoTime.msecsSinceStartOfDay() / 1000 : 0));
        }

        // A load-save cycle without edits leaves the file's content as it was, but for frames
        // within a second, which come back as the second's first frame.
        // The video is found by the project, not read from the file.
        in.setVideoFile(QStringLiteral("/videos/H12.mpg"));
        QVERIFY(in.save());
        Elements expected = saved;
        for (auto &element : expected) {
            if (element.second == QLatin1String("  vor dem Schacht  "))
                element.second = QStringLiteral("vor dem Schacht");
            if (element.first == kRecord + QStringLiteral("Frame"))
                element.second = QString::number(element.second.toInt() / 25 * 25);
        }
        QCOMPARE(parse(path), expected);
    }

    // The stored length is written back as read, also with an observation before the start.
    void cycleChangesNothing()
    {
        Isybau2006 out;
        InspectionHeader h = fullHeader();
        h.inspectionLength = 30.0;
        out.setMainData(h);
        ObservationRecord o = observation(-1.5, QStringLiteral("BDB"));
        o.photoFile = QStringLiteral("img_1_1.jpg");
        out.mutableObservations() << o << observation(35, QStringLiteral("BDC"), QStringLiteral("A"), QStringLiteral("B"));
        out.setFolder(dir->path());
        out.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(out.save());
        const Elements first = parse(path);
        QCOMPARE(values(first, kPipe + QStringLiteral("Inspektionslaenge")), QStringList{"30.00"});

        for (int cycle = 0; cycle < 3; ++cycle) {
            Isybau2006 inv;
            QVERIFY(inv.load(path));
            QCOMPARE(inv.mainData().inspectionLength, 30.0);
            QCOMPARE(inv.inspectedLength(), 36.5);
            QCOMPARE(inv.mainDataListFull().at(29), QStringLiteral("36.50m"));
            QVERIFY(inv.save());
            QCOMPARE(parse(path), first);
        }
        QVERIFY(capture->errors().isEmpty());
    }

    void circularProfile_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<double>("width");
        QTest::newRow("0") << "0" << 300.0;
        QTest::newRow("4") << "4" << 300.0;
        QTest::newRow("1") << "1" << 0.0;
        QTest::newRow("04") << "04" << 0.0;
        QTest::newRow("none") << "" << 0.0;
    }
    void circularProfile()
    {
        QFETCH(QString, profile);
        writeFile(path, isybauFile(QByteArray(), "<Profilhoehe>300</Profilhoehe><Profilbreite>0</Profilbreite><Profilart>"
                                                     + profile.toUtf8() + "</Profilart>"));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().height, 300.0);
        QTEST(inv.mainData().width, "width");
    }

    // What the file does not hold stays empty: no date and no time of day.
    void headerAsConstructed()
    {
        writeFile(path, isybauFile(QByteArray()));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QVERIFY(inv.mainData().date.isNull());
        QVERIFY(!inv.mainData().time.isValid());
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("H1"));
        // Loading twice does not add the observations twice.
        writeFile(path, isybauFile("<RZustand><Station>1</Station></RZustand>"));
        QVERIFY(inv.load(path));
        QVERIFY(inv.load(path));
        QCOMPARE(inv.observations().size(), 1);
    }

    // Video positions as real files write them: frames, or a time code with or without a
    // frame count; the file is written with frames again.
    void videoPositions_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QTime>("time");
        // The 3D pipe course matches its stored points by whole seconds.
        QTest::newRow("frame") << QByteArray("<Frame>1562</Frame>") << QTime(0, 1, 2);
        QTest::newRow("time code") << QByteArray("<Timecode>000102</Timecode>") << QTime(0, 1, 2);
        QTest::newRow("time code with frames") << QByteArray("<Timecode>00010224</Timecode>") << QTime(0, 1, 2);
        QTest::newRow("time code with colons") << QByteArray("<Timecode>0:01:02</Timecode>") << QTime(0, 1, 2);
        QTest::newRow("the last one counts") << QByteArray("<Timecode>00010224</Timecode><Frame>25</Frame>") << QTime(0, 0, 1);
        QTest::newRow("none") << QByteArray() << QTime(0, 0);
    }
    void videoPositions()
    {
        QFETCH(QByteArray, record);
        writeFile(path, isybauFile("<RZustand><Station>1</Station>" + record + "</RZustand>"));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        QTEST(inv.observations().first().videoTime, "time");
        QVERIFY(inv.save());
        QFETCH(QTime, time);
        QCOMPARE(values(parse(path), kRecord + QStringLiteral("Frame")), QStringList{QString::number(time.msecsSinceStartOfDay() / 40)});
    }

    // The manual class of operational safety is taken wherever it stands among the classes.
    void damageClass_data()
    {
        QTest::addColumn<QByteArray>("classes");
        QTest::addColumn<int>("damageClass");
        QTest::newRow("alone") << QByteArray("<Betriebssicherheit><SKBvManu>3</SKBvManu></Betriebssicherheit>") << 3;
        QTest::newRow("after the others")
            << QByteArray("<Dichtheit><SKDvAuto>1</SKDvAuto><SKDvManu>2</SKDvManu></Dichtheit>"
                          "<Standsicherheit><SKSvManu>4</SKSvManu></Standsicherheit>"
                          "<Betriebssicherheit><SKBvAuto>1</SKBvAuto><SKBvManu>3</SKBvManu></Betriebssicherheit>")
            << 3;
        QTest::newRow("before the others")
            << QByteArray("<Betriebssicherheit><SKBvManu>5</SKBvManu><SKBvAuto>1</SKBvAuto></Betriebssicherheit><Dichtheit><SKDvManu>2</SKDvManu></Dichtheit>")
            << 5;
        QTest::newRow("automatic only") << QByteArray("<Betriebssicherheit><SKBvAuto>1</SKBvAuto></Betriebssicherheit>") << 0;
        QTest::newRow("other classes only") << QByteArray("<Dichtheit><SKDvManu>2</SKDvManu></Dichtheit>") << 0;
        QTest::newRow("empty") << QByteArray("<Betriebssicherheit><SKBvManu/></Betriebssicherheit>") << 0;
    }
    void damageClass()
    {
        QFETCH(QByteArray, classes);
        writeFile(path, isybauFile("<RZustand><Station>1</Station><Klassifizierung>" + classes
                                   + "</Klassifizierung><Kommentar>danach</Kommentar></RZustand>"));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        QTEST(inv.observations().first().damageClass, "damageClass");
        // The record's later elements are still read.
        QCOMPARE(inv.observations().first().remark, QStringLiteral("danach"));
    }

    // Markup nested far deeper than any real file, inside values and around the records,
    // neither exhausts the stack nor hides the records.
    void deepMarkup()
    {
        const int levels = 200000;
        const QByteArray open = QByteArray("<X>").repeated(levels);
        const QByteArray close = QByteArray("</X>").repeated(levels);
        writeFile(path, isybauFile(open + close + "<RZustand><Station>1</Station><Kommentar>" + open + "tief" + close
                                       + "</Kommentar><Klassifizierung>" + open + close + "</Klassifizierung></RZustand>",
                                   "<KnotenZulauf>" + open + "S1" + close + "</KnotenZulauf>"));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QCOMPARE(inv.mainData().startNode, QStringLiteral("S1"));
        QCOMPARE(inv.observations().size(), 1);
        QCOMPARE(inv.observations().first().remark, QStringLiteral("tief"));
    }

    // A file written by another program: its header, observations and film as it holds them.
    void foreignFile()
    {
        const QString source = QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/isybau2006/single.xml");
        writeFile(path, readAll(source));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QVERIFY(capture->errors().isEmpty());
        const InspectionHeader h = inv.mainData();
        QCOMPARE(h.sectionName, QStringLiteral("10001"));
        QCOMPARE(h.street, QStringLiteral("Lindenstraße"));
        QCOMPARE(h.inspector, QStringLiteral("Jürgen Groß"));
        // The object names no order; the file's order does.
        QCOMPARE(h.orderNumber, QStringLiteral("240017"));
        QCOMPARE(h.date, QDate(2024, 11, 5));
        QCOMPARE(h.time, QTime(8, 15));
        // Cleaning written as a word.
        QCOMPARE(h.cleaning, QStringLiteral("1"));
        QCOMPARE(inv.cleaningOptions().value(h.cleaning), QStringLiteral("gereinigt"));
        QCOMPARE(h.videoReferenceKind, QStringLiteral("1"));
        QCOMPARE(h.width, 300.0);
        QCOMPARE(h.inspectionLength, 42.3);
        QCOMPARE(h.filmEndFrame, 13625);
        // Not taken from the file: the contractor is no client.
        QCOMPARE(h.client, QString());

        const QVector<ObservationRecord> list = inv.observations();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).videoTime, QTime(0, 0, 4));
        QCOMPARE(list.at(1).distance, 12.37);
        QCOMPARE(list.at(1).videoTime, QTime(0, 3, 12));
        QCOMPARE(list.at(1).damageClass, 3);
        QCOMPARE(list.at(1).photoFile, QStringLiteral("10001_0001.jpg"));
        QCOMPARE(inv.observationDescription(list.at(1)),
                 QStringLiteral("Rissbildung, Riss, am Rohrumfang, 2mm, von 2 bis 4Uhr, Schadensklasse 3, erste Haltung, Foto angelegt"));
        QCOMPARE(list.at(2).videoTime, QTime(0, 9, 5));
    }

    // A delivery of several objects: the first inspected pipe is loaded with its own
    // observations, the rest is reported, and the file is not saved over.
    void severalObjects()
    {
        const QByteArray content = readAll(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/isybau2006/delivery.xml"));
        QVERIFY(!content.isEmpty());
        writeFile(path, content);

        Isybau2006 inv;
        QVERIFY(!inv.load(path));
        QVERIFY(inv.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(QStringLiteral("mehr als eine Inspektion")), qPrintable(capture->errors().first()));
        QCOMPARE(inv.mainData().sectionName, QStringLiteral("10001"));
        QCOMPARE(inv.mainData().installationType, QStringLiteral("1"));
        QCOMPARE(inv.mainData().startNode, QStringLiteral("S10"));
        QCOMPARE(inv.mainData().material, QStringLiteral("STZ"));
        QCOMPARE(inv.mainData().orderNumber, QStringLiteral("240017"));
        // The end frame of the film that shows this pipe.
        QCOMPARE(inv.mainData().filmEndFrame, 13625);
        QCOMPARE(inv.observations().size(), 3);
        for (const ObservationRecord &o : inv.observations())
            QVERIFY2(o.remark.startsWith(QStringLiteral("erste")), qPrintable(o.remark));

        capture->clear();
        QVERIFY(!inv.save());
        QCOMPARE(capture->errors().size(), 1);
        QCOMPARE(readAll(path), content);
    }

    void manholeOnly()
    {
        const QByteArray content = readAll(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/isybau2006/manhole.xml"));
        writeFile(path, content);
        Isybau2006 inv;
        QVERIFY(!inv.load(path));
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(QStringLiteral("keine Inspektion einer Rohrleitung")), qPrintable(capture->errors().first()));
        QVERIFY(inv.observations().isEmpty());
        QVERIFY(!inv.save());
        QCOMPARE(readAll(path), content);
    }

    // The file numbers continuous defects from 1, as the dialog shows them ("Nr. 1"); files of
    // earlier versions of this program counted from 0, which a 0 among the numbers gives away.
    void continuousDefectNumbers_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QVector<int>>("numbers");
        const auto record = [](const char *marker, const char *number) {
            QByteArray r = QByteArray("<RZustand><Station>1.0</Station><Frame>0</Frame><InspektionsKode>BAB</InspektionsKode>")
                           + "<Streckenschaden>" + marker + "</Streckenschaden>";
            if (number)
                r += QByteArray("<StreckenschadenLfdNr>") + number + "</StreckenschadenLfdNr>";
            return r + "</RZustand>";
        };
        QTest::newRow("from 1") << record("A", "1") + record("A", "2") + record("B", "1") + record("B", "2")
                                << QVector<int>{0, 1, 0, 1};
        QTest::newRow("from 0, earlier versions") << record("A", "0") + record("A", "1") + record("B", "0")
                                                  << QVector<int>{0, 1, 0};
        QTest::newRow("pipe length without number") << record("R", nullptr) + record("A", "3") << QVector<int>{0, 2};
    }
    void continuousDefectNumbers()
    {
        QFETCH(QByteArray, records);
        QFETCH(QVector<int>, numbers);
        writeFile(path, isybauFile(records));
        Isybau2006 inv;
        QVERIFY(inv.load(path));
        QVector<int> read;
        for (const ObservationRecord &o : inv.observations())
            read << o.continuousDefectNumber;
        QCOMPARE(read, numbers);
        // Written back from 1.
        QVERIFY(inv.save());
        const QByteArray written = readAll(path);
        QVERIFY(!written.contains("<StreckenschadenLfdNr>0<"));
        QVERIFY(written.contains("<StreckenschadenLfdNr>" + QByteArray::number(numbers.last() + 1) + "<"));
    }

    void brokenFilesAreReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray record = "<RZustand><Station>1.0</Station>";
        // Missing, empty, truncated files and files of other kinds, numbers beyond their range and
        // names leading out of the folder: see the format contract suite.
        QTest::newRow("no object") << QByteArray("<Identifikation><Version>2006-10</Version></Identifikation>") << "keine inspizierte Anlage";
        QTest::newRow("height") << isybauFile("", "<Profilhoehe>zwölf</Profilhoehe>") << "zwölf";
        QTest::newRow("length") << isybauFile("", "<Regeleinzelrohrlaenge>2,5</Regeleinzelrohrlaenge>") << "2,5";
        QTest::newRow("date") << isybauFile("", "", "<Inspektionsdatum>06.05.2025</Inspektionsdatum>") << "06.05.2025";
        QTest::newRow("time") << isybauFile("", "", "<Uhrzeit>halb zehn</Uhrzeit>") << "halb zehn";
        QTest::newRow("distance") << isybauFile("<RZustand><Station>1,5</Station></RZustand>") << "1,5";
        QTest::newRow("frame") << isybauFile(record + "<Frame>12.5</Frame></RZustand>") << "12.5";
        QTest::newRow("time code") << isybauFile(record + "<Timecode>1:2:3</Timecode></RZustand>") << "1:2:3";
        QTest::newRow("quantification") << isybauFile(record + "<QZustandSanierung>viel</QZustandSanierung></RZustand>") << "viel";
        QTest::newRow("clock") << isybauFile(record + "<PositionVon>drei</PositionVon></RZustand>") << "drei";
        QTest::newRow("joint") << isybauFile(record + "<Verbindung>ja</Verbindung></RZustand>") << "ja";
        QTest::newRow("running number") << isybauFile(record + "<StreckenschadenLfdNr>x</StreckenschadenLfdNr></RZustand>") << "\"x\"";
        QTest::newRow("damage class")
            << isybauFile(record + "<Klassifizierung><Betriebssicherheit><SKBvManu>B</SKBvManu></Betriebssicherheit></Klassifizierung></RZustand>")
            << "\"B\"";
    }
    void brokenFilesAreReported()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const bool exists = !content.isNull();
        if (exists)
            writeFile(path, content);

        Isybau2006 inv;
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

QTEST_MAIN(TestIsybau2006File)
#include "tst_isybau2006file.moc"
