#include "entry/normcatalogdialog.h"

#include "support/model/inspections.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// The dialog as the user sees it, reached by its object names.
struct Browser
{
    explicit Browser(const Investigation *inspection)
        : dialog(inspection)
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }

    QTableWidget *table(int page) const
    {
        return dialog.findChild<QTableWidget *>(QStringLiteral("table_%1").arg(page + 1));
    }
    int page() const { return dialog.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex(); }
    QPushButton *next() const { return dialog.findChild<QPushButton *>(QStringLiteral("next")); }
    QPushButton *back() const { return dialog.findChild<QPushButton *>(QStringLiteral("back")); }

    QStringList codes(int page) const
    {
        QStringList result;
        for (int row = 0; row < table(page)->rowCount(); ++row)
            result << table(page)->item(row, 0)->text();
        return result;
    }
    // Chooses the row of the code on the current page.
    bool choose(const QString &code)
    {
        const int row = codes(page()).indexOf(code);
        if (row < 0)
            return false;
        table(page())->setCurrentCell(row, 0);
        return true;
    }
    void pressNext() { QTest::mouseClick(next(), Qt::LeftButton); }

    NormCatalogDialog dialog;
};

} // namespace

class TestNormCatalogDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false")); }

    void typeThenCode_data();
    void typeThenCode();
    void controlCodeAcceptsAtOnce();
    void damageCodeOfFourLevels();
    void nothingChosenNothingBuilt();
    void escapeGoesBackOnePage();
    void otherKeysDoNothing();
    void noCatalogue();
};

void TestNormCatalogDialog::typeThenCode_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("code");

    QTest::newRow("EN 13508-2") << int(NormEN135082) << QStringLiteral("BA") << QStringLiteral("BAB");
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << QStringLiteral("BA") << QStringLiteral("BAB");
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << QStringLiteral("BD") << QStringLiteral("BDA");
    QTest::newRow("DanDas") << int(NormDanDas) << QStringLiteral("A") << QStringLiteral("RB");
}

void TestNormCatalogDialog::typeThenCode()
{
    QFETCH(int, kind);
    QFETCH(QString, type);
    QFETCH(QString, code);

    const auto inspection = makeInspection(kind);
    Browser browser(inspection.get());
    QCOMPARE(browser.dialog.windowTitle(), QStringLiteral("Katalog"));

    // Page 0: the types in key order, with their texts.
    QStringList types;
    QStringList typeTexts;
    QStringList codes;
    if (auto *en = dynamic_cast<const EN135082Structur *>(inspection.get())) {
        types = en->catalogue().keys();
        for (const NormCatalogType &t : en->catalogue())
            typeTexts << t.text;
        for (const NormCatalogSubtype &sub : en->catalogue().value(type).subtypes)
            codes << sub.token;
    } else {
        auto *dandas = qobject_cast<const DanDas *>(inspection.get());
        types = dandas->catalog().keys();
        for (const DanDasCatalogType &t : dandas->catalog())
            typeTexts << t.text;
        for (const DanDasEntry &entry : dandas->catalog().value(type).entries)
            codes << entry.token;
    }
    QVERIFY(types.size() > 1);
    QCOMPARE(browser.page(), 0);
    QCOMPARE(browser.codes(0), types);
    for (int row = 0; row < typeTexts.size(); ++row)
        QCOMPARE(browser.table(0)->item(row, 1)->text(), typeTexts.at(row));
    QCOMPARE(browser.next()->text(), QStringLiteral("Weiter"));
    QVERIFY(!browser.back()->isEnabled());

    // Page 1: the codes of the chosen type; the last page accepts.
    QVERIFY(browser.choose(type));
    browser.pressNext();
    QCOMPARE(browser.page(), 1);
    QCOMPARE(browser.codes(1), codes);
    QCOMPARE(browser.next()->text(), QStringLiteral("Übernehmen"));
    QVERIFY(browser.back()->isEnabled());

    QVERIFY(browser.choose(code));
    browser.pressNext();
    QCOMPARE(browser.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(browser.dialog.selectedCode(), code);
    QVERIFY(inspection->containsCode(browser.dialog.selectedCode(), true));
}

void TestNormCatalogDialog::controlCodeAcceptsAtOnce()
{
    for (int kind : {int(NormATV), int(NormIsybau2001)}) {
        const auto inspection = makeInspection(kind);
        Browser browser(inspection.get());
        QVERIFY(browser.choose(QStringLiteral("X")));
        browser.pressNext();
        QVERIFY(browser.choose(QStringLiteral("FOTO")));
        QCOMPARE(browser.next()->text(), QStringLiteral("Weiter"));
        browser.pressNext();
        QCOMPARE(browser.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(browser.dialog.selectedCode(), QStringLiteral("FOTO"));
    }
}

void TestNormCatalogDialog::damageCodeOfFourLevels()
{
    Isybau2001 inspection;
    inspection.setNormKind(NormIsybau2001);
    Browser browser(&inspection);

    QVERIFY(browser.choose(QStringLiteral("B")));
    browser.pressNext();
    QVERIFY(browser.codes(1).contains(QStringLiteral("BA")));
    QVERIFY(browser.choose(QStringLiteral("BA")));
    // A double-click goes on as "Weiter" does.
    QTableWidget *names = browser.table(1);
    const QRect cell = names->visualItemRect(names->currentItem());
    // An item view takes a double-click only on the item the button went down on.
    QTest::mousePress(names->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(names->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(browser.page(), 2);

    // The entry's conditions and positions, with the catalogue's texts.
    const AtvEntry *entry = inspection.matchingEntry(QStringLiteral("BAAO"));
    QVERIFY(entry);
    QCOMPARE(browser.codes(2), entry->condition.split(QLatin1Char(','), Qt::SkipEmptyParts));
    QCOMPARE(browser.table(2)->item(0, 1)->text(), inspection.conditionOptions().value(QStringLiteral("A")));
    QVERIFY(browser.choose(QStringLiteral("A")));
    browser.pressNext();
    QCOMPARE(browser.page(), 3);
    QCOMPARE(browser.next()->text(), QStringLiteral("Übernehmen"));
    QCOMPARE(browser.codes(3), entry->position.split(QLatin1Char(','), Qt::SkipEmptyParts));
    QCOMPARE(browser.table(3)->item(0, 1)->text(), inspection.positionOptions().value(QStringLiteral("O")));
    QVERIFY(browser.choose(QStringLiteral("O")));
    browser.pressNext();

    QCOMPARE(browser.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(browser.dialog.selectedCode(), QStringLiteral("BAAO"));
    QVERIFY(inspection.containsCode(browser.dialog.selectedCode(), true));
}

void TestNormCatalogDialog::nothingChosenNothingBuilt()
{
    EN135082 inspection;
    Browser browser(&inspection);

    // Without a row there is nothing to build the next page from and no code to hand back.
    QVERIFY(!browser.next()->isEnabled());
    browser.pressNext();
    QCOMPARE(browser.page(), 0);
    QCOMPARE(browser.dialog.selectedCode(), QString());

    QVERIFY(browser.choose(QStringLiteral("BA")));
    QVERIFY(browser.next()->isEnabled());
    browser.pressNext();
    QCOMPARE(browser.page(), 1);
    QVERIFY(!browser.next()->isEnabled());
    browser.pressNext();
    QVERIFY(browser.dialog.isVisible());
    QCOMPARE(browser.dialog.selectedCode(), QString());

    QVERIFY(browser.choose(QStringLiteral("BAC")));
    QVERIFY(browser.next()->isEnabled());
    browser.table(1)->clearSelection();
    QVERIFY(!browser.next()->isEnabled());
    QCOMPARE(browser.dialog.selectedCode(), QString());
}

void TestNormCatalogDialog::escapeGoesBackOnePage()
{
    Isybau2001 inspection;
    Browser browser(&inspection);
    QVERIFY(browser.choose(QStringLiteral("B")));
    browser.pressNext();
    const QStringList names = browser.codes(1);
    QVERIFY(browser.choose(QStringLiteral("BA")));
    browser.pressNext();
    QCOMPARE(browser.page(), 2);

    // Back on page 1, rebuilt from page 0's row, with no row chosen.
    QTest::keyClick(&browser.dialog, Qt::Key_Escape);
    QCOMPARE(browser.page(), 1);
    QCOMPARE(browser.codes(1), names);
    QCOMPARE(browser.table(1)->currentRow(), -1);
    QVERIFY(!browser.next()->isEnabled());
    QVERIFY(browser.dialog.isVisible());

    QTest::keyClick(&browser.dialog, Qt::Key_Escape);
    QCOMPARE(browser.page(), 0);
    QVERIFY(!browser.back()->isEnabled());
    QCOMPARE(browser.table(0)->currentRow(), -1);
    QVERIFY(browser.dialog.isVisible());

    QTest::keyClick(&browser.dialog, Qt::Key_Escape);
    QVERIFY(!browser.dialog.isVisible());
    QCOMPARE(browser.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(browser.dialog.selectedCode(), QString());
}

void TestNormCatalogDialog::otherKeysDoNothing()
{
    EN135082 inspection;
    Browser browser(&inspection);
    QVERIFY(browser.choose(QStringLiteral("BA")));
    browser.pressNext();
    QVERIFY(browser.choose(QStringLiteral("BAB")));
    QTest::keyClick(&browser.dialog, Qt::Key_Return);
    QTest::keyClick(&browser.dialog, Qt::Key_Enter);
    QVERIFY(browser.dialog.isVisible());
    QCOMPARE(browser.page(), 1);
}

void TestNormCatalogDialog::noCatalogue()
{
    Freetext inspection;
    Browser browser(&inspection);
    QCOMPARE(browser.table(0)->rowCount(), 0);
    QVERIFY(!browser.next()->isEnabled());
    QCOMPARE(browser.dialog.selectedCode(), QString());
}

QTEST_MAIN(TestNormCatalogDialog)
#include "tst_normcatalogdialog.moc"
