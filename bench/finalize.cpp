// Times the video finalizer against ffmpeg re-encoding the same video at the same settings
// (MPEG-4 video at 200 kbit/s, 720 x 576, 25 fps, in AVI) and prints the throughput ratio
// (ffmpeg's time / the finalizer's time; 1.0 = as fast). Each finalized file is checked frame by
// frame: every source frame once and in order, and no decode error.
//
// Usage: bench_finalize [seconds of video] [rounds]
// The video is generated with ffmpeg: 720 x 576 at 25 fps, MPEG-2 in an MPEG program stream
// (default 60 s), a moving test picture with each frame's number drawn across it as ten black or
// white boxes (bit b of the number in box b, from the left).

#include "support/framestripes.h"
#include "video/videofinalyzer.h"
#include "video/vlcbackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

bool runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + arguments);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// Processor time used so far, user and system, in milliseconds: by this process or by its
// finished children.
qint64 cpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

// Milliseconds of one finalize, or -1 when it failed.
qint64 timeFinalizer(const QString &video)
{
    VideoFinalyzer finalyzer(video, OverlayPages());
    QEventLoop loop;
    QObject::connect(&finalyzer, &VideoFinalyzer::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    finalyzer.finalize();
    loop.exec();
    const qint64 ms = timer.elapsed();
    if (!finalyzer.succeeded()) {
        std::fprintf(stderr, "finalize failed: %s\n", qPrintable(finalyzer.errorString()));
        return -1;
    }
    return ms;
}

qint64 timeFfmpeg(const QString &video, const QString &output)
{
    QElapsedTimer timer;
    timer.start();
    if (!runFfmpeg({QStringLiteral("-i"), video, QStringLiteral("-an"), QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
                    QStringLiteral("-b:v"), QStringLiteral("200k"), QStringLiteral("-s"), QStringLiteral("720x576"),
                    QStringLiteral("-r"), QStringLiteral("25"), output}))
        return -1;
    return timer.elapsed();
}

// The drawing of the frame numbers: a black band, and box b white while bit b of n is set.
QString numberBoxes()
{
    QString filter = QStringLiteral("drawbox=x=0:y=272:w=720:h=32:color=black:t=fill");
    for (int bit = 0; bit < 10; ++bit)
        filter += QStringLiteral(",drawbox=x=%1:y=272:w=72:h=32:color=white:t=fill:enable='mod(floor(n/%2),2)'")
                      .arg(bit * 72)
                      .arg(1 << bit);
    return filter;
}

// Compares the frame numbers of output with 0 .. frames - 1 and prints the result; false on any
// difference or decode error.
bool checkFrames(const QString &output, int frames)
{
    const int width = 720;
    const int rows = 16;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), output,
                                            QStringLiteral("-vf"), QStringLiteral("scale=720:576,crop=720:16:0:280"),
                                            QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),
                                            QStringLiteral("gray"), QStringLiteral("-")});
    ffmpeg.waitForFinished(-1);
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    const QByteArray errors = ffmpeg.readAllStandardError().trimmed();
    const int frameBytes = width * rows;
    int count = 0;
    int wrong = 0;
    int firstWrong = -1;
    for (int offset = 0; offset + frameBytes <= bytes.size(); offset += frameBytes, ++count) {
        const auto *pixels = reinterpret_cast<const uchar *>(bytes.constData() + offset);
        const int number = TestVideos::stripeNumber(pixels, width, rows);
        // Numbers count to 1023 and start again.
        if (number != count % 1024) {
            ++wrong;
            if (firstWrong < 0)
                firstWrong = count;
        }
    }
    const int errorLines = errors.isEmpty() ? 0 : errors.count('\n') + 1;
    std::printf("frame check: %d of %d frames, %d out of place (first at %d), %d decode error lines\n", count, frames,
                wrong, firstWrong, errorLines);
    return count == frames && wrong == 0 && errorLines == 0;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    const QString video = dir.filePath(QStringLiteral("inspection.mpg"));
    if (!runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc2=size=720x576:rate=25:duration=%1,%2").arg(seconds).arg(numberBoxes()),
                    QStringLiteral("-c:v"),
                    QStringLiteral("mpeg2video"), QStringLiteral("-q:v"), QStringLiteral("4"), QStringLiteral("-f"),
                    QStringLiteral("mpeg"), video})) {
        std::fprintf(stderr, "ffmpeg could not make the video\n");
        return 1;
    }
    VLCBackend::getInstance();
    std::vector<qint64> ours;
    std::vector<qint64> baseline;
    for (int round = 0; round < rounds; ++round) {
        const qint64 ownCpu = cpuMs(RUSAGE_SELF);
        const qint64 finalizer = timeFinalizer(video);
        const qint64 finalizerCpu = cpuMs(RUSAGE_SELF) - ownCpu;
        const qint64 childCpu = cpuMs(RUSAGE_CHILDREN);
        const qint64 ffmpeg = timeFfmpeg(video, dir.filePath(QStringLiteral("ffmpeg.avi")));
        const qint64 ffmpegCpu = cpuMs(RUSAGE_CHILDREN) - childCpu;
        if (finalizer < 0 || ffmpeg < 0)
            return 1;
        std::printf("round %d: finalizer %lld ms (processor %lld ms), ffmpeg %lld ms (processor %lld ms)\n", round + 1,
                    static_cast<long long>(finalizer), static_cast<long long>(finalizerCpu),
                    static_cast<long long>(ffmpeg), static_cast<long long>(ffmpegCpu));
        if (!checkFrames(VideoFinalyzer::outputPath(video), seconds * 25))
            return 1;
        ours.push_back(finalizer);
        baseline.push_back(ffmpeg);
    }
    const qint64 ourMedian = median(ours);
    const qint64 baseMedian = median(baseline);
    std::printf("finalize %d s of PAL video: finalizer %lld ms, ffmpeg %lld ms (medians of %d)\n", seconds,
                static_cast<long long>(ourMedian), static_cast<long long>(baseMedian), rounds);
    std::printf("throughput ratio (ffmpeg time / finalizer time): %.2f\n", double(baseMedian) / double(ourMedian));
    return 0;
}
