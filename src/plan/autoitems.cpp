#include "plan/autoitems.h"

#include "foundation/records/printelement.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

AutoPixmapItem::AutoPixmapItem(const QImage &image, QGraphicsItem *parent)
    : QGraphicsPixmapItem(parent)
    , m_image(image)
{
    setZValue(-1);
    // Plans are mostly shown and printed scaled; unsmoothed they turn to stair steps.
    setTransformationMode(Qt::SmoothTransformation);
    refit();
}

void AutoPixmapItem::setImage(const QImage &image)
{
    m_image = image;
    m_pixmapStale = true;
    refit();
}

void AutoPixmapItem::setRect(const QRectF &rect)
{
    m_rect = rect;
    refit();
}

void AutoPixmapItem::rotate(double degrees)
{
    if (!m_image.isNull())
        m_image = m_image.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
    m_pixmapStale = true;
    refit();
}

void AutoPixmapItem::refit()
{
    m_fitted = fitImageRect(m_rect, m_image);
    if (m_fitted.isEmpty()) {
        // Nothing to show: no picture, or no room for it.
        setPixmap(QPixmap());
        m_pixmapStale = true;
        setScale(1.0);
        setPos(0, 0);
        return;
    }
    const double sx = m_fitted.width() / m_image.width();
    const double sy = m_fitted.height() / m_image.height();
    setPos(m_fitted.topLeft());
    if (m_pixmapStale) {
        setPixmap(QPixmap::fromImage(m_image));
        m_pixmapStale = false;
    }
    setScale(std::max(sx, sy));
}

AutoTextItem::AutoTextItem(const QRectF &rect, QGraphicsItem *parent)
    : QGraphicsTextItem(parent)
    , m_rect(rect)
{
}

void AutoTextItem::setRect(const QRectF &rect)
{
    prepareGeometryChange();
    m_rect = rect;
    setTextWidth(rect.width());
}

QRectF AutoTextItem::boundingRect() const
{
    return m_rect;
}

void AutoTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    painter->setClipRect(m_rect);
    QGraphicsTextItem::paint(painter, option, widget);
}
