#pragma once

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QString>

// Video input devices: device name -> (device name, device node). Keys are unique; when two
// devices share a name, the later one (by node number) replaces the earlier.
using VideoDeviceList = QMap<QString, QPair<QString, QString>>;

// The few places where the program needs something from the operating system, in one layer.
namespace Platform {

// The per-user data directory "<generic data location>/RivuzAzed/": absolute, created when
// missing, always ending in exactly one "/".
QString dataDirectory();

// The user's documents folder, created when missing; the home folder when none is known.
QString documentsFolder();

// The user's desktop folder, created when missing; the home folder when none is known. A desktop
// that cannot be created is still returned, so that writing into it fails visibly instead of
// landing somewhere else.
QString desktopFolder();

// Free bytes of the file system holding path (all free bytes, not only those available to this
// user); -1 when the path does not exist or the file system cannot be queried.
qint64 freeSpaceBytes(const QString &path);

// An identity of the file at path (its device and inode) that stays with the file when it is
// renamed or its folder moved within one file system, and differs for any other file. Empty when
// nothing exists at path.
QString fileIdentity(const QString &path);

// The V4L2 video devices listed under a sysfs class folder: for every "videoN" entry whose "name"
// file reads a non-empty name, name -> (name, "/dev/videoN"). Secondary nodes of one device
// (such as the metadata node of a USB camera, whose "index" is not 0) are left out.
VideoDeviceList videoInputDevices(const QString &sysfsClassFolder);
// The same for the folder set with setVideoSysfsRoot(), by default /sys/class/video4linux.
VideoDeviceList videoInputDevices();
QString videoSysfsRoot();
void setVideoSysfsRoot(const QString &folder); // an empty string restores the default

// A process-wide message id for a name: the same name always gives the same id, different names
// give different ids, all in 0xC000..0xFFFF (0 once that range is used up). Thread-safe.
unsigned int registerMessage(const QString &name);

// A program search path (the form of PATH) with dir appended after the platform's list separator.
// An empty or missing path gives dir alone: an empty element would mean the current folder.
QByteArray searchPathWith(const QByteArray &path, const QString &dir);
// Appends dir to the process's PATH in that way.
void appendToSearchPath(const QString &dir);

} // namespace Platform
