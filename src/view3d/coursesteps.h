#pragma once

#include <QList>
#include <QString>
#include <QTime>
#include <QVector>

class Investigation;
struct ObservationRecord;

// One observation that shapes the 3D course of an inspection.
struct CourseStep
{
    enum Kind { Bend = 0, Branch = 1, WidthChange = 2, End = 3 };

    double value = 0.0;   // bend angle in degrees, new width in millimetres, 60 for a branch
    int position = 0;     // degrees on the pipe cross-section (0 right, 90 top); -1 undetermined
    QString text;         // "<metres>m <code> <description>" for bends and branches
    int kind = End;
    QString code;         // empty for a default step: "nothing left to place"
    QTime timecode;
    double meter = 0.0;
    int index = 0;        // which of the observations of equal code, time and metre (see below)
};

// Metres equal up to 1e-12 relative (exactly equal for zero).
bool sameMeter(double a, double b);

// For each observation, how many observations before it have the same code, video time and
// distance: 0 for the first of such a key. Observations recorded while the video stood still
// can share all three (two laterals at one metre); this number tells them apart.
QVector<int> equalKeyIndexes(const QVector<ObservationRecord> &observations);

// ((15 - hours) * 30) mod 360: 12 o'clock is 90 (top), 3 o'clock 0, 6 o'clock 270, 9 o'clock 180.
int clockPosition(int hours);

// The bends and width changes in observation order, then one end step at the furthest distance,
// then the branches in observation order. Empty for a DanDas inspection; the course then shows
// nothing.
QList<CourseStep> buildCourseSteps(const Investigation *investigation);
