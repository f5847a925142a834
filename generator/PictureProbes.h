#pragma once
// Picture dimensions read from the first bytes of GIF and JFIF files. The
// probes read strictly forward, never decode, and stop at the end of the
// data: a file too short for what they need gives no result.

#include <QByteArray>

class QIODevice;

struct GifProbe {
    bool signatureRead = false;  // the first six bytes were there
    QByteArray signature;        // those six bytes
    bool ok = false;             // "GIF87a" or "GIF89a" with both sizes present
    int width = 0;
    int height = 0;
};

// Reads at most ten bytes.
GifProbe probeGif(QIODevice &in);

struct JpegProbe {
    bool ok = false;  // JFIF, and an accepted frame before the first start of scan
    int width = 0;    // of the last accepted frame before that start of scan
    int height = 0;
};

// Walks the markers up to the first start of scan. Only an APP13 segment
// right after the JFIF header is skipped by its length; everything else is
// scanned byte by byte for 0xFF followed by a marker code.
JpegProbe probeJpeg(QIODevice &in);
