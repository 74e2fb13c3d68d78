#pragma once

#include <QtGlobal>

#include <functional>

// Runs work in a child process of the test whose files cannot grow beyond limit bytes: a full
// disk in small, without one. A write past the limit fails as on a full disk (the signal the
// system sends for it is ignored), with the part below the limit on the disk. The child ends as
// soon as work returns, without running any destructor of the test, and work's result (0 to 255)
// comes back; -1 when the child did not end normally.
int runWithFileSizeLimit(qint64 limit, const std::function<int()> &work);
