#include "model/isybau2006.h"
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
    h.startNodeType = QStringLiteral("0");
    h.endNode = QStringLiteral("S2");
    h.endNodeType = QStringLiteral("2");
    h.profile = QStringLiteral("1");
    h.profileSource = QStringLiteral("3");
    h.height = 600.4;
    h.width = 400.6;
    h.material = QStringLiteral("B");
    h.materialSource = QStringLiteral("1");
    h.protection = QStringLiteral("ZMR");
    h.lining = QStringLiteral("3");
    h.sewerKind = QStringLiteral("KR");
    h.pipeType = QStringLiteral("0");
    h.installationType = QStringLiteral("2");
    h.inspectionMethod = QStringLiteral("1");
    h.inspectionKind = QStringLiteral("2");
    h.videoReference = QStringLiteral("0042");
    h.videoMedium = QStringLiteral("6");
    h.startPosition = QStringLiteral("2");
    h.cleaning = QStringLiteral("1");
    h.flowControl = QStringLiteral("2");
    h.direction = QStringLiteral("O");
    h.date = QDate(2025, 5, 6);
    h.time = QTime(9, 30, 15);
    h.inspectionLength = 40.0;
    h.pipeUnitLength = 2.0;
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

class TestIsybau2006 : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        Isybau2006 inv;
        QCOMPARE(inv.normKind(), NormIsybau2006);

        QStringList expected;
        for (const NormCatalogType &type : inv.catalogue())
            for (const NormCatalogSubtype &sub : type.subtypes)
                expected << sub.token;
        QVERIFY(expected.size() > 30);
        QCOMPARE(inv.codes(), expected);
        QVERIFY(inv.completer());
        QCOMPARE(qobject_cast<QStringListModel *>(inv.completer()->model())->stringList(), expected);

        // The fourteen lists of the catalogue, each in its own option list.
        QCOMPARE(inv.systemOptions().value(QStringLiteral("KR")), QStringLiteral("Freispiegelabfluss im geschlossenen Profil, Regenwassersystem"));
        QCOMPARE(inv.materialOptions().value(QStringLiteral("B")), QStringLiteral("Beton"));
        QCOMPARE(inv.protectionOptions().value(QStringLiteral("ZMR")), QStringLiteral("Zementmörtelauskleidung im gesamten Innenraum"));
        QCOMPARE(inv.profileOptions().value(QStringLiteral("0")), QStringLiteral("Kreisprofil"));
        QCOMPARE(inv.nodeTypeOptions().value(QStringLiteral("0")), QStringLiteral("Schacht"));
        QCOMPARE(inv.pipeTypeOptions().value(QStringLiteral("0")), QStringLiteral("Haltung"));
        QCOMPARE(inv.installationTypeOptions().value(QStringLiteral("2")), QStringLiteral("Anschlussleitung"));
        QCOMPARE(inv.directionOptions().value(QStringLiteral("O")), QStringLiteral("von oben, in Fließrichtung"));
        QCOMPARE(inv.startPositionOptions().value(QStringLiteral("1")), QStringLiteral("Mittelpunkt des Startschachtes oder der Inspektionsöffnung"));
        QCOMPARE(inv.flowControlOptions().value(QStringLiteral("2")), QStringLiteral("Zufluss von oberhalb abgesperrt"));
        QCOMPARE(inv.videoMediumOptions().value(QStringLiteral("4")), QStringLiteral("Digital Versatile Disk"));
        QCOMPARE(inv.liningOptions().value(QStringLiteral("0")), QStringLiteral("Nicht vorhanden"));
        QCOMPARE(inv.profileSourceOptions().value(QStringLiteral("1")), QStringLiteral("aus Plänen"));
        QCOMPARE(inv.materialSourceOptions().value(QStringLiteral("1")), QStringLiteral("aus Plänen"));
        QCOMPARE(inv.cleaningOptions(), (OptionMap{{"1", "gereinigt"}, {"0", "nicht gereinigt"}}));
        QVERIFY(inv.reasonOptions().isEmpty());
    }

    void description_data()
    {
        QTest::addColumn<ObservationRecord>("o");
        QTest::addColumn<QString>("text");

        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        o.quantity1 = 1.5;
        o.clockFrom = 3;
        QTest::newRow("characterisations, unit, clock") << o << "Rissbildung, Riss, in Längsrichtung, 1.50mm, bei 3Uhr";

        for (const int damageClass : {1, 2, 5, -1}) {
            o = observation(QStringLiteral("BAN"));
            o.damageClass = damageClass;
            QTest::newRow(qPrintable(QStringLiteral("damage class %1").arg(damageClass)))
                << o << QStringLiteral("Poröses Rohr, Schadensklasse %1").arg(damageClass);
        }
        o = observation(QStringLiteral("BAN"));
        QTest::newRow("no damage class") << o << "Poröses Rohr";

        // The lining and repair codes add their second quantification with the unit found
        // through characterisation 2.
        o = observation(QStringLiteral("BAK"), QStringLiteral("D"), QStringLiteral("A"));
        o.quantity1 = 5;
        o.quantity2 = 3;
        QTest::newRow("BAK with characterisation 2") << o << "Schaden an der Innenauskleidung, Faltenbildung, in Längsrichtung, 5%, 3.00%";
        o = observation(QStringLiteral("BAK"), QStringLiteral("A"));
        o.quantity1 = 7;
        o.quantity2 = 3;
        QTest::newRow("BAK without characterisation 2") << o << "Schaden an der Innenauskleidung, Auskleidung abgelöst, 7%";
        o = observation(QStringLiteral("BAL"), QStringLiteral("B"), QStringLiteral("C"));
        o.quantity1 = 12;
        o.quantity2 = 4.5;
        QTest::newRow("BAL") << o << "Schadhafte Reparatur, Reparatur eines Lochs schadhaft, komplex, 12mm, 4.50mm";
        o = observation(QStringLiteral("BAL"), QStringLiteral("B"), QStringLiteral("Q"));
        o.quantity1 = 12;
        o.quantity2 = 4.5;
        QTest::newRow("BAL with an unknown characterisation 2") << o << "Schadhafte Reparatur, Reparatur eines Lochs schadhaft, , 12mm";

        o = observation(QStringLiteral("BAJ"), QStringLiteral("C"));
        o.quantity1 = 2;
        o.clockFrom = 11;
        o.clockTo = 1;
        o.joint = 1;
        o.damageClass = 3;
        o.continuousDefect = QStringLiteral("A");
        o.continuousDefectNumber = 1;
        o.remark = QStringLiteral("siehe Foto");
        o.photoFile = QStringLiteral("img_1_1.jpg");
        QTest::newRow("everything")
            << o
            << "Verschobene Rohrverbindung, Rohrverbindung abgewinkelt (Knick), 2°, von 11 bis 1Uhr, Schaden tritt an der Rohrverbindung auf, "
               "Schadensklasse 3, Streckenschaden Nr. 2 Anfang, siehe Foto, Foto angelegt";
        o = observation(QString());
        o.remark = QStringLiteral("x");
        QTest::newRow("no code") << o << ", x";
    }
    void description()
    {
        QFETCH(ObservationRecord, o);
        Isybau2006 inv;
        QTEST(inv.observationDescription(o), "text");
    }

    void startNode()
    {
        Isybau2006 inv;
        QCOMPARE(inv.addStartNode(QTime(0, 0, 7)), QStringLiteral("BCDXP Anfangsknoten, Rohranfang"));
        QCOMPARE(inv.observations().size(), 1);
        QCOMPARE(inv.observations().first().character1, QStringLiteral("XP"));
        QCOMPARE(inv.observations().first().videoTime, QTime(0, 0, 7));
    }

    void systemText_data()
    {
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<QString>("pipeType");
        QTest::addColumn<int>("kind");
        QTest::newRow("storm") << "KR" << "1" << 1;
        QTest::newRow("foul") << "KS" << "1" << 2;
        QTest::newRow("combined") << "KM" << "" << 3;
        QTest::newRow("unknown code") << "KQ" << "1" << 0;
        QTest::newRow("none") << "" << "1" << 0;
    }
    void systemText()
    {
        QFETCH(QString, sewerKind);
        QFETCH(QString, pipeType);
        Isybau2006 inv;
        InspectionHeader h = fullHeader();
        h.sewerKind = sewerKind;
        h.pipeType = pipeType;
        inv.setMainData(h);
        QTEST(inv.systemText(), "kind");
        QTEST(inv.inspectionPrintJob().first().flowColorKind, "kind");
    }

    void headerTable()
    {
        Isybau2006 inv;
        inv.setMainData(fullHeader());
        // Labels without a blank meet the value when they are the widest of their group.
        QCOMPARE(tableText(inv.mainDataTable()),
                 QStringLiteral("Kennung: A-17 Operator:K. Meier Objekt: H12 Ort: Musterhausen Straße: Hauptstraße "
                                "Datum: 06.05.2025 Uhrzeit:09:30 Anlagentyp: Anschlussleitung "
                                "Reinigung: gereinigt Wasserhaltung: Zufluss von oberhalb abgesperrt Richtung: von oben, in Fließrichtung "
                                "Startpunkt: Innenseite der Wand am Anfangsknoten (Schacht, Bauwerk, Inspektions-öffnung, Auslass, etc.) Zulaufknoten:S1 Typ: Schacht Ablaufknoten:S2 Typ: Bauwerk "
                                "Profil Art: Eiprofil (H/B=3/2) Höhe: 600 Breite:400 Material: Beton Innenschutz: Zementmörtelauskleidung im gesamten Innenraum "
                                "Auskleidung: Vor-Ort-Auskleidung Kanalart: Freispiegelabfluss im geschlossenen Profil, Regenwassersystem "
                                "Videoreferenz: 0042 Speichermedium: sonst. Wechseldatenträger"));
        QCOMPARE(inv.mainDataTable().tableCount(), 10);

        InspectionHeader h = fullHeader();
        h.sectionName.clear();
        h.town.clear();
        h.protection.clear();
        h.lining = QStringLiteral("0");
        h.profile = QStringLiteral("4");
        inv.setMainData(h);
        QString text = tableText(inv.mainDataTable());
        QVERIFY2(text.startsWith(QStringLiteral("Kennung: A-17 Operator:K. Meier Objekt: Straße: Hauptstraße Datum:")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Profil Art: Kreisprofil (doppelwandig) Durchmesser:600 Material: Beton Kanalart:")), qPrintable(text));
        QCOMPARE(inv.mainDataTable().tableCount(), 8);

        // A profile code that is no number is taken as circular.
        h.profile = QStringLiteral("DN");
        h.lining = QStringLiteral("x");
        inv.setMainData(h);
        text = tableText(inv.mainDataTable());
        QVERIFY2(text.contains(QStringLiteral("Profil Art: Durchmesser:600")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Auskleidung")));
    }

    void headerLists()
    {
        Isybau2006 inv;
        inv.setMainData(fullHeader());
        ObservationRecord far = observation(QStringLiteral("BCE"), QStringLiteral("XP"));
        far.distance = 42.5;
        inv.mutableObservations() << far;
        QCOMPARE(inv.mainDataList(),
                 (QStringList{"ISYBAU2006", "06.05.2025", "K. Meier", "Stadtwerke", "Musterhausen", "Hauptstraße", "S1", "S2", "Beton",
                              "Eiprofil (H/B=3/2)", "401mm", "600mm", "Freispiegelabfluss im geschlossenen Profil, Regenwassersystem", "von oben, in Fließrichtung", "0042", "42.50m", ""}));
        QCOMPARE(inv.mainDataListFull(),
                 (QStringList{"ISYBAU2006", "A-17", "06.05.2025", "09:30", "K. Meier", "Stadtwerke", "Musterhausen", "Hauptstraße", "S1",
                              "Schacht", "S2", "Bauwerk", "Haltung", "Anschlussleitung", "von oben, in Fließrichtung",
                              "Freispiegelabfluss im geschlossenen Profil, Regenwassersystem", "Beton",
                              "aus Plänen", "Eiprofil (H/B=3/2)", "Gemessen am Knoten (z.B. mit Bandmaß)", "401mm", "600mm", "0042",
                              "sonst. Wechseldatenträger", "gereinigt", "Zufluss von oberhalb abgesperrt",
                              "Innenseite der Wand am Anfangsknoten (Schacht, Bauwerk, Inspektions-öffnung, Auslass, etc.)",
                              "Zementmörtelauskleidung im gesamten Innenraum", "Vor-Ort-Auskleidung", "42.50m", "2.00m"}));

        InspectionHeader h = fullHeader();
        h.protection.clear();
        h.lining = QStringLiteral("0");
        h.pipeUnitLength = 0.005;
        h.material = QStringLiteral("QQ");
        inv.setMainData(h);
        const QStringList full = inv.mainDataListFull();
        QCOMPARE(full.mid(27), (QStringList{"keine Angabe", "keine Angabe", "42.50m", "keine Angabe"}));
        QCOMPARE(full.at(16), QString());
        h.lining.clear();
        inv.setMainData(h);
        QCOMPARE(inv.mainDataListFull().at(28), QStringLiteral("keine Angabe"));
    }

    void summaryRowAndJobs()
    {
        Isybau2006 inv;
        InspectionHeader h = fullHeader();
        inv.setMainData(h);
        ObservationRecord before = observation(QStringLiteral("BBA"), QStringLiteral("A"));
        before.distance = -1.5;
        inv.mutableObservations() << before;
        TocEntry entry = inv.summaryRow();
        QCOMPARE(entry.kind, 1);
        QCOMPARE(entry.material, QStringLiteral("Beton"));
        QCOMPARE(entry.sewerText, QStringLiteral("Freispiegelabfluss im geschlossenen Profil, Regenwassersystem, Haltung"));
        QCOMPARE(entry.lengthText, QStringLiteral("41.50"));
        QCOMPARE(entry.color, QColor(0, 0, 0));
        inv.mutableObservations() << observation(QStringLiteral("BAB"), QStringLiteral("A"));
        QCOMPARE(inv.summaryRow().color, QColor(200, 0, 0));
        h.pipeType.clear();
        inv.setMainData(h);
        QCOMPARE(inv.summaryRow().sewerText, QStringLiteral("Freispiegelabfluss im geschlossenen Profil, Regenwassersystem"));

        const QVector<PrintJob> jobs = inv.printJobs();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs.at(0).type, QStringLiteral("inspectionPages"));
        QCOMPARE(jobs.at(0).section, 0);
        QCOMPARE(jobs.at(0).shortHeader.first(), QStringLiteral("ISYBAU2006"));
        QCOMPARE(jobs.at(0).length, 41.5);
        QCOMPARE(jobs.at(1).type, QStringLiteral("fotoPages"));
        QCOMPARE(jobs.at(1).section, 0);
        for (const QString &direction : {QStringLiteral("U"), QString(), QStringLiteral("I")}) {
            h.direction = direction;
            inv.setMainData(h);
            QCOMPARE(inv.inspectionPrintJob().first().section, 1);
            QCOMPARE(inv.photoPrintJob().first().section, 1);
        }
    }
};

QTEST_MAIN(TestIsybau2006)
#include "tst_isybau2006.moc"
