#include "core/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace IniFile {

bool writeWhole(const QString &path, const std::function<void(QSettings &)> &fill)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return false;

    QString tempPath;
    {
        QTemporaryFile temp(folder + QLatin1Char('/') + target.fileName() + QStringLiteral(".XXXXXX"));
        temp.setAutoRemove(false);
        if (!temp.open())
            return false;
        tempPath = temp.fileName();
        temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                            | QFileDevice::ReadOther);
    }

    bool ok = false;
    {
        QSettings settings(tempPath, QSettings::IniFormat);
        fill(settings);
        settings.sync();
        ok = settings.status() == QSettings::NoError;
    }
    if (ok)
        ok = std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
    if (!ok)
        QFile::remove(tempPath);
    return ok;
}

int beginReadArray(QSettings &settings, const QString &prefix)
{
    settings.beginGroup(prefix);
    const int present = settings.childGroups().size();
    settings.endGroup();
    return qBound(0, settings.beginReadArray(prefix), present);
}

bool hasOnlyPlainValues(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A window overlapping the chunk borders so that no marker is cut in two.
    static const QByteArray marker("@Variant(");
    QByteArray carry;
    while (!file.atEnd()) {
        const QByteArray chunk = carry + file.read(1 << 16);
        if (chunk.contains(marker))
            return false;
        carry = chunk.right(marker.size() - 1);
    }
    return true;
}

} // namespace IniFile
