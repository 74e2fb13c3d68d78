#include "support/textfit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>

#include <cmath>

namespace TextFit {

namespace {

QString describe(const QWidget *widget, const QString &what, const QString &text, const QSize &needed,
                 const QSize &room)
{
    return QStringLiteral("%1 \"%2\" %3 \"%4\": needs %5x%6 px, has %7x%8")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), what, text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

bool fits(const QSize &needed, const QSize &room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The size of a text drawn in one line per line break, mnemonics hidden.
QSize lineSize(const QFontMetrics &metrics, const QString &text)
{
    return metrics.size(Qt::TextShowMnemonic, text);
}

void checkLabel(const QLabel *label, QStringList &found)
{
    if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
        return;
    const QFontMetrics metrics = label->fontMetrics();
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = label->alignment();
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            room.setWidth(room.width() - indent);
        if (align & (Qt::AlignTop | Qt::AlignBottom))
            room.setHeight(room.height() - indent);
    }
    QSize needed;
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(int(std::ceil(document.idealWidth())), int(std::ceil(document.size().height())));
    } else {
        const int flags = Qt::TextExpandTabs | (label->buddy() ? Qt::TextShowMnemonic : 0)
                          | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const int width = label->wordWrap() ? room.width() : QWIDGETSIZE_MAX;
        needed = metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), flags, label->text()).size();
    }
    if (!fits(needed, room.size()))
        found << describe(label, QStringLiteral("text"), label->text(), needed, room.size());
}

void checkPushButton(const QPushButton *button, QStringList &found)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button->menu())
        option.features |= QStyleOptionButton::HasMenu;
    if (button->autoDefault() || button->isDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    QSize room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
    if (!option.icon.isNull())
        room.rwidth() -= option.iconSize.width() + 4;
    if (button->menu())
        room.rwidth() -= button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
    const QSize needed = lineSize(button->fontMetrics(), button->text());
    if (!fits(needed, room))
        found << describe(button, QStringLiteral("text"), button->text(), needed, room);
}

// Check boxes and radio buttons: the text beside the indicator.
void checkIndicatorButton(const QAbstractButton *button, QStyle::SubElement contents, QStringList &found)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QSize room = button->style()->subElementRect(contents, &option, button).size();
    if (!option.icon.isNull())
        room.rwidth() -= option.iconSize.width() + 4;
    const QSize needed = lineSize(button->fontMetrics(), button->text());
    if (!fits(needed, room))
        found << describe(button, QStringLiteral("text"), button->text(), needed, room);
}

void checkToolButton(const QToolButton *button, QStringList &found)
{
    // With the style left to the platform, the program's forms do not rely on the text.
    if (button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly
        || button->toolButtonStyle() == Qt::ToolButtonFollowStyle)
        return;
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    QSize room = button->rect().adjusted(frame, frame, -frame, -frame).size();
    const bool icon = !button->icon().isNull() && button->toolButtonStyle() != Qt::ToolButtonTextOnly;
    if (icon && button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
        room.rwidth() -= button->iconSize().width() + 4;
    if (icon && button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        room.rheight() -= button->iconSize().height() + 4;
    const QSize needed = lineSize(button->fontMetrics(), button->text());
    if (!fits(needed, room))
        found << describe(button, QStringLiteral("text"), button->text(), needed, room);
}

void checkGroupBox(const QGroupBox *box, QStringList &found)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) {
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
        option.state |= box->isChecked() ? QStyle::State_On : QStyle::State_Off;
    }
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    // The style places the title's rectangle from the text's own width: it has to lie inside
    // the box, with the text fitting from its left edge to the box's right edge.
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QSize needed = lineSize(box->fontMetrics(), box->title());
    const QSize room(box->width() - qMax(0, title.left()), title.height());
    if (!fits(needed, room) || !box->rect().contains(title)) {
        found << describe(box, QStringLiteral("title"), box->title(), needed, (title & box->rect()).size());
        return;
    }
    for (const QWidget *child : box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow() && child->geometry().intersects(title)) {
            found << QStringLiteral("%1 \"%2\" title \"%3\": lies under %4 \"%5\"")
                         .arg(QLatin1String(box->metaObject()->className()), box->objectName(), box->title(),
                              QLatin1String(child->metaObject()->className()), child->objectName());
            return;
        }
    }
}

// The bar sizes each tab for its text in the bar's font; what the tab adds around the text is
// what the style adds to that text's width, as for the bar's size hint. The text gets the rest of the tab, and must fit
// there in bold, as the selected tab draws it.
void checkTabBar(const QTabBar *bar, QStringList &found)
{
    QFont bold = bar->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = bar->tabText(i);
        if (!bar->isTabVisible(i) || text.isEmpty())
            continue;
        QStyleOptionTab option;
        option.initFrom(bar);
        option.shape = bar->shape();
        option.text = text;
        option.documentMode = bar->documentMode();
        if (i == bar->currentIndex())
            option.state |= QStyle::State_Selected;
        const QSize textSize = lineSize(bar->fontMetrics(), text);
        const QSize contents(textSize.width() + bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, bar),
                             textSize.height() + bar->style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, bar));
        const int around =
            bar->style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, bar).width() - textSize.width();
        const QRect tab = bar->tabRect(i);
        const QSize room(tab.width() - around, tab.height());
        const QSize needed = lineSize(metrics, text);
        if (needed.width() > room.width())
            found << describe(bar, QStringLiteral("tab"), text, needed, room);
    }
}

void checkHeader(const QHeaderView *header, QStringList &found)
{
    const QAbstractItemModel *model = header->model();
    if (!model)
        return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = model->headerData(section, header->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = section;
        option.orientation = header->orientation();
        option.text = text;
        option.textAlignment = header->defaultAlignment();
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
            option.sortIndicator = header->sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                                      : QStyleOptionHeader::SortUp;
        const int position = header->sectionViewportPosition(section);
        option.rect = header->orientation() == Qt::Horizontal
                          ? QRect(position, 0, header->sectionSize(section), header->height())
                          : QRect(0, position, header->width(), header->sectionSize(section));
        const QSize room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).size();
        const QSize needed = lineSize(header->fontMetrics(), text);
        if (!fits(needed, room))
            found << describe(header, QStringLiteral("section"), text, needed, room);
    }
}

} // namespace

QStringList clippedTexts(const QWidget *root)
{
    QStringList found;
    QList<const QWidget *> widgets;
    widgets << root;
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        if (!widget->isVisible())
            continue;
        if (auto *label = qobject_cast<const QLabel *>(widget))
            checkLabel(label, found);
        else if (auto *push = qobject_cast<const QPushButton *>(widget))
            checkPushButton(push, found);
        else if (auto *check = qobject_cast<const QCheckBox *>(widget))
            checkIndicatorButton(check, QStyle::SE_CheckBoxContents, found);
        else if (auto *radio = qobject_cast<const QRadioButton *>(widget))
            checkIndicatorButton(radio, QStyle::SE_RadioButtonContents, found);
        else if (auto *tool = qobject_cast<const QToolButton *>(widget))
            checkToolButton(tool, found);
        else if (auto *box = qobject_cast<const QGroupBox *>(widget))
            checkGroupBox(box, found);
        else if (auto *bar = qobject_cast<const QTabBar *>(widget))
            checkTabBar(bar, found);
        else if (auto *header = qobject_cast<const QHeaderView *>(widget))
            checkHeader(header, found);
    }
    found.removeDuplicates();
    return found;
}

} // namespace TextFit
