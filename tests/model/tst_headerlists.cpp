// The header option lists of the DWA-M 149-2 and ISYBAU 2006 catalogues and the material list of
// ISYBAU 2001 against the public reference list of the file field they fill: a program reading our
// exchange files checks the codes against those lists, so every code must exist there with the
// same meaning, and a list must not leave out codes of its reference.

#include "referencelists.h"

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
