// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything one document creation needs, taken when the user presses
// "Create HTML-Document" (or from the command line).

#include "generator/DocumentSettings.h"
#include "generator/DocumentTexts.h"
#include "generator/FileName.h"

#include <QString>

struct DocumentRequest {
    QString directory;          // the listed directory, a full native path
    FileNames selectedNames;    // bare file names, in the order of the list
    QString startDirectory;     // where absolute-link documents go

    DocumentTexts texts;        // title, heading and file name, defaults filled in
    bool center = false;
    bool fileSize = false;
    bool fileDate = false;
    bool pictureSize = false;
    bool shrinkToFit = false;   // picture mode only
    bool pictureAsLink = false; // picture mode only
    bool showSubdirectories = false;  // plain-text mode only
    bool modernPictures = false; // sizes also of PNG, WebP, BMP and JPEG pictures of any layout
    int screenWidth = 1024;     // limits shrunk pictures
    bool searchable = false;    // a search box and sort buttons, run by a script inside the page
    DocumentSettings settings;

    // A whole tree: after the listed directory's selected files, every
    // subdirectory's files, depth first, each directory a section of the page.
    bool wholeTree = false;
    int maxDepth = -1;          // levels of subdirectories below the listed directory; -1: all, 0: none
    QStringList leaveOut;       // patterns naming files and directories to leave out, as the filter matches
    QString filter = QStringLiteral("*.*");  // the file list's mask, for the subdirectories' files
    // Picture mode: each picture shown as a small copy (longest side
    // thumbnailSize pixels) made in a folder beside the document, linked to
    // the picture itself.
    bool thumbnails = false;
    int thumbnailSize = 200;
};
