#include "burntestsupport.h"

#include "project/burner/burner.h"
#include "project/burner/disc.h"
#include "project/burner/discdrive.h"
#include "project/burner/disceventreceiver.h"
#include "project/burner/discimage.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <unistd.h>

using BurnTest::Tree;

namespace {

struct BurnResult
{
    QStringList errors;
    QList<QList<QVariant>> updates;
};

// Runs a Burner to its end, as the dialog does.
BurnResult runBurn(const QString &recorderId, const QString &name, const QStringList &paths)
{
    Burner burner;
    QSignalSpy errors(&burner, &Burner::error);
    QSignalSpy updates(&burner, &Burner::updateData);
    burner.setup(recorderId, name, paths);
    burner.start(QThread::TimeCriticalPriority);
    if (!burner.wait(120000))
        qWarning("the burn did not end");
    BurnResult result;
    for (const QList<QVariant> &error : qAsConst(errors))
        result.errors << error.at(0).toString();
    result.updates = updates;
    return result;
}

// A loop device over a file of the given number of 2048-byte blocks, for a drive whose
// capacity the system reports exactly; detached again when it goes.
class LoopDevice
{
public:
    LoopDevice(const QString &file, int blocks)
    {
        QFile backing(file);
        if (!backing.open(QIODevice::WriteOnly) || !backing.resize(qint64(blocks) * 2048))
            return;
        backing.close();
        QProcess losetup;
        losetup.start(QStringLiteral("losetup"),
                      {QStringLiteral("--find"), QStringLiteral("--show"), file});
        if (losetup.waitForFinished(10000) && losetup.exitCode() == 0)
            m_device = QString::fromLocal8Bit(losetup.readAllStandardOutput()).trimmed();
    }
    ~LoopDevice()
    {
        if (!m_device.isEmpty())
            QProcess::execute(QStringLiteral("losetup"), {QStringLiteral("-d"), m_device});
    }
    QString device() const { return m_device; }

private:
    QString m_device;
};

} // namespace

class TestBurner : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Disc::setReadHook({});
        Disc::removeFileDrives();
    }

    void burnsTheFoldersMergedUnderTheVolumeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("joliet");
        QTest::newRow("export name") << "DVD" << "DVD" << "DVD";
        QTest::newRow("cut to fit") << "Kanalinspektion Musterweg 12 bis 48 Nord"
                                    << "KANALINSPEKTION_MUSTERWEG_12_BIS"
                                    << "Kanalinspektion";
    }
    void burnsTheFoldersMergedUnderTheVolumeName()
    {
        QFETCH(QString, name);
        QFETCH(QString, primary);
        QFETCH(QString, joliet);
        QTemporaryDir dir;
        const QString viewer = dir.filePath(QStringLiteral("viewer"));
        const QString projects = dir.filePath(QStringLiteral("projects"));
        BurnTest::writeTree(viewer, {{"autorun.inf", "[autorun]\r\n"},
                                     {"Viewer/data/tsconfig.ini", "[Config]\n"},
                                     {".hidden", "h"}});
        BurnTest::writeTree(projects, {{"Viewer/data/plan.png", BurnTest::patterned(5000, 3)},
                                       {"Müllerstraße/K1.xml", "<x/>"},
                                       {"Müllerstraße/K1.mpg", BurnTest::patterned(300000, 9)},
                                       {"Müllerstraße/leer.txt", ""}});
        const QString image = dir.filePath(QStringLiteral("disc.iso"));
        BurnTest::InhibitorLog inhibitor;

        const QString drive = QStringLiteral("stdio:") + image;
        const BurnResult result = runBurn(drive, name, {viewer, projects});

        QCOMPARE(result.errors, QStringList());
        const QString extracted = dir.filePath(QStringLiteral("extracted"));
        QString output;
        QVERIFY2(BurnTest::extractImage(image, extracted, &output), qPrintable(output));
        Tree expected = BurnTest::readTree(viewer);
        const Tree second = BurnTest::readTree(projects);
        for (auto it = second.cbegin(); it != second.cend(); ++it)
            expected.insert(it.key(), it.value());
        QCOMPARE(BurnTest::readTree(extracted), expected);
        const BurnTest::VolumeNames names = BurnTest::volumeNames(image);
        QCOMPARE(names.primary, primary);
        QCOMPARE(names.joliet, joliet);
        QCOMPARE(inhibitor.entries(), (QStringList{"take", "release"}));
        QVERIFY(BurnTest::drivesReleased());
    }

    void progressFollowsTheWrittenData()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        BurnTest::writeTree(folder, {{"film.mpg", BurnTest::patterned(1600 * 2048, 1)}});
        Disc::Failure failure;
        const qint64 imageBlocks = DiscImage::blocksOf({folder}, &failure);
        QVERIFY(imageBlocks > 1600);
        // A drive takes its time; a file takes none. Handing the data over slowly lets the
        // write be watched as on a drive.
        std::atomic<qint64> handedOver{0};
        Disc::setReadHook([&](qint64 sectors) {
            handedOver = sectors + 1; // this one included
            QThread::usleep(1000);
            return true;
        });

        Burner burner;
        QList<qint64> handedOverAtUpdate;
        connect(&burner, &Burner::updateData, &burner,
                [&](long, long, long, long, long) { handedOverAtUpdate << handedOver; },
                Qt::DirectConnection);
        QSignalSpy updates(&burner, &Burner::updateData);
        burner.setup(QStringLiteral("stdio:") + dir.filePath(QStringLiteral("disc.iso")),
                     QStringLiteral("DVD"), {folder});
        burner.start();
        QVERIFY(burner.wait(120000));

        QVERIFY(updates.size() >= 2);
        long previousAddress = 0;
        long previousElapsed = 0;
        bool between = false;
        for (int i = 0; i < updates.size(); ++i) {
            const QList<QVariant> &u = updates.at(i);
            const long address = u.at(0).value<long>();
            const long count = u.at(1).value<long>();
            const long elapsed = u.at(2).value<long>();
            const long remaining = u.at(3).value<long>();
            const long total = u.at(4).value<long>();
            QCOMPARE(count, long(imageBlocks));
            QVERIFY(address >= previousAddress && address <= count);
            // Counted from the start of the write: never ahead of what was handed to the drive.
            QVERIFY(address <= handedOverAtUpdate.at(i));
            QVERIFY(elapsed >= previousElapsed);
            QVERIFY(remaining >= 0);
            QCOMPARE(total, elapsed + remaining);
            between = between || (address > 0 && address < count);
            previousAddress = address;
            previousElapsed = elapsed;
        }
        QVERIFY(between);
    }

    void receiverReportsOnlyTheDataPhase_data()
    {
        using Phase = Disc::DriveProgress::Phase;
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("sectors");
        QTest::addColumn<int>("sector");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QList<long>>("expected"); // empty: nothing emitted
        const QList<long> none;
        QTest::newRow("lead-in") << int(Phase::LeadIn) << 500 << 0 << qint64(3000) << none;
        QTest::newRow("preparing") << int(Phase::Other) << 500 << 0 << qint64(1000) << none;
        QTest::newRow("count unknown yet") << int(Phase::Data) << 0 << 0 << qint64(1000) << none;
        QTest::newRow("first sector not yet written")
            << int(Phase::Data) << 500 << 0 << qint64(2500) << QList<long>{0, 500, 2, 0, 2};
        QTest::newRow("a fifth after four seconds")
            << int(Phase::Data) << 500 << 100 << qint64(4000) << QList<long>{100, 500, 4, 16, 20};
        QTest::newRow("beyond the count") << int(Phase::Data) << 500 << 620 << qint64(9000)
                                          << QList<long>{500, 500, 9, 0, 9};
        QTest::newRow("closing") << int(Phase::Closing) << 500 << 500 << qint64(9500) << none;
        QTest::newRow("idle") << int(Phase::Idle) << 500 << 500 << qint64(9900) << none;
    }
    void receiverReportsOnlyTheDataPhase()
    {
        QFETCH(int, phase);
        QFETCH(int, sectors);
        QFETCH(int, sector);
        QFETCH(qint64, elapsedMs);
        QFETCH(QList<long>, expected);
        DiscEventReceiver receiver;
        QSignalSpy spy(&receiver, &DiscEventReceiver::updateData);
        Disc::DriveProgress progress;
        progress.phase = Disc::DriveProgress::Phase(phase);
        progress.startSector = 61952; // a later session: the medium's addresses are not reported
        progress.sectors = sectors;
        progress.sector = sector;
        receiver.update(progress, elapsedMs);
        QList<long> emitted;
        if (!spy.isEmpty()) {
            for (const QVariant &value : spy.first())
                emitted << value.value<long>();
        }
        QCOMPARE(spy.size(), expected.isEmpty() ? 0 : 1);
        QCOMPARE(emitted, expected);
    }

    void receiverNeverGoesBack()
    {
        DiscEventReceiver receiver;
        QSignalSpy spy(&receiver, &DiscEventReceiver::updateData);
        Disc::DriveProgress progress;
        progress.phase = Disc::DriveProgress::Phase::Data;
        progress.sectors = 500;
        progress.sector = 300;
        receiver.update(progress, 3000);
        progress.sector = 280; // a late report of the drive
        receiver.update(progress, 3250);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(1).at(0).value<long>(), 300L);
    }

    void failureIsReportedAndReleasesEverything_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expectedStart");
        QTest::addColumn<QStringList>("inhibitor");
        QTest::newRow("write broken off")
            << "write" << "DVDDialog fails with \"discWriter->Write\". Result: "
            << QStringList{"take", "release"};
        // libisofs would write zeros in its place and go on, and the disc would be called good.
        QTest::newRow("file gone during the write")
            << "gone" << "DVDDialog fails with \"discWriter->Write\". Result: "
            << QStringList{"take", "release"};
        QTest::newRow("file in both folders")
            << "collision" << "DVDDialog fails with \"img->AddTree\". Result: ffffffffe830ffbf\n\n"
            << QStringList{};
        QTest::newRow("missing folder")
            << "missing" << "DVDDialog fails with \"img->AddTree\". Result: ffffffffe830ff7c\n\n"
            << QStringList{};
        QTest::newRow("no such drive")
            << "drive"
            << "DVDDialog fails with \"discRecorder->InitializeDiscRecorder\". Result: 20009\n\n"
            << QStringList{};
    }
    void failureIsReportedAndReleasesEverything()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expectedStart);
        QFETCH(QStringList, inhibitor);
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first"));
        const QString second = dir.filePath(QStringLiteral("second"));
        // The image holds K1 before K2, and more of K1 than libisofs reads ahead of the drive.
        BurnTest::writeTree(first, {{"K1/K1.mpg", BurnTest::patterned(3000 * 2048, 5)}});
        BurnTest::writeTree(second, {{"K2/K2.xml", "<b/>"}});
        QStringList paths{first, second};
        QString drive = QStringLiteral("stdio:") + dir.filePath(QStringLiteral("disc.iso"));
        if (kind == QLatin1String("write"))
            Disc::setReadHook([](qint64 sectors) { return sectors < 100; });
        if (kind == QLatin1String("gone")) {
            const QString late = second + QStringLiteral("/K2/K2.xml");
            Disc::setReadHook([late](qint64 sectors) {
                if (sectors == 1)
                    QFile::remove(late);
                return true;
            });
        }
        if (kind == QLatin1String("collision"))
            BurnTest::writeTree(second, {{"K1/K1.mpg", "other"}});
        if (kind == QLatin1String("missing"))
            paths << dir.filePath(QStringLiteral("gone"));
        if (kind == QLatin1String("drive"))
            drive = QStringLiteral("stdio:") + dir.filePath(QStringLiteral("gone/disc.iso"));
        BurnTest::InhibitorLog log;

        const BurnResult result = runBurn(drive, QStringLiteral("DVD"), paths);

        QCOMPARE(result.errors.size(), 1);
        const QString error = result.errors.first();
        QVERIFY2(error.startsWith(expectedStart), qPrintable(error));
        // A broken write carries libburn's code: what it said when the image broke off.
        QVERIFY(!error.endsWith(QLatin1String("Result: 0\n\n")));
        QCOMPARE(log.entries(), inhibitor);
        QVERIFY(BurnTest::drivesReleased());
    }

    void imageLargerThanTheMediumIsRefused_data()
    {
        QTest::addColumn<int>("extraBlocks");
        QTest::addColumn<bool>("written");
        QTest::newRow("exactly the capacity") << 0 << true;
        QTest::newRow("one block more") << 1 << false;
    }
    void imageLargerThanTheMediumIsRefused()
    {
        QFETCH(int, extraBlocks);
        QFETCH(bool, written);
        if (geteuid() != 0)
            QSKIP("a drive of a fixed capacity needs a loop device, which needs root");
        QTemporaryDir dir;
        const int capacity = 2048; // blocks: 4 MB
        LoopDevice loop(dir.filePath(QStringLiteral("medium.img")), capacity);
        if (loop.device().isEmpty())
            QSKIP("no loop device could be set up here");
        const QString drive = QStringLiteral("stdio:") + loop.device();
        Disc::Failure failure;
        const Disc::Medium medium = Disc::medium(drive, &failure);
        QVERIFY(!failure.failed());
        QCOMPARE(medium.state, Disc::MediumState::Blank);
        QCOMPARE(medium.freeSectors, qint64(capacity));

        // An image of exactly capacity + extraBlocks: the file data fills what the file system
        // around it leaves.
        const QString folder = dir.filePath(QStringLiteral("data"));
        BurnTest::writeTree(folder, {{"film.mpg", QByteArray()}});
        const qint64 frame = DiscImage::blocksOf({folder}, &failure);
        QVERIFY(frame > 0);
        const int dataBlocks = int(capacity + extraBlocks - frame);
        BurnTest::writeTree(folder, {{"film.mpg", BurnTest::patterned(dataBlocks * 2048, 7)}});
        QCOMPARE(DiscImage::blocksOf({folder}, &failure), qint64(capacity + extraBlocks));

        const BurnResult result = runBurn(drive, QStringLiteral("DVD"), {folder});

        if (written) {
            QCOMPARE(result.errors, QStringList());
            QString output;
            const QString extracted = dir.filePath(QStringLiteral("extracted"));
            QVERIFY2(BurnTest::extractImage(dir.filePath(QStringLiteral("medium.img")), extracted,
                                            &output),
                     qPrintable(output));
            QCOMPARE(BurnTest::readTree(extracted), BurnTest::readTree(folder));
        } else {
            QCOMPARE(result.errors,
                     QStringList{"DVDDialog fails with \"discWriter->Write\". Result: 1c\n\n"});
            QFile medium(dir.filePath(QStringLiteral("medium.img")));
            QVERIFY(medium.open(QIODevice::ReadOnly));
            QCOMPARE(medium.readAll(), QByteArray(capacity * 2048, '\0'));
        }
        QVERIFY(BurnTest::drivesReleased());
    }

    void realInhibitorDoesNothingWithoutLogind()
    {
        // No system bus here: the burn must go ahead, holding nothing.
        LogindSleepInhibitor inhibitor;
        inhibitor.take();
        QVERIFY(!inhibitor.isHeld());
        inhibitor.release();
        QVERIFY(!inhibitor.isHeld());
    }
};

int main(int argc, char **argv)
{
    // The real keep-awake lock must find no system bus, whatever the machine running the test.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/zozorure-test-bus");
    QCoreApplication app(argc, argv);
    TestBurner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_burner.moc"
