#pragma once

#include "model/modelutils.h"
#include "model/overlaypages.h"
#include "model/records.h"
#include "print/records/reportrecords.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QCompleter;
class QXmlStreamReader;
class QXmlStreamWriter;

using OptionMap = QMap<QString, QString>;

// One inspected pipe section under one coding standard: header, observations, option lists,
// code completion, overlay pages, its files, and the print jobs it yields. Each standard is a
// subclass; loading and saving go through the virtual readers and writers below.
class Investigation : public QObject
{
    Q_OBJECT

public:
    Investigation();
    ~Investigation() override;

    // What the last load gave (see loadResult()).
    enum class LoadResult {
        Failed,  // nothing: the file cannot be opened or holds no inspection this class reads
        Partial, // an inspection, with what could not be read reported
        Loaded   // the whole file
    };

    // --- the interface every standard fills in
    virtual void buildOverlayPages(int headerSeconds, int observationSeconds);
    // Reads the inspection from its file. A file that cannot be opened or read completely is
    // reported, the result is false, and this inspection will not be saved over that file;
    // loadResult() tells a failed load from a partial one.
    virtual bool load(const QString &path);
    // Writes the inspection to folder() + fileName() (and its side file), each replacing the old
    // file only once written whole. False, with a report, when it could not be written or when
    // the file failed to load (see allowOverwrite()).
    virtual bool save();
    virtual QVector<PrintJob> inspectionJobs();
    virtual QVector<PrintJob> photoJobs();
    virtual QVector<PrintJob> printJobs();
    virtual QStringList photoFiles() const;
    // Sorts the observations by distance (in place, stable) and returns them as report rows.
    virtual QVector<ObservationRow> observationRows();
    virtual QList<PipeMarker> pipeMarkers();
    virtual TocEntry summaryRow() = 0;
    virtual bool hasStructuralDamage() const = 0;
    virtual int codeGroup(const QString &code) const = 0;
    virtual ModelUtils::TextTable mainDataTable() const = 0;
    virtual QString addStartNode(const QTime &videoTime) = 0;
    // Class of the sewer kind: 1 storm water, 2 foul water, 3 combined, 0 unknown.
    virtual int systemText() const;
    virtual QString observationDescription(const ObservationRecord &observation) const = 0;
    virtual void buildCodeIndex();
    virtual QStringList mainDataList() const = 0;
    virtual QStringList mainDataListFull() const = 0;
    virtual QVector<PrintJob> inspectionPrintJob() = 0;
    virtual QVector<PrintJob> photoPrintJob() = 0;
    virtual void photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const;
    // The length shown and printed: the stored length, stretched to the farthest observation
    // and by an observation before the start.
    virtual double inspectedLength() const;
    virtual int lastPhotoNumber() const;

    // --- state
    NormKind normKind() const { return m_normKind; }
    void setNormKind(const NormKind &kind) { m_normKind = kind; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    QString filePath() const;
    QString videoFile() const { return m_videoFile; }
    void setVideoFile(const QString &path);
    bool isVideoCompatible() const { return m_videoCompatible; }
    // Made on first use: opening a project builds every inspection, and few are edited.
    QCompleter *completer() const;

    InspectionHeader mainData() const { return m_header; }
    void setMainData(const InspectionHeader &header) { m_header = header; }
    // The header itself, for the editors that write its fields in place.
    InspectionHeader &mutableMainData() { return m_header; }
    QVector<ObservationRecord> observations() const { return m_observations; }
    // The list itself, for the editors that append and replace observations.
    QVector<ObservationRecord> &mutableObservations() { return m_observations; }
    QString observationText(int index, bool raw) const;
    bool containsCode(const QString &code, bool complete) const;
    QStringList codes() const { return m_codes; }
    const OverlayPages &overlayPages() const { return m_overlayPages; }
    int photoCounter() const { return m_photoCounter; }

    void clear();
    void setPath(const QString &path);
    // Renames the inspection's folder (when it is named after the inspection) and every file in
    // it whose name begins with the old base name. Names with a path separator, "." and ".."
    // are refused. False when the folder or a file could not be renamed.
    bool rename(const QString &newBaseName);

    // The result of the last load(); Loaded for an inspection that was never loaded.
    LoadResult loadResult() const { return m_loadResult; }
    // Whether the last load failed or was partial; such a file is not saved over, wherever it
    // is moved or renamed, until the user decides to (allowOverwrite()).
    bool loadFailed() const { return m_loadFailed; }
    QString loadError() const { return m_loadError; }
    // The user decided to write over a file that failed to load.
    void allowOverwrite() { m_loadFailed = false; }

    // Whether the inspection was edited in memory since it was last loaded or saved successfully.
    // The editors set it; a successful load() or save() clears it.
    bool isChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    // --- option lists (code -> text) of the header fields
    const OptionMap &pipeTypeOptions() const { return m_pipeTypeOptions; }
    const OptionMap &systemOptions() const { return m_systemOptions; }
    OptionMap materialOptions() const { return m_materialOptions; }
    const OptionMap &protectionOptions() const { return m_protectionOptions; }
    const OptionMap &profileOptions() const { return m_profileOptions; }
    const OptionMap &nodeTypeOptions() const { return m_nodeTypeOptions; }
    const OptionMap &installationTypeOptions() const { return m_installationTypeOptions; }
    OptionMap directionOptions() const { return m_directionOptions; }
    const OptionMap &startPositionOptions() const { return m_startPositionOptions; }
    const OptionMap &flowControlOptions() const { return m_flowControlOptions; }
    const OptionMap &videoMediumOptions() const { return m_videoMediumOptions; }
    const OptionMap &liningOptions() const { return m_liningOptions; }
    const OptionMap &profileSourceOptions() const { return m_profileSourceOptions; }
    const OptionMap &materialSourceOptions() const { return m_materialSourceOptions; }
    const OptionMap &reasonOptions() const { return m_reasonOptions; }
    const OptionMap &inspectionKindOptions() const { return m_inspectionKindOptions; }
    const OptionMap &weatherOptions() const { return m_weatherOptions; }
    const OptionMap &cleaningOptions() const { return m_cleaningOptions; }

    // Orders of the project's sort command.
    static bool lessByDate(const Investigation *a, const Investigation *b);
    static bool lessByFileName(const Investigation *a, const Investigation *b);
    static bool lessBySectionName(const Investigation *a, const Investigation *b);
    static bool lessByVideoNumber(const Investigation *a, const Investigation *b);

    // Which half of the pipe graphic an observation at these clock positions is drawn on.
    static int sideFlag(int clockFrom, int clockTo);

protected:
    virtual void loadCatalog() = 0;
    virtual bool writeSideFile(const QString &path) const;
    virtual void readSideFile(const QString &path);
    virtual void writeDocument(QXmlStreamWriter &writer);
    virtual void writeFilms(QXmlStreamWriter &writer);
    virtual void writeObservation(QXmlStreamWriter &writer, int index);
    virtual void readMainData(QXmlStreamReader &reader);
    virtual void readObservations(QXmlStreamReader &reader);

    // Subclass constructors call this after building the code index.
    void createCompleter();
    // Readers note what they could not read; load() then reports the file as partly read.
    void noteReadProblem(const QString &problem);
    // A problem with the file as a whole (further inspections in it, a damaged document); these
    // are listed before the problems with single values.
    void noteStructureProblem(const QString &problem);
    // The file yields no inspection at all: the load fails.
    void noteLoadFailure(const QString &problem);
    // Starts a load: forgets earlier problems.
    void beginLoad();
    // Ends a load: reports collected problems for the path; true when there were none.
    bool finishLoad(const QString &path);
    // The check every writer makes first: false (reported) when path is the file that failed
    // to load, also after it was renamed or moved.
    bool mayWrite(const QString &path) const;
    // Ends a save whose inspection file was written: writes the side file; true (and the
    // inspection no longer changed) when that succeeded.
    bool finishSave(const QString &path);

    QVector<PrintJob> makeInspectionJobs(int reverseDirection);
    QVector<PrintJob> makePhotoJobs(int reverseDirection);
    TocEntry makeSummaryRow(int kind, const QString &materialText, const QString &sewerText);
    // Every "*.jpg" file of the folder, with its folder.
    QStringList folderPhotos() const;
    // The note a description ends with when its observation has a photo (", Foto angelegt" in the
    // description's language); photo captions leave it out.
    virtual QString descriptionPhotoNote() const;

    NormKind m_normKind = NormFreetext;
    QString m_fileName;
    QString m_folder;
    QString m_videoFile;
    bool m_videoCompatible = false;
    OptionMap m_pipeTypeOptions;
    OptionMap m_systemOptions;
    OptionMap m_materialOptions;
    OptionMap m_protectionOptions;
    OptionMap m_profileOptions;
    OptionMap m_nodeTypeOptions;
    OptionMap m_installationTypeOptions;
    OptionMap m_directionOptions;
    OptionMap m_startPositionOptions;
    OptionMap m_flowControlOptions;
    OptionMap m_videoMediumOptions;
    OptionMap m_liningOptions;
    OptionMap m_profileSourceOptions;
    OptionMap m_materialSourceOptions;
    OptionMap m_reasonOptions;
    OptionMap m_inspectionKindOptions;
    OptionMap m_weatherOptions;
    OptionMap m_cleaningOptions;
    OverlayPages m_overlayPages;
    InspectionHeader m_header;
    QVector<ObservationRecord> m_observations;
    QStringList m_codes;
    mutable QCompleter *m_completer = nullptr;
    int m_photoCounter = 0;

private:
    QStringList m_structureProblems;
    QStringList m_readProblems;
    bool m_nothingRead = false;
    LoadResult m_loadResult = LoadResult::Loaded;
    bool m_loadFailed = false;
    bool m_changed = false;
    QString m_loadError;
    // The file that failed to load: its path and its identity on disk, which follows it when it
    // is renamed or its folder is moved.
    QString m_failedPath;
    QString m_failedIdentity;
};
