#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/connectedinspection.h"
#include "view3d/dialogs/investdialog.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/viewer3d.h"
#include "support/formaccess.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "support/testenv.h"
#include "viewerrenders.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

ObservationRecord at(double distance, const QString &code, int second)
{
    ObservationRecord o = observation(distance, code);
    o.videoTime = QTime(0, 1, second);
    return o;
}

// An EN inspection 20 m long with three observations that do not shape the course, laid out as
// a course with one label per observation.
struct Fixture
{
    explicit Fixture(double width = 300.0)
        : inspection(makeInspection(NormEN135082))
    {
        Global::instance()->config()->setLabelText(0);
        InspectionHeader header = inspection->mainData();
        header.width = width;
        header.inspectionLength = 20.0;
        header.sectionName = QStringLiteral("H 12");
        header.material = inspection->materialOptions().firstKey();
        header.materialText = QStringLiteral("frei");
        header.direction = inspection->directionOptions().firstKey();
        inspection->setMainData(header);
        inspection->mutableObservations() = {at(2, "BAB", 1), at(4, "BDB", 2), at(6, "BAB", 3)};
        course = std::make_unique<ConnectedInspection>(inspection.get(), new ManipulatedSystem3D, nullptr);
        course->build(0.0);
    }

    QList<bool> visibility() const
    {
        QList<bool> visible;
        for (const Label3D *label : course->labels())
            visible << label->isVisible();
        return visible;
    }

    std::unique_ptr<Investigation> inspection;
    std::unique_ptr<ConnectedInspection> course;
};

QListWidget *rows(const QDialog &dialog)
{
    return formChild<QListWidget>(dialog, "listWidget");
}

void toggle(const QDialog &dialog, int row)
{
    QListWidgetItem *item = rows(dialog)->item(row);
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

QString rowText(const Investigation &inspection, const ObservationRecord &o)
{
    return QString::number(o.distance, 'f', 2) + QStringLiteral("m ") + inspection.observationDescription(o);
}

} // namespace

class TestInvestDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheHeaderAndOneRowPerLabel();
    void rowsSwitchLabelsAtOnceAndCancelRestores_data();
    void rowsSwitchLabelsAtOnceAndCancelRestores();
    void togglingTwiceIsNoChange();
    void acceptWritesTheHeader_data();
    void acceptWritesTheHeader();
    void codesTheBoxesCanNotShowSurvive();
    void rowsNameTheirLabelsObservation();
    void rowsOfObservationsOfOneKey();
    void courseWithoutInspectionShowsAnEmptyForm();

private:
    TestEnvironment m_env;
    // The first use of the settings tells about the project folder it chose.
    ReporterCapture m_reports;
};

void TestInvestDialog::showsTheHeaderAndOneRowPerLabel()
{
    Fixture f(300.7);
    Viewer3D viewer;
    InvestDialog dialog(f.course.get(), &viewer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Untersuchung"));
    QCOMPARE(formChild<QLineEdit>(dialog, "lePipelineName")->text(), QStringLiteral("H 12"));
    QCOMPARE(formChild<QSpinBox>(dialog, "sbWidth")->value(), 300);
    auto *material = formChild<QComboBox>(dialog, "cbMaterialType");
    QCOMPARE(comboItems(material), f.inspection->materialOptions().values());
    QCOMPARE(material->currentText(), f.inspection->materialOptions().first());
    auto *direction = formChild<QComboBox>(dialog, "cbDirection");
    QCOMPARE(comboItems(direction), f.inspection->directionOptions().values());
    QCOMPARE(direction->currentText(), f.inspection->directionOptions().first());

    const QVector<ObservationRecord> observations = f.inspection->observations();
    QCOMPARE(rows(dialog)->count(), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(rows(dialog)->item(row)->text(), rowText(*f.inspection, observations.at(row)));
        QCOMPARE(rows(dialog)->item(row)->checkState(), Qt::Checked);
    }
    QVERIFY(!dialog.isModified());
}

void TestInvestDialog::rowsSwitchLabelsAtOnceAndCancelRestores_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Escape") << true;
}

void TestInvestDialog::rowsSwitchLabelsAtOnceAndCancelRestores()
{
    QFETCH(bool, escape);
    Fixture f;
    f.course->labels()[2]->setVisible(false);
    Viewer3D viewer;
    RenderRequests renders(&viewer);
    InvestDialog dialog(f.course.get(), &viewer);
    dialog.show();
    QCOMPARE(rows(dialog)->item(2)->checkState(), Qt::Unchecked);
    QCOMPARE(renders.take(), 0);

    toggle(dialog, 0);
    QCOMPARE(f.visibility(), (QList<bool>{false, true, false}));
    QCOMPARE(renders.take(), 1);
    toggle(dialog, 2);
    QCOMPARE(f.visibility(), (QList<bool>{false, true, true}));
    QVERIFY(dialog.isModified());
    formChild<QLineEdit>(dialog, "lePipelineName")->setText(QStringLiteral("anders"));
    formChild<QSpinBox>(dialog, "sbWidth")->setValue(500);

    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        formChild<QPushButton>(dialog, "reject")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(f.visibility(), (QList<bool>{true, true, false}));
    QVERIFY(renders.take() >= 1);
    QVERIFY(!dialog.isModified());
    QCOMPARE(f.inspection->mainData().sectionName, QStringLiteral("H 12"));
    QCOMPARE(f.inspection->mainData().width, 300.0);
    QVERIFY(!f.inspection->isChanged());
}

void TestInvestDialog::togglingTwiceIsNoChange()
{
    Fixture f;
    InvestDialog dialog(f.course.get(), nullptr);
    toggle(dialog, 1);
    QVERIFY(dialog.isModified());
    toggle(dialog, 1);
    formChild<QPushButton>(dialog, "accept")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isModified());
    QVERIFY(!f.inspection->isChanged());
    QCOMPARE(f.visibility(), (QList<bool>{true, true, true}));
}

void TestInvestDialog::acceptWritesTheHeader_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("modified");
    QTest::newRow("nothing edited") << 300.0 << "" << false;
    QTest::newRow("width with a fraction") << 300.7 << "" << true;
    QTest::newRow("pipe name") << 300.0 << "name" << false;
    QTest::newRow("diameter") << 300.0 << "width" << true;
    QTest::newRow("material") << 300.0 << "material" << true;
    QTest::newRow("direction") << 300.0 << "direction" << true;
}

// Only what the 3D project shows flags it; everything written marks the inspection for saving.
void TestInvestDialog::acceptWritesTheHeader()
{
    QFETCH(double, width);
    QFETCH(QString, edit);
    QFETCH(bool, modified);
    Fixture f(width);
    const InspectionHeader before = f.inspection->mainData();
    const OptionMap materials = f.inspection->materialOptions();
    const OptionMap directions = f.inspection->directionOptions();
    QVERIFY(materials.size() > 1 && directions.size() > 1);
    InvestDialog dialog(f.course.get(), nullptr);

    InspectionHeader expected = before;
    expected.width = int(width);
    if (edit == QLatin1String("name")) {
        formChild<QLineEdit>(dialog, "lePipelineName")->setText(QStringLiteral("H 12a"));
        expected.sectionName = QStringLiteral("H 12a");
    } else if (edit == QLatin1String("width")) {
        formChild<QSpinBox>(dialog, "sbWidth")->setValue(400);
        expected.width = 400;
    } else if (edit == QLatin1String("material")) {
        formChild<QComboBox>(dialog, "cbMaterialType")->setCurrentIndex(1);
        expected.material = materials.keys().at(1);
        expected.materialText = materials.values().at(1);
    } else if (edit == QLatin1String("direction")) {
        formChild<QComboBox>(dialog, "cbDirection")->setCurrentIndex(1);
        expected.direction = directions.keys().at(1);
    }
    formChild<QPushButton>(dialog, "accept")->click();

    const InspectionHeader after = f.inspection->mainData();
    QCOMPARE(after.sectionName, expected.sectionName);
    QCOMPARE(after.width, expected.width);
    QCOMPARE(after.material, expected.material);
    QCOMPARE(after.materialText, expected.materialText);
    QCOMPARE(after.direction, expected.direction);
    QCOMPARE(dialog.isModified(), modified);
    const bool written = after.width != before.width || !edit.isEmpty();
    QCOMPARE(f.inspection->isChanged(), written);
    // The dialog never renames the inspection's file.
    QCOMPARE(f.inspection->fileName(), QString());
}

// A code without a text in the option list (unknown or empty) leaves its box on no entry, and
// only a choice of the user replaces it.
void TestInvestDialog::codesTheBoxesCanNotShowSurvive()
{
    Fixture f;
    InspectionHeader header = f.inspection->mainData();
    header.material = QStringLiteral("XYZ");
    header.materialText = QStringLiteral("Sonderprofil");
    header.direction.clear();
    f.inspection->setMainData(header);

    InvestDialog dialog(f.course.get(), nullptr);
    QCOMPARE(formChild<QComboBox>(dialog, "cbMaterialType")->currentIndex(), -1);
    QCOMPARE(formChild<QComboBox>(dialog, "cbDirection")->currentIndex(), -1);
    toggle(dialog, 0);
    formChild<QPushButton>(dialog, "accept")->click();
    QVERIFY(dialog.isModified());
    QCOMPARE(f.inspection->mainData().material, QStringLiteral("XYZ"));
    QCOMPARE(f.inspection->mainData().materialText, QStringLiteral("Sonderprofil"));
    QCOMPARE(f.inspection->mainData().direction, QString());
    QVERIFY(!f.inspection->isChanged());

    // Chosen by the user, the entry is written.
    InvestDialog second(f.course.get(), nullptr);
    formChild<QComboBox>(second, "cbDirection")->setCurrentIndex(0);
    formChild<QPushButton>(second, "accept")->click();
    QCOMPARE(f.inspection->mainData().direction, f.inspection->directionOptions().firstKey());
    QCOMPARE(f.inspection->mainData().material, QStringLiteral("XYZ"));
    QVERIFY(second.isModified());
    QVERIFY(f.inspection->isChanged());
}

// Observations added since the labels were made have no label and no row; the rows still name
// the observation of their own label.
void TestInvestDialog::rowsNameTheirLabelsObservation()
{
    Fixture f;
    const QVector<ObservationRecord> labelled = f.inspection->observations();
    f.inspection->mutableObservations().prepend(at(1, "BDB", 40));
    f.inspection->mutableObservations().append(at(8, "BDB", 41));
    InvestDialog dialog(f.course.get(), nullptr);
    QCOMPARE(rows(dialog)->count(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(rows(dialog)->item(row)->text(), rowText(*f.inspection, labelled.at(row)));
    toggle(dialog, 1);
    QCOMPARE(f.visibility(), (QList<bool>{true, false, true}));
}

// Two observations of one code, metre and video time each name their own row, also when the
// labels show the remark rather than the description.
void TestInvestDialog::rowsOfObservationsOfOneKey()
{
    Fixture f;
    ObservationRecord first = observation(5, "BAB", "A");
    first.videoTime = QTime(0, 2, 0);
    first.remark = QStringLiteral("erste");
    ObservationRecord second = first;
    second.character1 = QStringLiteral("B");
    second.remark = QStringLiteral("zweite");
    f.inspection->mutableObservations() = {first, second};
    Global::instance()->config()->setLabelText(1);
    f.course->build(0.0);
    Global::instance()->config()->setLabelText(0);
    QCOMPARE(f.course->labels().size(), 2);
    InvestDialog dialog(f.course.get(), nullptr);
    QCOMPARE(rows(dialog)->count(), 2);
    QCOMPARE(rows(dialog)->item(0)->text(), rowText(*f.inspection, first));
    QCOMPARE(rows(dialog)->item(1)->text(), rowText(*f.inspection, second));
    QVERIFY(rows(dialog)->item(0)->text() != rows(dialog)->item(1)->text());
}

void TestInvestDialog::courseWithoutInspectionShowsAnEmptyForm()
{
    ConnectedInspection stub;
    stub.build(200.0);
    InvestDialog dialog(&stub, nullptr);
    QCOMPARE(rows(dialog)->count(), 0);
    QCOMPARE(formChild<QComboBox>(dialog, "cbMaterialType")->count(), 0);
    QCOMPARE(formChild<QLineEdit>(dialog, "lePipelineName")->text(), QString());
    formChild<QSpinBox>(dialog, "sbWidth")->setValue(100);
    formChild<QPushButton>(dialog, "accept")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isModified());
}

QTEST_MAIN(TestInvestDialog)
#include "tst_investdialog.moc"
