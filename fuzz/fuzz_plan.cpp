#include "fuzzsupport.h"

#include "plan/floorplan.h"
#include "plan/graphicsscene.h"

#include <QImage>
#include <QPainter>

// Reads the input as a site plan ("plan.tkp") into a scene and draws it. A plan that loads
// whole is written elsewhere.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::init();
    const QString path = Fuzz::writeInput(data, size, QStringLiteral("plan.tkp"));
    GraphicsScene scene;
    FloorPlan plan(&scene);
    const bool loaded = plan.load(path);
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 64, 64), scene.itemsBoundingRect().intersected(QRectF(-1e5, -1e5, 2e5, 2e5)));
    }
    if (loaded)
        plan.save(Fuzz::folder() + QStringLiteral("copy.tkp"));
    return 0;
}
