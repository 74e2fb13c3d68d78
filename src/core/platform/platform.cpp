#include "core/platform/platform.h"

#include <QDir>
#include <QStandardPaths>

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

} // namespace Platform
