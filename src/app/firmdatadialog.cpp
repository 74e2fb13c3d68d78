#include "app/firmdatadialog.h"
#include "ui_firmdatadialog.h"

#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "plan/graphicsscene.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"
#include "plan/textformats.h"
#include "reports/printer.h"
#include "foundation/records/printelement.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QImageReader>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <cmath>

const QRectF FirmDataDialog::LetterheadRect(Printer::mm(20), Printer::mm(20), Printer::mm(170), Printer::mm(30));

namespace {

const QString kImagePatterns = QStringLiteral("*.jpg *.png *.tiff *.bmp *.gif");
// The designer shows a band of the page 210 mm wide and 70 mm high.
const QRectF kDesignArea(0, 0, Printer::mm(210), Printer::mm(70));

void showMessage(const QString &text, int buttons = MessageDialog::Ok, int timeoutMs = -1)
{
    MessageDialog box(text, buttons, timeoutMs, nullptr);
    box.exec();
}

QString unreadable(const QString &path)
{
    return FirmDataDialog::tr("Die Datei \"%1\" konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(path));
}

// An image read from a file, or a null image when the file holds none.
QImage readImage(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

FirmDataDialog::FirmDataDialog(QWidget *parent) : QDialog(parent), ui(new Ui::FirmDataDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint);

    connect(ui->address->document(), &QTextDocument::cursorPositionChanged, this, &FirmDataDialog::updateTextInfos);
    connect(ui->contact->document(), &QTextDocument::cursorPositionChanged, this, &FirmDataDialog::updateTextInfos);
    // A cursor moved by the keyboard or the mouse is reported by the editor, not the document.
    connect(ui->address, &QTextEdit::cursorPositionChanged, this,
            [this] { updateTextInfos(ui->address->textCursor()); });
    connect(ui->contact, &QTextEdit::cursorPositionChanged, this,
            [this] { updateTextInfos(ui->contact->textCursor()); });
    ui->address->installEventFilter(this);
    ui->contact->installEventFilter(this);
    ui->address->setMinimumHeight(113);
    ui->contact->setMinimumHeight(113);
    ui->header->setMinimumHeight(283);
    ui->headerCustom->setMinimumHeight(283);
    ui->address->setFixedWidth(306);
    ui->contact->setFixedWidth(173);
    ui->logo->setFixedWidth(173);
    setColorIcon(Qt::black);
    prepareDesigner();
    ui->stackedWidget->setCurrentIndex(0);
    // X11 window managers ignore the fixed-size hint.
    adjustSize();
    setFixedSize(size());
}

FirmDataDialog::~FirmDataDialog()
{
    // The elements belong to the designer, not to its scene.
    qDeleteAll(m_items);
    delete ui;
}

void FirmDataDialog::setFirmStore(FirmStore *store)
{
    m_store = store;
    m_firm = store ? store->currentFirm() : Firm();
    fillForm();
    fillList();
    drawStandardPreview();
    loadDesigner(m_firm.custom());
}

bool FirmDataDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == ui->address)
            m_activeEditor = ui->address;
        else if (watched == ui->contact)
            m_activeEditor = ui->contact;
    }
    return QDialog::eventFilter(watched, event);
}

// The form -----------------------------------------------------------------------------------

void FirmDataDialog::fillForm()
{
    ui->firm->setText(m_firm.name());
    {
        // Filling the editors is no edit: the preview is drawn once, afterwards.
        const QSignalBlocker blockAddress(ui->address);
        const QSignalBlocker blockContact(ui->contact);
        ui->address->setHtml(m_firm.address());
        ui->contact->setHtml(m_firm.contact());
    }
    ui->checkBox->setChecked(m_firm.useCustom());
    ui->stackedWidget->setCurrentIndex(m_firm.useCustom() ? 1 : 0);
    showLogo();
}

void FirmDataDialog::fillList()
{
    ui->firmList->clear();
    if (!m_store)
        return;
    ui->firmList->addItems(m_store->names());
    const QList<QListWidgetItem *> current = ui->firmList->findItems(m_firm.name(), Qt::MatchExactly);
    if (!current.isEmpty())
        ui->firmList->setCurrentItem(current.first());
}

void FirmDataDialog::showLogo()
{
    const QImage logo = m_firm.logo();
    if (logo.isNull()) {
        ui->logo->setPixmap(QPixmap());
        ui->logo->setText(tr("LOGO"));
        return;
    }
    const QSize area = ui->logo->contentsRect().size().expandedTo(QSize(1, 1));
    ui->logo->setPixmap(QPixmap::fromImage(logo.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FirmDataDialog::drawStandardPreview()
{
    // The very group the reports print, so that the preview cannot part from them.
    Printer printer;
    printer.setLetterhead(m_firm.logo(), ui->address->toHtml(), ui->contact->toHtml());
    const PrintElement letterhead = printer.letterhead();
    const QRectF area = letterhead.rect();
    QImage image(int(std::ceil(area.width())) + 1, int(std::ceil(area.height())) + 1, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.translate(-area.topLeft());
        letterhead.paint(&painter);
    }
    QGraphicsView *view = ui->header;
    if (!view->scene())
        view->setScene(new QGraphicsScene(view));
    QGraphicsScene *scene = view->scene();
    scene->clear();
    scene->setSceneRect(0, 0, image.width(), image.height());
    scene->addPixmap(QPixmap::fromImage(image));
    view->fitInView(scene->sceneRect(), Qt::KeepAspectRatio);
}

// Formatting of the address and contact ---------------------------------------------------------

void FirmDataDialog::updateTextInfos(const QTextCursor &cursor)
{
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font();
    // Showing the format is no change of it: the tools' own slots stay quiet meanwhile.
    const QSignalBlocker blockFont(ui->fontbox);
    const QSignalBlocker blockSize(ui->fontsize);
    const QSignalBlocker blockBold(ui->bold);
    const QSignalBlocker blockItalic(ui->italic);
    const QSignalBlocker blockUnderline(ui->underline);
    const QSignalBlocker blockLeft(ui->left);
    const QSignalBlocker blockCenter(ui->center);
    const QSignalBlocker blockRight(ui->right);

    const int family = ui->fontbox->findText(font.family(), Qt::MatchFixedString);
    if (family >= 0)
        ui->fontbox->setCurrentIndex(family);
    if (font.pointSize() > 0)
        ui->fontsize->setValue(font.pointSize());
    ui->bold->setChecked(font.weight() >= 58);
    ui->italic->setChecked(font.italic());
    ui->underline->setChecked(font.underline());
    const Qt::Alignment alignment = cursor.blockFormat().alignment();
    if (alignment & Qt::AlignHCenter)
        ui->center->setChecked(true);
    else if (alignment & Qt::AlignRight)
        ui->right->setChecked(true);
    else
        ui->left->setChecked(true);
    setColorIcon(format.foreground().color());
}

void FirmDataDialog::setColorIcon(const QColor &color)
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(2, 14, 16, 4), 1, 1);
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, 19, 19), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("A"));
    painter.end();
    ui->color->setIcon(QIcon(QPixmap::fromImage(image)));
}

void FirmDataDialog::mergeCharFormat(const QTextCharFormat &format)
{
    if (!m_activeEditor)
        return;
    m_activeEditor->mergeCurrentCharFormat(format);
    m_activeEditor->setFocus();
    drawStandardPreview();
}

void FirmDataDialog::mergeBlockFormat(Qt::Alignment alignment)
{
    if (!m_activeEditor)
        return;
    QTextBlockFormat format;
    format.setAlignment(alignment);
    m_activeEditor->textCursor().mergeBlockFormat(format);
    m_activeEditor->setFocus();
    drawStandardPreview();
}

void FirmDataDialog::on_fontbox_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    mergeCharFormat(TextFormats::family(ui->fontbox->currentFont().family()));
}

void FirmDataDialog::on_fontsize_valueChanged(int size)
{
    mergeCharFormat(TextFormats::pointSize(size));
}

void FirmDataDialog::on_bold_toggled(bool checked)
{
    mergeCharFormat(TextFormats::bold(checked));
}

void FirmDataDialog::on_italic_toggled(bool checked)
{
    mergeCharFormat(TextFormats::italic(checked));
}

void FirmDataDialog::on_underline_toggled(bool checked)
{
    mergeCharFormat(TextFormats::underline(checked));
}

void FirmDataDialog::on_left_toggled(bool checked)
{
    if (checked)
        mergeBlockFormat(Qt::AlignLeft);
}

void FirmDataDialog::on_center_toggled(bool checked)
{
    if (checked)
        mergeBlockFormat(Qt::AlignHCenter);
}

void FirmDataDialog::on_right_toggled(bool checked)
{
    if (checked)
        mergeBlockFormat(Qt::AlignRight);
}

void FirmDataDialog::on_color_clicked()
{
    if (!m_activeEditor)
        return;
    QColorDialog dialog(m_activeEditor->textCursor().charFormat().foreground().color(), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor color = dialog.selectedColor();
    setColorIcon(color);
    QTextCharFormat format;
    format.setForeground(color);
    mergeCharFormat(format);
}

void FirmDataDialog::on_address_textChanged()
{
    drawStandardPreview();
}

void FirmDataDialog::on_contact_textChanged()
{
    drawStandardPreview();
}

// Logo ---------------------------------------------------------------------------------------

void FirmDataDialog::on_chooseLogo_clicked()
{
    QSettings *settings = Global::instance()->settings().data();
    const QString start = settings->value(QStringLiteral("main/imagepath")).toString();
    const QString path = QFileDialog::getOpenFileName(this, tr("Logo auswählen"), start,
                                                      tr("Bilder") + QLatin1Char(' ') + kImagePatterns, nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    settings->setValue(QStringLiteral("main/imagepath"), QFileInfo(path).absolutePath());
    const QImage image = readImage(path);
    // A file that holds no picture must not take the place of the logo there is.
    if (image.isNull()) {
        showMessage(unreadable(path));
        return;
    }
    m_firm.setLogo(image);
    showLogo();
    drawStandardPreview();
}

// Company list -------------------------------------------------------------------------------

void FirmDataDialog::on_firmList_itemClicked(QListWidgetItem *item)
{
    if (!item || !m_store || !ui->firmList->currentItem())
        return;
    m_firm = m_store->firm(item->text());
    m_store->setCurrentFirm(item->text());
    fillForm();
    drawStandardPreview();
    loadDesigner(m_firm.custom());
}

void FirmDataDialog::on_firmList_customContextMenuRequested(const QPoint &pos)
{
    QListWidgetItem *item = ui->firmList->itemAt(pos);
    if (!item)
        return;
    QMenu menu(this);
    QAction *remove = menu.addAction(QIcon(QStringLiteral(":/icons/delete.png")), tr("Löschen"));
    if (menu.exec(ui->firmList->viewport()->mapToGlobal(pos)) == remove)
        deleteFirm(item->text());
}

void FirmDataDialog::deleteFirm(const QString &name)
{
    if (!m_store)
        return;
    if (name == ui->firm->text()) {
        showMessage(tr("Löschen nicht möglich! Bitte einen anderen Eintrag wählen!"), 0, 2000);
        return;
    }
    MessageDialog question(tr("Die Firma \"%1\" löschen?").arg(name), MessageDialog::Yes | MessageDialog::No, -1,
                           nullptr);
    question.setEscapeResult(MessageDialog::No);
    if (question.exec() != MessageDialog::Yes)
        return;
    m_store->removeFirm(name);
    if (!m_store->save())
        showMessage(tr("Die Firmendaten konnten nicht in \"%1\" geschrieben werden.")
                        .arg(QDir::toNativeSeparators(m_store->filePath())));
    fillList();
}

void FirmDataDialog::on_checkBox_toggled(bool checked)
{
    ui->stackedWidget->setCurrentIndex(checked ? 1 : 0);
}

// Saving, export and import ------------------------------------------------------------------

void FirmDataDialog::on_save_clicked()
{
    if (!m_store)
        return;
    if (ui->firm->text().isEmpty())
        ui->firm->setText(tr("Firma"));
    const QString name = ui->firm->text();
    m_firm.setAddress(ui->address->toHtml());
    m_firm.setContact(ui->contact->toHtml());
    m_firm.setName(name);
    m_firm.setUseCustom(ui->checkBox->isChecked());
    m_firm.setLetterhead(designedLetterhead());

    if (m_store->contains(name))
        m_store->updateFirm(name, m_firm);
    else
        m_store->addFirm(m_firm);
    m_store->setCurrentFirm(name);
    // A failed write keeps the dialog open: closing it would look as though the company were kept.
    if (!m_store->save()) {
        showMessage(tr("Die Firmendaten konnten nicht in \"%1\" geschrieben werden.")
                        .arg(QDir::toNativeSeparators(m_store->filePath())));
        fillList();
        return;
    }
    fillList();
    QDialog::accept();
}

void FirmDataDialog::on_exportFirm_clicked()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("FirmExport"), QString(),
                                                      tr("ZOZOrure FirmFile (*.tks)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!m_firm.exportFile(path))
        showMessage(tr("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
}

void FirmDataDialog::on_importFirm_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("FirmImport"), QString(),
                                                      tr("ZOZOrure FirmFile (*.tks)"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!m_firm.importFile(path)) {
        showMessage(unreadable(path));
        return;
    }
    fillForm();
    drawStandardPreview();
    loadDesigner(m_firm.custom());
}

// Letterhead designer ------------------------------------------------------------------------

void FirmDataDialog::prepareDesigner()
{
    m_designScene = new GraphicsScene(this);
    m_designScene->setSceneRect(kDesignArea);
    ui->headerCustom->setScene(m_designScene);
    clearDesigner();
}

void FirmDataDialog::clearDesigner()
{
    qDeleteAll(m_items);
    m_items.clear();
    if (!m_designScene)
        return;
    m_designScene->setSelectedElement(nullptr);
    m_designScene->clear();
    m_frame = nullptr;
    QImage white(int(kDesignArea.width()), int(kDesignArea.height()), QImage::Format_RGB32);
    white.fill(Qt::white);
    m_designScene->setBackgroundBrush(QBrush(white));
    m_frame = m_designScene->addRect(LetterheadRect, QPen(), QBrush(Qt::NoBrush));
    m_frame->setZValue(1000);
    on_frame_toggled(ui->frame->isChecked());
}

void FirmDataDialog::loadDesigner(const QByteArray &bytes)
{
    clearDesigner();
    ui->frame->setChecked(false);
    on_frame_toggled(false);
    PrintElement group;
    if (bytes.isEmpty() || !group.fromByteArray(bytes) || group.kind() != PrintElement::Group)
        return;
    const QPointF corner = LetterheadRect.topLeft();
    for (const PrintElement &child : *group.children()) {
        const QRectF rect = child.rect().translated(corner);
        SelectableBoxItem *item = nullptr;
        switch (child.kind()) {
        case PrintElement::Rectangle:
            ui->frame->setChecked(true);
            continue;
        case PrintElement::Image:
            item = new SelectablePixmapItem(child.image());
            break;
        case PrintElement::RichText: {
            auto *text = new SelectableTextItem(QString());
            text->setHtml(child.text());
            item = text;
            break;
        }
        default:
            continue;
        }
        item->setSize(rect.size());
        item->setPos(rect.topLeft());
        item->setShowBox(child.hasFrame() ? 0 : 1);
        m_designScene->addElement(item);
        m_items.append(item);
    }
}

PrintElement FirmDataDialog::designedLetterhead() const
{
    PrintElement group = PrintElement::makeGroup(LetterheadRect, false);
    const QPointF corner = LetterheadRect.topLeft();
    for (SelectableBoxItem *item : m_items) {
        const QRectF rect(item->pos() - corner, item->outerSize());
        const bool frame = item->showBox() == 0;
        if (auto *picture = qobject_cast<SelectablePixmapItem *>(item))
            group.addChild(PrintElement::makeImage(rect, picture->image(), frame, true));
        else if (auto *text = qobject_cast<SelectableTextItem *>(item))
            group.addChild(PrintElement::makeRichText(rect, text->html(), frame));
    }
    if (ui->frame->isChecked())
        group.addChild(PrintElement::makeRect(QRectF(QPointF(0, 0), LetterheadRect.size())));
    return group;
}

void FirmDataDialog::placeNewItem(SelectableBoxItem *item)
{
    QGraphicsView *view = ui->headerCustom;
    item->setPos(view->mapToScene(QPoint(view->viewport()->width() / 2, 75)));
    m_designScene->addElement(item);
    m_items.append(item);
}

void FirmDataDialog::on_addText_clicked()
{
    auto *item = new SelectableTextItem(tr("Text"));
    item->setSize(QSizeF(100, LetterheadRect.height()));
    placeNewItem(item);
}

void FirmDataDialog::on_addImage_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Bild laden"), QString(),
                                                      tr("Bilder (%1)").arg(kImagePatterns), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    const QImage image = readImage(path);
    if (image.isNull()) {
        showMessage(unreadable(path));
        return;
    }
    placeNewItem(new SelectablePixmapItem(image));
}

void FirmDataDialog::on_remove_clicked()
{
    SelectableItem *selected = m_designScene->selectedElement();
    auto *item = qobject_cast<SelectableBoxItem *>(selected);
    if (!item || !m_items.contains(item))
        return;
    m_items.removeAll(item);
    delete item;
    m_designScene->setSelectedElement(nullptr);
    emit m_designScene->selectionChanged(nullptr);
}

void FirmDataDialog::on_frame_toggled(bool checked)
{
    if (!m_frame)
        return;
    QPen pen = m_frame->pen();
    pen.setStyle(checked ? Qt::SolidLine : Qt::DotLine);
    m_frame->setPen(pen);
}
