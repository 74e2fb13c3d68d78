#pragma once

#include <QSlider>

// A slider that jumps straight to the point clicked. The jump is reported through
// sliderMoved(), so an owner that follows sliderMoved() follows clicks and drags alike.
class Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
