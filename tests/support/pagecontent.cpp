#include "pagecontent.h"

#include <QStringList>

#include <cmath>

namespace PageContent {

namespace {

void collect(const PrintElement &element, const QPointF &offset, int depth, QVector<Placed> &into)
{
    into.append({element, offset, depth});
    if (element.kind() != PrintElement::Group || element.points().isEmpty())
        return;
    const QPointF corner = offset + element.points().first();
    for (const PrintElement &child : *element.children())
        collect(child, corner, depth + 1, into);
}

} // namespace

QVector<Placed> elements(const PrintPage &page)
{
    QVector<Placed> result;
    for (const PrintElement &element : page.elements())
        collect(element, QPointF(), 0, result);
    return result;
}

QVector<Text> texts(const PrintPage &page)
{
    QVector<Text> result;
    for (const Placed &placed : elements(page)) {
        const PrintElement &e = placed.element;
        if (e.kind() == PrintElement::Text)
            result.append({e.text(), placed.rect(), e.font(), e.pen().color(), e.alignment()});
    }
    return result;
}

QString joinedText(const PrintPage &page)
{
    QStringList parts;
    for (const Text &text : texts(page))
        parts << text.text;
    return parts.join(QLatin1Char(' '));
}

Text find(const QVector<Text> &texts, const QString &text)
{
    for (const Text &candidate : texts) {
        if (candidate.text == text)
            return candidate;
    }
    return Text();
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

bool nearRect(const QRectF &a, const QRectF &b, double tolerance)
{
    return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance) && near(a.width(), b.width(), tolerance)
        && near(a.height(), b.height(), tolerance);
}

} // namespace PageContent
