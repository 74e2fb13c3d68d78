#pragma once

#include <QString>

class Investigation;
class QAbstractSpinBox;
class QTime;
class QWidget;
struct ObservationRecord;

// What the observation dialogs of every standard do alike.

// The photo an observation names once its photo box is ticked: the one it was handed in with,
// so that unticking and ticking again gives the same picture back; otherwise a new name from
// the video time and the next photo number of the inspection.
QString photoFileName(const Investigation &inspection, const ObservationRecord &incoming, const QTime &videoTime);

// An observation at 0.00 m is most often one whose distance was forgotten: ask before it is
// taken. "Nein" puts the user back into the distance field, all of it selected. True when the
// observation may be taken.
bool confirmDistance(double distance, QAbstractSpinBox &distanceField, QWidget *parent);
