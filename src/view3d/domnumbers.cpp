#include "view3d/domnumbers.h"

#include <cmath>

void setDoubleAttribute(QDomElement &element, const QString &name, double value)
{
    element.setAttribute(name, QString::number(value, 'g', 16));
}

void setFloatAttribute(QDomElement &element, const QString &name, float value)
{
    // Nine digits always read back exactly; fewer keep values such as 0.2 readable in the file.
    QString text;
    for (int digits = 6; digits <= 9; ++digits) {
        text = QString::number(double(value), 'g', digits);
        if (text.toFloat() == value)
            break;
    }
    element.setAttribute(name, text);
}

float floatAttribute(const QDomElement &element, const QString &name)
{
    bool ok = false;
    const float value = element.attribute(name).toFloat(&ok);
    return ok && std::isfinite(value) ? value : 0.0f;
}
