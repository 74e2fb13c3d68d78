#include "view3d/constraint.h"

#include "view3d/system3d.h"

#include <algorithm>
#include <cmath>

void Constraint::constrainTranslation(Vector3D &, const System3D &)
{
}

void Constraint::constrainRotation(Quaternion &, const System3D &)
{
}

void AxisPlaneConstraint::setTranslationConstraint(Type type, const Vector3D &direction)
{
    setConstraint(type, direction, m_translationType, m_translationDirection);
}

void AxisPlaneConstraint::setRotationConstraint(Type type, const Vector3D &direction)
{
    setConstraint(type, direction, m_rotationType, m_rotationDirection);
}

void AxisPlaneConstraint::setConstraint(Type type, const Vector3D &direction, Type &storedType,
                                        Vector3D &storedDirection)
{
    storedType = type;
    if (type == Free || type == Locked)
        return;
    const float length = float(direction.norm());
    if (length < 1e-8f)
        storedType = Free;
    else
        storedDirection = direction / double(length);
}

void WorldConstraint::constrainTranslation(Vector3D &translation, const System3D &frame)
{
    Vector3D direction = translationConstraintDirection();
    switch (translationConstraintType()) {
    case Free:
        return;
    case Locked:
        translation = Vector3D();
        return;
    case Axis:
    case Plane:
        // Without a direction (a type set on its own) there is nothing to hold the move to.
        if (direction.isNull())
            return;
        // The translation is given in the coordinates of the frame's reference.
        if (frame.referenceSystem())
            direction = frame.referenceSystem()->localDirection(direction);
        if (translationConstraintType() == Axis)
            translation.projectOntoAxis(direction);
        else
            translation.projectOntoPlane(direction);
        return;
    }
}

void WorldConstraint::constrainRotation(Quaternion &rotation, const System3D &frame)
{
    switch (rotationConstraintType()) {
    case Free:
    case Plane:
        return;
    case Locked:
        rotation = Quaternion();
        return;
    case Axis: {
        if (rotationConstraintDirection().isNull())
            return;
        // The rotation is composed onto the frame's own, so it is given in the frame's coordinates.
        Vector3D axis(rotation.x, rotation.y, rotation.z);
        axis.projectOntoAxis(frame.localDirection(rotationConstraintDirection()));
        rotation.setAxisAngle(axis, 2.0 * std::acos(std::clamp(rotation.w, -1.0, 1.0)));
        return;
    }
    }
}
