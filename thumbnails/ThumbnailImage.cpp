// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/ThumbnailImage.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>

#include <cmath>
#include <optional>

namespace {

// What libjpeg needs to know to size its work: a progressive picture is
// held whole as coefficients, two bytes each, however small the output.
struct JpegFrame {
    bool found = false;
    bool progressive = false;
    QList<QPair<int, int>> sampling;  // per component
};

JpegFrame readJpegFrame(QIODevice &in)
{
    JpegFrame frame;
    char b[8];
    if (!in.seek(0) || in.read(b, 2) != 2 || quint8(b[0]) != 0xFF || quint8(b[1]) != 0xD8)
        return frame;
    for (int segments = 0; segments < 10000; ++segments) {
        char c;
        if (!in.getChar(&c) || quint8(c) != 0xFF)
            return frame;
        do {
            if (!in.getChar(&c))
                return frame;
        } while (quint8(c) == 0xFF);
        const quint8 code = quint8(c);
        if (code == 0x01 || code == 0xD8 || (code >= 0xD0 && code <= 0xD7))
            continue;  // markers without a segment
        if (code == 0xD9 || code == 0xDA || in.read(b, 2) != 2)
            return frame;  // no frame before the scan
        const int length = quint8(b[0]) * 256 + quint8(b[1]);
        if (length < 2)
            return frame;
        if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC) {
            if (length < 8 || in.read(b, 6) != 6)
                return frame;
            frame.progressive = code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE;
            for (int i = 0; i < quint8(b[5]) && in.read(b, 3) == 3; ++i)
                frame.sampling.append({quint8(b[1]) >> 4, quint8(b[1]) & 0x0F});
            frame.found = !frame.sampling.isEmpty();
            return frame;
        }
        if (!in.seek(in.pos() + length - 2))
            return frame;
    }
    return frame;
}

qint64 ceilDiv(qint64 a, qint64 b) { return (a + b - 1) / b; }

// The output libjpeg delivers when asked for target: Qt lets it reduce by
// the largest of 8, 4 or 2 that keeps the output at least target's size.
int jpegReduction(QSize size, QSize target)
{
    const double f = qMin(double(size.width()) / target.width(), double(size.height()) / target.height());
    return f >= 8 ? 8 : f >= 4 ? 4 : f >= 2 ? 2 : 1;
}

qint64 jpegDecodeBytes(QIODevice &in, QSize size, int reduction)
{
    const qint64 w = size.width(), h = size.height();
    qint64 bytes = ceilDiv(w, reduction) * ceilDiv(h, reduction) * 4;
    const JpegFrame frame = readJpegFrame(in);
    // Unknown layout: as the costliest, progressive without subsampling.
    if (!frame.found || frame.progressive) {
        int hMax = 1, vMax = 1;
        for (const auto &[hs, vs] : frame.sampling)
            hMax = qMax(hMax, hs), vMax = qMax(vMax, vs);
        const QList<QPair<int, int>> sampling = frame.found ? frame.sampling : QList<QPair<int, int>>(4, {1, 1});
        for (const auto &[hs, vs] : sampling)
            bytes += ceilDiv(ceilDiv(w * qMax(hs, 1), hMax), 8) * ceilDiv(ceilDiv(h * qMax(vs, 1), vMax), 8) * 128;
    }
    return bytes;
}

quint32 bigEndian32(const char *b)
{
    return quint32(quint8(b[0])) << 24 | quint32(quint8(b[1])) << 16 | quint32(quint8(b[2])) << 8 | quint8(b[3]);
}

// libpng streams the pixel data, but reads every other chunk whole, and
// inflates compressed text and colour profiles whole, whatever length they
// claim (Qt sets no limit there): the memory those take, at zlib's largest
// ratio for what is compressed; none for a chunk that claims more than the
// file holds, which would be allocated all the same.
std::optional<qint64> pngChunkBytes(QIODevice &in)
{
    constexpr qint64 kInflateRatio = 1032;
    qint64 bytes = 0;
    char h[8];
    for (qint64 at = 8; at + 8 <= in.size() && in.seek(at) && in.read(h, 8) == 8;) {
        const qint64 length = bigEndian32(h);
        const QByteArrayView type(h + 4, 4);
        at += 8 + length + 4;
        if (type == "IDAT")
            continue;  // cut short, it decodes as far as it goes
        if (at > in.size() || length > 0x7FFFFFFF)
            return std::nullopt;
        bytes += type == "zTXt" || type == "iTXt" || type == "iCCP" ? length * kInflateRatio : length;
        if (type == "IEND")
            break;
    }
    return bytes;
}

bool hasTransparentPixel(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return true;
    }
    return false;
}

} // namespace

QSize thumbnailSize(QSize size, int longestSide)
{
    const int longest = qMax(size.width(), size.height());
    if (longest <= longestSide)
        return size;
    const auto side = [&](int length) { return qMax(1, int(std::lround(double(length) * longestSide / longest))); };
    return QSize(side(size.width()), side(size.height()));
}

PicturePlan planThumbnail(QIODevice &in, const ThumbnailLimits &limits)
{
    PicturePlan plan;
    plan.problem = ThumbnailProblem::Undecodable;
    QImageReader reader(&in);
    plan.format = reader.format();  // from the signature
    // Decoders for pictures a browser shows; nothing else (SVG, say) runs on these bytes.
    static const QByteArrayList kDecoders = {"jpeg", "png", "gif", "bmp", "webp"};
    if (!kDecoders.contains(plan.format))
        return plan;
    // Reading a PNG's header reads its chunks up to the pixels: looked at first.
    std::optional<qint64> chunkBytes = 0;
    char depth = 8;
    if (plan.format == "png") {
        if (!(chunkBytes = pngChunkBytes(in)) || !in.seek(24) || !in.getChar(&depth) || !in.seek(0))
            return plan;
    }
    plan.size = reader.size();
    if (plan.size.isEmpty())
        return plan;
    const qint64 pixels = qint64(plan.size.width()) * plan.size.height();
    plan.problem = ThumbnailProblem::TooLarge;
    if (pixels > limits.maxPixels)
        return plan;
    plan.problem = ThumbnailProblem::None;
    if (plan.format == "jpeg") {
        const QSize target = thumbnailSize(plan.size, limits.longestSide);
        plan.decodeSize = target;
        plan.decodeBytes = jpegDecodeBytes(in, plan.size, jpegReduction(plan.size, target));
    } else {
        // Decoded whole, then scaled from a copy in another pixel format.
        plan.decodeBytes = *chunkBytes + pixels * (depth == 16 ? 8 : 4) * 2;
    }
    return plan;
}

MadeThumbnail makeThumbnail(const QByteArray &data, const PicturePlan &plan, const ThumbnailLimits &limits)
{
    MadeThumbnail made;
    made.problem = ThumbnailProblem::Undecodable;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, plan.format);
    reader.setAutoTransform(true);
    // Qt's own limit stands behind the plan's: no image beyond it is allocated.
    reader.setAllocationLimit(int(qBound(qint64(1), limits.memoryBytes >> 20, qint64(1) << 30)));
    if (plan.decodeSize.isValid())
        reader.setScaledSize(plan.decodeSize);
    QImage image = reader.read();
    if (image.isNull())
        return made;
    // The orientation is applied by now: fit what came out.
    const QSize size = thumbnailSize(image.size(), limits.longestSide);
    if (size != image.size())
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Browsers take a picture without a colour profile for sRGB.
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    image.setColorSpace(QColorSpace());

    made.png = hasTransparentPixel(image);
    if (!made.png && image.format() != QImage::Format_Grayscale8)
        image = image.convertToFormat(QImage::Format_RGB32);
    QBuffer out(&made.bytes);
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, made.png ? "png" : "jpeg");
    if (!made.png) {
        writer.setQuality(limits.jpegQuality);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image))
        return made;
    made.problem = ThumbnailProblem::None;
    made.width = image.width();
    made.height = image.height();
    return made;
}

MadeThumbnail thumbnailOf(const QByteArray &data, const ThumbnailLimits &limits)
{
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly);
    const PicturePlan plan = planThumbnail(in, limits);
    MadeThumbnail made;
    made.problem = plan.problem;
    if (plan.problem == ThumbnailProblem::None && data.size() + plan.decodeBytes > limits.memoryBytes)
        made.problem = ThumbnailProblem::TooLarge;
    return made.problem == ThumbnailProblem::None ? makeThumbnail(data, plan, limits) : made;
}
