#include "model/en135082investigation.h"

#include <algorithm>
#include <cmath>

EN135082Investigation::EN135082Investigation() = default;

QList<PipeMarker> EN135082Investigation::pipeMarkers()
{
    std::stable_sort(m_observations.begin(), m_observations.end(), lessByDistance);
    QList<PipeMarker> markers;
    for (const ObservationRecord &o : qAsConst(m_observations)) {
        int kind = -1;
        if (o.code == QLatin1String("BAA"))
            kind = 3;
        else if (o.code == QLatin1String("BAB"))
            kind = 2;
        else if (o.code == QLatin1String("BAC"))
            kind = 4;
        else if (o.code == QLatin1String("BAJ"))
            kind = 6;
        else if (o.code == QLatin1String("BCA"))
            kind = (o.clockFrom <= 4 || o.clockFrom >= 11) ? 1 : 0;
        else if (o.code == QLatin1String("BCB"))
            kind = 8;
        else if (o.code == QLatin1String("BDC"))
            kind = 7;
        if (kind >= 0)
            markers.append(PipeMarker(kind, o.distance));
    }
    return markers;
}

bool EN135082Investigation::hasStructuralDamage() const
{
    return std::any_of(m_observations.cbegin(), m_observations.cend(),
                       [](const ObservationRecord &o) { return o.code.startsWith(QLatin1String("BA")); });
}

int EN135082Investigation::codeGroup(const QString &code) const
{
    if (code.startsWith(QLatin1String("BA")))
        return 1;
    if (code.startsWith(QLatin1String("BB")))
        return 2;
    if (code.startsWith(QLatin1String("BC")))
        return 3;
    if (code.startsWith(QLatin1String("BD")))
        return 4;
    return 0;
}

void EN135082Investigation::buildCodeIndex()
{
    for (const NormCatalogType &type : qAsConst(m_catalogue)) {
        for (const NormCatalogSubtype &sub : type.subtypes)
            m_codes << sub.token;
    }
}

// --- description texts

EN135082Investigation::DescriptionWords EN135082Investigation::germanDescriptionWords()
{
    DescriptionWords words;
    words.at = QStringLiteral("bei");
    words.from = QStringLiteral("von");
    words.to = QStringLiteral("bis");
    words.oclock = QStringLiteral("Uhr");
    words.joint = QStringLiteral("Schaden tritt an der Rohrverbindung auf");
    words.pipeLength = QStringLiteral("Schaden über die Baulänge eines Rohres");
    words.continuous = QStringLiteral("Streckenschaden Nr.");
    words.begin = QStringLiteral("Anfang");
    words.end = QStringLiteral("Ende");
    words.photo = QStringLiteral(", Foto angelegt");
    return words;
}

QString EN135082Investigation::catalogueDescription(const ObservationRecord &o) const
{
    return characterText(o.code, o.character1, o.character2);
}

QString EN135082Investigation::quantityNumber(double value)
{
    // A hundredth stored in binary is a little less than 0.01 (12.01 - 12 = 0.00999...).
    const double fraction = value - std::trunc(value);
    return QString::number(value, 'f', fraction >= 0.01 - 1e-9 ? 2 : 0);
}

QString EN135082Investigation::quantityDescription(const ObservationRecord &o) const
{
    int index = -1;
    findSubtype(o.code, index);
    if (!hasQuantity1(o.code, index, o.character1))
        return QString();
    QString text = QStringLiteral(", ") + quantityNumber(o.quantity1) + quantity1Unit(o.code, index, o.character1);
    if (hasQuantity2(o.code, index, o.character1))
        text += QStringLiteral(", ") + quantityNumber(o.quantity2) + quantity2Unit(o.code, index, o.character1);
    return text;
}

QString EN135082Investigation::descriptionTail(const ObservationRecord &o, const DescriptionWords &words,
                                               const QString &damageText)
{
    QString text;
    if (o.clockFrom != 0) {
        if (o.clockTo == 0)
            text += QStringLiteral(", ") + words.at + QLatin1Char(' ') + QString::number(o.clockFrom) + words.oclock;
        else
            text += QStringLiteral(", ") + words.from + QLatin1Char(' ') + QString::number(o.clockFrom) + QLatin1Char(' ')
                    + words.to + QLatin1Char(' ') + QString::number(o.clockTo) + words.oclock;
    }
    if (o.joint != 0)
        text += QStringLiteral(", ") + words.joint;
    text += damageText;
    if (!o.continuousDefect.isEmpty()) {
        const QString number = QString::number(o.continuousDefectNumber + 1);
        if (o.continuousDefect.startsWith(QLatin1Char('R')))
            text += QStringLiteral(", ") + words.pipeLength;
        else if (o.continuousDefect.startsWith(QLatin1Char('A')))
            text += QStringLiteral(", ") + words.continuous + QLatin1Char(' ') + number + QLatin1Char(' ') + words.begin;
        else if (o.continuousDefect.startsWith(QLatin1Char('B')))
            text += QStringLiteral(", ") + words.continuous + QLatin1Char(' ') + number + QLatin1Char(' ') + words.end;
    }
    if (!o.remark.isEmpty())
        text += QStringLiteral(", ") + o.remark;
    if (!o.photoFile.isEmpty() && o.code != QLatin1String("BDA"))
        text += words.photo;
    return text;
}

QString EN135082Investigation::insertStartNode(const QTime &videoTime, const QString &character1)
{
    ObservationRecord start;
    start.code = QStringLiteral("BCD");
    start.character1 = character1;
    start.distance = 0.0;
    start.videoTime = videoTime;
    m_observations.insert(0, start);
    return start.code + character1 + QLatin1Char(' ') + observationDescription(m_observations.first());
}

// --- header texts

QString EN135082Investigation::optionText(const OptionMap &options, const QString &code)
{
    return options.value(code);
}

QString EN135082Investigation::millimetreText(double value)
{
    return QStringLiteral("%1mm").arg(value, 0, 'f', 0);
}

QString EN135082Investigation::metreText(double value)
{
    return QStringLiteral("%1m").arg(value, 0, 'f', 2);
}

QString EN135082Investigation::joinedTexts(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QStringLiteral(", ") + second;
}

int EN135082Investigation::truncatedMillimetres(double value)
{
    return ModelUtils::truncatedInt(value);
}

TocEntry EN135082Investigation::summaryRow()
{
    return makeSummaryRow(1, optionText(m_options.material, m_header.material),
                          joinedTexts(optionText(m_options.system, m_header.sewerKind),
                                      optionText(m_options.pipeType, m_header.pipeType)));
}

int EN135082Investigation::sewerClass(const QString &text, const char *const (&words)[3])
{
    for (int i = 0; i < 3; ++i) {
        if (text.contains(QLatin1String(words[i])))
            return i + 1;
    }
    return 0;
}

void EN135082Investigation::takeFileDefectNumbers(QVector<ObservationRecord> &observations)
{
    const bool countsFromZero = std::any_of(observations.cbegin(), observations.cend(), [](const ObservationRecord &o) {
        return !o.continuousDefect.isEmpty() && o.continuousDefectNumber == 0;
    });
    for (ObservationRecord &o : observations) {
        if (o.continuousDefectNumber < 0)
            o.continuousDefectNumber = 0; // a marker without a number: the first defect
        else if (!countsFromZero && o.continuousDefectNumber > 0)
            --o.continuousDefectNumber;
    }
}

QStringList EN135082Investigation::shortHeaderList(const QString &normName, const QString &sewerText) const
{
    const InspectionHeader &h = m_header;
    // The length shown is the one the observations span; the stored length stays as read.
    return {normName,
            h.date.toString(QStringLiteral("dd.MM.yyyy")),
            h.inspector,
            h.client,
            h.town,
            h.street,
            h.startNode,
            h.endNode,
            optionText(m_options.material, h.material),
            optionText(m_options.profile, h.profile),
            millimetreText(h.width),
            millimetreText(h.height),
            sewerText,
            optionText(m_options.direction, h.direction),
            h.videoReference,
            metreText(inspectedLength()),
            QString()};
}
