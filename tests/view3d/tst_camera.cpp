#include "compare3d.h"
#include "view3d/camera.h"
#include "view3d/manipulatedcamerasystem3d.h"

#include <QDomDocument>
#include <QtTest>

#include <cmath>

namespace {

const double sqrt3 = double(float(std::sqrt(3.0)));

void computeMatrices(Camera &camera)
{
    camera.computeModelViewMatrix();
    camera.computeProjectionMatrix();
}

// Normalised device coordinates of a world point through a projection and the camera's view.
Vector3D deviceCoordinates(const double projection[16], const Camera &camera, const Vector3D &p)
{
    double combined[16];
    multiplyMatrices(camera.modelViewMatrix().data(), projection, combined);
    const double in[4] = {p.x, p.y, p.z, 1.0};
    double out[4];
    transformVector(combined, in, out);
    return Vector3D(out[0] / out[3], out[1] / out[3], out[2] / out[3]);
}

// A camera looking straight down onto the ground from above its pivot.
void lookDown(Camera &camera, const Vector3D &pivot, double height)
{
    camera.setRevolveAroundPoint(pivot);
    camera.setPosition(pivot + Vector3D(0, height, 0));
    camera.setOrientation(Quaternion(Vector3D(1, 0, 0), -M_PI / 2));
}

} // namespace

class TestCamera : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void showEntireScene();
    void clippingPlanes_data();
    void clippingPlanes();
    void sceneSetters();
    void viewDirectionAndUp();
    void orthoScale_data();
    void orthoScale();
    void pivotKeepsOrthographicScale();
    void projectUnprojectRoundTrip_data();
    void projectUnprojectRoundTrip();
    void pointUnderPixelWithoutContext();
    void tileProjection_data();
    void tileProjection();
    void copySeesTheSame();
    void xmlRoundTrip_data();
    void xmlRoundTrip();
    void xmlKeepsUnusableValues();
    void farFromTheScene_data();
    void farFromTheScene();
    void xmlRefusesNonFiniteValues_data();
    void xmlRefusesNonFiniteValues();
};

void TestCamera::defaults()
{
    Camera camera;
    QCOMPARE(camera.screenWidth(), 600);
    QCOMPARE(camera.screenHeight(), 400);
    QCOMPARE(camera.fieldOfView(), float(M_PI / 4));
    QCOMPARE(camera.sceneRadius(), 1.0f);
    QCOMPARE(double(camera.zNearCoefficient()), 9.999999747378752e-06);
    QCOMPARE(camera.orthoCoefficient(), std::tan(float(M_PI / 4) / 2));
    QCOMPARE(camera.type(), Camera::PERSPECTIVE);
    camera.setScreenWidthAndHeight(0, -5);
    QCOMPARE(camera.screenWidth(), 1);
    QCOMPARE(camera.screenHeight(), 1);
}

void TestCamera::showEntireScene()
{
    Camera camera;
    camera.showEntireScene();
    // The height of a wide window decides: 1 / sin(pi / 8).
    COMPARE_VECTOR(camera.position(), Vector3D(0, 0, 1.0 / std::sin(double(float(M_PI / 4)) / 2)), 1e-12);
    QVERIFY(std::fabs(camera.position().z - 2.6131) < 1e-4);

    // The window centre shows the scene centre once the matrices are computed.
    computeMatrices(camera);
    COMPARE_VECTOR(camera.projectedCoordinatesOf(Vector3D()),
                   Vector3D(300, 200, camera.projectedCoordinatesOf(Vector3D()).z), 1e-9);

    // A tall window fits the sphere across.
    camera.setScreenWidthAndHeight(200, 400);
    camera.showEntireScene();
    computeMatrices(camera);
    const Vector3D edge = camera.projectedCoordinatesOf(Vector3D(1, 0, 0));
    QVERIFY(edge.x < 200 && edge.x > 180);

    // An orthographic camera shows the radius from the pivot to the top edge.
    Camera flat;
    flat.setType(Camera::ORTHOGRAPHIC);
    flat.setPosition(Vector3D(0, 0, 10));
    flat.fitSphere(Vector3D(), 2.0);
    QVERIFY(std::fabs(flat.orthoHalfSize().height() - 2.0) < 1e-6);
}

void TestCamera::clippingPlanes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("zNear");

    const double radius = 2.0;
    QTest::newRow("perspective, outside") << int(Camera::PERSPECTIVE) << 10.0 << 10.0 - sqrt3 * radius;
    QTest::newRow("perspective, inside") << int(Camera::PERSPECTIVE) << 1.0
                                         << double(1e-5f) * sqrt3 * radius;
    QTest::newRow("orthographic, outside") << int(Camera::ORTHOGRAPHIC) << 10.0
                                           << 10.0 - sqrt3 * radius;
    QTest::newRow("orthographic, inside") << int(Camera::ORTHOGRAPHIC) << 1.0 << 0.0;
}

void TestCamera::clippingPlanes()
{
    QFETCH(int, type);
    QFETCH(double, distance);
    QFETCH(double, zNear);
    Camera camera;
    camera.setType(Camera::Type(type));
    camera.setSceneRadius(2.0f);
    camera.setPosition(Vector3D(0, 0, distance));
    QVERIFY(std::fabs(camera.zNear() - zNear) < 1e-5);
    QVERIFY(std::fabs(camera.zFar() - (distance + sqrt3 * 2.0)) < 1e-5);
}

void TestCamera::sceneSetters()
{
    Camera camera;
    camera.setSceneRadius(5.0f);
    camera.setSceneCenter(Vector3D(1, 2, 3));
    COMPARE_VECTOR(camera.revolveAroundPoint(), Vector3D(1, 2, 3), 0.0);
    camera.setSceneBoundingBox(Vector3D(), Vector3D());
    COMPARE_VECTOR(camera.sceneCenter(), Vector3D(), 0.0);
    QCOMPARE(camera.sceneRadius(), 5.0f);
    camera.setSceneRadius(-1.0f);
    QCOMPARE(camera.sceneRadius(), 5.0f);
    camera.setSceneBoundingBox(Vector3D(-1, -2, -2), Vector3D(1, 2, 2));
    QCOMPARE(camera.sceneRadius(), 3.0f);

    // Within sqrt(2) radii the widest view; further away just the scene.
    camera.setPosition(Vector3D(0, 0, 4));
    camera.setFOVToFitScene();
    QCOMPARE(camera.fieldOfView(), float(M_PI / 2));
    camera.setPosition(Vector3D(0, 0, 6));
    camera.setFOVToFitScene();
    QCOMPARE(camera.fieldOfView(), float(2 * std::asin(0.5)));

    camera.setHorizontalFieldOfView(float(M_PI / 2));
    QVERIFY(std::fabs(camera.horizontalFieldOfView() - M_PI / 2) < 1e-6);

    // Fitting a box takes its largest edge.
    camera.setOrientation(Quaternion());
    camera.fitBoundingBox(Vector3D(-1, -1, -4), Vector3D(1, 1, 4));
    QVERIFY(std::fabs(camera.position().z - 4.0 / std::sin(double(camera.fieldOfView()) / 2)) < 1e-5);

    camera.centerScene();
    QVERIFY(std::fabs(camera.position().x) < 1e-12 && std::fabs(camera.position().y) < 1e-12);
}

void TestCamera::viewDirectionAndUp()
{
    Camera camera;
    camera.setPosition(Vector3D(5, 3, 5));
    camera.lookAt(Vector3D(0, 0, 0));
    COMPARE_VECTOR(camera.viewDirection(), Vector3D(-5, -3, -5).unitVector(), 1e-12);
    // The picture stays upright: the camera's x axis is level.
    QVERIFY(std::fabs(camera.frame()->worldDirection(Vector3D(1, 0, 0)).y) < 1e-12);

    const Quaternion before = camera.orientation();
    camera.setViewDirection(Vector3D(0, 0, 1e-6));
    COMPARE_ROTATION(camera.orientation(), before, 0.0);

    const Vector3D up = Vector3D(1, 1, 0).unitVector();
    camera.setUpVector(up);
    COMPARE_VECTOR(camera.frame()->worldDirection(Vector3D(0, 1, 0)), up, 1e-12);
    COMPARE_VECTOR(camera.position(), Vector3D(5, 3, 5), 0.0);

    // Turning about the pivot keeps the pivot where it was seen.
    camera.setRevolveAroundPoint(Vector3D(1, 0, 0));
    const Vector3D pivotSeen = camera.frame()->localFromWorld(Vector3D(1, 0, 0));
    camera.setUpVector(Vector3D(0, 1, 0), false);
    COMPARE_VECTOR(camera.frame()->worldDirection(Vector3D(0, 1, 0)), Vector3D(0, 1, 0), 1e-12);
    COMPARE_VECTOR(camera.frame()->localFromWorld(Vector3D(1, 0, 0)), pivotSeen, 1e-12);
}

void TestCamera::orthoScale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("pivotHeight");

    QTest::newRow("landscape, pivot on the ground") << 1000 << 500 << 0.0;
    QTest::newRow("portrait, pivot on the ground") << 793 << 1123 << 0.0;
    // The network lies below the ground; the scale must not depend on it.
    QTest::newRow("pivot below the ground") << 1000 << 500 << -0.3;
}

void TestCamera::orthoScale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, pivotHeight);
    Camera camera;
    camera.setScreenWidthAndHeight(width, height);
    camera.setType(Camera::ORTHOGRAPHIC);
    lookDown(camera, Vector3D(0.2, pivotHeight, -0.1), 3.0);

    const double scale = 0.0021;
    camera.setOrthoScale(scale, width, height);
    QVERIFY(std::fabs(2.0 * camera.orthoHalfSize().height() / (scale * height) - 1.0) < 1e-6);
    // Straight above the old pivot, the new one on the ground.
    COMPARE_VECTOR(camera.position(), Vector3D(0.2, camera.position().y, -0.1), 1e-12);
    COMPARE_VECTOR(camera.revolveAroundPoint(), Vector3D(0.2, 0, -0.1), 1e-12);

    // A perspective camera is left alone.
    Camera perspective;
    const Vector3D position = perspective.position();
    perspective.setOrthoScale(scale, width, height);
    COMPARE_VECTOR(perspective.position(), position, 0.0);
}

void TestCamera::pivotKeepsOrthographicScale()
{
    Camera camera;
    camera.setType(Camera::ORTHOGRAPHIC);
    lookDown(camera, Vector3D(), 4.0);
    const QSizeF half = camera.orthoHalfSize();
    camera.setRevolveAroundPoint(Vector3D(0, 3, 0));
    QVERIFY(std::fabs(camera.orthoHalfSize().height() - half.height()) < 1e-5);
    QVERIFY(std::fabs(camera.orthoHalfSize().width() - half.width()) < 1e-5);
}

void TestCamera::projectUnprojectRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Vector3D>("point");

    QTest::newRow("perspective, centre") << int(Camera::PERSPECTIVE) << Vector3D(0, 0, 0);
    QTest::newRow("perspective, off centre") << int(Camera::PERSPECTIVE) << Vector3D(0.4, -0.3, 0.6);
    QTest::newRow("orthographic, off centre") << int(Camera::ORTHOGRAPHIC) << Vector3D(0.4, -0.3, 0.6);
}

void TestCamera::projectUnprojectRoundTrip()
{
    QFETCH(int, type);
    QFETCH(Vector3D, point);
    Camera camera;
    camera.setType(Camera::Type(type));
    camera.setPosition(Vector3D(1, 2, 3));
    camera.lookAt(Vector3D());
    computeMatrices(camera);

    const Vector3D pixel = camera.projectedCoordinatesOf(point);
    QVERIFY(pixel.z > 0.0 && pixel.z < 1.0);
    COMPARE_VECTOR(camera.unprojectedCoordinatesOf(pixel), point, 1e-9);

    // Points given in, and returned in, another frame's coordinates.
    System3D frame;
    frame.setTranslation(Vector3D(0.5, 0, 0));
    frame.setRotation(Quaternion(Vector3D(0, 0, 1), 0.3));
    const Vector3D local = frame.localFromWorld(point);
    COMPARE_VECTOR(camera.projectedCoordinatesOf(local, &frame), pixel, 1e-9);
    COMPARE_VECTOR(camera.unprojectedCoordinatesOf(pixel, &frame), local, 1e-9);

    // A point in the eye's plane has no pixel.
    if (type == Camera::PERSPECTIVE)
        COMPARE_VECTOR(camera.projectedCoordinatesOf(camera.position()), Vector3D(), 0.0);
}

void TestCamera::pointUnderPixelWithoutContext()
{
    Camera camera;
    computeMatrices(camera);
    bool found = true;
    COMPARE_VECTOR(camera.pointUnderPixel(QPoint(10, 10), found), Vector3D(), 0.0);
    QVERIFY(found);
}

void TestCamera::tileProjection_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("perspective") << int(Camera::PERSPECTIVE) << 600 << 400;
    QTest::newRow("orthographic") << int(Camera::ORTHOGRAPHIC) << 600 << 400;
    // 800 / (4 / 3 in single precision) is not quite 600.
    QTest::newRow("perspective, 4:3") << int(Camera::PERSPECTIVE) << 800 << 600;
    QTest::newRow("orthographic, portrait") << int(Camera::ORTHOGRAPHIC) << 400 << 600;
}

void TestCamera::tileProjection()
{
    QFETCH(int, type);
    QFETCH(int, width);
    QFETCH(int, height);
    Camera camera;
    camera.setScreenWidthAndHeight(width, height);
    camera.setType(Camera::Type(type));
    camera.setPosition(Vector3D(0.3, 1.5, 4));
    camera.lookAt(Vector3D());
    computeMatrices(camera);

    // One tile spanning the window is the camera's own projection.
    double whole[16];
    tileProjectionMatrix(whole, width, 0, 0, camera, width, height);
    for (int i = 0; i < 16; ++i)
        QVERIFY2(std::fabs(whole[i] - camera.projectionMatrix()[i])
                     <= 1e-6 * std::max(1.0, std::fabs(whole[i])),
                 qPrintable(QString::number(i)));

    // Half-size tiles count from the bottom left: the middle of the window's lower left quarter
    // is the middle of tile (0, 0), that of the upper right quarter the middle of tile (1, 1).
    const Vector3D lowerLeft = camera.unprojectedCoordinatesOf(Vector3D(width / 4.0, height * 0.75, 0.5));
    const Vector3D upperRight = camera.unprojectedCoordinatesOf(Vector3D(width * 0.75, height / 4.0, 0.5));
    double tile[16];
    tileProjectionMatrix(tile, width / 2, 0, 0, camera, width, height);
    const Vector3D first = deviceCoordinates(tile, camera, lowerLeft);
    QVERIFY(std::fabs(first.x) < 1e-5 && std::fabs(first.y) < 1e-5);
    tileProjectionMatrix(tile, width / 2, 1, 1, camera, width, height);
    const Vector3D last = deviceCoordinates(tile, camera, upperRight);
    QVERIFY(std::fabs(last.x) < 1e-5 && std::fabs(last.y) < 1e-5);
    // Depth is the same as through the whole projection.
    QVERIFY(std::fabs(last.z - deviceCoordinates(camera.projectionMatrix().data(), camera, upperRight).z) < 1e-9);
}

void TestCamera::copySeesTheSame()
{
    Camera camera;
    camera.setScreenWidthAndHeight(800, 500);
    camera.setType(Camera::ORTHOGRAPHIC);
    camera.setSceneCenter(Vector3D(0.1, -0.2, 0));
    camera.setPosition(Vector3D(1, 2, 3));
    camera.lookAt(Vector3D());
    // A pan moves the pivot away from the scene centre.
    camera.frame()->setRevolveAroundPoint(Vector3D(0.4, 0, 0.1));
    computeMatrices(camera);

    Camera copy(camera);
    QVERIFY(copy.frame() != camera.frame());
    COMPARE_VECTOR(copy.revolveAroundPoint(), camera.revolveAroundPoint(), 0.0);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(copy.projectionMatrix()[i], camera.projectionMatrix()[i]);
        QCOMPARE(copy.modelViewMatrix()[i], camera.modelViewMatrix()[i]);
    }
}

void TestCamera::xmlRoundTrip_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("perspective") << int(Camera::PERSPECTIVE);
    QTest::newRow("orthographic") << int(Camera::ORTHOGRAPHIC);
}

void TestCamera::xmlRoundTrip()
{
    QFETCH(int, type);
    Camera camera;
    camera.setType(Camera::Type(type));
    camera.setFieldOfView(0.9f);
    camera.setZNearCoefficient(0.002f);
    camera.setZClippingCoefficient(2.5f);
    camera.setSceneRadius(3.25f);
    camera.setSceneCenter(Vector3D(0.1, -0.7, 2));
    camera.setPosition(Vector3D(4, 5, 6));
    camera.lookAt(Vector3D());
    camera.frame()->setWheelSensitivity(0.6f);
    if (type == Camera::ORTHOGRAPHIC)
        camera.setOrthoScale(0.01, 600, 400);
    const float savedOrtho = camera.orthoCoefficient();

    QDomDocument document;
    const QDomElement element = camera.toDomElement(QStringLiteral("Camera"), document);
    const QDomElement parameters = element.firstChildElement(QStringLiteral("Parameter"));
    QCOMPARE(parameters.attribute(QStringLiteral("Type")),
             type == Camera::ORTHOGRAPHIC ? QStringLiteral("ORTHOGRAPHIC") : QStringLiteral("PERSPECTIVE"));

    Camera read;
    read.fromDomElement(element);
    QCOMPARE(read.type(), camera.type());
    QCOMPARE(read.fieldOfView(), 0.9f);
    QCOMPARE(read.zNearCoefficient(), 0.002f);
    QCOMPARE(read.zClippingCoefficient(), 2.5f);
    QCOMPARE(read.sceneRadius(), 3.25f);
    COMPARE_VECTOR(read.sceneCenter(), Vector3D(0.1, -0.7, 2), 1e-7);
    COMPARE_VECTOR(read.revolveAroundPoint(), read.sceneCenter(), 0.0);
    COMPARE_VECTOR(read.position(), camera.position(), 1e-6);
    COMPARE_ROTATION(read.orientation(), camera.orientation(), 1e-7);
    QCOMPARE(read.frame()->wheelSensitivity(), 0.6f);
    // An orthographic camera starts again from its field of view (the reading camera's eye sits
    // on its pivot, so nothing rescales it); a perspective one keeps the stored coefficient.
    QCOMPARE(read.orthoCoefficient(), type == Camera::ORTHOGRAPHIC ? std::tan(0.9f / 2.0f) : savedOrtho);
}

void TestCamera::xmlKeepsUnusableValues()
{
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("Camera"));
    QDomElement parameters = document.createElement(QStringLiteral("Parameter"));
    parameters.setAttribute(QStringLiteral("fov"), QStringLiteral("0"));
    parameters.setAttribute(QStringLiteral("zNear"), QStringLiteral("nan"));
    parameters.setAttribute(QStringLiteral("zClipping"), QStringLiteral("-2"));
    parameters.setAttribute(QStringLiteral("sceneRadius"), QStringLiteral("0"));
    parameters.setAttribute(QStringLiteral("Type"), QStringLiteral("FISHEYE"));
    element.appendChild(parameters);

    Camera camera;
    camera.setType(Camera::ORTHOGRAPHIC);
    camera.fromDomElement(element);
    QCOMPARE(camera.fieldOfView(), float(M_PI / 4));
    QCOMPARE(camera.zNearCoefficient(), 1e-5f);
    QCOMPARE(camera.zClippingCoefficient(), float(std::sqrt(3.0)));
    QCOMPARE(camera.sceneRadius(), 1.0f);
    QCOMPARE(camera.type(), Camera::PERSPECTIVE);
    // The view still computes.
    camera.showEntireScene();
    computeMatrices(camera);
    for (double value : camera.projectionMatrix())
        QVERIFY(std::isfinite(value));
}

void TestCamera::farFromTheScene_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("eye");    // the eye on the z axis, looking along -z
    QTest::addColumn<double>("centre"); // the scene centre on the z axis
    for (int type : {int(Camera::PERSPECTIVE), int(Camera::ORTHOGRAPHIC)}) {
        const char *name = type == Camera::PERSPECTIVE ? "perspective" : "orthographic";
        QTest::addRow("%s, eye 1e8 away", name) << type << 1e8 << 0.0;
        QTest::addRow("%s, centre 1e8 away", name) << type << 0.0 << -1e8;
        QTest::addRow("%s, both far, 1e6 apart", name) << type << 3e9 << 3e9 - 1e6;
        QTest::addRow("%s, eye 1e12 away", name) << type << 1e12 << 0.0;
    }
}

// Far from a small scene the clipping planes lie close together; they must stay apart, and the
// scene centre is drawn between them in the middle of the picture.
void TestCamera::farFromTheScene()
{
    QFETCH(int, type);
    QFETCH(double, eye);
    QFETCH(double, centre);
    Camera camera;
    camera.setType(Camera::Type(type));
    camera.setSceneCenter(Vector3D(0, 0, centre));
    camera.setPosition(Vector3D(0, 0, eye));
    computeMatrices(camera);
    QVERIFY2(camera.zNear() < camera.zFar(), qPrintable(QStringLiteral("%1 %2").arg(camera.zNear()).arg(camera.zFar())));
    for (double value : camera.projectionMatrix())
        QVERIFY2(std::isfinite(value), qPrintable(QString::number(value)));
    const Vector3D p = camera.projectedCoordinatesOf(Vector3D(0, 0, centre));
    QVERIFY2(std::fabs(p.x - 300) < 1e-6 && std::fabs(p.y - 200) < 1e-6, qPrintable(describe(p)));
    QVERIFY2(p.z > 0.0 && p.z < 1.0, qPrintable(describe(p)));
}

void TestCamera::xmlRefusesNonFiniteValues_data()
{
    QTest::addColumn<QString>("part");  // the element with the damaged number
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("taken");
    QTest::newRow("position x infinite") << "position" << "x" << "inf" << false;
    QTest::newRow("position y not a number") << "position" << "y" << "nan" << false;
    QTest::newRow("position z beyond float") << "position" << "z" << "1e39" << false;
    QTest::newRow("position z missing") << "position" << "z" << QString() << false;
    QTest::newRow("orientation w infinite") << "orientation" << "w" << "-inf" << false;
    QTest::newRow("scene centre z not a number") << "sceneCenter" << "z" << "nan" << false;
    QTest::newRow("scene centre x text") << "sceneCenter" << "x" << "abc" << false;
    QTest::newRow("position far, but a number") << "position" << "z" << "1e8" << true;
}

// A damaged number keeps that vector as the camera had it; the other parts are read.
void TestCamera::xmlRefusesNonFiniteValues()
{
    QFETCH(QString, part);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, taken);
    Camera stored;
    stored.setSceneCenter(Vector3D(0.5, -0.25, 1));
    stored.setPosition(Vector3D(4, 5, 6));
    stored.lookAt(Vector3D());
    QDomDocument document;
    const QDomElement element = stored.toDomElement(QStringLiteral("Camera"), document);
    QDomElement damaged = element.elementsByTagName(part).at(0).toElement();
    QVERIFY(!damaged.isNull());
    if (value.isNull())
        damaged.removeAttribute(name);
    else
        damaged.setAttribute(name, value);

    Camera camera;
    camera.setPosition(Vector3D(1, 2, 3));
    camera.setOrientation(Quaternion(Vector3D(0, 1, 0), 0.3));
    const Vector3D position = camera.position();
    const Quaternion orientation = camera.orientation();
    const Vector3D centre = camera.sceneCenter();
    camera.fromDomElement(element);

    Vector3D expectedPosition = part == QLatin1String("position") && !taken ? position : stored.position();
    if (taken)
        expectedPosition.z = 1e8;
    COMPARE_VECTOR(camera.position(), expectedPosition, 1e-6);
    COMPARE_ROTATION(camera.orientation(), part == QLatin1String("orientation") ? orientation : stored.orientation(), 1e-7);
    COMPARE_VECTOR(camera.sceneCenter(), part == QLatin1String("sceneCenter") ? centre : stored.sceneCenter(), 1e-7);
    computeMatrices(camera);
    for (double v : camera.projectionMatrix())
        QVERIFY(std::isfinite(v));
    for (double v : camera.modelViewMatrix())
        QVERIFY(std::isfinite(v));
}

QTEST_MAIN(TestCamera)
#include "tst_camera.moc"
