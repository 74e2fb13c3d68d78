#pragma once

#include <QString>
#include <QStringList>

class VLCInstance;
struct libvlc_media_t;

// Owns one libvlc media: a location plus the options that route its playback.
class VLCMedia
{
public:
    // mrl is a libvlc location ("file:///...", "imem://..."); see fileLocation for files.
    VLCMedia(VLCInstance *instance, const QString &mrl);
    ~VLCMedia();
    VLCMedia(const VLCMedia &) = delete;
    VLCMedia &operator=(const VLCMedia &) = delete;

    // The location of a local file as libvlc opens it: a file URL with every character that is
    // not plain in a URL path percent-encoded, so names with blanks, umlauts, '#' or '%' open.
    // A relative path is taken from the working folder.
    static QString fileLocation(const QString &path);

    // Adds a trusted option (the imem and smem callbacks are only accepted from trusted ones).
    void addOption(const QString &option);
    // Options added so far, in order.
    QStringList options() const { return m_options; }

    // The media's location as libvlc reports it; asked once and then kept.
    QString mrl();

    // Reads the file's tracks and metadata, waiting at most timeoutMs; false when libvlc could
    // not parse it in time.
    bool parse(int timeoutMs = 3000);

    // The pixel shape (sample aspect ratio) of media's first video track as far as libvlc knows
    // it (a player's media learns it from the decoder); false when it knows none.
    static bool sampleAspectRatio(libvlc_media_t *media, unsigned *num, unsigned *den);

    libvlc_media_t *handle() const { return m_media; }

private:
    libvlc_media_t *m_media = nullptr;
    QString m_mrl;
    QStringList m_options;
};
