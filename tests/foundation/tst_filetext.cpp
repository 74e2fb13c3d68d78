#include "foundation/filetext.h"

#include <QDomDocument>
#include <QtTest>

namespace {

QString chars(std::initializer_list<ushort> units)
{
    QString text;
    for (ushort u : units)
        text += QChar(u);
    return text;
}

} // namespace

// What each kind of file is given of a text: every character its reader takes, nothing else.
class TestFileText : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("field");

        const QString smile = QString::fromUtf8("\xF0\x9F\x99\x82"); // a surrogate pair
        QTest::newRow("plain") << "Riss über 2 m" << "Riss über 2 m" << "Riss über 2 m" << "Riss über 2 m";
        QTest::newRow("tab and line breaks") << "a\tb\r\nc" << "a\tb\r\nc" << "a\tb  c" << "a b  c";
        QTest::newRow("pasted line break, controls")
            << QStringLiteral("a") + chars({0x0B, 0x01, 0x0C, 0x1B, 0}) + QStringLiteral("b") << "ab" << "ab"
            << "a     b";
        QTest::newRow("not characters") << QStringLiteral("a") + chars({0xFFFE, 0xFFFF}) + QStringLiteral("b") << "ab" << "ab"
                                        << "a  b";
        QTest::newRow("delete and C1 controls") << QStringLiteral("a") + chars({0x7F, 0x85, 0x9F}) + QStringLiteral("b")
                                                << QStringLiteral("a") + chars({0x7F, 0x85, 0x9F}) + QStringLiteral("b")
                                                << QStringLiteral("a") + chars({0x7F, 0x85, 0x9F}) + QStringLiteral("b") << "a   b";
        QTest::newRow("pair kept") << QStringLiteral("a") + smile << QStringLiteral("a") + smile << QStringLiteral("a") + smile
                                   << QStringLiteral("a") + smile;
        QTest::newRow("lone halves") << QStringLiteral("a") + chars({0xDC00}) + QStringLiteral("b") + chars({0xD800})
                                     << "ab" << "ab" << "a b ";
        QTest::newRow("halves the wrong way round") << chars({0xDE42, 0xD83D}) << "" << "" << "  ";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, xml);
        QFETCH(QString, line);
        QFETCH(QString, field);
        QCOMPARE(FileText::forXml(text), xml);
        QCOMPARE(FileText::forLine(text), line);
        QCOMPARE(FileText::forField(text), field);
        QCOMPARE(FileText::forField(text).size(), text.size());
    }

    // Wherever a text stands in a document, it is written without what XML cannot carry, and
    // the document reads back.
    void documents()
    {
        const QString bad = QStringLiteral("x") + chars({0x0B, 0, 0xFFFE, 0xD800}) + QStringLiteral("y");
        QDomDocument document;
        QDomElement root = document.createElement(QStringLiteral("Root"));
        root.setAttribute(QStringLiteral("Name"), bad);
        root.appendChild(document.createTextNode(bad));
        document.appendChild(root);
        const QByteArray bytes = FileText::xmlDocument(document, 2);
        QCOMPARE(bytes, QByteArray("<Root Name=\"xy\">xy</Root>\n"));
        QDomDocument read;
        QVERIFY(read.setContent(bytes));

        // A clean document is written as Qt writes it.
        root.setAttribute(QStringLiteral("Name"), QStringLiteral("Ä & <b>"));
        root.firstChild().setNodeValue(QStringLiteral("\"Text\"\n"));
        QCOMPARE(FileText::xmlDocument(document, 1), document.toByteArray(1));
    }
};

QTEST_MAIN(TestFileText)
#include "tst_filetext.moc"
