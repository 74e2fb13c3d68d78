#pragma once

#include <QString>

class Investigation;
class QGraphicsScene;
class QGraphicsView;
struct ObservationRecord;

// The two views the observation dialogs keep in step with the record being edited: the finished
// description text and the clock diagram. Both read only what they are given.

// The description the dialog shows for the record: for the EN-family standards the code with its
// characterisation tokens, the catalogue texts, quantities, clock position, joint and continuous
// defect; for DanDas the code with its characterisation token and the inspection's own
// description. subtypeIndex is the code's index within its type, as findSubtype stored it.
// A null string means "keep the text shown": an EN-family record without a code, or a standard
// without such a preview.
QString updateText(const Investigation &inspection, const ObservationRecord &record, int subtypeIndex);

// Draws a clock face (dial and twelve ticks) into the scene, cleared first, and marks the clock
// hours from..to on it in yellow: a clockwise range, the whole disc for 12..12, a small wedge
// for a single hour (to 0 or equal to from). from 0 marks nothing.
void drawClock(QGraphicsScene &scene, int from, int to);
// The same into the view's scene, which is made on first use (80 x 80, owned by the view).
void drawClock(QGraphicsView &view, int from, int to);
