#include "model/investigation.h"

#include "model/modellog.h"

#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "foundation/filetext.h"
#include "foundation/platform/platform.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtDebug>

#include <cmath>
#include <cstring>

namespace {

// The side file's name of the inspection length, for the files that have no field for it.
const char kInspectionLengthKey[] = "inspectionLength";

// Whether the stream reader may meet a document type declaration in bytes, the one place where
// a file declares entities. It cannot where the bytes are read as UTF-8 (no byte-order mark, no
// wide encoding, no other encoding declared) and what comes before the first element holds
// only processing instructions and comments, for the reader takes a declaration only there.
// The guard's own parse, which costs as much as decoding the whole file again, is left for the
// rest.
bool mayDeclareDocumentType(const QByteArray &bytes)
{
    if (bytes.size() < 2 || bytes.at(0) != '<' || bytes.at(1) == '\0')
        return true;
    if (bytes.startsWith("<?xml")) {
        const int end = bytes.indexOf("?>");
        if (end < 0)
            return true;
        const QByteArray declaration = bytes.left(end).toLower();
        const int at = declaration.indexOf("encoding");
        if (at >= 0) {
            QByteArray name = declaration.mid(at + 8).trimmed();
            if (!name.startsWith('='))
                return true;
            name = name.mid(1).trimmed();
            if (name != "\"utf-8\"" && name != "'utf-8'" && !name.startsWith("\"utf-8\" ")
                && !name.startsWith("'utf-8' "))
                return true;
        }
    }
    const char *at = bytes.constData();
    const char *const end = at + bytes.size();
    const auto startsWith = [&end](const char *from, const char *what) {
        const size_t length = std::strlen(what);
        return size_t(end - from) >= length && std::memcmp(from, what, length) == 0;
    };
    // The end of what starts at from and ends with what, or null.
    const auto after = [&end](const char *from, const char *what) -> const char * {
        const size_t length = std::strlen(what);
        for (; from + length <= end; ++from) {
            from = static_cast<const char *>(std::memchr(from, what[0], size_t(end - from)));
            if (!from || from + length > end)
                return nullptr;
            if (std::memcmp(from, what, length) == 0)
                return from + length;
        }
        return nullptr;
    };
    while ((at = static_cast<const char *>(std::memchr(at, '<', size_t(end - at))))) {
        if (startsWith(at, "<?"))
            at = after(at + 2, "?>");
        else if (startsWith(at, "<!--"))
            at = after(at + 4, "-->");
        else
            return at + 1 < end && at[1] == '!'; // a declaration, or the first element
        if (!at)
            return true;
    }
    return false;
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

bool Investigation::readInput(const QString &path, QByteArray &bytes, bool xml)
{
    QString refusal;
    bool read = false;
    if (m_loadingContent) {
        // Bytes a caller already read from path, within the same limits as a read of the file.
        bytes = *m_loadingContent;
        refusal = bytes.size() > ReadGuard::LargeFileLimit ? ReadGuard::sizeRefusal(path, ReadGuard::LargeFileLimit)
                  : xml && mayDeclareDocumentType(bytes) ? ReadGuard::xmlRefusal(bytes, ReadGuard::XmlUse::Stream)
                                                         : QString();
        read = refusal.isEmpty();
        if (!read)
            bytes.clear();
    } else {
        read = xml ? ReadGuard::readXml(path, ReadGuard::LargeFileLimit, ReadGuard::XmlUse::Stream, bytes, refusal)
                   : ReadGuard::readFile(path, ReadGuard::LargeFileLimit, bytes, refusal);
    }
    if (!read)
        noteLoadFailure(refusal);
    return read;
}

bool Investigation::loadContent(const QString &path, const QByteArray &content)
{
    m_loadingContent = &content;
    const bool loaded = load(path);
    m_loadingContent = nullptr;
    return loaded;
}

bool Investigation::load(const QString &path)
{
    beginLoad();
    QByteArray bytes;
    // One read serves both passes.
    if (readInput(path, bytes)) {
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
    QByteArray bytes;
    bool written = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QXmlStreamWriter writer(&buffer);
        writer.setCodec("UTF-8");
        writeDocument(writer);
        for (int i = 0; i < m_observations.size(); ++i)
            writeObservation(writer, i);
        writeFilms(writer);
        // The writer leaves out what it cannot encode (characters XML does not allow) and says
        // so here: such a file is not written at all.
        written = !writer.hasError();
    }
    AtomicFile file(path);
    if (!file.open()) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(path, file.errorString()));
        return false;
    }
    if (!written || !file.write(bytes) || !file.commit()) {
        // Qt's own words for a write given up, from Qt's catalogue, as it reported such a file.
        static const char qtContext[] = "QSaveFile";
        static const char qtText[] = "Writing canceled by application";
        const QString reason = written ? file.errorString() : QCoreApplication::translate(qtContext, qtText);
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(path, reason));
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
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec("UTF-8");
        // Windows installations read the first line. Further lines only where there is something
        // to keep, so that other side files stay as they were.
        stream << FileText::forLine(m_header.client) << "\r\n";
        if (!fileHoldsInspectionLength() && m_header.inspectionLength != 0.0)
            stream << kInspectionLengthKey << '=' << QString::number(m_header.inspectionLength, 'f', 2) << "\r\n";
    }
    AtomicFile file(sidePath);
    if (!file.open()) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(sidePath, file.errorString()));
        return false;
    }
    if (!file.write(bytes) || !file.commit()) {
        Reporter::error(QCoreApplication::translate("Investigation", "Die Datei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(sidePath, file.errorString()));
        return false;
    }
    return true;
}

void Investigation::readSideFile(const QString &path)
{
    // A missing side file simply fails to open: no separate look-up, since every inspection of a
    // project opened asks for one. Read whole in one read of its size and taken apart in memory,
    // as reading it line by line in text mode asked the system for its size before every read.
    QFile file(FileHelper::replaceSuffix(path, QStringLiteral("dat")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    QByteArray bytes = file.readAll();
    file.close();
    // Text mode drops every carriage return.
    bytes.replace('\r', QByteArray());
    QString line;
    QStringList further;
    const auto starts = [&bytes](char c) { return !bytes.isEmpty() && bytes.at(0) == c; };
    if (starts('\xef') || starts('\xfe') || starts('\xff') || starts('\0')) {
        // A byte-order mark or a wide encoding: the text stream tells them apart.
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        line = stream.readLine();
        while (!stream.atEnd())
            further << stream.readLine();
    } else {
        // Lines end at line feeds; a last line without one counts, an empty end does not.
        int from = 0;
        do {
            const int end = bytes.indexOf('\n', from);
            const int size = (end < 0 ? bytes.size() : end) - from;
            const QString text = QString::fromUtf8(bytes.constData() + from, size);
            if (from == 0)
                line = text;
            else
                further << text;
            from = end < 0 ? bytes.size() : end + 1;
        } while (from < bytes.size());
    }
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    m_header.client = line;

    const QString lengthPrefix = QLatin1String(kInspectionLengthKey) + QLatin1Char('=');
    for (const QString &entry : qAsConst(further)) {
        if (fileHoldsInspectionLength() || !entry.startsWith(lengthPrefix))
            continue;
        const QString value = entry.mid(lengthPrefix.size()).trimmed();
        bool ok = false;
        const double length = value.toDouble(&ok);
        if (ok && std::isfinite(length) && length >= 0.0 && length <= ModelUtils::kMaxFileNumber)
            m_header.inspectionLength = length;
        else
            noteReadProblem(QCoreApplication::translate("Investigation", "%1: \"%2\" ist keine Inspektionslänge.")
                                .arg(QDir::toNativeSeparators(file.fileName()), value));
    }
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

int Investigation::headerTextLength(QString InspectionHeader::*) const
{
    return 0;
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

QString Investigation::descriptionPhotoNote() const
{
    return QStringLiteral(", Foto angelegt");
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

// --- orders

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
