#pragma once

#include <QDomElement>
#include <QImage>
#include <QPen>
#include <QString>
#include <QStringList>

// The value forms of the plan file: numbers, pens and pictures as attribute texts, read back
// with every doubt written down, so that a plan read from a damaged file is known as such.
namespace PlanXml {

// Coordinates, sizes and scales beyond this magnitude are refused when read: 100 km in the
// centimetre units of a drawn plan, far beyond any site, and small enough that sizes still
// fit the integer measures of painting.
constexpr double MaxMagnitude = 1e7;
// Pictures with more pixels than this are refused when read (1 GB at 32 bits per pixel).
constexpr qint64 MaxImagePixels = 256LL * 1024 * 1024;

// A double with 16 significant digits: 1.0 gives "1", 0.01 gives "0.01".
QString number(double value);

// The attribute as a double. Absent: fallback. Text that is no number reads as 0.0; a value
// that is not finite or beyond MaxMagnitude reads as 0.0 too; both are noted in problems.
double readNumber(const QDomElement &element, const QString &name, double fallback, QStringList *problems);
// The attribute as a decimal integer; absent or empty reads as 0, other text that is no
// integer as 0 with a note in problems.
int readInteger(const QDomElement &element, const QString &name, QStringList *problems);

// Base64 of the pen streamed at data-stream version 17.
QString penData(const QPen &pen);
// The pen of penData(); false (pen untouched) for anything Qt's writer never produces.
bool readPen(const QString &data, QPen *pen);

// Base64 of the picture streamed at data-stream version 17: a 32-bit 1 and a PNG file, or a
// single 32-bit 0 for a null picture.
QString imageData(const QImage &image);
// The picture of imageData(); false (picture untouched) for damaged data or a picture larger
// than MaxImagePixels.
bool readImage(const QString &data, QImage *image);

// The direct child elements of parent with the tag, in document order.
QList<QDomElement> children(const QDomElement &parent, const QString &tag);

} // namespace PlanXml
