#pragma once

#include <QDialog>
#include <QPointer>
#include <QSharedPointer>
#include <QSizeF>

class FloorPlan;
class GraphicsScene;
class SelectableItem;

namespace Ui {
class CreatePlanDialog;
}

// Draws a site plan from nothing: walls as lines and rectangles, sanitary symbols, pictures and
// rich texts, each put in the middle of the view and selected, then moved, resized, turned or
// removed. One scene unit is one centimetre (scale 0.01 metres per unit); the size fields show
// metres.
class CreatePlanDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CreatePlanDialog(QWidget *parent = nullptr);
    ~CreatePlanDialog() override;

    // The plan being drawn. Once accepted it has its scene to itself and outlives the dialog
    // with whoever holds it; rejected in any way, it is gone (null).
    QSharedPointer<FloorPlan> plan() const { return m_plan; }

    // Frees the plan, then closes with Rejected: "Abbrechen", Escape and the window's close
    // button all end here.
    void reject() override;

private slots:
    void on_addImage_clicked();
    void on_accept_clicked();
    void on_rotateLeft_clicked();
    void on_rotateRight_clicked();
    void on_zoomIn_clicked();
    void on_zoomOut_clicked();
    void on_remove_clicked();
    void on_addObject_clicked();
    void on_addRect_clicked();
    void on_addLine_clicked();
    void on_addText_clicked();
    void on_cancel_clicked();
    void on_lineThickness_valueChanged(int arg1);
    void on_height_valueChanged(double arg1);
    void on_width_valueChanged(double arg1);
    void on_frame_toggled(bool checked);
    void sceneSelectionChanged(SelectableItem *item);
    void sceneElementSizeChanged(QSizeF size);

private:
    // Adds the element to the plan, centres it in the view and selects it.
    void placeElement(SelectableItem *element);
    // Makes the element (or none) the one selected, as a click on it would, and shows it.
    void select(SelectableItem *element);
    SelectableItem *selectedElement() const;
    void setGroupsVisible(bool frame, bool thickness, bool length, bool width);

    Ui::CreatePlanDialog *ui;
    QSharedPointer<FloorPlan> m_plan;
    QPointer<GraphicsScene> m_scene;
    // A size field is handing its value to the element.
    bool m_applyingSize = false;
};
