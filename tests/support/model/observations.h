#pragma once

#include "model/records.h"

#include <QString>

// Builders of observations for the tests. Header-only, like inspections.h.

// An observation of the code with its characterisations, at the start of the section.
inline ObservationRecord observation(const QString &code, const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o;
    o.code = code;
    o.character1 = c1;
    o.character2 = c2;
    return o;
}

// The same at a distance from the start.
inline ObservationRecord observation(double distance, const QString &code, const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o = observation(code, c1, c2);
    o.distance = distance;
    return o;
}
