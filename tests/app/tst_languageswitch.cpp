// test-needs: x11
// The program in each of its languages: the command panels are built in the language the program
// starts with, every panel key is distinct and names its own button, and a change of the language
// while the program runs translates the forms at once while the panels keep their keys.
#include "app/startup.h"
#include "foundation/buttonwidget.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/toolbox.h"
#include "app/mainwindow.h"
#include "model/en135082.h"
#include "reports/printer.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/pagecontent.h"
#include "support/testenv.h"
#include "support/textfit.h"
#include "support/videotestmain.h"
#include "video/videoform.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// The keys of a panel's section items ("<section>_<item>") with their buttons, as the panel shows them.
QList<QPair<QString, QPushButton *>> sectionKeys(const ToolBox &box)
{
    QList<QPair<QString, QPushButton *>> keys;
    for (ButtonWidget *section : box.findChildren<ButtonWidget *>()) {
        for (QPushButton *button : section->box()->findChildren<QPushButton *>())
            keys.append({section->text() + QLatin1Char('_') + button->text(), button});
    }
    return keys;
}

QStringList sectionTitles(const ToolBox &box)
{
    QStringList titles;
    for (ButtonWidget *section : box.findChildren<ButtonWidget *>())
        titles << section->text();
    return titles;
}

// The pipe report's title as the report generator writes it in the current language.
QString reportTitle()
{
    QStringList header{QStringLiteral("EN_13508_2")};
    for (int i = 0; i <= 20; ++i)
        header << QString();
    Printer printer;
    printer.setNormHeader(header);
    printer.setSectionData(QStringLiteral("S1"), QStringLiteral("S2"), 0, QStringLiteral("H"), 10.0, 1);
    printer.createPipeReport({}, true);
    for (const PageContent::Text &text : PageContent::texts(printer.pages().first())) {
        if (text.text.endsWith(QLatin1Char(':')) && text.text.size() > 10)
            return text.text;
    }
    return QString();
}

} // namespace

class TestLanguageSwitch : public QObject
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
        QVERIFY(std::unique_ptr<Project>(Project::create(QStringLiteral("Target"), root)));
        qApp->setQuitOnLastWindowClosed(false);
    }

    // A change of the language while the program runs: the forms, dialogs and reports follow at
    // once, the panels keep the texts they were built with and still work; back in German no
    // text of the other language is left. First, while no window has installed a translation:
    // a window leaves its translation installed when it goes.
    void switchWhileRunning()
    {
        Config *config = Global::instance()->config().data();
        config->setLanguage(0);
        Startup::Started started = Startup::start();
        MainWindow *window = started.window.get();
        auto *tabs = formChild<QTabWidget>(*window, "tabWidget");
        auto *box = formChild<ToolBox>(*window, "toolBox");
        QCOMPARE(tabs->tabText(1), QStringLiteral("Rohrverlauf"));

        // The video panel's form was built before the translation came.
        auto *photo = formChild<QPushButton>(*formChild<VideoForm>(*window, "videoWidget"), "foto");
        for (int round = 0; round < 2; ++round) {
            config->setLanguage(5);
            window->loadTranslation();
            QCOMPARE(tabs->tabText(1), QStringLiteral("Tracé de la conduite"));
            QCOMPARE(photo->text(), QStringLiteral("PHOTO"));
            QCOMPARE(reportTitle(), QStringLiteral("Rapport de tronçon :"));
            QString title;
            {
                ModalAnswerer answer;
                answer.expect("InfoDialog", [&title](QWidget *dialog) {
                    title = dialog->windowTitle();
                    dialog->close();
                });
                QVERIFY(box->button(QStringLiteral("Extras_Info")));
                box->button(QStringLiteral("Extras_Info"))->click();
                QVERIFY(answer.done());
            }
            QCOMPARE(title, QStringLiteral("À propos de ZOZOrure"));

            // The availability of the panels still finds its buttons by the start-up keys.
            QPushButton *save = box->button(QStringLiteral("Projekte_Speichern"));
            QVERIFY(save);
            QCOMPARE(save->text(), QStringLiteral("Speichern"));
            ModalAnswerer open;
            open.expect("OpenProjectDialog", [](QWidget *dialog) {
                auto *list = formChild<QListWidget>(*dialog, "listWidget");
                const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("Target"), Qt::MatchExactly);
                QVERIFY(!found.isEmpty());
                list->setCurrentItem(found.first());
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            box->button(QStringLiteral("Projekte_Öffnen"))->click();
            QVERIFY(open.done());
            QVERIFY(window->currentProject());
            QVERIFY(save->isEnabled());
            box->button(QStringLiteral("Projekte_Schließen"))->click();
            QVERIFY(!window->currentProject());
            QVERIFY(!save->isEnabled());

            config->setLanguage(0);
            window->loadTranslation();
            QCOMPARE(tabs->tabText(1), QStringLiteral("Rohrverlauf"));
            QCOMPARE(photo->text(), QStringLiteral("FOTO"));
            QCOMPARE(reportTitle(), QStringLiteral("Haltungs-Bericht:"));
            QCOMPARE(QCoreApplication::translate("MainWindow", "Projekte"), QStringLiteral("Projekte"));
            QCOMPARE(QCoreApplication::translate("InfoDialog", "über ZOZOrure"), QStringLiteral("über ZOZOrure"));
        }
        window->close();
    }

    // The way a user changes the language: "Einstellungen", the language, "Übernehmen". The main
    // form and the header panel are translated at once and the restart notice comes; the way
    // back to German works the same.
    void switchThroughSettings()
    {
        Config *config = Global::instance()->config().data();
        config->setLanguage(0);
        Startup::Started started = Startup::start();
        MainWindow *window = started.window.get();
        auto *box = formChild<ToolBox>(*window, "toolBox");
        auto *tabs = formChild<QTabWidget>(*window, "tabWidget");
        QWidget *header = formChild<QWidget>(*window, "mainDataWidget");
        const auto headerLabels = [header] {
            QStringList texts;
            for (const QLabel *label : header->findChildren<QLabel *>())
                texts << label->text();
            return texts;
        };
        const auto chooseLanguage = [box](int language) {
            ModalAnswerer answer;
            answer.expect("ConfigDialog", [language](QWidget *dialog) {
                formChild<QComboBox>(*dialog, "langBox")->setCurrentIndex(language);
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            answer.watchMessage();
            box->button(QStringLiteral("Extras_Einstellungen"))->click();
            return answer.done() ? answer.texts() : QStringList{QStringLiteral("not answered")};
        };

        QCOMPARE(chooseLanguage(5),
                 QStringList{QStringLiteral("Veuillez redémarrer le programme pour appliquer entièrement les modifications !")});
        QCOMPARE(config->language(), 5);
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tracé de la conduite"));
        QVERIFY2(headerLabels().contains(QStringLiteral("Tronçon :")), qPrintable(headerLabels().join(QLatin1Char('|'))));
        QCOMPARE(box->button(QStringLiteral("Extras_Einstellungen"))->text(), QStringLiteral("Einstellungen"));

        QCOMPARE(chooseLanguage(0),
                 QStringList{QStringLiteral("Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!")});
        QCOMPARE(tabs->tabText(1), QStringLiteral("Rohrverlauf"));
        QVERIFY(headerLabels().contains(QStringLiteral("Haltung:")));
        window->close();
    }

    // The availability of the panels after a change of the language: opening an inspection
    // without a project takes the projects section out of use, closing it gives it back.
    void availabilityAfterSwitch_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("de") << 0;
        QTest::newRow("fr") << 5;
    }
    void availabilityAfterSwitch()
    {
        QFETCH(int, language);
        Config *config = Global::instance()->config().data();
        config->setLanguage(0);
        Startup::Started started = Startup::start();
        MainWindow *window = started.window.get();
        auto *box = formChild<ToolBox>(*window, "toolBox");
        config->setLanguage(language);
        window->loadTranslation();

        const QString folder = env->root() + QStringLiteral("/files");
        EN135082 written;
        QDir().mkpath(folder);
        written.setFolder(folder);
        written.setFileName(QStringLiteral("K1.xml"));
        written.mutableMainData().sectionName = QStringLiteral("K1");
        QVERIFY(written.save());
        ModalAnswerer answer;
        answer.expect("QFileDialog", [folder](QWidget *dialog) {
            static_cast<QFileDialog *>(dialog)->selectFile(folder + QStringLiteral("/K1.xml"));
            static_cast<QDialog *>(dialog)->accept();
        });
        box->button(QStringLiteral("Untersuchung_Öffnen"))->click();
        QVERIFY(answer.done());
        QVERIFY(window->currentInspection());

        QPushButton *openProject = box->button(QStringLiteral("Projekte_Öffnen"));
        QVERIFY(!openProject->isEnabled());
        box->button(QStringLiteral("Untersuchung_Schließen"))->click();
        QVERIFY(!window->currentInspection());
        QVERIFY(openProject->isEnabled());

        config->setLanguage(0);
        window->loadTranslation();
        window->close();
    }

    // Started in a language, the program builds its panels in it; the keys of both panels feed
    // one command map, so they must be distinct, and each must reach its own button.
    void panelsInEachLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("projects");
        const QStringList titles{"Projekte", "Projekter", "Projects", "Proyectos", "Projektit",
                                 "Projets",  "Projekti",  "Prosjekter", "Projekty", "Проекты"};
        const QStringList codes{"de", "da", "en", "es", "fi", "fr", "hr", "nb", "pl", "ru"};
        for (int language = 0; language < codes.size(); ++language)
            QTest::newRow(qPrintable(codes.at(language))) << language << titles.at(language);
    }
    void panelsInEachLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, projects);
        Global::instance()->config()->setLanguage(language);
        Startup::Started started = Startup::start();
        MainWindow *window = started.window.get();
        auto *box = formChild<ToolBox>(*window, "toolBox");
        auto *box3D = formChild<ToolBox>(*window, "tool3DBox");
        QCOMPARE(sectionTitles(*box).value(0), projects);

        QStringList seen;
        for (const ToolBox *panel : {box, box3D}) {
            for (const auto &key : sectionKeys(*panel)) {
                QVERIFY2(!seen.contains(key.first), qPrintable(QStringLiteral("twice: ") + key.first));
                seen << key.first;
                QVERIFY2(panel->button(key.first) == key.second, qPrintable(key.first));
            }
        }
        QVERIFY(seen.size() > 20);

        // Every command of both panels fits its button, those that wait for an open inspection
        // or a selection included.
        QList<QWidget *> waiting;
        for (const ToolBox *panel : {box, box3D}) {
            for (QPushButton *button : panel->findChildren<QPushButton *>()) {
                if (button->isHidden())
                    waiting << button;
                if (button->parentWidget()->isHidden() && !waiting.contains(button->parentWidget()))
                    waiting << button->parentWidget();
            }
        }
        for (QWidget *hidden : waiting)
            hidden->show();
        QStringList cut;
        for (int tab = 0; tab < 2; ++tab) {
            formChild<QTabWidget>(*window, "tabWidget")->setCurrentIndex(tab);
            QTest::qWait(50);
            for (const ToolBox *panel : {box, box3D}) {
                if (panel->isVisible()) {
                    for (const QString &text : TextFit::clippedTexts(panel))
                        cut << QStringLiteral("MainWindow, language %1: %2").arg(language).arg(text);
                }
            }
        }
        for (QWidget *hidden : waiting)
            hidden->hide();
        formChild<QTabWidget>(*window, "tabWidget")->setCurrentIndex(0);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));

        // A command of the panel works in this language.
        const QString info = QCoreApplication::translate("MainWindow", "Extras") + QLatin1Char('_')
                             + QCoreApplication::translate("MainWindow", "Info");
        QVERIFY2(box->button(info), qPrintable(info));
        ModalAnswerer answer;
        answer.reject("InfoDialog");
        box->button(info)->click();
        QVERIFY(answer.done());
        window->close();
    }

    void cleanupTestCase()
    {
        Global::instance()->config()->setLanguage(0);
        capture.reset();
        env.reset();
    }

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
};

ZZ_VIDEO_X11_TEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
