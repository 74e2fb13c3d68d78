#include "sceneobjects.h"
#include "view3d/constraint.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "support/testenv.h"

#include <QDomDocument>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// The element written into a document and parsed back, as the project file would hold it.
QDomElement throughText(const Object3D &object)
{
    QDomDocument document;
    document.appendChild(object.domElement(document));
    QDomDocument reread;
    if (!reread.setContent(document.toString()))
        return QDomElement();
    return reread.documentElement();
}

// An element as another version of the program may have written it.
QDomElement parse(const QString &xml)
{
    static QList<QDomDocument> documents;
    documents.append(QDomDocument());
    documents.last().setContent(xml);
    return documents.last().documentElement();
}

const QColor solid(0, 70, 130, 255);

} // namespace

class TestSceneObjects : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void ductShapes();
    void ductXml_data();
    void ductXml();
    void manholesAndPointsStayOnTheGround();
    void pointSitsAtItsDepth();
    void pointXml();
    void jointIsAPointWithoutDepth();
    void referencePointWhilePlacedAndAfter();
    void referencePointXml_data();
    void referencePointXml();
    void dimensionNoteText_data();
    void dimensionNoteText();
    void dimensionNoteGeometry();
    void dimensionNoteXml();

private:
    TestEnvironment m_env;
    // The first use of the settings may tell about folders it had to create.
    ReporterCapture m_reports;
};

void TestSceneObjects::cleanup()
{
    QVERIFY(Object3D::registry().isEmpty());
}

void TestSceneObjects::ductShapes()
{
    Duct duct(1.0, 2.5);
    QCOMPARE(duct.type(), 1);
    QVERIFY(duct.meshes().isEmpty());
    duct.buildGeometry();
    QCOMPARE(duct.meshes().size(), 1);
    QCOMPARE(duct.meshes().first()->vertexCount(), 240);
    auto extent = meshExtent(*duct.meshes().first());
    COMPARE_VECTOR(extent.first, Vector3D(-0.005, -0.005, -0.025), 1e-7);

    duct.setWidth(0.6);
    duct.setShape(1);
    QCOMPARE(duct.meshes().size(), 1);
    QCOMPARE(duct.meshes().first()->vertexCount(), 24);
    extent = meshExtent(*duct.meshes().first());
    COMPARE_VECTOR(extent.first, Vector3D(-0.005, -0.003, -0.025), 1e-7);
    COMPARE_VECTOR(extent.second, Vector3D(0.005, 0.003, 0), 1e-7);

    // Without a width the box is flat.
    duct.setWidth(0.0);
    extent = meshExtent(*duct.meshes().first());
    QCOMPARE(extent.first.y, 0.0);
    QCOMPARE(extent.second.y, 0.0);
    duct.setShape(0);
    QCOMPARE(duct.meshes().first()->vertexCount(), 240);
}

void TestSceneObjects::ductXml_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("expected");
    QTest::newRow("circle") << QStringLiteral("Shape=\"Circle\"") << 0;
    QTest::newRow("rectangle") << QStringLiteral("Shape=\"Rect\"") << 1;
    QTest::newRow("no shape") << QString() << 0;
    QTest::newRow("lower case is not a circle") << QStringLiteral("Shape=\"circle\"") << 1;
    QTest::newRow("anything else") << QStringLiteral("Shape=\"\"") << 1;
}

void TestSceneObjects::ductXml()
{
    QFETCH(QString, shape);
    QFETCH(int, expected);
    Duct read;
    read.initFromDOMElement(parse(QStringLiteral("<Object Type=\"Duct\" Name=\"S7\" Diameter=\"1.2\" %1/>").arg(shape)));
    QCOMPARE(read.shape(), expected);
    QCOMPARE(read.name(), QStringLiteral("S7"));
    QCOMPARE(float(read.diameter()), 1.2f);
    // Missing numbers are 0.
    QCOMPARE(read.depth(), 0.0);
    QCOMPARE(read.width(), 0.0);

    // Written and read again, to single precision.
    Duct duct(0.8, 3.25);
    duct.setWidth(0.6);
    duct.setShape(expected);
    duct.system()->setPosition(Vector3D(0.1, 0, -0.2));
    duct.setLabelText(QStringLiteral("Schacht"));
    const QDomElement element = throughText(duct);
    QCOMPARE(element.attribute(QStringLiteral("Type")), QStringLiteral("Duct"));
    QCOMPARE(element.attribute(QStringLiteral("Shape")), expected ? QStringLiteral("Rect") : QStringLiteral("Circle"));
    Duct copy;
    copy.initFromDOMElement(element);
    QCOMPARE(float(copy.diameter()), 0.8f);
    QCOMPARE(float(copy.width()), 0.6f);
    QCOMPARE(float(copy.depth()), 3.25f);
    QCOMPARE(copy.shape(), expected);
    QCOMPARE(copy.labelText(), QStringLiteral("Schacht"));
    COMPARE_VECTOR(copy.system()->position(), Vector3D(0.1, 0, -0.2), 1e-7);
}

void TestSceneObjects::manholesAndPointsStayOnTheGround()
{
    Duct duct(1.0, 2.0);
    Point point(0.5, 1.0);
    for (Object3D *object : {static_cast<Object3D *>(&duct), static_cast<Object3D *>(&point)}) {
        // The meshes' local -z is world down, local y world -z.
        COMPARE_VECTOR(object->system()->worldDirection(Vector3D(0, 0, -1)), Vector3D(0, -1, 0), 1e-12);
        COMPARE_VECTOR(object->system()->worldDirection(Vector3D(0, 1, 0)), Vector3D(0, 0, -1), 1e-12);
        object->system()->setPosition(Vector3D(0.1, 0, 0.1));
        object->system()->translate(Vector3D(0.2, 0.3, -0.1));
        COMPARE_VECTOR(object->system()->position(), Vector3D(0.3, 0, 0), 1e-12);
    }
}

void TestSceneObjects::pointSitsAtItsDepth()
{
    Point point(0.4, 2.0);
    QCOMPARE(point.type(), 2);
    point.system()->setPosition(Vector3D(0.1, 0, -0.05));
    point.buildGeometry();
    COMPARE_VECTOR(point.system()->position(), Vector3D(0.1, -0.02, -0.05), 1e-12);
    point.setDepth(3.5);
    COMPARE_VECTOR(point.system()->position(), Vector3D(0.1, -0.035, -0.05), 1e-12);
    QCOMPARE(point.meshes().size(), 1);
    QCOMPARE(point.meshes().first()->triangleCount(), 1280);
    point.setDiameter(1.0);
    const auto extent = meshExtent(*point.meshes().first());
    COMPARE_VECTOR(extent.second, Vector3D(0.005, 0.005, 0.005), 1e-7);
}

void TestSceneObjects::pointXml()
{
    Point point(0.3456, 1.75);
    point.setName(QStringLiteral("P1"));
    point.buildGeometry();
    const QDomElement element = throughText(point);
    QCOMPARE(element.attribute(QStringLiteral("Type")), QStringLiteral("Point"));
    point.setName(QStringLiteral("old"));
    Point copy;
    copy.initFromDOMElement(element);
    copy.buildGeometry();
    QCOMPARE(copy.name(), QStringLiteral("P1"));
    QCOMPARE(float(copy.diameter()), 0.3456f);
    QCOMPARE(float(copy.depth()), 1.75f);
    COMPARE_VECTOR(copy.system()->position(), point.system()->position(), 1e-7);
}

void TestSceneObjects::jointIsAPointWithoutDepth()
{
    PipePoint joint(0.25);
    Point point(0.5, 2.0);
    point.buildGeometry();
    QCOMPARE(joint.meshes().first()->positions(), point.meshes().first()->positions());
    QCOMPARE(joint.meshes().first()->indices(), point.meshes().first()->indices());
    COMPARE_VECTOR(joint.system()->position(), Vector3D(0, 0, 0), 0.0);
}

void TestSceneObjects::referencePointWhilePlacedAndAfter()
{
    ReferencePoint reference;
    QCOMPARE(reference.type(), 3);
    reference.buildGeometry();
    QVERIFY(reference.meshes().isEmpty());

    // Placing: each reference with a marker and the circle on which the point must lie.
    reference.setRef1(Vector3D(0.1, 0, 0), 3.0);
    QCOMPARE(reference.meshes().size(), 2);
    reference.setRef2(Vector3D(-0.1, 0, 0), 4.0);
    QVERIFY(reference.hasRef2());
    QList<MeshBuffer *> meshes = reference.meshes();
    QCOMPARE(meshes.size(), 4);
    COMPARE_VECTOR(meshExtent(*meshes[1]).second, Vector3D(0.13, 0, 0.03), 1e-7);
    COMPARE_VECTOR(meshExtent(*meshes[3]).second, Vector3D(-0.06, 0.0002, 0.04), 1e-7);
    QCOMPARE(textureColour(*meshes[0]), solid);
    QCOMPARE(textureColour(*meshes[1]).alpha(), 80);
    QCOMPARE(textureColour(*meshes[3]).alpha(), 120);
    QCOMPARE(QColor(textureColour(*meshes[3]).rgb()), QColor(solid.rgb()));

    // Placed: the point's disc and a bar from it to each reference.
    reference.setPosition(Vector3D(0, 0, 0.2));
    COMPARE_VECTOR(reference.system()->position(), Vector3D(0, 0, 0.2), 0.0);
    meshes = reference.meshes();
    QCOMPARE(meshes.size(), 5);
    COMPARE_VECTOR(meshExtent(*meshes[0]).second, Vector3D(0.002, 0, 0.002), 1e-7);
    // The marker of Ref1 at ref1 - position, the bar from the origin to it.
    COMPARE_VECTOR(meshExtent(*meshes[1]).second, Vector3D(0.101, 0, -0.199), 1e-7);
    const MeshBuffer &bar = *meshes[2];
    QCOMPARE(bar.vertexCount(), 4);
    const auto extent = meshExtent(bar);
    QVERIFY(closeTo(extent.first, Vector3D(0, 0, -0.2), 2e-4));
    QVERIFY(closeTo(extent.second, Vector3D(0.1, 0, 0), 2e-4));
    for (const MeshBuffer *mesh : meshes)
        QCOMPARE(textureColour(*mesh), solid);

    // A reference without a distance shows nothing.
    reference.setRef2(Vector3D(-0.1, 0, 0), 0.0);
    QVERIFY(!reference.hasRef2());
    QCOMPARE(reference.meshes().size(), 3);
}

void TestSceneObjects::referencePointXml_data()
{
    QTest::addColumn<double>("distance1");
    QTest::addColumn<double>("distance2");
    QTest::addColumn<bool>("placed");
    QTest::newRow("both references") << 3.5 << 4.25 << true;
    QTest::newRow("no Ref1 at distance 0") << 0.0 << 4.25 << true;
    QTest::newRow("no Ref2 at distance 0") << 2.0 << 0.0 << false;
}

void TestSceneObjects::referencePointXml()
{
    QFETCH(double, distance1);
    QFETCH(double, distance2);
    QFETCH(bool, placed);
    ReferencePoint reference;
    reference.setName(QStringLiteral("R1"));
    reference.setDepth(1.5);
    reference.setRef1(Vector3D(0.1, 0.0, 0.3), distance1);
    reference.setRef2(Vector3D(-0.2, 0.0, 0.05), distance2);
    if (placed)
        reference.setPosition(Vector3D(0.15, 0.0, -0.125));
    const QDomElement element = throughText(reference);
    QCOMPARE(element.attribute(QStringLiteral("Type")), QStringLiteral("Reference"));
    QVERIFY(!element.firstChildElement(QStringLiteral("Position")).isNull());
    QCOMPARE(element.firstChildElement(QStringLiteral("Ref1")).isNull(), distance1 == 0.0);
    QCOMPARE(element.firstChildElement(QStringLiteral("Ref2")).isNull(), distance2 == 0.0);

    reference.setName(QStringLiteral("old"));
    ReferencePoint copy;
    copy.initFromDOMElement(element);
    copy.buildGeometry();
    QCOMPARE(copy.name(), QStringLiteral("R1"));
    QCOMPARE(float(copy.depth()), 1.5f);
    // The position is always written, so a read point counts as placed.
    QVERIFY(copy.isPositionSet());
    COMPARE_VECTOR(copy.position(), reference.position(), 1e-7);
    COMPARE_VECTOR(copy.system()->position(), reference.position(), 1e-7);
    QCOMPARE(float(copy.distance1()), float(distance1));
    QCOMPARE(float(copy.distance2()), float(distance2));
    COMPARE_VECTOR(copy.ref1(), distance1 ? Vector3D(0.1, 0.0, 0.3) : Vector3D(), 1e-7);
    COMPARE_VECTOR(copy.ref2(), distance2 ? Vector3D(-0.2, 0.0, 0.05) : Vector3D(), 1e-7);
}

void TestSceneObjects::dimensionNoteText_data()
{
    QTest::addColumn<Vector3D>("first");
    QTest::addColumn<Vector3D>("second");
    QTest::addColumn<QString>("text");
    QTest::newRow("same point") << Vector3D(0.1, 0, 0.1) << Vector3D(0.1, 0, 0.1) << QStringLiteral("0.00 m");
    QTest::newRow("3.5 m") << Vector3D(0, 0, 0) << Vector3D(0.021, 0, 0.028) << QStringLiteral("3.50 m");
    QTest::newRow("rounded") << Vector3D(0, -0.01, 0) << Vector3D(0, 0.012346, 0) << QStringLiteral("2.23 m");
}

void TestSceneObjects::dimensionNoteText()
{
    QFETCH(Vector3D, first);
    QFETCH(Vector3D, second);
    QFETCH(QString, text);
    DimensionNote note;
    note.setRef1(first);
    note.setRef2(second);
    QCOMPARE(note.labelText(), text);
    note.centerPosition();
    QCOMPARE(note.labelText(), text);
    // The user's text holds until the next second end.
    note.setText(QStringLiteral("Abstand"));
    QCOMPARE(note.labelText(), QStringLiteral("Abstand"));
    note.setRef2(note.ref2());
    QCOMPARE(note.labelText(), text);
}

void TestSceneObjects::dimensionNoteGeometry()
{
    DimensionNote note;
    QCOMPARE(note.type(), 3);
    QVERIFY(!note.label()->hasPointer());
    QVERIFY(!note.label()->isRounded());
    QCOMPARE(note.label()->background(), QColor(Qt::white));

    note.setRef1(Vector3D(0.1, 0, 0));
    QCOMPARE(note.meshes().size(), 1);
    note.setRef2(Vector3D(0.1, 0, 0.1));
    QVERIFY(note.hasRef2());
    // Before the note is placed, only the discs.
    QCOMPARE(note.meshes().size(), 2);
    QCOMPARE(note.meshes().at(1)->vertexCount(), 60);

    note.centerPosition();
    COMPARE_VECTOR(note.position(), Vector3D(0.1, 0, 0.05), 1e-12);
    COMPARE_VECTOR(note.system()->position(), Vector3D(0.1, 0, 0.05), 1e-12);
    COMPARE_VECTOR(note.ref1(), Vector3D(0, 0, -0.05), 1e-12);
    COMPARE_VECTOR(note.ref2(), Vector3D(0, 0, 0.05), 1e-12);
    const QList<MeshBuffer *> meshes = note.meshes();
    QCOMPARE(meshes.size(), 3);
    // The discs around the middle, the bar with both heads from one end to the other.
    COMPARE_VECTOR(meshExtent(*meshes[0]).second, Vector3D(0.0003, 0, -0.0497), 1e-7);
    const MeshBuffer &bar = *meshes[2];
    QCOMPARE(bar.vertexCount(), 10);
    const auto extent = meshExtent(bar);
    COMPARE_VECTOR(extent.first, Vector3D(-0.0004, 0, -0.05), 1e-7);
    COMPARE_VECTOR(extent.second, Vector3D(0.0004, 0, 0.05), 1e-7);
    for (const MeshBuffer *mesh : meshes)
        QCOMPARE(textureColour(*mesh), solid);

    // Once placed, an end is drawn wherever it lies relative to the middle, also where that
    // offset happens to equal the middle's own position.
    DimensionNote atEnd;
    atEnd.setRef1(Vector3D(0, 0, 0.2));
    atEnd.setRef2(Vector3D(0, 0, 0));
    atEnd.centerPosition();
    COMPARE_VECTOR(atEnd.ref1(), atEnd.position(), 1e-12);
    QCOMPARE(atEnd.meshes().size(), 3);
}

void TestSceneObjects::dimensionNoteXml()
{
    DimensionNote note;
    note.setName(QStringLiteral("Maß 1"));
    note.setRef1(Vector3D(0.1, 0.0, 0.0));
    note.setRef2(Vector3D(0.2, -0.01, 0.3));
    note.centerPosition();
    note.setText(QStringLiteral("eigener Text"));
    note.label()->setOffset(QPointF(5, 7));
    const QDomElement element = throughText(note);
    QCOMPARE(element.attribute(QStringLiteral("Type")), QStringLiteral("DimensionNote"));

    note.setName(QStringLiteral("old"));
    DimensionNote copy;
    copy.initFromDOMElement(element);
    copy.buildGeometry();
    QCOMPARE(copy.name(), QStringLiteral("Maß 1"));
    QVERIFY(copy.isPositionSet());
    COMPARE_VECTOR(copy.position(), Vector3D(0.15, -0.005, 0.15), 1e-7);
    COMPARE_VECTOR(copy.system()->position(), copy.position(), 1e-7);
    // The ends stay relative to the middle.
    COMPARE_VECTOR(copy.ref1(), note.ref1(), 1e-7);
    COMPARE_VECTOR(copy.ref2(), note.ref2(), 1e-7);
    QCOMPARE(copy.labelText(), QStringLiteral("eigener Text"));
    QCOMPARE(copy.label()->offset(), QPointF(5, 7));
    QCOMPARE(copy.meshes().size(), 3);

    // Written again, the same three vectors.
    const QDomElement again = throughText(copy);
    for (const QString &name : {QStringLiteral("Position"), QStringLiteral("Ref1"), QStringLiteral("Ref2")})
        COMPARE_VECTOR(Vector3D(again.firstChildElement(name)), Vector3D(element.firstChildElement(name)), 0.0);
}

QTEST_MAIN(TestSceneObjects)
#include "tst_sceneobjects.moc"
