#include "support/testenv.h"
#include "support/testvideos.h"
#include "video/clip.h"
#include "video/cliphelper.h"
#include "video/media.h"
#include "video/metadatamanager.h"
#include "video/vlcmedia.h"
#include "video/vlcsource.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Generous: a pre-parse takes well under a second here and at most about ten anywhere.
const int kWatchdogMs = 60000;

// Waits until media has its result, whichever it is.
bool waitForResult(Media *media)
{
    QDeadlineTimer watchdog(kWatchdogMs);
    while (media->metaDataState() == Media::Pending && !watchdog.hasExpired())
        QTest::qWait(10);
    QCoreApplication::processEvents(); // the queued reports of that result
    return media->metaDataState() != Media::Pending;
}

} // namespace

class TestMetaData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void preparseReadsTheVideo_data();
    void preparseReadsTheVideo();
    void unreadableFileFails();
    void queuedMediaAreReadInOrder();
    void oddNamesOpen_data();
    void oddNamesOpen();
    void clipMadeBeforeTheMetadataTakesTheWholeMedia();
    void clipHelperStaysInsideItsClip();
    void mediaGivenUpWhileRead();

private:
    TestEnvironment m_env;
    QTemporaryDir m_dir;
    QString m_pal;
    QString m_cif;
    QString m_short;
};

void TestMetaData::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pal = TestVideos::pal(m_dir.path());
    m_cif = TestVideos::cif30(m_dir.path());
    m_short = TestVideos::shortPal(m_dir.path(), QStringLiteral("short.mpg"), 1.5);
    QVERIFY(!m_pal.isEmpty() && !m_cif.isEmpty() && !m_short.isEmpty());
}

void TestMetaData::preparseReadsTheVideo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("height");
    QTest::addColumn<float>("fps");
    QTest::addColumn<qint64>("shortestMs");
    QTest::addColumn<qint64>("longestMs");
    QTest::addColumn<qint64>("frames");

    // Frames: the length libvlc reads times the rate, to the nearest frame (4.48 s of the 4.5 s
    // program stream).
    QTest::newRow("PAL program stream") << "pal.mpg" << 720u << 576u << 25.0f << qint64(4300) << qint64(4600) << qint64(112);
    QTest::newRow("CIF at 30 fps") << "cif30.avi" << 352u << 288u << 30.0f << qint64(2900) << qint64(3100) << qint64(90);
}

void TestMetaData::preparseReadsTheVideo()
{
    QFETCH(QString, name);
    QFETCH(unsigned, width);
    QFETCH(unsigned, height);
    QFETCH(float, fps);
    QFETCH(qint64, shortestMs);
    QFETCH(qint64, longestMs);
    QFETCH(qint64, frames);

    Media media(m_dir.filePath(name));
    QVERIFY(waitForResult(&media));
    QCOMPARE(media.metaDataState(), Media::Computed);

    const VLCSource *source = media.getSource();
    QVERIFY(source->isParsed());
    QVERIFY(source->hasVideo());
    QCOMPARE(source->getWidth(), width);
    QCOMPARE(source->getHeight(), height);
    QCOMPARE(source->getFps(), fps);
    QVERIFY2(source->getLength() >= shortestMs && source->getLength() <= longestMs,
             qPrintable(QString::number(source->getLength())));
    QCOMPARE(source->getNbFrames(), frames);

    QImage *snapshot = media.getSnapshotImage();
    QVERIFY(snapshot);
    QCOMPARE(snapshot->size(), QSize(320, 180));
    QVERIFY(TestVideos::mostlyNonBlack(*snapshot));
}

void TestMetaData::unreadableFileFails()
{
    const QString path = TestVideos::randomBytes(m_dir.path());
    QSignalSpy failed(MetaDataManager::getInstance(), &MetaDataManager::failedToCompute);
    Media media(path);
    int computed = 0;
    connect(&media, &Media::metaDataComputed, this, [&] { ++computed; });
    QVERIFY(waitForResult(&media));
    QCOMPARE(media.metaDataState(), Media::Failed);
    // The state is set before the report goes out.
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().value<Media *>(), &media);
    QCOMPARE(computed, 0);
    QCOMPARE(media.getSource()->getWidth(), 0u);
    QCOMPARE(media.getSource()->getFps(), 0.0f);
    QVERIFY(!media.getSnapshotImage());
}

void TestMetaData::queuedMediaAreReadInOrder()
{
    QStringList order;
    QSignalSpy runs(MetaDataManager::getInstance(), &QThread::started);
    Media first(m_pal);
    Media second(m_short);
    connect(&first, &Media::metaDataComputed, this, [&] { order << QStringLiteral("first"); });
    connect(&second, &Media::metaDataComputed, this, [&] { order << QStringLiteral("second"); });
    QVERIFY(waitForResult(&second));
    QVERIFY(waitForResult(&first));
    // Reports still queued when the state was read.
    QTRY_COMPARE(order.size(), 2);
    QCOMPARE(order, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(runs.count(), 1);
}

void TestMetaData::oddNamesOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("encoded");

    QTest::newRow("blank") << QStringLiteral("mit Leerzeichen.mpg") << QStringLiteral("mit%20Leerzeichen.mpg");
    QTest::newRow("umlaut") << QStringLiteral("Bäume.mpg") << QStringLiteral("B%C3%A4ume.mpg");
    QTest::newRow("hash") << QStringLiteral("Nr#1.mpg") << QStringLiteral("Nr%231.mpg");
    QTest::newRow("percent") << QStringLiteral("100%.mpg") << QStringLiteral("100%25.mpg");
    QTest::newRow("percent and digits") << QStringLiteral("a%41.mpg") << QStringLiteral("a%2541.mpg");
}

void TestMetaData::oddNamesOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, encoded);

    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QVERIFY(QFile::copy(m_short, path));
    Media media(path);
    const QString location = QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(m_dir.path(), "/"))
                             + QLatin1Char('/') + encoded;
    QCOMPARE(media.getMrl(), location);
    QCOMPARE(media.getSource()->getMedia()->mrl(), location);
    QVERIFY(waitForResult(&media));
    QCOMPARE(media.metaDataState(), Media::Computed);
    QCOMPARE(media.getSource()->getWidth(), 720u);
}

void TestMetaData::clipMadeBeforeTheMetadataTakesTheWholeMedia()
{
    auto *media = new Media(m_pal);
    Clip clip(media, 0, -1);
    // Nothing known yet: the clip is empty until the media reports.
    QCOMPARE(clip.end(), qint64(0));
    QCOMPARE(clip.getLength(), qint64(0));
    QVERIFY(waitForResult(media));
    QTRY_COMPARE(clip.end(), qint64(112));
    QCOMPARE(clip.begin(), qint64(0));
    QCOMPARE(clip.getLength(), qint64(112));
    QCOMPARE(clip.getLengthSeconds(), qint64(4));

    // A clip of the known media keeps its own boundaries.
    Clip part(new Media(m_short), 10, 35, QStringLiteral("{8c3a4b1e-1111-4a2b-9c3d-123456789abc}"));
    QCOMPARE(part.getUuid(), QUuid(QStringLiteral("{8c3a4b1e-1111-4a2b-9c3d-123456789abc}")));
    QVERIFY(waitForResult(part.getMedia()));
    QCOMPARE(part.begin(), qint64(10));
    QCOMPARE(part.end(), qint64(35));
    QCOMPARE(part.getLengthSeconds(), qint64(1));
}

void TestMetaData::clipHelperStaysInsideItsClip()
{
    auto *clip = new Clip(new Media(m_short), 10, 50);
    QVERIFY(waitForResult(clip->getMedia()));
    QPointer<ClipHelper> helper = new ClipHelper(clip);
    QCOMPARE(helper->begin(), qint64(10));
    QCOMPARE(helper->end(), qint64(50));
    QSignalSpy updated(helper.data(), &Helper::lengthUpdated);

    helper->setBegin(9);
    helper->setEnd(51);
    QCOMPARE(updated.count(), 0);
    helper->setBegin(20);
    helper->setEnd(40);
    QCOMPARE(updated.count(), 2);
    QCOMPARE(helper->length(), qint64(20));

    QSignalSpy gone(helper.data(), SIGNAL(destroyed(QUuid)));
    const QUuid uuid = helper->uuid();
    delete clip;
    QCOMPARE(gone.count(), 1);
    QCOMPARE(gone.first().first().toUuid(), uuid);
    helper->setBegin(30); // after its clip: ignored, no crash
    QCOMPARE(helper->begin(), qint64(20));
    QTRY_VERIFY(helper.isNull());
}

// A media given up while queued or while its file is read goes without a report, and what
// comes after it is still read.
void TestMetaData::mediaGivenUpWhileRead()
{
    QSignalSpy failed(MetaDataManager::getInstance(), &MetaDataManager::failedToCompute);
    QPointer<Media> reading = new Media(m_pal);
    QPointer<Media> queued = new Media(m_short);
    int readingReports = 0;
    connect(reading.data(), &Media::metaDataComputed, this, [&] { ++readingReports; });
    MetaDataManager::getInstance()->discard(queued);
    QVERIFY(queued.isNull());
    MetaDataManager::getInstance()->discard(reading);

    Media after(m_short);
    QVERIFY(waitForResult(&after));
    QCOMPARE(after.metaDataState(), Media::Computed);
    QTRY_VERIFY(reading.isNull());
    QCOMPARE(readingReports, 0);
    QCOMPARE(failed.count(), 0);

    // Deleting a media outright while its file is read waits for the read and then goes.
    auto *deleted = new Media(m_pal);
    QTest::qWait(200);
    delete deleted;
    Media last(m_short);
    QVERIFY(waitForResult(&last));
    QCOMPARE(last.metaDataState(), Media::Computed);
}

QTEST_MAIN(TestMetaData)
#include "tst_metadata.moc"
