#include "entry/observationpreview.h"

#include "model/dandas.h"
#include "model/en135082investigation.h"
#include "model/investigation.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPen>

#include <cmath>

namespace {

// The words between the catalogue texts belong to the observation dialog's translations.
QString word(const char *text)
{
    return QCoreApplication::translate("ENDamageDataDialog", text);
}

QString quantityText(double value, const QString &unit)
{
    return QStringLiteral(", ") + EN135082Investigation::quantityNumber(value) + unit;
}

QString enText(const Investigation &inspection, const EN135082Structur &catalogue, const ObservationRecord &o,
               int index)
{
    QString text = QStringLiteral("%1m %2%3%4 ")
                       .arg(o.distance, 0, 'f', 2)
                       .arg(o.code, o.character1, o.character2);
    text += catalogue.characterText(o.code, o.character1, o.character2);

    // The start and end nodes of EN 13508-2 carry names where other codes carry numbers.
    const bool namedNode = inspection.normKind() == NormEN135082
                           && (o.code == QLatin1String("BCD") || o.code == QLatin1String("BCE"));
    if (namedNode) {
        if (!o.quantity1Text.isEmpty())
            text += QStringLiteral(", ") + o.quantity1Text;
        if (!o.quantity2Text.isEmpty())
            text += QStringLiteral(", ") + o.quantity2Text;
    } else if (catalogue.hasQuantity1(o.code, index, o.character1)) {
        text += quantityText(o.quantity1, catalogue.quantity1Unit(o.code, index, o.character1));
        if (catalogue.hasQuantity2(o.code, index, o.character1))
            text += quantityText(o.quantity2, catalogue.quantity2Unit(o.code, index, o.character1));
    }

    if (o.clockFrom > 0) {
        if (o.clockTo == 0) {
            text += QStringLiteral(", ") + word("bei") + QLatin1Char(' ') + QString::number(o.clockFrom) + word("Uhr");
        } else {
            text += QStringLiteral(", ") + word("von") + QLatin1Char(' ') + QString::number(o.clockFrom)
                    + QLatin1Char(' ') + word("bis") + QLatin1Char(' ') + QString::number(o.clockTo) + word("Uhr");
        }
    }
    if (o.joint != 0)
        text += QStringLiteral(", ") + word("Schaden tritt an der Rohrverbindung auf");

    const QString number = QString::number(qint64(o.continuousDefectNumber) + 1);
    if (o.continuousDefect.startsWith(QLatin1Char('R')))
        text += QStringLiteral(", ") + word("Schaden über die Baulänge eines Rohres, Nr.") + QLatin1Char(' ') + number;
    else if (o.continuousDefect.startsWith(QLatin1Char('A')))
        text += QStringLiteral(", ") + word("Streckenschaden Nr.") + QLatin1Char(' ') + number + QLatin1Char(' ') + word("Anfang");
    else if (o.continuousDefect.startsWith(QLatin1Char('B')))
        text += QStringLiteral(", ") + word("Streckenschaden Nr.") + QLatin1Char(' ') + number + QLatin1Char(' ') + word("Ende");

    if (!o.remark.isEmpty())
        text += QStringLiteral(", ") + o.remark;
    return text;
}

QPen clockPen(double width)
{
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// A marked part of the clock face: angles in sixteenths of a degree, counter-clockwise from
// three o'clock.
void addMark(QGraphicsScene &scene, int start, int span)
{
    QGraphicsEllipseItem *mark = scene.addEllipse(10, 10, 60, 60, clockPen(1.0), QBrush(Qt::yellow));
    mark->setStartAngle(start);
    mark->setSpanAngle(span);
    mark->setOpacity(0.5);
}

// Hours counted counter-clockwise from three o'clock, as the ellipse items take their angles.
int hoursFromThree(int hour)
{
    return (15 - hour) % 12;
}

} // namespace

QString updateText(const Investigation &inspection, const ObservationRecord &record, int subtypeIndex)
{
    switch (inspection.normKind()) {
    case NormDanDas: {
        auto *dandas = qobject_cast<const DanDas *>(&inspection);
        if (!dandas)
            return QString();
        // The inspection's description already ends with the remark, so it is not added again.
        return QStringLiteral("%1m %2%3 ").arg(record.distance, 0, 'f', 2).arg(record.code, record.character1)
               + dandas->observationDescription(record);
    }
    case NormEN135082:
    case NormIsybau2006:
    case NormDWAM1492: {
        auto *catalogue = dynamic_cast<const EN135082Structur *>(&inspection);
        if (!catalogue || record.code.isEmpty())
            return QString();
        return enText(inspection, *catalogue, record, subtypeIndex);
    }
    default:
        return QString();
    }
}

void drawClock(QGraphicsScene &scene, int from, int to)
{
    scene.clear();
    scene.addEllipse(10, 10, 60, 60, clockPen(2.5), Qt::NoBrush);
    for (int h = 0; h < 12; ++h) {
        // Tick 0 points up; the ticks run clockwise, longer at the quarters.
        const double angle = (h * 30 - 90) * 0.017453292519943295;
        const double inner = h % 3 == 0 ? 22 : 26;
        scene.addLine(40 + inner * std::cos(angle), 40 + inner * std::sin(angle), 40 + 28 * std::cos(angle),
                      40 + 28 * std::sin(angle), clockPen(3.0));
    }
    if (from == 0)
        return;

    if (from == 12 && to == 12) {
        addMark(scene, 0, 5760);
    } else if (to != 0 && from != to) {
        // Clockwise from the first hour to the second: a negative span.
        int a = hoursFromThree(from);
        const int b = hoursFromThree(to);
        if (b > a)
            a += 12;
        addMark(scene, a * 480, (b - a) * 480);
    } else {
        // A 15-degree wedge centred on the hour.
        addMark(scene, hoursFromThree(from) * 480 - 120, 240);
    }
}

void drawClock(QGraphicsView &view, int from, int to)
{
    QGraphicsScene *scene = view.scene();
    if (!scene) {
        scene = new QGraphicsScene(0, 0, 80, 80, &view);
        view.setScene(scene);
    }
    drawClock(*scene, from, to);
}
