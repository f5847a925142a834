#pragma once
// Everything one document creation needs, taken when the user presses
// "Create HTML-Document" (or from the command line).

#include "generator/DocumentSettings.h"
#include "generator/DocumentTexts.h"

#include <QString>
#include <QStringList>

struct DocumentRequest {
    QString directory;          // the listed directory, a full native path
    QStringList selectedNames;  // bare file names, in the order of the list
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
    bool wholeTree = false;     // the files of every subdirectory too, each directory in a section
    int maxDepth = -1;          // with wholeTree: levels below the listed directory; -1 all, 0 the listed directory alone
    QStringList leaveOut;       // with wholeTree: file and directory names left out, patterns like the filter's
    bool thumbnails = false;    // picture mode: small copies in a folder beside the document
    int thumbnailSize = 200;    // a thumbnail's longest side, in pixels
    DocumentSettings settings;
};
