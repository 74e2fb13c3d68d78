#include "testfiles.h"

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtTest>

namespace TestFiles {

Elements parse(const QString &path, QString *declaration)
{
    Elements elements;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return elements;
    QXmlStreamReader reader(&file);
    QStringList stack;
    QString text;
    bool leaf = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (declaration)
                *declaration = QStringLiteral("%1 %2 %3").arg(reader.documentVersion().toString(), reader.documentEncoding().toString(),
                                                              reader.isStandaloneDocument() ? QStringLiteral("standalone") : QString());
            break;
        case QXmlStreamReader::StartElement:
            stack << reader.name().toString();
            text.clear();
            leaf = true;
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (leaf)
                elements << qMakePair(stack.join(QLatin1Char('/')), text);
            leaf = false;
            stack.removeLast();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        elements << qMakePair(QStringLiteral("ERROR"), reader.errorString());
    return elements;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace TestFiles
