#pragma once

#include <QObject>

// Turns a source renderer's player events into Qt signals. The signals are emitted on libvlc's
// event thread; receivers in other threads get them queued. They carry copies only.
class VLCRendererEventWatcher : public QObject
{
    Q_OBJECT

public:
    explicit VLCRendererEventWatcher(QObject *parent = nullptr);

signals:
    void timeChanged(qlonglong time);
    void playing();
    void paused();
    void stopped();
    void endReached();
    void positionChanged(float position);
    void lengthChanged(qlonglong length);
    void errorEncountered();
};
