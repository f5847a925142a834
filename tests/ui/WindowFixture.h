// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window and its dialogs, created as the program creates
// them, with scripted seams, on a temporary start directory and program
// directory (settings file and completion sound). Controls are found by
// object name.

#include "generator/DocumentRequest.h"
#include "platform/core/NativePaths.h"
#include "platform/core/ScreenInfo.h"
#include "settings/DefaultsStore.h"
#include "settings/IniFile.h"
#include "tests/common/PlatformDoubles.h"
#include "tests/common/ScriptedMessages.h"
#include "tests/common/TestFiles.h"
#include "ui/AboutDialog.h"
#include "ui/FileListBox.h"
#include "ui/MainWindow.h"
#include "ui/MoreOptionsDialog.h"
#include "ui/ProgramOptionsDialog.h"
#include "ui/TableOptionsDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

inline QString native(const QString &path) { return QDir::toNativeSeparators(path); }

struct WindowFixture {
    // Files in the start directory and the settings file's content, if any.
    explicit WindowFixture(const QStringList &files = {}, const QByteArray &settings = {})
    {
        testfiles::writeAll(workDir.path(), files);
        if (!settings.isEmpty())
            testfiles::write(settingsPath(), settings);
    }
    QTemporaryDir workDir;
    QTemporaryDir programDir;
    QString startDirectory = workDir.path();
    ScriptedMessages messages;
    ScriptedColors colors;
    FixedScreen screen{1024, 768};
    ScriptedShell shell;
    ScriptedHelp help;
    RecordingSound sound;
    CancellingPrograms programs;
    std::unique_ptr<MainWindow> window;
    ProgramOptionsDialog *options = nullptr;
    TableOptionsDialog *tables = nullptr;
    AboutDialog *about = nullptr;

    QString programPath() const { return withTrailingSeparator(native(programDir.path()), nativePathStyle()); }

    QString settingsPath() const { return programDir.filePath(QStringLiteral("quorva21.ini")); }

    // The windows in the program's order, then the first activation.
    MainWindow &start(const QString &otherSettingsPath = QString())
    {
        window = std::make_unique<MainWindow>(
            WindowServices{messages, colors, screen, shell, help, sound},
            WindowPlaces{programPath(), otherSettingsPath.isEmpty() ? settingsPath() : otherSettingsPath, startDirectory});
        window->createDialogs(colors, programs);
        about = window->about(), options = window->programOptions(), tables = window->tableOptions();
        window->refreshOnActivation();
        return *window;
    }

    // A control of the main window, or of the dialog.
    template <typename T = QWidget>
    T *get(const QString &name, QWidget *dialog = nullptr) const
    {
        T *control = (dialog ? dialog : window->centralWidget())->findChild<T *>(name);
        return control ? control : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QCheckBox *check(const QString &name, QWidget *dialog = nullptr) const { return get<QCheckBox>(name, dialog); }
    QLineEdit *edit(const QString &name, QWidget *dialog = nullptr) const { return get<QLineEdit>(name, dialog); }
    QAbstractButton *button(const QString &name, QWidget *dialog = nullptr) const { return get<QAbstractButton>(name, dialog); }
    void click(const QString &name, QWidget *dialog = nullptr) const { button(name, dialog)->click(); }
    // "Create HTML-Document", and the run to its end on its thread.
    void create() const
    {
        click(QStringLiteral("createButton"));
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
    }
    QString status(const QString &panel) const { return get<QLabel>(panel)->text(); }
    FileListBox *fileList() const { return get<FileListBox>(QStringLiteral("fileList")); }
    QStringList selected() const
    {
        QStringList names;
        for (const FileName &name : window->documentRequest().selectedNames)
            names << name.readable();
        return names;
    }
    // What Exit writes, read back as the next start reads it.
    SavedDefaults savedAtExit() const
    {
        click(QStringLiteral("exitButton"));
        return loadDefaults(IniFile(settingsPath()));
    }

    // The next dialogs run act instead of a modal loop; each ends with the
    // result its buttons set, Cancel when none was pressed.
    void scriptDialogs(std::function<void(QDialog &)> act)
    {
        window->setDialogRunner([act = std::move(act)](QDialog &dialog) {
            dialog.setResult(QDialog::Rejected);
            dialog.show();  // shown, not run: mouse clicks reach it, no loop waits
            act(dialog);
            dialog.hide();
            return dialog.result();
        });
    }
};
