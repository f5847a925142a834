// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/PictureProbes.h"

#include <QIODevice>
#include <QtEndian>

#include <climits>

namespace {

// Reads exactly n bytes; false when the data ends first.
bool readBytes(QIODevice &in, unsigned char *buf, int n)
{
    return in.read(reinterpret_cast<char *>(buf), n) == n;
}

bool readByte(QIODevice &in, unsigned char &b)
{
    char c;
    if (!in.getChar(&c))
        return false;
    b = static_cast<unsigned char>(c);
    return true;
}

bool skipBytes(QIODevice &in, qint64 n)
{
    return n <= 0 || in.skip(n) == n;
}

bool isStandaloneMarker(unsigned char code)
{
    return code == 0x01 || (code >= 0xD0 && code <= 0xD9);
}

bool isFrameMarker(unsigned char code)
{
    return code == 0xC0 || code == 0xC1 || code == 0xC2;
}

// The code of the next marker: stray bytes before it and fill bytes (0xFF)
// in front of its code are passed over; 0xFF 0x00 is no marker.
std::optional<unsigned char> nextMarker(QIODevice &in)
{
    unsigned char b = 0;
    for (;;) {
        if (!readByte(in, b))
            return std::nullopt;
        if (b != 0xFF)
            continue;
        do {
            if (!readByte(in, b))
                return std::nullopt;
        } while (b == 0xFF);
        if (b != 0x00)
            return b;
    }
}

std::optional<PictureSize> sized(const char *format, qint64 width, qint64 height)
{
    if (width < 0 || height < 0 || width > INT_MAX || height > INT_MAX)
        return std::nullopt;
    return PictureSize{QByteArray(format), int(width), int(height)};
}

} // namespace

std::optional<PictureSize> probeGif(QIODevice &in)
{
    unsigned char head[10];
    if (!readBytes(in, head, 10))
        return std::nullopt;
    const QByteArray signature(reinterpret_cast<const char *>(head), 6);
    if (signature != "GIF87a" && signature != "GIF89a")
        return std::nullopt;
    return PictureSize{signature, head[6] + 256 * head[7], head[8] + 256 * head[9]};
}

std::optional<PictureSize> probeJpeg(QIODevice &in, bool requireJfif)
{
    unsigned char head[10];
    if (!readBytes(in, head, 10))
        return std::nullopt;
    // JFIF files are known by their APP0 segment; any other layout must at
    // least start with the start-of-image marker.
    if (requireJfif ? head[6] != 'J' || head[7] != 'F' || head[8] != 'I' || head[9] != 'F'
                    : head[0] != 0xFF || head[1] != 0xD8)
        return std::nullopt;
    if (!in.seek(2))
        return std::nullopt;

    std::optional<PictureSize> size;
    for (;;) {
        const std::optional<unsigned char> code = nextMarker(in);
        if (!code)
            return std::nullopt;
        if (*code == 0xDA)
            return size;  // the start of scan: the last frame before it counts
        if (isStandaloneMarker(*code))
            continue;
        unsigned char length[2];
        if (!readBytes(in, length, 2))
            return std::nullopt;
        const int segment = 256 * length[0] + length[1];
        if (segment < 2)
            return std::nullopt;
        if (isFrameMarker(*code)) {
            unsigned char frame[5];  // precision, lines (2), samples per line (2)
            if (segment < 7 || !readBytes(in, frame, 5))
                return std::nullopt;
            size = PictureSize{QByteArrayLiteral("JPEG"), 256 * frame[3] + frame[4], 256 * frame[1] + frame[2]};
            if (!skipBytes(in, segment - 7))
                return std::nullopt;
        } else if (!skipBytes(in, segment - 2)) {
            return std::nullopt;
        }
    }
}

std::optional<PictureSize> probePng(QIODevice &in)
{
    unsigned char head[24];  // signature (8), IHDR length (4) and type (4), width, height
    if (!readBytes(in, head, 24) || QByteArrayView(head, 8) != QByteArrayView("\x89PNG\r\n\x1A\n")
        || QByteArrayView(head + 12, 4) != QByteArrayView("IHDR"))
        return std::nullopt;
    return sized("PNG", qFromBigEndian<quint32>(head + 16), qFromBigEndian<quint32>(head + 20));
}

std::optional<PictureSize> probeWebp(QIODevice &in)
{
    unsigned char head[30];  // RIFF header (12), chunk type and size (8), the chunk's first ten bytes
    if (!readBytes(in, head, 30) || QByteArrayView(head, 4) != QByteArrayView("RIFF")
        || QByteArrayView(head + 8, 4) != QByteArrayView("WEBP"))
        return std::nullopt;
    const QByteArrayView chunk(head + 12, 4);
    const unsigned char *data = head + 20;
    if (chunk == QByteArrayView("VP8 ")) {
        // A key frame: three bytes of frame tag, the start code, then 14-bit sizes.
        if (data[3] != 0x9D || data[4] != 0x01 || data[5] != 0x2A)
            return std::nullopt;
        return sized("WebP", qFromLittleEndian<quint16>(data + 6) & 0x3FFF, qFromLittleEndian<quint16>(data + 8) & 0x3FFF);
    }
    if (chunk == QByteArrayView("VP8L")) {
        if (data[0] != 0x2F)
            return std::nullopt;
        const quint32 bits = qFromLittleEndian<quint32>(data + 1);
        return sized("WebP", (bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (chunk == QByteArrayView("VP8X")) {
        const auto u24 = [](const unsigned char *p) { return p[0] | (p[1] << 8) | (p[2] << 16); };
        return sized("WebP", qint64(u24(data + 4)) + 1, qint64(u24(data + 7)) + 1);
    }
    return std::nullopt;
}

std::optional<PictureSize> probeBmp(QIODevice &in)
{
    unsigned char head[26];  // file header (14), header size, width, height
    if (!readBytes(in, head, 26) || head[0] != 'B' || head[1] != 'M' || qFromLittleEndian<quint32>(head + 14) < 40)
        return std::nullopt;
    const qint64 height = qFromLittleEndian<qint32>(head + 22);
    return sized("BMP", qFromLittleEndian<qint32>(head + 18), height < 0 ? -height : height);
}
