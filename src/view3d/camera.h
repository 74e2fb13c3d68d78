#pragma once

#include "view3d/matrix4.h"
#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QDomDocument>
#include <QDomElement>
#include <QObject>
#include <QPoint>
#include <QSizeF>

#include <cmath>

class ManipulatedCameraSystem3D;
class System3D;

// How the 3D window looks at the scene: the eye is the camera's frame (looking along its -Z,
// +Y up on screen), the projection perspective or orthographic, and a scene sphere (centre and
// radius) from which the clipping planes follow. Converts between world points and window
// pixels (y downwards) with the matrices as last computed, which the renderer refreshes every
// frame, so picks match what is on screen.
class Camera : public QObject
{
    Q_OBJECT

public:
    enum Type { PERSPECTIVE = 0, ORTHOGRAPHIC = 1 };

    explicit Camera(QObject *parent = nullptr);
    // A camera that sees exactly what other sees, with a frame of its own (no reference).
    Camera(const Camera &other);
    Camera &operator=(const Camera &) = delete;
    ~Camera() override;

    ManipulatedCameraSystem3D *frame() const { return m_frame; }
    int screenWidth() const { return m_screenWidth; }
    int screenHeight() const { return m_screenHeight; }
    float aspectRatio() const { return float(m_screenWidth) / float(m_screenHeight); }
    float fieldOfView() const { return m_fieldOfView; }
    float horizontalFieldOfView() const;
    Vector3D sceneCenter() const { return m_sceneCenter; }
    float sceneRadius() const { return m_sceneRadius; }
    float zNearCoefficient() const { return m_zNearCoefficient; }
    float zClippingCoefficient() const { return m_zClippingCoefficient; }
    float orthoCoefficient() const { return m_orthoCoefficient; }
    Type type() const { return m_type; }

    Vector3D position() const;
    Quaternion orientation() const;
    Vector3D viewDirection() const;
    Vector3D revolveAroundPoint() const;
    // Depth of the scene centre in front of the eye.
    double distanceToSceneCenter() const;
    // Half width and half height of what an orthographic camera shows at its pivot.
    QSizeF orthoHalfSize() const;
    // The clipping planes' distances in front of the eye, in double precision: far from the
    // scene, single precision would round both to one value. zFar() is always beyond zNear().
    virtual double zNear() const;
    virtual double zFar() const;

    // For printing the plan at a fixed scale: an orthographic camera (others ignore it) moves so
    // that its picture is scale * height world units high, its pivot on the ground below it.
    void setOrthoScale(double scale, int width, int height);

    // Recompute the matrices from the present state; the Into forms also copy them out.
    void computeModelViewMatrix();
    void computeProjectionMatrix();
    void modelViewMatrixInto(double m[16]);
    void projectionMatrixInto(double m[16]);
    const Matrix4 &modelViewMatrix() const { return m_modelViewMatrix; }
    const Matrix4 &projectionMatrix() const { return m_projectionMatrix; }

    // Window pixels (x, y from the top left) and depth (0 near to 1 far) of a point given in
    // frame's coordinates, or in the world without a frame; (0, 0, 0) for a point in the eye's
    // plane.
    Vector3D projectedCoordinatesOf(const Vector3D &point, const System3D *frame = nullptr) const;
    // The inverse: the point, in frame's coordinates or the world, drawn at pixel (x, y) with
    // depth z; (0, 0, 0) when the matrices can not be inverted.
    Vector3D unprojectedCoordinatesOf(const Vector3D &pixel, const System3D *frame = nullptr) const;
    // The world point drawn at a pixel, from the depth buffer of the current OpenGL context
    // (found is false on the background). Without a current context: (0, 0, 0) and found is left.
    Vector3D pointUnderPixel(const QPoint &pixel, bool &found) const;

    // An element of the given name with "Parameter" (coefficients, radius, type and a child
    // "sceneCenter") and "ManipulatedCameraFrame".
    virtual QDomElement toDomElement(const QString &name, QDomDocument &document) const;
    // Reads such an element. An orthographic camera takes its orthographic coefficient from the
    // field of view again. Values that would break the view (not finite, not positive, a field
    // of view of pi or more) keep the present ones; so do a scene centre, position or
    // orientation with a value that is not a finite number.
    virtual void fromDomElement(const QDomElement &element);

public slots:
    void setPosition(const Vector3D &pos);
    void setOrientation(const Quaternion &q);
    // Turns the camera so that up is up on screen; unless noMove, about the pivot.
    void setUpVector(const Vector3D &up, bool noMove = true);
    void setViewDirection(const Vector3D &direction);
    void lookAt(const Vector3D &target);
    void showEntireScene();
    void centerScene();
    void fitSphere(const Vector3D &center, double radius);
    void fitBoundingBox(const Vector3D &min, const Vector3D &max);
    void setType(Camera::Type type);
    void setFieldOfView(float fov) { m_fieldOfView = fov; }
    void setHorizontalFieldOfView(float hfov);
    void setFOVToFitScene();
    void setScreenWidthAndHeight(int width, int height);
    void setZNearCoefficient(float coef) { m_zNearCoefficient = coef; }
    void setZClippingCoefficient(float coef) { m_zClippingCoefficient = coef; }
    void setSceneRadius(float radius);
    void setSceneCenter(const Vector3D &center);
    void setSceneBoundingBox(const Vector3D &min, const Vector3D &max);
    // Moves the pivot; an orthographic picture keeps its scale.
    void setRevolveAroundPoint(const Vector3D &rap);
    // The camera takes over a frame (null is ignored) and deletes the one it held.
    void setSystem(ManipulatedCameraSystem3D *system);

private:
    ManipulatedCameraSystem3D *m_frame = nullptr;
    int m_screenWidth = 600;
    int m_screenHeight = 400;
    float m_fieldOfView = float(M_PI / 4.0);
    Vector3D m_sceneCenter;
    float m_sceneRadius = 1.0f;
    float m_zNearCoefficient = 1e-5f;
    float m_zClippingCoefficient = float(std::sqrt(3.0));
    float m_orthoCoefficient = 0.0f;
    Type m_type = PERSPECTIVE;
    Matrix4 m_modelViewMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    Matrix4 m_projectionMatrix = {};
};

// The camera's projection cut down to one tile of a picture larger than the window: tiles of
// tileSize pixels across (and tileSize / aspect down), counted from the bottom left, over a
// window of the given size. One tile as large as the window gives the camera's own projection.
void tileProjectionMatrix(double out[16], int tileSize, int row, int column, const Camera &camera,
                          int windowWidth, int windowHeight);
