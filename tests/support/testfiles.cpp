#include "testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
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
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QDomElement xmlRoot(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return QDomElement();
    return document.documentElement();
}

void writeOldFile(const QString &path, const QByteArray &bytes)
{
    writeFile(path, bytes);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
}

namespace {

// A file named by QTemporaryFile after the template. The program leaves names that look like a
// word (all lower case, all upper case, capitalised: one random name in twenty) alone, so such
// names are drawn again.
QString temporaryName(const QString &templateName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QTemporaryFile temp(templateName);
        if (!temp.open())
            return QString();
        const QString part = temp.fileName().right(6);
        if (part.mid(1) != part.mid(1).toLower() && part != part.toUpper()) {
            temp.setAutoRemove(false);
            return temp.fileName();
        }
    }
    return QString();
}

} // namespace

QStringList leaveStaleSaveFiles(const QString &target)
{
    const QString temp = temporaryName(target + QStringLiteral(".XXXXXX"));
    const QString inner = temporaryName(temp + QStringLiteral(".XXXXXX"));
    if (temp.isEmpty() || inner.isEmpty())
        return QStringList();
    const QStringList made{temp, temp + QStringLiteral(".lock"), inner};
    for (const QString &path : made)
        writeOldFile(path, "halb geschrieben");
    return made;
}

} // namespace TestFiles
