#pragma once

#include "model/records.h"

#include <QDialog>
#include <QVector>

class CodeChoice;
class Investigation;
class QLabel;
class QLineEdit;
class QWidget;

namespace Ui {
class ENMainDataDialog;
}

// "Grundlagendaten": edits the header of an EN 13508-2, DWA-M 149-2, ISYBAU 2006, DanDas or
// free-text inspection in one form, adapted to the standard by hiding and relabelling fields.
// Nothing is written until "Übernehmen", which writes every field (hidden ones too) into the
// inspection's header; "Abbrechen" and Escape leave the header as it was. The inspection must
// outlive the dialog.
class ENMainDataDialog : public QDialog
{
    Q_OBJECT

public:
    ENMainDataDialog(Investigation *investigation, QWidget *parent = nullptr);
    ~ENMainDataDialog() override;

private slots:
    void on_section_currentIndexChanged(int index);
    void on_lining_currentIndexChanged(int index);
    void on_accept_clicked();

private:
    struct TextField
    {
        QLineEdit *edit;
        QString InspectionHeader::*field;
    };
    struct CodeField
    {
        CodeChoice *choice;
        QString InspectionHeader::*field;
    };

    void fillChoices();
    void adaptToStandard();
    void loadHeader();
    void storeHeader();
    // Hides a field with its label (or leaves the label, which then stands beside something else).
    void hideField(QWidget *field, QLabel *label);

    Ui::ENMainDataDialog *ui;
    Investigation *m_investigation;
    QVector<TextField> m_textFields;
    QVector<CodeField> m_codeFields;
    CodeChoice *m_profile = nullptr;
    CodeChoice *m_videoMedium = nullptr;
};
