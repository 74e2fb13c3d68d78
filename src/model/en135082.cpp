#include "model/en135082.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtDebug>

#include <cmath>

using namespace ModelUtils;

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("hh:mm");

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

// A photo name from a file must stay inside the inspection folder.
bool isPlainFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".")
           && name != QLatin1String("..");
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
        readCatalogFile(path, {{QStringLiteral("system"), &m_systemOptions},
                               {QStringLiteral("material"), &m_materialOptions},
                               {QStringLiteral("section"), &m_profileOptions},
                               {QStringLiteral("direction"), &m_directionOptions},
                               {QStringLiteral("start_position"), &m_startPositionOptions},
                               {QStringLiteral("hold_back"), &m_flowControlOptions},
                               {QStringLiteral("lining"), &m_liningOptions},
                               {QStringLiteral("reasons"), &m_reasonOptions}});
    } else {
        qDebug() << "no EN 13508-2 catalogue for the language" << m_language;
    }
    m_cleaningOptions.insert(QStringLiteral("A"), tr("durchgeführt"));
    m_cleaningOptions.insert(QStringLiteral("B"), tr("nicht durchgeführt"));
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
            if (reader.name() == QLatin1String("ZB"))
                break;
        }
    }
    return QStringLiteral("de");
}

bool EN135082::load(const QString &path)
{
    const bool ok = Investigation::load(path);
    if (m_header.profile == QLatin1String("A"))
        m_header.width = m_header.height;
    return ok;
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
    words.at = tr("bei");
    words.from = tr("von");
    words.to = tr("bis");
    words.oclock = tr("Uhr");
    words.joint = tr("Schaden tritt an der Rohrverbindung auf");
    words.pipeLength = tr("Schaden über die Baulänge eines Rohres");
    words.continuous = tr("Streckenschaden Nr.");
    words.begin = tr("Anfang");
    words.end = tr("Ende");
    // The same translation the photo captions take out again.
    words.photo = photoNote();
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
    const QString text = optionText(m_systemOptions, m_header.sewerKind);
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
    table.addPair(tr("Reinigung: "), optionText(m_cleaningOptions, h.cleaning));
    table.addEmptyLine();
    table.addPair(tr("Wasserhaltung: "), optionText(m_flowControlOptions, h.flowControl));
    table.addEmptyLine();
    table.addPair(tr("Richtung: "), optionText(m_directionOptions, h.direction));
    table.addEmptyLine();
    table.addPair(tr("Startpunkt: "), optionText(m_startPositionOptions, h.startPosition));
    table.endTable();

    table.beginTable();
    table.beginRow();
    table.addPair(tr("Profil:"), optionText(m_profileOptions, h.profile));
    if (h.profile == QLatin1String("A")) {
        table.addInt(tr("Durchmesser: "), truncatedMillimetres(h.height));
    } else {
        table.addInt(tr("Höhe: "), truncatedMillimetres(h.height));
        table.addInt(tr("Breite: "), truncatedMillimetres(h.width));
    }
    table.endRow();
    table.endTable();

    table.beginTable();
    table.addPair(tr("Material: "), optionText(m_materialOptions, h.material));
    table.endTable();

    if (!h.lining.isEmpty()) {
        table.beginTable();
        table.addPair(tr("Auskleidung: "), optionText(m_liningOptions, h.lining));
        table.endTable();
    }
    if (!h.sewerKind.isEmpty()) {
        table.beginTable();
        table.addPair(tr("Abwassertyp: "), optionText(m_systemOptions, h.sewerKind));
        table.endTable();
    }
    return table;
}

QStringList EN135082::mainDataList() const
{
    return shortHeaderList(QStringLiteral("EN_13508_2"), optionText(m_systemOptions, m_header.sewerKind));
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
            optionText(m_directionOptions, h.direction),
            optionText(m_systemOptions, h.sewerKind),
            optionText(m_materialOptions, h.material),
            optionText(m_profileOptions, h.profile),
            millimetreText(h.width),
            millimetreText(h.height),
            optionText(m_cleaningOptions, h.cleaning),
            optionText(m_flowControlOptions, h.flowControl),
            optionText(m_startPositionOptions, h.startPosition),
            optionText(m_reasonOptions, h.reason),
            optionText(m_liningOptions, h.lining),
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
    const InspectionHeader &h = m_header;
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    writer.writeStartElement(QStringLiteral("DATA"));
    writer.writeStartElement(QStringLiteral("ZA"));
    writeTextElement(writer, QStringLiteral("A2"), m_language);
    writeTextElement(writer, QStringLiteral("A6"), QStringLiteral("2010"));
    writer.writeEndElement();

    writer.writeStartElement(QStringLiteral("ZB"));
    writeTextElement(writer, QStringLiteral("AAA"), h.sectionName);
    writeTextElement(writer, QStringLiteral("AAB"), h.startNode);
    writeTextElement(writer, QStringLiteral("AAD"), h.startNode);
    writeTextElement(writer, QStringLiteral("AAF"), h.endNode);
    writeTextElement(writer, QStringLiteral("AAI"), h.street);
    writeTextElement(writer, QStringLiteral("AAJ"), h.town);
    writeTextElement(writer, QStringLiteral("AAK"), h.direction);
    writeTextElement(writer, QStringLiteral("AAM"), h.client);
    writeTextElement(writer, QStringLiteral("ABA"), QStringLiteral("EN13508-2:2003 A1"));
    writeTextElement(writer, QStringLiteral("ABC"), h.startPosition);
    writeTextElement(writer, QStringLiteral("ABE"), QStringLiteral("B"));
    writeDateElement(writer, QStringLiteral("ABF"), h.date, kDateFormat);
    writeTimeElement(writer, QStringLiteral("ABG"), h.time, kTimeFormat);
    writeTextElement(writer, QStringLiteral("ABH"), h.inspector);
    writeTextElement(writer, QStringLiteral("ABJ"), h.orderNumber);
    writeTextElement(writer, QStringLiteral("ABK"), h.videoReference);
    writeTextElement(writer, QStringLiteral("ABP"), h.reason);
    writeTextElement(writer, QStringLiteral("ACA"), h.profile);
    writeIntElement(writer, QStringLiteral("ACB"), truncatedMillimetres(h.height));
    writeIntElement(writer, QStringLiteral("ACC"), truncatedMillimetres(h.width));
    writeTextElement(writer, QStringLiteral("ACD"), h.material);
    writeTextElement(writer, QStringLiteral("ACE"), h.lining);
    writeTextElement(writer, QStringLiteral("ACJ"), QStringLiteral("A"));
    writeTextElement(writer, QStringLiteral("ACK"), h.sewerKind);
    writeTextElement(writer, QStringLiteral("ACM"), h.cleaning);
    writeTextElement(writer, QStringLiteral("ADC"), h.flowControl);
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

void EN135082::noteBadValue(const QXmlStreamReader &reader, const QString &element, const QString &text)
{
    noteReadProblem(tr("Zeile %1: \"%2\" ist kein gültiger Wert für %3.").arg(reader.lineNumber()).arg(text, element));
}

double EN135082::readNumber(QXmlStreamReader &reader, const char *element)
{
    QString text;
    readTextElement(reader, text);
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    noteBadValue(reader, QLatin1String(element), text);
    return 0.0;
}

int EN135082::readInteger(QXmlStreamReader &reader, const char *element)
{
    QString text;
    readTextElement(reader, text);
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value;
    noteBadValue(reader, QLatin1String(element), text);
    return 0;
}

void EN135082::readMainData(QXmlStreamReader &reader)
{
    clear();
    if (!reader.readNextStartElement())
        return; // an empty or broken document; the reader's error is reported by the load
    if (reader.name() != QLatin1String("DATA")) {
        noteReadProblem(tr("Die Datei ist keine EN 13508-2-Datei (Wurzelelement \"%1\" statt \"DATA\").")
                            .arg(reader.name().toString()));
        return;
    }
    InspectionHeader &h = m_header;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("ZB")) {
            reader.skipCurrentElement();
            continue;
        }
        // The header of the first inspection, up to its first observation.
        while (reader.readNextStartElement()) {
            const QStringRef name = reader.name();
            if (name.startsWith(QLatin1String("ZC")))
                return;
            QString *text = nullptr;
            if (name == QLatin1String("AAA"))
                text = &h.sectionName;
            else if (name == QLatin1String("AAD"))
                text = &h.startNode;
            else if (name == QLatin1String("AAF"))
                text = &h.endNode;
            else if (name == QLatin1String("AAI"))
                text = &h.street;
            else if (name == QLatin1String("AAJ"))
                text = &h.town;
            else if (name == QLatin1String("AAK"))
                text = &h.direction;
            else if (name == QLatin1String("AAM"))
                text = &h.client;
            else if (name == QLatin1String("ABC"))
                text = &h.startPosition;
            else if (name == QLatin1String("ABH"))
                text = &h.inspector;
            else if (name == QLatin1String("ABJ"))
                text = &h.orderNumber;
            else if (name == QLatin1String("ABK"))
                text = &h.videoReference;
            else if (name == QLatin1String("ABP"))
                text = &h.reason;
            else if (name == QLatin1String("ACA"))
                text = &h.profile;
            else if (name == QLatin1String("ACD"))
                text = &h.material;
            else if (name == QLatin1String("ACE"))
                text = &h.lining;
            else if (name == QLatin1String("ACK"))
                text = &h.sewerKind;
            else if (name == QLatin1String("ACM"))
                text = &h.cleaning;
            else if (name == QLatin1String("ADC"))
                text = &h.flowControl;

            if (text) {
                readTextElement(reader, *text);
            } else if (name == QLatin1String("AAB")) {
                // Both carry the start node; a file with only the first one keeps it.
                QString node;
                readTextElement(reader, node);
                if (h.startNode.isEmpty())
                    h.startNode = node;
            } else if (name == QLatin1String("ACB")) {
                h.height = readNumber(reader, "ACB");
            } else if (name == QLatin1String("ACC")) {
                h.width = readNumber(reader, "ACC");
            } else if (name == QLatin1String("ABF")) {
                QString value;
                readTextElement(reader, value);
                h.date = QDate::fromString(value, kDateFormat);
                if (!value.isEmpty() && !h.date.isValid())
                    noteBadValue(reader, QStringLiteral("ABF"), value);
            } else if (name == QLatin1String("ABG")) {
                QString value;
                readTextElement(reader, value);
                h.time = QTime::fromString(value, kTimeFormat);
                if (!h.time.isValid())
                    h.time = QTime::fromString(value, QStringLiteral("hh:mm:ss"));
                if (!value.isEmpty() && !h.time.isValid())
                    noteBadValue(reader, QStringLiteral("ABG"), value);
            } else {
                reader.skipCurrentElement();
            }
        }
        return;
    }
}

void EN135082::readObservations(QXmlStreamReader &reader)
{
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("DATA"))
        return;
    int inspections = 0;
    ObservationRecord observation;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("ZB")) {
            reader.skipCurrentElement();
            continue;
        }
        if (++inspections > 1) {
            noteReadProblem(tr("Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen."));
            reader.skipCurrentElement();
            continue;
        }
        while (reader.readNextStartElement()) {
            if (reader.name() != QLatin1String("ZC")) {
                reader.skipCurrentElement();
                continue;
            }
            observation.clear();
            readObservation(reader, observation);
            if (reader.hasError())
                return; // a record cut off by a broken file is not kept
            m_observations.append(observation);
        }
    }
}

void EN135082::readObservation(QXmlStreamReader &reader, ObservationRecord &o)
{
    // The quantifications are node names for the node codes and numbers otherwise; which one is
    // known only once the code has been read, wherever it stands in the record.
    QString quantity[2];
    qint64 quantityLine[2] = {0, 0};
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name.size() != 1) {
            reader.skipCurrentElement();
            continue;
        }
        switch (name.at(0).unicode()) {
        case 'A':
            readTextElement(reader, o.code);
            break;
        case 'B':
            readTextElement(reader, o.character1);
            break;
        case 'C':
            readTextElement(reader, o.character2);
            break;
        case 'D':
        case 'E': {
            const int i = name.at(0) == QLatin1Char('D') ? 0 : 1;
            readTextElement(reader, quantity[i]);
            quantityLine[i] = reader.lineNumber();
            break;
        }
        case 'F':
            readTextElement(reader, o.remark);
            break;
        case 'G':
            o.clockFrom = readInteger(reader, "G");
            break;
        case 'H':
            o.clockTo = readInteger(reader, "H");
            break;
        case 'I':
            o.distance = readNumber(reader, "I");
            break;
        case 'J': {
            QString text;
            readTextElement(reader, text);
            o.continuousDefect = text.left(1);
            const QString number = text.mid(1);
            bool ok = true;
            o.continuousDefectNumber = number.isEmpty() ? 0 : number.toInt(&ok);
            if (!ok) {
                o.continuousDefectNumber = 0;
                noteBadValue(reader, QStringLiteral("J"), text);
            }
            break;
        }
        case 'K': {
            QString text;
            readTextElement(reader, text);
            o.joint = text == QLatin1String("A") ? 1 : 0;
            break;
        }
        case 'M': {
            QString text;
            readTextElement(reader, text);
            if (isPlainFileName(text))
                o.photoFile = text;
            else
                noteReadProblem(tr("Zeile %1: Der Fotoname \"%2\" verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.")
                                    .arg(reader.lineNumber())
                                    .arg(text));
            break;
        }
        case 'N': {
            QString text;
            readTextElement(reader, text);
            o.videoTime = parseVideoTime(text);
            if (!o.videoTime.isValid()) {
                o.videoTime = QTime(0, 0);
                if (!text.isEmpty())
                    noteBadValue(reader, QStringLiteral("N"), text);
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
