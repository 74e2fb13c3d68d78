#include "support/testvideos.h"
#include "video/clip.h"
#include "video/cliphelper.h"
#include "video/mainworkflow.h"
#include "video/media.h"
#include "video/trackworkflow.h"
#include "video/videoclipworkflow.h"
#include "video/videoframe.h"
#include "video/vlcbackend.h"
#include "video/vlcmemorysource.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <memory>

namespace {

// A player that decodes nothing: it notes what the workflow asks of it, and the test plays the
// decoder's part through the memory-output callbacks and the watcher's signals.
class FakeRenderer : public VLCSourceRenderer
{
public:
    FakeRenderer(VLCMemorySource *memory, VLCRendererEventWatcher *watcher)
        : VLCSourceRenderer(VLCBackend::getInstance(), memory, watcher)
        , watcher(watcher)
    {
    }
    void start() override { ++starts; }
    void stop() override { ++stops; }
    void setPause(bool pause) override { pauses << pause; }
    void setTime(qint64 ms) override { times << ms; }

    VLCRendererEventWatcher *watcher;
    int starts = 0;
    int stops = 0;
    QList<bool> pauses;
    QList<qint64> times;
};

class DrivenClipWorkflow : public VideoClipWorkflow
{
public:
    DrivenClipWorkflow(ClipHelper *helper, VLCMemorySource *memory)
        : VideoClipWorkflow(helper)
        , m_memory(memory)
    {
    }
    FakeRenderer *fake() const { return static_cast<FakeRenderer *>(m_renderer); }

    // One decoded frame whose first byte is marker.
    void decode(quint8 marker, qint64 pts)
    {
        uint8_t *buffer = nullptr;
        prerender(this, &buffer, 720 * 576 * 4);
        buffer[0] = marker;
        postrender(this, buffer, 720, 576, 32, 720 * 576 * 4, pts);
    }
    // Initialises and lets the fake player report that it plays.
    void play()
    {
        initialize();
        emit fake()->watcher->playing();
        QTRY_COMPARE(getState(), Ready);
    }

protected:
    VLCSourceRenderer *createRenderer(VLCRendererEventWatcher *watcher) override
    {
        return new FakeRenderer(m_memory, watcher);
    }

private:
    VLCMemorySource *m_memory;
};

// Runs work on a thread of its own, started at once.
template <typename Work>
std::unique_ptr<QThread> runInThread(Work work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    thread->start();
    return thread;
}

bool waitForMetadata(Media *media)
{
    QElapsedTimer timer;
    timer.start();
    while (media->metaDataState() == Media::Pending && timer.elapsed() < 20000)
        QTest::qWait(20);
    return media->metaDataState() == Media::Computed;
}

} // namespace

class TestWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void flowControlPausesAndResumesOncePerCycle();
    void getOutputPopsGetsAndWaits();
    void endReachedHandsOutWhatWasComputed();
    void framesAreSpacedAfterAPause();
    void initWaitEndsOnErrorOrCancel();
    void clipTimeFormula_data();
    void clipTimeFormula();
    void lengthCountsDeliveredFrames();
    void emptyWorkflowEndsAtOnce();
    void theBlackFrameIsBlackInEitherFormat_data();
    void theBlackFrameIsBlackInEitherFormat();
    void clipsStartAheadAndStopFarAway();
    void pausedTrackGetsAgainUntilStepped();
    void trackHandsOutTheClipsTailAndEnds();
    void aClipRunsToItsDecodersEnd_data();
    void aClipRunsToItsDecodersEnd();
    void decodesThePalFileThroughTheMainWorkflow();
    void stoppingDuringDecodingNeverDeadlocks();

private:
    DrivenClipWorkflow *drivenClip(qint64 begin = -1);

    QTemporaryDir m_dir;
    QString m_pal;
    Media *m_media = nullptr;
    Clip *m_clip = nullptr;
    std::unique_ptr<VLCMemorySource> m_memory;
};

void TestWorkflow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pal = TestVideos::pal(m_dir.path());
    QVERIFY(!m_pal.isEmpty());
    m_media = new Media(m_pal);
    QVERIFY(waitForMetadata(m_media));
    m_clip = new Clip(m_media, 0, -1);
    QCOMPARE(m_clip->end(), qint64(112)); // the 4.48 s libvlc reads, at 25 fps
    m_memory.reset(VLCBackend::getInstance()->createMemorySource());
}

void TestWorkflow::cleanupTestCase()
{
    delete m_clip;
}

DrivenClipWorkflow *TestWorkflow::drivenClip(qint64 begin)
{
    auto *helper = new ClipHelper(m_clip, begin, -1);
    auto *cw = new DrivenClipWorkflow(helper, m_memory.get());
    helper->setParent(cw);
    return cw;
}

// The decoder is asked to pause once when 75 frames wait and to resume once when, paused, fewer
// than 25 are left; repeated frames never turn a request around.
void TestWorkflow::flowControlPausesAndResumesOncePerCycle()
{
    std::unique_ptr<DrivenClipWorkflow> cw(drivenClip());
    cw->play();
    FakeRenderer *fake = cw->fake();
    for (int i = 0; i < 74; ++i)
        cw->decode(quint8(i), 1000000 + i * 40000);
    QTest::qWait(20);
    QVERIFY(fake->pauses.isEmpty());
    QCOMPARE(cw->getState(), ClipWorkflow::Ready);
    // The 75th frame asks for the pause; the frames the decoder still delivers ask no more.
    for (int i = 74; i < 80; ++i)
        cw->decode(quint8(i), 1000000 + i * 40000);
    QCOMPARE(cw->getState(), ClipWorkflow::Pausing);
    QTRY_COMPARE(fake->pauses, QList<bool>{true});
    emit fake->watcher->paused();
    QCOMPARE(cw->getState(), ClipWorkflow::Paused);

    while (cw->getNbComputedBuffers() > 25)
        QVERIFY(cw->getOutput(ClipWorkflow::Pop, 0));
    QCOMPARE(fake->pauses.size(), 1);
    QVERIFY(cw->getOutput(ClipWorkflow::Pop, 0)); // 24 left
    QCOMPARE(fake->pauses, (QList<bool>{true, false}));
    QCOMPARE(cw->getState(), ClipWorkflow::Unpausing);
    QVERIFY(cw->getOutput(ClipWorkflow::Pop, 0));
    QCOMPARE(fake->pauses.size(), 2);
    emit fake->watcher->playing();
    QCOMPARE(cw->getState(), ClipWorkflow::Ready);

    // The next cycle asks again.
    for (int i = 0; i < 52; ++i)
        cw->decode(quint8(i), 5000000 + i * 40000);
    QCOMPARE(cw->getNbComputedBuffers(), 75);
    QTRY_COMPARE(fake->pauses, (QList<bool>{true, false, true}));
}

void TestWorkflow::getOutputPopsGetsAndWaits()
{
    std::unique_ptr<DrivenClipWorkflow> cw(drivenClip());
    cw->play();
    cw->decode(1, 0);
    cw->decode(2, 40000);
    VideoFrame *first = cw->getOutput(ClipWorkflow::Get, 0);
    QVERIFY(first);
    QCOMPARE(first->buffer[0], quint8(1));
    QCOMPARE(cw->getOutput(ClipWorkflow::Get, 0), first); // Get leaves it
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 0), first);
    QCOMPARE(cw->getNbComputedBuffers(), 1);
    VideoFrame *second = cw->getOutput(ClipWorkflow::Pop, 1);
    QVERIFY(second);
    QCOMPARE(second->buffer[0], quint8(2));
    // The first went back to the free list: the decoder writes into it again.
    for (int i = 0; i < 73; ++i)
        cw->decode(quint8(10 + i), 80000 + i * 40000);
    uint8_t *buffer = nullptr;
    VideoClipWorkflow::prerender(cw.get(), &buffer, 720 * 576 * 4);
    QCOMPARE(buffer, first->buffer);
    VideoClipWorkflow::postrender(cw.get(), buffer, 720, 576, 32, 720 * 576 * 4, 9000000);

    // Nothing computed: a wait of 100 ms, then nothing.
    while (cw->getNbComputedBuffers() > 0)
        cw->getOutput(ClipWorkflow::Pop, 0);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Timed out while waiting for a frame"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!cw->getOutput(ClipWorkflow::Pop, 0));
    QVERIFY2(timer.elapsed() >= 95, qPrintable(QString::number(timer.elapsed())));

    // A frame that arrives during the wait is handed out.
    auto later = runInThread([&cw] {
        QThread::msleep(30);
        cw->decode(42, 20000000);
    });
    VideoFrame *arrived = cw->getOutput(ClipWorkflow::Pop, 0);
    later->wait();
    QVERIFY(arrived);
    QCOMPARE(arrived->buffer[0], quint8(42));

    // Stopped or failed: nothing, without waiting.
    cw->decode(43, 20040000);
    cw->errorEncountered();
    timer.restart();
    QVERIFY(!cw->getOutput(ClipWorkflow::Pop, 0));
    QVERIFY(timer.elapsed() < 90);
    cw->stop();
    QCOMPARE(cw->getState(), ClipWorkflow::Error); // an error stays
    QCOMPARE(cw->fake()->stops, 1);

    std::unique_ptr<DrivenClipWorkflow> stopped(drivenClip());
    stopped->play();
    stopped->decode(1, 0);
    stopped->stop();
    QCOMPARE(stopped->getState(), ClipWorkflow::Stopped);
    timer.restart();
    QVERIFY(!stopped->getOutput(ClipWorkflow::Pop, 0));
    QVERIFY(timer.elapsed() < 90);
}

void TestWorkflow::endReachedHandsOutWhatWasComputed()
{
    std::unique_ptr<DrivenClipWorkflow> cw(drivenClip());
    cw->play();
    cw->decode(7, 0);
    cw->decode(8, 40000);
    emit cw->fake()->watcher->endReached();
    // The end counts once the player has stopped, and a picture it hands over meanwhile is kept.
    cw->decode(9, 80000);
    QTRY_COMPARE(cw->getState(), ClipWorkflow::EndReached);
    QCOMPARE(cw->fake()->stops, 1);
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 0)->buffer[0], quint8(7));
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 1)->buffer[0], quint8(8));
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 2)->buffer[0], quint8(9));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!cw->getOutput(ClipWorkflow::Pop, 3));
    QVERIFY(timer.elapsed() < 90); // nothing more will come: no wait
}

// Frame spacing: the first frame has none; after a pause, the time stamps must first pass the
// last one plus the pause before a frame counts as spaced.
void TestWorkflow::framesAreSpacedAfterAPause()
{
    std::unique_ptr<DrivenClipWorkflow> cw(drivenClip());
    cw->play();
    const qint64 start = 765480000; // libvlc's clock, not 0
    for (int i = 0; i < 75; ++i)
        cw->decode(0, start + i * 40000);
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 0)->ptsDiff, qint64(0));
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 0)->ptsDiff, qint64(40000));
    QTRY_COMPARE(cw->fake()->pauses.size(), 1);
    emit cw->fake()->watcher->paused();
    QElapsedTimer paused;
    paused.start();
    QTest::qWait(300);
    while (cw->getNbComputedBuffers() > 0)
        cw->getOutput(ClipWorkflow::Pop, 0);
    emit cw->fake()->watcher->playing();
    const qint64 pauseUs = paused.nsecsElapsed() / 1000;
    const qint64 last = start + 74 * 40000;
    cw->decode(0, last + 40000);
    cw->decode(0, last + 10000000);
    QCOMPARE(cw->getOutput(ClipWorkflow::Pop, 0)->ptsDiff, qint64(0));
    const qint64 spaced = cw->getOutput(ClipWorkflow::Pop, 0)->ptsDiff;
    QVERIFY2(spaced > 0 && spaced <= 10000000 - 290000, qPrintable(QString::number(spaced)));
    QVERIFY(spaced >= 10000000 - pauseUs - 100000);
}

void TestWorkflow::initWaitEndsOnErrorOrCancel()
{
    std::unique_ptr<DrivenClipWorkflow> cw(drivenClip());
    cw->initialize();
    std::atomic<bool> cancel{true};
    QVERIFY(!cw->waitForCompleteInit(&cancel));
    cw->errorEncountered();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(cw->waitForCompleteInit());
    QVERIFY(timer.elapsed() < 50);
    QVERIFY(!cw->getOutput(ClipWorkflow::Pop, 0));
}

void TestWorkflow::clipTimeFormula_data()
{
    QTest::addColumn<qint64>("currentFrame");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("begin");
    QTest::addColumn<double>("sourceFps");
    QTest::addColumn<qint64>("ms");
    QTest::newRow("PAL") << qint64(60) << qint64(10) << qint64(25) << 25.0 << qint64(3000);
    // Frames on the track are delivered frames; the begin counts source frames.
    QTest::newRow("30 fps source") << qint64(60) << qint64(10) << qint64(45) << 30.0 << qint64(3500);
    QTest::newRow("each part truncated") << qint64(1) << qint64(0) << qint64(1) << 29.97 << qint64(40 + 33);
}

void TestWorkflow::clipTimeFormula()
{
    QFETCH(qint64, currentFrame);
    QFETCH(qint64, start);
    QFETCH(qint64, begin);
    QFETCH(double, sourceFps);
    QFETCH(qint64, ms);
    QCOMPARE(TrackWorkflow::clipTime(currentFrame, start, begin, 25.0, sourceFps), ms);
}

void TestWorkflow::lengthCountsDeliveredFrames()
{
    std::unique_ptr<DrivenClipWorkflow> whole(drivenClip());
    QCOMPARE(whole->getLengthFromHelper(), qint64(112));
    auto *helper = new ClipHelper(m_clip, 25, 75);
    VideoClipWorkflow part(helper);
    helper->setParent(&part);
    QCOMPARE(part.beginTimeMs(), qint64(1000));
    QCOMPARE(part.getLengthFromHelper(), qint64(50));
}

void TestWorkflow::theBlackFrameIsBlackInEitherFormat_data()
{
    QTest::addColumn<QString>("chroma");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("bytes");
    QTest::newRow("RGB") << "RV32" << QByteArray(4, 0) << 720 * 576 * 4;
    QTest::newRow("YUV: no light, no colour") << "I420" << QByteArray(1, 16) << 720 * 576 * 3 / 2;
}

// Where no clip has a picture the workflow hands out black, in the format its frames come in.
void TestWorkflow::theBlackFrameIsBlackInEitherFormat()
{
    QFETCH(QString, chroma);
    QFETCH(QByteArray, start);
    QFETCH(int, bytes);
    MainWorkflow workflow(1);
    workflow.setChroma(chroma);
    workflow.startRender(720, 576, 25.0);
    const VideoFrame *black = workflow.getOutput(false);
    QVERIFY(black);
    QCOMPARE(int(black->nbBytes), bytes);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(black->buffer), start.size()), start);
    if (chroma == QLatin1String("I420"))
        QCOMPARE(int(black->buffer[bytes - 1]), 128);
}

void TestWorkflow::emptyWorkflowEndsAtOnce()
{
    MainWorkflow workflow(1);
    QSignalSpy ended(&workflow, &MainWorkflow::mainWorkflowEndReached);
    QVERIFY(!workflow.getOutput(false));
    workflow.startRender(720, 576, 25.0);
    QVERIFY(workflow.isEndReached());
    QVERIFY(workflow.getOutput(false)); // black
    QTRY_COMPARE(ended.count(), 1);
}

void TestWorkflow::clipsStartAheadAndStopFarAway()
{
    MainWorkflow workflow(1);
    DrivenClipWorkflow *cw = drivenClip();
    workflow.getTrack(0)->addClip(cw, 50);
    QCOMPARE(workflow.getLengthFrame(), qint64(162));
    workflow.startRender(720, 576, 25.0);
    QCOMPARE(cw->getState(), ClipWorkflow::Stopped); // starts after frame 25
    workflow.setCurrentFrame(20, Global::TimelineCursor);
    QVERIFY(workflow.getOutput(false)); // black, 30 frames early
    QCOMPARE(cw->getState(), ClipWorkflow::Stopped);
    workflow.setCurrentFrame(30, Global::TimelineCursor);
    workflow.getOutput(false);
    QCOMPARE(cw->getState(), ClipWorkflow::Initializing);
    QCOMPARE(cw->fake()->starts, 1);
    workflow.setCurrentFrame(20, Global::TimelineCursor);
    workflow.getOutput(false);
    QCOMPARE(cw->getState(), ClipWorkflow::Stopped);
}

// While paused the same frame is shown again; a step takes the next one.
void TestWorkflow::pausedTrackGetsAgainUntilStepped()
{
    MainWorkflow workflow(1);
    DrivenClipWorkflow *cw = drivenClip();
    workflow.getTrack(0)->addClip(cw, 0);
    workflow.startRender(720, 576, 25.0);
    QCOMPARE(cw->fake()->starts, 1);
    emit cw->fake()->watcher->playing();
    QTRY_COMPARE(cw->getState(), ClipWorkflow::Ready);
    for (int i = 0; i < 3; ++i)
        cw->decode(quint8(i + 1), i * 40000);
    QCOMPARE(workflow.getOutput(false)->buffer[0], quint8(1));
    QCOMPARE(workflow.getOutput(true)->buffer[0], quint8(2));
    QCOMPARE(workflow.getOutput(true)->buffer[0], quint8(2));
    workflow.renderOneFrame();
    QCOMPARE(workflow.getOutput(true)->buffer[0], quint8(2)); // popped for the step
    QCOMPARE(workflow.getOutput(true)->buffer[0], quint8(3));
    QCOMPARE(workflow.getCurrentFrame(), qint64(1));
    // A clip played from its first frame is never sought.
    QVERIFY(cw->fake()->times.isEmpty());
}

// A clip whose decoder is through still shows what it computed; after its last frame the
// workflow ends.
void TestWorkflow::trackHandsOutTheClipsTailAndEnds()
{
    MainWorkflow workflow(1);
    QSignalSpy ended(&workflow, &MainWorkflow::mainWorkflowEndReached);
    DrivenClipWorkflow *cw = drivenClip();
    workflow.getTrack(0)->addClip(cw, 0);
    workflow.startRender(720, 576, 25.0);
    emit cw->fake()->watcher->playing();
    QTRY_COMPARE(cw->getState(), ClipWorkflow::Ready);
    for (int i = 0; i < 70; ++i)
        cw->decode(quint8(i), i * 40000);
    workflow.setCurrentFrame(70, Global::RendererAdvanced);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("adjust time"));
    QTest::ignoreMessage(QtDebugMsg, "2800");
    workflow.getOutput(false); // a jump: the clip is sought
    QCOMPARE(cw->fake()->times, QList<qint64>{2800});
    const qint64 length = cw->getLengthFromHelper();
    for (int i = 0; i < length - 70; ++i)
        cw->decode(quint8(i + 70), i * 40000);
    emit cw->fake()->watcher->endReached();
    for (qint64 frame = 71; frame <= length; ++frame) {
        workflow.setCurrentFrame(frame, Global::RendererAdvanced);
        VideoFrame *output = workflow.getOutput(false);
        QCOMPARE(output->buffer[0], quint8(frame - 1)); // not black
    }
    QVERIFY(!workflow.isEndReached());
    workflow.setCurrentFrame(length + 1, Global::RendererAdvanced);
    workflow.getOutput(false);
    QVERIFY(workflow.isEndReached());
    QTRY_COMPARE(ended.count(), 1);
}

void TestWorkflow::aClipRunsToItsDecodersEnd_data()
{
    QTest::addColumn<int>("beyondLength");
    QTest::newRow("past the length libvlc reports") << 3;
    QTest::newRow("cut off early") << -100;
}

// A clip that runs to its decoder's end hands out every frame the decoder delivers, whatever
// length libvlc reported, and the workflow ends right after the last.
void TestWorkflow::aClipRunsToItsDecodersEnd()
{
    QFETCH(int, beyondLength);
    MainWorkflow workflow(1);
    QSignalSpy ended(&workflow, &MainWorkflow::mainWorkflowEndReached);
    DrivenClipWorkflow *cw = drivenClip();
    cw->setRunsToDecoderEnd(true);
    workflow.getTrack(0)->addClip(cw, 0);
    workflow.startRender(720, 576, 25.0);
    emit cw->fake()->watcher->playing();
    QTRY_COMPARE(cw->getState(), ClipWorkflow::Ready);
    const int decoded = int(cw->getLengthFromHelper()) + beyondLength;
    for (int frame = 0; frame < decoded; ++frame) {
        cw->decode(quint8(frame), frame * 40000);
        if (frame == decoded - 1)
            emit cw->fake()->watcher->endReached();
        workflow.setCurrentFrame(frame, Global::RendererAdvanced);
        VideoFrame *output = workflow.getOutput(false);
        QCOMPARE(output->buffer[0], quint8(frame)); // not black
        QVERIFY(!workflow.isEndReached());
    }
    QCOMPARE(cw->deliveredFrames(), qint64(decoded));
    QTRY_COMPARE(cw->getState(), ClipWorkflow::EndReached);
    workflow.setCurrentFrame(decoded, Global::RendererAdvanced);
    workflow.getOutput(false);
    QVERIFY(workflow.isEndReached());
    QTRY_COMPARE(ended.count(), 1);
}

// Real decoding: every frame of the clip's length comes as a 720 x 576 picture, 40 ms after
// the one before.
void TestWorkflow::decodesThePalFileThroughTheMainWorkflow()
{
    MainWorkflow workflow(1);
    auto *helper = new ClipHelper(m_clip);
    auto *cw = new VideoClipWorkflow(helper);
    helper->setParent(cw);
    cw->setFrameWaitMs(10000);
    workflow.getTrack(0)->addClip(cw, 0);
    workflow.startRender(720, 576, 25.0);
    std::atomic<int> frames{0};
    std::atomic<int> nonBlack{0};
    std::atomic<int> wrongSize{0};
    QList<qint64> spacing;
    auto pulling = runInThread([&] {
        while (!workflow.isEndReached() && frames < 500) {
            VideoFrame *frame = workflow.getOutput(false);
            if (!workflow.isEndReached()) {
                ++frames;
                const QImage image(frame->buffer, 720, 576, QImage::Format_RGB32);
                nonBlack += TestVideos::mostlyNonBlack(image) ? 1 : 0;
                wrongSize += frame->nbBytes == 720u * 576u * 4u ? 0 : 1;
                spacing << frame->ptsDiff;
            }
            workflow.nextFrame();
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(pulling->isFinished(), 120000);
    workflow.stop();
    // Frames 0 to the length, 112.
    QVERIFY2(frames >= 112 && frames <= 114, qPrintable(QString::number(frames)));
    QCOMPARE(nonBlack.load(), frames.load());
    QCOMPARE(wrongSize.load(), 0);
    QCOMPARE(spacing.first(), qint64(0));
    // Frames after a decoder pause may come unspaced; none comes at another spacing.
    QCOMPARE(spacing.count(0) + spacing.count(40000), frames.load());
    QVERIFY2(spacing.count(40000) >= frames * 9 / 10, qPrintable(QString::number(spacing.count(40000))));
}

// Stopping while libvlc decodes and a frame is being asked for: the decoder waits for the
// workflow's locks, the stop for the decoder.
void TestWorkflow::stoppingDuringDecodingNeverDeadlocks()
{
    for (int round = 0; round < 20; ++round) {
        MainWorkflow workflow(1);
        auto *helper = new ClipHelper(m_clip);
        auto *cw = new VideoClipWorkflow(helper);
        helper->setParent(cw);
        workflow.getTrack(0)->addClip(cw, 0);
        workflow.startRender(720, 576, 25.0);
        std::atomic<bool> stopping{false};
        std::atomic<int> pulled{0};
        auto pulling = runInThread([&] {
            while (!stopping && !workflow.isEndReached()) {
                workflow.getOutput(false);
                workflow.nextFrame();
                ++pulled;
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(pulled >= 3 + round % 5 * 10, 30000);
        // As the renderer stops: the clips first, so a frame wait ends, then the rest.
        workflow.pause();
        stopping = true;
        QTRY_VERIFY_WITH_TIMEOUT(pulling->isFinished(), 10000);
        workflow.stop();
        QCOMPARE(cw->getState(), ClipWorkflow::Stopped);
    }
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
