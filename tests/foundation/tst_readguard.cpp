#include "foundation/readguard.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray nested(int levels)
{
    return QByteArray("<a>").repeated(levels) + QByteArray("</a>").repeated(levels);
}

// One entity expanded many times: small on disk, huge once read.
QByteArray entityExpansion()
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY e \"" + QByteArray("x").repeated(5000) + "\">]>\n<r>"
           + QByteArray("&e;").repeated(20000) + "</r>";
}

} // namespace

class TestReadGuard : public QObject
{
    Q_OBJECT

private slots:
    void xmlRefusal_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refusedForTree");
        QTest::addColumn<bool>("refusedForStream");
        QTest::addColumn<QString>("reason");

        QTest::newRow("plain") << QByteArray("<?xml version=\"1.0\"?><r a=\"&amp;\"><b>t</b></r>") << false << false << QString();
        QTest::newRow("at the nesting limit") << nested(ReadGuard::MaxTreeDepth) << false << false << QString();
        QTest::newRow("one level deeper") << nested(ReadGuard::MaxTreeDepth + 1) << true << false << QStringLiteral("verschachtelt");
        QTest::newRow("50000 levels") << nested(50000) << true << false << QStringLiteral("verschachtelt");
        QTest::newRow("entity expansion") << entityExpansion() << true << true << QStringLiteral("Entitäten");
        QTest::newRow("parameter entity") << QByteArray("<!DOCTYPE r [<!ENTITY % p \"x\">]><r/>") << true << true
                                          << QStringLiteral("Entitäten");
        QTest::newRow("doctype without entities") << QByteArray("<!DOCTYPE r SYSTEM \"r.dtd\"><r/>") << false << false << QString();
        // Every reader reports broken XML its own way and keeps what it read before it; the tree's
        // parser takes what the stream reader gives up on (a reference to NUL, which older project
        // files hold), so its nesting is measured all the same.
        QTest::newRow("not well-formed") << QByteArray("<r><b></r>") << false << false << QString();
        QTest::newRow("reference to NUL") << QByteArray("<r a=\"x&#0;\"><b/></r>") << false << false << QString();
        QTest::newRow("deep behind a reference to NUL")
            << QByteArray("<r a=\"x&#0;\"><!-- <c> --><b q='>'/>" + nested(50000) + "</r>") << true << false
            << QStringLiteral("verschachtelt");
        QTest::newRow("entity behind a reference to NUL")
            << QByteArray("<r a=\"&#0;\"/><!DOCTYPE r [<!ENTITY e \"x\">]>") << true << false << QStringLiteral("Entitäten");
    }
    void xmlRefusal()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refusedForTree);
        QFETCH(bool, refusedForStream);
        QFETCH(QString, reason);
        const QString tree = ReadGuard::xmlRefusal(bytes, ReadGuard::XmlUse::Tree);
        QCOMPARE(!tree.isEmpty(), refusedForTree);
        if (refusedForTree)
            QVERIFY2(tree.contains(reason), qPrintable(tree));
        const QString stream = ReadGuard::xmlRefusal(bytes, ReadGuard::XmlUse::Stream);
        QCOMPARE(!stream.isEmpty(), refusedForStream);
    }

    // Sparse files: the size counts, not what is on the disk.
    void sizeLimit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gross.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(ReadGuard::SmallFileLimit));
        file.close();

        QByteArray bytes;
        QString error;
        QVERIFY(ReadGuard::sizeRefusal(path, ReadGuard::SmallFileLimit).isEmpty());
        QVERIFY(ReadGuard::readFile(path, ReadGuard::SmallFileLimit, bytes, error));
        QCOMPARE(bytes.size(), int(ReadGuard::SmallFileLimit));

        QVERIFY(file.resize(ReadGuard::LargeFileLimit + 1));
        const QString refusal = ReadGuard::sizeRefusal(path, ReadGuard::SmallFileLimit);
        QVERIFY2(refusal.contains(QStringLiteral("201 MB")) && refusal.contains(QStringLiteral("20 MB")), qPrintable(refusal));
        QVERIFY(!ReadGuard::readFile(path, ReadGuard::LargeFileLimit, bytes, error));
        QVERIFY(bytes.isEmpty());
        QVERIFY2(error.contains(QStringLiteral("200 MB")), qPrintable(error));
        QVERIFY(!ReadGuard::readXml(path, ReadGuard::LargeFileLimit, ReadGuard::XmlUse::Stream, bytes, error));

        QVERIFY(!ReadGuard::readFile(dir.filePath(QStringLiteral("fehlt.xml")), ReadGuard::LargeFileLimit, bytes, error));
        QVERIFY(!error.isEmpty());

        // A device has no size to measure; the limit holds all the same.
        error.clear();
        QVERIFY(!ReadGuard::readFile(QStringLiteral("/dev/zero"), 3 * 1024 * 1024, bytes, error));
        QVERIFY(bytes.isEmpty());
        QVERIFY2(error.contains(QStringLiteral("3 MB")), qPrintable(error));
    }

    void stringLists_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QStringList>("expected");

        QByteArray written;
        {
            QDataStream out(&written, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_5_15);
            out << QStringList({QStringLiteral("H1.xml"), QString(), QStringLiteral("Kanal Süd.h")});
        }
        QTest::newRow("as written") << written << true
                                    << QStringList({QStringLiteral("H1.xml"), QString(), QStringLiteral("Kanal Süd.h")});
        QTest::newRow("empty list") << QByteArray::fromHex("00000000") << true << QStringList();
        QTest::newRow("damaged count alone") << QByteArray::fromHex("7fffffff") << false << QStringList();
        QTest::newRow("count beyond the texts") << QByteArray::fromHex("00000003ffffffffffffffff") << false << QStringList();
        QTest::newRow("text cut short") << QByteArray::fromHex("0000000100000010004100") << false << QStringList();
        QTest::newRow("no count") << QByteArray::fromHex("0000") << false << QStringList();
    }
    void stringLists()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QFETCH(QStringList, expected);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QDataStream stream(&buffer);
        stream.setVersion(QDataStream::Qt_5_15);
        QStringList list{QStringLiteral("vorher")};
        QCOMPARE(ReadGuard::readStringList(stream, list), read);
        QCOMPARE(list, expected);
        QCOMPARE(stream.status() == QDataStream::Ok, read);
    }
};

QTEST_GUILESS_MAIN(TestReadGuard)
#include "tst_readguard.moc"
