#pragma once

#include <QDialog>

namespace Ui {
class InfoDialog;
}

// The about box: product name and version, the libraries in use with their versions and
// licence links, and the liability disclaimer.
class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InfoDialog(QWidget *parent = nullptr);
    ~InfoDialog() override;

private:
    Ui::InfoDialog *ui;
};
