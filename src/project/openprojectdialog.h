#pragma once

#include <QDialog>
#include <QDir>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Investigation;
class Project;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class ToolBox;

// The project browser: walks the folders under the projects root, creates folders and projects,
// opens a project, and manages a project and its inspections (print, export, import, delete,
// rename, reorder, sort, bulk header edit, conversion between the two older formats).
//
// Mode 0 opens a project, mode 1 creates one, mode 2 manages projects.
class OpenProjectDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for a name: (parent, title, folder mode, names taken, start text) -> the name, empty
    // when the user cancelled.
    using NameAsker = std::function<QString(QWidget *parent, const QString &title, bool folderMode,
                                            const QStringList &taken, const QString &start)>;
    // Removes a folder tree that lies strictly inside within; true when the folder is gone.
    using FolderRemover = std::function<bool(const QString &folder, const QString &within)>;
    // Opens the print dialog on a project, modally.
    using PrintOpener = std::function<void(Project *project, QWidget *parent)>;

    explicit OpenProjectDialog(int mode, QWidget *parent = nullptr);
    ~OpenProjectDialog() override;

    // "<shown folder>/<chosen name>/project.xml", empty when no project is chosen. Read it after
    // the dialog was accepted.
    QString projectFile() const;

    // Without an opener the "Drucken" button is hidden.
    void setPrintOpener(PrintOpener opener);
    void setNameAsker(NameAsker asker) { m_askName = std::move(asker); }
    void setFolderRemover(FolderRemover remover) { m_removeFolder = std::move(remover); }

    // The folder shown on the browsing page.
    QDir currentDir() const { return m_currentDir; }
    // The project being edited, null on the browsing page.
    Project *project() const { return m_project.get(); }

    // The order of the sort entries "nach Videonummer": numbers as numbers, before other texts.
    static bool lessByVideoNumber(const QString &a, const QString &b);

public slots:
    void toolBox_clicked(const QString &key);

private slots:
    void on_listWidget_itemDoubleClicked(QListWidgetItem *item);
    void on_accept_clicked();
    void on_edit_clicked();
    void on_up_clicked();
    void on_down_clicked();
    void on_sort_clicked();
    void on_change_clicked();
    void on_lineEdit_textEdited(const QString &text);

private:
    using Command = void (OpenProjectDialog::*)();

    void buildForm();
    void buildToolBox();
    void fillList();
    void fillTable();
    void showProject(const QString &name);
    QString chosenProjectName() const;
    QStringList folderNames() const;
    Investigation *selectedInspection() const;
    void selectRow(int row);
    int message(const QString &text, int buttons = 1, int timeoutMs = -1);

    void printProject();
    void exportProjects();
    void importInspections();
    void deleteProject();
    void renameProject();
    void convertInspection();
    void deleteInspection();
    void renameInspection();
    void back();

    int m_mode = 0;
    QDir m_currentDir;
    std::unique_ptr<Project> m_project;
    QMap<QString, Command> m_commands;

    QStackedWidget *m_stack = nullptr;
    QLabel *m_heading = nullptr;
    QListWidget *m_list = nullptr;
    QGroupBox *m_newProjectBox = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_acceptButton = nullptr;
    QPushButton *m_rejectButton = nullptr;
    QLabel *m_projectName = nullptr;
    QComboBox *m_changeSelection = nullptr;
    QLineEdit *m_changeText = nullptr;
    QTableWidget *m_table = nullptr;
    ToolBox *m_toolBox = nullptr;

    NameAsker m_askName;
    FolderRemover m_removeFolder;
    PrintOpener m_print;
};
