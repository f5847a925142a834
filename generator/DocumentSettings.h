// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of the document being prepared: they start from the saved
// defaults and change with the window's controls and the table dialog.

#include "generator/EntryMode.h"
#include "generator/PageColors.h"
#include "generator/TableSettings.h"

struct DocumentSettings {
    EntryMode entryMode = EntryMode::Picture;
    LinkStyle linkStyle = LinkStyle::Relative;
    bool showPath = false;       // absolute links only: entries show the full path
    bool htmlExtension = true;   // ".html"; false: ".htm" (the run takes DocumentTexts::fileName)
    PageColors colors;
    TableSettings table;         // in range
};
