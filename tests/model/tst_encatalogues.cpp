// Checks every catalogue file of the EN layout in resources/norm: the layout the catalogue reader
// relies on, and the facts the inspection classes rely on. Files are found by their root
// element, so a new language file is checked as soon as it exists; the rules per standard are in
// checkEN, checkDWA and checkIsybau.

#include "model/en135082structur.h"
#include "support/model/cataloguechecks.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QSet>
#include <QtTest>

using namespace CatalogueChecks;

namespace {

const QString kNormFolder = QStringLiteral(ZZ_TEST_SOURCE_DIR "/../../resources/norm");

const QStringList kRoots{QStringLiteral("DIN_EN_13508_2"), QStringLiteral("DWA_M149_2"), QStringLiteral("Isybau_2006")};

QString rootName(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    return reader.readNextStartElement() ? reader.name().toString() : QString();
}

// The catalogue files of the EN layout in the source folder.
QStringList enLayoutFiles()
{
    QStringList files;
    for (const QString &name : QDir(kNormFolder).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        if (kRoots.contains(rootName(kNormFolder + QLatin1Char('/') + name)))
            files << name;
    }
    return files;
}

// A catalogue as the program reads it.
struct Loaded
{
    EN135082Structur structure;
    QHash<QString, QMap<QString, QString>> lists;

    const NormCatalogSubtype *code(const QString &token) const
    {
        for (const NormCatalogSubtype &sub : structure.catalogue().value(token.left(2)).subtypes) {
            if (sub.token == token)
                return &sub;
        }
        return nullptr;
    }
};

bool load(const QString &resource, const QStringList &listNames, Loaded &loaded)
{
    EN135082Structur::OptionLists targets;
    for (const QString &name : listNames)
        targets.insert(name, &loaded.lists[name]);
    return loaded.structure.readCatalogFile(resource, targets);
}

void requireLists(const Loaded &c, const QStringList &names, QStringList &problems)
{
    for (const QString &name : names) {
        if (c.lists.value(name).isEmpty())
            problems << QStringLiteral("option list \"%1\" missing or empty").arg(name);
    }
}

// The words a standard tells its sewer kinds apart by, checked in this order: every word must
// be found, and no text may contain two of them.
void requireKeywords(const QMap<QString, QString> &list, const QStringList &words, QStringList &problems)
{
    for (const QString &word : words) {
        if (std::none_of(list.cbegin(), list.cend(), [&](const QString &text) { return text.contains(word); }))
            problems << QStringLiteral("no sewer-kind text contains \"%1\"").arg(word);
    }
    for (const QString &text : list) {
        const int found = int(std::count_if(words.cbegin(), words.cend(), [&](const QString &word) { return text.contains(word); }));
        if (found > 1)
            problems << QStringLiteral("the sewer-kind text \"%1\" contains more than one of %2").arg(text, words.join(QLatin1Char('/')));
    }
}

// Whether BAK and BAL carry their quantification references on characterisation 1 (the EN
// files) or on characterisation 2 (the files where the quantification queries find them).
void requireQuantityReferences(const Loaded &c, bool onCharacter2, QStringList &problems)
{
    for (const QString &token : {QStringLiteral("BAK"), QStringLiteral("BAL")}) {
        const NormCatalogSubtype *sub = c.code(token);
        if (!sub) {
            problems << token + QStringLiteral(" missing");
            continue;
        }
        const auto referencing = [](const QMap<QString, NormCatalogOption> &options) {
            return std::any_of(options.cbegin(), options.cend(), [](const NormCatalogOption &o) {
                return o.quant1 != QLatin1String("-") || o.quant2 != QLatin1String("-");
            });
        };
        if (referencing(onCharacter2 ? sub->character2 : sub->character1) == false
            || referencing(onCharacter2 ? sub->character1 : sub->character2))
            problems << token + QStringLiteral(": quantification references belong on characterisation %1 only").arg(onCharacter2 ? 2 : 1);
    }
}

void requireOption(const Loaded &c, const QString &code, const QString &character1, QStringList &problems)
{
    const NormCatalogSubtype *sub = c.code(code);
    if (!sub || !sub->character1.contains(character1))
        problems << QStringLiteral("%1 needs characterisation 1 \"%2\"").arg(code, character1);
}

// --- the rules per standard

const QStringList kENLists{QStringLiteral("system"),         QStringLiteral("material"),  QStringLiteral("section"),
                           QStringLiteral("direction"),      QStringLiteral("start_position"), QStringLiteral("hold_back"),
                           QStringLiteral("lining"),         QStringLiteral("reasons")};

void checkEN(const Loaded &c, const QString &language, QStringList &problems)
{
    requireLists(c, kENLists, problems);
    const QMap<QString, QString> &section = c.lists.value(QStringLiteral("section"));
    if (section.isEmpty() || section.firstKey() != QLatin1String("A"))
        problems << QStringLiteral("profile \"A\" (circular) must exist and come first");
    if (!c.lists.value(QStringLiteral("direction")).contains(QStringLiteral("A")))
        problems << QStringLiteral("direction \"A\" (the default) missing");
    requireOption(c, QStringLiteral("BCD"), QStringLiteral("A"), problems);

    const NormCatalogSubtype *bak = c.code(QStringLiteral("BAK"));
    const QStringList wrinkles = bak ? bak->character1.value(QStringLiteral("D")).allowedCharacter2 : QStringList();
    if (wrinkles != QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")})
        problems << QStringLiteral("BAK \"D\" must allow characterisation 2 A, B, C, D");
    if (language == QLatin1String("de") && bak) {
        const QStringList texts{bak->character2.value(QStringLiteral("A")).text, bak->character2.value(QStringLiteral("B")).text,
                                bak->character2.value(QStringLiteral("C")).text, bak->character2.value(QStringLiteral("D")).text};
        if (texts != QStringList{QStringLiteral("in Längsrichtung"), QStringLiteral("radial am Umfang"), QStringLiteral("komplex"), QStringLiteral("spiralförmig")})
            problems << QStringLiteral("BAK characterisation-2 texts: %1").arg(texts.join(QLatin1Char('|')));
    }

    const NormCatalogSubtype *aec = c.code(QStringLiteral("AEC"));
    if (!aec || aec->character1.isEmpty() || !aec->character2.isEmpty()
        || std::any_of(aec->character1.cbegin(), aec->character1.cend(), [](const NormCatalogOption &o) { return o.quant1 != QLatin1String("A"); })
        || !aec->quantify1.contains(QStringLiteral("A")))
        problems << QStringLiteral("AEC: options with quantification \"A\", no characterisation 2");
    // Units are written in the catalogue's language (Russian "мм"); German and English say "mm".
    if (aec && (language == QLatin1String("de") || language == QLatin1String("en"))
        && aec->quantify1.value(QStringLiteral("A")).name != QLatin1String("mm"))
        problems << QStringLiteral("AEC: quantification \"A\" in \"mm\"");

    requireQuantityReferences(c, false, problems);

    // systemText tells the sewer kinds apart by these codes, in every language.
    for (const char *code : {"A", "B", "C", "D"}) {
        if (!c.lists.value(QStringLiteral("system")).contains(QLatin1String(code)))
            problems << QStringLiteral("no sewer kind \"%1\"").arg(QLatin1String(code));
    }
}

const QStringList kDWALists{QStringLiteral("pipe_use"), QStringLiteral("pipe_types"),     QStringLiteral("material"),
                            QStringLiteral("section"),  QStringLiteral("lining"),         QStringLiteral("reasons"),
                            QStringLiteral("start_position"), QStringLiteral("video_medium")};

const QStringList kIsybauLists{QStringLiteral("system"),          QStringLiteral("material"),           QStringLiteral("protection"),
                               QStringLiteral("section"),         QStringLiteral("node_types"),         QStringLiteral("pipe_types"),
                               QStringLiteral("installation_types"), QStringLiteral("direction"),       QStringLiteral("start_position"),
                               QStringLiteral("hold_back"),       QStringLiteral("video_medium"),       QStringLiteral("lining"),
                               QStringLiteral("section_source"),  QStringLiteral("material_source")};

bool isInteger(const QString &code)
{
    bool ok = false;
    code.toInt(&ok);
    return ok;
}

// DWA-M 149-2: the lists the inspection reads; the sewer uses told apart by their words; "DN"
// (one diameter) as the second profile and the only one the "DN" rule of the loader takes.
void checkDWA(const Loaded &c, QStringList &problems)
{
    requireLists(c, kDWALists, problems);
    requireQuantityReferences(c, true, problems);
    requireOption(c, QStringLiteral("BCD"), QStringLiteral("XP"), problems);
    requireKeywords(c.lists.value(QStringLiteral("pipe_use")), {QStringLiteral("Regen"), QStringLiteral("Schmutz"), QStringLiteral("Misch")}, problems);
    const QStringList profiles = c.lists.value(QStringLiteral("section")).keys();
    if (profiles.value(1) != QLatin1String("DN"))
        problems << QStringLiteral("profile \"DN\" must be the second profile code");
    for (const QString &code : profiles) {
        if (code.startsWith(QLatin1String("DN")) && code != QLatin1String("DN"))
            problems << QStringLiteral("profile \"%1\" would be taken as circular").arg(code);
    }
}

// ISYBAU 2006: the lists the inspection reads; the sewer kinds told apart by their words; the
// codes the inspection interprets: direction "O" (no reverse direction), the circular
// profiles "0" and "4" among profile numbers, video media 1 to 6 (their photo media), lining
// numbers with "0" for none; the reason of an abandoned inspection (BDC "Z") and the start
// node "XP".
void checkIsybau(const Loaded &c, QStringList &problems)
{
    requireLists(c, kIsybauLists, problems);
    requireQuantityReferences(c, true, problems);
    requireOption(c, QStringLiteral("BCD"), QStringLiteral("XP"), problems);
    requireKeywords(c.lists.value(QStringLiteral("system")), {QStringLiteral("Regen"), QStringLiteral("Schmutz"), QStringLiteral("Misch")}, problems);

    if (!c.lists.value(QStringLiteral("direction")).contains(QStringLiteral("O")))
        problems << QStringLiteral("direction \"O\" (the default) missing");
    const QMap<QString, QString> &profiles = c.lists.value(QStringLiteral("section"));
    if (!profiles.contains(QStringLiteral("0")) || !profiles.contains(QStringLiteral("4")))
        problems << QStringLiteral("the circular profiles \"0\" and \"4\" missing");
    for (const QString &code : profiles.keys()) {
        if (!isInteger(code))
            problems << QStringLiteral("profile \"%1\" is no number and would be taken as circular").arg(code);
    }
    if (c.lists.value(QStringLiteral("video_medium")).keys() != QStringList{"1", "2", "3", "4", "5", "6"})
        problems << QStringLiteral("video media must be \"1\" to \"6\"");
    const QMap<QString, QString> &linings = c.lists.value(QStringLiteral("lining"));
    if (!linings.contains(QStringLiteral("0")))
        problems << QStringLiteral("lining \"0\" (none) missing");
    for (const QString &code : linings.keys()) {
        if (!isInteger(code) || code.toInt() < 0)
            problems << QStringLiteral("lining \"%1\" is no number of 0 or more").arg(code);
    }
    requireOption(c, QStringLiteral("BDC"), QStringLiteral("Z"), problems);
    const NormCatalogSubtype *bdc = c.code(QStringLiteral("BDC"));
    if (bdc && bdc->character1.contains(QStringLiteral("Z")) && bdc->character1.value(QStringLiteral("Z")).allowedCharacter2.isEmpty())
        problems << QStringLiteral("BDC \"Z\" must allow a characterisation 2 (the reason written with it)");
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestENCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QStringList files = enLayoutFiles();
        for (const QString &expected : {QStringLiteral("EN_135082_de.xml"), QStringLiteral("EN_135082_en.xml"),
                                        QStringLiteral("DWAM1492.xml"), QStringLiteral("Isybau2006.xml")})
            QVERIFY2(files.contains(expected), qPrintable(expected + QStringLiteral(" not found in ") + kNormFolder));
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : enLayoutFiles())
            QTest::newRow(qPrintable(name)) << name;
    }

    void catalogues()
    {
        QFETCH(QString, name);
        const QByteArray content = readBytes(kNormFolder + QLatin1Char('/') + name);
        QStringList problems = layoutProblems(content, name);

        // The program reads the embedded copy; the rest is checked on the source file anyway.
        QString resource = QStringLiteral(":/norm/") + name;
        if (!QFile::exists(resource)) {
            problems << QStringLiteral("not embedded: missing in resources/model.qrc");
            resource = kNormFolder + QLatin1Char('/') + name;
        }
        QCOMPARE(readBytes(resource), content);

        const QString root = rootName(resource);
        Loaded loaded;
        if (root == QLatin1String("DIN_EN_13508_2")) {
            QVERIFY(load(resource, kENLists, loaded));
            const QString language = QFileInfo(name).completeBaseName().section(QLatin1Char('_'), -1);
            checkEN(loaded, language, problems);
            if (language != QLatin1String("de")) {
                const QStringList german = codeTree(readBytes(kNormFolder + QStringLiteral("/EN_135082_de.xml")));
                const QStringList mine = codeTree(content);
                for (const QString &entry : german) {
                    if (!mine.contains(entry))
                        problems << QStringLiteral("differs from the German catalogue: missing \"%1\"").arg(entry);
                }
                for (const QString &entry : mine) {
                    if (!german.contains(entry))
                        problems << QStringLiteral("differs from the German catalogue: extra \"%1\"").arg(entry);
                }
            }
        } else if (root == QLatin1String("DWA_M149_2")) {
            QVERIFY(load(resource, kDWALists, loaded));
            checkDWA(loaded, problems);
        } else {
            QVERIFY(load(resource, kIsybauLists, loaded));
            checkIsybau(loaded, problems);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The rules find what they are there for: the small fixture catalogue breaks most of them.
    void enRulesFindFaults()
    {
        Loaded fixture;
        QVERIFY(load(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/en/catalogue.xml"), kENLists, fixture));
        QStringList problems;
        checkEN(fixture, QStringLiteral("de"), problems);
        const QString all = problems.join(QLatin1Char('\n'));
        for (const char *expected : {"option list \"section\" missing", "profile \"A\"", "BCD needs", "BAK \"D\" must allow",
                                     "AEC:", "BAK: quantification references belong on characterisation 1",
                                     "no sewer kind \"C\""})
            QVERIFY2(all.contains(QLatin1String(expected)), qPrintable(QStringLiteral("expected: %1\nfound:\n%2").arg(QLatin1String(expected), all)));
    }

    void dwaRulesFindFaults()
    {
        Loaded fixture;
        QVERIFY(load(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/dwa/catalogue.xml"), kDWALists, fixture));
        QStringList problems;
        checkDWA(fixture, problems);
        const QString all = problems.join(QLatin1Char('\n'));
        for (const char *expected : {"option list \"video_medium\" missing", "BCD needs characterisation 1 \"XP\"",
                                     "BAL: quantification references belong on characterisation 2",
                                     "no sewer-kind text contains \"Misch\"", "\"Regen- und Schmutzwasser\" contains more than one",
                                     "profile \"DN\" must be the second", "profile \"DNK\" would be taken as circular"})
            QVERIFY2(all.contains(QLatin1String(expected)), qPrintable(QStringLiteral("expected: %1\nfound:\n%2").arg(QLatin1String(expected), all)));
    }

    void isybauRulesFindFaults()
    {
        Loaded fixture;
        QVERIFY(load(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/isybau2006/catalogue.xml"), kIsybauLists, fixture));
        QStringList problems;
        checkIsybau(fixture, problems);
        const QString all = problems.join(QLatin1Char('\n'));
        for (const char *expected : {"option list \"material_source\" missing", "direction \"O\"", "the circular profiles",
                                     "profile \"K\" is no number", "video media must be", "lining \"0\" (none) missing",
                                     "lining \"A\" is no number", "BDC \"Z\" must allow", "BAK: quantification references"})
            QVERIFY2(all.contains(QLatin1String(expected)), qPrintable(QStringLiteral("expected: %1\nfound:\n%2").arg(QLatin1String(expected), all)));
        // A catalogue without BDC "Z" is found as well.
        Loaded other;
        QVERIFY(load(QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/dwa/catalogue.xml"), kIsybauLists, other));
        problems.clear();
        checkIsybau(other, problems);
        QVERIFY2(problems.join(QLatin1Char('\n')).contains(QStringLiteral("BDC needs characterisation 1 \"Z\"")), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The layout check itself finds the faults it is there for.
    void layoutCheckFindsFaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        const QByteArray head = "<DIN_EN_13508_2><language>de</language><type><token>BA</token><text>Bau</text><subtype><token>BAB</token><text>Riss</text>";
        const QByteArray tail = "</subtype></type><texte><system><sub><token>A</token><text>Mischwasser</text></sub></system></texte></DIN_EN_13508_2>";
        QTest::newRow("extend missing") << head + "<position>0</position>" + tail << "\"extend\" must be the last element";
        QTest::newRow("extend not last") << head + "<extend>0</extend><position>0</position>" + tail << "\"extend\" must be the last element";
        QTest::newRow("dangling char2")
            << head + "<character1><sub><token>A</token><text>a</text><char2>A,Q</char2></sub></character1>"
                      "<character2><sub><token>A</token><text>x</text></sub></character2><position>0</position><extend>0</extend>" + tail
            << "char2 \"Q\" is no characterisation-2 option";
        QTest::newRow("dangling quant1")
            << head + "<character1><sub><token>A</token><text>a</text><quant1>B</quant1></sub></character1>"
                      "<quantify1><sub><token>A</token><name>mm</name><text>Breite</text></sub></quantify1><position>0</position><extend>0</extend>" + tail
            << "quant1 \"B\" is no quantify1 entry";
        QTest::newRow("quantification without text")
            << head + "<quantify1><sub><token>A</token><name>mm</name></sub></quantify1><position>0</position><extend>0</extend>" + tail
            << "exactly token, name, text";
        QTest::newRow("token with dash")
            << head + "<character1><sub><token>A-1</token><text>a</text></sub></character1><position>0</position><extend>0</extend>" + tail
            << "must not contain \"-\"";
        QTest::newRow("wrong language") << QByteArray(head).replace("<language>de", "<language>en") + "<position>0</position><extend>0</extend>" + tail
                                        << "does not say \"de\"";
        QTest::newRow("texte not last") << QByteArray(head + "<position>0</position><extend>0</extend>" + tail).replace("</texte>", "</texte><type/>")
                                        << "\"texte\" must come last";
    }
    void layoutCheckFindsFaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const QStringList problems = layoutProblems(content, QStringLiteral("EN_135082_de.xml"));
        QVERIFY2(std::any_of(problems.cbegin(), problems.cend(), [&](const QString &p) { return p.contains(problem); }),
                 qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestENCatalogues)
#include "tst_encatalogues.moc"
