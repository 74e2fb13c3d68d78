// Writes seed inputs for the fuzz targets into <folder>/<target>/: inspections, letterheads and
// company files made by the program itself, and the test fixtures in the targets' input form.
#include "fuzzsupport.h"

#include "foundation/config.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "model/dandas.h"
#include "model/dwam1492.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "model/isybau2006.h"
#include "foundation/records/printelement.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectabletextitem.h"
#include "project/project.h"
#include "project/project3d.h"
#include "view3d/camera.h"
#include "view3d/point.h"

#include <QDataStream>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>

#include <cstdio>
#include <memory>

namespace {

QString target;

void write(const QString &subfolder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(target + subfolder);
    QFile file(target + subfolder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray prefixed(char first, const QByteArray &bytes)
{
    return QByteArray(1, first) + bytes;
}

InspectionHeader header()
{
    InspectionHeader h;
    h.clear();
    h.sectionName = QStringLiteral("H1");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.street = QStringLiteral("Hauptstraße");
    h.town = QStringLiteral("Musterstadt");
    h.client = QStringLiteral("Stadtwerke");
    h.height = 300;
    h.width = 300;
    h.profile = QStringLiteral("A");
    h.material = QStringLiteral("A");
    h.inspectionLength = 42.5;
    return h;
}

void addObservations(Investigation &inspection)
{
    inspection.addStartNode(QTime(0, 0, 1));
    ObservationRecord o;
    o.distance = 3.25;
    o.code = QStringLiteral("BAB");
    o.character1 = QStringLiteral("B");
    o.character2 = QStringLiteral("A");
    o.quantity1 = 2;
    o.clockFrom = 3;
    o.clockTo = 5;
    o.videoTime = QTime(0, 1, 2);
    o.remark = QStringLiteral("Riss mit Wurzel");
    o.photoFile = QStringLiteral("img_1_1.jpg");
    inspection.mutableObservations() << o;
    o.clear();
    o.distance = 10;
    o.code = QStringLiteral("BBA");
    o.character1 = QStringLiteral("A");
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 1;
    inspection.mutableObservations() << o;
    o.distance = 12;
    o.continuousDefect = QStringLiteral("B");
    inspection.mutableObservations() << o;
}

template <class Inspection>
QByteArray savedInspection(Inspection &inspection, const QString &fileName)
{
    const QString folder = Fuzz::folder() + QStringLiteral("seeds/");
    QDir().mkpath(folder);
    inspection.setFolder(folder);
    inspection.setFileName(fileName);
    inspection.save();
    return read(folder + fileName);
}

void inspectionSeeds()
{
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en")}) {
        EN135082 en(language);
        en.setMainData(header());
        addObservations(en);
        write(QStringLiteral("en135082"), language + QStringLiteral(".xml"), savedInspection(en, QStringLiteral("H1.xml")));
    }
    DWAM1492 dwa;
    dwa.setMainData(header());
    addObservations(dwa);
    write(QStringLiteral("dwam1492"), QStringLiteral("made.xml"), savedInspection(dwa, QStringLiteral("H1.xml")));
    Isybau2006 isybau2006;
    isybau2006.setMainData(header());
    addObservations(isybau2006);
    write(QStringLiteral("isybau2006"), QStringLiteral("made.xml"), savedInspection(isybau2006, QStringLiteral("H1.xml")));
    const QDir fixtures(QStringLiteral(ZZ_FIXTURES));
    for (const QString &name : {QStringLiteral("two-sections.xml"), QStringLiteral("flat-two-sections.xml"),
                                QStringLiteral("two-inspections.xml")})
        write(QStringLiteral("dwam1492"), name, read(fixtures.filePath(QStringLiteral("dwa/") + name)));
    for (const QString &name : {QStringLiteral("single.xml"), QStringLiteral("delivery.xml"), QStringLiteral("manhole.xml")})
        write(QStringLiteral("isybau2006"), name, read(fixtures.filePath(QStringLiteral("isybau2006/") + name)));

    DanDas dandas;
    dandas.setMainData(header());
    dandas.addStartNode(QTime(0, 0, 1));
    write(QStringLiteral("dandas"), QStringLiteral("made.xml"), savedInspection(dandas, QStringLiteral("H1.xml")));
    write(QStringLiteral("dandas"), QStringLiteral("fixture.xml"), read(QStringLiteral(ZZ_FIXTURES "/dandas/inspection.xml")));

    write(QStringLiteral("isybau2001"), QStringLiteral("atv.h"), prefixed(0, read(QStringLiteral(ZZ_FIXTURES "/isybau2001/atv.h"))));
    write(QStringLiteral("isybau2001"), QStringLiteral("isybau.lh"), prefixed(1, read(QStringLiteral(ZZ_FIXTURES "/isybau2001/isybau.lh"))));

    write(QStringLiteral("sidefile"), QStringLiteral("en.dat"), prefixed(0, "Stadtwerke Musterstadt\r\n"));
    write(QStringLiteral("sidefile"), QStringLiteral("isybau.dat"), prefixed(1, read(QStringLiteral(ZZ_FIXTURES "/isybau2001/isybau.dat"))));
}

void catalogueSeeds()
{
    const QDir norm(QStringLiteral(ZZ_SOURCE_DIR "/resources/norm"));
    for (const QString &name : norm.entryList({QStringLiteral("EN_135082_de.xml"), QStringLiteral("DWAM1492.xml"),
                                               QStringLiteral("Isybau2006.xml")}, QDir::Files))
        write(QStringLiteral("catalogue"), name, read(norm.filePath(name)));
    write(QStringLiteral("catalogue"), QStringLiteral("small.xml"), read(QStringLiteral(ZZ_FIXTURES "/en/catalogue.xml")));
}

QVector<PrintElement> letterheadElements()
{
    QImage logo(6, 4, QImage::Format_ARGB32);
    logo.fill(QColor(10, 120, 200));
    QVector<PrintElement> elements;
    elements << PrintElement();
    elements << PrintElement::makePolyline({QPointF(1, 2), QPointF(30, 4), QPointF(12, 40)});
    PrintElement rect = PrintElement::makeRect(QRectF(2, 3, 40, 20));
    QPen dashed(Qt::red, 1.5, Qt::CustomDashLine);
    dashed.setDashPattern({2, 3, 1, 3});
    rect.setPen(dashed);
    QLinearGradient gradient(0, 0, 10, 10);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, Qt::black);
    rect.setBrush(QBrush(gradient));
    elements << rect;
    elements << PrintElement::makeCircle(QPointF(5, 5), 20);
    elements << PrintElement::makeImage(QRectF(0, 0, 30, 30), logo, true, false);
    elements << PrintElement::makeText(QRectF(0, 0, 100, 20), QStringLiteral("Kanal GmbH"), QFont(), Qt::AlignRight, Qt::darkGray, true);
    elements << PrintElement::makeRichText(QRectF(0, 0, 100, 40), QStringLiteral("<b>Kanal</b> GmbH"), false);
    QPainterPath path;
    path.moveTo(1, 1);
    path.cubicTo(5, 10, 20, -3, 30, 8);
    path.lineTo(2, 20);
    path.closeSubpath();
    elements << PrintElement::makePath(path, true);
    PrintElement group = PrintElement::makeGroup(QRectF(10, 10, 200, 80), true);
    for (int i = 1; i < elements.size(); ++i)
        group.addChild(elements.at(i));
    PrintElement outer = PrintElement::makeGroup(QRectF(0, 0, 300, 100), false);
    outer.addChild(group);
    elements << group << outer;
    return elements;
}

void letterheadSeeds()
{
    const QVector<PrintElement> elements = letterheadElements();
    for (int i = 0; i < elements.size(); ++i)
        write(QStringLiteral("letterhead"), QStringLiteral("element%1").arg(i), elements.at(i).toByteArray());
}

void firmSeeds()
{
    Firm firm;
    firm.setName(QStringLiteral("Kanal GmbH"));
    firm.setAddress(QStringLiteral("<p>Weg 1<br>12345 Stadt</p>"));
    firm.setContact(QStringLiteral("<p>Tel. 0123</p>"));
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    firm.setLogo(logo);
    firm.setCustom(letterheadElements().last().toByteArray());
    firm.setUseCustom(true);
    const QString tks = Fuzz::folder() + QStringLiteral("seed.tks");
    firm.exportFile(tks);
    write(QStringLiteral("firmfile"), QStringLiteral("firm.tks"), prefixed(1, read(tks)));

    const QString storeFolder = Fuzz::folder() + QStringLiteral("store/");
    QDir().mkpath(storeFolder);
    FirmStore store(storeFolder);
    store.addFirm(firm);
    Firm second;
    second.setName(QStringLiteral("Zweite"));
    store.addFirm(second);
    store.setCurrentFirm(QStringLiteral("Zweite"));
    store.save();
    write(QStringLiteral("firmfile"), QStringLiteral("tsfirm.ini"), prefixed(0, read(storeFolder + QStringLiteral("tsfirm.ini"))));
}

} // namespace

// A project of two inspections as the program writes it, the order list of an older folder, and
// the 3D file of a project holding one point.
void projectSeeds()
{
    const QString root = Fuzz::folder() + QStringLiteral("projects");
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    std::unique_ptr<Project> project(Project::create(QStringLiteral("P"), root));
    if (!project)
        return;
    auto *dwa = new DWAM1492;
    dwa->setMainData(header());
    QDir().mkpath(project->folder() + QStringLiteral("/H1"));
    dwa->setFolder(project->folder() + QStringLiteral("/H1/"));
    dwa->setFileName(QStringLiteral("H1.xml"));
    dwa->save();
    project->addInspection(dwa);
    project->save();
    write(QStringLiteral("project"), QStringLiteral("project.xml"), prefixed(1, read(project->path())));
    QByteArray order;
    {
        QDataStream stream(&order, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << QStringList{QStringLiteral("K2.mpg"), QStringLiteral("K1.mpg")};
    }
    write(QStringLiteral("project"), QStringLiteral("order"), prefixed(0, order));

    Project3D store;
    store.setProject(project.get());
    store.addObject(new Point(0.5, 1.0));
    store.save();
    write(QStringLiteral("project3d"), QStringLiteral("project3d.xml"), read(store.path()));
}

void configSeeds()
{
    const QString folder = Fuzz::folder() + QStringLiteral("config/");
    Config config(folder);
    config.setClassColor(2, QColor(10, 200, 30));
    config.setLabelText(1);
    config.save();
    write(QStringLiteral("config"), QStringLiteral("tsconfig.ini"), read(config.filePath()));
}

void planSeeds()
{
    GraphicsScene scene;
    FloorPlan plan(&scene);
    plan.setRatio(0.02);
    plan.setNorthAngle(0.5);
    auto *box = new SelectableBoxItem;
    plan.addElement(box);
    plan.addElement(new SelectableLineItem(QPointF(10, 5)));
    plan.addElement(new SelectableTextItem(QStringLiteral("Schacht 1")));
    const QString path = Fuzz::folder() + QStringLiteral("seed.tkp");
    plan.save(path);
    write(QStringLiteral("plan"), QStringLiteral("plan.tkp"), read(path));
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    Fuzz::init();
    target = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    inspectionSeeds();
    catalogueSeeds();
    letterheadSeeds();
    firmSeeds();
    projectSeeds();
    configSeeds();
    planSeeds();
    return 0;
}
