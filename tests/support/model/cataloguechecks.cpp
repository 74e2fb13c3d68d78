#include "cataloguechecks.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QSet>

namespace CatalogueChecks {

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

namespace {

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

} // namespace

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

} // namespace CatalogueChecks
