#include "model/en135082structur.h"

#include <QtTest>

namespace {

const QString kFixture = QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/en/catalogue.xml");

} // namespace

class TestEN135082Structur : public QObject
{
    Q_OBJECT

private:
    EN135082Structur fixture;
    EN135082Structur german;
    QMap<QString, QString> systemList;

    int indexOf(const EN135082Structur &catalogue, const QString &code)
    {
        int index = -1;
        catalogue.findSubtype(code, index);
        return index;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fixture.readCatalogFile(kFixture, {{QStringLiteral("system"), &systemList}}));
        QVERIFY(german.readCatalogFile(QStringLiteral(":/norm/EN_135082_de.xml"), {}));
    }

    void readsTheLayout()
    {
        const EN135082Structur::Catalogue &catalogue = fixture.catalogue();
        QCOMPARE(catalogue.keys(), (QStringList{QStringLiteral("BA"), QStringLiteral("BD")}));
        QCOMPARE(catalogue.value(QStringLiteral("BA")).text, QStringLiteral("Bau"));

        const QList<NormCatalogSubtype> &codes = catalogue.value(QStringLiteral("BA")).subtypes;
        QStringList tokens;
        for (const NormCatalogSubtype &sub : codes)
            tokens << sub.token;
        // A code whose "extend" is missing ends with its own element and swallows nothing.
        QCOMPARE(tokens, (QStringList{QStringLiteral("BAB"), QStringLiteral("BAK"), QStringLiteral("BAN"), QStringLiteral("BAO")}));
        QCOMPARE(codes.at(2).extend, false);
        QCOMPARE(codes.at(3).text, QStringLiteral("nach dem Code ohne Ende"));
        QCOMPARE(codes.at(3).position, 1);

        const NormCatalogSubtype &bab = codes.at(0);
        QCOMPARE(bab.position, 2);
        QCOMPARE(bab.extend, true);
        QCOMPARE(bab.character1.value(QStringLiteral("A")).allowedCharacter2, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        const NormCatalogOption wide = bab.character1.value(QStringLiteral("B"));
        QCOMPARE(wide.text, QStringLiteral("breit"));
        QCOMPARE(wide.quant1, QStringLiteral("A"));
        QCOMPARE(wide.quant2, QStringLiteral("-"));
        QCOMPARE(wide.position, 1);
        const NormCatalogOption plain = bab.character1.value(QStringLiteral("X-1"));
        QCOMPARE(plain.quant1, QStringLiteral("-"));
        QCOMPARE(plain.position, -1);
        QVERIFY(plain.allowedCharacter2.isEmpty());
        const NormCatalogQuantity width = bab.quantify1.value(QStringLiteral("A"));
        QCOMPARE(width.name, QStringLiteral("mm"));
        QCOMPARE(width.text, QStringLiteral("Breite"));

        // Option lists: code and text are the first two children, whatever their names; a list
        // nobody asked for does not leak into another.
        QCOMPARE(systemList.size(), 2);
        QCOMPARE(systemList.value(QStringLiteral("A")), QStringLiteral("Mischwasser"));
        QCOMPARE(systemList.value(QStringLiteral("B")), QStringLiteral("Regenwasser"));
    }

    void missingOrBrokenFile()
    {
        EN135082Structur none;
        QVERIFY(!none.readCatalogFile(QStringLiteral(":/norm/EN_135082_zz.xml"), {}));
        QVERIFY(none.catalogue().isEmpty());

        QTemporaryFile broken;
        QVERIFY(broken.open());
        broken.write("<DIN_EN_13508_2><type><token>BA</token><text>Bau</text><subtype><token>BAB</token>");
        broken.close();
        EN135082Structur partial;
        QVERIFY(!partial.readCatalogFile(broken.fileName(), {}));
        int index = -1;
        QVERIFY(!partial.findSubtype(QStringLiteral("BAB"), index)); // nothing usable, and no crash
    }

    void findSubtype()
    {
        int index = 7;
        QVERIFY(fixture.findSubtype(QStringLiteral("BAB"), index));
        QCOMPARE(index, 0);
        // Without characterisation-1 options: false, but the index is stored.
        QVERIFY(!fixture.findSubtype(QStringLiteral("BAO"), index));
        QCOMPARE(index, 3);
        index = 7;
        QVERIFY(!fixture.findSubtype(QStringLiteral("BAX"), index));
        QCOMPARE(index, 7);
        QVERIFY(!fixture.findSubtype(QStringLiteral("ZZA"), index));
        QVERIFY(!fixture.findSubtype(QString(), index));
        QCOMPARE(index, 7);
    }

    void characterisations()
    {
        const int bab = indexOf(fixture, QStringLiteral("BAB"));
        const QString code = QStringLiteral("BAB");
        QCOMPARE(fixture.character1List(code, bab),
                 (QStringList{QStringLiteral("A - fein"), QStringLiteral("B - breit"), QStringLiteral("X-1 - mit Strich")}));
        QCOMPARE(fixture.character1Tokens(code, bab), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("X-1")}));
        // An entry is matched back by its text; a token with a dash splits at the wrong place.
        QCOMPARE(fixture.character1Token(code, bab, QStringLiteral("B - breit")), QStringLiteral("B"));
        QCOMPARE(fixture.character1Token(code, bab, QStringLiteral("X-1 - mit Strich")), QString());
        QCOMPARE(fixture.character1Token(code, bab, QStringLiteral("breit")), QString());

        QVERIFY(fixture.hasCharacter2(code, bab, QStringLiteral("A")));
        QVERIFY(!fixture.hasCharacter2(code, bab, QStringLiteral("X-1")));
        QVERIFY(!fixture.hasCharacter2(code, bab, QStringLiteral("Q")));
        QCOMPARE(fixture.character2List(code, bab, QStringLiteral("A")), (QStringList{QStringLiteral("A - längs"), QStringLiteral("B - quer")}));
        QCOMPARE(fixture.character2Tokens(code, bab, QStringLiteral("B")), QStringList{QStringLiteral("B")});
        QVERIFY(fixture.character2List(code, bab, QStringLiteral("Q")).isEmpty());
        QCOMPARE(fixture.character2Token(code, bab, QStringLiteral("B - quer")), QStringLiteral("B"));

        QCOMPARE(fixture.positionKind(code, bab, QStringLiteral("B")), 1);
        QCOMPARE(fixture.positionKind(code, bab, QStringLiteral("A")), 2);
        QCOMPARE(fixture.positionKind(code, bab, QStringLiteral("Q")), 2);
        QVERIFY(fixture.isExtendable(code, bab));
        QVERIFY(!fixture.isExtendable(QStringLiteral("BAO"), indexOf(fixture, QStringLiteral("BAO"))));
    }

    void quantifications_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("has1");
        QTest::addColumn<QString>("unit1");
        QTest::addColumn<bool>("has2");
        QTest::addColumn<QString>("unit2");
        QTest::newRow("option with quant1") << "BAB" << "B" << true << "mm" << false << "";
        QTest::newRow("option without") << "BAB" << "A" << false << "" << false << "";
        QTest::newRow("unknown option") << "BAB" << "Q" << false << "" << false << "";
        // Without characterisation-1 options the code's own quantifications count, unit of "A".
        QTest::newRow("no characterisation 1") << "BDE" << "" << true << "cm" << false << "";
        QTest::newRow("no quantification at all") << "BDA" << "" << false << "" << false << "";
        // BAK and BAL look the token up among the characterisation-2 options.
        QTest::newRow("BAK by characterisation 2") << "BAK" << "A" << true << "%" << true << "m";
        QTest::newRow("BAK characterisation 2 without") << "BAK" << "B" << false << "" << false << "";
        QTest::newRow("BAK characterisation-1 token") << "BAK" << "D" << false << "" << false << "";
    }
    void quantifications()
    {
        QFETCH(QString, code);
        QFETCH(QString, token);
        const int index = indexOf(fixture, code);
        QVERIFY(index >= 0);
        QTEST(fixture.hasQuantity1(code, index, token), "has1");
        QTEST(fixture.quantity1Unit(code, index, token), "unit1");
        QTEST(fixture.hasQuantity2(code, index, token), "has2");
        QTEST(fixture.quantity2Unit(code, index, token), "unit2");
    }

    void characterText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("c2");
        QTest::addColumn<QString>("text");
        QTest::newRow("bare") << "BAB" << "" << "" << "Riss";
        QTest::newRow("both") << "BAB" << "A" << "B" << "Riss, fein, quer";
        QTest::newRow("Y leaves out") << "BAB" << "A" << "Y" << "Riss, fein";
        QTest::newRow("dash leaves out") << "BAB" << "-" << "A" << "Riss, längs";
        QTest::newRow("unknown token") << "BAB" << "Q" << "" << "Riss, ";
        QTest::newRow("unknown code") << "BAZ" << "A" << "" << "";
        QTest::newRow("unknown type") << "ZZA" << "" << "" << "";
    }
    void characterText()
    {
        QFETCH(QString, code);
        QFETCH(QString, c1);
        QFETCH(QString, c2);
        QTEST(fixture.characterText(code, c1, c2), "text");
    }

    // Callers pass the index findSubtype left behind, which may never have been set or may
    // belong to another code: every query answers empty.
    void indexNotOfTheCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        QTest::newRow("never set") << "BAB" << -1;
        QTest::newRow("beyond the codes") << "BAB" << 4;
        QTest::newRow("far beyond") << "BAB" << 1000000;
        QTest::newRow("index of another code") << "BAB" << 1;
        QTest::newRow("unknown code") << "BAZ" << 0;
        QTest::newRow("unknown type") << "ZZA" << 0;
        QTest::newRow("empty code") << "" << 0;
    }
    void indexNotOfTheCode()
    {
        QFETCH(QString, code);
        QFETCH(int, index);
        const QString a = QStringLiteral("A");
        QVERIFY(fixture.character1List(code, index).isEmpty());
        QVERIFY(fixture.character1Tokens(code, index).isEmpty());
        QVERIFY(fixture.character1Token(code, index, QStringLiteral("A - fein")).isEmpty());
        QVERIFY(!fixture.hasCharacter2(code, index, a));
        QVERIFY(fixture.character2List(code, index, a).isEmpty());
        QVERIFY(fixture.character2Tokens(code, index, a).isEmpty());
        QVERIFY(fixture.character2Token(code, index, QStringLiteral("A - längs")).isEmpty());
        QCOMPARE(fixture.positionKind(code, index, a), 0);
        QVERIFY(!fixture.hasQuantity1(code, index, a));
        QVERIFY(!fixture.hasQuantity2(code, index, a));
        QVERIFY(fixture.quantity1Unit(code, index, a).isEmpty());
        QVERIFY(fixture.quantity2Unit(code, index, a).isEmpty());
        QVERIFY(!fixture.isExtendable(code, index));
    }

    void germanCatalogue()
    {
        const QString bak = QStringLiteral("BAK");
        const int index = indexOf(german, bak);
        QVERIFY(index >= 0);
        QVERIFY(german.hasCharacter2(bak, index, QStringLiteral("D")));
        QCOMPARE(german.character2List(bak, index, QStringLiteral("D")),
                 (QStringList{QStringLiteral("A - in Längsrichtung"), QStringLiteral("B - radial am Umfang"),
                              QStringLiteral("C - komplex"), QStringLiteral("D - spiralförmig")}));
        // The EN catalogues put the quantification references of BAK and BAL on
        // characterisation 1, where these queries do not look.
        for (const QString &code : {bak, QStringLiteral("BAL")}) {
            const int i = indexOf(german, code);
            const NormCatalogSubtype sub = german.catalogue().value(QStringLiteral("BA")).subtypes.at(i);
            for (const QString &token : sub.character1.keys() + sub.character2.keys()) {
                QVERIFY2(!german.hasQuantity1(code, i, token), qPrintable(code + token));
                QVERIFY(german.quantity1Unit(code, i, token).isEmpty());
            }
        }

        const QString aec = QStringLiteral("AEC");
        const int aecIndex = indexOf(german, aec);
        QVERIFY(german.hasQuantity1(aec, aecIndex, QStringLiteral("A")));
        QCOMPARE(german.quantity1Unit(aec, aecIndex, QStringLiteral("A")), QStringLiteral("mm"));
        QVERIFY(!german.hasCharacter2(aec, aecIndex, QStringLiteral("A")));

        // A code without characterisation-1 options: its own quantification "A".
        int bag = -1;
        QVERIFY(!german.findSubtype(QStringLiteral("BAG"), bag));
        QVERIFY(bag >= 0);
        QVERIFY(german.hasQuantity1(QStringLiteral("BAG"), bag, QString()));
        QCOMPARE(german.quantity1Unit(QStringLiteral("BAG"), bag, QString()), QStringLiteral("%"));

        QCOMPARE(german.characterText(QStringLiteral("BAB"), QStringLiteral("A"), QStringLiteral("Y")),
                 QStringLiteral("Rissbildung, Oberflächenriss (Haarriss)"));
        QCOMPARE(german.characterText(QStringLiteral("BAB"), QString(), QString()), QStringLiteral("Rissbildung"));
    }
};

QTEST_MAIN(TestEN135082Structur)
#include "tst_en135082structur.moc"
