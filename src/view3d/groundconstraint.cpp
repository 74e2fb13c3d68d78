#include "view3d/groundconstraint.h"

#include "view3d/constraint.h"
#include "view3d/system3d.h"

#include <cmath>

std::unique_ptr<WorldConstraint> placeOnGround(System3D *frame)
{
    frame->setRotation(Quaternion(Vector3D(1, 0, 0), -M_PI / 2.0));
    auto constraint = std::make_unique<WorldConstraint>();
    constraint->setTranslationConstraint(AxisPlaneConstraint::Plane, Vector3D(0, 1, 0));
    frame->setConstraint(constraint.get());
    return constraint;
}

std::unique_ptr<WorldConstraint> lockFrame(System3D *frame)
{
    auto constraint = std::make_unique<WorldConstraint>();
    constraint->setTranslationConstraintType(AxisPlaneConstraint::Locked);
    constraint->setRotationConstraintType(AxisPlaneConstraint::Locked);
    frame->setConstraint(constraint.get());
    return constraint;
}
