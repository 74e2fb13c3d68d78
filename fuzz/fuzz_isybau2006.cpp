#include "inspectionfuzz.h"

#include "model/isybau2006.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::loadSaveReload<Isybau2006>(data, size, QStringLiteral("H1.xml"), QStringLiteral("H2.xml"),
                                     [] { return new Isybau2006; });
    return 0;
}
