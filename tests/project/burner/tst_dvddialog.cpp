#include "burntestsupport.h"
#include "support/modalanswerer.h"

#include "foundation/messagedialog.h"
#include "project/burner/disc.h"
#include "project/burner/discdrive.h"
#include "project/burner/dvddialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Disc::MediumState)

namespace {

template <typename T>
T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

// What the dialog shows at one moment of a burn.
struct Snapshot
{
    bool dialogVisible;
    bool cancelVisible;
    bool closeVisible;
    bool closeEnabled;
    bool rejectVisible;
    QString time;
};

Snapshot snapshot(DVDDialog &dialog)
{
    return {dialog.isVisible(),
            child<QPushButton>(dialog, "cancel")->isVisible(),
            child<QPushButton>(dialog, "close")->isVisible(),
            child<QPushButton>(dialog, "close")->isEnabled(),
            child<QPushButton>(dialog, "reject")->isVisible(),
            child<QLabel>(dialog, "time")->text()};
}

} // namespace

class TestDVDDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Disc::setReadHook({});
        Disc::removeFileDrives();
    }

    void capacityBarComparesImageAndMedium_data()
    {
        QTest::addColumn<Disc::MediumState>("state");
        QTest::addColumn<int>("profile");
        QTest::addColumn<qint64>("freeSectors");
        QTest::addColumn<double>("neededMB");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("startEnabled");
        const auto blank = Disc::MediumState::Blank;
        const qint64 cd = 358400;   // 700 MB
        const qint64 dvd = 2298496; // 4.38 GB
        const double block = 2.0 / 1024;
        QTest::newRow("blank CD") << blank << 0x09 << cd << 650.0 << "650.00 MB(700.00 MB frei)"
                                  << 93 << true;
        QTest::newRow("DVD, less than a GB") << blank << 0x11 << dvd << 500.0
                                             << "500.00 MB(4.38 GB frei)" << 11 << true;
        QTest::newRow("DVD, more than a GB") << blank << 0x1b << dvd << 2048.0
                                             << "2.00 GB(4.38 GB frei)" << 46 << true;
        QTest::newRow("needed equals free") << blank << 0x0a << cd << 700.0
                                            << "700.00 MB(700.00 MB frei)" << 100 << true;
        QTest::newRow("one block too many") << blank << 0x0a << cd << 700.0 + block
                                            << "Zu viele Daten! 700.00 MB(700.00 MB frei)" << 100
                                            << false;
        QTest::newRow("DVD, too many") << blank << 0x11 << dvd << 5120.0
                                       << "Zu viele Daten! 5.00 GB(4.38 GB frei)" << 100 << false;
        QTest::newRow("unknown medium in MB") << blank << 0 << cd << 100.0
                                              << "100.00 MB(700.00 MB frei)" << 14 << true;
        QTest::newRow("file drive in GB") << blank << 0xffff << dvd << 100.0
                                          << "100.00 MB(4.38 GB frei)" << 2 << true;
        QTest::newRow("empty image, no free sector") << blank << 0x09 << qint64(0) << 0.0
                                                     << "0.00 MB(0.00 MB frei)" << 0 << true;
        QTest::newRow("full") << Disc::MediumState::Full << 0x11 << qint64(0) << 10.0
                              << "Disk ist voll!" << 0 << false;
        QTest::newRow("no medium") << Disc::MediumState::None << 0 << qint64(0) << 10.0
                                   << "Keine Disk!" << 0 << false;
        QTest::newRow("open session") << Disc::MediumState::Other << 0x09 << cd << 10.0
                                      << "Keine Disk!" << 0 << false;
    }
    void capacityBarComparesImageAndMedium()
    {
        QFETCH(Disc::MediumState, state);
        QFETCH(int, profile);
        QFETCH(qint64, freeSectors);
        QFETCH(double, neededMB);
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, startEnabled);
        Disc::Medium medium;
        medium.state = state;
        medium.profile = profile;
        medium.freeSectors = freeSectors;
        const DVDDialog::CapacityBar bar = DVDDialog::capacityBar(medium, neededMB);
        QCOMPARE(bar.text, text);
        QCOMPARE(bar.value, value);
        QCOMPARE(bar.startEnabled, startEnabled);
    }

    void failureText_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("text");
        const QString hint =
            QStringLiteral("Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.");
        // Codes as libisofs (negative) and libburn (positive) give them; Qt writes a negative
        // long in hexadecimal as its two's complement.
        QTest::newRow("name taken")
            << "img->AddTree" << qint64(0xE830FFBF)
            << "DVDDialog fails with \"img->AddTree\". Result: ffffffffe830ffbf\n\n";
        QTest::newRow("name too long")
            << "img->AddTree" << qint64(0xE830FE87)
            << "DVDDialog fails with \"img->AddTree\". Result: ffffffffe830fe87\n\n" + hint;
        QTest::newRow("path too long")
            << "img->CreateResultImage" << qint64(0xE830FE85)
            << "DVDDialog fails with \"img->CreateResultImage\". Result: ffffffffe830fe85\n\n"
                   + hint;
        QTest::newRow("drive message")
            << "discWriter->Write" << qint64(0x20148)
            << "DVDDialog fails with \"discWriter->Write\". Result: 20148\n\n";
    }
    void failureText()
    {
        QFETCH(QString, label);
        QFETCH(qint64, code);
        QFETCH(QString, text);
        QCOMPARE(Disc::failureText({label, qint32(code)}), text);
    }

    void progressShowsTimesAndSectors()
    {
        DVDDialog dialog;
        dialog.updateProgress(50, 100, 65, 10, 75);
        QCOMPARE(child<QLabel>(dialog, "time")->text(), QStringLiteral("01:05 / 01:15"));
        QCOMPARE(child<QProgressBar>(dialog, "burnProgress")->maximum(), 100);
        QCOMPARE(child<QProgressBar>(dialog, "burnProgress")->value(), 50);
    }

    void withoutRecorderNothingCanStart()
    {
        Disc::Failure failure;
        if (!Disc::recorders(&failure).isEmpty())
            QSKIP("this machine has an optical drive");
        DVDDialog dialog;
        QTRY_VERIFY(dialog.isEnabled());
        QCOMPARE(child<QComboBox>(dialog, "recorderBox")->count(), 0);
        QVERIFY(!child<QPushButton>(dialog, "startBurning")->isEnabled());
    }

    void burnsWithProgressAndKeepsOpenUntilDone()
    {
        QTemporaryDir dir;
        const QString viewer = dir.filePath(QStringLiteral("viewer"));
        const QString projects = dir.filePath(QStringLiteral("projects"));
        BurnTest::writeTree(viewer, {{"autorun.inf", "[autorun]\r\n"}});
        BurnTest::writeTree(projects, {{"P/K1.mpg", BurnTest::patterned(900 * 2048, 2)}});
        const QString image = dir.filePath(QStringLiteral("disc.iso"));
        Disc::addFileDrive(QStringLiteral("stdio:") + image);
        Disc::setReadHook([](qint64) {
            QThread::usleep(1000);
            return true;
        });
        BurnTest::InhibitorLog inhibitor;
        ModalAnswerer answer;

        DVDDialog dialog;
        answer.ignore(&dialog);
        dialog.setData({viewer, projects}, QString());
        dialog.show();
        QTRY_VERIFY(dialog.isEnabled());
        Disc::Failure failure;
        const Disc::Recorder recorder = Disc::recorders(&failure).value(0);
        QCOMPARE(child<QComboBox>(dialog, "recorderBox")->currentText(),
                 recorder.vendor + QLatin1Char(' ') + recorder.product);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d MB\\(\\d+\\.\\d\\d GB frei\\)$"))
                    .match(child<QProgressBar>(dialog, "recorderProgress")->format())
                    .hasMatch());
        auto *start = child<QPushButton>(dialog, "startBurning");
        QVERIFY(start->isEnabled());
        QVERIFY(!child<QPushButton>(dialog, "cancel")->isVisible());

        QList<Snapshot> during;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &dialog, [&] {
            during << snapshot(dialog);
            if (during.size() == 3) // the user tries to leave in the middle of the write
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        watch.start(20);
        QTest::mouseClick(start, Qt::LeftButton);
        watch.stop();

        QVERIFY(during.size() > 3);
        const QRegularExpression times(QStringLiteral("^\\d\\d:\\d\\d / \\d\\d:\\d\\d$"));
        bool timeShown = false;
        for (const Snapshot &s : qAsConst(during)) {
            QVERIFY(s.dialogVisible);
            QVERIFY(!s.cancelVisible);
            QVERIFY(s.closeVisible);
            QVERIFY(!s.closeEnabled);
            QVERIFY(!s.rejectVisible);
            QVERIFY2(s.time.isEmpty() || times.match(s.time).hasMatch(), qPrintable(s.time));
            timeShown = timeShown || !s.time.isEmpty();
        }
        QVERIFY(timeShown);
        QCOMPARE(child<QLabel>(dialog, "burnInfo")->text(),
                 QStringLiteral("CD/DVD wird geschrieben... abgeschlossen!"));
        QCOMPARE(child<QProgressBar>(dialog, "burnProgress")->value(), 1);
        QCOMPARE(child<QProgressBar>(dialog, "burnProgress")->maximum(), 1);
        QVERIFY(child<QLabel>(dialog, "time")->text().isEmpty());
        QVERIFY(!child<QPushButton>(dialog, "cancel")->isVisible());
        QVERIFY(dialog.isVisible());
        QCOMPARE(BurnTest::volumeNames(image).joliet, QStringLiteral("Projekt"));
        QCOMPARE(child<QLineEdit>(dialog, "name")->text(), QStringLiteral("Projekt"));
        QCOMPARE(inhibitor.entries(), (QStringList{"take", "release"}));
        QVERIFY(answer.done());
        QVERIFY(BurnTest::drivesReleased());

        auto *close = child<QPushButton>(dialog, "close");
        QVERIFY(close->isVisible() && close->isEnabled());
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void failedBurnIsShownAsFailed()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("projects"));
        BurnTest::writeTree(folder, {{"P/K1.mpg", BurnTest::patterned(300 * 2048, 4)}});
        Disc::addFileDrive(QStringLiteral("stdio:") + dir.filePath(QStringLiteral("disc.iso")));
        Disc::setReadHook([](qint64 sectors) { return sectors < 50; });
        BurnTest::InhibitorLog inhibitor;
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);

        DVDDialog dialog;
        answer.ignore(&dialog);
        dialog.setData({folder}, QStringLiteral("DVD"));
        dialog.show();
        QTRY_VERIFY(dialog.isEnabled());
        QTest::mouseClick(child<QPushButton>(dialog, "startBurning"), Qt::LeftButton);

        QTRY_VERIFY(answer.done());
        QCOMPARE(answer.texts().size(), 1);
        QVERIFY2(answer.texts().first().startsWith(
                     QLatin1String("DVDDialog fails with \"discWriter->Write\". Result: ")),
                 qPrintable(answer.texts().first()));
        QCOMPARE(child<QLabel>(dialog, "burnInfo")->text(),
                 QStringLiteral("CD/DVD wird geschrieben... fehlgeschlagen!"));
        QCOMPARE(child<QProgressBar>(dialog, "burnProgress")->value(), 0);
        QVERIFY(!child<QPushButton>(dialog, "cancel")->isVisible());
        QVERIFY(child<QPushButton>(dialog, "close")->isEnabled());
        QCOMPARE(inhibitor.entries(), (QStringList{"take", "release"}));
        QVERIFY(BurnTest::drivesReleased());
    }

    void imageFailureIsShownAndClosesTheDialog()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first"));
        const QString second = dir.filePath(QStringLiteral("second"));
        BurnTest::writeTree(first, {{"P/K1.xml", "<a/>"}});
        BurnTest::writeTree(second, {{"P/K1.xml", "<b/>"}});
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);

        DVDDialog dialog;
        answer.ignore(&dialog);
        dialog.setData({first, second}, QStringLiteral("DVD"));

        QCOMPARE(answer.texts(),
                 QStringList{
                     "DVDDialog fails with \"img->AddTree\". Result: ffffffffe830ffbf\n\n"});
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(answer.done());
    }

    void mediumFailureIsShownAndClosesTheDialog()
    {
        QTemporaryDir dir;
        const QString drives = dir.filePath(QStringLiteral("drives"));
        QVERIFY(QDir().mkpath(drives));
        Disc::addFileDrive(QStringLiteral("stdio:") + drives + QStringLiteral("/disc.iso"));
        ModalAnswerer answer;
        answer.message(MessageDialog::Ok);
        DVDDialog dialog;
        answer.ignore(&dialog);
        dialog.show();
        QTRY_VERIFY(dialog.isEnabled());

        QVERIFY(QDir(drives).removeRecursively());
        QTest::mouseClick(child<QWidget>(dialog, "reloadRecorder"), Qt::LeftButton);

        QTRY_VERIFY(answer.done());
        QCOMPARE(answer.texts(),
                 QStringList{"DVDDialog fails with \"discRecorder->InitializeDiscRecorder\". "
                             "Result: 20009\n\n"});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestDVDDialog)
#include "tst_dvddialog.moc"
