#pragma once

#include "foundation/records/printpage.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

// Report pages written into a PDF and read back with poppler's tools, so that report tests can
// check what a reader of the file sees: texts per page, where each word lies and which fonts
// are embedded. A tool that fails fails the running test.
namespace ReportPdf {

// One page pixel of a report page is 1/96 inch: 0.75 pt.
constexpr double PointsPerPixel = 0.75;

// Writes the pages, unnumbered, one A4 page each at one page pixel per 0.75 pt, through the
// pictures the pages render into. False (and a failed test) when the file cannot be written.
bool write(const QString &path, const QVector<PrintPage> &pages);

// The text of one page (1-based) as `pdftotext -layout` lays it out.
QString layoutText(const QString &path, int page);

struct Word
{
    int page = 0;  // 1-based
    QString text;
    QRectF box;    // in points from the page's top-left corner
};

struct Layout
{
    QVector<QSizeF> pageSizes; // in points
    QVector<Word> words;

    // The words of one page in reading order.
    QVector<Word> wordsOn(int page) const;
    // The first word with this text on the page; a null box when there is none.
    Word find(int page, const QString &text) const;
};

// Every word with its box, from `pdftotext -bbox`.
Layout layout(const QString &path);

struct Font
{
    QString name;   // without a subset prefix
    QString type;
    bool embedded = false;
};

// The fonts the file uses, from `pdffonts`.
QVector<Font> fonts(const QString &path);
// Empty when the file uses fonts and each is an embedded face of the family ("DejaVuSans" also
// takes "DejaVuSans-Bold"); otherwise what is wrong.
QString fontProblem(const QString &path, const QString &family);

// One page (1-based) rendered by `pdftoppm` at dpi dots per inch; a page pixel is dpi / 96
// rendered pixels. A null image (and a failed test) when it cannot be rendered.
QImage renderPage(const QString &path, int page, int dpi);
// The rendered colour at a point given in page pixels.
QColor pixelAt(const QImage &rendered, const QPointF &pagePoint, int dpi);
// Whether two colours differ by at most tolerance in each channel: images in a PDF are stored
// compressed, so their colours come back a little off.
bool nearColor(const QColor &a, const QColor &b, int tolerance = 8);

} // namespace ReportPdf
