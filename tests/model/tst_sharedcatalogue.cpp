#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"

#include <QLoggingCategory>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

namespace {

// Changes its own catalogue and lists, as an editor of a subclass could.
class ChangedDwa : public DWAM1492
{
public:
    void change()
    {
        m_catalogue.remove(QStringLiteral("BA"));
        m_options.material.insert(QStringLiteral("ZZ"), QStringLiteral("changed"));
    }
};

} // namespace

// Inspections of one standard and language share one catalogue, read once; a change to one
// inspection's lists stays its own.
class TestSharedCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // First in this process: no DanDas catalogue has been read yet, so the threads race for it.
    void firstReadOnManyThreads()
    {
        constexpr int kThreads = 8;
        std::vector<std::unique_ptr<DanDas>> made(kThreads);
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&made, i] { made[i] = std::make_unique<DanDas>(); });
        for (std::thread &thread : threads)
            thread.join();
        QVERIFY(!made.front()->catalog().isEmpty());
        QVERIFY(!made.front()->materialOptions().isEmpty());
        for (const auto &inspection : made) {
            QVERIFY(inspection->catalog().isSharedWith(made.front()->catalog()));
            QCOMPARE(inspection->materialOptions(), made.front()->materialOptions());
            QCOMPARE(inspection->codes(), made.front()->codes());
        }
    }

    void sameStandardShares()
    {
        {
            const EN135082 a(QStringLiteral("de"));
            const EN135082 b(QStringLiteral("de"));
            QVERIFY(!a.catalogue().isEmpty());
            QVERIFY(a.catalogue().isSharedWith(b.catalogue()));
            QVERIFY(a.systemOptions().isSharedWith(b.systemOptions()));
            QCOMPARE(a.codes(), b.codes());
        }
        {
            const DWAM1492 a;
            const DWAM1492 b;
            QVERIFY(!a.catalogue().isEmpty());
            QVERIFY(a.catalogue().isSharedWith(b.catalogue()));
            QVERIFY(a.pipeTypeOptions().isSharedWith(b.pipeTypeOptions()));
        }
        {
            const Isybau2006 a;
            const Isybau2006 b;
            QVERIFY(!a.catalogue().isEmpty());
            QVERIFY(a.catalogue().isSharedWith(b.catalogue()));
            QVERIFY(a.nodeTypeOptions().isSharedWith(b.nodeTypeOptions()));
        }
        {
            const Isybau2001 a;
            const Isybau2001 b;
            QVERIFY(!a.catalog().isEmpty());
            QVERIFY(a.catalog().isSharedWith(b.catalog()));
            QVERIFY(a.snumOptions().isSharedWith(b.snumOptions()));
        }
    }

    // Each language keeps its own catalogue, and the standards do not mix theirs up either.
    void languagesAndStandardsStayApart()
    {
        const EN135082 german(QStringLiteral("de"));
        const EN135082 english(QStringLiteral("en"));
        const EN135082 germanAgain(QStringLiteral("de"));
        QVERIFY(!english.catalogue().isEmpty());
        QVERIFY(!german.catalogue().isSharedWith(english.catalogue()));
        QVERIFY(german.catalogue().value(QStringLiteral("BA")).text != english.catalogue().value(QStringLiteral("BA")).text);
        QCOMPARE(germanAgain.catalogue().value(QStringLiteral("BA")).text, german.catalogue().value(QStringLiteral("BA")).text);

        const DWAM1492 dwa;
        const Isybau2006 isybau;
        QVERIFY(!dwa.catalogue().isSharedWith(isybau.catalogue()));
        QVERIFY(!dwa.catalogue().isSharedWith(german.catalogue()));
    }

    void changeStaysWithItsInspection()
    {
        ChangedDwa changed;
        changed.change();
        QVERIFY(!changed.catalogue().contains(QStringLiteral("BA")));
        QCOMPARE(changed.materialOptions().value(QStringLiteral("ZZ")), QStringLiteral("changed"));

        const DWAM1492 later;
        QVERIFY(later.catalogue().contains(QStringLiteral("BA")));
        QVERIFY(!later.materialOptions().contains(QStringLiteral("ZZ")));
        QVERIFY(!later.catalogue().isSharedWith(changed.catalogue()));
    }

    // A language without catalogue file stays empty and does not take another language's.
    void languageWithoutCatalogueStaysEmpty()
    {
        const EN135082 german(QStringLiteral("de"));
        const EN135082 none(QStringLiteral("zz"));
        QVERIFY(none.catalogue().isEmpty());
        QVERIFY(none.systemOptions().isEmpty());
    }
};

QTEST_MAIN(TestSharedCatalogue)
#include "tst_sharedcatalogue.moc"
