#include "compare3d.h"
#include "view3d/matrix4.h"
#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QDomDocument>
#include <QtTest>

#include <cmath>
#include <limits>

class TestMath3D : public QObject
{
    Q_OBJECT

private slots:
    void perpendicular_data();
    void perpendicular();
    void equalityIsWithinTenMicro_data();
    void equalityIsWithinTenMicro();
    void rotationBetweenDirections_data();
    void rotationBetweenDirections();
    void axisAngle_data();
    void axisAngle();
    void productMatrixAndInverseAgree();
    void setFromAxes_data();
    void setFromAxes();
    void matrixHelpers();
    void invertMatrixRefusesSingular_data();
    void invertMatrixRefusesSingular();
    void xmlKeepsSinglePrecision();
    void xmlReadsDamagedAttributesAsZero_data();
    void xmlReadsDamagedAttributesAsZero();
};

void TestMath3D::perpendicular_data()
{
    QTest::addColumn<Vector3D>("v");
    QTest::addColumn<Vector3D>("expected");

    QTest::newRow("x axis, second rule") << Vector3D(1, 0, 0) << Vector3D(0, 0, 1);
    QTest::newRow("z axis, first rule") << Vector3D(0, 0, 1) << Vector3D(0, -1, 0);
    QTest::newRow("diagonal, third rule") << Vector3D(1, 1, 0) << Vector3D(-1, 1, 0);
    QTest::newRow("y axis") << Vector3D(0, 1, 0) << Vector3D(0, 0, 1);
    QTest::newRow("short") << Vector3D(1e-4, -3e-4, 7e-4) << Vector3D(0, -7e-4, -3e-4);
}

void TestMath3D::perpendicular()
{
    QFETCH(Vector3D, v);
    QFETCH(Vector3D, expected);
    const Vector3D p = v.perpendicular();
    COMPARE_VECTOR(p, expected, 0.0);
    QCOMPARE(dot(p, v), 0.0);
}

void TestMath3D::equalityIsWithinTenMicro_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("equal");

    QTest::newRow("well inside") << 0.5e-5 << true;
    // 1e-10 in double lies just below the single-precision threshold.
    QTest::newRow("exactly 1e-5") << 1e-5 << true;
    QTest::newRow("just outside") << 1.0001e-5 << false;
    QTest::newRow("far") << 1.0 << false;
}

void TestMath3D::equalityIsWithinTenMicro()
{
    QFETCH(double, offset);
    QFETCH(bool, equal);
    const Vector3D a(3.0, -2.0, 7.5);
    const Vector3D b = a + Vector3D(0.0, offset, 0.0);
    QCOMPARE(a == b, equal);
    QCOMPARE(a != b, !equal);
}

void TestMath3D::rotationBetweenDirections_data()
{
    QTest::addColumn<Vector3D>("from");
    QTest::addColumn<Vector3D>("to");
    QTest::addColumn<double>("angle");

    QTest::newRow("same direction") << Vector3D(1, 0, 0) << Vector3D(3, 0, 0) << 0.0;
    QTest::newRow("same direction, short") << Vector3D(0.001, 0, 0) << Vector3D(0.002, 0, 0) << 0.0;
    QTest::newRow("opposite") << Vector3D(0, 1, 0) << Vector3D(0, -1, 0) << M_PI;
    QTest::newRow("opposite, short") << Vector3D(0, 0, 0.003) << Vector3D(0, 0, -0.003) << M_PI;
    QTest::newRow("nearly opposite") << Vector3D(1, 0, 0) << Vector3D(-1, 1e-7, 0) << M_PI - 1e-7;
    // Scene-unit bars: 0.1 m at the default plan scale.
    QTest::newRow("right angle, short") << Vector3D(0.001, 0, 0) << Vector3D(0, 0, 0.001)
                                        << M_PI / 2;
    QTest::newRow("bar onto a short reference") << Vector3D(0, 0, 1) << Vector3D(0.002, 0, 0.002)
                                                << M_PI / 4;
    QTest::newRow("general") << Vector3D(1, 2, 3) << Vector3D(-2, 0.5, 1)
                             << std::acos(2.0 / (std::sqrt(14.0) * std::sqrt(5.25)));
    QTest::newRow("null from") << Vector3D() << Vector3D(1, 0, 0) << 0.0;
    QTest::newRow("null to") << Vector3D(0, 1, 0) << Vector3D(0, 1e-6, 0) << 0.0;
}

void TestMath3D::rotationBetweenDirections()
{
    QFETCH(Vector3D, from);
    QFETCH(Vector3D, to);
    QFETCH(double, angle);

    const Quaternion q(from, to);
    for (int i = 0; i < 4; ++i)
        QVERIFY(std::isfinite(q[i]));
    QCOMPARE(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w, 1.0);
    QVERIFY2(std::fabs(q.angle() - angle) < 1e-9, qPrintable(QString::number(q.angle(), 'g', 17)));
    if (from.normSquared() >= 1e-10 && to.normSquared() >= 1e-10)
        COMPARE_VECTOR(q.rotate(from.unitVector()), to.unitVector(), 1e-9);
    else
        COMPARE_ROTATION(q, Quaternion(), 0.0);
}

void TestMath3D::axisAngle_data()
{
    QTest::addColumn<Quaternion>("q");
    QTest::addColumn<double>("angle");
    QTest::addColumn<Vector3D>("axis");

    QTest::newRow("axis shorter than 1e-8") << Quaternion(Vector3D(1e-9, 0, 0), 1.0) << 0.0
                                            << Vector3D(0, 0, 0);
    QTest::newRow("quarter turn about y") << Quaternion(Vector3D(0, 2, 0), M_PI / 2) << M_PI / 2
                                          << Vector3D(0, 1, 0);
    QTest::newRow("full turn with negative scalar") << Quaternion(0, 0, 0, -1) << 0.0
                                                    << Vector3D(0, 0, 0);
    // Three quarters one way are a quarter the other way.
    QTest::newRow("three quarters about z") << Quaternion(Vector3D(0, 0, 1), 1.5 * M_PI) << M_PI / 2
                                            << Vector3D(0, 0, -1);
    // Renormalising leaves w a hair above 1 at times.
    QTest::newRow("scalar just above one") << Quaternion(0, 0, 0, 1.0 + 1e-12) << 0.0
                                           << Vector3D(0, 0, 0);
}

void TestMath3D::axisAngle()
{
    QFETCH(Quaternion, q);
    QFETCH(double, angle);
    QFETCH(Vector3D, axis);
    QVERIFY(std::fabs(q.angle() - angle) < 1e-12);
    COMPARE_VECTOR(q.axis(), axis, 1e-12);
}

void TestMath3D::productMatrixAndInverseAgree()
{
    const Quaternion rotations[] = {
        Quaternion(Vector3D(0, 1, 0), M_PI / 2), Quaternion(Vector3D(1, -2, 0.5), 2.1),
        Quaternion(Vector3D(0.3, 0.3, -1), -0.7), Quaternion(Vector3D(1, 0, 0), M_PI)};
    const Vector3D v(0.4, -1.3, 2.2);
    // A quarter turn about y takes x to -z.
    COMPARE_VECTOR(rotations[0].rotate(Vector3D(1, 0, 0)), Vector3D(0, 0, -1), 1e-15);
    for (const Quaternion &a : rotations) {
        double m[16];
        a.fillMatrix(m);
        double in[4] = {v.x, v.y, v.z, 1.0};
        double out[4];
        transformVector(m, in, out);
        COMPARE_VECTOR(Vector3D(out[0], out[1], out[2]), a.rotate(v), 1e-14);
        QCOMPARE(out[3], 1.0);
        COMPARE_VECTOR(a.rotateBack(a.rotate(v)), v, 1e-14);
        for (const Quaternion &b : rotations) {
            // The right factor turns first.
            COMPARE_VECTOR((a * b).rotate(v), a.rotate(b.rotate(v)), 1e-14);
            Quaternion c = a;
            c *= b;
            COMPARE_ROTATION(c, a * b, 0.0);
        }
    }
}

void TestMath3D::setFromAxes_data()
{
    QTest::addColumn<Vector3D>("X");
    QTest::addColumn<Vector3D>("Y");
    QTest::addColumn<Vector3D>("Z");

    QTest::newRow("identity") << Vector3D(1, 0, 0) << Vector3D(0, 1, 0) << Vector3D(0, 0, 1);
    QTest::newRow("half turn about x") << Vector3D(1, 0, 0) << Vector3D(0, -1, 0) << Vector3D(0, 0, -1);
    QTest::newRow("half turn about y") << Vector3D(-1, 0, 0) << Vector3D(0, 1, 0) << Vector3D(0, 0, -1);
    QTest::newRow("half turn about z") << Vector3D(-1, 0, 0) << Vector3D(0, -1, 0) << Vector3D(0, 0, 1);
    QTest::newRow("half turn about a diagonal") << Vector3D(0, 1, 0) << Vector3D(1, 0, 0)
                                                << Vector3D(0, 0, -1);
    QTest::newRow("quarter turn about z, long axes") << Vector3D(0, 2, 0) << Vector3D(-3, 0, 0)
                                                     << Vector3D(0, 0, 0.5);
}

void TestMath3D::setFromAxes()
{
    QFETCH(Vector3D, X);
    QFETCH(Vector3D, Y);
    QFETCH(Vector3D, Z);

    Quaternion q(0.3, 0.1, 0.2, 0.9);
    q.setFromAxes(X, Y, Z);
    QVERIFY(std::fabs(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w - 1.0) < 1e-15);
    COMPARE_VECTOR(q.rotate(Vector3D(1, 0, 0)), X.unitVector(), 1e-12);
    COMPARE_VECTOR(q.rotate(Vector3D(0, 1, 0)), Y.unitVector(), 1e-12);
    COMPARE_VECTOR(q.rotate(Vector3D(0, 0, 1)), Z.unitVector(), 1e-12);
    if (QByteArray(QTest::currentDataTag()) == "identity") {
        QCOMPARE(q.x, 0.0);
        QCOMPARE(q.y, 0.0);
        QCOMPARE(q.z, 0.0);
        QCOMPARE(q.w, 1.0);
    }
}

void TestMath3D::matrixHelpers()
{
    // a moves by (1, 2, 3), b scales by 2: b * a moves first, then scales.
    const double a[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    const double b[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    double product[16];
    multiplyMatrices(a, b, product);
    const double point[4] = {1, 1, 1, 1};
    double moved[4];
    transformVector(product, point, moved);
    QCOMPARE(moved[0], 4.0);
    QCOMPARE(moved[1], 6.0);
    QCOMPARE(moved[2], 8.0);
    QCOMPARE(moved[3], 1.0);

    // A general matrix times its inverse is the identity.
    const double m[16] = {2, 0.5, -1, 0, 0.3, 1.7, 0.2, 0, -0.4, 0.9, 3, 0.1, 5, -2, 1, 1};
    double inverse[16];
    QVERIFY(invertMatrix(m, inverse));
    double identity[16];
    multiplyMatrices(m, inverse, identity);
    for (int i = 0; i < 16; ++i)
        QVERIFY2(std::fabs(identity[i] - (i % 5 == 0 ? 1.0 : 0.0)) < 1e-13, qPrintable(QString::number(i)));

    float f[16];
    toFloatMatrix(m, f);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(f[i], float(m[i]));
}

void TestMath3D::invertMatrixRefusesSingular_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("zero column") << 0.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestMath3D::invertMatrixRefusesSingular()
{
    QFETCH(double, value);
    const double m[16] = {1, 0, 0, 0, 0, value, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    double out[16];
    std::fill(out, out + 16, 7.0);
    QVERIFY(!invertMatrix(m, out));
    for (double element : out)
        QCOMPARE(element, 7.0);
}

void TestMath3D::xmlKeepsSinglePrecision()
{
    QDomDocument document;
    const Vector3D v(0.1, -12345.678, 1.0 / 3.0);
    const QDomElement vectorElement = v.toDomElement(QStringLiteral("position"), document);
    QCOMPARE(vectorElement.tagName(), QStringLiteral("position"));
    // Written in full, read in single precision.
    QCOMPARE(vectorElement.attribute(QStringLiteral("x")).toDouble(), 0.1);
    const Vector3D readVector(vectorElement);
    QCOMPARE(readVector.x, double(float(v.x)));
    QCOMPARE(readVector.y, double(float(v.y)));
    QCOMPARE(readVector.z, double(float(v.z)));
    QVERIFY(readVector.x != v.x);

    const Quaternion q(Vector3D(0.2, -1, 0.7), 1.234);
    const Quaternion readRotation(q.toDomElement(QStringLiteral("orientation"), document));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(readRotation[i], double(float(q[i])));
}

void TestMath3D::xmlReadsDamagedAttributesAsZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << QString();
    QTest::newRow("not a number") << QStringLiteral("abc");
    QTest::newRow("nan") << QStringLiteral("nan");
    QTest::newRow("infinite") << QStringLiteral("inf");
    QTest::newRow("beyond float") << QStringLiteral("1e300");
}

void TestMath3D::xmlReadsDamagedAttributesAsZero()
{
    QFETCH(QString, text);
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("v"));
    element.setAttribute(QStringLiteral("x"), QStringLiteral("2.5"));
    element.setAttribute(QStringLiteral("w"), QStringLiteral("1"));
    if (!text.isNull()) {
        element.setAttribute(QStringLiteral("y"), text);
        element.setAttribute(QStringLiteral("z"), text);
    }
    COMPARE_VECTOR(Vector3D(element), Vector3D(2.5, 0, 0), 0.0);
    COMPARE_ROTATION(Quaternion(element), Quaternion(2.5, 0, 0, 1), 0.0);
}

QTEST_MAIN(TestMath3D)
#include "tst_math3d.moc"
