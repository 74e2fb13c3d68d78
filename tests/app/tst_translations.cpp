// The translation sources of the three sets (library, program, shell) in every language: each
// message is translated and fits its source, each file compiles and loads, and the files hold
// exactly the texts the sources have, so a text added without a translation fails here.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

const QStringList kSets{QStringLiteral("ZOZOrureLibrary"), QStringLiteral("ZOZOrure"), QStringLiteral("zozorure")};
const QStringList kLanguages{QStringLiteral("da"), QStringLiteral("en"), QStringLiteral("es"),
                             QStringLiteral("fi"), QStringLiteral("fr"), QStringLiteral("hr"),
                             QStringLiteral("nb"), QStringLiteral("pl"), QStringLiteral("ru")};

// Where the build puts each set's compiled files.
QString compiledDir(const QString &set)
{
    return QStringLiteral(ZZ_APP_DIR) + (set == QLatin1String("zozorure") ? QStringLiteral("/i18n") : QStringLiteral("/data"));
}

// The placeholders %1 ... %99 of a text, sorted.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

struct Message
{
    QString context;
    QString source;
    QString type;          // "", "unfinished", "obsolete" or "vanished"
    QStringList texts;     // one, or one per plural form
};

// The messages of a .ts file and its language; a parse error lands in error.
QList<Message> readMessages(const QString &path, QString *language, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot be opened");
        return messages;
    }
    QXmlStreamReader reader(&file);
    QString context;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("TS")) {
            *language = reader.attributes().value(QStringLiteral("language")).toString();
        } else if (reader.name() == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (reader.name() == QLatin1String("message")) {
            messages.append(Message{context, QString(), QString(), QStringList()});
        } else if (reader.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = reader.readElementText();
        } else if (reader.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = reader.attributes().value(QStringLiteral("type")).toString();
            // A plural text has one form per numerus; a plain one has its text directly.
            QString direct;
            QStringList forms;
            while (!reader.atEnd()) {
                const QXmlStreamReader::TokenType token = reader.readNext();
                if (token == QXmlStreamReader::Characters)
                    direct += reader.text();
                else if (token == QXmlStreamReader::StartElement && reader.name() == QLatin1String("numerusform"))
                    forms << reader.readElementText();
                else if (token == QXmlStreamReader::EndElement && reader.name() == QLatin1String("translation"))
                    break;
            }
            messages.last().texts = forms.isEmpty() ? QStringList{direct} : forms;
        }
    }
    if (reader.hasError())
        *error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
    return messages;
}

// What is wrong with the messages of a .ts file: unfinished, empty or obsolete translations,
// placeholders that differ from the source's, the joining ", " or a trailing blank lost.
QStringList translationProblems(const QString &path, QString *language, int *count)
{
    QString error;
    const QList<Message> messages = readMessages(path, language, &error);
    QStringList problems;
    if (!error.isEmpty())
        problems << error;
    *count = messages.size();
    for (const Message &message : messages) {
        const QString where = message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
        if (message.type == QLatin1String("obsolete") || message.type == QLatin1String("vanished")) {
            problems << where + QStringLiteral(": obsolete");
            continue;
        }
        if (message.type == QLatin1String("unfinished")
            || std::any_of(message.texts.cbegin(), message.texts.cend(), [](const QString &t) { return t.isEmpty(); })) {
            problems << where + QStringLiteral(": not translated");
            continue;
        }
        for (const QString &text : message.texts) {
            if (placeholders(text) != placeholders(message.source))
                problems << where + QStringLiteral(": placeholders ") + placeholders(text).join(QLatin1Char(','));
            else if (message.source.startsWith(QLatin1String(", ")) && !text.startsWith(QLatin1String(", ")))
                problems << where + QStringLiteral(": must begin with \", \"");
            else if (message.source.endsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')))
                problems << where + QStringLiteral(": must end with a blank");
        }
    }
    return problems;
}

// The texts of a .ts file with their translations, keyed by context and source.
QMap<QString, QString> messageMap(const QString &path)
{
    QString language;
    QString error;
    QMap<QString, QString> map;
    for (const Message &message : readMessages(path, &language, &error))
        map.insert(message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"'),
                   message.type + QLatin1Char('|') + message.texts.join(QLatin1Char('|')));
    return map;
}

// Runs the update script on the sources below root for one language into a copy of root's
// translations, and says which texts it added, removed or changed in any of the sets.
QStringList staleTexts(const QString &root, const QString &language, QString *failure)
{
    QTemporaryDir out;
    if (!out.isValid()) {
        *failure = QStringLiteral("no temporary folder");
        return {};
    }
    QDir sources(root + QStringLiteral("/translations"));
    const QStringList files = sources.entryList({QStringLiteral("*_%1.ts").arg(language)}, QDir::Files);
    for (const QString &name : files)
        QFile::copy(sources.filePath(name), out.filePath(name));

    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(ZZ_LUPDATE));
    environment.insert(QStringLiteral("ZZ_SOURCE_ROOT"), root);
    update.setProcessEnvironment(environment);
    update.setProcessChannelMode(QProcess::MergedChannels);
    update.start(QStringLiteral("sh"), {QStringLiteral(ZZ_SOURCE_ROOT "/tools/translations/update.sh"), QStringLiteral("-o"),
                                        out.path(), language});
    if (!update.waitForFinished(120000) || update.exitStatus() != QProcess::NormalExit || update.exitCode() != 0) {
        *failure = QStringLiteral("update failed: ") + QString::fromLocal8Bit(update.readAll());
        return {};
    }

    QStringList stale;
    const QStringList updated = QDir(out.path()).entryList({QStringLiteral("*_%1.ts").arg(language)}, QDir::Files);
    for (const QString &name : updated) {
        const QMap<QString, QString> before = files.contains(name) ? messageMap(sources.filePath(name)) : QMap<QString, QString>();
        const QMap<QString, QString> after = messageMap(out.filePath(name));
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (!before.contains(it.key()))
                stale << name + QStringLiteral(": added ") + it.key();
            else if (before.value(it.key()) != it.value())
                stale << name + QStringLiteral(": changed ") + it.key();
        }
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!after.contains(it.key()))
                stale << name + QStringLiteral(": removed ") + it.key();
        }
    }
    return stale;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // Every translation of the sources is made and fits its source; each compiles and loads.
    void sources_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("language");
        for (const QString &set : kSets) {
            for (const QString &language : kLanguages)
                QTest::newRow(qPrintable(set + QLatin1Char('_') + language)) << set << language;
        }
    }
    void sources()
    {
        QFETCH(QString, set);
        QFETCH(QString, language);
        const QString name = set + QLatin1Char('_') + language;
        QString fileLanguage;
        int messages = 0;
        const QStringList problems =
            translationProblems(QStringLiteral(ZZ_SOURCE_ROOT "/translations/") + name + QStringLiteral(".ts"), &fileLanguage, &messages);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QCOMPARE(fileLanguage, language);
        QVERIFY(messages > 0);
        QTranslator translator;
        const QString qm = compiledDir(set) + QLatin1Char('/') + name + QStringLiteral(".qm");
        QVERIFY2(translator.load(qm), qPrintable(qm));
        QVERIFY(!translator.isEmpty());
    }

    // The check of the translation sources finds the faults it is there for.
    void checkFindsFaults_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unfinished") << "<source>Ja</source><translation type=\"unfinished\">Yes</translation>" << "not translated";
        QTest::newRow("empty") << "<source>Ja</source><translation></translation>" << "not translated";
        QTest::newRow("obsolete") << "<source>Ja</source><translation type=\"vanished\">Yes</translation>" << "obsolete";
        QTest::newRow("plural form empty")
            << "<source>%n Fotos</source><translation><numerusform>%n photo</numerusform><numerusform></numerusform></translation>"
            << "not translated";
        QTest::newRow("placeholder lost") << "<source>Zeile %1: %2</source><translation>Line %1</translation>" << "placeholders %1";
        QTest::newRow("placeholder renumbered") << "<source>%1 von %2</source><translation>%1 of %3</translation>" << "placeholders %1,%3";
        QTest::newRow("joining comma lost") << "<source>, Foto angelegt</source><translation>photo taken</translation>" << "\", \"";
        QTest::newRow("trailing blank lost") << "<source>Kunde: </source><translation>Client:</translation>" << "end with a blank";
    }
    void checkFindsFaults()
    {
        QFETCH(QString, message);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("t.ts"));
        QVERIFY(writeFile(path, QStringLiteral("<TS version=\"2.1\" language=\"fr\"><context><name>C</name><message>%1</message></context></TS>")
                                    .arg(message)
                                    .toUtf8()));
        QString language;
        int messages = 0;
        const QStringList problems = translationProblems(path, &language, &messages);
        QCOMPARE(messages, 1);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(problem), qPrintable(problems.first()));
    }

    // The .ts files hold exactly the texts of the sources: an update adds and removes nothing.
    void current_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void current()
    {
        QFETCH(QString, language);
        QString failure;
        const QStringList stale = staleTexts(QStringLiteral(ZZ_SOURCE_ROOT), language, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("run the update_translations target and translate:\n") + stale.join(QLatin1Char('\n'))));
    }

    // The currency check notices a text added to or removed from the sources.
    void currencyCheckFindsChanges_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("translated");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new text") << QStringList{"Ja", "Nein"} << QStringList{"Ja"} << "zozorure_fr.ts: added Fixture \"Nein\"";
        QTest::newRow("removed text") << QStringList{"Ja"} << QStringList{"Ja", "Alt"} << "zozorure_fr.ts: removed Fixture \"Alt\"";
        QTest::newRow("unchanged") << QStringList{"Ja"} << QStringList{"Ja"} << QString();
    }
    void currencyCheckFindsChanges()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, translated);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QByteArray source = "#include <QObject>\nclass Fixture : public QObject\n{\n    Q_OBJECT\n    void texts()\n    {\n";
        for (const QString &text : texts)
            source += "        tr(\"" + text.toUtf8() + "\");\n";
        source += "    }\n};\n";
        QVERIFY(writeFile(root.filePath(QStringLiteral("src/app/fixture.h")), source));
        QByteArray ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                        "<TS version=\"2.1\" language=\"fr\" sourcelanguage=\"de\">\n<context>\n    <name>Fixture</name>\n";
        for (const QString &text : translated)
            ts += "    <message>\n        <source>" + text.toUtf8() + "</source>\n        <translation>[" + text.toUtf8() + "]</translation>\n    </message>\n";
        ts += "</context>\n</TS>\n";
        QVERIFY(writeFile(root.filePath(QStringLiteral("translations/zozorure_fr.ts")), ts));

        QString failure;
        const QStringList stale = staleTexts(root.path(), QStringLiteral("fr"), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(stale, expected.isEmpty() ? QStringList() : QStringList{expected});
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
