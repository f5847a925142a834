// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where thumbnails go and what they are called. The folder stands beside the
// document and is named after it: quorvant.html -> quorvant_thumbnails. A
// thumbnail is named after its picture's path below the listed directory,
// cleaned so that it needs no escape in a link and is valid on any disk,
// and then a short hash of the path's exact bytes: names stay unique also
// where the cleaning merges two paths, where they differ only in letter
// case (a folder on a case-insensitive disk) or are not valid UTF-8.
//   IMG_0001.JPG            -> IMG_0001.JPG-c8ae06e33f1e.jpg
//   photo.jpg, Photo.jpg    -> photo.jpg-aff6100bd4df.jpg, Photo.jpg-4cd34cb8f2c8.jpg
//   2023/Summer/Strand.jpg  -> 2023_Summer_Strand.jpg-332f192675ca.jpg
//   caf\xE9 & friends.png   -> caf____friends.png-8f35cb87dc91.png (a transparent one)

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The folder of the document's thumbnails: beside it, named after its base
// name (all of the name before the last dot) with "_thumbnails" appended.
QString thumbnailFolderFor(const QString &documentPath);

// A thumbnail's name without its extension: the cleaned path, at most 80
// bytes of its end, "-" and 12 hexadecimal digits of the path's SHA-256.
// Letters and digits of any script, '.', '-' and '_' stay; every other
// character, every byte that is not UTF-8 and a leading dot become '_'.
QByteArray thumbnailStem(QByteArrayView sourcePath);

// Whether name is a thumbnail's file name as thumbnailStem makes them, with
// the extension .jpg or .png: no other file in the folder is ever removed.
bool isThumbnailName(QByteArrayView name);
