#include "view3d/dialogs/insertinvestdialog.h"
#include "ui_insertinvestdialog.h"

#include "foundation/inputlistdialog.h"
#include "view3d/duct.h"
#include "view3d/inspectionsource.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"

#include <QLayout>

#include <cmath>

namespace {

const double kDegree = 0.017453292519943295;

} // namespace

InsertInvestDialog::InsertInvestDialog(Object3D *object, Viewer3D *viewer, InspectionSource *project, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InsertInvestDialog)
    , m_viewer(viewer)
    , m_project(project)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    // The hint above means nothing to most window systems; the layout keeps the size instead.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->positionWidget->setAngle(0.0);
    connect(ui->positionWidget, &AngleWidget::angleChanged, ui->position, &QDoubleSpinBox::setValue);

    double radius = 0.0;
    if (const auto *duct = qobject_cast<const Duct *>(object)) {
        radius = duct->diameter() / 2.0;
        ui->depth->setMaximum(duct->depth());
        ui->normal->hide();
        ui->up2->hide();
        ui->down2->hide();
    } else if (const auto *point = qobject_cast<const Point *>(object)) {
        radius = point->diameter() / 2.0;
        ui->depth->setEnabled(false);
    }

    m_preview = new Pipeline(radius + 0.5, 0.1);
    orientHorizontally();
    if (object)
        m_preview->setReferenceSystem(object->system());
    if (m_viewer)
        m_viewer->addObject(m_preview);
    redraw();

    ui->file->setEnabled(m_project && !m_project->inspectionNames(false).isEmpty());
}

InsertInvestDialog::~InsertInvestDialog()
{
    removePreview();
    delete ui;
}

ManipulatedSystem3D *InsertInvestDialog::takeFrame()
{
    return m_frame.release();
}

void InsertInvestDialog::redraw()
{
    if (m_viewer)
        m_viewer->renderLater();
}

void InsertInvestDialog::orientHorizontally()
{
    ManipulatedSystem3D *frame = m_preview->system();
    frame->setRotation(Quaternion(Vector3D(1, 0, 0), M_PI / 2.0));
    frame->rotateFree(Quaternion(Vector3D(0, 1, 0), -M_PI / 2.0));
}

// The preview's own constraint (it may not be moved) goes with the preview; the course's frame
// must not point to it.
void InsertInvestDialog::keepFrame()
{
    const ManipulatedSystem3D *source = m_preview->system();
    m_frame = std::make_unique<ManipulatedSystem3D>();
    m_frame->setReferenceSystem(source->referenceSystem());
    m_frame->setTranslation(source->translation());
    m_frame->setRotation(source->rotation());
    m_frame->setRotationSensitivity(source->rotationSensitivity());
    m_frame->setTranslationSensitivity(source->translationSensitivity());
    m_frame->setWheelSensitivity(source->wheelSensitivity());
}

void InsertInvestDialog::removePreview()
{
    if (!m_preview)
        return;
    if (m_viewer)
        m_viewer->removeObject(m_preview);
    delete m_preview;
    m_preview = nullptr;
    redraw();
}

void InsertInvestDialog::done(int result)
{
    removePreview();
    QDialog::done(result);
}

void InsertInvestDialog::on_depth_valueChanged(double value)
{
    if (!m_preview)
        return;
    m_preview->system()->setTranslation(Vector3D(0, 0, -Object3D::toUnits(value)));
    redraw();
}

void InsertInvestDialog::on_position_valueChanged(double value)
{
    if (!m_preview)
        return;
    if (value < 0.0)
        value += 360.0;
    ui->positionWidget->setAngle(value);
    orientHorizontally();
    m_preview->system()->rotateFree(Quaternion(Vector3D(0, 1, 0), value * kDegree));
    redraw();
}

void InsertInvestDialog::on_normal_clicked()
{
    ui->position->setValue(0.0);
    if (!m_preview)
        return;
    orientHorizontally();
    redraw();
}

void InsertInvestDialog::on_up2_clicked()
{
    ui->position->setValue(0.0);
    if (!m_preview)
        return;
    m_preview->system()->setRotation(Quaternion(Vector3D(1, 0, 0), M_PI));
    redraw();
}

void InsertInvestDialog::on_down2_clicked()
{
    ui->position->setValue(0.0);
    if (!m_preview)
        return;
    m_preview->system()->setRotation(Quaternion());
    redraw();
}

void InsertInvestDialog::on_file_clicked()
{
    InputListDialog list(this);
    list.setItems(m_project ? m_project->inspectionNames(false) : QStringList());
    if (list.exec() != QDialog::Accepted)
        return;
    m_inspectionName = list.selectedItem();
    keepFrame();
    done(FromFile);
}

void InsertInvestDialog::on_assistent_clicked()
{
    keepFrame();
    done(FromAssistant);
}

void InsertInvestDialog::on_reject_clicked()
{
    reject();
}
