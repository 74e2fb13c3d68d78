#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QString>

#include <memory>

class ConnectedInspection;
class Investigation;
class Object3D;
class Project;
class Project3D;
class QDialog;
class QTableWidgetItem;
class QTranslator;
class System3D;
class Viewer3D;

namespace Ui {
class MainWindow;
}

// The program's one main window. It owns the open project and its 3D state, builds the two
// command panels and dispatches every panel command through a table of its own member functions.
// The open inspection has one owner: the project it belongs to, or the window for an inspection
// opened from a file; the window reaches it through a pointer that clears itself when the
// inspection goes.
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

    // Asks about what changed, the project first, then the open inspection's edits, and saves
    // what the user wants; false when the user cancelled or a wanted save failed, so the caller
    // keeps everything open. The open inspection's edits declined are dropped.
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
    // The logo view gets its size from the layouts only once the window is shown and after
    // every relayout: the logo is drawn anew for each size the view takes.
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    // Closes the open inspection, then the project; false (everything kept as it was) when the
    // inspection's wanted save failed.
    bool closeProject();
    void closeCommand();
    void closeWindow();
    void showInfo();

    void saveSettings();
    void restoreSettings();
    void updateInspectionList();
    // Lets every course of the 3D project build its observation labels again and repaints.
    void recreateLabels();
    void paintBackground();
    // The current company's logo as the window's background, the program's own picture without one.
    void showFirmLogo();

    // Project commands (mainwindow_projects.cpp) -----------------------------------------------
public:
    // Whether a folder is a project folder of the older layout, without "project.xml": it holds
    // a ".project" order or an XML file named after itself, or only inspection sub-folders
    // (none of them nested or holding a project file) with at least one inspection or video file.
    static bool isOldProjectFolder(const QString &path);

private:
    void registerProjectCommands();
    void importInspections();
    void exportProjects();
    void printProject();
    void manageProjects();
    void toggleDebugLog();
    // Gives every older project folder under the projects root its "project.xml".
    void convertProjects();
    // Exchanges two inspections of the open project, saves it and keeps the moved one selected.
    void moveInspection(int from, int to);
    // Refills the inspection list without reporting its selection changes and selects a row.
    void refillInspectionList(int selectedRow);

private slots:
    void on_investList_cellClicked(int row, int column);
    void on_up_clicked();
    void on_down_clicked();
    void on_sort_clicked();

private:

    // Work on the open inspection (mainwindow_inspection.cpp) ---------------------------------
public:
    Investigation *currentInspection() const;
    // Makes the project's inspection of that file name the open one (none when the project
    // holds no such name) and adjusts the window to it.
    void openInspectionByName(const QString &name);
    // Brings the commands, the observation tab, the header panel and the player in line with
    // the open inspection.
    void adjustUi();
    void updateObservationTable();
    // The titles of the observation table's columns, in the current language.
    void showObservationHeaders();
    // Writes the open inspection; the changed mark is cleared only when the write succeeded.
    bool saveInspection();
    // The standards "Untersuchung starten" offers for a user-interface language.
    static QStringList offeredStandards(int languageIndex);
    // Whether a photo name read from a file may be used as a file of the inspection's folder.
    static bool isPlainFileName(const QString &name);

private:
    void registerInspectionCommands();
    void openInspectionFile();
    // Keys of this group built once, from the texts the panel was given at start-up.
    struct InspectionKeys
    {
        QString projectsSection, open, finalize;
    };
    InspectionKeys inspectionKeys;
    void saveInspectionCommand() { saveInspection(); }
    void closeInspectionCommand() { closeInspection(); }
    // Closes the open inspection, asking first when it was changed; false when a wanted save
    // failed and the inspection stays open.
    bool closeInspection();
    void printInspection();
    void finalizeInspection();
    void startInspection();
    // Reads a project's inspection from its file again, dropping what was edited in memory.
    void discardInspectionEdits();
    void markInspectionChanged();
    // The photo file of the open inspection; empty (with a debug line) for a name that would
    // leave its folder.
    QString photoPath(const QString &name) const;
    void removePhoto(const QString &name);
    void takeSnapshot(const QString &name);

private slots:
    void mainData_changed();
    void photo_requested();
    void on_investList_itemDoubleClicked(QTableWidgetItem *item);
    void on_addInvestigation_clicked();
    void on_editInvestigation_clicked();
    void on_removeInvestigation_clicked();
    void on_tableWidget_cellClicked(int row, int column);
    void on_tableWidget_cellDoubleClicked(int row, int column);

private:

    // The 3D tab (mainwindow_3d.cpp) ----------------------------------------------------------
    void register3DCommands();

    // The keys of the 3D panel beyond those the frame keeps, built once like them.
    struct Keys3D
    {
        QString planSection, createSection, dimensionSection, viewSection;
        QString view2D;
    };
    Keys3D keys3D;

    // While a 3D handler waits for a dialog or a placement: both panels and the video tab are
    // disabled, the view's selection is locked and closing the window is refused. Everything
    // comes back as it was when the lock goes, on every way out of the handler.
    class PanelLock;
    void lockPanels(bool locked);
    struct PanelState
    {
        bool toolFrame = true, tool3DFrame = true, videoTab = true, selectionLocked = false;
    };
    QList<PanelState> panelStates;

    // Shows the dialog without blocking the window and waits for its result.
    int runObjectDialog(QDialog *dialog);
    // A deletion question: only "Ja" deletes, Escape answers "Nein".
    bool confirmDeletion(const QString &text);

    void setShowBit(int bit, bool on);
    void toggleShowFlag(const QString &key, int bit);
    void toggleLabels();
    void toggleReferencePoints();
    void toggleDimensionNotes();
    void toggleProjection();
    void togglePerspective();
    void showViewOptions();
    void alignNorth();
    void toggleTopView();
    // "2D" reads what a click switches to; "Perspektive" only means something in the free view.
    void showViewMode();

    void insertFloorPlan();
    void deleteFloorPlan();
    void createDuct();
    void createPoint();
    void createObject(Object3D *object);
    void createReferencePoint();
    void createDimensionNote();
    void editDimensionNote();
    void deleteDimensionNote();
    void deleteReferencePoint();
    void editObject();
    void deleteObject();
    // Takes the object and the courses hanging from it out of the view and the 3D project.
    void deleteWithCourses(Object3D *object);
    ConnectedInspection *selectedCourse() const;
    void editCourse();
    void deleteCourse();
    void insertInspectionAtObject();
    void insertBranchInspection();
    void insertInspectionAt(Object3D *object, Investigation *inspection, System3D *frame);
    void startInspectionAt(Object3D *object, System3D *frame);
    // Lets the user place every bend and branch of the course that is not placed yet; false
    // when a placement was cancelled.
    bool placeCourse(ConnectedInspection *course);

private slots:
    void selectionChanged(Object3D *obj);
    void viewerNeedsProjectRestart();

private:

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
    // The open inspection, whoever owns it.
    QPointer<Investigation> investigation;
    // The open inspection when it belongs to no project.
    std::unique_ptr<Investigation> fileInspection;
    QString windowTitleBase;
    QTranslator *translator = nullptr;
    bool investigationChanged = false;
    bool projectChanged = false;
    bool project3DChanged = false;
    Keys keys;
};
