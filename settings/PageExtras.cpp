// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PageExtras.h"

#include "generator/DocumentRequest.h"
#include "generator/FileListing.h"
#include "generator/ThumbnailBatch.h"

#include <QtGlobal>

PageExtras PageExtras::inRange() const
{
    PageExtras e = *this;
    e.maxDepth = qMax(-1, maxDepth);
    e.thumbnailSize = qBound(kMinThumbnailSide, thumbnailSize, kMaxThumbnailSide);
    return e;
}

void applyPageExtras(const PageExtras &extras, DocumentRequest &request)
{
    const PageExtras e = extras.inRange();
    request.wholeTree = e.wholeTree;
    request.maxDepth = e.maxDepth;
    request.leaveOut = maskPatterns(e.leaveOut);
    request.searchable = e.searchable;
    request.thumbnails = e.thumbnails;
    request.thumbnailSize = e.thumbnailSize;
}
