#include "plan/graphicsview.h"
#include "plan/selectableboxitem.h"

#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

void mouse(GraphicsView &view, QEvent::Type type, const QPoint &pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pos, view.viewport()->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(view.viewport(), &event);
}

void click(GraphicsView &view, const QPoint &pos)
{
    mouse(view, QEvent::MouseButtonPress, pos);
    mouse(view, QEvent::MouseButtonRelease, pos);
}

void wheel(GraphicsView &view, const QPoint &pos, int delta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(pos, view.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

// A measurement from first to second (view positions), with a move between the clicks.
void measure(GraphicsView &view, const QPoint &first, const QPoint &second)
{
    view.startMeasure();
    click(view, first);
    mouse(view, QEvent::MouseMove, (first + second) / 2);
    mouse(view, QEvent::MouseMove, second);
    click(view, second);
}

} // namespace

class TestGraphicsView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void workingArea();
    void measurementMarks();
    void noMoveNoLabel();
    void oneLabelAtMost();
    void labelPlacement_data();
    void labelPlacement();
    void measuringTakesTheClicks();
    void zoomAboutTheMouse_data();
    void zoomAboutTheMouse();
    void ctrlShiftWheelScrolls();

private:
    QScopedPointer<GraphicsView> m_view;
};

void TestGraphicsView::init()
{
    m_view.reset(new GraphicsView);
    m_view->resize(700, 500);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.data()));
}

void TestGraphicsView::cleanup()
{
    m_view.reset();
    QLocale::setDefault(QLocale::c());
}

void TestGraphicsView::workingArea()
{
    GraphicsView &view = *m_view;
    QVERIFY(view.graphicsScene());
    QCOMPARE(view.scene(), view.graphicsScene());
    QCOMPARE(view.graphicsScene()->parent(), &view);
    QCOMPARE(view.sceneRect(), QRectF(0, 0, 10000, 10000));
    QCOMPARE(view.transform().m11(), 0.5);
    QCOMPARE(view.transform().m22(), 0.5);
    QVERIFY(view.hasMouseTracking());
    const QPointF centre = view.mapToScene(view.viewport()->rect().center());
    QVERIFY(std::fabs(centre.x() - 5000) <= 2 && std::fabs(centre.y() - 5000) <= 2);
}

void TestGraphicsView::measurementMarks()
{
    GraphicsView &view = *m_view;
    QSignalSpy finished(&view, &GraphicsView::finished);
    measure(view, QPoint(100, 120), QPoint(300, 220));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(view.measureState(), int(GraphicsView::NotMeasuring));
    const QPointF first = view.mapToScene(QPoint(100, 120));
    const QPointF second = view.mapToScene(QPoint(300, 220));
    QCOMPARE(view.firstPoint(), first);
    QCOMPARE(view.secondPoint(), second);

    const QList<QGraphicsItem *> marks = view.measureItems();
    QCOMPARE(marks.size(), 3);
    auto *cross = qgraphicsitem_cast<QGraphicsPixmapItem *>(marks.at(0));
    auto *rubber = qgraphicsitem_cast<QGraphicsLineItem *>(marks.at(1));
    auto *otherCross = qgraphicsitem_cast<QGraphicsPixmapItem *>(marks.at(2));
    QVERIFY(cross && rubber && otherCross);
    QCOMPARE(cross->pixmap().size(), QSize(50, 50));
    QCOMPARE(cross->parentItem(), nullptr);
    QCOMPARE(rubber->parentItem(), cross);
    QCOMPARE(otherCross->parentItem(), cross);
    QCOMPARE(cross->zValue(), 2.0);
    QCOMPARE(rubber->zValue(), 1.0);
    // Both crosshairs are centred on their points; the rubber line joins them.
    QCOMPARE(cross->sceneBoundingRect().center(), first);
    QCOMPARE(otherCross->sceneBoundingRect().center(), second);
    QCOMPARE(rubber->mapToScene(rubber->line().p1()), first);
    QCOMPARE(rubber->mapToScene(rubber->line().p2()), second);
    QCOMPARE(rubber->pen().color(), QColor(Qt::red));
    QCOMPARE(rubber->pen().widthF(), 2.0);

    view.clearMeasurement();
    QVERIFY(view.measureItems().isEmpty());
    QVERIFY(view.scene()->items().isEmpty());
}

void TestGraphicsView::noMoveNoLabel()
{
    GraphicsView &view = *m_view;
    view.startMeasure();
    QCOMPARE(view.measureState(), int(GraphicsView::WaitingForFirstPoint));
    click(view, QPoint(100, 100));
    QCOMPARE(view.measureState(), int(GraphicsView::WaitingForSecondPoint));
    click(view, QPoint(200, 100));
    QCOMPARE(view.measureItems().size(), 2);
    view.showDistance(3.5);
    QCOMPARE(view.measureItems().size(), 2);
}

void TestGraphicsView::oneLabelAtMost()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    GraphicsView &view = *m_view;
    view.showDistance(1.0);
    QVERIFY(view.measureItems().isEmpty());
    QVERIFY(view.scene()->items().isEmpty());

    measure(view, QPoint(100, 100), QPoint(250, 140));
    view.showDistance(3.5);
    view.showDistance(7.25);
    QCOMPARE(view.measureItems().size(), 4);
    auto *label = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(view.measureItems().at(3));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("3.50m"));
    QCOMPARE(label->parentItem(), view.measureItems().at(0));
    QCOMPARE(label->brush().color(), QColor(Qt::red));
    QCOMPARE(label->font().pointSize(), 20);
    QVERIFY(label->font().bold());

    // A new measurement starts without the old marks.
    view.startMeasure();
    QVERIFY(view.measureItems().isEmpty());
    QVERIFY(view.scene()->items().isEmpty());
}

void TestGraphicsView::labelPlacement_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<int>("offset");
    QTest::newRow("second point lower") << QPoint(100, 100) << QPoint(300, 250) << -30;
    QTest::newRow("second point level") << QPoint(100, 100) << QPoint(300, 100) << -30;
    QTest::newRow("second point higher") << QPoint(300, 300) << QPoint(100, 100) << 30;
}

// Half way along the line, 10 to the right, and 30 above the middle when the line goes down
// (or level), 30 below it when it goes up.
void TestGraphicsView::labelPlacement()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(int, offset);
    GraphicsView &view = *m_view;
    measure(view, first, second);
    view.showDistance(2);
    const QPointF q = view.measureItems().at(2)->pos();
    QCOMPARE(q, view.secondPoint() - view.firstPoint());
    QCOMPARE(view.measureItems().at(3)->pos(), QPointF(q.x() * 0.5 + 10, q.y() * 0.5 + offset));
}

void TestGraphicsView::measuringTakesTheClicks()
{
    GraphicsView &view = *m_view;
    auto *box = new SelectableBoxItem;
    view.graphicsScene()->addElement(box);
    box->setPos(view.mapToScene(QPoint(100, 100)) - QPointF(50, 50));
    view.startMeasure();
    click(view, QPoint(100, 100));
    QVERIFY(!box->selectedFlag());
    click(view, QPoint(110, 100));
    QVERIFY(!box->selectedFlag());
    // Measuring done, clicks reach the elements again.
    click(view, QPoint(100, 100));
    QVERIFY(box->selectedFlag());
    QCOMPARE(view.graphicsScene()->selectedElement(), box);
    delete box;
}

void TestGraphicsView::zoomAboutTheMouse_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("delta");
    QTest::addColumn<double>("scale");
    QTest::newRow("in, left") << QPoint(120, 90) << 120 << 0.5 * 1.15;
    QTest::newRow("in, right") << QPoint(600, 400) << 120 << 0.5 * 1.15;
    QTest::newRow("out") << QPoint(500, 150) << -120 << 0.5 / 1.15;
}

void TestGraphicsView::zoomAboutTheMouse()
{
    QFETCH(QPoint, at);
    QFETCH(int, delta);
    QFETCH(double, scale);
    GraphicsView &view = *m_view;
    const QPointF under = view.mapToScene(at);
    wheel(view, at, delta, Qt::ControlModifier);
    QCOMPARE(view.transform().m11(), scale);
    QCOMPARE(view.transform().m22(), scale);
    // The scene point under the mouse is still under it, to the pixel.
    const QPoint now = view.mapFromScene(under);
    QVERIFY2((now - at).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2 instead of %3,%4").arg(now.x()).arg(now.y()).arg(at.x()).arg(at.y())));
}

void TestGraphicsView::ctrlShiftWheelScrolls()
{
    GraphicsView &view = *m_view;
    const QPoint before(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
    wheel(view, QPoint(200, 200), -120, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view.transform().m11(), 0.5);
    QVERIFY(QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()) != before);
}

QTEST_MAIN(TestGraphicsView)
#include "tst_graphicsview.moc"
