#include "foundation/fileprogress.h"

#include <QStringList>

void FileProgress::setTotal(qint64 total)
{
    m_total = total;
    if (m_totalHandler)
        m_totalHandler(total);
}

void FileProgress::beginFile(const QString &path)
{
    m_currentFile = path;
    m_currentFileDone = 0;
}

void FileProgress::advance(qint64 amount)
{
    m_done += amount;
    m_currentFileDone += amount;
    if (m_advanceHandler)
        m_advanceHandler(amount);
}

void FileProgress::fail(const QString &path, const QString &reason)
{
    QMutexLocker lock(&m_failureMutex);
    m_failures.append({path, reason});
}

bool FileProgress::hasFailed() const
{
    QMutexLocker lock(&m_failureMutex);
    return !m_failures.isEmpty();
}

QVector<FileProgress::Failure> FileProgress::failures() const
{
    QMutexLocker lock(&m_failureMutex);
    return m_failures;
}

QString FileProgress::errorString() const
{
    QStringList lines;
    for (const Failure &failure : failures())
        lines.append(failure.path + QStringLiteral(": ") + failure.reason);
    return lines.join(QLatin1Char('\n'));
}
