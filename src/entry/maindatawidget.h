#pragma once

#include "model/records.h"

#include <QDate>
#include <QWidget>

class CodeChoice;
class Investigation;
class QLineEdit;

namespace Ui {
class MainDataWidget;
}

// The collapsible panel of the main window with the most used header fields of the open
// inspection. Every edit of the user goes straight into the inspection's header and is announced
// by dataChanged(); binding an inspection only shows it. "weitere Daten" opens the full header
// dialog of the inspection's standard.
class MainDataWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MainDataWidget(QWidget *parent = nullptr);
    ~MainDataWidget() override;

    // Shows the inspection (null: none) without writing into it and without dataChanged().
    // The inspection must stay alive while it is bound.
    void setInvestigation(Investigation *investigation);

    // Expanded: the fields in their frame; collapsed: a line.
    void setDataVisible(bool visible);
    // Whether the panel is expanded, also while the panel itself is not on screen.
    bool isDataVisible() const;
    void retranslate();

signals:
    void dataChanged();

private slots:
    void on_upButton_clicked();
    void on_customer_textEdited(const QString &text);
    void on_operator_2_textEdited(const QString &text);
    void on_city_textEdited(const QString &text);
    void on_street_textEdited(const QString &text);
    void on_intake_textEdited(const QString &text);
    void on_escape_textEdited(const QString &text);
    void on_inspectionName_textEdited(const QString &text);
    void on_videoName_textEdited(const QString &text);
    void on_materialEdit_textEdited(const QString &text);
    void on_systemEdit_textEdited(const QString &text);
    void on_height_valueChanged(int value);
    void on_width_valueChanged(int value);
    void on_date_dateChanged(const QDate &date);
    void on_section_currentTextChanged(const QString &text);
    void on_material_currentTextChanged(const QString &text);
    void on_system_currentTextChanged(const QString &text);
    void on_direction_currentTextChanged(const QString &text);
    void on_mainDataButton_clicked();

private:
    // Whether slots may write: an inspection is bound and the panel is not filling itself.
    bool writes() const { return m_investigation && !m_filling; }
    void storeText(QString InspectionHeader::*field, const QString &text);
    // Refills the combo boxes and shows the bound inspection's header (or empty fields).
    void fill();
    void showFields();
    void setHeightLabel();
    // Whether the free texts of material and system apply (ISYBAU 2001 and ATV).
    bool hasFreeTexts() const;
    // The rule shared by the material and the system combo box: enables the free-text edit for
    // a "special" option and keeps the header's free text in step with it.
    void updateFreeText(QLineEdit *edit, bool special, QString InspectionHeader::*freeText);

    Ui::MainDataWidget *ui;
    Investigation *m_investigation = nullptr;
    bool m_filling = false;
    bool m_circular = false;
    CodeChoice *m_profile = nullptr;
    CodeChoice *m_material = nullptr;
    CodeChoice *m_system = nullptr;
    CodeChoice *m_direction = nullptr;
};
