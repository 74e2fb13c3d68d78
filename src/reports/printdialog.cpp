#include "reports/printdialog.h"

#include "foundation/atomicfile.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/listwidget.h"
#include "foundation/progressdialog.h"
#include "foundation/reporter.h"
#include "plan/graphicsscene.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"
#include "reports/printer.h"
#include "reports/printjobs.h"
#include "project/project.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

const QString PrintDialog::PlanElementId = QStringLiteral("33");

namespace {

const QString kPageNumbers = QStringLiteral("printer/pageNumbers");
const QString kGraphicalDamages = QStringLiteral("printer/graphicalDamages");
const QString kScale = QStringLiteral("printer3d/scale");
const QString kPaperSize = QStringLiteral("printer3d/paperSize");
const QString kOrientation = QStringLiteral("printer3d/paperOrientation");
const QString kFirmData = QStringLiteral("printer3d/firmData");
const QString kLegend = QStringLiteral("printer3d/legend");
const QString kTitle = QStringLiteral("printer3d/BDTitle");
const QString kCommentary = QStringLiteral("printer3d/BDCommentary");
const QString kPdfFolder = QStringLiteral("print/pdf");

QSettings &settings()
{
    return *Global::instance()->settings();
}

QComboBox *comboBox(QWidget *parent, const char *name, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

// A stored index that the box does not offer (an older or edited settings file) falls back to
// the first entry.
void setIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(icon));
    return button;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, bool readOnly)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

PrintDialog::PrintDialog(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_printSetup([](QPrinter *printer, QWidget *owner) {
        QPrintDialog dialog(printer, owner);
        return dialog.exec() == QDialog::Accepted;
    })
    , m_chooseFile([](QWidget *owner, const QString &title, const QString &folder, const QString &filter) {
        return QFileDialog::getSaveFileName(owner, title, folder, filter);
    })
{
    buildForm();
    loadSettings();
    setWindowState(windowState() | Qt::WindowMaximized);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, &PrintDialog::scrollBarValueChanged);
    m_dir = QDir(Global::instance()->config()->projectPath());
    m_planBox->hide();
    fillProjectBrowser();
    fillInspectionList();
}

PrintDialog::~PrintDialog()
{
    saveSettings();
    storePlanTexts();
    if (m_ownsProject)
        delete m_project;
}

void PrintDialog::buildForm()
{
    setWindowTitle(tr("Druck-Vorschau"));
    resize(1088, 759);
    setStyleSheet(QStringLiteral(
        "#print, #pdf, #zoomIn, #zoomOut { min-width: 24px; max-width: 24px; border-radius: 2px; }\n"
        "#frame { background: qlineargradient(spread:reflect, x1:0, y1:0, x2:0, y2:1, stop:0 #aaaaaa, "
        "stop:1 #cccccc); border: 3px solid rgb(76, 76, 76); border-radius: 3px; }"));
    auto *layout = new QHBoxLayout(this);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setMaximumWidth(350);
    auto *left = new QVBoxLayout(frame);

    m_projectBox = new QGroupBox(tr("Projekt"), frame);
    m_projectBox->setObjectName(QStringLiteral("projectBox"));
    auto *projectLayout = new QVBoxLayout(m_projectBox);
    m_projects = new QListWidget(m_projectBox);
    m_projects->setObjectName(QStringLiteral("projects"));
    projectLayout->addWidget(m_projects);
    left->addWidget(m_projectBox);

    auto *inspectionBox = new QGroupBox(tr("Untersuchungen"), frame);
    inspectionBox->setObjectName(QStringLiteral("groupBox_2"));
    auto *inspectionLayout = new QVBoxLayout(inspectionBox);
    m_projectLabel = new QLabel(inspectionBox);
    m_projectLabel->setObjectName(QStringLiteral("projectLabel"));
    m_projectLabel->hide();
    inspectionLayout->addWidget(m_projectLabel);
    m_investigations = new ListWidget(inspectionBox);
    m_investigations->setObjectName(QStringLiteral("investigations"));
    inspectionLayout->addWidget(m_investigations);
    left->addWidget(inspectionBox);

    auto *choiceBox = new QGroupBox(tr("Auswahl"), frame);
    choiceBox->setObjectName(QStringLiteral("groupBox"));
    auto *choiceLayout = new QVBoxLayout(choiceBox);
    m_toc = new QCheckBox(tr("Inhaltsverzeichnis"), choiceBox);
    m_toc->setObjectName(QStringLiteral("toc"));
    m_insp = new QCheckBox(tr("Haltungs-Graphik"), choiceBox);
    m_insp->setObjectName(QStringLiteral("insp"));
    m_foto = new QCheckBox(tr("Foto-Bericht"), choiceBox);
    m_foto->setObjectName(QStringLiteral("foto"));
    for (QCheckBox *box : {m_toc, m_insp, m_foto}) {
        box->setChecked(true);
        choiceLayout->addWidget(box);
    }
    left->addWidget(choiceBox);

    auto *settingsBox = new QGroupBox(tr("Einstellungen"), frame);
    settingsBox->setObjectName(QStringLiteral("groupBox_4"));
    auto *settingsLayout = new QVBoxLayout(settingsBox);
    m_pageNumbers = comboBox(settingsBox, "pageNumbers",
                             {tr("keine Seitenzahlen"), tr("Seitenzahlen mit Inhaltsverzeichnis"),
                              tr("Seitenzahlen ohne Inhaltsverzeichnis")});
    settingsLayout->addWidget(m_pageNumbers);
    m_graphicalDamages = new QCheckBox(tr("Schäden grafisch darstellen"), settingsBox);
    m_graphicalDamages->setObjectName(QStringLiteral("graphicalDamages"));
    settingsLayout->addWidget(m_graphicalDamages);
    left->addWidget(settingsBox);

    m_create = new QPushButton(tr("Erstellen"), frame);
    m_create->setObjectName(QStringLiteral("create"));
    left->addWidget(m_create);
    left->addStretch();
    auto *close = new QPushButton(tr("Schließen"), frame);
    close->setObjectName(QStringLiteral("close"));
    left->addWidget(close);
    layout->addWidget(frame);

    auto *right = new QVBoxLayout;
    auto *tools = new QHBoxLayout;
    m_print = toolButton(this, "print", QStringLiteral(":/icons/print.png"));
    m_pdf = toolButton(this, "pdf", QStringLiteral(":/icons/pdf.png"));
    m_zoomIn = toolButton(this, "zoomIn", QStringLiteral(":/icons/zoom in.png"));
    m_zoomOut = toolButton(this, "zoomOut", QStringLiteral(":/icons/zoom out.png"));
    m_spinBox = new QSpinBox(this);
    m_spinBox->setObjectName(QStringLiteral("spinBox"));
    m_spinBox->setMinimumWidth(150);
    tools->addWidget(m_print);
    tools->addWidget(m_pdf);
    tools->addStretch();
    tools->addWidget(m_zoomIn);
    tools->addWidget(m_zoomOut);
    tools->addStretch();
    tools->addWidget(m_spinBox);
    right->addLayout(tools);

    m_view = new QGraphicsView(this);
    m_view->setObjectName(QStringLiteral("graphicsView"));
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_view->setDragMode(QGraphicsView::NoDrag);
    right->addWidget(m_view, 1);

    m_planBox = new QGroupBox(tr("Einstellungen für den Rohrplan"), this);
    m_planBox->setObjectName(QStringLiteral("planBox"));
    auto *planLayout = new QHBoxLayout(m_planBox);
    auto *planForm = new QFormLayout;
    m_scale = comboBox(m_planBox, "scale",
                       {QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("125"), QStringLiteral("150"),
                        QStringLiteral("200"), QStringLiteral("250"), QStringLiteral("300"), QStringLiteral("350"),
                        QStringLiteral("400"), QStringLiteral("500")});
    m_scale->setEditable(true);
    m_scale->lineEdit()->setValidator(new QIntValidator(1, 10000, m_scale));
    m_paperSize = comboBox(m_planBox, "paperSize", {QStringLiteral("A4"), QStringLiteral("A3")});
    m_format = comboBox(m_planBox, "format", {tr("Hochformat"), tr("Querformat")});
    m_firmdata = comboBox(m_planBox, "firmdata",
                          {tr("nicht anzeigen"), tr("oben - links"), tr("oben - mitte"), tr("oben - rechts"),
                           tr("unten - links"), tr("unten - mitte"), tr("unten - rechts")});
    m_legend = comboBox(m_planBox, "legend", {tr("nicht anzeigen"), tr("anzeigen")});
    planForm->addRow(tr("Maßstab:"), m_scale);
    planForm->addRow(tr("Größe:"), m_paperSize);
    planForm->addRow(tr("Format:"), m_format);
    planForm->addRow(tr("Firmendaten:"), m_firmdata);
    planForm->addRow(tr("Legende:"), m_legend);
    planLayout->addLayout(planForm);

    auto *tabs = new QTabWidget(m_planBox);
    tabs->setObjectName(QStringLiteral("tabWidget"));
    auto *tab = new QWidget(tabs);
    tab->setObjectName(QStringLiteral("tab"));
    auto *tabForm = new QFormLayout(tab);
    tabForm->addRow(new QLabel(tr("Manuelle Daten:"), tab));
    m_date = new QDateEdit(QDate::currentDate(), tab);
    m_date->setObjectName(QStringLiteral("date_bd"));
    m_title = lineEdit(tab, "title_bd", false);
    m_commentary = lineEdit(tab, "commentary_bd", false);
    tabForm->addRow(tr("Datum:"), m_date);
    tabForm->addRow(tr("Titel:"), m_title);
    tabForm->addRow(tr("Kommentar:"), m_commentary);
    tabForm->addRow(new QLabel(tr("Daten aus der Haltung:"), tab));
    m_customer = lineEdit(tab, "customer_bd", true);
    m_city = lineEdit(tab, "city_bd", true);
    m_street = lineEdit(tab, "street_bd", true);
    tabForm->addRow(tr("Kunde:"), m_customer);
    tabForm->addRow(tr("Ort:"), m_city);
    tabForm->addRow(tr("Straße:"), m_street);
    tabs->addTab(tab, tr("Bestandsdaten"));
    auto *tab2 = new QWidget(tabs);
    tab2->setObjectName(QStringLiteral("tab_2"));
    tabs->addTab(tab2, tr("Rohrdaten"));
    tabs->setCurrentIndex(0);
    planLayout->addWidget(tabs, 1);
    m_plan3D = new QPushButton(tr("Rohrplan"), m_planBox);
    m_plan3D->setObjectName(QStringLiteral("plan3D"));
    planLayout->addWidget(m_plan3D);
    right->addWidget(m_planBox);
    layout->addLayout(right, 1);

    QMetaObject::connectSlotsByName(this);
}

void PrintDialog::loadSettings()
{
    QSettings &s = settings();
    setIndex(m_pageNumbers, s.value(kPageNumbers, 0).toInt());
    m_graphicalDamages->setChecked(s.value(kGraphicalDamages, false).toBool());
    QString scale = s.value(kScale, QStringLiteral("50")).toString();
    int pos = 0;
    if (m_scale->lineEdit()->validator()->validate(scale, pos) != QValidator::Acceptable)
        scale = QStringLiteral("50");
    m_scale->setCurrentText(scale);
    setIndex(m_paperSize, s.value(kPaperSize, 0).toInt());
    setIndex(m_format, s.value(kOrientation, 0).toInt());
    setIndex(m_firmdata, s.value(kFirmData, 0).toInt());
    setIndex(m_legend, s.value(kLegend, 0).toInt());
}

void PrintDialog::saveSettings() const
{
    QSettings &s = settings();
    s.setValue(kPageNumbers, m_pageNumbers->currentIndex());
    s.setValue(kGraphicalDamages, m_graphicalDamages->isChecked());
    s.setValue(kScale, m_scale->currentText());
    s.setValue(kPaperSize, m_paperSize->currentIndex());
    s.setValue(kOrientation, m_format->currentIndex());
    s.setValue(kFirmData, m_firmdata->currentIndex());
    s.setValue(kLegend, m_legend->currentIndex());
    s.setValue(kTitle, m_title->text());
    s.setValue(kCommentary, m_commentary->text());
}

void PrintDialog::storePlanTexts()
{
    if (!m_project)
        return;
    if (m_project->printTitle() == m_title->text() && m_project->printCommentary() == m_commentary->text())
        return;
    m_project->setPrintTitle(m_title->text());
    m_project->setPrintCommentary(m_commentary->text());
    // The texts belong to the project file: kept only in memory they would be gone with a
    // project this dialog opened itself, or whenever nothing else saves the project.
    m_project->save();
}

void PrintDialog::setProject(Project *project)
{
    if (m_ownsProject && m_project != project)
        delete m_project;
    m_ownsProject = false;
    m_projectBox->hide();
    m_project = project;
    fillInspectionList();
}

void PrintDialog::setInvestigation(Investigation *inspection)
{
    m_projectBox->hide();
    m_toc->hide();
    m_investigation = inspection;
    if (inspection) {
        auto *item = new QListWidgetItem(inspection->fileName(), m_investigations);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    updateCreateButton();
}

void PrintDialog::setViewer3D(Viewer3D *viewer)
{
    m_projectBox->hide();
    m_planBox->show();
    m_viewer = viewer;
}

// --- browser and lists

void PrintDialog::fillProjectBrowser()
{
    m_projects->clear();
    const QString title = tr("Projekte:");
    m_projectBox->setTitle(title);
    const QDir root(Global::instance()->config()->projectPath());
    if (m_dir.absolutePath() != root.absolutePath()) {
        QString relative = m_dir.absolutePath();
        relative.remove(0, root.absolutePath().size());
        relative.remove(0, 1);
        m_projectBox->setTitle(QStringLiteral("%1 %2").arg(title, relative));
        auto *up = new QListWidgetItem(QIcon(QStringLiteral(":/icons/left.png")), QStringLiteral(".."), m_projects);
        up->setData(Qt::UserRole, false);
    }
    const QStringList folders = m_dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const bool projects : {false, true}) {
        for (const QString &name : folders) {
            const bool isProject = QFileInfo::exists(m_dir.absoluteFilePath(name + QStringLiteral("/project.xml")));
            if (isProject != projects)
                continue;
            auto *item = new QListWidgetItem(
                QIcon(projects ? QStringLiteral(":/icons/project.png") : QStringLiteral(":/icons/folder.png")), name,
                m_projects);
            item->setData(Qt::UserRole, projects);
        }
    }
}

void PrintDialog::on_projects_itemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->data(Qt::UserRole).toBool()) {
        storePlanTexts();
        if (m_ownsProject)
            delete m_project;
        m_project = new Project(m_dir.absolutePath() + QLatin1Char('/') + item->text() + QStringLiteral("/project.xml"));
        fillInspectionList();
        return;
    }
    if (item->text() == QLatin1String(".."))
        m_dir.cdUp();
    else
        m_dir.cd(item->text());
    fillProjectBrowser();
}

void PrintDialog::fillInspectionList()
{
    m_investigations->clear();
    m_projectLabel->hide();
    if (!m_project)
        return;
    const QSignalBlocker blocker(m_investigations);
    for (const QString &name : m_project->inspectionNames(false)) {
        auto *item = new QListWidgetItem(name, m_investigations);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    updateCreateButton();
    m_projectLabel->setText(QStringLiteral("%1: %2").arg(tr("Projekt"), m_project->name()));
    m_projectLabel->show();
    fillPlanFields();
}

void PrintDialog::fillPlanFields()
{
    const QList<Investigation *> inspections = m_project->inspections(false);
    if (!inspections.isEmpty()) {
        const InspectionHeader header = inspections.first()->mainData();
        m_customer->setText(header.client);
        m_city->setText(header.town);
        m_street->setText(header.street);
    }
    m_title->setText(m_project->printTitle());
    m_commentary->setText(m_project->printCommentary());
}

QStringList PrintDialog::tickedInspections() const
{
    QStringList names;
    for (int i = 0; i < m_investigations->count(); ++i) {
        if (m_investigations->item(i)->checkState() == Qt::Checked)
            names << m_investigations->item(i)->text();
    }
    return names;
}

void PrintDialog::updateCreateButton()
{
    m_create->setEnabled(!tickedInspections().isEmpty());
}

void PrintDialog::on_investigations_itemChanged(QListWidgetItem *)
{
    updateCreateButton();
}

void PrintDialog::sectionToggled(bool on, QCheckBox *other1, QCheckBox *other2)
{
    if (on) {
        m_create->setEnabled(true);
        updateCreateButton();
    } else if (m_create->isEnabled()) {
        m_create->setEnabled(other1->isChecked() || other2->isChecked());
    }
}

void PrintDialog::on_toc_toggled(bool on)
{
    sectionToggled(on, m_insp, m_foto);
}

void PrintDialog::on_insp_toggled(bool on)
{
    sectionToggled(on, m_toc, m_foto);
}

void PrintDialog::on_foto_toggled(bool on)
{
    sectionToggled(on, m_toc, m_insp);
}

// --- preview

void PrintDialog::on_create_clicked()
{
    setEnabled(false);
    m_pages.clear(); // keeps the capacity
    // A contents page count of an earlier preview would leave pages of this one unnumbered.
    m_tocPageCount = 0;
    showPages();
    m_pageGap = PageGap;
    m_pageWidth = PrintPage::A4Width;
    m_pageHeight = PrintPage::A4Height;
    m_planPaperSize = 0;
    m_planOrientation = 0;

    if (m_project) {
        runJobs(collectProjectJobs(*m_project, tickedInspections(), m_toc->isChecked(), m_insp->isChecked(),
                                   m_foto->isChecked()));
    } else if (m_investigation) {
        runJobs(collectInspectionJobs(m_investigation, m_insp->isChecked(), m_foto->isChecked()));
    }
    numberPages();
    applyApproximateNote();
    showPages();
    setEnabled(true);
    m_view->setDragMode(QGraphicsView::ScrollHandDrag);
    m_planShown = false;
}

void PrintDialog::runJobs(const QVector<PrintJob> &jobs)
{
    ProgressDialog progress(this);
    progress.setText(tr("Erstelle Vorschau..."));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setValue(0);
    progress.setMaximum(jobs.size());
    progress.hideFineProgress();
    progress.show();
    QApplication::processEvents();
    const bool graphicalDamages = m_graphicalDamages->isChecked();
    for (int i = 0; i < jobs.size(); ++i) {
        progress.setValue(i);
        QApplication::processEvents();
        const PrintJob &job = jobs.at(i);
        if (job.type == QLatin1String("createTOC")) {
            const QVector<PrintPage> pages = Printer::runTocPages(job);
            m_tocPageCount = pages.size();
            m_pages += pages;
        } else if (job.type == QLatin1String("inspectionPages")) {
            m_pages += Printer::runInspectionPages(job, graphicalDamages);
        } else if (job.type == QLatin1String("fotoPages")) {
            m_pages += Printer::runFotoPages(job);
        } else if (job.type == QLatin1String("fotoPagesVideo")) {
            m_pages += Printer::runFotoPagesVideo(job);
        }
    }
}

void PrintDialog::numberPages()
{
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i].setPageNumber(i + 1);
}

void PrintDialog::applyApproximateNote()
{
    const bool note = Global::instance()->config()->proximateHint();
    for (PrintPage &page : m_pages)
        page.setApproximateNote(note);
}

int PrintDialog::firstNumberedPage() const
{
    switch (m_pageNumbers->currentIndex()) {
    case 1:
        return 1;
    case 2:
        return m_tocPageCount + 1;
    default:
        return 0;
    }
}

void PrintDialog::showPages()
{
    m_planItem = nullptr;
    m_view->setTransform(QTransform::fromScale(0.8, 0.8));
    if (!m_scene) {
        m_scene = new GraphicsScene(this);
        m_view->setScene(m_scene);
        connect(m_scene, &GraphicsScene::mouseClicked, this, &PrintDialog::sceneMouseClicked);
        connect(m_scene, &GraphicsScene::mouseMoved, this, &PrintDialog::sceneMouseMoved);
    }
    m_scene->clear();
    const int count = m_pages.size();
    m_scene->setSceneRect(0, 0, m_pageWidth, (m_pageGap + m_pageHeight) * count + m_pageGap);
    {
        const QSignalBlocker blocker(m_spinBox);
        m_spinBox->setSuffix(QStringLiteral("/%1").arg(count));
        m_spinBox->setMinimum(1);
        m_spinBox->setMaximum(count);
        m_spinBox->setValue(1);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_print, m_pdf, m_zoomIn, m_zoomOut, m_spinBox})
        w->setEnabled(count > 0);
    if (count == 0)
        return;
    // A3 does not fit the printers this is meant for; such a plan page goes out as PDF only.
    m_print->setEnabled(m_planPaperSize == 0);

    ProgressDialog progress(this);
    progress.setText(tr("Bitte warten..."));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setValue(0);
    progress.setMaximum(count);
    progress.hideFineProgress();
    progress.show();
    const int first = firstNumberedPage();
    for (int i = 0; i < count; ++i) {
        progress.setValue(i + 1);
        QApplication::processEvents();
        const double top = (m_pageGap + m_pageHeight) * i + m_pageGap;
        m_scene->addRect(QRectF(0, top, m_pages.at(i).width(), m_pages.at(i).height()), QPen(),
                         QBrush(Qt::white, Qt::SolidPattern));
        m_pages.at(i).addToScene(m_scene, QPointF(0, top), first);
    }
    on_spinBox_valueChanged(0);
    m_planItem = findSceneItem(PlanElementId);
}

QGraphicsPixmapItem *PrintDialog::findSceneItem(const QString &id) const
{
    if (!m_scene)
        return nullptr;
    for (QGraphicsItem *item : m_scene->items()) {
        auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item);
        if (pixmap && item->data(0).toString() == id)
            return pixmap;
    }
    return nullptr;
}

void PrintDialog::on_spinBox_valueChanged(int page)
{
    const double x = m_pageWidth / 2;
    const double top = (m_pageGap + m_pageHeight) * page - m_pageHeight;
    m_view->centerOn(x, top);
    const QRect viewport = m_view->viewport()->rect();
    const double visible = m_view->mapToScene(viewport.bottomLeft()).y() - m_view->mapToScene(viewport.topLeft()).y();
    m_view->centerOn(x, top + visible / 2);
}

void PrintDialog::scrollBarValueChanged(int)
{
    double y = m_view->mapToScene(QPoint(10, 10)).y();
    int n = 0;
    while (y > m_pageHeight) {
        y -= m_pageGap + m_pageHeight;
        ++n;
    }
    // A page counts as reached once 90 % of it has scrolled past the top.
    const int shown = n + 1 + (y >= 0.9 * m_pageHeight ? 1 : 0);
    const QSignalBlocker blocker(m_spinBox);
    m_spinBox->setValue(shown);
}

void PrintDialog::on_zoomIn_clicked()
{
    m_view->scale(1.25, 1.25);
}

void PrintDialog::on_zoomOut_clicked()
{
    m_view->scale(0.8, 0.8);
}

// --- plan page

PlanSettings PrintDialog::planSettings() const
{
    PlanSettings plan;
    plan.scale = m_scale->currentText().toInt();
    if (plan.scale < 1)
        plan.scale = 50;
    plan.paperSize = m_paperSize->currentIndex();
    plan.orientation = m_format->currentIndex();
    plan.letterheadPosition = m_firmdata->currentIndex();
    plan.legendPosition = m_legend->currentIndex();
    plan.customer = m_customer->text();
    plan.city = m_city->text();
    plan.street = m_street->text();
    plan.title = m_title->text();
    plan.commentary = m_commentary->text();
    plan.date = m_date->date();
    return plan;
}

QSize PrintDialog::planImageSize() const
{
    return Printer::planAreaSize(m_planPaperSize, m_planOrientation);
}

void PrintDialog::on_plan3D_clicked()
{
    if (!m_viewer)
        return;
    setEnabled(false);
    m_pages.clear();
    m_tocPageCount = 0;
    showPages();
    const PlanSettings plan = planSettings();
    m_planPaperSize = plan.paperSize;
    m_planOrientation = plan.orientation;
    const QSize page = Printer::planPageSize(plan.paperSize, plan.orientation);
    m_pageWidth = page.width();
    m_pageHeight = page.height();
    m_pages += Printer::runPlanPage(plan, m_viewer, PlanElementId);
    showPages();
    setEnabled(true);
    m_view->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
    m_view->setDragMode(QGraphicsView::NoDrag);
    m_planShown = true;
}

void PrintDialog::sceneMouseClicked(QMouseEvent *event)
{
    if (m_planItem)
        m_lastMouse = event->localPos();
}

void PrintDialog::sceneMouseMoved(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_planItem || !m_viewer)
        return;
    const QPointF position = event->localPos();
    if (!m_planItem->sceneBoundingRect().contains(position))
        return;
    const QPointF d = position - m_lastMouse;
    m_viewer->moveCamera(QPointF(-d.x() / 10000, -d.y() / 10000));
    const QSize size = planImageSize();
    QImage image;
    m_viewer->renderToImage(image, size.width(), size.height());
    m_planItem->setPixmap(QPixmap::fromImage(image));
    m_planShown = true;
    m_lastMouse = position;
}

void PrintDialog::renderPlanForPrint()
{
    if (!m_planItem || !m_planShown || !m_viewer || m_pages.isEmpty())
        return;
    ProgressDialog progress(this);
    progress.setText(tr("Erstelle 3D-Plan fürs Drucken..."));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setValue(0);
    progress.setMaximum(0);
    progress.show();
    QApplication::processEvents();
    PrintElement *element = m_pages.last().findElement(PlanElementId);
    if (element && !element->rect().isEmpty()) {
        // The same view as on screen, drawn in tiles at print resolution; the part that belongs
        // to the element is the whole of it up to the rounding of the element's size.
        const QSize size = planImageSize();
        QImage image;
        m_viewer->renderToImage(image, size.width(), size.height(), progress.progressBar());
        if (!image.isNull()) {
            const double fx = size.width() / element->rect().width();
            const double fy = size.height() / element->rect().height();
            element->setImage(image.copy(0, 0, int(std::lround(image.width() / fx)),
                                         int(std::lround(image.height() / fy))));
            element->setImageScaled(true);
        }
    }
    m_planShown = false;
}

void PrintDialog::on_close_clicked()
{
    close();
}

// --- output

namespace {

// The size of the PDF file at path when it is whole, else -1. Its last bytes are the end marker,
// and the cross-reference table sits where the trailer says: an offset the engine counted from
// every byte it wrote, so a lost block anywhere before it shows.
qint64 completePdfSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 size = file.size();
    const qint64 tailSize = std::min<qint64>(size, 1024);
    if (!file.seek(size - tailSize))
        return -1;
    const QByteArray tail = file.read(tailSize).trimmed();
    if (!tail.endsWith("%%EOF"))
        return -1;
    const int marker = tail.lastIndexOf("startxref");
    if (marker < 0)
        return -1;
    bool ok = false;
    const qint64 offset = tail.mid(marker + 9, tail.size() - 5 - marker - 9).trimmed().toLongLong(&ok);
    if (!ok || offset < 0 || offset >= size || !file.seek(offset) || file.read(4) != "xref")
        return -1;
    return size;
}

} // namespace

QPrinter *PrintDialog::createPrinter() const
{
    auto *printer = new QPrinter(QPrinter::ScreenResolution);
    // The pages keep their own margins: placed inside the printer's margins they would move
    // down and lose their foot, page number included.
    printer->setFullPage(true);
    printer->setPageSize(m_planPaperSize > 0 ? QPageSize(QPageSize::A3) : QPageSize(QPageSize::A4));
    printer->setPageOrientation(m_planOrientation != 0 ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer;
}

void PrintDialog::on_print_clicked()
{
    const std::unique_ptr<QPrinter> printer(createPrinter());
    if (!m_printSetup(printer.get(), this))
        return;
    const int count = m_pages.size();
    const bool printed = printer->fromPage() != 0
                             ? print(printer.get(), printer->fromPage() - 1, std::min(printer->toPage(), count))
                             : print(printer.get(), 0, count);
    if (!printed) {
        const QString file = printer->outputFileName();
        Reporter::error(file.isEmpty() ? tr("Der Drucker konnte nicht gestartet werden.")
                                       : tr("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(file));
    }
}

void PrintDialog::on_pdf_clicked()
{
    QSettings &s = settings();
    QString path =
        m_chooseFile(this, tr("Datei speichern"), s.value(kPdfFolder).toString(), tr("Adobe PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    // A name typed without the suffix would give a file that nothing opens as a PDF.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    s.setValue(kPdfFolder, QFileInfo(path).absolutePath());
    if (m_pages.isEmpty())
        return;
    // Qt's PDF engine does not notice writes that fail, and a file written in place would be
    // gone before the new one is complete: the PDF goes into a temporary file beside the
    // target and replaces it only when every byte of it is there.
    AtomicFile file(path);
    bool written = file.open();
    if (written) {
        const std::unique_ptr<QPrinter> printer(createPrinter());
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file.temporaryPath());
        written = print(printer.get(), 0, m_pages.size());
        const qint64 size = written ? completePdfSize(file.temporaryPath()) : -1;
        written = size >= 0 && file.commit(size);
    }
    if (!written) {
        const QString reason = file.errorString();
        Reporter::error(tr("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(path)
                        + (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason));
    }
}

bool PrintDialog::print(QPrinter *printer, int from, int to)
{
    from = std::max(from, 0);
    to = std::min(to, int(m_pages.size()));
    renderPlanForPrint();

    auto *progress = new ProgressDialog(this);
    progress->setText(tr("PDF wird erstellt..."));
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setValue(0);
    progress->setMaximum(m_pages.size());
    progress->show();
    QApplication::processEvents();
    const bool written = from >= to || paintPages(printer, from, to, progress);
    delete progress;
    return written;
}

void PrintDialog::scaleViewport(QPainter &painter) const
{
    // Page pixels are 1/96 inch, laid out at the resolution pages are recorded at (that of a
    // picture); what is left is that resolution's distance from 96 dpi. (The window's
    // resolution is not it: under a 100 dpi screen the pages came out 4 % too large, their page
    // numbers below the paper's edge.)
    const double factor = QPicture().logicalDpiX() / 96.0;
    const QRect viewport = painter.viewport();
    painter.setViewport(viewport.x(), viewport.y(), int(std::lround(viewport.width() * factor)),
                        int(std::lround(viewport.height() * factor)));
}

bool PrintDialog::paintPages(QPrinter *printer, int from, int to, ProgressDialog *progress)
{
    // The pages are painted straight onto the printer, not recorded into pictures first: a
    // picture hands each page its own copy of the letterhead's images, which the PDF then
    // embeds once per page, and recording and replaying cost more than the painting itself.
    const int first = firstNumberedPage();
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    scaleViewport(painter);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    progress->setMaximum(to - from);
    for (int i = from; i < to; ++i) {
        progress->setValue(i - from + 1);
        QApplication::processEvents();
        if (i > from)
            printer->newPage();
        m_pages.at(i).paint(&painter, first);
    }
    return painter.end();
}
