#include "foundation/filedirnamedialog.h"
#include "foundation/inputdoubledialog.h"
#include "foundation/inputlistdialog.h"
#include "foundation/messagedialog.h"
#include "support/modalanswerer.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

bool hasBareTitleBar(const QWidget &w)
{
    const Qt::WindowFlags f = w.windowFlags();
    return (f & Qt::CustomizeWindowHint) && (f & Qt::WindowTitleHint)
        && !(f & Qt::WindowCloseButtonHint) && !(f & Qt::WindowSystemMenuHint);
}

} // namespace

class TestInputDialogs : public QObject
{
    Q_OBJECT

private slots:
    void listDialogForm();
    void listDialogSelection();
    void listDialogDoubleClick();
    void doubleDialog();
    void nameDialogForm_data();
    void nameDialogForm();
    void nameDialogTyping_data();
    void nameDialogTyping();
    void nameDialogPaste_data();
    void nameDialogPaste();
    void nameDialogAccept_data();
    void nameDialogAccept();
    void nameDialogNoticeClosesItself();
    void nameDialogCloses();
};

void TestInputDialogs::listDialogForm()
{
    InputListDialog dialog;
    auto *label = dialog.findChild<QLabel *>("label");
    auto *accept = dialog.findChild<QPushButton *>("accept");
    auto *reject = dialog.findChild<QPushButton *>("reject");
    QVERIFY(label && accept && reject && dialog.findChild<QListWidget *>("listWidget"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" "));
    QVERIFY(hasBareTitleBar(dialog));
    QCOMPARE(accept->text(), QStringLiteral("Übernehmen"));
    QVERIFY(accept->isDefault());
    QCOMPARE(reject->text(), QStringLiteral("Abbrechen"));

    dialog.show();
    QVERIFY(!label->isVisible());
    dialog.setText(QStringLiteral("Norm wählen:"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Norm wählen:"));

    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::mouseClick(reject, Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);
}

void TestInputDialogs::listDialogSelection()
{
    InputListDialog dialog;
    auto *list = dialog.findChild<QListWidget *>("listWidget");
    QVERIFY(list);

    // Empty: nothing to choose, even after "Übernehmen".
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(dialog.findChild<QPushButton *>("accept"), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.selectedItem(), QString());

    dialog.setItems({"Isybau2006", "DWA M-149-2", "EN-13508-2"});
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(dialog.selectedItem(), QStringLiteral("Isybau2006"));
    list->setCurrentRow(2);
    QCOMPARE(dialog.selectedItem(), QStringLiteral("EN-13508-2"));
    list->setCurrentRow(-1);
    QCOMPARE(dialog.selectedItem(), QStringLiteral("Isybau2006"));

    // A second fill replaces the first.
    dialog.setItems({"nach Datum"});
    QCOMPARE(list->count(), 1);
    QCOMPARE(dialog.selectedItem(), QStringLiteral("nach Datum"));
    dialog.setItems({});
    QCOMPARE(dialog.selectedItem(), QString());
}

void TestInputDialogs::listDialogDoubleClick()
{
    InputListDialog dialog;
    dialog.setItems({"a", "b", "c", "d"});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *list = dialog.findChild<QListWidget *>("listWidget");
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    const QPoint at = list->visualItemRect(list->item(2)).center();
    // A real double-click: the first click, then the second press that makes it double.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedItem(), QStringLiteral("c"));
}

void TestInputDialogs::doubleDialog()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    InputDoubleDialog dialog;
    auto *label = dialog.findChild<QLabel *>("label");
    auto *spin = dialog.findChild<QDoubleSpinBox *>("doubleSpinBox");
    auto *accept = dialog.findChild<QPushButton *>("accept");
    auto *reject = dialog.findChild<QPushButton *>("reject");
    QVERIFY(label && spin && accept && reject);
    auto *edit = spin->findChild<QLineEdit *>();
    QVERIFY(edit);

    QCOMPARE(dialog.windowTitle(), QString());
    QVERIFY(hasBareTitleBar(dialog));
    QCOMPARE(accept->text(), QStringLiteral("Übernehmen"));
    QVERIFY(accept->isDefault());
    QCOMPARE(reject->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(spin->singleStep(), 0.1);
    QCOMPARE(dialog.value(), 1.0);
    QCOMPARE(edit->selectedText(), QStringLiteral("1,00"));

    // The calibration dialog's use: range, unit, no cancel button.
    dialog.setText(QStringLiteral("Abstand in Meter:"));
    dialog.setMaximum(1000.0);
    dialog.setMinimum(0);
    dialog.setSuffix(QStringLiteral("m"));
    dialog.hideCancelButton();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Abstand in Meter:"));
    QVERIFY(!reject->isVisible());
    QVERIFY(accept->isVisible());
    QCOMPARE(spin->minimum(), 0.0);
    QCOMPARE(spin->maximum(), 1000.0);
    QCOMPARE(spin->suffix(), QStringLiteral("m"));
    // The proposed value is still selected, so typing replaces it.
    QCOMPARE(edit->selectedText(), QStringLiteral("1,00"));

    spin->setFocus();
    QTest::keyClicks(spin, QStringLiteral("12,5"));
    QCOMPARE(dialog.value(), 12.5);
    // A keystroke that would pass the maximum is refused.
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("2000"));
    QCOMPARE(dialog.value(), 200.0);

    spin->setValue(7.5);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(dialog.value(), 7.5);
    QLocale::setDefault(QLocale::c());
}

void TestInputDialogs::nameDialogForm_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::newRow("folder") << 1 << "Ordnername";
    QTest::newRow("file") << 0 << "Dateiname";
    QTest::newRow("any other mode") << 2 << "Dateiname";
}

void TestInputDialogs::nameDialogForm()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    FileDirNameDialog dialog(mode);
    QCOMPARE(dialog.windowTitle(), title);
    QVERIFY(hasBareTitleBar(dialog));
    auto *accept = dialog.findChild<QPushButton *>("accept");
    auto *reject = dialog.findChild<QPushButton *>("reject");
    QVERIFY(accept && reject && dialog.findChild<QLineEdit *>("input"));
    QCOMPARE(accept->text(), QStringLiteral("Übernehmen"));
    QCOMPARE(reject->text(), QStringLiteral("Schließen"));
    dialog.setName(QStringLiteral("Projekt 1"));
    QCOMPARE(dialog.name(), QStringLiteral("Projekt 1"));
}

void TestInputDialogs::nameDialogTyping_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("forbidden character between letters") << "" << 0 << "a<b" << "ab" << 2;
    QTest::newRow("every forbidden character")
        << "" << 0 << "x<>:\"/\\?*|[]=y" << "xy" << 2;
    QTest::newRow("typed in the middle") << "abcd" << 2 << "?" << "abcd" << 2;
    QTest::newRow("allowed characters stay") << "" << 0 << "Bild 1.jpg-#%&" << "Bild 1.jpg-#%&" << 14;
}

void TestInputDialogs::nameDialogTyping()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, cursorAfter);

    FileDirNameDialog dialog(0);
    auto *input = dialog.findChild<QLineEdit *>("input");
    dialog.show();
    input->setFocus();
    dialog.setName(start);
    input->setCursorPosition(cursor);
    QTest::keyClicks(input, typed);
    QCOMPARE(input->text(), text);
    QCOMPARE(input->cursorPosition(), cursorAfter);
}

void TestInputDialogs::nameDialogPaste_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursorAfter");

    // The cursor goes one back from where the paste left it, past the end only to the end.
    QTest::newRow("at the end") << "ab" << 2 << "abxyz" << 5;
    QTest::newRow("in the middle") << "abcd" << 2 << "abxyzcd" << 6;
}

void TestInputDialogs::nameDialogPaste()
{
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, text);
    QFETCH(int, cursorAfter);

    FileDirNameDialog dialog(0);
    auto *input = dialog.findChild<QLineEdit *>("input");
    dialog.show();
    input->setFocus();
    dialog.setName(start);
    input->setCursorPosition(cursor);
    QApplication::clipboard()->setText(QStringLiteral("x:y*z"));
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(input->text(), text);
    QCOMPARE(input->cursorPosition(), cursorAfter);
}

void TestInputDialogs::nameDialogAccept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QStringList existing{"Alt", "img_000012"};
    const QString taken = QStringLiteral("\"%1\" existiert bereits!\nBitte anderen Namen wählen!");
    const QString refused = QStringLiteral("\"%1\" ist als Name nicht erlaubt!\nBitte anderen Namen wählen!");

    QTest::newRow("new name") << 1 << "Neu" << existing << true << "Neu" << "";
    QTest::newRow("blanks trimmed") << 0 << "  Bild 2 " << existing << true << "Bild 2" << "";
    QTest::newRow("folder loses trailing dots and blanks")
        << 1 << "  Neu. . " << existing << true << "Neu" << "";
    QTest::newRow("file keeps a trailing dot") << 0 << "a." << existing << true << "a." << "";
    QTest::newRow("dots inside a name") << 0 << "a..b" << existing << true << "a..b" << "";
    QTest::newRow("blanks only") << 0 << "   " << existing << false << "" << "";
    QTest::newRow("empty") << 1 << "" << existing << false << "" << "";
    QTest::newRow("folder of dots and blanks") << 1 << ". . ." << existing << false << "" << "";
    QTest::newRow("existing name") << 1 << "Alt" << existing << false << "Alt" << taken.arg("Alt");
    QTest::newRow("existing after trimming")
        << 0 << " img_000012 " << existing << false << "img_000012" << taken.arg("img_000012");
    QTest::newRow("other letter case") << 1 << "alt" << existing << true << "alt" << "";
    QTest::newRow("folder itself") << 0 << "." << existing << false << "." << refused.arg(".");
    QTest::newRow("parent folder") << 0 << ".." << existing << false << ".." << refused.arg("..");
    QTest::newRow("parent folder as folder name") << 1 << ".." << existing << false << "" << "";
    QTest::newRow("preset path") << 1 << "../Neu" << existing << false << "../Neu"
                                 << refused.arg("../Neu");
    QTest::newRow("preset backslash") << 0 << "a\\b" << existing << false << "a\\b"
                                      << refused.arg("a\\b");
}

void TestInputDialogs::nameDialogAccept()
{
    QFETCH(int, mode);
    QFETCH(QString, entered);
    QFETCH(QStringList, existing);
    QFETCH(bool, accepted);
    QFETCH(QString, name);
    QFETCH(QString, message);

    FileDirNameDialog dialog(mode);
    dialog.setExistingNames(existing);
    dialog.setName(entered);
    dialog.show();
    QSignalSpy acceptedSpy(&dialog, &QDialog::accepted);
    ModalAnswerer answer;
    if (!message.isEmpty())
        answer.message(MessageDialog::Ok);

    QTest::mouseClick(dialog.findChild<QPushButton *>("accept"), Qt::LeftButton);

    QCOMPARE(acceptedSpy.count(), accepted ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.name(), name);
    QCOMPARE(dialog.findChild<QLineEdit *>("input")->text(), name);
    QVERIFY(answer.done());
    QCOMPARE(answer.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(!answer.buttonsShown().contains(true));
}

void TestInputDialogs::nameDialogNoticeClosesItself()
{
    FileDirNameDialog dialog(1);
    dialog.setExistingNames({"Alt"});
    dialog.setName(QStringLiteral("Alt"));
    dialog.show();
    ModalAnswerer answer;
    answer.watchMessage();
    // Returns only when the notice has closed by itself.
    QTest::mouseClick(dialog.findChild<QPushButton *>("accept"), Qt::LeftButton);
    QVERIFY(answer.done());
    QCOMPARE(answer.texts().size(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void TestInputDialogs::nameDialogCloses()
{
    FileDirNameDialog dialog(0);
    dialog.setName(QStringLiteral("Neu"));
    dialog.show();
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::mouseClick(dialog.findChild<QPushButton *>("reject"), Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);

    dialog.show();
    QTest::keyClick(dialog.findChild<QLineEdit *>("input"), Qt::Key_Escape);
    QCOMPARE(rejected.count(), 2);
}

QTEST_MAIN(TestInputDialogs)
#include "tst_inputdialogs.moc"
