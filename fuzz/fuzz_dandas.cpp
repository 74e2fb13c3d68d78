#include "inspectionfuzz.h"

#include "model/dandas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::loadSaveReload<DanDas>(data, size, QStringLiteral("H1.xml"), QStringLiteral("H2.xml"),
                                 [] { return new DanDas; });
    return 0;
}
