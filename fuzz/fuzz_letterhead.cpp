#include "fuzzsupport.h"

#include "foundation/records/printelement.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

// Reads the input as the letterhead bytes of a company file. What reads must paint, make scene
// items, and write the same bytes again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::init();
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    PrintElement element;
    if (!element.fromByteArray(bytes))
        return 0;

    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        element.paint(&painter);
    }
    QGraphicsScene scene;
    element.toGraphicsItems(&scene);

    const QByteArray written = element.toByteArray();
    PrintElement again;
    Fuzz::check(again.fromByteArray(written), "written letterhead bytes read again");
    Fuzz::check(again.toByteArray() == written, "letterhead bytes are stable");
    return 0;
}
