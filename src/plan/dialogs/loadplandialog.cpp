#include "plan/dialogs/loadplandialog.h"
#include "ui_loadplandialog.h"

#include "foundation/global.h"
#include "foundation/inputdoubledialog.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "plan/dialogs/pdfpageconverter.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/planxml.h"
#include "plan/selectablepixmapitem.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QImageReader>
#include <QSettings>

#include <cmath>

namespace {

const QString FolderSetting = QStringLiteral("file/image");

bool isCalibrated(double ratio)
{
    return std::fabs(ratio) > 1e-12;
}

} // namespace

LoadPlanDialog::LoadPlanDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LoadPlanDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowState(Qt::WindowMaximized);
    connect(ui->graphicsView, &GraphicsView::clearMeasure, this, &LoadPlanDialog::clearMeasurement);
}

LoadPlanDialog::~LoadPlanDialog()
{
    delete ui;
}

void LoadPlanDialog::message(const QString &text, int buttons, int timeoutMs)
{
    MessageDialog(text, buttons, timeoutMs, this).exec();
}

// While the dialog waits in a local event loop (for the converter, for the measured points)
// its own commands must not start another wait.
void LoadPlanDialog::setControlsEnabled(bool enabled)
{
    ui->verticalFrame->setEnabled(enabled);
    ui->horizontalWidget->setEnabled(enabled);
}

void LoadPlanDialog::on_zoomIn_clicked()
{
    ui->graphicsView->scale(GraphicsView::ZoomFactor, GraphicsView::ZoomFactor);
}

void LoadPlanDialog::on_zoomOut_clicked()
{
    ui->graphicsView->scale(1.0 / GraphicsView::ZoomFactor, 1.0 / GraphicsView::ZoomFactor);
}

void LoadPlanDialog::on_rotateLeft_clicked()
{
    rotate(-90.0);
}

void LoadPlanDialog::on_rotateRight_clicked()
{
    rotate(90.0);
}

// A turn changes every measured direction on the picture, so the scale is measured anew.
void LoadPlanDialog::rotate(double angle)
{
    if (m_planImage) {
        double r = m_planImage->rotation() + angle;
        if (r > 360)
            r -= 360;
        if (r < 0)
            r += 360;
        const QRectF bounds = m_planImage->boundingRect();
        m_planImage->setTransformOriginPoint(bounds.width() / 2, bounds.height() / 2);
        m_planImage->setRotation(r);
    }
    clearMeasurement();
}

void LoadPlanDialog::clearMeasurement()
{
    m_ratio = 0.0;
    ui->graphicsView->clearMeasurement();
}

QString LoadPlanDialog::chooseFile(const QString &caption, const QString &filter)
{
    QSettings *settings = Global::instance()->settings().data();
    const QString name = QFileDialog::getOpenFileName(this, caption, settings->value(FolderSetting).toString(), filter);
    if (!name.isEmpty())
        settings->setValue(FolderSetting, QFileInfo(name).absolutePath());
    return name;
}

void LoadPlanDialog::showBasePlan(const QImage &image)
{
    QGraphicsScene *scene = ui->graphicsView->scene();
    if (m_planImage) {
        scene->removeItem(m_planImage);
        delete m_planImage;
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    m_planImage = new QGraphicsPixmapItem(pixmap);
    m_planImage->setTransformationMode(Qt::SmoothTransformation);
    const GraphicsView *view = ui->graphicsView;
    m_planImage->setPos(view->mapToScene(QPoint(view->width() / 2, view->height() / 2)));
    m_planImage->moveBy(-(pixmap.width() / 2), -(pixmap.height() / 2));
    scene->addItem(m_planImage);
}

void LoadPlanDialog::on_addImage_clicked()
{
    const QString name = chooseFile(tr("Bild laden"), QStringLiteral("%1 (%2)").arg(tr("Bilder"), SelectablePixmapItem::imageFilePatterns()));
    if (name.isEmpty())
        return;
    QImageReader reader(name);
    const QSize size = reader.size();
    // A picture the plan file could not hold again is refused here, not after the work.
    if (size.isValid() && qint64(size.width()) * size.height() > PlanXml::MaxImagePixels) {
        message(tr("Das Bild %1 ist zu groß für einen Lageplan.").arg(QDir::toNativeSeparators(name)), MessageDialog::Ok, 0);
        return;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        message(tr("Das Bild %1 konnte nicht gelesen werden.\n%2").arg(QDir::toNativeSeparators(name), reader.errorString()),
                MessageDialog::Ok, 0);
        return;
    }
    showBasePlan(image);
    clearMeasurement();
}

void LoadPlanDialog::on_addPdf_clicked()
{
    const QString name = chooseFile(tr("PDF laden"), QStringLiteral("Acrobat-PDF (*.pdf)"));
    if (name.isEmpty())
        return;
    QString error;
    QImage page;
    {
        ProgressDialog progress(this);
        progress.setMaximum(0);
        progress.hideFineProgress();
        progress.setText(QStringLiteral("PDF wird eingelesen..."));
        progress.show();
        setControlsEnabled(false);
        page = PdfPageConverter::firstPage(name, &error, PdfPageConverter::findProgram());
        setControlsEnabled(true);
    }
    if (page.isNull()) {
        message(tr("Das PDF-Dokument %1 konnte nicht eingelesen werden.\n%2").arg(QDir::toNativeSeparators(name), error),
                MessageDialog::Ok, 0);
        return;
    }
    showBasePlan(page);
    clearMeasurement();
}

void LoadPlanDialog::on_measure_clicked()
{
    if (!m_planImage) {
        message(tr("Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!"), 0, 2500);
        return;
    }
    if (isCalibrated(m_ratio)) {
        MessageDialog question(tr("Sie haben schon einen Maßstab festgelegt.\nSoll dieser überschrieben werden?"),
                               MessageDialog::Yes | MessageDialog::No, 0, this);
        question.setEscapeResult(MessageDialog::No);
        if (question.exec() == MessageDialog::No)
            return;
    }
    message(tr("Bitte wählen Sie 2 Punkte zum Einmessen aus!"), MessageDialog::Ok, 0);

    GraphicsView *view = ui->graphicsView;
    setControlsEnabled(false);
    QEventLoop loop;
    connect(view, &GraphicsView::finished, &loop, &QEventLoop::quit);
    // Closing the dialog meanwhile ends the wait as well.
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    view->startMeasure();
    loop.exec();
    setControlsEnabled(true);
    if (view->measureState() != GraphicsView::NotMeasuring) {
        view->cancelMeasure();
        return;
    }

    const float dx = float(view->firstPoint().x()) - float(view->secondPoint().x());
    const float dy = float(view->firstPoint().y()) - float(view->secondPoint().y());
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0)) {
        // No distance between the points: nothing to divide the metres by.
        clearMeasurement();
        message(tr("Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!"), 0, 2500);
        return;
    }

    InputDoubleDialog input(this);
    input.setText(tr("Abstand in Meter:"));
    input.setMaximum(1000.0);
    input.setMinimum(0.0);
    input.setSuffix(QStringLiteral("m"));
    input.hideCancelButton();
    input.exec();
    const double metres = input.value();
    m_ratio = metres / length;
    view->showDistance(metres);
}

void LoadPlanDialog::on_accept_clicked()
{
    if (!m_planImage) {
        message(tr("Der Grundplan ist leer!"), 0, 2500);
        return;
    }
    if (!isCalibrated(m_ratio)) {
        message(tr("Bitte den Plan erst einmessen!"), 0, 2500);
        return;
    }
    QImage image = m_planImage->pixmap().toImage();
    // The plan takes the picture as the user turned it.
    const double turn = std::fmod(m_planImage->rotation(), 360.0);
    if (turn != 0.0)
        image = image.transformed(QTransform().rotate(turn));
    auto *element = new SelectablePixmapItem(image);
    element->showAtPixelSize();
    qDebug() << "plan ratio" << m_ratio;

    m_plan.reset(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
    m_plan->setRatio(m_ratio);
    m_plan->addElement(element);
    accept();
}
