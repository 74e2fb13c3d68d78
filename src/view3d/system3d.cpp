#include "view3d/system3d.h"

#include "view3d/constraint.h"

#include <algorithm>
#include <cmath>

System3D::System3D(const System3D &other)
    : QObject()
    , m_translation(other.m_translation)
    , m_rotation(other.m_rotation)
    , m_reference(other.m_reference)
    , m_constraint(other.m_constraint)
{
}

System3D &System3D::operator=(const System3D &other)
{
    if (this == &other)
        return *this;
    m_translation = other.m_translation;
    m_rotation = other.m_rotation;
    emit modified();
    m_constraint = other.m_constraint;
    setReferenceSystem(other.m_reference);
    return *this;
}

void System3D::setTranslation(const Vector3D &translation)
{
    m_translation = translation;
    emit modified();
}

void System3D::setRotation(const Quaternion &rotation)
{
    m_rotation = rotation;
    emit modified();
}

void System3D::setReferenceSystem(System3D *reference)
{
    if (reference == m_reference)
        return;
    m_reference = reference;
    emit modified();
}

Vector3D System3D::position() const
{
    return worldFromLocal(Vector3D());
}

Quaternion System3D::orientation() const
{
    Quaternion result = m_rotation;
    for (const System3D *frame = m_reference; frame; frame = frame->m_reference)
        result = frame->m_rotation * result;
    return result;
}

void System3D::setPosition(const Vector3D &position)
{
    setTranslation(m_reference ? m_reference->localFromWorld(position) : position);
}

void System3D::setOrientation(const Quaternion &orientation)
{
    setRotation(m_reference ? m_reference->orientation().inverse() * orientation : orientation);
}

void System3D::setTranslationConstrained(const Vector3D &translation)
{
    Vector3D delta = translation - m_translation;
    if (m_constraint)
        m_constraint->constrainTranslation(delta, *this);
    m_translation += delta;
    emit modified();
}

void System3D::setRotationConstrained(const Quaternion &rotation)
{
    Quaternion delta = m_rotation.inverse() * rotation;
    if (m_constraint)
        m_constraint->constrainRotation(delta, *this);
    delta.normalize();
    m_rotation = m_rotation * delta;
    m_rotation.normalize();
    emit modified();
}

void System3D::setPositionConstrained(const Vector3D &position)
{
    setTranslationConstrained(m_reference ? m_reference->localFromWorld(position) : position);
}

void System3D::setOrientationConstrained(const Quaternion &orientation)
{
    setRotationConstrained(m_reference ? m_reference->orientation().inverse() * orientation
                                       : orientation);
}

void System3D::translate(const Vector3D &translation)
{
    Vector3D step = translation;
    if (m_constraint)
        m_constraint->constrainTranslation(step, *this);
    m_translation += step;
    emit modified();
}

void System3D::rotate(const Quaternion &rotation)
{
    Quaternion step = rotation;
    if (m_constraint)
        m_constraint->constrainRotation(step, *this);
    m_rotation *= step;
    m_rotation.normalize();
    emit modified();
}

void System3D::rotateFree(const Quaternion &rotation)
{
    m_rotation *= rotation;
    m_rotation.normalize();
    emit modified();
}

void System3D::rotateAboutPoint(const Quaternion &rotation, const Vector3D &point)
{
    Quaternion step = rotation;
    if (m_constraint)
        m_constraint->constrainRotation(step, *this);
    m_rotation *= step;
    m_rotation.normalize();

    // The same turn expressed in the world carries the origin around the point.
    const Quaternion worldTurn(worldDirection(step.axis()), step.angle());
    Vector3D shift = point + worldTurn.rotate(position() - point) - m_translation;
    if (m_constraint)
        m_constraint->constrainTranslation(shift, *this);
    m_translation += shift;
    emit modified();
}

Vector3D System3D::localFromWorld(const Vector3D &point) const
{
    const Vector3D inReference = m_reference ? m_reference->localFromWorld(point) : point;
    return m_rotation.rotateBack(inReference - m_translation);
}

Vector3D System3D::worldFromLocal(const Vector3D &point) const
{
    Vector3D result = point;
    for (const System3D *frame = this; frame; frame = frame->m_reference)
        result = frame->m_rotation.rotate(result) + frame->m_translation;
    return result;
}

Vector3D System3D::localDirection(const Vector3D &direction) const
{
    const Vector3D inReference = m_reference ? m_reference->localDirection(direction) : direction;
    return m_rotation.rotateBack(inReference);
}

Vector3D System3D::worldDirection(const Vector3D &direction) const
{
    Vector3D result = direction;
    for (const System3D *frame = this; frame; frame = frame->m_reference)
        result = frame->m_rotation.rotate(result);
    return result;
}

void System3D::moveOntoLine(const Vector3D &origin, const Vector3D &direction)
{
    const Vector3D shift = origin - position();
    Vector3D along = shift;
    along.projectOntoAxis(direction);
    translate(shift - along);
}

void System3D::alignWith(const System3D *other, bool move, float threshold)
{
    const Vector3D unitAxes[3] = {Vector3D(1, 0, 0), Vector3D(0, 1, 0), Vector3D(0, 0, 1)};
    Vector3D target[3];
    Vector3D own[3];
    for (int i = 0; i < 3; ++i) {
        target[i] = other ? other->worldDirection(unitAxes[i]) : unitAxes[i];
        own[i] = worldDirection(unitAxes[i]);
    }

    float best = 0.0f;
    int bestTarget = 0;
    int bestOwn = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const float cosine = float(std::fabs(dot(target[i], own[j])));
            if (cosine >= best) {
                best = cosine;
                bestTarget = i;
                bestOwn = j;
            }
        }
    }

    const System3D before(*this);
    // Turns the world direction from onto target (or its opposite) by a world rotation,
    // composed onto the frame's own rotation through the frame's world orientation, so frames
    // in a chain line up their world axes as well.
    auto turnOnto = [this, threshold](const Vector3D &onto, const Vector3D &from) {
        const double cosine = dot(onto, from);
        if (std::fabs(cosine) < double(threshold))
            return;
        const Vector3D axis = cross(onto, from);
        double angle = std::asin(std::min(axis.norm(), 1.0));
        if (cosine >= 0.0)
            angle = -angle;
        const Quaternion world = orientation();
        rotate(world.inverse() * Quaternion(axis, angle) * world);
    };
    turnOnto(target[bestTarget], own[bestOwn]);

    const Vector3D second = worldDirection(unitAxes[(bestOwn + 1) % 3]);
    float secondBest = -1.0f;
    int secondTarget = 0;
    for (int i = 0; i < 3; ++i) {
        const float cosine = float(std::fabs(dot(target[i], second)));
        if (cosine > secondBest) {
            secondBest = cosine;
            secondTarget = i;
        }
    }
    turnOnto(target[secondTarget], second);

    if (move) {
        const Vector3D center = other ? other->position() : Vector3D();
        const Vector3D wanted = center - orientation().rotate(before.localFromWorld(center));
        const Vector3D local = m_reference ? m_reference->localFromWorld(wanted) : wanted;
        translate(local - m_translation);
    }
}

Matrix4 System3D::worldMatrix() const
{
    Matrix4 m;
    orientation().fillMatrix(m.data());
    const Vector3D origin = position();
    m[12] = origin.x;
    m[13] = origin.y;
    m[14] = origin.z;
    return m;
}

void System3D::copyWorldMatrix(double m[16]) const
{
    const Matrix4 world = worldMatrix();
    std::copy(world.begin(), world.end(), m);
}

QDomElement System3D::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = document.createElement(name);
    element.appendChild(m_translation.toDomElement(QStringLiteral("position"), document));
    element.appendChild(m_rotation.toDomElement(QStringLiteral("orientation"), document));
    return element;
}

void System3D::fromDomElement(const QDomElement &element)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("position")) {
            setTranslation(Vector3D(child));
        } else if (child.tagName() == QLatin1String("orientation")) {
            Quaternion rotation(child);
            const double length = std::sqrt(rotation.x * rotation.x + rotation.y * rotation.y
                                            + rotation.z * rotation.z + rotation.w * rotation.w);
            if (length > 1e-6) {
                rotation.normalize();
                setRotation(rotation);
            }
        }
    }
}
