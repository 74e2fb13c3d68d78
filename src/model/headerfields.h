#pragma once

#include "model/records.h"

#include <QString>

#include <cstddef>

class ExchangeValueReader;
class QStringRef;
class QXmlStreamWriter;

// The header fields of an XML exchange format as one table: the element, the header field it
// holds and how its value is written and read. Reader and writer of a format walk the same rows,
// so a field cannot be read from one element and written to another. The rows of one table
// stand in file order; the writer writes them in that order. Fields that need their own logic
// (texts built from several fields, values outside the header) stay explicit code beside the
// table.
namespace HeaderFields {

enum class Kind {
    Text,        // written only when not blank
    FirstText,   // a second element for the field of an earlier row: read only while the field is empty
    Flag,        // a text "0" or "1"; other programs also write "true" and "false"
    Fixed,       // always written as the row's fixed text; read into the field when the row has one
    Date,        // written in the row's format, read as "yyyy-MM-dd"
    Time,        // written in the row's format, read as "hh:mm:ss", "h:mm:ss", "hh:mm" or "h:mm"
    Number,      // written with the row's decimals, read unbounded
    ProfileSize  // millimetres from 0 to ModelUtils::kMaxFileNumber; no decimals: whole millimetres, cut
};

struct Field
{
    const char *element;
    Kind kind;
    QString InspectionHeader::*text = nullptr;   // Text, FirstText, Flag, Fixed (may be null)
    double InspectionHeader::*number = nullptr;  // Number, ProfileSize
    int decimals = 0;                            // Number, ProfileSize
    const char *format = nullptr;                // Date, Time: as written; Fixed: the text written
    bool (*written)(const InspectionHeader &) = nullptr; // when set, the row is written only where it holds

    // Whether reading the row fills a header field (Fixed rows without a field only pass over it).
    bool readsField() const { return text || number || kind == Kind::Date || kind == Kind::Time; }
};

// Row builders, so that a table reads as a list of elements and fields.
constexpr Field text(const char *element, QString InspectionHeader::*field) { return {element, Kind::Text, field}; }
constexpr Field firstText(const char *element, QString InspectionHeader::*field)
{
    return {element, Kind::FirstText, field};
}
constexpr Field flag(const char *element, QString InspectionHeader::*field) { return {element, Kind::Flag, field}; }
constexpr Field fixed(const char *element, const char *value, QString InspectionHeader::*field = nullptr)
{
    return {element, Kind::Fixed, field, nullptr, 0, value};
}
constexpr Field date(const char *element, const char *format) { return {element, Kind::Date, nullptr, nullptr, 0, format}; }
constexpr Field time(const char *element, const char *format) { return {element, Kind::Time, nullptr, nullptr, 0, format}; }
constexpr Field number(const char *element, double InspectionHeader::*field, int decimals)
{
    return {element, Kind::Number, nullptr, field, decimals};
}
constexpr Field profileSize(const char *element, double InspectionHeader::*field, int decimals = 0)
{
    return {element, Kind::ProfileSize, nullptr, field, decimals};
}
constexpr Field onlyWhen(Field field, bool (*written)(const InspectionHeader &))
{
    field.written = written;
    return field;
}

// A table: the rows from begin to end.
struct Table
{
    const Field *begin;
    const Field *end;

    template<std::size_t N>
    constexpr Table(const Field (&rows)[N])
        : begin(rows)
        , end(rows + N)
    {
    }
    const Field *find(const QStringRef &element) const;
};

// Writes the rows of the table in order.
void write(QXmlStreamWriter &writer, const InspectionHeader &header, Table table);
// Reads the element the reader of values stands on into the header field of the row.
void read(const Field &field, ExchangeValueReader &values, InspectionHeader &header);

} // namespace HeaderFields
