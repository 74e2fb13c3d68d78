#include "support/testenv.h"
#include "support/testvideos.h"
#include "video/videoframe.h"
#include "video/vlcbackend.h"
#include "video/vlceventwaiter.h"
#include "video/vlcmedia.h"
#include "video/vlcmemorysource.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

// Addresses above 4 GiB, as pointers on this platform are: the options must carry them whole.
void *const kData = reinterpret_cast<void *>(quintptr(0x7f0012345678));
const auto kGet = reinterpret_cast<VLCSourceRenderer::ImemGetCallback>(quintptr(0x7f00aabbccd0));
const auto kRelease = reinterpret_cast<VLCSourceRenderer::ImemReleaseCallback>(quintptr(0x7f0000001230));
const auto kPrerender = reinterpret_cast<VLCSourceRenderer::SmemPrerenderCallback>(quintptr(0x7f00aabbccd0));
const auto kPostrender = reinterpret_cast<VLCSourceRenderer::SmemPostrenderCallback>(quintptr(0x7f0000004560));
const char *const kDataText = "139638282147448";
const char *const kFunctionText = "139640841161936";
const char *const kSecondText = "139637976732208";
const char *const kPostText = "139637976745312";

enum Chain { PlainPlayer, MemoryInput, FileOutputOnly, DecodeToMemory, DecodeToMemoryInTime, EncodeMemoryToFile };

// Frames decoded through the memory output.
struct Decoded
{
    QMutex mutex;
    QByteArray buffer;
    int frames = 0;
    size_t size = 0;
    int bitsPerPixel = 0;
    QList<int64_t> stamps;

    static void prerender(void *data, uint8_t **buffer, size_t size)
    {
        auto *self = static_cast<Decoded *>(data);
        self->mutex.lock(); // held until postrender, as the workflows do
        self->buffer.resize(int(size));
        *buffer = reinterpret_cast<uint8_t *>(self->buffer.data());
    }
    static void postrender(void *data, uint8_t *, int, int, int bitsPerPixel, size_t size, int64_t pts)
    {
        auto *self = static_cast<Decoded *>(data);
        ++self->frames;
        self->size = size;
        self->bitsPerPixel = bitsPerPixel;
        self->stamps << pts;
        self->mutex.unlock();
    }
};

// Frames handed to the memory input: grey pictures, then the end of the stream.
struct Produced
{
    static const int kFrames = 50;
    QByteArray picture = QByteArray(720 * 576 * 4, char(0x80));
    int handedOut = 0;
    int64_t pts = 0;

    static int get(void *data, const char *cookie, int64_t *dts, int64_t *pts, unsigned *flags, size_t *size, void **buffer)
    {
        auto *self = static_cast<Produced *>(data);
        if (cookie[0] != '0' || self->handedOut == kFrames)
            return 1;
        ++self->handedOut;
        self->pts += 40000;
        *dts = -1;
        *pts = self->pts;
        *flags = 0;
        *size = size_t(self->picture.size());
        *buffer = self->picture.data();
        return 0;
    }
    static void release(void *, const char *, size_t, void *) {}
};

// The picture settings the engine's chains use: 720 x 576 at 25 fps in codec, at bitrate (0: none).
void setOutput(VLCSourceRenderer *renderer, const QString &codec, unsigned bitrate)
{
    renderer->setOutputVideoCodec(codec);
    renderer->setOutputVideoBitrate(bitrate);
    renderer->setOutputWidth(720);
    renderer->setOutputHeight(576);
    renderer->setOutputFps(25.0f);
}

VLCMemorySource *palMemorySource()
{
    auto *memory = new VLCMemorySource(VLCBackend::getInstance());
    memory->setWidth(720);
    memory->setHeight(576);
    memory->setFps(25.0f);
    memory->setAspectRatio(QStringLiteral("5/4"));
    return memory;
}

// Plays to the end of what the renderer reads.
bool playToTheEnd(VLCSourceRenderer *renderer)
{
    VLCEventWaiter end(renderer->getPlayer());
    renderer->start();
    const bool ended = end.wait(60000) == VLCEventWaiter::Success;
    renderer->stop();
    return ended;
}

} // namespace

class TestSourceRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void memoryInputLocation();
    void options_data();
    void options();
    void decodesIntoMemory();
    void encodesMemoryFramesIntoAnAviFile();
    void videoFrameHoldsItsBytes();

private:
    TestEnvironment m_env;
    QTemporaryDir m_dir;
    QString m_pal;
};

void TestSourceRenderer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pal = TestVideos::shortPal(m_dir.path(), QStringLiteral("pal.mpg"), 2.5);
    QVERIFY(!m_pal.isEmpty());
}

void TestSourceRenderer::memoryInputLocation()
{
    std::unique_ptr<VLCMemorySource> memory(palMemorySource());
    std::unique_ptr<VLCSourceRenderer> renderer(memory->createRenderer(nullptr));
    const QString expected = QStringLiteral("imem://width=720:height=576:dar=5/4:fps=25/1:cookie=0:codec=RV32:cat=2:caching=0");
    QCOMPARE(renderer->getMedia()->mrl(), expected);
    QCOMPARE(VLCSourceRenderer::imemLocation(352, 288, QStringLiteral("4/3"), 29.97f),
             QStringLiteral("imem://width=352:height=288:dar=4/3:fps=29.97/1:cookie=0:codec=RV32:cat=2:caching=0"));
    QCOMPARE(VLCSourceRenderer::imemLocation(720, 576, QStringLiteral("16/9"), 25.0f, QStringLiteral("I420")),
             QStringLiteral("imem://width=720:height=576:dar=16/9:fps=25/1:cookie=0:codec=I420:cat=2:caching=0"));
}

void TestSourceRenderer::options_data()
{
    QTest::addColumn<int>("chain");
    QTest::addColumn<QString>("outputFile");
    QTest::addColumn<QStringList>("mediaOptions");
    QTest::addColumn<QString>("sout");

    const QString data = QString::fromLatin1(kDataText);
    const QString function = QString::fromLatin1(kFunctionText);
    const QString second = QString::fromLatin1(kSecondText);
    const QString post = QString::fromLatin1(kPostText);
    const QStringList imem{"imem-get=" + function, ":imem-release=" + second, ":imem-data=" + data};
    const QStringList noAudio{":no-audio", ":no-sout-audio"};
    const QString smem = QStringLiteral(",video-data=%1,video-prerender-callback=%2,video-postrender-callback=%3}").arg(data, function, post);

    QTest::newRow("plain player") << int(PlainPlayer) << QString() << QStringList() << QString();
    QTest::newRow("memory input alone") << int(MemoryInput) << QString() << imem << QString();
    QTest::newRow("file output with nothing given")
        << int(FileOutputOnly) << "/v/run 1/out.avi" << QStringList()
        << ":sout=#transcode{}:standard{access=file,mux=avi,dst=\"/v/run 1/out.avi\"}";
    QTest::newRow("quote in the file name")
        << int(FileOutputOnly) << "/v/a\"b\\c.avi" << QStringList()
        << ":sout=#transcode{}:standard{access=file,mux=avi,dst=\"/v/a\\\"b\\\\c.avi\"}";
    QTest::newRow("decoded into memory")
        << int(DecodeToMemory) << QString() << noAudio
        << ":sout=#transcode{,vcodec=RV32,fps=25,width=720,height=576}:smem{no-time-sync" + smem;
    QTest::newRow("decoded into memory in time")
        << int(DecodeToMemoryInTime) << QString() << noAudio << ":sout=#transcode{}:smem{time-sync" + smem;
    QTest::newRow("memory frames encoded into a file")
        << int(EncodeMemoryToFile) << "/v/run1_finalized.avi" << imem
        << ":sout=#transcode{,vcodec=mp4v,vb=200,fps=25,width=720,height=576,venc=avcodec{qmax=31,hq=simple}}:standard{access=file,mux=avi,"
           "dst=\"/v/run1_finalized.avi\"}";
}

void TestSourceRenderer::options()
{
    QFETCH(int, chain);
    QFETCH(QString, outputFile);
    QFETCH(QStringList, mediaOptions);
    QFETCH(QString, sout);

    VLCBackend *backend = VLCBackend::getInstance();
    VLCSource source(backend, QStringLiteral("/v/run1.mpg"));
    VLCMemorySource memory(backend);
    std::unique_ptr<VLCSourceRenderer> renderer(chain == MemoryInput || chain == EncodeMemoryToFile
                                                    ? memory.createRenderer(nullptr)
                                                    : source.createRenderer(nullptr));
    switch (Chain(chain)) {
    case PlainPlayer:
        break;
    case MemoryInput:
        renderer->setupImem(kData, kGet, kRelease);
        break;
    case FileOutputOnly:
        renderer->setOutputFile(outputFile);
        break;
    case DecodeToMemory:
        renderer->setupSmem(kData, kPrerender, kPostrender, false);
        setOutput(renderer.get(), QStringLiteral("RV32"), 0);
        break;
    case DecodeToMemoryInTime:
        renderer->setupSmem(kData, kPrerender, kPostrender, true);
        renderer->setOutputFps(0.1f); // not above 0.1: left to libvlc
        break;
    case EncodeMemoryToFile:
        renderer->setupImem(kData, kGet, kRelease);
        renderer->setOutputFile(outputFile);
        setOutput(renderer.get(), QStringLiteral("mp4v"), 200);
        renderer->setOutputVideoEncoderOptions(QStringLiteral("qmax=31,hq=simple"));
        break;
    }
    QCOMPARE(renderer->mediaOptions(), mediaOptions);
    QCOMPARE(renderer->getMedia()->options(), mediaOptions);
    QCOMPARE(renderer->soutOption(), sout);
}

// The memory output chain as the clip workflows build it, run by libvlc: every frame arrives as
// 720 x 576 RGB32.
void TestSourceRenderer::decodesIntoMemory()
{
    Decoded decoded;
    VLCSource source(VLCBackend::getInstance(), m_pal);
    std::unique_ptr<VLCSourceRenderer> renderer(source.createRenderer(nullptr));
    renderer->setupSmem(&decoded, &Decoded::prerender, &Decoded::postrender, false);
    setOutput(renderer.get(), QStringLiteral("RV32"), 0);
    QVERIFY(playToTheEnd(renderer.get()));
    QCOMPARE(renderer->mediaOptions().last(), renderer->soutOption());
    QVERIFY2(decoded.frames >= 55 && decoded.frames <= 63, qPrintable(QString::number(decoded.frames)));
    QCOMPARE(decoded.size, size_t(720 * 576 * 4));
    QCOMPARE(decoded.bitsPerPixel, 32);
    QVERIFY(decoded.stamps.size() > 2);
    QCOMPARE(decoded.stamps.at(2) - decoded.stamps.at(1), int64_t(40000));
}

// The memory input chain as the finalizer builds it: frames pulled from the program are encoded
// into an AVI file that libvlc reads back as 720 x 576 video.
void TestSourceRenderer::encodesMemoryFramesIntoAnAviFile()
{
    const QString output = m_dir.filePath(QStringLiteral("memory \"out\".avi"));
    Produced produced;
    std::unique_ptr<VLCMemorySource> memory(palMemorySource());
    std::unique_ptr<VLCSourceRenderer> renderer(memory->createRenderer(nullptr));
    renderer->setupImem(&produced, &Produced::get, &Produced::release);
    renderer->setOutputFile(output);
    setOutput(renderer.get(), QStringLiteral("mp4v"), 200);
    QVERIFY(playToTheEnd(renderer.get()));
    renderer.reset();
    QCOMPARE(produced.handedOut, Produced::kFrames);
    QVERIFY(QFileInfo(output).size() > 0);

    VLCSource written(VLCBackend::getInstance(), output);
    QVERIFY(written.preparse());
    QCOMPARE(written.getWidth(), 720u);
    QCOMPARE(written.getHeight(), 576u);
}

void TestSourceRenderer::videoFrameHoldsItsBytes()
{
    // A byte count that is no whole number of pixels: whoever fills the frame writes all of it.
    VideoFrame odd(3, 1, 13);
    QCOMPARE(odd.nbBytes, 13u);
    QCOMPARE(odd.nbPixels, 3u);
    memset(odd.buffer, 0xab, odd.nbBytes);
    odd.resize(1658881);
    QCOMPARE(odd.nbBytes, 1658881u);
    memset(odd.buffer, 0xcd, odd.nbBytes);

    VideoFrame frame(720, 576);
    QCOMPARE(frame.nbBytes, VideoFrame::byteSize(720, 576));
    quint8 *const before = frame.buffer;
    frame.setSize(720, 576);
    QCOMPARE(frame.buffer, before); // same size: the buffer stays
    frame.setSize(352, 288);
    QCOMPARE(frame.nbBytes, 352u * 288u * 4u);
    QCOMPARE(frame.nbPixels, 352u * 288u);
    memset(frame.buffer, 0, frame.nbBytes);
}

QTEST_MAIN(TestSourceRenderer)
#include "tst_sourcerenderer.moc"
