#include "inspectionfuzz.h"

#include "model/en135082.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::loadSaveReload<EN135082>(data, size, QStringLiteral("H1.xml"), QStringLiteral("H2.xml"),
                                   [] { return new EN135082(QStringLiteral("de")); });
    return 0;
}
