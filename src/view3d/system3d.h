#pragma once

#include "view3d/matrix4.h"
#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QDomDocument>
#include <QDomElement>
#include <QObject>

class Constraint;

// A coordinate frame of the 3D scene: a translation and a rotation relative to a reference frame
// (the world when there is none), so frames form chains. A constraint, when set, filters the
// constrained moves. The frame owns neither its reference nor its constraint.
//
// Every change of translation, rotation or reference emits modified() once, after the change.
class System3D : public QObject
{
    Q_OBJECT

public:
    System3D() = default;
    // Copies the pose, the constraint pointer and the reference; not the connections.
    System3D(const System3D &other);
    System3D &operator=(const System3D &other);

    Vector3D translation() const { return m_translation; }
    Quaternion rotation() const { return m_rotation; }
    System3D *referenceSystem() const { return m_reference; }
    Constraint *constraint() const { return m_constraint; }

    // Plain stores, relative to the reference; no constraint.
    void setTranslation(const Vector3D &translation);
    void setRotation(const Quaternion &rotation);
    // Cycles are the caller's to avoid.
    void setReferenceSystem(System3D *reference);
    void setConstraint(Constraint *constraint) { m_constraint = constraint; }

    // World pose of the frame.
    Vector3D position() const;
    Quaternion orientation() const;
    void setPosition(const Vector3D &position);
    void setOrientation(const Quaternion &orientation);

    // Move to the given pose as far as the constraint lets the step from the present pose
    // through (translation and rotation relative to the reference, position and orientation in
    // the world).
    void setTranslationConstrained(const Vector3D &translation);
    void setRotationConstrained(const Quaternion &rotation);
    void setPositionConstrained(const Vector3D &position);
    void setOrientationConstrained(const Quaternion &orientation);

    // Constrained steps: a translation in the reference's coordinates, a rotation composed
    // onto the frame's own (rotation := rotation * q).
    void translate(const Vector3D &translation);
    void rotate(const Quaternion &rotation);
    // The same turn without the constraint, for code that places objects by known angles.
    void rotateFree(const Quaternion &rotation);
    // Turns the frame by q (in its own coordinates) about a world point: orientation and
    // position both follow.
    void rotateAboutPoint(const Quaternion &rotation, const Vector3D &point);

    // Points and directions between the world and this frame's coordinates.
    Vector3D localFromWorld(const Vector3D &point) const;
    Vector3D worldFromLocal(const Vector3D &point) const;
    Vector3D localDirection(const Vector3D &direction) const;
    Vector3D worldDirection(const Vector3D &direction) const;

    // Moves the frame (constrained) to the nearest point of the line through origin.
    void moveOntoLine(const Vector3D &origin, const Vector3D &direction);
    // Turns the frame so that its axes line up with the nearest axes of other (the world when
    // other is null) where they are within the angle whose cosine is threshold; with move, also
    // shifts it so that other's origin keeps its place in this frame's coordinates.
    void alignWith(const System3D *other, bool move, float threshold);

    // Local to world, column-major.
    Matrix4 worldMatrix() const;
    void copyWorldMatrix(double m[16]) const;

    // An element of the given name with the children "position" and "orientation", holding the
    // translation and rotation relative to the reference.
    virtual QDomElement toDomElement(const QString &name, QDomDocument &document) const;
    // Reads those children; a missing one leaves its value, a rotation that can not be
    // normalised (all zero) leaves the rotation as it was.
    virtual void fromDomElement(const QDomElement &element);

signals:
    void modified();

private:
    Vector3D m_translation;
    Quaternion m_rotation;
    System3D *m_reference = nullptr;
    Constraint *m_constraint = nullptr;
};
