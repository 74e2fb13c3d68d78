#include "model/modelutils.h"

#include "model/modellog.h"

#include "foundation/filetext.h"
#include "foundation/global.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtDebug>

#include <climits>
#include <cmath>

namespace ModelUtils {

namespace {

void placeField(QString &line, int column, int width, const QString &field)
{
    if (column < 0 || width <= 0)
        return;
    if (line.size() < column + width)
        line = line.leftJustified(column + width, QLatin1Char(' '));
    line.replace(column, width, field);
}

QString readerFileName(const QXmlStreamReader &reader)
{
    if (auto *file = qobject_cast<QFile *>(reader.device()))
        return file->fileName();
    // The content of a file read already carries the file's name.
    return reader.device() ? reader.device()->objectName() : QString();
}

} // namespace

void putText(QString &line, int column, int width, const QString &text, bool leftJustify)
{
    const QString cut = FileText::forField(text).left(qMax(width, 0));
    placeField(line, column, width,
               leftJustify ? cut.leftJustified(width, QLatin1Char(' ')) : cut.rightJustified(width, QLatin1Char(' ')));
}

void putInt(QString &line, int column, int width, int value)
{
    putText(line, column, width, QString::number(value), false);
}

void putDouble(QString &line, int column, int width, double value, int decimals)
{
    putText(line, column, width, QString::number(value, 'f', decimals), false);
}

void writeLine(QTextStream &stream, const QString &line, int maxLength)
{
    stream << (maxLength >= 1 ? line.left(maxLength) : line) << "\r\n";
}

QString getText(const QString &line, int column, int width, bool trim)
{
    if (column < 0 || width <= 0 || column >= line.size())
        return QString();
    const QString field = line.mid(column, width);
    if (trim)
        return field.trimmed();
    static const QRegularExpression trailing(QStringLiteral("\\s*$"));
    return QString(field).remove(trailing);
}

int getInt(const QString &line, int column, int width, bool *ok)
{
    bool parsed = false;
    const int value = getText(line, column, width).toInt(&parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0;
}

double getDouble(const QString &line, int column, int width, bool *ok)
{
    bool parsed = false;
    const double value = getText(line, column, width).toDouble(&parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}

QDate getDate(const QString &line, int column, int width, const QString &format)
{
    return QDate::fromString(getText(line, column, width), format);
}

QTime getTime(const QString &line, int column, int width, const QString &format)
{
    const QString field = getText(line, column, width);
    const QTime time = QTime::fromString(field, format);
    qCDebug(lcModel) << "getTime" << field << time;
    return time;
}

// A bound as the message shows it: every digit of the field (99999.99, not the rounded 100000).
static QString boundText(double bound)
{
    return QString::number(bound, 'g', 12);
}

double checkedNumber(const QString &text, double min, double max, bool *ok, QString *problem)
{
    bool parsed = false;
    const double value = text.trimmed().toDouble(&parsed);
    const bool finite = parsed && std::isfinite(value);
    const bool inRange = finite && value >= min && value <= max;
    if (ok)
        *ok = inRange;
    if (problem && !inRange) {
        if (!finite)
            *problem = QCoreApplication::translate("ModelUtils", "\"%1\" ist keine Zahl").arg(text.trimmed());
        else
            *problem = QCoreApplication::translate("ModelUtils", "\"%1\" liegt nicht zwischen %2 und %3")
                           .arg(text.trimmed(), boundText(min), boundText(max));
    }
    return inRange ? value : 0.0;
}

double fieldMaximum(int width, int decimals)
{
    const int digits = width - (decimals > 0 ? decimals + 1 : 0);
    return std::pow(10.0, digits) - std::pow(10.0, -decimals);
}

double fieldMinimum(int width, int decimals)
{
    return -fieldMaximum(width - 1, decimals); // one column goes to the sign
}

int truncatedInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated >= double(INT_MAX))
        return INT_MAX;
    if (truncated <= double(INT_MIN))
        return INT_MIN;
    return int(truncated);
}

QStringList charactersExceptCommas(const QString &text)
{
    QStringList result;
    for (const QChar c : text) {
        if (c != QLatin1Char(','))
            result << QString(c);
    }
    return result;
}

QString xmlErrorText(const QXmlStreamReader &reader)
{
    return QStringLiteral("%1 (%2:%3)").arg(reader.errorString()).arg(reader.lineNumber()).arg(reader.columnNumber());
}

QTime parseVideoTime(const QString &text)
{
    // By hand: QTime's format parser is slow for long observation lists.
    if (text.size() != 6)
        return QTime();
    int digits[6];
    for (int i = 0; i < 6; ++i) {
        const ushort u = text.at(i).unicode();
        if (u < '0' || u > '9')
            return QTime();
        digits[i] = u - '0';
    }
    return QTime(digits[0] * 10 + digits[1], digits[2] * 10 + digits[3], digits[4] * 10 + digits[5]);
}

void writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text)
{
    if (!text.trimmed().isEmpty())
        writer.writeTextElement(name, FileText::forXml(text));
}

void writeDateElement(QXmlStreamWriter &writer, const QString &name, const QDate &date, const QString &format)
{
    writeTextElement(writer, name, date.toString(format));
}

void writeTimeElement(QXmlStreamWriter &writer, const QString &name, const QTime &time, const QString &format)
{
    writeTextElement(writer, name, time.toString(format));
}

void writeIntElement(QXmlStreamWriter &writer, const QString &name, int value)
{
    writer.writeTextElement(name, QString::number(value));
}

void writeDoubleElement(QXmlStreamWriter &writer, const QString &name, double value, int decimals)
{
    writer.writeTextElement(name, QString::number(value, 'f', decimals));
}

bool readTextElement(QXmlStreamReader &reader, QString &text)
{
    // Token by token rather than by Qt's recursive element reader, so that markup nested however
    // deep inside a value cannot exhaust the stack.
    // Nearly every value is one piece of text: it is copied once at its size, where appending it
    // to an empty text reserved room to grow.
    QString value;
    int depth = 1;
    while (depth > 0) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::Invalid)
            break;
        if (token == QXmlStreamReader::Characters || token == QXmlStreamReader::EntityReference) {
            const QStringRef piece = reader.text();
            // A copy of its own: a text sharing the reader's buffer makes the reader copy it.
            if (value.isNull())
                value = QString(piece.unicode(), piece.size());
            else
                value += piece;
        } else if (token == QXmlStreamReader::StartElement) {
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    text = value.trimmed();
    if (!reader.hasError())
        return true;
    qCDebug(lcModel).noquote() << "XML read error in" << readerFileName(reader) << ":" << reader.errorString()
                       << "line" << reader.lineNumber() << "column" << reader.columnNumber();
    return false;
}

bool readIntElement(QXmlStreamReader &reader, int &value, bool *ok)
{
    QString text;
    const bool read = readTextElement(reader, text);
    bool parsed = false;
    value = text.toInt(&parsed);
    if (!parsed)
        value = 0;
    if (ok)
        *ok = parsed;
    return read;
}

bool readDoubleElement(QXmlStreamReader &reader, double &value, bool *ok)
{
    QString text;
    const bool read = readTextElement(reader, text);
    bool parsed = false;
    value = text.toDouble(&parsed);
    if (!parsed)
        value = 0.0;
    if (ok)
        *ok = parsed;
    return read;
}

bool readDateElement(QXmlStreamReader &reader, QDate &date, const QString &format, bool *ok)
{
    QString text;
    const bool read = readTextElement(reader, text);
    date = QDate::fromString(text, format);
    if (ok)
        *ok = date.isValid();
    return read;
}

bool readTimeElement(QXmlStreamReader &reader, QTime &time, const QString &format, bool *ok)
{
    QString text;
    const bool read = readTextElement(reader, text);
    time = QTime::fromString(text, format);
    if (ok)
        *ok = time.isValid();
    return read;
}

void readOptionList(QXmlStreamReader &reader, const QString &listName, QMap<QString, QString> &map)
{
    while (!reader.atEnd()) {
        if (reader.isEndElement() && reader.name() == listName)
            return;
        if (reader.isStartElement() && reader.name() == QLatin1String("sub")) {
            // The first two child elements are the code and its text, whatever their names.
            QStringList children;
            while (reader.readNext() != QXmlStreamReader::Invalid) {
                if (reader.isEndElement())
                    break; // the end of "sub"
                if (reader.isStartElement()) {
                    QString text;
                    readTextElement(reader, text);
                    children << text;
                }
            }
            if (!children.isEmpty())
                map.insert(children.at(0), children.value(1));
        }
        reader.readNext();
    }
}

QFont tableFont()
{
    return Global::tableFont();
}

// --- TextTable

void TextTable::beginTable()
{
    if (m_state == 0)
        m_state = 1;
}

void TextTable::beginRow()
{
    if (m_state == 1)
        m_state = 2;
}

void TextTable::addPair(const QString &label, const QString &value)
{
    if (m_state == 2) {
        m_cells << label << value;
        m_pairRow = 1;
    } else if (m_state == 1) {
        m_rows.append(Row{QStringList{label + value}, 0});
    }
}

void TextTable::addLine(const QString &text)
{
    if (m_state == 1)
        m_rows.append(Row{QStringList{text}, 0});
}

void TextTable::addEmptyLine()
{
    addLine(QString());
}

void TextTable::addDate(const QString &label, const QDate &date, const QString &format)
{
    addPair(label, date.toString(format));
}

void TextTable::addTime(const QString &label, const QTime &time, const QString &format)
{
    addPair(label, time.toString(format));
}

void TextTable::addInt(const QString &label, int value)
{
    addPair(label, QString::number(value));
}

void TextTable::addDouble(const QString &label, double value, int decimals)
{
    addPair(label, QString::number(value, 'f', decimals));
}

void TextTable::endRow()
{
    if (m_state != 2)
        return;
    m_rows.append(Row{m_cells, 1});
    m_cells.clear();
    m_pairRow = 0;
    m_state = 1;
}

void TextTable::endTable()
{
    if (m_state != 1)
        return;
    m_tables.append(m_rows);
    m_rows.clear();
    m_state = 0;
}

int TextTable::linesPerPage()
{
    const int spacing = QFontMetrics(tableFont()).lineSpacing();
    return qMax(1, (PageHeight - 2 * MarginTopBottom) / qMax(1, spacing));
}

QStringList TextTable::wrapWords(const QString &text, int maxWidth)
{
    const QFontMetrics fm(tableFont());
    QStringList words = text.split(QLatin1Char(' '));
    int i = 0;
    while (i < words.size() - 1) {
        const QString joined = words.at(i) + QLatin1Char(' ') + words.at(i + 1);
        if (fm.horizontalAdvance(joined) < maxWidth) {
            words[i] = joined;
            words.removeAt(i + 1);
        } else {
            ++i;
        }
    }
    return words;
}

QStringList TextTable::renderTable(const QVector<Row> &table) const
{
    const QFontMetrics fm(tableFont());
    QStringList result;
    for (const Row &row : table) {
        if (row.pairs == 0) {
            result << wrapWords(row.cells.value(0), UsableWidth);
            continue;
        }
        int labelWidth = 0;
        for (int i = 0; i < row.cells.size(); i += 2)
            labelWidth = qMax(labelWidth, fm.horizontalAdvance(row.cells.at(i)));
        const int valueWidth = UsableWidth - labelWidth - fm.maxWidth();
        const int blankWidth = fm.horizontalAdvance(QLatin1Char(' '));
        for (int i = 0; i + 1 < row.cells.size(); i += 2) {
            const QStringList wrapped = wrapWords(row.cells.at(i + 1), valueWidth);
            for (int k = 0; k < wrapped.size(); ++k) {
                QString prefix = k == 0 ? row.cells.at(i) : QString();
                while (blankWidth > 0 && fm.horizontalAdvance(prefix) < labelWidth)
                    prefix += QLatin1Char(' ');
                result << prefix + wrapped.at(k);
            }
        }
    }
    return result;
}

QStringList TextTable::lines() const
{
    const int perPage = linesPerPage();
    QStringList result;
    for (const QVector<Row> &table : m_tables) {
        const QStringList rendered = renderTable(table);
        const int rest = perPage - result.size() % perPage;
        const int emptyLines = rest < rendered.size() + 1 ? rest : 1;
        for (int i = 0; i < emptyLines; ++i)
            result << QString();
        result << rendered;
    }
    return result;
}

QStringList TextTable::wrapText(const QString &text)
{
    TextTable table;
    table.beginTable();
    table.addLine(text);
    table.endTable();
    return table.lines();
}

} // namespace ModelUtils
