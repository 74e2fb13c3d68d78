// The header option lists of the DWA-M 149-2 and ISYBAU 2006 catalogues and the material list of
// ISYBAU 2001 against the public reference list of the file field they fill: a program reading our
// exchange files checks the codes against those lists, so every code must exist there with the
// same meaning, and a list must not leave out codes of its reference.

#include "referencelists.h"
#include "support/model/inspections.h"
#include "support/testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ReferenceLists;

namespace {

// Spelling slips of the reference sources, corrected in our texts.
QString corrected(QString text)
{
    static const QList<QPair<QString, QString>> slips{
        {QStringLiteral("Asbestzememt"), QStringLiteral("Asbestzement")},
        {QStringLiteral("Nichtidentifizietes"), QStringLiteral("Nichtidentifiziertes")},
        {QStringLiteral("Nichtidenfizierter"), QStringLiteral("Nichtidentifizierter")},
        {QStringLiteral("kunststoffmodfiziert"), QStringLiteral("kunststoffmodifiziert")},
        {QStringLiteral("Vynylesterharz"), QStringLiteral("Vinylesterharz")},
        {QStringLiteral("LInr"), QStringLiteral("Liner")},
        {QStringLiteral("kreisförmg"), QStringLiteral("kreisförmig")},
        {QStringLiteral("Fliessrichtung"), QStringLiteral("Fließrichtung")}};
    for (const auto &slip : slips)
        text.replace(slip.first, slip.second);
    return text;
}

} // namespace

class TestHeaderLists : public QObject
{
    Q_OBJECT

private slots:
    void referencesPresent()
    {
        // G200's name holds a line break inside quotes: the reader must keep such rows whole.
        QCOMPARE(referenceList(QStringLiteral("G102")).value(QStringLiteral("P")), QStringLiteral("Porosit"));
        QCOMPARE(referenceList(QStringLiteral("105")).value(QStringLiteral("SZB")), QStringLiteral("Spritzbeton"));
        QCOMPARE(referenceList(QStringLiteral("G205")).size(), 14);
    }

    void listsMatchTheirReference_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("reference");
        // codes the list keeps although the reference lacks them (each with its reason below)
        QTest::addColumn<QStringList>("authored");

        const QString dwa = QStringLiteral("DWAM1492.xml");
        QTest::newRow("DWA sewer kind HG301") << dwa << "pipe_types" << "103" << QStringList();
        QTest::newRow("DWA sewer use HG302") << dwa << "pipe_use" << "104" << QStringList();
        QTest::newRow("DWA material HG304") << dwa << "material" << "105" << QStringList();
        QTest::newRow("DWA profile HG305") << dwa << "section" << "106" << QStringList();
        // HG308 "Profilauskleidung" takes table 107; table 120 is the manholes' "Innenschutz".
        QTest::newRow("DWA lining HG308") << dwa << "lining" << "107" << QStringList();
        QTest::newRow("DWA reason HI004") << dwa << "reasons" << "201" << QStringList();
        QTest::newRow("DWA video medium HI114") << dwa << "video_medium" << "207" << QStringList();

        const QString isy = QStringLiteral("Isybau2006.xml");
        QTest::newRow("ISYBAU Kanalart") << isy << "system" << "G101" << QStringList();
        QTest::newRow("ISYBAU Material") << isy << "material" << "G102" << QStringList();
        QTest::newRow("ISYBAU Innenschutz") << isy << "protection" << "G103" << QStringList();
        QTest::newRow("ISYBAU Profilart") << isy << "section" << "G205" << QStringList();
        QTest::newRow("ISYBAU Knotentyp") << isy << "node_types" << "G300" << QStringList();
        QTest::newRow("ISYBAU Rohrleitungstyp") << isy << "pipe_types" << "U100" << QStringList();
        QTest::newRow("ISYBAU Anlagentyp") << isy << "installation_types" << "U103" << QStringList();
        QTest::newRow("ISYBAU Inspektionsrichtung") << isy << "direction" << "U104" << QStringList();
        QTest::newRow("ISYBAU BezugspunktLage") << isy << "start_position" << "U105" << QStringList();
        QTest::newRow("ISYBAU Wasserhaltung") << isy << "hold_back" << "U107" << QStringList();
        QTest::newRow("ISYBAU VideoSpeichermedium") << isy << "video_medium" << "U110" << QStringList();
        QTest::newRow("ISYBAU ArtAuskleidung") << isy << "lining" << "U114" << QStringList();
        QTest::newRow("ISYBAU HerkunftProfilmasse") << isy << "section_source" << "U124" << QStringList();
        QTest::newRow("ISYBAU HerkunftMaterial") << isy << "material_source" << "U125" << QStringList();

        // ISYBAU 2001 has no list of its own among the references; its material codes are a subset
        // of the ISYBAU material list, "SON" (other material) being the 2001 file's own.
        QTest::newRow("ISYBAU 2001 material") << QStringLiteral("ATV.xml") << "material" << "G102" << QStringList{QStringLiteral("SON")};
    }

    void listsMatchTheirReference()
    {
        QFETCH(QString, file);
        QFETCH(QString, list);
        QFETCH(QString, reference);
        QFETCH(QStringList, authored);

        const QMap<QString, QString> ours = catalogueList(file, list);
        const QMap<QString, QString> theirs = referenceList(reference);
        QVERIFY2(!ours.isEmpty(), qPrintable(list + QStringLiteral(" is empty")));
        QVERIFY(!theirs.isEmpty());

        QStringList problems;
        for (auto it = ours.cbegin(); it != ours.cend(); ++it) {
            if (authored.contains(it.key()))
                continue;
            if (!theirs.contains(it.key()))
                problems << QStringLiteral("\"%1\" (%2) is no code of %3").arg(it.key(), it.value(), reference);
            else if (it.value() != corrected(theirs.value(it.key())))
                problems << QStringLiteral("\"%1\" means \"%2\" in %3, not \"%4\"").arg(it.key(), theirs.value(it.key()), reference, it.value());
        }
        // The ISYBAU 2001 file keeps its own, shorter material list; the others offer every code.
        if (file != QLatin1String("ATV.xml")) {
            for (auto it = theirs.cbegin(); it != theirs.cend(); ++it) {
                if (!ours.contains(it.key()))
                    problems << QStringLiteral("\"%1\" (%2) of %3 is missing").arg(it.key(), it.value(), reference);
            }
        }
        for (const QString &code : authored) {
            if (!ours.contains(code))
                problems << QStringLiteral("the authored code \"%1\" is no longer in the list: drop it from this test").arg(code);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The DWA lists fixed in the program use the keys of their tables (their texts are shorter).
    void dwaFixedListsUseTheTableKeys()
    {
        DWAM1492 inv;
        QCOMPARE(inv.cleaningOptions().keys(), referenceList(QStringLiteral("205")).keys());
        QCOMPARE(inv.flowControlOptions().keys(), referenceList(QStringLiteral("206")).keys());
    }

    // Codes the lists and catalogues no longer offer still load and are saved again unchanged:
    // the file keeps what the user once chose.
    void droppedCodesSurviveLoadAndSave_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("sewerKind");
        QTest::addColumn<QString>("videoMedium");
        QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << "H1.xml" << "BCC" << "PVC" << "L" << "4";
        QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << "H1.xml" << "BBH" << "X" << "DW" << "7";
        QTest::newRow("EN 13508-2") << int(NormEN135082) << "H1.xml" << "AEE" << "Q" << "Q" << ""; // no video medium in this file
    }

    void droppedCodesSurviveLoadAndSave()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QString, code);
        QFETCH(QString, material);
        QFETCH(QString, sewerKind);
        QFETCH(QString, videoMedium);
        QTemporaryDir dir;
        ReporterCapture capture;
        auto out = makeInspection(kind);
        InspectionHeader h;
        h.sectionName = QStringLiteral("H1");
        h.material = material;
        h.sewerKind = sewerKind;
        h.videoMedium = videoMedium;
        h.date = QDate(2025, 5, 6);
        h.time = QTime(9, 30);
        out->setMainData(h);
        ObservationRecord o;
        o.distance = 2.5;
        o.code = code;
        o.character1 = QStringLiteral("Y");
        o.character2 = QStringLiteral("Y");
        out->mutableObservations() << o;
        out->setFolder(dir.path());
        out->setFileName(file);
        QVERIFY(out->save());
        QFile written(dir.filePath(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray first = written.readAll();
        written.close();

        auto in = makeInspection(kind);
        QVERIFY(in->load(dir.filePath(file)));
        QCOMPARE(in->mainData().material, material);
        QCOMPARE(in->mainData().sewerKind, sewerKind);
        QCOMPARE(in->mainData().videoMedium, videoMedium);
        QCOMPARE(in->observations().size(), 1);
        QCOMPARE(in->observations().first().code, code);
        QCOMPARE(in->observations().first().character1, QStringLiteral("Y"));
        QCOMPARE(in->observations().first().character2, QStringLiteral("Y"));
        in->setFolder(dir.path());
        in->setFileName(file);
        QVERIFY(in->save());
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray second = written.readAll();
        if (second != first) {
            const QList<QByteArray> a = first.split('\n'), b = second.split('\n');
            for (int i = 0; i < qMin(a.size(), b.size()); ++i)
                QCOMPARE(b.at(i), a.at(i));
        }
        QCOMPARE(second, first);
        QCOMPARE(capture.errors(), QStringList());
    }

    // Lists our files need for which the references give no table: the DWA start point (field
    // HI102 names no reference table). They are authored; this pins their codes so that a change
    // is a decision.
    void authoredLists()
    {
        QCOMPARE(catalogueList(QStringLiteral("DWAM1492.xml"), QStringLiteral("start_position")).keys(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Z")}));
    }
};

QTEST_MAIN(TestHeaderLists)
#include "tst_headerlists.moc"
