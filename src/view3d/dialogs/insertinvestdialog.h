#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class InspectionSource;
class ManipulatedSystem3D;
class Object3D;
class Pipeline;
class Viewer3D;

namespace Ui {
class InsertInvestDialog;
}

// Places the start of a new pipe course at a manhole or point. While it is open a short preview
// pipe sticks out of the object in the 3D view; the user sets its depth (manholes), its
// direction (points) and its position around the object, then connects an inspection of the
// project ("Datei", result 1) or starts a new one ("Assistent", result 2). Every way out,
// Escape included, takes the preview out of the view and deletes it.
class InsertInvestDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { FromFile = 1, FromAssistant = 2 };

    // Nothing is owned; the project may be null (then "Datei" is disabled).
    InsertInvestDialog(Object3D *object, Viewer3D *viewer, InspectionSource *project, QWidget *parent = nullptr);
    ~InsertInvestDialog() override;

    // The inspection chosen with "Datei"; empty otherwise.
    QString inspectionName() const { return m_inspectionName; }
    // The preview's placement (results 1 and 2) as the new course's own frame: its pose relative
    // to the object's frame, that reference and the mouse sensitivities, with no constraint. The
    // caller takes it over; null for result 0 and once taken.
    ManipulatedSystem3D *takeFrame();
    // The preview pipe while the dialog is open; null afterwards.
    Pipeline *preview() const { return m_preview; }

    void done(int result) override;

private slots:
    void on_position_valueChanged(double value);
    void on_depth_valueChanged(double value);
    void on_reject_clicked();
    void on_file_clicked();
    void on_assistent_clicked();
    void on_normal_clicked();
    void on_up2_clicked();
    void on_down2_clicked();

private:
    // Across the object: the pipe lies in the ground plane, pointing to position 0.
    void orientHorizontally();
    void keepFrame();
    void removePreview();
    void redraw();

    Ui::InsertInvestDialog *ui;
    Pipeline *m_preview = nullptr;
    Viewer3D *m_viewer;
    InspectionSource *m_project;
    QString m_inspectionName;
    std::unique_ptr<ManipulatedSystem3D> m_frame;
};
