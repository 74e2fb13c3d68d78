// Plays videos one after another through the program's player and prints the resident memory
// (VmRSS) before the first, after each one is closed, and how far it grew: the memory a closed
// video leaves behind. libvlc's decoder threads allocate from arenas of their own, which the C
// library keeps after the threads are gone unless told otherwise.
//
// Usage: bench_videomemory [videos] [seconds each] [--baseline]
// The videos are generated with ffmpeg: 720 x 576 at 25 fps, MPEG-2 in an MPEG program stream
// (default 20 videos of 3 s), each with its own test picture. Without a display the bench runs on
// the offscreen platform, where libvlc decodes into its dummy outputs. --baseline plays with the
// C library's default allocator settings, as the program did before it kept its memory compact.

#include "video/videoplatform.h"
#include "video/videoplayer.h"
#include "video/vlcbackend.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + arguments);
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// The resident memory of this process in MB, from the kernel's own account.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Lets queued reports and deferred deletions run.
void settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Plays video to its end and closes it as the program does when another inspection is chosen;
// playing gets the resident memory halfway through.
bool play(VideoPlayer &player, const QString &video, double seconds, double *playing = nullptr)
{
    QSignalSpy stopped(&player, &VideoPlayer::stopped);
    player.setFile(video);
    player.play();
    if (!player.isLoaded()) {
        std::fprintf(stderr, "%s could not be loaded\n", qPrintable(video));
        return false;
    }
    QTest::qWait(static_cast<int>(seconds * 500));
    if (playing)
        *playing = residentMb();
    if (stopped.isEmpty() && !stopped.wait(static_cast<int>(seconds * 1000) + 30000)) {
        std::fprintf(stderr, "%s did not play to its end\n", qPrintable(video));
        return false;
    }
    player.setFile(QString());
    settle();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bool baseline = false;
    QStringList numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--baseline") == 0)
            baseline = true;
        else
            numbers << QString::fromLocal8Bit(argv[i]);
    }
    // As the program's main() does, before any thread exists.
    VideoPlatform::setMemoryCompaction(!baseline);
    VideoPlatform::limitAllocatorArenas();
    VideoPlatform::initThreads();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = numbers.size() > 0 ? numbers.at(0).toInt() : 20;
    const double seconds = numbers.size() > 1 ? numbers.at(1).toDouble() : 3.0;

    QTemporaryDir dir;
    const QStringList pictures{QStringLiteral("testsrc2"), QStringLiteral("testsrc"), QStringLiteral("smptebars"),
                               QStringLiteral("pal75bars"), QStringLiteral("rgbtestsrc")};
    QStringList videos;
    for (int i = 0; i < count; ++i) {
        const QString video = dir.filePath(QStringLiteral("inspection%1.mpg").arg(i));
        if (!runFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                        QStringLiteral("%1=size=720x576:rate=25:duration=%2").arg(pictures.at(i % pictures.size())).arg(seconds),
                        QStringLiteral("-c:v"), QStringLiteral("mpeg2video"), QStringLiteral("-q:v"), QStringLiteral("4"),
                        QStringLiteral("-f"), QStringLiteral("mpeg"), video})) {
            std::fprintf(stderr, "ffmpeg could not make the videos\n");
            return 1;
        }
        videos << video;
    }

    // The program starts its video engine before any video is chosen.
    VLCBackend::getInstance();
    QWidget widget;
    widget.resize(360, 288);
    widget.show();
    VideoPlayer player(&widget);
    settle();
    std::printf("%s, %d videos of %g s, platform %s\n", baseline ? "baseline (allocator defaults)" : "ours", count,
                seconds, qPrintable(QGuiApplication::platformName()));
    const double cold = residentMb();
    // The first video loads libvlc's modules and the display's drivers, which stay: it is played
    // once before the count starts.
    if (!play(player, videos.last(), seconds))
        return 1;
    const double before = residentMb();
    std::printf("resident before the first video: %.1f MB (%.1f MB before libvlc's modules were loaded)\n", before,
                cold);
    double highest = before;
    double last = before;
    for (int i = 0; i < count; ++i) {
        double playing = 0;
        if (!play(player, videos.at(i), seconds, &playing))
            return 1;
        last = residentMb();
        highest = std::max(highest, last);
        std::printf("video %2d: %.1f MB while playing, %.1f MB after closing (%+.1f MB)\n", i + 1, playing, last,
                    last - before);
    }
    std::printf("growth after %d videos: %+.1f MB, highest after a close %+.1f MB (goal: at most +50 MB)\n", count,
                last - before, highest - before);
    return 0;
}
