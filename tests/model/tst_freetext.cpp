#include "model/freetext.h"
#include "support/testenv.h"

#include <QDir>
#include <QImage>
#include <QtTest>

class TestFreetext : public QObject
{
    Q_OBJECT

private slots:
    void videoPhotoJobAndNothingStored()
    {
        TestEnvironment env;
        const QString folder = env.root() + QStringLiteral("/Frei1/");
        QDir().mkpath(folder);

        Freetext inv;
        QCOMPARE(inv.normKind(), NormFreetext);
        inv.setFolder(folder);
        inv.setFileName(QStringLiteral("Frei1.xml"));
        ObservationRecord o;
        o.remark = QStringLiteral("Wurzeln");
        o.photoFile = QStringLiteral("img_2.jpg");
        inv.mutableObservations() << o;

        QVector<PrintJob> jobs = inv.photoJobs();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs.first().type, QStringLiteral("fotoPagesVideo"));
        QCOMPARE(jobs.first().sectionName, QStringLiteral("Frei1"));
        QVERIFY(jobs.first().photos.isEmpty());

        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        QVERIFY(image.save(folder + QStringLiteral("img_2.jpg")));
        jobs = inv.photoJobs();
        QCOMPARE(jobs.first().photos.size(), 1);
        QCOMPARE(jobs.first().photoTexts, QStringList{QStringLiteral("img_2")});

        QVERIFY(inv.printJobs().isEmpty());
        QVERIFY(inv.inspectionJobs().isEmpty());
        QVERIFY(inv.observationRows().isEmpty());
        QVERIFY(inv.photoFiles().isEmpty());
        QCOMPARE(inv.inspectedLength(), 0.0);
        QCOMPARE(inv.lastPhotoNumber(), 0);
        QVERIFY(inv.addStartNode(QTime(0, 0, 1)).isEmpty());
        QCOMPARE(inv.observations().size(), 1);
        const TocEntry entry = inv.summaryRow();
        QVERIFY(!entry.color.isValid());
        QVERIFY(entry.sectionName.isEmpty());

        inv.buildOverlayPages(5, 5);
        QVERIFY(inv.overlayPages().isEmpty());

        QVERIFY(inv.save());
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("Frei1.xml")));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("Frei1.dat")));
        QVERIFY(inv.load(folder + QStringLiteral("Frei1.xml")));
        QCOMPARE(inv.observations().size(), 1);
    }
};

QTEST_MAIN(TestFreetext)
#include "tst_freetext.moc"
