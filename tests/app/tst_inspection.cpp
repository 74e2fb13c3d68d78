// test-needs: x11
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/toolbox.h"
#include "entry/endamagedatadialog.h"
#include "entry/isybau2001damagedialog.h"
#include "entry/maindatawidget.h"
#include "entry/observationentry.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "app/mainwindow.h"
#include "model/investigation.h"
#include "project/project.h"
#include "project/project3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/dialoganswers.h"
#include "support/testenv.h"
#include "support/testfiles.h"
#include "support/testvideos.h"
#include "support/videotestmain.h"
#include "video/videoform.h"

#include <QCheckBox>
#include <QDomDocument>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

using namespace DialogAnswers;

const int kWatchdogMs = 30000;

QString endingOf(int kind)
{
    switch (kind) {
    case NormATV:
        return QStringLiteral(".h");
    case NormIsybau2001:
        return QStringLiteral(".lh");
    default:
        return QStringLiteral(".xml");
    }
}

ObservationRecord observation(double distance, const QString &code, const QTime &time,
                              const QString &photo = QString())
{
    ObservationRecord o;
    o.distance = distance;
    o.code = code;
    o.character1 = QStringLiteral("A");
    o.videoTime = time;
    o.photoFile = photo;
    return o;
}

// Writes an inspection of the standard through the model's own writer; the path of its file.
QString writeInspection(int kind, const QString &folder, const QString &base,
                        const QVector<ObservationRecord> &observations = {})
{
    std::unique_ptr<Investigation> inspection = makeInspection(kind);
    QDir().mkpath(folder);
    inspection->setFolder(folder);
    inspection->setFileName(base + endingOf(kind));
    InspectionHeader &header = inspection->mutableMainData();
    header.sectionName = base;
    header.date = QDate(2024, 5, 6);
    inspection->mutableObservations() = observations;
    if (!inspection->save())
        return QString();
    return inspection->filePath();
}

// The observation dialog of any standard, filled with the record and accepted.
ModalAnswerer::Action enterObservation(const ObservationRecord &record)
{
    return [record](QWidget *w) {
        if (auto *en = qobject_cast<ENDamageDataDialog *>(w))
            en->setDamage(record);
        else if (auto *isybau = qobject_cast<Isybau2001DamageDialog *>(w))
            isybau->setDamage(record);
        else
            QFAIL("no observation dialog");
        formChild<QPushButton>(*w, "accept")->click();
    };
}

// The observation dialog as it came, with its photo box unticked, accepted.
void dropPhoto(QWidget *w)
{
    formChild<QCheckBox>(*w, "foto")->setChecked(false);
    formChild<QPushButton>(*w, "accept")->click();
}

} // namespace

class TestInspection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        Config *config = Global::instance()->config().data();
        config->setProjectPath(root);
        config->setLanguage(0);
        config->setWithInspectionNames(false);
        videos = env->root() + QStringLiteral("/videos");
        QVERIFY(QDir().mkpath(videos));
        pal = TestVideos::pal(videos);
        QVERIFY(!pal.isEmpty());
        longVideo = TestVideos::shortPal(videos, QStringLiteral("long.mpg"), 20);
        QVERIFY(!longVideo.isEmpty());
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        QTRY_COMPARE(formChild<QTabWidget>(*window, "tabWidget")->currentIndex(), 0);
    }

    void init()
    {
        capture->clear();
        window->show();
        files = env->root() + QStringLiteral("/files%1").arg(++round);
        QVERIFY(QDir().mkpath(files));
    }

    void cleanup()
    {
        window->setChanged(MainWindow::InspectionChange, false);
        window->setChanged(MainWindow::ProjectChange, false);
        window->setChanged(MainWindow::Project3DChange, false);
        if (Investigation *open = window->currentInspection())
            open->setChanged(false);
        if (window->currentProject()) {
            for (Investigation *inspection : window->currentProject()->inspections())
                inspection->setChanged(false);
            click(QStringLiteral("Projekte_Schließen"));
        } else if (window->currentInspection()) {
            click(QStringLiteral("Untersuchung_Schließen"));
        }
        QVERIFY(!window->currentProject());
        QVERIFY(!window->currentInspection());
        Global::instance()->config()->setWithInspectionNames(false);
        Global::instance()->config()->setLanguage(0);
    }

    void cleanupTestCase()
    {
        window->close();
        started = Startup::Started();
        capture.reset();
        env.reset();
    }

    // What the window offers follows the open inspection.
    void windowFollowsTheInspection_data()
    {
        QTest::addColumn<int>("kind"); // -1: the video itself, opened as free text
        QTest::addColumn<bool>("video");
        QTest::newRow("free text") << -1 << true;
        QTest::newRow("EN 13508-2 with video") << int(NormEN135082) << true;
        QTest::newRow("ISYBAU 2001 without video") << int(NormIsybau2001) << false;
    }

    void windowFollowsTheInspection()
    {
        QFETCH(int, kind);
        QFETCH(bool, video);
        const bool standard = kind >= 0;
        QString path = files + QStringLiteral("/K1.mpg");
        if (video)
            QVERIFY(QFile::copy(pal, path));
        if (standard)
            path = writeInspection(kind, files, QStringLiteral("K1"));
        openFile(path);

        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection()->normKind(), standard ? kind : 0);
        auto *tabs = fileWidget();
        QCOMPARE(tabs->count(), standard ? 2 : 1);
        if (standard) {
            QCOMPARE(tabs->tabText(1), QStringLiteral("Feststellungen"));
            QCOMPARE(tabs->currentIndex(), 1);
            // Adjusting again does not bring a second tab.
            window->adjustUi();
            QCOMPARE(tabs->count(), 2);
        }
        QVERIFY(tabs->isEnabled());
        QCOMPARE(startButton()->isVisibleTo(toolBox()), !standard);
        QCOMPARE(mainData()->isEnabled(), standard);
        QCOMPARE(playButton()->isEnabled(), video);
        for (const char *key : {"Untersuchung_Speichern", "Untersuchung_Schließen", "Untersuchung_Drucken"})
            QVERIFY2(toolBox()->button(QString::fromUtf8(key))->isEnabled(), key);
        QVERIFY(!toolBox()->button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
        QCOMPARE(list()->rowCount(), 1);
        QVERIFY(window->windowTitle().endsWith(QStringLiteral("Untersuchung: ") + QFileInfo(path).fileName()));

        click(QStringLiteral("Untersuchung_Schließen"));
        QVERIFY(!window->currentInspection());
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(list()->rowCount(), 0);
        QVERIFY(!tabs->isEnabled());
        QVERIFY(!startButton()->isVisibleTo(toolBox()));
        QVERIFY(!mainData()->isEnabled());
        QVERIFY(!playButton()->isEnabled());
        QVERIFY(toolBox()->button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
        QVERIFY(!toolBox()->button(QStringLiteral("Untersuchung_Speichern"))->isEnabled());
        QVERIFY(capture->errors().isEmpty());
    }

    // A file that gives no inspection opens nothing and stays as it was.
    void brokenFilesOpenNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not XML") << QStringLiteral("K1.xml") << QByteArray("no inspection at all");
        QTest::newRow("XML of another kind") << QStringLiteral("K2.xml") << QByteArray("<?xml version=\"1.0\"?><ZZ/>");
        QTest::newRow("empty fixed-column file") << QStringLiteral("K3.lh") << QByteArray();
    }

    void brokenFilesOpenNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path = files + QLatin1Char('/') + name;
        TestFiles::writeFile(path, content);
        openFile(path);
        QVERIFY(!window->currentInspection());
        QVERIFY(!fileWidget()->isEnabled());
        QVERIFY(toolBox()->button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
        QVERIFY(!capture->errors().isEmpty());
        QCOMPARE(TestFiles::readAll(path), content);
        QCOMPARE(QDir(files).entryList(QDir::Files), QStringList{name});
    }

    // A file read only in part opens, and nothing but the user's decision writes over it.
    void aPartlyReadFileIsNotSavedOver()
    {
        // A DWA-M 149-2 file holding a second inspection of its section after the first.
        const QString path = writeInspection(NormDWAM1492, files, QStringLiteral("K1"),
                                             {observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 1)),
                                              observation(2.0, QStringLiteral("BAB"), QTime(0, 0, 2))});
        QByteArray content = TestFiles::readAll(path);
        const int from = content.indexOf("<HI>");
        const int to = content.indexOf("</HI>");
        QVERIFY(from > 0 && to > from);
        content.insert(to + 5, content.mid(from, to + 5 - from));
        TestFiles::writeFile(path, content);
        openFile(path);
        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection()->normKind(), int(NormDWAM1492));
        QCOMPARE(window->currentInspection()->mainData().sectionName, QStringLiteral("K1"));
        QCOMPARE(table()->rowCount(), 2);
        QCOMPARE(capture->errors().size(), 1);

        QTest::keyClicks(formChild<QLineEdit>(*mainData(), "street"), QStringLiteral("Weg"));
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        QVERIFY(window->currentInspection()->isChanged());
        click(QStringLiteral("Untersuchung_Speichern"));
        QCOMPARE(capture->errors().size(), 2);
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        QCOMPARE(TestFiles::readAll(path), content);

        ModalAnswerer answer;
        answer.message(MessageDialog::No);
        click(QStringLiteral("Untersuchung_Schließen"));
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Untersuchung \"K1.xml\" speichern?\nÄnderungen gehen sonst verloren!")});
        QCOMPARE(TestFiles::readAll(path), content);
    }

    void openIsRefusedWithAProject()
    {
        openProject(QStringLiteral("Refusing"), {});
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        click(QStringLiteral("Untersuchung_Öffnen"));
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Bitte schließen Sie vorher das Projekt!")});
        QVERIFY(!window->currentInspection());
    }

    // The list opens the name of column 0 or 1, and asks before it leaves changed work.
    void doubleClickOpensAndAsks_data()
    {
        QTest::addColumn<bool>("withNames");
        QTest::addColumn<int>("answer"); // 0: nothing changed
        QTest::newRow("unchanged") << false << 0;
        QTest::newRow("unchanged, two columns") << true << 0;
        QTest::newRow("Abbrechen") << false << int(MessageDialog::Cancel);
        QTest::newRow("Ja") << true << int(MessageDialog::Yes);
        QTest::newRow("Nein") << false << int(MessageDialog::No);
    }

    void doubleClickOpensAndAsks()
    {
        QFETCH(bool, withNames);
        QFETCH(int, answer);
        Global::instance()->config()->setWithInspectionNames(withNames);
        const QString name = QStringLiteral("List%1").arg(round);
        const QString folder = root + QLatin1Char('/') + name;
        const QString k1 = writeInspection(NormEN135082, folder + QStringLiteral("/K1"), QStringLiteral("K1"),
                                           {observation(1.5, QStringLiteral("BAB"), QTime(0, 0, 2))});
        const QString k2 = writeInspection(NormEN135082, folder + QStringLiteral("/K2"), QStringLiteral("K2"));
        openProject(name, {});
        QCOMPARE(list()->columnCount(), withNames ? 2 : 1);

        doubleClick(0);
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
        QCOMPARE(fileWidget()->currentIndex(), 1);
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(table()->item(0, 0)->text(), QStringLiteral("1.50m"));
        QCOMPARE(table()->item(0, 1)->text(), QStringLiteral("BABA"));
        QCOMPARE(table()->item(0, 2)->text(), window->currentInspection()->observationText(0, false));
        QVERIFY(!table()->item(0, 2)->text().isEmpty());
        // The columns have titles, not numbers.
        QStringList titles;
        for (int column = 0; column < 3; ++column)
            titles << table()->horizontalHeaderItem(column)->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("Station"), QStringLiteral("Kürzel"), QStringLiteral("Feststellung")}));

        const QByteArray before = TestFiles::readAll(k1);
        if (answer)
            QTest::keyClicks(formChild<QLineEdit>(*mainData(), "street"), QStringLiteral("Weg"));
        fileWidget()->setCurrentIndex(0);
        ModalAnswerer answerer;
        if (answer)
            answerer.message(answer);
        doubleClick(1);
        QVERIFY(answerer.done());
        if (answer)
            QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Untersuchung \"K1.xml\" speichern?\nÄnderungen gehen sonst verloren!")});

        const bool kept = answer == MessageDialog::Cancel;
        QCOMPARE(window->currentInspection()->fileName(), kept ? QStringLiteral("K1.xml") : QStringLiteral("K2.xml"));
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), kept);
        // An inspection without observations leaves the tab where it was.
        QCOMPARE(fileWidget()->currentIndex(), 0);
        QCOMPARE(TestFiles::readAll(k1).contains("Weg"), answer == MessageDialog::Yes);
        QCOMPARE(TestFiles::readAll(k1) == before, answer != MessageDialog::Yes);
        QVERIFY(!TestFiles::readAll(k2).isEmpty());

        // What was declined is not written by a later save of the project either.
        if (!kept) {
            click(QStringLiteral("Projekte_Speichern"));
            QCOMPARE(TestFiles::readAll(k1).contains("Weg"), answer == MessageDialog::Yes);
            Investigation *first = window->currentProject()->inspectionByName(QStringLiteral("K1.xml"));
            QCOMPARE(first->mainData().street, answer == MessageDialog::Yes ? QStringLiteral("Weg") : QString());
        }
    }

    // The dialog follows the standard; it leaves the video as it found it.
    void recordingKeepsThePlayState_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("EN, playing, accepted") << int(NormEN135082) << true << true << QString("ENDamageDataDialog");
        QTest::newRow("EN, paused, rejected") << int(NormEN135082) << false << false << QString("ENDamageDataDialog");
        QTest::newRow("ATV, playing, rejected") << int(NormATV) << true << false << QString("Isybau2001DamageDialog");
        QTest::newRow("ISYBAU 2001, paused, accepted") << int(NormIsybau2001) << false << true << QString("Isybau2001DamageDialog");
        QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << false << false << QString("ENDamageDataDialog");
        QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << false << false << QString("ENDamageDataDialog");
        QTest::newRow("DanDas, paused, accepted") << int(NormDanDas) << false << true << QString("ENDamageDataDialog");
        QTest::newRow("free text: no dialog") << -1 << false << false << QString();
    }

    void recordingKeepsThePlayState()
    {
        QFETCH(int, kind);
        QFETCH(bool, playing);
        QFETCH(bool, accepted);
        QFETCH(QString, dialog);
        QString path;
        openWithVideo(kind, {}, playing, &path);
        const QByteArray before = TestFiles::readAll(path);

        ModalAnswerer answer;
        if (dialog.isEmpty())
            ; // nothing may come
        else if (accepted)
            answer.expect(qPrintable(dialog), enterObservation(observation(2.5, QStringLiteral("BAB"), QTime(0, 0, 1))));
        else
            answer.reject(qPrintable(dialog));
        formChild<QPushButton>(*window, "addInvestigation")->click();
        QTest::qWait(50);
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(!video()->isPlayEnabled(), playing);
        QCOMPARE(window->currentInspection()->observations().size(), accepted ? 1 : 0);
        QCOMPARE(table()->rowCount(), accepted ? 1 : 0);
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), accepted);
        QCOMPARE(window->currentInspection()->isChanged(), accepted);
        QCOMPARE(TestFiles::readAll(path), before);
        if (accepted)
            QCOMPARE(table()->item(0, 0)->text(), QStringLiteral("2.50m"));
        video()->on_pause_clicked();
    }

    void editingKeepsThePlayState_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("playing, accepted") << true << true;
        QTest::newRow("playing, rejected") << true << false;
        QTest::newRow("paused, accepted") << false << true;
    }

    void editingKeepsThePlayState()
    {
        QFETCH(bool, playing);
        QFETCH(bool, accepted);
        openWithVideo(NormEN135082, {observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 1))}, playing);
        ModalAnswerer answer;
        if (accepted)
            answer.expect("ENDamageDataDialog", enterObservation(observation(2.0, QStringLiteral("BAB"), QTime(0, 0, 1))));
        else
            answer.reject("ENDamageDataDialog");
        // A double-click on any cell edits its row.
        const QRect cell = table()->visualItemRect(table()->item(0, 1));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(!video()->isPlayEnabled(), playing);
        QCOMPARE(table()->item(0, 0)->text(), accepted ? QStringLiteral("2.00m") : QStringLiteral("1.00m"));
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), accepted);
        video()->on_pause_clicked();
    }

    void photoNamesStayInTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("plain") << QStringLiteral("img_102030_8.jpg") << true;
        QTest::newRow("dots inside") << QStringLiteral("..img.jpg") << true;
        QTest::newRow("parent") << QStringLiteral("../x.jpg") << false;
        QTest::newRow("sub-folder") << QStringLiteral("a/x.jpg") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\x.jpg") << false;
        QTest::newRow("absolute") << QStringLiteral("/tmp/x.jpg") << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void photoNamesStayInTheFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(MainWindow::isPlainFileName(name), plain);
    }

    // Where the photo of a recorded, changed or deleted observation ends up.
    void photosFollowTheObservations_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("before"); // photo of the one observation there is; "-": none
        QTest::addColumn<QString>("after");  // photo of the record entered; "-": photo box unticked
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<bool>("written");
        QTest::newRow("add with photo") << QString("add") << QString("-") << QString("img_x.jpg") << QStringList{"img_x.jpg"} << true;
        QTest::newRow("add without photo") << QString("add") << QString("-") << QString("") << QStringList{} << false;
        QTest::newRow("edit, photo kept") << QString("edit") << QString("old.jpg") << QString("old.jpg") << QStringList{"old.jpg"} << false;
        QTest::newRow("edit, photo removed") << QString("edit") << QString("old.jpg") << QString("-") << QStringList{} << true;
        QTest::newRow("edit, photo replaced")
            << QString("edit") << QString("old.jpg") << QString("new.jpg") << QStringList{"new.jpg", "old.jpg"} << true;
        QTest::newRow("delete with photo") << QString("delete") << QString("old.jpg") << QString("") << QStringList{} << true;
        QTest::newRow("delete without photo") << QString("delete") << QString("") << QString("") << QStringList{} << false;
        QTest::newRow("a name leading out, removed") << QString("edit") << QString("../outside.jpg") << QString("-") << QStringList{} << true;
    }

    void photosFollowTheObservations()
    {
        QFETCH(QString, action);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QStringList, pictures);
        QFETCH(bool, written);
        QVector<ObservationRecord> initial;
        if (before != QLatin1String("-"))
            initial << observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 1), before);
        const QString outside = env->root() + QStringLiteral("/outside.jpg");
        TestFiles::writeFile(outside, "not mine");
        if (before.endsWith(QLatin1String(".jpg")) && !before.contains(QLatin1Char('/')))
            TestFiles::writeFile(files + QLatin1Char('/') + before, "earlier picture");
        if (before.contains(QLatin1Char('/')))
            initial.first().photoFile.clear();
        QString path;
        openWithVideo(NormEN135082, initial, false, &path);
        QCOMPARE(window->currentInspection()->observations().size(), initial.size());
        // The readers refuse such a name already; it is put in as if one had come through.
        if (before.contains(QLatin1Char('/')))
            window->currentInspection()->mutableObservations()[0].photoFile = before;
        const QByteArray content = TestFiles::readAll(path);

        ModalAnswerer answer;
        const ObservationRecord entered = observation(2.0, QStringLiteral("BAB"), QTime(0, 0, 2),
                                                      after == QLatin1String("-") ? QString() : after);
        if (action == QLatin1String("add")) {
            answer.expect("ENDamageDataDialog", enterObservation(entered));
            formChild<QPushButton>(*window, "addInvestigation")->click();
        } else if (action == QLatin1String("edit")) {
            if (after == QLatin1String("-"))
                answer.expect("ENDamageDataDialog", dropPhoto);
            else
                answer.expect("ENDamageDataDialog", enterObservation(entered));
            table()->setCurrentCell(0, 0);
            formChild<QPushButton>(*window, "editInvestigation")->click();
        } else {
            answer.message(MessageDialog::Yes);
            table()->setCurrentCell(0, 0);
            formChild<QPushButton>(*window, "removeInvestigation")->click();
        }
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        QStringList found = QDir(files).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        QCOMPARE(found, pictures);
        const QString fresh = entered.photoFile;
        if (!fresh.isEmpty() && fresh != before)
            QVERIFY(TestVideos::mostlyNonBlack(QImage(files + QLatin1Char('/') + fresh)));
        QCOMPARE(TestFiles::readAll(path) != content, written);
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), !written);
        QCOMPARE(TestFiles::readAll(outside), QByteArray("not mine"));
        // The table shows what the inspection holds.
        QCOMPARE(table()->rowCount(), window->currentInspection()->observations().size());
        if (written) {
            std::unique_ptr<Investigation> reread(Project::loadInspectionFile(path));
            QCOMPARE(reread->observations().size(), window->currentInspection()->observations().size());
            if (!reread->observations().isEmpty())
                QCOMPARE(reread->observations().last().photoFile, window->currentInspection()->observations().last().photoFile);
        }
    }

    void deletionAsksWithTheRow()
    {
        QString path;
        openWithVideo(NormEN135082,
                      {observation(1.5, QStringLiteral("BAB"), QTime(0, 0, 1)), observation(3.0, QStringLiteral("BAB"), QTime(0, 0, 2))},
                      false, &path);
        const QByteArray content = TestFiles::readAll(path);
        table()->setCurrentCell(1, 2);
        const QString expected = QStringLiteral("Eintrag \"3.00m BABA %1\" löschen?").arg(table()->item(1, 2)->text());

        // Escape deletes nothing.
        QString asked;
        ModalAnswerer answer;
        answer.expect("MessageDialog", [&asked](QWidget *w) {
            asked = static_cast<MessageDialog *>(w)->text();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        formChild<QPushButton>(*window, "removeInvestigation")->click();
        QVERIFY(answer.done());
        QCOMPARE(asked, expected);
        QCOMPARE(table()->rowCount(), 2);
        QVERIFY(!window->isChanged(MainWindow::InspectionChange));

        answer.message(MessageDialog::Yes);
        formChild<QPushButton>(*window, "removeInvestigation")->click();
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{expected});
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(table()->item(0, 0)->text(), QStringLiteral("1.50m"));
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        QCOMPARE(TestFiles::readAll(path), content);
    }

    // Row i is observation i, also when the file lists them out of order; a click seeks there.
    void aClickSeeksToTheObservation()
    {
        openWithVideo(NormEN135082,
                      {observation(4.0, QStringLiteral("BAB"), QTime(0, 0, 9)), observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 3))},
                      false);
        QCOMPARE(table()->item(0, 0)->text(), QStringLiteral("1.00m"));
        for (int row : {0, 1}) {
            const QRect cell = table()->visualItemRect(table()->item(row, 2));
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(table()->currentRow(), row);
            QCOMPARE(table()->currentColumn(), 0);
            const QTime target = window->currentInspection()->observations().at(row).videoTime;
            const QTime shown = TestVideos::settled([this] { return video()->position(); });
            QVERIFY2(qAbs(shown.msecsTo(target)) < 500, qPrintable(shown.toString()));
        }
        QCOMPARE(window->currentInspection()->observations().at(1).videoTime, QTime(0, 0, 9));
    }

    // The photo button ties the picture to the selected observation when the video stands close
    // to it, else asks for a photo observation.
    void photoTiedByDistance_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("offset"); // seconds from the video position to the observation
        QTest::addColumn<QString>("photo"); // of the selected observation
        QTest::addColumn<bool>("tied");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("5 s before") << int(NormEN135082) << -5 << QString() << true << false;
        QTest::newRow("5 s after") << int(NormEN135082) << 5 << QString() << true << false;
        QTest::newRow("6 s after") << int(NormEN135082) << 6 << QString() << false << true;
        QTest::newRow("6 s before, ISYBAU 2001") << int(NormIsybau2001) << -6 << QString() << false << true;
        QTest::newRow("DanDas, 6 s") << int(NormDanDas) << 6 << QString() << false << false;
        QTest::newRow("the row has a photo") << int(NormEN135082) << 1 << QStringLiteral("img_000000_3.jpg") << false << false;
    }

    void photoTiedByDistance()
    {
        QFETCH(int, kind);
        QFETCH(int, offset);
        QFETCH(QString, photo);
        QFETCH(bool, tied);
        QFETCH(bool, dialog);
        // The selected observation is the first row; the later ones carry photos 3 and 7.
        const QVector<ObservationRecord> initial{
            observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 0), photo),
            observation(5.0, QStringLiteral("BAB"), QTime(0, 0, 1), QStringLiteral("img_000001_3.jpg")),
            observation(6.0, QStringLiteral("BAB"), QTime(0, 0, 2), QStringLiteral("img_000002_7.jpg"))};
        QString path;
        openWithVideo(kind, initial, false, &path);
        video()->seek(QTime(0, 0, 8, 400));
        const QTime at = TestVideos::settled([this] { return video()->position(); });
        QVERIFY(at.second() >= 7);
        const QTime whole(0, 0, at.second());
        window->currentInspection()->mutableObservations()[0].videoTime = whole.addSecs(offset);
        QVERIFY(window->saveInspection());
        window->updateObservationTable();
        table()->setCurrentCell(0, 0);
        const QByteArray before = TestFiles::readAll(path);

        ModalAnswerer answer;
        if (dialog)
            answer.reject(kind == NormIsybau2001 ? "Isybau2001DamageDialog" : "ENDamageDataDialog");
        QPushButton *button = formChild<QPushButton>(*video(), "foto");
        QVERIFY(button->isEnabled());
        button->click();
        QTest::qWait(50);
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        const QString name = QStringLiteral("img_%1_8.jpg").arg(at.toString(QStringLiteral("hhmmss")));
        QCOMPARE(QFileInfo::exists(files + QLatin1Char('/') + name), tied);
        QCOMPARE(QDir(files).entryList({QStringLiteral("*.jpg")}, QDir::Files).size(), tied ? 1 : 0);
        QCOMPARE(TestFiles::readAll(path) != before, tied);
        QVERIFY(!window->isChanged(MainWindow::InspectionChange));
        QVERIFY(video()->isPlayEnabled()); // paused
        if (tied) {
            QCOMPARE(window->currentInspection()->observations().at(0).photoFile, name);
            QVERIFY(TestVideos::mostlyNonBlack(QImage(files + QLatin1Char('/') + name)));
            std::unique_ptr<Investigation> reread(Project::loadInspectionFile(path));
            QCOMPARE(reread->observations().at(0).photoFile, name);
        }
    }

    void photoWithoutASelectedRow()
    {
        QString path;
        openWithVideo(NormEN135082, {observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 0))}, true, &path);
        table()->setCurrentCell(-1, -1);
        const QByteArray before = TestFiles::readAll(path);
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        emit video()->wantPicture();
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Bitte wählen Sie zunächst die relevante Feststellung aus!")});
        QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        QVERIFY(video()->isPlayEnabled()); // paused, not resumed
        QCOMPARE(TestFiles::readAll(path), before);
        QVERIFY(QDir(files).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty());
    }

    // A new photo observation from the dialog is appended with its picture; one that lost its
    // photo name on the way is still marked as a change.
    void photoObservationFromTheDialog_data()
    {
        QTest::addColumn<bool>("named");
        QTest::newRow("with its photo") << true;
        QTest::newRow("photo box unticked") << false;
    }

    void photoObservationFromTheDialog()
    {
        QFETCH(bool, named);
        QString path;
        openWithVideo(NormEN135082, {observation(1.0, QStringLiteral("BAB"), QTime(0, 0, 0))}, false, &path);
        video()->seek(QTime(0, 0, 9));
        TestVideos::settled([this] { return video()->position(); });
        table()->setCurrentCell(0, 0);
        QString code;
        ModalAnswerer answer;
        const QByteArray before = TestFiles::readAll(path);
        answer.expect("ENDamageDataDialog", [&code, named](QWidget *w) {
            code = formChild<QLineEdit>(*w, "code")->text();
            ObservationRecord record = static_cast<ENDamageDataDialog *>(w)->damage();
            record.distance = 3.0;
            static_cast<ENDamageDataDialog *>(w)->setDamage(record);
            // The photo code ticks the box itself; only unticking it by hand drops the name.
            if (!named)
                formChild<QCheckBox>(*w, "foto")->setChecked(false);
            formChild<QPushButton>(*w, "accept")->click();
        });
        emit video()->wantPicture();
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(code, QStringLiteral("BDA"));
        const QVector<ObservationRecord> now = window->currentInspection()->observations();
        QCOMPARE(now.size(), 2);
        QCOMPARE(now.last().code, QStringLiteral("BDA"));
        QCOMPARE(table()->rowCount(), 2);
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), !named);
        if (named) {
            QVERIFY(!now.last().photoFile.isEmpty());
            QVERIFY(TestVideos::mostlyNonBlack(QImage(files + QLatin1Char('/') + now.last().photoFile)));
            std::unique_ptr<Investigation> reread(Project::loadInspectionFile(path));
            QCOMPARE(reread->observations().size(), 2);
        } else {
            QVERIFY(now.last().photoFile.isEmpty());
            QCOMPARE(TestFiles::readAll(path), before);
            QVERIFY(QDir(files).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty());
        }
    }

    void tiedPhotoName()
    {
        std::unique_ptr<Investigation> inspection = makeInspection(NormEN135082);
        inspection->mutableObservations() = {observation(1, QStringLiteral("BAB"), QTime(), QStringLiteral("img_000001_7.jpg")),
                                             observation(2, QStringLiteral("BAB"), QTime(), QStringLiteral("img_000002_3.jpg"))};
        QCOMPARE(photoFileName(*inspection, ObservationRecord(), QTime(10, 20, 30)), QStringLiteral("img_102030_8.jpg"));
    }

    // Saving the project writes the open inspection first; closing with only the inspection
    // edited asks about the inspection alone, and "Ja" writes it.
    void projectSavesTakeTheOpenInspection_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Projekte_Speichern") << false;
        QTest::newRow("Ja on closing the project") << true;
    }

    void projectSavesTakeTheOpenInspection()
    {
        QFETCH(bool, closing);
        const QString name = QStringLiteral("Saving%1").arg(round);
        const QString k1 = writeInspection(NormEN135082, root + QLatin1Char('/') + name + QStringLiteral("/K1"), QStringLiteral("K1"));
        openProject(name, {});
        doubleClick(0);
        QTest::keyClicks(formChild<QLineEdit>(*mainData(), "street"), QStringLiteral("Weg"));
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        ModalAnswerer answer;
        if (closing) {
            answer.message(MessageDialog::Yes);
            click(QStringLiteral("Projekte_Schließen"));
            QVERIFY(!window->currentProject());
            QVERIFY(!window->currentInspection());
        } else {
            click(QStringLiteral("Projekte_Speichern"));
        }
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), closing ? QStringList{QStringLiteral("Untersuchung \"K1.xml\" speichern?\nÄnderungen gehen sonst verloren!")}
                                         : QStringList());
        QVERIFY(TestFiles::readAll(k1).contains("Weg"));
        QVERIFY(!window->isChanged(MainWindow::InspectionChange));
    }

    // Free text: the user names the picture; a name taken by a picture in the folder is refused.
    void freeTextPhotoIsNamed()
    {
        TestFiles::writeFile(files + QStringLiteral("/img_1.jpg"), "taken");
        openWithVideo(-1, {}, false);
        ModalAnswerer answer;
        // The refusal is answered once the first press has returned to the dialog's loop; the
        // dialog is still there for a second name.
        answer.expect("FileDirNameDialog", [](QWidget *w) {
            auto *input = w->findChild<QLineEdit *>();
            QVERIFY(input);
            QVERIFY(input->text().startsWith(QStringLiteral("img_")));
            input->setText(QStringLiteral("img_1"));
            QTimer::singleShot(0, formChild<QPushButton>(*w, "accept"), &QPushButton::click);
        });
        answer.message(MessageDialog::Ok);
        answer.expect("FileDirNameDialog", [](QWidget *w) {
            w->findChild<QLineEdit *>()->setText(QStringLiteral("neu"));
            formChild<QPushButton>(*w, "accept")->click();
        });
        emit video()->wantPicture();
        QVERIFY2(answer.done(), qPrintable(QString::number(answer.pending()) + answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts().size(), 1);
        QVERIFY(answer.texts().first().startsWith(QStringLiteral("\"img_1\" existiert bereits!")));
        QCOMPARE(QDir(files).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("K1.mpg"), QStringLiteral("img_1.jpg"), QStringLiteral("neu.jpg")}));
        QCOMPARE(TestFiles::readAll(files + QStringLiteral("/img_1.jpg")), QByteArray("taken"));
        QVERIFY(TestVideos::mostlyNonBlack(QImage(files + QStringLiteral("/neu.jpg"))));
    }

    // "Untersuchung starten" turns a free-text inspection into one of a standard.
    void startingAStandard_data()
    {
        QTest::addColumn<QString>("video");    // the free-text inspection's file
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("expected"); // the new file
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("headerAccepted");
        QTest::newRow("EN 13508-2") << QString("K1.mpg") << QString("EN-13508-2") << QString("K1.xml") << int(NormEN135082) << true;
        QTest::newRow("ATV M-143-2") << QString("K1.mpg") << QString("ATV M-143-2") << QString("K1.h") << int(NormATV) << false;
        QTest::newRow("ISYBAU 2001") << QString("K1.mpg") << QString("Isybau2001") << QString("K1.lh") << int(NormIsybau2001) << true;
        QTest::newRow("DanDas") << QString("K1.mpg") << QString("DanDas") << QString("K1.xml") << int(NormDanDas) << false;
        QTest::newRow("a name without a dot") << QString("K1") << QString("EN-13508-2") << QString("K1.xml") << int(NormEN135082) << false;
    }

    void startingAStandard()
    {
        QFETCH(QString, video);
        QFETCH(QString, standard);
        QFETCH(QString, expected);
        QFETCH(int, kind);
        QFETCH(bool, headerAccepted);
        const QString videoPath = files + QLatin1Char('/') + video;
        QVERIFY(QFile::copy(pal, videoPath));
        openFile(videoPath);
        QVERIFY(startButton()->isVisibleTo(toolBox()));
        const QString oldVideo = window->currentInspection()->videoFile();

        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseListEntry(standard));
        const char *header = kind == NormATV || kind == NormIsybau2001 ? "Isybau2001MainDialog" : "ENMainDataDialog";
        if (headerAccepted)
            answer.expect(header, [](QWidget *w) { formChild<QPushButton>(*w, "accept")->click(); });
        else
            answer.reject(header);
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        Investigation *open = window->currentInspection();
        QVERIFY(open);
        QCOMPARE(open->fileName(), expected);
        QCOMPARE(open->normKind(), kind);
        QCOMPARE(QFileInfo(open->folder()).canonicalFilePath(), QFileInfo(files).canonicalFilePath());
        QCOMPARE(open->videoFile(), oldVideo);
        QCOMPARE(window->isChanged(MainWindow::InspectionChange), headerAccepted);
        QCOMPARE(open->isChanged(), headerAccepted);
        QVERIFY(!startButton()->isVisibleTo(toolBox()));
        QCOMPARE(fileWidget()->count(), 2);
        QVERIFY(mainData()->isEnabled());
        QCOMPARE(list()->rowCount(), 1);
        QVERIFY(fileWidget()->isEnabled());
        QVERIFY(!toolBox()->button(QStringLiteral("Projekte_Öffnen"))->isEnabled());
        std::unique_ptr<Investigation> reread(Project::loadInspectionFile(files + QLatin1Char('/') + expected));
        QVERIFY(reread);
        QCOMPARE(reread->normKind(), kind);
        QVERIFY(capture->errors().isEmpty());
    }

    // Other languages offer fewer standards; one alone is taken without asking.
    void standardsByLanguage()
    {
        QCOMPARE(MainWindow::offeredStandards(0),
                 (QStringList{"Isybau2006", "DWA M-149-2", "EN-13508-2", "Isybau2001", "ATV M-143-2", "DanDas"}));
        QCOMPARE(MainWindow::offeredStandards(1), (QStringList{"EN-13508-2", "DanDas"}));
        for (int language : {2, 3, 8, 9})
            QCOMPARE(MainWindow::offeredStandards(language), QStringList{"EN-13508-2"});

        const QString videoPath = files + QStringLiteral("/K1.mpg");
        QVERIFY(QFile::copy(pal, videoPath));
        openFile(videoPath);
        Global::instance()->config()->setLanguage(5); // French: its own EN catalogue
        ModalAnswerer answer;
        answer.reject("ENMainDataDialog");
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentInspection()->normKind(), int(NormEN135082));
        QCOMPARE(Project::catalogLanguage(files + QStringLiteral("/K1.xml")), QStringLiteral("fr"));
    }

    void anExistingFileIsNotReplaced()
    {
        const QString videoPath = files + QStringLiteral("/K1.mpg");
        QVERIFY(QFile::copy(pal, videoPath));
        TestFiles::writeFile(files + QStringLiteral("/K1.xml"), "someone's work");
        openFile(videoPath);
        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseListEntry(QStringLiteral("EN-13508-2")));
        answer.message(MessageDialog::Ok);
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Die Datei \"K1.xml\" existiert bereits!")});
        QCOMPARE(TestFiles::readAll(files + QStringLiteral("/K1.xml")), QByteArray("someone's work"));
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.mpg"));
        QCOMPARE(window->currentInspection()->normKind(), 0);
    }

    // A video whose name without an ending is as long as the file system allows: the new file's
    // name is too long for it, so it cannot be written, and closing must still ask about it.
    void aNewFileThatCannotBeWrittenStaysChanged()
    {
        const QString base = QString(255, QLatin1Char('K'));
        const QString videoPath = files + QLatin1Char('/') + base;
        QVERIFY(QFile::copy(pal, videoPath));
        openFile(videoPath);
        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseListEntry(QStringLiteral("EN-13508-2")));
        answer.reject("ENMainDataDialog");
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        QVERIFY(!QFileInfo::exists(files + QLatin1Char('/') + base + QStringLiteral(".xml")));
        QVERIFY(!capture->errors().isEmpty());
        QCOMPARE(window->currentInspection()->normKind(), int(NormEN135082));
        QVERIFY(window->isChanged(MainWindow::InspectionChange));
        QVERIFY(window->currentInspection()->isChanged());
    }

    // In a project the new inspection takes the old one's place, also on the 3D view.
    void startingInAProject()
    {
        const QString name = QStringLiteral("Start%1").arg(round);
        const QString folder = root + QLatin1Char('/') + name;
        writeInspection(NormEN135082, folder + QStringLiteral("/K0"), QStringLiteral("K0"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/K1")));
        QVERIFY(QFile::copy(pal, folder + QStringLiteral("/K1/K1.mpg")));
        writeInspection(NormEN135082, folder + QStringLiteral("/K2"), QStringLiteral("K2"));
        openProject(name, {});
        Project *project = window->currentProject();
        QCOMPARE(project->inspectionNames(), (QStringList{"K0.xml", "K1.mpg", "K2.xml"}));

        Investigation *old = project->inspectionByName(QStringLiteral("K1.mpg"));
        auto *point = new Point(1.0, 2.0);
        window->currentProject3D()->addObject(point);
        auto *course = new ConnectedInspection(old, new ManipulatedSystem3D, point);
        QVERIFY(course->build(0.0).code.isEmpty());
        window->currentProject3D()->addInspection(course);
        // K2 has a lateral whose branch course shows K1 as well.
        Investigation *k2 = project->inspectionByName(QStringLiteral("K2.xml"));
        ObservationRecord lateral;
        lateral.code = QStringLiteral("BCA");
        lateral.distance = 1.0;
        k2->mutableObservations() = {lateral};
        auto *withBranch = new ConnectedInspection(k2, new ManipulatedSystem3D, point);
        const CourseStep step = withBranch->build(0.0);
        QCOMPARE(step.code, QStringLiteral("BCA"));
        CIEntry entry;
        entry.type = CIEntry::Branch;
        entry.code = step.code;
        entry.meter = step.meter;
        entry.timecode = step.timecode;
        withBranch->addEntry(entry);
        QVERIFY(withBranch->build(0.0).code.isEmpty());
        ConnectedInspection *branch = withBranch->allBranches().value(0);
        QVERIFY(branch);
        branch->setInvestigation(old);
        branch->build(0.0);
        window->currentProject3D()->addInspection(withBranch);
        window->adjustProjectUi();

        doubleClick(1);
        QCOMPARE(window->currentInspection(), old);
        ModalAnswerer answer;
        answer.expect("InputListDialog", chooseListEntry(QStringLiteral("EN-13508-2")));
        answer.reject("ENMainDataDialog");
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
        QCOMPARE(project->inspectionNames(), (QStringList{"K0.xml", "K1.xml", "K2.xml"}));
        QCOMPARE(list()->item(1, 0)->text(), QStringLiteral("K1.xml"));
        // The course shows the new inspection, and is saved with it.
        QCOMPARE(course->investigation(), window->currentInspection());
        QCOMPARE(course->investigationName(), QStringLiteral("K1.xml"));
        QVERIFY(!course->objects().isEmpty());
        QCOMPARE(withBranch->allBranches(), QList<ConnectedInspection *>{branch});
        QCOMPARE(branch->investigation(), window->currentInspection());
        QVERIFY(!branch->objects().isEmpty());
        k2->setChanged(false);
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
        click(QStringLiteral("Projekte_Speichern"));
        const QDomElement saved = TestFiles::xmlRoot(folder + QStringLiteral("/project3d.xml"))
                                      .firstChildElement(QStringLiteral("INSPECTIONS"))
                                      .firstChildElement(QStringLiteral("Inspection"));
        QCOMPARE(saved.attribute(QStringLiteral("Investigation")), QStringLiteral("K1.xml"));
        QCOMPARE(positions(folder + QStringLiteral("/project.xml")),
                 (QMap<QString, QString>{{"K0.xml", "0"}, {"K1.xml", "1"}, {"K2.xml", "2"}}));
        std::unique_ptr<Investigation> reread(Project::loadInspectionFile(folder + QStringLiteral("/K1/K1.xml")));
        QCOMPARE(reread->normKind(), int(NormEN135082));

        // Closing an inspection of a project keeps the list.
        click(QStringLiteral("Untersuchung_Schließen"));
        QVERIFY(!window->currentInspection());
        QCOMPARE(list()->rowCount(), 3);
        QVERIFY(fileWidget()->isEnabled());
    }

    void printingHandsOverTheInspection()
    {
        const QString path = writeInspection(NormEN135082, files, QStringLiteral("K1"));
        openFile(path);
        QStringList listed;
        ModalAnswerer answer;
        answer.expect("PrintDialog", [&listed](QWidget *w) {
            for (QListWidget *list : w->findChildren<QListWidget *>()) {
                for (int i = 0; i < list->count(); ++i) {
                    if (list->isVisibleTo(w))
                        listed << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
                }
            }
            static_cast<QDialog *>(w)->reject();
        });
        click(QStringLiteral("Untersuchung_Drucken"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(listed, QStringList{QStringLiteral("K1.xml+")});
    }

    // Finalizing always ends, with one message that says how it went.
    void finalizing_data()
    {
        QTest::addColumn<QString>("video"); // "good", "missing", "corrupt", "none"
        QTest::addColumn<QString>("message");
        QTest::newRow("2 s video") << QString("good") << QString("Erfolgreich abgeschlossen!");
        QTest::newRow("missing video") << QString("missing") << QString();
        QTest::newRow("corrupt video") << QString("corrupt") << QString();
        QTest::newRow("no video") << QString("none") << QString("Zu dieser Untersuchung gibt es kein Video!");
    }

    void finalizing()
    {
        QFETCH(QString, video);
        QFETCH(QString, message);
        const QString videoPath = files + QStringLiteral("/K1.mpg");
        if (video == QLatin1String("corrupt"))
            QVERIFY(!TestVideos::randomBytes(files, QStringLiteral("K1.mpg")).isEmpty());
        else if (video != QLatin1String("none"))
            QVERIFY(!TestVideos::shortPal(files, QStringLiteral("K1.mpg"), 2).isEmpty());
        const QString earlier = files + QStringLiteral("/K1_finalized.avi");
        if (video != QLatin1String("good"))
            TestFiles::writeFile(earlier, "earlier result");
        openFile(writeInspection(NormEN135082, files, QStringLiteral("K1")));
        QCOMPARE(window->currentInspection()->videoFile().isEmpty(), video == QLatin1String("none"));
        if (video == QLatin1String("missing"))
            QVERIFY(QFile::remove(videoPath));

        ModalAnswerer answer;
        if (video == QLatin1String("good"))
            answer.watchMessage();
        else
            answer.message(MessageDialog::Ok);
        window->toolBox_clicked(QStringLiteral("Untersuchung_Finalisieren"));
        // The modal progress window may come and go between two looks of the answerer.
        QCOMPARE(answer.pending(), 0);
        for (const QString &other : answer.unexpected())
            QCOMPARE(other, QStringLiteral("ProgressDialog"));
        QCOMPARE(answer.texts().size(), 1);
        if (!message.isEmpty())
            QCOMPARE(answer.texts().first(), message);
        else
            QVERIFY(!answer.texts().first().isEmpty() && answer.texts().first() != QStringLiteral("Erfolgreich abgeschlossen!"));
        QVERIFY(window->isEnabled());
        QVERIFY(!window->isBusy());
        if (video == QLatin1String("good"))
            QVERIFY(QFileInfo(earlier).size() > 1000);
        else
            QCOMPARE(TestFiles::readAll(earlier), QByteArray("earlier result"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

private:
    ToolBox *toolBox() const { return formChild<ToolBox>(*window, "toolBox"); }
    QTabWidget *fileWidget() const { return formChild<QTabWidget>(*window, "fileWidget"); }
    QTableWidget *list() const { return formChild<QTableWidget>(*window, "investList"); }
    QTableWidget *table() const { return formChild<QTableWidget>(*window, "tableWidget"); }
    MainDataWidget *mainData() const { return formChild<MainDataWidget>(*window, "mainDataWidget"); }
    VideoForm *video() const { return formChild<VideoForm>(*window, "videoWidget"); }
    QPushButton *playButton() const { return formChild<QPushButton>(*video(), "play"); }
    QPushButton *startButton() const { return toolBox()->button(QStringLiteral("Untersuchung_Untersuchung starten")); }

    void click(const QString &key)
    {
        QPushButton *button = toolBox()->button(key);
        QVERIFY2(button, qPrintable(key));
        button->click();
    }

    // "Untersuchung_Öffnen" with the file chosen in the file dialog.
    void openFile(const QString &path)
    {
        ModalAnswerer answer;
        answer.expect("QFileDialog", chooseFile(path));
        click(QStringLiteral("Untersuchung_Öffnen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
    }

    // Opens the project of that name through the panel; a folder without a project file gets
    // one from its sub-folders first.
    void openProject(const QString &name, const QStringList &)
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
    }

    // Opens an inspection of the standard (free text: the video) with a 20 s video, played until
    // a picture shows, then paused unless playing. The path of the file opened.
    void openWithVideo(int kind, const QVector<ObservationRecord> &observations, bool playing, QString *opened = nullptr)
    {
        const QString videoPath = files + QStringLiteral("/K1.mpg");
        QVERIFY(QFile::copy(longVideo, videoPath));
        const QString path = kind >= 0 ? writeInspection(kind, files, QStringLiteral("K1"), observations) : videoPath;
        QVERIFY(!path.isEmpty());
        openFile(path);
        QVERIFY(window->currentInspection());
        playButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(video()->position() > QTime(0, 0), kWatchdogMs);
        if (!playing)
            video()->on_pause_clicked();
        if (opened)
            *opened = path;
    }

    static ModalAnswerer::Action chooseListEntry(const QString &text)
    {
        return [text](QWidget *w) {
            auto *entries = formChild<QListWidget>(*w, "listWidget");
            const QList<QListWidgetItem *> found = entries->findItems(text, Qt::MatchExactly);
            QVERIFY2(!found.isEmpty(), qPrintable(text));
            entries->setCurrentItem(found.first());
            formChild<QPushButton>(*w, "accept")->click();
        };
    }

    // Name -> Position of the inspections in a "project.xml".
    static QMap<QString, QString> positions(const QString &path)
    {
        QMap<QString, QString> result;
        QDomDocument document;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
            return result;
        const QDomNodeList entries = document.elementsByTagName(QStringLiteral("Inspection"));
        for (int i = 0; i < entries.size(); ++i) {
            const QDomElement e = entries.at(i).toElement();
            result.insert(e.firstChildElement(QStringLiteral("Name")).text(),
                          e.firstChildElement(QStringLiteral("Position")).text());
        }
        return result;
    }

    void doubleClick(int row)
    {
        QTableWidgetItem *item = list()->item(row, 0);
        QVERIFY(item);
        QWidget *viewport = list()->viewport();
        const QPoint at = list()->visualItemRect(item).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString root;
    QString videos;
    QString pal;
    QString longVideo;
    QString files;
    int round = 0;
};

ZZ_VIDEO_X11_TEST_MAIN(TestInspection)
#include "tst_inspection.moc"
