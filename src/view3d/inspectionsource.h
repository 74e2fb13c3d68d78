#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Investigation;

// What the 3D view and the insert dialogs need of the open project: its name and folder and its
// inspections. The project store implements it; the view holds a pointer and owns nothing.
class InspectionSource
{
public:
    virtual ~InspectionSource() = default;

    virtual QString name() const = 0;
    // The folder that holds the project folder (rootFolder() + "/" + name()).
    virtual QString rootFolder() const = 0;
    // all = false leaves out the free-text inspections (NormKind 0).
    virtual QStringList inspectionNames(bool all = true) const = 0;
    // The first inspection of that file name, or null.
    virtual Investigation *inspectionByName(const QString &fileName) const = 0;
    // Whether the project folder has a sub-folder of exactly that name ("." and ".." do not count).
    virtual bool inspectionFolderExists(const QString &folderName) const = 0;
    // Appends the inspection unless the list holds it already.
    virtual void addInspection(Investigation *inspection) = 0;
    // Takes the inspection out of the list without deleting it; false when it was not there.
    virtual bool removeInspection(Investigation *inspection) = 0;
};

// A project held in memory: a name, a root folder and a list of inspections it owns.
class InspectionList : public InspectionSource
{
public:
    InspectionList(const QString &name = QString(), const QString &rootFolder = QString());
    ~InspectionList() override;
    InspectionList(const InspectionList &) = delete;
    InspectionList &operator=(const InspectionList &) = delete;

    QString name() const override { return m_name; }
    QString rootFolder() const override { return m_root; }
    QStringList inspectionNames(bool all = true) const override;
    Investigation *inspectionByName(const QString &fileName) const override;
    bool inspectionFolderExists(const QString &folderName) const override;
    // The list takes the inspection over.
    void addInspection(Investigation *inspection) override;
    // Hands the inspection back to the caller.
    bool removeInspection(Investigation *inspection) override;
    QList<Investigation *> inspections() const { return m_inspections; }

private:
    QString m_name;
    QString m_root;
    QList<Investigation *> m_inspections;
};
