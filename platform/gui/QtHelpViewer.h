#pragma once
// The help viewer: the help file opens with the program associated with it.

#include "platform/core/HelpViewer.h"

class QtHelpViewer final : public HelpViewer {
public:
    explicit QtHelpViewer(DocumentShell &shell) : shell(shell) {}
    OpenResult showHelp(const QString &helpFile) override { return shell.openDocument(helpFile); }

private:
    DocumentShell &shell;
};
