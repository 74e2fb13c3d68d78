#include "print/records/printelement.h"

#include "print/records/boundedpixmapitem.h"
#include "print/records/streamcheck.h"

#include <QBuffer>
#include <QDataStream>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
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

void PrintElement::paint(QPainter *painter) const
{
    if (!painter)
        return;
    // Every kind but the polyline and the path needs its two points; without them there is
    // nothing to place, and the frame has no rectangle either.
    const bool hasRect = m_points.size() >= 2;
    const QRectF r = rect();

    painter->save();
    switch (m_kind) {
    case Polyline:
        if (!m_points.isEmpty()) {
            painter->setPen(m_pen);
            painter->setBrush(m_brush);
            painter->drawPath(polylinePath(m_points));
        }
        break;
    case Rectangle:
        if (hasRect) {
            painter->setPen(m_pen);
            painter->setBrush(m_brush);
            painter->drawRect(r);
        }
        break;
    case Circle:
        if (hasRect) {
            const double d = m_points.at(1).x();
            painter->setPen(m_pen);
            painter->setBrush(m_brush);
            painter->drawEllipse(QRectF(m_points.at(0).x(), m_points.at(0).y(), d, d));
        }
        break;
    case Image:
        if (hasRect && !m_image.isNull()) {
            if (m_keepUnscaled) {
                // Only the part of the image inside the rectangle is drawn, at natural size. A
                // part rather than a clip: clip changes recorded into a picture (a group) can make
                // Qt's raster engine stroke later outlines against a freed clip when replayed.
                const QRectF placed(m_points.at(0), QSizeF(m_image.size()));
                const QRectF visible = placed.intersected(r.normalized());
                if (!visible.isEmpty())
                    painter->drawImage(visible, m_image, visible.translated(-m_points.at(0)));
            } else {
                const QRectF fitted = fitImageRect(r, m_image);
                if (!fitted.isEmpty())
                    painter->drawImage(fitted.translated(m_points.at(0)), m_image);
            }
        }
        break;
    case Text:
        if (hasRect) {
            const QTextOption option{Qt::Alignment(m_alignment)};
            painter->setFont(m_font);
            painter->setPen(m_pen);
            painter->drawText(r, m_text, option);
        }
        break;
    case RichText:
        if (hasRect) {
            QTextDocument document;
            document.setTextWidth(r.width());
            document.setHtml(m_text);
            QPicture picture;
            QPainter recorder(&picture);
            document.drawContents(&recorder);
            recorder.end();
            painter->drawPicture(m_points.at(0), picture);
        }
        break;
    case Group:
        if (hasRect) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(m_brush);
            painter->drawRect(r);
            // The children paint relative to the group's corner, each starting from a painter as
            // fresh as a new one. Painted directly rather than recorded into a picture and
            // replayed: Qt's raster engine can stroke against a freed clip when it replays
            // pictures nested inside pictures.
            painter->translate(m_points.at(0));
            painter->setPen(QPen());
            painter->setBrush(QBrush());
            painter->setFont(QFont());
            for (const PrintElement &child : m_children)
                child.paint(painter);
        }
        break;
    case Path:
        painter->setPen(m_pen);
        painter->setBrush(m_brush);
        painter->drawPath(m_path);
        break;
    default:
        break;
    }
    painter->restore();

    if (m_frame && m_kind >= Image && hasRect) {
        painter->save();
        painter->setPen(m_pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r);
        painter->restore();
    }
}

QVector<QGraphicsItem *> PrintElement::toGraphicsItems(QGraphicsScene *scene) const
{
    QVector<QGraphicsItem *> items;
    if (!scene)
        return items;
    const bool hasRect = m_points.size() >= 2;
    const QRectF r = rect();
    auto add = [&](QGraphicsItem *item) {
        scene->addItem(item);
        items.append(item);
    };

    switch (m_kind) {
    case Polyline: {
        auto *item = new QGraphicsPathItem(polylinePath(m_points));
        item->setPen(m_pen);
        item->setBrush(m_brush);
        add(item);
        break;
    }
    case Rectangle:
        if (hasRect) {
            auto *item = new QGraphicsRectItem(r);
            item->setPen(m_pen);
            item->setBrush(m_brush);
            add(item);
        }
        break;
    case Circle:
        if (hasRect) {
            const double d = m_points.at(1).x();
            auto *item = new QGraphicsEllipseItem(m_points.at(0).x(), m_points.at(0).y(), d, d);
            item->setPen(m_pen);
            item->setBrush(m_brush);
            add(item);
        }
        break;
    case Image:
        if (hasRect) {
            auto *item = new BoundedPixmapItem;
            item->setBounds(QRectF(0, 0, r.width(), r.height()));
            if (m_keepUnscaled) {
                item->setPixmap(QPixmap::fromImage(m_image));
                item->setPos(m_points.at(0));
            } else {
                const QRectF fitted = fitImageRect(r, m_image);
                if (!fitted.isEmpty()) {
                    item->setPixmap(QPixmap::fromImage(m_image.scaled(
                        fitted.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
                }
                item->setPos(m_points.at(0) + fitted.topLeft());
            }
            item->setTransformationMode(Qt::SmoothTransformation);
            item->setData(0, m_id);
            add(item);
        }
        break;
    case Text:
        if (hasRect) {
            auto *item = new QGraphicsSimpleTextItem(m_text);
            item->setPos(m_points.at(0));
            item->setBrush(m_brush);
            item->setFont(m_font);
            // Only a pure horizontal alignment moves the item; combined flags leave it in place.
            const double room = r.width() - QFontMetricsF(m_font).horizontalAdvance(m_text);
            if (m_alignment == Qt::AlignRight)
                item->moveBy(room, 0);
            else if (m_alignment == Qt::AlignHCenter)
                item->moveBy(room / 2, 0);
            add(item);
        }
        break;
    case RichText:
        if (hasRect) {
            auto *item = new QGraphicsTextItem(QString());
            item->setFont(QFont());
            item->setTextWidth(r.width());
            item->setHtml(m_text);
            item->setPos(r.topLeft());
            add(item);
        }
        break;
    case Group:
        if (hasRect) {
            auto *item = new QGraphicsRectItem(r);
            item->setPen(Qt::NoPen);
            item->setBrush(m_brush);
            add(item);
            const QPointF corner = m_points.at(0);
            for (const PrintElement &child : m_children) {
                const QVector<QGraphicsItem *> childItems = child.toGraphicsItems(scene);
                for (QGraphicsItem *childItem : childItems) {
                    childItem->moveBy(corner.x(), corner.y());
                    items.append(childItem);
                }
            }
        }
        break;
    case Path: {
        auto *item = new QGraphicsPathItem(m_path);
        item->setPen(m_pen);
        item->setBrush(m_brush);
        add(item);
        break;
    }
    default:
        break;
    }

    if (m_frame && m_kind >= Image && hasRect) {
        auto *item = new QGraphicsRectItem(r);
        item->setPen(m_pen);
        item->setBrush(Qt::NoBrush);
        add(item);
    }
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
