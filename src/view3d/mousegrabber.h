#pragma once

#include <QList>
#include <QMetaType>

class Camera;
class QMouseEvent;
class QWheelEvent;

// Anything in the 3D window that can take over the mouse while the pointer is over it. Every
// grabber is recorded in one program-wide pool while it lives; it receives mouse events only
// once the window has been given it as its mouse grabber.
class MouseGrabber
{
public:
    MouseGrabber();
    virtual ~MouseGrabber();
    MouseGrabber(const MouseGrabber &) = delete;
    MouseGrabber &operator=(const MouseGrabber &) = delete;

    // Decides, for the pointer at (x, y) in window pixels, whether this grabber takes the mouse,
    // and sets the grabbing flag accordingly.
    virtual void checkGrab(int x, int y, const Camera *camera) = 0;
    virtual void mousePressEvent(QMouseEvent *event, const Camera *camera);
    virtual void mouseDoubleClickEvent(QMouseEvent *event, const Camera *camera);
    virtual void mouseReleaseEvent(QMouseEvent *event, const Camera *camera);
    virtual void mouseMoveEvent(QMouseEvent *event, const Camera *camera);
    virtual void wheelEvent(QWheelEvent *event, const Camera *camera);

    bool isGrabbing() const { return m_grabbing; }
    void setGrabbing(bool grabbing) { m_grabbing = grabbing; }

    static const QList<MouseGrabber *> &grabberPool();
    void removeFromPool();

private:
    bool m_grabbing = false;
};

Q_DECLARE_METATYPE(MouseGrabber *)
