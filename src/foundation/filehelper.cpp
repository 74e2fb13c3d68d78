#include "foundation/filehelper.h"

#include "foundation/global.h"
#include "foundation/platform/mediainfo.h"
#include "foundation/platform/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHash>
#include <QMutex>
#include <QProgressBar>
#include <QSet>
#include <QStringList>
#include <QTemporaryFile>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// Large enough that the per-block work (signal, progress, event pass, system call) is negligible
// against the copying itself, small enough that the window repaints and a cancel is noticed
// several times per second even on slow media. 4 KB blocks made a folder copy several times
// slower than the system's cp; bench/ measures it.
const int FileHelper::kCopyBlockSize = 1024 * 1024;

namespace {

const QDir::Filters kCopyListing = QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot;
// Links whose target is gone are "system" entries for QDir; they are listed so that they can be
// deleted like any other link. Hidden entries go too: a folder keeping one could never be removed.
const QDir::Filters kDeleteListing = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;

// QDir lists an unreadable folder as empty; this tells the two apart.
bool canListFolder(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

// The text a symbolic link holds, as written (a relative target stays relative).
QByteArray readLinkText(const QString &link)
{
    QByteArray buffer(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), buffer.data(), buffer.size());
    if (length <= 0 || length >= buffer.size())
        return QByteArray();
    buffer.truncate(static_cast<int>(length));
    return buffer;
}

// The system's text for errno as the last call left it.
QString systemError()
{
    return qt_error_string(errno);
}

// Empty when the link was recreated, else why not.
QString copyLink(const QString &link, const QString &target)
{
    const QByteArray text = readLinkText(link);
    if (text.isEmpty())
        return FileHelper::tr("Die Verknüpfung %1 kann nicht gelesen werden.").arg(link);
    const QFileInfo existing(target);
    if (existing.isSymLink())
        QFile::remove(target);
    else if (existing.exists())
        return FileHelper::tr("Eine Datei oder ein Ordner dieses Namens ist im Weg."); // never replaced by a link
    if (::symlink(text.constData(), QFile::encodeName(target).constData()) != 0)
        return FileHelper::tr("Die Verknüpfung kann nicht angelegt werden: %1").arg(systemError());
    return QString();
}

// The absolute path with its nearest existing ancestor resolved through links; the parts
// below it, which do not exist yet, as written.
QString resolvedPath(const QString &path)
{
    QString existing = QFileInfo(path).absoluteFilePath();
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            break;
        rest.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
    return QFileInfo(existing).canonicalFilePath() + rest;
}

bool isInside(const QString &path, const QString &folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    // The target may not exist yet: resolve its nearest existing ancestor.
    const QString canonicalPath = resolvedPath(path);
    return !canonicalFolder.isEmpty()
           && (canonicalPath == canonicalFolder || canonicalPath.startsWith(canonicalFolder + QLatin1Char('/')));
}

// Whether path starts with folder followed by more than a separator; both clean and absolute.
bool isBelow(const QString &path, const QString &folder)
{
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.size() > prefix.size() && path.startsWith(prefix);
}

QStringList collectEntries(const QString &folder, FileProgress &progress)
{
    // Listed as empty, the folder would only fail later as "not empty", hiding the reason.
    if (!canListFolder(folder))
        progress.fail(folder, FileHelper::tr("Der Ordner kann nicht gelesen werden: %1").arg(systemError()));
    const QFileInfoList listed = QDir(folder).entryInfoList(kDeleteListing, QDir::DirsFirst | QDir::Name);
    QStringList entries;
    QStringList folders;
    entries.reserve(listed.size());
    for (const QFileInfo &info : listed) {
        entries.append(info.absoluteFilePath());
        if (info.isDir() && !info.isSymLink())
            folders.append(info.absoluteFilePath());
    }
    for (const QString &sub : folders)
        entries.append(collectEntries(sub, progress));
    return entries;
}

bool removeFile(const QString &path, FileProgress &progress)
{
    QFile file(path);
    if (file.remove())
        return true;
    progress.fail(path, FileHelper::tr("Die Datei kann nicht gelöscht werden: %1").arg(file.errorString()));
    return false;
}

void deleteEntry(const QString &path, FileProgress &progress)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // The link itself, never what it points to.
        removeFile(path, progress);
        return;
    }
    if (!info.exists())
        return;
    if (info.isFile()) {
        removeFile(path, progress);
        return;
    }
    if (info.isDir()) {
        const QString name = info.fileName();
        const QByteArray encoded = QFile::encodeName(info.absoluteFilePath());
        for (int attempt = 1; ::rmdir(encoded.constData()) != 0; ++attempt) {
            // Entries inside may still be in the hands of other tasks.
            if (attempt >= 100) {
                progress.fail(path, FileHelper::tr("Der Ordner kann nicht gelöscht werden: %1").arg(systemError()));
                qDebug("Exiting after 100 tries without success.");
                return;
            }
            QThread::msleep(10);
            qDebug().noquote() << QStringLiteral("Try %1 to delete %2").arg(attempt).arg(name);
        }
        return;
    }
    progress.fail(path, FileHelper::tr("Weder Datei noch Ordner."));
    qDebug().noquote() << "Invalid path:" << info.absoluteFilePath();
}

// Lets tests take every copy through the plain reads and writes.
std::atomic<bool> s_kernelCopyAllowed{true};

// Copies one open file into another, one block per step, at both files' current offsets. The
// kernel copies the data itself where it can (no trip through this process, and a file system
// may share the blocks); where it cannot for this pair of files, the bytes are read and written
// through a buffer instead.
class BlockCopier
{
public:
    BlockCopier(int in, int out) : m_in(in), m_out(out), m_kernel(s_kernelCopyAllowed) {}

    // Bytes copied by this step, 0 at the end of the input, -1 on failure (errno tells why and
    // failedReading() which side).
    qint64 next()
    {
        if (m_kernel) {
            const ssize_t copied = ::copy_file_range(m_in, nullptr, m_out, nullptr, FileHelper::kCopyBlockSize, 0);
            // Files of /proc and the like claim no size, so the kernel copies nothing of them:
            // an empty first step is confirmed by a read.
            if (copied > 0 || (copied == 0 && m_copied > 0))
                return advanced(copied);
            // Any error sends this and the following steps through the buffer: either the
            // kernel cannot copy between these files (another file system, an old kernel, a
            // special file), or the buffered step meets the same fault and tells whether reading
            // or writing failed.
            m_kernel = false;
        }
        return advanced(copyThroughBuffer());
    }

    bool failedReading() const { return m_failedReading; }

private:
    qint64 advanced(qint64 copied)
    {
        if (copied > 0)
            m_copied += copied;
        return copied;
    }

    qint64 copyThroughBuffer()
    {
        if (!m_buffer)
            m_buffer.reset(new char[FileHelper::kCopyBlockSize]);
        ssize_t length;
        do
            length = ::read(m_in, m_buffer.get(), FileHelper::kCopyBlockSize);
        while (length < 0 && errno == EINTR);
        if (length < 0) {
            m_failedReading = true;
            return -1;
        }
        // A write may stop part way (a full disk): the rest is written again, which either
        // succeeds or fails with the system's reason.
        for (ssize_t done = 0; done < length;) {
            const ssize_t written = ::write(m_out, m_buffer.get() + done, size_t(length - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                if (written == 0)
                    errno = ENOSPC;
                m_failedReading = false;
                return -1;
            }
            done += written;
        }
        return length;
    }

    const int m_in;
    const int m_out;
    bool m_kernel;
    bool m_failedReading = false;
    qint64 m_copied = 0;
    std::unique_ptr<char[]> m_buffer;
};

QString cancelledText()
{
    return FileHelper::tr("Das Kopieren wurde abgebrochen.");
}

// Whole kilobytes completed by a step of `amount` bytes that brought a file to `fileDone` bytes,
// so that the steps of a file add up without loss.
int wholeKilobytes(qint64 fileDone, qint64 amount)
{
    return static_cast<int>(fileDone / 1024 - (fileDone - amount) / 1024);
}

} // namespace

FileHelper::FileHelper(QProgressBar *progressBar)
    : QObject(nullptr)
    , m_progressBar(progressBar)
{
}

bool FileHelper::isStrictlyInside(const QString &path, const QString &folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    // As written: ".." steps are taken by the text, as the file system takes them below a
    // folder that is no link.
    const QString cleanFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString cleanPath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!isBelow(cleanPath, cleanFolder))
        return false;
    // As the file system resolves the folders on the way, so that a link among them does not
    // lead elsewhere; the last part stays as named.
    const QString canonicalFolder = QFileInfo(cleanFolder).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return false;
    const int slash = cleanPath.lastIndexOf(QLatin1Char('/'));
    QString parent = resolvedPath(slash > 0 ? cleanPath.left(slash) : QStringLiteral("/"));
    if (!parent.endsWith(QLatin1Char('/')))
        parent += QLatin1Char('/');
    return isBelow(parent + cleanPath.mid(slash + 1), canonicalFolder);
}

bool FileHelper::renameWithin(const QString &from, const QString &to, const QString &within, QString *error)
{
    const auto fail = [error](const QString &reason) {
        qDebug().noquote() << "renameWithin:" << reason;
        if (error)
            *error = reason;
        return false;
    };
    if (!isStrictlyInside(from, within) || !isStrictlyInside(to, within))
        return fail(tr("%1 oder %2 liegt nicht im Ordner %3.").arg(from, to, within));
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return fail(tr("%1 existiert bereits.").arg(to));
    if (!QDir().rename(from, to))
        return fail(tr("%1 kann nicht in %2 umbenannt werden.").arg(from, to));
    if (error)
        error->clear();
    return true;
}

bool FileHelper::copyDirectory(const QString &source, const QString &target, const QString &within,
                               QProgressBar *progressBar)
{
    // Held by QPointer: the event passes during the copy may destroy the bar.
    QPointer<QProgressBar> bar(progressBar);
    FileProgress progress;
    progress.setTotalHandler([&bar](qint64 bytes) {
        if (bar) {
            bar->setMaximum(static_cast<int>(bytes / 1024));
            bar->setValue(0);
        }
    });
    progress.setAdvanceHandler([&bar, &progress](qint64 bytes) {
        if (bar) {
            const int kilobytes = wholeKilobytes(progress.currentFileDone(), bytes);
            bar->setValue(qMin(bar->value() + kilobytes, bar->maximum()));
        }
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    });
    const bool copied = copyDirectory(source, target, within, progress);
    // Progress counts whole kilobytes per file; the parts of a kilobyte left over at each
    // file's end would otherwise leave a finished copy just short of full.
    if (copied && bar)
        bar->setValue(bar->maximum());
    return copied;
}

bool FileHelper::copyDirectory(const QString &source, const QString &target, const QString &within,
                               FileProgress &progress)
{
    if (!isStrictlyInside(target, within)) {
        qDebug().noquote() << "copyDirectory: target" << target << "lies outside" << within;
        progress.fail(target, tr("Das Ziel liegt nicht im Ordner %1.").arg(within));
        return false;
    }
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir()) {
        qDebug().noquote() << "copyDirectory: no folder" << source;
        progress.fail(source, sourceInfo.exists() ? tr("Das ist kein Ordner.") : tr("Der Ordner existiert nicht."));
        return false;
    }
    if (isInside(target, source)) {
        // The copy would find itself in the source and grow without end.
        qDebug().noquote() << "copyDirectory: target" << target << "lies inside" << source;
        progress.fail(target, tr("Das Ziel liegt im Ordner %1, der kopiert werden soll.").arg(source));
        return false;
    }
    // Exact: the size is a sum of multiples of 1/1024.
    progress.setTotal(static_cast<qint64>(folderSizeKB(source) * 1024.0));
    const bool complete = copyTree(source, target, progress);
    // Cancelled between two files, no file copy has said so.
    const QVector<FileProgress::Failure> failures = progress.failures();
    if (progress.isCancelled() && (failures.isEmpty() || failures.constLast().reason != cancelledText()))
        progress.fail(target, cancelledText());
    return complete && !progress.isCancelled();
}

bool FileHelper::copyTree(const QString &source, const QString &target, FileProgress &progress)
{
    if (!QDir().mkpath(target)) {
        qDebug().noquote() << "copyDirectory: cannot create" << target;
        progress.fail(target, tr("Der Ordner kann nicht angelegt werden."));
        return false;
    }
    if (!canListFolder(source)) {
        progress.fail(source, tr("Der Ordner kann nicht gelesen werden: %1").arg(systemError()));
        qDebug().noquote() << "copyDirectory: cannot read" << source;
        return false;
    }
    bool complete = true;
    const QFileInfoList entries = QDir(source).entryInfoList(kCopyListing, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (progress.isCancelled())
            return false;
        const QString from = source + QLatin1Char('/') + entry.fileName();
        const QString to = target + QLatin1Char('/') + entry.fileName();
        if (entry.isSymLink() && !entry.isFile()) {
            const QString reason = copyLink(from, to);
            if (!reason.isEmpty()) {
                qDebug().noquote() << "copyDirectory: cannot recreate the link" << to;
                progress.fail(to, reason);
                complete = false;
            }
        } else if (entry.isDir()) {
            complete = copyTree(from, to, progress) && complete;
        } else {
            complete = copyFile(from, to, progress) && complete;
        }
    }
    return complete;
}

bool FileHelper::setKernelCopyAllowed(bool allowed)
{
    return s_kernelCopyAllowed.exchange(allowed);
}

bool FileHelper::copyFile(const QString &source, const QString &target)
{
    if (!m_connected) {
        connect(this, &FileHelper::copiedBytes, this, &FileHelper::copiedBytesSlot);
        m_connected = true;
    }
    FileProgress progress;
    progress.setAdvanceHandler([this, &progress](qint64 bytes) {
        emit copiedBytes(wholeKilobytes(progress.currentFileDone(), bytes));
    });
    const bool copied = copyFile(source, target, progress);
    m_errorString = progress.errorString();
    return copied;
}

bool FileHelper::copyFile(const QString &source, const QString &target, FileProgress &progress)
{
    progress.beginFile(source);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qDebug().noquote() << "copyFile: cannot read" << source << in.errorString();
        progress.fail(source, tr("Die Datei kann nicht gelesen werden: %1").arg(in.errorString()));
        return false;
    }
    const QFileInfo targetInfo(target);
    QTemporaryFile out(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName()
                       + QStringLiteral(".XXXXXX"));
    if (!out.open()) {
        qDebug().noquote() << "copyFile: cannot write" << target << out.errorString();
        progress.fail(target, tr("Die Datei kann nicht geschrieben werden: %1").arg(out.errorString()));
        return false;
    }

    BlockCopier copier(in.handle(), out.handle());
    qint64 copied = 0;
    for (;;) {
        if (progress.isCancelled()) {
            qDebug().noquote() << "copyFile: cancelled" << target;
            progress.fail(target, cancelledText());
            return false; // the temporary file goes with `out`
        }
        const qint64 length = copier.next();
        if (length < 0) {
            const bool reading = copier.failedReading();
            qDebug().noquote() << "copyFile:" << (reading ? "read error in" : "write error in")
                               << (reading ? source : target) << systemError();
            if (reading)
                progress.fail(source, tr("Lesefehler: %1").arg(systemError()));
            else
                progress.fail(target, tr("Schreibfehler: %1").arg(systemError()));
            return false;
        }
        if (length == 0)
            break;
        copied += length;
        progress.advance(length);
    }
    // What the disk holds, not what the writes claimed.
    if (out.size() != copied) {
        qDebug().noquote() << "copyFile: incomplete" << target;
        progress.fail(target, tr("Schreibfehler: %1")
                                  .arg(QCoreApplication::translate("AtomicFile", "Nur %1 von %2 Bytes wurden geschrieben.")
                                           .arg(out.size())
                                           .arg(copied)));
        return false;
    }

    // The permission bits of the source, as QFile's permissions would carry them over.
    struct stat status;
    if (::fstat(in.handle(), &status) == 0)
        ::fchmod(out.handle(), status.st_mode & 0777);
    const QByteArray encodedTarget = QFile::encodeName(target);
    struct stat existing;
    if (::lstat(encodedTarget.constData(), &existing) != 0 && errno == ENOENT) {
        // A new file gets its name in one step (the unnamed temporary file is linked under it);
        // the rename that replaces an existing file would cost a second one. Asking an unnamed
        // file for its name would link it under one: only a file that had a name and failed to
        // move is removed by that name.
        out.setAutoRemove(false); // after the rename, the file removed would be the target
        if (!out.rename(target)) {
            progress.fail(target, tr("Die Datei kann nicht ersetzt werden: %1").arg(out.errorString()));
            qDebug().noquote() << "copyFile: cannot place" << target;
            const QString leftover = out.fileName(); // closed by now: empty when it had no name
            if (!leftover.isEmpty() && leftover != target)
                QFile::remove(leftover);
            return false;
        }
        return true;
    }
    // An existing file is replaced: its new content must be on the disk before the rename, so
    // that a power failure cannot leave an empty file where the old one was.
    if (::fsync(out.handle()) != 0 && errno != EINVAL) {
        qDebug().noquote() << "copyFile: cannot flush" << target;
        progress.fail(target, tr("Schreibfehler: %1").arg(systemError()));
        return false;
    }
    out.close();
    if (std::rename(QFile::encodeName(out.fileName()).constData(), encodedTarget.constData()) != 0) {
        progress.fail(target, tr("Die Datei kann nicht ersetzt werden: %1").arg(systemError()));
        qDebug().noquote() << "copyFile: cannot replace" << target;
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

void FileHelper::copiedBytesSlot(int kilobytes)
{
    if (m_progressBar)
        m_progressBar->setValue(qMin(m_progressBar->value() + kilobytes, m_progressBar->maximum()));
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

double FileHelper::folderSizeKB(const QString &folder)
{
    double size = 0.0;
    const QFileInfoList entries = QDir(folder).entryInfoList(kCopyListing, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        if (entry.isFile())
            size += static_cast<double>(entry.size()) * (1.0 / 1024.0);
        else
            size += folderSizeKB(entry.absoluteFilePath());
    }
    return size;
}

bool FileHelper::removeDirectory(const QString &folder, const QString &within, QProgressBar *progressBar)
{
    QPointer<QProgressBar> bar(progressBar);
    FileProgress progress;
    if (bar && QCoreApplication::instance()) {
        progress.setTotalHandler([&bar](qint64 entries) {
            if (bar)
                bar->setRange(0, static_cast<int>(entries) - 1);
        });
        progress.setAdvanceHandler([&bar, &progress](qint64) {
            if (bar)
                bar->setValue(static_cast<int>(progress.done()));
        });
    }
    return removeDirectory(folder, within, progress);
}

bool FileHelper::removeDirectory(const QString &folder, const QString &within, FileProgress &progress)
{
    // An empty path would stand for the working folder.
    if (folder.isEmpty()) {
        progress.fail(folder, tr("Kein Ordner angegeben."));
        return false;
    }
    if (!isStrictlyInside(folder, within)) {
        qDebug().noquote() << "removeDirectory:" << folder << "lies outside" << within;
        progress.fail(folder, tr("Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.").arg(within));
        return false;
    }
    // Without a trailing separator, so that the folder itself goes and not only its contents.
    const QFileInfo folderInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (folderInfo.isSymLink())
        return removeFile(folderInfo.filePath(), progress);
    if (!folderInfo.isDir()) {
        progress.fail(folderInfo.filePath(), folderInfo.exists() ? tr("Das ist kein Ordner.") : tr("Der Ordner existiert nicht."));
        return false;
    }

    QStringList entries = collectEntries(folderInfo.filePath(), progress);
    // A folder's contents before the folder.
    std::reverse(entries.begin(), entries.end());
    progress.setTotal(entries.size());

    QFutureWatcher<void> watcher;
    // Finished entries as the watcher reports them, on this thread.
    connect(&watcher, &QFutureWatcher<void>::progressValueChanged, &watcher,
            [&progress](int finished) { progress.advance(finished - progress.done()); });

    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    const QFuture<void> future = QtConcurrent::map(entries, [&progress](const QString &path) { deleteEntry(path, progress); });
    watcher.setFuture(future);
    const bool haveApplication = QCoreApplication::instance() != nullptr;
    if (haveApplication && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        if (!future.isFinished())
            loop.exec();
        else
            watcher.waitForFinished();
    } else {
        watcher.waitForFinished();
    }

    if (::rmdir(QFile::encodeName(folderInfo.filePath()).constData()) != 0) {
        progress.fail(folderInfo.filePath(), tr("Der Ordner kann nicht gelöscht werden: %1").arg(systemError()));
        return false;
    }
    return true;
}

namespace {

// Six letters as Qt's temporary files get them: drawn at random from both cases, so that all
// lower, all upper or only the first letter upper is what a person names a file.
bool isRandomPart(const QStringRef &part)
{
    if (part.size() != 6)
        return false;
    bool upperAfterFirst = false;
    bool lower = false;
    for (int i = 0; i < part.size(); ++i) {
        const ushort c = part.at(i).unicode();
        if (c >= 'a' && c <= 'z')
            lower = true;
        else if (c >= 'A' && c <= 'Z')
            upperAfterFirst = upperAfterFirst || i > 0;
        else
            return false;
    }
    return upperAfterFirst && lower;
}

bool isSaveFileOf(const QString &candidate, const QString &name)
{
    if (!candidate.startsWith(name + QLatin1Char('.')))
        return false;
    const QVector<QStringRef> parts = candidate.midRef(name.size() + 1).split(QLatin1Char('.'));
    if (parts.size() == 1)
        return isRandomPart(parts.at(0));
    return parts.size() == 2 && isRandomPart(parts.at(0))
           && (parts.at(1) == QLatin1String("lock") || isRandomPart(parts.at(1)));
}

// Whether a save of some file may have left this name: it ends in "." and a random part, or in
// such a part and ".lock". Every name isSaveFileOf accepts for any file passes.
bool mayBeSaveFile(const QString &candidate)
{
    const QVector<QStringRef> parts = candidate.splitRef(QLatin1Char('.'));
    if (parts.size() < 2)
        return false;
    if (isRandomPart(parts.last()))
        return true;
    return parts.size() >= 3 && parts.last() == QLatin1String("lock") && isRandomPart(parts.at(parts.size() - 2));
}

// The names in each folder that saves may have left, learnt from one listing of the folder per
// session and kept up to date by the saves of this process (see FileHelper::noteSaveFile).
// Saving hundreds of inspections into one folder would otherwise list it for each of them,
// and the time to save them all would grow with the square of their number. What another
// program leaves behind in a folder already listed is found in the next session.
class SaveFileRegister
{
public:
    static SaveFileRegister &instance()
    {
        static SaveFileRegister the;
        return the;
    }

    // The candidates for name in folder (listed first if need be), removed from the register
    // while the caller looks at them; the caller hands back those that stay.
    QStringList take(const QString &folder, const QString &name)
    {
        struct stat info;
        if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
            return QStringList();
        QMutexLocker lock(&m_mutex);
        Folder &entry = m_folders[folder];
        // Another folder now stands under that name (moved, or removed and made anew).
        if (!entry.listed || entry.device != info.st_dev || entry.inode != info.st_ino) {
            entry = Folder();
            entry.device = info.st_dev;
            entry.inode = info.st_ino;
            entry.listed = list(folder, &entry.names);
        }
        QStringList taken;
        for (auto it = entry.names.begin(); it != entry.names.end();) {
            if (isSaveFileOf(*it, name)) {
                taken << *it;
                it = entry.names.erase(it);
            } else {
                ++it;
            }
        }
        return taken;
    }

    void note(const QString &folder, const QString &fileName, bool exists)
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_folders.find(folder);
        // A folder not listed yet is listed whole when first asked about.
        if (it == m_folders.end() || !it->listed)
            return;
        if (exists)
            it->names.insert(fileName);
        else
            it->names.remove(fileName);
    }

private:
    struct Folder
    {
        bool listed = false;
        dev_t device = 0;
        ino_t inode = 0;
        QSet<QString> names;
    };

    static bool list(const QString &folder, QSet<QString> *names)
    {
        DIR *dir = ::opendir(QFile::encodeName(folder).constData());
        if (!dir)
            return false;
        while (const dirent *entry = ::readdir(dir)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (mayBeSaveFile(name))
                names->insert(name);
        }
        ::closedir(dir);
        return true;
    }

    QMutex m_mutex;
    QHash<QString, Folder> m_folders;
};

} // namespace

int FileHelper::removeStaleSaveFiles(const QString &path)
{
    // A running save writes to its temporary file continuously; one untouched this long is left.
    const qint64 staleMilliseconds = 5 * 60 * 1000;
    const QFileInfo target(path);
    const QString name = target.fileName();
    if (name.isEmpty())
        return 0;
    const QString folder = target.absolutePath();
    const QStringList candidates = SaveFileRegister::instance().take(folder, name);
    const qint64 before = QDateTime::currentMSecsSinceEpoch() - staleMilliseconds;
    int removed = 0;
    for (const QString &candidate : candidates) {
        const QByteArray file = QFile::encodeName(folder + QLatin1Char('/') + candidate);
        struct stat info;
        if (::lstat(file.constData(), &info) != 0)
            continue; // gone
        const qint64 modified = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
        // Links and folders are never taken for a save's files; a recent file may be one being
        // written now.
        if (S_ISLNK(info.st_mode) || S_ISDIR(info.st_mode) || modified > before || ::unlink(file.constData()) != 0)
            SaveFileRegister::instance().note(folder, candidate, true);
        else
            ++removed;
    }
    return removed;
}

void FileHelper::noteSaveFile(const QString &path, bool exists)
{
    const QFileInfo file(path);
    SaveFileRegister::instance().note(file.absolutePath(), file.fileName(), exists);
}

namespace {
FileHelper::FreeSpaceQuery &freeSpaceQuery()
{
    static FileHelper::FreeSpaceQuery query;
    return query;
}
} // namespace

FileHelper::FreeSpaceQuery FileHelper::setFreeSpaceQuery(FreeSpaceQuery query)
{
    FreeSpaceQuery previous = std::move(freeSpaceQuery());
    freeSpaceQuery() = std::move(query);
    return previous;
}

double FileHelper::freeSpaceMB(const QString &path)
{
    if (freeSpaceQuery())
        return freeSpaceQuery()(path);
    const qint64 bytes = Platform::freeSpaceBytes(path);
    if (bytes < 0)
        return 0.0;
    return static_cast<double>(bytes) / 1024.0 / 1024.0;
}

QString FileHelper::replaceSuffix(const QString &path, const QString &newSuffix)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= nameStart ? path.left(dot) : path;
    return base + QLatin1Char('.') + newSuffix;
}

QString FileHelper::findVideoByBaseName(const QString &basePath)
{
    static const QStringList suffixes = [] {
        QStringList list;
        const QStringList patterns = Global::standardVideoFilter().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString pattern : patterns)
            list.append(pattern.remove(QLatin1Char('*')));
        return list;
    }();

    // One listing of the folder answers both passes: asking for each suffix in turn cost a file
    // system call apiece, and opening a project asks for every inspection. Only names that begin
    // with the base name can answer, so the entries are compared with it as the system gives
    // them, and only those that begin with it are made into names; the others cost no more.
    const QFileInfo base(basePath);
    const QString prefix = base.fileName();
    const QString folder = base.absolutePath();
    const QByteArray encodedFolder = QFile::encodeName(folder);
    const QByteArray encodedPrefix = QFile::encodeName(prefix);
    // A name the system spells in bytes that are no UTF-8 decodes to replacement characters.
    const bool byBytes = !prefix.contains(QChar::ReplacementCharacter);
    QSet<QString> names;
    if (DIR *dir = ::opendir(encodedFolder.constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const char *const entryName = entry->d_name;
            if ((byBytes && std::strncmp(entryName, encodedPrefix.constData(), size_t(encodedPrefix.size())) != 0)
                || std::strcmp(entryName, ".") == 0 || std::strcmp(entryName, "..") == 0)
                continue;
            const QString name = QFile::decodeName(entryName);
            if (!name.startsWith(prefix))
                continue;
            // What a listing of all entries holds: files, folders and links to either or to any
            // other existing entry; no sockets, devices or pipes and no broken links.
            const QByteArray path = encodedFolder + '/' + entryName;
            struct stat info;
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                if (::lstat(path.constData(), &info) != 0)
                    continue;
                type = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
            }
            if (type == DT_LNK ? ::stat(path.constData(), &info) != 0 : type != DT_REG && type != DT_DIR)
                continue;
            names.insert(name);
        }
        ::closedir(dir);
    }
    for (const QString &suffix : suffixes) {
        if (names.contains(prefix + suffix))
            return suffix;
    }

    // Videos copied from other systems often carry upper-case suffixes. Of several spellings,
    // the first in name order.
    for (const QString &suffix : suffixes) {
        QString found;
        for (const QString &name : qAsConst(names)) {
            if (name.size() != prefix.size() + suffix.size() || !name.startsWith(prefix)
                || !name.endsWith(suffix, Qt::CaseInsensitive))
                continue;
            const QFileInfo entry(folder + QLatin1Char('/') + name);
            if (!entry.isFile() || entry.isHidden())
                continue;
            const int order = found.compare(name, Qt::CaseInsensitive);
            if (found.isEmpty() || order > 0 || (order == 0 && found > name))
                found = name;
        }
        if (!found.isEmpty())
            return found.mid(prefix.size());
    }
    return QString();
}

QString FileHelper::videoFileFor(const QString &inspectionFile)
{
    const int nameStart = inspectionFile.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = inspectionFile.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= nameStart ? inspectionFile.left(dot) : inspectionFile;
    const QString suffix = findVideoByBaseName(base);
    return suffix.isEmpty() ? QString() : base + suffix;
}

bool FileHelper::isCompatibleFormat(const QString &generalFormat, const QString &videoFormat, const QString &width,
                                    const QString &height, const QString &standard)
{
    const bool mpeg4OrAvc = videoFormat == QLatin1String("MPEG-4 Visual") || videoFormat == QLatin1String("AVC");
    const bool pal = width == QLatin1String("720") || height == QLatin1String("576") || standard == QLatin1String("PAL");
    if (generalFormat == QLatin1String("AVI") || generalFormat == QLatin1String("MPEG-4"))
        return mpeg4OrAvc && pal;
    if (generalFormat == QLatin1String("Windows Media"))
        return videoFormat == QLatin1String("MPEG-4 Visual")
               && (width == QLatin1String("320") || height == QLatin1String("240"));
    return false;
}

bool FileHelper::isCompatibleVideo(const QString &videoFile)
{
    Platform::MediaInfo info;
    if (!info.isValid()) {
        qDebug() << "MediaInfo library not available";
        return false;
    }
    qDebug().noquote() << info.option(QStringLiteral("Info_Version"),
                                      QStringLiteral("0.7.13;MediaInfoDLL_Example_MSVC;0.7.13"));
    qDebug().noquote() << "Videoname:" << videoFile;
    if (!info.open(videoFile))
        return false;
    qDebug() << "Opened" << true;

    const auto value = [&info](Platform::MediaInfo::Stream stream, const char *parameter) {
        return info.get(stream, 0, QLatin1String(parameter)).trimmed();
    };
    const QString generalFormat = value(Platform::MediaInfo::General, "Format");
    qDebug().noquote() << "Format" << generalFormat;
    const QString videoFormat = value(Platform::MediaInfo::Video, "Format");
    const QString width = value(Platform::MediaInfo::Video, "Width");
    const QString height = value(Platform::MediaInfo::Video, "Height");
    const QString standard = value(Platform::MediaInfo::Video, "Standard");
    const bool compatible = isCompatibleFormat(generalFormat, videoFormat, width, height, standard);

    qDebug().noquote() << "Format" << videoFormat;
    qDebug().noquote() << "Format-Profil" << value(Platform::MediaInfo::Video, "Format_Profile");
    qDebug().noquote() << "Codec-ID" << value(Platform::MediaInfo::Video, "CodecID");
    qDebug().noquote() << "Breite" << width;
    qDebug().noquote() << "Höhe" << height;
    qDebug().noquote() << "Standard" << standard;
    qDebug() << "Close";
    info.close();
    return compatible;
}
