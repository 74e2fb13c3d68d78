// The photo reports: an inspection's photos either as a plain grid, several to a page, or one
// to a row with its texts beside it; by distance and video time (with the short header table)
// or by photo name.

#include "reports/printer.h"

#include <algorithm>

namespace {

constexpr double Mm = Printer::PixelsPerMm;
constexpr double AreaWidth = 170 * Mm;
constexpr double AreaHeight = 151.39 * Mm;
constexpr double TopBelowHeaderTable = 121 * Mm;
// Photos are 5 : 4.
constexpr double Aspect = 1.25;
// Layouts come from the configuration; a count out of all reason is not laid out as asked.
constexpr int MaxCellsPerSide = 20;

} // namespace

void Printer::createFotoPages(const QVector<QImage> &photos, int columns, int rows, const QStringList &texts)
{
    if (texts.isEmpty())
        addPhotoGrid(photos, columns, rows, TopBelowHeaderTable, true);
    else
        addPhotoRows(photos, rows, TopBelowHeaderTable, true, {tr("Timecode"), tr("Meter"), tr("Text")}, texts);
}

void Printer::createFotoPagesByName(const QVector<QImage> &photos, int columns, int rows, const QStringList &names)
{
    if (names.isEmpty())
        addPhotoGrid(photos, columns, rows, ContentTop, false);
    else
        addPhotoRows(photos, rows, ContentTop, false, {tr("Name")}, names);
}

void Printer::photoCell(PrintPage &page, const QPointF &origin, double photoWidth, double photoHeight,
                        const QImage &photo, const QStringList &labels, const QStringList &values) const
{
    addLabelGrid(page, origin, {labels, values}, {160 * Mm - photoWidth});
    // The photo stands against the right margin, a little above its texts.
    const QRectF rect(origin.x() + PrintPage::A4Width - photoWidth - 40 * Mm, origin.y() - 5 * Mm, photoWidth,
                      photoHeight);
    page.addElement(PrintElement::makeImage(rect, photo, false, true));
}

PrintPage Printer::photoPage(bool withHeader) const
{
    PrintPage page = startPage(tr("Foto-Bericht"), jobSubtitle());
    if (withHeader)
        addShortHeaderTable(page);
    return page;
}

void Printer::addPhotoGrid(const QVector<QImage> &photos, int columns, int rows, double top, bool withHeader)
{
    columns = std::clamp(columns, 1, MaxCellsPerSide);
    rows = std::clamp(rows, 1, MaxCellsPerSide);
    const double cellWidth = AreaWidth / columns;
    const double cellHeight = AreaHeight / rows;
    double photoWidth = cellWidth - 5 * Mm;
    double photoHeight = photoWidth / Aspect;
    if (cellWidth / cellHeight > Aspect) {
        photoHeight = cellHeight - 2.5 * Mm;
        photoWidth = photoHeight * Aspect;
    }

    const int perPage = columns * rows;
    PrintPage page(PrintPage::A4Width, PrintPage::A4Height);
    for (int i = 0; i < photos.size(); ++i) {
        const int cell = i % perPage;
        if (cell == 0) {
            if (i > 0)
                m_pages.append(page);
            page = photoPage(withHeader);
        }
        const QRectF rect(LeftMargin + cell % columns * cellWidth, top + cell / columns * cellHeight, photoWidth,
                          photoHeight);
        page.addElement(PrintElement::makeImage(rect, photos.at(i), false, true));
    }
    if (!photos.isEmpty())
        m_pages.append(page);
}

void Printer::addPhotoRows(const QVector<QImage> &photos, int rows, double top, bool withHeader,
                           const QStringList &labels, const QStringList &texts)
{
    rows = std::clamp(rows, 1, MaxCellsPerSide);
    const double rowHeight = AreaHeight / rows;
    const double photoWidth = std::min(108 * Mm, rowHeight * Aspect);
    const double photoHeight = photoWidth / Aspect;
    const int textsPerPhoto = labels.size();

    PrintPage page(PrintPage::A4Width, PrintPage::A4Height);
    for (int i = 0; i < photos.size(); ++i) {
        const int row = i % rows;
        if (row == 0) {
            if (i > 0)
                m_pages.append(page);
            page = photoPage(withHeader);
        }
        QStringList values;
        for (int k = 0; k < textsPerPhoto; ++k)
            values << texts.value(i * textsPerPhoto + k);
        photoCell(page, QPointF(LeftMargin, top + row * (rowHeight + 5 * Mm)), photoWidth, photoHeight, photos.at(i),
                  labels, values);
    }
    if (!photos.isEmpty())
        m_pages.append(page);
}
