// The EN 13508-2 inspection in its ten catalogue languages: every catalogue has the German code
// tree with texts of its own, an inspection takes its texts from its language's catalogue, and
// with the program's translation installed the joining words of a description are in that
// language too. Also checks the translation sources every language's .qm is built from.

#include "model/dandas.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "support/model/cataloguechecks.h"
#include "support/model/observations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

using namespace CatalogueChecks;

namespace {

const QStringList kLanguages{QStringLiteral("da"), QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"),
                             QStringLiteral("fi"), QStringLiteral("fr"), QStringLiteral("hr"), QStringLiteral("nb"),
                             QStringLiteral("pl"), QStringLiteral("ru")};

QString cataloguePath(const QString &language)
{
    return QStringLiteral(":/norm/EN_135082_%1.xml").arg(language);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDomDocument catalogue(const QString &language)
{
    QDomDocument document;
    document.setContent(readBytes(cataloguePath(language)));
    return document;
}

// Where a catalogue has an empty text: type, code, option and quantification texts, units and
// the entries of the option lists.
QStringList emptyTexts(const QDomElement &root)
{
    QStringList empty;
    const auto check = [&](const QDomElement &owner, const QString &name, const QString &where) {
        if (childText(owner, name).isEmpty())
            empty << where + QLatin1Char(' ') + name;
    };
    for (const QDomElement &type : childElements(root)) {
        if (type.tagName() == QLatin1String("texte")) {
            for (const QDomElement &list : childElements(type)) {
                for (const QDomElement &sub : childElements(list)) {
                    const QList<QDomElement> pair = childElements(sub);
                    if (pair.size() != 2 || pair.at(1).text().trimmed().isEmpty())
                        empty << list.tagName() + QLatin1Char('/') + pair.value(0).text();
                }
            }
            continue;
        }
        if (type.tagName() != QLatin1String("type"))
            continue;
        check(type, QStringLiteral("text"), childText(type, QStringLiteral("token")));
        for (const QDomElement &subtype : childElements(type)) {
            if (subtype.tagName() != QLatin1String("subtype"))
                continue;
            const QString code = childText(subtype, QStringLiteral("token"));
            check(subtype, QStringLiteral("text"), code);
            for (const QString &listName : {QStringLiteral("character1"), QStringLiteral("character2"), QStringLiteral("quantify1"),
                                            QStringLiteral("quantify2")}) {
                for (const QDomElement &sub : childElements(subtype.firstChildElement(listName))) {
                    const QString where = code + QLatin1Char('/') + listName + QLatin1Char('/') + childText(sub, QStringLiteral("token"));
                    check(sub, QStringLiteral("text"), where);
                    if (listName.startsWith(QLatin1String("quantify")))
                        check(sub, QStringLiteral("name"), where);
                }
            }
        }
    }
    return empty;
}

QStringList typeTexts(const QDomElement &root)
{
    QStringList texts;
    for (const QDomElement &type : childElements(root)) {
        if (type.tagName() == QLatin1String("type"))
            texts << childText(type, QStringLiteral("text"));
    }
    return texts;
}

QMap<QString, QString> optionList(const QDomElement &root, const QString &name)
{
    QMap<QString, QString> list;
    for (const QDomElement &sub : childElements(root.firstChildElement(QStringLiteral("texte")).firstChildElement(name))) {
        const QList<QDomElement> pair = childElements(sub);
        if (pair.size() == 2)
            list.insert(pair.at(0).text().trimmed(), pair.at(1).text().trimmed());
    }
    return list;
}

QString subtypeText(const QDomElement &root, const QString &code, const QString &listName = QString(), const QString &token = QString())
{
    for (const QDomElement &type : childElements(root)) {
        for (const QDomElement &subtype : childElements(type)) {
            if (subtype.tagName() != QLatin1String("subtype") || childText(subtype, QStringLiteral("token")) != code)
                continue;
            if (listName.isEmpty())
                return childText(subtype, QStringLiteral("text"));
            for (const QDomElement &sub : childElements(subtype.firstChildElement(listName))) {
                if (childText(sub, QStringLiteral("token")) == token)
                    return childText(sub, QStringLiteral("text"));
            }
        }
    }
    return QString();
}

// The unit of a code's (only) first quantification.
QString quantity1Unit(const QDomElement &root, const QString &code)
{
    for (const QDomElement &type : childElements(root)) {
        for (const QDomElement &subtype : childElements(type)) {
            if (childText(subtype, QStringLiteral("token")) == code)
                return childText(subtype.firstChildElement(QStringLiteral("quantify1")).firstChildElement(), QStringLiteral("name"));
        }
    }
    return QString();
}

} // namespace

class TestEN135082Languages : public QObject
{
    Q_OBJECT

private slots:
    void catalogues_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    // The embedded catalogue is sound, has the German code tree and texts of its own.
    void catalogues()
    {
        QFETCH(QString, language);
        const QByteArray content = readBytes(cataloguePath(language));
        QVERIFY2(!content.isEmpty(), qPrintable(cataloguePath(language) + QStringLiteral(" is not embedded")));

        const QStringList problems = layoutProblems(content, QStringLiteral("EN_135082_%1.xml").arg(language));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

        const QStringList german = codeTree(readBytes(cataloguePath(QStringLiteral("de"))));
        const QStringList mine = codeTree(content);
        QVERIFY(german.size() > 100);
        QCOMPARE(mine, german);

        QDomDocument document;
        QVERIFY(document.setContent(content));
        const QDomElement root = document.documentElement();
        const QStringList empty = emptyTexts(root);
        QVERIFY2(empty.isEmpty(), qPrintable(QStringLiteral("empty texts: ") + empty.join(QStringLiteral(", "))));

        // Not a German file under another name: no type is named as in German.
        if (language != QLatin1String("de")) {
            const QStringList germanTypes = typeTexts(catalogue(QStringLiteral("de")).documentElement());
            const QStringList types = typeTexts(root);
            QCOMPARE(types.size(), germanTypes.size());
            for (int i = 0; i < types.size(); ++i)
                QVERIFY2(types.at(i) != germanTypes.at(i), qPrintable(types.at(i)));
        }
    }

    // The code tree check notices a catalogue that differs in anything but its texts.
    void codeTreeFindsDifferences_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("code token") << QByteArray("<token>BAB</token>") << QByteArray("<token>BAX</token>");
        QTest::newRow("position kind") << QByteArray("<position>2</position>") << QByteArray("<position>1</position>");
        QTest::newRow("extend flag") << QByteArray("<extend>1</extend>") << QByteArray("<extend>0</extend>");
        QTest::newRow("char2 reference") << QByteArray("<char2>A,B,C,D</char2>") << QByteArray("<char2>A,B,C</char2>");
        QTest::newRow("quantification token") << QByteArray("<token>A</token>\n          <name>") << QByteArray("<token>B</token>\n          <name>");
        QTest::newRow("option list entry") << QByteArray("</system>") << QByteArray("<sub><token>Q</token><text>x</text></sub></system>");
    }
    void codeTreeFindsDifferences()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        const QByteArray german = readBytes(cataloguePath(QStringLiteral("de")));
        QVERIFY2(german.contains(from), from.constData());
        QByteArray changed = german;
        changed.replace(changed.indexOf(from), from.size(), to);
        QVERIFY(codeTree(changed) != codeTree(german));
    }

    void codeTreeIgnoresTexts()
    {
        const QByteArray german = readBytes(cataloguePath(QStringLiteral("de")));
        QByteArray retexted = german;
        retexted.replace("<text>Rissbildung</text>", "<text>Fissure</text>").replace("<name>mm</name>", "<name>мм</name>");
        QVERIFY(retexted != german);
        QCOMPARE(codeTree(retexted), codeTree(german));
    }

    // Code texts, characterisations and header option lists come from the language's catalogue.
    void inspectionTexts_data() { catalogues_data(); }
    void inspectionTexts()
    {
        QFETCH(QString, language);
        const QDomDocument document = catalogue(language);
        const QDomElement root = document.documentElement();
        EN135082 inv(language);
        QCOMPARE(inv.language(), language);

        int checked = 0;
        for (const QDomElement &type : childElements(root)) {
            for (const QDomElement &subtype : childElements(type)) {
                if (subtype.tagName() != QLatin1String("subtype"))
                    continue;
                const QString code = childText(subtype, QStringLiteral("token"));
                const QString text = childText(subtype, QStringLiteral("text"));
                QList<QPair<ObservationRecord, QString>> cases{{observation(code), text}};
                // Options "Y" are left out of descriptions.
                for (const QDomElement &sub : childElements(subtype.firstChildElement(QStringLiteral("character1")))) {
                    const QString token = childText(sub, QStringLiteral("token"));
                    if (token != QLatin1String("Y"))
                        cases.append({observation(code, token), text + QStringLiteral(", ") + childText(sub, QStringLiteral("text"))});
                }
                for (const QDomElement &sub : childElements(subtype.firstChildElement(QStringLiteral("character2")))) {
                    const QString token = childText(sub, QStringLiteral("token"));
                    if (token != QLatin1String("Y"))
                        cases.append({observation(code, QString(), token), text + QStringLiteral(", ") + childText(sub, QStringLiteral("text"))});
                }
                for (const auto &c : qAsConst(cases)) {
                    const QString description = inv.observationDescription(c.first);
                    // Quantities follow after a comma.
                    QVERIFY2(description == c.second || description.startsWith(c.second + QStringLiteral(", ")),
                             qPrintable(QStringLiteral("%1 %2/%3: \"%4\", expected \"%5\"")
                                            .arg(code, c.first.character1, c.first.character2, description, c.second)));
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 200);

        const QList<QPair<QString, OptionMap>> lists{
            {QStringLiteral("system"), inv.systemOptions()},        {QStringLiteral("material"), inv.materialOptions()},
            {QStringLiteral("section"), inv.profileOptions()},      {QStringLiteral("direction"), inv.directionOptions()},
            {QStringLiteral("start_position"), inv.startPositionOptions()}, {QStringLiteral("hold_back"), inv.flowControlOptions()},
            {QStringLiteral("lining"), inv.liningOptions()},        {QStringLiteral("reasons"), inv.reasonOptions()}};
        for (const auto &list : lists) {
            QVERIFY2(!list.second.isEmpty(), qPrintable(list.first));
            QCOMPARE(list.second, optionList(root, list.first));
        }
    }

    // A description and the header table's option texts of an inspection have its catalogue's
    // language only: catalogue texts, joining words and the cleaning texts, whatever language the
    // user interface has (here another one than the catalogue's).
    void translatedDescription_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("span");    // clock range, joint, start of a continuous defect, photo
        QTest::addColumn<QString>("single");  // one clock position, end of a continuous defect
        QTest::addColumn<QString>("length");  // defect over one pipe length
        QTest::addColumn<QString>("cleaning"); // the cleaning option text of the header table

        QTest::newRow("da") << "da" << ", fra 2 til 4 på urskiven, skaden sidder ved en rørsamling, strækningsskade nr. 1 start, foto taget"
                            << ", ved 12 på urskiven, strækningsskade nr. 3 slut" << ", skade over hele længden af ét rør"
                            << "udført";
        QTest::newRow("en") << "en" << ", from 2 to 4 o'clock, defect at a pipe joint, continuous defect no. 1 start, photo taken"
                            << ", at 12 o'clock, continuous defect no. 3 finish" << ", defect along the whole length of one pipe"
                            << "carried out";
        QTest::newRow("es") << "es" << ", de 2 a 4 h, defecto situado en una junta, defecto continuo n.º 1 inicio, fotografía tomada"
                            << ", en posición 12 h, defecto continuo n.º 3 fin" << ", defecto a lo largo de todo un tubo"
                            << "realizada";
        QTest::newRow("fi") << "fi" << ", kello 2 – 4:n kohdalla, vaurio on putkiliitoksen kohdalla, jatkuva vaurio nro 1 alku, valokuva otettu"
                            << ", kello 12:n kohdalla, jatkuva vaurio nro 3 loppu" << ", vaurio koko yhden putken pituudella"
                            << "tehty";
        QTest::newRow("fr") << "fr" << ", de 2 à 4 h, défaut situé au niveau d'un assemblage, défaut continu n° 1 début, photo prise"
                            << ", à 12 h, défaut continu n° 3 fin" << ", défaut sur toute la longueur d'un élément"
                            << "effectué";
        QTest::newRow("hr") << "hr" << ", od 2 do 4 h, oštećenje se nalazi na spoju cijevi, kontinuirano oštećenje br. 1 početak, fotografija snimljena"
                            << ", na 12 h, kontinuirano oštećenje br. 3 kraj" << ", oštećenje duž cijele duljine jedne cijevi"
                            << "provedeno";
        QTest::newRow("nb") << "nb" << ", fra 2 til 4 på urskiven, skaden er ved en rørskjøt, kontinuerlig skade nr. 1 start, foto tatt"
                            << ", ved 12 på urskiven, kontinuerlig skade nr. 3 slutt" << ", skade over hele lengden av ett rør"
                            << "utført";
        QTest::newRow("pl") << "pl" << ", od 2 do 4 godz., uszkodzenie występuje na połączeniu rur, uszkodzenie ciągłe nr 1 początek, wykonano zdjęcie"
                            << ", na 12 godz., uszkodzenie ciągłe nr 3 koniec" << ", uszkodzenie na całej długości jednej rury"
                            << "wykonane";
        QTest::newRow("ru") << "ru" << ", от 2 до 4 ч, дефект расположен на стыке труб, протяжённый дефект № 1 начало, сделано фото"
                            << ", на 12 ч, протяжённый дефект № 3 конец" << ", дефект по всей длине одного звена трубы"
                            << "выполнена";
    }
    void translatedDescription()
    {
        QFETCH(QString, language);
        QFETCH(QString, span);
        QFETCH(QString, single);
        QFETCH(QString, length);
        QFETCH(QString, cleaning);

        QTranslator translator;
        const QString ui = language == QLatin1String("pl") ? QStringLiteral("en") : QStringLiteral("pl");
        const QString qm = QStringLiteral(ZZ_TRANSLATIONS_DIR "/ZOZOrure_%1.qm").arg(ui);
        QVERIFY2(translator.load(qm), qPrintable(qm));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        const QDomDocument document = catalogue(language);
        const QDomElement root = document.documentElement();
        const QString crack = subtypeText(root, QStringLiteral("BAB")) + QStringLiteral(", ")
                              + subtypeText(root, QStringLiteral("BAB"), QStringLiteral("character1"), QStringLiteral("B")) + QStringLiteral(", ")
                              + subtypeText(root, QStringLiteral("BAB"), QStringLiteral("character2"), QStringLiteral("A"));
        const QString roots = subtypeText(root, QStringLiteral("BBA")) + QStringLiteral(", ")
                              + subtypeText(root, QStringLiteral("BBA"), QStringLiteral("character1"), QStringLiteral("A"));
        const QString deformation = subtypeText(root, QStringLiteral("BAA")) + QStringLiteral(", ")
                                    + subtypeText(root, QStringLiteral("BAA"), QStringLiteral("character1"), QStringLiteral("A"));

        EN135082 inv(language);
        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        o.quantity1 = 1.5;
        o.clockFrom = 2;
        o.clockTo = 4;
        o.joint = 1;
        o.continuousDefect = QStringLiteral("A");
        o.photoFile = QStringLiteral("img_000001_1.jpg");
        QCOMPARE(inv.observationDescription(o), crack + QStringLiteral(", 1.50") + quantity1Unit(root, QStringLiteral("BAB")) + span);

        o = observation(QStringLiteral("BBA"), QStringLiteral("A"));
        o.quantity1 = 10;
        o.clockFrom = 12;
        o.continuousDefect = QStringLiteral("B");
        o.continuousDefectNumber = 2;
        QCOMPARE(inv.observationDescription(o), roots + QStringLiteral(", 10") + quantity1Unit(root, QStringLiteral("BBA")) + single);

        o = observation(QStringLiteral("BAA"), QStringLiteral("A"));
        o.quantity1 = 5;
        o.continuousDefect = QStringLiteral("R");
        QCOMPARE(inv.observationDescription(o), deformation + QStringLiteral(", 5") + quantity1Unit(root, QStringLiteral("BAA")) + length);

        // The fixed cleaning texts are option texts like the catalogue's, so in its language.
        QCOMPARE(inv.cleaningOptions().value(QStringLiteral("A")), cleaning);
        InspectionHeader header;
        header.cleaning = QStringLiteral("A");
        inv.setMainData(header);
        const QStringList lines = inv.mainDataTable().lines();
        QVERIFY2(std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) { return line.trimmed().endsWith(cleaning); }),
                 qPrintable(lines.join(QLatin1Char('\n'))));
    }

    // Under an English user interface, the German EN catalogue, DanDas and ISYBAU 2001 describe in
    // their catalogue's language, and photo captions take the photo note out in that language.
    void descriptionsKeepTheCatalogueLanguage()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(ZZ_TRANSLATIONS_DIR "/ZOZOrure_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("A"));
        o.clockFrom = 2;
        o.clockTo = 4;
        o.photoFile = QStringLiteral("img_000001_1.jpg");
        EN135082 german(QStringLiteral("de"));
        QVERIFY2(german.observationDescription(o).endsWith(QStringLiteral(", von 2 bis 4Uhr, Foto angelegt")),
                 qPrintable(german.observationDescription(o)));
        EN135082 polish(QStringLiteral("pl"));
        QVERIFY2(polish.observationDescription(o).endsWith(QStringLiteral(", od 2 do 4 godz., wykonano zdjęcie")),
                 qPrintable(polish.observationDescription(o)));

        DanDas dandas;
        ObservationRecord crack = observation(QStringLiteral("RB"), QStringLiteral("L"));
        crack.damageClass = 2;
        crack.photoFile = QStringLiteral("img_1_1.jpg");
        QCOMPARE(dandas.observationDescription(crack), QStringLiteral("Revner/brud, Langsgående, observation klasse 2, foto taget"));

        Isybau2001 isybau;
        ObservationRecord joint = observation(QStringLiteral("BAAO"));
        joint.quantity1 = 12.5;
        joint.damageClass = 3;
        joint.continuousDefect = QStringLiteral("A");
        joint.clockFrom = 3;
        joint.photoFile = QStringLiteral("img_1_1.jpg");
        QVERIFY2(isybau.observationDescription(joint).endsWith(
                     QStringLiteral(", Schadensklasse 3, Schadensanfang Nr. 1, bei 3Uhr, Foto angelegt")),
                 qPrintable(isybau.observationDescription(joint)));

        // The captions of the photo report carry the description without its photo note.
        QTemporaryDir dir;
        QImage(4, 4, QImage::Format_RGB32).save(dir.filePath(o.photoFile), "JPG");
        polish.setFolder(dir.path());
        polish.mutableObservations() << o;
        const PrintJob job = polish.photoJobs().first();
        QCOMPARE(job.photoTexts.size(), 3);
        QCOMPARE(job.photoTexts.at(2), polish.observationDescription(o).remove(QStringLiteral(", wykonano zdjęcie")));
    }
};

QTEST_MAIN(TestEN135082Languages)
#include "tst_en135082languages.moc"
