// Report pages (picture and scene forms, page number, approximate-dimensions note) and the
// bounded pixmap item of the preview.

#include "foundation/records/boundedpixmapitem.h"
#include "foundation/records/printpage.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QtTest>

namespace {

const QString Note = QStringLiteral("* alle Maße sind ca.-Angaben");
constexpr double FooterLeft = 20 * 793 / 210.0;
constexpr double FooterTop = 1123 - FooterLeft;

QImage renderPicture(const QPicture &picture)
{
    QImage image(900, 1250, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return image;
}

bool hasInk(const QImage &image, const QRect &region)
{
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

QList<QGraphicsSimpleTextItem *> textItems(const QGraphicsScene &scene)
{
    QList<QGraphicsSimpleTextItem *> result;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item))
            result.append(text);
    }
    return result;
}

PrintElement filledRect(const QRectF &r, const QColor &color)
{
    PrintElement e = PrintElement::makeRect(r);
    e.setPen(Qt::NoPen);
    e.setBrush(color);
    return e;
}

} // namespace

class TestPrintPage : public QObject
{
    Q_OBJECT

private slots:
    void newPage();
    void pageNumberRule_data();
    void pageNumberRule();
    void noteOnlyInTheSceneAndOnlyWhenFlagged_data();
    void noteOnlyInTheSceneAndOnlyWhenFlagged();
    void pictureBoundsAndClip();
    void imageClipHoldsThroughGroupsAndPictures();
    void findElement();
    void sceneItemsMoveByTheOffset();
    void renderedA4PageForInspection();
    void boundedPixmapItemShowsOnlyItsBounds();
};

void TestPrintPage::newPage()
{
    const PrintPage page(PrintPage::A4Width, PrintPage::A4Height);
    QCOMPARE(page.width(), 793);
    QCOMPARE(page.height(), 1123);
    QCOMPARE(page.pageNumber(), 0);
    QVERIFY(page.approximateNote());
    QVERIFY(page.elements().isEmpty());
    QCOMPARE(page.font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(page.font().pixelSize(), 8);
    QCOMPARE(QFontInfo(page.font()).family(), QStringLiteral("DejaVu Sans")); // installed, not substituted

    PrintPage copy = page;
    copy.setPageNumber(4);
    copy.addElement(PrintElement());
    QCOMPARE(page.pageNumber(), 0);
    QVERIFY(page.elements().isEmpty());
}

void TestPrintPage::pageNumberRule_data()
{
    QTest::addColumn<int>("firstNumberedPage");
    QTest::addColumn<int>("pageNumber");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no numbering, page 1") << 0 << 1 << QString();
    QTest::newRow("no numbering, page 5") << 0 << 5 << QString();
    QTest::newRow("negative first page") << -2 << 5 << QString();
    QTest::newRow("before the first numbered page") << 3 << 2 << QString();
    QTest::newRow("first numbered page") << 3 << 3 << QStringLiteral("1");
    QTest::newRow("third page of the body") << 3 << 5 << QStringLiteral("3");
    QTest::newRow("numbered from the start") << 1 << 1 << QStringLiteral("1");
    QTest::newRow("two digits") << 2 << 13 << QStringLiteral("12");
}

void TestPrintPage::pageNumberRule()
{
    QFETCH(int, firstNumberedPage);
    QFETCH(int, pageNumber);
    QFETCH(QString, shown);

    PrintPage page(793, 1123);
    page.setPageNumber(pageNumber);
    page.setApproximateNote(false);

    QGraphicsScene scene;
    const QPointF offset(900, 40);
    page.addToScene(&scene, offset, firstNumberedPage);
    const QList<QGraphicsSimpleTextItem *> texts = textItems(scene);
    QCOMPARE(texts.size(), shown.isEmpty() ? 0 : 1);
    if (!shown.isEmpty()) {
        QGraphicsSimpleTextItem *number = texts.first();
        QCOMPARE(number->text(), shown);
        QCOMPARE(number->font(), page.font());
        const double width = QFontMetricsF(page.font()).horizontalAdvance(shown);
        QCOMPARE(number->pos(), QPointF(offset.x() + 396.5 - width / 2, offset.y() + FooterTop));
    }

    // The picture shows the same number, centred in the footer band.
    const QImage picture = renderPicture(page.toPicture(firstNumberedPage));
    QImage expected(picture.size(), QImage::Format_ARGB32);
    expected.fill(Qt::white);
    if (!shown.isEmpty()) {
        QPainter painter(&expected);
        painter.setFont(page.font());
        painter.drawText(QRect(QPoint(0, 1047), QPoint(792, 1121)), Qt::AlignCenter, shown);
    }
    QCOMPARE(picture, expected);
    QCOMPARE(hasInk(picture, QRect(370, 1070, 50, 30)), !shown.isEmpty());
}

void TestPrintPage::noteOnlyInTheSceneAndOnlyWhenFlagged_data()
{
    QTest::addColumn<bool>("flag");
    QTest::newRow("note") << true;
    QTest::newRow("no note") << false;
}

void TestPrintPage::noteOnlyInTheSceneAndOnlyWhenFlagged()
{
    QFETCH(bool, flag);

    PrintPage page(793, 1123);
    page.setApproximateNote(flag);
    QCOMPARE(page.approximateNote(), flag);

    QGraphicsScene scene;
    page.addToScene(&scene, QPointF(10, 1200), 0);
    const QList<QGraphicsSimpleTextItem *> texts = textItems(scene);
    QCOMPARE(texts.size(), flag ? 1 : 0);
    if (flag) {
        QCOMPARE(texts.first()->text(), Note);
        QCOMPARE(texts.first()->font(), page.font());
        QCOMPARE(texts.first()->pos(), QPointF(10 + FooterLeft, 1200 + FooterTop));
    }

    QVERIFY(!hasInk(renderPicture(page.toPicture(0)), QRect(0, 0, 900, 1250)));
}

void TestPrintPage::pictureBoundsAndClip()
{
    PrintPage page(793, 1123);
    page.addElement(filledRect(QRectF(10, 10, 20, 20), Qt::red));     // in the margin outside the clip
    page.addElement(filledRect(QRectF(100, 100, 20, 20), Qt::red));   // inside
    page.addElement(filledRect(QRectF(870, 300, 20, 20), Qt::red));   // right of 75 + 793
    page.addElement(filledRect(QRectF(860, 1190, 20, 20), Qt::blue)); // over the bottom-right corner

    const QPicture picture = page.toPicture(1);
    QCOMPARE(picture.boundingRect(), QRect(75, 75, 793, 1123));

    const QImage image = renderPicture(picture);
    QVERIFY(!hasInk(image, QRect(0, 0, 75, 1250)));
    QVERIFY(!hasInk(image, QRect(0, 0, 900, 75)));
    QCOMPARE(image.pixelColor(110, 110), QColor(Qt::red));
    QVERIFY(!hasInk(image, QRect(868, 0, 32, 1250)));
    QCOMPARE(image.pixelColor(865, 1195), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(869, 1195), QColor(Qt::white));
    QCOMPARE(image.pixelColor(865, 1199), QColor(Qt::white));
}

void TestPrintPage::imageClipHoldsThroughGroupsAndPictures()
{
    QImage blue(200, 200, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    PrintPage page(793, 1123);
    // An unscaled image at the page's corner, inside a group: cut by its rectangle and the page.
    PrintElement group = PrintElement::makeGroup(QRectF(0, 0, 300, 300), false);
    group.addChild(PrintElement::makeImage(QRectF(40, 40, 100, 100), blue, false, false));
    group.addChild(filledRect(QRectF(150, 150, 20, 20), Qt::red));
    page.addElement(group);
    page.addElement(filledRect(QRectF(200, 100, 20, 20), Qt::green));

    const QImage image = renderPicture(page.toPicture(0));
    QVERIFY(!hasInk(image, QRect(0, 0, 75, 300)));
    QCOMPARE(image.pixelColor(80, 80), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(139, 139), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(145, 100), QColor(Qt::white));
    QCOMPARE(image.pixelColor(160, 160), QColor(Qt::red));
    QCOMPARE(image.pixelColor(210, 110), QColor(Qt::green));
}

void TestPrintPage::findElement()
{
    PrintPage page(793, 1123);
    PrintElement first = filledRect(QRectF(100, 100, 20, 20), Qt::red);
    first.setId(QStringLiteral("logo"));
    PrintElement second = filledRect(QRectF(200, 200, 20, 20), Qt::red);
    second.setId(QStringLiteral("logo"));
    page.addElement(PrintElement());
    page.addElement(first);
    page.addElement(second);

    QCOMPARE(page.findElement(QStringLiteral("unknown")), static_cast<PrintElement *>(nullptr));
    PrintElement *found = page.findElement(QStringLiteral("logo"));
    QVERIFY(found);
    QCOMPARE(found, &page.elements()[1]);

    found->setBrush(Qt::green);
    const QImage image = renderPicture(page.toPicture(0));
    QCOMPARE(image.pixelColor(110, 110), QColor(Qt::green));
    QCOMPARE(image.pixelColor(210, 210), QColor(Qt::red));
}

void TestPrintPage::sceneItemsMoveByTheOffset()
{
    PrintPage page(793, 1123);
    page.setPageNumber(2);
    PrintElement group = PrintElement::makeGroup(QRectF(300, 400, 100, 100), false);
    group.addChild(PrintElement::makeRect(QRectF(10, 10, 5, 5)));
    page.addElement(filledRect(QRectF(100, 100, 20, 30), Qt::red));
    page.addElement(group);

    QGraphicsScene scene;
    page.addToScene(&scene, QPointF(1000, 50), 1);
    QCOMPARE(scene.items().size(), 3 + 2); // rectangle, group fill and child, number, note

    QList<QRectF> rects;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (auto *rect = dynamic_cast<QGraphicsRectItem *>(item))
            rects.append(rect->mapRectToScene(rect->rect()));
    }
    QCOMPARE(rects, (QList<QRectF>{QRectF(1100, 150, 20, 30), QRectF(1300, 450, 100, 100),
                                   QRectF(1310, 460, 5, 5)}));
}

void TestPrintPage::renderedA4PageForInspection()
{
    // A page as the reports compose it, saved beside the test for a person to look at.
    PrintPage page(PrintPage::A4Width, PrintPage::A4Height);
    page.setPageNumber(3);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(18);
    page.addElement(PrintElement::makeText(QRectF(75, 80, 793, 30), QStringLiteral("Inspektionsbericht Haltung 1"),
                                           font, Qt::AlignHCenter | Qt::AlignVCenter, Qt::black, true));
    page.addElement(PrintElement::makeRichText(QRectF(100, 140, 600, 100),
                                               QStringLiteral("<p><b>Straße:</b> Hauptstraße<br/>"
                                                              "<b>Material:</b> Steinzeug</p>"),
                                               false));
    PrintElement pipe = PrintElement::makePath(wavyPath(QPointF(150, 300), QPointF(650, 300), 10, 8), false);
    pipe.setPen(QPen(Qt::darkBlue, 2));
    page.addElement(pipe);
    PrintElement shaft = PrintElement::makeCircle(QPointF(130, 280), 40);
    shaft.setPen(QPen(Qt::black, 1.5));
    page.addElement(shaft);

    const QImage image = renderPicture(page.toPicture(1));
    QVERIFY(hasInk(image, QRect(370, 1070, 50, 30)));
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/a4-page.png");
    QVERIFY(image.save(file));
}

void TestPrintPage::boundedPixmapItemShowsOnlyItsBounds()
{
    BoundedPixmapItem *item = new BoundedPixmapItem;
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 0, 0));
    QPixmap pixmap(100, 100);
    pixmap.fill(Qt::red);
    item->setPixmap(pixmap);
    item->setBounds(QRectF(0, 0, 40, 40));
    item->setPos(10, 10);
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 40, 40));
    QCOMPARE(item->bounds(), QRectF(0, 0, 40, 40));

    QGraphicsScene scene;
    scene.addItem(item);
    QGraphicsRectItem *after = scene.addRect(QRectF(70, 70, 20, 20), Qt::NoPen, Qt::green);
    after->setZValue(1);

    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 200, 200), QRectF(0, 0, 200, 200));
    painter.end();

    QCOMPARE(image.pixelColor(30, 30), QColor(Qt::red));
    QCOMPARE(image.pixelColor(49, 49), QColor(Qt::red));
    QCOMPARE(image.pixelColor(55, 30), QColor(Qt::white)); // pixmap, but outside the bounds
    QCOMPARE(image.pixelColor(30, 60), QColor(Qt::white));
    QCOMPARE(image.pixelColor(80, 80), QColor(Qt::green)); // the clip ends with the item
}

QTEST_MAIN(TestPrintPage)
#include "tst_printpage.moc"
