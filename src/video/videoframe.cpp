#include "video/videoframe.h"

VideoFrame::VideoFrame(quint32 frameWidth, quint32 frameHeight)
    : width(frameWidth)
    , height(frameHeight)
    , nbBytes(byteSize(frameWidth, frameHeight))
    , nbPixels(frameWidth * frameHeight)
{
    allocate(nbBytes);
}

VideoFrame::VideoFrame(quint32 frameWidth, quint32 frameHeight, quint32 bytes)
    : width(frameWidth)
    , height(frameHeight)
    , nbBytes(bytes)
    , nbPixels(frameWidth * frameHeight)
{
    allocate(bytes);
}

VideoFrame::~VideoFrame()
{
    delete[] buffer;
}

void VideoFrame::allocate(quint32 bytes)
{
    delete[] buffer;
    // Whole pixels, rounded up: whoever fills the frame copies nbBytes bytes into it, so a
    // buffer rounded down would be overrun by the last partial pixel.
    buffer = new quint8[(bytes + 3) / 4 * 4];
}

void VideoFrame::resize(quint32 bytes)
{
    if (bytes == nbBytes)
        return;
    allocate(bytes);
    nbBytes = bytes;
}

void VideoFrame::setSize(quint32 newWidth, quint32 newHeight)
{
    if (newWidth == width && newHeight == height)
        return;
    width = newWidth;
    height = newHeight;
    nbPixels = width * height;
    nbBytes = byteSize(width, height);
    allocate(nbBytes);
}

void VideoFrame::setBuffer(quint8 *newBuffer)
{
    delete[] buffer;
    buffer = newBuffer;
}
