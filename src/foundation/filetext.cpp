#include "foundation/filetext.h"

#include <QDomDocument>

namespace FileText {

namespace {

// How many characters from c on form one character XML 1.0 can carry: 2 for a surrogate pair,
// 1 for any other such character, 0 for one it cannot carry.
int xmlCharacterLength(const QChar *c, const QChar *end)
{
    const ushort u = c->unicode();
    if (u < 0x20)
        return u == '\t' || u == '\n' || u == '\r' ? 1 : 0;
    if (u == 0xFFFE || u == 0xFFFF)
        return 0;
    if (c->isHighSurrogate())
        return c + 1 < end && (c + 1)->isLowSurrogate() ? 2 : 0;
    if (c->isLowSurrogate())
        return 0; // a low surrogate after its high one is taken with it
    return 1;
}

bool isControl(ushort u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

} // namespace

QString forXml(const QString &text)
{
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const QChar *c = begin;
    int length = 0;
    while (c < end && (length = xmlCharacterLength(c, end)) > 0)
        c += length;
    if (c == end)
        return text;

    QString clean;
    clean.reserve(text.size());
    clean.append(begin, int(c - begin));
    while (c < end) {
        length = xmlCharacterLength(c, end);
        if (length > 0) {
            clean.append(c, length);
            c += length;
        } else {
            ++c;
        }
    }
    return clean;
}

QByteArray xmlDocument(const QDomDocument &document, int indent)
{
    return forXml(document.toString(indent)).toUtf8();
}

QString forLine(const QString &text)
{
    QString line = forXml(text);
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString forField(const QString &text)
{
    QString clean = text;
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    for (const QChar *c = begin; c < end;) {
        const int length = xmlCharacterLength(c, end);
        if (length == 0 || isControl(c->unicode()))
            clean[int(c - begin)] = QLatin1Char(' ');
        c += qMax(length, 1);
    }
    return clean;
}

} // namespace FileText
