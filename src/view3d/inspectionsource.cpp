#include "view3d/inspectionsource.h"

#include "model/investigation.h"

#include <QDir>
#include <QFileInfo>

InspectionList::InspectionList(const QString &name, const QString &rootFolder)
    : m_name(name)
    , m_root(rootFolder)
{
}

InspectionList::~InspectionList()
{
    qDeleteAll(m_inspections);
}

QStringList InspectionList::inspectionNames(bool all) const
{
    QStringList names;
    for (const Investigation *inspection : m_inspections) {
        if (all || inspection->normKind() != NormFreetext)
            names << inspection->fileName();
    }
    return names;
}

Investigation *InspectionList::inspectionByName(const QString &fileName) const
{
    for (Investigation *inspection : m_inspections) {
        if (inspection->fileName() == fileName)
            return inspection;
    }
    return nullptr;
}

bool InspectionList::inspectionFolderExists(const QString &folderName) const
{
    if (m_root.isEmpty() || m_name.isEmpty() || folderName.isEmpty() || folderName == QLatin1String(".")
        || folderName == QLatin1String("..") || folderName.contains(QLatin1Char('/')))
        return false;
    const QDir folder(m_root + QLatin1Char('/') + m_name);
    // Listed rather than tested, so the comparison is case-sensitive everywhere.
    return folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot).contains(folderName);
}

void InspectionList::addInspection(Investigation *inspection)
{
    if (inspection && !m_inspections.contains(inspection))
        m_inspections.append(inspection);
}

bool InspectionList::removeInspection(Investigation *inspection)
{
    return m_inspections.removeAll(inspection) > 0;
}
