#pragma once

#include <QDialog>

class QListWidgetItem;

namespace Ui {
class InputListDialog;
}

// Asks the user to choose one entry of a list; run with exec(), then read selectedItem().
class InputListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InputListDialog(QWidget *parent = nullptr);
    ~InputListDialog() override;

    // Sets the caption above the list and shows it.
    void setText(const QString &text);
    void setItems(const QStringList &items);

    // The current entry, the first one when none is current, empty for an empty list.
    QString selectedItem() const;

private slots:
    void on_listWidget_itemDoubleClicked(QListWidgetItem *item);

private:
    Ui::InputListDialog *ui;
};
