#include "foundation/platform/platform.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestPlatformFolders : public QObject
{
    Q_OBJECT

private slots:
    void dataDirectoryIsCreatedWithOneTrailingSlash_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("plain") << QString();
        QTest::newRow("trailing slash in XDG_DATA_HOME") << QStringLiteral("/");
    }
    void dataDirectoryIsCreatedWithOneTrailingSlash()
    {
        QFETCH(QString, suffix);
        TestEnvironment env;
        qputenv("XDG_DATA_HOME", QFile::encodeName(env.root() + QStringLiteral("/data") + suffix));
        const QString dir = Platform::dataDirectory();
        QCOMPARE(dir, env.root() + QStringLiteral("/data/RivuzAzed/"));
        QVERIFY(QFileInfo(dir).isDir());
        QVERIFY(QDir::isAbsolutePath(dir));
    }

    void documentsFolderIsCreated()
    {
        TestEnvironment env;
        const QString docs = env.home() + QStringLiteral("/Documents");
        QVERIFY(!QFileInfo::exists(docs));
        QCOMPARE(Platform::documentsFolder(), docs);
        QVERIFY(QFileInfo(docs).isDir());
    }

    void unusableDocumentsFolderFallsBackToHome()
    {
        TestEnvironment env;
        QFile blocker(env.home() + QStringLiteral("/Documents"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(Platform::documentsFolder(), QDir::homePath());
        QCOMPARE(QDir::homePath(), env.home());
    }

    // Unlike the documents folder, a desktop that cannot be made is not swapped for the home
    // folder: a log meant for the desktop must fail rather than appear elsewhere.
    void desktopFolderIsCreatedOrKept()
    {
        TestEnvironment env;
        const QString desktop = env.home() + QStringLiteral("/Desktop");
        QVERIFY(!QFileInfo::exists(desktop));
        QCOMPARE(Platform::desktopFolder(), desktop);
        QVERIFY(QFileInfo(desktop).isDir());

        QVERIFY(QDir(desktop).removeRecursively());
        QFile blocker(desktop);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(Platform::desktopFolder(), desktop);
        QVERIFY(QFileInfo(desktop).isFile());
    }
};

QTEST_MAIN(TestPlatformFolders)
#include "tst_platformfolders.moc"
