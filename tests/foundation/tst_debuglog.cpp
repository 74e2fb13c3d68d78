#include "foundation/debuglog.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QtTest>

#include <vector>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line
    return lines;
}

const QRegularExpression startLine(QStringLiteral("^starting zozorure debug system \\(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\)$"));
const QRegularExpression closingLine(QStringLiteral("^closing zozorure debug system \\(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\)$"));

QStringList captured;
void captureHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured.append(message);
}

} // namespace

class TestDebugLog : public QObject
{
    Q_OBJECT

private slots:
    void startAndStopLines();
    void messageLines_data();
    void messageLines();
    void messageWithoutContext();
    void stopWhenNotRunningWritesNothing();
    void failedStartInstallsNothing();
    void handlerGoesBackAfterStop();
    void messagesFromManyThreads();
};

void TestDebugLog::startAndStopLines()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/log.txt");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier session\n");
    }
    QVERIFY(!DebugLog::isOpen());
    QVERIFY(DebugLog::start(path));
    QVERIFY(DebugLog::isOpen());
    QVERIFY(DebugLog::start(path)); // already running: nothing more
    qDebug("between");
    DebugLog::stop();
    QVERIFY(!DebugLog::isOpen());
    QVERIFY(!DebugLog::stream().device());
    qDebug("after stop");

    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.at(0), QStringLiteral("earlier session")); // appended, not replaced
    QVERIFY2(startLine.match(lines.at(1)).hasMatch(), qPrintable(lines.at(1)));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Debug: file ")));
    QVERIFY(lines.at(2).endsWith(QStringLiteral(": between")));
    QVERIFY2(closingLine.match(lines.at(3)).hasMatch(), qPrintable(lines.at(3)));
    QCOMPARE(lines.at(4), QString()); // one empty line closes a session
}

void TestDebugLog::messageLines_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("level");

    QTest::newRow("debug") << int(QtDebugMsg) << "eins" << "Debug";
    QTest::newRow("warning") << int(QtWarningMsg) << "zwei" << "Warning";
    QTest::newRow("critical") << int(QtCriticalMsg) << "drei" << "Critical";
    QTest::newRow("info is not logged") << int(QtInfoMsg) << "vier" << QString();
    // Placeholders in the message are text, not places for the level word.
    QTest::newRow("placeholders") << int(QtWarningMsg) << "%0 %1 %2 100%" << "Warning";
}

void TestDebugLog::messageLines()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, level);

    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/log.txt");
    QVERIFY(DebugLog::start(path));
    const int line = __LINE__ + 1;
    QMessageLogger logger(__FILE__, line, Q_FUNC_INFO);
    switch (type) {
    case QtDebugMsg:
        logger.debug("%s", qPrintable(text));
        break;
    case QtWarningMsg:
        logger.warning("%s", qPrintable(text));
        break;
    case QtCriticalMsg:
        logger.critical("%s", qPrintable(text));
        break;
    default:
        logger.info("%s", qPrintable(text));
        break;
    }
    DebugLog::stop();

    const QStringList lines = readLines(path);
    if (level.isEmpty()) {
        QCOMPARE(lines.size(), 3); // start, closing, empty
        return;
    }
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), QStringLiteral("%1: file %2 in line %3 in function %4: %5")
                              .arg(level, QStringLiteral(__FILE__), QString::number(line),
                                   QString::fromLatin1(Q_FUNC_INFO), text));
}

void TestDebugLog::messageWithoutContext()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/log.txt");
    QVERIFY(DebugLog::start(path));
    QMessageLogger(nullptr, 0, nullptr).warning("a: b");
    DebugLog::stop();
    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), QStringLiteral("Warning: file  in line 0 in function : a: b"));
}

void TestDebugLog::stopWhenNotRunningWritesNothing()
{
    QVERIFY(!DebugLog::isOpen());
    DebugLog::stop();
    QVERIFY(!DebugLog::isOpen());
    QVERIFY(!DebugLog::stream().device());
}

void TestDebugLog::failedStartInstallsNothing()
{
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureHandler);
    QVERIFY(!DebugLog::start(QStringLiteral("/nonexistent-folder/zz/log.txt")));
    QVERIFY(!DebugLog::isOpen());
    qWarning("still shown");
    const QtMessageHandler current = qInstallMessageHandler(previous);
    QVERIFY(current == &captureHandler);
    QCOMPARE(captured, QStringList(QStringLiteral("still shown")));

    // A later start with a usable file works.
    QTemporaryDir dir;
    QVERIFY(DebugLog::start(dir.path() + QStringLiteral("/log.txt")));
    QVERIFY(DebugLog::isOpen());
    DebugLog::stop();
}

void TestDebugLog::handlerGoesBackAfterStop()
{
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureHandler);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/log.txt");
    QVERIFY(DebugLog::start(path));
    qWarning("to the file");
    DebugLog::stop();
    qWarning("to the handler");
    qInstallMessageHandler(previous);

    QCOMPARE(captured, QStringList(QStringLiteral("to the handler")));
    QVERIFY(readLines(path).at(1).endsWith(QStringLiteral(": to the file")));
}

void TestDebugLog::messagesFromManyThreads()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/log.txt");
    QVERIFY(DebugLog::start(path));
    const int threadCount = 4;
    const int perThread = 500;
    std::vector<QThread *> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.push_back(QThread::create([t] {
            for (int i = 0; i < perThread; ++i)
                qDebug("thread %d message %d", t, i);
        }));
    }
    for (QThread *thread : threads)
        thread->start();
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    DebugLog::stop();

    const QStringList lines = readLines(path);
    QCOMPARE(lines.size(), threadCount * perThread + 3);
    const QRegularExpression pattern(
        QStringLiteral("^Debug: file \\S+ in line \\d+ in function .+: thread (\\d) message (\\d+)$"));
    QSet<QString> seen;
    for (int i = 1; i <= threadCount * perThread; ++i) {
        const QRegularExpressionMatch match = pattern.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        seen.insert(match.captured(1) + QLatin1Char('/') + match.captured(2));
    }
    QCOMPARE(seen.size(), threadCount * perThread);
}

QTEST_MAIN(TestDebugLog)
#include "tst_debuglog.moc"
