#include "foundation/config.h"
#include "foundation/global.h"
#include "view3d/dialogs/dimensionnotedialog.h"
#include "view3d/dialogs/ductdialog.h"
#include "view3d/dialogs/pointdialog.h"
#include "view3d/dialogs/viewoptionsdialog.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "support/formaccess.h"
#include "support/testenv.h"
#include "viewerrenders.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Ends a shown dialog the way the row says: a button by its object name, or Escape.
void finish(QDialog &dialog, const QString &how)
{
    if (how == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        formChild<QPushButton>(dialog, how)->click();
}

} // namespace

class TestObjectDialogs : public QObject
{
    Q_OBJECT

private slots:
    void viewOptionsShowAndWriteTheStoredChoice_data();
    void viewOptionsShowAndWriteTheStoredChoice();
    void viewOptionsWriteTheChosenText();
    void viewOptionsCancelWritesNothing();
    void viewOptionsReportAFailedWrite();
    void openingAndAcceptingChangesNothing_data();
    void openingAndAcceptingChangesNothing();
    void ductEditsShowAtOnceAndCancelRestoresAll_data();
    void ductEditsShowAtOnceAndCancelRestoresAll();
    void ductShapeChoosesTheFields();
    void ductDepthAloneMovesTheSceneDepth();
    void pointEditsShowAtOnceAndCancelRestores_data();
    void pointEditsShowAtOnceAndCancelRestores();
    void dimensionNoteChangesOnlyOnAccept_data();
    void dimensionNoteChangesOnlyOnAccept();

private:
    TestEnvironment m_env;
    // The first use of the settings tells about the project folder it chose.
    ReporterCapture m_reports;
};

void TestObjectDialogs::viewOptionsShowAndWriteTheStoredChoice_data()
{
    QTest::addColumn<int>("text");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("textButton");
    QTest::addColumn<QString>("styleButton");
    QTest::addColumn<int>("writtenText");
    QTest::addColumn<int>("writtenStyle");
    QTest::newRow("defaults") << 0 << 0 << "rbLabelTextDefault" << "rbLabelStyleBubble" << 0 << 0;
    QTest::newRow("custom text, disabled") << 2 << 0 << "rbLabelTextCustom" << "rbLabelStyleBubble" << 2 << 0;
    QTest::newRow("comment, simple") << 1 << 1 << "rbLabelTextCommentOnly" << "rbLabelStyleSimple" << 1 << 1;
    QTest::newRow("custom style") << 0 << 2 << "rbLabelTextDefault" << "rbLabelStyleCustom" << 0 << 2;
    QTest::newRow("out of range") << 3 << -1 << "rbLabelTextDefault" << "rbLabelStyleBubble" << 0 << 0;
}

void TestObjectDialogs::viewOptionsShowAndWriteTheStoredChoice()
{
    QFETCH(int, text);
    QFETCH(int, style);
    QFETCH(QString, textButton);
    QFETCH(QString, styleButton);
    QFETCH(int, writtenText);
    QFETCH(int, writtenStyle);
    Config *config = Global::instance()->config().data();
    config->setLabelText(text);
    config->setLabelStyle(style);
    Viewer3D viewer;
    ViewOptionsDialog dialog(&viewer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Optionen 3D Ansicht"));
    QVERIFY(formChild<QRadioButton>(dialog, textButton)->isChecked());
    QVERIFY(formChild<QRadioButton>(dialog, styleButton)->isChecked());
    QVERIFY(!formChild<QRadioButton>(dialog, "rbLabelTextCustom")->isEnabled());
    QVERIFY(!formChild<QLineEdit>(dialog, "leLabelTextCustom")->isEnabled());

    formChild<QPushButton>(dialog, "btnAccept")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QSettings file(config->filePath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("3D/LabelText")).toString(), QString::number(writtenText));
    QCOMPARE(file.value(QStringLiteral("3D/LabelStyle")).toString(), QString::number(writtenStyle));
    QCOMPARE(config->labelText(), writtenText);
    QCOMPARE(config->labelStyle(), writtenStyle);
}

void TestObjectDialogs::viewOptionsWriteTheChosenText()
{
    Config *config = Global::instance()->config().data();
    config->setLabelText(0);
    config->setLabelStyle(0);
    ViewOptionsDialog dialog(nullptr);
    formChild<QRadioButton>(dialog, "rbLabelTextCommentOnly")->click();
    formChild<QPushButton>(dialog, "btnAccept")->click();
    QSettings file(config->filePath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("3D/LabelText")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("3D/LabelStyle")).toInt(), 0);
}

void TestObjectDialogs::viewOptionsCancelWritesNothing()
{
    Config *config = Global::instance()->config().data();
    config->setLabelText(2);
    config->setLabelStyle(1);
    QVERIFY(config->save());
    const QByteArray before = fileBytes(config->filePath());
    QVERIFY(before.contains("LabelText=2"));

    for (const char *how : {"btnReject", "escape"}) {
        ViewOptionsDialog dialog(nullptr);
        dialog.show();
        formChild<QRadioButton>(dialog, "rbLabelTextCommentOnly")->click();
        finish(dialog, QLatin1String(how));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(fileBytes(config->filePath()), before);
        QCOMPARE(config->labelText(), 2);
        QCOMPARE(config->labelStyle(), 1);
    }
}

// The dialog stays open when the choice cannot be written: closing it would look as though it
// were kept.
void TestObjectDialogs::viewOptionsReportAFailedWrite()
{
    Config *config = Global::instance()->config().data();
    config->setLabelText(0);
    config->setLabelStyle(0);
    const QString path = config->filePath();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path)); // a folder where the file belongs: no write can replace it
    m_reports.clear();
    ViewOptionsDialog dialog(nullptr);
    dialog.show();
    formChild<QRadioButton>(dialog, "rbLabelTextCommentOnly")->click();
    formChild<QPushButton>(dialog, "btnAccept")->click();
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY(m_reports.errors().first().contains(QStringLiteral("tsconfig.ini")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    m_reports.clear();
    QVERIFY(QDir().rmdir(path));
}

void TestObjectDialogs::openingAndAcceptingChangesNothing_data()
{
    QTest::addColumn<bool>("isPoint");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("depth");
    QTest::addColumn<int>("shape");
    // Each value lies between the field's steps or outside its range.
    QTest::newRow("shallow duct") << false << 0.3456 << 0.0 << 0.05 << 0;
    QTest::newRow("rectangular duct beyond the fields") << false << 12.0 << 0.0345 << 150.0 << 1;
    QTest::newRow("point of a millimetre fraction, deep") << true << 0.3456 << 0.0 << 120.0 << 0;
    QTest::newRow("tiny point high above") << true << 0.004 << 0.0 << -150.0 << 0;
}

// The fields round and clamp what they show; filling them must not write that back.
void TestObjectDialogs::openingAndAcceptingChangesNothing()
{
    QFETCH(bool, isPoint);
    QFETCH(double, diameter);
    QFETCH(double, width);
    QFETCH(double, depth);
    QFETCH(int, shape);
    const QString text = QStringLiteral("S 17\nzweite Zeile");
    Viewer3D viewer;
    RenderRequests renders(&viewer);
    if (isPoint) {
        auto *point = new Point(diameter, depth);
        point->setLabelText(text);
        viewer.addObject(point);
        PointDialog dialog(point, &viewer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Punkt"));
        formChild<QPushButton>(dialog, "accept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(point->diameter(), diameter);
        QCOMPARE(point->depth(), depth);
        QCOMPARE(point->labelText(), text);
    } else {
        auto *duct = new Duct(diameter, depth);
        duct->setWidth(width);
        duct->setShape(shape);
        duct->setLabelText(text);
        viewer.addObject(duct);
        DuctDialog dialog(duct, &viewer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schacht"));
        formChild<QPushButton>(dialog, "accept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(duct->diameter(), diameter);
        QCOMPARE(duct->width(), width);
        QCOMPARE(duct->depth(), depth);
        QCOMPARE(duct->shape(), shape);
        QCOMPARE(duct->labelText(), text);
    }
    QCOMPARE(renders.take(), 0);
}

void TestObjectDialogs::ductEditsShowAtOnceAndCancelRestoresAll_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Abbrechen") << "reject";
    QTest::newRow("Escape") << "escape";
}

void TestObjectDialogs::ductEditsShowAtOnceAndCancelRestoresAll()
{
    QFETCH(QString, how);
    Viewer3D viewer;
    auto *duct = new Duct(1.2, 2.5);
    duct->setLabelText(QStringLiteral("S1"));
    viewer.addObject(duct);
    RenderRequests renders(&viewer);
    DuctDialog dialog(duct, &viewer);
    dialog.show();

    formChild<QDoubleSpinBox>(dialog, "diameter")->setValue(3.0);
    QCOMPARE(duct->diameter(), 3.0);
    QCOMPARE(renders.take(), 1);
    formChild<QRadioButton>(dialog, "radioButton_2")->click();
    QCOMPARE(duct->shape(), 1);
    QCOMPARE(duct->width(), 1.0);
    formChild<QDoubleSpinBox>(dialog, "width")->setValue(2.5);
    QCOMPARE(duct->width(), 2.5);
    formChild<QDoubleSpinBox>(dialog, "depth")->setValue(4.0);
    QCOMPARE(duct->depth(), 4.0);
    QCOMPARE(viewer.maxDepth(), 4.0);
    formChild<QPlainTextEdit>(dialog, "plainTextEdit")->setPlainText(QStringLiteral("S2"));
    QCOMPARE(duct->labelText(), QStringLiteral("S2"));
    QCOMPARE(renders.take(), 1);

    finish(dialog, how);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(duct->shape(), 0);
    QCOMPARE(duct->width(), 0.0);
    QCOMPARE(duct->diameter(), 1.2);
    QCOMPARE(duct->depth(), 2.5);
    QCOMPARE(duct->labelText(), QStringLiteral("S1"));
    QCOMPARE(viewer.maxDepth(), 2.5);
    QCOMPARE(renders.take(), 1);
}

void TestObjectDialogs::ductShapeChoosesTheFields()
{
    Duct duct(2.0, 3.0);
    duct.setShape(1);
    duct.setWidth(1.5);
    DuctDialog dialog(&duct, nullptr);
    auto *caption = formChild<QLabel>(dialog, "diaLabel");
    auto *width = formChild<QDoubleSpinBox>(dialog, "width");
    QVERIFY(formChild<QRadioButton>(dialog, "radioButton_2")->isChecked());
    QCOMPARE(caption->text(), QStringLiteral("Länge:"));
    QVERIFY(!width->isHidden());
    QVERIFY(!formChild<QLabel>(dialog, "widthLabel")->isHidden());
    QCOMPARE(width->value(), 1.5);

    formChild<QRadioButton>(dialog, "radioButton")->click();
    QCOMPARE(duct.shape(), 0);
    QCOMPARE(caption->text(), QStringLiteral("Durchmesser:"));
    QVERIFY(width->isHidden());
    QVERIFY(formChild<QLabel>(dialog, "widthLabel")->isHidden());

    // Back to rectangular: the manhole takes what the width field holds now.
    width->setValue(0.8);
    formChild<QRadioButton>(dialog, "radioButton_2")->click();
    QCOMPARE(duct.shape(), 1);
    QCOMPARE(duct.width(), 0.8);
    QCOMPARE(caption->text(), QStringLiteral("Länge:"));

    // A round manhole opens with the width hidden.
    Duct round(1.0, 2.0);
    DuctDialog roundDialog(&round, nullptr);
    QVERIFY(formChild<QRadioButton>(roundDialog, "radioButton")->isChecked());
    QVERIFY(formChild<QDoubleSpinBox>(roundDialog, "width")->isHidden());
    QCOMPARE(formChild<QLabel>(roundDialog, "diaLabel")->text(), QStringLiteral("Durchmesser:"));
}

void TestObjectDialogs::ductDepthAloneMovesTheSceneDepth()
{
    Viewer3D viewer;
    auto *duct = new Duct(1.0, 3.0);
    viewer.addObject(duct);
    QCOMPARE(viewer.maxDepth(), 3.0);
    DuctDialog dialog(duct, &viewer);
    formChild<QDoubleSpinBox>(dialog, "diameter")->setValue(5.0);
    QCOMPARE(viewer.maxDepth(), 3.0);
    formChild<QDoubleSpinBox>(dialog, "depth")->setValue(3.5);
    QCOMPARE(viewer.maxDepth(), 3.5);
    formChild<QPushButton>(dialog, "accept")->click();
    QCOMPARE(duct->depth(), 3.5);
    QCOMPARE(duct->diameter(), 5.0);
}

void TestObjectDialogs::pointEditsShowAtOnceAndCancelRestores_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Abbrechen") << "reject";
    QTest::newRow("Escape") << "escape";
}

void TestObjectDialogs::pointEditsShowAtOnceAndCancelRestores()
{
    QFETCH(QString, how);
    Viewer3D viewer;
    auto *point = new Point(0.2, 2.0);
    point->setLabelText(QStringLiteral("P1"));
    viewer.addObject(point);
    QCOMPARE(viewer.maxDepth(), 2.1);
    RenderRequests renders(&viewer);
    PointDialog dialog(point, &viewer);
    dialog.show();
    QCOMPARE(formChild<QDoubleSpinBox>(dialog, "diameter")->value(), 200.0);

    formChild<QDoubleSpinBox>(dialog, "diameter")->setValue(300);
    QCOMPARE(point->diameter(), 0.3);
    QCOMPARE(viewer.maxDepth(), 2.15);
    QCOMPARE(renders.take(), 1);
    formChild<QDoubleSpinBox>(dialog, "depth")->setValue(-0.5);
    QCOMPARE(point->depth(), -0.5);
    QCOMPARE(viewer.maxDepth(), 0.5);
    formChild<QPlainTextEdit>(dialog, "plainTextEdit")->setPlainText(QStringLiteral("P2"));
    QCOMPARE(point->labelText(), QStringLiteral("P2"));

    finish(dialog, how);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(point->diameter(), 0.2);
    QCOMPARE(point->depth(), 2.0);
    QCOMPARE(point->labelText(), QStringLiteral("P1"));
    QCOMPARE(viewer.maxDepth(), 2.1);
    QCOMPARE(renders.take(), 1);
}

void TestObjectDialogs::dimensionNoteChangesOnlyOnAccept_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    QTest::newRow("accepted unchanged") << false << QString() << "accept" << "3.47 m";
    QTest::newRow("accepted empty") << true << QString() << "accept" << "";
    QTest::newRow("accepted as typed") << true << "DN 300 ca. 3,5m" << "accept" << "DN 300 ca. 3,5m";
    QTest::newRow("cancelled after editing") << true << "4 m" << "reject" << "3.47 m";
    QTest::newRow("Escape after editing") << true << "4 m" << "escape" << "3.47 m";
}

void TestObjectDialogs::dimensionNoteChangesOnlyOnAccept()
{
    QFETCH(bool, edit);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    Viewer3D viewer;
    DimensionNote note;
    note.setText(QStringLiteral("3.47 m"));
    DimensionNoteDialog dialog(&note, &viewer);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Bemaßung ändern"));
    auto *field = formChild<QLineEdit>(dialog, "edtDisplayedSize");
    QCOMPARE(field->text(), QStringLiteral("3.47 m"));
    if (edit) {
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(note.labelText(), QStringLiteral("3.47 m"));
    }
    finish(dialog, how);
    QCOMPARE(dialog.result(), int(how == QLatin1String("accept") ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(note.labelText(), expected);
}

QTEST_MAIN(TestObjectDialogs)
#include "tst_objectdialogs.moc"
