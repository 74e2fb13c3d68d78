#pragma once

#include <QTime>
#include <QWidget>

class VideoPlayer;

namespace Ui {
class VideoForm;
}

// The video panel of the inspection screen: the picture, the transport buttons (jumps of five
// and one second back and forward, slower, stop, play or pause, faster, the photo button), the
// position and length, a position slider and the speed. The control row stays disabled until
// the owner enables it.
class VideoForm : public QWidget
{
    Q_OBJECT

public:
    explicit VideoForm(QWidget *parent = nullptr);
    ~VideoForm() override;

    void setFile(const QString &path);
    QTime position() const;
    void seek(const QTime &time);
    // Saves the current picture (see VideoPlayer::snapshot).
    bool snapshot(const QString &path);
    // Enables or disables the whole control row together with the play button.
    void setPlayEnabled(bool on);
    // False exactly while the video plays: the owner pauses around a dialog only then, and
    // resumes afterwards.
    bool isPlayEnabled() const;

    VideoPlayer *player() const { return m_player; }
    // The form is built before the program loads its translation: the owner translates it
    // again whenever the language changes.
    void retranslate();

signals:
    // The user asked for the current picture as a photo.
    void wantPicture();

public slots:
    void on_play_clicked();
    void on_pause_clicked();
    void on_stop_clicked();

private slots:
    void changedPosition(const QTime &pos);
    void changedLength(const QTime &dur);
    void on_faster_clicked();
    void on_slower_clicked();
    void on_for1_clicked();
    void on_for5_clicked();
    void on_back1_clicked();
    void on_back5_clicked();
    void on_foto_clicked();
    void on_slider_sliderMoved(int position);
    void showLoadFailure(const QString &path);
    // The stopped state of the row (the player has stopped already).
    void showStopped();

private:
    void setTransportEnabled(bool on);
    void fitPhotoButton();
    void showTime(const QTime &pos);
    void showRate();
    void jump(qint64 ms);

    Ui::VideoForm *ui;
    QTime m_length;
    VideoPlayer *m_player;
    bool m_playing = false;
};
