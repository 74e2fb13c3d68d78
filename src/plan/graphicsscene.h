#pragma once

#include "plan/selectableitem.h"

#include <QEvent>
#include <QGraphicsScene>
#include <QPointer>
#include <QSizeF>

class QMouseEvent;

// The scene of a site plan (also of the letterhead designer and the print preview): it wires
// its elements' signals, keeps exactly one element selected, joins the ends of a wall being
// edited onto nearby walls and corners, and republishes mouse presses and moves with scene
// positions for dialogs that need them.
class GraphicsScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit GraphicsScene(QObject *parent = nullptr);

    // Wires the element's signals and adds it to the scene. The element belongs to its plan
    // (or designer), not to the scene.
    void addElement(SelectableItem *item);

    // The element reported by the last selectionChanged. Callers that add or remove elements
    // may set it and emit selectionChanged themselves.
    SelectableItem *selectedElement() const { return m_selectedElement; }
    void setSelectedElement(SelectableItem *element) { m_selectedElement = element; }

signals:
    void selectionChanged(SelectableItem *item);
    void elementSizeChanged(QSizeF size);
    // Position: the scene position. The event is valid during the emission only.
    void mouseClicked(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;

private slots:
    void elementMoved();
    void cornerMoved();
    void sideMoved();
    void elementSelected();

private:
    // Emits a plain mouse event of the type at the scene event's scene position.
    void republish(QEvent::Type type, QGraphicsSceneMouseEvent *event);

    // Guarded: an element removed from its plan and deleted must not linger here.
    QPointer<SelectableItem> m_selectedElement;
};
