#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QXmlStreamReader;

// One quantification kind of a code: its unit and what is measured.
struct NormCatalogQuantity
{
    QString token;
    QString name; // the unit shown, e.g. "mm"
    QString text; // what is measured, e.g. "Höhe"
};

// One characterisation option of a code.
struct NormCatalogOption
{
    QString token;
    QString text;
    QStringList allowedCharacter2;     // characterisation-2 tokens allowed with this option
    QString quant1 = QStringLiteral("-"); // quantify1 token that applies; "-" none
    QString quant2 = QStringLiteral("-");
    int position = -1;                 // clock-position kind of this option; -1: the code's
};

// One three-letter code.
struct NormCatalogSubtype
{
    QString token;
    QString text;
    QMap<QString, NormCatalogOption> character1;
    QMap<QString, NormCatalogOption> character2;
    int position = 0; // clock positions: 0 none, 1 one value, 2 a range
    bool extend = false; // may be a continuous defect
    QMap<QString, NormCatalogQuantity> quantify1;
    QMap<QString, NormCatalogQuantity> quantify2;
};

// One two-letter code type with its codes in file order.
struct NormCatalogType
{
    QString token;
    QString text;
    QList<NormCatalogSubtype> subtypes;
};

// The observation-code catalogue shared by the standards that code observations the EN way
// (a two-letter type, a third letter, up to two characterisations and two quantifications),
// and the queries the observation dialog and the description texts ask of it.
//
// Most queries take the code, the index of its code within its type (as findSubtype stored
// it) and a characterisation token. An index that was never set (-1), one out of range, or one
// that belongs to another code gives the empty answer.
class EN135082Structur
{
public:
    using Catalogue = QMap<QString, NormCatalogType>;
    using OptionLists = QHash<QString, QMap<QString, QString> *>;

    const Catalogue &catalogue() const { return m_catalogue; }

    // Reads a catalogue file of the EN layout (the root element's name is not checked): every
    // "type" into the catalogue, and each list of the "texte" section named in lists into its
    // map. False, with a debug line, when the file cannot be opened or is not well-formed; what
    // was read before the fault stays.
    bool readCatalogFile(const QString &path, const OptionLists &lists);
    // The reader stands on a "type" start element; the type replaces one of the same token.
    void readCatalogType(QXmlStreamReader &reader);
    // The reader stands on a "character1"/"character2" or "quantify1"/"quantify2" start element.
    static void readCatalogOptions(QXmlStreamReader &reader, QMap<QString, NormCatalogOption> &options);
    static void readCatalogQuantities(QXmlStreamReader &reader, QMap<QString, NormCatalogQuantity> &quantities);

    // Stores the index of the code within its type and tells whether the code has
    // characterisation-1 options; false, index unchanged, when the code is unknown.
    bool findSubtype(const QString &code, int &index) const;
    // "token - text" of the characterisation-1 options, in token order.
    QStringList character1List(const QString &code, int index) const;
    QStringList character1Tokens(const QString &code, int index) const;
    // The token of an entry built by character1List (matched by its text).
    QString character1Token(const QString &code, int index, const QString &entry) const;
    bool hasCharacter2(const QString &code, int index, const QString &token) const;
    // The characterisation-2 options the characterisation-1 option token allows.
    QStringList character2List(const QString &code, int index, const QString &token) const;
    QStringList character2Tokens(const QString &code, int index, const QString &token) const;
    QString character2Token(const QString &code, int index, const QString &entry) const;
    int positionKind(const QString &code, int index, const QString &token) const;
    // For "BAK" and "BAL" the token names a characterisation-2 option, for other codes a
    // characterisation-1 option.
    bool hasQuantity1(const QString &code, int index, const QString &token) const;
    bool hasQuantity2(const QString &code, int index, const QString &token) const;
    QString quantity1Unit(const QString &code, int index, const QString &token) const;
    QString quantity2Unit(const QString &code, int index, const QString &token) const;
    bool isExtendable(const QString &code, int index) const;
    // The code's text, followed by ", " and the text of each characterisation given (a token
    // that is empty, "Y" or "-" adds nothing).
    QString characterText(const QString &code, const QString &character1, const QString &character2) const;

protected:
    Catalogue m_catalogue;

private:
    // The code at index within its type, or null when the index does not name that code.
    const NormCatalogSubtype *subtype(const QString &code, int index) const;
    // The option a quantification query refers to (see hasQuantity1).
    const NormCatalogOption *quantityOption(const NormCatalogSubtype &sub, const QString &token) const;
    bool hasQuantity(const QString &code, int index, const QString &token, bool first) const;
    QString quantityUnit(const QString &code, int index, const QString &token, bool first) const;
    static QString entryText(const QString &entry);
};
