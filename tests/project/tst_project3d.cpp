#include "project/project3d.h"

#include "project/project.h"

#include "graphic/2d/floorplan.h"
#include "graphic/2d/graphicsscene.h"
#include "graphic/3d/camera.h"
#include "graphic/3d/dimensionnote.h"
#include "graphic/3d/duct.h"
#include "graphic/3d/manipulatedsystem3d.h"
#include "graphic/3d/point.h"
#include "graphic/3d/referencepoint.h"
#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QtTest>

#include <memory>

using namespace TestFiles;

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n";

// A course element as another version of the program writes it, with content this store does
// not know.
const QByteArray kCourse = "<Inspection Name=\"K1.xml\" Parent=\"duct_a\" Extra=\"x\">"
                           "<Part Length=\"12.5\"><Foreign>text &amp; more</Foreign></Part></Inspection>";

QStringList childTags(const QDomElement &parent)
{
    QStringList tags;
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        tags << child.tagName();
    return tags;
}

QDomDocument parseFile(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

QString elementText(const QDomElement &element)
{
    QDomDocument document;
    document.appendChild(document.importNode(element, true));
    return document.toString(-1);
}

// An inspection whose save notes what the disk held at that moment, to see the save order.
class SpyInspection : public EN135082
{
public:
    SpyInspection(QString projectXml, QString project3dXml)
        : EN135082(QStringLiteral("de")), m_projectXml(std::move(projectXml)), m_project3dXml(std::move(project3dXml))
    {
    }
    bool save() override
    {
        projectFileHeldMe = readAll(m_projectXml).contains(fileName().toUtf8());
        threeDFileExisted = QFileInfo::exists(m_project3dXml);
        ++saves;
        return EN135082::save();
    }
    bool projectFileHeldMe = false;
    bool threeDFileExisted = true;
    int saves = 0;

private:
    QString m_projectXml;
    QString m_project3dXml;
};

} // namespace

class TestProject3D : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/Projekte");
        QVERIFY(QDir().mkpath(root));
        project.reset(Project::create(QStringLiteral("P"), root));
        QVERIFY(project);
        file = root + QStringLiteral("/P/project3d.xml");
    }
    void cleanup()
    {
        project.reset();
        capture.reset();
        env.reset();
    }

    void missingFileLoadsAsConstructed()
    {
        Project3D store;
        store.setProject(project.get());
        QCOMPARE(store.path(), file);
        QVERIFY(store.load());
        QCOMPARE(store.showFlags(), 63);
        QVERIFY(!store.plan());
        QVERIFY(!store.camera());
        QVERIFY(store.objects().isEmpty());
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(capture->errors().isEmpty());
    }

    void showFlags_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("expected");
        QTest::newRow("off 63") << 63 << 4 << false << 59;
        QTest::newRow("off toggles 59 back") << 59 << 4 << false << 63;
        QTest::newRow("on 59") << 59 << 4 << true << 63;
        QTest::newRow("on keeps 63") << 63 << 4 << true << 63;
    }
    void showFlags()
    {
        QFETCH(int, flags);
        QFETCH(int, bit);
        QFETCH(bool, on);
        QFETCH(int, expected);
        // The flags go through the file, so reading ShowFlags is covered too.
        writeFile(file, kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><Properties ShowFlags=\""
                            + QByteArray::number(flags) + "\"/></ZOZOrureProject3D>\n");
        Project3D store;
        store.setProject(project.get());
        QVERIFY(store.load());
        QCOMPARE(store.showFlags(), flags);
        store.setShowFlag(bit, on);
        QCOMPARE(store.showFlags(), expected);
        QVERIFY(store.save());
        Project3D again;
        again.setProject(project.get());
        QVERIFY(again.load());
        QCOMPARE(again.showFlags(), expected);
    }

    void everyKindRoundTrips()
    {
        std::unique_ptr<Project3D> first(new Project3D);
        first->setProject(project.get());
        auto *duct = new Duct(1.25, 2.5);
        duct->setName(QStringLiteral("duct_a"));
        duct->system()->setPosition(Vector3D(3, 0, 4));
        auto *point = new Point(0.5, 1.0);
        auto *reference = new ReferencePoint;
        reference->setPosition(Vector3D(1, 0, 1));
        auto *note = new DimensionNote;
        note->setRef1(Vector3D(0, 0, 0));
        note->setRef2(Vector3D(2, 0, 0));
        for (Object3D *object : QList<Object3D *>{duct, point, reference, note})
            first->addObject(object);
        auto *camera = new Camera;
        camera->setPosition(Vector3D(10, 20, 30));
        first->setCamera(camera);
        auto plan = QSharedPointer<FloorPlan>::create(nullptr);
        plan->setRatio(0.02);
        first->setPlan(plan);
        first->setShowFlag(4, false);
        QVERIFY(first->save());
        plan.clear();
        first.reset();

        const QByteArray bytes = readAll(file);
        QVERIFY2(bytes.startsWith(kDeclaration + "<ZOZOrureProject3D version=\"1.0\">\n  <Properties ShowFlags=\"59\"/>"),
                 bytes.constData());
        QVERIFY(QFileInfo::exists(root + QStringLiteral("/P/plan.tkp")));
        const QDomElement rootElement = parseFile(file).documentElement();
        QCOMPARE(childTags(rootElement),
                 (QStringList{QStringLiteral("Properties"), QStringLiteral("PLAN"), QStringLiteral("Camera"),
                              QStringLiteral("OBJECTS"), QStringLiteral("INSPECTIONS")}));
        QStringList types;
        const QDomElement objectList = rootElement.firstChildElement(QStringLiteral("OBJECTS"));
        for (QDomElement object = objectList.firstChildElement(); !object.isNull(); object = object.nextSiblingElement())
            types << object.attribute(QStringLiteral("Type"));
        QCOMPARE(types, (QStringList{QStringLiteral("Duct"), QStringLiteral("Point"), QStringLiteral("Reference"),
                                     QStringLiteral("DimensionNote")}));

        // Read back: every kind, the plan, the camera; a second save gives what a third reads
        // and writes again (values settle after the first reading).
        QByteArray second;
        for (int round = 0; round < 2; ++round) {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            QCOMPARE(store.showFlags(), 59);
            QVERIFY(store.plan());
            QCOMPARE(store.plan()->ratio(), 0.02);
            QVERIFY(store.camera());
            QVERIFY(qFuzzyCompare(store.camera()->position().x, 10.0));
            const QList<Object3D *> objects = store.objects();
            QCOMPARE(objects.size(), 4);
            auto *readDuct = qobject_cast<Duct *>(objects.at(0));
            QVERIFY(readDuct);
            QCOMPARE(readDuct->name(), QStringLiteral("duct_a"));
            QCOMPARE(readDuct->diameter(), 1.25);
            QCOMPARE(readDuct->depth(), 2.5);
            QVERIFY(qobject_cast<Point *>(objects.at(1)));
            QVERIFY(qobject_cast<ReferencePoint *>(objects.at(2)));
            QVERIFY(qobject_cast<ReferencePoint *>(objects.at(2))->isPositionSet());
            auto *readNote = qobject_cast<DimensionNote *>(objects.at(3));
            QVERIFY(readNote);
            QVERIFY(readNote->hasRef2());
            QVERIFY(store.save());
            if (round == 0)
                second = readAll(file);
            else
                QCOMPARE(readAll(file), second);
        }
        QVERIFY(capture->errors().isEmpty());
    }

    void pipeSkippedAndCoursesKept()
    {
        const QByteArray original = kDeclaration + "<ZOZOrureProject3D version=\"1.0\">\n"
                                    "<Properties ShowFlags=\"63\"/>\n<Unknown a=\"1\"/>\n<OBJECTS>\n"
                                    "<Object Type=\"Pipe\" Name=\"pipe_1\"/>\n"
                                    "<Object Type=\"Duct\" Name=\"duct_a\" Diameter=\"1\" Depth=\"2\"/>\n"
                                    "<Object Name=\"untyped\"/>\n"
                                    "<Object Type=\"Point\" Name=\"point_b\" Diameter=\"0.5\" Depth=\"1\"/>\n"
                                    "</OBJECTS>\n<INSPECTIONS>\n" + kCourse + "\n"
                                    "<Inspection Name=\"K2.xml\" Parent=\"point_b\"/>\n</INSPECTIONS>\n"
                                    "</ZOZOrureProject3D>\n";
        writeFile(file, original);
        {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            const QList<Object3D *> objects = store.objects();
            QCOMPARE(objects.size(), 2);
            QCOMPARE(objects.at(0)->name(), QStringLiteral("duct_a"));
            QCOMPARE(objects.at(1)->name(), QStringLiteral("point_b"));
            QVERIFY(!store.plan());
            QVERIFY(!store.camera());
            QVERIFY(store.save());
        }
        QCOMPARE(readAll(file + QStringLiteral(".bak")), original);
        const QDomElement courses = parseFile(file).documentElement().firstChildElement(QStringLiteral("INSPECTIONS"));
        QCOMPARE(childTags(courses), (QStringList{QStringLiteral("Inspection"), QStringLiteral("Inspection")}));
        QDomDocument expected;
        QVERIFY(expected.setContent(kCourse));
        QCOMPARE(elementText(courses.firstChildElement()), elementText(expected.documentElement()));
        QCOMPARE(courses.lastChildElement().attribute(QStringLiteral("Parent")), QStringLiteral("point_b"));
        QVERIFY(!readAll(file).contains("Pipe"));
        QVERIFY(capture->errors().isEmpty());
    }

    void nothingWrittenWithoutProject()
    {
        Project3D store;
        store.addObject(new Point(0.5, 1.0));
        QVERIFY(!store.save());
        Project empty{QString()};
        store.setProject(&empty);
        QVERIFY(store.path().isEmpty());
        QVERIFY(!store.save());
        QCOMPARE(QDir(root + QStringLiteral("/P")).entryList(QDir::Files), QStringList{QStringLiteral("project.xml")});
        QVERIFY(QDir::current().entryList({QStringLiteral("project3d.xml")}, QDir::Files).isEmpty());
    }

    void saveOrderAndOnlyChangedInspections()
    {
        const QString folder = root + QStringLiteral("/P");
        const QString projectXml = folder + QStringLiteral("/project.xml");

        auto *changed = new SpyInspection(projectXml, file);
        changed->setFolder(folder + QStringLiteral("/A"));
        changed->setFileName(QStringLiteral("A.xml"));
        QVERIFY(QDir().mkpath(changed->folder()));
        changed->setChanged(true);

        // An unchanged inspection whose file holds what the reader does not keep.
        auto untouched = makeInspection(NormEN135082);
        untouched->setFolder(folder + QStringLiteral("/B"));
        untouched->setFileName(QStringLiteral("B.xml"));
        QVERIFY(QDir().mkpath(untouched->folder()));
        QVERIFY(untouched->save());
        const QString bPath = folder + QStringLiteral("/B/B.xml");
        QByteArray bBytes = readAll(bPath);
        bBytes.insert(bBytes.lastIndexOf("</"), "<Fremd>vom anderen Programm</Fremd>");
        writeFile(bPath, bBytes);
        bBytes = readAll(bPath);
        QVERIFY(untouched->load(bPath));
        QVERIFY(!untouched->isChanged());

        // A changed inspection whose file failed to load.
        const QString cPath = folder + QStringLiteral("/C/C.xml");
        const QByteArray cBytes = "<?xml version=\"1.0\"?><Doc><ZA><A2>de";
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/C")));
        writeFile(cPath, cBytes);
        auto failed = makeInspection(NormEN135082);
        failed->load(cPath);
        QVERIFY(failed->loadFailed());
        failed->setChanged(true);
        capture->clear();

        project->addInspection(changed);
        project->addInspection(untouched.release());
        project->addInspection(failed.release());

        Project3D store;
        store.setProject(project.get());
        QVERIFY(store.save());
        QCOMPARE(changed->saves, 1);
        QVERIFY(changed->projectFileHeldMe);   // project.xml first
        QVERIFY(!changed->threeDFileExisted);  // the 3D file last
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/A/A.xml")));
        QVERIFY(!changed->isChanged());
        QCOMPARE(readAll(bPath), bBytes);
        QCOMPARE(readAll(cPath), cBytes);
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join('\n')));
    }

    void unreadableFileIsKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("broken") << QByteArray(kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><OBJECTS>");
        QTest::newRow("empty") << QByteArray();
    }
    void unreadableFileIsKept()
    {
        QFETCH(QByteArray, bytes);
        writeFile(file, bytes);
        Project3D store;
        store.setProject(project.get());
        QVERIFY(!store.load());
        QVERIFY(store.loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        store.addObject(new Point(0.5, 1.0));
        QVERIFY(!store.save());
        QCOMPARE(capture->errors().size(), 2);
        QCOMPARE(readAll(file), bytes);
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".bak")));

        store.allowOverwrite();
        QVERIFY(store.save());
        QVERIFY(readAll(file).contains("Type=\"Point\""));
        QCOMPARE(readAll(file + QStringLiteral(".bak")), bytes);
    }

    void writeFailureIsReported()
    {
        QVERIFY(QDir().mkpath(file)); // a folder where the file belongs
        Project3D store;
        store.setProject(project.get());
        QVERIFY(!store.save());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(QFileInfo(file).isDir());
    }

    void releaseToViewPassesOwnership()
    {
        writeFile(file, kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><Camera/><OBJECTS>"
                            "<Object Type=\"Duct\" Name=\"d\" Diameter=\"1\" Depth=\"2\"/>"
                            "<Object Type=\"Point\" Name=\"p\" Diameter=\"1\" Depth=\"2\"/>"
                            "</OBJECTS></ZOZOrureProject3D>");
        // Nobody took them: the store deletes everything, also what was added later, and
        // leaves alone what was deleted elsewhere already.
        QList<QPointer<QObject>> held;
        {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            QVERIFY(store.camera());
            held << store.camera();
            for (Object3D *object : store.objects())
                held << object;
            auto *added = new Point(1.0, 1.0);
            store.addObject(added);
            held << added;
            delete store.objects().at(1);
            QCOMPARE(store.objects().size(), 2);
        }
        for (const auto &object : held)
            QVERIFY(!object);

        // The view took them: deleting the store frees nothing it holds.
        std::unique_ptr<Camera> viewCamera;
        QList<Object3D *> viewObjects;
        {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            viewCamera.reset(store.camera());
            viewObjects = store.objects();
            store.releaseToView();
            QVERIFY(!store.ownsContents());
        }
        QVERIFY(viewCamera);
        QCOMPARE(viewObjects.size(), 2);
        for (Object3D *object : viewObjects) {
            QVERIFY(!object->name().isEmpty());
            delete object;
        }
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<Project> project;
    QString root;
    QString file;
};

QTEST_MAIN(TestProject3D)
#include "tst_project3d.moc"
