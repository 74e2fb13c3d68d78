#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cmath>

// Bounded checks of Qt's data-stream forms (stream version 17, big-endian, double precision)
// for bytes that come from user files. Qt's own readers trust the counts they find (a vector
// reserves what its count says, a painter path reads as many elements as announced, a PNG header
// may declare any size) and accept values that crash painting later. Each check walks one form
// without allocating, refuses what Qt's writer never produces, and on success leaves pos() just
// past the form, so the caller can hand exactly those bytes to Qt's reader.
class StreamCheck
{
public:
    // Images with more pixels than this are refused (about 128 MB at 32 bits per pixel).
    static constexpr qint64 MaxImagePixels = 32LL * 1024 * 1024;
    // Numbers beyond this magnitude are refused: a report page is about a thousand pixels
    // wide, and a dashed outline millions of pages long would keep the painter busy for hours.
    static constexpr double MaxMagnitude = 1e6;
    static bool isSane(double value) { return std::isfinite(value) && std::fabs(value) <= MaxMagnitude; }

    StreamCheck(const QByteArray &bytes, qint64 pos);

    qint64 pos() const { return m_pos; }
    qint64 remaining() const { return m_size - m_pos; }

    bool string();
    bool color();
    bool transform();
    bool image();
    bool brush();
    bool pen();
    bool path();
    // A PNG file (signature, chunks up to IEND, a plausible size) starting at pos().
    bool png();

private:
    bool need(qint64 count) const { return count >= 0 && count <= remaining(); }
    bool skip(qint64 count);
    bool u8(quint8 &value);
    bool u16(quint16 &value);
    bool u32(quint32 &value);
    bool i32(qint32 &value);
    bool finiteDouble(double *value = nullptr);
    bool finiteDoubles(int count);

    const uchar *m_data;
    qint64 m_size;
    qint64 m_pos;
};
