#include "model/isybau2001.h"

#include "model/modellog.h"
#include "model/sharedcatalogue.h"

#include "foundation/filehelper.h"
#include "foundation/reporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QString kCatalogPath = QStringLiteral(":/norm/ATV.xml");
const QString kControlType = QStringLiteral("X");

// A number of a description: two decimals when it has a fractional part of at least 0.01.
QString descriptionNumber(double value)
{
    const double fraction = std::fabs(value - std::trunc(value));
    return QString::number(value, 'f', fraction >= 0.01 - 1e-9 ? 2 : 0);
}

} // namespace

Isybau2001::Isybau2001()
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormATV;
}

// --- catalogue

void Isybau2001::loadCatalog()
{
    ModelUtils::loadSharedCatalogue(kCatalogPath, m_catalog, optionLists(), [this] { readCatalogFile(); });
}

QHash<QString, OptionMap *> Isybau2001::optionLists()
{
    return {
        {QStringLiteral("condition"), &m_conditionOptions},
        {QStringLiteral("position"), &m_positionOptions},
        {QStringLiteral("snum"), &m_snumOptions},
        {QStringLiteral("profil"), &m_options.profile},
        {QStringLiteral("material"), &m_options.material},
        {QStringLiteral("system"), &m_options.system},
        {QStringLiteral("direction"), &m_options.direction},
    };
}

void Isybau2001::readCatalogFile()
{
    m_catalog.clear();
    QFile file(kCatalogPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcModel) << "cannot open" << kCatalogPath;
        return;
    }
    QXmlStreamReader reader(&file);
    if (reader.readNextStartElement() && reader.name() == QLatin1String("ATV_ISYBAU")) {
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("type"))
                readCatalogType(reader);
            else if (reader.name() == QLatin1String("texte"))
                readCatalogTexts(reader);
            else
                reader.skipCurrentElement();
        }
    }
    if (reader.hasError())
        qCWarning(lcModel) << kCatalogPath << reader.errorString() << reader.lineNumber() << reader.columnNumber();
}

void Isybau2001::readCatalogType(QXmlStreamReader &reader)
{
    const QMap<QString, QString AtvEntry::*> fields{
        {QStringLiteral("name"), &AtvEntry::name},
        {QStringLiteral("text"), &AtvEntry::text},
        {QStringLiteral("condition"), &AtvEntry::condition},
        {QStringLiteral("position"), &AtvEntry::position},
        {QStringLiteral("numadd1"), &AtvEntry::numadd1},
        {QStringLiteral("numadd1Text"), &AtvEntry::numadd1Text},
        {QStringLiteral("numadd2"), &AtvEntry::numadd2},
        {QStringLiteral("numadd2Text"), &AtvEntry::numadd2Text},
        {QStringLiteral("snumadd1"), &AtvEntry::snumadd1},
        {QStringLiteral("snumadd2"), &AtvEntry::snumadd2},
    };
    AtvCatalogType type;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("name")) {
            ModelUtils::readTextElement(reader, type.name);
        } else if (reader.name() == QLatin1String("text")) {
            ModelUtils::readTextElement(reader, type.text);
        } else if (reader.name() == QLatin1String("subtype")) {
            AtvEntry entry;
            while (reader.readNextStartElement()) {
                const auto field = fields.constFind(reader.name().toString());
                if (field != fields.constEnd())
                    ModelUtils::readTextElement(reader, entry.*(field.value()));
                else
                    reader.skipCurrentElement(); // "section" and anything unknown
            }
            type.entries.append(entry);
        } else {
            reader.skipCurrentElement();
        }
    }
    m_catalog.insert(type.name, type);
}

void Isybau2001::readCatalogTexts(QXmlStreamReader &reader)
{
    const QHash<QString, OptionMap *> lists = optionLists();
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        if (OptionMap *map = lists.value(name))
            ModelUtils::readOptionList(reader, name, *map);
        else
            reader.skipCurrentElement();
    }
}

void Isybau2001::buildCodeIndex()
{
    m_codes.clear();
    for (const AtvCatalogType &type : qAsConst(m_catalog)) {
        for (const AtvEntry &e : type.entries) {
            if (type.name == kControlType) {
                m_codes << e.name;
                continue;
            }
            const QStringList conditions = ModelUtils::charactersExceptCommas(e.condition);
            const QStringList positions = ModelUtils::charactersExceptCommas(e.position);
            for (const QString &c : conditions) {
                for (const QString &p : positions)
                    m_codes << e.name.toUpper() + c + p;
            }
        }
    }
}

// --- lookups

const AtvEntry *Isybau2001::findEntry(const QString &typeName, const QString &name, const QString &condition,
                                      const QString &position) const
{
    const auto type = m_catalog.constFind(typeName);
    if (type == m_catalog.constEnd())
        return nullptr;
    for (const AtvEntry &e : type->entries) {
        if (e.name == name && ModelUtils::charactersExceptCommas(e.condition).contains(condition)
            && ModelUtils::charactersExceptCommas(e.position).contains(position))
            return &e;
    }
    return nullptr;
}

bool Isybau2001::isControlCode(const QString &code) const
{
    const auto type = m_catalog.constFind(kControlType);
    if (type == m_catalog.constEnd())
        return false;
    for (const AtvEntry &e : type->entries) {
        if (e.name == code)
            return true;
    }
    return false;
}

const AtvEntry *Isybau2001::matchingEntry(const QString &code) const
{
    const auto control = m_catalog.constFind(kControlType);
    if (control != m_catalog.constEnd()) {
        for (const AtvEntry &e : control->entries) {
            if (e.name == code)
                return &e;
        }
    }
    if (code.size() < 4)
        return nullptr;
    // The sanitation names are Ks, Kn, Kb ...: the code list and the user write them in
    // capitals ("KSAO"), the files as the catalogue does ("KsAO"); both name the same entry.
    QString name = code.left(2);
    if (name.startsWith(QLatin1Char('K')))
        name[1] = name.at(1).toLower();
    return findEntry(code.left(1), name, code.mid(2, 1), code.mid(3, 1));
}

bool Isybau2001::isKnownCode(const QString &code) const
{
    return code.isEmpty() || isControlCode(code) || (code.size() == 4 && matchingEntry(code));
}

int Isybau2001::positionKind(const QString &code) const
{
    if (code == QLatin1String("K"))
        return 2;
    return isControlCode(code) ? 0 : 2;
}

QString Isybau2001::numAdd1Text(const QString &code) const
{
    const AtvEntry *e = matchingEntry(code);
    return e ? e->numadd1 : QString();
}

QString Isybau2001::numAdd2Text(const QString &code) const
{
    const AtvEntry *e = matchingEntry(code);
    return e ? e->numadd2 : QString();
}

bool Isybau2001::hasNumAdd1(const QString &code) const
{
    if (code == QLatin1String("W--F") || code == QLatin1String("W--G"))
        return false;
    if (code.startsWith(QLatin1String("K-")))
        return true;
    const QString unit = numAdd1Text(code);
    return !unit.isEmpty() && unit != QLatin1String("-");
}

bool Isybau2001::hasNumAdd2(const QString &code) const
{
    const QString unit = numAdd2Text(code);
    return !unit.isEmpty() && unit != QLatin1String("-");
}

QStringList Isybau2001::snumKeys(const QString &code) const
{
    if (isControlCode(code)) {
        if (code.startsWith(QLatin1String("QVG")))
            return {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
        return {};
    }
    const AtvEntry *e = matchingEntry(code);
    if (!e)
        return {};
    QStringList keys;
    const QStringList parts = e->snumadd1.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            keys << part.trimmed();
    }
    return keys;
}

QString Isybau2001::snumAdd1Value(const QString &code, int index) const
{
    const QStringList keys = snumKeys(code);
    if (index < 0 || index >= keys.size()) {
        if (index < 0)
            qCDebug(lcModel) << "snumAdd1Value: no coded value at" << index << "for" << code;
        return QString();
    }
    return keys.at(index);
}

QStringList Isybau2001::snumAdd1List(const QString &code) const
{
    QStringList texts;
    const QStringList keys = snumKeys(code);
    for (const QString &key : keys)
        texts << m_snumOptions.value(key);
    return texts;
}

bool Isybau2001::hasSnumAdd1(const QString &code) const
{
    return !snumAdd1Value(code, 0).isEmpty();
}

QString Isybau2001::snumText(int key) const
{
    return m_snumOptions.value(QString::number(key));
}

// --- descriptions and header texts

QString Isybau2001::observationDescription(const ObservationRecord &o) const
{
    const QString &code = o.code;
    QString text;
    if (isControlCode(code)) {
        const AtvEntry *e = matchingEntry(code);
        text = e ? e->text : QString();
    } else {
        if (code.size() < 4)
            return QStringLiteral("ERROR: ") + code;
        const AtvEntry *e = matchingEntry(code);
        if (e)
            text = e->text;
        const QString condition = code.mid(2, 1);
        const QString position = code.mid(3, 1);
        if (condition != QLatin1String("-"))
            text += QStringLiteral(", ") + m_conditionOptions.value(condition);
        if (position != QLatin1String("-"))
            text += QStringLiteral(", ") + m_positionOptions.value(position);
    }

    const QString unit1 = numAdd1Text(code);
    if (hasNumAdd1(code))
        text += QStringLiteral(", ") + descriptionNumber(o.quantity1) + unit1;
    const QString unit2 = numAdd2Text(code);
    if (hasNumAdd2(code) && unit2 != unit1)
        text += QStringLiteral(", ") + descriptionNumber(o.quantity2) + unit2;
    if (hasSnumAdd1(code))
        text += QStringLiteral(", ") + m_snumOptions.value(QString::number(o.quantity1, 'f', 0));
    // The words between the catalogue texts are German as the catalogue, whatever the UI language.
    if (o.damageClass > 0)
        text += QStringLiteral(", Schadensklasse %1").arg(o.damageClass);
    if (!o.continuousDefect.isEmpty()) {
        const QChar marker = o.continuousDefect.at(0);
        const int number = o.continuousDefectNumber + 1;
        if (code.startsWith(QLatin1Char('K'))) {
            if (marker == QLatin1Char('A'))
                text += QStringLiteral(", Sanierungsmaßnahme Anfang");
            else if (marker == QLatin1Char('E'))
                text += QStringLiteral(", Sanierungsmaßnahme Ende");
            else
                text += QStringLiteral(", Sanierungsmaßnahme über die gesamte Baulänge des Rohres");
        } else if (marker == QLatin1Char('A')) {
            text += QStringLiteral(", Schadensanfang Nr. %1").arg(number);
        } else if (marker == QLatin1Char('E')) {
            text += QStringLiteral(", Schadensende Nr. %1").arg(number);
        } else if (marker == QLatin1Char('G')) {
            text += QStringLiteral(", Schaden in der gesamten Haltung Nr. %1").arg(number);
        } else {
            text += QStringLiteral(", Schaden über die gesamte Baulänge des Rohres Nr. %1").arg(number);
        }
    }
    if (o.clockFrom > 0) {
        if (o.clockTo == 0)
            text += QStringLiteral(", bei %1Uhr").arg(o.clockFrom);
        else
            text += QStringLiteral(", von %1 bis %2Uhr").arg(o.clockFrom).arg(o.clockTo);
    }
    if (!o.remark.isEmpty())
        text += QStringLiteral(", ") + o.remark;
    if (!o.photoFile.isEmpty() && code != QLatin1String("FOTO"))
        text += QStringLiteral(", Foto angelegt");
    return text;
}

QString Isybau2001::materialDisplayText() const
{
    const QString text = m_options.material.value(m_header.material);
    if (text.startsWith(QLatin1String("son")) && !m_header.materialText.isEmpty())
        return m_header.materialText;
    return text;
}

QString Isybau2001::systemDisplayText() const
{
    const QString text = m_options.system.value(m_header.sewerKind);
    if (text.startsWith(QLatin1String("Sonder")) && !m_header.sewerKindText.isEmpty())
        return m_header.sewerKindText;
    return text;
}

int Isybau2001::headerTextLength(QString InspectionHeader::*field) const
{
    return field == &InspectionHeader::videoReference ? 3 : 0;
}

int Isybau2001::systemText() const
{
    const QString text = m_options.system.value(m_header.sewerKind);
    if (text.contains(QLatin1String("Regen")))
        return 1;
    if (text.contains(QLatin1String("Schmutz")))
        return 2;
    if (text.contains(QLatin1String("Misch")))
        return 3;
    return 0;
}

ModelUtils::TextTable Isybau2001::mainDataTable() const
{
    const InspectionHeader &h = m_header;
    ModelUtils::TextTable table;
    table.beginTable();
    table.beginRow();
    table.addPair(tr("Operator: "), h.inspector);
    table.addPair(tr("Kunde: "), h.client);
    table.addPair(tr("Ort: "), h.town);
    table.addPair(tr("Straße: "), h.street);
    table.addPair(tr("Haltung: "), h.sectionName);
    table.endRow();
    table.beginRow();
    table.addPair(tr("oben: "), h.startNode);
    table.addPair(tr("unten: "), h.endNode);
    table.endRow();
    table.addLine(m_options.direction.value(h.direction));
    table.beginRow();
    table.addPair(tr("Profil: "), m_options.profile.value(h.profile));
    if (h.profile == QLatin1String("0")) {
        table.addInt(tr("Durchmesser: "), ModelUtils::truncatedInt(h.height));
    } else {
        table.addInt(tr("Höhe: "), ModelUtils::truncatedInt(h.height));
        table.addInt(tr("Breite: "), ModelUtils::truncatedInt(h.width));
    }
    table.addPair(tr("Material: "), materialDisplayText());
    table.addPair(tr("System: "), systemDisplayText());
    table.endRow();
    table.addEmptyLine();
    table.beginRow();
    table.addPair(tr("VideoNr: "), h.videoReference);
    table.endRow();
    table.endTable();
    return table;
}

QStringList Isybau2001::mainDataList() const
{
    const InspectionHeader &h = m_header;
    return {QStringLiteral("ISYBAU2001"),
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            h.endNode,
            materialDisplayText(),
            m_options.profile.value(h.profile),
            QStringLiteral("%1mm").arg(h.width, 0, 'f', 0),
            QStringLiteral("%1mm").arg(h.height, 0, 'f', 0),
            systemDisplayText(),
            m_options.direction.value(h.direction),
            h.videoReference,
            QStringLiteral("%1m").arg(inspectedLength(), 0, 'f', 2)};
}

QStringList Isybau2001::mainDataListFull() const
{
    return {};
}

TocEntry Isybau2001::summaryRow()
{
    return makeSummaryRow(0, materialDisplayText(), systemDisplayText());
}

int Isybau2001::codeGroup(const QString &code) const
{
    if (isControlCode(code) || code.startsWith(QLatin1String("A--")) || code.startsWith(QLatin1String("AU-")))
        return 0;
    return 1;
}

bool Isybau2001::hasStructuralDamage() const
{
    return std::any_of(m_observations.cbegin(), m_observations.cend(),
                       [this](const ObservationRecord &o) { return codeGroup(o.code) == 1; });
}

QList<PipeMarker> Isybau2001::pipeMarkers()
{
    QVector<ObservationRecord> sorted = m_observations;
    std::stable_sort(sorted.begin(), sorted.end(), lessByDistance);
    QList<PipeMarker> markers;
    for (const ObservationRecord &o : qAsConst(sorted)) {
        const QString &code = o.code;
        int kind = -1;
        if (code == QLatin1String("IAB")) {
            kind = 7;
        } else if (!code.isEmpty() && !isControlCode(code)) {
            switch (code.at(0).toLatin1()) {
            case 'A':
                kind = (code.endsWith(QLatin1Char('L')) || code.endsWith(QLatin1Char('U'))) ? 0 : 1;
                break;
            case 'R': kind = 2; break;
            case 'D': kind = 3; break;
            case 'B': kind = 4; break;
            case 'H': kind = 5; break;
            case 'L': kind = 6; break;
            case 'K': kind = 8; break;
            default: break;
            }
        }
        if (kind >= 0)
            markers << PipeMarker(kind, o.distance);
    }
    return markers;
}

QVector<ObservationRow> Isybau2001::observationRows()
{
    std::stable_sort(m_observations.begin(), m_observations.end(), lessByDistance);
    QVector<ObservationRow> rows;
    rows.reserve(m_observations.size());
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        ObservationRow row;
        row.distance = o.distance;
        row.videoTime = o.videoTime;
        row.label = o.code;
        row.text = observationText(i, false);
        const bool lowerSide = o.code.size() == 4
                               && (o.code.endsWith(QLatin1Char('U')) || o.code.endsWith(QLatin1Char('L')));
        row.side = lowerSide ? 0 : 1;
        row.category = codeGroup(o.code);
        row.damageClass = o.damageClass;
        rows.append(row);
    }
    return rows;
}

QString Isybau2001::addStartNode(const QTime &videoTime)
{
    ObservationRecord start;
    start.code = QStringLiteral("HA");
    start.distance = 0.0;
    start.videoTime = videoTime;
    m_observations.append(start);
    // The text of the observation just added (with an empty list that is also the first one).
    return QStringLiteral("HA ") + observationDescription(start);
}

QVector<PrintJob> Isybau2001::inspectionPrintJob()
{
    return makeInspectionJobs(m_header.direction != QLatin1String("O") ? 1 : 0);
}

QVector<PrintJob> Isybau2001::photoPrintJob()
{
    return makePhotoJobs(m_header.direction != QLatin1String("O") ? 1 : 0);
}

// --- conversion

bool Isybau2001::convert()
{
    const QString oldPath = filePath();
    // A file that did not load completely would be replaced by what was read of it.
    if (!mayWrite(oldPath))
        return false;
    const QString oldName = m_fileName;
    const NormKind oldKind = m_normKind;
    const bool toAtv = m_normKind != NormATV;
    m_fileName = FileHelper::replaceSuffix(m_fileName, toAtv ? QStringLiteral("h") : QStringLiteral("lh"));
    m_normKind = toAtv ? NormATV : NormIsybau2001;
    if (!save()) {
        m_fileName = oldName;
        m_normKind = oldKind;
        return false;
    }
    if (filePath() != oldPath && QFile::exists(oldPath) && !QFile::remove(oldPath)) {
        Reporter::error(tr("Die alte Datei %1 konnte nicht gelöscht werden.").arg(QDir::toNativeSeparators(oldPath)));
    }
    return true;
}
