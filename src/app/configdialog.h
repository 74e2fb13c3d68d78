#pragma once

#include <QColor>
#include <QDialog>
#include <QVector>

#include <functional>

class QPushButton;

namespace Ui {
class ConfigDialog;
}

// The settings dialog: shows the configuration store and the chosen capture device on four
// pages and, on "Übernehmen", writes every value back and has the store rewrite its file. Nothing
// reaches the stores before that; "Abbrechen" or Escape leaves them as they were.
class ConfigDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConfigDialog(QWidget *parent = nullptr);
    ~ConfigDialog() override;

    // Whether a folder may be written to. Replaceable because a test running as root can write
    // to any folder; an empty function restores the file system's answer. Returns the previous one.
    using WritableCheck = std::function<bool(const QString &folder)>;
    static WritableCheck setWritableCheck(WritableCheck check);

private slots:
    void on_choosePath_clicked();
    void on_fotoLayoutBox_currentIndexChanged(int index);
    void on_class1_clicked();
    void on_class2_clicked();
    void on_class3_clicked();
    void on_class4_clicked();
    void on_class5_clicked();
    void on_accept_clicked();

private:
    void loadValues();
    void storeValues();
    bool checkProjectPath();
    void chooseClassColor(int classIndex);
    QPushButton *classButton(int classIndex) const;
    void setClassButtonColor(QPushButton *button, const QColor &color);

    Ui::ConfigDialog *ui;
    QVector<QColor> m_classColors;
};
