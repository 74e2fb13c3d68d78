#pragma once

#include "model/modelutils.h"
#include "model/overlaypages.h"
#include "model/records.h"
#include "foundation/records/reportrecords.h"

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QCompleter;
class QXmlStreamReader;
class QXmlStreamWriter;

using OptionMap = QMap<QString, QString>;

// The option lists (code -> text) of the header fields, filled by each standard from its
// catalogue; a list the standard does not have stays empty.
struct HeaderOptions
{
    OptionMap pipeType;
    OptionMap system;
    OptionMap material;
    OptionMap protection;
    OptionMap profile;
    OptionMap nodeType;
    OptionMap installationType;
    OptionMap direction;
    OptionMap startPosition;
    OptionMap flowControl;
    OptionMap videoMedium;
    OptionMap lining;
    OptionMap profileSource;
    OptionMap materialSource;
    OptionMap reason;
    OptionMap inspectionKind;
    OptionMap weather;
    OptionMap cleaning;
};

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
    // Each line says who calls the function and which subclasses override it.

    // The video's text pages (header, then observations); the video overlay calls it. Free
    // text overrides it.
    virtual void buildOverlayPages(int headerSeconds, int observationSeconds);
    // Reads the inspection from its file. A file that cannot be opened or read completely is
    // reported, the result is false, and this inspection will not be saved over that file;
    // loadResult() tells a failed load from a partial one. The project and the open commands
    // call it. The default reads an XML file through readMainData, readObservations and
    // readSideFile; every standard overrides it (DanDas around the default).
    virtual bool load(const QString &path);
    // The same for a file whose bytes the caller holds already (read without text mode): the
    // load reads them in place of the file. Opening a project reads each file once to tell its
    // kind.
    bool loadContent(const QString &path, const QByteArray &content);
    // Writes the inspection to folder() + fileName() (and its side file), each replacing the old
    // file only once written whole. False, with a report, when it could not be written or when
    // the file failed to load (see allowOverwrite()). The project and the editors call it. The
    // default writes XML through writeDocument, writeObservation and writeFilms; ISYBAU 2001
    // (fixed columns) overrides it, ISYBAU 2006 around the default.
    virtual bool save();
    // The reports' pages of the inspection, of its photos, and both. The defaults forward to
    // inspectionPrintJob() and photoPrintJob(); free text overrides them.
    virtual QVector<PrintJob> inspectionJobs();
    virtual QVector<PrintJob> photoJobs();
    virtual QVector<PrintJob> printJobs();
    // The photos of the observations found in the folder, for copying and listing them. Free
    // text overrides it.
    virtual QStringList photoFiles() const;
    // Sorts the observations by distance (in place, stable) and returns them as report rows.
    // The print jobs call it; ISYBAU 2001 and free text override it.
    virtual QVector<ObservationRow> observationRows();
    // The markers of the pipe graphic in the reports; empty by default. The EN family, ISYBAU
    // 2001 and free text override it.
    virtual QList<PipeMarker> pipeMarkers();
    // The inspection's row of the project's table of contents; the project calls it. Every
    // standard implements it, mostly through makeSummaryRow().
    virtual TocEntry summaryRow() = 0;
    // Whether an observation names structural damage (the row is marked red); summaryRow uses it.
    virtual bool hasStructuralDamage() const = 0;
    // The group of a code (its colour in lists and reports); the observation rows and the entry
    // dialogs call it. Every standard implements it.
    virtual int codeGroup(const QString &code) const = 0;
    // The header as a label/value table for the overlay and the reports. Every standard.
    virtual ModelUtils::TextTable mainDataTable() const = 0;
    // Puts the standard's start node observation in front; data entry calls it. Every standard.
    virtual QString addStartNode(const QTime &videoTime) = 0;
    // Class of the sewer kind: 1 storm water, 2 foul water, 3 combined, 0 unknown. The reports
    // colour the flow with it. Every standard overrides it.
    virtual int systemText() const;
    // The observation in words, in the catalogue's language; lists, dialogs, the 3D view and
    // the reports call it. Every standard implements it.
    virtual QString observationDescription(const ObservationRecord &observation) const = 0;
    // Fills the code list for completion and lookups; the subclass constructors call it. The
    // EN family, DanDas, ISYBAU 2001 and free text override it.
    virtual void buildCodeIndex();
    // The short and the full header lists of the reports and the project list. Every standard.
    virtual QStringList mainDataList() const = 0;
    virtual QStringList mainDataListFull() const = 0;
    // What inspectionJobs() and photoJobs() give by default; every standard implements them,
    // mostly through makeInspectionJobs() and makePhotoJobs().
    virtual QVector<PrintJob> inspectionPrintJob() = 0;
    virtual QVector<PrintJob> photoPrintJob() = 0;
    // The images and captions of the photos among paths that belong to observations, in the
    // order of the observations; the photo jobs call it. Free text overrides it.
    virtual void photoList(const QStringList &paths, QVector<QImage> &images, QStringList &texts) const;
    // The length shown and printed: the stored length, stretched to the farthest observation
    // and by an observation before the start. Reports, lists and the 3D view call it; free text
    // overrides it.
    virtual double inspectedLength() const;
    // The highest photo number among the observations' photo names; data entry numbers the next
    // photo after it. Free text overrides it.
    virtual int lastPhotoNumber() const;
    // The most characters the exchange file keeps of a header text (0: the whole text); the
    // header editors stop typing there. ISYBAU 2006 and ISYBAU 2001 override it.
    virtual int headerTextLength(QString InspectionHeader::*field) const;

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
    const OptionMap &pipeTypeOptions() const { return m_options.pipeType; }
    const OptionMap &systemOptions() const { return m_options.system; }
    OptionMap materialOptions() const { return m_options.material; }
    const OptionMap &protectionOptions() const { return m_options.protection; }
    const OptionMap &profileOptions() const { return m_options.profile; }
    const OptionMap &nodeTypeOptions() const { return m_options.nodeType; }
    const OptionMap &installationTypeOptions() const { return m_options.installationType; }
    OptionMap directionOptions() const { return m_options.direction; }
    const OptionMap &startPositionOptions() const { return m_options.startPosition; }
    const OptionMap &flowControlOptions() const { return m_options.flowControl; }
    const OptionMap &videoMediumOptions() const { return m_options.videoMedium; }
    const OptionMap &liningOptions() const { return m_options.lining; }
    const OptionMap &profileSourceOptions() const { return m_options.profileSource; }
    const OptionMap &materialSourceOptions() const { return m_options.materialSource; }
    const OptionMap &reasonOptions() const { return m_options.reason; }
    const OptionMap &inspectionKindOptions() const { return m_options.inspectionKind; }
    const OptionMap &weatherOptions() const { return m_options.weather; }
    const OptionMap &cleaningOptions() const { return m_options.cleaning; }

    // Orders of the project's sort command.
    static bool lessByDate(const Investigation *a, const Investigation *b);
    static bool lessByFileName(const Investigation *a, const Investigation *b);
    static bool lessBySectionName(const Investigation *a, const Investigation *b);
    static bool lessByVideoNumber(const Investigation *a, const Investigation *b);

    // Which half of the pipe graphic an observation at these clock positions is drawn on.
    static int sideFlag(int clockFrom, int clockTo);

protected:
    // Reads the standard's catalogue and option lists; the subclass constructors call it. Every
    // standard implements it.
    virtual void loadCatalog() = 0;
    // The side file ("*.dat") beside the inspection file: finishSave() writes it and load()
    // reads it. The default holds the client, which the XML files have no place for, on its
    // first line, then one "name=value" line for each other header value the file cannot hold
    // (see fileHoldsInspectionLength); ISYBAU 2001 overrides both with its own list of texts.
    virtual bool writeSideFile(const QString &path) const;
    virtual void readSideFile(const QString &path);
    // Whether the inspection file has a field for the inspection length; where it has none, a
    // length the user entered is kept in the side file.
    virtual bool fileHoldsInspectionLength() const { return true; }
    // The XML writer's steps; save() calls them in this order. writeDocument starts the
    // document and writes the header, and leaves open the elements the observations stand in
    // (EN 13508-2: DATA and ZB; DWA-M 149-2: DATA, HG and HI; ISYBAU 2006: from Identifikation
    // down to Inspektionsdaten; DanDas: DATA). writeObservation writes one observation as a
    // whole element inside them. writeFilms writes what follows the observations (the films of
    // ISYBAU 2006), closes every element writeDocument left open and ends the document. The
    // defaults write nothing; every XML standard overrides all three.
    virtual void writeDocument(QXmlStreamWriter &writer);
    virtual void writeFilms(QXmlStreamWriter &writer);
    virtual void writeObservation(QXmlStreamWriter &writer, int index);
    // The XML reader's steps; the default load() calls each with a reader at the start of the
    // file: first the header, then the observations. The defaults read nothing; DanDas
    // overrides both, EN 13508-2 reads everything in readMainData from its own load(), the
    // other standards read in their own load().
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
    // The whole file at path for a reader, within the size of inspection files and, for XML,
    // free of entity declarations; otherwise false with the load failure noted. While
    // loadContent() runs, the bytes it was handed stand for the file.
    bool readInput(const QString &path, QByteArray &bytes, bool xml = true);
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
    // description's language); photo captions leave it out. The descriptions and photoList()
    // call it; EN 13508-2 overrides it with the catalogue's language.
    virtual QString descriptionPhotoNote() const;

    NormKind m_normKind = NormFreetext;
    QString m_fileName;
    QString m_folder;
    QString m_videoFile;
    bool m_videoCompatible = false;
    HeaderOptions m_options;
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
    const QByteArray *m_loadingContent = nullptr;
};
