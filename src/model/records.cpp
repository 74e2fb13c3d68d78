#include "model/records.h"

#include <QDateTime>

#include <ctime>

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
    // The local clock read from the C library: Qt's reading asks the system for the time zone
    // file three times, and opening a project clears the header of every inspection it loads.
    // The library keeps the zone as last read, which each of Qt's date-time calls does again.
    timespec now{};
    std::tm local{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0 || !::localtime_r(&now.tv_sec, &local)) {
        const QDateTime current = QDateTime::currentDateTime();
        date = current.date();
        time = current.time();
        return;
    }
    date = QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    time = QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59), int(now.tv_nsec / 1000000));
}
