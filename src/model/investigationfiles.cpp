#include "model/investigation.h"

#include "foundation/filehelper.h"
#include "foundation/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The inspection's files on disk: its photos in the folder, and renaming the folder and files.

namespace {

bool isSafeBaseName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

} // namespace

QStringList Investigation::folderPhotos() const
{
    QStringList paths;
    if (m_folder.isEmpty())
        return paths;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names)
        paths << m_folder + name;
    return paths;
}

QStringList Investigation::photoFiles() const
{
    // A photo belongs to an observation when its file name is the observation's photo name;
    // names from files are compared literally, never as patterns.
    const QStringList listed = folderPhotos();
    QStringList result;
    for (const ObservationRecord &o : m_observations) {
        if (o.photoFile.isEmpty())
            continue;
        for (const QString &path : listed) {
            if (QFileInfo(path).fileName() == o.photoFile) {
                result << path;
                break;
            }
        }
    }
    return result;
}

bool Investigation::rename(const QString &newBaseName)
{
    if (!isSafeBaseName(newBaseName)) {
        Reporter::error(QCoreApplication::translate("Investigation", "Der Name \"%1\" ist als Dateiname nicht erlaubt.").arg(newBaseName));
        return false;
    }
    const QFileInfo oldInfo(m_fileName);
    const QString oldBase = oldInfo.completeBaseName();
    const QString suffix = oldInfo.suffix();
    const QString oldFolder = m_folder;
    QDir dir(m_folder);
    bool ok = true;

    // A name whose folder part is no folder of its own ("..", ".") would rename the folder
    // holding the inspection or one above it.
    if (!isSafeBaseName(oldBase)) {
        Reporter::error(QCoreApplication::translate("Investigation", "Der Name \"%1\" ist als Dateiname nicht erlaubt.")
                            .arg(oldInfo.fileName()));
        return false;
    }

    // The inspection's folder carries its name; a folder named otherwise stays as it is.
    const QString cleanFolder = QDir::cleanPath(QFileInfo(m_folder).absoluteFilePath());
    if (QFileInfo(cleanFolder).fileName() == oldBase) {
        const QString parent = QFileInfo(cleanFolder).absolutePath();
        const QString moved = parent + QLatin1Char('/') + newBaseName;
        if (!FileHelper::renameWithin(cleanFolder, moved, parent))
            return false;
        dir.setPath(moved);
        m_folder = dir.absolutePath() + QLatin1Char('/');
    }
    m_fileName = suffix.isEmpty() && !oldInfo.fileName().endsWith(QLatin1Char('.'))
                     ? newBaseName
                     : newBaseName + QLatin1Char('.') + suffix;

    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : files) {
        if (!name.startsWith(oldBase))
            continue;
        const QString renamed = QString(name).replace(oldBase, newBaseName);
        if (!FileHelper::renameWithin(dir.absoluteFilePath(name), dir.absoluteFilePath(renamed), dir.absolutePath()))
            ok = false;
    }

    // The video moved with the folder.
    if (!m_videoFile.isEmpty() && m_videoFile.startsWith(oldFolder)) {
        QString videoName = m_videoFile.mid(oldFolder.size());
        if (!videoName.contains(QLatin1Char('/')) && videoName.startsWith(oldBase))
            videoName.replace(oldBase, newBaseName);
        m_videoFile = m_folder + videoName;
    }
    // A file that failed to load stays guarded under its new name, also where it did not exist.
    if (m_loadFailed && m_failedPath == QFileInfo(oldFolder + oldInfo.fileName()).absoluteFilePath())
        m_failedPath = QFileInfo(filePath()).absoluteFilePath();
    return ok;
}
