#include "project/project.h"

#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "foundation/filetext.h"
#include "foundation/global.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"
#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/freetext.h"
#include "model/investigation.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <cstring>
#include <memory>

namespace {

const QString kProjectFile = QStringLiteral("project.xml");

// A name from a file or the user that stays inside its folder.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// The file name up to its last "." (the whole name when it has none).
QString baseName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? fileName.left(dot) : fileName;
}

struct XmlContent
{
    NormKind kind = Project::UnknownKind;
    QString language;
    // The scan was left out: the file is ISYBAU 2006 if it parses to its end, else of no known kind.
    bool unlessBroken = false;
};

enum class Examine {
    Language,
    Kind,
    // As Kind, but a file whose kind only a full parse could settle is left unparsed (see
    // XmlContent::unlessBroken).
    KindLeavingFullParse
};

// Which deciding elements could still turn up and overrule one already seen. A scan that knows
// none can may stop at the first one it meets.
struct LaterElements
{
    bool za = true;
    bool fd = true;
    bool dza = true;
};

// One pass of the stream reader over the document: which of the deciding elements it holds and
// the text of the first "A2". A document that breaks is decided by what came before the break.
XmlContent scanXml(QXmlStreamReader &reader, LaterElements later = LaterElements())
{
    bool za = false;
    bool fd = false;
    bool dza = false;
    bool a2 = false;
    XmlContent content;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = reader.name();
        if (name == QLatin1String("ZA")) {
            za = true;
            if (a2)
                break; // nothing later can change the answer
        } else if (name == QLatin1String("FD")) {
            fd = true;
            if (!later.za)
                break;
        } else if (name == QLatin1String("DZA")) {
            dza = true;
            if (!later.za && !later.fd)
                break;
        } else if (!a2 && name == QLatin1String("A2")) {
            a2 = true;
            content.language = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (za)
                break;
        }
    }
    if (!a2)
        content.language = QStringLiteral("de");
    if (za)
        content.kind = NormEN135082;
    else if (fd)
        content.kind = NormDWAM1492;
    else if (dza)
        content.kind = NormDanDas;
    else if (!reader.hasError())
        content.kind = NormIsybau2006;
    return content;
}

// Text that is not UTF-8 although the document declares UTF-8 or nothing was written with the
// Windows code page; the readers of the model take it as such, and so does the content test.
bool declaresUtf8(const QByteArray &bytes)
{
    const int end = bytes.indexOf("?>");
    if (!bytes.startsWith("<?xml") || end < 0)
        return true;
    const QByteArray declaration = bytes.left(end).toLower();
    const int at = declaration.indexOf("encoding");
    return at < 0 || declaration.indexOf("utf-8", at) >= 0;
}

// Whether the bytes spell element names in ASCII: no NUL byte (a wide encoding) and no declared
// encoding other than UTF-8, Latin or a Windows code page.
bool spellsNamesInAscii(const QByteArray &bytes)
{
    // memchr: QByteArray looks at one byte after the other.
    if (std::memchr(bytes.constData(), '\0', size_t(bytes.size())))
        return false;
    if (bytes.startsWith("<?xml")) {
        const QByteArray declaration = bytes.left(bytes.indexOf("?>")).toLower();
        const int at = declaration.indexOf("encoding");
        if (at >= 0) {
            const QByteArray rest = declaration.mid(at);
            return rest.contains("utf-8") || rest.contains("iso-8859") || rest.contains("latin")
                   || rest.contains("windows-125") || rest.contains("ascii");
        }
    }
    return true;
}

// Which of the deciding elements the bytes may hold: a "<" followed by a tag name whose local
// part (after a prefix) is the element's name. Each may be present whenever the bytes may not
// spell names in ASCII, so that an element said to be absent is certainly absent.
LaterElements mayHoldElements(const QByteArray &bytes)
{
    const LaterElements unsure;
    if (!spellsNamesInAscii(bytes))
        return unsure;
    LaterElements held;
    held.za = held.fd = held.dza = false;
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    const auto endsName = [](char c) {
        return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
    };
    for (const char *at = begin; at < end;) {
        const char *open = static_cast<const char *>(std::memchr(at, '<', size_t(end - at)));
        if (!open)
            break;
        const char *name = open + 1;
        const char *nameEnd = name;
        while (nameEnd < end && !endsName(*nameEnd) && *nameEnd != '<') {
            if (*nameEnd == ':')
                name = nameEnd + 1;
            ++nameEnd;
        }
        const QLatin1String local(name, int(nameEnd - name));
        if (local == QLatin1String("ZA"))
            held.za = true;
        else if (local == QLatin1String("FD"))
            held.fd = true;
        else if (local == QLatin1String("DZA"))
            held.dza = true;
        at = nameEnd;
    }
    return held;
}

// The kind and the catalogue language of a document as the stream reader would find them, told
// from its bytes without parsing it, for a document the reader parses to its end without error.
// In such a document every "<" outside comments, character data sections and processing
// instructions opens a tag, so the deciding elements are found by looking at those. sure is
// false where the bytes alone cannot tell: names not spelt in ASCII, a document type declaration
// (its entities may expand to elements), a name of two prefixes, or a first "A2" whose text is
// more than plain ASCII (an entity, markup, a line end the reader would change).
struct ByteScan
{
    bool sure = false;
    XmlContent content;
};

ByteScan scanBytes(const QByteArray &bytes)
{
    ByteScan scan;
    if (!spellsNamesInAscii(bytes))
        return scan;
    const char *const end = bytes.constData() + bytes.size();
    // The first occurrence of what in [from, end), or null.
    const auto find = [end](const char *from, const char *what) -> const char * {
        const size_t length = std::strlen(what);
        for (const char *at = from; at + length <= end; ++at) {
            at = static_cast<const char *>(std::memchr(at, what[0], size_t(end - at)));
            if (!at || at + length > end)
                return nullptr;
            if (std::memcmp(at, what, length) == 0)
                return at;
        }
        return nullptr;
    };
    const auto startsWith = [end](const char *at, const char *what) {
        const size_t length = std::strlen(what);
        return size_t(end - at) >= length && std::memcmp(at, what, length) == 0;
    };
    const auto endsName = [](char c) {
        return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
    };
    bool za = false;
    bool fd = false;
    bool dza = false;
    bool a2 = false;
    for (const char *at = bytes.constData(); at < end;) {
        const char *open = static_cast<const char *>(std::memchr(at, '<', size_t(end - at)));
        if (!open || open + 1 >= end)
            break;
        const char *name = open + 1;
        // End tags, and names that cannot be a deciding one, are passed over by their first bytes.
        if (*name == '/') {
            at = name + 1;
            continue;
        }
        if (*name == '!' || *name == '?') {
            const bool comment = startsWith(name, "!--");
            const bool data = startsWith(name, "![CDATA[");
            if (*name == '!' && !comment && !data)
                return scan; // a document type declaration
            const char *close = comment ? find(name + 3, "-->") : data ? find(name + 8, "]]>") : find(name + 1, "?>");
            if (!close)
                return scan;
            at = close + (*name == '?' ? 2 : 3);
            continue;
        }
        const char *local = name;
        const char *nameEnd = name;
        int colons = 0;
        while (nameEnd < end && !endsName(*nameEnd) && *nameEnd != '<') {
            if (*nameEnd == ':') {
                ++colons;
                local = nameEnd + 1;
            }
            ++nameEnd;
        }
        if (colons > 1)
            return scan;
        const int length = int(nameEnd - local);
        if (length < 2 || length > 3 || (local[0] != 'Z' && local[0] != 'F' && local[0] != 'D' && local[0] != 'A')) {
            at = nameEnd;
            continue;
        }
        const QLatin1String localName(local, int(nameEnd - local));
        if (localName == QLatin1String("ZA")) {
            za = true;
        } else if (localName == QLatin1String("FD")) {
            fd = true;
        } else if (localName == QLatin1String("DZA")) {
            dza = true;
        } else if (!a2 && localName == QLatin1String("A2")) {
            a2 = true;
            // The end of the start tag; a quoted attribute value may hold a ">".
            const char *tagEnd = nameEnd;
            char quote = 0;
            for (; tagEnd < end; ++tagEnd) {
                if (quote) {
                    if (*tagEnd == quote)
                        quote = 0;
                } else if (*tagEnd == '"' || *tagEnd == '\'') {
                    quote = *tagEnd;
                } else if (*tagEnd == '>') {
                    break;
                }
            }
            if (tagEnd >= end)
                return scan;
            if (tagEnd[-1] != '/') {
                const char *text = tagEnd + 1;
                const char *textEnd = static_cast<const char *>(std::memchr(text, '<', size_t(end - text)));
                if (!textEnd || !startsWith(textEnd, "</")
                    || !startsWith(textEnd + 2, QByteArray(name, int(nameEnd - name)).constData()))
                    return scan;
                const char *closeEnd = textEnd + 2 + (nameEnd - name);
                while (closeEnd < end && (*closeEnd == ' ' || *closeEnd == '\t' || *closeEnd == '\n'))
                    ++closeEnd;
                if (closeEnd >= end || *closeEnd != '>')
                    return scan;
                for (const char *c = text; c < textEnd; ++c) {
                    const unsigned char u = static_cast<unsigned char>(*c);
                    if ((u < 0x20 && u != '\t' && u != '\n') || u > 0x7e || u == '&')
                        return scan;
                }
                // An element without text reads as a null string.
                if (textEnd > text)
                    scan.content.language = QString::fromLatin1(text, int(textEnd - text));
            }
            nameEnd = tagEnd;
        }
        at = nameEnd;
    }
    scan.sure = true;
    if (!a2)
        scan.content.language = QStringLiteral("de");
    if (za)
        scan.content.kind = NormEN135082;
    else if (fd)
        scan.content.kind = NormDWAM1492;
    else if (dza)
        scan.content.kind = NormDanDas;
    else
        scan.content.kind = NormIsybau2006;
    return scan;
}

// For the kind alone: the language matters only where a "ZA" decides, so the scan may stop at
// the first deciding element that nothing later in the file could overrule.
XmlContent examineXml(const QString &path, Examine examine)
{
    QByteArray bytes;
    QString refusal;
    if (!ReadGuard::readFile(path, ReadGuard::LargeFileLimit, bytes, refusal)) {
        // Too large to read: its start still tells the kind, so that the inspection's own load
        // can say why it is not read.
        QFile file(path);
        if (ReadGuard::sizeRefusal(path, ReadGuard::LargeFileLimit).isEmpty() || !file.open(QIODevice::ReadOnly))
            return {};
        bytes = file.read(1024 * 1024);
    }
    LaterElements later;
    if (examine != Examine::Language) {
        later = mayHoldElements(bytes);
        later.fd = later.fd || later.za;
        if (examine == Examine::KindLeavingFullParse && !later.za && !later.fd && !later.dza) {
            XmlContent content;
            content.kind = NormIsybau2006;
            content.unlessBroken = true;
            return content;
        }
    }
    QXmlStreamReader reader(bytes);
    XmlContent content = scanXml(reader, later);
    if (content.kind != Project::UnknownKind || reader.error() != QXmlStreamReader::NotWellFormedError)
        return content;
    // Maybe only the encoding broke the read.
    if (!declaresUtf8(bytes))
        return content;
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return content;
    QXmlStreamReader recoded(QTextCodec::codecForName("Windows-1252")->toUnicode(bytes).toUtf8());
    return scanXml(recoded, later);
}

// Takes the messages meant for the user until pass() hands them on or the object goes (then
// they are dropped); the handler it replaced is restored either way.
class CaughtMessages
{
public:
    CaughtMessages()
        : m_previous(Reporter::setHandler([this](Reporter::Kind kind, const QString &text) {
            m_messages.append({kind, text});
        }))
    {
    }
    ~CaughtMessages() { restore(); }
    CaughtMessages(const CaughtMessages &) = delete;
    CaughtMessages &operator=(const CaughtMessages &) = delete;

    void pass()
    {
        restore();
        for (const auto &message : qAsConst(m_messages)) {
            if (message.first == Reporter::Kind::Notice)
                Reporter::notice(message.second);
            else
                Reporter::error(message.second);
        }
        m_messages.clear();
    }

private:
    void restore()
    {
        if (m_restored)
            return;
        m_restored = true;
        Reporter::setHandler(m_previous);
    }

    Reporter::Handler m_previous;
    QList<QPair<Reporter::Kind, QString>> m_messages;
    bool m_restored = false;
};

// Only a parse to the end tells an ISYBAU 2006 file from one of no known kind, and its load parses
// it to the end anyway. So the load goes first with its messages held back; a load that found no
// fault settles the kind. Only where it found one is the file scanned on its own: an ISYBAU 2006
// file that failed to load keeps its inspection and its messages, a file of no known kind gives
// neither. Null for the latter.
Investigation *loadIsybau2006UnlessBroken(const QString &path)
{
    if (Reporter::isHeld()) {
        // Held messages never reach a handler, so they could not be held back here.
        if (examineXml(path, Examine::Kind).kind != NormIsybau2006)
            return nullptr;
        auto *inspection = new Isybau2006;
        inspection->load(path);
        return inspection;
    }
    auto inspection = std::make_unique<Isybau2006>();
    CaughtMessages messages;
    inspection->load(path);
    if (inspection->loadResult() != Investigation::LoadResult::Loaded
        && examineXml(path, Examine::Kind).kind != NormIsybau2006)
        return nullptr;
    messages.pass();
    return inspection.release();
}

// A new inspection of the given file's kind, not yet loaded; null for an ".xml" file of
// unknown kind. Free-text inspections (any file that is no inspection file) are named after it.
// An ISYBAU 2006 file may come loaded already (*loaded set).
Investigation *makeInspection(const QString &path, bool *loaded)
{
    *loaded = false;
    if (path.endsWith(QLatin1String(".h")) || path.endsWith(QLatin1String(".lh"))) {
        auto *inspection = new Isybau2001;
        inspection->setNormKind(path.endsWith(QLatin1String(".h")) ? NormATV : NormIsybau2001);
        return inspection;
    }
    if (path.endsWith(QLatin1String(".xml"))) {
        const XmlContent content = examineXml(path, Examine::KindLeavingFullParse);
        if (content.unlessBroken) {
            *loaded = true;
            return loadIsybau2006UnlessBroken(path);
        }
        switch (content.kind) {
        case NormEN135082:
            return new EN135082(content.language);
        case NormDWAM1492:
            return new DWAM1492;
        case NormDanDas:
            return new DanDas;
        case NormIsybau2006:
            return new Isybau2006;
        default:
            return nullptr;
        }
    }
    auto *inspection = new Freetext;
    inspection->setNormKind(NormFreetext);
    return inspection;
}

// A new inspection of a kind an ".xml" file may have (not ISYBAU 2001 or free text).
Investigation *newXmlInspection(NormKind kind, const QString &language)
{
    switch (kind) {
    case NormEN135082:
        return new EN135082(language);
    case NormDWAM1492:
        return new DWAM1492;
    case NormDanDas:
        return new DanDas;
    default:
        return new Isybau2006;
    }
}

// The inspection of an ".xml" file in one parse, where its bytes tell its kind: loaded as that
// kind with its messages held back. A load that found no fault has parsed the document to its
// end, so the bytes told the truth; after any other the content test decides, and the load
// stands only where it agrees. Null (nothing reported) where the bytes cannot tell or the load
// was of the wrong kind: the caller then goes the long way.
Investigation *loadXmlInOnePass(const QString &path)
{
    // Held messages never reach a handler, so they could not be held back here.
    if (Reporter::isHeld())
        return nullptr;
    QFile file(path);
    // Unbuffered: the whole file in one read of its size, not copied through a buffer.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return nullptr;
    const QByteArray bytes = file.readAll();
    file.close();
    const ByteScan scan = scanBytes(bytes);
    if (!scan.sure)
        return nullptr;
    std::unique_ptr<Investigation> inspection(newXmlInspection(scan.content.kind, scan.content.language));
    CaughtMessages messages;
    inspection->loadContent(path, bytes);
    if (inspection->loadResult() != Investigation::LoadResult::Loaded) {
        const XmlContent content = examineXml(path, Examine::Kind);
        if (content.kind != scan.content.kind
            || (content.kind == NormEN135082 && content.language != scan.content.language))
            return nullptr;
    }
    messages.pass();
    return inspection.release();
}

// Makes and loads the inspection of a file (a free-text one named after it, in folder); null for
// an ".xml" file of unknown kind.
Investigation *inspectionForFile(const QString &path, const QString &freeTextFolder)
{
    if (path.endsWith(QLatin1String(".xml"))) {
        if (Investigation *inspection = loadXmlInOnePass(path)) {
            inspection->setVideoFile(FileHelper::videoFileFor(path));
            return inspection;
        }
    }
    bool loaded = false;
    Investigation *inspection = makeInspection(path, &loaded);
    if (!inspection)
        return nullptr;
    if (inspection->normKind() == NormFreetext) {
        inspection->setFileName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
        inspection->setFolder(freeTextFolder);
    } else if (!loaded) {
        // A file that fails to load is reported by the model and guarded against being saved
        // over; its inspection stays in the project.
        inspection->load(path);
    }
    inspection->setVideoFile(FileHelper::videoFileFor(path));
    return inspection;
}

} // namespace

// --- construction and persistence

Project::Project(const QString &path)
    : m_path(path)
{
    open();
    if (m_path.isEmpty() && !m_loadFailed && QFileInfo(folder()).isDir())
        save();
}

Project::~Project()
{
    qDeleteAll(m_inspections);
}

Project *Project::create(const QString &name, const QString &root)
{
    if (!isPlainName(name) || root.isEmpty())
        return nullptr;
    const QString folder = QDir(root).absoluteFilePath(name);
    if (QFileInfo::exists(folder + QLatin1Char('/') + kProjectFile))
        return nullptr;
    if (!QDir().mkpath(folder)) {
        Reporter::error(tr("Der Projektordner %1 konnte nicht angelegt werden.").arg(QDir::toNativeSeparators(folder)));
        return nullptr;
    }
    auto *project = new Project;
    project->m_name = name;
    project->m_root = QDir(root).absolutePath();
    if (!project->save()) {
        delete project;
        return nullptr;
    }
    return project;
}

Project *Project::projectOfInspection(const Investigation *inspection)
{
    if (!inspection || inspection->folder().isEmpty())
        return nullptr;
    const QString folder = QDir::cleanPath(QFileInfo(inspection->folder()).absoluteFilePath());
    return new Project(QFileInfo(folder).absolutePath() + QLatin1Char('/') + kProjectFile);
}

QString Project::folder() const
{
    if (m_name.isEmpty() || m_root.isEmpty())
        return QString();
    return m_root + QLatin1Char('/') + m_name;
}

void Project::open()
{
    if (m_path.isEmpty())
        return; // no folder to take a name from, nothing to convert
    const QFileInfo file(m_path);
    // The project is named after its folder, whatever name the file records, so that a folder
    // renamed or copied outside the program still finds its own inspections.
    const QDir folder(file.absolutePath());
    m_name = folder.dirName();
    m_root = QFileInfo(folder.absolutePath()).absolutePath();
    if (!file.exists()) {
        m_path.clear();
        if (!m_name.isEmpty() && !m_root.isEmpty() && folder.exists())
            convertFolder();
        return;
    }
    readFile();
}

void Project::readFile()
{
    QDomDocument document;
    QByteArray bytes;
    QString error;
    int line = 0;
    if (ReadGuard::readXml(m_path, ReadGuard::SmallFileLimit, ReadGuard::XmlUse::Tree, bytes, error)
        && !document.setContent(bytes, &error, &line)) {
        error = tr("Zeile %1: %2").arg(line).arg(error);
    }
    if (!error.isEmpty()) {
        m_loadFailed = true;
        m_loadError = error;
        Reporter::error(tr("Die Projektdatei %1 konnte nicht gelesen werden:\n%2\nSie wird nicht überschrieben.")
                            .arg(QDir::toNativeSeparators(m_path), error));
        return;
    }

    QMap<int, QString> byPosition;
    for (QDomElement child = document.documentElement().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("Properties")) {
            m_printCommentary = child.attribute(QStringLiteral("PrintCommentary"));
            m_printTitle = child.attribute(QStringLiteral("PrintTitle"));
        } else if (child.tagName() == QLatin1String("Inspections")) {
            for (QDomElement entry = child.firstChildElement(QStringLiteral("Inspection")); !entry.isNull();
                 entry = entry.nextSiblingElement(QStringLiteral("Inspection"))) {
                QString name;
                int position = 0;
                for (QDomElement field = entry.firstChildElement(); !field.isNull(); field = field.nextSiblingElement()) {
                    if (field.tagName() == QLatin1String("Name"))
                        name = field.firstChild().nodeValue();
                    else if (field.tagName() == QLatin1String("Position"))
                        position = field.firstChild().nodeValue().toInt();
                }
                byPosition.insert(position, name); // a later entry of a position replaces the earlier
            }
        }
    }
    readInspections(byPosition.values());
}

void Project::readInspections(const QStringList &fileNames)
{
    QStringList refused;
    // The names taken so far, of the inspections and of the entries skipped: a project of
    // hundreds of inspections would otherwise search its list for each entry.
    QSet<QString> taken;
    for (const Investigation *inspection : qAsConst(m_inspections))
        taken.insert(inspection->fileName());
    for (const QString &name : qAsConst(m_skipped))
        taken.insert(name);
    const QString projectFolder = folder();
    for (const QString &name : fileNames) {
        if (name.isEmpty() || taken.contains(name))
            continue;
        // Its folder is the name up to its last dot: "...mpg" would name the folder above the
        // project's, "..mpg" the project folder itself.
        if (!isPlainName(name) || !isPlainName(baseName(name))) {
            refused << name;
            m_skipped << name;
            taken.insert(name);
            continue;
        }
        const QString inspectionFolder = projectFolder + QLatin1Char('/') + baseName(name);
        const QString path = inspectionFolder + QLatin1Char('/') + name;
        Investigation *inspection = inspectionForFile(path, inspectionFolder);
        if (inspection) {
            m_inspections << inspection;
            taken.insert(inspection->fileName());
        } else {
            m_skipped << name;
            taken.insert(name);
        }
    }
    if (!refused.isEmpty())
        Reporter::error(tr("Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:\n%2")
                            .arg(QDir::toNativeSeparators(m_path), refused.join(QLatin1Char('\n'))));
    reportSkipped();
}

void Project::reportSkipped()
{
    QStringList unknown;
    for (const QString &name : qAsConst(m_skipped)) {
        if (isPlainName(name) && isPlainName(baseName(name)))
            unknown << name;
    }
    if (unknown.isEmpty())
        return;
    Reporter::error(tr("Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, "
                       "bleiben aber im Projekt:\n%1")
                        .arg(unknown.join(QLatin1Char('\n'))));
}

void Project::convertFolder()
{
    const QDir projectFolder(folder());
    const QStringList videoPatterns = Global::standardVideoFilter().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList subFolders = projectFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &sub : subFolders) {
        const QString subPath = projectFolder.absoluteFilePath(sub);
        const QString base = subPath + QLatin1Char('/') + sub;
        Investigation *inspection = nullptr;
        if (QFileInfo::exists(base + QLatin1String(".h"))) {
            inspection = inspectionForFile(base + QLatin1String(".h"), subPath);
        } else if (QFileInfo::exists(base + QLatin1String(".lh"))) {
            inspection = inspectionForFile(base + QLatin1String(".lh"), subPath);
        } else if (QFileInfo::exists(base + QLatin1String(".xml"))) {
            inspection = inspectionForFile(base + QLatin1String(".xml"), subPath);
            if (!inspection)
                m_skipped << sub + QLatin1String(".xml");
        } else if (!QDir(subPath).entryList(videoPatterns, QDir::Files).isEmpty()) {
            // Named after its folder, so that its entry finds the folder again; a folder whose
            // videos are named otherwise gives none.
            const QString suffix = FileHelper::findVideoByBaseName(base);
            if (!suffix.isEmpty()) {
                inspection = new Freetext;
                inspection->setNormKind(NormFreetext);
                inspection->setFolder(subPath + QLatin1Char('/'));
                inspection->setFileName(sub + suffix);
                inspection->setVideoFile(base + suffix);
            }
        }
        if (inspection)
            m_inspections << inspection;
    }
    reportSkipped();

    QFile orderFile(projectFolder.absoluteFilePath(QStringLiteral(".project")));
    if (!orderFile.open(QIODevice::ReadOnly))
        return;
    QDataStream stream(&orderFile);
    stream.setVersion(QDataStream::Qt_5_15);
    QStringList order;
    const QString tooLarge = ReadGuard::sizeRefusal(orderFile.fileName(), ReadGuard::SmallFileLimit);
    if (!tooLarge.isEmpty() || !ReadGuard::readStringList(stream, order)) {
        QString text = tr("Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen "
                          "geordnet.")
                           .arg(QDir::toNativeSeparators(orderFile.fileName()));
        if (!tooLarge.isEmpty())
            text += QLatin1Char('\n') + tooLarge;
        Reporter::notice(text);
        return;
    }
    QStringList present;
    for (const QString &entry : qAsConst(order)) {
        if (subFolders.contains(baseName(entry)))
            present << entry;
    }
    for (int i = 0; i < present.size(); ++i)
        moveInspection(present.at(i), i);
}

bool Project::save()
{
    if (m_path.isEmpty()) {
        if (m_name.isEmpty() || m_root.isEmpty())
            return false;
        m_path = folder() + QLatin1Char('/') + kProjectFile;
    }
    if (m_loadFailed) {
        Reporter::error(tr("Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.")
                            .arg(QDir::toNativeSeparators(m_path)));
        return false;
    }
    return writeFile(m_path);
}

bool Project::writeFile(const QString &path)
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ")));
    QDomElement root = document.createElement(QStringLiteral("ZOZOrureProject"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    document.appendChild(root);
    QDomElement properties = document.createElement(QStringLiteral("Properties"));
    properties.setAttribute(QStringLiteral("Name"), m_name);
    properties.setAttribute(QStringLiteral("PrintTitle"), m_printTitle);
    properties.setAttribute(QStringLiteral("PrintCommentary"), m_printCommentary);
    root.appendChild(properties);
    QDomElement list = document.createElement(QStringLiteral("Inspections"));
    root.appendChild(list);
    // Entries that could not be opened keep their place at the end, so that saving does not
    // drop them from the project.
    QStringList names = inspectionNames(true);
    names += m_skipped;
    for (int i = 0; i < names.size(); ++i) {
        QDomElement entry = document.createElement(QStringLiteral("Inspection"));
        QDomElement name = document.createElement(QStringLiteral("Name"));
        name.appendChild(document.createTextNode(names.at(i)));
        QDomElement position = document.createElement(QStringLiteral("Position"));
        position.appendChild(document.createTextNode(QString::number(i)));
        entry.appendChild(name);
        entry.appendChild(position);
        list.appendChild(entry);
    }

    const QString backup = path + QLatin1String(".bak");
    if (QFileInfo::exists(path) && !QFileInfo::exists(backup) && !QFile::copy(path, backup))
        qDebug() << "no backup of" << path;

    FileHelper::removeStaleSaveFiles(path);
    AtomicFile file(path);
    if (!file.open()) {
        Reporter::error(tr("Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    if (!file.write(FileText::xmlDocument(document, 2)) || !file.commit()) {
        Reporter::error(tr("Die Projektdatei %1 konnte nicht geschrieben werden!\n%2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

bool Project::rename(const QString &newName)
{
    if (!isPlainName(newName) || m_name.isEmpty() || m_root.isEmpty()) {
        Reporter::error(tr("\"%1\" ist kein gültiger Projektname.").arg(newName));
        return false;
    }
    if (newName == m_name)
        return true;
    const QString oldName = m_name;
    const QString oldFolder = folder();
    const QString newFolder = m_root + QLatin1Char('/') + newName;
    if (QFileInfo::exists(newFolder)) {
        Reporter::error(tr("Ein Ordner mit dem Namen %1 existiert bereits!").arg(newName));
        return false;
    }
    m_path = oldFolder + QLatin1Char('/') + kProjectFile;
    // The file names the new project before its folder follows.
    m_name = newName;
    if (!save()) {
        m_name = oldName;
        return false;
    }
    if (!FileHelper::renameWithin(oldFolder, newFolder, m_root)) {
        m_name = oldName;
        save();
        Reporter::error(tr("Der Projektordner %1 konnte nicht umbenannt werden.").arg(QDir::toNativeSeparators(oldFolder)));
        return false;
    }
    m_path = newFolder + QLatin1Char('/') + kProjectFile;
    const QString oldPrefix = oldFolder + QLatin1Char('/');
    for (Investigation *inspection : qAsConst(m_inspections)) {
        if (inspection->folder().startsWith(oldPrefix))
            inspection->setFolder(newFolder + QLatin1Char('/') + inspection->folder().mid(oldPrefix.size()));
        if (inspection->videoFile().startsWith(oldPrefix))
            inspection->setVideoFile(newFolder + QLatin1Char('/') + inspection->videoFile().mid(oldPrefix.size()));
    }
    return true;
}

// --- queries

QList<Investigation *> Project::inspections(bool all) const
{
    if (all)
        return m_inspections;
    QList<Investigation *> list;
    for (Investigation *inspection : m_inspections) {
        if (inspection->normKind() != NormFreetext)
            list << inspection;
    }
    return list;
}

QStringList Project::inspectionNames(bool all) const
{
    QStringList names;
    for (const Investigation *inspection : inspections(all))
        names << inspection->fileName();
    return names;
}

QStringList Project::inspectionNamesOfType(NormKind normKind) const
{
    QStringList names;
    for (const Investigation *inspection : m_inspections) {
        if (inspection->normKind() == normKind)
            names << inspection->fileName();
    }
    return names;
}

QStringList Project::inspectionTitles(bool all) const
{
    QStringList titles;
    for (const Investigation *inspection : inspections(all))
        titles << inspection->mainData().sectionName << inspection->fileName();
    return titles;
}

Investigation *Project::inspectionByName(const QString &fileName) const
{
    for (Investigation *inspection : m_inspections) {
        if (inspection->fileName() == fileName)
            return inspection;
    }
    return nullptr;
}

int Project::indexOfInspection(const QString &fileName) const
{
    for (int i = 0; i < m_inspections.size(); ++i) {
        if (m_inspections.at(i)->fileName() == fileName)
            return i;
    }
    return 0;
}

bool Project::inspectionFolderExists(const QString &folderName) const
{
    if (!isPlainName(folderName) || folder().isEmpty())
        return false;
    return QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).contains(folderName);
}

// --- changes of the list

void Project::addInspection(Investigation *inspection)
{
    if (inspection && !m_inspections.contains(inspection))
        m_inspections << inspection;
}

bool Project::removeInspection(Investigation *inspection)
{
    return m_inspections.removeOne(inspection);
}

bool Project::replaceInspection(int index, Investigation *inspection)
{
    if (!inspection || m_inspections.contains(inspection) || index < 0 || index >= m_inspections.size())
        return false;
    delete m_inspections.at(index);
    m_inspections[index] = inspection;
    return true;
}

bool Project::swapInspections(int i, int j)
{
    if (i < 0 || j < 0 || i >= m_inspections.size() || j >= m_inspections.size())
        return false;
    m_inspections.swapItemsAt(i, j);
    return save();
}

void Project::moveInspection(const QString &fileName, int index)
{
    if (index < 0 || index >= m_inspections.size())
        return;
    Investigation *inspection = inspectionByName(fileName);
    if (!inspection)
        return;
    m_inspections.swapItemsAt(m_inspections.indexOf(inspection), index);
}

// --- one file

Investigation *Project::loadInspectionFile(const QString &path)
{
    return inspectionForFile(path, QFileInfo(path).absolutePath());
}

NormKind Project::detectXmlKind(const QString &path)
{
    return examineXml(path, Examine::Kind).kind;
}

QString Project::catalogLanguage(const QString &path)
{
    return examineXml(path, Examine::Language).language;
}

PrintJob Project::createTOC(const QList<Investigation *> &investigations, const QList<int> &indexes, const QString &text)
{
    PrintJob job;
    job.type = QStringLiteral("createTOC");
    job.sectionName = text;
    for (int i = 0; i < investigations.size(); ++i) {
        Investigation *inspection = investigations.at(i);
        if (inspection->normKind() == NormFreetext || (!indexes.isEmpty() && !indexes.contains(i)))
            continue;
        job.entries << inspection->summaryRow();
    }
    if (!investigations.isEmpty())
        job.client = investigations.first()->mainData().client;
    return job;
}
