#include "fixedcolumns.h"

#include <QTextCodec>

namespace FixedColumns {

QByteArray cp1252(const QString &text)
{
    return QTextCodec::codecForName("Windows-1252")->fromUnicode(text);
}

QByteArray record(std::initializer_list<QPair<int, QString>> fields)
{
    QString line(80, QLatin1Char(' '));
    for (const auto &field : fields)
        line.replace(field.first, field.second.size(), field.second);
    return cp1252(line) + "\r\n";
}

QByteArray isybauHeader()
{
    return record({{0, QStringLiteral("LH0601")}, {62, QStringLiteral("01.01.2000")}}) + record({{0, QStringLiteral("LH")}})
           + record({{0, QStringLiteral("LI 1")}, {4, QStringLiteral("15.03.2024")}, {14, QStringLiteral("Ort")}})
           + record({{0, QStringLiteral("LI 2")}, {4, QStringLiteral("H1")}, {22, QStringLiteral("Weg")}})
           + record({{0, QStringLiteral("LI 3")}, {4, QStringLiteral("H1")}, {18, QStringLiteral("S1")}, {32, QStringLiteral("S2")},
                     {49, QStringLiteral("0")}, {72, QStringLiteral("O")}});
}

QByteArray isybauHeaderWithSize(const QString &height, const QString &width)
{
    return record({{0, QStringLiteral("LH0601")}, {62, QStringLiteral("01.01.2000")}}) + record({{0, QStringLiteral("LH")}})
           + record({{0, QStringLiteral("LI 1")}, {4, QStringLiteral("15.03.2024")}, {14, QStringLiteral("Ort")}})
           + record({{0, QStringLiteral("LI 2")}, {4, QStringLiteral("H1")}, {22, QStringLiteral("Weg")}})
           + record({{0, QStringLiteral("LI 3")}, {4, QStringLiteral("H1")}, {18, QStringLiteral("S1")}, {32, QStringLiteral("S2")},
                     {49, QStringLiteral("0")}, {50, height}, {55, width}, {72, QStringLiteral("O")}});
}

QByteArray isybauObservation(const QString &distance, const QString &time, const QString &code, const QString &value1,
                             const QString &clock)
{
    return record({{0, QStringLiteral("LI 4")}, {4, QStringLiteral("H1")}, {18, distance}, {27, time + QStringLiteral("00")},
                   {52, code}, {59, value1}, {76, clock}});
}

QByteArray isybauRemark(const QString &distance, const QString &time, const QString &piece)
{
    return record({{0, QStringLiteral("LI 4")}, {4, QStringLiteral("H1")}, {18, distance}, {27, time + QStringLiteral("00")},
                   {52, QStringLiteral("II")}, {59, piece}});
}

} // namespace FixedColumns
