// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the document options panel holds: the look of the document. The
// values given here are its start state; the texts and colours then come
// from the saved defaults.

#include "generator/EntryMode.h"
#include "ui/DocumentColors.h"

#include <QString>

struct DocumentOptions {
    QString title;                    // as typed; empty: the default title
    bool heading = true;
    QString headingText;              // as typed; kept also while the heading is off
    bool center = false;
    EntryMode entryMode = EntryMode::Picture;
    bool showSubdirectories = false;  // plain-text mode only
    bool shrinkToFit = false;         // picture mode only
    bool pictureAsLink = false;       // picture mode only
    bool fileSize = false;
    bool fileDate = false;
    bool pictureSize = false;
    LinkStyle linkStyle = LinkStyle::Relative;
    bool showPath = false;            // absolute links only
    QString documentName;             // without extension; empty: the default name
    bool htmlExtension = true;        // ".html"; false: ".htm"
    DocumentColors colors;
};
