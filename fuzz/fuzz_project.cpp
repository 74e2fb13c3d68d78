#include "fuzzsupport.h"

#include "project/project.h"

#include <QDir>

// The first byte chooses the file: a project's "project.xml" (odd), or the ".project" order list
// of an older project folder (even), which holds two inspections to put in order.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    Fuzz::init();
    QDir(Fuzz::folder()).removeRecursively();
    const QString project = Fuzz::folder() + QStringLiteral("P/");
    if (data[0] & 1) {
        QDir().mkpath(project);
        Fuzz::writeInput(data + 1, size - 1, QStringLiteral("P/project.xml"));
    } else {
        for (const QString &name : {QStringLiteral("K1"), QStringLiteral("K2")}) {
            QDir().mkpath(project + name);
            Fuzz::writeInput(QByteArray("video"), QStringLiteral("P/%1/%1.mpg").arg(name));
        }
        Fuzz::writeInput(data + 1, size - 1, QStringLiteral("P/.project"));
    }
    Project read(project + QStringLiteral("project.xml"));
    read.inspectionNames();
    read.skippedInspections();
    if (!(data[0] & 1))
        Fuzz::check(read.inspectionCount() == 2, "an older folder opens the inspections it holds");
    return 0;
}
