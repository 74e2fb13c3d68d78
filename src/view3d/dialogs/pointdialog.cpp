#include "view3d/dialogs/pointdialog.h"
#include "ui_pointdialog.h"

#include "view3d/point.h"
#include "view3d/viewer3d.h"

PointDialog::PointDialog(Point *point, Viewer3D *viewer, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::PointDialog)
    , m_point(point)
    , m_viewer(viewer)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    if (m_point) {
        m_diameter = m_point->diameter();
        m_depth = m_point->depth();
        m_text = m_point->labelText();
        ui->plainTextEdit->setPlainText(m_text);
        ui->diameter->setValue(m_diameter * 1000.0);
        ui->depth->setValue(m_depth);
    }
    m_filling = false;
}

PointDialog::~PointDialog()
{
    delete ui;
}

void PointDialog::changed(bool depthChanged)
{
    if (!m_viewer)
        return;
    if (depthChanged)
        m_viewer->updateMaxDepth();
    m_viewer->renderLater();
}

void PointDialog::on_diameter_valueChanged(double value)
{
    if (!editing())
        return;
    m_point->setDiameter(value / 1000.0);
    // Half the diameter reaches below the point's depth.
    changed(true);
}

void PointDialog::on_depth_valueChanged(double value)
{
    if (!editing())
        return;
    m_point->setDepth(value);
    changed(true);
}

void PointDialog::on_plainTextEdit_textChanged()
{
    if (!editing())
        return;
    m_point->setLabelText(ui->plainTextEdit->toPlainText());
    changed(false);
}

void PointDialog::done(int result)
{
    if (result != Accepted && m_point) {
        m_point->setDiameter(m_diameter);
        m_point->setDepth(m_depth);
        m_point->setLabelText(m_text);
        changed(true);
    }
    QDialog::done(result);
}
