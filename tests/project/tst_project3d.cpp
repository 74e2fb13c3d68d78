#include "project/project3d.h"

#include "project/project.h"

#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
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

ObservationRecord at(double distance, const QString &code, int clock = 0, double q1 = 0.0,
                     const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o = observation(distance, code, c1, c2);
    o.clockFrom = clock;
    o.quantity1 = q1;
    o.videoTime = QTime(0, 2, int(distance * 2) % 60);
    return o;
}

// An EN inspection in its own folder of the project, to be found by its file name.
Investigation *courseInspection(const QString &projectFolder, const QString &fileName, double length,
                                const QVector<ObservationRecord> &observations)
{
    Investigation *inspection = makeInspection(NormEN135082).release();
    inspection->setFolder(projectFolder + QLatin1Char('/') + QFileInfo(fileName).completeBaseName());
    QDir().mkpath(inspection->folder());
    inspection->setFileName(fileName);
    InspectionHeader header = inspection->mainData();
    header.width = 300;
    header.inspectionLength = length;
    inspection->setMainData(header);
    inspection->mutableObservations() = observations;
    return inspection;
}

// Builds the course, placing each bend and branch as it comes.
void place(ConnectedInspection &course)
{
    for (CourseStep step = course.build(0.0); !step.code.isEmpty(); step = course.build(0.0)) {
        CIEntry entry;
        entry.type = step.kind == CourseStep::Branch ? CIEntry::Branch : CIEntry::Elbow;
        entry.position = step.position;
        entry.angle = step.kind == CourseStep::Bend ? 20 : 75;
        entry.code = step.code;
        entry.timecode = step.timecode;
        entry.meter = step.meter;
        entry.index = step.index;
        course.addEntry(entry);
    }
}

QDomElement courseElements(const QString &path)
{
    return parseFile(path).documentElement().firstChildElement(QStringLiteral("INSPECTIONS"));
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

    // A name pasted with characters XML cannot carry is saved without them: the file loads again.
    void namesLoseWhatXmlCannotCarry()
    {
        {
            Project3D store;
            store.setProject(project.get());
            auto *duct = new Duct(1.0, 2.0);
            duct->setName(QStringLiteral("Rohr") + QChar(0x0B) + QStringLiteral("A") + QChar(0x01) + QChar(0xFFFF) + QChar(0xDC00));
            store.addObject(duct);
            QVERIFY(store.save());
        }
        Project3D again;
        again.setProject(project.get());
        QVERIFY(again.load());
        QCOMPARE(again.objects().size(), 1);
        QCOMPARE(again.objects().at(0)->name(), QStringLiteral("RohrA"));
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

    void connectedInspectionRoundTrips()
    {
        const QString folder = root + QStringLiteral("/P");
        Investigation *main = courseInspection(folder, QStringLiteral("K1.xml"), 20,
                                               {at(4, "BCC", 0, 20, "A", "B"), at(9, "BCA", 12), at(11, "BAB")});
        Investigation *side = courseInspection(folder, QStringLiteral("K2.xml"), 6, {at(1, "BAB"), at(2, "BDB")});
        project->addInspection(main);
        project->addInspection(side);

        QList<CIEntry> entries;
        {
            Project3D store;
            store.setProject(project.get());
            auto *manhole = new Duct(1.0, 3.0);
            manhole->setName(QStringLiteral("Schacht 1"), true);
            store.addObject(manhole);
            auto *course = new ConnectedInspection(main, new ManipulatedSystem3D, manhole);
            place(*course);
            QCOMPARE(course->allBranches().size(), 1);
            ConnectedInspection *branch = course->allBranches().at(0);
            branch->setInvestigation(side);
            branch->build(0.0);
            branch->labels().at(1)->setVisible(false);
            course->labels().at(0)->setVisible(false);
            entries = course->entries();
            store.addInspection(course);
            QVERIFY(store.save());
        }
        const QDomElement written = courseElements(file);
        QCOMPARE(childTags(written), QStringList{QStringLiteral("Inspection")});
        QCOMPARE(written.firstChildElement().attribute(QStringLiteral("Investigation")), QStringLiteral("K1.xml"));

        // Read back twice: the course finds its manhole and its inspections again, and an
        // unchanged course goes back into the file as it was.
        for (int round = 0; round < 2; ++round) {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            QCOMPARE(store.inspections().size(), 1);
            ConnectedInspection *course = store.inspections().at(0);
            QCOMPARE(course->investigation(), main);
            QCOMPARE(course->parent(), store.objects().at(0));
            QCOMPARE(course->entries(), entries);
            QCOMPARE(course->allBranches().size(), 1);
            ConnectedInspection *branch = course->allBranches().at(0);
            QCOMPARE(branch->investigation(), side);
            QVERIFY(!course->labels().at(0)->isVisible());
            QVERIFY(course->labels().at(1)->isVisible());
            QVERIFY(!branch->labels().at(1)->isVisible());
            QVERIFY(store.save());
            QCOMPARE(elementText(courseElements(file)), elementText(written));
        }

        // A course changed after reading is written in its new form.
        {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            store.inspections().at(0)->detachInvestigation();
            QVERIFY(store.save());
        }
        const QDomElement detached = courseElements(file).firstChildElement();
        QVERIFY(!detached.hasAttribute(QStringLiteral("Investigation")));
        QCOMPARE(detached.attribute(QStringLiteral("Parent")), QStringLiteral("Schacht 1"));
        QVERIFY(detached.firstChildElement(QStringLiteral("Branch")).isNull());
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join('\n')));
    }

    void unbuiltCourseIsKept_data()
    {
        QTest::addColumn<QString>("course");
        const QString entry = QStringLiteral(
            "<CIEntry Type=\"Elbow\" Position=\"90\" Angle=\"20\" Code=\"BCC\" Timecode=\"000208\" Meter=\"4\"/>");
        const QString label = QStringLiteral(
            "<LabelEntry Code=\"BAB\" Timecode=\"000222\" Meter=\"11\" x=\"3\" y=\"-2\" Visible=\"false\"/>");
        QTest::newRow("inspection missing")
            << QStringLiteral("<Inspection Investigation=\"fehlt.xml\" Parent=\"Schacht 1\">") + entry + label
                   + QStringLiteral("</Inspection>");
        QTest::newRow("parent missing")
            << QStringLiteral("<Inspection Investigation=\"K1.xml\" Parent=\"weg\">") + entry + label
                   + QStringLiteral("</Inspection>");
        QTest::newRow("branch no longer on the course")
            << QStringLiteral("<Inspection Investigation=\"K1.xml\" Parent=\"Schacht 1\">") + entry
                   + QStringLiteral("<Branch Investigation=\"K1.xml\"><BranchEntry Position=\"0\" Angle=\"75\" "
                                    "Code=\"BCA\" Timecode=\"000230\" Meter=\"15\"/></Branch></Inspection>");
    }
    void unbuiltCourseIsKept()
    {
        QFETCH(QString, course);
        project->addInspection(courseInspection(root + QStringLiteral("/P"), QStringLiteral("K1.xml"), 20,
                                                {at(4, "BCC", 0, 20, "A", "B"), at(11, "BAB")}));
        writeFile(file, kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><OBJECTS>"
                            "<Object Type=\"Duct\" Name=\"Schacht 1\" Diameter=\"1\" Depth=\"3\"/></OBJECTS>"
                            "<INSPECTIONS>" + course.toUtf8() + "</INSPECTIONS></ZOZOrureProject3D>\n");
        Project3D store;
        store.setProject(project.get());
        QVERIFY(store.load());
        QCOMPARE(store.inspections().size(), 1);
        QVERIFY(store.save());
        QDomDocument expected;
        QVERIFY(expected.setContent(course));
        QCOMPARE(elementText(courseElements(file).firstChildElement()), elementText(expected.documentElement()));
    }

    // The inspection of a branch was not there when the project opened (its folder renamed
    // outside the program): the branch, with its placed bends, labels and branches, goes back
    // into the file as read, also when its course is written anew.
    void branchWithoutItsInspectionIsKept()
    {
        project->addInspection(courseInspection(root + QStringLiteral("/P"), QStringLiteral("K1.xml"), 20,
                                                {at(4, "BCC", 0, 20, "A", "B"), at(9, "BCA", 12), at(11, "BAB")}));
        const QString branch = QStringLiteral(
            "<Branch Investigation=\"K2 alt.xml\" Parent=\"object_000017\">"
            "<System><position x=\"0\" y=\"0\" z=\"-0.5\"/><orientation x=\"0\" y=\"0.5\" z=\"0\" w=\"0.8660254\"/></System>"
            "<CIEntry Type=\"Elbow\" Position=\"0\" Angle=\"30\" Code=\"BCC\" Timecode=\"000104\" Meter=\"2\"/>"
            "<LabelEntry Code=\"BAB\" Timecode=\"000106\" Meter=\"3\" x=\"4\" y=\"5\" Visible=\"true\"/>"
            "<Branch Investigation=\"K3.xml\"><BranchEntry Position=\"0\" Angle=\"75\" Code=\"BCA\" "
            "Timecode=\"000102\" Meter=\"1\"/></Branch>"
            "<BranchEntry Position=\"90\" Angle=\"75\" Code=\"BCA\" Timecode=\"000218\" Meter=\"9\"/></Branch>");
        writeFile(file, kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><OBJECTS>"
                            "<Object Type=\"Duct\" Name=\"Schacht 1\" Diameter=\"1\" Depth=\"3\"/></OBJECTS>"
                            "<INSPECTIONS><Inspection Investigation=\"K1.xml\" Parent=\"Schacht 1\">"
                            "<CIEntry Type=\"Elbow\" Position=\"90\" Angle=\"20\" Code=\"BCC\" Timecode=\"000208\" Meter=\"4\"/>"
                            "<CIEntry Type=\"Branch\" Position=\"90\" Angle=\"75\" Code=\"BCA\" Timecode=\"000218\" Meter=\"9\"/>"
                            + branch.toUtf8() + "</Inspection></INSPECTIONS></ZOZOrureProject3D>\n");
        QDomDocument expected;
        QVERIFY(expected.setContent(branch));
        for (int round = 0; round < 2; ++round) {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            QCOMPARE(store.inspections().size(), 1);
            ConnectedInspection *course = store.inspections().at(0);
            QVERIFY(course->investigation());
            QCOMPARE(course->allBranches().size(), 1);
            QVERIFY(!course->allBranches().at(0)->investigation());
            QCOMPARE(course->allBranches().at(0)->investigationName(), QStringLiteral("K2 alt.xml"));
            // The course changes (a label is hidden) and is written from memory.
            course->labels().at(round)->setVisible(false);
            QVERIFY(store.save());
            const QDomElement written = courseElements(file).firstChildElement();
            QCOMPARE(written.elementsByTagName(QStringLiteral("LabelEntry")).size(), round + 2);
            QCOMPARE(childTags(written).count(QStringLiteral("Branch")), 1);
            QCOMPARE(elementText(written.firstChildElement(QStringLiteral("Branch"))),
                     elementText(expected.documentElement()));
        }
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join('\n')));
    }

    void courseQueries()
    {
        const QString folder = root + QStringLiteral("/P");
        Investigation *k1 = courseInspection(folder, QStringLiteral("K1.xml"), 12, {at(5, "BCA", 3), at(8, "BAB")});
        Investigation *k2 = courseInspection(folder, QStringLiteral("K2.xml"), 6, {});
        project->addInspection(k1);
        project->addInspection(k2);
        Project3D store;
        auto *a = new Duct(1.0, 3.0);
        auto *b = new Duct(1.0, 3.0);
        store.addObject(a);
        store.addObject(b);
        auto *c1 = new ConnectedInspection(k1, new ManipulatedSystem3D, a);
        place(*c1);
        auto *c2 = new ConnectedInspection(k2, new ManipulatedSystem3D, b);
        place(*c2);
        auto *c3 = new ConnectedInspection(nullptr, new ManipulatedSystem3D, a);
        c3->build(0.05);
        for (ConnectedInspection *course : {c1, c2, c3})
            store.addInspection(course);
        store.addInspection(c1); // held once
        using Courses = QList<ConnectedInspection *>;
        QCOMPARE(store.inspections(), (Courses{c1, c2, c3}));

        QCOMPARE(store.inspectionsStartingAt(a), (Courses{c1, c3}));
        QCOMPARE(store.inspectionsStartingAt(b), Courses{c2});
        QCOMPARE(store.inspectionsStartingAt(nullptr), Courses{});
        // Members are the built pipes and joints, a branch's included, not the manhole.
        QCOMPARE(c1->allBranches().size(), 1);
        QCOMPARE(store.inspectionsConnectedTo(c1->objects().at(0)), Courses{c1});
        QCOMPARE(store.inspectionsConnectedTo(c1->allBranches().at(0)->objects().at(0)), Courses{c1});
        QCOMPARE(store.inspectionsConnectedTo(c2->objects().last()), Courses{c2});
        QCOMPARE(store.inspectionsConnectedTo(c3->objects().at(0)), Courses{c3});
        QCOMPARE(store.inspectionsConnectedTo(a), Courses{});
        QCOMPARE(store.inspectionsConnectedTo(nullptr), Courses{});

        // Removing at a manhole takes its courses and itself out of the store, deleting nothing.
        QPointer<Object3D> pipe = c1->objects().at(0);
        store.removeInspectionsAt(a);
        QCOMPARE(store.inspections(), Courses{c2});
        QCOMPARE(store.objects(), QList<Object3D *>{b});
        QVERIFY(pipe);
        QCOMPARE(c3->parent(), a);
        delete c1;
        delete c3;
        delete a;
        QVERIFY(!pipe);
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
        // Hostile files: each would exhaust the stack, memory or time of the document reader.
        const QByteArray valid = kDeclaration + "<ZOZOrureProject3D version=\"1.0\"><OBJECTS/></ZOZOrureProject3D>";
        QByteArray nested = valid;
        nested.replace("<OBJECTS/>", QByteArray("<OBJECTS>").repeated(50000) + QByteArray("</OBJECTS>").repeated(50000));
        QTest::newRow("nested 50000 levels deep") << nested;
        QTest::newRow("one entity expanded 20000 times")
            << QByteArray(kDeclaration + "<!DOCTYPE ZOZOrureProject3D [<!ENTITY e \"" + QByteArray("x").repeated(5000)
                          + "\">]><ZOZOrureProject3D version=\"1.0\"><Properties ShowFlags=\""
                          + QByteArray("&e;").repeated(20000) + "\"/></ZOZOrureProject3D>");
        // Blank lines after the root are well-formed: only the size is wrong.
        QTest::newRow("larger than 20 MB") << valid + QByteArray(20 * 1024 * 1024, '\n');
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

    // Inputs found by fuzzing or made to stand for what fuzzing looks for: names starting "bad-"
    // are refused with a message, the others load.
    void fuzzedFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/project3d"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
    void fuzzedFiles()
    {
        QFETCH(QString, path);
        const bool bad = QFileInfo(path).fileName().startsWith(QLatin1String("bad-"));
        writeFile(file, readAll(path));
        Project3D store;
        store.setProject(project.get());
        QCOMPARE(store.load(), !bad);
        QCOMPARE(capture->errors().size(), bad ? 1 : 0);
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
                            "</OBJECTS><INSPECTIONS><Inspection Parent=\"d\"/></INSPECTIONS></ZOZOrureProject3D>");
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
            QCOMPARE(store.inspections().size(), 1);
            QCOMPARE(store.inspections().at(0)->parent(), store.objects().at(0));
            held << store.inspections().at(0)->frame() << store.inspections().at(0)->objects().at(0);
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
        std::unique_ptr<ConnectedInspection> viewCourse;
        {
            Project3D store;
            store.setProject(project.get());
            QVERIFY(store.load());
            viewCamera.reset(store.camera());
            viewObjects = store.objects();
            viewCourse.reset(store.inspections().at(0));
            store.releaseToView();
            QVERIFY(!store.ownsContents());
        }
        QVERIFY(viewCamera);
        QVERIFY(!viewCourse->objects().isEmpty());
        viewCourse.reset(); // before the manhole it hangs from
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
