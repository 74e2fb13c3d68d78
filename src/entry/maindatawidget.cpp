#include "entry/maindatawidget.h"
#include "ui_maindatawidget.h"

#include "entry/codechoice.h"
#include "entry/enmaindatadialog.h"
#include "entry/isybau2001maindialog.h"
#include "model/investigation.h"

#include <QIcon>
#include <QLineEdit>
#include <QSignalBlocker>

#include <utility>

namespace {

// QLineEdit's own limit, which keeps any text of a header.
constexpr int kWholeText = 32767;

} // namespace

MainDataWidget::MainDataWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MainDataWidget)
{
    ui->setupUi(this);
    m_profile = new CodeChoice(ui->section, OptionMap());
    m_material = new CodeChoice(ui->material, OptionMap());
    m_system = new CodeChoice(ui->system, OptionMap());
    m_direction = new CodeChoice(ui->direction, OptionMap());
    ui->date->setDate(QDate::currentDate());
    setHeightLabel();
    setDataVisible(true);
}

MainDataWidget::~MainDataWidget()
{
    delete ui;
}

void MainDataWidget::setInvestigation(Investigation *investigation)
{
    const QSignalBlocker blocker(this);
    m_investigation = investigation;
    fill();
}

void MainDataWidget::fill()
{
    // The slots that run while the fields are set only update labels and enabled states.
    m_filling = true;
    const Investigation *inv = m_investigation;
    m_profile->fill(inv ? inv->profileOptions() : OptionMap());
    m_material->fill(inv ? inv->materialOptions() : OptionMap());
    m_system->fill(inv ? inv->systemOptions() : OptionMap());
    m_direction->fill(inv ? inv->directionOptions() : OptionMap());
    showFields();
    m_filling = false;
}

void MainDataWidget::showFields()
{
    const InspectionHeader h = m_investigation ? m_investigation->mainData() : InspectionHeader();
    // Typing stops where the exchange file stops keeping a text; a longer text read from a file
    // stays whole.
    using H = InspectionHeader;
    const std::pair<QLineEdit *, QString H::*> texts[] = {
        {ui->customer, &H::client},  {ui->operator_2, &H::inspector},    {ui->city, &H::town},
        {ui->street, &H::street},    {ui->intake, &H::startNode},        {ui->escape, &H::endNode},
        {ui->inspectionName, &H::sectionName}, {ui->videoName, &H::videoReference}};
    for (const auto &text : texts) {
        const int length = m_investigation ? m_investigation->headerTextLength(text.second) : 0;
        text.first->setMaxLength(length > 0 ? qMax(length, (h.*text.second).size()) : kWholeText);
    }
    ui->customer->setText(h.client);
    ui->operator_2->setText(h.inspector);
    ui->city->setText(h.town);
    ui->street->setText(h.street);
    ui->intake->setText(h.startNode);
    ui->escape->setText(h.endNode);
    ui->height->setValue(int(h.height));
    ui->width->setValue(int(h.width));
    ui->inspectionName->setText(h.sectionName);
    ui->videoName->setText(h.videoReference);
    ui->date->setDate(h.date.isValid() ? h.date : QDate::currentDate());
    ui->materialEdit->setText(hasFreeTexts() ? h.materialText : QString());
    ui->systemEdit->setText(hasFreeTexts() ? h.sewerKindText : QString());
    m_material->show(h.material);
    m_profile->show(h.profile);
    m_system->show(h.sewerKind);
    m_direction->show(h.direction);
}

void MainDataWidget::setDataVisible(bool visible)
{
    ui->upButton->setIcon(QIcon(visible ? QStringLiteral(":/icons/up.png") : QStringLiteral(":/icons/down.png")));
    ui->frame->setVisible(visible);
    ui->line->setVisible(!visible);
}

bool MainDataWidget::isDataVisible() const
{
    // The panel's own state: the main window asks before it is shown and while minimised.
    return !ui->frame->isHidden();
}

void MainDataWidget::retranslate()
{
    ui->retranslateUi(this);
    setHeightLabel();
}

void MainDataWidget::setHeightLabel()
{
    ui->heightLabel->setText(m_circular ? tr("Durchmesser:") : tr("Höhe:"));
}

bool MainDataWidget::hasFreeTexts() const
{
    return m_investigation
           && (m_investigation->normKind() == NormATV || m_investigation->normKind() == NormIsybau2001);
}

void MainDataWidget::on_upButton_clicked()
{
    setDataVisible(!isDataVisible());
}

void MainDataWidget::storeText(QString InspectionHeader::*field, const QString &text)
{
    if (!writes())
        return;
    m_investigation->mutableMainData().*field = text;
    emit dataChanged();
}

void MainDataWidget::on_customer_textEdited(const QString &text)
{
    storeText(&InspectionHeader::client, text);
}

void MainDataWidget::on_operator_2_textEdited(const QString &text)
{
    storeText(&InspectionHeader::inspector, text);
}

void MainDataWidget::on_city_textEdited(const QString &text)
{
    storeText(&InspectionHeader::town, text);
}

void MainDataWidget::on_street_textEdited(const QString &text)
{
    storeText(&InspectionHeader::street, text);
}

void MainDataWidget::on_intake_textEdited(const QString &text)
{
    storeText(&InspectionHeader::startNode, text);
}

void MainDataWidget::on_escape_textEdited(const QString &text)
{
    storeText(&InspectionHeader::endNode, text);
}

void MainDataWidget::on_inspectionName_textEdited(const QString &text)
{
    storeText(&InspectionHeader::sectionName, text);
}

void MainDataWidget::on_videoName_textEdited(const QString &text)
{
    storeText(&InspectionHeader::videoReference, text);
}

void MainDataWidget::on_materialEdit_textEdited(const QString &text)
{
    storeText(&InspectionHeader::materialText, text);
}

void MainDataWidget::on_systemEdit_textEdited(const QString &text)
{
    storeText(&InspectionHeader::sewerKindText, text);
}

void MainDataWidget::on_height_valueChanged(int value)
{
    if (!writes())
        return;
    InspectionHeader &h = m_investigation->mutableMainData();
    h.height = value;
    // A circular profile has one size.
    if (m_circular) {
        h.width = value;
        const QSignalBlocker blocker(ui->width);
        ui->width->setValue(value);
    }
    emit dataChanged();
}

void MainDataWidget::on_width_valueChanged(int value)
{
    if (!writes())
        return;
    m_investigation->mutableMainData().width = value;
    emit dataChanged();
}

void MainDataWidget::on_date_dateChanged(const QDate &date)
{
    if (!writes())
        return;
    m_investigation->mutableMainData().date = date;
    emit dataChanged();
}

void MainDataWidget::on_section_currentTextChanged(const QString &)
{
    m_circular = false;
    if (m_investigation) {
        const NormKind kind = m_investigation->normKind();
        if (kind == NormEN135082 || kind == NormDWAM1492 || kind == NormIsybau2006 || kind == NormDanDas)
            m_circular = isCircularProfileCode(kind, m_profile->selectedCode());
        else
            m_circular = ui->section->currentIndex() == 0;
    }
    setHeightLabel();
    ui->width->setEnabled(!m_circular);
    ui->widthLabel->setEnabled(!m_circular);
    if (!writes())
        return;
    InspectionHeader &h = m_investigation->mutableMainData();
    if (m_circular) {
        h.width = h.height;
        const QSignalBlocker blocker(ui->width);
        ui->width->setValue(int(h.height));
    } else {
        h.width = ui->width->value();
    }
    h.profile = m_profile->selectedCode();
    emit dataChanged();
}

void MainDataWidget::updateFreeText(QLineEdit *edit, bool special, QString InspectionHeader::*freeText)
{
    edit->setEnabled(special);
    if (writes())
        m_investigation->mutableMainData().*freeText = special ? edit->text() : QString();
}

void MainDataWidget::on_material_currentTextChanged(const QString &text)
{
    updateFreeText(ui->materialEdit, hasFreeTexts() && text.startsWith(QLatin1String("son")),
                   &InspectionHeader::materialText);
    if (!writes())
        return;
    m_investigation->mutableMainData().material = m_material->selectedCode();
    emit dataChanged();
}

void MainDataWidget::on_system_currentTextChanged(const QString &text)
{
    updateFreeText(ui->systemEdit, hasFreeTexts() && text.startsWith(QLatin1String("Son")),
                   &InspectionHeader::sewerKindText);
    if (!writes())
        return;
    m_investigation->mutableMainData().sewerKind = m_system->selectedCode();
    emit dataChanged();
}

void MainDataWidget::on_direction_currentTextChanged(const QString &)
{
    if (!writes())
        return;
    m_investigation->mutableMainData().direction = m_direction->selectedCode();
    emit dataChanged();
}

void MainDataWidget::on_mainDataButton_clicked()
{
    if (!m_investigation)
        return;
    int result = QDialog::Rejected;
    const NormKind kind = m_investigation->normKind();
    if (kind == NormATV || kind == NormIsybau2001) {
        Isybau2001MainDialog dialog(m_investigation, this);
        result = dialog.exec();
    } else {
        ENMainDataDialog dialog(m_investigation, this);
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return;
    {
        const QSignalBlocker blocker(this);
        fill();
    }
    emit dataChanged();
}
