// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer behind a seam: a help file opens with the program
// associated with it; the program's own help can also show in a window of
// the program.

#include "platform/core/DocumentShell.h"

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual OpenResult showHelp(const QString &helpFile) = 0;
    // For when no browser shows the program's own help.
    virtual void showBuiltInHelp() = 0;
};
