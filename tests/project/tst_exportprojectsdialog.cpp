#include "project/exportprojectsdialog.h"

#include "project/burner/burntestsupport.h"

#include "foundation/config.h"
#include "foundation/filehelper.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "project/burner/disc.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace TestFiles;

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    writeFile(path, bytes);
}

const QString kRefusal = QStringLiteral("Sie versuchen, Daten in das aktuelle Projektverzeichnis zu exportieren. \n"
                                        "Bitte wählen Sie ein anderes Verzeichnis für den Export.");

} // namespace

class TestExportProjectsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        data = Global::instance()->dataDirectory();
        QVERIFY(QDir().mkpath(data));
        app = env->root() + QStringLiteral("/app");
        put(app + QStringLiteral("/data/viewerFiles.txt"), "bin/\ndata/x.txt\n");
        put(app + QStringLiteral("/bin/viewer"), "program");
        put(app + QStringLiteral("/bin/lib/a.so"), "library");
        put(app + QStringLiteral("/data/x.txt"), "x");
        put(app + QStringLiteral("/data/RazarEzazez.js"), "script");
        put(app + QStringLiteral("/data/autorun.inf"), "[autorun]");
    }
    void init()
    {
        capture->clear();
        put(data + QStringLiteral("/tsfirm.ini"), "firm");
        put(data + QStringLiteral("/tsconfig.ini"), "config");
        root = env->root() + QStringLiteral("/Projekte%1").arg(++round);
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        Global::instance()->settings()->remove(QStringLiteral("main/exportpath"));
        FileHelper::setFreeSpaceQuery([](const QString &) { return 1e6; });
        project.reset(Project::create(QStringLiteral("P"), root));
        QVERIFY(project);
        put(root + QStringLiteral("/P/K1/K1.mpg"), QByteArray(4096, 'v'));
    }
    void cleanup()
    {
        FileHelper::setFreeSpaceQuery({});
        project.reset();
    }
    void cleanupTestCase()
    {
        capture.reset();
        env.reset();
    }

    void stagingHoldsTheViewerPackage()
    {
        // Left by an earlier run that crashed: must be replaced, not exported.
        put(data + QStringLiteral("/zozorure_viewer/Viewer/data/tsfirm.ini"), "old firm");
        put(data + QStringLiteral("/zozorure_viewer/Viewer/data/x.txt"), "old x");
        put(data + QStringLiteral("/zozorure_viewer/Viewer/stale.txt"), "stale");
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        const QString staging = dialog->viewerStaging();
        QCOMPARE(staging, data + QStringLiteral("/zozorure_viewer/"));
        QCOMPARE(readAll(staging + QStringLiteral("Viewer/bin/viewer")), QByteArray("program"));
        QCOMPARE(readAll(staging + QStringLiteral("Viewer/bin/lib/a.so")), QByteArray("library"));
        QCOMPARE(readAll(staging + QStringLiteral("Viewer/data/x.txt")), QByteArray("x"));
        QCOMPARE(readAll(staging + QStringLiteral("RazarEzazez.js")), QByteArray("script"));
        QCOMPARE(readAll(staging + QStringLiteral("autorun.inf")), QByteArray("[autorun]"));
        QCOMPARE(readAll(staging + QStringLiteral("Viewer/data/tsfirm.ini")), QByteArray("firm"));
        QCOMPARE(readAll(staging + QStringLiteral("Viewer/data/tsconfig.ini")), QByteArray("config"));
        QVERIFY(!QFileInfo::exists(staging + QStringLiteral("Viewer/stale.txt")));
        const QImage icon(staging + QStringLiteral("Viewer/programm.ico"));
        QCOMPARE(icon.size(), QSize(128, 128));
        QVERIFY(capture->errors().isEmpty());
        QVERIFY(dialog->viewerSizeMB() > 0.0);
        // The preselected project and the viewer are both counted.
        const double projectMB = FileHelper::folderSizeKB(root + QStringLiteral("/P")) / 1024.0;
        QCOMPARE(formChild<QDoubleSpinBox>(*dialog, "sizeLabel")->value(),
                 std::round((projectMB + dialog->viewerSizeMB()) * 100) / 100);
        dialog.reset();
        QVERIFY(!QFileInfo::exists(staging));
    }

    void missingConfigurationIsReported()
    {
        QVERIFY(QFile::remove(data + QStringLiteral("/tsconfig.ini")));
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("tsconfig.ini")));
        QVERIFY(QFileInfo::exists(dialog->viewerStaging() + QStringLiteral("Viewer/data/tsfirm.ini")));
    }

    void folderExportHasNoAutorun()
    {
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        const QString target = env->root() + QStringLiteral("/Stick%1").arg(round);
        QVERIFY(QDir().mkpath(target));
        dialog->setFolderChooser([&](QWidget *, const QString &, const QString &) { return target; });
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_usb_clicked"));
        QVERIFY(QFileInfo::exists(target + QStringLiteral("/Viewer/bin/viewer")));
        QVERIFY(QFileInfo::exists(target + QStringLiteral("/Viewer/programm.ico")));
        QVERIFY(QFileInfo::exists(target + QStringLiteral("/RazarEzazez.js")));
        QVERIFY(QFileInfo::exists(target + QStringLiteral("/P/project.xml")));
        QCOMPARE(readAll(target + QStringLiteral("/P/K1/K1.mpg")).size(), 4096);
        QVERIFY(!QFileInfo::exists(target + QStringLiteral("/autorun.inf")));
        QVERIFY(QFileInfo::exists(dialog->viewerStaging() + QStringLiteral("autorun.inf")));
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("main/exportpath")).toString(), target);
        QVERIFY(dialog->isEnabled());
    }

    void exportIntoTheProjectsIsRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("refused");
        QTest::newRow("projects root") << "" << true;
        QTest::newRow("the project") << "/P" << true;
        QTest::newRow("inside the project") << "/P/K1" << true;
        QTest::newRow("a sibling named alike") << "/P2" << false;
    }
    void exportIntoTheProjectsIsRefused()
    {
        QFETCH(QString, target);
        QFETCH(bool, refused);
        const QString chosen = root + target;
        QVERIFY(QDir().mkpath(chosen));
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        dialog->setFolderChooser([&](QWidget *, const QString &, const QString &) { return chosen; });
        ModalAnswerer answer;
        if (refused)
            answer.message(MessageDialog::Ok);
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_usb_clicked"));
        QCOMPARE(answer.pending(), 0);
        QVERIFY(onlyProgressCame(answer));
        QCOMPARE(answer.texts(), refused ? QStringList{kRefusal} : QStringList{});
        QCOMPARE(QFileInfo::exists(chosen + QStringLiteral("/RazarEzazez.js")), !refused);
        QCOMPARE(Global::instance()->settings()->contains(QStringLiteral("main/exportpath")), !refused);
    }

    void spaceIsCheckedToTheHundredth_data()
    {
        QTest::addColumn<double>("shortBy");
        QTest::newRow("equal") << 0.0;
        QTest::newRow("a hundredth short") << 0.01;
    }
    void spaceIsCheckedToTheHundredth()
    {
        QFETCH(double, shortBy);
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        const double needed = formChild<QDoubleSpinBox>(*dialog, "sizeLabel")->value();
        QVERIFY(needed > 0.0);
        FileHelper::setFreeSpaceQuery([&](const QString &) { return needed - shortBy; });
        const QString target = env->root() + QStringLiteral("/Space%1").arg(round);
        QVERIFY(QDir().mkpath(target));
        dialog->setFolderChooser([&](QWidget *, const QString &, const QString &) { return target; });
        ModalAnswerer answer;
        if (shortBy > 0)
            answer.watchMessage();
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_usb_clicked"));
        QCOMPARE(answer.pending(), 0);
        QVERIFY(onlyProgressCame(answer));
        if (shortBy > 0) {
            QCOMPARE(answer.texts(), QStringList{QStringLiteral("Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. "
                                                                "Es werden %1MB benötigt, aber nur %2MB sind vorhanden.")
                                                     .arg(needed, 0, 'f', 2)
                                                     .arg(needed - 0.01, 0, 'f', 2)});
            QVERIFY(!QFileInfo::exists(target + QStringLiteral("/P")));
        } else {
            QVERIFY(QFileInfo::exists(target + QStringLiteral("/P/project.xml")));
        }
        QVERIFY(dialog->isEnabled());
    }

    void selectionEditing()
    {
        delete Project::create(QStringLiteral("P"), root + QStringLiteral("/Sub"));
        delete Project::create(QStringLiteral("Q"), root + QStringLiteral("/Sub"));
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        auto *list = formChild<QListWidget>(*dialog, "listWidget");
        auto *exportList = formChild<QListWidget>(*dialog, "exportList");
        auto doubleClick = [&](const QString &text) {
            const auto found = list->findItems(text, Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_listWidget_itemDoubleClicked",
                                              Q_ARG(QListWidgetItem *, found.first())));
        };
        QCOMPARE(exportList->count(), 1);
        doubleClick(QStringLiteral("Sub"));
        doubleClick(QStringLiteral("Q"));
        QCOMPARE(dialog->selection().value(QStringLiteral("Q")), QStringLiteral("Sub/Q"));
        ModalAnswerer answer;
        answer.watchMessage();
        doubleClick(QStringLiteral("P"));
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Ein Projekt mit dem Namen P ist bereits zum Exportieren ausgewählt!")});
        QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        QCOMPARE(dialog->selection().value(QStringLiteral("P")), QStringLiteral("P"));

        auto pressDelete = [&] {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
            QApplication::sendEvent(exportList, &release);
        };
        exportList->setCurrentRow(-1);
        pressDelete();
        QCOMPARE(dialog->selection().keys(), (QStringList{QStringLiteral("P"), QStringLiteral("Q")}));
        exportList->setCurrentRow(1);
        pressDelete();
        QCOMPARE(dialog->selection().keys(), QStringList{QStringLiteral("P")});
        exportList->setCurrentRow(0);
        pressDelete();
        QVERIFY(dialog->selection().isEmpty());

        // With nothing selected the viewer adds nothing, whatever the box says.
        auto *viewer = formChild<QCheckBox>(*dialog, "viewer");
        viewer->setChecked(false);
        viewer->setChecked(true);
        QCOMPARE(formChild<QDoubleSpinBox>(*dialog, "sizeLabel")->value(), 0.0);
    }

    void burnStagesProjectsAndViewer()
    {
        put(data + QStringLiteral("/zozorure_export/Old/project.xml"), "old");
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        QStringList handed;
        QString name;
        QStringList onDisc;
        dialog->setDiscWriter([&](const QStringList &folders, const QString &discName, QWidget *) {
            handed = folders;
            name = discName;
            for (const QString &folder : folders)
                onDisc += QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
        });
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_accept_clicked"));
        QCOMPARE(handed, (QStringList{data + QStringLiteral("/zozorure_export/"), data + QStringLiteral("/zozorure_viewer/")}));
        QCOMPARE(name, QStringLiteral("DVD"));
        QCOMPARE(onDisc, (QStringList{QStringLiteral("P"), QStringLiteral("RazarEzazez.js"), QStringLiteral("Viewer"),
                                      QStringLiteral("autorun.inf")}));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/zozorure_export")));

        formChild<QCheckBox>(*dialog, "viewer")->setChecked(false);
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_accept_clicked"));
        QCOMPARE(handed, QStringList{data + QStringLiteral("/zozorure_export/")});
    }

    void burnWritesADiscImage()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("disc.iso"));
        Disc::addFileDrive(QStringLiteral("stdio:") + image);
        BurnTest::InhibitorLog inhibitor;
        std::unique_ptr<ExportProjectsDialog> dialog(loaded());
        ModalAnswerer answer;
        answer.expect("DVDDialog", [](QWidget *disc) {
            QTRY_VERIFY(disc->isEnabled());
            auto *start = disc->findChild<QPushButton *>(QStringLiteral("startBurning"));
            QVERIFY(start && start->isEnabled());
            QTest::mouseClick(start, Qt::LeftButton);
            auto *close = disc->findChild<QPushButton *>(QStringLiteral("close"));
            QTRY_VERIFY(close->isVisible() && close->isEnabled());
            QTest::mouseClick(close, Qt::LeftButton);
        });
        QVERIFY(QMetaObject::invokeMethod(dialog.get(), "on_accept_clicked"));
        Disc::removeFileDrives();
        QCOMPARE(answer.pending(), 0);
        QVERIFY(onlyProgressCame(answer));
        const QString extracted = dir.filePath(QStringLiteral("read"));
        QString output;
        QVERIFY2(BurnTest::extractImage(image, extracted, &output), qPrintable(output));
        QCOMPARE(QDir(extracted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{QStringLiteral("P"), QStringLiteral("RazarEzazez.js"), QStringLiteral("Viewer"),
                              QStringLiteral("autorun.inf")}));
        QVERIFY(QFileInfo::exists(extracted + QStringLiteral("/P/project.xml")));
        QVERIFY(QFileInfo::exists(extracted + QStringLiteral("/Viewer/programm.ico")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/zozorure_export")));
    }

private:
    // The copy shows its progress window; nothing else may come.
    static bool onlyProgressCame(const ModalAnswerer &answer)
    {
        const QStringList unexpected = answer.unexpected();
        return unexpected.count(QStringLiteral("ProgressDialog")) == unexpected.size();
    }

    // A dialog with the project P preselected, once its viewer package is assembled.
    ExportProjectsDialog *loaded()
    {
        auto *dialog = new ExportProjectsDialog(project.get());
        dialog->setApplicationDirectory(app);
        QSignalSpy spy(dialog, &ExportProjectsDialog::finishedLoading);
        if (!spy.wait(10000))
            qWarning("the viewer package was not assembled");
        return dialog;
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<Project> project;
    QString data;
    QString app;
    QString root;
    int round = 0;
};

QTEST_MAIN(TestExportProjectsDialog)
#include "tst_exportprojectsdialog.moc"
