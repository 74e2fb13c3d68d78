// test-needs: x11
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/toolbox.h"
#include "entry/maindatawidget.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "app/mainwindow.h"
#include "model/en135082.h"
#include "model/investigation.h"
#include "project/project.h"
#include "project/project3d.h"
#include "support/formaccess.h"
#include "support/model/inspections.h"
#include "support/modalanswerer.h"
#include "support/dialoganswers.h"
#include "support/testenv.h"
#include "support/testfiles.h"
#include "support/videotestmain.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QDomDocument>
#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <cmath>

namespace {

using namespace DialogAnswers;

const QString kSaveQuestion = QStringLiteral("Änderungen am Projekt speichern?");
const QString kInspectionQuestion = QStringLiteral("Untersuchung \"K1.xml\" speichern?\nÄnderungen gehen sonst verloren!");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        Global::instance()->config()->setLanguage(0);
        QVERIFY(std::unique_ptr<Project>(Project::create(QStringLiteral("Target"), root)));
        // The window is closed and shown again by the tests; that must not end anything.
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        base = window->windowTitle();
    }

    void init()
    {
        capture->clear();
        window->show();
    }

    void cleanup()
    {
        window->setChanged(MainWindow::InspectionChange, false);
        window->setChanged(MainWindow::ProjectChange, false);
        window->setChanged(MainWindow::Project3DChange, false);
        if (Project *project = window->currentProject()) {
            for (Investigation *inspection : project->inspections())
                inspection->setChanged(false);
            click(QStringLiteral("Projekte_Schließen"));
        }
        QVERIFY(!window->currentProject());
    }

    void stateAfterStartUp()
    {
        auto *tabs = formChild<QTabWidget>(*window, "tabWidget");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Video"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Rohrverlauf"));
        // Back on the first page once the 3D view has its context (and has built its house).
        QTRY_COMPARE(tabs->currentIndex(), 0);
        QVERIFY(window->view3D()->house());
        auto *files = formChild<QTabWidget>(*window, "fileWidget");
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->tabText(0), QStringLiteral("Untersuchungen"));
        QVERIFY(!files->isEnabled());
        QVERIFY(!formChild<MainDataWidget>(*window, "mainDataWidget")->isEnabled());
        QVERIFY(!formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QCOMPARE(window->windowTitle(), QStringLiteral("ZOZOrure 1.0"));

        ToolBox *box = toolBox();
        QCOMPARE(window->focusWidget(), box->button(QStringLiteral("Projekte_Öffnen")));
        QVERIFY(!box->button(QStringLiteral("Untersuchung_Untersuchung starten"))->isVisibleTo(box));
        for (const char *key : {"Untersuchung_Speichern", "Untersuchung_Schließen", "Untersuchung_Drucken",
                                "Projekte_Speichern", "Projekte_Schließen", "Projekte_Importieren"})
            QVERIFY2(!box->button(QString::fromUtf8(key))->isEnabled(), key);
        QVERIFY(box->button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
        QVERIFY(box->button(QStringLiteral("Schließen")));

        ToolBox *box3D = formChild<ToolBox>(*window, "tool3DBox");
        for (const char *key : {"Ansicht_Label", "Ansicht_Referenzpunkte", "Ansicht_Bemaßungen",
                                "Ansicht_2D-Projektion", "Ansicht_Perspektive"})
            QVERIFY2(box3D->isChecked(QString::fromUtf8(key)), key);
        QVERIFY(!box3D->button(QStringLiteral("Ansicht_2D"))->isCheckable());
        // The sections that follow the selection are hidden with their elements.
        for (const char *key : {"Referenz_Schacht", "Schacht/Punkt_Bearbeiten", "Untersuchung_Bearbeiten",
                                "Abzweig_Untersuchung"})
            QVERIFY2(!box3D->button(QString::fromUtf8(key))->isVisibleTo(box3D), key);
        QVERIFY(box3D->button(QStringLiteral("Anlegen_Schacht"))->isVisibleTo(box3D));
        auto *angle = box3D->findChild<QDoubleSpinBox *>();
        QVERIFY(angle);
        QCOMPARE(angle->minimum(), 0.0);
        QCOMPARE(angle->maximum(), 359.99);
    }

    void unknownKeysAndKindsChangeNothing()
    {
        ModalAnswerer answer;
        window->toolBox_clicked(QStringLiteral("Foo_Bar"));
        // A command that needs an open project does nothing without one.
        window->toolBox_clicked(QStringLiteral("Projekte_Importieren"));
        window->setChanged(3, true);
        window->setChanged(-1, true);
        QTest::qWait(100);
        QVERIFY(answer.done());
        for (int kind : {0, 1, 2, 3})
            QVERIFY(!window->isChanged(kind));
        QVERIFY(!window->currentProject());
        QCOMPARE(window->windowTitle(), base);
    }

    void infoOpensTheAboutBox()
    {
        ModalAnswerer answer;
        answer.reject("InfoDialog");
        click(QStringLiteral("Extras_Info"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
    }

    void newSaveCloseAndOpenThroughThePanel()
    {
        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", createProjectNamed(QStringLiteral("P1")));
            click(QStringLiteral("Projekte_Neu"));
            QVERIFY(answer.done());
        }
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), QStringLiteral("P1"));
        QVERIFY(window->currentProject3D());
        QCOMPARE(window->windowTitle(), base + QStringLiteral(" - Projekt: P1"));
        QVERIFY(toolBox()->button(QStringLiteral("Projekte_Speichern"))->isEnabled());
        QVERIFY(toolBox()->button(QStringLiteral("Projekte_Schließen"))->isEnabled());
        QVERIFY(toolBox()->button(QStringLiteral("Projekte_Importieren"))->isEnabled());
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(formChild<QTabWidget>(*window, "fileWidget")->isEnabled());

        window->setChanged(MainWindow::ProjectChange, true);
        window->setChanged(MainWindow::Project3DChange, true);
        click(QStringLiteral("Projekte_Speichern"));
        QVERIFY(!window->isChanged(MainWindow::ProjectChange));
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));
        QDomDocument saved;
        QFile file(root + QStringLiteral("/P1/project3d.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(saved.setContent(&file));
        QCOMPARE(saved.documentElement().tagName(), QStringLiteral("ZOZOrureProject3D"));

        {
            ModalAnswerer answer; // nothing changed: no question
            click(QStringLiteral("Projekte_Schließen"));
            QVERIFY(answer.done());
        }
        QVERIFY(!window->currentProject());
        QVERIFY(!window->currentProject3D());
        QCOMPARE(window->windowTitle(), base);
        QVERIFY(!toolBox()->button(QStringLiteral("Projekte_Speichern"))->isEnabled());
        QVERIFY(!formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(!formChild<QTabWidget>(*window, "fileWidget")->isEnabled());

        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", openProjectNamed(QStringLiteral("P1")));
            click(QStringLiteral("Projekte_Öffnen"));
            QVERIFY(answer.done());
        }
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), QStringLiteral("P1"));
        QVERIFY(window->currentProject3D());
        QCOMPARE(window->currentProject3D()->showFlags(), 63);
    }

    void cancellingTheBrowserKeepsTheProject()
    {
        openFixture(QStringLiteral("Kept"));
        window->setChanged(MainWindow::Project3DChange, true);
        for (const char *key : {"Projekte_Öffnen", "Projekte_Neu"}) {
            ModalAnswerer answer;
            answer.reject("OpenProjectDialog");
            click(QString::fromUtf8(key));
            QVERIFY(answer.done());
            QCOMPARE(window->currentProject()->name(), QStringLiteral("Kept"));
            QVERIFY(window->isChanged(MainWindow::Project3DChange));
        }
    }

    // Every way of leaving a project with unsaved 3D changes asks first; "Abbrechen" keeps it.
    void unsavedChangesAreAskedFor_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("button");
        for (const char *command : {"window", "open", "new", "close"}) {
            const QString c = QString::fromLatin1(command);
            QTest::newRow(qPrintable(c + QStringLiteral(", Abbrechen"))) << c << true << int(MessageDialog::Cancel);
            QTest::newRow(qPrintable(c + QStringLiteral(", Ja"))) << c << true << int(MessageDialog::Yes);
            QTest::newRow(qPrintable(c + QStringLiteral(", Nein"))) << c << true << int(MessageDialog::No);
            QTest::newRow(qPrintable(c + QStringLiteral(", unchanged"))) << c << false << 0;
        }
    }

    void unsavedChangesAreAskedFor()
    {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(int, button);
        const QString name = QStringLiteral("M%1").arg(++round);
        openFixture(name);
        const QString file3D = root + QLatin1Char('/') + name + QStringLiteral("/project3d.xml");
        window->setChanged(MainWindow::Project3DChange, changed);

        ModalAnswerer answer;
        if (command == QLatin1String("open"))
            answer.expect("OpenProjectDialog", openProjectNamed(QStringLiteral("Target")));
        else if (command == QLatin1String("new"))
            answer.expect("OpenProjectDialog", createProjectNamed(QStringLiteral("N%1").arg(round)));
        if (changed)
            answer.message(button);

        if (command == QLatin1String("window"))
            window->close();
        else if (command == QLatin1String("open"))
            click(QStringLiteral("Projekte_Öffnen"));
        else if (command == QLatin1String("new"))
            click(QStringLiteral("Projekte_Neu"));
        else
            click(QStringLiteral("Projekte_Schließen"));

        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), changed ? QStringList{kSaveQuestion} : QStringList());
        const bool kept = button == MessageDialog::Cancel;
        QCOMPARE(window->isVisible(), kept || command != QLatin1String("window"));
        QCOMPARE(window->currentProject() && window->currentProject()->name() == name, kept);
        QCOMPARE(window->isChanged(MainWindow::Project3DChange), kept);
        QCOMPARE(QFileInfo::exists(file3D), button == MessageDialog::Yes);
        if (!kept && command == QLatin1String("open"))
            QCOMPARE(window->currentProject()->name(), QStringLiteral("Target"));
        if (!kept && command == QLatin1String("new"))
            QCOMPARE(window->currentProject()->name(), QStringLiteral("N%1").arg(round));
    }

    // A course renamed in a 3D dialog marks only its inspection; closing must still ask.
    void aMarkedInspectionIsAskedFor()
    {
        TestFiles::writeFile(root + QStringLiteral("/Marked/K1/K1.mpg"), QByteArray(64, 'v'));
        openFixture(QStringLiteral("Marked"));
        QCOMPARE(window->currentProject()->inspectionCount(), 1);
        window->currentProject()->inspections().first()->setChanged(true);

        ModalAnswerer answer;
        answer.message(MessageDialog::Cancel);
        click(QStringLiteral("Projekte_Schließen"));
        QCOMPARE(answer.texts(), QStringList{kSaveQuestion});
        QVERIFY(window->currentProject());

        answer.message(MessageDialog::No);
        click(QStringLiteral("Projekte_Schließen"));
        QVERIFY(answer.done());
        QVERIFY(!window->currentProject());
    }

    // Closing asks about what changed: the project, the open inspection, both or nothing.
    void closingAsksAboutWhatChanged_data()
    {
        QTest::addColumn<bool>("project");
        QTest::addColumn<bool>("inspection");
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("nothing") << false << false << QStringList();
        QTest::newRow("the project") << true << false << QStringList{kSaveQuestion};
        QTest::newRow("the inspection") << false << true << QStringList{kInspectionQuestion};
        QTest::newRow("both") << true << true << QStringList{kSaveQuestion, kInspectionQuestion};
    }

    void closingAsksAboutWhatChanged()
    {
        QFETCH(bool, project);
        QFETCH(bool, inspection);
        QFETCH(QStringList, questions);
        const QString name = QStringLiteral("A%1").arg(++round);
        const QString k1 = writeInspection(name, QStringLiteral("K1"));
        openFixture(name);
        window->openInspectionByName(QStringLiteral("K1.xml"));
        QVERIFY(window->currentInspection());
        if (inspection)
            QTest::keyClicks(formChild<QLineEdit>(*formChild<MainDataWidget>(*window, "mainDataWidget"), "street"), QStringLiteral("Weg"));
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), inspection);
        window->setChanged(MainWindow::Project3DChange, project);
        const QByteArray before = TestFiles::readAll(k1);

        ModalAnswerer answer;
        for (int i = 0; i < questions.size(); ++i)
            answer.message(MessageDialog::No);
        click(QStringLiteral("Projekte_Schließen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), questions);
        QVERIFY(!window->currentProject());
        QVERIFY(!window->currentInspection());
        QCOMPARE(TestFiles::readAll(k1), before);
    }

    // Switching "Haltungsnamen mit Anzeigen" in the settings rebuilds the list, and a double-click
    // opens the row's inspection under either setting.
    void switchingInspectionNamesRebuildsTheList()
    {
        Config *config = Global::instance()->config().data();
        config->setWithInspectionNames(false);
        const QString name = QStringLiteral("L%1").arg(++round);
        QVERIFY(!writeInspection(name, QStringLiteral("K1")).isEmpty());
        QVERIFY(!writeInspection(name, QStringLiteral("K2")).isEmpty());
        openFixture(name);
        auto *list = formChild<QTableWidget>(*window, "investList");
        QCOMPARE(list->columnCount(), 1);
        doubleClick(1);
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K2.xml"));

        for (const bool withNames : {true, false}) {
            ModalAnswerer answer;
            answer.expect("ConfigDialog", [](QWidget *dialog) {
                auto *box = formChild<QCheckBox>(*dialog, "inspectionNames");
                box->setChecked(!box->isChecked());
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            answer.watchMessage();
            click(QStringLiteral("Extras_Einstellungen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
            QCOMPARE(config->withInspectionNames(), withNames);
            QCOMPARE(list->columnCount(), withNames ? 2 : 1);
            QCOMPARE(list->item(0, 0)->text(), withNames ? QStringLiteral("Haltung K1") : QStringLiteral("K1.xml"));
            // Still open, and each row opens its own inspection.
            QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K2.xml"));
            doubleClick(0);
            QVERIFY(window->currentInspection());
            QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
            doubleClick(1);
            QVERIFY(window->currentInspection());
            QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K2.xml"));
        }
    }

    // A wanted inspection save that fails while the project closes keeps the project, the
    // inspection with its edit and the window as they were, on every way of closing.
    void aFailedInspectionSaveKeepsTheProject_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("projectChanged");
        for (const char *command : {"window", "open", "new", "close", "restart"}) {
            const QString c = QString::fromLatin1(command);
            QTest::newRow(qPrintable(c)) << c << false;
            // The restart reads the project again as it was saved; it asks about the inspection only.
            if (c != QLatin1String("restart"))
                QTest::newRow(qPrintable(c + QStringLiteral(", Nein to the project"))) << c << true;
        }
    }

    void aFailedInspectionSaveKeepsTheProject()
    {
        QFETCH(QString, command);
        QFETCH(bool, projectChanged);
        const QString name = QStringLiteral("S%1").arg(++round);
        const QString k1 = writeInspection(name, QStringLiteral("K1"));
        openFixture(name);
        window->openInspectionByName(QStringLiteral("K1.xml"));
        QVERIFY(window->currentInspection());
        QTest::keyClicks(formChild<QLineEdit>(*formChild<MainDataWidget>(*window, "mainDataWidget"), "street"), QStringLiteral("Weg"));
        window->setChanged(MainWindow::Project3DChange, projectChanged);
        // A folder where the inspection's file belongs: it cannot be written.
        QVERIFY(QFile::remove(k1));
        QVERIFY(QDir().mkpath(k1));

        ModalAnswerer answer;
        if (command == QLatin1String("open"))
            answer.expect("OpenProjectDialog", openProjectNamed(QStringLiteral("Target")));
        else if (command == QLatin1String("new"))
            answer.expect("OpenProjectDialog", createProjectNamed(QStringLiteral("N%1").arg(round)));
        if (projectChanged)
            answer.message(MessageDialog::No);
        answer.message(MessageDialog::Yes);

        if (command == QLatin1String("window"))
            window->close();
        else if (command == QLatin1String("open"))
            click(QStringLiteral("Projekte_Öffnen"));
        else if (command == QLatin1String("new"))
            click(QStringLiteral("Projekte_Neu"));
        else if (command == QLatin1String("close"))
            click(QStringLiteral("Projekte_Schließen"));
        else
            emit window->view3D()->needRestartProject();

        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), projectChanged ? (QStringList{kSaveQuestion, kInspectionQuestion})
                                                : QStringList{kInspectionQuestion});
        QVERIFY(!capture->errors().isEmpty());
        QVERIFY(window->isVisible());
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), name);
        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection(), window->currentProject()->inspectionByName(QStringLiteral("K1.xml")));
        QCOMPARE(window->currentInspection()->mainData().street, QStringLiteral("Weg"));
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        QCOMPARE(window->isChanged(MainWindow::Project3DChange), projectChanged);
        QVERIFY(window->windowTitle().endsWith(QStringLiteral("K1.xml")));
        QVERIFY(QDir().rmdir(k1));
        window->currentInspection()->setChanged(false);
    }

    // When the store cannot write, nothing is closed and the changes stay marked.
    void aFailedSaveKeepsEverything_data()
    {
        QTest::addColumn<bool>("throughClosing");
        QTest::newRow("Projekte_Speichern") << false;
        QTest::newRow("Ja on closing the window") << true;
    }

    void aFailedSaveKeepsEverything()
    {
        QFETCH(bool, throughClosing);
        const QString name = QStringLiteral("F%1").arg(++round);
        openFixture(name);
        // A folder where the 3D file belongs: the file cannot be put in place.
        const QString blocker = root + QLatin1Char('/') + name + QStringLiteral("/project3d.xml");
        QVERIFY(QDir().mkpath(blocker));
        window->setChanged(MainWindow::Project3DChange, true);

        ModalAnswerer answer;
        if (throughClosing) {
            answer.message(MessageDialog::Yes);
            window->close();
        } else {
            click(QStringLiteral("Projekte_Speichern"));
        }
        QVERIFY(answer.done());
        QVERIFY(!capture->errors().isEmpty());
        QVERIFY(window->isVisible());
        QVERIFY(window->currentProject());
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
        QVERIFY(QDir().rmdir(blocker));
    }

    void projectUiFollowsThe3DState_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<double>("planAngle"); // radians; NaN: no plan
        QTest::addColumn<double>("shownAngle");
        QTest::newRow("all flags, plan turned a quarter") << 63 << M_PI / 2 << 90.0;
        QTest::newRow("no labels, no plan keeps the field") << 62 << qQNaN() << 12.0;
        QTest::newRow("only reference points and notes") << (16 | 32 | 8) << 0.0 << 0.0;
        QTest::newRow("no bit") << 0 << 3.0 << 3.0 * 57.29577951308232;
    }

    void projectUiFollowsThe3DState()
    {
        QFETCH(int, flags);
        QFETCH(double, planAngle);
        QFETCH(double, shownAngle);
        openFixture(QStringLiteral("View%1").arg(++round));
        Project3D *p3 = window->currentProject3D();
        for (int bit = 1; bit <= 32; bit <<= 1) {
            if (!(flags & bit))
                p3->setShowFlag(bit, false);
        }
        QCOMPARE(p3->showFlags(), flags);
        if (!qIsNaN(planAngle)) {
            QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
            plan->setNorthAngle(planAngle);
            p3->setPlan(plan);
        }
        auto *point = new Point(1.0, 2.0);
        p3->addObject(point);
        auto *inspection = new EN135082;
        inspection->setFolder(window->currentProject()->folder() + QStringLiteral("/K9"));
        inspection->setFileName(QStringLiteral("K9.xml"));
        InspectionHeader header = inspection->mainData();
        header.width = 300;
        header.inspectionLength = 10;
        inspection->setMainData(header);
        window->currentProject()->addInspection(inspection);
        auto *course = new ConnectedInspection(inspection, new ManipulatedSystem3D, point);
        QVERIFY(course->build(0.0).code.isEmpty());
        p3->addInspection(course);
        ToolBox *box3D = formChild<ToolBox>(*window, "tool3DBox");
        {
            // What the field showed before, not a turn of the plan by the user.
            const QSignalBlocker quiet(box3D);
            box3D->setValue(QStringLiteral("Ausrichtung"), 12.0);
        }

        window->adjustProjectUi();
        window->adjustProjectUi(); // as an import does

        const QList<QPair<const char *, int>> toggles = {{"Ansicht_Label", 1},
                                                         {"Ansicht_2D-Projektion", 2},
                                                         {"Ansicht_Perspektive", 4},
                                                         {"Ansicht_Referenzpunkte", 16},
                                                         {"Ansicht_Bemaßungen", 32}};
        for (const auto &toggle : toggles)
            QCOMPARE(box3D->isChecked(QString::fromUtf8(toggle.first)), (flags & toggle.second) != 0);
        QVERIFY(qAbs(box3D->value(QStringLiteral("Ausrichtung")) - std::round(shownAngle * 100) / 100) < 0.006);

        Viewer3D *view = window->view3D();
        QCOMPARE(view->showFlags(), flags);
        QCOMPARE(view->is3DView(), (flags & 8) != 0);
        QCOMPARE(view->objects(), QList<Object3D *>{point});
        QCOMPARE(view->inspections(), QList<ConnectedInspection *>{course});
        QVERIFY(!p3->ownsContents());

        QVERIFY(!window->isChanged(MainWindow::Project3DChange));
        emit point->changed();
        QVERIFY(window->isChanged(MainWindow::Project3DChange));

        // Closing empties the view; the view deleted what it owned, once.
        window->setChanged(MainWindow::Project3DChange, false);
        click(QStringLiteral("Projekte_Schließen"));
        QVERIFY(view->objects().isEmpty());
        QVERIFY(view->inspections().isEmpty());
        QVERIFY(!formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
    }

    void inspectionListInOneOrTwoColumns()
    {
        TestFiles::writeFile(root + QStringLiteral("/Listed/K1/K1.mpg"), QByteArray(64, 'v'));
        TestFiles::writeFile(root + QStringLiteral("/Listed/K2/K2.mpg"), QByteArray(64, 'v'));
        Config *config = Global::instance()->config().data();
        auto *list = formChild<QTableWidget>(*window, "investList");

        config->setWithInspectionNames(false);
        openFixture(QStringLiteral("Listed"));
        QCOMPARE(list->columnCount(), 1);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("K1.mpg"));
        QCOMPARE(list->item(1, 0)->text(), QStringLiteral("K2.mpg"));

        config->setWithInspectionNames(true);
        window->adjustProjectUi();
        config->setWithInspectionNames(false);
        QCOMPARE(list->columnCount(), 2);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("K2.mpg"));

        click(QStringLiteral("Projekte_Schließen"));
        QCOMPARE(list->rowCount(), 0);
    }

    void titleForms_data()
    {
        QTest::addColumn<bool>("projectOpen");
        QTest::addColumn<bool>("inspectionOpen");
        QTest::addColumn<QString>("title");
        QTest::newRow("both") << true << true << QStringLiteral("B - Projekt: P1 -- Untersuchung: H12.xml");
        QTest::newRow("project") << true << false << QStringLiteral("B - Projekt: P1");
        QTest::newRow("inspection") << false << true << QStringLiteral("B - Untersuchung: H12.xml");
        QTest::newRow("neither") << false << false << QStringLiteral("B");
    }

    void titleForms()
    {
        QFETCH(bool, projectOpen);
        QFETCH(bool, inspectionOpen);
        QFETCH(QString, title);
        QCOMPARE(MainWindow::composeTitle(QStringLiteral("B"), {projectOpen, QStringLiteral("P1")},
                                          {inspectionOpen, QStringLiteral("H12.xml")}),
                 title);
    }

    void closeIsIgnoredWhileAHandlerWaits()
    {
        openFixture(QStringLiteral("Busy"));
        window->setChanged(MainWindow::Project3DChange, true);
        {
            MainWindow::BusyScope busy(window);
            ModalAnswerer answer;
            QVERIFY(!window->close());
            QVERIFY(answer.done());
            QVERIFY(answer.texts().isEmpty());
            QVERIFY(window->isVisible());
            QVERIFY(window->currentProject());
        }
        QVERIFY(!window->isBusy());
        ModalAnswerer answer;
        answer.message(MessageDialog::Cancel);
        QVERIFY(!window->close());
        QCOMPARE(answer.texts(), QStringList{kSaveQuestion});
    }

    void windowStateIsSavedAndRestored()
    {
        // Larger than the form's 1142 x 746 and than the window's least size.
        window->resize(1320, 900);
        QCOMPARE(window->size(), QSize(1320, 900));
        formChild<MainDataWidget>(*window, "mainDataWidget")->setDataVisible(false);
        {
            ModalAnswerer answer;
            window->close();
            QVERIFY(answer.done());
        }
        QVERIFY(!window->isVisible());
        QSettings *settings = Global::instance()->settings().data();
        QVERIFY(!settings->value(QStringLiteral("geometry")).toByteArray().isEmpty());
        QVERIFY(!settings->value(QStringLiteral("windowState")).toByteArray().isEmpty());
        QCOMPARE(settings->value(QStringLiteral("mainDataVisible")).toBool(), false);

        MainWindow next;
        next.init();
        QCOMPARE(next.size(), QSize(1320, 900));
        QVERIFY(!formChild<MainDataWidget>(next, "mainDataWidget")->isDataVisible());
        formChild<MainDataWidget>(*window, "mainDataWidget")->setDataVisible(true);
        settings->remove(QStringLiteral("mainDataVisible"));
    }

    void logoPaneShowsTheCompanyLogo_data()
    {
        QTest::addColumn<QString>("firm");
        QTest::addColumn<QColor>("centre");
        // The built-in picture has a bar of its dark blue across its middle.
        QTest::newRow("no logo: the built-in picture") << QString() << QColor(32, 84, 150);
        QTest::newRow("the company's logo") << QStringLiteral("Rot") << QColor(Qt::red);
    }

    void logoPaneShowsTheCompanyLogo()
    {
        QFETCH(QString, firm);
        QFETCH(QColor, centre);
        FirmStore *store = Global::instance()->firmStore().data();
        if (!firm.isEmpty()) {
            Firm red;
            red.setName(firm);
            QImage logo(40, 20, QImage::Format_RGB32);
            logo.fill(Qt::red);
            red.setLogo(logo);
            store->addFirm(red);
        }
        store->setCurrentFirm(firm);

        MainWindow next;
        next.init();
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        auto *view = formChild<QGraphicsView>(next, "graphicsView");
        QVERIFY(view->scene());
        QGraphicsPixmapItem *item = nullptr;
        for (QGraphicsItem *i : view->scene()->items())
            item = item ? item : qgraphicsitem_cast<QGraphicsPixmapItem *>(i);
        QVERIFY(item);
        const QImage shown = item->pixmap().toImage();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() <= view->width() - 10 && shown.height() <= view->height() - 10);
        // Drawn for the size the view has on the screen: as wide or as high as the room.
        QVERIFY2(shown.width() >= view->width() - 11 || shown.height() >= view->height() - 11,
                 qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(shown.width()).arg(shown.height())
                                .arg(view->width()).arg(view->height())));
        const QColor pixel = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        QVERIFY2(qAbs(pixel.red() - centre.red()) < 16 && qAbs(pixel.green() - centre.green()) < 16
                     && qAbs(pixel.blue() - centre.blue()) < 16,
                 qPrintable(pixel.name()));
        if (!firm.isEmpty())
            store->removeFirm(firm);
    }

    void translationsReplaceEachOther()
    {
        Config *config = Global::instance()->config().data();
        auto *tabs = formChild<QTabWidget>(*window, "tabWidget");
        auto *files = formChild<QTabWidget>(*window, "fileWidget");
        const auto titles = [&] {
            return QStringList{tabs->tabText(0), tabs->tabText(1), files->tabText(0)};
        };

        config->setLanguage(2);
        window->loadTranslation();
        QCOMPARE(titles(), (QStringList{QStringLiteral("Video"), QStringLiteral("Pipe run"), QStringLiteral("Inspections")}));
        QCOMPARE(window->windowTitle(), base);

        config->setLanguage(1);
        window->loadTranslation();
        QCOMPARE(titles(), (QStringList{QStringLiteral("Video (da)"), QStringLiteral("Rohrverlauf"),
                                        QStringLiteral("Untersuchungen")}));

        config->setLanguage(0);
        window->loadTranslation();
        QCOMPARE(titles(), (QStringList{QStringLiteral("Video"), QStringLiteral("Rohrverlauf"),
                                        QStringLiteral("Untersuchungen")}));
        // The panels keep their keys, so the commands still work in the new language.
        ModalAnswerer answer;
        answer.reject("InfoDialog");
        click(QStringLiteral("Extras_Info"));
        QVERIFY(answer.done());
    }

    void cleanupTestCase()
    {
        window->close();
        started = Startup::Started();
        capture.reset();
        env.reset();
    }

private:
    ToolBox *toolBox() const { return formChild<ToolBox>(*window, "toolBox"); }

    void click(const QString &key)
    {
        QPushButton *button = toolBox()->button(key);
        QVERIFY2(button, qPrintable(key));
        button->click();
    }

    // Opens a project of that name through the panel. A missing one is made first; a folder
    // without a project file gets one from its sub-folders, as the start-up conversion does.
    void openFixture(const QString &name)
    {
        const QString folder = root + QLatin1Char('/') + name;
        if (QFileInfo::exists(folder) && !QFileInfo::exists(folder + QStringLiteral("/project.xml")))
            Project converted(folder + QStringLiteral("/project.xml"));
        else if (!QFileInfo::exists(folder))
            QVERIFY(std::unique_ptr<Project>(Project::create(name, root)));
        ModalAnswerer answer;
        answer.expect("OpenProjectDialog", openProjectNamed(name));
        click(QStringLiteral("Projekte_Öffnen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), name);
    }

    // An EN 13508-2 inspection in the project folder's sub-folder of its name, written by the
    // model; the path of its file.
    QString writeInspection(const QString &project, const QString &name)
    {
        std::unique_ptr<Investigation> inspection = makeInspection(NormEN135082);
        const QString folder = root + QLatin1Char('/') + project + QLatin1Char('/') + name;
        if (!QDir().mkpath(folder))
            return QString();
        inspection->setFolder(folder);
        inspection->setFileName(name + QStringLiteral(".xml"));
        inspection->mutableMainData().sectionName = QStringLiteral("Haltung ") + name;
        return inspection->save() ? inspection->filePath() : QString();
    }

    void doubleClick(int row)
    {
        auto *list = formChild<QTableWidget>(*window, "investList");
        QTableWidgetItem *item = list->item(row, 0);
        QVERIFY(item);
        QWidget *viewport = list->viewport();
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString root;
    QString base;
    int round = 0;
};

ZZ_VIDEO_X11_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
