// ISYBAU 2006 files as the program writes them, checked by xmllint against the format's public
// schema (tests/model/reference/isybau-xml-2013-schema): programs that validate exchange files
// must accept them. A header the schema cannot hold is still written, and the save says so.

#include "model/isybau2006.h"
#include "support/testenv.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSchema = QStringLiteral(ZZ_TEST_SOURCE_DIR "/reference/isybau-xml-2013-schema/1302-metadaten.xsd");

ObservationRecord observation(double distance, const QString &code, const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o;
    o.distance = distance;
    o.code = code;
    o.character1 = c1;
    o.character2 = c2;
    return o;
}

// Every header field the file stores, with codes of the format's lists.
InspectionHeader fullHeader()
{
    InspectionHeader h;
    h.sectionName = QStringLiteral("H12 <Nord> & Süd");
    h.installationType = QStringLiteral("1");
    h.street = QStringLiteral("Hauptstraße");
    h.town = QStringLiteral("Musterhausen");
    h.orderNumber = QStringLiteral("4711");
    h.date = QDate(2025, 5, 6);
    h.inspectionMethod = QStringLiteral("0");
    h.inspector = QStringLiteral("K. Meier");
    h.time = QTime(9, 30, 15);
    h.cleaning = QStringLiteral("1");
    h.flowControl = QStringLiteral("2");
    h.videoReference = QStringLiteral("0042");
    h.videoMedium = QStringLiteral("6");
    h.pipeType = QStringLiteral("0");
    h.direction = QStringLiteral("U");
    h.startPosition = QStringLiteral("2");
    h.inspectionLength = 40.126;
    h.inspectionKind = QStringLiteral("2");
    h.startNode = QStringLiteral("S1");
    h.startNodeType = QStringLiteral("0");
    h.endNode = QStringLiteral("S2");
    h.endNodeType = QStringLiteral("2");
    h.profileSource = QStringLiteral("1");
    h.height = 600.9;
    h.width = 400.2;
    h.profile = QStringLiteral("1");
    h.materialSource = QStringLiteral("2");
    h.material = QStringLiteral("STZ");
    h.protection = QStringLiteral("ZMR");
    h.pipeUnitLength = 2.5;
    h.lining = QStringLiteral("6");
    h.sewerKind = QStringLiteral("KS");
    h.client = QStringLiteral("Stadtwerke");
    h.filmEndFrame = 12345;
    return h;
}

// Typical observations: the start node, a crack with class, joint, continuous defect, clock
// range and photo, a lining defect, a failed repair, an abandoned inspection with its reason.
QVector<ObservationRecord> typicalObservations()
{
    QVector<ObservationRecord> list;
    list << observation(0, QStringLiteral("BCD"), QStringLiteral("XP"));
    ObservationRecord o = observation(3.456, QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
    o.videoTime = QTime(0, 1, 2, 500);
    o.quantity1 = 1.234;
    o.joint = 1;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 2;
    o.clockFrom = 3;
    o.clockTo = 9;
    o.photoFile = QStringLiteral("img_1_1.jpg");
    o.remark = QStringLiteral("Riss bis <Muffe> & \"weiter\"");
    o.damageClass = 3;
    list << o;
    o = observation(7.5, QStringLiteral("BAK"), QStringLiteral("D"), QStringLiteral("A"));
    o.quantity1 = 5.4;
    o.clockFrom = 2;
    o.clockTo = 4;
    o.damageClass = 2;
    list << o;
    o = observation(9.25, QStringLiteral("BAL"), QStringLiteral("G"), QStringLiteral("B"));
    o.quantity1 = 3;
    o.continuousDefect = QStringLiteral("R");
    list << o;
    o = observation(30.1, QStringLiteral("BDC"), QStringLiteral("Z"), QStringLiteral("A"));
    o.photoFile = QStringLiteral("img_1_2.jpg");
    list << o;
    return list;
}

// xmllint's verdict on a file; empty when the file validates.
QString validationErrors(const QString &xmllint, const QString &path)
{
    QProcess process;
    process.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--schema"), kSchema, path});
    if (!process.waitForFinished(60000))
        return QStringLiteral("xmllint did not finish");
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardError());
}

} // namespace

Q_DECLARE_METATYPE(InspectionHeader)
Q_DECLARE_METATYPE(QVector<ObservationRecord>)

class TestIsybau2006Schema : public QObject
{
    Q_OBJECT

private:
    QString xmllint;

private slots:
    void initTestCase()
    {
        xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        QVERIFY2(!xmllint.isEmpty(), "xmllint is missing: install libxml2-utils (scripts/install-deps.sh)");
        QVERIFY(QFile::exists(kSchema));
    }

    void writtenFilesValidate_data()
    {
        QTest::addColumn<InspectionHeader>("header");
        QTest::addColumn<QVector<ObservationRecord>>("observations");
        QTest::addColumn<QString>("video");
        QTest::newRow("full header, typical observations, film") << fullHeader() << typicalObservations()
                                                                  << QStringLiteral("/videos/H12 Film.mpg");
        InspectionHeader h = fullHeader();
        h.lining = QStringLiteral("0");
        h.protection.clear();
        h.street.clear();
        h.date = QDate();
        QTest::newRow("fewer fields, no film") << h << QVector<ObservationRecord>{observation(0, QStringLiteral("BCD"), QStringLiteral("XP"))}
                                               << QString();
        // What the observation dialog offers at its ends: continuous defects "Nr. 1" and
        // "Nr. 99", the largest quantities, a lining quantity that rounds to four digits.
        QVector<ObservationRecord> ends = typicalObservations();
        ends[1].continuousDefectNumber = 0;
        ends[1].quantity1 = 9999.99;
        ends[1].quantity2 = 9999.99;
        ends[2].quantity1 = 9999.0;
        ObservationRecord end = observation(12.5, QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        end.continuousDefect = QStringLiteral("B");
        end.continuousDefectNumber = 98;
        ends.insert(3, end);
        QTest::newRow("ends of the observation fields") << fullHeader() << ends << QString();
    }

    void writtenFilesValidate()
    {
        QFETCH(InspectionHeader, header);
        QFETCH(QVector<ObservationRecord>, observations);
        QFETCH(QString, video);
        QTemporaryDir dir;
        ReporterCapture capture;
        Isybau2006 inv;
        inv.setMainData(header);
        inv.mutableObservations() = observations;
        inv.setVideoFile(video);
        inv.setFolder(dir.path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.schemaProblems().isEmpty());
        QVERIFY(inv.save());
        QVERIFY2(capture.notices().isEmpty(), qPrintable(capture.notices().join(QLatin1Char('\n'))));
        const QString errors = validationErrors(xmllint, dir.filePath(QStringLiteral("H12.xml")));
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
    }

    // Observation values the schema cannot hold are written as they are; the save succeeds,
    // names them, and the schema indeed rejects the file.
    void unholdableObservationIsReported_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("problem");
        QTest::newRow("quantity 10000") << 1 << "quantity1" << 10000.0 << "Quantifizierung1Numerisch = 10000.00";
        QTest::newRow("quantity rounding to 10000") << 1 << "quantity2" << 9999.996 << "Quantifizierung2Numerisch = 10000.00";
        QTest::newRow("continuous defect Nr. 100") << 1 << "number" << 99.0 << "StreckenschadenLfdNr = 100";
        QTest::newRow("station 1000") << 1 << "distance" << 1000.0 << "Station = 1000.00";
        QTest::newRow("lining quantity of five digits") << 2 << "quantity1" << 9999.5 << "QZustandSanierung = 10000";
    }
    void unholdableObservationIsReported()
    {
        QFETCH(int, index);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, problem);
        QVector<ObservationRecord> observations = typicalObservations();
        ObservationRecord &o = observations[index];
        if (field == QLatin1String("quantity1"))
            o.quantity1 = value;
        else if (field == QLatin1String("quantity2"))
            o.quantity2 = value;
        else if (field == QLatin1String("number"))
            o.continuousDefectNumber = int(value);
        else
            o.distance = value;

        QTemporaryDir dir;
        ReporterCapture capture;
        Isybau2006 inv;
        inv.setMainData(fullHeader());
        inv.mutableObservations() = observations;
        inv.setFolder(dir.path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QCOMPARE(inv.schemaProblems().size(), 1);
        QVERIFY2(inv.schemaProblems().first().contains(problem), qPrintable(inv.schemaProblems().first()));
        QVERIFY(inv.save());
        QCOMPARE(capture.errors(), QStringList());
        QCOMPARE(capture.notices().size(), 1);
        QVERIFY2(capture.notices().first().contains(problem), qPrintable(capture.notices().first()));
        QVERIFY(!validationErrors(xmllint, dir.filePath(QStringLiteral("H12.xml"))).isEmpty());
    }

    // Values the schema cannot hold are written as typed; the save succeeds and names them.
    void unholdableHeaderIsReported_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        QTest::newRow("order number with letters") << "orderNumber" << "A-17" << "Die Auftragskennung \"A-17\"";
        QTest::newRow("order number of seven digits") << "orderNumber" << "1234567" << "Die Auftragskennung \"1234567\"";
        QTest::newRow("order number empty") << "orderNumber" << "" << "Die Auftragskennung \"\"";
        QTest::newRow("end node empty") << "endNode" << "" << "Der Endknoten fehlt.";
        QTest::newRow("section name too long") << "sectionName" << QString(31, QLatin1Char('x')) << "Die Haltungsbezeichnung ist länger als 30";
        QTest::newRow("old material code") << "material" << "X" << "Das Material \"X\" ist kein Code";
        QTest::newRow("street too long") << "street" << QString(41, QLatin1Char('s')) << "Der Straßenname ist länger als 40";
        QTest::newRow("inspection length 1000 m") << "inspectionLength" << "1000.00" << "Inspektionslaenge = 1000.00";
    }

    void unholdableHeaderIsReported()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        InspectionHeader h = fullHeader();
        if (field == QLatin1String("orderNumber"))
            h.orderNumber = value;
        else if (field == QLatin1String("endNode"))
            h.endNode = value;
        else if (field == QLatin1String("sectionName"))
            h.sectionName = value;
        else if (field == QLatin1String("street"))
            h.street = value;
        else if (field == QLatin1String("inspectionLength"))
            h.inspectionLength = value.toDouble();
        else
            h.material = value;

        QTemporaryDir dir;
        ReporterCapture capture;
        Isybau2006 inv;
        inv.setMainData(h);
        inv.mutableObservations() = typicalObservations();
        inv.setFolder(dir.path());
        inv.setFileName(QStringLiteral("H12.xml"));
        QVERIFY(inv.save());
        QCOMPARE(capture.errors(), QStringList());
        QCOMPARE(capture.notices().size(), 1);
        QVERIFY2(capture.notices().first().contains(problem), qPrintable(capture.notices().first()));

        // The value is in the file as typed (an empty one is left out), and the schema indeed rejects the file.
        QFile file(dir.filePath(QStringLiteral("H12.xml")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        if (!value.isEmpty())
            QVERIFY(content.contains(QLatin1Char('>') + value + QLatin1Char('<')));
        QVERIFY(!validationErrors(xmllint, file.fileName()).isEmpty());
    }
};

QTEST_MAIN(TestIsybau2006Schema)
#include "tst_isybau2006schema.moc"
