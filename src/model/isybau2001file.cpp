// The fixed-column file of ISYBAU 2001 and ATV M-143-2 inspections and its side file.

#include "model/isybau2001.h"

#include "model/modellog.h"

#include "foundation/atomicfile.h"
#include "foundation/filehelper.h"
#include "foundation/filetext.h"
#include "foundation/readguard.h"
#include "foundation/reporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>

#include <cmath>

using namespace ModelUtils;

namespace {

const int kLineLength = 80;
const int kClockFromColumn = 76;
const int kClockToColumn = 78;
const QString kFileDate = QStringLiteral("dd.MM.yyyy");
const QString kTimeFormat = QStringLiteral("hhmmss");

QTextCodec *windows1252()
{
    return QTextCodec::codecForName("Windows-1252");
}

QString withoutTrailingSpace(const QString &text)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// The running number of a photo named "img_<hhmmss>_<n>.jpg".
int photoNumber(const QString &photoFile)
{
    bool ok = false;
    const int n = photoFile.mid(11, photoFile.size() - 15).toInt(&ok);
    if (ok)
        return n;
    // Names of another form: the number after the last "_", up to the suffix.
    QString tail = photoFile.mid(photoFile.lastIndexOf(QLatin1Char('_')) + 1);
    const int dot = tail.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        tail.truncate(dot);
    return tail.toInt();
}

// The number as its column holds it: with the column's decimals, right-justified. Whether it
// fits is checked before anything is written (see unwritableNumbers).
void putNumber(QString &line, int column, Isybau2001::NumberField field, double value)
{
    const Isybau2001::NumberColumn c = Isybau2001::numberColumn(field);
    putDouble(line, column, c.width, value, c.decimals);
}

QString timeField(const QTime &time)
{
    return time.isValid() ? time.toString(kTimeFormat) + QStringLiteral("00") : QString();
}

} // namespace

// Where the two variants put their fields (columns count from 0).
struct Isybau2001::Layout
{
    QString fileTag;      // line 1
    QString secondTag;    // line 2
    QString headerTags[3];
    QString observationTag;
    int sectionWidth;     // header lines 4 and 5, observation and remark lines
    int streetColumn;
    int startNodeColumn;
    int nodeWidth;
    int endNodeColumn;
    int profileColumn;
    int heightColumn;
    int widthColumn;
    int materialColumn;
    int zeroColumn;
    int directionColumn;
    int lengthColumn;     // -1: the variant does not store the length
    int videoColumn;
    int distanceColumn;
    int timeColumn;
    int codeColumn;
    int value1Column;
    int value2Column;
    int remarkColumn;
    int remarkWidth;
    int photoSectionWidth;
};

// One line read from the observation records, before remark and photo lines are joined.
struct Isybau2001::Row
{
    ObservationRecord record;
    QString remarkPiece; // of a remark line: the piece as stored (see readObservationLines)
};

const Isybau2001::Layout &Isybau2001::layout() const
{
    // The columns of the two variants, field by field.
    struct Column
    {
        int Layout::*field;
        int atv;
        int isybau;
    };
    static const Column columns[] = {
        //                                ATV  ISYBAU
        {&Layout::sectionWidth,           10,  14},
        {&Layout::streetColumn,           19,  22},
        {&Layout::startNodeColumn,        14,  18},
        {&Layout::nodeWidth,              10,  14},
        {&Layout::endNodeColumn,          24,  32},
        {&Layout::profileColumn,          38,  48},
        {&Layout::heightColumn,           40,  50},
        {&Layout::widthColumn,            44,  55},
        {&Layout::materialColumn,         48,  59},
        {&Layout::zeroColumn,             60,  71},
        {&Layout::directionColumn,        62,  72},
        {&Layout::lengthColumn,           64,  -1},
        {&Layout::videoColumn,            71,  73},
        {&Layout::distanceColumn,         14,  18},
        {&Layout::timeColumn,             24,  27},
        {&Layout::codeColumn,             49,  52},
        {&Layout::value1Column,           56,  59},
        {&Layout::value2Column,           64,  66},
        {&Layout::remarkColumn,           56,  59},
        {&Layout::remarkWidth,            24,  21},
        {&Layout::photoSectionWidth,      10,  10},
    };
    // The record tags: "H" and "HI" in ATV files, "LH" and "LI" in ISYBAU files.
    const auto variant = [](const QString &fileTag, const QString &secondTag, const QString &lineTag,
                             int Column::*column) {
        Layout layout{};
        layout.fileTag = fileTag;
        layout.secondTag = secondTag;
        for (int i = 0; i < 3; ++i)
            layout.headerTags[i] = QStringLiteral("%1 %2").arg(lineTag).arg(i + 1);
        layout.observationTag = lineTag + QStringLiteral(" 4");
        for (const Column &c : columns)
            layout.*c.field = c.*column;
        return layout;
    };
    static const Layout atv = variant(QStringLiteral("H 0601"), QStringLiteral("H"), QStringLiteral("HI"), &Column::atv);
    static const Layout isybau =
        variant(QStringLiteral("LH0601"), QStringLiteral("LH"), QStringLiteral("LI"), &Column::isybau);
    return m_normKind == NormATV ? atv : isybau;
}

Isybau2001::NumberColumn Isybau2001::numberColumn(NumberField field)
{
    // A column of that width and decimals holds from fieldMinimum to fieldMaximum.
    const auto column = [](int width, int decimals) {
        return NumberColumn{width, decimals, fieldMinimum(width, decimals), fieldMaximum(width, decimals)};
    };
    // Profile sizes, the length, the damage class and number are never negative.
    const auto positive = [](int width, int decimals) {
        return NumberColumn{width, decimals, 0.0, fieldMaximum(width, decimals)};
    };
    switch (field) {
    case NumberField::Distance:
        return column(6, 2);
    case NumberField::Value1:
        return column(7, 2);
    case NumberField::Value2:
        return column(6, 1);
    case NumberField::Clock: // an hour of the dial, 0 for none
        return NumberColumn{2, 0, 0.0, double(kMaxClock)};
    case NumberField::DamageClass:
    case NumberField::DefectNumber:
        return positive(1, 0);
    case NumberField::Height:
    case NumberField::Width:
        return positive(4, 0);
    case NumberField::Length:
        return positive(6, 2);
    }
    return NumberColumn{0, 0, 0.0, 0.0};
}

QString Isybau2001::numberFieldName(NumberField field)
{
    switch (field) {
    case NumberField::Distance:
        return tr("Entfernung");
    case NumberField::Value1:
        return tr("Wert 1");
    case NumberField::Value2:
        return tr("Wert 2");
    case NumberField::Clock:
        return tr("Uhrzeigerposition");
    case NumberField::DamageClass:
        return tr("Schadensklasse");
    case NumberField::DefectNumber:
        return tr("Schadensnummer");
    case NumberField::Height:
        return tr("Profilhöhe");
    case NumberField::Width:
        return tr("Profilbreite");
    case NumberField::Length:
        return tr("Länge");
    }
    return QString();
}

// --- writing

QStringList Isybau2001::unwritableNumbers() const
{
    QStringList problems;
    // As the writer puts it: rounded to the column's decimals, or cut to a whole number.
    const auto check = [&](const QString &where, NumberField field, double value, bool whole = false) {
        const NumberColumn c = numberColumn(field);
        const double written = whole ? std::trunc(value) : QString::number(value, 'f', c.decimals).toDouble();
        if (std::isfinite(value) && written >= c.minimum && written <= c.maximum)
            return;
        problems << tr("%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).")
                        .arg(where, numberFieldName(field), QString::number(value, 'g', 12),
                             QString::number(c.minimum, 'f', c.decimals), QString::number(c.maximum, 'f', c.decimals));
    };
    const InspectionHeader &h = m_header;
    check(QString(), NumberField::Height, h.height, true);
    check(QString(), NumberField::Width, h.width, true);
    if (layout().lengthColumn >= 0)
        check(QString(), NumberField::Length, h.inspectionLength);
    for (int i = 0; i < m_observations.size(); ++i) {
        const ObservationRecord &o = m_observations.at(i);
        const QString where = tr("Beobachtung %1 (%2): ").arg(i + 1).arg(o.code);
        check(where, NumberField::Distance, o.distance);
        if (!o.code.startsWith(QLatin1String("II"))) {
            check(where, NumberField::Value1, o.quantity1);
            check(where, NumberField::Value2, o.quantity2);
            if (o.clockFrom > 0) {
                check(where, NumberField::Clock, o.clockFrom);
                check(where, NumberField::Clock, o.clockTo);
            }
        }
        if (o.damageClass > 0)
            check(where, NumberField::DamageClass, o.damageClass);
        if (!o.continuousDefect.isEmpty() && !o.code.startsWith(QLatin1Char('K')))
            check(where, NumberField::DefectNumber, o.continuousDefectNumber);
        if (!o.photoFile.isEmpty())
            check(where + tr("Foto %1: ").arg(o.photoFile), NumberField::Value1, double(photoNumber(o.photoFile)) - 1.0);
    }
    return problems;
}

bool Isybau2001::save()
{
    const QString path = filePath();
    if (!mayWrite(path))
        return false;
    // A number cut to its column would read back as another value, or not at all.
    const QStringList unwritable = unwritableNumbers();
    if (!unwritable.isEmpty()) {
        const int shown = 10;
        QStringList lines = unwritable.mid(0, shown);
        if (unwritable.size() > shown)
            lines << tr("(%1 weitere)").arg(unwritable.size() - shown);
        Reporter::error(tr("Die Datei %1 wurde nicht gespeichert:\n%2")
                            .arg(QDir::toNativeSeparators(path), lines.join(QLatin1Char('\n'))));
        return false;
    }

    FileHelper::removeStaleSaveFiles(path);
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec(windows1252());
        writeHeaderLines(stream);
        for (const ObservationRecord &o : qAsConst(m_observations))
            writeObservationLines(stream, o);
    }
    AtomicFile file(path);
    if (!file.open()) {
        Reporter::error(tr("Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2").arg(path, file.errorString()));
        return false;
    }
    if (!file.write(bytes) || !file.commit()) {
        Reporter::error(tr("Die Datei %1 konnte nicht geschrieben werden!\n%2").arg(path, file.errorString()));
        return false;
    }
    return finishSave(path);
}

void Isybau2001::writeHeaderLines(QTextStream &stream) const
{
    const Layout &l = layout();
    const InspectionHeader &h = m_header;
    const QString blank(kLineLength, QLatin1Char(' '));

    QString line = blank;
    putText(line, 0, 6, l.fileTag);
    putText(line, 62, 10, QDate::currentDate().toString(kFileDate));
    writeLine(stream, line, kLineLength);

    line = blank;
    putText(line, 0, l.secondTag.size(), l.secondTag);
    writeLine(stream, line, kLineLength);

    line = blank;
    putText(line, 0, 4, l.headerTags[0]);
    putText(line, 4, 10, h.date.toString(kFileDate));
    putText(line, 14, 30, h.town);
    putText(line, 44, 36, h.inspector);
    writeLine(stream, line, kLineLength);

    line = blank;
    putText(line, 0, 4, l.headerTags[1]);
    putText(line, 4, l.sectionWidth, h.sectionName);
    putText(line, l.streetColumn, 30, h.street);
    writeLine(stream, line, kLineLength);

    line = blank;
    putText(line, 0, 4, l.headerTags[2]);
    putText(line, 4, l.sectionWidth, h.sectionName);
    putText(line, l.startNodeColumn, l.nodeWidth, h.startNode);
    putText(line, l.endNodeColumn, l.nodeWidth, h.endNode);
    putText(line, l.profileColumn, 2, h.profile, false);
    // Whole millimetres: the fraction is dropped, not rounded.
    putNumber(line, l.heightColumn, NumberField::Height, truncatedInt(h.height));
    putNumber(line, l.widthColumn, NumberField::Width, truncatedInt(h.width));
    putText(line, l.materialColumn, 4, h.material);
    putText(line, l.zeroColumn, 1, QStringLiteral("0"));
    putText(line, l.directionColumn, 1, h.direction);
    // Stored where the reader takes it from, so the length survives a save and reload.
    if (l.lengthColumn >= 0)
        putNumber(line, l.lengthColumn, NumberField::Length, h.inspectionLength);
    putText(line, l.videoColumn, 3, h.videoReference);
    writeLine(stream, line, kLineLength);
}

void Isybau2001::writeObservationLines(QTextStream &stream, const ObservationRecord &o) const
{
    const Layout &l = layout();
    auto startLine = [&](int sectionWidth) {
        QString line(kLineLength, QLatin1Char(' '));
        putText(line, 0, 4, l.observationTag);
        putText(line, 4, sectionWidth, m_header.sectionName);
        putNumber(line, l.distanceColumn, NumberField::Distance, o.distance);
        putText(line, l.timeColumn, 8, timeField(o.videoTime));
        return line;
    };

    // The code field: code, damage class, section marker and its number.
    QString code(7, QLatin1Char(' '));
    QString name = o.code.left(4);
    if (name.size() > 1 && name.at(0) == QLatin1Char('K'))
        name[1] = name.at(1).toLower();
    putText(code, 0, 4, name);
    if (o.damageClass > 0)
        putNumber(code, 4, NumberField::DamageClass, o.damageClass);
    if (!o.continuousDefect.isEmpty()) {
        putText(code, 5, 1, o.continuousDefect.left(1));
        if (!code.startsWith(QLatin1Char('K')))
            putNumber(code, 6, NumberField::DefectNumber, o.continuousDefectNumber);
    }

    if (!code.startsWith(QLatin1String("II"))) {
        QString line = startLine(l.sectionWidth);
        putText(line, l.codeColumn, 7, code);
        putNumber(line, l.value1Column, NumberField::Value1, o.quantity1);
        putNumber(line, l.value2Column, NumberField::Value2, o.quantity2);
        if (o.clockFrom > 0) {
            putNumber(line, kClockFromColumn, NumberField::Clock, o.clockFrom);
            putNumber(line, kClockToColumn, NumberField::Clock, o.clockTo);
        }
        writeLine(stream, line, kLineLength);
    }

    // The remark in pieces of the field's width; line breaks become blanks.
    for (int from = 0; from < o.remark.size(); from += l.remarkWidth) {
        QString line = startLine(l.sectionWidth);
        putText(line, l.codeColumn, 2, QStringLiteral("II"));
        putText(line, l.remarkColumn, l.remarkWidth, o.remark.mid(from, l.remarkWidth));
        writeLine(stream, line, kLineLength);
    }

    if (!o.photoFile.isEmpty()) {
        QString line = startLine(l.photoSectionWidth);
        putText(line, l.codeColumn, 7, QStringLiteral("FOTO"));
        putNumber(line, l.value1Column, NumberField::Value1, double(photoNumber(o.photoFile)) - 1.0);
        writeLine(stream, line, kLineLength);
    }
}

bool Isybau2001::writeSideFile(const QString &path) const
{
    const QString sidePath = FileHelper::replaceSuffix(path, QStringLiteral("dat"));
    FileHelper::removeStaleSaveFiles(sidePath);
    const InspectionHeader &h = m_header;
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setCodec("UTF-8");
        for (const QString *text : {&h.client, &h.sewerKind, &h.inspector, &h.town, &h.street, &h.startNode,
                                    &h.endNode, &h.sectionName, &h.sewerKindText, &h.materialText})
            stream << FileText::forLine(*text) << "\r\n";
    }
    AtomicFile file(sidePath);
    if (!file.open()) {
        Reporter::error(tr("Die Datei %1 konnte nicht zum Schreiben geöffnet werden!\n%2").arg(sidePath, file.errorString()));
        return false;
    }
    if (!file.write(bytes) || !file.commit()) {
        Reporter::error(tr("Die Datei %1 konnte nicht geschrieben werden!\n%2").arg(sidePath, file.errorString()));
        return false;
    }
    return true;
}

// --- reading

bool Isybau2001::load(const QString &path)
{
    beginLoad();
    clear();
    m_loadNotes.clear();

    QByteArray bytes;
    if (readInput(path, bytes, false)) {
        QStringList lines = decode(bytes).split(QLatin1Char('\n'));
        for (QString &line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast(); // after the last line end
        readHeaderLines(lines);
        QVector<Row> rows = readObservationLines(lines);
        joinRows(rows, QFileInfo(path).absolutePath() + QLatin1Char('/'));
        for (const Row &row : qAsConst(rows))
            m_observations.append(row.record);
    }
    readSideFile(path);
    // The stored length is kept as it is (the ISYBAU variant stores none); the length shown is
    // derived by inspectedLength().
    setPath(path);

    QStringList unknown;
    for (const ObservationRecord &o : qAsConst(m_observations)) {
        if (!isKnownCode(o.code) && !unknown.contains(o.code))
            unknown << o.code;
    }
    if (!unknown.isEmpty())
        m_loadNotes << tr("Codes, die der Katalog nicht kennt: %1").arg(unknown.join(QStringLiteral(", ")));
    if (!m_loadNotes.isEmpty())
        Reporter::notice(tr("Datei %1:\n%2").arg(QDir::toNativeSeparators(path), m_loadNotes.join(QLatin1Char('\n'))));
    return finishLoad(path);
}

QString Isybau2001::decode(const QByteArray &bytes)
{
    QTextCodec::ConverterState cp1252State;
    const QString asWindows = windows1252()->toUnicode(bytes.constData(), bytes.size(), &cp1252State);
    QTextCodec::ConverterState utf8State;
    const QString asUtf8 = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &utf8State);
    const bool validUtf8 = utf8State.invalidChars == 0 && utf8State.remainingChars == 0;
    const bool nonAscii = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) >= 0x80; });

    bool longLine = false;
    for (const QStringRef &line : asWindows.splitRef(QLatin1Char('\n'))) {
        const int length = line.endsWith(QLatin1Char('\r')) ? line.size() - 1 : line.size();
        if (length > kLineLength) {
            longLine = true;
            break;
        }
    }

    // A line longer than a record when read as Windows-1252 means UTF-8; so does text whose
    // non-ASCII bytes all form UTF-8 characters, which Windows-1252 text practically never does.
    QString text;
    const bool utf8 = (longLine || nonAscii) && validUtf8;
    if (utf8) {
        text = asUtf8;
    } else {
        if (longLine)
            noteStructureProblem(tr("Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.")
                                .arg(kLineLength));
        else if (cp1252State.invalidChars > 0)
            noteStructureProblem(tr("Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind."));
        text = asWindows;
    }
    const bool control = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QLatin1Char('\t');
    });
    if (control)
        noteStructureProblem(tr("Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8."));
    qCDebug(lcModel) << "encoding" << (utf8 ? "UTF-8" : "Windows-1252");
    return text;
}

void Isybau2001::readHeaderLines(const QStringList &lines)
{
    const Layout &l = layout();
    InspectionHeader &h = m_header;
    if (lines.size() < 5)
        noteStructureProblem(tr("Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).").arg(lines.size()));

    const QString expected[5] = {l.fileTag.left(2), l.secondTag, l.headerTags[0], l.headerTags[1], l.headerTags[2]};
    int tagsFound = 0;
    for (int i = 0; i < qMin(5, lines.size()); ++i) {
        if (lines.at(i).startsWith(expected[i]))
            ++tagsFound;
        else
            noteStructureProblem(tr("Zeile %1: Satzkennung \"%2\" statt \"%3\"").arg(i + 1).arg(lines.at(i).left(expected[i].size()), expected[i]));
    }
    // Without a single header record the file is none of this variant.
    if (tagsFound == 0)
        noteLoadFailure(tr("Die Datei hat keinen Kopf einer Datei dieser Art (\"%1\").").arg(l.fileTag));

    auto line = [&](int index) { return lines.value(index).leftJustified(kLineLength, QLatin1Char(' ')); };
    // Sizes are whole millimetres, the length metres with two decimals (see numberColumn).
    auto number = [&](const QString &record, int column, NumberField field) {
        const NumberColumn c = numberColumn(field);
        const QString text = record.mid(column, c.width).trimmed();
        if (text.isEmpty())
            return 0.0;
        bool ok = false;
        QString problem;
        const double value = checkedNumber(text, c.minimum, c.maximum, &ok, &problem);
        if (!ok)
            noteReadProblem(tr("Zeile %1: %2").arg(5).arg(problem));
        return value;
    };

    const QString first = line(2);
    const QString date = getText(first, 4, 10);
    h.date = QDate::fromString(date, kFileDate);
    if (!date.isEmpty() && !h.date.isValid())
        noteReadProblem(tr("Zeile 3: \"%1\" ist kein Datum").arg(date));
    h.town = getText(first, 14, 30);
    h.inspector = getText(first, 44, 36);

    const QString second = line(3);
    h.sectionName = getText(second, 4, l.sectionWidth);
    h.street = getText(second, l.streetColumn, 30);

    const QString third = line(4);
    if (h.sectionName.isEmpty())
        h.sectionName = getText(third, 4, l.sectionWidth);
    h.startNode = getText(third, l.startNodeColumn, l.nodeWidth);
    h.endNode = getText(third, l.endNodeColumn, l.nodeWidth);
    h.profile = getText(third, l.profileColumn, 2);
    h.height = number(third, l.heightColumn, NumberField::Height);
    h.width = number(third, l.widthColumn, NumberField::Width);
    h.material = getText(third, l.materialColumn, 4);
    h.direction = getText(third, l.directionColumn, 1);
    if (l.lengthColumn >= 0)
        h.inspectionLength = number(third, l.lengthColumn, NumberField::Length);
    h.videoReference = getText(third, l.videoColumn, 3);
}

QVector<Isybau2001::Row> Isybau2001::readObservationLines(const QStringList &lines)
{
    const Layout &l = layout();
    QVector<Row> rows;
    for (int index = 5; index < lines.size(); ++index) {
        const QString &stored = lines.at(index);
        const int lineNumber = index + 1;
        if (stored.trimmed().isEmpty())
            continue; // empty lines end nothing
        if (!stored.startsWith(l.observationTag)) {
            if (stored.startsWith(l.fileTag) || stored.startsWith(l.headerTags[0])) {
                noteStructureProblem(tr("Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.").arg(lineNumber));
                break;
            }
            noteReadProblem(tr("Zeile %1: unbekannte Satzkennung \"%2\"").arg(lineNumber).arg(stored.left(4)));
            continue;
        }
        if (stored.size() > kLineLength && !stored.mid(kLineLength).trimmed().isEmpty())
            noteReadProblem(tr("Zeile %1: Text nach Spalte %2 wird nicht gelesen").arg(lineNumber).arg(kLineLength));
        if (stored.size() <= l.codeColumn)
            noteReadProblem(tr("Zeile %1 ist zu kurz: sie endet vor dem Code").arg(lineNumber));

        const QString line = stored.leftJustified(kLineLength, QLatin1Char(' ')).left(kLineLength);
        auto problem = [&](const QString &what, const QString &text) {
            noteReadProblem(tr("Zeile %1: %2 \"%3\" ist ungültig").arg(lineNumber).arg(what, text));
        };
        // A value must fit the field it is written back into.
        auto number = [&](int column, int width, double min, double max, const QString &what) {
            const QString field = getText(line, column, width);
            if (field.isEmpty())
                return 0.0;
            bool ok = false;
            QString why;
            const double value = checkedNumber(field, min, max, &ok, &why);
            if (!ok)
                noteReadProblem(tr("Zeile %1: %2 %3").arg(lineNumber).arg(what, why));
            return value;
        };
        auto fieldNumber = [&](int column, NumberField field) {
            const NumberColumn c = numberColumn(field);
            return number(column, c.width, c.minimum, c.maximum, numberFieldName(field));
        };

        Row row;
        ObservationRecord &o = row.record;
        o.distance = fieldNumber(l.distanceColumn, NumberField::Distance);
        const QString time = getText(line, l.timeColumn, 6);
        o.videoTime = QTime::fromString(time, kTimeFormat);
        if (!time.isEmpty() && !o.videoTime.isValid())
            problem(tr("Zeit"), time);

        const QString code = line.mid(l.codeColumn, 7).trimmed().leftJustified(7, QLatin1Char(' '));
        if (!code.startsWith(QLatin1String("II"))) {
            o.quantity1 = fieldNumber(l.value1Column, NumberField::Value1);
            o.quantity2 = fieldNumber(l.value2Column, NumberField::Value2);
            qCDebug(lcModel) << o.distance << code << o.videoTime << "quant1:" << o.quantity1 << "quant2:" << o.quantity2;
        } else {
            // Pieces before the last one fill their field, blanks at their end included; only a
            // line that stops inside the field (not written by this program) is taken as it is.
            const int fieldEnd = l.remarkColumn + l.remarkWidth;
            const QString piece = line.mid(l.remarkColumn, l.remarkWidth);
            row.remarkPiece = stored.size() >= fieldEnd ? piece : withoutTrailingSpace(piece);
            o.remark = withoutTrailingSpace(piece);
        }

        const QChar damageClass = code.at(4);
        if (damageClass != QLatin1Char(' ')) {
            o.damageClass = damageClass.isDigit() ? damageClass.digitValue() : 0;
            if (!damageClass.isDigit())
                problem(tr("Schadensklasse"), damageClass);
        }
        if (code.at(5) != QLatin1Char(' ')) {
            o.continuousDefect = code.at(5);
            const QChar defectNumber = code.at(6);
            if (!code.startsWith(QLatin1Char('K')) && defectNumber != QLatin1Char(' ')) {
                o.continuousDefectNumber = defectNumber.isDigit() ? defectNumber.digitValue() : 0;
                if (!defectNumber.isDigit())
                    problem(tr("Schadensnummer"), defectNumber);
            }
        }
        // Every line whose code begins "II" carries remark text, and is written back as such.
        o.code = code.startsWith(QLatin1String("II")) ? QStringLiteral("II") : code.left(4).trimmed();
        // On remark lines these columns hold the end of the remark.
        if (!code.startsWith(QLatin1String("II"))) {
            o.clockFrom = int(fieldNumber(kClockFromColumn, NumberField::Clock));
            o.clockTo = int(fieldNumber(kClockToColumn, NumberField::Clock));
        }
        rows.append(row);
    }
    return rows;
}

void Isybau2001::joinRows(QVector<Row> &rows, const QString &folder) const
{
    // Remark pieces of one observation follow each other with the same time.
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows.at(i).record.code.startsWith(QLatin1String("II")))
            continue;
        QString remark = rows.at(i).remarkPiece;
        while (i + 1 < rows.size() && rows.at(i + 1).record.code.startsWith(QLatin1String("II"))
               && rows.at(i + 1).record.videoTime == rows.at(i).record.videoTime) {
            remark += rows.at(i + 1).remarkPiece;
            rows.remove(i + 1);
        }
        rows[i].record.remark = withoutTrailingSpace(remark);
    }

    // A remark belongs to the observation line before it at the same place and time.
    for (int i = 1; i < rows.size();) {
        const ObservationRecord &o = rows.at(i).record;
        const ObservationRecord &before = rows.at(i - 1).record;
        if (o.code == QLatin1String("II") && before.distance == o.distance && before.videoTime == o.videoTime) {
            rows[i - 1].record.remark = o.remark;
            rows.remove(i);
        } else {
            ++i;
        }
    }

    // A remark line without text carries nothing, and nothing of it is written back.
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [](const Row &row) {
                                  return row.record.code == QLatin1String("II") && row.record.remark.isEmpty();
                              }),
               rows.end());

    // A photo line names the photo by its number; the name's time is the photo's own, which
    // may lie a few seconds from the observation's: then the folder's photo of that number is it.
    static const QRegularExpression photoName(QStringLiteral("^img_(\\d{6})_(\\d+)\\.jpg$"));
    const QStringList photos = folder.isEmpty() ? QStringList() : QDir(folder).entryList({QStringLiteral("img_*.jpg")}, QDir::Files, QDir::Name);
    auto photoFor = [&](const QTime &time, int number) {
        const QString name = QStringLiteral("img_%1_%2.jpg").arg(time.toString(kTimeFormat)).arg(number);
        if (photos.contains(name))
            return name;
        QString best;
        int bestDistance = -1;
        for (const QString &photo : photos) {
            const QRegularExpressionMatch match = photoName.match(photo);
            if (!match.hasMatch() || match.captured(2).toInt() != number)
                continue;
            const QTime taken = QTime::fromString(match.captured(1), kTimeFormat);
            const int distance = (taken.isValid() && time.isValid()) ? std::abs(taken.secsTo(time)) : 86400;
            if (bestDistance < 0 || distance < bestDistance) {
                best = photo;
                bestDistance = distance;
            }
        }
        return best.isEmpty() ? name : best;
    };
    for (int i = 0; i < rows.size();) {
        ObservationRecord &o = rows[i].record;
        if (o.code != QLatin1String("FOTO")) {
            ++i;
            continue;
        }
        const QString name = photoFor(o.videoTime, truncatedInt(o.quantity1) + 1);
        if (i > 0 && rows.at(i - 1).record.distance == o.distance && rows.at(i - 1).record.videoTime == o.videoTime) {
            rows[i - 1].record.photoFile = name;
            rows.remove(i);
        } else {
            o.photoFile = name;
            ++i;
        }
    }
}

void Isybau2001::readSideFile(const QString &path)
{
    QFile file(FileHelper::replaceSuffix(path, QStringLiteral("dat")));
    if (!file.exists())
        return;
    QByteArray bytes;
    QString refusal;
    if (!ReadGuard::readFile(file.fileName(), ReadGuard::LargeFileLimit, bytes, refusal)) {
        noteReadProblem(tr("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), refusal));
        return;
    }
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        noteReadProblem(tr("%1 ist kein gültiges UTF-8.").arg(QDir::toNativeSeparators(file.fileName())));
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    InspectionHeader &h = m_header;
    QString *fields[] = {&h.client, &h.sewerKind, &h.inspector, &h.town, &h.street, &h.startNode, &h.endNode,
                         &h.sectionName, &h.sewerKindText, &h.materialText};
    const int count = int(sizeof(fields) / sizeof(fields[0]));
    for (int i = 0; i < qMin(count, lines.size()); ++i)
        *fields[i] = lines.at(i);
    if (lines.size() < count)
        m_loadNotes << tr("Die Begleitdatei %1 hat nur %2 von %3 Zeilen.")
                           .arg(QDir::toNativeSeparators(file.fileName()))
                           .arg(lines.size())
                           .arg(count);
}
