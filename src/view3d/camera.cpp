#include "view3d/camera.h"

#include "view3d/domnumbers.h"
#include "view3d/manipulatedcamerasystem3d.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <cmath>

namespace {

bool usable(float value)
{
    return std::isfinite(value) && value > 0.0f;
}

// Whether the element has every named attribute, each a finite number.
bool finiteAttributes(const QDomElement &element, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        bool ok = false;
        const float value = element.attribute(QLatin1String(name)).toFloat(&ok);
        if (!ok || !std::isfinite(value))
            return false;
    }
    return true;
}

} // namespace

Camera::Camera(QObject *parent)
    : QObject(parent)
    , m_frame(new ManipulatedCameraSystem3D)
    , m_orthoCoefficient(std::tan(m_fieldOfView / 2.0f))
{
    m_frame->setRevolveAroundPoint(m_sceneCenter);
    computeProjectionMatrix();
}

Camera::Camera(const Camera &other)
    : QObject()
    , m_frame(new ManipulatedCameraSystem3D)
    , m_screenWidth(std::max(1, other.m_screenWidth))
    , m_screenHeight(std::max(1, other.m_screenHeight))
    , m_fieldOfView(other.m_fieldOfView)
    , m_sceneCenter(other.m_sceneCenter)
    , m_sceneRadius(other.m_sceneRadius > 0.0f ? other.m_sceneRadius : 1.0f)
    , m_zNearCoefficient(other.m_zNearCoefficient)
    , m_zClippingCoefficient(other.m_zClippingCoefficient)
    , m_orthoCoefficient(other.m_orthoCoefficient)
    , m_type(other.m_type)
{
    m_frame->setPosition(other.position());
    m_frame->setOrientation(other.orientation());
    m_frame->setRevolveAroundPoint(other.revolveAroundPoint());
    computeModelViewMatrix();
    computeProjectionMatrix();
}

Camera::~Camera()
{
    delete m_frame;
}

float Camera::horizontalFieldOfView() const
{
    return 2.0f * std::atan(std::tan(m_fieldOfView / 2.0f) * aspectRatio());
}

Vector3D Camera::position() const
{
    return m_frame->position();
}

Quaternion Camera::orientation() const
{
    return m_frame->orientation();
}

Vector3D Camera::viewDirection() const
{
    return m_frame->worldDirection(Vector3D(0.0, 0.0, -1.0));
}

Vector3D Camera::revolveAroundPoint() const
{
    return m_frame->revolveAroundPoint();
}

double Camera::distanceToSceneCenter() const
{
    return std::fabs(m_frame->localFromWorld(m_sceneCenter).z);
}

QSizeF Camera::orthoHalfSize() const
{
    const float half = float(std::fabs(m_frame->localFromWorld(revolveAroundPoint()).z))
                       * m_orthoCoefficient;
    const float aspect = aspectRatio();
    return QSizeF(half * std::max(1.0f, aspect), half * (aspect < 1.0f ? 1.0f / aspect : 1.0f));
}

double Camera::zNear() const
{
    const double reach = double(m_zClippingCoefficient) * double(m_sceneRadius);
    double z = distanceToSceneCenter() - reach;
    const double zMin = double(m_zNearCoefficient) * reach;
    if (z < zMin)
        z = m_type == PERSPECTIVE ? zMin : 0.0;
    return z;
}

double Camera::zFar() const
{
    const double z = distanceToSceneCenter() + double(m_zClippingCoefficient) * double(m_sceneRadius);
    // Even double precision runs out at some distance; planes that meet make no projection.
    return std::max(z, std::nextafter(zNear(), HUGE_VAL));
}

void Camera::setOrthoScale(double scale, int width, int height)
{
    if (m_type != ORTHOGRAPHIC || width < 1 || height < 1)
        return;
    const double depth = scale * height * std::min(1.0, double(width) / height)
                         / (2.0 * double(m_orthoCoefficient));
    Vector3D pivot = m_frame->localFromWorld(revolveAroundPoint());
    pivot.z = -depth;
    Vector3D eye = position();
    eye.y = depth;
    m_frame->setPosition(eye);
    // The pivot is set directly: the picture's scale is what is being set here, so it must not
    // be rescaled from the pivot's former depth.
    m_frame->setRevolveAroundPoint(m_frame->worldFromLocal(pivot));
}

void Camera::computeModelViewMatrix()
{
    const Quaternion q = orientation();
    double rotation[16];
    q.fillMatrix(rotation);
    Matrix4 &m = m_modelViewMatrix;
    // The inverse rotation is the transposed one.
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row)
            m[column * 4 + row] = rotation[row * 4 + column];
        m[column * 4 + 3] = 0.0;
    }
    const Vector3D t = -q.rotateBack(position());
    m[12] = t.x;
    m[13] = t.y;
    m[14] = t.z;
    m[15] = 1.0;
}

void Camera::computeProjectionMatrix()
{
    Matrix4 &m = m_projectionMatrix;
    m.fill(0.0);
    const double nearPlane = zNear();
    const double farPlane = zFar();
    if (m_type == PERSPECTIVE) {
        const double f = 1.0 / std::tan(double(m_fieldOfView) / 2.0);
        m[0] = f / double(aspectRatio());
        m[5] = f;
        m[10] = (nearPlane + farPlane) / (nearPlane - farPlane);
        m[11] = -1.0;
        m[14] = 2.0 * nearPlane * farPlane / (nearPlane - farPlane);
    } else {
        const QSizeF half = orthoHalfSize();
        m[0] = 1.0 / half.width();
        m[5] = 1.0 / half.height();
        m[10] = -2.0 / (farPlane - nearPlane);
        m[14] = -(farPlane + nearPlane) / (farPlane - nearPlane);
        m[15] = 1.0;
    }
}

void Camera::modelViewMatrixInto(double m[16])
{
    computeModelViewMatrix();
    std::copy(m_modelViewMatrix.begin(), m_modelViewMatrix.end(), m);
}

void Camera::projectionMatrixInto(double m[16])
{
    computeProjectionMatrix();
    std::copy(m_projectionMatrix.begin(), m_projectionMatrix.end(), m);
}

Vector3D Camera::projectedCoordinatesOf(const Vector3D &point, const System3D *frame) const
{
    const Vector3D world = frame ? frame->worldFromLocal(point) : point;
    double combined[16];
    multiplyMatrices(m_modelViewMatrix.data(), m_projectionMatrix.data(), combined);
    const double in[4] = {world.x, world.y, world.z, 1.0};
    double out[4];
    transformVector(combined, in, out);
    if (std::fabs(out[3]) <= 1e-12)
        return Vector3D();
    return Vector3D(m_screenWidth * (out[0] / out[3] * 0.5 + 0.5),
                    m_screenHeight - m_screenHeight * (out[1] / out[3] * 0.5 + 0.5),
                    out[2] / out[3] * 0.5 + 0.5);
}

Vector3D Camera::unprojectedCoordinatesOf(const Vector3D &pixel, const System3D *frame) const
{
    double combined[16];
    multiplyMatrices(m_modelViewMatrix.data(), m_projectionMatrix.data(), combined);
    double inverse[16];
    if (!invertMatrix(combined, inverse))
        return Vector3D();
    const double in[4] = {2.0 * pixel.x / m_screenWidth - 1.0,
                          2.0 * (pixel.y - m_screenHeight) / -m_screenHeight - 1.0,
                          2.0 * pixel.z - 1.0, 1.0};
    double out[4];
    transformVector(inverse, in, out);
    if (out[3] == 0.0)
        return Vector3D();
    const Vector3D world(out[0] / out[3], out[1] / out[3], out[2] / out[3]);
    return frame ? frame->localFromWorld(world) : world;
}

Vector3D Camera::pointUnderPixel(const QPoint &pixel, bool &found) const
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context)
        return Vector3D();
    float depth = 1.0f;
    context->functions()->glReadPixels(pixel.x(), m_screenHeight - pixel.y() - 1, 1, 1,
                                       GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    found = depth < 1.0f;
    return unprojectedCoordinatesOf(Vector3D(pixel.x(), pixel.y(), depth));
}

QDomElement Camera::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = document.createElement(name);
    QDomElement parameters = document.createElement(QStringLiteral("Parameter"));
    setFloatAttribute(parameters, QStringLiteral("fov"), m_fieldOfView);
    setFloatAttribute(parameters, QStringLiteral("zNear"), m_zNearCoefficient);
    setFloatAttribute(parameters, QStringLiteral("zClipping"), m_zClippingCoefficient);
    setFloatAttribute(parameters, QStringLiteral("ortho"), m_orthoCoefficient);
    setFloatAttribute(parameters, QStringLiteral("sceneRadius"), m_sceneRadius);
    parameters.setAttribute(QStringLiteral("Type"), m_type == ORTHOGRAPHIC
                                                        ? QStringLiteral("ORTHOGRAPHIC")
                                                        : QStringLiteral("PERSPECTIVE"));
    parameters.appendChild(m_sceneCenter.toDomElement(QStringLiteral("sceneCenter"), document));
    element.appendChild(parameters);
    element.appendChild(m_frame->toDomElement(QStringLiteral("ManipulatedCameraFrame"), document));
    return element;
}

void Camera::fromDomElement(const QDomElement &element)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("Parameter")) {
            const float fov = floatAttribute(child, QStringLiteral("fov"));
            if (usable(fov) && fov < float(M_PI))
                m_fieldOfView = fov;
            const float zNearCoefficient = floatAttribute(child, QStringLiteral("zNear"));
            if (usable(zNearCoefficient))
                m_zNearCoefficient = zNearCoefficient;
            const float zClippingCoefficient = floatAttribute(child, QStringLiteral("zClipping"));
            if (usable(zClippingCoefficient))
                m_zClippingCoefficient = zClippingCoefficient;
            const float orthoCoefficient = floatAttribute(child, QStringLiteral("ortho"));
            if (usable(orthoCoefficient))
                m_orthoCoefficient = orthoCoefficient;
            setSceneRadius(floatAttribute(child, QStringLiteral("sceneRadius")));

            m_type = PERSPECTIVE;
            if (child.attribute(QStringLiteral("Type")) == QLatin1String("ORTHOGRAPHIC")) {
                m_orthoCoefficient = std::tan(m_fieldOfView / 2.0f);
                m_type = ORTHOGRAPHIC;
            }
            for (QDomElement center = child.firstChildElement(QStringLiteral("sceneCenter"));
                 !center.isNull(); center = center.nextSiblingElement(QStringLiteral("sceneCenter"))) {
                if (finiteAttributes(center, {"x", "y", "z"}))
                    setSceneCenter(Vector3D(center));
            }
        } else if (child.tagName() == QLatin1String("ManipulatedCameraFrame")) {
            // The frame's reader takes an unreadable number for 0, which moves the eye somewhere
            // arbitrary; the camera keeps where it stands and how it looks instead.
            const Vector3D translation = m_frame->translation();
            const Quaternion rotation = m_frame->rotation();
            m_frame->fromDomElement(child);
            const QDomElement position = child.lastChildElement(QStringLiteral("position"));
            if (!position.isNull() && !finiteAttributes(position, {"x", "y", "z"}))
                m_frame->setTranslation(translation);
            const QDomElement orientation = child.lastChildElement(QStringLiteral("orientation"));
            if (!orientation.isNull() && !finiteAttributes(orientation, {"x", "y", "z", "w"}))
                m_frame->setRotation(rotation);
        }
    }
}

void Camera::setPosition(const Vector3D &pos)
{
    m_frame->setPosition(pos);
}

void Camera::setOrientation(const Quaternion &q)
{
    m_frame->setOrientation(q);
}

void Camera::setUpVector(const Vector3D &up, bool noMove)
{
    const Quaternion q(Vector3D(0.0, 1.0, 0.0), m_frame->localDirection(up));
    if (!noMove) {
        const Vector3D pivot = revolveAroundPoint();
        m_frame->setPosition(pivot - (m_frame->orientation() * q).rotate(m_frame->localFromWorld(pivot)));
    }
    m_frame->rotate(q);
}

void Camera::setViewDirection(const Vector3D &direction)
{
    if (direction.normSquared() < 1e-10)
        return;
    Vector3D xAxis = cross(direction, m_frame->worldDirection(Vector3D(0.0, 1.0, 0.0)));
    if (xAxis.normSquared() < 1e-10)
        xAxis = m_frame->worldDirection(Vector3D(1.0, 0.0, 0.0));
    Quaternion q;
    q.setFromAxes(xAxis, cross(xAxis, direction), -direction);
    m_frame->setOrientationConstrained(q);
}

void Camera::lookAt(const Vector3D &target)
{
    setViewDirection(target - position());
}

void Camera::showEntireScene()
{
    fitSphere(m_sceneCenter, m_sceneRadius);
}

void Camera::centerScene()
{
    m_frame->moveOntoLine(m_sceneCenter, viewDirection());
}

void Camera::fitSphere(const Vector3D &center, double radius)
{
    double distance = 0.0;
    if (m_type == PERSPECTIVE) {
        const double vertical = radius / std::sin(double(m_fieldOfView) / 2.0);
        const double horizontal = radius / std::sin(double(horizontalFieldOfView()) / 2.0);
        distance = std::max(vertical, horizontal);
    } else {
        distance = dot(center - revolveAroundPoint(), viewDirection())
                   + radius / double(m_orthoCoefficient);
    }
    m_frame->setPositionConstrained(center - distance * viewDirection());
}

void Camera::fitBoundingBox(const Vector3D &min, const Vector3D &max)
{
    const float diameter = float(std::max({std::fabs(max.x - min.x), std::fabs(max.y - min.y),
                                           std::fabs(max.z - min.z)}));
    fitSphere(0.5 * (min + max), 0.5f * diameter);
}

void Camera::setType(Camera::Type type)
{
    // The orthographic picture starts as large as the perspective one at the pivot.
    if (m_type == PERSPECTIVE && type == ORTHOGRAPHIC)
        m_orthoCoefficient = std::tan(m_fieldOfView / 2.0f);
    m_type = type;
}

void Camera::setHorizontalFieldOfView(float hfov)
{
    m_fieldOfView = 2.0f * std::atan(std::tan(hfov * 0.5f) / aspectRatio());
}

void Camera::setFOVToFitScene()
{
    const double distance = distanceToSceneCenter();
    if (distance > std::sqrt(2.0) * m_sceneRadius)
        m_fieldOfView = float(2.0 * std::asin(m_sceneRadius / distance));
    else
        m_fieldOfView = float(M_PI / 2.0);
}

void Camera::setScreenWidthAndHeight(int width, int height)
{
    m_screenWidth = std::max(1, width);
    m_screenHeight = std::max(1, height);
}

void Camera::setSceneRadius(float radius)
{
    if (usable(radius))
        m_sceneRadius = radius;
}

void Camera::setSceneCenter(const Vector3D &center)
{
    m_sceneCenter = center;
    setRevolveAroundPoint(center);
}

void Camera::setSceneBoundingBox(const Vector3D &min, const Vector3D &max)
{
    setSceneCenter(0.5 * (min + max));
    setSceneRadius(float(0.5 * (max - min).norm()));
}

void Camera::setRevolveAroundPoint(const Vector3D &rap)
{
    const double before = std::fabs(m_frame->localFromWorld(revolveAroundPoint()).z);
    m_frame->setRevolveAroundPoint(rap);
    const double after = std::fabs(m_frame->localFromWorld(rap).z);
    if (before > 1e-9 && after > 1e-9)
        m_orthoCoefficient = float(m_orthoCoefficient * before / after);
}

void Camera::setSystem(ManipulatedCameraSystem3D *system)
{
    if (!system || system == m_frame)
        return;
    delete m_frame;
    m_frame = system;
}

void tileProjectionMatrix(double out[16], int tileSize, int row, int column, const Camera &camera,
                          int windowWidth, int windowHeight)
{
    const float aspect = float(windowWidth) / float(std::max(1, windowHeight));
    const double tileWidth = tileSize;
    const double tileHeight = std::round(double(float(tileSize) / aspect));
    const double width = windowWidth;
    const double height = double(float(windowWidth) / aspect);
    const double nearPlane = camera.zNear();
    const double farPlane = camera.zFar();

    double halfWidth = 0.0;
    double halfHeight = 0.0;
    if (camera.type() == Camera::ORTHOGRAPHIC) {
        const QSizeF half = camera.orthoHalfSize();
        halfWidth = half.width();
        halfHeight = half.height();
    } else {
        halfHeight = std::tan(double(camera.fieldOfView()) / 2.0) * nearPlane;
        halfWidth = halfHeight * double(camera.aspectRatio());
    }
    const double left = -halfWidth + column * tileWidth * 2.0 * halfWidth / width;
    const double right = left + tileWidth * 2.0 * halfWidth / width;
    const double bottom = -halfHeight + row * tileHeight * 2.0 * halfHeight / height;
    const double top = bottom + tileHeight * 2.0 * halfHeight / height;

    std::fill(out, out + 16, 0.0);
    if (camera.type() == Camera::ORTHOGRAPHIC) {
        out[0] = 2.0 / (right - left);
        out[5] = 2.0 / (top - bottom);
        out[10] = -2.0 / (farPlane - nearPlane);
        out[12] = -(right + left) / (right - left);
        out[13] = -(top + bottom) / (top - bottom);
        out[14] = -(farPlane + nearPlane) / (farPlane - nearPlane);
        out[15] = 1.0;
    } else {
        out[0] = 2.0 * nearPlane / (right - left);
        out[5] = 2.0 * nearPlane / (top - bottom);
        out[8] = (right + left) / (right - left);
        out[9] = (top + bottom) / (top - bottom);
        out[10] = -(farPlane + nearPlane) / (farPlane - nearPlane);
        out[11] = -1.0;
        out[14] = -2.0 * farPlane * nearPlane / (farPlane - nearPlane);
    }
}
