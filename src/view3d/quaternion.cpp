#include "view3d/quaternion.h"

#include "view3d/domnumbers.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

// Rounding can carry a cosine or sine a hair beyond 1; asin and acos then give NaN.
double clampUnit(double value)
{
    return std::clamp(value, -1.0, 1.0);
}

} // namespace

Quaternion::Quaternion(const Vector3D &axis, double angle)
{
    setAxisAngle(axis, angle);
}

Quaternion::Quaternion(const Vector3D &from, const Vector3D &to)
{
    const double epsilon = 1e-10;
    const double fromSquared = from.normSquared();
    const double toSquared = to.normSquared();
    if (fromSquared < epsilon || toSquared < epsilon)
        return;

    // The angle comes from the cross product itself: once a parallel pair has had its axis
    // replaced, the replacement says nothing about the angle (0 or pi). The parallel test is
    // relative to the lengths, so short vectors in scene units are not all taken as parallel.
    const Vector3D crossed = cross(from, to);
    const double sineSquared = crossed.normSquared() / (fromSquared * toSquared);
    double angle = std::asin(std::sqrt(clampUnit(sineSquared)));
    if (dot(from, to) < 0.0)
        angle = M_PI - angle;
    const Vector3D axis = sineSquared < epsilon ? from.perpendicular() : crossed;
    setAxisAngle(axis, angle);
}

Quaternion::Quaternion(const QDomElement &element)
    : x(floatAttribute(element, QStringLiteral("x")))
    , y(floatAttribute(element, QStringLiteral("y")))
    , z(floatAttribute(element, QStringLiteral("z")))
    , w(floatAttribute(element, QStringLiteral("w")))
{
}

double &Quaternion::operator[](int i)
{
    switch (i) {
    case 0:
        return x;
    case 1:
        return y;
    case 2:
        return z;
    default:
        return w;
    }
}

double Quaternion::operator[](int i) const
{
    return const_cast<Quaternion *>(this)->operator[](i);
}

void Quaternion::setAxisAngle(const Vector3D &axis, double angle)
{
    const double length = axis.norm();
    if (length < 1e-8) {
        *this = Quaternion();
        return;
    }
    const double s = std::sin(angle / 2.0) / length;
    x = s * axis.x;
    y = s * axis.y;
    z = s * axis.z;
    w = std::cos(angle / 2.0);
}

void Quaternion::setFromAxes(const Vector3D &X, const Vector3D &Y, const Vector3D &Z)
{
    const Vector3D cx = X / X.norm();
    const Vector3D cy = Y / Y.norm();
    const Vector3D cz = Z / Z.norm();
    // m[row][column], the columns being the normalised axes.
    const double m[3][3] = {{cx.x, cy.x, cz.x}, {cx.y, cy.y, cz.y}, {cx.z, cy.z, cz.z}};

    const double trace = 1.0 + m[0][0] + m[1][1] + m[2][2];
    if (trace > 1e-5) {
        const double s = 2.0 * std::sqrt(trace);
        x = (m[2][1] - m[1][2]) / s;
        y = (m[0][2] - m[2][0]) / s;
        z = (m[1][0] - m[0][1]) / s;
        w = s / 4.0;
    } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[0][0] - m[1][1] - m[2][2]);
        x = s / 4.0;
        y = (m[0][1] + m[1][0]) / s;
        z = (m[0][2] + m[2][0]) / s;
        w = (m[2][1] - m[1][2]) / s;
    } else if (m[1][1] > m[2][2]) {
        const double s = 2.0 * std::sqrt(1.0 + m[1][1] - m[0][0] - m[2][2]);
        x = (m[0][1] + m[1][0]) / s;
        y = s / 4.0;
        z = (m[1][2] + m[2][1]) / s;
        w = (m[0][2] - m[2][0]) / s;
    } else {
        const double s = 2.0 * std::sqrt(1.0 + m[2][2] - m[0][0] - m[1][1]);
        x = (m[0][2] + m[2][0]) / s;
        y = (m[1][2] + m[2][1]) / s;
        z = s / 4.0;
        w = (m[1][0] - m[0][1]) / s;
    }
    normalize();
}

Quaternion &Quaternion::operator*=(const Quaternion &q)
{
    *this = *this * q;
    return *this;
}

Vector3D Quaternion::rotate(const Vector3D &v) const
{
    double m[16];
    fillMatrix(m);
    return Vector3D(m[0] * v.x + m[4] * v.y + m[8] * v.z,
                    m[1] * v.x + m[5] * v.y + m[9] * v.z,
                    m[2] * v.x + m[6] * v.y + m[10] * v.z);
}

Vector3D Quaternion::rotateBack(const Vector3D &v) const
{
    return inverse().rotate(v);
}

double Quaternion::normalize()
{
    const double length = std::sqrt(x * x + y * y + z * z + w * w);
    x /= length;
    y /= length;
    z /= length;
    w /= length;
    return length;
}

Quaternion Quaternion::normalized() const
{
    Quaternion q = *this;
    q.normalize();
    return q;
}

double Quaternion::angle() const
{
    const double a = 2.0 * std::acos(clampUnit(w));
    return a <= M_PI ? a : 2.0 * M_PI - a;
}

Vector3D Quaternion::axis() const
{
    Vector3D result(x, y, z);
    const double length = result.norm();
    if (length > 1e-8)
        result /= length;
    return std::acos(clampUnit(w)) <= M_PI / 2.0 ? result : -result;
}

void Quaternion::fillMatrix(double m[16]) const
{
    const double xx = 2.0 * x * x;
    const double yy = 2.0 * y * y;
    const double zz = 2.0 * z * z;
    const double xy = 2.0 * x * y;
    const double xz = 2.0 * x * z;
    const double yz = 2.0 * y * z;
    const double wx = 2.0 * w * x;
    const double wy = 2.0 * w * y;
    const double wz = 2.0 * w * z;

    m[0] = 1.0 - yy - zz;
    m[1] = xy + wz;
    m[2] = xz - wy;
    m[3] = 0.0;
    m[4] = xy - wz;
    m[5] = 1.0 - zz - xx;
    m[6] = yz + wx;
    m[7] = 0.0;
    m[8] = xz + wy;
    m[9] = yz - wx;
    m[10] = 1.0 - yy - xx;
    m[11] = 0.0;
    m[12] = 0.0;
    m[13] = 0.0;
    m[14] = 0.0;
    m[15] = 1.0;
}

QDomElement Quaternion::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = document.createElement(name);
    setDoubleAttribute(element, QStringLiteral("x"), x);
    setDoubleAttribute(element, QStringLiteral("y"), y);
    setDoubleAttribute(element, QStringLiteral("z"), z);
    setDoubleAttribute(element, QStringLiteral("w"), w);
    return element;
}

Quaternion operator*(const Quaternion &a, const Quaternion &b)
{
    return Quaternion(a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                      a.w * b.y + a.y * b.w + a.z * b.x - a.x * b.z,
                      a.w * b.z + a.z * b.w + a.x * b.y - a.y * b.x,
                      a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z);
}
