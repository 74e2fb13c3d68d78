#include "view3d/window3d.h"

#include "view3d/camera.h"
#include "view3d/constraint.h"
#include "view3d/manipulatedcamerasystem3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/mousegrabber.h"

#include <QCoreApplication>
#include <QDebug>
#include <QExposeEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <tuple>

namespace {

bool openGLInitialized = false;

constexpr int buttonMask = 0xff;

Qt::MouseButtons buttonsOf(int state)
{
    return Qt::MouseButtons(state & buttonMask);
}

Qt::KeyboardModifiers modifiersOf(int state)
{
    return Qt::KeyboardModifiers(state & int(Qt::KeyboardModifierMask));
}

int stateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    return (int(buttons) & buttonMask) | int(modifiers);
}

bool belongsTo(Global::ClickAction action, Global::MouseHandler handler)
{
    switch (action) {
    case Global::CLICK_CENTER_SCENE:
    case Global::CLICK_ALIGN_CAMERA:
        return handler == Global::HANDLER_CAMERA;
    case Global::CLICK_CENTER_SYSTEM:
    case Global::CLICK_ALIGN_SYSTEM:
        return handler == Global::HANDLER_SYSTEM;
    case Global::CLICK_NONE:
    case Global::CLICK_SELECT:
    case Global::CLICK_SHOW_SCENE:
        return false;
    }
    return false;
}

} // namespace

bool Window3D::ClickKey::operator<(const ClickKey &other) const
{
    return std::make_tuple(int(modifiers), int(button), doubleClick, int(buttonsBefore))
           < std::make_tuple(int(other.modifiers), int(other.button), other.doubleClick,
                             int(other.buttonsBefore));
}

Window3D::Window3D(QWindow *parent)
    : QWindow(parent)
{
    // Lets mouseGrabberChanged travel through queued connections.
    qRegisterMetaType<MouseGrabber *>();
    setSurfaceType(QWindow::OpenGLSurface);
    setFormat(QSurfaceFormat::defaultFormat());
    setCamera(new Camera(this));
    setDefaultBindings();
    setMouseGrabber(nullptr);
    m_camera->setSceneRadius(1.0f);
    m_camera->showEntireScene();
    connect(this, &Window3D::contextInit, this, &Window3D::initObjects);
}

Window3D::~Window3D()
{
    if (m_context && m_context->makeCurrent(this))
        deletePickingFramebuffer();
    // The camera outlives this destructor as a child object; it must not keep the constraint.
    if (m_topViewConstraint && m_camera->frame()->constraint() == m_topViewConstraint.get())
        m_camera->frame()->setConstraint(nullptr);
    delete m_paintDevice;
    // The cameras are child objects and go with the window.
}

void Window3D::setFormat(const QSurfaceFormat &format)
{
    QSurfaceFormat adjusted = format;
    adjusted.setRenderableType(QSurfaceFormat::OpenGL);
    adjusted.setProfile(QSurfaceFormat::CompatibilityProfile);
    adjusted.setDepthBufferSize(std::max(24, format.depthBufferSize()));
    adjusted.setStencilBufferSize(std::max(8, format.stencilBufferSize()));
    QWindow::setFormat(adjusted);
}

bool Window3D::isOpenGLInitialized()
{
    return openGLInitialized;
}

void Window3D::setDefaultBindings()
{
    const struct
    {
        Global::MouseHandler handler;
        Qt::KeyboardModifiers modifiers;
    } handlers[] = {{Global::HANDLER_CAMERA, Qt::NoModifier},
                    {Global::HANDLER_SYSTEM, Qt::ControlModifier}};
    for (const auto &h : handlers) {
        setMouseBinding(stateOf(Qt::LeftButton, h.modifiers), h.handler, Global::MOUSE_TRANSLATE);
        setMouseBinding(stateOf(Qt::RightButton, h.modifiers), h.handler, Global::MOUSE_ROTATE);
        setMouseBinding(stateOf(Qt::LeftButton | Qt::MiddleButton, h.modifiers), h.handler,
                        Global::MOUSE_TWIST);
        setWheelBinding(h.modifiers, h.handler, Global::MOUSE_ZOOM);
    }
    setMouseBinding(stateOf(Qt::LeftButton, Qt::ShiftModifier), Global::CLICK_SELECT);
    setMouseBinding(stateOf(Qt::LeftButton, Qt::NoModifier), Global::CLICK_ALIGN_CAMERA, true);
    setMouseBinding(stateOf(Qt::MiddleButton, Qt::NoModifier), Global::CLICK_SHOW_SCENE, true);
    setMouseBinding(stateOf(Qt::RightButton, Qt::NoModifier), Global::CLICK_CENTER_SCENE, true);
}

// ---- Render loop

void Window3D::renderLater()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest));
}

bool Window3D::event(QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest) {
        m_updatePending = false;
        renderNow();
        return true;
    }
    return QWindow::event(event);
}

void Window3D::exposeEvent(QExposeEvent *)
{
    if (isExposed())
        renderNow();
}

void Window3D::renderNow()
{
    if (!isExposed())
        return;

    bool first = false;
    if (!m_context) {
        m_context = new QOpenGLContext(this);
        m_context->setFormat(requestedFormat());
        if (!m_context->create()) {
            qWarning() << "Window3D: no OpenGL context could be created";
            delete m_context;
            m_context = nullptr;
            return;
        }
        first = true;
    }
    if (!m_context->makeCurrent(this))
        return;

    if (first) {
        openGLInitialized = true;
        initializeOpenGLFunctions();
        initGL();
        createPickingFramebuffer();
        emit contextInit();
    }
    render();
    m_context->swapBuffers(this);
}

void Window3D::render()
{
    if (!m_paintDevice)
        m_paintDevice = new QOpenGLPaintDevice;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    m_paintDevice->setSize(devicePixelSize());
    m_paintDevice->setDevicePixelRatio(devicePixelRatio());
    // Pixel conversions between frames (grabbing, picking) use what this frame shows.
    m_camera->computeModelViewMatrix();
    m_camera->computeProjectionMatrix();
    QPainter painter(m_paintDevice);
    draw(&painter);
}

void Window3D::draw(QPainter *)
{
}

void Window3D::initObjects()
{
    if (!m_context || QOpenGLContext::currentContext() != m_context)
        return;
    qDebug() << "OpenGL extensions:"
             << reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
}

QSize Window3D::devicePixelSize() const
{
    if (!m_renderTargetSize.isEmpty())
        return m_renderTargetSize;
    return size() * devicePixelRatio();
}

void Window3D::resizeEvent(QResizeEvent *)
{
    m_camera->setScreenWidthAndHeight(width(), height());
    if (!m_context || !m_context->makeCurrent(this))
        return;
    const QSize pixels = devicePixelSize();
    glViewport(0, 0, pixels.width(), pixels.height());
    if (m_pickingFramebuffer) {
        deletePickingFramebuffer();
        createPickingFramebuffer();
    }
}

// ---- Picking frame buffer and grab

void Window3D::createPickingFramebuffer()
{
    if (!m_context || QOpenGLContext::currentContext() != m_context)
        return;
    const QSize pixels = devicePixelSize();
    glGenFramebuffers(1, &m_pickingFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, m_pickingFramebuffer);

    glGenRenderbuffers(1, &m_pickingDepthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, m_pickingDepthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT, pixels.width(), pixels.height());
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                              m_pickingDepthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);

    glGenTextures(1, &m_pickingTexture);
    glBindTexture(GL_TEXTURE_2D, m_pickingTexture);
    // Identity colours are read back exactly: no filtering.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width(), pixels.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_pickingTexture,
                           0);
    glBindTexture(GL_TEXTURE_2D, 0);

    glBindFramebuffer(GL_FRAMEBUFFER, m_context->defaultFramebufferObject());
}

void Window3D::deletePickingFramebuffer()
{
    if (!m_context || QOpenGLContext::currentContext() != m_context)
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, m_context->defaultFramebufferObject());
    glDeleteTextures(1, &m_pickingTexture);
    glDeleteRenderbuffers(1, &m_pickingDepthBuffer);
    glDeleteFramebuffers(1, &m_pickingFramebuffer);
    m_pickingTexture = 0;
    m_pickingDepthBuffer = 0;
    m_pickingFramebuffer = 0;
}

QImage Window3D::grabFrame()
{
    // A current context keeps the frame buffer it has bound (an off-screen target).
    if (!m_context
        || (QOpenGLContext::currentContext() != m_context && !m_context->makeCurrent(this)))
        return QImage();
    const QSize pixels = devicePixelSize();
    // Reading RGBA bytes into an RGBA image keeps the channels right on any byte order.
    QImage image(pixels, QImage::Format_RGBA8888);
    glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    // OpenGL's first row is the bottom one.
    return image.convertToFormat(QImage::Format_ARGB32).mirrored();
}

void Window3D::tileProjectionMatrix(double out[16], int tileSize, int row, int column) const
{
    ::tileProjectionMatrix(out, tileSize, row, column, *m_camera, width(), height());
}

// ---- Camera, frames and grabber

void Window3D::setSceneRadius(float radius)
{
    m_camera->setSceneRadius(radius);
}

void Window3D::setSceneCenter(const Vector3D &center)
{
    m_camera->setSceneCenter(center);
}

void Window3D::setSceneBoundingBox(const Vector3D &min, const Vector3D &max)
{
    m_camera->setSceneBoundingBox(min, max);
}

void Window3D::showEntireScene()
{
    m_camera->showEntireScene();
}

void Window3D::setCamera(Camera *camera)
{
    if (!camera || camera == m_camera)
        return;
    camera->setParent(this);
    Camera *old = m_camera;
    if (old) {
        camera->setSceneRadius(old->sceneRadius());
        camera->setSceneCenter(old->sceneCenter());
        disconnect(old->frame(), &ManipulatedSystem3D::manipulated, this, &Window3D::renderLater);
    }
    // A window that has no size yet leaves the camera's own.
    if (width() > 0 && height() > 0)
        camera->setScreenWidthAndHeight(width(), height());
    connect(camera->frame(), &ManipulatedSystem3D::manipulated, this, &Window3D::renderLater);
    m_camera = camera;

    if (old) {
        // The top view's constraint and the role of manipulated frame pass to the new camera's
        // frame, so no frame is left pointing at what the window may delete.
        if (old->frame()->constraint() == m_topViewConstraint.get() && m_topViewConstraint) {
            old->frame()->setConstraint(nullptr);
            camera->frame()->setConstraint(m_topViewConstraint.get());
        }
        if (m_manipulatedSystem == old->frame())
            setManipulatedSystem(camera->frame());
    }
}

ManipulatedSystem3D *Window3D::manipulatedSystem() const
{
    return m_manipulatedSystem.data();
}

void Window3D::setManipulatedSystem(ManipulatedSystem3D *system)
{
    const ManipulatedSystem3D *cameraFrame = m_camera->frame();
    if (m_manipulatedSystem && m_manipulatedSystem != cameraFrame)
        disconnect(m_manipulatedSystem, &ManipulatedSystem3D::manipulated, this,
                   &Window3D::renderLater);
    m_manipulatedSystem = system;
    m_manipulatedSystemIsCameraFrame =
        qobject_cast<ManipulatedCameraSystem3D *>(system) && system != cameraFrame;
    if (system && system != cameraFrame)
        connect(system, &ManipulatedSystem3D::manipulated, this, &Window3D::renderLater);
}

void Window3D::setMouseGrabber(MouseGrabber *mouseGrabber)
{
    if (m_disabledGrabbers.contains(mouseGrabber))
        return;
    m_mouseGrabber = mouseGrabber;
    auto *system = dynamic_cast<ManipulatedSystem3D *>(mouseGrabber);
    m_grabberIsManipulatedSystem = system != nullptr;
    m_grabberIsCameraFrame = qobject_cast<ManipulatedCameraSystem3D *>(system)
                             && system != m_camera->frame();
    emit mouseGrabberChanged(mouseGrabber);
}

void Window3D::setPerspective(bool on)
{
    m_perspectivePreferred = on;
    m_camera->setType(on ? Camera::PERSPECTIVE : Camera::ORTHOGRAPHIC);
}

void Window3D::toggleTopView()
{
    const Vector3D pivot = m_camera->revolveAroundPoint();
    const Vector3D position = m_camera->position();
    const Quaternion orientation = m_camera->orientation();
    const double distance = m_camera->distanceToSceneCenter();
    ManipulatedCameraSystem3D *frame = m_camera->frame();

    if (m_is3DView) {
        m_camera->setType(Camera::ORTHOGRAPHIC);
    } else {
        m_camera->setType(m_perspectivePreferred ? Camera::PERSPECTIVE : Camera::ORTHOGRAPHIC);
        frame->setConstraint(nullptr);
        m_topViewConstraint.reset();
    }

    if (!m_savedPosition.isNull())
        m_camera->setPosition(m_savedPosition);
    else if (m_is3DView)
        m_camera->setPosition(pivot + Vector3D(0.0, distance, 0.0));
    else
        m_camera->setPosition(pivot + Vector3D(-distance / 2.0, 0.0, distance));
    m_savedPosition = position;

    if (!Vector3D(m_savedOrientation.x, m_savedOrientation.y, m_savedOrientation.z).isNull()) {
        m_camera->setOrientation(m_savedOrientation);
    } else {
        m_camera->setOrientation(Quaternion());
        m_camera->lookAt(pivot);
    }
    m_savedOrientation = orientation;

    if (m_is3DView) {
        // The plan can only be turned about the vertical.
        m_topViewConstraint = std::make_unique<WorldConstraint>();
        m_topViewConstraint->setRotationConstraint(AxisPlaneConstraint::Axis, Vector3D(0, 1, 0));
        frame->setConstraint(m_topViewConstraint.get());
    }
    m_is3DView = !m_is3DView;
    renderLater();
}

// ---- Bindings

void Window3D::setMouseBinding(int state, Global::MouseHandler handler, Global::MouseAction action,
                               bool withConstraint)
{
    const Qt::MouseButtons buttons = buttonsOf(state);
    if (buttons == Qt::NoButton)
        return;
    m_mouseBindings.remove(state);
    if (action != Global::MOUSE_NONE)
        m_mouseBindings.insert(state, DragBinding{handler, action, withConstraint});
    m_clickBindings.remove(
        ClickKey{modifiersOf(state), Qt::MouseButton(int(buttons)), false, Qt::NoButton});
}

void Window3D::setMouseBinding(int state, Global::ClickAction action, bool doubleClick,
                               Qt::MouseButtons buttonsBefore)
{
    const Qt::MouseButtons buttons = buttonsOf(state);
    if ((buttonsBefore != Qt::NoButton && !doubleClick) || buttons == Qt::NoButton)
        return;
    const ClickKey key{modifiersOf(state), Qt::MouseButton(int(buttons)), doubleClick,
                       buttonsBefore};
    m_clickBindings.remove(key);
    if (action != Global::CLICK_NONE)
        m_clickBindings.insert(key, action);
    if (!doubleClick && buttonsBefore == Qt::NoButton)
        m_mouseBindings.remove(state);
}

void Window3D::setWheelBinding(Qt::KeyboardModifiers modifiers, Global::MouseHandler handler,
                               Global::MouseAction action, bool withConstraint)
{
    if (handler == Global::HANDLER_SYSTEM && action != Global::MOUSE_ZOOM
        && action != Global::MOUSE_NONE)
        return;
    m_wheelBindings.remove(int(modifiers));
    if (action != Global::MOUSE_NONE)
        m_wheelBindings.insert(int(modifiers), DragBinding{handler, action, withConstraint});
}

void Window3D::setHandlerKeyboardModifiers(Global::MouseHandler handler,
                                           Qt::KeyboardModifiers modifiers)
{
    // The handler's bindings go in after the others', so they win where keys meet.
    QMap<int, DragBinding> mouse;
    QMap<int, DragBinding> wheel;
    QMap<ClickKey, Global::ClickAction> clicks;
    for (int pass = 0; pass < 2; ++pass) {
        const bool handlers = pass == 1;
        for (auto it = m_mouseBindings.cbegin(); it != m_mouseBindings.cend(); ++it) {
            if ((it->handler == handler) == handlers)
                mouse.insert(handlers ? stateOf(buttonsOf(it.key()), modifiers) : it.key(), *it);
        }
        for (auto it = m_wheelBindings.cbegin(); it != m_wheelBindings.cend(); ++it) {
            if ((it->handler == handler) == handlers)
                wheel.insert(handlers ? int(modifiers) : it.key(), *it);
        }
        for (auto it = m_clickBindings.cbegin(); it != m_clickBindings.cend(); ++it) {
            if (belongsTo(*it, handler) != handlers)
                continue;
            ClickKey key = it.key();
            if (handlers)
                key.modifiers = modifiers;
            clicks.insert(key, *it);
        }
    }
    m_mouseBindings = mouse;
    m_wheelBindings = wheel;
    m_clickBindings = clicks;
}

// ---- Mouse dispatch

ManipulatedSystem3D *Window3D::manipulatedSystemOf(Global::MouseHandler handler) const
{
    return handler == Global::HANDLER_CAMERA ? m_camera->frame() : m_manipulatedSystem.data();
}

bool Window3D::beginDrag(const DragBinding &binding, QMouseEvent *event)
{
    ManipulatedSystem3D *frame = manipulatedSystemOf(binding.handler);
    if (!frame)
        return false;
    frame->beginAction(binding.action, binding.withConstraint);
    if (treatAsObject(frame))
        frame->ManipulatedSystem3D::mousePressEvent(event, m_camera);
    else
        frame->mousePressEvent(event, m_camera);
    return true;
}

bool Window3D::treatAsObject(const ManipulatedSystem3D *frame) const
{
    return (frame == m_manipulatedSystem && m_manipulatedSystemIsCameraFrame)
           || (frame == m_mouseGrabber && m_grabberIsCameraFrame);
}

ManipulatedSystem3D *Window3D::activeFrame() const
{
    if (m_camera->frame()->isManipulated())
        return m_camera->frame();
    if (m_manipulatedSystem && m_manipulatedSystem->isManipulated())
        return m_manipulatedSystem;
    return nullptr;
}

void Window3D::performClickAction(Global::ClickAction action, const QPoint &point)
{
    switch (action) {
    case Global::CLICK_NONE:
        return;
    case Global::CLICK_SELECT:
        pickAt(point);
        selectPicked(point);
        break;
    case Global::CLICK_CENTER_SYSTEM:
        if (m_manipulatedSystem)
            m_manipulatedSystem->moveOntoLine(m_camera->position(), m_camera->viewDirection());
        break;
    case Global::CLICK_CENTER_SCENE:
        m_camera->centerScene();
        break;
    case Global::CLICK_SHOW_SCENE:
        m_camera->showEntireScene();
        break;
    case Global::CLICK_ALIGN_SYSTEM:
        if (m_manipulatedSystem)
            m_manipulatedSystem->alignWith(m_camera->frame(), false, 0.85f);
        break;
    case Global::CLICK_ALIGN_CAMERA:
        m_camera->frame()->alignWith(nullptr, true, 0.85f);
        break;
    }
    renderLater();
}

void Window3D::select(const QPoint &point)
{
    pickAt(point);
    selectPicked(point);
}

void Window3D::mousePressEvent(QMouseEvent *event)
{
    const ClickKey key{event->modifiers(), event->button(), false,
                       event->buttons() & ~Qt::MouseButtons(event->button())};
    const auto click = m_clickBindings.constFind(key);
    if (click != m_clickBindings.cend()) {
        performClickAction(*click, event->pos());
        return;
    }

    if (m_mouseGrabber) {
        if (m_grabberIsManipulatedSystem) {
            auto *system = dynamic_cast<ManipulatedSystem3D *>(m_mouseGrabber);
            // The grabber is moved whatever modifiers are held: the buttons choose the action.
            for (auto it = m_mouseBindings.cbegin(); it != m_mouseBindings.cend(); ++it) {
                if (it->handler == Global::HANDLER_SYSTEM
                    && buttonsOf(it.key()) == (event->buttons() & buttonMask)) {
                    system->beginAction(it->action, it->withConstraint);
                    break;
                }
            }
            if (treatAsObject(system))
                system->ManipulatedSystem3D::mousePressEvent(event, m_camera);
            else
                system->mousePressEvent(event, m_camera);
        } else {
            m_mouseGrabber->mousePressEvent(event, m_camera);
        }
        renderLater();
        return;
    }

    const auto binding =
        m_mouseBindings.constFind(stateOf(event->buttons(), event->modifiers()));
    if (binding == m_mouseBindings.cend() || !beginDrag(*binding, event)) {
        event->ignore();
        return;
    }
    if (binding->action == Global::MOUSE_TWIST)
        renderLater();
}

void Window3D::mouseMoveEvent(QMouseEvent *event)
{
    if (m_mouseGrabber) {
        m_mouseGrabber->checkGrab(event->x(), event->y(), m_camera);
        if (m_mouseGrabber->isGrabbing()) {
            if (m_grabberIsCameraFrame)
                dynamic_cast<ManipulatedSystem3D *>(m_mouseGrabber)
                    ->ManipulatedSystem3D::mouseMoveEvent(event, m_camera);
            else
                m_mouseGrabber->mouseMoveEvent(event, m_camera);
        } else {
            setMouseGrabber(nullptr);
        }
        renderLater();
        return;
    }

    ManipulatedSystem3D *frame = activeFrame();
    if (!frame) {
        event->ignore();
        return;
    }
    if (treatAsObject(frame))
        frame->ManipulatedSystem3D::mouseMoveEvent(event, m_camera);
    else
        frame->mouseMoveEvent(event, m_camera);
}

void Window3D::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_mouseGrabber) {
        m_mouseGrabber->mouseReleaseEvent(event, m_camera);
        m_mouseGrabber->checkGrab(event->x(), event->y(), m_camera);
        if (!m_mouseGrabber->isGrabbing())
            setMouseGrabber(nullptr);
    } else if (ManipulatedSystem3D *frame = activeFrame()) {
        frame->mouseReleaseEvent(event, m_camera);
    } else {
        event->ignore();
    }
    renderLater();
}

void Window3D::mouseDoubleClickEvent(QMouseEvent *event)
{
    const ClickKey key{event->modifiers(), event->button(), true,
                       event->buttons() & ~Qt::MouseButtons(event->button())};
    const auto click = m_clickBindings.constFind(key);
    if (click != m_clickBindings.cend())
        performClickAction(*click, event->pos());
    else if (m_mouseGrabber)
        m_mouseGrabber->mouseDoubleClickEvent(event, m_camera);
    else
        event->ignore();
}

void Window3D::wheelEvent(QWheelEvent *event)
{
    const auto binding = m_wheelBindings.constFind(int(event->modifiers()));
    ManipulatedSystem3D *frame =
        binding == m_wheelBindings.cend() ? nullptr : manipulatedSystemOf(binding->handler);
    if (!frame) {
        event->ignore();
        return;
    }
    frame->beginAction(binding->action, binding->withConstraint);
    if (treatAsObject(frame))
        frame->ManipulatedSystem3D::wheelEvent(event, m_camera);
    else
        frame->wheelEvent(event, m_camera);
}

// ---- XML

QDomElement Window3D::toDomElement(const QString &name, QDomDocument &document) const
{
    QDomElement element = document.createElement(name);
    element.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    element.appendChild(m_camera->toDomElement(QStringLiteral("Camera"), document));
    if (m_manipulatedSystem)
        element.appendChild(
            m_manipulatedSystem->toDomElement(QStringLiteral("ManipulatedSystem"), document));
    return element;
}

void Window3D::fromDomElement(const QDomElement &element)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("Camera"))
            m_camera->fromDomElement(child);
        else if (child.tagName() == QLatin1String("ManipulatedSystem") && m_manipulatedSystem)
            m_manipulatedSystem->fromDomElement(child);
    }
}
