#include "sceneobjects.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/selectableboxitem.h"
#include "view3d/model3d.h"
#include "view3d/plain3d.h"
#include "view3d/windrose3d.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// An image as the model files hold it: base64 of its data-stream form.
QString streamedImage(const QImage &image)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(17);
    stream << image;
    return QString::fromLatin1(bytes.toBase64());
}

QDomElement element(const QString &xml)
{
    QDomDocument document;
    document.setContent(xml);
    return document.documentElement();
}

// A mesh's first corner, to tell whether it was built again.
Vector3D firstCorner(const Object3D &object)
{
    return meshVertex(*object.meshes().first(), 0);
}

// Whether the picture is fully transparent.
bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

class TestGround : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void groundWithoutPlan();
    void groundWithPlan();
    void groundTilesInSlices();
    void numberArrays_data();
    void numberArrays();
    void modelFile();
    void missingModelFileChangesNothing();
    void authoredHouse();
    void compass();
    void noneIsStored();

private:
    TestEnvironment m_env;
    // The first use of the settings may tell about folders it had to create.
    ReporterCapture m_reports;
    QTemporaryDir m_dir;
};

void TestGround::cleanup()
{
    QVERIFY(Object3D::registry().isEmpty());
}

void TestGround::groundWithoutPlan()
{
    Plain3D ground;
    QCOMPARE(ground.type(), 3);
    QCOMPARE(ground.northAngle(), 0.0);
    ground.buildGeometry();
    const QList<MeshBuffer *> tiles = ground.meshes();
    QCOMPARE(tiles.size(), 400);
    for (const MeshBuffer *tile : tiles) {
        QCOMPARE(tile->vertexCount(), 4);
        QCOMPARE(tile->triangleCount(), 2);
        QVERIFY(tile->drawsNormals() && tile->drawsTexCoords());
        QCOMPARE(tile->textureImage().size(), QSize(32, 32));
        QCOMPARE(textureColour(*tile), QColor(Qt::white));
    }
    // Outer loop over x: the first tile is at the corner (-0.5, -0.5), the 21st one tile along x.
    COMPARE_VECTOR(meshExtent(*tiles.first()).first, Vector3D(-0.5, 0, -0.5), 1e-7);
    COMPARE_VECTOR(meshExtent(*tiles[20]).first, Vector3D(-0.45, 0, -0.5), 1e-7);
    COMPARE_VECTOR(meshExtent(*tiles.last()).second, Vector3D(0.5, 0, 0.5), 1e-7);
}

void TestGround::groundWithPlan()
{
    QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
    auto *room = new SelectableBoxItem;
    room->setSize(QSizeF(1200, 300));
    room->setShowBox(0);
    room->setBox(0);
    plan->addElement(room);
    plan->setNorthAngle(0.75);
    QCOMPARE(plan->tileColumns(), 4);
    QCOMPARE(plan->tileRows(), 2);

    Plain3D ground(plan);
    QWeakPointer<FloorPlan> watch = plan;
    plan.reset();
    // The ground keeps its plan alive.
    QVERIFY(watch);
    QCOMPARE(ground.northAngle(), 0.75);
    QSignalSpy finished(&ground, &Plain3D::tilesFinished);
    ground.buildGeometry();
    const QList<MeshBuffer *> tiles = ground.meshes();
    QCOMPARE(tiles.size(), 400);
    // The plan's pictures come with the event loop; until then every tile is white.
    QVERIFY(ground.hasPendingTiles());
    for (const MeshBuffer *tile : tiles)
        QCOMPARE(tile->textureImage().size(), QSize(32, 32));
    QVERIFY(finished.wait());
    QVERIFY(!ground.hasPendingTiles());
    QCOMPARE(finished.count(), 1);

    const QSharedPointer<FloorPlan> kept = watch.toStrongRef();
    int planTiles = 0;
    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 20; ++j) {
            const int tx = i - 10;
            const int tz = j - 10;
            const MeshBuffer &tile = *tiles[i * 20 + j];
            COMPARE_VECTOR(meshExtent(tile).first, Vector3D(tx * 0.05, 0, tz * 0.05), 1e-7);
            const bool onPlan = tx >= -2 && tx < 2 && tz >= -1 && tz < 1;
            QCOMPARE(tile.textureImage().size(), onPlan ? QSize(1000, 1000) : QSize(32, 32));
            // Each picture, made in slices, is the plan's tile made on its own, in RGBA byte
            // order.
            if (onPlan)
                QCOMPARE(tile.textureImage().rgbSwapped(), kept->renderTile(tx, tz));
            else
                QCOMPARE(textureColour(tile), QColor(Qt::white));
            planTiles += onPlan ? 1 : 0;
        }
    }
    QCOMPARE(planTiles, 8);
    QVERIFY(!isBlank(kept->renderTile(0, 0)));
}

void TestGround::groundTilesInSlices()
{
    // Enough elements that painting all tiles takes several slices of the event loop.
    QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
    for (int i = 0; i < 300; ++i) {
        auto *room = new SelectableBoxItem;
        room->setSize(QSizeF(300, 200));
        room->setPos(QPointF((i % 20) * 490.0, (i / 20) * 600.0));
        plan->addElement(room);
    }
    const int columns = plan->tileColumns();
    const int rows = plan->tileRows();
    QCOMPARE(columns, 20);
    QCOMPARE(rows, 18);
    Plain3D ground(plan);
    QSignalSpy changed(&ground, &Plain3D::tilesChanged);
    QSignalSpy finished(&ground, &Plain3D::tilesFinished);
    ground.buildGeometry();
    // A second build while tiles wait starts over; only the newest meshes get pictures.
    ground.buildGeometry();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(changed.count() >= 1);

    Plain3D atOnce(plan);
    atOnce.buildGeometry();
    atOnce.finishTiles();
    QVERIFY(!atOnce.hasPendingTiles());
    const QList<MeshBuffer *> sliced = ground.meshes();
    const QList<MeshBuffer *> direct = atOnce.meshes();
    QCOMPARE(sliced.size(), 400);
    int planTiles = 0;
    for (int k = 0; k < sliced.size(); ++k) {
        QCOMPARE(sliced[k]->textureImage(), direct[k]->textureImage());
        planTiles += sliced[k]->textureImage().width() == FloorPlan::TilePixels ? 1 : 0;
    }
    QCOMPARE(planTiles, columns * rows);
}

void TestGround::numberArrays_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QVector<float>>("expected");
    QTest::newRow("count taken from more") << QStringLiteral("<vertices count=\"9\">1 2 3 4 5 6 7 8 9 10</vertices>")
                                           << QVector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("fewer than the count") << QStringLiteral("<vertices count=\"9\">1 2 3 4 5 6 7 8</vertices>")
                                          << QVector<float>();
    QTest::newRow("blanks skipped") << QStringLiteral("<vertices count=\"3\">  1   -2.5 3  </vertices>")
                                    << QVector<float>{1, -2.5, 3};
    QTest::newRow("no count") << QStringLiteral("<vertices>1 2 3</vertices>") << QVector<float>();
    QTest::newRow("negative count") << QStringLiteral("<vertices count=\"-3\">1 2 3</vertices>") << QVector<float>();
}

void TestGround::numberArrays()
{
    QFETCH(QString, xml);
    QFETCH(QVector<float>, expected);
    QCOMPARE(Model3D::readFloats(element(xml), 1.0f), expected);
    // Positions are hundredths of a scene unit.
    QVector<float> scaled;
    for (float value : expected)
        scaled << value * 0.0099999998f;
    QCOMPARE(Model3D::readFloats(element(xml), 0.01f), scaled);
    QCOMPARE(Model3D::readIndices(element(QStringLiteral("<faces count=\"3\">0 1 2 3</faces>"))),
             (QVector<quint32>{0, 1, 2}));
}

void TestGround::modelFile()
{
    QImage texture(4, 4, QImage::Format_ARGB32);
    texture.fill(QColor(10, 20, 200));
    const QString triangle = QStringLiteral("<vertices count=\"9\">0 0 0 100 0 0 0 0 -100</vertices>");
    const QString path = m_dir.filePath(QStringLiteral("model.tsobj"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(
                   "<model>"
                   "<object><texture>%1</texture>%2"
                   "<normals count=\"9\">0 1 0 0 1 0 0 1 0</normals>"
                   "<uvs count=\"6\">0 0 1 0 0 1</uvs><faces count=\"3\">0 1 2</faces></object>"
                   "<other><vertices count=\"3\">0 0 0</vertices></other>"
                   "<object>%2<normals count=\"3\">0 1 0</normals><faces count=\"3\">0 2 1</faces></object>"
                   "<object>%2<faces count=\"3\">0 1 3</faces></object>"
                   "<object><vertices count=\"4\">0 0 0 1</vertices><faces count=\"3\">0 0 0</faces></object>"
                   "<object>%2<faces count=\"4\">0 1 2 0</faces></object>"
                   "</model>")
                   .arg(streamedImage(texture), triangle)
                   .toUtf8());
    file.close();

    Model3D model(path);
    QCOMPARE(model.type(), 4);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Model object 2 .* left out")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Model object 3 .* left out")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Model object 4 .* left out")));
    model.buildGeometry();
    // Only "object" children count; malformed objects are left out.
    const QList<MeshBuffer *> meshes = model.meshes();
    QCOMPARE(meshes.size(), 2);
    const MeshBuffer &first = *meshes[0];
    COMPARE_VECTOR(meshVertex(first, 1), Vector3D(1, 0, 0), 1e-6);
    QVERIFY(first.drawsNormals() && first.drawsTexCoords());
    QCOMPARE(textureColour(first), QColor(10, 20, 200));
    // A normal array short of the vertices is not drawn, and there is no texture.
    QVERIFY(!meshes[1]->drawsNormals());
    QVERIFY(meshes[1]->textureImage().isNull());

    // Loading again replaces the meshes.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("left out")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("left out")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("left out")));
    model.buildGeometry();
    QCOMPARE(model.meshes().size(), 2);

    // A file that is no XML leaves no meshes.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<model><object>");
    file.close();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("can not be read")));
    model.buildGeometry();
    QVERIFY(model.meshes().isEmpty());
}

void TestGround::missingModelFileChangesNothing()
{
    Model3D unnamed;
    unnamed.buildGeometry();
    QVERIFY(unnamed.meshes().isEmpty());
    Model3D missing(m_dir.filePath(QStringLiteral("none.tsobj")));
    missing.buildGeometry();
    QVERIFY(missing.meshes().isEmpty());
}

void TestGround::authoredHouse()
{
    Model3D house(QCoreApplication::applicationDirPath() + QStringLiteral("/data/obj/House.tsobj"));
    house.buildGeometry();
    const QList<MeshBuffer *> meshes = house.meshes();
    QVERIFY(!meshes.isEmpty());
    for (const MeshBuffer *mesh : meshes) {
        QVERIFY(mesh->triangleCount() > 0);
        QVERIFY(mesh->isWellFormed());
        QVERIFY(mesh->drawsNormals() && mesh->drawsTexCoords());
        QVERIFY(!mesh->textureImage().isNull());
        // Each triangle turns the way its normal points.
        for (int t = 0; t < mesh->triangleCount(); ++t) {
            const quint32 v = mesh->indices()[3 * t];
            const Vector3D normal(mesh->normals()[int(3 * v)], mesh->normals()[int(3 * v + 1)],
                                  mesh->normals()[int(3 * v + 2)]);
            QVERIFY(dot(windingNormal(*mesh, t), normal) > 0.0);
        }
    }
    // A house of some metres standing on the ground.
    const auto extent = meshExtent(*meshes.first());
    QCOMPARE(extent.first.y, 0.0);
    QVERIFY(extent.second.x > 0.02 && extent.second.x < 0.2);
}

void TestGround::compass()
{
    WindRose3D compass;
    QVERIFY(!compass.image().isNull());
    compass.buildGeometry();
    QCOMPARE(compass.meshes().size(), 1);
    const MeshBuffer &square = *compass.meshes().first();
    COMPARE_VECTOR(meshVertex(square, 0), Vector3D(-0.03, 0, -0.03), 1e-7);
    COMPARE_VECTOR(meshVertex(square, 2), Vector3D(0.03, 0, 0.03), 1e-7);
    QCOMPARE(square.textureImage().size(), compass.image().size());
    // North of the picture (its top row) is at the square's far side (-z).
    QCOMPARE(square.texCoords().mid(0, 2), (QVector<float>{0, 0}));

    // A quarter turn about the downward axis takes the corner (-s, 0, -s) to (s, 0, -s).
    compass.setNorthAngle(M_PI / 2);
    COMPARE_VECTOR(firstCorner(compass), Vector3D(0.03, 0, -0.03), 1e-7);
    // The same angle again builds nothing: a mark made on the mesh stays.
    compass.meshes().first()->translate(Vector3D(1, 0, 0));
    compass.setNorthAngle(M_PI / 2);
    COMPARE_VECTOR(firstCorner(compass), Vector3D(1.03, 0, -0.03), 1e-7);
    compass.scale(1.0);
    COMPARE_VECTOR(firstCorner(compass), Vector3D(1.03, 0, -0.03), 1e-7);
    // The opposite angle is another rotation.
    compass.setNorthAngle(-M_PI / 2);
    COMPARE_VECTOR(firstCorner(compass), Vector3D(-0.03, 0, 0.03), 1e-7);
    compass.scale(2.0);
    QCOMPARE(compass.size(), 0.06);
    COMPARE_VECTOR(firstCorner(compass), Vector3D(-0.06, 0, 0.06), 1e-7);
}

void TestGround::noneIsStored()
{
    QDomDocument document;
    Plain3D ground;
    Model3D house(QStringLiteral("House.tsobj"));
    QVERIFY(ground.domElement(document).isNull());
    QVERIFY(house.domElement(document).isNull());
    // The compass writes the plain object element, which the viewer keeps out of the file.
    WindRose3D compass;
    QCOMPARE(compass.domElement(document).tagName(), QStringLiteral("Object"));
    QVERIFY(!compass.domElement(document).hasAttribute(QStringLiteral("Type")));
}

QTEST_MAIN(TestGround)
#include "tst_ground.moc"
