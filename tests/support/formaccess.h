#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;

// The widget of a form with that object name; a missing one ends the test run, naming it.
// Every later step would only report the same missing widget, so the run ends at once.
template<class T>
T *formChild(const QWidget &form, const QString &name)
{
    T *w = form.findChild<T *>(name);
    if (!w)
        qFatal("no widget %s of class %s", qPrintable(name), T::staticMetaObject.className());
    return w;
}

template<class T>
T *formChild(const QWidget &form, const char *name)
{
    return formChild<T>(form, QString::fromLatin1(name));
}

// Chooses an item of a combo box the way a user does: opens the list, moves to the item and
// presses Return. The box emits activated() also when the item was already current.
void chooseItem(QComboBox *box, int index);

// The texts a combo box offers, in order.
QStringList comboItems(const QComboBox *box);
