// test-needs: x11
// With a translation installed that gives every text as "[" + text + "]", every text the main
// window, its panels and the dialogs show must carry the brackets: one without them never went
// through the translation and stays German in every language. In that pseudo language and in
// each of the ten languages, every text they show must fit the room it is given.
#include "app/configdialog.h"
#include "app/firmdatadialog.h"
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/filedirnamedialog.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/infodialog.h"
#include "foundation/inputdoubledialog.h"
#include "foundation/inputlistdialog.h"
#include "foundation/progressdialog.h"
#include "foundation/toolbox.h"
#include "entry/endamagedatadialog.h"
#include "entry/enmaindatadialog.h"
#include "entry/isybau2001damagedialog.h"
#include "entry/isybau2001maindialog.h"
#include "entry/normcatalogdialog.h"
#include "entry/startnewinvestdialog.h"
#include "plan/dialogs/createplandialog.h"
#include "plan/dialogs/loadplandialog.h"
#include "plan/dialogs/scenetextdialog.h"
#include "view3d/connectedinspection.h"
#include "view3d/dialogs/dimensionnotedialog.h"
#include "view3d/dialogs/ductdialog.h"
#include "view3d/dialogs/insertinvestdialog.h"
#include "view3d/dialogs/insertpartdialog.h"
#include "view3d/dialogs/investdialog.h"
#include "view3d/dialogs/pointdialog.h"
#include "view3d/dialogs/viewoptionsdialog.h"
#include "view3d/dimensionnote.h"
#include "view3d/duct.h"
#include "view3d/inspectionsource.h"
#include "view3d/manipulatedsystem3d.h"
#include "view3d/point.h"
#include "view3d/viewer3d.h"
#include "project/burner/dvddialog.h"
#include "app/mainwindow.h"
#include "model/en135082.h"
#include "model/isybau2001.h"
#include "reports/printdialog.h"
#include "project/exportprojectsdialog.h"
#include "project/importdialog.h"
#include "project/openprojectdialog.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/testenv.h"
#include "support/textfit.h"
#include "support/videotestmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Texts that stay as they are in every language: names the program shows as fixed (the
// languages in their own tongue, the damage class heading) and the north-angle field, whose
// caption is its command key.
const QStringList kFixedTexts{QStringLiteral("Deutsch"),        QStringLiteral("Dansk"),
                              QStringLiteral("Español"),        QStringLiteral("Norsk (Bokmål)"),
                              QStringLiteral("Schadensklassen"), QStringLiteral("Ausrichtung")};

bool marked(const QString &text, const QStringList &fixed)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    if (!text.contains(word) || kFixedTexts.contains(text) || fixed.contains(text))
        return true; // numbers, units, symbols: nothing to translate
    const int open = text.indexOf(QLatin1Char('['));
    return open >= 0 && text.indexOf(QLatin1Char(']'), open) > open;
}

// Every text of root and its children that a user reads as the program's own: labels, buttons,
// group and window titles, tabs, table headers, tool tips, actions. Lists, fields and combo boxes
// hold data and are left out, as are the given fixed texts of the form.
QStringList unmarkedTexts(QWidget *root, const QStringList &fixed = {})
{
    QStringList found;
    const auto check = [&found, &fixed](const QObject *where, const char *what, const QString &text) {
        if (!marked(text, fixed))
            found << QStringLiteral("%1 %2 %3: \"%4\"").arg(QLatin1String(where->metaObject()->className()),
                                                             where->objectName(), QLatin1String(what), text);
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (widget->isWindow())
            check(widget, "window title", widget->windowTitle());
        check(widget, "tool tip", widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            check(label, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            check(button, "text", button->text());
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            check(group, "title", group->title());
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                check(tabs, "tab", tabs->tabText(i));
                check(tabs, "tab tool tip", tabs->tabToolTip(i));
            }
        }
        if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            if (header->model()) {
                for (int i = 0; i < header->count(); ++i)
                    check(header, "header", header->model()->headerData(i, header->orientation()).toString());
            }
        }
        for (QAction *action : widget->actions()) {
            check(action, "action", action->text());
            check(action, "action tool tip", action->toolTip() == action->text() ? QString() : action->toolTip());
        }
    }
    found.removeDuplicates();
    return found;
}

// The pseudo language first, then the program's languages by their index.
const QStringList kLanguages{QStringLiteral("pseudo"), QStringLiteral("de"), QStringLiteral("da"),
                             QStringLiteral("en"),     QStringLiteral("es"), QStringLiteral("fi"),
                             QStringLiteral("fr"),     QStringLiteral("hr"), QStringLiteral("nb"),
                             QStringLiteral("pl"),     QStringLiteral("ru")};

} // namespace

Q_DECLARE_METATYPE(std::function<QWidget *()>)

class TestPseudoTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        const QString root = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(root));
        Global::instance()->config()->setProjectPath(root);
        // German has no translation files of its own, so the pseudo translation is the only one.
        Global::instance()->config()->setLanguage(0);
        for (const char *set : {"ZOZOrureLibrary", "ZOZOrure", "zozorure"}) {
            auto *translator = new QTranslator(qApp);
            QVERIFY(translator->load(QStringLiteral(ZZ_PSEUDO_DIR "/%1_pseudo.qm").arg(QLatin1String(set))));
            pseudo << translator;
        }
        useLanguage(QStringLiteral("pseudo"));
        project.reset(Project::create(QStringLiteral("Pseudo"), root));
        QVERIFY(project);
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        QVERIFY(window);
    }

    // The check itself: which texts count as passed through the translation.
    void checkFindsUnmarkedTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reported");
        QTest::newRow("plain") << "Schacht" << true;
        QTest::newRow("marked") << "[Schacht]" << false;
        QTest::newRow("marked part") << "[Größe:] 12 MB" << false;
        QTest::newRow("number and unit") << "12,5 m" << false;
        QTest::newRow("fixed language name") << "Dansk" << false;
        QTest::newRow("bracket not closed") << "[Schacht" << true;
    }
    void checkFindsUnmarkedTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, reported);
        QWidget form;
        auto *label = new QLabel(QStringLiteral("[Ort:]"), &form);
        label->setToolTip(text);
        new QGroupBox(QStringLiteral("[Daten]"), &form);
        QCOMPARE(unmarkedTexts(&form).size(), reported ? 1 : 0);
    }

    // The panels are built from translated section and item names.
    void panelKeys()
    {
        auto *box = formChild<ToolBox>(*window, "toolBox");
        QVERIFY(box->button(QStringLiteral("[Projekte]_[Öffnen]")));
        QVERIFY(!box->button(QStringLiteral("Projekte_Öffnen")));
    }

    // The main window with each of its tabs in front, as the language changes while it runs.
    void mainWindow_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void mainWindow()
    {
        QFETCH(QString, language);
        useLanguage(language);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (language == QLatin1String("pseudo")) {
            const QStringList found = unmarkedTexts(window);
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        }
        // The panels keep the language the program started in; each language's panels are
        // measured where the program starts in it.
        auto *tabs = formChild<QTabWidget>(*window, "tabWidget");
        QStringList cut;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::qWait(50);
            for (const QString &text : TextFit::clippedTexts(window))
                cut << QStringLiteral("MainWindow, tab %1, %2: %3").arg(tab).arg(language, text);
        }
        tabs->setCurrentIndex(0);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // Every dialog, opened on its own; the texts its form keeps fixed are named per dialog.
    void dialogs_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<std::function<QWidget *()>>("make");
        QTest::addColumn<QStringList>("fixed");
        for (const QString &language : kLanguages)
            addDialogs(language);
    }
    void addDialogs(const QString &language)
    {
        const auto add = [&language](const char *name, std::function<QWidget *()> make, const QStringList &fixed = {}) {
            QTest::newRow(qPrintable(language + QLatin1Char(' ') + QLatin1String(name))) << language << make << fixed;
        };
        add("ConfigDialog", [] { return new ConfigDialog; });
        add("FirmDataDialog", [] {
            auto *dialog = new FirmDataDialog;
            dialog->setFirmStore(Global::instance()->firmStore().data());
            return dialog;
        });
        add("InfoDialog", [] { return new InfoDialog; });
        add("InputDoubleDialog", [] { return new InputDoubleDialog; });
        add("InputListDialog", [] { return new InputListDialog; });
        add("ProgressDialog", [] { return new ProgressDialog; });
        for (int mode = 0; mode < 3; ++mode)
            add("FileDirNameDialog", [mode] { return new FileDirNameDialog(mode); });
        for (int mode = 0; mode < 3; ++mode)
            add("OpenProjectDialog", [mode] { return new OpenProjectDialog(mode); });
        add("ImportDialog", [this] { return new ImportDialog(project.get()); });
        add("ExportProjectsDialog", [this] { return new ExportProjectsDialog(project.get()); });
        add("DVDDialog", [] { return new DVDDialog; });
        add("PrintDialog", [] { return new PrintDialog; });
        add("LoadPlanDialog", [] { return new LoadPlanDialog; });
        add("CreatePlanDialog", [] { return new CreatePlanDialog; });
        add("ViewOptionsDialog", [this] { return new ViewOptionsDialog(window->findChild<Viewer3D *>()); });
        add("PointDialog", [this] { return new PointDialog(&point, nullptr); });
        add("DuctDialog", [this] { return new DuctDialog(&duct, nullptr); });
        add("DimensionNoteDialog", [this] { return new DimensionNoteDialog(&note, window->findChild<Viewer3D *>()); });
        add("InsertInvestDialog", [this] { return new InsertInvestDialog(&duct, nullptr, nullptr); });
        add("InvestDialog", [this] {
            course.reset(new ConnectedInspection);
            course->build(200.0);
            return new InvestDialog(course.get(), nullptr);
        });
        add("InsertPartDialog", [this] {
            course.reset(new ConnectedInspection);
            course->build(200.0);
            return new InsertPartDialog(course.get(), nullptr);
        });
        add("StartNewInvestDialog", [this] {
            sources.reset(new InspectionList(QStringLiteral("Pseudo"), env->root() + QStringLiteral("/projects")));
            viewer.reset(new Viewer3D);
            auto *start = new Point(1.0, 2.0);
            viewer->addObject(start);
            auto *newCourse = new ConnectedInspection(nullptr, new ManipulatedSystem3D, start);
            viewer->addInspection(newCourse);
            return new StartNewInvestDialog(newCourse, sources.get(), viewer.get());
        });
        add("SceneTextDialog", [this] {
            text.reset(new QGraphicsTextItem);
            return new SceneTextDialog(text.get());
        });
        add("ENMainDataDialog", [this] {
            inspection.reset(new EN135082(QStringLiteral("de")));
            return new ENMainDataDialog(inspection.get());
        }, {"Auskleidungsmaterial:"});
        add("ENDamageDataDialog", [this] {
            inspection.reset(new EN135082(QStringLiteral("de")));
            return new ENDamageDataDialog(inspection.get());
        });
        add("NormCatalogDialog", [this] {
            inspection.reset(new EN135082(QStringLiteral("de")));
            return new NormCatalogDialog(inspection.get());
        });
        add("Isybau2001MainDialog", [this] {
            inspection.reset(new Isybau2001);
            return new Isybau2001MainDialog(inspection.get());
        }, {"Operator:", "Kunde:", "Ort:", "Straße:", "Punkt oben:", "Punkt unten:", "Haltung:", "Profil:", "Durchmesser:",
            "Höhe:", "Breite:", "Material", "System:", "Richtung:", "Datum:", "Videonummer:", "Übernehmen", "Abbrechen"});
        add("Isybau2001DamageDialog", [this] {
            inspection.reset(new Isybau2001);
            return new Isybau2001DamageDialog(inspection.get());
        }, {"Kürzel:", "Meter:", "Zusatz", "Foto anlegen:", "Kommentar", "Schadensklasse", "Streckenschaden", "fertiger Text",
            "Übernehmen", "Abbrechen"});
    }
    void dialogs()
    {
        QFETCH(QString, language);
        QFETCH(std::function<QWidget *()>, make);
        QFETCH(QStringList, fixed);
        useLanguage(language);
        std::unique_ptr<QWidget> dialog(make());
        // As the program opens them: over the main window, under its style sheet.
        if (!dialog->parentWidget())
            dialog->setParent(window, dialog->windowFlags());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QStringList found;
        if (language == QLatin1String("pseudo"))
            found = unmarkedTexts(dialog.get(), fixed);
        const QString name = QLatin1String(dialog->metaObject()->className());
        // Every page of a tabbed dialog in front once.
        for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>()) {
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                QTest::qWait(20);
                for (const QString &text : TextFit::clippedTexts(dialog.get()))
                    found << QStringLiteral("%1, %2: %3").arg(name, language, text);
            }
        }
        for (const QString &text : TextFit::clippedTexts(dialog.get()))
            found << QStringLiteral("%1, %2: %3").arg(name, language, text);
        found.removeDuplicates();
        dialog.reset();
        text.reset();
        course.reset();
        // The viewer deletes the course before the list deletes the inspection it shows.
        viewer.reset();
        sources.reset();
        inspection.reset();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase()
    {
        useLanguage(QStringLiteral("de"));
        window->close();
        started = Startup::Started();
        project.reset();
        capture.reset();
        env.reset();
    }

private:
    // The pseudo translation, or a language of the program as a user chooses it.
    void useLanguage(const QString &language)
    {
        if (language == current)
            return;
        Config *config = Global::instance()->config().data();
        if (language == QLatin1String("pseudo")) {
            config->setLanguage(0);
            for (QTranslator *translator : pseudo)
                QCoreApplication::installTranslator(translator);
        } else {
            for (QTranslator *translator : pseudo)
                QCoreApplication::removeTranslator(translator);
            config->setLanguage(kLanguages.indexOf(language) - 1);
        }
        if (window)
            window->loadTranslation();
        current = language;
    }

    QList<QTranslator *> pseudo;
    QString current;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    std::unique_ptr<Project> project;
    std::unique_ptr<QGraphicsTextItem> text;
    std::unique_ptr<Investigation> inspection;
    std::unique_ptr<ConnectedInspection> course;
    std::unique_ptr<Viewer3D> viewer;
    std::unique_ptr<InspectionList> sources;
    Point point;
    Duct duct;
    DimensionNote note;
    Startup::Started started;
    MainWindow *window = nullptr;
};

ZZ_VIDEO_X11_TEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
