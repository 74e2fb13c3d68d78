#include "foundation/reporter.h"

#include <QtTest>

class TestReporter : public QObject
{
    Q_OBJECT

private slots:
    void heldMessagesComeInOrderOnRelease()
    {
        QStringList seen;
        const Reporter::Handler previous = Reporter::setHandler([&seen](Reporter::Kind kind, const QString &text) {
            seen << (kind == Reporter::Kind::Notice ? QStringLiteral("notice: ") : QStringLiteral("error: ")) + text;
            // A message handled on release may bring another one; it must not be lost or
            // overtake the ones still waiting.
            if (text == QLatin1String("first"))
                Reporter::notice(QStringLiteral("from the first"));
        });

        Reporter::hold();
        Reporter::notice(QStringLiteral("first"));
        Reporter::error(QStringLiteral("second"));
        QVERIFY(seen.isEmpty());
        QVERIFY(Reporter::isHeld());

        Reporter::release();
        QVERIFY(!Reporter::isHeld());
        QCOMPARE(seen, (QStringList{QStringLiteral("notice: first"), QStringLiteral("notice: from the first"),
                                    QStringLiteral("error: second")}));

        Reporter::notice(QStringLiteral("later"));
        QCOMPARE(seen.last(), QStringLiteral("notice: later"));
        Reporter::setHandler(previous);
    }
};

QTEST_GUILESS_MAIN(TestReporter)
#include "tst_reporter.moc"
