#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <cstdint>

#include <vlc/vlc.h>

class VLCBackend;
class VLCMedia;
class VLCMediaPlayer;
class VLCMemorySource;
class VLCRendererEventWatcher;
class VLCSource;

// One libvlc player bound to one source, with the options that route its picture: into a window,
// into the program's memory (the "smem" output) or into an AVI file (the "sout" transcode chain).
// Configure it, then start(); the options are fixed from then on.
//
// Typical chains:
//   file -> window:       createRenderer, setWindow, start
//   file -> memory:       setupSmem, setOutputVideoCodec("RV32"), setOutputWidth/Height/Fps, start
//   memory -> AVI file:   (memory source) setupImem, setOutputFile, codec, bitrate, size, fps, start
class VLCSourceRenderer
{
public:
    // What the options route; combined as bits.
    enum OptionFlag { ImemInput = 1, SmemOutput = 2, FileOutput = 4 };

    // The memory input asks for each frame (return 0 with size, buffer and stamps set, or
    // non-zero at the end of the stream) and gives every frame back through release.
    using ImemGetCallback = int (*)(void *data, const char *cookie, int64_t *dts, int64_t *pts,
                                    unsigned *flags, size_t *bufferSize, void **buffer);
    using ImemReleaseCallback = void (*)(void *data, const char *cookie, size_t bufferSize, void *buffer);
    // The memory output asks for a buffer of size bytes before each frame and reports the
    // frame once it is written there (pts in microseconds).
    using SmemPrerenderCallback = void (*)(void *data, uint8_t **buffer, size_t size);
    using SmemPostrenderCallback = void (*)(void *data, uint8_t *buffer, int width, int height,
                                            int bitsPerPixel, size_t size, int64_t pts);

    // Plays a file source; events go to watcher (may be null).
    VLCSourceRenderer(VLCBackend *backend, VLCSource *source, VLCRendererEventWatcher *watcher);
    // Reads frames from the program through the memory input, as memorySource declares them.
    VLCSourceRenderer(VLCBackend *backend, VLCMemorySource *memorySource, VLCRendererEventWatcher *watcher);
    // Stops the player; no event reaches the watcher afterwards.
    virtual ~VLCSourceRenderer();
    VLCSourceRenderer(const VLCSourceRenderer &) = delete;
    VLCSourceRenderer &operator=(const VLCSourceRenderer &) = delete;

    // The memory input's location for a picture size, aspect ratio ("5/4"), rate and chroma.
    static QString imemLocation(unsigned width, unsigned height, const QString &aspectRatio, float fps,
                                const QString &chroma = QStringLiteral("RV32"));

    // Label of the debug lines about this renderer.
    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }

    // Frames come from getCallback/releaseCallback, called with data.
    void setupImem(void *data, ImemGetCallback getCallback, ImemReleaseCallback releaseCallback);
    // Decoded frames go to the callbacks, called with data; without timeSync libvlc decodes as
    // fast as the callbacks take the frames. Audio is dropped.
    void setupSmem(void *data, SmemPrerenderCallback prerenderCallback,
                   SmemPostrenderCallback postrenderCallback, bool timeSync);
    // The picture is encoded into this AVI file.
    void setOutputFile(const QString &path);
    // Settings of the encoded or memory output; a null codec, zero size, zero bitrate and a
    // rate of 0.1 or less leave libvlc's choice.
    void setOutputVideoCodec(const QString &fourcc) { m_outputVideoCodec = fourcc; }
    void setOutputWidth(unsigned width) { m_outputWidth = width; }
    void setOutputHeight(unsigned height) { m_outputHeight = height; }
    void setOutputVideoBitrate(unsigned kbitPerSecond) { m_outputVideoBitrate = kbitPerSecond; }
    void setOutputFps(float fps) { m_outputFps = fps; }
    // Options of libvlc's video encoder ("qmax=31,hq=simple"); empty leaves its defaults.
    void setOutputVideoEncoderOptions(const QString &options) { m_outputVideoEncoderOptions = options; }

    int optionFlags() const { return m_optionFlags; }
    // The media options added so far, in order (start() adds the sout option last).
    QStringList mediaOptions() const { return m_options; }
    // The transcode option start() adds: empty for a plain player or a memory input alone.
    QString soutOption() const;

    // Hands the media with its options to the player and plays. A later start() plays the same
    // media again from its beginning. The four player controls the workflows use are virtual, so
    // a test can drive a workflow without a decoder.
    virtual void start();
    virtual void stop();
    void togglePause();
    virtual void setPause(bool pause);
    void nextFrame();
    virtual void setTime(qint64 ms);
    void setPosition(float position);
    void setRate(float rate);
    qint64 getTime();
    // Draws into this native window (X11 window id); call before start().
    void setWindow(WId window);
    // Writes the current picture as PNG at its own size (see VLCMediaPlayer::takeSnapshot).
    bool takeSnapshot(const QString &path);

    VLCMediaPlayer *getPlayer() const { return m_player; }
    // The media until start() hands it to the player, null afterwards.
    VLCMedia *getMedia() const { return m_media; }

    // libvlc's event callback: passes the player's events on to the watcher.
    static void eventCallback(const libvlc_event_t *event, void *renderer);

private:
    void initPlayer();
    void addLoggedOption(const QString &option);

    VLCBackend *m_backend;
    QString m_name;
    int m_optionFlags = 0;
    VLCMedia *m_media = nullptr;
    VLCMediaPlayer *m_player = nullptr;
    VLCRendererEventWatcher *m_watcher;
    QString m_outputFile;
    QString m_smemOptions;
    QString m_outputVideoCodec;
    unsigned m_outputWidth = 0;
    unsigned m_outputHeight = 0;
    unsigned m_outputVideoBitrate = 0;
    QString m_outputVideoEncoderOptions;
    float m_outputFps = 0.0f;
    QStringList m_options;
};
