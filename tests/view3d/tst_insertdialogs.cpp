#include "compare3d.h"
#include "foundation/anglewidget.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/connectedinspection.h"
#include "view3d/dialogs/insertinvestdialog.h"
#include "view3d/dialogs/insertpartdialog.h"
#include "view3d/duct.h"
#include "view3d/inspectionsource.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "support/testenv.h"
#include "viewerrenders.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

ObservationRecord at(double distance, const QString &code, int clock = 0, double q1 = 0.0,
                     const QString &c1 = QString(), const QString &c2 = QString())
{
    ObservationRecord o = observation(distance, code, c1, c2);
    o.clockFrom = clock;
    o.quantity1 = q1;
    o.videoTime = QTime(0, 2, int(distance));
    return o;
}

// An EN inspection with a bend at 5 m and a branch at 8 m, neither placed yet.
std::unique_ptr<Investigation> bentInspection(const QString &fileName = QStringLiteral("a.xml"))
{
    auto inspection = makeInspection(NormEN135082);
    inspection->setFileName(fileName);
    InspectionHeader header = inspection->mainData();
    header.width = 300;
    header.inspectionLength = 20;
    inspection->setMainData(header);
    inspection->mutableObservations() = {at(5, "BCC", 0, 30, "Y", "A"), at(8, "BCA", 3)};
    return inspection;
}

void setPart(InsertPartDialog &dialog, const CourseStep &step)
{
    dialog.setPart(step.value, step.position, step.text, step.kind, step.code, step.timecode, step.meter);
}

// Where the preview pipe points, in the world: it hangs along its frame's -z.
Vector3D pipeDirection(const Pipeline *pipe)
{
    return pipe->system()->worldDirection(Vector3D(0, 0, -1));
}

} // namespace

class TestInsertDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void partEntryFollowsTheFields();
    void dialClickMovesTheEntry();
    void presetPositionIsClamped_data();
    void presetPositionIsClamped();
    void eachStepAddsAnEntry();
    void partDialogEndsKeepTheEntry_data();
    void partDialogEndsKeepTheEntry();

    void previewFitsTheObject_data();
    void previewFitsTheObject();
    void previewTurnsWithPositionAndButtons();
    void fileNeedsAnInspectionWithAStandard_data();
    void fileNeedsAnInspectionWithAStandard();
    void fileChoosesAnInspection();
    void everyWayOutRemovesThePreview_data();
    void everyWayOutRemovesThePreview();

private:
    TestEnvironment m_env;
    // The first use of the settings tells about the project folder it chose.
    ReporterCapture m_reports;
};

void TestInsertDialogs::init()
{
    Global::instance()->config()->setLabelText(0);
}

void TestInsertDialogs::partEntryFollowsTheFields()
{
    auto inspection = bentInspection();
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    Viewer3D viewer;
    RenderRequests renders(&viewer);
    const CourseStep bend = course.build(0.0);
    QCOMPARE(bend.code, QStringLiteral("BCC"));
    InsertPartDialog dialog(&course, &viewer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    auto *position = formChild<QDoubleSpinBox>(dialog, "position");
    auto *angle = formChild<QDoubleSpinBox>(dialog, "angle");
    auto *dial = formChild<AngleWidget>(dialog, "positionWidget");

    // Without a step the fields have nothing to move.
    angle->setValue(12.0);
    QVERIFY(course.entries().isEmpty());

    setPart(dialog, bend);
    QVERIFY(dialog.isVisible());
    QCOMPARE(formChild<QLabel>(dialog, "text")->text(), bend.text);
    QCOMPARE(course.entries().size(), 1);
    CIEntry entry = course.entries().first();
    QCOMPARE(entry.type, int(CIEntry::Elbow));
    QCOMPARE(entry.position, double(bend.position));
    QCOMPARE(entry.angle, bend.value);
    QCOMPARE(entry.code, bend.code);
    QCOMPARE(entry.timecode, bend.timecode);
    QCOMPARE(entry.meter, bend.meter);
    QCOMPARE(dial->angle(), double(bend.position));
    QCOMPARE(renders.take(), 1);
    // The course was rebuilt past the bend: the branch is the next step to place.
    QCOMPARE(course.build(0.0).code, QStringLiteral("BCA"));

    position->setValue(-90.0);
    QCOMPARE(dial->angle(), 270.0);
    angle->setValue(45.5);
    QCOMPARE(course.entries().size(), 1);
    entry = course.entries().first();
    QCOMPARE(entry.position, -90.0);
    QCOMPARE(entry.angle, 45.5);
    QCOMPARE(dialog.currentEntry().angle, 45.5);
    QCOMPARE(renders.take(), 1);
}

void TestInsertDialogs::dialClickMovesTheEntry()
{
    auto inspection = bentInspection();
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    Viewer3D viewer;
    RenderRequests renders(&viewer);
    InsertPartDialog dialog(&course, &viewer);
    setPart(dialog, course.build(0.0));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    renders.take();

    auto *dial = formChild<AngleWidget>(dialog, "positionWidget");
    QVERIFY(qMin(dial->width(), dial->height()) > 120);
    // Up and to the right of the centre, a little steeper than 45 degrees: 50.19 on the dial.
    const QPoint centre(dial->width() / 2, dial->height() / 2);
    QTest::mouseClick(dial, Qt::LeftButton, Qt::NoModifier, centre + QPoint(25, -30));
    QCOMPARE(formChild<QDoubleSpinBox>(dialog, "position")->value(), 50.0);
    QCOMPARE(course.entries().size(), 1);
    QCOMPARE(course.entries().first().position, 50.0);
    QCOMPARE(dial->angle(), 50.0);
    QCOMPARE(renders.take(), 1);
}

void TestInsertDialogs::presetPositionIsClamped_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("expectedAngle");
    QTest::newRow("beyond a turn") << 400 << 30.0 << 360.0 << 30.0;
    QTest::newRow("below a turn back") << -500 << -400.0 << -360.0 << -360.0;
    QTest::newRow("undetermined") << -1 << 361.0 << -1.0 << 360.0;
}

void TestInsertDialogs::presetPositionIsClamped()
{
    QFETCH(int, preset);
    QFETCH(double, angle);
    QFETCH(double, position);
    QFETCH(double, expectedAngle);
    auto inspection = bentInspection();
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    const CourseStep bend = course.build(0.0);
    InsertPartDialog dialog(&course, nullptr);
    dialog.setPart(angle, preset, bend.text, bend.kind, bend.code, bend.timecode, bend.meter);
    QCOMPARE(course.entries().size(), 1);
    QCOMPARE(course.entries().first().position, position);
    QCOMPARE(course.entries().first().angle, expectedAngle);
}

void TestInsertDialogs::eachStepAddsAnEntry()
{
    auto inspection = bentInspection();
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    InsertPartDialog dialog(&course, nullptr);
    const CourseStep bend = course.build(0.0);
    setPart(dialog, bend);
    const CourseStep branch = course.build(0.0);
    QCOMPARE(branch.kind, int(CourseStep::Branch));
    setPart(dialog, branch);
    QCOMPARE(course.entries().size(), 2);
    QCOMPARE(course.entries().at(0).code, QStringLiteral("BCC"));
    QCOMPARE(course.entries().at(1).code, QStringLiteral("BCA"));
    QCOMPARE(course.entries().at(1).type, int(CIEntry::Branch));
    QVERIFY(course.build(0.0).code.isEmpty());
    QCOMPARE(course.allBranches().size(), 1);

    // Turning the second step's entry leaves the first one alone.
    formChild<QDoubleSpinBox>(dialog, "angle")->setValue(75.0);
    QCOMPARE(course.entries().size(), 2);
    QCOMPARE(course.entries().at(0).angle, bend.value);
    QCOMPARE(course.entries().at(1).angle, 75.0);
}

void TestInsertDialogs::partDialogEndsKeepTheEntry_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Übernehmen") << "accept" << 1;
    QTest::newRow("Abbrechen") << "reject" << 0;
    QTest::newRow("Escape") << "escape" << 0;
}

void TestInsertDialogs::partDialogEndsKeepTheEntry()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    auto inspection = bentInspection();
    ConnectedInspection course(inspection.get(), new ManipulatedSystem3D, nullptr);
    InsertPartDialog dialog(&course, nullptr);
    QSignalSpy finished(&dialog, &QDialog::finished);
    setPart(dialog, course.build(0.0));
    formChild<QDoubleSpinBox>(dialog, "angle")->setValue(20.0);
    if (how == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        formChild<QPushButton>(dialog, how)->click();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), result);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(course.entries().size(), 1);
    QCOMPARE(course.entries().first().angle, 20.0);
}

void TestInsertDialogs::previewFitsTheObject_data()
{
    QTest::addColumn<bool>("isPoint");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("depth");
    QTest::addColumn<double>("typedDepth");
    QTest::addColumn<double>("shownDepth");
    QTest::newRow("manhole 3 m deep") << false << 1.0 << 3.0 << 5.0 << 3.0;
    QTest::newRow("manhole, depth inside") << false << 1.2 << 3.0 << 1.25 << 1.25;
    QTest::newRow("point") << true << 0.3 << 2.0 << 0.0 << 0.0;
}

void TestInsertDialogs::previewFitsTheObject()
{
    QFETCH(bool, isPoint);
    QFETCH(double, diameter);
    QFETCH(double, depth);
    QFETCH(double, typedDepth);
    QFETCH(double, shownDepth);
    Viewer3D viewer;
    Object3D *object = isPoint ? static_cast<Object3D *>(new Point(diameter, depth)) : new Duct(diameter, depth);
    object->buildGeometry();
    object->system()->setPosition(Vector3D(0.2, object->system()->position().y, -0.1));
    viewer.addObject(object);
    RenderRequests renders(&viewer);
    InsertInvestDialog dialog(object, &viewer, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Untersuchung einfügen"));
    QCOMPARE(renders.take(), 1);

    Pipeline *preview = dialog.preview();
    QVERIFY(preview);
    QCOMPARE(viewer.objects(), (QList<Object3D *>{object, preview}));
    QCOMPARE(preview->length(), diameter / 2.0 + 0.5);
    QCOMPARE(preview->radius(), 0.1);
    QCOMPARE(preview->system()->referenceSystem(), static_cast<System3D *>(object->system()));

    auto *depthField = formChild<QDoubleSpinBox>(dialog, "depth");
    QCOMPARE(depthField->isEnabled(), !isPoint);
    for (const char *button : {"normal", "up2", "down2"})
        QCOMPARE(formChild<QPushButton>(dialog, button)->isHidden(), !isPoint);
    if (!isPoint)
        QCOMPARE(depthField->maximum(), depth);

    // Starts at the object, lying flat; the depth lowers it below the object's top.
    const Vector3D top = object->system()->position();
    QVERIFY(closeTo(preview->system()->position(), top, 1e-12));
    QVERIFY(std::fabs(pipeDirection(preview).y) < 1e-9);
    depthField->setValue(typedDepth);
    QCOMPARE(depthField->value(), shownDepth);
    QVERIFY(closeTo(preview->system()->position(), top - Vector3D(0, Object3D::toUnits(shownDepth), 0), 1e-12));
}

void TestInsertDialogs::previewTurnsWithPositionAndButtons()
{
    Viewer3D viewer;
    auto *point = new Point(0.4, 1.0);
    point->buildGeometry();
    viewer.addObject(point);
    InsertInvestDialog dialog(point, &viewer, nullptr);
    RenderRequests renders(&viewer);
    Pipeline *preview = dialog.preview();
    auto *position = formChild<QDoubleSpinBox>(dialog, "position");
    auto *dial = formChild<AngleWidget>(dialog, "positionWidget");

    // Seen from above, the pipe points where the dial does: 0 right (+x), 90 up the screen (-z).
    const auto expected = [](double degrees) {
        const double a = degrees * M_PI / 180.0;
        return Vector3D(std::cos(a), 0.0, -std::sin(a));
    };
    QVERIFY(closeTo(pipeDirection(preview), expected(0), 1e-9));
    for (double degrees : {90.0, 200.0, 270.0}) {
        position->setValue(degrees);
        QVERIFY2(closeTo(pipeDirection(preview), expected(degrees), 1e-9), qPrintable(describe(pipeDirection(preview))));
        QCOMPARE(dial->angle(), degrees);
    }
    QCOMPARE(renders.take(), 1);
    position->setValue(-90.0);
    QCOMPARE(dial->angle(), 270.0);
    QCOMPARE(position->value(), -90.0);
    QVERIFY(closeTo(pipeDirection(preview), expected(270), 1e-9));

    formChild<QPushButton>(dialog, "up2")->click();
    QCOMPARE(position->value(), 0.0);
    QVERIFY(closeTo(pipeDirection(preview), Vector3D(0, 1, 0), 1e-9));
    position->setValue(30.0);
    formChild<QPushButton>(dialog, "down2")->click();
    QCOMPARE(position->value(), 0.0);
    QVERIFY(closeTo(pipeDirection(preview), Vector3D(0, -1, 0), 1e-9));
    position->setValue(30.0);
    formChild<QPushButton>(dialog, "normal")->click();
    QCOMPARE(position->value(), 0.0);
    QVERIFY(closeTo(pipeDirection(preview), expected(0), 1e-9));
    QCOMPARE(renders.take(), 1);
}

void TestInsertDialogs::fileNeedsAnInspectionWithAStandard_data()
{
    QTest::addColumn<bool>("hasProject");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("no project") << false << QList<int>() << false;
    QTest::newRow("empty project") << true << QList<int>() << false;
    QTest::newRow("free text only") << true << QList<int>{NormFreetext, NormFreetext} << false;
    QTest::newRow("one with a standard") << true << QList<int>{NormFreetext, NormIsybau2001} << true;
}

void TestInsertDialogs::fileNeedsAnInspectionWithAStandard()
{
    QFETCH(bool, hasProject);
    QFETCH(QList<int>, kinds);
    QFETCH(bool, enabled);
    InspectionList project;
    int n = 0;
    for (int kind : kinds) {
        Investigation *inspection = makeInspection(kind).release();
        inspection->setFileName(QStringLiteral("i%1").arg(++n));
        project.addInspection(inspection);
    }
    Duct duct(1.0, 2.0);
    InsertInvestDialog dialog(&duct, nullptr, hasProject ? &project : nullptr);
    QCOMPARE(formChild<QPushButton>(dialog, "file")->isEnabled(), enabled);
}

void TestInsertDialogs::fileChoosesAnInspection()
{
    InspectionList project;
    project.addInspection(bentInspection(QStringLiteral("a.xml")).release());
    Investigation *freeText = makeInspection(NormFreetext).release();
    freeText->setFileName(QStringLiteral("frei.txt"));
    project.addInspection(freeText);
    project.addInspection(bentInspection(QStringLiteral("b.xml")).release());

    Viewer3D viewer;
    auto *duct = new Duct(1.0, 3.0);
    viewer.addObject(duct);
    InsertInvestDialog dialog(duct, &viewer, &project);
    dialog.show();
    QPointer<Pipeline> preview(dialog.preview());
    formChild<QDoubleSpinBox>(dialog, "depth")->setValue(1.5);
    formChild<QDoubleSpinBox>(dialog, "position")->setValue(120.0);
    QVERIFY(preview->system()->constraint());

    // Cancelling the list keeps the dialog and the preview.
    {
        ModalAnswerer answer;
        answer.reject("InputListDialog");
        formChild<QPushButton>(dialog, "file")->click();
        QVERIFY(answer.done());
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(preview);
    QVERIFY(viewer.objects().contains(preview.data()));
    QVERIFY(!dialog.takeFrame());

    const Vector3D translation = preview->system()->translation();
    const Quaternion rotation = preview->system()->rotation();
    preview->system()->setRotationSensitivity(0.7f);
    QStringList offered;
    ModalAnswerer answer;
    answer.expect("InputListDialog", [&offered](QWidget *w) {
        auto *list = formChild<QListWidget>(*w, "listWidget");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        list->setCurrentRow(1);
        static_cast<QDialog *>(w)->accept();
    });
    formChild<QPushButton>(dialog, "file")->click();
    QVERIFY(answer.done());
    QCOMPARE(offered, (QStringList{"a.xml", "b.xml"}));
    QCOMPARE(dialog.result(), int(InsertInvestDialog::FromFile));
    QCOMPARE(dialog.inspectionName(), QStringLiteral("b.xml"));
    QVERIFY(!preview);
    QCOMPARE(viewer.objects(), QList<Object3D *>{duct});

    std::unique_ptr<ManipulatedSystem3D> frame(dialog.takeFrame());
    QVERIFY(frame);
    QVERIFY(!dialog.takeFrame());
    QVERIFY(!frame->constraint());
    QCOMPARE(frame->referenceSystem(), static_cast<System3D *>(duct->system()));
    QVERIFY(closeTo(frame->translation(), translation, 0.0));
    QCOMPARE(frame->rotation().x, rotation.x);
    QCOMPARE(frame->rotation().y, rotation.y);
    QCOMPARE(frame->rotation().z, rotation.z);
    QCOMPARE(frame->rotation().w, rotation.w);
    QCOMPARE(frame->rotationSensitivity(), 0.7f);
}

void TestInsertDialogs::everyWayOutRemovesThePreview_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Assistent") << "assistent" << 2;
    QTest::newRow("Abbrechen") << "reject" << 0;
    QTest::newRow("Escape") << "escape" << 0;
    QTest::newRow("dialog deleted while open") << "delete" << -1;
}

void TestInsertDialogs::everyWayOutRemovesThePreview()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    Viewer3D viewer;
    auto *point = new Point(0.3, 1.0);
    viewer.addObject(point);
    RenderRequests renders(&viewer);
    auto dialog = std::make_unique<InsertInvestDialog>(point, &viewer, nullptr);
    dialog->show();
    QPointer<Pipeline> preview(dialog->preview());
    QVERIFY(preview);
    renders.take();

    if (how == QLatin1String("delete"))
        dialog.reset();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        formChild<QPushButton>(*dialog, how)->click();
    QVERIFY(!preview);
    QCOMPARE(viewer.objects(), QList<Object3D *>{point});
    QCOMPARE(renders.take(), 1);
    if (!dialog)
        return;
    QCOMPARE(dialog->result(), result);
    QVERIFY(!dialog->preview());
    std::unique_ptr<ManipulatedSystem3D> frame(dialog->takeFrame());
    QCOMPARE(bool(frame), result == 2);
    if (frame) {
        QVERIFY(!frame->constraint());
        QCOMPARE(frame->referenceSystem(), static_cast<System3D *>(point->system()));
    }
}

QTEST_MAIN(TestInsertDialogs)
#include "tst_insertdialogs.moc"
