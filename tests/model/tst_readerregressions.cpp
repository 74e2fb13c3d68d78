#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

namespace {

// An inspection of the kind a regression folder holds, with the file suffix it reads.
std::unique_ptr<Investigation> make(const QString &kind, char first, QString &suffix)
{
    suffix = QStringLiteral(".xml");
    if (kind == QLatin1String("en135082"))
        return std::make_unique<EN135082>(QStringLiteral("de"));
    if (kind == QLatin1String("dwam1492"))
        return std::make_unique<DWAM1492>();
    if (kind == QLatin1String("isybau2006"))
        return std::make_unique<Isybau2006>();
    if (kind == QLatin1String("dandas"))
        return std::make_unique<DanDas>();
    // The fixed-column inputs start with a byte that chooses the variant, as in the fuzz target.
    auto inspection = std::make_unique<Isybau2001>();
    if (first & 1) {
        inspection->setNormKind(NormIsybau2001);
        suffix = QStringLiteral(".lh");
    } else {
        suffix = QStringLiteral(".h");
    }
    return inspection;
}

} // namespace

// Inspection files that once crashed a reader or did not survive a save: each either loads,
// saves and loads again with the same observations, or is refused as damaged.
class TestReaderRegressions : public QObject
{
    Q_OBJECT

private slots:
    void inputs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions"));
        for (const QString &kind : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir dir(root.filePath(kind));
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(kind + QLatin1Char('/') + name)) << kind << dir.filePath(name);
        }
    }
    void inputs()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);
        TestEnvironment env;
        ReporterCapture capture;
        QFile input(path);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QByteArray bytes = input.readAll();
        QVERIFY(!bytes.isEmpty());
        QString suffix;
        const char variant = bytes.at(0);
        auto first = make(kind, variant, suffix);
        if (kind == QLatin1String("isybau2001"))
            bytes.remove(0, 1);
        const QString folder = env.root() + QStringLiteral("/H1/");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("H1") + suffix);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        if (!first->load(file.fileName())) {
            QVERIFY(first->loadFailed());
            QVERIFY(!first->save());
            return;
        }
        first->setFileName(QStringLiteral("H2") + suffix);
        QVERIFY(first->save());
        auto second = make(kind, variant, suffix);
        QVERIFY(second->load(folder + QStringLiteral("H2") + suffix));
        QCOMPARE(second->observations().size(), first->observations().size());
        for (int i = 0; i < first->observations().size(); ++i) {
            QCOMPARE(second->observations().at(i).code, first->observations().at(i).code);
            QCOMPARE(second->observations().at(i).remark, first->observations().at(i).remark);
        }
    }

    // Files no reader may spend its time or memory on: refused at once, with the reason.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes"); // empty: a sparse file just over the limit
        QTest::addColumn<QString>("reason");
        const QByteArray expanding = "<!DOCTYPE DATA [<!ENTITY e \"" + QByteArray("x").repeated(5000) + "\">]><DATA><HG><HG001>"
                                     + QByteArray("&e;").repeated(20000) + "</HG001></HG></DATA>";
        for (const char *kind : {"en135082", "dwam1492", "isybau2006", "dandas", "isybau2001"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1: over 200 MB").arg(QLatin1String(kind))))
                << QString::fromLatin1(kind) << QByteArray() << QStringLiteral("200 MB");
            if (qstrcmp(kind, "isybau2001") != 0)
                QTest::newRow(qPrintable(QStringLiteral("%1: entity expansion").arg(QLatin1String(kind))))
                    << QString::fromLatin1(kind) << expanding << QStringLiteral("Entitäten");
        }
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TestEnvironment env;
        ReporterCapture capture;
        QString suffix;
        auto inspection = make(kind, 0, suffix);
        const QString folder = env.root() + QStringLiteral("/H1/");
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("H1") + suffix);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (bytes.isEmpty())
            QVERIFY(file.resize(200LL * 1024 * 1024 + 1));
        file.close();
        QVERIFY(!inspection->load(file.fileName()));
        QVERIFY(inspection->loadFailed());
        QCOMPARE(capture.errors().size(), 1);
        QVERIFY2(capture.errors().first().contains(reason), qPrintable(capture.errors().first()));
        QVERIFY(!inspection->save());
        QCOMPARE(file.size(), bytes.isEmpty() ? 200LL * 1024 * 1024 + 1 : qint64(bytes.size()));
    }
};

QTEST_MAIN(TestReaderRegressions)
#include "tst_readerregressions.moc"
