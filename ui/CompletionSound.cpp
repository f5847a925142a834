// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CompletionSound.h"

#include "platform/core/MessageBoxes.h"
#include "platform/core/SoundPlayer.h"

#include <QFileInfo>

CompletionSound::CompletionSound(SoundPlayer &soundPlayer, MessageBoxes &messageBoxes, QString file, QObject *parent)
    : QObject(parent), player(soundPlayer), messages(messageBoxes), soundFile(std::move(file))
{
    player.setErrorHandler([this](const QString &text) { reportError(text); });
}

CompletionSound::~CompletionSound()
{
    player.setErrorHandler(nullptr);
}

bool CompletionSound::fileExists() const
{
    return QFileInfo(soundFile).isFile();
}

void CompletionSound::prepare(bool wanted)
{
    ready = false;
    if (wanted && fileExists())
        open();
}

void CompletionSound::reopenAfterSaving(bool wanted)
{
    if (fileExists())
        ready = true;
    if (wanted && ready)
        open();
}

void CompletionSound::playIfReady(bool wanted)
{
    if (wanted && ready)
        player.play();
}

void CompletionSound::closeIfReady(bool wanted)
{
    if (wanted && ready)
        player.close();
}

void CompletionSound::open()
{
    const QString error = player.open(soundFile);
    if (!error.isEmpty()) {
        reportError(error);
        return;
    }
    ready = true;
    errorShown = false;
}

void CompletionSound::reportError(const QString &text)
{
    ready = false;
    if (errorShown)
        return;
    errorShown = true;
    if (showingFirstTime) {
        QMetaObject::invokeMethod(
            this, [this, text] { messages.show(MessageType::Error, text, MessageButtons::Ok); }, Qt::QueuedConnection);
        return;
    }
    messages.show(MessageType::Error, text, MessageButtons::Ok);
}
