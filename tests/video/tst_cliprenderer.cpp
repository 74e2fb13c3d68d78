// test-needs: x11
#include "support/testenv.h"
#include "support/testvideos.h"
#include "support/videotestmain.h"
#include "video/clip.h"
#include "video/cliprenderer.h"
#include "video/media.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace {

const int kWatchdogMs = 30000;

// The frame shown once it has stopped moving.
qint64 settledTime(ClipRenderer *renderer)
{
    return TestVideos::settled([renderer] { return renderer->getCurrentFrame(); });
}

} // namespace

class TestClipRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void playsIntoTheWidget();
    void pausesAndStepsOneFrame();
    void previousFrameFromPlaying();
    void seeksToWholeSeconds();
    void stopThenPlayStartsAgain();
    void playsAgainAfterTheEnd();
    void sameClipKeepsPlaying();

private:
    void playUntilFrame(qint64 frame);

    TestEnvironment m_env;
    QTemporaryDir m_dir;
    Clip *m_clip = nullptr;
    QWidget *m_widget = nullptr;
    ClipRenderer *m_renderer = nullptr;
};

void TestClipRenderer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = TestVideos::pal(m_dir.path());
    QVERIFY(!path.isEmpty());
    auto *media = new Media(path);
    QTRY_VERIFY_WITH_TIMEOUT(media->metaDataState() != Media::Pending, kWatchdogMs);
    QCOMPARE(media->metaDataState(), Media::Computed);
    m_clip = new Clip(media, 0, -1);
    // libvlc reads 4.48 s of the 4.5 s program stream: 112 frames.
    QCOMPARE(m_clip->end(), qint64(112));
    m_widget = new QWidget;
    m_widget->resize(360, 288);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestClipRenderer::cleanupTestCase()
{
    delete m_widget;
    delete m_clip;
}

void TestClipRenderer::init()
{
    m_renderer = new ClipRenderer;
    m_renderer->setRenderWidget(m_widget);
    m_renderer->setClip(m_clip);
}

void TestClipRenderer::cleanup()
{
    delete m_renderer;
    m_renderer = nullptr;
}

void TestClipRenderer::playUntilFrame(qint64 frame)
{
    m_renderer->togglePlayPause();
    QVERIFY(m_renderer->isRendering());
    QTRY_VERIFY_WITH_TIMEOUT(m_renderer->getCurrentFrame() >= frame, kWatchdogMs);
}

void TestClipRenderer::playsIntoTheWidget()
{
    QSignalSpy frames(m_renderer, &ClipRenderer::frameChanged);
    playUntilFrame(25);
    QCOMPARE(m_renderer->getLengthFrame(), qint64(112));
    QCOMPARE(m_renderer->getLengthMs(), qint64(4480));
    QTRY_VERIFY(frames.size() > 3);
    // Frames count up from the start (the first report is the start itself).
    QCOMPARE(frames.first().at(0).toLongLong(), qint64(0));
    QVERIFY(frames.last().at(0).toLongLong() > 0);
    QCOMPARE(frames.last().at(1).value<Global::FrameChangedReason>(), Global::RendererAdvanced);
    // libvlc draws into the widget's own window.
    const QImage shown = m_widget->screen()->grabWindow(m_widget->winId()).toImage();
    QVERIFY(TestVideos::mostlyNonBlack(shown));
}

void TestClipRenderer::pausesAndStepsOneFrame()
{
    playUntilFrame(10);
    m_renderer->togglePlayPause();
    QVERIFY(m_renderer->isPaused());
    const qint64 paused = settledTime(m_renderer);
    // The player's own report of the pause leaves it paused.
    QVERIFY(m_renderer->isPaused());
    m_renderer->nextFrame();
    QCOMPARE(settledTime(m_renderer), paused + 1);
    QVERIFY(m_renderer->isPaused());
}

void TestClipRenderer::previousFrameFromPlaying()
{
    playUntilFrame(30);
    const qint64 before = m_renderer->getCurrentFrame();
    m_renderer->previousFrame();
    QVERIFY(m_renderer->isPaused());
    const qint64 after = settledTime(m_renderer);
    QVERIFY(m_renderer->isPaused());
    // Back from where it was asked (it may have moved on by a frame or two until then).
    QVERIFY2(after < before + 2 && after >= before - 3, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));

    // Paused already: one frame back from where it stands.
    m_renderer->previousFrame();
    QCOMPARE(settledTime(m_renderer), after - 1);
    QVERIFY(m_renderer->isPaused());
}

void TestClipRenderer::seeksToWholeSeconds()
{
    playUntilFrame(5);
    m_renderer->togglePlayPause();
    settledTime(m_renderer);
    // Frame 37 lies in second 1 (at 25 fps): the seek goes to its start, frame 25.
    m_renderer->previewWidgetCursorChanged(37);
    QCOMPARE(settledTime(m_renderer), qint64(25));
    m_renderer->previewWidgetCursorChanged(75);
    QCOMPARE(settledTime(m_renderer), qint64(75));
}

void TestClipRenderer::stopThenPlayStartsAgain()
{
    QSignalSpy frames(m_renderer, &ClipRenderer::frameChanged);
    playUntilFrame(40);
    m_renderer->stop();
    QVERIFY(!m_renderer->isRendering());
    QVERIFY(!m_renderer->isPaused());
    QCOMPARE(m_renderer->getCurrentFrame(), qint64(0));
    // Reports queued from before the stop do not move the position.
    frames.clear();
    QTest::qWait(200);
    for (const QList<QVariant> &report : frames)
        QCOMPARE(report.at(0).toLongLong(), qint64(0));

    m_renderer->togglePlayPause();
    QVERIFY(m_renderer->isRendering());
    QTRY_VERIFY_WITH_TIMEOUT(m_renderer->getCurrentFrame() > 0, kWatchdogMs);
    QVERIFY(m_renderer->getCurrentFrame() < 30);
}

void TestClipRenderer::playsAgainAfterTheEnd()
{
    QSignalSpy stopped(m_renderer, &ClipRenderer::stopped);
    playUntilFrame(5);
    m_renderer->previewWidgetCursorChanged(100); // second 4 of 4.5
    QVERIFY(stopped.wait(kWatchdogMs));
    QVERIFY(!m_renderer->isRendering());
    QCOMPARE(m_renderer->getCurrentFrame(), qint64(0));

    m_renderer->togglePlayPause();
    QVERIFY(m_renderer->isRendering());
    QTRY_VERIFY_WITH_TIMEOUT(m_renderer->getCurrentFrame() > 0, kWatchdogMs);
    QVERIFY(m_renderer->getCurrentFrame() < 30);
}

void TestClipRenderer::sameClipKeepsPlaying()
{
    playUntilFrame(5);
    m_renderer->setClip(m_clip);
    QVERIFY(m_renderer->isRendering());
    QVERIFY(m_renderer->isClipLoaded());

    // Another clip stops what plays.
    auto *other = new Clip(new Media(m_clip->getMedia()->getFileInfo().filePath()), 0, 50);
    m_renderer->setClip(other);
    QVERIFY(!m_renderer->isRendering());
    QVERIFY(!m_renderer->isClipLoaded());
    QCOMPARE(m_renderer->getLengthFrame(), qint64(50));
    QTRY_VERIFY_WITH_TIMEOUT(other->getMedia()->metaDataState() != Media::Pending, kWatchdogMs);

    // A selected clip that goes is unselected, and nothing plays it any more.
    m_renderer->togglePlayPause();
    QVERIFY(m_renderer->isRendering());
    delete other;
    QVERIFY(!m_renderer->selectedClip());
    QVERIFY(!m_renderer->isRendering());
    m_renderer->togglePlayPause(); // nothing selected: nothing happens
    QVERIFY(!m_renderer->isRendering());
}

ZZ_VIDEO_X11_TEST_MAIN(TestClipRenderer)
#include "tst_cliprenderer.moc"
