// The pipe report: the text section of an inspection's pages, its header table and then the
// observations as a list, one line block per observation.

#include "reports/printer.h"

#include <QFontMetricsF>

namespace {

// The list label sits 5 mm below the header table (at 83 mm on pages without one).
constexpr double ListTop = 83 * Printer::PixelsPerMm;

} // namespace

void Printer::createPipeReport(const QVector<ObservationRow> &rows, bool withList)
{
    if (withList) {
        m_pages += pipeReportPages(rows, true);
        return;
    }
    PrintPage page = startPage(tr("Haltungs-Bericht"), jobSubtitle());
    addHeaderTable(page);
    m_pages.append(page);
}

QVector<PrintPage> Printer::pipeReportPages(const QVector<ObservationRow> &rows, bool withLetterhead) const
{
    const QFont regular = font(10);
    const QFont bold = font(10, true);
    const double lineHeight = QFontMetricsF(regular).lineSpacing();
    const QString title = tr("Haltungs-Bericht");
    const QString label = tr("Haltungs-Bericht:");
    const double labelWidth = 2 * QFontMetricsF(bold).horizontalAdvance(label);
    const double descriptionWidth = mm(138);

    QVector<PrintPage> pages;
    PrintPage page = startPage(title, jobSubtitle(), withLetterhead);
    double y = ListTop + addHeaderTable(page);
    addText(page, QRectF(LeftMargin, y, labelWidth, lineHeight), label, bold, Qt::AlignLeft, Qt::black, false);
    y += 2 * lineHeight;

    for (const ObservationRow &row : rows) {
        const int lines = lineCount(row.text, descriptionWidth, regular);
        // A row stays whole: one that does not fit below starts the next page.
        if (y + lines * lineHeight > BottomLimit) {
            pages.append(page);
            page = startPage(title, jobSubtitle(), withLetterhead);
            addText(page, QRectF(LeftMargin, ListTop, labelWidth, lineHeight), label, bold, Qt::AlignLeft,
                    Qt::black, false);
            y = ListTop + 2 * lineHeight;
        }
        addText(page, QRectF(LeftMargin, y, mm(13), lineHeight), QStringLiteral("%1m").arg(row.distance, 6, 'f', 2),
                regular, Qt::AlignRight, Qt::black, false);
        addText(page, QRectF(mm(38), y, mm(9), lineHeight), row.label, regular, Qt::AlignLeft, row.color, false);
        addText(page, QRectF(mm(52), y, descriptionWidth, lines * lineHeight), row.text, regular, Qt::AlignLeft,
                Qt::black, false);
        y += lines * lineHeight;
    }
    pages.append(page);
    return pages;
}
