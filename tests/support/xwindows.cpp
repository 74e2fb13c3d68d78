#include "support/xwindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>


namespace {

// X errors (a window that went meanwhile) are answers here, not reasons to end the process.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// One connection for the life of the process: a connection per look, at the rate a start is
// watched, can use up the server's client slots faster than it frees them.
Display *openDisplay()
{
    static Display *display = nullptr;
    if (!display) {
        XSetErrorHandler(ignoreErrors);
        display = XOpenDisplay(nullptr);
    }
    return display;
}

QString titleOf(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        const QString title = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
        if (type == utf8)
            return title;
    }
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const QString title = QString::fromLocal8Bit(name);
        XFree(name);
        return title;
    }
    return QString();
}

void collectAll(Display *display, Window window, QList<unsigned long> &found)
{
    found << window;
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i)
        collectAll(display, children[i], found);
    if (children)
        XFree(children);
}

} // namespace

namespace XWindows {

QList<unsigned long> findByTitle(const QString &title)
{
    QList<unsigned long> found;
    Display *const display = openDisplay();
    if (!display)
        return found;
    QList<unsigned long> windows;
    collectAll(display, DefaultRootWindow(display), windows);
    for (unsigned long window : qAsConst(windows))
        if (titleOf(display, Window(window)) == title)
            found << window;
    return found;
}

QStringList viewableTitles()
{
    QStringList titles;
    Display *const display = openDisplay();
    if (!display)
        return titles;
    // Every titled window, top-level ones and the frames a window manager may have added alike.
    QList<unsigned long> windows;
    collectAll(display, DefaultRootWindow(display), windows);
    for (unsigned long window : qAsConst(windows)) {
        const QString title = titleOf(display, Window(window));
        if (!title.isEmpty() && isViewable(window))
            titles << title;
    }
    return titles;
}

bool isViewable(unsigned long window)
{
    Display *const display = openDisplay();
    XWindowAttributes attributes;
    return display && XGetWindowAttributes(display, window, &attributes)
           && attributes.map_state == IsViewable;
}

QRect geometry(unsigned long window)
{
    Display *const display = openDisplay();
    XWindowAttributes attributes;
    if (!display || !XGetWindowAttributes(display, window, &attributes))
        return QRect();
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

QRect screenGeometry()
{
    Display *const display = openDisplay();
    if (!display)
        return QRect();
    return QRect(0, 0, DisplayWidth(display, DefaultScreen(display)),
                 DisplayHeight(display, DefaultScreen(display)));
}

QImage grab(unsigned long window)
{
    const QRect onScreen = geometry(window) & screenGeometry();
    Display *const display = openDisplay();
    if (!display || onScreen.isEmpty() || !isViewable(window))
        return QImage();
    // Only what lies on the screen can be read back.
    const QRect part = onScreen.translated(-geometry(window).topLeft());
    XImage *image = XGetImage(display, window, part.x(), part.y(), unsigned(part.width()),
                              unsigned(part.height()), AllPlanes, ZPixmap);
    if (!image)
        return QImage();
    QImage picture(image->width, image->height, QImage::Format_RGB32);
    for (int y = 0; y < image->height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            line[x] = qRgb(int((pixel & image->red_mask) >> 16), int((pixel & image->green_mask) >> 8),
                           int(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    return picture;
}

bool requestClose(unsigned long window)
{
    Display *const display = openDisplay();
    if (!display)
        return false;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XSync(display, False);
    return sent;
}

} // namespace XWindows
