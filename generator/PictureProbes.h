#pragma once
// Picture dimensions read from the first bytes of GIF and JFIF files. The
// probes read strictly forward, never decode, and stop at the end of the
// data: a file too short for what they need gives no size.

#include <QByteArray>

#include <optional>

class QIODevice;

struct PictureSize {
    QByteArray format;  // as the page names it: "GIF87a", "GIF89a", "JPEG"
    int width = 0;
    int height = 0;
};

// Reads at most ten bytes: the signature "GIF87a" or "GIF89a", then the
// logical screen's width and height.
std::optional<PictureSize> probeGif(QIODevice &in);

// A JFIF file ("JFIF" at bytes 6 to 9): the size of the last accepted frame
// (baseline, extended or progressive) before the first start of scan. Only
// an APP13 segment right after the JFIF header is skipped by its length;
// everything else is scanned byte by byte for 0xFF followed by a marker code.
std::optional<PictureSize> probeJpeg(QIODevice &in);
