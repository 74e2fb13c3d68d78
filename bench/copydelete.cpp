// Times FileHelper::copyDirectory against `cp -r` and FileHelper::removeDirectory against
// `rm -rf` on a generated tree, checks that both copies hold the same bytes, and prints the ratios
// (our time / baseline time; 1.0 = as fast, the goal is at most 1.0).
//
// Usage: bench_copydelete [work folder] [rounds]   (default rounds: 9)
// The work folder (default: a temporary folder) must have room for three copies of the tree
// (about 900 MB).

#include "foundation/filehelper.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

// 12 folders of 25 files, sizes from 4 KB to about 2 MB: 300 files, about 300 MB.
qint64 makeTree(const QString &root)
{
    QRandomGenerator random(20240601);
    QByteArray chunk(2 * 1024 * 1024 + 4096, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); i += 4)
        *reinterpret_cast<quint32 *>(chunk.data() + i) = random.generate();
    qint64 total = 0;
    for (int folder = 0; folder < 12; ++folder) {
        const QString dir = root + QStringLiteral("/inspection%1/media").arg(folder);
        QDir().mkpath(dir);
        for (int file = 0; file < 25; ++file) {
            const int size = 4096 + int(random.bounded(2 * 1024 * 1024));
            QFile out(dir + QStringLiteral("/file%1.bin").arg(file));
            if (!out.open(QIODevice::WriteOnly) || out.write(chunk.constData(), size) != size) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
                std::exit(2);
            }
            total += size;
        }
    }
    return total;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Dirty pages of an earlier step must not be written back during the next timed step.
void settle()
{
    ::sync();
}

double run(const QString &program, const QStringList &arguments)
{
    settle();
    QElapsedTimer timer;
    timer.start();
    const int rc = QProcess::execute(program, arguments);
    const double t = seconds(timer);
    if (rc != 0) {
        std::fprintf(stderr, "%s failed (%d)\n", qPrintable(program), rc);
        std::exit(2);
    }
    return t;
}

// The files below `copy` hold the same bytes as those below `original`, and neither tree has an
// entry the other lacks. Prints the first difference.
bool sameTree(const QString &original, const QString &copy)
{
    const auto listing = [](const QString &root) {
        QStringList names;
        QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(root).relativeFilePath(it.next());
        names.sort();
        return names;
    };
    const QStringList names = listing(original);
    if (names != listing(copy)) {
        std::fprintf(stderr, "the copies list different entries\n");
        return false;
    }
    for (const QString &name : names) {
        QFile a(original + QLatin1Char('/') + name);
        QFile b(copy + QLatin1Char('/') + name);
        if (QFileInfo(a.fileName()).isDir())
            continue;
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll()) {
            std::fprintf(stderr, "%s differs\n", qPrintable(name));
            return false;
        }
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The per-file and per-folder debug lines are not what is measured.
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    QApplication app(argc, argv);

    const QStringList args = app.arguments();
    QTemporaryDir temp(args.size() > 1 ? args.at(1) + QStringLiteral("/bench-XXXXXX") : QString());
    const int rounds = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 9;
    if (!temp.isValid()) {
        std::fprintf(stderr, "no work folder\n");
        return 2;
    }
    const QString source = temp.path() + QStringLiteral("/source");
    const QString viaCp = temp.path() + QStringLiteral("/cp");
    const QString viaHelper = temp.path() + QStringLiteral("/helper");

    const qint64 bytes = makeTree(source);
    std::printf("tree: 300 files in 24 folders, %.1f MB, block size %d KB, %d rounds\n", double(bytes) / 1048576.0,
                FileHelper::kCopyBlockSize / 1024, rounds);

    QProgressBar bar; // progress as the program shows it

    // One untimed pass of each, so that neither side pays for the first use of the page cache.
    run(QStringLiteral("cp"), {QStringLiteral("-r"), source, viaCp});
    run(QStringLiteral("rm"), {QStringLiteral("-rf"), viaCp});
    FileHelper::copyDirectory(source, viaHelper, temp.path(), &bar);
    FileHelper::removeDirectory(viaHelper, temp.path());

    std::vector<double> cpTimes, copyTimes, rmTimes, removeTimes;
    int progress = 0;
    int progressMaximum = 0;
    const auto copyWithCp = [&] { cpTimes.push_back(run(QStringLiteral("cp"), {QStringLiteral("-r"), source, viaCp})); };
    const auto copyWithHelper = [&] {
        settle();
        QElapsedTimer timer;
        timer.start();
        if (!FileHelper::copyDirectory(source, viaHelper, temp.path(), &bar)) {
            std::fprintf(stderr, "copyDirectory failed\n");
            std::exit(2);
        }
        copyTimes.push_back(seconds(timer));
        progress = bar.value();
        progressMaximum = bar.maximum();
    };
    const auto removeWithRm = [&] { rmTimes.push_back(run(QStringLiteral("rm"), {QStringLiteral("-rf"), viaCp})); };
    const auto removeWithHelper = [&] {
        settle();
        QElapsedTimer timer;
        timer.start();
        if (!FileHelper::removeDirectory(viaHelper, temp.path(), &bar)) {
            std::fprintf(stderr, "removeDirectory failed\n");
            std::exit(2);
        }
        removeTimes.push_back(seconds(timer));
    };
    for (int round = 0; round < rounds; ++round) {
        // Both copies start from the same state, and so do both deletions; the side that goes
        // first alternates.
        const bool cpFirst = round % 2 == 0;
        if (cpFirst) {
            copyWithCp();
            copyWithHelper();
        } else {
            copyWithHelper();
            copyWithCp();
        }
        if (!sameTree(viaCp, viaHelper)) {
            std::fprintf(stderr, "round %d: the copies differ\n", round + 1);
            return 2;
        }
        if (cpFirst) {
            removeWithRm();
            removeWithHelper();
        } else {
            removeWithHelper();
            removeWithRm();
        }
        std::printf("round %d: copy progress %d of %d KB, same bytes as cp; cp -r %.3f s, copyDirectory %.3f s, rm -rf %.3f s, removeDirectory %.3f s\n",
                    round + 1, progress, progressMaximum, cpTimes.back(), copyTimes.back(), rmTimes.back(),
                    removeTimes.back());
    }

    // The median shows the usual case; the best of the rounds is the least disturbed by other work
    // on the machine.
    const auto best = [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); };
    std::printf("copyDirectory / cp -r:    median %.2fx (%.3f s vs %.3f s), best %.2fx (%.3f s vs %.3f s); goal <= 1.00\n",
                median(copyTimes) / median(cpTimes), median(copyTimes), median(cpTimes),
                best(copyTimes) / best(cpTimes), best(copyTimes), best(cpTimes));
    std::printf("removeDirectory / rm -rf: median %.2fx (%.3f s vs %.3f s), best %.2fx (%.3f s vs %.3f s); goal <= 1.00\n",
                median(removeTimes) / median(rmTimes), median(removeTimes), median(rmTimes),
                best(removeTimes) / best(rmTimes), best(removeTimes), best(rmTimes));
    return 0;
}
