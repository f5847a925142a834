#pragma once
// Scripted doubles for the window's seams and a fresh main window on a
// temporary working directory, restored afterwards.

#include "ColorChooser.h"
#include "DocumentShell.h"
#include "GenerationOptions.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "ProgramChooser.h"
#include "ScreenInfo.h"
#include "SoundPlayer.h"
#include "Unit1.h"
#include "aboutuni.h"
#include "poptunit.h"
#include "toptunit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

struct ScriptedMessages final : MessageBoxes {
    QList<MessageResult> nextAnswers;  // taken in order; Ok/No when empty
    QStringList shown;
    QList<MessageType> types;

    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override
    {
        shown.append(text), types.append(type);
        if (!nextAnswers.isEmpty())
            return nextAnswers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
};

struct ScriptedColors final : ColorChooser {
    std::optional<qint32> nextAnswer;  // empty: the user cancels
    QList<qint32> presets;             // what each opening was preset to

    bool chooseColor(qint32 initial, qint32 &chosen) override
    {
        presets.append(initial);
        if (!nextAnswer)
            return false;
        chosen = *std::exchange(nextAnswer, std::nullopt);
        return true;
    }
};

// Records every call, so a test can tell what reached the desktop.
struct ScriptedShell final : DocumentShell {
    OpenResult nextOpenResult = OpenResult::Opened;
    bool nextStartResult = true;
    QStringList opened;          // documents given to the shell
    QList<QStringList> started;  // program followed by its arguments

    OpenResult openDocument(const QString &path) override { return opened.append(path), nextOpenResult; }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return started.append(QStringList{program} + arguments), nextStartResult;
    }
};

struct ScriptedHelp final : HelpViewer {
    OpenResult nextResult = OpenResult::Opened;
    QStringList shown;
    OpenResult showHelp(const QString &helpFile) override { return shown.append(helpFile), nextResult; }
};

struct ScriptedPrograms final : ProgramChooser {
    std::optional<QString> nextAnswer;  // empty: the user cancels
    bool chooseProgram(QString &path) override
    {
        if (nextAnswer)
            path = *nextAnswer;
        return nextAnswer.has_value();
    }
};

// The media player as a log of calls: "open <path>", "play", "close".
struct RecordingSound final : SoundPlayer {
    QString nextOpenError;  // returned by every open while set
    QStringList calls;
    std::function<void(const QString &)> errorHandler;

    QString open(const QString &path) override { return calls.append(QStringLiteral("open ") + path), nextOpenError; }
    void play() override { calls.append(QStringLiteral("play")); }
    void close() override { calls.append(QStringLiteral("close")); }
    void setErrorHandler(std::function<void(const QString &)> handler) override { errorHandler = std::move(handler); }
};

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void makeFiles(const QString &root, const QStringList &names)
{
    for (const QString &name : names)
        writeFile(root + QLatin1Char('/') + name, "x");
}

struct UiFixture {
    // Files to list in the working directory and the settings file's content, if any.
    explicit UiFixture(const QStringList &files = {}, const QByteArray &settings = {})
    {
        makeFiles(workDir.path(), files);
        if (!settings.isEmpty())
            writeFile(settingsPath(), settings);
    }
    QTemporaryDir workDir;      // the working directory at start-up
    QTemporaryDir settingsDir;  // holds the settings file
    QString previousDir = QDir::currentPath();
    GenerationOptions options;
    ScriptedMessages messages;
    ScriptedColors colors;
    FixedScreen screen{1024, 768};
    ScriptedShell shell;
    ScriptedHelp help;
    RecordingSound sound;
    ScriptedPrograms programs;
    // Owned by the window, created by withDialogs().
    Taboutbox *about = nullptr;
    Toptionform *optionDialog = nullptr;
    Ttableoptionform *tableDialog = nullptr;
    std::unique_ptr<TForm1> form;

    QString settingsPath() const { return settingsDir.filePath(QStringLiteral("quorva21.ini")); }

    // Creates the window on workDir; files and settings must be in place first.
    TForm1 &start(const QString &settingsFile = QString())
    {
        QDir::setCurrent(workDir.path());
        form = std::make_unique<TForm1>(options, WindowServices{messages, colors, screen, shell, help, sound},
                                        settingsFile.isEmpty() ? settingsPath() : settingsFile);
        form->FormActivate();
        return *form;
    }

    // The three dialogs, as the program creates them after the main window,
    // then the first activation that selects the table buttons.
    TForm1 &withDialogs()
    {
        start();
        about = new Taboutbox(form.get());
        optionDialog = new Toptionform(options, colors, programs, form.get());
        tableDialog = new Ttableoptionform(options, form.get());
        form->setDialogs(about, optionDialog, tableDialog);
        form->FormActivate();
        return *form;
    }

    // The next dialogs run act instead of a modal loop; each ends with the
    // result its buttons set, Cancel when none was pressed.
    void scriptDialogs(std::function<void(QDialog &)> act)
    {
        form->setDialogRunner([act = std::move(act)](QDialog &dialog) {
            dialog.setResult(QDialog::Rejected);
            dialog.show();  // shown, not run: mouse clicks reach it, no loop waits
            act(dialog);
            dialog.hide();
            return dialog.result();
        });
    }

    ~UiFixture()
    {
        form.reset();
        QDir::setCurrent(previousDir);
    }
};
