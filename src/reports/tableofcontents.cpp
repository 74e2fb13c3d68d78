// The table of contents that opens a project report: one box per inspection, five to a page,
// and the total length of all inspections after the last box.

#include "reports/printer.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

constexpr int BoxesPerPage = 5;
constexpr double BoxStep = 37 * Printer::PixelsPerMm;
// Room the total block needs below the last box.
constexpr double TotalBlockHeight = 30;
// Each cell outline is 16 px high and starts this far above its text.
constexpr double CellHeight = 16;
constexpr double CellAboveText = 2.55;

} // namespace

void Printer::addTableOfContents(const QList<TocEntry> &entries, const QString &title,
                                 const QColor &highlight, bool colorProjects, const QString &client)
{
    const QFont regular = font(10);
    const QFont bold = font(10, true);
    const QFontMetricsF boldMetrics(bold);
    const QString heading = tr("Inhaltsverzeichnis");

    QList<TocEntry> shown = entries;
    elideTocEntries(shown, regular);

    double total = 0;
    double y = ContentTop;
    // An empty project still gets its page with the (zero) total.
    const int pageCount = std::max(1, int((shown.size() + BoxesPerPage - 1) / BoxesPerPage));
    PrintPage page = startPage(heading, title);
    for (int p = 0; p < pageCount; ++p) {
        if (p > 0) {
            m_pages.append(page);
            page = startPage(heading, title);
        }
        y = ContentTop;
        if (p == 0 && !client.isEmpty()) {
            const QString label = tr("Auftraggeber") + QStringLiteral(": ");
            const double labelWidth = boldMetrics.horizontalAdvance(label);
            addText(page, QRectF(LeftMargin, y, labelWidth, 20), label, bold, Qt::AlignLeft, Qt::black, false);
            addText(page, QRectF(LeftMargin + labelWidth, y, mm(170) - labelWidth, 20), client, regular,
                    Qt::AlignLeft, Qt::black, false);
            y += 10 + mm(5);
        }
        const int end = std::min(int(shown.size()), (p + 1) * BoxesPerPage);
        for (int i = p * BoxesPerPage; i < end; ++i) {
            addTocRows(page, QRectF(LeftMargin, y, 0, 0), shown.at(i), highlight, colorProjects);
            total += shown.at(i).length;
            y += BoxStep;
        }
    }

    if (y + TotalBlockHeight > BottomLimit) {
        m_pages.append(page);
        page = startPage(heading, title);
        y = ContentTop;
    }

    const QString totalLabel = tr("Gesamtlänge aller Untersuchungen");
    const double width = boldMetrics.horizontalAdvance(totalLabel) + 25;
    const double lineHeight = boldMetrics.lineSpacing();
    addText(page, QRectF(LeftMargin, y + 6, width, lineHeight), totalLabel, bold, Qt::AlignHCenter,
            Qt::black, false);
    page.addElement(PrintElement::makeRect(QRectF(LeftMargin, y + 6 - CellAboveText, width, CellHeight)));
    addText(page, QRectF(LeftMargin, y + 22, width, lineHeight), QStringLiteral("%1m").arg(total, 0, 'f', 2),
            bold, Qt::AlignHCenter, Qt::black, false);
    page.addElement(PrintElement::makeRect(QRectF(LeftMargin, y + 22 - CellAboveText, width, CellHeight)));
    m_pages.append(page);
}

void Printer::addTocRows(PrintPage &page, const QRectF &rect, const TocEntry &entry,
                         const QColor &highlight, bool colorProjects) const
{
    const QFont regular = font(10);
    const QFont bold = font(10, true);
    const double lineHeight = QFontMetricsF(bold).lineSpacing();
    const double x0 = rect.x();
    const double y0 = rect.y();

    // The bar: one wide cell, its text inset by 5 mm.
    page.addElement(PrintElement::makeRect(QRectF(x0, y0 + 6 - CellAboveText, mm(170), 14)));
    addText(page, QRectF(x0 + mm(5), y0 + 6, mm(165), lineHeight), entry.sectionName, bold, Qt::AlignLeft,
            colorProjects ? highlight : QColor(Qt::black), false);

    // One row of touching cells; widths in millimetres.
    auto addRow = [&](double textY, const QVector<QPair<double, QString>> &cells, const QFont &cellFont) {
        double x = x0;
        for (const auto &cell : cells) {
            const double width = mm(cell.first);
            addText(page, QRectF(x, y0 + textY, width, lineHeight), cell.second, cellFont, Qt::AlignHCenter,
                    Qt::black, false);
            page.addElement(PrintElement::makeRect(QRectF(x, y0 + textY - CellAboveText, width, CellHeight)));
            x += width;
        }
    };

    // The inspections of the standards with nodes and video names label them so; the older ones
    // keep their own words, which are the same in every language.
    const bool named = entry.kind == 1;
    addRow(20,
           {{55, tr("Straße")},
            {25, tr("Datum")},
            {45, named ? QStringLiteral("Zulauf") : QStringLiteral("Punkt oben")},
            {45, named ? QStringLiteral("Ablauf") : QStringLiteral("Punkt unten")}},
           bold);
    addRow(36, {{55, entry.street}, {25, entry.date}, {45, entry.startNode}, {45, entry.endNode}}, regular);
    addRow(52,
           {{67, tr("Material")},
            {18, tr("Höhe")},
            {18, tr("Breite")},
            {32, named ? QStringLiteral("Videoname") : QStringLiteral("Videonummer")},
            {35, tr("Länge")}},
           bold);
    addRow(68,
           {{67, entry.material}, {18, entry.height}, {18, entry.width}, {32, entry.videoReference},
            {35, entry.lengthText}},
           regular);
    addRow(84, {{170, tr("System")}}, bold);
    addRow(100, {{170, entry.sewerText}}, regular);
}
