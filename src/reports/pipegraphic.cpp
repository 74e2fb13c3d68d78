// The pipe graphic: one inspection as a band down the page, scaled to its length, with a symbol
// on the pipe for each marker and every observation labelled beside the band at its distance.
//
// Horizontal places, in millimetres from the page's left edge (the drawing starts at the left
// margin, and band, flow icon and labels keep within the 20 mm margins in every layout):
// - layout 0 (labels right of the band): flow icon at 20, band from 26;
// - layout 1 (labels on both sides): band from 84, flow icon against the right margin;
// - layout 2 (labels left of the band): band centred on 169 (moved left when a wide band would
//   push the icon past the margin), flow icon 2 mm right of the band.
// The pipe runs down the band's middle. Descriptions wrap to their nominal width or to the room
// left before the margin, the icon or the end of their leader line, whichever is less.

#include "reports/printer.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Mm = Printer::PixelsPerMm;
constexpr double RightMargin = 190 * Mm;

constexpr double BandMinWidth = 25 * Mm;
// Node names wider than this are shortened rather than let the band push labels off the page.
constexpr double BandMaxWidth = 45 * Mm;
constexpr double PipeWidth = 2 * Mm;
constexpr double NodeDiameter = 8 * Mm;
constexpr double LeaderLength = 15 * Mm;
constexpr double IconWidth = 5 * Mm;
constexpr double IconHeight = 128;

// Label boxes, wide column (layouts 0 and 2) and narrow column (layout 1).
constexpr double DistanceBoxWidth = 18 * Mm;
constexpr double TimeBoxWidth = 18 * Mm;
constexpr double WideCodeBoxWidth = 14 * Mm;
constexpr double WideDescriptionX = 50 * Mm;
constexpr double WideDescriptionWidth = (158 - 50 - 20) * Mm;
constexpr double NarrowCodeBoxWidth = 10 * Mm;
constexpr double NarrowDescriptionX = DistanceBoxWidth + NarrowCodeBoxWidth;
constexpr double NarrowDescriptionWidth = (79 - 18 - 18 - 10) * Mm;
// Right of the band in layout 1 the label keeps clear of its leader line.
constexpr double NarrowRightShift = 15 * Mm;

// Rows closer than this lie at one distance.
constexpr double SameDistance = 1e-9;
// A guard against an overflowing page count for a scale asked for directly; the scale search
// never comes near it.
constexpr int MaxPages = 100000;

QColor bandBrushColor() { return QColor(226, 236, 246); }
QColor bandPenColor() { return QColor(150, 170, 190); }

double labelLineSpacing() { return QFontMetricsF(Printer::font(10)).lineSpacing(); }

// The lines of one label that fit between the drawing's top (a label's first line is centred at
// it at the highest) and the page's lower limit.
int pageLabelLines()
{
    const double lineHeight = labelLineSpacing();
    const double top = Printer::PipeDrawingTop - lineHeight / 2;
    int lines = std::max(1, int((Printer::BottomLimit - top) / lineHeight));
    while (lines > 1 && top + lines * lineHeight > Printer::BottomLimit)
        --lines;
    return lines;
}

// The fewest lines a label keeps: the narrow column puts the time under the distance.
int minimumLabelLines(int layout) { return layout == 1 ? 2 : 1; }

bool atSameDistance(double a, double b) { return std::abs(a - b) <= SameDistance; }

Printer::LabelSide sideOf(const ObservationRow &row, int layout)
{
    if (layout == 2)
        return Printer::LabelSide::Left;
    if (layout == 1 && row.side == 1)
        return Printer::LabelSide::Left;
    return Printer::LabelSide::Right;
}

// The rows by distance, ties in their order; a distance that is not a number counts as 0.
QVector<ObservationRow> sortedRows(QVector<ObservationRow> rows)
{
    for (ObservationRow &row : rows) {
        if (!std::isfinite(row.distance))
            row.distance = 0;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ObservationRow &a, const ObservationRow &b) { return a.distance < b.distance; });
    return rows;
}

// Pages for the covered length at this scale, rounded up; a value within 1e-12 of a whole
// number is that number.
int pageCount(double covered, double scale, double height)
{
    // Grouped so that a pipe of absurd length cannot overflow to infinity on the way.
    const double exact = covered * (1000 * scale / height);
    // No length or no finite scale: everything on one page.
    if (!(covered > 0) || !std::isfinite(exact))
        return 1;
    if (exact >= MaxPages)
        return MaxPages;
    const double nearest = std::round(exact);
    const double count = std::abs(exact - nearest) <= 1e-12 * nearest ? nearest : std::ceil(exact);
    return std::max(1, int(count));
}

// The page that shows a row: the one whose stretch [p m, (p + 1) m] holds it, the upper one
// for a row on the boundary.
int pageOf(double distance, double metresPerPage, int pages)
{
    if (!(metresPerPage > 0) || !(distance > 0))
        return 0;
    const double q = std::min(distance / metresPerPage, double(pages));
    const int page = int(std::ceil(q - 1e-12 * std::max(1.0, q))) - 1;
    return std::clamp(page, 0, pages - 1);
}

int distinctDistances(const QVector<ObservationRow> &sorted)
{
    int count = 0;
    for (int i = 0; i < sorted.size(); ++i) {
        if (i == 0 || !atSameDistance(sorted.at(i - 1).distance, sorted.at(i).distance))
            ++count;
    }
    return std::max(1, count);
}

struct LabelPlace
{
    int page = 0;
    double rowY = 0;
    Printer::LabelSide side = Printer::LabelSide::Right;
    double y = 0;          // the middle of the label's first line
    double gapAfter = 0;   // kept free below the label
    bool sameDistance = false;
};

// The labels placed page by page, top down: each at its row's y unless the labels above on its
// side push it lower. Labels of one distance follow each other without a gap.
QVector<LabelPlace> placeLabels(const QVector<ObservationRow> &sorted, const QVector<double> &heights, int layout,
                                int pages, double metresPerPage, double height)
{
    const double top = Printer::PipeDrawingTop;
    const double gap = 1.5 * labelLineSpacing();
    const int count = sorted.size();

    QVector<int> nextOnSide(count, -1);
    int following[2] = {-1, -1};
    for (int i = count - 1; i >= 0; --i) {
        const int side = int(sideOf(sorted.at(i), layout));
        nextOnSide[i] = following[side];
        following[side] = i;
    }

    QVector<LabelPlace> places(count);
    double running[2] = {top, top};
    int previous[2] = {-1, -1};
    int currentPage = -1;
    for (int i = 0; i < count; ++i) {
        LabelPlace &place = places[i];
        const double distance = std::max(0.0, sorted.at(i).distance);
        place.page = pageOf(distance, metresPerPage, pages);
        if (place.page != currentPage) {
            currentPage = place.page;
            running[0] = running[1] = top;
            previous[0] = previous[1] = -1;
        }
        place.rowY = metresPerPage > 0
            ? top + (distance - place.page * metresPerPage) / metresPerPage * height
            : top;
        place.side = sideOf(sorted.at(i), layout);
        const int side = int(place.side);
        place.sameDistance = previous[side] >= 0
            && atSameDistance(sorted.at(previous[side]).distance, sorted.at(i).distance);
        place.y = std::max(place.rowY, running[side]);
        const int next = nextOnSide.at(i);
        place.gapAfter = next >= 0 && !atSameDistance(sorted.at(next).distance, sorted.at(i).distance) ? gap : 0;
        running[side] = place.y + heights.at(i) + place.gapAfter;
        previous[side] = i;
    }
    return places;
}

// Labels that would run past the page's lower limit move up just as far as needed, the ones
// above them with them; none above the drawing's top. Where even that is not room enough they
// crowd, but every label stays on the page.
void settleLabels(QVector<LabelPlace> &places, const QVector<double> &heights)
{
    const double halfLine = labelLineSpacing() / 2;
    double limit[2] = {0, 0};  // the top of the label below, per side
    bool below[2] = {false, false};
    int page = -1;
    for (int i = places.size() - 1; i >= 0; --i) {
        LabelPlace &place = places[i];
        if (place.page != page) {
            page = place.page;
            limit[0] = limit[1] = Printer::BottomLimit;
            below[0] = below[1] = false;
        }
        const int side = int(place.side);
        const double bottom = limit[side] - (below[side] ? place.gapAfter : 0);
        place.y = std::max(std::min(place.y, bottom + halfLine - heights.at(i)), Printer::PipeDrawingTop);
        limit[side] = place.y - halfLine;
        below[side] = true;
    }
}

// Where the labels of one side of one page are together taller than the page can hold, the
// tallest are cut to one height, in whole lines, until they fit; no label loses more than it
// must and none goes below its minimum. The labels then never reach into each other.
void shortenCrowdedLabels(const QVector<LabelPlace> &places, QVector<double> &heights, int layout)
{
    const double lineHeight = labelLineSpacing();
    const double room = Printer::BottomLimit - (Printer::PipeDrawingTop - lineHeight / 2);
    const int minimum = minimumLabelLines(layout);
    for (int first = 0; first < places.size();) {
        int end = first;
        while (end < places.size() && places.at(end).page == places.at(first).page)
            ++end;
        for (const Printer::LabelSide side : {Printer::LabelSide::Right, Printer::LabelSide::Left}) {
            QVector<int> labels;
            for (int i = first; i < end; ++i) {
                if (places.at(i).side == side)
                    labels.append(i);
            }
            if (labels.isEmpty())
                continue;
            double gaps = 0;
            for (int k = 0; k + 1 < labels.size(); ++k)
                gaps += places.at(labels.at(k)).gapAfter;
            const auto total = [&](int capLines) {
                double sum = gaps;
                for (const int i : labels)
                    sum += std::min(heights.at(i), capLines * lineHeight);
                return sum;
            };
            int cap = 0;
            for (const int i : labels)
                cap = std::max(cap, int(std::lround(heights.at(i) / lineHeight)));
            if (total(cap) <= room)
                continue;
            while (cap > minimum && total(cap) > room)
                --cap;
            for (const int i : labels)
                heights[i] = std::min(heights.at(i), cap * lineHeight);
        }
        first = end;
    }
}

bool labelsStartInDrawing(const QVector<LabelPlace> &places, double height)
{
    return std::all_of(places.cbegin(), places.cend(),
                       [height](const LabelPlace &place) { return place.y - Printer::PipeDrawingTop <= height; });
}

// The first maxLines of the lines, the last of them ending in an ellipsis when lines were left
// out; all of them when maxLines is below 1 or they fit.
QStringList cutLines(const QStringList &lines, double width, const QFont &font, int maxLines)
{
    if (maxLines < 1 || lines.size() <= maxLines)
        return lines;
    QStringList kept = lines.mid(0, maxLines);
    const QFontMetricsF metrics(font);
    const QString ellipsis(QChar(0x2026));
    QString &last = kept.last();
    while (!last.isEmpty() && metrics.horizontalAdvance(last + ellipsis) > width) {
        last.chop(1);
        if (!last.isEmpty() && last.at(last.size() - 1).isHighSurrogate())
            last.chop(1);
    }
    last = last.trimmed() + ellipsis;
    return kept;
}

// One line of a label in its box; the blanks that pad a distance are kept.
void addLine(PrintPage &page, const QRectF &rect, const QString &text, int alignment, const QColor &color)
{
    page.addElement(PrintElement::makeText(rect, text, Printer::font(10), alignment, color, false));
}

} // namespace

struct Printer::PipeLayout
{
    int layout = 0;
    double bandLeft = 0;
    double bandWidth = 0;
    double axis = 0;
    double iconLeft = 0;
    QString topName;
    QString bottomName;
    double labelX[2] = {0, 0};           // by LabelSide
    double descriptionWidth[2] = {0, 0}; // by LabelSide
};

Printer::PipeLayout Printer::pipeLayout(int layout) const
{
    PipeLayout g;
    g.layout = layout == 1 || layout == 2 ? layout : 0;

    const QFontMetricsF names(font(10, true));
    const QString topName = m_direction == 0 ? m_startNode : m_endNode;
    const QString bottomName = m_direction == 0 ? m_endNode : m_startNode;
    const double widest = std::max(names.horizontalAdvance(topName), names.horizontalAdvance(bottomName));
    g.bandWidth = std::clamp(widest, BandMinWidth, BandMaxWidth);
    g.topName = widest > BandMaxWidth ? names.elidedText(topName, Qt::ElideRight, BandMaxWidth) : topName;
    g.bottomName = widest > BandMaxWidth ? names.elidedText(bottomName, Qt::ElideRight, BandMaxWidth) : bottomName;

    switch (g.layout) {
    case 1:
        g.bandLeft = 84 * Mm;
        g.iconLeft = RightMargin - IconWidth;
        break;
    case 2:
        g.bandLeft = std::min(169 * Mm - g.bandWidth / 2, RightMargin - IconWidth - 2 * Mm - g.bandWidth);
        g.iconLeft = g.bandLeft + g.bandWidth + 2 * Mm;
        break;
    default:
        g.iconLeft = LeftMargin;
        g.bandLeft = LeftMargin + IconWidth + 1 * Mm;
        break;
    }
    g.axis = g.bandLeft + g.bandWidth / 2;

    const bool narrow = g.layout == 1;
    const int right = int(LabelSide::Right);
    const int left = int(LabelSide::Left);
    g.labelX[right] = g.bandLeft + g.bandWidth + 1 * Mm;
    g.labelX[left] = LeftMargin;
    const double nominal = narrow ? NarrowDescriptionWidth : WideDescriptionWidth;
    const double rightX = g.labelX[right] + (narrow ? NarrowRightShift + NarrowDescriptionX : WideDescriptionX);
    const double rightLimit = narrow ? g.iconLeft - 1 * Mm : RightMargin;
    const double leftX = g.labelX[left] + (narrow ? NarrowDescriptionX : WideDescriptionX);
    const double leftLimit = g.axis - PipeWidth / 2 - LeaderLength - 1 * Mm;
    g.descriptionWidth[right] = std::max(0.0, std::min(nominal, rightLimit - rightX));
    g.descriptionWidth[left] = std::max(0.0, std::min(nominal, leftLimit - leftX));
    return g;
}

double Printer::coveredLength(const QVector<ObservationRow> &rows) const
{
    const double length = std::isfinite(m_length) && m_length > 0 ? m_length : 0.0;
    double covered = length - m_distanceOffset;
    for (const ObservationRow &row : rows) {
        if (std::isfinite(row.distance))
            covered = std::max(covered, row.distance);
    }
    // Below a nanometre a pipe has no length to scale.
    return covered >= 1e-9 ? covered : 0.0;
}

QVector<double> Printer::pipeLabelHeights(const QVector<ObservationRow> &rows, const PipeLayout &geometry) const
{
    const QFont labelFont = font(10);
    const double lineHeight = labelLineSpacing();
    const int maxLines = pageLabelLines();
    QVector<double> heights;
    heights.reserve(rows.size());
    for (const ObservationRow &row : rows) {
        const int side = int(sideOf(row, geometry.layout));
        // No label is taller than a page can hold: what does not fit is cut when it is drawn.
        const int lines = std::max(minimumLabelLines(geometry.layout),
                                   std::min(lineCount(row.text, geometry.descriptionWidth[side], labelFont), maxLines));
        heights.append(lines * lineHeight);
    }
    return heights;
}

void Printer::createPipeGraphic(const QVector<ObservationRow> &rows, bool automaticLayout, bool colorDamage)
{
    QVector<ObservationRow> shifted = sortedRows(rows);
    m_distanceOffset = shifted.isEmpty() ? 0.0 : std::min(0.0, shifted.first().distance);
    shiftDistances(shifted, m_distanceOffset);
    const int layout = automaticLayout ? observedSides(shifted) : 0;
    const double scale = fitScale(shifted, PipeDrawingWidth, PipeDrawingHeight, layout);
    m_pages += pipeGraphicPages(shifted, scale, PipeDrawingHeight, layout, colorDamage);
}

QVector<PrintPage> Printer::pipeGraphicPages(const QVector<ObservationRow> &rows, double scale, double height,
                                             int layout, bool colorDamage)
{
    const QVector<ObservationRow> sorted = sortedRows(rows);
    const PipeLayout g = pipeLayout(layout);
    m_pipeLength = coveredLength(sorted);
    const int pages = pageCount(m_pipeLength, scale, height);
    const double metresPerPage = m_pipeLength / pages;
    QVector<double> heights = pipeLabelHeights(sorted, g);
    // The pages the labels go to do not depend on their heights: the crowded ones are cut first
    // and then placed.
    shortenCrowdedLabels(placeLabels(sorted, heights, g.layout, pages, metresPerPage, height), heights, g.layout);
    QVector<LabelPlace> places = placeLabels(sorted, heights, g.layout, pages, metresPerPage, height);
    settleLabels(places, heights);

    const QImage icon = tintFlowIcon(QImage(m_direction == 0 ? QStringLiteral(":/images/water_down.png")
                                                             : QStringLiteral(":/images/water_up.png")));
    const QFont nameFont = font(10, true);
    const double nameHeight = QFontMetricsF(nameFont).lineSpacing();
    const double lineHeight = labelLineSpacing();
    const bool abandoned = std::any_of(m_points.cbegin(), m_points.cend(),
                                       [](const PipeMarker &point) { return point.first == 7; });

    QVector<PrintPage> result;
    int next = 0;
    for (int p = 0; p < pages; ++p) {
        PrintPage page = startPage(tr("Haltungs-Graphik"), jobSubtitle());
        addShortHeaderTable(page);
        // Every page shows the same stretch of pipe, so the band always fills the drawing.
        m_axisX = g.axis;
        m_drawingTop = PipeDrawingTop;
        m_drawingBottom = PipeDrawingTop + height;
        m_lastLineY[0] = m_lastLineY[1] = m_drawingTop;

        PrintElement band = PrintElement::makeRect(QRectF(g.bandLeft, m_drawingTop, g.bandWidth, height));
        QPen bandPen = m_pen;
        bandPen.setColor(bandPenColor());
        band.setPen(bandPen);
        band.setBrush(QBrush(bandBrushColor(), Qt::SolidPattern));
        page.addElement(band);
        const double middle = (m_drawingTop + m_drawingBottom) / 2;
        page.addElement(PrintElement::makeImage(QRectF(g.iconLeft, middle - IconHeight / 2, IconWidth, IconHeight),
                                                icon, false, true));

        for (; next < places.size() && places.at(next).page == p; ++next) {
            const LabelPlace &place = places.at(next);
            const ObservationRow &row = sorted.at(next);
            const double pipeSide = place.side == LabelSide::Right ? g.axis + PipeWidth / 2 : g.axis - PipeWidth / 2;
            pipeGraphicLabel(page, QPointF(g.labelX[int(place.side)], place.y), QPointF(pipeSide, place.rowY),
                             QStringLiteral("%1m").arg(row.distance + m_distanceOffset, 6, 'f', 2),
                             row.videoTime.toString(QStringLiteral("hh:mm:ss")), row, place.side, g.layout,
                             colorDamage, place.sameDistance, int(std::lround(heights.at(next) / lineHeight)));
        }

        addPipeContent(page, p, metresPerPage, height);

        if (p == 0) {
            addCircle(page, QPointF(g.axis, m_drawingTop), NodeDiameter);
            page.addElement(PrintElement::makeText(
                QRectF(g.bandLeft, m_drawingTop - NodeDiameter / 2 - 1 * Mm - nameHeight, g.bandWidth, nameHeight),
                g.topName, nameFont, Qt::AlignHCenter, Qt::black, false));
        }
        if (p == pages - 1) {
            // An abandoned inspection never reached its far node: the name stays, the node goes.
            if (!abandoned)
                addCircle(page, QPointF(g.axis, m_drawingBottom), NodeDiameter);
            page.addElement(PrintElement::makeText(
                QRectF(g.bandLeft, m_drawingBottom + NodeDiameter / 2 + 1 * Mm, g.bandWidth, nameHeight),
                g.bottomName, nameFont, Qt::AlignHCenter, Qt::black, false));
        }
        result.append(page);
    }
    return result;
}

double Printer::pipeGraphicLabel(PrintPage &page, const QPointF &labelPosition, const QPointF &rowPosition,
                                 const QString &distanceText, const QString &timeText, const ObservationRow &row,
                                 LabelSide side, int layout, bool colorDamage, bool sameDistance, int maxLines)
{
    const PipeLayout g = pipeLayout(layout);
    const QFont labelFont = font(10);
    const double lineHeight = labelLineSpacing();
    const QColor ink = colorDamage && row.color.isValid() ? row.color : QColor(Qt::black);
    const double descriptionWidth = g.descriptionWidth[int(side)];
    const double top = labelPosition.y() - lineHeight / 2;
    const QStringList description = cutLines(wrapLines(row.text, descriptionWidth, labelFont), descriptionWidth,
                                             labelFont, maxLines);
    int lines = std::max(1, int(description.size()));

    if (g.layout == 1) {
        // Narrow column: the distance over the time, then the code, then the description.
        lines = std::max(2, lines);
        const double x = labelPosition.x() + (side == LabelSide::Right ? NarrowRightShift : 0);
        if (!sameDistance)
            addLine(page, QRectF(x, top, DistanceBoxWidth, lineHeight), distanceText, Qt::AlignRight, ink);
        addLine(page, QRectF(x, top + lineHeight, DistanceBoxWidth, lineHeight), timeText, Qt::AlignRight, ink);
        addLine(page, QRectF(x + DistanceBoxWidth, top, NarrowCodeBoxWidth, lineHeight), row.label, Qt::AlignHCenter,
                ink);
        addWrappedLines(page, QRectF(x + NarrowDescriptionX, top, descriptionWidth, lines * lineHeight), description,
                        labelFont, Qt::AlignLeft, ink, false);
    } else {
        const double x = labelPosition.x();
        if (!sameDistance)
            addLine(page, QRectF(x, top, DistanceBoxWidth, lineHeight), distanceText, Qt::AlignRight, ink);
        addLine(page, QRectF(x + DistanceBoxWidth, top, TimeBoxWidth, lineHeight), timeText, Qt::AlignHCenter, ink);
        addLine(page, QRectF(x + DistanceBoxWidth + TimeBoxWidth, top, WideCodeBoxWidth, lineHeight), row.label,
                Qt::AlignLeft, ink);
        addWrappedLines(page, QRectF(x + WideDescriptionX, top, descriptionWidth, lines * lineHeight), description,
                        labelFont, Qt::AlignLeft, ink, false);
    }

    addLeaderLine(page, rowPosition, labelPosition.y(), rowPosition.y(), side, sameDistance);
    if (ink != QColor(Qt::black))
        addColorBar(page, rowPosition.y(), m_drawingTop, m_drawingBottom, ink, lineHeight);
    return lines * lineHeight;
}

bool Printer::pipeGraphicFits(double scale, const QVector<ObservationRow> &rows, const QSizeF &area, int layout) const
{
    const QVector<ObservationRow> sorted = sortedRows(rows);
    const PipeLayout g = pipeLayout(layout);
    const double covered = coveredLength(sorted);
    const int pages = pageCount(covered, scale, area.height());
    return labelsStartInDrawing(
        placeLabels(sorted, pipeLabelHeights(sorted, g), g.layout, pages, covered / pages, area.height()),
        area.height());
}

void Printer::shiftDistances(QVector<ObservationRow> &rows, double offset)
{
    for (ObservationRow &row : rows)
        row.distance -= offset;
}

int Printer::observedSides(const QVector<ObservationRow> &rows)
{
    const auto onSide = [&rows](int side) {
        return std::any_of(rows.cbegin(), rows.cend(), [side](const ObservationRow &row) { return row.side == side; });
    };
    if (!onSide(0))
        return 0;
    return onSide(1) ? 1 : 2;
}

double Printer::fitScale(const QVector<ObservationRow> &rows, double extentA, double extentB, int layout) const
{
    const QVector<ObservationRow> sorted = sortedRows(rows);
    const double covered = coveredLength(sorted);
    if (!(covered > 0))
        return qInf();
    double scale = extentB * 0.001 / covered;
    if (sorted.isEmpty())
        return scale;

    const PipeLayout g = pipeLayout(layout);
    const QVector<double> heights = pipeLabelHeights(sorted, g);
    // The drawing's width plays no part: labels stand beside the band, whatever its place.
    Q_UNUSED(extentA)
    const auto fits = [&](double s) {
        const int pages = pageCount(covered, s, extentB);
        return labelsStartInDrawing(placeLabels(sorted, heights, g.layout, pages, covered / pages, extentB), extentB);
    };
    if (fits(scale))
        return scale;

    // Labels of one distance stay together at any scale: when those of one side are taller than
    // the drawing even from its top, no scale can make them fit.
    for (const LabelSide side : {LabelSide::Right, LabelSide::Left}) {
        double stacked = 0;
        int previous = -1;
        for (int i = 0; i < sorted.size(); ++i) {
            if (sideOf(sorted.at(i), g.layout) != side)
                continue;
            if (previous >= 0 && atSameDistance(sorted.at(previous).distance, sorted.at(i).distance))
                stacked += heights.at(previous);
            else
                stacked = 0;
            if (stacked > extentB)
                return scale;
            previous = i;
        }
    }

    // More pages than distinct distances cannot spread the labels any further apart in a way a
    // reader could use; crowded labels are the lesser evil.
    const int bound = distinctDistances(sorted);
    while (scale < PipeScaleLimit) {
        const double grown = scale * 1.1;
        if (pageCount(covered, grown, extentB) > bound)
            break;
        scale = grown;
        if (fits(scale))
            break;
    }
    return scale;
}

QList<PipeMarker> Printer::pointsOnPage(int pageIndex, double bandHeight) const
{
    QList<PipeMarker> result;
    const double from = pageIndex * bandHeight;
    const double to = (pageIndex + 1) * bandHeight;
    // The far end of the pipe belongs to the last page; elsewhere a boundary starts a page.
    const bool lastPage = to >= m_pipeLength * (1 - 1e-12);
    for (const PipeMarker &point : m_points) {
        const double distance = point.second - m_distanceOffset;
        if (!(bandHeight > 0)) {
            if (pageIndex == 0 && std::isfinite(distance))
                result.append(point);
            continue;
        }
        if (distance >= from && (distance < to || (lastPage && distance <= to * (1 + 1e-12))))
            result.append(point);
    }
    return result;
}

QImage Printer::tintFlowIcon(const QImage &image) const
{
    QColor color(255, 150, 0);
    if (m_flowColorKind == 0 || m_flowColorKind == 1)
        color = QColor(0, 100, 255);
    else if (m_flowColorKind == 2)
        color = QColor(255, 0, 0);

    QImage tinted = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < tinted.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x)
            line[x] = qRgba(color.red(), color.green(), color.blue(), qAlpha(line[x]));
    }
    return tinted;
}

void Printer::addCircle(PrintPage &page, const QPointF &centre, double diameter) const
{
    PrintElement circle = PrintElement::makeCircle(centre - QPointF(diameter / 2, diameter / 2), diameter);
    circle.setPen(m_pen);
    circle.setBrush(QBrush(Qt::lightGray, Qt::SolidPattern));
    page.addElement(circle);
}

void Printer::addColorBar(PrintPage &page, double centreY, double topLimit, double bottomLimit, const QColor &color,
                          double height) const
{
    const double top = std::max(centreY - height / 4, topLimit);
    const double bottom = std::min(centreY + height / 4, bottomLimit);
    if (!(bottom > top))
        return;
    PrintElement bar = PrintElement::makeRect(QRectF(m_axisX - PipeWidth / 2, top, PipeWidth, bottom - top));
    bar.setPen(Qt::NoPen);
    bar.setBrush(QBrush(color, Qt::SolidPattern));
    page.addElement(bar);
}

void Printer::addLeaderLine(PrintPage &page, const QPointF &start, double labelY, double rowY, LabelSide side,
                            bool sameDistance)
{
    const double sign = side == LabelSide::Right ? 1 : -1;
    const double d = labelY - rowY;
    const double end = start.x() + sign * LeaderLength;
    const double stem = start.x() + sign * (LeaderLength - 5);
    double &lastLineY = m_lastLineY[int(side)];
    QVector<QPointF> points;
    if (d == 0) {
        points = {start, QPointF(end, start.y())};
        lastLineY = start.y();
    } else if (!sameDistance) {
        points = {start, start + QPointF(sign * 13, 0), QPointF(stem, start.y() + d), QPointF(end, start.y() + d)};
        lastLineY = start.y() + d;
    } else {
        points = {QPointF(stem, lastLineY), QPointF(stem, start.y() + d), QPointF(end, start.y() + d)};
    }
    PrintElement line = PrintElement::makePolyline(points);
    line.setPen(m_pen);
    page.addElement(line);
}

void Printer::addPipeSegment(PrintPage &page, const QPointF &a, const QPointF &b) const
{
    for (const QPointF &shift : {QPointF(0, 0), QPointF(PipeWidth, 0)}) {
        PrintElement line = PrintElement::makePolyline({a + shift, b + shift});
        line.setPen(m_pen);
        page.addElement(line);
    }
}

void Printer::addPipeContent(PrintPage &page, int pageIndex, double metresPerPage, double height)
{
    const double x = m_axisX - PipeWidth / 2;
    QPointF running(x, m_drawingTop);
    for (const PipeMarker &point : pointsOnPage(pageIndex, metresPerPage)) {
        const double y = metresPerPage > 0
            ? m_drawingTop + (point.second - pageIndex * metresPerPage - m_distanceOffset) / metresPerPage * height
            : m_drawingTop;
        double extent = 0;
        const QPointF resume = addPipeSymbol(page, point.first, QPointF(x, y), running, &extent);
        if (resume.y() > running.y()) {
            addPipeSegment(page, running, resume);
            running = QPointF(resume.x(), resume.y() + extent);
        }
    }
    // A break at the very end leaves nothing to draw below it.
    if (running.y() < m_drawingBottom - 1e-12)
        addPipeSegment(page, running, QPointF(x, m_drawingBottom));
}

QPointF Printer::addPipeSymbol(PrintPage &page, int kind, const QPointF &at, const QPointF &running,
                               double *extent) const
{
    *extent = 0;
    const bool damage = kind >= 2 && kind <= 6;
    if (kind < 0 || kind > 7 || (damage && !m_graphicalDamages))
        return running;

    const double x = at.x();
    const double y = at.y();
    const auto p = [x, y](double dx, double dy) { return QPointF(x + dx, y + dy); };
    QPen thin = m_pen;
    thin.setWidthF(0.15);
    const QBrush grey(Qt::lightGray, Qt::SolidPattern);
    const auto polyline = [&page](const QVector<QPointF> &points, const QPen &pen, const QBrush &brush) {
        PrintElement e = PrintElement::makePolyline(points);
        e.setPen(pen);
        e.setBrush(brush);
        page.addElement(e);
    };
    const auto path = [&page](const QPainterPath &shape, const QPen &pen) {
        PrintElement e = PrintElement::makePath(shape, false);
        e.setPen(pen);
        e.setBrush(Qt::NoBrush);
        page.addElement(e);
    };
    // The flags of connections point up for a pipe inspected along the flow, down against it.
    const bool up = m_direction == 0;

    switch (kind) {
    case 0:
        polyline(up ? QVector<QPointF>{p(2 * Mm, -0.5 * Mm), p(2 * Mm, 0.5 * Mm), p(4 * Mm, -1.5 * Mm),
                                       p(3 * Mm, -1.5 * Mm), p(2 * Mm, -0.5 * Mm)}
                    : QVector<QPointF>{p(2 * Mm, -0.5 * Mm), p(2 * Mm, 0.5 * Mm), p(3 * Mm, 1.5 * Mm),
                                       p(4 * Mm, 1.5 * Mm), p(2 * Mm, -0.5 * Mm)},
                 m_pen, grey);
        return at;
    case 1:
        polyline(up ? QVector<QPointF>{p(0, -0.5 * Mm), p(0, 0.5 * Mm), p(-2 * Mm, -1.5 * Mm), p(-1 * Mm, -1.5 * Mm),
                                       p(0, -0.5 * Mm)}
                    : QVector<QPointF>{p(0, -0.5 * Mm), p(0, 0.5 * Mm), p(-1 * Mm, 1.5 * Mm), p(-2 * Mm, 1.5 * Mm),
                                       p(0, -0.5 * Mm)},
                 m_pen, grey);
        return at;
    case 2:
        polyline({p(0, -2.5), p(2, 0.05), p(3.3, -0.6), p(2.65, -1.9), p(5.85, -0.6), p(4.55, 1.4), p(2 * Mm, 2.5)},
                 thin, Qt::NoBrush);
        return at;
    case 3: {
        QPainterPath walls;
        walls.moveTo(p(0, -3));
        walls.quadTo(p(2.55, 0), p(0, 3));
        walls.moveTo(p(2 * Mm, -3));
        walls.quadTo(p(2 * Mm - 2.55, 0), p(2 * Mm, 3));
        path(walls, m_pen);
        *extent = 6;
        return p(0, -3);
    }
    case 4:
        polyline({p(2.55, -1), p(3.85, -1), p(5.15, -0.35), p(3.85, 0.95), p(2.55, 0.3), p(2.55, -1)}, thin,
                 Qt::NoBrush);
        polyline({p(0, -3), p(2.55, -1)}, thin, Qt::NoBrush);
        polyline({p(0, 3), p(2.55, 0.3)}, thin, Qt::NoBrush);
        polyline({p(2 * Mm, -3), p(5.15, -0.35)}, thin, Qt::NoBrush);
        polyline({p(2 * Mm, 3), p(3.85, 0.95)}, thin, Qt::NoBrush);
        return at;
    case 5:
        path(wavyPath(p(0, -0.38), p(2 * Mm, -0.38), 7, 0.26), thin);
        path(wavyPath(p(0, 0.39), p(2 * Mm, 0.39), 7, 0.26), thin);
        return at;
    case 6:
        polyline({p(0, -1.275), p(-1, 1.275)}, m_pen, Qt::NoBrush);
        polyline({p(2 * Mm, -1.275), p(2 * Mm - 1, 1.275)}, m_pen, Qt::NoBrush);
        *extent = 2.55;
        return p(0, -1.275);
    case 7:
        path(wavyPath(p(-2 * Mm, 1.3), p(4 * Mm, 1.3), 8, 1.3), m_pen);
        return p(0, 5);
    default:
        return running;
    }
}
