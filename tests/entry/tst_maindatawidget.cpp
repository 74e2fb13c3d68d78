#include "entry/maindatawidget.h"
#include "model/investigation.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/headerhelpers.h"
#include "support/model/inspections.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

using namespace HeaderHelpers;

namespace {

const NormKind kAllStandards[] = {NormFreetext, NormATV, NormIsybau2001, NormEN135082,
                                  NormIsybau2006, NormDWAM1492, NormDanDas};

struct TextField
{
    const char *widget;
    QString InspectionHeader::*field;
};

const TextField kTextFields[] = {
    {"customer", &InspectionHeader::client},
    {"operator_2", &InspectionHeader::inspector},
    {"city", &InspectionHeader::town},
    {"street", &InspectionHeader::street},
    {"intake", &InspectionHeader::startNode},
    {"escape", &InspectionHeader::endNode},
    {"inspectionName", &InspectionHeader::sectionName},
    {"videoName", &InspectionHeader::videoReference},
    {"materialEdit", &InspectionHeader::materialText},
    {"systemEdit", &InspectionHeader::sewerKindText},
};

InspectionHeader textHeader()
{
    InspectionHeader h;
    h.client = QStringLiteral("Stadtwerke");
    h.inspector = QStringLiteral("Meier");
    h.town = QStringLiteral("Ulm");
    h.street = QStringLiteral("Hafengasse");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.sectionName = QStringLiteral("H17");
    h.videoReference = QStringLiteral("17");
    h.materialText = QStringLiteral("Holz");
    h.sewerKindText = QStringLiteral("Rigole");
    h.date = QDate(2022, 3, 4);
    return h;
}

QImage iconImage(const QPushButton *button)
{
    return button->icon().pixmap(QSize(16, 10)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage resourceImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestMainDataWidget : public QObject
{
    Q_OBJECT

private slots:
    void bindingOnlyShows_data();
    void bindingOnlyShows();
    void keystrokesStoreTheirField_data();
    void keystrokesStoreTheirField();
    void numbersDateAndChoices();
    void unboundPanelWritesNothing();
    void circularProfile_data();
    void circularProfile();
    void freeTexts();
    void collapseAndExpand();
    void moreData_data();
    void moreData();
    void videoReferenceStopsWhereTheFileDoes();
};

void TestMainDataWidget::bindingOnlyShows_data()
{
    QTest::addColumn<int>("kind");
    for (NormKind kind : kAllStandards)
        QTest::newRow(standardName(kind)) << int(kind);
}

// Sizes in whole millimetres on screen, codes without a text select nothing, and nothing of it
// goes back into the header.
void TestMainDataWidget::bindingOnlyShows()
{
    QFETCH(int, kind);
    auto inv = makeInspection(kind);
    InspectionHeader h = textHeader();
    h.height = 299.9;
    h.width = 450.5;
    h.material = QStringLiteral("Q9");
    h.profile = QStringLiteral("Q8");
    h.sewerKind = inv->systemOptions().isEmpty() ? QStringLiteral("Q7") : inv->systemOptions().lastKey();
    h.direction = inv->directionOptions().isEmpty() ? QStringLiteral("Q6") : inv->directionOptions().firstKey();
    inv->setMainData(h);

    MainDataWidget panel;
    QSignalSpy changed(&panel, &MainDataWidget::dataChanged);
    panel.setInvestigation(inv.get());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(headerFields(inv->mainData()), headerFields(h));

    QCOMPARE(formChild<QSpinBox>(panel, "height")->value(), 299);
    QCOMPARE(formChild<QSpinBox>(panel, "width")->value(), 450);
    QCOMPARE(formChild<QLineEdit>(panel, "customer")->text(), h.client);
    QCOMPARE(formChild<QLineEdit>(panel, "videoName")->text(), h.videoReference);
    QCOMPARE(formChild<QDateEdit>(panel, "date")->date(), h.date);
    QCOMPARE(formChild<QComboBox>(panel, "material")->currentIndex(), -1);
    QCOMPARE(formChild<QComboBox>(panel, "section")->currentIndex(), -1);
    QCOMPARE(formChild<QComboBox>(panel, "section")->count(), inv->profileOptions().size());
    QCOMPARE(formChild<QComboBox>(panel, "system")->currentText(), inv->systemOptions().value(h.sewerKind));
    QCOMPARE(formChild<QComboBox>(panel, "direction")->currentText(), inv->directionOptions().value(h.direction));
    // The free texts belong to ISYBAU 2001 and ATV only.
    const bool freeTexts = kind == NormATV || kind == NormIsybau2001;
    QCOMPARE(formChild<QLineEdit>(panel, "materialEdit")->text(), freeTexts ? h.materialText : QString());
}

void TestMainDataWidget::keystrokesStoreTheirField_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kTextFields)); ++i)
        QTest::newRow(kTextFields[i].widget) << i;
}

void TestMainDataWidget::keystrokesStoreTheirField()
{
    QFETCH(int, row);
    const TextField &f = kTextFields[row];
    auto inv = makeInspection(NormATV);
    InspectionHeader h = textHeader();
    h.material = QStringLiteral("SON"); // "sonstige Werkstoffe" and "Sondersystem": free texts open
    h.sewerKind = QStringLiteral("7");
    inv->setMainData(h);
    MainDataWidget panel;
    panel.setInvestigation(inv.get());
    panel.show();
    QSignalSpy changed(&panel, &MainDataWidget::dataChanged);

    auto *edit = formChild<QLineEdit>(panel, f.widget);
    QVERIFY(edit->isEnabled());
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(changed.count(), 1);
    InspectionHeader expected = h;
    expected.*f.field += QLatin1Char('x');
    QCOMPARE(headerFields(inv->mainData()), headerFields(expected));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(headerFields(inv->mainData()), headerFields(h));
}

void TestMainDataWidget::numbersDateAndChoices()
{
    auto inv = makeInspection(NormEN135082);
    InspectionHeader h = textHeader();
    h.profile = QStringLiteral("C");
    h.height = 300;
    h.width = 200;
    h.sewerKind = QStringLiteral("A");
    inv->setMainData(h);
    MainDataWidget panel;
    panel.setInvestigation(inv.get());
    panel.show();
    QSignalSpy changed(&panel, &MainDataWidget::dataChanged);

    formChild<QSpinBox>(panel, "height")->setValue(350);
    QCOMPARE(inv->mainData().height, 350.0);
    QCOMPARE(inv->mainData().width, 200.0);
    formChild<QSpinBox>(panel, "width")->setValue(420);
    QCOMPARE(inv->mainData().width, 420.0);
    formChild<QDateEdit>(panel, "date")->setDate(QDate(2024, 1, 2));
    QCOMPARE(inv->mainData().date, QDate(2024, 1, 2));
    auto *direction = formChild<QComboBox>(panel, "direction");
    chooseItem(direction, 1);
    QCOMPARE(inv->mainData().direction, inv->directionOptions().keys().at(1));
    auto *system = formChild<QComboBox>(panel, "system");
    chooseItem(system, system->findText(QStringLiteral("Regenwasser")));
    QCOMPARE(inv->mainData().sewerKind, QStringLiteral("C"));
    QCOMPARE(changed.count(), 5);
}

// No inspection, from the start or after one was closed: the fields clear, edits go nowhere, and
// the profile and free-text rules do not look for an inspection.
void TestMainDataWidget::unboundPanelWritesNothing()
{
    auto inv = makeInspection(NormIsybau2001);
    InspectionHeader h = textHeader();
    h.profile = QStringLiteral("0");
    h.material = QStringLiteral("SON");
    h.height = 300;
    inv->setMainData(h);

    for (bool afterClosing : {false, true}) {
        MainDataWidget panel;
        if (afterClosing) {
            panel.setInvestigation(inv.get());
            panel.setInvestigation(nullptr);
        }
        panel.show();
        QSignalSpy changed(&panel, &MainDataWidget::dataChanged);
        QCOMPARE(formChild<QLineEdit>(panel, "customer")->text(), QString());
        QCOMPARE(formChild<QComboBox>(panel, "section")->count(), 0);
        QCOMPARE(formChild<QLabel>(panel, "heightLabel")->text(), QStringLiteral("Höhe:"));
        QVERIFY(formChild<QSpinBox>(panel, "width")->isEnabled());
        QVERIFY(!formChild<QLineEdit>(panel, "materialEdit")->isEnabled());
        QCOMPARE(formChild<QDateEdit>(panel, "date")->date(), QDate::currentDate());

        QTest::keyClicks(formChild<QLineEdit>(panel, "customer"), QStringLiteral("abc"));
        formChild<QSpinBox>(panel, "height")->setValue(700);
        formChild<QSpinBox>(panel, "width")->setValue(800);
        formChild<QDateEdit>(panel, "date")->setDate(QDate(2001, 1, 1));
        formChild<QComboBox>(panel, "material")->addItem(QStringLiteral("sonstige Werkstoffe"));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!formChild<QLineEdit>(panel, "materialEdit")->isEnabled());
        ModalAnswerer answer; // no dialog may open
        QTest::mouseClick(formChild<QPushButton>(panel, "mainDataButton"), Qt::LeftButton);
        QVERIFY(answer.done());
        QCOMPARE(headerFields(inv->mainData()), headerFields(h));
    }
}

void TestMainDataWidget::circularProfile_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("circularCode");
    QTest::addColumn<QString>("otherCode");

    QTest::newRow("EN 13508-2") << int(NormEN135082) << "A" << "B";
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492) << "DN" << "BO";
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006) << "4" << "12";
    QTest::newRow("DanDas") << int(NormDanDas) << "A" << "B";
    QTest::newRow("ATV, first profile") << int(NormATV) << "0" << "1";
    QTest::newRow("ISYBAU 2001, first profile") << int(NormIsybau2001) << "0" << "3";
}

void TestMainDataWidget::circularProfile()
{
    QFETCH(int, kind);
    QFETCH(QString, circularCode);
    QFETCH(QString, otherCode);
    auto inv = makeInspection(kind);
    InspectionHeader h;
    h.profile = circularCode;
    h.height = 300;
    h.width = 300;
    inv->setMainData(h);
    MainDataWidget panel;
    panel.setInvestigation(inv.get());
    panel.show();
    QSignalSpy changed(&panel, &MainDataWidget::dataChanged);
    auto *heightLabel = formChild<QLabel>(panel, "heightLabel");
    auto *width = formChild<QSpinBox>(panel, "width");
    auto *section = formChild<QComboBox>(panel, "section");

    QCOMPARE(heightLabel->text(), QStringLiteral("Durchmesser:"));
    QVERIFY(!width->isEnabled());
    panel.retranslate();
    QCOMPARE(heightLabel->text(), QStringLiteral("Durchmesser:"));

    formChild<QSpinBox>(panel, "height")->setValue(400);
    QCOMPARE(inv->mainData().height, 400.0);
    QCOMPARE(inv->mainData().width, 400.0);
    QCOMPARE(changed.count(), 1);

    chooseItem(section, section->findText(inv->profileOptions().value(otherCode)));
    QCOMPARE(heightLabel->text(), QStringLiteral("Höhe:"));
    QVERIFY(width->isEnabled());
    QCOMPARE(inv->mainData().profile, otherCode);
    width->setValue(650);
    QCOMPARE(inv->mainData().width, 650.0);
    QCOMPARE(changed.count(), 3);

    chooseItem(section, section->findText(inv->profileOptions().value(circularCode)));
    QCOMPARE(inv->mainData().profile, circularCode);
    QCOMPARE(inv->mainData().width, 400.0);
    QCOMPARE(inv->mainData().height, 400.0);
    QCOMPARE(changed.count(), 4);
}

void TestMainDataWidget::freeTexts()
{
    auto atv = makeInspection(NormIsybau2001);
    InspectionHeader h = textHeader();
    h.material = QStringLiteral("B");
    h.sewerKind = QStringLiteral("0");
    atv->setMainData(h);
    MainDataWidget panel;
    panel.setInvestigation(atv.get());
    panel.show();
    auto *material = formChild<QComboBox>(panel, "material");
    auto *materialEdit = formChild<QLineEdit>(panel, "materialEdit");
    auto *system = formChild<QComboBox>(panel, "system");
    auto *systemEdit = formChild<QLineEdit>(panel, "systemEdit");
    QVERIFY(!materialEdit->isEnabled());
    QCOMPARE(atv->mainData().materialText, QStringLiteral("Holz"));

    chooseItem(material, material->findText(QStringLiteral("sonstige Werkstoffe")));
    QVERIFY(materialEdit->isEnabled());
    QCOMPARE(atv->mainData().material, QStringLiteral("SON"));
    QCOMPARE(atv->mainData().materialText, QStringLiteral("Holz"));
    chooseItem(material, material->findText(QStringLiteral("Beton")));
    QVERIFY(!materialEdit->isEnabled());
    QCOMPARE(atv->mainData().materialText, QString());

    chooseItem(system, system->findText(QStringLiteral("Sondersystem")));
    QVERIFY(systemEdit->isEnabled());
    QCOMPARE(atv->mainData().sewerKindText, QStringLiteral("Rigole"));

    // EN: no free texts; a change of the combo box clears the stored ones.
    auto en = makeInspection(NormEN135082);
    en->setMainData(textHeader());
    panel.setInvestigation(en.get());
    QVERIFY(!materialEdit->isEnabled());
    QVERIFY(!systemEdit->isEnabled());
    QCOMPARE(en->mainData().materialText, QStringLiteral("Holz"));
    chooseItem(material, 0);
    chooseItem(system, 0);
    QCOMPARE(en->mainData().materialText, QString());
    QCOMPARE(en->mainData().sewerKindText, QString());
    QVERIFY(!materialEdit->isEnabled());
}

void TestMainDataWidget::collapseAndExpand()
{
    MainDataWidget panel;
    auto *frame = formChild<QFrame>(panel, "frame");
    auto *line = formChild<QFrame>(panel, "line");
    auto *up = formChild<QPushButton>(panel, "upButton");
    const QImage upImage = resourceImage(QStringLiteral(":/icons/up.png"));
    const QImage downImage = resourceImage(QStringLiteral(":/icons/down.png"));
    QVERIFY(!upImage.isNull() && !downImage.isNull() && upImage != downImage);

    // Asked before the main window is shown.
    QVERIFY(panel.isDataVisible());
    QCOMPARE(iconImage(up), upImage);

    panel.show();
    QVERIFY(!line->isVisible());
    QTest::mouseClick(up, Qt::LeftButton);
    QVERIFY(!panel.isDataVisible());
    QVERIFY(!frame->isVisible());
    QVERIFY(line->isVisible());
    QCOMPARE(iconImage(up), downImage);

    panel.hide();
    QVERIFY(!panel.isDataVisible());
    panel.setDataVisible(true);
    QVERIFY(panel.isDataVisible());
    QVERIFY(!frame->isHidden());
    QVERIFY(line->isHidden());
    QCOMPARE(iconImage(up), upImage);
}

void TestMainDataWidget::moreData_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("dialogClass");
    QTest::addColumn<bool>("accepted");

    for (NormKind kind : kAllStandards) {
        const QByteArray dialog = kind == NormATV || kind == NormIsybau2001 ? "Isybau2001MainDialog" : "ENMainDataDialog";
        const QByteArray name = standardName(kind);
        QTest::newRow(name + " accepted") << int(kind) << dialog << true;
        QTest::newRow(name + " cancelled") << int(kind) << dialog << false;
    }
}

void TestMainDataWidget::moreData()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, dialogClass);
    QFETCH(bool, accepted);
    auto inv = makeInspection(kind);
    const InspectionHeader before = textHeader();
    inv->setMainData(before);
    MainDataWidget panel;
    panel.setInvestigation(inv.get());
    panel.show();
    QSignalSpy changed(&panel, &MainDataWidget::dataChanged);

    ModalAnswerer answer;
    if (accepted) {
        answer.expect(dialogClass.constData(), [](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("customer"))->setText(QStringLiteral("Neukunde"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("accept")), Qt::LeftButton);
        });
    } else {
        answer.expect(dialogClass.constData(), [](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("customer"))->setText(QStringLiteral("Neukunde"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("reject")), Qt::LeftButton);
        });
    }
    QTest::mouseClick(formChild<QPushButton>(panel, "mainDataButton"), Qt::LeftButton);
    QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(' '))));

    const QString customer = accepted ? QStringLiteral("Neukunde") : before.client;
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE(inv->mainData().client, customer);
    QCOMPARE(formChild<QLineEdit>(panel, "customer")->text(), customer);
    if (!accepted)
        QCOMPARE(headerFields(inv->mainData()), headerFields(before));
}

// The ISYBAU 2001 file holds three characters of the video reference: typing stops there; the
// panel bound to another standard takes the whole text again.
void TestMainDataWidget::videoReferenceStopsWhereTheFileDoes()
{
    auto isybau = makeInspection(NormIsybau2001);
    auto en = makeInspection(NormEN135082);
    MainDataWidget panel;
    panel.setInvestigation(isybau.get());
    panel.show();
    auto *video = formChild<QLineEdit>(panel, "videoName");
    QTest::keyClicks(video, QStringLiteral("12345"));
    QCOMPARE(isybau->mainData().videoReference, QStringLiteral("123"));

    panel.setInvestigation(en.get());
    video->clear();
    QTest::keyClicks(video, QStringLiteral("12345"));
    QCOMPARE(en->mainData().videoReference, QStringLiteral("12345"));
}

QTEST_MAIN(TestMainDataWidget)
#include "tst_maindatawidget.moc"
