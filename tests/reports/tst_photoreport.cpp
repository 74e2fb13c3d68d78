#include "reports/printer.h"
#include "support/pagecontent.h"
#include "support/reportpdf.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr double Mm = 793.0 / 210.0;

using PageContent::near;
using PageContent::nearRect;

QImage photo(int i)
{
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(QColor(20 * i, 100, 200));
    return image;
}

QVector<QImage> photos(int n)
{
    QVector<QImage> result;
    for (int i = 0; i < n; ++i)
        result << photo(i);
    return result;
}

void setUp(Printer &printer)
{
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    QStringList header{QStringLiteral("EN_13508_2")};
    for (int i = 1; i <= 15; ++i)
        header << QStringLiteral("h%1").arg(i);
    printer.setShortHeader(header);
    printer.setSectionData(QStringLiteral("S1"), QStringLiteral("S2"), 0, QStringLiteral("Haltung 7"), 30, 1);
}

// The photos of a page: its own image elements (the letterhead's are inside its group).
QVector<PrintElement> photosOn(const PrintPage &page)
{
    QVector<PrintElement> result;
    for (const PrintElement &e : page.elements()) {
        if (e.kind() == PrintElement::Image)
            result.append(e);
    }
    return result;
}

} // namespace

class TestPhotoReport : public QObject
{
    Q_OBJECT

private slots:
    void noPhotosNoPage();
    void grid_data();
    void grid();
    void onePhotoPerRow_data();
    void onePhotoPerRow();
    void theReportByNameHasNoHeaderTable_data();
    void theReportByNameHasNoHeaderTable();
    void pdfShowsThePhotosAndTheirTexts();
};

void TestPhotoReport::noPhotosNoPage()
{
    Printer printer;
    setUp(printer);
    printer.createFotoPages({}, 2, 2, {});
    printer.createFotoPages({}, 1, 3, {QStringLiteral("00:01:00"), QStringLiteral("1.00"), QStringLiteral("Riss")});
    printer.createFotoPagesByName({}, 2, 2, {});
    printer.createFotoPagesByName({}, 1, 2, {QStringLiteral("img_1.jpg")});
    QVERIFY(printer.pages().isEmpty());
}

void TestPhotoReport::grid_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSizeF>("size"); // of each photo, in mm
    QTest::addColumn<QVector<int>>("perPage");

    QTest::newRow("1 x 1") << 1 << 1 << 2 << QSizeF(165, 132) << QVector<int>{1, 1};
    // A wide cell: the height decides.
    const double height = 151.39 / 3 - 2.5;
    QTest::newRow("1 column, 3 rows") << 1 << 3 << 3 << QSizeF(1.25 * height, height) << QVector<int>{3};
    QTest::newRow("2 x 2, seven photos") << 2 << 2 << 7 << QSizeF(80, 64) << QVector<int>{4, 3};
    const double width = 170.0 / 3 - 5;
    QTest::newRow("3 x 3") << 3 << 3 << 10 << QSizeF(width, 0.8 * width) << QVector<int>{9, 1};
}

void TestPhotoReport::grid()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, count);
    QFETCH(QSizeF, size);
    QFETCH(QVector<int>, perPage);

    Printer printer;
    setUp(printer);
    printer.createFotoPages(photos(count), columns, rows, {});
    const QVector<PrintPage> pages = printer.pages();
    QCOMPARE(pages.size(), perPage.size());

    const double cellWidth = 170 * Mm / columns;
    const double cellHeight = 151.39 * Mm / rows;
    int next = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QVector<PrintElement> shown = photosOn(pages.at(p));
        // A last page partly filled stops after the last photo.
        QCOMPARE(shown.size(), perPage.at(p));
        for (int k = 0; k < shown.size(); ++k, ++next) {
            const QRectF expected(20 * Mm + k % columns * cellWidth, 121 * Mm + k / columns * cellHeight,
                                  size.width() * Mm, size.height() * Mm);
            QVERIFY2(nearRect(shown.at(k).rect(), expected), qPrintable(QStringLiteral("photo %1").arg(next)));
            QCOMPARE(shown.at(k).image(), photo(next));
            QVERIFY(!shown.at(k).keepUnscaled());
            QVERIFY(!shown.at(k).hasFrame());
        }
        const QString text = PageContent::joinedText(pages.at(p));
        QVERIFY(text.contains(QStringLiteral("Foto-Bericht")));
        QVERIFY(text.contains(QStringLiteral("Haltung 7")));
    }
    QCOMPARE(next, count);
}

void TestPhotoReport::onePhotoPerRow_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("photoWidth"); // mm
    QTest::newRow("one row") << 1 << 108.0;
    QTest::newRow("two rows") << 2 << 151.39 / 2 * 1.25;
    QTest::newRow("three rows") << 3 << 151.39 / 3 * 1.25;
}

void TestPhotoReport::onePhotoPerRow()
{
    QFETCH(int, rows);
    QFETCH(double, photoWidth);

    const int count = rows + 1;
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QStringLiteral("00:0%1:00").arg(i) << QStringLiteral("%1.50").arg(i) << QStringLiteral("Foto %1").arg(i);
    Printer printer;
    setUp(printer);
    // The columns of the layout play no part here.
    printer.createFotoPages(photos(count), 3, rows, texts);
    const QVector<PrintPage> pages = printer.pages();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(photosOn(pages.at(0)).size(), rows);
    QCOMPARE(photosOn(pages.at(1)).size(), 1);

    const double rowHeight = 151.39 * Mm / rows;
    const double width = photoWidth * Mm;
    for (int i = 0; i < count; ++i) {
        const PrintPage &page = pages.at(i / rows);
        const int r = i % rows;
        const double cellY = 121 * Mm + r * (rowHeight + 5 * Mm);
        const PrintElement shown = photosOn(page).at(r);
        QVERIFY2(nearRect(shown.rect(), QRectF(190 * Mm - width, cellY - 5 * Mm, width, 0.8 * width)),
                 qPrintable(QStringLiteral("photo %1 at %2").arg(i).arg(shown.rect().x() / Mm)));
        QCOMPARE(shown.image(), photo(i));

        // The texts beside it: labels at the cell's origin, the values in the room left by the photo.
        const QVector<PageContent::Text> texts = PageContent::texts(page);
        const PageContent::Text timecode = PageContent::find(texts, QStringLiteral("00:0%1:00").arg(i));
        const PageContent::Text meter = PageContent::find(texts, QStringLiteral("%1.50").arg(i));
        const PageContent::Text text = PageContent::find(texts, QStringLiteral("Foto %1").arg(i));
        QVERIFY(!timecode.rect.isNull() && !meter.rect.isNull() && !text.rect.isNull());
        QVERIFY(near(timecode.rect.top(), cellY));
        QVERIFY(meter.rect.top() > timecode.rect.top() && text.rect.top() > meter.rect.top());
        QVERIFY(timecode.rect.right() <= 20 * Mm + 160 * Mm - width + 1e-6);
        QVERIFY(timecode.rect.right() < shown.rect().left());
    }
    const QVector<PageContent::Text> first = PageContent::texts(pages.at(0));
    const PageContent::Text label = PageContent::find(first, QStringLiteral("Timecode"));
    QVERIFY(near(label.rect.left(), 20 * Mm) && near(label.rect.top(), 121 * Mm));
    QCOMPARE(label.font.weight(), 75);
    QVERIFY(!PageContent::find(first, QStringLiteral("Meter")).rect.isNull());
    QVERIFY(!PageContent::find(first, QStringLiteral("Text")).rect.isNull());
}

void TestPhotoReport::theReportByNameHasNoHeaderTable_data()
{
    QTest::addColumn<bool>("byName");
    QTest::addColumn<bool>("withTexts");
    QTest::newRow("by distance, grid") << false << false;
    QTest::newRow("by distance, rows") << false << true;
    QTest::newRow("by name, grid") << true << false;
    QTest::newRow("by name, rows") << true << true;
}

void TestPhotoReport::theReportByNameHasNoHeaderTable()
{
    QFETCH(bool, byName);
    QFETCH(bool, withTexts);

    Printer printer;
    setUp(printer);
    if (byName)
        printer.createFotoPagesByName(photos(1), 1, 2, withTexts ? QStringList{QStringLiteral("img_1.jpg")} : QStringList());
    else
        printer.createFotoPages(photos(1), 1, 2, withTexts ? QStringList{QStringLiteral("00:00:10"), QStringLiteral("1.00"), QStringLiteral("Riss")}
                                                           : QStringList());
    QCOMPARE(printer.pages().size(), 1);
    const PrintPage page = printer.pages().first();
    QCOMPARE(page.elements().first().toByteArray(), printer.letterhead().toByteArray());
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    QVERIFY(!PageContent::find(texts, QStringLiteral("Foto-Bericht")).rect.isNull());
    QCOMPARE(PageContent::find(texts, QStringLiteral("Zulauf")).rect.isNull(), byName);

    const double top = (byName ? 78 : 121) * Mm;
    const PrintElement shown = photosOn(page).first();
    QVERIFY(near(shown.rect().top(), withTexts ? top - 5 * Mm : top));
    if (withTexts) {
        const PageContent::Text label = PageContent::find(texts, byName ? QStringLiteral("Name") : QStringLiteral("Timecode"));
        QVERIFY(near(label.rect.top(), top));
        QVERIFY(!PageContent::find(texts, byName ? QStringLiteral("img_1.jpg") : QStringLiteral("00:00:10")).rect.isNull());
    }
}

void TestPhotoReport::pdfShowsThePhotosAndTheirTexts()
{
    Printer printer;
    setUp(printer);
    QImage red(100, 80, QImage::Format_RGB32);
    red.fill(QColor(220, 30, 30));
    printer.createFotoPagesByName({red, red, red}, 1, 2, {QStringLiteral("img_1.jpg"), QStringLiteral("img_2.jpg"),
                                                          QStringLiteral("img_3.jpg")});
    QCOMPARE(printer.pages().size(), 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fotos.pdf"));
    QVERIFY(ReportPdf::write(path, printer.pages()));
    const QString first = ReportPdf::layoutText(path, 1);
    QVERIFY(first.contains(QStringLiteral("Foto-Bericht")));
    QVERIFY(first.contains(QStringLiteral("img_1.jpg")) && first.contains(QStringLiteral("img_2.jpg")));
    QVERIFY(!first.contains(QStringLiteral("img_3.jpg")));
    QVERIFY(ReportPdf::layoutText(path, 2).contains(QStringLiteral("img_3.jpg")));

    // The photo fills its place at the right margin.
    const int dpi = 150;
    const QImage rendered = ReportPdf::renderPage(path, 1, dpi);
    const QRectF place = photosOn(printer.pages().first()).first().rect();
    const QColor seen = ReportPdf::pixelAt(rendered, place.center(), dpi);
    QVERIFY2(ReportPdf::nearColor(seen, QColor(220, 30, 30)), qPrintable(seen.name()));
    QCOMPARE(ReportPdf::pixelAt(rendered, place.topLeft() - QPointF(5, 0), dpi), QColor(Qt::white));
}

QTEST_MAIN(TestPhotoReport)
#include "tst_photoreport.moc"
