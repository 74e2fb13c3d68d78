#include "inspectionfuzz.h"

#include "model/isybau2001.h"

// The first byte chooses the variant: ATV M-143-2 (".h") or ISYBAU 2001 (".lh").
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool isybau = data[0] & 1;
    const QString suffix = isybau ? QStringLiteral(".lh") : QStringLiteral(".h");
    Fuzz::loadSaveReload<Isybau2001>(data + 1, size - 1, QStringLiteral("H1") + suffix, QStringLiteral("H2") + suffix,
                                     [isybau] {
                                         auto *inspection = new Isybau2001;
                                         if (isybau)
                                             inspection->setNormKind(NormIsybau2001);
                                         return inspection;
                                     });
    return 0;
}
