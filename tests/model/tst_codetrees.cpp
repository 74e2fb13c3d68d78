// The code trees of the catalogues (which characterisation-1 letters a pipe code offers and
// which characterisation-2 letters go with each) against the public code tables: DWA-M 149-2 and
// ISYBAU 2006 against the 2013 edition's pipe tables (the edition the DWA file names), EN 13508-2
// against the EN part of the Swiss VSA-KEK list. Deliberate differences are listed with their
// reason; a listed code that no longer differs fails too, so the list stays true.

#include "model/en135082structur.h"
#include "referencelists.h"

#include <QSet>
#include <QtTest>

using namespace ReferenceLists;

namespace {

using Tree = QHash<QString, QSet<QString>>; // code -> "char1/char2" pairs ("/" for a code without)

Tree catalogueTree(const QString &file)
{
    EN135082Structur structure;
    structure.readCatalogFile(normFolder() + QLatin1Char('/') + file, {});
    Tree tree;
    for (const NormCatalogType &type : structure.catalogue()) {
        for (const NormCatalogSubtype &sub : type.subtypes) {
            QSet<QString> &pairs = tree[sub.token];
            if (sub.character1.isEmpty())
                pairs << QStringLiteral("/");
            for (const NormCatalogOption &o : sub.character1) {
                if (o.allowedCharacter2.isEmpty())
                    pairs << o.token + QLatin1Char('/');
                for (const QString &c2 : o.allowedCharacter2)
                    pairs << o.token + QLatin1Char('/') + c2;
            }
        }
    }
    return tree;
}

Tree pipeTables2013()
{
    Tree tree;
    for (const auto &row : readCsv(referenceFolder() + QStringLiteral("/dwa-m149-2-pipe-codes-bfr-texts.csv")))
        tree[row.value(QStringLiteral("code")).trimmed()] << row.value(QStringLiteral("char1")).trimmed() + QLatin1Char('/')
                                                                  + row.value(QStringLiteral("char2")).trimmed();
    return tree;
}

Tree vsaKekPipeCodes()
{
    Tree tree;
    for (const auto &row : readCsv(referenceFolder() + QStringLiteral("/en13508-2-codes-vsa-kek-de-fr-it.csv"))) {
        if (row.value(QStringLiteral("object")) != QLatin1String("channel"))
            continue;
        const QString code = row.value(QStringLiteral("code")).trimmed();
        tree[code.left(3)] << code.mid(3, 1) + QLatin1Char('/') + code.mid(4, 1);
    }
    return tree;
}

QString describe(const QSet<QString> &pairs)
{
    QStringList list = pairs.values();
    list.sort();
    return list.join(QLatin1Char(' '));
}

// Differences between a catalogue and its reference, except for the listed codes.
QStringList differences(const Tree &ours, const Tree &reference, const QHash<QString, QString> &deliberate, bool pipeCodesOnly)
{
    QSet<QString> codes;
    for (auto it = ours.cbegin(); it != ours.cend(); ++it)
        codes << it.key();
    for (auto it = reference.cbegin(); it != reference.cend(); ++it)
        codes << it.key();
    QStringList problems;
    for (const QString &code : codes) {
        if (pipeCodesOnly && !code.startsWith(QLatin1Char('B')))
            continue;
        const QSet<QString> mine = ours.value(code);
        const QSet<QString> theirs = reference.value(code);
        const bool differ = mine != theirs;
        if (differ && !deliberate.contains(code)) {
            problems << QStringLiteral("%1: only here: %2; only in the reference: %3")
                            .arg(code, describe(QSet<QString>(mine).subtract(theirs)), describe(QSet<QString>(theirs).subtract(mine)));
        } else if (!differ && deliberate.contains(code)) {
            problems << QStringLiteral("%1 agrees now: drop it from the deliberate differences").arg(code);
        }
    }
    problems.sort();
    return problems;
}

// Where the DWA-M 149-2 and ISYBAU 2006 catalogues depart from the 2013 tables' transcription.
const QHash<QString, QString> kDwaDeliberate{
    {QStringLiteral("BAD"), QStringLiteral("characterisation 2 (further layer visible) only with B (bricks missing), as the combination list gives it")},
    {QStringLiteral("BAF"), QStringLiteral("H, I and K take a characterisation 2, as the combination list gives it")},
    {QStringLiteral("BAL"), QStringLiteral("every characterisation 1 takes the direction A-D, as the combination list gives it")},
    {QStringLiteral("BDB"), QStringLiteral("the transcription's two-letter keys are doubtful; a general remark has no characterisation")},
    {QStringLiteral("BDC"), QStringLiteral("the transcription's characterisation 1 \"Y\" is doubtful; the reasons A, B, C, Z are kept")},
    {QStringLiteral("BDD"), QStringLiteral("\"B\" only says that the letter is no longer used")},
    {QStringLiteral("BDE"), QStringLiteral("\"B\" only says that the letter is no longer used")},
};

const QHash<QString, QString> kDwaOnly{
    {QStringLiteral("BAI"), QStringLiteral("\"Z\" takes characterisation 2 \"Y\", as the combination list gives it")},
};

// Where the EN catalogue departs from the Swiss list's EN part: the Swiss coding's own additions.
const QHash<QString, QString> kEnDeliberate{
    {QStringLiteral("AEC"), QStringLiteral("the Swiss list writes \"X\" as characterisation 1 and the shape as characterisation 2")},
    {QStringLiteral("AED"), QStringLiteral("the Swiss list writes \"X\" as characterisation 1 and the material as characterisation 2")},
    {QStringLiteral("BAG"), QStringLiteral("the Swiss list adds a characterisation \"A\"")},
    {QStringLiteral("BCD"), QStringLiteral("the Swiss list codes the start node \"XP\"; EN names the node kind")},
    {QStringLiteral("BCE"), QStringLiteral("the Swiss list codes the end node \"XP\"; EN names the node kind")},
    {QStringLiteral("BDB"), QStringLiteral("the Swiss list adds characterisations to the general remark")},
    {QStringLiteral("BDE"), QStringLiteral("the Swiss list adds characterisation 1 \"Y\"")},
};

} // namespace

class TestCodeTrees : public QObject
{
    Q_OBJECT

private slots:
    void pipeCodesMatchTheTables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("dwa");
        QTest::newRow("DWA-M 149-2") << QStringLiteral("DWAM1492.xml") << true;
        QTest::newRow("ISYBAU 2006") << QStringLiteral("Isybau2006.xml") << false;
    }

    void pipeCodesMatchTheTables()
    {
        QFETCH(QString, file);
        QFETCH(bool, dwa);
        const Tree reference = pipeTables2013();
        QVERIFY(reference.size() > 30);
        QHash<QString, QString> deliberate = kDwaDeliberate;
        if (dwa)
            deliberate.insert(kDwaOnly);
        const QStringList problems = differences(catalogueTree(file), reference, deliberate, true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void enCodeTreeMatchesTheSwissList()
    {
        const Tree reference = vsaKekPipeCodes();
        QVERIFY(reference.size() > 30);
        const QStringList problems = differences(catalogueTree(QStringLiteral("EN_135082_de.xml")), reference, kEnDeliberate, false);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The comparison itself: a missing letter, an extra letter and a stale exception are found.
    void comparisonFindsDifferences()
    {
        const Tree reference{{QStringLiteral("BCC"), {QStringLiteral("A/A"), QStringLiteral("A/B")}},
                             {QStringLiteral("BDB"), {QStringLiteral("/")}}};
        const Tree ours{{QStringLiteral("BCC"), {QStringLiteral("A/A"), QStringLiteral("A/Y")}}, {QStringLiteral("BDB"), {QStringLiteral("/")}}};
        const QStringList problems = differences(ours, reference, {{QStringLiteral("BDB"), QStringLiteral("x")}}, true);
        QCOMPARE(problems, (QStringList{QStringLiteral("BCC: only here: A/Y; only in the reference: A/B"),
                                        QStringLiteral("BDB agrees now: drop it from the deliberate differences")}));
    }
};

QTEST_MAIN(TestCodeTrees)
#include "tst_codetrees.moc"
