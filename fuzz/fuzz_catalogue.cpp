#include "fuzzsupport.h"

#include "model/en135082structur.h"

// Reads the input as a catalogue of the EN layout and asks every query of every code read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::init();
    const QString path = Fuzz::writeInput(data, size, QStringLiteral("catalogue.xml"));
    EN135082Structur catalogue;
    QMap<QString, QString> system;
    QMap<QString, QString> material;
    catalogue.readCatalogFile(path, {{QStringLiteral("system"), &system}, {QStringLiteral("material"), &material}});

    for (const NormCatalogType &type : catalogue.catalogue()) {
        for (const NormCatalogSubtype &subtype : type.subtypes) {
            const QString code = subtype.token;
            int index = -1;
            catalogue.findSubtype(code, index);
            for (int i : {index, -1, index + 1}) {
                const QStringList entries = catalogue.character1List(code, i);
                QStringList tokens = catalogue.character1Tokens(code, i);
                tokens << QString() << QStringLiteral("-");
                for (const QString &entry : entries)
                    catalogue.character1Token(code, i, entry);
                for (const QString &token : tokens) {
                    catalogue.hasCharacter2(code, i, token);
                    for (const QString &entry2 : catalogue.character2List(code, i, token))
                        catalogue.character2Token(code, i, entry2);
                    for (const QString &token2 : catalogue.character2Tokens(code, i, token))
                        catalogue.characterText(code, token, token2);
                    catalogue.positionKind(code, i, token);
                    catalogue.hasQuantity1(code, i, token);
                    catalogue.hasQuantity2(code, i, token);
                    catalogue.quantity1Unit(code, i, token);
                    catalogue.quantity2Unit(code, i, token);
                }
                catalogue.isExtendable(code, i);
            }
        }
    }
    return 0;
}
