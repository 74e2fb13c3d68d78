#include "plan/dialogs/pdfpageconverter.h"

#include "plan/planxml.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString ProgramName = QStringLiteral("pdftocairo");
} // namespace

QString PdfPageConverter::findProgram()
{
    const QString own = QStandardPaths::findExecutable(ProgramName, {QCoreApplication::applicationDirPath()});
    return own.isEmpty() ? QStandardPaths::findExecutable(ProgramName) : own;
}

QImage PdfPageConverter::firstPage(const QString &pdfPath, QString *error, const QString &program, int timeoutMs)
{
    if (program.isEmpty()) {
        *error = tr("Das Programm pdftocairo wurde nicht gefunden.");
        return QImage();
    }
    // A folder of our own: no other program or user can put a picture where we read one.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = tr("Kein temporärer Ordner für die Umwandlung: %1").arg(folder.errorString());
        return QImage();
    }
    const QString output = folder.filePath(QStringLiteral("page"));

    QProcess process;
    QEventLoop loop;
    bool ended = false;
    QObject::connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, [&] {
        ended = true;
        loop.quit();
    });
    // A converter that cannot start never reports finished.
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError processError) {
        if (processError == QProcess::FailedToStart) {
            ended = true;
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    process.start(program,
                  {QStringLiteral("-q"), QStringLiteral("-singlefile"), QStringLiteral("-png"),
                   QFileInfo(pdfPath).absoluteFilePath(), output});
    if (!ended && process.state() != QProcess::NotRunning)
        loop.exec();

    if (process.error() == QProcess::FailedToStart) {
        *error = tr("Das Programm pdftocairo konnte nicht gestartet werden: %1").arg(process.errorString());
        return QImage();
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        *error = tr("Das Programm pdftocairo ist nicht fertig geworden.");
        return QImage();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = tr("Das Programm pdftocairo meldet einen Fehler (%1).").arg(process.exitCode());
        return QImage();
    }
    QImageReader reader(output + QStringLiteral(".png"));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PlanXml::MaxImagePixels) {
        *error = tr("Die erste Seite ist zu groß für einen Lageplan.");
        return QImage();
    }
    const QImage page = reader.read();
    if (page.isNull())
        *error = tr("Die Umwandlung hat kein Bild ergeben: %1").arg(reader.errorString());
    return page;
}
