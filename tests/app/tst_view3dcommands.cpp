// test-needs: x11
#include "app/startup.h"
#include "foundation/global.h"
#include "foundation/config.h"
#include "foundation/messagedialog.h"
#include "foundation/meterratioobserver.h"
#include "foundation/toolbox.h"
#include "plan/floorplan.h"
#include "plan/graphicsscene.h"
#include "plan/graphicsview.h"
#include "plan/plantestdata.h"
#include "view3d/camera.h"
#include "view3d/connectedinspection.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/label3d.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/pipeline.h"
#include "view3d/point.h"
#include "view3d/referencepoint.h"
#include "view3d/viewer3d.h"
#include "app/mainwindow.h"
#include "model/investigation.h"
#include "project/project.h"
#include "project/project3d.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/model/inspections.h"
#include "support/model/observations.h"
#include "support/dialoganswers.h"
#include "support/testenv.h"
#include "support/testfiles.h"
#include "support/videotestmain.h"

#include <QDomDocument>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QtTest>

#include <cmath>
#include <functional>
#include <queue>

namespace {

using namespace DialogAnswers;

const QString kElementQuestion =
    QStringLiteral("Das Element wirklich löschen?\nAlle angeschlossenen Elemente werden ebenfalls gelöscht!");

// Acts on the 3D dialogs, which are shown without blocking the window: the next visible
// top-level widget of the expected class gets the step's action.
class ShownAnswerer : public QObject
{
public:
    using Action = std::function<void(QWidget *)>;
    ShownAnswerer() { m_timer = startTimer(20); }
    ~ShownAnswerer() override { killTimer(m_timer); }
    void expect(const char *className, Action action) { m_steps.push({className, std::move(action)}); }
    // Presses the button of that object name on the next dialog of the class.
    void press(const char *className, const char *button)
    {
        expect(className, [button](QWidget *w) { formChild<QPushButton>(*w, button)->click(); });
    }
    bool done() const { return m_steps.empty(); }

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (m_steps.empty())
            return;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->inherits(m_steps.front().className)) {
                const Action action = m_steps.front().action;
                m_steps.pop();
                action(w);
                return;
            }
        }
    }

private:
    struct Step
    {
        const char *className;
        Action action;
    };
    std::queue<Step> m_steps;
    int m_timer = 0;
};

// Clicks two points into the plan dialog's view once its measurement waits for them.
class PointClicker : public QObject
{
public:
    PointClicker(GraphicsView *view, const QPoint &first, const QPoint &second)
        : m_view(view), m_first(first), m_second(second)
    {
        startTimer(10);
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (m_view->measureState() == GraphicsView::WaitingForFirstPoint && m_clicks == 0) {
            send(QEvent::MouseButtonPress, m_first);
        } else if (m_view->measureState() == GraphicsView::WaitingForSecondPoint && m_clicks == 1) {
            send(QEvent::MouseMove, m_second);
            send(QEvent::MouseButtonPress, m_second);
        }
    }

private:
    void send(QEvent::Type type, const QPoint &pos)
    {
        const bool press = type == QEvent::MouseButtonPress;
        QMouseEvent event(type, pos, m_view->viewport()->mapToGlobal(pos), press ? Qt::LeftButton : Qt::NoButton,
                          press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
        if (press)
            ++m_clicks;
    }

    GraphicsView *m_view;
    QPoint m_first;
    QPoint m_second;
    int m_clicks = 0;
};

ObservationRecord at(double distance, const QString &code, double q1 = 0.0, const QString &c1 = QString(),
                     const QString &c2 = QString())
{
    ObservationRecord o = observation(distance, code, c1, c2);
    o.quantity1 = q1;
    o.videoTime = QTime(0, 2, int(distance * 2) % 60);
    return o;
}

} // namespace

class TestView3DCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        Global::instance()->config()->setLanguage(0);
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->view3D()->house());
    }

    void cleanup()
    {
        window->setChanged(MainWindow::ProjectChange, false);
        window->setChanged(MainWindow::Project3DChange, false);
        if (Project *project = window->currentProject()) {
            for (Investigation *inspection : project->inspections())
                inspection->setChanged(false);
            click(QStringLiteral("Projekte_Schließen"));
        }
        QVERIFY(!window->currentProject());
    }

    // Each toggle sets or clears its own bit, marks the 3D data changed and is saved.
    void viewTogglesSetTheirBit_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("bit");
        QTest::newRow("Label") << QStringLiteral("Ansicht_Label") << 1;
        QTest::newRow("2D-Projektion") << QStringLiteral("Ansicht_2D-Projektion") << 2;
        QTest::newRow("Perspektive") << QStringLiteral("Ansicht_Perspektive") << 4;
        QTest::newRow("Referenzpunkte") << QStringLiteral("Ansicht_Referenzpunkte") << 16;
        QTest::newRow("Bemaßungen") << QStringLiteral("Ansicht_Bemaßungen") << 32;
    }

    void viewTogglesSetTheirBit()
    {
        QFETCH(QString, key);
        QFETCH(int, bit);
        const QString name = openNew();
        QCOMPARE(window->currentProject3D()->showFlags(), 63);
        click3D(key);
        QVERIFY(!box3D()->isChecked(key));
        QCOMPARE(window->currentProject3D()->showFlags(), 63 & ~bit);
        QCOMPARE(window->view3D()->showFlags(), 63 & ~bit);
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
        click(QStringLiteral("Projekte_Speichern"));
        QCOMPARE(properties(name).attribute(QStringLiteral("ShowFlags")), QString::number(63 & ~bit));
        // Checked again, the bit comes back rather than being toggled away twice.
        click3D(key);
        QCOMPARE(window->currentProject3D()->showFlags(), 63);
    }

    void viewOptionsRebuildLabelsOnlyWhenAccepted_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }

    void viewOptionsRebuildLabelsOnlyWhenAccepted()
    {
        QFETCH(bool, accept);
        openNew();
        ConnectedInspection *course = addCourse(addDuct(Vector3D(0, 0, 0)), {at(2, "BAB", 0, "A")});
        window->adjustProjectUi();
        QCOMPARE(course->labels().size(), 1);
        const QString before = course->labels().first()->text();
        QVERIFY(!before.isEmpty());
        ModalAnswerer answer;
        answer.expect("ViewOptionsDialog", [accept](QWidget *w) {
            // Only the comment on the labels; this observation has none.
            formChild<QRadioButton>(*w, "rbLabelTextCommentOnly")->setChecked(true);
            formChild<QPushButton>(*w, accept ? "btnAccept" : "btnReject")->click();
        });
        click3D(QStringLiteral("Ansicht_Optionen"));
        QVERIFY(answer.done());
        QCOMPARE(course->labels().size(), 1);
        QCOMPARE(course->labels().first()->text() != before, accept);
        QCOMPARE(Global::instance()->config()->labelText(), accept ? 1 : 0);
        Global::instance()->config()->setLabelText(0);
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(formChild<QTabWidget>(*window, "tabWidget")->isTabEnabled(0));
        QVERIFY(!window->view3D()->isSelectionLocked());
    }

    void northAngleTurnsThePlan()
    {
        const QString name = openNew();
        // Without a plan the field changes nothing.
        box3D()->setValue(QStringLiteral("Ausrichtung"), 45.0);
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));

        QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
        window->currentProject3D()->setPlan(plan);
        box3D()->setValue(QStringLiteral("Ausrichtung"), 90.0);
        QCOMPARE(plan->northAngle(), M_PI / 2);
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
        click(QStringLiteral("Projekte_Speichern"));
        const QDomElement saved = TestFiles::xmlRoot(folder(name) + QStringLiteral("/plan.tkp"));
        QCOMPARE(saved.attribute(QStringLiteral("northAngle")), QStringLiteral("1.570796326794897"));
    }

    // Filling the field from a plan must not write its rounded value back into the plan.
    void openingKeepsTheNorthAngleExactly()
    {
        const QString name = openNew();
        QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
        plan->setNorthAngle(0.6);
        window->currentProject3D()->setPlan(plan);
        click(QStringLiteral("Projekte_Speichern"));
        click(QStringLiteral("Projekte_Schließen"));

        open(name);
        QVERIFY(window->currentProject3D()->plan());
        QCOMPARE(window->currentProject3D()->plan()->northAngle(), 0.6);
        QVERIFY(qAbs(box3D()->value(QStringLiteral("Ausrichtung")) - 34.38) < 0.001);
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));
        click(QStringLiteral("Projekte_Speichern"));
        const QDomElement saved = TestFiles::xmlRoot(folder(name) + QStringLiteral("/plan.tkp"));
        QCOMPARE(saved.attribute(QStringLiteral("northAngle")).toDouble(), 0.6);
    }

    void twoDSwitchesTheViewAndIsRemembered()
    {
        const QString name = openNew();
        QPushButton *twoD = box3D()->button(QStringLiteral("Ansicht_2D"));
        QPushButton *perspective = box3D()->button(QStringLiteral("Ansicht_Perspektive"));
        QCOMPARE(twoD->text(), QStringLiteral("2D"));
        QVERIFY(perspective->isEnabled());

        click3D(QStringLiteral("Ansicht_2D"));
        QCOMPARE(twoD->text(), QStringLiteral("3D"));
        QVERIFY(!perspective->isEnabled());
        QVERIFY(!window->view3D()->is3DView());
        QCOMPARE(window->currentProject3D()->showFlags() & 8, 0);
        QVERIFY(window->isChanged(MainWindow::Project3DChange));

        click3D(QStringLiteral("Ansicht_2D"));
        QCOMPARE(twoD->text(), QStringLiteral("2D"));
        QVERIFY(perspective->isEnabled());
        QCOMPARE(window->currentProject3D()->showFlags() & 8, 8);

        // Saved in the top view, the project opens in it with the elements to match.
        click3D(QStringLiteral("Ansicht_2D"));
        click(QStringLiteral("Projekte_Speichern"));
        click(QStringLiteral("Projekte_Schließen"));
        open(name);
        QVERIFY(!window->view3D()->is3DView());
        QCOMPARE(twoD->text(), QStringLiteral("3D"));
        QVERIFY(!perspective->isEnabled());
        click3D(QStringLiteral("Ansicht_2D"));
        QVERIFY(window->view3D()->is3DView());
    }

    void selectionShowsOneSection_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("section");
        QTest::newRow("none") << "none" << "Anlegen";
        QTest::newRow("manhole") << "duct" << "Schacht/Punkt";
        QTest::newRow("point") << "point" << "Schacht/Punkt";
        QTest::newRow("reference point") << "reference" << "Referenz";
        QTest::newRow("dimension note") << "note" << "Bemaßung";
        QTest::newRow("course with inspection") << "course" << "Untersuchung";
        QTest::newRow("course without inspection") << "placeholder" << "Abzweig";
    }

    void selectionShowsOneSection()
    {
        QFETCH(QString, kind);
        QFETCH(QString, section);
        openNew();
        Object3D *selected = nullptr;
        if (kind == QLatin1String("duct")) {
            selected = addDuct(Vector3D(0, 0, 0));
        } else if (kind == QLatin1String("point")) {
            selected = addPoint(Vector3D(0, 0, 0));
        } else if (kind == QLatin1String("reference")) {
            selected = new ReferencePoint;
            window->currentProject3D()->addObject(selected);
        } else if (kind == QLatin1String("note")) {
            selected = new DimensionNote;
            window->currentProject3D()->addObject(selected);
        } else if (kind == QLatin1String("course")) {
            selected = addCourse(addPoint(Vector3D(0, 0, 0)), {})->objects().first();
        } else if (kind == QLatin1String("placeholder")) {
            auto *course = new ConnectedInspection(nullptr, new ManipulatedSystem3D, addPoint(Vector3D(0, 0, 0)));
            course->build(0.05);
            window->currentProject3D()->addInspection(course);
            selected = course->objects().first();
        }
        window->adjustProjectUi();
        emit window->view3D()->selectionChanged(selected);

        const QStringList sections = {QStringLiteral("Anlegen"), QStringLiteral("Referenz"),
                                      QStringLiteral("Bemaßung"), QStringLiteral("Schacht/Punkt"),
                                      QStringLiteral("Untersuchung"), QStringLiteral("Abzweig")};
        const QStringList firstItems = {QStringLiteral("Anlegen_Schacht"), QStringLiteral("Referenz_Schacht"),
                                        QStringLiteral("Bemaßung_Bearbeiten"), QStringLiteral("Schacht/Punkt_Bearbeiten"),
                                        QStringLiteral("Untersuchung_Bearbeiten"), QStringLiteral("Abzweig_Untersuchung")};
        for (int i = 0; i < sections.size(); ++i)
            QVERIFY2(box3D()->button(firstItems.at(i))->isVisibleTo(box3D()) == (sections.at(i) == section),
                     qPrintable(sections.at(i)));
        QVERIFY(box3D()->button(QStringLiteral("Grundplan_Einfügen"))->isVisibleTo(box3D()));
        QVERIFY(box3D()->button(QStringLiteral("Ansicht_2D"))->isVisibleTo(box3D()));
        emit window->view3D()->selectionChanged(nullptr);
    }

    void createObjects_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("atReference");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<double>("depth");
        QTest::newRow("manhole at the origin") << "Anlegen_Schacht" << false << true << 1.0 << 2.0;
        QTest::newRow("manhole at the reference") << "Referenz_Schacht" << true << true << 1.0 << 2.0;
        QTest::newRow("manhole rejected") << "Anlegen_Schacht" << false << false << 1.0 << 2.0;
        QTest::newRow("point at the origin") << "Anlegen_Punkt" << false << true << 0.3 << 1.0;
        QTest::newRow("point at the reference") << "Referenz_Punkt" << true << true << 0.3 << 1.0;
        QTest::newRow("point rejected at the reference") << "Referenz_Punkt" << true << false << 0.3 << 1.0;
    }

    void createObjects()
    {
        QFETCH(QString, key);
        QFETCH(bool, atReference);
        QFETCH(bool, accept);
        QFETCH(double, diameter);
        QFETCH(double, depth);
        openNew();
        Viewer3D *view = window->view3D();
        Vector3D expected(0, 0, 0);
        if (atReference) {
            auto *reference = new ReferencePoint;
            reference->setPosition(Vector3D(0.1, 0.0, 0.05));
            window->currentProject3D()->addObject(reference);
            window->adjustProjectUi();
            select(reference, onGround(0.088, 0.05));
            QCOMPARE(view->selectedReferencePoint(), reference);
            expected = reference->position();
        }
        const QList<Object3D *> before = view->objects();

        ShownAnswerer answer;
        const bool isDuct = key.endsWith(QLatin1String("Schacht"));
        const char *dialogClass = isDuct ? "DuctDialog" : "PointDialog";
        Object3D *shown = nullptr;
        answer.expect(dialogClass, [&](QWidget *w) {
            // While the dialog is open the object is in the view, the panels are locked and the
            // window will not close.
            for (Object3D *o : window->view3D()->objects())
                shown = before.contains(o) ? shown : o;
            QVERIFY(!formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
            QVERIFY(!formChild<QTabWidget>(*window, "tabWidget")->isTabEnabled(0));
            QVERIFY(window->view3D()->isSelectionLocked());
            QVERIFY(!window->close());
            formChild<QPushButton>(*w, accept ? "accept" : "reject")->click();
        });
        click3D(key);
        QVERIFY(answer.done());
        QVERIFY(window->isVisible());
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(formChild<QTabWidget>(*window, "tabWidget")->isTabEnabled(0));
        QVERIFY(!view->isSelectionLocked());
        QVERIFY(shown);

        const QList<Object3D *> objects = window->currentProject3D()->objects();
        QCOMPARE(view->objects().contains(shown), accept);
        QCOMPARE(window->isChanged(MainWindow::Project3DChange), accept);
        if (!accept) {
            QCOMPARE(view->objects(), before);
            QCOMPARE(objects.size(), before.size());
            // The close refused during the dialog works once it is over.
            QVERIFY(window->close());
            QVERIFY(!window->currentProject());
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            return;
        }
        QCOMPARE(objects.last(), shown);
        // A point hangs at its depth below the place it was made at.
        if (!isDuct)
            expected.y = -Object3D::toUnits(depth);
        QCOMPARE(shown->system()->position(), expected);
        if (isDuct) {
            auto *duct = qobject_cast<Duct *>(shown);
            QVERIFY(duct);
            QCOMPARE(duct->diameter(), diameter);
            QCOMPARE(duct->depth(), depth);
        } else {
            auto *point = qobject_cast<Point *>(shown);
            QVERIFY(point);
            QCOMPARE(point->diameter(), diameter);
            QCOMPARE(point->depth(), depth);
        }
        // A later change of the object marks the 3D data.
        window->setChanged(MainWindow::Project3DChange, false);
        emit shown->changed();
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
    }

    // Only "Ja" deletes; "Nein" and Escape keep everything.
    void deletions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("answer"); // 0: Escape
        for (const char *kind : {"manhole", "point", "reference", "note", "plan", "course"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, Ja").arg(kind))) << kind << int(MessageDialog::Yes);
            QTest::newRow(qPrintable(QStringLiteral("%1, Nein").arg(kind))) << kind << int(MessageDialog::No);
            QTest::newRow(qPrintable(QStringLiteral("%1, Escape").arg(kind))) << kind << 0;
        }
    }

    void deletions()
    {
        QFETCH(QString, kind);
        QFETCH(int, answer);
        const QString name = openNew();
        Project3D *p3 = window->currentProject3D();
        Duct *manhole = addDuct(Vector3D(-0.15, 0, 0));
        Point *point = addPoint(Vector3D(0.15, 0, 0.1));
        ConnectedInspection *course = addCourse(point, {at(1, "BAB", 0, "A")});
        ConnectedInspection *fromManhole = addCourse(manhole, {});
        Object3D *target = nullptr;
        QString key, question = kElementQuestion;
        if (kind == QLatin1String("manhole")) {
            target = manhole;
            key = QStringLiteral("Schacht/Punkt_Löschen");
        } else if (kind == QLatin1String("point")) {
            target = point;
            key = QStringLiteral("Schacht/Punkt_Löschen");
        } else if (kind == QLatin1String("reference")) {
            auto *reference = new ReferencePoint;
            reference->setPosition(Vector3D(0.1, 0.0, -0.1));
            p3->addObject(reference);
            target = reference;
            key = QStringLiteral("Referenz_Löschen");
        } else if (kind == QLatin1String("note")) {
            target = makeNote();
            key = QStringLiteral("Bemaßung_Löschen");
        } else if (kind == QLatin1String("plan")) {
            p3->setPlan(QSharedPointer<FloorPlan>(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned)));
            key = QStringLiteral("Grundplan_Löschen");
            question = QStringLiteral("Den Grundplan entfernen?");
        } else {
            target = course->objects().first();
            key = QStringLiteral("Untersuchung_Löschen");
            question = QStringLiteral("Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?");
        }
        window->adjustProjectUi();
        click(QStringLiteral("Projekte_Speichern"));
        TestFiles::writeFile(folder(name) + QStringLiteral("/plan.png"), "png");
        if (kind == QLatin1String("manhole"))
            select(manhole, Vector3D(-0.15, -0.1, 0));
        else if (kind == QLatin1String("point"))
            select(point, point->system()->position());
        else if (kind == QLatin1String("reference"))
            select(target, onGround(0.088, -0.1));
        else if (kind == QLatin1String("note"))
            select(target, onGround(-0.1, 0.1));
        else if (kind == QLatin1String("course"))
            select(target, course->objects().last()->system()->position() + Vector3D(0, 0.01, -0.008));

        ModalAnswerer answerer;
        if (answer)
            answerer.message(answer);
        else
            answerer.expect("MessageDialog", [](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
        click3D(key);
        QVERIFY(answerer.done());
        QCOMPARE(answerer.texts().value(0, question), question);

        const bool deleted = answer == MessageDialog::Yes;
        if (kind != QLatin1String("plan"))
            QCOMPARE(window->isChanged(MainWindow::Project3DChange), deleted);
        click(QStringLiteral("Projekte_Speichern"));
        const QDomElement saved = TestFiles::xmlRoot(folder(name) + QStringLiteral("/project3d.xml"));
        if (kind == QLatin1String("manhole") || kind == QLatin1String("point")) {
            Object3D *kept = kind == QLatin1String("manhole") ? static_cast<Object3D *>(point) : manhole;
            QCOMPARE(p3->objects().contains(target), !deleted);
            QVERIFY(p3->objects().contains(kept));
            QCOMPARE(window->view3D()->objects().contains(target), !deleted);
            // The courses hanging from the deleted object go with it, the others stay.
            const int courses = saved.elementsByTagName(QStringLiteral("Inspection")).size();
            QCOMPARE(courses, deleted ? 1 : 2);
            QCOMPARE(p3->inspections().size(), deleted ? 1 : 2);
            QCOMPARE(p3->inspections().contains(kind == QLatin1String("manhole") ? course : fromManhole), true);
        } else if (kind == QLatin1String("reference") || kind == QLatin1String("note")) {
            QCOMPARE(p3->objects().size(), deleted ? 2 : 3);
            QCOMPARE(window->view3D()->objects().size(), deleted ? 2 : 3);
            QCOMPARE(saved.elementsByTagName(QStringLiteral("Object")).size(), deleted ? 2 : 3);
            QCOMPARE(p3->inspections().size(), 2);
        } else if (kind == QLatin1String("plan")) {
            QCOMPARE(saved.elementsByTagName(QStringLiteral("PLAN")).isEmpty(), deleted);
            QCOMPARE(QFileInfo::exists(folder(name) + QStringLiteral("/plan.png")), !deleted);
            QCOMPARE(window->view3D()->hasFloorPlan(), !deleted);
            QCOMPARE(p3->plan().isNull(), deleted);
        } else {
            // The course stays as the placeholder, without its inspection and its labels.
            QVERIFY(p3->inspections().contains(course));
            QCOMPARE(course->investigation() == nullptr, deleted);
            QCOMPARE(course->labels().isEmpty(), deleted);
            QCOMPARE(window->view3D()->inspections().contains(course), true);
        }
    }

    // Manholes made after the site plan lie behind its ground among the 3D objects; the plan
    // going between the click and "Löschen" must not turn the selection to another manhole.
    void deletionAfterThePlanWentTakesTheClickedManhole()
    {
        const QString name = openNew();
        Project3D *p3 = window->currentProject3D();
        Viewer3D *view = window->view3D();
        QSharedPointer<FloorPlan> plan(new FloorPlan(new GraphicsScene, FloorPlan::SceneOwnership::Owned));
        p3->setPlan(plan);
        window->adjustProjectUi();
        QVERIFY(view->hasFloorPlan());
        const auto createManhole = [&](const Vector3D &at) -> Duct * {
            ShownAnswerer answer;
            answer.press("DuctDialog", "accept");
            click3D(QStringLiteral("Anlegen_Schacht"));
            [&] { QVERIFY(answer.done()); }();
            auto *duct = qobject_cast<Duct *>(p3->objects().value(p3->objects().size() - 1));
            if (duct)
                duct->system()->setPosition(at);
            return duct;
        };
        Duct *clicked = createManhole(Vector3D(-0.15, 0, 0));
        Duct *other = createManhole(Vector3D(0.15, 0, 0));
        QVERIFY(clicked && other && clicked != other);
        ConnectedInspection *course = addCourse(other, {});
        view->addInspection(course);
        click(QStringLiteral("Projekte_Speichern"));

        select(clicked, Vector3D(-0.15, -0.1, 0));
        {
            ModalAnswerer planAnswer;
            planAnswer.message(MessageDialog::Yes);
            click3D(QStringLiteral("Grundplan_Löschen"));
            QVERIFY(planAnswer.done());
        }
        QVERIFY(!view->hasFloorPlan());
        QCOMPARE(view->selectedObject(), clicked);

        ModalAnswerer answer;
        answer.message(MessageDialog::Yes);
        click3D(QStringLiteral("Schacht/Punkt_Löschen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(',')) + answer.texts().join(QLatin1Char(',')) + QString::number(p3->objects().size()) + QStringLiteral(" ") + QString::number(view->objects().size()) + QString::number(view->selectedObject() == clicked)));
        QCOMPARE(answer.texts(), QStringList{kElementQuestion});
        QCOMPARE(p3->objects(), QList<Object3D *>{other});
        QVERIFY(view->objects().contains(other));
        QCOMPARE(p3->inspections(), QList<ConnectedInspection *>{course});
        QVERIFY(view->hasInspection(course));
        click(QStringLiteral("Projekte_Speichern"));
        const QDomElement saved = TestFiles::xmlRoot(folder(name) + QStringLiteral("/project3d.xml"));
        QCOMPARE(saved.elementsByTagName(QStringLiteral("Object")).size(), 1);
        QCOMPARE(saved.elementsByTagName(QStringLiteral("Inspection")).size(), 1);
    }

    // Placed by clicks on the ground; the view element is switched on first when it was off.
    void placements_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("choice"); // the button of the reference question
        QTest::newRow("reference point, free hand") << "reference" << int(MessageDialog::No);
        QTest::newRow("reference point, cancelled") << "reference" << int(MessageDialog::Cancel);
        QTest::newRow("reference point, measured in") << "reference" << int(MessageDialog::Yes);
        QTest::newRow("dimension note") << "note" << 0;
    }

    void placements()
    {
        QFETCH(QString, kind);
        QFETCH(int, choice);
        const bool reference = kind == QLatin1String("reference");
        const QString toggle = reference ? QStringLiteral("Ansicht_Referenzpunkte") : QStringLiteral("Ansicht_Bemaßungen");
        const int bit = reference ? 16 : 32;
        openNew();
        click3D(toggle);
        QVERIFY(!box3D()->isChecked(toggle));
        window->setChanged(MainWindow::Project3DChange, false);
        Viewer3D *view = window->view3D();
        view->renderNow();
        const QList<QPoint> clicks = {pixelOf(onGround(-0.2, 0.1)), pixelOf(onGround(0.2, 0.1)),
                                      pixelOf(onGround(0.0, 0.15))};

        ModalAnswerer answer;
        QStringList texts;
        const auto placeAfterOk = [&](int count) {
            answer.expect("MessageDialog", [&, count](QWidget *w) {
                texts << static_cast<MessageDialog *>(w)->text();
                static_cast<MessageDialog *>(w)->done(MessageDialog::Ok);
                // The clicks come once the view waits for them.
                QTimer::singleShot(50, this, [&, count] {
                    for (int i = 0; i < count; ++i) {
                        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, clicks.at(i));
                        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, clicks.at(i));
                    }
                });
            });
        };
        const auto distance = [&](double metres) {
            answer.expect("InputDoubleDialog", [metres](QWidget *w) {
                w->findChild<QDoubleSpinBox *>()->setValue(metres);
                static_cast<QDialog *>(w)->accept();
            });
        };
        if (reference) {
            answer.message(choice);
            if (choice == MessageDialog::No)
                placeAfterOk(1);
            if (choice == MessageDialog::Yes) {
                placeAfterOk(3);
                distance(2.0);
                distance(2.0);
            }
        } else {
            placeAfterOk(2);
        }
        click3D(reference ? QStringLiteral("Anlegen_Referenzpunkt") : QStringLiteral("Anlegen_Bemaßung"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));

        QVERIFY(box3D()->isChecked(toggle));
        QCOMPARE(window->currentProject3D()->showFlags() & bit, bit);
        QCOMPARE(view->showFlags() & bit, bit);
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(!view->isSelectionLocked());
        const QList<Object3D *> objects = window->currentProject3D()->objects();
        if (choice == MessageDialog::Cancel) {
            QVERIFY(objects.isEmpty());
            QVERIFY(view->referencePoints().isEmpty());
            return;
        }
        QCOMPARE(objects.size(), 1);
        if (reference) {
            QCOMPARE(texts, QStringList{choice == MessageDialog::Yes ? QStringLiteral("Bitte 2 Punkte zum Einmessen auswählen!")
                                                                     : QStringLiteral("Bitte Einmesspunkt setzen!")});
            QCOMPARE(view->referencePoints(), QList<ReferencePoint *>{qobject_cast<ReferencePoint *>(objects.first())});
            QVERIFY(view->referencePoints().first()->isPositionSet());
        } else {
            QCOMPARE(texts, QStringList{QStringLiteral("Bitte 2 Punkte zum Bemaßen auswählen!")});
            QCOMPARE(view->dimensionNotes(), QList<DimensionNote *>{qobject_cast<DimensionNote *>(objects.first())});
        }
        QVERIFY(window->isChanged(MainWindow::Project3DChange));
    }

    // A cancelled edit leaves the object as it was before the dialog.
    void cancelledEditsRestore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("manhole") << "manhole";
        QTest::newRow("point") << "point";
        QTest::newRow("dimension note") << "note";
    }

    void cancelledEditsRestore()
    {
        QFETCH(QString, kind);
        openNew();
        Object3D *object = nullptr;
        Vector3D at;
        if (kind == QLatin1String("manhole")) {
            object = addDuct(Vector3D(-0.15, 0, 0));
            at = Vector3D(-0.15, -0.1, 0);
        } else if (kind == QLatin1String("point")) {
            object = addPoint(Vector3D(0.15, 0, 0.1));
            object->setLabelText(QStringLiteral("P-Label"));
            at = object->system()->position();
        } else {
            object = makeNote();
            object->setName(QStringLiteral("Strecke A"), true);
        }
        window->adjustProjectUi();
        if (kind == QLatin1String("note"))
            at = onGround(-0.1, 0.1);
        select(object, at);
        const QString name = object->name();
        const QString label = object->labelText();

        ShownAnswerer answer;
        if (kind == QLatin1String("note")) {
            answer.expect("DimensionNoteDialog", [](QWidget *w) {
                formChild<QLineEdit>(*w, "edtDisplayedSize")->setText(QStringLiteral("99 m"));
                formChild<QPushButton>(*w, "reject")->click();
            });
            click3D(QStringLiteral("Bemaßung_Bearbeiten"));
            QVERIFY(answer.done());
            QCOMPARE(object->name(), name);
            QCOMPARE(object->labelText(), label);
        } else {
            const bool duct = kind == QLatin1String("manhole");
            answer.expect(duct ? "DuctDialog" : "PointDialog", [](QWidget *w) {
                formChild<QDoubleSpinBox>(*w, "diameter")->setValue(1.7);
                formChild<QDoubleSpinBox>(*w, "depth")->setValue(4.5);
                formChild<QPlainTextEdit>(*w, "plainTextEdit")->setPlainText(QStringLiteral("anders"));
                formChild<QPushButton>(*w, "reject")->click();
            });
            click3D(QStringLiteral("Schacht/Punkt_Bearbeiten"));
            QVERIFY(answer.done());
            if (duct) {
                QCOMPARE(qobject_cast<Duct *>(object)->diameter(), 1.0);
                QCOMPARE(qobject_cast<Duct *>(object)->depth(), 2.0);
            } else {
                QCOMPARE(qobject_cast<Point *>(object)->diameter(), 0.6);
                QCOMPARE(qobject_cast<Point *>(object)->depth(), 1.0);
                QCOMPARE(object->labelText(), QStringLiteral("P-Label"));
            }
            QCOMPARE(window->view3D()->maxDepth(), 2.0 * (duct ? 1 : 0) + (duct ? 0 : 1.3));
        }
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));
    }

    // A new pipe name is written into the inspection, which the next save writes to its file.
    void pipeRenamedInTheCourseDialogIsSaved()
    {
        openNew();
        Point *point = addPoint(Vector3D(0.15, 0, 0.1));
        ConnectedInspection *course = addCourse(point, {});
        window->adjustProjectUi();
        click(QStringLiteral("Projekte_Speichern"));
        select(course->objects().first(), course->objects().last()->system()->position() + Vector3D(0, 0.01, -0.008));

        ShownAnswerer answer;
        answer.expect("InvestDialog", [](QWidget *w) {
            formChild<QLineEdit>(*w, "lePipelineName")->setText(QStringLiteral("Haltung Nord"));
            formChild<QPushButton>(*w, "accept")->click();
        });
        click3D(QStringLiteral("Untersuchung_Bearbeiten"));
        QVERIFY(answer.done());
        QVERIFY(course->investigation()->isChanged());
        click(QStringLiteral("Projekte_Speichern"));
        const QString file = course->investigation()->folder() + QLatin1Char('/') + course->investigation()->fileName();
        QVERIFY2(TestFiles::readAll(file).contains("Haltung Nord"), qPrintable(file));
    }

    // An existing inspection with a bend is hung from a manhole; its bend is placed in the part
    // dialog.
    // Two laterals of one code, metre and video time (recorded with the video standing still)
    // are asked for one after the other.
    void existingInspectionAtAManhole_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("laterals");
        QTest::newRow("placed") << true << false;
        QTest::newRow("placement cancelled") << false << false;
        QTest::newRow("two laterals at one time, placed") << true << true;
    }

    void existingInspectionAtAManhole()
    {
        QFETCH(bool, accept);
        QFETCH(bool, laterals);
        openNew();
        Duct *manhole = addDuct(Vector3D(-0.15, 0, 0));
        QVector<ObservationRecord> observations{at(1, "BCC", 30, "Y", "A")};
        if (laterals) {
            observations = {at(1, "BCA"), at(1, "BCA")};
            observations[0].clockFrom = 3;
            observations[1].clockFrom = 9;
        }
        Investigation *inspection = addInspection(observations);
        window->adjustProjectUi();
        window->setChanged(MainWindow::Project3DChange, false);
        select(manhole, Vector3D(-0.15, -0.1, 0));
        const QList<ConnectedInspection *> shownBefore = window->view3D()->inspections();

        ModalAnswerer modal;
        modal.expect("InsertInvestDialog", [inspection](QWidget *w) {
            ModalAnswerer list;
            list.expect("InputListDialog", [inspection](QWidget *l) {
                auto *names = formChild<QListWidget>(*l, "listWidget");
                const QList<QListWidgetItem *> found = names->findItems(inspection->fileName(), Qt::MatchExactly);
                QVERIFY(!found.isEmpty());
                names->setCurrentItem(found.first());
                formChild<QPushButton>(*l, "accept")->click();
            });
            formChild<QPushButton>(*w, "file")->click();
            QVERIFY(list.done());
        });
        ShownAnswerer part;
        int flagsWhilePlacing = -1;
        QStringList asked;
        for (int i = 0; i < (laterals ? 2 : 1); ++i) {
            part.expect("InsertPartDialog", [&](QWidget *w) {
                flagsWhilePlacing = window->view3D()->showFlags();
                asked << formChild<QLabel>(*w, "text")->text();
                formChild<QPushButton>(*w, accept ? "accept" : "reject")->click();
            });
        }
        click3D(QStringLiteral("Schacht/Punkt_Untersuchung"));
        QVERIFY2(modal.done(), qPrintable(modal.unexpected().join(QLatin1Char(','))));
        QVERIFY(part.done());
        QCOMPARE(flagsWhilePlacing, 0);
        QCOMPARE(window->view3D()->showFlags(), window->currentProject3D()->showFlags());
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(!window->view3D()->isSelectionLocked());

        const QList<ConnectedInspection *> courses = window->currentProject3D()->inspections();
        QCOMPARE(window->isChanged(MainWindow::Project3DChange), accept);
        if (!accept) {
            QVERIFY(courses.isEmpty());
            QCOMPARE(window->view3D()->inspections(), shownBefore);
            return;
        }
        QCOMPARE(courses.size(), 1);
        ConnectedInspection *course = courses.first();
        QCOMPARE(course->investigation(), inspection);
        QCOMPARE(course->parent(), static_cast<Object3D *>(manhole));
        QCOMPARE(course->entries().size(), laterals ? 2 : 1);
        QVERIFY(window->view3D()->inspections().contains(course));
        if (laterals) {
            QCOMPARE(asked.size(), 2);
            QCOMPARE(course->entries().at(0).position, 0.0);
            QCOMPARE(course->entries().at(1).position, 180.0);
            QCOMPARE(course->allBranches().size(), 2);
        }
    }

    // The wizard starts a new inspection at a manhole, or on a course that lost its inspection.
    void newInspectionThroughTheWizard_data()
    {
        QTest::addColumn<bool>("onCourse");
        QTest::addColumn<bool>("accept");
        QTest::newRow("at a manhole") << false << true;
        QTest::newRow("at a manhole, cancelled") << false << false;
        QTest::newRow("on a course without inspection") << true << true;
        QTest::newRow("on a course without inspection, cancelled") << true << false;
    }

    void newInspectionThroughTheWizard()
    {
        QFETCH(bool, onCourse);
        QFETCH(bool, accept);
        openNew();
        Point *point = addPoint(Vector3D(0.15, 0, 0.1));
        ConnectedInspection *placeholder = nullptr;
        if (onCourse) {
            placeholder = addCourse(point, {});
            placeholder->detachInvestigation();
        }
        window->adjustProjectUi();
        window->setChanged(MainWindow::Project3DChange, false);
        const QList<ConnectedInspection *> coursesBefore = window->currentProject3D()->inspections();
        const QList<ConnectedInspection *> shownBefore = window->view3D()->inspections();
        const int inspectionsBefore = window->currentProject()->inspectionCount();
        auto *list = formChild<QTableWidget>(*window, "investList");
        const int rowsBefore = list->rowCount();

        ModalAnswerer modal;
        if (onCourse) {
            select(placeholder->objects().first(),
                   placeholder->objects().first()->system()->worldFromLocal(Vector3D(0, 0, -0.04)));
            QVERIFY(box3D()->button(QStringLiteral("Abzweig_Untersuchung"))->isVisibleTo(box3D()));
            modal.message(MessageDialog::Yes);
        } else {
            select(point, point->system()->position());
            modal.expect("InsertInvestDialog", [](QWidget *w) { formChild<QPushButton>(*w, "assistent")->click(); });
        }
        ShownAnswerer wizard;
        wizard.expect("StartNewInvestDialog", [accept](QWidget *w) {
            if (!accept) {
                formChild<QPushButton>(*w, "reject")->click();
                return;
            }
            formChild<QListWidget>(*w, "normList")->setCurrentRow(0);
            formChild<QLineEdit>(*w, "name")->setText(QStringLiteral("Neu1"));
            formChild<QPushButton>(*w, "accept")->click();
            w->findChild<QDoubleSpinBox *>(QStringLiteral("meter"))->setValue(12.0);
            formChild<QPushButton>(*w, "accept")->click();
        });
        click3D(onCourse ? QStringLiteral("Abzweig_Untersuchung") : QStringLiteral("Schacht/Punkt_Untersuchung"));
        QVERIFY2(modal.done(), qPrintable(modal.unexpected().join(QLatin1Char(','))));
        QVERIFY(wizard.done());
        QVERIFY(formChild<QFrame>(*window, "tool3DFrame")->isEnabled());
        QVERIFY(!window->view3D()->isSelectionLocked());
        QCOMPARE(window->view3D()->showFlags(), window->currentProject3D()->showFlags());
        QCOMPARE(window->isChanged(MainWindow::Project3DChange), accept);

        const QList<ConnectedInspection *> courses = window->currentProject3D()->inspections();
        if (!accept) {
            QCOMPARE(courses, coursesBefore);
            QCOMPARE(window->view3D()->inspections(), shownBefore);
            QCOMPARE(window->currentProject()->inspectionCount(), inspectionsBefore);
            QCOMPARE(list->rowCount(), rowsBefore);
            if (placeholder)
                QVERIFY(!placeholder->investigation());
            return;
        }
        QCOMPARE(window->currentProject()->inspectionCount(), inspectionsBefore + 1);
        QCOMPARE(list->rowCount(), rowsBefore + 1);
        ConnectedInspection *course = onCourse ? placeholder : courses.last();
        QCOMPARE(courses.size(), onCourse ? 1 : coursesBefore.size() + 1);
        QVERIFY(course->investigation());
        QVERIFY(course->investigation()->fileName().startsWith(QStringLiteral("Neu1")));
        QVERIFY(window->view3D()->inspections().contains(course));
        QCOMPARE(window->view3D()->inspections().count(course), 1);
    }

    // A generated picture through the loading dialog becomes the plan; the scale change
    // reopens the project from its own folder, wherever the projects root points by then.
    void sitePlanThroughTheLoadingDialog()
    {
        const QString name = openNew();
        addDuct(Vector3D(0, 0, 0));
        window->adjustProjectUi();
        click(QStringLiteral("Projekte_Speichern"));
        const QString elsewhere = env->root() + QStringLiteral("/elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        Global::instance()->config()->setProjectPath(elsewhere);
        QTemporaryDir pictures;
        const QString picture = pictures.filePath(QStringLiteral("plan.png"));
        QVERIFY(markedImage(640, 480).save(picture));

        {
            ModalAnswerer modal;
            modal.message(MessageDialog::Ok); // "Laden"
            modal.expect("LoadPlanDialog", [picture](QWidget *w) {
                {
                    ModalAnswerer file;
                    file.expect("QFileDialog", chooseFile(picture));
                    formChild<QPushButton>(*w, "addImage")->click();
                    QVERIFY(file.done());
                }
                ModalAnswerer measure;
                measure.message(MessageDialog::Ok);
                measure.expect("InputDoubleDialog", [](QWidget *input) {
                    input->findChild<QDoubleSpinBox *>()->setValue(10.0);
                    static_cast<QDialog *>(input)->accept();
                });
                auto *view = w->findChild<GraphicsView *>(QStringLiteral("graphicsView"));
                PointClicker clicker(view, QPoint(100, 100), QPoint(350, 100));
                formChild<QPushButton>(*w, "measure")->click();
                QVERIFY(measure.done());
                formChild<QPushButton>(*w, "accept")->click();
            });
            click3D(QStringLiteral("Grundplan_Einfügen"));
            QVERIFY2(modal.done(), qPrintable(modal.unexpected().join(QLatin1Char(','))));
            QCOMPARE(modal.texts(), QStringList{QStringLiteral("Plan aus Datei laden oder selber erstellen?")});
        }
        Global::instance()->config()->setProjectPath(root);

        // Reopened from its own folder, with the plan on the ground and the scale of the plan.
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), name);
        QCOMPARE(window->currentProject()->root(), root);
        QVERIFY(!QFileInfo::exists(elsewhere + QLatin1Char('/') + name));
        QVERIFY(window->currentProject3D()->plan());
        QVERIFY(window->view3D()->hasFloorPlan());
        QCOMPARE(window->view3D()->objects().size(), 1);
        QCOMPARE(Global::instance()->meterRatio()->ratio(), window->currentProject3D()->plan()->ratio());
        QVERIFY(!TestFiles::xmlRoot(folder(name) + QStringLiteral("/project3d.xml")).elementsByTagName(QStringLiteral("PLAN")).isEmpty());
        QVERIFY(QFileInfo::exists(folder(name) + QStringLiteral("/plan.tkp")));
        QVERIFY(!window->isChanged(MainWindow::Project3DChange));

        // A second plan asks first; "Abbrechen" keeps the one there.
        ModalAnswerer again;
        again.message(MessageDialog::Cancel);
        click3D(QStringLiteral("Grundplan_Einfügen"));
        QVERIFY2(again.done(), qPrintable(again.unexpected().join(QLatin1Char(',')) + again.texts().join(QLatin1Char(','))));
        QCOMPARE(again.texts(), QStringList{QStringLiteral("Der vorhandene Grundplan wird überschrieben!")});
        QVERIFY(window->view3D()->hasFloorPlan());
    }

    void screenshotOfTheTabShowsTheManhole()
    {
        openNew();
        addDuct(Vector3D(0, 0, 0));
        window->adjustProjectUi();
        Viewer3D *view = window->view3D();
        view->renderNow();
        QTest::qWait(100);
        const QPoint corner = view->containerWidget()->mapToGlobal(QPoint(0, 0));
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(0, corner.x(), corner.y(), view->width(), view->height())
                                .toImage();
        QVERIFY(!shot.isNull());
        const QRgb first = shot.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < shot.height() && !varied; y += 3)
            for (int x = 0; x < shot.width() && !varied; x += 3)
                varied = shot.pixel(x, y) != first;
        QVERIFY(varied);
    }

    void cleanupTestCase()
    {
        window->close();
        started = Startup::Started();
        capture.reset();
        env.reset();
    }

private:
    ToolBox *toolBox() const { return formChild<ToolBox>(*window, "toolBox"); }
    ToolBox *box3D() const { return formChild<ToolBox>(*window, "tool3DBox"); }

    void click(const QString &key)
    {
        QPushButton *button = toolBox()->button(key);
        QVERIFY2(button, qPrintable(key));
        button->click();
    }

    void click3D(const QString &key)
    {
        QPushButton *button = box3D()->button(key);
        QVERIFY2(button, qPrintable(key));
        QVERIFY2(button->isEnabled(), qPrintable(key));
        button->click();
    }

    QString folder(const QString &name) const { return root + QLatin1Char('/') + name; }

    QDomElement properties(const QString &name) const
    {
        return TestFiles::xmlRoot(folder(name) + QStringLiteral("/project3d.xml")).firstChildElement(QStringLiteral("Properties"));
    }

    void open(const QString &name)
    {
        ModalAnswerer answer;
        answer.expect("OpenProjectDialog", openProjectNamed(name));
        click(QStringLiteral("Projekte_Öffnen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(window->currentProject());
    }

    // A new project of its own for every test, opened through the panel, on the 3D tab, at ten
    // metres to the scene unit, so that a manhole is large enough on screen to click.
    QString openNew()
    {
        // A plan read before may have set another scale; with no project open nothing follows.
        Global::instance()->meterRatio()->observe(QSharedPointer<QObject>());
        Global::instance()->meterRatio()->setRatio(0.001);
        const QString name = QStringLiteral("P%1").arg(++round);
        std::unique_ptr<Project> made(Project::create(name, root));
        [&] { QVERIFY(made); }();
        made.reset();
        open(name);
        formChild<QTabWidget>(*window, "tabWidget")->setCurrentIndex(1);
        QTest::qWait(50);
        return name;
    }

    Duct *addDuct(const Vector3D &position)
    {
        auto *duct = new Duct(1.0, 2.0);
        duct->system()->setPosition(position);
        duct->buildGeometry();
        window->currentProject3D()->addObject(duct);
        return duct;
    }

    Point *addPoint(const Vector3D &position)
    {
        auto *point = new Point(0.6, 1.0);
        point->system()->setPosition(position);
        point->buildGeometry();
        window->currentProject3D()->addObject(point);
        return point;
    }

    // An inspection of the project with these observations, in a folder of its own.
    Investigation *addInspection(const QVector<ObservationRecord> &observations)
    {
        Investigation *inspection = makeInspection(NormEN135082).release();
        const QString name = QStringLiteral("K%1").arg(++inspections);
        inspection->setFolder(window->currentProject()->folder() + QLatin1Char('/') + name);
        inspection->setFileName(name + QStringLiteral(".xml"));
        InspectionHeader header = inspection->mainData();
        header.width = 300;
        header.inspectionLength = 3.0;
        inspection->setMainData(header);
        inspection->mutableObservations() = observations;
        QDir().mkpath(inspection->folder());
        window->currentProject()->addInspection(inspection);
        return inspection;
    }

    // A course of an inspection of the project with these observations, hanging from parent.
    ConnectedInspection *addCourse(Object3D *parent, const QVector<ObservationRecord> &observations)
    {
        Investigation *inspection = addInspection(observations);
        auto *course = new ConnectedInspection(inspection, new ManipulatedSystem3D, parent);
        course->build(0.0);
        window->currentProject3D()->addInspection(course);
        return course;
    }

    // A dimension note across (-0.2, 0.1) to (0.2, 0.1) on the ground, in the 3D project.
    DimensionNote *makeNote()
    {
        auto *note = new DimensionNote;
        note->setRef1(Vector3D(-0.2, 0, 0.1));
        note->setRef2(Vector3D(0.2, 0, 0.1));
        note->centerPosition();
        window->currentProject3D()->addObject(note);
        return note;
    }

    QPoint pixelOf(const Vector3D &world) const
    {
        const Vector3D p = window->view3D()->camera()->projectedCoordinatesOf(world);
        return QPoint(int(std::lround(p.x)), int(std::lround(p.y)));
    }

    // Where reference points and dimension notes show: on the ground below the network. Their
    // label sits at their centre and takes a click there, so tests click beside it.
    Vector3D onGround(double x, double z) const
    {
        return Vector3D(x, 0.0002 - Object3D::toUnits(window->view3D()->maxDepth()), z);
    }

    // Selects by a click on the object where it shows at that scene point, as a user does. A
    // dimension note is a line one pixel wide, so the pixels next to the point are tried too.
    void select(Object3D *object, const Vector3D &at)
    {
        Viewer3D *view = window->view3D();
        const QPoint pixel = pixelOf(at);
        for (const QPoint &offset : {QPoint(0, 0), QPoint(0, -1), QPoint(0, 1)}) {
            view->renderNow();
            QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, pixel + offset);
            QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, pixel + offset);
            if (view->selectedObject() == object)
                break;
        }
        QVERIFY2(view->selectedObject() == object, qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString root;
    int round = 0;
    int inspections = 0;
};

ZZ_VIDEO_X11_TEST_MAIN(TestView3DCommands)
#include "tst_view3dcommands.moc"
