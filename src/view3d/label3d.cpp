#include "view3d/label3d.h"

#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/camera.h"
#include "view3d/domnumbers.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/object3d.h"
#include "view3d/system3d.h"
#include "view3d/window3d.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// Words are joined while the pair stays below this width; wrapped text gets a box this wide.
const int WrapWidth = 150;
const int WrappedBoxWidth = 160;

} // namespace

Label3D::Label3D(Object3D *owner) : m_owner(owner), m_frame(new System3D)
{
    m_font.setPointSize(std::max(1, Global::instance()->config()->labelFontSize()));
    if (owner)
        m_frame->setReferenceSystem(owner->system());
    updateSize();
}

Label3D::~Label3D()
{
    delete m_frame;
}

void Label3D::setText(const QString &text)
{
    m_text = text;
    updateSize();
}

void Label3D::setFontSize(double size)
{
    m_font.setPointSize(std::max(1, int(size)));
    updateSize();
}

void Label3D::setOffset(const QPointF &offset)
{
    m_x = offset.x();
    m_y = offset.y();
}

int Label3D::wrappedLineCount(const QString &text, const QFont &font)
{
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QFontMetrics metrics(font);
    int i = 0;
    while (i < words.size() - 1) {
        const QString joined = words[i] + QLatin1Char(' ') + words[i + 1];
        if (!words[i].endsWith(QLatin1Char('\n')) && metrics.horizontalAdvance(joined) < WrapWidth) {
            words[i] = joined;
            words.removeAt(i + 1);
        } else {
            ++i;
        }
    }
    return words.size();
}

void Label3D::updateSize()
{
    const QFontMetrics metrics(m_font);
    const int lines = wrappedLineCount(m_text, m_font);
    const int spacing = metrics.lineSpacing();
    if (lines == 1)
        m_box = QRectF(0, 0, metrics.horizontalAdvance(m_text) + 6, 2 * spacing);
    else
        m_box = QRectF(0, 0, WrappedBoxWidth, spacing * (lines + 1));
}

QPointF Label3D::anchorPoint(const Camera *camera, bool *inFront) const
{
    const Vector3D projected = camera->projectedCoordinatesOf(m_frame->position());
    if (inFront)
        *inFront = projected.z < 1.0;
    return QPointF(m_x + projected.x, m_y + projected.y);
}

bool Label3D::contains(const QPoint &pos, const Camera *camera) const
{
    return m_box.translated(anchorPoint(camera, nullptr)).contains(pos);
}

void Label3D::mousePressEvent(QMouseEvent *event)
{
    m_lastMouseX = event->pos().x();
    m_lastMouseY = event->pos().y();
}

void Label3D::mouseMoveEvent(QMouseEvent *event, Window3D *view)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    m_x += event->pos().x() - m_lastMouseX;
    m_y += event->pos().y() - m_lastMouseY;
    m_lastMouseX = event->pos().x();
    m_lastMouseY = event->pos().y();
    if (view)
        view->renderLater();
}

void Label3D::paint(QPainter *painter, const Camera *camera, double scale) const
{
    if (!m_visible || m_text.isEmpty() || !(scale > 0.0))
        return;
    bool inFront = false;
    const QPointF anchor = anchorPoint(camera, &inFront) / scale;
    if (!inFront)
        return;
    // Outline and text only move with the anchor between frames: they are laid out once, relative
    // to it, and laid out again when the text, font, offset, look or scale change.
    const QPointF offset(m_x, m_y);
    if (!m_painted || m_paintedScale != scale || m_paintedOffset != offset
        || m_paintedText != m_text || m_paintedFont != m_font || m_paintedRounded != m_rounded
        || m_paintedPointer != m_pointer) {
        layOut(scale);
        m_painted = true;
        m_paintedScale = scale;
        m_paintedOffset = offset;
        m_paintedText = m_text;
        m_paintedFont = m_font;
        m_paintedRounded = m_rounded;
        m_paintedPointer = m_pointer;
    }
    if (painter->transform().type() <= QTransform::TxTranslate) {
        // At one to one, as on screen, a picture of the label made once is far cheaper to draw
        // than its outline and text each frame. Whole pixels keep it sharp.
        if (m_sprite.isNull())
            makeSprite();
        painter->drawImage(QPointF(std::round(anchor.x()), std::round(anchor.y())) + m_spriteOrigin,
                           m_sprite);
        return;
    }
    painter->save();
    painter->translate(anchor);
    drawLaidOut(painter);
    painter->restore();
}

void Label3D::drawLaidOut(QPainter *painter) const
{
    painter->setBrush(QBrush(m_background));
    QPen pen;
    pen.setWidthF(1.0 / m_paintedScale);
    painter->setPen(pen);
    painter->setFont(m_paintedTextFont);
    painter->drawPath(m_outline);
    painter->drawStaticText(m_textPosition, m_staticText);
}

void Label3D::makeSprite() const
{
    const QRectF bounds = m_outline.boundingRect()
                              .united(QRectF(m_textPosition, m_staticText.size()))
                              .adjusted(-2.0, -2.0, 2.0, 2.0);
    m_spriteOrigin = QPointF(std::floor(bounds.left()), std::floor(bounds.top()));
    const QSize size(int(std::ceil(bounds.right() - m_spriteOrigin.x())),
                     int(std::ceil(bounds.bottom() - m_spriteOrigin.y())));
    m_sprite = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    m_sprite.fill(Qt::transparent);
    QPainter painter(&m_sprite);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(-m_spriteOrigin);
    drawLaidOut(&painter);
}

void Label3D::layOut(double scale) const
{
    QFont font = m_font;
    font.setPointSizeF(m_font.pointSizeF() / scale);
    m_paintedTextFont = font;

    const double m = 3.0 / scale;
    const double r = 5.0 / scale;
    const QPointF tip(-m_x / scale, -m_y / scale);
    const QRectF box(-m, -m, m_box.width() / scale + 2 * m, m_box.height() / scale + 2 * m);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (m_rounded)
        path.addRoundedRect(box, r, r);
    else
        path.addRect(box);
    if (m_pointer && !box.adjusted(-m, -m, m, m).contains(tip)) {
        const QPointF c = box.center();
        const QPointF v = tip - c;
        const double length = std::hypot(v.x(), v.y());
        const QPointF n = length > 0.0 ? QPointF(v.y(), -v.x()) / length * r : QPointF();
        QPolygonF triangle;
        triangle << c + n << c - n << tip << c + n;
        path.addPolygon(triangle);
        path = path.simplified();
    }
    m_outline = path;

    // Left-aligned, wrapped to the box and centred in it from top to bottom.
    const double width = int(m_box.width() / scale);
    const double height = int(m_box.height() / scale);
    m_staticText = QStaticText(QString(m_text).replace(QLatin1Char('\n'), QChar::LineSeparator));
    m_staticText.setTextFormat(Qt::PlainText);
    m_staticText.setTextWidth(width);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    m_staticText.setTextOption(option);
    m_staticText.prepare(QTransform(), font);
    m_textPosition = QPointF(m, (height - m_staticText.size().height()) / 2.0);
    m_sprite = QImage();
}

QDomElement Label3D::domElement(const QString &tagName, QDomDocument &document) const
{
    QDomElement element = document.createElement(tagName);
    setDoubleAttribute(element, QStringLiteral("x"), m_x);
    setDoubleAttribute(element, QStringLiteral("y"), m_y);
    element.setAttribute(QStringLiteral("Visible"), m_visible ? QStringLiteral("true") : QStringLiteral("false"));
    QDomElement text = document.createElement(QStringLiteral("Text"));
    text.appendChild(document.createTextNode(m_text));
    element.appendChild(text);
    return element;
}

void Label3D::initFromDOMElement(const QDomElement &element)
{
    m_x = floatAttribute(element, QStringLiteral("x"));
    m_y = floatAttribute(element, QStringLiteral("y"));
    m_visible = element.attribute(QStringLiteral("Visible"), QStringLiteral("true")) == QLatin1String("true");
    for (QDomElement text = element.firstChildElement(QStringLiteral("Text")); !text.isNull();
         text = text.nextSiblingElement(QStringLiteral("Text")))
        m_text = text.firstChild().nodeValue();
    updateSize();
}
