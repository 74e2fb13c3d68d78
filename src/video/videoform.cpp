#include "video/videoform.h"

#include "foundation/messagedialog.h"
#include "ui_videoform.h"
#include "video/videoplayer.h"

#include <QDir>

namespace {

const QString kTimeFormat = QStringLiteral("hh:mm:ss");

} // namespace

VideoForm::VideoForm(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::VideoForm)
{
    ui->setupUi(this);
    m_player = new VideoPlayer(ui->videoWidget);
    connect(m_player, &VideoPlayer::positionChanged, this, &VideoForm::changedPosition);
    connect(m_player, &VideoPlayer::lengthChanged, this, &VideoForm::changedLength);
    connect(m_player, &VideoPlayer::loadFailed, this, &VideoForm::showLoadFailure);
    // At the end of the video the row shows play again, which starts it anew.
    connect(m_player, &VideoPlayer::stopped, this, &VideoForm::showStopped);
    ui->pause->hide();
    fitPhotoButton();
}

VideoForm::~VideoForm()
{
    delete m_player;
    delete ui;
}

void VideoForm::retranslate()
{
    ui->retranslateUi(this);
    fitPhotoButton();
}

void VideoForm::fitPhotoButton()
{
    // The style sheet's minimum width lets a narrow row squeeze the button below its text;
    // the photo button keeps the width its word needs in the current language.
    ui->foto->ensurePolished();
    ui->foto->setMinimumWidth(ui->foto->sizeHint().width());
}

void VideoForm::setFile(const QString &path)
{
    m_player->setFile(path);
}

QTime VideoForm::position() const
{
    return m_player->position();
}

void VideoForm::seek(const QTime &time)
{
    m_player->seek(time);
}

bool VideoForm::snapshot(const QString &path)
{
    return m_player->snapshot(path);
}

void VideoForm::setPlayEnabled(bool on)
{
    ui->toolWidget->setEnabled(on);
    ui->play->setEnabled(on);
}

bool VideoForm::isPlayEnabled() const
{
    return !m_playing;
}

void VideoForm::setTransportEnabled(bool on)
{
    for (QWidget *control : {static_cast<QWidget *>(ui->pause), static_cast<QWidget *>(ui->stop),
                             static_cast<QWidget *>(ui->slower), static_cast<QWidget *>(ui->faster),
                             static_cast<QWidget *>(ui->for1), static_cast<QWidget *>(ui->for5),
                             static_cast<QWidget *>(ui->back1), static_cast<QWidget *>(ui->back5),
                             static_cast<QWidget *>(ui->slider), static_cast<QWidget *>(ui->foto)})
        control->setEnabled(on);
}

void VideoForm::showTime(const QTime &pos)
{
    ui->timeLabel->setText(QStringLiteral("%1 / %2").arg(pos.toString(kTimeFormat), m_length.toString(kTimeFormat)));
}

void VideoForm::showRate()
{
    ui->speedLabel->setText(QStringLiteral("%1x").arg(m_player->rate()));
}

void VideoForm::changedLength(const QTime &dur)
{
    m_length = dur;
    ui->slider->setMaximum(QTime(0, 0).secsTo(dur));
    showTime(QTime(0, 0).addSecs(ui->slider->value()));
}

void VideoForm::changedPosition(const QTime &pos)
{
    ui->slider->setValue(QTime(0, 0).secsTo(pos));
    showTime(pos);
}

void VideoForm::on_play_clicked()
{
    m_player->play();
    // Nothing could be loaded: the row stays as it was.
    if (!m_player->isLoaded())
        return;
    m_playing = true;
    ui->play->hide();
    ui->pause->show();
    ui->play->setEnabled(false);
    setTransportEnabled(true);
}

void VideoForm::on_pause_clicked()
{
    m_player->pause();
    m_playing = false;
    ui->play->show();
    ui->pause->hide();
    ui->play->setEnabled(true);
    ui->pause->setEnabled(false);
}

void VideoForm::on_stop_clicked()
{
    m_player->stop();
    showStopped();
}

void VideoForm::showStopped()
{
    m_playing = false;
    ui->play->show();
    ui->pause->hide();
    ui->play->setEnabled(true);
    setTransportEnabled(false);
    ui->slider->setValue(0);
    ui->timeLabel->setText(QStringLiteral("00:00:00 / 00:00:00"));
    showRate();
}

void VideoForm::on_faster_clicked()
{
    m_player->faster();
    showRate();
}

void VideoForm::on_slower_clicked()
{
    m_player->slower();
    showRate();
}

void VideoForm::jump(qint64 ms)
{
    m_player->seekRelative(ms);
    showRate();
}

void VideoForm::on_back5_clicked()
{
    jump(-5000);
}

void VideoForm::on_back1_clicked()
{
    jump(-1000);
}

void VideoForm::on_for1_clicked()
{
    jump(1000);
}

void VideoForm::on_for5_clicked()
{
    jump(5000);
}

void VideoForm::on_slider_sliderMoved(int position)
{
    const QTime time = QTime(0, 0).addSecs(position);
    m_player->seek(time);
    showRate();
    // The label follows the drag at once, before the player reports the new position.
    changedPosition(time);
}

void VideoForm::on_foto_clicked()
{
    emit wantPicture();
}

void VideoForm::showLoadFailure(const QString &path)
{
    MessageDialog box(tr("Das Video kann nicht abgespielt werden:\n%1").arg(QDir::toNativeSeparators(path)),
                      MessageDialog::Ok, 0, this);
    box.exec();
}
