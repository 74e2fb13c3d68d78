#pragma once

#include "model/investigation.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// One observation code of the Danish catalogue.
struct DanDasEntry
{
    QString token;                                  // the observation code, e.g. "RB"
    QString text;
    QMap<QString, QPair<QString, QString>> characters; // token -> (token, text)
    QString unit;                                   // the quantity's unit, e.g. "%"
    int classMin = -1;                              // -1: the entry has no damage class
    int classMax = -1;
};

// One group of codes of the Danish catalogue.
struct DanDasCatalogType
{
    QString token;
    QString text;
    QList<DanDasEntry> entries; // in file order
};

// An inspection coded after the Danish standard, stored as a DanDas XML file (root "DATA").
class DanDas : public Investigation
{
    Q_OBJECT

public:
    DanDas();

    bool load(const QString &path) override;
    TocEntry summaryRow() override;
    bool hasStructuralDamage() const override;
    int codeGroup(const QString &code) const override;
    ModelUtils::TextTable mainDataTable() const override;
    QString addStartNode(const QTime &videoTime) override;
    int systemText() const override;
    QString observationDescription(const ObservationRecord &observation) const override;
    void buildCodeIndex() override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

    // --- lookups of the observation dialog; a code without an entry gives empty answers
    QStringList characterTexts(const QString &code) const;
    QStringList characterTokens(const QString &code) const;
    // The token whose text is the given one, else the entry's first token (empty without any).
    QString characterToken(const QString &code, const QString &text) const;
    // The damage classes offered: from the lower bound up to, not including, the upper one.
    QStringList classValues(const QString &code) const;
    QString quantityUnit(const QString &code) const;
    bool hasCharacter(const QString &code) const;
    bool hasClass(const QString &code) const;
    bool hasQuantity(const QString &code) const;

    const QMap<QString, DanDasCatalogType> &catalog() const { return m_catalog; }
    // The entry of the code (types in token order, entries in file order), or an empty entry.
    const DanDasEntry &entry(const QString &code) const;

protected:
    void loadCatalog() override;
    // The file has no field for the inspection length: the side file keeps it.
    bool fileHoldsInspectionLength() const override { return false; }
    void writeDocument(QXmlStreamWriter &writer) override;
    void writeFilms(QXmlStreamWriter &writer) override;
    void writeObservation(QXmlStreamWriter &writer, int index) override;
    void readMainData(QXmlStreamReader &reader) override;
    void readObservations(QXmlStreamReader &reader) override;
    virtual void readCatalogType(QXmlStreamReader &reader);

private:
    // The option lists the catalogue's "texte" section fills, by list name.
    QHash<QString, OptionMap *> optionLists();
    void readCatalogFile();
    void readCatalogRoot(QXmlStreamReader &reader);
    void readCatalogTexts(QXmlStreamReader &reader);
    void readCatalogSubtype(QXmlStreamReader &reader, DanDasEntry &entry);
    bool isKnownCode(const QString &code) const;
    QString optionText(const OptionMap &options, const QString &key) const;

    QMap<QString, DanDasCatalogType> m_catalog;
};
