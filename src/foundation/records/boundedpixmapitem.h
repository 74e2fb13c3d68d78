#pragma once

#include <QGraphicsPixmapItem>
#include <QRectF>

// A pixmap item that shows only the part of its pixmap inside its bounds and reports the bounds
// as its extent, so a report image never spills over its rectangle in the preview.
class BoundedPixmapItem : public QGraphicsPixmapItem
{
public:
    explicit BoundedPixmapItem(QGraphicsItem *parent = nullptr);

    // In item coordinates.
    QRectF bounds() const { return m_bounds; }
    void setBounds(const QRectF &bounds);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

private:
    QRectF m_bounds;
};
