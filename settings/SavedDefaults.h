// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings file keeps between sessions: the default texts, the
// browser, the table and colour defaults, the completion sound switch, and
// the page's extra features.

#include "generator/DocumentTexts.h"
#include "generator/PageColors.h"
#include "generator/TableSettings.h"
#include "settings/PageExtras.h"

#include <QString>

inline const QString kDefaultTitleText = QStringLiteral("Document created by \"Quorvant\"");
inline const QString kDefaultFileName = QStringLiteral("quorvant");
// The browser value while the standard browser is in use.
inline const QString kStandardBrowser = QStringLiteral("Standard Browser");

struct SavedDefaults {
    QString title = kDefaultTitleText;
    QString heading = kDefaultTitleText;
    QString fileName = kDefaultFileName;
    bool useStandardBrowser = true;
    QString browserPath;
    TableSettings table;  // as read: a hand-edited file may hold values out of range
    PageColors colors;
    bool playSound = false;
    bool modernPictures = false;  // sizes of PNG, WebP, BMP and Exif JPEG pictures
    PageExtras page;              // as read, like the table

    // The browser program the user chose; empty while none is. The value
    // that stands for the standard browser never names a program, also when
    // the standard browser was turned off and no program chosen since.
    QString browserProgram() const { return browserPath == kStandardBrowser ? QString() : browserPath; }

    // What stands in for an empty title, heading or name field.
    DefaultDocumentTexts documentTexts() const { return {title, heading, fileName}; }
};

// How the browser button names the browser: "Standard Browser", the chosen
// program's file name, or "Internet Browser" while none is chosen.
QString browserDisplayName(const SavedDefaults &defaults);
