#pragma once

#include <QColor>
#include <QDomDocument>
#include <QDomElement>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QPainterPath>
#include <QStaticText>
#include <QString>

class Camera;
class Object3D;
class QMouseEvent;
class QPainter;
class System3D;
class Window3D;

// A text box painted over the 3D picture, anchored to a point in space (the origin of its own
// frame, which follows the owner's frame) and offset from it by a user-draggable amount in
// pixels, with an optional pointer from the box to the anchor.
class Label3D
{
public:
    // The font size is the configured label font size.
    explicit Label3D(Object3D *owner = nullptr);
    ~Label3D();
    Label3D(const Label3D &) = delete;
    Label3D &operator=(const Label3D &) = delete;

    QString text() const { return m_text; }
    void setText(const QString &text);
    // The point size becomes size truncated to an integer.
    void setFontSize(double size);
    QFont font() const { return m_font; }
    void setBackground(const QColor &color) { m_background = color; }
    QColor background() const { return m_background; }
    void setRounded(bool rounded) { m_rounded = rounded; }
    bool isRounded() const { return m_rounded; }
    void setPointer(bool pointer) { m_pointer = pointer; }
    bool hasPointer() const { return m_pointer; }
    void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }

    QPointF offset() const { return QPointF(m_x, m_y); }
    void setOffset(const QPointF &offset);
    // The text box (left and top 0), from the text and the font.
    QRectF box() const { return m_box; }
    Object3D *owner() const { return m_owner; }
    // The anchor's frame; its reference is the owner's frame.
    System3D *frame() const { return m_frame; }

    // Where the box's corner goes: the projected anchor plus the offset. inFront tells whether
    // the anchor lies before the camera's far side (depth below 1).
    QPointF anchorPoint(const Camera *camera, bool *inFront) const;
    bool contains(const QPoint &pos, const Camera *camera) const;

    void mousePressEvent(QMouseEvent *event);
    // A drag with exactly the left button moves the box and asks the view for a frame.
    void mouseMoveEvent(QMouseEvent *event, Window3D *view);

    // The box and text over the picture; scale > 1 for pictures larger than the window (print).
    // Nothing for a hidden or empty label or an anchor that is not in front.
    void paint(QPainter *painter, const Camera *camera, double scale) const;

    // An element with "x", "y", "Visible" and a child "Text"; font, colours, pointer and
    // rounding are not stored.
    QDomElement domElement(const QString &tagName, QDomDocument &document) const;
    void initFromDOMElement(const QDomElement &element);

    // The number of lines the words of text make when neighbours are joined while the pair stays
    // narrower than 150 pixels; a word ending in a line break is never joined with the next.
    static int wrappedLineCount(const QString &text, const QFont &font);

private:
    void updateSize();
    void layOut(double scale) const;
    void drawLaidOut(QPainter *painter) const;
    void makeSprite() const;

    double m_x = 0.0;
    double m_y = 0.0;
    QString m_text;
    QRectF m_box;
    QFont m_font;
    QColor m_background = QColor(240, 230, 150, 200);
    bool m_visible = true;
    bool m_pointer = true;
    bool m_rounded = true;
    int m_lastMouseX = 0;
    int m_lastMouseY = 0;
    Object3D *m_owner = nullptr;
    System3D *m_frame = nullptr;

    // The outline and text as last laid out by paint, relative to the anchor, and what they were
    // laid out for.
    mutable QPainterPath m_outline;
    mutable QStaticText m_staticText;
    mutable QPointF m_textPosition;
    mutable QImage m_sprite;
    mutable QPointF m_spriteOrigin;
    mutable QFont m_paintedTextFont;
    mutable bool m_painted = false;
    mutable double m_paintedScale = 0.0;
    mutable QPointF m_paintedOffset;
    mutable QString m_paintedText;
    mutable QFont m_paintedFont;
    mutable bool m_paintedRounded = true;
    mutable bool m_paintedPointer = true;
};
