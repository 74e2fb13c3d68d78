#include "reports/printer.h"
#include "support/pagecontent.h"
#include "support/reportpdf.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

constexpr double Mm = 793.0 / 210.0;
const QColor Highlight(200, 0, 0);

TocEntry entry(int number, int kind = 1, double length = 10.0)
{
    TocEntry e;
    e.sectionName = QStringLiteral("Haltung-%1").arg(number);
    e.street = QStringLiteral("Lindenweg");
    e.date = QStringLiteral("03.04.2024");
    e.startNode = QStringLiteral("O%1").arg(number);
    e.endNode = QStringLiteral("U%1").arg(number);
    e.material = QStringLiteral("Steinzeug");
    e.height = QStringLiteral("300mm");
    e.width = QStringLiteral("300mm");
    e.videoReference = QStringLiteral("V%1").arg(number);
    e.length = length;
    e.lengthText = QString::number(length, 'f', 2);
    e.sewerText = QStringLiteral("Schmutzwasser");
    e.kind = kind;
    return e;
}

QList<TocEntry> entries(int count)
{
    QList<TocEntry> list;
    for (int i = 1; i <= count; ++i)
        list << entry(i);
    return list;
}

QVector<PrintPage> contents(const QList<TocEntry> &list, bool colorProjects = false, const QString &client = QString())
{
    Printer printer;
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    printer.addTableOfContents(list, QStringLiteral("Projekt Nord"), Highlight, colorProjects, client);
    return printer.pages();
}

// The section names in the bars of a page, in order.
QStringList bars(const PrintPage &page)
{
    QStringList names;
    for (const PageContent::Text &t : PageContent::texts(page)) {
        if (t.text.startsWith(QLatin1String("Haltung-")))
            names << t.text;
    }
    return names;
}

} // namespace

class TestTableOfContents : public QObject
{
    Q_OBJECT

private slots:
    void fiveBoxesToAPageAndTheTotalAfterTheLast_data();
    void fiveBoxesToAPageAndTheTotalAfterTheLast();
    void boxLayout();
    void labelsFollowEachEntrysKind();
    void longFieldsAreShortenedToTheirCells();
    void onlyTheBarsTakeTheHighlightColour();
    void pdfShowsTheContentsAndTheTotal();
};

void TestTableOfContents::fiveBoxesToAPageAndTheTotalAfterTheLast_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("client");
    QTest::addColumn<QVector<int>>("boxesPerPage");
    QTest::addColumn<double>("totalTop"); // the total's label text, on the last page

    QTest::newRow("six entries") << 6 << QString() << QVector<int>{5, 1} << 78 * Mm + 37 * Mm + 6;
    QTest::newRow("five entries keep the total on their page") << 5 << QString() << QVector<int>{5} << 263 * Mm + 6;
    QTest::newRow("five entries and a client line move the total on")
        << 5 << QStringLiteral("Stadt Bonn") << QVector<int>{5, 0} << 78 * Mm + 6;
    QTest::newRow("no entries") << 0 << QString() << QVector<int>{0} << 78 * Mm + 6;
}

void TestTableOfContents::fiveBoxesToAPageAndTheTotalAfterTheLast()
{
    QFETCH(int, count);
    QFETCH(QString, client);
    QFETCH(QVector<int>, boxesPerPage);
    QFETCH(double, totalTop);

    const QVector<PrintPage> pages = contents(entries(count), false, client);
    QCOMPARE(pages.size(), boxesPerPage.size());
    const QString totalLabel = QStringLiteral("Gesamtlänge aller Untersuchungen");
    for (int p = 0; p < pages.size(); ++p) {
        const QVector<PageContent::Text> texts = PageContent::texts(pages.at(p));
        QCOMPARE(int(bars(pages.at(p)).size()), boxesPerPage.at(p));
        // Every page has the letterhead and the title block.
        QCOMPARE(pages.at(p).elements().first().kind(), int(PrintElement::Group));
        QCOMPARE(pages.at(p).elements().first().children()->size(), 4);
        QVERIFY(!PageContent::find(texts, QStringLiteral("Inhaltsverzeichnis")).rect.isNull());
        QVERIFY(!PageContent::find(texts, QStringLiteral("Projekt Nord")).rect.isNull());
        const bool last = p == pages.size() - 1;
        const PageContent::Text total = PageContent::find(texts, totalLabel);
        QCOMPARE(!total.rect.isNull(), last);
        if (last) {
            QVERIFY2(std::abs(total.rect.top() - totalTop) < 1e-3, qPrintable(QString::number(total.rect.top())));
            QVERIFY(total.rect.bottom() <= 1047.476);
            QVERIFY(!PageContent::find(texts, QStringLiteral("%1m").arg(count * 10.0, 0, 'f', 2)).rect.isNull());
        }
        const PageContent::Text clientLabel = PageContent::find(texts, QStringLiteral("Auftraggeber:"));
        QCOMPARE(!clientLabel.rect.isNull(), p == 0 && !client.isEmpty());
    }
}

void TestTableOfContents::boxLayout()
{
    const QVector<PrintPage> pages = contents(entries(2), false, QStringLiteral("Stadt Bonn"));
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const double L = QFontMetricsF(Printer::font(10, true)).lineSpacing();

    // The client line: the bold label, the client right after it on the same line.
    const PageContent::Text label = PageContent::find(texts, QStringLiteral("Auftraggeber:"));
    const PageContent::Text client = PageContent::find(texts, QStringLiteral("Stadt Bonn"));
    QVERIFY(std::abs(label.rect.left() - 20 * Mm) < 1e-3 && std::abs(label.rect.top() - 78 * Mm) < 1e-3);
    QCOMPARE(label.font.weight(), 75);
    QVERIFY(std::abs(client.rect.left() - (20 * Mm + QFontMetricsF(label.font).horizontalAdvance(QStringLiteral("Auftraggeber: ")))) < 1e-3);
    QVERIFY(std::abs(client.rect.top() - label.rect.top()) < 1e-3);
    QCOMPARE(client.font.weight(), int(QFont::Normal));

    // The boxes start 10 px and 5 mm lower, 37 mm apart; inside, the bar text is inset by 5 mm
    // and the label and value rows follow 16 px apart.
    const double top = 78 * Mm + 10 + 5 * Mm;
    for (int i = 0; i < 2; ++i) {
        const double y = top + i * 37 * Mm;
        const PageContent::Text bar = PageContent::find(texts, QStringLiteral("Haltung-%1").arg(i + 1));
        QVERIFY(std::abs(bar.rect.left() - 25 * Mm) < 1e-3);
        QVERIFY(std::abs(bar.rect.top() - (y + 6)) < 1e-3);
        QCOMPARE(bar.alignment, int(Qt::AlignLeft));
        const PageContent::Text node = PageContent::find(texts, QStringLiteral("O%1").arg(i + 1));
        QVERIFY(std::abs(node.rect.top() - (y + 36)) < 1e-3);
        QVERIFY(std::abs(node.rect.left() - (20 + 55 + 25) * Mm) < 1e-3);
        QVERIFY(std::abs(node.rect.width() - 45 * Mm) < 1e-3);
        QVERIFY(std::abs(node.rect.height() - L) < 1e-3);
        QCOMPARE(node.alignment, int(Qt::AlignHCenter));
        QCOMPARE(node.font.weight(), int(QFont::Normal));
        const PageContent::Text video = PageContent::find(texts, QStringLiteral("V%1").arg(i + 1));
        QVERIFY(std::abs(video.rect.top() - (y + 68)) < 1e-3);
        QVERIFY(std::abs(video.rect.left() - (20 + 67 + 18 + 18) * Mm) < 1e-3);
    }
    // Each cell has its outline: 16 px high, 2.55 px above its text; the bar's is 14 px.
    QVector<QRectF> outlines;
    for (const PrintElement &e : pages.first().elements()) {
        if (e.kind() == PrintElement::Rectangle)
            outlines << e.rect();
    }
    QVERIFY(outlines.contains(QRectF(20 * Mm, top + 3.45, 170 * Mm, 14)));
    QVERIFY(std::any_of(outlines.begin(), outlines.end(), [&](const QRectF &r) {
        return std::abs(r.left() - 20 * Mm) < 1e-3 && std::abs(r.top() - (top + 97.45)) < 1e-3
            && std::abs(r.width() - 170 * Mm) < 1e-3 && std::abs(r.height() - 16) < 1e-3;
    }));
}

void TestTableOfContents::labelsFollowEachEntrysKind()
{
    const QVector<PrintPage> pages = contents({entry(1, 0), entry(2, 1)});
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const double firstBox = 78 * Mm;
    const double secondBox = firstBox + 37 * Mm;
    auto labelsIn = [&texts](double top) {
        QStringList found;
        for (const PageContent::Text &t : texts) {
            if (t.rect.top() >= top && t.rect.top() < top + 37 * Mm && t.font.weight() == 75)
                found << t.text;
        }
        return found;
    };
    const QStringList older = labelsIn(firstBox);
    const QStringList named = labelsIn(secondBox);
    for (const QString &text : {QStringLiteral("Punkt oben"), QStringLiteral("Punkt unten"), QStringLiteral("Videonummer")}) {
        QVERIFY2(older.contains(text), qPrintable(text));
        QVERIFY2(!named.contains(text), qPrintable(text));
    }
    for (const QString &text : {QStringLiteral("Zulauf"), QStringLiteral("Ablauf"), QStringLiteral("Videoname")}) {
        QVERIFY2(named.contains(text), qPrintable(text));
        QVERIFY2(!older.contains(text), qPrintable(text));
    }
    for (const QString &text : {QStringLiteral("Straße"), QStringLiteral("Datum"), QStringLiteral("Material"), QStringLiteral("Höhe"),
                                QStringLiteral("Breite"), QStringLiteral("Länge"), QStringLiteral("System")}) {
        QVERIFY2(older.contains(text) && named.contains(text), qPrintable(text));
    }
}

void TestTableOfContents::longFieldsAreShortenedToTheirCells()
{
    TocEntry e = entry(1);
    const QString longText = QStringLiteral("Sehr lange Bezeichnung ohne Ende in Sicht und noch viel weiter");
    e.street = longText;
    e.startNode = longText + QStringLiteral(" oben");
    e.endNode = longText + QStringLiteral(" unten");
    e.material = longText + QStringLiteral(" Material");
    e.videoReference = longText + QStringLiteral(" Video");

    const QVector<PrintPage> pages = contents({e});
    const QVector<PageContent::Text> texts = PageContent::texts(pages.first());
    const QFontMetricsF metrics(Printer::font(10));
    // Painting order: street, the two nodes, material, video; each to its cell's width.
    const double cells[] = {55, 45, 45, 67, 32};
    QVector<PageContent::Text> shortened;
    for (const PageContent::Text &t : texts) {
        if (t.text.startsWith(QLatin1String("Sehr lange")))
            shortened << t;
    }
    // One line each, ending in an ellipsis, no wider than its cell.
    QCOMPARE(shortened.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const PageContent::Text &t = shortened.at(i);
        QVERIFY2(t.text.endsWith(QChar(0x2026)), qPrintable(t.text));
        QVERIFY(std::abs(t.rect.width() - cells[i] * Mm) < 1e-3);
        QVERIFY(metrics.horizontalAdvance(t.text) <= cells[i] * Mm);
    }
}

void TestTableOfContents::onlyTheBarsTakeTheHighlightColour()
{
    const QList<TocEntry> list = entries(6);
    for (const bool colorProjects : {true, false}) {
        const QVector<PrintPage> pages = contents(list, colorProjects, QStringLiteral("Stadt Bonn"));
        int highlighted = 0;
        for (const PrintPage &page : pages) {
            for (const PageContent::Text &t : PageContent::texts(page)) {
                const bool bar = t.text.startsWith(QLatin1String("Haltung-"));
                QCOMPARE(t.color, bar && colorProjects ? Highlight : QColor(Qt::black));
                highlighted += t.color == Highlight;
            }
        }
        QCOMPARE(highlighted, colorProjects ? 6 : 0);
    }
}

void TestTableOfContents::pdfShowsTheContentsAndTheTotal()
{
    QList<TocEntry> list = entries(6);
    list[0].length = 10.5;
    list[1].length = 2.25;
    for (int i = 2; i < list.size(); ++i)
        list[i].length = 0;
    const QVector<PrintPage> pages = contents(list);
    QCOMPARE(pages.size(), 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inhalt.pdf"));
    QVERIFY(ReportPdf::write(path, pages));

    const ReportPdf::Layout layout = ReportPdf::layout(path);
    QCOMPARE(layout.pageSizes, (QVector<QSizeF>{QSizeF(595, 842), QSizeF(595, 842)}));
    for (int page = 1; page <= 2; ++page) {
        const QString text = ReportPdf::layoutText(path, page);
        QVERIFY(text.contains(QStringLiteral("Inhaltsverzeichnis")));
        QVERIFY(text.contains(QStringLiteral("Projekt Nord")));
        QCOMPARE(text.contains(QStringLiteral("Haltung-1")), page == 1);
        QCOMPARE(text.contains(QStringLiteral("Haltung-6")), page == 2);
        QCOMPARE(text.contains(QStringLiteral("Gesamtlänge aller Untersuchungen")), page == 2);
        QCOMPARE(text.contains(QStringLiteral("12.75m")), page == 2);
    }
    // The first bar's text where the page puts it: 25 mm from the left, 6 px into the box.
    const ReportPdf::Word bar = layout.find(1, QStringLiteral("Haltung-1"));
    QVERIFY(std::abs(bar.box.left() - 25 * Mm * ReportPdf::PointsPerPixel) < 1.5);
    QVERIFY(bar.box.top() > (78 * Mm + 6) * ReportPdf::PointsPerPixel - 1);
    QVERIFY(bar.box.bottom() < (78 * Mm + 6 + 12) * ReportPdf::PointsPerPixel + 1);

    QCOMPARE(ReportPdf::fontProblem(path, QStringLiteral("DejaVuSans")), QString());
}

QTEST_MAIN(TestTableOfContents)
#include "tst_tableofcontents.moc"
