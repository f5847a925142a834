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
    QByteArray bytes = asBytes(data, size);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const std::optional<PictureSize> p = probeJpeg(in);
    FUZZ_CHECK(in.pos() <= bytes.size());
    if (p) {
        FUZZ_CHECK(bytes.mid(6, 4) == "JFIF" && p->format == "JPEG");
        FUZZ_CHECK(p->width >= 0 && p->width <= 0xFFFF && p->height >= 0 && p->height <= 0xFFFF);
        // It stopped right after a start-of-scan marker.
        FUZZ_CHECK(in.pos() >= 2 && bytes.at(in.pos() - 2) == '\xFF' && bytes.at(in.pos() - 1) == '\xDA');
    }
    return 0;
}
