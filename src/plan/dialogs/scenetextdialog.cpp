#include "plan/dialogs/scenetextdialog.h"
#include "ui_scenetextdialog.h"

#include "plan/textformats.h"

#include <QColorDialog>
#include <QImage>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

SceneTextDialog::SceneTextDialog(QGraphicsTextItem *item, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SceneTextDialog)
    , textItem(item)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setColorIcon(Qt::black);
    connect(ui->textEdit, &QTextEdit::cursorPositionChanged, this, &SceneTextDialog::updateToolbar);
    connect(ui->textEdit, &QTextEdit::selectionChanged, this, &SceneTextDialog::updateToolbar);
    connect(ui->accept, &QPushButton::clicked, this, &QDialog::accept);
    if (textItem)
        originalHtml = textItem->toHtml();
    ui->textEdit->setHtml(originalHtml);
}

SceneTextDialog::~SceneTextDialog()
{
    delete ui;
}

void SceneTextDialog::mergeCharFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = ui->textEdit->textCursor();
    // Without a selection the format is the one of the text typed next.
    cursor.mergeCharFormat(format);
    ui->textEdit->setTextCursor(cursor);
    ui->textEdit->setFocus();
}

void SceneTextDialog::mergeBlockAlignment(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    QTextCursor cursor = ui->textEdit->textCursor();
    cursor.mergeBlockFormat(format);
    ui->textEdit->setTextCursor(cursor);
    ui->textEdit->setFocus();
}

void SceneTextDialog::on_fontComboBox_currentIndexChanged(const QString &arg1)
{
    mergeCharFormat(TextFormats::family(arg1));
}

void SceneTextDialog::on_size_valueChanged(int arg1)
{
    mergeCharFormat(TextFormats::pointSize(double(arg1)));
}

void SceneTextDialog::on_bold_toggled(bool checked)
{
    mergeCharFormat(TextFormats::bold(checked));
}

void SceneTextDialog::on_italic_toggled(bool checked)
{
    mergeCharFormat(TextFormats::italic(checked));
}

void SceneTextDialog::on_underline_toggled(bool checked)
{
    mergeCharFormat(TextFormats::underline(checked));
}

void SceneTextDialog::on_left_toggled(bool checked)
{
    if (checked)
        mergeBlockAlignment(Qt::AlignLeft);
}

void SceneTextDialog::on_center_toggled(bool checked)
{
    if (checked)
        mergeBlockAlignment(Qt::AlignCenter);
}

void SceneTextDialog::on_right_toggled(bool checked)
{
    if (checked)
        mergeBlockAlignment(Qt::AlignRight);
}

void SceneTextDialog::on_color_clicked()
{
    const QColor chosen = QColorDialog::getColor(ui->textEdit->textCursor().charFormat().foreground().color(), this);
    if (chosen.isValid()) {
        setColorIcon(chosen);
        QTextCharFormat format;
        format.setForeground(QBrush(chosen, Qt::SolidPattern));
        mergeCharFormat(format);
    }
    ui->textEdit->setFocus();
}

// The tool widgets only show the format here: their own signals would merge what they show into
// the text, centring a justified block and giving a selection of mixed fonts one font.
void SceneTextDialog::updateToolbar()
{
    const QSignalBlocker blockFont(ui->fontComboBox);
    const QSignalBlocker blockSize(ui->size);
    const QSignalBlocker blockBold(ui->bold);
    const QSignalBlocker blockItalic(ui->italic);
    const QSignalBlocker blockUnderline(ui->underline);
    const QSignalBlocker blockLeft(ui->left);
    const QSignalBlocker blockCenter(ui->center);
    const QSignalBlocker blockRight(ui->right);

    const QTextCursor cursor = ui->textEdit->textCursor();
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font();
    ui->fontComboBox->setCurrentIndex(ui->fontComboBox->findText(font.family(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    ui->size->setValue(font.pointSize());
    ui->bold->setChecked(font.weight() > QFont::Medium);
    ui->italic->setChecked(font.style() != QFont::StyleNormal);
    ui->underline->setChecked(font.underline());

    // A block aligned "left" in HTML carries the absolute flag; it is left all the same.
    const Qt::Alignment alignment = cursor.blockFormat().alignment() & ~Qt::AlignAbsolute & Qt::AlignHorizontal_Mask;
    if (alignment == Qt::AlignLeft)
        ui->left->setChecked(true);
    else if (alignment == Qt::AlignRight)
        ui->right->setChecked(true);
    else
        ui->center->setChecked(true);

    setColorIcon(format.foreground().color());
}

void SceneTextDialog::on_textEdit_textChanged()
{
    if (textItem)
        textItem->setHtml(ui->textEdit->toHtml());
}

void SceneTextDialog::reject()
{
    if (textItem)
        textItem->setHtml(originalHtml);
    QDialog::reject();
}

void SceneTextDialog::on_reject_clicked()
{
    reject();
}

void SceneTextDialog::setColorIcon(const QColor &color)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setBrush(color);
    painter.setPen(color);
    painter.drawRoundedRect(QRectF(2, 14, 16, 4), 1.0, 1.0);
    painter.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    painter.setPen(QPen(QColor(0, 0, 0, 255)));
    painter.drawText(QRect(0, 0, 20, 20), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("A"));
    painter.end();
    ui->color->setIcon(QPixmap::fromImage(image));
}
