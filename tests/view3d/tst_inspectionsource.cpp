#include "view3d/inspectionsource.h"
#include "support/model/inspections.h"
#include "support/testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestInspectionSource : public QObject
{
    Q_OBJECT

private slots:
    void listOfInspections();
    void folders();

private:
    ReporterCapture m_reports;
};

void TestInspectionSource::listOfInspections()
{
    InspectionList project("P1", "/tmp/root");
    QCOMPARE(project.name(), QStringLiteral("P1"));
    QCOMPARE(project.rootFolder(), QStringLiteral("/tmp/root"));
    Investigation *free = makeInspection(NormFreetext).release();
    free->setFileName("video.mpg");
    Investigation *en = makeInspection(NormEN135082).release();
    en->setFileName("a.xml");
    Investigation *twin = makeInspection(NormIsybau2001).release();
    twin->setFileName("a.xml");
    project.addInspection(free);
    project.addInspection(en);
    project.addInspection(en);
    project.addInspection(twin);
    QCOMPARE(project.inspectionNames(true), (QStringList{"video.mpg", "a.xml", "a.xml"}));
    QCOMPARE(project.inspectionNames(false), (QStringList{"a.xml", "a.xml"}));
    QCOMPARE(project.inspectionByName("a.xml"), en);
    QCOMPARE(project.inspectionByName("b.xml"), nullptr);

    InspectionSource *source = &project;
    QVERIFY(source->removeInspection(en));
    QVERIFY(!source->removeInspection(en));
    QCOMPARE(project.inspectionByName("a.xml"), twin);
    delete en; // handed back to the caller
}

void TestInspectionSource::folders()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("P1/Haltung 1"));
    InspectionList project("P1", root.path());
    QVERIFY(project.inspectionFolderExists("Haltung 1"));
    QVERIFY(!project.inspectionFolderExists("haltung 1"));
    QVERIFY(!project.inspectionFolderExists("."));
    QVERIFY(!project.inspectionFolderExists(".."));
    QVERIFY(!project.inspectionFolderExists(""));
    QVERIFY(!project.inspectionFolderExists("Haltung 2"));
    QVERIFY(!InspectionList().inspectionFolderExists("Haltung 1"));
}

QTEST_MAIN(TestInspectionSource)
#include "tst_inspectionsource.moc"
