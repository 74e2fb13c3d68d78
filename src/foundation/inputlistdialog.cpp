#include "foundation/inputlistdialog.h"
#include "ui_inputlistdialog.h"

InputListDialog::InputListDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InputListDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    // uic drops a title that is only a blank.
    setWindowTitle(QStringLiteral(" "));
    ui->label->hide();
}

InputListDialog::~InputListDialog()
{
    delete ui;
}

void InputListDialog::setText(const QString &text)
{
    ui->label->setText(text);
    ui->label->show();
}

void InputListDialog::setItems(const QStringList &items)
{
    ui->listWidget->clear();
    ui->listWidget->addItems(items);
    if (ui->listWidget->count() > 0)
        ui->listWidget->setCurrentRow(0);
}

QString InputListDialog::selectedItem() const
{
    if (ui->listWidget->count() == 0)
        return QString();
    const int row = qMax(ui->listWidget->currentRow(), 0);
    return ui->listWidget->item(row)->text();
}

void InputListDialog::on_listWidget_itemDoubleClicked(QListWidgetItem *)
{
    accept();
}
