#pragma once

#include <QString>
#include <QWidget>

class QComboBox;

// The widget of a form with that object name; a missing one ends the test run, naming it.
template<class T>
T *formChild(const QWidget &form, const QString &name)
{
    T *w = form.findChild<T *>(name);
    if (!w)
        qFatal("no widget %s of class %s", qPrintable(name), T::staticMetaObject.className());
    return w;
}

// Chooses an item of a combo box the way a user does: opens the list, moves to the item and
// presses Return. The box emits activated() also when the item was already current.
void chooseItem(QComboBox *box, int index);
