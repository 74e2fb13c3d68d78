#include "fuzzsupport.h"

#include "model/en135082.h"
#include "model/isybau2001.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray fixture(const char *path)
{
    QFile file(QString::fromUtf8(ZZ_FIXTURES) + QLatin1String(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray enInspection()
{
    const QString folder = Fuzz::folder() + QStringLiteral("seed/");
    QDir().mkpath(folder);
    EN135082 inspection;
    inspection.setFolder(folder);
    inspection.setFileName(QStringLiteral("H1.xml"));
    InspectionHeader header;
    header.clear();
    header.sectionName = QStringLiteral("H1");
    header.startNode = QStringLiteral("S1");
    inspection.setMainData(header);
    inspection.addStartNode(QTime(0, 0, 1));
    Fuzz::check(inspection.save(), "the side-file fuzzer's inspection is saved");
    QFile file(folder + QStringLiteral("H1.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Reads the input as the ".dat" side file of a sound inspection file. The first byte chooses the
// inspection: EN 13508-2 (one line) or ISYBAU 2001 (ten lines).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    Fuzz::init();
    static const QByteArray en = enInspection();
    static const QByteArray isybau = fixture("/isybau2001/isybau.lh");
    QDir(Fuzz::folder()).removeRecursively();
    QDir().mkpath(Fuzz::folder());
    Fuzz::writeInput(data + 1, size - 1, QStringLiteral("H1.dat"));
    if (data[0] & 1) {
        const QString path = Fuzz::writeInput(isybau, QStringLiteral("H1.lh"));
        Isybau2001 inspection;
        inspection.setNormKind(NormIsybau2001);
        inspection.load(path);
    } else {
        const QString path = Fuzz::writeInput(en, QStringLiteral("H1.xml"));
        EN135082 inspection;
        inspection.load(path);
    }
    return 0;
}
