#pragma once

#include "model/investigation.h"

#include <QStringList>

#include <memory>

// Helpers for the tests of the header editors.
namespace HeaderHelpers {

// An inspection of the real class of a standard, with its embedded catalogue: NormKind 0 free
// text, 1 ATV M-143-2, 2 ISYBAU 2001, 3 EN 13508-2 (German), 4 ISYBAU 2006, 5 DWA-M 149-2,
// 7 DanDas.
std::unique_ptr<Investigation> inspectionOf(NormKind kind);
// The standard's name, for the rows of data-driven tests.
const char *standardName(NormKind kind);

// Every field of the header as "name=value", in record order: two headers compared with QCOMPARE
// name the first field that differs.
QStringList headerFields(const InspectionHeader &h);

} // namespace HeaderHelpers
