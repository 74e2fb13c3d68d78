#pragma once

#include <QString>
#include <functional>

class QSettings;

namespace IniFile {

// Writes a whole INI file anew: fill() writes every key into a QSettings on a temporary file
// in the target's folder, which then replaces the target in one rename. Keys that fill() does
// not write are gone afterwards; a failure (full disk, no permission) leaves the old file as
// it was and returns false, with the reason in error when given.
bool writeWhole(const QString &path, const std::function<void(QSettings &)> &fill, QString *error = nullptr);

// QSettings::beginReadArray, with the count the file claims bounded by the entries it holds, so
// a damaged size entry cannot make a reader loop or allocate without end.
int beginReadArray(QSettings &settings, const QString &prefix);

// Whether an INI file from outside may be handed to QSettings: a value that QSettings decodes as
// "@Variant(...)" (or "@DateTime(...)") would make it rebuild a Qt type from the bytes it holds,
// trusting every count in them. The values are read as QSettings reads them (quotes, escapes such
// as "\x40", lists), so text a user typed never counts: QSettings writes a text beginning with
// "@" as "@@". False also when the file cannot be read.
bool hasOnlyPlainValues(const QString &path);
// The same for the bytes of an INI file.
bool hasOnlyPlainValues(const QByteArray &bytes);

// Like hasOnlyPlainValues(), but a colour in the one form QSettings writes it (a "@Variant(...)"
// of a QColor whose every byte is checked) counts as plain: stores the program writes with
// colours in them stay readable, while any other typed value, or a colour whose bytes Qt would
// misread, is refused.
bool hasOnlyPlainValuesOrColours(const QByteArray &bytes);

} // namespace IniFile
