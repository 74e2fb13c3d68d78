#pragma once

#include <QString>
#include <QTest>

class QImage;

// Small videos made at test time with ffmpeg's generated test pictures (lavfi), so the video
// tests play real files without shipping any. Each function writes into folder and returns the
// path; a file ffmpeg cannot make fails the running test (the result is then empty).
namespace TestVideos {

// The usual inspection format: 720 x 576, 25 fps MPEG-2 in an MPEG program stream, 4.5 s.
QString pal(const QString &folder, const QString &name = QStringLiteral("pal.mpg"));
// Another size and rate: 352 x 288 at 30 fps, MPEG-4 in AVI, 3 s (or the given length).
QString cif30(const QString &folder);
QString cif30(const QString &folder, const QString &name, double seconds);
// A PAL program stream like pal() whose last 1.5 of its 4.5 s are solid red.
QString redTail(const QString &folder);
// A rate that is no whole number: 352 x 240 at 29.97 (30000/1001) fps, MPEG-4 in AVI, 3 s.
QString ntsc(const QString &folder);
// A short program stream like pal(), of the given length.
QString shortPal(const QString &folder, const QString &name, double seconds);
// A PAL program stream like pal() whose every frame shows its own number, counted from 0, as ten
// stripes side by side, each full white for a set bit and black for a clear one (the lowest bit on
// the left), so that the number survives heavy compression. extraArguments go to ffmpeg before
// the output (for example "-aspect 16:9").
QString numbered(const QString &folder, const QString &name, double seconds,
                 const QStringList &extraArguments = QStringList());
// The numbers of every frame of a numbered() video or of a copy of it, as ffmpeg decodes them;
// -1 for a frame whose stripes are neither black nor white. errors gets what ffmpeg reported
// (empty when the file decoded without a fault).
QList<int> frameNumbers(const QString &path, QString *errors = nullptr);
// 0, 1, ..., count - 1.
QList<int> countingTo(int count);

// 200,000 random bytes named like a video.
QString randomBytes(const QString &folder, const QString &name = QStringLiteral("random.mpg"));

// Whether most pixels of a picture differ from black (a decoded test picture, not an empty one).
bool mostlyNonBlack(const QImage &image);

// What read() gives once it has stopped changing, as the position of a paused player after a
// seek or a step: libvlc reports the new place only when its picture is out. Reads every 50 ms,
// for a quarter second at least and five seconds at most.
template <typename Read>
auto settled(Read read) -> decltype(read())
{
    decltype(read()) last{};
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(50);
        const auto now = read();
        if (now == last && i > 4)
            break;
        last = now;
    }
    return last;
}

} // namespace TestVideos
