#include "formatcontract.h"

#include "fixedcolumns.h"
#include "headerhelpers.h"
#include "inspections.h"
#include "recordfields.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <iterator>

using namespace TestFiles;

namespace FormatContract {

namespace {

const QString kFixtures = QStringLiteral(ZZ_MODEL_FIXTURES_DIR "/");

using Result = Investigation::LoadResult;

Sample sample(const QString &name, const QByteArray &content, const QStringList &messages, Result result = Result::Partial)
{
    Sample s;
    s.name = name;
    s.content = content;
    s.messages = messages;
    s.result = result;
    return s;
}

Sample withCodes(Sample s, const QStringList &codes, const QStringList &header = QStringList())
{
    s.codes = codes;
    s.header = header;
    return s;
}

// The number beyond its range is not taken: the clock position or the height reads as none.
Sample clockNotTaken(Sample s)
{
    s.observations = {{QStringLiteral("clockFrom=0")}};
    return s;
}

Sample heightNotTaken(Sample s)
{
    s.header = QStringList{QStringLiteral("height=0")};
    return s;
}

const QString kClockMessage = QStringLiteral("\"13\" liegt nicht zwischen 0 und 12");
const QString kHeightMessage = QStringLiteral("\"1e99\" liegt nicht zwischen 0 und 99999.99");

QString today()
{
    return QStringLiteral("date=") + QDate::currentDate().toString(Qt::ISODate);
}

// --- EN 13508-2 ---

Format en135082()
{
    Format f;
    f.name = QStringLiteral("EN 13508-2");
    f.normKind = NormEN135082;
    f.fileName = QStringLiteral("H12.xml");
    f.fixture = kFixtures + QStringLiteral("en/inspection.xml");
    f.sideFixture = kFixtures + QStringLiteral("en/inspection.dat");
    const QByteArray head = "<DATA><ZB><AAA>H1</AAA>";
    const QByteArray tail = "</ZB></DATA>";
    f.broken = {
        sample(QStringLiteral("missing file"), QByteArray(), {}, Result::Failed),
        sample(QStringLiteral("empty file"), QByteArray(""), {}, Result::Failed),
        sample(QStringLiteral("not XML"), QByteArray("AAA;H1\nZC;BAB;1.00\n"), {}, Result::Failed),
        sample(QStringLiteral("another kind of file"), QByteArray("<Test><Header/></Test>"), {QStringLiteral("Wurzelelement")},
               Result::Failed),
        sample(QStringLiteral("truncated"), head + "<ZC><A>BAB</A><I>1.00</I></ZC><ZC><A>BA", {}),
    };
    f.partial = sample(QStringLiteral("what can be read"),
                       "<DATA><ZB><AAA>H1</AAA><ACB>abc</ACB><ZC><A>BAB</A><I>1.5</I></ZC><ZC><A>BBA</A><I>x</I></ZC></ZB></DATA>",
                       {QStringLiteral("abc"), QStringLiteral("\"x\"")});
    f.partial.header = QStringList{QStringLiteral("sectionName=H1")};
    f.partial.codes = QStringList{QStringLiteral("BAB"), QStringLiteral("BBA")};
    f.partial.observations = {{QStringLiteral("distance=1.5")}};
    f.escapingNames = {sample(QStringLiteral("photo outside the folder"), head + "<ZC><A>BAB</A><M>../../etc/x.jpg</M></ZC>" + tail,
                              {QStringLiteral("../../etc/x.jpg")})};
    f.outOfRange = {
        sample(QStringLiteral("distance not finite"), head + "<ZC><A>BAB</A><I>nan</I></ZC>" + tail, {QStringLiteral("nan")}),
        clockNotTaken(sample(QStringLiteral("clock beyond the dial"), head + "<ZC><A>BAB</A><G>13</G></ZC>" + tail, {kClockMessage})),
        heightNotTaken(sample(QStringLiteral("height beyond the field"), head + "<ACB>1e99</ACB>" + tail, {kHeightMessage})),
    };
    return f;
}

// --- DWA-M 149-2 ---

// A small file as other programs write it, with the header around the given records.
QByteArray dwaFile(const QByteArray &records, const QByteArray &header = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DATA><FD><FD001>04-2010</FD001></FD><HG><HG001>H1</HG001>" + header
           + "<HI><HI104>2025-05-06</HI104>" + records + "</HI></HG></DATA>";
}

Format dwam1492()
{
    Format f;
    f.name = QStringLiteral("DWA-M 149-2");
    f.normKind = NormDWAM1492;
    f.fileName = QStringLiteral("H12.xml");
    f.fixture = kFixtures + QStringLiteral("dwa/inspection.xml");
    f.sideFixture = kFixtures + QStringLiteral("dwa/inspection.dat");
    f.broken = {
        sample(QStringLiteral("missing file"), QByteArray(), {}, Result::Failed),
        sample(QStringLiteral("empty file"), QByteArray(""), {}, Result::Failed),
        sample(QStringLiteral("not XML"), QByteArray("HG001;H1\nHZ001;1.0\n"), {}, Result::Failed),
        sample(QStringLiteral("truncated"), dwaFile("<HZ><HZ001>1.0</HZ001></HZ><HZ><HZ0").left(150), {}),
        sample(QStringLiteral("another kind of file"), QByteArray("<Identifikation><Version>2006-10</Version></Identifikation>"),
               {QStringLiteral("Wurzelelement")}, Result::Failed),
    };
    f.partial = sample(QStringLiteral("what can be read"),
                       dwaFile("<HZ><HZ001>1.5</HZ001><HZ002>BAB</HZ002></HZ><HZ><HZ001>x</HZ001><HZ002>BBA</HZ002></HZ>",
                               "<HG306>abc</HG306><HG004>S2</HG004>"),
                       {QStringLiteral("abc"), QStringLiteral("\"x\"")});
    f.partial.header = QStringList{QStringLiteral("sectionName=H1"), QStringLiteral("endNode=S2")};
    f.partial.codes = QStringList{QStringLiteral("BAB"), QStringLiteral("BBA")};
    f.partial.observations = {{QStringLiteral("distance=1.5")}};
    f.escapingNames = {sample(QStringLiteral("photo outside the folder"), dwaFile("<HZ><HZ009>../../etc/x.jpg</HZ009></HZ>"),
                              {QStringLiteral("../../etc/x.jpg")})};
    f.outOfRange = {
        sample(QStringLiteral("distance not finite"), dwaFile("<HZ><HZ001>inf</HZ001></HZ>"), {QStringLiteral("inf")}),
        sample(QStringLiteral("video time out of range"), dwaFile("<HZ><HZ008>25:00:00</HZ008></HZ>"), {QStringLiteral("25:00:00")}),
        clockNotTaken(sample(QStringLiteral("clock beyond the dial"), dwaFile("<HZ><HZ001>1.0</HZ001><HZ006>13</HZ006></HZ>"), {kClockMessage})),
        heightNotTaken(sample(QStringLiteral("height beyond the field"), dwaFile("", "<HG306>1e99</HG306>"), {kHeightMessage})),
    };
    return f;
}

// --- ISYBAU 2006 ---

// A small file as other programs write it: one inspected pipe with the given records.
QByteArray isybauFile(const QByteArray &records, const QByteArray &grunddaten = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<Identifikation xmlns=\"http://www.ofd-hannover.la/Identifikation\"><Datenkollektive><Zustandsdatenkollektiv>"
           "<InspizierteAbwassertechnischeAnlage><Objektbezeichnung>H1</Objektbezeichnung><OptischeInspektion>"
           "<Rohrleitung><RGrunddaten>"
           + grunddaten + "</RGrunddaten><Inspektionsdaten>" + records
           + "</Inspektionsdaten></Rohrleitung></OptischeInspektion></InspizierteAbwassertechnischeAnlage>"
             "</Zustandsdatenkollektiv></Datenkollektive></Identifikation>";
}

Format isybau2006()
{
    Format f;
    f.name = QStringLiteral("ISYBAU 2006");
    f.normKind = NormIsybau2006;
    f.fileName = QStringLiteral("H12.xml");
    f.fixture = kFixtures + QStringLiteral("isybau2006/inspection.xml");
    f.sideFixture = kFixtures + QStringLiteral("isybau2006/inspection.dat");
    // The collective carries the day it was written.
    f.maskWritingDate = [](QByteArray bytes) {
        static const QRegularExpression written(QStringLiteral("<(Erstellungsdatum|Bearbeitungsstand)>[^<]*</"));
        return QString::fromUtf8(bytes).replace(written, QStringLiteral("<\\1>yyyy-MM-dd</")).toUtf8();
    };
    const QByteArray record = "<RZustand><Station>1.0</Station>";
    f.broken = {
        sample(QStringLiteral("missing file"), QByteArray(), {}, Result::Failed),
        sample(QStringLiteral("empty file"), QByteArray(""), {}, Result::Failed),
        sample(QStringLiteral("not XML"), QByteArray("Objektbezeichnung;H1\n"), {}, Result::Failed),
        sample(QStringLiteral("truncated"), isybauFile(record + "</RZustand>" + record + "</RZustand>").left(400), {}, Result::Failed),
        sample(QStringLiteral("another kind of file"), QByteArray("<DATA><HG><HG001>H1</HG001></HG></DATA>"),
               {QStringLiteral("Wurzelelement")}, Result::Failed),
    };
    f.partial = sample(QStringLiteral("what can be read"),
                       isybauFile("<RZustand><Station>1.5</Station><InspektionsKode>BAB</InspektionsKode></RZustand>"
                                  "<RZustand><Station>x</Station><InspektionsKode>BBA</InspektionsKode></RZustand>",
                                  "<Profilhoehe>abc</Profilhoehe><KnotenAblauf>S2</KnotenAblauf>"),
                       {QStringLiteral("abc"), QStringLiteral("\"x\"")});
    f.partial.header = QStringList{QStringLiteral("sectionName=H1"), QStringLiteral("endNode=S2")};
    f.partial.codes = QStringList{QStringLiteral("BAB"), QStringLiteral("BBA")};
    f.partial.observations = {{QStringLiteral("distance=1.5")}};
    f.escapingNames = {sample(QStringLiteral("photo outside the folder"), isybauFile(record + "<Fotodatei>..\\x.jpg</Fotodatei></RZustand>"),
                              {QStringLiteral("x.jpg")})};
    f.outOfRange = {
        sample(QStringLiteral("negative frame"), isybauFile(record + "<Frame>-25</Frame></RZustand>"), {QStringLiteral("-25")}),
        sample(QStringLiteral("frame beyond a day"), isybauFile(record + "<Frame>2160000</Frame></RZustand>"), {QStringLiteral("2160000")}),
        clockNotTaken(sample(QStringLiteral("clock beyond the dial"), isybauFile(record + "<PositionVon>13</PositionVon></RZustand>"),
                             {kClockMessage})),
        heightNotTaken(sample(QStringLiteral("height beyond the field"), isybauFile("", "<Profilhoehe>1e99</Profilhoehe>"), {kHeightMessage})),
    };
    return f;
}

// --- ATV M-143-2 and ISYBAU 2001 ---

Format fixedColumns(int normKind)
{
    using namespace FixedColumns;
    const bool atv = normKind == NormATV;
    Format f;
    f.name = atv ? QStringLiteral("ATV M-143-2") : QStringLiteral("ISYBAU 2001");
    f.normKind = normKind;
    f.fileName = atv ? QStringLiteral("H1.h") : QStringLiteral("H1.lh");
    f.notStored = QStringList{QStringLiteral("time")};
    f.fixture = kFixtures + (atv ? QStringLiteral("isybau2001/atv.h") : QStringLiteral("isybau2001/isybau.lh"));
    f.sideFixture = kFixtures + (atv ? QStringLiteral("isybau2001/atv.dat") : QStringLiteral("isybau2001/isybau.dat"));
    // The first record carries the day it was written.
    f.maskWritingDate = [](QByteArray bytes) { return bytes.replace(62, 10, "dd.MM.yyyy"); };
    // Neither saved over nor converted away from the file.
    f.afterRefusedSave = [](Investigation &inv, const QString &folder) {
        const QString other = inv.normKind() == NormATV ? QStringLiteral("H1.lh") : QStringLiteral("H1.h");
        ReporterCapture capture;
        QVERIFY(!static_cast<Isybau2001 &>(inv).convert());
        QCOMPARE(capture.errors().size(), 1);
        QVERIFY(!QFile::exists(folder + other));
    };
    f.broken = {withCodes(sample(QStringLiteral("missing file"), QByteArray(), {}, Result::Failed), {}, {today()})};

    // The remaining samples are ISYBAU 2001 files, also where the ATV variant would read them the
    // same way: the checks load them as the variant their name says.
    if (atv)
        return f;
    const QByteArray before = isybauObservation(QStringLiteral("1.00"), QStringLiteral("000010"), QStringLiteral("BAAO"));
    const QByteArray after = isybauObservation(QStringLiteral("3.00"), QStringLiteral("000030"), QStringLiteral("EH"));
    f.partial = sample(QStringLiteral("what can be read"),
                       isybauHeader() + before
                           + isybauObservation(QStringLiteral("2,5"), QStringLiteral("000020"), QStringLiteral("RLAO"))
                           + isybauObservation(QStringLiteral("2.00"), QStringLiteral("000020"), QStringLiteral("RLAO"),
                                               QStringLiteral("ab"))
                           + after,
                       {QStringLiteral("Zeile 7: Entfernung \"2,5\" ist keine Zahl"), QStringLiteral("Wert 1 \"ab\" ist keine Zahl")});
    f.partial.header = QStringList{QStringLiteral("sectionName=H1"), QStringLiteral("street=Weg"), QStringLiteral("endNode=S2")};
    f.partial.codes = QStringList{QStringLiteral("BAAO"), QStringLiteral("RLAO"), QStringLiteral("RLAO"), QStringLiteral("EH")};
    f.partial.observations = {{QStringLiteral("distance=1")}};
    // Numbers must be finite and fit the field they are written back into.
    f.outOfRange = {
        withCodes(sample(QStringLiteral("height beyond the field"), isybauHeaderWithSize(QStringLiteral("1e99"), QStringLiteral(" 300")) + before + after,
                         {QStringLiteral("Zeile 5: \"1e99\" liegt nicht zwischen 0 und 9999")}),
                  {QStringLiteral("BAAO"), QStringLiteral("EH")}),
        withCodes(sample(QStringLiteral("width not finite"), isybauHeaderWithSize(QStringLiteral(" 300"), QStringLiteral(" nan")) + before + after,
                         {QStringLiteral("Zeile 5: \"nan\" ist keine Zahl")}),
                  {QStringLiteral("BAAO"), QStringLiteral("EH")}),
        withCodes(sample(QStringLiteral("photo number beyond the field"),
                         isybauHeader() + before
                             + isybauObservation(QStringLiteral("1.00"), QStringLiteral("000010"), QStringLiteral("FOTO"), QStringLiteral("1e99"))
                             + after,
                         {QStringLiteral("Zeile 7: Wert 1 \"1e99\" liegt nicht zwischen -999.99 und 9999.99")}),
                  {QStringLiteral("BAAO"), QStringLiteral("EH")}),
        withCodes(sample(QStringLiteral("distance beyond the field"),
                         isybauHeader() + before
                             + isybauObservation(QStringLiteral("1e300"), QStringLiteral("000020"), QStringLiteral("RLAO")) + after,
                         {QStringLiteral("Zeile 7: Entfernung \"1e300\" liegt nicht zwischen -99.99 und 999.99")}),
                  {QStringLiteral("BAAO"), QStringLiteral("RLAO"), QStringLiteral("EH")}),
        withCodes(sample(QStringLiteral("clock beyond the dial"),
                         isybauHeader() + before
                             + isybauObservation(QStringLiteral("2.00"), QStringLiteral("000020"), QStringLiteral("RLAO"), QString(),
                                                 QStringLiteral("13 4"))
                             + after,
                         {QStringLiteral("Zeile 7: Uhrzeigerposition \"13\" liegt nicht zwischen 0 und 12")}),
                  {QStringLiteral("BAAO"), QStringLiteral("RLAO"), QStringLiteral("EH")}),
    };
    return f;
}

// --- DanDas ---

Format danDas()
{
    Format f;
    f.name = QStringLiteral("DanDas");
    f.normKind = NormDanDas;
    f.fileName = QStringLiteral("L17.xml");
    f.notStored = QStringList{QStringLiteral("time")};
    f.fixture = kFixtures + QStringLiteral("dandas/inspection.xml");
    f.sideFixture = kFixtures + QStringLiteral("dandas/inspection.dat");
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DATA><DZB><AAA>L17</AAA>";
    const QStringList l17{QStringLiteral("sectionName=L17")};
    f.broken = {
        sample(QStringLiteral("missing file"), QByteArray(), {}, Result::Failed),
        sample(QStringLiteral("empty file"), QByteArray(""), {}, Result::Failed),
        sample(QStringLiteral("not XML"), QByteArray("AAA;L17\nDZC;RB\n"), {}, Result::Failed),
        withCodes(sample(QStringLiteral("truncated"), head + "</DZB><DZC><A>RB</A></DZC><DZC><A>OB</A><C>2", {}), {QStringLiteral("RB")}, l17),
        sample(QStringLiteral("another kind of file"), QByteArray("<?xml version=\"1.0\"?><DATA><ZB><AAA>H1</AAA></ZB></DATA>"), {},
               Result::Failed),
    };
    f.partial = sample(QStringLiteral("what can be read"),
                       head + "<AAK>dreihundert</AAK></DZB><DZC><A>RB</A><C>4,5</C></DZC><DZC><A>OB</A><C>5</C></DZC></DATA>",
                       {QStringLiteral("\"dreihundert\" ist keine Zahl"), QStringLiteral("4,5")});
    f.partial.header = l17;
    f.partial.codes = QStringList{QStringLiteral("RB"), QStringLiteral("OB")};
    f.partial.observations = {{QStringLiteral("code=RB")}, {QStringLiteral("distance=5")}};
    f.escapingNames = {withCodes(sample(QStringLiteral("photo outside the folder"),
                                        head + "</DZB><DZC><A>RB</A><H>../../etc/bild.jpg</H></DZC><DZC><A>OB</A><H>img_1_2.jpg</H></DZC></DATA>",
                                        {QStringLiteral("führt aus dem Ordner")}),
                                 {QStringLiteral("RB"), QStringLiteral("OB")}, l17)};
    // Numbers must be finite and within their field's range.
    f.outOfRange = {
        withCodes(sample(QStringLiteral("size not finite"), head + "<AAK>nan</AAK></DZB><DZC><A>RB</A></DZC></DATA>",
                         {QStringLiteral("\"nan\" ist keine Zahl")}),
                  {QStringLiteral("RB")}, l17),
        withCodes(sample(QStringLiteral("size beyond the range"), head + "<AAL>1e99</AAL></DZB><DZC><A>RB</A></DZC></DATA>",
                         {QStringLiteral("\"1e99\" liegt nicht zwischen 0 und")}),
                  {QStringLiteral("RB")}, l17),
        withCodes(sample(QStringLiteral("distance not finite"), head + "</DZB><DZC><A>RB</A><C>inf</C></DZC></DATA>",
                         {QStringLiteral("\"inf\" ist keine Zahl")}),
                  {QStringLiteral("RB")}, l17),
    };
    return f;
}

// A folder of its own, with the messages of the check captured.
struct Place
{
    TestEnvironment env;
    ReporterCapture capture;
    QString folder;
    Place()
    {
        folder = env.root() + QStringLiteral("/H1/");
        QDir().mkpath(folder);
    }
};

QString sidePath(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".dat");
}

// Whether every entry of part is among whole.
void compareSubset(const QStringList &whole, const QStringList &part)
{
    for (const QString &entry : part)
        QVERIFY2(whole.contains(entry), qPrintable(entry + QStringLiteral(" not in ") + whole.join(QStringLiteral(", "))));
}

// The header fields the format's files hold, as "name=value".
QStringList storedHeader(const Format &f, const InspectionHeader &header)
{
    QStringList fields = HeaderHelpers::headerFields(header);
    for (const QString &name : f.notStored)
        fields.erase(std::remove_if(fields.begin(), fields.end(),
                                    [&](const QString &field) { return field.startsWith(name + QLatin1Char('=')); }),
                     fields.end());
    return fields;
}

// What the sample says the load gives.
void checkWhatWasRead(const Investigation &inv, const Sample &s)
{
    compareSubset(HeaderHelpers::headerFields(inv.mainData()), s.header);
    if (QTest::currentTestFailed())
        return;
    const QVector<ObservationRecord> observations = inv.observations();
    if (s.codes) {
        QStringList codes;
        for (const ObservationRecord &o : observations)
            codes << o.code;
        QCOMPARE(codes, *s.codes);
    }
    QVERIFY(observations.size() >= s.observations.size());
    for (int i = 0; i < s.observations.size(); ++i) {
        compareSubset(recordFields(observations.at(i)), s.observations.at(i));
        if (QTest::currentTestFailed())
            return;
    }
}

// No name read from a file leads out of the folder.
void checkNamesStayInside(const Investigation &inv, const QString &folder)
{
    for (const ObservationRecord &o : inv.observations()) {
        QVERIFY2(!o.photoFile.contains(QLatin1Char('/')) && !o.photoFile.contains(QLatin1Char('\\')) && o.photoFile != QLatin1String(".."),
                 qPrintable(o.photoFile));
    }
    for (const QString &photo : inv.photoFiles())
        QVERIFY2(QDir::cleanPath(photo).startsWith(folder), qPrintable(photo));
}

// Loads the sample as the format and checks that it is refused, reported once and naming the
// file, with what could be read kept; then that it is not saved over. The inspection is left
// as loaded, for the caller's last step.
std::unique_ptr<Investigation> loadRefused(const Format &f, const Sample &s, Place &place)
{
    const QString path = place.folder + f.fileName;
    const bool exists = !s.content.isNull();
    if (exists)
        writeFile(path, s.content);
    std::unique_ptr<Investigation> inv = makeInspection(f.normKind);
    [&] {
        if (!s.knownFault.isEmpty())
            QEXPECT_FAIL("", qPrintable(s.knownFault), Abort);
        QVERIFY(!inv->load(path));
        QVERIFY(inv->loadFailed());
        QCOMPARE(inv->loadResult(), s.result);
        QCOMPARE(inv->fileName(), f.fileName);
        QCOMPARE(place.capture.errors().size(), 1);
        const QString report = place.capture.errors().first();
        QVERIFY2(report.contains(f.fileName), qPrintable(report));
        for (const QString &message : s.messages)
            QVERIFY2(report.contains(message), qPrintable(report));
        checkWhatWasRead(*inv, s);
        if (QTest::currentTestFailed())
            return;
        checkNamesStayInside(*inv, place.folder);
        if (QTest::currentTestFailed())
            return;

        // Never saved over.
        place.capture.clear();
        QVERIFY(!inv->save());
        QCOMPARE(place.capture.errors().size(), 1);
        QVERIFY2(place.capture.errors().first().contains(QStringLiteral("wird nicht überschrieben")),
                 qPrintable(place.capture.errors().first()));
        if (f.afterRefusedSave) {
            f.afterRefusedSave(*inv, place.folder);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(QFile::exists(path), exists);
        if (exists)
            QCOMPARE(readAll(path), s.content);
    }();
    return inv;
}

} // namespace

QVector<Format> formats()
{
    return {en135082(), dwam1492(), isybau2006(), fixedColumns(NormIsybau2001), fixedColumns(NormATV), danDas()};
}

Format format(const QString &name)
{
    for (const Format &f : formats()) {
        if (f.name == name)
            return f;
    }
    return Format();
}

void checkResavesUnchanged(const Format &f)
{
    Place place;
    const QString path = place.folder + f.fileName;
    const QByteArray original = readAll(f.fixture);
    QVERIFY2(!original.isEmpty(), qPrintable(f.fixture));
    writeFile(path, original);
    if (!f.sideFixture.isEmpty())
        writeFile(sidePath(path), readAll(f.sideFixture));

    std::unique_ptr<Investigation> first = makeInspection(f.normKind);
    QVERIFY2(first->load(path), qPrintable(place.capture.errors().join(QLatin1Char('\n'))));
    QVERIFY(place.capture.errors().isEmpty());
    QVERIFY(place.capture.notices().isEmpty());

    // Saved without edits, the file is the same byte for byte, but for the date of writing.
    QVERIFY(first->save());
    QCOMPARE(f.maskWritingDate(readAll(path)), f.maskWritingDate(original));
    if (!f.sideFixture.isEmpty())
        QCOMPARE(readAll(sidePath(path)), readAll(f.sideFixture));

    // And it loads again as it was.
    std::unique_ptr<Investigation> second = makeInspection(f.normKind);
    QVERIFY(second->load(path));
    QCOMPARE(storedHeader(f, second->mainData()), storedHeader(f, first->mainData()));
    QCOMPARE(second->observations().size(), first->observations().size());
    for (int i = 0; i < first->observations().size(); ++i)
        QCOMPARE(recordFields(second->observations().at(i)), recordFields(first->observations().at(i)));
    QVERIFY(place.capture.errors().isEmpty());
}

void checkFieldsKeepTheirPlace(const Format &f)
{
    using H = InspectionHeader;
    QString H::*const texts[] = {
        &H::client, &H::company, &H::inspector, &H::town, &H::street, &H::sectionName, &H::orderNumber,
        &H::startNode, &H::endNode, &H::startNodeType, &H::endNodeType, &H::profile, &H::profileSource,
        &H::material, &H::materialSource, &H::liningMaterial, &H::lining, &H::protection, &H::inspectionMethod,
        &H::weather, &H::sewerKind, &H::pipeType, &H::installationType, &H::inspectionKind, &H::videoReference,
        &H::videoMedium, &H::videoReferenceKind, &H::startPosition, &H::reason, &H::cleaning, &H::flowControl,
        &H::direction, &H::sewerKindText, &H::materialText};
    double H::*const numbers[] = {&H::height, &H::width, &H::inspectionLength, &H::pipeUnitLength};

    // Each value starts with a letter of its own, so a value cut to a narrow column is still
    // told apart ("A" is left out: a profile starting with it is circular in some formats).
    const QString letters = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZbcdefghijklmnopqrstuvwxyz");
    H written;
    written.clear();
    for (std::size_t i = 0; i < std::size(texts); ++i)
        written.*texts[i] = letters.at(int(i)) + QStringLiteral("7");
    const double sizes[] = {1111.0, 2222.0, 33.33, 4.44};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        written.*numbers[i] = sizes[i];

    Place place;
    const QString path = place.folder + f.fileName;
    std::unique_ptr<Investigation> out = makeInspection(f.normKind);
    out->setMainData(written);
    out->setFolder(place.folder);
    out->setFileName(f.fileName);
    QVERIFY(out->save());
    std::unique_ptr<Investigation> in = makeInspection(f.normKind);
    QVERIFY2(in->load(path), qPrintable(place.capture.errors().join(QLatin1Char('\n'))));
    const H read = in->mainData();

    // A field comes back with its own value or without it, never with another field's.
    for (QString H::*field : texts) {
        const QString value = read.*field;
        if (value == written.*field)
            continue;
        for (QString H::*other : texts) {
            QVERIFY2(value.isEmpty() || value != written.*other,
                     qPrintable(QStringLiteral("a field was read back with the value \"%1\" of another").arg(value)));
        }
    }
    for (double H::*field : numbers) {
        if (read.*field == written.*field)
            continue;
        for (double H::*other : numbers)
            QVERIFY2(read.*field == 0.0 || read.*field != written.*other, qPrintable(QString::number(read.*field)));
    }
    // The fields every format holds come back as written.
    for (QString H::*field : {&H::sectionName, &H::startNode, &H::endNode, &H::street, &H::town})
        QCOMPARE(read.*field, written.*field);
    QCOMPARE(read.height, written.height);
}

void checkRefused(const Format &f, const Sample &s)
{
    Place place;
    std::unique_ptr<Investigation> inv = loadRefused(f, s, place);
    if (QTest::currentTestFailed())
        return;
    // Saving on purpose is possible.
    place.capture.clear();
    inv->allowOverwrite();
    QVERIFY(inv->save());
    QVERIFY2(place.capture.errors().isEmpty(), qPrintable(place.capture.errors().join(QLatin1Char('\n'))));
}

void checkWhatCanBeReadIsKept(const Format &f)
{
    Place place;
    std::unique_ptr<Investigation> inv = loadRefused(f, f.partial, place);
    if (QTest::currentTestFailed())
        return;
    // Saved on purpose under another name, it is written.
    place.capture.clear();
    const QString name = f.fileName;
    inv->setFileName(name.left(name.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("neu") + name.mid(name.lastIndexOf(QLatin1Char('.'))));
    QVERIFY(inv->save());
    QVERIFY(place.capture.errors().isEmpty());
    QCOMPARE(readAll(place.folder + f.fileName), f.partial.content);
}

namespace {

bool isUncarried(QChar c)
{
    const ushort u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF || c.isSurrogate();
}

// Whether read is written with each character no file can carry left out or made a blank.
bool readsBackWithout(const QString &written, const QString &read)
{
    QString pattern = QStringLiteral("^");
    for (const QChar c : written)
        pattern += isUncarried(c) ? QStringLiteral(" ?") : QRegularExpression::escape(QString(c));
    return QRegularExpression(pattern + QStringLiteral("$")).match(read).hasMatch();
}

} // namespace

void checkTextsWithoutUncarriedCharacters(const Format &f)
{
    const QString hostile = QStringLiteral("A") + QChar(0x0B) + QStringLiteral("B") + QChar(0x01) + QStringLiteral("C")
                            + QChar(0x0C) + QStringLiteral("D") + QChar(0x1B) + QStringLiteral("E") + QChar(0xFFFE)
                            + QStringLiteral("F") + QChar(0) + QStringLiteral("G") + QChar(0xFFFF) + QStringLiteral("H")
                            + QChar(0xD800) + QStringLiteral("I");
    Place place;
    const QString path = place.folder + f.fileName;
    writeFile(path, readAll(f.fixture));
    if (!f.sideFixture.isEmpty())
        writeFile(sidePath(path), readAll(f.sideFixture));
    std::unique_ptr<Investigation> out = makeInspection(f.normKind);
    QVERIFY(out->load(path));
    QVERIFY(!out->observations().isEmpty());
    out->mutableMainData().street = hostile;
    out->mutableMainData().client = hostile;
    out->mutableObservations()[0].remark = hostile;
    QVERIFY(out->save());
    QVERIFY2(place.capture.errors().isEmpty(), qPrintable(place.capture.errors().join(QLatin1Char('\n'))));

    std::unique_ptr<Investigation> in = makeInspection(f.normKind);
    QVERIFY2(in->load(path), qPrintable(place.capture.errors().join(QLatin1Char('\n'))));
    QVERIFY(!in->loadFailed());
    const auto check = [&](const QString &what, const QString &read) {
        QVERIFY2(readsBackWithout(hostile, read), qPrintable(what + QStringLiteral(": ") + QString::fromLatin1(read.toUtf8().toPercentEncoding())));
    };
    check(QStringLiteral("street"), in->mainData().street);
    check(QStringLiteral("client"), in->mainData().client);
    QVERIFY(!in->observations().isEmpty());
    check(QStringLiteral("remark"), in->observations().at(0).remark);
}

void checkFreeTextWritesNothing()
{
    Place place;
    const QString path = place.folder + QStringLiteral("Frei1.xml");
    const QByteArray other = "<DATA><ZB><AAA>H1</AAA></ZB></DATA>";
    writeFile(path, other);
    std::unique_ptr<Investigation> inv = makeInspection(NormFreetext);
    inv->setFolder(place.folder);
    inv->setFileName(QStringLiteral("Frei1.xml"));
    ObservationRecord o;
    o.remark = QStringLiteral("Wurzeln");
    inv->mutableObservations() << o;
    QVERIFY(inv->save());
    QCOMPARE(readAll(path), other);
    QVERIFY(!QFile::exists(sidePath(path)));
    // Loading keeps what is in memory and reads nothing.
    QVERIFY(inv->load(path));
    QCOMPARE(inv->observations().size(), 1);
    QVERIFY(place.capture.errors().isEmpty());
}

} // namespace FormatContract
