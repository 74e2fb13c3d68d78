#pragma once

#include <QMutex>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>

// What a file operation of FileHelper has done so far and, where it failed, why. It knows no
// widget: a caller reads it afterwards or follows it through the handlers. Progress counts bytes
// for a copy and entries for a deletion.
//
// The operation calls setTotal, beginFile and advance on the caller's thread, and the handlers
// run there. Failures may be recorded from any thread.
class FileProgress
{
public:
    // One entry that could not be copied or deleted.
    struct Failure
    {
        QString path;
        QString reason;
    };

    FileProgress() = default;
    FileProgress(const FileProgress &) = delete;
    FileProgress &operator=(const FileProgress &) = delete;

    // Called once the operation knows how much there is to do.
    void setTotalHandler(std::function<void(qint64 total)> handler) { m_totalHandler = std::move(handler); }
    // Called after every step with what that step added.
    void setAdvanceHandler(std::function<void(qint64 amount)> handler) { m_advanceHandler = std::move(handler); }

    // For the operations.
    void setTotal(qint64 total);
    // A file copy starts: currentFileDone() counts from zero again.
    void beginFile(const QString &path);
    void advance(qint64 amount);
    void fail(const QString &path, const QString &reason);

    // Asks a running copy to stop, from any thread or from a handler: it stops before its next
    // step, removes the file it was writing and fails.
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }

    qint64 total() const { return m_total; }
    qint64 done() const { return m_done; }
    QString currentFile() const { return m_currentFile; }
    qint64 currentFileDone() const { return m_currentFileDone; }

    bool hasFailed() const;
    // In the order they happened (for a deletion, the order of the worker threads).
    QVector<Failure> failures() const;
    // One line "path: reason" per failure; empty when nothing failed.
    QString errorString() const;

private:
    std::function<void(qint64)> m_totalHandler;
    std::function<void(qint64)> m_advanceHandler;
    qint64 m_total = 0;
    qint64 m_done = 0;
    QString m_currentFile;
    qint64 m_currentFileDone = 0;
    std::atomic<bool> m_cancelled{false};
    mutable QMutex m_failureMutex;
    QVector<Failure> m_failures;
};
