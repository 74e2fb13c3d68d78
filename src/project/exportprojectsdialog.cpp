#include "project/exportprojectsdialog.h"

#include "foundation/atomicfile.h"
#include "foundation/config.h"
#include "foundation/filehelper.h"
#include "foundation/fileprogress.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "foundation/reporter.h"
#include "project/burner/dvddialog.h"
#include "project/project.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDebug>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kExportPathKey = QStringLiteral("main/exportpath");
const QString kProjectFile = QStringLiteral("project.xml");

QString projectsRoot()
{
    return QDir::cleanPath(QDir(Global::instance()->config()->projectPath()).absolutePath());
}

bool isSameOrInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The largest rectangle of the image's aspect ratio inside r, centred.
QRectF fitInto(const QRectF &r, const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return r;
    const double scale = std::min(r.width() / image.width(), r.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    return QRectF(r.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// Empties a folder (hidden entries included) and makes it again.
bool freshFolder(const QString &folder)
{
    QDir dir(folder);
    if (dir.exists() && !dir.removeRecursively())
        return false;
    return QDir().mkpath(folder);
}

bool copyReplacing(const QString &source, const QString &target, QStringList &failed)
{
    FileProgress progress;
    if (FileHelper::copyFile(source, target, progress))
        return true;
    failed << QDir::toNativeSeparators(source);
    return false;
}

} // namespace

ExportProjectsDialog::ExportProjectsDialog(Project *project, QWidget *parent)
    : QDialog(parent)
    , m_appDir(QCoreApplication::applicationDirPath())
    , m_chooser([](QWidget *owner, const QString &title, const QString &start) {
        return QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
    })
    , m_discWriter([](const QStringList &folders, const QString &name, QWidget *owner) {
        DVDDialog dialog(owner);
        dialog.setData(folders, name);
        dialog.exec();
    })
{
    setWindowTitle(tr("Export"));
    resize(601, 604);
    auto *layout = new QVBoxLayout(this);
    m_projectBox = new QGroupBox(tr("Projekte:"), this);
    m_projectBox->setObjectName(QStringLiteral("projectBox"));
    auto *projectLayout = new QVBoxLayout(m_projectBox);
    m_list = new QListWidget(m_projectBox);
    m_list->setObjectName(QStringLiteral("listWidget"));
    projectLayout->addWidget(m_list);
    layout->addWidget(m_projectBox, 1);
    auto *selectionBox = new QGroupBox(tr("Auswahl"), this);
    selectionBox->setObjectName(QStringLiteral("groupBox"));
    auto *selectionLayout = new QVBoxLayout(selectionBox);
    m_exportList = new QListWidget(selectionBox);
    m_exportList->setObjectName(QStringLiteral("exportList"));
    selectionLayout->addWidget(m_exportList);
    layout->addWidget(selectionBox, 1);
    auto *viewerRow = new QHBoxLayout;
    m_viewer = new QCheckBox(tr("ZOZOrure Viewer exportieren"), this);
    m_viewer->setObjectName(QStringLiteral("viewer"));
    m_viewer->setChecked(true);
    viewerRow->addWidget(m_viewer);
    viewerRow->addStretch(1);
    layout->addLayout(viewerRow);
    auto *sizeRow = new QHBoxLayout;
    auto *sizeCaption = new QLabel(tr("Größe:"), this);
    sizeCaption->setObjectName(QStringLiteral("label_3"));
    sizeRow->addWidget(sizeCaption);
    m_size = new QDoubleSpinBox(this);
    m_size->setObjectName(QStringLiteral("sizeLabel"));
    m_size->setMinimumWidth(200);
    m_size->setReadOnly(true);
    m_size->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_size->setMaximum(50000);
    m_size->setPrefix(QStringLiteral("ca. "));
    m_size->setSuffix(QStringLiteral("MB"));
    sizeRow->addWidget(m_size);
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_accept = new QPushButton(tr("Brennen"), this);
    m_accept->setObjectName(QStringLiteral("accept"));
    m_usb = new QPushButton(tr("Ordner/USB"), this);
    m_usb->setObjectName(QStringLiteral("usb"));
    auto *close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("reject"));
    for (QPushButton *button : {m_accept, m_usb, close}) {
        button->setMinimumWidth(100);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    m_accept->setEnabled(false);
    m_usb->setEnabled(false);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);

    m_exportList->installEventFilter(this);
    m_currentDir = QDir(projectsRoot());
    fillProjectList();
    if (project && !project->name().isEmpty()) {
        m_selection.insert(project->name(), relativeFolder(project->root()) + project->name());
        updateExportList();
    }
    QTimer::singleShot(0, this, &ExportProjectsDialog::createViewerData);
}

ExportProjectsDialog::~ExportProjectsDialog()
{
    FileHelper::removeDirectory(viewerStaging(), Global::instance()->dataDirectory());
}

QString ExportProjectsDialog::viewerStaging() const
{
    return Global::instance()->dataDirectory() + QStringLiteral("/zozorure_viewer/");
}

QString ExportProjectsDialog::exportStaging() const
{
    return Global::instance()->dataDirectory() + QStringLiteral("/zozorure_export/");
}

// The folder relative to the projects root with a "/" after it; empty for the root itself.
QString ExportProjectsDialog::relativeFolder(const QString &absolute) const
{
    const QString root = projectsRoot();
    const QString folder = QDir::cleanPath(absolute);
    if (!folder.startsWith(root + QLatin1Char('/')))
        return QString();
    return folder.mid(root.size() + 1) + QLatin1Char('/');
}

QList<QPair<QString, QString>> ExportProjectsDialog::viewerFileList() const
{
    QList<QPair<QString, QString>> pairs;
    QFile list(m_appDir + QStringLiteral("/data/viewerFiles.txt"));
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&list);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            pairs.append({line, QStringLiteral("Viewer/") + line});
        }
    }
    pairs.append({QStringLiteral("/data/RazarEzazez.js"), QStringLiteral("RazarEzazez.js")});
    pairs.append({QStringLiteral("/data/autorun.inf"), QStringLiteral("autorun.inf")});
    return pairs;
}

void ExportProjectsDialog::createViewerData()
{
    const QString staging = viewerStaging();
    QStringList failed;
    // Files left by an earlier run (a crash) would otherwise be exported instead of the current
    // ones, since the copies never overwrite.
    if (!freshFolder(staging) || !QDir().mkpath(staging + QStringLiteral("Viewer/data")))
        failed << QDir::toNativeSeparators(staging);
    for (const auto &pair : viewerFileList()) {
        if (pair.first.isEmpty())
            continue;
        const QString source = m_appDir + QLatin1Char('/') + pair.first;
        const QString target = staging + pair.second;
        if (pair.first.endsWith(QLatin1Char('/'))) {
            if (!FileHelper::copyDirectory(source, target, staging))
                failed << QDir::toNativeSeparators(source);
        } else {
            QDir().mkpath(QFileInfo(target).absolutePath());
            copyReplacing(source, target, failed);
        }
    }

    QImage logo = Global::instance()->firmStore()->currentFirm().logo();
    if (logo.isNull())
        logo = QImage(QStringLiteral(":/images/data/zozorure.png"));
    QImage icon(128, 128, QImage::Format_ARGB32);
    icon.fill(QColor(255, 255, 255, 0));
    {
        QPainter painter(&icon);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.drawImage(fitInto(QRectF(0, 0, 128, 128), logo), logo);
    }
    const QString iconFile = staging + QStringLiteral("Viewer/programm.ico");
    QByteArray iconBytes;
    {
        QBuffer buffer(&iconBytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, QFileInfo(iconFile).suffix().toLatin1());
        writer.setQuality(100);
        if (!writer.write(icon))
            iconBytes.clear();
    }
    if (iconBytes.isEmpty() || !AtomicFile::writeFile(iconFile, iconBytes))
        failed << QDir::toNativeSeparators(iconFile);

    const QString dataFolder = Global::instance()->dataDirectory() + QLatin1Char('/');
    for (const QString &ini : {QStringLiteral("tsfirm.ini"), QStringLiteral("tsconfig.ini")})
        copyReplacing(dataFolder + ini, staging + QStringLiteral("Viewer/data/") + ini, failed);

    m_viewerSize = FileHelper::folderSizeKB(staging) / 1024.0;
    reportFailures(failed);
    emit finishedLoading();
    updateExportList();
}

void ExportProjectsDialog::reportFailures(const QStringList &failed)
{
    if (!failed.isEmpty())
        Reporter::error(tr("Diese Dateien konnten nicht kopiert werden:\n%1").arg(failed.join(QLatin1Char('\n'))));
}

void ExportProjectsDialog::fillProjectList()
{
    m_list->clear();
    QString title = tr("Projekte:");
    const QString shown = QDir::cleanPath(m_currentDir.absolutePath());
    if (shown != projectsRoot()) {
        QString relative = relativeFolder(shown);
        relative.chop(1);
        title = QStringLiteral("%1 %2").arg(title, relative);
        auto *up = new QListWidgetItem(QIcon(QStringLiteral(":/icons/left.png")), QStringLiteral(".."), m_list);
        up->setData(Qt::UserRole, false);
    }
    m_projectBox->setTitle(title);
    const QStringList entries = m_currentDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList projects;
    for (const QString &name : entries) {
        if (QFileInfo::exists(m_currentDir.absoluteFilePath(name + QLatin1Char('/') + kProjectFile))) {
            projects << name;
            continue;
        }
        auto *item = new QListWidgetItem(QIcon(QStringLiteral(":/icons/folder.png")), name, m_list);
        item->setData(Qt::UserRole, false);
    }
    for (const QString &name : projects) {
        auto *item = new QListWidgetItem(QIcon(QStringLiteral(":/icons/project.png")), name, m_list);
        item->setData(Qt::UserRole, true);
    }
}

void ExportProjectsDialog::on_listWidget_itemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString name = item->text();
    if (item->data(Qt::UserRole).toBool()) {
        if (m_selection.contains(name)) {
            MessageDialog(tr("Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!").arg(name), 0, 2500, this)
                .exec();
            return;
        }
        m_selection.insert(name, relativeFolder(m_currentDir.absolutePath()) + name);
        updateExportList();
        return;
    }
    if (name == QLatin1String(".."))
        m_currentDir.cdUp();
    else
        m_currentDir.cd(name);
    fillProjectList();
}

void ExportProjectsDialog::updateExportList()
{
    m_exportList->clear();
    double sum = 0.0;
    for (const QString &folder : m_selection) {
        m_exportList->addItem(folder);
        sum += FileHelper::folderSizeKB(projectsRoot() + QLatin1Char('/') + folder) / 1024.0;
    }
    if (!m_selection.isEmpty()) {
        m_exportList->setCurrentRow(0);
        if (m_viewer->isChecked())
            sum += m_viewerSize;
    }
    m_size->setValue(sum);
    m_accept->setEnabled(m_exportList->count() > 0);
    m_usb->setEnabled(m_exportList->count() > 0);
}

bool ExportProjectsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_exportList || event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Delete)
        return QDialog::eventFilter(watched, event);
    const int row = m_exportList->currentRow();
    if (row >= 0 && row < m_selection.size()) {
        m_selection.remove(m_selection.keys().at(row));
        updateExportList();
    }
    return true;
}

void ExportProjectsDialog::on_viewer_toggled(bool)
{
    // The viewer counts only with something to export.
    updateExportList();
}

bool ExportProjectsDialog::copyViewerTo(const QString &target, bool withoutAutorun, QProgressBar *bar,
                                        QStringList &failed)
{
    const QString staging = viewerStaging();
    if (withoutAutorun)
        QFile::remove(staging + QStringLiteral("autorun.inf"));
    // The viewer goes into the chosen folder itself.
    const QString chosen = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    const bool copied = FileHelper::copyDirectory(staging, chosen, QFileInfo(chosen).absolutePath(), bar);
    if (!copied)
        failed << QDir::toNativeSeparators(staging);
    if (withoutAutorun)
        copyReplacing(m_appDir + QStringLiteral("/data/autorun.inf"), staging + QStringLiteral("autorun.inf"), failed);
    return copied;
}

bool ExportProjectsDialog::enoughSpace(const QString &folder, const QString &text)
{
    const double needed = m_size->value();
    const double free = FileHelper::freeSpaceMB(folder);
    // Compared as shown: two decimals.
    if (qRound64(needed * 100) <= qRound64(free * 100))
        return true;
    MessageDialog(text.arg(needed, 0, 'f', 2).arg(free, 0, 'f', 2), 0, 2500, this).exec();
    return false;
}

void ExportProjectsDialog::on_usb_clicked()
{
    const QString start = Global::instance()->settings()->value(kExportPathKey).toString();
    const QString chosen = m_chooser(this, tr("Export"), start);
    if (chosen.isEmpty())
        return;
    const QString target = QDir::cleanPath(QDir(chosen).absolutePath());
    const QString root = projectsRoot();
    QStringList folders;
    for (int i = 0; i < m_exportList->count(); ++i)
        folders << m_exportList->item(i)->text();
    qDebug() << "projectpath: " << root << "exportpath: " << target;
    for (const QString &folder : folders) {
        const QString source = QDir::cleanPath(root + QLatin1Char('/') + folder);
        const QString wouldBe = QDir::cleanPath(target + QLatin1Char('/') + folder);
        // Whole path components are compared: "/x/P2" is not inside "/x/P".
        if (isSameOrInside(target, source) || target == root || wouldBe == root) {
            MessageDialog(QStringLiteral("Sie versuchen, Daten in das aktuelle Projektverzeichnis zu exportieren. \n"
                                         "Bitte wählen Sie ein anderes Verzeichnis für den Export."),
                          MessageDialog::Ok, -1, this)
                .exec();
            return;
        }
    }
    Global::instance()->settings()->setValue(kExportPathKey, chosen);
    setEnabled(false);
    if (!enoughSpace(target, tr("Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB "
                                "benötigt, aber nur %2MB sind vorhanden."))) {
        setEnabled(true);
        return;
    }
    ProgressDialog progress(this);
    progress.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMaximum(int(m_size->value()) * 1024);
    progress.show();
    QApplication::processEvents();
    QStringList failed;
    if (m_viewer->isChecked()) {
        progress.setText(tr("Kopiere ZOZOrure Viewer"));
        copyViewerTo(target, true, progress.progressBar(), failed);
    }
    for (int i = 0; i < folders.size(); ++i) {
        progress.setText(tr("Exportiere Projekt %1 von %2.").arg(i + 1).arg(folders.size()));
        QApplication::processEvents();
        if (!FileHelper::copyDirectory(root + QLatin1Char('/') + folders.at(i), target + QLatin1Char('/') + folders.at(i),
                                       target, progress.progressBar()))
            failed << QDir::toNativeSeparators(folders.at(i));
    }
    progress.close();
    reportFailures(failed);
    setEnabled(true);
}

void ExportProjectsDialog::on_accept_clicked()
{
    setEnabled(false);
    const QString dataFolder = Global::instance()->dataDirectory();
    if (!enoughSpace(dataFolder, tr("Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. "
                              "Es werden %1MB benötigt, aber nur %2MB sind vorhanden."))) {
        setEnabled(true);
        return;
    }
    QStringList folders;
    for (int i = 0; i < m_exportList->count(); ++i)
        folders << m_exportList->item(i)->text();
    const QString staging = exportStaging();
    QStringList failed;
    // Projects left from an earlier burn must not go onto this disc.
    if (!freshFolder(staging))
        failed << QDir::toNativeSeparators(staging);
    {
        ProgressDialog progress(this);
        progress.setText(tr("Export wird vorbereitet..."));
        progress.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMaximum(folders.size());
        progress.show();
        QApplication::processEvents();
        for (int i = 0; i < folders.size(); ++i) {
            progress.setValue(i);
            QApplication::processEvents();
            if (!FileHelper::copyDirectory(projectsRoot() + QLatin1Char('/') + folders.at(i), staging + folders.at(i),
                                           staging, progress.progressBar()))
                failed << QDir::toNativeSeparators(folders.at(i));
        }
        progress.close();
    }
    if (!failed.isEmpty()) {
        reportFailures(failed);
        FileHelper::removeDirectory(staging, Global::instance()->dataDirectory());
        setEnabled(true);
        return;
    }
    QStringList burnFolders{staging};
    if (m_viewer->isChecked())
        burnFolders << viewerStaging();
    m_discWriter(burnFolders, QStringLiteral("DVD"), this);
    FileHelper::removeDirectory(staging, Global::instance()->dataDirectory());
    setEnabled(true);
}
