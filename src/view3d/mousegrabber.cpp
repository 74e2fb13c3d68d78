#include "view3d/mousegrabber.h"

namespace {

QList<MouseGrabber *> &pool()
{
    static QList<MouseGrabber *> grabbers;
    return grabbers;
}

} // namespace

MouseGrabber::MouseGrabber()
{
    pool().append(this);
}

MouseGrabber::~MouseGrabber()
{
    removeFromPool();
}

void MouseGrabber::mousePressEvent(QMouseEvent *, const Camera *)
{
}

void MouseGrabber::mouseDoubleClickEvent(QMouseEvent *, const Camera *)
{
}

void MouseGrabber::mouseReleaseEvent(QMouseEvent *, const Camera *)
{
}

void MouseGrabber::mouseMoveEvent(QMouseEvent *, const Camera *)
{
}

void MouseGrabber::wheelEvent(QWheelEvent *, const Camera *)
{
}

const QList<MouseGrabber *> &MouseGrabber::grabberPool()
{
    return pool();
}

void MouseGrabber::removeFromPool()
{
    pool().removeAll(this);
}
