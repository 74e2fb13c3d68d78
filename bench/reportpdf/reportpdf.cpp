// Times the inspection pages of an EN 13508-2 inspection with many observations from the print
// job to a PDF file (the runner lays out the pipe report and the pipe graphic, a painter puts the
// pages on a PDF printer, as the print dialog does) against a bare QPdfWriter that replays the
// very same pages, recorded once beforehand as pictures, into a PDF. It prints the ratio (our
// time / replay time; the goal is at most 1.3) for each number of observations, and how our time
// per page grows from the first number to the last (the goal is linear: about 1.0). A second
// replay of the same pictures with their images left out shows what the replay's copy of each
// image per page costs it.
//
// Usage: bench_reportpdf [observations ...] [-r rounds]   (defaults: 1000 10000, 5 rounds)

#include "foundation/global.h"
#include "model/en135082.h"
#include "reports/printer.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void generate(EN135082 &inspection, int count)
{
    QRandomGenerator random(20250611);
    InspectionHeader h;
    h.clear();
    h.sectionName = QStringLiteral("H4711");
    h.startNode = QStringLiteral("S100");
    h.endNode = QStringLiteral("S101");
    h.street = QStringLiteral("Lange Straße");
    h.town = QStringLiteral("Musterhausen");
    h.client = QStringLiteral("Stadtentwässerung");
    h.height = 300;
    h.width = 300;
    h.inspectionLength = count * 0.1;
    inspection.setMainData(h);

    const QStringList codes = inspection.codes();
    QVector<ObservationRecord> &list = inspection.mutableObservations();
    for (int i = 0; i < count; ++i) {
        ObservationRecord o;
        o.code = codes.at(int(random.bounded(codes.size())));
        int index = -1;
        if (inspection.findSubtype(o.code, index)) {
            const QStringList first = inspection.character1Tokens(o.code, index);
            if (!first.isEmpty())
                o.character1 = first.at(int(random.bounded(first.size())));
        }
        o.distance = i * 0.1;
        o.videoTime = QTime(0, 0).addSecs(i);
        if (random.bounded(3) == 0)
            o.clockFrom = 1 + int(random.bounded(12));
        if (random.bounded(5) == 0)
            o.remark = QStringLiteral("Bemerkung Nr. %1 zur Feststellung").arg(i);
        list << o;
    }
}

struct Phases
{
    qint64 layout = 0;
    qint64 painting = 0;
};

// Ours: the runner's pages painted onto a PDF printer, as the print dialog paints them.
int reportToPdf(const PrintJob &job, const QString &path, Phases *phases)
{
    QElapsedTimer timer;
    timer.start();
    const QVector<PrintPage> pages = Printer::runInspectionPages(job, false);
    phases->layout = timer.nsecsElapsed();
    timer.restart();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
    const double factor = QPicture().logicalDpiX() / 96.0;
    const QRect viewport = painter.viewport();
    painter.setViewport(viewport.x(), viewport.y(), int(std::lround(viewport.width() * factor)),
                        int(std::lround(viewport.height() * factor)));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        pages.at(i).paint(&painter, 1);
    }
    painter.end();
    phases->painting = timer.nsecsElapsed();
    return pages.size();
}

// The baseline: the same pages, recorded once as pictures, replayed by a bare PDF writer.
int replayToPdf(const QVector<QPicture> &pictures, const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(96);
    QPainter painter(&writer);
    for (int i = 0; i < pictures.size(); ++i) {
        if (i > 0)
            writer.newPage();
        const QPicture &picture = pictures.at(i);
        // A picture replays scaled by the target's resolution over its own; undone, a page pixel
        // stays 1/96 inch as on the printer.
        painter.save();
        painter.scale(picture.logicalDpiX() / 96.0, picture.logicalDpiY() / 96.0);
        painter.drawPicture(0, 0, picture);
        painter.restore();
    }
    painter.end();
    return pictures.size();
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Result
{
    int pages = 0;
    double oursMs = 0;
    double replayMs = 0;
};

// The page with its images left out, groups included.
PrintElement withoutImages(const PrintElement &element)
{
    PrintElement copy = element;
    copy.children()->clear();
    for (const PrintElement &child : *element.children()) {
        if (child.kind() != PrintElement::Image)
            copy.addChild(withoutImages(child));
    }
    return copy;
}

QPicture pictureWithoutImages(const PrintPage &page)
{
    PrintPage bare(page.width(), page.height());
    bare.setPageNumber(page.pageNumber());
    for (const PrintElement &element : page.elements()) {
        if (element.kind() != PrintElement::Image)
            bare.addElement(withoutImages(element));
    }
    return bare.toPicture(1);
}

Result measure(int count, int rounds, const QString &folder)
{
    EN135082 inspection(QStringLiteral("de"));
    generate(inspection, count);
    const PrintJob job = inspection.inspectionJobs().value(0);
    const QString ours = folder + QStringLiteral("/report.pdf");
    const QString replay = folder + QStringLiteral("/replay.pdf");
    const QString bare = folder + QStringLiteral("/bare.pdf");

    // A picture stores its images as PNG, and a replay hands each page its own decoded copy,
    // which the PDF then embeds once per page; the report embeds its few images once. The
    // replay without images shows how far that flatters the report.
    QVector<QPicture> pictures;
    QVector<QPicture> barePictures;
    for (const PrintPage &page : Printer::runInspectionPages(job, false)) {
        pictures.append(page.toPicture(1));
        barePictures.append(pictureWithoutImages(page));
    }

    std::vector<qint64> oursTimes;
    std::vector<qint64> replayTimes;
    std::vector<qint64> bareTimes;
    Result result;
    Phases phases;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        result.pages = reportToPdf(job, ours, &phases);
        oursTimes.push_back(timer.nsecsElapsed());
        timer.restart();
        replayToPdf(pictures, replay);
        replayTimes.push_back(timer.nsecsElapsed());
        timer.restart();
        replayToPdf(barePictures, bare);
        bareTimes.push_back(timer.nsecsElapsed());
    }
    result.oursMs = median(oursTimes) / 1e6;
    result.replayMs = median(replayTimes) / 1e6;
    const double bareMs = median(bareTimes) / 1e6;
    std::printf("observations %d, rounds %d (medians)\n", count, rounds);
    std::printf("  report:                 %9.1f ms  %5d pages  %9lld bytes\n", result.oursMs, result.pages,
                QFileInfo(ours).size());
    std::printf("  replay:                 %9.1f ms  %5d pages  %9lld bytes\n", result.replayMs, pictures.size(),
                QFileInfo(replay).size());
    std::printf("  replay without images:  %9.1f ms  %5d pages  %9lld bytes\n", bareMs, barePictures.size(),
                QFileInfo(bare).size());
    std::printf("  report of the last round: layout %.1f ms, painting %.1f ms\n", phases.layout / 1e6,
                phases.painting / 1e6);
    std::printf("  ratio report/replay: %.2f (goal at most 1.3); report/replay without images: %.2f\n",
                result.oursMs / result.replayMs, result.oursMs / bareMs);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's settings and stores go to a folder of their own, not the user's.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    QApplication app(argc, argv);
    reportToConsole();
    Global::instance();

    std::vector<int> counts;
    int rounds = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-r") == 0 && i + 1 < argc)
            rounds = std::max(1, atoi(argv[++i]));
        else
            counts.push_back(std::max(1, atoi(argv[i])));
    }
    if (counts.empty())
        counts = {1000, 10000};

    std::vector<Result> results;
    for (const int count : counts)
        results.push_back(measure(count, rounds, home.path()));
    if (results.size() > 1) {
        const Result &first = results.front();
        const Result &last = results.back();
        // Our time per page, last against first: 1.0 is linear growth in the page count.
        const double growth = (last.oursMs / last.pages) / (first.oursMs / first.pages);
        std::printf("time per page, %d against %d observations: %.2f (linear: 1.0); the replay's: %.2f\n",
                    counts.back(), counts.front(), growth,
                    (last.replayMs / last.pages) / (first.replayMs / first.pages));
    }
    return 0;
}
