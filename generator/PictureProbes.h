// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture dimensions read from the headers of picture files. The probes read
// strictly forward through headers only (segments are skipped by their
// lengths, never read), never decode, and stop at the end of the data: a
// file too short for what they need gives no size.

#include <QByteArray>

#include <optional>

class QIODevice;

struct PictureSize {
    QByteArray format;  // as the page names it: "GIF87a", "GIF89a", "JPEG", "PNG", "WebP", "BMP"
    int width = 0;
    int height = 0;
};

// Reads at most ten bytes: the signature "GIF87a" or "GIF89a", then the
// logical screen's width and height.
std::optional<PictureSize> probeGif(QIODevice &in);

// The size of the last frame (baseline, extended or progressive) before the
// first start of scan, found by walking the file segment by segment as a
// decoder does. With requireJfif, only a file with "JFIF" at bytes 6 to 9
// gives a size. The device must be able to seek.
std::optional<PictureSize> probeJpeg(QIODevice &in, bool requireJfif = true);

// PNG: the IHDR chunk. WebP: the VP8, VP8L or VP8X header. BMP: the
// BITMAPINFOHEADER or a later one; a top-down picture's height is positive.
std::optional<PictureSize> probePng(QIODevice &in);
std::optional<PictureSize> probeWebp(QIODevice &in);
std::optional<PictureSize> probeBmp(QIODevice &in);
