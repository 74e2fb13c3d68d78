#include "support/pagecontent.h"
#include "reports/printer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QtTest>

#include <algorithm>

namespace {

constexpr double Mm = 793.0 / 210.0;

using PageContent::near;
using PageContent::nearRect;

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT

private slots:
    void reportFontIsDejaVuSans();
    void standardLetterhead();
    void designedLetterheadReplacesTheStandardOne();
    void titleBlock();
    void wrapLines_data();
    void wrapLines();
    void maxWrappedWidth();
    void aLiveGeneratorWrapsEachTextForItsFontAndWidth();
    void gridWrapsLongLabelsAtFourTenthsOfTheColumn();
    void gridMarksEveryLineOfARowAndAdvancesByTheTallerSide();
    void gridHeightIsTheTallestPair();
};

void TestPrinter::reportFontIsDejaVuSans()
{
    const QFont bold = Printer::font(10, true);
    QCOMPARE(QFontInfo(bold).family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(bold.pixelSize(), 10);
    QCOMPARE(bold.weight(), 75);
    QCOMPARE(Printer::font(20).weight(), int(QFont::Normal));
}

void TestPrinter::standardLetterhead()
{
    QImage logo(60, 40, QImage::Format_ARGB32);
    logo.fill(Qt::red);
    Printer printer;
    printer.setLetterhead(logo, QStringLiteral("<b>Kanal GmbH</b>"), QStringLiteral("Tel. 0123"));

    const PrintElement head = printer.letterhead();
    QCOMPARE(head.kind(), int(PrintElement::Group));
    QVERIFY(nearRect(head.rect(), QRectF(20 * Mm, 20 * Mm, 170 * Mm, 30 * Mm)));
    QVERIFY(!head.hasFrame());

    const QVector<PrintElement> &children = *head.children();
    QCOMPARE(children.size(), 4);
    const PrintElement &ground = children.at(0);
    QCOMPARE(ground.kind(), int(PrintElement::Image));
    QVERIFY(nearRect(ground.rect(), QRectF(0, 0, 170 * Mm, 30 * Mm)));
    QVERIFY(!ground.hasFrame());
    QVERIFY(!ground.keepUnscaled());
    QCOMPARE(ground.image().size(), QSize(641, 113));
    QCOMPARE(ground.image().format(), QImage::Format_RGB32);
    QCOMPARE(ground.image().pixelColor(320, 56), QColor(Qt::white));

    const PrintElement &logoBox = children.at(1);
    QCOMPARE(logoBox.kind(), int(PrintElement::Image));
    QVERIFY(nearRect(logoBox.rect(), QRectF(0, 0, 45 * Mm, 30 * Mm)));
    QVERIFY(logoBox.hasFrame());
    QVERIFY(!logoBox.keepUnscaled());
    QCOMPARE(logoBox.image(), logo);

    const PrintElement &address = children.at(2);
    QCOMPARE(address.kind(), int(PrintElement::RichText));
    QVERIFY(nearRect(address.rect(), QRectF(45 * Mm, 0, 80 * Mm, 30 * Mm)));
    QVERIFY(address.hasFrame());
    QCOMPARE(address.text(), QStringLiteral("<b>Kanal GmbH</b>"));

    const PrintElement &contact = children.at(3);
    QCOMPARE(contact.kind(), int(PrintElement::RichText));
    QVERIFY(nearRect(contact.rect(), QRectF(125 * Mm, 0, 45 * Mm, 30 * Mm)));
    QVERIFY(contact.hasFrame());
    QCOMPARE(contact.text(), QStringLiteral("Tel. 0123"));

    // Every page a section starts carries it first.
    const PrintPage page = printer.startPage(QStringLiteral("T"), QStringLiteral("S"));
    QCOMPARE(page.width(), 793);
    QCOMPARE(page.height(), 1123);
    QCOMPARE(page.elements().first().toByteArray(), head.toByteArray());
    const PrintPage bare = printer.startPage(QStringLiteral("T"), QStringLiteral("S"), false);
    QCOMPARE(PageContent::elements(bare).size() + 5, PageContent::elements(page).size());
}

void TestPrinter::designedLetterheadReplacesTheStandardOne()
{
    PrintElement designed = PrintElement::makeGroup(QRectF(10, 10, 300, 80), true);
    designed.addChild(PrintElement::makeRichText(QRectF(0, 0, 300, 80), QStringLiteral("Eigenes Design"), false));
    Printer printer;
    printer.setLetterhead(QImage(), QStringLiteral("Adresse"), QStringLiteral("Kontakt"));
    printer.setCustomLetterhead(designed);

    QCOMPARE(printer.letterhead().toByteArray(), designed.toByteArray());
    const PrintPage page = printer.startPage(QStringLiteral("T"), QString());
    QCOMPARE(page.elements().first().toByteArray(), designed.toByteArray());
    const QVector<PageContent::Placed> all = PageContent::elements(page);
    QVERIFY(std::none_of(all.begin(), all.end(), [](const PageContent::Placed &p) {
        return p.element.text() == QLatin1String("Adresse");
    }));
}

void TestPrinter::titleBlock()
{
    Printer printer;
    PrintPage page(793, 1123);
    printer.addTitle(page, QStringLiteral("Haltungs-Bericht"), QStringLiteral("Haltung 12"));

    const QVector<PageContent::Placed> all = PageContent::elements(page);
    QCOMPARE(page.elements().size(), 2);
    QVERIFY(nearRect(page.elements().at(0).rect(), QRectF(20 * Mm, 55 * Mm, 170 * Mm, 50)));
    QVERIFY(nearRect(page.elements().at(1).rect(), QRectF(20 * Mm, 55 * Mm + 25, 170 * Mm, 50)));
    QVERIFY(!page.elements().at(0).hasFrame());

    const QVector<PageContent::Text> texts = PageContent::texts(page);
    QCOMPARE(texts.size(), 2);
    const struct {
        QString text;
        double top;
        int size;
    } expected[] = {{QStringLiteral("Haltungs-Bericht"), 55 * Mm, 25}, {QStringLiteral("Haltung 12"), 55 * Mm + 25, 20}};
    for (int i = 0; i < 2; ++i) {
        const PageContent::Text &t = texts.at(i);
        QCOMPARE(t.text, expected[i].text);
        QCOMPARE(t.font.pixelSize(), expected[i].size);
        QCOMPARE(t.font.weight(), 75);
        QCOMPARE(t.alignment, int(Qt::AlignHCenter));
        QCOMPARE(t.color, QColor(Qt::black));
        QVERIFY(nearRect(t.rect, QRectF(20 * Mm, expected[i].top, 170 * Mm, QFontMetricsF(t.font).lineSpacing())));
    }
}

void TestPrinter::wrapLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widthOf"); // the width is this text's width, plus extra
    QTest::addColumn<double>("extra");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty text") << QString() << QStringLiteral("aa") << 0.0 << QStringList();
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("aa") << 0.0 << QStringList();
    QTest::newRow("word wider than the width breaks inside itself")
        << QStringLiteral("Abwasserkanal") << QStringLiteral("Abwasser") << 0.0
        << QStringList{QStringLiteral("Abwasser"), QStringLiteral("kanal")};
    QTest::newRow("a broken word starts its own line, its last piece takes the next words")
        << QStringLiteral("aa Abwasserkanal bb") << QStringLiteral("Abwasser") << 0.0
        << QStringList{QStringLiteral("aa"), QStringLiteral("Abwasser"), QStringLiteral("kanal bb")};
    QTest::newRow("no room at all: words stay whole")
        << QStringLiteral("aa Abwasserkanal") << QString() << 0.0
        << QStringList{QStringLiteral("aa"), QStringLiteral("Abwasserkanal")};
    QTest::newRow("between two and three words")
        << QStringLiteral("aa bb cc") << QStringLiteral("aa bb") << 0.5 << QStringList{QStringLiteral("aa bb"), QStringLiteral("cc")};
    QTest::newRow("all words fit") << QStringLiteral("aa bb cc") << QStringLiteral("aa bb cc") << 0.5
                                   << QStringList{QStringLiteral("aa bb cc")};
    QTest::newRow("a line as wide as the width does not fit")
        << QStringLiteral("aa aa aa") << QStringLiteral("aa aa") << 0.0
        << QStringList{QStringLiteral("aa"), QStringLiteral("aa"), QStringLiteral("aa")};
    QTest::newRow("runs of blanks and line breaks separate words once")
        << QStringLiteral("  aa   bb\ncc\t") << QStringLiteral("aa bb cc") << 0.5 << QStringList{QStringLiteral("aa bb cc")};
}

void TestPrinter::wrapLines()
{
    QFETCH(QString, text);
    QFETCH(QString, widthOf);
    QFETCH(double, extra);
    QFETCH(QStringList, lines);

    const QFont font = Printer::font(10);
    const double width = QFontMetricsF(font).horizontalAdvance(widthOf) + extra;
    QCOMPARE(Printer::wrapLines(text, width, font), lines);
    QCOMPARE(Printer::lineCount(text, width, font), std::max(1, int(lines.size())));
}

void TestPrinter::maxWrappedWidth()
{
    const QFont font = Printer::font(10);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(QStringLiteral("aa bb")) + 0.5;
    QCOMPARE(Printer::maxWrappedWidth({}, width, font), 0.0);
    // "aa bb cc" wraps to "aa bb" and "cc"; the single long word is wider than both.
    QCOMPARE(Printer::maxWrappedWidth({QStringLiteral("aa bb cc"), QStringLiteral("cc")}, width, font),
             metrics.horizontalAdvance(QStringLiteral("aa bb")));
    QCOMPARE(Printer::maxWrappedWidth({QStringLiteral("aa bb cc"), QStringLiteral("Abwasserkanal")}, width, font),
             metrics.horizontalAdvance(QStringLiteral("Abwasserkanal")));
}

void TestPrinter::aLiveGeneratorWrapsEachTextForItsFontAndWidth()
{
    const QFont regular = Printer::font(10);
    const QFont bold = Printer::font(10, true);
    const QString text = QStringLiteral("aa bb cc");
    const double narrow = QFontMetricsF(regular).horizontalAdvance(QStringLiteral("aa bb")) + 0.5;
    const double wide = QFontMetricsF(regular).horizontalAdvance(text) + 0.5;
    QVERIFY(QFontMetricsF(bold).horizontalAdvance(QStringLiteral("aa bb")) >= narrow);
    const QStringList twoLines{QStringLiteral("aa bb"), QStringLiteral("cc")};

    // While a generator lives, wrapped lines are remembered; each answer must still be the one
    // for its own text, width and font, however the questions interleave.
    Printer printer;
    QCOMPARE(Printer::wrapLines(text, narrow, regular), twoLines);
    QCOMPARE(Printer::wrapLines(text, wide, regular), QStringList{text});
    QCOMPARE(Printer::wrapLines(text, narrow, bold),
             (QStringList{QStringLiteral("aa"), QStringLiteral("bb"), QStringLiteral("cc")}));
    QCOMPARE(Printer::wrapLines(QStringLiteral("aa bb"), narrow, regular), QStringList{QStringLiteral("aa bb")});
    QCOMPARE(Printer::wrapLines(text, narrow, regular), twoLines);
    QCOMPARE(Printer::lineCount(text, wide, bold), Printer::wrapLines(text, wide, bold).size());
}

void TestPrinter::gridWrapsLongLabelsAtFourTenthsOfTheColumn()
{
    const QFont bold = Printer::font(10, true);
    const QFontMetricsF metrics(bold);
    const double width = 240;
    const QString longLabel = QStringLiteral("Bezugspunkt der Lage in Längsrichtung");
    QVERIFY(metrics.horizontalAdvance(longLabel) > 0.5 * width);
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Längsrichtung")) < 0.4 * width);

    Printer printer;
    PrintPage page(793, 1123);
    const double height = printer.addLabelGrid(page, QPointF(100, 300),
                                               {{QStringLiteral("Ort"), longLabel}, {QStringLiteral("Bonn"), QStringLiteral("Schacht")}},
                                               {width});

    const double labelWidth = Printer::maxWrappedWidth({longLabel}, 0.4 * width, bold) + 5;
    QVERIFY(labelWidth <= 0.4 * width + 5);
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    // The long label wraps into the room its column leaves it, and the row is as tall as it.
    const int labelLines = Printer::lineCount(longLabel, labelWidth, bold);
    QVERIFY(labelLines >= 3);
    const double L = metrics.lineSpacing();
    QCOMPARE(height, (1 + labelLines) * L);
    const auto first = std::find_if(texts.begin(), texts.end(), [](const PageContent::Text &t) {
        return t.text.startsWith(QLatin1String("Bezugspunkt"));
    });
    QVERIFY(first != texts.end());
    QVERIFY(near(first->rect.y(), 300 + L));
    QVERIFY(near(first->rect.x(), 100));
    QVERIFY(near(first->rect.width(), labelWidth));
    const PageContent::Text value = PageContent::find(texts, QStringLiteral("Schacht"));
    QVERIFY(near(value.rect.x(), 100 + labelWidth + metrics.horizontalAdvance(QStringLiteral(": "))));
    QVERIFY(near(value.rect.y(), 300 + L));
    QVERIFY(near(value.rect.right(), 100 + width));
    QCOMPARE(value.font.weight(), int(QFont::Normal));
    const int colons = int(std::count_if(texts.begin(), texts.end(), [](const PageContent::Text &t) {
        return t.text == QLatin1String(":");
    }));
    QCOMPARE(colons, 1 + labelLines);
}

void TestPrinter::gridMarksEveryLineOfARowAndAdvancesByTheTallerSide()
{
    const QFont bold = Printer::font(10, true);
    const QFontMetricsF metrics(bold);
    const double L = metrics.lineSpacing();
    // The label is wider than half the column, so it wraps into "Kanal" and "art".
    const QString twoLines = QStringLiteral("Kanal art");
    const double width = 2 * metrics.horizontalAdvance(twoLines) - 1;

    Printer printer;
    PrintPage page(793, 1123);
    const double height = printer.addLabelGrid(page, QPointF(0, 0),
                                               {{twoLines, QStringLiteral("Ort"), QString()}, {QStringLiteral("X"), QStringLiteral("Y")}},
                                               {width});
    const QVector<PageContent::Text> texts = PageContent::texts(page);
    QVector<double> colonTops;
    for (const PageContent::Text &t : texts) {
        if (t.text == QLatin1String(":"))
            colonTops << t.rect.y();
    }
    // Two marks beside the two label lines, one for each following row; the empty label without
    // a value still takes its line.
    QCOMPARE(colonTops.size(), 4);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(near(colonTops.at(i), i * L), qPrintable(QString::number(colonTops.at(i))));
    QVERIFY(near(PageContent::find(texts, QStringLiteral("art")).rect.y(), L));
    QVERIFY(near(PageContent::find(texts, QStringLiteral("X")).rect.y(), 0));
    QVERIFY(near(PageContent::find(texts, QStringLiteral("Ort")).rect.y(), 2 * L));
    QVERIFY(near(PageContent::find(texts, QStringLiteral("Y")).rect.y(), 2 * L));
    QCOMPARE(height, 4 * L);
}

void TestPrinter::gridHeightIsTheTallestPair()
{
    const double L = QFontMetricsF(Printer::font(10, true)).lineSpacing();
    Printer printer;
    PrintPage page(793, 1123);
    const QStringList three{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    QCOMPARE(printer.addLabelGrid(page, QPointF(0, 0), {three, three, {QStringLiteral("D")}, {QStringLiteral("d")}}, {300, 300}),
             3 * L);
    QCOMPARE(printer.addLabelGrid(page, QPointF(0, 0), {{QStringLiteral("D")}, {}, three, {}}, {300, 300}), 3 * L);
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
