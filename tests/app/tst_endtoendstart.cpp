// test-needs: x11
// A fresh start of the real program, seen from outside as a user or a window manager sees it.
#include "support/xwindows.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTitle = QStringLiteral("ZOZOrure 1.0");

bool isUniform(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

} // namespace

class TestEndToEndStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        // Seeded as after a first start, so that no first-run notice waits for an answer.
        const QString data = home.path() + QStringLiteral("/data/RivuzAzed");
        QVERIFY(QDir().mkpath(data));
        QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/projects")));
        QSettings config(data + QStringLiteral("/tsconfig.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("Config/ProjectPath"), home.path() + QStringLiteral("/projects"));
        config.setValue(QStringLiteral("Config/Language"), 0);
        config.sync();
        QCOMPARE(config.status(), QSettings::NoError);

        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_DESKTOP_DIR"), home.path() + QStringLiteral("/Desktop"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // In a sanitizer build the exact stacks of every allocation slow the program's start from
        // seconds to minutes. And a process's leak check at exit runs after the OpenGL driver
        // is unloaded, so the driver's buffers would show as leaks of an unknown module; the
        // in-process tests check the program's own objects while the driver is still loaded.
        QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        if (!sanitizer.isEmpty()) {
            sanitizer.replace(QStringLiteral("fast_unwind_on_malloc=0"), QStringLiteral("fast_unwind_on_malloc=1"));
            sanitizer.replace(QStringLiteral("detect_leaks=1"), QStringLiteral("detect_leaks=0"));
            environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer);
        }
    }

    void runScriptWithoutADisplayExplainsAndStops()
    {
        QProcessEnvironment bare = environment;
        bare.remove(QStringLiteral("DISPLAY"));
        bare.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess script;
        script.setProcessEnvironment(bare);
        script.start(QStringLiteral("bash"), {QStringLiteral(ZZ_SOURCE_ROOT "/scripts/run.sh")});
        // It says so before installing or building anything.
        QVERIFY(script.waitForFinished(10000));
        QCOMPARE(script.exitStatus(), QProcess::NormalExit);
        QVERIFY(script.exitCode() != 0);
        const QString said = QString::fromUtf8(script.readAllStandardError() + script.readAllStandardOutput());
        QVERIFY2(said.contains(QStringLiteral("needs a display")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("xvfb-run -a -s \"-screen 0 1600x1200x24")), qPrintable(said));
    }

    void startsShowsItsWindowAndClosesOnRequest()
    {
        QVERIFY(qEnvironmentVariableIsSet("DISPLAY"));
        QVERIFY(XWindows::findByTitle(kTitle).isEmpty());
        QProcess program;
        // A failed check must not leave the program running.
        const auto stop = qScopeGuard([&program] {
            if (program.state() != QProcess::NotRunning) {
                program.kill();
                program.waitForFinished();
            }
        });
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(ZZ_PROGRAM), QStringList());
        QVERIFY(program.waitForStarted());

        QVERIFY2(mainWindow(program), "the main window did not come up");
        // Once the splash screen is gone and the window has painted, its picture is kept. The
        // window may have been made anew meanwhile (its 3D view asks for another kind of surface).
        // On a busy machine the first paint can take a while after the window is mapped.
        unsigned long window = 0;
        QImage shot;
        QElapsedTimer painted;
        painted.start();
        do {
            QTest::qWait(500);
            window = mainWindow(program);
            QVERIFY(window);
            shot = XWindows::grab(window);
            QVERIFY(!shot.isNull());
        } while (isUniform(shot) && painted.elapsed() < 60000);
        QCOMPARE(shot.size(), (XWindows::geometry(window) & XWindows::screenGeometry()).size());
        QVERIFY(!isUniform(shot));
        QVERIFY(shot.save(QCoreApplication::applicationDirPath() + QStringLiteral("/start-mainwindow.png")));

        // One request, as one click on the close button: also when it comes while the start
        // still runs, which on a busy machine can be after the first paint.
        QVERIFY(XWindows::requestClose(window));
        program.waitForFinished(60000);
        // When it did not end, what is still on the screen tells a question that waits for an
        // answer from a program stuck after its window went.
        QVERIFY2(program.state() == QProcess::NotRunning,
                 qPrintable(QStringLiteral("still running; on the screen: ")
                            + XWindows::viewableTitles().join(QStringLiteral(" | "))));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(XWindows::findByTitle(kTitle).isEmpty());

        QSettings settings(home.path() + QStringLiteral("/config/RivuzAzed/ZozoRure.conf"), QSettings::IniFormat);
        for (const char *key : {"geometry", "windowState", "mainDataVisible"})
            QVERIFY2(settings.contains(QLatin1String(key)), key);
        QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    }

private:
    // The program's mapped main window, waited for up to two minutes; 0 when none came.
    static unsigned long mainWindow(const QProcess &program)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 120000 && program.state() == QProcess::Running) {
            for (unsigned long found : XWindows::findByTitle(kTitle))
                if (XWindows::isViewable(found))
                    return found;
            QTest::qWait(50);
        }
        return 0;
    }

    QTemporaryDir home;
    QProcessEnvironment environment;
};

QTEST_GUILESS_MAIN(TestEndToEndStart)
#include "tst_endtoendstart.moc"
