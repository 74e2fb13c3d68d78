#include "foundation/records/boundedpixmapitem.h"

#include <QPainter>

BoundedPixmapItem::BoundedPixmapItem(QGraphicsItem *parent)
    : QGraphicsPixmapItem(parent)
{
}

void BoundedPixmapItem::setBounds(const QRectF &bounds)
{
    if (bounds == m_bounds)
        return;
    prepareGeometryChange();
    m_bounds = bounds;
}

QRectF BoundedPixmapItem::boundingRect() const
{
    return m_bounds;
}

void BoundedPixmapItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                              QWidget *widget)
{
    painter->save();
    painter->setClipRect(m_bounds, Qt::ReplaceClip);
    QGraphicsPixmapItem::paint(painter, option, widget);
    painter->setClipping(false);
    painter->restore();
}
