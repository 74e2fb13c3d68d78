#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file so that it is either the complete new content or, after any failure (a full
// disk, a quota, a read-only medium, the program killed), the old file as it was.
//
// The content goes into a temporary file beside the target, named as the target followed by "."
// and six random letters (what FileHelper::removeStaleSaveFiles clears away after a crash). Every
// write is checked, the file's size on disk must equal the bytes written, the file is flushed to
// the disk, and only then does it take the target's place in one rename. A buffered writer can
// lose its last block without a word (Qt's QSaveFile does on a full disk); nothing here buffers.
//
// Like QSaveFile, an existing target keeps its permissions, a read-only target or a folder is
// refused, and a symbolic link is followed, so the file it points to is replaced.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // The whole sequence for content made in memory. False when the target was not replaced;
    // error (if given) then says why, without the file's name, which the caller's message holds.
    static bool writeFile(const QString &path, const QByteArray &content, QString *error = nullptr);

    // Creates the temporary file.
    bool open();
    // The temporary file, for writers that open a file by its name (a printer, QSettings). What
    // they write is checked by the caller before commit.
    QString temporaryPath() const { return m_temporaryPath; }
    // Writes all of data to the temporary file.
    bool write(const QByteArray &data);
    // Moves the temporary file into place when it holds what write() took.
    bool commit();
    // The same for a file another writer filled: it must hold exactly expectedSize bytes.
    bool commit(qint64 expectedSize);

    // The target after symbolic links were followed.
    QString targetPath() const { return m_targetPath; }
    // Why the last step failed; empty while none did.
    QString errorString() const { return m_errorString; }

private:
    bool fail(const QString &reason);
    void discard();

    QString m_targetPath;
    QString m_temporaryPath;
    QString m_errorString;
    int m_fd = -1;
    qint64 m_written = 0;
    bool m_committed = false;
};
