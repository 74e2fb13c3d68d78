#pragma once

#include "model/investigation.h"

// An inspection without a coding standard: free-text observations, kept in memory only. Its
// one report is a photo report of every picture in its folder.
class Freetext : public Investigation
{
    Q_OBJECT

public:
    Freetext();

    void buildOverlayPages(int headerSeconds, int observationSeconds) override;
    bool load(const QString &path) override;
    QVector<PrintJob> inspectionJobs() override;
    QVector<PrintJob> photoJobs() override;
    QVector<PrintJob> printJobs() override;
    QStringList photoFiles() const override;
    QVector<ObservationRow> observationRows() override;
    QList<PipeMarker> pipeMarkers() override;
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
    void photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const override;
    double inspectedLength() const override;
    int lastPhotoNumber() const override;

protected:
    void loadCatalog() override;
};
