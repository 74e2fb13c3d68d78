#include "view3d/dialogs/investdialog.h"
#include "ui_investdialog.h"

#include "view3d/connectedinspection.h"
#include "view3d/label3d.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"

#include <QListWidgetItem>

namespace {

// The first code whose text is the given one; empty when none has it.
QString codeOfText(const OptionMap &options, const QString &text)
{
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (it.value() == text)
            return it.key();
    }
    return QString();
}

// Index of the item showing the code's text; -1 (nothing chosen) for a code without text.
int indexOfCode(const QComboBox *box, const OptionMap &options, const QString &code)
{
    const auto it = options.constFind(code);
    if (it == options.constEnd())
        return -1;
    return box->findText(it.value(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

InvestDialog::InvestDialog(ConnectedInspection *course, Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InvestDialog)
    , m_viewer(viewer)
    , m_course(course)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    if (m_course)
        m_inspection = m_course->investigation();
    if (m_inspection)
        fillForm();
    m_filling = false;
}

InvestDialog::~InvestDialog()
{
    delete ui;
}

// Each row stands for one label and names the observation the label belongs to, found by the
// label's key: labels are made only for observations on the course, so the n-th label need not
// belong to the n-th observation.
void InvestDialog::fillLabelRows()
{
    const QVector<ObservationRecord> observations = m_inspection->observations();
    const QVector<int> keys = equalKeyIndexes(observations);
    QVector<bool> taken(observations.size(), false);
    const QList<Label3D *> labels = m_course->labels();
    for (Label3D *label : labels) {
        const LabelEntry key = m_course->labelKey(label);
        QString text = label->text();
        for (int i = 0; i < observations.size(); ++i) {
            const ObservationRecord &o = observations.at(i);
            if (taken.at(i) || !key.matches(LabelEntry{o.code, o.videoTime, o.distance, keys.at(i)}))
                continue;
            taken[i] = true;
            text = QStringLiteral("%1m %2").arg(QString::number(o.distance, 'f', 2),
                                                 m_inspection->observationDescription(o));
            break;
        }
        const Qt::CheckState state = label->isVisible() ? Qt::Checked : Qt::Unchecked;
        m_initialStates.append(state);
        auto *item = new QListWidgetItem(text);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(state);
        ui->listWidget->addItem(item);
    }
}

void InvestDialog::fillForm()
{
    fillLabelRows();

    const InspectionHeader header = m_inspection->mainData();
    ui->sbWidth->setValue(int(header.width));
    ui->lePipelineName->setText(header.sectionName);

    const OptionMap materials = m_inspection->materialOptions();
    ui->cbMaterialType->addItems(materials.values());
    m_initialMaterial = indexOfCode(ui->cbMaterialType, materials, header.material);
    ui->cbMaterialType->setCurrentIndex(m_initialMaterial);

    const OptionMap directions = m_inspection->directionOptions();
    ui->cbDirection->addItems(directions.values());
    m_initialDirection = indexOfCode(ui->cbDirection, directions, header.direction);
    ui->cbDirection->setCurrentIndex(m_initialDirection);
}

bool InvestDialog::isModified() const
{
    for (int row = 0; row < m_initialStates.size() && row < ui->listWidget->count(); ++row) {
        if (ui->listWidget->item(row)->checkState() != m_initialStates.at(row))
            return true;
    }
    return m_modified;
}

void InvestDialog::on_listWidget_itemChanged(QListWidgetItem *item)
{
    if (m_filling || !m_course)
        return;
    const int row = ui->listWidget->row(item);
    const QList<Label3D *> labels = m_course->labels();
    if (row < 0 || row >= labels.size())
        return;
    labels.at(row)->setVisible(item->checkState() == Qt::Checked);
    if (m_viewer)
        m_viewer->renderLater();
}

void InvestDialog::accept()
{
    if (m_inspection) {
        InspectionHeader header = m_inspection->mainData();
        bool written = false;
        if (ui->lePipelineName->text() != header.sectionName) {
            header.sectionName = ui->lePipelineName->text();
            written = true;
        }
        if (ui->sbWidth->value() != header.width) {
            header.width = ui->sbWidth->value();
            written = m_modified = true;
        }
        if (ui->cbMaterialType->currentIndex() != m_initialMaterial) {
            const QString text = ui->cbMaterialType->currentText();
            if (text != header.materialText) {
                header.materialText = text;
                written = true;
            }
            const QString code = codeOfText(m_inspection->materialOptions(), text);
            if (code != header.material) {
                header.material = code;
                written = m_modified = true;
            }
        }
        if (ui->cbDirection->currentIndex() != m_initialDirection) {
            const QString code = codeOfText(m_inspection->directionOptions(), ui->cbDirection->currentText());
            if (code != header.direction) {
                header.direction = code;
                written = m_modified = true;
            }
        }
        if (written) {
            m_inspection->setMainData(header);
            m_inspection->setChanged(true);
        }
    }
    QDialog::accept();
}

void InvestDialog::reject()
{
    m_modified = false;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        QListWidgetItem *item = ui->listWidget->item(row);
        const Qt::CheckState initial = row < m_initialStates.size() ? Qt::CheckState(m_initialStates.at(row)) : Qt::Checked;
        // Through the item-changed slot the label follows and the view redraws.
        if (item->checkState() != initial)
            item->setCheckState(initial);
    }
    QDialog::reject();
}
