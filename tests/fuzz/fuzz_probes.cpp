// SPDX-License-Identifier: GPL-3.0-or-later
// The picture probes over arbitrary bytes.
#include "generator/PictureProbes.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"

#include <QBuffer>

namespace {

QByteArray asBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace

int fuzzGifProbe(const uint8_t *data, size_t size)
{
    QByteArray bytes = asBytes(data, size);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const std::optional<PictureSize> p = probeGif(in);
    FUZZ_CHECK(in.pos() <= 10);  // the header only, never more
    if (p) {
        FUZZ_CHECK(p->format == bytes.left(6) && (p->format == "GIF87a" || p->format == "GIF89a"));
        FUZZ_CHECK(p->width >= 0 && p->width <= 0xFFFF && p->height >= 0 && p->height <= 0xFFFF);
    }
    return 0;
}

int fuzzJpegProbe(const uint8_t *data, size_t size)
{
    // The first byte chooses whether only JFIF files give a size.
    const bool anyLayout = size > 0 && (data[0] & 1);
    QByteArray bytes = asBytes(data + (size > 0), size - (size > 0));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const std::optional<PictureSize> p = probeJpeg(in, !anyLayout);
    FUZZ_CHECK(in.pos() <= bytes.size());
    if (!p)
        return 0;
    FUZZ_CHECK(anyLayout ? bytes.startsWith("\xFF\xD8") : bytes.mid(6, 4) == "JFIF");
    FUZZ_CHECK(p->format == "JPEG" && p->width <= 0xFFFF && p->height <= 0xFFFF);
    // It stopped right after a start-of-scan marker ...
    const qsizetype end = in.pos();
    FUZZ_CHECK(end >= 2 && bytes.at(end - 2) == '\xFF' && bytes.at(end - 1) == '\xDA');
    // ... and the size is that of a frame header before it.
    const auto be16 = [&](qsizetype i) { return 256 * quint8(bytes.at(i)) + quint8(bytes.at(i + 1)); };
    bool found = false;
    for (qsizetype i = 2; i + 9 <= end - 2 && !found; ++i) {
        const quint8 code = quint8(bytes.at(i + 1));
        found = bytes.at(i) == '\xFF' && code >= 0xC0 && code <= 0xC2 && be16(i + 5) == p->height && be16(i + 7) == p->width;
    }
    FUZZ_CHECK(found);
    return 0;
}

int fuzzOtherProbes(const uint8_t *data, size_t size)
{
    QByteArray bytes = asBytes(data, size);
    const struct {
        std::optional<PictureSize> (*probe)(QIODevice &);
        QByteArray format;
        int headerBytes;
        QByteArray signature;
    } probes[] = {{probePng, "PNG", 24, "\x89PNG\r\n\x1A\n"}, {probeWebp, "WebP", 30, "RIFF"}, {probeBmp, "BMP", 26, "BM"}};
    for (const auto &p : probes) {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        const std::optional<PictureSize> result = p.probe(in);
        FUZZ_CHECK(in.pos() <= p.headerBytes);  // the header only, never the pixels
        if (result)
            FUZZ_CHECK(result->format == p.format && bytes.startsWith(p.signature) && result->width >= 0 && result->height >= 0);
    }
    return 0;
}
