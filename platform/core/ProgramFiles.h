// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program finds its own files. A program in the build folder or a
// portable copy keeps them beside itself; an installed one has them in the
// installation's data folder (<prefix>/bin/ -> <prefix>/share/quorvant/) and
// keeps the user's settings in the user's configuration folder.

#include <QByteArray>
#include <QString>

// The installation's data folder for a program in programDir (both ending
// with a separator). It exists only when the program was installed.
QString installedDataDirectory(const QString &programDir);
bool isInstalledProgram(const QString &programDir);

// The user's configuration folder for this program (~/.config/quorvant/),
// ending with a separator; empty when the system names none.
QString userConfigDirectory();

// The completion sound "ready.wav": beside the program, else in the installed
// data folder. When neither has it, the path beside the program (the sound is
// then off).
QString completionSoundFile(const QString &programDir);

// "quorva21.HLP" in the start directory; when it is there, it opens instead
// of the program's own help.
QString oldHelpFile(const QString &startDirectory);

// The program's own help as a file a browser can open: the copy beside the
// program or in the installed data folder, else the built-in copy written
// to the user's cache folder. Empty when none can be had; show
// ownHelpHtml() in a window of the program then.
QString ownHelpFile(const QString &programDir);
// The built-in help document (HTML).
QByteArray ownHelpHtml();
