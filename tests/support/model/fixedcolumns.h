#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>

#include <initializer_list>

// Builders of the fixed-column files (ATV M-143-2 and ISYBAU 2001): records of 80 characters in
// Windows-1252, each field placed at its column.
namespace FixedColumns {

QByteArray cp1252(const QString &text);

// A record of 80 characters with the fields placed at their columns, ended by "\r\n".
QByteArray record(std::initializer_list<QPair<int, QString>> fields);

// The five header records of an ISYBAU 2001 file of the section "H1" (date of writing 01.01.2000).
QByteArray isybauHeader();
// The same header with a profile height and width in their columns.
QByteArray isybauHeaderWithSize(const QString &height, const QString &width);

// An observation record of the section "H1"; time is hhmmss, the frames are added.
QByteArray isybauObservation(const QString &distance, const QString &time, const QString &code, const QString &value1 = QString(),
                             const QString &clock = QString());
// A remark record (code "II") with one piece of text.
QByteArray isybauRemark(const QString &distance, const QString &time, const QString &piece);

} // namespace FixedColumns
