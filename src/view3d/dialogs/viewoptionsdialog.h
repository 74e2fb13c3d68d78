#pragma once

#include <QDialog>

class Viewer3D;

namespace Ui {
class ViewOptionsDialog;
}

// Chooses how the observation labels of the 3D view are worded ("3D/LabelText") and which label
// style is stored ("3D/LabelStyle"). "Übernehmen" writes both keys and the configuration file;
// the caller rebuilds the labels afterwards. The custom text, the further styles, the font and
// the colours are shown but disabled: nothing reads them yet.
class ViewOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // The viewer is the one whose labels the caller rebuilds; the dialog itself needs nothing of it.
    explicit ViewOptionsDialog(Viewer3D *viewer, QWidget *parent = nullptr);
    ~ViewOptionsDialog() override;

private slots:
    void on_btnAccept_clicked();
    void on_btnReject_clicked();

private:
    // A stored value outside 0..2 leaves the form's own choice (0) checked.
    void loadSettings();
    bool saveSettings();

    Ui::ViewOptionsDialog *ui;
};
