#include "entry/enmaindatadialog.h"
#include "model/investigation.h"
#include "support/formaccess.h"
#include "support/model/headerhelpers.h"
#include "support/model/inspections.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QtTest>

using namespace HeaderHelpers;

namespace {

// Every field of the form with the label beside it (`video` shares the label of `videoMedium`).
const QList<QPair<QString, QString>> kFields = {
    {"customer", "customerLabel"}, {"operator_2", "operatorLabel"}, {"company", "companyLabel"},
    {"city", "cityLabel"}, {"street", "streetLabel"}, {"inspectionNumber", "inspNumberLabel"},
    {"objectName", "inspectionLabel"}, {"date", "dateLabel"}, {"time", "timeLabel"},
    {"inspectionLength", "lengthLabel"}, {"pipeLength", "pipeLengthLabel"}, {"intake", "intakeLabel"},
    {"intakeType", "label_6"}, {"escape", "escapeLabel"}, {"escapeType", "label_9"},
    {"videoName", "videoLabel"}, {"videoMedium", "videoMediumLabel"}, {"video", ""},
    {"material", "materialLabel"}, {"materialSource", "label_19"}, {"section", "sectionLabel"},
    {"sectionSource", "label_21"}, {"height", "heightLabel"}, {"width", "widthLabel"},
    {"direction", "directionLabel"}, {"cleaning", "cleaningLabel"}, {"holdback", "holdBackLabel"},
    {"pipeType", "pipeTypeLabel"}, {"pipeUse", "pipeUseLabel"}, {"reason", "reasonLabel"},
    {"insideProtection", "insideProtectionLabel"}, {"lining", "liningLabel"},
    {"liningMaterial", "liningMaterialLabel"}, {"startPosition", "startPositionLabel"},
    {"installType", "installTypeLabel"}, {"weather", "weatherLabel"},
};

void accept(ENMainDataDialog &dialog)
{
    QTest::mouseClick(formChild<QPushButton>(dialog, "accept"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void showTab(ENMainDataDialog &dialog, int tab)
{
    dialog.show();
    formChild<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(tab);
}

// The last code of a list, or a code no catalogue has where the list is empty.
QString someCode(const OptionMap &options)
{
    return options.isEmpty() ? QStringLiteral("Q9") : options.lastKey();
}

// A header with every field the form edits set; codes from the inspection's own lists, codes the
// lists lack in the material, pipe use and every empty list, and a non-circular profile.
InspectionHeader fullHeader(const Investigation &inv)
{
    InspectionHeader h;
    h.client = QStringLiteral("Stadtwerke");
    h.company = QStringLiteral("Kanal-TV GmbH");
    h.inspector = QStringLiteral("Meier");
    h.town = QStringLiteral("Ulm");
    h.street = QStringLiteral("Hafengasse");
    h.sectionName = QStringLiteral("H17");
    h.orderNumber = QStringLiteral("A-42");
    h.startNode = QStringLiteral("S1");
    h.endNode = QStringLiteral("S2");
    h.startNodeType = someCode(inv.nodeTypeOptions());
    h.endNodeType = someCode(inv.nodeTypeOptions());
    h.profile = inv.profileOptions().isEmpty() ? QStringLiteral("Q9") : QStringLiteral("B");
    if (inv.normKind() == NormDWAM1492 || inv.normKind() == NormIsybau2006)
        h.profile = inv.normKind() == NormDWAM1492 ? QStringLiteral("EI") : QStringLiteral("12");
    h.profileSource = someCode(inv.profileSourceOptions());
    h.height = 300;
    h.width = 500;
    h.material = QStringLiteral("Q9");
    h.materialSource = someCode(inv.materialSourceOptions());
    h.liningMaterial = someCode(inv.materialOptions());
    h.lining = someCode(inv.liningOptions());
    h.protection = someCode(inv.protectionOptions());
    h.inspectionMethod = QStringLiteral("M");
    h.weather = someCode(inv.weatherOptions());
    h.sewerKind = someCode(inv.systemOptions());
    h.pipeType = QStringLiteral("Q8");
    h.installationType = someCode(inv.installationTypeOptions());
    h.inspectionKind = QStringLiteral("K");
    h.videoReference = QStringLiteral("film-17.mpg");
    h.videoMedium = inv.normKind() == NormDanDas ? QStringLiteral("DVD 3") : someCode(inv.videoMediumOptions());
    h.videoReferenceKind = QStringLiteral("V");
    h.startPosition = someCode(inv.startPositionOptions());
    h.reason = inv.normKind() == NormDanDas ? QStringLiteral("Fejlsøgning") : someCode(inv.reasonOptions());
    h.cleaning = someCode(inv.cleaningOptions());
    h.flowControl = someCode(inv.flowControlOptions());
    h.direction = someCode(inv.directionOptions());
    h.date = QDate(2023, 5, 17);
    h.time = QTime(10, 15);
    h.inspectionLength = 12.34;
    h.pipeUnitLength = 2.5;
    h.filmEndFrame = 7;
    h.sewerKindText = QStringLiteral("frei");
    h.materialText = QStringLiteral("Ton");
    return h;
}

} // namespace

class TestENMainDataDialog : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void adaptation_data();
    void adaptation();
    void circularProfile_data();
    void circularProfile();
    void profileRuleFollowsTheChoice();
    void untouchedAcceptanceKeepsTheHeader_data();
    void untouchedAcceptanceKeepsTheHeader();
    void danDasReasonAndVideoMedium_data();
    void danDasReasonAndVideoMedium();
    void choicesStoreTheirCodes();
    void liningRule();
    void storedValuesAsTheFormHoldsThem();
    void cancelLeavesTheHeader_data();
    void cancelLeavesTheHeader();
    void typingStopsWhereTheFileDoes_data();
    void typingStopsWhereTheFileDoes();
};

void TestENMainDataDialog::form()
{
    auto inv = makeInspection(NormEN135082);
    ENMainDataDialog dialog(inv.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Grundlagendaten"));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY((flags & Qt::CustomizeWindowHint) && (flags & Qt::WindowTitleHint));
    QVERIFY(!(flags & Qt::WindowCloseButtonHint) && !(flags & Qt::WindowSystemMenuHint));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.width() >= 705 && dialog.height() >= 558);
    QVERIFY(formChild<QPushButton>(dialog, "accept")->isDefault());
    QCOMPARE(formChild<QTabWidget>(dialog, "tabWidget")->currentIndex(), 0);
    QCOMPARE(formChild<QTabWidget>(dialog, "tabWidget")->tabText(1), QStringLiteral("Kanaldaten"));
    QCOMPARE(formChild<QDoubleSpinBox>(dialog, "pipeLength")->maximum(), 99.99);
    QCOMPARE(formChild<QDoubleSpinBox>(dialog, "inspectionLength")->suffix(), QStringLiteral("m"));
    QCOMPARE(formChild<QSpinBox>(dialog, "width")->maximum(), 9999);
    QCOMPARE(formChild<QDateEdit>(dialog, "date")->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(formChild<QComboBox>(dialog, "lining")->itemText(0), QStringLiteral("keine Angabe"));
}

void TestENMainDataDialog::adaptation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("labelsStaying");
    QTest::addColumn<QString>("inspectionLabel");
    QTest::addColumn<QString>("pipeUseLabel");
    QTest::addColumn<bool>("videoMediumEnabled");

    QTest::newRow("EN 13508-2") << int(NormEN135082)
                                << QStringList{"company", "intakeType", "escapeType", "pipeLength", "materialSource",
                                               "sectionSource", "pipeUse", "insideProtection", "liningMaterial",
                                               "installType", "weather", "video"}
                                << QStringList() << "Inspektion:" << "Rohrleitungstyp:" << false;
    QTest::newRow("DWA-M 149-2") << int(NormDWAM1492)
                                 << QStringList{"intakeType", "escapeType", "materialSource", "sectionSource",
                                                "insideProtection", "installType", "weather", "video"}
                                 << QStringList() << "Inspektion:" << "Abwasserart:" << true;
    QTest::newRow("ISYBAU 2006") << int(NormIsybau2006)
                                 << QStringList{"company", "reason", "liningMaterial", "weather", "video"}
                                 << QStringList() << "Objektbezeichnung:" << "Rohrleitungstyp:" << true;
    QTest::newRow("DanDas") << int(NormDanDas)
                            << QStringList{"company", "inspectionNumber", "time", "pipeLength", "reason",
                                           "installType", "pipeUse", "holdback", "liningMaterial", "startPosition",
                                           "materialSource", "sectionSource", "videoMedium"}
                            << QStringList{"label_19", "label_21", "videoMediumLabel"} << "Inspektionsårsag:"
                            << "Rohrleitungstyp:" << true;
    QTest::newRow("free text") << int(NormFreetext) << QStringList{"video"} << QStringList() << "Objektbezeichnung:"
                               << "Rohrleitungstyp:" << true;
}

// Judged by the adaptation alone: the dialog is not shown, and half of it is on the other tab.
void TestENMainDataDialog::adaptation()
{
    QFETCH(int, kind);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, labelsStaying);
    QFETCH(QString, inspectionLabel);
    QFETCH(QString, pipeUseLabel);
    QFETCH(bool, videoMediumEnabled);

    auto inv = makeInspection(kind);
    ENMainDataDialog dialog(inv.get());
    QStringList hiddenFields;
    QStringList hiddenLabels;
    QStringList expectedLabels;
    for (const auto &f : kFields) {
        if (formChild<QWidget>(dialog, f.first)->isHidden())
            hiddenFields << f.first;
        if (f.second.isEmpty())
            continue;
        if (formChild<QLabel>(dialog, f.second)->isHidden())
            hiddenLabels << f.second;
        if (hidden.contains(f.first) && !labelsStaying.contains(f.second))
            expectedLabels << f.second;
    }
    QCOMPARE(hiddenFields, [&] {
        QStringList inFormOrder;
        for (const auto &f : kFields) {
            if (hidden.contains(f.first))
                inFormOrder << f.first;
        }
        return inFormOrder;
    }());
    QCOMPARE(hiddenLabels, expectedLabels);
    QCOMPARE(formChild<QLabel>(dialog, "inspectionLabel")->text(), inspectionLabel);
    QCOMPARE(formChild<QLabel>(dialog, "pipeUseLabel")->text(), pipeUseLabel);
    QCOMPARE(formChild<QWidget>(dialog, "videoMedium")->isEnabled(), videoMediumEnabled);
    QVERIFY(formChild<QPushButton>(dialog, "load")->isHidden());
}

void TestENMainDataDialog::circularProfile_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("circular");
    QTest::addColumn<int>("tab");

    for (int tab : {0, 1}) {
        const QByteArray on = tab == 0 ? " from Grunddaten" : " from Kanaldaten";
        QTest::newRow("ISYBAU 2006 4" + on) << int(NormIsybau2006) << "4" << true << tab;
        QTest::newRow("ISYBAU 2006 12" + on) << int(NormIsybau2006) << "12" << false << tab;
        QTest::newRow("EN A" + on) << int(NormEN135082) << "A" << true << tab;
        QTest::newRow("EN C" + on) << int(NormEN135082) << "C" << false << tab;
        QTest::newRow("DWA DN" + on) << int(NormDWAM1492) << "DN" << true << tab;
        QTest::newRow("DWA BO" + on) << int(NormDWAM1492) << "BO" << false << tab;
        QTest::newRow("DanDas A" + on) << int(NormDanDas) << "A" << true << tab;
        QTest::newRow("DanDas B" + on) << int(NormDanDas) << "B" << false << tab;
    }
}

void TestENMainDataDialog::circularProfile()
{
    QFETCH(int, kind);
    QFETCH(QString, profile);
    QFETCH(bool, circular);
    QFETCH(int, tab);

    auto inv = makeInspection(kind);
    InspectionHeader h;
    h.profile = profile;
    h.height = 300.7;
    h.width = 500.9;
    inv->setMainData(h);

    ENMainDataDialog dialog(inv.get());
    QCOMPARE(formChild<QSpinBox>(dialog, "height")->value(), 300);
    QCOMPARE(formChild<QWidget>(dialog, "width")->isHidden(), circular);
    QCOMPARE(formChild<QWidget>(dialog, "widthLabel")->isHidden(), circular);
    QCOMPARE(formChild<QLabel>(dialog, "heightLabel")->text(), circular ? QStringLiteral("Durchmesser:") : QStringLiteral("Höhe:"));

    showTab(dialog, tab);
    accept(dialog);
    QCOMPARE(inv->mainData().profile, profile);
    QCOMPARE(inv->mainData().height, 300.0);
    QCOMPARE(inv->mainData().width, circular ? 300.0 : 500.0);
}

void TestENMainDataDialog::profileRuleFollowsTheChoice()
{
    auto inv = makeInspection(NormIsybau2006);
    InspectionHeader h;
    h.profile = QStringLiteral("12");
    h.height = 400;
    h.width = 600;
    inv->setMainData(h);
    ENMainDataDialog dialog(inv.get());
    dialog.show();
    auto *section = formChild<QComboBox>(dialog, "section");
    auto *width = formChild<QWidget>(dialog, "width");

    chooseItem(section, section->findText(QStringLiteral("Kreisprofil (doppelwandig)")));
    QVERIFY(width->isHidden());
    QCOMPARE(formChild<QLabel>(dialog, "heightLabel")->text(), QStringLiteral("Durchmesser:"));
    chooseItem(section, section->findText(QStringLiteral("oval (Sohle und Scheitel kreisförmig mit gleichem Durchmesser und parallele Wände)")));
    QVERIFY(!width->isHidden());
    QCOMPARE(formChild<QLabel>(dialog, "heightLabel")->text(), QStringLiteral("Höhe:"));

    chooseItem(section, section->findText(QStringLiteral("Kreisprofil")));
    accept(dialog);
    QCOMPARE(inv->mainData().profile, QStringLiteral("0"));
    QCOMPARE(inv->mainData().width, 400.0);
}

void TestENMainDataDialog::untouchedAcceptanceKeepsTheHeader_data()
{
    QTest::addColumn<int>("kind");
    for (NormKind kind : {NormEN135082, NormDWAM1492, NormIsybau2006, NormDanDas, NormFreetext})
        QTest::newRow(standardName(kind)) << int(kind);
}

// Unknown codes in shown and hidden combo boxes, the width on the other tab and the DanDas
// section name all come back as they were.
void TestENMainDataDialog::untouchedAcceptanceKeepsTheHeader()
{
    QFETCH(int, kind);
    auto inv = makeInspection(kind);
    const InspectionHeader before = fullHeader(*inv);
    inv->setMainData(before);

    ENMainDataDialog dialog(inv.get());
    dialog.show();
    accept(dialog);
    QCOMPARE(headerFields(inv->mainData()), headerFields(before));
}

void TestENMainDataDialog::danDasReasonAndVideoMedium_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("from Grunddaten") << 0;
    QTest::newRow("from Kanaldaten") << 1;
}

void TestENMainDataDialog::danDasReasonAndVideoMedium()
{
    QFETCH(int, tab);
    auto inv = makeInspection(NormDanDas);
    InspectionHeader h;
    h.sectionName = QStringLiteral("Ledning 17");
    h.reason = QStringLiteral("Inspektion før overtagelse");
    h.videoMedium = QStringLiteral("DVD 3");
    inv->setMainData(h);

    {
        ENMainDataDialog dialog(inv.get());
        QCOMPARE(formChild<QLineEdit>(dialog, "objectName")->text(), h.reason);
        QCOMPARE(formChild<QLineEdit>(dialog, "video")->text(), h.videoMedium);
        showTab(dialog, tab);
        accept(dialog);
        QCOMPARE(inv->mainData().reason, h.reason);
        QCOMPARE(inv->mainData().videoMedium, h.videoMedium);
        QCOMPARE(inv->mainData().sectionName, h.sectionName);
    }

    ENMainDataDialog dialog(inv.get());
    showTab(dialog, tab);
    formChild<QLineEdit>(dialog, "objectName")->setText(QStringLiteral("Ny årsag"));
    formChild<QLineEdit>(dialog, "video")->setText(QStringLiteral("USB"));
    accept(dialog);
    QCOMPARE(inv->mainData().reason, QStringLiteral("Ny årsag"));
    QCOMPARE(inv->mainData().videoMedium, QStringLiteral("USB"));
    QCOMPARE(inv->mainData().sectionName, h.sectionName);
}

void TestENMainDataDialog::choicesStoreTheirCodes()
{
    auto inv = makeInspection(NormEN135082);
    InspectionHeader h;
    h.material = QStringLiteral("Q9");
    h.lining = QStringLiteral("A");
    h.sewerKind = QStringLiteral("A");
    inv->setMainData(h);

    ENMainDataDialog dialog(inv.get());
    dialog.show();
    auto *material = formChild<QComboBox>(dialog, "material");
    auto *lining = formChild<QComboBox>(dialog, "lining");
    auto *system = formChild<QComboBox>(dialog, "pipeType");
    QCOMPARE(material->currentIndex(), -1);
    QCOMPARE(lining->currentText(), inv->liningOptions().value(QStringLiteral("A")));
    QCOMPARE(system->currentText(), QStringLiteral("Mischwasser"));

    chooseItem(material, 2);
    chooseItem(lining, 0); // "keine Angabe"
    chooseItem(system, system->findText(QStringLiteral("Regenwasser")));
    accept(dialog);
    QCOMPARE(inv->mainData().material, inv->materialOptions().keys().at(2));
    QCOMPARE(inv->mainData().lining, QString());
    QCOMPARE(inv->mainData().sewerKind, QStringLiteral("C"));
}

void TestENMainDataDialog::liningRule()
{
    auto inv = makeInspection(NormDWAM1492);
    ENMainDataDialog dialog(inv.get());
    dialog.show();
    auto *lining = formChild<QComboBox>(dialog, "lining");
    auto *liningMaterial = formChild<QWidget>(dialog, "liningMaterial");
    QCOMPARE(lining->currentText(), QStringLiteral("keine Angabe"));
    QVERIFY(!liningMaterial->isEnabled());
    chooseItem(lining, lining->findText(QStringLiteral("Schlauchliner")));
    QVERIFY(liningMaterial->isEnabled());
    chooseItem(lining, 0);
    QVERIFY(!liningMaterial->isEnabled());
}

// Sizes in whole millimetres, values clamped to the fields' ranges (also where hidden), a missing
// date or time as now, and the stored inspection length rather than the one the observations
// stretch.
void TestENMainDataDialog::storedValuesAsTheFormHoldsThem()
{
    auto inv = makeInspection(NormEN135082);
    InspectionHeader h;
    h.profile = QStringLiteral("C");
    h.height = 299.9;
    h.width = 12000;
    h.inspectionLength = 10.0;
    h.pipeUnitLength = 150;
    inv->setMainData(h);
    ObservationRecord far;
    far.distance = 12.0;
    inv->mutableObservations() << far;
    QVERIFY(inv->inspectedLength() > 11.9);

    ENMainDataDialog dialog(inv.get());
    QCOMPARE(formChild<QDoubleSpinBox>(dialog, "inspectionLength")->value(), 10.0);
    QCOMPARE(formChild<QDateEdit>(dialog, "date")->date(), QDate::currentDate());
    dialog.show();
    accept(dialog);
    const InspectionHeader stored = inv->mainData();
    QCOMPARE(stored.height, 299.0);
    QCOMPARE(stored.width, 9999.0);
    QCOMPARE(stored.inspectionLength, 10.0);
    QCOMPARE(stored.pipeUnitLength, 99.99);
    QCOMPARE(stored.date, QDate::currentDate());
    QVERIFY(stored.time.isValid());
}

void TestENMainDataDialog::cancelLeavesTheHeader_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Escape") << true;
}

void TestENMainDataDialog::cancelLeavesTheHeader()
{
    QFETCH(bool, escape);
    auto inv = makeInspection(NormDWAM1492);
    const InspectionHeader before = fullHeader(*inv);
    inv->setMainData(before);

    ENMainDataDialog dialog(inv.get());
    dialog.show();
    QTest::keyClicks(formChild<QLineEdit>(dialog, "customer"), QStringLiteral("xyz"));
    formChild<QSpinBox>(dialog, "height")->setValue(800);
    formChild<QDateEdit>(dialog, "date")->setDate(QDate(2001, 1, 1));
    chooseItem(formChild<QComboBox>(dialog, "material"), 1);
    chooseItem(formChild<QComboBox>(dialog, "lining"), 0);
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(formChild<QPushButton>(dialog, "reject"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(headerFields(inv->mainData()), headerFields(before));
}

QTEST_MAIN(TestENMainDataDialog)
#include "tst_enmaindatadialog.moc"

void TestENMainDataDialog::typingStopsWhereTheFileDoes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString long45(45, QLatin1Char('x'));
    QTest::newRow("ISYBAU 2006 street") << int(NormIsybau2006) << "street" << long45 << QString(40, QLatin1Char('x'));
    QTest::newRow("ISYBAU 2006 section") << int(NormIsybau2006) << "objectName" << long45 << QString(30, QLatin1Char('x'));
    QTest::newRow("ISYBAU 2006 client") << int(NormIsybau2006) << "customer" << long45 + long45 << QString(60, QLatin1Char('x'));
    QTest::newRow("ISYBAU 2006 order number") << int(NormIsybau2006) << "inspectionNumber" << "A12b34567" << "123456";
    QTest::newRow("EN 13508-2 street") << int(NormEN135082) << "street" << long45 << long45;
    QTest::newRow("DWA-M 149-2 order number") << int(NormDWAM1492) << "inspectionNumber" << "A-17" << "A-17";
}

// The ISYBAU 2006 file holds texts of a limited length and a whole order number: typing stops
// there, and the saved file passes its check. Other standards keep what is typed.
void TestENMainDataDialog::typingStopsWhereTheFileDoes()
{
    QFETCH(int, kind);
    QFETCH(QString, widget);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    auto inv = makeInspection(kind);
    ENMainDataDialog dialog(inv.get());
    dialog.show();
    auto *edit = formChild<QLineEdit>(dialog, qPrintable(widget));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
    accept(dialog);
    const InspectionHeader h = inv->mainData();
    QVERIFY(QStringList({h.street, h.sectionName, h.client, h.orderNumber}).contains(kept));
    if (kind == NormIsybau2006) {
        QCOMPARE(formChild<QDoubleSpinBox>(dialog, "inspectionLength")->maximum(), 999.99);
        const QStringList problems = qobject_cast<Isybau2006 *>(inv.get())->schemaProblems();
        QVERIFY2(problems.filter(QStringLiteral("länger")).isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        if (widget == QLatin1String("inspectionNumber"))
            QVERIFY2(problems.filter(QStringLiteral("Auftragskennung")).isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // A longer text read from a file stays whole.
    InspectionHeader read;
    read.street = QString(45, QLatin1Char('s'));
    inv->setMainData(read);
    ENMainDataDialog again(inv.get());
    again.show();
    QCOMPARE(formChild<QLineEdit>(again, "street")->text(), read.street);
    accept(again);
    QCOMPARE(inv->mainData().street, read.street);
}
