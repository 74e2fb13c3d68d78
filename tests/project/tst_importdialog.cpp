#include "project/importdialog.h"

#include "foundation/filehelper.h"
#include "foundation/global.h"
#include "foundation/listwidget.h"
#include "foundation/messagedialog.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace TestFiles;

namespace {

const QString kRefusal = QStringLiteral("Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. \n"
                                        "Bitte wählen Sie einen anderen Import-Pfad.");

// Writes the file, making its folder first.
void put(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    writeFile(path, bytes);
}

QStringList itemTexts(const ListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class TestImportDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/Projekte");
        source = env->root() + QStringLiteral("/Stick");
        QVERIFY(QDir().mkpath(root + QStringLiteral("/P")));
        QVERIFY(QDir().mkpath(source));
        Global::instance()->settings()->remove(QStringLiteral("importdia/path"));
        project.reset(new Project(root + QStringLiteral("/P/project.xml")));
        QVERIFY(QFile::exists(project->path()));
    }
    void cleanup()
    {
        FileHelper::setFreeSpaceQuery({});
        project.reset();
        capture.reset();
        env.reset();
    }

    void scanListsInspectionFolders()
    {
        put(source + QStringLiteral("/A/A.xml"), "<Doc><FD/></Doc>");
        put(source + QStringLiteral("/B/readme.txt"), "x");
        put(source + QStringLiteral("/C/C.h"), "x");
        for (const QString &video : {QStringLiteral("v1.mpg"), QStringLiteral("v2.avi"), QStringLiteral("v3.ts")})
            put(source + QStringLiteral("/C/") + video, "v");
        put(source + QStringLiteral("/D/E/E.xml"), "x");

        ImportDialog dialog(project.get());
        auto *list = formChild<ListWidget>(dialog, "importList");
        auto *accept = formChild<QPushButton>(dialog, "accept");
        auto *path = formChild<QLineEdit>(dialog, "importPath");
        QCOMPARE(path->text(), QStringLiteral("kein Verzeichnis gewählt"));
        QVERIFY(!accept->isEnabled());

        choose(dialog, source);
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral("A"), QStringLiteral("C/v1.mpg"), QStringLiteral("C/v2.avi"),
                                               QStringLiteral("C/v3.ts")}));
        QVERIFY(list->item(0)->icon().isNull());
        QVERIFY(!list->item(1)->icon().isNull());
        QCOMPARE(list->item(0)->checkState(), Qt::Checked);
        QVERIFY(accept->isEnabled());
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("importdia/path")).toString(), source);

        // An inspection folder chosen itself: its parent is listed.
        choose(dialog, source + QStringLiteral("/A"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(path->text(), source);
        QCOMPARE(dialog.importFolder(), source);

        // The folder chosen last is listed again when the dialog comes back.
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("importdia/path")).toString(), source + QStringLiteral("/A"));
        ImportDialog again(project.get());
        QCOMPARE(formChild<ListWidget>(again, "importList")->count(), 4);
        QCOMPARE(formChild<QLineEdit>(again, "importPath")->text(), source);

        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(Qt::Unchecked);
        QVERIFY(!accept->isEnabled());
        list->item(2)->setCheckState(Qt::Checked);
        QVERIFY(accept->isEnabled());
    }

    void heldInspectionsAreGreyed()
    {
        put(source + QStringLiteral("/A/A.xml"), "<Doc><FD/></Doc>");
        put(source + QStringLiteral("/B/B.h"), "x");
        auto *held = new Freetext;
        held->setFileName(QStringLiteral("A.mpg"));
        project->addInspection(held);
        ImportDialog dialog(project.get());
        choose(dialog, source);
        auto *list = formChild<ListWidget>(dialog, "importList");
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
        QCOMPARE(list->item(1)->checkState(), Qt::Checked);
    }

    // Names are compared as written: "[", "*" and "?" are no patterns. An inspection the project
    // holds is offered unchecked and never copied over.
    void heldNamesAreComparedLiterally_data()
    {
        QTest::addColumn<QString>("held"); // the file name of the project's inspection
        QTest::addColumn<QString>("entry"); // the import folder's inspection folder
        QTest::addColumn<bool>("offered");
        QTest::newRow("brackets, held") << "A[1].xml" << "A[1]" << false;
        QTest::newRow("brackets, another held") << "A1.xml" << "A[1]" << true;
        QTest::newRow("star") << "B.xml" << "*" << true;
        QTest::newRow("question mark") << "B.xml" << "?" << true;
    }
    void heldNamesAreComparedLiterally()
    {
        QFETCH(QString, held);
        QFETCH(QString, entry);
        QFETCH(bool, offered);
        const QString heldBase = held.left(held.lastIndexOf(QLatin1Char('.')));
        auto inspection = makeInspection(NormDWAM1492);
        QVERIFY(QDir().mkpath(root + QStringLiteral("/P/") + heldBase));
        inspection->setFolder(root + QStringLiteral("/P/") + heldBase);
        inspection->setFileName(held);
        inspection->mutableMainData().street = QStringLiteral("im Projekt");
        QVERIFY(inspection->save());
        const QString heldFile = inspection->filePath();
        const QByteArray heldBytes = readAll(heldFile);
        Investigation *holding = inspection.release();
        project->addInspection(holding);

        auto imported = makeInspection(NormDWAM1492);
        QVERIFY(QDir().mkpath(source + QLatin1Char('/') + entry));
        imported->setFolder(source + QLatin1Char('/') + entry);
        imported->setFileName(entry + QStringLiteral(".xml"));
        imported->mutableMainData().street = QStringLiteral("vom Stick");
        QVERIFY(imported->save());

        ImportDialog dialog(project.get());
        choose(dialog, source);
        auto *list = formChild<ListWidget>(dialog, "importList");
        QCOMPARE(itemTexts(list), QStringList{entry});
        QCOMPARE(list->item(0)->checkState(), offered ? Qt::Checked : Qt::Unchecked);
        QCOMPARE(list->item(0)->flags() == Qt::NoItemFlags, !offered);
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");

        QCOMPARE(readAll(heldFile), heldBytes);
        QCOMPARE(project->inspectionByName(held), holding);
        QCOMPARE(holding->mainData().street, QStringLiteral("im Projekt"));
        QCOMPARE(project->inspectionCount(), offered ? 2 : 1);
        if (offered)
            QCOMPARE(project->inspectionByName(entry + QStringLiteral(".xml"))->mainData().street, QStringLiteral("vom Stick"));
    }

    // A folder whose inspection cannot be loaded is reported and leaves nothing in the project:
    // a new folder goes again, a folder that was there keeps only what it held.
    void aFolderThatFailsToLoadLeavesNothing()
    {
        put(source + QStringLiteral("/U/U.xml"), "<Doc><broken"); // of no kind that can be told
        put(source + QStringLiteral("/U/U.mpg"), "u");
        put(source + QStringLiteral("/N/anders.xml"), "<Doc/>"); // no file named after the folder
        put(source + QStringLiteral("/M/M.xml"), "<Doc><broken");
        put(source + QStringLiteral("/M/neu.txt"), "neu");
        put(source + QStringLiteral("/M/sub/tief.txt"), "neu");
        put(root + QStringLiteral("/P/M/alt.mpg"), "alt");
        put(source + QStringLiteral("/G/G.mpg"), "g");
        const QStringList before = QDir(root + QStringLiteral("/P")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);

        ImportDialog dialog(project.get());
        choose(dialog, source);
        QCOMPARE(itemTexts(formChild<ListWidget>(dialog, "importList")),
                 (QStringList{QStringLiteral("G"), QStringLiteral("M"), QStringLiteral("N"), QStringLiteral("U")}));
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");

        QCOMPARE(capture->errors().size(), 3);
        QCOMPARE(project->inspectionNames(), QStringList{QStringLiteral("G.mpg")});
        QStringList expected = before + QStringList{QStringLiteral("G")};
        expected.sort();
        QCOMPARE(QDir(root + QStringLiteral("/P")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), expected);
        QCOMPARE(QDir(root + QStringLiteral("/P/M")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("alt.mpg")});
        QCOMPARE(readAll(root + QStringLiteral("/P/M/alt.mpg")), QByteArray("alt"));
    }

    // The project's own folder looks like an inspection folder (its "project.xml"); it is never
    // listed, and importing from it, from inside it or from a folder holding it is refused.
    void ownProjectIsRefused_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("projects root") << "Projekte";
        QTest::newRow("above the root") << "";
        QTest::newRow("the project") << "Projekte/P";
        QTest::newRow("inside the project") << "Projekte/P/Import";
    }
    void ownProjectIsRefused()
    {
        QFETCH(QString, folder);
        const QString chosen = QDir::cleanPath(env->root() + QLatin1Char('/') + folder);
        put(root + QStringLiteral("/P/Import/K1/K1.h"), "x");
        put(root + QStringLiteral("/P/K9/K9.h"), "x");
        put(root + QStringLiteral("/Q/Q.h"), "x");
        ImportDialog dialog(project.get());
        choose(dialog, chosen);
        auto *list = formChild<ListWidget>(dialog, "importList");
        QVERIFY(!itemTexts(list).contains(QStringLiteral("P")));
        QVERIFY(!itemTexts(list).contains(QStringLiteral("Projekte")));
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(Qt::Checked);

        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{kRefusal});
        QVERIFY(dialog.isEnabled());
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P/K1")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P/P")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P/Q")));
        QCOMPARE(project->inspectionCount(), 0);
    }

    void spaceCheckInMegabytes()
    {
        put(source + QStringLiteral("/A/A.mpg"), QByteArray(3 * 1024 * 1024, 'v'));
        QString asked;
        FileHelper::setFreeSpaceQuery([&asked](const QString &path) {
            asked = path;
            return 2.5;
        });
        ImportDialog dialog(project.get());
        choose(dialog, source);
        ModalAnswerer answer;
        answer.watchMessage();
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Es ist nicht genügend Speicher zum Importieren vorhanden.\n"
                                                            "Es werden 3.00MB benötigt, aber nur 2.50MB sind vorhanden.")});
        QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        QCOMPARE(asked, project->folder());
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/P/A")));

        // Enough room: 3 MB fit into 3 MB.
        FileHelper::setFreeSpaceQuery([](const QString &) { return 3.0; });
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/P/A/A.mpg")));
        QCOMPARE(project->inspectionNames(), QStringList{QStringLiteral("A.mpg")});
    }

    void importCopiesLoadsAndNamesVideos()
    {
        auto en = makeInspection(NormEN135082);
        QVERIFY(QDir().mkpath(source + QStringLiteral("/A")));
        en->setFolder(source + QStringLiteral("/A"));
        en->setFileName(QStringLiteral("A.xml"));
        QVERIFY(en->save());
        put(source + QStringLiteral("/A/A.mpg"), "a");
        put(source + QStringLiteral("/C/C.h"), "x");
        for (const QString &video : {QStringLiteral("v1.mpg"), QStringLiteral("v2.avi"), QStringLiteral("v3.ts")})
            put(source + QStringLiteral("/C/") + video, "v");
        put(source + QStringLiteral("/K1/K1_alt.mpg"), "k1");
        put(source + QStringLiteral("/K2/K2.ts"), "k2");
        put(source + QStringLiteral("/K3/K3_alt.ts"), "k3");
        // Merged into a project folder that holds a video already: two videos, none renamed.
        put(source + QStringLiteral("/K4/K4_alt.mpg"), "neu");
        put(source + QStringLiteral("/K4/notiz.txt"), "neu");
        put(root + QStringLiteral("/P/K4/K4.mpg"), "alt");
        put(root + QStringLiteral("/P/K4/notiz.txt"), "alt");

        ImportDialog dialog(project.get());
        choose(dialog, source);
        auto *list = formChild<ListWidget>(dialog, "importList");
        QCOMPARE(itemTexts(list), (QStringList{QStringLiteral("A"), QStringLiteral("C/v1.mpg"), QStringLiteral("C/v2.avi"),
                                               QStringLiteral("C/v3.ts"), QStringLiteral("K1"), QStringLiteral("K2"),
                                               QStringLiteral("K3"), QStringLiteral("K4")}));
        list->item(1)->setCheckState(Qt::Unchecked);
        list->item(3)->setCheckState(Qt::Unchecked);
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join(QLatin1Char('\n'))));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const QString p = root + QStringLiteral("/P/");
        QCOMPARE(project->inspectionNames(), (QStringList{QStringLiteral("A.xml"), QStringLiteral("v2.avi"), QStringLiteral("K1.mpg"),
                                                         QStringLiteral("K2.ts"), QStringLiteral("K3.ts"), QStringLiteral("K4.mpg")}));
        QCOMPARE(project->inspectionByName(QStringLiteral("A.xml"))->normKind(), NormKind(NormEN135082));
        QCOMPARE(project->inspectionByName(QStringLiteral("A.xml"))->videoFile(), p + QStringLiteral("A/A.mpg"));
        QCOMPARE(QDir(p + QStringLiteral("v2")).entryList(QDir::Files), QStringList{QStringLiteral("v2.avi")});
        QCOMPARE(project->inspectionByName(QStringLiteral("v2.avi"))->videoFile(), p + QStringLiteral("v2/v2.avi"));
        QCOMPARE(readAll(p + QStringLiteral("K1/K1.mpg")), QByteArray("k1"));
        QCOMPARE(readAll(p + QStringLiteral("K2/K2.ts")), QByteArray("k2"));
        QCOMPARE(readAll(p + QStringLiteral("K3/K3.ts")), QByteArray("k3"));
        QCOMPARE(QDir(p + QStringLiteral("K4")).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("K4.mpg"), QStringLiteral("K4_alt.mpg"), QStringLiteral("notiz.txt")}));
        QCOMPARE(readAll(p + QStringLiteral("K4/notiz.txt")), QByteArray("neu"));
        QVERIFY(!QFileInfo::exists(p + QStringLiteral("K4/K4")));
    }

    void failedCopyIsReported()
    {
        put(source + QStringLiteral("/F/F.h"), "x");
        put(source + QStringLiteral("/G/G.mpg"), "g");
        put(root + QStringLiteral("/P/F"), "a file where the folder would go");
        ImportDialog dialog(project.get());
        choose(dialog, source);
        QMetaObject::invokeMethod(&dialog, "on_accept_clicked");
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("F")));
        QCOMPARE(project->inspectionNames(), QStringList{QStringLiteral("G.mpg")});
    }

    void loadInspectionByKind_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("kind");
        QTest::newRow(".h") << "K.h" << int(NormATV);
        QTest::newRow(".lh") << "K.lh" << int(NormIsybau2001);
        QTest::newRow("EN") << "K.xml" << int(NormEN135082);
        QTest::newRow("DWA") << "K.xml" << int(NormDWAM1492);
        QTest::newRow("ISYBAU 2006") << "K.xml" << int(NormIsybau2006);
        QTest::newRow("DanDas") << "K.xml" << int(NormDanDas);
        QTest::newRow("video") << "K.MP4" << int(NormFreetext);
        QTest::newRow("unknown") << "K.xml" << int(Project::UnknownKind);
        QTest::newRow("nothing") << "other.txt" << int(Project::UnknownKind);
    }
    void loadInspectionByKind()
    {
        QFETCH(QString, fileName);
        QFETCH(int, kind);
        const QString folder = root + QStringLiteral("/P/K");
        QVERIFY(QDir().mkpath(folder));
        if (kind > 0) {
            auto inspection = makeInspection(kind);
            inspection->setFolder(folder);
            inspection->setFileName(fileName);
            QVERIFY(inspection->save());
        } else {
            put(folder + QLatin1Char('/') + fileName, "<Doc>");
        }
        ImportDialog dialog(project.get());
        Investigation *loaded = dialog.loadInspection(QStringLiteral("K"));
        if (kind == Project::UnknownKind) {
            QVERIFY(!loaded);
            QCOMPARE(capture->errors().size(), 1);
            QCOMPARE(project->inspectionCount(), 0);
            return;
        }
        QVERIFY(loaded);
        QCOMPARE(loaded->normKind(), kind);
        QCOMPARE(loaded->fileName(), fileName);
        QCOMPARE(project->inspections(), QList<Investigation *>{loaded});
        // Loaded again (a merged folder), it replaces the inspection it held.
        Investigation *again = dialog.loadInspection(QStringLiteral("K"));
        QCOMPARE(project->inspections(), QList<Investigation *>{again});
    }

private:
    void choose(ImportDialog &dialog, const QString &folder)
    {
        QString asked;
        dialog.setFolderChooser([folder, &asked](QWidget *, const QString &title, const QString &) {
            asked = title;
            return folder;
        });
        QTest::mouseClick(formChild<QPushButton>(dialog, "chooseImport"), Qt::LeftButton);
        QCOMPARE(asked, QStringLiteral("Import-Verzeichnis wählen"));
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<Project> project;
    QString root;
    QString source;
};

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
