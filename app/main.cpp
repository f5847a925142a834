// Program entry: the application, then the four windows in their order, then
// the main window shown until it closes.

#include "GenerationOptions.h"
#include "Pictures.h"
#include "QtColorChooser.h"
#include "QtDocumentShell.h"
#include "QtHelpViewer.h"
#include "QtMessageBoxes.h"
#include "QtProgramChooser.h"
#include "QtScreenInfo.h"
#include "QtSoundPlayer.h"
#include "SettingsStore.h"
#include "Unit1.h"
#include "aboutuni.h"
#include "poptunit.h"
#include "toptunit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's title. Not its display name: Qt would append that to
    // every caption, and the message boxes' captions are exactly "Error" etc.
    QApplication::setApplicationName(QStringLiteral("Quorvant 2.1"));
    QApplication::setApplicationVersion(QStringLiteral("2.1"));
    QApplication::setWindowIcon(programIcon());

    GenerationOptions options;
    QtMessageBoxes messages;
    QtColorChooser colors;
    QtScreenInfo screen;
    QtDocumentShell shell;
    QtHelpViewer help(shell);
    QtSoundPlayer sound;
    QtProgramChooser programs;

    TForm1 form(options, WindowServices{messages, colors, screen, shell, help, sound},
                settingsFilePath(programDirectory()));
    Form1 = &form;
    messages.setParentWidget(&form);
    colors.setParentWidget(&form);

    aboutbox = new Taboutbox(&form);
    optionform = new Toptionform(options, colors, programs, &form);
    tableoptionform = new Ttableoptionform(options, &form);
    form.setDialogs(aboutbox, optionform, tableoptionform);
    programs.setParentWidget(optionform);

    form.show();
    return app.exec();
}
