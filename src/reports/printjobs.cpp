// The print jobs of inspections and projects, the colours of the report rows, and the runners
// that turn one job into pages.

#include "reports/printjobs.h"

#include "foundation/config.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/viewer3d.h"
#include "model/investigation.h"
#include "reports/printer.h"
#include "project/project.h"

namespace {

// Without classification the rows take the colour of their code group.
QColor categoryColor(int category)
{
    switch (category) {
    case 1:
        return QColor(200, 50, 50);
    case 2:
        return QColor(127, 0, 158);
    case 3:
        return QColor(0, 74, 158);
    case 4:
        return QColor(55, 23, 23);
    default:
        return QColor(Qt::black);
    }
}

const Config &config()
{
    return *Global::instance()->config();
}

void setCurrentLetterhead(Printer &printer)
{
    printer.setFirmLetterhead(Global::instance()->firmStore()->currentFirm());
}

struct PhotoLayout
{
    int columns;
    int rows;
};

PhotoLayout photoLayout(int layout)
{
    static const PhotoLayout layouts[] = {{1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 2}, {3, 3}, {1, 2}, {1, 3}};
    if (layout < 0 || layout >= int(std::size(layouts)))
        return {3, 3};
    return layouts[layout];
}

} // namespace

void colorObservationRows(QVector<ObservationRow> &rows)
{
    const Config &c = config();
    const bool classify = c.classifyFlag();
    for (ObservationRow &row : rows) {
        if (!classify)
            row.color = categoryColor(row.category);
        else
            row.color = row.damageClass > 0 ? c.classColor(row.damageClass - 1) : QColor(Qt::black);
    }
}

int photoColumns(int layout)
{
    return photoLayout(layout).columns;
}

int photoRows(int layout)
{
    return photoLayout(layout).rows;
}

bool photoLayoutHasTexts(int layout)
{
    return layout == 6 || layout == 7;
}

QVector<PrintJob> collectInspectionJobs(Investigation *inspection, bool inspectionPages, bool photoPages)
{
    QVector<PrintJob> jobs;
    if (!inspection)
        return jobs;
    if (inspectionPages)
        jobs += inspection->inspectionJobs();
    if (photoPages)
        jobs += inspection->photoJobs();
    return jobs;
}

QVector<PrintJob> collectProjectJobs(const Project &project, const QStringList &tickedNames, bool contents,
                                     bool inspectionPages, bool photoPages)
{
    QVector<PrintJob> jobs;
    const QList<Investigation *> all = project.inspections();
    if (contents) {
        QList<int> indexes;
        for (int i = 0; i < all.size(); ++i) {
            if (tickedNames.contains(all.at(i)->fileName()))
                indexes << i;
        }
        // No ticked inspection would mean every inspection to createTOC.
        if (!indexes.isEmpty()) {
            const QString title = project.printTitle().isEmpty() ? project.name() : project.printTitle();
            jobs << Project::createTOC(all, indexes, title);
        }
    }
    for (const QString &name : tickedNames)
        jobs += collectInspectionJobs(project.inspectionByName(name), inspectionPages, photoPages);
    return jobs;
}

// --- runners

void Printer::setFirmLetterhead(const Firm &firm)
{
    if (firm.useCustom()) {
        PrintElement designed;
        if (designed.fromByteArray(firm.custom())) {
            setCustomLetterhead(designed);
            return;
        }
    }
    setLetterhead(firm.logo(), firm.address(), firm.contact());
}

QVector<PrintPage> Printer::runInspectionPages(PrintJob job, bool graphicalDamages)
{
    const Config &c = config();
    const bool alternativeLayout = c.pipelineLayout() != 0;
    const bool colorDamage = c.colorDamage();

    Printer printer;
    setCurrentLetterhead(printer);
    printer.setShortHeader(job.shortHeader);
    printer.setNormHeader(job.normHeader);
    printer.setPoints(job.points);
    printer.setSectionData(job.startNode, job.endNode, job.section, job.sectionName, job.length, job.flowColorKind);
    printer.setGraphicalDamages(graphicalDamages);

    QVector<ObservationRow> rows = job.rows;
    colorObservationRows(rows);
    const bool textReport = c.makeTextReport();
    if (job.shortHeader.value(0) != QLatin1String("ISYBAU2001") || textReport)
        printer.createPipeReport(rows, textReport);
    printer.createPipeGraphic(rows, alternativeLayout, colorDamage);
    return printer.pages();
}

QVector<PrintPage> Printer::runFotoPages(PrintJob job)
{
    const int layout = config().fotoStyle();
    Printer printer;
    setCurrentLetterhead(printer);
    printer.setShortHeader(job.shortHeader);
    printer.setNormHeader(job.normHeader);
    printer.setSectionData(job.startNode, job.endNode, job.section, job.sectionName, job.length, 1);
    // The texts beside the photos are what tells the two kinds of layout apart.
    printer.createFotoPages(job.photos, photoColumns(layout), photoRows(layout),
                            photoLayoutHasTexts(layout) ? job.photoTexts : QStringList());
    return printer.pages();
}

QVector<PrintPage> Printer::runFotoPagesVideo(PrintJob job)
{
    const int layout = config().fotoStyle();
    Printer printer;
    setCurrentLetterhead(printer);
    printer.setSectionData(job.startNode, job.endNode, job.section, job.sectionName, job.length, 1);
    printer.createFotoPagesByName(job.photos, photoColumns(layout), photoRows(layout),
                                  photoLayoutHasTexts(layout) ? job.photoTexts : QStringList());
    return printer.pages();
}

QVector<PrintPage> Printer::runTocPages(PrintJob job)
{
    const bool colorProjects = config().colorProjects();
    Printer printer;
    setCurrentLetterhead(printer);
    printer.addTableOfContents(job.entries, job.sectionName, QColor(200, 0, 0), colorProjects, job.client);
    return printer.pages();
}

double Printer::planSceneUnitsPerPixel(double scale)
{
    // Page pixels to millimetres to metres on paper, at 1 : scale in the field, in scene units.
    return scale * Global::instance()->meterRatio()->inverseScale() * 210.0 / 793.0 / 1000.0;
}

QVector<PrintPage> Printer::runPlanPage(const PlanSettings &plan, Viewer3D *viewer, const QString &elementId)
{
    if (!viewer)
        return {};
    // The plan is rendered at the size of its area on the page, so that one rendered pixel is
    // one page pixel; every later rendering (panning, print) keeps that size and so shows the
    // same part of the network at the same scale.
    const QSize area = planAreaSize(plan.paperSize, plan.orientation);
    if (Camera *camera = viewer->camera())
        camera->setOrthoScale(planSceneUnitsPerPixel(plan.scale), area.width(), area.height());

    Printer printer;
    const Firm firm = Global::instance()->firmStore()->currentFirm();
    printer.setLetterhead(firm.logo(), firm.address(), firm.contact());
    QImage image;
    viewer->renderToImage(image, area.width(), area.height());
    printer.setPlanData(plan.scale, plan.customer, plan.city, plan.street, plan.title, plan.commentary,
                        plan.date.toString(QStringLiteral("dd.MM.yyyy")));
    printer.createSitePlanPage(image, elementId, plan.paperSize, plan.orientation, plan.letterheadPosition,
                               plan.legendPosition);
    return printer.pages();
}
