#include "project/openprojectdialog.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/toolbox.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QDomDocument>
#include <QtTest>

#include <algorithm>

using namespace TestFiles;

namespace {

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList column(const QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, col)->text();
    return texts;
}

void selectEntry(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

void invoke(QObject *object, const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(object, slot));
}

} // namespace

class TestOpenProjectDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/Projekte");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void listOrderAndHeadings()
    {
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Sub/Inner")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/A")));
        delete Project::create(QStringLiteral("P"), root);
        delete Project::create(QStringLiteral("B"), root);
        delete Project::create(QStringLiteral("Q"), root + QStringLiteral("/Sub"));

        OpenProjectDialog dialog(0);
        auto *list = formChild<QListWidget>(dialog, "listWidget");
        auto *label = formChild<QLabel>(dialog, "label");
        QCOMPARE(label->text(), QStringLiteral("Projekte: "));
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral("neuer Ordner"), QStringLiteral("neues Projekt"),
                                               QStringLiteral("A"), QStringLiteral("Sub"), QStringLiteral("B"),
                                               QStringLiteral("P")}));
        invokeDoubleClick(dialog, list, QStringLiteral("Sub"));
        QCOMPARE(label->text(), QStringLiteral("Projekte: Sub"));
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral(".."), QStringLiteral("neuer Ordner"),
                                               QStringLiteral("neues Projekt"), QStringLiteral("Inner"),
                                               QStringLiteral("Q")}));
        invokeDoubleClick(dialog, list, QStringLiteral(".."));
        QCOMPARE(label->text(), QStringLiteral("Projekte: "));
        QCOMPARE(list->item(0)->text(), QStringLiteral("neuer Ordner"));
    }

    void modesSetTitleAndButtons_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("acceptText");
        QTest::addColumn<bool>("editShown");
        QTest::addColumn<bool>("rejectShown");
        QTest::addColumn<bool>("newProjectShown");
        QTest::newRow("open") << 0 << "Projekt öffnen" << "Öffnen" << false << true << false;
        QTest::newRow("create") << 1 << "Projekt anlegen" << "Anlegen" << false << true << true;
        QTest::newRow("manage") << 2 << "Projekte verwalten" << "Schließen" << true << false << false;
    }
    void modesSetTitleAndButtons()
    {
        QFETCH(int, mode);
        OpenProjectDialog dialog(mode);
        QTEST(dialog.windowTitle(), "title");
        QTEST(formChild<QPushButton>(dialog, "accept")->text(), "acceptText");
        QTEST(!formChild<QPushButton>(dialog, "edit")->isHidden(), "editShown");
        QTEST(!formChild<QPushButton>(dialog, "reject")->isHidden(), "rejectShown");
        QTEST(!formChild<QGroupBox>(dialog, "newProjectBox")->isHidden(), "newProjectShown");
    }

    void typedNameLosesForbiddenCharacters()
    {
        OpenProjectDialog dialog(1);
        auto *edit = formChild<QLineEdit>(dialog, "lineEdit");
        QTest::keyClicks(edit, QStringLiteral("a:b*c"));
        QCOMPARE(edit->text(), QStringLiteral("abc"));
        QCOMPARE(edit->cursorPosition(), 3);
        // Pasted in the middle: every forbidden character goes, the cursor stays after the paste.
        edit->setCursorPosition(1);
        edit->insert(QStringLiteral("<>\"/\\?|[]=x"));
        QMetaObject::invokeMethod(&dialog, "on_lineEdit_textEdited", Q_ARG(QString, edit->text()));
        QCOMPARE(edit->text(), QStringLiteral("axbc"));
        QCOMPARE(edit->cursorPosition(), 2);
    }

    void createRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "" << "Bitte geben Sie einen Projektnamen an!";
        QTest::newRow("folder") << "A" << "Ein Ordner mit diesem Namen existiert bereits!";
        QTest::newRow("project") << "P" << "Dieses Project existiert bereits!";
        QTest::newRow("dot dot") << ".." << "Bitte geben Sie einen Projektnamen an!";
        QTest::newRow("dot") << "." << "Bitte geben Sie einen Projektnamen an!";
    }
    void createRefusals()
    {
        QFETCH(QString, name);
        QVERIFY(QDir().mkpath(root + QStringLiteral("/A")));
        delete Project::create(QStringLiteral("P"), root);
        OpenProjectDialog dialog(1);
        formChild<QLineEdit>(dialog, "lineEdit")->setText(name);
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        invoke(&dialog, "on_accept_clicked");
        QTEST(answer.texts().value(0), "text");
        QVERIFY(answer.done());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!QFileInfo::exists(env->root() + QStringLiteral("/project.xml")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/project.xml")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/A/project.xml")));
    }

    void createMakesTheProject()
    {
        OpenProjectDialog dialog(1);
        formChild<QLineEdit>(dialog, "lineEdit")->setText(QStringLiteral("Neu"));
        invoke(&dialog, "on_accept_clicked");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.projectFile(), root + QStringLiteral("/Neu/project.xml"));
        QVERIFY(QFileInfo::exists(dialog.projectFile()));
    }

    void specialEntriesAreNoProject_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("up") << "..";
        QTest::newRow("new folder") << "neuer Ordner";
        QTest::newRow("new project") << "neues Projekt";
    }
    void specialEntriesAreNoProject()
    {
        QFETCH(QString, entry);
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Sub")));
        Global::instance()->config()->setProjectPath(root);
        OpenProjectDialog dialog(2);
        auto *list = formChild<QListWidget>(dialog, "listWidget");
        invokeDoubleClick(dialog, list, QStringLiteral("Sub"));
        selectEntry(list, entry);
        QVERIFY(dialog.projectFile().isEmpty());
        {
            ModalAnswerer answer;
            answer.message(MessageDialog::Ok);
            invoke(&dialog, "on_edit_clicked");
            QCOMPARE(answer.texts(), QStringList{QStringLiteral("Bitte wählen Sie ein Projekt zum Bearbeiten aus!")});
        }
        QVERIFY(!dialog.project());
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/project.xml")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/Sub/project.xml")));

        OpenProjectDialog opening(0);
        auto *openList = formChild<QListWidget>(opening, "listWidget");
        invokeDoubleClick(opening, openList, QStringLiteral("Sub"));
        selectEntry(openList, entry);
        ModalAnswerer openAnswer;
        openAnswer.message(MessageDialog::Ok);
        invoke(&opening, "on_accept_clicked");
        QCOMPARE(openAnswer.texts(), QStringList{QStringLiteral("Bitte wählen Sie ein Projekt aus!")});
        QCOMPARE(opening.result(), int(QDialog::Rejected));
    }

    void upDownMoveAndSave()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3")});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K1.xml"), QStringLiteral("K2.xml"), QStringLiteral("K3.xml")}));
        QCOMPARE(column(table, 1).value(0), QStringLiteral("DWA M-149-2"));
        const QByteArray before = readAll(projectXml());

        table->setCurrentCell(0, 0);
        invoke(&dialog, "on_up_clicked");
        table->setCurrentCell(2, 0);
        invoke(&dialog, "on_down_clicked");
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K1.xml"), QStringLiteral("K2.xml"), QStringLiteral("K3.xml")}));
        QCOMPARE(readAll(projectXml()), before);

        table->setCurrentCell(2, 0);
        invoke(&dialog, "on_up_clicked");
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K1.xml"), QStringLiteral("K3.xml"), QStringLiteral("K2.xml")}));
        QCOMPARE(table->currentRow(), 1);
        Project reread(projectXml());
        QCOMPARE(reread.inspectionNames(), (QStringList{QStringLiteral("K1.xml"), QStringLiteral("K3.xml"), QStringLiteral("K2.xml")}));
    }

    void normColumnNamesEveryStandard()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2")}, {}, {NormDWAM1492, NormDanDas});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        QCOMPARE(column(table, 1), (QStringList{QStringLiteral("DWA M-149-2"), QStringLiteral("DanDas")}));
        QCOMPARE(column(table, 0), (QStringList{QStringLiteral("K1"), QStringLiteral("K2")}));
    }

    void sortByVideoNumber()
    {
        QStringList values{QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("abc"), QStringLiteral("2")};
        std::stable_sort(values.begin(), values.end(), OpenProjectDialog::lessByVideoNumber);
        QCOMPARE(values, (QStringList{QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("abc")}));

        makeProject({QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3"), QStringLiteral("K4")},
                    {QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("abc"), QStringLiteral("2")});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        ModalAnswerer answer;
        answer.expect("InputListDialog", [](QWidget *widget) {
            auto *list = widget->findChild<QListWidget *>();
            QVERIFY(list);
            list->setCurrentItem(list->findItems(QStringLiteral("nach Videonummer"), Qt::MatchExactly).value(0));
            static_cast<QDialog *>(widget)->accept();
        });
        invoke(&dialog, "on_sort_clicked");
        QVERIFY(answer.done());
        const QStringList order{QStringLiteral("K4.xml"), QStringLiteral("K2.xml"), QStringLiteral("K1.xml"), QStringLiteral("K3.xml")};
        QCOMPARE(column(table, 2), order);
        QCOMPARE(Project(projectXml()).inspectionNames(), order);
    }

    void bulkChangeWritesEveryInspection()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2")});
        OpenProjectDialog dialog(2);
        edit(dialog, QStringLiteral("P"));
        formChild<QComboBox>(dialog, "changeSelection")->setCurrentIndex(1);
        formChild<QLineEdit>(dialog, "changeText")->setText(QStringLiteral("Neustadt"));
        ModalAnswerer answer;
        answer.watchMessage();
        invoke(&dialog, "on_change_clicked");
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Daten wurden erfolgreich geändert!")});
        QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        Project reread(projectXml());
        for (Investigation *inspection : reread.inspections())
            QCOMPARE(inspection->mainData().town, QStringLiteral("Neustadt"));
        QCOMPARE(reread.inspectionCount(), 2);
    }

    void deleteInspection()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2")});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        bool removalWorks = false;
        dialog.setFolderRemover([&](const QString &folder, const QString &) {
            return removalWorks && QDir(folder).removeRecursively();
        });
        table->setCurrentCell(1, 0);
        {
            ModalAnswerer answer;
            answer.message(MessageDialog::Yes);
            answer.message(MessageDialog::Ok);
            dialog.toolBox_clicked(QStringLiteral("Untersuchung_Löschen"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts().value(0), QStringLiteral("Die Untersuchung \"K2.xml\" löschen?"));
            QVERIFY(answer.texts().value(1).contains(QStringLiteral("konnte nicht gelöscht werden")));
        }
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K1.xml"), QStringLiteral("K2.xml")}));
        removalWorks = true;
        {
            ModalAnswerer answer;
            answer.message(MessageDialog::Yes);
            dialog.toolBox_clicked(QStringLiteral("Untersuchung_Löschen"));
            QVERIFY(answer.done());
        }
        QCOMPARE(column(table, 2), QStringList{QStringLiteral("K1.xml")});
        QCOMPARE(table->currentRow(), 0);
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P/K2")));
        QCOMPARE(Project(projectXml()).inspectionNames(), QStringList{QStringLiteral("K1.xml")});
    }

    // A "project.xml" entry whose folder would be the project folder or lie above it ("...mpg"
    // names "<root>/P/..") is refused when read and kept in the file as it was; deleting in the
    // browser never reaches past the project's own folders, and later saves keep the entry.
    void entriesOutsideTheirFolderAreNeverActedOn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // the file the entry finds, written beside the project
        QTest::newRow("video") << "...mpg" << 0;
        QTest::newRow("fixed columns") << "...h" << int(NormATV);
        QTest::newRow("XML") << "...xml" << int(NormDWAM1492);
        QTest::newRow("the project folder itself") << "..mpg" << 0;
    }
    void entriesOutsideTheirFolderAreNeverActedOn()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        makeProject({QStringLiteral("K1")});
        QVERIFY(std::unique_ptr<Project>(Project::create(QStringLiteral("Other"), root)));
        writeFile(root + QStringLiteral("/Other/O1/O1.mpg"), "o");
        // Where the entry's folder leads: the projects root, or the project folder.
        const QString entryFolder = QDir::cleanPath(root + QStringLiteral("/P/") + name.left(name.lastIndexOf(QLatin1Char('.'))));
        if (kind) {
            auto inspection = makeInspection(kind);
            inspection->setFolder(entryFolder);
            inspection->setFileName(name);
            QVERIFY(inspection->save());
        } else {
            writeFile(entryFolder + QLatin1Char('/') + name, "v");
        }
        QDomDocument document;
        {
            QFile file(projectXml());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(document.setContent(&file));
        }
        QDomElement entry = document.createElement(QStringLiteral("Inspection"));
        for (const auto &field : {qMakePair(QStringLiteral("Name"), name), qMakePair(QStringLiteral("Position"), QStringLiteral("1"))}) {
            QDomElement element = document.createElement(field.first);
            element.appendChild(document.createTextNode(field.second));
            entry.appendChild(element);
        }
        document.documentElement().firstChildElement(QStringLiteral("Inspections")).appendChild(entry);
        writeFile(projectXml(), document.toByteArray(2));

        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        const int row = column(table, 2).indexOf(name);
        if (row >= 0) {
            table->setCurrentCell(row, 0);
            ModalAnswerer answer;
            answer.message(MessageDialog::Yes);
            answer.message(MessageDialog::Ok);
            dialog.toolBox_clicked(QStringLiteral("Untersuchung_Löschen"));
        }
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/Other/O1/O1.mpg")));
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/P/K1")));
        QCOMPARE(column(table, 2), QStringList{QStringLiteral("K1.xml")});
        const QStringList errors = capture->errors();
        QVERIFY2(std::any_of(errors.cbegin(), errors.cend(), [&](const QString &e) { return e.contains(name); }),
                 qPrintable(errors.join(QLatin1Char('\n'))));

        // Saves of the project keep the entry as it was, under the project's new name too.
        dialog.setNameAsker([](QWidget *, const QString &, bool, const QStringList &, const QString &) {
            return QStringLiteral("P2");
        });
        dialog.toolBox_clicked(QStringLiteral("Projekt_Umbenennen"));
        const QString renamed = root + QStringLiteral("/P2/project.xml");
        QVERIFY(QFileInfo::exists(renamed));
        const QDomNodeList names = TestFiles::xmlRoot(renamed).elementsByTagName(QStringLiteral("Name"));
        QStringList written;
        for (int i = 0; i < names.size(); ++i)
            written << names.at(i).toElement().text();
        QCOMPARE(written, (QStringList{QStringLiteral("K1.xml"), name}));
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/Other/O1/O1.mpg")));
        QVERIFY(QFileInfo::exists(entryFolder + QLatin1Char('/') + name)
                || QFileInfo::exists(root + QStringLiteral("/P2/") + name));
    }

    void deleteProject()
    {
        makeProject({QStringLiteral("K1")});
        writeFile(root + QStringLiteral("/P/.project"), "K1\n");
        OpenProjectDialog dialog(2);
        edit(dialog, QStringLiteral("P"));
        auto *stack = formChild<QStackedWidget>(dialog, "stackedWidget");
        dialog.setFolderRemover([](const QString &, const QString &) { return false; });
        {
            ModalAnswerer answer;
            answer.message(MessageDialog::Yes);
            answer.message(MessageDialog::Ok);
            dialog.toolBox_clicked(QStringLiteral("Projekt_Löschen"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts().value(0), QStringLiteral("Das Projekt \"P\" löschen?"));
        }
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(QFileInfo::exists(projectXml()));

        OpenProjectDialog real(2);
        edit(real, QStringLiteral("P"));
        ModalAnswerer answer;
        answer.message(MessageDialog::Yes);
        real.toolBox_clicked(QStringLiteral("Projekt_Löschen"));
        QVERIFY(answer.done());
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P")));
        QCOMPARE(formChild<QStackedWidget>(real, "stackedWidget")->currentIndex(), 0);
        QVERIFY(!itemTexts(formChild<QListWidget>(real, "listWidget")).contains(QStringLiteral("P")));
    }

    void renameInspectionFollowsIn3DFile()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2")});
        const QString file3D = root + QStringLiteral("/P/project3d.xml");
        // A reference to a character XML cannot carry is read, but must not be written back raw.
        writeFile(file3D, "<PROJECT3D><INSPECTIONS>"
                          "<Inspection Investigation=\"K1.xml\"><Branch Investigation=\"K1.xml\"/></Inspection>"
                          "<Inspection Investigation=\"K2.xml\"><Text>a&#1;b</Text></Inspection></INSPECTIONS></PROJECT3D>");
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        dialog.setNameAsker([](QWidget *, const QString &title, bool, const QStringList &taken, const QString &start) {
            if (title != QLatin1String("Untersuchung umbenennen") || start != QLatin1String("K1")
                || taken != QStringList{QStringLiteral("K2")})
                return QString();
            return QStringLiteral("K9");
        });
        table->setCurrentCell(0, 0);
        dialog.toolBox_clicked(QStringLiteral("Untersuchung_Umbenennen"));
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K9.xml"), QStringLiteral("K2.xml")}));
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/P/K9/K9.xml")));
        const QString text = QString::fromUtf8(readAll(file3D));
        QCOMPARE(text.count(QStringLiteral("Investigation=\"K9.xml\"")), 2);
        QCOMPARE(text.count(QStringLiteral("Investigation=\"K2.xml\"")), 1);
        QVERIFY(!text.contains(QStringLiteral("K1.xml")));
        QVERIFY(text.contains(QStringLiteral("<Text>ab</Text>")));
        QVERIFY(QDomDocument().setContent(readAll(file3D)));
        QCOMPARE(Project(projectXml()).inspectionNames(), (QStringList{QStringLiteral("K9.xml"), QStringLiteral("K2.xml")}));

        // Without a 3D file none is made.
        QVERIFY(QFile::remove(file3D));
        table->setCurrentCell(1, 0);
        dialog.setNameAsker([](QWidget *, const QString &, bool, const QStringList &, const QString &) {
            return QStringLiteral("K8");
        });
        dialog.toolBox_clicked(QStringLiteral("Untersuchung_Umbenennen"));
        QCOMPARE(column(table, 2), (QStringList{QStringLiteral("K9.xml"), QStringLiteral("K8.xml")}));
        QVERIFY(!QFileInfo::exists(file3D));
    }

    void convertRefusesOtherStandards()
    {
        makeProject({QStringLiteral("K1")});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        answer.message(MessageDialog::Ok);
        dialog.toolBox_clicked(QStringLiteral("Untersuchung_Umwandeln"));
        table->setCurrentCell(0, 0);
        dialog.toolBox_clicked(QStringLiteral("Untersuchung_Umwandeln"));
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), (QStringList{QStringLiteral("Bitte wählen Sie das zu konvertierende\nATV oder Isybau 2001 Projekt aus!"),
                                              QStringLiteral("Nur Untersuchungen nach ATV oder Isybau 2001\nkönnen umgewandelt werden!")}));
    }

    void renamedProjectIsWrittenInItsNewFolder()
    {
        makeProject({QStringLiteral("K1"), QStringLiteral("K2")});
        OpenProjectDialog dialog(2);
        auto *table = edit(dialog, QStringLiteral("P"));
        dialog.setNameAsker([](QWidget *, const QString &title, bool, const QStringList &, const QString &start) {
            return title == QLatin1String("Projekt umbenennen") && start == QLatin1String("P") ? QStringLiteral("R")
                                                                                               : QString();
        });
        dialog.toolBox_clicked(QStringLiteral("Projekt_Umbenennen"));
        QCOMPARE(formChild<QLabel>(dialog, "projectName")->text(), QStringLiteral("Projekt: R"));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P")));
        table->setCurrentCell(1, 0);
        invoke(&dialog, "on_up_clicked");
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P")));
        QCOMPARE(Project(root + QStringLiteral("/R/project.xml")).inspectionNames(),
                 (QStringList{QStringLiteral("K2.xml"), QStringLiteral("K1.xml")}));
        formChild<QLineEdit>(dialog, "changeText")->setText(QStringLiteral("Weg"));
        ModalAnswerer answer;
        answer.watchMessage();
        invoke(&dialog, "on_change_clicked");
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Daten wurden erfolgreich geändert!")});
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P")));
        QCOMPARE(Project(root + QStringLiteral("/R/project.xml")).inspectionByName(QStringLiteral("K1.xml"))->mainData().street,
                 QStringLiteral("Weg"));
    }

    void printGoesThroughTheOpener()
    {
        makeProject({QStringLiteral("K1")});
        OpenProjectDialog dialog(2);
        auto *toolBox = formChild<ToolBox>(dialog, "toolBox");
        QVERIFY(toolBox->button(QStringLiteral("Projekt_Drucken"))->isHidden());
        QString printed;
        dialog.setPrintOpener([&](Project *project, QWidget *parent) {
            printed = project->name() + QLatin1Char('/') + QString::number(project->inspectionCount());
            QCOMPARE(parent, static_cast<QWidget *>(&dialog));
        });
        QVERIFY(!toolBox->button(QStringLiteral("Projekt_Drucken"))->isHidden());
        dialog.toolBox_clicked(QStringLiteral("Projekt_Drucken"));
        QVERIFY(printed.isEmpty());
        edit(dialog, QStringLiteral("P"));
        dialog.toolBox_clicked(QStringLiteral("Projekt_Drucken"));
        QCOMPARE(printed, QStringLiteral("P/1"));
    }

    void exportOpensOnTheEditedProject()
    {
        makeProject({QStringLiteral("K1")});
        OpenProjectDialog dialog(2);
        edit(dialog, QStringLiteral("P"));
        QStringList selected;
        ModalAnswerer answer;
        answer.expect("ExportProjectsDialog", [&](QWidget *exporter) {
            auto *list = exporter->findChild<QListWidget *>(QStringLiteral("exportList"));
            QVERIFY(list);
            selected = itemTexts(list);
            static_cast<QDialog *>(exporter)->reject();
        });
        dialog.toolBox_clicked(QStringLiteral("Projekt_Export"));
        QVERIFY(answer.done());
        QCOMPARE(selected, QStringList{QStringLiteral("P")});
        QVERIFY(dialog.isEnabled());
    }

private:
    void invokeDoubleClick(OpenProjectDialog &dialog, QListWidget *list, const QString &text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        QVERIFY(QMetaObject::invokeMethod(&dialog, "on_listWidget_itemDoubleClicked",
                                          Q_ARG(QListWidgetItem *, found.first())));
    }

    // Enters the project from the browsing page and returns the inspection table.
    QTableWidget *edit(OpenProjectDialog &dialog, const QString &name)
    {
        selectEntry(formChild<QListWidget>(dialog, "listWidget"), name);
        QMetaObject::invokeMethod(&dialog, "on_edit_clicked");
        return formChild<QTableWidget>(dialog, "tableWidget");
    }

    QString projectXml() const { return root + QStringLiteral("/P/project.xml"); }

    // Project "P" under the root with one DWA inspection per name, in that order.
    void makeProject(const QStringList &names, const QStringList &videoNumbers = {}, const QList<int> &kinds = {})
    {
        for (int i = 0; i < names.size(); ++i) {
            auto inspection = makeInspection(kinds.value(i, NormDWAM1492));
            const QString folder = root + QStringLiteral("/P/") + names.at(i);
            QVERIFY(QDir().mkpath(folder));
            inspection->setFolder(folder);
            inspection->setFileName(names.at(i) + QStringLiteral(".xml"));
            inspection->mutableMainData().sectionName = names.at(i);
            inspection->mutableMainData().videoReference = videoNumbers.value(i);
            QVERIFY(inspection->save());
        }
        Project project(projectXml());
        QCOMPARE(project.inspectionNames(), [&] {
            QStringList files;
            for (const QString &name : names)
                files << name + QStringLiteral(".xml");
            return files;
        }());
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    QString root;
};

QTEST_MAIN(TestOpenProjectDialog)
#include "tst_openprojectdialog.moc"
