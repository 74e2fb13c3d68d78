#pragma once

#include "model/investigation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

// The promises every exchange format keeps, written once and checked for each format:
// - a file this program wrote loads, saves byte for byte as it was, and loads again with the
//   same header and observations;
// - a broken file is reported, naming the file, and is never saved over;
// - what can be read of a partly broken file is kept;
// - a name from a file never leads out of the inspection's folder;
// - a number beyond its range is reported and not taken;
// - a text with characters the file cannot carry is saved without them and loads again.
namespace FormatContract {

// A file of one format and what loading it gives.
struct Sample
{
    QString name;
    QByteArray content;  // null: there is no file at all
    QStringList messages; // parts of the one report the load gives
    Investigation::LoadResult result = Investigation::LoadResult::Partial;
    QStringList header;  // entries of HeaderHelpers::headerFields the load gives
    std::optional<QStringList> codes; // the codes of the observations read, in order
    QVector<QStringList> observations; // for the first observations, entries of recordFields
    // Why the format does not keep this promise yet; the check is then expected to fail, and
    // passes only once the format is mended and this is cleared.
    QString knownFault;
};

struct Format
{
    QString name;
    int normKind = 0;
    QString fileName; // the inspection file's name in its folder
    // A file this program wrote, and its side file; loaded and saved again, both come back
    // byte for byte.
    QString fixture;
    QString sideFixture;
    // Header fields the file does not hold, which a load sets to the time of loading.
    QStringList notStored;
    // What a save writes anew each time (the date of writing), blanked so that files compare.
    std::function<QByteArray(QByteArray)> maskWritingDate = [](QByteArray bytes) { return bytes; };
    // Files that are refused: nothing or part of them is read, and they are not saved over.
    QVector<Sample> broken;
    // A file with some values that cannot be read, and what is read of it.
    Sample partial;
    // Files naming photos outside the folder; empty where the format holds no names.
    QVector<Sample> escapingNames;
    // Files with numbers beyond their range.
    QVector<Sample> outOfRange;
    // Further checks on an inspection whose file was refused, after its save was refused.
    std::function<void(Investigation &, const QString &folder)> afterRefusedSave;
};

// The formats with files of their own, and free text, which keeps nothing on disk.
QVector<Format> formats();
Format format(const QString &name);

// The checks, each in a fresh folder of its own; they report through QTest, so a caller
// checks QTest::currentTestFailed() after each.
void checkResavesUnchanged(const Format &format);
// Every header field saved with a value of its own loads back with that value or none, never
// with the value of another field.
void checkFieldsKeepTheirPlace(const Format &format);
void checkRefused(const Format &format, const Sample &sample);
void checkWhatCanBeReadIsKept(const Format &format);
// Header texts and a remark holding control characters (a manual line break pasted from an
// office program, an escape), U+FFFE, U+FFFF and a lone surrogate are saved, and the file loads
// again with each of those characters left out or replaced by a blank, the rest as written.
void checkTextsWithoutUncarriedCharacters(const Format &format);
// Free text keeps nothing on disk: saving writes no file and leaves a file of its name alone.
void checkFreeTextWritesNothing();

} // namespace FormatContract
