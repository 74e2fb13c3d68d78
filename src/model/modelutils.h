#pragma once

#include <QDate>
#include <QFont>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>

class QTextStream;
class QXmlStreamReader;
class QXmlStreamWriter;

// Helpers shared by every standard's reader and writer: fixed-column text fields, XML elements,
// catalogue option lists, and the label/value text tables of the inspection headers.
namespace ModelUtils {

// --- fixed-column fields (columns count from 0)
// Line breaks, tabs and every other control character become blanks: they would break the
// record structure of the file, and its reader refuses them.
void putText(QString &line, int column, int width, const QString &text, bool leftJustify = true);
void putInt(QString &line, int column, int width, int value);
void putDouble(QString &line, int column, int width, double value, int decimals);
// Writes the line, cut to maxLength when that is 1 or more, and a "\r\n" line end.
void writeLine(QTextStream &stream, const QString &line, int maxLength);
QString getText(const QString &line, int column, int width, bool trim = true);
int getInt(const QString &line, int column, int width, bool *ok = nullptr);
double getDouble(const QString &line, int column, int width, bool *ok = nullptr);
QDate getDate(const QString &line, int column, int width, const QString &format);
QTime getTime(const QString &line, int column, int width, const QString &format);
QStringList charactersExceptCommas(const QString &text);

// --- numbers from files
// Every number read from a file is checked before it is used or converted: a text that is not a
// number, not finite ("nan", "inf") or outside the field's range is a problem of the file.
// Profile sizes, distances and quantities of the formats without fixed columns stay within five
// digits before the point; that holds any real value and keeps every conversion to int defined.
constexpr double kMaxFileNumber = 99999.99;
// Clock positions name an hour of the dial; 0 stands for none.
constexpr int kMaxClock = 12;
// The value of text when it is a finite number within [min, max]; otherwise 0, with problem (when
// given) saying why in words ("ist keine Zahl", "liegt nicht zwischen ...").
double checkedNumber(const QString &text, double min, double max, bool *ok = nullptr, QString *problem = nullptr);
// The range a fixed-column field of that width holds with that many decimals (-99.99 to 999.99
// for 6 columns with 2 decimals).
double fieldMaximum(int width, int decimals);
double fieldMinimum(int width, int decimals);
// The value truncated toward zero as an int: 0 for values that are not finite, bounded to the
// int range.
int truncatedInt(double value);

// --- XML elements
// The reader's error with its line and column, as load reports show it.
QString xmlErrorText(const QXmlStreamReader &reader);
// A video time written "hhmmss"; invalid when the text is not six digits of a valid time.
QTime parseVideoTime(const QString &text);
// Written only when the trimmed text is not empty; the untrimmed text is written, without
// characters XML cannot carry.
void writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text);
void writeDateElement(QXmlStreamWriter &writer, const QString &name, const QDate &date, const QString &format);
void writeTimeElement(QXmlStreamWriter &writer, const QString &name, const QTime &time, const QString &format);
void writeIntElement(QXmlStreamWriter &writer, const QString &name, int value);
void writeDoubleElement(QXmlStreamWriter &writer, const QString &name, double value, int decimals);

// The reader stands on a start element. The element's text is read (text inside unexpected
// child elements included, so such an element does not end the read) and trimmed; the reader
// then stands on the element's end, so a following element is not skipped even where a file
// has no white space between elements. Returns false only when the document itself is broken.
bool readTextElement(QXmlStreamReader &reader, QString &text);
// As readTextElement; the value is 0 (null date, invalid time) when the text does not parse.
// ok, when given, tells whether the text was a value of the kind.
bool readIntElement(QXmlStreamReader &reader, int &value, bool *ok = nullptr);
bool readDoubleElement(QXmlStreamReader &reader, double &value, bool *ok = nullptr);
bool readDateElement(QXmlStreamReader &reader, QDate &date, const QString &format, bool *ok = nullptr);
bool readTimeElement(QXmlStreamReader &reader, QTime &time, const QString &format, bool *ok = nullptr);
// Reads one list of a catalogue's "texte" section: "sub" elements of code and text.
void readOptionList(QXmlStreamReader &reader, const QString &listName, QMap<QString, QString> &map);

// --- text tables
// The font of the text tables and the text-overlay pages.
QFont tableFont();

// Label/value text cut into lines of a 720 x 576 screen page with the table font.
class TextTable
{
public:
    static constexpr int PageWidth = 720;
    static constexpr int PageHeight = 576;
    static constexpr int MarginLeftRight = 50;
    static constexpr int MarginTopBottom = 20;
    static constexpr int UsableWidth = PageWidth - 2 * MarginLeftRight;

    void beginTable();
    void beginRow();
    void addPair(const QString &label, const QString &value);
    void addLine(const QString &text);
    void addEmptyLine();
    void addDate(const QString &label, const QDate &date, const QString &format);
    void addTime(const QString &label, const QTime &time, const QString &format);
    void addInt(const QString &label, int value);
    void addDouble(const QString &label, double value, int decimals);
    void endRow();
    void endTable();

    // The closed tables as screen lines; every table starts after at least one empty line, and
    // a table that does not fit the rest of a page starts on the next one.
    QStringList lines() const;
    static QStringList wrapText(const QString &text);
    static int linesPerPage();
    static QStringList wrapWords(const QString &text, int maxWidth);

    int tableCount() const { return m_tables.size(); }

private:
    struct Row
    {
        QStringList cells;
        int pairs = 0; // 0: a single text (cells[0]); 1: label/value pairs
    };
    QStringList renderTable(const QVector<Row> &table) const;

    QVector<QVector<Row>> m_tables;
    QVector<Row> m_rows;
    QStringList m_cells;
    int m_pairRow = 0;
    int m_state = 0; // 0 no table, 1 table open, 2 table and row open
};

} // namespace ModelUtils
