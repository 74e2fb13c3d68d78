#include "project/importdialog.h"

#include "foundation/filehelper.h"
#include "foundation/global.h"
#include "foundation/listwidget.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "foundation/reporter.h"
#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/freetext.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"
#include "project/project.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kPathKey = QStringLiteral("importdia/path");

QStringList videoPatterns()
{
    return Global::standardVideoFilter().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A path as the file system resolves it, so that links and "..", do not hide where it lies.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isSameOrInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// Whether one of the names belongs to the entry's inspection: its base name (up to the last dot)
// followed by a dot and a suffix. Compared as written: "[", "*" and "?" in a name are no patterns.
bool holdsEntry(const QStringList &names, const QString &entry)
{
    const QString name = entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString prefix = (dot >= 0 ? name.left(dot) : name) + QLatin1Char('.');
    return std::any_of(names.cbegin(), names.cend(), [&prefix](const QString &held) { return held.startsWith(prefix); });
}

// Every entry below the folder (files, folders, links), relative to it.
QSet<QString> entriesBelow(const QString &folder)
{
    QSet<QString> entries;
    const QDir dir(folder);
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        entries.insert(dir.relativeFilePath(it.next()));
    return entries;
}

} // namespace

ImportDialog::ImportDialog(Project *project, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_project(project)
    , m_chooser([](QWidget *owner, const QString &title, const QString &start) {
        return QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
    })
{
    setWindowTitle(tr("Import"));
    auto *layout = new QVBoxLayout(this);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(tr("Importieren aus:"), this));
    m_pathField = new QLineEdit(tr("kein Verzeichnis gewählt"), this);
    m_pathField->setObjectName(QStringLiteral("importPath"));
    m_pathField->setReadOnly(true);
    pathRow->addWidget(m_pathField, 1);
    auto *choose = new QPushButton(tr("Verzeichnis wählen"), this);
    choose->setObjectName(QStringLiteral("chooseImport"));
    pathRow->addWidget(choose);
    layout->addLayout(pathRow);

    auto *group = new QGroupBox(tr("Haltungen"), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_importList = new ListWidget(group);
    m_importList->setObjectName(QStringLiteral("importList"));
    groupLayout->addWidget(m_importList);
    layout->addWidget(group, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_acceptButton = new QPushButton(tr("Daten importieren"), this);
    m_acceptButton->setObjectName(QStringLiteral("accept"));
    auto *close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("close"));
    for (QPushButton *button : {m_acceptButton, close}) {
        button->setStyleSheet(QStringLiteral("min-width: 150px;"));
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);

    const QString last = Global::instance()->settings()->value(kPathKey).toString();
    if (!last.isEmpty()) {
        m_pathField->setText(last);
        listFolder(last);
    }
    updateAcceptButton();
}

bool ImportDialog::holdsProjectFolder(const QString &folder) const
{
    if (!m_project || m_project->folder().isEmpty())
        return false;
    return isSameOrInside(resolved(m_project->folder()), resolved(folder));
}

QStringList ImportDialog::scanFolder(const QString &folder) const
{
    QStringList patterns{QStringLiteral("*.xml"), QStringLiteral("*.lh"), QStringLiteral("*.h")};
    patterns += videoPatterns();
    QStringList entries;
    const QDir dir(folder);
    const QStringList subs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &sub : subs) {
        const QString subPath = dir.absoluteFilePath(sub);
        // The project's own folder (its "project.xml" looks like an inspection file) and the
        // folders holding it are never imported into it.
        if (holdsProjectFolder(subPath))
            continue;
        const QDir subDir(subPath);
        if (subDir.entryList(patterns, QDir::Files).isEmpty())
            continue;
        const QStringList videos = subDir.entryList(videoPatterns(), QDir::Files, QDir::Name);
        if (videos.size() < 2) {
            entries << sub;
            continue;
        }
        for (const QString &video : videos) {
            qDebug() << sub + QLatin1Char('/') + video;
            entries << sub + QLatin1Char('/') + video;
        }
    }
    return entries;
}

void ImportDialog::listFolder(const QString &folder)
{
    m_importFolder = folder;
    QStringList entries = scanFolder(folder);
    if (entries.isEmpty()) {
        // The user picked an inspection folder itself.
        const QString parentFolder = QFileInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())).absolutePath();
        const QStringList parentEntries = scanFolder(parentFolder);
        if (!parentEntries.isEmpty()) {
            entries = parentEntries;
            m_importFolder = parentFolder;
            m_pathField->setText(parentFolder);
        }
    }

    const QStringList names = m_project ? m_project->inspectionNames(true) : QStringList();
    m_importList->blockSignals(true);
    m_importList->clear();
    for (const QString &entry : qAsConst(entries)) {
        auto *item = new QListWidgetItem(entry, m_importList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        if (entry.contains(QLatin1Char('/')))
            item->setIcon(QIcon(QStringLiteral(":/icons/folder.png")));
        if (holdsEntry(names, entry)) {
            item->setCheckState(Qt::Unchecked);
            item->setFlags(Qt::NoItemFlags);
        }
    }
    m_importList->blockSignals(false);
}

void ImportDialog::updateAcceptButton()
{
    bool checked = false;
    for (int i = 0; i < m_importList->count() && !checked; ++i)
        checked = m_importList->item(i)->checkState() == Qt::Checked;
    m_acceptButton->setEnabled(checked);
}

void ImportDialog::on_chooseImport_clicked()
{
    QSettings &settings = *Global::instance()->settings();
    const QString folder = m_chooser(this, tr("Import-Verzeichnis wählen"), settings.value(kPathKey).toString());
    if (folder.isEmpty())
        return;
    settings.setValue(kPathKey, folder);
    m_pathField->setText(folder);
    listFolder(folder);
    updateAcceptButton();
}

void ImportDialog::on_importList_itemChanged(QListWidgetItem *)
{
    updateAcceptButton();
}

void ImportDialog::on_accept_clicked()
{
    if (!m_project)
        return;
    setEnabled(false);
    const QString projectFolder = m_project ? resolved(m_project->folder()) : QString();
    const QString source = resolved(m_importFolder);
    if (m_project && (isSameOrInside(source, projectFolder) || isSameOrInside(projectFolder, source))) {
        MessageDialog(tr("Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. \n"
                         "Bitte wählen Sie einen anderen Import-Pfad."),
                      MessageDialog::Ok, -1, this)
            .exec();
        setEnabled(true);
        return;
    }

    QStringList entries;
    for (int i = 0; i < m_importList->count(); ++i) {
        if (m_importList->item(i)->checkState() == Qt::Checked)
            entries << m_importList->item(i)->text();
    }

    double neededKB = 0;
    for (const QString &entry : qAsConst(entries)) {
        const QString path = m_importFolder + QLatin1Char('/') + entry;
        neededKB += entry.contains(QLatin1Char('/')) ? QFileInfo(path).size() / 1024.0 : FileHelper::folderSizeKB(path);
    }
    const double neededMB = neededKB / 1024.0;
    const double freeMB = FileHelper::freeSpaceMB(m_project->folder());
    if (neededMB > freeMB) {
        MessageDialog(tr("Es ist nicht genügend Speicher zum Importieren vorhanden.\n"
                         "Es werden %1MB benötigt, aber nur %2MB sind vorhanden.")
                          .arg(QString::number(neededMB, 'f', 2), QString::number(freeMB, 'f', 2)),
                      0, 2000, this)
            .exec();
        setEnabled(true);
        return;
    }

    ProgressDialog progress(this);
    progress.setMaximum(entries.size());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show();
    for (int i = 0; i < entries.size(); ++i) {
        progress.setValue(i);
        progress.setText(tr("Importiere Haltung %1 von %2.").arg(i + 1).arg(entries.size()));
        QApplication::processEvents();
        const QString entry = entries.at(i);
        QString name = entry;
        QString video;
        if (entry.contains(QLatin1Char('/'))) {
            video = entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1);
            name = video.left(video.lastIndexOf(QLatin1Char('.')));
        }
        const QString target = m_project->folder() + QLatin1Char('/') + name;
        // What the folder held before, so that a failed import takes away only what it brought.
        const bool existed = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
        const QSet<QString> before = existed ? entriesBelow(target) : QSet<QString>();
        bool copied = false;
        if (video.isEmpty()) {
            copied = FileHelper::copyDirectory(m_importFolder + QLatin1Char('/') + entry, target, m_project->folder(),
                                               progress.progressBar());
        } else {
            FileHelper helper(progress.progressBar());
            copied = FileHelper::isStrictlyInside(target, m_project->folder()) && QDir().mkpath(target)
                     && helper.copyFile(m_importFolder + QLatin1Char('/') + entry, target + QLatin1Char('/') + video);
        }
        if (!copied)
            Reporter::error(tr("Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.").arg(entry));
        if (!copied || !importEntry(name))
            removeImported(target, existed, before);
    }
    progress.close();
    accept();
}

bool ImportDialog::importEntry(const QString &name)
{
    // The one video of the folder is named after it, keeping its own suffix, so that the
    // inspection finds it by base name.
    const QDir target(m_project->folder() + QLatin1Char('/') + name);
    const QStringList videos = target.entryList(videoPatterns(), QDir::Files, QDir::Unsorted);
    QString renamedFrom;
    QString renamedTo;
    if (videos.size() == 1) {
        const QString video = videos.first();
        const int dot = video.lastIndexOf(QLatin1Char('.'));
        const QString suffix = dot >= 0 ? video.mid(dot) : QString();
        if (video.left(dot >= 0 ? dot : video.size()) != name) {
            renamedFrom = target.absoluteFilePath(video);
            renamedTo = target.absoluteFilePath(name + suffix);
            const bool renamed = FileHelper::renameWithin(renamedFrom, renamedTo, target.absolutePath());
            qDebug() << "renamed: " << renamed;
            if (!renamed)
                renamedFrom.clear();
        }
    }
    if (loadInspection(name))
        return true;
    // The video may have been in the folder before: it gets its own name back.
    if (!renamedFrom.isEmpty())
        FileHelper::renameWithin(renamedTo, renamedFrom, target.absolutePath());
    return false;
}

void ImportDialog::removeImported(const QString &target, bool existed, const QSet<QString> &before)
{
    if (!existed) {
        FileHelper::removeDirectory(target, m_project->folder());
        return;
    }
    // Deepest first, so that a folder the import made is empty when its turn comes.
    QStringList added = entriesBelow(target).subtract(before).values();
    std::sort(added.begin(), added.end(),
              [](const QString &a, const QString &b) { return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/')); });
    const QDir dir(target);
    for (const QString &entry : qAsConst(added)) {
        const QString path = dir.absoluteFilePath(entry);
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            dir.rmdir(entry);
        else
            QFile::remove(path);
    }
}

Investigation *ImportDialog::loadInspection(const QString &folderName)
{
    const QString base = m_project->folder() + QLatin1Char('/') + folderName + QLatin1Char('/') + folderName;
    Investigation *inspection = nullptr;
    QString fileName;
    if (QFileInfo::exists(base + QLatin1String(".h")) || QFileInfo::exists(base + QLatin1String(".lh"))
        || QFileInfo::exists(base + QLatin1String(".xml"))) {
        const QString suffix = QFileInfo::exists(base + QLatin1String(".h"))    ? QStringLiteral(".h")
                               : QFileInfo::exists(base + QLatin1String(".lh")) ? QStringLiteral(".lh")
                                                                                : QStringLiteral(".xml");
        inspection = Project::loadInspectionFile(base + suffix);
        if (!inspection) {
            Reporter::error(tr("Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.")
                                .arg(QDir::toNativeSeparators(base + suffix)));
            return nullptr;
        }
    } else {
        // An inspection without a standard is named after its video.
        const QString suffix = FileHelper::findVideoByBaseName(base);
        if (suffix.isEmpty()) {
            Reporter::error(tr("Im Ordner %1 wurde keine Haltung gefunden.").arg(folderName));
            return nullptr;
        }
        inspection = Project::loadInspectionFile(base + suffix);
    }
    fileName = inspection->fileName();
    // A folder merged into one the project holds replaces that inspection.
    if (Investigation *held = m_project->inspectionByName(fileName))
        m_project->replaceInspection(m_project->inspections().indexOf(held), inspection);
    else
        m_project->addInspection(inspection);
    return inspection;
}
