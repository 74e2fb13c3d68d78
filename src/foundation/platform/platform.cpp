#include "foundation/platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <vector>

#include <sys/stat.h>

namespace Platform {

QString dataDirectory()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    QString path = QDir(base + QStringLiteral("/RivuzAzed")).absolutePath();
    QDir().mkpath(path);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path + QLatin1Char('/');
}

QString documentsFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty() || !QDir().mkpath(docs))
        return QDir::homePath();
    return QDir(docs).absolutePath();
}

QString desktopFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty())
        return QDir::homePath();
    QDir().mkpath(desktop);
    return QDir(desktop).absolutePath();
}

qint64 freeSpaceBytes(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return -1;
    const QStorageInfo storage(path);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesFree();
}

QString fileIdentity(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return QStringLiteral("%1:%2").arg(quint64(info.st_dev)).arg(quint64(info.st_ino));
}

namespace {

QMutex sysfsMutex;
QString sysfsRootOverride;

const char *const kDefaultSysfsRoot = "/sys/class/video4linux";

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096);
}

} // namespace

VideoDeviceList videoInputDevices(const QString &sysfsClassFolder)
{
    static const QRegularExpression nodePattern(QStringLiteral("^video(\\d+)$"));

    // Entries are links in the real sysfs; reading through them is what sysfs expects.
    const QStringList entries = QDir(sysfsClassFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    std::vector<std::pair<qulonglong, QString>> nodes;
    for (const QString &entry : entries) {
        const QRegularExpressionMatch match = nodePattern.match(entry);
        bool ok = false;
        const qulonglong number = match.hasMatch() ? match.captured(1).toULongLong(&ok) : 0;
        if (ok)
            nodes.emplace_back(number, entry);
    }
    // "Later" means by node number, so video10 comes after video9.
    std::sort(nodes.begin(), nodes.end());

    VideoDeviceList devices;
    for (const auto &node : nodes) {
        const QString folder = sysfsClassFolder + QLatin1Char('/') + node.second;
        const QByteArray index = readSmallFile(folder + QStringLiteral("/index")).trimmed();
        if (!index.isEmpty() && index != "0")
            continue;
        const QString name = QString::fromUtf8(readSmallFile(folder + QStringLiteral("/name"))).trimmed();
        if (name.isEmpty())
            continue;
        devices.insert(name, qMakePair(name, QStringLiteral("/dev/") + node.second));
    }
    return devices;
}

VideoDeviceList videoInputDevices()
{
    return videoInputDevices(videoSysfsRoot());
}

QString videoSysfsRoot()
{
    QMutexLocker lock(&sysfsMutex);
    return sysfsRootOverride.isEmpty() ? QString::fromLatin1(kDefaultSysfsRoot) : sysfsRootOverride;
}

void setVideoSysfsRoot(const QString &folder)
{
    QMutexLocker lock(&sysfsMutex);
    sysfsRootOverride = folder;
}

unsigned int registerMessage(const QString &name)
{
    static QMutex mutex;
    static QHash<QString, unsigned int> ids;
    QMutexLocker lock(&mutex);
    auto it = ids.constFind(name);
    if (it != ids.constEnd())
        return it.value();
    if (ids.size() >= 0x4000)
        return 0; // the range is used up, as when the system refuses a registration
    const unsigned int id = 0xC000u + static_cast<unsigned int>(ids.size());
    ids.insert(name, id);
    return id;
}

QByteArray searchPathWith(const QByteArray &path, const QString &dir)
{
    const QByteArray encoded = QFile::encodeName(QDir::toNativeSeparators(dir));
    if (path.isEmpty())
        return encoded;
    return path + QByteArray(1, char(QDir::listSeparator().toLatin1())) + encoded;
}

void appendToSearchPath(const QString &dir)
{
    qputenv("PATH", searchPathWith(qgetenv("PATH"), dir));
}

} // namespace Platform
