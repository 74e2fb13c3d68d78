// The pipe report: the text section of an inspection's pages, its header table and then the
// observations as a list, one line block per observation.

#include "reports/printer.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

// The list label sits 5 mm below the header table (at 83 mm on pages without one).
constexpr double ListTop = 83 * Printer::PixelsPerMm;

// How many lines of that height fit from top down to bottom.
int linesBetween(double top, double bottom, double lineHeight)
{
    int lines = std::max(0, int((bottom - top) / lineHeight));
    while (top + (lines + 1) * lineHeight <= bottom)
        ++lines;
    while (lines > 0 && top + lines * lineHeight > bottom)
        --lines;
    return lines;
}

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
    // Where the rows start on every page after the first, and the lines that fit there.
    const double nextPageTop = ListTop + 2 * lineHeight;
    const int pageLines = linesBetween(nextPageTop, BottomLimit, lineHeight);

    QVector<PrintPage> pages;
    PrintPage page = startPage(title, jobSubtitle(), withLetterhead);
    double y = ListTop + addHeaderTable(page);
    addText(page, QRectF(LeftMargin, y, labelWidth, lineHeight), label, bold, Qt::AlignLeft, Qt::black, false);
    y += 2 * lineHeight;
    const auto nextPage = [&] {
        pages.append(page);
        page = startPage(title, jobSubtitle(), withLetterhead);
        addText(page, QRectF(LeftMargin, ListTop, labelWidth, lineHeight), label, bold, Qt::AlignLeft, Qt::black,
                false);
        y = nextPageTop;
    };
    // The distance and the code are one line each, whatever their width: they never wrap. Blanks
    // count as in wrapped text, so the padding of the distance is not drawn.
    const auto addCell = [&](const QRectF &rect, const QString &text, int alignment, const QColor &color) {
        const QString line = text.simplified();
        addWrappedLines(page, rect, line.isEmpty() ? QStringList() : QStringList{line}, regular, alignment, color,
                        false);
    };

    for (const ObservationRow &row : rows) {
        const QStringList lines = wrapLines(row.text, descriptionWidth, regular);
        const int rowLines = std::max(1, int(lines.size()));
        const int room = linesBetween(y, BottomLimit, lineHeight);
        // A row that a page can hold stays whole: one that does not fit below starts the next
        // page. A taller row starts right here and continues over the pages that follow.
        if (rowLines > room && (rowLines <= pageLines || room == 0))
            nextPage();
        addCell(QRectF(LeftMargin, y, mm(13), lineHeight), QStringLiteral("%1m").arg(row.distance, 6, 'f', 2),
                Qt::AlignRight, Qt::black);
        addCell(QRectF(mm(38), y, mm(9), lineHeight), row.label, Qt::AlignLeft, row.color);
        int done = 0;
        for (;;) {
            const int count = std::min(rowLines - done, std::max(1, linesBetween(y, BottomLimit, lineHeight)));
            addWrappedLines(page, QRectF(mm(52), y, descriptionWidth, count * lineHeight), lines.mid(done, count),
                            regular, Qt::AlignLeft, Qt::black, false);
            y += count * lineHeight;
            done += count;
            if (done >= rowLines)
                break;
            nextPage();
        }
    }
    pages.append(page);
    return pages;
}
