#pragma once

#include <QDialog>
#include <QGraphicsTextItem>
#include <QPointer>
#include <QString>

class QColor;
class QTextCharFormat;

namespace Ui {
class SceneTextDialog;
}

// Edits the rich text of a plan or letterhead text element in place: every change goes straight
// into the item, so the plan shows it while the user types. Accepted, the item keeps the edit;
// rejected in any way (the discard button, Escape), it gets its old text back.
class SceneTextDialog : public QDialog
{
    Q_OBJECT

public:
    // The item is not owned; the dialog forgets it should it go away during the run.
    explicit SceneTextDialog(QGraphicsTextItem *item, QWidget *parent = nullptr);
    ~SceneTextDialog() override;

    // Puts the item's old text back, then closes with Rejected.
    void reject() override;

private slots:
    void on_fontComboBox_currentIndexChanged(const QString &arg1);
    void on_size_valueChanged(int arg1);
    void on_bold_toggled(bool checked);
    void on_italic_toggled(bool checked);
    void on_underline_toggled(bool checked);
    void on_left_toggled(bool checked);
    void on_center_toggled(bool checked);
    void on_right_toggled(bool checked);
    void on_color_clicked();
    // Shows the format at the cursor; writes nothing into the text.
    void updateToolbar();
    void on_textEdit_textChanged();
    void on_reject_clicked();

private:
    void mergeCharFormat(const QTextCharFormat &format);
    void mergeBlockAlignment(Qt::Alignment alignment);
    // A swatch of the colour under a bold "A", as the colour button's icon.
    void setColorIcon(const QColor &color);

    Ui::SceneTextDialog *ui;
    QString originalHtml;
    QPointer<QGraphicsTextItem> textItem;
};
