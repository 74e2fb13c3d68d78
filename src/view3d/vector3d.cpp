#include "view3d/vector3d.h"

#include "view3d/domnumbers.h"

#include <cmath>

Vector3D::Vector3D(const QDomElement &element)
    : x(floatAttribute(element, QStringLiteral("x")))
    , y(floatAttribute(element, QStringLiteral("y")))
    , z(floatAttribute(element, QStringLiteral("z")))
{
}

Vector3D &Vector3D::operator+=(const Vector3D &v)
{
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

Vector3D &Vector3D::operator-=(const Vector3D &v)
{
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

Vector3D &Vector3D::operator*=(double s)
{
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

Vector3D &Vector3D::operator/=(double s)
{
    x /= s;
    y /= s;
    z /= s;
    return *this;
}

double Vector3D::norm() const
{
    return std::sqrt(normSquared());
}

Vector3D Vector3D::unitVector() const
{
    return *this / norm();
}

bool Vector3D::isNull() const
{
    const double epsilon = 1e-12;
    return std::fabs(x) <= epsilon && std::fabs(y) <= epsilon && std::fabs(z) <= epsilon;
}

void Vector3D::projectOntoAxis(const Vector3D &d)
{
    *this = (dot(*this, d) / d.normSquared()) * d;
}

void Vector3D::projectOntoPlane(const Vector3D &n)
{
    *this -= (dot(*this, n) / n.normSquared()) * n;
}

Vector3D Vector3D::perpendicular() const
{
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double az = std::fabs(z);
    if (ay >= 0.9 * ax && az >= 0.9 * ax)
        return Vector3D(0.0, -z, y);
    if (ax >= 0.9 * ay && az >= 0.9 * ay)
        return Vector3D(-z, 0.0, x);
    return Vector3D(-y, x, 0.0);
}

QDomElement Vector3D::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = document.createElement(name);
    setDoubleAttribute(element, QStringLiteral("x"), x);
    setDoubleAttribute(element, QStringLiteral("y"), y);
    setDoubleAttribute(element, QStringLiteral("z"), z);
    return element;
}

Vector3D operator+(const Vector3D &a, const Vector3D &b)
{
    return Vector3D(a.x + b.x, a.y + b.y, a.z + b.z);
}

Vector3D operator-(const Vector3D &a, const Vector3D &b)
{
    return Vector3D(a.x - b.x, a.y - b.y, a.z - b.z);
}

Vector3D operator-(const Vector3D &a)
{
    return Vector3D(-a.x, -a.y, -a.z);
}

Vector3D operator*(double s, const Vector3D &a)
{
    return Vector3D(s * a.x, s * a.y, s * a.z);
}

Vector3D operator*(const Vector3D &a, double s)
{
    return s * a;
}

Vector3D operator/(const Vector3D &a, double s)
{
    return Vector3D(a.x / s, a.y / s, a.z / s);
}

bool operator==(const Vector3D &a, const Vector3D &b)
{
    // 1e-10 taken in single precision, as stored files and callers compare with it.
    const double threshold = double(1e-10f);
    return (a - b).normSquared() < threshold;
}

bool operator!=(const Vector3D &a, const Vector3D &b)
{
    return !(a == b);
}

double dot(const Vector3D &a, const Vector3D &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3D cross(const Vector3D &a, const Vector3D &b)
{
    return Vector3D(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
