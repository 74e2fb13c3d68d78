#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "foundation/config.h"
#include "foundation/debuglog.h"
#include "foundation/global.h"
#include "foundation/inputlistdialog.h"
#include "foundation/messagedialog.h"
#include "foundation/platform/platform.h"
#include "foundation/progressdialog.h"
#include "model/investigation.h"
#include "reports/printdialog.h"
#include "project/exportprojectsdialog.h"
#include "project/importdialog.h"
#include "project/openprojectdialog.h"
#include "project/project.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalBlocker>

#include <algorithm>

void MainWindow::registerProjectCommands()
{
    const QString projects = tr("Projekte");
    commands.insert(keys.projectImport, &MainWindow::importInspections);
    commands.insert(commandKey(projects, tr("Exportieren")), &MainWindow::exportProjects);
    commands.insert(commandKey(projects, tr("Drucken")), &MainWindow::printProject);
    commands.insert(commandKey(projects, tr("Verwaltung")), &MainWindow::manageProjects);
    commands.insert(commandKey(tr("Extras"), tr("Debugausgabe")), &MainWindow::toggleDebugLog);
}

// Inspection list ----------------------------------------------------------------------------

void MainWindow::refillInspectionList(int selectedRow)
{
    const QSignalBlocker blocker(ui->investList);
    updateInspectionList();
    if (selectedRow >= 0 && selectedRow < ui->investList->rowCount())
        ui->investList->setCurrentCell(selectedRow, 0);
}

void MainWindow::moveInspection(int from, int to)
{
    // The store saves the new order itself.
    project->swapInspections(from, to);
    refillInspectionList(to);
}

void MainWindow::on_investList_cellClicked(int row, int column)
{
    Q_UNUSED(column)
    qDebug() << "on_investList_cellClicked";
    ui->investList->setCurrentCell(row, 0);
}

void MainWindow::on_up_clicked()
{
    qDebug() << "on_up_clicked";
    if (!project)
        return;
    const int row = ui->investList->currentRow();
    if (row > 0 && row < project->inspectionCount())
        moveInspection(row, row - 1);
}

void MainWindow::on_down_clicked()
{
    qDebug() << "on_down_clicked";
    if (!project)
        return;
    // No current row is -1, which must not count as "above the last row".
    const int row = ui->investList->currentRow();
    if (row >= 0 && row < project->inspectionCount() - 1)
        moveInspection(row, row + 1);
}

void MainWindow::on_sort_clicked()
{
    if (!project)
        return;
    InputListDialog dialog(this);
    dialog.setText(tr("Sortieren"));
    const QStringList orders{tr("nach Datum"), tr("nach Dateiname"), tr("nach Haltungsname"), tr("nach Videonummer")};
    dialog.setItems(orders);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The same orders as the project browser's, so that both places sort alike.
    using Less = bool (*)(const Investigation *, const Investigation *);
    const Less comparisons[] = {Investigation::lessByDate, Investigation::lessByFileName,
                                Investigation::lessBySectionName, Investigation::lessByVideoNumber};
    const int order = orders.indexOf(dialog.selectedItem());
    if (order >= 0) {
        QList<Investigation *> sorted = project->inspections();
        std::stable_sort(sorted.begin(), sorted.end(), comparisons[order]);
        for (int i = 0; i < sorted.size(); ++i)
            project->moveInspection(sorted.at(i)->fileName(), i);
    }
    project->save();
    refillInspectionList(0);
}

// Project and extras commands --------------------------------------------------------------------

void MainWindow::importInspections()
{
    if (!project)
        return;
    const QList<Investigation *> before = project->inspections();
    {
        BusyScope busy(this);
        ImportDialog dialog(project, this);
        dialog.exec();
    }
    // The dialog may end by being closed after it imported: what counts is whether the list
    // changed, so that imported inspections always reach the project file.
    if (project->inspections() == before)
        return;
    project->save();
    adjustProjectUi();
}

void MainWindow::exportProjects()
{
    BusyScope busy(this);
    setEnabled(false);
    // Windows made after this keep their own state, so the progress and the dialog stay usable.
    const auto enableAgain = qScopeGuard([this] { setEnabled(true); });

    ProgressDialog progress(this);
    progress.setText(tr("Lade Export-Daten..."));
    progress.setMaximum(0);
    progress.hideFineProgress();
    progress.show();
    ExportProjectsDialog dialog(project, this);
    // The dialog assembles the viewer package once events run, and says when it is done.
    bool loaded = false;
    QEventLoop wait;
    connect(&dialog, &ExportProjectsDialog::finishedLoading, &wait, [&loaded, &wait] {
        loaded = true;
        wait.quit();
    });
    if (!loaded)
        wait.exec();
    progress.hide();
    dialog.exec();
}

void MainWindow::printProject()
{
    BusyScope busy(this);
    const QString title = project ? project->printTitle() : QString();
    const QString commentary = project ? project->printCommentary() : QString();
    {
        PrintDialog dialog(this);
        if (project) {
            dialog.setProject(project);
            if (project3D)
                dialog.setViewer3D(viewer);
        }
        dialog.exec();
    }
    // The dialog puts the plan's title and commentary into the project on its way out; they
    // belong to the project file.
    if (project && (project->printTitle() != title || project->printCommentary() != commentary))
        project->save();
}

void MainWindow::manageProjects()
{
    if (project) {
        MessageDialog(tr("Bitte schließen Sie vorher das aktuelle Projekt!"), MessageDialog::Ok, -1, this).exec();
        return;
    }
    BusyScope busy(this);
    OpenProjectDialog dialog(2, this);
    dialog.setPrintOpener([](Project *edited, QWidget *parent) {
        PrintDialog print(parent);
        print.setProject(edited);
        print.exec();
    });
    dialog.exec();
}

void MainWindow::toggleDebugLog()
{
    QString state;
    if (!DebugLog::isOpen()) {
        const QString file = Platform::desktopFolder() + QStringLiteral("/zozorurelog.txt");
        state = DebugLog::start(file) ? tr("gestartet") : tr("konnte nicht gestartet werden");
    } else {
        DebugLog::stop();
        state = tr("gestoppt");
    }
    MessageDialog(QStringLiteral("%1\n%2!").arg(tr("Debugausgabe"), state), 0, 2000, this).exec();
}

// Older project folders ----------------------------------------------------------------------

void MainWindow::convertProjects()
{
    const QString rootPath = Global::instance()->config()->projectPath();
    // An empty path would name the working folder.
    if (rootPath.isEmpty())
        return;
    const QDir root(rootPath);
    for (const QString &sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = root.absoluteFilePath(sub);
        const QString file = folder + QStringLiteral("/project.xml");
        if (QFileInfo::exists(file) || !isOldProjectFolder(folder))
            continue;
        // The store writes the project file of a folder that has none when it opens it.
        const Project converted(file);
    }
}

bool MainWindow::isOldProjectFolder(const QString &path)
{
    const QDir folder(path);
    if (QFileInfo::exists(folder.filePath(QStringLiteral(".project"))))
        return true;
    if (QFileInfo::exists(folder.filePath(folder.dirName() + QStringLiteral(".xml"))))
        return true;

    // Name filters match regardless of case, as the inspection vehicles' files come in either.
    QStringList patterns{QStringLiteral("*.xml"), QStringLiteral("*.h"), QStringLiteral("*.lh")};
    patterns += Global::instance()->videoFilter().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool inspectionFound = false;
    for (const QString &sub : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir inner(folder.filePath(sub));
        if (QFileInfo::exists(inner.filePath(QStringLiteral("project.xml")))
            || !inner.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
            return false;
        if (!inspectionFound)
            inspectionFound = !inner.entryList(patterns, QDir::Files).isEmpty();
    }
    return inspectionFound;
}
