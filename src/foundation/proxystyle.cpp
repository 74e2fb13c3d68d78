#include "foundation/proxystyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QScrollBar>

namespace {

// The combo box's pop-up list, when the pop-up has been built: it lies in the pop-up window,
// a child of the combo box. QComboBox::view() is not usable here: the first call builds the
// pop-up, and the pop-up asks this style hint while it is being built, so calling it from
// the hint would build a second pop-up inside the first.
QAbstractItemView *popupView(const QComboBox *combo)
{
    for (QAbstractItemView *view : combo->findChildren<QAbstractItemView *>()) {
        const QWidget *popup = view->parentWidget();
        if (popup && popup->isWindow() && popup->parentWidget() == combo)
            return view;
    }
    return nullptr;
}

// Gives the combo box's list the width of its widest entry (never less than the box). The
// combo box takes the list's width into its pop-up when it opens.
void widenPopup(const QComboBox *combo)
{
    QAbstractItemView *view = popupView(combo);
    if (!view)
        return;

    const QFontMetrics viewMetrics(view->font());
    const QFontMetrics comboMetrics(combo->font());
    const int iconWidth = combo->iconSize().width();
    int width = combo->width();
    int textMax = 0;
    for (int i = 0; i < combo->count(); ++i) {
        // Room for the item's margins.
        const QString text = combo->itemText(i) + QStringLiteral("WW");
        const int w = qMax(viewMetrics.horizontalAdvance(text), comboMetrics.horizontalAdvance(text));
        textMax = qMax(textMax, w);
        if (combo->itemIcon(i).isNull())
            width = qMax(width, w);
        else
            width = qMax(width, w + iconWidth);
    }

    const QScrollBar *bar = view->verticalScrollBar();
    if (bar && bar->isVisible() && textMax + bar->width() > width)
        width += bar->width();

    view->setFixedWidth(width);
}

} // namespace

ProxyStyle::ProxyStyle(QStyle *style)
    : QProxyStyle(style)
{
}

int ProxyStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *returnData) const
{
    if (hint == QStyle::SH_ComboBox_Popup) {
        if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            widenPopup(combo);
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
