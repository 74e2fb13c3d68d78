#pragma once

#include <QDialog>
#include <QString>

class Point;
class Viewer3D;

namespace Ui {
class PointDialog;
}

// Edits a point in place: every change of a field goes into the point at once and the view
// repaints. Ended in any way but "Übernehmen" (Escape included), the point gets back the
// diameter, depth and text it had when the dialog opened. Opening the dialog changes nothing,
// even where a field can not show the value exactly (whole millimetres, depths beyond 100 m).
class PointDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the point nor the viewer is owned.
    PointDialog(Point *point, Viewer3D *viewer, QWidget *parent = nullptr);
    ~PointDialog() override;

    void done(int result) override;

private slots:
    void on_diameter_valueChanged(double value);
    void on_depth_valueChanged(double value);
    void on_plainTextEdit_textChanged();

private:
    // Whether a slot may write into the point: not while the form is filled.
    bool editing() const { return m_point && !m_filling; }
    void changed(bool depthChanged);

    Ui::PointDialog *ui;
    Point *m_point;
    Viewer3D *m_viewer;
    bool m_filling = true;

    // The point as it was when the dialog opened.
    double m_diameter = 0.0;
    double m_depth = 0.0;
    QString m_text;
};
