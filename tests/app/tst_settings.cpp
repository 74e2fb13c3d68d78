#include "app/configdialog.h"
#include "foundation/config.h"
#include "foundation/global.h"
#include "foundation/messagedialog.h"
#include "foundation/platform/platform.h"
#include "support/formaccess.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// The colour dialog answered as a user does: a colour picked, then OK.
ModalAnswerer::Action pickColor(const QColor &color)
{
    return [color](QWidget *w) {
        auto *dialog = qobject_cast<QColorDialog *>(w);
        QVERIFY(dialog);
        dialog->setCurrentColor(color);
        dialog->accept();
    };
}

QImage buttonIcon(const ConfigDialog &dialog, const char *name)
{
    return formChild<QPushButton>(dialog, name)->icon().pixmap(80, 20).toImage();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env.reset(new TestEnvironment);
        capture.reset(new ReporterCapture);
        projects = env->root() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(projects));
        // Two capture devices from a sysfs tree of our own, read by the real lister.
        const QString sysfs = env->root() + QStringLiteral("/sysfs");
        TestFiles::writeFile(sysfs + QStringLiteral("/video0/name"), "CAM B\n");
        TestFiles::writeFile(sysfs + QStringLiteral("/video2/name"), "Cam A\n");
        TestFiles::writeFile(sysfs + QStringLiteral("/video3/name"), "Cam A meta\n");
        TestFiles::writeFile(sysfs + QStringLiteral("/video3/index"), "1\n");
        *Global::instance()->videoDevices() = Platform::videoInputDevices(sysfs);
        QCOMPARE(Global::instance()->videoDevices()->keys(), (QStringList{"CAM B", "Cam A"}));
    }

    void init()
    {
        Config &c = config();
        c.setProjectPath(projects);
        c.setLanguage(0);
        c.setFotoStyle(0);
        c.setPipelineLayout(2);
        c.setLabelFontSize(7);
        // The colour buttons can be used only while the classes are on.
        c.setClassifyFlag(true);
        for (int i = 0; i < 5; ++i)
            c.setClassColor(i, QColor(10 * i, 20, 30));
        Global::instance()->settings()->setValue(QStringLiteral("capture_device"), QStringLiteral("cam b"));
        QVERIFY(c.save());
    }

    void cleanup()
    {
        ConfigDialog::setWritableCheck({});
    }

    void opensWithTheStoredValues()
    {
        ConfigDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        QCOMPARE(dialog.size(), QSize(591, 487));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(formChild<QTabWidget>(dialog, "tabWidget")->currentIndex(), 0);
        QCOMPARE(formChild<QLineEdit>(dialog, "projectPath")->text(), projects);
        QCOMPARE(comboItems(formChild<QComboBox>(dialog, "langBox")).value(8), QStringLiteral("Polish"));
        // Any non-zero layout is the aligned one.
        QVERIFY(formChild<QRadioButton>(dialog, "aligned")->isChecked());

        // Style 0 is the first entry, which emits no change: the preview is drawn all the same.
        auto *box = formChild<QComboBox>(dialog, "fotoLayoutBox");
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("1 mal 2"));
        const QImage expected(QStringLiteral(":/images/1_2.png"));
        QVERIFY(!expected.isNull());
        QVERIFY(expected.width() + 6 <= 70 && expected.height() + 6 <= 95);
        auto *view = formChild<QGraphicsView>(dialog, "fotoLayout");
        QVERIFY(view->scene());
        QCOMPARE(view->scene()->items().size(), 1);
        auto *preview = qgraphicsitem_cast<QGraphicsPixmapItem *>(view->scene()->items().first());
        QVERIFY(preview);
        QCOMPARE(preview->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));

        // Every entry has its own picture; the scene is reused.
        for (int i = 1; i < 8; ++i) {
            box->setCurrentIndex(i);
            QCOMPARE(view->scene()->items().size(), 1);
            const QImage shown =
                qgraphicsitem_cast<QGraphicsPixmapItem *>(view->scene()->items().first())->pixmap().toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                     QImage(QStringLiteral(":/images/") + Config::fotoStyleImageName(i)).convertToFormat(QImage::Format_RGB32));
            QVERIFY(shown.convertToFormat(QImage::Format_RGB32) != expected.convertToFormat(QImage::Format_RGB32));
        }

        // The device is found whatever its case; the secondary node of a device is not offered.
        auto *devices = formChild<QComboBox>(dialog, "captureBox");
        QCOMPARE(comboItems(devices), (QStringList{"CAM B", "Cam A"}));
        QCOMPARE(devices->currentText(), QStringLiteral("CAM B"));
        QVERIFY(!formChild<QCheckBox>(dialog, "blendNewData")->isChecked());
    }

    void acceptWritesEveryValueAndRewritesTheFile()
    {
        // A key the store does not know shows whether the file was written anew.
        QSettings(config().filePath(), QSettings::IniFormat).setValue(QStringLiteral("Stale/Key"), 1);
        QVERIFY(TestFiles::readAll(config().filePath()).contains("Stale"));
        {
            // Nothing changed: the file is still written anew, the layout normalised.
            ConfigDialog dialog;
            dialog.show();
            formChild<QPushButton>(dialog, "accept")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(!TestFiles::readAll(config().filePath()).contains("Stale"));
        QCOMPARE(stored(QStringLiteral("Report/PipelineLayout")).toInt(), 1);

        ConfigDialog dialog;
        dialog.show();
        formChild<QComboBox>(dialog, "langBox")->setCurrentIndex(8);
        formChild<QComboBox>(dialog, "fotoLayoutBox")->setCurrentIndex(6);
        formChild<QSpinBox>(dialog, "labelSize")->setValue(12);
        formChild<QRadioButton>(dialog, "standard")->setChecked(true);
        formChild<QComboBox>(dialog, "captureBox")->setCurrentIndex(1);
        formChild<QCheckBox>(dialog, "blendNewData")->setChecked(true);
        {
            ModalAnswerer answer;
            answer.expect("QColorDialog", pickColor(QColor(200, 40, 10)));
            formChild<QPushButton>(dialog, "class3")->click();
            QVERIFY(answer.done());
        }
        formChild<QPushButton>(dialog, "accept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());

        QCOMPARE(stored(QStringLiteral("Config/Language")).toInt(), 8);
        QCOMPARE(stored(QStringLiteral("Report/FotoStyle")).toInt(), 6);
        QCOMPARE(stored(QStringLiteral("Report/PipelineLayout")).toInt(), 0);
        QCOMPARE(stored(QStringLiteral("3D/LabelFontSize")).toInt(), 12);
        QSettings file(config().filePath(), QSettings::IniFormat);
        const int count = file.beginReadArray(QStringLiteral("Classify/Colors"));
        QCOMPARE(count, 5);
        file.setArrayIndex(2);
        QCOMPARE(file.value(QStringLiteral("color")).value<QColor>(), QColor(200, 40, 10));
        file.setArrayIndex(1);
        QCOMPARE(file.value(QStringLiteral("color")).value<QColor>(), QColor(10, 20, 30));
        file.endArray();
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("capture_device")).toString(),
                 QStringLiteral("Cam A"));
        // Kept for this session only: never in the file.
        QVERIFY(config().writeNewData());
        QVERIFY(!TestFiles::readAll(config().filePath()).contains("NewData"));
        config().setWriteNewData(false);
        config().setLanguage(0);
    }

    void cancelAndEscapeWriteNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Abbrechen") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelAndEscapeWriteNothing()
    {
        QFETCH(bool, escape);
        const QByteArray before = TestFiles::readAll(config().filePath());
        ConfigDialog dialog;
        dialog.show();
        formChild<QSpinBox>(dialog, "labelSize")->setValue(30);
        formChild<QLineEdit>(dialog, "firmtext")->setText(QStringLiteral("Neu"));
        {
            ModalAnswerer answer;
            answer.expect("QColorDialog", pickColor(Qt::green));
            formChild<QPushButton>(dialog, "class1")->click();
            QVERIFY(answer.done());
        }
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            formChild<QPushButton>(dialog, "reject")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(TestFiles::readAll(config().filePath()), before);
        QCOMPARE(config().labelFontSize(), 7);
        QCOMPARE(config().classColor(0), QColor(0, 20, 30));
    }

    void colourButtons()
    {
        ConfigDialog dialog;
        dialog.show();
        // The bar under the label carries the class colour.
        QCOMPARE(buttonIcon(dialog, "class2").pixelColor(21, 16), QColor(10, 20, 30));
        const QImage before = buttonIcon(dialog, "class2");
        {
            ModalAnswerer answer;
            answer.reject("QColorDialog");
            formChild<QPushButton>(dialog, "class2")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(buttonIcon(dialog, "class2"), before);
        {
            ModalAnswerer answer;
            answer.expect("QColorDialog", pickColor(QColor(0, 0, 255)));
            formChild<QPushButton>(dialog, "class2")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(buttonIcon(dialog, "class2").pixelColor(21, 16), QColor(0, 0, 255));
        // The label stays readable on top: white fill somewhere in the middle of the icon.
        const QImage icon = buttonIcon(dialog, "class2");
        bool white = false;
        for (int x = 30; x < 50 && !white; ++x)
            for (int y = 2; y < 14 && !white; ++y)
                white = icon.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(white);
        formChild<QPushButton>(dialog, "accept")->click();
        QCOMPARE(config().classColor(1), QColor(0, 0, 255));
        QCOMPARE(config().classColor(0), QColor(0, 20, 30));
    }

    void badProjectFolderKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("message");
        const QString retry = QStringLiteral("\nBitte stellen Sie einen gültigen Pfad ein.");
        QTest::newRow("empty") << QString() << true << QStringLiteral("Der Projektpfad ist leer.") + retry;
        QTest::newRow("missing") << QStringLiteral("/nonexistent/projects") << true
                                 << QStringLiteral("Der angegebene Projektpfad existiert nicht.") + retry;
        QTest::newRow("a file") << QStringLiteral("FILE") << true
                                << QStringLiteral("Der angegebene Projektpfad existiert nicht.") + retry;
        QTest::newRow("read-only") << QStringLiteral("PROJECTS") << false
                                   << QStringLiteral("Der Projektpfad ist nicht beschreibbar.") + retry;
    }

    void badProjectFolderKeepsTheDialogOpen()
    {
        QFETCH(QString, path);
        QFETCH(bool, writable);
        QFETCH(QString, message);
        if (path == QLatin1String("FILE")) {
            path = env->root() + QStringLiteral("/afile");
            TestFiles::writeFile(path, "x");
        } else if (path == QLatin1String("PROJECTS")) {
            path = projects;
        }
        QStringList asked;
        ConfigDialog::setWritableCheck([&](const QString &folder) {
            asked << folder;
            return writable;
        });
        QSettings(config().filePath(), QSettings::IniFormat).setValue(QStringLiteral("Config/ProjectPath"), path);
        config().setProjectPath(path);
        const QByteArray before = TestFiles::readAll(config().filePath());

        ConfigDialog dialog;
        dialog.show();
        formChild<QSpinBox>(dialog, "labelSize")->setValue(40);
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        formChild<QPushButton>(dialog, "accept")->click();
        QVERIFY(answer.done());
        QCOMPARE(answer.texts(), QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(TestFiles::readAll(config().filePath()), before);
        QCOMPARE(config().labelFontSize(), 7);
        if (!writable)
            QVERIFY(asked.contains(projects));
    }

    void failedWriteIsShownAndKeepsTheDialogOpen()
    {
        // A folder where the file should be: the rename over it fails, whoever runs the test.
        const QString file = config().filePath();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file + QStringLiteral("/blocked")));
        ConfigDialog dialog;
        dialog.show();
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        formChild<QPushButton>(dialog, "accept")->click();
        QVERIFY(answer.done());
        QCOMPARE(answer.texts().size(), 1);
        QVERIFY2(answer.texts().first().contains(file), qPrintable(answer.texts().first()));
        QVERIFY(dialog.isVisible());
        QVERIFY(QDir(file).removeRecursively());
    }

    void withoutDevicesAnEmptyNameIsStored()
    {
        const VideoDeviceList devices = *Global::instance()->videoDevices();
        Global::instance()->videoDevices()->clear();
        {
            ConfigDialog dialog;
            dialog.show();
            QCOMPARE(formChild<QComboBox>(dialog, "captureBox")->count(), 0);
            formChild<QPushButton>(dialog, "accept")->click();
        }
        QCOMPARE(Global::instance()->settings()->value(QStringLiteral("capture_device")).toString(), QString());
        *Global::instance()->videoDevices() = devices;
        // A stored name that no device has leaves the first one selected.
        Global::instance()->settings()->setValue(QStringLiteral("capture_device"), QStringLiteral("gone"));
        ConfigDialog dialog;
        QCOMPARE(formChild<QComboBox>(dialog, "captureBox")->currentIndex(), 0);
    }

    void choosingTheProjectFolder()
    {
        const QString other = env->root() + QStringLiteral("/other");
        QVERIFY(QDir().mkpath(other));
        ConfigDialog dialog;
        dialog.show();
        auto *path = formChild<QLineEdit>(dialog, "projectPath");
        {
            ModalAnswerer answer;
            answer.reject("QFileDialog");
            formChild<QPushButton>(dialog, "choosePath")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(path->text(), projects);
        {
            ModalAnswerer answer;
            answer.expect("QFileDialog", [&](QWidget *w) {
                auto *files = qobject_cast<QFileDialog *>(w);
                QVERIFY(files);
                QCOMPARE(files->windowTitle(), QStringLiteral("Projektverzeichnis"));
                QCOMPARE(QDir(files->directory()).absolutePath(), QDir(projects).absolutePath());
                // The dialog lists folders on a thread of its own, which can change what it
                // holds after the folder was set: set again until it closes.
                for (int i = 0; i < 100 && files->isVisible(); ++i) {
                    files->setDirectory(other);
                    QMetaObject::invokeMethod(files, "accept");
                    if (files->isVisible())
                        QTest::qWait(20);
                }
                QVERIFY(!files->isVisible());
            });
            formChild<QPushButton>(dialog, "choosePath")->click();
            QVERIFY(answer.done());
        }
        QCOMPARE(path->text(), other);
        // Only in the form until accepted.
        QCOMPARE(config().projectPath(), projects);
    }

private:
    static Config &config() { return *Global::instance()->config(); }
    static QVariant stored(const QString &key)
    {
        return QSettings(Global::instance()->config()->filePath(), QSettings::IniFormat).value(key);
    }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ReporterCapture> capture;
    QString projects;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
