#include "foundation/anglewidget.h"
#include "foundation/listwidget.h"
#include "foundation/slider.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <cmath>

namespace {

bool isYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 100; }
bool isOrange(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 100 && qGreen(c) < 170 && qBlue(c) < 100;
}

// The colour a pointer at `degrees` would have, 10 px out from the dial's centre.
QRgb pointerPixel(AngleWidget &w, double degrees)
{
    const QImage image = w.grab().toImage();
    const double t = qDegreesToRadians(degrees);
    const QPoint centre(w.width() / 2, w.height() / 2);
    return image.pixel(centre + QPoint(qRound(10 * std::cos(t)), -qRound(10 * std::sin(t))));
}

void moveTo(QWidget &w, const QPoint &at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

} // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void angleFromClick_data();
    void angleFromClick();
    void angleOtherButtons();
    void setAngleShowsWithoutSignal();
    void hoverPointer();
    void listToggle();
    void listOtherKeys();
    void sliderJump_data();
    void sliderJump();
    void sliderOtherButtons();
    void sliderWithoutExtent();
};

void TestSmallWidgets::angleFromClick_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<double>("angle"); // -1: outside the dial, no signal

    const QSize s(200, 100); // dial radius for clicks: 45
    QTest::newRow("up right") << s << QPoint(20, -20) << 45.0;
    QTest::newRow("up left") << s << QPoint(-20, -20) << 135.0;
    QTest::newRow("down left") << s << QPoint(-20, 20) << 225.0;
    QTest::newRow("down right") << s << QPoint(20, 20) << 315.0;
    QTest::newRow("right") << s << QPoint(20, 0) << 0.0;
    QTest::newRow("up") << s << QPoint(0, -20) << 90.0;
    QTest::newRow("left") << s << QPoint(-20, 0) << 180.0;
    QTest::newRow("down") << s << QPoint(0, 20) << 270.0;
    QTest::newRow("centre") << s << QPoint(0, 0) << 90.0;
    QTest::newRow("far down right") << s << QPoint(31, 31) << 315.0;
    QTest::newRow("far up left") << s << QPoint(-31, -31) << 135.0;
    QTest::newRow("just below 45") << s << QPoint(20, -19) << 43.0;
    QTest::newRow("just above 45") << s << QPoint(19, -20) << 46.0;
    QTest::newRow("just above 0") << s << QPoint(40, -1) << 1.0;
    QTest::newRow("just below 360") << s << QPoint(40, 1) << 358.0;
    QTest::newRow("just below 180") << s << QPoint(-40, -1) << 178.0;
    QTest::newRow("just above 180") << s << QPoint(-40, 1) << 181.0;
    QTest::newRow("on the rim right") << s << QPoint(45, 0) << 0.0;
    QTest::newRow("on the rim up") << s << QPoint(0, -45) << 90.0;
    QTest::newRow("outside right") << s << QPoint(46, 0) << -1.0;
    QTest::newRow("outside left") << s << QPoint(-46, 0) << -1.0;
    QTest::newRow("outside down") << s << QPoint(0, 46) << -1.0;
    QTest::newRow("outside diagonal") << s << QPoint(32, 32) << -1.0;
    // Odd sizes: the centre is at the halves rounded down.
    QTest::newRow("odd size up right") << QSize(201, 101) << QPoint(20, -20) << 45.0;
    QTest::newRow("odd size down left") << QSize(201, 101) << QPoint(-20, 20) << 225.0;
    QTest::newRow("tall widget") << QSize(100, 300) << QPoint(0, -45) << 90.0;
    QTest::newRow("tall widget outside") << QSize(100, 300) << QPoint(0, -46) << -1.0;
}

void TestSmallWidgets::angleFromClick()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, offset);
    QFETCH(double, angle);

    AngleWidget w;
    w.setFixedSize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy spy(&w, &AngleWidget::angleChanged);

    const QPoint centre(size.width() / 2, size.height() / 2);
    QTest::mouseClick(&w, Qt::LeftButton, {}, centre + offset);
    if (angle < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), angle);
    }
}

void TestSmallWidgets::angleOtherButtons()
{
    AngleWidget w;
    w.setFixedSize(200, 100);
    w.show();
    QSignalSpy spy(&w, &AngleWidget::angleChanged);
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(120, 30));
    QTest::mouseClick(&w, Qt::MiddleButton, {}, QPoint(120, 30));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!isYellow(pointerPixel(w, 45)));
}

void TestSmallWidgets::setAngleShowsWithoutSignal()
{
    AngleWidget w;
    w.setFixedSize(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy spy(&w, &AngleWidget::angleChanged);

    // No pointer before a direction is chosen.
    for (double a : {0.0, 30.0, 90.0, 210.0})
        QVERIFY(!isYellow(pointerPixel(w, a)));

    w.setAngle(30);
    QCOMPARE(spy.count(), 0);
    QVERIFY(isYellow(pointerPixel(w, 30)));
    QVERIFY(!isYellow(pointerPixel(w, 210)));
    QVERIFY(!isYellow(pointerPixel(w, 330)));

    // A click moves the pointer to the clicked direction.
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(100 - 20, 50 + 20));
    QCOMPARE(spy.count(), 1);
    QVERIFY(isYellow(pointerPixel(w, 225)));
    QVERIFY(!isYellow(pointerPixel(w, 30)));
}

void TestSmallWidgets::hoverPointer()
{
    AngleWidget w;
    w.setFixedSize(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.hasMouseTracking());
    QSignalSpy spy(&w, &AngleWidget::angleChanged);

    moveTo(w, QPoint(100 - 20, 50 - 20));
    QVERIFY(isOrange(pointerPixel(w, 135)));
    // Leaving the widget from inside the dial keeps the pointer.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&w, &leave);
    QVERIFY(isOrange(pointerPixel(w, 135)));
    // A move with a button held is no hover.
    moveTo(w, QPoint(100 + 20, 50), Qt::LeftButton);
    QVERIFY(isOrange(pointerPixel(w, 135)));
    QVERIFY(!isOrange(pointerPixel(w, 0)));
    // Outside the dial the pointer goes.
    moveTo(w, QPoint(100 + 46, 50));
    QVERIFY(!isOrange(pointerPixel(w, 135)));
    QCOMPARE(spy.count(), 0);
}

void TestSmallWidgets::listToggle()
{
    ListWidget list;
    for (const char *text : {"Haltung 1", "Haltung 2", "fest"}) {
        auto *item = new QListWidgetItem(QString::fromLatin1(text), &list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    list.item(1)->setCheckState(Qt::Checked);
    // An item without flags is left alone.
    list.item(2)->setFlags(Qt::NoItemFlags);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const auto states = [&list] {
        QString s;
        for (int i = 0; i < list.count(); ++i)
            s += list.item(i)->checkState() == Qt::Checked ? 'x' : '-';
        return s;
    };

    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(states(), QStringLiteral("---"));
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(states(), QStringLiteral("xx-"));
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(states(), QStringLiteral("xx-"));
    QTest::keyClick(&list, Qt::Key_A);
    QCOMPARE(states(), QStringLiteral("xx-"));
    list.item(0)->setCheckState(Qt::Unchecked);
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(states(), QStringLiteral("---"));
}

void TestSmallWidgets::listOtherKeys()
{
    ListWidget list;
    list.addItems({"a", "b", "c"});
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentRow(), 1);
    // Ctrl+A is the toggle here, not the view's select-all.
    list.clearSelection();
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list.selectedItems().size(), 0);
}

void TestSmallWidgets::sliderJump_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("at"); // x for horizontal, y for vertical
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("drag"); // 1 held for a drag, 0 not, -1 either

    QTest::newRow("middle") << Qt::Horizontal << 0 << 600 << 250 << 125 << 300 << 1;
    QTest::newRow("left end") << Qt::Horizontal << 0 << 600 << 250 << 0 << 0 << -1;
    QTest::newRow("coarse range") << Qt::Horizontal << 0 << 10 << 300 << 119 << 3 << 0;
    QTest::newRow("negative range") << Qt::Horizontal << -100 << 100 << 200 << 50 << -50 << -1;
    QTest::newRow("long range")
        << Qt::Horizontal << 0 << 2000000000 << 250 << 200 << 1600000000 << -1;
    QTest::newRow("vertical from the bottom") << Qt::Vertical << 0 << 600 << 250 << 50 << 480 << -1;
    QTest::newRow("vertical bottom") << Qt::Vertical << 0 << 600 << 250 << 249 << 2 << -1;
}

void TestSmallWidgets::sliderJump()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, extent);
    QFETCH(int, at);
    QFETCH(int, value);

    Slider slider;
    slider.setOrientation(orientation);
    slider.setRange(minimum, maximum);
    slider.setValue(orientation == Qt::Horizontal ? maximum : minimum);
    if (orientation == Qt::Horizontal)
        slider.setFixedSize(extent, 20);
    else
        slider.setFixedSize(20, extent);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy moved(&slider, &QAbstractSlider::sliderMoved);

    const QPoint point = orientation == Qt::Horizontal ? QPoint(at, 10) : QPoint(10, at);
    QTest::mousePress(&slider, Qt::LeftButton, {}, point);
    QCOMPARE(slider.value(), value);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), value);
    QFETCH(int, drag);
    // With the handle under the pointer the slider's own handling starts a drag; a coarse
    // range leaves the handle elsewhere and the slider must not page away from the value.
    if (drag >= 0)
        QCOMPARE(slider.isSliderDown(), drag == 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, point);
    QCOMPARE(slider.value(), value);
    QCOMPARE(moved.count(), 1);
}

void TestSmallWidgets::sliderOtherButtons()
{
    Slider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 600);
    slider.setFixedSize(250, 20);
    slider.show();
    QSignalSpy moved(&slider, &QAbstractSlider::sliderMoved);
    QTest::mouseClick(&slider, Qt::RightButton, {}, QPoint(125, 10));
    QCOMPARE(slider.value(), 0);
    QCOMPARE(moved.count(), 0);
}

void TestSmallWidgets::sliderWithoutExtent()
{
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        Slider slider;
        slider.setOrientation(orientation);
        slider.setRange(0, 600);
        slider.setValue(100);
        slider.resize(orientation == Qt::Horizontal ? QSize(0, 20) : QSize(20, 0));
        QSignalSpy moved(&slider, &QAbstractSlider::sliderMoved);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &press);
        QCOMPARE(slider.value(), 100);
        QCOMPARE(moved.count(), 0);
        QVERIFY(!slider.isSliderDown());
    }
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
