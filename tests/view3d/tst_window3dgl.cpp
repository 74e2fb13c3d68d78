// test-needs: x11
#include "support/leakcheck.h"
#include "compare3d.h"
#include "view3d/camera.h"
#include "view3d/matrix4.h"
#include "view3d/window3d.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>


namespace {

// Draws one red triangle around the world point (0, 0.5, 0) on white, with depth test, through
// the camera's own matrices.
class TriangleWindow : public Window3D
{
public:
    void renderFrame()
    {
        QVERIFY(context()->makeCurrent(this));
        render();
    }

protected:
    void initGL() override
    {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        m_program.addShaderFromSourceCode(QOpenGLShader::Vertex,
                                          "#version 120\n"
                                          "attribute vec3 vertex;\n"
                                          "uniform mat4 PMV;\n"
                                          "void main() { gl_Position = PMV * vec4(vertex, 1.0); }\n");
        m_program.addShaderFromSourceCode(QOpenGLShader::Fragment,
                                          "#version 120\n"
                                          "void main() { gl_FragColor = vec4(1.0, 0.0, 0.0, 1.0); }\n");
        m_program.bindAttributeLocation("vertex", 0);
        QVERIFY2(m_program.link(), qPrintable(m_program.log()));
    }

    void draw(QPainter *painter) override
    {
        painter->beginNativePainting();
        glEnable(GL_DEPTH_TEST);
        m_program.bind();
        double combined[16];
        multiplyMatrices(camera()->modelViewMatrix().data(), camera()->projectionMatrix().data(),
                         combined);
        float matrix[16];
        toFloatMatrix(combined, matrix);
        glUniformMatrix4fv(m_program.uniformLocation("PMV"), 1, GL_FALSE, matrix);
        static const float triangle[] = {-0.1f, 0.4f, 0.0f, 0.1f, 0.4f, 0.0f, 0.0f, 0.6f, 0.0f};
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, triangle);
        glEnableVertexAttribArray(0);
        glDrawArrays(GL_TRIANGLES, 0, 3);
        glDisableVertexAttribArray(0);
        m_program.release();
        glDisable(GL_DEPTH_TEST);
        painter->endNativePainting();
    }

    void pickAt(const QPoint &) override {}
    void selectPicked(const QPoint &) override {}

private:
    QOpenGLShaderProgram m_program;
};

// Width and height of what the picking frame buffer has attached, or (-1, -1).
QSize pickingAttachmentSize(TriangleWindow &window, GLenum attachment)
{
    QOpenGLContext *context = window.context();
    context->makeCurrent(&window);
    QOpenGLExtraFunctions *gl = context->extraFunctions();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, window.pickingFramebuffer());
    QSize size(-1, -1);
    if (gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
        GLint name = 0;
        gl->glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, attachment,
                                                  GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &name);
        GLint width = 0;
        GLint height = 0;
        if (attachment == GL_DEPTH_ATTACHMENT) {
            gl->glBindRenderbuffer(GL_RENDERBUFFER, GLuint(name));
            gl->glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_WIDTH, &width);
            gl->glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_HEIGHT, &height);
        } else {
            gl->glBindTexture(GL_TEXTURE_2D, GLuint(name));
            gl->glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
            gl->glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
            gl->glBindTexture(GL_TEXTURE_2D, 0);
        }
        size = QSize(width, height);
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, context->defaultFramebufferObject());
    return size;
}

} // namespace

class TestWindow3DGL : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void contextHasDepthAndStencil();
    void pickingFramebufferFollowsResize();
    void grabFrameAndDepth();

private:
    TriangleWindow *m_window = nullptr;
    QSignalSpy *m_contextInit = nullptr;
};

void TestWindow3DGL::init()
{
    m_window = new TriangleWindow;
    // A caller's format without depth or stencil buffers.
    QSurfaceFormat format;
    format.setDepthBufferSize(0);
    format.setStencilBufferSize(0);
    m_window->setFormat(format);
    m_contextInit = new QSignalSpy(m_window, &Window3D::contextInit);
    m_window->resize(320, 240);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(m_window->context());
    QTRY_COMPARE(m_window->camera()->screenWidth(), 320);
}

void TestWindow3DGL::cleanup()
{
    delete m_contextInit;
    delete m_window;
}

void TestWindow3DGL::contextHasDepthAndStencil()
{
    QCOMPARE(m_contextInit->count(), 1);
    QVERIFY(Window3D::isOpenGLInitialized());
    QOpenGLContext *context = m_window->context();
    QVERIFY(!context->isOpenGLES());
    QVERIFY(context->format().profile() != QSurfaceFormat::CoreProfile);
    QVERIFY(context->format().depthBufferSize() >= 16);
    QVERIFY(context->format().stencilBufferSize() >= 8);

    // What the window's own frame buffer really has.
    QVERIFY(context->makeCurrent(m_window));
    GLint depthBits = 0;
    GLint stencilBits = 0;
    context->functions()->glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    context->functions()->glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    QVERIFY2(depthBits >= 16, qPrintable(QString::number(depthBits)));
    QVERIFY2(stencilBits >= 8, qPrintable(QString::number(stencilBits)));
}

void TestWindow3DGL::pickingFramebufferFollowsResize()
{
    QVERIFY(m_window->pickingFramebuffer() != 0);
    QCOMPARE(pickingAttachmentSize(*m_window, GL_DEPTH_ATTACHMENT), QSize(320, 240));
    QCOMPARE(pickingAttachmentSize(*m_window, GL_COLOR_ATTACHMENT0), QSize(320, 240));

    m_window->resize(400, 300);
    QTRY_COMPARE(m_window->camera()->screenWidth(), 400);
    QCOMPARE(m_window->camera()->screenHeight(), 300);
    QVERIFY(m_window->pickingFramebuffer() != 0);
    QCOMPARE(pickingAttachmentSize(*m_window, GL_DEPTH_ATTACHMENT), QSize(400, 300));
    QCOMPARE(pickingAttachmentSize(*m_window, GL_COLOR_ATTACHMENT0), QSize(400, 300));
}

void TestWindow3DGL::grabFrameAndDepth()
{
    m_window->renderFrame();
    const QImage image = m_window->grabFrame();
    QCOMPARE(image.size(), QSize(320, 240));
    QCOMPARE(image.format(), QImage::Format_ARGB32);

    // An object high in the view lies near the top of the picture, in its own colour, where the
    // camera projects it.
    const Vector3D pixel = m_window->camera()->projectedCoordinatesOf(Vector3D(0, 0.5, 0));
    const QPoint at(int(pixel.x), int(pixel.y));
    QVERIFY2(at.y() < 120, qPrintable(QString::number(at.y())));
    QCOMPARE(image.pixelColor(at), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(at.x(), 239 - at.y()), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(5, 5), QColor(255, 255, 255));

    // The depth buffer gives the point back; the background has none.
    bool found = false;
    const Vector3D point = m_window->camera()->pointUnderPixel(at, found);
    QVERIFY(found);
    QVERIFY2(std::fabs(point.z) < 1e-3 && std::fabs(point.y - 0.5) < 0.01,
             qPrintable(describe(point)));
    bool background = true;
    m_window->camera()->pointUnderPixel(QPoint(5, 5), background);
    QVERIFY(!background);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    TestWindow3DGL test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    checkLeaksWhileDriversLoaded();
    return result;
}
#include "tst_window3dgl.moc"
