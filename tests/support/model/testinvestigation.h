#pragma once

#include "model/investigation.h"

// A small concrete inspection with a plain XML format of its own, so that the base class's
// load, save, side file, photo and print-job logic can be tested on their own.
class TestInvestigation : public Investigation
{
    Q_OBJECT

public:
    TestInvestigation();

    TocEntry summaryRow() override;
    bool hasStructuralDamage() const override;
    int codeGroup(const QString &code) const override;
    ModelUtils::TextTable mainDataTable() const override;
    QString addStartNode(const QTime &videoTime) override;
    QString observationDescription(const ObservationRecord &observation) const override;
    void buildCodeIndex() override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

    // The header table: one table per entry, with that many lines.
    QVector<int> headerTables{3};

protected:
    void loadCatalog() override;
    void writeDocument(QXmlStreamWriter &writer) override;
    void writeFilms(QXmlStreamWriter &writer) override;
    void writeObservation(QXmlStreamWriter &writer, int index) override;
    void readMainData(QXmlStreamReader &reader) override;
    void readObservations(QXmlStreamReader &reader) override;
};
