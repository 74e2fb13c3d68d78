#include "reports/printer.h"

#include <QChar>
#include <QFontMetricsF>
#include <QHash>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TitleTop = 55 * Printer::PixelsPerMm;
constexpr double TitleWidth = 170 * Printer::PixelsPerMm;

// Wrapping shapes every candidate line, and a job run wraps the same texts again and again: a
// row's line count before it is placed and its lines when it is, the header table of every page,
// and the pipe graphic once per scale it tries. While a generator lives, the lines are remembered
// by font, width and text; the last generator of a thread to go forgets them.
struct WrapKey
{
    QFont font;
    double width;
    QString text;
    bool breakWords;

    bool operator==(const WrapKey &other) const
    {
        return width == other.width && breakWords == other.breakWords && text == other.text && font == other.font;
    }
};

uint qHash(const WrapKey &key, uint seed)
{
    return ::qHash(key.text, seed) ^ ::qHash(key.width, seed) ^ ::qHash(key.font, seed) ^ ::qHash(key.breakWords, seed);
}

// Far more than one long inspection holds; past it the cache starts again.
constexpr int WrapCacheLimit = 50000;

thread_local QHash<WrapKey, QStringList> wrapCache;
thread_local int liveGenerators = 0;

// The word in pieces no wider than width, each as long as fits and at least one character;
// characters that combine into one are never parted. A word that fits stays whole.
QStringList brokenWord(const QString &word, double width, const QFontMetricsF &metrics)
{
    if (!(width > 0) || !std::isfinite(width) || metrics.horizontalAdvance(word) <= width)
        return {word};
    QVector<int> bounds;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    for (int at = 0; at >= 0; at = finder.toNextBoundary())
        bounds.append(at);
    QStringList pieces;
    int start = 0; // an index into bounds
    while (start + 1 < bounds.size()) {
        // The longest run of characters from start that fits, found by halving.
        int low = start + 1;
        int high = bounds.size() - 1;
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (metrics.horizontalAdvance(word.mid(bounds.at(start), bounds.at(middle) - bounds.at(start))) <= width)
                low = middle;
            else
                high = middle - 1;
        }
        pieces.append(word.mid(bounds.at(start), bounds.at(low) - bounds.at(start)));
        start = low;
    }
    return pieces;
}

QStringList measuredWrap(const QString &text, double width, const QFont &font, bool breakWords)
{
    // Line breaks and tabs count as blanks: a text element holds one line only.
    QString words = text;
    for (QChar &c : words) {
        if (c.isSpace())
            c = QLatin1Char(' ');
    }
    const QStringList split = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetricsF metrics(font);
    QStringList lines;
    for (const QString &word : split) {
        if (!lines.isEmpty()) {
            const QString joined = lines.last() + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(joined) < width) {
                lines.last() = joined;
                continue;
            }
        }
        // Only the last piece of a broken word can take the words that follow: the others fill
        // their lines.
        if (breakWords)
            lines += brokenWord(word, width, metrics);
        else
            lines.append(word);
    }
    return lines;
}

} // namespace

QFont Printer::font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    if (bold)
        f.setWeight(75);
    return f;
}

Printer::Printer(QObject *parent)
    : QObject(parent)
{
    m_pen.setWidthF(0.4);
    m_pen.setCapStyle(Qt::RoundCap);
    m_pen.setJoinStyle(Qt::RoundJoin);
    ++liveGenerators;
}

Printer::~Printer()
{
    if (--liveGenerators == 0)
        wrapCache.clear();
}

void Printer::setCustomLetterhead(const PrintElement &letterhead)
{
    m_letterhead = letterhead;
}

void Printer::setLetterhead(const QImage &logo, const QString &address, const QString &contact)
{
    m_logo = logo;
    m_address = address;
    m_contact = contact;

    m_letterhead = PrintElement::makeGroup(QRectF(mm(20), mm(20), mm(170), mm(30)), false);
    // A white ground, so that the boxes read the same on any paper or preview background. One
    // image for every letterhead: a PDF stores an image drawn again and again only once.
    static const QImage ground = [] {
        QImage white(641, 113, QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }();
    m_letterhead.addChild(PrintElement::makeImage(QRectF(0, 0, mm(170), mm(30)), ground, false, true));
    m_letterhead.addChild(PrintElement::makeImage(QRectF(0, 0, mm(45), mm(30)), logo, true, true));
    m_letterhead.addChild(PrintElement::makeRichText(QRectF(mm(45), 0, mm(80), mm(30)), address, true));
    m_letterhead.addChild(PrintElement::makeRichText(QRectF(mm(125), 0, mm(45), mm(30)), contact, true));
}

void Printer::setSectionData(const QString &startNode, const QString &endNode, int direction,
                             const QString &sectionName, double length, int flowColorKind)
{
    m_startNode = startNode;
    m_endNode = endNode;
    m_direction = direction;
    m_sectionName = sectionName;
    m_length = length;
    m_pipeLength = length;
    m_flowColorKind = flowColorKind;
}

PrintPage Printer::startPage(const QString &title, const QString &subtitle, bool withLetterhead) const
{
    PrintPage page(PrintPage::A4Width, PrintPage::A4Height);
    if (withLetterhead)
        page.addElement(m_letterhead);
    addTitle(page, title, subtitle);
    return page;
}

void Printer::addTitle(PrintPage &page, const QString &title, const QString &subtitle) const
{
    addText(page, QRectF(LeftMargin, TitleTop, TitleWidth, 50), title, font(25, true),
            Qt::AlignHCenter, Qt::black, false);
    addText(page, QRectF(LeftMargin, TitleTop + 25, TitleWidth, 50), subtitle, font(20, true),
            Qt::AlignHCenter, Qt::black, false);
}

void Printer::addText(PrintPage &page, const QRectF &rect, const QString &text, const QFont &font,
                      int alignment, const QColor &color, bool frame) const
{
    addWrappedLines(page, rect, wrapLines(text, rect.width(), font), font, alignment, color, frame);
}

void Printer::addWrappedLines(PrintPage &page, const QRectF &rect, const QStringList &lines, const QFont &font,
                       int alignment, const QColor &color, bool frame) const
{
    const double lineHeight = QFontMetricsF(font).lineSpacing();
    // Rows that were never coloured print black rather than in whatever an invalid colour means.
    const QColor ink = color.isValid() ? color : QColor(Qt::black);
    PrintElement group = PrintElement::makeGroup(rect, frame);
    for (int i = 0; i < lines.size(); ++i) {
        group.addChild(PrintElement::makeText(QRectF(0, i * lineHeight, rect.width(), lineHeight),
                                              lines.at(i), font, alignment, ink, false));
    }
    page.addElement(group);
}

double Printer::addLabelGrid(PrintPage &page, const QPointF &origin, const QList<QStringList> &columns,
                             const QList<double> &widths) const
{
    const QFont labelFont = font(10, true);
    const QFont valueFont = font(10);
    const QFontMetricsF labelMetrics(labelFont);
    const double lineHeight = labelMetrics.lineSpacing();
    const QString colon = QStringLiteral(":");
    const double colonWidth = labelMetrics.horizontalAdvance(colon);

    const int pairs = std::min(int(columns.size() / 2), int(widths.size()));
    double x = 0;
    double height = 0;
    for (int k = 0; k < pairs; ++k) {
        const QStringList &labels = columns.at(2 * k);
        const QStringList &values = columns.at(2 * k + 1);
        const double width = widths.at(k);

        double widest = 0;
        for (const QString &label : labels)
            widest = std::max(widest, labelMetrics.horizontalAdvance(label));
        // Long labels would squeeze their values; past half the column they wrap instead.
        if (widest > 0.5 * width)
            widest = maxWrappedWidth(labels, 0.4 * width, labelFont);
        const double labelWidth = widest + 5;
        const double valueX = labelWidth + labelMetrics.horizontalAdvance(QStringLiteral(": "));
        const double valueWidth = width - valueX;

        int line = 0;
        for (int row = 0; row < labels.size(); ++row) {
            const QString &label = labels.at(row);
            const QString value = values.value(row);
            const int labelLines = lineCount(label, labelWidth, labelFont);
            const int valueLines = lineCount(value, valueWidth, valueFont);
            const int rowLines = std::max(labelLines, valueLines);
            const double y = origin.y() + line * lineHeight;
            addText(page, QRectF(origin.x() + x, y, labelWidth, labelLines * lineHeight), label,
                    labelFont, Qt::AlignLeft, Qt::black, false);
            for (int i = 0; i < rowLines; ++i) {
                page.addElement(PrintElement::makeText(
                    QRectF(origin.x() + x + labelWidth, y + i * lineHeight, colonWidth, labelMetrics.height()),
                    colon, labelFont, Qt::AlignLeft, Qt::black, false));
            }
            addText(page, QRectF(origin.x() + x + valueX, y, valueWidth, valueLines * lineHeight), value,
                    valueFont, Qt::AlignLeft, Qt::black, false);
            line += rowLines;
        }
        // The tallest pair: what follows the grid must clear every column, not only the last.
        height = std::max(height, line * lineHeight);
        x += width;
    }
    return height;
}

QStringList Printer::wrapLines(const QString &text, double width, const QFont &font)
{
    return cachedWrap(text, width, font, true);
}

QStringList Printer::cachedWrap(const QString &text, double width, const QFont &font, bool breakWords)
{
    if (liveGenerators == 0)
        return measuredWrap(text, width, font, breakWords);
    WrapKey key{font, width, text, breakWords};
    const auto found = wrapCache.constFind(key);
    if (found != wrapCache.constEnd())
        return found.value();
    if (wrapCache.size() >= WrapCacheLimit)
        wrapCache.clear();
    const QStringList lines = measuredWrap(text, width, font, breakWords);
    wrapCache.insert(std::move(key), lines);
    return lines;
}

int Printer::lineCount(const QString &text, double width, const QFont &font)
{
    return std::max(1, int(wrapLines(text, width, font).size()));
}

double Printer::maxWrappedWidth(const QStringList &texts, double width, const QFont &font)
{
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString &text : texts) {
        const QStringList lines = cachedWrap(text, width, font, false);
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

void Printer::elideTocEntries(QList<TocEntry> &entries, const QFont &font)
{
    const QFontMetricsF metrics(font);
    auto elide = [&metrics](QString &text, double millimetres) {
        text = metrics.elidedText(text, Qt::ElideRight, mm(millimetres));
    };
    for (TocEntry &entry : entries) {
        elide(entry.street, 55);
        elide(entry.startNode, 45);
        elide(entry.endNode, 45);
        elide(entry.material, 67);
        elide(entry.videoReference, 32);
    }
}
