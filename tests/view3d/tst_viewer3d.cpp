#include "compare3d.h"
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "view3d/viewer3d.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

// Counts the courses that are deleted.
class CountedCourse : public ConnectedInspection
{
public:
    explicit CountedCourse(int *deleted) : m_deleted(deleted) {}
    ~CountedCourse() override { ++*m_deleted; }

private:
    int *m_deleted;
};

CountedCourse *courseAt(Object3D *parent, int *deleted)
{
    auto *course = new CountedCourse(deleted);
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("Inspection"));
    element.setAttribute(QStringLiteral("Parent"), parent->name());
    course->load(element, nullptr, {parent});
    return course;
}

void pressKey(Viewer3D &viewer, int key, const QString &text)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&viewer, &event);
}

} // namespace

class TestViewer3D : public QObject
{
    Q_OBJECT

private slots:
    void constructedView();
    void maxDepth_data();
    void maxDepth();
    void showFlagsChooseTheProjection_data();
    void showFlagsChooseTheProjection();
    void sceneListsAndSelection();
    void coursesAreRegisteredOnceAndDeletedOnce();
    void destructorDeletesEveryCourseOnce();
    void plusAndMinusMoveTheCamera();
    void moveCameraStaysInTheGroundPlane();
    void scaleChangeAsksForARestart();
    void printTiles_data();
    void printTiles();
};

void TestViewer3D::constructedView()
{
    Viewer3D viewer;
    QCOMPARE(viewer.camera()->type(), Camera::PERSPECTIVE);
    QVERIFY(!viewer.selectedObject());
    QVERIFY(!viewer.selectedObject());
    QCOMPARE(viewer.maxDepth(), 0.0);
    QCOMPARE(viewer.renderMode(), Viewer3D::Screen);
    // Looking slightly down at the origin from one unit away.
    const Vector3D position = viewer.camera()->position();
    QVERIFY2(std::fabs(position.norm() - 1.0) < 1e-3, qPrintable(describe(position)));
    QVERIFY2(position.y > 0.3 && position.y < 0.4, qPrintable(describe(position)));
    QVERIFY(dot(viewer.camera()->viewDirection(), Vector3D(0, -1, 0)) > 0.3);

    // Without a context there is nothing to draw into.
    QImage image(10, 10, QImage::Format_ARGB32);
    QVERIFY(viewer.renderToImage(image, 100, 100).isNull());
}

void TestViewer3D::maxDepth_data()
{
    QTest::addColumn<QList<double>>("ducts");
    QTest::addColumn<QList<double>>("points"); // pairs of depth and diameter
    QTest::addColumn<double>("expected");
    QTest::newRow("empty scene") << QList<double>() << QList<double>() << 0.5;
    QTest::newRow("shallow objects") << QList<double>{0.3} << QList<double>{0.2, 0.2} << 0.5;
    QTest::newRow("point below duct") << QList<double>{1.1} << QList<double>{1.0, 0.3} << 1.15;
    QTest::newRow("duct deepest") << QList<double>{2.5, 1.0} << QList<double>{1.0, 0.3} << 2.5;
}

void TestViewer3D::maxDepth()
{
    QFETCH(QList<double>, ducts);
    QFETCH(QList<double>, points);
    QFETCH(double, expected);
    Viewer3D viewer;
    viewer.updateMaxDepth();
    QCOMPARE(viewer.maxDepth(), 0.5);
    for (double depth : ducts)
        viewer.addObject(new Duct(1.0, depth));
    for (int i = 0; i + 1 < points.size(); i += 2)
        viewer.addObject(new Point(points[i + 1], points[i]));
    QCOMPARE(viewer.maxDepth(), expected);

    // Taking the deepest object out lowers it again.
    if (!viewer.objects().isEmpty()) {
        Object3D *last = viewer.objects().last();
        viewer.removeObject(last);
        delete last;
        QVERIFY(viewer.maxDepth() <= expected);
    }
}

void TestViewer3D::showFlagsChooseTheProjection_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("type");
    QTest::newRow("none") << 0 << int(Camera::ORTHOGRAPHIC);
    QTest::newRow("0x04 only") << 0x04 << int(Camera::ORTHOGRAPHIC);
    QTest::newRow("0x08 only") << 0x08 << int(Camera::ORTHOGRAPHIC);
    QTest::newRow("both") << 0x0c << int(Camera::PERSPECTIVE);
    QTest::newRow("all") << 0x3f << int(Camera::PERSPECTIVE);
}

void TestViewer3D::showFlagsChooseTheProjection()
{
    QFETCH(int, flags);
    QFETCH(int, type);
    Viewer3D viewer;
    viewer.setShowFlags(flags);
    QCOMPARE(viewer.showFlags(), flags);
    QCOMPARE(int(viewer.camera()->type()), type);
}

void TestViewer3D::sceneListsAndSelection()
{
    Viewer3D viewer;
    QSignalSpy selection(&viewer, &Viewer3D::selectionChanged);
    auto *duct = new Duct(1.0, 2.0);
    auto *reference = new ReferencePoint;
    auto *note = new DimensionNote;
    viewer.addObject(duct);
    viewer.addObject(reference);
    viewer.addObject(note);
    viewer.addObject(duct);
    viewer.addObject(reference);
    QCOMPARE(viewer.objects(), (QList<Object3D *>{duct, reference, note}));
    QCOMPARE(viewer.referencePoints(), QList<ReferencePoint *>{reference});
    QCOMPARE(viewer.dimensionNotes(), QList<DimensionNote *>{note});

    // Removing hands the object back: it is neither drawn nor deleted by the viewer.
    viewer.removeObject(reference);
    QCOMPARE(viewer.objects(), (QList<Object3D *>{duct, note}));
    QVERIFY(viewer.referencePoints().isEmpty());
    QVERIFY(Object3D::registry().contains(reference));
    delete reference;

    viewer.removeDimensionNote(note);
    QVERIFY(viewer.dimensionNotes().isEmpty());
    QCOMPARE(viewer.objects(), QList<Object3D *>{duct});
    delete note;

    QVERIFY(!viewer.selectedObject());
    QVERIFY(!viewer.isSelected(duct));
    viewer.clearSelection();
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.last().at(0).value<Object3D *>(), nullptr);
    QCOMPARE(viewer.manipulatedSystem(), static_cast<ManipulatedSystem3D *>(viewer.camera()->frame()));
}

void TestViewer3D::coursesAreRegisteredOnceAndDeletedOnce()
{
    Viewer3D viewer;
    int deleted = 0;
    auto *duct = new Duct(1.0, 2.0);
    auto *point = new Point(0.5, 1.0);
    viewer.addObject(duct);
    viewer.addObject(point);
    CountedCourse *first = courseAt(duct, &deleted);
    CountedCourse *second = courseAt(duct, &deleted);
    CountedCourse *third = courseAt(point, &deleted);
    CountedCourse *stranger = courseAt(duct, &deleted);
    QCOMPARE(first->parent(), duct);

    viewer.addInspection(first);
    viewer.addInspection(second);
    viewer.addInspection(third);
    // The same course again (a second set-up of the same project) is not registered twice.
    viewer.addInspection(first);
    QVERIFY(viewer.hasInspection(first));
    QVERIFY(viewer.hasInspection(third));
    // Another course under a registered parent is not taken for registered.
    QVERIFY(!viewer.hasInspection(stranger));
    QCOMPARE(viewer.inspections().size(), 3);
    QCOMPARE(viewer.inspectionsOf(duct).size(), 2);
    QVERIFY(viewer.inspectionsOf(duct).contains(first));
    QVERIFY(viewer.inspectionsOf(duct).contains(second));
    QCOMPARE(viewer.inspectionsOf(point), QList<ConnectedInspection *>{third});

    // Removing takes exactly that course out, without deleting it.
    viewer.removeInspection(second);
    QVERIFY(!viewer.hasInspection(second));
    QVERIFY(viewer.hasInspection(first));
    QCOMPARE(deleted, 0);
    delete second;
    delete stranger;
    QCOMPARE(deleted, 2);

    viewer.clearScene();
    QCOMPARE(deleted, 4);
    QVERIFY(viewer.inspections().isEmpty());
    QVERIFY(viewer.objects().isEmpty());
    QVERIFY(!viewer.groundPlane());
    QVERIFY(!viewer.compass());
    QCOMPARE(viewer.maxDepth(), 0.5);
    // A new object, wherever it lands, finds no course of the old scene.
    auto *fresh = new Duct(1.0, 1.0);
    viewer.addObject(fresh);
    QVERIFY(viewer.inspectionsOf(fresh).isEmpty());
    QVERIFY(viewer.inspectionsOf(duct).isEmpty());
}

void TestViewer3D::destructorDeletesEveryCourseOnce()
{
    int deleted = 0;
    {
        Viewer3D viewer;
        auto *duct = new Duct(1.0, 2.0);
        viewer.addObject(duct);
        viewer.addInspection(courseAt(duct, &deleted));
        viewer.addInspection(courseAt(duct, &deleted));
        CountedCourse *gone = courseAt(duct, &deleted);
        viewer.addInspection(gone);
        viewer.removeInspectionsOf(nullptr);
        QCOMPARE(deleted, 0);
        viewer.removeInspection(gone);
        delete gone;
        QCOMPARE(deleted, 1);
    }
    QCOMPARE(deleted, 3);

    deleted = 0;
    Viewer3D viewer;
    auto *duct = new Duct(1.0, 2.0);
    viewer.addObject(duct);
    viewer.addInspection(courseAt(duct, &deleted));
    viewer.addInspection(courseAt(duct, &deleted));
    viewer.removeInspectionsOf(duct);
    QCOMPARE(deleted, 2);
    QVERIFY(viewer.inspections().isEmpty());
}

void TestViewer3D::plusAndMinusMoveTheCamera()
{
    Viewer3D viewer;
    Camera *camera = viewer.camera();
    camera->setOrientation(Quaternion());
    camera->setPosition(Vector3D(0, 0, 1));
    camera->setSceneRadius(10.0f);
    camera->setSceneCenter(Vector3D(0, 0, 0));
    camera->frame()->setWheelSensitivity(1.0f);
    QSignalSpy manipulated(camera->frame(), &ManipulatedSystem3D::manipulated);

    // coef = max(0.2 * 10, 1) = 2: 2 * 60 * 0.0004 = 0.048 towards the scene.
    pressKey(viewer, Qt::Key_Plus, QStringLiteral("+"));
    QVERIFY2(closeTo(camera->position(), Vector3D(0, 0, 1 - 0.048), 1e-9),
             qPrintable(describe(camera->position())));
    QCOMPARE(manipulated.count(), 1);
    pressKey(viewer, Qt::Key_Minus, QStringLiteral("-"));
    QVERIFY2(closeTo(camera->position(), Vector3D(0, 0, 1), 1e-9),
             qPrintable(describe(camera->position())));

    // The step follows the camera's looking direction and the distance to the scene centre.
    camera->setSceneRadius(1.0f);
    camera->setOrientation(Quaternion(Vector3D(0, 1, 0), M_PI / 2)); // looking along -x
    camera->setSceneCenter(Vector3D(-5, 0, 1));
    pressKey(viewer, Qt::Key_Plus, QStringLiteral("+"));
    QVERIFY2(closeTo(camera->position(), Vector3D(-5 * 60 * 0.0004, 0, 1), 1e-9),
             qPrintable(describe(camera->position())));

    // Other keys do nothing.
    const Vector3D before = camera->position();
    pressKey(viewer, Qt::Key_A, QStringLiteral("a"));
    pressKey(viewer, Qt::Key_Up, QString());
    QCOMPARE(camera->position(), before);
    QCOMPARE(manipulated.count(), 3);
}

void TestViewer3D::moveCameraStaysInTheGroundPlane()
{
    Viewer3D viewer;
    const Vector3D before = viewer.camera()->position();
    viewer.moveCamera(QPointF(0.25, -0.5));
    QVERIFY(closeTo(viewer.camera()->position(), before + Vector3D(0.25, 0, -0.5), 1e-12));
}

void TestViewer3D::scaleChangeAsksForARestart()
{
    MeterRatioObserver *ratio = Global::instance()->meterRatio().data();
    const double old = ratio->ratio();
    Viewer3D viewer;
    QSignalSpy restart(&viewer, &Viewer3D::needRestartProject);
    ratio->setRatio(old * 2);
    QCOMPARE(restart.count(), 0);
    viewer.addObject(new Duct(1.0, 1.0));
    ratio->setRatio(old);
    QCOMPARE(restart.count(), 1);
}

void TestViewer3D::printTiles_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("tileHeight");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QPoint>("compass");
    QTest::addColumn<bool>("compassDrawn");
    QTest::newRow("1000 x 500") << 1000 << 500 << 50 << 10 << 10 << 0.4f << QSize(4000, 2000)
                                << QPoint(12, 5) << false;
    QTest::newRow("800 x 600") << 800 << 600 << 75 << 8 << 8 << 0.625f << QSize(4000, 3000)
                               << QPoint(8, 5) << false;
    QTest::newRow("1200 x 900") << 1200 << 900 << 75 << 12 << 12 << 4000.0f / 14400.0f
                                << QSize(4000, 3000) << QPoint(8, 5) << true;
    // The plan area of an A4 page, upright and across.
    QTest::newRow("A4 portrait") << 793 << 1123 << 142 << 8 << 8 << 4000.0f / 6344.0f
                                 << QSize(3965, 5615) << QPoint(5, 2) << true;
    QTest::newRow("A4 landscape") << 1123 << 793 << 71 << 12 << 12 << 4000.0f / 13476.0f
                                  << QSize(3743, 2643) << QPoint(8, 5) << true;
    // A partial last column: the image is narrower by what that column leaves empty.
    QTest::newRow("1050 x 700") << 1050 << 700 << 67 << 11 << 11 << 4000.0f / 11550.0f
                                << QSize(3818, 2545) << QPoint(12, 5) << false;
}

void TestViewer3D::printTiles()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, tileHeight);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(float, scale);
    QFETCH(QSize, image);
    QFETCH(QPoint, compass);
    QFETCH(bool, compassDrawn);
    const PrintTiles tiles = PrintTiles::forSize(width, height);
    QCOMPARE(tiles.tileWidth, 100);
    QCOMPARE(tiles.tileHeight, tileHeight);
    QCOMPARE(tiles.columns, columns);
    QCOMPARE(tiles.rows, rows);
    QCOMPARE(tiles.scale, scale);
    QCOMPARE(tiles.lineWidth, 2.0f / scale);
    QCOMPARE(QSize(tiles.imageWidth, tiles.imageHeight), image);
    QCOMPARE(tiles.grabWidth, int(std::ceil(float(width) * scale)));
    QCOMPARE(QPoint(tiles.compassColumn, tiles.compassRow), compass);
    QCOMPARE(tiles.hasCompass(), compassDrawn);
}

QTEST_MAIN(TestViewer3D)
#include "tst_viewer3d.moc"
