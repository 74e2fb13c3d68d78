#pragma once

#include "model/en135082investigation.h"

class ExchangeValueReader;

// An inspection under DWA-M 149-2: the German catalogue, the header option lists, and the
// exchange file (XML, root "DATA": "FD" with the format, "HG" with the pipe section holding
// "HI" with the inspection, which holds one "HZ" per observation).
class DWAM1492 : public EN135082Investigation
{
    Q_OBJECT

public:
    DWAM1492();

    // Reads the first inspection of the file with its own observations. Further sections or
    // inspections in the file, values that do not parse and a broken file are reported, and
    // the file is then not saved over. A profile "DN..." gets its width from its height.
    bool load(const QString &path) override;
    ModelUtils::TextTable mainDataTable() const override;
    // Puts a start node "BCD" "XP" at distance 0 in front of the observations.
    QString addStartNode(const QTime &videoTime) override;
    // From the sewer use (pipeType): 1 storm water, 2 foul water, 3 combined, 0 unknown.
    int systemText() const override;
    QString observationDescription(const ObservationRecord &observation) const override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

    // The distance as "HZ001" holds it: one decimal, two where the distance has a second one.
    static QString distanceText(double distance);

protected:
    void loadCatalog() override;
    void writeDocument(QXmlStreamWriter &writer) override;
    void writeFilms(QXmlStreamWriter &writer) override;
    void writeObservation(QXmlStreamWriter &writer, int index) override;

private:
    struct ReadState;
    void readContent(QXmlStreamReader &reader, ExchangeValueReader &values, ReadState &state, int depth);
    // Header elements ("HG..." and "HI..."); false for any other element.
    bool readHeaderValue(const QStringRef &name, ExchangeValueReader &values);
    void readObservation(QXmlStreamReader &reader, ExchangeValueReader &values, ObservationRecord &observation);
    bool isReverseDirection() const;
};
