#pragma once

#include "foundation/records/reportrecords.h"

#include <QStringList>
#include <QVector>

class Investigation;
class Project;

// Colours every row for the report: by code group while classification is off, by the
// configured colour of the row's damage class while it is on; black where neither applies.
void colorObservationRows(QVector<ObservationRow> &rows);

// The photo grid of a photo layout (the configuration's photo style): columns by rows. Layouts
// 6 and 7 print one photo to a row with its texts; any layout out of the list is 3 by 3.
int photoColumns(int layout);
int photoRows(int layout);
// Whether the photo layout prints each photo beside its texts rather than as a grid.
bool photoLayoutHasTexts(int layout);

// The jobs of one inspection: its inspection pages, then its photo pages, each when asked for.
QVector<PrintJob> collectInspectionJobs(Investigation *inspection, bool inspectionPages, bool photoPages);

// The jobs of a project: the table of contents first (over the ticked inspections, titled by
// the project's print title or else its name), then per ticked inspection, in the order given,
// its inspection pages and its photo pages. Names the project does not know are passed over.
QVector<PrintJob> collectProjectJobs(const Project &project, const QStringList &tickedNames, bool contents,
                                     bool inspectionPages, bool photoPages);
