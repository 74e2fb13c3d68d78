#include "view3d/manipulatedcamerasystem3d.h"

#include "view3d/camera.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

ManipulatedCameraSystem3D::ManipulatedCameraSystem3D()
{
    removeFromPool();
}

void ManipulatedCameraSystem3D::spin()
{
    rotateAboutPoint(m_spinningQuaternion, m_revolveAroundPoint);
}

void ManipulatedCameraSystem3D::mouseMoveEvent(QMouseEvent *event, const Camera *camera)
{
    const QPoint pos = event->pos();
    switch (action()) {
    case Global::MOUSE_NONE:
        return;
    case Global::MOUSE_TRANSLATE:
    case Global::MOUSE_SLIDE: {
        const double depth = localFromWorld(m_revolveAroundPoint).z;
        const Vector3D t = pixelsToCamera(m_previousPosition.x() - pos.x(),
                                          pos.y() - m_previousPosition.y(), depth, camera);
        const Vector3D step = worldDirection(double(translationSensitivity()) * t);
        translate(step);
        // A pan carries the pivot along; a slide leaves it where it is.
        if (action() == Global::MOUSE_TRANSLATE)
            m_revolveAroundPoint += step;
        break;
    }
    case Global::MOUSE_ZOOM:
        // Only the wheel zooms the camera.
        break;
    case Global::MOUSE_TWIST: {
        // The camera rolls by the pointer's turn about the pivot's pixel.
        const Vector3D center = camera->projectedCoordinatesOf(m_revolveAroundPoint);
        setSpinningQuaternion(Quaternion(Vector3D(0.0, 0.0, 1.0), -float(pointerTurn(pos, center))));
        spin();
        break;
    }
    case Global::MOUSE_ROTATE: {
        // A turntable: sideways drags turn about the world's vertical, others about the
        // camera's own horizontal axis.
        const double ex = m_previousPosition.x() - pos.x();
        const double ey = m_previousPosition.y() - pos.y();
        const double degree = M_PI / 180.0 * double(rotationSensitivity());
        if (std::fabs(ex) > std::fabs(ey))
            setSpinningQuaternion(Quaternion(localDirection(Vector3D(0.0, 1.0, 0.0)), ex * degree));
        else
            setSpinningQuaternion(Quaternion(Vector3D(1.0, 0.0, 0.0), ey * degree));
        spin();
        break;
    }
    }
    m_previousPosition = pos;
    emit manipulated();
}

void ManipulatedCameraSystem3D::wheelEvent(QWheelEvent *event, const Camera *camera)
{
    if (action() == Global::MOUSE_ZOOM) {
        // The step grows with the distance to the pivot, but never falls below a fifth of the
        // scene, so the camera can still move once it stands on the pivot.
        const float pivotDepth = float(std::fabs(localFromWorld(m_revolveAroundPoint).z));
        const float reach = std::max(0.2f * camera->sceneRadius(), pivotDepth);
        const float step = wheelSensitivity() * float(event->angleDelta().y()) * reach * 0.0004f;
        translate(worldDirection(Vector3D(0.0, 0.0, double(step))));
        emit manipulated();
    }
    endAction();
}
