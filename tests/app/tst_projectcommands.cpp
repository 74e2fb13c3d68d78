// test-needs: x11
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/debuglog.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "foundation/toolbox.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "app/mainwindow.h"
#include "model/en135082.h"
#include "reports/printdialog.h"
#include "project/exportprojectsdialog.h"
#include "project/project.h"
#include "project/project3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/dialoganswers.h"
#include "support/testenv.h"
#include "support/testfiles.h"
#include "support/videotestmain.h"

#include <QDomDocument>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

using namespace DialogAnswers;

// The inspection names of a "project.xml" in the order of their "Position".
QStringList namesByPosition(const QString &projectFile)
{
    QMap<int, QString> byPosition;
    const QDomNodeList entries = TestFiles::xmlRoot(projectFile).elementsByTagName(QStringLiteral("Inspection"));
    for (int i = 0; i < entries.size(); ++i) {
        const QDomElement entry = entries.at(i).toElement();
        byPosition.insert(entry.firstChildElement(QStringLiteral("Position")).text().toInt(),
                          entry.firstChildElement(QStringLiteral("Name")).text());
    }
    return byPosition.values();
}

struct Fixture
{
    const char *name;
    QDate date;
    const char *section;
    const char *video;
};

ModalAnswerer::Action chooseOrder(const QString &text)
{
    return [text](QWidget *dialog) {
        auto *list = formChild<QListWidget>(*dialog, "listWidget");
        QStringList offered;
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        QCOMPARE(offered, (QStringList{QStringLiteral("nach Datum"), QStringLiteral("nach Dateiname"),
                                       QStringLiteral("nach Haltungsname"), QStringLiteral("nach Videonummer")}));
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        list->setCurrentItem(found.first());
        formChild<QPushButton>(*dialog, "accept")->click();
    };
}

} // namespace

class TestProjectCommands : public QObject
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
        qApp->setQuitOnLastWindowClosed(false);

        // Start-up material: a folder of the older layout and a project that has its file.
        TestFiles::writeFile(root + QStringLiteral("/Alt/K1/K1.mpg"), QByteArray(64, 'v'));
        QVERIFY(std::unique_ptr<Project>(Project::create(QStringLiteral("Kept"), root)));
        TestFiles::writeFile(root + QStringLiteral("/Kept/K2/K2.mpg"), QByteArray(64, 'v'));
        keptBytes = TestFiles::readAll(root + QStringLiteral("/Kept/project.xml"));
        QVERIFY(!keptBytes.isEmpty());

        started = Startup::start([this](MainWindow *w) { messages.reset(new QSignalSpy(w, &MainWindow::message)); });
        window = started.window.get();
    }

    void init()
    {
        capture->clear();
        window->show();
    }

    void cleanup()
    {
        if (window->currentProject()) {
            ModalAnswerer answer; // nothing is left changed by a test, so no question
            click(QStringLiteral("Projekte_Schließen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
        QVERIFY(!window->currentProject());
    }

    void startUpConvertsOlderFolders()
    {
        QVERIFY(!messages->isEmpty());
        QCOMPARE(messages->last().at(0).toString(), QStringLiteral("convert projects..."));

        const QString converted = root + QStringLiteral("/Alt/project.xml");
        const QDomElement top = TestFiles::xmlRoot(converted);
        QCOMPARE(top.tagName(), QStringLiteral("ZOZOrureProject"));
        QCOMPARE(namesByPosition(converted), QStringList{QStringLiteral("K1.mpg")});
        const QDomElement entry = top.elementsByTagName(QStringLiteral("Inspection")).at(0).toElement();
        QCOMPARE(entry.firstChildElement(QStringLiteral("Position")).text(), QStringLiteral("0"));

        // A project that has its file is left alone, even with a sub-folder it does not list.
        QCOMPARE(TestFiles::readAll(root + QStringLiteral("/Kept/project.xml")), keptBytes);
    }

    void olderProjectFolders_data()
    {
        QTest::addColumn<QStringList>("files"); // relative paths; a trailing "/" makes a folder
        QTest::addColumn<bool>("old");
        QTest::newRow("order file") << QStringList{QStringLiteral(".project")} << true;
        QTest::newRow("XML named after the folder") << QStringList{QStringLiteral("X.xml")} << true;
        QTest::newRow("inspection folder with a video") << QStringList{QStringLiteral("K1/K1.mpg")} << true;
        QTest::newRow("video suffix in capitals") << QStringList{QStringLiteral("K1/K1.AVI")} << true;
        QTest::newRow("fixed-column file") << QStringList{QStringLiteral("K1/K1.h"), QStringLiteral("K2/notes.txt")}
                                           << true;
        QTest::newRow("nested folder, whatever else")
            << QStringList{QStringLiteral("K1/K1.mpg"), QStringLiteral("K2/K2.xml"), QStringLiteral("K2/deeper/")}
            << false;
        QTest::newRow("nested folder listed first")
            << QStringList{QStringLiteral("A/deeper/"), QStringLiteral("B/B.mpg")} << false;
        QTest::newRow("sub-folder with a project file")
            << QStringList{QStringLiteral("K1/K1.mpg"), QStringLiteral("P/project.xml")} << false;
        QTest::newRow("only text files") << QStringList{QStringLiteral("K1/a.txt"), QStringLiteral("b.txt")} << false;
        QTest::newRow("files but no sub-folders")
            << QStringList{QStringLiteral("K1.mpg"), QStringLiteral("other.xml")} << false;
        QTest::newRow("empty") << QStringList() << false;
    }

    void olderProjectFolders()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, old);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/X");
        QVERIFY(QDir().mkpath(folder));
        for (const QString &file : files) {
            if (file.endsWith(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + file));
            else
                TestFiles::writeFile(folder + QLatin1Char('/') + file, "x");
        }
        QCOMPARE(MainWindow::isOldProjectFolder(folder), old);
    }

    // Up and down exchange the selected inspection with its neighbour in the project file and
    // keep it selected; at the ends and without a selection nothing changes.
    void upAndDownMoveTheSelectedInspection_data()
    {
        QTest::addColumn<int>("row"); // -1: no current row
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selected");
        const QStringList start{QStringLiteral("A.xml"), QStringLiteral("B.xml"), QStringLiteral("C.xml")};
        QTest::newRow("down from the first")
            << 0 << "down" << QStringList{QStringLiteral("B.xml"), QStringLiteral("A.xml"), QStringLiteral("C.xml")} << 1;
        QTest::newRow("up from the last")
            << 2 << "up" << QStringList{QStringLiteral("A.xml"), QStringLiteral("C.xml"), QStringLiteral("B.xml")} << 1;
        QTest::newRow("up at the first") << 0 << "up" << start << 0;
        QTest::newRow("down at the last") << 2 << "down" << start << 2;
        QTest::newRow("down with no current row") << -1 << "down" << start << -1;
        QTest::newRow("up with no current row") << -1 << "up" << start << -1;
    }

    void upAndDownMoveTheSelectedInspection()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(QStringList, order);
        QFETCH(int, selected);
        const QString file = makeProject(QStringLiteral("Move%1").arg(++round),
                                         {{"A", {}, "", ""}, {"B", {}, "", ""}, {"C", {}, "", ""}});
        openProject(QStringLiteral("Move%1").arg(round));
        const QByteArray before = TestFiles::readAll(file);
        auto *list = formChild<QTableWidget>(*window, "investList");
        QCOMPARE(listed(), (QStringList{QStringLiteral("A.xml"), QStringLiteral("B.xml"), QStringLiteral("C.xml")}));
        if (row >= 0)
            clickCell(row, 0);
        else
            list->setCurrentIndex(QModelIndex());
        QCOMPARE(list->currentRow(), row);

        formChild<QPushButton>(*window, qPrintable(button))->click();

        QCOMPARE(namesByPosition(file), order);
        QCOMPARE(window->currentProject()->inspectionNames(), order);
        QCOMPARE(listed(), order);
        QCOMPARE(list->currentRow(), selected);
        if (selected >= 0)
            QVERIFY(list->item(selected, 0)->isSelected());
        if (row == selected)
            QCOMPARE(TestFiles::readAll(file), before);
    }

    void sortByEachOrder_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("names");
        // The project lists them C, B, A; each order gives another sequence.
        QTest::newRow("dates") << "nach Datum" << QStringList{"B.xml", "A.xml", "C.xml"};
        QTest::newRow("file names") << "nach Dateiname" << QStringList{"A.xml", "B.xml", "C.xml"};
        QTest::newRow("section names") << "nach Haltungsname" << QStringList{"B.xml", "C.xml", "A.xml"};
        // Video numbers "2", "10" and "A1": numbers by value, then the rest.
        QTest::newRow("video numbers") << "nach Videonummer" << QStringList{"C.xml", "A.xml", "B.xml"};
    }

    void sortByEachOrder()
    {
        QFETCH(QString, order);
        QFETCH(QStringList, names);
        const QString name = QStringLiteral("Sort%1").arg(++round);
        const QString file = makeProject(name, {{"A", QDate(2020, 3, 1), "Z", "10"},
                                                {"B", QDate(2019, 1, 1), "X", "A1"},
                                                {"C", QDate(2021, 5, 5), "Y", "2"}},
                                         {QStringLiteral("C.xml"), QStringLiteral("B.xml"), QStringLiteral("A.xml")});
        openProject(name);
        clickCell(2, 0);

        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseOrder(order));
        formChild<QPushButton>(*window, "sort")->click();
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        QCOMPARE(namesByPosition(file), names);
        QCOMPARE(listed(), names);
        QCOMPARE(formChild<QTableWidget>(*window, "investList")->currentRow(), 0);
        // What was saved is what a later reading finds.
        QCOMPARE(Project(file).inspectionNames(), names);
    }

    void sortRejectedOrEmptyChangesNothing()
    {
        const QString file = makeProject(QStringLiteral("SortKept"), {{"A", QDate(2020, 1, 1), "", ""},
                                                                       {"B", QDate(2019, 1, 1), "", ""}});
        openProject(QStringLiteral("SortKept"));
        const QByteArray before = TestFiles::readAll(file);
        {
            ModalAnswerer answer;
            answer.reject("InputListDialog");
            formChild<QPushButton>(*window, "sort")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(TestFiles::readAll(file), before);
        QCOMPARE(listed(), (QStringList{QStringLiteral("A.xml"), QStringLiteral("B.xml")}));
        click(QStringLiteral("Projekte_Schließen"));

        const QString empty = makeProject(QStringLiteral("SortEmpty"), {});
        openProject(QStringLiteral("SortEmpty"));
        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseOrder(QStringLiteral("nach Datum")));
        formChild<QPushButton>(*window, "sort")->click();
        QVERIFY(answer.done());
        QCOMPARE(TestFiles::xmlRoot(empty).tagName(), QStringLiteral("ZOZOrureProject"));
        QVERIFY(namesByPosition(empty).isEmpty());
        QCOMPARE(formChild<QTableWidget>(*window, "investList")->rowCount(), 0);
        QVERIFY(capture->errors().isEmpty());
    }

    void listButtonsWithoutAProjectDoNothing()
    {
        ModalAnswerer answer; // no sort dialog either
        for (const char *button : {"up", "down", "sort"})
            formChild<QPushButton>(*window, button)->click();
        QTest::qWait(50);
        QVERIFY(answer.done());
        QVERIFY(!window->currentProject());
    }

    // The import adds what it copied to the project file whichever way its dialog ends, and
    // the 3D view, brought in line again, holds every object and course once.
    void importAddsTheChosenFolders()
    {
        const QString stick = env->root() + QStringLiteral("/stick");
        {
            EN135082 inspection;
            inspection.setFolder(stick + QStringLiteral("/H1"));
            QVERIFY(QDir().mkpath(inspection.folder()));
            inspection.setFileName(QStringLiteral("H1.xml"));
            QVERIFY(inspection.save());
        }
        TestFiles::writeFile(stick + QStringLiteral("/V1/clip.mpg"), QByteArray(64, 'v'));
        const QString file = makeProject(QStringLiteral("Imp"), {{"A", {}, "", ""}});
        openProject(QStringLiteral("Imp"));

        Investigation *held = window->currentProject()->inspections().first();
        InspectionHeader &header = held->mutableMainData();
        header.width = 300;
        header.inspectionLength = 10;
        auto *point = new Point(1.0, 2.0);
        window->currentProject3D()->addObject(point);
        auto *course = new ConnectedInspection(held, new ManipulatedSystem3D, point);
        QVERIFY(course->build(0.0).code.isEmpty());
        window->currentProject3D()->addInspection(course);
        window->adjustProjectUi();

        ModalAnswerer answer;
        int listedEntries = -1;
        answer.expect("ImportDialog", [&listedEntries, stick](QWidget *dialog) {
            {
                // A second answerer: the first one does not run again while this step runs.
                ModalAnswerer folder;
                folder.expect("QFileDialog", [stick](QWidget *w) {
                    auto *name = w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                    QVERIFY(name);
                    name->setText(stick);
                    static_cast<QDialog *>(w)->accept();
                });
                formChild<QPushButton>(*dialog, "chooseImport")->click();
                QVERIFY(folder.done());
            }
            listedEntries = formChild<QListWidget>(*dialog, "importList")->count();
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Projekte_Importieren"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(!window->isBusy());
        QCOMPARE(listedEntries, 2);

        const QStringList names{QStringLiteral("A.xml"), QStringLiteral("H1.xml"), QStringLiteral("V1.mpg")};
        QCOMPARE(namesByPosition(file), names);
        QCOMPARE(listed(), names);
        Viewer3D *view = window->view3D();
        QCOMPARE(view->objects(), QList<Object3D *>{point});
        QCOMPARE(view->inspections(), QList<ConnectedInspection *>{course});
    }

    void importWithoutAProjectDoesNothing()
    {
        ModalAnswerer answer;
        // The panel disables the element; the command itself must hold too.
        window->toolBox_clicked(QStringLiteral("Projekte_Importieren"));
        QTest::qWait(50);
        QVERIFY(answer.done());
        QVERIFY(!window->currentProject());
    }

    void printHandsOverTheOpenProject()
    {
        const QString file = makeProject(QStringLiteral("Druck"), {{"A", {}, "", ""}});
        openProject(QStringLiteral("Druck"));
        bool projectBoxHidden = false, planBoxShown = false;
        Project *printed = nullptr;
        ModalAnswerer answer;
        answer.expect("PrintDialog", [&](QWidget *dialog) {
            projectBoxHidden = !formChild<QGroupBox>(*dialog, "projectBox")->isVisible();
            planBoxShown = formChild<QGroupBox>(*dialog, "planBox")->isVisible();
            printed = static_cast<PrintDialog *>(dialog)->project();
            formChild<QLineEdit>(*dialog, "title_bd")->setText(QStringLiteral("Netzplan Süd"));
            formChild<QPushButton>(*dialog, "close")->click();
        });
        click(QStringLiteral("Projekte_Drucken"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(projectBoxHidden);
        QVERIFY(planBoxShown);
        QCOMPARE(printed, window->currentProject());
        QCOMPARE(TestFiles::xmlRoot(file).firstChildElement(QStringLiteral("Properties")).attribute(QStringLiteral("PrintTitle")),
                 QStringLiteral("Netzplan Süd"));
    }

    void printWithoutAProjectShowsTheBrowser()
    {
        bool projectBoxShown = false, planBoxHidden = false;
        ModalAnswerer answer;
        answer.expect("PrintDialog", [&](QWidget *dialog) {
            projectBoxShown = formChild<QGroupBox>(*dialog, "projectBox")->isVisible();
            planBoxHidden = !formChild<QGroupBox>(*dialog, "planBox")->isVisible();
            QVERIFY(!static_cast<PrintDialog *>(dialog)->project());
            formChild<QPushButton>(*dialog, "close")->click();
        });
        click(QStringLiteral("Projekte_Drucken"));
        QVERIFY(answer.done());
        QVERIFY(projectBoxShown);
        QVERIFY(planBoxHidden);
    }

    void managementIsRefusedWhileAProjectIsOpen()
    {
        makeProject(QStringLiteral("Offen"), {});
        openProject(QStringLiteral("Offen"));
        ModalAnswerer answer; // the browser must not come
        answer.message(MessageDialog::Ok);
        click(QStringLiteral("Projekte_Verwaltung"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Bitte schließen Sie vorher das aktuelle Projekt!")});
        QCOMPARE(window->currentProject()->name(), QStringLiteral("Offen"));
    }

    // The management browser prints the project it edits through the real print dialog.
    void managementPrintsTheEditedProject()
    {
        makeProject(QStringLiteral("Verwaltet"), {{"A", {}, "", ""}});
        bool printShown = false;
        QString printedName;
        ModalAnswerer answer;
        answer.expect("OpenProjectDialog", [&printShown, &printedName](QWidget *dialog) {
            auto *list = formChild<QListWidget>(*dialog, "listWidget");
            const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("Verwaltet"), Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            list->setCurrentItem(found.first());
            formChild<QPushButton>(*dialog, "edit")->click();
            QPushButton *print = formChild<ToolBox>(*dialog, "toolBox")->button(QStringLiteral("Projekt_Drucken"));
            QVERIFY(print);
            printShown = print->isVisible();
            {
                // A second answerer: the first one does not run again while this step runs.
                ModalAnswerer printing;
                printing.expect("PrintDialog", [&printedName](QWidget *w) {
                    if (Project *p = static_cast<PrintDialog *>(w)->project())
                        printedName = p->name();
                    formChild<QPushButton>(*w, "close")->click();
                });
                print->click();
                QVERIFY(printing.done());
            }
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Projekte_Verwaltung"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(printShown);
        QCOMPARE(printedName, QStringLiteral("Verwaltet"));
        QVERIFY(!window->currentProject());
    }

    // The viewer package is assembled while a busy window shows and the main window is
    // disabled; a close request then is ignored, and the window is enabled again afterwards.
    void exportWaitsForItsData()
    {
        makeProject(QStringLiteral("Aus"), {});
        openProject(QStringLiteral("Aus"));
        struct Seen
        {
            bool busyShown = false, windowDisabled = false, closeIgnored = false;
            bool busyAtLoaded = false, busyHiddenAtDialog = false, windowDisabledAtDialog = false;
        } seen;
        QPointer<ProgressDialog> busy;
        // Fires inside the handler's wait, before the dialog has loaded.
        QTimer::singleShot(0, window, [&] {
            for (ProgressDialog *p : window->findChildren<ProgressDialog *>()) {
                if (p->isVisible() && formChild<QLabel>(*p, "label")->text() == QStringLiteral("Lade Export-Daten..."))
                    busy = p;
            }
            seen.busyShown = busy;
            seen.windowDisabled = !window->isEnabled();
            seen.closeIgnored = !window->close() && window->isVisible();
            auto *dialog = window->findChild<ExportProjectsDialog *>();
            QVERIFY(dialog);
            connect(dialog, &ExportProjectsDialog::finishedLoading, this,
                    [&] { seen.busyAtLoaded = busy && busy->isVisible(); });
        });
        ModalAnswerer answer;
        answer.expect("ExportProjectsDialog", [&](QWidget *dialog) {
            seen.busyHiddenAtDialog = busy && !busy->isVisible();
            seen.windowDisabledAtDialog = !window->isEnabled();
            QVERIFY(dialog->isEnabled());
            formChild<QPushButton>(*dialog, "reject")->click();
        });
        click(QStringLiteral("Projekte_Exportieren"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(seen.busyShown);
        QVERIFY(seen.windowDisabled);
        QVERIFY(seen.closeIgnored);
        QVERIFY(seen.busyAtLoaded);
        QVERIFY(seen.busyHiddenAtDialog);
        QVERIFY(seen.windowDisabledAtDialog);
        QVERIFY(window->isEnabled());
        QVERIFY(window->isVisible());
        QVERIFY(!window->isBusy());
        QCOMPARE(window->currentProject()->name(), QStringLiteral("Aus"));
    }

    void debugLogOnTheDesktop()
    {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QVERIFY(desktop.startsWith(env->root()));
        QVERIFY(!QFileInfo::exists(desktop)); // made by the command
        const QString log = desktop + QStringLiteral("/zozorurelog.txt");
        {
            ModalAnswerer answer;
            answer.message(1);
            answer.message(1);
            click(QStringLiteral("Extras_Debugausgabe"));
            QVERIFY(DebugLog::isOpen());
            click(QStringLiteral("Extras_Debugausgabe"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts(), (QStringList{QStringLiteral("Debugausgabe\ngestartet!"),
                                                  QStringLiteral("Debugausgabe\ngestoppt!")}));
            QCOMPARE(answer.buttonsShown(), (QList<bool>{false, false}));
        }
        QVERIFY(!DebugLog::isOpen());
        const QByteArray written = TestFiles::readAll(log);
        QVERIFY2(written.contains("starting zozorure debug system"), written.constData());
        QVERIFY2(written.contains("closing zozorure debug system"), written.constData());

        // A plain file where the desktop belongs: the log cannot start, and says so.
        QVERIFY(QDir(desktop).removeRecursively());
        TestFiles::writeFile(desktop, "x");
        ModalAnswerer answer;
        answer.message(1);
        click(QStringLiteral("Extras_Debugausgabe"));
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Debugausgabe\nkonnte nicht gestartet werden!")});
        QVERIFY(!DebugLog::isOpen());
        QVERIFY(QFileInfo(desktop).isFile());
        QVERIFY(QFile::remove(desktop));
    }

    void cleanupTestCase()
    {
        window->close();
        started = Startup::Started();
        messages.reset();
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

    // Clicks a cell of the inspection list as the user does.
    void clickCell(int row, int column)
    {
        auto *list = formChild<QTableWidget>(*window, "investList");
        const QRect cell = list->visualRect(list->model()->index(row, column));
        QVERIFY(cell.isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    QStringList listed() const
    {
        auto *list = formChild<QTableWidget>(*window, "investList");
        QStringList names;
        for (int i = 0; i < list->rowCount(); ++i)
            names << list->item(i, list->columnCount() - 1)->text();
        return names;
    }

    // A project of EN 13508-2 inspections written by the store, listed in the given order
    // (by folder name when none is given); returns its "project.xml".
    QString makeProject(const QString &name, const QList<Fixture> &inspections, const QStringList &order = {})
    {
        const QString folder = root + QLatin1Char('/') + name;
        [&] { QVERIFY(QDir().mkpath(folder)); }();
        for (const Fixture &f : inspections) {
            const QString base = QString::fromLatin1(f.name);
            EN135082 inspection;
            inspection.setFolder(folder + QLatin1Char('/') + base);
            [&] { QVERIFY(QDir().mkpath(inspection.folder())); }();
            inspection.setFileName(base + QStringLiteral(".xml"));
            InspectionHeader &header = inspection.mutableMainData();
            header.date = f.date;
            header.sectionName = QString::fromLatin1(f.section);
            header.videoReference = QString::fromLatin1(f.video);
            [&] { QVERIFY(inspection.save()); }();
        }
        const QString file = folder + QStringLiteral("/project.xml");
        Project project(file); // converts the folder and writes its file
        for (int i = 0; i < order.size(); ++i)
            project.moveInspection(order.at(i), i);
        [&] { QVERIFY(project.save()); }();
        return file;
    }

    void openProject(const QString &name)
    {
        ModalAnswerer answer;
        answer.expect("OpenProjectDialog", openProjectNamed(name));
        click(QStringLiteral("Projekte_Öffnen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), name);
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<QSignalSpy> messages;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString root;
    QByteArray keptBytes;
    int round = 0;
};

ZZ_VIDEO_X11_TEST_MAIN(TestProjectCommands)
#include "tst_projectcommands.moc"
