#pragma once

#include "foundation/fileprogress.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QProgressBar;

// File-system work of the program: folder copy with progress, folder size, parallel folder
// deletion, free space, suffix replacement, finding an inspection's video and the video-format
// compatibility test.
//
// Symbolic links are never descended into: a copy takes a linked file's content and recreates a
// linked folder as a link, the size leaves links out, and a deletion removes the link itself.
// Hidden entries (names starting with ".") are not copied; a deletion removes them with the rest.
//
// Copy and deletion come in two forms: one that drives a progress bar and processes pending
// events while it works, and a widget-free one underneath that reports to a FileProgress, which
// also says which file failed and why.
class FileHelper : public QObject
{
    Q_OBJECT

public:
    // Bytes copied per step of a file copy; progress is reported and pending events are
    // processed after every step, and a cancelled copy stops before the next one.
    static const int kCopyBlockSize;

    explicit FileHelper(QProgressBar *progressBar = nullptr);

    // Whether path lies strictly below folder: never folder itself, its parent or a place
    // outside it, however the path is written ("P/..", a link among the folders leading to it).
    // The last part of path is taken as named, so a link inside folder counts as inside even
    // where it points elsewhere. False when folder does not exist or either is empty.
    static bool isStrictlyInside(const QString &path, const QString &folder);

    // Copies the folder tree source into target, creating target and its missing parents.
    // target must lie strictly inside within (isStrictlyInside), else nothing is touched.
    // With a bar, its maximum becomes the source's size in whole kilobytes and it advances while
    // files are copied. Returns true only when every entry was copied; a missing or unreadable
    // source, a file that could not be read or written, or a target inside the source gives false
    // (what could be copied is there).
    static bool copyDirectory(const QString &source, const QString &target, const QString &within,
                              QProgressBar *progressBar = nullptr);
    // The same copy; progress gets the source's size in bytes as total and every block copied.
    // A cancelled progress stops the copy (false): the file being written is removed, files
    // already copied stay.
    static bool copyDirectory(const QString &source, const QString &target, const QString &within,
                              FileProgress &progress);

    // Copies one file, overwriting target. The new content is written beside the target and
    // moved into place at the end, so a failed copy leaves an existing target as it was. Emits
    // copiedBytes after every block with the whole kilobytes completed by that block.
    bool copyFile(const QString &source, const QString &target);
    // The same copy; progress gets every block copied and the reason of a failure, and may
    // cancel it (false, the target as before).
    static bool copyFile(const QString &source, const QString &target, FileProgress &progress);
    // Files are copied by the kernel where it can; otherwise, and with the kernel's copy turned
    // off (for tests of the other way), read and written through a buffer. Returns the previous
    // setting.
    static bool setKernelCopyAllowed(bool allowed);
    // Why the last copyFile of this helper failed ("file: reason"); empty after a success.
    QString errorString() const { return m_errorString; }

    // Size of all files below the folder in kilobytes (bytes / 1024).
    static double folderSizeKB(const QString &folder);

    // Deletes the folder tree, one task per entry on the global thread pool, while the calling
    // thread processes events. With a bar, its range becomes 0 .. entries - 1 and it follows the
    // tasks. True when the folder itself is gone at the end. A folder that does not lie strictly
    // inside within, and an empty path, are refused (false, nothing touched): a name read from a
    // file can never make it delete the folder holding it or anything above. A trailing separator
    // names the folder itself.
    static bool removeDirectory(const QString &folder, const QString &within, QProgressBar *progressBar = nullptr);
    // The same deletion; progress gets the number of entries as total and every entry removed,
    // and records each entry that could not be removed.
    static bool removeDirectory(const QString &folder, const QString &within, FileProgress &progress);

    // Renames or moves the file or folder from to the new path to, both strictly inside within;
    // an existing entry at to is never replaced. False, with the reason in *error when given,
    // when either lies elsewhere or the system refuses.
    static bool renameWithin(const QString &from, const QString &to, const QString &within, QString *error = nullptr);

    // Removes what saves of the file at path that were cut short (the program killed, the power
    // gone) left beside it: files named as the program's saves name their temporary files, the
    // file's name followed by "." and six random letters, alone or with ".lock" or a second such
    // part. Names a person would give ("H1.xml.backup") are kept, and so are files written to in
    // the last minutes, which may belong to a save still running. Returns how many were removed.
    // Each folder is listed once per session (what another program leaves in it later is found
    // in the next), so saving many files into one folder costs no more than into an empty one.
    static int removeStaleSaveFiles(const QString &path);
    // The temporary file of a save at path was made (exists) or is gone: keeps what
    // removeStaleSaveFiles knows of an already listed folder true.
    static void noteSaveFile(const QString &path, bool exists);

    // Free megabytes of the file system holding path; 0 when it cannot be determined.
    static double freeSpaceMB(const QString &path);
    // Lets tests of space checks answer freeSpaceMB in place of the file system; an empty
    // function restores the real query. Returns the previous one.
    using FreeSpaceQuery = std::function<double(const QString &path)>;
    static FreeSpaceQuery setFreeSpaceQuery(FreeSpaceQuery query);

    // The path with the suffix of its file name replaced by newSuffix (without dot), or with
    // "." + newSuffix appended when the file name has no suffix. Folder names are never changed.
    static QString replaceSuffix(const QString &path, const QString &newSuffix);

    // The first suffix of the video filter (with its dot) for which basePath + suffix exists,
    // tried in filter order; a file whose suffix differs only in case is taken when no exact
    // match exists. Empty when none.
    static QString findVideoByBaseName(const QString &basePath);

    // The video belonging to an inspection file (same folder and base name), or empty.
    static QString videoFileFor(const QString &inspectionFile);

    // Whether the video has a container and video format that the program's video pipeline
    // accepts, as read by the MediaInfo library; false when the library is missing or the file
    // cannot be opened.
    static bool isCompatibleVideo(const QString &videoFile);

    // The acceptance rule on the values MediaInfo reports (compared exactly, case-sensitive).
    static bool isCompatibleFormat(const QString &generalFormat, const QString &videoFormat, const QString &width,
                                   const QString &height, const QString &standard);

signals:
    // Kilobytes copied since the last emission.
    void copiedBytes(int kilobytes);

public slots:
    // Advances the progress bar (if any) and processes pending events.
    void copiedBytesSlot(int kilobytes);

private:
    static bool copyTree(const QString &source, const QString &target, FileProgress &progress);

    QPointer<QProgressBar> m_progressBar;
    bool m_connected = false;
    QString m_errorString;
};
