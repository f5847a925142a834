// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ThumbnailMarkup.h"

#include "generator/HtmlText.h"

QByteArray thumbnailPicture(const QByteArray &pictureLink, const ThumbnailResult &thumbnail)
{
    return "<A HREF=\"" + pictureLink + "\"><IMG SRC=\"" + relativeLink(thumbnail.link) + "\" WIDTH=\""
           + QByteArray::number(thumbnail.width) + "\" HEIGHT=\"" + QByteArray::number(thumbnail.height)
           + "\" loading=\"lazy\"></A>";
}
