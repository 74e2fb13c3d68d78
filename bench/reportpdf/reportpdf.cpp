// Times the inspection pages of an EN 13508-2 inspection with many observations from the print
// job to a PDF file (the runner lays out the pipe report and the pipe graphic, a painter puts the
// pages on a PDF printer, as the print dialog does) against a QPdfWriter that draws the same rows
// (distance, code, description) as plain text lines with page breaks, and prints the ratio
// (our time / plain time; the goal is at most 3).
//
// Usage: bench_reportpdf [observations] [rounds]   (defaults: 1000, 5)

#include "foundation/global.h"
#include "model/en135082.h"
#include "reports/printer.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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

// Ours: the runner's pages painted onto a PDF printer.
int reportToPdf(const PrintJob &job, const QString &path, Phases *phases)
{
    QElapsedTimer timer;
    timer.start();
    const QVector<PrintPage> pages = Printer::runInspectionPages(job, false);
    phases->layout = timer.nsecsElapsed();
    timer.restart();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setFullPage(true);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
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

// The plain baseline: one text line per row, a new page when the page is full.
int plainToPdf(const QVector<ObservationRow> &rows, const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(96);
    QPainter painter(&writer);
    painter.setFont(Printer::font(10));
    const double line = QFontMetricsF(painter.font()).lineSpacing();
    const double top = Printer::mm(20);
    const double bottom = Printer::mm(277);
    double y = top;
    int pages = 1;
    for (const ObservationRow &row : rows) {
        if (y + line > bottom) {
            writer.newPage();
            ++pages;
            y = top;
        }
        painter.drawText(QPointF(Printer::mm(20), y + line),
                         QStringLiteral("%1m  %2  %3").arg(row.distance, 0, 'f', 2).arg(row.label, row.text));
        y += line;
    }
    painter.end();
    return pages;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    EN135082 inspection(QStringLiteral("de"));
    generate(inspection, count);
    const PrintJob job = inspection.inspectionJobs().value(0);
    const QString ours = home.path() + QStringLiteral("/report.pdf");
    const QString plain = home.path() + QStringLiteral("/plain.pdf");

    std::vector<qint64> oursTimes;
    std::vector<qint64> plainTimes;
    int oursPages = 0;
    Phases phases;
    int plainPages = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        oursPages = reportToPdf(job, ours, &phases);
        oursTimes.push_back(timer.nsecsElapsed());
        timer.restart();
        plainPages = plainToPdf(job.rows, plain);
        plainTimes.push_back(timer.nsecsElapsed());
    }
    const double oursMs = median(oursTimes) / 1e6;
    const double plainMs = median(plainTimes) / 1e6;
    std::printf("observations %d, rounds %d (medians)\n", count, rounds);
    std::printf("report:  %8.1f ms  %4d pages  %8lld bytes\n", oursMs, oursPages, QFileInfo(ours).size());
    std::printf("plain:   %8.1f ms  %4d pages  %8lld bytes\n", plainMs, plainPages, QFileInfo(plain).size());
    std::printf("report of the last round: layout %.1f ms, painting %.1f ms\n", phases.layout / 1e6,
                phases.painting / 1e6);
    std::printf("ratio report/plain: %.2f (goal at most 3)\n", oursMs / plainMs);
    return 0;
}
