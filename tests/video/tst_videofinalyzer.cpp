#include "support/testvideos.h"
#include "video/clipworkflow.h"
#include "video/videofinalyzer.h"
#include "video/vlcbackend.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/workflowfilerenderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// What ffprobe reads from a video's first video stream; the frame count is the container's.
struct Probe
{
    QString codec;
    int width = 0;
    int height = 0;
    QString rate;
    QString aspect;
    int frames = -1;
};

Probe probe(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                   QStringLiteral("-show_entries"),
                   QStringLiteral("stream=codec_name,width,height,r_frame_rate,nb_frames,display_aspect_ratio"), QStringLiteral("-of"),
                   QStringLiteral("default=noprint_wrappers=1"), path});
    ffprobe.waitForFinished(60000);
    Probe result;
    const QStringList lines = QString::fromUtf8(ffprobe.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("codec_name=")))
            result.codec = value;
        else if (line.startsWith(QLatin1String("width=")))
            result.width = value.toInt();
        else if (line.startsWith(QLatin1String("height=")))
            result.height = value.toInt();
        else if (line.startsWith(QLatin1String("r_frame_rate=")))
            result.rate = value;
        else if (line.startsWith(QLatin1String("nb_frames=")))
            result.frames = value.toInt();
        else if (line.startsWith(QLatin1String("display_aspect_ratio=")))
            result.aspect = value;
    }
    return result;
}

// Every frame of a video, shrunk to 90 x 72 RGB (ffmpeg decodes).
QList<QImage> frames(const QString &path, const QString &extraFilter = QString())
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-vf"),
                  extraFilter + QStringLiteral("scale=90:72"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
                  QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"), QStringLiteral("-")});
    ffmpeg.waitForFinished(60000);
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    const int frameBytes = 90 * 72 * 3;
    QList<QImage> result;
    for (int offset = 0; offset + frameBytes <= bytes.size(); offset += frameBytes)
        result << QImage(reinterpret_cast<const uchar *>(bytes.constData() + offset), 90, 72, 90 * 3, QImage::Format_RGB888).copy();
    return result;
}

// Mean absolute difference of two pictures of the same size, per channel (0..255).
double difference(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (a.width() * a.height() * 3);
}

bool isRed(const QImage &image)
{
    const QRgb centre = image.pixel(image.width() / 2, image.height() / 2);
    return qRed(centre) > 180 && qGreen(centre) < 70 && qBlue(centre) < 70;
}

// A finalize run to its end, with what it reported.
struct Run
{
    bool succeeded = false;
    QString errorString;
    int finishedCount = 0;
    QList<int> positions;
};

template <typename AfterStart>
Run finalizeAndWait(const QString &path, AfterStart afterStart)
{
    VideoFinalyzer finalyzer(path, OverlayPages());
    QSignalSpy finished(&finalyzer, &VideoFinalyzer::finished);
    QSignalSpy positions(&finalyzer, &VideoFinalyzer::positionChanged);
    finalyzer.finalize();
    afterStart(finalyzer);
    Run run;
    if (finished.isEmpty() && !finished.wait(180000))
        return run;
    QTest::qWait(300); // no second report
    run.succeeded = finalyzer.succeeded();
    run.errorString = finalyzer.errorString();
    run.finishedCount = finished.count();
    for (const QList<QVariant> &arguments : qAsConst(positions))
        run.positions << arguments.at(0).toInt();
    return run;
}

Run finalizeAndWait(const QString &path)
{
    return finalizeAndWait(path, [](VideoFinalyzer &) {});
}

bool nonDecreasing(const QList<int> &values)
{
    for (int i = 1; i < values.size(); ++i) {
        if (values.at(i) < values.at(i - 1))
            return false;
    }
    return true;
}

} // namespace

class TestVideoFinalyzer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void outputPath_data();
    void outputPath();
    void progress_data();
    void progress();
    void finalizesThePalVideo();
    void keepsTheLastPicture();
    void copiesEveryFrameOnce_data();
    void copiesEveryFrameOnce();
    void convertsOtherSizesAndRates();
    void aCutOffVideoIsReported();
    void keepsTheShapeOfThePicture_data();
    void sharesTheFileLikeANewOne_data();
    void sharesTheFileLikeANewOne();
    void keepsTheShapeOfThePicture();
    void failuresAreReported_data();
    void failuresAreReported();
    void aPlayerErrorKeepsTheEarlierFile_data();
    void aPlayerErrorKeepsTheEarlierFile();

private:
    QTemporaryDir m_dir;
};

void TestVideoFinalyzer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    VLCBackend::getInstance();
}

void TestVideoFinalyzer::outputPath_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("output");
    QTest::newRow("inspection video") << "/v/run1.mpg" << "/v/run1_finalized.avi";
    QTest::newRow("only the last suffix goes") << "/d/a.b.mpg" << "/d/a.b_finalized.avi";
    QTest::newRow("relative") << "x/y.mpg" << QDir::currentPath() + "/x/y_finalized.avi";
}

void TestVideoFinalyzer::outputPath()
{
    QFETCH(QString, video);
    QFETCH(QString, output);
    QCOMPARE(VideoFinalyzer::outputPath(video), output);
}

void TestVideoFinalyzer::progress_data()
{
    QTest::addColumn<qint64>("frame");
    QTest::addColumn<qint64>("nbFrames");
    QTest::addColumn<int>("percent");
    QTest::newRow("half") << qint64(125) << qint64(250) << 50;
    QTest::newRow("truncated") << qint64(2) << qint64(250) << 0;
    QTest::newRow("frame after the last") << qint64(251) << qint64(250) << 100;
    QTest::newRow("nothing to render") << qint64(3) << qint64(0) << 0;
}

void TestVideoFinalyzer::progress()
{
    QFETCH(qint64, frame);
    QFETCH(qint64, nbFrames);
    QFETCH(int, percent);
    QCOMPARE(VideoFinalyzer::progress(frame, nbFrames), percent);
}

void TestVideoFinalyzer::finalizesThePalVideo()
{
    const QString pal = TestVideos::pal(m_dir.path(), QStringLiteral("run1.mpg"));
    const Run run = finalizeAndWait(pal);
    QCOMPARE(run.finishedCount, 1);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    QVERIFY(run.errorString.isEmpty());
    QVERIFY(!run.positions.isEmpty());
    QVERIFY(nonDecreasing(run.positions));
    QCOMPARE(run.positions.last(), 100);

    const QString output = m_dir.filePath(QStringLiteral("run1_finalized.avi"));
    const Probe result = probe(output);
    QCOMPARE(result.codec, QStringLiteral("mpeg4"));
    QCOMPARE(result.width, 720);
    QCOMPARE(result.height, 576);
    QCOMPARE(result.rate, QStringLiteral("25/1"));
    // All 113 frames of its 4.5 s.
    QCOMPARE(result.frames, 113);
    // Nothing else was left in the folder.
    const QStringList left = QDir(m_dir.path()).entryList(QStringList{QStringLiteral("*run1*")}, QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{QStringLiteral("run1.mpg"), QStringLiteral("run1_finalized.avi")}));
}

// The frames the decoder computed last are encoded too: a video that ends red ends red.
void TestVideoFinalyzer::keepsTheLastPicture()
{
    const QString video = TestVideos::redTail(m_dir.path());
    const Run run = finalizeAndWait(video);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    const QString output = m_dir.filePath(QStringLiteral("redtail_finalized.avi"));
    const int count = probe(output).frames;
    QCOMPARE(count, 113);
    const QList<QImage> pictures = frames(output);
    QCOMPARE(pictures.size(), 113);
    for (int i = pictures.size() - 20; i < pictures.size(); ++i)
        QVERIFY2(isRed(pictures.at(i)), qPrintable(QString::number(i)));
    QVERIFY(!isRed(pictures.first()));
}

void TestVideoFinalyzer::copiesEveryFrameOnce_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("frames");
    QTest::newRow("four seconds") << 4.0 << 100;
    QTest::newRow("not whole seconds") << 2.6 << 65;
    // Long enough for the rate control to squeeze pictures hard.
    QTest::newRow("twelve seconds") << 12.0 << 300;
}

// Every frame of a 25 fps source comes out exactly once and in order, the last ones too, and
// decodes without a fault.
void TestVideoFinalyzer::copiesEveryFrameOnce()
{
    QFETCH(double, seconds);
    QFETCH(int, frames);
    QTemporaryDir dir;
    const QString video = TestVideos::numbered(dir.path(), QStringLiteral("numbered.mpg"), seconds);
    QCOMPARE(TestVideos::frameNumbers(video), TestVideos::countingTo(frames));
    const Run run = finalizeAndWait(video);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    QString errors;
    const QList<int> numbers = TestVideos::frameNumbers(dir.filePath(QStringLiteral("numbered_finalized.avi")), &errors);
    QCOMPARE(errors, QString());
    QCOMPARE(numbers, TestVideos::countingTo(frames));
}

// A 352 x 288 video at 30 fps comes out as 720 x 576 at 25 fps, as long as it was, every
// frame its own picture: none black, none garbled.
void TestVideoFinalyzer::convertsOtherSizesAndRates()
{
    const QString video = TestVideos::cif30(m_dir.path(), QStringLiteral("cif.avi"), 3.5);
    const Run run = finalizeAndWait(video);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    const QString output = m_dir.filePath(QStringLiteral("cif_finalized.avi"));
    const Probe result = probe(output);
    QCOMPARE(result.width, 720);
    QCOMPARE(result.height, 576);
    QCOMPARE(result.rate, QStringLiteral("25/1"));
    // 3.5 s at 25 fps; the rate conversion may repeat a frame.
    QVERIFY2(qAbs(result.frames - 88) <= 2, qPrintable(QString::number(result.frames)));

    const QList<QImage> written = frames(output);
    const QList<QImage> original = frames(video, QStringLiteral("fps=25,"));
    QVERIFY(written.size() >= 86 && original.size() + 2 >= written.size());
    // At 200 kbit/s the picture blurs towards the end of each group of pictures (differences up
    // to about 27 measured); a picture read at the wrong size differs everywhere.
    double total = 0;
    for (int i = 0; i < written.size(); ++i) {
        QVERIFY2(TestVideos::mostlyNonBlack(written.at(i)), qPrintable(QString::number(i)));
        // The same moment of the source, give or take a frame.
        double best = 255;
        for (int j = qMax(0, i - 2); j <= qMin(original.size() - 1, i + 2); ++j)
            best = qMin(best, difference(written.at(i), original.at(j)));
        total += best;
        QVERIFY2(best < 40, qPrintable(QStringLiteral("frame %1 differs by %2").arg(i).arg(best)));
    }
    QVERIFY2(total / written.size() < 15, qPrintable(QString::number(total / written.size())));
}

// A file cut off after two thirds of its bytes still announces its whole length (an MP4 file whose index
// comes first): the finalize fails and says how far the video could be read, rather than passing
// black frames for the rest.
void TestVideoFinalyzer::aCutOffVideoIsReported()
{
    QTemporaryDir dir;
    const QString video = TestVideos::numbered(dir.path(), QStringLiteral("cut.mp4"), 8,
                                               {"-c:v", "mpeg4", "-q:v", "5", "-f", "mp4", "-movflags", "+faststart"});
    QVERIFY(!video.isEmpty());
    {
        QFile file(video);
        QVERIFY(file.resize(file.size() * 2 / 3));
    }
    const Run run = finalizeAndWait(video);
    QCOMPARE(run.finishedCount, 1);
    QVERIFY(!run.succeeded);
    QVERIFY2(run.errorString.contains(QStringLiteral("nicht vollständig")), qPrintable(run.errorString));
    QVERIFY2(run.errorString.contains(QStringLiteral("von 00:00:08")), qPrintable(run.errorString));
    const QStringList left = QDir(dir.path()).entryList(QStringList{QStringLiteral("*finalized*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void TestVideoFinalyzer::keepsTheShapeOfThePicture_data()
{
    QTest::addColumn<QString>("aspect");
    QTest::newRow("4:3") << "4:3";
    QTest::newRow("16:9") << "16:9";
}

// A PAL source shown at 4:3 or 16:9 keeps its 720 x 576 pixels and is shown in the same shape.
void TestVideoFinalyzer::keepsTheShapeOfThePicture()
{
    QFETCH(QString, aspect);
    QTemporaryDir dir;
    const QString video = TestVideos::numbered(dir.path(), QStringLiteral("shaped.mpg"), 2, {"-aspect", aspect});
    QCOMPARE(probe(video).aspect, aspect);
    const Run run = finalizeAndWait(video);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    const Probe result = probe(dir.filePath(QStringLiteral("shaped_finalized.avi")));
    QCOMPARE(result.width, 720);
    QCOMPARE(result.height, 576);
    QCOMPARE(result.aspect, aspect);
}

void TestVideoFinalyzer::sharesTheFileLikeANewOne_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("mode");
    QTest::newRow("umask 022") << 022 << 0644;
    QTest::newRow("umask 002") << 002 << 0664;
    QTest::newRow("umask 077") << 077 << 0600;
}

// The finalized file gets the permissions a new file gets under the user's umask, so others in a
// shared project folder can open it.
void TestVideoFinalyzer::sharesTheFileLikeANewOne()
{
    QFETCH(int, mask);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString video = TestVideos::shortPal(dir.path(), QStringLiteral("shared.mpg"), 1.5);
    const mode_t previous = ::umask(static_cast<mode_t>(mask));
    const Run run = finalizeAndWait(video);
    ::umask(previous);
    QVERIFY2(run.succeeded, qPrintable(run.errorString));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(dir.filePath(QStringLiteral("shared_finalized.avi"))).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), mode);
}

void TestVideoFinalyzer::failuresAreReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("corrupt") << "corrupt";
    QTest::newRow("under a second") << "short";
    QTest::newRow("null path") << "null";
}

// Each ends with finished once and a reason, without a hang, and leaves no file behind.
void TestVideoFinalyzer::failuresAreReported()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path;
    if (kind == QLatin1String("missing"))
        path = dir.filePath(QStringLiteral("gone.mpg"));
    else if (kind == QLatin1String("corrupt"))
        path = TestVideos::randomBytes(dir.path());
    else if (kind == QLatin1String("short"))
        path = TestVideos::shortPal(dir.path(), QStringLiteral("short.mpg"), 0.8);
    QElapsedTimer timer;
    timer.start();
    const Run run = finalizeAndWait(path);
    QCOMPARE(run.finishedCount, 1);
    QVERIFY(!run.succeeded);
    QVERIFY(!run.errorString.isEmpty());
    QVERIFY(timer.elapsed() < 60000);
    const QStringList left = QDir(dir.path()).entryList(QStringList{QStringLiteral("*finalized*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
}

void TestVideoFinalyzer::aPlayerErrorKeepsTheEarlierFile_data()
{
    QTest::addColumn<bool>("decoder");
    QTest::newRow("encoder fails") << false;
    QTest::newRow("decoder fails") << true;
}

// A player fails during the run: the failure is reported (a decoder that fails ends the
// workflow at once, which would otherwise pass for its end), and the finalized file of an
// earlier run stays as it was.
void TestVideoFinalyzer::aPlayerErrorKeepsTheEarlierFile()
{
    QFETCH(bool, decoder);
    QTemporaryDir dir;
    const QString pal = TestVideos::pal(dir.path(), QStringLiteral("again.mpg"));
    const QString earlier = dir.filePath(QStringLiteral("again_finalized.avi"));
    {
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an earlier good file");
    }
    const Run run = finalizeAndWait(pal, [decoder](VideoFinalyzer &finalyzer) {
        QVERIFY(finalyzer.renderer() && finalyzer.clipWorkflow());
        // Once the encoder has begun to pull frames.
        QSignalSpy progress(&finalyzer, &VideoFinalyzer::positionChanged);
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 30000);
        if (decoder)
            finalyzer.clipWorkflow()->errorEncountered();
        else
            emit finalyzer.renderer()->eventWatcher()->errorEncountered();
    });
    QCOMPARE(run.finishedCount, 1);
    QVERIFY(!run.succeeded);
    QVERIFY(!run.errorString.isEmpty());
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("an earlier good file"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_MAIN(TestVideoFinalyzer)
#include "tst_videofinalyzer.moc"
