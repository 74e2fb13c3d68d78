#pragma once

#include "model/en135082structur.h"
#include "model/investigation.h"

// The common class of the standards whose observation codes follow the EN 13508-2 scheme. It
// carries the EN-layout catalogue (second base) and implements what depends only on the code
// scheme: the code index, the code groups, the structural-damage test and the pipe markers.
// It also holds the pieces the standards' description texts, header tables and lists share.
class EN135082Investigation : public Investigation, public EN135082Structur
{
    Q_OBJECT

public:
    EN135082Investigation();

    // Sorts the observations by distance (in place, stable) and returns the marked points.
    QList<PipeMarker> pipeMarkers() override;
    bool hasStructuralDamage() const override;
    int codeGroup(const QString &code) const override;
    // Appends every code of the catalogue (types in token order, codes in file order).
    void buildCodeIndex() override;
    // Kind 1, the material text and the sewer kind with the pipe type.
    TocEntry summaryRow() override;

    // A quantity with two decimals when its fractional part is at least 0.01, else none. The
    // observation dialog's live text prints its numbers the same way.
    static QString quantityNumber(double value);

protected:
    // The words of the description texts that differ between the standards.
    struct DescriptionWords
    {
        QString at;             // "bei"
        QString from;           // "von"
        QString to;             // "bis"
        QString oclock;         // "Uhr", put right after the hour
        QString joint;          // "Schaden tritt an der Rohrverbindung auf"
        QString pipeLength;     // "Schaden über die Baulänge eines Rohres"
        QString continuous;     // "Streckenschaden Nr."
        QString begin;          // "Anfang"
        QString end;            // "Ende"
        QString photo;          // ", Foto angelegt" (with its comma)
    };
    // The German words, untranslated.
    static DescriptionWords germanDescriptionWords();

    // The code's catalogue text with the texts of its characterisations.
    QString catalogueDescription(const ObservationRecord &observation) const;
    // ", " quantity 1 and its unit when the code with its characterisation 1 has one, then
    // likewise quantity 2.
    QString quantityDescription(const ObservationRecord &observation) const;
    // Clock position, joint, damageText, continuous defect, remark and photo note.
    static QString descriptionTail(const ObservationRecord &observation, const DescriptionWords &words,
                                   const QString &damageText);

    // The short header list of the report: the standard's name, then date, inspector, client,
    // town, street, nodes, material, profile, width, height, the sewer text given, direction,
    // video reference, the inspected length and an empty entry.
    QStringList shortHeaderList(const QString &normName, const QString &sewerText) const;

    // Inserts a start-node observation ("BCD" with the characterisation given) at the front and
    // returns its code, characterisation, a blank and its description.
    QString insertStartNode(const QTime &videoTime, const QString &character1);

    // The text shown for an option code: the option's text, empty when the code is not listed.
    static QString optionText(const OptionMap &options, const QString &code);
    // "%1mm" without decimals and "%1m" with two.
    static QString millimetreText(double value);
    static QString metreText(double value);
    // The sewer class of an option text: 1, 2 or 3 for the first of the three words (storm
    // water, foul water, combined) that the text contains, 0 for none.
    static int sewerClass(const QString &text, const char *const (&words)[3]);
    // Continuous defects are numbered from 1 in the exchange files, as the user sees them, and
    // from 0 in the records. Readers put the file's numbers into the records as they stand (-1
    // where a marker has none); this takes them to the records' count. Files of earlier versions
    // of this program carry the records' count, which a 0 among the numbers gives away: those
    // are taken as they are.
    static void takeFileDefectNumbers(QVector<ObservationRecord> &observations);
    // Two texts joined by ", "; the separator is left out when one of them is empty.
    static QString joinedTexts(const QString &first, const QString &second);
    // Millimetres as the whole number the files store: truncated toward zero, 0 for values that
    // are not finite, bounded to the int range.
    static int truncatedMillimetres(double value);
};
