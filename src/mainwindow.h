#pragma once

#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <QString>

class Investigation;
class Project;
class Project3D;
class QTranslator;
class Viewer3D;

namespace Ui {
class MainWindow;
}

// The program's one main window. It owns the open project, its 3D state and the open
// inspection, builds the two command panels and dispatches every panel command through a table
// of its own member functions.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What setChanged() and isChanged() address.
    enum ChangeKind { InspectionChange = 0, ProjectChange = 1, Project3DChange = 2 };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Builds the form, the panels and the command table and restores the window state; emits
    // message() at each stage and finishedInit() at the end. Called once, by the start-up.
    void init();

    // Kinds other than those of ChangeKind are ignored.
    void setChanged(int kind, bool value);
    bool isChanged(int kind) const;

    Project *currentProject() const { return project; }
    Project3D *currentProject3D() const { return project3D; }
    Viewer3D *view3D() const { return viewer; }

    // Installs the translation of the configured language in place of the one installed before
    // (German needs none) and puts the form's texts into it.
    void loadTranslation();

    // Brings the commands, the inspection list and the title in line with the open project.
    void adjustProjectUi();
    void updateTitle();

    // One part of the title: whether that thing is open, and its name.
    struct TitlePart
    {
        bool open = false;
        QString name;
    };
    // The window title for the base text and what is open.
    static QString composeTitle(const QString &base, const TitlePart &projectPart, const TitlePart &inspectionPart);

    // Asks whether unsaved changes are to be saved; false when the user cancelled or the save
    // failed, so the caller keeps everything open.
    bool maybeSave();

    // Held by a handler while it waits in a local event loop (a dialog, a placement on the 3D
    // view): closing the window then would delete the project under it, so the close is ignored.
    class BusyScope
    {
    public:
        explicit BusyScope(MainWindow *window) : m_window(window) { ++m_window->m_busy; }
        ~BusyScope() { --m_window->m_busy; }
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        MainWindow *m_window;
    };
    bool isBusy() const { return m_busy > 0; }

signals:
    void message(const QString &text, int alignment, const QColor &color);
    void finishedInit();

public slots:
    // Runs the handler of a panel key; a key without a handler does nothing.
    void toolBox_clicked(const QString &element);

private slots:
    void project3ddata_changed();
    // Back to the first page once the 3D view has its OpenGL context.
    void setTabWidget();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_busy = 0;
    using Command = void (MainWindow::*)();

    // The keys the panels emit, built once from the texts the panels were given, so that a
    // later change of the language does not part the availability updates from the panels.
    struct Keys
    {
        QString projectOpen, projectNew, projectClose, projectSave, projectImport;
        QString inspectionSave, inspectionClose, inspectionPrint, inspectionStart;
        QString extrasInfo, close;
        QString viewLabel, viewReferencePoints, viewDimensions, view2DProjection, viewPerspective;
        QString reference, objectSection, courseSection, branchSection;
        QString northAngle;
    };

    // The key a panel emits for an item of a section.
    static QString commandKey(const QString &section, const QString &item);

    void showMessage(const QString &text);
    void buildToolBox();
    void buildTool3DBox();
    void build3DView();
    void emptyView();

    void openProject();
    void newProject();
    void saveProject();
    void loadProject3D();
    void closeProject();
    void closeCommand();
    void closeWindow();
    void showInfo();

    void saveSettings();
    void restoreSettings();
    void updateInspectionList();
    // Lets every course of the 3D project build its observation labels again and repaints.
    void recreateLabels();
    void paintBackground();

    // Project commands (mainwindow_projects.cpp) -----------------------------------------------
    void registerProjectCommands();

    // Work on the open inspection (mainwindow_inspection.cpp) ---------------------------------
    void registerInspectionCommands();

    // The 3D tab (mainwindow_3d.cpp) ----------------------------------------------------------
    void register3DCommands();

    // Settings and company data (mainwindow_extras.cpp) -----------------------------------------
    void registerExtrasCommands();
    void showSettings();
    void showFirmData();
    struct ExtrasKeys
    {
        QString settings, firmData;
    };
    ExtrasKeys extrasKeys;

    // State ------------------------------------------------------------------------------------
    Ui::MainWindow *ui;
    Viewer3D *viewer = nullptr;
    QMap<QString, Command> commands;
    QImage logo;
    Project *project = nullptr;
    Project3D *project3D = nullptr;
    Investigation *investigation = nullptr;
    QString windowTitleBase;
    QTranslator *translator = nullptr;
    bool investigationChanged = false;
    bool projectChanged = false;
    bool project3DChanged = false;
    Keys keys;
};
