#pragma once

#include <QDialog>

namespace Ui {
class MessageDialog;
}

// The program's message box: no title bar, a bold centred text and up to four buttons chosen
// by flags. exec() returns the flag of the button pressed, 1 when the time-out closed it, and
// the Escape answer when the user pressed Escape.
class MessageDialog : public QDialog
{
    Q_OBJECT

public:
    enum Button { Ok = 1, Cancel = 2, Yes = 4, No = 8 };

    MessageDialog(const QString &text, int buttons, int timeoutMs, QWidget *parent = nullptr);
    ~MessageDialog() override;

    void setButtonText(int flag, const QString &text);
    void setText(const QString &text);
    QString text() const;

    // What Escape answers: "Abbrechen" (2) when that button is shown, else 0, which matches
    // no button. A question that would delete or overwrite sets No (8).
    void setEscapeResult(int result);
    int escapeResult() const { return m_escapeResult; }

public slots:
    int exec() override;
    void reject() override;

private slots:
    void on_accept_clicked();
    void on_reject_clicked();
    void on_yes_clicked();
    void on_no_clicked();

private:
    void fitSize();

    Ui::MessageDialog *ui;
    int m_buttons;
    int m_timeoutMs;
    int m_escapeResult;
};
