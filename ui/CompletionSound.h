// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound that marks a finished document ("ready.wav"), opened at each activation of the main window while the user wants it, and
// played after each document. A device error is shown once, not again at
// each activation that follows (closing its message box is one), until an
// open succeeds.

#include <QObject>
#include <QScopedValueRollback>
#include <QString>

class MessageBoxes;
class SoundPlayer;

class CompletionSound final : public QObject {
    Q_OBJECT
public:
    CompletionSound(SoundPlayer &player, MessageBoxes &messages, QString soundFile, QObject *parent = nullptr);
    ~CompletionSound() override;

    // At activation: not ready, then opened when wanted and there.
    void prepare(bool wanted);
    // After the options were saved: a file found there makes the sound ready
    // (a missing one leaves the earlier verdict), and it is opened again
    // when wanted and ready.
    void reopenAfterSaving(bool wanted);
    void playIfReady(bool wanted);
    void closeIfReady(bool wanted);

    // While the window is being shown for the first time it is not on the
    // screen yet: an error message then waits until it is. Holds for the
    // lifetime of what it returns.
    [[nodiscard]] QScopedValueRollback<bool> whileShowingFirstTime()
    {
        return QScopedValueRollback<bool>(showingFirstTime, true);
    }

private:
    bool fileExists() const;
    void open();
    void reportError(const QString &text);

    SoundPlayer &player;
    MessageBoxes &messages;
    const QString soundFile;
    bool ready = false;
    bool errorShown = false;
    bool showingFirstTime = false;
};
