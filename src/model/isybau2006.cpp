#include "model/isybau2006.h"

#include "model/exchangevaluereader.h"
#include "model/headerfields.h"
#include "model/sharedcatalogue.h"

#include "foundation/reporter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <utility>

using namespace ModelUtils;

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

// Video positions are frames at this rate.
constexpr int kFramesPerSecond = 25;

// How deep the reader looks into elements it does not know.
constexpr int kMaxDepth = 32;

QString noneText()
{
    return QStringLiteral("keine Angabe");
}

bool isNamed(const QStringRef &name, const char *text)
{
    return name == QLatin1String(text);
}

namespace hf = HeaderFields;

bool hasLining(const InspectionHeader &h)
{
    return h.lining.toInt() > 0;
}

// The header fields of the inspected object, one table per element that holds them, each in
// file order.
const hf::Field kObjectRows[] = {
    hf::text("Objektbezeichnung", &InspectionHeader::sectionName),
    hf::text("Anlagentyp", &InspectionHeader::installationType),
};
const hf::Field kLocationRows[] = { // "Lage"
    hf::text("Strassenname", &InspectionHeader::street),
    hf::text("Ortsteilname", &InspectionHeader::town),
};
const hf::Field kOpticalInspectionRows[] = { // "OptischeInspektion"
    hf::text("Auftragskennung", &InspectionHeader::orderNumber),
    hf::date("Inspektionsdatum", "yyyy-MM-dd"),
    hf::text("Inspektionsverfahren", &InspectionHeader::inspectionMethod),
    hf::text("NameUntersucher", &InspectionHeader::inspector),
    hf::time("Uhrzeit", "hh:mm:ss"),
    hf::flag("Reinigung", &InspectionHeader::cleaning),
    hf::text("Wasserhaltung", &InspectionHeader::flowControl),
    hf::text("VideoSpeichermedium", &InspectionHeader::videoMedium),
    hf::text("Videoablagereferenz", &InspectionHeader::videoReference),
};
const hf::Field kPipeRows[] = { // "Rohrleitung"
    hf::text("Rohrleitungstyp", &InspectionHeader::pipeType),
    hf::text("Inspektionsrichtung", &InspectionHeader::direction),
    hf::text("BezugspunktLage", &InspectionHeader::startPosition),
    hf::number("Inspektionslaenge", &InspectionHeader::inspectionLength, 2),
    hf::text("Inspektionsart", &InspectionHeader::inspectionKind),
    // This program's videos are always referenced the same way; what a file holds is kept.
    hf::fixed("ArtVideoreferenz", "2", &InspectionHeader::videoReferenceKind),
};
const hf::Field kPipeDataRows[] = { // "RGrunddaten"
    hf::text("KnotenZulauf", &InspectionHeader::startNode),
    hf::text("KnotenZulaufTyp", &InspectionHeader::startNodeType),
    hf::text("KnotenAblauf", &InspectionHeader::endNode),
    hf::text("KnotenAblaufTyp", &InspectionHeader::endNodeType),
    hf::text("HerkunftProfilmasse", &InspectionHeader::profileSource),
    hf::profileSize("Profilhoehe", &InspectionHeader::height),
    hf::profileSize("Profilbreite", &InspectionHeader::width),
    hf::text("Profilart", &InspectionHeader::profile),
    hf::text("HerkunftMaterial", &InspectionHeader::materialSource),
    hf::text("Material", &InspectionHeader::material),
    hf::text("Innenschutz", &InspectionHeader::protection),
    hf::number("Regeleinzelrohrlaenge", &InspectionHeader::pipeUnitLength, 2),
    hf::onlyWhen(hf::text("ArtAuskleidung", &InspectionHeader::lining), hasLining),
    hf::text("Kanalart", &InspectionHeader::sewerKind),
};
const hf::Table kObjectFields(kObjectRows);
const hf::Table kLocationFields(kLocationRows);
const hf::Table kOpticalInspectionFields(kOpticalInspectionRows);
const hf::Table kPipeFields(kPipeRows);
const hf::Table kPipeDataFields(kPipeDataRows);

// The row of a header element of the inspected object, wherever it stands in the object.
const hf::Field *objectField(const QStringRef &name)
{
    for (const hf::Table &table : {kObjectFields, kLocationFields, kOpticalInspectionFields, kPipeFields, kPipeDataFields}) {
        if (const hf::Field *field = table.find(name))
            return field;
    }
    return nullptr;
}

// The photo storage medium written for a video storage medium; empty for none.
QString photoMedium(const QString &videoMedium)
{
    switch (videoMedium.toInt()) {
    case 1:
    case 2:
    case 6:
        return QStringLiteral("WDT");
    case 3:
        return QStringLiteral("CDR");
    case 4:
        return QStringLiteral("DVD");
    case 5:
        return QStringLiteral("MOD");
    default:
        return QString();
    }
}

// The reason of an abandoned inspection as the format codes it, from the characterisation 2 of
// "BDC"; empty where the format has no such reason.
QString abandonReason(const QString &character2)
{
    static const QHash<QString, QString> reasons{{QStringLiteral("A"), QStringLiteral("ZE")}, // objective reached
                                                 {QStringLiteral("B"), QStringLiteral("AV")}, // client waives the rest
                                                 {QStringLiteral("C"), QStringLiteral("GE")}, // opposite end reached
                                                 {QStringLiteral("D"), QStringLiteral("GN")}}; // opposite end not reached
    return reasons.value(character2);
}

} // namespace

const char *const Isybau2006::NamespaceUri = "http://www.ofd-hannover.la/Identifikation";

// One inspected object of the file, read before it is known whether it is the one loaded.
struct Isybau2006::InspectedObject
{
    InspectionHeader header;
    QVector<ObservationRecord> observations;
    bool hasOrderNumber = false;
    bool isPipe = false; // holds a pipe inspection ("Rohrleitung")
};

struct Isybau2006::Film
{
    QStringList objects; // the objects the film shows
    int endFrame = 0;
    bool hasEnd = false;
};

struct Isybau2006::ReadState
{
    int objects = 0;
    bool haveObject = false;
    bool havePipe = false;
    InspectedObject object; // the first pipe object, else the first object
    QString orderNumber;    // of the first order, for an object that names none
    bool hasOrderNumber = false;
    QVector<Film> films;
};

Isybau2006::Isybau2006()
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormIsybau2006;
}

void Isybau2006::loadCatalog()
{
    const QString path = QStringLiteral(":/norm/Isybau2006.xml");
    const OptionLists lists{{QStringLiteral("system"), &m_options.system},
                            {QStringLiteral("material"), &m_options.material},
                            {QStringLiteral("protection"), &m_options.protection},
                            {QStringLiteral("section"), &m_options.profile},
                            {QStringLiteral("node_types"), &m_options.nodeType},
                            {QStringLiteral("pipe_types"), &m_options.pipeType},
                            {QStringLiteral("installation_types"), &m_options.installationType},
                            {QStringLiteral("direction"), &m_options.direction},
                            {QStringLiteral("start_position"), &m_options.startPosition},
                            {QStringLiteral("hold_back"), &m_options.flowControl},
                            {QStringLiteral("video_medium"), &m_options.videoMedium},
                            {QStringLiteral("lining"), &m_options.lining},
                            {QStringLiteral("section_source"), &m_options.profileSource},
                            {QStringLiteral("material_source"), &m_options.materialSource}};
    loadSharedCatalogue(path, m_catalogue, lists, [&] { readCatalogFile(path, lists); });
    m_options.cleaning.insert(QStringLiteral("1"), QStringLiteral("gereinigt"));
    m_options.cleaning.insert(QStringLiteral("0"), QStringLiteral("nicht gereinigt"));
}

bool Isybau2006::isReverseDirection() const
{
    return m_header.direction != QLatin1String("O");
}

// Profiles "0" and "4" are given by their diameter; a code that is no number counts as "0".
bool Isybau2006::isCircularProfile() const
{
    const int profile = m_header.profile.toInt();
    return profile == 0 || profile == 4;
}

// --- texts

QString Isybau2006::observationDescription(const ObservationRecord &o) const
{
    QString text = catalogueDescription(o) + quantityDescription(o);
    if ((o.code == QLatin1String("BAK") || o.code == QLatin1String("BAL")) && !o.character2.isEmpty()) {
        int index = -1;
        findSubtype(o.code, index);
        const QString unit = quantity1Unit(o.code, index, o.character2);
        if (!unit.isEmpty())
            text += QStringLiteral(", ") + QString::number(o.quantity2, 'f', 2) + unit;
    }
    const QString damage = o.damageClass != 0 ? QStringLiteral(", Schadensklasse %1").arg(o.damageClass) : QString();
    return text + descriptionTail(o, germanDescriptionWords(), damage);
}

QString Isybau2006::addStartNode(const QTime &videoTime)
{
    return insertStartNode(videoTime, QStringLiteral("XP"));
}

int Isybau2006::systemText() const
{
    static const char *const words[3] = {"Regen", "Schmutz", "Misch"};
    return sewerClass(optionText(m_options.system, m_header.sewerKind), words);
}


TextTable Isybau2006::mainDataTable() const
{
    const InspectionHeader &h = m_header;
    TextTable table;

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Kennung:"), h.orderNumber);
    table.addPair(QStringLiteral("Operator:"), h.inspector);
    table.addPair(QStringLiteral("Objekt:"), h.sectionName.isEmpty() ? QStringLiteral(" ") : h.sectionName);
    if (!h.town.isEmpty())
        table.addPair(QStringLiteral("Ort:"), h.town);
    table.addPair(QStringLiteral("Straße:"), h.street);
    table.endRow();
    table.addEmptyLine();
    table.beginRow();
    table.addDate(QStringLiteral("Datum:"), h.date, QStringLiteral("dd.MM.yyyy"));
    table.addTime(QStringLiteral("Uhrzeit:"), h.time, QStringLiteral("hh:mm"));
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(QStringLiteral("Anlagentyp: "), optionText(m_options.installationType, h.installationType));
    table.endTable();

    table.beginTable();
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
    table.addPair(QStringLiteral("Zulaufknoten:"), h.startNode);
    table.addPair(QStringLiteral("Typ:"), optionText(m_options.nodeType, h.startNodeType));
    table.addPair(QStringLiteral(" "), QStringLiteral(" "));
    table.addPair(QStringLiteral("Ablaufknoten:"), h.endNode);
    table.addPair(QStringLiteral("Typ:"), optionText(m_options.nodeType, h.endNodeType));
    table.endRow();
    table.addEmptyLine();
    table.addLine(QStringLiteral("Profil"));
    table.beginRow();
    table.addPair(QStringLiteral("Art:"), optionText(m_options.profile, h.profile));
    if (isCircularProfile()) {
        table.addInt(QStringLiteral("Durchmesser:"), truncatedMillimetres(h.height));
    } else {
        table.addInt(QStringLiteral("Höhe:"), truncatedMillimetres(h.height));
        table.addInt(QStringLiteral("Breite:"), truncatedMillimetres(h.width));
    }
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(QStringLiteral("Material: "), optionText(m_options.material, h.material));
    table.endTable();

    if (!h.protection.isEmpty()) {
        table.beginTable();
        table.addPair(QStringLiteral("Innenschutz: "), optionText(m_options.protection, h.protection));
        table.endTable();
    }
    if (h.lining.toInt() > 0) {
        table.beginTable();
        table.addPair(QStringLiteral("Auskleidung: "), optionText(m_options.lining, h.lining));
        table.endTable();
    }

    table.beginTable();
    table.addPair(QStringLiteral("Kanalart: "), optionText(m_options.system, h.sewerKind));
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(QStringLiteral("Videoreferenz: "), h.videoReference);
    table.addPair(QStringLiteral("Speichermedium:"), QString());
    table.endRow();
    table.addLine(optionText(m_options.videoMedium, h.videoMedium));
    table.endTable();
    return table;
}

QStringList Isybau2006::mainDataList() const
{
    return shortHeaderList(QStringLiteral("ISYBAU2006"), optionText(m_options.system, m_header.sewerKind));
}

QStringList Isybau2006::mainDataListFull() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("ISYBAU2006"),
            h.orderNumber,
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.time.toString(QStringLiteral("hh:mm")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            optionText(m_options.nodeType, h.startNodeType),
            h.endNode,
            optionText(m_options.nodeType, h.endNodeType),
            optionText(m_options.pipeType, h.pipeType),
            optionText(m_options.installationType, h.installationType),
            optionText(m_options.direction, h.direction),
            optionText(m_options.system, h.sewerKind),
            optionText(m_options.material, h.material),
            optionText(m_options.materialSource, h.materialSource),
            optionText(m_options.profile, h.profile),
            optionText(m_options.profileSource, h.profileSource),
            millimetreText(h.width),
            millimetreText(h.height),
            h.videoReference,
            optionText(m_options.videoMedium, h.videoMedium),
            optionText(m_options.cleaning, h.cleaning),
            optionText(m_options.flowControl, h.flowControl),
            optionText(m_options.startPosition, h.startPosition),
            h.protection.isEmpty() ? noneText() : optionText(m_options.protection, h.protection),
            h.lining.toInt() == 0 ? noneText() : optionText(m_options.lining, h.lining),
            metreText(inspectedLength()),
            std::fabs(h.pipeUnitLength) <= 0.01 ? noneText() : metreText(h.pipeUnitLength)};
}

QVector<PrintJob> Isybau2006::inspectionPrintJob()
{
    return makeInspectionJobs(isReverseDirection() ? 1 : 0);
}

QVector<PrintJob> Isybau2006::photoPrintJob()
{
    return makePhotoJobs(isReverseDirection() ? 1 : 0);
}

// --- writing

bool Isybau2006::save()
{
    if (!EN135082Investigation::save())
        return false;
    const QStringList problems = schemaProblems();
    if (!problems.isEmpty()) {
        Reporter::notice(tr("Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:\n%2")
                             .arg(QDir::toNativeSeparators(filePath()), problems.join(QLatin1Char('\n'))));
    }
    return true;
}

QStringList Isybau2006::schemaProblems() const
{
    const InspectionHeader &h = m_header;
    QStringList problems;
    const auto required = [&](const QString &value, const QString &label) {
        if (value.trimmed().isEmpty())
            problems << tr("%1 fehlt.").arg(label);
    };
    const auto longest = [&](const QString &value, int length, const QString &label) {
        if (value.size() > length)
            problems << tr("%1 ist länger als %2 Zeichen.").arg(label).arg(length);
    };
    const auto known = [&](const QString &value, const QMap<QString, QString> &options, const QString &label) {
        if (!value.trimmed().isEmpty() && !options.contains(value))
            problems << tr("%1 \"%2\" ist kein Code des Formats.").arg(label, value);
    };

    required(h.sectionName, tr("Die Haltungsbezeichnung"));
    longest(h.sectionName, 30, tr("Die Haltungsbezeichnung"));
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,6}$"));
    if (!wholeNumber.match(h.orderNumber.trimmed()).hasMatch())
        problems << tr("Die Auftragskennung \"%1\" ist keine ganze Zahl mit höchstens sechs Ziffern.").arg(h.orderNumber);
    required(h.installationType, tr("Der Anlagentyp"));
    required(h.pipeType, tr("Der Rohrleitungstyp"));
    required(h.direction, tr("Die Inspektionsrichtung"));
    required(h.startNode, tr("Der Anfangsknoten"));
    longest(h.startNode, 30, tr("Der Anfangsknoten"));
    required(h.startNodeType, tr("Der Typ des Anfangsknotens"));
    required(h.endNode, tr("Der Endknoten"));
    longest(h.endNode, 30, tr("Der Endknoten"));
    required(h.endNodeType, tr("Der Typ des Endknotens"));
    longest(h.inspector, 40, tr("Der Name des Untersuchers"));
    longest(h.videoReference, 30, tr("Die Videoablagereferenz"));
    longest(h.client, 60, tr("Der Auftragnehmer"));

    known(h.installationType, m_options.installationType, tr("Der Anlagentyp"));
    known(h.pipeType, m_options.pipeType, tr("Der Rohrleitungstyp"));
    known(h.direction, m_options.direction, tr("Die Inspektionsrichtung"));
    known(h.startPosition, m_options.startPosition, tr("Der Bezugspunkt"));
    known(h.flowControl, m_options.flowControl, tr("Die Wasserhaltung"));
    known(h.videoMedium, m_options.videoMedium, tr("Das Videospeichermedium"));
    known(h.startNodeType, m_options.nodeType, tr("Der Typ des Anfangsknotens"));
    known(h.endNodeType, m_options.nodeType, tr("Der Typ des Endknotens"));
    known(h.profileSource, m_options.profileSource, tr("Die Herkunft der Profilmaße"));
    known(h.profile, m_options.profile, tr("Die Profilart"));
    known(h.materialSource, m_options.materialSource, tr("Die Herkunft des Materials"));
    known(h.material, m_options.material, tr("Das Material"));
    known(h.protection, m_options.protection, tr("Der Innenschutz"));
    if (h.lining.toInt() > 0)
        known(h.lining, m_options.lining, tr("Die Auskleidung"));
    known(h.sewerKind, m_options.system, tr("Die Kanalart"));
    return problems;
}

void Isybau2006::writeDocument(QXmlStreamWriter &writer)
{
    const InspectionHeader &h = m_header;
    const QString today = QDate::currentDate().toString(kDateFormat);
    const QString date = h.date.toString(kDateFormat);
    // Photos are numbered in the order of the observations, from 0, anew on every save.
    m_photoCounter = 0;

    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("Identifikation"));
    writer.writeDefaultNamespace(QLatin1String(NamespaceUri));
    writeTextElement(writer, QStringLiteral("Version"), QStringLiteral("2006-10"));

    writer.writeStartElement(QStringLiteral("Admindaten"));
    // The property is not part of an inspection; its two required parts are written empty.
    writer.writeStartElement(QStringLiteral("Liegenschaft"));
    writer.writeTextElement(QStringLiteral("Liegenschaftsnummer"), QString());
    writer.writeTextElement(QStringLiteral("Liegenschaftsbezeichnung"), QString());
    writer.writeEndElement(); // Liegenschaft
    writer.writeStartElement(QStringLiteral("Verwaltung"));
    writeTextElement(writer, QStringLiteral("Zustaendigkeit"), QStringLiteral("4"));
    writer.writeEndElement(); // Verwaltung
    writer.writeEndElement(); // Admindaten

    writer.writeStartElement(QStringLiteral("Datenkollektive"));
    writeTextElement(writer, QStringLiteral("Datenstatus"), QStringLiteral("1"));
    writeTextElement(writer, QStringLiteral("Erstellungsdatum"), today);
    writer.writeStartElement(QStringLiteral("Kennungen"));
    writer.writeStartElement(QStringLiteral("Kollektiv"));
    writeTextElement(writer, QStringLiteral("Kennung"), QStringLiteral("ZUS01"));
    writeTextElement(writer, QStringLiteral("Kollektivart"), QStringLiteral("2"));
    writer.writeStartElement(QStringLiteral("Kollektiveigenschaft"));
    writer.writeStartElement(QStringLiteral("Zustandsdaten"));
    writeTextElement(writer, QStringLiteral("Inspektion"), QStringLiteral("1"));
    writeTextElement(writer, QStringLiteral("Dichtheit"), QStringLiteral("0"));
    writeTextElement(writer, QStringLiteral("Film"), m_videoFile.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    writer.writeEndElement(); // Zustandsdaten
    writer.writeEndElement(); // Kollektiveigenschaft
    writeTextElement(writer, QStringLiteral("Regelwerk"), QStringLiteral("2"));
    writeTextElement(writer, QStringLiteral("Bearbeitungsstand"), today);
    writer.writeEndElement(); // Kollektiv
    writer.writeEndElement(); // Kennungen

    writer.writeStartElement(QStringLiteral("Zustandsdatenkollektiv"));
    writeTextElement(writer, QStringLiteral("Kennung"), QStringLiteral("ZUS01"));
    writer.writeStartElement(QStringLiteral("Auftraege"));
    writer.writeStartElement(QStringLiteral("Auftrag"));
    writeTextElement(writer, QStringLiteral("Auftragsbezeichnung"), h.sectionName);
    writeTextElement(writer, QStringLiteral("Auftragsnummer"), QStringLiteral("1"));
    writeTextElement(writer, QStringLiteral("Auftragskennung"), h.orderNumber);
    writeTextElement(writer, QStringLiteral("Auftragsdatum"), date);
    writeTextElement(writer, QStringLiteral("Auftragsart"), QStringLiteral("1"));
    writeTextElement(writer, QStringLiteral("Kodiersystem"), QStringLiteral("2"));
    writeTextElement(writer, QStringLiteral("Auftragnehmer"), h.client);
    writer.writeEndElement(); // Auftrag
    writer.writeEndElement(); // Auftraege

    writer.writeStartElement(QStringLiteral("InspizierteAbwassertechnischeAnlage"));
    HeaderFields::write(writer, h, kObjectFields);
    writer.writeStartElement(QStringLiteral("Lage"));
    HeaderFields::write(writer, h, kLocationFields);
    writer.writeEndElement(); // Lage

    writer.writeStartElement(QStringLiteral("OptischeInspektion"));
    HeaderFields::write(writer, h, kOpticalInspectionFields);
    writer.writeStartElement(QStringLiteral("Rohrleitung"));
    HeaderFields::write(writer, h, kPipeFields);
    writer.writeStartElement(QStringLiteral("RGrunddaten"));
    HeaderFields::write(writer, h, kPipeDataFields);
    writer.writeEndElement(); // RGrunddaten

    writer.writeStartElement(QStringLiteral("Inspektionsdaten"));
}

void Isybau2006::writeObservation(QXmlStreamWriter &writer, int index)
{
    const ObservationRecord &o = m_observations.at(index);
    const QString code = o.code.left(3);
    const bool lining = code == QLatin1String("BAK");
    const bool repair = code == QLatin1String("BAL");
    writer.writeStartElement(QStringLiteral("RZustand"));
    writeDoubleElement(writer, QStringLiteral("Station"), o.distance, 2);
    writeIntElement(writer, QStringLiteral("Frame"), o.videoTime.isValid() ? o.videoTime.msecsSinceStartOfDay() / 40 : 0);
    writeTextElement(writer, QStringLiteral("InspektionsKode"), code);
    writeTextElement(writer, QStringLiteral("Charakterisierung1"), o.character1);
    // The lining and repair codes keep their characterisation 2 and quantification 1 in the
    // elements of the repaired state below.
    if (!lining && !repair)
        writeTextElement(writer, QStringLiteral("Charakterisierung2"), o.character2);
    if (o.joint == 1)
        writer.writeTextElement(QStringLiteral("Verbindung"), QStringLiteral("1"));
    if (!lining && !repair && std::fabs(o.quantity1) > 1e-12)
        writeDoubleElement(writer, QStringLiteral("Quantifizierung1Numerisch"), o.quantity1, 2);
    if (std::fabs(o.quantity2) > 1e-12)
        writeDoubleElement(writer, QStringLiteral("Quantifizierung2Numerisch"), o.quantity2, 2);
    if (!o.continuousDefect.isEmpty()) {
        writeTextElement(writer, QStringLiteral("Streckenschaden"), o.continuousDefect);
        if (o.continuousDefect != QLatin1String("R"))
            writeIntElement(writer, QStringLiteral("StreckenschadenLfdNr"), o.continuousDefectNumber);
    }
    if (o.clockFrom > 0) {
        writeIntElement(writer, QStringLiteral("PositionVon"), o.clockFrom);
        writeIntElement(writer, QStringLiteral("PositionBis"), o.clockTo);
    }
    if (code == QLatin1String("BDC") && o.character1 == QLatin1String("Z"))
        writeTextElement(writer, QStringLiteral("GrundAbbruch"), abandonReason(o.character2));
    if (lining || repair) {
        writeTextElement(writer, lining ? QStringLiteral("BAKZustandSanierung") : QStringLiteral("BALZustandSanierung"), o.character2);
        // The format holds this quantification as a whole number.
        if (std::fabs(o.quantity1) > 1e-12)
            writeIntElement(writer, QStringLiteral("QZustandSanierung"), qRound(o.quantity1));
    }
    if (!o.photoFile.isEmpty()) {
        writeTextElement(writer, QStringLiteral("Fotodatei"), o.photoFile);
        writeTextElement(writer, QStringLiteral("FotoSpeichermedium"), photoMedium(m_header.videoMedium));
        writeIntElement(writer, QStringLiteral("Fotonummer"), m_photoCounter);
        ++m_photoCounter;
    }
    writeTextElement(writer, QStringLiteral("Kommentar"), o.remark);
    if (o.damageClass > 0) {
        writer.writeStartElement(QStringLiteral("Klassifizierung"));
        // The format requires the classes and damage numbers of its automatic assessment, which
        // this program does not compute: the class the user gave stands for the automatic
        // classes, and the damage numbers are 0 (none computed).
        writer.writeStartElement(QStringLiteral("Betriebssicherheit"));
        writeIntElement(writer, QStringLiteral("SKBvAuto"), o.damageClass);
        writeIntElement(writer, QStringLiteral("SKBvManu"), o.damageClass);
        writeIntElement(writer, QStringLiteral("SZBvAuto"), 0);
        writeIntElement(writer, QStringLiteral("SZBeAuto"), 0);
        writeIntElement(writer, QStringLiteral("SKBeAuto"), o.damageClass);
        writer.writeEndElement();
        writer.writeEndElement();
    }
    writer.writeEndElement(); // RZustand
}

void Isybau2006::writeFilms(QXmlStreamWriter &writer)
{
    const InspectionHeader &h = m_header;
    writer.writeEndElement(); // Inspektionsdaten
    writer.writeEndElement(); // Rohrleitung
    writer.writeEndElement(); // OptischeInspektion
    writer.writeEndElement(); // InspizierteAbwassertechnischeAnlage
    if (!m_videoFile.isEmpty()) {
        writer.writeStartElement(QStringLiteral("Filme"));
        writer.writeStartElement(QStringLiteral("Film"));
        writeTextElement(writer, QStringLiteral("Filmname"), m_videoFile.mid(m_videoFile.lastIndexOf(QLatin1Char('/')) + 1));
        writeTextElement(writer, QStringLiteral("Auftragskennung"), h.orderNumber);
        writeTextElement(writer, QStringLiteral("Videoablagereferenz"), h.videoReference);
        writer.writeStartElement(QStringLiteral("Frame"));
        writeTextElement(writer, QStringLiteral("fps"), QString::number(kFramesPerSecond));
        writeTextElement(writer, QStringLiteral("Start"), QStringLiteral("0"));
        writeIntElement(writer, QStringLiteral("Ende"), h.filmEndFrame);
        writer.writeEndElement(); // Frame
        writer.writeStartElement(QStringLiteral("Offsets"));
        writer.writeStartElement(QStringLiteral("Offset"));
        writeTextElement(writer, QStringLiteral("TcFrameNr"), QStringLiteral("0"));
        writeTextElement(writer, QStringLiteral("MPEGFrameNr"), QStringLiteral("0"));
        writer.writeEndElement(); // Offset
        writer.writeEndElement(); // Offsets
        writer.writeStartElement(QStringLiteral("FilmObjekte"));
        writer.writeStartElement(QStringLiteral("FilmObjekt"));
        writeTextElement(writer, QStringLiteral("Objektbezeichnung"), h.sectionName);
        writeTextElement(writer, QStringLiteral("Typ"), h.installationType);
        writeTextElement(writer, QStringLiteral("Inspektionsrichtung"), h.direction);
        writer.writeEndElement(); // FilmObjekt
        writer.writeEndElement(); // FilmObjekte
        writer.writeEndElement(); // Film
        writer.writeEndElement(); // Filme
    }
    writer.writeEndElement(); // Zustandsdatenkollektiv
    writer.writeEndElement(); // Datenkollektive
    writer.writeEndElement(); // Identifikation
    writer.writeEndDocument();
}

// --- reading

bool Isybau2006::load(const QString &path)
{
    beginLoad();
    // Read as constructed: what the file does not hold stays empty (no date, no time).
    m_header = InspectionHeader();
    m_observations.clear();
    m_photoCounter = 0;

    const std::unique_ptr<QIODevice> file = openForLoad(path, QIODevice::ReadOnly);
    if (file) {
        QXmlStreamReader reader(file.get());
        ExchangeValueReader values(reader, [this](const QString &problem) { noteReadProblem(problem); });
        ReadState state;
        if (reader.readNextStartElement()) {
            if (reader.name() != QLatin1String("Identifikation")) {
                noteLoadFailure(tr("Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement \"%1\" statt \"Identifikation\").")
                                    .arg(reader.name().toString()));
            } else {
                readContent(reader, values, state, 0);
                if (!reader.hasError() && state.objects == 0)
                    noteLoadFailure(tr("Die Datei enthält keine inspizierte Anlage."));
            }
        }
        // Read to the end, so that a file cut short is noticed wherever the reading stopped.
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError()) {
            if (state.haveObject)
                noteStructureProblem(xmlErrorText(reader));
            else
                noteLoadFailure(xmlErrorText(reader));
        }
        file->close();

        if (state.haveObject) {
            m_header = state.object.header;
            m_observations = std::move(state.object.observations);
            if (!state.object.hasOrderNumber && state.hasOrderNumber)
                m_header.orderNumber = state.orderNumber;
            // The film that shows the object; a file of one object and one film needs no name.
            const Film *film = nullptr;
            for (const Film &f : qAsConst(state.films)) {
                if (f.objects.contains(m_header.sectionName)) {
                    film = &f;
                    break;
                }
            }
            if (!film && state.films.size() == 1 && state.objects == 1)
                film = &state.films.first();
            if (film && film->hasEnd)
                m_header.filmEndFrame = film->endFrame;
            if (!state.havePipe)
                noteStructureProblem(tr("Die Datei enthält keine Inspektion einer Rohrleitung."));
        }
        if (state.objects > 1)
            noteStructureProblem(tr("Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen."));
        readSideFile(path);
    }
    setPath(path);
    if (m_header.profile == QLatin1String("0") || m_header.profile == QLatin1String("4"))
        m_header.width = m_header.height;
    return finishLoad(path);
}

// Reads the elements inside the current one, outside the inspected objects: the objects, the
// order the objects refer to, and the films. Elements nested deeper than any real file nests
// them are passed over.
void Isybau2006::readContent(QXmlStreamReader &reader, ExchangeValueReader &values, ReadState &state, int depth)
{
    if (depth > kMaxDepth) {
        reader.skipCurrentElement();
        return;
    }
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (isNamed(name, "InspizierteAbwassertechnischeAnlage")) {
            ++state.objects;
            if (state.havePipe) {
                reader.skipCurrentElement();
                continue;
            }
            InspectedObject object;
            readObject(reader, values, object, depth + 1);
            if (reader.hasError())
                return;
            if (object.isPipe || !state.haveObject) {
                state.object = std::move(object);
                state.haveObject = true;
                state.havePipe = state.object.isPipe;
            }
        } else if (isNamed(name, "Filme")) {
            while (reader.readNextStartElement()) {
                if (!isNamed(reader.name(), "Film")) {
                    reader.skipCurrentElement();
                    continue;
                }
                Film film;
                readFilm(reader, values, film);
                state.films.append(film);
            }
        } else if (isNamed(name, "Auftragskennung")) {
            const QString orderNumber = values.text();
            if (!state.hasOrderNumber) {
                state.orderNumber = orderNumber;
                state.hasOrderNumber = true;
            }
        } else {
            readContent(reader, values, state, depth + 1);
        }
    }
}

// Reads the elements inside the current one within an inspected object.
void Isybau2006::readObject(QXmlStreamReader &reader, ExchangeValueReader &values, InspectedObject &object, int depth)
{
    if (depth > kMaxDepth) {
        reader.skipCurrentElement();
        return;
    }
    InspectionHeader &h = object.header;
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (isNamed(name, "RZustand")) {
            ObservationRecord observation;
            readObservation(reader, values, observation);
            if (reader.hasError())
                return; // a record cut off by a broken file is not kept
            object.observations.append(observation);
            continue;
        }
        if (isNamed(name, "Rohrleitung")) {
            object.isPipe = true;
            readObject(reader, values, object, depth + 1);
            continue;
        }
        // Leak tests and profile surveys of the object are no part of the optical inspection.
        if (isNamed(name, "Dichtheitspruefungen") || isNamed(name, "Profilmasserfassung")) {
            reader.skipCurrentElement();
            continue;
        }
        if (const HeaderFields::Field *field = objectField(name)) {
            HeaderFields::read(*field, values, h);
            if (field->text == &InspectionHeader::orderNumber)
                object.hasOrderNumber = true;
        } else {
            readObject(reader, values, object, depth + 1); // a container, or an element not read: look inside
        }
    }
}

void Isybau2006::readObservation(QXmlStreamReader &reader, ExchangeValueReader &values, ObservationRecord &o)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (isNamed(name, "Station")) {
            o.distance = values.number("Station");
        } else if (isNamed(name, "Frame")) {
            // Whole seconds, as every other video time of an inspection: the 3D pipe course finds
            // its stored bends, branches and labels by whole-second times.
            const int frame = values.integer("Frame");
            if (frame >= 0 && frame / kFramesPerSecond < 24 * 3600) {
                o.videoTime = QTime(0, 0).addSecs(frame / kFramesPerSecond);
            } else {
                values.badValue("Frame", QString::number(frame));
                o.videoTime = QTime(0, 0);
            }
        } else if (isNamed(name, "Timecode")) {
            o.videoTime = values.videoPosition("Timecode");
        } else if (isNamed(name, "InspektionsKode")) {
            o.code = values.text();
        } else if (isNamed(name, "Charakterisierung1")) {
            o.character1 = values.text();
        } else if (isNamed(name, "Charakterisierung2") || isNamed(name, "BAKZustandSanierung")
                   || isNamed(name, "BALZustandSanierung")) {
            o.character2 = values.text();
        } else if (isNamed(name, "Quantifizierung1Numerisch")) {
            o.quantity1 = values.number("Quantifizierung1Numerisch");
        } else if (isNamed(name, "QZustandSanierung")) {
            o.quantity1 = values.number("QZustandSanierung");
        } else if (isNamed(name, "Quantifizierung2Numerisch")) {
            o.quantity2 = values.number("Quantifizierung2Numerisch");
        } else if (isNamed(name, "PositionVon")) {
            o.clockFrom = values.integer("PositionVon", 0, kMaxClock);
        } else if (isNamed(name, "PositionBis")) {
            o.clockTo = values.integer("PositionBis", 0, kMaxClock);
        } else if (isNamed(name, "Fotodatei")) {
            o.photoFile = values.photoName();
        } else if (isNamed(name, "Kommentar")) {
            o.remark = values.text();
        } else if (isNamed(name, "Verbindung")) {
            const QString text = values.text();
            bool ok = true;
            if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                o.joint = 1;
            else if (text.isEmpty() || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                o.joint = 0;
            else
                o.joint = text.toInt(&ok);
            if (!ok) {
                o.joint = 0;
                values.badValue("Verbindung", text);
            }
        } else if (isNamed(name, "Streckenschaden")) {
            o.continuousDefect = values.text();
        } else if (isNamed(name, "StreckenschadenLfdNr")) {
            o.continuousDefectNumber = values.integer("StreckenschadenLfdNr");
        } else if (isNamed(name, "Klassifizierung")) {
            // The manual class of operational safety, wherever it stands among the classes.
            while (reader.readNextStartElement()) {
                if (!isNamed(reader.name(), "Betriebssicherheit")) {
                    reader.skipCurrentElement();
                    continue;
                }
                while (reader.readNextStartElement()) {
                    if (isNamed(reader.name(), "SKBvManu"))
                        o.damageClass = values.integer("SKBvManu");
                    else
                        reader.skipCurrentElement();
                }
            }
        } else {
            reader.skipCurrentElement();
        }
    }
}

void Isybau2006::readFilm(QXmlStreamReader &reader, ExchangeValueReader &values, Film &film)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (isNamed(name, "Frame")) {
            while (reader.readNextStartElement()) {
                if (isNamed(reader.name(), "Ende")) {
                    film.endFrame = values.integer("Ende");
                    film.hasEnd = true;
                } else {
                    reader.skipCurrentElement();
                }
            }
        } else if (isNamed(name, "FilmObjekte")) {
            while (reader.readNextStartElement()) {
                if (!isNamed(reader.name(), "FilmObjekt")) {
                    reader.skipCurrentElement();
                    continue;
                }
                while (reader.readNextStartElement()) {
                    if (isNamed(reader.name(), "Objektbezeichnung"))
                        film.objects << values.text();
                    else
                        reader.skipCurrentElement();
                }
            }
        } else {
            reader.skipCurrentElement();
        }
    }
}
