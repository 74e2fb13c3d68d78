#include "foundation/proxystyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyleFactory>
#include <QtTest>

namespace {

QIcon someIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

int textWidth(const QComboBox &combo, const QString &text)
{
    const QString padded = text + QStringLiteral("WW");
    return qMax(QFontMetrics(combo.view()->font()).horizontalAdvance(padded),
                QFontMetrics(combo.font()).horizontalAdvance(padded));
}

void askPopupHint(QComboBox &combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    combo.style()->styleHint(QStyle::SH_ComboBox_Popup, &option, &combo);
}

} // namespace

class TestProxyStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void popupWidth_data();
    void popupWidth();
    void scrollBarRoom();
    void realPopupShowsWidestEntry();
    void otherHints_data();
    void otherHints();
};

void TestProxyStyle::initTestCase()
{
    QApplication::setStyle(new ProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

void TestProxyStyle::popupWidth_data()
{
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("iconRow"); // -1: no icon
    QTest::addColumn<QString>("widest"); // empty: the box's width wins
    QTest::addColumn<bool>("withIcon");

    const QString longText = QStringLiteral("BCA Abzweig, Anschluss geschlossen, Rohrverbindung");
    QTest::newRow("entries narrower than the box") << 400 << QStringList{"a", "bb"} << -1 << "" << false;
    QTest::newRow("widest entry") << 60 << QStringList{"kurz", longText, "mittel lang"} << -1
                                  << longText << false;
    QTest::newRow("icon on the widest entry")
        << 60 << QStringList{"kurz", longText} << 1 << longText << true;
    QTest::newRow("icon on a narrow entry")
        << 60 << QStringList{"kurz", longText} << 0 << longText << false;
    QTest::newRow("empty box") << 80 << QStringList{} << -1 << "" << false;
}

void TestProxyStyle::popupWidth()
{
    QFETCH(int, boxWidth);
    QFETCH(QStringList, items);
    QFETCH(int, iconRow);
    QFETCH(QString, widest);
    QFETCH(bool, withIcon);

    QComboBox combo;
    for (int i = 0; i < items.size(); ++i) {
        if (i == iconRow)
            combo.addItem(someIcon(), items[i]);
        else
            combo.addItem(items[i]);
    }
    combo.resize(boxWidth, 30);
    askPopupHint(combo);

    int expected = boxWidth;
    if (!widest.isEmpty())
        expected = textWidth(combo, widest) + (withIcon ? combo.iconSize().width() : 0);
    QVERIFY(expected >= boxWidth);
    QCOMPARE(combo.view()->width(), expected);
    QCOMPARE(combo.view()->minimumWidth(), expected);
    QCOMPARE(combo.view()->maximumWidth(), expected);
}

void TestProxyStyle::scrollBarRoom()
{
    // An editable combo box lists in a scrolling view (the non-editable one of the platform
    // style scrolls with arrows instead of a bar).
    QComboBox combo;
    combo.setEditable(true);
    for (int i = 0; i < 60; ++i)
        combo.addItem(QStringLiteral("Eintrag Nummer %1").arg(i));
    combo.resize(80, 30);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QTRY_VERIFY(combo.view()->isVisible());
    QScrollBar *bar = combo.view()->verticalScrollBar();
    QVERIFY(bar->isVisible());

    // With the bar shown, the list makes room for it beside the widest entry.
    askPopupHint(combo);
    const int widest = textWidth(combo, QStringLiteral("Eintrag Nummer 59"));
    QCOMPARE(combo.view()->width(), widest + bar->width());
    combo.hidePopup();
}

void TestProxyStyle::realPopupShowsWidestEntry()
{
    const QString longText =
        QStringLiteral("Untersuchung 2024-05-17 Haltung S1234 bis S1235, Schacht oben");
    // Editable: the platform style itself widens only the menu-like pop-up of a fixed list.
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({"Isybau2006", longText, "DanDas"});
    combo.resize(90, 30);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    QTRY_VERIFY(view->isVisible());

    const int needed = QFontMetrics(view->font()).horizontalAdvance(longText);
    QVERIFY2(view->viewport()->width() >= needed,
             qPrintable(QStringLiteral("%1 < %2").arg(view->viewport()->width()).arg(needed)));
    // The pop-up window takes the list's width.
    QVERIFY(view->window()->width() >= view->width());
    QVERIFY(view->window()->width() > combo.width());
    combo.hidePopup();
}

void TestProxyStyle::otherHints_data()
{
    QTest::addColumn<int>("hint");
    QTest::newRow("slider snap") << int(QStyle::SH_Slider_SnapToValue);
    QTest::newRow("combo mouse tracking") << int(QStyle::SH_ComboBox_ListMouseTracking);
    QTest::newRow("combo layout direction") << int(QStyle::SH_ComboBox_LayoutDirection);
    QTest::newRow("dialog buttons") << int(QStyle::SH_DialogButtonLayout);
    QTest::newRow("item view activation") << int(QStyle::SH_ItemView_ActivateItemOnSingleClick);
}

void TestProxyStyle::otherHints()
{
    QFETCH(int, hint);
    const auto h = QStyle::StyleHint(hint);
    QStyle *platform = QStyleFactory::create(QStringLiteral("Fusion"));
    ProxyStyle style(QStyleFactory::create(QStringLiteral("Fusion")));

    QComboBox combo;
    combo.setStyle(platform);
    combo.addItem(QStringLiteral("ein sehr langer Eintrag, der nicht in die Box passt"));
    combo.resize(50, 30);
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    QCOMPARE(style.styleHint(h, &option, &combo), platform->styleHint(h, &option, &combo));
    QCOMPARE(combo.view()->maximumWidth(), QWIDGETSIZE_MAX);
    QCOMPARE(combo.view()->minimumWidth(), 0);
    // The pop-up hint itself keeps the platform's answer.
    QCOMPARE(style.styleHint(QStyle::SH_ComboBox_Popup, &option, &combo),
             platform->styleHint(QStyle::SH_ComboBox_Popup, &option, &combo));
    QVERIFY(combo.view()->maximumWidth() < QWIDGETSIZE_MAX);
    delete platform;
}

QTEST_MAIN(TestProxyStyle)
#include "tst_proxystyle.moc"
