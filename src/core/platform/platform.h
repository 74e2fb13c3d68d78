#pragma once

#include <QString>

// The few places where the program needs something from the operating system, in one layer.
namespace Platform {

// The per-user data directory "<generic data location>/RivuzAzed/": absolute, created when
// missing, always ending in exactly one "/".
QString dataDirectory();

// The user's documents folder, created when missing; the home folder when none is known.
QString documentsFolder();

} // namespace Platform
