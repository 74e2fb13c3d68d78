#pragma once

#include <QDialog>
#include <QList>

class ConnectedInspection;
class Investigation;
class QListWidgetItem;
class Viewer3D;

namespace Ui {
class InvestDialog;
}

// The pipe-run data of the inspection behind a 3D course (name, material, diameter, direction)
// and one checkable row per observation label. A click on a row shows or hides that label at
// once; "Übernehmen" keeps the changes and writes the header, "Abbrechen" (or Escape) gives the
// labels their visibility back and leaves the header alone.
//
// A material or direction the combo box can not show (an unknown or empty code) is written back
// only when the user chose another entry, so merely looking at the dialog never changes them.
class InvestDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the course nor the viewer is owned. A course without an inspection shows an empty
    // form.
    InvestDialog(ConnectedInspection *course, Viewer3D *viewer, QWidget *parent = nullptr);
    ~InvestDialog() override;

    // Whether the 3D project has changed: a label's visibility, the diameter, the material or
    // the direction. The pipe name and the free material text are the inspection's alone.
    bool isModified() const;

public slots:
    // Writes the header back when an inspection is attached; a header that changed also marks
    // the inspection as changed, so it is saved.
    void accept() override;
    void reject() override;

private slots:
    void on_listWidget_itemChanged(QListWidgetItem *item);

private:
    void fillForm();
    void fillLabelRows();

    Ui::InvestDialog *ui;
    Viewer3D *m_viewer;
    ConnectedInspection *m_course;
    Investigation *m_inspection = nullptr;
    // Qt::CheckState of each row when the dialog opened.
    QList<int> m_initialStates;
    bool m_modified = false;
    bool m_filling = true;
    int m_initialMaterial = -1;
    int m_initialDirection = -1;
};
