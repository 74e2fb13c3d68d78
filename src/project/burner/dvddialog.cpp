#include "project/burner/dvddialog.h"
#include "ui_dvddialog.h"

#include "foundation/messagedialog.h"
#include "project/burner/burner.h"
#include "project/burner/discdrive.h"
#include "project/burner/discimage.h"

#include <QEventLoop>
#include <QSignalBlocker>
#include <QTime>
#include <QTimer>

namespace {

QString twoDecimals(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'f', 2);
}

QString minutesAndSeconds(long seconds)
{
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("mm:ss"));
}

} // namespace

DVDDialog::DVDDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DVDDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    ui->close->hide();
    // A running write cannot be stopped without spoiling the disc, so no cancel is offered.
    ui->cancel->hide();
    ui->startBurning->setEnabled(false);
    setEnabled(false);
    QTimer::singleShot(1, this, &DVDDialog::init);
}

DVDDialog::~DVDDialog()
{
    delete ui;
}

void DVDDialog::setData(const QStringList &paths, const QString &name)
{
    m_paths = paths;
    m_imageSizeMB = 0;
    imageSize();
    if (m_failed)
        return;
    ui->name->setText(name);
    checkMedium();
}

int DVDDialog::exec()
{
    // A failure before the dialog was shown has closed it already.
    if (m_failed)
        return QDialog::Rejected;
    return QDialog::exec();
}

void DVDDialog::reject()
{
    if (m_burning)
        return;
    QDialog::reject();
}

void DVDDialog::init()
{
    if (m_failed)
        return;
    DISC_MILESTONE("DVDDialog::initRecorder", QString());
    Disc::Failure failure;
    m_recorders = Disc::recorders(&failure);
    if (failure.failed()) {
        reportFailure(failure);
        return;
    }
    DISC_MILESTONE("DVDDialog::initRecorder",
                   QStringLiteral("%1 recorders").arg(m_recorders.size()));
    {
        const QSignalBlocker blocker(ui->recorderBox);
        ui->recorderBox->clear();
        for (const Disc::Recorder &recorder : qAsConst(m_recorders)) {
            ui->recorderBox->addItem(
                QStringLiteral("%1 %2").arg(recorder.vendor, recorder.product));
        }
        m_recorder = m_recorders.isEmpty() ? -1 : 0;
        ui->recorderBox->setCurrentIndex(m_recorder);
    }
    checkMedium();
    if (!m_failed)
        setEnabled(true);
}

void DVDDialog::on_recorderBox_currentIndexChanged(int index)
{
    if (index < 0 || index >= m_recorders.size())
        return;
    m_recorder = index;
    checkMedium();
}

void DVDDialog::on_reloadRecorder_clicked()
{
    checkMedium();
}

double DVDDialog::imageSize()
{
    if (m_imageSizeMB > 0 || m_paths.isEmpty())
        return m_imageSizeMB;
    Disc::Failure failure;
    const qint64 blocks = DiscImage::blocksOf(m_paths, &failure);
    if (blocks < 0) {
        reportFailure(failure);
        return 0;
    }
    m_imageSizeMB = double(blocks) * 2 / 1024;
    return m_imageSizeMB;
}

void DVDDialog::checkMedium()
{
    if (m_failed || m_recorder < 0 || m_recorder >= m_recorders.size())
        return;
    Disc::Failure failure;
    const Disc::Medium medium = Disc::medium(m_recorders.at(m_recorder).uniqueId, &failure);
    if (failure.failed()) {
        reportFailure(failure);
        return;
    }
    const CapacityBar bar = capacityBar(medium, imageSize());
    if (m_failed)
        return;
    ui->recorderProgress->setValue(bar.value);
    ui->recorderProgress->setFormat(bar.text);
    ui->startBurning->setEnabled(bar.startEnabled);
}

DVDDialog::CapacityBar DVDDialog::capacityBar(const Disc::Medium &medium, double neededMB)
{
    CapacityBar bar;
    if (medium.state != Disc::MediumState::Blank) {
        const bool full = medium.state == Disc::MediumState::Full;
        bar.text = full ? tr("Disk ist voll!") : tr("Keine Disk!");
        return bar;
    }
    const double freeMB = double(medium.freeSectors) * 2 / 1024;
    const bool inMB = medium.measuredInMB();
    const QString freeText = twoDecimals(inMB ? freeMB : freeMB / 1024);
    if (neededMB > freeMB) {
        bar.value = 100;
        bar.text = inMB ? tr("Zu viele Daten! %1 MB(%2 MB frei)")
                              .arg(twoDecimals(neededMB), freeText)
                        : tr("Zu viele Daten! %1 GB(%2 GB frei)")
                              .arg(twoDecimals(neededMB / 1024), freeText);
        return bar;
    }
    // A blank medium without a free sector can only take an empty image: nothing to share.
    bar.value = freeMB > 0 ? qRound(neededMB / freeMB * 100) : 0;
    if (inMB)
        bar.text = tr("%1 MB(%2 MB frei)").arg(twoDecimals(neededMB), freeText);
    else if (neededMB < 1024)
        bar.text = tr("%1 MB(%2 GB frei)").arg(twoDecimals(neededMB), freeText);
    else
        bar.text = tr("%1 GB(%2 GB frei)").arg(twoDecimals(neededMB / 1024), freeText);
    bar.startEnabled = true;
    return bar;
}

void DVDDialog::on_startBurning_clicked()
{
    if (m_burning || m_recorder < 0 || m_recorder >= m_recorders.size())
        return;
    QString name = ui->name->text();
    if (name.isEmpty()) {
        name = tr("Projekt");
        ui->name->setText(name);
    }
    ui->name->setEnabled(false);
    ui->recorderProgress->setEnabled(false);
    ui->groupBox->setEnabled(false);
    ui->startBurning->setEnabled(false);
    ui->reject->hide();
    ui->close->show();
    ui->close->setEnabled(false);
    ui->burnInfo->setText(tr("CD/DVD wird geschrieben... "));
    ui->burnProgress->setValue(0);
    ui->burnProgress->setMaximum(0);
    QCoreApplication::processEvents();
    m_burning = true;

    QString failureText;
    m_burner = new Burner(this);
    m_burner->setup(m_recorders.at(m_recorder).uniqueId, name, m_paths);
    connect(m_burner, &Burner::updateData, this, &DVDDialog::updateProgress);
    connect(m_burner, &Burner::error, this,
            [&failureText](const QString &text) { failureText = text; });
    QEventLoop loop;
    // Queued, so that the progress and a failure posted before the end are handled before it.
    connect(m_burner, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    m_burner->start(QThread::TimeCriticalPriority);
    loop.exec();

    const bool failed = !failureText.isEmpty();
    ui->burnProgress->setMaximum(1);
    ui->burnProgress->setValue(failed ? 0 : 1);
    ui->time->clear();
    ui->burnInfo->setText(tr("CD/DVD wird geschrieben... ")
                          + (failed ? tr("fehlgeschlagen!") : tr("abgeschlossen!")));
    ui->close->setEnabled(true);
    ui->reject->setEnabled(true);
    delete m_burner;
    m_burner = nullptr;
    m_burning = false;
    if (failed) {
        MessageDialog box(failureText, MessageDialog::Ok, -1, this);
        box.exec();
    }
}

void DVDDialog::updateProgress(long currentAddress, long cnt, long currentTime, long remainingTime,
                               long totalTime)
{
    Q_UNUSED(remainingTime)
    ui->time->setText(QStringLiteral("%1 / %2").arg(minutesAndSeconds(currentTime),
                                                    minutesAndSeconds(totalTime)));
    ui->burnProgress->setMaximum(int(cnt));
    ui->burnProgress->setValue(int(currentAddress));
}

void DVDDialog::on_close_clicked()
{
    accept();
}

void DVDDialog::on_reject_clicked()
{
    reject();
}

void DVDDialog::reportFailure(const Disc::Failure &failure)
{
    // The box is a child of this dialog, which is disabled while it starts up; a disabled box
    // could not be answered.
    setEnabled(true);
    MessageDialog box(Disc::failureText(failure), MessageDialog::Ok, -1, this);
    box.exec();
    m_failed = true;
    if (isVisible())
        QDialog::reject();
}
