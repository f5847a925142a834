// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading the saved defaults at start-up and saving them at Exit.

#include "settings/SavedDefaults.h"

#include <QPoint>
#include <QString>

class IniFile;

// The program file's directory with a trailing separator.
QString programDirectory();

// What decides where the settings file lives.
struct SettingsPlaceFacts {
    bool fileBesideProgram = false;   // quorva21.ini is there already
    bool programDirWritable = false;
    bool installed = false;           // the program runs from an installation
    QString configDir;                // the user's configuration folder; empty when unknown
};
// "quorva21.ini" beside the program when it is there, or when the program's
// folder is writable and not an installation's (build folder, portable
// copy); otherwise in configDir, which Exit creates.
QString chooseSettingsFile(const QString &programDir, const SettingsPlaceFacts &facts);
// The same, with the facts asked of the file system.
QString settingsFilePath(const QString &programDir);

// The defaults with the built-in fallbacks; with the standard browser in
// use, the browser value is "Standard Browser".
SavedDefaults loadDefaults(const IniFile &ini);

// "Position" "x" and "y", each with its fallback.
QPoint loadWindowPosition(const IniFile &ini, QPoint fallback);

// Exit: the seventeen writes in order, then the page's extras in their own
// section, each only when it is on (not its default) or the file holds it
// already. Throws IniWriteError at the first failure; the writes before it
// stay.
void saveDefaults(const SavedDefaults &defaults, IniFile &ini, QPoint windowPosition);
