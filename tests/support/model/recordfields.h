#pragma once

#include "model/records.h"

#include <QStringList>

// Every field of an observation as "name=value", so that comparing two records names the field
// that differs. Header-only, like inspections.h.
inline QStringList recordFields(const ObservationRecord &o)
{
    return {QStringLiteral("distance=%1").arg(o.distance, 0, 'g', 17),
            QStringLiteral("code=") + o.code,
            QStringLiteral("videoTime=") + o.videoTime.toString(QStringLiteral("hh:mm:ss.zzz")),
            QStringLiteral("remark=") + o.remark,
            QStringLiteral("photoFile=") + o.photoFile,
            QStringLiteral("character1=") + o.character1,
            QStringLiteral("character2=") + o.character2,
            QStringLiteral("quantity1=%1").arg(o.quantity1, 0, 'g', 17),
            QStringLiteral("quantity2=%1").arg(o.quantity2, 0, 'g', 17),
            QStringLiteral("quantity1Text=") + o.quantity1Text,
            QStringLiteral("quantity2Text=") + o.quantity2Text,
            QStringLiteral("clockFrom=%1").arg(o.clockFrom),
            QStringLiteral("clockTo=%1").arg(o.clockTo),
            QStringLiteral("damageClass=%1").arg(o.damageClass),
            QStringLiteral("joint=%1").arg(o.joint),
            QStringLiteral("continuousDefect=") + o.continuousDefect,
            QStringLiteral("continuousDefectNumber=%1").arg(o.continuousDefectNumber)};
}
