#include "entry/enmaindatadialog.h"
#include "ui_enmaindatadialog.h"

#include "entry/codechoice.h"
#include "model/investigation.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTime>

ENMainDataDialog::ENMainDataDialog(Investigation *investigation, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ENMainDataDialog)
    , m_investigation(investigation)
{
    ui->setupUi(this);
    ui->load->hide();
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    ui->time->setDisplayFormat(QLocale().timeFormat(QLocale::ShortFormat));

    // DanDas keeps the reason of the inspection where the others keep the section name; the
    // section name (its AAA) is then left as it is.
    const bool danDas = investigation->normKind() == NormDanDas;
    m_textFields = {
        {ui->customer, &InspectionHeader::client},
        {ui->operator_2, &InspectionHeader::inspector},
        {ui->company, &InspectionHeader::company},
        {ui->city, &InspectionHeader::town},
        {ui->street, &InspectionHeader::street},
        {ui->inspectionNumber, &InspectionHeader::orderNumber},
        {ui->objectName, danDas ? &InspectionHeader::reason : &InspectionHeader::sectionName},
        {ui->intake, &InspectionHeader::startNode},
        {ui->escape, &InspectionHeader::endNode},
        {ui->videoName, &InspectionHeader::videoReference},
    };

    const Investigation &inv = *investigation;
    const QString none = tr("keine Angabe");
    m_profile = new CodeChoice(ui->section, inv.profileOptions());
    m_videoMedium = new CodeChoice(ui->videoMedium, inv.videoMediumOptions());
    m_codeFields = {
        {new CodeChoice(ui->intakeType, inv.nodeTypeOptions()), &InspectionHeader::startNodeType},
        {new CodeChoice(ui->escapeType, inv.nodeTypeOptions()), &InspectionHeader::endNodeType},
        {new CodeChoice(ui->material, inv.materialOptions()), &InspectionHeader::material},
        {new CodeChoice(ui->materialSource, inv.materialSourceOptions()), &InspectionHeader::materialSource},
        {m_profile, &InspectionHeader::profile},
        {new CodeChoice(ui->sectionSource, inv.profileSourceOptions()), &InspectionHeader::profileSource},
        {new CodeChoice(ui->direction, inv.directionOptions()), &InspectionHeader::direction},
        {new CodeChoice(ui->cleaning, inv.cleaningOptions()), &InspectionHeader::cleaning},
        {new CodeChoice(ui->holdback, inv.flowControlOptions()), &InspectionHeader::flowControl},
        {new CodeChoice(ui->pipeType, inv.systemOptions()), &InspectionHeader::sewerKind},
        {new CodeChoice(ui->pipeUse, inv.pipeTypeOptions()), &InspectionHeader::pipeType},
        {new CodeChoice(ui->insideProtection, inv.protectionOptions(), none), &InspectionHeader::protection},
        {new CodeChoice(ui->lining, inv.liningOptions(), none), &InspectionHeader::lining},
        {new CodeChoice(ui->liningMaterial, inv.materialOptions()), &InspectionHeader::liningMaterial},
        {new CodeChoice(ui->startPosition, inv.startPositionOptions()), &InspectionHeader::startPosition},
        {new CodeChoice(ui->installType, inv.installationTypeOptions()), &InspectionHeader::installationType},
        {new CodeChoice(ui->weather, inv.weatherOptions()), &InspectionHeader::weather},
    };
    // The reason combo box of DanDas is hidden and empty; its reason comes from objectName.
    if (!danDas)
        m_codeFields.append({new CodeChoice(ui->reason, inv.reasonOptions()), &InspectionHeader::reason});

    fillChoices();
    adaptToStandard();
    loadHeader();
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

ENMainDataDialog::~ENMainDataDialog()
{
    delete ui;
}

void ENMainDataDialog::fillChoices()
{
    for (const CodeField &f : qAsConst(m_codeFields))
        f.choice->fill();
    m_videoMedium->fill();
    // Fallbacks for a header without a valid date or time.
    ui->date->setDate(QDate::currentDate());
    ui->time->setTime(QTime::currentTime());
}

void ENMainDataDialog::hideField(QWidget *field, QLabel *label)
{
    field->hide();
    if (label)
        label->hide();
}

void ENMainDataDialog::adaptToStandard()
{
    switch (m_investigation->normKind()) {
    case NormEN135082:
        ui->inspectionLabel->setText(tr("Inspektion:"));
        hideField(ui->company, ui->companyLabel);
        hideField(ui->intakeType, ui->label_6);
        hideField(ui->escapeType, ui->label_9);
        hideField(ui->pipeLength, ui->pipeLengthLabel);
        hideField(ui->materialSource, ui->label_19);
        hideField(ui->sectionSource, ui->label_21);
        hideField(ui->pipeUse, ui->pipeUseLabel);
        hideField(ui->insideProtection, ui->insideProtectionLabel);
        hideField(ui->liningMaterial, ui->liningMaterialLabel);
        hideField(ui->installType, ui->installTypeLabel);
        hideField(ui->weather, ui->weatherLabel);
        hideField(ui->video, nullptr);
        ui->videoMedium->setEnabled(false);
        break;
    case NormDWAM1492:
        ui->inspectionLabel->setText(QStringLiteral("Inspektion:"));
        ui->pipeUseLabel->setText(QStringLiteral("Abwasserart:"));
        hideField(ui->intakeType, ui->label_6);
        hideField(ui->escapeType, ui->label_9);
        hideField(ui->materialSource, ui->label_19);
        hideField(ui->sectionSource, ui->label_21);
        hideField(ui->insideProtection, ui->insideProtectionLabel);
        hideField(ui->installType, ui->installTypeLabel);
        hideField(ui->weather, ui->weatherLabel);
        hideField(ui->video, nullptr);
        break;
    case NormIsybau2006:
        // The order is a whole number of up to six digits, the length below 1000 m.
        ui->inspectionNumber->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui->inspectionNumber));
        ui->inspectionLength->setMaximum(999.99);
        hideField(ui->company, ui->companyLabel);
        hideField(ui->reason, ui->reasonLabel);
        hideField(ui->liningMaterial, ui->liningMaterialLabel);
        hideField(ui->weather, ui->weatherLabel);
        hideField(ui->video, nullptr);
        break;
    case NormDanDas:
        ui->inspectionLabel->setText(QStringLiteral("Inspektionsårsag:"));
        hideField(ui->company, ui->companyLabel);
        hideField(ui->inspectionNumber, ui->inspNumberLabel);
        hideField(ui->time, ui->timeLabel);
        hideField(ui->pipeLength, ui->pipeLengthLabel);
        hideField(ui->reason, ui->reasonLabel);
        hideField(ui->installType, ui->installTypeLabel);
        hideField(ui->pipeUse, ui->pipeUseLabel);
        hideField(ui->holdback, ui->holdBackLabel);
        hideField(ui->liningMaterial, ui->liningMaterialLabel);
        hideField(ui->startPosition, ui->startPositionLabel);
        // These labels are empty, and "Videomedium:" now stands beside the free text `video`.
        hideField(ui->materialSource, nullptr);
        hideField(ui->sectionSource, nullptr);
        hideField(ui->videoMedium, nullptr);
        break;
    default:
        hideField(ui->video, nullptr);
        break;
    }
}

void ENMainDataDialog::loadHeader()
{
    const InspectionHeader h = m_investigation->mainData();
    for (const TextField &f : qAsConst(m_textFields)) {
        // Typing stops where the exchange file stops keeping a text; a longer text read from a
        // file stays whole.
        if (const int length = m_investigation->headerTextLength(f.field))
            f.edit->setMaxLength(qMax(length, (h.*f.field).size()));
        f.edit->setText(h.*f.field);
    }
    if (h.date.isValid())
        ui->date->setDate(h.date);
    if (h.time.isValid())
        ui->time->setTime(h.time);
    // The length the inspection stored, not the one stretched to its observations.
    ui->inspectionLength->setValue(h.inspectionLength);
    ui->pipeLength->setValue(h.pipeUnitLength);
    ui->height->setValue(int(h.height));
    ui->width->setValue(int(h.width));
    for (const CodeField &f : qAsConst(m_codeFields))
        f.choice->show(h.*f.field);
    if (m_investigation->normKind() == NormDanDas)
        ui->video->setText(h.videoMedium);
    else
        m_videoMedium->show(h.videoMedium);
}

void ENMainDataDialog::storeHeader()
{
    InspectionHeader &h = m_investigation->mutableMainData();
    for (const TextField &f : qAsConst(m_textFields))
        h.*f.field = f.edit->text();
    h.date = ui->date->date();
    h.time = ui->time->time();
    h.inspectionLength = ui->inspectionLength->value();
    h.pipeUnitLength = ui->pipeLength->value();
    for (const CodeField &f : qAsConst(m_codeFields))
        h.*f.field = f.choice->code();
    h.height = ui->height->value();
    // Whether a field is part of this standard's form, not whether its tab is on screen.
    h.width = ui->width->isHidden() ? h.height : ui->width->value();
    h.videoMedium = ui->video->isHidden() ? m_videoMedium->code() : ui->video->text();
}

void ENMainDataDialog::on_section_currentIndexChanged(int)
{
    const bool circular = isCircularProfileCode(m_investigation->normKind(), m_profile->selectedCode());
    ui->width->setHidden(circular);
    ui->widthLabel->setHidden(circular);
    ui->heightLabel->setText(circular ? tr("Durchmesser:") : tr("Höhe:"));
}

void ENMainDataDialog::on_lining_currentIndexChanged(int index)
{
    if (m_investigation->normKind() == NormDWAM1492)
        ui->liningMaterial->setEnabled(index != 0);
}

void ENMainDataDialog::on_accept_clicked()
{
    storeHeader();
    accept();
}
