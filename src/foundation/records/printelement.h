#pragma once

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QGraphicsItem;
class QGraphicsScene;
class QPainter;

// One drawable of a report display list. The same value paints itself with a QPainter (print,
// PDF, pictures), turns itself into scene items (preview, letterhead designer) and serialises
// itself into bytes (the letterhead stored with each company).
class PrintElement
{
public:
    enum Kind {
        Polyline = 0,
        Rectangle = 1,
        Circle = 2,
        Image = 3,
        Text = 4,
        RichText = 5,
        Group = 6,
        Path = 7
    };

    // Groups nested deeper than this below the element being read make the bytes invalid.
    static constexpr int MaxNestingDepth = 32;

    PrintElement();
    // Reads the element from bytes; invalid bytes give a default element.
    explicit PrintElement(const QByteArray &bytes);

    static PrintElement makePolyline(const QVector<QPointF> &points);
    static PrintElement makeRect(const QRectF &rect);
    // The circle keeps the top-left corner of its bounding square and (diameter, 0) as points.
    static PrintElement makeCircle(const QPointF &topLeft, double diameter);
    static PrintElement makeImage(const QRectF &rect, const QImage &image, bool frame, bool scaled);
    static PrintElement makeText(const QRectF &rect, const QString &text, const QFont &font,
                                 int alignment, const QColor &color, bool frame);
    static PrintElement makeRichText(const QRectF &rect, const QString &html, bool frame);
    static PrintElement makeGroup(const QRectF &rect, bool frame);
    static PrintElement makePath(const QPainterPath &path, bool frame);

    // The rectangle spanned by the first two points; null when there are fewer.
    QRectF rect() const;
    // Replaces the points by the rectangle's top-left and bottom-right corners.
    void setRect(const QRectF &rect);

    int kind() const { return m_kind; }
    QString text() const { return m_text; }
    bool hasFrame() const { return m_frame; }
    bool keepUnscaled() const { return m_keepUnscaled; }
    const QVector<QPointF> &points() const { return m_points; }
    QImage image() const { return m_image; }
    QPen pen() const { return m_pen; }
    QBrush brush() const { return m_brush; }
    QFont font() const { return m_font; }
    int alignment() const { return m_alignment; }
    QPainterPath path() const { return m_path; }

    QString id() const { return m_id; }
    void setId(const QString &id) { m_id = id; }

    QVector<PrintElement> *children() { return &m_children; }
    const QVector<PrintElement> *children() const { return &m_children; }
    void addChild(const PrintElement &child) { m_children.append(child); }

    void setPen(const QPen &pen) { m_pen = pen; }
    void setBrush(const QBrush &brush) { m_brush = brush; }
    void setImage(const QImage &image) { m_image = image; }
    void setImageScaled(bool scaled) { m_keepUnscaled = !scaled; }

    void paint(QPainter *painter) const;
    // Adds the element's items to the scene (which owns them) and returns them in creation order.
    QVector<QGraphicsItem *> toGraphicsItems(QGraphicsScene *scene) const;

    QByteArray toByteArray() const;
    // Replaces this element by the one in the bytes. Bytes that do not hold a whole valid
    // element (they come from user files) leave a default element and give false.
    bool fromByteArray(const QByteArray &bytes);

private:
    QVector<QPointF> m_points;
    QString m_id;
    QString m_text;
    QImage m_image;
    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    int m_alignment = 0;
    QPainterPath m_path;
    int m_kind = Polyline;
    bool m_frame = false;
    bool m_keepUnscaled = false;
    QVector<PrintElement> m_children;

    friend class PrintElementReader;
};

// The part of r (relative to r's top-left corner) that the image fills when it is scaled to fit
// with its aspect ratio kept and centred. Empty for a null image or an empty rectangle.
QRectF fitImageRect(const QRectF &r, const QImage &image);

// A wave of quadratic curves from one point to another, alternating sides by amplitude. With
// fewer than one segment the path holds only the start point.
QPainterPath wavyPath(const QPointF &from, const QPointF &to, int segments, double amplitude);
