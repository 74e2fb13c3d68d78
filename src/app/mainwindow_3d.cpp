#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "foundation/global.h"
#include "foundation/inputlistdialog.h"
#include "foundation/messagedialog.h"
#include "foundation/meterratioobserver.h"
#include "foundation/toolbox.h"
#include "entry/startnewinvestdialog.h"
#include "plan/dialogs/createplandialog.h"
#include "plan/dialogs/loadplandialog.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/coursesteps.h"
#include "view3d/dialogs/dimensionnotedialog.h"
#include "view3d/dialogs/ductdialog.h"
#include "view3d/dialogs/insertinvestdialog.h"
#include "view3d/dialogs/insertpartdialog.h"
#include "view3d/dialogs/investdialog.h"
#include "view3d/dialogs/pointdialog.h"
#include "view3d/dialogs/viewoptionsdialog.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"
#include "project/project.h"
#include "project/project3d.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QSignalBlocker>
#include <QtMath>

namespace {

// Show-flag bits of the view toggles and of the free 3D view, as the viewer reads them.
constexpr int kLabelsBit = Viewer3D::ShowLabels;
constexpr int kProjectionBit = Viewer3D::ShowProjection;
constexpr int kPerspectiveBit = Viewer3D::PerspectiveA;
constexpr int kFreeViewBit = Viewer3D::PerspectiveB;
constexpr int kReferencePointsBit = Viewer3D::ShowReferencePoints;
constexpr int kDimensionNotesBit = Viewer3D::ShowDimensionNotes;

// Waits until the view reports the end of a placement.
void waitForPlacement(Viewer3D *viewer, void (Viewer3D::*finished)())
{
    QEventLoop loop;
    QObject::connect(viewer, finished, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class MainWindow::PanelLock
{
public:
    explicit PanelLock(MainWindow *window) : m_window(window), m_busy(window) { m_window->lockPanels(true); }
    ~PanelLock() { m_window->lockPanels(false); }
    PanelLock(const PanelLock &) = delete;
    PanelLock &operator=(const PanelLock &) = delete;

private:
    MainWindow *m_window;
    BusyScope m_busy;
};

void MainWindow::register3DCommands()
{
    keys3D.planSection = tr("Grundplan");
    keys3D.createSection = tr("Anlegen");
    keys3D.dimensionSection = tr("Bemaßung");
    keys3D.viewSection = tr("Ansicht");
    keys3D.view2D = commandKey(keys3D.viewSection, tr("2D"));

    const QString edit = tr("Bearbeiten"), remove = tr("Löschen"), inspection = tr("Untersuchung");
    commands.insert(keys.viewLabel, &MainWindow::toggleLabels);
    commands.insert(keys.viewReferencePoints, &MainWindow::toggleReferencePoints);
    commands.insert(keys.viewDimensions, &MainWindow::toggleDimensionNotes);
    commands.insert(keys.view2DProjection, &MainWindow::toggleProjection);
    commands.insert(keys.viewPerspective, &MainWindow::togglePerspective);
    commands.insert(keys3D.view2D, &MainWindow::toggleTopView);
    commands.insert(commandKey(keys3D.viewSection, tr("Optionen")), &MainWindow::showViewOptions);
    commands.insert(keys.northAngle, &MainWindow::alignNorth);

    commands.insert(commandKey(keys3D.planSection, tr("Einfügen")), &MainWindow::insertFloorPlan);
    commands.insert(commandKey(keys3D.planSection, remove), &MainWindow::deleteFloorPlan);
    commands.insert(commandKey(keys3D.createSection, tr("Schacht")), &MainWindow::createDuct);
    commands.insert(commandKey(keys3D.createSection, tr("Punkt")), &MainWindow::createPoint);
    commands.insert(commandKey(keys3D.createSection, tr("Referenzpunkt")), &MainWindow::createReferencePoint);
    commands.insert(commandKey(keys3D.createSection, tr("Bemaßung")), &MainWindow::createDimensionNote);
    commands.insert(commandKey(keys.reference, tr("Schacht")), &MainWindow::createDuct);
    commands.insert(commandKey(keys.reference, tr("Punkt")), &MainWindow::createPoint);
    commands.insert(commandKey(keys.reference, remove), &MainWindow::deleteReferencePoint);
    commands.insert(commandKey(keys3D.dimensionSection, edit), &MainWindow::editDimensionNote);
    commands.insert(commandKey(keys3D.dimensionSection, remove), &MainWindow::deleteDimensionNote);
    commands.insert(commandKey(keys.objectSection, edit), &MainWindow::editObject);
    commands.insert(commandKey(keys.objectSection, remove), &MainWindow::deleteObject);
    commands.insert(commandKey(keys.objectSection, inspection), &MainWindow::insertInspectionAtObject);
    commands.insert(commandKey(keys.courseSection, edit), &MainWindow::editCourse);
    commands.insert(commandKey(keys.courseSection, remove), &MainWindow::deleteCourse);
    commands.insert(commandKey(keys.branchSection, inspection), &MainWindow::insertBranchInspection);

    connect(viewer, &Viewer3D::selectionChanged, this, &MainWindow::selectionChanged);
    connect(viewer, &Viewer3D::needRestartProject, this, &MainWindow::viewerNeedsProjectRestart);
    showViewMode();
}

// The frame around handlers that wait ----------------------------------------------------------

void MainWindow::lockPanels(bool locked)
{
    if (locked) {
        panelStates.append({ui->toolFrame->isEnabled(), ui->tool3DFrame->isEnabled(),
                            ui->tabWidget->isTabEnabled(0), viewer->isSelectionLocked()});
        ui->toolFrame->setEnabled(false);
        ui->tool3DFrame->setEnabled(false);
        ui->tabWidget->setTabEnabled(0, false);
        viewer->setSelectionLocked(true);
        return;
    }
    if (panelStates.isEmpty())
        return;
    const PanelState before = panelStates.takeLast();
    ui->toolFrame->setEnabled(before.toolFrame);
    ui->tool3DFrame->setEnabled(before.tool3DFrame);
    ui->tabWidget->setTabEnabled(0, before.videoTab);
    viewer->setSelectionLocked(before.selectionLocked);
}

int MainWindow::runObjectDialog(QDialog *dialog)
{
    PanelLock lock(this);
    int result = 0;
    QEventLoop loop;
    connect(dialog, &QDialog::finished, &loop, [&](int r) {
        result = r;
        loop.quit();
    });
    dialog->show();
    loop.exec();
    return result;
}

bool MainWindow::confirmDeletion(const QString &text)
{
    MessageDialog question(text, MessageDialog::Yes | MessageDialog::No, -1, this);
    question.setEscapeResult(MessageDialog::No);
    return question.exec() == MessageDialog::Yes;
}

// View ------------------------------------------------------------------------------------------

void MainWindow::setShowBit(int bit, bool on)
{
    // The store toggles a bit it is told to clear, so it is told only when the bit must change.
    if (((project3D->showFlags() & bit) != 0) != on)
        project3D->setShowFlag(bit, on);
    viewer->setShowFlags(project3D->showFlags());
    viewer->renderLater();
    project3DChanged = true;
}

void MainWindow::toggleShowFlag(const QString &key, int bit)
{
    if (!project3D)
        return;
    setShowBit(bit, ui->tool3DBox->isChecked(key));
}

void MainWindow::toggleLabels()
{
    toggleShowFlag(keys.viewLabel, kLabelsBit);
}

void MainWindow::toggleReferencePoints()
{
    toggleShowFlag(keys.viewReferencePoints, kReferencePointsBit);
}

void MainWindow::toggleDimensionNotes()
{
    toggleShowFlag(keys.viewDimensions, kDimensionNotesBit);
}

void MainWindow::toggleProjection()
{
    toggleShowFlag(keys.view2DProjection, kProjectionBit);
}

void MainWindow::togglePerspective()
{
    toggleShowFlag(keys.viewPerspective, kPerspectiveBit);
}

void MainWindow::showViewOptions()
{
    PanelLock lock(this);
    ViewOptionsDialog dialog(viewer, this);
    if (dialog.exec() == QDialog::Accepted)
        recreateLabels();
}

void MainWindow::alignNorth()
{
    const QSharedPointer<FloorPlan> plan = project3D ? project3D->plan() : QSharedPointer<FloorPlan>();
    if (!plan)
        return;
    const double angle = qDegreesToRadians(ui->tool3DBox->value(keys.northAngle));
    if (angle == plan->northAngle())
        return;
    plan->setNorthAngle(angle);
    viewer->renderLater();
    project3DChanged = true;
}

void MainWindow::toggleTopView()
{
    if (!project3D)
        return;
    viewer->toggleTopView();
    viewer->renderLater();
    if (((project3D->showFlags() & kFreeViewBit) != 0) != viewer->is3DView())
        project3D->setShowFlag(kFreeViewBit, viewer->is3DView());
    showViewMode();
    project3DChanged = true;
}

void MainWindow::showViewMode()
{
    const bool freeView = viewer->is3DView();
    ui->tool3DBox->setEnabled(keys.viewPerspective, freeView);
    ui->tool3DBox->setText(keys3D.view2D, freeView ? tr("2D") : tr("3D"));
}

// Site plan -------------------------------------------------------------------------------------

void MainWindow::insertFloorPlan()
{
    if (!project3D)
        return;
    if (viewer->hasFloorPlan()) {
        MessageDialog warning(tr("Der vorhandene Grundplan wird überschrieben!"),
                              MessageDialog::Ok | MessageDialog::Cancel, -1, this);
        if (warning.exec() != MessageDialog::Ok)
            return;
    }
    MessageDialog choice(tr("Plan aus Datei laden oder selber erstellen?"),
                         MessageDialog::Ok | MessageDialog::Cancel | MessageDialog::Yes, -1, this);
    choice.setButtonText(MessageDialog::Ok, tr("Laden"));
    choice.setButtonText(MessageDialog::Yes, tr("Erstellen"));
    const int answer = choice.exec();
    QSharedPointer<FloorPlan> plan;
    if (answer == MessageDialog::Ok) {
        LoadPlanDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        plan = dialog.plan();
    } else if (answer == MessageDialog::Yes) {
        CreatePlanDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        plan = dialog.plan();
    }
    if (!plan)
        return;

    MessageDialog note(tr("Plan wird erstellt!"), 0, -1, this);
    note.show();
    QCoreApplication::processEvents();
    project3D->setPlan(plan);
    note.setText(tr("Plan wird gespeichert!"));
    QCoreApplication::processEvents();
    project3D->save();
    project3D->savePlan();
    note.setText(tr("3D-Ansicht wird aktualisiert!"));
    QCoreApplication::processEvents();
    viewer->setFloorPlan(plan);
    viewer->renderLater();
    note.close();
    QCoreApplication::processEvents();
    // The scene follows the new plan's scale; with objects in it the view asks for a restart.
    Global::instance()->meterRatio()->observe(plan);
}

void MainWindow::deleteFloorPlan()
{
    if (!project3D || !viewer->hasFloorPlan())
        return;
    if (!confirmDeletion(tr("Den Grundplan entfernen?")))
        return;
    viewer->clearFloorPlan();
    project3D->setPlan(QSharedPointer<FloorPlan>());
    project3D->save();
    // The open project's own folder: the configured root may have changed since it was opened.
    QFile::remove(project->folder() + QStringLiteral("/plan.png"));
    viewer->renderLater();
}

// Objects ---------------------------------------------------------------------------------------

void MainWindow::createDuct()
{
    createObject(new Duct(1.0, 2.0));
}

void MainWindow::createPoint()
{
    createObject(new Point(0.3, 1.0));
}

void MainWindow::createObject(Object3D *object)
{
    if (!project3D) {
        delete object;
        return;
    }
    Vector3D position(0.0, 0.0, 0.0);
    if (const ReferencePoint *reference = viewer->selectedReferencePoint())
        position = reference->position();
    object->system()->setPosition(position);
    object->buildGeometry();
    viewer->addObject(object);
    viewer->renderLater();

    int result = 0;
    if (auto *duct = qobject_cast<Duct *>(object)) {
        DuctDialog dialog(duct, viewer, this);
        result = runObjectDialog(&dialog);
    } else if (auto *point = qobject_cast<Point *>(object)) {
        PointDialog dialog(point, viewer, this);
        result = runObjectDialog(&dialog);
    }
    if (result == QDialog::Accepted) {
        connect(object, &Object3D::changed, this, &MainWindow::project3ddata_changed, Qt::UniqueConnection);
        project3D->addObject(object);
        project3DChanged = true;
        return;
    }
    viewer->removeObject(object);
    viewer->renderLater();
    delete object;
}

void MainWindow::createReferencePoint()
{
    if (!project3D)
        return;
    PanelLock lock(this);
    if (!ui->tool3DBox->isChecked(keys.viewReferencePoints)) {
        setShowBit(kReferencePointsBit, true);
        ui->tool3DBox->setChecked(keys.viewReferencePoints, true);
    }
    MessageDialog choice(tr("Einmesspunkt einfügen:"), MessageDialog::Yes | MessageDialog::No | MessageDialog::Cancel,
                         -1, this);
    choice.setButtonText(MessageDialog::Yes, tr("Einmessen"));
    choice.setButtonText(MessageDialog::No, tr("Freihand"));
    const int answer = choice.exec();
    int mode = 0;
    if (answer == MessageDialog::Yes) {
        MessageDialog(tr("Bitte 2 Punkte zum Einmessen auswählen!"), MessageDialog::Ok, -1, this).exec();
        mode = 2;
    } else if (answer == MessageDialog::No) {
        MessageDialog(tr("Bitte Einmesspunkt setzen!"), MessageDialog::Ok, -1, this).exec();
        mode = 1;
    } else {
        return;
    }
    viewer->setReferenceMode(mode);
    waitForPlacement(viewer, &Viewer3D::finishedReference);
    if (ReferencePoint *placed = viewer->currentReference()) {
        project3D->addObject(placed);
        project3DChanged = true;
    }
}

void MainWindow::createDimensionNote()
{
    if (!project3D)
        return;
    PanelLock lock(this);
    if (!ui->tool3DBox->isChecked(keys.viewDimensions)) {
        setShowBit(kDimensionNotesBit, true);
        ui->tool3DBox->setChecked(keys.viewDimensions, true);
    }
    MessageDialog(tr("Bitte 2 Punkte zum Bemaßen auswählen!"), MessageDialog::Ok, -1, this).exec();
    viewer->setDimensionNoteMode(2);
    waitForPlacement(viewer, &Viewer3D::finishedDimensionNote);
    if (DimensionNote *placed = viewer->currentDimensionNote()) {
        project3D->addObject(placed);
        project3DChanged = true;
    }
}

void MainWindow::editDimensionNote()
{
    auto *note = qobject_cast<DimensionNote *>(viewer->selectedObject());
    if (!project3D || !note)
        return;
    const QString name = note->name();
    DimensionNoteDialog dialog(note, viewer, this);
    if (runObjectDialog(&dialog) == QDialog::Accepted) {
        project3DChanged = true;
        return;
    }
    note->setName(name, true);
    viewer->updateMaxDepth();
    viewer->renderLater();
}

void MainWindow::editObject()
{
    Object3D *object = viewer->selectedObject();
    auto *duct = qobject_cast<Duct *>(object);
    auto *point = qobject_cast<Point *>(object);
    if (!project3D || (!duct && !point))
        return;
    const double diameter = duct ? duct->diameter() : point->diameter();
    const double depth = duct ? duct->depth() : point->depth();
    const QString label = object->labelText();
    int result = 0;
    if (duct) {
        DuctDialog dialog(duct, viewer, this);
        result = runObjectDialog(&dialog);
    } else {
        PointDialog dialog(point, viewer, this);
        result = runObjectDialog(&dialog);
    }
    if (result == QDialog::Accepted) {
        project3DChanged = true;
        return;
    }
    if (duct) {
        duct->setDiameter(diameter);
        duct->setDepth(depth);
    } else {
        point->setDiameter(diameter);
        point->setDepth(depth);
        point->setLabelText(label);
    }
    viewer->updateMaxDepth();
    viewer->renderLater();
}

// Asks, then removes the object with the courses that start at it and deletes it.
void MainWindow::deleteWithCourses(Object3D *object)
{
    if (!confirmDeletion(tr("Das Element wirklich löschen?\nAlle angeschlossenen Elemente werden ebenfalls gelöscht!")))
        return;
    viewer->clearSelection();
    const QList<ConnectedInspection *> courses = project3D->inspectionsStartingAt(object);
    project3D->removeInspectionsAt(object);
    // Branch courses belong to their course and go with it; the view must not keep them.
    for (ConnectedInspection *course : courses) {
        for (ConnectedInspection *branch : course->allBranches())
            viewer->removeInspection(branch);
    }
    // The view deletes what it holds; a course the store held alone goes the same way.
    for (ConnectedInspection *course : courses)
        viewer->addInspection(course);
    viewer->removeInspectionsOf(object);
    viewer->removeObject(object);
    viewer->renderLater();
    project3DChanged = true;
    delete object;
}

void MainWindow::deleteDimensionNote()
{
    if (DimensionNote *note = viewer->selectedDimensionNote(); project3D && note)
        deleteWithCourses(note);
}

void MainWindow::deleteReferencePoint()
{
    if (ReferencePoint *reference = viewer->selectedReferencePoint(); project3D && reference)
        deleteWithCourses(reference);
}

void MainWindow::deleteObject()
{
    // Taken before the selection is cleared, which forgets it.
    Object3D *object = viewer->selectedObject();
    if (project3D && (qobject_cast<Duct *>(object) || qobject_cast<Point *>(object)))
        deleteWithCourses(object);
}

// Courses ---------------------------------------------------------------------------------------

ConnectedInspection *MainWindow::selectedCourse() const
{
    Object3D *object = viewer->selectedObject();
    if (!project3D || !object)
        return nullptr;
    const QList<ConnectedInspection *> courses = project3D->inspectionsConnectedTo(object);
    return courses.isEmpty() ? nullptr : courses.first();
}

void MainWindow::editCourse()
{
    ConnectedInspection *course = selectedCourse();
    if (!course)
        return;
    InvestDialog dialog(course, viewer, this);
    const bool accepted = runObjectDialog(&dialog) == QDialog::Accepted;
    if (dialog.isModified())
        project3DChanged = true;
    // Accepted, the dialog wrote its fields into the inspection, and a changed pipe name alone
    // marks nothing; the store saves only inspections marked changed.
    if (accepted && course->investigation())
        course->investigation()->setChanged(true);
}

void MainWindow::deleteCourse()
{
    ConnectedInspection *course = selectedCourse();
    if (!course)
        return;
    if (!confirmDeletion(tr("Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?")))
        return;
    viewer->clearSelection();
    // The branch courses go with the inspection; the course itself stays as the placeholder.
    for (ConnectedInspection *branch : course->allBranches()) {
        if (viewer->hasInspection(branch))
            viewer->removeInspection(branch);
    }
    course->detachInvestigation();
    recreateLabels();
    project3DChanged = true;
}

void MainWindow::insertInspectionAtObject()
{
    Object3D *object = viewer->selectedObject();
    if (!project3D || !object)
        return;
    viewer->clearSelection();
    InsertInvestDialog dialog(object, viewer, project, this);
    int result = 0;
    {
        PanelLock lock(this);
        result = dialog.exec();
    }
    if (result == InsertInvestDialog::FromFile) {
        System3D *frame = dialog.takeFrame();
        if (Investigation *inspection = project->inspectionByName(dialog.inspectionName()))
            insertInspectionAt(object, inspection, frame);
        else
            delete frame;
    } else if (result == InsertInvestDialog::FromAssistant) {
        startInspectionAt(object, dialog.takeFrame());
    }
}

bool MainWindow::placeCourse(ConnectedInspection *course)
{
    InsertPartDialog dialog(course, viewer, this);
    for (;;) {
        const CourseStep step = course->build(0.0);
        if (step.code.isEmpty())
            break;
        viewer->renderLater();
        int result = 0;
        QEventLoop loop;
        connect(&dialog, &QDialog::finished, &loop, [&](int r) {
            result = r;
            loop.quit();
        });
        dialog.setPart(step.value, step.position, step.text, step.kind, step.code, step.timecode, step.meter,
                       step.index);
        loop.exec();
        if (result != QDialog::Accepted) {
            course->removeEntry(dialog.currentEntry());
            dialog.close();
            return false;
        }
    }
    dialog.close();
    return true;
}

void MainWindow::insertInspectionAt(Object3D *object, Investigation *inspection, System3D *frame)
{
    if (!frame)
        frame = new ManipulatedSystem3D;
    PanelLock lock(this);
    viewer->setShowFlags(0);
    auto *course = new ConnectedInspection(inspection, frame, object);
    viewer->addInspection(course);
    const bool placed = placeCourse(course);
    if (placed)
        project3D->addInspection(course);
    else
        viewer->removeInspection(course);
    viewer->renderLater();
    viewer->setShowFlags(project3D->showFlags());
    if (!placed) {
        delete course;
        return;
    }
    project3DChanged = true;
}

void MainWindow::startInspectionAt(Object3D *object, System3D *frame)
{
    if (!frame)
        frame = new ManipulatedSystem3D;
    PanelLock lock(this);
    viewer->setShowFlags(0);
    auto *course = new ConnectedInspection(nullptr, frame, object);
    viewer->addInspection(course);
    StartNewInvestDialog dialog(course, project, viewer, this);
    const int result = runObjectDialog(&dialog);
    if (result == 0) {
        viewer->removeInspection(course);
        viewer->renderLater();
        delete course;
    } else {
        project3D->addInspection(course);
        updateInspectionList();
        project3DChanged = true;
    }
    viewer->setShowFlags(project3D->showFlags());
}

void MainWindow::insertBranchInspection()
{
    ConnectedInspection *branch = selectedCourse();
    if (!branch)
        return;
    viewer->clearSelection();
    MessageDialog choice(tr("neue Untersuchung"), MessageDialog::Ok | MessageDialog::Cancel | MessageDialog::Yes, -1,
                         this);
    choice.setButtonText(MessageDialog::Ok, tr("Datei"));
    choice.setButtonText(MessageDialog::Yes, tr("Assistent"));
    const int answer = choice.exec();
    if (answer == MessageDialog::Ok) {
        InputListDialog list(this);
        list.setItems(project->inspectionNames());
        if (list.exec() != QDialog::Accepted)
            return;
        Investigation *inspection = project->inspectionByName(list.selectedItem());
        if (!inspection)
            return;
        PanelLock lock(this);
        branch->setInvestigation(inspection);
        if (!placeCourse(branch)) {
            branch->detachInvestigation();
            viewer->renderLater();
            return;
        }
        viewer->renderLater();
        project3DChanged = true;
    } else if (answer == MessageDialog::Yes) {
        StartNewInvestDialog dialog(branch, project, viewer, this);
        if (runObjectDialog(&dialog) == 0) {
            viewer->renderLater();
            return;
        }
        // A course that hangs from another one is drawn and deleted by that one, so the view
        // takes only courses that hang from scene objects.
        if (!branch->parent() || viewer->objects().contains(branch->parent()))
            viewer->addInspection(branch);
        branch->build(0.0);
        updateInspectionList();
        viewer->renderLater();
        project3DChanged = true;
    }
}

// Selection and restart -------------------------------------------------------------------------

void MainWindow::selectionChanged(Object3D *obj)
{
    QString shown;
    if (!obj) {
        shown = keys3D.createSection;
    } else if (qobject_cast<Duct *>(obj) || qobject_cast<Point *>(obj)) {
        shown = keys.objectSection;
    } else if (qobject_cast<ReferencePoint *>(obj)) {
        shown = keys.reference;
    } else if (qobject_cast<DimensionNote *>(obj)) {
        shown = keys3D.dimensionSection;
    } else if (qobject_cast<ConnectedObject3D *>(obj)) {
        const QList<ConnectedInspection *> courses =
            project3D ? project3D->inspectionsConnectedTo(obj) : QList<ConnectedInspection *>();
        const bool withInspection = !courses.isEmpty() && courses.first()->investigation();
        shown = withInspection ? keys.courseSection : keys.branchSection;
    } else {
        qDebug() << "TODO:" << "MainWindow::selectionChanged" << __LINE__ << obj;
        return;
    }
    for (const QString &section : {keys3D.createSection, keys.reference, keys3D.dimensionSection, keys.objectSection,
                                   keys.courseSection, keys.branchSection})
        ui->tool3DBox->setVisible(section, section == shown);
}

void MainWindow::viewerNeedsProjectRestart()
{
    if (!project || !project3D)
        return;
    MessageDialog note(tr("Das Projekt muss neu geladen werden.\nBitte warten Sie einen Moment!"), 0, -1, this);
    note.show();
    QCoreApplication::processEvents();
    viewer->clearSelection();
    // The open project's own folder: the configured root may have changed since it was opened.
    const QString path = QStringLiteral("%1/%2/project.xml").arg(project->root(), project->name());
    // Closes the open inspection first, asking about its changes; a wanted save that failed
    // keeps everything as it was.
    if (!closeProject()) {
        note.close();
        return;
    }
    project = new Project(path);
    loadProject3D();
    adjustProjectUi();
    note.close();
}
