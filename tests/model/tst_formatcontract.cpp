#include "support/model/formatcontract.h"

#include <QLoggingCategory>
#include <QtTest>

using namespace FormatContract;

// The promises every exchange format keeps, a row per format and file.
class TestFormatContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false"));
    }

    void resavesUnchanged_data()
    {
        QTest::addColumn<QString>("format");
        for (const Format &f : formats())
            QTest::newRow(qPrintable(f.name)) << f.name;
    }
    void resavesUnchanged()
    {
        QFETCH(QString, format);
        checkResavesUnchanged(FormatContract::format(format));
    }

    void fieldsKeepTheirPlace_data()
    {
        resavesUnchanged_data();
    }
    void fieldsKeepTheirPlace()
    {
        QFETCH(QString, format);
        checkFieldsKeepTheirPlace(FormatContract::format(format));
    }

    void brokenFilesAreReportedAndKept_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.broken.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.broken.at(i).name)) << f.name << i;
        }
    }
    void brokenFilesAreReportedAndKept()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.broken.at(index));
    }

    void whatCanBeReadIsKept_data()
    {
        QTest::addColumn<QString>("format");
        for (const Format &f : formats()) {
            if (!f.partial.content.isNull())
                QTest::newRow(qPrintable(f.name)) << f.name;
        }
    }
    void whatCanBeReadIsKept()
    {
        QFETCH(QString, format);
        checkWhatCanBeReadIsKept(FormatContract::format(format));
    }

    void namesStayInsideTheFolder_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.escapingNames.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.escapingNames.at(i).name)) << f.name << i;
        }
    }
    void namesStayInsideTheFolder()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.escapingNames.at(index));
    }

    void numbersOutOfRangeAreReported_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.outOfRange.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.outOfRange.at(i).name)) << f.name << i;
        }
    }
    void numbersOutOfRangeAreReported()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.outOfRange.at(index));
    }

    void textsLoseWhatTheFileCannotCarry_data()
    {
        resavesUnchanged_data();
    }
    void textsLoseWhatTheFileCannotCarry()
    {
        QFETCH(QString, format);
        checkTextsWithoutUncarriedCharacters(FormatContract::format(format));
    }

    void freeTextWritesNothing()
    {
        checkFreeTextWritesNothing();
    }
};

QTEST_MAIN(TestFormatContract)
#include "tst_formatcontract.moc"
