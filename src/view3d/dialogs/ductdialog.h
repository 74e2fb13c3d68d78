#pragma once

#include <QDialog>
#include <QString>

class Duct;
class Viewer3D;

namespace Ui {
class DuctDialog;
}

// Edits a manhole in place: every change of a field goes into the manhole at once and the view
// repaints, so the user sees it while typing. Ended in any way but "Übernehmen" (Escape
// included), the manhole gets back every value it had when the dialog opened, shape and width
// as well. Opening the dialog changes nothing, even where a field can not show the value
// exactly.
class DuctDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the manhole nor the viewer is owned.
    DuctDialog(Duct *duct, Viewer3D *viewer, QWidget *parent = nullptr);
    ~DuctDialog() override;

    void done(int result) override;

private slots:
    void on_diameter_valueChanged(double value);
    void on_width_valueChanged(double value);
    void on_depth_valueChanged(double value);
    void on_radioButton_toggled(bool checked);
    void on_radioButton_2_toggled(bool checked);
    void on_plainTextEdit_textChanged();

private:
    // The width field and the caption of the first field for a round or a rectangular manhole.
    void showShape(bool rectangular);
    // Whether a slot may write into the manhole: not while the form is filled.
    bool editing() const { return m_duct && !m_filling; }
    void changed(bool depthChanged);

    Ui::DuctDialog *ui;
    Duct *m_duct;
    Viewer3D *m_viewer;
    bool m_filling = true;

    // The manhole as it was when the dialog opened.
    double m_diameter = 0.0;
    double m_width = 0.0;
    double m_depth = 0.0;
    int m_shape = 0;
    QString m_text;
};
