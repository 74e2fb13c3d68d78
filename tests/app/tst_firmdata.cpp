#include "app/firmdatadialog.h"
#include "foundation/firm.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "plan/graphicsscene.h"
#include "plan/selectablepixmapitem.h"
#include "plan/selectabletextitem.h"
#include "foundation/records/printelement.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

Firm makeFirm(const QString &name, const QString &address)
{
    Firm firm;
    firm.setName(name);
    firm.setAddress(address);
    return firm;
}

// A file dialog answered as a user does: a file named, then accepted.
ModalAnswerer::Action chooseFile(const QString &path, const QString &title = QString())
{
    return [path, title](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog);
        if (!title.isEmpty())
            QCOMPARE(dialog->windowTitle(), title);
        // Typed into the name field as a user does: selectFile() leaves the field alone while
        // it has the focus, which depends on when the dialog became the active window.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        QVERIFY(!dialog->isVisible());
    };
}

QImage pictureOf(const QColor &color, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::black);
    return image;
}

bool isUniform(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) != rgb.pixel(0, 0))
                return false;
    return true;
}

QImage viewPicture(const FirmDataDialog &dialog, const char *view)
{
    QGraphicsScene *scene = formChild<QGraphicsView>(dialog, view)->scene();
    for (QGraphicsItem *item : scene->items())
        if (auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item))
            return pixmap->pixmap().toImage();
    return QImage();
}

QList<SelectableItem *> designerItems(const FirmDataDialog &dialog)
{
    QList<SelectableItem *> found;
    const QList<QGraphicsItem *> items = formChild<QGraphicsView>(dialog, "headerCustom")->scene()->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items)
        if (SelectableItem *element = SelectableItem::fromItem(item))
            found << element;
    return found;
}

QGraphicsRectItem *designerFrame(const FirmDataDialog &dialog)
{
    for (QGraphicsItem *item : formChild<QGraphicsView>(dialog, "headerCustom")->scene()->items())
        if (item->zValue() == 1000)
            return qgraphicsitem_cast<QGraphicsRectItem *>(item);
    return nullptr;
}

// Opens the context menu of a company entry and chooses "Löschen" with the keyboard.
void deleteThroughMenu(FirmDataDialog &dialog, const QString &name)
{
    auto *list = formChild<QListWidget>(dialog, "firmList");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    bool chosen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || chosen)
            return;
        chosen = true;
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Löschen"));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start(10);
    emit list->customContextMenuRequested(list->visualItemRect(found.first()).center());
    QVERIFY(chosen);
}

void focusEditor(QTextEdit *editor)
{
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(editor, &in);
}

} // namespace

class TestFirmData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        files = env->root() + QStringLiteral("/files");
        QVERIFY(QDir().mkpath(files));
        QVERIFY(pictureOf(Qt::red, QSize(120, 60)).save(files + QStringLiteral("/logo.png")));
        QVERIFY(pictureOf(Qt::blue, QSize(80, 40)).save(files + QStringLiteral("/picture.png")));
        QFile broken(files + QStringLiteral("/broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }

    void init()
    {
        QFile::remove(storeFile());
        store.reset(new FirmStore(env->root()));
        capture->clear();
    }

    void emptyNameIsStoredAsFirma()
    {
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Firmendaten"));
        QCOMPARE(formChild<QLineEdit>(dialog, "firm")->text(), QString());
        formChild<QTextEdit>(dialog, "address")->setPlainText(QStringLiteral("Hauptstraße 1"));
        formChild<QPushButton>(dialog, "save")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        FirmStore reread(env->root());
        QVERIFY(reread.load());
        QCOMPARE(reread.names(), QStringList{QStringLiteral("Firma")});
        QCOMPARE(reread.currentFirm().name(), QStringLiteral("Firma"));
        QVERIFY(reread.currentFirm().address().contains(QStringLiteral("Hauptstraße 1")));
    }

    void anExistingNameIsReplaced()
    {
        store->addFirm(makeFirm(QStringLiteral("A"), QStringLiteral("alt A")));
        store->addFirm(makeFirm(QStringLiteral("B"), QStringLiteral("alt B")));
        store->setCurrentFirm(QStringLiteral("A"));
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        QCOMPARE(formChild<QLineEdit>(dialog, "firm")->text(), QStringLiteral("A"));
        QCOMPARE(formChild<QListWidget>(dialog, "firmList")->currentItem()->text(), QStringLiteral("A"));
        formChild<QLineEdit>(dialog, "firm")->setText(QStringLiteral("B"));
        formChild<QTextEdit>(dialog, "address")->setPlainText(QStringLiteral("neu B"));
        formChild<QPushButton>(dialog, "save")->click();

        FirmStore reread(env->root());
        QVERIFY(reread.load());
        QCOMPARE(reread.count(), 2);
        QCOMPARE(reread.currentFirm().name(), QStringLiteral("B"));
        QVERIFY(reread.firm(QStringLiteral("B")).address().contains(QStringLiteral("neu B")));
        QVERIFY(reread.firm(QStringLiteral("A")).address().contains(QStringLiteral("alt A")));
    }

    void aFailedWriteKeepsTheDialogOpen()
    {
        // A folder where the file should be: the rename over it fails, whoever runs the test.
        QVERIFY(QDir().mkpath(storeFile() + QStringLiteral("/blocked")));
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        formChild<QLineEdit>(dialog, "firm")->setText(QStringLiteral("X"));
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        formChild<QPushButton>(dialog, "save")->click();
        QVERIFY(answer.done());
        QVERIFY2(answer.texts().value(0).contains(QStringLiteral("tsfirm.ini")), qPrintable(answer.texts().value(0)));
        QVERIFY(dialog.isVisible());
        QVERIFY(QDir(storeFile()).removeRecursively());
    }

    void deletingFromTheList()
    {
        store->addFirm(makeFirm(QStringLiteral("A"), QString()));
        store->addFirm(makeFirm(QStringLiteral("B"), QString()));
        store->addFirm(makeFirm(QStringLiteral("C"), QString()));
        store->setCurrentFirm(QStringLiteral("B"));
        QVERIFY(store->save());
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        {
            // The shown company cannot go; the notice closes by itself.
            ModalAnswerer answer;
            answer.watchMessage();
            deleteThroughMenu(dialog, QStringLiteral("B"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts(), QStringList{QStringLiteral("Löschen nicht möglich! Bitte einen anderen Eintrag wählen!")});
            QCOMPARE(answer.buttonsShown(), QList<bool>{false});
        }
        {
            ModalAnswerer answer;
            answer.expect("MessageDialog", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
            deleteThroughMenu(dialog, QStringLiteral("C"));
            QVERIFY(answer.done());
        }
        QCOMPARE(comboOf(dialog), (QStringList{"A", "B", "C"}));
        {
            ModalAnswerer answer;
            answer.message(MessageDialog::Yes);
            deleteThroughMenu(dialog, QStringLiteral("C"));
            QVERIFY(answer.done());
            QCOMPARE(answer.texts(), QStringList{QStringLiteral("Die Firma \"C\" löschen?")});
        }
        QCOMPARE(comboOf(dialog), (QStringList{"A", "B"}));
        // Written at once, whatever happens to the dialog afterwards.
        formChild<QPushButton>(dialog, "close")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        FirmStore reread(env->root());
        QVERIFY(reread.load());
        QCOMPARE(reread.names(), (QStringList{"A", "B"}));
        QCOMPARE(reread.currentFirm().name(), QStringLiteral("B"));
    }

    void frameIsDottedWhenOff()
    {
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        auto *frame = formChild<QCheckBox>(dialog, "frame");
        frame->setChecked(true);
        QGraphicsRectItem *rect = designerFrame(dialog);
        QVERIFY(rect);
        QCOMPARE(rect->rect(), FirmDataDialog::LetterheadRect);
        QCOMPARE(rect->pen().style(), Qt::SolidLine);
        frame->setChecked(false);
        QCOMPARE(designerFrame(dialog), rect);
        QCOMPARE(rect->pen().style(), Qt::DotLine);
    }

    void designedLetterheadSurvivesReopening_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::newRow("Rahmen") << true;
        QTest::newRow("ohne Rahmen") << false;
    }

    void designedLetterheadSurvivesReopening()
    {
        QFETCH(bool, frame);
        QString html;
        QRectF textRect;
        QRectF pictureRect;
        {
            FirmDataDialog dialog;
            dialog.setFirmStore(store.get());
            dialog.show();
            formChild<QLineEdit>(dialog, "firm")->setText(QStringLiteral("Design"));
            formChild<QCheckBox>(dialog, "checkBox")->setChecked(true);
            QCOMPARE(formChild<QStackedWidget>(dialog, "stackedWidget")->currentIndex(), 1);
            formChild<QPushButton>(dialog, "addText")->click();
            {
                ModalAnswerer answer;
                answer.expect("QFileDialog", chooseFile(files + QStringLiteral("/picture.png"), QStringLiteral("Bild laden")));
                formChild<QPushButton>(dialog, "addImage")->click();
                QVERIFY(answer.done());
            }
            const QList<SelectableItem *> items = designerItems(dialog);
            QCOMPARE(items.size(), 2);
            auto *text = qobject_cast<SelectableTextItem *>(items.at(0));
            auto *picture = qobject_cast<SelectablePixmapItem *>(items.at(1));
            QVERIFY(text && picture);
            QCOMPARE(text->outerSize(), QSizeF(100, FirmDataDialog::LetterheadRect.height()));
            text->setHtml(QStringLiteral("<p><b>Kanal</b>service</p>"));
            text->setPos(100, 80);
            text->setShowBox(0);
            picture->setPos(500, 90);
            picture->setSize(QSizeF(120, 60));
            html = text->html();
            textRect = QRectF(text->pos(), text->outerSize());
            pictureRect = QRectF(picture->pos(), picture->outerSize());
            formChild<QCheckBox>(dialog, "frame")->setChecked(frame);
            formChild<QPushButton>(dialog, "save")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }

        // The stored bytes: one group over the letterhead band, the elements relative to it.
        FirmStore reread(env->root());
        QVERIFY(reread.load());
        const Firm stored = reread.currentFirm();
        QVERIFY(stored.useCustom());
        PrintElement group;
        QVERIFY(group.fromByteArray(stored.custom()));
        QCOMPARE(group.kind(), int(PrintElement::Group));
        QVERIFY(qAbs(group.rect().left() - 75.524) < 0.001);
        QVERIFY(qAbs(group.rect().top() - 75.524) < 0.001);
        QVERIFY(qAbs(group.rect().width() - 641.952) < 0.001);
        QVERIFY(qAbs(group.rect().height() - 113.286) < 0.001);
        const QVector<PrintElement> &children = *group.children();
        QCOMPARE(children.size(), frame ? 3 : 2);
        const QPointF corner = group.rect().topLeft();
        QCOMPARE(children.at(0).kind(), int(PrintElement::RichText));
        QCOMPARE(children.at(0).rect(), textRect.translated(-corner));
        QVERIFY(children.at(0).hasFrame());
        QCOMPARE(children.at(1).kind(), int(PrintElement::Image));
        QCOMPARE(children.at(1).rect(), pictureRect.translated(-corner));
        QVERIFY(!children.at(1).hasFrame());
        if (frame) {
            QCOMPARE(children.at(2).kind(), int(PrintElement::Rectangle));
            QCOMPARE(children.at(2).rect().size(), group.rect().size());
        }

        FirmDataDialog reopened;
        reopened.setFirmStore(store.get());
        QCOMPARE(formChild<QStackedWidget>(reopened, "stackedWidget")->currentIndex(), 1);
        QCOMPARE(formChild<QCheckBox>(reopened, "frame")->isChecked(), frame);
        QCOMPARE(designerFrame(reopened)->pen().style(), frame ? Qt::SolidLine : Qt::DotLine);
        const QList<SelectableItem *> items = designerItems(reopened);
        QCOMPARE(items.size(), 2);
        auto *text = qobject_cast<SelectableTextItem *>(items.at(0));
        auto *picture = qobject_cast<SelectablePixmapItem *>(items.at(1));
        QVERIFY(text && picture);
        QCOMPARE(QRectF(text->pos(), text->outerSize()), textRect);
        QCOMPARE(text->html(), html);
        QCOMPARE(text->showBox(), 0);
        QCOMPARE(QRectF(picture->pos(), picture->outerSize()), pictureRect);
        QCOMPARE(picture->image().pixelColor(70, 30), QColor(Qt::blue));
    }

    void designerRemovesTheSelectedElementAndRefusesUnreadablePictures()
    {
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        {
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(files + QStringLiteral("/broken.png")));
            answer.message(MessageDialog::Ok);
            formChild<QPushButton>(dialog, "addImage")->click();
            QVERIFY(answer.done());
            QVERIFY(answer.texts().value(0).contains(QStringLiteral("broken.png")));
        }
        QCOMPARE(designerItems(dialog).size(), 0);
        formChild<QPushButton>(dialog, "addText")->click();
        formChild<QPushButton>(dialog, "addText")->click();
        QList<SelectableItem *> items = designerItems(dialog);
        QCOMPARE(items.size(), 2);
        auto *scene = qobject_cast<GraphicsScene *>(formChild<QGraphicsView>(dialog, "headerCustom")->scene());
        QVERIFY(scene);
        // Nothing selected: nothing goes.
        formChild<QPushButton>(dialog, "remove")->click();
        QCOMPARE(designerItems(dialog).size(), 2);
        QPointer<SelectableItem> second = items.at(1);
        scene->setSelectedElement(second);
        formChild<QPushButton>(dialog, "remove")->click();
        QVERIFY(!second);
        QCOMPARE(designerItems(dialog), QList<SelectableItem *>{items.at(0)});
        QVERIFY(!scene->selectedElement());
        formChild<QCheckBox>(dialog, "frame")->setChecked(true);
        const PrintElement stored = dialog.designedLetterhead();
        QCOMPARE(stored.children()->size(), 2);
        QCOMPARE(stored.children()->at(0).kind(), int(PrintElement::RichText));
        QCOMPARE(stored.children()->at(1).kind(), int(PrintElement::Rectangle));
    }

    void companyFileRoundTripReachesTheStoreOnlyOnSave()
    {
        const QString tks = files + QStringLiteral("/export.tks");
        QFile::remove(tks);
        Firm original = makeFirm(QStringLiteral("Export GmbH"), QStringLiteral("<p>Weg 5</p>"));
        original.setContact(QStringLiteral("<p>Tel. 123</p>"));
        store->addFirm(original);
        store->setCurrentFirm(original.name());
        {
            FirmDataDialog dialog;
            dialog.setFirmStore(store.get());
            dialog.show();
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(tks, QStringLiteral("FirmExport")));
            formChild<QPushButton>(dialog, "exportFirm")->click();
            QVERIFY(answer.done());
        }
        QVERIFY(QFileInfo::exists(tks));

        store.reset(new FirmStore(env->root()));
        store->addFirm(makeFirm(QStringLiteral("Other"), QString()));
        store->setCurrentFirm(QStringLiteral("Other"));
        QVERIFY(store->save());
        const QByteArray before = TestFiles::readAll(storeFile());
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        {
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(tks, QStringLiteral("FirmImport")));
            formChild<QPushButton>(dialog, "importFirm")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(formChild<QLineEdit>(dialog, "firm")->text(), QStringLiteral("Export GmbH"));
        QVERIFY(formChild<QTextEdit>(dialog, "contact")->toPlainText().contains(QStringLiteral("Tel. 123")));
        QCOMPARE(TestFiles::readAll(storeFile()), before);
        QCOMPARE(store->count(), 1);

        // Files that are no company files (a rebuilt Qt value, nothing at all): said so, the
        // form unchanged.
        const QList<QByteArray> badFiles = {"[General]\nLogo=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x6QImage)\n", ""};
        for (const QByteArray &content : badFiles) {
            const QString bad = files + QStringLiteral("/bad.tks");
            {
                QFile file(bad);
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(content);
            }
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(bad));
            answer.message(MessageDialog::Ok);
            formChild<QPushButton>(dialog, "importFirm")->click();
            QVERIFY(answer.done());
            QVERIFY(answer.texts().value(0).contains(QStringLiteral("bad.tks")));
            QCOMPARE(formChild<QLineEdit>(dialog, "firm")->text(), QStringLiteral("Export GmbH"));
            QVERIFY(formChild<QTextEdit>(dialog, "contact")->toPlainText().contains(QStringLiteral("Tel. 123")));
        }

        formChild<QPushButton>(dialog, "save")->click();
        FirmStore reread(env->root());
        QVERIFY(reread.load());
        QCOMPARE(reread.names(), (QStringList{"Export GmbH", "Other"}));
        QCOMPARE(reread.currentFirm().name(), QStringLiteral("Export GmbH"));
        QVERIFY(reread.currentFirm().contact().contains(QStringLiteral("Tel. 123")));
    }

    void exportToAnUnwritablePlaceIsReported()
    {
        const QString blocked = files + QStringLiteral("/blocked.tks");
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        ModalAnswerer answer;
        // The dialog itself would open a folder given as the file to save; the name goes past it.
        answer.expect("QFileDialog", [&](QWidget *w) {
            auto *files = qobject_cast<QFileDialog *>(w);
            QVERIFY(files);
            formChild<QLineEdit>(*files, "fileNameEdit")->setText(blocked);
            QMetaObject::invokeMethod(files, "done", Q_ARG(int, QDialog::Accepted));
        });
        answer.message(MessageDialog::Ok);
        formChild<QPushButton>(dialog, "exportFirm")->click();
        QVERIFY(answer.done());
        QVERIFY2(answer.texts().value(0).contains(QStringLiteral("blocked.tks")), qPrintable(answer.texts().value(0)));
    }

    void formattingReachesTheSelection()
    {
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        auto *address = formChild<QTextEdit>(dialog, "address");
        address->setPlainText(QStringLiteral("Kanal GmbH\nWeg 1"));
        // Without an editor that had the focus the tools do nothing.
        formChild<QToolButton>(dialog, "bold")->click();
        QVERIFY(address->document()->firstBlock().charFormat().fontWeight() < QFont::Bold);

        focusEditor(address);
        QTextCursor cursor(address->document());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        address->setTextCursor(cursor);
        formChild<QToolButton>(dialog, "bold")->click();
        formChild<QToolButton>(dialog, "center")->click();
        {
            ModalAnswerer answer;
            answer.expect("QColorDialog", [](QWidget *w) {
                auto *colors = qobject_cast<QColorDialog *>(w);
                QVERIFY(colors);
                colors->setCurrentColor(QColor(0, 128, 0));
                colors->accept();
            });
            formChild<QToolButton>(dialog, "color")->click();
            QVERIFY(answer.done());
        }
        QTextCursor first(address->document()->firstBlock());
        first.movePosition(QTextCursor::Right);
        QCOMPARE(first.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(first.charFormat().foreground().color(), QColor(0, 128, 0));
        QCOMPARE(address->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QTextCursor second(address->document()->lastBlock());
        second.movePosition(QTextCursor::Right);
        QVERIFY(second.charFormat().fontWeight() < QFont::Bold);
        QVERIFY(!(address->document()->lastBlock().blockFormat().alignment() & Qt::AlignHCenter));

        // Moving into plain text shows its format in the tools.
        address->setTextCursor(second);
        QVERIFY(!formChild<QToolButton>(dialog, "bold")->isChecked());
        QVERIFY(formChild<QToolButton>(dialog, "left")->isChecked());
        address->setTextCursor(first);
        QVERIFY(formChild<QToolButton>(dialog, "bold")->isChecked());
        QVERIFY(formChild<QToolButton>(dialog, "center")->isChecked());
        const QImage icon = formChild<QToolButton>(dialog, "color")->icon().pixmap(20, 20).toImage();
        QCOMPARE(icon.pixelColor(10, 16), QColor(0, 128, 0));
    }

    void logoChoice()
    {
        FirmDataDialog dialog;
        dialog.setFirmStore(store.get());
        dialog.show();
        auto *logo = formChild<QLabel>(dialog, "logo");
        QCOMPARE(logo->text(), QStringLiteral("LOGO"));
        const QImage emptyPreview = viewPicture(dialog, "header");
        QVERIFY(!emptyPreview.isNull());
        {
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(files + QStringLiteral("/logo.png"), QStringLiteral("Logo auswählen")));
            formChild<QPushButton>(dialog, "chooseLogo")->click();
            QVERIFY(answer.done());
        }
        QVERIFY(!logo->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!isUniform(logo->pixmap(Qt::ReturnByValue).toImage()));
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("main/imagepath")).toString(), files);
        const QImage withLogo = viewPicture(dialog, "header");
        QVERIFY(withLogo != emptyPreview);
        // Red from the logo shows in the preview.
        bool red = false;
        for (int y = 0; y < withLogo.height() && !red; ++y)
            for (int x = 0; x < withLogo.width() / 4 && !red; ++x)
                red = withLogo.pixelColor(x, y) == QColor(Qt::red);
        QVERIFY(red);

        // A file without a picture keeps the logo there is.
        const QImage shown = logo->pixmap(Qt::ReturnByValue).toImage();
        {
            ModalAnswerer answer;
            answer.expect("QFileDialog", chooseFile(files + QStringLiteral("/broken.png")));
            answer.message(MessageDialog::Ok);
            formChild<QPushButton>(dialog, "chooseLogo")->click();
            QVERIFY(answer.done());
            QVERIFY(answer.texts().value(0).contains(QStringLiteral("broken.png")));
        }
        QCOMPARE(logo->pixmap(Qt::ReturnByValue).toImage(), shown);
        formChild<QPushButton>(dialog, "save")->click();
        FirmStore reread(env->root());
        QVERIFY(reread.load());
        QCOMPARE(reread.currentFirm().logo().size(), QSize(120, 60));
    }

private:
    QString storeFile() const { return env->root() + QStringLiteral("/tsfirm.ini"); }
    static QStringList comboOf(const FirmDataDialog &dialog)
    {
        QStringList names;
        auto *list = formChild<QListWidget>(dialog, "firmList");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<FirmStore> store;
    QString files;
};

QTEST_MAIN(TestFirmData)
#include "tst_firmdata.moc"
