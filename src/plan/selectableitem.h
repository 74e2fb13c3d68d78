#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QGraphicsObject>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QSize>
#include <QStringList>

class Grabber;

// A drawn thing of a site plan (or of a letterhead): selected by a click, moved by dragging
// and, while hovered, resized through small red handles. Qt's own selection and moving are not
// used: the element keeps its own selected flag, which the scene clears to keep one selection.
class SelectableItem : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit SelectableItem(QGraphicsItem *parent = nullptr);
    // Reads the common part of the element XML: "Position" and "Pen".
    SelectableItem(const QDomElement &element, QGraphicsItem *parent = nullptr);

    // The plan element behind a graphics item; null for any other item (handles, contents,
    // measurement marks).
    static SelectableItem *fromItem(QGraphicsItem *item);

    // Points and lines in scene coordinates that wall ends snap to.
    virtual QList<QPointF> snapPoints() const = 0;
    virtual QList<QLineF> snapLines() const = 0;
    // The size reported by sizeChanged: the inner size of a box, the length of a line by 0.
    virtual QSizeF size() const = 0;
    // The element as the XML element tag: "Position" and "Pen" here, the kinds add theirs.
    virtual QDomElement toElement(const QString &tag, QDomDocument &document) const;
    // Turns the element by a quarter turn; only pictures turn.
    virtual void rotate(double degrees);

    double thickness() const { return m_thickness; }
    void setThickness(double thickness);

    // The element's own selected flag; sets it only (the scene repaints).
    void setSelected(bool selected) { m_selected = selected; }
    bool selectedFlag() const { return m_selected; }
    bool isHovered() const { return m_hovered; }

    // The pen painted with and written to the file; painting sets its width, colour and style,
    // so the file carries the pen as last painted.
    QPen pen() const { return m_pen; }
    void setPen(const QPen &pen) { m_pen = pen; }

    // Doubts met while reading the element from XML (values that could not be used); empty for
    // an element read cleanly or made in the program.
    QStringList readProblems() const { return m_readProblems; }

signals:
    void cornerMoved();
    void sideMoved();
    void moved();
    void selected();
    void sizeChanged(QSizeF size);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

    // Shows the handles and routes their mouse events to sceneEventFilter, or hides them.
    void showHandles(const QList<QGraphicsItem *> &handles, bool show);
    // The mouse events of a handle, for sceneEventFilter: a press selects the element without
    // moving it, a move hands over to handleDragged. True for the events it took.
    bool filterHandleEvent(Grabber *grabber, QEvent *event);
    // A handle of the element was dragged; the kinds resize or move their ends.
    virtual void handleDragged(Grabber *grabber, QGraphicsSceneMouseEvent *event);

    QPen m_pen;
    QPointF m_mouseDownPos;
    QPointF m_innerOffset{3.5, 3.5};
    QSize m_margin{7, 7};
    bool m_hovered = false;
    bool m_selected = false;
    double m_thickness = 1.0;
    QStringList m_readProblems;

private:
    void init();
};

// Thickness of an element as a whole number of scene units, for pens and handles; 0 for
// anything that is not a usable thickness.
int wholeThickness(double thickness);
