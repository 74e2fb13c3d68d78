// Times opening a project's worth of small inspections: for each exchange format of the EN family
// (EN 13508-2, DWA-M 149-2, ISYBAU 2006), creating and loading many small inspection files, one
// new inspection object each, against a bare QXmlStreamReader pass over the same files, and
// prints the ratio (our time / bare time; the goal is at most 2).
//
// Usage: bench_manyinspections [inspections] [rounds] [formats]
//        (defaults: 500, 5, "en,dwa,isybau")

#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2006.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A small inspection, as a project holds hundreds of: a header and a handful of observations.
void fill(EN135082Investigation &inv, int number)
{
    InspectionHeader h;
    h.clear();
    h.sectionName = QStringLiteral("H%1").arg(number);
    h.startNode = QStringLiteral("S%1").arg(number);
    h.endNode = QStringLiteral("S%1").arg(number + 1);
    h.street = QStringLiteral("Lange Straße");
    h.town = QStringLiteral("Musterhausen");
    h.inspector = QStringLiteral("K. Meier");
    h.height = 300;
    h.width = 300;
    h.inspectionLength = 42.5;
    inv.setMainData(h);

    const QStringList codes = inv.codes();
    QVector<ObservationRecord> &list = inv.mutableObservations();
    for (int i = 0; i < 8; ++i) {
        ObservationRecord o;
        o.code = codes.at((number * 7 + i * 13) % codes.size());
        o.distance = i * 5.25;
        o.videoTime = QTime(0, 0).addSecs(i * 30);
        if (i % 3 == 0)
            o.remark = QStringLiteral("Bemerkung %1").arg(i);
        if (i % 2 == 0) {
            o.clockFrom = 1 + i;
            o.quantity1 = i * 1.5;
        }
        list << o;
    }
}

// The bare read: every token of the file, the texts looked at.
bool bareRead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QXmlStreamReader reader(&file);
    qint64 characters = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            characters += reader.text().size();
    }
    return !reader.hasError() && characters > 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ms(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Format
{
    const char *key;  // chooses the format on the command line
    const char *name; // shown
    std::function<std::unique_ptr<EN135082Investigation>()> make;
};

struct Times
{
    double ours = 0;
    double bare = 0;
};

// Writes the files, then times opening them; false when something did not work.
bool run(const Format &format, const QString &root, int count, int rounds, Times &total)
{
    const QString folder = root + QLatin1String(format.key) + QLatin1Char('/');
    if (!QDir().mkpath(folder))
        return false;
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<EN135082Investigation> source = format.make();
        fill(*source, i);
        source->setFolder(folder);
        source->setFileName(QStringLiteral("H%1.xml").arg(i));
        if (!source->save()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return false;
        }
        paths << folder + source->fileName();
    }

    std::vector<double> ours, bare, construct;
    QElapsedTimer timer;
    for (int round = 0; round <= rounds; ++round) {
        double constructMs = 0;
        timer.restart();
        for (const QString &path : paths) {
            QElapsedTimer made;
            made.start();
            std::unique_ptr<EN135082Investigation> inv = format.make();
            constructMs += ms(made);
            if (!inv->load(path) || inv->observations().size() != 8) {
                std::fprintf(stderr, "load of %s failed\n", qPrintable(path));
                return false;
            }
        }
        const double oursMs = ms(timer);

        timer.restart();
        for (const QString &path : paths) {
            if (!bareRead(path)) {
                std::fprintf(stderr, "bare read of %s failed\n", qPrintable(path));
                return false;
            }
        }
        const double bareMs = ms(timer);

        if (round == 0)
            continue; // warm-up
        ours.push_back(oursMs);
        bare.push_back(bareMs);
        construct.push_back(constructMs);
    }

    std::printf("%s: %d inspections of 8 observations, median of %d rounds\n", format.name, count, rounds);
    std::printf("  create and load %8.2f ms  (of which creating %8.2f ms)\n", median(ours), median(construct));
    std::printf("  bare read       %8.2f ms\n", median(bare));
    std::printf("  ratio %.1f (goal: at most 2)\n\n", median(ours) / median(bare));
    total.ours += median(ours);
    total.bare += median(bare);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    reportToConsole();
    const int count = argc > 1 ? qMax(1, atoi(argv[1])) : 500;
    const int rounds = argc > 2 ? qMax(1, atoi(argv[2])) : 5;
    const QStringList chosen = QString::fromLocal8Bit(argc > 3 ? argv[3] : "en,dwa,isybau").split(QLatin1Char(','));

    const Format formats[] = {
        {"en", "EN 13508-2", [] { return std::unique_ptr<EN135082Investigation>(new EN135082(QStringLiteral("de"))); }},
        {"dwa", "DWA-M 149-2", [] { return std::unique_ptr<EN135082Investigation>(new DWAM1492); }},
        {"isybau", "ISYBAU 2006", [] { return std::unique_ptr<EN135082Investigation>(new Isybau2006); }},
    };

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    Times total;
    for (const Format &format : formats) {
        if (!chosen.contains(QLatin1String(format.key)))
            continue;
        if (!run(format, dir.path() + QLatin1Char('/'), count, rounds, total))
            return 2;
    }
    if (total.bare > 0)
        std::printf("all formats: create and load %.2f ms, bare read %.2f ms, ratio %.1f (goal: at most 2)\n", total.ours, total.bare,
                    total.ours / total.bare);
    return 0;
}
