#pragma once

#include "fuzzsupport.h"

#include "model/investigation.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace Fuzz {

// Loads the input as an inspection file. When it loads, it must save, and what was saved must
// load again with the same observations: a file the program writes is a file it can read.
// Every input gets new inspections, so nothing one input left behind can hide a fault of the
// next; the catalogue is read once per process and shared, so building them is cheap.
template <class Inspection, class Make>
void loadSaveReload(const uint8_t *data, size_t size, const QString &fileName, const QString &copyName, Make make)
{
    init();
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
    const QString path = writeInput(data, size, fileName);

    std::unique_ptr<Inspection> first(make());
    std::unique_ptr<Inspection> second(make());
    if (first->load(path)) {
        first->setFileName(copyName);
        check(first->save(), "an inspection that loaded is saved");
        check(second->load(folder() + copyName), "a saved inspection loads again");
        check(second->observations().size() == first->observations().size(),
              "a saved inspection keeps its observations");
    }
}

} // namespace Fuzz
