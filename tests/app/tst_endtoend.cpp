// test-needs: x11
// The program used as a user uses it, through its own widgets, one step after the other; the
// window's picture is kept after each step, and the pictures of the main window, the observation
// dialog, the settings and the print dialog in German and, after a restart in English, in English.
#include "app/startup.h"
#include "foundation/config.h"
#include "foundation/firmstore.h"
#include "foundation/global.h"
#include "foundation/toolbox.h"
#include "entry/endamagedatadialog.h"
#include "app/mainwindow.h"
#include "model/investigation.h"
#include "project/project.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testvideos.h"
#include "support/videotestmain.h"
#include "support/xwindows.h"
#include "video/videoform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Decoding and the sanitizer build make the video slow to come up; waits end on their condition.
const int kWatchdogMs = 60000;

// A file dialog answered by typing the name, as a user does.
ModalAnswerer::Action typeFileName(const QString &path)
{
    return [path](QWidget *w) {
        auto *name = w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(w, "accept");
    };
}

// What a poppler tool prints for the file; empty when it fails.
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Modal windows that came besides the expected ones, other than the progress windows that come and
// go while files are written.
QStringList surprises(const ModalAnswerer &answer)
{
    QStringList result = answer.unexpected();
    result.removeAll(QStringLiteral("ProgressDialog"));
    return result;
}

// The largest difference in brightness between two pixels of the rectangle.
int contrast(const QImage &image, const QRect &area)
{
    int lightest = 0;
    int darkest = 255;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            lightest = qMax(lightest, grey);
            darkest = qMin(darkest, grey);
        }
    }
    return lightest - darkest;
}

bool isUniform(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

} // namespace

class TestEndToEnd : public QObject
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
        Global::instance()->config()->setWithInspectionNames(false);
        // As the settings dialog leaves them, so that a later start finds them.
        QVERIFY(Global::instance()->config()->save());
        // What the user brings along: a folder with one inspection video of 20 s, and a logo.
        stick = env->root() + QStringLiteral("/stick");
        QVERIFY(QDir().mkpath(stick + QStringLiteral("/K1")));
        QVERIFY(!TestVideos::shortPal(stick + QStringLiteral("/K1"), QStringLiteral("clip.mpg"), 20).isEmpty());
        logo = env->root() + QStringLiteral("/logo.png");
        QImage picture(90, 60, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(logo));
        qApp->setQuitOnLastWindowClosed(false);
        started = Startup::start();
        window = started.window.get();
        QTRY_COMPARE(formChild<QTabWidget>(*window, "tabWidget")->currentIndex(), 0);
        shot(QStringLiteral("0-start"));
    }

    void companyAddressAndLogo()
    {
        ModalAnswerer answer;
        answer.expect("FirmDataDialog", [this](QWidget *dialog) {
            formChild<QLineEdit>(*dialog, "firm")->setText(QStringLiteral("Kanalprüfung Süd GmbH"));
            formChild<QTextEdit>(*dialog, "address")->setPlainText(QStringLiteral("Kanalprüfung Süd GmbH\nRohrweg 7\n12345 Musterstadt"));
            {
                ModalAnswerer files;
                files.expect("QFileDialog", typeFileName(logo));
                formChild<QPushButton>(*dialog, "chooseLogo")->click();
                QVERIFY(files.done());
            }
            formChild<QPushButton>(*dialog, "save")->click();
        });
        click(QStringLiteral("Extras_Firmendaten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        const Firm firm = Global::instance()->firmStore()->currentFirm();
        QCOMPARE(firm.name(), QStringLiteral("Kanalprüfung Süd GmbH"));
        QVERIFY(firm.address().contains(QStringLiteral("Rohrweg 7")));
        QCOMPARE(firm.logo().size(), QSize(90, 60));
        shot(QStringLiteral("1-company"));
    }

    void newProjectWithAnImportedVideo()
    {
        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", [](QWidget *dialog) {
                formChild<QLineEdit>(*dialog, "lineEdit")->setText(QStringLiteral("P1"));
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            click(QStringLiteral("Projekte_Neu"));
            QVERIFY(answer.done());
        }
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->name(), QStringLiteral("P1"));
        shot(QStringLiteral("2-new-project"));

        ModalAnswerer answer;
        answer.expect("ImportDialog", [this](QWidget *dialog) {
            {
                ModalAnswerer folder;
                folder.expect("QFileDialog", typeFileName(stick));
                formChild<QPushButton>(*dialog, "chooseImport")->click();
                QVERIFY(folder.done());
            }
            QCOMPARE(formChild<QListWidget>(*dialog, "importList")->count(), 1);
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Projekte_Importieren"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentProject()->inspectionNames(), QStringList{QStringLiteral("K1.mpg")});
        QVERIFY(QFileInfo(window->currentProject()->folder() + QStringLiteral("/K1/K1.mpg")).size() > 100000);
        shot(QStringLiteral("3-imported"));
    }

    void startingAnInspectionOnTheVideo()
    {
        auto *list = formChild<QTableWidget>(*window, "investList");
        QCOMPARE(list->rowCount(), 1);
        const QPoint at = list->visualItemRect(list->item(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.mpg"));
        shot(QStringLiteral("4-opened"));

        ModalAnswerer answer;
        answer.expect("InputListDialog", [](QWidget *dialog) {
            auto *choices = dialog->findChild<QListWidget *>();
            QVERIFY(choices);
            const QList<QListWidgetItem *> found = choices->findItems(QStringLiteral("EN-13508-2"), Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            choices->setCurrentItem(found.first());
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        answer.expect("ENMainDataDialog", [this](QWidget *dialog) {
            QTest::keyClicks(formChild<QLineEdit>(*dialog, "objectName"), section);
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        click(QStringLiteral("Untersuchung_Untersuchung starten"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
        QCOMPARE(window->currentProject()->inspectionNames(), QStringList{QStringLiteral("K1.xml")});
        QVERIFY(QFileInfo::exists(window->currentProject()->folder() + QStringLiteral("/K1/K1.xml")));
        QCOMPARE(window->currentInspection()->mainData().sectionName, section);
        shot(QStringLiteral("5-started"));
    }

    // One observation recorded while the video runs, one on the paused picture, which then gets
    // the picture of the player's photo button.
    void recordingTwoObservationsWithAPhoto()
    {
        QPushButton *play = formChild<QPushButton>(*video(), "play");
        QVERIFY(play->isEnabled());
        play->click();
        QTRY_VERIFY_WITH_TIMEOUT(video()->position() >= QTime(0, 0, 1), kWatchdogMs);
        shot(QStringLiteral("6-playing"));

        Entered crack{QStringLiteral("BAB"), 1, 3.5,
                      QStringLiteral("Riss am Scheitel"), QString()};
        enter(crack);
        typedTexts << crack.remark << catalogueText(crack);
        QVERIFY(!video()->isPlayEnabled()); // the dialog paused it only while it was open

        formChild<QPushButton>(*video(), "pause")->click();
        QTRY_VERIFY_WITH_TIMEOUT(video()->isPlayEnabled(), kWatchdogMs);
        const QTime pausedAt = TestVideos::settled([this] { return video()->position(); });
        shot(QStringLiteral("7-paused"));

        Entered roots{QStringLiteral("BBA"), 0, 12.0, QStringLiteral("Wurzeln am Stutzen"), QString()};
        enter(roots);
        typedTexts << roots.remark << catalogueText(roots);
        QVERIFY(video()->isPlayEnabled()); // still paused
        table()->setCurrentCell(1, 0);
        formChild<QPushButton>(*video(), "foto")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window->currentInspection()->observations().at(1).photoFile.isEmpty(), kWatchdogMs);
        photo = window->currentInspection()->observations().at(1).photoFile;
        QVERIFY2(photo.startsWith(QStringLiteral("img_%1_").arg(pausedAt.toString(QStringLiteral("hhmmss")))),
                 qPrintable(photo));
        const QString folder = window->currentProject()->folder() + QStringLiteral("/K1/");
        QVERIFY(TestVideos::mostlyNonBlack(QImage(folder + photo)));
        QVERIFY(window->currentInspection()->observations().at(0).photoFile.isEmpty());
        QCOMPARE(table()->rowCount(), 2);

        click(QStringLiteral("Projekte_Speichern"));
        QVERIFY(!window->isChanged(MainWindow::InspectionChange));
        std::unique_ptr<Investigation> reread(Project::loadInspectionFile(folder + QStringLiteral("K1.xml")));
        QVERIFY(reread);
        recorded = reread->observations();
        QCOMPARE(recorded.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const Entered &typed = i == 0 ? crack : roots;
            QCOMPARE(recorded.at(i).code, typed.code);
            QCOMPARE(recorded.at(i).distance, typed.metres);
            QCOMPARE(recorded.at(i).remark, typed.remark);
            QVERIFY(!recorded.at(i).character1.isEmpty());
        }
        QCOMPARE(recorded.at(0).character1, QStringLiteral("B"));
        QCOMPARE(recorded.at(1).photoFile, photo);
        shot(QStringLiteral("8-recorded"));
    }

    void closingAsksNothingOnceSaved()
    {
        click(QStringLiteral("Projekte_Speichern"));
        ModalAnswerer answer;
        window->close();
        QTest::qWait(100);
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QVERIFY(!window->isVisible());
    }

    // The first window ends as at the program's end; the stores are read again from their files
    // and a new window comes up the way the program starts. All that follows finds only what the
    // first run left on disk.
    void secondRunFindsTheInspection()
    {
        const QPointer<MainWindow> first = window;
        window = nullptr;
        started = Startup::Started();
        QVERIFY(!first);
        Global::instance()->settings()->sync();
        Config *config = Global::instance()->config().data();
        config->setProjectPath(QString());
        config->load();
        QCOMPARE(config->projectPath(), root);
        QVERIFY(Global::instance()->firmStore()->load());
        QVERIFY(Global::instance()->firmStore()->currentFirm().address().contains(QStringLiteral("Rohrweg 7")));

        started = Startup::start();
        window = started.window.get();
        QVERIFY(window);
        QTRY_COMPARE(formChild<QTabWidget>(*window, "tabWidget")->currentIndex(), 0);
        QVERIFY(!window->currentProject());
        shot(QStringLiteral("9-second-start"));

        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", [](QWidget *dialog) {
                auto *list = formChild<QListWidget>(*dialog, "listWidget");
                const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("P1"), Qt::MatchExactly);
                QVERIFY(!found.isEmpty());
                list->setCurrentItem(found.first());
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            click(QStringLiteral("Projekte_Öffnen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
        QVERIFY(window->currentProject());
        QCOMPARE(window->currentProject()->inspectionNames(), QStringList{QStringLiteral("K1.xml")});
        auto *list = formChild<QTableWidget>(*window, "investList");
        QCOMPARE(list->rowCount(), 1);
        const QPoint at = list->visualItemRect(list->item(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(window->currentInspection());
        QCOMPARE(window->currentInspection()->fileName(), QStringLiteral("K1.xml"));
        QCOMPARE(window->currentInspection()->mainData().sectionName, section);
        const QVector<ObservationRecord> shown = window->currentInspection()->observations();
        QCOMPARE(shown.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(shown.at(i).code, recorded.at(i).code);
            QCOMPARE(shown.at(i).distance, recorded.at(i).distance);
            QCOMPARE(shown.at(i).remark, recorded.at(i).remark);
            QCOMPARE(shown.at(i).photoFile, recorded.at(i).photoFile);
        }
        QCOMPARE(table()->rowCount(), 2);
        QVERIFY(TestVideos::mostlyNonBlack(QImage(window->currentInspection()->folder() + QLatin1Char('/') + photo)));
        shot(QStringLiteral("10-reopened"));
    }

    void printingTheInspectionToPdf()
    {
        const QString pdf = env->root() + QStringLiteral("/K1.pdf");
        ModalAnswerer answer;
        answer.expect("PrintDialog", [this, &answer](QWidget *dialog) {
            // The file dialog opens from the print dialog's own button; the print dialog is
            // closed by hand once the file is written.
            answer.ignore(dialog);
            QTimer::singleShot(0, dialog, [this, dialog] {
                keep(dialog, QStringLiteral("de-print"));
                formChild<QCheckBox>(*dialog, "insp")->setChecked(true);
                formChild<QCheckBox>(*dialog, "foto")->setChecked(true);
                formChild<QPushButton>(*dialog, "create")->click();
                QToolButton *pdf = formChild<QToolButton>(*dialog, "pdf");
                QVERIFY(pdf->isEnabled());
                pdf->click();
                static_cast<QDialog *>(dialog)->reject();
            });
        });
        answer.expect("QFileDialog", typeFileName(pdf));
        click(QStringLiteral("Untersuchung_Drucken"));
        QTRY_COMPARE_WITH_TIMEOUT(answer.pending(), 0, kWatchdogMs);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), kWatchdogMs);
        QVERIFY2(surprises(answer).isEmpty(), qPrintable(surprises(answer).join(QLatin1Char(','))));
        QVERIFY2(capture->errors().isEmpty(), qPrintable(capture->errors().join(QLatin1Char('\n'))));
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString info = pdfTool(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY2(pages.captured(1).toInt() >= 2, qPrintable(info));
        const QString text = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        QVERIFY(!text.isEmpty());
        for (const QString &expected : QStringList{section, QStringLiteral("Rohrweg 7"), QStringLiteral("12345 Musterstadt")}
                                           + typedTexts)
            QVERIFY2(text.contains(expected.simplified()), qPrintable(expected));
        shot(QStringLiteral("11-printed"));
    }

    void exportingTheProjectToAFolder()
    {
        const QString target = env->root() + QStringLiteral("/export");
        QVERIFY(QDir().mkpath(target));
        ModalAnswerer answer;
        answer.expect("ExportProjectsDialog", [&answer](QWidget *dialog) {
            answer.ignore(dialog);
            QTimer::singleShot(0, dialog, [dialog] {
                QPushButton *folder = formChild<QPushButton>(*dialog, "usb");
                QCOMPARE(folder->text(), QStringLiteral("Ordner/USB"));
                QVERIFY(folder->isEnabled());
                folder->click();
                static_cast<QDialog *>(dialog)->reject();
            });
        });
        answer.expect("QFileDialog", typeFileName(target));
        click(QStringLiteral("Projekte_Exportieren"));
        QTRY_COMPARE_WITH_TIMEOUT(answer.pending(), 0, kWatchdogMs);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), kWatchdogMs);
        QVERIFY2(surprises(answer).isEmpty(), qPrintable(surprises(answer).join(QLatin1Char(','))));
        QVERIFY(window->isEnabled());

        const QString exported = target + QStringLiteral("/P1");
        QVERIFY(QFileInfo::exists(exported + QStringLiteral("/project.xml")));
        QCOMPARE(QFileInfo(exported + QStringLiteral("/K1/K1.mpg")).size(),
                 QFileInfo(window->currentProject()->folder() + QStringLiteral("/K1/K1.mpg")).size());
        QCOMPARE(QImage(exported + QStringLiteral("/K1/") + photo).size(),
                 QImage(window->currentInspection()->folder() + QLatin1Char('/') + photo).size());
        const Project project(exported + QStringLiteral("/project.xml"));
        QCOMPARE(project.inspectionNames(), QStringList{QStringLiteral("K1.xml")});
        std::unique_ptr<Investigation> reread(Project::loadInspectionFile(exported + QStringLiteral("/K1/K1.xml")));
        QVERIFY(reread);
        QCOMPARE(reread->mainData().sectionName, section);
        QCOMPARE(reread->observations().size(), recorded.size());
        for (int i = 0; i < recorded.size(); ++i) {
            QCOMPARE(reread->observations().at(i).code, recorded.at(i).code);
            QCOMPARE(reread->observations().at(i).character1, recorded.at(i).character1);
            QCOMPARE(reread->observations().at(i).distance, recorded.at(i).distance);
            QCOMPARE(reread->observations().at(i).videoTime, recorded.at(i).videoTime);
            QCOMPARE(reread->observations().at(i).remark, recorded.at(i).remark);
            QCOMPARE(reread->observations().at(i).photoFile, recorded.at(i).photoFile);
        }
        shot(QStringLiteral("12-exported"));
    }

    // The settings as a user sees them: the list of languages readable while choosing (the
    // highlighted entry stands out from its row), English chosen; the program then asks for a
    // restart.
    void choosingEnglishInTheSettings()
    {
        shot(QStringLiteral("de-main"));
        ModalAnswerer answer;
        answer.expect("ConfigDialog", [this](QWidget *dialog) {
            keep(dialog, QStringLiteral("de-settings"));
            auto *languages = formChild<QComboBox>(*dialog, "langBox");
            languages->showPopup();
            QAbstractItemView *list = languages->view();
            QTRY_VERIFY(list->isVisible());
            const QModelIndex english = list->model()->index(2, 0);
            list->setCurrentIndex(english);
            QTest::mouseMove(list->viewport(), list->visualRect(english).center());
            QTest::qWait(300);
            QWidget *popup = list->window();
            const QImage picture = XWindows::grab(popup->winId());
            QVERIFY(!picture.isNull());
            QVERIFY(picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/endtoend-de-language-list.png")));
            // The row of the highlighted entry in the popup's own picture: its text must stand
            // out from its background.
            const QRect row = QRect(list->viewport()->mapTo(popup, list->visualRect(english).topLeft()),
                                    list->visualRect(english).size())
                                  .adjusted(3, 5, -3, -5);
            QVERIFY2(contrast(picture, row) > 100, qPrintable(QString::number(contrast(picture, row))));
            languages->hidePopup();
            languages->setCurrentIndex(2);
            formChild<QPushButton>(*dialog, "accept")->click();
        });
        answer.watchMessage();
        click(QStringLiteral("Extras_Einstellungen"));
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(Global::instance()->config()->language(), 2);
    }

    // Started again after the change, the whole program speaks English: the video panel's
    // photo button too, whose form is built before the translation is loaded.
    void englishAfterARestart()
    {
        restart();
        const auto english = [](const char *context, const char *text) {
            return QCoreApplication::translate(context, text);
        };
        QCOMPARE(formChild<QPushButton>(*video(), "foto")->text(), QStringLiteral("PHOTO"));
        QCOMPARE(formChild<QTabWidget>(*window, "tabWidget")->tabText(1), QStringLiteral("Pipe route"));
        const QString projects = english("MainWindow", "Projekte");
        const QString inspection = english("MainWindow", "Untersuchung");
        {
            ModalAnswerer answer;
            answer.expect("OpenProjectDialog", [](QWidget *dialog) {
                auto *list = formChild<QListWidget>(*dialog, "listWidget");
                const QList<QListWidgetItem *> found = list->findItems(QStringLiteral("P1"), Qt::MatchExactly);
                QVERIFY(!found.isEmpty());
                list->setCurrentItem(found.first());
                formChild<QPushButton>(*dialog, "accept")->click();
            });
            click(projects + QLatin1Char('_') + english("MainWindow", "Öffnen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
        auto *list = formChild<QTableWidget>(*window, "investList");
        const QPoint at = list->visualItemRect(list->item(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(window->currentInspection());
        QCOMPARE(table()->horizontalHeaderItem(0)->text(), english("MainWindow", "Station"));
        shot(QStringLiteral("en-main"));

        {
            ModalAnswerer answer;
            answer.expect("ENDamageDataDialog", [this](QWidget *dialog) {
                keep(dialog, QStringLiteral("en-observation"));
                static_cast<QDialog *>(dialog)->reject();
            });
            table()->setCurrentCell(0, 0);
            formChild<QPushButton>(*window, "editInvestigation")->click();
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
        {
            ModalAnswerer answer;
            answer.expect("PrintDialog", [this](QWidget *dialog) {
                keep(dialog, QStringLiteral("en-print"));
                static_cast<QDialog *>(dialog)->reject();
            });
            click(inspection + QLatin1Char('_') + english("MainWindow", "Drucken"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
        {
            ModalAnswerer answer;
            answer.expect("ConfigDialog", [this](QWidget *dialog) {
                keep(dialog, QStringLiteral("en-settings"));
                static_cast<QDialog *>(dialog)->reject();
            });
            answer.watchMessage();
            click(english("MainWindow", "Extras") + QLatin1Char('_') + english("MainWindow", "Einstellungen"));
            QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        }
    }

    void cleanupTestCase()
    {
        if (window)
            window->close();
        started = Startup::Started();
        capture.reset();
        env.reset();
    }

private:
    // What is typed into the observation dialog, and the observation text it then showed.
    struct Entered
    {
        QString code;
        int character1 = 0;
        double metres = 0;
        QString remark;
        QString text;
    };

    // The catalogue's name of the observation, from the dialog's text "3.50m BAB… Rissbildung, Riss, …".
    static QString catalogueText(const Entered &typed)
    {
        const QRegularExpressionMatch name =
            QRegularExpression(QStringLiteral("^\\S+ %1\\S* ([^,]+),").arg(typed.code)).match(typed.text);
        return name.hasMatch() ? name.captured(1) : typed.text;
    }

    // "addInvestigation" with the dialog filled through its fields, as a user fills it.
    void enter(Entered &typed)
    {
        const int before = window->currentInspection()->observations().size();
        ModalAnswerer answer;
        answer.expect("ENDamageDataDialog", [this, &typed](QWidget *dialog) {
            QTest::keyClicks(formChild<QLineEdit>(*dialog, "code"), typed.code);
            QCOMPARE(formChild<QLineEdit>(*dialog, "code")->text(), typed.code);
            auto *character = formChild<QComboBox>(*dialog, "character1");
            QVERIFY(character->isEnabled() && character->count() > typed.character1);
            character->setCurrentIndex(typed.character1);
            auto *metres = formChild<QDoubleSpinBox>(*dialog, "meterEdit");
            metres->selectAll();
            QTest::keyClicks(metres, metres->locale().toString(typed.metres, 'f', 2));
            QTest::keyClick(metres, Qt::Key_Tab);
            QTest::keyClicks(formChild<QPlainTextEdit>(*dialog, "commentary"), typed.remark);
            typed.text = formChild<QLabel>(*dialog, "endText")->text();
            keep(dialog, QStringLiteral("de-observation"));
            QVERIFY(!formChild<QCheckBox>(*dialog, "foto")->isChecked());
            QPushButton *accept = formChild<QPushButton>(*dialog, "accept");
            QVERIFY(accept->isEnabled());
            accept->click();
        });
        formChild<QPushButton>(*window, "addInvestigation")->click();
        QVERIFY2(answer.done(), qPrintable(answer.unexpected().join(QLatin1Char(','))));
        QCOMPARE(window->currentInspection()->observations().size(), before + 1);
        QCOMPARE(window->currentInspection()->observations().last().distance, typed.metres);
        QVERIFY(!typed.text.isEmpty());
    }

    VideoForm *video() const { return formChild<VideoForm>(*window, "videoWidget"); }
    QTableWidget *table() const { return formChild<QTableWidget>(*window, "tableWidget"); }

    void click(const QString &key)
    {
        QPushButton *button = formChild<ToolBox>(*window, "toolBox")->button(key);
        QVERIFY2(button && button->isEnabled(), qPrintable(key));
        button->click();
    }

    // The window as it shows on the screen, kept in the build folder beside the test.
    void shot(const QString &name)
    {
        QTest::qWait(300);
        const unsigned long id = window->winId();
        const QImage picture = XWindows::grab(id);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QCOMPARE(picture.size(), (XWindows::geometry(id) & XWindows::screenGeometry()).size());
        QVERIFY2(!isUniform(picture), qPrintable(name));
        QVERIFY(picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/endtoend-") + name
                             + QStringLiteral(".png")));
    }

    // A dialog's picture as it shows on the screen, kept beside the window's.
    void keep(QWidget *dialog, const QString &name)
    {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::qWait(300);
        const QImage picture = XWindows::grab(dialog->winId());
        QVERIFY2(!picture.isNull() && !isUniform(picture), qPrintable(name));
        QVERIFY(picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/endtoend-") + name
                             + QStringLiteral(".png")));
    }

    // The window ends as at the program's end; the stores are read again from their files and
    // a new window comes up the way the program starts.
    void restart()
    {
        click(QStringLiteral("Projekte_Speichern"));
        const QPointer<MainWindow> first = window;
        window->close();
        QTRY_VERIFY(!window->isVisible());
        window = nullptr;
        started = Startup::Started();
        QVERIFY(!first);
        Global::instance()->settings()->sync();
        Config *config = Global::instance()->config().data();
        config->load();
        started = Startup::start();
        window = started.window.get();
        QVERIFY(window);
        QTRY_COMPARE(formChild<QTabWidget>(*window, "tabWidget")->currentIndex(), 0);
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    Startup::Started started;
    MainWindow *window = nullptr;
    QString stick;
    QString logo;
    const QString section = QStringLiteral("Haltung S-17");
    QString root;
    QString photo;
    QVector<ObservationRecord> recorded;
    QStringList typedTexts; // remarks and observation texts, as entered
};

ZZ_VIDEO_X11_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
