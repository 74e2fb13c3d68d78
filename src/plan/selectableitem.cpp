#include "plan/selectableitem.h"

#include "plan/grabbers.h"
#include "plan/planxml.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>

#include <cmath>

namespace {
// Thicker walls than this are no site plan; keeps pens and handles paintable.
constexpr double MaxThickness = 10000.0;
} // namespace

int wholeThickness(double thickness)
{
    if (!(thickness > 0))
        return 0;
    return int(std::min(thickness, MaxThickness));
}

SelectableItem::SelectableItem(QGraphicsItem *parent)
    : QGraphicsObject(parent)
{
    init();
    m_pen.setCapStyle(Qt::FlatCap);
    m_pen.setJoinStyle(Qt::MiterJoin);
}

SelectableItem::SelectableItem(const QDomElement &element, QGraphicsItem *parent)
    : QGraphicsObject(parent)
{
    init();
    for (const QDomElement &position : PlanXml::children(element, QStringLiteral("Position")))
        setPos(PlanXml::readNumber(position, QStringLiteral("x"), 0.0, &m_readProblems),
               PlanXml::readNumber(position, QStringLiteral("y"), 0.0, &m_readProblems));
    for (const QDomElement &pen : PlanXml::children(element, QStringLiteral("Pen"))) {
        const QString data = pen.attribute(QStringLiteral("main"));
        m_pen = QPen();
        if (!data.isEmpty() && !PlanXml::readPen(data, &m_pen))
            m_readProblems << tr("Der Stift eines Elements ist beschädigt.");
        double thickness = PlanXml::readNumber(pen, QStringLiteral("thickness"), 1.0, &m_readProblems);
        if (thickness < 0 || thickness > MaxThickness) {
            m_readProblems << tr("Die Stärke %1 eines Elements ist unbrauchbar.").arg(thickness);
            thickness = 1.0;
        }
        m_thickness = thickness;
    }
}

void SelectableItem::init()
{
    setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    setAcceptHoverEvents(true);
}

SelectableItem *SelectableItem::fromItem(QGraphicsItem *item)
{
    return item ? qobject_cast<SelectableItem *>(item->toGraphicsObject()) : nullptr;
}

QDomElement SelectableItem::toElement(const QString &tag, QDomDocument &document) const
{
    QDomElement element = document.createElement(tag);
    QDomElement position = document.createElement(QStringLiteral("Position"));
    position.setAttribute(QStringLiteral("x"), PlanXml::number(pos().x()));
    position.setAttribute(QStringLiteral("y"), PlanXml::number(pos().y()));
    element.appendChild(position);
    QDomElement pen = document.createElement(QStringLiteral("Pen"));
    pen.setAttribute(QStringLiteral("main"), PlanXml::penData(m_pen));
    pen.setAttribute(QStringLiteral("thickness"), PlanXml::number(m_thickness));
    element.appendChild(pen);
    return element;
}

void SelectableItem::rotate(double)
{
}

void SelectableItem::setThickness(double thickness)
{
    // The outline and the handles grow with the thickness.
    prepareGeometryChange();
    for (QGraphicsItem *child : childItems()) {
        if (auto *grabber = dynamic_cast<Grabber *>(child))
            grabber->aboutToResize();
    }
    m_thickness = thickness;
}

void SelectableItem::showHandles(const QList<QGraphicsItem *> &handles, bool show)
{
    for (QGraphicsItem *handle : handles) {
        handle->setVisible(show);
        if (show)
            handle->installSceneEventFilter(this);
        else
            handle->removeSceneEventFilter(this);
    }
    update();
}

bool SelectableItem::filterHandleEvent(Grabber *grabber, QEvent *event)
{
    // Hover and other events pass through here too; only mouse events are cast.
    const auto mouse = [event] { return static_cast<QGraphicsSceneMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        grabber->setMouseState(Grabber::Pressed);
        grabber->setMouseDownPos(mouse()->pos());
        m_selected = true;
        emit selected();
        event->accept();
        return true;
    case QEvent::GraphicsSceneMouseRelease:
        grabber->setMouseState(Grabber::Released);
        return true;
    case QEvent::GraphicsSceneMouseMove:
        grabber->setMouseState(Grabber::Moving);
        handleDragged(grabber, mouse());
        return true;
    default:
        return false;
    }
}

void SelectableItem::handleDragged(Grabber *, QGraphicsSceneMouseEvent *)
{
}

void SelectableItem::hoverEnterEvent(QGraphicsSceneHoverEvent *)
{
    m_hovered = true;
}

void SelectableItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *)
{
    m_hovered = false;
}

void SelectableItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    m_selected = true;
    m_mouseDownPos = event->pos();
    emit selected();
}

void SelectableItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    setPos(pos() + (event->pos() - m_mouseDownPos));
    emit moved();
}

void SelectableItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}
