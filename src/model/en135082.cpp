#include "model/en135082.h"

#include "model/exchangevaluereader.h"
#include "model/headerfields.h"
#include "model/modellog.h"
#include "model/sharedcatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtDebug>

#include <cmath>
#include <map>
#include <memory>

using namespace ModelUtils;

namespace {

bool isNodeCode(const QString &code)
{
    return code == QLatin1String("BCD") || code == QLatin1String("BCE");
}


QString videoTimeText(const QTime &time)
{
    if (!time.isValid())
        return QString();
    QString text(6, QLatin1Char('0'));
    const int parts[3] = {time.hour(), time.minute(), time.second()};
    for (int i = 0; i < 3; ++i) {
        text[2 * i] = QLatin1Char(char('0' + parts[i] / 10));
        text[2 * i + 1] = QLatin1Char(char('0' + parts[i] % 10));
    }
    return text;
}

// The header group and the observation records carry a suffix in files from the field
// ("ZB_A" for a pipe, "ZB_C" for a manhole record).
bool isGroup(const QStringRef &name)
{
    return name.startsWith(QLatin1String("ZB"));
}

bool isObservation(const QStringRef &name)
{
    return name.startsWith(QLatin1String("ZC"));
}

namespace hf = HeaderFields;

// The header group "ZB", in file order.
const hf::Field kHeaderRows[] = {
    hf::text("AAA", &InspectionHeader::sectionName),
    // Both carry the start node; a file with only the first one keeps it.
    hf::firstText("AAB", &InspectionHeader::startNode),
    hf::text("AAD", &InspectionHeader::startNode),
    hf::text("AAF", &InspectionHeader::endNode),
    hf::text("AAI", &InspectionHeader::street),
    hf::text("AAJ", &InspectionHeader::town),
    hf::text("AAK", &InspectionHeader::direction),
    hf::text("AAM", &InspectionHeader::client),
    hf::fixed("ABA", "EN13508-2:2003 A1"),
    hf::text("ABC", &InspectionHeader::startPosition),
    hf::fixed("ABE", "B"),
    hf::date("ABF", "yyyy-MM-dd"),
    hf::time("ABG", "hh:mm"),
    hf::text("ABH", &InspectionHeader::inspector),
    hf::text("ABJ", &InspectionHeader::orderNumber),
    hf::text("ABK", &InspectionHeader::videoReference),
    hf::text("ABP", &InspectionHeader::reason),
    hf::text("ACA", &InspectionHeader::profile),
    hf::profileSize("ACB", &InspectionHeader::height),
    hf::profileSize("ACC", &InspectionHeader::width),
    hf::text("ACD", &InspectionHeader::material),
    hf::text("ACE", &InspectionHeader::lining),
    hf::fixed("ACJ", "A"),
    hf::text("ACK", &InspectionHeader::sewerKind),
    hf::text("ACM", &InspectionHeader::cleaning),
    hf::text("ADC", &InspectionHeader::flowControl),
};
const hf::Table kHeaderFields(kHeaderRows);

// The program's translation into a catalogue language, loaded once per language: a description
// has the language of its catalogue, whatever language the user interface has. Null for German,
// the language of the program's texts, and for a language without a translation file.
const QTranslator *catalogueTranslator(const QString &language)
{
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<QTranslator>> translators;
    QMutexLocker lock(&mutex);
    const auto found = translators.find(language);
    if (found != translators.end())
        return found->second.get();
    std::unique_ptr<QTranslator> translator;
    if (language != QLatin1String("de")) {
        translator = std::make_unique<QTranslator>();
        // Used from any thread, owned by none.
        translator->moveToThread(nullptr);
        if (!translator->load(QCoreApplication::applicationDirPath() + QStringLiteral("/data/ZOZOrure_%1.qm").arg(language)))
            translator.reset();
    }
    return translators.emplace(language, std::move(translator)).first->second.get();
}

} // namespace

EN135082::EN135082(const QString &language)
    : m_language(language)
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormEN135082;
}

void EN135082::loadCatalog()
{
    const QString path = QStringLiteral(":/norm/EN_135082_%1.xml").arg(m_language);
    if (QFile::exists(path)) {
        const OptionLists lists{{QStringLiteral("system"), &m_options.system},
                                {QStringLiteral("material"), &m_options.material},
                                {QStringLiteral("section"), &m_options.profile},
                                {QStringLiteral("direction"), &m_options.direction},
                                {QStringLiteral("start_position"), &m_options.startPosition},
                                {QStringLiteral("hold_back"), &m_options.flowControl},
                                {QStringLiteral("lining"), &m_options.lining},
                                {QStringLiteral("reasons"), &m_options.reason}};
        loadSharedCatalogue(path, m_catalogue, lists, [&] { readCatalogFile(path, lists); });
    } else {
        qCDebug(lcModel) << "no EN 13508-2 catalogue for the language" << m_language;
    }
    // Option texts like the catalogue's, in its language.
    m_options.cleaning.insert(QStringLiteral("A"), word(QT_TRANSLATE_NOOP("EN135082", "durchgeführt")));
    m_options.cleaning.insert(QStringLiteral("B"), word(QT_TRANSLATE_NOOP("EN135082", "nicht durchgeführt")));
}

QString EN135082::fileLanguage(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader reader(&file);
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == QLatin1String("A2")) {
                QString language;
                readTextElement(reader, language);
                if (!language.isEmpty())
                    return language;
                break;
            }
            // The language comes before the header and the observations.
            if (isGroup(reader.name()))
                break;
        }
    }
    return QStringLiteral("de");
}

bool EN135082::load(const QString &path)
{
    beginLoad();
    const std::unique_ptr<QIODevice> file = openForLoad(path, QIODevice::ReadOnly | QIODevice::Text);
    if (file) {
        QXmlStreamReader reader(file.get());
        readMainData(reader);
        // Read to the end, so that a file cut short is noticed wherever the reading stopped.
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError())
            noteStructureProblem(xmlErrorText(reader));
        file->close();
        readSideFile(path);
    }
    setPath(path);
    if (m_header.profile == QLatin1String("A"))
        m_header.width = m_header.height;
    return finishLoad(path);
}

QString EN135082::word(const char *german, const char *context) const
{
    const QTranslator *translator = catalogueTranslator(m_language);
    const QString translated = translator ? translator->translate(context, german) : QString();
    return translated.isEmpty() ? QString::fromUtf8(german) : translated;
}

QString EN135082::descriptionPhotoNote() const
{
    return word(QT_TRANSLATE_NOOP("Investigation", ", Foto angelegt"), "Investigation");
}

bool EN135082::isReverseDirection() const
{
    return m_header.direction != QLatin1String("A");
}

// --- texts

QString EN135082::observationDescription(const ObservationRecord &o) const
{
    if (o.code.isEmpty() || !m_catalogue.contains(o.code.left(2)))
        return QString();
    QString text = catalogueDescription(o);
    if (isNodeCode(o.code)) {
        // The start and end nodes carry plain numbers without units.
        if (std::fabs(o.quantity1) > 1e-12)
            text += QStringLiteral(", ") + QString::number(o.quantity1, 'f', 2);
        if (std::fabs(o.quantity2) > 1e-12)
            text += QStringLiteral(", ") + QString::number(o.quantity2, 'f', 2);
    } else {
        text += quantityDescription(o);
    }
    DescriptionWords words;
    words.at = word(QT_TRANSLATE_NOOP("EN135082", "bei"));
    words.from = word(QT_TRANSLATE_NOOP("EN135082", "von"));
    words.to = word(QT_TRANSLATE_NOOP("EN135082", "bis"));
    words.oclock = word(QT_TRANSLATE_NOOP("EN135082", "Uhr"));
    words.joint = word(QT_TRANSLATE_NOOP("EN135082", "Schaden tritt an der Rohrverbindung auf"));
    words.pipeLength = word(QT_TRANSLATE_NOOP("EN135082", "Schaden über die Baulänge eines Rohres"));
    words.continuous = word(QT_TRANSLATE_NOOP("EN135082", "Streckenschaden Nr."));
    words.begin = word(QT_TRANSLATE_NOOP("EN135082", "Anfang"));
    words.end = word(QT_TRANSLATE_NOOP("EN135082", "Ende"));
    words.photo = descriptionPhotoNote();
    return text + descriptionTail(o, words, QString());
}

QString EN135082::addStartNode(const QTime &videoTime)
{
    return insertStartNode(videoTime, QStringLiteral("A"));
}

int EN135082::systemText() const
{
    // Only the German and Spanish catalogues are told apart by their words.
    static const char *const german[3] = {"Regen", "Ab", "Misch"};
    static const char *const spanish[3] = {"superficiales", "residuales", "combinado"};
    const QString text = optionText(m_options.system, m_header.sewerKind);
    if (m_language == QLatin1String("de"))
        return sewerClass(text, german);
    if (m_language == QLatin1String("es"))
        return sewerClass(text, spanish);
    return 0;
}


TextTable EN135082::mainDataTable() const
{
    const InspectionHeader &h = m_header;
    TextTable table;

    table.beginTable();
    table.beginRow();
    if (!h.inspector.isEmpty())
        table.addPair(tr("Inspekteur: "), h.inspector);
    if (!h.client.isEmpty())
        table.addPair(tr("Kunde: "), h.client);
    table.addPair(tr("Ort: "), h.street);
    table.endRow();
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(tr("Haltung: "), h.sectionName);
    table.addPair(tr("Zulaufknoten: "), h.startNode);
    table.addPair(tr("Ablaufknoten: "), h.endNode);
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(tr("Reinigung: "), optionText(m_options.cleaning, h.cleaning));
    table.addEmptyLine();
    table.addPair(tr("Wasserhaltung: "), optionText(m_options.flowControl, h.flowControl));
    table.addEmptyLine();
    table.addPair(tr("Richtung: "), optionText(m_options.direction, h.direction));
    table.addEmptyLine();
    table.addPair(tr("Startpunkt: "), optionText(m_options.startPosition, h.startPosition));
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(tr("Profil:"), optionText(m_options.profile, h.profile));
    if (h.profile == QLatin1String("A")) {
        table.addInt(tr("Durchmesser: "), truncatedMillimetres(h.height));
    } else {
        table.addInt(tr("Höhe: "), truncatedMillimetres(h.height));
        table.addInt(tr("Breite: "), truncatedMillimetres(h.width));
    }
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(tr("Material: "), optionText(m_options.material, h.material));
    table.endTable();

    if (!h.lining.isEmpty()) {
        table.beginTable();
        table.addPair(tr("Auskleidung: "), optionText(m_options.lining, h.lining));
        table.endTable();
    }
    if (!h.sewerKind.isEmpty()) {
        table.beginTable();
        table.addPair(tr("Abwassertyp: "), optionText(m_options.system, h.sewerKind));
        table.endTable();
    }
    return table;
}

QStringList EN135082::mainDataList() const
{
    return shortHeaderList(QStringLiteral("EN_13508_2"), optionText(m_options.system, m_header.sewerKind));
}

QStringList EN135082::mainDataListFull() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("EN_13508_2"),
            h.orderNumber,
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.time.toString(QStringLiteral("hh:mm")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            h.endNode,
            optionText(m_options.direction, h.direction),
            optionText(m_options.system, h.sewerKind),
            optionText(m_options.material, h.material),
            optionText(m_options.profile, h.profile),
            millimetreText(h.width),
            millimetreText(h.height),
            optionText(m_options.cleaning, h.cleaning),
            optionText(m_options.flowControl, h.flowControl),
            optionText(m_options.startPosition, h.startPosition),
            optionText(m_options.reason, h.reason),
            optionText(m_options.lining, h.lining),
            metreText(inspectedLength())};
}

QVector<PrintJob> EN135082::inspectionPrintJob()
{
    return makeInspectionJobs(isReverseDirection() ? 1 : 0);
}

QVector<PrintJob> EN135082::photoPrintJob()
{
    return makePhotoJobs(isReverseDirection() ? 1 : 0);
}

// --- writing

void EN135082::writeDocument(QXmlStreamWriter &writer)
{
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("DATA"));
    writer.writeStartElement(QStringLiteral("ZA"));
    writeTextElement(writer, QStringLiteral("A2"), m_language);
    writeTextElement(writer, QStringLiteral("A6"), QStringLiteral("2010"));
    writer.writeEndElement();

    writer.writeStartElement(QStringLiteral("ZB"));
    HeaderFields::write(writer, m_header, kHeaderFields);
}

void EN135082::writeObservation(QXmlStreamWriter &writer, int index)
{
    const ObservationRecord &o = m_observations.at(index);
    writer.writeStartElement(QStringLiteral("ZC"));
    writeTextElement(writer, QStringLiteral("A"), o.code);
    writeTextElement(writer, QStringLiteral("B"), o.character1);
    writeTextElement(writer, QStringLiteral("C"), o.character2);
    if (isNodeCode(o.code)) {
        writeTextElement(writer, QStringLiteral("D"), o.quantity1Text);
        writeTextElement(writer, QStringLiteral("E"), o.quantity2Text);
    } else {
        if (std::fabs(o.quantity1) > 1e-12)
            writeDoubleElement(writer, QStringLiteral("D"), o.quantity1, 2);
        if (std::fabs(o.quantity2) > 1e-12)
            writeDoubleElement(writer, QStringLiteral("E"), o.quantity2, 2);
    }
    writeTextElement(writer, QStringLiteral("F"), o.remark);
    if (o.clockFrom > 0) {
        writeIntElement(writer, QStringLiteral("G"), o.clockFrom);
        if (o.clockTo > 0)
            writeIntElement(writer, QStringLiteral("H"), o.clockTo);
    }
    writeDoubleElement(writer, QStringLiteral("I"), o.distance, 2);
    if (!o.continuousDefect.isEmpty())
        writeTextElement(writer, QStringLiteral("J"), o.continuousDefect + QString::number(o.continuousDefectNumber));
    if (o.joint == 1)
        writer.writeTextElement(QStringLiteral("K"), QStringLiteral("A"));
    writeTextElement(writer, QStringLiteral("M"), o.photoFile);
    writeTextElement(writer, QStringLiteral("N"), videoTimeText(o.videoTime));
    writer.writeEndElement();
}

void EN135082::writeFilms(QXmlStreamWriter &writer)
{
    writer.writeEndElement(); // ZB
    writer.writeEndElement(); // DATA
    writer.writeEndDocument();
}

// --- reading

ExchangeValueReader EN135082::values(QXmlStreamReader &reader)
{
    return ExchangeValueReader(reader, [this](const QString &problem) { noteReadProblem(problem); });
}

// The inspection of a file is its first header group that holds observations; a group without
// any (a manhole record) is passed over. A file whose groups hold no observations at all is an
// inspection without observations when one of its groups holds header data this reader knows.
// Header and observations are read in one pass over the file.
void EN135082::readMainData(QXmlStreamReader &reader)
{
    clear();
    if (!reader.readNextStartElement()) {
        noteLoadFailure(reader.hasError() ? xmlErrorText(reader) : tr("Die Datei ist leer."));
        return;
    }
    if (reader.name() != QLatin1String("DATA")) {
        noteLoadFailure(tr("Die Datei ist keine EN 13508-2-Datei (Wurzelelement \"%1\" statt \"DATA\").")
                            .arg(reader.name().toString()));
        return;
    }
    InspectionHeader withoutObservations;
    int knownGroups = 0;       // groups without observations that hold header data
    int observationGroups = 0; // groups with observations
    while (reader.readNextStartElement()) {
        if (!isGroup(reader.name())) {
            reader.skipCurrentElement();
            continue;
        }
        if (observationGroups > 0) {
            if (holdsObservation(reader))
                ++observationGroups;
            continue;
        }
        InspectionHeader header = m_header; // as clear() left it: today's date and time
        bool known = false;
        if (readHeaderGroup(reader, header, known)) {
            m_header = header;
            ++observationGroups;
            if (!readGroupObservations(reader))
                return;
            continue;
        }
        if (known && knownGroups++ == 0)
            withoutObservations = header;
    }

    int further = 0;
    if (observationGroups > 0) {
        further = observationGroups - 1;
    } else if (knownGroups > 0) {
        m_header = withoutObservations;
        further = knownGroups - 1;
        // The whole file was read for the header: a damage is named before the count.
        if (reader.hasError())
            noteStructureProblem(xmlErrorText(reader));
    } else if (reader.hasError()) {
        noteLoadFailure(xmlErrorText(reader));
    } else {
        noteLoadFailure(tr("Die Datei enthält keine Inspektion: keine Kopfgruppe (\"ZB\") mit Haltungsdaten oder Beobachtungen."));
    }
    if (further > 0)
        noteStructureProblem(tr("Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.", nullptr, further));
}

// Reads the header elements of the group the reader stands on, up to its first observation
// (true; the reader then stands on it) or to its end (false). known tells whether the group held
// a header element of a pipe inspection.
bool EN135082::readHeaderGroup(QXmlStreamReader &reader, InspectionHeader &h, bool &known)
{
    ExchangeValueReader fieldValues = values(reader);
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (isObservation(name))
            return true;
        const HeaderFields::Field *field = kHeaderFields.find(name);
        if (!field) {
            reader.skipCurrentElement();
            continue;
        }
        if (field->readsField())
            known = true;
        HeaderFields::read(*field, fieldValues, h);
    }
    return false;
}

// Reads the observations of the group, from the first one, on whose start the reader stands, to
// the group's end; header elements among them are passed over. False when the file breaks off:
// the record cut off is not kept.
bool EN135082::readGroupObservations(QXmlStreamReader &reader)
{
    ObservationRecord observation;
    do {
        if (!isObservation(reader.name())) {
            reader.skipCurrentElement();
            continue;
        }
        observation.clear();
        readObservation(reader, observation);
        if (reader.hasError())
            return false;
        m_observations.append(observation);
    } while (reader.readNextStartElement());
    return true;
}

// Whether the group the reader stands on holds an observation; the reader is left at the
// group's end.
bool EN135082::holdsObservation(QXmlStreamReader &reader)
{
    bool observation = false;
    while (reader.readNextStartElement()) {
        if (isObservation(reader.name()))
            observation = true;
        reader.skipCurrentElement();
    }
    return observation;
}

void EN135082::readObservation(QXmlStreamReader &reader, ObservationRecord &o)
{
    // The quantifications are node names for the node codes and numbers otherwise; which one is
    // known only once the code has been read, wherever it stands in the record.
    QString quantity[2];
    qint64 quantityLine[2] = {0, 0};
    ExchangeValueReader fieldValues = values(reader);
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name.size() != 1) {
            reader.skipCurrentElement();
            continue;
        }
        switch (name.at(0).unicode()) {
        case 'A':
            o.code = fieldValues.text();
            break;
        case 'B':
            o.character1 = fieldValues.text();
            break;
        case 'C':
            o.character2 = fieldValues.text();
            break;
        case 'D':
        case 'E': {
            const int i = name.at(0) == QLatin1Char('D') ? 0 : 1;
            quantity[i] = fieldValues.text();
            quantityLine[i] = reader.lineNumber();
            break;
        }
        case 'F':
            o.remark = fieldValues.text();
            break;
        case 'G':
            o.clockFrom = fieldValues.integer("G", 0, kMaxClock);
            break;
        case 'H':
            o.clockTo = fieldValues.integer("H", 0, kMaxClock);
            break;
        case 'I':
            o.distance = fieldValues.number("I");
            break;
        case 'J': {
            const QString text = fieldValues.text();
            o.continuousDefect = text.left(1);
            const QString number = text.mid(1);
            bool ok = true;
            o.continuousDefectNumber = number.isEmpty() ? 0 : number.toInt(&ok);
            if (!ok) {
                o.continuousDefectNumber = 0;
                fieldValues.badValue("J", text);
            }
            break;
        }
        case 'K':
            o.joint = fieldValues.text() == QLatin1String("A") ? 1 : 0;
            break;
        case 'M':
            o.photoFile = fieldValues.photoName();
            break;
        case 'N': {
            const QString text = fieldValues.text();
            // Some programs write the video with the time: "file.mpg|hh:mm:ss".
            o.videoTime = ExchangeValueReader::parseVideoPosition(text.mid(text.lastIndexOf(QLatin1Char('|')) + 1));
            if (!o.videoTime.isValid()) {
                o.videoTime = QTime(0, 0);
                if (!text.isEmpty())
                    fieldValues.badValue("N", text);
            }
            break;
        }
        default:
            reader.skipCurrentElement();
            break;
        }
    }

    if (isNodeCode(o.code)) {
        o.quantity1Text = quantity[0];
        o.quantity2Text = quantity[1];
        return;
    }
    double *values[2] = {&o.quantity1, &o.quantity2};
    for (int i = 0; i < 2; ++i) {
        if (quantity[i].isEmpty())
            continue;
        bool ok = false;
        const double value = quantity[i].toDouble(&ok);
        if (ok && std::isfinite(value)) {
            *values[i] = value;
        } else {
            noteReadProblem(tr("Zeile %1: \"%2\" ist kein gültiger Wert für %3.")
                                .arg(quantityLine[i])
                                .arg(quantity[i], i == 0 ? QStringLiteral("D") : QStringLiteral("E")));
        }
    }
}
