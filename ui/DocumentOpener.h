// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the help file and the created document on the desktop, and tells
// the user in a message when that fails.

#include <QCoreApplication>
#include <QString>

class DocumentShell;
class HelpViewer;
class MessageBoxes;

// The browser the user chose in the program options.
struct BrowserChoice {
    bool useStandardBrowser = true;
    QString path;         // the browser program; may be empty
    QString displayName;  // as the browser button names it
};

class DocumentOpener {
    Q_DECLARE_TR_FUNCTIONS(DocumentOpener)

public:
    DocumentOpener(DocumentShell &shell, HelpViewer &help, MessageBoxes &messages);

    // "quorva21.HLP" in startDirectory (where the program was started, not
    // where it lives) when it is there; otherwise the program's own help, in
    // the standard browser or, when none shows it, in a window of the program.
    void showHelp(const QString &startDirectory, const QString &programDir);
    void showDocument(const QString &documentPath, const BrowserChoice &browser);

private:
    void showError(const QString &text);

    DocumentShell &shell;
    HelpViewer &help;
    MessageBoxes &messages;
};
