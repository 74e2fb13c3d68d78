#pragma once

#include "plan/selectableboxitem.h"

#include <QImage>

class AutoPixmapItem;

// A picture of the plan (the base plan, a symbol, a photo): a box whose content is the picture
// fitted into it. A double click replaces the picture from a file; it turns by quarter turns.
class SelectablePixmapItem : public SelectableBoxItem
{
    Q_OBJECT

public:
    // Outer size: the picture's size in pixels.
    explicit SelectablePixmapItem(const QImage &image, QGraphicsItem *parent = nullptr);
    // Reads the box and the "Image" child.
    SelectablePixmapItem(const QDomElement &element, QGraphicsItem *parent = nullptr);

    // The picture as it is now (turned when the element was turned).
    QImage image() const;
    AutoPixmapItem *content() const { return m_content; }

    // Sizes the element so that its picture shows at one scene unit per pixel, frame margins
    // around it: a calibrated base plan keeps its scale.
    void showAtPixelSize();

    // The picture files the plan opens.
    static QString imageFilePatterns();

    // A size whose width and height add up to less than 10 becomes 20 x 10.
    void setSize(const QSizeF &size) override;
    // Swaps width and height and turns the picture by a quarter turn: clockwise for an angle of
    // 0 or more, else counter-clockwise.
    void rotate(double degrees) override;
    QList<QPointF> snapPoints() const override;
    QList<QLineF> snapLines() const override;
    QDomElement toElement(const QString &tag, QDomDocument &document) const override;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void createContent(const QImage &image);
    // Fits the picture into the content area and puts it there.
    void placeContent();

    QSize m_minimumSize{20, 10};
    int m_contentInset = 10;
    AutoPixmapItem *m_content = nullptr;
};
