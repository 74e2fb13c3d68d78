#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// A point or a direction in the 3D scene, in double precision. A plain value.
class Vector3D
{
public:
    Vector3D() = default;
    Vector3D(double vx, double vy, double vz) : x(vx), y(vy), z(vz) {}
    // Reads the attributes "x", "y" and "z" in single precision; a missing or unreadable one is 0.
    explicit Vector3D(const QDomElement &element);

    double &operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

    Vector3D &operator+=(const Vector3D &v);
    Vector3D &operator-=(const Vector3D &v);
    Vector3D &operator*=(double s);
    Vector3D &operator/=(double s);

    double normSquared() const { return x * x + y * y + z * z; }
    double norm() const;
    // No test for zero: callers divide only what they know to be longer than null.
    Vector3D unitVector() const;
    // Each component within 1e-12 of zero.
    bool isNull() const;

    // In place: the component along d, resp. the part in the plane of normal d.
    void projectOntoAxis(const Vector3D &d);
    void projectOntoPlane(const Vector3D &n);
    // A vector orthogonal to this one, never null for a non-null vector.
    Vector3D perpendicular() const;

    QDomElement toDomElement(const QString &name, QDomDocument &document) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Vector3D operator+(const Vector3D &a, const Vector3D &b);
Vector3D operator-(const Vector3D &a, const Vector3D &b);
Vector3D operator-(const Vector3D &a);
Vector3D operator*(double s, const Vector3D &a);
Vector3D operator*(const Vector3D &a, double s);
Vector3D operator/(const Vector3D &a, double s);
// Equal when closer than 1e-5 (squared distance below the single-precision 1e-10).
bool operator==(const Vector3D &a, const Vector3D &b);
bool operator!=(const Vector3D &a, const Vector3D &b);

double dot(const Vector3D &a, const Vector3D &b);
Vector3D cross(const Vector3D &a, const Vector3D &b);
