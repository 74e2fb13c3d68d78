#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "foundation/config.h"
#include "foundation/filedirnamedialog.h"
#include "foundation/global.h"
#include "foundation/inputlistdialog.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "foundation/reporter.h"
#include "entry/endamagedatadialog.h"
#include "entry/enmaindatadialog.h"
#include "entry/isybau2001damagedialog.h"
#include "entry/isybau2001maindialog.h"
#include "entry/observationentry.h"
#include "entry/startnewinvestdialog.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/investigation.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"
#include "reports/printdialog.h"
#include "project/project.h"
#include "project/project3d.h"
#include "video/videofinalyzer.h"
#include "video/videoform.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>

#include <memory>

namespace {

// The standards a new inspection can be started under, in the order they are offered.
const char *const kStandardIsybau2006 = "Isybau2006";
const char *const kStandardDwa = "DWA M-149-2";
const char *const kStandardEn = "EN-13508-2";
const char *const kStandardIsybau2001 = "Isybau2001";
const char *const kStandardAtv = "ATV M-143-2";
const char *const kStandardDanDas = "DanDas";

// Language indexes of the configuration.
constexpr int kGerman = 0;
constexpr int kDanish = 1;

// A photo is tied to the selected observation when the video stands this close to it.
constexpr int kPhotoTieSeconds = 5;

} // namespace

void MainWindow::registerInspectionCommands()
{
    const QString section = tr("Untersuchung");
    inspectionKeys.projectsSection = tr("Projekte");
    inspectionKeys.open = commandKey(section, tr("Öffnen"));
    inspectionKeys.finalize = commandKey(section, tr("Finalisieren"));
    commands.insert(inspectionKeys.open, &MainWindow::openInspectionFile);
    commands.insert(keys.inspectionSave, &MainWindow::saveInspectionCommand);
    commands.insert(keys.inspectionClose, &MainWindow::closeInspectionCommand);
    commands.insert(keys.inspectionPrint, &MainWindow::printInspection);
    commands.insert(keys.inspectionStart, &MainWindow::startInspection);
    // No panel element: reached through its key only.
    commands.insert(inspectionKeys.finalize, &MainWindow::finalizeInspection);

    connect(ui->mainDataWidget, &MainDataWidget::dataChanged, this, &MainWindow::mainData_changed);
    connect(ui->videoWidget, &VideoForm::wantPicture, this, &MainWindow::photo_requested);
}

// Opening and adjusting ------------------------------------------------------------------------

void MainWindow::openInspectionByName(const QString &name)
{
    if (project) {
        qDebug() << "InvestigationFromName" << name;
        investigation = project->inspectionByName(name);
    }
    qDebug() << "Update Investigation";
    adjustUi();
}

void MainWindow::adjustUi()
{
    qDebug() << "Adjust UI";
    ToolBox *box = ui->toolBox;
    const int observationTab = ui->fileWidget->indexOf(ui->tab_3);
    if (!investigation) {
        if (observationTab >= 0)
            ui->fileWidget->removeTab(observationTab);
        for (const QString &k : {keys.inspectionSave, keys.inspectionClose, keys.inspectionPrint})
            box->setEnabled(k, false);
        box->setVisible(inspectionKeys.projectsSection, true);
        ui->mainDataWidget->setEnabled(false);
        ui->mainDataWidget->setInvestigation(nullptr);
        ui->videoWidget->on_stop_clicked();
        ui->videoWidget->setPlayEnabled(false);
    } else {
        for (const QString &k : {keys.inspectionSave, keys.inspectionClose, keys.inspectionPrint})
            box->setEnabled(k, true);
        const bool standard = investigation->normKind() != NormFreetext;
        // Runs twice when a new inspection is started: the tab goes in only once.
        if (standard && observationTab < 0)
            ui->fileWidget->insertTab(1, ui->tab_3, tr("Feststellungen"));
        else if (!standard && observationTab >= 0)
            ui->fileWidget->removeTab(observationTab);

        box->setUpdatesEnabled(false);
        box->setVisible(keys.inspectionStart, !standard);
        qDebug() << (standard ? "Untersuchung starten disabled" : "Untersuchung starten enabled");
        box->setUpdatesEnabled(true);

        ui->mainDataWidget->setEnabled(standard);
        ui->mainDataWidget->setInvestigation(investigation);

        const QString video = investigation->videoFile();
        ui->videoWidget->setFile(video);
        if (!video.isEmpty()) {
            ui->videoWidget->setPlayEnabled(true);
            ui->videoWidget->on_stop_clicked();
        } else {
            ui->videoWidget->on_stop_clicked();
            ui->videoWidget->setPlayEnabled(false);
        }
    }
    updateObservationTable();
    updateTitle();
}

void MainWindow::updateObservationTable()
{
    QTableWidget *table = ui->tableWidget;
    qDebug() << "Clear damage table.";
    table->clearContents();
    if (!investigation) {
        table->setRowCount(0);
        return;
    }
    // The rows come sorted by distance, and the inspection's own list is sorted with them, so
    // row i of the table is observation i of the list.
    const QVector<ObservationRow> rows = investigation->observationRows();
    table->setRowCount(rows.size());
    table->setColumnCount(3);
    showObservationHeaders();
    qDebug() << "Fill damages list.";
    for (int i = 0; i < rows.size(); ++i) {
        qDebug() << "-Damage" << i;
        const ObservationRow &row = rows.at(i);
        table->setItem(i, 0, new QTableWidgetItem(QStringLiteral("%1m").arg(row.distance, 0, 'f', 2)));
        table->setItem(i, 1, new QTableWidgetItem(row.label));
        table->setItem(i, 2, new QTableWidgetItem(row.text));
    }
    qDebug() << "Adjust column widths.";
    // Wide enough for the usual distances and codes, and for the column's title.
    const QFontMetrics metrics(table->font());
    const QHeaderView *header = table->horizontalHeader();
    table->setColumnWidth(0, qMax(metrics.horizontalAdvance(QStringLiteral("  +000.00m")), header->sectionSizeHint(0)));
    table->setColumnWidth(1, qMax(metrics.horizontalAdvance(QStringLiteral("ABCDEFGH")), header->sectionSizeHint(1)));
    table->setColumnWidth(2, 300);
    table->resizeRowsToContents();
}

void MainWindow::showObservationHeaders()
{
    if (ui->tableWidget->columnCount() == 3)
        ui->tableWidget->setHorizontalHeaderLabels({tr("Station"), tr("Kürzel"), tr("Feststellung")});
}

void MainWindow::on_investList_itemDoubleClicked(QTableWidgetItem *item)
{
    if (!item)
        return;
    if (investigation) {
        qDebug() << "Check for changes to save";
        if (investigationChanged) {
            MessageDialog question(
                tr("Untersuchung \"%1\" speichern?\nÄnderungen gehen sonst verloren!").arg(investigation->fileName()),
                MessageDialog::Yes | MessageDialog::No | MessageDialog::Cancel, -1, this);
            const int answer = question.exec();
            if (answer == MessageDialog::Yes) {
                if (!saveInspection())
                    return;
            } else if (answer == MessageDialog::No) {
                discardInspectionEdits();
            } else {
                return; // "Abbrechen" and Escape keep everything as it is
            }
            investigationChanged = false;
        }
    }
    const int row = item->row();
    qDebug() << "Open investigation row:" << row;
    const QTableWidgetItem *named = ui->investList->item(row, 0);
    openInspectionByName(named ? named->data(Qt::UserRole).toString() : QString());
    if (investigation && !investigation->observations().isEmpty() && ui->fileWidget->count() > 1)
        ui->fileWidget->setCurrentIndex(1);
}

void MainWindow::on_tableWidget_cellClicked(int row, int column)
{
    Q_UNUSED(column)
    qDebug() << "on_tableWidget_cellClicked";
    ui->tableWidget->setCurrentCell(row, 0);
    if (!investigation || row < 0 || row >= investigation->observations().size())
        return;
    ui->videoWidget->seek(investigation->observations().at(row).videoTime);
}

void MainWindow::on_tableWidget_cellDoubleClicked(int row, int column)
{
    Q_UNUSED(row)
    Q_UNUSED(column)
    qDebug() << "on_tableWidget_cellDoubleClicked";
    on_editInvestigation_clicked();
}

void MainWindow::mainData_changed()
{
    markInspectionChanged();
}

void MainWindow::markInspectionChanged()
{
    investigationChanged = true;
    if (investigation)
        investigation->setChanged(true);
}

void MainWindow::discardInspectionEdits()
{
    // Only a project keeps the inspection after it was closed; a later save of the project would
    // write the edits the user just declined.
    if (!project || !investigation || investigation->normKind() == NormFreetext)
        return;
    const QString path = investigation->filePath();
    if (QFileInfo(path).isFile())
        investigation->load(path);
    investigation->setChanged(false);
}

// Photo files ----------------------------------------------------------------------------------

bool MainWindow::isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString MainWindow::photoPath(const QString &name) const
{
    if (!investigation || !isPlainFileName(name)) {
        qDebug() << "Photo name refused, no file is touched:" << name;
        return QString();
    }
    return QDir(investigation->folder()).filePath(name);
}

void MainWindow::removePhoto(const QString &name)
{
    const QString path = photoPath(name);
    if (!path.isEmpty())
        QFile::remove(path);
}

void MainWindow::takeSnapshot(const QString &name)
{
    const QString path = photoPath(name);
    if (!path.isEmpty() && !ui->videoWidget->snapshot(path))
        qDebug() << "No picture could be saved as" << path;
}

// Observations -----------------------------------------------------------------------------------

namespace {

// The observation dialog of the inspection's standard; none for free text, which has no codes.
class ObservationDialog
{
public:
    ObservationDialog(Investigation *inspection, QWidget *parent)
    {
        if (inspection->normKind() > NormIsybau2001)
            m_en.reset(new ENDamageDataDialog(inspection, parent));
        else if (inspection->normKind() != NormFreetext)
            m_isybau.reset(new Isybau2001DamageDialog(inspection, parent));
    }
    bool exists() const { return m_en || m_isybau; }
    void setTime(const QTime &time)
    {
        if (m_en)
            m_en->setTime(time);
        else
            m_isybau->setTime(time);
    }
    void setDamage(const ObservationRecord &record)
    {
        if (m_en)
            m_en->setDamage(record);
        else
            m_isybau->setDamage(record);
    }
    void setPhoto(const QTime &time)
    {
        if (m_en)
            m_en->setPhoto(time);
        else
            m_isybau->setPhoto(time);
    }
    bool exec() { return (m_en ? m_en->exec() : m_isybau->exec()) == QDialog::Accepted; }
    ObservationRecord damage() const { return m_en ? m_en->damage() : m_isybau->damage(); }

private:
    std::unique_ptr<ENDamageDataDialog> m_en;
    std::unique_ptr<Isybau2001DamageDialog> m_isybau;
};

// Pauses a playing video for a dialog and lets it play on afterwards.
class PauseScope
{
public:
    explicit PauseScope(VideoForm *video) : m_video(video), m_playing(!video->isPlayEnabled())
    {
        if (m_playing)
            m_video->on_pause_clicked();
    }
    ~PauseScope()
    {
        if (m_playing)
            m_video->on_play_clicked();
    }
    PauseScope(const PauseScope &) = delete;
    PauseScope &operator=(const PauseScope &) = delete;

private:
    VideoForm *m_video;
    bool m_playing;
};

} // namespace

void MainWindow::on_addInvestigation_clicked()
{
    if (!investigation)
        return;
    const QTime time = ui->videoWidget->position();
    ObservationDialog dialog(investigation, this);
    if (!dialog.exists())
        return;
    PauseScope pause(ui->videoWidget);
    dialog.setTime(time);
    if (!dialog.exec())
        return;
    const ObservationRecord record = dialog.damage();
    investigation->mutableObservations().append(record);
    if (!record.photoFile.isEmpty()) {
        takeSnapshot(record.photoFile);
        if (!saveInspection())
            markInspectionChanged();
    } else {
        markInspectionChanged();
    }
    updateObservationTable();
}

void MainWindow::on_editInvestigation_clicked()
{
    if (!investigation || investigation->observations().isEmpty())
        return;
    ObservationDialog dialog(investigation, this);
    if (!dialog.exists())
        return;
    qDebug() << "Pausing Video.";
    PauseScope pause(ui->videoWidget);
    qDebug() << "Selecting initial table row.";
    int row = ui->tableWidget->currentRow();
    if (row < 0 || row >= investigation->observations().size())
        row = 0;
    qDebug() << "Saving previous damage data.";
    const ObservationRecord previous = investigation->observations().at(row);
    qDebug() << previous.code;
    qDebug() << "Initializing Damage data.";
    dialog.setDamage(previous);
    if (!dialog.exec())
        return;
    qDebug() << "Replacing current damage table.";
    const ObservationRecord result = dialog.damage();
    investigation->mutableObservations()[row] = result;
    if (result.photoFile == previous.photoFile) {
        markInspectionChanged();
    } else {
        if (!result.photoFile.isEmpty())
            takeSnapshot(result.photoFile); // the earlier picture stays on disk
        else
            removePhoto(previous.photoFile);
        if (!saveInspection())
            markInspectionChanged();
    }
    qDebug() << "Update Damages.";
    updateObservationTable();
    qDebug() << "Recreate Labels for 3D View.";
    recreateLabels();
    qDebug() << "Restart video if it was running before.";
}

void MainWindow::on_removeInvestigation_clicked()
{
    if (!investigation || investigation->observations().isEmpty())
        return;
    QTableWidget *table = ui->tableWidget;
    int row = table->currentRow();
    if (row < 0 || row >= investigation->observations().size() || row >= table->rowCount())
        row = 0;
    const auto cell = [table, row](int column) {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    };
    MessageDialog question(tr("Eintrag \"%1 %2 %3\" löschen?").arg(cell(0), cell(1), cell(2)),
                           MessageDialog::Yes | MessageDialog::No, -1, this);
    question.setEscapeResult(MessageDialog::No);
    if (question.exec() != MessageDialog::Yes)
        return;
    const QString photo = investigation->observations().at(row).photoFile;
    investigation->mutableObservations().remove(row);
    if (!photo.isEmpty()) {
        removePhoto(photo);
        if (!saveInspection())
            markInspectionChanged();
    } else {
        markInspectionChanged();
    }
    updateObservationTable();
    recreateLabels();
}

void MainWindow::photo_requested()
{
    if (!investigation)
        return;
    if (!ui->videoWidget->isPlayEnabled())
        ui->videoWidget->on_pause_clicked(); // and it stays paused
    const QTime time = ui->videoWidget->position();
    QString photo;
    const bool standard = investigation->normKind() != NormFreetext;

    if (standard) {
        const int row = ui->tableWidget->currentRow();
        if (row < 0 || row >= investigation->observations().size()) {
            MessageDialog notice(tr("Bitte wählen Sie zunächst die relevante Feststellung aus!"), 0, 2500, this);
            notice.exec();
            return;
        }
        ObservationRecord tied = investigation->observations().at(row);
        if (qAbs(tied.videoTime.secsTo(time)) <= kPhotoTieSeconds) {
            if (!tied.photoFile.isEmpty())
                return;
            photo = photoFileName(*investigation, ObservationRecord(), time);
            tied.photoFile = photo;
            investigation->mutableObservations()[row] = tied;
        } else {
            if (investigation->normKind() == NormDanDas)
                return;
            ObservationDialog dialog(investigation, this);
            dialog.setPhoto(time);
            if (!dialog.exec())
                return;
            const ObservationRecord record = dialog.damage();
            investigation->mutableObservations().append(record);
            photo = record.photoFile;
            if (photo.isEmpty()) {
                // Nothing to write a picture for, but the observation must not go unnoticed.
                markInspectionChanged();
                updateObservationTable();
                return;
            }
        }
    } else {
        QStringList taken;
        const QStringList pictures =
            QDir(investigation->folder()).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
        for (const QString &picture : pictures)
            taken << (picture.endsWith(QLatin1String(".jpg")) ? picture.left(picture.size() - 4) : picture);
        FileDirNameDialog dialog(0, this);
        dialog.setExistingNames(taken);
        dialog.setName(QStringLiteral("img_%1").arg(time.toString(QStringLiteral("hhmmss"))));
        if (dialog.exec() != QDialog::Accepted)
            return;
        photo = dialog.name() + QStringLiteral(".jpg");
    }

    takeSnapshot(photo);
    if (standard) {
        if (!saveInspection())
            markInspectionChanged();
        updateObservationTable();
    }
}

// Inspection commands --------------------------------------------------------------------------

bool MainWindow::saveInspection()
{
    if (!investigation)
        return false;
    // A failed write was reported by the writer; the mark stays so that closing still asks.
    if (!investigation->save())
        return false;
    investigationChanged = false;
    return true;
}

void MainWindow::openInspectionFile()
{
    if (project) {
        MessageDialog refusal(tr("Bitte schließen Sie vorher das Projekt!"), MessageDialog::Ok, -1, this);
        refusal.exec();
        return;
    }
    const QString filter = QStringLiteral("%1 (*.h *.lh *.xml);;%2 (%3)")
                               .arg(tr("Untersuchung"), tr("Video"), Global::instance()->videoFilter());
    const QString path = QFileDialog::getOpenFileName(this, tr("Datei öffnen"), QString(), filter);
    if (path.isEmpty())
        return;
    if (investigation && !closeInspection())
        return;

    std::unique_ptr<Investigation> opened(Project::loadInspectionFile(path));
    if (!opened) {
        Reporter::error(tr("Die Datei \"%1\" ist keine Untersuchung, die geöffnet werden kann.")
                            .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // The load reported why; a file that gave nothing at all is not opened as an empty one.
    if (opened->loadResult() == Investigation::LoadResult::Failed)
        return;
    fileInspection = std::move(opened);
    investigation = fileInspection.get();
    investigationChanged = false;
    ui->toolBox->setEnabled(inspectionKeys.projectsSection, false);
    adjustProjectUi();
    adjustUi();
    ui->fileWidget->setCurrentIndex(1);
}

bool MainWindow::closeInspection()
{
    if (investigation) {
        if (investigationChanged) {
            MessageDialog question(
                tr("Untersuchung \"%1\" speichern?\nÄnderungen gehen sonst verloren!").arg(investigation->fileName()),
                MessageDialog::Yes | MessageDialog::No, -1, this);
            question.setEscapeResult(MessageDialog::No);
            if (question.exec() == MessageDialog::Yes) {
                if (!saveInspection())
                    return false;
            } else {
                discardInspectionEdits();
            }
        }
        ui->toolBox->setEnabled(inspectionKeys.projectsSection, true);
        ui->toolBox->setVisible(keys.inspectionStart, false);
    }
    investigation = nullptr;
    // One opened from a file goes with it; a project keeps its own.
    fileInspection.reset();
    adjustUi();
    if (!project) {
        ui->investList->clear();
        ui->investList->setRowCount(0);
        ui->fileWidget->setEnabled(false);
    }
    investigationChanged = false;
    return true;
}

void MainWindow::printInspection()
{
    PrintDialog dialog(this);
    if (investigation)
        dialog.setInvestigation(investigation);
    dialog.exec();
}

void MainWindow::finalizeInspection()
{
    if (!investigation)
        return;
    const QString video = investigation->videoFile();
    if (video.isEmpty()) {
        MessageDialog notice(tr("Zu dieser Untersuchung gibt es kein Video!"), MessageDialog::Ok, -1, this);
        notice.exec();
        return;
    }

    BusyScope busy(this);
    setEnabled(false);
    VideoFinalyzer finalizer(video, OverlayPages());
    QEventLoop loop;
    bool finished = false;
    connect(&finalizer, &VideoFinalyzer::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    {
        ProgressDialog progress;
        progress.setMaximum(100);
        progress.setValue(0);
        progress.hideFineProgress();
        progress.setText(tr("Video wird erstellt..."));
        progress.setModal(true);
        connect(&finalizer, &VideoFinalyzer::positionChanged, &progress, &ProgressDialog::setValue);
        progress.show();

        QElapsedTimer timer;
        timer.start();
        finalizer.finalize();
        if (!finished)
            loop.exec();
        qDebug() << "Finalizing took" << timer.elapsed() << "ms";
        progress.close();
    }
    QCoreApplication::processEvents();
    setEnabled(true);
    if (finalizer.succeeded()) {
        MessageDialog done(tr("Erfolgreich abgeschlossen!"), 0, 2500, this);
        done.exec();
    } else {
        MessageDialog failure(finalizer.errorString(), MessageDialog::Ok, -1, this);
        failure.exec();
    }
}

QStringList MainWindow::offeredStandards(int languageIndex)
{
    const QString en = QString::fromLatin1(kStandardEn);
    if (languageIndex == kGerman)
        return {QString::fromLatin1(kStandardIsybau2006), QString::fromLatin1(kStandardDwa), en,
                QString::fromLatin1(kStandardIsybau2001), QString::fromLatin1(kStandardAtv),
                QString::fromLatin1(kStandardDanDas)};
    if (languageIndex == kDanish)
        return {en, QString::fromLatin1(kStandardDanDas)};
    return {en};
}

void MainWindow::startInspection()
{
    if (!investigation)
        return;
    const int language = Global::instance()->config()->language();
    const QStringList standards = offeredStandards(language);
    QString chosen = standards.value(0);
    if (standards.size() > 1) {
        InputListDialog dialog(this);
        dialog.setItems(standards);
        if (dialog.exec() != QDialog::Accepted)
            return;
        chosen = dialog.selectedItem();
    }

    std::unique_ptr<Investigation> next;
    QString ending = QStringLiteral(".xml");
    if (chosen == QLatin1String(kStandardAtv) || chosen == QLatin1String(kStandardIsybau2001)) {
        const bool atv = chosen == QLatin1String(kStandardAtv);
        next = std::make_unique<Isybau2001>();
        next->setNormKind(atv ? NormATV : NormIsybau2001);
        ending = atv ? QStringLiteral(".h") : QStringLiteral(".lh");
    } else if (chosen == QLatin1String(kStandardEn)) {
        next = std::make_unique<EN135082>(StartNewInvestDialog::catalogueLanguage(language));
        next->setNormKind(NormEN135082);
    } else if (chosen == QLatin1String(kStandardDwa)) {
        next = std::make_unique<DWAM1492>();
        next->setNormKind(NormDWAM1492);
    } else if (chosen == QLatin1String(kStandardIsybau2006)) {
        next = std::make_unique<Isybau2006>();
        next->setNormKind(NormIsybau2006);
    } else if (chosen == QLatin1String(kStandardDanDas)) {
        next = std::make_unique<DanDas>();
        next->setNormKind(NormDanDas);
    }
    // A standard whose catalogue could not be read in this language has nothing to code with.
    if (!next || next->codes().isEmpty()) {
        MessageDialog notice(tr("Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!"), MessageDialog::Ok, -1,
                             this);
        notice.exec();
        return;
    }

    const QString oldName = investigation->fileName();
    const int dot = oldName.lastIndexOf(QLatin1Char('.'));
    const QString fileName = (dot >= 0 ? oldName.left(dot) : oldName) + ending;
    next->setFolder(investigation->folder());
    next->setFileName(fileName);
    next->setVideoFile(investigation->videoFile());
    if (QFileInfo::exists(next->filePath())) {
        MessageDialog refusal(tr("Die Datei \"%1\" existiert bereits!").arg(fileName), MessageDialog::Ok, -1, this);
        refusal.exec();
        return;
    }

    // Compared, never read: closing deletes an inspection that belongs to no project.
    Investigation *old = investigation;
    bool written = false;
    if (!closeInspection())
        return;

    if (project) {
        // The courses of the 3D view that show the inspection going now show the new one in its
        // place; none may keep the old one, which is deleted.
        QList<ConnectedInspection *> shown;
        if (project3D) {
            for (ConnectedInspection *course : project3D->inspections()) {
                if (!course)
                    continue;
                QList<ConnectedInspection *> all = course->allBranches();
                all.prepend(course);
                for (ConnectedInspection *part : all) {
                    if (part && part->investigation() == old)
                        shown << part;
                }
            }
        }
        const int index = project->inspections().indexOf(old);
        Investigation *replacement = next.release();
        for (ConnectedInspection *part : qAsConst(shown))
            part->setInvestigation(replacement);
        if (index < 0 || !project->replaceInspection(index, replacement))
            project->addInspection(replacement);
        // Branches before the courses they hang from: building a course may delete its branches.
        for (auto it = shown.crbegin(); it != shown.crend(); ++it) {
            (*it)->build(0.0);
            project3DChanged = true;
        }
        project->save();
        written = replacement->save();
        projectChanged = false;
        openInspectionByName(fileName);
        recreateLabels();
    } else {
        fileInspection = std::move(next);
        investigation = fileInspection.get();
        written = investigation->save();
        projectChanged = false;
        // Still an inspection of a file: no project may open over it.
        ui->toolBox->setEnabled(inspectionKeys.projectsSection, false);
        openInspectionByName(fileName);
    }
    // The new file could not be written (the writer said why): closing must still ask.
    if (!written)
        markInspectionChanged();
    ui->videoWidget->on_stop_clicked();

    const bool isybau2001 = investigation->normKind() == NormATV || investigation->normKind() == NormIsybau2001;
    int result = QDialog::Rejected;
    if (isybau2001) {
        Isybau2001MainDialog header(investigation, this);
        result = header.exec();
    } else {
        ENMainDataDialog header(investigation, this);
        result = header.exec();
    }
    if (result == QDialog::Accepted) {
        adjustUi();
        markInspectionChanged();
    }
    updateInspectionList();
    ui->fileWidget->setEnabled(project || investigation);
}
