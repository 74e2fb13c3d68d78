#include "foundation/config.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "reports/printer.h"
#include "reports/printjobs.h"
#include "project/project.h"
#include "support/pagecontent.h"
#include "support/testenv.h"

#include "printfixture.h"

#include <QtTest>

#include <memory>

namespace {

Config &config()
{
    return *Global::instance()->config();
}

QStringList types(const QVector<PrintJob> &jobs)
{
    QStringList result;
    for (const PrintJob &job : jobs)
        result << job.type + QLatin1Char(':') + job.sectionName;
    return result;
}

// The title of each page: the first bold 25 px text.
QStringList pageTitles(const QVector<PrintPage> &pages)
{
    QStringList titles;
    for (const PrintPage &page : pages) {
        for (const PageContent::Text &text : PageContent::texts(page)) {
            if (text.font.pixelSize() == 25) {
                titles << text.text;
                break;
            }
        }
    }
    return titles;
}

PrintJob inspectionJob(const QString &norm)
{
    PrintJob job;
    job.type = QStringLiteral("inspectionPages");
    job.shortHeader = QStringList{norm};
    job.normHeader = QStringList{norm};
    for (int i = 1; i <= 15; ++i)
        job.shortHeader << QStringLiteral("k%1").arg(i);
    job.sectionName = QStringLiteral("Haltung 9");
    job.startNode = QStringLiteral("A");
    job.endNode = QStringLiteral("B");
    job.length = 10;
    job.flowColorKind = 1;
    ObservationRow row;
    row.distance = 4;
    row.label = QStringLiteral("BAB");
    row.text = QStringLiteral("Riss längs");
    row.category = 2;
    job.rows << row;
    return job;
}

QVector<QImage> photos(int n)
{
    QVector<QImage> result;
    for (int i = 0; i < n; ++i) {
        QImage image(50, 40, QImage::Format_RGB32);
        image.fill(QColor(30 * i, 90, 160));
        result << image;
    }
    return result;
}

QVector<QRectF> photoRects(const PrintPage &page)
{
    QVector<QRectF> rects;
    for (const PrintElement &e : page.elements()) {
        if (e.kind() == PrintElement::Image)
            rects << e.rect();
    }
    return rects;
}

} // namespace

class TestPrintJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        ReporterCapture firstStart; // the first start tells where the projects go
        Global::instance();
    }
    void init()
    {
        config().setClassifyFlag(false);
        config().setMakeTextReport(true);
        config().setColorDamage(false);
        config().setFotoStyle(0);
        config().setPipelineLayout(0);
        capture.reset(new ReporterCapture);
    }
    void cleanup()
    {
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join(QLatin1Char('\n'))));
        capture.reset();
    }

    void rowColours_data()
    {
        QTest::addColumn<bool>("classify");
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("damageClass");
        QTest::addColumn<QColor>("expected");
        const QColor configured(10, 220, 30);
        QTest::newRow("category 0") << false << 0 << 3 << QColor(Qt::black);
        QTest::newRow("category 1") << false << 1 << 0 << QColor(200, 50, 50);
        QTest::newRow("category 2") << false << 2 << 0 << QColor(127, 0, 158);
        QTest::newRow("category 3") << false << 3 << 0 << QColor(0, 74, 158);
        QTest::newRow("category 4") << false << 4 << 0 << QColor(55, 23, 23);
        QTest::newRow("category 5") << false << 5 << 0 << QColor(Qt::black);
        QTest::newRow("class 3 takes class colour 2") << true << 1 << 3 << configured;
        QTest::newRow("class 0") << true << 1 << 0 << QColor(Qt::black);
        QTest::newRow("class -1") << true << 1 << -1 << QColor(Qt::black);
        QTest::newRow("class 6 beyond the colours") << true << 1 << 6 << QColor(Qt::black);
    }
    void rowColours()
    {
        QFETCH(bool, classify);
        QFETCH(int, category);
        QFETCH(int, damageClass);
        QFETCH(QColor, expected);
        config().setClassifyFlag(classify);
        config().setClassColor(2, QColor(10, 220, 30));
        config().setClassColor(4, QColor(1, 2, 3));
        ObservationRow row;
        row.category = category;
        row.damageClass = damageClass;
        QVector<ObservationRow> rows{row, row};
        colorObservationRows(rows);
        QCOMPARE(rows.at(0).color, expected);
        QCOMPARE(rows.at(1).color, expected);
    }

    void photoLayoutTable_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("texts");
        QTest::newRow("0") << 0 << 1 << 2 << false;
        QTest::newRow("1") << 1 << 1 << 3 << false;
        QTest::newRow("2") << 2 << 2 << 2 << false;
        QTest::newRow("3") << 3 << 2 << 3 << false;
        QTest::newRow("4") << 4 << 3 << 2 << false;
        QTest::newRow("5") << 5 << 3 << 3 << false;
        QTest::newRow("6") << 6 << 1 << 2 << true;
        QTest::newRow("7") << 7 << 1 << 3 << true;
        QTest::newRow("8") << 8 << 3 << 3 << false;
        QTest::newRow("-1") << -1 << 3 << 3 << false;
    }
    void photoLayoutTable()
    {
        QFETCH(int, layout);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(bool, texts);
        QCOMPARE(photoColumns(layout), columns);
        QCOMPARE(photoRows(layout), rows);
        QCOMPARE(photoLayoutHasTexts(layout), texts);
    }

    // The grid layouts lay the photos out by columns and rows without texts, even though the
    // inspections always hand texts; layouts 6 and 7 print one photo to a row beside its texts.
    void photoRunnerFollowsTheLayout_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("texts");
        QTest::addColumn<int>("photosInFirstRow");
        QTest::newRow("2 x 2") << 2 << 2 << false << 2;
        QTest::newRow("3 x 3") << 5 << 1 << false << 3;
        QTest::newRow("1 x 2 with texts") << 6 << 3 << true << 1;
        QTest::newRow("1 x 3 with texts") << 7 << 2 << true << 1;
    }
    void photoRunnerFollowsTheLayout()
    {
        QFETCH(int, layout);
        QFETCH(int, pages);
        QFETCH(bool, texts);
        QFETCH(int, photosInFirstRow);
        config().setFotoStyle(layout);
        PrintJob job;
        job.type = QStringLiteral("fotoPages");
        job.shortHeader = QStringList{QStringLiteral("EN_13508_2")};
        job.sectionName = QStringLiteral("Haltung 9");
        job.photos = photos(5);
        for (int i = 0; i < 5; ++i)
            job.photoTexts << QStringLiteral("00:00:0%1").arg(i) << QStringLiteral("%1.00m").arg(i)
                           << QStringLiteral("Foto %1").arg(i);

        const QVector<PrintPage> result = Printer::runFotoPages(job);
        QCOMPARE(result.size(), pages);
        const QVector<QRectF> rects = photoRects(result.first());
        QVERIFY(!rects.isEmpty());
        const int inFirstRow = int(std::count_if(rects.cbegin(), rects.cend(), [&](const QRectF &r) {
            return PageContent::near(r.top(), rects.first().top());
        }));
        QCOMPARE(inFirstRow, photosInFirstRow);
        const QString text = PageContent::joinedText(result.first());
        QCOMPARE(text.contains(QStringLiteral("Foto 0")), texts);
        QCOMPARE(text.contains(QStringLiteral("Timecode")), texts);

        job.type = QStringLiteral("fotoPagesVideo");
        job.photoTexts = QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                     QStringLiteral("d"), QStringLiteral("e")};
        const QVector<PrintPage> byName = Printer::runFotoPagesVideo(job);
        QCOMPARE(PageContent::joinedText(byName.first()).contains(QStringLiteral("Name")), texts);
    }

    // The text report of an ISYBAU 2001 inspection depends on the MakeTextReport option; every
    // other standard always has it, with the observation list only while the option is on.
    void inspectionRunnerSections_data()
    {
        QTest::addColumn<QString>("norm");
        QTest::addColumn<bool>("textReport");
        QTest::addColumn<QStringList>("titles");
        const QString report = QStringLiteral("Haltungs-Bericht");
        const QString graphic = QStringLiteral("Haltungs-Graphik");
        QTest::newRow("ISYBAU 2001, off") << QStringLiteral("ISYBAU2001") << false << QStringList{graphic};
        QTest::newRow("ISYBAU 2001, on") << QStringLiteral("ISYBAU2001") << true << QStringList{report, graphic};
        QTest::newRow("EN, off") << QStringLiteral("EN_13508_2") << false << QStringList{report, graphic};
        QTest::newRow("DWA, on") << QStringLiteral("DWA_M149_2") << true << QStringList{report, graphic};
    }
    void inspectionRunnerSections()
    {
        QFETCH(QString, norm);
        QFETCH(bool, textReport);
        QFETCH(QStringList, titles);
        config().setMakeTextReport(textReport);
        const QVector<PrintPage> pages = Printer::runInspectionPages(inspectionJob(norm), false);
        QCOMPARE(pageTitles(pages), titles);
        // The observation list of the text report.
        const bool listed = PageContent::joinedText(pages.first()).contains(QStringLiteral("Riss längs"))
            && pageTitles({pages.first()}).value(0) == QLatin1String("Haltungs-Bericht");
        QCOMPARE(listed, titles.size() == 2 && textReport);
    }

    // The rows reach the pipe graphic coloured: with colour damage on, the label takes the
    // colour of its code group.
    void inspectionRunnerColoursTheRows()
    {
        config().setColorDamage(true);
        const QVector<PrintPage> pages = Printer::runInspectionPages(inspectionJob(QStringLiteral("EN_13508_2")), false);
        const PrintPage &graphic = pages.last();
        QCOMPARE(pageTitles({graphic}), QStringList{QStringLiteral("Haltungs-Graphik")});
        bool found = false;
        for (const PageContent::Text &text : PageContent::texts(graphic)) {
            if (text.text.contains(QStringLiteral("BAB"))) {
                QCOMPARE(text.color, QColor(127, 0, 158));
                found = true;
            }
        }
        QVERIFY(found);
    }

    // A designed letterhead replaces the standard one; one whose bytes do not read falls back
    // to the standard letterhead, so the report never goes out without one.
    void letterheadOfTheCurrentFirm()
    {
        PrintElement designed = PrintElement::makeGroup(QRectF(75, 75, 600, 100), true);
        designed.addChild(PrintElement::makeText(QRectF(0, 0, 200, 20), QStringLiteral("Entworfen"),
                                                 Printer::font(10), Qt::AlignLeft, Qt::black, false));
        Firm firm;
        firm.setName(QStringLiteral("Firma"));
        firm.setAddress(QStringLiteral("Adresse Eins"));
        firm.setContact(QStringLiteral("Kontakt Zwei"));
        firm.setCustom(designed.toByteArray());
        firm.setUseCustom(true);

        Printer printer;
        printer.setFirmLetterhead(firm);
        QCOMPARE(printer.letterhead().toByteArray(), designed.toByteArray());

        firm.setCustom(QByteArray("not an element"));
        printer.setFirmLetterhead(firm);
        Printer standard;
        standard.setLetterhead(firm.logo(), firm.address(), firm.contact());
        QCOMPARE(printer.letterhead().toByteArray(), standard.letterhead().toByteArray());

        firm.setCustom(designed.toByteArray());
        firm.setUseCustom(false);
        printer.setFirmLetterhead(firm);
        QCOMPARE(printer.letterhead().toByteArray(), standard.letterhead().toByteArray());

        // The runners take the current firm of the store.
        FirmStore &store = *Global::instance()->firmStore();
        firm.setUseCustom(true);
        QVERIFY(store.addFirm(firm));
        store.setCurrentFirm(firm.name());
        const QVector<PrintPage> pages = Printer::runInspectionPages(inspectionJob(QStringLiteral("EN_13508_2")), false);
        QCOMPARE(pages.first().elements().first().toByteArray(), designed.toByteArray());
        store.removeFirm(firm.name());
    }

    // Contents first whatever the order of the ticks, then per ticked inspection its inspection
    // pages before its photo pages.
    void projectJobs_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<bool>("contents");
        QTest::addColumn<bool>("inspection");
        QTest::addColumn<bool>("photos");
        QTest::addColumn<QStringList>("expected");
        const QString toc = QStringLiteral("createTOC:Titel");
        const QString n1 = QStringLiteral("inspectionPages:Nord 1");
        const QString f1 = QStringLiteral("fotoPages:Nord 1");
        const QString n2 = QStringLiteral("inspectionPages:Süd 2");
        const QString f2 = QStringLiteral("fotoPages:Süd 2");
        const QStringList both{QStringLiteral("H2.lh"), QStringLiteral("H1.xml")};
        QTest::newRow("all") << both << true << true << true << QStringList{toc, n2, f2, n1, f1};
        QTest::newRow("no contents") << both << false << true << true << QStringList{n2, f2, n1, f1};
        QTest::newRow("photos only") << both << true << false << true << QStringList{toc, f2, f1};
        QTest::newRow("one inspection") << QStringList{QStringLiteral("H1.xml")} << true << true << false
                                        << QStringList{toc, n1};
        QTest::newRow("unknown name") << QStringList{QStringLiteral("X.xml")} << false << true << true
                                      << QStringList{};
    }
    void projectJobs()
    {
        QFETCH(QStringList, ticked);
        QFETCH(bool, contents);
        QFETCH(bool, inspection);
        QFETCH(bool, photos);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        Project project(PrintFixture::makeProject(root.path()));
        QCOMPARE(project.inspectionCount(), 2);
        project.setPrintTitle(QStringLiteral("Titel"));
        const QVector<PrintJob> jobs = collectProjectJobs(project, ticked, contents, inspection, photos);
        QCOMPARE(types(jobs), expected);
        for (const PrintJob &job : jobs) {
            if (job.type == QLatin1String("fotoPages"))
                QCOMPARE(job.photos.size(), 2);
        }
    }

    // The contents cover the ticked inspections only, are titled by the print title or else the
    // project's name, and name the first inspection's client.
    void contentsJob()
    {
        QTemporaryDir root;
        Project project(PrintFixture::makeProject(root.path(), QStringLiteral("Projekt Ost")));
        const QString firstClient = project.inspections().first()->fileName() == QLatin1String("H1.xml")
            ? QStringLiteral("Stadt Nord")
            : QStringLiteral("Stadt Süd");
        PrintJob toc = collectProjectJobs(project, {QStringLiteral("H2.lh")}, true, false, false).value(0);
        QCOMPARE(toc.type, QStringLiteral("createTOC"));
        QCOMPARE(toc.sectionName, QStringLiteral("Projekt Ost"));
        QCOMPARE(toc.client, firstClient);
        QCOMPARE(toc.entries.size(), 1);
        QCOMPARE(toc.entries.first().sectionName, QStringLiteral("Süd 2"));

        project.setPrintTitle(QStringLiteral("Kanalnetz"));
        toc = collectProjectJobs(project, {QStringLiteral("H1.xml"), QStringLiteral("H2.lh")}, true, false, false)
                  .value(0);
        QCOMPARE(toc.sectionName, QStringLiteral("Kanalnetz"));
        QCOMPARE(toc.entries.size(), 2);

        const QVector<PrintPage> pages = Printer::runTocPages(toc);
        QCOMPARE(pages.size(), 1);
        const QString text = PageContent::joinedText(pages.first());
        QVERIFY2(text.contains(QStringLiteral("Kanalnetz")), qPrintable(text));
        QVERIFY2(text.contains(firstClient), qPrintable(text));
    }

    void inspectionJobs()
    {
        QTemporaryDir root;
        Project project(PrintFixture::makeProject(root.path()));
        Investigation *h1 = project.inspectionByName(QStringLiteral("H1.xml"));
        QCOMPARE(types(collectInspectionJobs(h1, true, true)),
                 (QStringList{QStringLiteral("inspectionPages:Nord 1"), QStringLiteral("fotoPages:Nord 1")}));
        QCOMPARE(types(collectInspectionJobs(h1, false, true)), QStringList{QStringLiteral("fotoPages:Nord 1")});
        QVERIFY(collectInspectionJobs(h1, false, false).isEmpty());
        QVERIFY(collectInspectionJobs(nullptr, true, true).isEmpty());
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
};

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
