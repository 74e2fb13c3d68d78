#include "entry/codechoice.h"
#include "support/formaccess.h"

#include <QComboBox>
#include <QtTest>

namespace {

// "B1" and "B2" share a text; "10" sorts before "2".
OptionMap options()
{
    return {{QStringLiteral("2"), QStringLiteral("Zwei")},
            {QStringLiteral("10"), QStringLiteral("Zehn")},
            {QStringLiteral("B1"), QStringLiteral("Beton")},
            {QStringLiteral("B2"), QStringLiteral("Beton")}};
}

} // namespace

class TestCodeChoice : public QObject
{
    Q_OBJECT

private slots:
    void itemsInCodeOrder();
    void showAndStore_data();
    void showAndStore();
    void codeOfText();
};

void TestCodeChoice::itemsInCodeOrder()
{
    QComboBox box;
    CodeChoice choice(&box, options(), QStringLiteral("keine Angabe"));
    choice.fill();
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items << box.itemText(i);
        QVERIFY(!box.itemData(i).isValid());
    }
    QCOMPARE(items, (QStringList{"keine Angabe", "Zehn", "Zwei", "Beton", "Beton"}));

    // Refilling with another list replaces the items.
    choice.fill({{QStringLiteral("A"), QStringLiteral("Kreisprofil")}});
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemText(1), QStringLiteral("Kreisprofil"));
}

// stored: the code shown; leading: with "keine Angabe" first; firstItem: a missing code shows the
// first item; choose: the item the user then chooses (-1: none, the box is left as shown).
void TestCodeChoice::showAndStore_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("leading");
    QTest::addColumn<bool>("firstItem");
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<int>("choose");
    QTest::addColumn<QString>("result");

    QTest::newRow("known, untouched") << "2" << false << false << 1 << -1 << "2";
    QTest::newRow("known, another chosen") << "2" << false << false << 1 << 0 << "10";
    QTest::newRow("second of a shared text, untouched") << "B2" << false << false << 3 << -1 << "B2";
    QTest::newRow("second of a shared text, chosen again") << "B2" << false << false << 3 << 3 << "B1";
    QTest::newRow("unknown, untouched") << "X9" << false << false << -1 << -1 << "X9";
    QTest::newRow("unknown, item chosen") << "X9" << false << false << -1 << 2 << "B1";
    QTest::newRow("empty, untouched") << "" << false << false << -1 << -1 << "";
    QTest::newRow("unknown beside keine Angabe, untouched") << "X9" << true << false << 0 << -1 << "X9";
    QTest::newRow("unknown, keine Angabe chosen") << "X9" << true << false << 0 << 0 << "";
    QTest::newRow("known, keine Angabe chosen") << "10" << true << false << 1 << 0 << "";
    QTest::newRow("empty beside keine Angabe") << "" << true << false << 0 << -1 << "";
    QTest::newRow("empty shown as first item") << "" << false << true << 0 << -1 << "10";
    QTest::newRow("unknown shown as first item, untouched") << "X9" << false << true << 0 << -1 << "X9";
    QTest::newRow("unknown shown as first item, chosen") << "X9" << false << true << 0 << 0 << "10";
}

void TestCodeChoice::showAndStore()
{
    QFETCH(QString, stored);
    QFETCH(bool, leading);
    QFETCH(bool, firstItem);
    QFETCH(int, shownIndex);
    QFETCH(int, choose);
    QFETCH(QString, result);

    QComboBox box;
    box.show();
    CodeChoice choice(&box, options(), leading ? QStringLiteral("keine Angabe") : QString());
    choice.fill();
    choice.show(stored, firstItem ? CodeChoice::Missing::FirstItem : CodeChoice::Missing::NoSelection);
    QCOMPARE(box.currentIndex(), shownIndex);
    QVERIFY(!choice.isChanged());
    if (choose >= 0) {
        chooseItem(&box, choose);
        QCOMPARE(box.currentIndex(), choose);
        QVERIFY(choice.isChanged());
    }
    QCOMPARE(choice.code(), result);
}

void TestCodeChoice::codeOfText()
{
    QCOMPARE(CodeChoice::codeOf(options(), QStringLiteral("Beton")), QStringLiteral("B1"));
    QCOMPARE(CodeChoice::codeOf(options(), QStringLiteral("beton")), QString());
    QCOMPARE(CodeChoice::codeOf(options(), QString()), QString());

    // A box moved by the program (not through activated()) counts as changed too.
    QComboBox box;
    CodeChoice choice(&box, options());
    choice.fill();
    choice.show(QStringLiteral("B2"));
    box.setCurrentIndex(2);
    QCOMPARE(choice.code(), QStringLiteral("B1"));
    QCOMPARE(choice.selectedCode(), QStringLiteral("B1"));

    // Without items there is nothing to give but the stored code.
    QComboBox empty;
    CodeChoice none(&empty, OptionMap());
    none.fill();
    none.show(QStringLiteral("7"), CodeChoice::Missing::FirstItem);
    QCOMPARE(empty.currentIndex(), -1);
    QCOMPARE(none.code(), QStringLiteral("7"));
    QCOMPARE(none.selectedCode(), QString());
}

QTEST_MAIN(TestCodeChoice)
#include "tst_codechoice.moc"
