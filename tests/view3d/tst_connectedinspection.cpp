#include "compare3d.h"
#include "view3d/camera.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/connectedinspection.h"
#include "view3d/duct.h"
#include "view3d/inspectionsource.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "support/testenv.h"

#include <QDomDocument>
#include <QtTest>

#include <cmath>

namespace {

ObservationRecord at(double distance, const QString &code, int clock = 0, double q1 = 0.0,
                     const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o = observation(distance, code, c1, c2);
    o.clockFrom = clock;
    o.quantity1 = q1;
    o.videoTime = QTime(0, 2, int(distance * 2) % 60);
    return o;
}

Investigation *enInspection(const QString &fileName, double width, double length, const QVector<ObservationRecord> &obs)
{
    Investigation *inspection = makeInspection(NormEN135082).release();
    inspection->setFileName(fileName);
    InspectionHeader header = inspection->mainData();
    header.width = width;
    header.inspectionLength = length;
    inspection->setMainData(header);
    inspection->mutableObservations() = obs;
    return inspection;
}

CIEntry entryOf(const CourseStep &step, double position, double angle)
{
    CIEntry entry;
    entry.type = step.kind == CourseStep::Branch ? CIEntry::Branch : CIEntry::Elbow;
    entry.position = position;
    entry.angle = angle;
    entry.code = step.code;
    entry.timecode = step.timecode;
    entry.meter = step.meter;
    entry.index = step.index;
    return entry;
}

Vector3D origin(Object3D *object)
{
    return object->system()->worldFromLocal(Vector3D(0, 0, 0));
}

double u(double metres)
{
    return Object3D::toUnits(metres);
}

// Numbers inside frames ("System") are read in single precision: write them so.
void roundFrames(QDomElement element, bool inFrame)
{
    // A branch's parent is a joint whose generated name depends on how many objects live; the
    // branch is found by its entry, not by that name.
    if (element.tagName() == QLatin1String("Branch"))
        element.removeAttribute(QStringLiteral("Parent"));
    inFrame = inFrame || element.tagName() == QLatin1String("System");
    if (inFrame) {
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            QDomAttr attribute = attributes.item(i).toAttr();
            bool ok = false;
            const double value = attribute.value().toDouble(&ok);
            if (ok)
                attribute.setValue(QString::number(double(float(value)), 'g', 6));
        }
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        roundFrames(child, inFrame);
}

QString saved(const ConnectedInspection &course)
{
    QDomDocument document;
    document.appendChild(course.save(QStringLiteral("Inspection"), document));
    roundFrames(document.documentElement(), false);
    return document.toString();
}

} // namespace

class TestConnectedInspection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void orientation_data();
    void orientation();
    void buildAndPlace();
    void placeholderAndDetach();
    void labelTexts_data();
    void labelTexts();
    void dragAndHideSurviveRebuild();
    void saveLoadSave();
    void unmatchedBranch();
    void equalKeysArePlacedApart();
    void equalKeysFromAnOlderFile();
    void entries();
    void labelUnderMouse();

private:
    ReporterCapture m_reports;
};

void TestConnectedInspection::init()
{
    Global::instance()->config()->setLabelText(0);
}

void TestConnectedInspection::orientation_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("angle");
    for (double p : {0.0, 45.0, 89.9, 90.0, 135.0, 180.0, 225.0, 270.0, 315.0, 360.0, -1.0})
        for (double a : {90.0, 30.0})
            QTest::addRow("%g at %g", a, p) << p << a;
}

// Whatever the case, the pipe leaves at the angle, towards the place on the cross-section.
void TestConnectedInspection::orientation()
{
    QFETCH(double, position);
    QFETCH(double, angle);
    System3D frame;
    ConnectedInspection::orientOnClock(&frame, position, angle);
    const double p = position * M_PI / 180.0;
    const double a = angle * M_PI / 180.0;
    const Vector3D expected(std::sin(a) * std::cos(p), std::sin(a) * std::sin(p), -std::cos(a));
    QVERIFY2(closeTo(frame.worldDirection(Vector3D(0, 0, -1)), expected, 1e-9),
             qPrintable(describe(frame.worldDirection(Vector3D(0, 0, -1)))));
}

void TestConnectedInspection::buildAndPlace()
{
    InspectionList project;
    Investigation *inspection = enInspection("a.xml", 300, 20,
                                             {at(5, "BCC", 0, 30, "Y", "A"), at(8, "BCA", 3), at(12, "AEC", 0, 400),
                                              at(14, "BAB")});
    project.addInspection(inspection);
    Duct manhole(1.0, 3.0);
    manhole.system()->setTranslation(Vector3D(1, 2, 3));
    ConnectedInspection course(inspection, new ManipulatedSystem3D, &manhole);

    CourseStep step = course.build(0.0);
    QCOMPARE(step.code, QStringLiteral("BCC"));
    QCOMPARE(step.meter, 5.0);
    // Pipe and unturned joint up to the bend, then the next part as a preview.
    QCOMPARE(course.objects().size(), 4);
    QVERIFY(course.labels().isEmpty());
    // Positions below are in the manhole's frame, which stands upright in the world.
    const System3D *m = manhole.system();
    QVERIFY(closeTo(m->worldFromLocal(Vector3D()), Vector3D(1, 2, 3), 1e-9));
    QVERIFY(closeTo(origin(course.objects()[3]), m->worldFromLocal(Vector3D(0, 0, -u(17))), 1e-9));

    course.addEntry(entryOf(step, 90, 30));
    step = course.build(0.0);
    QCOMPARE(step.code, QStringLiteral("BCA"));
    QCOMPARE(step.meter, 8.0);
    course.addEntry(entryOf(step, 0, 90));
    step = course.build(0.0);
    QVERIFY(step.code.isEmpty());

    // pipe 5, joint, pipe 7, joint (wider), pipe 8, end joint, branch joint.
    const QList<Object3D *> objects = course.objects();
    QCOMPARE(objects.size(), 7);
    QCOMPARE(course.allBranches().size(), 1);

    // A placed branch past the end of the course is dropped.
    CourseStep past;
    past.kind = CourseStep::Branch;
    past.code = "BCA";
    past.meter = 25;
    course.addEntry(entryOf(past, 0, 90));
    double position = 20;
    double width = 400;
    QVERIFY(course.addStep(past, position, width));
    QCOMPARE(position, 25.0);
    QCOMPARE(course.objects().size(), 7);
    QCOMPARE(course.allBranches().size(), 1);
    const Vector3D bend(0, 0, -u(5));
    const Vector3D up(0, std::sin(M_PI / 6), -std::cos(M_PI / 6));
    QVERIFY(closeTo(origin(objects[1]), m->worldFromLocal(bend), 1e-9));
    QVERIFY(closeTo(origin(objects[3]), m->worldFromLocal(bend + up * u(7)), 1e-9));
    QVERIFY(closeTo(origin(objects[5]), m->worldFromLocal(bend + up * u(15)), 1e-9));
    QVERIFY(closeTo(origin(objects[6]), m->worldFromLocal(bend + up * u(3)), 1e-9));
    QCOMPARE(qobject_cast<PipePoint *>(objects[3])->radius(), 0.2);
    QCOMPARE(qobject_cast<Pipeline *>(objects[4])->radius(), 0.2);
    QCOMPARE(qobject_cast<Pipeline *>(objects[0])->radius(), 0.15);

    // The stub leaves the branch joint to the right (3 o'clock) at right angles.
    ConnectedInspection *branch = course.allBranches().first();
    QCOMPARE(branch->objects().size(), 1);
    auto *stub = qobject_cast<Pipeline *>(branch->objects().first());
    QCOMPARE(stub->length(), 0.5);
    QCOMPARE(stub->radius(), 0.2); // the width after the last width change
    const Vector3D right = stub->system()->worldDirection(Vector3D(0, 0, -1));
    QVERIFY2(closeTo(right, m->worldDirection(Vector3D(1, 0, 0)), 1e-9), qPrintable(describe(right)));
    QCOMPARE(course.ownerOf(stub), branch);
    QCOMPARE(course.ownerOf(objects[2]), &course);
    QCOMPARE(course.ownerOf(&manhole), nullptr);

    // A label for every observation, each on its segment.
    QCOMPARE(course.labels().size(), 4);
    QCOMPARE(course.labels()[0]->owner(), objects[0]); // exactly at the end of the first pipe
    QVERIFY(closeTo(course.labels()[0]->frame()->worldFromLocal(Vector3D()), m->worldFromLocal(bend), 1e-9));
    QCOMPARE(course.labels()[3]->owner(), objects[4]);
    QVERIFY(closeTo(course.labels()[3]->frame()->worldFromLocal(Vector3D()), m->worldFromLocal(bend + up * u(9)), 1e-9));
}

void TestConnectedInspection::placeholderAndDetach()
{
    Investigation *inspection = enInspection("b.xml", 250, 10, {});
    InspectionList project;
    project.addInspection(inspection);
    ConnectedInspection course(inspection, new ManipulatedSystem3D, nullptr);
    QVERIFY(course.build(0.0).code.isEmpty());
    QCOMPARE(course.objects().size(), 2);
    QCOMPARE(qobject_cast<Pipeline *>(course.objects()[0])->length(), 10.0);
    course.detachInvestigation();
    QCOMPARE(course.investigation(), nullptr);
    QCOMPARE(course.objects().size(), 1);
    QCOMPARE(qobject_cast<Pipeline *>(course.objects()[0])->length(), 0.5);
    QCOMPARE(qobject_cast<Pipeline *>(course.objects()[0])->radius(), 0.125);
    QVERIFY(course.labels().isEmpty());

    // A DanDas inspection shows nothing.
    std::unique_ptr<Investigation> dandas = makeInspection(NormDanDas);
    dandas->mutableObservations() = {at(3, "BCC")};
    ConnectedInspection empty(dandas.get(), new ManipulatedSystem3D, nullptr);
    QVERIFY(empty.build(0.0).code.isEmpty());
    QVERIFY(empty.objects().isEmpty());
    QVERIFY(empty.labels().isEmpty());
}

void TestConnectedInspection::labelTexts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("standard") << 0 << QStringList();
    QTest::newRow("remark") << 1 << QStringList{"Wurzel", ""};
    QTest::newRow("custom") << 2 << QStringList{"Custom String - please set!", "Custom String - please set!"};
    QTest::newRow("other") << 7 << QStringList{"", ""};
}

void TestConnectedInspection::labelTexts()
{
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    ObservationRecord first = at(12.5, "BAB", 0, 0, "A");
    first.remark = "Wurzel";
    ObservationRecord second = at(3, "BDB");
    std::unique_ptr<Investigation> inspection(enInspection("c.xml", 200, 20, {first, second}));
    Global::instance()->config()->setLabelText(mode);
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    course.build(0.0);
    if (mode == 0)
        texts = QStringList{"12.50m " + inspection->observationDescription(first),
                            "3.00m " + inspection->observationDescription(second)};
    QStringList actual;
    for (Label3D *label : course.labels())
        actual << label->text();
    QCOMPARE(actual, texts);
}

void TestConnectedInspection::dragAndHideSurviveRebuild()
{
    std::unique_ptr<Investigation> inspection(enInspection("d.xml", 200, 20, {at(2, "BAB"), at(4, "BDB")}));
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    course.build(0.0);
    course.labels()[0]->setOffset(QPointF(30, -12));
    course.labels()[1]->setVisible(false);
    course.build(0.0);
    QCOMPARE(course.labels()[0]->offset(), QPointF(30, -12));
    QVERIFY(course.labels()[0]->isVisible());
    QCOMPARE(course.labels()[1]->offset(), QPointF());
    QVERIFY(!course.labels()[1]->isVisible());
    course.createLabels();
    QVERIFY(!course.labels()[1]->isVisible());
}

void TestConnectedInspection::saveLoadSave()
{
    InspectionList project;
    // Two branches at one metre, told apart by their video time.
    ObservationRecord secondBranch = at(9, "BCA", 3);
    secondBranch.videoTime = secondBranch.videoTime.addSecs(4);
    Investigation *main = enInspection("main.xml", 300, 20,
                                       {at(4, "BCC", 0, 20, "A", "B"), at(9, "BCA", 12), secondBranch, at(11, "BAB")});
    Investigation *left = enInspection("left.xml", 150, 6, {at(1, "BAB"), at(2, "BDB")});
    Investigation *right = enInspection("right.xml", 150, 7, {at(1.5, "BAB")});
    project.addInspection(main);
    project.addInspection(left);
    project.addInspection(right);
    Duct manhole(1.0, 3.0);
    manhole.setName("Schacht 1", true);
    manhole.system()->setTranslation(Vector3D(0.1, 0, -0.3));

    QString first;
    {
        ConnectedInspection course(main, new ManipulatedSystem3D, &manhole);
        for (CourseStep step = course.build(0.0); !step.code.isEmpty(); step = course.build(0.0))
            course.addEntry(entryOf(step, step.position, step.kind == CourseStep::Bend ? 20 : 75));
        QCOMPARE(course.allBranches().size(), 2);
        const auto branches = course.branchEntries();
        QCOMPARE(branches[0].first.timecode, main->observations()[1].videoTime);
        QCOMPARE(branches[0].first.position, 90.0);
        QCOMPARE(branches[1].first.position, 0.0);
        branches[0].second->setInvestigation(left);
        branches[0].second->build(0.0);
        branches[1].second->setInvestigation(right);
        branches[1].second->build(0.0);
        branches[0].second->labels()[1]->setOffset(QPointF(5, 6));
        branches[1].second->labels()[0]->setVisible(false);
        course.labels()[3]->setOffset(QPointF(-8, 2.25));
        course.labels()[3]->setVisible(false);
        course.labels()[0]->setVisible(false); // hidden, never dragged
        // A rebuild (an observation edited) keeps the branches with their inspections and labels.
        QVERIFY(course.build(0.0).code.isEmpty());
        QCOMPARE(course.branchEntries(), branches);
        QCOMPARE(branches[0].second->investigation(), left);
        QCOMPARE(branches[0].second->parent(), course.objects()[course.objects().size() - 2]);
        QCOMPARE(branches[1].second->labels().size(), 1);
        QVERIFY(!branches[1].second->labels()[0]->isVisible());
        first = saved(course);
    }
    QVERIFY(first.contains("Investigation=\"left.xml\""));
    QVERIFY(first.contains("Parent=\"Schacht 1\""));
    QCOMPARE(first.count("<LabelEntry"), 4);

    QDomDocument document;
    QVERIFY(document.setContent(first));
    ConnectedInspection loaded;
    loaded.load(document.documentElement(), &project, {&manhole});
    QCOMPARE(loaded.parent(), &manhole);
    const auto branches = loaded.branchEntries();
    QCOMPARE(branches.size(), 2);
    QCOMPARE(branches[0].second->investigation(), left);
    QCOMPARE(branches[1].second->investigation(), right);
    QVERIFY(!loaded.labels()[0]->isVisible());
    QCOMPARE(loaded.labels()[0]->offset(), QPointF());
    QCOMPARE(branches[0].second->labels()[1]->offset(), QPointF(5, 6));
    QVERIFY(!branches[1].second->labels()[0]->isVisible());
    QCOMPARE(saved(loaded), first);
}

void TestConnectedInspection::unmatchedBranch()
{
    InspectionList project;
    project.addInspection(enInspection("m.xml", 300, 20, {}));
    const QString xml = QStringLiteral(
        "<Inspection Investigation=\"m.xml\" Parent=\"gone\"><Branch Investigation=\"x.xml\">"
        "<BranchEntry Position=\"0\" Angle=\"90\" Code=\"BCA\" Timecode=\"000001\" Meter=\"3\"/></Branch>"
        "<CIEntry Type=\"Whatever\" Position=\"1\" Angle=\"2\" Code=\"K\" Timecode=\"000102\" Meter=\"0.1000000000000001\"/>"
        "</Inspection>");
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    ConnectedInspection course;
    QTest::ignoreMessage(QtDebugMsg,
                         "TODO: ConnectedInspection::loadBranch in line 335 , file: view3d/connectedinspection");
    course.load(document.documentElement(), &project, {});
    QCOMPARE(course.parent(), nullptr);
    QVERIFY(course.allBranches().isEmpty());
    QCOMPARE(course.entries().size(), 1);
    QCOMPARE(course.entries()[0].type, int(CIEntry::End));
    QCOMPARE(course.entries()[0].meter, 0.1000000000000001);
    QCOMPARE(course.entries()[0].timecode, QTime(0, 1, 2));

    // A missing inspection: a zero-radius stub, and no "Investigation" written back.
    QVERIFY(document.setContent(QStringLiteral("<Inspection Investigation=\"none.xml\"/>")));
    ConnectedInspection missing;
    missing.load(document.documentElement(), &project, {});
    QCOMPARE(missing.investigationName(), QStringLiteral("none.xml"));
    QCOMPARE(missing.objects().size(), 1);
    QCOMPARE(qobject_cast<Pipeline *>(missing.objects()[0])->radius(), 0.0);
    QVERIFY(!saved(missing).contains("Investigation"));
}

// Two laterals recorded while the video stood still: same code, metre and video time, one at 3
// and one at 9 o'clock. Each is placed, drawn and labelled on its own.
void TestConnectedInspection::equalKeysArePlacedApart()
{
    InspectionList project;
    Investigation *main = enInspection("main.xml", 300, 20, {at(8, "BCA", 3), at(8, "BCA", 9), at(12, "BAB")});
    project.addInspection(main);
    QCOMPARE(main->observations()[0].videoTime, main->observations()[1].videoTime);
    Duct manhole(1.0, 3.0);
    manhole.setName("Schacht 1", true);

    QString first;
    {
        ConnectedInspection course(main, new ManipulatedSystem3D, &manhole);
        QList<int> asked;
        for (CourseStep step = course.build(0.0); !step.code.isEmpty() && asked.size() < 5; step = course.build(0.0)) {
            asked << step.position;
            course.addEntry(entryOf(step, step.position, 90));
        }
        QCOMPARE(asked, (QList<int>{0, 180}));
        QCOMPARE(course.entries().size(), 2);
        const auto branches = course.branchEntries();
        QCOMPARE(branches.size(), 2);
        const System3D *m = manhole.system();
        QVERIFY(closeTo(branches[0].second->frame()->worldDirection(Vector3D(0, 0, -1)), m->worldDirection(Vector3D(1, 0, 0)), 1e-9));
        QVERIFY(closeTo(branches[1].second->frame()->worldDirection(Vector3D(0, 0, -1)), m->worldDirection(Vector3D(-1, 0, 0)), 1e-9));

        // Each label keeps its own offset through a rebuild.
        QCOMPARE(course.labels().size(), 3);
        course.labels()[1]->setOffset(QPointF(7, -3));
        QVERIFY(course.build(0.0).code.isEmpty());
        QCOMPARE(course.labels()[0]->offset(), QPointF());
        QCOMPARE(course.labels()[1]->offset(), QPointF(7, -3));
        first = saved(course);
    }
    QCOMPARE(first.count("Index=\"1\""), 2); // the entry and the label

    QDomDocument document;
    QVERIFY(document.setContent(first));
    ConnectedInspection loaded;
    loaded.load(document.documentElement(), &project, {&manhole});
    QCOMPARE(loaded.entries().size(), 2);
    QCOMPARE(loaded.branchEntries().size(), 2);
    QCOMPARE(loaded.branchEntries()[1].first.position, 180.0);
    QCOMPARE(loaded.labels()[0]->offset(), QPointF());
    QCOMPARE(loaded.labels()[1]->offset(), QPointF(7, -3));
    QCOMPARE(saved(loaded), first);
}

// A file without the index holds one entry and one label for the key: the first observation
// takes them; the second is placed like it, at its own clock position, with a label of its own.
void TestConnectedInspection::equalKeysFromAnOlderFile()
{
    InspectionList project;
    Investigation *main = enInspection("main.xml", 300, 20, {at(8, "BCA", 3), at(8, "BCA", 9), at(12, "BAB")});
    Investigation *side = enInspection("side.xml", 150, 4, {});
    project.addInspection(main);
    project.addInspection(side);
    const QString xml = QStringLiteral(
        "<Inspection Investigation=\"main.xml\">"
        "<CIEntry Type=\"Branch\" Position=\"0\" Angle=\"45\" Code=\"BCA\" Timecode=\"000216\" Meter=\"8\"/>"
        "<LabelEntry Code=\"BCA\" Timecode=\"000216\" Meter=\"8\" x=\"5\" y=\"6\" Visible=\"true\"/>"
        "<Branch Investigation=\"side.xml\"><BranchEntry Position=\"0\" Angle=\"45\" Code=\"BCA\" "
        "Timecode=\"000216\" Meter=\"8\"/></Branch></Inspection>");
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    ConnectedInspection course;
    course.load(document.documentElement(), &project, {});
    QVERIFY(course.build(0.0).code.isEmpty());
    const auto branches = course.branchEntries();
    QCOMPARE(branches.size(), 2);
    QCOMPARE(branches[0].first.index, 0);
    QCOMPARE(branches[0].first.position, 0.0);
    QCOMPARE(branches[0].second->investigation(), side);
    QCOMPARE(branches[1].first.index, 1);
    QCOMPARE(branches[1].first.position, 180.0);
    QCOMPARE(branches[1].first.angle, 45.0);
    QCOMPARE(branches[1].second->investigation(), nullptr);
    QCOMPARE(course.labels().size(), 3);
    QCOMPARE(course.labels()[0]->offset(), QPointF(5, 6));
    QCOMPARE(course.labels()[1]->offset(), QPointF());
}

void TestConnectedInspection::entries()
{
    ConnectedInspection course;
    CIEntry a;
    a.code = "BCC";
    a.meter = 5;
    CIEntry b = a;
    b.code = "BCA";
    CIEntry c = a;
    c.meter = 2;
    course.addEntry(a);
    course.addEntry(b);
    course.addEntry(c);
    QCOMPARE(course.entries()[0].meter, 2.0);
    QCOMPARE(course.entries()[1].code, QStringLiteral("BCC"));
    QCOMPARE(course.entries()[2].code, QStringLiteral("BCA"));
    CIEntry near = a;
    near.meter = 5 * (1 + 1e-13);
    QVERIFY(near == a);
    near.meter = 5 * (1 + 1e-11);
    QVERIFY(!(near == a));
    course.addEntry(a);
    QCOMPARE(course.removeEntry(a), 2);
    QCOMPARE(course.entries().size(), 2);
}

// A branch label wins over the course's own; among these the last made wins.
void TestConnectedInspection::labelUnderMouse()
{
    InspectionList project;
    Investigation *main = enInspection("m.xml", 300, 0.2, {at(0.05, "BAB"), at(0.1, "BCA", 3), at(0.15, "BDB")});
    Investigation *side = enInspection("s.xml", 150, 0.1, {at(0.05, "BAB")});
    project.addInspection(main);
    project.addInspection(side);
    ConnectedInspection course(main, new ManipulatedSystem3D, nullptr);
    CourseStep step = course.build(0.0);
    course.addEntry(entryOf(step, 0, 90));
    QVERIFY(course.build(0.0).code.isEmpty());
    ConnectedInspection *branch = course.allBranches().first();
    branch->setInvestigation(side);
    branch->build(0.0);
    QCOMPARE(course.labels().size(), 3);
    QCOMPARE(branch->labels().size(), 1);

    Camera camera;
    camera.setScreenWidthAndHeight(400, 300);
    camera.setPosition(Vector3D(0, 0.5, 2));
    camera.lookAt(Vector3D());
    camera.computeModelViewMatrix();
    camera.computeProjectionMatrix();
    // Every box is moved to the same place on the screen.
    const QPointF target(100, 80);
    QList<Label3D *> all = course.labels() + branch->labels();
    for (Label3D *label : all) {
        bool inFront = false;
        const QPointF anchor = label->anchorPoint(&camera, &inFront);
        QVERIFY(inFront);
        label->setOffset(target - anchor);
    }
    const QPoint inside = (target + QPointF(2, 2)).toPoint();
    QCOMPARE(course.labelAt(inside, &camera), branch->labels()[0]);
    branch->labels()[0]->setVisible(false);
    QCOMPARE(course.labelAt(inside, &camera), course.labels()[2]);
    course.labels()[2]->setVisible(false);
    QCOMPARE(course.labelAt(inside, &camera), course.labels()[1]);
    QCOMPARE(course.labelAt(QPoint(390, 290), &camera), nullptr);

    course.setLabelFontSize(17);
    QCOMPARE(course.labels()[0]->font().pointSizeF(), 17.0);
    QCOMPARE(branch->labels()[0]->font().pointSizeF(), 17.0);
}

QTEST_MAIN(TestConnectedInspection)
#include "tst_connectedinspection.moc"
