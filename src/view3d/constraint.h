#pragma once

#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

class System3D;

// A filter for the constrained moves of a frame: it may change the translation or rotation
// about to be applied. The base lets everything through.
class Constraint
{
public:
    virtual ~Constraint() = default;
    virtual void constrainTranslation(Vector3D &translation, const System3D &frame);
    virtual void constrainRotation(Quaternion &rotation, const System3D &frame);
};

// A constraint described by a type and a direction for translation and for rotation. The
// filters themselves are those of the subclasses.
class AxisPlaneConstraint : public Constraint
{
public:
    enum Type { Free = 0, Axis = 1, Plane = 2, Locked = 3 };

    Type translationConstraintType() const { return m_translationType; }
    Type rotationConstraintType() const { return m_rotationType; }
    Vector3D translationConstraintDirection() const { return m_translationDirection; }
    Vector3D rotationConstraintDirection() const { return m_rotationDirection; }

    void setTranslationConstraintType(Type type) { m_translationType = type; }
    void setRotationConstraintType(Type type) { m_rotationType = type; }
    // An Axis or Plane needs a direction: a (nearly) null one leaves the type Free; otherwise
    // the direction is stored at unit length.
    void setTranslationConstraint(Type type, const Vector3D &direction);
    void setRotationConstraint(Type type, const Vector3D &direction);

private:
    static void setConstraint(Type type, const Vector3D &direction, Type &storedType,
                              Vector3D &storedDirection);

    Type m_translationType = Free;
    Type m_rotationType = Free;
    Vector3D m_translationDirection;
    Vector3D m_rotationDirection;
};

// Directions in world coordinates: an Axis lets only moves along it through, a Plane only moves
// within the plane it is normal to, Locked none. Rotations can be held to an Axis or Locked.
class WorldConstraint : public AxisPlaneConstraint
{
public:
    void constrainTranslation(Vector3D &translation, const System3D &frame) override;
    void constrainRotation(Quaternion &rotation, const System3D &frame) override;
};
