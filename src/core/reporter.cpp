#include "core/reporter.h"

#include "core/messagedialog.h"

#include <QApplication>
#include <QMessageBox>

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
    if (current())
        current()(Kind::Notice, text);
    else
        showDefault(Kind::Notice, text);
}

void error(const QString &text)
{
    if (current())
        current()(Kind::Error, text);
    else
        showDefault(Kind::Error, text);
}

} // namespace Reporter
