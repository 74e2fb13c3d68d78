#pragma once

#include <QDialog>

class QProgressBar;

namespace Ui {
class ProgressDialog;
}

// Progress window of long operations: a caption, an item bar for the current step and a total
// bar. Every advance of the item bar is added to the total bar, so a caller can hand the item
// bar to a worker and let it drive both.
class ProgressDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);
    ~ProgressDialog() override;

    void setText(const QString &text);
    void setMaximum(int max);

    // The item bar; its range and value belong to whoever drives it.
    QProgressBar *progressBar() const;

    // Leaves only the caption and the total bar.
    void hideFineProgress();

public slots:
    void setValue(int value);

private slots:
    void fineValueChanged(int value);

private:
    Ui::ProgressDialog *ui;
    int fineCarry = 0;
};
