#pragma once

#include "model/en135082investigation.h"

class ExchangeValueReader;

// An inspection under ISYBAU 2006: the German catalogue, the header option lists, and the
// exchange file (XML, root "Identifikation": administrative data, the inspected object with
// its optical inspection and one "RZustand" per observation, and the film record).
class Isybau2006 : public EN135082Investigation
{
    Q_OBJECT

public:
    Isybau2006();

    // The namespace of the ISYBAU exchange format, written on the root element.
    static const char *const NamespaceUri;

    // Reads the inspected pipe section of the file with its own observations. Further
    // inspected objects in the file, values that do not parse and a broken file are reported,
    // and the file is then not saved over. Profiles "0" and "4" get their width from their
    // height.
    bool load(const QString &path) override;
    // Saves as the base class does; a header that the format's schema cannot hold (see
    // schemaProblems) is still written, and the save then notes that other programs may reject
    // the file.
    bool save() override;
    // The values that a program validating the file against the format's schema would reject:
    // required header values left empty, an order number that is no whole number of up to six
    // digits, texts longer than the format allows, option codes the format does not know, and
    // numbers of the header and the observations beyond the digits the format gives them
    // (quantities below 10000, continuous defects numbered 1 to 99).
    QStringList schemaProblems() const;
    ModelUtils::TextTable mainDataTable() const override;
    // Puts a start node "BCD" "XP" at distance 0 in front of the observations.
    QString addStartNode(const QTime &videoTime) override;
    // From the sewer kind: 1 storm water, 2 foul water, 3 combined, 0 unknown.
    int systemText() const override;
    QString observationDescription(const ObservationRecord &observation) const override;
    // The lengths the schema gives the header texts.
    int headerTextLength(QString InspectionHeader::*field) const override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

protected:
    void loadCatalog() override;
    void writeDocument(QXmlStreamWriter &writer) override;
    void writeFilms(QXmlStreamWriter &writer) override;
    void writeObservation(QXmlStreamWriter &writer, int index) override;

private:
    struct InspectedObject;
    struct Film;
    struct ReadState;
    void readContent(QXmlStreamReader &reader, ExchangeValueReader &values, ReadState &state, int depth);
    void readObject(QXmlStreamReader &reader, ExchangeValueReader &values, InspectedObject &object, int depth);
    void readObservation(QXmlStreamReader &reader, ExchangeValueReader &values, ObservationRecord &observation);
    void readFilm(QXmlStreamReader &reader, ExchangeValueReader &values, Film &film);
    bool isReverseDirection() const;
    bool isCircularProfile() const;
};
