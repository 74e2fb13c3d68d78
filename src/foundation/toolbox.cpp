#include "foundation/toolbox.h"

#include "foundation/buttonwidget.h"

#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

ToolBox::ToolBox(QWidget *parent)
    : QWidget(parent)
    , verticalLayout(new QVBoxLayout(this))
{
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
}

void ToolBox::addSection(const QString &title, const QStringList &items, bool collapsible)
{
    auto *header = new ButtonWidget(collapsible, this);
    header->setText(title);
    elements.insert(title, header);

    if (sections.isEmpty())
        header->setExpanded(true);
    if (collapsible) {
        sections.append(header);
        // Of the collapsible sections at most one is open.
        connect(header, &ButtonWidget::activate, this, [this, header] { showBox(header); });
    } else {
        header->setExpanded(true);
    }

    auto *boxLayout = new QVBoxLayout(header->box());
    for (const QString &item : items) {
        auto *button = new QPushButton(item, header->box());
        // One arg() call, so that a "%" in the title is never taken for a place marker.
        const QString key = QStringLiteral("%1_%2").arg(title, item);
        elements.insert(key, button);
        connect(button, &QPushButton::clicked, this, [this, key] { emit clicked(key); });
        boxLayout->addWidget(button);
    }

    verticalLayout->addWidget(header);
}

void ToolBox::addButton(const QString &text)
{
    auto *button = new QPushButton(text, this);
    elements.insert(text, button);
    connect(button, &QPushButton::clicked, this, [this, text] { emit clicked(text); });
    verticalLayout->addWidget(button);
}

void ToolBox::addSpinBox(const QString &text, double min, double max)
{
    auto *field = new QDoubleSpinBox(this);
    field->setRange(min, max);
    elements.insert(text, field);
    connect(field, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this, text] { emit clicked(text); });
    verticalLayout->addWidget(new QLabel(text, this));
    verticalLayout->addWidget(field);
}

void ToolBox::addStretch()
{
    verticalLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

QPushButton *ToolBox::button(const QString &key) const
{
    return qobject_cast<QPushButton *>(elements.value(key));
}

bool ToolBox::isChecked(const QString &key) const
{
    const QPushButton *b = button(key);
    return b && b->isChecked();
}

void ToolBox::setText(const QString &key, const QString &text)
{
    if (QPushButton *b = button(key))
        b->setText(text);
}

void ToolBox::setCheckable(const QString &key, bool on)
{
    if (QPushButton *b = button(key))
        b->setCheckable(on);
}

void ToolBox::setChecked(const QString &key, bool on)
{
    if (QPushButton *b = button(key))
        b->setChecked(on);
}

void ToolBox::setEnabled(const QString &key, bool on)
{
    if (QWidget *w = elements.value(key))
        w->setEnabled(on);
}

void ToolBox::setVisible(const QString &key, bool on)
{
    QWidget *w = elements.value(key);
    if (!w)
        return;
    auto *header = qobject_cast<ButtonWidget *>(w);
    if (header && header->isCollapsible())
        header->setExpanded(on);
    w->setVisible(on);
}

double ToolBox::value(const QString &key) const
{
    const auto *field = qobject_cast<QDoubleSpinBox *>(elements.value(key));
    return field ? field->value() : 0.0;
}

void ToolBox::setValue(const QString &key, double value)
{
    if (auto *field = qobject_cast<QDoubleSpinBox *>(elements.value(key)))
        field->setValue(value);
}

void ToolBox::showBox(QWidget *obj)
{
    setUpdatesEnabled(false);
    for (ButtonWidget *header : qAsConst(sections)) {
        if (header != obj)
            header->setExpanded(false);
    }
    setUpdatesEnabled(true);
}
