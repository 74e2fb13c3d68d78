#pragma once

#include "project/burner/disc.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class Burner;

namespace Ui {
class DVDDialog;
}

// Writes a list of folders to a CD or DVD: lists the recorders, measures the image, checks the
// medium in the chosen recorder against it, and runs the burn in a Burner thread while it shows
// the progress. A failure of the recorder list, the image or the medium check is shown to the
// user and closes the dialog; a failed burn is shown and leaves the dialog open, marked as
// failed.
class DVDDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DVDDialog(QWidget *parent = nullptr);
    ~DVDDialog() override;

    // The folders whose contents go to the disc root, and the proposed disc name.
    void setData(const QStringList &paths, const QString &name);

    // What the capacity bar shows for a medium and the size of the image to write, in MB.
    struct CapacityBar
    {
        QString text;
        int value = 0;
        bool startEnabled = false;
    };
    static CapacityBar capacityBar(const Disc::Medium &medium, double neededMB);

public slots:
    int exec() override;
    // Closing (also by Escape or the window) waits while a disc is written: the write cannot be
    // stopped halfway without spoiling the disc.
    void reject() override;
    void updateProgress(long currentAddress, long cnt, long currentTime, long remainingTime,
                        long totalTime);

private slots:
    void init();
    void on_recorderBox_currentIndexChanged(int index);
    void on_reloadRecorder_clicked();
    void on_startBurning_clicked();
    void on_close_clicked();
    void on_reject_clicked();

private:
    double imageSize();
    void checkMedium();
    void reportFailure(const Disc::Failure &failure);

    Ui::DVDDialog *ui;
    QStringList m_paths;
    double m_imageSizeMB = 0; // 0 until measured
    QList<Disc::Recorder> m_recorders;
    int m_recorder = -1; // the recorder chosen in the list
    Burner *m_burner = nullptr; // while a burn runs
    bool m_burning = false;
    bool m_failed = false; // a failure was shown and the dialog is closing
};
