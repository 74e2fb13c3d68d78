#include "reports/printer.h"
#include "support/pagecontent.h"
#include "support/reportpdf.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

constexpr double Mm = 793.0 / 210.0;
constexpr double BottomLimit = 277.4 * Mm;

QStringList enHeader()
{
    QStringList list{QStringLiteral("EN_13508_2")};
    for (int i = 0; i <= 20; ++i)
        list << QStringLiteral("w%1").arg(i);
    return list;
}

void setUp(Printer &printer, const QStringList &normHeader = enHeader())
{
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    printer.setNormHeader(normHeader);
    printer.setSectionData(QStringLiteral("S1"), QStringLiteral("S2"), 0, QStringLiteral("Haltung 7"), 30.0, 1);
}

ObservationRow row(double distance, const QString &label, const QString &text, const QColor &color = Qt::black)
{
    ObservationRow r;
    r.distance = distance;
    r.label = label;
    r.text = text;
    r.color = color;
    return r;
}

bool hasText(const QVector<PageContent::Text> &texts, const QString &text)
{
    return !PageContent::find(texts, text).rect.isNull();
}

// The bottom of the header table's lowest label or value line (the ":" marks are a font height
// high, a little more than a line).
double lowestHeaderLine(const QVector<PageContent::Text> &texts, double listTop)
{
    double bottom = 0;
    for (const PageContent::Text &t : texts) {
        if (t.rect.top() >= 78 * Mm - 1e-6 && t.rect.top() < listTop && t.text != QLatin1String(":"))
            bottom = std::max(bottom, t.rect.bottom());
    }
    return bottom;
}

QString numberedWords(int count, const QString &stem = QStringLiteral("Wort"))
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << stem + QString::number(i);
    return words.join(QLatin1Char(' '));
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class TestPipeReport : public QObject
{
    Q_OBJECT

private slots:
    void withoutRowsOnePageWithHeaderAndListLabel();
    void listLabelClearsTheWholeHeaderTable_data();
    void listLabelClearsTheWholeHeaderTable();
    void rowBoxes();
    void aRowThatDoesNotFitStartsTheNextPage();
    void withoutTheListOnlyTheHeaderPage();
    void pdfShowsTheRowsOnTheirPages();
    void noTextOfALongRowIsLost_data();
    void noTextOfALongRowIsLost();
};

void TestPipeReport::withoutRowsOnePageWithHeaderAndListLabel()
{
    Printer printer;
    setUp(printer);
    printer.createPipeReport({}, true);

    const QVector<PrintPage> pages = printer.pages();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().elements().first().toByteArray(), printer.letterhead().toByteArray());
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const PageContent::Text title = PageContent::find(texts, QStringLiteral("Haltungs-Bericht"));
    QVERIFY(std::abs(title.rect.top() - 55 * Mm) < 1e-3);
    const PageContent::Text subtitle = PageContent::find(texts, QStringLiteral("Haltung 7"));
    QVERIFY(std::abs(subtitle.rect.top() - (55 * Mm + 25)) < 1e-3);
    QVERIFY(hasText(texts, QStringLiteral("Auftragskennung")));
    QVERIFY(hasText(texts, QStringLiteral("w20")));

    const PageContent::Text label = PageContent::find(texts, QStringLiteral("Haltungs-Bericht:"));
    QVERIFY(!label.rect.isNull());
    QVERIFY(std::abs(label.rect.left() - 20 * Mm) < 1e-3);
    QCOMPARE(label.font.weight(), 75);
    QCOMPARE(label.color, QColor(Qt::black));
    QVERIFY(std::abs(label.rect.width() - 2 * QFontMetricsF(label.font).horizontalAdvance(label.text)) < 1e-3);
    // Nothing listed after the label.
    QCOMPARE(texts.last().text, label.text);
}

void TestPipeReport::listLabelClearsTheWholeHeaderTable_data()
{
    QTest::addColumn<QString>("norm");
    QTest::addColumn<int>("values");
    // In these two the first column pair is the taller one.
    QTest::newRow("DWA-M 149-2") << QStringLiteral("DWA_M149_2") << 27;
    QTest::newRow("DanDas") << QStringLiteral("DANDAS") << 23;
    QTest::newRow("ISYBAU 2006") << QStringLiteral("ISYBAU2006") << 30;
    QTest::newRow("no table of its own") << QStringLiteral("ISYBAU2001") << 0;
}

void TestPipeReport::listLabelClearsTheWholeHeaderTable()
{
    QFETCH(QString, norm);
    QFETCH(int, values);
    QStringList header{norm};
    for (int i = 0; i < values; ++i)
        header << QStringLiteral("w%1").arg(i);
    Printer printer;
    setUp(printer, header);
    printer.createPipeReport({row(1, QStringLiteral("BAB"), QStringLiteral("Riss"))}, true);

    const QVector<PageContent::Text> texts = PageContent::texts(printer.pages().first());
    const PageContent::Text label = PageContent::find(texts, QStringLiteral("Haltungs-Bericht:"));
    // The label keeps 5 mm below the lowest line of the table, in whichever column that is.
    const double bottom = values ? lowestHeaderLine(texts, label.rect.top()) : 78 * Mm;
    QVERIFY2(std::abs(label.rect.top() - (bottom + 5 * Mm)) < 1e-3,
             qPrintable(QStringLiteral("label at %1, table ends at %2").arg(label.rect.top()).arg(bottom)));
}

void TestPipeReport::rowBoxes()
{
    const QColor red(200, 50, 50);
    Printer printer;
    setUp(printer);
    printer.createPipeReport({row(1.5, QStringLiteral("BAB"), QStringLiteral("Riss längs"), red),
                              row(-1.5, QStringLiteral("BCA"), QStringLiteral("Anschluss"), QColor(0, 74, 158)),
                              row(2, QStringLiteral("BDB"), QStringLiteral("ohne Farbe"), QColor())},
                             true);
    const QVector<PageContent::Text> texts = PageContent::texts(printer.pages().first());
    const double ls = QFontMetricsF(Printer::font(10)).lineSpacing();
    const PageContent::Text label = PageContent::find(texts, QStringLiteral("Haltungs-Bericht:"));
    const double firstRow = label.rect.top() + 2 * ls;

    const struct {
        QString distance;
        QString code;
        QString description;
        QColor color;
    } expected[] = {{QStringLiteral("1.50m"), QStringLiteral("BAB"), QStringLiteral("Riss längs"), red},
                    {QStringLiteral("-1.50m"), QStringLiteral("BCA"), QStringLiteral("Anschluss"), QColor(0, 74, 158)},
                    {QStringLiteral("2.00m"), QStringLiteral("BDB"), QStringLiteral("ohne Farbe"), Qt::black}};
    for (int i = 0; i < 3; ++i) {
        const double y = firstRow + i * ls;
        // The distance is right-aligned in its 13 mm box; the padding blanks of the six-character
        // field are not drawn.
        const PageContent::Text distance = PageContent::find(texts, expected[i].distance);
        QVERIFY2(!distance.rect.isNull(), qPrintable(expected[i].distance));
        QVERIFY(std::abs(distance.rect.left() - 20 * Mm) < 1e-3 && std::abs(distance.rect.width() - 13 * Mm) < 1e-3);
        QVERIFY(std::abs(distance.rect.top() - y) < 1e-3);
        QCOMPARE(distance.alignment, int(Qt::AlignRight));
        QCOMPARE(distance.color, QColor(Qt::black));

        const PageContent::Text code = PageContent::find(texts, expected[i].code);
        QVERIFY(std::abs(code.rect.left() - 38 * Mm) < 1e-3 && std::abs(code.rect.width() - 9 * Mm) < 1e-3);
        QVERIFY(std::abs(code.rect.top() - y) < 1e-3);
        QCOMPARE(code.alignment, int(Qt::AlignLeft));
        QCOMPARE(code.color, expected[i].color);

        const PageContent::Text description = PageContent::find(texts, expected[i].description);
        QVERIFY(std::abs(description.rect.left() - 52 * Mm) < 1e-3 && std::abs(description.rect.width() - 138 * Mm) < 1e-3);
        QVERIFY(std::abs(description.rect.top() - y) < 1e-3);
        QCOMPARE(description.color, QColor(Qt::black));
        QCOMPARE(description.font.pixelSize(), 10);
        QCOMPARE(description.font.weight(), int(QFont::Normal));
    }
}

void TestPipeReport::aRowThatDoesNotFitStartsTheNextPage()
{
    const QFont font = Printer::font(10);
    const double ls = QFontMetricsF(font).lineSpacing();
    // A description of many lines: eight rows of it cannot share one page.
    QStringList words;
    for (int i = 0; i < 120; ++i)
        words << QStringLiteral("Wurzeleinwuchs%1").arg(i);
    const QString longText = words.join(QLatin1Char(' '));
    const int lines = Printer::lineCount(longText, 138 * Mm, font);
    QVERIFY(lines > 5);

    QVector<ObservationRow> rows;
    for (int i = 0; i < 12; ++i)
        rows << row(i, QStringLiteral("C%1").arg(i), longText);
    Printer printer;
    setUp(printer);
    printer.createPipeReport(rows, true);
    const QVector<PrintPage> pages = printer.pages();
    QVERIFY(pages.size() >= 2);

    int next = 0; // the next row to find
    double previousBottom = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QVector<PageContent::Text> texts = PageContent::texts(pages.at(p));
        QCOMPARE(pages.at(p).elements().first().toByteArray(), printer.letterhead().toByteArray());
        QVERIFY(hasText(texts, QStringLiteral("Haltungs-Bericht")));
        QCOMPARE(hasText(texts, QStringLiteral("Auftragskennung")), p == 0);
        const PageContent::Text label = PageContent::find(texts, QStringLiteral("Haltungs-Bericht:"));
        if (p > 0) {
            QVERIFY(std::abs(label.rect.top() - 83 * Mm) < 1e-3);
            // The row that opens this page did not fit below the last one of the page before.
            QVERIFY(previousBottom + lines * ls > BottomLimit);
        }
        double y = label.rect.top() + 2 * ls;
        int onPage = 0;
        while (next < rows.size()) {
            const PageContent::Text code = PageContent::find(texts, QStringLiteral("C%1").arg(next));
            if (code.rect.isNull())
                break;
            // Each row whole on this page, right below the one before.
            QVERIFY(std::abs(code.rect.top() - y) < 1e-3);
            int descriptionLines = 0;
            for (const PageContent::Text &t : texts)
                descriptionLines += t.rect.top() >= y - 1e-6 && t.rect.top() < y + lines * ls - 1e-6 && t.rect.left() > 50 * Mm;
            QCOMPARE(descriptionLines, lines);
            y += lines * ls;
            QVERIFY(y <= BottomLimit);
            ++next;
            ++onPage;
        }
        QVERIFY(onPage > 0);
        previousBottom = y;
    }
    QCOMPARE(next, rows.size());
}

void TestPipeReport::withoutTheListOnlyTheHeaderPage()
{
    Printer printer;
    setUp(printer);
    printer.createPipeReport({row(1, QStringLiteral("BAB"), QStringLiteral("Riss"))}, false);
    const QVector<PrintPage> pages = printer.pages();
    QCOMPARE(pages.size(), 1);
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    QCOMPARE(pages.first().elements().first().toByteArray(), printer.letterhead().toByteArray());
    QVERIFY(hasText(texts, QStringLiteral("Haltungs-Bericht")));
    QVERIFY(hasText(texts, QStringLiteral("Auftragskennung")));
    QVERIFY(!hasText(texts, QStringLiteral("Haltungs-Bericht:")));
    QVERIFY(!hasText(texts, QStringLiteral("BAB")));
    QVERIFY(!hasText(texts, QStringLiteral("Riss")));
}

void TestPipeReport::pdfShowsTheRowsOnTheirPages()
{
    QVector<ObservationRow> rows;
    for (int i = 0; i < 80; ++i)
        rows << row(i * 0.5, QStringLiteral("BAB"), QStringLiteral("Feststellung-%1 Riss längs").arg(i));
    rows[0].distance = 1.5;
    rows[1].distance = -1.5;
    Printer printer;
    setUp(printer);
    printer.createPipeReport(rows, true);
    const QVector<PrintPage> pages = printer.pages();
    QCOMPARE(pages.size(), 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
    QVERIFY(ReportPdf::write(path, pages));
    const ReportPdf::Layout layout = ReportPdf::layout(path);
    QCOMPARE(layout.pageSizes, (QVector<QSizeF>{QSizeF(595, 842), QSizeF(595, 842)}));

    int firstOnPageTwo = -1;
    for (int i = 0; i < rows.size() && firstOnPageTwo < 0; ++i) {
        if (!layout.find(2, QStringLiteral("Feststellung-%1").arg(i)).box.isNull())
            firstOnPageTwo = i;
    }
    QVERIFY(firstOnPageTwo > 0);
    for (int page = 1; page <= 2; ++page) {
        const QString text = ReportPdf::layoutText(path, page);
        QVERIFY(text.contains(QStringLiteral("Haltungs-Bericht:")));
        QVERIFY(text.contains(QStringLiteral("Haltung 7")));
        QCOMPARE(text.contains(QStringLiteral("Auftragskennung")), page == 1);
        QCOMPARE(text.contains(QStringLiteral("Feststellung-0 ")), page == 1);
        QCOMPARE(text.contains(QStringLiteral("Feststellung-%1 ").arg(firstOnPageTwo - 1)), page == 1);
        QCOMPARE(text.contains(QStringLiteral("Feststellung-79 ")), page == 2);
    }

    // Both distances end at the right edge of their 13 mm box.
    const double boxRight = 33 * Mm * ReportPdf::PointsPerPixel;
    for (const QString &distance : {QStringLiteral("1.50m"), QStringLiteral("-1.50m")}) {
        const ReportPdf::Word word = layout.find(1, distance);
        QVERIFY2(!word.box.isNull(), qPrintable(distance));
        QVERIFY2(std::abs(word.box.right() - boxRight) < 1.0, qPrintable(QString::number(word.box.right())));
    }
    QVERIFY(layout.find(1, QStringLiteral("-1.50m")).box.left() < layout.find(1, QStringLiteral("1.50m")).box.left());

    QCOMPARE(ReportPdf::fontProblem(path, QStringLiteral("DejaVuSans")), QString());
}

void TestPipeReport::noTextOfALongRowIsLost_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a remark of 1,500 words") << numberedWords(1500);
    QTest::newRow("a word wider than the column")
        << QStringLiteral("Anfang %1 Ende").arg(QStringLiteral("Wurzeleinwuchs").repeated(40));
    QTest::newRow("long words in a long remark")
        << QStringLiteral("%1 %2 %3").arg(numberedWords(600), QStringLiteral("Scherbenbildung").repeated(30),
                                          numberedWords(600, QStringLiteral("Rest")));
}

void TestPipeReport::noTextOfALongRowIsLost()
{
    QFETCH(QString, text);
    const QVector<ObservationRow> rows{row(1, QStringLiteral("BAB"), QStringLiteral("Riss vorher")),
                                       row(2, QStringLiteral("BCA"), text),
                                       row(3, QStringLiteral("BDB"), QStringLiteral("Riss danach"))};
    const QString expected = withoutBlanks(rows.at(0).text + text + rows.at(2).text);
    Printer printer;
    setUp(printer);
    printer.createPipeReport(rows, true);
    const QVector<PrintPage> pages = printer.pages();

    // The records: every line fits its box, every box lies on the page above the page number
    // band, and the description column read page by page holds every character of each row.
    const double columnLeft = 52 * Mm;
    const double columnRight = 190 * Mm;
    QString description;
    for (int p = 0; p < pages.size(); ++p) {
        const QVector<PageContent::Text> texts = PageContent::texts(pages.at(p));
        const double listTop = PageContent::find(texts, QStringLiteral("Haltungs-Bericht:")).rect.top();
        QVERIFY(listTop > 0);
        for (const PageContent::Text &t : texts) {
            const QString where =
                QStringLiteral("page %1: \"%2\" at %3").arg(p + 1).arg(t.text.left(30)).arg(t.rect.top());
            QVERIFY2(t.rect.top() >= 0 && t.rect.bottom() <= BottomLimit + 1e-6, qPrintable(where));
            QVERIFY2(QFontMetricsF(t.font).horizontalAdvance(t.text) <= t.rect.width() + 1e-6, qPrintable(where));
            if (t.rect.top() > listTop && t.rect.left() >= columnLeft - 1e-6) {
                QVERIFY2(t.rect.right() <= columnRight + 1e-6, qPrintable(where));
                description += t.text;
            }
        }
    }
    QCOMPARE(withoutBlanks(description), expected);

    // What a reader of the PDF gets: the words of the description column, page by page and line
    // by line, give the same characters, and none lies outside the column or below the limit.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
    QVERIFY(ReportPdf::write(path, pages));
    const ReportPdf::Layout layout = ReportPdf::layout(path);
    QCOMPARE(layout.pageSizes.size(), pages.size());
    const double pt = ReportPdf::PointsPerPixel;
    QVector<ReportPdf::Word> column;
    for (const ReportPdf::Word &word : layout.words) {
        QVERIFY2(word.box.bottom() <= BottomLimit * pt + 1 && word.box.right() <= columnRight * pt + 1,
                 qPrintable(QStringLiteral("page %1: %2").arg(word.page).arg(word.text)));
        const double listTop = layout.find(word.page, QStringLiteral("Haltungs-Bericht:")).box.top();
        QVERIFY(listTop > 0);
        if (word.box.top() > listTop + 1 && word.box.left() >= columnLeft * pt - 1)
            column << word;
    }
    std::stable_sort(column.begin(), column.end(), [](const ReportPdf::Word &a, const ReportPdf::Word &b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.box.top() - b.box.top()) > 2)
            return a.box.top() < b.box.top();
        return a.box.left() < b.box.left();
    });
    QString printed;
    for (const ReportPdf::Word &word : column)
        printed += word.text;
    QCOMPARE(printed, expected);
}

QTEST_MAIN(TestPipeReport)
#include "tst_pipereport.moc"
