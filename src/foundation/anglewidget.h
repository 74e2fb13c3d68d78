#pragma once

#include <QWidget>

// A round dial on which the user picks a direction in whole degrees, counted counter-clockwise
// on the screen: 0 right, 90 up, 180 left, 270 down. The chosen direction shows as a yellow
// pointer, the one under the mouse as an orange pointer.
class AngleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AngleWidget(QWidget *parent = nullptr);

    // The direction shown, -1 for none.
    double angle() const { return m_angle; }

public slots:
    // Shows the angle without emitting angleChanged().
    void setAngle(double angle);

signals:
    // The user clicked a direction.
    void angleChanged(double angle);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The direction under a point in widget coordinates, or -1 when the point lies outside the
    // dial.
    double directionAt(const QPoint &point) const;

    double m_angle = -1.0;
    double hoverAngle = -1.0;
};
