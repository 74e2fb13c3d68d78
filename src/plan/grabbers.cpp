#include "plan/grabbers.h"

#include "plan/selectablelineitem.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QVector2D>

namespace {

// Half the handle plus 5: the part around the handle's point that takes the mouse.
constexpr double Reach = 8.0;

// The handle grows by the thickness towards the inside of its element. Corners (and line ends)
// in the order top-left, top-right, bottom-right, bottom-left.
QRectF cornerRect(int corner, double t)
{
    switch (corner) {
    case 0:
        return QRectF(QPointF(-Reach, -Reach), QPointF(Reach + t, Reach + t));
    case 1:
        return QRectF(QPointF(-Reach - t, -Reach), QPointF(Reach, Reach + t));
    case 2:
        return QRectF(QPointF(-Reach - t, -Reach - t), QPointF(Reach, Reach));
    case 3:
        return QRectF(QPointF(-Reach, -Reach - t), QPointF(Reach + t, Reach));
    }
    return QRectF();
}

} // namespace

Grabber::Grabber(QGraphicsItem *parent, int index)
    : QGraphicsItem(parent)
    , m_pen(m_color)
    , m_index(index)
{
    setVisible(false);
    setAcceptHoverEvents(true);
}

int Grabber::parentThickness() const
{
    const SelectableItem *element = SelectableItem::fromItem(parentItem());
    return element ? wholeThickness(element->thickness()) : 0;
}

void Grabber::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    m_pen.setCapStyle(Qt::SquareCap);
    m_pen.setStyle(Qt::SolidLine);
    painter->setPen(m_pen);
    painter->fillRect(boundingRect().adjusted(5, 5, -5, -5), QBrush(m_color, Qt::SolidPattern));
}

void Grabber::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->ignore();
}

void Grabber::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    event->ignore();
}

void Grabber::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->ignore();
}

QRectF CornerGrabber::boundingRect() const
{
    return cornerRect(index(), parentThickness());
}

QRectF SideGrabber::boundingRect() const
{
    const double t = parentThickness();
    switch (index()) {
    case 0:
        return QRectF(QPointF(-Reach - t / 2, -Reach), QPointF(Reach + t / 2, Reach + t));
    case 1:
        return QRectF(QPointF(-Reach - t, -Reach - t / 2), QPointF(Reach, Reach + t / 2));
    case 2:
        return QRectF(QPointF(-Reach - t / 2, -Reach - t), QPointF(Reach + t / 2, Reach));
    case 3:
        return QRectF(QPointF(-Reach, -Reach - t / 2), QPointF(Reach + t, Reach + t / 2));
    }
    return QRectF();
}

QRectF LineCornerGrabber::boundingRect() const
{
    return cornerRect(index() == 0 ? 0 : 1, parentThickness());
}

void LineCornerGrabber::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const auto *line = qobject_cast<const SelectableLineItem *>(SelectableItem::fromItem(parentItem()));
    if (!line) {
        Grabber::paint(painter, option, widget);
        return;
    }
    // Both marks point into the line, so the square covers the line's own end.
    QVector2D direction = QVector2D(line->end()).normalized();
    if (index() == 1)
        direction = -direction;
    QPen pen = m_pen;
    pen.setCapStyle(Qt::SquareCap);
    pen.setStyle(Qt::SolidLine);
    pen.setWidthF(line->thickness());
    pen.setColor(Qt::red);
    painter->setPen(pen);
    painter->drawLine(QPointF(0, 0), direction.toPointF());
}
