#include "testinvestigation.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

using namespace ModelUtils;

TestInvestigation::TestInvestigation()
{
    loadCatalog();
    buildCodeIndex();
    createCompleter();
    m_normKind = NormEN135082;
}

void TestInvestigation::loadCatalog()
{
    m_options.material.insert(QStringLiteral("B"), QStringLiteral("Beton"));
    m_options.system.insert(QStringLiteral("KR"), QStringLiteral("Regenwasser"));
}

void TestInvestigation::buildCodeIndex()
{
    m_codes << QStringLiteral("BAB") << QStringLiteral("BAC") << QStringLiteral("BCD") << QStringLiteral("BDA");
}

TocEntry TestInvestigation::summaryRow()
{
    return makeSummaryRow(1, m_options.material.value(m_header.material), m_options.system.value(m_header.sewerKind));
}

bool TestInvestigation::hasStructuralDamage() const
{
    for (const ObservationRecord &o : m_observations) {
        if (o.code.startsWith(QLatin1String("BA")))
            return true;
    }
    return false;
}

int TestInvestigation::codeGroup(const QString &code) const
{
    if (code.startsWith(QLatin1String("BA")))
        return 1;
    if (code.startsWith(QLatin1String("BB")))
        return 2;
    if (code.startsWith(QLatin1String("BC")))
        return 3;
    if (code.startsWith(QLatin1String("BD")))
        return 4;
    return 0;
}

TextTable TestInvestigation::mainDataTable() const
{
    TextTable table;
    int line = 0;
    for (int count : headerTables) {
        table.beginTable();
        for (int i = 0; i < count; ++i)
            table.addLine(QStringLiteral("Zeile %1").arg(++line));
        table.endTable();
    }
    return table;
}

QString TestInvestigation::addStartNode(const QTime &videoTime)
{
    ObservationRecord start;
    start.code = QStringLiteral("BCD");
    start.videoTime = videoTime;
    start.quantity1Text = m_header.startNode;
    m_observations.append(start);
    return observationDescription(start);
}

QString TestInvestigation::observationDescription(const ObservationRecord &o) const
{
    QString text = o.code + QStringLiteral(" bei ") + QString::number(o.distance, 'f', 2);
    if (!o.photoFile.isEmpty())
        text += QStringLiteral(", Foto angelegt");
    return text;
}

QStringList TestInvestigation::mainDataList() const
{
    return {QStringLiteral("TEST"), m_header.sectionName};
}

QStringList TestInvestigation::mainDataListFull() const
{
    return {QStringLiteral("TEST"), m_header.sectionName, m_header.street};
}

QVector<PrintJob> TestInvestigation::inspectionPrintJob()
{
    return makeInspectionJobs(0);
}

QVector<PrintJob> TestInvestigation::photoPrintJob()
{
    return makePhotoJobs(0);
}

void TestInvestigation::writeDocument(QXmlStreamWriter &writer)
{
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Test"));
    writer.writeStartElement(QStringLiteral("Header"));
    writeTextElement(writer, QStringLiteral("Street"), m_header.street);
    writeTextElement(writer, QStringLiteral("Section"), m_header.sectionName);
    writeTextElement(writer, QStringLiteral("Start"), m_header.startNode);
    writeTextElement(writer, QStringLiteral("VideoRef"), m_header.videoReference);
    writeDoubleElement(writer, QStringLiteral("Length"), m_header.inspectionLength, 2);
    writeDateElement(writer, QStringLiteral("Date"), m_header.date, QStringLiteral("yyyy-MM-dd"));
    writer.writeEndElement();
}

void TestInvestigation::writeObservation(QXmlStreamWriter &writer, int index)
{
    const ObservationRecord &o = m_observations.at(index);
    writer.writeStartElement(QStringLiteral("Obs"));
    writeDoubleElement(writer, QStringLiteral("Distance"), o.distance, 2);
    writeTextElement(writer, QStringLiteral("Code"), o.code);
    writeTimeElement(writer, QStringLiteral("Time"), o.videoTime, QStringLiteral("hhmmss"));
    writeTextElement(writer, QStringLiteral("Photo"), o.photoFile);
    writeIntElement(writer, QStringLiteral("ClockFrom"), o.clockFrom);
    writer.writeEndElement();
}

void TestInvestigation::writeFilms(QXmlStreamWriter &writer)
{
    writer.writeEndElement();
    writer.writeEndDocument();
}

void TestInvestigation::readMainData(QXmlStreamReader &reader)
{
    clear();
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Test"))
            continue;
        if (reader.name() != QLatin1String("Header")) {
            reader.skipCurrentElement();
            continue;
        }
        while (reader.readNextStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("Street")) {
                readTextElement(reader, m_header.street);
            } else if (name == QLatin1String("Section")) {
                readTextElement(reader, m_header.sectionName);
            } else if (name == QLatin1String("Start")) {
                readTextElement(reader, m_header.startNode);
            } else if (name == QLatin1String("VideoRef")) {
                readTextElement(reader, m_header.videoReference);
            } else if (name == QLatin1String("Length")) {
                bool ok = false;
                readDoubleElement(reader, m_header.inspectionLength, &ok);
                if (!ok)
                    noteReadProblem(QStringLiteral("Length"));
            } else if (name == QLatin1String("Date")) {
                readDateElement(reader, m_header.date, QStringLiteral("yyyy-MM-dd"));
            } else {
                reader.skipCurrentElement();
            }
        }
        return;
    }
}

void TestInvestigation::readObservations(QXmlStreamReader &reader)
{
    ObservationRecord o;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Test"))
            continue;
        if (reader.name() != QLatin1String("Obs")) {
            reader.skipCurrentElement();
            continue;
        }
        o.clear();
        while (reader.readNextStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("Distance"))
                readDoubleElement(reader, o.distance);
            else if (name == QLatin1String("Code"))
                readTextElement(reader, o.code);
            else if (name == QLatin1String("Time"))
                readTimeElement(reader, o.videoTime, QStringLiteral("hhmmss"));
            else if (name == QLatin1String("Photo"))
                readTextElement(reader, o.photoFile);
            else if (name == QLatin1String("ClockFrom"))
                readIntElement(reader, o.clockFrom);
            else
                reader.skipCurrentElement();
        }
        m_observations.append(o);
    }
}
