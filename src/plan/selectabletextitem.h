#pragma once

#include "plan/selectableboxitem.h"

#include <functional>

class AutoTextItem;
class QGraphicsTextItem;

// A rich text of the plan or of a letterhead: a box whose content is the text, wrapped to the
// box's width. A double click edits the text in place with the editor installed for all text
// elements.
class SelectableTextItem : public SelectableBoxItem
{
    Q_OBJECT

public:
    // Edits the content of a text element; runs modally over the parent widget and returns when
    // the user is done.
    using TextEditor = std::function<void(QGraphicsTextItem *content, QWidget *parent)>;

    // A 100 x 100 element showing the plain text.
    explicit SelectableTextItem(const QString &text, QGraphicsItem *parent = nullptr);
    // Reads the box and the "Text" child's HTML.
    SelectableTextItem(const QDomElement &element, QGraphicsItem *parent = nullptr);

    void setHtml(const QString &html);
    QString html() const;
    AutoTextItem *content() const { return m_content; }

    // Installs the editor a double click runs, for every text element, and returns the
    // previous one. The rich-text dialog is installed from the start; without an editor a
    // double click only marks the element while it lasts.
    static TextEditor setTextEditor(TextEditor editor);

    // A size whose width and height add up to less than 10 becomes 100 x 100.
    void setSize(const QSizeF &size) override;
    QDomElement toElement(const QString &tag, QDomDocument &document) const override;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void createContent();
    void placeContent();

    QSize m_minimumSize{100, 100};
    int m_contentInsetHeight = 10;
    int m_contentInsetWidth = 10;
    AutoTextItem *m_content = nullptr;
};
