#pragma once
// Loading the saved defaults at start-up and saving them at Exit.

#include <QString>

struct GenerationOptions;
class IniFile;

// The program file's directory with a trailing separator.
QString programDirectory();
// ProgramDir + "quorva21.ini".
QString settingsFilePath(const QString &programDir);

// Start-up: the defaults, browser, table values (into current and default),
// colours, sound switch and BrowserDisplayName, with the built-in fallbacks.
void loadDefaults(GenerationOptions &options, const IniFile &ini);

// "Position"/"x" and "y", with the window's current edges as fallbacks.
int loadWindowX(const IniFile &ini, int fallback);
int loadWindowY(const IniFile &ini, int fallback);

// Exit: the sixteen writes in order, from the saved defaults. Throws
// IniWriteError at the first failure; the writes before it stay.
void saveDefaults(const GenerationOptions &options, IniFile &ini, int windowX, int windowY);
