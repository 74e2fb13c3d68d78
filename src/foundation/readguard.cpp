#include "foundation/readguard.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QXmlStreamReader>

namespace ReadGuard {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReadGuard", text);
}

// Megabytes, rounded up, so that a file just over the limit does not read as being at it.
qint64 megabytes(qint64 bytes)
{
    return (bytes + 1024 * 1024 - 1) / (1024 * 1024);
}

QString tooLarge(qint64 size, qint64 limit)
{
    return tr("Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.")
        .arg(megabytes(size))
        .arg(megabytes(limit));
}

// The deepest nesting of elements in bytes, told from the markup alone, for files Qt's stream
// reader gives up on: the document tree's parser is more lenient (a character reference to NUL,
// say, which older files hold), so such a file still reaches it, and its nesting must be known.
// Comments, CDATA sections, processing instructions and declarations are skipped; quoted
// attribute values may hold '>'.
int markupDepth(const QByteArray &bytes)
{
    const int size = bytes.size();
    const char *data = bytes.constData();
    const auto skipPast = [&](int from, const char *end) {
        const int found = bytes.indexOf(end, from);
        return found < 0 ? size : found + int(qstrlen(end));
    };
    const auto startsAt = [&](int at, const char *text) {
        const int length = int(qstrlen(text));
        return at + length <= size && qstrncmp(data + at, text, uint(length)) == 0;
    };
    int depth = 0;
    int deepest = 0;
    int i = 0;
    while (i < size) {
        if (data[i] != '<') {
            ++i;
            continue;
        }
        if (startsAt(i, "<!--")) {
            i = skipPast(i + 4, "-->");
        } else if (startsAt(i, "<![CDATA[")) {
            i = skipPast(i + 9, "]]>");
        } else if (i + 1 < size && (data[i + 1] == '?' || data[i + 1] == '!')) {
            i = skipPast(i + 2, ">");
        } else if (i + 1 < size && data[i + 1] == '/') {
            --depth;
            i = skipPast(i + 2, ">");
        } else {
            char quote = 0;
            int j = i + 1;
            for (; j < size; ++j) {
                if (quote) {
                    if (data[j] == quote)
                        quote = 0;
                } else if (data[j] == '"' || data[j] == '\'') {
                    quote = data[j];
                } else if (data[j] == '>') {
                    break;
                }
            }
            if (j >= size || data[j - 1] != '/')
                deepest = qMax(deepest, ++depth);
            i = j + 1;
        }
    }
    return deepest;
}

} // namespace

QString sizeRefusal(const QString &path, qint64 limit)
{
    const qint64 size = QFileInfo(path).size();
    return size > limit ? tooLarge(size, limit) : QString();
}

bool readFile(const QString &path, qint64 limit, QByteArray &bytes, QString &error)
{
    bytes.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    // The size of the open file, so that a file replaced in between is measured as read.
    if (file.size() > limit) {
        error = tooLarge(file.size(), limit);
        return false;
    }
    // In pieces, never past the limit: a device or a pipe at the path has no size to measure.
    bytes.reserve(int(file.size()));
    for (;;) {
        const QByteArray piece = file.read(1024 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > limit) {
            error = tooLarge(bytes.size(), limit);
            bytes.clear();
            return false;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        error = file.errorString();
        return false;
    }
    return true;
}

QString xmlRefusal(const QByteArray &bytes, XmlUse use)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD) {
            // Parameter entities are not listed among the declarations; the text shows them.
            if (!reader.entityDeclarations().isEmpty() || reader.text().contains(QLatin1String("<!ENTITY")))
                return tr("Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.");
        } else if (token == QXmlStreamReader::StartElement) {
            // The declarations come before the first element; a stream reader needs no more.
            if (use == XmlUse::Stream)
                return QString();
            if (++depth > MaxTreeDepth)
                return tr("Die Elemente sind tiefer als %1 Ebenen verschachtelt.").arg(MaxTreeDepth);
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (reader.hasError() && use == XmlUse::Tree) {
        // The tree's own parser reports what is really broken; here only what it must not see.
        if (bytes.contains("<!ENTITY"))
            return tr("Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.");
        if (markupDepth(bytes) > MaxTreeDepth)
            return tr("Die Elemente sind tiefer als %1 Ebenen verschachtelt.").arg(MaxTreeDepth);
    }
    return QString();
}

bool readXml(const QString &path, qint64 limit, XmlUse use, QByteArray &bytes, QString &error)
{
    if (!readFile(path, limit, bytes, error))
        return false;
    error = xmlRefusal(bytes, use);
    if (error.isEmpty())
        return true;
    bytes.clear();
    return false;
}

bool readStringList(QDataStream &stream, QStringList &list)
{
    list.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return false;
    const qint64 remaining = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (qint64(count) * 4 > remaining) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    list.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        QString text;
        stream >> text;
        if (stream.status() != QDataStream::Ok) {
            list.clear();
            return false;
        }
        list << text;
    }
    return true;
}

} // namespace ReadGuard
