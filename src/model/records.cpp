#include "model/records.h"

#include <QDateTime>

void ObservationRecord::clear()
{
    distance = 0.0;
    code.clear();
    videoTime = QTime(0, 0);
    remark.clear();
    photoFile.clear();
    character1.clear();
    character2.clear();
    quantity1 = 0.0;
    quantity2 = 0.0;
    quantity1Text.clear();
    quantity2Text.clear();
    clockFrom = 0;
    clockTo = 0;
    damageClass = 0;
    joint = 0;
    continuousDefect.clear();
    continuousDefectNumber = 0;
}

void InspectionHeader::clear()
{
    *this = InspectionHeader();
    // One reading of the clock: each one looks up the time zone.
    const QDateTime now = QDateTime::currentDateTime();
    date = now.date();
    time = now.time();
}
