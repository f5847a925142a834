#pragma once
// Scripted doubles for the window's seams and a fresh main window on a
// temporary working directory, restored afterwards.

#include "ColorChooser.h"
#include "GenerationOptions.h"
#include "MessageBoxes.h"
#include "ScreenInfo.h"
#include "Unit1.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

struct ShownMessage {
    MessageType type;
    QString text;
};

class ScriptedMessages final : public MessageBoxes {
public:
    QList<MessageResult> nextAnswers;  // taken in order; Ok/No when empty
    QList<ShownMessage> shown;

    MessageResult show(MessageType type, const QString &text, MessageButtons buttons) override
    {
        shown.append({type, text});
        if (!nextAnswers.isEmpty())
            return nextAnswers.takeFirst();
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
};

class ScriptedColors final : public ColorChooser {
public:
    std::optional<qint32> nextAnswer;  // empty: the user cancels
    QList<qint32> presets;             // what each opening was preset to

    bool chooseColor(qint32 initial, qint32 &chosen) override
    {
        presets.append(initial);
        if (!nextAnswer)
            return false;
        chosen = *nextAnswer;
        nextAnswer.reset();
        return true;
    }
};

// Makes files (empty or with content) below root.
inline void makeFiles(const QString &root, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(root + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly))
            file.write("x");
    }
}

struct UiFixture {
    QTemporaryDir workDir;      // the working directory at start-up
    QTemporaryDir settingsDir;  // holds the settings file
    QString previousDir = QDir::currentPath();
    GenerationOptions options;
    ScriptedMessages messages;
    ScriptedColors colors;
    FixedScreen screen{1024, 768};
    std::unique_ptr<TForm1> form;

    QString settingsPath() const { return settingsDir.filePath(QStringLiteral("quorva21.ini")); }

    // Creates the window on workDir; files and settings must be in place first.
    TForm1 &start(const QString &settingsFile = QString())
    {
        QDir::setCurrent(workDir.path());
        form = std::make_unique<TForm1>(options, messages, colors, screen,
                                        settingsFile.isEmpty() ? settingsPath() : settingsFile);
        form->FormActivate();
        return *form;
    }

    ~UiFixture()
    {
        form.reset();
        QDir::setCurrent(previousDir);
    }
};
