// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DocumentOpener.h"

#include "platform/core/DocumentShell.h"
#include "platform/core/HelpViewer.h"
#include "platform/core/MessageBoxes.h"
#include "platform/core/ProgramFiles.h"

#include <QFileInfo>

DocumentOpener::DocumentOpener(DocumentShell &desktop, HelpViewer &helpViewer, MessageBoxes &messageBoxes)
    : shell(desktop), help(helpViewer), messages(messageBoxes)
{
}

void DocumentOpener::showError(const QString &text)
{
    messages.show(MessageType::Error, text, MessageButtons::Ok);
}

void DocumentOpener::showHelp(const QString &startDirectory, const QString &programDir)
{
    const QString helpFile = oldHelpFile(startDirectory);
    if (!QFileInfo(helpFile).isFile()) {
        const QString own = ownHelpFile(programDir);
        if (own.isEmpty() || help.showHelp(own) != OpenResult::Opened)
            help.showBuiltInHelp();
        return;
    }
    switch (help.showHelp(helpFile)) {
    case OpenResult::Opened:
        break;
    case OpenResult::Missing:
        showError(tr("The help file %1 was not found!").arg(helpFile));
        break;
    case OpenResult::NoAssociation:
        showError(tr("No program is associated with the help file %1!").arg(helpFile));
        break;
    case OpenResult::Failed:
        showError(tr("Error while opening the help file %1!").arg(helpFile));
        break;
    }
}

void DocumentOpener::showDocument(const QString &documentPath, const BrowserChoice &browser)
{
    if (browser.useStandardBrowser) {
        switch (shell.openDocument(documentPath)) {
        case OpenResult::Opened:
            break;
        case OpenResult::NoAssociation:
            showError(tr("No program is associated with HTML-Documents!"));
            break;
        case OpenResult::Missing:
        case OpenResult::Failed:
            showError(tr("Error while executing Standard Browser!"));
            break;
        }
    } else if (!shell.startProgram(browser.path, {documentPath})) {
        // The document's path is one argument, blanks and all.
        showError(tr("Error while executing %1!").arg(browser.displayName));
    }
    // After the failed start above, which had no program to start.
    if (browser.path.isEmpty() && !browser.useStandardBrowser)
        showError(tr("No Internet Browser selected!"));
}
