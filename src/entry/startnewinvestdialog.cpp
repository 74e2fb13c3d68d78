#include "entry/startnewinvestdialog.h"
#include "ui_startnewinvestdialog.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "view3d/inspectionsource.h"
#include "view3d/viewer3d.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <memory>

namespace {

// The rows of the standard list, in their order.
enum NormRow { RowEN = 0, RowIsybau2006 = 1, RowIsybau2001 = 2, RowDWA = 3, RowATV = 4 };

// The rows of the system combo box and the German words of the catalogues for the first three.
// The rows, not the texts shown, decide: a translated combo box shows other words.
const char *const SystemWords[3] = {"Regenwasser", "Schmutzwasser", "Mischwasser"};

// Whether a name can be a folder and file name inside the project folder.
bool isPlainName(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\'));
}

// The first code whose text begins with the word; empty when none does.
QString codeOfText(const OptionMap &options, const QString &word, bool wholeText)
{
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (wholeText ? it.value() == word : it.value().startsWith(word))
            return it.key();
    }
    return QString();
}

} // namespace

StartNewInvestDialog::StartNewInvestDialog(ConnectedInspection *course, InspectionSource *project,
                                           Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::StartNewInvestDialog)
    , m_project(project)
    , m_course(course)
    , m_viewer(viewer)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);

    ui->positionWidget->setAngle(0.0);
    connect(ui->positionWidget, &AngleWidget::angleChanged, ui->position, &QDoubleSpinBox::setValue);
    connect(ui->position, QOverload<double>::of(&QDoubleSpinBox::valueChanged), ui->positionWidget,
            &AngleWidget::setAngle);

    // The names of the standards are not translated.
    ui->normList->addItems({QStringLiteral("DIN EN-13508-2"), QStringLiteral("Isybau2006"),
                            QStringLiteral("Isybau2001"), QStringLiteral("DWA M-149-2"),
                            QStringLiteral("ATV M-143-2")});
    m_formMaxima[0] = ui->diameter->maximum();
    m_formMaxima[1] = ui->meter->maximum();
    m_formMaxima[2] = ui->width->maximum();
    connect(ui->normList, &QListWidget::currentRowChanged, this, &StartNewInvestDialog::fitRangesToStandard);
    ui->normList->setCurrentRow(0);

    if (m_course)
        m_entriesBefore = m_course->entries();
    ui->stackedWidget->setCurrentIndex(0);
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

StartNewInvestDialog::~StartNewInvestDialog()
{
    delete ui;
}

QString StartNewInvestDialog::catalogueLanguage(int languageIndex)
{
    // English and Polish users keep the German catalogue.
    switch (languageIndex) {
    case 1:
        return QStringLiteral("da");
    case 3:
        return QStringLiteral("es");
    case 4:
        return QStringLiteral("fi");
    case 5:
        return QStringLiteral("fr");
    case 6:
        return QStringLiteral("hr");
    case 7:
        return QStringLiteral("nb");
    case 9:
        return QStringLiteral("ru");
    default:
        return QStringLiteral("de");
    }
}

// --- page 0 and the end of the wizard

void StartNewInvestDialog::on_accept_clicked()
{
    if (ui->stackedWidget->currentIndex() == 0) {
        if (createInspection()) {
            ui->stackedWidget->setCurrentIndex(1);
            ui->accept->setText(tr("Fertigstellen"));
        }
        return;
    }
    if (writeInspection())
        accept();
}

void StartNewInvestDialog::on_reject_clicked()
{
    reject();
}

void StartNewInvestDialog::reject()
{
    // Escape comes here as well as "Abbrechen": whatever the way out, the new inspection and
    // the placements made for it go.
    if (m_course) {
        if (m_inspection && m_course->investigation() == m_inspection)
            m_course->detachInvestigation();
        for (const CIEntry &entry : m_course->entries())
            m_course->removeEntry(entry);
        for (const CIEntry &entry : qAsConst(m_entriesBefore))
            m_course->addEntry(entry);
    }
    if (m_inspection) {
        if (m_project)
            m_project->removeInspection(m_inspection);
        delete m_inspection;
        m_inspection = nullptr;
    }
    if (m_viewer)
        m_viewer->renderLater();
    QDialog::reject();
}

bool StartNewInvestDialog::createInspection()
{
    const QString name = ui->name->text();
    if (name.isEmpty()) {
        showMessage(tr("Bitte geben Sie einen Namen ein!"));
        return false;
    }
    // The name becomes a folder and a file name: it must not lead out of the project folder.
    if (!isPlainName(name)) {
        showMessage(QCoreApplication::translate("FileDirNameDialog",
                                                "\"%1\" ist als Name nicht erlaubt!\nBitte anderen Namen wählen!")
                        .arg(name));
        return false;
    }
    if (m_project && m_project->inspectionFolderExists(name)) {
        showMessage(tr("Dieser Name wird schon verwendet!"));
        return false;
    }

    std::unique_ptr<Investigation> inspection;
    QString suffix = QStringLiteral(".xml");
    switch (ui->normList->currentRow()) {
    case RowIsybau2006:
        inspection = std::make_unique<Isybau2006>();
        break;
    case RowIsybau2001:
        inspection = std::make_unique<Isybau2001>();
        inspection->setNormKind(NormIsybau2001);
        suffix = QStringLiteral(".lh");
        break;
    case RowDWA:
        inspection = std::make_unique<DWAM1492>();
        break;
    case RowATV:
        inspection = std::make_unique<Isybau2001>();
        suffix = QStringLiteral(".h");
        break;
    default:
        inspection = std::make_unique<EN135082>(catalogueLanguage(Global::instance()->config()->language()));
        break;
    }
    inspection->setFileName(name + suffix);
    const QString root = m_project ? m_project->rootFolder() : QString();
    const QString projectName = m_project ? m_project->name() : QString();
    inspection->setFolder(QStringLiteral("%1/%2/%3/").arg(root, projectName, name));

    InspectionHeader &header = inspection->mutableMainData();
    header.clear();
    // Both sizes: the header editors take the height as the width of a circular profile.
    header.height = ui->diameter->value();
    header.width = ui->diameter->value();
    setSewerSystem(inspection.get(), ui->system->currentIndex());

    m_inspection = inspection.release();
    if (m_project)
        m_project->addInspection(m_inspection);
    m_inspection->mutableObservations().append(endNode(ui->meter->value()));
    if (m_course)
        m_course->setInvestigation(m_inspection);
    // A wizard finished at once shows the pipe of the first length.
    rebuild();
    return true;
}

void StartNewInvestDialog::setSewerSystem(Investigation *inspection, int row) const
{
    const bool known = row >= 0 && row < 3;
    InspectionHeader &header = inspection->mutableMainData();
    switch (inspection->normKind()) {
    case NormATV:
    case NormIsybau2001:
        header.sewerKind = known ? codeOfText(inspection->systemOptions(), QLatin1String(SystemWords[row]), true)
                                 : QStringLiteral("7");
        break;
    case NormEN135082: {
        // The codes of the EN list are the same in every language; its German texts tell them.
        const auto *en = qobject_cast<const EN135082 *>(inspection);
        std::unique_ptr<EN135082> german;
        if (!en || en->language() != QLatin1String("de")) {
            german = std::make_unique<EN135082>(QStringLiteral("de"));
            en = german.get();
        }
        const OptionMap &options = en->systemOptions();
        if (known)
            header.sewerKind = codeOfText(options, QLatin1String(SystemWords[row]), false);
        else
            header.sewerKind = options.contains(QStringLiteral("Z")) ? QStringLiteral("Z") : QString();
        break;
    }
    case NormIsybau2006: {
        static const char *const codes[4] = {"KR", "KS", "KM", "KM"};
        header.sewerKind = QLatin1String(codes[known ? row : 3]);
        break;
    }
    case NormDWAM1492: {
        static const char *const codes[4] = {"R", "S", "M", "Z"};
        header.pipeType = QLatin1String(codes[known ? row : 3]);
        break;
    }
    default:
        break;
    }
}

bool StartNewInvestDialog::writeInspection()
{
    if (!m_inspection)
        return false;
    if (!QDir().mkpath(m_inspection->folder())) {
        MessageDialog message(tr("Der Ordner \"%1\" konnte nicht angelegt werden!").arg(QDir::toNativeSeparators(m_inspection->folder())),
                              MessageDialog::Ok, -1, this);
        message.exec();
        return false;
    }
    // The save reports its own failure.
    return m_inspection->save();
}

void StartNewInvestDialog::fitRangesToStandard(int row)
{
    using Field = Isybau2001::NumberField;
    const bool fixedColumns = row == RowIsybau2001 || row == RowATV;
    // The diameter is stored as the profile's height and width, the length as the end node's
    // distance, a new width as the first value of its observation. The spin boxes round a
    // maximum to their decimals, so it is taken down to them first.
    const auto fit = [&](QDoubleSpinBox *field, Field column, double formMaximum) {
        const double scale = std::pow(10.0, field->decimals());
        const double held = std::floor(Isybau2001::numberColumn(column).maximum * scale + 1e-6) / scale;
        field->setMaximum(fixedColumns ? held : formMaximum);
    };
    fit(ui->diameter, Field::Height, m_formMaxima[0]);
    fit(ui->meter, Field::Distance, m_formMaxima[1]);
    fit(ui->width, Field::Value1, m_formMaxima[2]);
}

void StartNewInvestDialog::showMessage(const QString &text)
{
    MessageDialog message(text, 0, 2500, this);
    message.exec();
}

// --- page 1: the course

bool StartNewInvestDialog::isIsybau2001Family() const
{
    return m_inspection && m_inspection->normKind() <= NormIsybau2001;
}

ObservationRecord StartNewInvestDialog::endNode(double distance) const
{
    ObservationRecord record;
    record.distance = distance;
    if (isIsybau2001Family()) {
        record.code = QStringLiteral("EH");
    } else {
        record.code = QStringLiteral("BCE");
        // EN 13508-2 describes the end node by its kind, a manhole; the German guidelines by
        // their pipe end.
        record.character1 = m_inspection->normKind() == NormEN135082 ? QStringLiteral("A") : QStringLiteral("XP");
    }
    return record;
}

ObservationRecord StartNewInvestDialog::bendRecord() const
{
    ObservationRecord record;
    record.distance = ui->meter->value();
    record.quantity1 = ui->angle->value();
    if (isIsybau2001Family()) {
        record.code = QStringLiteral("K");
    } else {
        record.code = QStringLiteral("BCC");
        record.character1 = QStringLiteral("Y");
        record.character2 = QStringLiteral("Y");
    }
    return record;
}

ObservationRecord StartNewInvestDialog::branchRecord() const
{
    // The first number of a branch is its width, which is not known here; the branch's angle
    // lives in the course's placement.
    ObservationRecord record;
    record.distance = ui->meter->value();
    if (isIsybau2001Family()) {
        record.code = QStringLiteral("A--O");
    } else {
        record.code = QStringLiteral("BCA");
        record.character1 = QStringLiteral("A");
        record.character2 = QStringLiteral("A");
    }
    return record;
}

ObservationRecord StartNewInvestDialog::widthChangeRecord() const
{
    ObservationRecord record;
    record.distance = ui->meter->value();
    record.quantity1 = ui->width->value();
    if (isIsybau2001Family()) {
        record.code = QStringLiteral("QVN");
    } else {
        record.code = QStringLiteral("AEC");
        if (m_inspection->normKind() == NormEN135082) {
            // A change to another circular profile: both of its sizes are the nominal width.
            record.character1 = QStringLiteral("A");
            record.quantity2 = ui->width->value();
        }
    }
    return record;
}

void StartNewInvestDialog::insertBeforeEnd(const ObservationRecord &record)
{
    QVector<ObservationRecord> &observations = m_inspection->mutableObservations();
    const ObservationRecord end = observations.takeLast();
    observations.append(record);
    observations.append(end);
}

void StartNewInvestDialog::rebuild()
{
    if (m_course)
        m_course->build(0.0);
    if (m_viewer)
        m_viewer->renderLater();
}

void StartNewInvestDialog::setEditing(Mode mode)
{
    m_mode = mode;
    const bool idle = mode == Idle;
    ui->meterBox->setEnabled(idle);
    ui->insertBox->setEnabled(idle);
    ui->dataBox->setEnabled(!idle);
    if (idle)
        return;
    const bool part = mode != WidthPending;
    ui->position->setEnabled(part);
    ui->positionWidget->setEnabled(part);
    ui->angle->setEnabled(part);
    ui->width->setEnabled(!part);
}

void StartNewInvestDialog::on_meter_valueChanged(double value)
{
    if (!m_inspection)
        return;
    QVector<ObservationRecord> &observations = m_inspection->mutableObservations();
    if (!observations.isEmpty())
        observations.removeLast();
    observations.append(endNode(value));
    rebuild();
}

bool StartNewInvestDialog::startPart(Mode mode)
{
    if (!m_inspection)
        return false;
    const ObservationRecord record = mode == BendPending ? bendRecord() : branchRecord();
    CIEntry entry;
    entry.type = mode == BendPending ? CIEntry::Elbow : CIEntry::Branch;
    entry.code = record.code;
    entry.timecode = QTime(0, 0, 0);
    entry.meter = record.distance;
    // Two parts of one code at one distance are the same observation to the course: a second
    // one could not be moved or withdrawn without taking the first with it.
    if (m_course && m_course->entries().contains(entry)) {
        showMessage(mode == BendPending ? tr("An dieser Stelle ist schon ein Krümmer eingefügt!")
                                        : tr("An dieser Stelle ist schon ein Abzweig eingefügt!"));
        return false;
    }

    // A bend takes some length of its own: the end moves on by half a metre, which must still
    // be a length the file holds.
    if (mode == BendPending && m_inspection->observations().last().distance + 0.5 > ui->meter->maximum() + 1e-9) {
        showMessage(tr("Für einen Krümmer fehlt am Ende der Haltung ein halber Meter."));
        return false;
    }

    setEditing(mode);
    QVector<ObservationRecord> &observations = m_inspection->mutableObservations();
    ObservationRecord end = observations.takeLast();
    if (mode == BendPending)
        end.distance += 0.5;
    observations.append(record);
    observations.append(end);

    m_pending = entry;
    if (m_course)
        m_course->addEntry(m_pending);
    rebuild();

    ui->angle->setValue(60.0);
    ui->position->setValue(0.0);
    updatePending();
    return true;
}

void StartNewInvestDialog::on_elbow_clicked()
{
    startPart(BendPending);
}

void StartNewInvestDialog::on_branch_clicked()
{
    startPart(BranchPending);
}

void StartNewInvestDialog::on_nennwidth_clicked()
{
    if (!m_inspection)
        return;
    setEditing(WidthPending);
}

void StartNewInvestDialog::on_position_valueChanged(double)
{
    updatePending();
}

void StartNewInvestDialog::on_angle_valueChanged(double)
{
    updatePending();
}

void StartNewInvestDialog::updatePending()
{
    if (!m_inspection || (m_mode != BendPending && m_mode != BranchPending))
        return;
    if (m_course)
        m_course->removeEntry(m_pending);
    m_pending.position = ui->position->value();
    m_pending.angle = ui->angle->value();
    if (m_course)
        m_course->addEntry(m_pending);

    QVector<ObservationRecord> &observations = m_inspection->mutableObservations();
    const ObservationRecord end = observations.takeLast();
    observations.removeLast();
    observations.append(m_mode == BendPending ? bendRecord() : branchRecord());
    observations.append(end);
    rebuild();
}

void StartNewInvestDialog::on_ok_clicked()
{
    if (!m_inspection)
        return;
    if (m_mode == WidthPending) {
        const ObservationRecord record = widthChangeRecord();
        insertBeforeEnd(record);
        m_pending = CIEntry();
        m_pending.type = CIEntry::Narrow;
        m_pending.position = 0.0;
        m_pending.angle = ui->width->value();
        m_pending.code = record.code;
        m_pending.timecode = QTime(0, 0, 0);
        m_pending.meter = record.distance;
        if (m_course)
            m_course->addEntry(m_pending);
    }
    setEditing(Idle);
    rebuild();
    // The course only grows: nothing later lies before a confirmed part.
    const double length = ui->meter->value();
    ui->meter->setMinimum(length);
    ui->meter->setValue(length + 0.5);
}

void StartNewInvestDialog::on_back_clicked()
{
    if (!m_inspection)
        return;
    if (m_mode == BendPending || m_mode == BranchPending) {
        QVector<ObservationRecord> &observations = m_inspection->mutableObservations();
        ObservationRecord end = observations.takeLast();
        if (m_mode == BendPending)
            end.distance -= 0.5;
        observations.removeLast();
        observations.append(end);
        if (m_course)
            m_course->removeEntry(m_pending);
        rebuild();
    }
    setEditing(Idle);
}
