#include "reports/printer.h"
#include "support/pagecontent.h"
#include "support/reportpdf.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr double Mm = 793.0 / 210.0;

using PageContent::near;
using PageContent::nearRect;

double legendHeight()
{
    return 12 * QFontMetricsF(Printer::font(10)).lineSpacing();
}

QImage plan()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor(40, 160, 40));
    return image;
}

void setUp(Printer &printer, double scale = 50)
{
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    printer.setPlanData(scale, QStringLiteral("Stadtwerke"), QStringLiteral("Neustadt"), QStringLiteral("Hauptstraße 5"),
                        QStringLiteral("Kanalnetz Süd"), QStringLiteral("Stand der Befahrung"), QStringLiteral("03.04.2024"));
}

// The legend is the one framed group that is not the letterhead.
const PrintElement *legend(const PrintPage &page, const Printer &printer)
{
    const QByteArray letterhead = printer.letterhead().toByteArray();
    for (const PrintElement &e : page.elements()) {
        if (e.kind() == PrintElement::Group && e.hasFrame() && e.toByteArray() != letterhead)
            return &e;
    }
    return nullptr;
}

// The scale bar: the group inside the legend that holds the caption.
PrintElement scaleBarOf(double scale)
{
    return Printer::scaleBar(QRectF(0, 0, 80 * Mm, 46), scale, Printer::font(10));
}

} // namespace

class TestSitePlan : public QObject
{
    Q_OBJECT

private slots:
    void pageSizesAndThePlanImage_data();
    void pageSizesAndThePlanImage();
    void letterheadPositions_data();
    void letterheadPositions();
    void legendKeepsToTheBottomRightCorner_data();
    void legendKeepsToTheBottomRightCorner();
    void legendTexts();
    void scaleBar_data();
    void scaleBar();
    void pdfShowsThePlanPage();
};

void TestSitePlan::pageSizesAndThePlanImage_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::newRow("A4 portrait") << 0 << 0 << QSize(793, 1123);
    QTest::newRow("A4 landscape") << 0 << 1 << QSize(1123, 793);
    QTest::newRow("A3 portrait") << 1 << 0 << QSize(1123, 1586);
    QTest::newRow("A3 landscape") << 1 << 1 << QSize(1586, 1123);
}

void TestSitePlan::pageSizesAndThePlanImage()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(QSize, size);

    Printer printer;
    setUp(printer);
    // Without letterhead and legend the page holds only the framed plan.
    printer.createSitePlanPage(plan(), QStringLiteral("33"), paper, orientation, 0, 0);
    QCOMPARE(printer.pages().size(), 1);
    PrintPage page = printer.pages().first();
    QCOMPARE(QSize(page.width(), page.height()), size);
    QCOMPARE(page.elements().size(), 1);

    const PrintElement image = page.elements().first();
    QCOMPARE(image.kind(), int(PrintElement::Image));
    QVERIFY(nearRect(image.rect(), QRectF(20 * Mm, 20 * Mm, size.width() - 40 * Mm, size.height() - 40 * Mm)));
    QVERIFY(image.hasFrame());
    QVERIFY(image.keepUnscaled());
    QCOMPARE(image.image(), plan());
    QVERIFY(page.findElement(QStringLiteral("33")) != nullptr);
}

void TestSitePlan::letterheadPositions_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("position");
    QTest::addColumn<QPointF>("topLeft"); // relative to (W, H): x = a W + b, y = c H + d
    QTest::addColumn<QPointF>("offset");

    // Positions 1 to 6 on an A4 portrait and an A3 landscape page.
    for (const auto &paper : {std::make_pair(0, 0), std::make_pair(1, 1)}) {
        const QString name = paper.first == 0 ? QStringLiteral("A4 portrait") : QStringLiteral("A3 landscape");
        QTest::addRow("%s, 1 top left", qPrintable(name)) << paper.first << paper.second << 1 << QPointF(0, 0) << QPointF(20 * Mm, 20 * Mm);
        QTest::addRow("%s, 2 top centre", qPrintable(name)) << paper.first << paper.second << 2 << QPointF(0.5, 0) << QPointF(-85 * Mm, 20 * Mm);
        QTest::addRow("%s, 3 top right", qPrintable(name)) << paper.first << paper.second << 3 << QPointF(1, 0) << QPointF(-190 * Mm, 20 * Mm);
        QTest::addRow("%s, 4 bottom left", qPrintable(name)) << paper.first << paper.second << 4 << QPointF(0, 1) << QPointF(20 * Mm, -50 * Mm);
        QTest::addRow("%s, 5 bottom centre", qPrintable(name)) << paper.first << paper.second << 5 << QPointF(0.5, 1) << QPointF(-85 * Mm, -50 * Mm);
        QTest::addRow("%s, 6 bottom right", qPrintable(name)) << paper.first << paper.second << 6 << QPointF(1, 1) << QPointF(-190 * Mm, -50 * Mm);
    }
}

void TestSitePlan::letterheadPositions()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(int, position);
    QFETCH(QPointF, topLeft);
    QFETCH(QPointF, offset);

    Printer printer;
    setUp(printer);
    printer.createSitePlanPage(plan(), QStringLiteral("33"), paper, orientation, position, 0);
    const PrintPage page = printer.pages().first();
    QCOMPARE(page.elements().size(), 2);
    const PrintElement head = page.elements().at(1);
    const QPointF expected(topLeft.x() * page.width() + offset.x(), topLeft.y() * page.height() + offset.y());
    QVERIFY2(nearRect(head.rect(), QRectF(expected, QSizeF(170 * Mm, 30 * Mm))),
             qPrintable(QStringLiteral("(%1, %2)").arg(head.rect().x()).arg(head.rect().y())));
    // Moved whole: its boxes come along.
    QCOMPARE(head.children()->size(), printer.letterhead().children()->size());
}

void TestSitePlan::legendKeepsToTheBottomRightCorner_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("legendPosition");
    for (int position = 1; position <= 6; ++position)
        QTest::addRow("A4 portrait, %d", position) << 0 << 0 << position;
    QTest::newRow("A3 landscape") << 1 << 1 << 1;
    QTest::newRow("A4 landscape") << 0 << 1 << 4;
}

void TestSitePlan::legendKeepsToTheBottomRightCorner()
{
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(int, legendPosition);

    Printer printer;
    setUp(printer);
    printer.createSitePlanPage(plan(), QStringLiteral("33"), paper, orientation, 0, legendPosition);
    const PrintPage page = printer.pages().first();
    QCOMPARE(page.elements().size(), 2);
    const PrintElement *block = legend(page, printer);
    QVERIFY(block);
    const QRectF r = block->rect();
    QVERIFY(near(r.width(), 170 * Mm) && near(r.height(), legendHeight()));
    QVERIFY(near(r.right(), page.width() - 20 * Mm) && near(r.bottom(), page.height() - 20 * Mm));
    QCOMPARE(block->brush().style(), Qt::SolidPattern);
}

void TestSitePlan::legendTexts()
{
    Printer printer;
    setUp(printer, 250);
    const PrintElement block = printer.sitePlanHeader();
    PrintPage page(793, 1123);
    page.addElement(block);
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    const double ls = QFontMetricsF(Printer::font(10)).lineSpacing();

    // Three parts side by side: customer, title with the scale bar, scale and date.
    const struct {
        QString text;
        double x; // mm, the part's left edge
        double line;
        int alignment;
    } expected[] = {{QStringLiteral("Kunde:"), 0, 0.5, Qt::AlignLeft},
                    {QStringLiteral("Stadtwerke"), 0, 2, Qt::AlignRight},
                    {QStringLiteral("Ort:"), 0, 4.5, Qt::AlignLeft},
                    {QStringLiteral("Neustadt"), 0, 6, Qt::AlignRight},
                    {QStringLiteral("Straße, Nr.:"), 0, 8.5, Qt::AlignLeft},
                    {QStringLiteral("Hauptstraße 5"), 0, 10, Qt::AlignRight},
                    {QStringLiteral("Bestandsplan"), 45, 0.5, Qt::AlignHCenter},
                    {QStringLiteral("Kanalnetz Süd"), 45, 2, Qt::AlignHCenter},
                    {QStringLiteral("Maßstab 1 : 250      1cm ≙ 2.5m"), 45, 7, Qt::AlignHCenter},
                    {QStringLiteral("(alle Angaben ohne Gewähr)"), 45, 11, Qt::AlignHCenter},
                    {QStringLiteral("Maßstab:"), 125, 0.5, Qt::AlignLeft},
                    {QStringLiteral("1 : 250"), 125, 2, Qt::AlignRight},
                    {QStringLiteral("Datum:"), 125, 4.5, Qt::AlignLeft},
                    {QStringLiteral("03.04.2024"), 125, 6, Qt::AlignRight},
                    {QStringLiteral("Stand der Befahrung"), 125, 9, Qt::AlignLeft}};
    for (const auto &e : expected) {
        const PageContent::Text t = PageContent::find(texts, e.text);
        QVERIFY2(!t.rect.isNull(), qPrintable(e.text));
        QVERIFY2(near(t.rect.top(), e.line * ls), qPrintable(e.text));
        QVERIFY2(t.rect.left() >= e.x * Mm && t.rect.left() < (e.x + 2) * Mm, qPrintable(e.text));
        QCOMPARE(t.alignment, e.alignment);
    }
    // Rules under the first two cells of the outer parts.
    int rules = 0;
    for (const PageContent::Placed &placed : PageContent::elements(page)) {
        if (placed.element.kind() == PrintElement::Polyline && placed.depth == 2)
            rules += near(placed.element.points().first().y(), 4 * ls) || near(placed.element.points().first().y(), 8 * ls);
    }
    QCOMPARE(rules, 4);
}

void TestSitePlan::scaleBar_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("segmentCm");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("1 : 50") << 50.0 << QStringLiteral("Maßstab 1 : 50      1cm ≙ 0.5m") << 2.0
                            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QTest::newRow("1 : 100") << 100.0 << QStringLiteral("Maßstab 1 : 100      1cm ≙ 1m") << 1.0
                             << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                            QStringLiteral("4"), QStringLiteral("5")};
    QTest::newRow("1 : 500") << 500.0 << QStringLiteral("Maßstab 1 : 500      1cm ≙ 5m") << 1.6
                             << QStringList{QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("24"),
                                            QStringLiteral("32")};
    // One metre is more than the bar's 7 cm: the caption alone.
    QTest::newRow("1 : 1") << 1.0 << QStringLiteral("Maßstab 1 : 1      1cm ≙ 0.01m") << 100.0 << QStringList();
}

void TestSitePlan::scaleBar()
{
    QFETCH(double, scale);
    QFETCH(QString, caption);
    QFETCH(double, segmentCm);
    QFETCH(QStringList, labels);

    const PrintElement bar = scaleBarOf(scale);
    QCOMPARE(bar.kind(), int(PrintElement::Group));
    QVector<PrintElement> segments;
    QStringList texts;
    for (const PrintElement &child : *bar.children()) {
        if (child.kind() == PrintElement::Rectangle)
            segments << child;
        else if (child.kind() == PrintElement::Text)
            texts << child.text();
    }
    QCOMPARE(texts.value(0), caption);
    QCOMPARE(texts.mid(1), labels);
    QCOMPARE(segments.size(), labels.size());

    const double width = segmentCm * 793 / 21;
    const double left = 80 * Mm / 2 - segments.size() * width / 2;
    for (int i = 0; i < segments.size(); ++i) {
        QVERIFY(nearRect(segments.at(i).rect(), QRectF(left + i * width, 23, width, 2 * Mm)));
        QCOMPARE(segments.at(i).pen().color(), QColor(Qt::black));
        // The second, fourth, ... segment is filled black.
        QCOMPARE(segments.at(i).brush().style(), i % 2 == 1 ? Qt::SolidPattern : Qt::NoBrush);
    }
}

void TestSitePlan::pdfShowsThePlanPage()
{
    Printer printer;
    setUp(printer, 50);
    printer.createSitePlanPage(plan(), QStringLiteral("33"), 0, 0, 1, 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QVERIFY(ReportPdf::write(path, printer.pages()));
    const QString text = ReportPdf::layoutText(path, 1);
    for (const QString &expected : {QStringLiteral("Bestandsplan"), QStringLiteral("Maßstab 1 : 50"),
                                    QStringLiteral("1cm ≙ 0.5m"), QStringLiteral("Stadtwerke"),
                                    QStringLiteral("(alle Angaben ohne Gewähr)")})
        QVERIFY2(text.contains(expected), qPrintable(expected));

    // The plan shows through above the legend; the bar's segments alternate white and black.
    const int dpi = 200;
    const QImage rendered = ReportPdf::renderPage(path, 1, dpi);
    const PrintPage page = printer.pages().first();
    QVERIFY(ReportPdf::nearColor(ReportPdf::pixelAt(rendered, QPointF(50 * Mm, 90 * Mm), dpi), QColor(40, 160, 40)));
    // Unscaled: beyond its own size the frame holds white paper.
    QCOMPARE(ReportPdf::pixelAt(rendered, QPointF(150 * Mm, 90 * Mm), dpi), QColor(Qt::white));
    const PrintElement *block = legend(page, printer);
    QVERIFY(block);
    const double ls = QFontMetricsF(Printer::font(10)).lineSpacing();
    const double width = 2 * 793 / 21.0;
    const QPointF barLeft = block->rect().topLeft() + QPointF(45 * Mm + 40 * Mm - 1.5 * width, 9 * ls + 1 * Mm);
    QCOMPARE(ReportPdf::pixelAt(rendered, barLeft + QPointF(0.5 * width, 0), dpi), QColor(Qt::white));
    QCOMPARE(ReportPdf::pixelAt(rendered, barLeft + QPointF(1.5 * width, 0), dpi), QColor(Qt::black));
    QCOMPARE(ReportPdf::pixelAt(rendered, barLeft + QPointF(2.5 * width, 0), dpi), QColor(Qt::white));
}

QTEST_MAIN(TestSitePlan)
#include "tst_siteplan.moc"
