#pragma once

#include <QDialog>

namespace Ui {
class InputDoubleDialog;
}

// Asks the user for one number (a distance, a length); run with exec(), then read value().
class InputDoubleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputDoubleDialog(QWidget *parent = nullptr);
    ~InputDoubleDialog() override;

    // Sets the caption above the field and shows it.
    void setText(const QString &text);
    void setMinimum(double value);
    void setMaximum(double value);
    void setSuffix(const QString &text);

    // Leaves "Übernehmen" (or Escape) as the only way on.
    void hideCancelButton();

    double value() const;

private:
    Ui::InputDoubleDialog *ui;
};
