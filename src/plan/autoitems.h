#pragma once

#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QRectF>

// The picture inside a picture element: the image fitted, keeping its aspect ratio, into a
// rectangle that starts at (0, 0), and centred in it.
class AutoPixmapItem : public QGraphicsPixmapItem
{
public:
    explicit AutoPixmapItem(const QImage &image, QGraphicsItem *parent = nullptr);

    void setImage(const QImage &image);
    void setRect(const QRectF &rect);
    // Turns the picture itself about its centre, then fits it again.
    void rotate(double degrees);
    QImage image() const { return m_image; }
    QRectF rect() const { return m_rect; }

private:
    void refit();

    QImage m_image;
    QRectF m_rect;
    QRectF m_fitted;
    // The shown pixmap no longer matches the image; converting a large plan on every resize
    // step would make dragging sluggish.
    bool m_pixmapStale = true;
};

// The rich text inside a text element, cut to its rectangle.
class AutoTextItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    explicit AutoTextItem(const QRectF &rect, QGraphicsItem *parent = nullptr);

    // Also sets the text width, so the text wraps inside the rectangle.
    void setRect(const QRectF &rect);
    QRectF rect() const { return m_rect; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QRectF m_rect;
};
