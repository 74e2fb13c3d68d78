// Times the program's start, from starting the process to its main window being mapped on the
// display, against a bare Qt program that shows an empty QMainWindow, and prints the ratio of the
// medians (our time / bare time; the goal is at most 3). The two alternate on one X server, each
// started on the same seeded data folder (projects folder set, so no first-run notice waits) and
// closed again through the window manager's close request.
//
// Usage (on a display of its own, for example):
//   scripts/with-xvfb.sh build/bench/bench_startup [rounds]      (default 10)

#include "support/xwindows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Subject
{
    QString program;
    QString title;
};

// Milliseconds from the start of the process until its window is mapped; -1 when it never was.
double timeToWindow(const Subject &subject, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(subject.program, QStringList());
    if (!process.waitForStarted())
        return -1;
    unsigned long window = 0;
    double elapsed = -1;
    // Polled as fast as the helper can look: each look opens a connection to the display.
    while (clock.elapsed() < 120000 && process.state() == QProcess::Running) {
        for (unsigned long found : XWindows::findByTitle(subject.title)) {
            if (XWindows::isViewable(found)) {
                window = found;
                elapsed = double(clock.nsecsElapsed()) / 1e6;
            }
        }
        if (window)
            break;
        // Also how the process's end is noticed: there is no event loop here.
        process.waitForFinished(2);
    }
    if (!window) {
        std::fprintf(stderr, "%s: no window; exit code %d, its messages:\n%s\n", qPrintable(subject.program),
                     process.exitCode(), process.readAllStandardError().constData());
    }
    // Asked again until it ends: a window made anew while it settles can miss a first request.
    QElapsedTimer closing;
    closing.start();
    while (process.state() == QProcess::Running && closing.elapsed() < 60000) {
        for (unsigned long found : XWindows::findByTitle(subject.title))
            XWindows::requestClose(found);
        process.waitForFinished(500);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Each round is printed as it ends, also into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int rounds = std::max(1, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_startup needs an X display, e.g. scripts/with-xvfb.sh %s\n", argv[0]);
        return 2;
    }

    QTemporaryDir home;
    const QString data = home.path() + QStringLiteral("/data/RivuzAzed");
    QDir().mkpath(data);
    QDir().mkpath(home.path() + QStringLiteral("/projects"));
    {
        QSettings config(data + QStringLiteral("/tsconfig.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("Config/ProjectPath"), home.path() + QStringLiteral("/projects"));
        config.setValue(QStringLiteral("Config/Language"), 0);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    const Subject program{QStringLiteral(ZZ_PROGRAM), QStringLiteral("ZOZOrure 1.0")};
    const Subject bare{QStringLiteral(ZZ_BARE_PROGRAM), QStringLiteral("bare main window")};
    // One start of each first, not counted: the disk cache holds the libraries afterwards.
    timeToWindow(program, environment);
    timeToWindow(bare, environment);

    std::vector<double> ours;
    std::vector<double> baseline;
    for (int i = 0; i < rounds; ++i) {
        const double a = timeToWindow(program, environment);
        const double b = timeToWindow(bare, environment);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "round %d: the window of %s did not come up\n", i + 1, a < 0 ? "the program" : "the bare program");
            return 1;
        }
        ours.push_back(a);
        baseline.push_back(b);
        std::printf("round %2d: program %8.1f ms   bare %8.1f ms\n", i + 1, a, b);
    }
    const double m = median(ours);
    const double base = median(baseline);
    std::printf("median start to mapped window: program %.1f ms, bare Qt main window %.1f ms\n", m, base);
    std::printf("ratio: %.2f (goal: at most 3)\n", m / base);
    return 0;
}
