// test-needs: x11
#include "support/leakcheck.h"
#include "sceneobjects.h"
#include "view3d/duct.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/referencepoint.h"
#include "support/testenv.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QtTest>

#include <memory>


// Draws scene objects from straight above into a 64 x 64 frame buffer: x to the right, z
// downwards (or, from the side, y upwards), 0.01 scene units from the centre to each edge. Textured meshes show their texture's
// colour, others red; the clear colour is white.
class TestObjects3DGL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void textureGivenWithoutContextIsUploadedAtFirstRender();
    void malformedMeshesDrawNothingOutside();
    void labelLinesAndCurtains();
    void textureGoesWithTheMesh();

private:
    QImage frame();
    void drawWith(Object3D &object, int normalLocation = 1);

    TestEnvironment m_env;
    // The first use of the settings may tell about folders it had to create.
    ReporterCapture m_reports;
    QOffscreenSurface m_surface;
    QOpenGLContext m_context;
    std::unique_ptr<QOpenGLFramebufferObject> m_target;
    QOpenGLShaderProgram *m_program = nullptr;
};

void TestObjects3DGL::initTestCase()
{
    m_surface.create();
    QVERIFY(m_context.create());
    QVERIFY(m_context.makeCurrent(&m_surface));
    QVERIFY(!m_context.isOpenGLES());
    m_target = std::make_unique<QOpenGLFramebufferObject>(64, 64);
    m_program = new QOpenGLShaderProgram;
    m_program->addShaderFromSourceCode(QOpenGLShader::Vertex,
                                       "#version 120\n"
                                       "attribute vec3 vertex;\n"
                                       "attribute vec3 normal;\n"
                                       "uniform int side;\n"
                                       "void main() {\n"
                                       "  float up = side == 1 ? vertex.y : -vertex.z;\n"
                                       "  gl_Position = vec4(vertex.x * 100.0, up * 100.0, 0.0, 1.0);\n"
                                       "}\n");
    m_program->addShaderFromSourceCode(QOpenGLShader::Fragment,
                                       "#version 120\n"
                                       "uniform sampler2D tex;\n"
                                       "uniform int hasTexture;\n"
                                       "void main() {\n"
                                       "  gl_FragColor = hasTexture == 1 ? texture2D(tex, vec2(0.5, 0.5)) : vec4(1.0, 0.0, 0.0, 1.0);\n"
                                       "}\n");
    m_program->bindAttributeLocation("vertex", 0);
    m_program->bindAttributeLocation("normal", 1);
    QVERIFY2(m_program->link(), qPrintable(m_program->log()));
}

void TestObjects3DGL::cleanupTestCase()
{
    m_context.makeCurrent(&m_surface);
    delete m_program;
    m_target.reset();
    m_context.doneCurrent();
}

void TestObjects3DGL::init()
{
    QVERIFY(m_context.makeCurrent(&m_surface));
    m_target->bind();
    QOpenGLFunctions *gl = m_context.functions();
    gl->glViewport(0, 0, 64, 64);
    gl->glClearColor(1, 1, 1, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
}

QImage TestObjects3DGL::frame()
{
    return m_target->toImage().convertToFormat(QImage::Format_RGB32);
}

void TestObjects3DGL::drawWith(Object3D &object, int normalLocation)
{
    m_program->bind();
    const bool textured = !object.meshes().isEmpty() && !object.meshes().first()->textureImage().isNull();
    m_program->setUniformValue("hasTexture", textured ? 1 : 0);
    m_program->setUniformValue("tex", 0);
    object.draw(0, normalLocation, -1);
    m_program->release();
}

void TestObjects3DGL::textureGivenWithoutContextIsUploadedAtFirstRender()
{
    ReferencePoint reference;
    // Built while no context is current, as a project is read.
    m_context.doneCurrent();
    QVERIFY(!QOpenGLContext::currentContext());
    reference.setPosition(Vector3D());
    MeshBuffer *disc = reference.meshes().first();
    QVERIFY(disc->hasPendingTexture());
    QCOMPARE(disc->texture(), 0u);

    init();
    drawWith(reference);
    QVERIFY(!disc->hasPendingTexture());
    QVERIFY(disc->texture() != 0);
    const QImage image = frame();
    QCOMPARE(image.pixelColor(32, 32), QColor(0, 70, 130));
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));

    // With a context, a texture goes up at once.
    reference.buildGeometry();
    QVERIFY(!reference.meshes().first()->hasPendingTexture());
    QVERIFY(reference.meshes().first()->texture() != 0);
}

void TestObjects3DGL::malformedMeshesDrawNothingOutside()
{
    const QVector<float> square{-0.01f, 0, -0.01f, 0.01f, 0, -0.01f, 0.01f, 0, 0.01f, -0.01f, 0, 0.01f};
    MeshBuffer mesh;
    // A normal array for one vertex of four, through a program that reads normals: the square
    // is drawn without them.
    mesh.setData(square, {0, 1, 0}, {0, 0}, {0, 1, 2, 0, 2, 3});
    m_program->bind();
    m_program->setUniformValue("hasTexture", 0);
    mesh.render(0, 1, 2);
    QCOMPARE(frame().pixelColor(32, 32), QColor(Qt::red));

    // An index past the vertices: nothing is drawn.
    init();
    m_program->bind();
    mesh.setData(square, {}, {}, {0, 1, 2, 0, 2, 400000});
    mesh.render(0, 1, -1);
    m_program->release();
    QCOMPARE(frame().pixelColor(32, 32), QColor(Qt::white));
}

void TestObjects3DGL::labelLinesAndCurtains()
{
    // Seen from the side: the dashed line runs from the depth up to the object.
    Duct duct(0.2, 1.0);
    duct.system()->setPosition(Vector3D(0.005, 0, 0));
    m_program->bind();
    m_program->setUniformValue("hasTexture", 0);
    m_program->setUniformValue("side", 1);
    duct.drawLabelLine(2.0);
    QImage image = frame();
    int dashPixels = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::red))
                continue;
            QVERIFY2(x >= 47 && x <= 48 && y >= 31, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            ++dashPixels;
        }
    }
    // Dashes and gaps alike, half a period each.
    QVERIFY2(dashPixels > 8 && dashPixels < 28, qPrintable(QString::number(dashPixels)));

    // A pipe's curtain hangs under it from its start to its end.
    init();
    Pipeline pipe(1.0, 0.05);
    pipe.system()->setOrientation(Quaternion(Vector3D(0, 0, -1), Vector3D(-1, 0, 0)));
    m_program->bind();
    m_program->setUniformValue("side", 1);
    pipe.drawLabelLine(0.5);
    m_program->setUniformValue("side", 0);
    m_program->release();
    image = frame();
    // From x = -0.01 to 0 and from y = -0.005 up to 0.
    QCOMPARE(image.pixelColor(16, 40), QColor(Qt::red));
    QCOMPARE(image.pixelColor(48, 40), QColor(Qt::white));
    QCOMPARE(image.pixelColor(16, 24), QColor(Qt::white));
    QCOMPARE(image.pixelColor(16, 56), QColor(Qt::white));
}

void TestObjects3DGL::textureGoesWithTheMesh()
{
    GLuint name = 0;
    {
        ReferencePoint reference;
        reference.setPosition(Vector3D());
        name = reference.meshes().first()->texture();
        QVERIFY(name != 0);
        QVERIFY(m_context.functions()->glIsTexture(name));
    }
    QVERIFY(!m_context.functions()->glIsTexture(name));
}

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    int result = 0;
    {
        TestObjects3DGL test;
        QTEST_SET_MAIN_SOURCE_PATH
        result = QTest::qExec(&test, argc, argv);
    }
    checkLeaksWhileDriversLoaded();
    return result;
}
#include "tst_objects3dgl.moc"
