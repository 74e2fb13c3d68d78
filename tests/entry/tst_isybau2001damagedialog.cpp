#include "entry/isybau2001damagedialog.h"

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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ObservationRecord)

namespace {

// The dialog on a real inspection, shown, with its widgets by object name.
struct Form
{
    explicit Form(int kind = NormIsybau2001)
        : inspection(makeInspection(kind))
        , dialog(inspection.get())
        , code(formChild<QLineEdit>(dialog, "code"))
        , norm(formChild<QPushButton>(dialog, "norm"))
        , meter(formChild<QDoubleSpinBox>(dialog, "meter"))
        , num1(formChild<QDoubleSpinBox>(dialog, "num1"))
        , num2(formChild<QDoubleSpinBox>(dialog, "num2"))
        , snum1(formChild<QComboBox>(dialog, "snum1"))
        , foto(formChild<QCheckBox>(dialog, "foto"))
        , commentary(formChild<QPlainTextEdit>(dialog, "commentary"))
        , clockBox(formChild<QGroupBox>(dialog, "clockBox"))
        , clockLabel(formChild<QLabel>(dialog, "label_10"))
        , clock1(formChild<QSpinBox>(dialog, "posClock1"))
        , clock2(formChild<QSpinBox>(dialog, "posClock2"))
        , clock(formChild<QGraphicsView>(dialog, "clock"))
        , damageClassBox(formChild<QGroupBox>(dialog, "damageClassBox"))
        , damageClass(formChild<QComboBox>(dialog, "damageClass"))
        , sectionDamageBox(formChild<QGroupBox>(dialog, "sectionDamageBox"))
        , sectionDamage(formChild<QComboBox>(dialog, "sectionDamage"))
        , sectionNumber(formChild<QComboBox>(dialog, "sectionDamageNumber"))
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
    void retype(const QString &text)
    {
        code->clear();
        type(text);
    }
    void clickAccept() { QTest::mouseClick(accept, Qt::LeftButton); }
    ObservationRecord record() const { return dialog.damage(); }

    std::unique_ptr<Investigation> inspection;
    Isybau2001DamageDialog dialog;
    QLineEdit *code;
    QPushButton *norm;
    QDoubleSpinBox *meter;
    QDoubleSpinBox *num1;
    QDoubleSpinBox *num2;
    QComboBox *snum1;
    QCheckBox *foto;
    QPlainTextEdit *commentary;
    QGroupBox *clockBox;
    QLabel *clockLabel;
    QSpinBox *clock1;
    QSpinBox *clock2;
    QGraphicsView *clock;
    QGroupBox *damageClassBox;
    QComboBox *damageClass;
    QGroupBox *sectionDamageBox;
    QComboBox *sectionDamage;
    QComboBox *sectionNumber;
    QLabel *endText;
    QPushButton *accept;
};

ObservationRecord observation(const QString &code, double q1 = 0, double q2 = 0)
{
    ObservationRecord o;
    o.distance = 4.5;
    o.code = code;
    o.quantity1 = q1;
    o.quantity2 = q2;
    o.videoTime = QTime(0, 0, 10);
    return o;
}

// Walks the catalogue browser: one row chosen per page, then "Weiter" (last: "Übernehmen").
void chooseInBrowser(QWidget *browser, const QStringList &rows)
{
    auto *next = formChild<QPushButton>(*browser, "next");
    const char *tables[] = {"table_1", "table_2", "table_3", "table_4"};
    for (int page = 0; page < rows.size(); ++page) {
        auto *table = formChild<QTableWidget>(*browser, tables[page]);
        QCOMPARE(formChild<QStackedWidget>(*browser, "stackedWidget")->currentIndex(), page);
        const QList<QTableWidgetItem *> found = table->findItems(rows.at(page), Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        table->setCurrentItem(found.first());
        next->click();
    }
}

} // namespace

class TestIsybau2001DamageDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("zz.model.*.debug=false")); }

    void photoCodeTakesPhoto();
    void fieldsOfferWhatTheFileHolds_data();
    void fieldsOfferWhatTheFileHolds();
    void typing_data();
    void typing();
    void bendOpensClockAndClearsClass();
    void sameUnitFillsBothNumbers();
    void codedValues();
    void sanitationCodeFindsItsUnit();
    void continuousDefect_data();
    void continuousDefect();
    void shorteningLocksForm();
    void zeroDistanceQuestion_data();
    void zeroDistanceQuestion();
    void smallDistancesAcceptAtOnce();
    void keys();
    void photoObservationKeepsItsCode();
    void otherClassesOfferNoCode_data();
    void otherClassesOfferNoCode();
    void unknownCodeKeptAndEditable();
    void untouchedRecordComesBack_data();
    void untouchedRecordComesBack();
};

void TestIsybau2001DamageDialog::photoCodeTakesPhoto()
{
    Form form;
    ObservationRecord earlier = observation(QStringLiteral("BAAO"));
    earlier.photoFile = QStringLiteral("img_000010_4.jpg");
    form.inspection->mutableObservations() << earlier;
    form.dialog.setTime(QTime(1, 2, 3));
    form.show();

    // Before a code only the code can be given.
    QCOMPARE(form.dialog.windowTitle(), QStringLiteral("Feststellung"));
    QCOMPARE(form.dialog.focusWidget(), form.code);
    QCOMPARE(form.code->completer(), form.inspection->completer());
    for (QWidget *w : {static_cast<QWidget *>(form.accept), static_cast<QWidget *>(form.meter),
                       static_cast<QWidget *>(form.commentary), static_cast<QWidget *>(form.foto),
                       static_cast<QWidget *>(form.clockBox), static_cast<QWidget *>(form.damageClassBox),
                       static_cast<QWidget *>(form.sectionDamageBox), static_cast<QWidget *>(form.num1),
                       static_cast<QWidget *>(form.snum1)}) {
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }

    form.type(QStringLiteral("foto"));
    QCOMPARE(form.code->text(), QStringLiteral("FOTO"));
    QVERIFY(form.accept->isEnabled());
    QVERIFY(form.meter->isEnabled());
    QVERIFY(form.commentary->isEnabled());
    QVERIFY(form.foto->isChecked());
    QVERIFY(!form.foto->isEnabled());
    QVERIFY(!form.clockBox->isEnabled());
    QVERIFY(!form.damageClassBox->isEnabled());
    QVERIFY(!form.sectionDamageBox->isEnabled());
    const ObservationRecord o = form.record();
    QCOMPARE(o.code, QStringLiteral("FOTO"));
    QCOMPARE(o.photoFile, QStringLiteral("img_010203_5.jpg"));
    QCOMPARE(o.videoTime, QTime(1, 2, 3));
    QCOMPARE(form.endText->text(), QStringLiteral("0.00m FOTO Einzelaufnahme angefertigt"));
}

// Each number field offers what its column of the file holds: nothing typed is cut when the
// inspection is saved.
void TestIsybau2001DamageDialog::fieldsOfferWhatTheFileHolds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("column");
    for (int kind : {int(NormATV), int(NormIsybau2001)}) {
        const QByteArray name = kind == NormATV ? "ATV " : "ISYBAU 2001 ";
        QTest::newRow(name + "distance") << kind << QByteArray("meter") << int(Isybau2001::NumberField::Distance);
        QTest::newRow(name + "value 1") << kind << QByteArray("num1") << int(Isybau2001::NumberField::Value1);
        QTest::newRow(name + "value 2") << kind << QByteArray("num2") << int(Isybau2001::NumberField::Value2);
        QTest::newRow(name + "clock from") << kind << QByteArray("posClock1") << int(Isybau2001::NumberField::Clock);
        QTest::newRow(name + "clock to") << kind << QByteArray("posClock2") << int(Isybau2001::NumberField::Clock);
    }
}

void TestIsybau2001DamageDialog::fieldsOfferWhatTheFileHolds()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, field);
    QFETCH(int, column);
    Form form(kind);
    const Isybau2001::NumberColumn c = Isybau2001::numberColumn(Isybau2001::NumberField(column));
    if (auto *number = form.dialog.findChild<QDoubleSpinBox *>(QString::fromLatin1(field))) {
        QCOMPARE(number->minimum(), c.minimum);
        QCOMPARE(number->maximum(), c.maximum);
        QCOMPARE(number->decimals(), c.decimals);
    } else {
        auto *whole = formChild<QSpinBox>(form.dialog, field.constData());
        QCOMPARE(whole->minimum(), int(c.minimum));
        QCOMPARE(whole->maximum(), int(c.maximum));
    }

    // The largest value the field takes is saved and reads back as it was.
    ObservationRecord o;
    o.code = QStringLiteral("BAAO");
    o.distance = form.meter->maximum();
    o.quantity1 = form.num1->maximum();
    o.quantity2 = form.num2->maximum();
    o.clockFrom = form.clock1->maximum();
    o.clockTo = form.clock2->maximum();
    TestEnvironment env;
    ReporterCapture capture;
    Investigation &inspection = *form.inspection;
    inspection.setFolder(env.root() + QLatin1Char('/'));
    inspection.setFileName(kind == NormATV ? QStringLiteral("H1.h") : QStringLiteral("H1.lh"));
    inspection.mutableObservations() << o;
    QVERIFY(inspection.save());
    auto read = makeInspection(kind);
    QVERIFY(read->load(inspection.filePath()));
    QVERIFY(capture.errors().isEmpty());
    QCOMPARE(recordFields(read->observations().at(0)), recordFields(o));
}

void TestIsybau2001DamageDialog::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("complete");

    QTest::newRow("damage name") << "ba" << "BA" << false;
    QTest::newRow("damage code") << "baao" << "BAAO" << true;
    QTest::newRow("condition the name does not allow") << "bax" << "" << false;
    QTest::newRow("refused, then started again") << "zbaa-" << "BAA-" << true;
    QTest::newRow("bend") << "k" << "K" << true;
    QTest::newRow("on from the bend to a sanitation name") << "ks" << "KS" << false;
    QTest::newRow("sanitation code") << "ksao" << "KSAO" << true;
    QTest::newRow("control code") << "tvuw" << "TVUW" << true;
    QTest::newRow("no fifth character") << "baaox" << "BAAO" << true;
}

void TestIsybau2001DamageDialog::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QFETCH(bool, complete);

    Form form;
    form.show();
    form.type(typed);
    QCOMPARE(form.code->text(), code);
    QCOMPARE(form.record().code, code);
    QCOMPARE(form.accept->isEnabled(), complete);
    QCOMPARE(form.meter->isEnabled(), complete);
    QCOMPARE(form.endText->text().isEmpty(), !complete);
}

void TestIsybau2001DamageDialog::bendOpensClockAndClearsClass()
{
    Form form;
    form.show();
    form.type(QStringLiteral("baao"));
    form.damageClass->setCurrentIndex(3);
    form.sectionNumber->setCurrentIndex(4);
    form.sectionDamage->setCurrentIndex(1);
    QCOMPARE(form.record().damageClass, 3);
    QCOMPARE(form.record().continuousDefect, QStringLiteral("A"));

    form.retype(QStringLiteral("k"));
    QVERIFY(form.clockBox->isEnabled());
    QVERIFY(form.clock1->isEnabled());
    QVERIFY(form.clock2->isEnabled());
    QCOMPARE(form.clockLabel->text(), QStringLiteral("von"));
    QVERIFY(form.num1->isEnabled());
    QCOMPARE(form.num1->suffix(), QStringLiteral("Grad"));
    QVERIFY(!form.num2->isEnabled());
    QVERIFY(form.snum1->isHidden());
    QVERIFY(!form.damageClassBox->isEnabled());
    QVERIFY(!form.sectionDamageBox->isEnabled());
    // A bend has no class and is no continuous defect; the number is left alone.
    const ObservationRecord o = form.record();
    QCOMPARE(o.damageClass, 0);
    QCOMPARE(o.continuousDefect, QString());
    QCOMPARE(o.continuousDefectNumber, 4);
    // The form shows what the record holds.
    QCOMPARE(form.damageClass->currentIndex(), 0);
    QCOMPARE(form.sectionDamage->currentIndex(), 0);

    form.num1->setValue(45);
    form.clock1->setValue(3);
    form.clock2->setValue(9);
    QCOMPARE(form.record().quantity1, 45.0);
    QCOMPARE(form.record().clockFrom, 3);
    QCOMPARE(form.record().clockTo, 9);
    QCOMPARE(form.clock->scene()->items().size(), 14);
    QCOMPARE(form.endText->text(), QStringLiteral("0.00m K Krümmer, Bogen, 45Grad, von 3 bis 9Uhr"));

    // Other control codes have no clock position: it goes back to none.
    form.retype(QStringLiteral("ha"));
    QVERIFY(!form.clockBox->isEnabled());
    QCOMPARE(form.record().clockFrom, 0);
    QCOMPARE(form.record().clockTo, 0);
    QCOMPARE(form.clock->scene()->items().size(), 13);
}

void TestIsybau2001DamageDialog::sameUnitFillsBothNumbers()
{
    Form form;
    form.show();
    form.type(QStringLiteral("baao"));
    QVERIFY(form.num1->isEnabled());
    QCOMPARE(form.num1->suffix(), QStringLiteral("cm²"));
    QVERIFY(!form.num2->isEnabled());
    form.num1->setValue(5);
    QCOMPARE(form.record().quantity1, 5.0);
    QCOMPARE(form.record().quantity2, 5.0);
    QVERIFY(form.endText->text().endsWith(QStringLiteral(", 5cm²")));
}

void TestIsybau2001DamageDialog::codedValues()
{
    const QStringList corrosion{QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                QStringLiteral("21"), QStringLiteral("22"), QStringLiteral("51")};
    {
        Form form;
        form.show();
        form.type(QStringLiteral("c-ao"));
        auto *catalogue = static_cast<const Isybau2001 *>(form.inspection.get());
        QVERIFY(form.snum1->isEnabled());
        QVERIFY(!form.snum1->isHidden());
        QVERIFY(!form.num1->isEnabled());
        QStringList texts;
        for (const QString &value : corrosion)
            texts << catalogue->snumText(value.toInt());
        QCOMPARE(comboItems(form.snum1), texts);
        // Right after the code: the first value, and no second number yet.
        QCOMPARE(form.record().quantity1, 11.0);
        QCOMPARE(form.record().quantity2, 0.0);

        form.snum1->setCurrentIndex(2);
        QCOMPARE(form.record().quantity1, 13.0);
        QCOMPARE(form.record().quantity2, 13.0);
        QVERIFY(form.endText->text().endsWith(QStringLiteral(", ") + catalogue->snumText(13)));

        // A code without coded values empties and hides the list; its number starts at 0.
        form.retype(QStringLiteral("baao"));
        QVERIFY(form.snum1->isHidden());
        QVERIFY(!form.snum1->isEnabled());
        QCOMPARE(form.snum1->count(), 0);
        QCOMPARE(form.record().quantity1, 0.0);
        QCOMPARE(form.record().quantity2, 0.0);
    }
    {
        // Edited: the stored value is the one shown; untouched it comes back (its second number 0).
        Form form;
        auto *catalogue = static_cast<const Isybau2001 *>(form.inspection.get());
        form.dialog.setDamage(observation(QStringLiteral("C-AO"), 13, 13));
        form.show();
        QCOMPARE(form.snum1->currentText(), catalogue->snumText(13));
        QCOMPARE(form.snum1->currentIndex(), 2);
        form.clickAccept();
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.record().quantity1, 13.0);
        QCOMPARE(form.record().quantity2, 0.0);
    }
    {
        // A value the code does not list shows no choice and stays until one is made.
        Form form;
        form.dialog.setDamage(observation(QStringLiteral("C-AO"), 41));
        form.show();
        QCOMPARE(form.snum1->currentIndex(), -1);
        QCOMPARE(form.record().quantity1, 41.0);
        form.snum1->setCurrentIndex(5);
        QCOMPARE(form.record().quantity1, 51.0);
    }
}

void TestIsybau2001DamageDialog::sanitationCodeFindsItsUnit()
{
    {
        Form form;
        form.show();
        form.type(QStringLiteral("ksao"));
        QVERIFY(form.num1->isEnabled());
        QCOMPARE(form.num1->suffix(), QStringLiteral("cm"));
        form.meter->setValue(12.5);
        form.num1->setValue(4);
        QVERIFY2(form.endText->text().startsWith(QStringLiteral("12.50m KsAO ")), qPrintable(form.endText->text()));
        QVERIFY(form.endText->text().contains(QStringLiteral(", 4cm")));
        QCOMPARE(form.record().code, QStringLiteral("KSAO"));
    }
    {
        // As the files write it.
        Form form;
        form.dialog.setDamage(observation(QStringLiteral("KsAO"), 2.5));
        form.show();
        QCOMPARE(form.code->text(), QStringLiteral("KSAO"));
        QVERIFY(form.num1->isEnabled());
        QCOMPARE(form.num1->suffix(), QStringLiteral("cm"));
        QVERIFY(form.damageClassBox->isEnabled());
        form.num1->setValue(3);
        QCOMPARE(form.record().code, QStringLiteral("KsAO"));
        QCOMPARE(form.record().quantity1, 3.0);
    }
}

void TestIsybau2001DamageDialog::continuousDefect_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("storedMarker");
    QTest::addColumn<int>("storedNumber");
    QTest::addColumn<int>("numberChoice"); // -1: left alone
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("numberOpen");

    QTest::newRow("begin with number 3") << "BAAO" << "" << 0 << 2 << 1 << "A" << 2 << true;
    QTest::newRow("end") << "BAAO" << "" << 0 << -1 << 2 << "E" << 0 << true;
    QTest::newRow("whole section") << "BAAO" << "" << 0 << -1 << 3 << "G" << 0 << true;
    QTest::newRow("one pipe length") << "BAAO" << "" << 0 << -1 << 4 << "R" << 0 << true;
    QTest::newRow("none") << "BAAO" << "A" << 4 << -1 << 0 << "" << 0 << false;
    QTest::newRow("sanitation: number stays") << "KSAO" << "" << 3 << -1 << 1 << "A" << 3 << false;
    QTest::newRow("sanitation as stored") << "KsAO" << "E" << 6 << -1 << 4 << "R" << 6 << false;
    QTest::newRow("stored number beyond the list") << "BAAO" << "" << 12 << -1 << 2 << "E" << 12 << true;
    QTest::newRow("stored number below the list") << "BAAO" << "A" << -2 << -1 << 3 << "G" << -2 << true;
}

void TestIsybau2001DamageDialog::continuousDefect()
{
    QFETCH(QString, code);
    QFETCH(QString, storedMarker);
    QFETCH(int, storedNumber);
    QFETCH(int, numberChoice);
    QFETCH(int, kind);
    QFETCH(QString, marker);
    QFETCH(int, number);
    QFETCH(bool, numberOpen);

    Form form;
    ObservationRecord o = observation(code);
    o.continuousDefect = storedMarker;
    o.continuousDefectNumber = storedNumber;
    form.dialog.setDamage(o);
    form.show();
    QVERIFY(form.sectionDamageBox->isEnabled());
    QCOMPARE(form.sectionNumber->currentIndex(), storedNumber >= 0 && storedNumber < 9 ? storedNumber : -1);

    if (numberChoice >= 0)
        form.sectionNumber->setCurrentIndex(numberChoice);
    form.sectionDamage->setCurrentIndex(kind);
    QCOMPARE(form.record().continuousDefect, marker);
    QCOMPARE(form.record().continuousDefectNumber, number);
    QCOMPARE(form.sectionNumber->isEnabled(), numberOpen);
}

void TestIsybau2001DamageDialog::shorteningLocksForm()
{
    Form form;
    form.show();
    form.type(QStringLiteral("baao"));
    form.meter->setValue(2.5);
    form.num1->setValue(7);
    form.clock1->setValue(2);
    form.damageClass->setCurrentIndex(2);
    form.sectionDamage->setCurrentIndex(1);
    form.commentary->setPlainText(QStringLiteral("Riss"));
    form.foto->setChecked(true);
    ObservationRecord before = form.record();
    QVERIFY(!before.photoFile.isEmpty());

    form.code->backspace();
    QCOMPARE(form.code->text(), QStringLiteral("BAA"));
    for (QWidget *w : {static_cast<QWidget *>(form.accept), static_cast<QWidget *>(form.meter),
                       static_cast<QWidget *>(form.commentary), static_cast<QWidget *>(form.foto),
                       static_cast<QWidget *>(form.clockBox), static_cast<QWidget *>(form.damageClassBox),
                       static_cast<QWidget *>(form.sectionDamageBox)}) {
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(form.endText->text().isEmpty());
    before.code = QStringLiteral("BAA");
    QCOMPARE(recordFields(form.record()), recordFields(before));
}

void TestIsybau2001DamageDialog::zeroDistanceQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Nein") << int(MessageDialog::No) << false;
    QTest::newRow("Ja") << int(MessageDialog::Yes) << true;
}

void TestIsybau2001DamageDialog::zeroDistanceQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, accepted);

    Form form;
    form.show();
    form.type(QStringLiteral("baao"));

    ModalAnswerer answerer;
    answerer.message(answer);
    form.clickAccept();
    QVERIFY(answerer.done());
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Es wurde der Meterwert 0.00m eingegeben.\nMöchten Sie dies so belassen?")});
    QCOMPARE(form.dialog.isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(form.dialog.focusWidget(), form.meter);
        QVERIFY(form.meter->findChild<QLineEdit *>()->hasSelectedText());
    }
}

void TestIsybau2001DamageDialog::smallDistancesAcceptAtOnce()
{
    for (double distance : {0.01, -0.01}) {
        Form form;
        form.show();
        form.type(QStringLiteral("baao"));
        form.meter->setValue(distance);
        ModalAnswerer answerer;
        form.clickAccept();
        QVERIFY(answerer.unexpected().isEmpty());
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.record().distance, distance);
    }
}

void TestIsybau2001DamageDialog::keys()
{
    {
        Form form;
        form.show();
        form.type(QStringLiteral("baao"));
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
        Form form;
        form.show();
        ModalAnswerer answerer;
        answerer.expect("NormCatalogDialog", [](QWidget *w) { chooseInBrowser(w, {QStringLiteral("X"), QStringLiteral("FOTO")}); });
        QTest::keyClick(&form.dialog, Qt::Key_F1);
        QVERIFY(answerer.done());
        QCOMPARE(form.code->text(), QStringLiteral("FOTO"));
        QCOMPARE(form.record().code, QStringLiteral("FOTO"));
        QVERIFY(form.foto->isChecked());

        // A sanitation name picked by its parts comes in capitals, as typed codes do.
        answerer.expect("NormCatalogDialog", [](QWidget *w) {
            chooseInBrowser(w, {QStringLiteral("K"), QStringLiteral("Ks"), QStringLiteral("A"), QStringLiteral("O")});
        });
        form.norm->click();
        QVERIFY(answerer.done());
        QCOMPARE(form.record().code, QStringLiteral("KSAO"));
        QCOMPARE(form.num1->suffix(), QStringLiteral("cm"));

        // Closed without a code, nothing changes.
        answerer.reject("NormCatalogDialog");
        form.norm->click();
        QVERIFY(answerer.done());
        QCOMPARE(form.record().code, QStringLiteral("KSAO"));
    }
}

void TestIsybau2001DamageDialog::photoObservationKeepsItsCode()
{
    Form form(NormATV);
    form.dialog.setPhoto(QTime(1, 2, 3));
    form.show();

    QCOMPARE(form.code->text(), QStringLiteral("FOTO"));
    QVERIFY(!form.code->isEnabled());
    QVERIFY(form.foto->isChecked());
    QVERIFY(!form.foto->isEnabled());
    QVERIFY(form.accept->isEnabled());
    QCOMPARE(form.record().code, QStringLiteral("FOTO"));
    QCOMPARE(form.record().videoTime, QTime(1, 2, 3));
    QCOMPARE(form.record().photoFile, QStringLiteral("img_010203_1.jpg"));
    QCOMPARE(form.endText->text(), QStringLiteral("0.00m FOTO Einzelaufnahme angefertigt"));

    // Nor can the catalogue browser change it.
    ModalAnswerer answer;
    QTest::keyClick(&form.dialog, Qt::Key_F1);
    QTest::qWait(50);
    QVERIFY(answer.unexpected().isEmpty());
    QCOMPARE(form.record().code, QStringLiteral("FOTO"));
}

void TestIsybau2001DamageDialog::otherClassesOfferNoCode_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("free text") << int(NormFreetext);
    QTest::newRow("EN 13508-2") << int(NormEN135082);
}

void TestIsybau2001DamageDialog::otherClassesOfferNoCode()
{
    QFETCH(int, kind);

    Form form(kind);
    form.show();
    QCOMPARE(form.code->completer(), nullptr);
    form.type(QStringLiteral("bab"));
    QCOMPARE(form.code->text(), QString());
    QCOMPARE(form.record().code, QString());
    QVERIFY(!form.accept->isEnabled());

    ModalAnswerer answerer;
    int rows = -1;
    answerer.expect("NormCatalogDialog", [&](QWidget *w) {
        rows = formChild<QTableWidget>(*w, "table_1")->rowCount();
        static_cast<QDialog *>(w)->reject();
    });
    QTest::keyClick(&form.dialog, Qt::Key_F1);
    QVERIFY(answerer.done());
    QCOMPARE(rows, 0);
    QCOMPARE(form.record().code, QString());

    // A record handed in comes back with what was changed.
    Form edited(kind);
    ObservationRecord o = observation(QStringLiteral("BAB"), 3, 4);
    o.damageClass = 2;
    edited.dialog.setDamage(o);
    edited.show();
    edited.commentary->setPlainText(QStringLiteral("neu"));
    edited.clickAccept();
    QCOMPARE(edited.dialog.result(), int(QDialog::Accepted));
    o.remark = QStringLiteral("neu");
    QCOMPARE(recordFields(edited.record()), recordFields(o));
}

void TestIsybau2001DamageDialog::unknownCodeKeptAndEditable()
{
    // An observation read from a file with a code the catalogue lacks loses nothing on editing.
    Form form;
    ObservationRecord o = observation(QStringLiteral("ZZAO"), 7.5, 3);
    o.damageClass = 2;
    o.continuousDefect = QStringLiteral("A");
    o.continuousDefectNumber = 1;
    o.remark = QStringLiteral("alt");
    form.dialog.setDamage(o);
    form.show();

    QCOMPARE(form.code->text(), QStringLiteral("ZZAO"));
    QVERIFY(form.accept->isEnabled());
    QVERIFY(form.meter->isEnabled());
    QVERIFY(form.commentary->isEnabled());
    QVERIFY(form.clockBox->isEnabled());
    // Nothing opens that only the catalogue could grant.
    QVERIFY(!form.num1->isEnabled());
    QVERIFY(!form.num2->isEnabled());
    QVERIFY(!form.damageClassBox->isEnabled());
    QVERIFY(!form.sectionDamageBox->isEnabled());

    form.commentary->setPlainText(QStringLiteral("neu"));
    form.meter->setValue(6);
    form.clock1->setValue(4);
    form.clickAccept();
    QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    o.remark = QStringLiteral("neu");
    o.distance = 6;
    o.clockFrom = 4;
    QCOMPARE(recordFields(form.record()), recordFields(o));

    // The code can still be replaced by one of the catalogue.
    Form retyped;
    retyped.dialog.setDamage(o);
    retyped.show();
    retyped.retype(QStringLiteral("baao"));
    QCOMPARE(retyped.record().code, QStringLiteral("BAAO"));
    QVERIFY(retyped.num1->isEnabled());
}

void TestIsybau2001DamageDialog::untouchedRecordComesBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<ObservationRecord>("record");
    QTest::addColumn<ObservationRecord>("expected");

    QList<QPair<QByteArray, QPair<ObservationRecord, ObservationRecord>>> rows;
    auto add = [&rows](const char *name, const ObservationRecord &record, const ObservationRecord &expected) {
        rows.append({name, {record, expected}});
    };

    ObservationRecord unknown = observation(QStringLiteral("ZZAO"), 7.5, 3);
    unknown.remark = QStringLiteral("Zeile 1\nZeile 2");
    unknown.photoFile = QStringLiteral("img_000010_3.jpg");
    unknown.character1 = QStringLiteral("x");
    unknown.quantity1Text = QStringLiteral("t1");
    unknown.joint = 1;
    unknown.clockFrom = 3;
    unknown.clockTo = 9;
    unknown.damageClass = 4;
    unknown.continuousDefect = QStringLiteral("E");
    unknown.continuousDefectNumber = 2;
    add("unknown code with numbers", unknown, unknown);
    ObservationRecord lower = unknown;
    lower.code = QStringLiteral("baao");
    add("damage code in lower case", lower, lower);
    ObservationRecord empty = unknown;
    empty.code.clear();
    add("no code", empty, empty);

    ObservationRecord photo = observation(QStringLiteral("FOTO"));
    photo.distance = 3;
    photo.photoFile = QStringLiteral("img_000010_7.jpg");
    photo.remark = QStringLiteral("Bild");
    add("photo", photo, photo);

    ObservationRecord coded = observation(QStringLiteral("C-AO"), 13, 13);
    ObservationRecord codedBack = coded;
    codedBack.quantity2 = 0;
    add("coded value", coded, codedBack);

    ObservationRecord beyond = observation(QStringLiteral("RLAO"), 200000.125);
    beyond.distance = 5000.5;
    beyond.clockFrom = 99;
    beyond.clockTo = -3;
    beyond.damageClass = 9;
    beyond.continuousDefect = QStringLiteral("Q");
    beyond.continuousDefectNumber = 150;
    add("values beyond the fields", beyond, beyond);

    ObservationRecord control = observation(QStringLiteral("HA"));
    control.damageClass = 3;
    control.continuousDefect = QStringLiteral("A");
    control.continuousDefectNumber = 4;
    control.clockFrom = 2;
    ObservationRecord controlBack = control;
    controlBack.damageClass = 0;
    controlBack.continuousDefect.clear();
    add("control code", control, controlBack);

    ObservationRecord sanitation = observation(QStringLiteral("KsAO"), 4.5);
    sanitation.damageClass = 2;
    sanitation.continuousDefect = QStringLiteral("E");
    sanitation.clockFrom = 12;
    sanitation.clockTo = 3;
    add("sanitation code as stored", sanitation, sanitation);
    ObservationRecord renovation = observation(QStringLiteral("K-AO"), 2);
    renovation.continuousDefect = QStringLiteral("A");
    renovation.continuousDefectNumber = 3;
    add("renovation", renovation, renovation);

    for (int kind : {int(NormATV), int(NormIsybau2001)}) {
        for (const auto &row : rows)
            QTest::addRow("%s, kind %d", row.first.constData(), kind) << kind << row.second.first << row.second.second;
    }
}

void TestIsybau2001DamageDialog::untouchedRecordComesBack()
{
    QFETCH(int, kind);
    QFETCH(ObservationRecord, record);
    QFETCH(ObservationRecord, expected);

    Form form(kind);
    form.dialog.setDamage(record);
    form.show();
    QVERIFY(form.accept->isEnabled());
    form.clickAccept();
    QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(recordFields(form.record()), recordFields(expected));
}

QTEST_MAIN(TestIsybau2001DamageDialog)
#include "tst_isybau2001damagedialog.moc"
