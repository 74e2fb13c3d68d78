// Times opening a whole project (its "project.xml", the content test of every inspection file and
// the loading of every inspection) of many inspections in the four XML exchange formats, against a
// bare QXmlStreamReader pass over the same files, and prints the ratio (our time / bare time; the
// goal is at most 1.5). The content test alone and the building of the inspection objects alone are
// timed as well.
//
// Usage: bench_projectopen [inspections] [observations] [rounds]
//        (defaults: 500, 20, 5)

#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2006.h"
#include "project/project.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<Investigation> makeFormat(int index)
{
    switch (index % 4) {
    case 0:
        return std::make_unique<EN135082>(QStringLiteral("de"));
    case 1:
        return std::make_unique<DWAM1492>();
    case 2:
        return std::make_unique<Isybau2006>();
    default:
        return std::make_unique<DanDas>();
    }
}

bool generate(const QString &projectFolder, int count, int observations)
{
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("H%1").arg(i, 4, 10, QLatin1Char('0'));
        const QString folder = projectFolder + QLatin1Char('/') + name;
        if (!QDir().mkpath(folder))
            return false;
        std::unique_ptr<Investigation> inv = makeFormat(i);
        InspectionHeader &h = inv->mutableMainData();
        h.sectionName = name;
        h.startNode = QStringLiteral("S%1").arg(i);
        h.endNode = QStringLiteral("S%1").arg(i + 1);
        h.street = QStringLiteral("Lange Straße");
        h.town = QStringLiteral("Musterhausen");
        h.inspectionLength = observations * 1.5;
        const QStringList codes = inv->codes();
        for (int k = 0; k < observations && !codes.isEmpty(); ++k) {
            ObservationRecord o;
            o.code = codes.at((i * 7 + k * 13) % codes.size());
            o.distance = k * 1.5;
            o.videoTime = QTime(0, 0).addSecs(k * 10);
            o.remark = QStringLiteral("Bemerkung %1").arg(k);
            inv->mutableObservations() << o;
        }
        inv->setFolder(folder);
        inv->setFileName(name + QStringLiteral(".xml"));
        if (!inv->save())
            return false;
    }
    Project project(projectFolder + QStringLiteral("/project.xml"));
    return project.inspectionCount() == count && QFile::exists(project.path());
}

// The bare pass: every token of every file, the texts looked at. Not inlined, so that a profile
// can count its instructions apart from the rest.
Q_NEVER_INLINE qint64 bareRead(const QStringList &paths)
{
    qint64 characters = 0;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        QXmlStreamReader reader(&file);
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::Characters)
                characters += reader.text().size();
        }
        if (reader.hasError())
            return -1;
    }
    return characters;
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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    reportToConsole();
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 500;
    const int observations = argc > 2 ? std::max(0, atoi(argv[2])) : 20;
    const int rounds = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    qSetMessagePattern(QString()); // the model's debug lines are not part of the measure
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });

    QTemporaryDir dir;
    const QString projectFolder = dir.path() + QStringLiteral("/Projekt");
    QElapsedTimer timer;
    timer.start();
    if (!generate(projectFolder, count, observations)) {
        std::fprintf(stderr, "cannot generate the project\n");
        return 1;
    }
    std::printf("generated %d inspections of %d observations in %.0f ms\n", count, observations, ms(timer));

    const QString projectFile = projectFolder + QStringLiteral("/project.xml");
    QStringList paths{projectFile};
    QStringList inspectionFiles;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("H%1").arg(i, 4, 10, QLatin1Char('0'));
        inspectionFiles << projectFolder + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".xml");
    }
    paths += inspectionFiles;

    std::vector<double> open, bare, kind, construct;
    for (int round = 0; round <= rounds; ++round) {
        timer.restart();
        int opened = 0;
        {
            Project project(projectFile);
            opened = project.inspectionCount();
        }
        const double openMs = ms(timer);

        timer.restart();
        const qint64 characters = bareRead(paths);
        const double bareMs = ms(timer);

        timer.restart();
        int known = 0;
        for (const QString &path : qAsConst(inspectionFiles))
            known += Project::detectXmlKind(path) != Project::UnknownKind ? 1 : 0;
        const double kindMs = ms(timer);

        // The share of building the inspection objects (each reads its catalogue).
        timer.restart();
        for (int i = 0; i < count; ++i)
            makeFormat(i);
        const double constructMs = ms(timer);

        if (opened != count || characters < 0 || known != count) {
            std::fprintf(stderr, "round %d: opened %d, known %d of %d\n", round, opened, known, count);
            return 1;
        }
        if (round == 0)
            continue; // warm-up: file cache, catalogues, translators
        open.push_back(openMs);
        bare.push_back(bareMs);
        kind.push_back(kindMs);
        construct.push_back(constructMs);
    }
    const double openMedian = median(open);
    const double bareMedian = median(bare);
    const double kindMedian = median(kind);
    std::printf("open project: %.1f ms, content test alone: %.1f ms, bare stream pass: %.1f ms (median of %d)\n",
                openMedian, kindMedian, bareMedian, rounds);
    std::printf("of the opening, building the %d inspection objects alone: %.1f ms\n", count, median(construct));
    std::printf("ratio open/bare: %.2f (goal: at most 1.5), content test/bare: %.2f\n", openMedian / bareMedian,
                kindMedian / bareMedian);
    return 0;
}
