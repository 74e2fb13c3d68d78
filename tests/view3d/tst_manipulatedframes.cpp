#include "compare3d.h"
#include "view3d/camera.h"
#include "view3d/constraint.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/manipulatedsystem3d.h"

#include <QDomDocument>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const Vector3D yAxis(0, 1, 0);

// The default camera showing the unit sphere at the origin: 600 x 400 pixels, the eye on +z.
std::unique_ptr<Camera> makeCamera(Camera::Type type = Camera::PERSPECTIVE)
{
    auto camera = std::make_unique<Camera>();
    camera->setType(type);
    camera->showEntireScene();
    camera->computeModelViewMatrix();
    camera->computeProjectionMatrix();
    return camera;
}

Vector3D pixelOf(Camera &camera, const Vector3D &world)
{
    camera.computeModelViewMatrix();
    camera.computeProjectionMatrix();
    return camera.projectedCoordinatesOf(world);
}

void press(ManipulatedSystem3D &frame, const Camera &camera, QPoint at,
           Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, button, button, Qt::NoModifier);
    frame.mousePressEvent(&event, &camera);
}

void move(ManipulatedSystem3D &frame, const Camera &camera, QPoint to,
          Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseMove, to, Qt::NoButton, buttons, Qt::NoModifier);
    frame.mouseMoveEvent(&event, &camera);
}

void release(ManipulatedSystem3D &frame, const Camera &camera, QPoint at)
{
    QMouseEvent event(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    frame.mouseReleaseEvent(&event, &camera);
}

void wheel(ManipulatedSystem3D &frame, const Camera &camera, int delta)
{
    QWheelEvent event(QPointF(300, 200), QPointF(300, 200), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    frame.wheelEvent(&event, &camera);
}

// One drag from a point to another with the given action.
void drag(ManipulatedSystem3D &frame, const Camera &camera, Global::MouseAction action, QPoint from,
          QPoint to)
{
    frame.beginAction(action, true);
    press(frame, camera, from);
    move(frame, camera, to);
    release(frame, camera, to);
}

} // namespace

class TestManipulatedFrames : public QObject
{
    Q_OBJECT

private slots:
    void grabberPool();
    void checkGrab_data();
    void checkGrab();
    void liftedConstraintComesBack();
    void translateFollowsPointer_data();
    void translateFollowsPointer();
    void frameZoomTwistRotate();
    void frameWheel();
    void doubleClick();
    void cameraRotateIsTurntable();
    void cameraTranslateAndSlide();
    void cameraZoomOnlyByWheel();
    void cameraWheel_data();
    void cameraWheel();
    void cameraTwistRollsAboutViewAxis();
    void xmlRoundTrip();
    void xmlMissingSensitivityIsZero();
};

void TestManipulatedFrames::grabberPool()
{
    auto frame = std::make_unique<ManipulatedSystem3D>();
    QVERIFY(MouseGrabber::grabberPool().contains(frame.get()));
    frame->setRotationSensitivity(0.7f);
    frame->beginAction(Global::MOUSE_ROTATE, true);
    ManipulatedSystem3D copy(*frame);
    QVERIFY(MouseGrabber::grabberPool().contains(&copy));
    QCOMPARE(copy.rotationSensitivity(), 0.7f);
    QCOMPARE(copy.action(), Global::MOUSE_NONE);

    ManipulatedSystem3D *gone = frame.get();
    frame.reset();
    QVERIFY(!MouseGrabber::grabberPool().contains(gone));

    // The camera's frame never grabs by hovering.
    ManipulatedCameraSystem3D cameraFrame;
    QVERIFY(!MouseGrabber::grabberPool().contains(&cameraFrame));
}

void TestManipulatedFrames::checkGrab_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("grabs");

    // The origin is at the window centre (300, 200).
    QTest::newRow("9 pixels off in x and y") << QPoint(309, 191) << true;
    QTest::newRow("10 pixels off in x") << QPoint(310, 200) << false;
    QTest::newRow("10 pixels off in y") << QPoint(300, 190) << false;
    QTest::newRow("on it") << QPoint(300, 200) << true;
}

void TestManipulatedFrames::checkGrab()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, grabs);
    auto camera = makeCamera();
    ManipulatedSystem3D frame;
    frame.checkGrab(pointer.x(), pointer.y(), camera.get());
    QCOMPARE(frame.isGrabbing(), grabs);

    // A press over it keeps the mouse until the release, wherever the pointer goes.
    if (grabs) {
        press(frame, *camera, pointer);
        frame.checkGrab(500, 20, camera.get());
        QVERIFY(frame.isGrabbing());
        release(frame, *camera, QPoint(500, 20));
        frame.checkGrab(500, 20, camera.get());
        QVERIFY(!frame.isGrabbing());
    }
}

void TestManipulatedFrames::liftedConstraintComesBack()
{
    auto camera = makeCamera();
    ManipulatedSystem3D frame;
    WorldConstraint locked;
    locked.setTranslationConstraintType(AxisPlaneConstraint::Locked);
    frame.setConstraint(&locked);

    drag(frame, *camera, Global::MOUSE_TRANSLATE, QPoint(300, 200), QPoint(340, 200));
    COMPARE_VECTOR(frame.position(), Vector3D(), 0.0);

    frame.beginAction(Global::MOUSE_TRANSLATE, false);
    QCOMPARE(frame.constraint(), nullptr);
    press(frame, *camera, QPoint(300, 200));
    move(frame, *camera, QPoint(340, 200));
    QVERIFY(frame.position().x > 0.0);
    release(frame, *camera, QPoint(340, 200));
    QCOMPARE(frame.constraint(), &locked);
    QCOMPARE(frame.action(), Global::MOUSE_NONE);
    QVERIFY(!frame.isManipulated());
}

void TestManipulatedFrames::translateFollowsPointer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withReference");

    QTest::newRow("perspective") << int(Camera::PERSPECTIVE) << false;
    QTest::newRow("orthographic") << int(Camera::ORTHOGRAPHIC) << false;
    QTest::newRow("perspective, turned reference") << int(Camera::PERSPECTIVE) << true;
}

void TestManipulatedFrames::translateFollowsPointer()
{
    QFETCH(int, type);
    QFETCH(bool, withReference);

    auto camera = makeCamera(Camera::Type(type));
    System3D reference;
    reference.setTranslation(Vector3D(0.2, 0, 0));
    reference.setRotation(Quaternion(Vector3D(1, 1, 0), 1.0));
    ManipulatedSystem3D frame;
    if (withReference) {
        frame.setReferenceSystem(&reference);
        frame.setPosition(Vector3D(0.1, 0.1, -0.5));
    }
    frame.setTranslationSensitivity(1.0f);
    const Vector3D start = pixelOf(*camera, frame.position());

    QSignalSpy manipulated(&frame, &ManipulatedSystem3D::manipulated);
    drag(frame, *camera, Global::MOUSE_TRANSLATE, QPoint(300, 200), QPoint(320, 190));
    QCOMPARE(manipulated.count(), 1);
    // At sensitivity 1 the frame stays under the pointer, at its own depth.
    const Vector3D end = pixelOf(*camera, frame.position());
    COMPARE_VECTOR(end, start + Vector3D(20, -10, 0), 1e-9);

    // The default sensitivity moves it half as far.
    frame.setTranslationSensitivity(0.5f);
    drag(frame, *camera, Global::MOUSE_SLIDE, QPoint(0, 0), QPoint(-20, 0));
    COMPARE_VECTOR(pixelOf(*camera, frame.position()), end + Vector3D(-10, 0, 0), 1e-9);
}

void TestManipulatedFrames::frameZoomTwistRotate()
{
    auto camera = makeCamera();
    const double eye = camera->position().z;

    ManipulatedSystem3D frame;
    // Dragging down by a tenth of the window brings the frame a tenth of its distance closer.
    drag(frame, *camera, Global::MOUSE_ZOOM, QPoint(300, 200), QPoint(300, 240));
    COMPARE_VECTOR(frame.position(), Vector3D(0, 0, eye * 0.1), 1e-12);

    // A quarter turn round the frame's pixel turns it a quarter about the viewing axis, the
    // way the pointer went (anticlockwise on screen).
    ManipulatedSystem3D twisted;
    drag(twisted, *camera, Global::MOUSE_TWIST, QPoint(400, 200), QPoint(300, 100));
    COMPARE_VECTOR(twisted.worldDirection(Vector3D(1, 0, 0)), Vector3D(0, 1, 0), 1e-12);

    // A trackball drag to the right turns the front of the frame to the right, about the
    // screen's vertical.
    ManipulatedSystem3D rotated;
    drag(rotated, *camera, Global::MOUSE_ROTATE, QPoint(300, 200), QPoint(310, 200));
    COMPARE_VECTOR(rotated.rotation().axis(), yAxis, 1e-9);
    QVERIFY(rotated.worldDirection(Vector3D(0, 0, 1)).x > 0.0);
    QVERIFY(std::fabs(rotated.rotation().angle() - 2.0 * std::asin(0.2 * 10 / 600)) < 1e-6);
}

void TestManipulatedFrames::frameWheel()
{
    auto camera = makeCamera();
    const double eye = camera->position().z;
    ManipulatedSystem3D frame;
    WorldConstraint locked;
    locked.setTranslationConstraintType(AxisPlaneConstraint::Locked);
    frame.setConstraint(&locked);

    // Without the zoom action the wheel does nothing, and the action ends either way.
    frame.beginAction(Global::MOUSE_ROTATE, false);
    wheel(frame, *camera, 120);
    COMPARE_VECTOR(frame.position(), Vector3D(), 0.0);
    QCOMPARE(frame.constraint(), &locked);

    // A notch away from the user pushes the frame away by 0.0192 of its distance.
    frame.beginAction(Global::MOUSE_ZOOM, false);
    wheel(frame, *camera, 120);
    QVERIFY(std::fabs(frame.position().z + eye * double(120 * 0.2f * 0.0008f)) < 1e-9);
    QCOMPARE(frame.action(), Global::MOUSE_NONE);
    QCOMPARE(frame.constraint(), &locked);
}

void TestManipulatedFrames::doubleClick()
{
    auto camera = makeCamera();
    ManipulatedSystem3D frame;
    frame.setTranslation(Vector3D(0.3, 0.2, 0));
    frame.setRotation(Quaternion(yAxis, 0.15));
    QSignalSpy manipulated(&frame, &ManipulatedSystem3D::manipulated);

    QMouseEvent ctrl(QEvent::MouseButtonDblClick, QPoint(300, 200), Qt::LeftButton, Qt::LeftButton,
                     Qt::ControlModifier);
    frame.mouseDoubleClickEvent(&ctrl, camera.get());
    QCOMPARE(manipulated.count(), 0);
    COMPARE_ROTATION(frame.rotation(), Quaternion(yAxis, 0.15), 0.0);

    QMouseEvent left(QEvent::MouseButtonDblClick, QPoint(300, 200), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    frame.mouseDoubleClickEvent(&left, camera.get());
    COMPARE_ROTATION(frame.orientation(), camera->orientation(), 1e-12);

    QMouseEvent right(QEvent::MouseButtonDblClick, QPoint(300, 200), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    frame.mouseDoubleClickEvent(&right, camera.get());
    COMPARE_VECTOR(frame.position(), Vector3D(), 1e-12);
    QCOMPARE(manipulated.count(), 2);
}

void TestManipulatedFrames::cameraRotateIsTurntable()
{
    auto camera = makeCamera();
    ManipulatedCameraSystem3D *frame = camera->frame();
    const double distance = camera->position().norm();

    // One pixel sideways orbits 0.2 degrees about the world's vertical through the pivot.
    drag(*frame, *camera, Global::MOUSE_ROTATE, QPoint(300, 200), QPoint(299, 200));
    const double turn = M_PI / 180.0 * double(0.2f);
    COMPARE_ROTATION(camera->orientation(), Quaternion(yAxis, turn), 1e-15);
    COMPARE_VECTOR(camera->position(), distance * Vector3D(std::sin(turn), 0, std::cos(turn)), 1e-12);

    // Vertical drags turn about the camera's own horizontal axis.
    const Vector3D right = frame->worldDirection(Vector3D(1, 0, 0));
    drag(*frame, *camera, Global::MOUSE_ROTATE, QPoint(300, 200), QPoint(300, 195));
    COMPARE_VECTOR(frame->worldDirection(Vector3D(1, 0, 0)), right, 1e-14);
    QVERIFY(std::fabs(camera->position().norm() - distance) < 1e-14);
    QVERIFY(std::fabs(camera->viewDirection().y - std::sin(5 * turn)) < 1e-12);
}

void TestManipulatedFrames::cameraTranslateAndSlide()
{
    auto camera = makeCamera();
    ManipulatedCameraSystem3D *frame = camera->frame();
    frame->setTranslationSensitivity(1.0f);

    // The scene follows the pointer; the pivot goes with the camera.
    drag(*frame, *camera, Global::MOUSE_TRANSLATE, QPoint(300, 200), QPoint(330, 220));
    COMPARE_VECTOR(pixelOf(*camera, Vector3D()), Vector3D(330, 220, pixelOf(*camera, Vector3D()).z), 1e-9);
    COMPARE_VECTOR(camera->revolveAroundPoint(), camera->position() - Vector3D(0, 0, camera->position().z), 1e-12);

    const Vector3D pivot = camera->revolveAroundPoint();
    drag(*frame, *camera, Global::MOUSE_SLIDE, QPoint(330, 220), QPoint(300, 200));
    COMPARE_VECTOR(pixelOf(*camera, Vector3D()), Vector3D(300, 200, pixelOf(*camera, Vector3D()).z), 1e-9);
    COMPARE_VECTOR(camera->revolveAroundPoint(), pivot, 0.0);
}

void TestManipulatedFrames::cameraZoomOnlyByWheel()
{
    auto camera = makeCamera();
    const Vector3D position = camera->position();
    drag(*camera->frame(), *camera, Global::MOUSE_ZOOM, QPoint(300, 200), QPoint(300, 300));
    COMPARE_VECTOR(camera->position(), position, 0.0);
    COMPARE_ROTATION(camera->orientation(), Quaternion(), 0.0);
}

void TestManipulatedFrames::cameraWheel_data()
{
    QTest::addColumn<double>("eyeDistance");
    QTest::addColumn<double>("reach");

    // The step follows the distance to the pivot, but not below a fifth of the scene radius.
    QTest::newRow("far from the pivot") << 2.5 << 2.5;
    QTest::newRow("on the pivot") << 0.0 << 0.2;
}

void TestManipulatedFrames::cameraWheel()
{
    QFETCH(double, eyeDistance);
    QFETCH(double, reach);
    auto camera = makeCamera();
    camera->setPosition(Vector3D(0, 0, eyeDistance));

    camera->frame()->beginAction(Global::MOUSE_ZOOM, true);
    wheel(*camera->frame(), *camera, 120);
    // 120 * 0.2 * 0.0004 = 0.0096 of the reach, backwards.
    const double step = double(0.2f * 120.0f * float(reach) * 0.0004f);
    QVERIFY(std::fabs(camera->position().z - (eyeDistance + step)) < 1e-12);
    QVERIFY(std::fabs(step - 0.0096 * reach) < 1e-8);
    QCOMPARE(camera->frame()->action(), Global::MOUSE_NONE);
}

void TestManipulatedFrames::cameraTwistRollsAboutViewAxis()
{
    auto camera = makeCamera();
    const Vector3D position = camera->position();
    // The pivot is at the window centre; a quarter turn of the pointer rolls a quarter.
    drag(*camera->frame(), *camera, Global::MOUSE_TWIST, QPoint(400, 200), QPoint(300, 100));
    COMPARE_VECTOR(camera->viewDirection(), Vector3D(0, 0, -1), 1e-12);
    COMPARE_VECTOR(camera->position(), position, 1e-12);
    // The camera itself rolls the way the pointer turned.
    COMPARE_VECTOR(camera->frame()->worldDirection(Vector3D(1, 0, 0)), Vector3D(0, 1, 0), 1e-7);
}

void TestManipulatedFrames::xmlRoundTrip()
{
    ManipulatedSystem3D frame;
    frame.setTranslation(Vector3D(1.5, -0.25, 3));
    frame.setRotation(Quaternion(Vector3D(0, 0, 1), 0.5));
    frame.setRotationSensitivity(0.35f);
    frame.setTranslationSensitivity(1.7f);
    frame.setWheelSensitivity(0.05f);

    QDomDocument document;
    const QDomElement element = frame.toDomElement(QStringLiteral("System"), document);
    const QDomElement parameters = element.firstChildElement(QStringLiteral("ManipulatedParameter"));
    QCOMPARE(parameters.attribute(QStringLiteral("rotSens")), QStringLiteral("0.35"));

    ManipulatedCameraSystem3D read;
    read.fromDomElement(element);
    COMPARE_VECTOR(read.translation(), frame.translation(), 0.0);
    COMPARE_ROTATION(read.rotation(), frame.rotation(), 1e-7);
    QCOMPARE(read.rotationSensitivity(), 0.35f);
    QCOMPARE(read.translationSensitivity(), 1.7f);
    QCOMPARE(read.wheelSensitivity(), 0.05f);
}

void TestManipulatedFrames::xmlMissingSensitivityIsZero()
{
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("System"));
    QDomElement parameters = document.createElement(QStringLiteral("ManipulatedParameter"));
    parameters.setAttribute(QStringLiteral("rotSens"), QStringLiteral("0.4"));
    parameters.setAttribute(QStringLiteral("transSens"), QStringLiteral("0.6"));
    element.appendChild(parameters);

    ManipulatedSystem3D frame;
    frame.fromDomElement(element);
    QCOMPARE(frame.rotationSensitivity(), 0.4f);
    QCOMPARE(frame.translationSensitivity(), 0.6f);
    QCOMPARE(frame.wheelSensitivity(), 0.0f);
}

QTEST_MAIN(TestManipulatedFrames)
#include "tst_manipulatedframes.moc"
