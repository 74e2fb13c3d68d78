#include "foundation/debuglog.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace {

QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

QFile *logFile = nullptr;
QtMessageHandler previousHandler = nullptr;

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("(yyyy-MM-dd hh:mm:ss)"));
}

void writeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // A message raised while this thread writes one (by the stream itself) would wait for the
    // lock it holds; it is dropped instead.
    static thread_local bool writing = false;
    if (writing)
        return;
    const char *level = nullptr;
    switch (type) {
    case QtDebugMsg:
        level = "Debug";
        break;
    case QtWarningMsg:
        level = "Warning";
        break;
    case QtCriticalMsg:
        level = "Critical";
        break;
    case QtFatalMsg:
        level = "Fatal";
        break;
    default:
        return; // informational messages are not logged
    }
    // One pass of arg() with all values, so placeholders inside the message stay as they are.
    const QString line = QLatin1String(level)
                         + QStringLiteral(": file %1 in line %2 in function %3: %4")
                               .arg(QString::fromUtf8(context.file), QString::number(context.line),
                                    QString::fromUtf8(context.function), message);
    QMutexLocker lock(&logMutex());
    if (!logFile)
        return; // stopped while this message was on its way
    writing = true;
    DebugLog::stream() << line << Qt::endl;
    writing = false;
}

} // namespace

QTextStream &DebugLog::stream()
{
    static QTextStream *theStream = new QTextStream;
    return *theStream;
}

bool DebugLog::isOpen()
{
    QMutexLocker lock(&logMutex());
    QIODevice *device = stream().device();
    return device && device->isOpen();
}

bool DebugLog::start(const QString &filePath)
{
    QMutexLocker lock(&logMutex());
    if (logFile)
        return true;
    auto *file = new QFile(filePath);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete file;
        return false;
    }
    logFile = file;
    stream().setDevice(logFile);
    stream() << QStringLiteral("starting zozorure debug system ") << timeStamp() << Qt::endl;
    previousHandler = qInstallMessageHandler(writeMessage);
    return true;
}

void DebugLog::stop()
{
    QMutexLocker lock(&logMutex());
    if (!logFile)
        return;
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    stream() << QStringLiteral("closing zozorure debug system ") << timeStamp() << Qt::endl << Qt::endl;
    stream().setDevice(nullptr);
    logFile->close();
    delete logFile;
    logFile = nullptr;
}
