#include "model/freetext.h"

#include <QFileInfo>
#include <QImage>

Freetext::Freetext()
{
    createCompleter();
    m_normKind = NormFreetext;
}

void Freetext::buildOverlayPages(int, int) {}

bool Freetext::load(const QString &)
{
    setChanged(false);
    return true; // nothing is stored
}

QVector<PrintJob> Freetext::inspectionJobs() { return {}; }

QVector<PrintJob> Freetext::photoJobs()
{
    PrintJob job;
    job.type = QStringLiteral("fotoPagesVideo");
    const int dot = m_fileName.lastIndexOf(QLatin1Char('.'));
    job.sectionName = dot >= 0 ? m_fileName.left(dot) : m_fileName;
    photoList(folderPhotos(), job.photos, job.photoTexts);
    return {job};
}

QVector<PrintJob> Freetext::printJobs() { return {}; }
QStringList Freetext::photoFiles() const { return {}; }
QVector<ObservationRow> Freetext::observationRows() { return {}; }
QList<PipeMarker> Freetext::pipeMarkers() { return {}; }
TocEntry Freetext::summaryRow() { return TocEntry(); }
bool Freetext::hasStructuralDamage() const { return false; }
int Freetext::codeGroup(const QString &) const { return 0; }
ModelUtils::TextTable Freetext::mainDataTable() const { return ModelUtils::TextTable(); }
QString Freetext::addStartNode(const QTime &) { return QString(); }
int Freetext::systemText() const { return 0; }
QString Freetext::observationDescription(const ObservationRecord &) const { return QString(); }
void Freetext::buildCodeIndex() {}
QStringList Freetext::mainDataList() const { return {}; }
QStringList Freetext::mainDataListFull() const { return {}; }
QVector<PrintJob> Freetext::inspectionPrintJob() { return {}; }
QVector<PrintJob> Freetext::photoPrintJob() { return {}; }

void Freetext::photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const
{
    // One text per photo: its file name without folder and suffix.
    for (const QString &path : paths) {
        images.append(QImage(path));
        const QString name = QFileInfo(path).fileName();
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        texts << (dot >= 0 ? name.left(dot) : name);
    }
}

double Freetext::inspectedLength() const { return 0.0; }
int Freetext::lastPhotoNumber() const { return 0; }
void Freetext::loadCatalog() {}
