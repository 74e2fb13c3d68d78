#pragma once

#include <QDialog>
#include <QStringList>

class Investigation;
class QTableWidget;
class QTableWidgetItem;

namespace Ui {
class NormCatalogDialog;
}

// Lets the user pick an observation code by walking down the catalogue of the inspection's
// standard, one table per level: type and code for the EN-family standards and DanDas; type,
// damage name, condition and position for ISYBAU 2001 and ATV M-143-2. Run with exec(), then
// read selectedCode().
class NormCatalogDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NormCatalogDialog(const Investigation *inspection, QWidget *parent = nullptr);
    ~NormCatalogDialog() override;

    // The code made of the rows chosen; empty while a level it needs has no row chosen.
    QString selectedCode() const;

protected:
    // Escape goes back one level and closes the dialog on the first; other keys that reach the
    // dialog do nothing, so Return never closes it.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_stackedWidget_currentChanged(int index);
    void on_back_clicked();
    void on_next_clicked();
    void on_table_1_itemDoubleClicked(QTableWidgetItem *item);
    void on_table_2_itemDoubleClicked(QTableWidgetItem *item);
    void on_table_3_itemDoubleClicked(QTableWidgetItem *item);
    void on_table_4_itemDoubleClicked(QTableWidgetItem *item);

private:
    bool isAtv() const;
    QTableWidget *table(int page) const;
    // The code (first column) of the row chosen on a page; empty when none is.
    QString chosenCode(int page) const;
    void advance();
    void updateNext();
    void fillPage(int page);
    void fillTable(int page, const QStringList &codes, const QStringList &texts);
    void fillAtvPage(int page);

    Ui::NormCatalogDialog *ui;
    const Investigation *m_inspection;
    int m_lastPage;
};
