#pragma once

#include "foundation/records/printelement.h"
#include "foundation/records/printpage.h"
#include "foundation/records/reportrecords.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

class Firm;
class Viewer3D;

// What the pipe-network plan page is made of, as chosen in the print dialog.
struct PlanSettings
{
    double scale = 50;     // the plan is drawn at 1 : scale
    int paperSize = 0;     // 0 A4, otherwise A3
    int orientation = 0;   // 0 portrait, otherwise landscape
    int letterheadPosition = 0;
    int legendPosition = 0;
    QString customer;
    QString city;
    QString street;
    QString title;
    QString commentary;
    QDate date;
};

// Lays out the pages of one report section as display lists, in page pixels of an A4 portrait
// page (793 x 1123). It holds the data of one print job (letterhead, header lists, section data,
// pipe markers), offers the layout operations every section shares, and collects the pages the
// section builders append. One generator serves one job run and is discarded afterwards; the
// runner copies the pages out first.
//
// The section builders live in their own source files beside printer.cpp (header tables, table
// of contents, pipe report, ...); each starts its pages with startPage() and appends them to the
// generator's pages.
class Printer : public QObject
{
    Q_OBJECT

public:
    // Page pixels per millimetre: 793 pixels span the 210 mm of an A4 page.
    static constexpr double PixelsPerMm = 793.0 / 210.0;
    static constexpr double mm(double millimetres) { return millimetres * PixelsPerMm; }

    static constexpr double LeftMargin = 20 * PixelsPerMm;
    // Nothing of a section goes below 277.4 mm: the page number band follows.
    static constexpr double BottomLimit = 277.4 * PixelsPerMm;
    // Where the header tables and the first content below the title block start.
    static constexpr double ContentTop = 78 * PixelsPerMm;
    static constexpr double HeaderColumnWidth = 85 * PixelsPerMm;

    // The report typeface in a pixel size; bold is weight 75.
    static QFont font(int pixelSize, bool bold = false);

    explicit Printer(QObject *parent = nullptr);
    ~Printer() override;

    // --- job runners: each lays out one print job with a fresh generator and returns its pages

    // The pipe report (left out for an ISYBAU 2001 inspection while text reports are off) and
    // the pipe graphic, with the rows coloured. graphicalDamages draws the damages on the pipe.
    static QVector<PrintPage> runInspectionPages(PrintJob job, bool graphicalDamages);
    // The photo pages in the configured photo layout, with the short header table.
    static QVector<PrintPage> runFotoPages(PrintJob job);
    // The photo pages of a free-text inspection, by photo name.
    static QVector<PrintPage> runFotoPagesVideo(PrintJob job);
    // The table of contents; its page count is the number of pages returned.
    static QVector<PrintPage> runTocPages(PrintJob job);

    // The pipe-network plan page: the viewer's camera set to the plan's scale over the plan area
    // and its view rendered into the plan element (id elementId). The letterhead is always the
    // standard one.
    static QVector<PrintPage> runPlanPage(const PlanSettings &plan, Viewer3D *viewer, const QString &elementId);
    // The plan page in page pixels, and the area of its plan: the page less 20 mm all round,
    // rounded up to whole pixels, which is the size the plan is rendered at.
    static QSize planPageSize(int paperSize, int orientation);
    static QSize planAreaSize(int paperSize, int orientation);
    // Scene units of the 3D view per page pixel of a plan at 1 : scale.
    static double planSceneUnitsPerPixel(double scale);

    // The current company's letterhead: its designed one when it uses that and the stored bytes
    // read, else the standard one with logo, address and contact.
    void setFirmLetterhead(const Firm &firm);

    // --- job data

    // A designed letterhead (one group element) replaces the standard one whole.
    void setCustomLetterhead(const PrintElement &letterhead);
    // Builds the standard letterhead: logo, address and contact (both HTML) in framed boxes on
    // a white ground, 170 x 30 mm at the top left margin.
    void setLetterhead(const QImage &logo, const QString &address, const QString &contact);
    PrintElement letterhead() const { return m_letterhead; }

    // Element 0 the standard's name, then the values of the short header table.
    void setShortHeader(const QStringList &shortHeader) { m_shortHeader = shortHeader; }
    // Element 0 the standard's name, then the values of that standard's header table.
    void setNormHeader(const QStringList &normHeader) { m_normHeader = normHeader; }
    // The two node names, the direction flag (0 as inspected, otherwise against it), the section
    // name (the subtitle of every title block), the inspected length in metres and the sewer
    // class that colours the flow icon.
    void setSectionData(const QString &startNode, const QString &endNode, int direction,
                        const QString &sectionName, double length, int flowColorKind);
    void setPoints(const QList<PipeMarker> &points) { m_points = points; }
    void setGraphicalDamages(bool show) { m_graphicalDamages = show; }
    // The site-plan page's scale denominator (the plan is drawn at 1 : scale) and its legend texts.
    void setPlanData(double scale, const QString &customer, const QString &place, const QString &street,
                     const QString &title, const QString &commentary, const QString &date);

    QString jobSubtitle() const { return m_sectionName; }
    QVector<PrintPage> pages() const { return m_pages; }

    // --- layout operations

    // A new A4 page with the letterhead (when asked) and the title block.
    PrintPage startPage(const QString &title, const QString &subtitle, bool withLetterhead = true) const;
    // The title in bold 25 px and the subtitle in bold 20 px, centred over 170 mm.
    void addTitle(PrintPage &page, const QString &title, const QString &subtitle) const;
    // The text word-wrapped to the rectangle's width, one text element per line, all in one
    // group over the rectangle (framed when asked).
    void addText(PrintPage &page, const QRectF &rect, const QString &text, const QFont &font,
                 int alignment, const QColor &color, bool frame) const;
    // Lines already wrapped, as addText puts them.
    void addWrappedLines(PrintPage &page, const QRectF &rect, const QStringList &lines, const QFont &font,
                         int alignment, const QColor &color, bool frame) const;
    // Label/value columns in pairs (labels, values), one width per pair, starting at origin:
    // labels bold, a ":" per line, values regular, wrapped to their room. Returns the height of
    // the tallest pair.
    double addLabelGrid(PrintPage &page, const QPointF &origin, const QList<QStringList> &columns,
                        const QList<double> &widths) const;

    // Greedy word wrap at blanks: words join while the joined line stays narrower than width; a
    // word wider than width breaks inside itself into lines as wide as fit, and its last piece
    // takes the words that follow. No words give no lines.
    static QStringList wrapLines(const QString &text, double width, const QFont &font);
    // The number of wrapped lines, at least 1: an empty text still takes a line.
    static int lineCount(const QString &text, double width, const QFont &font);
    // The widest line of all texts wrapped at width, words kept whole (a column sized by it
    // holds its longest word); 0 for no texts.
    static double maxWrappedWidth(const QStringList &texts, double width, const QFont &font);
    // Shortens the table-of-contents fields that have a fixed cell to that cell's width.
    static void elideTocEntries(QList<TocEntry> &entries, const QFont &font);

    // --- inspection header tables

    // The short header table of the photo pages and the pipe graphic.
    void addShortHeaderTable(PrintPage &page) const;
    // The header table of the job's standard; nothing and 0 without a norm header or for a
    // standard without a table of its own. Returns the height used.
    double addHeaderTable(PrintPage &page) const;

    // --- table of contents

    // One box per inspection, five to a page, then the total length of all inspections. The
    // bar text of each box takes the highlight colour when colorProjects is set.
    void addTableOfContents(const QList<TocEntry> &entries, const QString &title,
                            const QColor &highlight, bool colorProjects, const QString &client);
    // One inspection's box; only the rectangle's top-left corner is used.
    void addTocRows(PrintPage &page, const QRectF &rect, const TocEntry &entry,
                    const QColor &highlight, bool colorProjects) const;

    // --- pipe report

    // The observation list over as many pages as it needs, or, with withList clear, one page
    // with the header table only.
    void createPipeReport(const QVector<ObservationRow> &rows, bool withList);
    // The pages of the observation list. A row stays whole when a page can hold it; a taller one
    // continues on the next pages, so that no line of it is lost.
    QVector<PrintPage> pipeReportPages(const QVector<ObservationRow> &rows, bool withLetterhead) const;

    // --- pipe graphic

    // The drawing of the pipe on each page: 539.6762 x 431.7410 page pixels (5 : 4) below the
    // short header table. Its left edge is the left margin.
    static constexpr double PipeDrawingTop = 126 * PixelsPerMm;
    static constexpr double PipeDrawingWidth = 539.6762;
    static constexpr double PipeDrawingHeight = 431.7410;
    // Beyond this many page pixels per millimetre of pipe a larger scale is never tried.
    static constexpr double PipeScaleLimit = 100;

    // Where the observation labels stand beside the band.
    enum class LabelSide { Right = 0, Left = 1 };

    // The inspection as a band down the page with every observation labelled beside it, over as
    // many pages as the labels need. With automaticLayout the labels follow the rows' sides;
    // colorDamage writes each label in its row's colour and marks the row on the pipe. A label
    // taller than the room its page leaves it is cut to that room and ends in "…" (the pipe
    // report carries the whole text).
    void createPipeGraphic(const QVector<ObservationRow> &rows, bool automaticLayout, bool colorDamage);
    // The pages at the given scale (page pixels per millimetre of pipe) for rows whose distances
    // are already shifted by the distance offset. Layout 0 puts all labels right of the band, 2
    // all left of it, 1 each row on its own side.
    QVector<PrintPage> pipeGraphicPages(const QVector<ObservationRow> &rows, double scale, double height,
                                        int layout, bool colorDamage);
    // One observation's label block with its first line centred at labelPosition.y(), its leader
    // line from the pipe at rowPosition and, for a coloured label, its mark on the pipe. A
    // description of more than maxLines lines (when maxLines is 1 or more) is cut to them, its
    // last line ending in "…". Returns the block's height.
    double pipeGraphicLabel(PrintPage &page, const QPointF &labelPosition, const QPointF &rowPosition,
                            const QString &distanceText, const QString &timeText, const ObservationRow &row,
                            LabelSide side, int layout, bool colorDamage, bool sameDistance, int maxLines = 0);
    // Whether every label, placed page by page at this scale, starts within the drawing.
    bool pipeGraphicFits(double scale, const QVector<ObservationRow> &rows, const QSizeF &area, int layout) const;

    // Every row's distance less the offset.
    static void shiftDistances(QVector<ObservationRow> &rows, double offset);
    // 0 when no row lies on side 0; 1 when rows lie on both sides 0 and 1; 2 otherwise.
    static int observedSides(const QVector<ObservationRow> &rows);
    // The scale that puts the whole pipe on one page, grown by 10 % steps until the labels fit.
    // Growth stops at 100 px/mm, when labels at one distance alone cannot fit in any scale, and
    // before the pages would outnumber the rows' distinct distances. Infinite for a pipe of no
    // length.
    double fitScale(const QVector<ObservationRow> &rows, double extentA, double extentB, int layout) const;
    // The pipe markers of page pageIndex when each page shows bandHeight metres, in list order.
    QList<PipeMarker> pointsOnPage(int pageIndex, double bandHeight) const;
    // The image in the flow colour of the job's sewer class, each pixel keeping its alpha.
    QImage tintFlowIcon(const QImage &image) const;
    // A node symbol: a light grey circle of that diameter centred on the point.
    void addCircle(PrintPage &page, const QPointF &centre, double diameter) const;
    // A row's mark on the pipe: a 2 mm bar on the band's axis, height / 2 high around centreY and
    // cut to the limits. Nothing when nothing is left of it.
    void addColorBar(PrintPage &page, double centreY, double topLimit, double bottomLimit, const QColor &color,
                     double height) const;
    // The line from the pipe (start, at the row's y) to a label whose first line is at labelY.
    // Labels of one distance hang from the stem of the first of them.
    void addLeaderLine(PrintPage &page, const QPointF &start, double labelY, double rowY, LabelSide side,
                       bool sameDistance);
    // A piece of pipe: two lines 2 mm apart, the left one from a to b.
    void addPipeSegment(PrintPage &page, const QPointF &a, const QPointF &b) const;
    double distanceOffset() const { return m_distanceOffset; }

    // --- photo reports

    // The photos with their time, distance and text beside each, or, without texts, as a grid;
    // the pages carry the short header table.
    void createFotoPages(const QVector<QImage> &photos, int columns, int rows, const QStringList &texts);
    // The photos with their names, or as a grid without names; no header table.
    void createFotoPagesByName(const QVector<QImage> &photos, int columns, int rows, const QStringList &names);
    // One photo at the right margin with its label grid at the cell's origin.
    void photoCell(PrintPage &page, const QPointF &origin, double photoWidth, double photoHeight, const QImage &photo,
                   const QStringList &labels, const QStringList &values) const;

    // --- site-plan page

    // The plan image framed over the page less 20 mm margins, the letterhead at one of six places
    // (0 none) and the legend at the bottom right (0 none). The plan element gets elementId so
    // that the output can replace its image. paperSize 0 is A4, otherwise A3; orientation 0 is
    // portrait, otherwise landscape.
    void createSitePlanPage(const QImage &plan, const QString &elementId, int paperSize, int orientation,
                            int letterheadPosition, int legendPosition);
    // The legend block: customer, title with scale bar, scale and date; 170 mm wide.
    PrintElement sitePlanHeader() const;
    // The caption and a bar of up to five alternately filled segments of a round number of
    // metres, centred in the rectangle.
    static PrintElement scaleBar(const QRectF &rect, double scale, const QFont &font);

private:
    static QStringList cachedWrap(const QString &text, double width, const QFont &font, bool breakWords);

    struct HeaderRow
    {
        const char *label; // untranslated; null for a row without a label
        int value;         // index into the values
    };
    double addHeaderGrid(PrintPage &page, const QStringList &values,
                         const QVector<HeaderRow> &left, const QVector<HeaderRow> &right) const;
    double addEnHeaderTable(PrintPage &page, const QStringList &values) const;
    double addDwaHeaderTable(PrintPage &page, const QStringList &values) const;
    double addIsybau2006HeaderTable(PrintPage &page, const QStringList &values) const;
    double addDandasHeaderTable(PrintPage &page, const QStringList &values) const;
    double addNorvarHeaderTable(PrintPage &page, const QStringList &values) const;

    struct PipeLayout;
    PipeLayout pipeLayout(int layout) const;
    double coveredLength(const QVector<ObservationRow> &rows) const;
    QVector<double> pipeLabelHeights(const QVector<ObservationRow> &rows, const PipeLayout &geometry) const;
    void addPipeContent(PrintPage &page, int pageIndex, double metresPerPage, double height);
    QPointF addPipeSymbol(PrintPage &page, int kind, const QPointF &at, const QPointF &running, double *extent) const;
    PrintPage photoPage(bool withHeader) const;
    void addPhotoGrid(const QVector<QImage> &photos, int columns, int rows, double top, bool withHeader);
    void addPhotoRows(const QVector<QImage> &photos, int rows, double top, bool withHeader, const QStringList &labels,
                      const QStringList &texts);

    QVector<PrintPage> m_pages;
    PrintElement m_letterhead;
    QString m_address;
    QString m_contact;
    QImage m_logo;
    QStringList m_shortHeader;
    QStringList m_normHeader;
    QString m_startNode;
    QString m_endNode;
    QString m_sectionName;
    int m_direction = 0;
    int m_flowColorKind = 0;
    QList<PipeMarker> m_points;
    QPen m_pen;
    double m_planScale = 0.0;
    QString m_planCustomer;
    QString m_planPlace;
    QString m_planStreet;
    QString m_planTitle;
    QString m_planCommentary;
    QString m_planDate;
    double m_length = 0.0;
    // The metres of pipe the band covers: from the distance offset to the length or the farthest
    // observation.
    double m_pipeLength = 0.0;
    // The smallest observation distance when it is negative, else 0: the band starts there.
    double m_distanceOffset = 0.0;
    bool m_graphicalDamages = false;

    // The pipe graphic's geometry while a page is drawn.
    double m_axisX = 0.0;
    double m_drawingTop = PipeDrawingTop;
    double m_drawingBottom = PipeDrawingTop + PipeDrawingHeight;
    // The y of the last leader line that left the pipe, per label side.
    double m_lastLineY[2] = {0.0, 0.0};
};
