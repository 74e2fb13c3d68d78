#pragma once

#include "plan/selectableitem.h"

class LineCornerGrabber;

// A wall or line of the plan: it starts at the element's position and ends at the end vector.
// Its ends are dragged by two handles; with Ctrl held the dragged end turns onto the nearest
// multiple of 15 degrees, and the scene snaps the ends onto nearby walls and corners.
class SelectableLineItem : public SelectableItem
{
    Q_OBJECT

public:
    explicit SelectableLineItem(const QPointF &end, QGraphicsItem *parent = nullptr);
    // Reads "Position", "Pen" and "End".
    SelectableLineItem(const QDomElement &element, QGraphicsItem *parent = nullptr);

    // The end vector, from the start to the end.
    QPointF end() const { return m_end; }
    // Keeps the direction; a line without length keeps none.
    void setLength(double length);

    // Moves the start onto the first line whose perpendicular foot, or the first point, lies
    // closer than 10 units; the end point stays. True when it snapped.
    bool snapStartToLines(const QList<QLineF> &lines);
    bool snapStartToPoints(const QList<QPointF> &points);
    // The same for the end point; the start stays.
    bool snapEndToLines(const QList<QLineF> &lines);
    bool snapEndToPoints(const QList<QPointF> &points);

    // The point turned about the pivot onto the nearest multiple of 15 degrees, at the same
    // distance.
    static QPointF snapAngle(const QPointF &point, const QPointF &pivot);
    // Ends closer than this to a wall or a corner join it.
    static constexpr float SnapDistance = 10.0f;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    QList<QPointF> snapPoints() const override;
    QList<QLineF> snapLines() const override;
    QSizeF size() const override;
    QDomElement toElement(const QString &tag, QDomDocument &document) const override;

protected:
    bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;
    void handleDragged(Grabber *grabber, QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void createHandles();
    void placeHandles();
    QList<QGraphicsItem *> handles() const;
    enum Which { Start, End };
    // Moves the start or the end onto the first target within reach.
    bool snapTo(Which which, const QList<QPointF> &targets);
    // Moves the start to the new point, keeping the end point.
    void moveStart(const QPointF &start);

    QPointF m_end;
    LineCornerGrabber *m_startHandle = nullptr;
    LineCornerGrabber *m_endHandle = nullptr;
};
