#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The coding standard an inspection follows.
enum NormKindValue {
    NormFreetext = 0,
    NormATV = 1,
    NormIsybau2001 = 2,
    NormEN135082 = 3,
    NormIsybau2006 = 4,
    NormDWAM1492 = 5,
    NormDanDas = 7
};
using NormKind = int;

// One observation along the pipe.
struct ObservationRecord
{
    ObservationRecord() { clear(); }
    void clear();

    double distance;          // metres from the start of the inspection
    QString code;             // catalogue code
    QTime videoTime;          // position in the inspection video
    QString remark;
    QString photoFile;        // relative to the inspection folder; empty: no photo
    QString character1;
    QString character2;
    double quantity1;
    double quantity2;
    QString quantity1Text;    // node names of the start and end codes
    QString quantity2Text;
    int clockFrom;            // 1..12, 0 none
    int clockTo;              // 1..12, 0 none
    int damageClass;
    int joint;                // 1 at a pipe joint
    QString continuousDefect; // "", "A" begin, "B" end, "R..." over one pipe unit
    int continuousDefectNumber;
};

// Stable sorts with this predicate order observations by ascending distance.
inline bool lessByDistance(const ObservationRecord &a, const ObservationRecord &b)
{
    return a.distance < b.distance;
}

// The header of an inspection. Option-code fields hold keys of the inspection's option lists.
struct InspectionHeader
{
    // Everything empty and zero, no date and no valid time.
    InspectionHeader() = default;
    // Everything empty and zero, today's date and the current time.
    void clear();

    QString client;
    QString company;
    QString inspector;
    QString town;
    QString street;
    QString sectionName;
    QString orderNumber;
    QString startNode;
    QString endNode;
    QString startNodeType;
    QString endNodeType;
    QString profile;
    QString profileSource;
    double height = 0.0;            // millimetres
    double width = 0.0;             // millimetres
    QString material;
    QString materialSource;
    QString liningMaterial;
    QString lining;
    QString protection;
    QString inspectionMethod;
    QString weather;
    QString sewerKind;
    QString pipeType;
    QString installationType;
    QString inspectionKind;
    QString videoReference;
    QString videoMedium;
    QString videoReferenceKind;
    QString startPosition;
    QString reason;
    QString cleaning;
    QString flowControl;
    QString direction;
    QDate date;
    QTime time;
    double inspectionLength = 0.0;  // metres, as stored in the file
    double pipeUnitLength = 0.0;    // metres
    int filmEndFrame = 0;
    QString sewerKindText;
    QString materialText;
};
