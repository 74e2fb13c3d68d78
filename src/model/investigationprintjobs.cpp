#include "model/investigation.h"

#include "model/modellog.h"

#include <QFileInfo>
#include <QImage>
#include <QtDebug>

#include <algorithm>

// What an inspection gives the reports: its observation rows, its print jobs and its row of the
// table of contents. These only read the header, the observations and the standard's virtual
// texts.

QVector<ObservationRow> Investigation::observationRows()
{
    std::stable_sort(m_observations.begin(), m_observations.end(), lessByDistance);
    QVector<ObservationRow> rows;
    rows.reserve(m_observations.size());
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        ObservationRow row;
        row.distance = o.distance;
        row.videoTime = o.videoTime;
        row.label = o.code + o.character1 + o.character2;
        row.text = observationText(i, false);
        row.side = sideFlag(o.clockFrom, o.clockTo);
        row.category = codeGroup(o.code);
        row.damageClass = o.damageClass;
        rows.append(row);
    }
    return rows;
}

QList<PipeMarker> Investigation::pipeMarkers()
{
    return {};
}

// --- print jobs

QVector<PrintJob> Investigation::inspectionJobs()
{
    return inspectionPrintJob();
}

QVector<PrintJob> Investigation::photoJobs()
{
    return photoPrintJob();
}

QVector<PrintJob> Investigation::printJobs()
{
    return inspectionPrintJob() + photoPrintJob();
}

QVector<PrintJob> Investigation::makeInspectionJobs(int reverseDirection)
{
    PrintJob job;
    job.type = QStringLiteral("inspectionPages");
    job.shortHeader = mainDataList();
    job.normHeader = mainDataListFull();
    job.section = reverseDirection;
    job.flowColorKind = systemText();
    job.startNode = m_header.startNode;
    job.endNode = m_header.endNode;
    job.sectionName = m_header.sectionName;
    job.length = inspectedLength();
    job.rows = observationRows();
    job.points = pipeMarkers();
    return {job};
}

QVector<PrintJob> Investigation::makePhotoJobs(int reverseDirection)
{
    PrintJob job;
    job.type = QStringLiteral("fotoPages");
    job.shortHeader = mainDataList();
    job.normHeader = mainDataListFull();
    job.section = reverseDirection;
    job.startNode = m_header.startNode;
    job.endNode = m_header.endNode;
    job.sectionName = m_header.sectionName;
    job.length = inspectedLength();
    const QStringList paths = folderPhotos();
    photoList(paths, job.photos, job.photoTexts);
    qCDebug(lcModel) << "photo job" << paths << job.photoTexts << job.photos.size();
    return {job};
}

TocEntry Investigation::makeSummaryRow(int kind, const QString &materialText, const QString &sewerText)
{
    TocEntry entry;
    entry.sectionName = m_header.sectionName;
    entry.street = m_header.street;
    entry.date = m_header.date.toString(QStringLiteral("dd.MM.yyyy"));
    entry.startNode = m_header.startNode;
    entry.endNode = m_header.endNode;
    entry.material = materialText;
    entry.height = QStringLiteral("%1mm").arg(m_header.height, 0, 'f', 0);
    entry.width = QStringLiteral("%1mm").arg(m_header.width, 0, 'f', 0);
    entry.videoReference = m_header.videoReference;
    const double length = inspectedLength();
    entry.lengthText = QStringLiteral("%1").arg(length, 0, 'f', 2);
    entry.length = length;
    entry.sewerText = sewerText;
    entry.color = hasStructuralDamage() ? QColor(200, 0, 0, 255) : QColor(0, 0, 0, 255);
    entry.kind = kind;
    return entry;
}

void Investigation::photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const
{
    QStringList remaining = paths;
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        if (o.photoFile.isEmpty())
            continue;
        const auto found = std::find_if(remaining.begin(), remaining.end(), [&](const QString &path) {
            return QFileInfo(path).fileName() == o.photoFile;
        });
        if (found == remaining.end())
            continue;
        images.append(QImage(*found));
        remaining.erase(found);
        QString description = observationText(i, false);
        description.remove(descriptionPhotoNote());
        texts << o.videoTime.toString(QStringLiteral("hh:mm:ss"))
              << QStringLiteral("%1m").arg(o.distance, 0, 'f', 2) << description;
    }
}
