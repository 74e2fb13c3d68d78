#include "foundation/meterratioobserver.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/planxml.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString Declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>");

// A 3 x 2 picture with a distinct colour per pixel, half transparent in one corner.
QImage smallPicture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    const QRgb colours[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                             qRgba(10, 20, 30, 128), qRgb(255, 255, 255), qRgb(0, 0, 0)};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    return image;
}

// One element of every kind with values that show how they are written: a position that
// needs all 16 digits to come back, a thick dotted frame, a picture, a rich text.
void fillGoldenPlan(FloorPlan &plan)
{
    plan.setRatio(0.01);
    auto *box = new SelectableBoxItem;
    box->setPos(0.1 + 0.2, 20);
    box->setThickness(30);
    box->setInnerSize(QSizeF(1000, 1000));
    box->setShowBox(0);
    box->setDrawBox(0);
    box->setBox(2);
    plan.addElement(box);

    auto *line = new SelectableLineItem(QPointF(200, -1.0 / 3));
    line->setPos(-50.25, 1e-7);
    line->setThickness(20);
    plan.addElement(line);

    auto *picture = new SelectablePixmapItem(smallPicture());
    picture->setPos(10, 10);
    plan.addElement(picture);

    auto *text = new SelectableTextItem(QStringLiteral("TEXT"));
    text->setHtml(QStringLiteral("<b>Schacht</b> S1 &amp; \"S2\""));
    text->setPos(-100, 250.5);
    plan.addElement(text);
}

// The pen data of a dashed pen whose dash count claims far more entries than follow.
QByteArray hugeDashPen()
{
    QPen pen;
    pen.setDashPattern({1.0, 2.0});
    QByteArray bytes = PlanXml::penData(pen).toLatin1();
    bytes = QByteArray::fromBase64(bytes);
    const QByteArray count("\x00\x00\x00\x02\x3f\xf0", 6); // 2 entries, the first 1.0
    const int at = bytes.indexOf(count);
    Q_ASSERT(at > 0);
    bytes.replace(at, 4, QByteArray("\x7f\xff\xff\xff", 4));
    return bytes.toBase64();
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Picture data whose PNG header claims 100000 x 100000 pixels.
QByteArray hugePicture()
{
    QByteArray header("IHDR");
    QDataStream out(&header, QIODevice::Append);
    out << quint32(100000) << quint32(100000) << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << qint32(1);
    stream.writeRawData("\x89PNG\r\n\x1a\n", 8);
    stream << quint32(13);
    stream.writeRawData(header.constData(), header.size());
    stream << crc32(header);
    return bytes.toBase64();
}

QByteArray element(const char *type, const char *child, const char *attribute, const QByteArray &value)
{
    return QByteArray("<Element Type=\"") + type + "\"><" + child + " " + attribute + "=\"" + value + "\"/></Element></ZOZOrure_FloorPlan>";
}

struct XmlLine
{
    QString indent;
    QString tag; // with a leading "/" for a closing tag
    bool empty = false;
    QMap<QString, QString> attributes;
};

// One line of the written file: every element is written on a line of its own.
bool parseLine(const QString &text, XmlLine *line)
{
    static const QRegularExpression tagPattern(QStringLiteral("^( *)<(/?[A-Za-z_]+)((?: [A-Za-z]+=\"[^\"]*\")*)(/?)>$"));
    static const QRegularExpression attributePattern(QStringLiteral(" ([A-Za-z]+)=\"([^\"]*)\""));
    const QRegularExpressionMatch match = tagPattern.match(text);
    if (!match.hasMatch())
        return false;
    line->indent = match.captured(1);
    line->tag = match.captured(2);
    line->empty = !match.captured(4).isEmpty();
    QRegularExpressionMatchIterator it = attributePattern.globalMatch(match.captured(3));
    while (it.hasNext()) {
        const QRegularExpressionMatch attribute = it.next();
        line->attributes.insert(attribute.captured(1), attribute.captured(2));
    }
    return true;
}

QImage decodedImage(const QString &data)
{
    QImage image;
    return PlanXml::readImage(data, &image) ? image.convertToFormat(QImage::Format_ARGB32) : QImage(1, 1, QImage::Format_Mono);
}

// The file as written, against the golden file: declaration line, indentation, element order
// and attributes, compared by value (their order varies), pictures by their pixels.
void compareWithGolden(const QString &path, const QString &golden)
{
    const QStringList written = QString::fromUtf8(TestFiles::readAll(path)).split(QLatin1Char('\n'));
    const QStringList expected = QString::fromUtf8(TestFiles::readAll(golden)).split(QLatin1Char('\n'));
    QCOMPARE(written.value(0), Declaration);
    QCOMPARE(written.size(), expected.size());
    for (int i = 1; i < expected.size(); ++i) {
        if (expected.at(i).isEmpty()) {
            QCOMPARE(written.at(i), QString());
            continue;
        }
        XmlLine want;
        XmlLine got;
        QVERIFY2(parseLine(expected.at(i), &want), qPrintable(expected.at(i)));
        QVERIFY2(parseLine(written.at(i), &got), qPrintable(written.at(i)));
        QCOMPARE(got.indent, want.indent);
        QCOMPARE(got.tag, want.tag);
        QCOMPARE(got.empty, want.empty);
        if (got.tag == QLatin1String("Image")) {
            QCOMPARE(decodedImage(got.attributes.take(QStringLiteral("Data"))),
                     decodedImage(want.attributes.take(QStringLiteral("Data"))));
        }
        QCOMPARE(got.attributes, want.attributes);
    }
}

} // namespace

class TestFloorPlan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void writesTheGoldenFile();
    void readsEveryElementBack();
    void readerDefaults();
    void loadAppends();
    void firstBackupIsKept();
    void saveFailureIsReported();
    void missingFileIsNoFailure();
    void failedLoadsAreReportedAndNotSavedOver_data();
    void failedLoadsAreReportedAndNotSavedOver();
    void textsLoseWhatXmlCannotCarry();
    void boxesWithoutSizeAreNormalised_data();
    void boxesWithoutSizeAreNormalised();
    void oversizedFileIsRefused();
    void fuzzedFiles_data();
    void fuzzedFiles();
    void clearKeepsNorth();
    void addRemoveAndOwnership();
    void destroyingAPlanLeavesTheSharedScale();
    void followingThePlanScale();
    void tiles();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestFloorPlan::initTestCase()
{
    // The HTML of a text names the font; the same one everywhere keeps the golden file.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
}

void TestFloorPlan::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestFloorPlan::writesTheGoldenFile()
{
    GraphicsScene scene;
    FloorPlan plan(&scene);
    fillGoldenPlan(plan);
    QVERIFY(plan.save(path(QStringLiteral("plan.tkp"))));
    compareWithGolden(path(QStringLiteral("plan.tkp")), QStringLiteral(ZZ_TEST_SOURCE_DIR "/fixtures/plan.tkp"));
}

void TestFloorPlan::readsEveryElementBack()
{
    GraphicsScene scene;
    FloorPlan plan(&scene);
    plan.setNorthAngle(1.2345678901234567);
    fillGoldenPlan(plan);
    // Painted once, as a shown plan is: the file carries the pens as painted.
    QImage canvas(200, 200, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    scene.render(&painter);
    painter.end();
    QVERIFY(plan.save(path(QStringLiteral("plan.tkp"))));

    GraphicsScene otherScene;
    FloorPlan read(&otherScene);
    QSignalSpy ratios(&read, &FloorPlan::ratioChanged);
    QVERIFY(read.load(path(QStringLiteral("plan.tkp"))));
    QCOMPARE(ratios.count(), 1);
    QCOMPARE(ratios.at(0).at(0).toDouble(), 0.01);
    // Doubles come back as written, with 16 significant digits.
    QVERIFY(read.northAngle() == 1.234567890123457);
    const QList<SelectableItem *> original = plan.elements();
    const QList<SelectableItem *> elements = read.elements();
    QCOMPARE(elements.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(elements.at(i)->scene(), &otherScene);
        QCOMPARE(elements.at(i)->metaObject(), original.at(i)->metaObject());
        QCOMPARE(elements.at(i)->pen(), original.at(i)->pen());
        QCOMPARE(elements.at(i)->thickness(), original.at(i)->thickness());
    }
    QVERIFY(elements.at(0)->pos().x() == 0.3); // 0.1 + 0.2 is 0.30000000000000004
    QCOMPARE(elements.at(0)->pos().y(), 20.0);
    QCOMPARE(elements.at(0)->pen().width(), 30);

    auto *box = qobject_cast<SelectableBoxItem *>(elements.at(0));
    QCOMPARE(box->outerSize(), QSizeF(1007, 1007));
    QCOMPARE(box->showBox(), 0);
    QCOMPARE(box->drawBox(), 0);
    QCOMPARE(box->box(), 2);

    auto *line = qobject_cast<SelectableLineItem *>(elements.at(1));
    QCOMPARE(line->pos(), QPointF(-50.25, 1e-7));
    QCOMPARE(line->end(), QPointF(200, -0.3333333333333333));

    auto *picture = qobject_cast<SelectablePixmapItem *>(elements.at(2));
    QCOMPARE(picture->image().convertToFormat(QImage::Format_ARGB32), smallPicture());
    QCOMPARE(picture->outerSize(), QSizeF(20, 10));

    auto *text = qobject_cast<SelectableTextItem *>(elements.at(3));
    QCOMPARE(text->html(), qobject_cast<SelectableTextItem *>(original.at(3))->html());
    QCOMPARE(text->outerSize(), QSizeF(100, 100));
    QCOMPARE(text->showBox(), 1);
    QCOMPARE(text->pos(), QPointF(-100, 250.5));

    // Written again, the file is the same.
    QVERIFY(read.save(path(QStringLiteral("again.tkp"))));
    compareWithGolden(path(QStringLiteral("again.tkp")), path(QStringLiteral("plan.tkp")));
}

void TestFloorPlan::readerDefaults()
{
    TestFiles::writeFile(path(QStringLiteral("plan.tkp")), R"(<?xml version="1.0"?>
<ZOZOrure_FloorPlan northAngle="0.5">
 <Element Type="BOX"><Unknown/></Element>
 <Element Type="LINE"/>
 <Element Type="IMAGE"/>
 <Element Type="TEXT"><Size width="300" height="50"/><Size width="400" height="60"/></Element>
 <Other Type="BOX"/>
</ZOZOrure_FloorPlan>
)");
    FloorPlan plan(nullptr);
    plan.setRatio(0.5);
    QSignalSpy ratios(&plan, &FloorPlan::ratioChanged);
    QVERIFY(plan.load(path(QStringLiteral("plan.tkp"))));
    QCOMPARE(ratios.count(), 1);
    QCOMPARE(ratios.at(0).at(0).toDouble(), 1.0);
    QCOMPARE(plan.ratio(), 1.0);
    QCOMPARE(plan.northAngle(), 0.5);

    const QList<SelectableItem *> elements = plan.elements();
    QCOMPARE(elements.size(), 4);
    auto *box = qobject_cast<SelectableBoxItem *>(elements.at(0));
    QCOMPARE(box->outerSize(), QSizeF(200, 100));
    QCOMPARE(box->size(), QSizeF(193, 93));
    QCOMPARE(box->showBox(), 0);
    QCOMPARE(box->drawBox(), 0);
    QCOMPARE(box->box(), 0);
    QCOMPARE(box->thickness(), 1.0);
    QCOMPARE(box->pen(), QPen());
    QCOMPARE(box->pos(), QPointF(0, 0));
    QCOMPARE(qobject_cast<SelectableLineItem *>(elements.at(1))->end(), QPointF(0, 0));
    QVERIFY(qobject_cast<SelectablePixmapItem *>(elements.at(2))->image().isNull());
    // The last of a repeated child counts.
    QCOMPARE(qobject_cast<SelectableTextItem *>(elements.at(3))->outerSize(), QSizeF(400, 60));
}

void TestFloorPlan::loadAppends()
{
    {
        FloorPlan plan(nullptr);
        plan.addElement(new SelectableLineItem(QPointF(1, 0)));
        plan.addElement(new SelectableBoxItem);
        QVERIFY(plan.save(path(QStringLiteral("plan.tkp"))));
    }
    GraphicsScene scene;
    FloorPlan plan(&scene);
    auto *text = new SelectableTextItem(QStringLiteral("schon da"));
    plan.addElement(text);
    QVERIFY(plan.load(path(QStringLiteral("plan.tkp"))));
    const QList<SelectableItem *> elements = plan.elements();
    QCOMPARE(elements.size(), 3);
    QCOMPARE(elements.at(0), text);
    QVERIFY(qobject_cast<SelectableLineItem *>(elements.at(1)));
    QVERIFY(qobject_cast<SelectableBoxItem *>(elements.at(2)));
    QCOMPARE(elements.at(2)->scene(), &scene);
}

void TestFloorPlan::firstBackupIsKept()
{
    const QString file = path(QStringLiteral("plan.tkp"));
    const QString backup = file + QStringLiteral(".bak");
    FloorPlan plan(nullptr);
    plan.setRatio(0.1);
    QVERIFY(plan.save(file));
    QVERIFY(!QFile::exists(backup));
    const QByteArray first = TestFiles::readAll(file);

    plan.setRatio(0.2);
    QVERIFY(plan.save(file));
    QCOMPARE(TestFiles::readAll(backup), first);
    plan.setRatio(0.3);
    QVERIFY(plan.save(file));
    QCOMPARE(TestFiles::readAll(backup), first);
    QVERIFY(TestFiles::readAll(file).contains("ratio=\"0.3\""));
}

void TestFloorPlan::saveFailureIsReported()
{
    TestFiles::writeFile(path(QStringLiteral("file")), "not a folder");
    ReporterCapture reports;
    FloorPlan plan(nullptr);
    QVERIFY(!plan.save(path(QStringLiteral("file/plan.tkp"))));
    QCOMPARE(reports.errors().size(), 1);
    QVERIFY(reports.errors().at(0).contains(QStringLiteral("plan.tkp")));
    QCOMPARE(TestFiles::readAll(path(QStringLiteral("file"))), QByteArray("not a folder"));
}

void TestFloorPlan::missingFileIsNoFailure()
{
    ReporterCapture reports;
    FloorPlan plan(nullptr);
    plan.setRatio(0.25);
    QSignalSpy ratios(&plan, &FloorPlan::ratioChanged);
    QVERIFY(plan.load(path(QStringLiteral("none.tkp"))));
    QCOMPARE(ratios.count(), 0);
    QCOMPARE(plan.ratio(), 0.25);
    QVERIFY(!plan.loadFailed());
    QVERIFY(reports.errors().isEmpty());
    QVERIFY(plan.save(path(QStringLiteral("none.tkp"))));
}

void TestFloorPlan::failedLoadsAreReportedAndNotSavedOver_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder stands at the path
    QTest::addColumn<int>("elements");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("reason");

    const QByteArray good = R"(<ZOZOrure_FloorPlan version="1.0" ratio="0.02" northAngle="0">
  <Element Type="LINE"><End x="10" y="0"/></Element>
)";
    QTest::newRow("cannot be opened") << QByteArray() << 0 << 0.5 << QString();
    QTest::newRow("not XML") << QByteArray("PK\x03\x04 zipped") << 0 << 0.5 << QStringLiteral("Zeile");
    QTest::newRow("a drawing saved under the plan's name")
        << QByteArray(R"(<?xml version="1.0"?><svg xmlns="http://www.w3.org/2000/svg" ratio="3"><rect width="5"/></svg>)") << 0 << 0.5
        << QStringLiteral("\"svg\"");
    QTest::newRow("empty document element") << QByteArray("<Element Type=\"BOX\"/>") << 0 << 0.5 << QStringLiteral("\"Element\"");
    QTest::newRow("cut short") << good << 0 << 0.5 << QStringLiteral("Zeile");
    QTest::newRow("nested beyond any plan") << "<ZOZOrure_FloorPlan>" + QByteArray("<a>").repeated(200000)
                                                   + QByteArray("</a>").repeated(200000) + "</ZOZOrure_FloorPlan>"
                                            << 0 << 0.5 << QStringLiteral("verschachtelt");
    QTest::newRow("one entity expanded 20000 times")
        << "<!DOCTYPE ZOZOrure_FloorPlan [<!ENTITY e \"" + QByteArray("x").repeated(5000) + "\">]><ZOZOrure_FloorPlan ratio=\""
               + QByteArray("&e;").repeated(20000) + "\"/>"
        << 0 << 0.5 << QStringLiteral("Entitäten");
    QTest::newRow("unknown kind") << good + R"(<Element Type="CIRCLE"/><Element Type="BOX"/></ZOZOrure_FloorPlan>)" << 2 << 0.02
                                  << QStringLiteral("CIRCLE");
    QTest::newRow("damaged pen") << good + R"(<Element Type="BOX"><Pen main="AAAA" thickness="3"/></Element></ZOZOrure_FloorPlan>)"
                                 << 2 << 0.02 << QStringLiteral("Stift");
    QTest::newRow("dash count beyond the data") << good + element("BOX", "Pen", "main", hugeDashPen()) << 2 << 0.02
                                                << QStringLiteral("Stift");
    QTest::newRow("damaged picture") << good + element("IMAGE", "Image", "Data", "AAAAAYlQTkcNChoK") << 2 << 0.02
                                     << QStringLiteral("Bild");
    QTest::newRow("picture claiming a huge size") << good + element("IMAGE", "Image", "Data", hugePicture()) << 2 << 0.02
                                                  << QStringLiteral("Bild");
    QTest::newRow("number that is none") << good + R"(<Element Type="BOX"><Size width="wide"/></Element></ZOZOrure_FloorPlan>)"
                                         << 2 << 0.02 << QStringLiteral("wide");
    QTest::newRow("number beyond any site") << good + R"(<Element Type="LINE"><End x="1e300" y="nan"/></Element></ZOZOrure_FloorPlan>)"
                                            << 2 << 0.02 << QStringLiteral("1e300");
}

// What cannot be read is said, what can is kept, and the file is not written over by
// accident: a save of the plan would lose what was not read.
void TestFloorPlan::failedLoadsAreReportedAndNotSavedOver()
{
    QFETCH(QByteArray, content);
    QFETCH(int, elements);
    QFETCH(double, ratio);
    QFETCH(QString, reason);

    const QString file = path(QStringLiteral("plan.tkp"));
    if (content.isEmpty())
        QVERIFY(QDir().mkpath(file));
    else
        TestFiles::writeFile(file, content);
    ReporterCapture reports;
    FloorPlan plan(nullptr);
    plan.setRatio(0.5);
    QVERIFY(!plan.load(file));
    QVERIFY(plan.loadFailed());
    QCOMPARE(plan.elements().size(), elements);
    QCOMPARE(plan.ratio(), ratio);
    QCOMPARE(reports.errors().size(), 1);
    QVERIFY2(reports.errors().at(0).contains(QStringLiteral("plan.tkp")), qPrintable(reports.errors().at(0)));
    QVERIFY2(reports.errors().at(0).contains(reason), qPrintable(reports.errors().at(0)));
    QVERIFY(plan.loadError().contains(reason));
    if (content.isEmpty())
        return;

    QVERIFY(!plan.save(file));
    QCOMPARE(reports.errors().size(), 2);
    QCOMPARE(TestFiles::readAll(file), content);
    QVERIFY(plan.save(path(QStringLiteral("elsewhere.tkp"))));
    plan.allowOverwrite();
    QVERIFY(plan.save(file));
    QVERIFY(TestFiles::readAll(file).startsWith(Declaration.toUtf8()));
}

// A text pasted from an office program carries its manual line break (U+000B) and other
// characters XML cannot hold; the plan is saved without them and loads again whole.
void TestFloorPlan::textsLoseWhatXmlCannotCarry()
{
    const QString pasted = QStringLiteral("Schacht") + QChar(0x0B) + QStringLiteral("S1") + QChar(0x01) + QChar(0x0C) + QChar(0x1B)
                           + QChar(0xFFFE) + QStringLiteral("S2") + QChar(0) + QChar(0xD800) + QStringLiteral("Ende");
    const QString file = path(QStringLiteral("plan.tkp"));
    ReporterCapture reports;
    {
        FloorPlan plan(nullptr);
        plan.addElement(new SelectableTextItem(pasted));
        plan.addElement(new SelectableLineItem(QPointF(10, 0)));
        QVERIFY(plan.save(file));
    }
    FloorPlan read(nullptr);
    QVERIFY2(read.load(file), qPrintable(reports.errors().join(QLatin1Char('\n'))));
    QVERIFY(reports.errors().isEmpty());
    QCOMPARE(read.elements().size(), 2);
    auto *text = qobject_cast<SelectableTextItem *>(read.elements().at(0));
    QVERIFY(text);
    QTextDocument document;
    document.setHtml(text->html());
    QCOMPARE(document.toPlainText(), QStringLiteral("SchachtS1S2Ende"));
    // Saved again over the file it came from.
    QVERIFY(read.save(file));
}

// A box must have a size to be seen and grabbed: one without is said and gets the size a box
// without a size element gets, the others keep theirs.
void TestFloorPlan::boxesWithoutSizeAreNormalised_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<QSizeF>("outer");
    QTest::addColumn<QString>("reason");

    QTest::newRow("negative width") << QByteArray("BOX") << QByteArray(R"(width="-300" height="50")") << QSizeF(200, 50) << "-300";
    QTest::newRow("zero height") << QByteArray("BOX") << QByteArray(R"(width="80" height="0")") << QSizeF(80, 100) << "0";
    QTest::newRow("both negative") << QByteArray("BOX") << QByteArray(R"(width="-80" height="-90")") << QSizeF(200, 100) << "-80";
    QTest::newRow("text without size") << QByteArray("TEXT") << QByteArray(R"(width="-300" height="-400")") << QSizeF(200, 100)
                                       << "-300";
    QTest::newRow("picture without size") << QByteArray("IMAGE") << QByteArray(R"(width="0" height="0")") << QSizeF(200, 100) << "0";
}

void TestFloorPlan::boxesWithoutSizeAreNormalised()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, size);
    QFETCH(QSizeF, outer);
    QFETCH(QString, reason);

    const QString file = path(QStringLiteral("plan.tkp"));
    const QByteArray content = "<ZOZOrure_FloorPlan version=\"1.0\" ratio=\"1\" northAngle=\"0\"><Element Type=\"" + type
                               + "\"><Position x=\"10\" y=\"20\"/><Size " + size + "/></Element></ZOZOrure_FloorPlan>";
    TestFiles::writeFile(file, content);
    ReporterCapture reports;
    GraphicsScene scene;
    FloorPlan plan(&scene);
    QVERIFY(!plan.load(file));
    QCOMPARE(reports.errors().size(), 1);
    QVERIFY2(reports.errors().at(0).contains(QStringLiteral("Größe")), qPrintable(reports.errors().at(0)));
    QVERIFY2(reports.errors().at(0).contains(reason), qPrintable(reports.errors().at(0)));
    QCOMPARE(plan.elements().size(), 1);
    auto *box = qobject_cast<SelectableBoxItem *>(plan.elements().at(0));
    QVERIFY(box);
    QCOMPARE(box->outerSize(), outer);
    QVERIFY(box->size().width() > 0 && box->size().height() > 0);
    // It can be found where it is drawn, so it can be clicked.
    QVERIFY(scene.items(box->mapToScene(box->boundingRect().center())).contains(box));
    // The file stays as it was.
    QVERIFY(!plan.save(file));
    QCOMPARE(TestFiles::readAll(file), content);
}

// Inputs found by fuzzing or made to stand for what fuzzing looks for: names starting "bad-" are
// refused with a message, the others load.
void TestFloorPlan::fuzzedFiles_data()
{
    QTest::addColumn<QString>("input");
    const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/plan"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

void TestFloorPlan::fuzzedFiles()
{
    QFETCH(QString, input);
    const bool bad = QFileInfo(input).fileName().startsWith(QLatin1String("bad-"));
    const QString file = path(QStringLiteral("plan.tkp"));
    TestFiles::writeFile(file, TestFiles::readAll(input));
    ReporterCapture reports;
    GraphicsScene scene;
    FloorPlan plan(&scene);
    QCOMPARE(plan.load(file), !bad);
    QCOMPARE(reports.errors().size(), bad ? 1 : 0);
}

// A sparse file just over the limit: refused at once, and never saved over.
void TestFloorPlan::oversizedFileIsRefused()
{
    const QString file = path(QStringLiteral("plan.tkp"));
    TestFiles::writeFile(file, "<ZOZOrure_FloorPlan ratio=\"0.02\"/>");
    const qint64 size = 200LL * 1024 * 1024 + 1;
    QVERIFY(QFile(file).resize(size));
    ReporterCapture reports;
    FloorPlan plan(nullptr);
    plan.setRatio(0.5);
    QVERIFY(!plan.load(file));
    QVERIFY(plan.loadFailed());
    QCOMPARE(plan.ratio(), 0.5);
    QCOMPARE(reports.errors().size(), 1);
    QVERIFY2(reports.errors().at(0).contains(QStringLiteral("200 MB")), qPrintable(reports.errors().at(0)));
    QVERIFY(!plan.save(file));
    QCOMPARE(QFileInfo(file).size(), size);
}

void TestFloorPlan::clearKeepsNorth()
{
    GraphicsScene scene;
    FloorPlan plan(&scene);
    plan.setRatio(0.02);
    plan.setNorthAngle(0.75);
    QPointer<SelectableItem> box = new SelectableBoxItem;
    plan.addElement(box);
    QSignalSpy ratios(&plan, &FloorPlan::ratioChanged);
    plan.clear();
    QVERIFY(!box);
    QVERIFY(plan.elements().isEmpty());
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(plan.northAngle(), 0.75);
    QCOMPARE(plan.ratio(), 1.0);
    QCOMPARE(ratios.count(), 1);
    QCOMPARE(ratios.at(0).at(0).toDouble(), 1.0);
}

void TestFloorPlan::addRemoveAndOwnership()
{
    QPointer<GraphicsScene> borrowed = new GraphicsScene;
    QPointer<GraphicsScene> owned = new GraphicsScene;
    QPointer<SelectableItem> kept;
    QPointer<SelectableItem> inPlan;
    {
        FloorPlan overView(borrowed);
        FloorPlan own(owned, FloorPlan::SceneOwnership::Owned);
        QVERIFY(!overView.ownsScene() && own.ownsScene());
        kept = new SelectableBoxItem;
        inPlan = new SelectableLineItem(QPointF(5, 5));
        overView.addElement(kept);
        overView.addElement(inPlan);
        QCOMPARE(kept->scene(), borrowed.data());
        overView.removeElement(kept);
        QCOMPARE(kept->scene(), nullptr);
        QCOMPARE(overView.elements(), QList<SelectableItem *>{inPlan.data()});
    }
    QVERIFY(borrowed);
    QVERIFY(!owned);
    QVERIFY(kept);
    QVERIFY(!inPlan);
    QVERIFY(borrowed->items().isEmpty());
    delete kept;

    // A scene that goes first takes its items with it; the plan knows.
    FloorPlan plan(borrowed);
    plan.addElement(new SelectableBoxItem);
    delete borrowed;
    QVERIFY(plan.elements().isEmpty());
    QCOMPARE(plan.tileColumns(), 2);
}

void TestFloorPlan::destroyingAPlanLeavesTheSharedScale()
{
    MeterRatioObserver observer;
    QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
    plan->setRatio(0.02);
    plan->addElement(new SelectableBoxItem);
    QSharedPointer<FloorPlan> ground = plan; // the 3D ground holds it too
    observer.observe(plan);
    QCOMPARE(observer.ratio(), 0.02);
    QSignalSpy changes(&observer, &MeterRatioObserver::ratioChanged);

    plan.reset();
    observer.observe(nullptr);
    QVERIFY(!observer.observedPlan());
    ground.reset(); // the last holder lets go: the plan is destroyed
    QCOMPARE(observer.ratio(), 0.02);
    QCOMPARE(changes.count(), 0);
}

void TestFloorPlan::followingThePlanScale()
{
    MeterRatioObserver observer;
    QSignalSpy changes(&observer, &MeterRatioObserver::ratioChanged);
    QSharedPointer<FloorPlan> drawn(new FloorPlan(nullptr));
    drawn->setRatio(0.01);
    observer.observe(drawn);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(observer.observedPlan().data(), static_cast<QObject *>(drawn.data()));

    QSharedPointer<FloorPlan> fresh(new FloorPlan(nullptr)); // ratio 1.0
    observer.observe(fresh);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(observer.ratio(), 1.0);
    fresh->setRatio(1.0); // announced again, unchanged
    QCOMPARE(changes.count(), 1);
    fresh->setRatio(0.05);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(observer.ratio(), 0.05);

    // Observed again: still one connection, one change per announcement.
    observer.observe(fresh);
    fresh->setRatio(0.06);
    QCOMPARE(changes.count(), 3);

    // A released plan that lives on elsewhere still passes its scale.
    observer.observe(nullptr);
    QCOMPARE(observer.ratio(), 0.06);
    QCOMPARE(changes.count(), 3);
    fresh->setRatio(0.07);
    QCOMPARE(observer.ratio(), 0.07);
}

void TestFloorPlan::tiles()
{
    GraphicsScene scene;
    FloorPlan plan(&scene);
    QCOMPARE(plan.tileColumns(), 2);
    QCOMPARE(plan.tileRows(), 2);
    FloorPlan withoutScene(nullptr);
    QCOMPARE(withoutScene.tileColumns(), 2);
    QCOMPARE(withoutScene.renderTile(0, 0).pixel(500, 500), qRgba(0, 0, 0, 0));

    // A filled room of 1200 x 300 units, its frame always drawn.
    auto *room = new SelectableBoxItem;
    room->setSize(QSizeF(1200, 300));
    room->setShowBox(0);
    room->setBox(0);
    plan.addElement(room);
    QVERIFY(scene.itemsBoundingRect().width() >= 1200);
    QVERIFY(scene.itemsBoundingRect().width() < 1500);
    QCOMPARE(plan.tileColumns(), 4);
    QCOMPARE(plan.tileRows(), 2);

    const auto transparent = [](const QImage &tile) {
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                if (qAlpha(tile.pixel(x, y)) != 0)
                    return false;
        return true;
    };
    for (const QPoint &outside : {QPoint(2, 0), QPoint(-3, 0), QPoint(0, 1), QPoint(0, -2)}) {
        const QImage tile = plan.renderTile(outside.x(), outside.y());
        QCOMPARE(tile.size(), QSize(1000, 1000));
        QVERIFY(transparent(tile));
    }
    // The tile right of and below the centre holds the room's white filling at its top-left,
    // and nothing below the room.
    const QImage tile = plan.renderTile(0, 0);
    QCOMPARE(tile.size(), QSize(1000, 1000));
    QCOMPARE(tile.pixel(100, 100), qRgba(255, 255, 255, 255));
    QCOMPARE(qAlpha(tile.pixel(100, 900)), 0);
    QVERIFY(!transparent(plan.renderTile(-2, -1)));
}

QTEST_MAIN(TestFloorPlan)
#include "tst_floorplan.moc"
