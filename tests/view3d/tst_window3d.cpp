#include "compare3d.h"
#include "view3d/camera.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/window3d.h"

#include <QDomDocument>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>

namespace {

// The window with picking recorded instead of done; never shown, so it never renders.
class TestWindow : public Window3D
{
public:
    QList<QPoint> picks;

protected:
    void initGL() override {}
    void pickAt(const QPoint &point) override { picks.append(point); }
    void selectPicked(const QPoint &) override {}
};

// Counts the update requests the window receives.
class UpdateCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++count;
        return false;
    }
};

void send(QWindow &window, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers modifiers, QPoint at = QPoint(300, 200))
{
    QMouseEvent event(type, at, button, buttons, modifiers);
    QCoreApplication::sendEvent(&window, &event);
}

void turnWheel(QWindow &window, Qt::KeyboardModifiers modifiers, int delta = 120)
{
    QWheelEvent event(QPointF(300, 200), QPointF(300, 200), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &event);
}

void resize(QWindow &window, int width, int height)
{
    const QSize old = window.size();
    window.resize(width, height);
    QResizeEvent event(QSize(width, height), old);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace

class TestWindow3D : public QObject
{
    Q_OBJECT

private slots:
    void renderLaterCoalesces();
    void resizeBeforeRenderingOnlyUpdatesCamera();
    void defaultDragBindings_data();
    void defaultDragBindings();
    void dragMovesAndReleaseEnds();
    void defaultClickBindings();
    void wheelBindings();
    void bindingSetters();
    void handlerModifiers();
    void grabberTakesTheMouse();
    void topViewToggledTwiceRestoresPose();
    void xmlRoundTrip();
    void setCamera();
};

void TestWindow3D::renderLaterCoalesces()
{
    TestWindow window;
    UpdateCounter counter;
    window.installEventFilter(&counter);
    window.renderLater();
    window.renderLater();
    window.renderLater();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 1);
    window.renderLater();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 2);
}

void TestWindow3D::resizeBeforeRenderingOnlyUpdatesCamera()
{
    TestWindow window;
    resize(window, 800, 500);
    QCOMPARE(window.camera()->screenWidth(), 800);
    QCOMPARE(window.camera()->screenHeight(), 500);
    QCOMPARE(window.context(), nullptr);
    QCOMPARE(window.pickingFramebuffer(), GLuint(0));
    QVERIFY(window.grabFrame().isNull());
}

void TestWindow3D::defaultDragBindings_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("cameraAction");
    QTest::addColumn<int>("systemAction");
    QTest::addColumn<int>("picks");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int left = Qt::LeftButton;
    const int leftMiddle = Qt::LeftButton | Qt::MiddleButton;
    QTest::newRow("left") << left << left << none << int(Global::MOUSE_TRANSLATE) << 0 << 0;
    QTest::newRow("right") << int(Qt::RightButton) << int(Qt::RightButton) << none
                           << int(Global::MOUSE_ROTATE) << 0 << 0;
    QTest::newRow("left and middle") << int(Qt::MiddleButton) << leftMiddle << none
                                     << int(Global::MOUSE_TWIST) << 0 << 0;
    QTest::newRow("middle alone") << int(Qt::MiddleButton) << int(Qt::MiddleButton) << none << 0
                                  << 0 << 0;
    QTest::newRow("ctrl left") << left << left << ctrl << 0 << int(Global::MOUSE_TRANSLATE) << 0;
    QTest::newRow("ctrl right") << int(Qt::RightButton) << int(Qt::RightButton) << ctrl << 0
                                << int(Global::MOUSE_ROTATE) << 0;
    QTest::newRow("ctrl left and middle") << int(Qt::MiddleButton) << leftMiddle << ctrl << 0
                                          << int(Global::MOUSE_TWIST) << 0;
    // Shift and the left button select and start no drag.
    QTest::newRow("shift left") << left << left << int(Qt::ShiftModifier) << 0 << 0 << 1;
    QTest::newRow("alt left") << left << left << int(Qt::AltModifier) << 0 << 0 << 0;
}

void TestWindow3D::defaultDragBindings()
{
    QFETCH(int, button);
    QFETCH(int, buttons);
    QFETCH(int, modifiers);
    QFETCH(int, cameraAction);
    QFETCH(int, systemAction);
    QFETCH(int, picks);

    TestWindow window;
    ManipulatedSystem3D system;
    window.setManipulatedSystem(&system);
    send(window, QEvent::MouseButtonPress, Qt::MouseButton(button), Qt::MouseButtons(buttons),
         Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(window.camera()->frame()->action()), cameraAction);
    QCOMPARE(int(system.action()), systemAction);
    QCOMPARE(window.picks.size(), picks);
}

void TestWindow3D::dragMovesAndReleaseEnds()
{
    TestWindow window;
    Camera *camera = window.camera();
    const Vector3D start = camera->position();
    send(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    send(window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, QPoint(280, 200));
    QVERIFY(camera->position().x > start.x);
    send(window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier,
         QPoint(280, 200));
    QCOMPARE(camera->frame()->action(), Global::MOUSE_NONE);
    const Vector3D after = camera->position();
    send(window, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::NoModifier, QPoint(100, 100));
    COMPARE_VECTOR(camera->position(), after, 0.0);
}

void TestWindow3D::defaultClickBindings()
{
    TestWindow window;
    Camera *camera = window.camera();
    const Vector3D home = camera->position();

    // Middle double-click: the whole scene again.
    camera->setPosition(Vector3D(0.5, 0.2, 9));
    send(window, QEvent::MouseButtonDblClick, Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
    COMPARE_VECTOR(camera->position(), home, 1e-12);

    // Right double-click: the scene centre onto the viewing axis.
    camera->setPosition(Vector3D(0.5, 0.2, 9));
    send(window, QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    COMPARE_VECTOR(camera->position(), Vector3D(0, 0, 9), 1e-12);

    // Left double-click: the camera snaps to the world axes.
    camera->setOrientation(Quaternion(Vector3D(0, 1, 0), 0.1));
    send(window, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    COMPARE_ROTATION(camera->orientation(), Quaternion(), 1e-12);

    // With Ctrl no double-click is bound.
    camera->setOrientation(Quaternion(Vector3D(0, 1, 0), 0.1));
    send(window, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    COMPARE_ROTATION(camera->orientation(), Quaternion(Vector3D(0, 1, 0), 0.1), 0.0);
}

void TestWindow3D::wheelBindings()
{
    TestWindow window;
    ManipulatedSystem3D system;
    window.setManipulatedSystem(&system);
    const Vector3D eye = window.camera()->position();

    turnWheel(window, Qt::NoModifier);
    QVERIFY(window.camera()->position().z > eye.z);
    QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);

    turnWheel(window, Qt::ControlModifier);
    QVERIFY(system.position().z < 0.0);

    const Vector3D cameraAt = window.camera()->position();
    const Vector3D systemAt = system.position();
    turnWheel(window, Qt::ShiftModifier);
    COMPARE_VECTOR(window.camera()->position(), cameraAt, 0.0);
    COMPARE_VECTOR(system.position(), systemAt, 0.0);

    // The manipulated system can only be zoomed by the wheel.
    window.setWheelBinding(Qt::ControlModifier, Global::HANDLER_SYSTEM, Global::MOUSE_ROTATE);
    turnWheel(window, Qt::ControlModifier);
    QVERIFY(system.position().z < systemAt.z);

    window.setWheelBinding(Qt::NoModifier, Global::HANDLER_CAMERA, Global::MOUSE_NONE);
    turnWheel(window, Qt::NoModifier);
    COMPARE_VECTOR(window.camera()->position(), cameraAt, 0.0);
}

void TestWindow3D::bindingSetters()
{
    TestWindow window;
    const int left = Qt::LeftButton;

    // A single click on the left button replaces the left drag, and the other way round.
    window.setMouseBinding(left, Global::CLICK_SELECT);
    send(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCOMPARE(window.picks.size(), 1);
    QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);

    window.setMouseBinding(left, Global::HANDLER_CAMERA, Global::MOUSE_ROTATE);
    send(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCOMPARE(window.picks.size(), 1);
    QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_ROTATE);
    send(window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);

    // States without a button, and buttons held before a single click, are refused.
    window.setMouseBinding(int(Qt::ShiftModifier), Global::HANDLER_CAMERA, Global::MOUSE_ZOOM);
    window.setMouseBinding(int(Qt::RightButton), Global::CLICK_SELECT, false, Qt::LeftButton);
    send(window, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton | Qt::LeftButton,
         Qt::NoModifier);
    QCOMPARE(window.picks.size(), 1);
    send(window, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Qt::NoModifier);

    // A double-click with a button held before.
    window.setMouseBinding(int(Qt::RightButton), Global::CLICK_SELECT, true, Qt::LeftButton);
    send(window, QEvent::MouseButtonDblClick, Qt::RightButton, Qt::RightButton | Qt::LeftButton,
         Qt::NoModifier);
    QCOMPARE(window.picks.size(), 2);

    // MOUSE_NONE removes a drag binding.
    window.setMouseBinding(left, Global::HANDLER_CAMERA, Global::MOUSE_NONE);
    send(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);
}

void TestWindow3D::handlerModifiers()
{
    TestWindow window;
    ManipulatedSystem3D system;
    window.setManipulatedSystem(&system);
    window.setHandlerKeyboardModifiers(Global::HANDLER_SYSTEM, Qt::NoModifier);

    const struct
    {
        Qt::MouseButton button;
        Qt::MouseButtons buttons;
        Global::MouseAction action;
    } drags[] = {{Qt::LeftButton, Qt::LeftButton, Global::MOUSE_TRANSLATE},
                 {Qt::RightButton, Qt::RightButton, Global::MOUSE_ROTATE},
                 {Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton, Global::MOUSE_TWIST}};
    for (const auto &drag : drags) {
        send(window, QEvent::MouseButtonPress, drag.button, drag.buttons, Qt::NoModifier);
        QCOMPARE(system.action(), drag.action);
        QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);
        send(window, QEvent::MouseButtonRelease, drag.button, Qt::NoButton, Qt::NoModifier);
        // The former Ctrl bindings are gone.
        send(window, QEvent::MouseButtonPress, drag.button, drag.buttons, Qt::ControlModifier);
        QCOMPARE(system.action(), Global::MOUSE_NONE);
        QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);
    }

    const Vector3D eye = window.camera()->position();
    turnWheel(window, Qt::NoModifier);
    QVERIFY(system.position().z < 0.0);
    turnWheel(window, Qt::ControlModifier);
    COMPARE_VECTOR(window.camera()->position(), eye, 0.0);

    // The camera's own clicks stay where they were.
    window.camera()->setOrientation(Quaternion(Vector3D(0, 1, 0), 0.1));
    send(window, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    COMPARE_ROTATION(window.camera()->orientation(), Quaternion(), 1e-12);
}

void TestWindow3D::grabberTakesTheMouse()
{
    TestWindow window;
    window.camera()->computeModelViewMatrix();
    window.camera()->computeProjectionMatrix();
    ManipulatedSystem3D grabber;
    QSignalSpy changed(&window, &Window3D::mouseGrabberChanged);
    window.setMouseGrabber(&grabber);
    QCOMPARE(changed.count(), 1);

    // The grabber's origin is at the window centre; the right button turns it whatever the
    // modifiers, and the camera stays put.
    grabber.checkGrab(302, 198, window.camera());
    send(window, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Qt::NoModifier,
         QPoint(302, 198));
    QCOMPARE(grabber.action(), Global::MOUSE_ROTATE);
    QCOMPARE(window.camera()->frame()->action(), Global::MOUSE_NONE);
    send(window, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, Qt::NoModifier, QPoint(360, 198));
    QVERIFY(grabber.rotation().angle() > 0.0);
    QCOMPARE(window.mouseGrabber(), &grabber);

    // Released away from it, it lets go.
    send(window, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Qt::NoModifier,
         QPoint(360, 198));
    QCOMPARE(window.mouseGrabber(), nullptr);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().value<MouseGrabber *>(), nullptr);
}

void TestWindow3D::topViewToggledTwiceRestoresPose()
{
    TestWindow window;
    Camera *camera = window.camera();
    camera->setPosition(Vector3D(0.37, 1.21, 2.9));
    camera->lookAt(Vector3D(0.1, 0, 0));
    const Vector3D position = camera->position();
    const Quaternion orientation = camera->orientation();

    window.toggleTopView();
    QVERIFY(!window.is3DView());
    QCOMPARE(camera->type(), Camera::ORTHOGRAPHIC);
    COMPARE_VECTOR(camera->viewDirection(), Vector3D(0, -1, 0), 1e-12);
    // The plan turns about the vertical only.
    camera->frame()->rotate(Quaternion(Vector3D(1, 0, 0), 0.3));
    COMPARE_VECTOR(camera->viewDirection(), Vector3D(0, -1, 0), 1e-12);
    const Vector3D topPosition = camera->position();
    const Quaternion topOrientation = camera->orientation();

    window.toggleTopView();
    QVERIFY(window.is3DView());
    QCOMPARE(camera->type(), Camera::PERSPECTIVE);
    QCOMPARE(camera->frame()->constraint(), nullptr);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(camera->position()[i], position[i]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(camera->orientation()[i], orientation[i]);

    // The top view comes back as it was left.
    window.toggleTopView();
    COMPARE_VECTOR(camera->position(), topPosition, 0.0);
    COMPARE_ROTATION(camera->orientation(), topOrientation, 0.0);

    // An orthographic preference stays orthographic in 3D.
    window.setPerspective(false);
    window.toggleTopView();
    QCOMPARE(camera->type(), Camera::ORTHOGRAPHIC);
}

void TestWindow3D::xmlRoundTrip()
{
    TestWindow window;
    ManipulatedSystem3D system;
    system.setTranslation(Vector3D(1, 2, 3));
    window.setManipulatedSystem(&system);
    window.camera()->setPosition(Vector3D(0.5, 0.5, 4));

    QDomDocument document;
    const QDomElement element = window.toDomElement(QStringLiteral("Viewer"), document);
    QCOMPARE(element.attribute(QStringLiteral("version")), QStringLiteral("1.0"));
    QVERIFY(!element.firstChildElement(QStringLiteral("Camera")).isNull());

    TestWindow read;
    ManipulatedSystem3D readSystem;
    read.setManipulatedSystem(&readSystem);
    read.fromDomElement(element);
    COMPARE_VECTOR(read.camera()->position(), Vector3D(0.5, 0.5, 4), 0.0);
    COMPARE_VECTOR(readSystem.translation(), Vector3D(1, 2, 3), 0.0);

    // Saved without a manipulated system: the reading window's system keeps its pose.
    TestWindow bare;
    const QDomElement withoutSystem = bare.toDomElement(QStringLiteral("Viewer"), document);
    QVERIFY(withoutSystem.firstChildElement(QStringLiteral("ManipulatedSystem")).isNull());
    readSystem.setTranslation(Vector3D(7, 8, 9));
    read.fromDomElement(withoutSystem);
    COMPARE_VECTOR(readSystem.translation(), Vector3D(7, 8, 9), 0.0);
}

void TestWindow3D::setCamera()
{
    TestWindow window;
    resize(window, 640, 480);
    window.setSceneRadius(4.0f);
    window.setSceneCenter(Vector3D(1, 0, 0));
    window.setManipulatedSystem(window.camera()->frame());
    QPointer<Camera> old = window.camera();

    auto *camera = new Camera;
    window.setCamera(camera);
    QCOMPARE(window.camera(), camera);
    QCOMPARE(camera->sceneRadius(), 4.0f);
    COMPARE_VECTOR(camera->sceneCenter(), Vector3D(1, 0, 0), 0.0);
    QCOMPARE(camera->screenWidth(), 640);
    QCOMPARE(camera->screenHeight(), 480);
    QCOMPARE(window.manipulatedSystem(), camera->frame());
    QVERIFY(old);

    // The new camera's moves ask for a frame, the old one's no longer do.
    UpdateCounter counter;
    window.installEventFilter(&counter);
    emit old->frame()->manipulated();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    turnWheel(window, Qt::NoModifier);
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 1);
}

QTEST_MAIN(TestWindow3D)
#include "tst_window3d.moc"
