// Drawing records: builders, painting into images, scene items, and the fit and wave helpers.

#include "foundation/records/boundedpixmapitem.h"
#include "foundation/records/printelement.h"

#include <QDataStream>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QtTest>

namespace {

using Probes = QVector<QPair<QPoint, QColor>>;

QImage render(const QVector<PrintElement> &elements, const QSize &size = QSize(220, 220))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const PrintElement &e : elements)
        e.paint(&painter);
    painter.end();
    return image;
}

// The bounding box of every pixel that is not white; null when there is none.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage filledImage(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

PrintElement filled(PrintElement e, const QColor &color)
{
    e.setPen(Qt::NoPen);
    e.setBrush(color);
    return e;
}

// The element's bytes with its points replaced by `count` points at (50, 50).
PrintElement withPoints(const PrintElement &e, int count)
{
    const QByteArray bytes = e.toByteArray();
    QByteArray points;
    QDataStream s(&points, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_7);
    s << qint32(count);
    for (int i = 0; i < count; ++i)
        s << 50.0 << 50.0;
    PrintElement result;
    const bool ok = result.fromByteArray(points + bytes.mid(4 + 16 * e.points().size()));
    Q_ASSERT(ok);
    Q_UNUSED(ok);
    return result;
}

// The element written with another kind, as a file from another version of the program may
// carry it (children are left out).
QByteArray bytesWithKind(const PrintElement &e, qint32 kind)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_7);
    s << qint32(e.points().size());
    for (const QPointF &p : e.points())
        s << p.x() << p.y();
    s << e.text() << e.image() << e.pen() << e.brush() << e.path();
    s << kind << e.hasFrame() << e.keepUnscaled() << qint32(0);
    return bytes;
}

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

// The quadratic control point of a curve Qt stored as a cubic, from its start and first control.
QPointF quadControl(const QPointF &start, const QPointF &cubicControl)
{
    return start + (cubicControl - start) * 1.5;
}

} // namespace

Q_DECLARE_METATYPE(PrintElement)
Q_DECLARE_METATYPE(Probes)

class TestPrintElement : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAndBuilders();
    void paintPutsInkWhereTheElementSays_data();
    void paintPutsInkWhereTheElementSays();
    void unscaledImageClipEndsWithTheElement();
    void frameOutlinesWithoutFilling();
    void paintedTextFollowsItsAlignment_data();
    void paintedTextFollowsItsAlignment();
    void paintedTextIsNotCutAtItsBox();
    void richTextIsPaintedFromItsCorner();
    void richTextRepaintsForItsOwnTextWidthAndFont();
    void elementsWithoutTheirPointsDrawNothing_data();
    void elementsWithoutTheirPointsDrawNothing();
    void unknownKindsDrawNothingAndKeepTheirBytes_data();
    void unknownKindsDrawNothingAndKeepTheirBytes();
    void sceneItemsHaveTheRightKindAndGeometry();
    void sceneGroupMovesChildrenByItsCorner();
    void sceneImageIsABoundedPixmapItem_data();
    void sceneImageIsABoundedPixmapItem();
    void sceneTextMovesOnlyForAPureAlignment_data();
    void sceneTextMovesOnlyForAPureAlignment();
    void fitImageRect_data();
    void fitImageRect();
    void wavyPath_data();
    void wavyPath();
};

void TestPrintElement::defaultsAndBuilders()
{
    const PrintElement e;
    QVERIFY(e.points().isEmpty());
    QCOMPARE(e.rect(), QRectF(0, 0, 0, 0));
    QCOMPARE(e.kind(), 0);
    QCOMPARE(e.pen().widthF(), 0.4);
    QCOMPARE(e.pen().capStyle(), Qt::RoundCap);
    QCOMPARE(e.pen().joinStyle(), Qt::RoundJoin);
    QCOMPARE(e.pen().style(), Qt::SolidLine);
    QCOMPARE(e.pen().color(), QColor(Qt::black));
    QCOMPARE(e.brush().style(), Qt::NoBrush);
    QCOMPARE(e.brush().color(), QColor(Qt::transparent));
    QCOMPARE(e.font(), QFont());
    QVERIFY(!e.hasFrame());
    QVERIFY(!e.keepUnscaled());

    const QRectF r(10, 20, 30, 40);
    const QVector<QPointF> corners = {{10, 20}, {40, 60}};
    QCOMPARE(PrintElement::makeRect(r).points(), corners);
    QCOMPARE(PrintElement::makeRect(r).rect(), r);
    QCOMPARE(PrintElement::makeCircle(QPointF(3, 4), 25).points(), (QVector<QPointF>{{3, 4}, {25, 0}}));
    QCOMPARE(PrintElement::makeCircle(QPointF(3, 4), 25).kind(), 2);

    const QImage image = filledImage(4, 4, Qt::red);
    const PrintElement scaled = PrintElement::makeImage(r, image, true, true);
    QCOMPARE(scaled.kind(), 3);
    QVERIFY(scaled.hasFrame());
    QVERIFY(!scaled.keepUnscaled());
    QVERIFY(PrintElement::makeImage(r, image, false, false).keepUnscaled());

    const PrintElement text = PrintElement::makeText(r, QStringLiteral("a"), pixelFont(9), Qt::AlignRight,
                                                     Qt::blue, false);
    QCOMPARE(text.kind(), 4);
    QCOMPARE(text.font(), pixelFont(9));
    QCOMPARE(text.alignment(), int(Qt::AlignRight));
    QCOMPARE(text.brush(), QBrush(Qt::blue));
    QCOMPARE(text.pen(), QPen(QColor(Qt::blue)));
    QCOMPARE(PrintElement::makeRichText(r, QStringLiteral("<b>b</b>"), true).kind(), 5);
    QCOMPARE(PrintElement::makeGroup(r, false).kind(), 6);

    QPainterPath path;
    path.addEllipse(QRectF(5, 6, 20, 10));
    const PrintElement pathElement = PrintElement::makePath(path, true);
    QCOMPARE(pathElement.kind(), 7);
    QCOMPARE(pathElement.rect(), QRectF(5, 6, 20, 10));
    QCOMPARE(pathElement.path(), path);

    PrintElement polyline = PrintElement::makePolyline({{1, 1}, {2, 3}, {4, 1}});
    polyline.setRect(QRectF(0, 0, 5, 6));
    QCOMPARE(polyline.points(), (QVector<QPointF>{{0, 0}, {5, 6}}));

    PrintElement group = PrintElement::makeGroup(r, false);
    group.addChild(text);
    group.children()->append(scaled);
    QCOMPARE(group.children()->size(), 2);
    PrintElement copy = group;
    (*copy.children())[0].setId(QStringLiteral("changed"));
    QVERIFY(group.children()->at(0).id().isEmpty());
}

void TestPrintElement::paintPutsInkWhereTheElementSays_data()
{
    QTest::addColumn<QVector<PrintElement>>("elements");
    QTest::addColumn<Probes>("probes");

    const QColor white(Qt::white);
    PrintElement rect = filled(PrintElement::makeRect(QRectF(10, 10, 30, 20)), Qt::red);
    QTest::newRow("rectangle") << QVector<PrintElement>{rect}
                               << Probes{{{25, 20}, Qt::red}, {{45, 20}, white}, {{25, 35}, white}};

    PrintElement polyline = PrintElement::makePolyline({{10, 100}, {100, 100}, {100, 150}});
    polyline.setPen(QPen(Qt::blue, 4));
    QTest::newRow("polyline") << QVector<PrintElement>{polyline}
                              << Probes{{{50, 100}, Qt::blue}, {{100, 125}, Qt::blue}, {{50, 120}, white}};

    PrintElement circle = filled(PrintElement::makeCircle(QPointF(100, 10), 40), Qt::green);
    QTest::newRow("circle") << QVector<PrintElement>{circle}
                            << Probes{{{120, 30}, Qt::green}, {{138, 30}, Qt::green}, {{102, 12}, white},
                                      {{120, 52}, white}};

    PrintElement scaled = PrintElement::makeImage(QRectF(10, 120, 40, 40), filledImage(20, 10, Qt::red), false, true);
    QTest::newRow("image fitted") << QVector<PrintElement>{scaled}
                                  << Probes{{{30, 140}, Qt::red}, {{12, 132}, Qt::red}, {{30, 127}, white},
                                            {{30, 152}, white}};

    PrintElement unscaled = PrintElement::makeImage(QRectF(60, 120, 20, 20), filledImage(50, 50, Qt::blue), false, false);
    QTest::newRow("image unscaled, clipped") << QVector<PrintElement>{unscaled}
                                             << Probes{{{70, 130}, Qt::blue}, {{79, 139}, Qt::blue},
                                                       {{90, 150}, white}, {{70, 145}, white}};

    PrintElement framed = PrintElement::makeImage(QRectF(20, 180, 40, 16), QImage(), true, true);
    framed.setPen(QPen(Qt::black, 2));
    QTest::newRow("frame around a null image") << QVector<PrintElement>{framed}
                                               << Probes{{{40, 180}, Qt::black}, {{20, 188}, Qt::black},
                                                         {{40, 188}, white}};

    PrintElement group = PrintElement::makeGroup(QRectF(100, 100, 80, 80), false);
    group.setBrush(Qt::yellow);
    group.addChild(filled(PrintElement::makeRect(QRectF(10, 10, 20, 20)), Qt::red));
    QTest::newRow("group fill and child relative to the corner")
        << QVector<PrintElement>{group}
        << Probes{{{120, 120}, Qt::red}, {{170, 170}, Qt::yellow}, {{20, 20}, white}};

    PrintElement outer = PrintElement::makeGroup(QRectF(100, 100, 100, 100), false);
    PrintElement inner = PrintElement::makeGroup(QRectF(10, 10, 50, 50), false);
    inner.addChild(filled(PrintElement::makeRect(QRectF(5, 5, 10, 10)), Qt::magenta));
    outer.addChild(inner);
    QTest::newRow("nested groups add their corners")
        << QVector<PrintElement>{outer}
        << Probes{{{120, 120}, Qt::magenta}, {{112, 112}, white}, {{20, 20}, white}};

    QPainterPath path;
    path.addRect(150, 150, 30, 30);
    PrintElement pathElement = filled(PrintElement::makePath(path, false), Qt::darkCyan);
    QTest::newRow("path") << QVector<PrintElement>{pathElement}
                          << Probes{{{165, 165}, Qt::darkCyan}, {{145, 165}, white}};

    QTest::newRow("later element paints over earlier")
        << QVector<PrintElement>{rect, filled(PrintElement::makeRect(QRectF(20, 10, 40, 20)), Qt::blue)}
        << Probes{{{15, 20}, Qt::red}, {{25, 20}, Qt::blue}};
}

void TestPrintElement::paintPutsInkWhereTheElementSays()
{
    QFETCH(QVector<PrintElement>, elements);
    QFETCH(Probes, probes);

    const QImage image = render(elements);
    for (const auto &probe : probes) {
        QVERIFY2(image.pixelColor(probe.first) == probe.second,
                 qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                .arg(probe.first.x()).arg(probe.first.y())
                                .arg(image.pixelColor(probe.first).name(), probe.second.name())));
    }
}

void TestPrintElement::unscaledImageClipEndsWithTheElement()
{
    const PrintElement image = PrintElement::makeImage(QRectF(10, 10, 20, 20), filledImage(50, 50, Qt::blue),
                                                       false, false);
    const PrintElement rect = filled(PrintElement::makeRect(QRectF(40, 40, 20, 20)), Qt::red);

    const QImage picture = render({image, rect});
    QCOMPARE(picture.pixelColor(20, 20), QColor(Qt::blue));
    QCOMPARE(picture.pixelColor(45, 45), QColor(Qt::red)); // inside the image, outside its rectangle
    QCOMPARE(picture.pixelColor(55, 55), QColor(Qt::red));

    // An outer clip stays as it was, and still limits the image.
    QImage target(100, 100, QImage::Format_ARGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    painter.setClipRect(QRect(0, 0, 15, 100));
    const QRegion before = painter.clipRegion();
    image.paint(&painter);
    QVERIFY(painter.hasClipping());
    QCOMPARE(painter.clipRegion(), before);
    painter.end();
    QCOMPARE(target.pixelColor(12, 20), QColor(Qt::blue));
    QCOMPARE(target.pixelColor(20, 20), QColor(Qt::white));
}

void TestPrintElement::frameOutlinesWithoutFilling()
{
    PrintElement framed = PrintElement::makeImage(QRectF(10, 10, 40, 40), QImage(), true, true);
    framed.setPen(QPen(Qt::black, 2));
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(Qt::red); // whatever the caller left on the painter
    framed.paint(&painter);
    QCOMPARE(painter.brush(), QBrush(Qt::red));
    painter.end();
    QCOMPARE(image.pixelColor(30, 10), QColor(Qt::black));
    QCOMPARE(image.pixelColor(30, 30), QColor(Qt::white));
}

void TestPrintElement::paintedTextFollowsItsAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("where");

    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter) << "left";
    QTest::newRow("right with vertical centre") << int(Qt::AlignRight | Qt::AlignVCenter) << "right";
    QTest::newRow("right") << int(Qt::AlignRight) << "right";
    QTest::newRow("centre") << int(Qt::AlignCenter) << "centre";
}

void TestPrintElement::paintedTextFollowsItsAlignment()
{
    QFETCH(int, alignment);
    QFETCH(QString, where);

    const QRectF r(10, 10, 200, 40);
    const PrintElement text = PrintElement::makeText(r, QStringLiteral("WW"), pixelFont(20), alignment,
                                                     Qt::black, false);
    const QRect ink = inkBounds(render({text}));
    QVERIFY(!ink.isNull());
    QVERIFY(r.contains(QRectF(ink)));
    if (where == QLatin1String("left"))
        QVERIFY2(ink.left() < 15 && ink.right() < 100, qPrintable(QString::number(ink.left())));
    else if (where == QLatin1String("right"))
        QVERIFY2(ink.right() > 200 && ink.left() > 120, qPrintable(QString::number(ink.right())));
    else
        QVERIFY2(qAbs(ink.center().x() - 110) <= 3, qPrintable(QString::number(ink.center().x())));
}

void TestPrintElement::paintedTextIsNotCutAtItsBox()
{
    // A report line's box is one line spacing high, less than the font's height: the tails of
    // "g" and "p" reach below it and are drawn whole, as the preview shows them.
    const QFont font = pixelFont(20);
    const QRectF box(10, 10, 150, QFontMetricsF(font).ascent());
    const QRect ink =
        inkBounds(render({PrintElement::makeText(box, QStringLiteral("gpgp"), font, Qt::AlignLeft, Qt::black, false)}));
    QVERIFY2(ink.bottom() >= box.bottom() + 2,
             qPrintable(QStringLiteral("ink ends at %1, the box at %2").arg(ink.bottom()).arg(box.bottom())));
}

void TestPrintElement::richTextIsPaintedFromItsCorner()
{
    const PrintElement rich = PrintElement::makeRichText(QRectF(50, 60, 120, 80),
                                                         QStringLiteral("<b>XXXX</b><br/>XX"), false);
    const QRect ink = inkBounds(render({rich}));
    QVERIFY(!ink.isNull());
    QVERIFY(ink.left() >= 50 && ink.top() >= 60);
    QVERIFY(ink.left() < 70 && ink.top() < 80);
    QVERIFY(ink.right() < 170);
}

void TestPrintElement::richTextRepaintsForItsOwnTextWidthAndFont()
{
    // A rich text's drawing is reused from page to page; every change that alters it must show.
    const QString words = QStringLiteral("XX XX XX");
    const auto inkOf = [](const QString &html, double width) {
        return inkBounds(render({PrintElement::makeRichText(QRectF(10, 10, width, 150), html, false)}));
    };
    const QRect wide = inkOf(words, 200);
    QVERIFY(!wide.isNull());
    QCOMPARE(inkOf(words, 200), wide);

    const QRect narrow = inkOf(words, 40);
    QVERIFY2(narrow.height() > 2 * wide.height(), "the narrow box wraps the words onto lines of their own");
    const QRect shorter = inkOf(QStringLiteral("XX"), 200);
    QVERIFY(shorter.width() < wide.width() / 2);

    const QFont before = QGuiApplication::font();
    QFont larger = before;
    larger.setPixelSize(30);
    QGuiApplication::setFont(larger);
    const QRect large = inkOf(words, 200);
    QGuiApplication::setFont(before);
    QVERIFY(large.height() > wide.height());
    QCOMPARE(inkOf(words, 200), wide);
}

void TestPrintElement::elementsWithoutTheirPointsDrawNothing_data()
{
    QTest::addColumn<PrintElement>("element");

    QVector<PrintElement> full;
    const QRectF r(10, 10, 100, 100);
    full << filled(PrintElement::makePolyline({{10, 10}, {100, 100}}), Qt::red)
         << filled(PrintElement::makeRect(r), Qt::red)
         << filled(PrintElement::makeCircle(QPointF(10, 10), 90), Qt::red)
         << PrintElement::makeImage(r, filledImage(10, 10, Qt::red), true, true)
         << PrintElement::makeText(r, QStringLiteral("WWW"), pixelFont(30), 0, Qt::red, true)
         << PrintElement::makeRichText(r, QStringLiteral("<b>WWW</b>"), true);
    PrintElement group = filled(PrintElement::makeGroup(r, true), Qt::red);
    group.addChild(filled(PrintElement::makeRect(QRectF(1, 1, 20, 20)), Qt::red));
    full << group << PrintElement::makePath(QPainterPath(), true);

    QTest::newRow("default") << PrintElement();
    for (const PrintElement &e : full) {
        QTest::addRow("kind %d without points", e.kind()) << withPoints(e, 0);
        if (e.kind() != PrintElement::Polyline)
            QTest::addRow("kind %d with one point", e.kind()) << withPoints(e, 1);
    }
}

void TestPrintElement::elementsWithoutTheirPointsDrawNothing()
{
    QFETCH(PrintElement, element);

    QVERIFY(inkBounds(render({element})).isNull());

    QGraphicsScene scene;
    const QVector<QGraphicsItem *> items = element.toGraphicsItems(&scene);
    if (element.kind() == PrintElement::Polyline || element.kind() == PrintElement::Path) {
        QCOMPARE(items.size(), 1);
        auto *pathItem = dynamic_cast<QGraphicsPathItem *>(items.first());
        QVERIFY(pathItem);
        QVERIFY(pathItem->path().isEmpty());
    } else {
        QVERIFY(items.isEmpty());
    }
    QCOMPARE(scene.items().size(), items.size());
}

void TestPrintElement::unknownKindsDrawNothingAndKeepTheirBytes_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::newRow("next kind") << qint32(PrintElement::Path + 1);
    QTest::newRow("far beyond") << qint32(42);
    QTest::newRow("negative") << qint32(-1);
}

void TestPrintElement::unknownKindsDrawNothingAndKeepTheirBytes()
{
    QFETCH(qint32, kind);

    // Framed, filled and with its rectangle: every known kind would leave ink here.
    PrintElement known = PrintElement::makeText(QRectF(10, 10, 100, 100), QStringLiteral("WWW"), pixelFont(30), 0,
                                                Qt::red, true);
    known.setBrush(Qt::red);
    const QByteArray bytes = bytesWithKind(known, kind);
    const PrintElement unknown(bytes);
    QCOMPARE(unknown.kind(), kind);
    QCOMPARE(unknown.toByteArray(), bytes);

    QVERIFY(inkBounds(render({unknown})).isNull());
    QGraphicsScene scene;
    QVERIFY(unknown.toGraphicsItems(&scene).isEmpty());
    QVERIFY(scene.items().isEmpty());

    // Inside a group the others still draw.
    PrintElement group = PrintElement::makeGroup(QRectF(0, 0, 200, 200), false);
    group.addChild(unknown);
    group.addChild(filled(PrintElement::makeRect(QRectF(20, 20, 10, 10)), Qt::blue));
    QCOMPARE(inkBounds(render({group})), QRect(20, 20, 10, 10));
    QCOMPARE(group.toGraphicsItems(&scene).size(), 2); // the group's own rectangle and the blue one
    QCOMPARE(PrintElement(group.toByteArray()).children()->at(0).toByteArray(), bytes);
}

void TestPrintElement::sceneItemsHaveTheRightKindAndGeometry()
{
    QGraphicsScene scene;
    const QPen pen(Qt::red, 2.5, Qt::DashLine);
    const QBrush brush(Qt::green);

    PrintElement rect = PrintElement::makeRect(QRectF(5, 6, 70, 80));
    rect.setPen(pen);
    rect.setBrush(brush);
    QVector<QGraphicsItem *> items = rect.toGraphicsItems(&scene);
    QCOMPARE(items.size(), 1);
    auto *rectItem = dynamic_cast<QGraphicsRectItem *>(items[0]);
    QVERIFY(rectItem);
    QCOMPARE(rectItem->rect(), QRectF(5, 6, 70, 80));
    QCOMPARE(rectItem->pen(), pen);
    QCOMPARE(rectItem->brush(), brush);
    QCOMPARE(rectItem->scene(), &scene);

    PrintElement circle = PrintElement::makeCircle(QPointF(3, 4), 25);
    circle.setBrush(brush);
    items = circle.toGraphicsItems(&scene);
    QCOMPARE(items.size(), 1);
    auto *ellipse = dynamic_cast<QGraphicsEllipseItem *>(items[0]);
    QVERIFY(ellipse);
    QCOMPARE(ellipse->rect(), QRectF(3, 4, 25, 25));
    QCOMPARE(ellipse->brush(), brush);

    const QVector<QPointF> points = {{1, 2}, {30, 4}, {12, 50}};
    items = PrintElement::makePolyline(points).toGraphicsItems(&scene);
    QCOMPARE(items.size(), 1);
    auto *polyline = dynamic_cast<QGraphicsPathItem *>(items[0]);
    QVERIFY(polyline);
    QCOMPARE(polyline->path().elementCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(QPointF(polyline->path().elementAt(i)), points[i]);
    QCOMPARE(polyline->pen(), PrintElement().pen());

    QPainterPath path;
    path.addEllipse(QRectF(10, 10, 40, 20));
    PrintElement pathElement = PrintElement::makePath(path, true);
    pathElement.setPen(pen);
    items = pathElement.toGraphicsItems(&scene);
    QCOMPARE(items.size(), 2);
    auto *pathItem = dynamic_cast<QGraphicsPathItem *>(items[0]);
    QVERIFY(pathItem);
    QCOMPARE(pathItem->path(), path);
    auto *frame = dynamic_cast<QGraphicsRectItem *>(items[1]);
    QVERIFY(frame);
    QCOMPARE(frame->rect(), QRectF(10, 10, 40, 20));
    QCOMPARE(frame->pen(), pen);
    QCOMPARE(frame->brush().style(), Qt::NoBrush);

    items = PrintElement::makeRichText(QRectF(20, 30, 150, 40), QStringLiteral("<b>fett</b> normal"), false)
                .toGraphicsItems(&scene);
    QCOMPARE(items.size(), 1);
    auto *rich = dynamic_cast<QGraphicsTextItem *>(items[0]);
    QVERIFY(rich);
    QCOMPARE(rich->pos(), QPointF(20, 30));
    QCOMPARE(rich->textWidth(), 150.0);
    QCOMPARE(rich->toPlainText(), QStringLiteral("fett normal"));
}

void TestPrintElement::sceneGroupMovesChildrenByItsCorner()
{
    QGraphicsScene scene;
    PrintElement outer = PrintElement::makeGroup(QRectF(100, 50, 200, 200), true);
    outer.setBrush(Qt::yellow);
    PrintElement inner = PrintElement::makeGroup(QRectF(10, 20, 50, 50), false);
    inner.addChild(PrintElement::makeRect(QRectF(1, 2, 3, 4)));
    outer.addChild(PrintElement::makeCircle(QPointF(5, 5), 10));
    outer.addChild(inner);

    const QVector<QGraphicsItem *> items = outer.toGraphicsItems(&scene);
    // group fill, circle, inner group fill, inner rectangle, then the outer frame
    QCOMPARE(items.size(), 5);
    auto *fill = dynamic_cast<QGraphicsRectItem *>(items[0]);
    QVERIFY(fill);
    QCOMPARE(fill->sceneBoundingRect(), QRectF(100, 50, 200, 200));
    QCOMPARE(fill->pen().style(), Qt::NoPen);
    QCOMPARE(fill->brush(), QBrush(Qt::yellow));
    QVERIFY(dynamic_cast<QGraphicsEllipseItem *>(items[1]));
    QCOMPARE(items[1]->pos(), QPointF(100, 50));
    QCOMPARE(items[2]->mapToScene(QPointF(10, 20)), QPointF(110, 70));
    auto *innerRect = dynamic_cast<QGraphicsRectItem *>(items[3]);
    QVERIFY(innerRect);
    QCOMPARE(innerRect->mapRectToScene(innerRect->rect()), QRectF(111, 72, 3, 4));
    auto *frame = dynamic_cast<QGraphicsRectItem *>(items[4]);
    QVERIFY(frame);
    QCOMPARE(frame->brush().style(), Qt::NoBrush);
    QCOMPARE(frame->pos(), QPointF(0, 0));
    QCOMPARE(scene.items().size(), 5);
}

void TestPrintElement::sceneImageIsABoundedPixmapItem_data()
{
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QSize>("pixmapSize");

    // a 200 x 100 image in a 100 x 100 rectangle at (10, 20)
    QTest::newRow("fitted") << true << QPointF(10, 45) << QSize(100, 50);
    QTest::newRow("unscaled") << false << QPointF(10, 20) << QSize(200, 100);
}

void TestPrintElement::sceneImageIsABoundedPixmapItem()
{
    QFETCH(bool, scaled);
    QFETCH(QPointF, pos);
    QFETCH(QSize, pixmapSize);

    QGraphicsScene scene;
    PrintElement image = PrintElement::makeImage(QRectF(10, 20, 100, 100), filledImage(200, 100, Qt::red),
                                                 true, scaled);
    image.setId(QStringLiteral("logo"));
    const QVector<QGraphicsItem *> items = image.toGraphicsItems(&scene);
    QCOMPARE(items.size(), 2);
    auto *item = dynamic_cast<BoundedPixmapItem *>(items[0]);
    QVERIFY(item);
    QCOMPARE(item->data(0).toString(), QStringLiteral("logo"));
    QCOMPARE(item->pos(), pos);
    QCOMPARE(item->pixmap().size(), pixmapSize);
    QCOMPARE(item->bounds(), QRectF(0, 0, 100, 100));
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 100, 100));
    QCOMPARE(item->transformationMode(), Qt::SmoothTransformation);
    auto *frame = dynamic_cast<QGraphicsRectItem *>(items[1]);
    QVERIFY(frame);
    QCOMPARE(frame->rect(), QRectF(10, 20, 100, 100));
}

void TestPrintElement::sceneTextMovesOnlyForAPureAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("share"); // of the free room the item moves right

    QTest::newRow("none") << 0 << 0.0;
    QTest::newRow("left") << int(Qt::AlignLeft) << 0.0;
    QTest::newRow("right") << int(Qt::AlignRight) << 1.0;
    QTest::newRow("horizontal centre") << int(Qt::AlignHCenter) << 0.5;
    QTest::newRow("right with vertical centre") << int(Qt::AlignRight | Qt::AlignVCenter) << 0.0;
    QTest::newRow("centre both ways") << int(Qt::AlignCenter) << 0.0;
}

void TestPrintElement::sceneTextMovesOnlyForAPureAlignment()
{
    QFETCH(int, alignment);
    QFETCH(double, share);

    const QFont font = pixelFont(14);
    const QString text = QStringLiteral("Haltung 12");
    const QRectF r(30, 40, 300, 20);
    QGraphicsScene scene;
    const QVector<QGraphicsItem *> items =
        PrintElement::makeText(r, text, font, alignment, Qt::darkRed, false).toGraphicsItems(&scene);
    QCOMPARE(items.size(), 1);
    auto *item = dynamic_cast<QGraphicsSimpleTextItem *>(items[0]);
    QVERIFY(item);
    QCOMPARE(item->text(), text);
    QCOMPARE(item->font(), font);
    QCOMPARE(item->brush(), QBrush(Qt::darkRed));
    const double room = r.width() - QFontMetricsF(font).horizontalAdvance(text);
    QVERIFY(room > 50);
    QCOMPARE(item->pos(), QPointF(r.x() + share * room, r.y()));
}

void TestPrintElement::fitImageRect_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("wide image") << QRectF(0, 0, 100, 100) << QSize(200, 100) << QRectF(0, 25, 100, 50);
    QTest::newRow("tall image") << QRectF(0, 0, 100, 100) << QSize(100, 200) << QRectF(25, 0, 50, 100);
    QTest::newRow("square into wide") << QRectF(0, 0, 200, 100) << QSize(100, 100) << QRectF(50, 0, 100, 100);
    QTest::newRow("same ratio") << QRectF(0, 0, 40, 20) << QSize(4, 2) << QRectF(0, 0, 40, 20);
    QTest::newRow("relative to the rectangle") << QRectF(300, 400, 100, 100) << QSize(200, 100)
                                               << QRectF(0, 25, 100, 50);
    QTest::newRow("null image") << QRectF(0, 0, 100, 100) << QSize() << QRectF();
    QTest::newRow("zero width") << QRectF(0, 0, 0, 100) << QSize(10, 10) << QRectF();
    QTest::newRow("zero height") << QRectF(0, 0, 100, 0) << QSize(10, 10) << QRectF();
    QTest::newRow("negative height") << QRectF(0, 0, 100, -5) << QSize(10, 10) << QRectF();
}

void TestPrintElement::fitImageRect()
{
    QFETCH(QRectF, rect);
    QFETCH(QSize, imageSize);
    QFETCH(QRectF, expected);

    const QImage image = imageSize.isValid() ? filledImage(imageSize.width(), imageSize.height(), Qt::red)
                                             : QImage();
    const QRectF fitted = ::fitImageRect(rect, image);
    QCOMPARE(fitted, expected);
    if (expected.isNull())
        QVERIFY(fitted.isEmpty());
}

void TestPrintElement::wavyPath_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<QVector<QPointF>>("controls");
    QTest::addColumn<QVector<QPointF>>("ends");

    QTest::newRow("horizontal") << QPointF(0, 0) << QPointF(40, 0) << 4 << 2.0
                                << QVector<QPointF>{{5, -2}, {15, 2}, {25, -2}, {35, 2}}
                                << QVector<QPointF>{{10, 0}, {20, 0}, {30, 0}, {40, 0}};
    QTest::newRow("downwards") << QPointF(0, 0) << QPointF(0, 30) << 3 << 1.0
                               << QVector<QPointF>{{1, 5}, {-1, 15}, {1, 25}}
                               << QVector<QPointF>{{0, 10}, {0, 20}, {0, 30}};
    QTest::newRow("diagonal from an offset") << QPointF(10, 10) << QPointF(16, 18) << 1 << 5.0
                                             << QVector<QPointF>{{17, 11}} << QVector<QPointF>{{16, 18}};
    QTest::newRow("no segments") << QPointF(3, 4) << QPointF(40, 0) << 0 << 2.0 << QVector<QPointF>()
                                 << QVector<QPointF>();
    QTest::newRow("negative segments") << QPointF(3, 4) << QPointF(40, 0) << -2 << 2.0 << QVector<QPointF>()
                                       << QVector<QPointF>();
}

void TestPrintElement::wavyPath()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(int, segments);
    QFETCH(double, amplitude);
    QFETCH(QVector<QPointF>, controls);
    QFETCH(QVector<QPointF>, ends);

    const QPainterPath path = ::wavyPath(from, to, segments, amplitude);
    // One move, then one cubic (a curve and two control elements) per quadratic segment.
    QCOMPARE(path.elementCount(), 1 + 3 * controls.size());
    QCOMPARE(QPointF(path.elementAt(0)), from);
    QPointF start = from;
    for (int i = 0; i < controls.size(); ++i) {
        const QPainterPath::Element curve = path.elementAt(1 + 3 * i);
        QCOMPARE(curve.type, QPainterPath::CurveToElement);
        const QPointF control = quadControl(start, curve);
        QVERIFY2(qAbs(control.x() - controls[i].x()) < 1e-4 && qAbs(control.y() - controls[i].y()) < 1e-4,
                 qPrintable(QStringLiteral("segment %1 control (%2, %3)").arg(i).arg(control.x()).arg(control.y())));
        const QPointF end = path.elementAt(3 + 3 * i);
        QVERIFY(qAbs(end.x() - ends[i].x()) < 1e-9 && qAbs(end.y() - ends[i].y()) < 1e-9);
        start = end;
    }
}

QTEST_MAIN(TestPrintElement)
#include "tst_printelement.moc"
