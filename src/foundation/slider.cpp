#include "foundation/slider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

Slider::Slider(QWidget *parent)
    : QSlider(parent)
{
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }

    const bool horizontal = orientation() == Qt::Horizontal;
    const int extent = horizontal ? width() : height();
    // Without an extent there is no point to jump to.
    if (extent <= 0) {
        event->ignore();
        return;
    }
    const qint64 offset = horizontal ? event->pos().x() : extent - event->pos().y();
    // 64 bits: a long range times a pixel position leaves the int range.
    const qint64 range = qint64(maximum()) - minimum();
    const qint64 target = minimum() + offset * range / extent;
    setValue(int(qBound<qint64>(minimum(), target, maximum())));
    event->accept();
    emit sliderMoved(value());

    // The handle now normally lies under the pointer, and the slider's own handling starts a
    // drag. Where the range is too coarse for that, the own handling would page towards the
    // click (and keep paging while the button is held), moving away from the value just set.
    QStyleOptionSlider option;
    initStyleOption(&option);
    if (style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->pos(), this)
        == QStyle::SC_SliderHandle)
        QSlider::mousePressEvent(event);
}
