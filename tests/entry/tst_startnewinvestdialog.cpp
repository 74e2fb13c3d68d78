#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "entry/startnewinvestdialog.h"
#include "view3d/connectedinspection.h"
#include "view3d/inspectionsource.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/object3d.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The rows of the standard list.
enum Row { EN = 0, Isybau2006Row = 1, Isybau2001Row = 2, DWA = 3, ATV = 4 };

struct Observed
{
    QString code;
    QString c1;
    QString c2;
    double distance;
    double q1;
    double q2;
};

QString describe(const QVector<ObservationRecord> &observations)
{
    QStringList parts;
    for (const ObservationRecord &o : observations)
        parts << QStringLiteral("%1 %2/%3 %4m q1 %5 q2 %6")
                     .arg(o.code, o.character1, o.character2)
                     .arg(o.distance)
                     .arg(o.quantity1)
                     .arg(o.quantity2);
    return parts.join(QStringLiteral("; "));
}

QString describe(const QList<Observed> &observations)
{
    QVector<ObservationRecord> records;
    for (const Observed &o : observations) {
        ObservationRecord r;
        r.code = o.code;
        r.character1 = o.c1;
        r.character2 = o.c2;
        r.distance = o.distance;
        r.quantity1 = o.q1;
        r.quantity2 = o.q2;
        records << r;
    }
    return describe(records);
}

QString describe(const QList<CIEntry> &entries)
{
    QStringList parts;
    for (const CIEntry &e : entries)
        parts << QStringLiteral("%1 %2 %3/%4 %5 %6m")
                     .arg(e.type)
                     .arg(e.code)
                     .arg(e.position)
                     .arg(e.angle)
                     .arg(e.timecode.toString(QStringLiteral("hh:mm:ss")))
                     .arg(e.meter);
    return parts.join(QStringLiteral("; "));
}

// The records the wizard writes, per standard.
Observed endNodeOf(int row, double distance)
{
    switch (row) {
    case EN:
        return {QStringLiteral("BCE"), QStringLiteral("A"), {}, distance, 0, 0};
    case Isybau2001Row:
    case ATV:
        return {QStringLiteral("EH"), {}, {}, distance, 0, 0};
    default:
        return {QStringLiteral("BCE"), QStringLiteral("XP"), {}, distance, 0, 0};
    }
}

Observed bendOf(int row, double distance, double angle)
{
    if (row == Isybau2001Row || row == ATV)
        return {QStringLiteral("K"), {}, {}, distance, angle, 0};
    return {QStringLiteral("BCC"), QStringLiteral("Y"), QStringLiteral("Y"), distance, angle, 0};
}

Observed branchOf(int row, double distance)
{
    if (row == Isybau2001Row || row == ATV)
        return {QStringLiteral("A--O"), {}, {}, distance, 0, 0};
    return {QStringLiteral("BCA"), QStringLiteral("A"), QStringLiteral("A"), distance, 0, 0};
}

Observed widthChangeOf(int row, double distance, double width)
{
    switch (row) {
    case EN:
        return {QStringLiteral("AEC"), QStringLiteral("A"), {}, distance, width, width};
    case Isybau2001Row:
    case ATV:
        return {QStringLiteral("QVN"), {}, {}, distance, width, 0};
    default:
        return {QStringLiteral("AEC"), {}, {}, distance, width, 0};
    }
}

CIEntry entry(int type, const QString &code, double meter, double position, double angle)
{
    CIEntry e;
    e.type = type;
    e.code = code;
    e.meter = meter;
    e.position = position;
    e.angle = angle;
    e.timecode = QTime(0, 0, 0);
    return e;
}

void addStandardRows()
{
    QTest::addColumn<int>("row");
    QTest::newRow("EN 13508-2") << int(EN);
    QTest::newRow("ISYBAU 2006") << int(Isybau2006Row);
    QTest::newRow("ISYBAU 2001") << int(Isybau2001Row);
    QTest::newRow("DWA-M 149-2") << int(DWA);
    QTest::newRow("ATV M-143-2") << int(ATV);
}

} // namespace

class TestStartNewInvestDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form();
    void refusedNames_data();
    void refusedNames();
    void acceptedNames_data();
    void acceptedNames();
    void standards_data();
    void standards();
    void catalogueLanguage_data();
    void catalogueLanguage();
    void sewerSystem_data();
    void sewerSystem();
    void bend_data();
    void bend();
    void widthChange_data();
    void widthChange();
    void withdraw();
    void positionWidgetMovesThePendingPart();
    void secondPartAtTheSamePlaceIsRefused_data();
    void secondPartAtTheSamePlaceIsRefused();
    void finish_data();
    void finish();
    void finishFailsWithoutFolder();
    void rangesFitTheFile_data();
    void rangesFitTheFile();
    void finishFailsWhenTheFileCannotBeWritten();
    void cancel_data();
    void cancel();
    void redrawsAfterEachChange();
    void worksWithoutViewer();

private:
    // A wizard on a fresh course at a point of the viewer, in a project "proj" of the temporary
    // root whose folder exists.
    StartNewInvestDialog &wizard();
    // Page 0 with the standard's row, the name and the system row, accepted.
    void startWith(int row, const QString &name = QStringLiteral("s1"), int systemRow = 0);
    Investigation *inspection() const { return m_course->investigation(); }
    // The built pieces of the course as "length/radius" in metres.
    QString built() const
    {
        QStringList parts;
        for (Object3D *object : m_course->objects()) {
            if (auto *piece = qobject_cast<ConnectedObject3D *>(object))
                parts << QStringLiteral("%1/%2").arg(piece->length()).arg(piece->radius());
        }
        return parts.join(QLatin1Char(' '));
    }
    QDoubleSpinBox *spin(const char *name) { return formChild<QDoubleSpinBox>(*m_wizard, name); }
    void click(const char *name) { QTest::mouseClick(formChild<QPushButton>(*m_wizard, name), Qt::LeftButton); }
    QStringList projectFolderEntries() const
    {
        return QDir(m_root->path() + QStringLiteral("/proj")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    TestEnvironment m_env;
    ReporterCapture m_reports;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<InspectionList> m_project;
    std::unique_ptr<Viewer3D> m_viewer;
    ConnectedInspection *m_course = nullptr;
    std::unique_ptr<StartNewInvestDialog> m_wizard;
};

void TestStartNewInvestDialog::init()
{
    Global::instance()->config()->setLanguage(0);
    m_reports.clear();
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("proj")));
    m_project = std::make_unique<InspectionList>(QStringLiteral("proj"), m_root->path());
    m_viewer = std::make_unique<Viewer3D>();
    auto *point = new Point(1.0, 2.0);
    m_viewer->addObject(point);
    m_course = new ConnectedInspection(nullptr, new ManipulatedSystem3D, point);
    m_viewer->addInspection(m_course);
}

void TestStartNewInvestDialog::cleanup()
{
    m_wizard.reset();
    // The viewer deletes the course before the project deletes the inspection it shows.
    m_viewer.reset();
    m_course = nullptr;
    m_project.reset();
    m_root.reset();
}

StartNewInvestDialog &TestStartNewInvestDialog::wizard()
{
    if (!m_wizard)
        m_wizard = std::make_unique<StartNewInvestDialog>(m_course, m_project.get(), m_viewer.get());
    return *m_wizard;
}

void TestStartNewInvestDialog::startWith(int row, const QString &name, int systemRow)
{
    StartNewInvestDialog &w = wizard();
    formChild<QListWidget>(w, "normList")->setCurrentRow(row);
    formChild<QLineEdit>(w, "name")->setText(name);
    formChild<QComboBox>(w, "system")->setCurrentIndex(systemRow);
    click("accept");
    QCOMPARE(formChild<QStackedWidget>(w, "stackedWidget")->currentIndex(), 1);
    QVERIFY(inspection());
}

void TestStartNewInvestDialog::form()
{
    StartNewInvestDialog &w = wizard();
    QCOMPARE(w.windowTitle(), QStringLiteral("Assistent"));
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
    auto *list = formChild<QListWidget>(w, "normList");
    QStringList standards;
    for (int i = 0; i < list->count(); ++i)
        standards << list->item(i)->text();
    QCOMPARE(standards, (QStringList{"DIN EN-13508-2", "Isybau2006", "Isybau2001", "DWA M-149-2", "ATV M-143-2"}));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(comboItems(formChild<QComboBox>(w, "system")),
             (QStringList{"Regenwasser", "Schmutzwasser", "Mischwasser", "N/A"}));
    QCOMPARE(spin("diameter")->value(), 150.0);
    QCOMPARE(spin("meter")->value(), 1.0);
    QCOMPARE(formChild<QStackedWidget>(w, "stackedWidget")->currentIndex(), 0);
    QCOMPARE(formChild<QPushButton>(w, "accept")->text(), QStringLiteral("Übernehmen"));

    startWith(EN);
    QCOMPARE(formChild<QPushButton>(w, "accept")->text(), QStringLiteral("Fertigstellen"));
    QVERIFY(!formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QVERIFY(formChild<QGroupBox>(w, "insertBox")->isEnabled());
}

void TestStartNewInvestDialog::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString refused = QStringLiteral("\"%1\" ist als Name nicht erlaubt!\nBitte anderen Namen wählen!");
    QTest::newRow("empty") << QString() << QStringLiteral("Bitte geben Sie einen Namen ein!");
    QTest::newRow("existing folder") << QStringLiteral("taken") << QStringLiteral("Dieser Name wird schon verwendet!");
    for (const char *name : {"../x", "a/b", "a\\b", "\\", ".", ".."})
        QTest::newRow(name) << QString::fromLatin1(name) << refused.arg(QLatin1String(name));
}


// A refused name leaves the wizard on page 0 and the project, the course and the disk as they
// were.
void TestStartNewInvestDialog::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("proj/taken")));
    const QStringList rootBefore = QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList before = projectFolderEntries();

    StartNewInvestDialog &w = wizard();
    formChild<QLineEdit>(w, "name")->setText(name);
    ModalAnswerer answer;
    answer.message(0);
    click("accept");
    QVERIFY(answer.done());
    QCOMPARE(answer.texts(), QStringList{message});
    QCOMPARE(answer.buttonsShown(), QList<bool>{false});

    QCOMPARE(formChild<QStackedWidget>(w, "stackedWidget")->currentIndex(), 0);
    QVERIFY(m_project->inspections().isEmpty());
    QVERIFY(!m_course->investigation());
    QCOMPARE(projectFolderEntries(), before);
    QCOMPARE(QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), rootBefore);
}

void TestStartNewInvestDialog::acceptedNames_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("name");
    QTest::newRow("other letter case") << QStringLiteral("A") << QStringLiteral("a");
    QTest::newRow("blanks") << QString() << QStringLiteral("   ");
}

void TestStartNewInvestDialog::acceptedNames()
{
    QFETCH(QString, existing);
    QFETCH(QString, name);
    if (!existing.isEmpty())
        QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("proj/") + existing));
    startWith(EN, name);
    QCOMPARE(m_project->inspections(), QList<Investigation *>{inspection()});
    QCOMPARE(inspection()->fileName(), name + QStringLiteral(".xml"));
    QCOMPARE(inspection()->folder(), QStringLiteral("%1/proj/%2/").arg(m_root->path(), name));
}

void TestStartNewInvestDialog::standards_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("normKind");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("EN 13508-2") << int(EN) << "EN135082" << int(NormEN135082) << ".xml";
    QTest::newRow("ISYBAU 2006") << int(Isybau2006Row) << "Isybau2006" << int(NormIsybau2006) << ".xml";
    QTest::newRow("ISYBAU 2001") << int(Isybau2001Row) << "Isybau2001" << int(NormIsybau2001) << ".lh";
    QTest::newRow("DWA-M 149-2") << int(DWA) << "DWAM1492" << int(NormDWAM1492) << ".xml";
    QTest::newRow("ATV M-143-2") << int(ATV) << "Isybau2001" << int(NormATV) << ".h";
}

// Page 0 makes the inspection of the chosen standard, in the project and on the course, with its
// end node at the first length, and the course shows that pipe at once.
void TestStartNewInvestDialog::standards()
{
    QFETCH(int, row);
    QFETCH(QString, className);
    QFETCH(int, normKind);
    QFETCH(QString, suffix);
    formChild<QDoubleSpinBox>(wizard(), "diameter")->setValue(300);
    startWith(row, QStringLiteral("s1"));

    Investigation *created = inspection();
    QCOMPARE(QString::fromLatin1(created->metaObject()->className()), className);
    QCOMPARE(created->normKind(), normKind);
    QCOMPARE(created->fileName(), QStringLiteral("s1") + suffix);
    QCOMPARE(created->folder(), m_root->path() + QStringLiteral("/proj/s1/"));
    QCOMPARE(m_project->inspections(), QList<Investigation *>{created});
    // Both sizes: the header editors take the height for the width of a circular profile.
    QCOMPARE(created->mainData().height, 300.0);
    QCOMPARE(created->mainData().width, 300.0);
    QCOMPARE(created->mainData().date, QDate::currentDate());
    QCOMPARE(describe(created->observations()), describe(QList<Observed>{endNodeOf(row, 1.0)}));
    QCOMPARE(built(), QStringLiteral("1/0.15 0/0.15"));

    spin("meter")->setValue(5.0);
    QCOMPARE(describe(created->observations()), describe(QList<Observed>{endNodeOf(row, 5.0)}));
    QCOMPARE(built(), QStringLiteral("5/0.15 0/0.15"));
    // Nothing is on disk before "Fertigstellen".
    QVERIFY(projectFolderEntries().isEmpty());
}

void TestStartNewInvestDialog::catalogueLanguage_data()
{
    QTest::addColumn<int>("languageIndex");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << 0 << "de";
    QTest::newRow("Danish") << 1 << "da";
    QTest::newRow("English") << 2 << "de";
    QTest::newRow("Polish") << 8 << "de";
    QTest::newRow("Russian") << 9 << "ru";
}

// The catalogue follows the user's language where there is one in it; the sewer code is the same
// in every language.
void TestStartNewInvestDialog::catalogueLanguage()
{
    QFETCH(int, languageIndex);
    QFETCH(QString, language);
    Global::instance()->config()->setLanguage(languageIndex);
    startWith(EN);
    auto *en = qobject_cast<EN135082 *>(inspection());
    QVERIFY(en);
    QCOMPARE(en->language(), language);
    QCOMPARE(en->mainData().sewerKind, QStringLiteral("C"));
}

void TestStartNewInvestDialog::sewerSystem_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("systemRow");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<bool>("inPipeType");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("systemText");
    struct Standard
    {
        int row;
        const char *name;
        bool inPipeType;
        const char *codes[4];
        int texts[4];
    };
    const Standard standards[] = {
        {EN, "EN 13508-2", false, {"C", "B", "A", "Z"}, {1, 2, 3, 0}},
        {Isybau2006Row, "ISYBAU 2006", false, {"KR", "KS", "KM", "KM"}, {1, 2, 3, 3}},
        {Isybau2001Row, "ISYBAU 2001", false, {"0", "1", "2", "7"}, {1, 2, 3, 0}},
        {DWA, "DWA-M 149-2", true, {"R", "S", "M", "Z"}, {1, 2, 3, 0}},
        {ATV, "ATV M-143-2", false, {"0", "1", "2", "7"}, {1, 2, 3, 0}},
    };
    const char *const systems[4] = {"storm", "foul", "combined", "n/a"};
    for (const Standard &s : standards) {
        for (int system = 0; system < 4; ++system) {
            for (bool translated : {false, true}) {
                QTest::addRow("%s %s%s", s.name, systems[system], translated ? " translated" : "")
                    << s.row << system << translated << s.inPipeType << QString::fromLatin1(s.codes[system])
                    << s.texts[system];
            }
        }
    }
}

// The row of the system box decides, not its text; the code is one of the standard's list and
// tells the standard's system class.
void TestStartNewInvestDialog::sewerSystem()
{
    QFETCH(int, row);
    QFETCH(int, systemRow);
    QFETCH(bool, translated);
    QFETCH(bool, inPipeType);
    QFETCH(QString, code);
    QFETCH(int, systemText);
    if (translated) {
        auto *box = formChild<QComboBox>(wizard(), "system");
        const QStringList words{"Storm water", "Foul water", "Combined water", "n. a."};
        for (int i = 0; i < words.size(); ++i)
            box->setItemText(i, words.at(i));
    }
    startWith(row, QStringLiteral("s1"), systemRow);
    const InspectionHeader header = inspection()->mainData();
    QCOMPARE(inPipeType ? header.pipeType : header.sewerKind, code);
    QCOMPARE(inPipeType ? header.sewerKind : header.pipeType, QString());
    QVERIFY((inPipeType ? inspection()->pipeTypeOptions() : inspection()->systemOptions()).contains(code));
    QCOMPARE(inspection()->systemText(), systemText);
}

void TestStartNewInvestDialog::bend_data()
{
    addStandardRows();
}

void TestStartNewInvestDialog::bend()
{
    QFETCH(int, row);
    startWith(row);
    spin("meter")->setValue(12.0);
    click("elbow");

    // While it is placed, the bend stands in the observations and in the course; the end moves
    // on by half a metre.
    StartNewInvestDialog &w = wizard();
    QVERIFY(formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QVERIFY(!formChild<QGroupBox>(w, "meterBox")->isEnabled());
    QVERIFY(!formChild<QGroupBox>(w, "insertBox")->isEnabled());
    QVERIFY(spin("angle")->isEnabled());
    QVERIFY(!spin("width")->isEnabled());
    const QString code = bendOf(row, 0, 0).code;
    QCOMPARE(describe(inspection()->observations()),
             describe(QList<Observed>{bendOf(row, 12.0, 60.0), endNodeOf(row, 12.5)}));
    QCOMPARE(describe(m_course->entries()), describe(QList<CIEntry>{entry(CIEntry::Elbow, code, 12.0, 0.0, 60.0)}));

    spin("angle")->setValue(45.0);
    spin("position")->setValue(90.0);
    click("ok");
    QCOMPARE(describe(inspection()->observations()),
             describe(QList<Observed>{bendOf(row, 12.0, 45.0), endNodeOf(row, 12.5)}));
    QCOMPARE(describe(m_course->entries()), describe(QList<CIEntry>{entry(CIEntry::Elbow, code, 12.0, 90.0, 45.0)}));
    QCOMPARE(spin("meter")->value(), 12.5);
    QCOMPARE(spin("meter")->minimum(), 12.0);
    QVERIFY(!formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QVERIFY(formChild<QGroupBox>(w, "insertBox")->isEnabled());
    // The course has its bend placed: a pipe to it, the bent joint, the pipe on to the end.
    QCOMPARE(built(), QStringLiteral("12/0.075 0/0.075 0.5/0.075 0/0.075"));
    QVERIFY(m_course->build(0.0).code.isEmpty());
}

void TestStartNewInvestDialog::widthChange_data()
{
    addStandardRows();
}

void TestStartNewInvestDialog::widthChange()
{
    QFETCH(int, row);
    startWith(row);
    spin("meter")->setValue(30.0);
    click("nennwidth");
    StartNewInvestDialog &w = wizard();
    QVERIFY(formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QVERIFY(spin("width")->isEnabled());
    QVERIFY(!spin("angle")->isEnabled());
    QVERIFY(!spin("position")->isEnabled());
    QVERIFY(!formChild<QWidget>(w, "positionWidget")->isEnabled());
    // Nothing is added before "OK".
    QCOMPARE(describe(inspection()->observations()), describe(QList<Observed>{endNodeOf(row, 30.0)}));
    QVERIFY(m_course->entries().isEmpty());

    spin("width")->setValue(200.0);
    click("ok");
    const Observed change = widthChangeOf(row, 30.0, 200.0);
    QCOMPARE(describe(inspection()->observations()), describe(QList<Observed>{change, endNodeOf(row, 30.5)}));
    QCOMPARE(describe(m_course->entries()),
             describe(QList<CIEntry>{entry(CIEntry::Narrow, change.code, 30.0, 0.0, 200.0)}));
    QCOMPARE(built(), QStringLiteral("30/0.075 0/0.1 0.5/0.1 0/0.1"));
}

// "Zurück" takes back what the part added, and only that.
void TestStartNewInvestDialog::withdraw()
{
    startWith(EN);
    spin("meter")->setValue(12.0);
    const QString end = describe(QList<Observed>{endNodeOf(EN, 12.0)});
    StartNewInvestDialog &w = wizard();
    for (const char *part : {"elbow", "branch", "nennwidth"}) {
        click(part);
        QVERIFY(formChild<QGroupBox>(w, "dataBox")->isEnabled());
        click("back");
        QCOMPARE(describe(inspection()->observations()), end);
        QVERIFY(m_course->entries().isEmpty());
        QVERIFY(!formChild<QGroupBox>(w, "dataBox")->isEnabled());
        QVERIFY(formChild<QGroupBox>(w, "meterBox")->isEnabled());
        QVERIFY(formChild<QGroupBox>(w, "insertBox")->isEnabled());
        QCOMPARE(built(), QStringLiteral("12/0.075 0/0.075"));
    }
    QCOMPARE(spin("meter")->value(), 12.0);
}

void TestStartNewInvestDialog::positionWidgetMovesThePendingPart()
{
    startWith(EN);
    spin("meter")->setValue(3.0);
    StartNewInvestDialog &w = wizard();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click("branch");
    auto *dial = formChild<QWidget>(w, "positionWidget");
    const int r = qMin(dial->width(), dial->height()) / 2 - 10;
    QVERIFY(r > 0);
    // Straight above the centre: the top of the pipe.
    QTest::mouseClick(dial, Qt::LeftButton, Qt::NoModifier, QPoint(dial->width() / 2, dial->height() / 2 - r));
    QCOMPARE(spin("position")->value(), 90.0);
    QCOMPARE(describe(m_course->entries()), describe(QList<CIEntry>{entry(CIEntry::Branch, "BCA", 3.0, 90.0, 60.0)}));
    QCOMPARE(describe(inspection()->observations()),
             describe(QList<Observed>{branchOf(EN, 3.0), endNodeOf(EN, 3.0)}));
}

void TestStartNewInvestDialog::secondPartAtTheSamePlaceIsRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("bend") << "elbow" << "An dieser Stelle ist schon ein Krümmer eingefügt!";
    QTest::newRow("branch") << "branch" << "An dieser Stelle ist schon ein Abzweig eingefügt!";
}

// A second part of one code at one distance would be the same observation to the course:
// moving or withdrawing it would take the first one along. It is refused; the first stays.
void TestStartNewInvestDialog::secondPartAtTheSamePlaceIsRefused()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    startWith(EN);
    spin("meter")->setValue(12.0);
    click(button.toLatin1().constData());
    spin("angle")->setValue(45.0);
    spin("position")->setValue(90.0);
    click("ok");
    spin("meter")->setValue(12.0);
    const QString observations = describe(inspection()->observations());
    const QString entries = describe(m_course->entries());
    QCOMPARE(m_course->entries().size(), 1);

    ModalAnswerer answer;
    answer.message(0);
    click(button.toLatin1().constData());
    QVERIFY(answer.done());
    QCOMPARE(answer.texts(), QStringList{message});
    QCOMPARE(answer.buttonsShown(), QList<bool>{false});
    StartNewInvestDialog &w = wizard();
    QVERIFY(!formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QVERIFY(formChild<QGroupBox>(w, "insertBox")->isEnabled());
    QCOMPARE(describe(inspection()->observations()), observations);
    QCOMPARE(describe(m_course->entries()), entries);

    // A little further on the part is welcome.
    spin("meter")->setValue(12.1);
    click(button.toLatin1().constData());
    QVERIFY(formChild<QGroupBox>(w, "dataBox")->isEnabled());
    QCOMPARE(m_course->entries().size(), 2);
}

void TestStartNewInvestDialog::finish_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("normKind");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("EN 13508-2") << int(EN) << int(NormEN135082) << ".xml";
    QTest::newRow("ISYBAU 2006") << int(Isybau2006Row) << int(NormIsybau2006) << ".xml";
    QTest::newRow("ISYBAU 2001") << int(Isybau2001Row) << int(NormIsybau2001) << ".lh";
    QTest::newRow("DWA-M 149-2") << int(DWA) << int(NormDWAM1492) << ".xml";
    QTest::newRow("ATV M-143-2") << int(ATV) << int(NormATV) << ".h";
}

// "Fertigstellen" makes the folder and writes the file, which reads back with the course the
// wizard laid out.
void TestStartNewInvestDialog::finish()
{
    QFETCH(int, row);
    QFETCH(int, normKind);
    QFETCH(QString, suffix);
    startWith(row, QStringLiteral("s1"));
    spin("meter")->setValue(12.0);
    click("elbow");
    spin("angle")->setValue(45.0);
    click("ok");
    spin("meter")->setValue(20.0);
    click("branch");
    click("ok");
    spin("meter")->setValue(30.0);
    click("nennwidth");
    spin("width")->setValue(200.0);
    click("ok");
    StartNewInvestDialog &w = wizard();
    QSignalSpy finished(&w, &QDialog::finished);
    click("accept");
    QCOMPARE(finished.count(), 1);
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(m_reports.errors().isEmpty());

    Investigation *created = inspection();
    QVERIFY(created);
    QCOMPARE(m_project->inspections(), QList<Investigation *>{created});
    QCOMPARE(m_course->entries().size(), 3);
    const QString path = QStringLiteral("%1/proj/s1/s1%2").arg(m_root->path(), suffix);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    auto loaded = makeInspection(normKind);
    QVERIFY(loaded->load(path));
    QCOMPARE(describe(loaded->observations()),
             describe(QList<Observed>{bendOf(row, 12.0, 45.0), branchOf(row, 20.0), widthChangeOf(row, 30.0, 200.0),
                                      endNodeOf(row, 30.5)}));
    QCOMPARE(loaded->mainData().width, 150.0);
}

void TestStartNewInvestDialog::rangesFitTheFile_data()
{
    addStandardRows();
}

// The fixed-column files hold a distance of three digits before the point and a profile size of
// four: for them the wizard offers no more, and its longest pipe is written and read back. The
// other standards keep the form's ranges, also after one of those was chosen first.
void TestStartNewInvestDialog::rangesFitTheFile()
{
    QFETCH(int, row);
    using Field = Isybau2001::NumberField;
    const bool fixed = row == Isybau2001Row || row == ATV;
    StartNewInvestDialog &w = wizard();
    formChild<QListWidget>(w, "normList")->setCurrentRow(ATV);
    formChild<QListWidget>(w, "normList")->setCurrentRow(row);
    QCOMPARE(spin("diameter")->maximum(), fixed ? Isybau2001::numberColumn(Field::Height).maximum : 10000.0);
    spin("diameter")->setValue(1e9);
    startWith(row, QStringLiteral("s1"));
    QCOMPARE(spin("meter")->maximum(), fixed ? Isybau2001::numberColumn(Field::Distance).maximum : 100000.0);
    QCOMPARE(spin("width")->maximum(), fixed ? 9999.0 : 10000.0);
    if (!fixed)
        return;

    // No room for a bend at the very end: said, and nothing changes.
    spin("meter")->setValue(1e9);
    QCOMPARE(spin("meter")->value(), 999.99);
    {
        ModalAnswerer answer;
        answer.message(0);
        click("elbow");
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.")});
    }
    QVERIFY(formChild<QGroupBox>(w, "insertBox")->isEnabled());
    QCOMPARE(inspection()->observations().size(), 1);

    click("nennwidth");
    spin("width")->setValue(1e9);
    click("ok");
    QSignalSpy finished(&w, &QDialog::finished);
    click("accept");
    QCOMPARE(finished.count(), 1);
    QVERIFY2(m_reports.errors().isEmpty(), qPrintable(m_reports.errors().join(QLatin1Char('\n'))));
    auto loaded = makeInspection(row == ATV ? NormATV : NormIsybau2001);
    QVERIFY(loaded->load(inspection()->filePath()));
    QVERIFY(m_reports.errors().isEmpty());
    QCOMPARE(describe(loaded->observations()),
             describe(QList<Observed>{widthChangeOf(row, 999.99, 9999.0), endNodeOf(row, 999.99)}));
    QCOMPARE(loaded->mainData().height, 9999.0);
}

// A file stands where the project folder should be: the wizard says so and stays open; the
// user can still cancel.
void TestStartNewInvestDialog::finishFailsWithoutFolder()
{
    QVERIFY(QDir(m_root->path()).rmdir(QStringLiteral("proj")));
    TestFiles::writeFile(m_root->path() + QStringLiteral("/proj"), "not a folder");
    startWith(EN, QStringLiteral("s1"));
    StartNewInvestDialog &w = wizard();
    QSignalSpy finished(&w, &QDialog::finished);
    ModalAnswerer answer;
    answer.message(MessageDialog::Ok);
    click("accept");
    QVERIFY(answer.done());
    QCOMPARE(answer.texts(),
             QStringList{QStringLiteral("Der Ordner \"%1/proj/s1/\" konnte nicht angelegt werden!").arg(m_root->path())});
    QCOMPARE(finished.count(), 0);
    QCOMPARE(formChild<QStackedWidget>(w, "stackedWidget")->currentIndex(), 1);
    QVERIFY(QFileInfo(m_root->path() + QStringLiteral("/proj")).isFile());

    click("reject");
    QCOMPARE(finished.count(), 1);
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(m_project->inspections().isEmpty());
}

// The file cannot be written (a folder has its name): the save reports it and the wizard stays.
void TestStartNewInvestDialog::finishFailsWhenTheFileCannotBeWritten()
{
    startWith(DWA, QStringLiteral("s1"));
    QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("proj/s1/s1.xml")));
    StartNewInvestDialog &w = wizard();
    QSignalSpy finished(&w, &QDialog::finished);
    click("accept");
    QCOMPARE(finished.count(), 0);
    QCOMPARE(m_reports.errors().size(), 1);
    QVERIFY(QFileInfo(m_root->path() + QStringLiteral("/proj/s1/s1.xml")).isDir());
    QCOMPARE(m_project->inspections(), QList<Investigation *>{inspection()});
}

void TestStartNewInvestDialog::cancel_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("page");
    QTest::newRow("Abbrechen on page 1") << false << 1;
    QTest::newRow("Escape on page 1") << true << 1;
    QTest::newRow("Abbrechen on page 0") << false << 0;
    QTest::newRow("Escape on page 0") << true << 0;
}

// Every way out but "Fertigstellen" leaves the project, the disk and the course as they were,
// a placement the course had before the wizard included.
void TestStartNewInvestDialog::cancel()
{
    QFETCH(bool, escape);
    QFETCH(int, page);
    const CIEntry own = entry(CIEntry::Elbow, QStringLiteral("BCC"), 7.0, 45.0, 30.0);
    m_course->addEntry(own);
    StartNewInvestDialog &w = wizard();
    QPointer<Investigation> created;
    if (page == 1) {
        startWith(EN);
        created = inspection();
        spin("meter")->setValue(12.0);
        click("elbow");
        click("ok");
        spin("meter")->setValue(20.0);
        click("branch");
    }
    QSignalSpy finished(&w, &QDialog::finished);
    if (escape)
        QTest::keyClick(&w, Qt::Key_Escape);
    else
        click("reject");
    QCOMPARE(finished.count(), 1);
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(m_project->inspections().isEmpty());
    QVERIFY(!m_course->investigation());
    QVERIFY(created.isNull());
    QCOMPARE(describe(m_course->entries()), describe(QList<CIEntry>{own}));
    QVERIFY(projectFolderEntries().isEmpty());
    // Back to the placeholder.
    if (page == 1)
        QCOMPARE(built(), QStringLiteral("0.5/0.075"));
}

// Counts the redraw requests a window receives.
class UpdateRequests : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++count;
        return false;
    }
};

void TestStartNewInvestDialog::redrawsAfterEachChange()
{
    UpdateRequests requests;
    m_viewer->installEventFilter(&requests);
    auto requested = [&requests]() {
        QCoreApplication::processEvents();
        const int count = requests.count;
        requests.count = 0;
        return count > 0;
    };
    startWith(EN);
    QVERIFY(requested());
    spin("meter")->setValue(4.0);
    QVERIFY(requested());
    click("elbow");
    QVERIFY(requested());
    spin("angle")->setValue(30.0);
    QVERIFY(requested());
    click("back");
    QVERIFY(requested());
    click("nennwidth");
    QVERIFY(!requested());
    click("ok");
    QVERIFY(requested());
}

// Without a viewer the course is still laid out; only the redraw is left out.
void TestStartNewInvestDialog::worksWithoutViewer()
{
    m_wizard = std::make_unique<StartNewInvestDialog>(m_course, m_project.get(), nullptr);
    startWith(ATV);
    spin("meter")->setValue(2.0);
    click("branch");
    click("ok");
    QCOMPARE(describe(inspection()->observations()),
             describe(QList<Observed>{branchOf(ATV, 2.0), endNodeOf(ATV, 2.5)}));
    QCOMPARE(describe(m_course->entries()), describe(QList<CIEntry>{entry(CIEntry::Branch, "A--O", 2.0, 0.0, 60.0)}));
}

QTEST_MAIN(TestStartNewInvestDialog)
#include "tst_startnewinvestdialog.moc"
