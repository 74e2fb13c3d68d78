#include "plan/selectableboxitem.h"

#include "plan/grabbers.h"
#include "plan/planxml.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

SelectableBoxItem::SelectableBoxItem(QGraphicsItem *parent)
    : SelectableItem(parent)
{
    createHandles();
}

SelectableBoxItem::SelectableBoxItem(const QDomElement &element, QGraphicsItem *parent)
    : SelectableItem(element, parent)
    , m_outerWidth(200)
    , m_outerHeight(100)
    , m_showBox(0)
    , m_drawBox(0)
    , m_box(0)
{
    for (const QDomElement &size : PlanXml::children(element, QStringLiteral("Size"))) {
        m_outerWidth = PlanXml::readNumber(size, QStringLiteral("width"), 200, &m_readProblems);
        m_outerHeight = PlanXml::readNumber(size, QStringLiteral("height"), 100, &m_readProblems);
    }
    // A box without extent could be neither seen nor grabbed: it gets the size of a box whose
    // file gives none.
    if (!(m_outerWidth > 0) || !(m_outerHeight > 0)) {
        m_readProblems << tr("Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.")
                              .arg(PlanXml::number(m_outerWidth), PlanXml::number(m_outerHeight));
        if (!(m_outerWidth > 0))
            m_outerWidth = 200;
        if (!(m_outerHeight > 0))
            m_outerHeight = 100;
    }
    for (const QDomElement &style : PlanXml::children(element, QStringLiteral("Style"))) {
        m_showBox = PlanXml::readInteger(style, QStringLiteral("showBox"), &m_readProblems);
        m_drawBox = PlanXml::readInteger(style, QStringLiteral("drawBox"), &m_readProblems);
        m_box = PlanXml::readInteger(style, QStringLiteral("box"), &m_readProblems);
    }
    m_innerWidth = m_outerWidth - m_margin.width();
    m_innerHeight = m_outerHeight - m_margin.height();
    createHandles();
}

void SelectableBoxItem::createHandles()
{
    for (int i = 0; i < 4; ++i) {
        m_corners[i] = new CornerGrabber(this, i);
        m_sides[i] = new SideGrabber(this, i);
    }
    placeHandles();
}

QList<QGraphicsItem *> SelectableBoxItem::handles() const
{
    QList<QGraphicsItem *> all;
    for (CornerGrabber *corner : m_corners)
        all << corner;
    for (SideGrabber *side : m_sides)
        all << side;
    return all;
}

void SelectableBoxItem::placeHandles()
{
    const double x0 = m_innerOffset.x();
    const double y0 = m_innerOffset.y();
    const double iw = m_innerWidth;
    const double ih = m_innerHeight;
    m_corners[0]->setPos(x0, y0);
    m_corners[1]->setPos(x0 + iw, y0);
    m_corners[2]->setPos(x0 + iw, y0 + ih);
    m_corners[3]->setPos(x0, y0 + ih);
    m_sides[0]->setPos(x0 + iw / 2 + 3, y0);
    m_sides[1]->setPos(x0 + iw, y0 + ih / 2 + 3);
    m_sides[2]->setPos(x0 + iw / 2 + 3, y0 + ih);
    // The left handle sits 3.5 higher than the right one; plans place it there.
    m_sides[3]->setPos(x0, ih / 2 + 3);
}

void SelectableBoxItem::setSize(const QSizeF &size)
{
    prepareGeometryChange();
    m_outerWidth = size.width();
    m_outerHeight = size.height();
    m_innerWidth = m_outerWidth - m_margin.width();
    m_innerHeight = m_outerHeight - m_margin.height();
    placeHandles();
}

void SelectableBoxItem::setInnerSize(const QSizeF &size)
{
    setSize(QSizeF(size.width() + m_margin.width(), size.height() + m_margin.height()));
}

void SelectableBoxItem::setInnerPos(const QPointF &pos)
{
    setPos(pos - m_innerOffset);
}

QPointF SelectableBoxItem::innerPos() const
{
    return pos() + m_innerOffset;
}

QRectF SelectableBoxItem::innerRect() const
{
    return QRectF(0, 0, m_innerWidth, m_innerHeight);
}

void SelectableBoxItem::setWidth(double width)
{
    setSize(QSizeF(width + m_margin.width(), m_outerHeight));
    update();
    emit sizeChanged(size());
}

void SelectableBoxItem::setHeight(double height)
{
    setSize(QSizeF(m_outerWidth, height + m_margin.height()));
    update();
    emit sizeChanged(size());
}

QSizeF SelectableBoxItem::sizeOrFallback(const QSizeF &size, const QSize &fallback)
{
    return std::fabs(size.width()) + std::fabs(size.height()) < 10 ? QSizeF(fallback) : size;
}

QRectF SelectableBoxItem::contentRect() const
{
    return QRectF(m_innerOffset.x() + 2, m_innerOffset.y() + 2, m_innerWidth - 2, m_innerHeight - 2);
}

QRectF SelectableBoxItem::boundingRect() const
{
    return QRectF(0, 0, m_outerWidth, m_outerHeight);
}

QSizeF SelectableBoxItem::size() const
{
    return QSizeF(m_innerWidth, m_innerHeight);
}

void SelectableBoxItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_showBox == 1 && !m_hovered && !m_selected)
        return;
    if (m_showBox != 0 && m_showBox != 1)
        return;
    if (m_selected && !m_hovered) {
        m_pen.setWidth(0);
        m_pen.setColor(Qt::blue);
        m_pen.setStyle(Qt::SolidLine);
        painter->setPen(m_pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(boundingRect());
        if (m_showBox != 0)
            return;
    }
    const int width = wholeThickness(m_thickness);
    m_pen.setWidth(width);
    m_pen.setStyle(m_drawBox != 0 ? Qt::DotLine : Qt::SolidLine);
    m_pen.setColor(Qt::black);
    painter->setPen(m_pen);
    painter->setBrush(m_box != 1 ? QBrush(QColor(255, 255, 255, 255)) : QBrush(Qt::NoBrush));
    // The outline lies inside the inner rectangle, whatever its width.
    const double h = width / 2.0;
    const QPointF offset = m_innerOffset;
    painter->drawRect(QRectF(offset + QPointF(h, h), offset + QPointF(m_innerWidth - h, m_innerHeight - h)));
}

QList<QPointF> SelectableBoxItem::snapPoints() const
{
    QList<QPointF> points;
    for (CornerGrabber *corner : m_corners)
        points << mapToScene(corner->pos());
    return points;
}

QList<QLineF> SelectableBoxItem::snapLines() const
{
    const QPointF topLeft = innerPos();
    const QPointF topRight = topLeft + QPointF(m_innerWidth, 0);
    const QPointF bottomRight = topLeft + QPointF(m_innerWidth, m_innerHeight);
    const QPointF bottomLeft = topLeft + QPointF(0, m_innerHeight);
    return {QLineF(topLeft, topRight), QLineF(topRight, bottomRight), QLineF(bottomRight, bottomLeft),
            QLineF(topLeft, bottomLeft)};
}

QDomElement SelectableBoxItem::toElement(const QString &tag, QDomDocument &document) const
{
    QDomElement element = SelectableItem::toElement(tag, document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("BOX"));
    QDomElement size = document.createElement(QStringLiteral("Size"));
    size.setAttribute(QStringLiteral("width"), PlanXml::number(m_outerWidth));
    size.setAttribute(QStringLiteral("height"), PlanXml::number(m_outerHeight));
    element.appendChild(size);
    QDomElement style = document.createElement(QStringLiteral("Style"));
    style.setAttribute(QStringLiteral("showBox"), QString::number(m_showBox));
    style.setAttribute(QStringLiteral("drawBox"), QString::number(m_drawBox));
    style.setAttribute(QStringLiteral("box"), QString::number(m_box));
    element.appendChild(style);
    return element;
}

void SelectableBoxItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    SelectableItem::hoverEnterEvent(event);
    showHandles(handles(), true);
}

void SelectableBoxItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    SelectableItem::hoverLeaveEvent(event);
    showHandles(handles(), false);
}

bool SelectableBoxItem::sceneEventFilter(QGraphicsItem *watched, QEvent *event)
{
    if (watched->type() != CornerGrabber::Type && watched->type() != SideGrabber::Type)
        return false;
    return filterHandleEvent(static_cast<Grabber *>(watched), event);
}

// Each move resizes by the distance moved since the previous one: the handle moves with its
// corner, so the press point in its coordinates stays under the mouse.
void SelectableBoxItem::handleDragged(Grabber *grabber, QGraphicsSceneMouseEvent *event)
{
    const bool corner = grabber->type() == CornerGrabber::Type;
    prepareGeometryChange();
    const QPointF d = grabber->mouseDownPos() - event->pos();
    // Which way the drag grows the box, per corner (clockwise from top-left) and per side
    // (top, right, bottom, left).
    static const QPointF cornerFactors[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    static const QPointF sideFactors[4] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    const int index = grabber->index();
    const QPointF f = corner ? cornerFactors[index] : sideFactors[index];
    const double w = std::max(MinimumOuterSize, m_outerWidth + d.x() * f.x());
    const double h = std::max(MinimumOuterSize, m_outerHeight + d.y() * f.y());
    const double gw = w - m_outerWidth;
    const double gh = h - m_outerHeight;
    setSize(QSizeF(m_outerWidth + gw, m_outerHeight + gh));

    // The edges opposite the handle stay where they are.
    const bool movesLeft = corner ? (index == 0 || index == 3) : index == 3;
    const bool movesTop = corner ? (index == 0 || index == 1) : index == 0;
    moveBy(movesLeft ? -gw : 0, movesTop ? -gh : 0);

    placeHandles();
    if (corner)
        emit cornerMoved();
    else
        emit sideMoved();
    emit sizeChanged(size());
}
