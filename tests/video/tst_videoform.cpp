#include "foundation/messagedialog.h"
#include "foundation/slider.h"
#include "support/modalanswerer.h"
#include "support/testenv.h"
#include "support/testvideos.h"
#include "video/videoform.h"
#include "video/videoplayer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const int kWatchdogMs = 30000;

enum Action { Play, Pause, Stop };
using Actions = QList<int>;

const char *const kTransport[] = {"stop", "slower", "faster", "for1", "for5", "back1", "back5", "slider", "foto"};

} // namespace

Q_DECLARE_METATYPE(Actions)

class TestVideoForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void builtDisabled();
    void rowFollowsThePlayState_data();
    void rowFollowsThePlayState();
    void timeAndRateLabels();
    void sliderSeeksAndTheLabelFollows();
    void photoButtonAsksForAPicture();
    void endOfTheVideoShowsPlayAgain();
    void unreadableVideoIsReported();

private:
    template <typename T = QPushButton>
    T *child(const char *name) const
    {
        return m_form->findChild<T *>(QString::fromLatin1(name));
    }
    QString timeText() const { return child<QLabel>("timeLabel")->text(); }
    QString rateText() const { return child<QLabel>("speedLabel")->text(); }
    void startPlaying();

    TestEnvironment m_env;
    QTemporaryDir m_dir;
    QString m_pal;
    std::unique_ptr<VideoForm> m_form;
};

void TestVideoForm::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pal = TestVideos::pal(m_dir.path());
    QVERIFY(!m_pal.isEmpty());
}

void TestVideoForm::init()
{
    m_form = std::make_unique<VideoForm>();
    m_form->show();
}

void TestVideoForm::cleanup()
{
    m_form.reset();
}

void TestVideoForm::startPlaying()
{
    m_form->setFile(m_pal);
    m_form->setPlayEnabled(true);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QVERIFY(m_form->player()->isLoaded());
    QTRY_VERIFY_WITH_TIMEOUT(m_form->position() > QTime(0, 0), kWatchdogMs);
}

void TestVideoForm::builtDisabled()
{
    QVERIFY(!child<QWidget>("toolWidget")->isEnabled());
    for (const char *name : {"back5", "back1", "slower", "stop", "play", "pause", "faster", "for1", "for5", "foto"}) {
        QPushButton *button = child(name);
        QVERIFY2(button, name);
        QVERIFY2(!button->isEnabled(), name);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        if (qstrcmp(name, "foto") != 0) {
            QVERIFY2(!button->icon().isNull(), name);
            QCOMPARE(button->iconSize(), QSize(25, 25));
            QVERIFY(button->text().isEmpty());
        }
    }
    QCOMPARE(child("foto")->text(), QStringLiteral("FOTO"));
    QVERIFY(!child("pause")->isVisible());
    QVERIFY(!child<Slider>("slider")->isEnabled());
    QCOMPARE(timeText(), QStringLiteral("00:00:00 / 00:00:00"));
    QCOMPARE(rateText(), QStringLiteral("1x"));
    QVERIFY(m_form->isPlayEnabled()); // nothing plays

    m_form->setPlayEnabled(true);
    QVERIFY(child<QWidget>("toolWidget")->isEnabled());
    QVERIFY(child("play")->isEnabled());
    QVERIFY(!child("stop")->isEnabled());
    // Without a video the play button loads nothing and the row stays as it was.
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QVERIFY(child("play")->isVisible());
    QVERIFY(m_form->isPlayEnabled());
    m_form->setPlayEnabled(false);
    QVERIFY(!child<QWidget>("toolWidget")->isEnabled());
    QVERIFY(!child("play")->isEnabled());
}

void TestVideoForm::rowFollowsThePlayState_data()
{
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("transport");

    QTest::newRow("stopped") << Actions{} << false << false;
    QTest::newRow("playing") << Actions{Play} << true << true;
    QTest::newRow("paused") << Actions{Play, Pause} << false << true;
    QTest::newRow("playing again") << Actions{Play, Pause, Play} << true << true;
    QTest::newRow("stopped while playing") << Actions{Play, Stop} << false << false;
    QTest::newRow("stopped twice") << Actions{Play, Pause, Stop, Stop} << false << false;
}

void TestVideoForm::rowFollowsThePlayState()
{
    QFETCH(Actions, actions);
    QFETCH(bool, playing);
    QFETCH(bool, transport);

    m_form->setFile(m_pal);
    m_form->setPlayEnabled(true);
    for (int action : actions) {
        if (action == Stop) {
            m_form->on_stop_clicked(); // as the main window calls it, also when stopped already
            continue;
        }
        const char *button = action == Play ? "play" : "pause";
        QVERIFY2(child(button)->isVisible() && child(button)->isEnabled(), button);
        QTest::mouseClick(child(button), Qt::LeftButton);
    }
    QCOMPARE(child("play")->isVisible(), !playing);
    QCOMPARE(child("play")->isEnabled(), !playing);
    QCOMPARE(child("pause")->isVisible(), playing);
    QCOMPARE(child("pause")->isEnabled(), playing);
    QCOMPARE(m_form->isPlayEnabled(), !playing);
    for (const char *name : kTransport)
        QVERIFY2(child<QWidget>(name)->isEnabled() == transport, name);
    if (!transport) {
        QCOMPARE(timeText(), QStringLiteral("00:00:00 / 00:00:00"));
        QCOMPARE(child<Slider>("slider")->value(), 0);
    }
}

void TestVideoForm::timeAndRateLabels()
{
    // Before any length is known the position stands alone.
    QVERIFY(QMetaObject::invokeMethod(m_form.get(), "changedPosition", Q_ARG(QTime, QTime(0, 0, 7))));
    QCOMPARE(timeText(), QStringLiteral("00:00:07 / "));

    startPlaying();
    QTRY_VERIFY_WITH_TIMEOUT(timeText().endsWith(QLatin1String(" / 00:00:04")), kWatchdogMs);
    QCOMPARE(child<Slider>("slider")->maximum(), 4);
    QTest::mouseClick(child("faster"), Qt::LeftButton);
    QTest::mouseClick(child("faster"), Qt::LeftButton);
    QCOMPARE(rateText(), QStringLiteral("3x"));
    QTest::mouseClick(child("slower"), Qt::LeftButton);
    QCOMPARE(rateText(), QStringLiteral("2x"));
    // A jump plays at normal speed again.
    for (const char *jump : {"back5", "back1", "for1", "for5"}) {
        QTest::mouseClick(child("faster"), Qt::LeftButton);
        QTest::mouseClick(child(jump), Qt::LeftButton);
        QCOMPARE(rateText(), QStringLiteral("1x"));
    }
    QTest::mouseClick(child("faster"), Qt::LeftButton);
    QTest::mouseClick(child("stop"), Qt::LeftButton);
    QCOMPARE(rateText(), QStringLiteral("2x")); // stop keeps the speed and shows it
}

void TestVideoForm::sliderSeeksAndTheLabelFollows()
{
    startPlaying();
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(timeText().endsWith(QLatin1String(" / 00:00:04")), kWatchdogMs);
    auto *slider = child<Slider>("slider");
    slider->setSliderPosition(3);
    emit slider->sliderMoved(3);
    // At once, before the player reports anything.
    QCOMPARE(timeText(), QStringLiteral("00:00:03 / 00:00:04"));
    QCOMPARE(slider->value(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(m_form->position(), QTime(0, 0, 3), kWatchdogMs);
}

void TestVideoForm::photoButtonAsksForAPicture()
{
    QSignalSpy wanted(m_form.get(), &VideoForm::wantPicture);
    startPlaying();
    QTest::mouseClick(child("foto"), Qt::LeftButton);
    QCOMPARE(wanted.count(), 1);
}

void TestVideoForm::endOfTheVideoShowsPlayAgain()
{
    startPlaying();
    emit child<Slider>("slider")->sliderMoved(4);
    QTRY_VERIFY_WITH_TIMEOUT(child("play")->isVisible(), kWatchdogMs);
    QVERIFY(m_form->isPlayEnabled());
    QVERIFY(!child("stop")->isEnabled());
    QCOMPARE(timeText(), QStringLiteral("00:00:00 / 00:00:00"));
    // Play starts it anew.
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QVERIFY(!m_form->isPlayEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(m_form->position() > QTime(0, 0), kWatchdogMs);
    QVERIFY(m_form->position() < QTime(0, 0, 2));
}

void TestVideoForm::unreadableVideoIsReported()
{
    const QString path = TestVideos::randomBytes(m_dir.path());
    m_form->setFile(path);
    m_form->setPlayEnabled(true);
    ModalAnswerer answer;
    answer.expect("ProgressDialog", [](QWidget *) {});
    answer.message(MessageDialog::Ok);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QVERIFY(answer.done());
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Das Video kann nicht abgespielt werden:\n") + path});
    QVERIFY(child("play")->isVisible());
    QVERIFY(child("play")->isEnabled());
    QVERIFY(!child("stop")->isEnabled());
    QVERIFY(m_form->isPlayEnabled());
}

QTEST_MAIN(TestVideoForm)
#include "tst_videoform.moc"
