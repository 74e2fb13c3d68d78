#pragma once

#include "foundation/records/printpage.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

// A report page's drawing records where they land on the page: the children of a group are
// drawn relative to the group's corner, so every record carries the sum of its groups' corners.
namespace PageContent {

struct Placed
{
    PrintElement element;
    QPointF offset;  // the corners of the groups around it
    int depth = 0;   // 0 for the page's own elements

    QRectF rect() const { return element.rect().translated(offset); }
};

// Every record of the page in painting order, each group before its children.
QVector<Placed> elements(const PrintPage &page);

struct Text
{
    QString text;
    QRectF rect;      // on the page
    QFont font;
    QColor color;
    int alignment = 0;
};

// The single-line texts of the page in painting order.
QVector<Text> texts(const PrintPage &page);
// The texts on the page, joined by blanks in painting order.
QString joinedText(const PrintPage &page);
// The first text with exactly this content; a null rectangle when there is none.
Text find(const QVector<Text> &texts, const QString &text);

// Page geometry compared within a tolerance in page pixels: millimetres are not whole pixels.
bool near(double a, double b, double tolerance = 1e-3);
bool nearRect(const QRectF &a, const QRectF &b, double tolerance = 1e-3);

} // namespace PageContent
