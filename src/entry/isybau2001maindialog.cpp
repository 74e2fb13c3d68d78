#include "entry/isybau2001maindialog.h"
#include "ui_isybau2001maindialog.h"

#include "entry/codechoice.h"
#include "model/isybau2001.h"

#include <QDate>
#include <QPalette>

#include <utility>

Isybau2001MainDialog::Isybau2001MainDialog(Investigation *investigation, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Isybau2001MainDialog)
    , m_investigation(investigation)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::CustomizeWindowHint);
    // Whole millimetres in the columns of the file: the fields offer what those hold.
    const Isybau2001::NumberColumn height = Isybau2001::numberColumn(Isybau2001::NumberField::Height);
    const Isybau2001::NumberColumn width = Isybau2001::numberColumn(Isybau2001::NumberField::Width);
    ui->height->setRange(int(height.minimum), int(height.maximum));
    ui->width->setRange(int(width.minimum), int(width.maximum));

    // The data fields read black also where a caller disables them.
    QPalette black = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Dark, QPalette::Text, QPalette::ButtonText})
            black.setColor(group, role, Qt::black);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{ui->operator_2, ui->customer, ui->city, ui->street, ui->intake,
                                                       ui->escape, ui->inspectionName, ui->section, ui->material,
                                                       ui->system, ui->direction, ui->date, ui->video})
        w->setPalette(black);

    m_material = new CodeChoice(ui->material, investigation->materialOptions());
    m_profile = new CodeChoice(ui->section, investigation->profileOptions());
    m_system = new CodeChoice(ui->system, investigation->systemOptions());
    m_direction = new CodeChoice(ui->direction, investigation->directionOptions());

    // Typing stops where the exchange file stops keeping a text; a longer text read from a file
    // stays whole.
    using H = InspectionHeader;
    const std::pair<QLineEdit *, QString H::*> texts[] = {
        {ui->operator_2, &H::inspector}, {ui->customer, &H::client},  {ui->city, &H::town},
        {ui->street, &H::street},        {ui->intake, &H::startNode}, {ui->escape, &H::endNode},
        {ui->inspectionName, &H::sectionName}, {ui->video, &H::videoReference}};
    const InspectionHeader &h = investigation->mainData();
    for (const auto &text : texts) {
        if (const int length = investigation->headerTextLength(text.second))
            text.first->setMaxLength(qMax(length, (h.*text.second).size()));
    }

    fillChoices();
    loadHeader();
    setFixedSize(size().expandedTo(minimumSizeHint()));
}

Isybau2001MainDialog::~Isybau2001MainDialog()
{
    delete ui;
}

void Isybau2001MainDialog::fillChoices()
{
    m_material->fill();
    m_profile->fill();
    m_system->fill();
    m_direction->fill();
    ui->date->setDate(QDate::currentDate());
}

void Isybau2001MainDialog::loadHeader()
{
    const InspectionHeader h = m_investigation->mainData();
    ui->operator_2->setText(h.inspector);
    ui->customer->setText(h.client);
    ui->city->setText(h.town);
    ui->street->setText(h.street);
    ui->intake->setText(h.startNode);
    ui->escape->setText(h.endNode);
    ui->inspectionName->setText(h.sectionName);
    ui->video->setText(h.videoReference);
    ui->systemEdit->setText(h.sewerKindText);
    ui->materialEdit->setText(h.materialText);
    ui->height->setValue(int(h.height));
    ui->width->setValue(int(h.width));
    if (h.date.isValid())
        ui->date->setDate(h.date);
    // A code the catalogue lacks shows as the first entry (and is kept unless the user chooses).
    m_material->show(h.material, CodeChoice::Missing::FirstItem);
    m_profile->show(h.profile, CodeChoice::Missing::FirstItem);
    m_system->show(h.sewerKind, CodeChoice::Missing::FirstItem);
    m_direction->show(h.direction, CodeChoice::Missing::FirstItem);
}

void Isybau2001MainDialog::storeHeader()
{
    InspectionHeader &h = m_investigation->mutableMainData();
    h.inspector = ui->operator_2->text();
    h.client = ui->customer->text();
    h.town = ui->city->text();
    h.street = ui->street->text();
    h.startNode = ui->intake->text();
    h.endNode = ui->escape->text();
    h.sectionName = ui->inspectionName->text();
    h.videoReference = ui->video->text();
    // The free texts are kept whether or not their option is chosen.
    h.sewerKindText = ui->systemEdit->text();
    h.materialText = ui->materialEdit->text();
    h.material = m_material->code();
    h.profile = m_profile->code();
    h.sewerKind = m_system->code();
    h.direction = m_direction->code();
    h.height = ui->height->value();
    // The first profile is the circular one: one size for both. A profile the catalogue does
    // not know is shown as that one too, but its own width stays.
    if (!ui->width->isHidden())
        h.width = ui->width->value();
    else if (m_investigation->profileOptions().contains(h.profile))
        h.width = h.height;
    h.date = ui->date->date();
}

void Isybau2001MainDialog::on_accept_clicked()
{
    storeHeader();
    accept();
}

void Isybau2001MainDialog::on_section_currentIndexChanged(int index)
{
    const bool circular = index == 0;
    ui->width->setHidden(circular);
    ui->label_10->setHidden(circular);
    ui->label_9->setText(circular ? QStringLiteral("Durchmesser:") : QStringLiteral("Höhe:"));
}

void Isybau2001MainDialog::on_material_currentIndexChanged(int index)
{
    ui->materialEdit->setEnabled(ui->material->itemText(index).startsWith(QLatin1String("son")));
}

void Isybau2001MainDialog::on_system_currentIndexChanged(int index)
{
    ui->systemEdit->setEnabled(ui->system->itemText(index).startsWith(QLatin1String("Sonder")));
}
