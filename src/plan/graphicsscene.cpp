#include "plan/graphicsscene.h"

#include "plan/selectablelineitem.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMouseEvent>

namespace {

// The plan elements whose shape reaches into the square of side 10 around the point, topmost
// first, without the line itself.
QList<SelectableItem *> elementsNear(const QGraphicsScene *scene, const QPointF &point, const SelectableItem *line)
{
    QList<SelectableItem *> found;
    const QRectF square(point.x() - 5, point.y() - 5, 10, 10);
    for (QGraphicsItem *item : scene->items(square, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        SelectableItem *element = SelectableItem::fromItem(item);
        if (element && element != line)
            found << element;
    }
    return found;
}

} // namespace

GraphicsScene::GraphicsScene(QObject *parent)
    : QGraphicsScene(parent)
{
}

void GraphicsScene::addElement(SelectableItem *item)
{
    connect(item, &SelectableItem::moved, this, &GraphicsScene::elementMoved);
    connect(item, &SelectableItem::cornerMoved, this, &GraphicsScene::cornerMoved);
    connect(item, &SelectableItem::sideMoved, this, &GraphicsScene::sideMoved);
    connect(item, &SelectableItem::sizeChanged, this, &GraphicsScene::elementSizeChanged);
    connect(item, &SelectableItem::selected, this, &GraphicsScene::elementSelected);
    addItem(item);
}

void GraphicsScene::elementMoved()
{
}

void GraphicsScene::sideMoved()
{
    cornerMoved();
}

// Joins the ends of the wall being edited onto the walls, edges and corners within reach. Each
// element's points are tried after its lines, so a corner within reach of the (maybe just
// moved) end wins over the edge.
void GraphicsScene::cornerMoved()
{
    auto *line = qobject_cast<SelectableLineItem *>(sender());
    if (!line)
        return;
    const QPointF start = line->pos();
    const QPointF end = start + line->end();
    for (SelectableItem *element : elementsNear(this, start, line)) {
        line->snapStartToLines(element->snapLines());
        line->snapStartToPoints(element->snapPoints());
    }
    for (SelectableItem *element : elementsNear(this, end, line)) {
        line->snapEndToLines(element->snapLines());
        line->snapEndToPoints(element->snapPoints());
    }
}

void GraphicsScene::elementSelected()
{
    auto *sender = qobject_cast<SelectableItem *>(this->sender());
    for (QGraphicsItem *item : items(Qt::DescendingOrder)) {
        SelectableItem *element = SelectableItem::fromItem(item);
        if (!element)
            continue;
        if (element == sender)
            m_selectedElement = sender;
        else
            element->setSelected(false);
    }
    emit selectionChanged(m_selectedElement);
    update();
}

void GraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // A scene without a view finds its items untransformed.
    const QList<QGraphicsView *> shown = views();
    const QTransform transform = shown.isEmpty() ? QTransform() : shown.constFirst()->transform();
    if (!itemAt(event->scenePos(), transform) && m_selectedElement) {
        m_selectedElement->setSelected(false);
        m_selectedElement = nullptr;
        emit selectionChanged(nullptr);
        update();
    }
    QGraphicsScene::mousePressEvent(event);
    republish(QEvent::MouseButtonPress, event);
}

void GraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseMoveEvent(event);
    republish(QEvent::MouseMove, event);
}

void GraphicsScene::republish(QEvent::Type type, QGraphicsSceneMouseEvent *event)
{
    QMouseEvent mouse(type, event->scenePos(), event->button(), event->buttons(), event->modifiers());
    if (type == QEvent::MouseButtonPress)
        emit mouseClicked(&mouse);
    else
        emit mouseMoved(&mouse);
}
