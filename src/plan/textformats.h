#pragma once

#include <QString>
#include <QTextCharFormat>

// The character formats the rich-text editors (the plan's text dialog, the letterhead designer)
// merge into the selection, so that both editors change a text alike.
namespace TextFormats {

// Sets the font family. Text read from HTML carries a list of families as well, which Qt writes
// out before the single family: without replacing it the old font would win again in the element.
QTextCharFormat family(const QString &family);
QTextCharFormat pointSize(double size);
QTextCharFormat bold(bool on);
QTextCharFormat italic(bool on);
QTextCharFormat underline(bool on);

} // namespace TextFormats
