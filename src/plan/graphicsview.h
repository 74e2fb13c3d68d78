#pragma once

#include "plan/graphicsscene.h"

#include <QGraphicsView>
#include <QList>
#include <QPointF>
#include <QPointer>

class QGraphicsItem;

// The view a site plan is drawn and inspected in. It makes its own scene on a working area of
// 10000 x 10000 units, zooms with Ctrl and the wheel about the point under the mouse, and
// measures the distance between two clicked points: crosshairs on the points, a red rubber line
// between them and, once the caller has turned the length into metres, the distance as a label.
class GraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    enum MeasureState { NotMeasuring = 0, WaitingForFirstPoint = 1, WaitingForSecondPoint = 2 };

    explicit GraphicsView(QWidget *parent = nullptr);

    // The scene the view made; a caller may take it over (it is then null once deleted).
    GraphicsScene *graphicsScene() const { return m_scene; }

    // Takes the next two clicks as the measured points; old marks go.
    void startMeasure();
    // Removes the marks; the measuring state stays.
    void clearMeasurement();
    // Ends a measurement that has not got its second point yet and removes its marks.
    void cancelMeasure();
    // Labels a finished measurement (both crosshairs and the rubber line) with the distance;
    // does nothing otherwise, so a measurement gets at most one label.
    void showDistance(double metres);

    int measureState() const { return m_measureState; }
    // The measured points in scene coordinates, in single precision.
    QPointF firstPoint() const { return QPointF(m_firstX, m_firstY); }
    QPointF secondPoint() const { return QPointF(m_secondX, m_secondY); }
    // The marks in creation order: first crosshair, rubber line, second crosshair, label. Only
    // the first crosshair is a top-level item; the others are its children.
    QList<QGraphicsItem *> measureItems() const { return m_measureItems; }

    // The zoom step of the wheel and the zoom buttons.
    static constexpr double ZoomFactor = 1.15;

signals:
    // The second point has been taken.
    void finished();
    // For callers that want to drop a measurement; the view never emits it.
    void clearMeasure();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void takePoint(const QPoint &viewPos);
    void updateRubberLine(const QPoint &viewPos);

    QPointer<GraphicsScene> m_scene;
    QList<QGraphicsItem *> m_measureItems;
    int m_measureState = NotMeasuring;
    float m_firstX = 0, m_firstY = 0;
    float m_secondX = 0, m_secondY = 0;
};
