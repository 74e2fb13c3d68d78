#include "model/dandas.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QXmlStreamReader>
#include <QtTest>

Q_DECLARE_METATYPE(ObservationRecord)

using namespace TestFiles;

namespace {

const QString kFixtures = QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/dandas/");

ObservationRecord observation(const QString &code, const QString &character1 = QString(), int damageClass = 0)
{
    ObservationRecord o;
    o.code = code;
    o.character1 = character1;
    o.damageClass = damageClass;
    return o;
}

// The element names below a parent, in file order.
QStringList childNames(const QByteArray &xml, const QString &parent, int occurrence = 0)
{
    QXmlStreamReader reader(xml);
    int seen = -1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == parent && ++seen == occurrence) {
            QStringList names;
            while (reader.readNextStartElement()) {
                names << reader.name().toString();
                reader.skipCurrentElement();
            }
            return names;
        }
    }
    return {};
}

InspectionHeader fullHeader()
{
    InspectionHeader h;
    h.sectionName = QStringLiteral("Ledning 17");
    h.startNode = QStringLiteral("B1201");
    h.startNodeType = QStringLiteral("B");
    h.endNode = QStringLiteral("B1202");
    h.endNodeType = QStringLiteral("C");
    h.town = QStringLiteral("Ølstykke");
    h.street = QStringLiteral("Søndergade");
    h.direction = QStringLiteral("B");
    h.client = QStringLiteral("Forsyning Øst");
    h.profile = QStringLiteral("B");
    h.height = 300;
    h.width = 450;
    h.date = QDate(2024, 5, 21);
    h.reason = QStringLiteral("Rutineinspektion");
    h.material = QStringLiteral("B");
    h.cleaning = QStringLiteral("A");
    h.inspector = QStringLiteral("Søren Åberg");
    h.sewerKind = QStringLiteral("C");
    h.videoReference = QStringLiteral("17");
    h.videoMedium = QStringLiteral("DVD");
    h.pipeType = QStringLiteral("B");
    h.inspectionKind = QStringLiteral("A");
    h.weather = QStringLiteral("A");
    return h;
}

} // namespace

class TestDanDas : public QObject
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
        folder = env->root() + QStringLiteral("/L17/");
        QDir().mkpath(folder);
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void catalogue()
    {
        DanDas d;
        QCOMPARE(d.normKind(), NormDanDas);
        QCOMPARE(d.catalog().keys(), (QStringList{"A", "B", "C", "D"}));
        QCOMPARE(d.catalog().value("C").text, QStringLiteral("Konstruktion koder"));
        // Types in token order, entries in file order.
        QCOMPARE(d.codes(), (QStringList{"RB", "OB", "PF", "DE", "FS", "IS", "RØ", "IN", "AF", "BE", "FO",
                                         "GR", "PH", "PB", "OS", "OP", "OK", "VA"}));
        QVERIFY(d.completer());
        QCOMPARE(d.nodeTypeOptions().size(), 10);
        QCOMPARE(d.nodeTypeOptions().value("J"), QStringLiteral("Andet"));
        QCOMPARE(d.directionOptions().value("A"), QStringLiteral("Modstrøm"));
        QCOMPARE(d.profileOptions().value("A"), QStringLiteral("ø"));
        QCOMPARE(d.materialOptions().value("E"), QStringLiteral("Glaseret ler"));
        QCOMPARE(d.systemOptions().value("C"), QStringLiteral("Fælles"));
        QCOMPARE(d.cleaningOptions().value("B"), QStringLiteral("Nej"));
        QCOMPARE(d.pipeTypeOptions().value("D"), QStringLiteral("Midlertidigt afproppet under TV-inspektion"));
        QCOMPARE(d.inspectionKindOptions().value("C"), QStringLiteral("Manuel inspektion med håndholdt kamera"));
        QCOMPARE(d.weatherOptions().value("C"), QStringLiteral("Snevejr"));
        QCOMPARE(d.entry("PB").characters.value("U").second,
                 QStringLiteral("Påboring placeret under hovedledningens vandrette centerlinie"));
    }

    void lookups()
    {
        DanDas d;
        QCOMPARE(d.characterTexts("FS"), (QStringList{"Forskudt samling", "Retningsændring i samling", "Åben samling"}));
        QCOMPARE(d.characterTokens("IS"), (QStringList{"A", "G", "Å"}));
        QCOMPARE(d.characterToken("IS", "Samlingsmateriale er en gummiring"), QStringLiteral("Å"));
        QCOMPARE(d.characterToken("RB", "no such text"), QStringLiteral("A"));
        QCOMPARE(d.characterToken("OB", "no such text"), QString());
        QCOMPARE(d.classValues("RB"), (QStringList{"1", "2", "3"}));
        QCOMPARE(d.classValues("GR"), QStringList{"0"});
        QCOMPARE(d.classValues("OK"), (QStringList{"0", "1", "2", "3"}));
        QCOMPARE(d.classValues("VA"), QStringList());
        QCOMPARE(d.quantityUnit("VA"), QStringLiteral("%"));
        QCOMPARE(d.quantityUnit("RB"), QString());
        // Codes without an entry give empty answers.
        QCOMPARE(d.characterTexts("XX"), QStringList());
        QCOMPARE(d.classValues("XX"), QStringList());
        QCOMPARE(d.entry("XX").classMin, -1);

        for (const char *code : {"VA", "OB", "SI", "EI", "CO"})
            QVERIFY2(!d.hasCharacter(code), code);
        QVERIFY(d.hasCharacter("RB"));
        for (const char *code : {"VA", "SI", "EI", "CO"})
            QVERIFY2(!d.hasClass(code), code);
        QVERIFY(d.hasClass("OB"));
        QVERIFY(d.hasQuantity("VA"));
        QVERIFY(!d.hasQuantity("RB"));
    }

    void descriptions_data()
    {
        QTest::addColumn<ObservationRecord>("observation");
        QTest::addColumn<QString>("text");
        ObservationRecord water = observation("VA");
        water.quantity1 = 35;
        QTest::newRow("water with its unit, no class") << water << QStringLiteral("Vand, 35.00%");
        QTest::newRow("characterisation and class")
            << observation("RB", "L", 2) << QStringLiteral("Revner/brud, Langsgående, observation klasse 2");
        ObservationRecord surface = observation("OB", QString(), 1);
        surface.remark = QStringLiteral("ved muffe");
        surface.photoFile = QStringLiteral("img_000100_1.jpg");
        QTest::newRow("no characterisation, remark and photo")
            << surface << QStringLiteral("Overfladebeskadigelse, observation klasse 1, ved muffe, foto taget");
        QTest::newRow("unknown characterisation")
            << observation("FS", "X", 3) << QStringLiteral("Forskudt samling, , observation klasse 3");
        QTest::newRow("special code without entry") << observation("SI") << QString();
        QTest::newRow("unknown code") << observation("ZZ") << QStringLiteral(", , observation klasse 0");
    }
    void descriptions()
    {
        QFETCH(ObservationRecord, observation);
        QFETCH(QString, text);
        DanDas d;
        QCOMPARE(d.observationDescription(observation), text);
    }

    void headerListsAndTables()
    {
        DanDas d;
        d.setMainData(fullHeader());
        ObservationRecord far = observation("VA");
        far.distance = 31.5;
        d.mutableObservations() << far;
        QCOMPARE(d.mainDataList(),
                 (QStringList{"DANDAS", "21.05.2024", "Søren Åberg", "Forsyning Øst", "Ølstykke", "Søndergade", "B1201",
                              "B1202", "Beton", "v", "450mm", "300mm", "Fælles", "Medstrøm", "17", "31.50m", ""}));
        QCOMPARE(d.mainDataListFull(),
                 (QStringList{"DANDAS", "21.05.2024", "Søren Åberg", "Forsyning Øst", "Ølstykke", "Søndergade", "B1201",
                              "Brønd", "B1202", "Bygværk", "Medstrøm", "Fælles", "I brug", "Rutineinspektion", "Ja",
                              "Beton", "v", "450mm", "300mm", "17", "DVD", "Drejbart kamera", "Tørvejr", "31.50m"}));
        QCOMPARE(d.systemText(), 3);
        const TocEntry toc = d.summaryRow();
        QCOMPARE(toc.kind, 1);
        QCOMPARE(toc.material, QStringLiteral("Beton"));
        QCOMPARE(toc.sewerText, QStringLiteral("Fælles"));
        QCOMPARE(toc.color, QColor(0, 0, 0));

        const QString lines = d.mainDataTable().lines().join('\n');
        for (const char *label : {"Operatør:", "Kunden:", "Dato:", "Inspektionretning:", "Slut Punkt:", "Højde:",
                                     "Bredde:", "Materiale:", "I Brug:", "Medie-ID:"})
            QVERIFY2(lines.contains(QString::fromUtf8(label)), label);
        QVERIFY(lines.contains(QStringLiteral("2024-05-21")));
        QVERIFY(!lines.contains(QStringLiteral("Diameter:")));

        InspectionHeader round = fullHeader();
        round.profile = QStringLiteral("A");
        d.setMainData(round);
        QVERIFY(d.mainDataTable().lines().join('\n').contains(QStringLiteral("Diameter:")));
        // The jobs run against the flow when the direction is not "A".
        QCOMPARE(d.inspectionPrintJob().value(0).section, 1);
        round.direction = QStringLiteral("A");
        d.setMainData(round);
        QCOMPARE(d.photoPrintJob().value(0).section, 0);
        QCOMPARE(d.addStartNode(QTime(0, 0, 1)), QString());
        QCOMPARE(d.observations().size(), 1);
    }

    void systemClasses_data()
    {
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<int>("expected");
        QTest::newRow("rain") << "B" << 1;
        QTest::newRow("foul") << "A" << 2;
        QTest::newRow("combined") << "C" << 3;
        QTest::newRow("drain") << "D" << 0;
        QTest::newRow("unknown") << "Q" << 0;
    }
    void systemClasses()
    {
        QFETCH(QString, sewerKind);
        QFETCH(int, expected);
        DanDas d;
        InspectionHeader h;
        h.sewerKind = sewerKind;
        d.setMainData(h);
        QCOMPARE(d.systemText(), expected);
    }

    // Saved again unchanged, the fixture is the same byte for byte: see the format contract suite.
    void fixtureLoadsExactly()
    {
        const QByteArray original = readAll(kFixtures + QStringLiteral("inspection.xml"));
        QVERIFY(!original.isEmpty());
        writeFile(folder + QStringLiteral("L17.xml"), original);
        writeFile(folder + QStringLiteral("L17.dat"), readAll(kFixtures + QStringLiteral("inspection.dat")));

        DanDas d;
        QVERIFY(d.load(folder + QStringLiteral("L17.xml")));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(capture->notices().isEmpty());
        const InspectionHeader h = d.mainData();
        const InspectionHeader e = fullHeader();
        QCOMPARE(h.sectionName, e.sectionName);
        QCOMPARE(h.startNode, e.startNode);
        QCOMPARE(h.startNodeType, e.startNodeType);
        QCOMPARE(h.endNode, e.endNode);
        QCOMPARE(h.endNodeType, e.endNodeType);
        QCOMPARE(h.town, e.town);
        QCOMPARE(h.street, e.street);
        QCOMPARE(h.direction, e.direction);
        QCOMPARE(h.client, e.client);
        QCOMPARE(h.profile, e.profile);
        QCOMPARE(h.height, 300.0);
        QCOMPARE(h.width, 450.0);
        QCOMPARE(h.date, e.date);
        QCOMPARE(h.reason, e.reason);
        QCOMPARE(h.material, e.material);
        QCOMPARE(h.cleaning, e.cleaning);
        QCOMPARE(h.inspector, e.inspector);
        QCOMPARE(h.sewerKind, e.sewerKind);
        QCOMPARE(h.videoReference, e.videoReference);
        QCOMPARE(h.videoMedium, e.videoMedium);
        QCOMPARE(h.pipeType, e.pipeType);
        QCOMPARE(h.inspectionKind, e.inspectionKind);
        QCOMPARE(h.weather, e.weather);

        const QVector<ObservationRecord> obs = d.observations();
        QCOMPARE(obs.size(), 3);
        QCOMPARE(obs.at(0).code, QStringLiteral("RB"));
        QCOMPARE(obs.at(0).videoTime, QTime(0, 1, 30));
        QCOMPARE(obs.at(0).distance, 4.25);
        QCOMPARE(obs.at(0).character1, QStringLiteral("L"));
        QCOMPARE(obs.at(0).damageClass, 2);
        QCOMPARE(obs.at(0).remark, QStringLiteral("Revne i top"));
        QCOMPARE(obs.at(0).photoFile, QStringLiteral("img_000130_1.jpg"));
        QCOMPARE(obs.at(1).quantity1, 35.0);
        QCOMPARE(obs.at(1).damageClass, 0);
        QCOMPARE(obs.at(1).character1, QString());
        QCOMPARE(obs.at(2).character1, QStringLiteral("Å"));
        QCOMPARE(obs.at(2).distance, 20.1);
    }

    void writerOmitsEmptyTextsAndNegativeClasses()
    {
        DanDas d;
        d.setFolder(folder);
        d.setFileName(QStringLiteral("L17.xml"));
        InspectionHeader h = fullHeader();
        h.weather.clear();
        h.street = QStringLiteral("   ");
        h.date = QDate();
        d.setMainData(h);
        ObservationRecord zero = observation("OB", QString(), 0);
        zero.distance = 1;
        ObservationRecord negative = observation("VA", QString(), -1);
        negative.distance = 2;
        negative.remark = QStringLiteral("  ");
        d.mutableObservations() << zero << negative;
        QVERIFY(d.save());

        const QByteArray xml = readAll(folder + QStringLiteral("L17.xml"));
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"));
        QCOMPARE(childNames(xml, "DATA"), (QStringList{"DZA", "DZB", "DZC", "DZC"}));
        QCOMPARE(childNames(xml, "DZB"),
                 (QStringList{"AAA", "AAB", "AAC", "AAD", "AAE", "AAF", "AAH", "AAI", "AAJ", "AAK", "AAL", "AAN",
                              "AAO", "AAP", "AAQ", "AAR", "AAS", "AAT", "AAU", "AAV"}));
        QCOMPARE(childNames(xml, "DZC", 0), (QStringList{"A", "B", "C", "D", "E"}));
        QCOMPARE(childNames(xml, "DZC", 1), (QStringList{"A", "B", "C", "D"}));
        QVERIFY(xml.contains("<E>0</E>"));

        // Without "AAW" the header reader runs to the end and every observation is still read.
        DanDas in;
        QVERIFY(in.load(folder + QStringLiteral("L17.xml")));
        QCOMPARE(in.observations().size(), 2);
        QCOMPARE(in.observations().at(1).code, QStringLiteral("VA"));
        QCOMPARE(in.mainData().sectionName, h.sectionName);
        // A file without a date shows the date of reading.
        QCOMPARE(in.mainData().date, QDate::currentDate());
    }

    void circularProfileHasOneDimension()
    {
        DanDas d;
        d.setFolder(folder);
        d.setFileName(QStringLiteral("L17.xml"));
        InspectionHeader h = fullHeader();
        h.profile = QStringLiteral("A");
        h.height = 250;
        h.width = 0;
        d.setMainData(h);
        QVERIFY(d.save());
        DanDas in;
        QVERIFY(in.load(folder + QStringLiteral("L17.xml")));
        QCOMPARE(in.mainData().width, 250.0);
    }

    void compactFileAndForeignElements()
    {
        writeFile(folder + QStringLiteral("L17.xml"),
                  "<DATA><DZA><A2>da</A2></DZA><DZB><AAA>L<i>1</i>7</AAA><X><AAB>nested</AAB></X><AAB>B1</AAB>"
                  "<AAK>200</AAK></DZB><DZC><A>RB</A><Z><A>no</A></Z><C>1.5</C></DZC><DZC><A>VA</A><D>10</D></DZC></DATA>");
        DanDas d;
        QVERIFY(d.load(folder + QStringLiteral("L17.xml")));
        QVERIFY(capture->errors().isEmpty());
        QCOMPARE(d.mainData().sectionName, QStringLiteral("L17"));
        QCOMPARE(d.mainData().height, 200.0);
        QCOMPARE(d.observations().size(), 2);
        QCOMPARE(d.observations().at(0).code, QStringLiteral("RB"));
        QCOMPARE(d.observations().at(0).distance, 1.5);
        QCOMPARE(d.observations().at(1).quantity1, 10.0);
    }

    void malformedFilesLoadWhatTheyCanAndSaySo_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("observations");
        QTest::addColumn<QString>("reported");
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DATA><DZB><AAA>L17</AAA>";
        QTest::newRow("bad numbers")
            << head + "<AAK>dreihundert</AAK></DZB><DZC><A>RB</A><C>4,5</C><E>x</E></DZC><DZC><A>OB</A><C>5</C></DZC></DATA>"
            << 2 << QStringLiteral("\"dreihundert\" ist keine Zahl");
        QTest::newRow("bad date and time")
            << head + "<AAM>21.05.2024</AAM></DZB><DZC><A>RB</A><B>1:30</B></DZC></DATA>" << 1
            << QStringLiteral("\"21.05.2024\" ist kein Datum");
        QTest::newRow("wrong encoding")
            << head + "</DZB><DZC><A>RB</A></DZC><DZC><A>OB</A><G>S\xf8ndergade</G></DZC><DZC><A>FS</A></DZC></DATA>" << 3
            << QStringLiteral("kein gültiges UTF-8");
        QTest::newRow("a second section")
            << head + "</DZB><DZC><A>RB</A></DZC><DZB><AAA>L18</AAA></DZB><DZC><A>OB</A></DZC></DATA>" << 1
            << QStringLiteral("weitere Haltungen");
        // Files cut off, numbers beyond their range and names leading out of the folder: see the
        // format contract suite.
    }
    void malformedFilesLoadWhatTheyCanAndSaySo()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, observations);
        QFETCH(QString, reported);
        const QString path = folder + QStringLiteral("L17.xml");
        writeFile(path, content);
        DanDas d;
        QVERIFY(!d.load(path));
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(reported), qPrintable(capture->errors().first()));
        QCOMPARE(d.mainData().sectionName, QStringLiteral("L17"));
        QCOMPARE(d.observations().size(), observations);
        QCOMPARE(d.observations().first().code, QStringLiteral("RB"));
        if (observations == 3)
            QCOMPARE(d.observations().at(1).remark, QStringLiteral("Søndergade"));
        for (const ObservationRecord &o : d.observations())
            QVERIFY(!o.photoFile.contains(QLatin1Char('/')));
        // What was read is not written over the file.
        QVERIFY(!d.save());
        QCOMPARE(readAll(path), content);
    }

    void unknownCodesAreKeptAndNamed()
    {
        const QString path = folder + QStringLiteral("L17.xml");
        writeFile(path, "<DATA><DZB><AAA>L17</AAA></DZB><DZC><A>QQ</A><F>Z</F></DZC><DZC><A>SI</A></DZC>"
                        "<DZC><A>RB</A></DZC></DATA>");
        DanDas d;
        QVERIFY(d.load(path));
        QVERIFY(capture->errors().isEmpty());
        QCOMPARE(capture->notices().size(), 1);
        QVERIFY(capture->notices().first().contains(QStringLiteral(": QQ")));
        QCOMPARE(d.observations().size(), 3);
        QVERIFY(d.save());
        DanDas again;
        QVERIFY(again.load(path));
        QCOMPARE(again.observations().first().code, QStringLiteral("QQ"));
        QCOMPARE(again.observations().first().character1, QStringLiteral("Z"));
    }

private:
    QScopedPointer<TestEnvironment> env;
    QScopedPointer<ReporterCapture> capture;
    QString folder;
};

QTEST_MAIN(TestDanDas)
#include "tst_dandas.moc"
