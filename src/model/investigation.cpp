#include "model/investigation.h"

#include "model/modellog.h"

#include "core/filehelper.h"
#include "core/platform/platform.h"
#include "core/reporter.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtDebug>

#include <algorithm>

namespace {

bool isSafeBaseName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

Investigation::Investigation() = default;

Investigation::~Investigation()
{
    delete m_completer;
}

void Investigation::setFolder(const QString &folder)
{
    m_folder = folder;
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString Investigation::filePath() const
{
    return m_folder + m_fileName;
}

void Investigation::setVideoFile(const QString &path)
{
    qCDebug(lcModel) << "setVideoFile" << path << m_videoFile;
    if (path != m_videoFile)
        m_videoCompatible = FileHelper::isCompatibleVideo(path);
    m_videoFile = path;
}

QString Investigation::observationText(int index, bool raw) const
{
    if (index < 0 || index >= m_observations.size())
        return QString();
    return raw ? m_observations.at(index).remark : observationDescription(m_observations.at(index));
}

bool Investigation::containsCode(const QString &code, bool complete) const
{
    if (complete)
        return m_codes.contains(code);
    for (const QString &c : m_codes) {
        if (c.startsWith(code))
            return true;
    }
    return false;
}

void Investigation::clear()
{
    m_header.clear();
    m_observations.clear();
    m_photoCounter = 0;
}

void Investigation::setPath(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    m_folder = path.left(slash + 1);
    m_fileName = path.mid(slash + 1);
}

void Investigation::createCompleter()
{
    // The next completer() builds it from the codes as they are then.
    delete m_completer;
    m_completer = nullptr;
}

QCompleter *Investigation::completer() const
{
    if (!m_completer)
        m_completer = new QCompleter(m_codes);
    return m_completer;
}

// --- loading and saving

void Investigation::beginLoad()
{
    m_structureProblems.clear();
    m_readProblems.clear();
    m_nothingRead = false;
    m_loadResult = LoadResult::Loaded;
    m_loadFailed = false;
    m_loadError.clear();
    m_failedPath.clear();
    m_failedIdentity.clear();
}

void Investigation::noteReadProblem(const QString &problem)
{
    if (!m_readProblems.contains(problem))
        m_readProblems << problem;
}

void Investigation::noteStructureProblem(const QString &problem)
{
    if (!m_structureProblems.contains(problem))
        m_structureProblems << problem;
}

void Investigation::noteLoadFailure(const QString &problem)
{
    m_nothingRead = true;
    noteStructureProblem(problem);
}

bool Investigation::finishLoad(const QString &path)
{
    if (m_structureProblems.isEmpty() && m_readProblems.isEmpty()) {
        m_loadResult = LoadResult::Loaded;
        m_changed = false;
        return true;
    }
    m_loadResult = m_nothingRead ? LoadResult::Failed : LoadResult::Partial;
    m_loadFailed = true;
    m_failedPath = QFileInfo(path).absoluteFilePath();
    m_failedIdentity = Platform::fileIdentity(path);
    // What concerns the file as a whole comes first: it tells what was not loaded at all, however
    // many single values could not be read.
    const QStringList problems = m_structureProblems + m_readProblems;
    const int shown = 10;
    QStringList lines = problems.mid(0, shown);
    if (problems.size() > shown)
        lines << QCoreApplication::translate("Investigation", "(%1 weitere)").arg(problems.size() - shown);
    m_loadError = lines.join(QLatin1Char('\n'));
    const QString file = QDir::toNativeSeparators(path);
    if (m_nothingRead)
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht gelesen werden:\n%2").arg(file, m_loadError));
    else
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht vollständig gelesen werden:\n%2")
                            .arg(file, m_loadError));
    return false;
}

bool Investigation::mayWrite(const QString &path) const
{
    if (!m_loadFailed)
        return true;
    const QString identity = Platform::fileIdentity(path);
    const bool failedFile = QFileInfo(path).absoluteFilePath() == m_failedPath
                            || (!identity.isEmpty() && identity == m_failedIdentity);
    if (!failedFile)
        return true;
    Reporter::error(QCoreApplication::translate("Investigation",
                                                "Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.")
                        .arg(QDir::toNativeSeparators(path)));
    return false;
}

bool Investigation::load(const QString &path)
{
    beginLoad();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        noteLoadFailure(file.errorString());
    } else {
        // One read serves both passes.
        const QByteArray bytes = file.readAll();
        file.close();
        QXmlStreamReader header(bytes);
        readMainData(header);
        if (header.hasError())
            noteStructureProblem(ModelUtils::xmlErrorText(header));

        QXmlStreamReader reader(bytes);
        readObservations(reader);
        // Read to the end, so that a file cut short is noticed wherever the readers stopped.
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError())
            noteStructureProblem(ModelUtils::xmlErrorText(reader));
        readSideFile(path);
    }
    setPath(path);
    return finishLoad(path);
}

bool Investigation::save()
{
    if (m_normKind == NormFreetext) {
        m_changed = false;
        return true; // free-text inspections live in memory only
    }

    const QString path = filePath();
    if (!mayWrite(path))
        return false;

    FileHelper::removeStaleSaveFiles(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(path, file.errorString()));
        return false;
    }
    {
        QXmlStreamWriter writer(&file);
        writer.setCodec("UTF-8");
        writeDocument(writer);
        for (int i = 0; i < m_observations.size(); ++i)
            writeObservation(writer, i);
        writeFilms(writer);
        if (writer.hasError())
            file.cancelWriting();
    }
    if (!file.commit()) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(path, file.errorString()));
        return false;
    }
    return finishSave(path);
}

bool Investigation::finishSave(const QString &path)
{
    if (!writeSideFile(path))
        return false;
    m_changed = false;
    return true;
}

bool Investigation::writeSideFile(const QString &path) const
{
    const QString sidePath = FileHelper::replaceSuffix(path, QStringLiteral("dat"));
    FileHelper::removeStaleSaveFiles(sidePath);
    QSaveFile file(sidePath);
    if (!file.open(QIODevice::WriteOnly)) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(file.fileName(), file.errorString()));
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    // One line, exchanged with Windows installations.
    stream << oneLine(m_header.client) << "\r\n";
    stream.flush();
    if (!file.commit()) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(file.fileName(), file.errorString()));
        return false;
    }
    return true;
}

void Investigation::readSideFile(const QString &path)
{
    QFile file(FileHelper::replaceSuffix(path, QStringLiteral("dat")));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    QString line = stream.readLine();
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    m_header.client = line;
}

void Investigation::writeDocument(QXmlStreamWriter &) {}
void Investigation::writeFilms(QXmlStreamWriter &) {}
void Investigation::writeObservation(QXmlStreamWriter &, int) {}
void Investigation::readMainData(QXmlStreamReader &) {}
void Investigation::readObservations(QXmlStreamReader &) {}
void Investigation::buildCodeIndex() {}

int Investigation::systemText() const
{
    return 0;
}

// --- overlay pages

void Investigation::buildOverlayPages(int headerSeconds, int observationSeconds)
{
    const int perPage = ModelUtils::TextTable::linesPerPage();
    if (headerSeconds > 0) {
        const QStringList lines = mainDataTable().lines();
        int pageNumber = 0;
        for (int from = 0; from < lines.size(); from += perPage) {
            OverlayPage page;
            page.kind = 1;
            page.start = QTime(0, 0).addSecs(pageNumber * headerSeconds);
            page.duration = headerSeconds;
            page.lines = lines.mid(from, perPage);
            m_overlayPages.add(page);
            ++pageNumber;
        }
    }
    if (observationSeconds != 0) {
        for (int i = 0; i < m_observations.size(); ++i) {
            OverlayPage page;
            page.kind = 1;
            page.start = m_observations.at(i).videoTime;
            page.duration = observationSeconds;
            page.lines = ModelUtils::TextTable::wrapText(observationText(i, false));
            m_overlayPages.add(page);
        }
    }
}

// --- lengths, photos, rows

double Investigation::inspectedLength() const
{
    const double stored = m_header.inspectionLength;
    if (m_observations.isEmpty())
        return stored;
    double maxDistance = m_observations.first().distance;
    double minDistance = maxDistance;
    for (const ObservationRecord &o : m_observations) {
        maxDistance = qMax(maxDistance, o.distance);
        minDistance = qMin(minDistance, o.distance);
    }
    return qMax(stored, maxDistance) - qMin(0.0, minDistance);
}

int Investigation::lastPhotoNumber() const
{
    int last = 0;
    for (const ObservationRecord &o : m_observations) {
        if (o.photoFile.isEmpty())
            continue;
        QString number = o.photoFile.mid(o.photoFile.lastIndexOf(QLatin1Char('_')) + 1);
        number = number.left(number.indexOf(QLatin1Char('.')) >= 0 ? number.indexOf(QLatin1Char('.')) : number.size());
        last = qMax(last, number.toInt());
    }
    return last;
}

QStringList Investigation::folderPhotos() const
{
    QStringList paths;
    if (m_folder.isEmpty())
        return paths;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names)
        paths << m_folder + name;
    return paths;
}

QStringList Investigation::photoFiles() const
{
    // A photo belongs to an observation when its file name is the observation's photo name;
    // names from files are compared literally, never as patterns.
    const QStringList listed = folderPhotos();
    QStringList result;
    for (const ObservationRecord &o : m_observations) {
        if (o.photoFile.isEmpty())
            continue;
        for (const QString &path : listed) {
            if (QFileInfo(path).fileName() == o.photoFile) {
                result << path;
                break;
            }
        }
    }
    return result;
}

QString Investigation::descriptionPhotoNote() const
{
    return QStringLiteral(", Foto angelegt");
}

void Investigation::photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const
{
    QStringList remaining = paths;
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        if (o.photoFile.isEmpty())
            continue;
        const auto found = std::find_if(remaining.begin(), remaining.end(), [&](const QString &path) {
            return QFileInfo(path).fileName() == o.photoFile;
        });
        if (found == remaining.end())
            continue;
        images.append(QImage(*found));
        remaining.erase(found);
        QString description = observationText(i, false);
        description.remove(descriptionPhotoNote());
        texts << o.videoTime.toString(QStringLiteral("hh:mm:ss"))
              << QStringLiteral("%1m").arg(o.distance, 0, 'f', 2) << description;
    }
}

int Investigation::sideFlag(int clockFrom, int clockTo)
{
    if (clockFrom < 1)
        return 1;
    // Without a second position the observation sits at its one position; taking the missing
    // one as 12 o'clock would put 1 to 3 o'clock on the lower half.
    if (clockTo < 1)
        clockTo = clockFrom;
    const int a = (clockFrom + 1) % 12;
    int b = (clockTo + 1) % 12;
    if (a > b)
        b += 12;
    const int m = ((a + b) / 2) % 12;
    return (m < 5 || m > 10) ? 1 : 0;
}

QVector<ObservationRow> Investigation::observationRows()
{
    std::stable_sort(m_observations.begin(), m_observations.end(), lessByDistance);
    QVector<ObservationRow> rows;
    rows.reserve(m_observations.size());
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        ObservationRow row;
        row.distance = o.distance;
        row.videoTime = o.videoTime;
        row.label = o.code + o.character1 + o.character2;
        row.text = observationText(i, false);
        row.side = sideFlag(o.clockFrom, o.clockTo);
        row.category = codeGroup(o.code);
        row.damageClass = o.damageClass;
        rows.append(row);
    }
    return rows;
}

QList<PipeMarker> Investigation::pipeMarkers()
{
    return {};
}

// --- print jobs

QVector<PrintJob> Investigation::inspectionJobs()
{
    return inspectionPrintJob();
}

QVector<PrintJob> Investigation::photoJobs()
{
    return photoPrintJob();
}

QVector<PrintJob> Investigation::printJobs()
{
    return inspectionPrintJob() + photoPrintJob();
}

QVector<PrintJob> Investigation::makeInspectionJobs(int reverseDirection)
{
    PrintJob job;
    job.type = QStringLiteral("inspectionPages");
    job.shortHeader = mainDataList();
    job.normHeader = mainDataListFull();
    job.section = reverseDirection;
    job.flowColorKind = systemText();
    job.startNode = m_header.startNode;
    job.endNode = m_header.endNode;
    job.sectionName = m_header.sectionName;
    job.length = inspectedLength();
    job.rows = observationRows();
    job.points = pipeMarkers();
    return {job};
}

QVector<PrintJob> Investigation::makePhotoJobs(int reverseDirection)
{
    PrintJob job;
    job.type = QStringLiteral("fotoPages");
    job.shortHeader = mainDataList();
    job.normHeader = mainDataListFull();
    job.section = reverseDirection;
    job.startNode = m_header.startNode;
    job.endNode = m_header.endNode;
    job.sectionName = m_header.sectionName;
    job.length = inspectedLength();
    const QStringList paths = folderPhotos();
    photoList(paths, job.photos, job.photoTexts);
    qCDebug(lcModel) << "photo job" << paths << job.photoTexts << job.photos.size();
    return {job};
}

TocEntry Investigation::makeSummaryRow(int kind, const QString &materialText, const QString &sewerText)
{
    TocEntry entry;
    entry.sectionName = m_header.sectionName;
    entry.street = m_header.street;
    entry.date = m_header.date.toString(QStringLiteral("dd.MM.yyyy"));
    entry.startNode = m_header.startNode;
    entry.endNode = m_header.endNode;
    entry.material = materialText;
    entry.height = QStringLiteral("%1mm").arg(m_header.height, 0, 'f', 0);
    entry.width = QStringLiteral("%1mm").arg(m_header.width, 0, 'f', 0);
    entry.videoReference = m_header.videoReference;
    const double length = inspectedLength();
    entry.lengthText = QStringLiteral("%1").arg(length, 0, 'f', 2);
    entry.length = length;
    entry.sewerText = sewerText;
    entry.color = hasStructuralDamage() ? QColor(200, 0, 0, 255) : QColor(0, 0, 0, 255);
    entry.kind = kind;
    return entry;
}

// --- rename and orders

bool Investigation::rename(const QString &newBaseName)
{
    if (!isSafeBaseName(newBaseName)) {
        Reporter::error(QCoreApplication::translate("Investigation", "Der Name \"%1\" ist als Dateiname nicht erlaubt.").arg(newBaseName));
        return false;
    }
    const QFileInfo oldInfo(m_fileName);
    const QString oldBase = oldInfo.completeBaseName();
    const QString suffix = oldInfo.suffix();
    const QString oldFolder = m_folder;
    QDir dir(m_folder);
    bool ok = true;

    // The inspection's folder carries its name; a folder named otherwise stays as it is.
    if (dir.dirName() == oldBase) {
        QDir parent = dir;
        parent.cdUp();
        if (!parent.rename(oldBase, newBaseName))
            return false;
        dir.setPath(parent.absoluteFilePath(newBaseName));
        m_folder = dir.absolutePath() + QLatin1Char('/');
    }
    m_fileName = suffix.isEmpty() && !oldInfo.fileName().endsWith(QLatin1Char('.'))
                     ? newBaseName
                     : newBaseName + QLatin1Char('.') + suffix;

    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : files) {
        if (!name.startsWith(oldBase))
            continue;
        const QString renamed = QString(name).replace(oldBase, newBaseName);
        if (!dir.rename(name, renamed))
            ok = false;
    }

    // The video moved with the folder.
    if (!m_videoFile.isEmpty() && m_videoFile.startsWith(oldFolder)) {
        QString videoName = m_videoFile.mid(oldFolder.size());
        if (!videoName.contains(QLatin1Char('/')) && videoName.startsWith(oldBase))
            videoName.replace(oldBase, newBaseName);
        m_videoFile = m_folder + videoName;
    }
    // A file that failed to load stays guarded under its new name, also where it did not exist.
    if (m_loadFailed && m_failedPath == QFileInfo(oldFolder + oldInfo.fileName()).absoluteFilePath())
        m_failedPath = QFileInfo(filePath()).absoluteFilePath();
    return ok;
}

bool Investigation::lessByDate(const Investigation *a, const Investigation *b)
{
    if (a->m_header.date != b->m_header.date)
        return a->m_header.date < b->m_header.date;
    return a->m_header.time < b->m_header.time;
}

bool Investigation::lessByFileName(const Investigation *a, const Investigation *b)
{
    return a->m_fileName < b->m_fileName;
}

bool Investigation::lessBySectionName(const Investigation *a, const Investigation *b)
{
    return a->m_header.sectionName < b->m_header.sectionName;
}

bool Investigation::lessByVideoNumber(const Investigation *a, const Investigation *b)
{
    bool aIsNumber = false;
    bool bIsNumber = false;
    const qlonglong an = a->m_header.videoReference.toLongLong(&aIsNumber);
    const qlonglong bn = b->m_header.videoReference.toLongLong(&bIsNumber);
    if (aIsNumber)
        return !bIsNumber || an < bn;
    if (bIsNumber)
        return false;
    return a->m_header.videoReference < b->m_header.videoReference;
}
