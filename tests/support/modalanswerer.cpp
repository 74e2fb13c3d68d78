#include "modalanswerer.h"

#include "foundation/messagedialog.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

ModalAnswerer::ModalAnswerer(QObject *parent)
    : QObject(parent)
{
    m_timer = startTimer(10);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isModal() && w->isVisible())
            m_ignored << w;
    }
}

ModalAnswerer::~ModalAnswerer()
{
    killTimer(m_timer);
}

void ModalAnswerer::expect(const char *className, Action action)
{
    m_steps.push({QString::fromLatin1(className), std::move(action)});
}

void ModalAnswerer::message(int button)
{
    expect("MessageDialog", [this, button](QWidget *w) {
        auto *box = static_cast<MessageDialog *>(w);
        record(box);
        box->done(button);
    });
}

void ModalAnswerer::watchMessage()
{
    expect("MessageDialog", [this](QWidget *w) { record(static_cast<MessageDialog *>(w)); });
}

void ModalAnswerer::record(MessageDialog *box)
{
    m_texts << box->text();
    bool shown = false;
    for (QPushButton *b : box->findChildren<QPushButton *>())
        shown = shown || b->isVisible();
    m_buttonsShown << shown;
}

void ModalAnswerer::reject(const char *className)
{
    expect(className, [](QWidget *w) {
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    });
}

void ModalAnswerer::poll()
{
    if (m_last && !m_last->isVisible())
        m_last = nullptr;
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || !modal->isVisible() || m_ignored.contains(modal))
        return;
    m_last = modal;
    if (m_steps.empty() || !modal->inherits(m_steps.front().className.toLatin1().constData())) {
        m_unexpected << QString::fromLatin1(modal->metaObject()->className());
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop();
    step.action(modal);
}
