#include "model/headerfields.h"

#include "model/exchangevaluereader.h"
#include "model/modelutils.h"

#include <QLatin1String>
#include <QStringRef>
#include <QXmlStreamWriter>

namespace HeaderFields {

const Field *Table::find(const QStringRef &element) const
{
    for (const Field *field = begin; field != end; ++field) {
        if (element == QLatin1String(field->element))
            return field;
    }
    return nullptr;
}

void write(QXmlStreamWriter &writer, const InspectionHeader &header, Table table)
{
    using namespace ModelUtils;
    for (const Field *field = table.begin; field != table.end; ++field) {
        if (field->written && !field->written(header))
            continue;
        const QString name = QLatin1String(field->element);
        switch (field->kind) {
        case Kind::Text:
        case Kind::FirstText:
        case Kind::Flag:
            writeTextElement(writer, name, header.*field->text);
            break;
        case Kind::Fixed:
            writeTextElement(writer, name, QLatin1String(field->format));
            break;
        case Kind::Date:
            writeDateElement(writer, name, header.date, QLatin1String(field->format));
            break;
        case Kind::Time:
            writeTimeElement(writer, name, header.time, QLatin1String(field->format));
            break;
        case Kind::Number:
            writeDoubleElement(writer, name, header.*field->number, field->decimals);
            break;
        case Kind::ProfileSize:
            if (field->decimals > 0)
                writeDoubleElement(writer, name, header.*field->number, field->decimals);
            else
                writeIntElement(writer, name, truncatedInt(header.*field->number));
            break;
        }
    }
}

void read(const Field &field, ExchangeValueReader &values, InspectionHeader &header)
{
    switch (field.kind) {
    case Kind::Text:
        header.*field.text = values.text();
        return;
    case Kind::FirstText: {
        const QString value = values.text();
        if ((header.*field.text).isEmpty())
            header.*field.text = value;
        return;
    }
    case Kind::Flag: {
        QString value = values.text();
        if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            value = QStringLiteral("1");
        else if (value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            value = QStringLiteral("0");
        header.*field.text = value;
        return;
    }
    case Kind::Fixed: {
        const QString value = values.text();
        if (field.text)
            header.*field.text = value;
        return;
    }
    case Kind::Date:
        header.date = values.date(field.element);
        return;
    case Kind::Time:
        header.time = values.timeOfDay(field.element);
        return;
    case Kind::Number:
        header.*field.number = values.number(field.element);
        return;
    case Kind::ProfileSize:
        header.*field.number = values.number(field.element, 0.0, ModelUtils::kMaxFileNumber);
        return;
    }
}

} // namespace HeaderFields
