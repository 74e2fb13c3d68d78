#include "foundation/records/streamcheck.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

// Sizes of the fixed parts of the stream forms.
constexpr qint64 ColorBytes = 1 + 5 * 2; // colour model, alpha, three components, pad
constexpr qint64 PathElementBytes = 4 + 2 * 8; // type, x, y
constexpr qint64 GradientStopBytes = 8 + ColorBytes;

// Qt::BrushStyle values.
constexpr quint8 LastPatternStyle = 14; // Qt::DiagCrossPattern
constexpr quint8 LinearGradientStyle = 15;
constexpr quint8 ConicalGradientStyle = 17;
constexpr quint8 TextureStyle = 24;

// QPainterPath::ElementType values.
constexpr qint32 MoveToElement = 0;
constexpr qint32 CurveToElement = 2;
constexpr qint32 CurveToDataElement = 3;

const char PngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};

} // namespace

StreamCheck::StreamCheck(const QByteArray &bytes, qint64 pos)
    : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
    , m_size(bytes.size())
    , m_pos(qBound<qint64>(0, pos, bytes.size()))
{
}

bool StreamCheck::skip(qint64 count)
{
    if (!need(count))
        return false;
    m_pos += count;
    return true;
}

bool StreamCheck::u8(quint8 &value)
{
    if (!need(1))
        return false;
    value = m_data[m_pos++];
    return true;
}

bool StreamCheck::u16(quint16 &value)
{
    if (!need(2))
        return false;
    value = qFromBigEndian<quint16>(m_data + m_pos);
    m_pos += 2;
    return true;
}

bool StreamCheck::u32(quint32 &value)
{
    if (!need(4))
        return false;
    value = qFromBigEndian<quint32>(m_data + m_pos);
    m_pos += 4;
    return true;
}

bool StreamCheck::i32(qint32 &value)
{
    quint32 raw = 0;
    if (!u32(raw))
        return false;
    value = qint32(raw);
    return true;
}

bool StreamCheck::finiteDouble(double *value)
{
    if (!need(8))
        return false;
    const quint64 raw = qFromBigEndian<quint64>(m_data + m_pos);
    double d = 0;
    std::memcpy(&d, &raw, sizeof d);
    if (!isSane(d))
        return false;
    m_pos += 8;
    if (value)
        *value = d;
    return true;
}

bool StreamCheck::finiteDoubles(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!finiteDouble())
            return false;
    }
    return true;
}

// quint32 byte count (0xffffffff for a null string), then UTF-16 code units.
bool StreamCheck::string()
{
    quint32 bytes = 0;
    if (!u32(bytes))
        return false;
    if (bytes == 0xffffffffu)
        return true;
    if (bytes & 1u)
        return false;
    return skip(bytes);
}

// qint8 colour model, quint16 alpha, red, green, blue, pad.
bool StreamCheck::color()
{
    if (!need(ColorBytes))
        return false;
    const qint8 model = qint8(m_data[m_pos]);
    if (model < 0 || model > 5) // Invalid, Rgb, Hsv, Cmyk, Hsl, ExtendedRgb
        return false;
    m_pos += ColorBytes;
    return true;
}

// Nine doubles m11 .. m33.
bool StreamCheck::transform()
{
    return finiteDoubles(9);
}

// qint32 null marker (0: null image), otherwise a PNG file.
bool StreamCheck::image()
{
    qint32 marker = 0;
    if (!i32(marker))
        return false;
    return marker == 0 || png();
}

// Walks the chunk structure up to IEND. The header must come first and announce a plausible
// size; the pixel data itself is left to the decoder, which reports damage as a null image.
bool StreamCheck::png()
{
    if (!need(8) || std::memcmp(m_data + m_pos, PngSignature, 8) != 0)
        return false;
    m_pos += 8;
    bool first = true;
    for (;;) {
        quint32 length = 0;
        if (!u32(length) || length > 0x7fffffffu || !need(4))
            return false;
        char type[4];
        std::memcpy(type, m_data + m_pos, 4);
        m_pos += 4;
        for (char c : type) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return false;
        }
        const bool header = std::memcmp(type, "IHDR", 4) == 0;
        if (first != header)
            return false;
        if (header) {
            if (length != 13 || !need(13))
                return false;
            const quint32 width = qFromBigEndian<quint32>(m_data + m_pos);
            const quint32 height = qFromBigEndian<quint32>(m_data + m_pos + 4);
            if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu)
                return false;
            if (qint64(width) * qint64(height) > MaxImagePixels)
                return false;
        }
        first = false;
        if (!skip(qint64(length) + 4)) // data and CRC
            return false;
        if (std::memcmp(type, "IEND", 4) == 0)
            return true;
    }
}

// quint8 style, colour; a texture brush adds an image, a gradient brush its type, spread,
// coordinate mode, interpolation mode, stops and geometry; then the brush transform.
bool StreamCheck::brush()
{
    quint8 style = 0;
    if (!u8(style) || !color())
        return false;
    if (style == TextureStyle) {
        if (!image())
            return false;
    } else if (style >= LinearGradientStyle && style <= ConicalGradientStyle) {
        qint32 type = 0, spread = 0, coordinateMode = 0, interpolation = 0;
        if (!i32(type) || !i32(spread) || !i32(coordinateMode) || !i32(interpolation))
            return false;
        const qint32 expectedType = style - LinearGradientStyle; // Linear 0, Radial 1, Conical 2
        if (type != expectedType || spread < 0 || spread > 2 || coordinateMode < 0
            || coordinateMode > 3 || interpolation < 0 || interpolation > 1)
            return false;
        quint32 stops = 0;
        if (!u32(stops) || qint64(stops) > remaining() / GradientStopBytes)
            return false;
        for (quint32 i = 0; i < stops; ++i) {
            if (!finiteDouble() || !color())
                return false;
        }
        const int geometry = type == 0 ? 4 : type == 1 ? 5 : 3;
        if (!finiteDoubles(geometry))
            return false;
    } else if (style > LastPatternStyle) {
        return false;
    }
    return transform();
}

// quint16 style|cap|join, bool cosmetic, double width, brush, double miter limit, dash pattern
// (quint32 count and doubles), double dash offset, bool default width.
bool StreamCheck::pen()
{
    quint16 flags = 0;
    if (!u16(flags))
        return false;
    const int style = flags & 0x000f;
    const int cap = flags & 0x0030;
    const int join = flags & 0x01c0;
    if ((flags & ~0x01ff) != 0 || style > 6 /* CustomDashLine */ || cap == 0x30
        || (join != 0x00 && join != 0x40 && join != 0x80 && join != 0x100))
        return false;
    quint8 cosmetic = 0;
    double width = 0;
    if (!u8(cosmetic) || !finiteDouble(&width) || width < 0 || !brush() || !finiteDouble())
        return false;
    quint32 dashes = 0;
    if (!u32(dashes) || qint64(dashes) > remaining() / 8)
        return false;
    for (quint32 i = 0; i < dashes; ++i) {
        double dash = 0;
        if (!finiteDouble(&dash) || dash < 0)
            return false;
    }
    quint8 defaultWidth = 0;
    return finiteDouble() && u8(defaultWidth);
}

// qint32 element count (0: empty path, nothing follows), per element qint32 type and x, y
// doubles, then qint32 index of the current subpath start and qint32 fill rule. The elements
// must form what QPainterPath builds: a leading move, and every curve followed by exactly its
// two control-data elements.
bool StreamCheck::path()
{
    qint32 count = 0;
    if (!i32(count) || count < 0)
        return false;
    if (count == 0)
        return true;
    if (qint64(count) > (remaining() - 8) / PathElementBytes)
        return false;
    int pendingCurveData = 0;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0;
        if (!i32(type) || !finiteDoubles(2))
            return false;
        if (type == CurveToDataElement) {
            if (pendingCurveData == 0)
                return false;
            --pendingCurveData;
            continue;
        }
        if (pendingCurveData != 0 || type < 0 || type > CurveToDataElement)
            return false;
        if (i == 0 && type != MoveToElement)
            return false;
        if (type == CurveToElement)
            pendingCurveData = 2;
    }
    qint32 subpathStart = 0, fillRule = 0;
    if (pendingCurveData != 0 || !i32(subpathStart) || !i32(fillRule))
        return false;
    return subpathStart >= 0 && subpathStart < count && (fillRule == 0 || fillRule == 1);
}
