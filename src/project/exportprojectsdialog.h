#pragma once

#include <QDialog>
#include <QDir>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class Project;
class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

// Picks projects under the projects root and copies them, with the viewer package, into a folder
// (a stick) or stages them for a disc. The viewer package (the viewer's files shipped beside the
// program, the company's logo as icon and the two configuration files) is assembled in a staging
// folder of the data directory right after the dialog shows.
class ExportProjectsDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the target folder: (parent, title, start folder) -> the folder, empty when none.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &title, const QString &start)>;
    // Writes the contents of the folders to a disc of that name.
    using DiscWriter = std::function<void(const QStringList &folders, const QString &name, QWidget *parent)>;

    // A given project is selected at once.
    explicit ExportProjectsDialog(Project *project = nullptr, QWidget *parent = nullptr);
    ~ExportProjectsDialog() override;

    void setFolderChooser(FolderChooser chooser) { m_chooser = std::move(chooser); }
    void setDiscWriter(DiscWriter writer) { m_discWriter = std::move(writer); }
    // The folder whose "data" sub-folder holds the viewer's files; the program's folder unless set.
    void setApplicationDirectory(const QString &folder) { m_appDir = folder; }

    QString viewerStaging() const;
    QString exportStaging() const;
    double viewerSizeMB() const { return m_viewerSize; }
    // Project name -> its folder relative to the projects root.
    QMap<QString, QString> selection() const { return m_selection; }

    // (source relative to the program's folder, target relative to the viewer staging) for every
    // file or folder ("/" at the end) of the viewer package.
    QList<QPair<QString, QString>> viewerFileList() const;

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void finishedLoading();

public slots:
    void createViewerData();

private slots:
    void on_listWidget_itemDoubleClicked(QListWidgetItem *item);
    void on_viewer_toggled(bool checked);
    void on_usb_clicked();
    void on_accept_clicked();

private:
    void fillProjectList();
    void updateExportList();
    QString relativeFolder(const QString &absolute) const;
    bool copyViewerTo(const QString &target, bool withoutAutorun, QProgressBar *bar, QStringList &failed);
    bool enoughSpace(const QString &folder, const QString &text);
    void reportFailures(const QStringList &failed);

    QDir m_currentDir;
    QMap<QString, QString> m_selection;
    double m_viewerSize = 0.0;
    QString m_appDir;

    QGroupBox *m_projectBox = nullptr;
    QListWidget *m_list = nullptr;
    QListWidget *m_exportList = nullptr;
    QCheckBox *m_viewer = nullptr;
    QDoubleSpinBox *m_size = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_usb = nullptr;

    FolderChooser m_chooser;
    DiscWriter m_discWriter;
};
