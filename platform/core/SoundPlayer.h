// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The completion sound's media player behind a seam: the sound device in the
// program, a recording double in tests.

#include <QString>

#include <functional>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Closes what was open and opens path, ready to play. Empty on success,
    // else the device's error text.
    virtual QString open(const QString &path) = 0;
    // Plays the open file from its start and returns at once.
    virtual void play() = 0;
    virtual void close() = 0;
    // A failure the device reports later, while loading or playing.
    virtual void setErrorHandler(std::function<void(const QString &)> handler) = 0;
};
