// test-needs: x11
// The program used as a user uses it, through its own widgets, one step after the other; the
// window's picture is kept after each step.
#include "app/startup.h"
#include "core/config.h"
#include "core/firmstore.h"
#include "core/global.h"
#include "core/toolbox.h"
#include "mainwindow.h"
#include "model/investigation.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testvideos.h"
#include "support/videotestmain.h"
#include "support/xwindows.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// A file dialog answered by typing the name, as a user does.
ModalAnswerer::Action typeFileName(const QString &path)
{
    return [path](QWidget *w) {
        auto *name = w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(w, "accept");
    };
}

bool isUniform(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        const QString root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        Global::instance()->config()->setLanguage(0);
        Global::instance()->config()->setWithInspectionNames(false);
        // What the user brings along: a folder with one inspection video of 20 s, and a logo.
        stick = env->root() + QStringLiteral("/stick");
        QVERIFY(QDir().mkpath(stick + QStringLiteral("/K1")));
        QVERIFY(!TestVideos::shortPal(stick + QStringLiteral("/K1"), QStringLiteral("clip.mpg"), 20).isEmpty());
        logo = env->root() + QStringLiteral("/logo.png");
        QImage picture(90, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(logo));
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        QTRY_COMPARE(formChild<QTabWidget>(*window, "tabWidget")->currentIndex(), 0);
        shot(QStringLiteral("0-start"));
    }

    void companyAddressAndLogo()
    {
        ModalAnswerer answer;
        answer.expect("FirmDataDialog", [this](QWidget *dialog) {
            formChild<QLineEdit>(*dialog, "firm")->setText(QStringLiteral("Kanalprüfung Süd GmbH"));
            formChild<QTextEdit>(*dialog, "address")->setPlainText(QStringLiteral("Kanalprüfung Süd GmbH\nRohrweg 7\n12345 Musterstadt"));
            {
                ModalAnswerer files;
                files.expect("QFileDialog", typeFileName(logo));
                formChild<QPushButton>(*dialog, "chooseLogo")->click();
                QVERIFY(files.done());
            }
            formChild<QPushButton>(*dialog, "save")->click();
        });
        click(QStringLiteral("Extras_Firmendaten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        const Firm firm = Global::instance()->firmStore()->currentFirm();
        QCOMPARE(firm.name(), QStringLiteral("Kanalprüfung Süd GmbH"));
        QVERIFY(firm.address().contains(QStringLiteral("Rohrweg 7")));
        QCOMPARE(firm.logo().size(), QSize(90, 60));
        shot(QStringLiteral("1-company"));
    }

    void newProjectWithAnImportedVideo()
    {
        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", [](QWidget *dialog) {
                formChild<QLineEdit>(*dialog, "lineEdit")->setText(QStringLiteral("P1"));
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            click(QStringLiteral("Projekte_Neu"));
            QVERIFY(answer.done());
        }
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), QStringLiteral("P1"));
        shot(QStringLiteral("2-new-project"));

        ModalAnswerer answer;
        answer.expect("ImportDialog", [this](QWidget *dialog) {
            {
                ModalAnswerer folder;
                folder.expect("QFileDialog", typeFileName(stick));
                formChild<QPushButton>(*dialog, "chooseImport")->click();
                QVERIFY(folder.done());
            }
            QCOMPARE(formChild<QListWidget>(*dialog, "importList")->count(), 1);
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Projekte_Importieren"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentProject()->inspectionNames(), QStringList{QStringLiteral("K1.mpg")});
        QVERIFY(QFileInfo(window->currentProject()->folder() + QStringLiteral("/K1/K1.mpg")).size() > 100000);
        shot(QStringLiteral("3-imported"));
    }

    void startingAnInspectionOnTheVideo()
    {
        auto *list = formChild<QTableWidget>(*window, "investList");
        QCOMPARE(list->rowCount(), 1);
        const QPoint at = list->visualItemRect(list->item(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.mpg"));
        shot(QStringLiteral("4-opened"));

        ModalAnswerer answer;
        answer.expect("InputListDialog", [](QWidget *dialog) {
            auto *choices = dialog->findChild<QListWidget *>();
            QVERIFY(choices);
            const QList<QListWidgetItem *> found = choices->findItems(QStringLiteral("EN-13508-2"), Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            choices->setCurrentItem(found.first());
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        answer.expect("ENMainDataDialog", [](QWidget *dialog) {
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
        QCOMPARE(window->currentProject()->inspectionNames(), QStringList{QStringLiteral("K1.xml")});
        QVERIFY(QFileInfo::exists(window->currentProject()->folder() + QStringLiteral("/K1/K1.xml")));
        shot(QStringLiteral("5-started"));
    }

    void closingAsksNothingOnceSaved()
    {
        click(QStringLiteral("Projekte_Speichern"));
        ModalAnswerer answer;
        window->close();
        QTest::qWait(100);
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(!window->isVisible());
    }

    void cleanupTestCase()
    {
        window->close();
        started = Startup::Started();
        capture.reset();
        env.reset();
    }

private:
    void click(const QString &key)
    {
        QPushButton *button = formChild<ToolBox>(*window, "toolBox")->button(key);
        QVERIFY2(button && button->isEnabled(), qPrintable(key));
        button->click();
    }

    // The window as it shows on the screen, kept in the build folder beside the test.
    void shot(const QString &name)
    {
        QTest::qWait(300);
        const unsigned long id = window->winId();
        const QImage picture = XWindows::grab(id);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.size(), (XWindows::geometry(id) & XWindows::screenGeometry()).size());
        QVERIFY2(!isUniform(picture), qPrintable(name));
        QVERIFY(picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/endtoend-") + name
                             + QStringLiteral(".png")));
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString stick;
    QString logo;
};

ZZ_VIDEO_X11_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
