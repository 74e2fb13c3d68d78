#pragma once

#include "model/records.h"

#include <QStringList>

// Helpers for the tests of the header editors. Header-only, like inspections.h, so that tests of
// the libraries above the model can use them without linking the model's test support.
namespace HeaderHelpers {

// The standard's name, for the rows of data-driven tests.
inline const char *standardName(NormKind kind)
{
    switch (kind) {
    case NormFreetext:
        return "free text";
    case NormATV:
        return "ATV M-143-2";
    case NormIsybau2001:
        return "ISYBAU 2001";
    case NormEN135082:
        return "EN 13508-2";
    case NormIsybau2006:
        return "ISYBAU 2006";
    case NormDWAM1492:
        return "DWA-M 149-2";
    case NormDanDas:
        return "DanDas";
    default:
        return "unknown";
    }
}

// Every field of the header as "name=value", in record order: two headers compared with QCOMPARE
// name the first field that differs.
inline QStringList headerFields(const InspectionHeader &h)
{
    const auto number = [](double v) { return QString::number(v, 'g', 17); };
    return {
        QStringLiteral("client=") + h.client,
        QStringLiteral("company=") + h.company,
        QStringLiteral("inspector=") + h.inspector,
        QStringLiteral("town=") + h.town,
        QStringLiteral("street=") + h.street,
        QStringLiteral("sectionName=") + h.sectionName,
        QStringLiteral("orderNumber=") + h.orderNumber,
        QStringLiteral("startNode=") + h.startNode,
        QStringLiteral("endNode=") + h.endNode,
        QStringLiteral("startNodeType=") + h.startNodeType,
        QStringLiteral("endNodeType=") + h.endNodeType,
        QStringLiteral("profile=") + h.profile,
        QStringLiteral("profileSource=") + h.profileSource,
        QStringLiteral("height=") + number(h.height),
        QStringLiteral("width=") + number(h.width),
        QStringLiteral("material=") + h.material,
        QStringLiteral("materialSource=") + h.materialSource,
        QStringLiteral("liningMaterial=") + h.liningMaterial,
        QStringLiteral("lining=") + h.lining,
        QStringLiteral("protection=") + h.protection,
        QStringLiteral("inspectionMethod=") + h.inspectionMethod,
        QStringLiteral("weather=") + h.weather,
        QStringLiteral("sewerKind=") + h.sewerKind,
        QStringLiteral("pipeType=") + h.pipeType,
        QStringLiteral("installationType=") + h.installationType,
        QStringLiteral("inspectionKind=") + h.inspectionKind,
        QStringLiteral("videoReference=") + h.videoReference,
        QStringLiteral("videoMedium=") + h.videoMedium,
        QStringLiteral("videoReferenceKind=") + h.videoReferenceKind,
        QStringLiteral("startPosition=") + h.startPosition,
        QStringLiteral("reason=") + h.reason,
        QStringLiteral("cleaning=") + h.cleaning,
        QStringLiteral("flowControl=") + h.flowControl,
        QStringLiteral("direction=") + h.direction,
        QStringLiteral("date=") + h.date.toString(Qt::ISODate),
        QStringLiteral("time=") + h.time.toString(Qt::ISODateWithMs),
        QStringLiteral("inspectionLength=") + number(h.inspectionLength),
        QStringLiteral("pipeUnitLength=") + number(h.pipeUnitLength),
        QStringLiteral("filmEndFrame=") + QString::number(h.filmEndFrame),
        QStringLiteral("sewerKindText=") + h.sewerKindText,
        QStringLiteral("materialText=") + h.materialText,
    };
}

} // namespace HeaderHelpers
