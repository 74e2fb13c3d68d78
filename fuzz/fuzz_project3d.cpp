#include "fuzzsupport.h"

#include "project/project.h"
#include "project/project3d.h"
#include "view3d/camera.h"

#include <QDir>

// Reads the input as the 3D file of an empty project. What loads is written again and must load
// again: a file the program writes is a file it can read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::init();
    QDir(Fuzz::folder()).removeRecursively();
    QDir().mkpath(Fuzz::folder() + QStringLiteral("P"));
    Project project(Fuzz::folder() + QStringLiteral("P/project.xml"));
    Fuzz::writeInput(data, size, QStringLiteral("P/project3d.xml"));
    Project3D store;
    store.setProject(&project);
    if (!store.load())
        return 0;
    store.objects();
    Fuzz::check(store.save(), "a 3D file that loaded is saved");
    Project3D again;
    again.setProject(&project);
    Fuzz::check(again.load(), "a saved 3D file loads again");
    return 0;
}
