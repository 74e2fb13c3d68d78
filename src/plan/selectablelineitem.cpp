#include "plan/selectablelineitem.h"

#include "plan/grabbers.h"
#include "plan/planxml.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QVector2D>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// The feet of the perpendiculars from p on the infinite lines through the lines, in their
// order; a line without direction has none.
QList<QPointF> feet(const QPointF &p, const QList<QLineF> &lines)
{
    QList<QPointF> found;
    for (const QLineF &line : lines) {
        const QLineF normal = line.normalVector();
        const QLineF toLine(p, p + (normal.p2() - normal.p1()));
        QPointF foot;
        if (toLine.intersects(line, &foot) != QLineF::NoIntersection)
            found << foot;
    }
    return found;
}

bool withinSnap(const QPointF &a, const QPointF &b)
{
    return QVector2D(a - b).length() < SelectableLineItem::SnapDistance;
}

} // namespace

SelectableLineItem::SelectableLineItem(const QPointF &end, QGraphicsItem *parent)
    : SelectableItem(parent)
    , m_end(end)
{
    createHandles();
}

SelectableLineItem::SelectableLineItem(const QDomElement &element, QGraphicsItem *parent)
    : SelectableItem(element, parent)
{
    for (const QDomElement &end : PlanXml::children(element, QStringLiteral("End")))
        m_end = QPointF(PlanXml::readNumber(end, QStringLiteral("x"), 0.0, &m_readProblems),
                        PlanXml::readNumber(end, QStringLiteral("y"), 0.0, &m_readProblems));
    createHandles();
}

void SelectableLineItem::createHandles()
{
    m_startHandle = new LineCornerGrabber(this, 0);
    m_endHandle = new LineCornerGrabber(this, 1);
    placeHandles();
}

void SelectableLineItem::placeHandles()
{
    m_startHandle->setPos(0, 0);
    m_endHandle->setPos(m_end);
}

QList<QGraphicsItem *> SelectableLineItem::handles() const
{
    return {m_startHandle, m_endHandle};
}

void SelectableLineItem::setLength(double length)
{
    prepareGeometryChange();
    const QVector2D direction = QVector2D(m_end).normalized();
    m_end = (direction * float(length)).toPointF();
    placeHandles();
    update();
}

QSizeF SelectableLineItem::size() const
{
    return QSizeF(QVector2D(m_end).length(), 0);
}

QRectF SelectableLineItem::boundingRect() const
{
    const double e = std::max(m_thickness, 5.0);
    return QRectF(QPointF(0, 0), m_end).normalized().adjusted(-e, -e, e, e);
}

// The line widened by the thickness (at least 10) on each side and lengthened as much at each
// end, so that thin walls are easy to hit. A line without length has a point for a shape.
QPainterPath SelectableLineItem::shape() const
{
    const QVector2D direction = QVector2D(m_end).normalized();
    const float w = float(std::max(m_thickness, 10.0));
    const QPointF a = (direction * w).toPointF();
    const QPointF p(a.y(), -a.x());
    QPainterPath path;
    path.addPolygon(QPolygonF({-a + p, m_end + a + p, m_end + a - p, -a - p}));
    path.closeSubpath();
    return path;
}

void SelectableLineItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    m_pen.setWidth(wholeThickness(m_thickness));
    m_pen.setColor(Qt::black);
    m_pen.setStyle(Qt::SolidLine);
    painter->setPen(m_pen);
    painter->drawLine(QPointF(0, 0), m_end);
}

QList<QPointF> SelectableLineItem::snapPoints() const
{
    return {mapToScene(m_startHandle->pos()), mapToScene(m_endHandle->pos())};
}

QList<QLineF> SelectableLineItem::snapLines() const
{
    return {QLineF(mapToScene(m_startHandle->pos()), mapToScene(m_endHandle->pos()))};
}

QDomElement SelectableLineItem::toElement(const QString &tag, QDomDocument &document) const
{
    QDomElement element = SelectableItem::toElement(tag, document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("LINE"));
    QDomElement end = document.createElement(QStringLiteral("End"));
    end.setAttribute(QStringLiteral("x"), PlanXml::number(m_end.x()));
    end.setAttribute(QStringLiteral("y"), PlanXml::number(m_end.y()));
    element.appendChild(end);
    return element;
}

void SelectableLineItem::moveStart(const QPointF &start)
{
    m_end -= start - pos();
    setPos(start);
    placeHandles();
}

bool SelectableLineItem::snapStartToLines(const QList<QLineF> &lines)
{
    return snapTo(Start, feet(pos(), lines));
}

bool SelectableLineItem::snapStartToPoints(const QList<QPointF> &points)
{
    return snapTo(Start, points);
}

bool SelectableLineItem::snapEndToLines(const QList<QLineF> &lines)
{
    return snapTo(End, feet(pos() + m_end, lines));
}

bool SelectableLineItem::snapEndToPoints(const QList<QPointF> &points)
{
    return snapTo(End, points);
}

bool SelectableLineItem::snapTo(Which which, const QList<QPointF> &targets)
{
    prepareGeometryChange();
    const QPointF point = which == Start ? pos() : pos() + m_end;
    for (const QPointF &target : targets) {
        if (!withinSnap(point, target))
            continue;
        if (which == Start) {
            moveStart(target);
        } else {
            m_end = target - pos();
            placeHandles();
        }
        emit sizeChanged(size());
        return true;
    }
    return false;
}

QPointF SelectableLineItem::snapAngle(const QPointF &point, const QPointF &pivot)
{
    const QPointF v = point - pivot;
    double angle;
    if (std::fabs(v.x()) <= 1e-12)
        angle = v.y() >= 0 ? 90.0 : -90.0;
    else
        angle = -qRadiansToDegrees(std::atan2(v.y(), v.x()));
    const double k = std::round(angle / 15.0); // half away from zero
    const double delta = 15.0 * k - angle;
    if (std::fabs(delta) <= 1e-12)
        return point;
    const double r = qDegreesToRadians(delta);
    return QPointF(pivot.x() + std::cos(r) * v.x() + std::sin(r) * v.y(),
                   pivot.y() + std::cos(r) * v.y() - std::sin(r) * v.x());
}

void SelectableLineItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    SelectableItem::hoverEnterEvent(event);
    showHandles(handles(), true);
}

void SelectableLineItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    SelectableItem::hoverLeaveEvent(event);
    showHandles(handles(), false);
}

bool SelectableLineItem::sceneEventFilter(QGraphicsItem *watched, QEvent *event)
{
    if (watched->type() != LineCornerGrabber::Type)
        return false;
    return filterHandleEvent(static_cast<Grabber *>(watched), event);
}

void SelectableLineItem::handleDragged(Grabber *grabber, QGraphicsSceneMouseEvent *event)
{
    prepareGeometryChange();
    const QPointF d = grabber->mouseDownPos() - event->pos();
    const bool snap = event->modifiers() == Qt::ControlModifier;
    if (grabber->index() == 1) {
        QPointF end = m_end - d;
        if (snap)
            end = snapAngle(end, QPointF(0, 0));
        m_end = end;
    } else {
        QPointF start = pos() - d;
        if (snap)
            start = snapAngle(start, pos() + m_end);
        moveStart(start);
    }
    placeHandles();
    update();
    emit cornerMoved();
    emit sizeChanged(size());
}
