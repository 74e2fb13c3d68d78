#pragma once

#include <QString>
#include <functional>

class QSettings;

namespace IniFile {

// Writes a whole INI file anew: fill() writes every key into a QSettings on a temporary file
// in the target's folder, which then replaces the target in one rename. Keys that fill() does
// not write are gone afterwards; a failure (full disk, no permission) leaves the old file as
// it was and returns false.
bool writeWhole(const QString &path, const std::function<void(QSettings &)> &fill);

} // namespace IniFile
