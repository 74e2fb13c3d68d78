#pragma once

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Small file helpers shared by the tests.
namespace TestFiles {

using Elements = QList<QPair<QString, QString>>;

// The leaf elements of an XML file as "path" and text, in document order: the file as parsed, so
// that indentation does not matter. A parse error adds a last entry "ERROR". declaration, when
// given, receives the version, encoding and standalone flag of the XML declaration.
Elements parse(const QString &path, QString *declaration = nullptr);

// The whole file; empty when it cannot be read.
QByteArray readAll(const QString &path);

// Writes the file anew, making its folder first; a file that cannot be written fails the running
// test.
void writeFile(const QString &path, const QByteArray &bytes);

// The root element of an XML file; null when the file cannot be read or parsed.
QDomElement xmlRoot(const QString &path);

// What a save of target killed midway leaves beside it, named as the program's saves name their
// temporary files and last written an hour ago: "<target>.XXXXXX" with part of the content, its
// lock file and the temporary file of a save of that one. The paths made.
QStringList leaveStaleSaveFiles(const QString &target);
// Writes the file with a modification time an hour back.
void writeOldFile(const QString &path, const QByteArray &bytes);

} // namespace TestFiles
