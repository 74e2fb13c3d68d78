#include "view3d/dialogs/ductdialog.h"
#include "ui_ductdialog.h"

#include "view3d/duct.h"
#include "view3d/viewer3d.h"

DuctDialog::DuctDialog(Duct *duct, Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DuctDialog)
    , m_duct(duct)
    , m_viewer(viewer)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    if (m_duct) {
        m_diameter = m_duct->diameter();
        m_width = m_duct->width();
        m_depth = m_duct->depth();
        m_shape = m_duct->shape();
        m_text = m_duct->labelText();

        ui->plainTextEdit->setPlainText(m_text);
        ui->diameter->setValue(m_diameter);
        ui->depth->setValue(m_depth);
        if (m_shape != 0) {
            ui->width->setValue(m_width);
            ui->radioButton_2->setChecked(true);
        }
    }
    showShape(ui->radioButton_2->isChecked());
    m_filling = false;
}

DuctDialog::~DuctDialog()
{
    delete ui;
}

void DuctDialog::showShape(bool rectangular)
{
    ui->widthLabel->setVisible(rectangular);
    ui->width->setVisible(rectangular);
    ui->diaLabel->setText(rectangular ? tr("Länge:") : tr("Durchmesser:"));
}

void DuctDialog::changed(bool depthChanged)
{
    if (!m_viewer)
        return;
    if (depthChanged)
        m_viewer->updateMaxDepth();
    m_viewer->renderLater();
}

void DuctDialog::on_diameter_valueChanged(double value)
{
    if (!editing())
        return;
    m_duct->setDiameter(value);
    changed(false);
}

void DuctDialog::on_width_valueChanged(double value)
{
    if (!editing())
        return;
    m_duct->setWidth(value);
    changed(false);
}

void DuctDialog::on_depth_valueChanged(double value)
{
    if (!editing())
        return;
    m_duct->setDepth(value);
    changed(true);
}

void DuctDialog::on_radioButton_toggled(bool checked)
{
    if (!checked)
        return;
    showShape(false);
    if (!editing())
        return;
    m_duct->setShape(0);
    changed(false);
}

void DuctDialog::on_radioButton_2_toggled(bool checked)
{
    if (!checked)
        return;
    showShape(true);
    if (!editing())
        return;
    m_duct->setShape(1);
    m_duct->setWidth(ui->width->value());
    changed(false);
}

void DuctDialog::on_plainTextEdit_textChanged()
{
    if (!editing())
        return;
    m_duct->setLabelText(ui->plainTextEdit->toPlainText());
    changed(false);
}

void DuctDialog::done(int result)
{
    if (result != Accepted && m_duct) {
        m_duct->setShape(m_shape);
        m_duct->setWidth(m_width);
        m_duct->setDiameter(m_diameter);
        m_duct->setDepth(m_depth);
        m_duct->setLabelText(m_text);
        changed(true);
    }
    QDialog::done(result);
}
