#include "support/model/formatcontract.h"
#include "support/model/headerhelpers.h"
#include "support/model/inspections.h"
#include "support/testenv.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace FormatContract;

namespace {

using OptionList = std::function<OptionMap(const Investigation &)>;

// A header field as the header dialogs offer it: how to set it from a text and read it back as
// one, and where a coded field takes its codes from (null for free values).
struct HeaderField
{
    const char *name;
    std::function<void(InspectionHeader &, const QString &)> set;
    std::function<QString(const InspectionHeader &)> get;
    OptionList options;
    QString InspectionHeader::*member = nullptr; // a text field's member
};

HeaderField textField(const char *name, QString InspectionHeader::*field, OptionList options = nullptr)
{
    return {name, [field](InspectionHeader &h, const QString &v) { h.*field = v; },
            [field](const InspectionHeader &h) { return h.*field; }, std::move(options), field};
}

HeaderField numberField(const char *name, double InspectionHeader::*field)
{
    return {name, [field](InspectionHeader &h, const QString &v) { h.*field = v.toDouble(); },
            [field](const InspectionHeader &h) { return QString::number(h.*field, 'f', 2); }, nullptr, nullptr};
}

// The fields of the two header dialogs with a value a user may enter, by name.
QVector<HeaderField> headerFields()
{
    using H = InspectionHeader;
    using I = Investigation;
    return {
        textField("client", &H::client),
        textField("company", &H::company),
        textField("inspector", &H::inspector),
        textField("town", &H::town),
        textField("street", &H::street),
        textField("orderNumber", &H::orderNumber),
        textField("sectionName", &H::sectionName),
        textField("startNode", &H::startNode),
        textField("endNode", &H::endNode),
        textField("videoReference", &H::videoReference),
        textField("sewerKindText", &H::sewerKindText),
        textField("materialText", &H::materialText),
        {"date", [](H &h, const QString &v) { h.date = QDate::fromString(v, Qt::ISODate); },
         [](const H &h) { return h.date.toString(Qt::ISODate); }, nullptr, nullptr},
        {"time", [](H &h, const QString &v) { h.time = QTime::fromString(v, Qt::ISODate); },
         [](const H &h) { return h.time.toString(Qt::ISODate); }, nullptr, nullptr},
        numberField("inspectionLength", &H::inspectionLength),
        numberField("pipeUnitLength", &H::pipeUnitLength),
        numberField("height", &H::height),
        // A width of its own only beside a profile that is not circular.
        {"width", [](H &h, const QString &v) { h.width = v.toDouble(); h.height = 300; },
         [](const H &h) { return QString::number(h.width, 'f', 2); }, nullptr, nullptr},
        textField("startNodeType", &H::startNodeType, &I::nodeTypeOptions),
        textField("endNodeType", &H::endNodeType, &I::nodeTypeOptions),
        textField("material", &H::material, &I::materialOptions),
        textField("materialSource", &H::materialSource, &I::materialSourceOptions),
        textField("profile", &H::profile, &I::profileOptions),
        textField("profileSource", &H::profileSource, &I::profileSourceOptions),
        textField("direction", &H::direction, &I::directionOptions),
        textField("cleaning", &H::cleaning, &I::cleaningOptions),
        textField("flowControl", &H::flowControl, &I::flowControlOptions),
        textField("sewerKind", &H::sewerKind, &I::systemOptions),
        textField("pipeType", &H::pipeType, &I::pipeTypeOptions),
        textField("protection", &H::protection, &I::protectionOptions),
        textField("lining", &H::lining, &I::liningOptions),
        textField("liningMaterial", &H::liningMaterial, &I::materialOptions),
        textField("startPosition", &H::startPosition, &I::startPositionOptions),
        textField("installationType", &H::installationType, &I::installationTypeOptions),
        textField("weather", &H::weather, &I::weatherOptions),
        textField("reason", &H::reason, &I::reasonOptions),
        textField("videoMedium", &H::videoMedium, &I::videoMediumOptions),
    };
}

HeaderField headerField(const QString &name)
{
    for (const HeaderField &f : headerFields()) {
        if (name == QLatin1String(f.name))
            return f;
    }
    return {};
}

// What the header dialog of each standard offers for editing; coded fields without options in
// a standard's catalogue offer nothing to choose and are left out.
QStringList offeredFields(int normKind)
{
    const QStringList all{QStringLiteral("client"), QStringLiteral("inspector"), QStringLiteral("town"),
                          QStringLiteral("street"), QStringLiteral("sectionName"), QStringLiteral("startNode"),
                          QStringLiteral("endNode"), QStringLiteral("videoReference"), QStringLiteral("date"),
                          QStringLiteral("height"), QStringLiteral("width"), QStringLiteral("material"),
                          QStringLiteral("profile"), QStringLiteral("sewerKind"), QStringLiteral("direction")};
    switch (normKind) {
    case NormIsybau2001:
    case NormATV:
        return all + QStringList{QStringLiteral("sewerKindText"), QStringLiteral("materialText")};
    case NormEN135082:
        return all + QStringList{QStringLiteral("orderNumber"), QStringLiteral("time"), QStringLiteral("inspectionLength"),
                                 QStringLiteral("cleaning"), QStringLiteral("flowControl"), QStringLiteral("lining"),
                                 QStringLiteral("startPosition"), QStringLiteral("reason")};
    case NormDWAM1492:
        return all + QStringList{QStringLiteral("company"), QStringLiteral("orderNumber"), QStringLiteral("time"),
                                 QStringLiteral("inspectionLength"), QStringLiteral("pipeUnitLength"),
                                 QStringLiteral("cleaning"), QStringLiteral("flowControl"), QStringLiteral("pipeType"),
                                 QStringLiteral("lining"), QStringLiteral("liningMaterial"), QStringLiteral("startPosition"),
                                 QStringLiteral("reason"), QStringLiteral("videoMedium")};
    case NormIsybau2006:
        return all + QStringList{QStringLiteral("orderNumber"), QStringLiteral("time"), QStringLiteral("inspectionLength"),
                                 QStringLiteral("pipeUnitLength"), QStringLiteral("startNodeType"), QStringLiteral("endNodeType"),
                                 QStringLiteral("materialSource"), QStringLiteral("profileSource"), QStringLiteral("cleaning"),
                                 QStringLiteral("flowControl"), QStringLiteral("pipeType"), QStringLiteral("protection"),
                                 QStringLiteral("lining"), QStringLiteral("startPosition"), QStringLiteral("installationType"),
                                 QStringLiteral("videoMedium")};
    case NormDanDas:
        // The reason takes the place of the section name in DanDas' form.
        return QStringList(all).replaceInStrings(QStringLiteral("sectionName"), QStringLiteral("reason"))
               + QStringList{QStringLiteral("inspectionLength"), QStringLiteral("cleaning"),
                                 QStringLiteral("protection"), QStringLiteral("lining"), QStringLiteral("weather"),
                                 QStringLiteral("videoMedium")};
    default:
        return {};
    }
}

// A value the user could enter, told apart from what a fresh header holds.
QString enteredValue(const HeaderField &field, const Investigation &inspection)
{
    const QString name = QLatin1String(field.name);
    if (field.options) {
        const OptionMap options = field.options(inspection);
        // The last code: the first is often what a fresh header or a missing value shows.
        return options.isEmpty() ? QString() : options.lastKey();
    }
    if (name == QLatin1String("date"))
        return QStringLiteral("2024-02-29");
    if (name == QLatin1String("time"))
        return QStringLiteral("17:45:00");
    if (name == QLatin1String("inspectionLength"))
        return QStringLiteral("20.00");
    if (name == QLatin1String("pipeUnitLength"))
        return QStringLiteral("2.50");
    if (name == QLatin1String("height") || name == QLatin1String("width"))
        return QStringLiteral("250.00");
    if (name == QLatin1String("orderNumber"))
        return QStringLiteral("4711");
    // As long as the header editors let one type, where they stop early.
    const QString text = QStringLiteral("Gö-%1").arg(name.left(8));
    const int length = inspection.headerTextLength(field.member);
    return length > 0 ? text.leftJustified(length, QLatin1Char('x'), true) : text;
}

} // namespace

// The promises every exchange format keeps, a row per format and file.
class TestFormatContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false"));
    }

    void resavesUnchanged_data()
    {
        QTest::addColumn<QString>("format");
        for (const Format &f : formats())
            QTest::newRow(qPrintable(f.name)) << f.name;
    }
    void resavesUnchanged()
    {
        QFETCH(QString, format);
        checkResavesUnchanged(FormatContract::format(format));
    }

    void fieldsKeepTheirPlace_data()
    {
        resavesUnchanged_data();
    }
    void fieldsKeepTheirPlace()
    {
        QFETCH(QString, format);
        checkFieldsKeepTheirPlace(FormatContract::format(format));
    }

    void brokenFilesAreReportedAndKept_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.broken.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.broken.at(i).name)) << f.name << i;
        }
    }
    void brokenFilesAreReportedAndKept()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.broken.at(index));
    }

    void whatCanBeReadIsKept_data()
    {
        QTest::addColumn<QString>("format");
        for (const Format &f : formats()) {
            if (!f.partial.content.isNull())
                QTest::newRow(qPrintable(f.name)) << f.name;
        }
    }
    void whatCanBeReadIsKept()
    {
        QFETCH(QString, format);
        checkWhatCanBeReadIsKept(FormatContract::format(format));
    }

    void namesStayInsideTheFolder_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.escapingNames.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.escapingNames.at(i).name)) << f.name << i;
        }
    }
    void namesStayInsideTheFolder()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.escapingNames.at(index));
    }

    void numbersOutOfRangeAreReported_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("index");
        for (const Format &f : formats()) {
            for (int i = 0; i < f.outOfRange.size(); ++i)
                QTest::newRow(qPrintable(f.name + QStringLiteral(": ") + f.outOfRange.at(i).name)) << f.name << i;
        }
    }
    void numbersOutOfRangeAreReported()
    {
        QFETCH(QString, format);
        QFETCH(int, index);
        const Format f = FormatContract::format(format);
        checkRefused(f, f.outOfRange.at(index));
    }

    void textsLoseWhatTheFileCannotCarry_data()
    {
        resavesUnchanged_data();
    }
    void textsLoseWhatTheFileCannotCarry()
    {
        QFETCH(QString, format);
        checkTextsWithoutUncarriedCharacters(FormatContract::format(format));
    }

    // Every value a header dialog takes is stored, in the file where it has a field, else in the
    // side file, and comes back when the inspection is opened again.
    void headerFieldsComeBack_data()
    {
        QTest::addColumn<int>("normKind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        for (int kind : {NormEN135082, NormDWAM1492, NormIsybau2006, NormDanDas, NormIsybau2001, NormATV}) {
            const std::unique_ptr<Investigation> inspection = makeInspection(kind);
            for (const QString &name : offeredFields(kind)) {
                const QString value = enteredValue(headerField(name), *inspection);
                if (!value.isEmpty())
                    QTest::addRow("%s: %s", HeaderHelpers::standardName(NormKind(kind)), qPrintable(name)) << kind << name << value;
            }
        }
    }
    void headerFieldsComeBack()
    {
        QFETCH(int, normKind);
        QFETCH(QString, field);
        QFETCH(QString, value);
        const HeaderField f = headerField(field);
        QTemporaryDir dir;
        ReporterCapture capture;
        std::unique_ptr<Investigation> out = makeInspection(normKind);
        InspectionHeader h = out->mainData();
        // A profile of two sizes, so that the width is a value of its own.
        if (field != QLatin1String("profile")) {
            for (const QString &code : out->profileOptions().keys()) {
                if (code != QLatin1String("A") && code != QLatin1String("0") && code != QLatin1String("4")
                    && !code.startsWith(QLatin1String("DN")))
                    h.profile = code;
            }
        }
        // The material of a lining is asked for beside a lining only.
        if (field == QLatin1String("liningMaterial") && !out->liningOptions().isEmpty())
            h.lining = out->liningOptions().lastKey();
        f.set(h, value);
        out->setMainData(h);
        out->setFolder(dir.path());
        const QString name = QStringLiteral("H1") + (normKind == NormIsybau2001 ? QStringLiteral(".lh")
                                                     : normKind == NormATV      ? QStringLiteral(".h")
                                                                                : QStringLiteral(".xml"));
        out->setFileName(name);
        QCOMPARE(f.get(out->mainData()), value);
        QVERIFY(out->save());

        std::unique_ptr<Investigation> in = makeInspection(normKind);
        QVERIFY(in->load(dir.filePath(name)));
        QCOMPARE(f.get(in->mainData()), value);
        QCOMPARE(capture.errors(), QStringList());
    }

    void freeTextWritesNothing()
    {
        checkFreeTextWritesNothing();
    }
};

QTEST_MAIN(TestFormatContract)
#include "tst_formatcontract.moc"
