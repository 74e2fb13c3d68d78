#include "model/dwam1492.h"
#include "support/model/observations.h"
#include "support/testenv.h"

#include <QCompleter>
#include <QStringListModel>
#include <QtTest>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

InspectionHeader fullHeader()
{
    InspectionHeader h;
    h.client = QStringLiteral("Stadtwerke");
    h.company = QStringLiteral("Kanal-TV GmbH");
    h.inspector = QStringLiteral("K. Meier");
    h.town = QStringLiteral("Musterhausen");
    h.street = QStringLiteral("Hauptstraße");
    h.sectionName = QStringLiteral("H12");
    h.orderNumber = QStringLiteral("A-17");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.profile = QStringLiteral("EI");
    h.height = 600.4;
    h.width = 400.6;
    h.material = QStringLiteral("STZ");
    h.lining = QStringLiteral("C");
    h.liningMaterial = QStringLiteral("GFK");
    h.sewerKind = QStringLiteral("K");
    h.pipeType = QStringLiteral("R");
    h.videoReference = QStringLiteral("0042");
    h.videoMedium = QStringLiteral("DVD");
    h.startPosition = QStringLiteral("B");
    h.reason = QStringLiteral("V");
    h.cleaning = QStringLiteral("J");
    h.flowControl = QStringLiteral("N");
    h.direction = QStringLiteral("I");
    h.date = QDate(2025, 5, 6);
    h.time = QTime(9, 30, 15);
    h.inspectionLength = 40.0;
    h.pipeUnitLength = 1.5;
    return h;
}

// The lines of a header table with text, blanks run together, as one text.
QString tableText(const ModelUtils::TextTable &table)
{
    QStringList lines;
    for (const QString &line : table.lines()) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    return lines.join(QLatin1Char(' '));
}

} // namespace

class TestDWAM1492 : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        DWAM1492 inv;
        QCOMPARE(inv.normKind(), NormDWAM1492);

        QStringList expected;
        for (const NormCatalogType &type : inv.catalogue())
            for (const NormCatalogSubtype &sub : type.subtypes)
                expected << sub.token;
        QVERIFY(expected.size() > 30);
        QCOMPARE(inv.codes(), expected);
        QVERIFY(inv.completer());
        QCOMPARE(qobject_cast<QStringListModel *>(inv.completer()->model())->stringList(), expected);

        // The catalogue's lists, each in its own option list.
        QCOMPARE(inv.pipeTypeOptions().value(QStringLiteral("R")), QStringLiteral("Regenwasser"));
        QCOMPARE(inv.systemOptions().value(QStringLiteral("K")), QStringLiteral("Geschlossene Freispiegelleitung"));
        QCOMPARE(inv.materialOptions().value(QStringLiteral("STZ")), QStringLiteral("Steinzeug"));
        QCOMPARE(inv.profileOptions().value(QStringLiteral("DN")), QStringLiteral("Kreisförmig, Kreisquerschnitt"));
        QCOMPARE(inv.liningOptions().value(QStringLiteral("C")), QStringLiteral("Schlauchliner"));
        QCOMPARE(inv.reasonOptions().value(QStringLiteral("V")), QStringLiteral("Vor Sanierung"));
        QCOMPARE(inv.startPositionOptions().value(QStringLiteral("A")), QStringLiteral("Schachtmitte"));
        QCOMPARE(inv.videoMediumOptions().value(QStringLiteral("DVD")), QStringLiteral("DVD-Medium"));
        // The fixed lists.
        QCOMPARE(inv.directionOptions(), (OptionMap{{"I", "in Fließrichtung"}, {"G", "gegen Fließrichtung"}}));
        QCOMPARE(inv.cleaningOptions(), (OptionMap{{"J", "gereinigt"}, {"N", "nicht gereinigt"}}));
        QCOMPARE(inv.flowControlOptions(), (OptionMap{{"J", "mit Vorflutsicherung"}, {"N", "ohne Vorflutsicherung"}}));
        // Lists this standard does not have.
        QVERIFY(inv.nodeTypeOptions().isEmpty());
        QVERIFY(inv.protectionOptions().isEmpty());

        // The quantification of BAK and BAL hangs on characterisation 2 in this catalogue.
        int index = -1;
        QVERIFY(inv.findSubtype(QStringLiteral("BAL"), index));
        QVERIFY(inv.hasQuantity1(QStringLiteral("BAL"), index, QStringLiteral("A")));
        QCOMPARE(inv.quantity1Unit(QStringLiteral("BAL"), index, QStringLiteral("A")), QStringLiteral("mm"));
    }

    void description_data()
    {
        QTest::addColumn<ObservationRecord>("o");
        QTest::addColumn<QString>("text");

        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        o.quantity1 = 1.5;
        QTest::newRow("characterisations and unit") << o << "Rissbildung, Riss, in Längsrichtung, 1.50mm";
        o = observation(QStringLiteral("BBA"), QStringLiteral("A"));
        o.quantity1 = 150;
        QTest::newRow("whole number") << o << "Wurzeleinwuchs, Pfahlwurzel, 150%";
        o = observation(QStringLiteral("BCA"), QStringLiteral("A"), QStringLiteral("A"));
        o.quantity1 = 150;
        o.quantity2 = 100.5;
        o.clockFrom = 2;
        QTest::newRow("two quantifications, one position") << o << "Anschluss, Abzweig (Formstück), offen, 150mm, 100.50mm, bei 2Uhr";

        o = observation(QStringLiteral("BAB"), QStringLiteral("A"), QStringLiteral("B"));
        o.clockFrom = 3;
        o.clockTo = 9;
        QTest::newRow("clock range") << o << "Rissbildung, Oberflächenriss (Haarriss), am Rohrumfang, von 3 bis 9Uhr";
        o.clockFrom = 0;
        o.clockTo = 5;
        QTest::newRow("second position alone") << o << "Rissbildung, Oberflächenriss (Haarriss), am Rohrumfang";

        for (const auto &row : {qMakePair(1, QStringLiteral("C")), qMakePair(3, QStringLiteral("B")), qMakePair(5, QStringLiteral("A"))}) {
            o = observation(QStringLiteral("BAN"));
            o.damageClass = row.first;
            QTest::newRow(qPrintable(QStringLiteral("damage class %1").arg(row.first)))
                << o << QStringLiteral("Poröses Rohr, Schadensklasse %1").arg(row.second);
        }
        for (const int damageClass : {2, 4, 6, -1}) {
            o = observation(QStringLiteral("BAN"));
            o.damageClass = damageClass;
            QTest::newRow(qPrintable(QStringLiteral("damage class %1").arg(damageClass))) << o << "Poröses Rohr";
        }

        o = observation(QStringLiteral("BAJ"), QStringLiteral("B"));
        o.joint = 1;
        o.damageClass = 3;
        o.continuousDefect = QStringLiteral("A");
        o.remark = QStringLiteral("siehe Foto");
        o.photoFile = QStringLiteral("img_1_1.jpg");
        QTest::newRow("joint, class, begin, remark, photo")
            << o
            << "Verschobene Rohrverbindung, Rohrverbindung radial versetzt, 0mm, Schaden tritt an der Rohrverbindung auf, Schadensklasse B, "
               "Streckenschaden Nr. 1 Anfang, siehe Foto, Foto angelegt";
        o = observation(QStringLiteral("BDF"), QStringLiteral("A"));
        o.continuousDefect = QStringLiteral("B");
        o.continuousDefectNumber = 2;
        QTest::newRow("end") << o << "Atmosphäre in der Leitung, Sauerstoffmangel, 0%, Streckenschaden Nr. 3 Ende";
        o.continuousDefect = QStringLiteral("R");
        QTest::newRow("over one pipe") << o << "Atmosphäre in der Leitung, Sauerstoffmangel, 0%, Schaden über die Baulänge eines Rohres";
        o = observation(QStringLiteral("BDA"));
        o.photoFile = QStringLiteral("img_1_2.jpg");
        QTest::newRow("general photo has no note") << o << "Allgemeines Foto";

        // No code check: an unknown code still gets its clock position and remark.
        o = observation(QStringLiteral("ZZA"));
        o.clockFrom = 3;
        o.remark = QStringLiteral("x");
        QTest::newRow("unknown type") << o << ", bei 3Uhr, x";
        o.code.clear();
        QTest::newRow("no code") << o << ", bei 3Uhr, x";
    }
    void description()
    {
        QFETCH(ObservationRecord, o);
        DWAM1492 inv;
        QTEST(inv.observationDescription(o), "text");
    }

    void startNode()
    {
        DWAM1492 inv;
        inv.mutableObservations() << observation(QStringLiteral("BAB"), QStringLiteral("A"));
        QCOMPARE(inv.addStartNode(QTime(0, 0, 7)), QStringLiteral("BCDXP Anfangsknoten, Rohranfang"));
        QCOMPARE(inv.observations().size(), 2);
        const ObservationRecord start = inv.observations().first();
        QCOMPARE(start.code, QStringLiteral("BCD"));
        QCOMPARE(start.character1, QStringLiteral("XP"));
        QCOMPARE(start.distance, 0.0);
        QCOMPARE(start.videoTime, QTime(0, 0, 7));
    }

    void systemText_data()
    {
        QTest::addColumn<QString>("pipeType");
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<int>("kind");
        QTest::newRow("storm") << "R" << "" << 1;
        QTest::newRow("foul") << "S" << "" << 2;
        QTest::newRow("combined") << "M" << "" << 3;
        QTest::newRow("other use") << "Z" << "" << 0;
        QTest::newRow("unknown code") << "Q" << "" << 0;
        // The class comes from the use, never from the sewer kind.
        QTest::newRow("sewer kind only") << "" << "K" << 0;
    }
    void systemText()
    {
        QFETCH(QString, pipeType);
        QFETCH(QString, sewerKind);
        DWAM1492 inv;
        InspectionHeader h = fullHeader();
        h.pipeType = pipeType;
        h.sewerKind = sewerKind;
        inv.setMainData(h);
        QTEST(inv.systemText(), "kind");
        QTEST(inv.inspectionPrintJob().first().flowColorKind, "kind");
    }

    void headerTable()
    {
        DWAM1492 inv;
        inv.setMainData(fullHeader());
        QCOMPARE(tableText(inv.mainDataTable()),
                 QStringLiteral("Kennung: A-17 Firma: Kanal-TV GmbH Operator: K. Meier Kunde: Stadtwerke Ort: Musterhausen "
                                "Straße: Hauptstraße Datum: 06.05.2025 Uhrzeit: 09:30 "
                                "Untersuchungsgrund: Vor Sanierung Reinigung: gereinigt Wasserhaltung: ohne Vorflutsicherung "
                                "Richtung: in Fließrichtung Startpunkt: Rohranfang (Innenkante Schacht) "
                                "Haltung: H12 Knoten oben: S1 Knoten unten: S2 Profil Art: Eiförmig, Eiquerschnitt Höhe: 600.40 Breite: 400.60 "
                                "Material: Steinzeug Auskleidung: Schlauchliner Material: Glasfaserverstärkter Kunststoff "
                                "Kanalart: Geschlossene Freispiegelleitung Regenwasser Videoreferenz: 0042 Speichermedium: DVD-Medium"));
        QCOMPARE(inv.mainDataTable().tableCount(), 8);

        // A circular profile has one diameter; a code merely beginning with "DN" has both.
        InspectionHeader h = fullHeader();
        h.profile = QStringLiteral("DN");
        h.lining.clear();
        inv.setMainData(h);
        QString text = tableText(inv.mainDataTable());
        QVERIFY2(text.contains(QStringLiteral("Profil Art: Kreisförmig, Kreisquerschnitt Durchmesser: 600.40 Material: Steinzeug Kanalart:")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Auskleidung")));
        QCOMPARE(inv.mainDataTable().tableCount(), 7);
        h.profile = QStringLiteral("DN300");
        inv.setMainData(h);
        text = tableText(inv.mainDataTable());
        QVERIFY2(text.contains(QStringLiteral("Profil Art: Höhe: 600.40 Breite: 400.60")), qPrintable(text));
    }

    void headerLists()
    {
        DWAM1492 inv;
        inv.setMainData(fullHeader());
        ObservationRecord far = observation(QStringLiteral("BCE"), QStringLiteral("XP"));
        far.distance = 42.5;
        inv.mutableObservations() << far;
        QCOMPARE(inv.mainDataList(),
                 (QStringList{"DWA_M149_2", "06.05.2025", "K. Meier", "Stadtwerke", "Musterhausen", "Hauptstraße", "S1", "S2", "Steinzeug",
                              "Eiförmig, Eiquerschnitt", "401mm", "600mm", "Geschlossene Freispiegelleitung, Regenwasser", "in Fließrichtung", "0042", "42.50m", ""}));
        QCOMPARE(inv.mainDataListFull(),
                 (QStringList{"DWA_M149_2", "06.05.2025", "09:30", "A-17", "Kanal-TV GmbH", "K. Meier", "Stadtwerke", "Musterhausen",
                              "Hauptstraße", "S1", "S2", "in Fließrichtung", "Geschlossene Freispiegelleitung", "Regenwasser", "Vor Sanierung", "gereinigt",
                              "ohne Vorflutsicherung", "Steinzeug", "Eiförmig, Eiquerschnitt", "401mm", "600mm", "0042", "DVD-Medium",
                              "Rohranfang (Innenkante Schacht)", "Schlauchliner", "Glasfaserverstärkter Kunststoff", "42.50m", "1.50m"}));

        // Missing values and codes not in their lists.
        InspectionHeader h = fullHeader();
        h.lining.clear();
        h.liningMaterial.clear();
        h.pipeUnitLength = 0.005;
        h.material = QStringLiteral("QQ");
        h.pipeType.clear();
        inv.setMainData(h);
        const QStringList full = inv.mainDataListFull();
        QCOMPARE(full.mid(24), (QStringList{"keine Angabe", "keine Angabe", "42.50m", "keine Angabe"}));
        QCOMPARE(full.at(17), QString());
        QCOMPARE(inv.mainDataList().at(8), QString());
        QCOMPARE(inv.mainDataList().at(12), QStringLiteral("Geschlossene Freispiegelleitung"));
    }

    void summaryRowAndJobs()
    {
        DWAM1492 inv;
        InspectionHeader h = fullHeader();
        inv.setMainData(h);
        ObservationRecord before = observation(QStringLiteral("BBA"), QStringLiteral("A"));
        before.distance = -1.5;
        inv.mutableObservations() << before;
        TocEntry entry = inv.summaryRow();
        QCOMPARE(entry.kind, 1);
        QCOMPARE(entry.material, QStringLiteral("Steinzeug"));
        QCOMPARE(entry.sewerText, QStringLiteral("Geschlossene Freispiegelleitung, Regenwasser"));
        QCOMPARE(entry.sectionName, QStringLiteral("H12"));
        QCOMPARE(entry.lengthText, QStringLiteral("41.50"));
        QCOMPARE(entry.color, QColor(0, 0, 0));
        inv.mutableObservations() << observation(QStringLiteral("BAB"), QStringLiteral("A"));
        QCOMPARE(inv.summaryRow().color, QColor(200, 0, 0));
        // The stored length stays as it was; only what is shown is stretched.
        QCOMPARE(inv.mainData().inspectionLength, 40.0);

        const QVector<PrintJob> jobs = inv.printJobs();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs.at(0).type, QStringLiteral("inspectionPages"));
        QCOMPARE(jobs.at(0).section, 0);
        QCOMPARE(jobs.at(0).length, 41.5);
        QCOMPARE(jobs.at(0).shortHeader.first(), QStringLiteral("DWA_M149_2"));
        QCOMPARE(jobs.at(1).type, QStringLiteral("fotoPages"));
        QCOMPARE(jobs.at(1).section, 0);

        for (const QString &direction : {QStringLiteral("G"), QString(), QStringLiteral("A")}) {
            h.direction = direction;
            inv.setMainData(h);
            QCOMPARE(inv.inspectionPrintJob().first().section, 1);
            QCOMPARE(inv.photoPrintJob().first().section, 1);
        }
    }

    void distanceText_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimetres") << 12.3 << "12.3";
        QTest::newRow("whole") << 12.0 << "12.0";
        QTest::newRow("centimetres") << 12.34 << "12.34";
        QTest::newRow("below a centimetre") << 12.301 << "12.3";
        QTest::newRow("rounded up") << 0.999 << "1.0";
        QTest::newRow("negative") << -1.25 << "-1.25";
        QTest::newRow("zero") << 0.0 << "0.0";
    }
    void distanceText()
    {
        QFETCH(double, distance);
        QTEST(DWAM1492::distanceText(distance), "text");
    }
};

QTEST_MAIN(TestDWAM1492)
#include "tst_dwam1492.moc"
