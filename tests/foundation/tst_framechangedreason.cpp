#include "foundation/global.h"
#include "support/testenv.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

// Stands in for the video engine: its frameChanged is emitted on a worker thread.
class FrameSource : public QObject
{
    Q_OBJECT

signals:
    void frameChanged(qint64 newFrame, Global::FrameChangedReason reason);
};

class FrameSink : public QObject
{
    Q_OBJECT

public:
    qint64 frame = -1;
    int reason = -1;
    QThread *thread = nullptr;

public slots:
    void frameChanged(qint64 newFrame, Global::FrameChangedReason why)
    {
        frame = newFrame;
        reason = why;
        thread = QThread::currentThread();
    }
};

} // namespace

class TestFrameChangedReason : public QObject
{
    Q_OBJECT

private slots:
    void queuedAcrossThreadsByName();

private:
    TestEnvironment m_env;
};

// The video engine connects its frameChanged signals by name and emits them on libvlc's and the
// workflow's threads. Such a queued call can only carry the reason when the type is registered
// under the name the signature spells; the start-up registers it while creating Global.
void TestFrameChangedReason::queuedAcrossThreadsByName()
{
    ReporterCapture reports;
    QVERIFY(Global::instance());

    FrameSource source;
    FrameSink sink;
    QVERIFY(QObject::connect(&source, SIGNAL(frameChanged(qint64, Global::FrameChangedReason)), &sink,
                             SLOT(frameChanged(qint64, Global::FrameChangedReason))));

    // An automatic connection, as the engine's: queued because the emitting thread is another.
    QThread *worker = QThread::create([&source] { emit source.frameChanged(37, Global::PreviewWidgetCursor); });
    worker->start();
    QVERIFY(worker->wait(10000));
    delete worker;

    QTRY_COMPARE(sink.frame, qint64(37));
    QCOMPARE(sink.reason, int(Global::PreviewWidgetCursor));
    QCOMPARE(sink.thread, QThread::currentThread());
}

QTEST_MAIN(TestFrameChangedReason)
#include "tst_framechangedreason.moc"
