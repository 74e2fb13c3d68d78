#include "view3d/coursesteps.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "support/testenv.h"

#include <QtTest>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

ObservationRecord at(double distance, const QString &code, int clock = 0, double q1 = 0.0,
                     const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o = observation(distance, code, c1, c2);
    o.clockFrom = clock;
    o.quantity1 = q1;
    o.videoTime = QTime(0, 1, int(distance) % 60);
    return o;
}

// "kind/position/value/meter" per step, the end step as "3@meter".
QString summary(const QList<CourseStep> &steps)
{
    QStringList parts;
    for (const CourseStep &s : steps) {
        if (s.kind == CourseStep::End)
            parts << QStringLiteral("3@%1").arg(s.meter);
        else
            parts << QStringLiteral("%1/%2/%3@%4").arg(s.kind).arg(s.position).arg(s.value).arg(s.meter);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestCourseSteps : public QObject
{
    Q_OBJECT

private slots:
    void clock_data();
    void clock();
    void steps_data();
    void steps();
    void textsAndKeys();

private:
    ReporterCapture m_reports;
};

void TestCourseSteps::clock_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("position");
    QTest::newRow("12") << 12 << 90;
    QTest::newRow("3") << 3 << 0;
    QTest::newRow("6") << 6 << 270;
    QTest::newRow("9") << 9 << 180;
    QTest::newRow("1") << 1 << 60;
    QTest::newRow("none") << 0 << 90;
}

void TestCourseSteps::clock()
{
    QFETCH(int, hours);
    QFETCH(int, position);
    QCOMPARE(clockPosition(hours), position);
}

void TestCourseSteps::steps_data()
{
    QTest::addColumn<int>("norm");
    QTest::addColumn<double>("headerLength");
    QTest::addColumn<QVector<ObservationRecord>>("observations");
    QTest::addColumn<QString>("expected");

    using V = QVector<ObservationRecord>;
    for (int norm : {int(NormATV), int(NormIsybau2001), int(NormFreetext)}) {
        const QByteArray n = QByteArray::number(norm);
        QTest::newRow(n + " empty") << norm << 30.0 << V() << "3@0";
        QTest::newRow(n + " only distances") << norm << 30.0 << V{at(4, "BAB"), at(17.5, "BAB")} << "3@17.5";
        QTest::newRow(n + " course")
            << norm << 0.0
            << V{at(2, "AU-O", 0), at(2.5, "AUO"), at(3, "K", 3, 30), at(5, "QVN", 0, 400), at(6, "A--O", 3), at(8, "HL", 0, 25),
                 at(9, "A--L"), at(9, "A--X"), at(10, "A"), at(11, "KX", 0, 10)}
            << "0/0/30@3 2/0/400@5 3@25 1/90/60@2 1/0/60@2.5 1/0/60@6 1/180/60@9 1/0/60@9 1/0/60@10";
    }
    for (int norm : {int(NormEN135082), int(NormIsybau2006), int(NormDWAM1492)}) {
        const QByteArray n = QByteArray::number(norm);
        QTest::newRow(n + " empty") << norm << 30.0 << V() << "3@30";
        QTest::newRow(n + " observation past header") << norm << 30.0 << V{at(42, "BAB")} << "3@42";
        QTest::newRow(n + " course")
            << norm << 20.0
            << V{at(1, "BCA"), at(2, "BCA", 9), at(3, "BCC", 0, 45, "Y", "B"), at(4, "BCC", 0, 10, "Z", "A"),
                 at(5, "BCC", 0, 10, "A", ""), at(6, "BCC", 0, 10, "B", "A"), at(7, "AEC", 0, 300), at(8, "K", 3, 30),
                 at(9, "A--O"), at(9, "BCA", 3)}
            << "0/270/45@3 0/-1/10@4 0/180/10@5 0/45/10@6 2/0/300@7 3@20 1/90/60@1 1/180/60@2 1/0/60@9";
    }
    QTest::newRow("DanDas") << int(NormDanDas) << 30.0 << V{at(3, "BCC", 0, 45, "Y", "B"), at(5, "BCA")} << "";
}

void TestCourseSteps::steps()
{
    QFETCH(int, norm);
    QFETCH(double, headerLength);
    QFETCH(QVector<ObservationRecord>, observations);
    QFETCH(QString, expected);

    std::unique_ptr<Investigation> inspection = makeInspection(norm);
    QCOMPARE(inspection->normKind(), norm);
    InspectionHeader header = inspection->mainData();
    header.inspectionLength = headerLength;
    inspection->setMainData(header);
    inspection->mutableObservations() = observations;
    QCOMPARE(summary(buildCourseSteps(inspection.get())), expected);
}

void TestCourseSteps::textsAndKeys()
{
    std::unique_ptr<Investigation> inspection = makeInspection(NormEN135082);
    ObservationRecord bend = at(12.5, "BCC", 0, 45, "A", "B");
    ObservationRecord width = at(13, "AEC", 0, 250);
    ObservationRecord branch = at(14.25, "BCA", 2);
    inspection->mutableObservations() = {bend, width, branch};
    const QList<CourseStep> steps = buildCourseSteps(inspection.get());
    QCOMPARE(steps.size(), 4);

    QCOMPARE(steps[0].text, QStringLiteral("12.50m BCC ") + inspection->observationDescription(bend));
    QVERIFY(!inspection->observationDescription(bend).isEmpty());
    QCOMPARE(steps[0].code, QStringLiteral("BCC"));
    QCOMPARE(steps[0].timecode, bend.videoTime);
    QCOMPARE(steps[0].meter, 12.5);
    QCOMPARE(steps[1].text, QString());
    QCOMPARE(steps[2].text, QString());
    QCOMPARE(steps[2].code, QString());
    QCOMPARE(steps[3].text, QStringLiteral("14.25m BCA ") + inspection->observationDescription(branch));
    QCOMPARE(steps[3].position, 30);

    std::unique_ptr<Investigation> isybau = makeInspection(NormIsybau2001);
    ObservationRecord k = at(3, "K", 12, 15);
    isybau->mutableObservations() = {k};
    const QList<CourseStep> isySteps = buildCourseSteps(isybau.get());
    QCOMPARE(isySteps.size(), 2);
    QCOMPARE(isySteps[0].text, QStringLiteral("3.00m K ") + isybau->observationDescription(k));
    QCOMPARE(isySteps[0].position, 90);
    QCOMPARE(isySteps[1].meter, 3.0);
}

QTEST_MAIN(TestCourseSteps)
#include "tst_coursesteps.moc"
