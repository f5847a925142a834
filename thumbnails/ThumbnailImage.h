// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One thumbnail from one picture, in two steps. A look at the headers tells
// the format, the declared size and the memory decoding will take, before
// any pixel is decoded: a picture that would take too much is refused
// there. Then the picture is decoded at a reduced size where the format
// allows it (JPEG at 1/2, 1/4 or 1/8 inside the decoder), turned by its
// Exif orientation, scaled so that its longest side is the thumbnail's
// (never enlarged), and encoded: PNG where pixels are transparent, JPEG
// otherwise.

#include "generator/ThumbnailBatch.h"

#include <QByteArray>
#include <QSize>

class QIODevice;

struct ThumbnailLimits {
    int longestSide = 200;
    qint64 memoryBytes = qint64(512) << 20;  // a picture's file and decoding; in a batch, all at once together
    qint64 maxPixels = qint64(1) << 28;      // declared, at most: 16384 x 16384
    int jpegQuality = 80;
};

struct PicturePlan {
    ThumbnailProblem problem = ThumbnailProblem::None;  // None, Undecodable or TooLarge
    QByteArray format;       // the decoder: "jpeg", "png", "gif", "bmp" or "webp"
    QSize size;              // as declared, before the orientation
    QSize decodeSize;        // JPEG: the size the decoder delivers; otherwise invalid
    qint64 decodeBytes = 0;  // the memory decoding takes, near enough
};

// Reads headers only, from the start of the seekable in.
PicturePlan planThumbnail(QIODevice &in, const ThumbnailLimits &limits);

struct MadeThumbnail {
    ThumbnailProblem problem = ThumbnailProblem::None;  // None or Undecodable
    QByteArray bytes;  // the encoded thumbnail
    bool png = false;  // otherwise JPEG
    int width = 0;
    int height = 0;
};

// The thumbnail of the picture in data, whose headers gave plan. A picture
// cut short gives a thumbnail of what decodes, or none.
MadeThumbnail makeThumbnail(const QByteArray &data, const PicturePlan &plan, const ThumbnailLimits &limits);

// Both steps, for a picture in memory: refused as too large when it and its
// decoding need more than the memory limit.
MadeThumbnail thumbnailOf(const QByteArray &data, const ThumbnailLimits &limits);

// The size of a thumbnail of a picture of size: longest side longestSide,
// aspect kept (each side at least 1), or the picture's own size if smaller.
QSize thumbnailSize(QSize size, int longestSide);
