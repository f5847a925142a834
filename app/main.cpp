// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application, then the four windows in their order, then
// the main window shown until it closes.

#include "platform/core/StartDirectory.h"
#include "platform/gui/QtColorChooser.h"
#include "platform/gui/QtDocumentShell.h"
#include "platform/gui/QtHelpViewer.h"
#include "platform/gui/QtMessageBoxes.h"
#include "platform/gui/QtProgramChooser.h"
#include "platform/gui/QtScreenInfo.h"
#include "platform/gui/QtSoundPlayer.h"
#include "settings/DefaultsStore.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"
#include "ui/ProgramOptionsDialog.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's title. Not its display name: Qt would append that to
    // every caption, and the message boxes' captions are exactly "Error" etc.
    QApplication::setApplicationName(QStringLiteral("Quorvant " QUORVANT_VERSION));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANT_VERSION));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to its menu entry (quorvant.desktop).
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvant"));

    QtMessageBoxes messages;
    QtColorChooser colors;
    QtScreenInfo screen;
    QtDocumentShell shell;
    QtHelpViewer help(shell);
    QtSoundPlayer sound;
    QtProgramChooser programs;

    const QString programDir = programDirectory();
    MainWindow window(WindowServices{messages, colors, screen, shell, help, sound},
                      WindowPlaces{programDir, settingsFilePath(programDir), startDirectory()});
    messages.setParentWidget(&window);
    help.setParentWidget(&window);
    colors.setParentWidget(&window);

    window.createDialogs(colors, programs);
    programs.setParentWidget(window.programOptions());

    window.show();
    return app.exec();
}
