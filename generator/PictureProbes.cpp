#include "PictureProbes.h"

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

GifProbe probeGif(QIODevice &in)
{
    GifProbe r;
    unsigned char sig[6];
    if (!readBytes(in, sig, 6))
        return r;
    r.signatureRead = true;
    r.signature = QByteArray(reinterpret_cast<const char *>(sig), 6);
    if (r.signature != "GIF87a" && r.signature != "GIF89a")
        return r;
    unsigned char dims[4];
    if (!readBytes(in, dims, 4))
        return r;
    r.width = dims[0] + 256 * dims[1];
    r.height = dims[2] + 256 * dims[3];
    r.ok = true;
    return r;
}

JpegProbe probeJpeg(QIODevice &in)
{
    JpegProbe r;
    unsigned char head[10];
    if (!readBytes(in, head, 10))
        return r;
    if (head[6] != 0x4A || head[7] != 0x46 || head[8] != 0x49 || head[9] != 0x46)
        return r;
    unsigned char rest[10];
    if (!readBytes(in, rest, 10))
        return r;
    unsigned char next[2];
    if (!readBytes(in, next, 2))
        return r;
    if (next[0] == 0xFF && next[1] == 0xED) {
        unsigned char len[2];
        if (!readBytes(in, len, 2))
            return r;
        const int skip = 256 * len[0] + len[1] - 2;
        if (skip > 0 && in.skip(skip) != skip)
            return r;
    }

    bool frameSeen = false;
    int width = 0;
    int height = 0;
    for (;;) {
        unsigned char b;
        if (!readByte(in, b))
            return r;
        if (b != 0xFF)
            continue;
        unsigned char code;
        if (!readByte(in, code))
            return r;
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            unsigned char frame[7];  // length (2), precision (1), lines (2), samples per line (2)
            if (!readBytes(in, frame, 7))
                return r;
            height = 256 * frame[3] + frame[4];
            width = 256 * frame[5] + frame[6];
            frameSeen = true;
        } else if (code == 0xDA) {
            // A start of scan without an accepted frame has no size of this file to give.
            r.ok = frameSeen;
            if (frameSeen) {
                r.width = width;
                r.height = height;
            }
            return r;
        }
    }
}
