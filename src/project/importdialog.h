#pragma once

#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class Investigation;
class ListWidget;
class Project;
class QLineEdit;
class QListWidgetItem;
class QPushButton;

// Copies inspection folders from another place (a stick, a disc, another project) into the open
// project: the chosen folder's inspection folders are listed with check boxes, and the checked
// ones are copied into the project folder, loaded and added to the project. One the project holds
// already is listed unchecked and never copied; one that cannot be loaded is reported and leaves
// nothing behind.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the import folder: (parent, title, start folder) -> the folder, empty when none.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &title, const QString &start)>;

    ImportDialog(Project *project, QWidget *parent = nullptr);

    // Replaces the folder dialog (tests).
    void setFolderChooser(FolderChooser chooser) { m_chooser = std::move(chooser); }
    // The folder the listed entries lie in.
    QString importFolder() const { return m_importFolder; }

    // The inspection folders directly inside folder: a sub-folder's name, or, for a sub-folder
    // with two videos or more, "name/video" for each video. The project's own folder, and any
    // folder holding it, is never one of them.
    QStringList scanFolder(const QString &folder) const;
    // Loads the inspection of the project's sub-folder folderName and adds it to the project
    // (replacing an inspection of the same file name); null, reported, when the folder holds
    // none.
    Investigation *loadInspection(const QString &folderName);

private slots:
    void on_chooseImport_clicked();
    void on_accept_clicked();
    void on_importList_itemChanged(QListWidgetItem *item);

private:
    void listFolder(const QString &folder);
    void updateAcceptButton();
    bool holdsProjectFolder(const QString &folder) const;
    // Names the one video of the project's sub-folder after it and loads its inspection; false,
    // reported, with the video's name given back, when none could be loaded.
    bool importEntry(const QString &entry);
    // Takes away what a failed import of target brought: the whole folder when it is new, else
    // what is there now beyond the entries (relative to target) it held before.
    void removeImported(const QString &target, bool existed, const QSet<QString> &before);

    QLineEdit *m_pathField = nullptr;
    ListWidget *m_importList = nullptr;
    QPushButton *m_acceptButton = nullptr;
    QString m_importFolder;
    Project *m_project = nullptr;
    FolderChooser m_chooser;
};
