#pragma once

#include "foundation/reporter.h"

#include <QTextStream>

// A benchmark runs unattended: what the model would show in a dialog (a notice about a header
// other programs may refuse, an error) goes to the console instead of waiting for a click. The
// same message for each of hundreds of files would bury the timings, so only the first few show.
inline void reportToConsole()
{
    Reporter::setHandler([shown = 0](Reporter::Kind kind, const QString &text) mutable {
        if (++shown > 3)
            return;
        QTextStream err(stderr);
        err << (kind == Reporter::Kind::Error ? "error: " : "notice: ") << text
            << (shown == 3 ? "\n(further messages are not shown)\n" : "\n");
    });
}
