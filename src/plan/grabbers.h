#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QPen>
#include <QPointF>

// A small red resize handle, a child of its element. It is shown only while the element is
// hovered; its own mouse handlers ignore every event, the element receives them through its
// scene event filter and does the resizing.
class Grabber : public QGraphicsItem
{
public:
    enum MouseState { Released = 0, Pressed = 1, Moving = 2 };

    Grabber(QGraphicsItem *parent, int index);

    int index() const { return m_index; }
    int mouseState() const { return m_mouseState; }
    void setMouseState(int state) { m_mouseState = state; }
    // Where the press happened, in the handle's coordinates.
    QPointF mouseDownPos() const { return m_mouseDownPos; }
    void setMouseDownPos(const QPointF &pos) { m_mouseDownPos = pos; }

    // The handle's size follows its element's thickness; call before that changes.
    void aboutToResize() { prepareGeometryChange(); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    // The element's thickness as a whole number; 0 when the parent is no plan element.
    int parentThickness() const;

    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

    QColor m_color = Qt::red;
    QPen m_pen;
    double m_width = 6.0;
    double m_height = 6.0;

private:
    QPointF m_mouseDownPos;
    int m_index;
    int m_mouseState = Released;
};

// Corner handle of a box: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
class CornerGrabber : public Grabber
{
public:
    enum { Type = UserType + 1 };
    CornerGrabber(QGraphicsItem *parent, int corner)
        : Grabber(parent, corner)
    {
    }
    int type() const override { return Type; }
    QRectF boundingRect() const override;
};

// Side handle of a box: 0 top, 1 right, 2 bottom, 3 left.
class SideGrabber : public Grabber
{
public:
    enum { Type = UserType + 2 };
    SideGrabber(QGraphicsItem *parent, int side)
        : Grabber(parent, side)
    {
    }
    int type() const override { return Type; }
    QRectF boundingRect() const override;
};

// End handle of a line: 0 start, 1 end. Over a line it paints a red square of the line's width
// over the line's end.
class LineCornerGrabber : public Grabber
{
public:
    enum { Type = UserType + 3 };
    LineCornerGrabber(QGraphicsItem *parent, int end)
        : Grabber(parent, end)
    {
    }
    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};
