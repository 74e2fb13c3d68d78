#pragma once

#include "model/records.h"

#include <QDialog>

class Investigation;
class Isybau2001;
class QTime;

namespace Ui {
class Isybau2001DamageDialog;
}

// Records a new observation, or edits one, for ISYBAU 2001 and ATV M-143-2 inspections. The code
// (at most four characters) is typed with completion or picked in the catalogue browser; its
// catalogue entry decides which fields open: one or two numbers with their units, a list of
// coded values, the clock, damage class and continuous defect. The description and the clock
// diagram follow every edit. Fill it with setTime, setDamage or setPhoto, run it with exec() and
// read damage() when it was accepted.
class Isybau2001DamageDialog : public QDialog
{
    Q_OBJECT

public:
    // The inspection is not owned and must outlive the dialog. An inspection of another class
    // has no code to offer: nothing can be typed or picked, a record handed in stays as it is.
    explicit Isybau2001DamageDialog(Investigation *inspection, QWidget *parent = nullptr);
    ~Isybau2001DamageDialog() override;

    // The video time of the observation; nothing on the form changes.
    void setTime(const QTime &time);
    // Edits an existing observation. A code the catalogue knows resets what that code cannot
    // carry; any other code keeps every field of the record, and fields the user leaves alone
    // keep the record's values, also those the form cannot show.
    void setDamage(const ObservationRecord &record);
    // Starts a photo observation ("FOTO") at the video time; its code cannot be changed.
    void setPhoto(const QTime &time);
    ObservationRecord damage() const { return m_record; }

protected:
    // Escape rejects, F1 opens the catalogue browser; every other key that reaches the dialog is
    // dropped, so Return never closes it.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_code_textChanged(const QString &text);
    void on_norm_clicked();
    void on_accept_clicked();
    void on_meter_valueChanged(double value);
    void on_num1_valueChanged(double value);
    void on_num2_valueChanged(double value);
    void on_snum1_currentIndexChanged(int index);
    void on_posClock1_valueChanged(int value);
    void on_posClock2_valueChanged(int value);
    void on_commentary_textChanged();
    void on_damageClass_currentIndexChanged(int index);
    void on_sectionDamage_currentIndexChanged(int index);
    void on_sectionDamageNumber_currentIndexChanged(int index);
    void on_foto_toggled(bool checked);

private:
    // Whether the catalogue has the code (complete) or a code beginning with it.
    bool isListed(const QString &code, bool complete) const;
    // Opens the form for the record's code: by its catalogue entry, or for a code the catalogue
    // does not know, only what needs no entry.
    void openForCode();
    void updateFromCatalog();
    void openForUnknownCode();
    // The state of an incomplete code: only the code can be edited.
    void lockForm();
    // Puts the code into its field without running the code entry.
    void showCode();
    // The record's values into the form, the code excepted.
    void showValues();
    void showText();
    void showClock();

    Ui::Isybau2001DamageDialog *ui;
    Investigation *m_inspection;
    // The inspection's catalogue; null for an inspection of another class.
    const Isybau2001 *m_catalogue;
    ObservationRecord m_record;
    // The record handed in; only its photo name is read back.
    ObservationRecord m_incoming;
    // Cleared while the form is filled from the record, so that filling writes nothing back.
    bool m_ready = true;
};
