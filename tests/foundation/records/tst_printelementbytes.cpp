// The byte form of drawing records: exact bytes, round trips, and bytes from damaged or hostile
// letterhead files.

#include "elementcompare.h"

#include "foundation/records/printelement.h"
#include "foundation/records/streamcheck.h"

#include <QBitmap>
#include <QDataStream>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QtEndian>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <functional>
#include <limits>

namespace {

template <typename T>
QByteArray v17(const T &value)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_7);
    s << value;
    return bytes;
}

QByteArray i32(qint32 value) { return v17(value); }
QByteArray u32(quint32 value) { return v17(value); }
QByteArray f64(double value) { return v17(value); }

QByteArray pointBytes(const QVector<QPointF> &points)
{
    QByteArray bytes = i32(points.size());
    for (const QPointF &p : points)
        bytes += f64(p.x()) + f64(p.y());
    return bytes;
}

QPen defaultElementPen()
{
    QPen pen;
    pen.setWidthF(0.4);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The documented field sequence of one element, each field written on its own with a version-17
// stream, so a field can be replaced by hand-made bytes.
struct RawElement
{
    QByteArray points = i32(0);
    QByteArray text = v17(QString());
    QByteArray image = i32(0);
    QByteArray pen = v17(defaultElementPen());
    QByteArray brush = v17(QBrush(Qt::transparent, Qt::NoBrush));
    QByteArray path = i32(0);
    qint32 kind = 0;
    bool frame = false;
    bool keepUnscaled = false;
    QByteArray childCount = i32(0);
    QByteArray children;

    QByteArray bytes() const
    {
        return points + text + image + pen + brush + path + i32(kind) + v17(frame)
               + v17(keepUnscaled) + childCount + children;
    }
};

// `levels` groups each holding the next, the innermost holding nothing.
QByteArray nestedChain(int levels)
{
    QByteArray bytes;
    for (int i = 0; i < levels; ++i) {
        RawElement e;
        e.kind = PrintElement::Group;
        e.childCount = i32(i + 1 < levels ? 1 : 0);
        bytes += e.bytes();
    }
    return bytes;
}

QImage testImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 20 % 256, y * 30 % 256, (x + y) * 7 % 256, 255 - x));
    return image;
}

QPainterPath curvyPath()
{
    QPainterPath path;
    path.moveTo(1, 2);
    path.lineTo(30, 4);
    path.cubicTo(40, 10, 50, 30, 20, 40);
    path.closeSubpath();
    path.addEllipse(QRectF(60, 60, 20, 10));
    path.quadTo(5, 5, 90, 90);
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPen dashedGradientPen()
{
    QLinearGradient gradient(0, 0, 100, 0);
    gradient.setColorAt(0, Qt::red);
    gradient.setColorAt(0.5, QColor(10, 20, 30, 40));
    gradient.setColorAt(1, Qt::blue);
    gradient.setSpread(QGradient::ReflectSpread);
    QPen pen(QBrush(gradient), 2.5, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({3, 1, 0.5, 2});
    pen.setDashOffset(1.25);
    pen.setMiterLimit(4);
    return pen;
}

QBrush textureBrush()
{
    QBrush brush(testImage(5, 4));
    brush.setTransform(QTransform::fromScale(2, 3).rotate(10));
    return brush;
}

// A group holding every kind, a nested group and the richer pen and brush forms.
PrintElement richElement()
{
    PrintElement group = PrintElement::makeGroup(QRectF(10, 10, 400, 300), true);
    group.setBrush(QBrush(QColor(250, 250, 200)));

    PrintElement image = PrintElement::makeImage(QRectF(0, 0, 40, 30), testImage(8, 6), true, false);
    image.setPen(dashedGradientPen());
    group.addChild(image);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    group.addChild(PrintElement::makeText(QRectF(50, 0, 100, 20), QStringLiteral("Kanal Ø 300 – ß"),
                                          font, Qt::AlignRight, Qt::darkGreen, true));
    group.addChild(PrintElement::makeRichText(QRectF(0, 40, 200, 50),
                                              QStringLiteral("<b>fett</b> und <i>kursiv</i>"), false));
    PrintElement path = PrintElement::makePath(curvyPath(), true);
    path.setBrush(QBrush(Qt::cyan, Qt::Dense4Pattern));
    group.addChild(path);

    PrintElement inner = PrintElement::makeGroup(QRectF(200, 100, 100, 100), false);
    PrintElement rect = PrintElement::makeRect(QRectF(1, 2, 30, 40));
    rect.setBrush(textureBrush());
    inner.addChild(rect);
    inner.addChild(PrintElement::makeCircle(QPointF(5, 6), 25));
    inner.addChild(PrintElement::makePolyline({{0, 0}, {10, 5}, {20, 0}, {30, 5}}));
    group.addChild(inner);
    return group;
}

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Replaces the size in the PNG header found in `bytes` and fixes the header's checksum, so only
// the size is wrong.
QByteArray withPngSize(QByteArray bytes, quint32 width, quint32 height)
{
    const int type = bytes.indexOf("IHDR");
    Q_ASSERT(type > 0);
    qToBigEndian(width, reinterpret_cast<uchar *>(bytes.data()) + type + 4);
    qToBigEndian(height, reinterpret_cast<uchar *>(bytes.data()) + type + 8);
    qToBigEndian(crc32(bytes.mid(type, 4 + 13)), reinterpret_cast<uchar *>(bytes.data()) + type + 17);
    return bytes;
}

// Damages the compressed pixel data in the middle of the first IDAT chunk.
QByteArray withBrokenPixels(QByteArray bytes)
{
    const int type = bytes.indexOf("IDAT");
    Q_ASSERT(type > 0);
    const quint32 length = qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData()) + type - 4);
    for (quint32 i = 2; i < length; ++i)
        bytes[type + 4 + int(i)] = char(0xa5 ^ i);
    return bytes;
}

QByteArray rawPath(const QVector<QPair<qint32, QPointF>> &elements, qint32 start = 0, qint32 fill = 0)
{
    QByteArray bytes = i32(elements.size());
    for (const auto &e : elements)
        bytes += i32(e.first) + f64(e.second.x()) + f64(e.second.y());
    return bytes + i32(start) + i32(fill);
}

// Caps the process's address space a little above what it uses now while it lives, so a huge
// allocation made on behalf of a count read from the bytes fails the test instead of passing
// unnoticed on a machine with memory to spare.
class AddressSpaceCap
{
public:
    explicit AddressSpaceCap(qint64 headroom)
    {
        m_active = getrlimit(RLIMIT_AS, &m_saved) == 0;
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!m_active || !statm.open(QIODevice::ReadOnly)) {
            m_active = false;
            return;
        }
        const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
        rlimit cap = m_saved;
        const rlim_t wanted = rlim_t(pages * sysconf(_SC_PAGESIZE) + headroom);
        if (cap.rlim_max == RLIM_INFINITY || wanted < cap.rlim_max)
            cap.rlim_cur = wanted;
        m_active = setrlimit(RLIMIT_AS, &cap) == 0;
    }
    ~AddressSpaceCap()
    {
        if (m_active)
            setrlimit(RLIMIT_AS, &m_saved);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
};

enum class Form { Pen, Brush, Path, Image, Color, String };

} // namespace

Q_DECLARE_METATYPE(Form)
Q_DECLARE_METATYPE(PrintElement)

class TestPrintElementBytes : public QObject
{
    Q_OBJECT

private slots:
    void defaultElementHasTheDocumentedBytes();
    void groupHasTheDocumentedVersion17Bytes();
    void roundTripKeepsEverySerialisedField_data();
    void roundTripKeepsEverySerialisedField();
    void qtFormsAreWalkedExactly_data();
    void qtFormsAreWalkedExactly();
    void implausibleQtFormsAreRefused_data();
    void implausibleQtFormsAreRefused();
    void nestingIsLimited();
    void badBytesGiveFalseAndADefaultElement_data();
    void badBytesGiveFalseAndADefaultElement();
};

void TestPrintElementBytes::defaultElementHasTheDocumentedBytes()
{
    QByteArray expected;
    QDataStream s(&expected, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_7);
    s << qint32(0) << QString() << QImage() << defaultElementPen()
      << QBrush(Qt::transparent, Qt::NoBrush) << QPainterPath() << qint32(0) << false << false
      << qint32(0);

    QCOMPARE(PrintElement().toByteArray(), expected);
    QCOMPARE(RawElement().bytes(), expected);
}

void TestPrintElementBytes::groupHasTheDocumentedVersion17Bytes()
{
    // A brush in object mode is written differently by newer stream versions, so these bytes
    // also show that version 17 is in use.
    QLinearGradient gradient(0, 0, 1, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, Qt::black);
    const QBrush objectBrush(gradient);
    QFont font;
    font.setPixelSize(30);

    PrintElement group = PrintElement::makeGroup(QRectF(10, 20, 300, 200), true);
    group.setBrush(QBrush(Qt::yellow));
    PrintElement first = PrintElement::makeRect(QRectF(1, 2, 3, 4));
    first.setBrush(objectBrush);
    group.addChild(first);
    group.addChild(PrintElement::makeText(QRectF(5, 6, 70, 8), QStringLiteral("Ä text"), font,
                                          Qt::AlignRight, Qt::blue, false));

    RawElement firstRaw;
    firstRaw.points = pointBytes({{1, 2}, {4, 6}});
    firstRaw.brush = v17(objectBrush);
    firstRaw.kind = 1;
    RawElement secondRaw;
    secondRaw.points = pointBytes({{5, 6}, {75, 14}});
    secondRaw.text = v17(QStringLiteral("Ä text"));
    secondRaw.pen = v17(QPen(QColor(Qt::blue)));
    secondRaw.brush = v17(QBrush(QColor(Qt::blue)));
    secondRaw.kind = 4;
    RawElement groupRaw;
    groupRaw.points = pointBytes({{10, 20}, {310, 220}});
    groupRaw.brush = v17(QBrush(Qt::yellow));
    groupRaw.kind = 6;
    groupRaw.frame = true;
    groupRaw.childCount = i32(2);
    groupRaw.children = firstRaw.bytes() + secondRaw.bytes();

    QByteArray newerBrush;
    QDataStream newer(&newerBrush, QIODevice::WriteOnly);
    newer.setVersion(QDataStream::Qt_5_15);
    newer << objectBrush;
    QVERIFY(newerBrush != firstRaw.brush);

    QCOMPARE(group.toByteArray(), groupRaw.bytes());

    PrintElement back;
    QVERIFY(back.fromByteArray(groupRaw.bytes()));
    QCOMPARE(back.children()->size(), 2);
    QCOMPARE(back.children()->at(0).kind(), 1);
    QCOMPARE(back.children()->at(1).text(), QStringLiteral("Ä text"));
    QCOMPARE(back.children()->at(1).font(), QFont());
    QCOMPARE(back.children()->at(1).alignment(), 0);
}

void TestPrintElementBytes::roundTripKeepsEverySerialisedField_data()
{
    QTest::addColumn<PrintElement>("element");

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);

    QTest::newRow("default") << PrintElement();
    PrintElement polyline = PrintElement::makePolyline({{0, 0}, {10.5, -3.25}, {1e6, 2e-6}});
    polyline.setPen(dashedGradientPen());
    polyline.setBrush(QBrush(Qt::red));
    QTest::newRow("polyline") << polyline;
    PrintElement rect = PrintElement::makeRect(QRectF(5, 6, 70, 80));
    rect.setPen(QPen(Qt::magenta, 3, Qt::DashDotDotLine, Qt::SquareCap, Qt::SvgMiterJoin));
    rect.setBrush(textureBrush());
    QTest::newRow("rectangle with texture brush") << rect;
    PrintElement circle = PrintElement::makeCircle(QPointF(-4, 9), 33.5);
    QRadialGradient radial(QPointF(10, 10), 20, QPointF(12, 8));
    radial.setColorAt(0.25, Qt::green);
    radial.setInterpolationMode(QGradient::ComponentInterpolation);
    circle.setBrush(QBrush(radial));
    QTest::newRow("circle with radial gradient") << circle;
    QTest::newRow("image scaled") << PrintElement::makeImage(QRectF(1, 1, 50, 20), testImage(12, 7), false, true);
    QTest::newRow("image unscaled with frame")
        << PrintElement::makeImage(QRectF(1, 1, 50, 20), testImage(3, 9), true, false);
    QTest::newRow("image null") << PrintElement::makeImage(QRectF(0, 0, 5, 5), QImage(), false, true);
    PrintElement text = PrintElement::makeText(QRectF(0, 0, 100, 20), QStringLiteral("Schacht ÄÖÜ 漢"),
                                               font, Qt::AlignHCenter | Qt::AlignBottom, Qt::red, true);
    text.setId(QStringLiteral("title"));
    QTest::newRow("text (font, alignment, id not kept)") << text;
    QTest::newRow("rich text") << PrintElement::makeRichText(QRectF(0, 0, 100, 20),
                                                              QStringLiteral("<p>a<br/>b</p>"), true);
    QTest::newRow("group with nested children") << richElement();
    PrintElement path = PrintElement::makePath(curvyPath(), true);
    QConicalGradient conical(QPointF(3, 4), 45);
    conical.setColorAt(0, Qt::black);
    conical.setColorAt(1, QColor::fromHsv(100, 200, 50));
    path.setBrush(QBrush(conical));
    QTest::newRow("path with conical gradient") << path;
    QPainterPath textPath;
    textPath.addText(0, 20, font, QStringLiteral("Haltung"));
    QTest::newRow("path of text") << PrintElement::makePath(textPath, false);
    // Only bytes can carry a kind outside the list; it reads and writes like any other.
    RawElement unknown;
    unknown.points = pointBytes({{0, 0}, {1, 1}});
    unknown.kind = 42;
    unknown.keepUnscaled = true;
    const PrintElement unknownElement(unknown.bytes());
    QCOMPARE(unknownElement.kind(), 42);
    QCOMPARE(unknownElement.toByteArray(), unknown.bytes());
    QTest::newRow("kind outside the list") << unknownElement;
}

void TestPrintElementBytes::roundTripKeepsEverySerialisedField()
{
    QFETCH(PrintElement, element);

    const QByteArray bytes = element.toByteArray();
    PrintElement back = PrintElement::makeRect(QRectF(1, 2, 3, 4));
    back.setId(QStringLiteral("old"));
    QVERIFY(back.fromByteArray(bytes));
    const QString difference = describeSerialisedDifference(element, back);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(back.toByteArray(), bytes);

    const PrintElement constructed(bytes);
    QVERIFY(describeSerialisedDifference(element, constructed).isEmpty());

    // Whatever follows the element in the array is left alone.
    PrintElement withTrailer;
    QVERIFY(withTrailer.fromByteArray(bytes + QByteArray("tail")));
    QVERIFY(describeSerialisedDifference(element, withTrailer).isEmpty());
}

void TestPrintElementBytes::qtFormsAreWalkedExactly_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("pen default") << Form::Pen << v17(QPen());
    QTest::newRow("pen element default") << Form::Pen << v17(defaultElementPen());
    QTest::newRow("pen no pen") << Form::Pen << v17(QPen(Qt::NoPen));
    for (Qt::PenStyle style : {Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine}) {
        QTest::addRow("pen style %d", int(style))
            << Form::Pen << v17(QPen(Qt::blue, 1.5, style, Qt::FlatCap, Qt::BevelJoin));
    }
    QTest::newRow("pen custom dashes and gradient") << Form::Pen << v17(dashedGradientPen());
    QPen oddDashes(Qt::red);
    oddDashes.setDashPattern({1, 2, 3});
    QTest::newRow("pen odd dash pattern") << Form::Pen << v17(oddDashes);
    QPen cosmetic(QColor(1, 2, 3, 4), 0);
    cosmetic.setCosmetic(true);
    QTest::newRow("pen cosmetic") << Form::Pen << v17(cosmetic);
    QTest::newRow("pen svg miter square cap")
        << Form::Pen << v17(QPen(Qt::black, 7, Qt::SolidLine, Qt::SquareCap, Qt::SvgMiterJoin));
    QTest::newRow("pen texture") << Form::Pen << v17(QPen(textureBrush(), 3));

    for (int style = Qt::NoBrush; style <= Qt::DiagCrossPattern; ++style)
        QTest::addRow("brush pattern %d", style) << Form::Brush << v17(QBrush(Qt::red, Qt::BrushStyle(style)));
    QTest::newRow("brush element default") << Form::Brush << v17(QBrush(Qt::transparent, Qt::NoBrush));
    QTest::newRow("brush texture") << Form::Brush << v17(textureBrush());
    QTest::newRow("brush texture null image") << Form::Brush << v17(QBrush(QImage()));
    QTest::newRow("brush texture mono pixmap") << Form::Brush << v17(QBrush(Qt::red, QBitmap(9, 9)));
    QLinearGradient linear(QPointF(1, 2), QPointF(30, 40));
    linear.setStops({{0, Qt::red}, {0.3, Qt::green}, {1, Qt::blue}});
    linear.setSpread(QGradient::RepeatSpread);
    linear.setCoordinateMode(QGradient::StretchToDeviceMode);
    QTest::newRow("brush linear") << Form::Brush << v17(QBrush(linear));
    QGradient noStops = QLinearGradient(0, 0, 1, 0);
    QTest::newRow("brush linear without stops") << Form::Brush << v17(QBrush(noStops));
    QRadialGradient radial(QPointF(10, 10), 20, QPointF(12, 8));
    radial.setCoordinateMode(QGradient::ObjectMode);
    QTest::newRow("brush radial object mode") << Form::Brush << v17(QBrush(radial));
    QConicalGradient conical(QPointF(3, 4), 45);
    conical.setInterpolationMode(QGradient::ComponentInterpolation);
    QBrush conicalBrush(conical);
    conicalBrush.setTransform(QTransform(1, 2, 3, 4, 5, 6, 7, 8, 9));
    QTest::newRow("brush conical transformed") << Form::Brush << v17(conicalBrush);

    QTest::newRow("path empty") << Form::Path << v17(QPainterPath());
    QTest::newRow("path curvy") << Form::Path << v17(curvyPath());
    QPainterPath arcs(QPointF(5, 5));
    arcs.arcTo(QRectF(0, 0, 50, 30), 10, 250);
    arcs.addRoundedRect(QRectF(10, 10, 40, 40), 5, 7);
    arcs.moveTo(100, 100);
    QTest::newRow("path arcs and trailing move") << Form::Path << v17(arcs);
    QPainterPath connected = curvyPath();
    connected.connectPath(arcs);
    connected.addPath(curvyPath());
    QTest::newRow("path connected and added") << Form::Path << v17(connected);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Rohr gß&@"));
    QTest::newRow("path text") << Form::Path << v17(text);
    QTest::newRow("path stroked") << Form::Path << v17(QPainterPathStroker(QPen(Qt::black, 3)).createStroke(curvyPath()));
    QTest::newRow("path simplified") << Form::Path << v17(connected.simplified());
    QTest::newRow("path united") << Form::Path << v17(curvyPath().united(arcs));

    QTest::newRow("image null") << Form::Image << v17(QImage());
    QTest::newRow("image argb") << Form::Image << v17(testImage(17, 3));
    QTest::newRow("image rgb32") << Form::Image << v17(testImage(4, 4).convertToFormat(QImage::Format_RGB32));
    QTest::newRow("image mono") << Form::Image << v17(QImage(33, 2, QImage::Format_Mono));
    QTest::newRow("image indexed") << Form::Image << v17(testImage(6, 5).convertToFormat(QImage::Format_Indexed8));
    QTest::newRow("image grayscale16") << Form::Image << v17(testImage(6, 5).convertToFormat(QImage::Format_Grayscale16));
    QTest::newRow("image rgba64") << Form::Image << v17(testImage(6, 5).convertToFormat(QImage::Format_RGBA64));
    QImage withText = testImage(3, 3);
    withText.setText(QStringLiteral("Title"), QStringLiteral("Briefkopf"));
    withText.setDotsPerMeterX(5000);
    QTest::newRow("image with text") << Form::Image << v17(withText);

    QTest::newRow("color invalid") << Form::Color << v17(QColor());
    QTest::newRow("color rgb") << Form::Color << v17(QColor(1, 2, 3, 4));
    QTest::newRow("color hsv") << Form::Color << v17(QColor::fromHsv(10, 20, 30));
    QTest::newRow("color cmyk") << Form::Color << v17(QColor::fromCmyk(10, 20, 30, 40));
    QTest::newRow("color hsl") << Form::Color << v17(QColor::fromHsl(10, 20, 30));
    QTest::newRow("color extended rgb") << Form::Color << v17(QColor::fromRgbF(1.5, -0.5, 0.2).toExtendedRgb());

    QTest::newRow("string null") << Form::String << v17(QString());
    QTest::newRow("string empty") << Form::String << v17(QString(""));
    QTest::newRow("string text") << Form::String << v17(QStringLiteral("Straße 漢"));
}

void TestPrintElementBytes::qtFormsAreWalkedExactly()
{
    QFETCH(Form, form);
    QFETCH(QByteArray, bytes);

    const QByteArray padded = QByteArray("pre") + bytes + QByteArray("post");
    StreamCheck check(padded, 3);
    bool ok = false;
    switch (form) {
    case Form::Pen: ok = check.pen(); break;
    case Form::Brush: ok = check.brush(); break;
    case Form::Path: ok = check.path(); break;
    case Form::Image: ok = check.image(); break;
    case Form::Color: ok = check.color(); break;
    case Form::String: ok = check.string(); break;
    }
    QVERIFY(ok);
    QCOMPARE(check.pos(), qint64(3 + bytes.size()));
}

void TestPrintElementBytes::implausibleQtFormsAreRefused_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray plainBrush = v17(QBrush(Qt::red));
    const QByteArray identity = v17(QTransform());
    const QByteArray color = v17(QColor(Qt::red));
    const QByteArray image = v17(testImage(4, 3));

    QTest::newRow("string odd length") << Form::String << u32(3) + QByteArray(3, 'a');
    QTest::newRow("string longer than the bytes") << Form::String << u32(0xfffffffe) + QByteArray(8, 'a');
    QTest::newRow("color model 9") << Form::Color << QByteArray(1, 9) + QByteArray(10, 0);
    QTest::newRow("color model -1") << Form::Color << QByteArray(1, char(-1)) + QByteArray(10, 0);

    QTest::newRow("image huge header") << Form::Image << withPngSize(image, 100000, 100000);
    QTest::newRow("image just over the pixel cap")
        << Form::Image << withPngSize(image, 8192, 4097);
    QTest::newRow("image zero width") << Form::Image << withPngSize(image, 0, 10);
    QTest::newRow("image without signature") << Form::Image << i32(1) + image.mid(12);
    QTest::newRow("image chunk longer than the bytes") << Form::Image << image.left(image.indexOf("IDAT") - 4) + u32(0x7fff0000) + "IDAT";
    QTest::newRow("image without end chunk") << Form::Image << image.left(image.indexOf("IEND") - 4);

    const auto brush = [&](quint8 style, const QByteArray &rest) { return v17(style) + color + rest; };
    QTest::newRow("brush style 20") << Form::Brush << brush(20, identity);
    QTest::newRow("brush style 255") << Form::Brush << brush(255, identity);
    QTest::newRow("brush gradient of the wrong type")
        << Form::Brush << brush(15, i32(2) + i32(0) + i32(0) + i32(0) + u32(0) + f64(0) + f64(0) + f64(0) + identity);
    QTest::newRow("brush gradient spread 3")
        << Form::Brush << brush(15, i32(0) + i32(3) + i32(0) + i32(0) + u32(0) + QByteArray(32, 0) + identity);
    QTest::newRow("brush gradient huge stop count")
        << Form::Brush << brush(15, i32(0) + i32(0) + i32(0) + i32(0) + u32(0xfffffff0) + QByteArray(100, 0));
    QTest::newRow("brush gradient stop not finite")
        << Form::Brush << brush(15, i32(0) + i32(0) + i32(0) + i32(0) + u32(1) + f64(qQNaN()) + color + QByteArray(32, 0) + identity);
    QTest::newRow("brush transform not finite")
        << Form::Brush << brush(1, f64(1) + f64(qInf()) + QByteArray(56, 0));
    QTest::newRow("brush texture with huge image")
        << Form::Brush << brush(24, withPngSize(image, 60000, 60000) + identity);

    const auto pen = [&](quint16 flags, double width, const QByteArray &dashes) {
        return v17(flags) + v17(false) + f64(width) + plainBrush + f64(2) + dashes + f64(0) + v17(false);
    };
    QVERIFY(StreamCheck(pen(0x1 | 0x20 | 0x80, 1, u32(0)), 0).pen()); // the helper itself is sound
    QTest::newRow("pen style 7") << Form::Pen << pen(7, 1, u32(0));
    QTest::newRow("pen cap 0x30") << Form::Pen << pen(0x31, 1, u32(0));
    QTest::newRow("pen join 0xc0") << Form::Pen << pen(0xc1, 1, u32(0));
    QTest::newRow("pen stray flag") << Form::Pen << pen(0x201, 1, u32(0));
    QTest::newRow("pen negative width") << Form::Pen << pen(1, -2, u32(0));
    QTest::newRow("pen huge dash count") << Form::Pen << pen(6, 1, u32(0x7fffffff) + QByteArray(64, 0));
    QTest::newRow("pen dash not finite") << Form::Pen << pen(6, 1, u32(2) + f64(1) + f64(qInf()));

    using E = QPair<qint32, QPointF>;
    QTest::newRow("path negative count") << Form::Path << i32(-1) + i32(0) + i32(0);
    QTest::newRow("path huge count") << Form::Path << i32(0x10000000) + QByteArray(100, 0);
    QTest::newRow("path starts with a line") << Form::Path << rawPath({E(1, {0, 0}), E(1, {1, 1})});
    QTest::newRow("path curve with one control")
        << Form::Path << rawPath({E(0, {0, 0}), E(2, {1, 1}), E(3, {2, 2}), E(1, {3, 3})});
    QTest::newRow("path curve cut at the end") << Form::Path << rawPath({E(0, {0, 0}), E(2, {1, 1}), E(3, {2, 2})});
    QTest::newRow("path stray control data") << Form::Path << rawPath({E(0, {0, 0}), E(3, {1, 1})});
    QTest::newRow("path element type 7") << Form::Path << rawPath({E(0, {0, 0}), E(7, {1, 1})});
    QTest::newRow("path subpath start past the end") << Form::Path << rawPath({E(0, {0, 0}), E(1, {1, 1})}, 2);
    QTest::newRow("path subpath start negative") << Form::Path << rawPath({E(0, {0, 0}), E(1, {1, 1})}, -1);
    QTest::newRow("path fill rule 2") << Form::Path << rawPath({E(0, {0, 0}), E(1, {1, 1})}, 0, 2);
    QTest::newRow("path coordinate not finite") << Form::Path << rawPath({E(0, {0, 0}), E(1, {qQNaN(), 1})});
}

void TestPrintElementBytes::implausibleQtFormsAreRefused()
{
    QFETCH(Form, form);
    QFETCH(QByteArray, bytes);

    StreamCheck check(bytes, 0);
    bool ok = true;
    switch (form) {
    case Form::Pen: ok = check.pen(); break;
    case Form::Brush: ok = check.brush(); break;
    case Form::Path: ok = check.path(); break;
    case Form::Image: ok = check.image(); break;
    case Form::Color: ok = check.color(); break;
    case Form::String: ok = check.string(); break;
    }
    QVERIFY(!ok);
}

void TestPrintElementBytes::nestingIsLimited()
{
    // The element itself plus MaxNestingDepth levels of groups below it still read.
    const int levels = PrintElement::MaxNestingDepth + 1;
    PrintElement deepest;
    QVERIFY(deepest.fromByteArray(nestedChain(levels)));
    const PrintElement *e = &deepest;
    for (int i = 1; i < levels; ++i) {
        QCOMPARE(e->children()->size(), 1);
        e = &e->children()->at(0);
    }
    QVERIFY(e->children()->isEmpty());

    PrintElement tooDeep = PrintElement::makeRect(QRectF(0, 0, 1, 1));
    QVERIFY(!tooDeep.fromByteArray(nestedChain(levels + 1)));
    QVERIFY(tooDeep.children()->isEmpty());
    QCOMPARE(tooDeep.toByteArray(), PrintElement().toByteArray());
}

void TestPrintElementBytes::badBytesGiveFalseAndADefaultElement_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray rich = richElement().toByteArray();
    QTest::newRow("empty") << QByteArray();
    const int image = rich.indexOf("\x89PNG");
    QVector<int> cuts = {1, 3, 4, 20, 100, image + 5, rich.indexOf("IHDR") + 6, rich.indexOf("IDAT") + 10,
                         rich.indexOf("IEND") + 2, rich.size() / 3, rich.size() / 2, rich.size() * 2 / 3,
                         rich.size() - 5, rich.size() - 1};
    for (int cut : cuts)
        QTest::addRow("truncated at %d of %d", cut, int(rich.size())) << rich.left(cut);

    RawElement e;
    e.points = i32(-1);
    QTest::newRow("negative point count") << e.bytes();
    e.points = i32(std::numeric_limits<qint32>::max());
    QTest::newRow("huge point count") << e.bytes();
    e.points = i32(3) + f64(1) + f64(2) + f64(3) + f64(4);
    QTest::newRow("point count beyond the data") << e.bytes();
    e.points = pointBytes({{1, qInf()}, {2, 2}});
    QTest::newRow("point not finite") << e.bytes();

    e = RawElement();
    e.childCount = i32(-1);
    QTest::newRow("negative child count") << e.bytes();
    e.childCount = i32(std::numeric_limits<qint32>::max());
    e.children = RawElement().bytes();
    QTest::newRow("huge child count") << e.bytes();
    e.childCount = i32(3);
    e.children = RawElement().bytes() + RawElement().bytes();
    QTest::newRow("fewer children than counted") << e.bytes();

    RawElement broken;
    broken.points = i32(-7);
    e = RawElement();
    e.kind = PrintElement::Group;
    e.childCount = i32(2);
    e.children = RawElement().bytes() + broken.bytes();
    QTest::newRow("second child broken") << e.bytes();
    e.children = PrintElement::makeRect(QRectF(0, 0, 5, 5)).toByteArray() + nestedChain(100);
    QTest::newRow("deep nesting below a child") << e.bytes();
    QTest::newRow("deep nesting") << nestedChain(1000);

    e = RawElement();
    e.text = u32(0x7ffffffe);
    QTest::newRow("huge text length") << e.bytes();
    e.text = u32(5) + QByteArray(5, 'a');
    QTest::newRow("odd text length") << e.bytes();

    e = RawElement();
    const QByteArray goodImage = v17(testImage(20, 20));
    e.image = withBrokenPixels(goodImage);
    QTest::newRow("broken PNG pixels") << e.bytes();
    e.image = withPngSize(goodImage, 50000, 50000);
    QTest::newRow("huge PNG header") << e.bytes();
    e.image = i32(1) + QByteArray(30, 'x');
    QTest::newRow("not a PNG") << e.bytes();

    e = RawElement();
    QByteArray pen = v17(QPen(Qt::red, 1, Qt::CustomDashLine));
    const int dashCount = pen.size() - 1 - 8 - 4;
    QCOMPARE(pen.mid(dashCount, 4), u32(0));
    pen.replace(dashCount, 4, u32(0x7ffffff0));
    e.pen = pen;
    QTest::newRow("pen huge dash count") << e.bytes();

    e = RawElement();
    QByteArray gradient = v17(QBrush(QLinearGradient(0, 0, 1, 1)));
    QCOMPARE(gradient.mid(1 + 11 + 16, 4), u32(2)); // Qt writes its implicit black-to-white stops
    gradient.replace(1 + 11 + 16, 4, u32(0x7ffffff0));
    e.brush = gradient;
    QTest::newRow("brush huge stop count") << e.bytes();

    using E = QPair<qint32, QPointF>;
    e = RawElement();
    e.kind = PrintElement::Path;
    e.path = rawPath({E(0, {0, 0}), E(2, {1, 1}), E(1, {2, 2})});
    QTest::newRow("path curve without its controls") << e.bytes();
    e.path = rawPath({E(0, {0, 0}), E(1, {1, 1})}, 9);
    QTest::newRow("path subpath start out of range") << e.bytes();
    e.path = i32(50000000) + rawPath({E(0, {0, 0})});
    QTest::newRow("path huge element count") << e.bytes();
}

void TestPrintElementBytes::badBytesGiveFalseAndADefaultElement()
{
    QFETCH(QByteArray, bytes);

    QFont font;
    font.setPixelSize(40);
    PrintElement element = PrintElement::makeText(QRectF(1, 2, 3, 4), QStringLiteral("alt"), font,
                                                  Qt::AlignRight, Qt::red, true);
    element.setId(QStringLiteral("old"));
    element.addChild(PrintElement());

    bool read = true;
    {
        const AddressSpaceCap cap(512LL * 1024 * 1024);
        QVERIFY(cap.active());
        read = element.fromByteArray(bytes);
    }
    QVERIFY(!read);
    QVERIFY(describeSerialisedDifference(PrintElement(), element).isEmpty());
    QVERIFY(element.id().isEmpty());

    const PrintElement constructed(bytes);
    QVERIFY(describeSerialisedDifference(PrintElement(), constructed).isEmpty());
}

QTEST_MAIN(TestPrintElementBytes)
#include "tst_printelementbytes.moc"
