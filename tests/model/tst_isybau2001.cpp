#include "model/isybau2001.h"
#include "support/testenv.h"

#include <QLoggingCategory>
#include <QtTest>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

ObservationRecord observation(const QString &code, double q1 = 0, double q2 = 0)
{
    ObservationRecord o;
    o.code = code;
    o.quantity1 = q1;
    o.quantity2 = q2;
    return o;
}

ObservationRecord at(double distance, const QString &code)
{
    ObservationRecord o;
    o.code = code;
    o.distance = distance;
    return o;
}

// The names and texts of all entries, by type.
const QList<QPair<QString, QStringList>> kEntries = {
    {"A", {"A-", "Abzweig", "AN", "Abzweig nicht fachgerecht eingebaut", "AP", "Wurzeleinwuchs durch den Abzweig", "AR",
           "Risse im Abzweig", "AU", "Abzweig verschlossen"}},
    {"B", {"BA", "Fehlendes Rohrstück am Schacht/Bauwerksanschluss", "BC", "Fehlendes Rohrstück im Verbindungsbereich",
           "BK", "Fehlende Klinker", "BR", "Rohrbruch ohne Deformation", "BS", "Fehlende Scherbe", "BT", "Einsturz", "BW",
           "Loch und fehlende Rohrwandung größerer Ausmaße"}},
    {"C", {"C-", "Innenkorrosion", "CC", "Innenkorrosion an der Rohrverbindung", "CM", "Korrosion des Fugenmörtels"}},
    {"D", {"D-", "Deformation biegeweicher Rohre \"primäre Deformation\"", "DR",
           "Deformation in Folge von Rissbildung \"sekundäre Deformation\""}},
    {"F", {"F-", "Fehlanschlüsse"}},
    {"H", {"H-", "Hindernis, allgemein", "HD", "Sedimation", "HE", "Einragendes Hindernis (Sekundärschaden)", "HF",
           "Verfestigte Ablagerung", "HG", "Einragender Dichtring", "HI", "Inkrustation", "HK", "Einragende Klinker", "HM",
           "Einragendes Dichtmaterial", "HP", "Wurzeleinwuchs (Sekundärschaden)", "HS", "Einragende Scherbe", "HZ",
           "Kreuzende Fremdleitung/Kabel"}},
    {"K", {"K-", "Kanalsanierungsmaßnahme", "Ks", "Anschluss, Seitenzulauf nicht fachgerecht ausgeführt", "Kn",
           "Reparaturstelle/punktuelle Sanierung nicht fachgerecht ausgeführt", "Kb",
           "Anbindung an Schacht/Bauwerk nicht fachgerecht ausgeführt", "Ku", "Übergangsbreich nicht fachgerecht ausgeführt",
           "Kv", "Verbindung nicht fachgerecht ausgeführt", "Kf", "Falte", "Ke", "Einbeulung", "Ka", "Ausbeulung", "Kr",
           "Ablösung", "Km", "Materialauflösung"}},
    {"L", {"LB", "Ausbiegung", "LL", "Axialverschiebung", "LH", "Horizontaler Versatz", "LV", "Vertikaler Versatz"}},
    {"R", {"RC", "Riss im Verbindungsbereich", "RL", "Längsriss", "RQ", "Querriss", "RS", "Scherbenbildung", "RX",
           "Risse von einem Punkt ausgehend"}},
    {"S", {"S-", "Stutzen", "SE", "Stutzen einragend", "SN", "Stutzen nicht fachgerecht ausgeführt", "SO",
           "Stutzen außen vorsitzend", "SP", "Wurzeleinwuchs durch den Stutzen", "SR", "Riss im Stutzen", "SU",
           "Stutzen verschlossen"}},
    {"U", {"UA", "Undichte Schacht-/Bauwerksanbindung", "UC", "Undichte Rohrverbindung", "UW", "Undichte Rohrwandung"}},
    {"V", {"V-", "Mechanischer Verschleiß allgemein", "VA", "Mechanischer Verschleiß/Abplatzung am Schacht/Bauwerksanschluss",
           "VC", "Mechanischer Verschleiß/Abplatzung an der Rohrverbindung", "VW", "Abplatzung an der Rohrwand"}},
    {"W", {"W-", "Wasser"}},
    {"X", {"HA", "Haltungsanfang", "EH", "Haltungsende", "HL", "Haltungslänge gemäß Inspektion", "PA", "Rohranfang", "PE",
           "Rohrende", "PL", "Baulänge der Rohre", "GE", "Gegenseite erreicht", "GEN", "Gegenseite nicht erreicht", "IG",
           "Inspektion erfolgt von der Gegenseite", "IGN", "Inspektion von der Gegenseite nicht möglich", "IAB",
           "Abbruch der Inspektion", "IR", "Inspektion erst nach Reinigung möglich", "IS",
           "Inspektion erfolgt zu einem späteren Zeitpunkt", "IA", "Auftraggeber verzichtet auf weitere Untersuchung", "SV",
           "Verdeckter Schacht", "SB", "Schacht durch Fahrzeug blockiert", "SP", "Schacht nicht im Plan eingetragen", "SZ",
           "Zwischenschacht", "SNA", "Schacht nicht anfahrbar", "TVR", "Kamera rutscht", "TVN", "Kamera nicht einsetzbar",
           "TVS", "Kamera kann nicht weiter (STOP)", "TVUW", "Kamera unter Wasser", "TVSD",
           "Schlechte Bildqualität, Dampfbildung", "QVG", "Querschnittsveränderung hinsichtlich Geometrie", "QVN",
           "Nennweitenveränderung", "WV", "Werkstoffveränderung", "EMN", "Genaue Einmessung nicht möglich", "GST",
           "Gewünschte Station erreicht", "FOTO", "Einzelaufnahme angefertigt", "OK", "Keine optischen Mängel", "II",
           "Freier Text", "K", "Krümmer, Bogen"}},
};

} // namespace

class TestIsybau2001 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false"));
    }

    void catalogueHoldsEveryEntry()
    {
        Isybau2001 inv;
        QCOMPARE(inv.normKind(), NormATV);
        const QMap<QString, AtvCatalogType> &catalog = inv.catalog();
        QCOMPARE(catalog.size(), 14);
        int count = 0;
        for (const auto &expected : kEntries) {
            const AtvCatalogType type = catalog.value(expected.first);
            QCOMPARE(type.name, expected.first);
            QStringList namesAndTexts;
            for (const AtvEntry &e : type.entries)
                namesAndTexts << e.name << e.text;
            QCOMPARE(namesAndTexts, expected.second);
            count += type.entries.size();
        }
        QCOMPARE(count, 97);
        QCOMPARE(catalog.value("K").text, QStringLiteral("Kanalsanierungsmaßnahmen"));
        QCOMPARE(catalog.value("X").text, QStringLiteral("Steuerkürzel"));
    }

    void catalogueEntriesAreConsistent()
    {
        Isybau2001 inv;
        for (const AtvCatalogType &type : inv.catalog()) {
            for (const AtvEntry &e : type.entries) {
                const QByteArray where = e.name.toUtf8();
                if (type.name == QLatin1String("X")) {
                    QVERIFY2(e.condition.isEmpty() && e.position.isEmpty(), where);
                    continue;
                }
                QVERIFY2(e.name.startsWith(type.name), where);
                QVERIFY2(!e.condition.isEmpty() && !e.position.isEmpty(), where);
                for (const QString &c : ModelUtils::charactersExceptCommas(e.condition))
                    QVERIFY2(inv.conditionOptions().contains(c), where + " condition " + c.toUtf8());
                for (const QString &p : ModelUtils::charactersExceptCommas(e.position))
                    QVERIFY2(inv.positionOptions().contains(p), where + " position " + p.toUtf8());
                for (const QString &key : e.snumadd1.split(',', Qt::SkipEmptyParts) + e.snumadd2.split(',', Qt::SkipEmptyParts))
                    QVERIFY2(inv.snumOptions().contains(key), where + " coded value " + key.toUtf8());
                QVERIFY2(e.numadd1Text.isEmpty() || !e.numadd1.isEmpty(), where);
            }
        }
        // What the descriptions and lookups rely on.
        QVERIFY(inv.matchingEntry("KsAO"));
        QVERIFY(inv.matchingEntry("W--F") && inv.matchingEntry("W--G"));
        for (const AtvEntry &e : inv.catalog().value("A").entries) {
            if (e.name == QLatin1String("A-") || e.name == QLatin1String("AU"))
                QCOMPARE(e.condition, QStringLiteral("-"));
        }
        const AtvEntry *ba = inv.matchingEntry("BAAO");
        QVERIFY(ba);
        QCOMPARE(ba->condition, QStringLiteral("A,B,E,F,M,-"));
        QCOMPARE(ba->position, QStringLiteral("O,R,U,L,-"));
        QCOMPARE(ba->numadd1, QStringLiteral("cm²"));
        QCOMPARE(ba->numadd2, QStringLiteral("cm²"));
        QCOMPARE(inv.matchingEntry("C-AO")->snumadd1, QStringLiteral("11,12,13,21,22,51"));
        QCOMPARE(inv.matchingEntry("QVG")->snumadd1, QStringLiteral("Profil"));
        QCOMPARE(inv.matchingEntry("K")->numadd1, QStringLiteral("Grad"));
        QCOMPARE(inv.matchingEntry("HL")->numadd1, QStringLiteral("m"));
        QCOMPARE(inv.matchingEntry("PL")->numadd1, QStringLiteral("m"));

        QCOMPARE(inv.conditionOptions().size(), 10);
        QCOMPARE(inv.positionOptions().size(), 13);
        QCOMPARE(inv.snumOptions().size(), 13);
        QCOMPARE(inv.profileOptions().size(), 4);
        QCOMPARE(inv.materialOptions().keys(),
                 (QStringList{"AZ", "B", "CNS", "FZ", "GFK", "GG", "GGG", "MA", "MIX", "OB", "P", "PC", "PCC", "PEHD",
                              "PH", "PHB", "PP", "PVC", "PVCU", "SB", "SON", "SPB", "ST", "STZ"}));
        for (const QString &text : inv.materialOptions())
            QVERIFY(!text.isEmpty());
        QCOMPARE(inv.materialOptions().value("SON"), QStringLiteral("sonstige Werkstoffe"));
        QCOMPARE(inv.systemOptions().size(), 8);
        QCOMPARE(inv.directionOptions().value("U"), QStringLiteral("entgegen der Fließrichtung"));
        QCOMPARE(inv.conditionOptions().value("-"), QStringLiteral("keine Angabe"));
        QCOMPARE(inv.positionOptions().value("-"), QStringLiteral("Gesamter Rohrumfang"));
    }

    void codeIndex()
    {
        Isybau2001 inv;
        const QStringList codes = inv.codes();
        QCOMPARE(codes.first(), QStringLiteral("A--O"));
        QCOMPARE(codes.last(), QStringLiteral("K"));
        // Damage names in upper case with each condition and position; control codes alone.
        for (const char *code : {"KSAO", "BAAO", "BA--", "W--F", "HA", "TVUW", "QVG", "FOTO", "II"})
            QVERIFY2(codes.contains(QString::fromUtf8(code)), code);
        for (const char *code : {"KsAO", "BAXO", "W--O"})
            QVERIFY2(!codes.contains(QString::fromUtf8(code)), code);
        QCOMPARE(codes.count("BAAO"), 1);
        QVERIFY(inv.containsCode("KS", false));
        QVERIFY(!inv.containsCode("KS", true));
    }

    void lookups()
    {
        Isybau2001 inv;
        QVERIFY(inv.isControlCode("HA"));
        QVERIFY(inv.isControlCode("SP")); // also a damage name of the "S" type
        QVERIFY(!inv.isControlCode("SPAO"));
        QVERIFY(!inv.isControlCode("BAAO"));
        QCOMPARE(inv.positionKind("K"), 2);
        QCOMPARE(inv.positionKind("HA"), 0);
        QCOMPARE(inv.positionKind("BAAO"), 2);
        QCOMPARE(inv.positionKind("ZZZZ"), 2);

        // The sanitation names are found as the code list writes them and as the files do.
        QCOMPARE(inv.numAdd1Text("KsAO"), QStringLiteral("cm"));
        QCOMPARE(inv.numAdd1Text("KSAO"), QStringLiteral("cm"));
        QVERIFY(inv.hasNumAdd1("KSAO"));
        QCOMPARE(inv.numAdd1Text("KVA-"), QStringLiteral("mm"));
        QVERIFY(!inv.hasNumAdd1("KNAO"));
        QCOMPARE(inv.matchingEntry("KFAA"), inv.matchingEntry("KfAA"));
        QVERIFY(inv.matchingEntry("KFAA"));
        QVERIFY(!inv.matchingEntry("KFAO")); // a position the entry does not allow
        QVERIFY(!inv.matchingEntry("KX")); // no such control code
        QCOMPARE(inv.numAdd1Text("HL"), QStringLiteral("m"));
        QCOMPARE(inv.numAdd2Text("BAAO"), QStringLiteral("cm²"));
        QCOMPARE(inv.numAdd1Text("BAXO"), QString());
        QVERIFY(!inv.hasNumAdd1("W--F"));
        QVERIFY(!inv.hasNumAdd1("W--G"));
        QVERIFY(inv.hasNumAdd1("W--S"));
        QVERIFY(inv.hasNumAdd1("K-AO")); // no unit, still a number
        QVERIFY(!inv.hasNumAdd1("KnAO"));
        QVERIFY(inv.hasNumAdd2("BAAO"));
        QVERIFY(!inv.hasNumAdd2("RLAO"));
    }

    void codedValues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("value");
        QTest::newRow("first") << "C-AO" << 0 << "11";
        QTest::newRow("last") << "C-AO" << 5 << "51";
        QTest::newRow("past the end") << "C-AO" << 6 << "";
        QTest::newRow("none selected") << "C-AO" << -1 << "";
        QTest::newRow("profile change") << "QVG" << 3 << "3";
        QTest::newRow("profile change past the end") << "QVG" << 4 << "";
        QTest::newRow("other control code") << "HA" << 0 << "";
        QTest::newRow("entry without coded values") << "BAAO" << 0 << "";
        QTest::newRow("no entry") << "ZZAO" << 0 << "";
        QTest::newRow("empty code") << "" << 0 << "";
    }
    void codedValues()
    {
        QFETCH(QString, code);
        QFETCH(int, index);
        QFETCH(QString, value);
        Isybau2001 inv;
        QCOMPARE(inv.snumAdd1Value(code, index), value);
    }

    void codedValueTexts()
    {
        Isybau2001 inv;
        QVERIFY(inv.hasSnumAdd1("CMAO"));
        QVERIFY(inv.hasSnumAdd1("QVG"));
        QVERIFY(!inv.hasSnumAdd1("BAAO"));
        // The list fills a choice whose entry is then selected by snumText: it holds texts.
        QCOMPARE(inv.snumAdd1List("QVG"), (QStringList{"Kreisprofil", "Eiprofil", "Maulprofil", "Rechteckprofil"}));
        QCOMPARE(inv.snumAdd1List("CMAO"), (QStringList{"Fugenmörtel fehlt teilweise", "Fugenmörtel fehl ganz"}));
        QCOMPARE(inv.snumAdd1List("HA"), QStringList());
        QCOMPARE(inv.snumText(21), QStringLiteral("Bewehrung sichtbar, korrodiert"));
        QCOMPARE(inv.snumText(99), QString());
        QVERIFY(inv.snumAdd1List("VWAO").contains(inv.snumText(41)));
    }

    void descriptions_data()
    {
        QTest::addColumn<ObservationRecord>("observation");
        QTest::addColumn<QString>("text");
        const QString ba = QStringLiteral("Fehlendes Rohrstück am Schacht/Bauwerksanschluss, Sichtbarer Wasseraustritt, Scheitel");
        const QString ks = QStringLiteral("Anschluss, Seitenzulauf nicht fachgerecht ausgeführt, Sichtbarer Wasseraustritt, Scheitel");

        QTest::newRow("K code typed in capitals") << observation("KSAO", 4) << ks + ", 4cm";
        QTest::newRow("K code as stored") << observation("KsAO", 4) << ks + ", 4cm";
        QTest::newRow("second number with the same unit left out") << observation("BAAO", 12.5, 3) << ba + ", 12.50cm²";
        QTest::newRow("tiny fraction") << observation("BAAO", 4.004) << ba + ", 4cm²";
        QTest::newRow("fraction") << observation("BAAO", 4.25) << ba + ", 4.25cm²";
        QTest::newRow("hundredth") << observation("BAAO", 4.01) << ba + ", 4.01cm²";
        QTest::newRow("negative") << observation("BAAO", -2.5) << ba + ", -2.50cm²";
        ObservationRecord freeText = observation("II");
        freeText.remark = QStringLiteral("Wurzeln im Stutzen");
        QTest::newRow("free text") << freeText << QStringLiteral("Freier Text, Wurzeln im Stutzen");
        ObservationRecord clock = observation("RLAO", 0.3);
        clock.clockFrom = 3;
        QTest::newRow("one clock position") << clock << QStringLiteral("Längsriss, Sichtbarer Wasseraustritt, Scheitel, 0.30mm, bei 3Uhr");
        clock.clockTo = 9;
        QTest::newRow("clock range") << clock << QStringLiteral("Längsriss, Sichtbarer Wasseraustritt, Scheitel, 0.30mm, von 3 bis 9Uhr");
        QTest::newRow("code too short") << observation("AB") << QStringLiteral("ERROR: AB");
        QTest::newRow("no code") << observation("") << QStringLiteral("ERROR: ");
        QTest::newRow("control code") << observation("HA") << QStringLiteral("Haltungsanfang");
        QTest::newRow("control code with a unit") << observation("HL", 42.5) << QStringLiteral("Haltungslänge gemäß Inspektion, 42.50m");
        QTest::newRow("bend") << observation("K", 45) << QStringLiteral("Krümmer, Bogen, 45Grad");
        QTest::newRow("profile change") << observation("QVG", 2) << QStringLiteral("Querschnittsveränderung hinsichtlich Geometrie, Maulprofil");
        QTest::newRow("coded value") << observation("C-AO", 21)
                                     << QStringLiteral("Innenkorrosion, Sichtbarer Wasseraustritt, Scheitel, Bewehrung sichtbar, korrodiert");
        QTest::newRow("no condition") << observation("W--F") << QStringLiteral("Wasser, Fremdwasser");
        QTest::newRow("water level") << observation("W--S", 30) << QStringLiteral("Wasser, Rückstau, 30%");
        QTest::newRow("branch") << observation("A--O", 150) << QStringLiteral("Abzweig, Scheitel, 150mm");
        QTest::newRow("unknown damage") << observation("ZZAO") << QStringLiteral(", Sichtbarer Wasseraustritt, Scheitel");

        ObservationRecord damage = observation("BAA-");
        damage.damageClass = 3;
        damage.continuousDefect = QStringLiteral("E");
        damage.continuousDefectNumber = 1;
        QTest::newRow("class and end of a damage")
            << damage << QStringLiteral("Fehlendes Rohrstück am Schacht/Bauwerksanschluss, Sichtbarer Wasseraustritt, 0cm², "
                                        "Schadensklasse 3, Schadensende Nr. 2");
        damage.continuousDefect = QStringLiteral("G");
        damage.continuousDefectNumber = 0;
        damage.damageClass = 0;
        QTest::newRow("whole section") << damage << QStringLiteral("Fehlendes Rohrstück am Schacht/Bauwerksanschluss, "
                                                                   "Sichtbarer Wasseraustritt, 0cm², Schaden in der gesamten Haltung Nr. 1");
        damage.continuousDefect = QStringLiteral("R");
        QTest::newRow("one pipe length") << damage << QStringLiteral("Fehlendes Rohrstück am Schacht/Bauwerksanschluss, "
                                                                     "Sichtbarer Wasseraustritt, 0cm², Schaden über die gesamte Baulänge des Rohres Nr. 1");
        damage.continuousDefect = QStringLiteral("A");
        QTest::newRow("begin") << damage << QStringLiteral("Fehlendes Rohrstück am Schacht/Bauwerksanschluss, "
                                                           "Sichtbarer Wasseraustritt, 0cm², Schadensanfang Nr. 1");
        ObservationRecord repair = observation("KnRU");
        repair.continuousDefect = QStringLiteral("A");
        QTest::newRow("repair begins") << repair << QStringLiteral("Reparaturstelle/punktuelle Sanierung nicht fachgerecht ausgeführt, "
                                                                   "Altrohr sichtbar, Altmaterial sichtbar, Sohle, Sanierungsmaßnahme Anfang");
        repair.continuousDefect = QStringLiteral("E");
        QTest::newRow("repair ends") << repair << QStringLiteral("Reparaturstelle/punktuelle Sanierung nicht fachgerecht ausgeführt, "
                                                                 "Altrohr sichtbar, Altmaterial sichtbar, Sohle, Sanierungsmaßnahme Ende");
        repair.continuousDefect = QStringLiteral("R");
        QTest::newRow("repair over a pipe") << repair << QStringLiteral("Reparaturstelle/punktuelle Sanierung nicht fachgerecht ausgeführt, "
                                                                        "Altrohr sichtbar, Altmaterial sichtbar, Sohle, "
                                                                        "Sanierungsmaßnahme über die gesamte Baulänge des Rohres");
        ObservationRecord photo = observation("EH");
        photo.photoFile = QStringLiteral("img_000100_2.jpg");
        photo.remark = QStringLiteral("Ende");
        QTest::newRow("photo") << photo << QStringLiteral("Haltungsende, Ende, Foto angelegt");
        photo.code = QStringLiteral("FOTO");
        QTest::newRow("photo observation") << photo << QStringLiteral("Einzelaufnahme angefertigt, Ende");
    }
    void descriptions()
    {
        QFETCH(ObservationRecord, observation);
        QFETCH(QString, text);
        Isybau2001 inv;
        QCOMPARE(inv.observationDescription(observation), text);
    }

    void groupsMarkersAndRows()
    {
        Isybau2001 inv;
        QCOMPARE(inv.codeGroup("HA"), 0);
        QCOMPARE(inv.codeGroup("K"), 0);
        QCOMPARE(inv.codeGroup("A--O"), 0);
        QCOMPARE(inv.codeGroup("AU-R"), 0);
        QCOMPARE(inv.codeGroup("ANAO"), 1);
        QCOMPARE(inv.codeGroup("BAAO"), 1);

        inv.mutableObservations() << at(0, "HA") << at(2, "A--O");
        QVERIFY(!inv.hasStructuralDamage());
        QCOMPARE(inv.summaryRow().color, QColor(0, 0, 0));
        inv.mutableObservations() << at(1, "BAAU");
        QVERIFY(inv.hasStructuralDamage());
        QCOMPARE(inv.summaryRow().color, QColor(200, 0, 0));

        inv.mutableObservations().clear();
        inv.mutableObservations() << at(30, "IAB") << at(0, "HA") << at(5, "A--L") << at(2, "A--O") << at(10, "RLAO")
                                  << at(12, "DRAV") << at(1, "BAAO") << at(8, "HDGU") << at(9, "LLAO") << at(15, "KsAL")
                                  << at(20, "W--F") << at(21, "SEAO") << at(22, "CCAO") << at(23, "GEN");
        const QList<PipeMarker> expected{{4, 1.0}, {1, 2.0}, {0, 5.0}, {5, 8.0}, {6, 9.0}, {2, 10.0},
                                         {3, 12.0}, {8, 15.0}, {7, 30.0}};
        QCOMPARE(inv.pipeMarkers(), expected);
        // The markers leave the inspection's order alone; the rows sort it.
        QCOMPARE(inv.observations().first().code, QStringLiteral("IAB"));

        const QVector<ObservationRow> rows = inv.observationRows();
        QCOMPARE(inv.observations().first().code, QStringLiteral("HA"));
        QCOMPARE(rows.size(), 14);
        QCOMPARE(rows.at(0).label, QStringLiteral("HA"));
        QCOMPARE(rows.at(0).side, 1);
        QCOMPARE(rows.at(0).category, 0);
        QCOMPARE(rows.at(1).label, QStringLiteral("BAAO"));
        QCOMPARE(rows.at(1).side, 1);
        QCOMPARE(rows.at(1).category, 1);
        QCOMPARE(rows.at(3).label, QStringLiteral("A--L"));
        QCOMPARE(rows.at(3).side, 0);
        QCOMPARE(rows.at(4).label, QStringLiteral("HDGU"));
        QCOMPARE(rows.at(4).side, 0);
        QCOMPARE(rows.at(4).text, inv.observationDescription(inv.observations().at(4)));
        QVERIFY(!rows.at(4).color.isValid());
    }

    void startNode()
    {
        Isybau2001 inv;
        QCOMPARE(inv.addStartNode(QTime(0, 0, 3)), QStringLiteral("HA Haltungsanfang"));
        QCOMPARE(inv.observations().size(), 1);
        QCOMPARE(inv.observations().first().videoTime, QTime(0, 0, 3));
        // With observations already there the text is still the one of the node added.
        inv.mutableObservations().prepend(at(4, "BAAO"));
        QCOMPARE(inv.addStartNode(QTime(0, 0, 9)), QStringLiteral("HA Haltungsanfang"));
        QCOMPARE(inv.observations().last().code, QStringLiteral("HA"));
        QCOMPARE(inv.observations().last().distance, 0.0);
    }

    void headerTextsAndLists()
    {
        Isybau2001 inv;
        InspectionHeader h;
        h.date = QDate(2024, 3, 15);
        h.inspector = QStringLiteral("Jörg Weiß");
        h.client = QStringLiteral("Stadt");
        h.town = QStringLiteral("Musterstadt");
        h.street = QStringLiteral("Hauptstraße");
        h.sectionName = QStringLiteral("H1");
        h.startNode = QStringLiteral("S1");
        h.endNode = QStringLiteral("S2");
        h.material = QStringLiteral("SON");
        h.materialText = QStringLiteral("Glas");
        h.profile = QStringLiteral("1");
        h.height = 400.4;
        h.width = 600;
        h.sewerKind = QStringLiteral("7");
        h.sewerKindText = QStringLiteral("Sonderabwasser");
        h.direction = QStringLiteral("U");
        h.videoReference = QStringLiteral("007");
        inv.setMainData(h);
        inv.mutableObservations() << at(-1.5, "HA") << at(30, "EH");
        QCOMPARE(inv.mainDataList(),
                 (QStringList{"ISYBAU2001", "15.03.2024", "Jörg Weiß", "Stadt", "Musterstadt", "Hauptstraße", "S1", "S2",
                              "Glas", "Eiprofil", "600mm", "400mm", "Sonderabwasser", "entgegen der Fließrichtung", "007",
                              "31.50m"}));
        QCOMPARE(inv.mainDataListFull(), QStringList());
        const TocEntry toc = inv.summaryRow();
        QCOMPARE(toc.kind, 0);
        QCOMPARE(toc.material, QStringLiteral("Glas"));
        QCOMPARE(toc.sewerText, QStringLiteral("Sonderabwasser"));
        QCOMPARE(inv.systemText(), 0);
        QCOMPARE(inv.inspectionPrintJob().value(0).section, 1);

        const QString table = inv.mainDataTable().lines().join('\n');
        for (const char *label : {"Operator: ", "Kunde: ", "Ort: ", "Straße: ", "Haltung: ", "oben: ", "unten: ",
                                  "entgegen der Fließrichtung", "Profil: ", "Höhe: ", "Breite: ", "Material: ", "System: ",
                                  "VideoNr: "})
            QVERIFY2(table.contains(QString::fromUtf8(label)), label);
        QVERIFY(table.contains(QStringLiteral("Glas")));
        QVERIFY(!table.contains(QStringLiteral("Durchmesser")));

        // Without a free text, or with an ordinary option, the option's text shows.
        h.materialText.clear();
        h.sewerKind = QStringLiteral("5");
        h.profile = QStringLiteral("0");
        h.direction = QStringLiteral("O");
        inv.setMainData(h);
        QCOMPARE(inv.materialDisplayText(), QStringLiteral("sonstige Werkstoffe"));
        QCOMPARE(inv.systemDisplayText(), QStringLiteral("Druckleitung Regenwasser"));
        QCOMPARE(inv.systemText(), 1);
        QCOMPARE(inv.photoPrintJob().value(0).section, 0);
        QVERIFY(inv.mainDataTable().lines().join('\n').contains(QStringLiteral("Durchmesser: ")));
    }

    void sewerClasses_data()
    {
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<int>("expected");
        QTest::newRow("storm") << "0" << 1;
        QTest::newRow("foul") << "1" << 2;
        QTest::newRow("combined") << "2" << 3;
        QTest::newRow("drainage") << "3" << 0;
        QTest::newRow("foul under pressure") << "6" << 2;
        QTest::newRow("unknown") << "x" << 0;
    }
    void sewerClasses()
    {
        QFETCH(QString, sewerKind);
        QFETCH(int, expected);
        Isybau2001 inv;
        InspectionHeader h;
        h.sewerKind = sewerKind;
        inv.setMainData(h);
        QCOMPARE(inv.systemText(), expected);
    }
};

QTEST_MAIN(TestIsybau2001)
#include "tst_isybau2001.moc"
