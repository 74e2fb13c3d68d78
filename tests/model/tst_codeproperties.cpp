// One table of what every observation code measures and where it sits: the units of its
// quantifications per option, its clock-position kind (0 none, 1 one clock value, 2 a range) with
// the options that differ, and whether it may be a continuous defect. Every catalogue of the EN
// layout (EN 13508-2 in all languages, DWA-M 149-2, ISYBAU 2006) must agree with it, so the files
// cannot drift apart again. A code a standard does not have is simply absent from its file; the
// table lists the union. The values were settled where the files disagreed:
// - BAA: no clock position (characterisation 1 already says vertical or horizontal);
// - BAC: the length of a break or of missing pieces in mm, a collapse as % cross-section loss;
// - BAD "D", BAH "E": cross-section loss in %; BAE: depth of missing mortar in mm;
// - BAG: intrusion in % of the pipe height, as for the other intrusions (BAI);
// - BAJ: one clock value (the side the joint is displaced to), none for a wide joint;
// - BAM "A": a longitudinal weld lies at one clock position; BBH: vermin seen at one position;
// - BCC: a curve runs over a length, so it may be continuous;
// - BDE: the inflow height in % of the connection; BDF: gas readings in % by volume or ppm.

#include "model/en135082structur.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CodeProperties
{
    const char *code;
    int position;           // the code's clock-position kind
    const char *positions;  // options with a kind of their own, "token=kind;..."
    bool extend;            // may be a continuous defect
    const char *units1;     // unit of quantification 1 per option ("*" = the code without options); unlisted = none
    const char *units2;     // the same for quantification 2
    const char *enUnits1;   // BAK/BAL in the EN files: units per characterisation-1 option (see below)
};

// BAK and BAL: the DWA-M 149-2 and ISYBAU 2006 files carry the quantification on characterisation
// 2, where the quantification queries look for these two codes; the EN files keep it on
// characterisation 1 (so EN yields none for them). Their units are checked per layout.
const CodeProperties kCodes[] = {
    {"AEC", 0, "", false, "A=mm;B=mm;C=mm;D=mm;E=mm;F=mm;G=mm;H=mm;Z=mm", "A=mm;B=mm;C=mm;D=mm;E=mm;F=mm;G=mm;H=mm;Z=mm", ""},
    {"AED", 0, "", false, "", "", ""},
    {"AEF", 0, "", false, "*=m", "", ""},
    {"BAA", 0, "", true, "A=%;B=%", "", ""},
    {"BAB", 2, "", true, "B=mm;C=mm", "", ""},
    {"BAC", 2, "C=0", true, "A=mm;B=mm;C=%", "", ""},
    {"BAD", 2, "C=0;D=0", true, "C=mm;D=%", "", ""},
    {"BAE", 2, "", true, "*=mm", "", ""},
    {"BAF", 2, "", true, "", "", ""},
    {"BAG", 1, "", false, "*=%", "", ""},
    {"BAH", 1, "", false, "E=%", "", ""},
    {"BAI", 2, "", true, "A=%;Z=%", "", ""},
    {"BAJ", 1, "A=0", true, "A=mm;B=mm;C=°", "", ""},
    {"BAK", 2, "", true, "A=%;B=%;C=%;D=%", "", "D=%;E=%;I=mm"},
    {"BAL", 2, "", true, "A=mm;B=mm;C=mm;D=mm", "", "E=%;G=mm"},
    {"BAM", 2, "A=1", true, "", "", ""},
    {"BAN", 2, "", true, "", "", ""},
    {"BAO", 2, "", true, "", "", ""},
    {"BAP", 2, "", true, "", "", ""},
    {"BBA", 2, "", true, "A=%;B=%;C=%", "", ""},
    {"BBB", 2, "", true, "A=%;B=%;C=%;Z=%", "", ""},
    {"BBC", 2, "", true, "A=%;B=%;C=%;Z=%", "", ""},
    {"BBD", 2, "", true, "A=%;B=%;C=%;D=%;Z=%", "", ""},
    {"BBE", 2, "", true, "A=%;B=%;C=%;D=%;E=%;F=%;G=%;H=%;Z=%", "", ""},
    {"BBF", 2, "", true, "", "", ""},
    {"BBG", 2, "", true, "", "", ""},
    {"BBH", 1, "", false, "", "", ""},
    {"BCA", 1, "", false, "A=mm;B=mm;C=mm;D=mm;E=mm;F=mm;G=mm;Z=mm", "A=mm;B=mm;C=mm;D=mm;E=mm;F=mm;G=mm;Z=mm", ""},
    {"BCB", 2, "", true, "", "", ""},
    {"BCC", 0, "", true, "A=°;B=°;Y=°", "", ""},
    {"BCD", 0, "", false, "", "", ""},
    {"BCE", 0, "", false, "", "", ""},
    {"BDA", 0, "", false, "", "", ""},
    {"BDB", 0, "", false, "", "", ""},
    {"BDC", 0, "", false, "", "", ""},
    {"BDD", 0, "", true, "A=%;C=%;D=%;E=%", "", ""},
    {"BDE", 1, "", false, "A=%;C=%;D=%;E=%", "", ""},
    {"BDF", 0, "", true, "A=%;B=ppm;C=%", "", ""},
    {"BDG", 0, "", true, "", "", ""},
};

QHash<QString, QString> pairs(const char *text)
{
    QHash<QString, QString> result;
    for (const QString &pair : QString::fromUtf8(text).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        result.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return result;
}

// Units are written in the catalogue's language; compare them in one spelling.
QString unitName(QString unit)
{
    if (unit == QStringLiteral("мм"))
        unit = QStringLiteral("mm");
    else if (unit == QStringLiteral("м"))
        unit = QStringLiteral("m");
    return unit.isEmpty() ? QStringLiteral("-") : unit;
}

QString unitOf(const QMap<QString, NormCatalogQuantity> &quantities, const QString &reference)
{
    if (reference == QLatin1String("-"))
        return QStringLiteral("-");
    return unitName(quantities.contains(reference) ? quantities.value(reference).name : QStringLiteral("?"));
}

// What the catalogue says against the table; empty when they agree.
QStringList disagreements(const EN135082Structur &structure, bool enLayout)
{
    QHash<QString, const CodeProperties *> table;
    for (const CodeProperties &p : kCodes)
        table.insert(QString::fromLatin1(p.code), &p);

    QStringList problems;
    for (const NormCatalogType &type : structure.catalogue()) {
        for (const NormCatalogSubtype &sub : type.subtypes) {
            const CodeProperties *p = table.value(sub.token);
            if (!p) {
                problems << sub.token + QStringLiteral(": not in the table of code properties");
                continue;
            }
            if (sub.position != p->position)
                problems << QStringLiteral("%1: clock kind %2, the table says %3").arg(sub.token).arg(sub.position).arg(p->position);
            if (sub.extend != p->extend)
                problems << QStringLiteral("%1: continuous %2, the table says %3").arg(sub.token).arg(sub.extend).arg(p->extend);
            const QHash<QString, QString> positions = pairs(p->positions);
            for (const NormCatalogOption &o : sub.character1) {
                const int own = o.position > -1 ? o.position : sub.position;
                const int wanted = positions.contains(o.token) ? positions.value(o.token).toInt() : p->position;
                if (own != wanted)
                    problems << QStringLiteral("%1 %2: clock kind %3, the table says %4").arg(sub.token, o.token).arg(own).arg(wanted);
            }

            const bool lining = sub.token == QLatin1String("BAK") || sub.token == QLatin1String("BAL");
            const QHash<QString, QString> units1 = pairs(lining && enLayout ? p->enUnits1 : p->units1);
            const QHash<QString, QString> units2 = pairs(lining && enLayout ? "" : p->units2);
            const auto check = [&](const QString &option, const QString &unit1, const QString &unit2) {
                if (unit1 != units1.value(option, QStringLiteral("-")))
                    problems << QStringLiteral("%1 %2: quantification 1 in \"%3\", the table says \"%4\"").arg(sub.token, option, unit1, units1.value(option, QStringLiteral("-")));
                if (unit2 != units2.value(option, QStringLiteral("-")))
                    problems << QStringLiteral("%1 %2: quantification 2 in \"%3\", the table says \"%4\"").arg(sub.token, option, unit2, units2.value(option, QStringLiteral("-")));
            };
            if (sub.character1.isEmpty()) {
                check(QStringLiteral("*"), unitOf(sub.quantify1, sub.quantify1.isEmpty() ? QStringLiteral("-") : QStringLiteral("A")),
                      unitOf(sub.quantify2, sub.quantify2.isEmpty() ? QStringLiteral("-") : QStringLiteral("A")));
                continue;
            }
            const QMap<QString, NormCatalogOption> &options = lining && !enLayout ? sub.character2 : sub.character1;
            for (const NormCatalogOption &o : options)
                check(o.token, unitOf(sub.quantify1, o.quant1), unitOf(sub.quantify2, o.quant2));
            if (lining && !enLayout) {
                for (const NormCatalogOption &o : sub.character1)
                    check(QStringLiteral("char1 ") + o.token, unitOf(sub.quantify1, o.quant1), unitOf(sub.quantify2, o.quant2));
            }
        }
    }
    return problems;
}

const QString kNormFolder = QStringLiteral(ZZ_TEST_SOURCE_DIR "/../../resources/norm");

} // namespace

class TestCodeProperties : public QObject
{
    Q_OBJECT

private slots:
    void cataloguesAgreeWithTheTable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("enLayout");
        const QStringList en = QDir(kNormFolder).entryList({QStringLiteral("EN_135082_*.xml")}, QDir::Files, QDir::Name);
        QCOMPARE(en.size(), 10);
        for (const QString &file : en)
            QTest::newRow(qPrintable(file)) << file << true;
        QTest::newRow("DWAM1492.xml") << QStringLiteral("DWAM1492.xml") << false;
        QTest::newRow("Isybau2006.xml") << QStringLiteral("Isybau2006.xml") << false;
    }

    void cataloguesAgreeWithTheTable()
    {
        QFETCH(QString, file);
        QFETCH(bool, enLayout);
        EN135082Structur structure;
        QVERIFY(structure.readCatalogFile(kNormFolder + QLatin1Char('/') + file, {}));
        QVERIFY(!structure.catalogue().isEmpty());
        const QStringList problems = disagreements(structure, enLayout);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The comparison finds the kinds of drift it is there for.
    void findsDrift_data()
    {
        QTest::addColumn<QByteArray>("subtype");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unit") << QByteArray("<token>BAG</token><text>x</text><quantify1><sub><token>A</token><name>mm</name><text>y</text></sub></quantify1>"
                                            "<position>1</position><extend>0</extend>")
                              << "BAG *: quantification 1 in \"mm\", the table says \"%\"";
        QTest::newRow("clock kind") << QByteArray("<token>BBH</token><text>x</text><position>2</position><extend>0</extend>")
                                    << "BBH: clock kind 2, the table says 1";
        QTest::newRow("option clock kind")
            << QByteArray("<token>BAJ</token><text>x</text><character1><sub><token>A</token><text>a</text><quant1>A</quant1></sub></character1>"
                          "<quantify1><sub><token>A</token><name>mm</name><text>y</text></sub></quantify1><position>1</position><extend>1</extend>")
            << "BAJ A: clock kind 1, the table says 0";
        QTest::newRow("continuous") << QByteArray("<token>BCC</token><text>x</text><position>0</position><extend>0</extend>")
                                    << "BCC: continuous 0, the table says 1";
        QTest::newRow("unknown code") << QByteArray("<token>AEE</token><text>x</text><position>0</position><extend>0</extend>")
                                      << "AEE: not in the table";
    }

    void findsDrift()
    {
        QFETCH(QByteArray, subtype);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("catalogue.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<DWA_M149_2><type><token>" + subtype.mid(7, 2) + "</token><text>t</text><subtype>" + subtype
                   + "</subtype></type><texte/></DWA_M149_2>");
        file.close();
        EN135082Structur structure;
        QVERIFY(structure.readCatalogFile(file.fileName(), {}));
        const QStringList problems = disagreements(structure, false);
        QVERIFY2(std::any_of(problems.cbegin(), problems.cend(), [&](const QString &p) { return p.startsWith(problem); }),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCodeProperties)
#include "tst_codeproperties.moc"
