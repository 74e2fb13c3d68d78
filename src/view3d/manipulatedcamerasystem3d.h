#pragma once

#include "view3d/manipulatedsystem3d.h"

// The camera's own frame. The same drags move the camera instead of the scene, so they go the
// other way, and turns orbit the camera about its pivot (the revolve-around point, in world
// coordinates). It never grabs the mouse by hovering: it leaves the grabber pool at once.
class ManipulatedCameraSystem3D : public ManipulatedSystem3D
{
    Q_OBJECT

public:
    ManipulatedCameraSystem3D();

    Vector3D revolveAroundPoint() const { return m_revolveAroundPoint; }
    // A plain store; the camera keeps its orthographic scale in Camera::setRevolveAroundPoint.
    void setRevolveAroundPoint(const Vector3D &point) { m_revolveAroundPoint = point; }

    void mouseMoveEvent(QMouseEvent *event, const Camera *camera) override;
    void wheelEvent(QWheelEvent *event, const Camera *camera) override;

protected slots:
    // Orbits about the pivot.
    void spin() override;

private:
    Vector3D m_revolveAroundPoint;
};
