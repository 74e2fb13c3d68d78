#include "plan/selectabletextitem.h"

#include "plan/autoitems.h"
#include "plan/dialogs/scenetextdialog.h"
#include "plan/planxml.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPointer>

#include <cmath>

namespace {
void runTextDialog(QGraphicsTextItem *content, QWidget *parent)
{
    SceneTextDialog dialog(content, parent);
    dialog.exec();
}

SelectableTextItem::TextEditor &textEditor()
{
    static SelectableTextItem::TextEditor editor = runTextDialog;
    return editor;
}
} // namespace

SelectableTextItem::SelectableTextItem(const QString &text, QGraphicsItem *parent)
    : SelectableBoxItem(parent)
{
    createContent();
    m_showBox = 1;
    m_drawBox = 1;
    m_box = 1;
    m_content->setPlainText(text);
    setSize(QSizeF(100, 100));
}

SelectableTextItem::SelectableTextItem(const QDomElement &element, QGraphicsItem *parent)
    : SelectableBoxItem(element, parent)
{
    createContent();
    for (const QDomElement &text : PlanXml::children(element, QStringLiteral("Text")))
        m_content->setHtml(text.attribute(QStringLiteral("Data")));
    setSize(QSizeF(m_outerWidth, m_outerHeight));
}

void SelectableTextItem::createContent()
{
    m_content = new AutoTextItem(QRectF(0, 0, 90, 90), this);
    m_content->setTextInteractionFlags(Qt::NoTextInteraction);
    m_content->setFlag(QGraphicsItem::ItemIsMovable, false);
    m_content->setPos(contentRect().topLeft());
    setFlag(QGraphicsItem::ItemIsFocusable);
}

void SelectableTextItem::setHtml(const QString &html)
{
    m_content->setHtml(html);
}

QString SelectableTextItem::html() const
{
    return m_content->toHtml();
}

SelectableTextItem::TextEditor SelectableTextItem::setTextEditor(TextEditor editor)
{
    TextEditor previous = std::move(textEditor());
    textEditor() = std::move(editor);
    return previous;
}

void SelectableTextItem::placeContent()
{
    const QRectF r = contentRect();
    m_content->setRect(QRectF(0, 0, std::trunc(r.width() - m_contentInsetWidth),
                              std::trunc(r.height() - m_contentInsetHeight)));
}

void SelectableTextItem::setSize(const QSizeF &size)
{
    SelectableBoxItem::setSize(sizeOrFallback(size, m_minimumSize));
    if (m_content)
        placeContent();
    update();
}

QDomElement SelectableTextItem::toElement(const QString &tag, QDomDocument &document) const
{
    QDomElement element = SelectableBoxItem::toElement(tag, document);
    element.setAttribute(QStringLiteral("Type"), QStringLiteral("TEXT"));
    QDomElement text = document.createElement(QStringLiteral("Text"));
    text.setAttribute(QStringLiteral("Data"), html());
    element.appendChild(text);
    return element;
}

void SelectableTextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_selected = true;
    update();
    // A copy: the editor may install another one while it runs.
    const TextEditor editor = textEditor();
    if (editor) {
        QWidget *view = scene() && !scene()->views().isEmpty() ? scene()->views().constFirst() : nullptr;
        const QPointer<SelectableTextItem> self(this);
        editor(m_content, view);
        if (!self)
            return;
    }
    m_selected = false;
    update();
}
