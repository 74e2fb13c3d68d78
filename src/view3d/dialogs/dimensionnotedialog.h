#pragma once

#include <QDialog>

class DimensionNote;
class Viewer3D;

namespace Ui {
class DimensionNoteDialog;
}

// Replaces the size a dimension note shows, for example by a rounded or nominal value. The note
// changes only when the user accepts; any text is taken as it stands, the empty one included.
class DimensionNoteDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the note nor the viewer is owned.
    DimensionNoteDialog(DimensionNote *note, Viewer3D *viewer, QWidget *parent = nullptr);
    ~DimensionNoteDialog() override;

private slots:
    void on_accept_clicked();
    void on_reject_clicked();

private:
    Ui::DimensionNoteDialog *ui;
    DimensionNote *m_note;
    Viewer3D *m_viewer;
};
