#pragma once

#include <QtGlobal>

// One decoded picture as the workflows pass it around (32-bit RGB, or YUV 4:2:0 where a workflow
// runs in that format): the pixels, their byte count and the time since the previous picture.
// The buffer always holds at least nbBytes bytes.
class VideoFrame
{
public:
    // A frame of width x height pixels (4 bytes each), time spacing 0.
    VideoFrame(quint32 width, quint32 height);
    // A frame of the given size whose buffer holds bytes bytes (for pictures whose byte count is
    // not width x height x 4).
    VideoFrame(quint32 width, quint32 height, quint32 bytes);
    ~VideoFrame();
    VideoFrame(const VideoFrame &) = delete;
    VideoFrame &operator=(const VideoFrame &) = delete;

    static quint32 byteSize(quint32 width, quint32 height) { return width * height * 4; }

    // A buffer of bytes bytes in place of the old one (its content is not kept); nothing when
    // the count is unchanged.
    void resize(quint32 bytes);
    // A buffer for width x height pixels; nothing when the size is unchanged.
    void setSize(quint32 width, quint32 height);
    // Takes over buffer (allocated with new[]) and frees the old one; the caller keeps the counts
    // right.
    void setBuffer(quint8 *buffer);

    qint64 ptsDiff = 0; // microseconds since the previous frame
    quint32 width;
    quint32 height;
    quint8 *buffer = nullptr;
    quint32 nbBytes;
    quint32 nbPixels;

private:
    void allocate(quint32 bytes);
};
