#include "project/project.h"

#include "foundation/reporter.h"

#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace TestFiles;

namespace {

const QByteArray kEnWithFd = "<?xml version=\"1.0\"?><Doc><Kopf><A2>fr</A2></Kopf><FD/><ZA><A2>it</A2></ZA></Doc>";

// The "project.xml" of a project with these entries (name, position), in file order.
QByteArray projectFile(const QString &name, const QList<QPair<QString, QString>> &entries)
{
    QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<ZOZOrureProject version=\"1.0\">\n"
                       " <Properties Name=\"" + name.toUtf8() + "\" PrintTitle=\"Titel\" PrintCommentary=\"Kommentar\"/>\n"
                       " <Inspections>\n";
    for (const auto &entry : entries)
        bytes += "  <Inspection><Name>" + entry.first.toUtf8() + "</Name><Position>" + entry.second.toUtf8()
                 + "</Position></Inspection>\n";
    return bytes + " </Inspections>\n</ZOZOrureProject>\n";
}

QStringList entryNames(const QString &projectXml)
{
    QStringList names;
    for (const auto &element : parse(projectXml)) {
        if (element.first.endsWith(QLatin1String("Inspection/Name")))
            names << element.second;
    }
    return names;
}

QStringList entryPositions(const QString &projectXml)
{
    QStringList positions;
    for (const auto &element : parse(projectXml)) {
        if (element.first.endsWith(QLatin1String("Inspection/Position")))
            positions << element.second;
    }
    return positions;
}

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/Projekte");
        folder = root + QStringLiteral("/P");
        QVERIFY(QDir().mkpath(folder));
    }
    void cleanup()
    {
        capture.reset();
        env.reset();
    }

    void fileIsWrittenAndReadBack()
    {
        saveInspection(NormEN135082, QStringLiteral("H1.xml"));
        saveInspection(NormATV, QStringLiteral("H2.h"));
        std::unique_ptr<Project> project(Project::create(QStringLiteral("Q"), root));
        QVERIFY(project);
        QCOMPARE(project->path(), root + QStringLiteral("/Q/project.xml"));
        delete project.release();

        Project p(folder + QStringLiteral("/project.xml"));
        QCOMPARE(p.name(), QStringLiteral("P"));
        QCOMPARE(p.root(), root);
        QCOMPARE(p.inspectionCount(), 2); // converted from the folder, file written
        const QString file = folder + QStringLiteral("/project.xml");
        QCOMPARE(p.path(), file);
        p.setPrintTitle(QStringLiteral("Titel & <Co>"));
        p.setPrintCommentary(QStringLiteral("Ä"));
        QVERIFY(p.save());

        const QByteArray bytes = readAll(file);
        QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<ZOZOrureProject version=\"1.0\">\n  <"),
                 bytes.constData());
        const Elements elements = parse(file);
        QCOMPARE(elements.size(), 5);
        QCOMPARE(elements.at(0).first, QStringLiteral("ZOZOrureProject/Properties"));
        QCOMPARE(entryNames(file), p.inspectionNames());
        QCOMPARE(entryPositions(file), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));

        Project again(file);
        QCOMPARE(again.inspectionNames(), p.inspectionNames());
        QCOMPARE(again.printTitle(), QStringLiteral("Titel & <Co>"));
        QCOMPARE(again.printCommentary(), QStringLiteral("Ä"));
        QCOMPARE(again.inspectionByName(QStringLiteral("H1.xml"))->normKind(), NormKind(NormEN135082));
        QCOMPARE(again.inspectionByName(QStringLiteral("H2.h"))->folder(), folder + QStringLiteral("/H2/"));
        QVERIFY(capture->errors().isEmpty());
    }

    // The 3D view reaches the open project only through the view's own interface.
    void servesTheThreeDViewThroughItsInterface()
    {
        saveInspection(NormEN135082, QStringLiteral("H1.xml"));
        saveInspection(NormATV, QStringLiteral("H2.h"));
        Project project(folder + QStringLiteral("/project.xml"));
        InspectionSource &source = project;
        QCOMPARE(source.name(), QStringLiteral("P"));
        QCOMPARE(source.rootFolder(), root);
        QCOMPARE(source.inspectionNames(), project.inspectionNames());
        QCOMPARE(source.inspectionNames().size(), 2);
        Investigation *h1 = source.inspectionByName(QStringLiteral("H1.xml"));
        QVERIFY(h1);
        QVERIFY(!source.inspectionByName(QStringLiteral("H3.xml")));
        QVERIFY(source.inspectionFolderExists(QStringLiteral("H1")));
        QVERIFY(!source.inspectionFolderExists(QStringLiteral("..")));

        source.addInspection(h1); // already listed: not a second time
        QCOMPARE(project.inspectionCount(), 2);
        QVERIFY(source.removeInspection(h1));
        QVERIFY(!source.removeInspection(h1));
        QCOMPARE(project.inspectionCount(), 1);
        source.addInspection(h1); // the project owns it again
        QCOMPARE(source.inspectionNames().last(), QStringLiteral("H1.xml"));
    }

    void positionsOrderAndRenumber()
    {
        for (const QString &name : {QStringLiteral("A.h"), QStringLiteral("B.h"), QStringLiteral("C.h"), QStringLiteral("D.h")})
            saveInspection(NormATV, name);
        const QString file = folder + QStringLiteral("/project.xml");
        writeFile(file, projectFile(QStringLiteral("P"), {{QStringLiteral("A.h"), QStringLiteral("0")},
                                                          {QStringLiteral("B.h"), QStringLiteral("5")},
                                                          {QStringLiteral("D.h"), QStringLiteral("2")},
                                                          {QStringLiteral("C.h"), QStringLiteral("2")}}));
        const QByteArray original = readAll(file);
        Project p(file);
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("A.h"), QStringLiteral("C.h"), QStringLiteral("B.h")}));
        QCOMPARE(p.printTitle(), QStringLiteral("Titel"));
        QCOMPARE(readAll(file), original); // opening writes nothing

        QVERIFY(p.swapInspections(0, 2));
        QCOMPARE(entryNames(file), (QStringList{QStringLiteral("B.h"), QStringLiteral("C.h"), QStringLiteral("A.h")}));
        QCOMPARE(entryPositions(file), (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
        // The backup keeps the oldest state.
        QCOMPARE(readAll(file + QStringLiteral(".bak")), original);
        QVERIFY(p.swapInspections(0, 1));
        QCOMPARE(readAll(file + QStringLiteral(".bak")), original);
        QVERIFY(!p.swapInspections(0, 3));
    }

    void kindTable_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("language");
        QTest::newRow(".h") << "K.h" << QByteArray() << int(NormATV) << "";
        QTest::newRow(".lh") << "K.lh" << QByteArray() << int(NormIsybau2001) << "";
        QTest::newRow("ZA with FD") << "K.xml" << kEnWithFd << int(NormEN135082) << "fr";
        QTest::newRow("ZA without A2") << "K.xml" << QByteArray("<Doc><ZA><A1>x</A1></ZA></Doc>") << int(NormEN135082) << "de";
        QTest::newRow("FD") << "K.xml" << QByteArray("<Doc><FD><A2>en</A2></FD></Doc>") << int(NormDWAM1492) << "";
        QTest::newRow("DZA") << "K.xml" << QByteArray("<Doc><DZA/><FA/></Doc>") << int(NormDanDas) << "";
        QTest::newRow("DZA before FD") << "K.xml" << QByteArray("<Doc><DZA/><FD/></Doc>") << int(NormDWAM1492) << "";
        QTest::newRow("FD before a ZA with prefix")
            << "K.xml" << QByteArray("<Doc><FD/><n:ZA xmlns:n=\"urn:n\"/></Doc>") << int(NormEN135082) << "de";
        QTest::newRow("FD, ZA only in text")
            << "K.xml" << QByteArray("<Doc><FD/><!-- <ZA/> --><T>ZA &lt;ZA></T><DZA/></Doc>") << int(NormDWAM1492) << "";
        QTest::newRow("FD before ZA in UTF-16")
            << "K.xml"
            << QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(u"<Doc><FD/><ZA/></Doc>"), 42)
            << int(NormEN135082) << "de";
        QTest::newRow("DZA in Windows-1252") << "K.xml" << QByteArray("<?xml version=\"1.0\"?><Doc><A>Gr\xf8n</A><DZA/></Doc>")
                                            << int(NormDanDas) << "";
        QTest::newRow("none") << "K.xml" << QByteArray("<Doc><Kopf/><Befund/></Doc>") << int(NormIsybau2006) << "";
        QTest::newRow("names that only begin like the deciding ones")
            << "K.xml" << QByteArray("<Doc><ZAB/><FDX/><DZAY/><x:ZAX xmlns:x=\"urn:x\"/></Doc>") << int(NormIsybau2006) << "";
        QTest::newRow("ZA ended by a line break")
            << "K.xml" << QByteArray("<Doc><FD/><ZA\n/></Doc>") << int(NormEN135082) << "de";
        QTest::newRow("deciding elements after a long comment and an instruction")
            << "K.xml"
            << QByteArray("<?xml version=\"1.0\"?>\n<!-- ") + QByteArray(20000, '-').replace("--", "- ")
                   + QByteArray(" -->\n<?tool run?>\n<Doc><FD/><ZA/></Doc>")
            << int(NormEN135082) << "de";
        QTest::newRow("ISYBAU 2006 in Windows-1252")
            << "K.xml" << QByteArray("<?xml version=\"1.0\"?><Identifikation><A>Gr\xf8n</A></Identifikation>")
            << int(NormIsybau2006) << "";
        QTest::newRow("ISYBAU 2006 cut short after its header")
            << "K.xml" << QByteArray("<Identifikation><Version>2006</Version><Admin") << int(Project::UnknownKind) << "";
        QTest::newRow("video") << "K.mpg" << QByteArray("video") << int(NormFreetext) << "";
        QTest::newRow("truncated") << "K.xml" << QByteArray("<Doc><Kopf><Strasse>Ha") << int(Project::UnknownKind) << "";
        QTest::newRow("empty") << "K.xml" << QByteArray("") << int(Project::UnknownKind) << "";
        QTest::newRow("truncated after ZA") << "K.xml" << QByteArray("<Doc><A2>nl</A2><ZA><B") << int(NormEN135082) << "nl";
        QTest::newRow("unreadable") << "K.xml" << QByteArray() << int(Project::UnknownKind) << "";
        // Opening reads a file once and tells its kind from the bytes where they suffice; these
        // are the cases the bytes could mislead.
        QTest::newRow("ZA only in character data")
            << "K.xml" << QByteArray("<Doc><FD/><T><![CDATA[<ZA/> <A2>xx</A2>]]></T></Doc>") << int(NormDWAM1492) << "";
        QTest::newRow("ZA only in an instruction") << "K.xml" << QByteArray("<Doc><?p <ZA/>?><DZA/></Doc>") << int(NormDanDas) << "";
        QTest::newRow("ZA from an entity")
            << "K.xml" << QByteArray("<!DOCTYPE Doc [<!ENTITY z \"<ZA/>\">]><Doc><FD/>&z;</Doc>") << int(NormEN135082) << "de";
        QTest::newRow("ZA after the document breaks") << "K.xml" << QByteArray("<Doc><FD/><X></Y><ZA/></Doc>") << int(NormDWAM1492)
                                                      << "";
        QTest::newRow("A2 with an attribute holding >")
            << "K.xml" << QByteArray("<Doc><ZA><A2 t=\"a>b\" u='>'>pl</A2></ZA></Doc>") << int(NormEN135082) << "pl";
        QTest::newRow("A2 with an entity") << "K.xml" << QByteArray("<Doc><ZA><A2>p&#108;</A2></ZA></Doc>") << int(NormEN135082)
                                           << "pl";
        QTest::newRow("A2 with markup") << "K.xml" << QByteArray("<Doc><ZA><A2>p<!-- x --><B>l</B></A2></ZA></Doc>")
                                        << int(NormEN135082) << "pl";
        QTest::newRow("A2 holding the ZA") << "K.xml" << QByteArray("<Doc><FD/><A2>nl<ZA/></A2></Doc>") << int(NormDWAM1492) << "";
        QTest::newRow("A2 with a line end") << "K.xml" << QByteArray("<Doc><ZA><A2>\r\nfi\r</A2></ZA></Doc>") << int(NormEN135082)
                                            << "\nfi\n";
        QTest::newRow("A2 in another encoding")
            << "K.xml" << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Doc><ZA><A2>d\xe5</A2></ZA></Doc>")
            << int(NormEN135082) << "d\u00e5";
        QTest::newRow("empty A2") << "K.xml" << QByteArray("<Doc><ZA><A2></A2><A2>fr</A2></ZA></Doc>") << int(NormEN135082)
                                  << "";
        QTest::newRow("prefixed A2 and ZA") << "K.xml" << QByteArray("<Doc xmlns:e=\"urn:e\"><e:ZA><e:A2 >es</e:A2 ></e:ZA></Doc>")
                                            << int(NormEN135082) << "es";
        QTest::newRow("name of two prefixes") << "K.xml" << QByteArray("<Doc xmlns:a=\"urn:a\"><FD/><a:b:ZA/></Doc>")
                                              << int(NormDWAM1492) << "";
        QTest::newRow("foreign XML") << "K.xml" << QByteArray("<?xml version=\"1.0\"?>\n<html><body><p>Hallo</p></body></html>\n")
                                     << int(NormIsybau2006) << "";
    }

    void kindTable()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(QString, language);
        const QString path = folder + QStringLiteral("/K/") + fileName;
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/K")));
        if (fileName.endsWith(QLatin1String("h"))) {
            saveInspection(kind, fileName);
        } else if (QByteArray(QTest::currentDataTag()) == "unreadable") {
            QVERIFY(QDir().mkpath(path)); // exists, but cannot be opened as a file
        } else {
            writeFile(path, content);
        }
        if (fileName.endsWith(QLatin1String(".xml"))) {
            QCOMPARE(Project::detectXmlKind(path), kind);
            if (!language.isEmpty())
                QCOMPARE(Project::catalogLanguage(path), language);
        }
        capture->clear();
        std::unique_ptr<Investigation> inspection(Project::loadInspectionFile(path));
        const QStringList errors = capture->errors();
        const QStringList notices = capture->notices();
        if (kind == Project::UnknownKind) {
            QVERIFY(!inspection);
            QCOMPARE(errors, QStringList()); // the project reports those files, once for all
            QCOMPARE(notices, QStringList());
            return;
        }
        QVERIFY(inspection);
        QCOMPARE(inspection->normKind(), kind);
        if (kind != NormFreetext) {
            // The user hears what a load of that kind says, no more and no less.
            capture->clear();
            auto direct = makeInspection(kind);
            direct->load(path);
            QCOMPARE(errors, capture->errors());
            QCOMPARE(notices, capture->notices());
            QCOMPARE(inspection->loadResult(), direct->loadResult());
            QCOMPARE(inspection->mainData().sectionName, direct->mainData().sectionName);
        }
        QCOMPARE(inspection->fileName(), fileName);
        if (kind == NormEN135082) {
            QVERIFY(qobject_cast<EN135082 *>(inspection.get()));
            QCOMPARE(qobject_cast<EN135082 *>(inspection.get())->language(), Project::catalogLanguage(path));
        }
        if (kind == NormFreetext) {
            QVERIFY(qobject_cast<Freetext *>(inspection.get()));
            QCOMPARE(inspection->folder(), folder + QStringLiteral("/K/"));
            QCOMPARE(inspection->videoFile(), path);
        }
    }

    // The files the formats write, opened as a project opens them, hold what their own load reads.
    void kindOfWrittenFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("EN 13508-2") << int(NormEN135082);
        QTest::newRow("DWA-M 149-2") << int(NormDWAM1492);
        QTest::newRow("DanDas") << int(NormDanDas);
        QTest::newRow("ISYBAU 2006") << int(NormIsybau2006);
    }
    void kindOfWrittenFiles()
    {
        QFETCH(int, kind);
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/K")));
        {
            auto written = makeInspection(kind);
            InspectionHeader &h = written->mutableMainData();
            h.sectionName = QStringLiteral("H7");
            h.street = QStringLiteral("Lange Straße");
            const QStringList codes = written->codes();
            for (int i = 0; i < 3 && !codes.isEmpty(); ++i) {
                ObservationRecord o;
                o.code = codes.at(i * 5 % codes.size());
                o.distance = i * 2.5;
                o.remark = QStringLiteral("Bemerkung <%1> & mehr").arg(i);
                written->mutableObservations() << o;
            }
            written->setFolder(folder + QStringLiteral("/K"));
            written->setFileName(QStringLiteral("K.xml"));
            QVERIFY(written->save());
        }
        const QString path = folder + QStringLiteral("/K/K.xml");
        capture->clear();
        std::unique_ptr<Investigation> opened(Project::loadInspectionFile(path));
        const QStringList errors = capture->errors();
        auto direct = makeInspection(kind);
        direct->load(path);
        QVERIFY(opened);
        QCOMPARE(opened->normKind(), NormKind(kind));
        QCOMPARE(opened->loadResult(), direct->loadResult());
        QCOMPARE(errors, QStringList());
        QCOMPARE(opened->mainData().sectionName, QStringLiteral("H7"));
        QCOMPARE(opened->mainData().street, direct->mainData().street);
        QCOMPARE(opened->observations().size(), direct->observations().size());
        for (int i = 0; i < opened->observations().size(); ++i) {
            QCOMPARE(opened->observations().at(i).code, direct->observations().at(i).code);
            QCOMPARE(opened->observations().at(i).remark, direct->observations().at(i).remark);
        }
    }
    // While messages are held (at start-up), a file of no known kind still gives no message, and
    // one that fails to load as ISYBAU 2006 gives its load's message once they are let go.
    void heldMessagesFollowTheKind()
    {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/K")));
        const QString broken = folder + QStringLiteral("/K/B.xml");
        const QString foreign = folder + QStringLiteral("/K/F.xml");
        writeFile(broken, "<Identifikation><Admin");
        writeFile(foreign, "<Doc><Kopf/></Doc>");
        capture->clear();
        Reporter::hold();
        std::unique_ptr<Investigation> none(Project::loadInspectionFile(broken));
        std::unique_ptr<Investigation> failed(Project::loadInspectionFile(foreign));
        QVERIFY(capture->errors().isEmpty());
        Reporter::release();
        QVERIFY(!none);
        QVERIFY(failed);
        QCOMPARE(failed->loadResult(), Investigation::LoadResult::Failed);
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().at(0).contains(QStringLiteral("F.xml")), qPrintable(capture->errors().at(0)));
    }

    void olderFolderIsConverted()
    {
        makeFile(QStringLiteral("K1/K1.mpg"));
        makeFile(QStringLiteral("K3/K3.AVI"));
        makeFile(QStringLiteral("K4/K4_alt.mpg")); // named otherwise: its entry would not find it
        makeFile(QStringLiteral("K5/readme.txt"));
        saveInspection(NormATV, QStringLiteral("K2.h"));
        writeFile(folder + QStringLiteral("/K2/K2.xml"), "<Doc><ZA/></Doc>");
        makeFile(QStringLiteral("K2/K2.mpg"));
        makeFile(QStringLiteral("K6/K6.xml")); // not an inspection file one can read
        QByteArray order;
        {
            QDataStream stream(&order, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_5_15);
            stream << QStringList{QStringLiteral("K2.h"), QStringLiteral("X.xml"), QStringLiteral("K3.AVI")};
        }
        writeFile(folder + QStringLiteral("/.project"), order);

        Project p(folder + QStringLiteral("/project.xml"));
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("K2.h"), QStringLiteral("K3.AVI"), QStringLiteral("K1.mpg")}));
        QCOMPARE(p.inspectionByName(QStringLiteral("K2.h"))->normKind(), NormKind(NormATV));
        QCOMPARE(p.inspectionByName(QStringLiteral("K2.h"))->videoFile(), folder + QStringLiteral("/K2/K2.mpg"));
        Investigation *k1 = p.inspectionByName(QStringLiteral("K1.mpg"));
        QCOMPARE(k1->normKind(), NormKind(NormFreetext));
        QCOMPARE(k1->folder(), folder + QStringLiteral("/K1/"));
        QCOMPARE(k1->videoFile(), folder + QStringLiteral("/K1/K1.mpg"));
        QCOMPARE(p.inspectionNames(false), QStringList{QStringLiteral("K2.h")});
        QVERIFY(QFile::exists(folder + QStringLiteral("/.project")));
        QCOMPARE(p.skippedInspections(), QStringList{QStringLiteral("K6.xml")});
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("K6.xml")));
        QCOMPARE(entryNames(p.path()), p.inspectionNames() << QStringLiteral("K6.xml"));
        QCOMPARE(readAll(folder + QStringLiteral("/K6/K6.xml")), QByteArray("x"));

        // The entries find their folders again.
        Project reopened(p.path());
        QCOMPARE(reopened.inspectionNames(), p.inspectionNames());
        QCOMPARE(reopened.skippedInspections(), QStringList{QStringLiteral("K6.xml")});
        QCOMPARE(reopened.inspectionByName(QStringLiteral("K3.AVI"))->videoFile(), folder + QStringLiteral("/K3/K3.AVI"));
    }

    // The order list of an older folder is a count and the names: a damaged count must neither
    // reserve gigabytes nor stop the folder from opening in the order of its names.
    void damagedOrderListGivesTheNamesOrder_data()
    {
        QTest::addColumn<QByteArray>("order");
        QTest::newRow("count of two billion") << QByteArray::fromHex("7fffffff");
        QTest::newRow("count beyond the names") << QByteArray::fromHex("000000050000000400420000");
        QTest::newRow("larger than 20 MB") << QByteArray(); // sparse
    }
    void damagedOrderListGivesTheNamesOrder()
    {
        QFETCH(QByteArray, order);
        makeFile(QStringLiteral("K1/K1.mpg"));
        makeFile(QStringLiteral("K2/K2.mpg"));
        const QString list = folder + QStringLiteral("/.project");
        if (order.isEmpty()) {
            QDataStream stream(&order, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_5_15);
            stream << QStringList{QStringLiteral("K2.mpg"), QStringLiteral("K1.mpg")};
            writeFile(list, order);
            QFile sparse(list);
            QVERIFY(sparse.resize(20 * 1024 * 1024 + 1));
        } else {
            writeFile(list, order);
        }
        Project p(folder + QStringLiteral("/project.xml"));
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("K1.mpg"), QStringLiteral("K2.mpg")}));
        QCOMPARE(capture->notices().size(), 1);
        QVERIFY(capture->notices().first().contains(QStringLiteral(".project")));
    }

    // Inputs in the fuzz target's form: the first byte chooses a "project.xml" (odd) or the order
    // list of an older folder of two inspections (even). Names starting "bad-" are reported; the
    // project opens either way.
    void fuzzedFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ZZ_TEST_SOURCE_DIR "/regressions/project"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }
    void fuzzedFiles()
    {
        QFETCH(QString, path);
        const QByteArray bytes = readAll(path);
        QVERIFY(!bytes.isEmpty());
        const bool projectXml = bytes.at(0) & 1;
        if (projectXml) {
            writeFile(folder + QStringLiteral("/project.xml"), bytes.mid(1));
        } else {
            makeFile(QStringLiteral("K1/K1.mpg"));
            makeFile(QStringLiteral("K2/K2.mpg"));
            writeFile(folder + QStringLiteral("/.project"), bytes.mid(1));
        }
        Project p(folder + QStringLiteral("/project.xml"));
        if (!projectXml)
            QCOMPARE(p.inspectionCount(), 2);
        if (QFileInfo(path).fileName().startsWith(QLatin1String("bad-")))
            QCOMPARE(capture->errors().size() + capture->notices().size(), 1);
    }

    // An inspection file too large to read is listed, and its load says why it is not read.
    void oversizedInspectionIsListedAndReported()
    {
        saveInspection(NormEN135082, QStringLiteral("H1.xml"));
        const QString path = folder + QStringLiteral("/H1/H1.xml");
        QVERIFY(QFile(path).resize(200LL * 1024 * 1024 + 1)); // sparse
        Project p(folder + QStringLiteral("/project.xml"));
        Investigation *inspection = p.inspectionByName(QStringLiteral("H1.xml"));
        QVERIFY(inspection);
        QCOMPARE(inspection->normKind(), NormKind(NormEN135082));
        QVERIFY(inspection->loadFailed());
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY2(capture->errors().first().contains(QStringLiteral("200 MB")), qPrintable(capture->errors().first()));
        QVERIFY(!inspection->save());
        QCOMPARE(QFileInfo(path).size(), 200LL * 1024 * 1024 + 1);
    }

    void queries()
    {
        saveInspection(NormATV, QStringLiteral("A.h"));
        saveInspection(NormDWAM1492, QStringLiteral("B.xml"));
        makeFile(QStringLiteral("C/C.mpg"));
        Project p(folder + QStringLiteral("/project.xml"));
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("A.h"), QStringLiteral("B.xml"), QStringLiteral("C.mpg")}));
        QCOMPARE(p.indexOfInspection(QStringLiteral("nope")), 0);
        QCOMPARE(p.indexOfInspection(QStringLiteral("C.mpg")), 2);
        QVERIFY(!p.inspectionByName(QStringLiteral("a.h")));
        QCOMPARE(p.inspectionNamesOfType(NormDWAM1492), QStringList{QStringLiteral("B.xml")});
        QCOMPARE(p.inspectionTitles(false).size(), 4);
        QCOMPARE(p.inspectionTitles(false).at(1), QStringLiteral("A.h"));
        QVERIFY(p.inspectionFolderExists(QStringLiteral("C")));
        QVERIFY(!p.inspectionFolderExists(QStringLiteral("c")));
        QVERIFY(!p.inspectionFolderExists(QStringLiteral("..")));

        p.moveInspection(QStringLiteral("A.h"), 3);
        p.moveInspection(QStringLiteral("nope"), 0);
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("A.h"), QStringLiteral("B.xml"), QStringLiteral("C.mpg")}));
        p.moveInspection(QStringLiteral("C.mpg"), 0);
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("C.mpg"), QStringLiteral("B.xml"), QStringLiteral("A.h")}));

        Investigation *b = p.inspectionByName(QStringLiteral("B.xml"));
        QVERIFY(p.removeInspection(b));
        QVERIFY(!p.removeInspection(b));
        p.addInspection(b);
        p.addInspection(b);
        QCOMPARE(p.inspectionCount(), 3);
        auto *replacement = new Isybau2006;
        replacement->setFileName(QStringLiteral("N.xml"));
        QVERIFY(!p.replaceInspection(3, replacement));
        QVERIFY(p.replaceInspection(2, replacement));
        QVERIFY(!p.replaceInspection(0, replacement));
        QCOMPARE(p.inspectionNames(), (QStringList{QStringLiteral("C.mpg"), QStringLiteral("A.h"), QStringLiteral("N.xml")}));

        const PrintJob toc = Project::createTOC(p.inspections(), {1, 2}, QStringLiteral("Inhalt"));
        QCOMPARE(toc.type, QStringLiteral("createTOC"));
        QCOMPARE(toc.sectionName, QStringLiteral("Inhalt"));
        QCOMPARE(toc.entries.size(), 2);
        QCOMPARE(Project::createTOC(p.inspections(), {0}, QString()).entries.size(), 0); // free text never
    }

    // A file that cannot be read or parsed is reported, opens empty and is never saved over
    // until the user means to.
    void unreadableProjectFileIsKept_data()
    {
        QTest::addColumn<bool>("directory");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("broken") << false << projectFile(QStringLiteral("P"), {{QStringLiteral("A.h"), QStringLiteral("0")}}).left(150);
        QTest::newRow("empty") << false << QByteArray();
        QTest::newRow("unreadable") << true << QByteArray();
        // Hostile files: each would exhaust the stack, memory or time of the document reader.
        const QByteArray valid = projectFile(QStringLiteral("P"), {{QStringLiteral("A.h"), QStringLiteral("0")}});
        QByteArray nested = valid;
        nested.replace("<Inspections>", "<Inspections>" + QByteArray("<X>").repeated(50000) + QByteArray("</X>").repeated(50000));
        QTest::newRow("nested 50000 levels deep") << false << nested;
        QByteArray expanding = valid;
        expanding.replace("<ZOZOrureProject ", "<!DOCTYPE ZOZOrureProject [<!ENTITY e \"" + QByteArray("x").repeated(5000)
                                                     + "\">]>\n<ZOZOrureProject ");
        expanding.replace("PrintTitle=\"Titel\"", "PrintTitle=\"" + QByteArray("&e;").repeated(20000) + "\"");
        QTest::newRow("one entity expanded 20000 times") << false << expanding;
        // Blank lines after the root are well-formed: only the size is wrong.
        QTest::newRow("larger than 20 MB") << false << valid + QByteArray(20 * 1024 * 1024, '\n');
    }
    void unreadableProjectFileIsKept()
    {
        QFETCH(bool, directory);
        QFETCH(QByteArray, content);
        saveInspection(NormATV, QStringLiteral("A.h"));
        const QString file = folder + QStringLiteral("/project.xml");
        if (directory)
            QVERIFY(QDir().mkpath(file));
        else
            writeFile(file, content);

        Project p(file);
        QVERIFY(p.loadFailed());
        QCOMPARE(p.inspectionCount(), 0);
        QCOMPARE(p.name(), QStringLiteral("P"));
        QCOMPARE(capture->errors().size(), 1);
        QVERIFY(capture->errors().first().contains(QStringLiteral("project.xml")));
        capture->clear();
        QVERIFY(!p.save());
        QVERIFY(!p.swapInspections(0, 0));
        QVERIFY(!p.rename(QStringLiteral("P2")));
        QVERIFY(!capture->errors().isEmpty());
        QVERIFY(QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".bak")));
        if (!directory) {
            QCOMPARE(readAll(file), content);
            p.allowOverwrite();
            QVERIFY(p.save());
            QCOMPARE(readAll(file + QStringLiteral(".bak")), content);
        }
    }

    // Texts typed or pasted with characters XML cannot carry, and such characters a file gave as
    // references, are saved without them, so the file loads again.
    void textsLoseWhatXmlCannotCarry()
    {
        saveInspection(NormATV, QStringLiteral("A.h"));
        const QString file = folder + QStringLiteral("/project.xml");
        QByteArray content = projectFile(QStringLiteral("P"), {{QStringLiteral("A.h"), QStringLiteral("0")},
                                                               {QStringLiteral("X&#0;.xml"), QStringLiteral("1")}});
        content.replace("PrintCommentary=\"Kommentar\"", "PrintCommentary=\"Kom&#0;mentar\"");
        writeFile(file, content);
        Project p(file);
        QVERIFY(!p.loadFailed());
        p.setPrintTitle(QStringLiteral("Titel") + QChar(0x0B) + QStringLiteral("Zeile") + QChar(0x1B) + QChar(0xFFFE) + QChar(0xD800));
        QVERIFY(p.save());
        const QByteArray bytes = readAll(file);
        QVERIFY(!bytes.contains('\0'));

        capture->clear();
        Project again(file);
        QVERIFY(!again.loadFailed());
        QCOMPARE(again.printTitle(), QStringLiteral("TitelZeile"));
        QCOMPARE(again.printCommentary(), QStringLiteral("Kommentar"));
        QCOMPARE(entryNames(file), (QStringList{QStringLiteral("A.h"), QStringLiteral("X.xml")}));
    }

    // The project is its folder: renamed or copied outside the program, it opens its own
    // inspections, never those of the folder the file names.
    void nameIsTheFolders()
    {
        saveInspection(NormATV, QStringLiteral("A.h"));
        const QString file = folder + QStringLiteral("/project.xml");
        writeFile(file, projectFile(QStringLiteral("Anderes"), {{QStringLiteral("A.h"), QStringLiteral("0")}}));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Anderes/A")));
        Project p(file);
        QCOMPARE(p.name(), QStringLiteral("P"));
        QCOMPARE(p.inspectionByName(QStringLiteral("A.h"))->folder(), folder + QStringLiteral("/A/"));
        QVERIFY(p.save());
        checkRecordedName(file, QStringLiteral("P"));
    }

    // Inspection files whose kind cannot be told are skipped, reported once, and kept in the file.
    void unknownInspectionsAreKept()
    {
        saveInspection(NormATV, QStringLiteral("A.h"));
        makeFile(QStringLiteral("X/X.xml"));
        writeFile(folder + QStringLiteral("/X/X.xml"), "<Doc><Kopf><Strasse>Ha");
        const QString file = folder + QStringLiteral("/project.xml");
        writeFile(file, projectFile(QStringLiteral("P"), {{QStringLiteral("X.xml"), QStringLiteral("0")},
                                                          {QStringLiteral("Y.xml"), QStringLiteral("1")},
                                                          {QStringLiteral("A.h"), QStringLiteral("2")},
                                                          {QStringLiteral("../Q/Q.h"), QStringLiteral("3")}}));
        Project p(file);
        QCOMPARE(p.inspectionNames(), QStringList{QStringLiteral("A.h")});
        QCOMPARE(p.skippedInspections(), (QStringList{QStringLiteral("X.xml"), QStringLiteral("Y.xml"), QStringLiteral("../Q/Q.h")}));
        const QStringList errors = capture->errors();
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.at(1).contains(QStringLiteral("X.xml\nY.xml")));
        QVERIFY(errors.at(0).contains(QStringLiteral("../Q/Q.h")));
        QVERIFY(p.save());
        QCOMPARE(entryNames(file), (QStringList{QStringLiteral("A.h"), QStringLiteral("X.xml"), QStringLiteral("Y.xml"),
                                                QStringLiteral("../Q/Q.h")}));
        QCOMPARE(readAll(folder + QStringLiteral("/X/X.xml")), QByteArray("<Doc><Kopf><Strasse>Ha"));
    }

    void createRefusesAnExistingProject()
    {
        const QString file = folder + QStringLiteral("/project.xml");
        const QByteArray content = projectFile(QStringLiteral("P"), {{QStringLiteral("A.h"), QStringLiteral("0")}});
        writeFile(file, content);
        QVERIFY(!Project::create(QStringLiteral("P"), root));
        QVERIFY(!Project::create(QStringLiteral("../P"), root));
        QCOMPARE(readAll(file), content);
        QVERIFY(!QFileInfo::exists(file + QStringLiteral(".bak")));
    }

    // Without a path or a folder there is nothing to take a name from: nothing is converted or
    // written, wherever the program runs.
    void noFolderNoProject()
    {
        QVERIFY(QDir::setCurrent(folder));
        saveInspection(NormATV, QStringLiteral("A.h"));
        Project empty{QString()};
        QVERIFY(empty.name().isEmpty());
        QCOMPARE(empty.inspectionCount(), 0);
        QVERIFY(!empty.save());
        Freetext loose;
        QVERIFY(!Project::projectOfInspection(&loose));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/project.xml")));
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/project.xml")));
        QVERIFY(QDir::setCurrent(env->root()));
    }

    void saveFailureIsReported()
    {
        Project p(folder + QStringLiteral("/project.xml"));
        QVERIFY(QFile::exists(p.path()));
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(!p.save());
        QCOMPARE(capture->errors().size(), 1);
    }

    void renameFollowsTheFolder()
    {
        saveInspection(NormATV, QStringLiteral("A.h"));
        makeFile(QStringLiteral("A/A.mpg"));
        makeFile(QStringLiteral("C/C.mpg"));
        Project p(folder + QStringLiteral("/project.xml"));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Belegt")));

        // Refused: a taken name, a name that leaves the root, a name too long for the file system.
        const QString tooLong(300, QLatin1Char('n'));
        for (const QString &name : {QStringLiteral("Belegt"), QStringLiteral("../X"), QString(), tooLong}) {
            capture->clear();
            QVERIFY(!p.rename(name));
            QCOMPARE(capture->errors().size(), 1);
            QCOMPARE(p.name(), QStringLiteral("P"));
            QCOMPARE(p.path(), folder + QStringLiteral("/project.xml"));
            QVERIFY(QFileInfo::exists(folder));
            checkRecordedName(p.path(), QStringLiteral("P"));
        }

        QVERIFY(p.rename(QStringLiteral("Neu")));
        const QString renamed = root + QStringLiteral("/Neu");
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(p.path(), renamed + QStringLiteral("/project.xml"));
        checkRecordedName(p.path(), QStringLiteral("Neu"));
        QCOMPARE(p.inspectionByName(QStringLiteral("A.h"))->folder(), renamed + QStringLiteral("/A/"));
        QCOMPARE(p.inspectionByName(QStringLiteral("A.h"))->videoFile(), renamed + QStringLiteral("/A/A.mpg"));
        QCOMPARE(p.inspectionByName(QStringLiteral("C.mpg"))->folder(), renamed + QStringLiteral("/C/"));
        // Later saves reach the renamed folder.
        QVERIFY(p.swapInspections(0, 1));
        QCOMPARE(entryNames(p.path()), (QStringList{QStringLiteral("C.mpg"), QStringLiteral("A.h")}));
        QVERIFY(p.inspectionByName(QStringLiteral("A.h"))->save());

        std::unique_ptr<Project> of(Project::projectOfInspection(p.inspectionByName(QStringLiteral("A.h"))));
        QCOMPARE(of->path(), p.path());
        QCOMPARE(of->inspectionNames(), p.inspectionNames());
    }

private:
    // The "Name" the project file records.
    static void checkRecordedName(const QString &file, const QString &name)
    {
        const QByteArray bytes = readAll(file);
        QVERIFY2(bytes.contains("Name=\"" + name.toUtf8() + "\""), bytes.constData());
    }

    // An inspection of that kind saved into its folder of the project P.
    void saveInspection(int normKind, const QString &fileName)
    {
        const QString sub = folder + QLatin1Char('/') + fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
        QVERIFY(QDir().mkpath(sub));
        auto inspection = makeInspection(normKind);
        inspection->setFolder(sub);
        inspection->setFileName(fileName);
        inspection->mutableMainData().sectionName = QStringLiteral("S-") + fileName;
        QVERIFY(inspection->save());
    }

    void makeFile(const QString &relative)
    {
        const QString path = folder + QLatin1Char('/') + relative;
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        writeFile(path, "x");
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    QString root;
    QString folder;
};

QTEST_MAIN(TestProject)
#include "tst_project.moc"
