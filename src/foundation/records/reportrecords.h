#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

// One observation as a row of the pipe graphic and the pipe report.
struct ObservationRow
{
    double distance = 0.0;          // metres from the start of the section
    QTime videoTime = QTime(0, 0);  // position in the inspection video
    QString label;                  // the code, or the code with its characterisations
    QString text;                   // the observation's description
    int side = 0;                   // 1 upper half of the pipe, 0 lower half
    int category = 0;               // code group 1 to 4, 0 none
    int damageClass = 0;            // 1-based classification class; 0 or less: none
    QColor color;                   // set by the report generator before layout
};

// One inspection's line of the project's table of contents.
struct TocEntry
{
    QString sectionName;
    QString street;
    QString date;          // "dd.MM.yyyy"
    QString startNode;
    QString endNode;
    QString material;
    QString height;        // "%1mm"
    QString width;         // "%1mm"
    QString videoReference;
    QString lengthText;    // inspected length, two decimals
    double length = 0.0;   // inspected length in metres
    QString sewerText;
    QColor color;          // dark red with structural damage, else black
    int kind = 0;
};

using PipeMarker = QPair<int, double>; // marker kind, distance in metres

// One report section to generate.
struct PrintJob
{
    QString type;               // "createTOC", "inspectionPages", "fotoPages", "fotoPagesVideo"
    QStringList shortHeader;    // element 0 the standard's name, then the short header values
    QStringList normHeader;     // element 0 the standard's name, then its header table values
    int section = 0;            // reverse-direction flag as the standard passes it
    int flowColorKind = 0;      // sewer class: 1 storm water, 2 foul water, 3 combined, 0 unknown
    QString startNode;
    QString endNode;
    QString sectionName;        // in a "createTOC" job: the title of the table of contents
    double length = 0.0;        // inspected length in metres
    QVector<ObservationRow> rows;
    QList<PipeMarker> points;
    QVector<QImage> photos;
    QStringList photoTexts;
    QList<TocEntry> entries;
    QString client;             // in a "createTOC" job: the client text
};
