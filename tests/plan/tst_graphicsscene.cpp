#include "plan/graphicsscene.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "sceneevents.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace SceneEvents;

class TestGraphicsScene : public QObject
{
    Q_OBJECT

private slots:
    void emptyClickClearsSelectionOnce();
    void pressingAnotherElementMovesSelection();
    void mousePositionsArePublished();
    void wallEndSnapsToCorner_data();
    void wallEndSnapsToCorner();
    void wallEndSnapsOntoEdge();
    void wallStartSnapsToo();
    void bodyDragDoesNotSnap();
    void deletedSelectionIsForgotten();
};

void TestGraphicsScene::emptyClickClearsSelectionOnce()
{
    GraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem);
    QSignalSpy selection(&scene, &GraphicsScene::selectionChanged);
    press(&scene, QPointF(100, 50));
    release(&scene, QPointF(100, 50));
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.at(0).at(0).value<SelectableItem *>(), box);
    QCOMPARE(scene.selectedElement(), box);

    press(&scene, QPointF(1000, 1000));
    release(&scene, QPointF(1000, 1000));
    QCOMPARE(selection.count(), 2);
    QCOMPARE(selection.at(1).at(0).value<SelectableItem *>(), nullptr);
    QVERIFY(!box->selectedFlag());
    QCOMPARE(scene.selectedElement(), nullptr);

    press(&scene, QPointF(1000, 1000));
    QCOMPARE(selection.count(), 2);
}

void TestGraphicsScene::pressingAnotherElementMovesSelection()
{
    GraphicsScene scene;
    auto *first = placed(scene, new SelectableBoxItem);
    auto *second = placed(scene, new SelectableBoxItem, QPointF(500, 0));
    QSignalSpy selection(&scene, &GraphicsScene::selectionChanged);
    press(&scene, QPointF(100, 50));
    release(&scene, QPointF(100, 50));
    press(&scene, QPointF(600, 50));
    release(&scene, QPointF(600, 50));
    QVERIFY(!first->selectedFlag());
    QVERIFY(second->selectedFlag());
    QCOMPARE(selection.count(), 2);
    QCOMPARE(selection.at(1).at(0).value<SelectableItem *>(), second);
}

void TestGraphicsScene::mousePositionsArePublished()
{
    GraphicsScene scene;
    QList<QPointF> clicks;
    QList<QPointF> moves;
    QList<Qt::MouseButtons> moveButtons;
    connect(&scene, &GraphicsScene::mouseClicked, this, [&](QMouseEvent *event) {
        QCOMPARE(event->type(), QEvent::MouseButtonPress);
        clicks << event->localPos();
    });
    connect(&scene, &GraphicsScene::mouseMoved, this, [&](QMouseEvent *event) {
        moves << event->localPos();
        moveButtons << event->buttons();
    });
    press(&scene, QPointF(12.5, -7));
    moveHeld(&scene, QPointF(20, 30));
    release(&scene, QPointF(20, 30));
    hover(&scene, QPointF(1, 2));
    QCOMPARE(clicks, QList<QPointF>{QPointF(12.5, -7)});
    QCOMPARE(moves, (QList<QPointF>{{20, 30}, {1, 2}}));
    QCOMPARE(moveButtons, (QList<Qt::MouseButtons>{Qt::LeftButton, Qt::NoButton}));
}

void TestGraphicsScene::wallEndSnapsToCorner_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<bool>("snaps");
    QTest::newRow("9.9 units away") << 9.9 << true;
    QTest::newRow("10.0 units away") << 10.0 << false;
}

// A wall end dragged towards the top corner of an upright wall, level with it.
void TestGraphicsScene::wallEndSnapsToCorner()
{
    QFETCH(double, distance);
    QFETCH(bool, snaps);

    GraphicsScene scene;
    placed(scene, new SelectableLineItem(QPointF(0, 300)), QPointF(500, 100)); // (500, 100) down to (500, 400)
    auto *line = placed(scene, new SelectableLineItem(QPointF(200, 0)), QPointF(100, 100));
    QSignalSpy sizes(&scene, &GraphicsScene::elementSizeChanged);

    const QPointF target(500 - distance, 100);
    drag(&scene, QPointF(300, 100), target);
    const QPointF end = line->pos() + line->end();
    QCOMPARE(end, snaps ? QPointF(500, 100) : target);
    QCOMPARE(line->pos(), QPointF(100, 100));
    QVERIFY(sizes.count() >= 1);
    QCOMPARE(sizes.last().at(0).toSizeF().width(), QLineF(line->pos(), end).length());
}

void TestGraphicsScene::wallEndSnapsOntoEdge()
{
    GraphicsScene scene;
    auto *room = placed(scene, new SelectableBoxItem, QPointF(1000, 1000));
    room->setInnerSize(QSizeF(400, 400)); // inner rectangle from (1003.5, 1003.5) to (1403.5, 1403.5)
    auto *line = placed(scene, new SelectableLineItem(QPointF(300, 0)), QPointF(700, 1200));
    // The end dragged to 6 units short of the left edge, a little below the start's height.
    drag(&scene, QPointF(1000, 1200), QPointF(997.5, 1190));
    QCOMPARE(line->pos() + line->end(), QPointF(1003.5, 1190));
}

void TestGraphicsScene::wallStartSnapsToo()
{
    GraphicsScene scene;
    placed(scene, new SelectableLineItem(QPointF(300, 0)));
    auto *line = placed(scene, new SelectableLineItem(QPointF(0, 200)), QPointF(150, 300)); // upright, down to (150, 500)
    drag(&scene, QPointF(150, 300), QPointF(154, 7));
    // The start lands on the wall, perpendicular below the dropped point; the end stays.
    QCOMPARE(line->pos(), QPointF(154, 0));
    QCOMPARE(line->pos() + line->end(), QPointF(150, 500));
}

void TestGraphicsScene::bodyDragDoesNotSnap()
{
    GraphicsScene scene;
    placed(scene, new SelectableLineItem(QPointF(0, 300)), QPointF(500, 100));
    auto *line = placed(scene, new SelectableLineItem(QPointF(200, 0)), QPointF(100, 100));
    // Grab the middle of the line and move it until its end is 5 units short of the corner.
    drag(&scene, QPointF(200, 100), QPointF(395, 100));
    QCOMPARE(line->pos(), QPointF(295, 100));
    QCOMPARE(line->end(), QPointF(200, 0));
}

void TestGraphicsScene::deletedSelectionIsForgotten()
{
    GraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem);
    press(&scene, QPointF(100, 50));
    release(&scene, QPointF(100, 50));
    QCOMPARE(scene.selectedElement(), box);
    delete box;
    QCOMPARE(scene.selectedElement(), nullptr);
    press(&scene, QPointF(100, 50)); // nothing there any more, nothing to clear
}

QTEST_MAIN(TestGraphicsScene)
#include "tst_graphicsscene.moc"
