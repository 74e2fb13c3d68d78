#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class FileDirNameDialog;
}

// Asks for the name of a new folder (mode 1) or file (any other mode). Characters that file
// names must not hold are removed while typing; an empty name, a name already taken and a name
// that would leave its folder are refused and the dialog stays open.
class FileDirNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FileDirNameDialog(int mode, QWidget *parent = nullptr);
    ~FileDirNameDialog() override;

    void setExistingNames(const QStringList &names);
    void setName(const QString &text);
    // After exec(): the cleaned name.
    QString name() const;

private slots:
    void on_input_textEdited(const QString &arg1);
    void on_accept_clicked();

private:
    void refuse(const QString &text);

    Ui::FileDirNameDialog *ui;
    int m_mode;
    QStringList existingNames;
};
