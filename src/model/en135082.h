#pragma once

#include "model/en135082investigation.h"

class ExchangeValueReader;

// An inspection under EN 13508-2: the catalogue in one of ten languages, the header option
// lists, and the exchange file (XML, root "DATA": "ZA" with the language, "ZB" with the header
// and one "ZC" per observation).
class EN135082 : public EN135082Investigation
{
    Q_OBJECT

public:
    // language: two-letter code of the catalogue ("da", "de", "en", "es", "fi", "fr", "hr",
    // "nb", "pl", "ru"); a language without catalogue leaves codes and option lists empty.
    explicit EN135082(const QString &language = QStringLiteral("de"));

    QString language() const { return m_language; }
    // The catalogue language of an inspection file: the text of its first "A2" element, "de"
    // when it has none (or cannot be read).
    static QString fileLanguage(const QString &path);

    // Loads the file; a circular profile ("A") gets its width from its height.
    bool load(const QString &path) override;
    ModelUtils::TextTable mainDataTable() const override;
    // Puts a start node "BCD" "A" at distance 0 in front of the observations.
    QString addStartNode(const QTime &videoTime) override;
    int systemText() const override;
    QString observationDescription(const ObservationRecord &observation) const override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

protected:
    // The file has no field for the inspection length: the side file keeps it.
    bool fileHoldsInspectionLength() const override { return false; }
    QString descriptionPhotoNote() const override;
    void loadCatalog() override;
    void writeDocument(QXmlStreamWriter &writer) override;
    void writeFilms(QXmlStreamWriter &writer) override;
    void writeObservation(QXmlStreamWriter &writer, int index) override;
    // Reads header and observations; load() calls it.
    void readMainData(QXmlStreamReader &reader) override;

private:
    bool isReverseDirection() const;
    // A fixed word of the descriptions and option texts in the catalogue's language, taken from
    // the program's translation into that language; the German word where there is none.
    // context is the translation context the word is listed under.
    QString word(const char *german, const char *context = "EN135082") const;
    bool readHeaderGroup(QXmlStreamReader &reader, InspectionHeader &header, bool &known);
    bool readGroupObservations(QXmlStreamReader &reader);
    static bool holdsObservation(QXmlStreamReader &reader);
    void readObservation(QXmlStreamReader &reader, ObservationRecord &observation);
    // Reads the values of a record: problems go to the load's report.
    ExchangeValueReader values(QXmlStreamReader &reader);

    QString m_language;
};
