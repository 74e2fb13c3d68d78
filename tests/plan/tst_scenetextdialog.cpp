#include "plan/autoitems.h"
#include "plan/dialogs/scenetextdialog.h"
#include "plan/selectabletextitem.h"
#include "sceneevents.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"

#include <QColorDialog>
#include <QFontComboBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

// Four blocks: plain left, bold 14 pt in a justified block, italic and underlined on the
// right, and a block of two fonts and sizes.
const char *const SampleHtml
    = "<p>plain words here</p>"
      "<p align=\"justify\">lead <span style=\"font-weight:700; font-size:14pt;\">strong</span> tail</p>"
      "<p align=\"right\"><i>slanted</i> <u>lined</u></p>"
      "<p><span style=\"font-family:'DejaVu Serif'; font-size:20pt;\">serif</span>"
      "<span style=\"font-family:'DejaVu Sans Mono'; font-size:8pt;\">mono</span></p>";

} // namespace

class TestSceneTextDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingUpdatesTheItemAtOnce();
    void discardRestoresExactly_data();
    void discardRestoresExactly();
    void toolbarShowsTheFormatAtTheCursor_data();
    void toolbarShowsTheFormatAtTheCursor();
    void showingTheFormatWritesNothing();
    void alignmentButtonsAreExclusive();
    void formatButtonsChangeTheSelection();
    void colourIsChosenForTheSelection();
    void itemGoneDuringTheRunIsLeftAlone();
    void doubleClickOnATextElementEditsIt();

private:
    template<class T>
    T *child(const char *name) const { return formChild<T>(*m_dialog, name); }
    QTextEdit *editor() const { return child<QTextEdit>("textEdit"); }
    // Puts the editor's cursor on the first occurrence of the word, selecting it or not.
    void placeCursor(const QString &word, bool select);

    QScopedPointer<QGraphicsTextItem> m_item;
    QScopedPointer<SceneTextDialog> m_dialog;
};

void TestSceneTextDialog::init()
{
    m_item.reset(new QGraphicsTextItem);
    m_item->setHtml(QString::fromLatin1(SampleHtml));
    m_dialog.reset(new SceneTextDialog(m_item.data()));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.data()));
}

void TestSceneTextDialog::cleanup()
{
    m_dialog.reset();
    m_item.reset();
}

void TestSceneTextDialog::placeCursor(const QString &word, bool select)
{
    QTextCursor cursor = editor()->document()->find(word);
    QVERIFY2(!cursor.isNull(), qPrintable(word));
    if (!select)
        cursor.setPosition(cursor.selectionStart() + 1);
    editor()->setTextCursor(cursor);
}

void TestSceneTextDialog::typingUpdatesTheItemAtOnce()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("TextEditor"));
    QCOMPARE(editor()->toPlainText(), m_item->toPlainText());
    placeCursor(QStringLiteral("plain"), false);
    QTest::keyClicks(editor(), QStringLiteral("XY"));
    QVERIFY2(m_item->toPlainText().startsWith(QStringLiteral("pXYlain words")), qPrintable(m_item->toPlainText()));
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QVERIFY(m_item->toPlainText().startsWith(QStringLiteral("pXlain words")));

    // Accepted, the item keeps the edit.
    QTest::mouseClick(child<QPushButton>("accept"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(m_item->toPlainText().startsWith(QStringLiteral("pXlain words")));
}

void TestSceneTextDialog::discardRestoresExactly_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("discard button") << false;
    QTest::newRow("Escape") << true;
}

void TestSceneTextDialog::discardRestoresExactly()
{
    QFETCH(bool, escape);
    const QString original = m_item->toHtml();
    placeCursor(QStringLiteral("strong"), true);
    QTest::mouseClick(child<QPushButton>("italic"), Qt::LeftButton);
    placeCursor(QStringLiteral("tail"), false);
    QTest::keyClicks(editor(), QStringLiteral("new words"));
    QVERIFY(m_item->toHtml() != original);

    if (escape)
        QTest::keyClick(editor(), Qt::Key_Escape);
    else
        QTest::mouseClick(child<QPushButton>("reject"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_item->toHtml(), original);
}

void TestSceneTextDialog::toolbarShowsTheFormatAtTheCursor_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("family"); // empty: not checked
    QTest::addColumn<int>("size");       // 0: not checked
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QString>("aligned");
    QTest::newRow("plain") << "plain" << QString() << 0 << false << false << false << "left";
    QTest::newRow("bold 14 pt, justified") << "strong" << QString() << 14 << true << false << false << "center";
    QTest::newRow("italic, right") << "slanted" << QString() << 0 << false << true << false << "right";
    QTest::newRow("underlined") << "lined" << QString() << 0 << false << false << true << "right";
    QTest::newRow("serif 20 pt") << "serif" << "DejaVu Serif" << 20 << false << false << false << "left";
}

void TestSceneTextDialog::toolbarShowsTheFormatAtTheCursor()
{
    QFETCH(QString, word);
    QFETCH(QString, family);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QString, aligned);
    placeCursor(word, false);
    if (!family.isEmpty()) {
        if (child<QFontComboBox>("fontComboBox")->findText(family) < 0)
            QSKIP("font not installed");
        QCOMPARE(child<QFontComboBox>("fontComboBox")->currentText(), family);
    }
    if (size)
        QCOMPARE(child<QSpinBox>("size")->value(), size);
    QCOMPARE(child<QPushButton>("bold")->isChecked(), bold);
    QCOMPARE(child<QPushButton>("italic")->isChecked(), italic);
    QCOMPARE(child<QPushButton>("underline")->isChecked(), underline);
    for (const char *name : {"left", "center", "right"})
        QCOMPARE(child<QPushButton>(name)->isChecked(), aligned == QLatin1String(name));
}

// Moving through the text and selecting across formats only shows them: the justified block
// stays justified, and a selection of two fonts keeps both.
void TestSceneTextDialog::showingTheFormatWritesNothing()
{
    const QString original = m_item->toHtml();
    const QString edited = editor()->toHtml();
    placeCursor(QStringLiteral("plain"), false);
    placeCursor(QStringLiteral("strong"), false);
    QVERIFY(child<QPushButton>("center")->isChecked());
    placeCursor(QStringLiteral("lead"), false);
    QCOMPARE(editor()->textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);

    // Select from "lead" to the end of the last block: fonts, sizes and weights mixed.
    QTextCursor cursor = editor()->document()->find(QStringLiteral("lead"));
    cursor.setPosition(cursor.selectionStart());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor()->setTextCursor(cursor);
    placeCursor(QStringLiteral("serif"), true);
    placeCursor(QStringLiteral("mono"), false);

    QCOMPARE(editor()->toHtml(), edited);
    QCOMPARE(m_item->toHtml(), original);
}

void TestSceneTextDialog::alignmentButtonsAreExclusive()
{
    placeCursor(QStringLiteral("plain"), false);
    auto *left = child<QPushButton>("left");
    auto *center = child<QPushButton>("center");
    auto *right = child<QPushButton>("right");
    QVERIFY(left->isChecked());
    const auto alignment = [this] {
        return editor()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    };

    QTest::mouseClick(right, Qt::LeftButton);
    QVERIFY(right->isChecked());
    QVERIFY(!left->isChecked());
    QVERIFY(!center->isChecked());
    QCOMPARE(alignment(), Qt::AlignRight);

    QTest::mouseClick(center, Qt::LeftButton);
    QVERIFY(!right->isChecked());
    QCOMPARE(alignment(), Qt::AlignHCenter);
    // The item follows.
    QCOMPARE(m_item->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QTest::mouseClick(left, Qt::LeftButton);
    QCOMPARE(alignment(), Qt::AlignLeft);
    // Only the first block changed.
    QCOMPARE(editor()->document()->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute,
             Qt::AlignRight);
}

void TestSceneTextDialog::formatButtonsChangeTheSelection()
{
    placeCursor(QStringLiteral("words"), true);
    QTest::mouseClick(child<QPushButton>("bold"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("underline"), Qt::LeftButton);
    child<QSpinBox>("size")->setValue(30);
    auto *fonts = child<QFontComboBox>("fontComboBox");
    const int other = fonts->currentIndex() == 0 ? 1 : 0;
    const QString family = fonts->itemText(other);
    fonts->setCurrentIndex(other);
    // Focus went back to the editor.
    QVERIFY(editor()->hasFocus());

    const QTextDocument *item = m_item->document();
    const QTextCharFormat words = QTextCursor(item->find(QStringLiteral("words"))).charFormat();
    QCOMPARE(words.fontWeight(), int(QFont::Bold));
    QVERIFY(words.fontUnderline());
    QCOMPARE(words.fontPointSize(), 30.0);
    QCOMPARE(words.fontFamily(), family);
    QCOMPARE(words.font().family(), family);
    // The rest of the block is untouched.
    QTextCursor plain = item->find(QStringLiteral("plain"));
    QCOMPARE(plain.charFormat().fontWeight(), int(QFont::Normal));
    QVERIFY(!plain.charFormat().fontUnderline());
}

void TestSceneTextDialog::colourIsChosenForTheSelection()
{
    placeCursor(QStringLiteral("slanted"), true);
    const QIcon before = child<QPushButton>("color")->icon();
    ModalAnswerer answer;
    answer.expect("QColorDialog", [](QWidget *w) {
        auto *dialog = static_cast<QColorDialog *>(w);
        dialog->setCurrentColor(QColor(200, 10, 10));
        dialog->accept();
    });
    QTest::mouseClick(child<QPushButton>("color"), Qt::LeftButton);
    QVERIFY(answer.done());
    const QTextCursor slanted = m_item->document()->find(QStringLiteral("slanted"));
    QCOMPARE(slanted.charFormat().foreground().color(), QColor(200, 10, 10));
    QVERIFY(slanted.charFormat().fontItalic());
    // The swatch shows the colour under the "A".
    const QImage swatch = child<QPushButton>("color")->icon().pixmap(20, 20).toImage();
    QCOMPARE(QColor(swatch.pixel(10, 16)), QColor(200, 10, 10));
    QVERIFY(before.cacheKey() != child<QPushButton>("color")->icon().cacheKey());
}

void TestSceneTextDialog::itemGoneDuringTheRunIsLeftAlone()
{
    m_item.reset();
    QTest::keyClicks(editor(), QStringLiteral("more"));
    QTest::mouseClick(child<QPushButton>("reject"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
}

void TestSceneTextDialog::doubleClickOnATextElementEditsIt()
{
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.show();
    auto *text = new SelectableTextItem(QStringLiteral("TEXT"));
    scene.addItem(text);
    QVERIFY(text->content()->textWidth() > 0);
    bool markedWhileEditing = false;
    QWidget *parent = nullptr;
    ModalAnswerer answer;
    answer.expect("SceneTextDialog", [&](QWidget *w) {
        markedWhileEditing = text->selectedFlag();
        parent = w->parentWidget();
        auto *edit = formChild<QTextEdit>(*w, "textEdit");
        edit->moveCursor(QTextCursor::End);
        QTest::keyClicks(edit, QStringLiteral(" edited"));
        QTest::mouseClick(formChild<QPushButton>(*w, "accept"), Qt::LeftButton);
    });
    SceneEvents::doubleClick(&scene, QPointF(50, 50));
    QVERIFY(answer.done());
    QVERIFY(markedWhileEditing);
    QCOMPARE(parent, &view);
    QVERIFY(!text->selectedFlag());
    QCOMPARE(text->content()->toPlainText(), QStringLiteral("TEXT edited"));
    // The text still wraps inside the element.
    QCOMPARE(text->content()->textWidth(), text->content()->rect().width());
    delete text;
}

QTEST_MAIN(TestSceneTextDialog)
#include "tst_scenetextdialog.moc"
