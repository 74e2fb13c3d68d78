#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "foundation/config.h"
#include "foundation/debuglog.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/infodialog.h"
#include "foundation/messagedialog.h"
#include "foundation/version.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/object3d.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"
#include "project/openprojectdialog.h"
#include "project/project.h"
#include "project/project3d.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSurfaceFormat>
#include <QTimer>
#include <QTranslator>
#include <QtMath>

#include <algorithm>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
}

MainWindow::~MainWindow()
{
    // The view goes first: the courses it owns read the project's inspections.
    delete viewer;
    delete project3D;
    delete project;
    delete ui;
    fileInspection.reset();
}

Investigation *MainWindow::currentInspection() const
{
    return investigation;
}

void MainWindow::showMessage(const QString &text)
{
    emit message(text, int(Qt::AlignBottom | Qt::AlignHCenter), QColor(Qt::black));
    QCoreApplication::processEvents();
}

void MainWindow::init()
{
    showMessage(tr("loading ui..."));
    ui->setupUi(this);
    ui->graphicsView->installEventFilter(this);
    loadTranslation();

    ui->tabWidget->setCurrentIndex(0);
    ui->mainDataWidget->setEnabled(false);
    ui->fileWidget->setEnabled(false);
    // Through the tab widget, not its tab bar, so that bar and pages stay in step; the page
    // itself stays alive and comes back when an inspection with a standard is opened.
    ui->fileWidget->removeTab(ui->fileWidget->indexOf(ui->tab_3));

    buildToolBox();

    commands.insert(keys.projectOpen, &MainWindow::openProject);
    commands.insert(keys.projectNew, &MainWindow::newProject);
    commands.insert(keys.projectClose, &MainWindow::closeCommand);
    commands.insert(keys.projectSave, &MainWindow::saveProject);
    commands.insert(keys.extrasInfo, &MainWindow::showInfo);
    commands.insert(keys.close, &MainWindow::closeWindow);
    registerProjectCommands();
    registerInspectionCommands();
    registerExtrasCommands();

    showMessage(tr("loading user data..."));
    restoreSettings();

    showMessage(tr("initialize program..."));
    adjustProjectUi();

    buildTool3DBox();
    build3DView();
    register3DCommands();

    showMessage(tr("convert projects..."));
    convertProjects();

    emit finishedInit();
}

QString MainWindow::commandKey(const QString &section, const QString &item)
{
    return QStringLiteral("%1_%2").arg(section, item);
}

void MainWindow::buildToolBox()
{
    const QString projects = tr("Projekte");
    const QString inspection = tr("Untersuchung");
    const QString extras = tr("Extras");
    const QString open = tr("Öffnen"), save = tr("Speichern"), close = tr("Schließen"), print = tr("Drucken");
    const QString start = tr("Untersuchung starten");

    ToolBox *box = ui->toolBox;
    box->addSection(projects, {open, tr("Neu"), close, save, tr("Importieren"), tr("Exportieren"), print,
                               tr("Verwaltung")});
    box->addSection(inspection, {open, save, close, print, start});
    box->addStretch();
    box->addSection(extras, {tr("Einstellungen"), tr("Firmendaten"), tr("Info"), tr("Debugausgabe")});
    box->addButton(close);

    keys.projectOpen = commandKey(projects, open);
    keys.projectNew = commandKey(projects, tr("Neu"));
    keys.projectClose = commandKey(projects, close);
    keys.projectSave = commandKey(projects, save);
    keys.projectImport = commandKey(projects, tr("Importieren"));
    keys.inspectionSave = commandKey(inspection, save);
    keys.inspectionClose = commandKey(inspection, close);
    keys.inspectionPrint = commandKey(inspection, print);
    keys.inspectionStart = commandKey(inspection, start);
    keys.extrasInfo = commandKey(extras, tr("Info"));
    keys.close = close;

    if (QPushButton *openButton = box->button(keys.projectOpen))
        openButton->setFocus(Qt::OtherFocusReason);
    box->setVisible(keys.inspectionStart, false);
    for (const QString &k : {keys.inspectionSave, keys.inspectionClose, keys.inspectionPrint})
        box->setEnabled(k, false);

    connect(box, &ToolBox::clicked, this, &MainWindow::toolBox_clicked);
}

void MainWindow::buildTool3DBox()
{
    const QString view = tr("Ansicht");
    const QString label = tr("Label"), referencePoints = tr("Referenzpunkte"), dimensions = tr("Bemaßungen");
    const QString projection = tr("2D-Projektion"), perspective = tr("Perspektive");

    ToolBox *box = ui->tool3DBox;
    box->addSection(tr("Grundplan"), {tr("Einfügen"), tr("Löschen")});
    box->addSection(tr("Anlegen"), {tr("Schacht"), tr("Punkt"), tr("Referenzpunkt"), tr("Bemaßung")});
    box->addSection(tr("Referenz"), {tr("Schacht"), tr("Punkt"), tr("Löschen")});
    box->addSection(tr("Bemaßung"), {tr("Bearbeiten"), tr("Löschen")});
    box->addSection(tr("Schacht/Punkt"), {tr("Bearbeiten"), tr("Löschen"), tr("Untersuchung")});
    box->addSection(tr("Untersuchung"), {tr("Bearbeiten"), tr("Löschen")});
    box->addSection(tr("Abzweig"), {tr("Untersuchung")});
    box->addSection(view, {label, referencePoints, dimensions, projection, perspective, tr("2D"), tr("Optionen")});
    // Not translated: the key of the field is its caption, and the handler looks it up as is.
    keys.northAngle = QStringLiteral("Ausrichtung");
    box->addSpinBox(keys.northAngle, 0, 359.99);
    box->addStretch();

    keys.viewLabel = commandKey(view, label);
    keys.viewReferencePoints = commandKey(view, referencePoints);
    keys.viewDimensions = commandKey(view, dimensions);
    keys.view2DProjection = commandKey(view, projection);
    keys.viewPerspective = commandKey(view, perspective);
    keys.reference = tr("Referenz");
    keys.objectSection = tr("Schacht/Punkt");
    keys.courseSection = tr("Untersuchung");
    keys.branchSection = tr("Abzweig");

    for (const QString &k : {keys.viewLabel, keys.viewReferencePoints, keys.viewDimensions, keys.view2DProjection,
                             keys.viewPerspective}) {
        box->setCheckable(k, true);
        box->setChecked(k, true);
    }
    // Shown by the selection in the 3D view.
    for (const QString &k : {keys.reference, keys.objectSection, keys.courseSection, keys.branchSection})
        box->setVisible(k, false);

    connect(box, &ToolBox::clicked, this, &MainWindow::toolBox_clicked);
}

void MainWindow::build3DView()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setSamples(16);
    viewer = new Viewer3D;
    viewer->setFormat(format);
    QWidget *container = QWidget::createWindowContainer(viewer);
    container->setFocusPolicy(Qt::WheelFocus);
    viewer->setContainerWidget(container);
    auto *layout = new QHBoxLayout(ui->view3dWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);

    // Connected before the page is made current: the context may come as soon as it shows.
    connect(viewer, &Window3D::contextInit, this, &MainWindow::setTabWidget);
    ui->tabWidget->setCurrentWidget(ui->tab_4);
    // The first context loads the OpenGL driver, which takes a noticeable part of the start:
    // asked once the event loop runs, after the window is on the screen.
    QTimer::singleShot(0, this, [this, format] {
        QOpenGLContext probe;
        probe.setFormat(format);
        if (!probe.create()) {
            // No context will ever come; the 3D view stays empty.
            qWarning() << "No OpenGL context: the 3D view cannot be shown.";
            setTabWidget();
        }
    });
    ui->tabWidget->removeTab(ui->tabWidget->indexOf(ui->info3dTab));
}

void MainWindow::setTabWidget()
{
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::setChanged(int kind, bool value)
{
    switch (kind) {
    case InspectionChange:
        investigationChanged = value;
        break;
    case ProjectChange:
        projectChanged = value;
        break;
    case Project3DChange:
        project3DChanged = value;
        break;
    default:
        break;
    }
}

bool MainWindow::isChanged(int kind) const
{
    switch (kind) {
    case InspectionChange:
        return investigationChanged;
    case ProjectChange:
        return projectChanged;
    case Project3DChange:
        return project3DChanged;
    default:
        return false;
    }
}

void MainWindow::toolBox_clicked(const QString &element)
{
    const auto found = commands.constFind(element);
    if (found == commands.constEnd())
        return;
    (this->*found.value())();
}

void MainWindow::project3ddata_changed()
{
    project3DChanged = true;
}

// Project commands ---------------------------------------------------------------------------

void MainWindow::openProject()
{
    OpenProjectDialog dialog(0, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!maybeSave() || !closeProject())
        return;
    project = new Project(dialog.projectFile());
    loadProject3D();
    viewer->clearSelection();
    adjustProjectUi();
}

void MainWindow::loadProject3D()
{
    project3D = new Project3D;
    project3D->setProject(project);
    project3D->load();
    if (Camera *camera = project3D->camera())
        viewer->setCamera(camera);
    else
        project3D->setCamera(viewer->camera());
}

void MainWindow::newProject()
{
    OpenProjectDialog dialog(1, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!maybeSave() || !closeProject())
        return;
    project = new Project(dialog.projectFile());
    project3D = new Project3D;
    project3D->setProject(project);
    viewer->clearSelection();
    adjustProjectUi();
}

void MainWindow::saveProject()
{
    if (!project3D)
        return;
    if (investigationChanged && investigation && !saveInspection())
        return;
    // A failed save was reported by the store; the flags stay so that closing still asks.
    if (!project3D->save())
        return;
    projectChanged = false;
    project3DChanged = false;
}

void MainWindow::closeCommand()
{
    if (!project || !maybeSave())
        return;
    closeProject();
}

bool MainWindow::closeProject()
{
    if (!project)
        return true;
    if (investigation && !closeInspection())
        return false;
    // The view owns the objects and courses by now; they go before the inspections they show.
    emptyView();
    delete project3D;
    project3D = nullptr;
    delete project;
    project = nullptr;
    Object3D::clearRegistry();
    projectChanged = false;
    project3DChanged = false;
    adjustProjectUi();
    return true;
}

void MainWindow::showInfo()
{
    InfoDialog dialog(this);
    dialog.exec();
}

void MainWindow::closeWindow()
{
    close();
}

bool MainWindow::maybeSave()
{
    const QList<Investigation *> inspections = project ? project->inspections() : QList<Investigation *>();
    const bool inspectionEdited = investigation && investigationChanged;
    // A course renamed in a 3D dialog marks its inspection without touching the 3D flag; that
    // belongs to the project. The edits of the open inspection are a question of their own.
    const bool inspectionsMarked = std::any_of(inspections.cbegin(), inspections.cend(), [&](const Investigation *i) {
        return i->isChanged() && !(inspectionEdited && i == investigation);
    });

    if (projectChanged || project3DChanged || inspectionsMarked) {
        MessageDialog box(tr("Änderungen am Projekt speichern?"),
                          MessageDialog::Yes | MessageDialog::No | MessageDialog::Cancel, -1, this);
        const int answer = box.exec();
        if (answer == MessageDialog::Yes) {
            // Saving the project takes the open inspection with it.
            if (inspectionEdited && !saveInspection())
                return false;
            const bool saved = project3D ? project3D->save() : (!project || project->save());
            if (!saved)
                return false;
            projectChanged = false;
            project3DChanged = false;
            return true;
        }
        if (answer != MessageDialog::No)
            return false;
    }

    if (inspectionEdited) {
        MessageDialog box(
            tr("Untersuchung \"%1\" speichern?\nÄnderungen gehen sonst verloren!").arg(investigation->fileName()),
            MessageDialog::Yes | MessageDialog::No | MessageDialog::Cancel, -1, this);
        const int answer = box.exec();
        if (answer == MessageDialog::Yes) {
            // A failed write was reported by the writer; the inspection stays open with its edits.
            if (!saveInspection())
                return false;
        } else if (answer == MessageDialog::No) {
            discardInspectionEdits();
            investigationChanged = false;
        } else {
            return false;
        }
    }
    return true;
}

// Window state and title ---------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (isBusy() || !maybeSave() || !closeProject()) {
        event->ignore();
        return;
    }
    saveSettings();
    DebugLog::stop();
    event->accept();
}

void MainWindow::saveSettings()
{
    QSettings *settings = Global::instance()->settings().data();
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
    settings->setValue(QStringLiteral("windowState"), saveState(0));
    settings->setValue(QStringLiteral("mainDataVisible"), ui->mainDataWidget->isDataVisible());
}

void MainWindow::restoreSettings()
{
    showFirmLogo();

    QSettings *settings = Global::instance()->settings().data();
    restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
    restoreState(settings->value(QStringLiteral("windowState")).toByteArray(), 0);
    ui->mainDataWidget->setDataVisible(settings->value(QStringLiteral("mainDataVisible"), true).toBool());

    windowTitleBase = tr("ZOZOrure %1").arg(QStringLiteral(ZZ_VERSION));
    setWindowTitle(windowTitleBase);
}

QString MainWindow::composeTitle(const QString &base, const TitlePart &projectPart, const TitlePart &inspectionPart)
{
    if (projectPart.open && inspectionPart.open)
        return QStringLiteral("%1 - %2: %3 -- %4: %5")
            .arg(base, tr("Projekt"), projectPart.name, tr("Untersuchung"), inspectionPart.name);
    if (projectPart.open)
        return QStringLiteral("%1 - %2: %3").arg(base, tr("Projekt"), projectPart.name);
    if (inspectionPart.open)
        return QStringLiteral("%1 - %2: %3").arg(base, tr("Untersuchung"), inspectionPart.name);
    return base;
}

void MainWindow::updateTitle()
{
    const TitlePart projectPart{project != nullptr, project ? project->name() : QString()};
    const TitlePart inspectionPart{investigation != nullptr, investigation ? investigation->fileName() : QString()};
    setWindowTitle(composeTitle(windowTitleBase, projectPart, inspectionPart));
}

void MainWindow::loadTranslation()
{
    // One translator at a time: a newer one would only take precedence, so the texts it does not
    // translate would keep the old language, and German (no file) could never come back.
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    const QString file = Global::translationFile(Global::instance()->config()->language());
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        auto *next = new QTranslator(QCoreApplication::instance());
        if (next->load(file) && QCoreApplication::installTranslator(next))
            translator = next;
        else
            delete next;
    }
    ui->retranslateUi(this);
    ui->mainDataWidget->retranslate();
    ui->videoWidget->retranslate();
    showObservationHeaders();
    if (!windowTitleBase.isEmpty())
        updateTitle();
}

// Availability -------------------------------------------------------------------------------

void MainWindow::adjustProjectUi()
{
    const bool open = project != nullptr;
    for (const QString &k : {keys.projectSave, keys.projectClose, keys.projectImport})
        ui->toolBox->setEnabled(k, open);
    ui->tool3DFrame->setEnabled(open);
    ui->fileWidget->setEnabled(open || investigation);

    ui->investList->clear();
    ui->investList->setRowCount(0);
    updateInspectionList();

    if (project && project3D) {
        if (const QSharedPointer<FloorPlan> plan = project3D->plan())
            viewer->setFloorPlan(plan);
        else
            viewer->initObjects(); // closing the last project took the ground that placements click on
        // A second run on the same project (an import) must neither register nor connect again.
        for (Object3D *object : project3D->objects()) {
            if (!object)
                continue;
            connect(object, &Object3D::changed, this, &MainWindow::project3ddata_changed, Qt::UniqueConnection);
            viewer->addObject(object);
        }
        for (ConnectedInspection *course : project3D->inspections()) {
            if (course && !viewer->hasInspection(course))
                viewer->addInspection(course);
        }
        project3D->releaseToView();
        const int flags = project3D->showFlags();
        viewer->setShowFlags(flags);
        const QList<QPair<QString, int>> toggles = {{keys.viewLabel, Viewer3D::ShowLabels},
                                                    {keys.viewReferencePoints, Viewer3D::ShowReferencePoints},
                                                    {keys.viewDimensions, Viewer3D::ShowDimensionNotes},
                                                    {keys.view2DProjection, Viewer3D::ShowProjection},
                                                    {keys.viewPerspective, Viewer3D::PerspectiveA}};
        for (const auto &toggle : toggles)
            ui->tool3DBox->setChecked(toggle.first, (flags & toggle.second) != 0);
        if (const QSharedPointer<FloorPlan> plan = project3D->plan()) {
            // The field announces every change as its command, which would write its rounded
            // value back into the plan.
            const QSignalBlocker quiet(ui->tool3DBox);
            ui->tool3DBox->setValue(keys.northAngle, qRadiansToDegrees(plan->northAngle()));
        }
        const bool freeView = (flags & Viewer3D::PerspectiveB) != 0;
        if (viewer->is3DView() != freeView)
            viewer->toggleTopView();
        showViewMode();
        viewer->renderLater();
    } else if (!project) {
        emptyView();
    }

    updateTitle();
}

void MainWindow::emptyView()
{
    if (!viewer)
        return;
    viewer->clearSelection();
    viewer->clearScene();
    viewer->renderLater();
}

namespace {

// A cell of the inspection list; every cell of a row carries the file name of the row's
// inspection, whichever columns the list shows.
QTableWidgetItem *inspectionCell(const QString &text, const QString &fileName)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, fileName);
    return item;
}

} // namespace

void MainWindow::updateInspectionList()
{
    QTableWidget *list = ui->investList;
    const bool withNames = Global::instance()->config()->withInspectionNames();
    if (project) {
        if (withNames) {
            const QStringList titles = project->inspectionTitles();
            list->setColumnCount(2);
            list->setRowCount(titles.size() / 2);
            for (int i = 0; i + 1 < titles.size(); i += 2) {
                list->setItem(i / 2, 0, inspectionCell(titles.at(i), titles.at(i + 1)));
                list->setItem(i / 2, 1, inspectionCell(titles.at(i + 1), titles.at(i + 1)));
            }
        } else {
            const QStringList names = project->inspectionNames();
            list->setColumnCount(1);
            list->setRowCount(names.size());
            for (int i = 0; i < names.size(); ++i)
                list->setItem(i, 0, inspectionCell(names.at(i), names.at(i)));
        }
    } else if (investigation) {
        const QString fileName = investigation->fileName();
        list->setRowCount(1);
        list->setColumnCount(withNames ? 2 : 1);
        list->setItem(0, 0, inspectionCell(investigation->mainData().sectionName, fileName));
        if (withNames)
            list->setItem(0, 1, inspectionCell(fileName, fileName));
    }
}

void MainWindow::recreateLabels()
{
    if (!project3D || !viewer)
        return;
    for (ConnectedInspection *course : project3D->inspections()) {
        if (!course)
            continue;
        if (const Investigation *attached = course->investigation())
            qDebug() << "inspection length" << attached->mainData().inspectionLength;
        course->createLabels();
    }
    viewer->renderLater();
}

// Window events ------------------------------------------------------------------------------

void MainWindow::showFirmLogo()
{
    logo = Global::instance()->firmStore()->currentFirm().logo();
    if (logo.isNull())
        logo = QImage(QStringLiteral(":/images/zozorure.png"));
    paintBackground();
}

void MainWindow::paintBackground()
{
    QGraphicsView *view = ui->graphicsView;
    if (!view->scene())
        view->setScene(new QGraphicsScene(view));
    QGraphicsScene *scene = view->scene();
    const QRectF area(0, 0, view->width() - 10, view->height() - 10);
    scene->setSceneRect(area);
    scene->clear();
    if (logo.isNull() || area.width() <= 0 || area.height() <= 0)
        return;
    QSizeF size = logo.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    const QPixmap pixmap = QPixmap::fromImage(
        logo.scaled(target.size().toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    scene->addPixmap(pixmap)->setPos(target.topLeft());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (centralWidget()) // the form exists once init() ran
        paintBackground();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->graphicsView && event->type() == QEvent::Resize)
        paintBackground();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    Q_UNUSED(event)
    qDebug() << "key press reached the main window; focus:" << focusWidget();
}
