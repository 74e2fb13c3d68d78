#include "fuzzsupport.h"

#include "foundation/config.h"

#include <QFile>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Reads the input as the settings file, "tsconfig.ini". Whatever it holds, the settings load;
// what is written then reads back as it was, so a second write gives the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::init();
    static const bool homeMoved = [] {
        // The default project folder is made in the documents folder: never the real one.
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qputenv(name, Fuzz::folder().toLocal8Bit());
        return true;
    }();
    Q_UNUSED(homeMoved)
    Fuzz::writeInput(data, size, QStringLiteral("tsconfig.ini"));
    Config config(Fuzz::folder());
    config.load();
    for (int i = -1; i < 8; ++i)
        config.classColor(i);
    Fuzz::check(config.save(), "the settings are written");
    const QByteArray written = fileBytes(config.filePath());
    Config again(Fuzz::folder());
    again.load();
    Fuzz::check(again.save(), "the settings are written again");
    Fuzz::check(fileBytes(again.filePath()) == written, "the settings are read back as written");
    return 0;
}
