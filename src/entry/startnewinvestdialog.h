#pragma once

#include "view3d/connectedinspection.h"

#include <QDialog>
#include <QList>

class InspectionSource;
class Investigation;
class Viewer3D;
struct ObservationRecord;

namespace Ui {
class StartNewInvestDialog;
}

// Starts a new inspection of a pipe section on a course of the 3D view. Page 0 asks for the
// standard, the name, the nominal width and the sewer system, creates the inspection, adds it
// to the project and attaches it to the course. Page 1 lays out the pipe: its length and, at
// chosen distances, bends, branches and width changes. Each step goes into the inspection's
// observations and, as a placement, into the course, which is rebuilt and redrawn as the user
// works. "Fertigstellen" makes the inspection's folder and writes its file; the dialog is
// accepted only when both worked. Every rejection ("Abbrechen", Escape) takes the inspection
// out of the project and the course again and deletes it, and removes the placements the
// wizard added, so nothing of it stays in memory or on disk.
//
// The course, the project and the viewer (which may be null: no redraw) are not owned and must
// outlive the dialog.
class StartNewInvestDialog : public QDialog
{
    Q_OBJECT

public:
    StartNewInvestDialog(ConnectedInspection *course, InspectionSource *project, Viewer3D *viewer,
                         QWidget *parent = nullptr);
    ~StartNewInvestDialog() override;

    // The catalogue language of a new EN 13508-2 inspection for a user-interface language index.
    static QString catalogueLanguage(int languageIndex);

public slots:
    void reject() override;

private slots:
    void on_accept_clicked();
    void on_reject_clicked();
    void on_meter_valueChanged(double value);
    void on_elbow_clicked();
    void on_branch_clicked();
    void on_nennwidth_clicked();
    void on_position_valueChanged(double value);
    void on_angle_valueChanged(double value);
    void on_ok_clicked();
    void on_back_clicked();

private:
    enum Mode { Idle = 0, BendPending = 1, BranchPending = 2, WidthPending = 3 };

    // Page 0: checks the name, creates the inspection and moves on; false when it stays.
    bool createInspection();
    // Page 1: makes the folder and writes the file; false (reported) when either failed.
    bool writeInspection();
    void setSewerSystem(Investigation *inspection, int row) const;

    // The fixed-column files of ISYBAU 2001 and ATV M-143-2 hold less than the form's fields
    // offer: for them, the fields offer what the file's columns hold.
    void fitRangesToStandard(int row);
    bool isIsybau2001Family() const;
    ObservationRecord endNode(double distance) const;
    ObservationRecord bendRecord() const;
    ObservationRecord branchRecord() const;
    ObservationRecord widthChangeRecord() const;
    // Starts a bend or a branch at the current length; false (with a message) when the course
    // already has one of that code there.
    bool startPart(Mode mode);
    void updatePending();
    // Puts record before the end node, which stays the last observation.
    void insertBeforeEnd(const ObservationRecord &record);
    void setEditing(Mode mode);
    void rebuild();
    void showMessage(const QString &text);

    Ui::StartNewInvestDialog *ui;
    InspectionSource *m_project;
    ConnectedInspection *m_course;
    Viewer3D *m_viewer;
    // The inspection this wizard made; null before page 0 is accepted and after a rejection.
    Investigation *m_inspection = nullptr;
    Mode m_mode = Idle;
    CIEntry m_pending;
    // The form's own maxima of the diameter, the length and the new width.
    double m_formMaxima[3] = {};
    // The course's placements before the wizard, which a rejection restores.
    QList<CIEntry> m_entriesBefore;
};
