#include "project/openprojectdialog.h"

#include "foundation/atomicfile.h"
#include "foundation/config.h"
#include "foundation/filedirnamedialog.h"
#include "foundation/filehelper.h"
#include "foundation/filetext.h"
#include "foundation/global.h"
#include "foundation/inputlistdialog.h"
#include "foundation/messagedialog.h"
#include "foundation/progressdialog.h"
#include "foundation/readguard.h"
#include "foundation/toolbox.h"
#include "model/investigation.h"
#include "model/isybau2001.h"
#include "project/exportprojectsdialog.h"
#include "project/importdialog.h"
#include "project/project.h"

#include <QComboBox>
#include <QDomDocument>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kProjectFile = QStringLiteral("project.xml");
const QString k3DFile = QStringLiteral("project3d.xml");

QString forbiddenCharacters()
{
    return QStringLiteral("<>:\"/\\?*|[]=");
}

QString normName(NormKind kind)
{
    switch (kind) {
    case NormATV: return QStringLiteral("ATV M-143-2");
    case NormIsybau2001: return QStringLiteral("Isybau2001");
    case NormEN135082: return QStringLiteral("DIN EN-13508-2");
    case NormIsybau2006: return QStringLiteral("Isybau2006");
    case NormDWAM1492: return QStringLiteral("DWA M-149-2");
    case NormDanDas: return QStringLiteral("DanDas");
    default: return QStringLiteral("Video");
    }
}

// Renames, in a project's 3D file, every course bound to the inspection oldName (the top-level
// courses and their branches) to newName. The file is replaced only when something changed.
bool renameConnectedInspections(const QString &file, const QString &oldName, const QString &newName)
{
    QByteArray bytes;
    QString refusal;
    if (!ReadGuard::readXml(file, ReadGuard::SmallFileLimit, ReadGuard::XmlUse::Tree, bytes, refusal))
        return false;
    QDomDocument doc;
    if (!doc.setContent(bytes))
        return false;
    bool changed = false;
    for (const QString &tag : {QStringLiteral("Inspection"), QStringLiteral("Branch")}) {
        const QDomNodeList nodes = doc.elementsByTagName(tag);
        for (int i = 0; i < nodes.size(); ++i) {
            QDomElement element = nodes.at(i).toElement();
            if (element.attribute(QStringLiteral("Investigation")) == oldName) {
                element.setAttribute(QStringLiteral("Investigation"), newName);
                changed = true;
            }
        }
    }
    if (!changed)
        return true;
    return AtomicFile::writeFile(file, FileText::xmlDocument(doc, 1));
}

} // namespace

OpenProjectDialog::OpenProjectDialog(int mode, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_mode(mode)
    , m_askName([](QWidget *owner, const QString &title, bool folderMode, const QStringList &taken,
                   const QString &start) {
        FileDirNameDialog dialog(folderMode ? 1 : 0, owner);
        dialog.setWindowTitle(title);
        dialog.setExistingNames(taken);
        if (!start.isEmpty())
            dialog.setName(start);
        return dialog.exec() == QDialog::Accepted ? dialog.name() : QString();
    })
    , m_removeFolder([](const QString &folder, const QString &within) {
        return FileHelper::removeDirectory(folder, within);
    })
{
    buildForm();
    buildToolBox();
    switch (mode) {
    case 0:
        m_newProjectBox->hide();
        m_editButton->hide();
        break;
    case 1:
        setWindowTitle(tr("Projekt anlegen"));
        m_acceptButton->setText(tr("Anlegen"));
        m_editButton->hide();
        break;
    case 2:
        setWindowTitle(tr("Projekte verwalten"));
        m_rejectButton->hide();
        m_newProjectBox->hide();
        m_acceptButton->setText(tr("Schließen"));
        break;
    default:
        break;
    }
    m_currentDir = QDir(Global::instance()->config()->projectPath());
    QMetaObject::connectSlotsByName(this);
    fillList();
}

OpenProjectDialog::~OpenProjectDialog() = default;

void OpenProjectDialog::buildForm()
{
    setObjectName(QStringLiteral("OpenProjectDialog"));
    setWindowTitle(tr("Projekt öffnen"));
    auto *layout = new QHBoxLayout(this);
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("stackedWidget"));
    layout->addWidget(m_stack, 1);

    auto *browse = new QWidget(m_stack);
    auto *browseLayout = new QVBoxLayout(browse);
    auto *projectBox = new QGroupBox(browse);
    projectBox->setObjectName(QStringLiteral("projectBox"));
    auto *projectLayout = new QVBoxLayout(projectBox);
    m_heading = new QLabel(projectBox);
    m_heading->setObjectName(QStringLiteral("label"));
    m_list = new QListWidget(projectBox);
    m_list->setObjectName(QStringLiteral("listWidget"));
    projectLayout->addWidget(m_heading);
    projectLayout->addWidget(m_list);
    browseLayout->addWidget(projectBox, 1);
    m_newProjectBox = new QGroupBox(tr("neues Projekt"), browse);
    m_newProjectBox->setObjectName(QStringLiteral("newProjectBox"));
    auto *newLayout = new QVBoxLayout(m_newProjectBox);
    m_nameEdit = new QLineEdit(m_newProjectBox);
    m_nameEdit->setObjectName(QStringLiteral("lineEdit"));
    newLayout->addWidget(m_nameEdit);
    browseLayout->addWidget(m_newProjectBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_editButton = new QPushButton(tr("Bearbeiten"), browse);
    m_editButton->setObjectName(QStringLiteral("edit"));
    m_acceptButton = new QPushButton(tr("Öffnen"), browse);
    m_acceptButton->setObjectName(QStringLiteral("accept"));
    m_rejectButton = new QPushButton(tr("Abbrechen"), browse);
    m_rejectButton->setObjectName(QStringLiteral("reject"));
    for (QPushButton *button : {m_editButton, m_acceptButton, m_rejectButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(m_rejectButton, &QPushButton::clicked, this, &QDialog::reject);
    browseLayout->addLayout(buttons);
    m_stack->addWidget(browse);

    auto *edit = new QWidget(m_stack);
    auto *editLayout = new QVBoxLayout(edit);
    auto *dataBox = new QGroupBox(tr("Projektdaten"), edit);
    auto *dataLayout = new QVBoxLayout(dataBox);
    m_projectName = new QLabel(dataBox);
    m_projectName->setObjectName(QStringLiteral("projectName"));
    dataLayout->addWidget(m_projectName);
    auto *changeRow = new QHBoxLayout;
    changeRow->addWidget(new QLabel(tr("Name:"), dataBox));
    m_changeSelection = new QComboBox(dataBox);
    m_changeSelection->setObjectName(QStringLiteral("changeSelection"));
    m_changeSelection->addItems({tr("Straße"), tr("Ort"), tr("Kunde"), tr("Operator")});
    changeRow->addWidget(m_changeSelection);
    m_changeText = new QLineEdit(dataBox);
    m_changeText->setObjectName(QStringLiteral("changeText"));
    changeRow->addWidget(m_changeText, 1);
    auto *change = new QPushButton(tr("Übernehmen"), dataBox);
    change->setObjectName(QStringLiteral("change"));
    change->setAutoDefault(false);
    changeRow->addWidget(change);
    dataLayout->addLayout(changeRow);
    editLayout->addWidget(dataBox);
    auto *tableBox = new QGroupBox(tr("Untersuchungen"), edit);
    auto *tableLayout = new QHBoxLayout(tableBox);
    m_table = new QTableWidget(0, 3, tableBox);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setHorizontalHeaderLabels({tr("Datei"), tr("Norm"), tr("Name")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    tableLayout->addWidget(m_table, 1);
    auto *moveColumn = new QVBoxLayout;
    const QString buttonStyle = QStringLiteral("border-radius: 3px; min-width: 30px; max-width: 30px;");
    auto addMoveButton = [&](const char *name, const QString &icon, const QString &text) {
        auto *button = new QPushButton(text, tableBox);
        button->setObjectName(QString::fromLatin1(name));
        if (!icon.isEmpty())
            button->setIcon(QIcon(icon));
        button->setStyleSheet(buttonStyle);
        button->setAutoDefault(false);
        moveColumn->addWidget(button);
    };
    addMoveButton("up", QStringLiteral(":/icons/up_2.png"), QString());
    addMoveButton("down", QStringLiteral(":/icons/down_2.png"), QString());
    addMoveButton("sort", QString(), QStringLiteral("..."));
    moveColumn->addStretch(1);
    tableLayout->addLayout(moveColumn);
    editLayout->addWidget(tableBox, 1);
    m_stack->addWidget(edit);

    m_toolBox = new ToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBox"));
    layout->addWidget(m_toolBox);
}

void OpenProjectDialog::buildToolBox()
{
    const QString project = tr("Projekt");
    const QString inspection = tr("Untersuchung");
    m_toolBox->addSection(project, {tr("Drucken"), tr("Export"), tr("Import"), tr("Löschen"), tr("Umbenennen")});
    m_toolBox->addSection(inspection, {tr("Umwandeln"), tr("Löschen"), tr("Umbenennen")});
    m_toolBox->addStretch();
    m_toolBox->addButton(tr("Zurück"));
    auto key = [](const QString &section, const QString &button) { return section + QLatin1Char('_') + button; };
    m_commands.insert(key(project, tr("Drucken")), &OpenProjectDialog::printProject);
    m_commands.insert(key(project, tr("Export")), &OpenProjectDialog::exportProjects);
    m_commands.insert(key(project, tr("Import")), &OpenProjectDialog::importInspections);
    m_commands.insert(key(project, tr("Löschen")), &OpenProjectDialog::deleteProject);
    m_commands.insert(key(project, tr("Umbenennen")), &OpenProjectDialog::renameProject);
    m_commands.insert(key(inspection, tr("Umwandeln")), &OpenProjectDialog::convertInspection);
    m_commands.insert(key(inspection, tr("Löschen")), &OpenProjectDialog::deleteInspection);
    m_commands.insert(key(inspection, tr("Umbenennen")), &OpenProjectDialog::renameInspection);
    m_commands.insert(tr("Zurück"), &OpenProjectDialog::back);
    connect(m_toolBox, &ToolBox::clicked, this, &OpenProjectDialog::toolBox_clicked);
    // Printing lives in a library above this one; without an opener handed in there is none.
    m_toolBox->setVisible(key(project, tr("Drucken")), false);
}

void OpenProjectDialog::setPrintOpener(PrintOpener opener)
{
    m_print = std::move(opener);
    m_toolBox->setVisible(tr("Projekt") + QLatin1Char('_') + tr("Drucken"), bool(m_print));
}

int OpenProjectDialog::message(const QString &text, int buttons, int timeoutMs)
{
    MessageDialog box(text, buttons, timeoutMs, this);
    if (buttons & MessageDialog::No)
        box.setEscapeResult(MessageDialog::No);
    return box.exec();
}

bool OpenProjectDialog::lessByVideoNumber(const QString &a, const QString &b)
{
    bool aIsNumber = false;
    bool bIsNumber = false;
    const qlonglong an = a.toLongLong(&aIsNumber);
    const qlonglong bn = b.toLongLong(&bIsNumber);
    if (aIsNumber && bIsNumber)
        return an < bn;
    if (aIsNumber != bIsNumber)
        return aIsNumber;
    return a < b;
}

QString OpenProjectDialog::projectFile() const
{
    const QString name = chosenProjectName();
    if (name.isEmpty())
        return QString();
    return QStringLiteral("%1/%2/%3").arg(m_currentDir.absolutePath(), name, kProjectFile);
}

// The name the user chose: the typed name in mode 1, else the current list entry. The special
// entries, "." and ".." name no project: taking them would open or convert the shown folder's
// parent or a folder that does not exist.
QString OpenProjectDialog::chosenProjectName() const
{
    QString name;
    if (m_mode == 1) {
        name = m_nameEdit->text();
    } else if (QListWidgetItem *item = m_list->currentItem()) {
        name = item->text();
        if (name == tr("neuer Ordner") || name == tr("neues Projekt"))
            return QString();
    }
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

QStringList OpenProjectDialog::folderNames() const
{
    return m_currentDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

void OpenProjectDialog::fillList()
{
    m_list->clear();
    const QDir root(Global::instance()->config()->projectPath());
    const QString rootPath = QDir::cleanPath(root.absolutePath());
    const QString shown = QDir::cleanPath(m_currentDir.absolutePath());
    QString relative = shown.startsWith(rootPath + QLatin1Char('/')) ? shown.mid(rootPath.size() + 1) : QString();
    m_heading->setText(QStringLiteral("%1 %2").arg(tr("Projekte:"), relative));
    if (shown != rootPath)
        new QListWidgetItem(QIcon(QStringLiteral(":/icons/left.png")), QStringLiteral(".."), m_list);
    new QListWidgetItem(QIcon(QStringLiteral(":/icons/add.png")), tr("neuer Ordner"), m_list);
    new QListWidgetItem(QIcon(QStringLiteral(":/icons/add.png")), tr("neues Projekt"), m_list);
    QStringList projects;
    for (const QString &name : m_currentDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(m_currentDir.absoluteFilePath(name + QLatin1Char('/') + kProjectFile)))
            projects << name;
        else
            new QListWidgetItem(QIcon(QStringLiteral(":/icons/folder.png")), name, m_list);
    }
    for (const QString &name : projects)
        new QListWidgetItem(QIcon(QStringLiteral(":/icons/project.png")), name, m_list);
}

void OpenProjectDialog::fillTable()
{
    const int previous = m_table->currentRow();
    m_table->setRowCount(0);
    if (!m_project)
        return;
    m_projectName->setText(QStringLiteral("%1: %2").arg(tr("Projekt"), m_project->name()));
    const QList<Investigation *> inspections = m_project->inspections();
    m_table->setRowCount(inspections.size());
    for (int row = 0; row < inspections.size(); ++row) {
        const Investigation *inspection = inspections.at(row);
        auto *section = new QTableWidgetItem(inspection->mainData().sectionName);
        auto *norm = new QTableWidgetItem(normName(inspection->normKind()));
        section->setTextAlignment(Qt::AlignCenter);
        norm->setTextAlignment(Qt::AlignCenter);
        m_table->setItem(row, 0, section);
        m_table->setItem(row, 1, norm);
        m_table->setItem(row, 2, new QTableWidgetItem(inspection->fileName()));
    }
    selectRow(std::min(previous, m_table->rowCount() - 1));
}

void OpenProjectDialog::selectRow(int row)
{
    if (row >= 0 && row < m_table->rowCount())
        m_table->setCurrentCell(row, 0);
}

Investigation *OpenProjectDialog::selectedInspection() const
{
    const int row = m_table->currentRow();
    if (!m_project || row < 0 || !m_table->item(row, 2))
        return nullptr;
    return m_project->inspectionByName(m_table->item(row, 2)->text());
}

void OpenProjectDialog::showProject(const QString &name)
{
    m_project = std::make_unique<Project>(
        QStringLiteral("%1/%2/%3").arg(m_currentDir.absolutePath(), name, kProjectFile));
    m_stack->setCurrentIndex(1);
    fillTable();
}

void OpenProjectDialog::on_listWidget_itemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString text = item->text();
    if (text == QLatin1String("..")) {
        m_currentDir.cdUp();
        fillList();
    } else if (text == tr("neuer Ordner")) {
        const QString name = m_askName(this, tr("neuer Ordner"), true, folderNames(), QString());
        if (!name.isEmpty() && m_currentDir.mkdir(name))
            fillList();
    } else if (text == tr("neues Projekt")) {
        const QString name = m_askName(this, tr("neues Projekt"), true, folderNames(), QString());
        if (name.isEmpty())
            return;
        std::unique_ptr<Project> created(Project::create(name, m_currentDir.absolutePath()));
        if (!created)
            return;
        fillList();
        m_project = std::move(created);
        m_stack->setCurrentIndex(1);
        fillTable();
    } else if (QFileInfo::exists(m_currentDir.absoluteFilePath(text + QLatin1Char('/') + kProjectFile))) {
        showProject(text);
    } else {
        m_currentDir.cd(text);
        fillList();
    }
}

void OpenProjectDialog::on_accept_clicked()
{
    if (m_mode == 0) {
        if (chosenProjectName().isEmpty()) {
            message(tr("Bitte wählen Sie ein Projekt aus!"));
            return;
        }
        accept();
    } else if (m_mode == 1) {
        const QString name = chosenProjectName();
        if (name.trimmed().isEmpty()) {
            message(tr("Bitte geben Sie einen Projektnamen an!"));
            return;
        }
        const QFileInfo folder(m_currentDir.absoluteFilePath(name));
        if (folder.exists()) {
            message(QFileInfo::exists(folder.absoluteFilePath() + QLatin1Char('/') + kProjectFile)
                        ? tr("Dieses Project existiert bereits!")
                        : tr("Ein Ordner mit diesem Namen existiert bereits!"));
            return;
        }
        std::unique_ptr<Project> created(Project::create(name, m_currentDir.absolutePath()));
        if (!created)
            return;
        accept();
    } else {
        accept();
    }
}

void OpenProjectDialog::on_edit_clicked()
{
    const QString name = chosenProjectName();
    if (name.isEmpty()) {
        message(tr("Bitte wählen Sie ein Projekt zum Bearbeiten aus!"));
        return;
    }
    showProject(name);
}

void OpenProjectDialog::on_lineEdit_textEdited(const QString &text)
{
    const int cursor = m_nameEdit->cursorPosition();
    QString cleaned;
    int removedBefore = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (forbiddenCharacters().contains(text.at(i))) {
            if (i < cursor)
                ++removedBefore;
        } else {
            cleaned += text.at(i);
        }
    }
    if (cleaned == text)
        return;
    m_nameEdit->setText(cleaned);
    m_nameEdit->setCursorPosition(cursor - removedBefore);
}

void OpenProjectDialog::on_up_clicked()
{
    const int row = m_table->currentRow();
    if (!m_project || row <= 0)
        return;
    m_project->swapInspections(row, row - 1);
    fillTable();
    selectRow(row - 1);
}

void OpenProjectDialog::on_down_clicked()
{
    const int row = m_table->currentRow();
    if (!m_project || row < 0 || row >= m_table->rowCount() - 1)
        return;
    m_project->swapInspections(row, row + 1);
    fillTable();
    selectRow(row + 1);
}

void OpenProjectDialog::on_sort_clicked()
{
    if (!m_project)
        return;
    InputListDialog dialog(this);
    dialog.setWindowTitle(tr("Sortieren"));
    const QStringList orders{tr("nach Datum"), tr("nach Dateiname"), tr("nach Haltungsname"), tr("nach Videonummer")};
    dialog.setItems(orders);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QList<Investigation *> inspections = m_project->inspections();
    switch (orders.indexOf(dialog.selectedItem())) {
    case 0:
        std::stable_sort(inspections.begin(), inspections.end(), Investigation::lessByDate);
        break;
    case 1:
        std::stable_sort(inspections.begin(), inspections.end(), Investigation::lessByFileName);
        break;
    case 2:
        std::stable_sort(inspections.begin(), inspections.end(), Investigation::lessBySectionName);
        break;
    case 3:
        std::stable_sort(inspections.begin(), inspections.end(), [](const Investigation *a, const Investigation *b) {
            return lessByVideoNumber(a->mainData().videoReference, b->mainData().videoReference);
        });
        break;
    default:
        return;
    }
    for (int i = 0; i < inspections.size(); ++i)
        m_project->moveInspection(inspections.at(i)->fileName(), i);
    m_project->save();
    fillTable();
}

void OpenProjectDialog::on_change_clicked()
{
    if (!m_project)
        return;
    QString InspectionHeader::*const fields[] = {&InspectionHeader::street, &InspectionHeader::town,
                                                 &InspectionHeader::client, &InspectionHeader::inspector};
    const int index = m_changeSelection->currentIndex();
    if (index < 0 || index > 3)
        return;
    QStringList failed;
    for (Investigation *inspection : m_project->inspections()) {
        if (inspection->normKind() == NormFreetext)
            continue;
        inspection->mutableMainData().*fields[index] = m_changeText->text();
        if (!inspection->save())
            failed << inspection->fileName();
    }
    if (failed.isEmpty())
        message(tr("Daten wurden erfolgreich geändert!"), 0, 2000);
    else
        message(tr("Diese Untersuchungen konnten nicht gespeichert werden:\n%1").arg(failed.join(QLatin1Char('\n'))));
}

void OpenProjectDialog::toolBox_clicked(const QString &key)
{
    const auto command = m_commands.constFind(key);
    if (command != m_commands.constEnd())
        (this->*command.value())();
}

void OpenProjectDialog::printProject()
{
    if (m_project && m_print)
        m_print(m_project.get(), this);
}

void OpenProjectDialog::exportProjects()
{
    if (!m_project)
        return;
    setEnabled(false);
    ExportProjectsDialog dialog(m_project.get(), this);
    {
        // The viewer package is assembled right after the dialog is made; until then a progress
        // window says so.
        ProgressDialog loading(this);
        loading.setText(tr("Lade Export-Daten..."));
        loading.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
        QEventLoop wait;
        connect(&dialog, &ExportProjectsDialog::finishedLoading, &wait, &QEventLoop::quit);
        loading.show();
        wait.exec();
    }
    dialog.exec();
    setEnabled(true);
}

void OpenProjectDialog::importInspections()
{
    if (!m_project)
        return;
    ImportDialog dialog(m_project.get(), this);
    dialog.exec();
    m_project->save();
    fillTable();
}

void OpenProjectDialog::deleteProject()
{
    if (!m_project)
        return;
    const QString name = m_project->name();
    if (message(tr("Das Projekt \"%1\" löschen?").arg(name), MessageDialog::Yes | MessageDialog::No)
        != MessageDialog::Yes)
        return;
    const QString folder = m_project->folder();
    if (!m_removeFolder(folder, m_project->root()) || QFileInfo::exists(folder)) {
        // Whatever is left stays listed, and the project stays open while its file is there.
        message(tr("Der Ordner %1 konnte nicht gelöscht werden.").arg(QDir::toNativeSeparators(folder)));
        if (!QFileInfo::exists(m_project->path()))
            back();
        return;
    }
    back();
}

void OpenProjectDialog::renameProject()
{
    if (!m_project)
        return;
    QStringList taken = folderNames();
    taken.removeAll(m_project->name());
    const QString name = m_askName(this, tr("Projekt umbenennen"), true, taken, m_project->name());
    if (name.isEmpty() || name == m_project->name())
        return;
    // The store follows its folder; reopening from the new folder makes sure every later save
    // (order, import, bulk change) goes there.
    if (m_project->rename(name))
        showProject(name);
    fillList();
    fillTable();
}

void OpenProjectDialog::convertInspection()
{
    Investigation *inspection = selectedInspection();
    if (!inspection) {
        message(tr("Bitte wählen Sie das zu konvertierende\nATV oder Isybau 2001 Projekt aus!"));
        return;
    }
    if (inspection->normKind() != NormATV && inspection->normKind() != NormIsybau2001) {
        message(tr("Nur Untersuchungen nach ATV oder Isybau 2001\nkönnen umgewandelt werden!"));
        return;
    }
    if (message(tr("Die Untersuchung \"%1\" wirklich umwandeln?").arg(inspection->fileName()),
                MessageDialog::Yes | MessageDialog::No)
        != MessageDialog::Yes)
        return;
    if (auto *older = dynamic_cast<Isybau2001 *>(inspection))
        older->convert();
    m_project->save();
    fillTable();
}

void OpenProjectDialog::deleteInspection()
{
    Investigation *inspection = selectedInspection();
    if (!inspection) {
        message(tr("Bitte wählen Sie das zu löschende Projekt aus!"));
        return;
    }
    if (message(tr("Die Untersuchung \"%1\" löschen?").arg(inspection->fileName()),
                MessageDialog::Yes | MessageDialog::No)
        != MessageDialog::Yes)
        return;
    // Only a folder of its own inside the project's goes, never the project folder or one above.
    const QString folder = QDir::cleanPath(inspection->folder());
    if (!m_removeFolder(folder, m_project->folder()) || QFileInfo::exists(folder)) {
        message(tr("Der Ordner %1 konnte nicht gelöscht werden.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_project->removeInspection(inspection);
    delete inspection;
    m_project->save();
    fillTable();
}

void OpenProjectDialog::renameInspection()
{
    Investigation *inspection = selectedInspection();
    if (!inspection)
        return;
    const QString oldName = inspection->fileName();
    const QString oldBase = QFileInfo(oldName).completeBaseName();
    QStringList taken = QDir(m_project->folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    taken.removeAll(oldBase);
    const QString newBase = m_askName(this, tr("Untersuchung umbenennen"), true, taken, oldBase);
    if (newBase.isEmpty() || newBase == oldBase)
        return;
    if (!inspection->rename(newBase)) {
        message(tr("Die Untersuchung \"%1\" konnte nicht umbenannt werden.").arg(oldName));
        fillTable();
        return;
    }
    m_project->save();
    // The 3D network names its courses' inspections by file name; they follow the rename. The
    // file is edited in place, so no 3D project is built for it.
    const QString file3D = m_project->folder() + QLatin1Char('/') + k3DFile;
    if (QFileInfo::exists(file3D)) {
        const QString suffix = QFileInfo(oldName).suffix();
        const QString newName = suffix.isEmpty() ? newBase : newBase + QLatin1Char('.') + suffix;
        if (!renameConnectedInspections(file3D, oldName, newName))
            message(tr("Die Datei %1 konnte nicht angepasst werden.").arg(QDir::toNativeSeparators(file3D)));
    }
    fillTable();
}

void OpenProjectDialog::back()
{
    m_project.reset();
    m_stack->setCurrentIndex(0);
    fillList();
}
