#include "foundation/firmstore.h"
#include "foundation/records/printelement.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

namespace {

QImage makeLogo(const QColor &color)
{
    QImage image(40, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(4, 4, 20, 10), color);
    painter.setPen(Qt::black);
    painter.drawLine(0, 23, 39, 0);
    return image;
}

QByteArray makeLetterhead(const QString &text)
{
    PrintElement group = PrintElement::makeGroup(QRectF(0, 0, 641.952, 113.286), false);
    group.addChild(PrintElement::makeRect(QRectF(10, 10, 100, 40)));
    group.addChild(PrintElement::makeText(QRectF(120, 10, 200, 30), text, QFont(), Qt::AlignLeft, Qt::black, true));
    return group.toByteArray();
}

Firm makeFirm(const QString &name, const QColor &logoColor, bool useCustom)
{
    Firm firm;
    firm.setName(name);
    firm.setAddress(QStringLiteral("<p>Hauptstraße 1<br/>12345 %1</p>").arg(name));
    firm.setContact(QStringLiteral("<b>Tel.</b> 0123 / 45 67 &amp; Fax"));
    firm.setLogo(makeLogo(logoColor));
    firm.setCustom(makeLetterhead(name));
    firm.setUseCustom(useCustom);
    return firm;
}

void compareFirms(const Firm &actual, const Firm &expected)
{
    QCOMPARE(actual.name(), expected.name());
    QCOMPARE(actual.address(), expected.address());
    QCOMPARE(actual.contact(), expected.contact());
    QCOMPARE(actual.logo().isNull(), expected.logo().isNull());
    QCOMPARE(actual.logo().convertToFormat(QImage::Format_ARGB32), expected.logo().convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(actual.custom(), expected.custom());
    QCOMPARE(actual.useCustom(), expected.useCustom());
}

// A value of the first company as the store file holds it.
QByteArray storedValueOfFirst(const QString &storePath, const QString &key)
{
    QSettings raw(storePath, QSettings::IniFormat);
    raw.beginReadArray(QStringLiteral("Firms"));
    raw.setArrayIndex(0);
    return raw.value(key).toByteArray();
}

void verifyDefault(const Firm &firm)
{
    QVERIFY(firm.name().isEmpty());
    QVERIFY(firm.address().isEmpty());
    QVERIFY(firm.contact().isEmpty());
    QVERIFY(firm.logo().isNull());
    QVERIFY(firm.custom().isEmpty());
    QVERIFY(!firm.useCustom());
}

FirmStore storeWith(const QStringList &names, const QString &dir = QStringLiteral("/nonexistent"))
{
    FirmStore store(dir);
    for (const QString &name : names) {
        Firm firm;
        firm.setName(name);
        firm.setContact(QStringLiteral("contact of ") + name);
        store.addFirm(firm);
    }
    return store;
}

} // namespace

class TestFirmStore : public QObject
{
    Q_OBJECT

private slots:
    void emptyStore();
    void lookups();
    void addAndUpdate();
    void removeKeepsCurrentCompany_data();
    void removeKeepsCurrentCompany();
    void saveLoadRoundTrip();
    void missingKeysGiveDefaults();
    void companyFileRoundTrip();
    void companyFileErrors();
    void filesOfNoCompanyAreRefused_data();
    void filesOfNoCompanyAreRefused();
    void oversizedFilesAreRefused();
    void damagedLetterheadCountsAsNone_data();
    void damagedLetterheadCountsAsNone();
    void unreadableStoreIsReported();
    void rebuiltQtValuesAreRefused();
    void typedValuesAreRefusedAndNeverSavedOver_data();
    void typedValuesAreRefusedAndNeverSavedOver();
    void userTextLikeTypedValuesIsKept();
    void oversizedPicturesAreScaledAndReadBack();
    void unreadableLogoIsReportedAndKept();
    void staleSaveFilesAreRemoved();
    void claimedArraySizeIsBounded();
    void fuzzedFiles_data();
    void fuzzedFiles();

private:
    ReporterCapture m_reports;
};

void TestFirmStore::emptyStore()
{
    QTemporaryDir dir;
    FirmStore store(dir.path());
    QCOMPARE(store.filePath(), dir.path() + QStringLiteral("/tsfirm.ini"));
    QVERIFY(store.load()); // no file yet: the first start
    QCOMPARE(store.count(), 0);
    QCOMPARE(store.currentIndex(), -1);
    verifyDefault(store.currentFirm());
    QVERIFY(store.names().isEmpty());
    QVERIFY(m_reports.errors().isEmpty());
    QVERIFY(!QFile::exists(store.filePath()));
}

void TestFirmStore::lookups()
{
    FirmStore store = storeWith({QStringLiteral("b"), QStringLiteral("B"), QString(), QStringLiteral("a")});
    QCOMPARE(store.count(), 4);
    // Sorted case-sensitively, empty names left out, names differing in case both kept.
    QCOMPARE(store.names(), QStringList({QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(store.indexOf(QStringLiteral("B")), 1);
    QCOMPARE(store.indexOf(QStringLiteral("b")), 0);
    QCOMPARE(store.indexOf(QString()), 2);
    QCOMPARE(store.indexOf(QStringLiteral("A")), -1);
    QVERIFY(store.contains(QStringLiteral("a")));
    QVERIFY(!store.contains(QStringLiteral("A")));
    QCOMPARE(store.firm(QStringLiteral("B")).contact(), QStringLiteral("contact of B"));
    verifyDefault(store.firm(QStringLiteral("zz")));

    // No current company yet: a default record.
    verifyDefault(store.currentFirm());
    store.setCurrentFirm(QStringLiteral("a"));
    QCOMPARE(store.currentIndex(), 3);
    QCOMPARE(store.currentFirm().name(), QStringLiteral("a"));
    store.setCurrentFirm(QStringLiteral("zz"));
    QCOMPARE(store.currentIndex(), 0);
    QCOMPARE(store.currentFirm().name(), QStringLiteral("b"));
}

void TestFirmStore::addAndUpdate()
{
    FirmStore store = storeWith({QStringLiteral("a")});
    Firm again;
    again.setName(QStringLiteral("a"));
    again.setContact(QStringLiteral("other"));
    QVERIFY(!store.addFirm(again));
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.firm(QStringLiteral("a")).contact(), QStringLiteral("contact of a"));

    // Records without a name are always appended.
    QVERIFY(store.addFirm(Firm()));
    QVERIFY(store.addFirm(Firm()));
    QCOMPARE(store.count(), 3);

    const Firm replacement = makeFirm(QStringLiteral("renamed"), Qt::red, true);
    QCOMPARE(store.updateFirm(QStringLiteral("nope"), replacement), -1);
    QCOMPARE(store.count(), 3);
    QVERIFY(!store.contains(QStringLiteral("renamed")));

    QCOMPARE(store.updateFirm(QStringLiteral("a"), replacement), 0);
    QVERIFY(!store.contains(QStringLiteral("a")));
    compareFirms(store.firm(QStringLiteral("renamed")), replacement);
}

void TestFirmStore::removeKeepsCurrentCompany_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<int>("indexAfter");
    QTest::addColumn<QString>("currentAfter");

    // A company listed before the current one: the same company stays current.
    QTest::newRow("earlier") << "B" << "A" << 0 << "B";
    QTest::newRow("earlier, current last") << "C" << "A" << 1 << "C";
    QTest::newRow("later") << "B" << "C" << 1 << "B";
    QTest::newRow("unknown name") << "B" << "X" << 1 << "B";
    // The current company itself: the index stays, pointing at the next one or past the end.
    QTest::newRow("current in the middle") << "B" << "B" << 1 << "C";
    QTest::newRow("current at the end") << "C" << "C" << 2 << "";
}

void TestFirmStore::removeKeepsCurrentCompany()
{
    QFETCH(QString, current);
    QFETCH(QString, removed);
    QFETCH(int, indexAfter);
    QFETCH(QString, currentAfter);

    FirmStore store = storeWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    store.setCurrentFirm(current);
    store.removeFirm(removed);
    QCOMPARE(store.currentIndex(), indexAfter);
    QCOMPARE(store.currentFirm().name(), currentAfter);
    QCOMPARE(store.count(), removed == QLatin1String("X") ? 3 : 2);
}

void TestFirmStore::saveLoadRoundTrip()
{
    QTemporaryDir dir;
    const Firm first = makeFirm(QStringLiteral("Kanal & Co"), Qt::blue, true);
    Firm second = makeFirm(QStringLiteral("Rohr GmbH"), Qt::green, false);
    second.setLogo(QImage()); // one company without logo
    {
        FirmStore store(dir.path());
        store.addFirm(first);
        store.addFirm(second);
        store.setCurrentFirm(QStringLiteral("Rohr GmbH"));
        QVERIFY(store.save());
    }
    // Written whole through a temporary file: nothing else is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("tsfirm.ini")));

    FirmStore loaded(dir.path());
    QVERIFY(loaded.load());
    QCOMPARE(loaded.count(), 2);
    QCOMPARE(loaded.currentIndex(), 1);
    compareFirms(loaded.firm(QStringLiteral("Kanal & Co")), first);
    compareFirms(loaded.currentFirm(), second);

    // Saving again replaces the file whole: a removed company is gone from it.
    loaded.removeFirm(QStringLiteral("Kanal & Co"));
    QVERIFY(loaded.save());
    FirmStore reloaded(dir.path());
    QVERIFY(reloaded.load());
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(reloaded.currentIndex(), 0);
    compareFirms(reloaded.currentFirm(), second);
    QVERIFY(m_reports.errors().isEmpty());
}

void TestFirmStore::missingKeysGiveDefaults()
{
    QTemporaryDir dir;
    {
        QSettings raw(dir.path() + QStringLiteral("/tsfirm.ini"), QSettings::IniFormat);
        raw.beginWriteArray(QStringLiteral("Firms"));
        raw.setArrayIndex(0);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Nur Name"));
        raw.setArrayIndex(1);
        raw.setValue(QStringLiteral("Contact"), QStringLiteral("ohne Namen"));
        raw.endArray();
    }
    FirmStore store(dir.path());
    QVERIFY(store.load());
    QCOMPARE(store.currentIndex(), 0); // "currentFirm" missing
    QCOMPARE(store.count(), 2);
    const Firm onlyName = store.currentFirm();
    QCOMPARE(onlyName.name(), QStringLiteral("Nur Name"));
    QVERIFY(onlyName.address().isEmpty());
    QVERIFY(onlyName.contact().isEmpty());
    QVERIFY(onlyName.logo().isNull());
    QVERIFY(onlyName.custom().isEmpty());
    QVERIFY(!onlyName.useCustom());
    QCOMPARE(store.names(), QStringList(QStringLiteral("Nur Name")));
}

void TestFirmStore::companyFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/firma.tks");
    {
        // An older file with a key that is no longer written must not survive the export.
        QSettings old(path, QSettings::IniFormat);
        old.setValue(QStringLiteral("Stale"), 1);
        old.setValue(QStringLiteral("Name"), QStringLiteral("Alt"));
    }
    const Firm firm = makeFirm(QStringLiteral("Kanal & Co"), Qt::darkYellow, true);
    QVERIFY(firm.exportFile(path));

    QSettings written(path, QSettings::IniFormat);
    QCOMPARE(written.childGroups(), QStringList()); // all keys at top level
    QStringList keys = written.allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({QStringLiteral("Address"), QStringLiteral("Contact"), QStringLiteral("Custom"),
                                QStringLiteral("Logo"), QStringLiteral("Name"), QStringLiteral("UseCustom")}));

    Firm imported;
    QVERIFY(imported.importFile(path));
    compareFirms(imported, firm);

    // Missing keys give the defaults.
    const QString partial = dir.path() + QStringLiteral("/teil.tks");
    {
        QSettings raw(partial, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Teil"));
        raw.setValue(QStringLiteral("UseCustom"), true);
    }
    Firm part = makeFirm(QStringLiteral("vorher"), Qt::red, false);
    QVERIFY(part.importFile(partial));
    QCOMPARE(part.name(), QStringLiteral("Teil"));
    QVERIFY(part.useCustom());
    QVERIFY(part.address().isEmpty());
    QVERIFY(part.contact().isEmpty());
    QVERIFY(part.logo().isNull());
    QVERIFY(part.custom().isEmpty());
}

void TestFirmStore::companyFileErrors()
{
    QTemporaryDir dir;
    const Firm before = makeFirm(QStringLiteral("Arbeitskopie"), Qt::red, true);

    // A file that is not there or is a folder leaves the working record as it was.
    Firm firm = before;
    QVERIFY(!firm.importFile(dir.path() + QStringLiteral("/fehlt.tks")));
    compareFirms(firm, before);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner.tks")));
    QVERIFY(!firm.importFile(dir.path() + QStringLiteral("/ordner.tks")));
    compareFirms(firm, before);

    // An export into a folder that cannot be created fails, and says so.
    QFile blocker(dir.path() + QStringLiteral("/datei"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!before.exportFile(dir.path() + QStringLiteral("/datei/firma.tks")));
}

void TestFirmStore::filesOfNoCompanyAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QByteArray noise;
    quint32 state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(char(state >> 24));
    }
    QTest::newRow("random bytes") << noise;
    QTest::newRow("another INI file") << QByteArray("[Video]\nTextTime=4\nBlending=true\n");
}

// Reading a file that names none of a company's fields would empty every one of them.
void TestFirmStore::filesOfNoCompanyAreRefused()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/fremd.tks");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Firm before = makeFirm(QStringLiteral("Arbeitskopie"), Qt::red, true);
    Firm firm = before;
    QVERIFY(!firm.importFile(path));
    compareFirms(firm, before);
}

// Sparse files just over the limit of stores and company files.
void TestFirmStore::oversizedFilesAreRefused()
{
    QTemporaryDir dir;
    const qint64 size = 20 * 1024 * 1024 + 1;
    const QString tks = dir.path() + QStringLiteral("/gross.tks");
    QVERIFY(makeFirm(QStringLiteral("Gross"), Qt::blue, false).exportFile(tks));
    QFile file(tks);
    QVERIFY(file.resize(size));
    const Firm before = makeFirm(QStringLiteral("Arbeitskopie"), Qt::red, true);
    Firm firm = before;
    QVERIFY(!firm.importFile(tks));
    compareFirms(firm, before);

    QVERIFY(QFile::copy(tks, dir.path() + QStringLiteral("/tsfirm.ini")));
    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(!store.load());
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY2(m_reports.errors().first().contains(QStringLiteral("20 MB")), qPrintable(m_reports.errors().first()));
    QVERIFY(!store.save()); // never written over
    m_reports.clear();
}

void TestFirmStore::damagedLetterheadCountsAsNone_data()
{
    QTest::addColumn<QByteArray>("custom");

    const QByteArray valid = makeLetterhead(QStringLiteral("Kopf"));
    QTest::newRow("cut in the middle") << valid.left(valid.size() / 2);
    QTest::newRow("garbage") << QByteArray("not a letterhead at all");
    QTest::newRow("huge child count") << QByteArray::fromHex("7fffffff");
}

void TestFirmStore::damagedLetterheadCountsAsNone()
{
    QFETCH(QByteArray, custom);
    QTemporaryDir dir;

    // Through the store file...
    {
        QSettings raw(dir.path() + QStringLiteral("/tsfirm.ini"), QSettings::IniFormat);
        raw.beginWriteArray(QStringLiteral("Firms"));
        raw.setArrayIndex(0);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Kaputt"));
        raw.setValue(QStringLiteral("Custom"), custom);
        raw.setValue(QStringLiteral("UseCustom"), true);
        raw.setArrayIndex(1);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Heil"));
        raw.setValue(QStringLiteral("Custom"), makeLetterhead(QStringLiteral("Heil")));
        raw.endArray();
    }
    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(store.load());
    QCOMPARE(store.count(), 2);
    const Firm broken = store.firm(QStringLiteral("Kaputt"));
    QVERIFY(broken.custom().isEmpty());
    // Reports get the standard letterhead, and the user is told.
    QVERIFY(!broken.useCustom());
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY(m_reports.errors().first().contains(QStringLiteral("\"Kaputt\"")));
    QCOMPARE(store.firm(QStringLiteral("Heil")).custom(), makeLetterhead(QStringLiteral("Heil")));
    // Saving the store loses nothing of what could not be read.
    QVERIFY(store.save());
    QCOMPARE(storedValueOfFirst(store.filePath(), QStringLiteral("Custom")), custom);
    m_reports.clear();

    // ...and through a company file.
    const QString path = dir.path() + QStringLiteral("/kaputt.tks");
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Kaputt"));
        raw.setValue(QStringLiteral("Custom"), custom);
    }
    Firm imported;
    QVERIFY(imported.importFile(path));
    QCOMPARE(imported.name(), QStringLiteral("Kaputt"));
    QVERIFY(imported.custom().isEmpty());
    // Not in use: nothing to tell.
    QVERIFY(m_reports.errors().isEmpty());
}

void TestFirmStore::unreadableStoreIsReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tsfirm.ini")));
    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(!store.load());
    QCOMPARE(store.count(), 0);
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY(m_reports.errors().first().contains(QStringLiteral("tsfirm.ini")));
    m_reports.clear();
}

void TestFirmStore::rebuiltQtValuesAreRefused()
{
    // A "@Variant(" value makes QSettings rebuild any Qt type from its bytes; this one is a pen
    // whose dash count claims two billion entries. The company file and the store refuse it.
    const QByteArray pen = "[General]\nName=X\nLogo=@Variant(\\0\\0\\0MV?\\xf0\\0\\0\\0\\0\\0\\0"
                           "\\x1\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0@\\0\\0\\0\\0\\0\\0\\0"
                           "\\x7f\\xff\\xff\\xff?\\xf0\\0\\0\\0\\0\\0\\0)\n";
    QTemporaryDir dir;
    const QString tks = dir.path() + QStringLiteral("/boese.tks");
    QFile file(tks);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pen);
    file.close();
    const Firm before = makeFirm(QStringLiteral("Arbeitskopie"), Qt::red, false);
    Firm firm = before;
    QVERIFY(!firm.importFile(tks));
    compareFirms(firm, before);

    QVERIFY(QFile::copy(tks, dir.path() + QStringLiteral("/tsfirm.ini")));
    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(!store.load());
    QCOMPARE(m_reports.errors().size(), 1);
    m_reports.clear();

    // The logo itself is stored as plain PNG bytes, so files the program writes pass.
    const QString good = dir.path() + QStringLiteral("/gut.tks");
    QVERIFY(before.exportFile(good));
    QVERIFY(firm.importFile(good));
    compareFirms(firm, before);
}

void TestFirmStore::typedValuesAreRefusedAndNeverSavedOver_data()
{
    // Every form in which QSettings decodes a value from data-stream bytes; the bytes here are a
    // harmless integer, what matters is that they never reach the decoder.
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("quoted") << QByteArray("\"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)\"");
    QTest::newRow("blanks before") << QByteArray("   @Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("hex escape") << QByteArray("\\x40Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("octal escape") << QByteArray("\\100Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("list element") << QByteArray("a, @Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("continued line") << QByteArray("\\\n@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
    QTest::newRow("date and time") << QByteArray("@DateTime(\\0\\0\\0\\0)");
}

void TestFirmStore::typedValuesAreRefusedAndNeverSavedOver()
{
    QFETCH(QByteArray, value);
    QTemporaryDir dir;
    const QByteArray content = "[Firms]\n1\\Name=Erste\n1\\Address=" + value + "\n2\\Name=Zweite\nsize=2\n";
    QFile file(dir.path() + QStringLiteral("/tsfirm.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(!store.load());
    QVERIFY(store.loadFailed());
    QCOMPARE(m_reports.errors().size(), 1);
    // The companies in memory are not those of the file: it is not written over...
    store.addFirm(makeFirm(QStringLiteral("Neu"), Qt::red, false));
    QVERIFY(!store.save());
    QCOMPARE(m_reports.errors().size(), 2);
    QCOMPARE(TestFiles::readAll(file.fileName()), content);
    // ...unless the user decides so.
    store.allowOverwrite();
    QVERIFY(store.save());
    m_reports.clear();

    const QString tks = dir.path() + QStringLiteral("/firma.tks");
    QFile company(tks);
    QVERIFY(company.open(QIODevice::WriteOnly));
    company.write("[General]\nName=X\nContact=" + value + "\n");
    company.close();
    Firm firm;
    QVERIFY(!firm.importFile(tks));
    QVERIFY(firm.name().isEmpty());
}

// Texts as users type them may hold "@Variant(" anywhere: QSettings writes them so that they
// read back as text, and the store and company files take them back.
void TestFirmStore::userTextLikeTypedValuesIsKept()
{
    QTemporaryDir dir;
    const QStringList texts{QStringLiteral("@Variant(\\0\\0)"), QStringLiteral("<p>Siehe @Variant(1) im Handbuch</p>"),
                            QStringLiteral("a, @Variant(b)"), QStringLiteral(" @Variant( mit Blank"),
                            QStringLiteral("\t@Variant(\n)"), QStringLiteral("x;@DateTime(y)=z"), QStringLiteral("@@Variant(")};
    FirmStore store(dir.path());
    for (int i = 0; i < texts.size(); ++i) {
        Firm firm = makeFirm(QStringLiteral("Firma %1").arg(i), Qt::blue, i % 2);
        firm.setAddress(texts.at(i));
        firm.setContact(texts.at(texts.size() - 1 - i));
        firm.setName(i == 0 ? texts.at(i) : firm.name());
        store.addFirm(firm);
    }
    QVERIFY(store.save());

    FirmStore loaded(dir.path());
    QVERIFY(loaded.load());
    QVERIFY(!loaded.loadFailed());
    QCOMPARE(loaded.count(), texts.size());
    const QStringList names = store.names();
    for (const QString &name : names)
        compareFirms(loaded.firm(name), store.firm(name));

    // Export and import of such a company.
    const QString tks = dir.path() + QStringLiteral("/firma.tks");
    QVERIFY(store.firm(texts.first()).exportFile(tks));
    Firm imported;
    QVERIFY(imported.importFile(tks));
    compareFirms(imported, store.firm(texts.first()));
    QVERIFY(m_reports.errors().isEmpty());
}

// What the program writes, it reads back: a picture above the limit of the stored data (an A4
// scan at 600 dpi, a large photo) is taken scaled down, with its aspect, and the user is told.
void TestFirmStore::oversizedPicturesAreScaledAndReadBack()
{
    QTemporaryDir dir;
    QImage scan(8000, 4500, QImage::Format_Grayscale8); // 36 million pixels
    QVERIFY(qint64(scan.width()) * scan.height() > Firm::maxPicturePixels());
    scan.fill(Qt::gray);

    // The logo, through the store.
    m_reports.clear();
    Firm firm = makeFirm(QStringLiteral("Scan"), Qt::red, false);
    firm.setLogo(scan);
    QCOMPARE(m_reports.notices().size(), 1);
    QVERIFY(m_reports.notices().first().contains(QStringLiteral("8000 × 4500")));
    const QSize logo = firm.logo().size();
    QVERIFY(qint64(logo.width()) * logo.height() <= Firm::maxPicturePixels());
    QVERIFY(logo.width() > 7500);
    QVERIFY(qAbs(double(logo.width()) / logo.height() - 8000.0 / 4500.0) < 0.001);
    FirmStore store(dir.path());
    store.addFirm(firm);
    QVERIFY(store.save());
    m_reports.clear();
    FirmStore loaded(dir.path());
    QVERIFY(loaded.load());
    QVERIFY(m_reports.errors().isEmpty());
    QCOMPARE(loaded.firm(QStringLiteral("Scan")).logo().size(), logo);

    // A picture of the designed letterhead.
    PrintElement letterhead = PrintElement::makeGroup(QRectF(0, 0, 641.952, 113.286), false);
    letterhead.addChild(PrintElement::makeRect(QRectF(10, 10, 100, 40)));
    letterhead.addChild(PrintElement::makeImage(QRectF(0, 0, 200, 100), scan, false, true));
    m_reports.clear();
    firm.setLetterhead(letterhead);
    QCOMPARE(m_reports.notices().size(), 1);
    PrintElement readBack;
    QVERIFY(readBack.fromByteArray(firm.custom()));
    QCOMPARE(readBack.children()->size(), 2);
    QCOMPARE(readBack.children()->at(1).image().size(), logo);
    m_reports.clear();
}

void TestFirmStore::unreadableLogoIsReportedAndKept()
{
    QTemporaryDir dir;
    // A PNG header announcing more pixels than can be read, as an older version stored them.
    const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000020000000200008000000"
                                               "00f6a6b0d80000000049454e44ae426082");
    {
        QSettings raw(dir.path() + QStringLiteral("/tsfirm.ini"), QSettings::IniFormat);
        raw.beginWriteArray(QStringLiteral("Firms"));
        raw.setArrayIndex(0);
        raw.setValue(QStringLiteral("Name"), QStringLiteral("Riesig"));
        raw.setValue(QStringLiteral("Logo"), png);
        raw.endArray();
    }
    m_reports.clear();
    FirmStore store(dir.path());
    QVERIFY(store.load());
    QVERIFY(store.firm(QStringLiteral("Riesig")).logo().isNull());
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY(m_reports.errors().first().contains(QStringLiteral("\"Riesig\"")));
    QVERIFY(store.save());
    QCOMPARE(storedValueOfFirst(store.filePath(), QStringLiteral("Logo")), png);
    m_reports.clear();
}

// A save killed midway leaves its temporary files; the next save removes them, and only them.
void TestFirmStore::staleSaveFilesAreRemoved()
{
    QTemporaryDir dir;
    const QString target = dir.path() + QStringLiteral("/tsfirm.ini");
    const QStringList stale = TestFiles::leaveStaleSaveFiles(target) + TestFiles::leaveStaleSaveFiles(target);
    QCOMPARE(stale.size(), 6);
    // Names a person gives, and the temporary file of another file.
    const QStringList kept{target + QStringLiteral(".backup"), target + QStringLiteral(".Kopie1"),
                           target + QStringLiteral(".BACKUP"), dir.path() + QStringLiteral("/tsconfig.ini.AbCdEf")};
    for (const QString &path : kept)
        TestFiles::writeOldFile(path, "eigen");
    // One that is still being written may belong to a save running now.
    QTemporaryFile running(target + QStringLiteral(".XXXXXX"));
    QVERIFY(running.open());

    FirmStore store(dir.path());
    store.addFirm(makeFirm(QStringLiteral("A"), Qt::red, false));
    QVERIFY(store.save());
    for (const QString &path : stale)
        QVERIFY2(!QFile::exists(path), qPrintable(path));
    for (const QString &path : kept)
        QVERIFY2(QFile::exists(path), qPrintable(path));
    QVERIFY(QFile::exists(running.fileName()));
    FirmStore loaded(dir.path());
    QVERIFY(loaded.load());
    QCOMPARE(loaded.count(), 1);
}

void TestFirmStore::claimedArraySizeIsBounded()
{
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/tsfirm.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Firms]\nsize=2000000000\n1\\Name=Einzige\n");
    file.close();
    FirmStore store(dir.path());
    QVERIFY(store.load());
    QCOMPARE(store.count(), 1);
    QCOMPARE(store.names(), QStringList{QStringLiteral("Einzige")});
}

void TestFirmStore::fuzzedFiles_data()
{
    // Inputs found by fuzzing, in the fuzz target's form: the first byte chooses a company file
    // (odd) or the store (even). Names starting "bad-" must be refused, the others read.
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/firmfile"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestFirmStore::fuzzedFiles()
{
    QFETCH(QString, path);
    QFile input(path);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    QVERIFY(!bytes.isEmpty());
    const bool expected = !QFileInfo(path).fileName().startsWith(QLatin1String("bad-"));
    QTemporaryDir dir;
    const bool companyFile = bytes.at(0) & 1;
    QFile file(dir.path() + (companyFile ? QStringLiteral("/firma.tks") : QStringLiteral("/tsfirm.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.mid(1));
    file.close();
    m_reports.clear();
    if (companyFile) {
        Firm firm;
        QCOMPARE(firm.importFile(file.fileName()), expected);
    } else {
        FirmStore store(dir.path());
        QCOMPARE(store.load(), expected);
        QCOMPARE(m_reports.errors().size(), expected ? 0 : 1);
    }
    m_reports.clear();
}

QTEST_MAIN(TestFirmStore)
#include "tst_firmstore.moc"
