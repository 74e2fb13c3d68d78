#pragma once

#include "model/investigation.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One damage name (with its allowed conditions and positions) or one control code of the
// catalogue shared by ISYBAU 2001 and ATV M-143-2.
struct AtvEntry
{
    QString name;        // two-character damage name ("BA", "Ks") or control code ("HA")
    QString text;
    QString condition;   // comma-separated condition characters
    QString position;    // comma-separated position characters
    QString numadd1;     // unit of number 1; empty or "-": none
    QString numadd1Text;
    QString numadd2;
    QString numadd2Text;
    QString snumadd1;    // comma-separated keys of coded values
    QString snumadd2;
};

struct AtvCatalogType
{
    QString name; // one character; "X" holds the control codes
    QString text;
    QList<AtvEntry> entries; // in file order
};

// An inspection coded after ISYBAU 2001 (normKind 2, file suffix ".lh") or ATV M-143-2
// (normKind 1, suffix ".h"). Both are stored in the same fixed-column text file of 80-character
// records, told apart by the normKind alone, with a ten-line side file of the long header texts.
class Isybau2001 : public Investigation
{
    Q_OBJECT

public:
    // Constructs an ATV M-143-2 inspection; set normKind 2 for ISYBAU 2001.
    Isybau2001();

    bool load(const QString &path) override;
    bool save() override;
    QVector<ObservationRow> observationRows() override;
    QList<PipeMarker> pipeMarkers() override;
    TocEntry summaryRow() override;
    bool hasStructuralDamage() const override;
    int codeGroup(const QString &code) const override;
    ModelUtils::TextTable mainDataTable() const override;
    QString addStartNode(const QTime &videoTime) override;
    int systemText() const override;
    QString observationDescription(const ObservationRecord &observation) const override;
    // The video reference has three columns in the file; the side file keeps the other texts.
    int headerTextLength(QString InspectionHeader::*field) const override;
    void buildCodeIndex() override;
    QStringList mainDataList() const override;
    QStringList mainDataListFull() const override;
    QVector<PrintJob> inspectionPrintJob() override;
    QVector<PrintJob> photoPrintJob() override;

    // --- lookups of the observation dialog
    bool isControlCode(const QString &code) const;
    // 2 for "K" and every damage code, 0 for the other control codes.
    int positionKind(const QString &code) const;
    QString numAdd1Text(const QString &code) const;
    QString numAdd2Text(const QString &code) const;
    bool hasNumAdd1(const QString &code) const;
    bool hasNumAdd2(const QString &code) const;
    // The index-th key of the code's coded values; empty when there is none at that index.
    QString snumAdd1Value(const QString &code, int index) const;
    // The texts of the code's coded values, in the order of their keys.
    QStringList snumAdd1List(const QString &code) const;
    bool hasSnumAdd1(const QString &code) const;
    QString snumText(int key) const;

    // The numbers of the fixed-column file. Each stands in a column of a set width with a set
    // number of decimals, which bounds the values it holds; the dialogs offer that range and a
    // save refuses a value beyond it rather than cut its digits. The widths and decimals are
    // the same in both variants.
    enum class NumberField { Distance, Value1, Value2, Clock, DamageClass, DefectNumber, Height, Width, Length };
    struct NumberColumn
    {
        int width;
        int decimals;
        double minimum;
        double maximum;
    };
    static NumberColumn numberColumn(NumberField field);
    // The field's name as messages show it.
    static QString numberFieldName(NumberField field);

    // Rewrites the inspection in the other variant (".h" <-> ".lh"). The old file is removed
    // only once the new one is written. False, reported, when nothing was converted.
    bool convert();

    // The catalogue entry a code stands for, or null. Control codes are compared exactly; the
    // sanitation names ("Ks", "Kn", ...) are found whatever the case of their second letter.
    const AtvEntry *matchingEntry(const QString &code) const;
    const QMap<QString, AtvCatalogType> &catalog() const { return m_catalog; }
    const OptionMap &conditionOptions() const { return m_conditionOptions; }
    const OptionMap &positionOptions() const { return m_positionOptions; }
    const OptionMap &snumOptions() const { return m_snumOptions; }

    // The material and sewer-kind texts shown: the free text where a "special" option is chosen.
    QString materialDisplayText() const;
    QString systemDisplayText() const;

protected:
    void loadCatalog() override;
    bool writeSideFile(const QString &path) const override;
    void readSideFile(const QString &path) override;

private:
    struct Layout;
    struct Row;
    const Layout &layout() const;

    // The option lists the catalogue's "texte" section fills, by list name.
    QHash<QString, OptionMap *> optionLists();
    void readCatalogFile();
    void readCatalogType(QXmlStreamReader &reader);
    void readCatalogTexts(QXmlStreamReader &reader);
    const AtvEntry *findEntry(const QString &typeName, const QString &name, const QString &condition,
                              const QString &position) const;
    QStringList snumKeys(const QString &code) const;
    bool isKnownCode(const QString &code) const;

    // The fixed-column file
    QString decode(const QByteArray &bytes);
    void readHeaderLines(const QStringList &lines);
    QVector<Row> readObservationLines(const QStringList &lines);
    void joinRows(QVector<Row> &rows, const QString &folder) const;
    // What the file cannot hold, one line per value; empty when every value fits its column.
    QStringList unwritableNumbers() const;
    void writeHeaderLines(QTextStream &stream) const;
    void writeObservationLines(QTextStream &stream, const ObservationRecord &observation) const;

    QMap<QString, AtvCatalogType> m_catalog;
    OptionMap m_conditionOptions;
    OptionMap m_positionOptions;
    OptionMap m_snumOptions;
    QStringList m_loadNotes; // reported once as a notice at the end of a load
};
