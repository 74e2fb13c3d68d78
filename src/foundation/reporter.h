#pragma once

#include <QString>
#include <functional>

// Messages that model and store code shows to the user (notices, error boxes) go through one
// replaceable handler, so that tests and batch code can take them without a modal dialog.
namespace Reporter {

enum class Kind {
    Notice, // an informational MessageDialog with "Ok"
    Error   // a warning box titled "ERROR"
};

using Handler = std::function<void(Kind kind, const QString &text)>;

// Installs a handler and returns the previous one; an empty handler restores the default,
// which shows the program's own dialogs.
Handler setHandler(Handler handler);

void notice(const QString &text);

// While held, messages wait in order instead of reaching the handler; release() hands them on.
// Start-up holds them while the splash screen, which stays on top, would hide a modal notice.
void hold();
void release();
bool isHeld();
void error(const QString &text);

} // namespace Reporter
