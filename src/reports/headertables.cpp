// The inspection header tables: two label/value column pairs at the top of an inspection page,
// the short one from the job's short header, the standard's own from its norm header. Values are
// read by position in the order the inspections fill them; a missing value prints empty.

#include "reports/printer.h"

double Printer::addHeaderGrid(PrintPage &page, const QStringList &values,
                              const QVector<HeaderRow> &left, const QVector<HeaderRow> &right) const
{
    QList<QStringList> columns;
    for (const QVector<HeaderRow> *rows : {&left, &right}) {
        QStringList labels;
        QStringList texts;
        for (const HeaderRow &row : *rows) {
            labels << (row.label ? tr(row.label) : QString());
            texts << values.value(row.value);
        }
        columns << labels << texts;
    }
    return addLabelGrid(page, QPointF(LeftMargin, ContentTop), columns,
                        {HeaderColumnWidth, HeaderColumnWidth});
}

void Printer::addShortHeaderTable(PrintPage &page) const
{
    // ISYBAU 2001 names the nodes and the video its own way.
    const bool isybau2001 = m_shortHeader.value(0) == QLatin1String("ISYBAU2001");
    addHeaderGrid(page, m_shortHeader,
                  {{QT_TR_NOOP("Datum"), 1},
                   {QT_TR_NOOP("Operator"), 2},
                   {QT_TR_NOOP("Kunde"), 3},
                   {QT_TR_NOOP("Ort"), 4},
                   {QT_TR_NOOP("Straße"), 5},
                   {isybau2001 ? QT_TR_NOOP("Punkt oben") : QT_TR_NOOP("Zulauf"), 6},
                   {isybau2001 ? QT_TR_NOOP("Punkt unten") : QT_TR_NOOP("Ablauf"), 7},
                   {QT_TR_NOOP("Länge"), 15}},
                  {{QT_TR_NOOP("Material"), 8},
                   {QT_TR_NOOP("Profil"), 9},
                   {QT_TR_NOOP("Breite"), 10},
                   {QT_TR_NOOP("Höhe"), 11},
                   {QT_TR_NOOP("System"), 12},
                   {QT_TR_NOOP("Richtung"), 13},
                   {isybau2001 ? QT_TR_NOOP("Videonummer") : QT_TR_NOOP("Videoname"), 14}});
}

double Printer::addHeaderTable(PrintPage &page) const
{
    if (m_normHeader.isEmpty())
        return 0;
    const QString norm = m_normHeader.first();
    const QStringList values = m_normHeader.mid(1);
    if (norm == QLatin1String("ISYBAU2006"))
        return addIsybau2006HeaderTable(page, values);
    if (norm == QLatin1String("EN_13508_2"))
        return addEnHeaderTable(page, values);
    if (norm == QLatin1String("DWA_M149_2"))
        return addDwaHeaderTable(page, values);
    if (norm == QLatin1String("NORVAR 145-2005"))
        return addNorvarHeaderTable(page, values);
    if (norm == QLatin1String("DANDAS"))
        return addDandasHeaderTable(page, values);
    return 0;
}

double Printer::addEnHeaderTable(PrintPage &page, const QStringList &values) const
{
    return addHeaderGrid(page, values,
                         {{QT_TR_NOOP("Auftragskennung"), 0},
                          {QT_TR_NOOP("Datum"), 1},
                          {QT_TR_NOOP("Uhrzeit"), 2},
                          {QT_TR_NOOP("Operator"), 3},
                          {QT_TR_NOOP("Kunde"), 4},
                          {QT_TR_NOOP("Ort"), 5},
                          {QT_TR_NOOP("Straße"), 6},
                          {QT_TR_NOOP("Reinigung"), 15},
                          {QT_TR_NOOP("Wasserhaltung"), 16},
                          {QT_TR_NOOP("Bezugspunkt der Lage in Längsrichtung"), 17}},
                         {{QT_TR_NOOP("Zulauf"), 7},
                          {QT_TR_NOOP("Ablauf"), 8},
                          {QT_TR_NOOP("Inspektionsrichtung"), 9},
                          {QT_TR_NOOP("Kanalart"), 10},
                          {QT_TR_NOOP("Material"), 11},
                          {QT_TR_NOOP("Profil"), 12},
                          {QT_TR_NOOP("Profilbreite"), 13},
                          {QT_TR_NOOP("Profilhöhe"), 14},
                          {QT_TR_NOOP("Inspektionsgrund"), 18},
                          {QT_TR_NOOP("Auskleidung"), 19},
                          {QT_TR_NOOP("Inspektionslänge"), 20}});
}

double Printer::addDwaHeaderTable(PrintPage &page, const QStringList &values) const
{
    return addHeaderGrid(page, values,
                         {{QT_TR_NOOP("Auftragskennung"), 2},
                          {QT_TR_NOOP("Datum"), 0},
                          {QT_TR_NOOP("Uhrzeit"), 1},
                          {QT_TR_NOOP("Firma"), 3},
                          {QT_TR_NOOP("Operator"), 4},
                          {QT_TR_NOOP("Kunde"), 5},
                          {QT_TR_NOOP("Ort"), 6},
                          {QT_TR_NOOP("Straße"), 7},
                          {QT_TR_NOOP("Inspektionsgrund"), 13},
                          {QT_TR_NOOP("Reinigung"), 14},
                          {QT_TR_NOOP("Wasserhaltung"), 15},
                          {QT_TR_NOOP("Videoreferenz"), 20},
                          {nullptr, 21},
                          {QT_TR_NOOP("Auskleidung"), 23},
                          {QT_TR_NOOP("Auskleidungsmaterial"), 24}},
                         {{QT_TR_NOOP("Zulauf"), 8},
                          {QT_TR_NOOP("Ablauf"), 9},
                          {QT_TR_NOOP("Inspektionsrichtung"), 10},
                          {QT_TR_NOOP("Kanalart"), 11},
                          {QT_TR_NOOP("Abwasserart"), 12},
                          {QT_TR_NOOP("Material"), 16},
                          {QT_TR_NOOP("Profil"), 17},
                          {QT_TR_NOOP("Profilbreite"), 18},
                          {QT_TR_NOOP("Profilhöhe"), 19},
                          {QT_TR_NOOP("Bezugspunkt der Lage in Längsrichtung"), 22},
                          {QT_TR_NOOP("Inspektionslänge"), 25},
                          {QT_TR_NOOP("Regeleinzelrohrlänge"), 26}});
}

double Printer::addIsybau2006HeaderTable(PrintPage &page, const QStringList &values) const
{
    // Value 11 is the pipe type and value 12 the installation type, as the inspection lists them.
    return addHeaderGrid(page, values,
                         {{QT_TR_NOOP("Auftragskennung"), 0},
                          {QT_TR_NOOP("Datum"), 1},
                          {QT_TR_NOOP("Uhrzeit"), 2},
                          {QT_TR_NOOP("Operator"), 3},
                          {QT_TR_NOOP("Kunde"), 4},
                          {QT_TR_NOOP("Ort"), 5},
                          {QT_TR_NOOP("Straße"), 6},
                          {QT_TR_NOOP("Rohrleitungstyp"), 11},
                          {QT_TR_NOOP("Anlagentyp"), 12},
                          {QT_TR_NOOP("Reinigung"), 23},
                          {QT_TR_NOOP("Wasserhaltung"), 24},
                          {QT_TR_NOOP("Bezugspunkt der Lage in Längsrichtung"), 25},
                          {QT_TR_NOOP("Rohrinnenschutz"), 26},
                          {QT_TR_NOOP("Auskleidung"), 27}},
                         {{QT_TR_NOOP("Zulauf"), 7},
                          {nullptr, 8},
                          {QT_TR_NOOP("Ablauf"), 9},
                          {nullptr, 10},
                          {QT_TR_NOOP("Inspektionsrichtung"), 13},
                          {QT_TR_NOOP("Kanalart"), 14},
                          {QT_TR_NOOP("Material"), 15},
                          {nullptr, 16},
                          {QT_TR_NOOP("Profil"), 17},
                          {nullptr, 18},
                          {QT_TR_NOOP("Profilbreite"), 19},
                          {QT_TR_NOOP("Profilhöhe"), 20},
                          {QT_TR_NOOP("Videoreferenz"), 21},
                          {nullptr, 22},
                          {QT_TR_NOOP("Inspektionslänge"), 28},
                          {QT_TR_NOOP("Regeleinzelrohrlänge"), 29}});
}

double Printer::addDandasHeaderTable(PrintPage &page, const QStringList &values) const
{
    // Value 16 is the width and value 17 the height, as the inspection lists them.
    return addHeaderGrid(page, values,
                         {{QT_TR_NOOP("Dato"), 0},
                          {QT_TR_NOOP("Operatør"), 1},
                          {QT_TR_NOOP("Kunden"), 2},
                          {QT_TR_NOOP("By"), 3},
                          {QT_TR_NOOP("Vej"), 4},
                          {QT_TR_NOOP("Start Punkt"), 5},
                          {nullptr, 6},
                          {QT_TR_NOOP("Slutt Punkt"), 7},
                          {nullptr, 8},
                          {QT_TR_NOOP("Inspektionretning"), 9},
                          {QT_TR_NOOP("System"), 10},
                          {QT_TR_NOOP("I Brug"), 11}},
                         {{QT_TR_NOOP("Inspektionsårsag"), 12},
                          {QT_TR_NOOP("Spulet"), 13},
                          {QT_TR_NOOP("Materiale"), 14},
                          {QT_TR_NOOP("Tværsnit"), 15},
                          {QT_TR_NOOP("Bredde"), 16},
                          {QT_TR_NOOP("Højde"), 17},
                          {QT_TR_NOOP("Medie-ID"), 18},
                          {QT_TR_NOOP("Medie"), 19},
                          {QT_TR_NOOP("Inspektionsmetode"), 20},
                          {QT_TR_NOOP("Vejrlig"), 21},
                          {QT_TR_NOOP("Længde"), 22}});
}

double Printer::addNorvarHeaderTable(PrintPage &page, const QStringList &values) const
{
    return addHeaderGrid(page, values,
                         {{QT_TR_NOOP("Dato"), 0},
                          {QT_TR_NOOP("Uhrzeit"), 1},
                          {QT_TR_NOOP("Ledningsident"), 2},
                          {QT_TR_NOOP("Operatør"), 3},
                          {QT_TR_NOOP("Oppdragsgiver"), 4},
                          {QT_TR_NOOP("By"), 5},
                          {QT_TR_NOOP("Adresse"), 6},
                          {QT_TR_NOOP("Start node"), 7},
                          {QT_TR_NOOP("Slutt node"), 8},
                          {QT_TR_NOOP("Overflatemessige forhold"), 9},
                          {QT_TR_NOOP("Inspeksjonsretning"), 10},
                          {QT_TR_NOOP("Ledningstype"), 11}},
                         {{QT_TR_NOOP("Inspeksjonsformål"), 12},
                          {QT_TR_NOOP("Inspeksjonsretning"), 13},
                          {QT_TR_NOOP("Vannmengderegulerende tiltak"), 14},
                          {QT_TR_NOOP("Materiale"), 15},
                          {QT_TR_NOOP("Form"), 16},
                          {QT_TR_NOOP("Høyde"), 17},
                          {QT_TR_NOOP("Bredde"), 18},
                          {QT_TR_NOOP("Lagringsmediumets referanse"), 19},
                          {QT_TR_NOOP("Lagringsmedium"), 20},
                          {QT_TR_NOOP("Auskleidung"), 21},
                          {nullptr, 22},
                          {QT_TR_NOOP("Inspektionslänge"), 23}});
}
