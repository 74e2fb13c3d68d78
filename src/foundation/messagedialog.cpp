#include "foundation/messagedialog.h"
#include "ui_messagedialog.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QTimer>

MessageDialog::MessageDialog(const QString &text, int buttons, int timeoutMs, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MessageDialog)
    , m_buttons(buttons)
    , m_timeoutMs(timeoutMs)
    , m_escapeResult((buttons & Cancel) ? Cancel : 0)
{
    ui->setupUi(this);
    ui->label->setText(text);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);

    ui->accept->setVisible(buttons & Ok);
    ui->reject->setVisible(buttons & Cancel);
    ui->yes->setVisible(buttons & Yes);
    ui->no->setVisible(buttons & No);
    ui->buttonWidget->setVisible(buttons != 0);

    fitSize();
}

MessageDialog::~MessageDialog()
{
    delete ui;
}

void MessageDialog::setButtonText(int flag, const QString &text)
{
    switch (flag) {
    case Ok: ui->accept->setText(text); break;
    case Cancel: ui->reject->setText(text); break;
    case Yes: ui->yes->setText(text); break;
    case No: ui->no->setText(text); break;
    default: break;
    }
}

void MessageDialog::setText(const QString &text)
{
    const QSize old = size();
    ui->label->setText(text);
    fitSize();
    const QSize grown = size() - old;
    // Keep a note that sits in the middle of a window centred while its text changes.
    move(pos() - QPoint(grown.width() / 2, grown.height() / 2));
}

QString MessageDialog::text() const
{
    return ui->label->text();
}

void MessageDialog::setEscapeResult(int result)
{
    m_escapeResult = result;
}

int MessageDialog::exec()
{
    if (m_timeoutMs >= 0 && m_buttons == 0)
        QTimer::singleShot(m_timeoutMs, this, &QDialog::accept);
    return QDialog::exec();
}

void MessageDialog::reject()
{
    done(m_escapeResult);
}

void MessageDialog::on_accept_clicked() { done(Ok); }
void MessageDialog::on_reject_clicked() { done(Cancel); }
void MessageDialog::on_yes_clicked() { done(Yes); }
void MessageDialog::on_no_clicked() { done(No); }

void MessageDialog::fitSize()
{
    const int rowHeight = m_buttons > 0 ? 40 : 0;
    int buttonWidth = 0;
    for (int flag : {Ok, Cancel, Yes, No}) {
        if (m_buttons & flag)
            buttonWidth += 160;
    }

    // The style sheet sets the label's font; polish first so the metrics are the shown ones.
    ui->label->ensurePolished();
    const QFontMetrics metrics(ui->label->font());
    const QStringList lines = ui->label->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int textWidth = 0;
    for (const QString &line : lines)
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    const int spacing = metrics.lineSpacing();
    const int textHeight = rowHeight + spacing * lines.size();

    if (textWidth <= 500)
        setFixedSize(qMax(qMax(buttonWidth, 50), textWidth) + 80, qMax(textHeight, 50) + 40);
    else
        setFixedSize(500, textHeight + spacing * (textWidth / 500 + 5));
}
