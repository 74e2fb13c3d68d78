#include "plan/dialogs/createplandialog.h"
#include "ui_createplandialog.h"

#include "foundation/inputlistdialog.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/planxml.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"

#include <QFileDialog>
#include <QImageReader>
#include <QMap>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

// A drawn plan counts in centimetres; the size fields show metres.
constexpr double UnitsPerMetre = 100.0;

// The picture of the file, or an empty one when it cannot be read or is too large for the plan
// file to hold it again.
QImage readImage(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PlanXml::MaxImagePixels)
        return QImage();
    return reader.read();
}

} // namespace

CreatePlanDialog::CreatePlanDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CreatePlanDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowState(Qt::WindowMaximized);
    m_scene = ui->graphicsView->graphicsScene();
    m_plan.reset(new FloorPlan(m_scene));
    m_plan->setRatio(1.0 / UnitsPerMetre);
    connect(m_scene, &GraphicsScene::selectionChanged, this, &CreatePlanDialog::sceneSelectionChanged);
    connect(m_scene, &GraphicsScene::elementSizeChanged, this, &CreatePlanDialog::sceneElementSizeChanged);
    setGroupsVisible(false, false, false, false);
}

CreatePlanDialog::~CreatePlanDialog()
{
    delete ui;
}

void CreatePlanDialog::setGroupsVisible(bool frame, bool thickness, bool length, bool width)
{
    ui->frameWidget->setVisible(frame);
    ui->thicknessWidget->setVisible(thickness);
    ui->lengthWidget->setVisible(length);
    ui->widthWidget->setVisible(width);
}

SelectableItem *CreatePlanDialog::selectedElement() const
{
    return m_scene ? m_scene->selectedElement() : nullptr;
}

void CreatePlanDialog::select(SelectableItem *element)
{
    if (!m_scene)
        return;
    // One element is selected at a time, as when the user clicks one.
    SelectableItem *previous = m_scene->selectedElement();
    if (previous && previous != element)
        previous->setSelected(false);
    if (element)
        element->setSelected(true);
    m_scene->setSelectedElement(element);
    emit m_scene->selectionChanged(element);
    m_scene->update();
}

void CreatePlanDialog::placeElement(SelectableItem *element)
{
    m_plan->addElement(element);
    const GraphicsView *view = ui->graphicsView;
    const QPointF centre = view->mapToScene(QPoint(view->width() / 2, view->height() / 2));
    const QRectF bounds = element->boundingRect();
    element->setPos(centre.x() - bounds.width() * 0.5, centre.y() - bounds.height() * 0.5);
    select(element);
}

void CreatePlanDialog::on_addImage_clicked()
{
    const QString name = QFileDialog::getOpenFileName(this, tr("Bild laden"), QString(),
                                                      tr("Bilder (%1)").arg(QStringLiteral("*.jpg *.png")));
    if (name.isEmpty())
        return;
    placeElement(new SelectablePixmapItem(readImage(name)));
}

void CreatePlanDialog::on_accept_clicked()
{
    select(nullptr);
    // The scene goes with the plan: out of the view and out of the view's ownership.
    if (m_scene) {
        ui->graphicsView->setScene(nullptr);
        m_scene->setParent(nullptr);
        m_plan->adoptScene();
    }
    accept();
}

void CreatePlanDialog::on_rotateLeft_clicked()
{
    if (SelectableItem *element = selectedElement()) {
        element->rotate(-90.0);
        m_scene->update();
    }
}

void CreatePlanDialog::on_rotateRight_clicked()
{
    if (SelectableItem *element = selectedElement()) {
        element->rotate(90.0);
        m_scene->update();
    }
}

void CreatePlanDialog::on_zoomIn_clicked()
{
    ui->graphicsView->scale(GraphicsView::ZoomFactor, GraphicsView::ZoomFactor);
}

void CreatePlanDialog::on_zoomOut_clicked()
{
    ui->graphicsView->scale(1.0 / GraphicsView::ZoomFactor, 1.0 / GraphicsView::ZoomFactor);
}

void CreatePlanDialog::on_remove_clicked()
{
    SelectableItem *element = selectedElement();
    if (!element)
        return;
    m_plan->removeElement(element);
    delete element;
    select(nullptr);
}

void CreatePlanDialog::on_addObject_clicked()
{
    QMap<QString, QString> symbols;
    symbols.insert(tr("WC"), QStringLiteral(":/images/toilette.png"));
    symbols.insert(tr("Waschbecken"), QStringLiteral(":/images/basin.png"));
    symbols.insert(tr("Dusche"), QStringLiteral(":/images/shower.png"));
    symbols.insert(tr("Badewanne"), QStringLiteral(":/images/bath.png"));
    symbols.insert(tr("Urinal"), QStringLiteral(":/images/urinal.png"));

    InputListDialog list(this);
    list.setWindowTitle(tr("neues Objekt einfügen"));
    list.setItems(symbols.keys());
    if (list.exec() == 0)
        return;
    placeElement(new SelectablePixmapItem(QImage(symbols.value(list.selectedItem()))));
}

void CreatePlanDialog::on_addRect_clicked()
{
    auto *box = new SelectableBoxItem;
    box->setThickness(30.0);
    box->setInnerSize(QSizeF(1000, 1000));
    box->setDrawBox(0);
    box->setShowBox(0);
    placeElement(box);
}

void CreatePlanDialog::on_addLine_clicked()
{
    auto *line = new SelectableLineItem(QPointF(200.0, 0.0));
    line->setThickness(20.0);
    placeElement(line);
}

void CreatePlanDialog::on_addText_clicked()
{
    placeElement(new SelectableTextItem(QStringLiteral("TEXT")));
}

void CreatePlanDialog::on_cancel_clicked()
{
    reject();
}

void CreatePlanDialog::reject()
{
    m_plan.reset();
    QDialog::reject();
}

void CreatePlanDialog::on_lineThickness_valueChanged(int arg1)
{
    if (SelectableItem *element = selectedElement()) {
        element->setThickness(double(arg1));
        element->update();
    }
}

// The fields pass each value while it is typed. The element's report of its new size is not
// shown back in the field being typed in: that would reformat "2" to "2.00" under the cursor,
// and the next keys would make 2.5 into 25.
void CreatePlanDialog::on_height_valueChanged(double arg1)
{
    if (auto *box = qobject_cast<SelectableBoxItem *>(selectedElement())) {
        const QScopedValueRollback<bool> applying(m_applyingSize, true);
        box->setHeight(arg1 * UnitsPerMetre);
    }
}

void CreatePlanDialog::on_width_valueChanged(double arg1)
{
    const QScopedValueRollback<bool> applying(m_applyingSize, true);
    SelectableItem *element = selectedElement();
    if (auto *box = qobject_cast<SelectableBoxItem *>(element))
        box->setWidth(arg1 * UnitsPerMetre);
    else if (auto *line = qobject_cast<SelectableLineItem *>(element))
        line->setLength(arg1 * UnitsPerMetre);
}

void CreatePlanDialog::on_frame_toggled(bool checked)
{
    if (auto *box = qobject_cast<SelectableBoxItem *>(selectedElement())) {
        const int style = checked ? 0 : 1;
        box->setShowBox(style);
        box->setDrawBox(style);
        box->update();
    }
}

void CreatePlanDialog::sceneSelectionChanged(SelectableItem *item)
{
    if (!item) {
        setGroupsVisible(false, false, false, false);
        return;
    }
    // Pictures and texts are boxes too, so they are asked for first.
    if (qobject_cast<SelectablePixmapItem *>(item) || qobject_cast<SelectableTextItem *>(item))
        setGroupsVisible(true, false, true, true);
    else if (qobject_cast<SelectableBoxItem *>(item))
        setGroupsVisible(false, true, true, true);
    else if (qobject_cast<SelectableLineItem *>(item))
        setGroupsVisible(false, true, true, false);

    ui->lineThickness->setValue(int(item->thickness()));
    sceneElementSizeChanged(item->size());
    if (auto *box = qobject_cast<SelectableBoxItem *>(item))
        ui->frame->setChecked(box->showBox() == 0);
}

void CreatePlanDialog::sceneElementSizeChanged(QSizeF size)
{
    if (m_applyingSize)
        return;
    const QSignalBlocker blockWidth(ui->width);
    const QSignalBlocker blockHeight(ui->height);
    ui->width->setValue(size.width() / UnitsPerMetre);
    ui->height->setValue(size.height() > 0 ? size.height() / UnitsPerMetre : 0.0);
}
