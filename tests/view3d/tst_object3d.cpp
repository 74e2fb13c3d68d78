#include "sceneobjects.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "support/testenv.h"

#include <QDomDocument>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

class TestObject3D : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void namesAreUnique();
    void loadedNameIsTakenOver();
    void registryGivesPickingIds();
    void pickingColours_data();
    void pickingColours();
    void manipulationSignalsChange();
    void xmlRoundTrip();
    void xmlKeepsWhatIsMissing();
    void disc();
    void box();
    void cylinder();
    void sphere_data();
    void sphere();
    void arrowBar_data();
    void arrowBar();
    void meshTransforms();
    void malformedMeshesAreRecognised();
    void glCallsWithoutContextDoNothing();
    void connectedObjectsChainAndAreLocked();

private:
    TestEnvironment m_env;
    // The first use of the settings may tell about folders it had to create.
    ReporterCapture m_reports;
};

void TestObject3D::initTestCase()
{
    QVERIFY(!QOpenGLContext::currentContext());
    QCOMPARE(Object3D::toUnits(1.0), 0.01);
}

void TestObject3D::cleanup()
{
    // Every test deletes what it made.
    QVERIFY(Object3D::registry().isEmpty());
}

void TestObject3D::namesAreUnique()
{
    auto first = std::make_unique<BareObject>();
    auto second = std::make_unique<BareObject>();
    QCOMPARE(first->name(), QStringLiteral("object"));
    QCOMPARE(second->name(), QStringLiteral("object_000001"));
    first.reset();
    BareObject third;
    QCOMPARE(third.name(), QStringLiteral("object"));
    QCOMPARE(Object3D::objectNamed(QStringLiteral("object")), &third);

    // A name asked for without taking it over becomes the next free form.
    third.setName(QStringLiteral("object_000001"));
    QCOMPARE(third.name(), QStringLiteral("object_000001_000001"));
    QVERIFY(!Object3D::objectNamed(QStringLiteral("object")));
    third.setName(QStringLiteral("Schacht 1"));
    QCOMPARE(third.name(), QStringLiteral("Schacht 1"));
    QCOMPARE(Object3D::uniqueName(QStringLiteral("Schacht 1")), QStringLiteral("Schacht 1_000001"));
    QCOMPARE(Object3D::uniqueName(QString()), QStringLiteral("object"));
    QCOMPARE(Object3D::objectNamed(QStringLiteral("Schacht 1")), &third);
    QCOMPARE(Object3D::objectNamed(QStringLiteral("object_000001")), second.get());
}

void TestObject3D::loadedNameIsTakenOver()
{
    BareObject holder;
    holder.setName(QStringLiteral("S1"));
    BareObject loaded;
    QDomDocument document;
    QDomElement element = document.createElement(QStringLiteral("Object"));
    element.setAttribute(QStringLiteral("Name"), QStringLiteral("S1"));
    loaded.initFromDOMElement(element);
    QCOMPARE(loaded.name(), QStringLiteral("S1"));
    QCOMPARE(holder.name(), QStringLiteral("S1_000001"));
    QCOMPARE(Object3D::objectNamed(QStringLiteral("S1")), &loaded);
    QCOMPARE(Object3D::objectNamed(QStringLiteral("S1_000001")), &holder);
    // Its former name is free again.
    QVERIFY(!Object3D::objectNamed(QStringLiteral("object_000001")));

    // Taking over one's own name changes nothing.
    loaded.setName(QStringLiteral("S1"), true);
    QCOMPARE(loaded.name(), QStringLiteral("S1"));
    QCOMPARE(holder.name(), QStringLiteral("S1_000001"));
}

void TestObject3D::registryGivesPickingIds()
{
    auto a = std::make_unique<BareObject>();
    auto b = std::make_unique<BareObject>();
    auto c = std::make_unique<BareObject>();
    QCOMPARE(Object3D::registry(), (QList<Object3D *>{a.get(), b.get(), c.get()}));
    a.reset();
    QCOMPARE(Object3D::registry().indexOf(c.get()), 1);

    // Cleared without deleting: the objects live on, and their names are free.
    Object3D::clearRegistry();
    QVERIFY(Object3D::registry().isEmpty());
    BareObject d;
    QCOMPARE(d.name(), QStringLiteral("object"));
    QCOMPARE(Object3D::registry(), QList<Object3D *>{&d});
    // Deleting a forgotten object leaves the entry of the one that now holds its name.
    const QString bName = b->name();
    d.setName(bName);
    b.reset();
    QCOMPARE(Object3D::objectNamed(bName), &d);
    c.reset();
    QCOMPARE(Object3D::registry(), QList<Object3D *>{&d});
}

void TestObject3D::pickingColours_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Vector3D>("bytes");
    QTest::newRow("first object") << 0 << Vector3D(0, 0, 0);
    QTest::newRow("blue only") << 255 << Vector3D(0, 0, 255);
    QTest::newRow("green carries") << 256 << Vector3D(0, 1, 0);
    QTest::newRow("all three") << 70000 << Vector3D(1, 17, 112);
    QTest::newRow("largest below white") << 16777214 << Vector3D(255, 255, 254);
}

void TestObject3D::pickingColours()
{
    QFETCH(int, id);
    QFETCH(Vector3D, bytes);
    const std::array<float, 3> colour = Object3D::idToColor(id);
    COMPARE_VECTOR(Vector3D(colour[0], colour[1], colour[2]) * 255.0, bytes, 1e-4);
    // Read back as the bytes the frame buffer holds, the colour gives the id again.
    const Vector3D readBack(std::lround(colour[0] * 255.0f), std::lround(colour[1] * 255.0f),
                            std::lround(colour[2] * 255.0f));
    QCOMPARE(Object3D::colorToId(readBack), id);
    QCOMPARE(Object3D::colorToId(Vector3D(255, 255, 255)), -1);
}

void TestObject3D::manipulationSignalsChange()
{
    BareObject object;
    QSignalSpy changed(&object, &Object3D::changed);
    emit object.system()->manipulated();
    QCOMPARE(changed.count(), 1);
}

void TestObject3D::xmlRoundTrip()
{
    BareObject object;
    object.setName(QStringLiteral("Schacht \"A\" <1>"));
    object.system()->setPosition(Vector3D(0.125, 0.0, -0.3));
    object.system()->setRotation(Quaternion(Vector3D(0, 1, 0), 0.7));
    object.setLabelText(QStringLiteral("Zulauf & Ablauf"));
    object.label()->setOffset(QPointF(12.5, -40.25));
    object.label()->setVisible(false);
    // Style is not stored.
    object.label()->setBackground(Qt::red);
    object.label()->setPointer(false);

    QDomDocument document;
    const QDomElement element = object.domElement(document);
    QCOMPARE(element.tagName(), QStringLiteral("Object"));
    QCOMPARE(element.firstChildElement().tagName(), QStringLiteral("Label"));
    QCOMPARE(element.firstChildElement().nextSiblingElement().tagName(), QStringLiteral("System"));
    document.appendChild(element);
    QDomDocument reread;
    QVERIFY(reread.setContent(document.toString()));

    object.setName(QStringLiteral("other"));
    BareObject copy;
    copy.initFromDOMElement(reread.documentElement());
    QCOMPARE(copy.name(), QStringLiteral("Schacht \"A\" <1>"));
    COMPARE_VECTOR(copy.system()->position(), Vector3D(0.125, 0.0, -0.3), 1e-7);
    COMPARE_ROTATION(copy.system()->rotation(), Quaternion(Vector3D(0, 1, 0), 0.7), 1e-6);
    QCOMPARE(copy.labelText(), QStringLiteral("Zulauf & Ablauf"));
    QCOMPARE(copy.label()->offset(), QPointF(12.5, -40.25));
    QVERIFY(!copy.label()->isVisible());
    QCOMPARE(copy.label()->background(), QColor(240, 230, 150, 200));
    QVERIFY(copy.label()->hasPointer());
}

void TestObject3D::xmlKeepsWhatIsMissing()
{
    BareObject object;
    object.system()->setPosition(Vector3D(0.5, 0, 0.5));
    object.setLabelText(QStringLiteral("bleibt"));
    QDomDocument document;
    object.initFromDOMElement(document.createElement(QStringLiteral("Object")));
    // No name is an empty one: the object gets a fresh name.
    QCOMPARE(object.name(), QStringLiteral("object"));
    COMPARE_VECTOR(object.system()->position(), Vector3D(0.5, 0, 0.5), 0.0);
    QCOMPARE(object.labelText(), QStringLiteral("bleibt"));
}

void TestObject3D::disc()
{
    std::unique_ptr<MeshBuffer> disc(Object3D::makeDisc(2.0, 60));
    QCOMPARE(disc->vertexCount(), 60);
    QCOMPARE(disc->triangleCount(), 59);
    QVERIFY(disc->isWellFormed());
    QVERIFY(disc->drawsNormals());
    QVERIFY(!disc->drawsTexCoords());
    const auto extent = meshExtent(*disc);
    COMPARE_VECTOR(extent.first, Vector3D(-0.02, 0, -0.02), 1e-7);
    COMPARE_VECTOR(extent.second, Vector3D(0.02, 0, 0.02), 1e-7);
    COMPARE_VECTOR(meshVertex(*disc, 0), Vector3D(0, 0, 0.02), 1e-9);
    QCOMPARE(inwardTriangles(*disc, [](const Vector3D &) { return Vector3D(0, 1, 0); }), 0);
    QCOMPARE(degenerateTriangles(*disc), 1);
}

void TestObject3D::box()
{
    std::unique_ptr<MeshBuffer> box(Object3D::makeBox(2.0, 1.0, 3.0));
    QCOMPARE(box->vertexCount(), 24);
    QCOMPARE(box->triangleCount(), 12);
    QVERIFY(box->drawsNormals());
    COMPARE_VECTOR(meshVertex(*box, 0), Vector3D(-0.01, -0.005, 0), 1e-9);
    const auto extent = meshExtent(*box);
    COMPARE_VECTOR(extent.first, Vector3D(-0.01, -0.005, -0.03), 1e-9);
    COMPARE_VECTOR(extent.second, Vector3D(0.01, 0.005, 0), 1e-9);
    const Vector3D centre(0, 0, -0.015);
    QCOMPARE(inwardTriangles(*box, [&](const Vector3D &p) { return p - centre; }), 0);
    QCOMPARE(degenerateTriangles(*box), 0);
    // Each face's normal is its own outward one.
    for (int t = 0; t < 12; ++t) {
        const quint32 v = box->indices()[3 * t];
        const Vector3D normal(box->normals()[int(3 * v)], box->normals()[int(3 * v + 1)],
                              box->normals()[int(3 * v + 2)]);
        COMPARE_VECTOR(windingNormal(*box, t).unitVector(), normal, 1e-9);
    }
}

void TestObject3D::cylinder()
{
    const double radius = 0.5;
    const double height = 2.0;
    std::unique_ptr<MeshBuffer> cylinder(Object3D::makeCylinder(radius, height, 60));
    QCOMPARE(cylinder->vertexCount(), 240);
    // 120 on the mantle, 59 on each cap.
    QCOMPARE(cylinder->triangleCount(), 238);
    QVERIFY(cylinder->isWellFormed());
    const auto extent = meshExtent(*cylinder);
    COMPARE_VECTOR(extent.first, Vector3D(-0.005, -0.005, -0.02), 1e-7);
    COMPARE_VECTOR(extent.second, Vector3D(0.005, 0.005, 0), 1e-7);

    // The mantle closes without a seam: its triangles cover the whole side of the 60-gon prism.
    double mantle = 0.0;
    int mantleTriangles = 0;
    for (int t = 0; t < cylinder->triangleCount(); ++t) {
        const quint32 v = cylinder->indices()[3 * t];
        if (cylinder->normals()[int(3 * v + 2)] != 0.0f)
            continue;
        ++mantleTriangles;
        mantle += windingNormal(*cylinder, t).norm() / 2.0;
    }
    QCOMPARE(mantleTriangles, 120);
    const double r = Object3D::toUnits(radius);
    const double side = 2.0 * 60 * r * std::sin(M_PI / 60) * Object3D::toUnits(height);
    QVERIFY2(std::fabs(mantle - side) < 1e-6 * side, qPrintable(QString::number(mantle / side)));
}

void TestObject3D::sphere_data()
{
    QTest::addColumn<int>("subdivisions");
    QTest::addColumn<int>("vertices");
    QTest::addColumn<int>("triangles");
    QTest::newRow("icosahedron") << 0 << 12 << 20;
    QTest::newRow("once") << 1 << 42 << 80;
    QTest::newRow("joints and points") << 3 << 642 << 1280;
}

void TestObject3D::sphere()
{
    QFETCH(int, subdivisions);
    QFETCH(int, vertices);
    QFETCH(int, triangles);
    std::unique_ptr<MeshBuffer> sphere(Object3D::makeSphere(1.5, subdivisions));
    // Midpoints are shared between neighbouring triangles.
    QCOMPARE(sphere->vertexCount(), vertices);
    QCOMPARE(sphere->triangleCount(), triangles);
    QVERIFY(sphere->isWellFormed());
    QCOMPARE(sphere->normals(), sphere->positions());
    const double r = Object3D::toUnits(1.5);
    for (int i = 0; i < sphere->vertexCount(); ++i)
        QVERIFY(std::fabs(meshVertex(*sphere, quint32(i)).norm() - r) < 1e-7);
    QCOMPARE(inwardTriangles(*sphere, [](const Vector3D &p) { return p; }), 0);
    QCOMPARE(degenerateTriangles(*sphere), 0);
    // A second sphere starts afresh.
    std::unique_ptr<MeshBuffer> again(Object3D::makeSphere(1.5, subdivisions));
    QCOMPARE(again->positions(), sphere->positions());
    QCOMPARE(again->indices(), sphere->indices());
}

void TestObject3D::arrowBar_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<bool>("atEnd");
    QTest::addColumn<int>("vertices");
    QTest::addColumn<double>("halfWidth");
    QTest::newRow("plain bar") << false << false << 4 << 0.0001;
    QTest::newRow("head at the start") << true << false << 7 << 0.0004;
    QTest::newRow("head at the end") << false << true << 7 << 0.0004;
    QTest::newRow("both heads") << true << true << 10 << 0.0004;
}

void TestObject3D::arrowBar()
{
    QFETCH(bool, atStart);
    QFETCH(bool, atEnd);
    QFETCH(int, vertices);
    QFETCH(double, halfWidth);
    // Width in metres, length in scene units.
    std::unique_ptr<MeshBuffer> bar(Object3D::makeArrowBar(0.05, 0.02, atStart, atEnd));
    QCOMPARE(bar->vertexCount(), vertices);
    QCOMPARE(bar->triangleCount(), 2 + (vertices - 4) / 3);
    const auto extent = meshExtent(*bar);
    COMPARE_VECTOR(extent.first, Vector3D(-halfWidth, 0, 0), 1e-9);
    COMPARE_VECTOR(extent.second, Vector3D(halfWidth, 0, 0.05), 1e-9);
    QCOMPARE(inwardTriangles(*bar, [](const Vector3D &) { return Vector3D(0, 1, 0); }), 0);
    QCOMPARE(degenerateTriangles(*bar), 0);
}

void TestObject3D::meshTransforms()
{
    std::unique_ptr<MeshBuffer> bar(Object3D::makeArrowBar(1.0, 0.0, false, false));
    const QVector<float> normals = bar->normals();
    bar->rotate(Quaternion(Vector3D(0, 1, 0), M_PI / 2.0));
    bar->translate(Vector3D(1, 2, 3));
    // The far end (0, 0, 1) turned onto +x, then moved.
    const auto extent = meshExtent(*bar);
    COMPARE_VECTOR(extent.first, Vector3D(1, 2, 3), 1e-6);
    COMPARE_VECTOR(extent.second, Vector3D(2, 2, 3), 1e-6);
    QCOMPARE(bar->normals(), normals);
}

void TestObject3D::malformedMeshesAreRecognised()
{
    const QVector<float> triangle{0, 0, 0, 1, 0, 0, 0, 1, 0};
    MeshBuffer mesh;
    mesh.setData(triangle, {0, 0, 1, 0, 0, 1, 0, 0, 1}, {0, 0, 1, 0, 0, 1}, {0, 1, 2});
    QVERIFY(mesh.isWellFormed());
    QVERIFY(mesh.drawsNormals());
    QVERIFY(mesh.drawsTexCoords());

    // Optional arrays too short for every vertex are not drawn.
    mesh.setData(triangle, {0, 0, 1}, {0, 0, 1, 0, 0}, {0, 1, 2});
    QVERIFY(mesh.isWellFormed());
    QVERIFY(!mesh.drawsNormals());
    QVERIFY(!mesh.drawsTexCoords());

    // An index past the vertices, positions or indices not in whole triples.
    mesh.setData(triangle, {}, {}, {0, 1, 3});
    QVERIFY(!mesh.isWellFormed());
    mesh.setData(triangle.mid(0, 8), {}, {}, {0, 1, 2});
    QVERIFY(!mesh.isWellFormed());
    mesh.setData(triangle, {}, {}, {0, 1, 2, 0});
    QVERIFY(!mesh.isWellFormed());
}

void TestObject3D::glCallsWithoutContextDoNothing()
{
    QVERIFY(!QOpenGLContext::currentContext());
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    {
        std::unique_ptr<MeshBuffer> disc(Object3D::makeDisc(1.0, 8));
        disc->setTexture(image.rgbSwapped());
        // Kept for the first render with a context.
        QVERIFY(disc->hasPendingTexture());
        QCOMPARE(disc->texture(), 0u);
        disc->render(0, 1, 2);
        QVERIFY(disc->hasPendingTexture());
        QCOMPARE(disc->texture(), 0u);
        QCOMPARE(textureColour(*disc), QColor(Qt::red));
    }
    Pipeline pipe(2.0, 0.1);
    pipe.draw(0, 1, -1);
    pipe.drawLabelLine(3.0);
    PipePoint joint(0.1);
    joint.drawLabelLine(3.0);
    QCOMPARE(pipe.meshes().size(), 1);
}

void TestObject3D::connectedObjectsChainAndAreLocked()
{
    auto first = std::make_unique<Pipeline>(2.0, 0.1);
    PipePoint joint(0.1);
    Pipeline second(3.0, 0.1);
    QCOMPARE(first->type(), 3);
    QCOMPARE(joint.type(), 4);
    joint.linkAfter(first.get());
    second.linkAfter(&joint);
    QCOMPARE(first->next(), &joint);
    QCOMPARE(second.previous(), &joint);
    QCOMPARE(second.cumulativeLength(), 5.0);
    QCOMPARE(joint.system()->referenceSystem(), first->system());

    // The mouse can not move them.
    first->system()->setPosition(Vector3D(1, 0, 0));
    joint.system()->setTranslation(Vector3D(0, 0, -0.02));
    first->system()->translate(Vector3D(0, 1, 0));
    first->system()->rotate(Quaternion(Vector3D(0, 1, 0), 1.0));
    COMPARE_VECTOR(first->system()->position(), Vector3D(1, 0, 0), 0.0);
    COMPARE_ROTATION(first->system()->rotation(), Quaternion(), 0.0);

    // Deleting a link leaves no dangling neighbour, and the next one keeps its place.
    const Vector3D jointPosition = joint.system()->position();
    first.reset();
    QVERIFY(!joint.previous());
    QVERIFY(!joint.system()->referenceSystem());
    COMPARE_VECTOR(joint.system()->position(), jointPosition, 1e-12);

    // Neither is stored.
    QDomDocument document;
    QVERIFY(second.domElement(document).isNull());
    QVERIFY(joint.domElement(document).isNull());
    // A joint's mesh is that of a ball of its radius; a segment's a cylinder of its length.
    QCOMPARE(joint.meshes().first()->triangleCount(), 1280);
    QVERIFY(std::fabs(meshExtent(*second.meshes().first()).first.z + 0.03) < 1e-9);
}

QTEST_MAIN(TestObject3D)
#include "tst_object3d.moc"
