// Times the pictures of the 3D ground for a generated site plan (boxes, walls and texts spread
// over the 20 x 20 tiles the ground shows) against painting the whole plan once into one image of
// the same scale, and prints the ratio (our time / baseline time; the goal is at most 2). The
// ground is made as the program makes it, with the event loop running; the longest time the loop
// was kept from other events is printed too (the goal is at most 100 ms).
//
// Usage: bench_plantiles [elements]   (default 5000)

#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/selectableboxitem.h"
#include "plan/selectablelineitem.h"
#include "plan/selectabletextitem.h"
#include "view3d/meshbuffer.h"
#include "view3d/plain3d.h"
#include "../consolereporter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QSharedPointer>

#include <algorithm>
#include <cstdio>

namespace {

// The ground shows 20 x 20 tiles around the plan's centre; the elements keep inside them.
constexpr int GroundTiles = 20;
constexpr double Extent = GroundTiles * FloorPlan::TileUnits - 400.0;

QSharedPointer<FloorPlan> makePlan(int count)
{
    QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
    QRandomGenerator random(20240611);
    const auto place = [&] { return QPointF(random.bounded(Extent - 300.0), random.bounded(Extent - 300.0)); };
    // The corners fix the extent, whatever the random places.
    for (const QPointF &corner : {QPointF(0, 0), QPointF(Extent - 100.0, Extent - 100.0)}) {
        auto *mark = new SelectableBoxItem;
        mark->setSize(QSizeF(100, 100));
        mark->setPos(corner);
        plan->addElement(mark);
    }
    for (int i = 2; i < count; ++i) {
        SelectableItem *element = nullptr;
        switch (i % 3) {
        case 0: {
            auto *room = new SelectableBoxItem;
            room->setSize(QSizeF(40 + random.bounded(200), 40 + random.bounded(200)));
            element = room;
            break;
        }
        case 1:
            element = new SelectableLineItem(QPointF(random.bounded(300.0) - 150.0, random.bounded(300.0) - 150.0));
            break;
        default: {
            auto *text = new SelectableTextItem(QStringLiteral("Schacht %1").arg(i));
            text->setSize(QSizeF(120, 40));
            element = text;
            break;
        }
        }
        element->setPos(place());
        plan->addElement(element);
    }
    return plan;
}

double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

// Whether every tile of the ground holds its picture of the plan.
bool allTilesMade(const Plain3D &ground)
{
    const QList<MeshBuffer *> tiles = ground.meshes();
    return std::all_of(tiles.begin(), tiles.end(), [](const MeshBuffer *tile) {
        return tile->textureImage().width() == FloorPlan::TilePixels;
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    reportToConsole();
    const int count = argc > 1 ? std::max(2, atoi(argv[1])) : 5000;

    const QSharedPointer<FloorPlan> plan = makePlan(count);
    const int columns = plan->tileColumns();
    const int rows = plan->tileRows();
    std::printf("plan: %d elements, %d scene items, %d x %d tiles of %d px\n", count,
                plan->scene()->items().size(), columns, rows, FloorPlan::TilePixels);
    if (columns != GroundTiles || rows != GroundTiles) {
        std::fprintf(stderr, "the plan does not cover the ground's tiles\n");
        return 1;
    }

    // Baseline: the whole plan painted once, at the tiles' scale, into one image.
    QElapsedTimer timer;
    double baseline = 0.0;
    {
        timer.start();
        const QRectF area = plan->scene()->itemsBoundingRect();
        const QPointF centre = area.center();
        const double side = GroundTiles * FloorPlan::TileUnits;
        QImage whole(GroundTiles * FloorPlan::TilePixels, GroundTiles * FloorPlan::TilePixels, QImage::Format_ARGB32);
        whole.fill(Qt::transparent);
        QPainter painter(&whole);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        plan->scene()->render(&painter, QRectF(whole.rect()),
                              QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), Qt::KeepAspectRatio);
        painter.end();
        baseline = ms(timer.nsecsElapsed());
        std::printf("baseline: whole plan into one %d x %d image: %.0f ms\n", whole.width(), whole.height(), baseline);
    }

    // The ground, made while the event loop runs; every pass of the loop (and the first build)
    // is a time the window could not react.
    Plain3D ground(plan);
    timer.restart();
    QElapsedTimer pass;
    pass.start();
    ground.buildGeometry();
    qint64 longest = pass.nsecsElapsed();
    int passes = 0;
    while (!allTilesMade(ground)) {
        pass.restart();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, pass.nsecsElapsed());
        ++passes;
    }
    const double ours = ms(timer.nsecsElapsed());
    std::printf("ground: %d tiles in %.0f ms over %d event passes, longest stall %.1f ms (goal <= 100)\n",
                ground.meshes().size(), ours, passes, ms(longest));
    std::printf("ground tiles / whole plan once: %.2fx (goal <= 2)\n", ours / baseline);
    return 0;
}
