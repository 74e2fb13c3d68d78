#include "foundation/listwidget.h"

#include <QKeyEvent>

ListWidget::ListWidget(QWidget *parent)
    : QListWidget(parent)
{
}

void ListWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_A || event->modifiers() != Qt::ControlModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }

    bool anyChecked = false;
    for (int i = 0; i < count() && !anyChecked; ++i)
        anyChecked = item(i)->checkState() == Qt::Checked;
    const Qt::CheckState state = anyChecked ? Qt::Unchecked : Qt::Checked;
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *entry = item(i);
        if (entry->flags() != Qt::NoItemFlags)
            entry->setCheckState(state);
    }
    event->accept();
}
