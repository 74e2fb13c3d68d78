#include "model/exchangevaluereader.h"

#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Reads the value of <v>text</v> with read and collects the problems it reports.
template<typename Read>
auto readValue(const QString &text, QStringList &problems, Read read)
{
    const QString document = QStringLiteral("<v>%1</v>").arg(text);
    QXmlStreamReader reader(document);
    reader.readNextStartElement();
    ExchangeValueReader values(reader, [&](const QString &problem) { problems << problem; });
    const auto value = read(values);
    // The reader is left on the value's end element.
    if (!reader.isEndElement() || reader.name() != QLatin1String("v"))
        problems << QStringLiteral("reader not left on </v>");
    return value;
}

} // namespace

class TestExchangeValueReader : public QObject
{
    Q_OBJECT

private slots:
    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("reported");
        QTest::newRow("written form") << QStringLiteral("2021-03-04") << QDate(2021, 3, 4) << false;
        QTest::newRow("leap day") << QStringLiteral("2024-02-29") << QDate(2024, 2, 29) << false;
        QTest::newRow("no leap day") << QStringLiteral("2023-02-29") << QDate() << true;
        QTest::newRow("month 13") << QStringLiteral("2021-13-01") << QDate() << true;
        QTest::newRow("day 0") << QStringLiteral("2021-03-00") << QDate() << true;
        QTest::newRow("other separators") << QStringLiteral("2021.03.04") << QDate() << true;
        QTest::newRow("letters") << QStringLiteral("2021-0x-04") << QDate() << true;
        QTest::newRow("empty: no value") << QString() << QDate() << false;
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QFETCH(bool, reported);
        QStringList problems;
        const QDate date = readValue(text, problems, [](ExchangeValueReader &v) { return v.date("D"); });
        QCOMPARE(date, expected);
        QCOMPARE(problems.size(), reported ? 1 : 0);
        if (reported)
            QVERIFY2(problems.first().contains(QStringLiteral("\"%1\"").arg(text)), qPrintable(problems.first()));
    }

    void timesOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected");
        QTest::addColumn<bool>("reported");
        QTest::newRow("hh:mm:ss") << QStringLiteral("12:34:56") << QTime(12, 34, 56) << false;
        QTest::newRow("hh:mm") << QStringLiteral("07:05") << QTime(7, 5) << false;
        QTest::newRow("h:mm:ss") << QStringLiteral("7:05:09") << QTime(7, 5, 9) << false;
        QTest::newRow("h:mm") << QStringLiteral("7:05") << QTime(7, 5) << false;
        QTest::newRow("midnight") << QStringLiteral("00:00:00") << QTime(0, 0) << false;
        QTest::newRow("hour 24") << QStringLiteral("24:00:00") << QTime() << true;
        QTest::newRow("minute 60") << QStringLiteral("12:60") << QTime() << true;
        QTest::newRow("second 60") << QStringLiteral("12:30:60") << QTime() << true;
        QTest::newRow("dashes") << QStringLiteral("12-34-56") << QTime() << true;
        QTest::newRow("trailing text") << QStringLiteral("12:34:56x") << QTime() << true;
        QTest::newRow("empty: no value") << QString() << QTime() << false;
    }
    void timesOfDay()
    {
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        QFETCH(bool, reported);
        QStringList problems;
        const QTime time = readValue(text, problems, [](ExchangeValueReader &v) { return v.timeOfDay("T"); });
        QCOMPARE(time, expected);
        QCOMPARE(problems.size(), reported ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestExchangeValueReader)
#include "tst_exchangevaluereader.moc"
