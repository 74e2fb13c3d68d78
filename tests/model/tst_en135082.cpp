#include "model/en135082.h"
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
    h.client = QStringLiteral("Stadtwerke Musterhausen");
    h.inspector = QStringLiteral("K. Meier");
    h.town = QStringLiteral("Musterhausen");
    h.street = QStringLiteral("Hauptstraße");
    h.sectionName = QStringLiteral("H12");
    h.orderNumber = QStringLiteral("A-2025-17");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.profile = QStringLiteral("B");
    h.height = 600.4;
    h.width = 800.6;
    h.material = QStringLiteral("D");
    h.lining = QStringLiteral("D");
    h.sewerKind = QStringLiteral("C");
    h.videoReference = QStringLiteral("0042");
    h.startPosition = QStringLiteral("B");
    h.reason = QStringLiteral("C");
    h.cleaning = QStringLiteral("A");
    h.flowControl = QStringLiteral("B");
    h.direction = QStringLiteral("A");
    h.date = QDate(2025, 5, 6);
    h.time = QTime(9, 30);
    h.inspectionLength = 40.0;
    return h;
}

// The non-empty lines of a header table, blanks run together.
QStringList tableLines(const ModelUtils::TextTable &table)
{
    QStringList lines;
    for (const QString &line : table.lines())
        lines << line.simplified();
    return lines;
}

} // namespace

class TestEN135082 : public QObject
{
    Q_OBJECT

private slots:
    void construction_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("profileA");
        QTest::newRow("de") << "de" << "Kreisprofil";
        QTest::newRow("en") << "en" << "Circular";
    }
    void construction()
    {
        QFETCH(QString, language);
        EN135082 inv(language);
        QCOMPARE(inv.normKind(), NormEN135082);
        QCOMPARE(inv.language(), language);

        // Every code of the catalogue, types in token order, codes in file order.
        QStringList expected;
        for (const NormCatalogType &type : inv.catalogue())
            for (const NormCatalogSubtype &sub : type.subtypes)
                expected << sub.token;
        QCOMPARE(inv.codes(), expected);
        QCOMPARE(inv.codes().first(), QStringLiteral("AEC"));
        for (const char *code : {"BAB", "BAK", "BBA", "BCD", "BCE", "BDA", "BDC"})
            QVERIFY2(inv.containsCode(QLatin1String(code), true), code);
        QVERIFY(inv.completer());
        QCOMPARE(qobject_cast<QStringListModel *>(inv.completer()->model())->stringList(), expected);

        QFETCH(QString, profileA);
        QCOMPARE(inv.profileOptions().value(QStringLiteral("A")), profileA);
        for (const OptionMap &list : {inv.systemOptions(), inv.materialOptions(), inv.profileOptions(), inv.directionOptions(),
                                      inv.startPositionOptions(), inv.flowControlOptions(), inv.liningOptions(), inv.reasonOptions()})
            QVERIFY(!list.isEmpty());
        QVERIFY(inv.pipeTypeOptions().isEmpty());
        QCOMPARE(inv.cleaningOptions().value(QStringLiteral("A")), QStringLiteral("durchgeführt"));
        QCOMPARE(inv.cleaningOptions().value(QStringLiteral("B")), QStringLiteral("nicht durchgeführt"));

        // The dialogs reach the catalogue through the inspection pointer.
        Investigation *base = &inv;
        EN135082Structur *structure = dynamic_cast<EN135082Structur *>(base);
        QVERIFY(structure);
        int index = -1;
        QVERIFY(structure->findSubtype(QStringLiteral("BAB"), index));
    }

    void languageWithoutCatalogue()
    {
        EN135082 inv(QStringLiteral("zz"));
        QVERIFY(inv.catalogue().isEmpty());
        QVERIFY(inv.codes().isEmpty());
        QVERIFY(inv.systemOptions().isEmpty());
        QVERIFY(inv.profileOptions().isEmpty());
        QCOMPARE(inv.cleaningOptions().size(), 2);
        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("A"));
        o.clockFrom = 3;
        QCOMPARE(inv.observationDescription(o), QString());
    }

    void codeGroupsAndDamage()
    {
        EN135082 inv;
        QCOMPARE(inv.codeGroup(QStringLiteral("BAB")), 1);
        QCOMPARE(inv.codeGroup(QStringLiteral("BBA")), 2);
        QCOMPARE(inv.codeGroup(QStringLiteral("BCD")), 3);
        QCOMPARE(inv.codeGroup(QStringLiteral("BDA")), 4);
        QCOMPARE(inv.codeGroup(QStringLiteral("AEC")), 0);
        QCOMPARE(inv.codeGroup(QStringLiteral("ba")), 0);
        QCOMPARE(inv.codeGroup(QString()), 0);

        inv.mutableObservations() << observation(QStringLiteral("BBA")) << observation(QStringLiteral("BDA"));
        QVERIFY(!inv.hasStructuralDamage());
        inv.mutableObservations() << observation(QStringLiteral("BAJ"));
        QVERIFY(inv.hasStructuralDamage());
    }

    void codeIndexAppends()
    {
        EN135082 inv;
        const QStringList once = inv.codes();
        inv.buildCodeIndex();
        QCOMPARE(inv.codes(), once + once);
    }

    void pipeMarkers()
    {
        EN135082 inv;
        const auto at = [](const QString &code, double distance, int clock = 0) {
            ObservationRecord o = observation(code);
            o.distance = distance;
            o.clockFrom = clock;
            return o;
        };
        inv.mutableObservations() << at(QStringLiteral("BDC"), 30) << at(QStringLiteral("BCA"), 9, 6) << at(QStringLiteral("BAB"), 5, 1)
                                  << at(QStringLiteral("BAA"), 2) << at(QStringLiteral("BAB"), 5, 2) << at(QStringLiteral("BBA"), 3)
                                  << at(QStringLiteral("BCA"), 10, 12) << at(QStringLiteral("BCA"), 11, 3) << at(QStringLiteral("BCA"), 12)
                                  << at(QStringLiteral("BAC"), 13) << at(QStringLiteral("BAJ"), 14) << at(QStringLiteral("BCB"), 15);
        const QList<PipeMarker> expected{{3, 2.0}, {2, 5.0}, {2, 5.0}, {0, 9.0}, {1, 10.0}, {1, 11.0}, {1, 12.0},
                                         {4, 13.0}, {6, 14.0}, {8, 15.0}, {7, 30.0}};
        QCOMPARE(inv.pipeMarkers(), expected);
        // The list itself is now in distance order, equal distances in their former order.
        QCOMPARE(inv.observations().at(0).code, QStringLiteral("BAA"));
        QCOMPARE(inv.observations().at(2).clockFrom, 1);
        QCOMPARE(inv.observations().at(3).clockFrom, 2);
    }

    void description_data()
    {
        QTest::addColumn<ObservationRecord>("o");
        QTest::addColumn<QString>("text");

        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        o.quantity1 = 1.5;
        QTest::newRow("characterisations and unit") << o << "Rissbildung, Riss, längs, 1.50mm";
        o = observation(QStringLiteral("BBA"), QStringLiteral("A"));
        o.quantity1 = 150;
        QTest::newRow("whole number") << o << "Wurzeln, Pfahlwurzel, 150%";
        o.quantity1 = 12.5;
        QTest::newRow("fraction") << o << "Wurzeln, Pfahlwurzel, 12.50%";
        o.quantity1 = 12.004;
        QTest::newRow("fraction below a hundredth") << o << "Wurzeln, Pfahlwurzel, 12%";
        o.quantity1 = 12.01;
        QTest::newRow("one hundredth") << o << "Wurzeln, Pfahlwurzel, 12.01%";
        o = observation(QStringLiteral("BAB"), QStringLiteral("A"), QStringLiteral("B"));
        o.quantity1 = 3;
        QTest::newRow("option without quantification") << o << "Rissbildung, Oberflächenriss (Haarriss), radial";
        o = observation(QStringLiteral("AEC"), QStringLiteral("A"));
        o.quantity1 = 300;
        o.quantity2 = 200.25;
        QTest::newRow("two quantifications") << o << "Rohrprofilwechsel, Kreisprofil, 300mm, 200.25mm";
        o = observation(QStringLiteral("BAG"));
        o.quantity1 = 20;
        QTest::newRow("code without characterisation 1") << o << "Einragender Anschluss, 20%";
        o = observation(QStringLiteral("BAK"), QStringLiteral("D"), QStringLiteral("A"));
        o.quantity1 = 5;
        QTest::newRow("BAK looks at characterisation 2") << o << "Schadhafte Innenauskleidung, Faltenbildung, in Längsrichtung";
        o = observation(QStringLiteral("BCD"), QStringLiteral("A"));
        o.quantity1Text = QStringLiteral("S1");
        QTest::newRow("start node") << o << "Anfangsknoten, Schacht";
        o.quantity1 = 1.5;
        QTest::newRow("node with a number") << o << "Anfangsknoten, Schacht, 1.50";

        o = observation(QStringLiteral("BAB"), QStringLiteral("A"), QStringLiteral("Y"));
        o.clockFrom = 3;
        QTest::newRow("one clock position") << o << "Rissbildung, Oberflächenriss (Haarriss), bei 3Uhr";
        o.clockTo = 9;
        QTest::newRow("clock range") << o << "Rissbildung, Oberflächenriss (Haarriss), von 3 bis 9Uhr";
        o.clockFrom = 0;
        o.clockTo = 5;
        QTest::newRow("second position alone") << o << "Rissbildung, Oberflächenriss (Haarriss)";

        o = observation(QStringLiteral("BAJ"));
        o.joint = 1;
        o.continuousDefect = QStringLiteral("A");
        o.remark = QStringLiteral("siehe Foto");
        o.photoFile = QStringLiteral("img_1_1.jpg");
        QTest::newRow("joint, begin, remark, photo")
            << o << "Verschobene Verbindung, Schaden tritt an der Rohrverbindung auf, Streckenschaden Nr. 1 Anfang, siehe Foto, Foto angelegt";
        o = observation(QStringLiteral("BBB"));
        o.continuousDefect = QStringLiteral("B");
        o.continuousDefectNumber = 2;
        QTest::newRow("end") << o << "Anhaftende Stoffe, Streckenschaden Nr. 3 Ende";
        o.continuousDefect = QStringLiteral("R");
        QTest::newRow("over one pipe") << o << "Anhaftende Stoffe, Schaden über die Baulänge eines Rohres";
        o = observation(QStringLiteral("BDA"));
        o.photoFile = QStringLiteral("img_1_2.jpg");
        QTest::newRow("general photo has no note") << o << "Allgemeines Foto";

        o = observation(QStringLiteral("BAZ"));
        o.clockFrom = 3;
        QTest::newRow("unknown code of a known type") << o << ", bei 3Uhr";
        o.code = QStringLiteral("ZZA");
        o.remark = QStringLiteral("x");
        QTest::newRow("unknown type") << o << "";
        o.code.clear();
        QTest::newRow("no code") << o << "";
    }
    void description()
    {
        QFETCH(ObservationRecord, o);
        EN135082 inv;
        QTEST(inv.observationDescription(o), "text");
    }

    void startNode()
    {
        EN135082 inv;
        inv.mutableObservations() << observation(QStringLiteral("BAB"), QStringLiteral("A"));
        inv.mutableObservations()[0].distance = 4;
        QCOMPARE(inv.addStartNode(QTime(0, 0, 7)), QStringLiteral("BCDA Anfangsknoten, Schacht"));
        QCOMPARE(inv.observations().size(), 2);
        const ObservationRecord start = inv.observations().first();
        QCOMPARE(start.code, QStringLiteral("BCD"));
        QCOMPARE(start.character1, QStringLiteral("A"));
        QCOMPARE(start.distance, 0.0);
        QCOMPARE(start.videoTime, QTime(0, 0, 7));
        QCOMPARE(inv.observations().at(1).code, QStringLiteral("BAB"));
    }

    void systemText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<int>("kind");
        QTest::newRow("de storm") << "de" << "C" << 1;
        QTest::newRow("de foul") << "de" << "B" << 2;
        QTest::newRow("de trade effluent") << "de" << "D" << 2;
        QTest::newRow("de combined") << "de" << "A" << 3;
        QTest::newRow("de other") << "de" << "Z" << 0;
        QTest::newRow("de unknown code") << "de" << "Q" << 0;
        QTest::newRow("de none") << "de" << "" << 0;
        // Every catalogue language, by the option's code.
        for (const char *language : {"da", "en", "es", "fi", "fr", "hr", "nb", "pl", "ru"}) {
            QTest::addRow("%s storm", language) << language << "C" << 1;
            QTest::addRow("%s foul", language) << language << "B" << 2;
            QTest::addRow("%s combined", language) << language << "A" << 3;
            QTest::addRow("%s other", language) << language << "Z" << 0;
        }
    }
    void systemText()
    {
        QFETCH(QString, language);
        QFETCH(QString, sewerKind);
        EN135082 inv(language);
        InspectionHeader h = inv.mainData();
        h.sewerKind = sewerKind;
        inv.setMainData(h);
        QTEST(inv.systemText(), "kind");
        QTEST(inv.inspectionPrintJob().first().flowColorKind, "kind");
    }

    void headerTable()
    {
        EN135082 inv;
        InspectionHeader h = fullHeader();
        h.inspector.clear();
        h.client.clear();
        h.profile = QStringLiteral("A");
        h.height = 299.9;
        h.material = QStringLiteral("QQ"); // not in the list
        h.lining.clear();
        inv.setMainData(h);
        QStringList lines = tableLines(inv.mainDataTable());
        // Without inspector and client the first block is the place alone.
        const int first = lines.indexOf(QRegularExpression(QStringLiteral(".+")));
        QCOMPARE(lines.value(first), QStringLiteral("Ort: Hauptstraße"));
        QCOMPARE(lines.value(first + 1), QString());
        lines.removeAll(QString());
        // Long values wrap at the page width, so the text is compared as one.
        QCOMPARE(lines.join(QLatin1Char(' ')),
                 QStringLiteral("Ort: Hauptstraße Haltung: H12 Zulaufknoten: S1 Ablaufknoten: S2 Reinigung: durchgeführt "
                                "Wasserhaltung: oberhalb abgesperrt Richtung: in Fließrichtung "
                                "Startpunkt: Innenwand des Anfangsknotens (Rohranfang) Profil: Kreisprofil Durchmesser: 299 "
                                "Material: Abwassertyp: Regenwasser"));

        h = fullHeader();
        h.sewerKind.clear();
        inv.setMainData(h);
        lines = tableLines(inv.mainDataTable());
        const int begin = lines.indexOf(QRegularExpression(QStringLiteral(".+")));
        QCOMPARE(lines.mid(begin, lines.indexOf(QString(), begin) - begin).join(QLatin1Char(' ')),
                 QStringLiteral("Inspekteur: K. Meier Kunde: Stadtwerke Musterhausen Ort: Hauptstraße"));
        QVERIFY(lines.contains(QStringLiteral("Profil: Rechteckprofil")));
        QVERIFY(lines.contains(QStringLiteral("Höhe: 600")));
        QVERIFY(lines.contains(QStringLiteral("Breite: 800")));
        QVERIFY(lines.contains(QStringLiteral("Auskleidung: Schlauchlining")));
        QVERIFY(!lines.join(QLatin1Char('|')).contains(QStringLiteral("Abwassertyp")));
    }

    void headerLists()
    {
        EN135082 inv;
        inv.setMainData(fullHeader());
        ObservationRecord far = observation(QStringLiteral("BCE"), QStringLiteral("A"));
        far.distance = 42.5;
        inv.mutableObservations() << far;
        QCOMPARE(inv.mainDataList(),
                 (QStringList{"EN_13508_2", "06.05.2025", "K. Meier", "Stadtwerke Musterhausen", "Musterhausen", "Hauptstraße", "S1", "S2",
                              "Beton", "Rechteckprofil", "801mm", "600mm", "Regenwasser", "in Fließrichtung", "0042", "42.50m", ""}));
        QCOMPARE(inv.mainDataListFull(),
                 (QStringList{"EN_13508_2", "A-2025-17", "06.05.2025", "09:30", "K. Meier", "Stadtwerke Musterhausen", "Musterhausen",
                              "Hauptstraße", "S1", "S2", "in Fließrichtung", "Regenwasser", "Beton", "Rechteckprofil", "801mm", "600mm",
                              "durchgeführt", "oberhalb abgesperrt", "Innenwand des Anfangsknotens (Rohranfang)",
                              "Routineinspektion des Zustands", "Schlauchlining", "42.50m"}));

        // Codes missing from their lists show as empty texts, never as the code.
        InspectionHeader h = fullHeader();
        h.material = QStringLiteral("QQ");
        h.direction = QStringLiteral("QQ");
        inv.setMainData(h);
        QCOMPARE(inv.mainDataList().at(8), QString());
        QCOMPARE(inv.mainDataList().at(13), QString());
        QCOMPARE(inv.mainDataListFull().at(12), QString());
    }

    void summaryRowAndJobs()
    {
        EN135082 inv;
        inv.setMainData(fullHeader());
        inv.mutableObservations() << observation(QStringLiteral("BBA"), QStringLiteral("A"));
        TocEntry entry = inv.summaryRow();
        QCOMPARE(entry.kind, 1);
        QCOMPARE(entry.material, QStringLiteral("Beton"));
        // EN inspections have no pipe type, so the sewer kind stands alone.
        QCOMPARE(entry.sewerText, QStringLiteral("Regenwasser"));
        QCOMPARE(entry.sectionName, QStringLiteral("H12"));
        QCOMPARE(entry.height, QStringLiteral("600mm"));
        QCOMPARE(entry.lengthText, QStringLiteral("40.00"));
        QCOMPARE(entry.color, QColor(0, 0, 0));
        inv.mutableObservations() << observation(QStringLiteral("BAB"), QStringLiteral("A"));
        QCOMPARE(inv.summaryRow().color, QColor(200, 0, 0));

        QVector<PrintJob> jobs = inv.printJobs();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs.at(0).type, QStringLiteral("inspectionPages"));
        QCOMPARE(jobs.at(0).section, 0);
        QCOMPARE(jobs.at(0).shortHeader.first(), QStringLiteral("EN_13508_2"));
        QCOMPARE(jobs.at(0).rows.size(), 2);
        QCOMPARE(jobs.at(1).type, QStringLiteral("fotoPages"));
        QCOMPARE(jobs.at(1).section, 0);

        InspectionHeader h = fullHeader();
        h.direction = QStringLiteral("B");
        inv.setMainData(h);
        QCOMPARE(inv.inspectionPrintJob().first().section, 1);
        QCOMPARE(inv.photoPrintJob().first().section, 1);
    }
};


QTEST_MAIN(TestEN135082)
#include "tst_en135082.moc"
