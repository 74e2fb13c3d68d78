#include "entry/endamagedatadialog.h"

#include "foundation/messagedialog.h"
#include "support/model/inspections.h"
#include "support/model/recordfields.h"
#include "support/modalanswerer.h"
#include "support/formaccess.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

// The observation dialog on a real inspection, shown, with its widgets by object name.
struct Form
{
    explicit Form(int kind)
        : inspection(makeInspection(kind))
        , dialog(inspection.get())
        , code(formChild<QLineEdit>(dialog, "code"))
        , character1(formChild<QComboBox>(dialog, "character1"))
        , character2(formChild<QComboBox>(dialog, "character2"))
        , quanti1(formChild<QDoubleSpinBox>(dialog, "quanti1"))
        , quanti1Edit(formChild<QLineEdit>(dialog, "quanti1_edit"))
        , quanti2(formChild<QDoubleSpinBox>(dialog, "quanti2"))
        , meter(formChild<QDoubleSpinBox>(dialog, "meterEdit"))
        , clockLabel(formChild<QLabel>(dialog, "label_10"))
        , clock1(formChild<QSpinBox>(dialog, "posClock1"))
        , clock2(formChild<QSpinBox>(dialog, "posClock2"))
        , clock(formChild<QGraphicsView>(dialog, "clock"))
        , commentary(formChild<QPlainTextEdit>(dialog, "commentary"))
        , damageClass(formChild<QComboBox>(dialog, "damage_class_2"))
        , sectionDamage(formChild<QComboBox>(dialog, "sectionDamage"))
        , sectionNumber(formChild<QSpinBox>(dialog, "sectionDamageNumber"))
        , joint(formChild<QCheckBox>(dialog, "connectionBox"))
        , foto(formChild<QCheckBox>(dialog, "foto"))
        , endText(formChild<QLabel>(dialog, "endText"))
        , accept(formChild<QPushButton>(dialog, "accept"))
    {
    }

    void show()
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    // Types into the code field as the user does.
    void type(const QString &text) { QTest::keyClicks(code, text); }
    void clickAccept() { QTest::mouseClick(accept, Qt::LeftButton); }
    // An earlier observation of the inspection with the photo number 4.
    void addPhotoNumber4()
    {
        ObservationRecord earlier;
        earlier.code = QStringLiteral("BAB");
        earlier.photoFile = QStringLiteral("img_000010_4.jpg");
        inspection->mutableObservations() << earlier;
    }
    ObservationRecord record() const { return dialog.damage(); }

    std::unique_ptr<Investigation> inspection;
    ENDamageDataDialog dialog;
    QLineEdit *code;
    QComboBox *character1;
    QComboBox *character2;
    QDoubleSpinBox *quanti1;
    QLineEdit *quanti1Edit;
    QDoubleSpinBox *quanti2;
    QDoubleSpinBox *meter;
    QLabel *clockLabel;
    QSpinBox *clock1;
    QSpinBox *clock2;
    QGraphicsView *clock;
    QPlainTextEdit *commentary;
    QComboBox *damageClass;
    QComboBox *sectionDamage;
    QSpinBox *sectionNumber;
    QCheckBox *joint;
    QCheckBox *foto;
    QLabel *endText;
    QPushButton *accept;
};

ObservationRecord observation(const QString &code, const QString &character1 = QString(),
                              const QString &character2 = QString())
{
    ObservationRecord o;
    o.distance = 4.5;
    o.code = code;
    o.character1 = character1;
    o.character2 = character2;
    o.videoTime = QTime(0, 0, 10);
    return o;
}

QStringList shownButtons(const QWidget *box)
{
    QStringList result;
    for (const QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->isVisible())
            result << button->text();
    }
    result.sort();
    return result;
}

// Walks the catalogue browser to a code of the EN family.
void chooseInBrowser(QWidget *browser, const QString &type, const QString &code)
{
    auto *pages = formChild<QStackedWidget>(*browser, "stackedWidget");
    auto *next = formChild<QPushButton>(*browser, "next");
    const QString steps[] = {type, code};
    for (int page = 0; page < 2; ++page) {
        auto *table = formChild<QTableWidget>(*browser, page == 0 ? "table_1" : "table_2");
        QCOMPARE(pages->currentIndex(), page);
        const QList<QTableWidgetItem *> found = table->findItems(steps[page], Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        table->setCurrentItem(found.first());
        next->click();
    }
}

} // namespace

class TestENDamageDataDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false")); }

    void newCodeOpensWhatTheCatalogueGrants();
    void refusedCharacterEmptiesCode_data();
    void refusedCharacterEmptiesCode();
    void photoCodeTakesPhoto_data();
    void photoCodeTakesPhoto();
    void storedPhotoNameKept_data();
    void storedPhotoNameKept();
    void photoObservationKeepsItsCode();
    void damageClass_data();
    void damageClass();
    void continuousDefect();
    void clockPositions();
    void characterisationDecidesUnitsAndClock();
    void namedNodeFields_data();
    void namedNodeFields();
    void zeroDistanceQuestion_data();
    void zeroDistanceQuestion();
    void smallDistancesAcceptAtOnce();
    void keys();
    void unknownCodeKept_data();
    void unknownCodeKept();
    void untouchedRecordComesBack_data();
    void untouchedRecordComesBack();
    void quantityNoLongerAskedLeaves_data();
    void quantityNoLongerAskedLeaves();
    void quantitiesStayWithinTheIsybauFile();
};

void TestENDamageDataDialog::newCodeOpensWhatTheCatalogueGrants()
{
    Form form(NormEN135082);
    form.dialog.setTime(QTime(1, 2, 3));
    form.show();
    QCOMPARE(form.dialog.windowTitle(), QStringLiteral("Feststellungen"));
    QCOMPARE(form.dialog.focusWidget(), form.code);
    QCOMPARE(form.code->completer(), form.inspection->completer());
    QVERIFY(!form.accept->isEnabled());
    QVERIFY(!form.meter->isEnabled());

    form.type(QStringLiteral("ba"));
    QCOMPARE(form.code->text(), QStringLiteral("BA"));
    QVERIFY(!form.accept->isEnabled());

    form.type(QStringLiteral("b"));
    QCOMPARE(form.code->text(), QStringLiteral("BAB"));
    for (QWidget *w : {static_cast<QWidget *>(form.accept), static_cast<QWidget *>(form.meter),
                       static_cast<QWidget *>(form.commentary), static_cast<QWidget *>(form.damageClass),
                       static_cast<QWidget *>(form.character1), static_cast<QWidget *>(form.character2),
                       static_cast<QWidget *>(form.sectionDamage), static_cast<QWidget *>(form.joint)}) {
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    // A refilled list selects its first item, so the record holds its tokens at once.
    const ObservationRecord o = form.record();
    QCOMPARE(o.code, QStringLiteral("BAB"));
    QCOMPARE(o.character1, QStringLiteral("A"));
    QCOMPARE(o.character2, QStringLiteral("A"));
    QCOMPARE(o.videoTime, QTime(1, 2, 3));
    QCOMPARE(form.character1->itemText(0), QStringLiteral("A - Oberflächenriss (Haarriss)"));
    QCOMPARE(form.endText->text(), QStringLiteral("0.00m BABAA Rissbildung, Oberflächenriss (Haarriss), längs"));
    // "A" has no width to measure; "B" has one, in millimetres.
    QVERIFY(!form.quanti1->isEnabled());
    form.character1->setCurrentIndex(1);
    QCOMPARE(form.record().character1, QStringLiteral("B"));
    QVERIFY(form.quanti1->isEnabled());
    QCOMPARE(form.quanti1->suffix(), QStringLiteral("mm"));
    form.quanti1->setValue(1.5);
    form.meter->setValue(12.5);
    form.commentary->setPlainText(QStringLiteral("r"));
    QCOMPARE(form.endText->text(), QStringLiteral("12.50m BABBA Rissbildung, Riss, längs, 1.50mm, r"));

    // An incomplete code locks the form again and empties the text.
    form.code->backspace();
    QCOMPARE(form.record().code, QStringLiteral("BA"));
    QVERIFY(!form.accept->isEnabled());
    QVERIFY(!form.meter->isEnabled());
    QVERIFY(!form.commentary->isEnabled());
    QVERIFY(form.endText->text().isEmpty());
}

void TestENDamageDataDialog::refusedCharacterEmptiesCode_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");

    QTest::newRow("EN, no code begins so") << int(NormEN135082) << QStringLiteral("q") << QString();
    QTest::newRow("EN, refused third letter") << int(NormEN135082) << QStringLiteral("bax") << QString();
    QTest::newRow("EN, refused then started again") << int(NormEN135082) << QStringLiteral("bxbc") << QStringLiteral("BC");
    QTest::newRow("DanDas, known") << int(NormDanDas) << QStringLiteral("rb") << QStringLiteral("RB");
    QTest::newRow("DanDas, refused") << int(NormDanDas) << QStringLiteral("rbx") << QString();
}

void TestENDamageDataDialog::refusedCharacterEmptiesCode()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, code);

    Form form(kind);
    form.show();
    form.type(typed);
    QCOMPARE(form.code->text(), code);
    QCOMPARE(form.record().code, code);
    QCOMPARE(form.accept->isEnabled(), form.inspection->containsCode(code, true));
}

void TestENDamageDataDialog::photoCodeTakesPhoto_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("EN 13508-2") << int(NormEN135082);
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492);
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006);
}

void TestENDamageDataDialog::photoCodeTakesPhoto()
{
    QFETCH(int, kind);

    Form form(kind);
    form.addPhotoNumber4();
    form.dialog.setTime(QTime(1, 2, 3));
    form.show();

    form.type(QStringLiteral("bda"));
    QCOMPARE(form.code->text(), QStringLiteral("BDA"));
    QVERIFY(form.foto->isChecked());
    QVERIFY(!form.foto->isEnabled());
    QCOMPARE(form.record().photoFile, QStringLiteral("img_010203_5.jpg"));
}

void TestENDamageDataDialog::storedPhotoNameKept_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("photograph") << QStringLiteral("BDA");
    QTest::newRow("crack with photo") << QStringLiteral("BAB");
}

void TestENDamageDataDialog::storedPhotoNameKept()
{
    QFETCH(QString, code);

    Form form(NormEN135082);
    ObservationRecord o = observation(code, QStringLiteral("A"), QStringLiteral("A"));
    o.photoFile = QStringLiteral("img_x_2.jpg");
    form.inspection->mutableObservations() << o;
    form.dialog.setDamage(o);
    form.show();

    QCOMPARE(form.record().photoFile, QStringLiteral("img_x_2.jpg"));
    QVERIFY(form.foto->isChecked());
    QCOMPARE(form.foto->isEnabled(), code != QLatin1String("BDA"));
    form.foto->setChecked(false);
    QCOMPARE(form.record().photoFile, QString());
    // Ticked again: the observation's own photo, not a new one.
    form.foto->setChecked(true);
    QCOMPARE(form.record().photoFile, QStringLiteral("img_x_2.jpg"));
}

void TestENDamageDataDialog::photoObservationKeepsItsCode()
{
    Form form(NormDWAM1492);
    form.addPhotoNumber4();
    form.dialog.setPhoto(QTime(1, 2, 3));
    form.show();

    QCOMPARE(form.code->text(), QStringLiteral("BDA"));
    QVERIFY(!form.code->isEnabled());
    QVERIFY(form.foto->isChecked());
    QVERIFY(!form.foto->isEnabled());
    QVERIFY(form.accept->isEnabled());
    QCOMPARE(form.record().code, QStringLiteral("BDA"));
    QCOMPARE(form.record().videoTime, QTime(1, 2, 3));
    QCOMPARE(form.record().photoFile, QStringLiteral("img_010203_5.jpg"));
    QCOMPARE(form.endText->text(), QStringLiteral("0.00m BDA Allgemeines Foto"));

    // Nor can the catalogue browser change it.
    ModalAnswerer answer;
    QTest::keyClick(&form.dialog, Qt::Key_F1);
    QTest::qWait(50);
    QVERIFY(answer.unexpected().isEmpty());
    QCOMPARE(form.record().code, QStringLiteral("BDA"));
}

void TestENDamageDataDialog::damageClass_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("chosen"); // -1: left alone
    QTest::addColumn<int>("stored");

    const QStringList letters{QStringLiteral("k.A."), QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")};
    const QString crack = QStringLiteral("BAB");
    QTest::newRow("DWA C") << int(NormDWAM1492) << crack << 0 << letters << 0 << 1 << 1;
    QTest::newRow("DWA B") << int(NormDWAM1492) << crack << 0 << letters << 0 << 2 << 3;
    QTest::newRow("DWA A") << int(NormDWAM1492) << crack << 0 << letters << 0 << 3 << 5;
    QTest::newRow("DWA none") << int(NormDWAM1492) << crack << 5 << letters << 3 << 0 << 0;
    QTest::newRow("DWA loaded 2") << int(NormDWAM1492) << crack << 2 << letters << 3 << -1 << 2;
    QTest::newRow("DWA loaded 4") << int(NormDWAM1492) << crack << 4 << letters << 3 << -1 << 4;
    QTest::newRow("ISYBAU 2006 B") << int(NormIsybau2006) << crack << 0 << letters << 0 << 2 << 2;
    QTest::newRow("ISYBAU 2006 loaded A") << int(NormIsybau2006) << crack << 3 << letters << 3 << -1 << 3;
    QTest::newRow("EN keeps none") << int(NormEN135082) << crack << 0 << letters << 0 << 3 << 0;
    QTest::newRow("EN loaded 7") << int(NormEN135082) << crack << 7 << letters << -1 << 1 << 7;
    const QStringList classes{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QTest::newRow("DanDas 3") << int(NormDanDas) << QStringLiteral("RB") << 1 << classes << 0 << 2 << 3;
    QTest::newRow("DanDas loaded 2") << int(NormDanDas) << QStringLiteral("RB") << 2 << classes << 1 << -1 << 2;
    QTest::newRow("DanDas loaded 9") << int(NormDanDas) << QStringLiteral("RB") << 9 << classes << -1 << -1 << 9;
}

void TestENDamageDataDialog::damageClass()
{
    QFETCH(int, kind);
    QFETCH(QString, code);
    QFETCH(int, loaded);
    QFETCH(QStringList, offered);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(int, stored);

    Form form(kind);
    ObservationRecord o = observation(code);
    o.damageClass = loaded;
    form.dialog.setDamage(o);
    form.show();

    QVERIFY(form.damageClass->isEnabled());
    QCOMPARE(comboItems(form.damageClass), offered);
    QCOMPARE(form.damageClass->currentIndex(), shown);
    if (chosen >= 0)
        form.damageClass->setCurrentIndex(chosen);
    QCOMPARE(form.record().damageClass, stored);
}

void TestENDamageDataDialog::continuousDefect()
{
    {
        Form form(NormEN135082);
        form.show();
        form.type(QStringLiteral("bab"));
        QVERIFY(form.sectionDamage->isEnabled());
        QVERIFY(!form.sectionNumber->isEnabled());
        QCOMPARE(form.sectionNumber->value(), 1);

        form.sectionDamage->setCurrentIndex(1);
        QCOMPARE(form.sectionDamage->currentText(), QStringLiteral("Beginn Streckenschaden"));
        QCOMPARE(form.record().continuousDefect, QStringLiteral("A"));
        QCOMPARE(form.record().continuousDefectNumber, 0);
        QVERIFY(form.sectionNumber->isEnabled());
        QVERIFY(form.endText->text().endsWith(QStringLiteral(", Streckenschaden Nr. 1 Anfang")));

        form.sectionNumber->setValue(3);
        form.sectionDamage->setCurrentIndex(3);
        QCOMPARE(form.record().continuousDefect, QStringLiteral("R"));
        QCOMPARE(form.record().continuousDefectNumber, 2);

        form.sectionDamage->setCurrentIndex(0);
        QCOMPARE(form.record().continuousDefect, QString());
        QCOMPARE(form.record().continuousDefectNumber, 0);
        QVERIFY(!form.sectionNumber->isEnabled());
    }
    {
        // Loaded: the marker and the number show, the number stays closed until changed.
        Form form(NormEN135082);
        ObservationRecord o = observation(QStringLiteral("BAB"), QStringLiteral("A"), QStringLiteral("A"));
        o.continuousDefect = QStringLiteral("B");
        o.continuousDefectNumber = 4;
        form.dialog.setDamage(o);
        form.show();
        QCOMPARE(form.sectionDamage->currentIndex(), 2);
        QCOMPARE(form.sectionNumber->value(), 5);
        QVERIFY(!form.sectionNumber->isEnabled());
        QVERIFY(form.endText->text().endsWith(QStringLiteral(", Streckenschaden Nr. 5 Ende")));
    }
}

void TestENDamageDataDialog::clockPositions()
{
    Form form(NormEN135082);
    form.show();
    form.type(QStringLiteral("bab"));
    QCOMPARE(form.clockLabel->text(), QStringLiteral("von"));
    QVERIFY(form.clock1->isEnabled());
    QVERIFY(form.clock2->isEnabled());
    // The form starts where the record does, so "Bis" alone means what it shows.
    QCOMPARE(form.clock1->value(), 0);
    form.clock2->setValue(3);
    QCOMPARE(form.record().clockFrom, 0);
    QCOMPARE(form.record().clockTo, 3);

    form.clock1->setValue(2);
    form.clock2->setValue(5);
    QCOMPARE(form.record().clockFrom, 2);
    QCOMPARE(form.record().clockTo, 5);
    QVERIFY(form.clock->scene());
    QCOMPARE(form.clock->scene()->items().size(), 14);
    QVERIFY(form.endText->text().endsWith(QStringLiteral(", von 2 bis 5Uhr")));

    // A connection has one clock position.
    form.code->clear();
    form.type(QStringLiteral("bca"));
    QCOMPARE(form.clockLabel->text(), QStringLiteral("bei"));
    QVERIFY(form.clock1->isEnabled());
    QVERIFY(!form.clock2->isEnabled());
    QCOMPARE(form.clock2->value(), 0);
    QCOMPARE(form.record().clockFrom, 2);
    QCOMPARE(form.record().clockTo, 0);

    // A photograph has none.
    form.code->clear();
    form.type(QStringLiteral("bdb"));
    QVERIFY(!form.clock1->isEnabled());
    QVERIFY(!form.clock2->isEnabled());
    QCOMPARE(form.record().clockFrom, 0);
    QCOMPARE(form.clock->scene()->items().size(), 13);
}

void TestENDamageDataDialog::characterisationDecidesUnitsAndClock()
{
    // In DWA-M 149-2 a displaced joint moved lengthwise has no clock position, radially one; each
    // kind measures in its own unit. Characterisation 2 has no options here.
    Form form(NormDWAM1492);
    form.show();
    form.type(QStringLiteral("baj"));
    QCOMPARE(form.record().character1, QStringLiteral("A"));
    QVERIFY(!form.character2->isEnabled());
    QVERIFY(!form.clock1->isEnabled());
    QCOMPARE(form.quanti1->suffix(), QStringLiteral("mm"));

    form.character1->setCurrentIndex(1);
    QCOMPARE(form.record().character1, QStringLiteral("B"));
    QVERIFY(form.clock1->isEnabled());
    QCOMPARE(form.clockLabel->text(), QStringLiteral("bei"));

    form.character1->setCurrentIndex(2);
    QCOMPARE(form.record().character1, QStringLiteral("C"));
    QCOMPARE(form.quanti1->suffix(), QStringLiteral("°"));
}

void TestENDamageDataDialog::namedNodeFields_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("named");
    QTest::newRow("EN 13508-2") << int(NormEN135082) << true;
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << false;
}

void TestENDamageDataDialog::namedNodeFields()
{
    QFETCH(int, kind);
    QFETCH(bool, named);

    Form form(kind);
    form.show();
    form.type(QStringLiteral("bcd"));
    QCOMPARE(form.quanti1Edit->isVisible(), named);
    QCOMPARE(form.quanti1->isVisible(), !named);
    QCOMPARE(formChild<QLabel>(form.dialog, "quanti1Label")->text(),
             named ? QStringLiteral("Bezeichnung:") : QStringLiteral("Quantifizierung 1:"));
    if (named) {
        QTest::keyClicks(form.quanti1Edit, QStringLiteral("S 17"));
        QCOMPARE(form.record().quantity1Text, QStringLiteral("S 17"));
        QVERIFY(form.endText->text().endsWith(QStringLiteral(", S 17")));
        // Another code brings the numbers back.
        form.code->clear();
        form.type(QStringLiteral("bab"));
        QVERIFY(!form.quanti1Edit->isVisible());
        QVERIFY(form.quanti1->isVisible());
        QCOMPARE(formChild<QLabel>(form.dialog, "quanti2Label")->text(), QStringLiteral("Quantifizierung 2:"));
    }
}

void TestENDamageDataDialog::zeroDistanceQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Nein") << int(MessageDialog::No) << false;
    QTest::newRow("Ja") << int(MessageDialog::Yes) << true;
}

void TestENDamageDataDialog::zeroDistanceQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, accepted);

    Form form(NormEN135082);
    form.show();
    form.type(QStringLiteral("bab"));

    ModalAnswerer answerer;
    QString text;
    QStringList buttons;
    answerer.expect("MessageDialog", [&](QWidget *w) {
        auto *box = static_cast<MessageDialog *>(w);
        text = box->text();
        buttons = shownButtons(box);
        box->done(answer);
    });
    form.clickAccept();
    QVERIFY(answerer.done());
    QCOMPARE(text, QStringLiteral("Es wurde der Meterwert 0.00m eingegeben.\nMöchten Sie dies so belassen?"));
    QCOMPARE(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(form.dialog.isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(form.dialog.focusWidget(), form.meter);
        QVERIFY(form.meter->findChild<QLineEdit *>()->hasSelectedText());
    }
}

void TestENDamageDataDialog::smallDistancesAcceptAtOnce()
{
    for (double distance : {0.01, -0.01}) {
        Form form(NormEN135082);
        form.show();
        form.type(QStringLiteral("bab"));
        form.meter->setValue(distance);
        ModalAnswerer answerer;
        form.clickAccept();
        QVERIFY(answerer.unexpected().isEmpty());
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.record().distance, distance);
    }
}

void TestENDamageDataDialog::keys()
{
    {
        Form form(NormEN135082);
        form.show();
        form.type(QStringLiteral("bab"));
        form.meter->setValue(2);
        QTest::keyClick(&form.dialog, Qt::Key_Return);
        QTest::keyClick(&form.dialog, Qt::Key_Enter);
        QTest::keyClick(form.code, Qt::Key_Return);
        QVERIFY(form.dialog.isVisible());
        QTest::keyClick(&form.dialog, Qt::Key_Escape);
        QVERIFY(!form.dialog.isVisible());
        QCOMPARE(form.dialog.result(), int(QDialog::Rejected));
    }
    {
        // F1: the browser's code lands in the field as if typed.
        Form form(NormEN135082);
        form.show();
        ModalAnswerer answerer;
        answerer.expect("NormCatalogDialog", [](QWidget *w) { chooseInBrowser(w, QStringLiteral("BC"), QStringLiteral("BCA")); });
        QTest::keyClick(&form.dialog, Qt::Key_F1);
        QVERIFY(answerer.done());
        QCOMPARE(form.code->text(), QStringLiteral("BCA"));
        QCOMPARE(form.record().code, QStringLiteral("BCA"));
        QVERIFY(form.accept->isEnabled());
        QCOMPARE(form.clockLabel->text(), QStringLiteral("bei"));

        // Closed without a code, nothing changes.
        answerer.reject("NormCatalogDialog");
        QTest::mouseClick(formChild<QPushButton>(form.dialog, "catalog"), Qt::LeftButton);
        QVERIFY(answerer.done());
        QCOMPARE(form.record().code, QStringLiteral("BCA"));
    }
}

void TestENDamageDataDialog::unknownCodeKept_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");
    QTest::newRow("EN, unknown") << int(NormEN135082) << QStringLiteral("XYZ");
    QTest::newRow("EN, lower case") << int(NormEN135082) << QStringLiteral("bab");
    QTest::newRow("EN, empty") << int(NormEN135082) << QString();
    QTest::newRow("ISYBAU 2006, unknown") << int(NormIsybau2006) << QStringLiteral("BXY");
    QTest::newRow("DanDas, unknown") << int(NormDanDas) << QStringLiteral("ZZ");
}

void TestENDamageDataDialog::unknownCodeKept()
{
    QFETCH(int, kind);
    QFETCH(QString, code);

    // An observation read from a file with a code the catalogue lacks is edited without losing it.
    Form form(kind);
    ObservationRecord o = observation(code, QStringLiteral("A"));
    o.remark = QStringLiteral("alt");
    form.dialog.setDamage(o);
    form.show();

    QCOMPARE(form.code->text(), code);
    QVERIFY(form.accept->isEnabled());
    QVERIFY(form.meter->isEnabled());
    QVERIFY(form.commentary->isEnabled());
    // Nothing opens that the catalogue does not grant.
    if (kind != NormDanDas) {
        QVERIFY(!form.character1->isEnabled());
        QVERIFY(!form.quanti1->isEnabled());
        QVERIFY(!form.clock1->isEnabled());
        QVERIFY(!form.sectionDamage->isEnabled());
    }

    form.commentary->setPlainText(QStringLiteral("neu"));
    form.meter->setValue(6);
    form.clickAccept();
    QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    const ObservationRecord result = form.record();
    QCOMPARE(result.code, code);
    QCOMPARE(result.character1, QStringLiteral("A"));
    QCOMPARE(result.remark, QStringLiteral("neu"));
    QCOMPARE(result.distance, 6.0);
}

void TestENDamageDataDialog::untouchedRecordComesBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<ObservationRecord>("record");

    ObservationRecord beyond = observation(QStringLiteral("BAB"), QStringLiteral("B"), QStringLiteral("C"));
    beyond.distance = 500.125;
    beyond.remark = QStringLiteral("Zeile 1\nZeile 2");
    beyond.photoFile = QStringLiteral("img_000010_3.jpg");
    beyond.quantity1 = 20000.125;
    beyond.quantity2 = 7;
    beyond.quantity1Text = QStringLiteral("t1");
    beyond.quantity2Text = QStringLiteral("t2");
    beyond.clockFrom = 99;
    beyond.clockTo = -3;
    beyond.damageClass = 9;
    beyond.joint = 1;
    beyond.continuousDefect = QStringLiteral("Q");
    beyond.continuousDefectNumber = 150;
    for (int kind : {int(NormEN135082), int(NormDWAM1492), int(NormIsybau2006)})
        QTest::addRow("beyond the fields, kind %d", kind) << kind << beyond;

    ObservationRecord unknown = beyond;
    unknown.code = QStringLiteral("XYZ");
    unknown.continuousDefect = QStringLiteral("A");
    QTest::newRow("unknown code") << int(NormEN135082) << unknown;
    ObservationRecord empty = beyond;
    empty.code.clear();
    QTest::newRow("empty code") << int(NormDWAM1492) << empty;

    // Tokens the catalogue no longer offers stay as they were.
    ObservationRecord gone = observation(QStringLiteral("BAB"), QStringLiteral("Q"), QStringLiteral("W"));
    gone.clockFrom = 12;
    gone.clockTo = 12;
    gone.damageClass = -1;
    QTest::newRow("tokens not in the catalogue") << int(NormEN135082) << gone;

    ObservationRecord node = observation(QStringLiteral("BCD"), QStringLiteral("A"));
    node.quantity1Text = QStringLiteral("S 1");
    node.quantity2Text = QStringLiteral("12/34");
    node.continuousDefect = QStringLiteral("R");
    node.continuousDefectNumber = -5;
    QTest::newRow("start node") << int(NormEN135082) << node;

    ObservationRecord joint = observation(QStringLiteral("BAJ"), QStringLiteral("C"));
    joint.quantity1 = 4.25;
    joint.clockFrom = 3;
    joint.damageClass = 4;
    QTest::newRow("DWA class 4") << int(NormDWAM1492) << joint;

    ObservationRecord crack = observation(QStringLiteral("RB"), QStringLiteral("L"));
    crack.damageClass = 9;
    crack.clockFrom = 4;
    crack.joint = 1;
    crack.continuousDefect = QStringLiteral("B");
    crack.photoFile = QStringLiteral("img_1_1.jpg");
    QTest::newRow("DanDas class beyond the list") << int(NormDanDas) << crack;
    ObservationRecord water = observation(QStringLiteral("VA"));
    water.quantity1 = 12345.5;
    water.character1 = QStringLiteral("X");
    QTest::newRow("DanDas quantity beyond the field") << int(NormDanDas) << water;
    ObservationRecord other = observation(QStringLiteral("QQ"), QStringLiteral("Q"));
    other.damageClass = 2;
    QTest::newRow("DanDas unknown code") << int(NormDanDas) << other;
}

void TestENDamageDataDialog::untouchedRecordComesBack()
{
    QFETCH(int, kind);
    QFETCH(ObservationRecord, record);

    Form form(kind);
    form.dialog.setDamage(record);
    form.show();
    QVERIFY(form.accept->isEnabled());
    form.clickAccept();
    QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(recordFields(form.record()), recordFields(record));
}

void TestENDamageDataDialog::quantityNoLongerAskedLeaves_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("written"); // how the file would carry the quantity 5
    QTest::newRow("EN 13508-2") << int(NormEN135082) << QByteArray("<D>5.00</D>");
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << QByteArray("<HZ003>5.00</HZ003>");
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << QByteArray(">5.00</Quantifizierung1Numerisch>");
}

// A crack's width is asked for a crack ("B") but not for a surface crack ("A"): a width typed
// before the user switches to the surface crack leaves the record and the file.
void TestENDamageDataDialog::quantityNoLongerAskedLeaves()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, written);
    Form form(kind);
    form.show();
    form.type(QStringLiteral("bab"));
    form.character1->setCurrentIndex(1);
    QCOMPARE(form.record().character1, QStringLiteral("B"));
    QVERIFY(form.quanti1->isEnabled());
    form.quanti1->selectAll();
    QTest::keyClicks(form.quanti1, QStringLiteral("5"));
    QCOMPARE(form.record().quantity1, 5.0);

    form.character1->setCurrentIndex(0);
    QCOMPARE(form.record().character1, QStringLiteral("A"));
    QVERIFY(!form.quanti1->isEnabled());
    QCOMPARE(form.quanti1->value(), 0.0);
    QCOMPARE(form.record().quantity1, 0.0);
    form.meter->setValue(3.0);
    form.clickAccept();
    QCOMPARE(form.dialog.result(), int(QDialog::Accepted));

    QTemporaryDir dir;
    ReporterCapture capture; // a fresh header that the ISYBAU 2006 check reports
    form.inspection->mutableObservations() << form.record();
    form.inspection->setFolder(dir.path());
    form.inspection->setFileName(QStringLiteral("H1.xml"));
    QVERIFY(form.inspection->save());
    QFile file(dir.filePath(QStringLiteral("H1.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains(written));

    // Changing the code to one without quantities clears them too.
    Form other(kind);
    other.show();
    other.type(QStringLiteral("bab"));
    other.character1->setCurrentIndex(1);
    other.quanti1->setValue(5);
    other.code->clear();
    other.type(QStringLiteral("bdb"));
    QCOMPARE(other.record().quantity1, 0.0);
}

// The ISYBAU 2006 file holds quantities below 10000, those of the lining code as whole numbers
// of four digits; what the dialog lets through passes the file's check.
void TestENDamageDataDialog::quantitiesStayWithinTheIsybauFile()
{
    Form form(NormIsybau2006);
    form.show();
    form.type(QStringLiteral("bab"));
    form.character1->setCurrentIndex(1);
    form.quanti1->setValue(10000);
    QCOMPARE(form.record().quantity1, 9999.99);
    form.meter->setValue(3.0);
    form.clickAccept();
    form.inspection->mutableObservations() << form.record();

    Form lining(NormIsybau2006);
    lining.show();
    lining.type(QStringLiteral("bak"));
    lining.character1->setCurrentIndex(lining.character1->findText(QStringLiteral("D"), Qt::MatchStartsWith));
    QVERIFY(lining.quanti1->isEnabled());
    lining.quanti1->setValue(10000);
    QCOMPARE(lining.record().quantity1, 9999.0);
    lining.meter->setValue(4.0);
    lining.clickAccept();
    form.inspection->mutableObservations() << lining.record();

    const auto *isybau = qobject_cast<const Isybau2006 *>(form.inspection.get());
    QVERIFY(isybau);
    QCOMPARE(isybau->schemaProblems().filter(QStringLiteral("Beobachtung")), QStringList());

    // Other standards keep their own range.
    Form en(NormEN135082);
    en.show();
    en.type(QStringLiteral("bab"));
    en.character1->setCurrentIndex(1);
    en.quanti1->setValue(10000);
    QCOMPARE(en.record().quantity1, 10000.0);
}

QTEST_MAIN(TestENDamageDataDialog)
#include "tst_endamagedatadialog.moc"
