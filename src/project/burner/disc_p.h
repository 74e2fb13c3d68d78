#pragma once

// What the layer's own files share about the libraries; nothing outside burner/ includes this.

#include "project/burner/disc.h"

#include <QMutexLocker>
#include <QStringList>

namespace burn {
struct burn_source;
}

namespace Disc {
namespace Internal {

// Initialises libisofs and libburn once per process (again after the application shut them
// down). On failure, *failure gets the label of the step that needed them.
bool initialise(const char *label, Failure *failure);

// Held while the libraries' shared drive list and message queue are used.
QMutex &libraryMutex();
using Lock = QMutexLocker;

// Moves the libraries' queued messages into the debug log and returns the code of the most
// severe one that reports a failure ("SORRY" or worse), or 0 when there was none. Call it with
// the library mutex held.
qint32 takeMessages();

// The file-backed drives added, in the order they came.
QStringList fileDrives();

// Records the failure of a step (when failure is not null) and returns false.
bool fail(Failure *failure, const char *label, qint32 code);

// The image source as libburn reads it: passes the data through, and calls the read hook when
// one is set. Takes its own reference of image; the result has one reference for the caller.
burn::burn_source *hookedSource(burn::burn_source *image);

} // namespace Internal
} // namespace Disc
