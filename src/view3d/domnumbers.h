#pragma once

#include <QDomElement>
#include <QString>

// Numbers in the 3D XML: doubles are written with 16 significant digits, floats with the fewest
// digits that read back to the same float, and everything is read back in single precision.

void setDoubleAttribute(QDomElement &element, const QString &name, double value);
void setFloatAttribute(QDomElement &element, const QString &name, float value);

// The attribute read as a float; a missing, unreadable or not finite value gives 0, so a damaged
// file can not put infinities or NaNs into the geometry.
float floatAttribute(const QDomElement &element, const QString &name);
