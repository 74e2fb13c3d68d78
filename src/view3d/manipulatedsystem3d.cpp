#include "view3d/manipulatedsystem3d.h"

#include "view3d/camera.h"
#include "view3d/domnumbers.h"
#include "view3d/manipulatedcamerasystem3d.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

ManipulatedSystem3D::ManipulatedSystem3D() = default;

ManipulatedSystem3D::ManipulatedSystem3D(const ManipulatedSystem3D &other)
    : System3D(other)
    , MouseGrabber()
    , m_rotationSensitivity(other.m_rotationSensitivity)
    , m_translationSensitivity(other.m_translationSensitivity)
    , m_wheelSensitivity(other.m_wheelSensitivity)
{
}

void ManipulatedSystem3D::beginAction(Global::MouseAction action, bool withConstraint)
{
    m_action = action;
    if (withConstraint) {
        m_previousConstraint = nullptr;
    } else {
        m_previousConstraint = constraint();
        setConstraint(nullptr);
    }
}

void ManipulatedSystem3D::endAction()
{
    if (m_previousConstraint) {
        setConstraint(m_previousConstraint);
        m_previousConstraint = nullptr;
    }
    m_action = Global::MOUSE_NONE;
}

void ManipulatedSystem3D::setSpinningQuaternion(const Quaternion &spinningQuaternion)
{
    m_spinningQuaternion = spinningQuaternion;
}

void ManipulatedSystem3D::spin()
{
    rotate(m_spinningQuaternion);
}

void ManipulatedSystem3D::checkGrab(int x, int y, const Camera *camera)
{
    const Vector3D projected = camera->projectedCoordinatesOf(position());
    setGrabbing(m_keepsGrabbing
                || (std::fabs(x - projected.x) < 10.0 && std::fabs(y - projected.y) < 10.0));
}

void ManipulatedSystem3D::mousePressEvent(QMouseEvent *event, const Camera *)
{
    if (isGrabbing())
        m_keepsGrabbing = true;
    m_previousPosition = event->pos();
    m_pressPosition = event->pos();
}

void ManipulatedSystem3D::mouseDoubleClickEvent(QMouseEvent *event, const Camera *camera)
{
    if (event->modifiers() != Qt::NoModifier)
        return;
    if (event->button() == Qt::LeftButton)
        alignWith(camera->frame(), false, 0.85f);
    else if (event->button() == Qt::RightButton)
        moveOntoLine(camera->position(), camera->viewDirection());
    emit manipulated();
}

void ManipulatedSystem3D::mouseReleaseEvent(QMouseEvent *, const Camera *)
{
    m_keepsGrabbing = false;
    endAction();
}

Vector3D ManipulatedSystem3D::pixelsToCamera(double dx, double dy, double depth,
                                             const Camera *camera)
{
    Vector3D t(dx, dy, 0.0);
    if (camera->type() == Camera::PERSPECTIVE) {
        t *= 2.0 * std::tan(double(camera->fieldOfView()) / 2.0) * std::fabs(depth)
             / camera->screenHeight();
    } else {
        const QSizeF half = camera->orthoHalfSize();
        t.x *= 2.0 * half.width() / camera->screenWidth();
        t.y *= 2.0 * half.height() / camera->screenHeight();
    }
    return t;
}

double ManipulatedSystem3D::pointerTurn(const QPoint &pos, const Vector3D &center) const
{
    const double before = std::atan2(m_previousPosition.y() - center.y,
                                     m_previousPosition.x() - center.x);
    return std::atan2(pos.y() - center.y, pos.x() - center.x) - before;
}

Vector3D ManipulatedSystem3D::cameraToReference(const Vector3D &step, const Camera *camera) const
{
    // The translation this step is added to is given in the reference's coordinates.
    const Vector3D inWorld = camera->frame()->orientation().rotate(step);
    return referenceSystem() ? referenceSystem()->localDirection(inWorld) : inWorld;
}

void ManipulatedSystem3D::mouseMoveEvent(QMouseEvent *event, const Camera *camera)
{
    const QPoint pos = event->pos();
    const ManipulatedCameraSystem3D *view = camera->frame();

    switch (m_action) {
    case Global::MOUSE_NONE:
        return;
    case Global::MOUSE_TRANSLATE:
    case Global::MOUSE_SLIDE: {
        const double depth = view->localFromWorld(position()).z;
        const Vector3D t = pixelsToCamera(pos.x() - m_previousPosition.x(),
                                          m_previousPosition.y() - pos.y(), depth, camera);
        translate(cameraToReference(double(m_translationSensitivity) * t, camera));
        break;
    }
    case Global::MOUSE_ZOOM: {
        const double distance = (camera->position() - position()).norm();
        const Vector3D t(0.0, 0.0,
                         distance * (pos.y() - m_previousPosition.y()) / camera->screenHeight());
        translate(cameraToReference(t, camera));
        break;
    }
    case Global::MOUSE_TWIST: {
        const Vector3D center = camera->projectedCoordinatesOf(position());
        const Vector3D axis = localDirection(view->worldDirection(Vector3D(0.0, 0.0, -1.0)));
        setSpinningQuaternion(Quaternion(axis, pointerTurn(pos, center)));
        spin();
        break;
    }
    case Global::MOUSE_ROTATE: {
        const Vector3D center = camera->projectedCoordinatesOf(position());
        Quaternion turn = ballRotation(pos.x(), pos.y(), center.x, center.y, camera);
        // The trackball turns in camera coordinates; the frame composes in its own.
        const Vector3D axis = localDirection(
            view->orientation().rotate(Vector3D(-turn.x, -turn.y, -turn.z)));
        turn.x = axis.x;
        turn.y = axis.y;
        turn.z = axis.z;
        setSpinningQuaternion(turn);
        spin();
        break;
    }
    }
    m_previousPosition = pos;
    emit manipulated();
}

void ManipulatedSystem3D::wheelEvent(QWheelEvent *event, const Camera *camera)
{
    if (m_action == Global::MOUSE_ZOOM) {
        const float factor = -float(event->angleDelta().y()) * m_wheelSensitivity * 0.0008f;
        const double distance = (camera->position() - position()).norm();
        translate(cameraToReference(Vector3D(0.0, 0.0, distance * double(factor)), camera));
        emit manipulated();
    }
    endAction();
}

Quaternion ManipulatedSystem3D::ballRotation(int x, int y, double cx, double cy,
                                             const Camera *camera) const
{
    const float width = float(camera->screenWidth());
    const float height = float(camera->screenHeight());
    const float s = m_rotationSensitivity;
    const float px = s * (float(m_previousPosition.x()) - float(cx)) / width;
    const float py = s * (float(cy) - float(m_previousPosition.y())) / height;
    const float qx = s * (float(x) - float(cx)) / width;
    const float qy = s * (float(cy) - float(y)) / height;

    // A sphere near the centre, a hyperbolic sheet further out, so the turn stays smooth.
    auto ball = [](float a, float b) {
        const float d = a * a + b * b;
        return d < 0.5f ? std::sqrt(1.0f - d) : 0.5f / std::sqrt(d);
    };
    const Vector3D p1(px, py, ball(px, py));
    const Vector3D p2(qx, qy, ball(qx, qy));
    const Vector3D axis = cross(p2, p1);
    const float sine = float(std::sqrt(axis.normSquared() / p1.normSquared() / p2.normSquared()));
    const float angle = 2.0f * std::asin(std::min(sine, 1.0f));
    return Quaternion(axis, angle);
}

QDomElement ManipulatedSystem3D::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = System3D::toDomElement(name, document);
    QDomElement parameters = document.createElement(QStringLiteral("ManipulatedParameter"));
    setFloatAttribute(parameters, QStringLiteral("rotSens"), m_rotationSensitivity);
    setFloatAttribute(parameters, QStringLiteral("transSens"), m_translationSensitivity);
    setFloatAttribute(parameters, QStringLiteral("wheelSens"), m_wheelSensitivity);
    element.appendChild(parameters);
    return element;
}

void ManipulatedSystem3D::fromDomElement(const QDomElement &element)
{
    System3D::fromDomElement(element);
    for (QDomElement child = element.firstChildElement(QStringLiteral("ManipulatedParameter"));
         !child.isNull(); child = child.nextSiblingElement(QStringLiteral("ManipulatedParameter"))) {
        m_rotationSensitivity = floatAttribute(child, QStringLiteral("rotSens"));
        m_translationSensitivity = floatAttribute(child, QStringLiteral("transSens"));
        m_wheelSensitivity = floatAttribute(child, QStringLiteral("wheelSens"));
    }
}
