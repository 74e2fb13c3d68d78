#pragma once

// Reads the public reference lists kept beside the tests (tests/model/reference) and the option
// lists of the embedded catalogues, for the tests that compare the two.

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ReferenceLists {

inline QString referenceFolder()
{
    return QStringLiteral(ZZ_TEST_SOURCE_DIR "/reference");
}

inline QString normFolder()
{
    return QStringLiteral(ZZ_TEST_SOURCE_DIR "/../../resources/norm");
}

// A CSV file as rows of named fields (quoted fields may hold commas, doubled quotes and line breaks).
inline QVector<QHash<QString, QString>> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            field.clear();
            rows << row;
            row.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    QVector<QHash<QString, QString>> result;
    if (rows.isEmpty())
        return result;
    const QStringList names = rows.takeFirst();
    for (const QStringList &r : rows) {
        QHash<QString, QString> named;
        for (int i = 0; i < names.size(); ++i)
            named.insert(names.at(i), r.value(i));
        result << named;
    }
    return result;
}

// One list of a reference file as code -> text: a DWA-M 150 table ("105") or an ISYBAU list ("G102").
inline QMap<QString, QString> referenceList(const QString &list)
{
    const bool isybau = list.at(0).isLetter();
    const QString file = isybau ? QStringLiteral("/isybau-2013-referenzlisten.csv") : QStringLiteral("/dwa-m150-reference-tables.csv");
    QMap<QString, QString> result;
    for (const auto &row : readCsv(referenceFolder() + file)) {
        if (row.value(isybau ? QStringLiteral("list") : QStringLiteral("table")) == list)
            result.insert(row.value(isybau ? QStringLiteral("code") : QStringLiteral("key")), row.value(QStringLiteral("text")));
    }
    return result;
}

// An option list of a catalogue file ("texte" -> list -> "sub" with code and text as its first
// two children) as code -> text.
inline QMap<QString, QString> catalogueList(const QString &fileName, const QString &list)
{
    QFile file(normFolder() + QLatin1Char('/') + fileName);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return {};
    QMap<QString, QString> result;
    const QDomElement texte = document.documentElement().firstChildElement(QStringLiteral("texte"));
    for (QDomElement sub = texte.firstChildElement(list).firstChildElement(QStringLiteral("sub")); !sub.isNull();
         sub = sub.nextSiblingElement(QStringLiteral("sub"))) {
        const QDomElement code = sub.firstChildElement();
        result.insert(code.text().trimmed(), code.nextSiblingElement().text().trimmed());
    }
    return result;
}

} // namespace ReferenceLists
