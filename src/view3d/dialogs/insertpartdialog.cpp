#include "view3d/dialogs/insertpartdialog.h"
#include "ui_insertpartdialog.h"

#include "view3d/viewer3d.h"

#include <QSignalBlocker>

#include <cmath>

InsertPartDialog::InsertPartDialog(ConnectedInspection *course, Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InsertPartDialog)
    , m_course(course)
    , m_viewer(viewer)
{
    ui->setupUi(this);
    ui->positionWidget->setAngle(0.0);
    connect(ui->positionWidget, &AngleWidget::angleChanged, ui->position, &QDoubleSpinBox::setValue);
}

InsertPartDialog::~InsertPartDialog()
{
    delete ui;
}

// The dial knows directions 0 to 360 only; a negative one would show no pointer at all.
void InsertPartDialog::showOnDial(double position)
{
    double direction = std::fmod(position, 360.0);
    if (direction < 0.0)
        direction += 360.0;
    ui->positionWidget->setAngle(direction);
}

CIEntry InsertPartDialog::entryFromFields() const
{
    CIEntry entry;
    entry.type = m_type;
    entry.position = ui->position->value();
    entry.angle = ui->angle->value();
    entry.code = m_code;
    entry.timecode = m_timecode;
    entry.meter = m_meter;
    entry.index = m_index;
    return entry;
}

void InsertPartDialog::placeEntry()
{
    m_entry = entryFromFields();
    if (m_course) {
        m_course->addEntry(m_entry);
        m_course->build(0.0);
    }
    if (m_viewer)
        m_viewer->renderLater();
}

void InsertPartDialog::setPart(double angle, int position, const QString &text, int type, const QString &code,
                               const QTime &timecode, double meter, int index)
{
    m_hasPart = true;
    m_index = index;
    m_type = type;
    m_code = code;
    m_timecode = timecode;
    m_meter = meter;
    ui->text->setText(text);
    {
        const QSignalBlocker blockPosition(ui->position);
        const QSignalBlocker blockAngle(ui->angle);
        ui->position->setValue(position);
        ui->angle->setValue(angle);
    }
    showOnDial(ui->position->value());
    placeEntry();
    show();
}

void InsertPartDialog::on_position_valueChanged(double value)
{
    showOnDial(value);
    if (!m_hasPart)
        return;
    if (m_course)
        m_course->removeEntry(m_entry);
    placeEntry();
}

void InsertPartDialog::on_angle_valueChanged(double)
{
    if (!m_hasPart)
        return;
    if (m_course)
        m_course->removeEntry(m_entry);
    placeEntry();
}

void InsertPartDialog::on_accept_clicked()
{
    done(1);
}

void InsertPartDialog::on_reject_clicked()
{
    done(0);
}
