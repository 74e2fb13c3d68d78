// test-needs: x11
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "app/mainwindow.h"
#include "support/testenv.h"
#include "support/videotestmain.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // One start per process: the first-run notice comes from the first use of the settings.
    void startUpGoesThroughItsStagesInOrder()
    {
        TestEnvironment env;
        qputenv("PATH", "/usr/bin:/bin");
        const QString medium = env.root() + QStringLiteral("/medium");
        qputenv("ZOZORURE_PROJECTS_ROOT", QFile::encodeName(medium));

        MainWindow *window = nullptr;
        QStringList notices;
        QList<bool> windowShownAtNotice;
        const Reporter::Handler previous = Reporter::setHandler([&](Reporter::Kind, const QString &text) {
            notices << text;
            windowShownAtNotice << (window && window->isVisible());
        });
        std::unique_ptr<QSignalSpy> messages, finished;
        const Startup::Started started = Startup::start([&](MainWindow *w) {
            window = w;
            messages.reset(new QSignalSpy(w, &MainWindow::message));
            finished.reset(new QSignalSpy(w, &MainWindow::finishedInit));
        });
        Reporter::setHandler(previous);
        qunsetenv("ZOZORURE_PROJECTS_ROOT");

        QStringList texts;
        for (const QList<QVariant> &args : *messages) {
            texts << args.at(0).toString();
            QCOMPARE(args.at(1).toInt(), int(Qt::AlignBottom | Qt::AlignHCenter));
            QCOMPARE(args.at(2).value<QColor>(), QColor(Qt::black));
        }
        QCOMPARE(texts, (QStringList{QStringLiteral("loading ui..."), QStringLiteral("loading user data..."),
                                     QStringLiteral("initialize program..."), QStringLiteral("convert projects...")}));
        QCOMPARE(finished->count(), 1);
        // The splash screen showed them: the last one is still its message.
        QCOMPARE(started.splash->message(), QStringLiteral("convert projects..."));
        QVERIFY(started.splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(started.window->isVisible());
        QTRY_VERIFY(!started.splash->isVisible());

        QCOMPARE(qgetenv("PATH"), "/usr/bin:/bin:" + QFile::encodeName(QCoreApplication::applicationDirPath()));
        QVERIFY(QMetaType::type("Global::FrameChangedReason") != 0);
        QCOMPARE(Global::instance()->config()->projectPath(), medium);

        // The first run's notice about the projects folder waited for the main window.
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.first().startsWith(QStringLiteral("Als Projektverzeichnis wurde")), qPrintable(notices.first()));
        QCOMPARE(windowShownAtNotice, QList<bool>{true});

        // Closed before the event loop runs, as a close request that comes while the splash
        // screen waits for the window: the program still ends.
        QVERIFY(started.window->close());
        QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
        QCOMPARE(Startup::exec(started), 0);
    }

    void anExceptionEndsWithFailure()
    {
        QCOMPARE(Startup::guarded([] { return 0; }), 0);
        QTest::ignoreMessage(QtDebugMsg, "Exception!");
        QCOMPARE(Startup::guarded([]() -> int { throw std::runtime_error("broken"); }), 1);
    }
};

ZZ_VIDEO_X11_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
