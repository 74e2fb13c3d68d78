#include "reports/printer.h"
#include "support/pagecontent.h"
#include "support/reportpdf.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Mm = 793.0 / 210.0;
constexpr double Top = 126 * Mm;
constexpr double Height = 431.7410;
constexpr double Bottom = Top + Height;
constexpr double BottomLimit = 277.4 * Mm;

using PageContent::near;

double lineSpacing()
{
    return QFontMetricsF(Printer::font(10)).lineSpacing();
}

double nameWidth(const QString &name)
{
    return QFontMetricsF(Printer::font(10, true)).horizontalAdvance(name);
}

ObservationRow row(double distance, const QString &code, int side = 0, const QColor &color = Qt::black,
                   const QString &text = QStringLiteral("Riss längs"))
{
    ObservationRow r;
    r.distance = distance;
    r.videoTime = QTime(0, 1, 7);
    r.label = code;
    r.text = text;
    r.side = side;
    r.color = color;
    return r;
}

void setUp(Printer &printer, double length, int direction = 0, const QString &startNode = QStringLiteral("S1"),
           const QString &endNode = QStringLiteral("S2"), int flowColorKind = 1)
{
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    QStringList header{QStringLiteral("EN_13508_2")};
    for (int i = 1; i <= 15; ++i)
        header << QStringLiteral("h%1").arg(i);
    printer.setShortHeader(header);
    printer.setSectionData(startNode, endNode, direction, QStringLiteral("Haltung 7"), length, flowColorKind);
}

// The scale that shows the whole length on one page.
double onePage(double length)
{
    return Height * 0.001 / length;
}

QVector<PrintElement> pageLevel(const PrintPage &page, int kind)
{
    QVector<PrintElement> result;
    for (const PrintElement &e : page.elements()) {
        if (e.kind() == kind)
            result.append(e);
    }
    return result;
}

// The band is the one outlined rectangle; colour bars have no outline.
QRectF band(const PrintPage &page)
{
    for (const PrintElement &e : pageLevel(page, PrintElement::Rectangle)) {
        if (e.pen().style() != Qt::NoPen)
            return e.rect();
    }
    return QRectF();
}

QVector<PrintElement> colorBarsOn(const PrintPage &page)
{
    QVector<PrintElement> bars;
    for (const PrintElement &e : pageLevel(page, PrintElement::Rectangle)) {
        if (e.pen().style() == Qt::NoPen)
            bars.append(e);
    }
    return bars;
}

bool isVerticalAt(const PrintElement &e, double x)
{
    return e.points().size() == 2 && near(e.points().at(0).x(), x) && near(e.points().at(1).x(), x);
}

// The pieces of one line of the pipe, as (from y, to y).
QVector<QPair<double, double>> pipePieces(const PrintPage &page, double x)
{
    QVector<QPair<double, double>> pieces;
    for (const PrintElement &e : pageLevel(page, PrintElement::Polyline)) {
        if (isVerticalAt(e, x))
            pieces.append({e.points().at(0).y(), e.points().at(1).y()});
    }
    return pieces;
}

// Everything drawn on the pipe that is neither a piece of it nor a leader line (which ends
// 15 mm beside the pipe).
QVector<PrintElement> symbolsOn(const PrintPage &page, double pipeX)
{
    QVector<PrintElement> result;
    for (const PrintElement &e : page.elements()) {
        const bool leader = e.kind() == PrintElement::Polyline
            && (near(e.points().last().x(), pipeX + 17 * Mm) || near(e.points().last().x(), pipeX - 15 * Mm));
        if (e.kind() == PrintElement::Path
            || (e.kind() == PrintElement::Polyline && !leader && !isVerticalAt(e, pipeX)
                && !isVerticalAt(e, pipeX + 2 * Mm)))
            result.append(e);
    }
    return result;
}

// Leader lines all end 15 mm from the pipe.
QVector<PrintElement> leaders(const PrintPage &page, double endX)
{
    QVector<PrintElement> result;
    for (const PrintElement &e : pageLevel(page, PrintElement::Polyline)) {
        if (e.points().size() >= 2 && near(e.points().last().x(), endX))
            result.append(e);
    }
    return result;
}

QRectF bounds(const PageContent::Placed &placed)
{
    const PrintElement &e = placed.element;
    switch (e.kind()) {
    case PrintElement::Polyline: {
        QPolygonF polygon(e.points());
        return polygon.boundingRect().translated(placed.offset);
    }
    case PrintElement::Path:
        return e.path().boundingRect().translated(placed.offset);
    case PrintElement::Circle:
        return QRectF(e.points().at(0), QSizeF(e.points().at(1).x(), e.points().at(1).x())).translated(placed.offset);
    default:
        return placed.rect();
    }
}

// The middle of a label's first line: its code box, one line high.
double labelY(const QVector<PageContent::Text> &texts, const QString &code)
{
    return PageContent::find(texts, code).rect.center().y();
}

int count(const QVector<PageContent::Text> &texts, const QString &text)
{
    return int(std::count_if(texts.cbegin(), texts.cend(), [&text](const PageContent::Text &t) { return t.text == text; }));
}

} // namespace

class TestPipeGraphic : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsTheRowsSidesAndStaysInsideTheMargins_data();
    void layoutFollowsTheRowsSidesAndStaysInsideTheMargins();
    void rowsGoToThePageThatShowsTheirDistance();
    void negativeDistancesStartTheBandAndNoRowIsLeftOut();
    void bandWidensForALongNodeName_data();
    void bandWidensForALongNodeName();
    void labelsKeepTheirGapAndOneDistanceHangsFromOneStem();
    void eachSideOfLayoutOneRunsOnItsOwn();
    void colorBars_data();
    void colorBars();
    void symbols_data();
    void symbols();
    void markersGoToThePageThatShowsTheirDistance();
    void nodes_data();
    void nodes();
    void flowIcon_data();
    void flowIcon();
    void scaleGrowsUntilTheLabelsFit_data();
    void scaleGrowsUntilTheLabelsFit();
    void labelsThatCannotFitKeepThePageCountBounded_data();
    void labelsThatCannotFitKeepThePageCountBounded();
    void noLengthGivesOnePageWithEveryRowAtTheTop();
    void oddLengthsAndDistancesGiveAFewPages_data();
    void oddLengthsAndDistancesGiveAFewPages();
    void pdfShowsTheGraphic();
    void labelsThatCannotFitAreCutWithAnEllipsis_data();
    void labelsThatCannotFitAreCutWithAnEllipsis();
};

void TestPipeGraphic::layoutFollowsTheRowsSidesAndStaysInsideTheMargins_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QVector<int>>("sides");
    QTest::addColumn<int>("layout");
    QTest::newRow("automatic layout off") << false << QVector<int>{0, 1} << 0;
    QTest::newRow("only side 1") << true << QVector<int>{1, 1} << 0;
    QTest::newRow("sides 0 and 1") << true << QVector<int>{0, 1} << 1;
    QTest::newRow("only side 0") << true << QVector<int>{0, 0} << 2;
}

void TestPipeGraphic::layoutFollowsTheRowsSidesAndStaysInsideTheMargins()
{
    QFETCH(bool, automatic);
    QFETCH(QVector<int>, sides);
    QFETCH(int, layout);

    // Descriptions long enough to fill their column, so that every box reaches its full width.
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words << QStringLiteral("Wurzeleinwuchs");
    QVector<ObservationRow> rows;
    for (int i = 0; i < sides.size(); ++i) {
        rows << row(2 + 4 * i, QStringLiteral("C%1").arg(i), sides.at(i), Qt::black, words.join(QLatin1Char(' ')));
        rows.last().videoTime = QTime(0, 2, i);
    }
    if (automatic)
        QCOMPARE(Printer::observedSides(rows), layout);

    Printer printer;
    setUp(printer, 10);
    printer.createPipeGraphic(rows, automatic, false);
    QCOMPARE(printer.pages().size(), 1);
    const PrintPage page = printer.pages().first();
    const QRectF bandRect = band(page);
    const double ls = lineSpacing();

    const QVector<PageContent::Text> texts = PageContent::texts(page);
    for (int i = 0; i < rows.size(); ++i) {
        const PageContent::Text code = PageContent::find(texts, QStringLiteral("C%1").arg(i));
        const PageContent::Text distance = PageContent::find(texts, QStringLiteral("%1m").arg(rows.at(i).distance, 6, 'f', 2));
        const PageContent::Text time = PageContent::find(texts, QStringLiteral("00:02:0%1").arg(i));
        QVERIFY(!code.rect.isNull() && !distance.rect.isNull());
        const bool left = layout == 2 || (layout == 1 && sides.at(i) == 1);
        if (left) {
            QVERIFY(near(distance.rect.left(), 20 * Mm));
            QVERIFY(code.rect.right() < bandRect.left());
        } else {
            // Right of the band; in the narrow column the distance keeps clear of the leader.
            QVERIFY(near(distance.rect.left(), bandRect.right() + (layout == 1 ? 16 : 1) * Mm));
        }
        // The narrow column puts the time under the distance.
        QVERIFY(near(time.rect.top(), distance.rect.top() + (layout == 1 ? ls : 0)));
    }

    // The description boxes: the wide column wraps at up to 88 mm, the narrow one (79 mm) at up
    // to 33 mm and at least two lines.
    for (const PageContent::Placed &placed : PageContent::elements(page)) {
        if (placed.element.kind() != PrintElement::Group || placed.depth != 0 || placed.rect().top() < Top - ls)
            continue;
        if (placed.element.children()->size() < 2)
            continue;
        const double width = placed.rect().width();
        if (layout == 1)
            QVERIFY2(width <= 33 * Mm + 1e-6 && width > 28 * Mm, qPrintable(QString::number(width / Mm)));
        else
            QVERIFY2(width <= 88 * Mm + 1e-6 && width > 75 * Mm, qPrintable(QString::number(width / Mm)));
    }

    // Band, icon, pipe, leaders and labels keep within the 20 mm margins, and no label text
    // reaches into the band.
    int checked = 0;
    for (const PageContent::Placed &placed : PageContent::elements(page)) {
        const QRectF r = bounds(placed);
        if (r.bottom() < 110 * Mm)
            continue; // letterhead, title and header table
        ++checked;
        QVERIFY2(r.left() >= 20 * Mm - 1e-6 && r.right() <= 190 * Mm + 1e-6,
                 qPrintable(QStringLiteral("kind %1 from %2 to %3 mm").arg(placed.element.kind()).arg(r.left() / Mm).arg(r.right() / Mm)));
        if (placed.element.kind() == PrintElement::Text && placed.element.text() != QLatin1String("S1")
            && placed.element.text() != QLatin1String("S2"))
            QVERIFY(r.right() <= bandRect.left() + 1e-6 || r.left() >= bandRect.right() - 1e-6);
    }
    QVERIFY(checked > 10);
    const QVector<PrintElement> images = pageLevel(page, PrintElement::Image);
    QCOMPARE(images.size(), 1);
    QVERIFY(!images.first().rect().intersects(bandRect));
}

void TestPipeGraphic::rowsGoToThePageThatShowsTheirDistance()
{
    Printer printer;
    setUp(printer, 10);
    const QVector<ObservationRow> rows{row(0, QStringLiteral("A0")), row(5, QStringLiteral("A5")),
                                       row(5 + 1e-13, QStringLiteral("A5t")), row(5.001, QStringLiteral("A5b")),
                                       row(9, QStringLiteral("A9"))};
    // Twice the one-page scale: two pages of 5 m each.
    const QVector<PrintPage> pages = printer.pipeGraphicPages(rows, 2 * onePage(10), Height, 0, false);
    QCOMPARE(pages.size(), 2);

    const QVector<PageContent::Text> first = PageContent::texts(pages.at(0));
    const QVector<PageContent::Text> second = PageContent::texts(pages.at(1));
    for (const QVector<PageContent::Text> *texts : {&first, &second}) {
        QVERIFY(count(*texts, QStringLiteral("Haltungs-Graphik")) == 1);
        QVERIFY(count(*texts, QStringLiteral("Haltung 7")) == 1);
        QVERIFY(count(*texts, QStringLiteral("Zulauf")) == 1); // the short header table
    }
    // A row on the boundary, or within 1e-12 of it, ends the upper page.
    QVERIFY(near(labelY(first, QStringLiteral("A0")), Top));
    const double ls = lineSpacing();
    QVERIFY(near(labelY(first, QStringLiteral("A5")), Bottom));
    QVERIFY(near(labelY(first, QStringLiteral("A5t")), Bottom + ls)); // right under A5, same distance
    QVERIFY(PageContent::find(second, QStringLiteral("A5")).rect.isNull());
    QVERIFY(near(labelY(second, QStringLiteral("A5b")), Top + 0.001 * Height / 5));
    QVERIFY(near(labelY(second, QStringLiteral("A9")), Top + 4 * Height / 5));
    QVERIFY(PageContent::find(first, QStringLiteral("A9")).rect.isNull());
    QCOMPARE(count(first, QStringLiteral("  5.00m")), 1);

    // The start node above the first page, the end node below the last.
    QCOMPARE(count(first, QStringLiteral("S1")), 1);
    QCOMPARE(count(first, QStringLiteral("S2")), 0);
    QCOMPARE(count(second, QStringLiteral("S1")), 0);
    QCOMPARE(count(second, QStringLiteral("S2")), 1);
    // The band fills the drawing on both pages.
    QVERIFY(near(band(pages.at(0)).top(), Top) && near(band(pages.at(0)).bottom(), Bottom));
    QVERIFY(near(band(pages.at(1)).top(), Top) && near(band(pages.at(1)).bottom(), Bottom));
}

void TestPipeGraphic::negativeDistancesStartTheBandAndNoRowIsLeftOut()
{
    Printer printer;
    setUp(printer, 10);
    printer.setPoints({{0, 3.0}});
    // A row before the start node, one at the end and one past the recorded length.
    printer.createPipeGraphic({row(-0.5, QStringLiteral("N")), row(3, QStringLiteral("T")),
                               row(10, QStringLiteral("E")), row(11, QStringLiteral("F"))},
                              false, false);
    QCOMPARE(printer.distanceOffset(), -0.5);
    QCOMPARE(printer.pages().size(), 1);
    const PrintPage page = printer.pages().first();
    const QVector<PageContent::Text> texts = PageContent::texts(page);

    // The band runs from -0.5 m to 11 m.
    const double perMetre = Height / 11.5;
    QVERIFY(near(labelY(texts, QStringLiteral("N")), Top));
    QVERIFY(near(labelY(texts, QStringLiteral("T")), Top + 3.5 * perMetre));
    QVERIFY(near(labelY(texts, QStringLiteral("E")), Top + 10.5 * perMetre));
    QVERIFY(near(labelY(texts, QStringLiteral("F")), Bottom));
    // Each label shows the distance as recorded.
    for (const QString &distance : {QStringLiteral(" -0.50m"), QStringLiteral("  3.00m"), QStringLiteral(" 10.00m"),
                                    QStringLiteral(" 11.00m")})
        QVERIFY2(count(texts, distance) == 1, qPrintable(distance));

    // The marker at 3 m sits at the row at 3 m.
    const double pipeX = band(page).center().x() - 1 * Mm;
    const QVector<PrintElement> marks = symbolsOn(page, pipeX);
    QCOMPARE(marks.size(), 1);
    const QRectF flag = QPolygonF(marks.first().points()).boundingRect();
    QVERIFY(near(flag.top(), Top + 3.5 * perMetre - 1.5 * Mm) && near(flag.bottom(), Top + 3.5 * perMetre + 0.5 * Mm));
}

void TestPipeGraphic::bandWidensForALongNodeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << QStringLiteral("S9") << 25 * Mm << QStringLiteral("S9");
    const QString longer = QStringLiteral("Schachtbauwerk 12345");
    QTest::newRow("longer than 25 mm") << longer << nameWidth(longer) << longer;
    const QString longest = QStringLiteral("Schachtbauwerk Nordstraße 1234567/89");
    QTest::newRow("longer than 45 mm") << longest << 45 * Mm
                                       << QFontMetricsF(Printer::font(10, true)).elidedText(longest, Qt::ElideRight, 45 * Mm);
}

void TestPipeGraphic::bandWidensForALongNodeName()
{
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(QString, shown);
    QVERIFY(width >= 25 * Mm);

    Printer printer;
    setUp(printer, 10, 0, QStringLiteral("S1"), name);
    printer.createPipeGraphic({row(4, QStringLiteral("C"))}, false, false);
    const PrintPage page = printer.pages().first();
    const QRectF bandRect = band(page);
    QVERIFY2(near(bandRect.width(), width), qPrintable(QString::number(bandRect.width() / Mm)));
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    const PageContent::Text bottomName = PageContent::find(texts, shown);
    QVERIFY(!bottomName.rect.isNull());
    QVERIFY(near(bottomName.rect.left(), bandRect.left()) && near(bottomName.rect.width(), bandRect.width()));
    QVERIFY(bottomName.rect.top() > Bottom + 4 * Mm);
    // The labels move with the band.
    QVERIFY(near(PageContent::find(texts, QStringLiteral("  4.00m")).rect.left(), bandRect.right() + 1 * Mm));
}

void TestPipeGraphic::labelsKeepTheirGapAndOneDistanceHangsFromOneStem()
{
    Printer printer;
    setUp(printer, 50);
    const QVector<ObservationRow> rows{row(10, QStringLiteral("A")), row(10, QStringLiteral("B")),
                                       row(10.01, QStringLiteral("C")), row(10.01, QStringLiteral("D")),
                                       row(30, QStringLiteral("E"))};
    const QVector<PrintPage> pages = printer.pipeGraphicPages(rows, onePage(50), Height, 0, false);
    QCOMPARE(pages.size(), 1);
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const double ls = lineSpacing();
    const double rowY10 = Top + 10 * Height / 50;
    const double rowY1001 = Top + 10.01 * Height / 50;

    // Labels at one distance follow each other; the next distance keeps 1.5 lines clear.
    const double a = labelY(texts, QStringLiteral("A"));
    const double b = labelY(texts, QStringLiteral("B"));
    const double c = labelY(texts, QStringLiteral("C"));
    const double d = labelY(texts, QStringLiteral("D"));
    QVERIFY(near(a, rowY10));
    QVERIFY(near(b, a + ls));
    QVERIFY(near(c, b + ls + 1.5 * ls));
    QVERIFY(near(d, c + ls));
    QVERIFY(near(labelY(texts, QStringLiteral("E")), Top + 30 * Height / 50));
    // Only the first label of a distance shows it.
    QCOMPARE(count(texts, QStringLiteral(" 10.00m")), 1);
    QCOMPARE(count(texts, QStringLiteral(" 10.01m")), 1);
    QCOMPARE(count(texts, QStringLiteral("00:01:07")), 5);

    const double axis = band(pages.first()).center().x();
    const double start = axis + 1 * Mm;
    const double end = start + 15 * Mm;
    const double stem = end - 5;
    const QVector<PrintElement> lines = leaders(pages.first(), end);
    QCOMPARE(lines.size(), 5);
    const QVector<QVector<QPointF>> expected{
        {QPointF(start, rowY10), QPointF(end, rowY10)},
        {QPointF(stem, rowY10), QPointF(stem, b), QPointF(end, b)},
        {QPointF(start, rowY1001), QPointF(start + 13, rowY1001), QPointF(stem, c), QPointF(end, c)},
        // D hangs from C's line, not from the row.
        {QPointF(stem, c), QPointF(stem, d), QPointF(end, d)},
        {QPointF(start, Top + 30 * Height / 50), QPointF(end, Top + 30 * Height / 50)}};
    for (int i = 0; i < lines.size(); ++i) {
        const QVector<QPointF> points = lines.at(i).points();
        QCOMPARE(points.size(), expected.at(i).size());
        for (int k = 0; k < points.size(); ++k) {
            QVERIFY2(near(points.at(k).x(), expected.at(i).at(k).x()) && near(points.at(k).y(), expected.at(i).at(k).y()),
                     qPrintable(QStringLiteral("leader %1 point %2").arg(i).arg(k)));
        }
        QCOMPARE(lines.at(i).pen().widthF(), 0.4);
    }
}

void TestPipeGraphic::eachSideOfLayoutOneRunsOnItsOwn()
{
    Printer printer;
    setUp(printer, 50);
    const QVector<ObservationRow> rows{row(20, QStringLiteral("R1"), 0), row(20, QStringLiteral("L1"), 1),
                                       row(20, QStringLiteral("R2"), 0), row(20.01, QStringLiteral("L2"), 1)};
    const QVector<PrintPage> pages = printer.pipeGraphicPages(rows, onePage(50), Height, 1, false);
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const double ls = lineSpacing();
    const double rowY = Top + 20 * Height / 50;
    // Narrow labels are at least two lines high.
    QVERIFY(near(labelY(texts, QStringLiteral("R1")), rowY));
    QVERIFY(near(labelY(texts, QStringLiteral("L1")), rowY));
    QVERIFY(near(labelY(texts, QStringLiteral("R2")), rowY + 2 * ls));
    QVERIFY(near(labelY(texts, QStringLiteral("L2")), rowY + 2 * ls + 1.5 * ls));
    // Each side shows its first label's distance once.
    QCOMPARE(count(texts, QStringLiteral(" 20.00m")), 2);

    const double axis = band(pages.first()).center().x();
    const QVector<PrintElement> left = leaders(pages.first(), axis - 16 * Mm);
    const QVector<PrintElement> right = leaders(pages.first(), axis + 16 * Mm);
    QCOMPARE(left.size(), 2);
    QCOMPARE(right.size(), 2);
    // R2 hangs from R1's line on its own side.
    QVERIFY(near(right.at(1).points().first().y(), rowY) && near(right.at(1).points().first().x(), axis + 16 * Mm - 5));
    QVERIFY(near(left.at(1).points().first().x(), axis - 1 * Mm));
}

void TestPipeGraphic::colorBars_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("colorDamage");
    QTest::addColumn<double>("top");    // of the bar, relative to the row's y, in line spacings
    QTest::addColumn<double>("bottom"); // 0 and 0: no bar
    const QColor red(200, 50, 50);
    QTest::newRow("coloured row") << 4.0 << red << true << -0.25 << 0.25;
    QTest::newRow("black row") << 4.0 << QColor(Qt::black) << true << 0.0 << 0.0;
    QTest::newRow("colours off") << 4.0 << red << false << 0.0 << 0.0;
    QTest::newRow("at the top, cut to the drawing") << 0.0 << red << true << 0.0 << 0.25;
    QTest::newRow("at the bottom, cut to the drawing") << 10.0 << QColor(0, 74, 158) << true << -0.25 << 0.0;
}

void TestPipeGraphic::colorBars()
{
    QFETCH(double, distance);
    QFETCH(QColor, color);
    QFETCH(bool, colorDamage);
    QFETCH(double, top);
    QFETCH(double, bottom);

    Printer printer;
    setUp(printer, 10);
    printer.createPipeGraphic({row(distance, QStringLiteral("BAB"), 0, color)}, false, colorDamage);
    const PrintPage page = printer.pages().first();
    const QVector<PrintElement> bars = colorBarsOn(page);
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    const bool expected = top != 0 || bottom != 0;
    QCOMPARE(bars.size(), expected ? 1 : 0);
    // The label takes the row's colour only when colours are on.
    QCOMPARE(PageContent::find(texts, QStringLiteral("BAB")).color, colorDamage ? color : QColor(Qt::black));
    if (!expected)
        return;

    const double ls = lineSpacing();
    const double rowY = Top + distance * Height / 10;
    const double axis = band(page).center().x();
    const QRectF r = bars.first().rect();
    QVERIFY(near(r.left(), axis - 1 * Mm) && near(r.width(), 2 * Mm));
    QVERIFY2(near(r.top(), rowY + top * ls) && near(r.bottom(), rowY + bottom * ls),
             qPrintable(QStringLiteral("%1 to %2").arg(r.top()).arg(r.bottom())));
    QCOMPARE(bars.first().brush().color(), color);
    QCOMPARE(bars.first().brush().style(), Qt::SolidPattern);
}

void TestPipeGraphic::symbols_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("damages");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("elements");
    QTest::addColumn<double>("penWidth");
    QTest::addColumn<QRectF>("polylineBounds"); // relative to the pipe's left line at the row; null: not checked
    QTest::addColumn<double>("resume");         // where the pipe stops, relative to the marker's y
    QTest::addColumn<double>("extent");         // how long it is broken

    const double mm = Mm;
    QTest::newRow("0 connection right, along the flow")
        << 0 << false << 0 << 1 << 0.4 << QRectF(QPointF(2 * mm, -1.5 * mm), QPointF(4 * mm, 0.5 * mm)) << 0.0 << 0.0;
    QTest::newRow("0 connection right, against the flow")
        << 0 << false << 1 << 1 << 0.4 << QRectF(QPointF(2 * mm, -0.5 * mm), QPointF(4 * mm, 1.5 * mm)) << 0.0 << 0.0;
    QTest::newRow("1 connection left, along the flow")
        << 1 << false << 0 << 1 << 0.4 << QRectF(QPointF(-2 * mm, -1.5 * mm), QPointF(0, 0.5 * mm)) << 0.0 << 0.0;
    QTest::newRow("1 connection left, against the flow")
        << 1 << false << 1 << 1 << 0.4 << QRectF(QPointF(-2 * mm, -0.5 * mm), QPointF(0, 1.5 * mm)) << 0.0 << 0.0;
    QTest::newRow("2 crack") << 2 << true << 0 << 1 << 0.15 << QRectF(QPointF(0, -2.5), QPointF(2 * mm, 2.5)) << 0.0 << 0.0;
    QTest::newRow("3 deformation") << 3 << true << 0 << 1 << 0.4 << QRectF() << -3.0 << 6.0;
    QTest::newRow("4 fracture") << 4 << true << 0 << 5 << 0.15 << QRectF(QPointF(0, -3), QPointF(2 * mm, 3)) << 0.0 << 0.0;
    QTest::newRow("5 two waves") << 5 << true << 0 << 2 << 0.15 << QRectF() << 0.0 << 0.0;
    QTest::newRow("6 displaced joint")
        << 6 << true << 0 << 2 << 0.4 << QRectF(QPointF(-1, -1.275), QPointF(2 * mm, 1.275)) << -1.275 << 2.55;
    QTest::newRow("7 abandoned") << 7 << false << 0 << 1 << 0.4 << QRectF() << 5.0 << 0.0;
    for (int kind = 2; kind <= 6; ++kind)
        QTest::addRow("%d without graphical damages", kind) << kind << false << 0 << 0 << 0.0 << QRectF() << 0.0 << 0.0;
    QTest::newRow("8 drawn by nothing") << 8 << true << 0 << 0 << 0.0 << QRectF() << 0.0 << 0.0;
    QTest::newRow("negative kind") << -1 << true << 0 << 0 << 0.0 << QRectF() << 0.0 << 0.0;
}

void TestPipeGraphic::symbols()
{
    QFETCH(int, kind);
    QFETCH(bool, damages);
    QFETCH(int, direction);
    QFETCH(int, elements);
    QFETCH(double, penWidth);
    QFETCH(QRectF, polylineBounds);
    QFETCH(double, resume);
    QFETCH(double, extent);

    Printer printer;
    setUp(printer, 10, direction);
    printer.setGraphicalDamages(damages);
    printer.setPoints({{kind, 5.0}});
    printer.createPipeGraphic({}, false, false);
    QCOMPARE(printer.pages().size(), 1);
    const PrintPage page = printer.pages().first();
    const double pipeX = band(page).center().x() - 1 * Mm;
    const double y = Top + Height / 2;

    const QVector<PrintElement> marks = symbolsOn(page, pipeX);
    QCOMPARE(marks.size(), elements);
    QRectF drawn;
    for (const PrintElement &mark : marks) {
        QCOMPARE(mark.pen().widthF(), penWidth);
        QCOMPARE(mark.pen().capStyle(), Qt::RoundCap);
        if (mark.kind() == PrintElement::Polyline)
            drawn |= QPolygonF(mark.points()).boundingRect();
        // Only the connection flags are filled.
        QCOMPARE(mark.brush().style(), kind <= 1 ? Qt::SolidPattern : Qt::NoBrush);
        if (kind <= 1)
            QCOMPARE(mark.brush().color(), QColor(Qt::lightGray));
    }
    if (!polylineBounds.isNull()) {
        const QRectF expected = polylineBounds.translated(pipeX, y);
        QVERIFY2(near(drawn.left(), expected.left()) && near(drawn.right(), expected.right())
                     && near(drawn.top(), expected.top()) && near(drawn.bottom(), expected.bottom()),
                 qPrintable(QStringLiteral("(%1, %2) to (%3, %4)").arg(drawn.left() - pipeX).arg(drawn.top() - y)
                                .arg(drawn.right() - pipeX).arg(drawn.bottom() - y)));
    }

    // Both lines of the pipe run in the same pieces: unbroken past a marker that draws nothing,
    // otherwise split at it, with the gap its symbol needs.
    const QVector<QPair<double, double>> expectedPieces = elements == 0
        ? QVector<QPair<double, double>>{{Top, Bottom}}
        : QVector<QPair<double, double>>{{Top, y + resume}, {y + resume + extent, Bottom}};
    for (const double x : {pipeX, pipeX + 2 * Mm}) {
        const QVector<QPair<double, double>> pieces = pipePieces(page, x);
        QCOMPARE(pieces.size(), expectedPieces.size());
        for (int i = 0; i < pieces.size(); ++i) {
            QVERIFY2(near(pieces.at(i).first, expectedPieces.at(i).first)
                         && near(pieces.at(i).second, expectedPieces.at(i).second),
                     qPrintable(QStringLiteral("piece %1: %2 to %3").arg(i).arg(pieces.at(i).first).arg(pieces.at(i).second)));
        }
    }
}

void TestPipeGraphic::markersGoToThePageThatShowsTheirDistance()
{
    Printer printer;
    setUp(printer, 10);
    printer.setPoints({{0, 0.0}, {1, 5.0}, {0, 7.5}, {7, 10.0}});
    const QVector<PrintPage> pages = printer.pipeGraphicPages({}, 2 * onePage(10), Height, 0, false);
    QCOMPARE(pages.size(), 2);
    // A marker on a boundary opens the lower page; one at the pipe's far end ends the last.
    QCOMPARE(printer.pointsOnPage(0, 5), (QList<PipeMarker>{{0, 0.0}}));
    QCOMPARE(printer.pointsOnPage(1, 5), (QList<PipeMarker>{{1, 5.0}, {0, 7.5}, {7, 10.0}}));

    const double pipeX = band(pages.at(1)).center().x() - 1 * Mm;
    QCOMPARE(symbolsOn(pages.at(0), pipeX).size(), 1);
    QCOMPARE(symbolsOn(pages.at(1), pipeX).size(), 3);
    // The wave at the far end carries the pipe on below the drawing; nothing runs back up.
    const QVector<QPair<double, double>> pieces = pipePieces(pages.at(1), pipeX);
    QCOMPARE(pieces.size(), 2);
    QVERIFY(near(pieces.at(0).first, Top) && near(pieces.at(0).second, Top + Height / 2));
    QVERIFY(near(pieces.at(1).first, Top + Height / 2) && near(pieces.at(1).second, Bottom + 5));
}

void TestPipeGraphic::nodes_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("abandoned");
    QTest::addColumn<QString>("topName");
    QTest::addColumn<QString>("bottomName");
    QTest::newRow("along the flow") << 0 << false << QStringLiteral("S1") << QStringLiteral("S2");
    QTest::newRow("against the flow") << 1 << false << QStringLiteral("S2") << QStringLiteral("S1");
    QTest::newRow("abandoned on the first page") << 0 << true << QStringLiteral("S1") << QStringLiteral("S2");
}

void TestPipeGraphic::nodes()
{
    QFETCH(int, direction);
    QFETCH(bool, abandoned);
    QFETCH(QString, topName);
    QFETCH(QString, bottomName);

    Printer printer;
    setUp(printer, 10, direction);
    if (abandoned)
        printer.setPoints({{7, 2.0}});
    const QVector<PrintPage> pages = printer.pipeGraphicPages({}, 2 * onePage(10), Height, 0, false);
    QCOMPARE(pages.size(), 2);
    const double axis = band(pages.first()).center().x();
    const double diameter = 8 * Mm;

    const QVector<PrintElement> firstCircles = pageLevel(pages.at(0), PrintElement::Circle);
    QCOMPARE(firstCircles.size(), 1);
    QVERIFY(near(firstCircles.first().points().at(0).x(), axis - diameter / 2)
            && near(firstCircles.first().points().at(0).y(), Top - diameter / 2)
            && near(firstCircles.first().points().at(1).x(), diameter));
    QCOMPARE(firstCircles.first().brush().color(), QColor(Qt::lightGray));
    QCOMPARE(firstCircles.first().pen().widthF(), 0.4);
    const PageContent::Text top = PageContent::find(PageContent::texts(pages.at(0)), topName);
    QVERIFY(top.rect.bottom() <= Top - diameter / 2);

    const QVector<PrintElement> lastCircles = pageLevel(pages.at(1), PrintElement::Circle);
    QCOMPARE(lastCircles.size(), abandoned ? 0 : 1);
    if (!abandoned)
        QVERIFY(near(lastCircles.first().points().at(0).y(), Bottom - diameter / 2));
    // The name of the node stays even where its symbol goes.
    const PageContent::Text bottom = PageContent::find(PageContent::texts(pages.at(1)), bottomName);
    QVERIFY(!bottom.rect.isNull());
    QVERIFY(bottom.rect.top() >= Bottom + diameter / 2);
    QCOMPARE(bottom.font.weight(), 75);
}

void TestPipeGraphic::flowIcon_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("flowColorKind");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QColor>("color");
    QTest::newRow("unknown sewer") << 0 << 0 << QStringLiteral(":/images/water_down.png") << QColor(0, 100, 255);
    QTest::newRow("storm water, against the flow") << 1 << 1 << QStringLiteral(":/images/water_up.png") << QColor(0, 100, 255);
    QTest::newRow("foul water") << 0 << 2 << QStringLiteral(":/images/water_down.png") << QColor(255, 0, 0);
    QTest::newRow("combined") << 2 << 3 << QStringLiteral(":/images/water_up.png") << QColor(255, 150, 0);
}

void TestPipeGraphic::flowIcon()
{
    QFETCH(int, direction);
    QFETCH(int, flowColorKind);
    QFETCH(QString, image);
    QFETCH(QColor, color);

    Printer printer;
    setUp(printer, 10, direction, QStringLiteral("S1"), QStringLiteral("S2"), flowColorKind);
    const QImage source(image);
    QVERIFY(!source.isNull());

    // Every pixel takes the colour and keeps its alpha.
    const QImage tinted = printer.tintFlowIcon(source);
    QCOMPARE(tinted.size(), source.size());
    int opaque = 0, clear = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QColor in = source.pixelColor(x, y);
            const QColor out = tinted.pixelColor(x, y);
            QCOMPARE(out.alpha(), in.alpha());
            if (in.alpha() == 255) {
                ++opaque;
                QCOMPARE(out.rgb(), color.rgb());
            }
            clear += in.alpha() == 0;
        }
    }
    QVERIFY(opaque > 100 && clear > 100);

    printer.createPipeGraphic({}, false, false);
    const PrintPage page = printer.pages().first();
    const QVector<PrintElement> icons = pageLevel(page, PrintElement::Image);
    QCOMPARE(icons.size(), 1);
    QCOMPARE(icons.first().image(), tinted);
    // Centred on the band's middle height.
    QVERIFY(near(icons.first().rect().center().y(), Top + Height / 2));
    QVERIFY(near(icons.first().rect().top(), Top + Height / 2 - 64));
}

void TestPipeGraphic::scaleGrowsUntilTheLabelsFit_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<QVector<double>>("distances");
    QTest::addColumn<int>("descriptionWords");
    QTest::addColumn<QString>("expect"); // "first", "grown" or "limit"

    QTest::newRow("far apart") << 50.0 << QVector<double>{1, 20, 40} << 2 << QStringLiteral("first");
    // Labels stacked from 4 m run past the bottom of a single page.
    QTest::newRow("close together") << 5.0 << QVector<double>{4.0, 4.2, 4.4, 4.6, 4.8, 5.0} << 2
                                    << QStringLiteral("grown");
    // A 5 mm pipe with tall labels a tenth of a millimetre apart: never fits, and the search ends
    // at the first scale of 100 px/mm or more.
    QVector<double> tight;
    for (int i = 0; i < 10; ++i)
        tight << 0.002 + 0.0001 * i;
    QTest::newRow("up to the limit") << 0.005 << tight << 60 << QStringLiteral("limit");
}

void TestPipeGraphic::scaleGrowsUntilTheLabelsFit()
{
    QFETCH(double, length);
    QFETCH(QVector<double>, distances);
    QFETCH(int, descriptionWords);
    QFETCH(QString, expect);

    QStringList words;
    for (int i = 0; i < descriptionWords; ++i)
        words << QStringLiteral("Wort%1").arg(i);
    QVector<ObservationRow> rows;
    for (const double distance : distances)
        rows << row(distance, QStringLiteral("C"), 0, Qt::black, words.join(QLatin1Char(' ')));
    Printer printer;
    setUp(printer, length);
    const QSizeF area(539.6762, Height);
    const double first = onePage(length);
    const double scale = printer.fitScale(rows, area.width(), area.height(), 0);

    // The scale is the one-page scale grown by whole 10 % steps.
    const double steps = std::log(scale / first) / std::log(1.1);
    QVERIFY2(std::abs(steps - std::round(steps)) < 1e-6, qPrintable(QString::number(steps)));
    if (expect == QLatin1String("first")) {
        QCOMPARE(scale, first);
        QVERIFY(printer.pipeGraphicFits(scale, rows, area, 0));
    } else if (expect == QLatin1String("grown")) {
        QVERIFY(scale > first && scale < 100);
        QVERIFY(printer.pipeGraphicFits(scale, rows, area, 0));
        QVERIFY(!printer.pipeGraphicFits(scale / 1.1, rows, area, 0));
    } else {
        QVERIFY(scale >= 100 && scale / 1.1 < 100);
        QVERIFY(!printer.pipeGraphicFits(scale, rows, area, 0));
    }
}

void TestPipeGraphic::labelsThatCannotFitKeepThePageCountBounded_data()
{
    QTest::addColumn<QVector<double>>("distances");
    QTest::addColumn<int>("bound");

    // More pages cannot pull labels of one distance apart.
    QTest::newRow("40 at one distance") << QVector<double>(40, 25.0) << 1;
    QTest::newRow("40 at one distance among others")
        << (QVector<double>{5, 15} + QVector<double>(40, 25.0) + QVector<double>{35, 45}) << 1;
    // Five distances a millimetre apart, eight labels each: they would fit only at about
    // 100 px/mm, which takes thousands of pages.
    QVector<double> close;
    for (int d = 0; d < 5; ++d) {
        for (int i = 0; i < 8; ++i)
            close << 25 + 0.001 * d;
    }
    // Not more pages than distinct distances.
    QTest::newRow("a few distances close together") << close << 5;
}

void TestPipeGraphic::labelsThatCannotFitKeepThePageCountBounded()
{
    QFETCH(QVector<double>, distances);
    QFETCH(int, bound);

    QVector<ObservationRow> rows;
    for (int i = 0; i < distances.size(); ++i)
        rows << row(distances.at(i), QStringLiteral("K%1").arg(i));
    Printer printer;
    setUp(printer, 50);
    printer.createPipeGraphic(rows, false, false);
    const QVector<PrintPage> pages = printer.pages();
    QVERIFY2(pages.size() >= 1 && pages.size() <= bound, qPrintable(QString::number(pages.size())));

    // Every label is drawn once, on the page and inside the margins.
    for (int i = 0; i < rows.size(); ++i) {
        int found = 0;
        for (const PrintPage &page : pages) {
            for (const PageContent::Text &text : PageContent::texts(page)) {
                if (text.text != QStringLiteral("K%1").arg(i))
                    continue;
                ++found;
                QVERIFY2(text.rect.top() >= Top - lineSpacing() && text.rect.bottom() <= BottomLimit + 1e-6,
                         qPrintable(QStringLiteral("K%1 at %2").arg(i).arg(text.rect.top())));
                QVERIFY(text.rect.left() >= 20 * Mm && text.rect.right() <= 190 * Mm);
            }
        }
        QCOMPARE(found, 1);
    }
}

void TestPipeGraphic::noLengthGivesOnePageWithEveryRowAtTheTop()
{
    Printer printer;
    setUp(printer, 0);
    printer.setPoints({{0, 0.0}});
    const QVector<ObservationRow> rows{row(0, QStringLiteral("A")), row(0, QStringLiteral("B"))};
    QVERIFY(std::isinf(printer.fitScale(rows, 539.6762, Height, 0)));
    printer.createPipeGraphic(rows, false, false);
    QCOMPARE(printer.pages().size(), 1);
    const PrintPage page = printer.pages().first();
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    QVERIFY(near(labelY(texts, QStringLiteral("A")), Top));
    QVERIFY(near(labelY(texts, QStringLiteral("B")), Top + lineSpacing()));
    QVERIFY(near(band(page).top(), Top) && near(band(page).bottom(), Bottom));
    const QVector<PrintElement> marks = symbolsOn(page, band(page).center().x() - 1 * Mm);
    QCOMPARE(marks.size(), 1);
}

void TestPipeGraphic::oddLengthsAndDistancesGiveAFewPages_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("distance");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("distance not a number") << 10.0 << nan;
    QTest::newRow("distance infinite") << 10.0 << std::numeric_limits<double>::infinity();
    QTest::newRow("distance of 1e308 m") << 10.0 << 1e308;
    QTest::newRow("length not a number") << nan << 2.0;
    QTest::newRow("negative length") << -5.0 << 0.0;
    QTest::newRow("length of 1e-320 m") << 1e-320 << 0.0;
}

void TestPipeGraphic::oddLengthsAndDistancesGiveAFewPages()
{
    QFETCH(double, length);
    QFETCH(double, distance);
    Printer printer;
    setUp(printer, length);
    printer.setPoints({{0, distance}, {7, length}});
    printer.createPipeGraphic({row(0, QStringLiteral("A")), row(distance, QStringLiteral("B"))}, true, true);
    const QVector<PrintPage> pages = printer.pages();
    QVERIFY2(pages.size() >= 1 && pages.size() <= 2, qPrintable(QString::number(pages.size())));
    int found = 0;
    for (const PrintPage &page : pages) {
        const QVector<PageContent::Text> texts = PageContent::texts(page);
        found += count(texts, QStringLiteral("A")) + count(texts, QStringLiteral("B"));
        // Everything is placed somewhere on the page.
        for (const PageContent::Placed &placed : PageContent::elements(page)) {
            const QRectF r = bounds(placed);
            QVERIFY2(std::isfinite(r.left()) && std::isfinite(r.right()) && std::isfinite(r.top())
                         && std::isfinite(r.bottom()) && r.top() >= 0 && r.bottom() <= page.height(),
                     qPrintable(QStringLiteral("kind %1 at %2").arg(placed.element.kind()).arg(r.top())));
        }
    }
    QCOMPARE(found, 2);
}

void TestPipeGraphic::pdfShowsTheGraphic()
{
    const QColor red(200, 50, 50);
    Printer printer;
    setUp(printer, 10, 0, QStringLiteral("S1"), QStringLiteral("S2"), 1);
    printer.setPoints({{0, 2.0}});
    printer.createPipeGraphic({row(-0.5, QStringLiteral("BCA")), row(6, QStringLiteral("BAB"), 0, red)}, false, true);
    const PrintPage page = printer.pages().first();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("graphik.pdf"));
    QVERIFY(ReportPdf::write(path, printer.pages()));
    const QString text = ReportPdf::layoutText(path, 1);
    for (const QString &expected : {QStringLiteral("Haltungs-Graphik"), QStringLiteral("Haltung 7"),
                                    QStringLiteral("-0.50m"), QStringLiteral("6.00m"), QStringLiteral("00:01:07"),
                                    QStringLiteral("Riss längs"), QStringLiteral("S1"), QStringLiteral("S2")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QCOMPARE(ReportPdf::fontProblem(path, QStringLiteral("DejaVuSans")), QString());

    const int dpi = 300;
    const QImage rendered = ReportPdf::renderPage(path, 1, dpi);
    QVERIFY(!rendered.isNull());
    const QRectF bandRect = band(page);
    const double axis = bandRect.center().x();
    const double perMetre = Height / 10.5;
    const auto probe = [&](const QPointF &at, const QColor &expected, const char *what) {
        const QColor seen = ReportPdf::pixelAt(rendered, at, dpi);
        QVERIFY2(ReportPdf::nearColor(seen, expected), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(what), seen.name())));
    };
    // The coloured row's mark on the pipe, between the pipe's lines.
    probe(QPointF(axis, Top + 6.5 * perMetre), red, "colour bar");
    // The connection's flag, filled light grey, right of the pipe.
    probe(QPointF(axis - 1 * Mm + 2.5 * Mm, Top + 2.5 * perMetre - 0.5 * Mm), QColor(Qt::lightGray), "flag");
    // The flow arrow's shaft in storm-water blue.
    const QRectF icon = pageLevel(page, PrintElement::Image).first().rect();
    probe(icon.center(), QColor(0, 100, 255), "flow icon");
    // The band's ground between the pipe and the labels.
    const QColor ground = ReportPdf::pixelAt(rendered, QPointF(bandRect.right() - 2 * Mm, Top + 4 * perMetre), dpi);
    QVERIFY2(ground != QColor(Qt::white) && ground.blue() > ground.red(), qPrintable(ground.name()));
}

void TestPipeGraphic::labelsThatCannotFitAreCutWithAnEllipsis_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QVector<double>>("longAt"); // the distances of the long labels

    QTest::newRow("labels right") << 0 << QVector<double>{3};
    QTest::newRow("labels on both sides") << 1 << QVector<double>{3};
    QTest::newRow("labels left") << 2 << QVector<double>{3};
    // Labels of one distance stay on one page, and together they are far too tall for it.
    QTest::newRow("three at one distance") << 0 << QVector<double>{5, 5, 5};
}

void TestPipeGraphic::labelsThatCannotFitAreCutWithAnEllipsis()
{
    QFETCH(int, layout);
    QFETCH(QVector<double>, longAt);

    QStringList words;
    for (int i = 1; i <= 1500; ++i)
        words << QStringLiteral("Wort%1").arg(i);
    const QString longText = words.join(QLatin1Char(' ')) + QLatin1Char(' ') + QStringLiteral("Kanal").repeated(60);
    // Layout 1 takes the sides from the rows: the long labels and one short one on the left.
    const int shortSide = 0;
    const int longSide = layout == 1 ? 1 : 0;
    QVector<ObservationRow> rows{row(2, QStringLiteral("A1"), shortSide), row(4, QStringLiteral("A2"), longSide),
                                 row(8, QStringLiteral("A3"), shortSide)};
    for (int i = 0; i < longAt.size(); ++i)
        rows << row(longAt.at(i), QStringLiteral("L%1").arg(i), longSide, Qt::black, longText);
    Printer printer;
    setUp(printer, 10);
    printer.createPipeGraphic(rows, layout != 0, false);
    const QVector<PrintPage> pages = printer.pages();

    int ellipses = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QVector<PageContent::Text> texts = PageContent::texts(pages.at(p));
        QVector<PageContent::Text> labels;
        for (const PageContent::Text &t : texts) {
            const bool label = t.font.pixelSize() == 10 && t.font.weight() == int(QFont::Normal);
            if (label && t.rect.top() >= Top - lineSpacing())
                labels << t;
        }
        for (int i = 0; i < labels.size(); ++i) {
            const PageContent::Text &t = labels.at(i);
            const QString where =
                QStringLiteral("page %1: \"%2\" at %3").arg(p + 1).arg(t.text.left(30)).arg(t.rect.top());
            // On the page, inside the margins, within its box.
            QVERIFY2(t.rect.bottom() <= BottomLimit + 1e-6, qPrintable(where));
            QVERIFY2(t.rect.left() >= 20 * Mm - 1e-6 && t.rect.right() <= 190 * Mm + 1e-6, qPrintable(where));
            QVERIFY2(QFontMetricsF(t.font).horizontalAdvance(t.text) <= t.rect.width() + 1e-6, qPrintable(where));
            // Never over another label's line.
            for (int j = i + 1; j < labels.size(); ++j) {
                const QRectF overlap = t.rect.intersected(labels.at(j).rect);
                QVERIFY2(overlap.width() < 1e-6 || overlap.height() < 1e-6,
                         qPrintable(where + QStringLiteral(" over \"%1\"").arg(labels.at(j).text.left(30))));
            }
            if (t.text.endsWith(QChar(0x2026)))
                ++ellipses;
        }
    }
    // Each long label is cut once; the short ones are whole, each on one page.
    QCOMPARE(ellipses, longAt.size());
    for (const QString &code :
         {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("L0")}) {
        int found = 0;
        for (const PrintPage &page : pages)
            found += count(PageContent::texts(page), code);
        QCOMPARE(found, 1);
    }
    int whole = 0;
    for (const PrintPage &page : pages)
        whole += count(PageContent::texts(page), QStringLiteral("Riss längs"));
    QCOMPARE(whole, 3);

    // In the PDF the cut label ends in the ellipsis, and its first words are there.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("graphik.pdf"));
    QVERIFY(ReportPdf::write(path, pages));
    QString text;
    for (int p = 1; p <= pages.size(); ++p)
        text += ReportPdf::layoutText(path, p);
    QVERIFY(text.contains(QChar(0x2026)));
    QVERIFY(text.contains(QStringLiteral("Wort1 Wort2")));
}

QTEST_MAIN(TestPipeGraphic)
#include "tst_pipegraphic.moc"
