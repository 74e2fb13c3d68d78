#include "fuzzsupport.h"

#include "foundation/reporter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {
QTemporaryDir *tempDir = nullptr;
}

void init()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.*=false");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    Reporter::setHandler([](Reporter::Kind, const QString &) {});
    tempDir = new QTemporaryDir;
}

QString folder()
{
    return tempDir->path() + QLatin1Char('/');
}

QString writeInput(const QByteArray &bytes, const QString &name)
{
    const QString path = folder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    file.write(bytes);
    return path;
}

QString writeInput(const uint8_t *data, size_t size, const QString &name)
{
    return writeInput(QByteArray(reinterpret_cast<const char *>(data), int(size)), name);
}

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

} // namespace Fuzz
