// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail of arbitrary bytes, and a thumbnail's name for them.
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"
#include "thumbnails/ThumbnailNames.h"
#include "thumbnails/Thumbnails.h"

#include <QImage>

int fuzzThumbnail(const uint8_t *data, size_t size)
{
    // The first byte chooses the longest side (1 to 256), the rest is the picture.
    FuzzInput in(data, size);
    ThumbnailLimits limits;
    limits.longestSide = 1 + in.byte();
    limits.memoryBytes = qint64(16) << 20;  // small limits keep each input quick
    limits.maxPixels = qint64(1) << 22;
    const QByteArray picture = in.rest();
    const MadeThumbnail made = thumbnailOf(picture, limits);
    FUZZ_CHECK(made.problem == ThumbnailProblem::None || made.problem == ThumbnailProblem::Undecodable
               || made.problem == ThumbnailProblem::TooLarge);
    if (made.problem == ThumbnailProblem::None) {
        FUZZ_CHECK(made.width >= 1 && made.height >= 1 && qMax(made.width, made.height) <= limits.longestSide);
        // What was written reads back as what the result says.
        const QImage back = QImage::fromData(made.bytes, made.png ? "png" : "jpeg");
        FUZZ_CHECK(back.width() == made.width && back.height() == made.height);
    }
    // Any path gives a name of ours that stays in the folder.
    const QByteArray stem = thumbnailStem(picture.left(300));
    FUZZ_CHECK(isThumbnailName(stem + ".jpg") && !stem.contains('/') && !stem.startsWith('.'));
    FUZZ_CHECK(QString::fromUtf8(stem).toUtf8() == stem);
    return 0;
}
