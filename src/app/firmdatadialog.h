#pragma once

#include "foundation/firm.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTextCursor>

class FirmStore;
class GraphicsScene;
class PrintElement;
class QGraphicsRectItem;
class QListWidgetItem;
class QTextEdit;
class SelectableBoxItem;

namespace Ui {
class FirmDataDialog;
}

// The company-data dialog: name, address and contact (rich text with their own formatting
// tools), logo, and the letterhead, either the standard one or one designed freely on a scene of
// text and picture elements. Edits live in a working record until "Übernehmen" stores it as the
// current company; deleting a listed company writes the store at once.
class FirmDataDialog : public QDialog
{
    Q_OBJECT

public:
    // The designed letterhead covers this band of the page, 20 mm from the left and top edges.
    static const QRectF LetterheadRect;

    explicit FirmDataDialog(QWidget *parent = nullptr);
    ~FirmDataDialog() override;

    // The store to edit (not owned); its current company becomes the working record.
    void setFirmStore(FirmStore *store);

    // The designer's layout as stored with a company: one group over the letterhead band whose
    // children are the elements in the order they were placed, and a frame rectangle when "Rahmen"
    // is checked.
    PrintElement designedLetterhead() const;

    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_chooseLogo_clicked();
    void on_save_clicked();
    void on_fontbox_currentIndexChanged(int index);
    void on_fontsize_valueChanged(int size);
    void on_bold_toggled(bool checked);
    void on_italic_toggled(bool checked);
    void on_underline_toggled(bool checked);
    void on_left_toggled(bool checked);
    void on_center_toggled(bool checked);
    void on_right_toggled(bool checked);
    void on_color_clicked();
    void updateTextInfos(const QTextCursor &cursor);
    void on_address_textChanged();
    void on_contact_textChanged();
    void on_firmList_customContextMenuRequested(const QPoint &pos);
    void on_firmList_itemClicked(QListWidgetItem *item);
    void on_checkBox_toggled(bool checked);
    void on_exportFirm_clicked();
    void on_importFirm_clicked();
    void on_frame_toggled(bool checked);
    void on_addImage_clicked();
    void on_addText_clicked();
    void on_remove_clicked();

private:
    void prepareDesigner();
    void clearDesigner();
    void loadDesigner(const QByteArray &bytes);
    void fillForm();
    void fillList();
    void drawStandardPreview();
    void showLogo();
    void setColorIcon(const QColor &color);
    void mergeCharFormat(const QTextCharFormat &format);
    void mergeBlockFormat(Qt::Alignment alignment);
    void placeNewItem(SelectableBoxItem *item);
    void deleteFirm(const QString &name);

    Ui::FirmDataDialog *ui;
    FirmStore *m_store = nullptr;
    Firm m_firm;
    QPointer<QTextEdit> m_activeEditor;
    QList<SelectableBoxItem *> m_items;
    GraphicsScene *m_designScene = nullptr;
    QGraphicsRectItem *m_frame = nullptr;
};
