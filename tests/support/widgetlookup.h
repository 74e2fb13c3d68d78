#pragma once

#include <QComboBox>
#include <QStringList>
#include <QWidget>

// Form widgets by their object name, as the slots are connected. A name that is not there
// ends the test at once: every later step would only report the same missing widget.
template <typename T>
T *child(const QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// The texts a combo box offers, in order.
inline QStringList comboItems(const QComboBox *box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result << box->itemText(i);
    return result;
}
