#include "fuzzsupport.h"

#include "foundation/firm.h"
#include "foundation/firmstore.h"

// The first byte chooses the file: a company file (".tks") or the company store ("tsfirm.ini").
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    Fuzz::init();
    if (data[0] & 1) {
        const QString path = Fuzz::writeInput(data + 1, size - 1, QStringLiteral("firma.tks"));
        Firm firm;
        firm.importFile(path);
    } else {
        Fuzz::writeInput(data + 1, size - 1, QStringLiteral("tsfirm.ini"));
        FirmStore store(Fuzz::folder());
        store.load();
        store.currentFirm();
        store.names();
    }
    return 0;
}
