// Times one frame of the 3D view of a generated pipe network (manholes in a grid, each with the
// pipe course of one inspection and its observation labels) against a bare draw of the same
// triangles with the same program and matrices, in the same window, and prints the ratio (the
// goal is at most 2). Needs an X display with OpenGL (scripts/with-xvfb.sh runs it on a virtual
// one).
//
// Usage: bench_viewer3d [inspections] [frames]   (defaults: 200, 30)

#include "foundation/global.h"
#include "foundation/meterratioobserver.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/duct.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/plain3d.h"
#include "view3d/viewer3d.h"
#include "model/en135082.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The viewer, able to draw instead only the meshes its own frame draws, each with its world
// matrix, and nothing else.
class BenchViewer : public Viewer3D
{
public:
    bool bare = false;
    std::vector<Object3D *> drawn;

    void collect()
    {
        drawn.clear();
        for (Object3D *object : objects()) {
            drawn.push_back(object);
            for (ConnectedInspection *course : inspectionsOf(object))
                for (Object3D *part : course->objects())
                    drawn.push_back(part);
        }
        drawn.push_back(groundPlane());
    }

protected:
    void draw(QPainter *painter) override
    {
        if (!bare) {
            Viewer3D::draw(painter);
            return;
        }
        painter->beginNativePainting();
        glEnable(GL_DEPTH_TEST);
        glViewport(0, 0, width(), height());
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        QOpenGLShaderProgram *program = objectProgram();
        program->bind();
        float m[16];
        toFloatMatrix(camera()->projectionMatrix().data(), m);
        glUniformMatrix4fv(program->uniformLocation("P"), 1, GL_FALSE, m);
        toFloatMatrix(camera()->modelViewMatrix().data(), m);
        glUniformMatrix4fv(program->uniformLocation("V"), 1, GL_FALSE, m);
        program->setUniformValue("usePicking", 0);
        program->setUniformValue("selected", 0);
        program->setUniformValue("hasTexture", 0);
        program->setUniformValue("color", QVector4D(1.0f, 0.5f, 0.0f, 1.0f));
        const int location = program->uniformLocation("M");
        for (Object3D *object : drawn) {
            toFloatMatrix(object->system()->worldMatrix().data(), m);
            glUniformMatrix4fv(location, 1, GL_FALSE, m);
            object->draw(0, 1, -1);
        }
        program->release();
        glDisable(GL_DEPTH_TEST);
        painter->endNativePainting();
    }
};

std::unique_ptr<Investigation> makeInspection(int number)
{
    auto inspection = std::make_unique<EN135082>(QStringLiteral("de"));
    inspection->setFileName(QStringLiteral("H%1").arg(number));
    InspectionHeader header = inspection->mainData();
    header.width = 300;
    header.inspectionLength = 30.0 + number % 7;
    inspection->setMainData(header);
    QVector<ObservationRecord> &list = inspection->mutableObservations();
    for (int i = 0; i < 4; ++i) {
        ObservationRecord o;
        o.code = QStringLiteral("BAB");
        o.distance = 3.0 + i * 6.5;
        o.videoTime = QTime(0, 0).addSecs(i * 40);
        o.remark = QStringLiteral("Riss %1").arg(i + 1);
        list << o;
    }
    return inspection;
}

double frameMs(BenchViewer &viewer, bool bare, int frames)
{
    viewer.bare = bare;
    QOpenGLContext *context = viewer.context();
    context->makeCurrent(&viewer);
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        QElapsedTimer timer;
        timer.start();
        viewer.renderNow();
        context->makeCurrent(&viewer);
        context->functions()->glFinish();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    reportToConsole();
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int frames = argc > 2 ? std::max(3, atoi(argv[2])) : 30;

    BenchViewer viewer;
    viewer.resize(1024, 768);
    viewer.show();
    QElapsedTimer wait;
    wait.start();
    while ((!viewer.isExposed() || !viewer.context()) && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!viewer.context()) {
        std::fprintf(stderr, "no OpenGL window\n");
        return 1;
    }

    // Manholes in a grid, 40 m apart; each course runs 30 to 36 m away from its manhole.
    std::vector<std::unique_ptr<Investigation>> inspections;
    const int perRow = int(std::ceil(std::sqrt(double(count))));
    int labels = 0;
    int triangles = 0;
    for (int i = 0; i < count; ++i) {
        auto *duct = new Duct(1.0, 2.0 + (i % 5) * 0.3);
        duct->buildGeometry();
        duct->system()->setPosition(Vector3D(Object3D::toUnits(40.0 * (i % perRow - perRow / 2)), 0.0,
                                             Object3D::toUnits(40.0 * (i / perRow - perRow / 2))));
        duct->setLabelText(QStringLiteral("S%1").arg(i));
        viewer.addObject(duct);
        inspections.push_back(makeInspection(i));
        auto *frame = new ManipulatedSystem3D;
        frame->setTranslation(Vector3D(0.0, -Object3D::toUnits(1.5), 0.0));
        auto *course = new ConnectedInspection(inspections.back().get(), frame, duct);
        if (!course->build(0.0).code.isEmpty()) {
            std::fprintf(stderr, "course %d is not complete\n", i);
            return 1;
        }
        labels += course->labels().size() + 1;
        viewer.addInspection(course);
    }
    viewer.collect();
    for (Object3D *object : viewer.drawn)
        for (MeshBuffer *mesh : object->meshes())
            triangles += mesh->triangleCount();
    const double extent = Object3D::toUnits(40.0 * perRow);
    viewer.setSceneRadius(float(extent * 0.75));
    viewer.showEntireScene();

    std::printf("network: %d inspections, %d objects drawn, %d triangles, %d labels, %d frames of 1024 x 768\n",
                count, int(viewer.drawn.size()), triangles, labels, frames);
    struct Case { const char *name; int flags; };
    const Case cases[] = {{"meshes only (flags 0x0c)", 0x0c},
                          {"labels (flags 0x0d)", 0x0d},
                          {"leader lines (flags 0x0e)", 0x0e},
                          {"all shown (flags 0x3f)", 0x3f}};
    for (const Case &c : cases) {
        viewer.setShowFlags(c.flags);
        // Warm up both (shader compilation, texture uploads, glyph caches).
        frameMs(viewer, false, 3);
        frameMs(viewer, true, 3);
        const double ours = frameMs(viewer, false, frames);
        const double bare = frameMs(viewer, true, frames);
        std::printf("%-26s viewer %8.2f ms   bare draw %8.2f ms   ratio %.2f (goal <= 2)\n", c.name,
                    ours, bare, ours / bare);
    }
    return 0;
}
