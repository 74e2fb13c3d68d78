#include "foundation/inputdoubledialog.h"
#include "ui_inputdoubledialog.h"

InputDoubleDialog::InputDoubleDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InputDoubleDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    ui->label->hide();
    // Selected, so that the first keystroke replaces the proposed value.
    ui->doubleSpinBox->selectAll();
}

InputDoubleDialog::~InputDoubleDialog()
{
    delete ui;
}

void InputDoubleDialog::setText(const QString &text)
{
    ui->label->setText(text);
    ui->label->show();
}

// The range and the unit rewrite the field's text, which drops the selection; select again.
void InputDoubleDialog::setMinimum(double value)
{
    ui->doubleSpinBox->setMinimum(value);
    ui->doubleSpinBox->selectAll();
}

void InputDoubleDialog::setMaximum(double value)
{
    ui->doubleSpinBox->setMaximum(value);
    ui->doubleSpinBox->selectAll();
}

void InputDoubleDialog::setSuffix(const QString &text)
{
    ui->doubleSpinBox->setSuffix(text);
    ui->doubleSpinBox->selectAll();
}

void InputDoubleDialog::hideCancelButton()
{
    ui->reject->hide();
}

double InputDoubleDialog::value() const
{
    return ui->doubleSpinBox->value();
}
