#include "model/dandas.h"

#include "model/headerfields.h"
#include "model/modellog.h"
#include "model/sharedcatalogue.h"

#include "foundation/readguard.h"
#include "foundation/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <iterator>

namespace {

const QString kCatalogPath = QStringLiteral(":/norm/DanDas_da.xml");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("hhmmss");

// Codes that the lookups and the description treat as having no characterisation, class or
// quantity although the catalogue does not list them.
bool isSpecialCode(const QString &code)
{
    return code == QLatin1String("SI") || code == QLatin1String("EI") || code == QLatin1String("CO");
}

namespace hf = HeaderFields;

// The header group "DZB", in file order. Its last element, "AAW", ends the header. The reader
// takes the rows' kinds but reports bad values in this format's own words.
const hf::Field kHeaderRows[] = {
    hf::text("AAA", &InspectionHeader::sectionName),
    hf::text("AAB", &InspectionHeader::startNode),
    hf::text("AAC", &InspectionHeader::startNodeType),
    hf::text("AAD", &InspectionHeader::endNode),
    hf::text("AAE", &InspectionHeader::endNodeType),
    hf::text("AAF", &InspectionHeader::town),
    hf::text("AAG", &InspectionHeader::street),
    hf::text("AAH", &InspectionHeader::direction),
    hf::text("AAI", &InspectionHeader::client),
    hf::text("AAJ", &InspectionHeader::profile),
    hf::profileSize("AAK", &InspectionHeader::height, 2),
    hf::profileSize("AAL", &InspectionHeader::width, 2),
    hf::date("AAM", "yyyy-MM-dd"),
    hf::text("AAN", &InspectionHeader::reason),
    hf::text("AAO", &InspectionHeader::material),
    hf::text("AAP", &InspectionHeader::cleaning),
    hf::text("AAQ", &InspectionHeader::inspector),
    hf::text("AAR", &InspectionHeader::sewerKind),
    hf::text("AAS", &InspectionHeader::videoReference),
    hf::text("AAT", &InspectionHeader::videoMedium),
    hf::text("AAU", &InspectionHeader::pipeType),
    hf::text("AAV", &InspectionHeader::inspectionKind),
    hf::text("AAW", &InspectionHeader::weather),
};
const hf::Table kHeaderFields(kHeaderRows);

// The video time "hhmmss". Six digits of a valid time are taken directly: QTime::fromString
// consults the time zone on every call, and a file holds one time per observation.
QTime readVideoTime(const QString &text)
{
    if (text.size() == 6) {
        int digits[6] = {};
        bool plain = true;
        for (int i = 0; i < 6 && plain; ++i) {
            const ushort c = text.at(i).unicode();
            plain = c >= '0' && c <= '9';
            digits[i] = c - '0';
        }
        const int hours = digits[0] * 10 + digits[1];
        const int minutes = digits[2] * 10 + digits[3];
        const int seconds = digits[4] * 10 + digits[5];
        if (plain && QTime::isValid(hours, minutes, seconds))
            return QTime(hours, minutes, seconds);
    }
    return QTime::fromString(text, kTimeFormat);
}

QString location(const QXmlStreamReader &reader)
{
    return QStringLiteral("%1:%2").arg(reader.lineNumber()).arg(reader.columnNumber());
}

} // namespace

DanDas::DanDas()
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormDanDas;
}

// --- catalogue

void DanDas::loadCatalog()
{
    ModelUtils::loadSharedCatalogue(kCatalogPath, m_catalog, optionLists(), [this] { readCatalogFile(); });
}

QHash<QString, OptionMap *> DanDas::optionLists()
{
    return {
        {QStringLiteral("node_type"), &m_options.nodeType},
        {QStringLiteral("direction"), &m_options.direction},
        {QStringLiteral("section"), &m_options.profile},
        {QStringLiteral("sectionsrc"), &m_options.profileSource},
        {QStringLiteral("material"), &m_options.material},
        {QStringLiteral("materialsrc"), &m_options.materialSource},
        {QStringLiteral("system"), &m_options.system},
        {QStringLiteral("cleaning"), &m_options.cleaning},
        {QStringLiteral("pipe_use"), &m_options.pipeType},
        {QStringLiteral("methode"), &m_options.inspectionKind},
        {QStringLiteral("weather"), &m_options.weather},
    };
}

void DanDas::readCatalogFile()
{
    m_catalog.clear();
    QFile file(kCatalogPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcModel) << "cannot open" << kCatalogPath;
        return;
    }
    QXmlStreamReader reader(&file);
    // One root element; reading on after its end would count as a broken document.
    if (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("DANDAS"))
            readCatalogRoot(reader);
        else
            qCDebug(lcModel) << "loadDandasData false name" << reader.name();
    }
    if (reader.hasError())
        qCWarning(lcModel) << kCatalogPath << reader.errorString() << location(reader);
}

void DanDas::readCatalogRoot(QXmlStreamReader &reader)
{
    while (reader.readNextStartElement()) {
        qCDebug(lcModel) << "loadDandasdata name" << reader.name();
        if (reader.name() == QLatin1String("texte")) {
            readCatalogTexts(reader);
        } else if (reader.name() == QLatin1String("type")) {
            readCatalogType(reader);
        } else {
            qCDebug(lcModel) << "loadDandasdata weird Entry" << reader.name();
            reader.skipCurrentElement();
        }
    }
}

void DanDas::readCatalogTexts(QXmlStreamReader &reader)
{
    const QHash<QString, OptionMap *> lists = optionLists();
    qCDebug(lcModel) << "in loadTexte";
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        qCDebug(lcModel) << "in loadTexte name" << name;
        if (OptionMap *map = lists.value(name))
            ModelUtils::readOptionList(reader, name, *map);
        else
            reader.skipCurrentElement();
    }
}

void DanDas::readCatalogType(QXmlStreamReader &reader)
{
    DanDasCatalogType type;
    while (reader.readNextStartElement()) {
        qCDebug(lcModel) << "loadDandasEntry name" << reader.name();
        if (reader.name() == QLatin1String("token")) {
            ModelUtils::readTextElement(reader, type.token);
        } else if (reader.name() == QLatin1String("text")) {
            ModelUtils::readTextElement(reader, type.text);
        } else if (reader.name() == QLatin1String("subtype")) {
            DanDasEntry entry;
            readCatalogSubtype(reader, entry);
            type.entries.append(entry);
        } else {
            reader.skipCurrentElement();
        }
    }
    m_catalog.insert(type.token, type);
}

void DanDas::readCatalogSubtype(QXmlStreamReader &reader, DanDasEntry &entry)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("token")) {
            ModelUtils::readTextElement(reader, entry.token);
        } else if (name == QLatin1String("text")) {
            ModelUtils::readTextElement(reader, entry.text);
        } else if (name == QLatin1String("character")) {
            while (reader.readNextStartElement()) {
                if (reader.name() != QLatin1String("sub")) {
                    qCDebug(lcModel) << "readCharacter name" << reader.name();
                    reader.skipCurrentElement();
                    continue;
                }
                QString token;
                QString text;
                while (reader.readNextStartElement()) {
                    if (reader.name() == QLatin1String("token"))
                        ModelUtils::readTextElement(reader, token);
                    else if (reader.name() == QLatin1String("text"))
                        ModelUtils::readTextElement(reader, text);
                    else
                        reader.skipCurrentElement();
                }
                entry.characters.insert(token, qMakePair(token, text));
            }
        } else if (name == QLatin1String("class")) {
            bool done = false;
            while (reader.readNextStartElement()) {
                if (done || reader.name() != QLatin1String("text")) {
                    reader.skipCurrentElement();
                    continue;
                }
                QString text;
                ModelUtils::readTextElement(reader, text);
                const QStringList parts = text.split(QLatin1Char(','));
                if (parts.size() < 2) {
                    done = true;
                    continue;
                }
                entry.classMin = parts.at(0).trimmed().toInt();
                entry.classMax = parts.at(1).trimmed().toInt();
            }
        } else if (name == QLatin1String("quantify")) {
            while (reader.readNextStartElement()) {
                if (reader.name() != QLatin1String("sub")) {
                    qCDebug(lcModel) << "quantify weird entry" << reader.name();
                    reader.skipCurrentElement();
                    continue;
                }
                while (reader.readNextStartElement()) {
                    if (reader.name() == QLatin1String("text")) {
                        ModelUtils::readTextElement(reader, entry.unit);
                    } else {
                        qCDebug(lcModel) << "subquantify weird entry" << reader.name();
                        reader.skipCurrentElement();
                    }
                }
            }
        } else {
            reader.skipCurrentElement();
        }
    }
}

void DanDas::buildCodeIndex()
{
    m_codes.clear();
    for (const DanDasCatalogType &type : qAsConst(m_catalog)) {
        for (const DanDasEntry &e : type.entries)
            m_codes << e.token;
    }
}

const DanDasEntry &DanDas::entry(const QString &code) const
{
    static const DanDasEntry none;
    for (const DanDasCatalogType &type : m_catalog) {
        for (const DanDasEntry &e : type.entries) {
            if (e.token == code)
                return e;
        }
    }
    return none;
}

bool DanDas::isKnownCode(const QString &code) const
{
    return code.isEmpty() || isSpecialCode(code) || m_codes.contains(code);
}

// --- lookups

QStringList DanDas::characterTexts(const QString &code) const
{
    QStringList texts;
    for (const auto &pair : entry(code).characters)
        texts << pair.second;
    return texts;
}

QStringList DanDas::characterTokens(const QString &code) const
{
    QStringList tokens;
    for (const auto &pair : entry(code).characters)
        tokens << pair.first;
    return tokens;
}

QString DanDas::characterToken(const QString &code, const QString &text) const
{
    const DanDasEntry &e = entry(code);
    for (const auto &pair : e.characters) {
        if (pair.second == text)
            return pair.first;
    }
    return e.characters.isEmpty() ? QString() : e.characters.first().first;
}

QStringList DanDas::classValues(const QString &code) const
{
    const DanDasEntry &e = entry(code);
    QStringList values;
    for (int c = e.classMin; c < e.classMax; ++c)
        values << QString::number(c);
    return values;
}

QString DanDas::quantityUnit(const QString &code) const
{
    return entry(code).unit;
}

bool DanDas::hasCharacter(const QString &code) const
{
    return code != QLatin1String("VA") && code != QLatin1String("OB") && !isSpecialCode(code);
}

bool DanDas::hasClass(const QString &code) const
{
    return code != QLatin1String("VA") && !isSpecialCode(code);
}

bool DanDas::hasQuantity(const QString &code) const
{
    return code == QLatin1String("VA");
}

// --- texts

QString DanDas::optionText(const OptionMap &options, const QString &key) const
{
    return options.value(key);
}

QString DanDas::observationDescription(const ObservationRecord &o) const
{
    const DanDasEntry &e = entry(o.code);
    QString text = e.text;
    if (hasCharacter(o.code))
        text += QStringLiteral(", ") + e.characters.value(o.character1).second;
    if (o.code == QLatin1String("VA"))
        text += QStringLiteral(", %1%2").arg(o.quantity1, 0, 'f', 2).arg(e.unit);
    // The words between the catalogue texts are Danish as they are, whatever the UI language.
    if (o.code != QLatin1String("VA") && !isSpecialCode(o.code))
        text += QStringLiteral(", observation klasse ") + QString::number(o.damageClass);
    if (!o.remark.isEmpty())
        text += QStringLiteral(", ") + o.remark;
    if (!o.photoFile.isEmpty())
        text += QStringLiteral(", foto taget");
    return text;
}

int DanDas::systemText() const
{
    const QString text = m_options.system.value(m_header.sewerKind);
    if (text.contains(QLatin1String("Regn")))
        return 1;
    if (text.contains(QLatin1String("Spilde")))
        return 2;
    if (text.contains(QStringLiteral("Fælles")))
        return 3;
    return 0;
}

ModelUtils::TextTable DanDas::mainDataTable() const
{
    const InspectionHeader &h = m_header;
    ModelUtils::TextTable table;
    table.beginTable();
    table.beginRow();
    table.addPair(tr("Operatør: "), h.inspector);
    table.addPair(tr("Kunden: "), h.client);
    table.addPair(tr("By: "), h.town);
    table.addPair(tr("Vej: "), h.street);
    table.endRow();
    table.beginRow();
    table.addDate(tr("Dato: "), h.date, kDateFormat);
    table.endRow();
    table.beginRow();
    table.addPair(tr("Inspektionsårsag: "), h.reason);
    table.addPair(tr("Spulet: "), optionText(m_options.cleaning, h.cleaning));
    table.addPair(tr("Inspektionretning: "), optionText(m_options.direction, h.direction));
    table.addPair(tr("Vejrlig: "), optionText(m_options.weather, h.weather));
    table.addPair(tr("Inspektionsmetode: "), optionText(m_options.inspectionKind, h.inspectionKind));
    table.endRow();
    table.beginRow();
    table.addPair(tr("Start Punkt: "), h.startNode);
    table.addPair(QStringLiteral(" "), optionText(m_options.nodeType, h.startNodeType));
    table.addPair(tr("Slut Punkt: "), h.endNode);
    table.addPair(QStringLiteral(" "), optionText(m_options.nodeType, h.endNodeType));
    table.endRow();
    table.beginRow();
    table.addPair(tr("Tværsnit: "), optionText(m_options.profile, h.profile));
    if (h.profile == QLatin1String("A")) {
        table.addInt(tr("Diameter: "), ModelUtils::truncatedInt(h.height));
    } else {
        table.addInt(tr("Højde: "), ModelUtils::truncatedInt(h.height));
        table.addInt(tr("Bredde: "), ModelUtils::truncatedInt(h.width));
    }
    table.endRow();
    table.beginRow();
    table.addPair(tr("Materiale: "), optionText(m_options.material, h.material));
    table.endRow();
    table.beginRow();
    table.addPair(tr("System: "), optionText(m_options.system, h.sewerKind));
    table.addPair(tr("I Brug: "), optionText(m_options.pipeType, h.pipeType));
    table.endRow();
    table.beginRow();
    table.addPair(tr("Medie-ID: "), h.videoReference);
    table.addPair(tr("Medie: "), h.videoMedium);
    table.endRow();
    table.endTable();
    return table;
}

QStringList DanDas::mainDataList() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("DANDAS"),
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            h.endNode,
            optionText(m_options.material, h.material),
            optionText(m_options.profile, h.profile),
            QStringLiteral("%1mm").arg(h.width, 0, 'f', 0),
            QStringLiteral("%1mm").arg(h.height, 0, 'f', 0),
            optionText(m_options.system, h.sewerKind),
            optionText(m_options.direction, h.direction),
            h.videoReference,
            QStringLiteral("%1m").arg(inspectedLength(), 0, 'f', 2),
            QString()};
}

QStringList DanDas::mainDataListFull() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("DANDAS"),
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            optionText(m_options.nodeType, h.startNodeType),
            h.endNode,
            optionText(m_options.nodeType, h.endNodeType),
            optionText(m_options.direction, h.direction),
            optionText(m_options.system, h.sewerKind),
            optionText(m_options.pipeType, h.pipeType),
            h.reason,
            optionText(m_options.cleaning, h.cleaning),
            optionText(m_options.material, h.material),
            optionText(m_options.profile, h.profile),
            QStringLiteral("%1mm").arg(h.width, 0, 'f', 0),
            QStringLiteral("%1mm").arg(h.height, 0, 'f', 0),
            h.videoReference,
            h.videoMedium,
            optionText(m_options.inspectionKind, h.inspectionKind),
            optionText(m_options.weather, h.weather),
            QStringLiteral("%1m").arg(inspectedLength(), 0, 'f', 2)};
}

TocEntry DanDas::summaryRow()
{
    return makeSummaryRow(1, optionText(m_options.material, m_header.material), optionText(m_options.system, m_header.sewerKind));
}

bool DanDas::hasStructuralDamage() const
{
    return false;
}

int DanDas::codeGroup(const QString &) const
{
    return 0;
}

QString DanDas::addStartNode(const QTime &)
{
    return QString();
}

QVector<PrintJob> DanDas::inspectionPrintJob()
{
    return makeInspectionJobs(m_header.direction != QLatin1String("A") ? 1 : 0);
}

QVector<PrintJob> DanDas::photoPrintJob()
{
    return makePhotoJobs(m_header.direction != QLatin1String("A") ? 1 : 0);
}

// --- exchange file

// Text that is not UTF-8 although the file declares UTF-8 (or no encoding at all) was written
// by a program that used the Windows code page; it is read as such, and said so.
static bool needsWindows1252(const QByteArray &bytes)
{
    static const QRegularExpression declaration(QStringLiteral("^<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(bytes.left(200)));
    if (match.hasMatch() && match.captured(1).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
        return false; // the reader handles a declared encoding itself
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars > 0 || state.remainingChars > 0;
}

bool DanDas::load(const QString &path)
{
    QByteArray recoded;
    {
        // A file the guard refuses is refused again, and reported, by the load below.
        QByteArray bytes;
        if (readInput(path, bytes)) {
            if (needsWindows1252(bytes))
                recoded = QTextCodec::codecForName("Windows-1252")->toUnicode(bytes).toUtf8();
        }
    }

    bool complete = false;
    if (recoded.isEmpty()) {
        complete = Investigation::load(path);
    } else {
        beginLoad();
        noteStructureProblem(tr("Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen."));
        auto noteError = [this](const QXmlStreamReader &reader) {
            if (reader.hasError())
                noteStructureProblem(ModelUtils::xmlErrorText(reader));
        };
        QXmlStreamReader header(recoded);
        readMainData(header);
        noteError(header);
        QXmlStreamReader body(recoded);
        readObservations(body);
        while (!body.atEnd())
            body.readNext();
        noteError(body);
        readSideFile(path);
        setPath(path);
        complete = finishLoad(path);
    }
    // A circular section has one dimension.
    if (m_header.profile.startsWith(QLatin1Char('A')))
        m_header.width = m_header.height;

    QStringList unknown;
    for (const ObservationRecord &o : qAsConst(m_observations)) {
        if (!isKnownCode(o.code) && !unknown.contains(o.code))
            unknown << o.code;
    }
    if (!unknown.isEmpty())
        Reporter::notice(tr("Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2")
                             .arg(QDir::toNativeSeparators(path), unknown.join(QStringLiteral(", "))));
    return complete;
}

void DanDas::writeDocument(QXmlStreamWriter &writer)
{
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("DATA"));
    writer.writeStartElement(QStringLiteral("DZA"));
    ModelUtils::writeTextElement(writer, QStringLiteral("A2"), QStringLiteral("da"));
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("DZB"));
    HeaderFields::write(writer, m_header, kHeaderFields);
    writer.writeEndElement();
}

void DanDas::writeObservation(QXmlStreamWriter &writer, int index)
{
    if (index < 0 || index >= m_observations.size())
        return;
    const ObservationRecord &o = m_observations.at(index);
    writer.writeStartElement(QStringLiteral("DZC"));
    ModelUtils::writeTextElement(writer, QStringLiteral("A"), o.code);
    ModelUtils::writeTimeElement(writer, QStringLiteral("B"), o.videoTime, kTimeFormat);
    ModelUtils::writeDoubleElement(writer, QStringLiteral("C"), o.distance, 2);
    ModelUtils::writeDoubleElement(writer, QStringLiteral("D"), o.quantity1, 2);
    ModelUtils::writeTextElement(writer, QStringLiteral("F"), o.character1);
    if (o.damageClass >= 0)
        ModelUtils::writeIntElement(writer, QStringLiteral("E"), o.damageClass);
    ModelUtils::writeTextElement(writer, QStringLiteral("G"), o.remark);
    ModelUtils::writeTextElement(writer, QStringLiteral("H"), o.photoFile);
    writer.writeEndElement();
}

void DanDas::writeFilms(QXmlStreamWriter &writer)
{
    writer.writeEndElement(); // DATA
    writer.writeEndDocument();
}

void DanDas::readMainData(QXmlStreamReader &reader)
{
    clear();
    InspectionHeader &h = m_header;
    // Profile sizes in millimetres.
    auto readNumber = [&](double &value) {
        QString text;
        ModelUtils::readTextElement(reader, text);
        value = 0.0;
        if (text.isEmpty())
            return;
        bool ok = false;
        QString problem;
        value = ModelUtils::checkedNumber(text, 0.0, ModelUtils::kMaxFileNumber, &ok, &problem);
        if (!ok)
            noteReadProblem(tr("%1 (%2): %3").arg(reader.name().toString(), location(reader), problem));
    };

    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("DZB"))
            return; // the header of a second inspection is never mixed in
        if (!reader.isStartElement())
            continue;
        const QStringRef name = reader.name();
        if (name.size() != 3 || !name.startsWith(QLatin1String("AA")))
            continue;
        const hf::Field *field = kHeaderFields.find(name);
        if (!field)
            continue;
        if (field->kind == hf::Kind::ProfileSize) {
            readNumber(h.*field->number);
        } else if (field->kind == hf::Kind::Date) {
            QString text;
            ModelUtils::readTextElement(reader, text);
            h.date = QDate::fromString(text, kDateFormat);
            if (!text.isEmpty() && !h.date.isValid())
                noteReadProblem(tr("AAM (%1): \"%2\" ist kein Datum").arg(location(reader), text));
        } else {
            ModelUtils::readTextElement(reader, h.*field->text);
            if (field == std::end(kHeaderRows) - 1)
                return;
        }
    }
}

void DanDas::readObservations(QXmlStreamReader &reader)
{
    int headers = 0;
    int number = 0;
    const auto noInspection = [&] {
        if (headers > 0 || number > 0)
            return;
        if (reader.hasError())
            noteLoadFailure(ModelUtils::xmlErrorText(reader));
        else
            noteLoadFailure(tr("Die Datei enthält keine Haltung (\"DZB\") und keine Feststellung (\"DZC\")."));
    };
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("DZB")) {
            if (++headers > 1) {
                noteStructureProblem(tr("Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.").arg(location(reader)));
                return;
            }
            continue;
        }
        if (reader.name() != QLatin1String("DZC"))
            continue;

        ++number;
        ObservationRecord o;
        while (reader.readNextStartElement()) {
            const QString name = reader.name().toString();
            QString text;
            if (name.size() != 1 || name.at(0) < QLatin1Char('A') || name.at(0) > QLatin1Char('H')) {
                reader.skipCurrentElement();
                continue;
            }
            ModelUtils::readTextElement(reader, text);
            // Built only for a problem: formatting it for every field made reading slow.
            const auto where = [&] { return tr("Feststellung %1, %2 (%3)").arg(number).arg(name, location(reader)); };
            bool ok = true;
            switch (name.at(0).toLatin1()) {
            case 'A':
                o.code = text;
                break;
            case 'B':
                o.videoTime = readVideoTime(text);
                ok = text.isEmpty() || o.videoTime.isValid();
                if (!ok)
                    noteReadProblem(tr("%1: \"%2\" ist keine Zeit").arg(where(), text));
                break;
            case 'C':
            case 'D': {
                double &value = name == QLatin1String("C") ? o.distance : o.quantity1;
                bool inRange = true;
                QString problem;
                if (!text.isEmpty())
                    value = ModelUtils::checkedNumber(text, -ModelUtils::kMaxFileNumber, ModelUtils::kMaxFileNumber,
                                                      &inRange, &problem);
                if (!inRange)
                    noteReadProblem(tr("%1: %2").arg(where(), problem));
                break;
            }
            case 'E':
                o.damageClass = text.isEmpty() ? 0 : text.toInt(&ok);
                break;
            case 'F':
                o.character1 = text;
                break;
            case 'G':
                o.remark = text;
                break;
            case 'H':
                // A photo lies in the inspection's folder; a name leading elsewhere is refused.
                if (text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\')) || text.contains(QLatin1String("..")))
                    noteReadProblem(tr("%1: der Fotoname \"%2\" führt aus dem Ordner der Untersuchung und wird nicht übernommen")
                                        .arg(where(), text));
                else
                    o.photoFile = text;
                break;
            default:
                break;
            }
            if (!ok && name != QLatin1String("B"))
                noteReadProblem(tr("%1: \"%2\" ist keine Zahl").arg(where(), text));
        }
        if (reader.hasError())
            return; // a record cut off by a broken document is not kept
        m_observations.append(o);
    }
    noInspection();
}
