// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thumbnails library's way in: a ThumbnailBatchFactory for the run.

#include "generator/ThumbnailBatch.h"
#include "thumbnails/ThumbnailImage.h"

#include <QByteArrayView>

// Makes the thumbnails of one run's entries on every core, ahead of the
// page writer, in the folder beside the document.
std::unique_ptr<ThumbnailBatch> makeThumbnailBatch(const ThumbnailJob &job);
// The same with other limits (tests, benchmarks); limits.longestSide is
// taken from the job.
std::unique_ptr<ThumbnailBatch> makeThumbnailBatch(const ThumbnailJob &job, ThumbnailLimits limits);

// Whether the path's extension names a picture a thumbnail is made of
// (.jpg .jpeg .jpe .jfif .png .gif .bmp .webp, in any letter case).
bool isPictureName(QByteArrayView path);
