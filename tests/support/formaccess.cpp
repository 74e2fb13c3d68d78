#include "formaccess.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

void chooseItem(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *view = box->view();
    view->setCurrentIndex(box->model()->index(index, box->modelColumn(), box->rootModelIndex()));
    QTest::keyClick(view, Qt::Key_Return);
}

QStringList comboItems(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}
