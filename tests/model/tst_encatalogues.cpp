// Checks every catalogue file of the EN layout in resources/norm: the layout the catalogue reader
// relies on, and the facts the inspection classes rely on. Files are found by their root
// element, so a new language file is checked as soon as it exists; the rules per standard are in
// checkEN, checkDWA and checkIsybau.

#include "model/en135082structur.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

const QString kNormFolder = QStringLiteral(ZZ_TEST_SOURCE_DIR "/../../resources/norm");

const QStringList kRoots{QStringLiteral("DIN_EN_13508_2"), QStringLiteral("DWA_M149_2"), QStringLiteral("Isybau_2006")};

QList<QDomElement> childElements(const QDomElement &parent)
{
    QList<QDomElement> result;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result << e;
    return result;
}

QStringList childNames(const QDomElement &parent)
{
    QStringList names;
    for (const QDomElement &e : childElements(parent))
        names << e.tagName();
    return names;
}

QString childText(const QDomElement &parent, const QString &name)
{
    return parent.firstChildElement(name).text().trimmed();
}

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

// Checks one characterisation list ("character1"/"character2") of a code.
void checkOptions(const QString &where, const QDomElement &list, QSet<QString> &tokens, QStringList &problems)
{
    for (const QDomElement &sub : childElements(list)) {
        const QStringList names = childNames(sub);
        if (sub.tagName() != QLatin1String("sub") || names.mid(0, 2) != QStringList{QStringLiteral("token"), QStringLiteral("text")}) {
            problems << where + QStringLiteral(": an option must be a \"sub\" beginning with token and text (%1)").arg(names.join(QLatin1Char(',')));
            continue;
        }
        const QString token = childText(sub, QStringLiteral("token"));
        for (const QString &name : names.mid(2)) {
            if (!QStringList{QStringLiteral("char2"), QStringLiteral("quant1"), QStringLiteral("quant2"), QStringLiteral("position")}.contains(name))
                problems << where + QStringLiteral("/%1: unknown element \"%2\"").arg(token, name);
            if (names.count(name) > 1)
                problems << where + QStringLiteral("/%1: \"%2\" more than once").arg(token, name);
        }
        if (token.isEmpty() || childText(sub, QStringLiteral("text")).isEmpty())
            problems << where + QStringLiteral(": option with an empty token or text");
        // An entry "token - text" is matched back at its first dash.
        if (token.contains(QLatin1Char('-')))
            problems << where + QStringLiteral("/%1: a token must not contain \"-\"").arg(token);
        if (tokens.contains(token))
            problems << where + QStringLiteral("/%1: token twice").arg(token);
        tokens << token;
        const QDomElement position = sub.firstChildElement(QStringLiteral("position"));
        if (!position.isNull() && !QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}.contains(position.text().trimmed()))
            problems << where + QStringLiteral("/%1: position \"%2\"").arg(token, position.text());
    }
}

void checkQuantities(const QString &where, const QDomElement &list, QSet<QString> &tokens, QStringList &problems)
{
    for (const QDomElement &sub : childElements(list)) {
        if (sub.tagName() != QLatin1String("sub")
            || childNames(sub) != QStringList{QStringLiteral("token"), QStringLiteral("name"), QStringLiteral("text")}) {
            problems << where + QStringLiteral(": a quantification must be a \"sub\" of exactly token, name, text (%1)")
                                    .arg(childNames(sub).join(QLatin1Char(',')));
            continue;
        }
        const QString token = childText(sub, QStringLiteral("token"));
        if (token.isEmpty() || tokens.contains(token))
            problems << where + QStringLiteral(": empty or repeated token \"%1\"").arg(token);
        tokens << token;
    }
}

void checkSubtype(const QString &typeToken, const QDomElement &subtype, QStringList &problems)
{
    static const QStringList order{QStringLiteral("token"),      QStringLiteral("text"),      QStringLiteral("character1"),
                                   QStringLiteral("character2"), QStringLiteral("quantify1"), QStringLiteral("quantify2"),
                                   QStringLiteral("position"),   QStringLiteral("extend")};
    const QString code = childText(subtype, QStringLiteral("token"));
    const QString where = code.isEmpty() ? typeToken + QStringLiteral("/?") : code;
    const QStringList names = childNames(subtype);

    int last = -1;
    for (const QString &name : names) {
        const int at = order.indexOf(name);
        if (at < 0)
            problems << where + QStringLiteral(": unknown element \"%1\"").arg(name);
        else if (at <= last)
            problems << where + QStringLiteral(": \"%1\" out of order or repeated").arg(name);
        last = qMax(last, at);
    }
    if (names.mid(0, 2) != QStringList{QStringLiteral("token"), QStringLiteral("text")})
        problems << where + QStringLiteral(": must begin with token and text");
    if (!names.contains(QStringLiteral("position")))
        problems << where + QStringLiteral(": no position");
    if (names.isEmpty() || names.last() != QLatin1String("extend"))
        problems << where + QStringLiteral(": \"extend\" must be the last element");
    if (code.size() != 3 || !code.startsWith(typeToken))
        problems << where + QStringLiteral(": a code is its type's two letters and a third");
    if (childText(subtype, QStringLiteral("text")).isEmpty())
        problems << where + QStringLiteral(": empty text");
    if (!QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}.contains(childText(subtype, QStringLiteral("position"))))
        problems << where + QStringLiteral(": position must be 0, 1 or 2");
    if (!QStringList{QStringLiteral("0"), QStringLiteral("1")}.contains(childText(subtype, QStringLiteral("extend"))))
        problems << where + QStringLiteral(": extend must be 0 or 1");

    QSet<QString> c1, c2, q1, q2;
    checkOptions(where + QStringLiteral("/character1"), subtype.firstChildElement(QStringLiteral("character1")), c1, problems);
    checkOptions(where + QStringLiteral("/character2"), subtype.firstChildElement(QStringLiteral("character2")), c2, problems);
    checkQuantities(where + QStringLiteral("/quantify1"), subtype.firstChildElement(QStringLiteral("quantify1")), q1, problems);
    checkQuantities(where + QStringLiteral("/quantify2"), subtype.firstChildElement(QStringLiteral("quantify2")), q2, problems);

    // Every reference names an entry of the same code.
    for (const QString &listName : {QStringLiteral("character1"), QStringLiteral("character2")}) {
        for (const QDomElement &sub : childElements(subtype.firstChildElement(listName))) {
            const QString token = childText(sub, QStringLiteral("token"));
            const QString optionWhere = where + QLatin1Char('/') + listName + QLatin1Char('/') + token;
            const QDomElement char2 = sub.firstChildElement(QStringLiteral("char2"));
            if (!char2.isNull()) {
                const QStringList refs = char2.text().split(QLatin1Char(','), Qt::SkipEmptyParts);
                if (refs.isEmpty())
                    problems << optionWhere + QStringLiteral(": empty char2");
                for (const QString &ref : refs) {
                    if (!c2.contains(ref.trimmed()))
                        problems << optionWhere + QStringLiteral(": char2 \"%1\" is no characterisation-2 option").arg(ref);
                }
            }
            const QString quant1 = childText(sub, QStringLiteral("quant1"));
            if (!sub.firstChildElement(QStringLiteral("quant1")).isNull() && quant1 != QLatin1String("-") && !q1.contains(quant1))
                problems << optionWhere + QStringLiteral(": quant1 \"%1\" is no quantify1 entry").arg(quant1);
            const QString quant2 = childText(sub, QStringLiteral("quant2"));
            if (!sub.firstChildElement(QStringLiteral("quant2")).isNull() && quant2 != QLatin1String("-") && !q2.contains(quant2))
                problems << optionWhere + QStringLiteral(": quant2 \"%1\" is no quantify2 entry").arg(quant2);
        }
    }
}

// The layout problems of one catalogue file; empty when it is sound.
QStringList layoutProblems(const QByteArray &content, const QString &fileName)
{
    QStringList problems;
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(content, &error, &line))
        return {QStringLiteral("not well-formed, line %1: %2").arg(line).arg(error)};
    const QDomElement root = document.documentElement();
    QList<QDomElement> children = childElements(root);

    if (root.tagName() == QLatin1String("DIN_EN_13508_2")) {
        // The EN files begin with their language, the one their name carries.
        const QString expected = QFileInfo(fileName).completeBaseName().section(QLatin1Char('_'), -1);
        if (children.isEmpty() || children.first().tagName() != QLatin1String("language"))
            problems << QStringLiteral("an EN catalogue begins with \"language\"");
        else if (children.takeFirst().text().trimmed() != expected)
            problems << QStringLiteral("the language element does not say \"%1\"").arg(expected);
    }
    if (children.isEmpty() || children.last().tagName() != QLatin1String("texte"))
        problems << QStringLiteral("\"texte\" must come last");
    else
        children.removeLast();
    if (children.isEmpty())
        problems << QStringLiteral("no code types");

    QSet<QString> typeTokens;
    for (const QDomElement &type : qAsConst(children)) {
        if (type.tagName() != QLatin1String("type")) {
            problems << QStringLiteral("unexpected element \"%1\" between the types").arg(type.tagName());
            continue;
        }
        const QStringList names = childNames(type);
        const QString token = childText(type, QStringLiteral("token"));
        if (names.mid(0, 2) != QStringList{QStringLiteral("token"), QStringLiteral("text")} || token.size() != 2)
            problems << QStringLiteral("type \"%1\": must begin with a two-letter token and a text").arg(token);
        const QStringList rest = names.mid(2);
        if (rest.isEmpty() || rest.count(QStringLiteral("subtype")) != rest.size())
            problems << QStringLiteral("type \"%1\": only codes after token and text").arg(token);
        if (typeTokens.contains(token))
            problems << QStringLiteral("type \"%1\" twice").arg(token);
        typeTokens << token;
        QSet<QString> codes;
        for (const QDomElement &subtype : childElements(type)) {
            if (subtype.tagName() != QLatin1String("subtype"))
                continue;
            const QString code = childText(subtype, QStringLiteral("token"));
            if (codes.contains(code))
                problems << QStringLiteral("code \"%1\" twice").arg(code);
            codes << code;
            checkSubtype(token, subtype, problems);
        }
    }

    const QDomElement texte = root.lastChildElement(QStringLiteral("texte"));
    for (const QDomElement &list : childElements(texte)) {
        QSet<QString> codes;
        for (const QDomElement &sub : childElements(list)) {
            const QList<QDomElement> pair = childElements(sub);
            if (sub.tagName() != QLatin1String("sub") || pair.size() != 2 || pair.at(0).text().trimmed().isEmpty()
                || pair.at(1).text().trimmed().isEmpty()) {
                problems << QStringLiteral("list \"%1\": every entry is a \"sub\" of a code and a text").arg(list.tagName());
                continue;
            }
            const QString code = pair.at(0).text().trimmed();
            if (codes.contains(code))
                problems << QStringLiteral("list \"%1\": code \"%2\" twice").arg(list.tagName(), code);
            codes << code;
        }
        if (codes.isEmpty())
            problems << QStringLiteral("list \"%1\" is empty").arg(list.tagName());
    }
    return problems;
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

    // systemText tells the sewer kinds apart by words of these languages only.
    static const QHash<QString, QStringList> keywords{
        {QStringLiteral("de"), {QStringLiteral("Regen"), QStringLiteral("Ab"), QStringLiteral("Misch")}},
        {QStringLiteral("es"), {QStringLiteral("superficiales"), QStringLiteral("residuales"), QStringLiteral("combinado")}}};
    if (keywords.contains(language))
        requireKeywords(c.lists.value(QStringLiteral("system")), keywords.value(language), problems);
}

// Layout and the rules the shared catalogue code relies on; the rules particular to these
// standards belong here as they are built.
void checkDWA(const Loaded &c, QStringList &problems)
{
    requireQuantityReferences(c, true, problems);
    requireOption(c, QStringLiteral("BCD"), QStringLiteral("XP"), problems);
    requireKeywords(c.lists.value(QStringLiteral("pipe_use")), {QStringLiteral("Regen"), QStringLiteral("Schmutz"), QStringLiteral("Misch")}, problems);
}

void checkIsybau(const Loaded &c, QStringList &problems)
{
    requireQuantityReferences(c, true, problems);
    requireOption(c, QStringLiteral("BCD"), QStringLiteral("XP"), problems);
    requireKeywords(c.lists.value(QStringLiteral("system")), {QStringLiteral("Regen"), QStringLiteral("Schmutz"), QStringLiteral("Misch")}, problems);
}

// The codes and characterisations of an EN file, with their references, positions and flags:
// the same in every language.
QStringList codeTree(const QByteArray &content)
{
    QDomDocument document;
    document.setContent(content);
    QStringList tree;
    const QDomElement root = document.documentElement();
    for (const QDomElement &type : childElements(root)) {
        if (type.tagName() == QLatin1String("texte")) {
            for (const QDomElement &list : childElements(type)) {
                for (const QDomElement &sub : childElements(list))
                    tree << list.tagName() + QLatin1Char(':') + sub.firstChildElement().text().trimmed();
            }
            continue;
        }
        if (type.tagName() != QLatin1String("type"))
            continue;
        for (const QDomElement &subtype : childElements(type).mid(2)) {
            const QString code = childText(subtype, QStringLiteral("token"));
            tree << code + QStringLiteral(" position ") + childText(subtype, QStringLiteral("position")) + QStringLiteral(" extend ")
                        + childText(subtype, QStringLiteral("extend"));
            for (const QString &listName : {QStringLiteral("character1"), QStringLiteral("character2")}) {
                for (const QDomElement &sub : childElements(subtype.firstChildElement(listName))) {
                    QStringList parts{code, listName, childText(sub, QStringLiteral("token"))};
                    for (const QString &name : {QStringLiteral("char2"), QStringLiteral("quant1"), QStringLiteral("quant2"), QStringLiteral("position")})
                        parts << childText(sub, name);
                    tree << parts.join(QLatin1Char(' '));
                }
            }
            for (const QString &listName : {QStringLiteral("quantify1"), QStringLiteral("quantify2")}) {
                for (const QDomElement &sub : childElements(subtype.firstChildElement(listName)))
                    tree << code + QLatin1Char(' ') + listName + QLatin1Char(' ') + childText(sub, QStringLiteral("token"));
            }
        }
    }
    return tree;
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
            QVERIFY(load(resource, {QStringLiteral("pipe_use")}, loaded));
            checkDWA(loaded, problems);
        } else {
            QVERIFY(load(resource, {QStringLiteral("system")}, loaded));
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
                                     "no sewer-kind text contains \"Ab\""})
            QVERIFY2(all.contains(QLatin1String(expected)), qPrintable(QStringLiteral("expected: %1\nfound:\n%2").arg(QLatin1String(expected), all)));
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
