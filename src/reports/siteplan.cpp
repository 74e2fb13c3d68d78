// The site-plan page: the pipe-network plan over the page, the letterhead at a chosen corner or
// edge, and a legend with the customer, the title, a scale bar and the date.

#include "reports/printer.h"

#include <QFontMetricsF>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Mm = Printer::PixelsPerMm;
constexpr double Margin = 20 * Mm;
constexpr double LetterheadWidth = 170 * Mm;
constexpr double LetterheadHeight = 30 * Mm;
constexpr double LegendWidth = 170 * Mm;
constexpr int LegendLines = 12;
constexpr double BarHeight = 2 * Mm;
// The bar is at most 7 cm long and has at most five segments.
constexpr double BarMaxCentimetres = 7;
constexpr int BarMaxSegments = 5;

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// The text wrapped to the width in at most maxLines lines; what does not fit is cut off with
// an ellipsis, so that the legend's boxes stay closed.
QStringList fittedLines(const QString &text, double width, const QFont &font, int maxLines)
{
    const QFontMetricsF metrics(font);
    QStringList lines = Printer::wrapLines(text, width, font);
    if (lines.size() > maxLines) {
        const QString rest = lines.mid(maxLines - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, maxLines - 1);
        lines << rest;
    }
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return lines;
}

void addLines(PrintElement &group, const QStringList &lines, double x, double y, double width, double lineHeight,
              const QFont &font, int alignment)
{
    for (int i = 0; i < lines.size(); ++i) {
        group.addChild(PrintElement::makeText(QRectF(x, y + i * lineHeight, width, lineHeight), lines.at(i), font,
                                              alignment, Qt::black, false));
    }
}

// One part of the legend: a framed column of label/value cells, each four lines high, with a
// rule between them.
PrintElement legendPart(double x, double width, double lineHeight, const QVector<QPair<QString, QString>> &cells)
{
    const QFont label = Printer::font(10, true);
    const QFont value = Printer::font(10);
    const double inner = width - 2 * Mm;
    PrintElement part = PrintElement::makeGroup(QRectF(x, 0, width, LegendLines * lineHeight), true);
    for (int k = 0; k < cells.size(); ++k) {
        addLines(part, {cells.at(k).first}, 1 * Mm, (4 * k + 0.5) * lineHeight, inner, lineHeight, label,
                 Qt::AlignLeft);
        addLines(part, fittedLines(cells.at(k).second, inner, value, 1), 1 * Mm, (4 * k + 2) * lineHeight, inner,
                 lineHeight, value, Qt::AlignRight);
    }
    for (const double y : {4 * lineHeight, 8 * lineHeight})
        part.addChild(PrintElement::makePolyline({QPointF(0, y), QPointF(width, y)}));
    return part;
}

} // namespace

void Printer::setPlanData(double scale, const QString &customer, const QString &place, const QString &street,
                          const QString &title, const QString &commentary, const QString &date)
{
    m_planScale = scale;
    m_planCustomer = customer;
    m_planPlace = place;
    m_planStreet = street;
    m_planTitle = title;
    m_planCommentary = commentary;
    m_planDate = date;
}

void Printer::createSitePlanPage(const QImage &plan, const QString &elementId, int paperSize, int orientation,
                                 int letterheadPosition, int legendPosition)
{
    const QSize size = planPageSize(paperSize, orientation);
    const int width = size.width();
    const int height = size.height();
    PrintPage page(width, height);

    PrintElement image =
        PrintElement::makeImage(QRectF(Margin, Margin, width - 2 * Margin, height - 2 * Margin), plan, true, false);
    image.setId(elementId);
    page.addElement(image);

    if (letterheadPosition >= 1 && letterheadPosition <= 6 && !m_letterhead.rect().isNull()) {
        PrintElement letterhead = m_letterhead;
        QRectF rect = letterhead.rect();
        const int column = (letterheadPosition - 1) % 3; // left, centre, right
        if (column == 1)
            rect.moveLeft(width / 2.0 - LetterheadWidth / 2);
        else if (column == 2)
            rect.moveLeft(width - Margin - LetterheadWidth);
        if (letterheadPosition >= 4)
            rect.moveTop(height - Margin - LetterheadHeight);
        letterhead.setRect(rect);
        page.addElement(letterhead);
    }

    if (legendPosition != 0) {
        PrintElement legend = sitePlanHeader();
        QRectF rect = legend.rect();
        rect.moveTopLeft(QPointF(width - rect.width() - Margin, height - rect.height() - Margin));
        legend.setRect(rect);
        page.addElement(legend);
    }
    m_pages.append(page);
}

QSize Printer::planPageSize(int paperSize, int orientation)
{
    int width = paperSize == 0 ? PrintPage::A4Width : PrintPage::A4Height;
    int height = paperSize == 0 ? PrintPage::A4Height : 1586;
    if (orientation != 0)
        std::swap(width, height);
    return QSize(width, height);
}

QSize Printer::planAreaSize(int paperSize, int orientation)
{
    const QSize page = planPageSize(paperSize, orientation);
    return QSize(int(std::ceil(page.width() - 2 * Margin)), int(std::ceil(page.height() - 2 * Margin)));
}

PrintElement Printer::sitePlanHeader() const
{
    const QFont regular = font(10);
    const QFont bold = font(10, true);
    const double ls = QFontMetricsF(regular).lineSpacing();

    PrintElement block = PrintElement::makeGroup(QRectF(0, 0, LegendWidth, LegendLines * ls), true);
    // White, so that the legend reads clearly where it covers the plan.
    block.setBrush(QBrush(Qt::white, Qt::SolidPattern));

    block.addChild(legendPart(0, 45 * Mm, ls,
                              {{tr("Kunde:"), m_planCustomer}, {tr("Ort:"), m_planPlace},
                               {tr("Straße, Nr.:"), m_planStreet}}));

    const double titleWidth = 80 * Mm;
    const double inner = titleWidth - 2 * Mm;
    PrintElement title = PrintElement::makeGroup(QRectF(45 * Mm, 0, titleWidth, LegendLines * ls), true);
    addLines(title, {tr("Bestandsplan")}, 1 * Mm, 0.5 * ls, inner, ls, bold, Qt::AlignHCenter);
    addLines(title, fittedLines(m_planTitle, inner, regular, 4), 1 * Mm, 2 * ls, inner, ls, regular, Qt::AlignHCenter);
    title.addChild(scaleBar(QRectF(0, 7 * ls, titleWidth, 4 * ls), m_planScale, regular));
    addLines(title, {tr("(alle Angaben ohne Gewähr)")}, 1 * Mm, 11 * ls, inner, ls, regular, Qt::AlignHCenter);
    block.addChild(title);

    PrintElement scale = legendPart(125 * Mm, 45 * Mm, ls,
                                    {{tr("Maßstab:"), QStringLiteral("1 : %1").arg(shortest(m_planScale))},
                                     {tr("Datum:"), m_planDate}});
    addLines(scale, fittedLines(m_planCommentary, 43 * Mm, regular, 3), 1 * Mm, 9 * ls, 43 * Mm, ls, regular,
             Qt::AlignLeft);
    block.addChild(scale);
    return block;
}

PrintElement Printer::scaleBar(const QRectF &rect, double scale, const QFont &font)
{
    const double ls = QFontMetricsF(font).lineSpacing();
    PrintElement bar = PrintElement::makeGroup(rect, false);
    bar.addChild(PrintElement::makeText(QRectF(0, 0, rect.width(), ls),
                                        tr("Maßstab 1 : %1      1cm ≙ %2m").arg(shortest(scale), shortest(scale / 100)),
                                        font, Qt::AlignHCenter, Qt::black, false));

    // A step of a round number of metres, a quarter of what 7 cm show, at least one metre.
    const double step = std::max(1.0, std::floor(scale * BarMaxCentimetres / 100 * 0.25));
    const double centimetres = step * 100 / scale;
    const double segmentWidth = centimetres * 793 / 21;
    const int segments = centimetres > 0 && std::isfinite(centimetres)
        ? int(std::min(double(BarMaxSegments), BarMaxCentimetres / centimetres + 1e-9))
        : 0;

    const double left = rect.width() / 2 - segments * segmentWidth / 2;
    const double top = rect.height() / 2;
    for (int i = 0; i < segments; ++i) {
        PrintElement segment = PrintElement::makeRect(QRectF(left + i * segmentWidth, top, segmentWidth, BarHeight));
        segment.setPen(QPen(Qt::black, 0.4));
        segment.setBrush(i % 2 == 1 ? QBrush(Qt::black, Qt::SolidPattern) : QBrush(Qt::NoBrush));
        bar.addChild(segment);
        const double end = left + (i + 1) * segmentWidth;
        bar.addChild(PrintElement::makeText(QRectF(end - 10 * Mm, top + BarHeight + 1 * Mm, 20 * Mm, ls),
                                            QString::number((i + 1) * step, 'g', 6), font, Qt::AlignHCenter,
                                            Qt::black, false));
    }
    return bar;
}
