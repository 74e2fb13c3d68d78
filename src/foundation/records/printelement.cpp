#include "foundation/records/printelement.h"

#include "foundation/records/boundedpixmapitem.h"
#include "foundation/records/streamcheck.h"

#include <QBuffer>
#include <QDataStream>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QTextDocument>
#include <QTextOption>
#include <QVector2D>

#include <cmath>

namespace {

constexpr QDataStream::Version StreamVersion = QDataStream::Qt_5_7; // 17

// The shortest possible element: no points, null text and image, a plain pen and brush, an
// empty path, no children. A child count above what the remaining bytes can hold is refused.
constexpr qint64 MinBrushBytes = 1 + 11 + 9 * 8;
constexpr qint64 MinPenBytes = 2 + 1 + 8 + MinBrushBytes + 8 + 4 + 8 + 1;
constexpr qint64 MinElementBytes = 4 + 4 + 4 + MinPenBytes + MinBrushBytes + 4 + 4 + 1 + 1 + 4;

QPen defaultPen()
{
    QPen pen;
    pen.setWidthF(0.4);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath polylinePath(const QVector<QPointF> &points)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.first());
    for (int i = 1; i < points.size(); ++i)
        path.lineTo(points.at(i));
    return path;
}

} // namespace

// Reads the stream form of an element. Every Qt sub-form is checked by StreamCheck before Qt's
// reader sees it, and Qt's reader must then stop exactly where the check did.
class PrintElementReader
{
public:
    explicit PrintElementReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        m_buffer.setData(bytes);
        m_buffer.open(QIODevice::ReadOnly);
        m_stream.setDevice(&m_buffer);
        m_stream.setVersion(StreamVersion);
    }

    bool read(PrintElement &element, int depth)
    {
        if (depth > PrintElement::MaxNestingDepth)
            return false;

        qint32 pointCount = 0;
        m_stream >> pointCount;
        if (!ok() || pointCount < 0 || pointCount > remaining() / 16)
            return false;
        element.m_points.reserve(pointCount);
        for (qint32 i = 0; i < pointCount; ++i) {
            double x = 0, y = 0;
            m_stream >> x >> y;
            if (!ok() || !StreamCheck::isSane(x) || !StreamCheck::isSane(y))
                return false;
            element.m_points.append(QPointF(x, y));
        }

        if (!checked(&StreamCheck::string, element.m_text)
            || !checked(&StreamCheck::image, element.m_image)
            || !checked(&StreamCheck::pen, element.m_pen)
            || !checked(&StreamCheck::brush, element.m_brush)
            || !checked(&StreamCheck::path, element.m_path))
            return false;

        qint32 kind = 0;
        bool frame = false, keepUnscaled = false;
        qint32 childCount = 0;
        m_stream >> kind >> frame >> keepUnscaled >> childCount;
        if (!ok() || childCount < 0 || childCount > remaining() / MinElementBytes)
            return false;
        element.m_kind = kind;
        element.m_frame = frame;
        element.m_keepUnscaled = keepUnscaled;

        for (qint32 i = 0; i < childCount; ++i) {
            PrintElement child;
            if (!read(child, depth + 1))
                return false;
            element.m_children.append(child);
        }
        return true;
    }

private:
    bool ok() const { return m_stream.status() == QDataStream::Ok; }
    qint64 remaining() const { return m_bytes.size() - m_buffer.pos(); }

    template <typename T>
    bool checked(bool (StreamCheck::*check)(), T &value)
    {
        StreamCheck scan(m_bytes, m_buffer.pos());
        if (!(scan.*check)())
            return false;
        m_stream >> value;
        return ok() && m_buffer.pos() == scan.pos();
    }

    const QByteArray &m_bytes;
    QBuffer m_buffer;
    QDataStream m_stream;
};

PrintElement::PrintElement()
    : m_pen(defaultPen())
    , m_brush(Qt::transparent, Qt::NoBrush)
{
}

PrintElement::PrintElement(const QByteArray &bytes)
    : PrintElement()
{
    fromByteArray(bytes);
}

PrintElement PrintElement::makePolyline(const QVector<QPointF> &points)
{
    PrintElement e;
    e.m_points = points;
    e.m_kind = Polyline;
    return e;
}

PrintElement PrintElement::makeRect(const QRectF &rect)
{
    PrintElement e;
    e.setRect(rect);
    e.m_kind = Rectangle;
    return e;
}

PrintElement PrintElement::makeCircle(const QPointF &topLeft, double diameter)
{
    PrintElement e;
    e.m_points = {topLeft, QPointF(diameter, 0)};
    e.m_kind = Circle;
    return e;
}

PrintElement PrintElement::makeImage(const QRectF &rect, const QImage &image, bool frame, bool scaled)
{
    PrintElement e;
    e.setRect(rect);
    e.m_image = image;
    e.m_kind = Image;
    e.m_frame = frame;
    e.m_keepUnscaled = !scaled;
    return e;
}

PrintElement PrintElement::makeText(const QRectF &rect, const QString &text, const QFont &font,
                                    int alignment, const QColor &color, bool frame)
{
    PrintElement e;
    e.setRect(rect);
    e.m_text = text;
    e.m_font = font;
    e.m_alignment = alignment;
    e.m_brush = QBrush(color);
    e.m_pen = QPen(color);
    e.m_kind = Text;
    e.m_frame = frame;
    return e;
}

PrintElement PrintElement::makeRichText(const QRectF &rect, const QString &html, bool frame)
{
    PrintElement e;
    e.setRect(rect);
    e.m_text = html;
    e.m_kind = RichText;
    e.m_frame = frame;
    return e;
}

PrintElement PrintElement::makeGroup(const QRectF &rect, bool frame)
{
    PrintElement e;
    e.setRect(rect);
    e.m_kind = Group;
    e.m_frame = frame;
    return e;
}

PrintElement PrintElement::makePath(const QPainterPath &path, bool frame)
{
    PrintElement e;
    e.setRect(path.boundingRect());
    e.m_path = path;
    e.m_kind = Path;
    e.m_frame = frame;
    return e;
}

QRectF PrintElement::rect() const
{
    if (m_points.size() < 2)
        return QRectF();
    return QRectF(m_points.at(0), m_points.at(1));
}

void PrintElement::setRect(const QRectF &rect)
{
    m_points = {rect.topLeft(), QPointF(rect.x() + rect.width(), rect.y() + rect.height())};
}

namespace {

using Items = QVector<QGraphicsItem *>;

// The kinds this program draws. Bytes from files may carry others; those are kept as they are
// (they read and write like any other) but draw nothing. Path is the last kind.
bool isKnownKind(int kind)
{
    return kind >= PrintElement::Polyline && kind <= PrintElement::Path;
}

// Whether a frame set on the element is drawn around its rectangle.
bool drawsFrame(PrintElement::Kind kind)
{
    switch (kind) {
    case PrintElement::Polyline:
    case PrintElement::Rectangle:
    case PrintElement::Circle:
        return false;
    case PrintElement::Image:
    case PrintElement::Text:
    case PrintElement::RichText:
    case PrintElement::Group:
    case PrintElement::Path:
        return true;
    }
    return false;
}

// Every kind but the polyline and the path needs its two points; without them there is nothing
// to place, and the frame has no rectangle either.
bool hasRect(const PrintElement &e)
{
    return e.points().size() >= 2;
}

// The circle's bounding square: its top-left corner and the diameter kept as the second point.
QRectF circleRect(const PrintElement &e)
{
    const double d = e.points().at(1).x();
    return QRectF(e.points().at(0).x(), e.points().at(0).y(), d, d);
}

void addItem(QGraphicsScene *scene, Items &items, QGraphicsItem *item)
{
    scene->addItem(item);
    items.append(item);
}

template <typename Item>
void addOutlined(QGraphicsScene *scene, Items &items, Item *item, const QPen &pen, const QBrush &brush)
{
    item->setPen(pen);
    item->setBrush(brush);
    addItem(scene, items, item);
}

void paintPolyline(const PrintElement &e, QPainter *painter)
{
    if (e.points().isEmpty())
        return;
    painter->setPen(e.pen());
    painter->setBrush(e.brush());
    painter->drawPath(polylinePath(e.points()));
}

void polylineItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    addOutlined(scene, items, new QGraphicsPathItem(polylinePath(e.points())), e.pen(), e.brush());
}

void paintRectangle(const PrintElement &e, QPainter *painter)
{
    if (!hasRect(e))
        return;
    painter->setPen(e.pen());
    painter->setBrush(e.brush());
    painter->drawRect(e.rect());
}

void rectangleItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (hasRect(e))
        addOutlined(scene, items, new QGraphicsRectItem(e.rect()), e.pen(), e.brush());
}

void paintCircle(const PrintElement &e, QPainter *painter)
{
    if (!hasRect(e))
        return;
    painter->setPen(e.pen());
    painter->setBrush(e.brush());
    painter->drawEllipse(circleRect(e));
}

void circleItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (hasRect(e))
        addOutlined(scene, items, new QGraphicsEllipseItem(circleRect(e)), e.pen(), e.brush());
}

void paintImage(const PrintElement &e, QPainter *painter)
{
    const QImage image = e.image();
    if (!hasRect(e) || image.isNull())
        return;
    const QPointF corner = e.points().at(0);
    if (e.keepUnscaled()) {
        // Only the part of the image inside the rectangle is drawn, at natural size. A part
        // rather than a clip: clip changes recorded into a picture (a group) can make Qt's raster
        // engine stroke later outlines against a freed clip when replayed.
        const QRectF placed(corner, QSizeF(image.size()));
        const QRectF visible = placed.intersected(e.rect().normalized());
        if (!visible.isEmpty())
            painter->drawImage(visible, image, visible.translated(-corner));
        return;
    }
    const QRectF fitted = fitImageRect(e.rect(), image);
    if (!fitted.isEmpty())
        painter->drawImage(fitted.translated(corner), image);
}

void imageItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (!hasRect(e))
        return;
    const QRectF r = e.rect();
    const QImage image = e.image();
    auto *item = new BoundedPixmapItem;
    item->setBounds(QRectF(0, 0, r.width(), r.height()));
    if (e.keepUnscaled()) {
        item->setPixmap(QPixmap::fromImage(image));
        item->setPos(e.points().at(0));
    } else {
        const QRectF fitted = fitImageRect(r, image);
        if (!fitted.isEmpty()) {
            item->setPixmap(QPixmap::fromImage(
                image.scaled(fitted.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
        item->setPos(e.points().at(0) + fitted.topLeft());
    }
    item->setTransformationMode(Qt::SmoothTransformation);
    item->setData(0, e.id());
    addItem(scene, items, item);
}

void paintText(const PrintElement &e, QPainter *painter)
{
    if (!hasRect(e))
        return;
    painter->setFont(e.font());
    painter->setPen(e.pen());
    // Not clipped to its box: the box is a line spacing high, less than the font's height, so
    // Qt would clip nearly every line, and in a PDF each clip is a graphics state with two clip
    // paths, a large part of every page's contents. Unclipped, descenders show whole, as in the
    // preview. A text with tabs keeps the tab stops (and the clip) it always had.
    if (e.text().contains(QLatin1Char('\t'))) {
        painter->drawText(e.rect(), e.text(), QTextOption(Qt::Alignment(e.alignment())));
        return;
    }
    painter->drawText(e.rect(), e.alignment() | Qt::TextWordWrap | Qt::TextDontClip, e.text());
}

void textItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (!hasRect(e))
        return;
    auto *item = new QGraphicsSimpleTextItem(e.text());
    item->setPos(e.points().at(0));
    item->setBrush(e.brush());
    item->setFont(e.font());
    // Only a pure horizontal alignment moves the item; combined flags leave it in place.
    const double room = e.rect().width() - QFontMetricsF(e.font()).horizontalAdvance(e.text());
    if (e.alignment() == Qt::AlignRight)
        item->moveBy(room, 0);
    else if (e.alignment() == Qt::AlignHCenter)
        item->moveBy(room / 2, 0);
    addItem(scene, items, item);
}

// A rich text's drawing, recorded once per text, width, default font and palette (the document
// draws in both). Every page repeats the letterhead's address and contact, and laying out an HTML
// document is far dearer than replaying what it drew.
struct RichTextKey
{
    QString html;
    double width;
    QFont font;
    qint64 palette;

    bool operator==(const RichTextKey &other) const
    {
        return width == other.width && palette == other.palette && html == other.html && font == other.font;
    }
};

uint qHash(const RichTextKey &key, uint seed)
{
    return ::qHash(key.html, seed) ^ ::qHash(key.width, seed) ^ ::qHash(key.font, seed) ^ ::qHash(key.palette, seed);
}

// A report holds a handful of different rich texts; past this many the recordings start again.
constexpr int RichTextCacheLimit = 64;

QPicture richTextPicture(const QString &html, double width)
{
    // Each thread keeps its own: QTextDocument and QPicture are not shared across threads.
    thread_local QHash<RichTextKey, QPicture> recorded;
    RichTextKey key{html, width, QGuiApplication::font(), QGuiApplication::palette().cacheKey()};
    const auto found = recorded.constFind(key);
    if (found != recorded.constEnd())
        return found.value();

    QTextDocument document;
    document.setTextWidth(width);
    document.setHtml(html);
    QPicture picture;
    QPainter recorder(&picture);
    document.drawContents(&recorder);
    recorder.end();
    if (recorded.size() >= RichTextCacheLimit)
        recorded.clear();
    recorded.insert(std::move(key), picture);
    return picture;
}

void paintRichText(const PrintElement &e, QPainter *painter)
{
    if (!hasRect(e))
        return;
    painter->drawPicture(e.points().at(0), richTextPicture(e.text(), e.rect().width()));
}

void richTextItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (!hasRect(e))
        return;
    auto *item = new QGraphicsTextItem(QString());
    item->setFont(QFont());
    item->setTextWidth(e.rect().width());
    item->setHtml(e.text());
    item->setPos(e.rect().topLeft());
    addItem(scene, items, item);
}

void paintGroup(const PrintElement &e, QPainter *painter)
{
    if (!hasRect(e))
        return;
    // Without a brush the ground would draw nothing, yet still cost every output its state.
    if (e.brush().style() != Qt::NoBrush) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(e.brush());
        painter->drawRect(e.rect());
    }
    // The children paint relative to the group's corner, each starting from a painter as fresh
    // as a new one. Painted directly rather than recorded into a picture and replayed: Qt's
    // raster engine can stroke against a freed clip when it replays pictures nested inside
    // pictures.
    painter->translate(e.points().at(0));
    painter->setPen(QPen());
    painter->setBrush(QBrush());
    painter->setFont(QFont());
    for (const PrintElement &child : *e.children())
        child.paint(painter);
}

void groupItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    if (!hasRect(e))
        return;
    addOutlined(scene, items, new QGraphicsRectItem(e.rect()), QPen(Qt::NoPen), e.brush());
    const QPointF corner = e.points().at(0);
    for (const PrintElement &child : *e.children()) {
        const Items childItems = child.toGraphicsItems(scene);
        for (QGraphicsItem *childItem : childItems) {
            childItem->moveBy(corner.x(), corner.y());
            items.append(childItem);
        }
    }
}

void paintPath(const PrintElement &e, QPainter *painter)
{
    painter->setPen(e.pen());
    painter->setBrush(e.brush());
    painter->drawPath(e.path());
}

void pathItems(const PrintElement &e, QGraphicsScene *scene, Items &items)
{
    addOutlined(scene, items, new QGraphicsPathItem(e.path()), e.pen(), e.brush());
}

} // namespace

void PrintElement::paint(QPainter *painter) const
{
    if (!painter || !isKnownKind(m_kind))
        return;
    const Kind kind = static_cast<Kind>(m_kind);

    painter->save();
    switch (kind) {
    case Polyline:
        paintPolyline(*this, painter);
        break;
    case Rectangle:
        paintRectangle(*this, painter);
        break;
    case Circle:
        paintCircle(*this, painter);
        break;
    case Image:
        paintImage(*this, painter);
        break;
    case Text:
        paintText(*this, painter);
        break;
    case RichText:
        paintRichText(*this, painter);
        break;
    case Group:
        paintGroup(*this, painter);
        break;
    case Path:
        paintPath(*this, painter);
        break;
    }
    painter->restore();

    if (m_frame && drawsFrame(kind) && hasRect(*this)) {
        painter->save();
        painter->setPen(m_pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect());
        painter->restore();
    }
}

QVector<QGraphicsItem *> PrintElement::toGraphicsItems(QGraphicsScene *scene) const
{
    Items items;
    if (!scene || !isKnownKind(m_kind))
        return items;
    const Kind kind = static_cast<Kind>(m_kind);

    switch (kind) {
    case Polyline:
        polylineItems(*this, scene, items);
        break;
    case Rectangle:
        rectangleItems(*this, scene, items);
        break;
    case Circle:
        circleItems(*this, scene, items);
        break;
    case Image:
        imageItems(*this, scene, items);
        break;
    case Text:
        textItems(*this, scene, items);
        break;
    case RichText:
        richTextItems(*this, scene, items);
        break;
    case Group:
        groupItems(*this, scene, items);
        break;
    case Path:
        pathItems(*this, scene, items);
        break;
    }

    if (m_frame && drawsFrame(kind) && hasRect(*this))
        addOutlined(scene, items, new QGraphicsRectItem(rect()), m_pen, QBrush(Qt::NoBrush));
    return items;
}

namespace {

void writeElement(QDataStream &s, const PrintElement &e)
{
    s << qint32(e.points().size());
    for (const QPointF &p : e.points())
        s << double(p.x()) << double(p.y());
    s << e.text() << e.image() << e.pen() << e.brush() << e.path();
    s << qint32(e.kind()) << e.hasFrame() << e.keepUnscaled();
    s << qint32(e.children()->size());
    for (const PrintElement &child : *e.children())
        writeElement(s, child);
}

} // namespace

QByteArray PrintElement::toByteArray() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);
    writeElement(stream, *this);
    return bytes;
}

bool PrintElement::fromByteArray(const QByteArray &bytes)
{
    PrintElement element;
    PrintElementReader reader(bytes);
    if (!reader.read(element, 0)) {
        *this = PrintElement();
        return false;
    }
    *this = element;
    return true;
}

QRectF fitImageRect(const QRectF &r, const QImage &image)
{
    const double iw = image.width();
    const double ih = image.height();
    const double w = r.width();
    const double h = r.height();
    if (image.isNull() || iw <= 0 || ih <= 0 || !(w > 0) || !(h > 0))
        return QRectF();
    if (iw / ih >= w / h) {
        const double fittedHeight = w * ih / iw;
        return QRectF(0, (h - fittedHeight) / 2, w, fittedHeight);
    }
    const double fittedWidth = h * iw / ih;
    return QRectF((w - fittedWidth) / 2, 0, fittedWidth, h);
}

QPainterPath wavyPath(const QPointF &from, const QPointF &to, int segments, double amplitude)
{
    QPainterPath path(from);
    if (segments < 1)
        return path;
    const QPointF step = (to - from) / segments;
    const QVector2D dir = QVector2D(step).normalized();
    const QPointF offset(dir.y() * amplitude, -dir.x() * amplitude);
    QPointF current = from;
    for (int i = 0; i < segments; ++i) {
        const QPointF end = current + step;
        const QPointF control = current + step / 2 + (i % 2 == 0 ? offset : -offset);
        path.quadTo(control, end);
        current = end;
    }
    return path;
}
