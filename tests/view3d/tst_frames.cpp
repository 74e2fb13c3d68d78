#include "compare3d.h"
#include "view3d/constraint.h"
#include "view3d/system3d.h"

#include <QDomDocument>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

Quaternion about(const Vector3D &axis, double degrees)
{
    return Quaternion(axis, degrees * M_PI / 180.0);
}

const Vector3D xAxis(1, 0, 0);
const Vector3D yAxis(0, 1, 0);
const Vector3D zAxis(0, 0, 1);

// Whether every axis of the frame lies along a world axis.
bool alignedWithWorld(const System3D &frame)
{
    for (const Vector3D &axis : {xAxis, yAxis, zAxis}) {
        const Vector3D w = frame.worldDirection(axis);
        const double largest = std::max({std::fabs(w.x), std::fabs(w.y), std::fabs(w.z)});
        if (std::fabs(largest - 1.0) > 1e-12)
            return false;
    }
    return true;
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void signalsOnChange();
    void chainedFrames();
    void translationConstraint_data();
    void translationConstraint();
    void rotationConstraint_data();
    void rotationConstraint();
    void constraintNeedsDirection();
    void constrainedSetters();
    void rotateAboutPointAndMoveOntoLine();
    void alignWith_data();
    void alignWith();
    void alignWithMoveKeepsOtherOrigin();
    void xmlRoundTrip();
    void xmlKeepsWhatIsMissingOrUnusable();
};

void TestFrames::signalsOnChange()
{
    System3D reference;
    System3D frame;
    QSignalSpy modified(&frame, &System3D::modified);
    frame.setReferenceSystem(&reference);
    QCOMPARE(modified.count(), 1);
    frame.setReferenceSystem(&reference);
    QCOMPARE(modified.count(), 1);
    frame.setTranslation(Vector3D(1, 2, 3));
    frame.setRotation(about(yAxis, 30));
    frame.rotateFree(about(xAxis, 10));
    QCOMPARE(modified.count(), 4);

    // A copy takes the pose, the reference and the constraint.
    WorldConstraint constraint;
    frame.setConstraint(&constraint);
    const System3D copy(frame);
    COMPARE_VECTOR(copy.position(), frame.position(), 0.0);
    COMPARE_ROTATION(copy.orientation(), frame.orientation(), 0.0);
    QCOMPARE(copy.referenceSystem(), &reference);
    QCOMPARE(copy.constraint(), &constraint);
}

void TestFrames::chainedFrames()
{
    System3D reference;
    reference.setTranslation(Vector3D(0, 0, 5));
    reference.setRotation(about(yAxis, 90));
    System3D frame;
    frame.setReferenceSystem(&reference);
    frame.setTranslation(Vector3D(1, 0, 0));
    frame.setRotation(about(yAxis, 90));

    // Two quarter turns about y are a half turn.
    COMPARE_ROTATION(frame.orientation(), about(yAxis, 180), 1e-15);
    COMPARE_VECTOR(frame.position(), Vector3D(0, 0, 4), 1e-15);

    const Vector3D local(0.3, -2, 1.5);
    const Vector3D world = frame.worldFromLocal(local);
    COMPARE_VECTOR(world, Vector3D(-0.3, -2, 2.5), 1e-14);
    COMPARE_VECTOR(frame.localFromWorld(world), local, 1e-14);
    COMPARE_VECTOR(frame.worldDirection(local), Vector3D(-0.3, -2, -1.5), 1e-14);
    COMPARE_VECTOR(frame.localDirection(frame.worldDirection(local)), local, 1e-14);

    const Matrix4 m = frame.worldMatrix();
    double in[4] = {local.x, local.y, local.z, 1.0};
    double out[4];
    transformVector(m.data(), in, out);
    COMPARE_VECTOR(Vector3D(out[0], out[1], out[2]), world, 1e-14);
    double copied[16];
    frame.copyWorldMatrix(copied);
    QVERIFY(std::equal(m.begin(), m.end(), copied));

    // World setters go through the reference.
    frame.setPosition(Vector3D(7, 8, 9));
    frame.setOrientation(about(xAxis, 40));
    COMPARE_VECTOR(frame.position(), Vector3D(7, 8, 9), 1e-14);
    COMPARE_ROTATION(frame.orientation(), about(xAxis, 40), 1e-15);
}

void TestFrames::translationConstraint_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Vector3D>("direction");
    QTest::addColumn<Quaternion>("referenceTurn");
    QTest::addColumn<Vector3D>("expectedStep");

    QTest::newRow("free") << int(AxisPlaneConstraint::Free) << Vector3D() << Quaternion()
                          << Vector3D(1, 2, 3);
    QTest::newRow("axis") << int(AxisPlaneConstraint::Axis) << Vector3D(0, 2, 0) << Quaternion()
                          << Vector3D(0, 2, 0);
    QTest::newRow("plane") << int(AxisPlaneConstraint::Plane) << Vector3D(0, 1, 0) << Quaternion()
                           << Vector3D(1, 0, 3);
    QTest::newRow("locked") << int(AxisPlaneConstraint::Locked) << Vector3D() << Quaternion()
                            << Vector3D(0, 0, 0);
    // The world's vertical is the reference's x axis.
    QTest::newRow("axis through a turned reference")
        << int(AxisPlaneConstraint::Axis) << Vector3D(0, 1, 0) << about(zAxis, 90)
        << Vector3D(1, 0, 0);
    QTest::newRow("plane through a turned reference")
        << int(AxisPlaneConstraint::Plane) << Vector3D(0, 1, 0) << about(zAxis, 90)
        << Vector3D(0, 2, 3);
}

void TestFrames::translationConstraint()
{
    QFETCH(int, type);
    QFETCH(Vector3D, direction);
    QFETCH(Quaternion, referenceTurn);
    QFETCH(Vector3D, expectedStep);

    System3D reference;
    reference.setRotation(referenceTurn);
    System3D frame;
    frame.setReferenceSystem(&reference);
    frame.setTranslation(Vector3D(10, 10, 10));
    WorldConstraint constraint;
    constraint.setTranslationConstraint(AxisPlaneConstraint::Type(type), direction);
    frame.setConstraint(&constraint);

    QSignalSpy modified(&frame, &System3D::modified);
    frame.translate(Vector3D(1, 2, 3));
    COMPARE_VECTOR(frame.translation() - Vector3D(10, 10, 10), expectedStep, 1e-14);
    // Even a move that the constraint stops is announced.
    QCOMPARE(modified.count(), 1);
}

void TestFrames::rotationConstraint_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Quaternion>("expected");

    const Quaternion turn = about(Vector3D(1, 1, 0), 50);
    QTest::newRow("free") << int(AxisPlaneConstraint::Free) << turn;
    QTest::newRow("plane lets everything through") << int(AxisPlaneConstraint::Plane) << turn;
    QTest::newRow("locked") << int(AxisPlaneConstraint::Locked) << Quaternion();
    // Only the part about the vertical stays, by the whole angle.
    QTest::newRow("axis") << int(AxisPlaneConstraint::Axis) << about(yAxis, 50);
}

void TestFrames::rotationConstraint()
{
    QFETCH(int, type);
    QFETCH(Quaternion, expected);

    System3D frame;
    WorldConstraint constraint;
    constraint.setRotationConstraint(AxisPlaneConstraint::Type(type), Vector3D(0, 3, 0));
    frame.setConstraint(&constraint);
    frame.rotate(about(Vector3D(1, 1, 0), 50));
    COMPARE_ROTATION(frame.rotation(), expected, 1e-15);

    // Turns that bypass the constraint are not filtered.
    frame.rotateFree(about(xAxis, 20));
    COMPARE_ROTATION(frame.rotation(), expected * about(xAxis, 20), 1e-15);
}

void TestFrames::constraintNeedsDirection()
{
    AxisPlaneConstraint constraint;
    constraint.setTranslationConstraint(AxisPlaneConstraint::Axis, Vector3D(0, 0, 0));
    QCOMPARE(constraint.translationConstraintType(), AxisPlaneConstraint::Free);
    constraint.setRotationConstraint(AxisPlaneConstraint::Plane, Vector3D(0, 0, 3));
    QCOMPARE(constraint.rotationConstraintType(), AxisPlaneConstraint::Plane);
    COMPARE_VECTOR(constraint.rotationConstraintDirection(), zAxis, 0.0);

    // A type set without a direction holds nothing rather than dividing by zero.
    WorldConstraint world;
    world.setTranslationConstraintType(AxisPlaneConstraint::Axis);
    System3D frame;
    frame.setConstraint(&world);
    frame.translate(Vector3D(1, 2, 3));
    COMPARE_VECTOR(frame.translation(), Vector3D(1, 2, 3), 0.0);
}

void TestFrames::constrainedSetters()
{
    System3D reference;
    reference.setTranslation(Vector3D(0, -1, 0));
    System3D frame;
    frame.setReferenceSystem(&reference);
    WorldConstraint constraint;
    constraint.setTranslationConstraint(AxisPlaneConstraint::Plane, yAxis);
    constraint.setRotationConstraint(AxisPlaneConstraint::Axis, yAxis);
    frame.setConstraint(&constraint);

    // A manhole slides on the ground and turns about the vertical only.
    frame.setPositionConstrained(Vector3D(4, 5, 6));
    COMPARE_VECTOR(frame.position(), Vector3D(4, -1, 6), 1e-15);
    // The step keeps its whole angle, about the vertical.
    const Quaternion step = about(yAxis, 30) * about(xAxis, 30);
    frame.setOrientationConstrained(step);
    COMPARE_ROTATION(frame.orientation(), Quaternion(yAxis, step.angle()), 1e-14);

    frame.setConstraint(nullptr);
    frame.setTranslationConstrained(Vector3D(1, 1, 1));
    COMPARE_VECTOR(frame.translation(), Vector3D(1, 1, 1), 1e-15);
}

void TestFrames::rotateAboutPointAndMoveOntoLine()
{
    System3D frame;
    frame.setTranslation(Vector3D(0, 0, 5));
    frame.rotateAboutPoint(about(yAxis, 90), Vector3D(0, 0, 1));
    // The origin swings round the point, and the frame turns with it.
    COMPARE_VECTOR(frame.position(), Vector3D(4, 0, 1), 1e-14);
    COMPARE_ROTATION(frame.orientation(), about(yAxis, 90), 1e-15);

    frame.setTranslation(Vector3D(1, 2, 3));
    frame.moveOntoLine(Vector3D(0, 0, 0), Vector3D(0, 0, 2));
    COMPARE_VECTOR(frame.position(), Vector3D(0, 0, 3), 1e-15);
}

void TestFrames::alignWith_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("turnedReference");
    QTest::addColumn<bool>("snaps");

    // cos 10 degrees is 0.985, above the threshold; cos 45 degrees is 0.707, below it.
    QTest::newRow("10 degrees snaps") << 10.0 << false << true;
    QTest::newRow("45 degrees stays") << 45.0 << false << false;
    QTest::newRow("10 degrees under a turned reference snaps") << 10.0 << true << true;
}

void TestFrames::alignWith()
{
    QFETCH(double, degrees);
    QFETCH(bool, turnedReference);
    QFETCH(bool, snaps);

    System3D reference;
    reference.setRotation(about(xAxis, turnedReference ? 90 : 0));
    System3D frame;
    frame.setReferenceSystem(&reference);
    frame.setTranslation(Vector3D(2, 3, 4));
    frame.setRotation(about(yAxis, degrees));
    const Quaternion before = frame.orientation();

    frame.alignWith(nullptr, false, 0.85f);
    QCOMPARE(alignedWithWorld(frame), snaps);
    if (snaps)
        COMPARE_ROTATION(frame.orientation(), reference.orientation(), 1e-12);
    else
        COMPARE_ROTATION(frame.orientation(), before, 0.0);
    COMPARE_VECTOR(frame.translation(), Vector3D(2, 3, 4), 0.0);
}

void TestFrames::alignWithMoveKeepsOtherOrigin()
{
    // The camera snapping to the world axes about the world origin.
    System3D frame;
    frame.setTranslation(Vector3D(3, 1, 10));
    frame.setRotation(about(yAxis, 8) * about(xAxis, -5));
    const Vector3D originSeen = frame.localFromWorld(Vector3D());

    frame.alignWith(nullptr, true, 0.85f);
    QVERIFY(alignedWithWorld(frame));
    COMPARE_VECTOR(frame.localFromWorld(Vector3D()), originSeen, 1e-12);

    // Aligning with another frame lines the axes up with that frame's.
    System3D other;
    other.setRotation(about(zAxis, 30));
    frame.alignWith(&other, false, 0.85f);
    COMPARE_ROTATION(frame.orientation(), other.orientation(), 1e-12);
}

void TestFrames::xmlRoundTrip()
{
    System3D reference;
    reference.setTranslation(Vector3D(100, 0, 0));
    System3D frame;
    frame.setReferenceSystem(&reference);
    frame.setTranslation(Vector3D(0.1, -2500.25, 1.0 / 3.0));
    frame.setRotation(about(Vector3D(0.3, -1, 0.2), 73.5));

    QDomDocument document;
    const QDomElement element = frame.toDomElement(QStringLiteral("System"), document);
    QCOMPARE(element.tagName(), QStringLiteral("System"));
    // Local values, whatever the tag names say.
    QCOMPARE(element.firstChildElement(QStringLiteral("position")).attribute(QStringLiteral("x")).toDouble(), 0.1);

    System3D read;
    QSignalSpy modified(&read, &System3D::modified);
    read.fromDomElement(element);
    QCOMPARE(modified.count(), 2);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(read.translation()[i], double(float(frame.translation()[i])));
    const Quaternion rotation = read.rotation();
    QVERIFY(std::fabs(rotation.x * rotation.x + rotation.y * rotation.y + rotation.z * rotation.z
                      + rotation.w * rotation.w - 1.0) < 1e-15);
    COMPARE_ROTATION(rotation, frame.rotation(), 1e-7);
}

void TestFrames::xmlKeepsWhatIsMissingOrUnusable()
{
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("System"));
    QDomElement orientation = document.createElement(QStringLiteral("orientation"));
    orientation.setAttribute(QStringLiteral("x"), QStringLiteral("0"));
    element.appendChild(orientation);
    element.appendChild(document.createElement(QStringLiteral("unknown")));

    System3D frame;
    frame.setTranslation(Vector3D(1, 2, 3));
    frame.setRotation(about(zAxis, 20));
    frame.fromDomElement(element);
    // No position child, and an all-zero rotation that can not be normalised.
    COMPARE_VECTOR(frame.translation(), Vector3D(1, 2, 3), 0.0);
    COMPARE_ROTATION(frame.rotation(), about(zAxis, 20), 0.0);
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
