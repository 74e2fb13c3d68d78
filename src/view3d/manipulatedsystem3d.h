#pragma once

#include "foundation/global.h"
#include "view3d/mousegrabber.h"
#include "view3d/system3d.h"

#include <QPoint>

// A frame the user moves with the mouse in the 3D window, seen through the window's camera:
// drags translate, zoom (along the viewing axis), twist (about it) or rotate it, the wheel
// zooms. The window chooses the action (beginAction) at a press; the release ends it.
class ManipulatedSystem3D : public System3D, public MouseGrabber
{
    Q_OBJECT

public:
    ManipulatedSystem3D();
    // The frame and the three sensitivities; the rest starts afresh.
    ManipulatedSystem3D(const ManipulatedSystem3D &other);

    float rotationSensitivity() const { return m_rotationSensitivity; }
    float translationSensitivity() const { return m_translationSensitivity; }
    float wheelSensitivity() const { return m_wheelSensitivity; }
    Quaternion spinningQuaternion() const { return m_spinningQuaternion; }

    Global::MouseAction action() const { return m_action; }
    bool isManipulated() const { return m_action != Global::MOUSE_NONE; }
    // Starts an action; without constraint, the constraint is lifted until the action ends.
    virtual void beginAction(Global::MouseAction action, bool withConstraint);

    // Grabs while within 10 pixels of the frame's projected origin in x and y, and from a press
    // over it until the release.
    void checkGrab(int x, int y, const Camera *camera) override;
    void mousePressEvent(QMouseEvent *event, const Camera *camera) override;
    // Without modifiers: the left button aligns the frame with the camera's axes, the right one
    // moves it onto the viewing axis.
    void mouseDoubleClickEvent(QMouseEvent *event, const Camera *camera) override;
    void mouseReleaseEvent(QMouseEvent *event, const Camera *camera) override;
    void mouseMoveEvent(QMouseEvent *event, const Camera *camera) override;
    void wheelEvent(QWheelEvent *event, const Camera *camera) override;

    // The frame's element plus a child "ManipulatedParameter" with the sensitivities.
    QDomElement toDomElement(const QString &name, QDomDocument &document) const override;
    void fromDomElement(const QDomElement &element) override;

public slots:
    void setRotationSensitivity(float sensitivity) { m_rotationSensitivity = sensitivity; }
    void setTranslationSensitivity(float sensitivity) { m_translationSensitivity = sensitivity; }
    void setWheelSensitivity(float sensitivity) { m_wheelSensitivity = sensitivity; }
    void setSpinningQuaternion(const Quaternion &spinningQuaternion);
    // Applies the spinning quaternion once.
    virtual void spin();

signals:
    // A mouse action changed the frame; the window redraws.
    void manipulated();

protected:
    // A drag of (dx, dy) pixels as a translation in camera coordinates, scaled so that a point
    // at the given depth in front of the camera follows the pointer.
    static Vector3D pixelsToCamera(double dx, double dy, double depth, const Camera *camera);
    // The angle the pointer turned about the pixel centre since the previous position.
    double pointerTurn(const QPoint &pos, const Vector3D &center) const;
    // A step in camera coordinates in those of this frame's reference (the world without one).
    Vector3D cameraToReference(const Vector3D &step, const Camera *camera) const;
    // The virtual trackball turn from the previous to the present pointer position about the
    // pixel (cx, cy).
    Quaternion ballRotation(int x, int y, double cx, double cy, const Camera *camera) const;
    // Ends the action: the lifted constraint comes back.
    void endAction();

    QPoint m_previousPosition;
    QPoint m_pressPosition;
    Quaternion m_spinningQuaternion;

private:
    Global::MouseAction m_action = Global::MOUSE_NONE;
    Constraint *m_previousConstraint = nullptr;
    float m_rotationSensitivity = 0.2f;
    float m_translationSensitivity = 0.5f;
    float m_wheelSensitivity = 0.2f;
    bool m_keepsGrabbing = false;
};
