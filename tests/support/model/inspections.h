#pragma once

#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/freetext.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"

#include <memory>

// A fresh inspection of the standard (a NormKind) with its shipped catalogue; EN 13508-2 in
// German, free text for a kind without a standard of its own. Header-only, so that tests of the
// libraries above the model can use it without linking the model's test support.
inline std::unique_ptr<Investigation> makeInspection(int normKind)
{
    switch (normKind) {
    case NormEN135082:
        return std::make_unique<EN135082>(QStringLiteral("de"));
    case NormDWAM1492:
        return std::make_unique<DWAM1492>();
    case NormIsybau2006:
        return std::make_unique<Isybau2006>();
    case NormDanDas:
        return std::make_unique<DanDas>();
    case NormATV:
    case NormIsybau2001: {
        auto inspection = std::make_unique<Isybau2001>();
        inspection->setNormKind(normKind);
        return inspection;
    }
    default:
        return std::make_unique<Freetext>();
    }
}
