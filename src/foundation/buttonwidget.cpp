#include "foundation/buttonwidget.h"
#include "ui_buttonwidget.h"

#include <QSignalBlocker>

ButtonWidget::ButtonWidget(bool collapsible, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ButtonWidget)
    , m_collapsible(collapsible)
{
    ui->setupUi(this);
    // A plain QWidget subclass paints no style-sheet background without this.
    setAttribute(Qt::WA_StyledBackground);
    collapse();
}

ButtonWidget::~ButtonWidget()
{
    delete ui;
}

void ButtonWidget::setText(const QString &text)
{
    ui->mainButton->setText(text);
}

QString ButtonWidget::text() const
{
    return ui->mainButton->text();
}

QFrame *ButtonWidget::box() const
{
    return ui->frame;
}

bool ButtonWidget::isExpanded() const
{
    return ui->mainButton->isChecked() && !ui->frame->isHidden();
}

void ButtonWidget::setExpanded(bool on)
{
    if (ui->mainButton->isChecked() != on) {
        // The state is applied right here; the toggle handler must not apply it a second time.
        const QSignalBlocker blocker(ui->mainButton);
        ui->mainButton->setChecked(on);
    }
    if (on) {
        ui->frame->show();
        setMaximumHeight(QWIDGETSIZE_MAX);
        emit activate();
    } else {
        collapse();
    }
}

void ButtonWidget::on_mainButton_toggled(bool checked)
{
    // A fixed section cannot be closed by its header: a click on it opens it again.
    setExpanded(m_collapsible ? checked : true);
}

void ButtonWidget::collapse()
{
    ui->frame->hide();
    // Only the header shows while closed. The button's height in the layout is its size hint,
    // which depends on the style sheet, so polish first.
    ui->mainButton->ensurePolished();
    setMaximumHeight(ui->mainButton->sizeHint().height());
}
