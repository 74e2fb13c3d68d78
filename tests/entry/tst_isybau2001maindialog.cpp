#include "entry/isybau2001maindialog.h"
#include "model/investigation.h"
#include "support/formaccess.h"
#include "support/model/headerhelpers.h"
#include "support/model/inspections.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace HeaderHelpers;

namespace {

void accept(Isybau2001MainDialog &dialog)
{
    QTest::mouseClick(formChild<QPushButton>(dialog, "accept"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

InspectionHeader sizedHeader(const QString &profile, double height, double width)
{
    InspectionHeader h;
    h.profile = profile;
    h.height = height;
    h.width = width;
    h.date = QDate(2022, 3, 4);
    return h;
}

} // namespace

class TestIsybau2001MainDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void sizes_data();
    void sizes();
    void switchingProfiles();
    void freeTexts();
    void codes_data();
    void codes();
    void missingDate();
    void cancelLeavesTheHeader_data();
    void cancelLeavesTheHeader();
    void videoReferenceStopsWhereTheFileDoes_data();
    void videoReferenceStopsWhereTheFileDoes();
};

void TestIsybau2001MainDialog::form()
{
    auto inv = makeInspection(NormIsybau2001);
    Isybau2001MainDialog dialog(inv.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY((flags & Qt::CustomizeWindowHint) && !(flags & Qt::WindowCloseButtonHint));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto *height = formChild<QSpinBox>(dialog, "height");
    // Whole millimetres in four columns of the file.
    const Isybau2001::NumberColumn column = Isybau2001::numberColumn(Isybau2001::NumberField::Height);
    QCOMPARE(column.maximum, 9999.0);
    QCOMPARE(height->minimum(), 0);
    QCOMPARE(height->maximum(), int(column.maximum));
    QCOMPARE(formChild<QSpinBox>(dialog, "width")->maximum(), int(Isybau2001::numberColumn(Isybau2001::NumberField::Width).maximum));
    QCOMPARE(height->singleStep(), 10);
    auto *date = formChild<QDateEdit>(dialog, "date");
    QVERIFY(date->calendarPopup());
    QCOMPARE(date->buttonSymbols(), QAbstractSpinBox::NoButtons);
    // Data fields read black also when disabled; the size fields keep the style's colours.
    QCOMPARE(formChild<QLineEdit>(dialog, "customer")->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    QCOMPARE(formChild<QComboBox>(dialog, "system")->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(Qt::black));
    QCOMPARE(height->palette().color(QPalette::Disabled, QPalette::Text), dialog.palette().color(QPalette::Disabled, QPalette::Text));
}

// The first profile of the list is the circular one: one size, stored as height and width.
void TestIsybau2001MainDialog::sizes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("circular");
    QTest::addColumn<double>("storedWidth");

    for (int kind : {int(NormATV), int(NormIsybau2001)}) {
        const QByteArray name = kind == NormATV ? "ATV " : "ISYBAU 2001 ";
        QTest::newRow(name + "circular") << kind << "0" << 300.7 << 500.0 << true << 300.0;
        QTest::newRow(name + "egg-shaped") << kind << "1" << 300.7 << 450.2 << false << 450.0;
    }
}

void TestIsybau2001MainDialog::sizes()
{
    QFETCH(int, kind);
    QFETCH(QString, profile);
    QFETCH(double, height);
    QFETCH(double, width);
    QFETCH(bool, circular);
    QFETCH(double, storedWidth);

    auto inv = makeInspection(kind);
    inv->setMainData(sizedHeader(profile, height, width));
    Isybau2001MainDialog dialog(inv.get());
    QCOMPARE(formChild<QSpinBox>(dialog, "height")->value(), 300);
    QCOMPARE(formChild<QWidget>(dialog, "width")->isHidden(), circular);
    QCOMPARE(formChild<QWidget>(dialog, "label_10")->isHidden(), circular);
    QCOMPARE(formChild<QLabel>(dialog, "label_9")->text(), circular ? QStringLiteral("Durchmesser:") : QStringLiteral("Höhe:"));
    dialog.show();
    accept(dialog);
    QCOMPARE(inv->mainData().profile, profile);
    QCOMPARE(inv->mainData().height, 300.0);
    QCOMPARE(inv->mainData().width, storedWidth);
}

void TestIsybau2001MainDialog::switchingProfiles()
{
    auto inv = makeInspection(NormIsybau2001);
    inv->setMainData(sizedHeader(QStringLiteral("0"), 300, 300));
    {
        Isybau2001MainDialog dialog(inv.get());
        dialog.show();
        chooseItem(formChild<QComboBox>(dialog, "section"), 1);
        QVERIFY(!formChild<QWidget>(dialog, "width")->isHidden());
        QCOMPARE(formChild<QLabel>(dialog, "label_9")->text(), QStringLiteral("Höhe:"));
        QCOMPARE(formChild<QLabel>(dialog, "label_10")->text(), QStringLiteral("Breite:"));
        formChild<QSpinBox>(dialog, "height")->setValue(400);
        formChild<QSpinBox>(dialog, "width")->setValue(600);
        accept(dialog);
    }
    QCOMPARE(inv->mainData().profile, QStringLiteral("1"));
    QCOMPARE(inv->mainData().height, 400.0);
    QCOMPARE(inv->mainData().width, 600.0);

    Isybau2001MainDialog dialog(inv.get());
    dialog.show();
    chooseItem(formChild<QComboBox>(dialog, "section"), 0);
    QVERIFY(formChild<QWidget>(dialog, "width")->isHidden());
    accept(dialog);
    QCOMPARE(inv->mainData().profile, QStringLiteral("0"));
    QCOMPARE(inv->mainData().width, 400.0);
}

void TestIsybau2001MainDialog::freeTexts()
{
    auto inv = makeInspection(NormATV);
    InspectionHeader h;
    h.material = QStringLiteral("B");
    h.sewerKind = QStringLiteral("0");
    inv->setMainData(h);
    Isybau2001MainDialog dialog(inv.get());
    dialog.show();
    auto *material = formChild<QComboBox>(dialog, "material");
    auto *materialEdit = formChild<QLineEdit>(dialog, "materialEdit");
    auto *system = formChild<QComboBox>(dialog, "system");
    auto *systemEdit = formChild<QLineEdit>(dialog, "systemEdit");
    QVERIFY(!materialEdit->isEnabled());
    QVERIFY(!systemEdit->isEnabled());

    chooseItem(material, material->findText(QStringLiteral("sonstige Werkstoffe")));
    QVERIFY(materialEdit->isEnabled());
    QTest::keyClicks(materialEdit, QStringLiteral("Holz"));
    chooseItem(material, material->findText(QStringLiteral("Beton")));
    QVERIFY(!materialEdit->isEnabled());
    QCOMPARE(materialEdit->text(), QStringLiteral("Holz"));

    chooseItem(system, system->findText(QStringLiteral("Sondersystem")));
    QVERIFY(systemEdit->isEnabled());
    QTest::keyClicks(systemEdit, QStringLiteral("Rigole"));
    chooseItem(system, system->findText(QStringLiteral("Lüftung")));
    QVERIFY(!systemEdit->isEnabled());

    accept(dialog);
    QCOMPARE(inv->mainData().material, QStringLiteral("B"));
    QCOMPARE(inv->mainData().materialText, QStringLiteral("Holz"));
    QCOMPARE(inv->mainData().sewerKind, inv->systemOptions().key(QStringLiteral("Lüftung")));
    QCOMPARE(inv->mainData().sewerKindText, QStringLiteral("Rigole"));
}

// An empty code shows and stores the list's first entry; a code the list lacks shows that entry
// too but comes back as it was (with its own width) unless the user chooses.
void TestIsybau2001MainDialog::codes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("unknown");
    for (int kind : {int(NormATV), int(NormIsybau2001)}) {
        const QByteArray name = kind == NormATV ? "ATV" : "ISYBAU 2001";
        QTest::newRow(name + " empty codes") << kind << false;
        QTest::newRow(name + " unknown codes") << kind << true;
    }
}

void TestIsybau2001MainDialog::codes()
{
    QFETCH(int, kind);
    QFETCH(bool, unknown);
    auto inv = makeInspection(kind);
    InspectionHeader h = sizedHeader(unknown ? QStringLiteral("9") : QString(), 300, 500);
    if (unknown) {
        h.material = QStringLiteral("Q9");
        h.sewerKind = QStringLiteral("Q8");
        h.direction = QStringLiteral("Q7");
    }
    inv->setMainData(h);

    Isybau2001MainDialog dialog(inv.get());
    for (const char *name : {"material", "section", "system", "direction"})
        QCOMPARE(formChild<QComboBox>(dialog, name)->currentIndex(), 0);
    dialog.show();
    accept(dialog);
    const InspectionHeader stored = inv->mainData();
    if (unknown) {
        QCOMPARE(headerFields(stored), headerFields(h));
    } else {
        QCOMPARE(stored.material, inv->materialOptions().firstKey());
        QCOMPARE(stored.profile, inv->profileOptions().firstKey());
        QCOMPARE(stored.sewerKind, inv->systemOptions().firstKey());
        QCOMPARE(stored.direction, inv->directionOptions().firstKey());
        QCOMPARE(stored.width, 300.0);
    }

    // Choosing the shown entry takes its code.
    Isybau2001MainDialog again(inv.get());
    again.show();
    chooseItem(formChild<QComboBox>(again, "material"), 0);
    accept(again);
    QCOMPARE(inv->mainData().material, inv->materialOptions().firstKey());
}

void TestIsybau2001MainDialog::missingDate()
{
    auto inv = makeInspection(NormIsybau2001);
    Isybau2001MainDialog dialog(inv.get());
    QCOMPARE(formChild<QDateEdit>(dialog, "date")->date(), QDate::currentDate());
    dialog.show();
    accept(dialog);
    QCOMPARE(inv->mainData().date, QDate::currentDate());
}

void TestIsybau2001MainDialog::cancelLeavesTheHeader_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Escape") << true;
}

void TestIsybau2001MainDialog::cancelLeavesTheHeader()
{
    QFETCH(bool, escape);
    auto inv = makeInspection(NormATV);
    InspectionHeader before = sizedHeader(QStringLiteral("1"), 300, 500);
    before.inspector = QStringLiteral("Meier");
    before.material = QStringLiteral("SON");
    before.materialText = QStringLiteral("Holz");
    before.videoReference = QStringLiteral("17");
    inv->setMainData(before);

    Isybau2001MainDialog dialog(inv.get());
    dialog.show();
    QTest::keyClicks(formChild<QLineEdit>(dialog, "operator_2"), QStringLiteral("xyz"));
    QTest::keyClicks(formChild<QLineEdit>(dialog, "materialEdit"), QStringLiteral("xyz"));
    formChild<QSpinBox>(dialog, "width")->setValue(900);
    chooseItem(formChild<QComboBox>(dialog, "section"), 0);
    chooseItem(formChild<QComboBox>(dialog, "direction"), 1);
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(formChild<QPushButton>(dialog, "reject"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(headerFields(inv->mainData()), headerFields(before));
}

// The file holds three characters of the video reference; typing stops there, so what is typed
// is what comes back from the file.
void TestIsybau2001MainDialog::videoReferenceStopsWhereTheFileDoes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("ISYBAU 2001") << int(NormIsybau2001);
    QTest::newRow("ATV M-143-2") << int(NormATV);
}

void TestIsybau2001MainDialog::videoReferenceStopsWhereTheFileDoes()
{
    QFETCH(int, kind);
    auto inv = makeInspection(kind);
    Isybau2001MainDialog dialog(inv.get());
    dialog.show();
    auto *video = formChild<QLineEdit>(dialog, "video");
    QTest::keyClicks(video, QStringLiteral("12345"));
    QCOMPARE(video->text(), QStringLiteral("123"));
    // The other texts are kept whole in the side file.
    auto *street = formChild<QLineEdit>(dialog, "street");
    QTest::keyClicks(street, QString(45, QLatin1Char('s')));
    QCOMPARE(street->text().size(), 45);
    accept(dialog);
    QCOMPARE(inv->mainData().videoReference, QStringLiteral("123"));
}

QTEST_MAIN(TestIsybau2001MainDialog)
#include "tst_isybau2001maindialog.moc"
