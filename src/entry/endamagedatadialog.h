#pragma once

#include "model/records.h"

#include <QDialog>

class DanDas;
class EN135082Structur;
class Investigation;
class QTime;

namespace Ui {
class ENDamageDataDialog;
}

// Records a new observation, or edits one, for inspections of the EN-family standards
// (EN 13508-2, DWA-M 149-2, ISYBAU 2006) and DanDas. The code is typed (with completion) or picked
// in the catalogue browser; the code's catalogue entry decides which fields open. The description
// and the clock diagram follow every edit. Fill it with setTime, setDamage or setPhoto, run it
// with exec() and read damage() when it was accepted.
class ENDamageDataDialog : public QDialog
{
    Q_OBJECT

public:
    // The inspection is not owned and must outlive the dialog.
    explicit ENDamageDataDialog(Investigation *inspection, QWidget *parent = nullptr);
    ~ENDamageDataDialog() override;

    // The video time of the observation; nothing on the form changes.
    void setTime(const QTime &time);
    // Edits an existing observation. Fields the user leaves alone keep the record's values, also
    // those the form cannot show (an unknown code, values beyond a field's range).
    void setDamage(const ObservationRecord &record);
    // Starts a photo observation ("BDA") at the video time; its code cannot be changed.
    void setPhoto(const QTime &time);
    ObservationRecord damage() const { return m_record; }

protected:
    // Escape rejects, F1 opens the catalogue browser; every other key that reaches the dialog is
    // dropped, so Return never closes it.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_accept_clicked();
    void on_catalog_clicked();
    void on_code_textChanged(const QString &text);
    void on_character1_currentIndexChanged(int index);
    void on_character2_currentIndexChanged(int index);
    void on_quanti1_valueChanged(double value);
    void on_quanti2_valueChanged(double value);
    void on_quanti1_edit_textEdited(const QString &text);
    void on_quanti2_edit_textEdited(const QString &text);
    void on_meterEdit_valueChanged(double value);
    void on_posClock1_valueChanged(int value);
    void on_posClock2_valueChanged(int value);
    void on_commentary_textChanged();
    void on_damage_class_2_currentIndexChanged(int index);
    void on_sectionDamage_currentIndexChanged(int index);
    void on_sectionDamageNumber_valueChanged(int value);
    void on_connectionBox_toggled(bool checked);
    void on_foto_toggled(bool checked);

private:
    void loadDamage();
    // Opens or locks the form for the code in the record.
    void codeEntered();
    void updateFromCatalog();
    void updateFromEnCatalog();
    void updateFromDanDasCatalog();
    void updateCharacter2();
    void updateQuantityAndPosition();
    // Sets the quantity fields' ranges to what the standard's file holds.
    void limitQuantities();
    void takePhotoName();
    void showText();
    void showClock();

    Ui::ENDamageDataDialog *ui;
    Investigation *m_inspection;
    const EN135082Structur *m_en = nullptr;
    const DanDas *m_dandas = nullptr;
    ObservationRecord m_record;
    // The record handed in; only its photo name is read back.
    ObservationRecord m_incoming;
    // The code's index within its catalogue type; -1 until the catalogue knows the code.
    int m_subtype = -1;
    // Cleared while the form is filled from the record, so that filling writes nothing back.
    bool m_ready = true;
};
