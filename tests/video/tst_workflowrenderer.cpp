#include "support/testvideos.h"
#include "video/clip.h"
#include "video/cliphelper.h"
#include "video/mainworkflow.h"
#include "video/media.h"
#include "video/trackworkflow.h"
#include "video/videoclipworkflow.h"
#include "video/vlcbackend.h"
#include "video/workflowrenderer.h"

#include <QTemporaryDir>
#include <QtTest>

// The memory input's side of the workflow renderer: what libvlc gets for each pull.
class TestWorkflowRenderer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void imemRefusesAWrongCookie();
    void imemHandsOutNothingForAMissingFrame();
    void blackFramesAreSpacedAtTheOutputRate();

private:
    QTemporaryDir m_dir;
};

void TestWorkflowRenderer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    VLCBackend::getInstance();
}

void TestWorkflowRenderer::imemRefusesAWrongCookie()
{
    MainWorkflow workflow(1);
    WorkflowRenderer renderer(VLCBackend::getInstance(), &workflow);
    int64_t dts = 0;
    int64_t pts = 0;
    unsigned flags = 7;
    size_t size = 0;
    void *buffer = nullptr;
    QTest::ignoreMessage(QtDebugMsg, "Invalid imem input cookie");
    QCOMPARE(renderer.getLockCallback()(renderer.imemData(), "1", &dts, &pts, &flags, &size, &buffer), 1);
    QCOMPARE(dts, int64_t(-1));
    QCOMPARE(flags, 0u);
}

// No frame (the workflow has not started): libvlc must not copy anything.
void TestWorkflowRenderer::imemHandsOutNothingForAMissingFrame()
{
    MainWorkflow workflow(1);
    WorkflowRenderer renderer(VLCBackend::getInstance(), &workflow);
    int64_t dts = 0;
    int64_t pts = 12345;
    unsigned flags = 0;
    size_t size = 999;
    void *buffer = &size;
    QTest::ignoreMessage(QtDebugMsg, "WorkflowRenderer::lockVideo error");
    QCOMPARE(renderer.getLockCallback()(renderer.imemData(), "0", &dts, &pts, &flags, &size, &buffer), 0);
    QCOMPARE(size, size_t(0));
    QVERIFY(!buffer);
    QCOMPARE(pts, int64_t(0));
}

// Before a clip's start the encoder gets black frames, one frame time apart at 25 fps.
void TestWorkflowRenderer::blackFramesAreSpacedAtTheOutputRate()
{
    const QString pal = TestVideos::pal(m_dir.path(), QStringLiteral("spacing.mpg"));
    auto *media = new Media(pal);
    QTRY_VERIFY_WITH_TIMEOUT(media->metaDataState() != Media::Pending, 20000);
    Clip clip(media, 0, -1);
    {
        MainWorkflow workflow(1);
        auto *helper = new ClipHelper(&clip);
        auto *cw = new VideoClipWorkflow(helper);
        helper->setParent(cw);
        workflow.getTrack(0)->addClip(cw, 50);
        WorkflowRenderer renderer(VLCBackend::getInstance(), &workflow);
        renderer.initializeRenderer(720, 576, 25.0f);
        workflow.startRender(720, 576, 25.0);
        QList<int64_t> stamps;
        for (int i = 0; i < 3; ++i) {
            int64_t dts = 0;
            int64_t pts = 0;
            unsigned flags = 0;
            size_t size = 0;
            void *buffer = nullptr;
            QCOMPARE(renderer.getLockCallback()(renderer.imemData(), "0", &dts, &pts, &flags, &size, &buffer), 0);
            QCOMPARE(size, size_t(720 * 576 * 4));
            QVERIFY(!TestVideos::mostlyNonBlack(QImage(static_cast<uchar *>(buffer), 720, 576, QImage::Format_RGB32)));
            renderer.getUnlockCallback()(renderer.imemData(), "0", size, buffer);
            stamps << pts;
        }
        QCOMPARE(stamps, (QList<int64_t>{40000, 80000, 120000}));
        QCOMPARE(workflow.getCurrentFrame(), qint64(3));
        QCOMPARE(cw->getState(), ClipWorkflow::Stopped); // 47 frames ahead: not started yet
    }
}

QTEST_MAIN(TestWorkflowRenderer)
#include "tst_workflowrenderer.moc"
