#pragma once

#include <QByteArray>
#include <QString>

class QDomDocument;

// Text as the program's files can carry it. Every writer passes its text through one of these
// at the one place it writes text, so that a save never writes what its own reader refuses:
// a control character pasted into a remark or a plan text is dropped or blanked, not stored.
namespace FileText {

// The text without the characters XML 1.0 cannot carry: the control characters other than tab,
// line feed and carriage return, U+FFFE and U+FFFF, and surrogates that are not half of a pair.
QString forXml(const QString &text);

// The document as UTF-8 with the given indentation, without the characters XML 1.0 cannot
// carry. They can only stand in values (markup names are the program's own), so leaving them
// out of the whole document covers every text and attribute it holds.
QByteArray xmlDocument(const QDomDocument &document, int indent);

// One line of a line-based text file: line breaks become blanks, and the characters XML 1.0
// cannot carry are left out, as in the XML files the line goes with.
QString forLine(const QString &text);

// One field of a fixed-column record file: tabs, line breaks and every other control
// character (C0, DEL and C1), and the characters XML cannot carry, become blanks, so the
// field keeps its width and the record its structure.
QString forField(const QString &text);

} // namespace FileText
