// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The completion sound on the default audio output (QSoundEffect). The file
// and the device are checked when the file is opened, so the usual failures
// are reported there; the effect loads and plays without blocking.

#include "platform/core/SoundPlayer.h"

#include <QCoreApplication>

class QSoundEffect;

class QtSoundPlayer final : public SoundPlayer {
    Q_DECLARE_TR_FUNCTIONS(QtSoundPlayer)

public:
    QtSoundPlayer() = default;
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer &) = delete;
    QtSoundPlayer &operator=(const QtSoundPlayer &) = delete;

    QString open(const QString &path) override;
    void play() override;
    void close() override;
    void setErrorHandler(std::function<void(const QString &)> handler) override;

private:
    QSoundEffect *effect = nullptr;
    QString openPath;
    std::function<void(const QString &)> onError;
};
