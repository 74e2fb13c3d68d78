#pragma once

#include <QList>
#include <QMap>
#include <QStringList>
#include <QWidget>

class ButtonWidget;
class QPushButton;
class QVBoxLayout;

// The vertical command panel: titled sections of buttons, single buttons, number fields and
// stretch, filled top to bottom. Every element has a key and the panel emits clicked(key)
// whenever an element is used:
//   section item   "<section title>_<item text>"
//   single button  its text
//   number field   its caption, on every value change
// A section header's key is its title; headers only open and close their sections.
class ToolBox : public QWidget
{
    Q_OBJECT

public:
    explicit ToolBox(QWidget *parent = nullptr);

    void addSection(const QString &title, const QStringList &items, bool collapsible = false);
    void addButton(const QString &text);
    void addSpinBox(const QString &text, double min, double max);
    void addStretch();

    // The push button of the key; null for an unknown key or one that names no push button.
    QPushButton *button(const QString &key) const;
    bool isChecked(const QString &key) const;

    // These act on the push button of the key and do nothing for any other key.
    void setText(const QString &key, const QString &text);
    void setCheckable(const QString &key, bool on);
    void setChecked(const QString &key, bool on);

    // These act on an element of any kind; for a section, on the whole section.
    using QWidget::setEnabled;
    using QWidget::setVisible;
    void setEnabled(const QString &key, bool on);
    void setVisible(const QString &key, bool on);

    // The number field of the key; 0 and no change for a key that names no number field.
    double value(const QString &key) const;
    void setValue(const QString &key, double value);

signals:
    void clicked(const QString &element);

private slots:
    void showBox(QWidget *obj);

private:
    QList<ButtonWidget *> sections;
    QMap<QString, QWidget *> elements;
    QVBoxLayout *verticalLayout;
};
