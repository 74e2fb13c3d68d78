#pragma once

#include "plan/grabbers.h"
#include "plan/graphicsscene.h"
#include "plan/selectableitem.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

// Mouse input delivered to a scene the way a view delivers it, in scene coordinates: a move
// without a button hovers, a press grabs the item under the mouse, moves go to the grabber.
namespace SceneEvents {

inline bool send(QGraphicsScene *scene, QEvent::Type type, const QPointF &pos, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(pos);
    event.setScreenPos(pos.toPoint());
    event.setLastScenePos(pos);
    event.setButtonDownScenePos(Qt::LeftButton, pos);
    event.setButton(button);
    event.setButtons(buttons);
    event.setModifiers(modifiers);
    event.setAccepted(false);
    QCoreApplication::sendEvent(scene, &event);
    return event.isAccepted();
}

inline void hover(QGraphicsScene *scene, const QPointF &pos)
{
    send(scene, QEvent::GraphicsSceneMouseMove, pos, Qt::NoButton, Qt::NoButton);
}

inline void press(QGraphicsScene *scene, const QPointF &pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(scene, QEvent::GraphicsSceneMousePress, pos, Qt::LeftButton, Qt::LeftButton, modifiers);
}

inline void moveHeld(QGraphicsScene *scene, const QPointF &pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(scene, QEvent::GraphicsSceneMouseMove, pos, Qt::NoButton, Qt::LeftButton, modifiers);
}

inline void release(QGraphicsScene *scene, const QPointF &pos)
{
    send(scene, QEvent::GraphicsSceneMouseRelease, pos, Qt::LeftButton, Qt::NoButton);
}

// Hovers at from (showing handles there), presses, moves to to and lets go.
inline void drag(QGraphicsScene *scene, const QPointF &from, const QPointF &to,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    hover(scene, from);
    press(scene, from, modifiers);
    moveHeld(scene, to, modifiers);
    release(scene, to);
}

inline void doubleClick(QGraphicsScene *scene, const QPointF &pos)
{
    press(scene, pos);
    release(scene, pos);
    send(scene, QEvent::GraphicsSceneMouseDoubleClick, pos, Qt::LeftButton, Qt::LeftButton);
    release(scene, pos);
}

// Puts the element into the scene (wired, in a plan scene) at the position.
template <class Element>
Element *placed(QGraphicsScene &scene, Element *element, const QPointF &pos = QPointF())
{
    if (auto *planScene = qobject_cast<GraphicsScene *>(&scene))
        planScene->addElement(element);
    else
        scene.addItem(element);
    element->setPos(pos);
    return element;
}

// The handle of an element by its kind (CornerGrabber::Type, ...) and index.
inline Grabber *handle(const SelectableItem *element, int type, int index)
{
    for (QGraphicsItem *child : element->childItems()) {
        if (child->type() == type && static_cast<Grabber *>(child)->index() == index)
            return static_cast<Grabber *>(child);
    }
    return nullptr;
}

inline QPointF handlePos(const SelectableItem *element, int type, int index)
{
    Grabber *grabber = handle(element, type, index);
    return grabber ? grabber->scenePos() : QPointF();
}

} // namespace SceneEvents
