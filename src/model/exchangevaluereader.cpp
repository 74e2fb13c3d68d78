#include "model/exchangevaluereader.h"

#include "model/modelutils.h"

#include <QCoreApplication>
#include <QStringList>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace {

bool allDigits(const QStringRef &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

// The number written with count digits from position from of text; -1 where one of them is no
// digit.
int digitsAt(const QString &text, int from, int count)
{
    int number = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort u = text.at(i).unicode();
        if (u < '0' || u > '9')
            return -1;
        number = number * 10 + (u - '0');
    }
    return number;
}

// The forms this program writes, "yyyy-MM-dd", "hh:mm:ss" and "hh:mm", read by hand: Qt's format
// parser looks up the time zone on each call, which costs more than the rest of a small
// inspection's load. Null or invalid for any other text, which the format parser then reads.
QDate writtenDate(const QString &text)
{
    if (text.size() != 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return QDate();
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

QTime writtenTime(const QString &text)
{
    if ((text.size() != 8 && text.size() != 5) || text.at(2) != QLatin1Char(':'))
        return QTime();
    const int hour = digitsAt(text, 0, 2);
    const int minute = digitsAt(text, 3, 2);
    int second = 0;
    if (text.size() == 8) {
        if (text.at(5) != QLatin1Char(':'))
            return QTime();
        second = digitsAt(text, 6, 2);
    }
    if (hour < 0 || minute < 0 || second < 0)
        return QTime();
    return QTime(hour, minute, second);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("ExchangeValueReader", text);
}

} // namespace

ExchangeValueReader::ExchangeValueReader(QXmlStreamReader &reader, ProblemSink sink)
    : m_reader(reader)
    , m_sink(std::move(sink))
{
}

QString ExchangeValueReader::text()
{
    QString value;
    ModelUtils::readTextElement(m_reader, value); // the load reports the reader's error
    return value;
}

void ExchangeValueReader::badValue(const char *element, const QString &text)
{
    m_sink(tr("Zeile %1: \"%2\" ist kein gültiger Wert für %3.")
               .arg(m_reader.lineNumber())
               .arg(text, QLatin1String(element)));
}

double ExchangeValueReader::number(const char *element)
{
    return number(element, -HUGE_VAL, HUGE_VAL);
}

int ExchangeValueReader::integer(const char *element)
{
    return integer(element, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

double ExchangeValueReader::number(const char *element, double min, double max)
{
    const QString value = text();
    if (value.isEmpty())
        return 0.0;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        badValue(element, value);
        return 0.0;
    }
    if (number < min || number > max) {
        outOfRange(element, value, min, max);
        return 0.0;
    }
    return number;
}

int ExchangeValueReader::integer(const char *element, int min, int max)
{
    const QString value = text();
    if (value.isEmpty())
        return 0;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) {
        badValue(element, value);
        return 0;
    }
    if (number < min || number > max) {
        outOfRange(element, value, min, max);
        return 0;
    }
    return number;
}

void ExchangeValueReader::outOfRange(const char *element, const QString &text, double min, double max)
{
    QString problem;
    ModelUtils::checkedNumber(text, min, max, nullptr, &problem);
    m_sink(tr("Zeile %1: %2 (%3).").arg(m_reader.lineNumber()).arg(problem, QLatin1String(element)));
}

QDate ExchangeValueReader::date(const char *element)
{
    const QString value = text();
    QDate date = writtenDate(value);
    if (!date.isValid())
        date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    if (!value.isEmpty() && !date.isValid())
        badValue(element, value);
    return date;
}

QTime ExchangeValueReader::timeOfDay(const char *element)
{
    const QString value = text();
    if (value.isEmpty())
        return QTime();
    const QTime written = writtenTime(value);
    if (written.isValid())
        return written;
    for (const char *format : {"hh:mm:ss", "h:mm:ss", "hh:mm", "h:mm"}) {
        const QTime time = QTime::fromString(value, QLatin1String(format));
        if (time.isValid())
            return time;
    }
    badValue(element, value);
    return QTime();
}

QTime ExchangeValueReader::videoPosition(const char *element)
{
    const QString value = text();
    const QTime time = parseVideoPosition(value);
    if (time.isValid())
        return time;
    if (!value.isEmpty())
        badValue(element, value);
    return QTime(0, 0);
}

QString ExchangeValueReader::photoName()
{
    const QString value = text();
    if (isPlainFileName(value))
        return value;
    m_sink(tr("Zeile %1: Der Fotoname \"%2\" verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.")
               .arg(m_reader.lineNumber())
               .arg(value));
    return QString();
}

QTime ExchangeValueReader::parseVideoPosition(const QString &text)
{
    if (text.size() == 6)
        return ModelUtils::parseVideoTime(text); // the form this program writes
    if (text.size() == 8 && allDigits(QStringRef(&text)))
        return ModelUtils::parseVideoTime(text.left(6));

    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(':'));
    if (parts.size() != 3 && parts.size() != 4)
        return QTime();
    for (int i = 0; i < parts.size(); ++i) {
        const int size = parts.at(i).size();
        if (!allDigits(parts.at(i)) || size > 2 || (i > 0 && i < 3 && size != 2))
            return QTime();
    }
    return QTime(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt());
}

bool ExchangeValueReader::isPlainFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".")
           && name != QLatin1String("..");
}
