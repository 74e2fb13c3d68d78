#include "foundation/config.h"
#include "foundation/filehelper.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/selectabletextitem.h"
#include "project/openprojectdialog.h"
#include "project/project.h"
#include "project/project3d.h"
#include "view3d/camera.h"
#include "view3d/duct.h"
#include "support/filesizelimit.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace TestFiles;

// Every store of the program on a disk that fills up while it writes: the save says it failed,
// and the file it was to replace is still there as it was, with nothing left beside it.
namespace {

// What each store's save ended in, as the child process reports it.
enum Outcome {
    FailedAndSaidSo = 0, // false, and the store's message names the file
    ClaimedSuccess = 1,
    FailedSilently = 2, // false, but no message named the file
};

// Writes beyond this fail; every old file is smaller, every new content larger.
const qint64 kLimit = 4096;
// Text that makes any of the files larger than the limit, but not larger than what Qt's file
// classes hold back before they write: it reaches the disk only when the file is closed.
const QString kLong(6000, QLatin1Char('x'));

int outcome(bool saved, const QStringList &messages, const QString &fileName)
{
    if (saved)
        return ClaimedSuccess;
    for (const QString &message : messages) {
        if (message.contains(fileName))
            return FailedAndSaidSo;
    }
    return FailedSilently;
}

// The messages are read here, after the save: as arguments they could be taken before it.
int outcome(bool saved, const ReporterCapture *capture, const QString &fileName)
{
    return outcome(saved, capture->errors(), fileName);
}

// A store with files written once: those that a failed save must leave as they are, and the
// save that is to fail.
struct Attempt
{
    QStringList kept;
    std::function<int()> save;
};

using Store = std::function<Attempt(const QString &folder, ReporterCapture *capture)>;

Attempt inspectionAndSideFile(const QString &folder, ReporterCapture *capture)
{
    std::shared_ptr<Investigation> inspection = makeInspection(NormEN135082);
    inspection->setFolder(folder + QLatin1Char('/'));
    inspection->setFileName(QStringLiteral("H1.xml"));
    inspection->mutableMainData().client = QStringLiteral("Kunde");
    if (!inspection->save())
        return {};
    return {{folder + QStringLiteral("/H1.xml"), folder + QStringLiteral("/H1.dat")}, [inspection, capture] {
                inspection->mutableMainData().client = kLong;
                return outcome(inspection->save(), capture, QStringLiteral("H1.xml"));
            }};
}

std::shared_ptr<Investigation> isybau2001(const QString &folder, const QString &name)
{
    std::shared_ptr<Investigation> inspection = makeInspection(NormIsybau2001);
    inspection->setFolder(folder + QLatin1Char('/'));
    inspection->setFileName(name);
    inspection->mutableMainData().sectionName = QStringLiteral("H2");
    inspection->mutableMainData().town = QStringLiteral("Ort");
    return inspection->save() ? inspection : nullptr;
}

Attempt isybau2001File(const QString &folder, ReporterCapture *capture)
{
    const std::shared_ptr<Investigation> inspection = isybau2001(folder, QStringLiteral("H2.h"));
    if (!inspection)
        return {};
    return {{folder + QStringLiteral("/H2.h"), folder + QStringLiteral("/H2.dat")}, [inspection, capture] {
                ObservationRecord observation;
                observation.code = QStringLiteral("BAB");
                observation.remark = kLong.left(2000); // a line of the file per few characters
                inspection->mutableObservations().append(observation);
                return outcome(inspection->save(), capture, QStringLiteral("H2.h"));
            }};
}

// The side file holds the place in full where the fixed columns cut it: only the side file
// grows beyond the limit.
Attempt isybau2001SideFile(const QString &folder, ReporterCapture *capture)
{
    const std::shared_ptr<Investigation> inspection = isybau2001(folder, QStringLiteral("H3.h"));
    if (!inspection)
        return {};
    return {{folder + QStringLiteral("/H3.dat")}, [inspection, capture] {
                inspection->mutableMainData().town = kLong;
                return outcome(inspection->save(), capture, QStringLiteral("H3.dat"));
            }};
}

// A project written twice, so that the backup of its first version exists.
std::shared_ptr<Project> project(const QString &folder)
{
    std::shared_ptr<Project> made(Project::create(QStringLiteral("P"), folder));
    return made && made->save() ? made : nullptr;
}

Attempt projectFile(const QString &folder, ReporterCapture *capture)
{
    const std::shared_ptr<Project> p = project(folder);
    if (!p)
        return {};
    return {{folder + QStringLiteral("/P/project.xml")}, [p, capture] {
                p->setPrintTitle(kLong);
                return outcome(p->save(), capture, QStringLiteral("project.xml"));
            }};
}

// The 3D store and the project it belongs to, gone in that order.
struct Project3DFixture
{
    std::shared_ptr<Project> project;
    Project3D store;
};

Attempt project3dFile(const QString &folder, ReporterCapture *capture)
{
    auto fixture = std::make_shared<Project3DFixture>();
    fixture->project = project(folder);
    if (!fixture->project)
        return {};
    fixture->store.setProject(fixture->project.get());
    if (!fixture->store.save() || !fixture->store.save())
        return {};
    return {{folder + QStringLiteral("/P/project3d.xml")}, [fixture, capture] {
                auto *duct = new Duct(1.0, 3.0);
                duct->setName(kLong);
                fixture->store.addObject(duct);
                return outcome(fixture->store.save(), capture, QStringLiteral("project3d.xml"));
            }};
}

// Renaming an inspection in the project browser rewrites the names in the 3D file, where the
// longer name makes it grow beyond the limit.
const QString kRenamed = QStringLiteral("Haltung-vom-Schacht-neun-zum-Schacht-zehn");

Attempt project3dRename(const QString &folder, ReporterCapture *)
{
    const QString projectFolder = folder + QStringLiteral("/P");
    std::unique_ptr<Investigation> inspection = makeInspection(NormDWAM1492);
    QDir().mkpath(projectFolder + QStringLiteral("/K1"));
    inspection->setFolder(projectFolder + QStringLiteral("/K1/"));
    inspection->setFileName(QStringLiteral("K1.xml"));
    if (!inspection->save() || Project(projectFolder + QStringLiteral("/project.xml")).inspectionNames().size() != 1)
        return {};
    QByteArray courses;
    for (int i = 0; i < 100; ++i)
        courses += "<Inspection Investigation=\"K1.xml\"/>";
    const QString file3D = projectFolder + QStringLiteral("/project3d.xml");
    writeFile(file3D, "<PROJECT3D><INSPECTIONS>" + courses + "</INSPECTIONS></PROJECT3D>");
    Global::instance()->config()->setProjectPath(folder);
    return {{file3D}, [file3D, projectFolder] {
                OpenProjectDialog dialog(2);
                dialog.setNameAsker(
                    [](QWidget *, const QString &, bool, const QStringList &, const QString &) { return kRenamed; });
                auto *list = formChild<QListWidget>(dialog, "listWidget");
                const QList<QListWidgetItem *> items = list->findItems(QStringLiteral("P"), Qt::MatchExactly);
                if (items.isEmpty())
                    return 3;
                list->setCurrentItem(items.first());
                QMetaObject::invokeMethod(&dialog, "on_edit_clicked");
                formChild<QTableWidget>(dialog, "tableWidget")->setCurrentCell(0, 0);
                ModalAnswerer answer;
                answer.message(MessageDialog::Ok);
                dialog.toolBox_clicked(QStringLiteral("Untersuchung_Umbenennen"));
                if (!QFileInfo::exists(projectFolder + QLatin1Char('/') + kRenamed + QLatin1Char('/') + kRenamed + QStringLiteral(".xml")))
                    return 4; // the rename itself did not happen
                return outcome(!answer.done(), answer.texts(), QStringLiteral("project3d.xml"));
            }};
}

// The scene and the plan on it, gone in that order.
struct PlanFixture
{
    GraphicsScene scene;
    FloorPlan plan{&scene};
};

Attempt planFile(const QString &folder, ReporterCapture *capture)
{
    auto fixture = std::make_shared<PlanFixture>();
    fixture->plan.addElement(new SelectableTextItem(QStringLiteral("Schacht 1")));
    const QString path = folder + QStringLiteral("/plan.tkp");
    if (!fixture->plan.save(path) || !fixture->plan.save(path))
        return {};
    return {{path}, [fixture, path, capture] {
                fixture->plan.addElement(new SelectableTextItem(kLong));
                return outcome(fixture->plan.save(path), capture, QStringLiteral("plan.tkp"));
            }};
}

// The INI stores answer false and leave the message to their callers.
Attempt configFile(const QString &folder, ReporterCapture *)
{
    auto config = std::make_shared<Config>(folder);
    if (!config->save())
        return {};
    return {{config->filePath()}, [config] {
                config->setProjectPath(kLong);
                return config->save() ? int(ClaimedSuccess) : int(FailedAndSaidSo);
            }};
}

Attempt firmFile(const QString &folder, ReporterCapture *)
{
    auto store = std::make_shared<FirmStore>(folder);
    Firm firm;
    firm.setName(QStringLiteral("Firma"));
    store->addFirm(firm);
    if (!store->save())
        return {};
    return {{store->filePath()}, [store] {
                Firm large;
                large.setName(kLong);
                store->addFirm(large);
                return store->save() ? int(ClaimedSuccess) : int(FailedAndSaidSo);
            }};
}

// Exports copy the project's files over those of an earlier export.
Attempt exportedFile(const QString &folder, ReporterCapture *)
{
    const QString source = folder + QStringLiteral("/Projekt/H1.xml");
    const QString target = folder + QStringLiteral("/Export/H1.xml");
    writeFile(source, kLong.toUtf8());
    writeFile(target, "<alt/>");
    return {{target}, [source, target] {
                FileProgress progress;
                const bool copied = FileHelper::copyFile(source, target, progress);
                return outcome(copied, {progress.errorString()}, target);
            }};
}

struct NamedStore
{
    const char *name;
    Store make;
};

const QVector<NamedStore> &stores()
{
    static const QVector<NamedStore> all{
        {"inspection and side file", inspectionAndSideFile},
        {"ISYBAU 2001 file", isybau2001File},
        {"ISYBAU 2001 side file", isybau2001SideFile},
        {"project.xml", projectFile},
        {"project3d.xml", project3dFile},
        {"project3d.xml on renaming an inspection", project3dRename},
        {"plan", planFile},
        {"tsconfig.ini", configFile},
        {"tsfirm.ini", firmFile},
        {"export copy", exportedFile},
    };
    return all;
}

// The entries beside the file that its saves name ("H1.xml.bak", temporary files).
QStringList entriesBeside(const QString &file)
{
    const QFileInfo info(file);
    return info.dir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

} // namespace

class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("store");
        for (int i = 0; i < stores().size(); ++i)
            QTest::newRow(stores().at(i).name) << i;
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, store);
        const QString folder = env->root() + QStringLiteral("/files");
        QVERIFY(QDir().mkpath(folder));
        const Attempt attempt = stores().at(store).make(folder, capture.get());
        QVERIFY(!attempt.kept.isEmpty());
        QHash<QString, QByteArray> before;
        QHash<QString, QStringList> besideBefore;
        for (const QString &file : attempt.kept) {
            before.insert(file, readAll(file));
            QVERIFY2(!before.value(file).isEmpty() && before.value(file).size() < kLimit, qPrintable(file));
            besideBefore.insert(file, entriesBeside(file));
        }

        QCOMPARE(runWithFileSizeLimit(kLimit, attempt.save), int(FailedAndSaidSo));

        for (const QString &file : attempt.kept) {
            QCOMPARE(readAll(file), before.value(file));
            QCOMPARE(entriesBeside(file), besideBefore.value(file));
        }
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
};

QTEST_MAIN(TestFailedSaves)
#include "tst_failedsaves.moc"
