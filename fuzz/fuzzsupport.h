#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// Starts the application object (offscreen) and silences the message dialogs, once.
void init();
// Writes the input to a file of that name in the process's own temporary folder; the path.
QString writeInput(const uint8_t *data, size_t size, const QString &name);
QString writeInput(const QByteArray &bytes, const QString &name);
// The process's temporary folder, with a trailing "/".
QString folder();
// Ends the process with a message when a property of the program does not hold.
void check(bool condition, const char *what);

} // namespace Fuzz
