#pragma once

#include "plan/selectableitem.h"

class CornerGrabber;
class SideGrabber;

// A rectangle of the plan. Its outer size is the bounding rectangle; the drawn rectangle lies
// in the inner rectangle, 3.5 units inside on every side (7 smaller), so that the handles and
// the outline of a thick wall stay inside the element.
class SelectableBoxItem : public SelectableItem
{
    Q_OBJECT

public:
    explicit SelectableBoxItem(QGraphicsItem *parent = nullptr);
    // Reads "Position", "Pen", "Size" and "Style".
    SelectableBoxItem(const QDomElement &element, QGraphicsItem *parent = nullptr);

    // Outer size; the inner size follows, the handles move with the corners.
    virtual void setSize(const QSizeF &size);
    virtual void setInnerSize(const QSizeF &size);
    virtual void setInnerPos(const QPointF &pos);
    virtual QPointF innerPos() const;
    virtual QRectF innerRect() const;

    // Inner width or height; repaints and reports the new size.
    void setWidth(double width);
    void setHeight(double height);

    QSizeF outerSize() const { return QSizeF(m_outerWidth, m_outerHeight); }

    // 0 frame always drawn, 1 only while hovered or selected, anything else never.
    void setShowBox(int showBox) { m_showBox = showBox; }
    int showBox() const { return m_showBox; }
    // 0 solid outline, anything else dotted.
    void setDrawBox(int drawBox) { m_drawBox = drawBox; }
    int drawBox() const { return m_drawBox; }
    // 1 no fill, anything else filled white.
    void setBox(int box) { m_box = box; }
    int box() const { return m_box; }

    // Where a picture or a text sits: just inside the drawn rectangle.
    QRectF contentRect() const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    QList<QPointF> snapPoints() const override;
    QList<QLineF> snapLines() const override;
    QSizeF size() const override;
    QDomElement toElement(const QString &tag, QDomDocument &document) const override;

    // A handle drag leaves at least this outer width and height.
    static constexpr double MinimumOuterSize = 40.0;

protected:
    bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;
    void handleDragged(Grabber *grabber, QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

    void placeHandles();
    QList<QGraphicsItem *> handles() const;
    // The size, or the fallback when width and height together come to less than 10 units:
    // an element that small could be neither seen nor grabbed.
    static QSizeF sizeOrFallback(const QSizeF &size, const QSize &fallback);

    double m_outerWidth = 250;
    double m_outerHeight = 100;
    double m_innerWidth = 243;
    double m_innerHeight = 93;
    int m_showBox = 1;
    int m_drawBox = 1;
    int m_box = 1;
    CornerGrabber *m_corners[4] = {};
    SideGrabber *m_sides[4] = {};

private:
    void createHandles();
};
