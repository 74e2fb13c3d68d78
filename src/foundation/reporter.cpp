#include "foundation/reporter.h"

#include "foundation/messagedialog.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPair>

namespace {

void showDefault(Reporter::Kind kind, const QString &text)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qWarning("%s", qPrintable(text));
        return;
    }
    if (kind == Reporter::Kind::Notice) {
        MessageDialog dialog(text, MessageDialog::Ok, -1, nullptr);
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
        dialog.exec();
    } else {
        QMessageBox::warning(nullptr, QStringLiteral("ERROR"), text);
    }
}

Reporter::Handler &current()
{
    static Reporter::Handler handler;
    return handler;
}

bool held = false;
QList<QPair<Reporter::Kind, QString>> &waiting()
{
    static QList<QPair<Reporter::Kind, QString>> messages;
    return messages;
}

void deliver(Reporter::Kind kind, const QString &text)
{
    if (held) {
        waiting().append({kind, text});
        return;
    }
    if (current())
        current()(kind, text);
    else
        showDefault(kind, text);
}

} // namespace

namespace Reporter {

Handler setHandler(Handler handler)
{
    Handler previous = current();
    current() = std::move(handler);
    return previous;
}

void notice(const QString &text)
{
    deliver(Kind::Notice, text);
}

void error(const QString &text)
{
    deliver(Kind::Error, text);
}

void hold()
{
    held = true;
}

void release()
{
    held = false;
    // Taken one at a time: a message shown now may open its own event loop, in which further
    // messages come (and are shown at once) or start-up holds again.
    while (!held && !waiting().isEmpty()) {
        const auto message = waiting().takeFirst();
        deliver(message.first, message.second);
    }
}

bool isHeld()
{
    return held;
}

} // namespace Reporter
