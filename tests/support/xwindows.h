#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// A look at the X server from outside a program, as a window manager or a user sees it: finds
// windows by their title, tells whether they are mapped, grabs their picture and asks them to
// close the way a window manager's close button does (WM_DELETE_WINDOW), so that the program's
// own closing runs. One connection of its own to $DISPLAY serves every call; nothing here needs
// Qt's. Not thread-safe.
namespace XWindows {

// The windows titled exactly so (_NET_WM_NAME, else WM_NAME), in stacking order; empty when the
// display cannot be opened.
QList<unsigned long> findByTitle(const QString &title);
// The titles of every titled window that can be seen, for a failure to say what is on the screen.
QStringList viewableTitles();
// Whether the window is mapped and all its parents too (it can be seen).
bool isViewable(unsigned long window);
// The window's rectangle on the root window; null when the window is gone.
QRect geometry(unsigned long window);
// The root window's rectangle: the screen.
QRect screenGeometry();
// The picture of the part of the window that lies on the screen, as it is shown; null when it
// cannot be read.
QImage grab(unsigned long window);
// Sends the close request; false when the display cannot be opened or the window does not take
// the request.
bool requestClose(unsigned long window);

} // namespace XWindows
