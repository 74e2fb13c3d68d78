#include "view3d/coursesteps.h"

#include "model/investigation.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

bool sameMeter(double a, double b)
{
    return std::fabs(a - b) * 1e12 <= std::min(std::fabs(a), std::fabs(b));
}

QVector<int> equalKeyIndexes(const QVector<ObservationRecord> &observations)
{
    QVector<int> indexes(observations.size(), 0);
    for (int i = 0; i < observations.size(); ++i) {
        const ObservationRecord &o = observations.at(i);
        for (int k = 0; k < i; ++k) {
            const ObservationRecord &earlier = observations.at(k);
            if (earlier.code == o.code && earlier.videoTime == o.videoTime && sameMeter(earlier.distance, o.distance))
                ++indexes[i];
        }
    }
    return indexes;
}

int clockPosition(int hours)
{
    const int position = ((15 - hours) * 30) % 360;
    return position < 0 ? position + 360 : position;
}

namespace {

// The first character in Latin-1, or a blank when the text is empty or the character is beyond it.
char latinInitial(const QString &text)
{
    if (text.isEmpty() || text.at(0).unicode() > 0xff)
        return ' ';
    return text.at(0).toLatin1();
}

int isybauPosition(const ObservationRecord &o)
{
    if (o.clockFrom != 0)
        return clockPosition(o.clockFrom);
    if (!o.code.startsWith(QLatin1Char('A')) || o.code.size() < 4)
        return 0;
    switch (latinInitial(o.code.mid(3, 1))) {
    case 'O':
        return 90;
    case 'U':
        return 270;
    case 'R':
        return 0;
    case 'L':
        return 180;
    default:
        return 0;
    }
}

int enPosition(const ObservationRecord &o)
{
    if (o.code != QLatin1String("BCC"))
        return clockPosition(o.clockFrom);
    const char c1 = latinInitial(o.character1);
    const char c2 = latinInitial(o.character2);
    const int column = c2 == 'A' ? 0 : (c2 == 'B' ? 1 : 2);
    static const int table[3][3] = {{135, 225, 180}, {45, 315, 0}, {90, 270, 0}};
    switch (c1) {
    case 'A':
        return table[0][column];
    case 'B':
        return table[1][column];
    case 'Y':
        return table[2][column];
    default:
        return -1;
    }
}

CourseStep stepOf(const Investigation *investigation, int index, const ObservationRecord &o, int kind,
                  double value, int position, int keyIndex)
{
    CourseStep step;
    step.index = keyIndex;
    step.kind = kind;
    step.value = value;
    step.position = position;
    step.code = o.code;
    step.timecode = o.videoTime;
    step.meter = o.distance;
    if (kind == CourseStep::Bend || kind == CourseStep::Branch)
        step.text = QStringLiteral("%1m %2 %3")
                        .arg(QString::number(o.distance, 'f', 2), o.code,
                             investigation->observationText(index, false));
    return step;
}

} // namespace

QList<CourseStep> buildCourseSteps(const Investigation *investigation)
{
    QList<CourseStep> result;
    if (!investigation)
        return result;
    const int norm = investigation->normKind();
    if (norm > NormDWAM1492)
        return result;
    const bool en = norm >= NormEN135082;
    // The EN family starts from the length of the header (the stored one, or the observed
    // one where that is longer).
    double furthest = en ? investigation->inspectedLength() : 0.0;
    QList<CourseStep> branches;
    const QVector<ObservationRecord> observations = investigation->observations();
    const QVector<int> keys = equalKeyIndexes(observations);
    for (int i = 0; i < observations.size(); ++i) {
        const ObservationRecord &o = observations.at(i);
        furthest = qMax(furthest, o.distance);
        if (en) {
            if (o.code == QLatin1String("BCA"))
                branches.append(stepOf(investigation, i, o, CourseStep::Branch, 60.0, enPosition(o), keys[i]));
            else if (o.code == QLatin1String("BCC"))
                result.append(stepOf(investigation, i, o, CourseStep::Bend, o.quantity1, enPosition(o), keys[i]));
            else if (o.code == QLatin1String("AEC"))
                result.append(stepOf(investigation, i, o, CourseStep::WidthChange, o.quantity1, 0, keys[i]));
        } else {
            if (o.code.startsWith(QLatin1Char('A')))
                branches.append(stepOf(investigation, i, o, CourseStep::Branch, 60.0, isybauPosition(o), keys[i]));
            else if (o.code == QLatin1String("K"))
                result.append(stepOf(investigation, i, o, CourseStep::Bend, o.quantity1, isybauPosition(o), keys[i]));
            else if (o.code == QLatin1String("HL"))
                furthest = qMax(furthest, o.quantity1);
            else if (o.code == QLatin1String("QVN"))
                result.append(stepOf(investigation, i, o, CourseStep::WidthChange, o.quantity1, 0, keys[i]));
        }
    }
    CourseStep end;
    end.kind = CourseStep::End;
    end.meter = furthest;
    result.append(end);
    result.append(branches);
    return result;
}
