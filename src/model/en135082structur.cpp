#include "model/en135082structur.h"

#include "model/modellog.h"

#include "model/modelutils.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtDebug>

using namespace ModelUtils;

namespace {

bool isNamed(const QXmlStreamReader &reader, const char *name)
{
    return reader.name() == QLatin1String(name);
}

// The quantification queries look at characterisation 2 for these two codes.
bool quantifiesOnCharacter2(const QString &code)
{
    return code == QLatin1String("BAK") || code == QLatin1String("BAL");
}

QString optionEntry(const NormCatalogOption &option)
{
    return option.token + QStringLiteral(" - ") + option.text;
}

} // namespace

// --- reading

bool EN135082Structur::readCatalogFile(const QString &path, const OptionLists &lists)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcModel) << "catalogue" << path << "cannot be opened:" << file.errorString();
        return false;
    }
    QXmlStreamReader reader(&file);
    if (reader.readNextStartElement()) {
        // The root's name differs between the standards and is not checked.
        while (reader.readNextStartElement()) {
            if (isNamed(reader, "type")) {
                readCatalogType(reader);
            } else if (isNamed(reader, "texte")) {
                while (reader.readNextStartElement()) {
                    QMap<QString, QString> *list = lists.value(reader.name().toString());
                    if (list)
                        readOptionList(reader, reader.name().toString(), *list);
                    else
                        reader.skipCurrentElement();
                }
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    if (reader.hasError()) {
        qCWarning(lcModel) << "catalogue" << path << "line" << reader.lineNumber() << "column" << reader.columnNumber() << ":"
                   << reader.errorString();
        return false;
    }
    return true;
}

void EN135082Structur::readCatalogType(QXmlStreamReader &reader)
{
    NormCatalogType type;
    while (reader.readNextStartElement()) {
        if (isNamed(reader, "token")) {
            readTextElement(reader, type.token);
        } else if (isNamed(reader, "text")) {
            readTextElement(reader, type.text);
        } else if (isNamed(reader, "subtype")) {
            NormCatalogSubtype sub;
            while (reader.readNextStartElement()) {
                if (isNamed(reader, "token")) {
                    readTextElement(reader, sub.token);
                } else if (isNamed(reader, "text")) {
                    readTextElement(reader, sub.text);
                } else if (isNamed(reader, "character1")) {
                    readCatalogOptions(reader, sub.character1);
                } else if (isNamed(reader, "character2")) {
                    readCatalogOptions(reader, sub.character2);
                } else if (isNamed(reader, "quantify1")) {
                    readCatalogQuantities(reader, sub.quantify1);
                } else if (isNamed(reader, "quantify2")) {
                    readCatalogQuantities(reader, sub.quantify2);
                } else if (isNamed(reader, "position")) {
                    readIntElement(reader, sub.position);
                } else if (isNamed(reader, "extend")) {
                    QString text;
                    readTextElement(reader, text);
                    sub.extend = text != QLatin1String("0");
                } else {
                    reader.skipCurrentElement();
                }
            }
            // A code whose "extend" is missing still ends with its element and takes nothing
            // of the codes after it.
            type.subtypes.append(sub);
        } else {
            reader.skipCurrentElement();
        }
    }
    m_catalogue.insert(type.token, type);
}

void EN135082Structur::readCatalogOptions(QXmlStreamReader &reader, QMap<QString, NormCatalogOption> &options)
{
    while (reader.readNextStartElement()) {
        if (!isNamed(reader, "sub")) {
            reader.skipCurrentElement();
            continue;
        }
        NormCatalogOption option;
        int child = 0;
        // The first two children are the token and the text, whatever their names.
        while (reader.readNextStartElement()) {
            if (child == 0) {
                readTextElement(reader, option.token);
            } else if (child == 1) {
                readTextElement(reader, option.text);
            } else if (isNamed(reader, "char2")) {
                QString text;
                readTextElement(reader, text);
                option.allowedCharacter2 = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
                for (QString &token : option.allowedCharacter2)
                    token = token.trimmed();
                option.allowedCharacter2.removeAll(QString());
            } else if (isNamed(reader, "quant1")) {
                readTextElement(reader, option.quant1);
            } else if (isNamed(reader, "quant2")) {
                readTextElement(reader, option.quant2);
            } else if (isNamed(reader, "position")) {
                readIntElement(reader, option.position);
            } else {
                reader.skipCurrentElement();
            }
            ++child;
        }
        options.insert(option.token, option);
    }
}

void EN135082Structur::readCatalogQuantities(QXmlStreamReader &reader, QMap<QString, NormCatalogQuantity> &quantities)
{
    while (reader.readNextStartElement()) {
        if (!isNamed(reader, "sub")) {
            reader.skipCurrentElement();
            continue;
        }
        NormCatalogQuantity quantity;
        int child = 0;
        // Token, unit and text, in this order.
        while (reader.readNextStartElement()) {
            QString *target = child == 0 ? &quantity.token : child == 1 ? &quantity.name : child == 2 ? &quantity.text : nullptr;
            if (target)
                readTextElement(reader, *target);
            else
                reader.skipCurrentElement();
            ++child;
        }
        quantities.insert(quantity.token, quantity);
    }
}

// --- queries

const NormCatalogSubtype *EN135082Structur::subtype(const QString &code, int index) const
{
    const auto type = m_catalogue.constFind(code.left(2));
    if (type == m_catalogue.constEnd() || index < 0 || index >= type->subtypes.size())
        return nullptr;
    const NormCatalogSubtype &sub = type->subtypes.at(index);
    // An index kept from another code must not answer for this one.
    return sub.token == code ? &sub : nullptr;
}

bool EN135082Structur::findSubtype(const QString &code, int &index) const
{
    const auto type = m_catalogue.constFind(code.left(2));
    if (type == m_catalogue.constEnd())
        return false;
    for (int i = 0; i < type->subtypes.size(); ++i) {
        if (type->subtypes.at(i).token == code) {
            index = i;
            return !type->subtypes.at(i).character1.isEmpty();
        }
    }
    return false;
}

QStringList EN135082Structur::character1List(const QString &code, int index) const
{
    QStringList result;
    if (const NormCatalogSubtype *sub = subtype(code, index)) {
        for (const NormCatalogOption &option : sub->character1)
            result << optionEntry(option);
    }
    return result;
}

QStringList EN135082Structur::character1Tokens(const QString &code, int index) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    return sub ? sub->character1.keys() : QStringList();
}

QString EN135082Structur::entryText(const QString &entry)
{
    const int dash = entry.indexOf(QLatin1Char('-'));
    return dash < 0 ? QString() : entry.mid(dash + 2);
}

QString EN135082Structur::character1Token(const QString &code, int index, const QString &entry) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub || !entry.contains(QLatin1Char('-')))
        return QString();
    const QString text = entryText(entry);
    for (const NormCatalogOption &option : sub->character1) {
        if (option.text == text)
            return option.token;
    }
    return QString();
}

bool EN135082Structur::hasCharacter2(const QString &code, int index, const QString &token) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return false;
    const auto option = sub->character1.constFind(token);
    return option != sub->character1.constEnd() && !option->allowedCharacter2.isEmpty();
}

QStringList EN135082Structur::character2List(const QString &code, int index, const QString &token) const
{
    QStringList result;
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return result;
    const auto first = sub->character1.constFind(token);
    if (first == sub->character1.constEnd())
        return result;
    for (const NormCatalogOption &option : sub->character2) {
        if (first->allowedCharacter2.contains(option.token))
            result << optionEntry(option);
    }
    return result;
}

QStringList EN135082Structur::character2Tokens(const QString &code, int index, const QString &token) const
{
    QStringList result;
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return result;
    const auto first = sub->character1.constFind(token);
    if (first == sub->character1.constEnd())
        return result;
    for (const NormCatalogOption &option : sub->character2) {
        if (first->allowedCharacter2.contains(option.token))
            result << option.token;
    }
    return result;
}

QString EN135082Structur::character2Token(const QString &code, int index, const QString &entry) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub || !entry.contains(QLatin1Char('-')))
        return QString();
    const QString text = entryText(entry);
    for (const NormCatalogOption &option : sub->character2) {
        if (option.text == text)
            return option.token;
    }
    return QString();
}

int EN135082Structur::positionKind(const QString &code, int index, const QString &token) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return 0;
    const auto option = sub->character1.constFind(token);
    if (option != sub->character1.constEnd() && option->position > -1)
        return option->position;
    return sub->position;
}

const NormCatalogOption *EN135082Structur::quantityOption(const NormCatalogSubtype &sub, const QString &token) const
{
    const QMap<QString, NormCatalogOption> &options = quantifiesOnCharacter2(sub.token) ? sub.character2 : sub.character1;
    const auto option = options.constFind(token);
    return option == options.constEnd() ? nullptr : &option.value();
}

bool EN135082Structur::hasQuantity(const QString &code, int index, const QString &token, bool first) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return false;
    if (!quantifiesOnCharacter2(code) && sub->character1.isEmpty())
        return !(first ? sub->quantify1 : sub->quantify2).isEmpty();
    const NormCatalogOption *option = quantityOption(*sub, token);
    return option && (first ? option->quant1 : option->quant2) != QLatin1String("-");
}

QString EN135082Structur::quantityUnit(const QString &code, int index, const QString &token, bool first) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    if (!sub)
        return QString();
    const QMap<QString, NormCatalogQuantity> &quantities = first ? sub->quantify1 : sub->quantify2;
    if (!quantifiesOnCharacter2(code) && sub->character1.isEmpty())
        return quantities.value(QStringLiteral("A")).name;
    const NormCatalogOption *option = quantityOption(*sub, token);
    if (!option)
        return QString();
    return quantities.value(first ? option->quant1 : option->quant2).name;
}

bool EN135082Structur::hasQuantity1(const QString &code, int index, const QString &token) const
{
    return hasQuantity(code, index, token, true);
}

bool EN135082Structur::hasQuantity2(const QString &code, int index, const QString &token) const
{
    return hasQuantity(code, index, token, false);
}

QString EN135082Structur::quantity1Unit(const QString &code, int index, const QString &token) const
{
    return quantityUnit(code, index, token, true);
}

QString EN135082Structur::quantity2Unit(const QString &code, int index, const QString &token) const
{
    return quantityUnit(code, index, token, false);
}

bool EN135082Structur::isExtendable(const QString &code, int index) const
{
    const NormCatalogSubtype *sub = subtype(code, index);
    return sub && sub->extend;
}

QString EN135082Structur::characterText(const QString &code, const QString &character1, const QString &character2) const
{
    const auto type = m_catalogue.constFind(code.left(2));
    if (type == m_catalogue.constEnd())
        return QString();
    for (const NormCatalogSubtype &sub : type->subtypes) {
        if (sub.token != code)
            continue;
        QString text = sub.text;
        const auto shown = [](const QString &token) {
            return !token.isEmpty() && token != QLatin1String("Y") && token != QLatin1String("-");
        };
        if (shown(character1))
            text += QStringLiteral(", ") + sub.character1.value(character1).text;
        if (shown(character2))
            text += QStringLiteral(", ") + sub.character2.value(character2).text;
        return text;
    }
    return QString();
}
