// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture entry shown by its thumbnail: the small copy, with its size so
// the page keeps its layout while pictures arrive, loaded only as it nears
// the view, inside a link to the picture itself.

#include "generator/ThumbnailBatch.h"

#include <QByteArray>

// pictureLink: the picture's link, percent-encoded, as the entry has it.
// The thumbnail's link is relative to the document, beside which its
// folder stands, whatever the links to the pictures are.
QByteArray thumbnailPicture(const QByteArray &pictureLink, const ThumbnailResult &thumbnail);
