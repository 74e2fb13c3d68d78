// test-needs: x11
#include "support/leakcheck.h"
#include "compare3d.h"
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/model3d.h"
#include "view3d/plain3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "view3d/viewer3d.h"
#include "view3d/windrose3d.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/selectableboxitem.h"
#include "support/model/inspections.h"
#include "support/modalanswerer.h"

#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QOpenGLShaderProgram>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>


namespace {

bool isWhite(QRgb c)
{
    return qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250;
}

int nonWhite(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += isWhite(image.pixel(x, y)) ? 0 : 1;
    return count;
}

// Pixels in the selection's green rather than the orange of manholes.
int highlighted(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += qGreen(image.pixel(x, y)) > qRed(image.pixel(x, y)) + 30 ? 1 : 0;
    return count;
}

// Pixels that differ, and their centre.
int differing(const QImage &a, const QImage &b, QPointF *centre)
{
    int count = 0;
    QPointF sum;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                sum += QPointF(x, y);
            }
    if (centre && count)
        *centre = sum / count;
    return count;
}

Duct *manhole(double diameter, double depth)
{
    auto *duct = new Duct(diameter, depth);
    duct->buildGeometry();
    return duct;
}

} // namespace

class TestViewer3DGL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void programsLinkAndSceneIsSetUp();
    void clickSelectsManholeCourseOrNothing();
    void selectionStaysWithTheObject();
    void dragsMoveLabelObjectOrCamera();
    void printWhileHidden();
    void tiledPrintComposesTheTiles();
    void groundOfAPlanArrivesWhileTheLoopRuns();
    void freeHandReferenceOnTheGround();
    void measuredReferenceAsksAgainForAZeroDistance();
    void dimensionNoteFromTwoClicks();
    void showFlagsHideWhatTheyName_data();
    void showFlagsHideWhatTheyName();

private:
    // Renders a frame now, so the camera's matrices are those of what is shown.
    void renderFrame();
    QPoint pixelOf(const Vector3D &world) const;
    void click(const QPoint &pos);
    // The course of an inspection 3 m long, 300 mm wide, hanging from the parent.
    ConnectedInspection *addCourse(Object3D *parent);

    std::unique_ptr<Viewer3D> m_viewer;
    std::unique_ptr<Investigation> m_inspection;
};

void TestViewer3DGL::initTestCase()
{
    // One metre is a tenth of a scene unit: the objects fill a good part of the view.
    Global::instance()->meterRatio()->setRatio(0.001);
}

void TestViewer3DGL::init()
{
    m_viewer = std::make_unique<Viewer3D>();
    QSignalSpy contextInit(m_viewer.get(), &Window3D::contextInit);
    m_viewer->resize(400, 300);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
    QTRY_VERIFY(m_viewer->context());
    QTRY_COMPARE(m_viewer->camera()->screenWidth(), 400);
    QCOMPARE(contextInit.count(), 1);
}

void TestViewer3DGL::cleanup()
{
    m_viewer.reset();
    m_inspection.reset();
}

void TestViewer3DGL::renderFrame()
{
    m_viewer->renderNow();
    QCOMPARE(m_viewer->renderMode(), Viewer3D::Screen);
}

QPoint TestViewer3DGL::pixelOf(const Vector3D &world) const
{
    const Vector3D p = m_viewer->camera()->projectedCoordinatesOf(world);
    return QPoint(int(std::lround(p.x)), int(std::lround(p.y)));
}

void TestViewer3DGL::click(const QPoint &pos)
{
    QTest::mousePress(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, pos);
}

ConnectedInspection *TestViewer3DGL::addCourse(Object3D *parent)
{
    m_inspection = makeInspection(NormEN135082);
    InspectionHeader header = m_inspection->mainData();
    header.width = 300;
    header.inspectionLength = 3.0;
    m_inspection->setMainData(header);
    auto *course = new ConnectedInspection(m_inspection.get(), new ManipulatedSystem3D, parent);
    course->build(0.0);
    m_viewer->addInspection(course);
    return course;
}

void TestViewer3DGL::programsLinkAndSceneIsSetUp()
{
    for (QOpenGLShaderProgram *program :
         {m_viewer->compassProgram(), m_viewer->plainProgram(), m_viewer->objectProgram(),
          m_viewer->projectionProgram()}) {
        QVERIFY(program);
        QVERIFY2(program->isLinked(), qPrintable(program->log()));
    }
    QVERIFY(m_viewer->house());
    QVERIFY(!m_viewer->house()->meshes().isEmpty());
    QVERIFY(m_viewer->groundPlane());
    QVERIFY(!m_viewer->hasFloorPlan());
    QVERIFY(m_viewer->compass());
    // The selection starts with the camera, which the plain left drag then moves.
    QCOMPARE(m_viewer->manipulatedSystem(),
             static_cast<ManipulatedSystem3D *>(m_viewer->camera()->frame()));
}

void TestViewer3DGL::clickSelectsManholeCourseOrNothing()
{
    auto *duct = manhole(1.0, 2.0);
    duct->system()->setPosition(Vector3D(-0.15, 0, 0));
    auto *point = new Point(0.6, 1.0);
    point->system()->setPosition(Vector3D(0.15, 0, 0.1));
    m_viewer->addObject(duct);
    m_viewer->addObject(point);
    point->buildGeometry();
    ConnectedInspection *course = addCourse(point);
    QCOMPARE(course->objects().size(), 2);
    QSignalSpy selection(m_viewer.get(), &Viewer3D::selectionChanged);
    renderFrame();

    click(pixelOf(Vector3D(-0.15, -0.1, 0)));
    QCOMPARE(m_viewer->selectedObject(), duct);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.last().at(0).value<Object3D *>(), duct);
    QCOMPARE(m_viewer->manipulatedSystem(), duct->system());
    // The colour read back is the manhole's identity.
    const int id = Object3D::registry().indexOf(duct);
    const std::array<float, 3> c = Object3D::idToColor(id);
    QCOMPARE(m_viewer->pickColor(), Vector3D(std::round(c[0] * 255), std::round(c[1] * 255),
                                             std::round(c[2] * 255)));
    QCOMPARE(Object3D::colorToId(m_viewer->pickColor()), id);

    // The joint at the end of the course selects the course, as its first object. The pixel
    // shows the joint's far half, beyond the end of the pipe.
    Object3D *joint = course->objects().last();
    Object3D *pipe = course->objects().first();
    renderFrame();
    click(pixelOf(joint->system()->position() + Vector3D(0, 0.01, -0.008)));
    QCOMPARE(m_viewer->selectedObject(), pipe);
    QCOMPARE(selection.last().at(0).value<Object3D *>(), pipe);

    // The white background clears the selection.
    renderFrame();
    click(QPoint(3, 3));
    QCOMPARE(m_viewer->pickColor(), Vector3D(255, 255, 255));
    QVERIFY(!m_viewer->selectedObject());
    QVERIFY(!m_viewer->selectedObject());
    QCOMPARE(selection.last().at(0).value<Object3D *>(), nullptr);
    QCOMPARE(m_viewer->manipulatedSystem(),
             static_cast<ManipulatedSystem3D *>(m_viewer->camera()->frame()));
}

// Objects made and deleted after the click (the ground of a new or removed site plan, a rebuilt
// course) leave the selection on the object clicked; deleting that object clears it.
void TestViewer3DGL::selectionStaysWithTheObject()
{
    auto *first = manhole(1.0, 2.0);
    first->system()->setPosition(Vector3D(-0.15, 0, 0));
    auto *second = manhole(1.0, 2.0);
    second->system()->setPosition(Vector3D(0.15, 0, 0));
    m_viewer->addObject(first);
    m_viewer->addObject(second);
    ConnectedInspection *course = addCourse(second);
    QSignalSpy selection(m_viewer.get(), &Viewer3D::selectionChanged);
    renderFrame();
    click(pixelOf(Vector3D(-0.15, -0.1, 0)));
    QCOMPARE(m_viewer->selectedObject(), first);

    // The ground was made before the manholes; it goes and a new one comes, twice.
    m_viewer->clearFloorPlan();
    m_viewer->clearFloorPlan();
    QCOMPARE(m_viewer->selectedObject(), first);
    QVERIFY(m_viewer->isSelected(first));
    QVERIFY(!m_viewer->isSelected(second));
    QCOMPARE(m_viewer->selectedReferencePoint(), nullptr);
    QCOMPARE(m_viewer->manipulatedSystem(), first->system());
    QCOMPARE(selection.count(), 1);

    // The course is selected (as its first pipe) by a click on the far half of its end joint,
    // and the course is built anew: that pipe is gone.
    renderFrame();
    Object3D *pipe = course->objects().first();
    click(pixelOf(course->objects().last()->system()->position() + Vector3D(0, 0.01, -0.008)));
    QCOMPARE(m_viewer->selectedObject(), pipe);
    QCOMPARE(selection.count(), 2);
    course->build(0.0);
    QVERIFY(!course->objects().contains(pipe));
    QCOMPARE(m_viewer->selectedObject(), nullptr);
    QCOMPARE(selection.count(), 3);
    QCOMPARE(selection.last().at(0).value<Object3D *>(), nullptr);
    QCOMPARE(m_viewer->manipulatedSystem(),
             static_cast<ManipulatedSystem3D *>(m_viewer->camera()->frame()));
    // A drag then turns the camera, not something deleted.
    const Quaternion before = m_viewer->camera()->orientation();
    const QPoint from(200, 150);
    QTest::mousePress(m_viewer.get(), Qt::RightButton, Qt::NoModifier, from);
    QTest::mouseMove(m_viewer.get(), from + QPoint(30, 10));
    QTest::mouseRelease(m_viewer.get(), Qt::RightButton, Qt::NoModifier, from + QPoint(30, 10));
    QVERIFY(!sameRotation(m_viewer->camera()->orientation(), before, 1e-6));
}

void TestViewer3DGL::dragsMoveLabelObjectOrCamera()
{
    auto *duct = manhole(1.0, 2.0);
    duct->setLabelText(QStringLiteral("Schacht"));
    m_viewer->addObject(duct);
    m_viewer->setShowFlags(0x0d);
    QSignalSpy selection(m_viewer.get(), &Viewer3D::selectionChanged);
    renderFrame();
    Camera *camera = m_viewer->camera();
    const QPoint body = pixelOf(Vector3D(0, -0.12, 0));
    const QPoint anchor = pixelOf(duct->system()->position());

    // A press on the label starts dragging it; the selection goes.
    click(body);
    QCOMPARE(m_viewer->selectedObject(), duct);
    const QPoint onLabel = anchor + QPoint(10, 6);
    QTest::mousePress(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, onLabel);
    QCOMPARE(m_viewer->draggedLabel(), duct->label());
    QVERIFY(!m_viewer->selectedObject());
    QCOMPARE(selection.last().at(0).value<Object3D *>(), nullptr);
    QTest::mouseMove(m_viewer.get(), onLabel + QPoint(30, 20));
    QTest::mouseRelease(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, onLabel + QPoint(30, 20));
    QCOMPARE(duct->label()->offset(), QPointF(30, 20));

    // With the manhole selected, a right drag turns the camera and leaves the manhole alone.
    renderFrame();
    click(body);
    QCOMPARE(m_viewer->selectedObject(), duct);
    const Quaternion cameraBefore = camera->orientation();
    const Vector3D ductBefore = duct->system()->position();
    const Quaternion ductTurn = duct->system()->orientation();
    QTest::mousePress(m_viewer.get(), Qt::RightButton, Qt::NoModifier, body);
    QTest::mouseMove(m_viewer.get(), body + QPoint(40, 10));
    QTest::mouseRelease(m_viewer.get(), Qt::RightButton, Qt::NoModifier, body + QPoint(40, 10));
    QVERIFY(!sameRotation(camera->orientation(), cameraBefore, 1e-6));
    QCOMPARE(duct->system()->position(), ductBefore);
    QVERIFY(sameRotation(duct->system()->orientation(), ductTurn, 1e-12));
    QCOMPARE(m_viewer->selectedObject(), duct);
    QCOMPARE(m_viewer->manipulatedSystem(), duct->system());

    // Locked, a left drag on the manhole moves the camera, and the selection stays.
    renderFrame();
    m_viewer->setSelectionLocked(true);
    const Vector3D cameraAt = camera->position();
    const QPoint now = pixelOf(Vector3D(0, -0.12, 0));
    QTest::mousePress(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, now);
    QTest::mouseMove(m_viewer.get(), now + QPoint(25, 0));
    QTest::mouseRelease(m_viewer.get(), Qt::LeftButton, Qt::NoModifier, now + QPoint(25, 0));
    QVERIFY(!closeTo(camera->position(), cameraAt, 1e-6));
    QCOMPARE(duct->system()->position(), ductBefore);
    QCOMPARE(m_viewer->selectedObject(), duct);
}

void TestViewer3DGL::printWhileHidden()
{
    auto *duct = manhole(1.0, 2.0);
    m_viewer->addObject(duct);
    duct->setLabelText(QStringLiteral("Schacht 1"));
    m_viewer->setShowFlags(0x0d);
    renderFrame();
    click(pixelOf(Vector3D(0, -0.12, 0)));
    QCOMPARE(m_viewer->selectedObject(), duct);
    // On screen the selection shows.
    renderFrame();
    QVERIFY(m_viewer->context()->makeCurrent(m_viewer.get()));
    const QPoint body = pixelOf(Vector3D(0, -0.12, 0));
    QVERIFY(highlighted(m_viewer->grabFrame(), QRect(body - QPoint(10, 10), QSize(20, 20))) > 50);
    m_viewer->hide();
    QTRY_VERIFY(!m_viewer->isExposed());
    const float fieldOfView = m_viewer->camera()->fieldOfView();

    QImage image;
    QImage &result = m_viewer->renderToImage(image, 320, 500);
    QCOMPARE(&result, &image);
    QCOMPARE(image.size(), QSize(320, 500));
    // The manhole at the centre of the picture, seen as on screen.
    QVERIFY(nonWhite(image, QRect(150, 240, 20, 20)) > 0);
    QVERIFY(isWhite(image.pixel(2, 2)));
    // A report shows no selection.
    QCOMPARE(highlighted(image, QRect(140, 240, 40, 80)), 0);

    // The window is as it was.
    QCOMPARE(m_viewer->size(), QSize(400, 300));
    QVERIFY(!m_viewer->isVisible());
    QCOMPARE(m_viewer->camera()->screenWidth(), 400);
    QCOMPARE(m_viewer->camera()->screenHeight(), 300);
    QCOMPARE(m_viewer->camera()->fieldOfView(), fieldOfView);
    QCOMPARE(m_viewer->renderMode(), Viewer3D::Screen);

    // Shown again, it draws on screen.
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
    renderFrame();
    QVERIFY(m_viewer->context()->makeCurrent(m_viewer.get()));
    const QImage screen = m_viewer->grabFrame();
    QCOMPARE(screen.size(), QSize(400, 300));
    QVERIFY(nonWhite(screen, QRect(190, 140, 20, 20)) > 0);
}

void TestViewer3DGL::tiledPrintComposesTheTiles()
{
    m_viewer->setShowFlags(0x0c);
    m_viewer->hide();
    QTRY_VERIFY(!m_viewer->isExposed());
    QProgressBar progress;
    QImage image;

    // Landscape 1000 x 500: the compass tile lies outside the grid, so an empty scene (white
    // ground) prints white.
    m_viewer->renderToImage(image, 1000, 500, &progress);
    QCOMPARE(image.size(), QSize(4000, 2000));
    QCOMPARE(progress.maximum(), 100);
    QCOMPARE(progress.value(), 99);
    QCOMPARE(nonWhite(image, image.rect()), 0);

    // 1200 x 900: the compass is drawn in tile (8, 5) only, at its centre.
    m_viewer->renderToImage(image, 1200, 900, &progress);
    QCOMPARE(image.size(), QSize(4000, 3000));
    const PrintTiles tiles = PrintTiles::forSize(1200, 900);
    const int w = int(1200 * tiles.scale);
    const int h = int(900 * tiles.scale);
    const QRect compassTile(8 * w, 3000 - 6 * h, w, h);
    const int compass = nonWhite(image, compassTile);
    QVERIFY2(compass > 100, qPrintable(QString::number(compass)));
    QCOMPARE(nonWhite(image, image.rect()), compass);
    QCOMPARE(m_viewer->camera()->screenWidth(), 400);
    QCOMPARE(m_viewer->size(), QSize(400, 300));

    // Objects come out where a single print of the same view puts them, at the image's scale.
    auto *duct = manhole(1.0, 2.0);
    m_viewer->addObject(duct);
    QImage single;
    m_viewer->renderToImage(single, 1000, 500);
    m_viewer->renderToImage(image, 1000, 500, &progress);
    const QRect around(480, 230, 40, 40);
    QVERIFY(nonWhite(single, around) > 0);
    QVERIFY(nonWhite(image, QRect(around.topLeft() * 4, around.size() * 4)) > 0);
    QCOMPARE(nonWhite(image, QRect(0, 0, 400, 400)), 0);
}

void TestViewer3DGL::groundOfAPlanArrivesWhileTheLoopRuns()
{
    const auto planOfOneRoom = [] {
        QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
        auto *room = new SelectableBoxItem;
        room->setSize(QSizeF(1200, 300));
        plan->addElement(room);
        return plan;
    };
    m_viewer->setFloorPlan(planOfOneRoom());
    Plain3D *ground = m_viewer->groundPlane();
    QVERIFY(ground->hasPendingTiles());
    QSignalSpy finished(ground, &Plain3D::tilesFinished);
    QVERIFY(finished.wait());
    // The pictures wait for the viewer's own context; the viewer draws a frame by itself and
    // takes them up.
    const auto waiting = [ground] {
        const QList<MeshBuffer *> tiles = ground->meshes();
        return std::count_if(tiles.begin(), tiles.end(), [](const MeshBuffer *tile) { return tile->hasPendingTexture(); });
    };
    QTRY_COMPARE(waiting(), 0);
    for (const MeshBuffer *tile : ground->meshes())
        QVERIFY(tile->texture() != 0);

    // A picture printed at once shows the whole ground.
    m_viewer->setFloorPlan(planOfOneRoom());
    QVERIFY(m_viewer->groundPlane()->hasPendingTiles());
    QImage image;
    m_viewer->renderToImage(image, 200, 100);
    QVERIFY(!image.isNull());
    QVERIFY(!m_viewer->groundPlane()->hasPendingTiles());
}

void TestViewer3DGL::freeHandReferenceOnTheGround()
{
    QSignalSpy finished(m_viewer.get(), &Viewer3D::finishedReference);
    m_viewer->setReferenceMode(1);
    renderFrame();
    // The background: nothing happens, the mode stays.
    click(QPoint(3, 3));
    QCOMPARE(m_viewer->referenceMode(), 1);
    QVERIFY(!m_viewer->currentReference());
    QCOMPARE(finished.count(), 0);

    // The plan lies at the scene's greatest depth.
    const double ground = -Object3D::toUnits(m_viewer->maxDepth());
    click(pixelOf(Vector3D(0.2, ground, 0.1)));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_viewer->referenceMode(), 0);
    ReferencePoint *reference = m_viewer->currentReference();
    QVERIFY(reference);
    QVERIFY(reference->isPositionSet());
    QVERIFY2(closeTo(reference->position(), Vector3D(0.2, 0, 0.1), 0.005),
             qPrintable(describe(reference->position())));
    QCOMPARE(m_viewer->referencePoints(), QList<ReferencePoint *>{reference});
    QVERIFY(m_viewer->objects().contains(reference));
    QCOMPARE(m_viewer->renderMode(), Viewer3D::Screen);
}

void TestViewer3DGL::measuredReferenceAsksAgainForAZeroDistance()
{
    const double ground = -Object3D::toUnits(m_viewer->maxDepth());
    const Vector3D a(-0.2, ground, 0.0), b(0.2, ground, 0.0), p(0.0, ground, 0.15);
    ModalAnswerer answer;
    QStringList prompts;
    const auto enter = [&](double value) {
        answer.expect("InputDoubleDialog", [&prompts, value](QWidget *dialog) {
            const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
            for (QLabel *label : labels)
                if (!label->text().isEmpty())
                    prompts << label->text();
            dialog->findChild<QDoubleSpinBox *>()->setValue(value);
            static_cast<QDialog *>(dialog)->accept();
        });
    };
    QSignalSpy finished(m_viewer.get(), &Viewer3D::finishedReference);
    m_viewer->setReferenceMode(2);
    renderFrame();

    enter(12.5);
    click(pixelOf(a));
    ReferencePoint *reference = m_viewer->currentReference();
    QVERIFY(reference);
    QCOMPARE(reference->distance1(), 12.5);
    QVERIFY(closeTo(reference->ref1(), Vector3D(-0.2, 0, 0), 0.005));
    QVERIFY(!reference->isPositionSet());

    // A second distance of 0 leaves the point incomplete: the next click asks again.
    enter(0.0);
    click(pixelOf(b));
    QVERIFY(!reference->hasRef2());
    enter(7.25);
    click(pixelOf(b));
    QVERIFY(reference->hasRef2());
    QCOMPARE(reference->distance2(), 7.25);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(m_viewer->referenceMode(), 2);

    click(pixelOf(p));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_viewer->referenceMode(), 0);
    QVERIFY(reference->isPositionSet());
    QVERIFY2(closeTo(reference->position(), Vector3D(0, 0, 0.15), 0.005),
             qPrintable(describe(reference->position())));
    QVERIFY(answer.done());
    QCOMPARE(prompts.count(QStringLiteral("Abstand zum Referenzpunkt:")), 3);
    QCOMPARE(m_viewer->referencePoints(), QList<ReferencePoint *>{reference});
}

void TestViewer3DGL::dimensionNoteFromTwoClicks()
{
    const double ground = -Object3D::toUnits(m_viewer->maxDepth());
    QSignalSpy finished(m_viewer.get(), &Viewer3D::finishedDimensionNote);
    m_viewer->setDimensionNoteMode(2);
    renderFrame();
    click(pixelOf(Vector3D(-0.2, ground, 0.1)));
    DimensionNote *note = m_viewer->currentDimensionNote();
    QVERIFY(note);
    QCOMPARE(finished.count(), 0);
    click(QPoint(3, 3));
    QCOMPARE(m_viewer->dimensionNoteMode(), 2);
    click(pixelOf(Vector3D(0.2, ground, 0.1)));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_viewer->dimensionNoteMode(), 0);
    QVERIFY(note->isPositionSet());
    QVERIFY2(closeTo(note->position(), Vector3D(0, 0, 0.1), 0.005), qPrintable(describe(note->position())));
    // 0.4 units at a tenth of a unit per metre.
    QVERIFY2(note->labelText().startsWith(QStringLiteral("4.0")) || note->labelText().startsWith(QStringLiteral("3.9")),
             qPrintable(note->labelText()));
    QCOMPARE(m_viewer->dimensionNotes(), QList<DimensionNote *>{note});
}

void TestViewer3DGL::showFlagsHideWhatTheyName_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("what");
    QTest::newRow("labels") << 0x01 << "label";
    QTest::newRow("projection") << 0x02 << "curtain";
    QTest::newRow("reference points") << 0x10 << "reference";
    QTest::newRow("dimension notes") << 0x20 << "note";
}

void TestViewer3DGL::showFlagsHideWhatTheyName()
{
    QFETCH(int, flag);
    QFETCH(QString, what);
    // Each thing stands apart in the view, so what a flag changes can be told by where.
    auto *point = new Point(0.4, 1.0);
    point->system()->setPosition(Vector3D(0.0, 0, 0.2));
    m_viewer->addObject(point);
    point->buildGeometry();
    ConnectedInspection *course = addCourse(point);
    course->frame()->setRotation(Quaternion(Vector3D(0, 1, 0), M_PI / 2)); // along -x
    // Deep enough to sink the plan well below the course.
    auto *labelled = manhole(0.5, 3.0);
    labelled->system()->setPosition(Vector3D(0.3, 0, -0.2));
    labelled->setLabelText(QStringLiteral("Schacht"));
    m_viewer->addObject(labelled);
    auto *reference = new ReferencePoint;
    reference->setPosition(Vector3D(0.25, 0, 0.25));
    m_viewer->addObject(reference);
    auto *note = new DimensionNote;
    note->setRef1(Vector3D(-0.35, 0, -0.3));
    note->setRef2(Vector3D(-0.15, 0, -0.3));
    note->centerPosition();
    // Its length label is what shows of it at this scale; for the label flag it would be a
    // second thing hidden.
    if (what == QLatin1String("label"))
        note->setText(QString());
    m_viewer->addObject(note);
    // From higher up, so the things on the plan show as more than lines.
    m_viewer->camera()->setPosition(Vector3D(0, 0.9, 0.6));
    m_viewer->camera()->lookAt(Vector3D(0, -0.15, 0));
    renderFrame();

    const double ground = -Object3D::toUnits(m_viewer->maxDepth());
    QPoint where;
    if (what == QLatin1String("label"))
        where = pixelOf(labelled->system()->position()) + QPoint(20, 5);
    else if (what == QLatin1String("curtain"))
        where = pixelOf(Vector3D(-0.1, 0.5 * (ground - 0.1), 0.2)); // below the course
    else if (what == QLatin1String("reference"))
        where = pixelOf(Vector3D(0.25, ground, 0.25));
    else
        where = pixelOf(Vector3D(-0.25, ground, -0.3)) + QPoint(20, 5);

    QImage with;
    QImage without;
    m_viewer->setShowFlags(0x3f);
    m_viewer->renderToImage(with, 400, 300);
    m_viewer->setShowFlags(0x3f & ~flag);
    m_viewer->renderToImage(without, 400, 300);
    QPointF centre;
    const int changed = differing(with, without, &centre);
    QVERIFY2(changed > 10, qPrintable(QString::number(changed)));
    QVERIFY2(QLineF(centre, where).length() < 40,
             qPrintable(QStringLiteral("changes around (%1, %2), expected near (%3, %4)")
                            .arg(centre.x()).arg(centre.y()).arg(where.x()).arg(where.y())));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestViewer3DGL test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    checkLeaksWhileDriversLoaded();
    return result;
}
#include "tst_viewer3dgl.moc"
