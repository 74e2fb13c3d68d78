#include "inspectionfuzz.h"

#include "model/dwam1492.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::loadSaveReload<DWAM1492>(data, size, QStringLiteral("H1.xml"), QStringLiteral("H2.xml"),
                                   [] { return new DWAM1492; });
    return 0;
}
