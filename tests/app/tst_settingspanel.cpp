// test-needs: x11
// The settings and company-data dialogs reached from the main window's panel.
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/platform/platform.h"
#include "foundation/toolbox.h"
#include "view3d/camera.h"
#include "view3d/label3d.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "app/mainwindow.h"
#include "project/project.h"
#include "project/project3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/videotestmain.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

QImage plain(const QColor &color)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The colour in the middle of the picture the window shows behind its panels.
QColor backgroundColour(MainWindow &window)
{
    QGraphicsScene *scene = formChild<QGraphicsView>(window, "graphicsView")->scene();
    for (QGraphicsItem *item : scene->items()) {
        if (auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item)) {
            const QImage image = pixmap->pixmap().toImage();
            return image.pixelColor(image.width() / 2, image.height() / 2);
        }
    }
    return QColor();
}

} // namespace

class TestSettingsPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        const QString root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        QVERIFY(std::unique_ptr<Project>(Project::create(QStringLiteral("Panel"), root)));
        // Two companies on disk before the program reads them: "Blau" current.
        FirmStore seed(Platform::dataDirectory());
        Firm blue;
        blue.setName(QStringLiteral("Blau"));
        blue.setLogo(plain(Qt::blue));
        Firm red;
        red.setName(QStringLiteral("Rot"));
        red.setLogo(plain(Qt::red));
        QVERIFY(seed.addFirm(blue) && seed.addFirm(red));
        seed.setCurrentFirm(QStringLiteral("Blau"));
        QVERIFY(seed.save());

        Global::instance()->config()->setProjectPath(root);
        Global::instance()->config()->setLanguage(0);
        Global::instance()->config()->setLabelFontSize(7);
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        window->show();
    }

    void settingsReachTheViewerAndSayRestart()
    {
        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", [](QWidget *dialog) {
                auto *list = formChild<QListWidget>(*dialog, "listWidget");
                list->setCurrentItem(list->findItems(QStringLiteral("Panel"), Qt::MatchExactly).value(0));
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            click(QStringLiteral("Projekte_Öffnen"));
            QVERIFY(answer.done());
        }
        QVERIFY(window->currentProject3D());
        auto *point = new Point(1.0, 2.0);
        window->currentProject3D()->addObject(point);
        window->adjustProjectUi();
        QCOMPARE(point->label()->font().pointSize(), 7);

        const QString restart = QStringLiteral("Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!");
        {
            ModalAnswerer answer;
            answer.expect("ConfigDialog", [](QWidget *dialog) {
                formChild<QSpinBox>(*dialog, "labelSize")->setValue(15);
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            answer.watchMessage();
            click(QStringLiteral("Extras_Einstellungen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
            QCOMPARE(answer.texts(), QStringList{restart});
            QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        }
        QCOMPARE(Global::instance()->config()->labelFontSize(), 15);
        QCOMPARE(point->label()->font().pointSize(), 15);

        // A cancelled dialog still ends with the notice; the size stays.
        {
            ModalAnswerer answer;
            answer.expect("ConfigDialog", [](QWidget *dialog) {
                formChild<QSpinBox>(*dialog, "labelSize")->setValue(30);
                formChild<QPushButton>(*dialog, "reject")->click();
            });
            answer.watchMessage();
            click(QStringLiteral("Extras_Einstellungen"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts(), QStringList{restart});
        }
        QCOMPARE(point->label()->font().pointSize(), 15);
    }

    void companyLogoShowsBehindThePanels()
    {
        QCOMPARE(backgroundColour(*window), QColor(Qt::blue));
        ModalAnswerer answer;
        answer.expect("FirmDataDialog", [](QWidget *dialog) {
            QCOMPARE(formChild<QLineEdit>(*dialog, "firm")->text(), QStringLiteral("Blau"));
            auto *list = formChild<QListWidget>(*dialog, "firmList");
            QListWidgetItem *red = list->findItems(QStringLiteral("Rot"), Qt::MatchExactly).value(0);
            QVERIFY(red);
            list->setCurrentItem(red);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(red).center());
            QCOMPARE(formChild<QLineEdit>(*dialog, "firm")->text(), QStringLiteral("Rot"));
            formChild<QPushButton>(*dialog, "save")->click();
        });
        click(QStringLiteral("Extras_Firmendaten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(Global::instance()->firmStore()->currentFirm().name(), QStringLiteral("Rot"));
        QCOMPARE(backgroundColour(*window), QColor(Qt::red));
    }

    void cleanupTestCase()
    {
        window->setChanged(MainWindow::ProjectChange, false);
        window->setChanged(MainWindow::Project3DChange, false);
        window->close();
        started = Startup::Started();
    }

private:
    void click(const QString &key)
    {
        QPushButton *button = formChild<ToolBox>(*window, "toolBox")->button(key);
        QVERIFY2(button, qPrintable(key));
        button->click();
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
};

ZZ_VIDEO_X11_TEST_MAIN(TestSettingsPanel)
#include "tst_settingspanel.moc"
