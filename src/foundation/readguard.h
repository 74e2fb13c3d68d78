#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QDataStream;

// What every reader of a file from outside checks before Qt's readers see its bytes. Qt's
// document tree is built and freed recursively, so deep nesting exhausts the stack; its parser
// expands declared entities without a bound worth the name; a data-stream list reserves what its
// count claims; and a file of hundreds of megabytes keeps the program busy with no end in sight.
// Each check refuses with a message for the user instead.
namespace ReadGuard {

// Project files, the 3D project file, INI stores and company files: a few kilobytes in use.
constexpr qint64 SmallFileLimit = 20LL * 1024 * 1024;
// Inspection and plan files: an inspection of ten thousand observations is under 2 MB, a plan
// with photographs some ten.
constexpr qint64 LargeFileLimit = 200LL * 1024 * 1024;
// Deeper than any file the program or an exchange format nests its elements.
constexpr int MaxTreeDepth = 32;

enum class XmlUse {
    // Read into a QDomDocument: nesting is bounded, also where Qt's stream reader gives up on
    // the bytes before their end (the tree's parser then reports what is broken).
    Tree,
    // Read with QXmlStreamReader only, which walks any depth without recursion and reports its
    // own errors; the readers keep what they read before an error.
    Stream
};

// Empty when the file at path is no larger than limit; else why it is refused.
QString sizeRefusal(const QString &path, qint64 limit);
// The whole file when it is no larger than limit. False with the reason in error otherwise, or
// when it cannot be read.
bool readFile(const QString &path, qint64 limit, QByteArray &bytes, QString &error);

// Empty when the bytes may be handed to Qt's XML readers for use; else why not. Entity
// declarations are always refused: no file the program reads needs them.
QString xmlRefusal(const QByteArray &bytes, XmlUse use);
// readFile() and xmlRefusal() together.
bool readXml(const QString &path, qint64 limit, XmlUse use, QByteArray &bytes, QString &error);

// A list of texts as QDataStream writes it, its count checked against the bytes that remain
// (every text takes at least four), so that a damaged count cannot reserve gigabytes. False,
// with the stream's status set, when the bytes do not hold such a list.
bool readStringList(QDataStream &stream, QStringList &list);

} // namespace ReadGuard
