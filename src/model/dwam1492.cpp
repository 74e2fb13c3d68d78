#include "model/dwam1492.h"

#include "model/exchangevaluereader.h"
#include "model/headerfields.h"
#include "model/sharedcatalogue.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

using namespace ModelUtils;

namespace {

// How deep the reader looks into elements it does not know.
constexpr int kMaxDepth = 32;

// The number of an element "H" + group letter + three digits ("HG305" is 305 of group 'G');
// -1 for any other name.
int fieldNumber(const QStringRef &name, char group)
{
    if (name.size() != 5 || name.at(0) != QLatin1Char('H') || name.at(1) != QLatin1Char(group))
        return -1;
    int number = 0;
    for (int i = 2; i < 5; ++i) {
        const ushort u = name.at(i).unicode();
        if (u < '0' || u > '9')
            return -1;
        number = number * 10 + (u - '0');
    }
    return number;
}

// The codes whose characterisation 2 the file carries in "HZ017" instead of "HZ015".
bool hasSecondCharacterApart(const QString &code)
{
    return code == QLatin1String("BAK") || code == QLatin1String("BAL") || code == QLatin1String("BDC")
           || code == QLatin1String("BCB");
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

namespace hf = HeaderFields;

bool hasLining(const InspectionHeader &h)
{
    return !h.lining.isEmpty();
}

// The section record "HG", in file order.
const hf::Field kSectionRows[] = {
    hf::text("HG001", &InspectionHeader::sectionName),
    hf::text("HG003", &InspectionHeader::startNode),
    hf::text("HG004", &InspectionHeader::endNode),
    hf::text("HG102", &InspectionHeader::street),
    hf::text("HG104", &InspectionHeader::town),
    hf::text("HG301", &InspectionHeader::sewerKind),
    hf::text("HG302", &InspectionHeader::pipeType),
    hf::text("HG304", &InspectionHeader::material),
    hf::text("HG305", &InspectionHeader::profile),
    hf::profileSize("HG306", &InspectionHeader::height),
    hf::profileSize("HG307", &InspectionHeader::width),
    hf::onlyWhen(hf::text("HG308", &InspectionHeader::lining), hasLining),
    hf::onlyWhen(hf::text("HG309", &InspectionHeader::liningMaterial), hasLining),
    hf::number("HG310", &InspectionHeader::inspectionLength, 2),
    hf::fixed("HG313", "A"),
    hf::number("HG314", &InspectionHeader::pipeUnitLength, 3),
    hf::fixed("HG315", "K"),
    hf::fixed("HG316", "0"),
    hf::fixed("HG401", "B"),
    hf::fixed("HG404", "0"),
    hf::fixed("HG407", "K"),
};
const hf::Table kSectionFields(kSectionRows);

// The inspection record "HI", in file order; the video file and the photo kind follow.
const hf::Field kInspectionRows[] = {
    hf::text("HI001", &InspectionHeader::client),
    hf::text("HI002", &InspectionHeader::orderNumber),
    hf::text("HI004", &InspectionHeader::reason),
    hf::fixed("HI005", "DWAM149-2:2013"), // the edition the catalogue follows
    hf::fixed("HI007", "B"),
    hf::text("HI101", &InspectionHeader::direction),
    hf::text("HI102", &InspectionHeader::startPosition),
    hf::fixed("HI103", "KTV"),
    hf::date("HI104", "yyyy-MM-dd"),
    hf::time("HI105", "hh:mm:ss"),
    hf::text("HI107", &InspectionHeader::cleaning),
    hf::text("HI109", &InspectionHeader::flowControl),
    hf::text("HI111", &InspectionHeader::company),
    hf::text("HI112", &InspectionHeader::inspector),
    hf::text("HI114", &InspectionHeader::videoMedium),
    hf::text("HI115", &InspectionHeader::videoReference),
};
const hf::Table kInspectionFields(kInspectionRows);

QString noneText()
{
    return QStringLiteral("keine Angabe");
}

} // namespace

struct DWAM1492::ReadState
{
    int sections = 0;    // "HG" elements met
    int inspections = 0; // "HI" elements met
    bool further = false; // a second section or inspection began: the rest is not read
};

DWAM1492::DWAM1492()
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormDWAM1492;
}

void DWAM1492::loadCatalog()
{
    const QString path = QStringLiteral(":/norm/DWAM1492.xml");
    const OptionLists lists{{QStringLiteral("pipe_use"), &m_options.pipeType},
                            {QStringLiteral("pipe_types"), &m_options.system},
                            {QStringLiteral("material"), &m_options.material},
                            {QStringLiteral("section"), &m_options.profile},
                            {QStringLiteral("lining"), &m_options.lining},
                            {QStringLiteral("reasons"), &m_options.reason},
                            {QStringLiteral("start_position"), &m_options.startPosition},
                            {QStringLiteral("video_medium"), &m_options.videoMedium}};
    loadSharedCatalogue(path, m_catalogue, lists, [&] { readCatalogFile(path, lists); });
    m_options.direction.insert(QStringLiteral("I"), QStringLiteral("in Fließrichtung"));
    m_options.direction.insert(QStringLiteral("G"), QStringLiteral("gegen Fließrichtung"));
    m_options.cleaning.insert(QStringLiteral("J"), QStringLiteral("gereinigt"));
    m_options.cleaning.insert(QStringLiteral("N"), QStringLiteral("nicht gereinigt"));
    m_options.flowControl.insert(QStringLiteral("J"), QStringLiteral("mit Vorflutsicherung"));
    m_options.flowControl.insert(QStringLiteral("N"), QStringLiteral("ohne Vorflutsicherung"));
}

bool DWAM1492::isReverseDirection() const
{
    return m_header.direction != QLatin1String("I");
}

// --- texts

QString DWAM1492::observationDescription(const ObservationRecord &o) const
{
    QString damage;
    switch (o.damageClass) {
    case 1:
        damage = QStringLiteral(", Schadensklasse C");
        break;
    case 3:
        damage = QStringLiteral(", Schadensklasse B");
        break;
    case 5:
        damage = QStringLiteral(", Schadensklasse A");
        break;
    default:
        break;
    }
    return catalogueDescription(o) + quantityDescription(o) + descriptionTail(o, germanDescriptionWords(), damage);
}

QString DWAM1492::addStartNode(const QTime &videoTime)
{
    return insertStartNode(videoTime, QStringLiteral("XP"));
}

int DWAM1492::systemText() const
{
    static const char *const words[3] = {"Regen", "Schmutz", "Misch"};
    return sewerClass(optionText(m_options.pipeType, m_header.pipeType), words);
}


TextTable DWAM1492::mainDataTable() const
{
    const InspectionHeader &h = m_header;
    TextTable table;

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Kennung: "), h.orderNumber);
    table.addPair(QStringLiteral("Firma: "), h.company);
    table.addPair(QStringLiteral("Operator: "), h.inspector);
    table.addPair(QStringLiteral("Kunde: "), h.client);
    table.addPair(QStringLiteral("Ort: "), h.town);
    table.addPair(QStringLiteral("Straße: "), h.street);
    table.endRow();
    table.addEmptyLine();
    table.beginRow();
    table.addDate(QStringLiteral("Datum: "), h.date, QStringLiteral("dd.MM.yyyy"));
    table.addTime(QStringLiteral("Uhrzeit: "), h.time, QStringLiteral("hh:mm"));
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(QStringLiteral("Untersuchungsgrund: "), optionText(m_options.reason, h.reason));
    table.addEmptyLine();
    table.addPair(QStringLiteral("Reinigung: "), optionText(m_options.cleaning, h.cleaning));
    table.addEmptyLine();
    table.addPair(QStringLiteral("Wasserhaltung: "), optionText(m_options.flowControl, h.flowControl));
    table.endTable();

    table.beginTable();
    table.addPair(QStringLiteral("Richtung: "), optionText(m_options.direction, h.direction));
    table.addEmptyLine();
    table.addPair(QStringLiteral("Startpunkt: "), optionText(m_options.startPosition, h.startPosition));
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Haltung: "), h.sectionName);
    table.addPair(QStringLiteral("Knoten oben: "), h.startNode);
    table.addPair(QStringLiteral("Knoten unten: "), h.endNode);
    table.endRow();
    table.addEmptyLine();
    table.addLine(QStringLiteral("Profil"));
    table.beginRow();
    table.addPair(QStringLiteral("Art: "), optionText(m_options.profile, h.profile));
    if (h.profile == QLatin1String("DN")) {
        table.addDouble(QStringLiteral("Durchmesser: "), h.height, 2);
    } else {
        table.addDouble(QStringLiteral("Höhe: "), h.height, 2);
        table.addDouble(QStringLiteral("Breite: "), h.width, 2);
    }
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(QStringLiteral("Material: "), optionText(m_options.material, h.material));
    table.endTable();

    if (!h.lining.isEmpty()) {
        table.beginTable();
        table.beginRow();
        table.addPair(QStringLiteral("Auskleidung: "), optionText(m_options.lining, h.lining));
        table.addPair(QStringLiteral("Material: "), optionText(m_options.material, h.liningMaterial));
        table.endRow();
        table.endTable();
    }

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Kanalart: "), optionText(m_options.system, h.sewerKind));
    table.addPair(QStringLiteral(" "), optionText(m_options.pipeType, h.pipeType));
    table.endRow();
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Videoreferenz: "), h.videoReference);
    table.addPair(QStringLiteral("Speichermedium: "), optionText(m_options.videoMedium, h.videoMedium));
    table.endRow();
    table.endTable();
    return table;
}

QStringList DWAM1492::mainDataList() const
{
    return shortHeaderList(QStringLiteral("DWA_M149_2"), joinedTexts(optionText(m_options.system, m_header.sewerKind), optionText(m_options.pipeType, m_header.pipeType)));
}

QStringList DWAM1492::mainDataListFull() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("DWA_M149_2"),
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.time.toString(QStringLiteral("hh:mm")),
            h.orderNumber,
            h.company,
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            h.endNode,
            optionText(m_options.direction, h.direction),
            optionText(m_options.system, h.sewerKind),
            optionText(m_options.pipeType, h.pipeType),
            optionText(m_options.reason, h.reason),
            optionText(m_options.cleaning, h.cleaning),
            optionText(m_options.flowControl, h.flowControl),
            optionText(m_options.material, h.material),
            optionText(m_options.profile, h.profile),
            millimetreText(h.width),
            millimetreText(h.height),
            h.videoReference,
            optionText(m_options.videoMedium, h.videoMedium),
            optionText(m_options.startPosition, h.startPosition),
            h.lining.isEmpty() ? noneText() : optionText(m_options.lining, h.lining),
            h.liningMaterial.isEmpty() ? noneText() : optionText(m_options.material, h.liningMaterial),
            metreText(inspectedLength()),
            std::fabs(h.pipeUnitLength) <= 0.01 ? noneText() : metreText(h.pipeUnitLength)};
}

QVector<PrintJob> DWAM1492::inspectionPrintJob()
{
    return makeInspectionJobs(isReverseDirection() ? 1 : 0);
}

QVector<PrintJob> DWAM1492::photoPrintJob()
{
    return makePhotoJobs(isReverseDirection() ? 1 : 0);
}

// --- writing

QString DWAM1492::distanceText(double distance)
{
    // The format has decimetres; a distance entered or read to the centimetre keeps its
    // second decimal, so that saving never moves an observation.
    QString text = QString::number(distance, 'f', 2);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

void DWAM1492::writeDocument(QXmlStreamWriter &writer)
{
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("DATA"));
    writer.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));

    writer.writeStartElement(QStringLiteral("FD"));
    writeTextElement(writer, QStringLiteral("FD001"), QStringLiteral("04-2010"));
    writeTextElement(writer, QStringLiteral("FD002"), QStringLiteral("B"));
    writer.writeEndElement();

    writer.writeStartElement(QStringLiteral("HG"));
    HeaderFields::write(writer, m_header, kSectionFields);
    writer.writeStartElement(QStringLiteral("HI"));
    HeaderFields::write(writer, m_header, kInspectionFields);
    writeTextElement(writer, QStringLiteral("HI116"), m_videoFile.mid(m_videoFile.lastIndexOf(QLatin1Char('/')) + 1));
    writeTextElement(writer, QStringLiteral("HI117"), QStringLiteral("DIGFOTO"));
}

void DWAM1492::writeObservation(QXmlStreamWriter &writer, int index)
{
    const ObservationRecord &o = m_observations.at(index);
    const bool secondApart = hasSecondCharacterApart(o.code);
    writer.writeStartElement(QStringLiteral("HZ"));
    writer.writeTextElement(QStringLiteral("HZ001"), distanceText(o.distance));
    writeTextElement(writer, QStringLiteral("HZ002"), o.code);
    writeTextElement(writer, QStringLiteral("HZ014"), o.character1);
    if (!secondApart)
        writeTextElement(writer, QStringLiteral("HZ015"), o.character2);
    writeDoubleElement(writer, QStringLiteral("HZ003"), o.quantity1, 2);
    writeDoubleElement(writer, QStringLiteral("HZ004"), o.quantity2, 2);
    if (!o.continuousDefect.isEmpty())
        writeTextElement(writer, QStringLiteral("HZ005"), o.continuousDefect + QString::number(o.continuousDefectNumber));
    writeIntElement(writer, QStringLiteral("HZ006"), o.clockFrom);
    writeIntElement(writer, QStringLiteral("HZ007"), o.clockTo);
    writeTextElement(writer, QStringLiteral("HZ008"), videoTimeText(o.videoTime));
    writeTextElement(writer, QStringLiteral("HZ009"), o.photoFile);
    if (o.joint != 0)
        writer.writeTextElement(QStringLiteral("HZ011"), QStringLiteral("A"));
    if (secondApart)
        writeTextElement(writer, QStringLiteral("HZ017"), o.character2);
    if (o.damageClass > 0)
        writeIntElement(writer, QStringLiteral("HZ208"), o.damageClass);
    writeTextElement(writer, QStringLiteral("HZ999"), o.remark);
    writer.writeEndElement();
}

void DWAM1492::writeFilms(QXmlStreamWriter &writer)
{
    writer.writeEndElement(); // HI
    writer.writeEndElement(); // HG
    writer.writeEndElement(); // DATA
    writer.writeEndDocument();
}

// --- reading

bool DWAM1492::load(const QString &path)
{
    beginLoad();
    clear();
    const std::unique_ptr<QIODevice> file = openForLoad(path, QIODevice::ReadOnly);
    if (file) {
        QXmlStreamReader reader(file.get());
        ExchangeValueReader values(reader, [this](const QString &problem) { noteReadProblem(problem); });
        ReadState state;
        const bool hasRoot = reader.readNextStartElement();
        if (hasRoot) {
            if (reader.name() != QLatin1String("DATA")) {
                noteLoadFailure(tr("Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement \"%1\" statt \"DATA\").")
                                    .arg(reader.name().toString()));
            } else {
                readContent(reader, values, state, 0);
                if (!reader.hasError() && state.sections == 0)
                    noteLoadFailure(tr("Die Datei enthält keine Haltung (\"HG\") und ist keine DWA-M 149-2-Inspektion."));
                if (state.further)
                    noteStructureProblem(tr("Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen."));
            }
        }
        // Read to the end, so that a file cut short is noticed wherever the reading stopped.
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError()) {
            if (hasRoot && state.sections > 0)
                noteStructureProblem(xmlErrorText(reader));
            else
                noteLoadFailure(xmlErrorText(reader));
        }
        file->close();
        readSideFile(path);
    }
    setPath(path);
    if (m_header.profile.startsWith(QLatin1String("DN")))
        m_header.width = m_header.height;
    return finishLoad(path);
}

// Reads the elements inside the current one. The records may stand nested ("HG" holding "HI"
// holding "HZ") or side by side; everything after the start of a second section or a second
// inspection belongs to that one and is passed over. Elements nested deeper than any real file
// nests them are passed over too.
void DWAM1492::readContent(QXmlStreamReader &reader, ExchangeValueReader &values, ReadState &state, int depth)
{
    if (depth > kMaxDepth) {
        reader.skipCurrentElement();
        return;
    }
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("HZ")) {
            if (state.further) {
                reader.skipCurrentElement();
                continue;
            }
            ObservationRecord observation;
            readObservation(reader, values, observation);
            if (reader.hasError())
                return; // a record cut off by a broken file is not kept
            m_observations.append(observation);
            continue;
        }
        const bool section = name == QLatin1String("HG");
        if (section || name == QLatin1String("HI")) {
            int &count = section ? state.sections : state.inspections;
            if (count > 0)
                state.further = true;
            if (state.further) {
                reader.skipCurrentElement();
                continue;
            }
            ++count;
            readContent(reader, values, state, depth + 1);
            continue;
        }
        if (state.further) {
            reader.skipCurrentElement();
            continue;
        }
        if (!readHeaderValue(name, values))
            readContent(reader, values, state, depth + 1); // an element this reader does not know: look inside
    }
}

bool DWAM1492::readHeaderValue(const QStringRef &name, ExchangeValueReader &values)
{
    const HeaderFields::Field *field = kSectionFields.find(name);
    if (!field)
        field = kInspectionFields.find(name);
    // The fixed texts hold nothing of the inspection; they are read like unknown elements.
    if (!field || !field->readsField())
        return false;
    HeaderFields::read(*field, values, m_header);
    return true;
}

void DWAM1492::readObservation(QXmlStreamReader &reader, ExchangeValueReader &values, ObservationRecord &o)
{
    while (reader.readNextStartElement()) {
        switch (fieldNumber(reader.name(), 'Z')) {
        case 1:
            o.distance = values.number("HZ001");
            break;
        case 2:
            o.code = values.text();
            break;
        case 3:
            o.quantity1 = values.number("HZ003");
            break;
        case 4:
            o.quantity2 = values.number("HZ004");
            break;
        case 5: {
            const QString text = values.text();
            o.continuousDefect = text.left(1);
            const QString number = text.mid(1);
            bool ok = true;
            o.continuousDefectNumber = number.isEmpty() ? 0 : number.toInt(&ok);
            if (!ok) {
                o.continuousDefectNumber = 0;
                values.badValue("HZ005", text);
            }
            break;
        }
        case 6:
            o.clockFrom = values.integer("HZ006", 0, kMaxClock);
            break;
        case 7:
            o.clockTo = values.integer("HZ007", 0, kMaxClock);
            break;
        case 8:
            o.videoTime = values.videoPosition("HZ008");
            break;
        case 9:
            o.photoFile = values.photoName();
            break;
        case 11:
            o.joint = values.text().startsWith(QLatin1Char('A')) ? 1 : 0;
            break;
        case 14:
            o.character1 = values.text();
            break;
        case 15:
        case 17:
            o.character2 = values.text();
            break;
        case 208:
            o.damageClass = values.integer("HZ208");
            break;
        case 999:
            o.remark = values.text();
            break;
        default:
            reader.skipCurrentElement();
            break;
        }
    }
}
