#pragma once

#include "view3d/connectedinspection.h"

#include <QDialog>
#include <QString>
#include <QTime>

class Viewer3D;

namespace Ui {
class InsertPartDialog;
}

// Places a bend or branch of a pipe course that the course can not place by itself: setPart
// puts an entry for the step into the course, and every change of the position on the pipe
// cross-section or of the angle replaces that entry and rebuilds the course while the 3D view
// shows it. Non-modal; finished(1) for "Übernehmen", finished(0) for "Abbrechen", Escape or
// closing. Neither removes the entry: the caller keeps it or discards the whole course.
class InsertPartDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the course nor the viewer is owned.
    InsertPartDialog(ConnectedInspection *course, Viewer3D *viewer, QWidget *parent = nullptr);
    ~InsertPartDialog() override;

    // The step to place (type a CIEntry::Type; angle and position in degrees, position clamped
    // to -360..360 by its field): adds its entry to the course, rebuilds the course and shows
    // the dialog without blocking. The entry of an earlier step stays in the course. index
    // tells observations of equal code, time and metre apart (CourseStep::index).
    void setPart(double angle, int position, const QString &text, int type, const QString &code,
                 const QTime &timecode, double meter, int index = 0);
    // The entry last put into the course.
    CIEntry currentEntry() const { return m_entry; }

private slots:
    void on_position_valueChanged(double value);
    void on_angle_valueChanged(double value);
    void on_accept_clicked();
    void on_reject_clicked();

private:
    // The step's entry with the position and angle the fields show.
    CIEntry entryFromFields() const;
    void placeEntry();
    void showOnDial(double position);

    Ui::InsertPartDialog *ui;
    ConnectedInspection *m_course;
    Viewer3D *m_viewer;
    int m_type = CIEntry::Elbow;
    QString m_code;
    QTime m_timecode;
    double m_meter = 0.0;
    int m_index = 0;
    // Until the first setPart there is no step whose entry the fields could move.
    bool m_hasPart = false;
    CIEntry m_entry;
};
