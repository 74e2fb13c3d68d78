#include "foundation/anglewidget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

AngleWidget::AngleWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

double AngleWidget::directionAt(const QPoint &point) const
{
    const int w = width();
    const int h = height();
    const double dx = point.x() - w / 2;
    const double dy = point.y() - h / 2;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > qMin(w, h) * 0.5 - 5.0)
        return -1.0;

    // The centre itself has no direction of its own; its zero vector gives arccos(0) = 90.
    const double x = length > 0.0 ? dx / length : 0.0;
    double a = std::acos(qBound(-1.0, x, 1.0)) * (180.0 / M_PI);
    if (dy > 0.0)
        a = 360.0 - a;
    if (a < 0.0)
        a += 360.0;
    // The only pixel directions that hit a whole degree exactly are the multiples of 45; the
    // rounding of acos may put them a hair below and the floor would lose a whole degree.
    // Every other pixel direction lies far further from a whole degree than this margin.
    double degrees = std::floor(a + 1e-9);
    if (degrees >= 360.0)
        degrees -= 360.0;
    return degrees;
}

void AngleWidget::setAngle(double value)
{
    m_angle = value;
    update();
}

void AngleWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const double direction = directionAt(event->pos());
    if (direction < 0.0)
        return;
    m_angle = direction;
    emit angleChanged(m_angle);
    update();
}

void AngleWidget::mouseMoveEvent(QMouseEvent *event)
{
    // There is no dragging: a move with a button held changes nothing.
    if (event->buttons() != Qt::NoButton)
        return;
    const double direction = directionAt(event->pos());
    if (direction >= 0.0) {
        hoverAngle = direction;
        update();
    } else if (hoverAngle >= 0.0) {
        hoverAngle = -1.0;
        update();
    }
}

void AngleWidget::paintEvent(QPaintEvent *)
{
    const QFontMetricsF metrics(font());
    const qreal margin = qMax(metrics.horizontalAdvance(QStringLiteral("180")), metrics.lineSpacing());
    const QPoint centre(width() / 2, height() / 2);
    const int r = int(qMin(width(), height()) / 2 - margin);
    if (r <= 0)
        return;

    QPainter painter(this);
    // Qt 5.15 antialiases at full quality with this hint alone.
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    painter.setPen(QPen(enabled ? Qt::black : Qt::gray, 1.5, Qt::SolidLine));
    painter.setBrush(enabled ? Qt::gray : Qt::lightGray);

    const QPointF c(centre);
    painter.drawEllipse(c, r, r);
    painter.drawEllipse(QRectF(c - QPointF(0.5, 0.5), QSizeF(1.0, 1.0)));

    for (int i = 0; i < 12; ++i) {
        const float t = float(i * 30) * 0.017453292f;
        const QPointF direction(std::cos(t), std::sin(t));
        painter.drawLine(c + direction * (r - 6.0), c + direction * (r - 1.5));
    }

    const qreal zeroHeight = metrics.tightBoundingRect(QStringLiteral("0")).height();
    painter.drawText(QPointF(c.x() + r + 5, c.y() + zeroHeight / 2), QStringLiteral("0"));
    painter.drawText(QPointF(c.x() - r - metrics.horizontalAdvance(QStringLiteral("180")) - 5,
                             c.y() + zeroHeight / 2),
                     QStringLiteral("180"));
    painter.drawText(QPointF(c.x() - metrics.horizontalAdvance(QStringLiteral("90")) / 2,
                             c.y() - r - zeroHeight / 2),
                     QStringLiteral("90"));
    painter.drawText(QPointF(c.x() - metrics.horizontalAdvance(QStringLiteral("270")) / 2,
                             c.y() + r + 5 + zeroHeight),
                     QStringLiteral("270"));

    const auto drawPointer = [&](double value, const QColor &colour) {
        if (value < 0.0)
            return;
        painter.setPen(QPen(colour, 3));
        const double t = -value * 0.017453292519943295;
        painter.drawLine(c, c + QPointF(std::cos(t), std::sin(t)) * (r - 3));
    };
    drawPointer(m_angle, QColor(255, 255, 0, 200));
    drawPointer(hoverAngle, QColor(255, 130, 0, 180));
}
