#include "reports/printer.h"
#include "support/pagecontent.h"

#include <QtTest>

#include <algorithm>

namespace {

using Rows = QVector<QPair<QString, int>>; // label, value index

// The label and value groups of a grid, each with its lines joined: the grid draws every label
// and value as one group of line texts, and the ":" marks as plain texts beside them.
struct Cell
{
    QRectF rect;
    QString text;
    bool bold = false;
};

QVector<Cell> cells(const PrintPage &page)
{
    QVector<Cell> result;
    for (const PrintElement &element : page.elements()) {
        if (element.kind() != PrintElement::Group)
            continue;
        Cell cell{element.rect(), QString(), false};
        QStringList lines;
        for (const PrintElement &line : *element.children()) {
            lines << line.text();
            cell.bold = line.font().weight() == 75;
        }
        cell.text = lines.join(QLatin1Char(' '));
        result.append(cell);
    }
    return result;
}

// The label drawn on the same line as the value and nearest to its left.
QString labelBeside(const QVector<Cell> &all, const QString &value, bool *found)
{
    const auto valueCell = std::find_if(all.begin(), all.end(), [&](const Cell &c) { return c.text == value; });
    *found = valueCell != all.end();
    if (!*found)
        return QString();
    const Cell *label = nullptr;
    for (const Cell &c : all) {
        if (std::abs(c.rect.top() - valueCell->rect.top()) < 1e-6 && c.rect.left() < valueCell->rect.left()
            && (!label || c.rect.left() > label->rect.left()))
            label = &c;
    }
    *found = label && (label->bold || label->text.isEmpty()) && !valueCell->bold;
    return label ? label->text : QString();
}

} // namespace

class TestHeaderTables : public QObject
{
    Q_OBJECT

private slots:
    void valuesLandBesideTheirLabels_data();
    void valuesLandBesideTheirLabels();
    void noTableWithoutANormHeaderOrForAnUnknownStandard_data();
    void noTableWithoutANormHeaderOrForAnUnknownStandard();
    void shortListsGiveEmptyValues();
};

void TestHeaderTables::valuesLandBesideTheirLabels_data()
{
    QTest::addColumn<QString>("norm");
    QTest::addColumn<bool>("shortTable");
    QTest::addColumn<Rows>("rows");

    const Rows shortCommon{{QStringLiteral("Datum"), 1},    {QStringLiteral("Operator"), 2}, {QStringLiteral("Kunde"), 3},
                           {QStringLiteral("Ort"), 4},      {QStringLiteral("Straße"), 5},   {QStringLiteral("Länge"), 15},
                           {QStringLiteral("Material"), 8}, {QStringLiteral("Profil"), 9},   {QStringLiteral("Breite"), 10},
                           {QStringLiteral("Höhe"), 11},    {QStringLiteral("System"), 12},  {QStringLiteral("Richtung"), 13}};
    QTest::newRow("short header of ISYBAU 2001")
        << QStringLiteral("ISYBAU2001") << true
        << shortCommon + Rows{{QStringLiteral("Punkt oben"), 6}, {QStringLiteral("Punkt unten"), 7}, {QStringLiteral("Videonummer"), 14}};
    QTest::newRow("short header of any other standard")
        << QStringLiteral("EN_13508_2") << true
        << shortCommon + Rows{{QStringLiteral("Zulauf"), 6}, {QStringLiteral("Ablauf"), 7}, {QStringLiteral("Videoname"), 14}};

    QTest::newRow("EN 13508-2") << QStringLiteral("EN_13508_2") << false
                                << Rows{{QStringLiteral("Auftragskennung"), 0},
                                        {QStringLiteral("Datum"), 1},
                                        {QStringLiteral("Uhrzeit"), 2},
                                        {QStringLiteral("Operator"), 3},
                                        {QStringLiteral("Kunde"), 4},
                                        {QStringLiteral("Ort"), 5},
                                        {QStringLiteral("Straße"), 6},
                                        {QStringLiteral("Zulauf"), 7},
                                        {QStringLiteral("Ablauf"), 8},
                                        {QStringLiteral("Inspektionsrichtung"), 9},
                                        {QStringLiteral("Kanalart"), 10},
                                        {QStringLiteral("Material"), 11},
                                        {QStringLiteral("Profil"), 12},
                                        {QStringLiteral("Profilbreite"), 13},
                                        {QStringLiteral("Profilhöhe"), 14},
                                        {QStringLiteral("Reinigung"), 15},
                                        {QStringLiteral("Wasserhaltung"), 16},
                                        {QStringLiteral("Bezugspunkt der Lage in Längsrichtung"), 17},
                                        {QStringLiteral("Inspektionsgrund"), 18},
                                        {QStringLiteral("Auskleidung"), 19},
                                        {QStringLiteral("Inspektionslänge"), 20}};
    QTest::newRow("DWA-M 149-2") << QStringLiteral("DWA_M149_2") << false
                                 << Rows{{QStringLiteral("Datum"), 0},
                                         {QStringLiteral("Uhrzeit"), 1},
                                         {QStringLiteral("Auftragskennung"), 2},
                                         {QStringLiteral("Firma"), 3},
                                         {QStringLiteral("Operator"), 4},
                                         {QStringLiteral("Kunde"), 5},
                                         {QStringLiteral("Ort"), 6},
                                         {QStringLiteral("Straße"), 7},
                                         {QStringLiteral("Zulauf"), 8},
                                         {QStringLiteral("Ablauf"), 9},
                                         {QStringLiteral("Inspektionsrichtung"), 10},
                                         {QStringLiteral("Kanalart"), 11},
                                         {QStringLiteral("Abwasserart"), 12},
                                         {QStringLiteral("Inspektionsgrund"), 13},
                                         {QStringLiteral("Reinigung"), 14},
                                         {QStringLiteral("Wasserhaltung"), 15},
                                         {QStringLiteral("Material"), 16},
                                         {QStringLiteral("Profil"), 17},
                                         {QStringLiteral("Profilbreite"), 18},
                                         {QStringLiteral("Profilhöhe"), 19},
                                         {QStringLiteral("Videoreferenz"), 20},
                                         {QString(), 21},
                                         {QStringLiteral("Bezugspunkt der Lage in Längsrichtung"), 22},
                                         {QStringLiteral("Auskleidung"), 23},
                                         {QStringLiteral("Auskleidungsmaterial"), 24},
                                         {QStringLiteral("Inspektionslänge"), 25},
                                         {QStringLiteral("Regeleinzelrohrlänge"), 26}};
    // Values 11 and 12 are the pipe type and the installation type.
    QTest::newRow("ISYBAU 2006") << QStringLiteral("ISYBAU2006") << false
                                 << Rows{{QStringLiteral("Auftragskennung"), 0},
                                         {QStringLiteral("Datum"), 1},
                                         {QStringLiteral("Uhrzeit"), 2},
                                         {QStringLiteral("Operator"), 3},
                                         {QStringLiteral("Kunde"), 4},
                                         {QStringLiteral("Ort"), 5},
                                         {QStringLiteral("Straße"), 6},
                                         {QStringLiteral("Zulauf"), 7},
                                         {QString(), 8},
                                         {QStringLiteral("Ablauf"), 9},
                                         {QString(), 10},
                                         {QStringLiteral("Rohrleitungstyp"), 11},
                                         {QStringLiteral("Anlagentyp"), 12},
                                         {QStringLiteral("Inspektionsrichtung"), 13},
                                         {QStringLiteral("Kanalart"), 14},
                                         {QStringLiteral("Material"), 15},
                                         {QString(), 16},
                                         {QStringLiteral("Profil"), 17},
                                         {QString(), 18},
                                         {QStringLiteral("Profilbreite"), 19},
                                         {QStringLiteral("Profilhöhe"), 20},
                                         {QStringLiteral("Videoreferenz"), 21},
                                         {QString(), 22},
                                         {QStringLiteral("Reinigung"), 23},
                                         {QStringLiteral("Wasserhaltung"), 24},
                                         {QStringLiteral("Bezugspunkt der Lage in Längsrichtung"), 25},
                                         {QStringLiteral("Rohrinnenschutz"), 26},
                                         {QStringLiteral("Auskleidung"), 27},
                                         {QStringLiteral("Inspektionslänge"), 28},
                                         {QStringLiteral("Regeleinzelrohrlänge"), 29}};
    // Value 16 is the width and value 17 the height.
    QTest::newRow("DanDas") << QStringLiteral("DANDAS") << false
                            << Rows{{QStringLiteral("Dato"), 0},
                                    {QStringLiteral("Operatør"), 1},
                                    {QStringLiteral("Kunden"), 2},
                                    {QStringLiteral("By"), 3},
                                    {QStringLiteral("Vej"), 4},
                                    {QStringLiteral("Start Punkt"), 5},
                                    {QString(), 6},
                                    {QStringLiteral("Slutt Punkt"), 7},
                                    {QString(), 8},
                                    {QStringLiteral("Inspektionretning"), 9},
                                    {QStringLiteral("System"), 10},
                                    {QStringLiteral("I Brug"), 11},
                                    {QStringLiteral("Inspektionsårsag"), 12},
                                    {QStringLiteral("Spulet"), 13},
                                    {QStringLiteral("Materiale"), 14},
                                    {QStringLiteral("Tværsnit"), 15},
                                    {QStringLiteral("Bredde"), 16},
                                    {QStringLiteral("Højde"), 17},
                                    {QStringLiteral("Medie-ID"), 18},
                                    {QStringLiteral("Medie"), 19},
                                    {QStringLiteral("Inspektionsmetode"), 20},
                                    {QStringLiteral("Vejrlig"), 21},
                                    {QStringLiteral("Længde"), 22}};
    QTest::newRow("NORVAR 145-2005") << QStringLiteral("NORVAR 145-2005") << false
                                     << Rows{{QStringLiteral("Dato"), 0},
                                             {QStringLiteral("Uhrzeit"), 1},
                                             {QStringLiteral("Ledningsident"), 2},
                                             {QStringLiteral("Operatør"), 3},
                                             {QStringLiteral("Oppdragsgiver"), 4},
                                             {QStringLiteral("By"), 5},
                                             {QStringLiteral("Adresse"), 6},
                                             {QStringLiteral("Start node"), 7},
                                             {QStringLiteral("Slutt node"), 8},
                                             {QStringLiteral("Overflatemessige forhold"), 9},
                                             {QStringLiteral("Inspeksjonsretning"), 10},
                                             {QStringLiteral("Ledningstype"), 11},
                                             {QStringLiteral("Inspeksjonsformål"), 12},
                                             {QStringLiteral("Inspeksjonsretning"), 13},
                                             {QStringLiteral("Vannmengderegulerende tiltak"), 14},
                                             {QStringLiteral("Materiale"), 15},
                                             {QStringLiteral("Form"), 16},
                                             {QStringLiteral("Høyde"), 17},
                                             {QStringLiteral("Bredde"), 18},
                                             {QStringLiteral("Lagringsmediumets referanse"), 19},
                                             {QStringLiteral("Lagringsmedium"), 20},
                                             {QStringLiteral("Auskleidung"), 21},
                                             {QString(), 22},
                                             {QStringLiteral("Inspektionslänge"), 23}};
}

void TestHeaderTables::valuesLandBesideTheirLabels()
{
    QFETCH(QString, norm);
    QFETCH(bool, shortTable);
    QFETCH(Rows, rows);

    // Every value names its own position, so a value beside the wrong label shows at once.
    int last = 0;
    for (const auto &row : rows)
        last = std::max(last, row.second);
    // The short list holds its values from element 1 on, the norm list after the name.
    QStringList list{norm};
    for (int i = shortTable ? 1 : 0; i <= last; ++i)
        list << QStringLiteral("v%1").arg(i);

    Printer printer;
    PrintPage page(793, 1123);
    double height = 0;
    if (shortTable) {
        printer.setShortHeader(list);
        printer.addShortHeaderTable(page);
    } else {
        printer.setNormHeader(list);
        height = printer.addHeaderTable(page);
    }

    const QVector<Cell> all = cells(page);
    for (const auto &row : rows) {
        bool found = false;
        const QString label = labelBeside(all, QStringLiteral("v%1").arg(row.second), &found);
        QVERIFY2(found, qPrintable(QStringLiteral("value %1 is not drawn as a value").arg(row.second)));
        QCOMPARE(label, row.first);
    }
    // Nothing else is labelled: one label per row and one value per label.
    QCOMPARE(int(all.size()), 2 * int(rows.size()));

    // The table starts at (20 mm, 78 mm) in two columns of 85 mm.
    const double mm = 793.0 / 210.0;
    double left = 1e9, top = 1e9, bottom = 0;
    for (const Cell &c : all) {
        left = std::min(left, c.rect.left());
        top = std::min(top, c.rect.top());
        bottom = std::max(bottom, c.rect.bottom());
        QVERIFY(c.rect.right() <= 190 * mm + 1e-6);
    }
    QVERIFY(std::abs(left - 20 * mm) < 1e-6);
    QVERIFY(std::abs(top - 78 * mm) < 1e-6);
    if (!shortTable)
        QVERIFY(std::abs(height - (bottom - top)) < 1e-6);
}

void TestHeaderTables::noTableWithoutANormHeaderOrForAnUnknownStandard_data()
{
    QTest::addColumn<QStringList>("normHeader");
    QTest::newRow("empty") << QStringList();
    QTest::newRow("ISYBAU 2001 has no table of its own") << QStringList{QStringLiteral("ISYBAU2001"), QStringLiteral("v0")};
    QTest::newRow("unknown name") << QStringList{QStringLiteral("isybau2006"), QStringLiteral("v0")};
}

void TestHeaderTables::noTableWithoutANormHeaderOrForAnUnknownStandard()
{
    QFETCH(QStringList, normHeader);
    Printer printer;
    printer.setNormHeader(normHeader);
    PrintPage page(793, 1123);
    QCOMPARE(printer.addHeaderTable(page), 0.0);
    QVERIFY(page.elements().isEmpty());
}

void TestHeaderTables::shortListsGiveEmptyValues()
{
    Printer printer;
    printer.setNormHeader({QStringLiteral("DWA_M149_2"), QStringLiteral("01.02.2024"), QStringLiteral("10:30")});
    PrintPage page(793, 1123);
    const double height = printer.addHeaderTable(page);
    QVERIFY(height > 0);

    const QVector<Cell> all = cells(page);
    bool found = false;
    QCOMPARE(labelBeside(all, QStringLiteral("01.02.2024"), &found), QStringLiteral("Datum"));
    QVERIFY(found);
    QCOMPARE(labelBeside(all, QStringLiteral("10:30"), &found), QStringLiteral("Uhrzeit"));
    QVERIFY(found);
    // Every label is still there, the values it has no text for are empty.
    const QString texts = PageContent::joinedText(page);
    QVERIFY(texts.contains(QStringLiteral("Regeleinzelrohrlänge")));
    QVERIFY(texts.contains(QStringLiteral("Auftragskennung")));
    const int filled = int(std::count_if(all.begin(), all.end(), [](const Cell &c) { return !c.bold && !c.text.isEmpty(); }));
    QCOMPARE(filled, 2);

    printer.setShortHeader({QStringLiteral("EN_13508_2"), QStringLiteral("01.02.2024")});
    PrintPage shortPage(793, 1123);
    printer.addShortHeaderTable(shortPage);
    QVERIFY(PageContent::joinedText(shortPage).contains(QStringLiteral("Videoname")));
}

QTEST_MAIN(TestHeaderTables)
#include "tst_headertables.moc"
