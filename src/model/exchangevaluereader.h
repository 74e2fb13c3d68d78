#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <functional>

class QXmlStreamReader;

// Reads the values of the XML exchange files (EN 13508-2, DWA-M 149-2, ISYBAU 2006): the reader
// stands on a value's start element, and each call reads its text and leaves the reader on its
// end element. An empty element is no value (0, null, empty); a text that is not a value of the
// kind is handed to the problem sink with its line, and reads as 0, null or empty.
class ExchangeValueReader
{
public:
    using ProblemSink = std::function<void(const QString &problem)>;

    ExchangeValueReader(QXmlStreamReader &reader, ProblemSink sink);

    QString text();
    double number(const char *element);
    int integer(const char *element);
    // A value within [min, max]; one outside is handed to the problem sink and reads as 0.
    double number(const char *element, double min, double max);
    int integer(const char *element, int min, int max);
    // "yyyy-MM-dd".
    QDate date(const char *element);
    // "hh:mm:ss", also "h:mm:ss" and "hh:mm" as other programs write them.
    QTime timeOfDay(const char *element);
    // A position in the video; "00:00:00" when the text is none (see parseVideoPosition).
    QTime videoPosition(const char *element);
    // A photo file name; a name that leads out of the inspection folder is refused.
    QString photoName();
    // Notes a text that is not a value of the element.
    void badValue(const char *element, const QString &text);

    // A position in the video in the forms real files write: "hhmmss" and "hhmmssff" (with a
    // frame count), "h:mm:ss" and "hh:mm:ss" (also with ":ff"); frames are dropped. Invalid
    // when the text is none of these or not a time of day.
    static QTime parseVideoPosition(const QString &text);
    // Whether a file name stays inside its folder (no separator, not "." or "..").
    static bool isPlainFileName(const QString &name);

private:
    void outOfRange(const char *element, const QString &text, double min, double max);

    QXmlStreamReader &m_reader;
    ProblemSink m_sink;
};
