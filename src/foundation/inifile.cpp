#include "foundation/inifile.h"

#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "foundation/records/streamcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QtEndian>

#include <cerrno>

namespace IniFile {

int beginReadArray(QSettings &settings, const QString &prefix)
{
    settings.beginGroup(prefix);
    const int present = settings.childGroups().size();
    settings.endGroup();
    return qBound(0, settings.beginReadArray(prefix), present);
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The next logical line as QSettings delimits it: quotes may span line ends, a backslash before
// a line end continues the line, and ';' starts a comment. equals is the position of the first
// '=' outside quotes, -1 when there is none. False after the last line.
bool nextLine(const QByteArray &data, int &pos, int &lineStart, int &lineEnd, int &equals)
{
    const int size = data.size();
    bool inQuotes = false;
    equals = -1;
    lineStart = pos;
    while (lineStart < size && isBlank(data.at(lineStart)))
        ++lineStart;
    int i = lineStart;
    while (i < size) {
        const char c = data.at(i++);
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == lineStart + 1) {
                // A comment: what follows on its line is not read (ending it at either line end
                // reads a little more than QSettings does, never less).
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    lineEnd = i;
    return lineEnd > lineStart;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void chopTrailingBlanks(QString &text)
{
    while (!text.isEmpty() && (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t'))))
        text.chop(1);
}

// The value between from and to as QSettings unescapes it: one text, or the elements of a list
// when it holds a comma outside quotes.
QStringList valueElements(const QByteArray &data, int from, int to)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},   {'?', '?'},   {'\'', '\''}, {'\\', '\\'}};
    QStringList elements;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    const auto skipBlanks = [&] {
        while (i < to && (data.at(i) == ' ' || data.at(i) == '\t'))
            ++i;
    };
    skipBlanks();
    while (i < to) {
        const char c = data.at(i);
        if (c == '\\') {
            if (++i >= to)
                break;
            const char escaped = data.at(i++);
            bool mapped = false;
            for (const auto &e : escapes) {
                if (escaped == e[0]) {
                    current += QLatin1Char(e[1]);
                    mapped = true;
                    break;
                }
            }
            if (mapped)
                continue;
            if (escaped == 'x' || (escaped >= '0' && escaped <= '7')) {
                const bool hex = escaped == 'x';
                if (hex && (i >= to || hexDigit(data.at(i)) < 0))
                    continue; // "\x" without a digit gives nothing
                quint32 value = hex ? 0 : quint32(escaped - '0');
                for (; i < to; ++i) {
                    const int digit = hex ? hexDigit(data.at(i)) : (data.at(i) >= '0' && data.at(i) <= '7' ? data.at(i) - '0' : -1);
                    if (digit < 0)
                        break;
                    value = (value << (hex ? 4 : 3)) + quint32(digit);
                }
                current += QChar(ushort(value & 0xffff));
            } else if ((escaped == '\n' || escaped == '\r') && i < to) {
                const char next = data.at(i);
                if ((next == '\n' || next == '\r') && next != escaped)
                    ++i;
            }
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingBlanks(current);
            elements << current;
            current.clear();
            quoted = false;
            ++i;
            skipBlanks();
            continue;
        }
        int j = i + 1;
        while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
            ++j;
        current += QString::fromLatin1(data.constData() + i, j - i);
        i = j;
    }
    if (!quoted)
        chopTrailingBlanks(current);
    elements << current;
    return elements;
}

// Whether bytes are all an INI file of keyCount keys as QSettings writes it: every key on a line
// of its own, and the last line ended. QSettings does not notice when the last block of its file
// fails to reach the disk, so what it wrote is checked before it replaces anything.
bool isCompleteIni(const QByteArray &data, int keyCount)
{
    if (data.isEmpty())
        return keyCount == 0;
    if (!data.endsWith('\n'))
        return false;
    int pos = 0;
    int lineStart = 0;
    int lineEnd = 0;
    int equals = -1;
    int keys = 0;
    while (nextLine(data, pos, lineStart, lineEnd, equals)) {
        if (data.at(lineStart) != '[' && equals >= 0)
            ++keys;
    }
    return keys == keyCount;
}

QString incompleteText()
{
    return QCoreApplication::translate("IniFile", "Die Datei wurde nicht vollständig geschrieben.");
}

} // namespace

bool writeWhole(const QString &path, const std::function<void(QSettings &)> &fill, QString *error)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = qt_error_string(errno);
        return false;
    }
    FileHelper::removeStaleSaveFiles(path);

    // QSettings writes the temporary file by its name; it takes the target's place only once its
    // bytes are checked.
    AtomicFile file(path);
    const auto failed = [&file, error](const QString &reason) {
        if (error)
            *error = reason.isEmpty() ? file.errorString() : reason;
        return false;
    };
    if (!file.open())
        return failed(QString());
    int keyCount = 0;
    {
        QSettings settings(file.temporaryPath(), QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return failed(incompleteText());
        keyCount = settings.allKeys().size();
    }
    QFile written(file.temporaryPath());
    if (!written.open(QIODevice::ReadOnly))
        return failed(written.errorString());
    const QByteArray bytes = written.readAll();
    written.close();
    if (!isCompleteIni(bytes, keyCount))
        return failed(incompleteText());
    return file.commit(bytes.size()) || failed(QString());
}

namespace {

// A "@Variant(...)" value as QSettings decodes it: from the text's Latin-1 bytes after the
// prefix, with stream version 7 (no null flag), a type id and then the value. A colour is the
// only typed value accepted, and only in the form Qt writes.
bool isWrittenColour(const QString &element)
{
    if (!element.startsWith(QLatin1String("@Variant(")) || !element.endsWith(QLatin1Char(')')))
        return false;
    const QByteArray bytes = element.mid(9).toLatin1();
    constexpr quint32 ColourType = 67; // QMetaType::QColor
    if (bytes.size() < 4 || qFromBigEndian<quint32>(bytes.constData()) != ColourType)
        return false;
    StreamCheck check(bytes, 4);
    return check.color() && check.remaining() == 1; // the closing parenthesis
}

bool plainValues(const QByteArray &data, bool coloursAllowed)
{
    int pos = 0;
    int lineStart = 0;
    int lineEnd = 0;
    int equals = -1;
    while (nextLine(data, pos, lineStart, lineEnd, equals)) {
        if (data.at(lineStart) == '[' || equals < 0)
            continue; // a section or no value
        for (const QString &element : valueElements(data, equals + 1, lineEnd)) {
            if (coloursAllowed && isWrittenColour(element))
                continue;
            if (element.startsWith(QLatin1String("@Variant(")) || element.startsWith(QLatin1String("@DateTime(")))
                return false;
        }
    }
    return true;
}

} // namespace

bool hasOnlyPlainValues(const QByteArray &data)
{
    return plainValues(data, false);
}

bool hasOnlyPlainValuesOrColours(const QByteArray &data)
{
    return plainValues(data, true);
}

bool hasOnlyPlainValues(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return hasOnlyPlainValues(file.readAll());
}

} // namespace IniFile
