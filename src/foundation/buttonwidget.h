#pragma once

#include <QWidget>

class QFrame;

namespace Ui {
class ButtonWidget;
}

// One section of a command panel: a checkable header button over a framed box that holds the
// section's buttons. A collapsible section opens and closes with its header; a fixed one stays
// open once opened.
class ButtonWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonWidget(bool collapsible, QWidget *parent = nullptr);
    ~ButtonWidget() override;

    void setText(const QString &text);
    QString text() const;
    // The box into which the owner puts the section's layout.
    QFrame *box() const;

    bool isCollapsible() const { return m_collapsible; }
    bool isExpanded() const;
    void setExpanded(bool on);

signals:
    // The section has been opened.
    void activate();

private slots:
    void on_mainButton_toggled(bool checked);

private:
    void collapse();

    Ui::ButtonWidget *ui;
    bool m_collapsible;
};
