#pragma once

#include "view3d/vector3d.h"

// A rotation of the 3D scene as a unit quaternion (x, y, z vector part, w scalar part).
// Operations that compose rotations renormalise, so the norm does not drift.
class Quaternion
{
public:
    Quaternion() = default; // the identity
    Quaternion(double qx, double qy, double qz, double qw) : x(qx), y(qy), z(qz), w(qw) {}
    // The rotation by angle (radians) about axis.
    Quaternion(const Vector3D &axis, double angle);
    // The rotation that turns the direction from into the direction to: about their common
    // perpendicular, by 0 for parallel and by pi for opposite directions; the identity when
    // either is null.
    Quaternion(const Vector3D &from, const Vector3D &to);
    // Reads "x", "y", "z" and "w" in single precision (missing ones are 0), not normalised.
    explicit Quaternion(const QDomElement &element);

    double &operator[](int i);
    double operator[](int i) const;

    // The identity when the axis is shorter than 1e-8, whatever the angle.
    void setAxisAngle(const Vector3D &axis, double angle);
    // The rotation that maps the unit axes onto the directions of X, Y and Z.
    void setFromAxes(const Vector3D &X, const Vector3D &Y, const Vector3D &Z);

    // this := this * q.
    Quaternion &operator*=(const Quaternion &q);

    // The conjugate; the inverse of a unit quaternion.
    Quaternion inverse() const { return Quaternion(-x, -y, -z, w); }
    Vector3D rotate(const Vector3D &v) const;
    Vector3D rotateBack(const Vector3D &v) const;

    // Divides by the norm in place and returns the norm (no test for zero).
    double normalize();
    Quaternion normalized() const;

    // The angle of the rotation in [0, pi].
    double angle() const;
    // The unit axis of the rotation, pointing so that angle() turns about it.
    Vector3D axis() const;

    // The 4x4 column-major rotation matrix.
    void fillMatrix(double m[16]) const;

    QDomElement toDomElement(const QString &name, QDomDocument &document) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};

// The Hamilton product: applied to a vector, b turns first, then a.
Quaternion operator*(const Quaternion &a, const Quaternion &b);
