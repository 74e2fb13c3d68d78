#pragma once

#include "reports/printer.h"
#include "foundation/records/printpage.h"
#include "foundation/records/reportrecords.h"

#include <QDialog>
#include <QDir>
#include <QPicture>
#include <QPointF>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class GraphicsScene;
class Investigation;
class ListWidget;
class ProgressDialog;
class Project;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGraphicsPixmapItem;
class QGraphicsView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMouseEvent;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class Viewer3D;

// The report window: the user picks a project (or is given one, or one inspection), ticks the
// inspections and the sections to print, builds a preview of every report page, pages and zooms
// through it, and prints it or writes it into a PDF file. With a 3D project it also lays out the
// pipe-network plan page, whose 3D view can be panned by dragging the plan in the preview.
//
// The choices live in the user settings; the plan's title and commentary belong to the project.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    // Lets the user set up the printer; true when printing should go ahead. The page range the
    // user chose is read from the printer afterwards (from-page 0: the whole document).
    using PrintSetup = std::function<bool(QPrinter *printer, QWidget *parent)>;
    // Asks for the PDF file to write: (parent, title, start folder, filter) -> path, empty when
    // the user cancelled.
    using SaveFileChooser =
        std::function<QString(QWidget *parent, const QString &title, const QString &folder, const QString &filter)>;

    // The gap between the preview's pages and above the first one: 5 mm in page pixels.
    static constexpr double PageGap = 793.0 / 210.0 * 5;
    // The id of the plan page's image element.
    static const QString PlanElementId;

    explicit PrintDialog(QWidget *parent = nullptr);
    ~PrintDialog() override;

    // Prints this project (not owned) instead of one chosen in the browser.
    void setProject(Project *project);
    // Prints this one inspection (not owned).
    void setInvestigation(Investigation *inspection);
    void setViewer3D(Viewer3D *viewer);

    void setPrintSetup(PrintSetup setup) { m_printSetup = std::move(setup); }
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseFile = std::move(chooser); }

    Project *project() const { return m_project; }
    const QVector<PrintPage> &pages() const { return m_pages; }
    int tocPageCount() const { return m_tocPageCount; }
    // The page that shows number 1 (pages before it carry none); 0 when no page is numbered.
    int firstNumberedPage() const;

    // A printer for the preview's page format: A4 portrait for reports, the plan's paper and
    // orientation for a plan page. The caller owns it.
    QPrinter *createPrinter() const;
    // Paints the pages from (inclusive) to to (exclusive), one printer page each, numbered as
    // chosen. A range outside the pages is cut to them. False when the printer or file could not
    // be opened; the caller reports it.
    bool print(QPrinter *printer, int from, int to);

public slots:
    void on_create_clicked();
    void on_print_clicked();
    void on_pdf_clicked();
    void on_zoomOut_clicked();
    void on_zoomIn_clicked();
    void on_spinBox_valueChanged(int page);
    void on_investigations_itemChanged(QListWidgetItem *item);
    void on_toc_toggled(bool on);
    void on_insp_toggled(bool on);
    void on_foto_toggled(bool on);
    void scrollBarValueChanged(int value);
    void on_plan3D_clicked();
    void on_projects_itemDoubleClicked(QListWidgetItem *item);
    // Presses and moves in the preview, in scene coordinates: a drag over the plan image pans
    // the 3D view under it.
    void sceneMouseClicked(QMouseEvent *event);
    void sceneMouseMoved(QMouseEvent *event);
    void on_close_clicked();

private:
    void buildForm();
    void loadSettings();
    void saveSettings() const;
    void storePlanTexts();

    void fillProjectBrowser();
    void fillInspectionList();
    void fillPlanFields();
    void updateCreateButton();
    void sectionToggled(bool on, QCheckBox *other1, QCheckBox *other2);
    QStringList tickedInspections() const;

    void runJobs(const QVector<PrintJob> &jobs);
    void numberPages();
    void applyApproximateNote();
    void showPages();
    QGraphicsPixmapItem *findSceneItem(const QString &id) const;

    PlanSettings planSettings() const;
    // The plan image at the size of its element, rounded up to whole pixels.
    QSize planImageSize() const;
    void renderPlanForPrint();

    // False when the printer or file could not be opened.
    bool paintPages(QPrinter *printer, int from, int to, ProgressDialog *progress);
    void scaleViewport(QPainter &painter) const;

    // --- form
    QGroupBox *m_projectBox = nullptr;
    QListWidget *m_projects = nullptr;
    QLabel *m_projectLabel = nullptr;
    ListWidget *m_investigations = nullptr;
    QCheckBox *m_toc = nullptr;
    QCheckBox *m_insp = nullptr;
    QCheckBox *m_foto = nullptr;
    QComboBox *m_pageNumbers = nullptr;
    QCheckBox *m_graphicalDamages = nullptr;
    QPushButton *m_create = nullptr;
    QToolButton *m_print = nullptr;
    QToolButton *m_pdf = nullptr;
    QToolButton *m_zoomIn = nullptr;
    QToolButton *m_zoomOut = nullptr;
    QSpinBox *m_spinBox = nullptr;
    QGraphicsView *m_view = nullptr;
    QGroupBox *m_planBox = nullptr;
    QComboBox *m_scale = nullptr;
    QComboBox *m_paperSize = nullptr;
    QComboBox *m_format = nullptr;
    QComboBox *m_firmdata = nullptr;
    QComboBox *m_legend = nullptr;
    QDateEdit *m_date = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_commentary = nullptr;
    QLineEdit *m_customer = nullptr;
    QLineEdit *m_city = nullptr;
    QLineEdit *m_street = nullptr;
    QPushButton *m_plan3D = nullptr;

    // --- state
    double m_pageWidth = PrintPage::A4Width;
    double m_pageHeight = PrintPage::A4Height;
    double m_pageGap = PageGap;
    int m_planPaperSize = 0;
    int m_planOrientation = 0;
    int m_tocPageCount = 0;
    bool m_planShown = false;
    QDir m_dir;
    Project *m_project = nullptr;
    Investigation *m_investigation = nullptr;
    Viewer3D *m_viewer = nullptr;
    bool m_ownsProject = true;
    QVector<PrintPage> m_pages;
    GraphicsScene *m_scene = nullptr;
    QGraphicsPixmapItem *m_planItem = nullptr;
    QPointF m_lastMouse;

    PrintSetup m_printSetup;
    SaveFileChooser m_chooseFile;
};
