#pragma once

#include <QListWidget>

// A list whose check boxes all toggle with Ctrl+A: when any item is checked every item is
// unchecked, otherwise every item is checked.
class ListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit ListWidget(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
