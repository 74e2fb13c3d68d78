#include "foundation/meterratioobserver.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

class TestMeterRatioObserver : public QObject
{
    Q_OBJECT

private slots:
    void conversionsAtDefaultRatio();
    void conversionsFollowRatio();
    void setRatio_data();
    void setRatio();
};

void TestMeterRatioObserver::conversionsAtDefaultRatio()
{
    MeterRatioObserver observer;
    QCOMPARE(observer.ratio(), 0.01);
    QCOMPARE(observer.toUnits(100.0), 1.0);
    QCOMPARE(observer.fromUnits(1.0), 100.0);
    QCOMPARE(observer.inverseScale(), 0.01);
}

void TestMeterRatioObserver::conversionsFollowRatio()
{
    MeterRatioObserver observer;
    observer.setRatio(0.5);
    QCOMPARE(observer.toUnits(10000.0), 2.0);
    QCOMPARE(observer.fromUnits(2.0), 10000.0);
    QCOMPARE(observer.inverseScale(), 1.0 / 5000.0);
    // Round trip through both conversions.
    QCOMPARE(observer.fromUnits(observer.toUnits(123.456)), 123.456);
}

void TestMeterRatioObserver::setRatio_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("emitted");
    QTest::addColumn<double>("ratioAfter");

    QTest::newRow("same") << 0.01 << 0 << 0.01;
    QTest::newRow("within relative 1e-12") << 0.0100000000000001 << 0 << 0.01;
    QTest::newRow("real change") << 0.0101 << 1 << 0.0101;
    QTest::newRow("negative") << -0.02 << 1 << -0.02;
    // Not calibrated or broken values would make every conversion divide by zero.
    QTest::newRow("zero") << 0.0 << 0 << 0.01;
    QTest::newRow("tiny") << 1e-12 << 0 << 0.01;
    QTest::newRow("tiny negative") << -1e-13 << 0 << 0.01;
    QTest::newRow("just above threshold") << 2e-12 << 1 << 2e-12;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0 << 0.01;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0 << 0.01;
}

void TestMeterRatioObserver::setRatio()
{
    QFETCH(double, value);
    QFETCH(int, emitted);
    QFETCH(double, ratioAfter);

    MeterRatioObserver observer;
    QSignalSpy spy(&observer, &MeterRatioObserver::ratioChanged);
    observer.setRatio(value);
    QCOMPARE(spy.count(), emitted);
    QCOMPARE(observer.ratio(), ratioAfter);
    QVERIFY(std::isfinite(observer.toUnits(1.0)));

    // Setting the adopted value again changes nothing.
    observer.setRatio(ratioAfter);
    QCOMPARE(spy.count(), emitted);
}

QTEST_MAIN(TestMeterRatioObserver)
#include "tst_meterratioobserver.moc"
