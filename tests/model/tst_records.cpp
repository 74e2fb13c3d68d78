#include "model/records.h"
#include "model/overlaypages.h"
#include "foundation/records/reportrecords.h"

#include <QtTest>

#include <algorithm>

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void observationDefaultsEqualClearedRecord()
    {
        ObservationRecord fresh;
        QVERIFY(fresh.videoTime.isValid());
        QCOMPARE(fresh.videoTime, QTime(0, 0));

        ObservationRecord used;
        used.distance = 3.5;
        used.code = QStringLiteral("BCD");
        used.videoTime = QTime(1, 2, 3);
        used.remark = QStringLiteral("r");
        used.photoFile = QStringLiteral("img_1_1.jpg");
        used.character1 = QStringLiteral("A");
        used.character2 = QStringLiteral("B");
        used.quantity1 = 1;
        used.quantity2 = 2;
        used.quantity1Text = QStringLiteral("S1");
        used.quantity2Text = QStringLiteral("S2");
        used.clockFrom = 3;
        used.clockTo = 9;
        used.damageClass = 4;
        used.joint = 1;
        used.continuousDefect = QStringLiteral("A");
        used.continuousDefectNumber = 2;

        ObservationRecord copy(used);
        QCOMPARE(copy.quantity1Text, QStringLiteral("S1"));
        QCOMPARE(copy.continuousDefectNumber, 2);

        used.clear();
        // A record reused by a reader carries nothing of the previous observation.
        for (const ObservationRecord &r : {used, fresh}) {
            QCOMPARE(r.distance, 0.0);
            QVERIFY(r.code.isEmpty() && r.remark.isEmpty() && r.photoFile.isEmpty());
            QVERIFY(r.character1.isEmpty() && r.character2.isEmpty());
            QVERIFY(r.quantity1Text.isEmpty() && r.quantity2Text.isEmpty());
            QCOMPARE(r.quantity1, 0.0);
            QCOMPARE(r.quantity2, 0.0);
            QCOMPARE(r.clockFrom + r.clockTo + r.damageClass + r.joint + r.continuousDefectNumber, 0);
            QVERIFY(r.continuousDefect.isEmpty());
            QCOMPARE(r.videoTime, QTime(0, 0));
        }
    }

    void stableDistanceOrder()
    {
        QVector<ObservationRecord> list;
        const QList<QPair<double, QString>> input{{5.0, "a"}, {1.0, "b"}, {5.0, "c"}, {-1.0, "d"}, {1.0, "e"}};
        for (const auto &p : input) {
            ObservationRecord r;
            r.distance = p.first;
            r.code = p.second;
            list << r;
        }
        std::stable_sort(list.begin(), list.end(), lessByDistance);
        QStringList order;
        for (const auto &r : list)
            order << r.code;
        QCOMPARE(order, (QStringList{"d", "b", "e", "a", "c"}));
    }

    void headerConstructionAndClear()
    {
        InspectionHeader h;
        QVERIFY(h.date.isNull());
        QVERIFY(!h.time.isValid());
        QCOMPARE(h.height + h.width + h.inspectionLength + h.pipeUnitLength, 0.0);

        h.client = QStringLiteral("Stadt");
        h.inspectionLength = 12;
        h.filmEndFrame = 99;
        h.materialText = QStringLiteral("x");
        const QTime before = QTime::currentTime();
        h.clear();
        QVERIFY(h.client.isEmpty() && h.materialText.isEmpty());
        QCOMPARE(h.inspectionLength, 0.0);
        QCOMPARE(h.filmEndFrame, 0);
        QCOMPARE(h.date, QDate::currentDate());
        QVERIFY(h.time.isValid());
        QVERIFY(qAbs(before.msecsTo(h.time)) < 5000);
    }

    void reportRecordsStartZeroed()
    {
        const ObservationRow row;
        QCOMPARE(row.distance, 0.0);
        QCOMPARE(row.videoTime, QTime(0, 0));
        QVERIFY(row.videoTime.isValid());
        QCOMPARE(row.side + row.category + row.damageClass, 0);
        QVERIFY(!row.color.isValid());

        const TocEntry entry;
        QCOMPARE(entry.length, 0.0);
        QCOMPARE(entry.kind, 0);
        QVERIFY(!entry.color.isValid());
        QVERIFY(entry.sectionName.isEmpty() && entry.lengthText.isEmpty());

        const PrintJob job;
        QCOMPARE(job.section, 0);
        QCOMPARE(job.flowColorKind, 0);
        QCOMPARE(job.length, 0.0);
        QVERIFY(job.type.isEmpty() && job.rows.isEmpty() && job.photos.isEmpty());
    }

    void overlayPagesRefuseTakenStart()
    {
        OverlayPages pages;
        OverlayPage page;
        page.start = QTime(0, 0, 5);
        page.lines = QStringList{"first"};
        QVERIFY(pages.add(page));
        page.lines = QStringList{"second"};
        QVERIFY(!pages.add(page));
        QCOMPARE(pages.pages().size(), 1);
        QCOMPARE(pages.pages().value(5000).lines, QStringList{"first"});
        page.clear();
        QCOMPARE(page.kind, 0);
        QCOMPARE(page.start, QTime(0, 0));
        QVERIFY(page.lines.isEmpty());
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
