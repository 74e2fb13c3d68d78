#include "plan/selectablepixmapitem.h"

#include "foundation/messagedialog.h"
#include "plan/autoitems.h"
#include "plan/planxml.h"

#include <QDir>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QImageReader>

#include <cmath>

SelectablePixmapItem::SelectablePixmapItem(const QImage &image, QGraphicsItem *parent)
    : SelectableBoxItem(parent)
{
    createContent(image);
    setSize(QSizeF(image.width(), image.height()));
    m_showBox = 1;
    m_drawBox = 1;
}

SelectablePixmapItem::SelectablePixmapItem(const QDomElement &element, QGraphicsItem *parent)
    : SelectableBoxItem(element, parent)
{
    QImage image;
    for (const QDomElement &child : PlanXml::children(element, QStringLiteral("Image"))) {
        const QString data = child.attribute(QStringLiteral("Data"));
        image = QImage();
        if (!data.isEmpty() && !PlanXml::readImage(data, &image))
            m_readProblems << tr("Ein Bild des Plans ist beschädigt oder zu groß.");
    }
    createContent(image);
    setSize(QSizeF(m_outerWidth, m_outerHeight));
}

void SelectablePixmapItem::createContent(const QImage &image)
{
    m_content = new AutoPixmapItem(image, this);
    m_content->setFlag(QGraphicsItem::ItemIsMovable, false);
    placeContent();
}

QString SelectablePixmapItem::imageFilePatterns()
{
    return QStringLiteral("*.jpg *.png *.tiff *.bmp *.gif");
}

QImage SelectablePixmapItem::image() const
{
    return m_content->image();
}

void SelectablePixmapItem::showAtPixelSize()
{
    const QImage picture = image();
    // The content area is 2 units inside the inner rectangle and loses the inset besides.
    const double extraWidth = m_margin.width() + 2 + m_contentInset;
    const double extraHeight = m_margin.height() + 2 + m_contentInset;
    setSize(QSizeF(picture.width() + extraWidth, picture.height() + extraHeight));
}

void SelectablePixmapItem::placeContent()
{
    const QRectF r = contentRect();
    m_content->setRect(QRectF(0, 0, std::trunc(r.width() - m_contentInset), std::trunc(r.height() - m_contentInset)));
    m_content->moveBy(r.x(), r.y());
}

void SelectablePixmapItem::setSize(const QSizeF &size)
{
    SelectableBoxItem::setSize(sizeOrFallback(size, m_minimumSize));
    if (m_content)
        placeContent();
    update();
}

void SelectablePixmapItem::rotate(double degrees)
{
    setSize(QSizeF(m_outerHeight, m_outerWidth));
    placeHandles();
    m_content->rotate(degrees >= 0 ? 90.0 : -90.0);
    const QRectF r = contentRect();
    m_content->moveBy(r.x(), r.y());
    update();
}

// The picture's own corners and edges, from the pixmap's size without the fitting scale.
QList<QPointF> SelectablePixmapItem::snapPoints() const
{
    const QPointF p = pos() + m_content->pos();
    const QRectF b = m_content->boundingRect();
    return {p, p + QPointF(b.width(), 0), p + QPointF(b.width(), b.height()), p + QPointF(0, b.height())};
}

QList<QLineF> SelectablePixmapItem::snapLines() const
{
    const QList<QPointF> p = snapPoints();
    return {QLineF(p[0], p[1]), QLineF(p[1], p[2]), QLineF(p[2], p[3]), QLineF(p[3], p[0])};
}

QDomElement SelectablePixmapItem::toElement(const QString &tag, QDomDocument &document) const
{
    QDomElement element = SelectableBoxItem::toElement(tag, document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("IMAGE"));
    QDomElement image = document.createElement(QStringLiteral("Image"));
    image.setAttribute(QStringLiteral("Data"), PlanXml::imageData(m_content->image()));
    element.appendChild(image);
    return element;
}

void SelectablePixmapItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    QWidget *view = scene() && !scene()->views().isEmpty() ? scene()->views().constFirst() : nullptr;
    const QString path = QFileDialog::getOpenFileName(view, tr("Bild laden"), QString(),
                                                      tr("Bilder (%1)").arg(imageFilePatterns()));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        // Keep the picture the element has rather than leave it empty.
        MessageDialog(tr("Das Bild %1 konnte nicht gelesen werden.\n%2").arg(QDir::toNativeSeparators(path), reader.errorString()),
                      MessageDialog::Ok, 0, view)
            .exec();
        return;
    }
    m_content->setImage(image);
    const QRectF r = contentRect();
    m_content->moveBy(r.x(), r.y());
    update();
}
