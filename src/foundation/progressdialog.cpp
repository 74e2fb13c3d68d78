#include "foundation/progressdialog.h"
#include "ui_progressdialog.h"

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProgressDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral(" "));
    // A fresh bar reports -1; the carry below must start from 0.
    ui->progressBarFine->setValue(0);
    ui->progressBar->setValue(0);
    connect(ui->progressBarFine, &QProgressBar::valueChanged, this,
            &ProgressDialog::fineValueChanged);
}

ProgressDialog::~ProgressDialog()
{
    delete ui;
}

void ProgressDialog::setText(const QString &text)
{
    ui->label->setText(text);
}

void ProgressDialog::setMaximum(int max)
{
    ui->progressBar->setMaximum(max);
    fineCarry = 0;
}

void ProgressDialog::setValue(int value)
{
    ui->progressBar->setValue(value);
    fineCarry = 0;
}

QProgressBar *ProgressDialog::progressBar() const
{
    return ui->progressBarFine;
}

void ProgressDialog::hideFineProgress()
{
    ui->progressBarFine->hide();
    ui->label_2->hide();
}

void ProgressDialog::fineValueChanged(int value)
{
    if (value > 0) {
        QProgressBar *total = ui->progressBar;
        qint64 next = qint64(total->value()) + value - fineCarry;
        // A bar ignores values beyond its range, which would freeze the total just short of
        // the end when a worker's units round up; stop at the maximum instead.
        if (total->maximum() > total->minimum())
            next = qBound<qint64>(total->minimum(), next, total->maximum());
        total->setValue(int(next));
    }
    fineCarry = value;
}
