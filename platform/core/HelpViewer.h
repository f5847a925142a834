#pragma once
// The help viewer behind a seam: shows a help file with the program
// associated with it.

#include "platform/core/DocumentShell.h"

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual OpenResult showHelp(const QString &helpFile) = 0;
};
