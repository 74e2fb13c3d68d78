#include "foundation/messagedialog.h"
#include "plan/autoitems.h"
#include "plan/grabbers.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"
#include "plantestdata.h"
#include "sceneevents.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVector2D>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace SceneEvents;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

double angleBelowHorizontal(const QPointF &v)
{
    return qRadiansToDegrees(std::atan2(v.y(), v.x()));
}

} // namespace

class TestPlanElements : public QObject
{
    Q_OBJECT

private slots:
    void boxSizes();
    void setWidthReportsInnerSize();
    void tooSmallSizes_data();
    void tooSmallSizes();
    void pictureTurnsWithItsElement();
    void pictureShownAtPixelSize();
    void nullPictureShowsNothing();
    void lineWithoutLength();
    void cornerAndSideDrags_data();
    void cornerAndSideDrags();
    void lineEndAngleSnapping_data();
    void lineEndAngleSnapping();
    void lineStartDragKeepsEnd();
    void pressOnHandleSelectsWithoutMoving();
    void hoverShowsAndHidesHandles();
    void bodyDragMovesElement();
    void paintingSetsTheStoredPen();
    void textDoubleClickRunsTheEditor();
    void pictureDoubleClickReplacesPicture();
};

void TestPlanElements::boxSizes()
{
    SelectableBoxItem box;
    QCOMPARE(box.outerSize(), QSizeF(250, 100));
    QCOMPARE(box.size(), QSizeF(243, 93));
    QCOMPARE(box.boundingRect(), QRectF(0, 0, 250, 100));
    QCOMPARE(box.contentRect(), QRectF(5.5, 5.5, 241, 91));

    box.setInnerSize(QSizeF(1000, 1000));
    QCOMPARE(box.outerSize(), QSizeF(1007, 1007));
    box.setPos(10, 20);
    QCOMPARE(box.innerPos(), QPointF(13.5, 23.5));
    box.setInnerPos(QPointF(0, 0));
    QCOMPARE(box.pos(), QPointF(-3.5, -3.5));
    // The wall ends join the drawn rectangle, not the bounding one.
    QCOMPARE(box.snapPoints(), (QList<QPointF>{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}));
    QCOMPARE(box.snapLines().at(1), QLineF(1000, 0, 1000, 1000));
}

void TestPlanElements::setWidthReportsInnerSize()
{
    SelectableBoxItem box;
    QSignalSpy sizes(&box, &SelectableItem::sizeChanged);
    box.setWidth(1000);
    QCOMPARE(box.outerSize(), QSizeF(1007, 100));
    QCOMPARE(sizes.count(), 1);
    QCOMPARE(sizes.at(0).at(0).toSizeF(), QSizeF(1000, 93));
    box.setHeight(50);
    QCOMPARE(box.outerSize(), QSizeF(1007, 57));
}

void TestPlanElements::tooSmallSizes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSizeF>("requested");
    QTest::addColumn<QSizeF>("outer");

    QTest::newRow("picture, almost nothing") << "picture" << QSizeF(4, 5) << QSizeF(20, 10);
    QTest::newRow("picture, negative") << "picture" << QSizeF(-4, 3) << QSizeF(20, 10);
    QTest::newRow("picture, just enough") << "picture" << QSizeF(5, 5) << QSizeF(5, 5);
    QTest::newRow("text, almost nothing") << "text" << QSizeF(9, 0) << QSizeF(100, 100);
    QTest::newRow("text, just enough") << "text" << QSizeF(10, 0) << QSizeF(10, 0);
}

void TestPlanElements::tooSmallSizes()
{
    QFETCH(QString, kind);
    QFETCH(QSizeF, requested);
    QFETCH(QSizeF, outer);
    std::unique_ptr<SelectableBoxItem> box;
    if (kind == QLatin1String("picture"))
        box.reset(new SelectablePixmapItem(markedImage(300, 200)));
    else
        box.reset(new SelectableTextItem(QStringLiteral("TEXT")));
    box->setSize(requested);
    QCOMPARE(box->outerSize(), outer);
}

void TestPlanElements::pictureTurnsWithItsElement()
{
    SelectablePixmapItem picture(markedImage(300, 200));
    QCOMPARE(picture.outerSize(), QSizeF(300, 200));
    picture.rotate(90);
    QCOMPARE(picture.outerSize(), QSizeF(200, 300));
    QImage turned = picture.image();
    QCOMPARE(turned.size(), QSize(200, 300));
    // A clockwise quarter turn takes the top-left mark to the top-right corner.
    QCOMPARE(QColor(turned.pixel(195, 4)), QColor(Qt::red));
    QCOMPARE(QColor(turned.pixel(4, 4)), QColor(Qt::blue));

    picture.rotate(-90);
    turned = picture.image();
    QCOMPARE(turned.size(), QSize(300, 200));
    QCOMPARE(QColor(turned.pixel(4, 4)), QColor(Qt::red));
    // Still fitted into the element after the turns.
    QVERIFY(picture.boundingRect().contains(picture.content()->mapRectToParent(picture.content()->boundingRect())));

    // Only pictures turn.
    SelectableBoxItem box;
    box.rotate(90);
    QCOMPARE(box.outerSize(), QSizeF(250, 100));
}

void TestPlanElements::pictureShownAtPixelSize()
{
    SelectablePixmapItem picture(markedImage(640, 480));
    picture.showAtPixelSize();
    const QRectF shown = picture.content()->mapRectToParent(picture.content()->boundingRect());
    QCOMPARE(shown.size(), QSizeF(640, 480));
    QCOMPARE(picture.content()->scale(), 1.0);
}

void TestPlanElements::nullPictureShowsNothing()
{
    SelectablePixmapItem picture{QImage()};
    QCOMPARE(picture.outerSize(), QSizeF(20, 10));
    QVERIFY(picture.content()->pixmap().isNull());
    QCOMPARE(picture.content()->scale(), 1.0);
    AutoPixmapItem content(markedImage(50, 50));
    content.setRect(QRectF(0, 0, 0, 100));
    QVERIFY(content.pixmap().isNull());
    QVERIFY(std::isfinite(content.scale()));
}

void TestPlanElements::lineWithoutLength()
{
    SelectableLineItem line(QPointF(0, 0));
    line.setLength(150);
    QCOMPARE(line.end(), QPointF(0, 0));
    QCOMPARE(line.size(), QSizeF(0, 0));
    QVERIFY(line.shape().boundingRect().isEmpty());

    SelectableLineItem wall(QPointF(30, 40));
    wall.setLength(100);
    // Computed in single precision.
    QVERIFY((wall.end() - QPointF(60, 80)).manhattanLength() < 1e-4);
    QCOMPARE(wall.size(), QSizeF(100, 0));
}

void TestPlanElements::cornerAndSideDrags_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<QSizeF>("outer");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QString>("signal");

    // The box starts at (100, 100) with the outer size 250 x 100.
    const int corner = CornerGrabber::Type;
    const int side = SideGrabber::Type;
    QTest::newRow("top-left grows") << corner << 0 << QPointF(-50, -20) << QSizeF(300, 120) << QPointF(50, 80) << "corner";
    QTest::newRow("top-left stops at 40, right edge stays")
        << corner << 0 << QPointF(1000, 1000) << QSizeF(40, 40) << QPointF(310, 160) << "corner";
    QTest::newRow("top-right") << corner << 1 << QPointF(30, -10) << QSizeF(280, 110) << QPointF(100, 90) << "corner";
    QTest::newRow("bottom-right stops at 40") << corner << 2 << QPointF(-1000, -1000) << QSizeF(40, 40) << QPointF(100, 100)
                                              << "corner";
    QTest::newRow("bottom-left") << corner << 3 << QPointF(-10, 30) << QSizeF(260, 130) << QPointF(90, 100) << "corner";
    QTest::newRow("top side, only height") << side << 0 << QPointF(77, -25) << QSizeF(250, 125) << QPointF(100, 75) << "side";
    QTest::newRow("right side") << side << 1 << QPointF(60, 99) << QSizeF(310, 100) << QPointF(100, 100) << "side";
    QTest::newRow("bottom side") << side << 2 << QPointF(0, 15) << QSizeF(250, 115) << QPointF(100, 100) << "side";
    QTest::newRow("left side stops at 40") << side << 3 << QPointF(500, 0) << QSizeF(40, 100) << QPointF(310, 100) << "side";
}

void TestPlanElements::cornerAndSideDrags()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QPointF, by);
    QFETCH(QSizeF, outer);
    QFETCH(QPointF, pos);
    QFETCH(QString, signal);

    QGraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem, QPointF(100, 100));
    QSignalSpy corners(box, &SelectableItem::cornerMoved);
    QSignalSpy sides(box, &SelectableItem::sideMoved);
    QSignalSpy sizes(box, &SelectableItem::sizeChanged);

    const QPointF from = handlePos(box, type, index);
    drag(&scene, from, from + by);
    QCOMPARE(box->outerSize(), outer);
    QCOMPARE(box->pos(), pos);
    QCOMPARE(corners.count(), signal == QLatin1String("corner") ? 1 : 0);
    QCOMPARE(sides.count(), signal == QLatin1String("side") ? 1 : 0);
    QCOMPARE(sizes.count(), 1);
    QCOMPARE(sizes.at(0).at(0).toSizeF(), outer - QSizeF(7, 7));
    // The handle went with its corner or side.
    QCOMPARE(handlePos(box, CornerGrabber::Type, 2), box->pos() + QPointF(outer.width() - 3.5, outer.height() - 3.5));
}

void TestPlanElements::lineEndAngleSnapping_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<double>("angle");

    QTest::newRow("Ctrl snaps 20 to 15 degrees") << Qt::KeyboardModifiers(Qt::ControlModifier) << 15.0;
    QTest::newRow("Ctrl and Shift do not snap") << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << 20.0;
    QTest::newRow("no key, no snap") << Qt::KeyboardModifiers(Qt::NoModifier) << 20.0;
}

void TestPlanElements::lineEndAngleSnapping()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(double, angle);

    QGraphicsScene scene;
    auto *line = placed(scene, new SelectableLineItem(QPointF(200, 0)), QPointF(100, 100));
    const QPointF end = handlePos(line, LineCornerGrabber::Type, 1);
    QCOMPARE(end, QPointF(300, 100));
    const QPointF target = QPointF(100, 100) + 200 * QPointF(std::cos(qDegreesToRadians(20.0)), std::sin(qDegreesToRadians(20.0)));
    drag(&scene, end, target, modifiers);

    QCOMPARE(line->pos(), QPointF(100, 100));
    QVERIFY2(std::fabs(angleBelowHorizontal(line->end()) - angle) < 1e-9, qPrintable(QString::number(angleBelowHorizontal(line->end()))));
    QVERIFY(std::fabs(QVector2D(line->end()).length() - 200) < 1e-3);
    QCOMPARE(handlePos(line, LineCornerGrabber::Type, 1), line->pos() + line->end());
}

void TestPlanElements::lineStartDragKeepsEnd()
{
    QGraphicsScene scene;
    auto *line = placed(scene, new SelectableLineItem(QPointF(200, 0)), QPointF(100, 100));
    QSignalSpy corners(line, &SelectableItem::cornerMoved);
    // The start moved to 10 degrees above the end's horizontal, snapped to 15 about the end.
    const QPointF end(300, 100);
    const QPointF target = end - 200 * QPointF(std::cos(qDegreesToRadians(10.0)), std::sin(qDegreesToRadians(10.0)));
    drag(&scene, QPointF(100, 100), target, Qt::ControlModifier);

    QCOMPARE(corners.count(), 1);
    QVERIFY(QVector2D(line->pos() + line->end() - end).length() < 1e-9);
    QVERIFY(std::fabs(angleBelowHorizontal(line->end()) - 15.0) < 1e-9);
    QCOMPARE(handlePos(line, LineCornerGrabber::Type, 0), line->pos());
}

void TestPlanElements::pressOnHandleSelectsWithoutMoving()
{
    QGraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem);
    QSignalSpy selected(box, &SelectableItem::selected);
    QSignalSpy moved(box, &SelectableItem::moved);
    const QPointF corner = handlePos(box, CornerGrabber::Type, 2);
    hover(&scene, corner);
    press(&scene, corner);
    release(&scene, corner);
    QVERIFY(box->selectedFlag());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(box->pos(), QPointF(0, 0));
    QCOMPARE(box->outerSize(), QSizeF(250, 100));
}

void TestPlanElements::hoverShowsAndHidesHandles()
{
    QGraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem);
    auto *line = placed(scene, new SelectableLineItem(QPointF(100, 0)), QPointF(500, 500));
    Grabber *corner = handle(box, CornerGrabber::Type, 0);
    Grabber *side = handle(box, SideGrabber::Type, 3);
    Grabber *lineEnd = handle(line, LineCornerGrabber::Type, 1);
    QVERIFY(!corner->isVisible() && !side->isVisible() && !lineEnd->isVisible());

    hover(&scene, QPointF(120, 50));
    QVERIFY(box->isHovered());
    QVERIFY(corner->isVisible() && side->isVisible());
    hover(&scene, QPointF(550, 502));
    QVERIFY(!box->isHovered());
    QVERIFY(!corner->isVisible() && !side->isVisible());
    QVERIFY(lineEnd->isVisible());
    hover(&scene, QPointF(2000, 2000));
    QVERIFY(!lineEnd->isVisible());
}

void TestPlanElements::bodyDragMovesElement()
{
    QGraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem, QPointF(10, 10));
    QSignalSpy moved(box, &SelectableItem::moved);
    drag(&scene, QPointF(100, 50), QPointF(130, 90));
    QCOMPARE(box->pos(), QPointF(40, 50));
    QCOMPARE(box->outerSize(), QSizeF(250, 100));
    QCOMPARE(moved.count(), 1);
    QVERIFY(box->selectedFlag());
}

// The file keeps the pen as last painted: thickness as width, black, dotted for dotted boxes.
void TestPlanElements::paintingSetsTheStoredPen()
{
    QGraphicsScene scene;
    auto *box = placed(scene, new SelectableBoxItem);
    auto *line = placed(scene, new SelectableLineItem(QPointF(100, 0)));
    box->setShowBox(0);
    box->setDrawBox(1);
    box->setThickness(30);
    line->setThickness(20.7);
    QImage canvas(400, 400, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    scene.render(&painter);
    painter.end();
    QCOMPARE(box->pen().width(), 30);
    QCOMPARE(box->pen().style(), Qt::DotLine);
    QCOMPARE(box->pen().color(), QColor(Qt::black));
    QCOMPARE(line->pen().width(), 20);
    QCOMPARE(line->pen().style(), Qt::SolidLine);
    QCOMPARE(line->pen().capStyle(), Qt::FlatCap);
}

void TestPlanElements::textDoubleClickRunsTheEditor()
{
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    auto *text = placed(scene, new SelectableTextItem(QStringLiteral("TEXT")));
    QGraphicsTextItem *edited = nullptr;
    QWidget *parent = nullptr;
    bool markedWhileEditing = false;
    const SelectableTextItem::TextEditor previous
        = SelectableTextItem::setTextEditor([&](QGraphicsTextItem *content, QWidget *over) {
              edited = content;
              parent = over;
              markedWhileEditing = text->selectedFlag();
              content->setPlainText(QStringLiteral("edited"));
          });
    doubleClick(&scene, QPointF(50, 50));
    SelectableTextItem::setTextEditor(previous);

    QCOMPARE(edited, static_cast<QGraphicsTextItem *>(text->content()));
    QCOMPARE(parent, &view);
    QVERIFY(markedWhileEditing);
    QVERIFY(!text->selectedFlag());
    QVERIFY(text->html().contains(QStringLiteral("edited")));
}

void TestPlanElements::pictureDoubleClickReplacesPicture()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.png"));
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QVERIFY(QImage(markedImage(40, 30)).save(good));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("no picture") > 0);
    file.close();

    QGraphicsScene scene;
    QGraphicsView view(&scene);
    auto *picture = placed(scene, new SelectablePixmapItem(QImage(80, 80, QImage::Format_ARGB32)));
    {
        ModalAnswerer answer;
        answer.expect("QFileDialog", chooseFile(broken));
        answer.message(MessageDialog::Ok);
        doubleClick(&scene, QPointF(40, 40));
        QVERIFY(answer.done());
        QCOMPARE(picture->image().size(), QSize(80, 80));
    }
    {
        ModalAnswerer answer;
        answer.expect("QFileDialog", chooseFile(good));
        doubleClick(&scene, QPointF(40, 40));
        QVERIFY(answer.done());
    }
    QCOMPARE(picture->image().size(), QSize(40, 30));
    QCOMPARE(picture->outerSize(), QSizeF(80, 80));
}

QTEST_MAIN(TestPlanElements)
#include "tst_planelements.moc"
