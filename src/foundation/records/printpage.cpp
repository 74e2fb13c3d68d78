#include "foundation/records/printpage.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

namespace {

// 20 mm at 793 pixels per 210 mm, and the page height less that: where the preview puts the
// footer texts.
constexpr double FooterLeft = 75.52380952380952;
constexpr double FooterTop = 1047.4761904761904;
constexpr double PageCentreX = 396.5;

} // namespace

PrintPage::PrintPage(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_font(QStringLiteral("DejaVu Sans"))
{
    m_font.setPixelSize(8);
}

PrintElement *PrintPage::findElement(const QString &id)
{
    for (PrintElement &element : m_elements) {
        if (element.id() == id)
            return &element;
    }
    return nullptr;
}

QString PrintPage::shownNumber(int firstNumberedPage) const
{
    if (firstNumberedPage < 1 || m_pageNumber < firstNumberedPage)
        return QString();
    return QString::number(m_pageNumber - firstNumberedPage + 1);
}

QPicture PrintPage::toPicture(int firstNumberedPage) const
{
    QPicture picture;
    picture.setBoundingRect(QRect(75, 75, m_width, m_height));
    QPainter painter(&picture);
    paint(&painter, firstNumberedPage);
    painter.end();
    return picture;
}

void PrintPage::paint(QPainter *painter, int firstNumberedPage) const
{
    if (!painter)
        return;
    painter->save();
    painter->setClipRect(QRect(75, 75, m_width, m_height));
    for (const PrintElement &element : m_elements)
        element.paint(painter);
    const QString number = shownNumber(firstNumberedPage);
    if (!number.isEmpty()) {
        painter->setFont(m_font);
        painter->drawText(QRect(QPoint(0, 1047), QPoint(792, 1121)), Qt::AlignCenter, number);
    }
    painter->restore();
}

void PrintPage::addToScene(QGraphicsScene *scene, const QPointF &offset, int firstNumberedPage) const
{
    if (!scene)
        return;
    for (const PrintElement &element : m_elements) {
        const QVector<QGraphicsItem *> items = element.toGraphicsItems(scene);
        for (QGraphicsItem *item : items)
            item->moveBy(offset.x(), offset.y());
    }
    const QString number = shownNumber(firstNumberedPage);
    if (!number.isEmpty()) {
        QGraphicsSimpleTextItem *item = scene->addSimpleText(number, m_font);
        const double width = QFontMetricsF(m_font).horizontalAdvance(number);
        item->setPos(offset.x() + PageCentreX - width / 2, offset.y() + FooterTop);
    }
    if (m_approximateNote) {
        QGraphicsSimpleTextItem *item = scene->addSimpleText(tr("* alle Maße sind ca.-Angaben"), m_font);
        item->setPos(offset.x() + FooterLeft, offset.y() + FooterTop);
    }
}
