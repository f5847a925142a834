#include "generator/PictureProbes.h"

#include <QIODevice>

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

} // namespace

std::optional<PictureSize> probeGif(QIODevice &in)
{
    unsigned char sig[6];
    if (!readBytes(in, sig, 6))
        return std::nullopt;
    const QByteArray signature(reinterpret_cast<const char *>(sig), 6);
    if (signature != "GIF87a" && signature != "GIF89a")
        return std::nullopt;
    unsigned char dims[4];
    if (!readBytes(in, dims, 4))
        return std::nullopt;
    return PictureSize{signature, dims[0] + 256 * dims[1], dims[2] + 256 * dims[3]};
}

std::optional<PictureSize> probeJpeg(QIODevice &in)
{
    unsigned char head[10];
    if (!readBytes(in, head, 10))
        return std::nullopt;
    if (head[6] != 0x4A || head[7] != 0x46 || head[8] != 0x49 || head[9] != 0x46)
        return std::nullopt;
    unsigned char rest[10];
    if (!readBytes(in, rest, 10))
        return std::nullopt;
    unsigned char next[2];
    if (!readBytes(in, next, 2))
        return std::nullopt;
    if (next[0] == 0xFF && next[1] == 0xED) {
        unsigned char len[2];
        if (!readBytes(in, len, 2))
            return std::nullopt;
        const int skip = 256 * len[0] + len[1] - 2;
        if (skip > 0 && in.skip(skip) != skip)
            return std::nullopt;
    }

    bool frameSeen = false;
    int width = 0;
    int height = 0;
    for (;;) {
        unsigned char b;
        if (!readByte(in, b))
            return std::nullopt;
        if (b != 0xFF)
            continue;
        unsigned char code;
        if (!readByte(in, code))
            return std::nullopt;
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            unsigned char frame[7];  // length (2), precision (1), lines (2), samples per line (2)
            if (!readBytes(in, frame, 7))
                return std::nullopt;
            height = 256 * frame[3] + frame[4];
            width = 256 * frame[5] + frame[6];
            frameSeen = true;
        } else if (code == 0xDA) {
            // A start of scan without an accepted frame has no size of this file to give.
            if (!frameSeen)
                return std::nullopt;
            return PictureSize{QByteArrayLiteral("JPEG"), width, height};
        }
    }
}
