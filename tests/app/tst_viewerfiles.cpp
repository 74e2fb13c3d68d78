#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The export copies the files named in data/viewerFiles.txt into the viewer package; the program
// must start from such a copy with nothing but what the list names.
class TestViewerFiles : public QObject
{
    Q_OBJECT

private slots:
    void theListNamesTheProgramAndItsLibrariesOnce()
    {
        const QString app = QStringLiteral(ZZ_APP_DIR);
        QFile file(app + QStringLiteral("/data/viewerFiles.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(QStringList(lines).removeDuplicates(), 0);
        QVERIFY(lines.contains(QStringLiteral("zozorure")));
        QVERIFY(lines.contains(QStringLiteral("lib/")));
        for (const QString &line : lines)
            QVERIFY2(QFileInfo::exists(app + QLatin1Char('/') + line), qPrintable(line));

        // A copy of the program and its library folder alone finds every library of its own.
        QTemporaryDir package;
        QVERIFY(QFile::copy(app + QStringLiteral("/zozorure"), package.filePath(QStringLiteral("zozorure"))));
        QVERIFY(QDir().mkpath(package.filePath(QStringLiteral("lib"))));
        QDirIterator libs(app + QStringLiteral("/lib"), {QStringLiteral("*.so*")}, QDir::Files);
        int copied = 0;
        while (libs.hasNext()) {
            libs.next();
            QVERIFY(QFile::copy(libs.filePath(), package.filePath(QStringLiteral("lib/") + libs.fileName())));
            ++copied;
        }
        QVERIFY(copied > 0);
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {package.filePath(QStringLiteral("zozorure"))});
        QVERIFY(ldd.waitForFinished());
        const QString resolved = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY2(!resolved.contains(QStringLiteral("not found")), qPrintable(resolved));
        QVERIFY2(resolved.contains(package.filePath(QStringLiteral("lib/libfoundation.so"))), qPrintable(resolved));
        QVERIFY2(!resolved.contains(app), qPrintable(resolved));
    }
};

QTEST_GUILESS_MAIN(TestViewerFiles)
#include "tst_viewerfiles.moc"
