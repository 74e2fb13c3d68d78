#include "plan/graphicsview.h"

#include "plan/graphicsscene.h"

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPen>
#include <QWheelEvent>

namespace {
// The crosshair picture is 50 x 50 with its centre on the point.
constexpr double CrosshairHalf = 25.0;
} // namespace

GraphicsView::GraphicsView(QWidget *parent)
    : QGraphicsView(parent)
    , m_scene(new GraphicsScene(this))
{
    // Qt 5.15's Antialiasing is the high-quality kind; its old separate hint is obsolete.
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setScene(m_scene);
    m_scene->setSceneRect(0, 0, 10000, 10000);
    centerOn(5000, 5000);
    scale(0.5, 0.5);
    setMouseTracking(true);
}

void GraphicsView::startMeasure()
{
    if (QGraphicsScene *shown = scene())
        shown->clearSelection();
    clearMeasurement();
    m_measureState = WaitingForFirstPoint;
}

void GraphicsView::clearMeasurement()
{
    if (!m_measureItems.isEmpty()) {
        QGraphicsItem *first = m_measureItems.constFirst();
        if (first->scene())
            first->scene()->removeItem(first);
        delete first; // and with it the other marks, its children
    }
    m_measureItems.clear();
    if (QGraphicsScene *shown = scene())
        shown->update();
}

void GraphicsView::cancelMeasure()
{
    if (m_measureState == NotMeasuring)
        return;
    m_measureState = NotMeasuring;
    clearMeasurement();
}

void GraphicsView::mousePressEvent(QMouseEvent *event)
{
    if (m_measureState == NotMeasuring) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    takePoint(event->pos());
}

void GraphicsView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_measureState == NotMeasuring) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    if (m_measureState == WaitingForSecondPoint)
        updateRubberLine(event->pos());
}

void GraphicsView::takePoint(const QPoint &viewPos)
{
    const QPointF scenePos = mapToScene(viewPos);
    if (m_measureState == WaitingForFirstPoint) {
        m_firstX = float(scenePos.x());
        m_firstY = float(scenePos.y());
    } else {
        m_secondX = float(scenePos.x());
        m_secondY = float(scenePos.y());
    }
    auto *crosshair = new QGraphicsPixmapItem(QPixmap(QStringLiteral(":/icons/crosshair.png")));
    crosshair->setZValue(2.0);
    if (m_measureState == WaitingForFirstPoint) {
        if (QGraphicsScene *shown = scene())
            shown->addItem(crosshair);
        crosshair->setPos(scenePos - QPointF(CrosshairHalf, CrosshairHalf));
    } else {
        crosshair->setParentItem(m_measureItems.constFirst());
        crosshair->setPos(secondPoint() - firstPoint());
    }
    m_measureItems << crosshair;
    if (++m_measureState > WaitingForSecondPoint) {
        m_measureState = NotMeasuring;
        emit finished();
    }
}

// In the first crosshair's coordinates, where the first point is (25, 25).
void GraphicsView::updateRubberLine(const QPoint &viewPos)
{
    const QPointF s = mapToScene(viewPos);
    const QLineF line(CrosshairHalf, CrosshairHalf, s.x() - m_firstX + CrosshairHalf, s.y() - m_firstY + CrosshairHalf);
    if (m_measureItems.size() == 1) {
        auto *rubber = new QGraphicsLineItem(line, m_measureItems.constFirst());
        rubber->setPen(QPen(QBrush(Qt::red), 2.0));
        rubber->setZValue(1.0);
        m_measureItems << rubber;
    } else if (auto *rubber = qgraphicsitem_cast<QGraphicsLineItem *>(m_measureItems.value(1))) {
        rubber->setLine(line);
    }
}

void GraphicsView::showDistance(double metres)
{
    if (m_measureItems.size() != 3)
        return;
    QFont font(QStringLiteral("Arial"), 20);
    font.setWeight(75);
    // A point as decimal separator whatever the user's locale: the label reads like a plan.
    auto *label = new QGraphicsSimpleTextItem(QStringLiteral("%1m").arg(QString::number(metres, 'f', 2)),
                                              m_measureItems.constFirst());
    label->setFont(font);
    label->setBrush(QBrush(Qt::red, Qt::SolidPattern));
    label->setZValue(1.0);
    const QPointF q = m_measureItems.at(2)->pos();
    label->setPos(q.x() * 0.5 + 10, q.y() >= 0 ? q.y() * 0.5 - 30 : q.y() * 0.5 + 30);
    m_measureItems << label;
}

void GraphicsView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() != Qt::ControlModifier) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const QPointF t = mapToScene(event->position().toPoint());
    const double f = event->angleDelta().y() > 0 ? ZoomFactor : 1.0 / ZoomFactor;
    scale(f, f);
    centerOn(t);
    // Centre so that the scene point that was under the mouse is under it again.
    const QPointF offset = event->position() - QPointF(viewport()->width() * 0.5, viewport()->height() * 0.5);
    const QPointF viewPoint = QPointF(mapFromScene(t)) - offset;
    centerOn(mapToScene(viewPoint.toPoint()));
    event->accept();
}
