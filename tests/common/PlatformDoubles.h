// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted doubles for the desktop's seams: the colour chooser, the shell,
// the help viewer, the program chooser, the sound player and the screen.
// Each records what reached it; none opens a window.

#include "platform/core/DocumentShell.h"
#include "platform/core/HelpViewer.h"
#include "platform/core/ProgramChooser.h"
#include "platform/core/ScreenInfo.h"
#include "platform/core/SoundPlayer.h"
#include "platform/gui/ColorChooser.h"

#include <QList>
#include <QStringList>

#include <utility>

struct ScriptedColors final : ColorChooser {
    QColor nextAnswer;  // invalid: the user cancels
    QColor chooseColor(const QColor &) override { return std::exchange(nextAnswer, QColor()); }
};

struct ScriptedShell final : DocumentShell {
    OpenResult nextOpenResult = OpenResult::Opened;
    bool nextStartResult = true;
    QStringList opened;          // documents given to the shell
    QList<QStringList> started;  // program followed by its arguments

    OpenResult openDocument(const QString &path) override { return opened << path, nextOpenResult; }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return started << (QStringList{program} + arguments), nextStartResult;
    }
};

struct ScriptedHelp final : HelpViewer {
    OpenResult nextResult = OpenResult::Opened;
    QStringList shown;  // the files, and "built-in" for the program's own window
    OpenResult showHelp(const QString &helpFile) override { return shown << helpFile, nextResult; }
    void showBuiltInHelp() override { shown << QStringLiteral("built-in"); }
};

// The user always cancels the search for a program.
struct CancellingPrograms final : ProgramChooser {
    bool chooseProgram(QString &) override { return false; }
};

// The media player as a log of calls: "open <path>", "play", "close".
struct RecordingSound final : SoundPlayer {
    QStringList calls;

    QString open(const QString &path) override { return calls << QStringLiteral("open ") + path, QString(); }
    void play() override { calls << QStringLiteral("play"); }
    void close() override { calls << QStringLiteral("close"); }
    void setErrorHandler(std::function<void(const QString &)>) override {}
};

struct FixedScreen final : ScreenInfo {
    FixedScreen(int w, int h) : width(w), height(h) {}
    int width;
    int height;
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }
};
