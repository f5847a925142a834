#pragma once
// Loading the saved defaults at start-up and saving them at Exit.

#include "settings/SavedDefaults.h"

#include <QPoint>
#include <QString>

class IniFile;

// The program file's directory with a trailing separator.
QString programDirectory();
// programDir + "quorva21.ini".
QString settingsFilePath(const QString &programDir);

// The defaults with the built-in fallbacks; with the standard browser in
// use, the browser value is "Standard Browser".
SavedDefaults loadDefaults(const IniFile &ini);

// "Position" "x" and "y", each with its fallback.
QPoint loadWindowPosition(const IniFile &ini, QPoint fallback);

// Exit: the sixteen writes in order. Throws IniWriteError at the first
// failure; the writes before it stay.
void saveDefaults(const SavedDefaults &defaults, IniFile &ini, QPoint windowPosition);
