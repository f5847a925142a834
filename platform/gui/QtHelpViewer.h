// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: a help file opens with the program associated with it;
// the built-in help in a window beside the parent widget.

#include "platform/core/HelpViewer.h"
#include "platform/gui/HelpWindow.h"

#include <QPointer>
#include <QWidget>

class QtHelpViewer final : public HelpViewer {
public:
    explicit QtHelpViewer(DocumentShell &desktop) : shell(desktop) {}
    void setParentWidget(QWidget *widget) { parent = widget; }

    OpenResult showHelp(const QString &helpFile) override { return shell.openDocument(helpFile); }
    void showBuiltInHelp() override { showHelpWindow(parent); }

private:
    DocumentShell &shell;
    QPointer<QWidget> parent;
};
