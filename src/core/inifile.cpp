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

} // namespace IniFile
