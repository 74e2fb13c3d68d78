#pragma once

#include "view3d/inspectionsource.h"
#include "model/records.h"
#include "foundation/records/reportrecords.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class Investigation;

// One project in memory: the project folder (named after the project, inside the projects root)
// with its "project.xml", and the inspections of its sub-folders in the user's order. The project
// owns its inspections.
//
// A "project.xml" that exists but cannot be read is reported and remembered: the project opens
// empty and never saves over that file until allowOverwrite() says the user means to. Inspection
// files whose kind cannot be told are skipped, reported once, and their entries kept at the end of
// the file, so that a save does not drop them. So are entries whose folder (the name up to its
// last dot) would not be a folder of its own inside the project folder ("...mpg" names the one
// above): they are reported and never opened, renamed or deleted.
class Project : public InspectionSource
{
    Q_DECLARE_TR_FUNCTIONS(Project)

public:
    // The kind a content test gives to an ".xml" file that is none of the exchange formats, that
    // cannot be opened or that breaks before its kind is decided.
    static constexpr NormKind UnknownKind = -1;

    // Opens the "project.xml" at path. When it does not exist, the folder it would lie in is
    // converted from the older layout (sub-folders scanned, a ".project" order applied) and the
    // file is written. An empty path gives an empty project without a folder.
    explicit Project(const QString &path);
    ~Project() override;
    Project(const Project &) = delete;
    Project &operator=(const Project &) = delete;

    // Makes the folder name inside root and writes an empty project into it. Null when the name
    // is not a plain folder name or the folder already holds a "project.xml" (left as it is), and,
    // reported, when the folder or the file cannot be made. The caller owns the result.
    static Project *create(const QString &name, const QString &root);
    // The project whose folder holds the inspection's folder; null for an inspection without a
    // folder. The caller owns the result.
    static Project *projectOfInspection(const Investigation *inspection);

    // Writes "project.xml" (the previous one copied to "project.xml.bak" unless such a copy
    // exists). False, reported, when it cannot be written, or when the file failed to load and
    // allowOverwrite() was not called.
    bool save();
    // Renames the project and its folder; path() and every inspection's folder follow. False
    // (old name kept) when the name is not a plain folder name, is taken, or the folder cannot
    // be renamed.
    bool rename(const QString &newName);

    // The "project.xml" read or last written; empty while the project has no file yet.
    QString path() const { return m_path; }
    QString name() const override { return m_name; }
    // The folder that holds the project folder.
    QString root() const { return m_root; }
    QString rootFolder() const override { return m_root; }
    // root() + "/" + name(); empty while either is unknown.
    QString folder() const;
    QString printTitle() const { return m_printTitle; }
    QString printCommentary() const { return m_printCommentary; }
    void setPrintTitle(const QString &text) { m_printTitle = text; }
    void setPrintCommentary(const QString &text) { m_printCommentary = text; }

    // Whether the existing "project.xml" could not be read; save() then refuses to write over it.
    bool loadFailed() const { return m_loadFailed; }
    QString loadError() const { return m_loadError; }
    // The user decided to write over a "project.xml" that could not be read.
    void allowOverwrite() { m_loadFailed = false; }
    // Entries of inspection files whose kind could not be told (file names), kept for the file.
    QStringList skippedInspections() const { return m_skipped; }

    // Queries; all = false leaves out the free-text inspections (NormKind 0).
    int inspectionCount() const { return m_inspections.size(); }
    QList<Investigation *> inspections(bool all = true) const;
    QStringList inspectionNames(bool all = true) const override;
    QStringList inspectionNamesOfType(NormKind normKind) const;
    // For each inspection its section name, then its file name.
    QStringList inspectionTitles(bool all = true) const;
    Investigation *inspectionByName(const QString &fileName) const override;
    // Index of the first inspection of that file name; 0 when there is none.
    int indexOfInspection(const QString &fileName) const;
    // Whether the project folder has a sub-folder of exactly that name.
    bool inspectionFolderExists(const QString &folderName) const override;

    // Changes of the list. Inspections handed in pass to the project; removeInspection hands
    // the inspection back to the caller. Only swapInspections saves.
    void addInspection(Investigation *inspection) override;
    bool removeInspection(Investigation *inspection) override;
    // Puts the inspection at index (0 .. count - 1) and deletes the one it replaces; nothing
    // (the inspection not taken) when the list holds it already or the index is outside.
    bool replaceInspection(int index, Investigation *inspection);
    // Exchanges two entries and saves; false when an index is outside or the save failed.
    bool swapInspections(int i, int j);
    void moveInspection(const QString &fileName, int index);

    // The inspection of a file, loaded, with its video: ".h" and ".lh" the fixed-column formats,
    // ".xml" by content, any other file a free-text inspection of that video. Null for an ".xml"
    // file of unknown kind. The caller owns the result.
    static Investigation *loadInspectionFile(const QString &path);
    // The kind of an ".xml" inspection file by its content: EN 13508-2 when it has a "ZA"
    // element, else DWA-M 149-2 with an "FD" element, else DanDas with a "DZA" element, else
    // ISYBAU 2006; UnknownKind for a file that cannot be opened or breaks before its kind is
    // decided.
    static NormKind detectXmlKind(const QString &path);
    // The catalogue language of an EN 13508-2 file: the text of its first "A2" element, "de"
    // when there is none.
    static QString catalogLanguage(const QString &path);

    // The table-of-contents job of the given inspections (those at the given indexes of the
    // list, every one when indexes is empty; free-text inspections never). The client of the
    // contents is the first inspection's client.
    static PrintJob createTOC(const QList<Investigation *> &investigations, const QList<int> &indexes,
                              const QString &text);

private:
    Project() = default;
    void open();
    void readFile();
    void readInspections(const QStringList &fileNames);
    void convertFolder();
    void reportSkipped();
    bool writeFile(const QString &path);

    QString m_path;
    QString m_name;
    QString m_root;
    QList<Investigation *> m_inspections;
    QString m_printTitle;
    QString m_printCommentary;
    bool m_loadFailed = false;
    QString m_loadError;
    QStringList m_skipped;
};
