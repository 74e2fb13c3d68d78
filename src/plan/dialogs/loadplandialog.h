#pragma once

#include <QDialog>
#include <QSharedPointer>

class FloorPlan;
class QGraphicsPixmapItem;
class QImage;

namespace Ui {
class LoadPlanDialog;
}

// Makes a site plan from an existing drawing: the user loads a picture or the first page of a
// PDF as the base plan, may turn and zoom it, and calibrates its scale by clicking two points
// of known distance and typing that distance. Accepted, the dialog holds the new plan: the
// picture as its one element, at one scene unit per pixel, and the calibrated scale.
class LoadPlanDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoadPlanDialog(QWidget *parent = nullptr);
    ~LoadPlanDialog() override;

    // The plan built on acceptance, with a scene of its own; null before.
    QSharedPointer<FloorPlan> plan() const { return m_plan; }
    // Metres per picture pixel; a magnitude of at most 1e-12 means not calibrated.
    double ratio() const { return m_ratio; }

private slots:
    void on_zoomIn_clicked();
    void on_zoomOut_clicked();
    void on_rotateLeft_clicked();
    void on_rotateRight_clicked();
    void on_addImage_clicked();
    void on_addPdf_clicked();
    void on_measure_clicked();
    void on_accept_clicked();
    void clearMeasurement();

private:
    void rotate(double angle);
    // Replaces the base plan by the picture, centred in the view at one scene unit per pixel.
    void showBasePlan(const QImage &image);
    // Asks for a file of the filter; remembers its folder. Empty when none was chosen.
    QString chooseFile(const QString &caption, const QString &filter);
    void message(const QString &text, int buttons, int timeoutMs);
    void setControlsEnabled(bool enabled);

    Ui::LoadPlanDialog *ui;
    QSharedPointer<FloorPlan> m_plan;
    double m_ratio = 0.0;
    QGraphicsPixmapItem *m_planImage = nullptr;
};
