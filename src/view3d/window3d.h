#pragma once

#include "foundation/global.h"
#include "view3d/quaternion.h"
#include "view3d/vector3d.h"

#include <QDomDocument>
#include <QDomElement>
#include <QImage>
#include <QMap>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <memory>

class Camera;
class ManipulatedSystem3D;
class MouseGrabber;
class QOpenGLContext;
class QOpenGLPaintDevice;
class QPainter;
class WorldConstraint;

// The OpenGL window of the 3D view. It owns the context and the camera, draws only when asked
// (renderLater coalesces requests into one frame), and hands mouse input to the camera's frame,
// to the manipulated system (the selected object's frame) or to the mouse grabber according to
// binding tables. Subclasses draw the scene (draw), set up their OpenGL resources (initGL) and
// pick (pickAt, selectPicked).
//
// Whatever surface format a caller sets, the window asks for depth and stencil buffers in a
// compatibility context: the scene needs the depth test and depth read-back, and the painter
// fills outlines through the stencil buffer.
class Window3D : public QWindow, public QOpenGLFunctions
{
    Q_OBJECT

public:
    explicit Window3D(QWindow *parent = nullptr);
    ~Window3D() override;

    // Shadows QWindow::setFormat to add the buffers the view needs; call it before the window is
    // first shown.
    void setFormat(const QSurfaceFormat &format);

    Camera *camera() const { return m_camera; }
    ManipulatedSystem3D *manipulatedSystem() const;
    MouseGrabber *mouseGrabber() const { return m_mouseGrabber; }
    bool is3DView() const { return m_is3DView; }
    float aspectRatio() const { return float(width()) / float(std::max(1, height())); }
    QOpenGLContext *context() const { return m_context; }
    // Whether any window of the program has set up an OpenGL context yet.
    static bool isOpenGLInitialized();

    void setPerspective(bool on);
    // Between the free 3D view and an orthographic view from straight above, which can only be
    // turned about the vertical. Each way restores the pose the other view was left in.
    void toggleTopView();

    // The window's picture read back from the current frame buffer, top row first.
    virtual QImage grabFrame();
    // The window-sized off-screen frame buffer for picking (colour texture and depth); 0 until
    // the first rendering. Recreated at every resize.
    GLuint pickingFramebuffer() const { return m_pickingFramebuffer; }
    void createPickingFramebuffer();
    void deletePickingFramebuffer();
    // The camera's projection restricted to one tile of a picture tiled at tileSize pixels.
    void tileProjectionMatrix(double out[16], int tileSize, int row, int column) const;

    // An element with the attribute "version", the camera as "Camera" and, when one is set, the
    // manipulated system as "ManipulatedSystem".
    virtual QDomElement toDomElement(const QString &name, QDomDocument &document) const;
    virtual void fromDomElement(const QDomElement &element);

public slots:
    // Asks for one frame; any further requests before it is drawn are the same frame.
    void renderLater();
    void renderNow();
    virtual void initObjects();
    virtual void setSceneRadius(float radius);
    virtual void setSceneCenter(const Vector3D &center);
    void setSceneBoundingBox(const Vector3D &min, const Vector3D &max);
    void showEntireScene();
    // The window takes the camera over (as a child object) and keeps the scene and its own size
    // for it. A camera it held before stays alive until the window goes.
    void setCamera(Camera *camera);
    void setManipulatedSystem(ManipulatedSystem3D *system);
    void setMouseGrabber(MouseGrabber *mouseGrabber);

    // state: Qt mouse buttons | keyboard modifiers. A drag with those buttons and modifiers moves
    // the handler's frame by the action; MOUSE_NONE removes the binding.
    void setMouseBinding(int state, Global::MouseHandler handler, Global::MouseAction action,
                         bool withConstraint = true);
    // A click (or double-click, with buttonsBefore held already) of the state's button and
    // modifiers performs the action; CLICK_NONE removes the binding.
    void setMouseBinding(int state, Global::ClickAction action, bool doubleClick = false,
                         Qt::MouseButtons buttonsBefore = Qt::NoButton);
    // The wheel with these modifiers; the manipulated system can only be zoomed by it.
    void setWheelBinding(Qt::KeyboardModifiers modifiers, Global::MouseHandler handler,
                         Global::MouseAction action, bool withConstraint = true);
    // Moves every drag, wheel and click binding of the handler to the given modifiers.
    void setHandlerKeyboardModifiers(Global::MouseHandler handler, Qt::KeyboardModifiers modifiers);
    void select(const QPoint &point);

signals:
    void mouseGrabberChanged(MouseGrabber *mouseGrabber);
    // The OpenGL context has been set up and is current; the scene can be built.
    void contextInit();
    // For the embedding application; the window never closes itself.
    void toClose();

protected:
    // Clears the buffers and lets draw paint the frame; the context is current.
    virtual void render();
    virtual void draw(QPainter *painter);
    virtual void initGL() = 0;
    virtual void pickAt(const QPoint &point) = 0;
    virtual void selectPicked(const QPoint &point) = 0;
    // While not empty, frames are drawn and grabbed at this size in device pixels rather than the
    // window's: the caller has bound a frame buffer of that size.
    void setRenderTargetSize(const QSize &size) { m_renderTargetSize = size; }

    bool event(QEvent *event) override;
    void exposeEvent(QExposeEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct DragBinding
    {
        Global::MouseHandler handler;
        Global::MouseAction action;
        bool withConstraint;
    };
    struct ClickKey
    {
        Qt::KeyboardModifiers modifiers;
        Qt::MouseButton button;
        bool doubleClick;
        Qt::MouseButtons buttonsBefore;
        bool operator<(const ClickKey &other) const;
    };

    void setDefaultBindings();
    void performClickAction(Global::ClickAction action, const QPoint &point);
    // Starts the binding's action on the frame it names, or returns false when there is none.
    bool beginDrag(const DragBinding &binding, QMouseEvent *event);
    ManipulatedSystem3D *manipulatedSystemOf(Global::MouseHandler handler) const;
    // The frame that takes a move or release while no grabber does: the camera's, else the
    // manipulated system, whichever is in an action.
    ManipulatedSystem3D *activeFrame() const;
    // Another camera's frame, handed over as manipulated system or grabber, moves like an
    // object, not like a camera.
    bool treatAsObject(const ManipulatedSystem3D *frame) const;
    QSize devicePixelSize() const;

    bool m_updatePending = false;
    Camera *m_camera = nullptr;
    // Cleared when the frame is deleted with its object.
    QPointer<ManipulatedSystem3D> m_manipulatedSystem;
    QOpenGLContext *m_context = nullptr;
    QOpenGLPaintDevice *m_paintDevice = nullptr;
    MouseGrabber *m_mouseGrabber = nullptr;
    bool m_manipulatedSystemIsCameraFrame = false;
    bool m_grabberIsManipulatedSystem = false;
    bool m_grabberIsCameraFrame = false;
    QMap<MouseGrabber *, bool> m_disabledGrabbers;
    QMap<int, DragBinding> m_mouseBindings;
    QMap<int, DragBinding> m_wheelBindings;
    QMap<ClickKey, Global::ClickAction> m_clickBindings;
    GLuint m_pickingFramebuffer = 0;
    GLuint m_pickingDepthBuffer = 0;
    GLuint m_pickingTexture = 0;
    Quaternion m_savedOrientation;
    Vector3D m_savedPosition;
    bool m_is3DView = true;
    bool m_perspectivePreferred = true;
    std::unique_ptr<WorldConstraint> m_topViewConstraint;
    QSize m_renderTargetSize;
};
