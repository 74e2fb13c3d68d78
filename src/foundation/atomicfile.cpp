#include "foundation/atomicfile.h"

#include "foundation/filehelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code)
{
    return qt_error_string(code);
}

// Six letters of both cases with an upper-case one after the first, so that the name is never
// one a person would give and the stale-file cleanup recognises it.
QString randomPart()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (;;) {
        QString part;
        bool lower = false;
        bool upperAfterFirst = false;
        for (int i = 0; i < 6; ++i) {
            const char c = letters[QRandomGenerator::global()->bounded(52)];
            part += QLatin1Char(c);
            if (c >= 'a')
                lower = true;
            else if (i > 0)
                upperAfterFirst = true;
        }
        if (lower && upperAfterFirst)
            return part;
    }
}

// What a system call on a file left in errno, retried while a signal interrupted it.
template<typename Call>
auto retried(Call call) -> decltype(call())
{
    decltype(call()) result;
    do
        result = call();
    while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

AtomicFile::AtomicFile(const QString &path)
{
    // A link is followed to its end, even when that end does not exist yet.
    QFileInfo info(path);
    int depth = 128;
    while (--depth > 0 && info.isSymLink())
        info.setFile(info.symLinkTarget());
    m_targetPath = depth > 0 ? info.absoluteFilePath() : QFileInfo(path).absoluteFilePath();
}

AtomicFile::~AtomicFile()
{
    if (!m_committed)
        discard();
}

bool AtomicFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    AtomicFile file(path);
    if (file.open() && file.write(content) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool AtomicFile::open()
{
    discard();
    m_errorString.clear();
    m_written = 0;
    m_committed = false;
    const QByteArray target = QFile::encodeName(m_targetPath);
    struct stat existing;
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(systemError(EISDIR));
    // Replacing a read-only file would go through, since only the folder's permission counts.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(systemError(errno));

    const QString prefix = m_targetPath + QLatin1Char('.');
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = prefix + randomPart();
        const QByteArray name = QFile::encodeName(candidate);
        const int fd = retried([&] { return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(systemError(errno));
        }
        m_fd = fd;
        m_temporaryPath = candidate;
        FileHelper::noteSaveFile(candidate, true);
        if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0)
            return fail(systemError(errno));
        return true;
    }
    return fail(systemError(EEXIST));
}

bool AtomicFile::write(const QByteArray &data)
{
    if (m_fd < 0)
        return fail(systemError(EBADF));
    const char *at = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = retried([&] { return ::write(m_fd, at, size_t(left)); });
        if (written < 0)
            return fail(systemError(errno));
        if (written == 0)
            return fail(systemError(ENOSPC)); // a regular file takes nothing only when it is full
        at += written;
        left -= written;
        m_written += written;
    }
    return true;
}

bool AtomicFile::commit()
{
    return commit(m_written);
}

bool AtomicFile::commit(qint64 expectedSize)
{
    if (m_temporaryPath.isEmpty())
        return fail(systemError(EBADF));
    // Some file systems (network ones) report a failed write only when the file is closed.
    if (m_fd >= 0) {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            return fail(systemError(errno));
    }
    // Opened again by its name: another writer may have put a new file there.
    const QByteArray temporary = QFile::encodeName(m_temporaryPath);
    const int fd = retried([&] { return ::open(temporary.constData(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0)
        return fail(systemError(errno));
    struct stat written;
    if (::fstat(fd, &written) != 0) {
        const int code = errno;
        ::close(fd);
        return fail(systemError(code));
    }
    if (written.st_size != expectedSize) {
        ::close(fd);
        return fail(QCoreApplication::translate("AtomicFile", "Nur %1 von %2 Bytes wurden geschrieben.")
                        .arg(qint64(written.st_size))
                        .arg(expectedSize));
    }
    // Without this, a power failure right after the rename can leave an empty file in place.
    // File systems that cannot flush say so with EINVAL; that is no failure of the content.
    if (retried([&] { return ::fsync(fd); }) != 0 && errno != EINVAL) {
        const int code = errno;
        ::close(fd);
        return fail(systemError(code));
    }
    ::close(fd);
    if (::rename(temporary.constData(), QFile::encodeName(m_targetPath).constData()) != 0)
        return fail(systemError(errno));
    m_committed = true;
    FileHelper::noteSaveFile(m_temporaryPath, false);
    m_temporaryPath.clear();
    // The rename itself reaches the disk with the folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(m_targetPath).absolutePath());
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

bool AtomicFile::fail(const QString &reason)
{
    m_errorString = reason;
    discard();
    return false;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporaryPath.isEmpty()) {
        if (::unlink(QFile::encodeName(m_temporaryPath).constData()) == 0)
            FileHelper::noteSaveFile(m_temporaryPath, false);
        m_temporaryPath.clear();
    }
}
