#pragma once

#include <QDialog>

class CodeChoice;
class Investigation;

namespace Ui {
class Isybau2001MainDialog;
}

// Edits the header of an ATV M-143-2 or ISYBAU 2001 inspection: the identifying texts, profile
// and size, material, sewer system and direction from the catalogue's lists, the free material
// and system texts, the date and the video number. Nothing is written until "Übernehmen";
// "Abbrechen" and Escape leave the header as it was. The inspection must outlive the dialog.
class Isybau2001MainDialog : public QDialog
{
    Q_OBJECT

public:
    Isybau2001MainDialog(Investigation *investigation, QWidget *parent = nullptr);
    ~Isybau2001MainDialog() override;

private slots:
    void on_accept_clicked();
    void on_section_currentIndexChanged(int index);
    void on_material_currentIndexChanged(int index);
    void on_system_currentIndexChanged(int index);

private:
    void fillChoices();
    void loadHeader();
    void storeHeader();

    Ui::Isybau2001MainDialog *ui;
    Investigation *m_investigation;
    CodeChoice *m_material = nullptr;
    CodeChoice *m_profile = nullptr;
    CodeChoice *m_system = nullptr;
    CodeChoice *m_direction = nullptr;
};
