#include "model/modelutils.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

using namespace ModelUtils;

namespace {

QString writeXml(const std::function<void(QXmlStreamWriter &)> &fill)
{
    QString out;
    QXmlStreamWriter writer(&out);
    writer.writeStartElement(QStringLiteral("r"));
    fill(writer);
    writer.writeEndElement();
    return out;
}

} // namespace

class TestModelUtils : public QObject
{
    Q_OBJECT

private slots:
    void fixedColumnFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("left");
        QTest::addColumn<QString>("line");
        QTest::newRow("left") << "ab" << 2 << 4 << true << "..ab  ....";
        QTest::newRow("right") << "ab" << 2 << 4 << false << "..  ab....";
        QTest::newRow("long text keeps its start, left") << "0123456789" << 0 << 4 << true << "0123......";
        QTest::newRow("long text keeps its start, right") << "0123456789" << 0 << 4 << false << "0123......";
        QTest::newRow("line breaks become blanks") << "a\nb\tc" << 1 << 5 << true << ".a b c....";
        QTest::newRow("beyond the line end extends it") << "xy" << 9 << 3 << true << ".........xy ";
    }
    void fixedColumnFields()
    {
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(int, width);
        QFETCH(bool, left);
        QFETCH(QString, line);
        QString target(10, QLatin1Char('.'));
        putText(target, column, width, text, left);
        QCOMPARE(target, line);
    }

    void numbersAndReading()
    {
        QString line(20, QLatin1Char(' '));
        putInt(line, 0, 4, 42);
        putDouble(line, 4, 7, 3.14159, 2);
        putText(line, 12, 6, QStringLiteral("  ab"), true);
        QCOMPARE(line, QStringLiteral("  42   3.14   ab    "));
        QCOMPARE(getInt(line, 0, 4), 42);
        QCOMPARE(getDouble(line, 4, 7), 3.14);
        QCOMPARE(getText(line, 12, 6, false), QStringLiteral("  ab"));
        QCOMPARE(getText(line, 12, 6, true), QStringLiteral("ab"));
        bool ok = true;
        QCOMPARE(getInt(line, 12, 6, &ok), 0);
        QVERIFY(!ok);
        QCOMPARE(getText(line, 30, 4), QString());
        QCOMPARE(getDate(QStringLiteral("x20240131"), 1, 8, QStringLiteral("yyyyMMdd")), QDate(2024, 1, 31));
        QCOMPARE(getTime(QStringLiteral("123456"), 0, 6, QStringLiteral("hhmmss")), QTime(12, 34, 56));
        QCOMPARE(charactersExceptCommas(QStringLiteral("A,B,,C")), (QStringList{"A", "B", "C"}));

        QString out;
        QTextStream stream(&out);
        writeLine(stream, QStringLiteral("abcdef"), 4);
        writeLine(stream, QStringLiteral("xy"), 0);
        stream.flush();
        QCOMPARE(out, QStringLiteral("abcd\r\nxy\r\n"));
    }

    void writingElements()
    {
        const QString xml = writeXml([](QXmlStreamWriter &w) {
            writeTextElement(w, QStringLiteral("blank"), QStringLiteral("   "));
            writeTextElement(w, QStringLiteral("t"), QStringLiteral(" a "));
            writeIntElement(w, QStringLiteral("i"), 0);
            writeDoubleElement(w, QStringLiteral("d"), 2.5, 2);
            writeDateElement(w, QStringLiteral("nodate"), QDate(), QStringLiteral("yyyy-MM-dd"));
            writeDateElement(w, QStringLiteral("date"), QDate(2025, 3, 4), QStringLiteral("yyyy-MM-dd"));
            writeTimeElement(w, QStringLiteral("notime"), QTime(), QStringLiteral("hhmmss"));
            writeTimeElement(w, QStringLiteral("time"), QTime(1, 2, 3), QStringLiteral("hhmmss"));
            // Characters XML cannot carry would leave a file that cannot be read back.
            writeTextElement(w, QStringLiteral("c"), QStringLiteral("x\x01y") + QChar(0xD800) + QStringLiteral("z\tü"));
        });
        QCOMPARE(xml, QStringLiteral("<r><t> a </t><i>0</i><d>2.50</d><date>2025-03-04</date><time>010203</time>"
                                     "<c>xyz\tü</c></r>"));
        QXmlStreamReader reader(xml);
        while (!reader.atEnd())
            reader.readNext();
        QVERIFY(!reader.hasError());
    }

    void videoTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time");
        QTest::newRow("plain") << "012345" << QTime(1, 23, 45);
        QTest::newRow("midnight") << "000000" << QTime(0, 0);
        QTest::newRow("too short") << "12345" << QTime();
        QTest::newRow("not digits") << "01:23:" << QTime();
        QTest::newRow("invalid minute") << "016045" << QTime();
    }
    void videoTimes()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QCOMPARE(parseVideoTime(text), time);
        QCOMPARE(parseVideoTime(text).isValid(), time.isValid());
    }

    void readingElements()
    {
        // No white space between elements, a child element inside a text, bad numbers.
        QXmlStreamReader reader(QStringLiteral(
            "<r><t> a <b>x</b> c</t><i>zwölf</i><j>7</j><d>1.25</d><date>2025-13-01</date><time>010203</time></r>"));
        QVERIFY(reader.readNextStartElement());
        QString text;
        int i = -1;
        int j = -1;
        double d = 0;
        QDate date;
        QTime time;
        bool ok = true;
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readTextElement(reader, text));
        QCOMPARE(text, QStringLiteral("a x c"));
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readIntElement(reader, i, &ok));
        QCOMPARE(i, 0);
        QVERIFY(!ok);
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readIntElement(reader, j, &ok));
        QCOMPARE(j, 7);
        QVERIFY(ok);
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readDoubleElement(reader, d));
        QCOMPARE(d, 1.25);
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readDateElement(reader, date, QStringLiteral("yyyy-MM-dd"), &ok));
        QVERIFY(date.isNull());
        QVERIFY(!ok);
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readTimeElement(reader, time, QStringLiteral("hhmmss")));
        QCOMPARE(time, QTime(1, 2, 3));
        QVERIFY(!reader.readNextStartElement());
        QVERIFY(!reader.hasError());
    }

    void deeplyNestedMarkupInAValue()
    {
        const int depth = 200000;
        QString xml = QStringLiteral("<r><t>a");
        for (int i = 0; i < depth; ++i)
            xml += QStringLiteral("<b>");
        xml += QLatin1Char('x');
        for (int i = 0; i < depth; ++i)
            xml += QStringLiteral("</b>");
        xml += QStringLiteral("</t><u>next</u></r>");
        QXmlStreamReader reader(xml);
        QVERIFY(reader.readNextStartElement());
        QVERIFY(reader.readNextStartElement());
        QString text;
        QVERIFY(readTextElement(reader, text));
        QCOMPARE(text, QStringLiteral("ax"));
        QVERIFY(reader.readNextStartElement());
        QVERIFY(readTextElement(reader, text));
        QCOMPARE(text, QStringLiteral("next"));
    }

    void brokenDocumentIsReported()
    {
        QXmlStreamReader reader(QStringLiteral("<r><t>abc"));
        QVERIFY(reader.readNextStartElement());
        QVERIFY(reader.readNextStartElement());
        QString text;
        QVERIFY(!readTextElement(reader, text));
    }

    void optionList()
    {
        QXmlStreamReader reader(QStringLiteral(
            "<texte><system><sub><token>KR</token><text> Regenwasser </text></sub>"
            "<sub><kuerzel>KS</kuerzel><bez>Schmutzwasser</bez><extra>x</extra></sub>"
            "<sub/><sub><token>KR</token><text>doppelt</text></sub></system>"
            "<material><sub><token>B</token><text>Beton</text></sub></material></texte>"));
        QVERIFY(reader.readNextStartElement());
        QVERIFY(reader.readNextStartElement());
        QMap<QString, QString> map;
        readOptionList(reader, QStringLiteral("system"), map);
        QCOMPARE(map.size(), 2);
        QCOMPARE(map.value(QStringLiteral("KR")), QStringLiteral("doppelt"));
        QCOMPARE(map.value(QStringLiteral("KS")), QStringLiteral("Schmutzwasser"));
        QVERIFY(reader.isEndElement());
        QCOMPARE(reader.name(), QLatin1String("system"));
    }

    void tableStates()
    {
        TextTable table;
        table.addLine(QStringLiteral("no table open"));
        table.beginTable();
        table.beginRow();
        table.addLine(QStringLiteral("ignored inside a row"));
        table.addPair(QStringLiteral("Ort: "), QStringLiteral("Bonn"));
        table.endTable(); // refused: the row is open
        QCOMPARE(table.tableCount(), 0);
        table.endRow();
        table.addPair(QStringLiteral("Haltung: "), QStringLiteral("H1"));
        table.addEmptyLine();
        table.endTable();
        QCOMPARE(table.tableCount(), 1);
        const QStringList lines = table.lines();
        QCOMPARE(lines, (QStringList{QString(), QStringLiteral("Ort: Bonn"), QStringLiteral("Haltung: H1"), QString()}));
    }

    void pairBlockPadsLabels()
    {
        TextTable table;
        table.beginTable();
        table.beginRow();
        table.addPair(QStringLiteral("Ort:"), QStringLiteral("Bonn"));
        table.addInt(QStringLiteral("Nummer:"), 7);
        table.addDouble(QStringLiteral("Länge:"), 12.345, 2);
        table.addDate(QStringLiteral("Datum:"), QDate(2025, 1, 2), QStringLiteral("dd.MM.yyyy"));
        table.endRow();
        table.endTable();
        const QStringList lines = table.lines().mid(1);
        QCOMPARE(lines, (QStringList{"Ort:   Bonn", "Nummer:7", "Länge: 12.35", "Datum: 02.01.2025"}));
    }

    void longValuesWrapUnderTheirLabel()
    {
        const QFontMetrics fm(tableFont());
        QString value;
        for (int i = 0; i < 16; ++i)
            value += QStringLiteral("Wort%1 ").arg(i);
        value = value.trimmed();
        TextTable table;
        table.beginTable();
        table.beginRow();
        table.addPair(QStringLiteral("Bemerkung: "), value);
        table.endRow();
        table.endTable();
        const QStringList lines = table.lines().mid(1);
        QVERIFY(lines.size() > 1);
        const QString indent(QStringLiteral("Bemerkung: ").size(), QLatin1Char(' '));
        QStringList words;
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY(lines.at(i).startsWith(i == 0 ? QStringLiteral("Bemerkung: ") : indent));
            QVERIFY(fm.horizontalAdvance(lines.at(i)) <= TextTable::UsableWidth);
            words << lines.at(i).mid(indent.size()).split(QLatin1Char(' '));
        }
        QCOMPARE(words.join(QLatin1Char(' ')), value);
    }

    void wrapKeepsOverlongWord()
    {
        const QString word(200, QLatin1Char('x'));
        QCOMPARE(TextTable::wrapWords(word + QStringLiteral(" a"), 100), (QStringList{word, "a"}));
        QCOMPARE(TextTable::wrapText(QStringLiteral("kurz")), (QStringList{QString(), "kurz"}));
    }

    void tablesThatDoNotFitStartOnANewPage()
    {
        const int perPage = TextTable::linesPerPage();
        QCOMPARE(perPage, (576 - 40) / QFontMetrics(tableFont()).lineSpacing());
        QVERIFY(perPage >= 3);
        TextTable table;
        table.beginTable();
        for (int i = 0; i < perPage - 2; ++i)
            table.addLine(QStringLiteral("a%1").arg(i));
        table.endTable();
        table.beginTable();
        table.addLine(QStringLiteral("b1"));
        table.addLine(QStringLiteral("b2"));
        table.endTable();
        const QStringList lines = table.lines();
        // First table: one empty line and perPage - 2 lines; the one line left on the page is
        // not enough for a blank and two lines, so it stays empty and the second table starts
        // at the top of page two.
        QCOMPARE(lines.size(), perPage + 2);
        QCOMPARE(lines.at(perPage - 2), QStringLiteral("a%1").arg(perPage - 3));
        QCOMPARE(lines.at(perPage - 1), QString());
        QCOMPARE(lines.at(perPage), QStringLiteral("b1"));
    }
};

QTEST_MAIN(TestModelUtils)
#include "tst_modelutils.moc"
