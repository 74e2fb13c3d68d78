#include "support/testenv.h"
#include "support/testvideos.h"
#include "video/vlcbackend.h"
#include "video/vlceventwaiter.h"
#include "video/vlcinstance.h"
#include "video/vlcmediaplayer.h"
#include "video/vlcmemorysource.h"
#include "video/vlcrenderereventwatcher.h"
#include "video/vlcsource.h"
#include "video/vlcsourcerenderer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

struct HookCall
{
    int type;
    libvlc_callback_t callback;
    void *userData;
};

QList<HookCall> attached;
QList<HookCall> detached;

int recordAttach(libvlc_event_manager_t *manager, libvlc_event_type_t type, libvlc_callback_t callback, void *data)
{
    attached << HookCall{type, callback, data};
    return libvlc_event_attach(manager, type, callback, data);
}

void recordDetach(libvlc_event_manager_t *manager, libvlc_event_type_t type, libvlc_callback_t callback, void *data)
{
    detached << HookCall{type, callback, data};
    libvlc_event_detach(manager, type, callback, data);
}

// Watches the event wiring while it lives.
class EventRecorder
{
public:
    EventRecorder()
        : m_previous(VLCMediaPlayer::setEventHooks({&recordAttach, &recordDetach}))
    {
        attached.clear();
        detached.clear();
    }
    ~EventRecorder() { VLCMediaPlayer::setEventHooks(m_previous); }

private:
    VLCMediaPlayer::EventHooks m_previous;
};

QList<int> typesOf(const QList<HookCall> &calls)
{
    QList<int> types;
    for (const HookCall &call : calls)
        types << call.type;
    return types;
}

// Every call reaches the same callback with the same user data.
bool oneReceiver(const QList<HookCall> &calls, quintptr userData)
{
    for (const HookCall &call : calls) {
        if (reinterpret_cast<quintptr>(call.userData) != userData || call.callback != calls.first().callback)
            return false;
    }
    return !calls.isEmpty();
}

libvlc_event_t makeEvent(int type, qint64 value = 0)
{
    libvlc_event_t e{};
    e.type = type;
    switch (type) {
    case libvlc_MediaPlayerTimeChanged:
        e.u.media_player_time_changed.new_time = value;
        break;
    case libvlc_MediaPlayerLengthChanged:
        e.u.media_player_length_changed.new_length = value;
        break;
    case libvlc_MediaPlayerPositionChanged:
        e.u.media_player_position_changed.new_position = static_cast<float>(value) / 100.0f;
        break;
    default:
        break;
    }
    return e;
}

bool lengthAboveZero(const libvlc_event_t *e)
{
    return e->u.media_player_length_changed.new_length > 0;
}

using Events = QList<QPair<int, qint64>>;

} // namespace

Q_DECLARE_METATYPE(Events)

class TestVLCBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void instanceArguments_data();
    void instanceArguments();
    void everyWrapperDetachesWhatItAttached();
    void eventsReachTheWatcher_data();
    void eventsReachTheWatcher();
    void waiter_data();
    void waiter();
    void waiterEndsAtTheEndOfTheMedia();

private:
    TestEnvironment m_env;
    QTemporaryDir m_dir;
};

void TestVLCBackend::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(VLCBackend::getInstance()->vlcInstance()->handle());
}

void TestVLCBackend::instanceArguments_data()
{
    QTest::addColumn<bool>("headless");
    QTest::addColumn<QStringList>("arguments");

    const QStringList six{"--no-skip-frames", "--text-renderer", "dummy", "--no-sub-autodetect-file", "--intf", "dummy"};
    QTest::newRow("with a display") << false << six;
    QTest::newRow("headless") << true << six + QStringList{"--vout=dummy", "--aout=dummy"};
}

void TestVLCBackend::instanceArguments()
{
    QFETCH(bool, headless);
    QFETCH(QStringList, arguments);
    QCOMPARE(VLCBackend::arguments(headless), arguments);
}

void TestVLCBackend::everyWrapperDetachesWhatItAttached()
{
    const QList<int> order{272, 267, 260, 261, 262, 265, 268, 273, 266, 270, 269, 274};
    VLCBackend *backend = VLCBackend::getInstance();
    {
        EventRecorder recorder;
        VLCMemorySource memory(backend);
        auto *renderer = memory.createRenderer(nullptr);
        const auto address = reinterpret_cast<quintptr>(renderer);
        QCOMPARE(typesOf(attached), order);
        QVERIFY(oneReceiver(attached, address));
        delete renderer;
        QCOMPARE(typesOf(detached), order);
        QVERIFY(oneReceiver(detached, address));
        QVERIFY(detached.first().callback == attached.first().callback);
    }
    {
        VLCMediaPlayer player(backend->vlcInstance());
        EventRecorder recorder;
        quintptr address = 0;
        {
            VLCEventWaiter waiter(&player);
            address = reinterpret_cast<quintptr>(&waiter);
            waiter.add(libvlc_MediaPlayerLengthChanged);
            QCOMPARE(typesOf(attached), order);
            QCOMPARE(waiter.wait(50), VLCEventWaiter::Timeout);
        }
        QCOMPARE(typesOf(detached), order);
        QVERIFY(oneReceiver(detached, address));
        QVERIFY(oneReceiver(attached, address));
    }
}

void TestVLCBackend::eventsReachTheWatcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<qint64>("value");

    QTest::newRow("playing") << 260 << QByteArray(SIGNAL(playing())) << qint64(0);
    QTest::newRow("paused") << 261 << QByteArray(SIGNAL(paused())) << qint64(0);
    QTest::newRow("stopped") << 262 << QByteArray(SIGNAL(stopped())) << qint64(0);
    QTest::newRow("end reached") << 265 << QByteArray(SIGNAL(endReached())) << qint64(0);
    QTest::newRow("error") << 266 << QByteArray(SIGNAL(errorEncountered())) << qint64(0);
    QTest::newRow("time") << 267 << QByteArray(SIGNAL(timeChanged(qlonglong))) << qint64(123456789012);
    QTest::newRow("position") << 268 << QByteArray(SIGNAL(positionChanged(float))) << qint64(25);
    QTest::newRow("length") << 273 << QByteArray(SIGNAL(lengthChanged(qlonglong))) << qint64(4460);
    QTest::newRow("seekable: ignored") << 269 << QByteArray() << qint64(0);
    QTest::newRow("pausable: ignored") << 270 << QByteArray() << qint64(0);
    QTest::newRow("snapshot: ignored") << 272 << QByteArray() << qint64(0);
    QTest::newRow("video output: ignored") << 274 << QByteArray() << qint64(0);
}

void TestVLCBackend::eventsReachTheWatcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, signal);
    QFETCH(qint64, value);

    VLCRendererEventWatcher watcher;
    const QList<QByteArray> all{SIGNAL(playing()),        SIGNAL(paused()),
                                SIGNAL(stopped()),        SIGNAL(endReached()),
                                SIGNAL(errorEncountered()), SIGNAL(timeChanged(qlonglong)),
                                SIGNAL(positionChanged(float)), SIGNAL(lengthChanged(qlonglong))};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QByteArray &s : all)
        spies.push_back(std::make_unique<QSignalSpy>(&watcher, s.constData()));

    VLCMemorySource memory(VLCBackend::getInstance());
    std::unique_ptr<VLCSourceRenderer> renderer(memory.createRenderer(&watcher));
    const libvlc_event_t e = makeEvent(type, value);
    // As libvlc calls it: on a thread of its own.
    QThread *thread = QThread::create([&] { VLCSourceRenderer::eventCallback(&e, renderer.get()); });
    thread->start();
    QVERIFY(thread->wait(10000));
    delete thread;

    for (int i = 0; i < all.size(); ++i) {
        const bool expected = all.at(i) == signal;
        QCOMPARE(spies[i]->count(), expected ? 1 : 0);
        if (expected && !spies[i]->first().isEmpty()) {
            const QVariant argument = spies[i]->first().first();
            if (type == libvlc_MediaPlayerPositionChanged)
                QCOMPARE(argument.toFloat(), 0.25f);
            else
                QCOMPARE(argument.toLongLong(), value);
        }
    }

    // A renderer without a watcher takes every event and passes nothing on.
    VLCSourceRenderer *silent = memory.createRenderer(nullptr);
    VLCSourceRenderer::eventCallback(&e, silent);
    delete silent;
}

void TestVLCBackend::waiter_data()
{
    QTest::addColumn<QList<int>>("awaited");
    QTest::addColumn<bool>("lengthPredicate");
    QTest::addColumn<Events>("events");
    QTest::addColumn<int>("result");

    const int success = VLCEventWaiter::Success;
    const int timeout = VLCEventWaiter::Timeout;
    const QList<int> length{libvlc_MediaPlayerLengthChanged};
    QTest::newRow("awaited event") << length << false << Events{{273, 0}} << success;
    QTest::newRow("predicate rejects a length of 0") << length << true << Events{{273, 0}} << timeout;
    QTest::newRow("predicate takes a positive length") << length << true << Events{{273, 0}, {273, 4460}} << success;
    QTest::newRow("other events do not count") << length << false << Events{{267, 40}, {268, 10}, {260, 0}} << timeout;
    QTest::newRow("the end ends any wait") << length << true << Events{{265, 0}} << success;
    QTest::newRow("an error ends any wait") << length << true << Events{{266, 0}} << success;
    QTest::newRow("nothing awaited, the end still wakes") << QList<int>() << false << Events{{265, 0}} << success;
    QTest::newRow("nothing comes") << length << false << Events() << timeout;
}

void TestVLCBackend::waiter()
{
    QFETCH(QList<int>, awaited);
    QFETCH(bool, lengthPredicate);
    QFETCH(Events, events);
    QFETCH(int, result);

    VLCMediaPlayer player(VLCBackend::getInstance()->vlcInstance());
    VLCEventWaiter waiter(&player);
    for (int type : awaited)
        waiter.add(type);
    if (lengthPredicate)
        waiter.setValidationCallback(&lengthAboveZero);
    QThread *thread = QThread::create([&] {
        for (const auto &[type, value] : events) {
            const libvlc_event_t e = makeEvent(type, value);
            VLCEventWaiter::eventCallback(&e, &waiter);
        }
    });
    thread->start();
    // A timeout is an outcome here, not a measure: it only needs to outlast the events.
    QCOMPARE(int(waiter.wait(result == VLCEventWaiter::Success ? 60000 : 300)), result);
    QVERIFY(thread->wait(10000));
    delete thread;
}

// Waiting for an event that never comes on a clip that plays to its end returns at the end.
void TestVLCBackend::waiterEndsAtTheEndOfTheMedia()
{
    const QString path = TestVideos::shortPal(m_dir.path(), QStringLiteral("one.mpg"), 1.0);
    VLCSource source(VLCBackend::getInstance(), path);
    std::unique_ptr<VLCSourceRenderer> renderer(source.createRenderer(nullptr));
    VLCEventWaiter waiter(renderer->getPlayer());
    waiter.add(libvlc_MediaPlayerSnapshotTaken);
    renderer->start();
    QCOMPARE(waiter.wait(60000), VLCEventWaiter::Success);
}

QTEST_MAIN(TestVLCBackend)
#include "tst_vlcbackend.moc"
